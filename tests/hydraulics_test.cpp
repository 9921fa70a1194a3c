// Hydraulics: [HYDRAULIC PUMPS] round trip, 100-psi steps on the half-second
// channel with their dead band, engine pumps high and low, the auxiliary
// pump, and the transfer pump's two directions.
#include <gtest/gtest.h>

#include <limits>

#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/hydraulics.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

// The simulator's engine hydraulic output that reads as `psi`.
constexpr double Output(double psi) { return psi * TokenScale(Token::Engine1HydraulicOutput); }

TEST(Hydraulics, RoundTripOfThePumpSwitches) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[HYDRAULIC PUMPS]\r\nengine1=94\r\nengine2=7\r\naux=41\r\n");
  cockpit.start();
  EXPECT_EQ(GetSwitch(&g_hydEngine1Pump), 94);
  EXPECT_EQ(GetSwitch(&g_hydEngine2Pump), 7) << "kept as saved; it counts as off";
  EXPECT_EQ(GetSwitch(&g_hydAuxPump), 41);
  EXPECT_EQ(GetSwitch(&g_hydTransferPump), 120);
  cockpit.runSeconds(3);
  EXPECT_EQ(GetHydraulicPressure(2), 0.0) << "an engine-2 pump neither high, low nor off: no pressure";
  cockpit.control("HYDRAULIC PUMPS", "transfer", 41).runSeconds(1).shutdown();
  EXPECT_EQ(cockpit.ini("HYDRAULIC PUMPS", "engine1"), "94");
  EXPECT_EQ(cockpit.ini("HYDRAULIC PUMPS", "engine2"), "7");
  EXPECT_EQ(cockpit.ini("HYDRAULIC PUMPS", "aux"), "41");
  EXPECT_EQ(cockpit.ini("HYDRAULIC PUMPS", "transfer"), "41");
}

// Engines stopped, auxiliary pump on: system 2 climbs 100 psi each time the
// half-second channel is due, to within its dead band of 3000; through the
// transfer pump system 1 follows.
TEST(Hydraulics, TheAuxiliaryPumpRaisesSystem2AndTheTransferPumpSystem1) {
  Cockpit cockpit;
  cockpit.watchChannel(kChannel2Hz);
  cockpit.control("HYDRAULIC PUMPS", "aux", 41).control("HYDRAULIC PUMPS", "transfer", 41);
  const double startTick = cockpit.tick18();
  cockpit.runTicks(60);
  size_t steps = 0;
  for (double tick : cockpit.dueTicks(kChannel2Hz)) steps += tick > startTick ? 1 : 0;
  ASSERT_GE(steps, 5u);
  EXPECT_EQ(GetHydraulicPressure(2), 100.0 * steps);
  EXPECT_EQ(GetHydraulicPressure(1), 100.0 * (steps - 2)) << "lifted once system 2 leads it by more than the dead band";
  cockpit.runSeconds(20);
  EXPECT_EQ(GetHydraulicPressure(2), 2900.0) << "a target within 100 psi leaves the pressure";
  EXPECT_EQ(GetHydraulicPressure(1), 2800.0);
  EXPECT_EQ(GetHydraulicPressure(0), 0.0);
  EXPECT_EQ(GetHydraulicPressure(3), 0.0);
}

TEST(Hydraulics, EnginePumpsHighAndLowWithTheAuxiliaryPumpAsAFloor) {
  Cockpit cockpit;
  cockpit.set(Token::Engine1HydraulicOutput, Output(3000)).set(Token::Engine2HydraulicOutput, Output(4000));
  cockpit.runSeconds(20);
  EXPECT_EQ(GetHydraulicPressure(1), 1400.0) << "low: half of 3000, within the dead band";
  EXPECT_EQ(GetHydraulicPressure(2), 1900.0);
  cockpit.control("HYDRAULIC PUMPS", "aux", 41).runSeconds(10);
  EXPECT_EQ(GetHydraulicPressure(2), 2900.0) << "the auxiliary pump holds 3000 over a lower half";
  cockpit.control("HYDRAULIC PUMPS", "engine2", kHydPumpHigh).control("HYDRAULIC PUMPS", "engine1", kHydPumpHigh);
  cockpit.runSeconds(10);
  EXPECT_EQ(GetHydraulicPressure(2), 3900.0);
  EXPECT_EQ(GetHydraulicPressure(1), 2900.0);

  // Down again in steps when the engines stop; bad outputs count as none.
  cockpit.control("HYDRAULIC PUMPS", "aux", 120);
  cockpit.set(Token::Engine1HydraulicOutput, std::numeric_limits<double>::quiet_NaN());
  cockpit.set(Token::Engine2HydraulicOutput, -Output(500)).runSeconds(1.2);
  EXPECT_EQ(GetHydraulicPressure(1), 2700.0);
  cockpit.runSeconds(20);
  EXPECT_EQ(GetHydraulicPressure(1), 100.0);
  EXPECT_EQ(GetHydraulicPressure(2), 100.0);
}

// System 1 is lifted from system 2 while either of system 2's pumps is on;
// system 2 from system 1 only while its engine pump is not off.
TEST(Hydraulics, TheTransferPumpLiftsEachWayOnItsOwnTerms) {
  Cockpit cockpit;
  cockpit.control("HYDRAULIC PUMPS", "transfer", 41).control("HYDRAULIC PUMPS", "engine2", 120);
  cockpit.set(Token::Engine1HydraulicOutput, Output(6000));
  cockpit.control("HYDRAULIC PUMPS", "engine1", kHydPumpLow).runSeconds(20);
  EXPECT_EQ(GetHydraulicPressure(1), 2900.0);
  EXPECT_EQ(GetHydraulicPressure(2), 0.0) << "engine-2 pump off: no lift from system 1";
  cockpit.control("HYDRAULIC PUMPS", "engine2", kHydPumpLow).runSeconds(20);
  EXPECT_EQ(GetHydraulicPressure(2), 2800.0) << "engine-2 pump on (no output): lifted";

  cockpit.set(Token::Engine1HydraulicOutput, 0).control("HYDRAULIC PUMPS", "engine2", 120);
  cockpit.control("HYDRAULIC PUMPS", "transfer", 120).control("HYDRAULIC PUMPS", "aux", 41).runSeconds(30);
  EXPECT_EQ(GetHydraulicPressure(2), 2900.0);
  EXPECT_EQ(GetHydraulicPressure(1), 100.0) << "no transfer: down to the dead band above 0";
  cockpit.control("HYDRAULIC PUMPS", "transfer", 41).runSeconds(30);
  EXPECT_EQ(GetHydraulicPressure(1), 2800.0) << "the auxiliary pump alone is enough to lift system 1";
}

}  // namespace
}  // namespace halcyon::test
