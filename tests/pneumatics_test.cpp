// Pneumatics and air conditioning: [PNEUMATIC X-FEED] and [AIR CONDITION]
// round trips (the valve knob kept through a flight that ends with the
// supplies off), the duct pressure by source less its users, and the
// indicated temperatures creeping toward their settings.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "core/controls.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/air_condition.h"
#include "systems/apu.h"
#include "systems/engine_start.h"
#include "systems/pneumatics.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

// The APU running with its air on, from the saved state, at 10 degrees C.
void SaveApuAir(Cockpit& cockpit, const std::string& extraIni) {
  cockpit.set(Token::OnGround, 1).setScaled(Token::AmbientTemp, 10.0).set(Token::ApuRpmFraction, 1.0);
  cockpit.writeFile(kIni, "[APU]\r\nbattery=41\r\nmaster=48\r\nair_switch=41\r\nstate=2\r\n" + extraIni);
}

// Runs until the cabin's indicated temperature moves, and returns the step.
double NextCreep(Cockpit& cockpit) {
  const double before = GetAirconIndicatedTemp();
  cockpit.runUntil([&] { return GetAirconIndicatedTemp() != before; }, 2);
  return GetAirconIndicatedTemp() - before;
}

TEST(Pneumatics, RoundTripOfTheCrossFeeds) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[PNEUMATIC X-FEED]\r\nleft=1\r\nright=11\r\n");
  cockpit.start();
  EXPECT_EQ(GetSwitch(&g_pneumaticXFeedLeft), 1);
  EXPECT_EQ(GetSwitch(&g_pneumaticXFeedRight), kXFeedLeverDefault) << "not one of its frames";
  HandleXFeedLeverLeft(0, 1);
  cockpit.runTicks(5);
  EXPECT_EQ(GetSwitch(&g_pneumaticXFeedLeft), 5);
  cockpit.runTicks(10).shutdown();
  EXPECT_EQ(cockpit.ini("PNEUMATIC X-FEED", "left"), "10");
  EXPECT_EQ(cockpit.ini("PNEUMATIC X-FEED", "right"), "10");
}

TEST(Pneumatics, DuctPressureBySourceLessItsUsers) {
  Cockpit cockpit({.start = false});
  SaveApuAir(cockpit, "[AIR CONDITION]\r\nsupply_left=41\r\nsupply_right=41\r\n");
  cockpit.start();
  cockpit.runSeconds(1.1);
  EXPECT_EQ(GetPneumaticPressure(), 36.0) << "the supplies take air only from a running engine's side";

  // Both starters at ground start: 6 psi each; the airfoil anti-ice 4 more.
  cockpit.control("ENGINE STARTER", "starter_left", kStarterGroundStart);
  cockpit.control("ENGINE STARTER", "starter_right", kStarterGroundStart).runSeconds(1.1);
  EXPECT_EQ(GetPneumaticPressure(), 24.0);
  cockpit.control("ICE PROTECTION", "air_foiL", 41).runSeconds(1.1);
  EXPECT_EQ(GetPneumaticPressure(), 20.0);
  cockpit.control("ENGINE STARTER", "starter_left", 120).control("ENGINE STARTER", "starter_right", 120);
  cockpit.control("ICE PROTECTION", "air_foiL", 120);

  // Engine 1 through its cross-feed gives 39; its supply, anti-ice and fuel
  // heat take 2, 3 and 2.
  cockpit.set(Token::Engine1Combustion, 1).runSeconds(1.1);
  EXPECT_EQ(GetPneumaticPressure(), 36.0 - 2.0) << "APU air (the left cross-feed is closed), less the left supply";
  cockpit.control("PNEUMATIC X-FEED", "left", kXFeedLeverPassesAir).runSeconds(2.2);
  EXPECT_EQ(GetPneumaticPressure(), 39.0 - 2.0);
  cockpit.control("ICE PROTECTION", "engine_left", 41).control("ICE PROTECTION", "engine_right", 41);
  cockpit.control("ENGINE STARTER", "fuel_heat_left", 41).control("ENGINE STARTER", "fuel_heat_right", 41);
  cockpit.runSeconds(1.1);
  EXPECT_EQ(GetPneumaticPressure(), 39.0 - 2.0 - 3.0 - 2.0) << "engine 2 does not run: nothing of its side";

  // Engine 2 alone gives 38; both through both cross-feeds 41.
  cockpit.control("ICE PROTECTION", "engine_left", 120).control("ICE PROTECTION", "engine_right", 120);
  cockpit.control("ENGINE STARTER", "fuel_heat_left", 120).control("ENGINE STARTER", "fuel_heat_right", 120);
  cockpit.control("AIR CONDITION", "supply_left", 120).control("AIR CONDITION", "supply_right", 120);
  cockpit.set(Token::Engine1Combustion, 0).set(Token::Engine2Combustion, 1);
  cockpit.control("PNEUMATIC X-FEED", "right", kXFeedLeverPassesAir).runSeconds(61);
  EXPECT_EQ(GetPneumaticPressure(), 38.0);
  cockpit.set(Token::Engine1Combustion, 1).runSeconds(1.1);
  EXPECT_EQ(GetPneumaticPressure(), 41.0);

  // Everything off: 0, never below.
  cockpit.set(Token::Engine1Combustion, 0).set(Token::Engine2Combustion, 0).control("APU", "air_switch", 120);
  cockpit.control("ENGINE STARTER", "starter_left", kStarterGroundStart).runSeconds(1.1);
  EXPECT_EQ(GetPneumaticPressure(), 0.0);
}

// Each side's users count only with their own engine running, and each
// starter alone takes its own 6 psi: engine 2 alone through its cross-feed
// with every user of both sides on, then the right starter alone on APU air.
TEST(Pneumatics, EachSideTakesItsOwnUsersAndStarter) {
  Cockpit cockpit({.start = false});
  SaveApuAir(cockpit, "[AIR CONDITION]\r\nsupply_left=41\r\nsupply_right=41\r\n");
  cockpit.start();
  cockpit.control("ENGINE STARTER", "starter_right", kStarterGroundStart).runSeconds(1.1);
  EXPECT_EQ(GetPneumaticPressure(), 36.0 - 6.0) << "the right starter alone";
  cockpit.control("ENGINE STARTER", "starter_right", 120);
  cockpit.control("ENGINE STARTER", "starter_left", kStarterGroundStart).runSeconds(1.1);
  EXPECT_EQ(GetPneumaticPressure(), 36.0 - 6.0) << "the left starter alone";
  cockpit.control("ENGINE STARTER", "starter_left", 120);

  cockpit.set(Token::Engine2Combustion, 1).control("PNEUMATIC X-FEED", "right", kXFeedLeverPassesAir);
  cockpit.control("ICE PROTECTION", "engine_left", 41).control("ICE PROTECTION", "engine_right", 41);
  cockpit.control("ENGINE STARTER", "fuel_heat_left", 41).control("ENGINE STARTER", "fuel_heat_right", 41);
  cockpit.runSeconds(2.2);
  EXPECT_EQ(GetPneumaticPressure(), 38.0 - 2.0 - 3.0 - 2.0) << "engine 1 does not run: nothing of its side";
}

// Each cross-feed lever runs its own moves frame by frame, a frame a tick:
// the right one from the air-passing frame back to 10 and out again, the
// left one out from 10 (a saved 11 is none of its frames).
TEST(Pneumatics, EachCrossFeedRunsBothWaysFrameByFrame) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[PNEUMATIC X-FEED]\r\nleft=11\r\nright=1\r\n");
  cockpit.start();
  EXPECT_EQ(GetSwitch(&g_pneumaticXFeedLeft), kXFeedLeverDefault) << "not one of its frames";
  EXPECT_EQ(GetSwitch(&g_pneumaticXFeedRight), 1);
  int32_t position = 0;
  ASSERT_TRUE(ReadControl(L"PNEUMATIC X-FEED", L"right", &position));
  EXPECT_EQ(position, 1) << "a scenario's expect reads the right lever";
  ASSERT_TRUE(ReadControl(L"PNEUMATIC X-FEED", L"left", &position));
  EXPECT_EQ(position, kXFeedLeverDefault);
  HandleXFeedLeverRight(0, 1);
  cockpit.runTicks(5);
  EXPECT_EQ(GetSwitch(&g_pneumaticXFeedRight), 5);
  cockpit.runTicks(10);
  EXPECT_EQ(GetSwitch(&g_pneumaticXFeedRight), 10);
  HandleXFeedLeverRight(0, 0);
  HandleXFeedLeverLeft(0, 0);
  cockpit.runTicks(5);
  EXPECT_EQ(GetSwitch(&g_pneumaticXFeedRight), 6);
  EXPECT_EQ(GetSwitch(&g_pneumaticXFeedLeft), 6);
  cockpit.runTicks(10);
  EXPECT_EQ(GetSwitch(&g_pneumaticXFeedRight), 1);
  EXPECT_EQ(GetSwitch(&g_pneumaticXFeedLeft), 1);
}

// The duct pressure is worked out once a second, on its channel's tick.
TEST(Pneumatics, TheDuctPressureChangesOnlyOnItsChannelsTick) {
  Cockpit cockpit({.start = false});
  SaveApuAir(cockpit, "");
  cockpit.start();
  cockpit.runSeconds(2.5).watchChannel(kChannel1HzC);
  EXPECT_EQ(GetPneumaticPressure(), 36.0);
  cockpit.control("ENGINE STARTER", "starter_left", kStarterGroundStart);
  std::vector<double> changedOn;
  for (int tick = 0; tick < 40; ++tick) {
    const double before = GetPneumaticPressure();
    cockpit.runTicks(1);
    if (GetPneumaticPressure() != before) changedOn.push_back(cockpit.tick18());
  }
  cockpit.runTicks(1);  // the last tick's channel is seen on the next
  ASSERT_EQ(changedOn.size(), 1u);
  EXPECT_EQ(cockpit.dueTicks(kChannel1HzC).count(changedOn[0]), 1u) << "changed on tick " << changedOn[0];
  EXPECT_EQ(GetPneumaticPressure(), 30.0);
}

// The knob value survives a flight that ends with both supplies off (the
// working setting then holds the outside temperature).
TEST(AirCondition, RoundTripKeepsTheValveKnob) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[AIR CONDITION]\r\ncockpit_temp=41\r\ntemp_select=63\r\nl_valve_temp=3.5\r\n"
                          "r_valve_temp=6.1\r\n");
  cockpit.start();
  EXPECT_EQ(GetAirconValveTemp(0), 3.5);
  EXPECT_EQ(GetAirconValveTemp(1), 0.0) << "above 6.0: not taken";
  EXPECT_EQ(GetAirconValveTemp(2), 0.0);
  EXPECT_EQ(GetSwitch(&g_cabinTempSwitch), 1);
  EXPECT_EQ(GetSwitch(&g_radioRackVenturiSwitch), 62);
  EXPECT_EQ(IsAirconSupplyOn(0), 0u);
  EXPECT_EQ(IsAirconSupplyOn(-1), 0u);
  cockpit.runSeconds(2);
  IncAirconValveTemp(1);
  cockpit.control("AIR CONDITION", "r_valve_temp", 42).runSeconds(1).shutdown();
  EXPECT_EQ(cockpit.ini("AIR CONDITION", "l_valve_temp"), "3.5");
  EXPECT_EQ(cockpit.ini("AIR CONDITION", "r_valve_temp"), "4.2");
  EXPECT_EQ(cockpit.ini("AIR CONDITION", "cockpit_temp"), "41");
  EXPECT_EQ(cockpit.ini("AIR CONDITION", "cabin_temp"), "1");
  EXPECT_EQ(cockpit.ini("AIR CONDITION", "supply_left"), "120");
  EXPECT_EQ(cockpit.ini("AIR CONDITION", "temp_select"), "63");
  EXPECT_EQ(cockpit.ini("AIR CONDITION", "radio_rack_venturi"), "62");
}

TEST(AirCondition, TheKnobStepsByTenthsWithinItsRange) {
  Cockpit cockpit;
  SetAirconValveTemp(0, 5.85);
  IncAirconValveTemp(0);
  EXPECT_DOUBLE_EQ(GetAirconValveTemp(0), 5.9);
  IncAirconValveTemp(0);
  IncAirconValveTemp(0);
  EXPECT_DOUBLE_EQ(GetAirconValveTemp(0), 6.0) << "held at 6.0";
  SetAirconValveTemp(0, 0.1);
  DecAirconValveTemp(0);
  DecAirconValveTemp(0);
  EXPECT_EQ(GetAirconValveTemp(0), 0.0);
  SetAirconValveTemp(0, -0.1);
  SetAirconValveTemp(0, std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(GetAirconValveTemp(0), 0.0);
}

// Indicated temperatures start at setting x 10 + outside air (C), and creep
// once a second, only with bleed air, by 0.2 + 0.002 x the difference.
TEST(AirCondition, IndicatedTemperaturesCreepWithBleedAir) {
  Cockpit cockpit({.start = false});
  SaveApuAir(cockpit, "[AIR CONDITION]\r\nl_valve_temp=1.0\r\nr_valve_temp=2.0\r\ncabin_temp=41\r\n");
  cockpit.start();
  EXPECT_DOUBLE_EQ(GetAirconIndicatedTemp(), 2.0 * 10 + 10.0);
  // Both supplies off: the settings are the outside air, in degrees F (50).
  EXPECT_NEAR(NextCreep(cockpit), 0.2 + 0.002 * 20.0, 1e-9);
  const double start = GetAirconIndicatedTemp();
  EXPECT_NEAR(NextCreep(cockpit), 0.2 + 0.002 * (50.0 - start), 1e-9);

  // A supply on: the cabin (cabin_temp not 1) goes to its knob value, 2.0.
  cockpit.control("AIR CONDITION", "supply_right", 41);
  const double cabin = GetAirconIndicatedTemp();
  EXPECT_NEAR(NextCreep(cockpit), -(0.2 + 0.002 * (cabin - 2.0)), 1e-9);
  // No bleed air: no creep.
  cockpit.control("APU", "air_switch", 120).runSeconds(0.1);
  const double held = GetAirconIndicatedTemp();
  cockpit.runSeconds(3);
  EXPECT_EQ(GetAirconIndicatedTemp(), held);
  // Metric: the settings in degrees C; a bad temperature keeps the last setting.
  cockpit.control("AIR CONDITION", "supply_right", 120).control("APU", "air_switch", 41);
  cockpit.set(Token::UnitsOfMeasure, 2).setScaled(Token::AmbientTemp, 40.0).runSeconds(2);
  cockpit.set(Token::AmbientTemp, std::numeric_limits<double>::quiet_NaN()).runSeconds(300);
  EXPECT_NEAR(GetAirconIndicatedTemp(), 40.0, 0.25) << "within a step of the setting, stepping across it";
}

}  // namespace
}  // namespace halcyon::test
