// The flight guidance and the host's simulator together, as a pilot flies
// them: the autothrottle with the levers in reverse, the simulator's clock,
// the altitude the host's autopilot holds, thrust from burning engines, the
// drag rise with Mach, and speed on pitch settling after a speed change.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/panel_services.h"
#include "core/switch.h"
#include "systems/dfgs.h"
#include "systems/thrust_rating.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr uint32_t kTokenHeading = 86;
constexpr uint32_t kTokenAltitudeLock = 108;
constexpr uint32_t kTokenAutopilotAltitude = 109;
constexpr uint32_t kTokenAutopilotVs = 120;
constexpr uint32_t kTokenFlightDirector = 792;
constexpr uint32_t kTokenSimulationClock = 604;

// On the ground, engines running, battery on, IRS aligned.
Cockpit& OnTheGround(Cockpit& cockpit) {
  cockpit.setPlaceholder("irs_left", 115).setPlaceholder("irs_right", 115).set(Token::OnGround, 1).set(kTokenHeading, 160);
  cockpit.set(Token::Engine1Combustion, 1).set(Token::Engine2Combustion, 1).set(63, 340 * 128);
  cockpit.start().control("APU", "battery", 41).runSeconds(2);
  return cockpit;
}

// In the air on the autopilot, the speed limits of the type.
Cockpit& InTheAir(Cockpit& cockpit, double altitudeFt, double iasKt, double throttle) {
  cockpit.setPlaceholder("irs_left", 115).setPlaceholder("irs_right", 115);
  cockpit.set(Token::OnGround, 0).set(Token::AltitudeFt, altitudeFt).set(Token::IndicatedAirspeedKt, iasKt);
  cockpit.set(kTokenHeading, 90).set(Token::Engine1Combustion, 1).set(Token::Engine2Combustion, 1);
  cockpit.set(Token::Engine1Throttle, throttle).set(Token::Engine2Throttle, throttle);
  cockpit.set(63, 340 * 128).set(822, 0.84).set(Token::AutopilotEngaged, 1);
  cockpit.start().control("APU", "battery", 41);
  return cockpit;
}

// ---- The autothrottle's EPR hold and the levers in reverse ----

TEST(HostFlight, ReverseOnTheGroundIsNotPushedBackAndDisengagesTheAutothrottle) {
  Cockpit cockpit({.start = false});
  OnTheGround(cockpit);
  cockpit.control("DFGS", "dfgs.at_switch", 41).control("FGCP PANEL", "flight_director", 1);
  ASSERT_EQ(GetDfgsThrustMode(), kThrustEprLimit);
  ASSERT_EQ(GetTrpMode(), kTrpTakeoff);
  cockpit.set(Token::Engine1Throttle, -3000).set(Token::Engine2Throttle, -3000).clearKeyEvents().runSeconds(1.1);
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventThrottle1Set).empty()) << "the EPR hold leaves reverse alone";
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventThrottle2Set).empty());
  EXPECT_EQ(cockpit.token(Token::Engine1Throttle), -3000.0);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustOff) << "reverse disengages the autothrottle";
  EXPECT_EQ(GetSwitch(&g_autothrottleSwitch), kSwitchOff);
  EXPECT_EQ(IsAutothrottleDisconnect(), 1u);
}

TEST(HostFlight, OneLeverInReverseIsEnoughAndForwardLeversAreHeld) {
  Cockpit cockpit({.start = false});
  OnTheGround(cockpit);
  cockpit.control("DFGS", "dfgs.at_switch", 41).control("FGCP PANEL", "flight_director", 1);
  cockpit.set(Token::Engine1Throttle, 0).set(Token::Engine2Throttle, 0).clearKeyEvents().runSeconds(1.1);
  EXPECT_FALSE(cockpit.keyEvents(kKeyEventThrottle1Set).empty()) << "forward: the EPR hold sets the levers";
  EXPECT_EQ(GetDfgsThrustMode(), kThrustEprLimit);
  cockpit.set(Token::Engine2Throttle, -1).clearKeyEvents().runSeconds(1.1);
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventThrottle2Set).empty());
  EXPECT_EQ(GetDfgsThrustMode(), kThrustOff);
}


// ---- The simulator's clock ----

TEST(HostFlight, TheSimulatorsTimeRunsInSecondsAndStandsInAPause) {
  Cockpit cockpit;
  const double before = cockpit.token(kTokenSimulationClock);
  cockpit.runTicks(18);
  EXPECT_DOUBLE_EQ(cockpit.token(kTokenSimulationClock), before + 1.0) << "18 ticks are one second";
  cockpit.runTicks(9);
  EXPECT_DOUBLE_EQ(cockpit.token(kTokenSimulationClock), before + 1.5);
  cockpit.freezeClock(true).runTicks(36);
  EXPECT_DOUBLE_EQ(cockpit.token(kTokenSimulationClock), before + 1.5);
  cockpit.freezeClock(false).runTicks(18 * 600);
  EXPECT_DOUBLE_EQ(cockpit.token(kTokenSimulationClock), before + 601.5) << "no rounding that grows with the run";
}

}  // namespace
}  // namespace halcyon::test
