// Fuel used: [FUEL FLOW] round trip at full width, a drop of the total fuel
// weight shared by the fuel flows, refuelling rebasing the comparison, both
// flows at zero, the five-digit wrap and bad values from the simulator.
#include <gtest/gtest.h>

#include <limits>

#include "core/panel_services.h"
#include "systems/fuel_flow.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

// The simulator's total fuel weight follows its tanks: at one pound a gallon
// the centre tank's gallons are the total in pounds.
Cockpit& SetTotalLb(Cockpit& cockpit, double pounds) {
  return cockpit.set(Token::FuelWeightLbPerGallon, 1.0).set(Token::FuelCenterGal, pounds);
}

Cockpit& SetFlows(Cockpit& cockpit, double engine1, double engine2) {
  return cockpit.set(Token::Engine1FuelFlow, engine1).set(Token::Engine2FuelFlow, engine2);
}

TEST(FuelFlow, RoundTripAtFullWidth) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[FUEL FLOW]\r\neng1_fuel_used_pounds=99999.7\r\neng2_fuel_used_pounds=100000\r\n");
  SetTotalLb(cockpit, 20000);
  cockpit.start();
  EXPECT_EQ(GetFuelUsed(1), 99999.7);
  EXPECT_EQ(GetFuelUsed(2), 0.0) << "100000 or more loads as 0";
  EXPECT_EQ(GetFuelUsed(3), 0.0);
  cockpit.runSeconds(1).shutdown();
  EXPECT_EQ(cockpit.ini("FUEL FLOW", "eng1_fuel_used_pounds"), "99999");
  EXPECT_EQ(cockpit.ini("FUEL FLOW", "eng2_fuel_used_pounds"), "0");
}

TEST(FuelFlow, ANegativeOrMissingCounterLoadsAsZero) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[FUEL FLOW]\r\neng1_fuel_used_pounds=-4\r\n");
  cockpit.start();
  EXPECT_EQ(GetFuelUsed(1), 0.0);
  EXPECT_EQ(GetFuelUsed(2), 0.0);
}

// No fuel is counted for the time the panel did not run: the comparison
// starts from the total at load.
TEST(FuelFlow, ADropIsSharedByTheFuelFlows) {
  Cockpit cockpit({.start = false});
  SetTotalLb(cockpit, 20000);
  cockpit.start();
  SetFlows(cockpit, 1000, 1000);
  SetTotalLb(cockpit, 19990).runTicks(1);
  EXPECT_DOUBLE_EQ(GetFuelUsed(1), 5.0);
  EXPECT_DOUBLE_EQ(GetFuelUsed(2), 5.0);
  SetFlows(cockpit, 3000, 1000);
  SetTotalLb(cockpit, 19970).runTicks(1);
  EXPECT_DOUBLE_EQ(GetFuelUsed(1), 20.0);
  EXPECT_DOUBLE_EQ(GetFuelUsed(2), 10.0);

  // Refuelling adds nothing and rebases; the next drop counts from there.
  SetTotalLb(cockpit, 25000).runTicks(1);
  EXPECT_DOUBLE_EQ(GetFuelUsed(1), 20.0);
  SetTotalLb(cockpit, 24996).runTicks(1);
  EXPECT_DOUBLE_EQ(GetFuelUsed(1), 23.0);
  EXPECT_DOUBLE_EQ(GetFuelUsed(2), 11.0);

  // Both flows at zero (or unusable): the drop is split evenly, never NaN.
  SetFlows(cockpit, 0, 0);
  SetTotalLb(cockpit, 24990).runTicks(1);
  EXPECT_DOUBLE_EQ(GetFuelUsed(1), 26.0);
  EXPECT_DOUBLE_EQ(GetFuelUsed(2), 14.0);
  SetFlows(cockpit, std::numeric_limits<double>::quiet_NaN(), -500);
  SetTotalLb(cockpit, 24980).runTicks(1);
  EXPECT_DOUBLE_EQ(GetFuelUsed(1), 31.0);
  EXPECT_DOUBLE_EQ(GetFuelUsed(2), 19.0);
  SetFlows(cockpit, std::numeric_limits<double>::quiet_NaN(), 800);
  SetTotalLb(cockpit, 24970).runTicks(1);
  EXPECT_DOUBLE_EQ(GetFuelUsed(1), 31.0) << "a bad flow counts as none";
  EXPECT_DOUBLE_EQ(GetFuelUsed(2), 29.0);

  ResetFuelUsed();
  EXPECT_EQ(GetFuelUsed(1), 0.0);
  EXPECT_EQ(GetFuelUsed(2), 0.0);
  cockpit.runTicks(2).shutdown();
  EXPECT_EQ(cockpit.ini("FUEL FLOW", "eng1_fuel_used_pounds"), "0");
}

TEST(FuelFlow, TheCounterWrapsAtFiveDigits) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[FUEL FLOW]\r\neng1_fuel_used_pounds=99998\r\n");
  SetTotalLb(cockpit, 30000);
  cockpit.start();
  SetFlows(cockpit, 1000, 0);
  SetTotalLb(cockpit, 29997).runTicks(1);
  EXPECT_DOUBLE_EQ(GetFuelUsed(1), 1.0);
  EXPECT_EQ(GetFuelUsed(2), 0.0);
  SetFuelUsed(2, 500.0, 0.0);
  SetFuelUsed(5, 500.0, 0.0);
  EXPECT_EQ(GetFuelUsed(2), 500.0);
  cockpit.runTicks(1);
  EXPECT_EQ(GetFuelUsed(2), 500.0) << "a last total of 0 rebases first";
}

}  // namespace
}  // namespace halcyon::test
