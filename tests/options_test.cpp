// User options: what a missing or odd [OPTIONS] gives, the round trip through
// a flight, and the flap tuning written into Aircraft.cfg.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <iterator>
#include <ostream>
#include <utility>

#include "core/options.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;
constexpr const char* kCfg = Cockpit::kAircraftCfgFile;

TEST(Options, AMissingSectionGivesTheDefaults) {
  Cockpit cockpit;
  for (uint32_t index = 0; index < kOptionCount; ++index) {
    const bool setByDefault =
        index == kOptionSpacebar || index == kOptionStartFlying || index == kOptionDropMenu;
    EXPECT_EQ(GetOption(index), setByDefault ? 1 : 0) << index;
  }
  EXPECT_EQ(g_fdMod, 0);
}

TEST(Options, OnlyTheFirstTwoFlagsTakeAnyNonZeroNumber) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[options]\r\nSPACEBAR=2\r\nsound = -1 \r\nstart_flying=2\r\nhotspots=1x\r\n"
                          "drop_menu=\r\nfd_mod=  7 percent\r\n");
  cockpit.start();
  EXPECT_EQ(GetOption(kOptionSpacebar), 1);
  EXPECT_EQ(GetOption(kOptionSoundOff), 1);
  EXPECT_EQ(GetOption(kOptionStartFlying), 0) << "only 1 sets it";
  EXPECT_EQ(GetOption(kOptionHotspots), 1) << "the leading number counts";
  EXPECT_EQ(GetOption(kOptionDropMenu), 0) << "present but empty is not the default";
  EXPECT_EQ(g_fdMod, 7);
  EXPECT_EQ(GetOption(19), 0);
  SetOptionOn(19);
  SetOptionOff(400);
  EXPECT_EQ(GetOption(19), 0);
}

TEST(Options, ChangesAreSavedAtShutDownInTheirOrder) {
  Cockpit cockpit;
  SetOptionOn(kOptionPopupAnnunciator);
  SetOptionOff(kOptionSpacebar);
  SetOptionOn(kOptionFmsAutoSetAltPresel);
  g_fdMod = 3;
  cockpit.runSeconds(1).shutdown();

  // The sound system saves its two volumes first, at its own shut-down step.
  const std::vector<std::string> order = {
      "volume FO", "volume panel",
      "spacebar",   "sound",       "start_flying",          "center_startup",       "popup_annunciator",
      "hotspots",   "click_areas", "preload_windows",       "fma_fl",               "alt_training_font",
      "one_nav_ils", "drop_menu",  "irs_fast_start_realign", "turn_off_fo_callouts", "updated_no_show",
      "fd_v_bar",   "fd_mod",      "fd_mod_enable",         "no_switch_click_sounds", "fms_auto_set_alt_presel"};
  EXPECT_EQ(cockpit.iniKeys("OPTIONS"), order);
  EXPECT_EQ(cockpit.ini("OPTIONS", "spacebar"), "0");
  EXPECT_EQ(cockpit.ini("OPTIONS", "popup_annunciator"), "1");
  EXPECT_EQ(cockpit.ini("OPTIONS", "fd_mod"), "3");
  EXPECT_EQ(cockpit.ini("OPTIONS", "fms_auto_set_alt_presel"), "1");
}

// Every flag in the file the other way from its default is loaded so and
// saved back so; fd_mod_enable saved on brings the flap tuning with it.
TEST(Options, EveryFlagIsReadAndSavedBack) {
  // Indexed by option, in the order of the index.
  constexpr const char* kKeys[kOptionCount] = {
      "spacebar",      "sound",           "start_flying",         "center_startup",
      "popup_annunciator", "hotspots",    "click_areas",          "preload_windows",
      "fma_fl",        "alt_training_font", "one_nav_ils",        "drop_menu",
      "irs_fast_start_realign", "turn_off_fo_callouts", "updated_no_show", "fd_v_bar",
      "no_switch_click_sounds", "fd_mod_enable", "fms_auto_set_alt_presel"};
  const auto setByDefault = [](uint32_t index) {
    return index == kOptionSpacebar || index == kOptionStartFlying || index == kOptionDropMenu;
  };
  std::string file = "[OPTIONS]\r\nfd_mod=4\r\n";
  for (uint32_t index = 0; index < kOptionCount; ++index) {
    file += std::string(kKeys[index]) + (setByDefault(index) ? "=0\r\n" : "=1\r\n");
  }
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, file);
  cockpit.start();
  for (uint32_t index = 0; index < kOptionCount; ++index) {
    EXPECT_EQ(GetOption(index), setByDefault(index) ? 0 : 1) << kKeys[index];
  }
  EXPECT_EQ(g_fdMod, 4);
  cockpit.runSeconds(1).shutdown();
  for (uint32_t index = 0; index < kOptionCount; ++index) {
    EXPECT_EQ(cockpit.ini("OPTIONS", kKeys[index]), setByDefault(index) ? "0" : "1") << kKeys[index];
  }
  EXPECT_EQ(cockpit.ini("OPTIONS", "fd_mod"), "4");
  EXPECT_EQ(cockpit.ini("flaps.0", "extending-time", kCfg), "48.000000");
}

TEST(Options, AircraftCfgUntouchedWhileTuningIsDisabled) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[OPTIONS]\r\nfd_mod=10\r\nfd_mod_enable=0\r\n");
  cockpit.start();
  const std::string before = cockpit.readFile(kCfg);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.readFile(kCfg), before);
}

struct FlapCase {
  int fdMod;
  // In the order of kFlapKeys.
  std::array<const char*, 11> values;
};
constexpr std::pair<const char*, const char*> kFlapKeys[11] = {
    {"flaps.0", "extending-time"},   {"flaps.0", "pitch_scalar"},     {"flaps.1", "extending-time"},
    {"flaps.1", "pitch_scalar"},     {"flaps.2", "extending-time"},   {"flaps.2", "flaps-position.1"},
    {"flaps.2", "flaps-position.2"}, {"flaps.2", "flaps-position.3"}, {"flaps.2", "flaps-position.4"},
    {"flaps.2", "flaps-position.5"}, {"flaps.2", "lift_scalar"},
};

void PrintTo(const FlapCase& c, std::ostream* out) { *out << "fd_mod " << c.fdMod; }

class FlapTuning : public ::testing::TestWithParam<FlapCase> {};

TEST_P(FlapTuning, AircraftCfgGetsTheTunedFlapsAndKeepsTheRest) {
  const FlapCase c = GetParam();
  Cockpit cockpit({.start = false});
  // A configuration with comments, Latin-1 bytes and keys of its own.
  const std::string cfg = "; Halcyon \xE9quipage \xA9 2026\r\n[flaps.0]\r\nextending-time=60.000000\r\n"
                          "pitch_scalar=0.600000 ; tuned\r\nsystem_type=1\r\n\r\n[flaps.1]\r\n"
                          "extending-time=60.000000\r\npitch_scalar=0.600000\r\n\r\n[flaps.2]\r\n"
                          "extending-time=60.000000\r\nflaps-position.1=0.497811\r\nflaps-position.2=0.655552\r\n"
                          "flaps-position.3=0.731905\r\nflaps-position.4=0.903426\r\nflaps-position.5=1.000000\r\n"
                          "lift_scalar=1.000000\r\n; end \xFC\r\n";
  cockpit.writeFile(kCfg, cfg);
  cockpit.writeFile(kIni, "[OPTIONS]\r\nfd_mod=" + std::to_string(c.fdMod) + "\r\nfd_mod_enable=1\r\n");
  cockpit.start().runSeconds(1).shutdown();

  for (size_t i = 0; i < std::size(kFlapKeys); ++i) {
    EXPECT_EQ(cockpit.ini(kFlapKeys[i].first, kFlapKeys[i].second, kCfg), c.values[i])
        << kFlapKeys[i].first << " " << kFlapKeys[i].second;
  }
  const std::string after = cockpit.readFile(kCfg);
  EXPECT_EQ(after.substr(0, 33), cfg.substr(0, 33)) << "the Latin-1 comment line is kept";
  EXPECT_NE(after.find("system_type=1\r\n"), std::string::npos);
  EXPECT_NE(after.find("; end \xFC\r\n"), std::string::npos);
}

// Each value is its base less fd_mod / 10 of its span; fd_mod outside 0..10
// counts as its nearest end.
constexpr std::array<const char*, 11> kUntuned = {"60.000000", "0.600000", "60.000000", "0.600000",
                                                  "60.000000", "0.497811", "0.655552",  "0.731905",
                                                  "0.903426",  "1.000000", "1.000000"};
constexpr std::array<const char*, 11> kHalfTuned = {"45.000000", "0.250000", "45.000000", "0.300000",
                                                    "45.000000", "0.373906", "0.552776",  "0.690952",
                                                    "0.861713",  "0.940000", "0.950000"};
constexpr std::array<const char*, 11> kFullyTuned = {"30.000000", "-0.100000", "30.000000", "0.000000",
                                                     "30.000000", "0.250000",  "0.450000",  "0.650000",
                                                     "0.820000",  "0.880000",  "0.900000"};

INSTANTIATE_TEST_SUITE_P(Mods, FlapTuning,
                         ::testing::Values(FlapCase{0, kUntuned}, FlapCase{5, kHalfTuned},
                                           FlapCase{10, kFullyTuned}, FlapCase{25, kFullyTuned},
                                           FlapCase{-5, kUntuned}),
                         [](const ::testing::TestParamInfo<FlapCase>& info) {
                           return "FdMod" + std::string(info.param.fdMod < 0 ? "Minus" : "") +
                                  std::to_string(std::abs(info.param.fdMod));
                         });

}  // namespace
}  // namespace halcyon::test
