// Automatic reserve thrust: arming for a flaps-out take-off, the monitor at
// take-off thrust, the trip on a 30 % split held after lift-off, and the
// switch and the flexible take-off rating that end it.
#include <gtest/gtest.h>

#include "systems/reserve_thrust.h"
#include "systems/thrust_rating.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr int32_t kTrpFlexTakeoff = 2;

Cockpit& Thrust(Cockpit& cockpit, double engine1, double engine2) {
  return cockpit.set(Token::Engine1N1Pct, engine1).set(Token::Engine2N1Pct, engine2).runTicks(1);
}

// On the ground with both engines running.
void ReadyForTakeoff(Cockpit& cockpit) {
  cockpit.set(Token::OnGround, 1).set(Token::Engine1Combustion, 1).set(Token::Engine2Combustion, 1);
}

TEST(ReserveThrust, ArmsMonitorsAndTripsOnASplitThatHoldsAfterLiftOff) {
  Cockpit cockpit;
  ReadyForTakeoff(cockpit);
  cockpit.runTicks(2);
  EXPECT_EQ(GetArtState(), kArtOff) << "flaps up: no arming";
  cockpit.set(Token::Engine2Combustion, 0).set(Token::FlapHandle, 6553).runTicks(1);
  EXPECT_EQ(GetArtState(), kArtOff) << "one engine stopped";
  cockpit.set(Token::Engine2Combustion, 1).runTicks(1);
  EXPECT_EQ(GetArtState(), kArtArmed);

  Thrust(cockpit, 64, 90);
  EXPECT_EQ(GetArtState(), kArtArmed) << "64 is not above 64";
  Thrust(cockpit, 64.1, 90);
  EXPECT_EQ(GetArtState(), kArtMonitoring);
  Thrust(cockpit, 60, 90);
  EXPECT_EQ(GetArtState(), kArtMonitoring) << "exactly 30 behind";
  Thrust(cockpit, 57, 57.9);
  EXPECT_EQ(GetArtState(), kArtArmed) << "both below 58: armed again";
  Thrust(cockpit, 90, 90);
  EXPECT_EQ(GetArtState(), kArtMonitoring);
  Thrust(cockpit, 90, 59.9);
  EXPECT_EQ(GetArtState(), kArtTripped);
  cockpit.set(Token::OnGround, 0).set(Token::FlapHandle, 0);
  Thrust(cockpit, 90, 20);
  cockpit.runSeconds(5);
  EXPECT_EQ(GetArtState(), kArtTripped) << "reserve thrust holds after lift-off";
  cockpit.control("ART", "art_switch", kSwitchOff).runTicks(1);
  EXPECT_EQ(GetArtState(), kArtOff);
}

TEST(ReserveThrust, ArmedEndsAirborneMonitoringEndsWithFlapsUpTheSwitchEndsAnyState) {
  Cockpit cockpit;
  EXPECT_EQ(GetSwitch(&g_artSwitch), 44) << "the default";
  ReadyForTakeoff(cockpit);
  cockpit.set(Token::FlapHandle, 6553).runTicks(1);
  ASSERT_EQ(GetArtState(), kArtArmed);
  cockpit.set(Token::OnGround, 0).runTicks(1);
  EXPECT_EQ(GetArtState(), kArtOff) << "airborne while armed";
  cockpit.set(Token::OnGround, 1).runTicks(1);
  Thrust(cockpit, 80, 80);
  ASSERT_EQ(GetArtState(), kArtMonitoring);
  cockpit.set(Token::FlapHandle, 0).runTicks(1);
  EXPECT_EQ(GetArtState(), kArtOff) << "flaps up during the run";

  cockpit.set(Token::FlapHandle, 6553).runTicks(2);
  ASSERT_EQ(GetArtState(), kArtMonitoring) << "armed, then on at take-off thrust";
  cockpit.control("ART", "art_switch", kSwitchOff).runTicks(1);
  EXPECT_EQ(GetArtState(), kArtOff);
  EXPECT_EQ(IsArtSwitchOff(), 1u);
  cockpit.runTicks(5);
  EXPECT_EQ(GetArtState(), kArtOff) << "stays off with the switch off";
  cockpit.control("ART", "art_switch", 44).runTicks(1);
  EXPECT_EQ(GetArtState(), kArtArmed);
}

TEST(ReserveThrust, TheFlexibleTakeoffRatingForcesItOff) {
  Cockpit cockpit;
  ReadyForTakeoff(cockpit);
  cockpit.set(Token::FlapHandle, 6553);
  SetTrpMode(kTrpFlexTakeoff);
  cockpit.runTicks(2);
  EXPECT_EQ(GetArtState(), kArtOff) << "no arming in the flexible take-off rating";
  SetTrpMode(1);
  Thrust(cockpit, 80, 80).runTicks(1);
  Thrust(cockpit, 80, 45);
  ASSERT_EQ(GetArtState(), kArtTripped);
  SetTrpMode(kTrpFlexTakeoff);
  cockpit.runTicks(1);
  EXPECT_EQ(GetArtState(), kArtOff) << "even tripped";
  SetArtState(kArtMonitoring);
  cockpit.runTicks(1);
  EXPECT_EQ(GetArtState(), kArtOff) << "every tick";
}

TEST(ReserveThrust, SwitchRoundTripAndStateSetter) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[ART]\r\nart_switch=120\r\n");
  cockpit.start();
  EXPECT_EQ(IsArtSwitchOff(), 1u);
  SetArtState(3);
  EXPECT_EQ(GetArtState(), kArtTripped);
  SetArtState(4);
  SetArtState(-1);
  EXPECT_EQ(GetArtState(), kArtTripped) << "outside 0..3 ignored";
  cockpit.control("ART", "art_switch", 45).shutdown();
  EXPECT_EQ(cockpit.ini("ART", "art_switch"), "45");
}

}  // namespace
}  // namespace halcyon::test
