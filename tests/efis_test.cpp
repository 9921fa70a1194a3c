// The EFIS panels and display states: [EFIS MCP], [EFIS SWITCHING], [EFIS
// DIMMER] and [EFIS PFD] round trips and defaults, the panel's steps, the
// decision height and its alert over a descent, the brightness ramps with
// their timing and instant dark, the readout timers, the DH flash sequence,
// the speed-target error and the NAV signal, and the screen geometry.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "core/controls.h"
#include "core/helpers.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "displays/efis/display_states.h"
#include "displays/efis/efis_dimmer.h"
#include "displays/efis/efis_mcp.h"
#include "displays/efis/screen_geometry.h"
#include "nav/latlon.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/radios.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

TEST(EfisMcp, DefaultsWithoutTheSection) {
  Cockpit cockpit;
  EXPECT_EQ(GetEfisMode(), 0u);
  EXPECT_EQ(GetEfisAdf1(), 0u);
  EXPECT_EQ(GetEfisRange(), 0u);
  for (uint32_t n = 0; n < 4; ++n) EXPECT_EQ(GetEfisDisplayControl(n), 0u) << n;
  cockpit.shutdown();
  EXPECT_EQ(cockpit.iniKeys("EFIS MCP"),
            (std::vector<std::string>{"mode", "adf1", "range", "dc_naid", "dc_arpt", "dc_data", "dc_wpt"}));
  EXPECT_EQ(cockpit.ini("EFIS MCP", "dc_wpt"), "0");
}

TEST(EfisMcp, RoundTripWithTogglesOnlyOneAndTableIndexesHeld) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[EFIS MCP]\r\nmode=7\r\nadf1=2\r\nrange=-3\r\ndc_naid=1\r\ndc_arpt=2\r\ndc_data= 1x\r\n"
                          "dc_wpt=1\r\n");
  cockpit.start();
  EXPECT_EQ(GetEfisMode(), 3u) << "held at plan, the last mode";
  EXPECT_EQ(GetEfisAdf1(), 2u);
  EXPECT_EQ(GetEfisRange(), 0u) << "held at 10 NM";
  EXPECT_EQ(GetEfisDisplayControl(kDcNavaids), 1u);
  EXPECT_EQ(GetEfisDisplayControl(kDcAirports), 0u) << "only 1 is on";
  EXPECT_EQ(GetEfisDisplayControl(kDcData), 1u);
  EXPECT_EQ(GetEfisDisplayControl(kDcWaypoints), 1u);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("EFIS MCP", "mode"), "3");
  EXPECT_EQ(cockpit.ini("EFIS MCP", "adf1"), "2") << "kept as stored while not toggled";
  EXPECT_EQ(cockpit.ini("EFIS MCP", "range"), "0");
  EXPECT_EQ(cockpit.ini("EFIS MCP", "dc_naid"), "1");
  EXPECT_EQ(cockpit.ini("EFIS MCP", "dc_arpt"), "0");
  EXPECT_EQ(cockpit.ini("EFIS MCP", "dc_data"), "1");
}

TEST(EfisMcp, AStoredModeAndRangeComeBack) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[EFIS MCP]\r\nmode=1\r\nrange=4\r\n");
  cockpit.start();
  EXPECT_EQ(GetEfisMode(), 1u);
  EXPECT_EQ(GetEfisRange(), 4u);
}

TEST(EfisMcp, StepsStopAtTheirEndsAndTogglesFlip) {
  Cockpit cockpit;
  DecrementEfisMode();
  EXPECT_EQ(GetEfisMode(), 0u);
  for (int i = 0; i < 5; ++i) IncrementEfisMode();
  EXPECT_EQ(GetEfisMode(), 3u);
  DecrementEfisMode();
  EXPECT_EQ(GetEfisMode(), 2u);
  DecrementEfisRange();
  EXPECT_EQ(GetEfisRange(), 0u);
  for (int i = 0; i < 7; ++i) IncrementEfisRange();
  EXPECT_EQ(GetEfisRange(), 5u);
  DecrementEfisRange();
  EXPECT_EQ(GetEfisRange(), 4u);
  ToggleEfisAdf1();
  EXPECT_EQ(GetEfisAdf1(), 1u);
  ToggleEfisAdf1();
  EXPECT_EQ(GetEfisAdf1(), 0u);
  cockpit.control("EFIS MCP", "adf1", 5);
  EXPECT_EQ(GetEfisAdf1(), 1u) << "any non-zero value is on";
  cockpit.control("EFIS MCP", "adf1", 0);
  EXPECT_EQ(GetEfisAdf1(), 0u);
  ToggleEfisDisplayControl(kDcAirports);
  ToggleEfisDisplayControl(4);
  EXPECT_EQ(GetEfisDisplayControl(kDcAirports), 1u);
  EXPECT_EQ(GetEfisDisplayControl(4), 0u);
  EXPECT_EQ(GetEfisDisplayControl(kDcNavaids) + GetEfisDisplayControl(kDcData) + GetEfisDisplayControl(kDcWaypoints), 0u);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("EFIS MCP", "mode"), "2");
  EXPECT_EQ(cockpit.ini("EFIS MCP", "range"), "4");
  EXPECT_EQ(cockpit.ini("EFIS MCP", "dc_arpt"), "1");
}

TEST(EfisDimmer, DefaultsAreNormalSourceAndDarkDimmers) {
  Cockpit cockpit;
  EXPECT_EQ(GetSwitch(&g_efisSourceSwitch), kEfisSourceNormal);
  for (int32_t n = 0; n < 3; ++n) EXPECT_EQ(GetEfisDimmer(n), 0.0) << n;
  EXPECT_EQ(GetDecisionHeight(), -1.0);
  EXPECT_EQ(GetDecisionHeightAlert(), 0u);
  int32_t testButton = 0;
  ASSERT_TRUE(ReadControl(L"EFIS DIMMER", L"test", &testButton));
  EXPECT_EQ(testButton, kEfisTestReleased) << "the test button starts released";
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("EFIS SWITCHING", "efis_switch"), "43");
  EXPECT_EQ(cockpit.ini("EFIS DIMMER", "pfd_dim"), "0.000000");
}

TEST(EfisDimmer, RoundTripThroughFourCharactersAndOutOfRangeValuesIgnored) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[EFIS SWITCHING]\r\nefis_switch=54\r\n"
                          "[EFIS DIMMER]\r\npfd_dim=1.5\r\nnd_dim=0.600000\r\nwx_dim=-0.1\r\n");
  cockpit.start();
  EXPECT_EQ(GetSwitch(&g_efisSourceSwitch), kEfisSourceIrs2);
  EXPECT_EQ(GetEfisDimmer(kDimmerPfd), 0.0);
  EXPECT_EQ(GetEfisDimmer(kDimmerNd), 0.6) << "0.60 of the first four characters";
  EXPECT_EQ(GetEfisDimmer(kDimmerWeather), 0.0);
  TurnEfisDimmerUp(kDimmerPfd);
  TurnEfisDimmerDown(kDimmerNd);
  cockpit.control("EFIS SWITCHING", "efis_switch", kEfisSourceIrs1).shutdown();
  EXPECT_EQ(cockpit.ini("EFIS SWITCHING", "efis_switch"), "53");
  EXPECT_EQ(cockpit.ini("EFIS DIMMER", "pfd_dim"), "0.100000");
  EXPECT_EQ(cockpit.ini("EFIS DIMMER", "nd_dim"), "0.500000");
  EXPECT_EQ(cockpit.ini("EFIS DIMMER", "wx_dim"), "0.000000");
}

TEST(EfisDimmer, KnobStepsAndLimits) {
  Cockpit cockpit;
  TurnEfisDimmerDown(kDimmerWeather);
  EXPECT_EQ(GetEfisDimmer(kDimmerWeather), 0.0);
  for (int i = 0; i < 10; ++i) TurnEfisDimmerUp(kDimmerWeather);
  EXPECT_EQ(GetEfisDimmer(kDimmerWeather), 1.0) << "on the tenths: ten steps make 1.0 itself";
  for (int i = 0; i < 10; ++i) TurnEfisDimmerDown(kDimmerWeather);
  EXPECT_EQ(GetEfisDimmer(kDimmerWeather), 0.0) << "and ten down 0 itself, a dark screen";
  SetEfisDimmer(kDimmerWeather, 0.95);
  TurnEfisDimmerUp(kDimmerWeather);
  EXPECT_EQ(GetEfisDimmer(kDimmerWeather), 1.0);
  TurnEfisDimmerUp(kDimmerWeather);
  EXPECT_EQ(GetEfisDimmer(kDimmerWeather), 1.0);
  TurnEfisDimmerUp(3);
  TurnEfisDimmerDown(-1);
  EXPECT_EQ(GetEfisDimmer(3), 0.0);
  SetEfisDimmer(kDimmerPfd, 0.25);
  SetEfisDimmer(kDimmerPfd, 1.01);
  EXPECT_EQ(GetEfisDimmer(kDimmerPfd), 0.25);
  cockpit.control("EFIS DIMMER", "nd_dim", 7);
  EXPECT_EQ(GetEfisDimmer(kDimmerNd), 0.7) << "the panel's knob in tenths";
}

TEST(EfisDimmer, TheTestButtonWorksOnTheGroundOnly) {
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 1);
  SetEfisTestSwitch(50);
  EXPECT_EQ(IsEfisTestActive(), 0u);
  SetEfisTestSwitch(kEfisTestPressed);
  EXPECT_EQ(IsEfisTestActive(), 1u);
  SetEfisTestSwitch(50);
  EXPECT_EQ(IsEfisTestActive(), 1u) << "50 is not a position of the button";
  cockpit.set(Token::OnGround, 0);
  EXPECT_EQ(IsEfisTestActive(), 0u);
  cockpit.set(Token::OnGround, 1).control("EFIS DIMMER", "test", kEfisTestReleased);
  EXPECT_EQ(IsEfisTestActive(), 0u);
}

TEST(DecisionHeight, KnobStepsBetweenNotSetAndTheTopWithFastClicks) {
  Cockpit cockpit;
  cockpit.runTicks(5);
  IncrementDecisionHeight();
  EXPECT_EQ(GetDecisionHeight(), 0.0);
  cockpit.runTicks(5);
  DecrementDecisionHeight();
  EXPECT_EQ(GetDecisionHeight(), -1.0);
  cockpit.runTicks(5);
  DecrementDecisionHeight();
  EXPECT_EQ(GetDecisionHeight(), -1.0);
  SetDecisionHeight(1200);
  EXPECT_EQ(GetDecisionHeight(), 999.0);
  SetDecisionHeight(-50);
  EXPECT_EQ(GetDecisionHeight(), -1.0);
  SetDecisionHeight(200);
  cockpit.runTicks(5);
  IncrementDecisionHeight();
  EXPECT_EQ(GetDecisionHeight(), 201.0) << "a slow click is one foot";
  IncrementDecisionHeight();
  EXPECT_GT(GetDecisionHeight(), 202.0) << "a fast click takes the multiplier";
  EXPECT_EQ(GetDecisionHeight(), 201.0 + GetFastClickMultiplier());
  SetDecisionHeight(998);
  IncrementDecisionHeight();
  EXPECT_EQ(GetDecisionHeight(), 999.0);
  cockpit.runTicks(5);
  DecrementDecisionHeight();
  EXPECT_EQ(GetDecisionHeight(), 998.0) << "a slow click down is one foot";
}

TEST(DecisionHeight, TheAlertArmsAHundredFeetAboveAndDropsBelowOrOnTheGround) {
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 0).control("EFIS DIMMER", "decision_height", 200);
  auto at = [&](double feet) {
    cockpit.setScaled(Token::RadioAltitudeM, feet).runTicks(7);
    return GetDecisionHeightAlert();
  };
  EXPECT_EQ(at(299), 0u);
  EXPECT_EQ(at(300), 0u) << "arms only above 300 ft";
  EXPECT_EQ(at(300.05), 1u);
  EXPECT_EQ(at(250), 1u) << "stays armed between 200 and 300 ft";
  EXPECT_EQ(at(200.5), 1u);
  EXPECT_EQ(at(199.5), 0u);
  EXPECT_EQ(at(250), 0u) << "not armed again below 300 ft";
  EXPECT_EQ(at(400), 1u);
  cockpit.set(Token::OnGround, 1);
  EXPECT_EQ(at(400), 0u) << "dropped on the ground";

  // Not set: arms above 99 ft and drops only on the ground.
  cockpit.set(Token::OnGround, 0).control("EFIS DIMMER", "decision_height", -1);
  EXPECT_EQ(at(98), 0u);
  EXPECT_EQ(at(100), 1u);
  EXPECT_EQ(at(0), 1u);
  cockpit.set(Token::OnGround, 1);
  EXPECT_EQ(at(0), 0u);
}

TEST(DecisionHeight, TheAlertIsEvaluatedThreeTimesASecond) {
  Cockpit cockpit;
  cockpit.watchChannel(kChannel3Hz).set(Token::OnGround, 0).control("EFIS DIMMER", "decision_height", 200);
  cockpit.runTicks(7);
  cockpit.setScaled(Token::RadioAltitudeM, 400);
  const double setTick = cockpit.tick18();
  cockpit.runUntil([] { return GetDecisionHeightAlert() != 0; }, 1);
  ASSERT_EQ(GetDecisionHeightAlert(), 1u);
  const double armTick = cockpit.tick18();
  cockpit.runTicks(1);  // the due ticks are known a tick later
  const auto& due = cockpit.dueTicks(kChannel3Hz);
  const auto firstDue = due.upper_bound(setTick);
  ASSERT_NE(firstDue, due.end());
  EXPECT_EQ(armTick, *firstDue) << "armed on the first due tick after the climb";
}

TEST(DisplayStates, BrightnessRampsAHundredthATickAndDarkensAtOnce) {
  Cockpit cockpit;
  SetEfisDimmer(kDimmerNd, 0.35);
  SetEfisDimmer(kDimmerPfd, 1e-16);
  cockpit.runTicks(40);
  EXPECT_EQ(GetNdBrightness(), 0.0) << "no power yet";
  cockpit.powerUp();
  ASSERT_EQ(GetPowerState(), kPowerNormal);
  cockpit.runTicks(1);
  EXPECT_NEAR(GetNdBrightness(), 0.01, 1e-12);
  EXPECT_EQ(GetPfdBrightness(), 1e-16) << "a dimmer just above zero is followed";
  cockpit.runTicks(33);
  EXPECT_NEAR(GetNdBrightness(), 0.34, 1e-12);
  cockpit.runTicks(1);
  EXPECT_EQ(GetNdBrightness(), 0.35) << "35 ticks from dark";
  cockpit.runTicks(10);
  EXPECT_EQ(GetNdBrightness(), 0.35);
  SetEfisDimmer(kDimmerNd, 0.3);
  cockpit.runTicks(4);
  EXPECT_NEAR(GetNdBrightness(), 0.31, 1e-12);
  cockpit.runTicks(1);
  EXPECT_EQ(GetNdBrightness(), 0.3);

  SetEfisDimmer(kDimmerPfd, 1.0);
  cockpit.runTicks(100);
  EXPECT_EQ(GetPfdBrightness(), 1.0) << "a full rise in 100 ticks";
  SetEfisDimmer(kDimmerPfd, 0.0);
  cockpit.runTicks(1);
  EXPECT_EQ(GetPfdBrightness(), 0.0) << "a dimmer at zero darkens in one tick";

  // A change of power source: dark in the tick the verdict says so.
  SetEfisDimmer(kDimmerPfd, 1.0);
  cockpit.runTicks(100);
  cockpit.control("ELECTRIC", "ext_bus_1_sw", 41);
  cockpit.runUntil([] { return GetPowerState() != kPowerNormal; }, 2);
  ASSERT_EQ(GetPowerState(), kPowerTransfer);
  cockpit.runTicks(1);
  EXPECT_EQ(GetNdBrightness(), 0.0);
  EXPECT_EQ(GetPfdBrightness(), 0.0);
  cockpit.runUntil([] { return GetPowerState() == kPowerNormal; }, 2);
  cockpit.runTicks(2);
  EXPECT_NEAR(GetPfdBrightness(), 0.02, 1e-12) << "and ramps up again";
}

TEST(DisplayStates, TheDecisionHeightFlashStepsOnceASecondAndStaysAtItsEnd) {
  Cockpit cockpit;
  SetSwitch(&g_dhFlashSwitch, kDhFlashFirst);
  std::vector<double> stepTicks;
  int32_t last = kDhFlashFirst;
  const double start = cockpit.tick18();
  cockpit.runUntil(
      [&] {
        if (GetSwitch(&g_dhFlashSwitch) != last) {
          last = GetSwitch(&g_dhFlashSwitch);
          stepTicks.push_back(cockpit.tick18());
        }
        return false;
      },
      10);
  EXPECT_EQ(GetSwitch(&g_dhFlashSwitch), kDhFlashLast);
  ASSERT_EQ(stepTicks.size(), 6u) << "1 to 7 in six steps";
  // The first tick after the drawing started it starts the first second.
  EXPECT_EQ(stepTicks[0] - start, 20.0);
  for (size_t i = 1; i < stepTicks.size(); ++i) EXPECT_EQ(stepTicks[i] - stepTicks[i - 1], 19.0) << i;
  SetSwitch(&g_dhFlashSwitch, 4);
  cockpit.runTicks(20 + 19 + 18);
  EXPECT_EQ(GetSwitch(&g_dhFlashSwitch), 6);
  cockpit.runTicks(1);
  EXPECT_EQ(GetSwitch(&g_dhFlashSwitch), kDhFlashLast);
  SetSwitch(&g_dhFlashSwitch, kDhFlashIdle);
  cockpit.runTicks(40);
  EXPECT_EQ(GetSwitch(&g_dhFlashSwitch), kDhFlashIdle) << "idle until a drawing starts it";
}

TEST(DisplayStates, AReadoutShowsForThreeSecondsAfterTheLastChange) {
  Cockpit cockpit;
  SetSwitch(&g_ndHeadingTimer, kReadoutShown);
  cockpit.runTicks(30);
  SetSwitch(&g_ndHeadingTimer, kReadoutShown);  // the heading changed again
  SetSwitch(&g_ndCourseTimer, kReadoutShown);
  cockpit.runTicks(54);
  EXPECT_EQ(GetSwitch(&g_ndHeadingTimer), kReadoutShown);
  EXPECT_EQ(GetSwitch(&g_ndCourseTimer), kReadoutShown);
  cockpit.runTicks(2);
  EXPECT_EQ(GetSwitch(&g_ndHeadingTimer), kReadoutHidden);
  EXPECT_EQ(GetSwitch(&g_ndCourseTimer), kReadoutHidden);
}

TEST(DisplayStates, ScratchListsNoiseTableAndFlightDirectorThickness) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[EFIS PFD]\r\nFDThickness=5.5\r\n");
  cockpit.start();
  EXPECT_NE(g_ndNavaidList, nullptr);
  EXPECT_NE(g_ndAirportList, nullptr);
  EXPECT_NE(g_ndFixList, nullptr);
  EXPECT_EQ(g_fdThickness, 5.5);
  std::set<uint32_t> patterns(std::begin(g_radarNoise), std::end(g_radarNoise));
  EXPECT_EQ(*patterns.rbegin(), 19u);
  EXPECT_EQ(patterns.size(), 20u) << "every pattern is used over 4096 cells";
  g_fdThickness = 3.0;
  cockpit.shutdown();
  EXPECT_EQ(g_ndNavaidList, nullptr);
  EXPECT_EQ(g_ndFixList, nullptr);
  EXPECT_EQ(cockpit.ini("EFIS PFD", "FDThickness"), "3.000000");
}

TEST(DisplayStates, FlightDirectorThicknessDefault) {
  Cockpit cockpit;
  EXPECT_EQ(g_fdThickness, 4.0);
}

TEST(DisplayStates, SpeedTargetErrorFromTheHoldsThenTheGuidance) {
  Cockpit cockpit;
  cockpit.set(Token::AutopilotMachHold, 1).set(Token::AutopilotMach, 0.76).setScaled(Token::Mach, 0.74);
  EXPECT_NEAR(GetSpeedTargetError(), 4.0, 1e-9);
  cockpit.set(Token::AutopilotMachHold, 0)
      .set(Token::AutopilotAirspeedHold, 1)
      .set(Token::AutopilotAirspeedKt, 250)
      .set(Token::IndicatedAirspeedKt, 225);
  EXPECT_EQ(GetSpeedTargetError(), 10.0) << "held at 10 kt";
  cockpit.set(Token::IndicatedAirspeedKt, 256);
  EXPECT_EQ(GetSpeedTargetError(), -6.0);
  cockpit.set(Token::AutopilotAirspeedHold, 0);
  SetDfgsPitchMode(kPitchVerticalSpeed);
  EXPECT_EQ(GetSpeedTargetError(), 0.0);
  SetDfgsPitchMode(kPitchIasOnPitch);
  EXPECT_EQ(GetSpeedTargetError(), std::clamp(GetDfgsIasTarget() - 256.0, -10.0, 10.0));
}

TEST(DisplayStates, TheActiveNavSignalIsItsStationWordWithoutBit8) {
  Cockpit cockpit;
  SetActiveNavUnit(0);
  cockpit.set(Token::Nav1Code, 0).set(Token::Nav2Code, 5);
  EXPECT_EQ(ActiveNavHasValidSignal(), 0u);
  cockpit.set(Token::Nav1Code, 8 + 1);
  EXPECT_EQ(ActiveNavHasValidSignal(), 0u);
  cockpit.set(Token::Nav1Code, 16 + 1);
  EXPECT_EQ(ActiveNavHasValidSignal(), 1u);
  SetActiveNavUnit(1);
  EXPECT_EQ(ActiveNavHasValidSignal(), 1u);
  cockpit.set(Token::Nav2Code, 12);
  EXPECT_EQ(ActiveNavHasValidSignal(), 0u);
}

TEST(ScreenGeometry, RotationProjectionAndTheEdgeOfThePlane) {
  platform::gfx::PointF p(10, 0);
  RotatePoint(p, 90);
  EXPECT_NEAR(p.x, 0.0, 1e-5);
  EXPECT_NEAR(p.y, 10.0, 1e-5) << "clockwise on the screen";
  p = {10, 0};
  RotatePoint(p, -90);
  EXPECT_NEAR(p.y, -10.0, 1e-5);
  PointInt q{10, 3};
  RotatePointInt(q, 30);
  EXPECT_EQ(q.x, 7);
  EXPECT_EQ(q.y, 7);
  q = {-10, -3};
  RotatePointInt(q, 30);
  EXPECT_EQ(q.x, -7) << "toward zero";

  platform::gfx::PointF out(5, 5);
  EXPECT_TRUE(ProjectLatLon(45, 10, 45, 10, -210, out));
  EXPECT_EQ(out.x, 0.0f);
  EXPECT_EQ(out.y, 0.0f);
  EXPECT_TRUE(ProjectLatLon(0, 0, 1, 0, -210, out));
  EXPECT_NEAR(out.x, 0.0, 1e-4);
  EXPECT_NEAR(out.y, -210.02, 0.005) << "north is up: the gnomonic tangent";
  EXPECT_TRUE(ProjectNdPoint(CLatLon(0, 0), CLatLon(0, -1), -210, out));
  EXPECT_NEAR(out.x, 210.02, 0.005) << "one degree east is to the right";
  EXPECT_NEAR(out.y, 0.0, 1e-4);
  out = {5, 5};
  EXPECT_FALSE(ProjectLatLon(0, 0, 0, 90, -210, out)) << "a quarter of the globe away";
  EXPECT_EQ(out.x, 0.0f);
  EXPECT_FALSE(ProjectLatLon(0, 0, 10, 150, -210, out));
  EXPECT_TRUE(ProjectLatLon(0, 0, 0, 89, -210, out));
}

}  // namespace
}  // namespace halcyon::test
