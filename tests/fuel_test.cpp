// Fuel pumps and quantity: [FUEL PUMPS] and [FUEL QUANTITY] round trips, pumps
// on their buses, the tank selectors set by event pairs only on change, fuel
// temperature and weights.
#include <gtest/gtest.h>

#include <limits>

#include "core/panel_services.h"
#include "systems/apu.h"
#include "systems/electric.h"
#include "systems/engine_start.h"
#include "systems/fuel_pumps.h"
#include "systems/fuel_quantity.h"
#include "systems/levers.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

// Gallons in the left, centre and right tanks at 6.7 lb/gal.
void FillTanks(Cockpit& cockpit, double leftGal, double centerGal, double rightGal) {
  cockpit.set(Token::FuelWeightLbPerGallon, 6.7)
      .set(Token::FuelLeftGal, leftGal)
      .set(Token::FuelCenterGal, centerGal)
      .set(Token::FuelRightGal, rightGal);
}

size_t SelectorEvents(const Cockpit& cockpit) {
  size_t count = 0;
  for (const auto& record : cockpit.keyEvents()) {
    if ((record.event >= 65956 && record.event <= 65961) || (record.event >= 66517 && record.event <= 66522)) ++count;
  }
  return count;
}

TEST(Fuel, RoundTripOfPumpsAndPayloadAtFullWidth) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[FUEL PUMPS]\r\nfwd_left=41\r\naft_right=200\r\n[FUEL QUANTITY]\r\npayload=35000.7\r\n");
  cockpit.start();
  EXPECT_EQ(GetSwitch(&g_fuelPumpSwitches[kPumpFwdLeft]), 41);
  EXPECT_EQ(GetSwitch(&g_fuelPumpSwitches[kPumpFwdCenter]), 120);
  EXPECT_EQ(GetSwitch(&g_fuelPumpSwitches[kPumpAftRight]), 120);
  EXPECT_EQ(GetPayload(), 35000.7) << "five digits read whole";
  EXPECT_EQ(GetSwitch(&g_payloadKnobDisplay), 120);
  EXPECT_EQ(g_payloadKnobDisplay.duration, 54.0);
  cockpit.runSeconds(1);  // slow clicks: one step each
  IncPayload100();
  cockpit.runSeconds(1);
  IncPayload25();
  cockpit.runSeconds(1).shutdown();
  EXPECT_EQ(cockpit.ini("FUEL PUMPS", "fwd_left"), "41");
  EXPECT_EQ(cockpit.ini("FUEL PUMPS", "fwd_center"), "120");
  EXPECT_EQ(cockpit.ini("FUEL PUMPS", "aft_right"), "120");
  EXPECT_EQ(cockpit.ini("FUEL QUANTITY", "payload"), "35125");
}

// An absurd payload in the file is kept as read (the knob's steps bring it
// back); its save must not overflow the integer it is written as.
TEST(Fuel, ThePayloadStopsAtZero) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[FUEL QUANTITY]\r\npayload=60\r\n");
  cockpit.start().runSeconds(1);
  DecPayload100();
  EXPECT_EQ(GetPayload(), 0.0);
  cockpit.runSeconds(1);
  IncPayload25();
  EXPECT_EQ(GetPayload(), 25.0);
}

// A hundred off the payload is a hundred, click by slow click.
TEST(Fuel, TheHundredKnobTakesAHundredOff) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[FUEL QUANTITY]\r\npayload=260\r\n");
  cockpit.start().runSeconds(1);
  DecPayload100();
  EXPECT_EQ(GetPayload(), 160.0);
  cockpit.runSeconds(1);
  DecPayload100();
  EXPECT_EQ(GetPayload(), 60.0);
  cockpit.set(Token::FuelLeftGal, -5).set(Token::FuelRightGal, 10);
  EXPECT_EQ(GetFuelQuantityValue(kTankLeft), 0.0) << "a negative quantity reads empty";
}

TEST(Fuel, AHugeSavedPayloadIsWrittenBackSaturated) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[FUEL QUANTITY]\r\npayload=1e300\r\n");
  cockpit.start();
  EXPECT_EQ(GetPayload(), 1e300);
  cockpit.runSeconds(1).shutdown();
  EXPECT_EQ(cockpit.ini("FUEL QUANTITY", "payload"), "2147483647");
}

TEST(Fuel, PayloadDefaultStepsWeightsAndReadouts) {
  Cockpit cockpit;
  EXPECT_EQ(GetPayload(), 40000.0);
  IncPayload100();
  EXPECT_EQ(GetPayload(), 40000.0) << "held at most 40000";
  cockpit.runSeconds(1);  // a slow click: one step
  DecPayload25();
  EXPECT_EQ(GetPayload(), 39975.0);
  DecPayload25();
  EXPECT_EQ(GetPayload(), 39975.0 - 5 * 25.0) << "a click right after another steps by the multiplier";
  FillTanks(cockpit, 1000, 2000, 1600);
  EXPECT_DOUBLE_EQ(GetFuelQuantityValue(kTankLeft), 6700.0);
  EXPECT_DOUBLE_EQ(GetFuelQuantityValue(kTankRight), 9999.0) << "a wing read-out holds four digits";
  EXPECT_DOUBLE_EQ(GetFuelQuantityValue(kTankCenter), 13400.0);
  EXPECT_DOUBLE_EQ(GetFuelQuantityValue(kTankTotal), 4600 * 6.7);
  EXPECT_EQ(GetFuelQuantityValue(4), 0.0);
  EXPECT_DOUBLE_EQ(GetPanelZeroFuelWeight(), 39850.0 + 79686.0);
  EXPECT_DOUBLE_EQ(GetPanelGrossWeight(), 4600 * 6.7 + 39850.0 + 79686.0);
  EXPECT_EQ(RoundDownTo25(12349.9), 12325.0);
  EXPECT_EQ(RoundDownTo25(25.0), 25.0);
  EXPECT_EQ(RoundDownTo25(-30.0), -50.0);
}

TEST(Fuel, PumpsRunOnlyOnTheirBusesAndTheStartPumpOnTheBattery) {
  Cockpit cockpit;
  for (int32_t pump = 0; pump < kBoostPumpCount; ++pump) cockpit.setSwitch(&g_fuelPumpSwitches[pump], 41);
  cockpit.setSwitch(&g_startPumpSwitch, 41).runSeconds(2);
  for (int32_t pump = 0; pump <= kStartPump; ++pump) EXPECT_EQ(IsFuelPumpRunning(pump), 0u) << pump;
  cockpit.control("APU", "battery", 41).runSeconds(2);
  EXPECT_EQ(IsFuelPumpRunning(kStartPump), 1u);
  EXPECT_EQ(IsFuelPumpRunning(kPumpFwdCenter), 0u) << "no AC on the battery";
  cockpit.control("ELECTRIC", "ac_bus_x_tie", 120).control("ELECTRIC", "ext_bus_1_sw", 41).runSeconds(2);
  EXPECT_EQ(IsFuelPumpRunning(kPumpFwdCenter), 1u);
  EXPECT_EQ(IsFuelPumpRunning(kPumpFwdRight), 1u);
  EXPECT_EQ(IsFuelPumpRunning(kPumpAftLeft), 1u);
  EXPECT_EQ(IsFuelPumpRunning(kPumpFwdLeft), 0u) << "on AC bus 2";
  EXPECT_EQ(IsFuelPumpRunning(kPumpAftCenter), 0u);
  EXPECT_EQ(IsFuelPumpRunning(kPumpAftRight), 0u);
  EXPECT_EQ(IsFuelPumpRunning(7), 0u);
  EXPECT_EQ(IsFuelPumpRunning(-1), 0u);
}

TEST(Fuel, TankSelectorsFollowThePumpsWithOnePairOfEventsPerChange) {
  Cockpit cockpit;
  FillTanks(cockpit, 1000, 2000, 1000);
  cockpit.control("APU", "battery", 41).control("ELECTRIC", "ext_bus_1_sw", 41).control("ELECTRIC", "ext_bus_2_sw", 41);
  cockpit.runSeconds(2);
  // No pump running: each engine on its own tank.
  EXPECT_EQ(cockpit.token(Token::Engine1FuelSelector), kSelectLeft);
  EXPECT_EQ(cockpit.token(Token::Engine2FuelSelector), kSelectRight);
  EXPECT_EQ(SelectorEvents(cockpit), 2u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventSingleTankSelected).size(), 2u);
  cockpit.runSeconds(5);
  EXPECT_EQ(SelectorEvents(cockpit), 2u) << "nothing while the simulator agrees";

  // The forward centre pump alone, fuel in the centre: both engines on the centre tank.
  cockpit.clearKeyEvents().control("FUEL PUMPS", "fwd_center", 41).runSeconds(1);
  EXPECT_EQ(cockpit.token(Token::Engine1FuelSelector), kSelectCenter);
  EXPECT_EQ(cockpit.token(Token::Engine2FuelSelector), kSelectCenter);
  EXPECT_EQ(cockpit.keyEvents(65961).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(66522).size(), 1u);

  // Both centre pumps with 25 lb or less in the centre tank: back to the wings.
  cockpit.control("FUEL PUMPS", "aft_center", 41).set(Token::FuelCenterGal, 3.7).runSeconds(1);
  EXPECT_EQ(cockpit.token(Token::Engine1FuelSelector), kSelectLeft);
  EXPECT_EQ(cockpit.token(Token::Engine2FuelSelector), kSelectRight);

  // Left pumps off, right pumps on: engine 1 draws from the right tank only
  // through the FUEL XFEED, and from all tanks with the left pumps back on.
  cockpit.control("FUEL PUMPS", "fwd_center", 120).control("FUEL PUMPS", "aft_center", 120);
  cockpit.control("FUEL PUMPS", "fwd_right", 41).control("FUEL PUMPS", "aft_right", 41).runSeconds(1);
  EXPECT_EQ(cockpit.token(Token::Engine1FuelSelector), kSelectLeft) << "FUEL XFEED closed";
  cockpit.clearKeyEvents().setSwitch(&g_fuelXFeedLever, kFuelXFeedLeverOpen).runSeconds(1);
  EXPECT_EQ(cockpit.token(Token::Engine1FuelSelector), kSelectRight);
  EXPECT_EQ(cockpit.keyEvents(65958).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventSingleTankSelected).size(), 1u);
  cockpit.clearKeyEvents().control("FUEL PUMPS", "fwd_left", 41).runSeconds(1);
  EXPECT_EQ(cockpit.token(Token::Engine1FuelSelector), kSelectAll);
  EXPECT_EQ(cockpit.token(Token::Engine2FuelSelector), kSelectAll);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAllTanksSelected).size(), 2u);
}

// The engines' selectors, engine 1's first.
std::pair<double, double> Selectors(const Cockpit& cockpit) {
  return {cockpit.token(Token::Engine1FuelSelector), cockpit.token(Token::Engine2FuelSelector)};
}
using SelectorPair = std::pair<double, double>;

// With the FUEL XFEED open, through the feed rules' branches: the start pump
// feeds from the right tank; both centre pumps need more than 25 lb in the
// centre tank; one centre pump feeds the sides without pumps of their own
// from the centre, or from their own tanks once it is empty.
TEST(Fuel, StartPumpOneCentrePumpAndThe25PoundLine) {
  Cockpit cockpit;
  cockpit.set(Token::FuelWeightLbPerGallon, 5.0).set(Token::FuelLeftGal, 1000).set(Token::FuelRightGal, 1000);
  cockpit.set(Token::FuelCenterGal, 5.0);  // 25 lb: no fuel
  cockpit.setSwitch(&g_fuelXFeedLever, kFuelXFeedLeverOpen);
  cockpit.control("APU", "battery", 41).setSwitch(&g_startPumpSwitch, 41).runSeconds(1);
  EXPECT_EQ(Selectors(cockpit), SelectorPair(kSelectRight, kSelectRight)) << "the start pump is a right-tank pump";

  cockpit.setSwitch(&g_startPumpSwitch, 120).control("ELECTRIC", "ext_bus_1_sw", 41).control("ELECTRIC", "ext_bus_2_sw", 41);
  cockpit.control("FUEL PUMPS", "fwd_center", 41).control("FUEL PUMPS", "aft_center", 41).runSeconds(1);
  EXPECT_EQ(Selectors(cockpit), SelectorPair(kSelectLeft, kSelectRight)) << "25 lb is no fuel";
  cockpit.set(Token::FuelCenterGal, 5.2).runSeconds(1);
  EXPECT_EQ(Selectors(cockpit), SelectorPair(kSelectCenter, kSelectCenter)) << "26 lb is";

  // Both centre pumps on an empty centre tank count as none: the left pumps feed.
  cockpit.set(Token::FuelCenterGal, 5.0).control("FUEL PUMPS", "fwd_left", 41).runSeconds(1);
  EXPECT_EQ(Selectors(cockpit), SelectorPair(kSelectLeft, kSelectLeft));

  // One centre pump: the right side has no pump, so the centre feeds it ...
  cockpit.control("FUEL PUMPS", "aft_center", 120).set(Token::FuelCenterGal, 100).runSeconds(1);
  EXPECT_EQ(Selectors(cockpit), SelectorPair(kSelectCenter, kSelectCenter));
  // ... or, with the centre empty, the right tank does; with no wing pump at
  // all both wing tanks feed.
  cockpit.set(Token::FuelCenterGal, 5.0).runSeconds(1);
  EXPECT_EQ(Selectors(cockpit), SelectorPair(kSelectRight, kSelectRight));
  cockpit.control("FUEL PUMPS", "fwd_left", 120).runSeconds(1);
  EXPECT_EQ(Selectors(cockpit), SelectorPair(kSelectAll, kSelectAll));
}

// Fuel heat warms the fuel 0.7 degrees a verdict up to its 60-degree limit
// (cycle after cycle while the switch stays on); then it cools 0.1 a verdict.
TEST(Fuel, FuelHeatWarmsTheFuelToItsLimitAndItCoolsAfterwards) {
  Cockpit cockpit({.start = false});
  cockpit.setScaled(Token::AmbientTemp, 10.0).set(Token::UnitsOfMeasure, 2);
  cockpit.start().runSeconds(1);
  const auto offset = [] { return GetFuelTemperature(1) - 10.0; };
  cockpit.setSwitch(&g_fuelHeatLeftSwitch, 41);
  cockpit.runUntil([] { return IsFuelHeatOn(1) != 0; }, 2);
  ASSERT_EQ(IsFuelHeatOn(1), 1u);
  cockpit.runTicks(19 * 5);
  EXPECT_NEAR(offset(), 5 * 0.7, 1e-9);
  EXPECT_NEAR(GetFuelTemperature(2), 10.0, 1e-9) << "engine 2's fuel is not heated";
  cockpit.runSeconds(150);
  EXPECT_GE(offset(), 60.0 - 0.1);
  EXPECT_LT(offset(), 60.0 + 0.7) << "no step once at 60";

  cockpit.setSwitch(&g_fuelHeatLeftSwitch, 120);
  cockpit.runUntil([] { return IsFuelHeatOn(1) == 0; }, 65).runTicks(1);
  const double warm = offset();
  cockpit.runTicks(19 * 3);
  EXPECT_NEAR(offset(), warm - 3 * 0.1, 1e-9);
}

// The mirror of the cross-feed rule: right pumps off, left pumps on, the FUEL
// XFEED open: engine 2 draws from the left tank through its own events, and
// engine 1 stays on its own.
TEST(Fuel, Engine2DrawsFromTheLeftTankThroughTheCrossFeed) {
  Cockpit cockpit;
  FillTanks(cockpit, 1000, 2000, 1000);
  cockpit.control("APU", "battery", 41).control("ELECTRIC", "ext_bus_1_sw", 41).control("ELECTRIC", "ext_bus_2_sw", 41);
  cockpit.control("FUEL PUMPS", "fwd_left", 41).control("FUEL PUMPS", "aft_left", 41).runSeconds(2);
  EXPECT_EQ(Selectors(cockpit), SelectorPair(kSelectLeft, kSelectRight)) << "FUEL XFEED closed";
  cockpit.clearKeyEvents().setSwitch(&g_fuelXFeedLever, kFuelXFeedLeverOpen).runSeconds(1);
  EXPECT_EQ(Selectors(cockpit), SelectorPair(kSelectLeft, kSelectLeft));
  EXPECT_EQ(cockpit.keyEvents(kKeyEventEngine2SelectorBase + kSelectLeft).size(), 1u);
  EXPECT_EQ(SelectorEvents(cockpit), 1u) << "engine 1's selector already agrees";
}

// Engine 2's fuel heat warms engine 2's fuel only.
TEST(Fuel, Engine2sFuelHeatWarmsItsOwnFuel) {
  Cockpit cockpit({.start = false});
  cockpit.setScaled(Token::AmbientTemp, 10.0).set(Token::UnitsOfMeasure, 2);
  cockpit.start().runSeconds(1);
  cockpit.setSwitch(&g_fuelHeatRightSwitch, 41);
  cockpit.runUntil([] { return IsFuelHeatOn(2) != 0; }, 2);
  ASSERT_EQ(IsFuelHeatOn(2), 1u);
  cockpit.runTicks(19 * 4);
  EXPECT_NEAR(GetFuelTemperature(2) - 10.0, 4 * 0.7, 1e-9);
  EXPECT_NEAR(GetFuelTemperature(1), 10.0, 1e-9) << "engine 1's fuel is not heated";
}

TEST(Fuel, FuelTemperatureCreepsTowardTheOutsideAirInTheUnitSystemsUnit) {
  Cockpit cockpit({.start = false});
  cockpit.setScaled(Token::AmbientTemp, 10.0);
  cockpit.start();
  EXPECT_DOUBLE_EQ(GetFuelTemperature(1), 50.0) << "10 degrees C in degrees F";
  cockpit.setScaled(Token::AmbientTemp, 20.0).runSeconds(10.6);
  EXPECT_NEAR(GetFuelTemperature(2), (10.0 + 10 * 0.001) * 1.8 + 32.0, 1e-9);
  cockpit.set(Token::UnitsOfMeasure, 2).runSeconds(1);
  EXPECT_NEAR(GetFuelTemperature(2), 10.0 + 11 * 0.001, 1e-9);
  EXPECT_EQ(GetFuelTemperature(3), 0.0);

  // Within a step of the outside air the base still moves a whole step, past
  // it, and back the next second (a verdict every 19 ticks).
  const double baseDegC = GetFuelTemperature(2);
  cockpit.setScaled(Token::AmbientTemp, baseDegC + 0.0004).runTicks(19);
  EXPECT_NEAR(GetFuelTemperature(2), baseDegC + 0.001, 1e-9);
  cockpit.runTicks(19);
  EXPECT_NEAR(GetFuelTemperature(2), baseDegC, 1e-9);
}

// No outside temperature from the simulator at start-up (NaN): the fuel of
// both engines starts at 0 degrees C and creeps toward the first good one.
TEST(Fuel, FuelTemperatureStartsAtZeroWithoutAnOutsideTemperature) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::AmbientTemp, std::numeric_limits<double>::quiet_NaN());
  cockpit.start();
  EXPECT_EQ(GetFuelTemperature(1), 32.0);
  EXPECT_EQ(GetFuelTemperature(2), 32.0);
  cockpit.setScaled(Token::AmbientTemp, 10.0).runSeconds(10.6);
  EXPECT_NEAR(GetFuelTemperature(1), 10 * 0.001 * 1.8 + 32.0, 1e-9);
}

}  // namespace
}  // namespace halcyon::test
