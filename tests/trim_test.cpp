// Longitudinal trim: the take-off setting by selector and % MAC, the autotrim's
// event count, the trim handle's animation, the stabilizer hold that pushes
// back one event a tick, and the simulator's trim notifications that
// disconnect the autopilot when the host echoes the cockpit's own events.
#include <gtest/gtest.h>

#include "core/panel_services.h"
#include "systems/longitudinal_trim.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

size_t TrimUps(const Cockpit& cockpit) { return cockpit.keyEvents(kKeyEventElevatorTrimUp).size(); }
size_t TrimDowns(const Cockpit& cockpit) { return cockpit.keyEvents(kKeyEventElevatorTrimDown).size(); }

TEST(LongitudinalTrim, TakeoffSettingBySelectorAndMac) {
  Cockpit cockpit;
  EXPECT_EQ(GetSwitch(&g_takeoffFlapSelector), kTakeoffFlaps1) << "the default";
  cockpit.control("LONGITUDE TRIM", "mac", 25);
  EXPECT_DOUBLE_EQ(GetTrimSetting(), (35 - 25) * 0.2142857 + 0.9);
  cockpit.control("LONGITUDE TRIM", "to_flaps", kTakeoffFlaps2);
  EXPECT_DOUBLE_EQ(GetTrimSetting(), (35 - 25) * 0.2457142 + 0.9);
  cockpit.control("LONGITUDE TRIM", "to_flaps", kTakeoffFlaps3);
  EXPECT_DOUBLE_EQ(GetTrimSetting(), (35 - 25) * 0.2696969 + 1.0);
  cockpit.control("LONGITUDE TRIM", "to_flaps", kTakeoffFlaps4);
  EXPECT_DOUBLE_EQ(GetTrimSetting(), (35 - 25) * 0.3068965 + 1.0);
  cockpit.control("LONGITUDE TRIM", "mac", 0);
  EXPECT_EQ(GetTrimSetting(), 9.9) << "35 x 0.3068965 + 1.0 = 11.74, held at 9.9";
  cockpit.control("LONGITUDE TRIM", "to_flaps", kTakeoffFlaps3);
  EXPECT_EQ(GetTrimSetting(), 9.9) << "10.44 held at 9.9";
  cockpit.control("LONGITUDE TRIM", "mac", 33);
  EXPECT_DOUBLE_EQ(GetTrimSetting(), 2 * 0.2696969 + 1.0) << "below the cap";
  cockpit.control("LONGITUDE TRIM", "to_flaps", kSwitchOff);
  EXPECT_EQ(GetTrimSetting(), 0.0);

  cockpit.control("LONGITUDE TRIM", "mac", 36);
  EXPECT_EQ(GetMacPercent(), 33.0) << "36 refused";
  cockpit.control("LONGITUDE TRIM", "mac", -1);
  EXPECT_EQ(GetMacPercent(), 33.0);
  IncMacPercent();
  IncMacPercent();
  IncMacPercent();
  EXPECT_EQ(GetMacPercent(), 35.0);
  SetMacPercent(1);
  DecMacPercent();
  DecMacPercent();
  EXPECT_EQ(GetMacPercent(), 0.0);
}

TEST(LongitudinalTrim, SettingsConvertToTheSimulatorsAngleAndUnits) {
  Cockpit cockpit;
  EXPECT_DOUBLE_EQ(TrimSettingToAngle(3.0), 2.1 * 0.00185185 + 3.0 / (6.9 * 4.00534045389 + 92.523364486));
  EXPECT_DOUBLE_EQ(TrimSettingToAngle(7.0), 2.9 * 0.00185185 + 7.0 / (2.9 * 4.00534045389 + 92.523364486));
  EXPECT_EQ(TrimSettingToSimUnits(3.0), 1509) << "(2 / 1.5517 + 0.3) x 950 = 1509.4";
  EXPECT_EQ(TrimSettingToSimUnits(1.0), 285);
}

TEST(LongitudinalTrim, AutotrimSendsOneEventAMilliradianAndOneMore) {
  Cockpit cockpit;
  cockpit.control("LONGITUDE TRIM", "mac", 25);
  const double target = TrimSettingToAngle(GetTrimSetting());
  cockpit.set(Token::ElevatorTrimRad, target - 0.0025).control("Longitude Trim", "autotrim", 1);
  EXPECT_EQ(TrimUps(cockpit), 3u) << "d = 0.0025";
  EXPECT_EQ(TrimDowns(cockpit), 0u);
  cockpit.clearKeyEvents().set(Token::ElevatorTrimRad, target + 0.0104);
  ApplyTrimSetting();
  EXPECT_EQ(TrimDowns(cockpit), 11u);
  EXPECT_EQ(TrimUps(cockpit), 0u);
  cockpit.clearKeyEvents().set(Token::ElevatorTrimRad, target);
  ApplyTrimSetting();
  EXPECT_TRUE(cockpit.keyEvents().empty()) << "already there";
}

TEST(LongitudinalTrim, AWildSimulatorTrimValueSendsABoundedCount) {
  Cockpit cockpit;
  cockpit.set(Token::ElevatorTrimRad, -1e9).control("Longitude Trim", "autotrim", 1);
  EXPECT_EQ(TrimUps(cockpit), static_cast<size_t>(kMaxAutotrimEvents));
}

TEST(LongitudinalTrim, SavedSettingsRoundTripAndAMacOutOfRangeIsRefused) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[LONGITUDE TRIM]\r\nmac=40\r\nto_flaps=137\r\n[STABTRIM]\r\narm=130\r\n");
  cockpit.start();
  EXPECT_EQ(GetMacPercent(), 0.0) << "40 refused";
  EXPECT_EQ(GetSwitch(&g_takeoffFlapSelector), kTakeoffFlaps3);
  EXPECT_EQ(GetTrimSetting(), 9.9) << "computed at load";
  EXPECT_EQ(GetSwitch(&g_stabTrimArmSwitch), kStabTrimHold);
  EXPECT_EQ(GetSwitch(&g_trimHandle), kTrimHandleAtRest);
  cockpit.control("LONGITUDE TRIM", "mac", 21).control("LONGITUDE TRIM", "to_flaps", kTakeoffFlaps4);
  cockpit.control("STABTRIM", "arm", kStabTrimAlternate).shutdown();
  EXPECT_EQ(cockpit.ini("LONGITUDE TRIM", "mac"), "21");
  EXPECT_EQ(cockpit.ini("LONGITUDE TRIM", "to_flaps"), "138");
  EXPECT_EQ(cockpit.ini("STABTRIM", "arm"), "125");
}

TEST(LongitudinalTrim, AFreshCockpitHasTheDefaults) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[LONGITUDE TRIM]\r\nmac=12\r\n");
  cockpit.start();
  EXPECT_EQ(GetSwitch(&g_stabTrimArmSwitch), kStabTrimNormal);
  EXPECT_EQ(GetSwitch(&g_takeoffFlapSelector), kTakeoffFlaps1);
  EXPECT_EQ(GetMacPercent(), 12.0);
  EXPECT_DOUBLE_EQ(GetTrimSetting(), 23 * 0.2142857 + 0.9);
}

// The handle's positions, a step a tick as the Longitude Trim gauge's
// pre-draw makes them.
std::vector<int32_t> HandleFrames(Cockpit& cockpit, int ticks) {
  std::vector<int32_t> frames;
  for (int i = 0; i < ticks; ++i) {
    cockpit.runTicks(1);
    frames.push_back(GetSwitch(&g_trimHandle));
  }
  return frames;
}

TEST(LongitudinalTrim, TheHandleRunsOutWaitsWhileHeldAndComesBack) {
  Cockpit cockpit({.drawClosedWindows = true});
  HandleTrimSelector(kTrimHandlePressed, kTrimNoseDown);
  EXPECT_EQ(HandleFrames(cockpit, 8), (std::vector<int32_t>{7, 8, 9, 10, 11, 11, 11, 11}));
  HandleTrimSelector(kTrimHandlePressed, kTrimNoseUp);  // still running: ignored
  HandleTrimSelector(kTrimHandleReleased, kTrimNoseDown);
  EXPECT_EQ(HandleFrames(cockpit, 7), (std::vector<int32_t>{10, 9, 8, 7, 6, 6, 6}));

  HandleTrimSelector(kTrimHandlePressed, kTrimNoseUp);
  EXPECT_EQ(HandleFrames(cockpit, 2), (std::vector<int32_t>{5, 4}));
  HandleTrimSelector(kTrimHandleReleased, kTrimNoseUp);
  EXPECT_EQ(HandleFrames(cockpit, 9), (std::vector<int32_t>{3, 2, 1, 2, 3, 4, 5, 6, 6})) << "released early: no wait";
}

// The stabilizer trim arm switch at hold, and the angle held once its channel has run.
Cockpit& Holding(Cockpit& cockpit, double angleRad) {
  cockpit.set(Token::ElevatorTrimRad, angleRad).control("STABTRIM", "arm", kStabTrimHold).runTicks(19);
  cockpit.clearKeyEvents();
  return cockpit;
}

TEST(StabilizerTrim, HoldPushesBackOneEventATickUntilTheAngleIsBack) {
  Cockpit cockpit;
  Holding(cockpit, 0.010);
  cockpit.set(Token::ElevatorTrimRad, 0.013).runTicks(1);
  EXPECT_EQ(TrimDowns(cockpit), 1u);
  cockpit.runTicks(5);
  const auto downs = cockpit.keyEvents(kKeyEventElevatorTrimDown);
  ASSERT_EQ(downs.size(), 3u);
  EXPECT_EQ(downs[1].tick18, downs[0].tick18 + 1);
  EXPECT_EQ(downs[2].tick18, downs[1].tick18 + 1);
  EXPECT_EQ(cockpit.token(Token::ElevatorTrimRad), 0.010);
  EXPECT_EQ(TrimUps(cockpit), 0u);

  cockpit.set(Token::ElevatorTrimRad, 0.008).runTicks(5);
  EXPECT_EQ(TrimUps(cockpit), 2u);
  EXPECT_EQ(cockpit.token(Token::ElevatorTrimRad), 0.010);

  // Out of hold: the next push is the last, and the stabilizer is free.
  cockpit.clearKeyEvents().control("STABTRIM", "arm", kStabTrimNormal).set(Token::ElevatorTrimRad, 0.02).runTicks(5);
  EXPECT_EQ(TrimDowns(cockpit), 1u) << "the tick the switch leaves hold still pushes";
  EXPECT_EQ(cockpit.token(Token::ElevatorTrimRad), 0.019);
}

TEST(StabilizerTrim, TheSimulatorsTrimStepsOntoItsGridSoTheHoldComesBackExactly) {
  Cockpit cockpit;
  Holding(cockpit, 0.010);
  cockpit.set(Token::ElevatorTrimRad, 0.0124).runTicks(6);
  EXPECT_EQ(TrimDowns(cockpit), 2u) << "0.0124 to 0.011, then 0.010";
  EXPECT_EQ(cockpit.token(Token::ElevatorTrimRad), 0.010);
  EXPECT_EQ(TrimUps(cockpit), 0u);
}

// The hold's pushes with the autopilot engaged; whether the simulator echoes them.
void HoldWithTheAutopilot(bool echo) {
  Cockpit cockpit;
  cockpit.guidanceReady().set(Token::AutopilotEngaged, 1).runTicks(2);
  cockpit.host().SetTrimEcho(echo);
  Holding(cockpit, 0.010);
  ASSERT_EQ(cockpit.token(Token::AutopilotEngaged), 1.0);
  cockpit.set(Token::ElevatorTrimRad, 0.012).runTicks(4);
  EXPECT_EQ(TrimDowns(cockpit), 2u);
  EXPECT_EQ(cockpit.token(Token::AutopilotEngaged), echo ? 0.0 : 1.0);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAutopilotMaster).size(), echo ? 1u : 0u);
}

TEST(StabilizerTrim, WithoutTheTrimEchoTheAutopilotStaysEngaged) { HoldWithTheAutopilot(false); }

TEST(StabilizerTrim, WithTheTrimEchoTheHoldsPushesDisconnectTheAutopilot) { HoldWithTheAutopilot(true); }

}  // namespace
}  // namespace halcyon::test
