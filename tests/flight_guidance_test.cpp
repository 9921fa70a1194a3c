// The flight guidance flown through the host's autopilot and flight model:
// engagement, altitude capture, speed on pitch, the autothrottle's modes and
// limits, take-off and go-around, power loss, units, LNAV and VNAV.
#include <gtest/gtest.h>

#include <cmath>

#include "core/panel_services.h"
#include "core/switch.h"
#include "fmc/fms.h"
#include "systems/dfgs.h"
#include "systems/epr.h"
#include "systems/fma.h"
#include "systems/irs.h"
#include "systems/speed_bugs.h"
#include "systems/thrust_rating.h"
#include "systems/various.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr double kThrottleClimb = 12000.0;

double AltitudeFt(const Cockpit& cockpit) { return cockpit.token(Token::AltitudeFt); }
double IasKt(const Cockpit& cockpit) { return cockpit.token(Token::IndicatedAirspeedKt); }
int32_t Value(const platform::sim::KeyEventRecord& record) { return static_cast<int32_t>(record.value); }

// In cruise on the battery with both engines running, the IRS in NAV, the
// speed limits of the type; the autopilot engaged from load when asked.
Cockpit& Airborne(Cockpit& cockpit, double altitudeFt, double iasKt, bool autopilot) {
  cockpit.set(Token::OnGround, 0).set(Token::AltitudeFt, altitudeFt).set(Token::IndicatedAirspeedKt, iasKt);
  cockpit.set(Token::HeadingDeg, 90).set(Token::Engine1Combustion, 1).set(Token::Engine2Combustion, 1);
  cockpit.set(Token::Engine1Throttle, kThrottleClimb).set(Token::Engine2Throttle, kThrottleClimb);
  cockpit.setScaled(Token::MaxOperatingSpeed, 340).set(Token::MaxOperatingMach, 0.84);
  cockpit.set(Token::AutopilotEngaged, autopilot ? 1 : 0);
  cockpit.start().irsInNav().control("APU", "battery", 41);
  return cockpit;
}

CockpitOptions Flying() { return {.start = false, .flightModel = true}; }

TEST(FlightGuidance, EngagedAtLoadHoldsAltitudeAndHeadingThenCapturesAClimb) {
  Cockpit cockpit(Flying());
  Airborne(cockpit, 5000, 250, true).runSeconds(1.5);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchAltitudeHold);
  EXPECT_EQ(GetDfgsRollMode(), kRollHeadingHold);
  ASSERT_FALSE(cockpit.keyEvents(kKeyEventAltitudeHold).empty());
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAutopilotAltitudeSet).front().value, 5000u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventHeadingBugSet).front().value, 94u)
      << "the heading flown as the compass reads it: 90 true, 3.8 degrees west at 0 N 0 E";
  EXPECT_EQ(cockpit.keyEvents(kKeyEventHeadingHold).size(), 1u);
  EXPECT_EQ(cockpit.token(Token::AutopilotEngaged), 1.0) << "the IRS valid and power on: still engaged";

  // The crew sets 10000 ft, arms the preselect and rolls the pitch wheel 17
  // clicks nose up: vertical speed from 100 ft/min, then 100 ft/min a click.
  cockpit.control("FGCP PANEL", "altitude_knob", 50).runTicks(1);
  SetDfgsSelectedValue(kSelAltitude, 10000);
  cockpit.control("FGCP PANEL", "altitude_preselect", 1).clearKeyEvents();
  cockpit.control("FGCP PANEL", "vs_wheel", 17);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchVerticalSpeed);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventVerticalSpeedSet).back().value, 100u);
  EXPECT_EQ(cockpit.keyEvents(65894).size(), 17u) << "vertical speed up, a click each";
  EXPECT_EQ(cockpit.token(Token::AutopilotVerticalSpeedFpm), 1800.0);
  EXPECT_EQ(cockpit.token(Token::AutopilotAltitudeFt), 69900.0) << "climbing free";

  double captureAltitude = 0.0;
  cockpit.runUntil(
      [&] {
        if (captureAltitude == 0.0 && GetDfgsAltPreselectArm() == kAltArmCapturing) captureAltitude = AltitudeFt(cockpit);
        return GetDfgsPitchMode() == kPitchAltitudeHold;
      },
      400);
  EXPECT_GT(captureAltitude, 9640.0 - 1800.0 / 60.0) << "within a second of the 360-ft band";
  EXPECT_LT(captureAltitude, 9700.0);
  EXPECT_EQ(GetDfgsAltPreselectArm(), kAltArmOff);
  EXPECT_GT(AltitudeFt(cockpit), 10000.0 - 180.0) << "level-off within the 180-ft band";
  EXPECT_EQ(cockpit.token(Token::AutopilotAltitudeFt), 10000.0);
  cockpit.runSeconds(30);
  EXPECT_NEAR(AltitudeFt(cockpit), 10000.0, 10.0) << "the simulator holds the altitude set";
  EXPECT_EQ(GetDfgsPitchMode(), kPitchAltitudeHold);

  // A heading selected: the aircraft turns at the standard rate.
  cockpit.control("FGCP PANEL", "heading_knob", 30).control("FGCP PANEL", "heading_switch", 1);
  EXPECT_EQ(GetDfgsRollMode(), kRollHeadingSelect);
  cockpit.runSeconds(5);
  EXPECT_NEAR(cockpit.token(Token::HeadingDeg), 90.0 + 5 * 3.0, 1.5);
  cockpit.runSeconds(20);
  EXPECT_NEAR(cockpit.token(Token::MagneticHeadingDeg), GetDfgsSelectedValue(kSelHeading), 0.5);

  // Autopilot and flight director off: every mode clears at the next main pass.
  cockpit.control("FGCP PANEL", "autopilot", 1).runSeconds(1.1);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchNone);
  EXPECT_EQ(GetDfgsRollMode(), kRollNone);
}

TEST(FlightGuidance, VerticalSpeedReachingZeroHoldsTheAltitudeAndCommandsGoInHundreds) {
  Cockpit cockpit(Flying());
  Airborne(cockpit, 8000, 250, true).runSeconds(1.5);
  SetDfgsPitchMode(kPitchVerticalSpeed);
  cockpit.set(Token::AutopilotVerticalSpeedFpm, 30).clearKeyEvents().runSeconds(1);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchAltitudeHold);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAltitudeHold).size(), 1u);
}

// The IAS/MACH button takes the speed flown as its target: the airspeed, then,
// pressed again, the Mach number.
TEST(IasMachButton, TakesTheSpeedFlown) {
  Cockpit cockpit({.start = false});
  Airborne(cockpit, 6000, 263, true).runSeconds(1.5);
  cockpit.setScaled(Token::Mach, 0.437).set(Token::IndicatedAirspeedKt, 261);
  cockpit.control("FGCP PANEL", "ias_mach", 1);
  ASSERT_EQ(GetDfgsPitchMode(), kPitchIasOnPitch);
  EXPECT_EQ(GetDfgsIasTarget(), 261.0);
  cockpit.control("FGCP PANEL", "ias_mach", 1);
  ASSERT_EQ(GetDfgsPitchMode(), kPitchMachOnPitch);
  EXPECT_NEAR(GetDfgsMachTarget(), 0.437, 1e-9);
}

// Speed on pitch: faster than the target the command climbs, slower it descends,
// and the speed settles on the target from either side.
class SpeedOnPitch : public testing::TestWithParam<double> {};

TEST_P(SpeedOnPitch, ConvergesOnTheTarget) {
  Cockpit cockpit(Flying());
  Airborne(cockpit, 6000, GetParam(), true).runSeconds(1.5);
  ASSERT_EQ(GetDfgsPitchMode(), kPitchAltitudeHold);
  cockpit.control("FGCP PANEL", "ias_mach", 1);
  ASSERT_EQ(GetDfgsPitchMode(), kPitchIasOnPitch);
  SetDfgsIasTarget(250);
  cockpit.clearKeyEvents().runSeconds(3);
  const auto commands = cockpit.keyEvents(kKeyEventVerticalSpeedSet);
  ASSERT_GE(commands.size(), 2u);
  if (GetParam() > 250) {
    EXPECT_GT(Value(commands.back()), Value(commands.front())) << "too fast: the command rises";
  } else {
    EXPECT_LE(Value(commands.back()), Value(commands.front())) << "too slow: the command falls";
  }
  for (const auto& command : commands) EXPECT_EQ(Value(command) % 100, 0);
  cockpit.runSeconds(240);
  EXPECT_NEAR(IasKt(cockpit), 250.0, 4.0);
  EXPECT_GT(cockpit.scaled(Token::VerticalSpeed), 500.0) << "climb power: the excess goes into the climb";
}

INSTANTIATE_TEST_SUITE_P(FlightGuidance, SpeedOnPitch, testing::Values(280.0, 220.0));

TEST(FlightGuidance, AutothrottleSpeedMachRetardAndEprModes) {
  Cockpit cockpit(Flying());
  Airborne(cockpit, 12000, 280, true).runSeconds(1.5);
  cockpit.set(Token::AutopilotAirspeedKt, 260).clearKeyEvents();
  cockpit.control("DFGS", "dfgs.at_switch", 41).runSeconds(1.1);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustIas);
  EXPECT_EQ(cockpit.token(Token::AutothrottleArmed), 1.0);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAirspeedHold).size(), 1u) << "SPD asks the simulator's airspeed hold";
  cockpit.runSeconds(90);
  EXPECT_NEAR(IasKt(cockpit), 260.0, 3.0) << "the throttles hold the speed";

  // Idle throttles in flight: retard; a throttle moved up again returns.
  cockpit.set(Token::Engine1Throttle, 50).set(Token::Engine2Throttle, 50).set(Token::AutopilotAirspeedKt, 150);
  cockpit.runSeconds(1.1);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustRetard);
  cockpit.set(Token::AutopilotAirspeedKt, 300).runSeconds(3);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustIas);

  // Mach above 27000 ft when the autothrottle comes on.
  cockpit.control("DFGS", "dfgs.at_switch", 120);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustOff);
  EXPECT_EQ(cockpit.token(Token::AutothrottleArmed), 0.0);
  cockpit.set(Token::AltitudeFt, 31000).control("DFGS", "dfgs.at_switch", 41);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustMach);
  EXPECT_EQ(GetDfgsSpeedView(), 1);

  // EPR limit in climb: the throttles are set for the limit, within the simulator's range.
  PressTrpModeButton(kTrpClimb);
  cockpit.set(Token::AltitudeFt, 12000).control("FGCP PANEL", "epr_limit", 1).clearKeyEvents().runSeconds(1.1);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustEprLimit);
  const auto throttle = cockpit.keyEvents(kKeyEventThrottle1Set);
  ASSERT_FALSE(throttle.empty());
  EXPECT_GE(Value(throttle.back()), 0);
  EXPECT_LE(Value(throttle.back()), 16384);
  EXPECT_EQ(cockpit.token(Token::AutothrottleArmed), 0.0) << "the simulator's autothrottle lets go in EPR";
  PressTrpModeButton(kTrpClimb);
  cockpit.runSeconds(1.1);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustOff) << "no rating, no EPR mode";
}

TEST(FlightGuidance, EprHoldClampsTheThrottleCommand) {
  Cockpit cockpit(Flying());
  Airborne(cockpit, 3000, 250, true).runSeconds(1.5);
  cockpit.control("DFGS", "dfgs.at_switch", 41);
  PressTrpModeButton(kTrpGoAround);
  cockpit.setScaled(Token::AmbientTemp, -40.0).runSeconds(1);
  ASSERT_GT(GetTrpTarget(), 2.0);
  SetDfgsThrustMode(kThrustEprLimit);
  cockpit.set(Token::Engine1N2Pct, 60).set(Token::Engine2N2Pct, 60).clearKeyEvents().runSeconds(1.1);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventThrottle1Set).back().value, 16384u) << "the law asks for more than full";
  EXPECT_GT(EprToThrottlePosition(GetTrpTarget(), GetEprDisplayValue(1)), 16384);
}

TEST(FlightGuidance, SpeedLimitAndFlapPlacardReturnToTheModeBefore) {
  Cockpit cockpit(Flying());
  Airborne(cockpit, 8000, 250, true).runSeconds(1.5);
  cockpit.control("DFGS", "dfgs.at_switch", 41).runSeconds(1.1);
  ASSERT_EQ(GetDfgsThrustMode(), kThrustIas);
  cockpit.set(Token::AutopilotAirspeedKt, 360).clearKeyEvents().runSeconds(1.1);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustIasVmoLimit);
  EXPECT_EQ(cockpit.token(Token::AutopilotAirspeedKt), 335.0) << "VMO less 5";
  cockpit.control("FGCP PANEL", "speed_knob", -1);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustIas) << "the speed knob leaves the limit";

  cockpit.set(Token::AutopilotAirspeedKt, 250).set(Token::FlapPosition, 5000).runSeconds(1.1);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustIas) << "placard 280 above the speed set";
  cockpit.set(Token::FlapPosition, 7000).runSeconds(1.1);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustFlapLimit);
  EXPECT_EQ(cockpit.token(Token::AutopilotAirspeedKt), 240.0);
  cockpit.set(Token::FlapPosition, 12000).runSeconds(1.1);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustFlapLimit);
  EXPECT_EQ(cockpit.token(Token::AutopilotAirspeedKt), 220.0) << "the next stage lowers the speed";
  EXPECT_EQ(GetDfgsPreviousThrustMode(), kThrustIas) << "and keeps the mode to return to";
  cockpit.set(Token::FlapPosition, 0).runSeconds(1.1);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustIas) << "flaps up: back to SPD, not stuck in FLAP LIM";

  // Below the minimum speed the speed set is raised to it.
  cockpit.set(Token::AutopilotAirspeedKt, 100).runSeconds(1.1);
  EXPECT_EQ(cockpit.token(Token::AutopilotAirspeedKt), std::round(GetDfgsMinimumSpeed()));

  // Mach above the limit in Mach mode: MMO less 0.01.
  cockpit.set(Token::AutothrottleArmed, 0).set(Token::Engine1Throttle, 9000).set(Token::Engine2Throttle, 9000);
  SetDfgsThrustMode(kThrustMach);
  cockpit.set(Token::AutopilotMach, 0.86).runSeconds(1.1);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustMachMmoLimit);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::AutopilotMach), 0.83);
}

TEST(FlightGuidance, TakeoffModesClampAndSpeedCaptureOnTheGround) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::OnGround, 1).set(Token::HeadingDeg, 160);
  cockpit.set(Token::Engine1Combustion, 1).set(Token::Engine2Combustion, 1).setScaled(Token::MaxOperatingSpeed, 340);
  cockpit.start().irsInNav(1).control("APU", "battery", 41).runSeconds(2);
  SetSpeedBug(2, 140);
  cockpit.control("DFGS", "dfgs.at_switch", 41).control("FGCP PANEL", "flight_director", 1);
  EXPECT_EQ(cockpit.token(Token::FlightDirector), 1.0);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchTakeoff);
  EXPECT_EQ(GetDfgsRollMode(), kRollTakeoff);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustEprLimit);
  EXPECT_EQ(GetTrpMode(), kTrpTakeoff);
  cockpit.clearKeyEvents().control("FGCP PANEL", "toga", 1).runSeconds(1.1);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventApproachHoldRelease).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventHoldRelease6).size(), 1u);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchTakeoff);
  cockpit.set(Token::IndicatedAirspeedKt, 61).runSeconds(1.1);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustTakeoffClamp) << "CLMP above 60 kt";
  EXPECT_EQ(GetDfgsIasTarget(), 150.0) << "V2 + 10";
  EXPECT_EQ(cockpit.keyEvents(kKeyEventVerticalSpeedHold).size(), 1u);
  cockpit.clearKeyEvents().runSeconds(1.1);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventVerticalSpeedSet).back().value, 1800u) << "on the ground the command is 1800";
  SetTrpMode(kTrpClimb);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustEprLimit) << "a new rating leaves the clamp";
}

TEST(FlightGuidance, GoAroundInTheAir) {
  Cockpit cockpit(Flying());
  Airborne(cockpit, 2000, 150, true).runSeconds(1.5);
  cockpit.control("DFGS", "dfgs.at_switch", 41);
  SetDfgsApproachMode(kApproachIls);
  cockpit.set(Token::TogaPower, 1).runSeconds(1.1);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchGoAround);
  EXPECT_EQ(GetDfgsRollMode(), kRollGoAround);
  EXPECT_EQ(GetDfgsApproachMode(), kApproachNone);
  EXPECT_EQ(GetTrpMode(), kTrpGoAround);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustEprLimit);
  // The crew selects altitude hold: the go-around ends and the TOGA power goes off.
  cockpit.control("FGCP PANEL", "altitude_hold", 1).control("FGCP PANEL", "heading_switch", 0).runSeconds(1.1);
  EXPECT_EQ(cockpit.token(Token::TogaPower), 0.0);
}

TEST(FlightGuidance, PowerLossDisconnectsAndPowerBackRunsTheSelfTest) {
  Cockpit cockpit(Flying());
  Airborne(cockpit, 9000, 250, true).runSeconds(20);
  ASSERT_EQ(IsDfgsTestActive(), 0u) << "the start-up test is over";
  ASSERT_EQ(cockpit.token(Token::AutopilotEngaged), 1.0);
  cockpit.clearKeyEvents().control("ELECTRIC", "gen_1", 120).control("ELECTRIC", "gen_2", 120);
  cockpit.control("APU", "battery", 120).runSeconds(2.1);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAutopilotMaster).size(), 1u);
  EXPECT_EQ(cockpit.token(Token::AutopilotEngaged), 0.0);
  cockpit.control("ELECTRIC", "gen_1", 41);
  cockpit.runUntil([] { return IsDfgsTestActive() != 0; }, 5);
  const double start = cockpit.tick18();
  ASSERT_EQ(IsDfgsTestActive(), 1u);
  cockpit.runUntil([] { return IsDfgsTestActive() == 0; }, 20);
  EXPECT_EQ(cockpit.tick18() - start, 145.0) << "144 ticks, then off on the next";
}

TEST(FlightGuidance, BothEnginesOutInFlightAndAnInvalidIrsDisconnect) {
  Cockpit cockpit(Flying());
  Airborne(cockpit, 9000, 250, true).runSeconds(2);
  cockpit.set(Token::FlightDirector, 1).set(Token::Engine1Combustion, 0).set(Token::Engine2Combustion, 0);
  cockpit.runSeconds(1.1);
  EXPECT_EQ(cockpit.token(Token::AutopilotEngaged), 0.0);
  EXPECT_EQ(cockpit.token(Token::FlightDirector), 0.0);
  cockpit.set(Token::Engine1Combustion, 1).set(Token::AutopilotEngaged, 1).control("IRS", "switch1", kIrsOff);
  cockpit.runSeconds(0.4);
  EXPECT_EQ(cockpit.token(Token::AutopilotEngaged), 0.0) << "DFGC 1 without its IRS";
}

TEST(FlightGuidance, UnitsFlippedInFlightConvertTheAssumedTemperature) {
  Cockpit cockpit(Flying());
  Airborne(cockpit, 5000, 250, false).runSeconds(2);
  for (int i = 0; i < 100; ++i) IncTrpAssumedTemp();
  PressTrpModeButton(kTrpFlexTakeoff);
  cockpit.runSeconds(1);
  const double limitInF = GetTrpTarget();
  EXPECT_NEAR(limitInF, 1.88 - 10 * 0.004, 1e-9);
  cockpit.set(Token::UnitsOfMeasure, 1).runSeconds(1);
  EXPECT_EQ(GetTrpAssumedTemp(), 37);
  EXPECT_NEAR(GetTrpTarget(), 1.88 - (37 * 1.8 + 32 - 90) * 0.004, 1e-9) << "37 C is 98.6 F";
}

TEST(FlightGuidance, LnavFollowsTheFmsCrossTrackAndHeading) {
  Cockpit cockpit(Flying());
  Airborne(cockpit, 9000, 250, true).runSeconds(1.5);
  CFms::Guidance guidance;
  guidance.apCrossTrackNm = 3.0;
  guidance.apHeadingDeg = 123.4;
  cockpit.fmsAnswers(guidance).control("FGCP PANEL", "lnav", 1).clearKeyEvents().runSeconds(1.1);
  EXPECT_EQ(GetDfgsRollMode(), kRollLnavTrack);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventHeadingBugSet).back().value, 123u);
  guidance.apCrossTrackNm = -6.0;
  cockpit.fmsAnswers(guidance).runSeconds(1);
  EXPECT_EQ(GetDfgsRollMode(), kRollLnavFar);
  cockpit.runSeconds(40);
  EXPECT_NEAR(cockpit.token(Token::MagneticHeadingDeg), 123.0, 0.5) << "the simulator turned to the FMS heading";
  guidance.apHeadingDeg = CFms::kNoHeading;
  cockpit.fmsAnswers(guidance).runSeconds(1);
  EXPECT_EQ(GetDfgsRollMode(), kRollHeadingHold) << "no FMS guidance: heading hold";
  cockpit.control("FGCP PANEL", "lnav", 1);
  EXPECT_EQ(GetDfgsRollMode(), kRollLnavFar);
  cockpit.control("FGCP PANEL", "lnav", 1);
  EXPECT_EQ(GetDfgsRollMode(), kRollNone);
}

TEST(FlightGuidance, VnavClimbCruiseAndDescentByTheFmsNextPhase) {
  Cockpit cockpit(Flying());
  Airborne(cockpit, 9000, 250, true).runSeconds(1.5);
  cockpit.control("DFGS", "dfgs.at_switch", 41).runSeconds(1.1);
  SetDfgsSelectedValue(kSelAltitude, 15000);
  CFms::Guidance guidance;
  guidance.vnavNext = kVnavClimb;
  guidance.apSpeed = 280;
  guidance.apAltitudeFt = 14000;
  cockpit.fmsAnswers(guidance).clearKeyEvents().control("FGCP PANEL", "vnav", 1);
  EXPECT_EQ(IsDfgsVnav(), 1);
  EXPECT_EQ(GetDfgsVnavPhase(), kVnavClimb);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchIasOnPitch);
  EXPECT_EQ(GetDfgsIasTarget(), 280.0);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustEprLimit);
  EXPECT_EQ(GetTrpMode(), kTrpClimb);
  cockpit.runSeconds(1.1);
  EXPECT_EQ(GetDfgsAltPreselectArm(), kAltArmArmed) << "VNAV climb arms the preselect";

  guidance.vnavNext = kVnavCruise;
  guidance.apSpeed = 0.74;
  cockpit.fmsAnswers(guidance).control("FGCP PANEL", "vnav", 1);
  EXPECT_EQ(GetDfgsVnavPhase(), kVnavCruise);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchAltitudeHold);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustIas) << "below 27000 ft";
  EXPECT_EQ(cockpit.token(Token::AutopilotAltitudeFt), 14000.0);

  // Top of descent: the FMS says descend, with a path below.
  guidance.vnavNext = kVnavDescent;
  guidance.passedTopOfDescent = 1;
  guidance.apSpeed = 270;
  guidance.pathErrorAltitudeFt = 400;
  SetDfgsSelectedValue(kSelAltitude, 5000);
  cockpit.fmsAnswers(guidance).clearKeyEvents().runSeconds(1.1);
  EXPECT_EQ(GetDfgsVnavPhase(), kVnavDescent);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustPathDescent);
  const auto throttle = cockpit.keyEvents(kKeyEventThrottle1Set);
  ASSERT_FALSE(throttle.empty());
  EXPECT_LE(throttle.back().value, 7373u);
  for (const auto& command : cockpit.keyEvents(kKeyEventVerticalSpeedSet)) EXPECT_LE(Value(command), -500);

  // Above the path the command opens the throttles by at most 125 a second,
  // and never past 7373.
  guidance.pathErrorAltitudeFt = -3000;
  cockpit.fmsAnswers(guidance).clearKeyEvents().runSeconds(1.1);
  const uint32_t first = cockpit.keyEvents(kKeyEventThrottle1Set).back().value;
  cockpit.runSeconds(1);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventThrottle1Set).back().value - first, 125u);
  cockpit.runSeconds(70);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventThrottle1Set).back().value, 7373u);

  // The FMS loses its path: idle throttles.
  guidance.pathErrorAltitudeFt = CFms::kNoPath;
  cockpit.fmsAnswers(guidance).clearKeyEvents().runSeconds(1.1);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventThrottle1Set).back().value, 0u);

  // Level at an FMS altitude 800 ft away: the preselect is held.
  guidance.vnavNext = kVnavLevel;
  guidance.apAltitudeFt = AltitudeFt(cockpit) - 800;
  cockpit.fmsAnswers(guidance).clearKeyEvents();
  UpdateDfgsVnav();
  EXPECT_EQ(GetDfgsVnavPhase(), kVnavLevel);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAutopilotAltitudeSet).back().value, 5000u);

  // A take-off rating leaves VNAV; an unknown phase too.
  PressTrpModeButton(kTrpGoAround);
  cockpit.runSeconds(1.1);
  EXPECT_EQ(IsDfgsVnav(), 0);
}

// At 9000 ft with the autothrottle on, VNAV pressed for the FMS's climb at
// 280 kt toward the 15000 ft preselected; the FMS's answer, to change.
CFms::Guidance ClimbInVnav(Cockpit& cockpit) {
  Airborne(cockpit, 9000, 250, true).runSeconds(1.5);
  cockpit.control("DFGS", "dfgs.at_switch", 41);
  SetDfgsSelectedValue(kSelAltitude, 15000);
  CFms::Guidance guidance;
  guidance.vnavNext = kVnavClimb;
  guidance.apSpeed = 280;
  cockpit.fmsAnswers(guidance).control("FGCP PANEL", "vnav", 1);
  return guidance;
}

// The FMS speed goes to the simulator rounded, a Mach in hundredths (0.57 is
// 56.99... hundredths in binary): on pitch in the VNAV climb, on the throttles
// in cruise.
TEST(FlightGuidance, FmsSpeedsGoToTheSimulatorRounded) {
  Cockpit cockpit({.start = false});
  CFms::Guidance guidance = ClimbInVnav(cockpit);
  ASSERT_EQ(GetDfgsVnavPhase(), kVnavClimb);
  struct Sample {
    int32_t phase;
    double speed;
    uint32_t event;
    uint32_t sent;
  };
  for (const Sample& sample : {Sample{kVnavClimb, 0.57, kKeyEventMachSet, 57}, {kVnavClimb, 0.58, kKeyEventMachSet, 58},
                               {kVnavClimb, 279.5, kKeyEventAirspeedSet, 280},
                               {kVnavClimb, 279.49, kKeyEventAirspeedSet, 279},
                               {kVnavCruise, 0.57, kKeyEventMachSet, 57}}) {
    guidance.vnavNext = sample.phase;
    guidance.apSpeed = sample.speed;
    cockpit.fmsAnswers(guidance);
    if (GetDfgsVnavPhase() != sample.phase) UpdateDfgsVnav();
    cockpit.clearKeyEvents().runSeconds(1.1);
    ASSERT_EQ(GetDfgsVnavPhase(), sample.phase);
    ASSERT_FALSE(cockpit.keyEvents(sample.event).empty()) << sample.speed;
    EXPECT_EQ(cockpit.keyEvents(sample.event).back().value, sample.sent) << sample.speed;
  }
}

TEST(FlightGuidance, VnavWithoutTheAutothrottleGivesWayToVerticalSpeed) {
  Cockpit cockpit(Flying());
  ClimbInVnav(cockpit);
  ASSERT_EQ(IsDfgsVnav(), 1);
  cockpit.control("DFGS", "dfgs.at_switch", 120).runSeconds(0.4);
  EXPECT_EQ(GetSwitch(&g_vnavAutothrottleWarning), kVnavWarningShowing);
  cockpit.runSeconds(6);
  EXPECT_EQ(IsDfgsVnav(), 0);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchVerticalSpeed);
  EXPECT_EQ(GetSwitch(&g_vnavAutothrottleWarning), kSwitchOff);
}

}  // namespace
}  // namespace halcyon::test

namespace halcyon::test {
namespace {

// On an ILS with matched receivers, the simulator's approach hold on and the
// localizer and glide slope flown by its approach mode (no heading or
// altitude lock). The tokens stay as set: no flight model.
Cockpit& OnTheIls(Cockpit& cockpit, int32_t approachMode) {
  Airborne(cockpit, 3000, 150, true).runSeconds(1.5);
  cockpit.set(Token::Nav1Frequency, 110.3)
      .set(Token::Nav2Frequency, 110.3)
      .set(Token::Nav1CourseDeg, 160)
      .set(Token::Nav2CourseDeg, 160)
      .set(Token::Nav1Code, 0xC0);
  cockpit.set(Token::RadioAltitudeM, 800).set(Token::CourseNeedle, 100).set(Token::GlideSlopeNeedle, 100);
  cockpit.control("FGCP PANEL", approachMode == kApproachIls ? "ils" : "autoland", 1);
  EXPECT_EQ(cockpit.token(Token::ApproachHold), 1.0) << "the panel asked the simulator's approach hold";
  cockpit.set(Token::HeadingLock, 0).set(Token::AltitudeLock, 0);
  return cockpit;
}

// Tracking a VOR on NAV hold (the main pass runs once a second): within 5 NM
// of the station (DME 1; DME 2 far away) the course is flown on heading hold
// over the station, and NAV hold comes back beyond 5 NM.
TEST(Approach, AVorOverflownOnItsCourseThenTrackedAgain) {
  Cockpit cockpit({.start = false});
  Airborne(cockpit, 3000, 200, true).runSeconds(1.5);
  cockpit.set(Token::Nav1CourseDeg, 235).set(Token::Nav1Code, 0x01).set(Token::CourseNeedle, 10);
  cockpit.set(Token::Dme1Nm, 5.1).set(Token::Dme2Nm, 60).set(Token::HeadingLock, 0).set(Token::Nav1Lock, 1);
  cockpit.runSeconds(1.2);
  ASSERT_EQ(GetDfgsRollMode(), kRollVorTrack);
  cockpit.clearKeyEvents().set(Token::Dme1Nm, 4.9).runSeconds(1.2);
  EXPECT_EQ(GetDfgsRollMode(), kRollVorOverStation);
  ASSERT_EQ(cockpit.keyEvents(kKeyEventHeadingBugSet).size(), 1u);
  EXPECT_EQ(Value(cockpit.keyEvents(kKeyEventHeadingBugSet)[0]), 235);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventNavHoldOff).size(), 1u);
  cockpit.clearKeyEvents().set(Token::Dme1Nm, 5.1).set(Token::Dme2Nm, 1).runSeconds(1.2);
  EXPECT_EQ(GetDfgsRollMode(), kRollVorCapture) << "DME 2 is not the station's";
  EXPECT_EQ(cockpit.keyEvents(kKeyEventNavHoldOn).size(), 1u);
}

TEST(Approach, IlsCaptureTrackAndTheNoFlareAlternation) {
  Cockpit cockpit({.start = false});
  OnTheIls(cockpit, kApproachIls).runSeconds(0.4);
  EXPECT_EQ(GetDfgsApproachMode(), kApproachIls);
  EXPECT_EQ(GetDfgsModeE(), kModeEIlsApproach);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchGlideslopeCapture);
  EXPECT_EQ(GetDfgsRollMode(), kRollLocalizerCapture);
  cockpit.set(Token::CourseNeedle, -30).set(Token::GlideSlopeNeedle, 30).runSeconds(0.4);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchGlideslopeTrack);
  EXPECT_EQ(GetDfgsRollMode(), kRollLocalizerTrack);
  cockpit.setScaled(Token::RadioAltitudeM, 80).watchChannel(1);
  cockpit.runUntil([] { return GetDfgsPitchMode() == kPitchIlsNoFlare; }, 1);
  const double first = cockpit.tick18();
  cockpit.runUntil([] { return GetDfgsPitchMode() == kPitchIlsNoFlareB; }, 1);
  EXPECT_EQ(cockpit.tick18() - first, 7.0) << "10 on the next fast pass (the channel falls due every 6 + 1 ticks)";
  cockpit.runTicks(7);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchIlsNoFlare) << "and 9 again";

  // The glide slope goes: the approach is cancelled with its lamp, and the
  // modes fall back to heading hold and vertical speed.
  cockpit.setScaled(Token::VerticalSpeed, -700).set(Token::Nav1Code, 0x80).clearKeyEvents().runSeconds(0.4);
  EXPECT_EQ(GetSwitch(&g_fmaIlsGlideslopeLamp), kSwitchOn);
  EXPECT_EQ(GetSwitch(&g_fmaAutolandNavLamp), kSwitchOff) << "its latch was never cleared";
  EXPECT_EQ(GetDfgsApproachMode(), kApproachNone);
  EXPECT_EQ(cockpit.token(Token::ApproachHold), 0.0);
  cockpit.runSeconds(0.4);
  EXPECT_EQ(GetDfgsRollMode(), kRollHeadingHold);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchVerticalSpeed);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAltitudeHoldEngage).size(), 1u);
  EXPECT_EQ(Value(cockpit.keyEvents(kKeyEventVerticalSpeedSet).back()), -700);
  EXPECT_EQ(cockpit.token(Token::AutopilotAltitudeFt), 0.0) << "descending: to 0";
}

TEST(Approach, AutolandFlareRetardRolloutAndTouchdownDisconnect) {
  Cockpit cockpit({.start = false});
  OnTheIls(cockpit, kApproachAutoland);
  cockpit.control("DFGS", "dfgs.at_switch", 41);
  cockpit.set(Token::FlapPosition, 16000).set(Token::CourseNeedle, 10).set(Token::GlideSlopeNeedle, 10);
  cockpit.set(Token::RadioAltitudeM, 400).runSeconds(1.1);
  EXPECT_EQ(GetDfgsApproachMode(), kApproachAutoland);
  EXPECT_EQ(GetDfgsModeE(), kModeEAutolandAutopilot);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchAutolandGlideslope);
  EXPECT_EQ(GetDfgsRollMode(), kRollAutolandLocalizer);
  EXPECT_EQ(IsDfgsCaptureCondition(), 1u);
  SetDfgsPitchMode(kPitchAutolandGlideslope);
  cockpit.control("FGCP PANEL", "vertical_speed", 1);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchAutolandGlideslope) << "the mode buttons do nothing in the capture";
  cockpit.set(Token::RadioAltitudeM, 40).runSeconds(0.4);
  EXPECT_EQ(GetDfgsRollMode(), kRollAlign);
  cockpit.clearKeyEvents().set(Token::RadioAltitudeM, 12).runSeconds(1.1);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchFlare);
  EXPECT_EQ(Value(cockpit.keyEvents(kKeyEventVerticalSpeedSet).front()), -130);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustAutolandRetard);
  EXPECT_EQ(cockpit.token(Token::Engine1Throttle), 0.0);
  cockpit.set(Token::OnGround, 1).clearKeyEvents().runSeconds(0.4);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchRollout);
  EXPECT_EQ(GetDfgsRollMode(), kRollRollout);
  EXPECT_EQ(GetSwitch(&g_touchdownDisconnect), kSwitchOn);
  cockpit.runSeconds(7);
  EXPECT_EQ(cockpit.token(Token::AutopilotEngaged), 1.0) << "not before 144 ticks";
  EXPECT_EQ(GetDfgsModeE(), kModeENone) << "the autoland status ends on the ground";
  cockpit.runSeconds(1.5);
  EXPECT_EQ(cockpit.token(Token::AutopilotEngaged), 0.0);
  EXPECT_EQ(GetSwitch(&g_touchdownDisconnect), kSwitchOff);
}

TEST(Approach, AutolandNeedsMatchedReceiversAndArmsOnTheGround) {
  Cockpit cockpit({.start = false});
  OnTheIls(cockpit, kApproachAutoland);
  cockpit.set(Token::Nav2CourseDeg, 161).runSeconds(0.4);
  EXPECT_EQ(GetSwitch(&g_fmaAutolandNavLamp), kSwitchOn);
  EXPECT_EQ(GetDfgsApproachMode(), kApproachNone);
  cockpit.set(Token::OnGround, 1).control("FGCP PANEL", "autoland", 1);
  EXPECT_EQ(GetSwitch(&g_autolandGroundArm), kAutolandGroundArmShown);
  cockpit.runTicks(180);
  EXPECT_EQ(GetSwitch(&g_autolandGroundArm), kAutolandGroundArmShown);
  cockpit.runTicks(2);
  EXPECT_EQ(GetSwitch(&g_autolandGroundArm), kSwitchOff) << "shown for 180 ticks";
}

// Landing flaps below 1500 ft with the simulator's approach hold on but no
// approach mode of the panel: the autoland status is cleared in the pass that
// sets it, so it never shows (no "AUT" over "G/A" flashing second by second).
TEST(Approach, TheAutolandStatusNeverShowsWithoutAnApproachMode) {
  Cockpit cockpit({.start = false});
  Airborne(cockpit, 1200, 150, true).runSeconds(1.5);
  cockpit.setSwitch(&g_dfgsTestSwitch, kSwitchOff);  // the FMA without its test pattern
  cockpit.set(Token::ApproachHold, 1).set(Token::FlapPosition, 16000).set(Token::RadioAltitudeM, 400);
  // With the autopilot, the flight director alone, and neither: each of the
  // three autoland statuses it would set.
  for (const auto& [autopilot, director] : {std::pair{1, 0}, std::pair{0, 1}, std::pair{0, 0}}) {
    cockpit.set(Token::AutopilotEngaged, autopilot).set(Token::FlightDirector, director);
    for (int tick = 0; tick < 72; ++tick) {
      cockpit.runTicks(1);
      ASSERT_EQ(GetDfgsModeE(), kModeENone) << "AP " << autopilot << " FD " << director << " tick " << tick;
      char line[8];
      FormatFmaLine(2, 2, line, sizeof line);
      ASSERT_STREQ(line, "   ") << "AP " << autopilot << " FD " << director << " tick " << tick;
    }
  }
}

// The tokens as set, no flight model: the throttles stay where they are put.
TEST(FlightGuidance, RetardAtIdleInFlightOnEitherSideOfItsThreshold) {
  Cockpit cockpit({.start = false});
  Airborne(cockpit, 8000, 250, true).runSeconds(1.5);
  cockpit.control("DFGS", "dfgs.at_switch", 41).runSeconds(1.1);
  ASSERT_EQ(GetDfgsThrustMode(), kThrustIas);
  cockpit.set(Token::Engine1Throttle, 99).set(Token::Engine2Throttle, 101).runSeconds(1.1);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustIas) << "one throttle above idle";
  cockpit.set(Token::Engine2Throttle, 99).runSeconds(1.1);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustRetard);
  cockpit.set(Token::Engine1Throttle, 101).runSeconds(1.1);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustIas);
}

// The deadline is 120 s of the simulator's time (the simulation clock token, in seconds),
// which the host advances by 1/18 s each tick: 2160 ticks.
TEST(FlightGuidance, AfterLandingTheSelfTestRunsWhenTheDeadlinePasses) {
  Cockpit cockpit({.start = false});
  Airborne(cockpit, 500, 140, false).runSeconds(20);
  ASSERT_EQ(IsDfgsTestActive(), 0u);
  cockpit.set(Token::OnGround, 1).set(Token::IndicatedAirspeedKt, 50).runTicks(2159);
  EXPECT_EQ(IsDfgsTestActive(), 0u);
  cockpit.runTicks(3);
  EXPECT_EQ(IsDfgsTestActive(), 1u);
}

TEST(Approach, YawDamperAndTheUnknownFlag) {
  Cockpit cockpit({.start = false});
  Airborne(cockpit, 3000, 150, true).runSeconds(1.5);
  EXPECT_EQ(cockpit.token(Token::YawDamper), 1.0) << "switch off, autopilot engaged in the air: on";
  cockpit.set(Token::AutopilotEngaged, 0).set(Token::FlightDirector, 1).runSeconds(1.1);
  EXPECT_EQ(cockpit.token(Token::YawDamper), 0.0) << "switch off without the autopilot: off";
  cockpit.setSwitch(&g_yawDampSwitch, 41).runSeconds(1.1);
  EXPECT_EQ(cockpit.token(Token::YawDamper), 1.0);
  cockpit.setSwitch(&g_yawDampSwitch, 49).runSeconds(1.1);
  EXPECT_EQ(cockpit.token(Token::YawDamper), 0.0);
  cockpit.clearKeyEvents().set(Token::DfgsFlag848, 1).runSeconds(0.4);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventToken848).size(), 1u);
}

}  // namespace
}  // namespace halcyon::test
