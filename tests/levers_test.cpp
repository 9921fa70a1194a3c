// Animated levers: the frame runs one frame a tick, a click lost during a
// move, the [HYDRAULIC], [SPEED BRAKE] and [FUEL XFEED] round trip, the fuel
// levers following the simulator's mixture and a pulled fire handle holding
// the fuel cut.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "core/panel_services.h"
#include "systems/cabin_press.h"
#include "systems/fire_protection.h"
#include "systems/gear.h"
#include "systems/levers.h"
#include "systems/pneumatics.h"
#include "tests/cockpit.h"
#include "tests/lever_frames.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

TEST(Levers, RoundTripOfTheThreeSavedLeversOutOfRangeAndMissing) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[HYDRAULIC]\r\nlever=18\r\n[FUEL XFEED]\r\nlever=40\r\n");
  cockpit.start();
  EXPECT_EQ(GetSwitch(&g_hydraulicLever), 18);
  EXPECT_EQ(GetSwitch(&g_speedBrakeHandle), 1) << "missing: the default";
  EXPECT_EQ(GetSwitch(&g_fuelXFeedLever), 1) << "not one of its frames: the default";
  cockpit.control("FUEL XFEED", "lever", kFuelXFeedLeverOpen).runSeconds(2).shutdown();
  EXPECT_EQ(cockpit.ini("HYDRAULIC", "lever"), "18");
  EXPECT_EQ(cockpit.ini("SPEED BRAKE", "handle"), "1");
  EXPECT_EQ(cockpit.ini("FUEL XFEED", "lever"), "18");
}

// The HYDRAULIC lever toward target 0 jumps to frame 1 first, whatever its
// position, then walks to 18 one frame a tick; a click while it moves is lost.
TEST(Levers, OneFrameATickAndAClickDuringAMoveIsLost) {
  Cockpit cockpit;
  cockpit.setSwitch(&g_hydraulicLever, 9).runTicks(1);
  HandleHydraulicLever(0, 0);
  cockpit.runTicks(3);
  EXPECT_EQ(GetSwitch(&g_hydraulicLever), 3);
  HandleHydraulicLever(0, 1);  // lost
  HandleHydraulicLever(1, 0);  // not a start
  std::vector<int32_t> frames = {1, 2, 3};
  for (int32_t frame : Frames(cockpit, &g_hydraulicLever, 20)) frames.push_back(frame);
  EXPECT_EQ(frames, FrameRun(1, 18));
  HandleHydraulicLever(0, 1);
  EXPECT_EQ(Frames(cockpit, &g_hydraulicLever, 20), FrameRun(17, 1)) << "target 1: 17 frames";

  // The scenario's control runs the lever to an end frame as the gauge would.
  cockpit.control("HYDRAULIC", "lever", 18);
  EXPECT_EQ(Frames(cockpit, &g_hydraulicLever, 20), FrameRun(2, 18)) << "from 1: its first frame is no change";
  cockpit.control("HYDRAULIC", "lever", 7).runTicks(1);
  EXPECT_EQ(GetSwitch(&g_hydraulicLever), 7) << "not an end frame: set at once";
}

// Each gauge lever clicked again half-way through its run: the click is
// lost, so the record holds the run's frame until the next tick and every
// system stepped before the levers reads only the run's frames.
TEST(Levers, AGaugeClickOnARunningLeverChangesNothing) {
  struct Row {
    const char* gauge;
    const char* function;
    CSwitch* record;
    LeverFrames run;  // from the position the lever stands at, clicked
  };
  const Row rows[] = {
      {"Throttlebox", "ThrottleboxMouseHydraulic", &g_hydraulicLever, {1, 18}},
      {"Throttlebox", "ThrottleboxMouseFuelXFeed", &g_fuelXFeedLever, {2, 18}},
      {"Flapsbox", "FlapsboxMouseManualCabinPressure", &g_cabinManualLever, {22, 1}},
      {"Alternate Gear", "AlternateGearMouseHandleDec", &g_alternateGearHandle, {1, 18}},
      {"Alternate Gear", "AlternateGearMouseHandleInc", &g_alternateGearHandle, {18, 1}},
      {"Pneumatic XFeed", "PneumaticXFeedMouseLeftValve", &g_pneumaticXFeedLeft, {10, 1}},
      {"Pneumatic XFeed", "PneumaticXFeedMouseRightValve", &g_pneumaticXFeedRight, {10, 1}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.function);
    Cockpit cockpit;
    const int32_t standing = row.run.first == 2 ? 1 : row.run.first;  // a run from 1 to 18 whose first frame is 2
    cockpit.setSwitch(row.record, standing).runTicks(1).callControl(row.gauge, row.function);
    const std::vector<int32_t> expected = FrameRun(row.run.first, row.run.last);
    std::vector<int32_t> seen;
    for (size_t tick = 0; tick < expected.size() + 2; ++tick) {
      cockpit.runTicks(1);
      seen.push_back(GetSwitch(row.record));
      if (tick != 4) continue;
      cockpit.callControl(row.gauge, row.function);
      EXPECT_EQ(GetSwitch(row.record), seen.back()) << "clicked at frame " << seen.back();
    }
    std::vector<int32_t> run = expected;
    run.insert(run.end(), 2, row.run.last);
    EXPECT_EQ(seen, run);
  }
}

TEST(Levers, FuelLeversStartFromTheMixtureAndFollowIt) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::Engine1Mixture, 0).set(Token::Engine2Mixture, 0.5);
  cockpit.start();
  EXPECT_EQ(GetSwitch(&g_fuelLever1), kFuelLeverCutOff);
  EXPECT_EQ(GetSwitch(&g_fuelLever2), kFuelLeverOn) << "only exactly 0 reads as cut off at start-up";

  // Below 100 the panel lever runs to cut off in 17 ticks; 100..16300 leaves it.
  // Started on a tick, the lever takes its first frame on the next one.
  cockpit.set(Token::Engine2Mixture, 50).runTicks(1);
  EXPECT_EQ(GetSwitch(&g_fuelLever2), kFuelLeverOn);
  EXPECT_EQ(Frames(cockpit, &g_fuelLever2, 17), FrameRun(17, 1));
  cockpit.set(Token::Engine2Mixture, 8000).runTicks(30);
  EXPECT_EQ(GetSwitch(&g_fuelLever2), kFuelLeverCutOff);
  cockpit.set(Token::Engine2Mixture, 16300).runTicks(30);
  EXPECT_EQ(GetSwitch(&g_fuelLever2), kFuelLeverCutOff) << "16300 is not above 16300";
  cockpit.set(Token::Engine2Mixture, 16384);
  EXPECT_EQ(Frames(cockpit, &g_fuelLever2, 18), FrameRun(2, 18));
  cockpit.set(Token::Engine1Mixture, 99);
  EXPECT_EQ(GetSwitch(&g_fuelLever1), kFuelLeverCutOff);
  HandleFuelLever(1, 0, 0);
  EXPECT_EQ(Frames(cockpit, &g_fuelLever1, 40).back(), kFuelLeverCutOff) << "run on, then pulled back by the mixture";
}

// A pulled handle sends the cut-off every tick until the simulator's mixture
// reads 0; the host carries it out at once, so one event is enough there.
TEST(Levers, APulledFireHandleKeepsTheEnginesFuelCut) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::Engine1Mixture, 16384).set(Token::Engine2Mixture, 16384);
  cockpit.start();
  cockpit.runTicks(2);
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventMixture1CutOff).empty());
  cockpit.setSwitch(&g_engine1FireHandle, kFireHandleRotated).runTicks(1);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventMixture1CutOff).size(), 1u);
  EXPECT_EQ(cockpit.token(Token::Engine1Mixture), 0.0);
  cockpit.set(Token::Engine1Mixture, 16384).runTicks(1);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventMixture1CutOff).size(), 2u) << "a lever moved outside the panel is cut again";
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventMixture2CutOff).empty());
  cockpit.setSwitch(&g_engine1FireHandle, kFireHandleStowed).setSwitch(&g_engine2FireHandle, kFireHandlePulled);
  cockpit.set(Token::Engine1Mixture, 16384).runTicks(3);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventMixture1CutOff).size(), 2u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventMixture2CutOff).size(), 1u);
  EXPECT_EQ(cockpit.token(Token::Engine2Mixture), 0.0);
  EXPECT_EQ(cockpit.token(Token::Engine1Mixture), 16384.0);
}

// However many levers the cockpit initialises, each is known: one started
// past the sixteenth runs, and ending its run stops it.
TEST(Levers, EveryLeverInitialisedIsKnownHoweverMany) {
  std::array<CSwitch, 20> records{};
  std::vector<AnimatedLever> levers;
  for (CSwitch& record : records) levers.push_back({&record, {{1, 18}, {17, 1}}});
  Cockpit cockpit;
  for (AnimatedLever& lever : levers) InitLever(&lever, 1.0);
  for (AnimatedLever& lever : levers) {
    HandleLever(&lever, 0, 0);
    EXPECT_TRUE(IsLeverRunning(lever.record)) << "lever " << &lever - levers.data();
    EndLeverRun(lever.record);
    EXPECT_FALSE(IsLeverRunning(lever.record));
  }
}

}  // namespace
}  // namespace halcyon::test
