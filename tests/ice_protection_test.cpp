// Ice protection: the airfoil heat's 150-s heating and 900-s rest, the four
// heat flags with the engines and bleed air, the thrust rating taken back
// while the airfoil rests, and the pitot heat following the meter selector.
#include <gtest/gtest.h>

#include "systems/ice_protection.h"
#include "systems/pneumatics.h"
#include "systems/thrust_rating.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

// The cycle in seconds of the simulator's clock.
constexpr double kHeatingSeconds = 150.0;
constexpr double kRestingSeconds = 900.0;

double Seconds(const Cockpit& cockpit) { return cockpit.token(Token::SimulatorClockSeconds); }
uint32_t Flag(uint32_t n) { return GetIceProtectionFlag(n); }

// Both engines running with their bleed open to the anti-ice, in flight.
void EnginesWithBleedInFlight(Cockpit& cockpit) {
  cockpit.set(Token::Engine1Combustion, 1).set(Token::Engine2Combustion, 1).set(Token::OnGround, 0);
  cockpit.setSwitch(&g_pneumaticXFeedLeft, kXFeedLeverPassesAir).setSwitch(&g_pneumaticXFeedRight, kXFeedLeverPassesAir);
}

// Runs until the flag reaches the value; the simulator's seconds then.
double WaitForFlag(Cockpit& cockpit, uint32_t n, uint32_t value, double maxSeconds) {
  cockpit.runUntil([&] { return Flag(n) == value; }, maxSeconds);
  EXPECT_EQ(Flag(n), value) << "flag " << n;
  return Seconds(cockpit);
}

TEST(IceProtection, AirfoilHeatHeatsFor150AndRestsFor900Seconds) {
  Cockpit cockpit;
  EnginesWithBleedInFlight(cockpit);
  cockpit.setSwitch(&g_engineAntiIceLeft, kSwitchOn).setSwitch(&g_engineAntiIceRight, kSwitchOn);
  cockpit.setSwitch(&g_airfoilHeatSwitch, kSwitchOn);
  SetTrpMode(2);
  const double heatOn = WaitForFlag(cockpit, kAirfoilHeating, 1, 1.2);
  EXPECT_EQ(GetSwitch(&g_airfoilHeatCycle), kSwitchOn);
  EXPECT_EQ(Flag(kAirfoilHeatResting), 0u);
  EXPECT_EQ(Flag(kEngine1AntiIceActive), 1u);
  EXPECT_EQ(Flag(kEngine2AntiIceActive), 1u);

  const double heatOff = WaitForFlag(cockpit, kAirfoilHeating, 0, 160);
  EXPECT_GT(heatOff - heatOn, kHeatingSeconds);
  EXPECT_LT(heatOff - heatOn, kHeatingSeconds + 1.1) << "ends on the first second after 150 s";
  EXPECT_EQ(Flag(kAirfoilHeatResting), 1u) << "resting in flight";
  EXPECT_EQ(GetSwitch(&g_airfoilHeatCycle), kSwitchOff);

  const double nextOn = WaitForFlag(cockpit, kAirfoilHeating, 1, 910);
  EXPECT_GT(nextOn - heatOff, kRestingSeconds);
  EXPECT_LT(nextOn - heatOff, kRestingSeconds + 1.1);
  EXPECT_EQ(GetTrpMode(), 2) << "both engines' anti-ice on: the thrust rating is left alone";

  // Switched off while heating: this heating still ends on time, and no other starts.
  cockpit.setSwitch(&g_airfoilHeatSwitch, kSwitchOff);
  const double lastOff = WaitForFlag(cockpit, kAirfoilHeating, 0, 160);
  EXPECT_GT(lastOff - nextOn, kHeatingSeconds);
  EXPECT_EQ(Flag(kAirfoilHeatResting), 0u) << "not selected";
  cockpit.runSeconds(1000);
  EXPECT_EQ(GetSwitch(&g_airfoilHeatCycle), kSwitchOff);
}

TEST(IceProtection, RestingInFlightWithOneEngineAntiIceOffTakesTheThrustRatingBack) {
  Cockpit cockpit;
  EnginesWithBleedInFlight(cockpit);
  cockpit.setSwitch(&g_engineAntiIceLeft, kSwitchOn).setSwitch(&g_airfoilHeatSwitch, kSwitchOn);
  SetTrpMode(2);
  WaitForFlag(cockpit, kAirfoilHeating, 1, 1.2);
  cockpit.runSeconds(2);
  EXPECT_EQ(GetTrpMode(), 2) << "heating, not resting";
  WaitForFlag(cockpit, kAirfoilHeatResting, 1, 160);
  EXPECT_EQ(Flag(kEngine2AntiIceActive), 0u);
  EXPECT_EQ(GetTrpMode(), 0);
  SetTrpMode(3);
  cockpit.runSeconds(1.1);
  EXPECT_EQ(GetTrpMode(), 0) << "every second while resting";
}

TEST(IceProtection, FlagsNeedBleedAirRunningEnginesAndFlight) {
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 1).set(Token::Engine1Combustion, 1);
  cockpit.setSwitch(&g_engineAntiIceLeft, kSwitchOn).setSwitch(&g_engineAntiIceRight, kSwitchOn);
  cockpit.setSwitch(&g_airfoilHeatSwitch, kSwitchOn).runSeconds(1.1);
  EXPECT_EQ(Flag(kEngine1AntiIceActive), 1u);
  EXPECT_EQ(Flag(kEngine2AntiIceActive), 0u) << "engine 2 not running";
  EXPECT_EQ(Flag(kAirfoilHeating), 0u) << "no bleed air to the anti-ice";
  EXPECT_EQ(GetSwitch(&g_airfoilHeatCycle), kSwitchOn) << "the cycle runs all the same";

  cockpit.setSwitch(&g_pneumaticXFeedLeft, kXFeedLeverPassesAir).runSeconds(1.1);
  EXPECT_EQ(Flag(kAirfoilHeating), 1u);
  WaitForFlag(cockpit, kAirfoilHeating, 0, 160);
  cockpit.runSeconds(2);
  EXPECT_EQ(Flag(kAirfoilHeatResting), 0u) << "on the ground";
  cockpit.set(Token::OnGround, 0).runSeconds(1.1);
  EXPECT_EQ(Flag(kAirfoilHeatResting), 1u);

  EXPECT_EQ(IsEngineAntiIceOn(1), 1u);
  cockpit.setSwitch(&g_engineAntiIceRight, 43);
  EXPECT_EQ(IsEngineAntiIceOn(2), 0u) << "only 41 is on";
  EXPECT_EQ(IsEngineAntiIceOn(0), 0u);
  EXPECT_EQ(IsEngineAntiIceOn(3), 0u);
  EXPECT_EQ(GetIceProtectionFlag(4), 0u);
}

TEST(IceProtection, TheAirfoilSwitchMovedOnWaitsForTheNextCycle) {
  Cockpit cockpit;
  EnginesWithBleedInFlight(cockpit);
  cockpit.runSeconds(1);
  cockpit.control("ICE PROTECTION", "air_foiL", kSwitchOn);
  EXPECT_EQ(IsAirfoilHeatSwitchOn(), 1u);
  const double switchedOn = Seconds(cockpit);
  const double heatOn = WaitForFlag(cockpit, kAirfoilHeating, 1, 910);
  EXPECT_GT(heatOn - switchedOn, kRestingSeconds);
  EXPECT_LT(heatOn - switchedOn, kRestingSeconds + 1.1);
}

TEST(IceProtection, PitotHeatFollowsTheMeterSelector) {
  Cockpit cockpit;
  cockpit.runSeconds(1.1);
  EXPECT_EQ(cockpit.token(Token::PitotHeat), 1.0) << "selector 1: on";
  cockpit.control("ICE PROTECTION", "meter_selector", kPitotHeatOffSelector);
  const double moved = cockpit.tick18();
  cockpit.runUntil([&] { return cockpit.token(Token::PitotHeat) == 0.0; }, 2);
  EXPECT_LE(cockpit.tick18() - moved, 19.0);
  ASSERT_EQ(cockpit.keyEvents(kKeyEventPitotHeatOff).size(), 1u);
  cockpit.control("ICE PROTECTION", "meter_selector", 3).runSeconds(1.1);
  EXPECT_EQ(cockpit.token(Token::PitotHeat), 1.0);
  cockpit.runSeconds(3);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventPitotHeatOn).size(), 2u) << "once at start-up, once now";
  EXPECT_EQ(cockpit.keyEvents(kKeyEventPitotHeatOff).size(), 1u);
}

}  // namespace
}  // namespace halcyon::test
