// The unit system, the TAS/SAT indicator, the speed bugs and the ground
// service panel: their INI sections and the cases their readers rely on.
#include <gtest/gtest.h>

#include <cmath>

#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/ground_service.h"
#include "systems/speed_bugs.h"
#include "systems/tas_sat.h"
#include "systems/thrust_rating.h"
#include "systems/unit_system.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

TEST(Units, AnOddSavedValueHoldsUntilTheSimulatorsSettingTakesOver) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[UNIT SYSTEM]\r\nunit_system=5\r\n");
  cockpit.set(Token::UnitsOfMeasure, 7).setScaled(Token::AmbientTemp, 40);
  cockpit.start();
  EXPECT_EQ(IsMetricUnits(), 5) << "stored as read";
  EXPECT_DOUBLE_EQ(ToDisplayWeight(1000.0), 453.592);
  cockpit.runSeconds(1);
  EXPECT_EQ(IsMetricUnits(), 5) << "7 is no setting of the simulator";
  EXPECT_EQ(GetStaticAirTemp(), 40.0) << "the SAT is recomputed all the same";
  cockpit.set(Token::UnitsOfMeasure, 0).runSeconds(1);
  EXPECT_EQ(IsMetricUnits(), 0);
  EXPECT_EQ(ToDisplayWeight(1000.0), 1000.0);
  EXPECT_EQ(GetStaticAirTemp(), 99.0) << "104 degrees F held at 99";
  EXPECT_EQ(GetTrpAssumedTemp(), 0) << "from a unit system of 5 the conversion leaves it as it is";
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("UNIT SYSTEM", "unit_system"), "0");
}

TEST(Units, LeavingCelsiusConvertsTheAssumedTemperatureFirst) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[UNIT SYSTEM]\r\nunit_system=1\r\n");
  cockpit.set(Token::UnitsOfMeasure, 0).setScaled(Token::AmbientTemp, -60);
  cockpit.start().runSeconds(1);
  EXPECT_EQ(IsMetricUnits(), 0);
  EXPECT_EQ(GetTrpAssumedTemp(), 32) << "0 degrees C is 32 degrees F";
  EXPECT_EQ(GetStaticAirTemp(), -76.0);
  cockpit.set(Token::UnitsOfMeasure, 2).runSeconds(1);
  EXPECT_EQ(GetTrpAssumedTemp(), 0) << "32 degrees F back to 0 degrees C";
  EXPECT_EQ(GetStaticAirTemp(), -60.0);
  cockpit.set(Token::UnitsOfMeasure, 1).runSeconds(1);
  EXPECT_EQ(IsMetricUnits(), 1);
  EXPECT_EQ(GetTrpAssumedTemp(), 0) << "one metric setting to the other: still degrees C";
  cockpit.setScaled(Token::AmbientTemp, -150).runSeconds(1);
  EXPECT_EQ(GetStaticAirTemp(), -99.0);
}

// Without a saved value the INI's "0" holds until the first update; the
// simulator's setting is then truncated toward zero.
TEST(Units, AMissingSectionGivesPoundsAndTheSettingIsTruncated) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::UnitsOfMeasure, 1.9).watchChannel(kChannel2Hz);
  cockpit.start();
  EXPECT_EQ(IsMetricUnits(), 0);
  cockpit.runUntil([] { return IsMetricUnits() != 0; }, 1);
  EXPECT_EQ(IsMetricUnits(), 1);
  const double changeTick = cockpit.tick18();
  cockpit.runTicks(1);
  EXPECT_EQ(*cockpit.dueTicks(kChannel2Hz).begin(), changeTick) << "on the first half-second tick";
  cockpit.set(Token::UnitsOfMeasure, -0.5).runSeconds(1);
  EXPECT_EQ(IsMetricUnits(), 0) << "-0.5 truncates to 0";
  cockpit.set(Token::UnitsOfMeasure, 3.0).runSeconds(1);
  EXPECT_EQ(IsMetricUnits(), 0);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("UNIT SYSTEM", "unit_system"), "0");
}

TEST(Units, TrueAirspeedFromGroundSpeedAndTheWindAlongTheHeading) {
  Cockpit cockpit;
  constexpr double kRadPerDeg = 0.017453292519943295;
  cockpit.set(Token::GroundSpeedMps, 100).set(Token::WindSpeedKt, 20);
  cockpit.setScaled(Token::TrueHeadingRad, 90).set(Token::WindDirectionDeg, 90);
  EXPECT_NEAR(GetTrueAirspeed(), 214.3844, 1e-9) << "headwind";
  cockpit.set(Token::WindDirectionDeg, 270);
  EXPECT_NEAR(GetTrueAirspeed(), 174.3844, 1e-9) << "tailwind";
  cockpit.setScaled(Token::TrueHeadingRad, 350).set(Token::WindDirectionDeg, 10);
  EXPECT_NEAR(GetTrueAirspeed(), 194.3844 + 20 * std::cos(20 * kRadPerDeg), 1e-9) << "-340 is 20 degrees";
}

TEST(SpeedBugs, AMissingSectionGivesTheDefaults) {
  Cockpit cockpit;
  const double defaultsKt[] = {50.0, 60.0, 65.0, 70.0, 0.0};
  for (int32_t bug = 1; bug <= 5; ++bug) EXPECT_EQ(GetSpeedBug(bug), defaultsKt[bug - 1]) << bug;
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("AIRSPEED", "bug4"), "70");
}

TEST(SpeedBugs, DefaultsRefusalsSteppingAndSave) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[AIRSPEED]\r\nbug3=500\r\nbug4=450\r\n");
  cockpit.start();
  EXPECT_EQ(GetSpeedBug(1), 50.0) << "the default \"50.000000\" read through the 5-character buffer";
  EXPECT_EQ(GetSpeedBug(2), 60.0);
  EXPECT_EQ(GetSpeedBug(3), 0.0) << "500 refused";
  EXPECT_EQ(GetSpeedBug(4), 0.0) << "450 refused";
  EXPECT_EQ(GetSpeedBug(5), 0.0) << "bug 5's default of 0 refused";
  EXPECT_EQ(GetSpeedBug(6), 0.0);

  SetSpeedBug(1, 120.7);
  SetSpeedBug(2, 0.0);
  SetSpeedBug(2, 450.0);
  EXPECT_EQ(GetSpeedBug(2), 60.0);
  SetSpeedBug(3, 449.5);
  cockpit.runSeconds(1);  // slow clicks step by one
  StepSpeedBug(3, kSpeedBugRaise);
  EXPECT_EQ(GetSpeedBug(3), 450.0) << "stepping reaches what SetSpeedBug refuses";
  SetSpeedBug(4, 0.5);
  cockpit.runSeconds(1);  // slow clicks step by one
  StepSpeedBug(4, kSpeedBugLower);
  EXPECT_EQ(GetSpeedBug(4), 0.0);
  cockpit.runSeconds(1);  // slow clicks step by one
  StepSpeedBug(2, 7);
  EXPECT_EQ(GetSpeedBug(2), 60.0) << "no such direction";
  cockpit.runSeconds(1);  // slow clicks step by one
  StepSpeedBug(2, kSpeedBugLower);
  EXPECT_EQ(GetSpeedBug(2), 59.0);
  StepSpeedBug(2, kSpeedBugLower);
  EXPECT_EQ(GetSpeedBug(2), 54.0) << "a click right after another steps by the fast-click multiplier";
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("AIRSPEED", "bug1"), "120");
  EXPECT_EQ(cockpit.ini("AIRSPEED", "bug2"), "54");
  EXPECT_EQ(cockpit.ini("AIRSPEED", "bug3"), "450");
  EXPECT_EQ(cockpit.ini("AIRSPEED", "bug4"), "0");
  EXPECT_EQ(cockpit.ini("AIRSPEED", "bug5"), "0");
}

TEST(GroundService, AMissingSectionLoadsOffAndPositionsRoundTrip) {
  Cockpit cockpit;
  EXPECT_EQ(GetSwitch(&g_gsepApuSwitch), 120);
  EXPECT_EQ(GetSwitch(&g_gsepExternalSwitch), 120);
  EXPECT_EQ(GetSwitch(&g_gsepMaintPhone), 120);
  cockpit.control("GSEP", "ext_switch", 41).control("gsep", "MAINT_PHONE", 150);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("GSEP", "apu_switch"), "120");
  EXPECT_EQ(cockpit.ini("GSEP", "ext_switch"), "41");
  EXPECT_EQ(cockpit.ini("GSEP", "maint_phone"), "120") << "out of range stored as off";
}

TEST(GroundService, SavedPositionsLoadWithOutOfRangeOnesAsOff) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[GSEP]\r\napu_switch=41\r\next_switch=139\r\nmaint_phone=0\r\n");
  cockpit.start();
  EXPECT_EQ(GetSwitch(&g_gsepApuSwitch), 41);
  EXPECT_EQ(GetSwitch(&g_gsepExternalSwitch), 120);
  EXPECT_EQ(GetSwitch(&g_gsepMaintPhone), 0);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("GSEP", "apu_switch"), "41");
  EXPECT_EQ(cockpit.ini("GSEP", "ext_switch"), "120");
  EXPECT_EQ(cockpit.ini("GSEP", "maint_phone"), "0");
}

}  // namespace
}  // namespace halcyon::test
