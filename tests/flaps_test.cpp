// Flaps and slats: the flap handle walking detent by detent one frame a tick,
// each segment started by a follow step; the detents of the simulator's
// handle; saved frames put right; the auto-slat light above 240 kt and the
// auto-slat check after the flaps leave up on the ground.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "simhost/scenario_names.h"
#include "systems/flaps.h"
#include "tests/cockpit.h"
#include "tests/lever_frames.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

struct FrameChange {
  double tick18;
  int32_t frame;
};

// Each change of a record over the next ticks, with the tick it showed on.
std::vector<FrameChange> Changes(Cockpit& cockpit, const CSwitch* record, int ticks) {
  std::vector<FrameChange> changes;
  int32_t last = GetSwitch(record);
  for (int i = 0; i < ticks; ++i) {
    cockpit.runTicks(1);
    if (GetSwitch(record) != last) changes.push_back({cockpit.tick18(), last = GetSwitch(record)});
  }
  return changes;
}

std::vector<int32_t> FramesOf(const std::vector<FrameChange>& changes) {
  std::vector<int32_t> frames;
  for (const FrameChange& change : changes) frames.push_back(change.frame);
  return frames;
}

bool IsIn(const std::vector<int32_t>& set, int32_t value) {
  for (int32_t v : set) {
    if (v == value) return true;
  }
  return false;
}

// Within a segment the frames come one a tick; a segment's first frame comes
// on the tick after a follow step (tick channel 2) started it.
void ExpectSegmentsWalked(const Cockpit& cockpit, const std::vector<FrameChange>& changes,
                          const std::vector<int32_t>& segmentStarts) {
  for (size_t i = 0; i < changes.size(); ++i) {
    if (IsIn(segmentStarts, changes[i].frame)) {
      EXPECT_EQ(cockpit.dueTicks(kChannel6Hz).count(changes[i].tick18 - 1), 1u) << "frame " << changes[i].frame;
    } else {
      ASSERT_GT(i, 0u);
      EXPECT_EQ(changes[i].tick18, changes[i - 1].tick18 + 1) << "frame " << changes[i].frame;
    }
  }
}

TEST(Flaps, TheLeverWalksEverySegmentOneFrameATickAndBack) {
  Cockpit cockpit;
  cockpit.runTicks(4);
  EXPECT_EQ(GetSwitch(&g_flapLever), 0) << "the saved default frame 1 becomes detent 0's frame at once";

  cockpit.watchChannel(kChannel6Hz).set(Token::FlapHandle, 16383);
  const std::vector<FrameChange> down = Changes(cockpit, &g_flapLever, 60);
  EXPECT_EQ(FramesOf(down), FrameRun(1, 35));
  ExpectSegmentsWalked(cockpit, down, {1, 11, 16, 21, 28});
  EXPECT_EQ(GetFlapPosition(), 5u);

  cockpit.set(Token::FlapHandle, 0);
  const std::vector<FrameChange> up = Changes(cockpit, &g_flapLever, 60);
  EXPECT_EQ(FramesOf(up), FrameRun(34, 0));
  ExpectSegmentsWalked(cockpit, up, {34, 26, 19, 14, 9});

  // One detent: one segment.
  cockpit.set(Token::FlapHandle, 4000);
  EXPECT_EQ(FramesOf(Changes(cockpit, &g_flapLever, 20)), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
}

TEST(Flaps, DetentsOfTheSimulatorsHandle) {
  Cockpit cockpit;
  const struct {
    double handle;
    uint32_t detent;
  } cases[] = {{0, 0},         {4.9, 0},      {5.0, 1},      {3281.7, 1}, {3281.8, 2},  {6558.5, 2},  {6558.6, 3},
               {9835.3, 3},    {9835.4, 4},   {13112.1, 4},  {13112.2, 5}, {16383, 5},  {16388.9, 5}, {16389, 0},
               {-1, 0}};
  for (const auto& c : cases) {
    cockpit.set(Token::FlapHandle, c.handle);
    EXPECT_EQ(GetFlapPosition(), c.detent) << c.handle;
  }
}

TEST(Flaps, SavedFramesArePutRightAndTheSectionsRoundTrip) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[FLAPS]\r\nlever=7\r\n[SLATS]\r\nauto_slat_light=41\r\n");
  cockpit.set(Token::FlapHandle, 3000).start().runTicks(4);
  EXPECT_EQ(GetSwitch(&g_flapLever), 10) << "between detents: detent 1's frame at once";
  EXPECT_EQ(GetSwitch(&g_autoSlatLight), kSwitchOn);
  cockpit.runSeconds(1);
  EXPECT_EQ(GetSwitch(&g_autoSlatLight), kSwitchOff) << "no slat condition";
  EXPECT_EQ(cockpit.token(Token::FlapHandle), 0.0) << "the simulator takes the retract event as flaps up a detent";
  cockpit.set(Token::FlapHandle, 3000).runSeconds(2);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("FLAPS", "lever"), "10");
  EXPECT_EQ(cockpit.ini("SLATS", "auto_slat_light"), "120");
}

// A frame beyond the quadrant (a saved 200 is stored as 120) stands while the
// flaps are fully down, and goes to the detent once they are not.
TEST(Flaps, AFrameBeyondTheLastDetentStandsAtDetentFive) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[FLAPS]\r\nlever=200\r\n");
  cockpit.set(Token::FlapHandle, 16383).start().runSeconds(1);
  EXPECT_EQ(GetSwitch(&g_flapLever), kSwitchOff);
  cockpit.set(Token::FlapHandle, 8000).runTicks(4);
  EXPECT_EQ(GetSwitch(&g_flapLever), 20);
}

// The clock set back by more than 11000 ticks mid-move (a reloaded flight):
// the move goes on from the present tick, and the lever takes the next move.
TEST(Flaps, AMoveGoesOnAfterTheClockWentBack) {
  Cockpit cockpit({.initialTick18 = 30000});
  cockpit.runTicks(4).set(Token::FlapHandle, 3000);
  cockpit.runUntil([] { return GetSwitch(&g_flapLever) == 3; }, 1);
  cockpit.clockBack(20000).runSeconds(2);
  EXPECT_EQ(GetSwitch(&g_flapLever), 10);
  cockpit.set(Token::FlapHandle, 0).runSeconds(2);
  EXPECT_EQ(GetSwitch(&g_flapLever), 0) << "the lever takes the move back";
}

// The simulator's flaps run to the handle at 16383 units in 20 s.
TEST(Flaps, TheSimulatorsFlapsFollowTheHandle) {
  Cockpit cockpit;
  cockpit.set(Token::FlapHandle, 16383).runSeconds(10);
  EXPECT_NEAR(cockpit.token(Token::FlapPosition), 16383.0 / 2.0, 16383.0 / 360.0);
  cockpit.runSeconds(10.1);
  EXPECT_EQ(cockpit.token(Token::FlapPosition), 16383.0);
  cockpit.set(Token::FlapHandle, 13107.2).runSeconds(2);
  EXPECT_NEAR(cockpit.token(Token::FlapPosition), 16383.0 - 2.0 / 20.0 * 16383.0, 16383.0 / 360.0);
  cockpit.runSeconds(2.1);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::FlapPosition), 13107.2);
}

// A scenario's `control FLAPS lever` moves the lever as the Flapsbox gauge's
// clicks do: the simulator's flap handle a detent a click, which the lever
// follows and the flaps travel to. A frame between detents, and the
// auto-slat light, are refused before the flight, saying what moves them.
TEST(Flaps, AScenarioMovesTheLeverThroughTheSimulatorsFlapHandle) {
  Cockpit cockpit;
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("control FLAPS lever 15\nrun 1\nexpect FLAPS lever == 15\nexpect flap_handle == 6553.6\n"
                             "run 8\nexpect flaps == 6553.6\ncontrol FLAPS lever 10\nrun 1\nexpect FLAPS lever == 10\n"
                             "control FLAPS lever 0\nrun 1\nexpect FLAPS lever == 0\nexpect flap_handle == 0\n",
                             "flight.scn", &errors));
  simhost::RunLog log;
  std::string error;
  EXPECT_TRUE(simhost::RunScenario(cockpit.host(), scenario, log, &error)) << error;
  EXPECT_EQ(cockpit.keyEvents(kKeyEventFlapsDown).size(), 2u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventFlapsUp).size(), 2u);

  simhost::Scenario refused;
  ASSERT_TRUE(refused.Parse("control FLAPS lever 12\ncontrol SLATS auto_slat_light 41\n", "flight.scn", &errors));
  EXPECT_FALSE(simhost::CheckScenarioNames(cockpit.host(), refused, &errors));
  EXPECT_EQ(errors, (std::vector<std::string>{
                        "flight.scn:1: [FLAPS] lever stands only at a flap detent's frame, 0, 10, 15, 20, 27 or 35 (it "
                        "follows the simulator's flap handle)",
                        "flight.scn:2: [SLATS] auto_slat_light is a light the slat system sets; it cannot be moved"}));
}

// What a scenario's lines leave: "" or why the flight failed.
std::string Fly(Cockpit& cockpit, const std::string& lines) {
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  if (!scenario.Parse(lines, "flight.scn", &errors)) return errors.front();
  simhost::RunLog log;
  std::string error;
  return simhost::RunScenario(cockpit.host(), scenario, log, &error) ? "" : error;
}

// The simulator's handle set between two detents: the host steps it from the
// detent the cockpit reads it in, the one above it, so the lever asked for a
// detent ends there, whichever the handle's start. At full flaps the handle
// reads the top of the range --list tokens gives it.
TEST(Flaps, FromAHandleBetweenDetentsTheLeverEndsAtTheDetentAsked) {
  Cockpit cockpit;
  for (double handle : {1000.0, 4000.0, 8000.0, 11000.0, 15000.0}) {
    for (uint32_t detent = 0; detent < kFlapDetentCount; ++detent) {
      cockpit.set(Token::FlapHandle, handle).runSeconds(3);
      const std::string frame = std::to_string(FlapDetentFrame(detent));
      EXPECT_EQ(Fly(cockpit, "control FLAPS lever " + frame + "\nrun 3\nexpect FLAPS lever == " + frame + "\n"), "")
          << "from " << handle;
      EXPECT_EQ(FlapDetentOfHandle(cockpit.token(Token::FlapHandle)), detent) << "from " << handle;
    }
  }
  ASSERT_EQ(Fly(cockpit, "control FLAPS lever 0\nrun 3\ncontrol FLAPS lever 35\nrun 3\n"), "");
  const std::vector<std::string> tokens = simhost::ListNames(nullptr, "tokens");
  const auto listed = std::ranges::find_if(tokens, [](const std::string& line) { return line.starts_with("flap_handle "); });
  ASSERT_NE(listed, tokens.end());
  const size_t range = listed->find(" 0..");
  ASSERT_NE(range, std::string::npos) << *listed;
  EXPECT_EQ(std::stod(listed->substr(range + 4)), cockpit.token(Token::FlapHandle)) << *listed;
}

TEST(Slats, TheAutoSlatLightFollowsTheSlatConditionAbove240Knots) {
  Cockpit cockpit;
  cockpit.watchChannel(kChannel2Hz);
  cockpit.set(Token::FlapHandle, 3000).set(Token::IndicatedAirspeedKt, 240).set(Token::StallWarning, 1).runSeconds(1);
  EXPECT_EQ(GetSwitch(&g_autoSlatLight), kSwitchOff) << "at 240 kt: not lit";
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventAutoSlatOn).empty());

  cockpit.set(Token::IndicatedAirspeedKt, 240.5).runSeconds(1);
  EXPECT_EQ(GetSwitch(&g_autoSlatLight), kSwitchOn);
  ASSERT_EQ(cockpit.keyEvents(kKeyEventAutoSlatOn).size(), 1u) << "once";
  EXPECT_EQ(cockpit.dueTicks(kChannel2Hz).count(cockpit.keyEvents(kKeyEventAutoSlatOn)[0].tick18), 1u);
  EXPECT_TRUE(IsAutoSlatLampLit());

  cockpit.set(Token::StallWarning, 0).runSeconds(1);
  EXPECT_EQ(GetSwitch(&g_autoSlatLight), kSwitchOff);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAutoSlatOff).size(), 1u);

  // Only at detents 1 to 3.
  for (double handle : {0.0, 13000.0, 16383.0}) {
    cockpit.set(Token::FlapHandle, handle).set(Token::StallWarning, 1).runSeconds(1);
    EXPECT_EQ(GetSwitch(&g_autoSlatLight), kSwitchOff) << handle;
    cockpit.set(Token::StallWarning, 0).runSeconds(1);
  }
  cockpit.set(Token::FlapHandle, 9000).set(Token::StallWarning, 1).runSeconds(1);
  EXPECT_EQ(GetSwitch(&g_autoSlatLight), kSwitchOn) << "detent 3";
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAutoSlatOn).size(), 2u);
}

TEST(Slats, TheCheckLightsTheLampForAStageOnceTheFlapsLeaveUpOnTheGround) {
  Cockpit cockpit;
  // Up in the air, then extended: no check.
  cockpit.set(Token::OnGround, 0).runSeconds(1).set(Token::FlapHandle, 3000).runSeconds(3);
  EXPECT_EQ(GetSwitch(&g_autoSlatCheck), kSwitchOff);
  cockpit.runSeconds(9);

  cockpit.set(Token::OnGround, 1).runSeconds(1);
  EXPECT_EQ(GetSwitch(&g_autoSlatCheck), kSwitchOff) << "flaps not up: not armed";
  cockpit.set(Token::FlapHandle, 0).runSeconds(1).set(Token::FlapHandle, 3000);
  cockpit.runUntil([] { return GetSwitch(&g_autoSlatCheck) == kAutoSlatCheckWaiting; }, 1);
  const double waiting = cockpit.tick18();
  EXPECT_FALSE(IsAutoSlatLampLit());
  cockpit.runUntil([] { return GetSwitch(&g_autoSlatCheck) == kAutoSlatCheckLit; }, 7);
  const double lit = cockpit.tick18();
  EXPECT_GT(lit - waiting, kAutoSlatCheckTicks) << "strictly after its 90 ticks";
  EXPECT_LE(lit - waiting, kAutoSlatCheckTicks + 10) << "on the next channel-4 step";
  EXPECT_TRUE(IsAutoSlatLampLit());
  cockpit.runUntil([] { return GetSwitch(&g_autoSlatCheck) == kSwitchOff; }, 7);
  EXPECT_GT(cockpit.tick18() - lit, kAutoSlatCheckTicks);
  EXPECT_LE(cockpit.tick18() - lit, kAutoSlatCheckTicks + 10);
  EXPECT_FALSE(IsAutoSlatLampLit());
  cockpit.set(Token::FlapHandle, 9000).runSeconds(12);
  EXPECT_EQ(GetSwitch(&g_autoSlatCheck), kSwitchOff) << "once per flaps-up on the ground";
}

}  // namespace
}  // namespace halcyon::test
