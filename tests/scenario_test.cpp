// Scenario files: what a user writes, what they get told when a line is wrong,
// and the simulator program's answer to a bad file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "crewaids/checklists/checklist.h"
#include "simhost/module_loader.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "tests/cockpit.h"
#include "tests/sound_test_support.h"

namespace halcyon::test {
namespace {

std::vector<std::string> ParseErrors(const std::string& text) {
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  scenario.Parse(text, "flight.scn", &errors);
  return errors;
}

TEST(Scenario, TimesAndStepsOfAWellFormedFlight) {
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("# a comment\n"
                             "set on_ground 1\n"
                             "\n"
                             "at 0:30 ramp ias 150 20   # accelerate\n"
                             "run 60\n"
                             "at 1:01:01.5 note \"the end\"\n",
                             "flight.scn", &errors))
      << errors.front();
  ASSERT_EQ(scenario.Steps().size(), 4u);
  EXPECT_EQ(scenario.Steps()[1].atSeconds, 30.0);
  EXPECT_EQ(scenario.Steps()[1].line, 4);
  EXPECT_EQ(scenario.Steps()[2].atSeconds, 30.0);
  EXPECT_EQ(scenario.Steps()[3].atSeconds, 3661.5);
  EXPECT_EQ(scenario.Steps()[3].args, std::vector<std::string>{"the end"});
  EXPECT_EQ(scenario.EndSeconds(), 3661.5);
}

TEST(Scenario, EveryBadLineIsNamedWithWhatIsWrong) {
  const auto errors = ParseErrors("set on_ground\n"          // 1: too few
                                  "fly 10\n"                 // 2: unknown command
                                  "set warp_drive 1\n"       // 3: unknown token
                                  "set ias fast\n"           // 4: not a number
                                  "run -3\n"                 // 5: negative
                                  "at 1:75 stop\n"           // 6: bad time
                                  "run 10\n"
                                  "at 5 note back in time\n" // 8: earlier than line 7 ends
                                  "note \"unclosed\n"        // 9
                                  "set 5000 1\n"             // 10: token out of range
                                  "window ajar 10010\n");    // 11
  ASSERT_EQ(errors.size(), 10u);
  EXPECT_EQ(errors[0], "flight.scn:1: usage: set <token> <value>");
  EXPECT_EQ(errors[1], "flight.scn:2: unknown command 'fly'");
  EXPECT_NE(errors[2].find("flight.scn:3: unknown token 'warp_drive'"), std::string::npos);
  EXPECT_EQ(errors[3], "flight.scn:4: 'fast' is not a number");
  EXPECT_NE(errors[4].find("flight.scn:5:"), std::string::npos);
  EXPECT_NE(errors[5].find("flight.scn:6: '1:75' is not a time"), std::string::npos);
  EXPECT_NE(errors[6].find("flight.scn:8: time 5 is earlier"), std::string::npos);
  EXPECT_EQ(errors[7], "flight.scn:9: a quote is not closed");
  EXPECT_NE(errors[8].find("flight.scn:10:"), std::string::npos);
  EXPECT_NE(errors[9].find("flight.scn:11:"), std::string::npos);
}

TEST(Scenario, NumbersTooLargeForTheHostAreRefused) {
  const auto errors = ParseErrors(
      "run 1e300\nwindow open 1e12\nat 1e300 stop\nclock-back 1e40\nramp ias 1 1e99\ncontrol APU battery 1e20\n");
  ASSERT_EQ(errors.size(), 6u);
  EXPECT_EQ(errors[1], "flight.scn:2: window ident '1e12' is not a number from 0 to 4294967295");
}

// A control's position is a whole number: a fraction would be cut off
// unseen (41.9 taken as 41); tenths are written whole.
TEST(Scenario, AControlsPositionWithAFractionIsRefused) {
  EXPECT_EQ(ParseErrors("control APU battery 41.9\ncontrol FLAPS lever 15.5\n"
                        "control \"AIR CONDITION\" l_valve_temp 35\ncontrol APU battery 41.0\n"),
            (std::vector<std::string>{
                "flight.scn:1: position '41.9' is not a whole number (a knob in tenths takes 35 for 3.5)",
                "flight.scn:2: position '15.5' is not a whole number (a knob in tenths takes 35 for 3.5)"}));
}

TEST(Scenario, BinaryGarbageGivesErrorsAndNoCrash) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) % 256);
  EXPECT_FALSE(ParseErrors(garbage).empty());
}

TEST(Scenario, PlaysTokensRampsAndTheClockOnTheCockpit) {
  Cockpit cockpit;
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("set on_ground 1\n"
                             "ramp ias 100 10\n"
                             "at 5 note halfway\n"
                             "at 20 set radio_altitude 1000\n"
                             "set latitude 45\n",
                             "flight.scn", &errors));
  simhost::RunLog log;
  std::string error;
  ASSERT_TRUE(simhost::RunScenario(cockpit.host(), scenario, log, &error)) << error;
  EXPECT_EQ(cockpit.token(Token::OnGround), 1.0);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::IndicatedAirspeedKt), 100.0);
  // The host writes the feet the cockpit reads back, through the token's scale.
  EXPECT_NEAR(cockpit.scaled(Token::RadioAltitudeM), 1000.0, 1e-9);
  EXPECT_NEAR(cockpit.latitudeDeg(), 45.0, 1e-9);
  EXPECT_EQ(cockpit.tick18(), 360.0);
  ASSERT_EQ(log.Notes().size(), 1u);
  EXPECT_EQ(log.Notes()[0], "00:05.0  halfway");
}

TEST(Scenario, AClickOnNothingNamesTheLine) {
  Cockpit cockpit;
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("run 1\nclick \"No Such Gauge\" 3 4\n", "flight.scn", &errors));
  simhost::RunLog log;
  std::string error;
  EXPECT_FALSE(simhost::RunScenario(cockpit.host(), scenario, log, &error));
  EXPECT_EQ(error, "flight.scn:2: no gauge named 'No Such Gauge' (simhost --list gauges names them all)");
}

// The output of a run: the sounds started in log.txt, and their mix.
TEST(Scenario, TheRunsSoundsGoIntoTheLogAndIntoCockpitWav) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({199}, 300).start();
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("set on_ground 1\nset ias 120\nrun 1\n"
                             "set spoiler_handle 16384\nrun 6\n",
                             "flight.scn", &errors));
  simhost::RunLog log;
  std::string error;
  ASSERT_TRUE(simhost::RunScenario(cockpit.host(), scenario, log, &error)) << error;
  ASSERT_EQ(cockpit.played(199).size(), 1u);
  // One sound played; those whose files this cockpit lacks are listed too, marked.
  size_t played = 0;
  for (const simhost::SoundPlayed& sound : cockpit.host().SoundsPlayed()) played += sound.unreadable ? 0 : 1;
  EXPECT_EQ(played, 1u);
  EXPECT_EQ(cockpit.host().SoundsPlayedCount(), cockpit.host().SoundsPlayed().size());
  cockpit.shutdown();

  const std::string folder = cockpit.path("out");
  ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
  ASSERT_TRUE(log.WriteOutput(cockpit.host(), folder, &error)) << error;
  std::ifstream text(folder + "/log.txt");
  const std::string logText((std::istreambuf_iterator<char>(text)), std::istreambuf_iterator<char>());
  EXPECT_NE(logText.find("00:01.4  25  Sound\\HalcyonPro\\VXMD80-spoiler_wind.wav  looped  0\n"), std::string::npos)
      << logText;
  const testsupport::Mix mix = testsupport::ReadMix(folder + "/cockpit.wav");
  EXPECT_NEAR(static_cast<double>(mix.left.size()), 22050 * 7.0, 22050 * 0.1);
  EXPECT_LT(mix.Rms(0, 950), 0.001);
  EXPECT_GT(mix.Rms(5500, 6900), 0.02);  // swelled 1 dB a tick to -16 dB and more
}

// The program a user runs: a bad file ends it with the line named and a
// non-zero exit, before anything is loaded.
TEST(Scenario, TheSimulatorProgramRefusesABadFile) {
  const std::string folder = ::testing::TempDir();
  const std::string file = folder + "/bad.scn";
  std::ofstream(file) << "set on_ground 1\nat 2 jump\n";
  const ProgramRun run = RunSimhostProgram("--quiet --scenario " + file + " --out " + folder + "/out");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("bad.scn:2: unknown command 'jump'"), std::string::npos) << run.output;
}

// Each says why: a folder, a missing file, one that opens but cannot be
// read (this process's memory, from its unmapped first page).
TEST(Scenario, AFolderOrAMissingFileIsNoScenario) {
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  EXPECT_FALSE(scenario.LoadFile(::testing::TempDir(), &errors));
  EXPECT_FALSE(scenario.LoadFile(::testing::TempDir() + "/no-such-flight.scn", &errors));
  EXPECT_FALSE(scenario.LoadFile("/proc/self/mem", &errors));
  ASSERT_EQ(errors.size(), 3u);
  EXPECT_EQ(errors[0], ::testing::TempDir() + ": cannot read the scenario file: it is a folder");
  EXPECT_EQ(errors[1], ::testing::TempDir() + "/no-such-flight.scn: cannot read the scenario file: " + std::strerror(ENOENT));
  EXPECT_EQ(errors[2], std::string("/proc/self/mem: cannot read the scenario file: ") + std::strerror(EIO));
}

TEST(Scenario, StormCellsAndTheirBadLines) {
  EXPECT_TRUE(ParseErrors("weather-cell 47.4 8.6 3 200\nweather-cell 47.3 8.7 1.5 120 2000 35000\nweather-clear\n").empty());
  const auto errors = ParseErrors(
      "weather-cell 47 8 3 200 1000\nweather-cell 91 8 3 200\nweather-cell 47 8 0 200\nweather-cell 47 8 201 200\n"
      "weather-cell 47 8 3 0\nweather-cell 47 8 3 12.5\nweather-cell 47 8 3 256\nweather-cell 47 8 3 9 5000 4000\n"
      "weather-cell 47 8 3 9 -1 4000\nweather-cell 47 8 x 9\nweather-cell 47 8 200 255 0 99999\n");
  ASSERT_EQ(errors.size(), 10u);
  EXPECT_EQ(errors[0], "flight.scn:1: weather-cell takes a base only with a top");
  EXPECT_EQ(errors[1], "flight.scn:2: weather cell position out of range");
  EXPECT_NE(errors[2].find("weather cell radius '0' is not above 0"), std::string::npos) << errors[2];
  EXPECT_NE(errors[3].find("radius '201'"), std::string::npos) << errors[3];
  EXPECT_NE(errors[4].find("density '0' is not a whole number 1..255"), std::string::npos) << errors[4];
  EXPECT_NE(errors[5].find("density '12.5'"), std::string::npos) << errors[5];
  EXPECT_NE(errors[6].find("density '256'"), std::string::npos) << errors[6];
  EXPECT_EQ(errors[7], "flight.scn:8: weather cell base is not below its top");
  EXPECT_NE(errors[8].find("weather cell base '-1'"), std::string::npos) << errors[8];
  EXPECT_NE(errors[9].find("'x' is not a number"), std::string::npos) << errors[9];
}

// The weather commands reach the host's weather: the even cloud density, and
// a cell at its own latitude and longitude.
TEST(Scenario, TheWeatherCommandsSetTheHostsWeather) {
  Cockpit cockpit;
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("clouds 40\nweather-cell 47.4 8.6 3 200\n", "flight.scn", &errors));
  simhost::RunLog log;
  std::string error;
  ASSERT_TRUE(simhost::RunScenario(cockpit.host(), scenario, log, &error)) << error;
  EXPECT_EQ(cockpit.host().Weather().DensityAt(10.0, 10.0, 0, 1000), 40) << "the even density";
  EXPECT_EQ(cockpit.host().Weather().DensityAt(47.4, 8.6, 0, 1000), 200) << "the cell's core";
  // The edges a scenario may use: latitude 90, longitude 180 and 59 seconds;
  // 60 seconds is no time.
  EXPECT_TRUE(ParseErrors("traffic POLE 90 8 5000 0\ntraffic DATELINE 0 -180 5000 0\nat 1:59 note x\n").empty());
  const auto bad = ParseErrors("at 1:60 note x\n");
  ASSERT_EQ(bad.size(), 1u);
  EXPECT_NE(bad[0].find("'1:60' is not a time"), std::string::npos) << bad[0];
}

TEST(Scenario, SimulatorWorldCommands) {
  EXPECT_TRUE(ParseErrors("key ctrl+shift+p\ntraffic SWR12 47.5 8.6 5000 -700\ntraffic EZY3 47.4 8.5 2500 1800 210 230\n"
                          "traffic-remove SWR12\nclouds 255\nground-elevation 1416\nsim-exception\nsim-quit\n")
                  .empty());
  const auto errors = ParseErrors("traffic A 47 8 5000 0 90\ntraffic B 95 8 5000 0\ntraffic C 47 8 x 0\n"
                                  "clouds 256\nclouds 1.5\ntraffic D 47 8 5000 0 90 -3\n");
  ASSERT_EQ(errors.size(), 6u);
  EXPECT_EQ(errors[0], "flight.scn:1: traffic takes a heading only with a ground speed");
  EXPECT_EQ(errors[1], "flight.scn:2: traffic position out of range");
  EXPECT_EQ(errors[3], "flight.scn:4: cloud density '256' is not a whole number 0..255");

  // A flight: the aircraft answers, a key press, an AI aircraft that leaves.
  Cockpit cockpit;
  simhost::Scenario scenario;
  std::vector<std::string> parseErrors;
  ASSERT_TRUE(scenario.Parse("set latitude 47.46\nset longitude 8.55\ntraffic SWR12 47.5 8.6 5000 -700 180 200\n"
                             "run 2\nkey SPACE\nkey ctrl+q\nrun 1\ntraffic-remove SWR12\nrun 1\n"
                             "traffic-remove SWR12\n",
                             "flight.scn", &parseErrors));
  simhost::RunLog log;
  std::string error;
  EXPECT_FALSE(simhost::RunScenario(cockpit.host(), scenario, log, &error));
  EXPECT_EQ(error, "flight.scn:10: no AI aircraft 'SWR12'");
  EXPECT_GE(cockpit.host().TrafficAnswers(), 2u);
  EXPECT_EQ(GetChecklistItem(), 1) << "the space bar: the checklist's next item";
  ASSERT_EQ(log.Notes().size(), 1u);
  EXPECT_NE(log.Notes()[0].find("key ctrl+q: no keyboard command has it"), std::string::npos);
}

}  // namespace
}  // namespace halcyon::test

namespace halcyon::test {
namespace {

using namespace std::string_literals;

// What a file that is not a plain scenario gets: a byte-order mark is
// skipped, a NUL byte or an endless line refused, and every message quotes
// no more than a short, escaped excerpt, for the first 20 bad lines.
TEST(ScenarioInput, ByteOrderMarkNulLongLinesAndShortMessages) {
  EXPECT_TRUE(ParseErrors("\xEF\xBB\xBFset on_ground 1\n").empty());
  EXPECT_EQ(ParseErrors("set on_ground 1\nnote a\0b\n"s), std::vector<std::string>{"flight.scn:2: the line holds a NUL byte"});

  const std::string huge(10 << 20, 'x');
  EXPECT_EQ(ParseErrors("stop\n" + huge + "\nstop\n"),
            std::vector<std::string>{"flight.scn:2: the line is longer than 4096 bytes"});
  const auto errors = ParseErrors(std::string(200, 'y').append("\x01\xFF\n"));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "flight.scn:1: unknown command '" + std::string(40, 'y') + "...'");
  EXPECT_EQ(ParseErrors("set \x1b[2Jias 1\n"), std::vector<std::string>{
      "flight.scn:1: unknown token '\\x1B[2Jias' (a number 0..1023 or a name: simhost --list tokens)"});

  std::string manyBad;
  for (int i = 0; i < 25; ++i) manyBad += "fly\n";
  const auto capped = ParseErrors(manyBad);
  ASSERT_EQ(capped.size(), 21u);
  EXPECT_EQ(capped[19], "flight.scn:20: unknown command 'fly'");
  EXPECT_EQ(capped[20], "flight.scn: and 5 more errors");
}

// Names of gauges and controls are checked against the cockpit before the
// flight starts: a typo at the end of a long flight fails at once.
TEST(ScenarioInput, GaugeAndControlNamesAreCheckedBeforeTheFlight) {
  Cockpit cockpit;
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("control APU battery 41\n"
                             "at 10:00:00 control APU batery 41\n"
                             "click \"No Such Gauge\" 3 4\n"
                             "expect \"FUEL PUMPS\" fwd_centre == 41\n"
                             "trace ias APU/mastr\n"
                             "control ELECTRIC csd_disc_1 120\n"
                             "control \"ENGINE STARTER\" start_pump 41\n",
                             "flight.scn", &errors));
  simhost::RunLog log;
  std::string error;
  EXPECT_FALSE(simhost::RunScenario(cockpit.host(), scenario, log, &error));
  EXPECT_EQ(error,
            "flight.scn:2: no control [APU] 'batery' (closest: 'battery')\n"
            "flight.scn:3: no gauge named 'No Such Gauge' (simhost --list gauges names them all)\n"
            "flight.scn:4: no control [FUEL PUMPS] 'fwd_centre' (closest: 'fwd_center')\n"
            "flight.scn:5: no control [APU] 'mastr' (closest: 'master')");
  EXPECT_EQ(cockpit.tick18(), 0.0) << "nothing flew";
}

TEST(ScenarioInput, ExpectComparesTokensInTheirUnitsAndControlPositions) {
  Cockpit cockpit;
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("set latitude 47.4647\n"
                             "set ias 140\n"
                             "control APU battery 41\n"
                             "expect latitude == 47.4647\n"
                             "expect ias >= 140\n"
                             "expect ias <= 140\n"
                             "expect ias > 139.9\n"
                             "expect ias != 150\n"
                             "expect APU battery == 41\n"
                             "expect APU battery < 41\n",
                             "flight.scn", &errors))
      << errors[0];
  simhost::RunLog log;
  std::string error;
  EXPECT_FALSE(simhost::RunScenario(cockpit.host(), scenario, log, &error));
  EXPECT_EQ(error, "flight.scn:10: expected [APU] battery < 41, saw 41");

  EXPECT_EQ(ParseErrors("expect ias ~ 3\nexpect ias == fast\nexpect warp == 1\n"),
            (std::vector<std::string>{
                "flight.scn:1: expect compares with ==, !=, <, <=, > or >=, not '~'",
                "flight.scn:2: 'fast' is not a number",
                "flight.scn:3: unknown token 'warp' (a number 0..1023 or a name: simhost --list tokens)"}));
}

// Values past what a token holds (below 0 for a quantity that has no
// negative, by name or by number), a run shorter than a tick and a misspelt
// token are refused as the file is read, each with what would do.
TEST(ScenarioInput, ValuesPastWhatATokenHoldsAndTokenSlipsAreRefused) {
  EXPECT_TRUE(ParseErrors("set altitude 45000\nset ias 0\nset latitude -90\nset longitude 180\nrun 0.06\n"
                          "set 975 100\nramp vertical_speed -3000 10\nset throttle1 -4096\nset dme1 -1\n"
                          "set fuel_left 0\nset autopilot 0\n")
                  .empty());
  EXPECT_EQ(ParseErrors("set altitude 1e308\nset ias -5\nramp latitude 91 10\nset longitude -180.5\n"
                        "set mach 300000\nrun 0.01\nrun 0\nset altitud 1\ntrace APU\ntrace altitud\n"
                        "set 61 -0.5\nramp fuel_left -1 10\nset apu_rpm -1\nset autopilot -1\nset comm1 -1\n"
                        "set total_fuel_weight -1\nset fuel_flow2 -1\nset fuel_weight_per_gallon -6.7\n"),
            (std::vector<std::string>{
                "flight.scn:1: '1e308' is beyond what token 'altitude' holds (-2147483648 to 4294967295 ft)",
                "flight.scn:2: '-5' is beyond what token 'ias' holds (0 to 4294967295 kt)",
                "flight.scn:3: '91' is beyond what token 'latitude' holds (-90 to 90 deg north)",
                "flight.scn:4: '-180.5' is beyond what token 'longitude' holds (-180 to 180 deg east)",
                "flight.scn:5: '300000' is beyond what token 'mach' holds (0 to 209715.2 Mach)",
                "flight.scn:6: run time '0.01' is shorter than a tick (1/18 s, 0.0556 s)",
                "flight.scn:7: run time '0' is shorter than a tick (1/18 s, 0.0556 s)",
                "flight.scn:8: unknown token 'altitud' (closest: 'altitude'; simhost --list tokens names them all)",
                "flight.scn:9: unknown token 'APU' (a number 0..1023 or a name: simhost --list tokens); a control is "
                "traced as SECTION KEY or SECTION/KEY",
                "flight.scn:10: unknown token 'altitud' (closest: 'altitude'; simhost --list tokens names them all); a "
                "control is traced as SECTION KEY or SECTION/KEY",
                "flight.scn:11: '-0.5' is beyond what token '61' holds (0 to 4294967295 raw)",
                "flight.scn:12: '-1' is beyond what token 'fuel_left' holds (0 to 4294967295 gal)",
                "flight.scn:13: '-1' is beyond what token 'apu_rpm' holds (0 to 4.294967295e+11 %)",
                "flight.scn:14: '-1' is beyond what token 'autopilot' holds (0 to 4294967295 flag)",
                "flight.scn:15: '-1' is beyond what token 'comm1' holds (0 to 4294967295 BCD)",
                "flight.scn:16: '-1' is beyond what token 'total_fuel_weight' holds (0 to 4294967295 lb)",
                "flight.scn:17: '-1' is beyond what token 'fuel_flow2' holds (0 to 4294967295 lb/h)",
                "flight.scn:18: '-6.7' is beyond what token 'fuel_weight_per_gallon' holds (0 to 4294967295 lb/gal)"}));
  // Too few or too many words for a command that takes a name: the quotes are named.
  EXPECT_EQ(ParseErrors("control APU battery\nclick Engine Fire x 3\n"),
            (std::vector<std::string>{
                "flight.scn:1: usage: control <section> <key> <position> (a name with blanks is written in double "
                "quotes)",
                "flight.scn:2: usage: click <gauge> <x> <y> (a name with blanks is written in double quotes)"}));
}

// With the cockpit at hand, before the first tick: a control's position past
// what it takes or a code it does not keep (naming the codes it takes), a
// control compared or traced that has no position, said with what moving it
// is (a push button that only acts; one kept as a switch reads back, and so
// does the TCAS dimmer, saved in tenths), a name
// whose quotes were forgotten (offered quoted when the cockpit knows it),
// and the SECTION KEY form of a control in trace.
TEST(ScenarioInput, TheCockpitsNamesAndRangesAreCheckedBeforeTheFlight) {
  Cockpit cockpit;
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("control ADF adf1_100 1e9\n"
                             "control ADF adf1_100 9\n"
                             "control APU battery 139\n"
                             "control \"FGCP PANEL\" autopilot 1e9\n"
                             "at 1:00:00 expect \"FGCP PANEL\" autopilot == 1\n"
                             "trace ias \"FGCP PANEL\" toga\n"
                             "control FUEL PUMPS fwd_center 41\n"
                             "expect FUEL PUMPS fwd_center == 41\n"
                             "tooltip Engine Fire\n"
                             "control FUEL PUMPZ fwd_center 41\n"
                             "trace altitud ias\n"
                             "trace APU master ias\n"
                             "trace autobrake mdoe\n"
                             "expect GPWS below_gs == 41\n"
                             "expect \"Warning Lights\" master_warning == 120\n"
                             "control IRS switch1 41\n"
                             "control DFGS dfgs.at_switch 42\n"
                             "control GEAR alternate_gear_handle 2\n"
                             "control \"EFIS DIMMER\" test 60\n"
                             "expect Situations row == 1\n"
                             "trace \"FGCP PANEL\" vs_wheel\n"
                             "expect TCAS DimmerSwitch == 3\n"
                             "expect \"Speed Cards\" takeoff_weight == 1\n",
                             "flight.scn", &errors))
      << errors.front();
  simhost::RunLog log;
  std::string error;
  EXPECT_FALSE(simhost::RunScenario(cockpit.host(), scenario, log, &error));
  EXPECT_EQ(error,
            "flight.scn:1: [ADF] adf1_100 takes a position from 0 to 9, not '1e9'\n"
            "flight.scn:3: [APU] battery takes a position from 0 to 138, not '139'\n"
            "flight.scn:5: [FGCP PANEL] autopilot has no position to compare (a button's press is an action, not a "
            "position)\n"
            "flight.scn:6: [FGCP PANEL] toga has no position to compare (a button's press is an action, not a "
            "position)\n"
            "flight.scn:7: a name with blanks is written in double quotes: control \"FUEL PUMPS\" fwd_center 41\n"
            "flight.scn:8: a name with blanks is written in double quotes: expect \"FUEL PUMPS\" fwd_center == 41\n"
            "flight.scn:9: a name with blanks is written in double quotes: tooltip \"Engine Fire\"\n"
            "flight.scn:10: usage: control <section> <key> <position> (a name with blanks is written in double "
            "quotes)\n"
            "flight.scn:11: unknown token 'altitud' (closest: 'altitude'; simhost --list tokens names them all); a "
            "control is traced as SECTION KEY or SECTION/KEY\n"
            "flight.scn:13: unknown token 'mdoe' (closest: 'mmo'; simhost --list tokens names them all); a control "
            "is traced as SECTION KEY or SECTION/KEY\n"
            "flight.scn:14: [GPWS] below_gs has no position to compare (a button's press is an action, not a "
            "position)\n"
            "flight.scn:16: [IRS] switch1 takes only the codes 113 ALIGN, 115 NAV, 116 ATT and 120 OFF\n"
            "flight.scn:17: [DFGS] dfgs.at_switch takes only the codes 41 on and 120 off\n"
            "flight.scn:18: [GEAR] alternate_gear_handle takes only the codes 1 stowed, 18 half-way and 36 pulled\n"
            "flight.scn:19: [EFIS DIMMER] test takes only the codes 41 pressed and 120 released\n"
            "flight.scn:20: [Situations] row has no position to compare (a cockpit situation being set is an action, "
            "not a position)\n"
            "flight.scn:21: [FGCP PANEL] vs_wheel has no position to compare (the pitch wheel's turn is an action, not "
            "a position)\n"
            "flight.scn:23: [Speed Cards] takeoff_weight has no position to compare (the speed bugs being set for a "
            "weight is an action, not a position)");
  EXPECT_EQ(cockpit.tick18(), 0.0) << "nothing flew";

  // The form --list controls prints traces the control, headed SECTION/KEY,
  // also where the section's name is a token's (autobrake, flaps).
  simhost::Scenario traced;
  ASSERT_TRUE(traced.Parse("trace APU master ias APU/battery AUTOBRAKE mode FLAPS lever\n"
                           "control APU battery 41\nrun 2\n",
                           "flight.scn", &errors))
      << errors.front();
  simhost::RunLog tracedLog;
  ASSERT_TRUE(simhost::RunScenario(cockpit.host(), traced, tracedLog, &error)) << error;
  EXPECT_EQ(tracedLog.Series().columns,
            (std::vector<std::string>{"APU/master", "ias", "APU/battery", "AUTOBRAKE/mode", "FLAPS/lever"}));
  ASSERT_EQ(tracedLog.Series().rows.size(), 2u);
  EXPECT_EQ(tracedLog.Series().rows.back(), (std::vector<std::string>{"2", "120", "0", "41", "2", "0"}));
}

// A trace line has one reading, as the file is read and before the flight:
// the word that names nothing is the one named, not a word of a control
// that reads, on whichever side of a token it stands.
TEST(ScenarioInput, ATraceLineIsReadOneWay) {
  const std::string noToken = " (a number 0..1023 or a name: simhost --list tokens); a control is traced as SECTION KEY or "
                              "SECTION/KEY";
  const std::string altitud = "unknown token 'altitud' (closest: 'altitude'; simhost --list tokens names them all); a "
                              "control is traced as SECTION KEY or SECTION/KEY";
  EXPECT_EQ(ParseErrors("trace bogus APU master\ntrace altitud FLAPS lever\n"),
            (std::vector<std::string>{"flight.scn:1: unknown token 'bogus'" + noToken, "flight.scn:2: " + altitud}));
  Cockpit cockpit;
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("trace ias bogus\ntrace bogus ias\ntrace AUTOBRAKE mode altitud\ntrace APU mastr\n"
                             "trace ias APU master\n",
                             "flight.scn", &errors));
  EXPECT_FALSE(simhost::CheckScenarioNames(cockpit.host(), scenario, &errors));
  EXPECT_EQ(errors, (std::vector<std::string>{"flight.scn:1: unknown token 'bogus'" + noToken,
                                              "flight.scn:2: unknown token 'bogus'" + noToken, "flight.scn:3: " + altitud,
                                              "flight.scn:4: no control [APU] 'mastr' (closest: 'master')"}));
}

}  // namespace
}  // namespace halcyon::test
