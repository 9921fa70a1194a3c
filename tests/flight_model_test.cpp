// The host's flight model: the standard atmosphere's airspeeds, the position
// flown with the wind, the radio altitude, and thrust from the engines' N1.
#include <gtest/gtest.h>

#include <cmath>

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
