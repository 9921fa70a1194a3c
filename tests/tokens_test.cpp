// The token list's scales against values the simulator writes: every test
// sets tokens through the list (setScaled), so only these samples see a
// wrong scale in it. Each reads a raw token value through the readers the
// systems use.
#include <gtest/gtest.h>

#include <cmath>

#include "core/panel_services.h"
#include "core/tokens.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

TEST(TokenList, ScaledReadersTurnTheSimulatorsValuesIntoEverydayUnits) {
  Cockpit cockpit;
  cockpit.set(Token::VerticalSpeed, -1950.0);  // the simulator's 1.3 units a ft/min
  EXPECT_DOUBLE_EQ(ReadVerticalSpeedFpm(), -1500.0);
  cockpit.set(Token::Mach, 16384.0);  // Mach x 20480
  EXPECT_DOUBLE_EQ(ReadMach(), 0.8);
  cockpit.set(Token::MaxOperatingSpeed, 43520.0);  // kt x 128
  EXPECT_DOUBLE_EQ(ReadScaledToken(Token::MaxOperatingSpeed), 340.0);
  cockpit.set(Token::AmbientTemp, -0.15625);  // deg C / 256, as the systems read it
  EXPECT_DOUBLE_EQ(ReadScaledToken(Token::AmbientTemp), -40.0);
  cockpit.set(Token::RadioAltitudeM, 304.8);  // metres
  EXPECT_NEAR(ReadRadioAltitudeFt(), 1000.0, 1e-3);
  cockpit.set(Token::Latitude, -40007000.0 / 8);  // 40007000 a turn, north positive
  EXPECT_DOUBLE_EQ(ReadScaledToken(Token::Latitude), -45.0);
  cockpit.set(Token::Longitude, 281474976710656.0 / 4);  // 2^48 a turn, east positive
  EXPECT_DOUBLE_EQ(ReadScaledToken(Token::Longitude), 90.0);
  cockpit.set(Token::GroundSpeedMps, 100.0);
  EXPECT_NEAR(ReadScaledToken(Token::GroundSpeedMps), 194.384, 1e-3);
  cockpit.set(Token::TrueHeadingRad, std::acos(-1.0) / 2);
  EXPECT_DOUBLE_EQ(ReadScaledToken(Token::TrueHeadingRad), 90.0);
  cockpit.set(Token::ApuRpmFraction, 0.95);
  EXPECT_DOUBLE_EQ(ReadScaledToken(Token::ApuRpmFraction), 95.0);
  // The test bed writes and reads through the same rows.
  cockpit.setScaled(Token::VerticalSpeed, 1000.0);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::VerticalSpeed), 1300.0);
  EXPECT_DOUBLE_EQ(cockpit.scaled(Token::VerticalSpeed), 1000.0);
  cockpit.setPosition(47.25, -8.5);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::Latitude), 47.25 / 360.0 * 40007000.0);
  EXPECT_DOUBLE_EQ(cockpit.longitudeDegEast(), -8.5);
}

}  // namespace
}  // namespace halcyon::test
