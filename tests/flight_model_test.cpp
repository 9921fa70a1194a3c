// The host's flight model: the standard atmosphere's airspeeds, the position
// flown with the wind, the radio altitude, and thrust from the engines' N1.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/ground_track.h"
#include "core/panel_services.h"
#include "simhost/flight_model.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

using simhost::FlightModel;

TEST(FlightModel, AirspeedsThroughTheStandardAtmosphere) {
  EXPECT_NEAR(FlightModel::StandardAtmosphere(0).temperatureK, 288.15, 1e-9);
  EXPECT_NEAR(FlightModel::StandardAtmosphere(36089).temperatureK, 216.65, 0.01);
  EXPECT_NEAR(FlightModel::StandardAtmosphere(10000).pressurePa, 69682.0, 50.0);
  EXPECT_NEAR(FlightModel::MachFromCas(250, 0), 250 * 0.514444 / 340.294, 1e-4) << "at sea level CAS is TAS";
  EXPECT_NEAR(FlightModel::TasFromCas(250, 10000), 288.0, 2.0);
  EXPECT_NEAR(FlightModel::MachFromCas(280, 35000), 0.82, 0.005);
  EXPECT_NEAR(FlightModel::CasFromMach(FlightModel::MachFromCas(300, 25000), 25000), 300.0, 1e-6);
}

TEST(FlightModel, TheAircraftFliesAlongItsHeadingWithTheWind) {
  Cockpit cockpit({.start = false, .flightModel = true});
  cockpit.setPosition(47.0, 8.0).set(Token::OnGround, 0).set(Token::AltitudeFt, 2000);
  cockpit.set(Token::IndicatedAirspeedKt, 200)
      .set(Token::HeadingDeg, 90)
      .set(Token::WindSpeedKt, 30)
      .set(Token::WindDirectionDeg, 270);
  cockpit.host().SetGroundElevation(500);
  cockpit.setScaled(Token::VerticalSpeed, 600).start().runSeconds(60);
  const double tasKt = FlightModel::TasFromCas(200, 2300);
  EXPECT_NEAR(cockpit.scaled(Token::GroundSpeedMps), tasKt + 30, 1.9) << "a tail wind";
  EXPECT_NEAR(cockpit.token(Token::AltitudeFt), 2600.0, 1.0) << "the vertical speed set";
  EXPECT_NEAR(cockpit.scaled(Token::RadioAltitudeM), 2100.0, 1.6);
  EXPECT_NEAR(cockpit.latitudeDeg(), 47.0, 1e-4);
  const double eastNm = (cockpit.longitudeDegEast() - 8.0) * 60.0 * std::cos(47.0 * 3.14159265358979 / 180.0);
  EXPECT_NEAR(eastNm, (FlightModel::TasFromCas(200, 2000) + FlightModel::TasFromCas(200, 2600) + 60) / 2 / 60, 0.05);
  EXPECT_EQ(cockpit.token(Token::IndicatedAirspeedKt), 200.0) << "without the autopilot the speed is the scenario's";
  EXPECT_NEAR(cockpit.scaled(Token::Mach), FlightModel::MachFromCas(200, 2600), 1e-4);
  cockpit.host().SetFlightModel(false);
  cockpit.runSeconds(10);
  EXPECT_NEAR(cockpit.token(Token::AltitudeFt), 2600.0, 1.0) << "off: the tokens stay as they are";
}

// At Zurich (variation some 3.7 degrees east) HDG SEL 250: the autopilot
// flies the bug on the compass, the true heading is the variation right of
// it all through the turn, and the aircraft goes over the ground along the
// true heading.
TEST(FlightModel, HeadingHoldFliesTheBugMagneticAndTheAircraftGoesAlongTheTrueHeading) {
  Cockpit cockpit({.start = false, .flightModel = true});
  cockpit.setPosition(47.4647, 8.5492).set(Token::OnGround, 0).set(Token::AltitudeFt, 5000);
  cockpit.set(Token::IndicatedAirspeedKt, 250).set(Token::HeadingDeg, 160).set(Token::AutopilotEngaged, 1);
  cockpit.set(Token::Engine1Combustion, 1).set(Token::Engine2Combustion, 1);
  cockpit.set(Token::Engine1Throttle, 9000).set(Token::Engine2Throttle, 9000);
  cockpit.start().irsInNav(1).control("APU", "battery", 41).runSeconds(1);
  // True less magnetic heading, less the variation: 0 when the three agree.
  const auto offVariationDeg = [&] {
    const double trueLessMagnetic =
        std::remainder(cockpit.token(Token::HeadingDeg) - cockpit.token(Token::MagneticHeadingDeg), 360.0);
    return std::fabs(trueLessMagnetic - cockpit.token(Token::MagneticVariationDeg));
  };
  double worstDeg = 0.0;
  cockpit.everyTick([&](auto&) { worstDeg = std::max(worstDeg, offVariationDeg()); });
  cockpit.control("FGCP PANEL", "heading_value", 250).control("FGCP PANEL", "heading_switch", 1).runSeconds(40);
  const double variation = cockpit.token(Token::MagneticVariationDeg);
  ASSERT_GT(variation, 3.0) << "east variation at Zurich";
  EXPECT_LT(worstDeg, 0.1) << "true - magnetic = variation, in the turn too";
  EXPECT_NEAR(cockpit.token(Token::MagneticHeadingDeg), 250.0, 0.3) << "the bug flown on the compass";
  EXPECT_NEAR(cockpit.token(Token::HeadingDeg), 250.0 + variation, 0.3);
  EXPECT_NEAR(cockpit.scaled(Token::TrueHeadingRad), cockpit.token(Token::HeadingDeg), 1e-9);
  EXPECT_NEAR(GetGroundTrack(), cockpit.token(Token::HeadingDeg), 0.2) << "still air: the track is the true heading";
  // Moved by the scenario to 0 N 0 E (some 4 degrees west): the next tick agrees with the variation there.
  cockpit.setPosition(0.0, 0.0).runTicks(1);
  ASSERT_LT(cockpit.token(Token::MagneticVariationDeg), -3.0);
  EXPECT_LT(offVariationDeg(), 0.1);
}

// One tick of the point mass against its forces, worked out here from the
// aircraft's numbers: 63,500 kg, 112.3 m2 of wing, 89,000 N an engine at sea
// level (5 % of it at idle N1 25 %, all of it at N1 98 %, falling with
// density^0.8), cd 0.020 clean + 0.070 full flaps + 0.018 gear down + 0.045 cl^2
// + the wave drag, the climb's share of the weight taken off.
double NextCasKt(double casKt, double altitudeFt, double fpm, double n1Left, double n1Right, double flaps,
                 double gear, bool rightBurns) {
  const FlightModel::Air air = FlightModel::StandardAtmosphere(altitudeFt);
  const double kt = 1852.0 / 3600.0;
  const double tas = FlightModel::TasFromCas(casKt, altitudeFt) * kt;
  const double sinPath = fpm * 0.3048 / 60.0 / tas;
  double thrust = 0.0;
  for (const auto& [n1, burns] : {std::pair{n1Left, true}, std::pair{n1Right, rightBurns}}) {
    if (burns) thrust += 89000.0 * (0.05 + 0.95 * std::clamp((n1 - 25.0) / 73.0, 0.0, 1.0));
  }
  thrust *= std::pow(air.densityKgM3 / 1.225, 0.8);
  const double q = 0.5 * air.densityKgM3 * tas * tas;
  const double cl = 63500.0 * 9.80665 * std::cos(std::asin(sinPath)) / (q * 112.3);
  const double cd = 0.020 + 0.070 * flaps + 0.018 * gear + 0.045 * cl * cl +
                    FlightModel::WaveDragCoefficient(tas / air.speedOfSoundMps);
  const double acceleration = (thrust - q * 112.3 * cd) / 63500.0 - 9.80665 * sinPath;
  return FlightModel::CasFromMach((tas + acceleration / 18.0) / air.speedOfSoundMps, altitudeFt);
}

TEST(FlightModel, OneTickOfThePointMassFollowsThrustDragAndTheClimb) {
  Cockpit cockpit({.start = false, .flightModel = true});
  cockpit.set(Token::OnGround, 0).set(Token::Engine1Combustion, 1).set(Token::Engine2Combustion, 1).start();
  struct Point {
    double altitudeFt, casKt, fpm, n1Left, n1Right, flaps, gear;
    bool rightBurns = true;
  };
  // Each engine on its own N1, flaps and gear part way, a climb, a descent,
  // a high Mach where the wave drag counts, and the right engine turning
// without fuel; N1 past either end is held.
  for (const Point& p : {Point{8000, 250, 0, 60, 80, 0, 0}, Point{3000, 180, 1500, 90, 40, 0.5, 1},
                         Point{5000, 160, -800, 20, 100, 1, 0.25}, Point{30000, 330, -2000, 95, 95, 0, 0},
                         Point{8000, 250, 0, 90, 60, 0, 0, false}}) {
    cockpit.set(Token::AltitudeFt, p.altitudeFt).set(Token::IndicatedAirspeedKt, p.casKt);
    cockpit.setScaled(Token::VerticalSpeed, p.fpm).set(Token::Engine1N1Pct, p.n1Left).set(Token::Engine2N1Pct, p.n1Right);
    cockpit.set(Token::FlapPosition, p.flaps * 16383).set(Token::GearPosition, p.gear * 16383).set(Token::AutopilotEngaged, 1);
    cockpit.set(Token::AltitudeLock, 0).set(Token::AutothrottleArmed, 0).set(Token::Engine1Combustion, 1).set(Token::Engine2Combustion, p.rightBurns);
    cockpit.runTicks(1);
    EXPECT_NEAR(cockpit.token(Token::IndicatedAirspeedKt),
                NextCasKt(p.casKt, p.altitudeFt, p.fpm, p.n1Left, p.n1Right, p.flaps, p.gear, p.rightBurns), 1e-9)
        << p.altitudeFt;
    EXPECT_NEAR(cockpit.token(Token::AltitudeFt), p.altitudeFt + p.fpm / 60.0 / 18.0, 1e-9);
  }
  EXPECT_EQ(FlightModel::StandardAtmosphere(0).pressurePa, 101325.0);
}

// The simulator's autothrottle moves both levers at 250 units a second per
// knot short of the target, less 2,500 per knot a second the aircraft gains,
// on airspeed hold and on Mach hold alike.
TEST(FlightModel, OneTickOfTheAutothrottleFollowsTheErrorAndTheAcceleration) {
  Cockpit cockpit({.start = false, .flightModel = true});
  cockpit.set(Token::OnGround, 0).set(Token::Engine1Combustion, 1).set(Token::Engine2Combustion, 1).start();
  cockpit.set(Token::AltitudeFt, 8000).set(Token::IndicatedAirspeedKt, 250).set(Token::VerticalSpeed, 0);
  cockpit.set(Token::Engine1N1Pct, 25).set(Token::Engine2N1Pct, 25).set(Token::AltitudeLock, 0).set(Token::AutothrottleArmed, 0).set(Token::AutopilotEngaged, 1).runTicks(1);
  double cas = cockpit.token(Token::IndicatedAirspeedKt);
  double acceleration = (cas - 250.0) * 18.0;
  ASSERT_LT(acceleration, -0.1) << "slowing at idle";
  double lever = 8000.0;
  for (const bool mach : {false, true}) {
    const double rate = mach ? -800.0 : 1200.0;  // inside the 2,500 a second the levers may move
    const double targetKt = cas + (rate + acceleration * 2500.0) / 250.0;
    cockpit.set(Token::Engine1Throttle, lever).set(Token::Engine2Throttle, lever).set(Token::AutothrottleArmed, 1);
    cockpit.set(Token::AutopilotAirspeedHold, !mach).set(Token::AutopilotMachHold, mach).set(Token::AutopilotAirspeedKt, targetKt).set(Token::AutopilotMach, FlightModel::MachFromCas(targetKt, 8000));
    cockpit.set(Token::AutopilotEngaged, 1).runTicks(1);
    EXPECT_NEAR(cockpit.token(Token::Engine1Throttle), lever + rate / 18.0, 1e-6) << mach;
    EXPECT_NEAR(cockpit.token(Token::Engine2Throttle), lever + rate / 18.0, 1e-6) << mach;
    lever = cockpit.token(Token::Engine1Throttle);
    acceleration = (cockpit.token(Token::IndicatedAirspeedKt) - cas) * 18.0;
    cas = cockpit.token(Token::IndicatedAirspeedKt);
  }
}

// One tick of the position: the true airspeed along the heading plus the wind
// (blowing from 200 degrees), over a sphere of 6,371 km, across the
// antimeridian either way.
TEST(FlightModel, OneTickOfThePositionCrossesTheAntimeridianEitherWay) {
  Cockpit cockpit({.start = false, .flightModel = true});
  cockpit.set(Token::OnGround, 0).set(Token::WindSpeedKt, 40).set(Token::WindDirectionDeg, 200).start();
  const double rad = 3.14159265358979323846 / 180.0;
  for (const double heading : {90.0, 270.0}) {
    const double startLon = heading == 90.0 ? 179.99999 : -179.99999;
    cockpit.setPosition(-33.0, startLon).set(Token::HeadingDeg, heading).set(Token::AltitudeFt, 5000).set(Token::VerticalSpeed, 0);
    cockpit.set(Token::IndicatedAirspeedKt, 250).set(Token::AutopilotEngaged, 0).runTicks(1);
    const double tas = FlightModel::TasFromCas(250, 5000) * 1852.0 / 3600.0;
    const double wind = 40 * 1852.0 / 3600.0;
    const double north = tas * std::cos(heading * rad) + wind * std::cos(20 * rad);
    const double east = tas * std::sin(heading * rad) + wind * std::sin(20 * rad);
    double lon = startLon + east / 18.0 / (6371000.0 * std::cos(-33.0 * rad)) / rad;
    lon += heading == 90.0 ? -360.0 : 360.0;
    EXPECT_NEAR(cockpit.latitudeDeg(), -33.0 + north / 18.0 / 6371000.0 / rad, 1e-10) << heading;
    EXPECT_NEAR(cockpit.longitudeDegEast(), lon, 1e-9) << heading;
    EXPECT_NEAR(cockpit.token(Token::GroundSpeedMps), std::hypot(north, east), 1e-9);
  }
}

// The simulator's mode keys: each one that engages a mode lets go of the one
// it replaces, at once.
TEST(FlightModel, AModeKeyLetsGoOfTheModeItReplaces) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::HeadingLock, 1);
  TriggerKeyEvent(65811, 0);  // NAV hold
  EXPECT_EQ(cockpit.token(Token::Nav1Lock), 1.0);
  EXPECT_EQ(cockpit.token(Token::HeadingLock), 0.0);
  TriggerKeyEvent(66106, 0);  // heading hold
  EXPECT_EQ(cockpit.token(Token::HeadingLock), 1.0);
  EXPECT_EQ(cockpit.token(Token::Nav1Lock), 0.0);
  TriggerKeyEvent(65806, 0);  // approach hold: the glide slope with it, the heading hold off
  EXPECT_EQ(cockpit.token(Token::ApproachHold), 1.0);
  EXPECT_EQ(cockpit.token(Token::GlideSlopeHold), 1.0);
  EXPECT_EQ(cockpit.token(Token::HeadingLock), 0.0);
  TriggerKeyEvent(65814, 0);  // approach off
  EXPECT_EQ(cockpit.token(Token::ApproachHold), 0.0);
  EXPECT_EQ(cockpit.token(Token::GlideSlopeHold), 0.0);
  TriggerKeyEvent(66109, 0);  // Mach hold
  EXPECT_EQ(cockpit.token(Token::AutopilotMachHold), 1.0);
  cockpit.set(Token::AutopilotAirspeedHold, 1);
  TriggerKeyEvent(66109, 0);
  EXPECT_EQ(cockpit.token(Token::AutopilotAirspeedHold), 0.0);
  TriggerKeyEvent(66112, 0);  // airspeed hold
  EXPECT_EQ(cockpit.token(Token::AutopilotAirspeedHold), 1.0);
  EXPECT_EQ(cockpit.token(Token::AutopilotMachHold), 0.0);
  // The autopilot disconnect lets go of the autopilot, and of nothing else;
  // the events either side of it do nothing to it.
  cockpit.set(Token::AutopilotEngaged, 1).set(Token::HeadingLock, 1).set(Token::AltitudeLock, 1);
  TriggerKeyEvent(65790, 0);
  TriggerKeyEvent(65792, 0);
  EXPECT_EQ(cockpit.token(Token::AutopilotEngaged), 1.0);
  TriggerKeyEvent(65791, 0);
  EXPECT_EQ(cockpit.token(Token::AutopilotEngaged), 0.0);
  EXPECT_EQ(cockpit.token(Token::HeadingLock), 1.0);
  EXPECT_EQ(cockpit.token(Token::AltitudeLock), 1.0);
}

// On the autopilot the speed follows the thrust: idle N1 slows the aircraft
// in level flight, full N1 speeds it up.
class ThrustFromN1 : public testing::TestWithParam<double> {};

TEST_P(ThrustFromN1, MovesTheSpeed) {
  Cockpit cockpit({.start = false, .flightModel = true});
  cockpit.set(Token::OnGround, 0).set(Token::AltitudeFt, 8000);
  cockpit.set(Token::IndicatedAirspeedKt, 250).set(Token::Engine1Combustion, 1).set(Token::Engine2Combustion, 1);
  cockpit.set(Token::Engine1N1Pct, GetParam()).set(Token::Engine2N1Pct, GetParam()).set(Token::AutopilotEngaged, 1);
  cockpit.start().irsInNav(1).control("APU", "battery", 41).runSeconds(30);
  EXPECT_NEAR(cockpit.token(Token::AltitudeFt), 8000.0, 20.0) << "altitude hold";
  if (GetParam() < 30) {
    EXPECT_LT(cockpit.token(Token::IndicatedAirspeedKt), 240.0);
  } else {
    EXPECT_GT(cockpit.token(Token::IndicatedAirspeedKt), 260.0);
  }
}

INSTANTIATE_TEST_SUITE_P(FlightModel, ThrustFromN1, testing::Values(25.0, 98.0));

}  // namespace
}  // namespace halcyon::test
