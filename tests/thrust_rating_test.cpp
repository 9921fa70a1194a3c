// The thrust rating panel and the EPR bugs: [TRP] and [EPR] round trips, the
// EPR limit of each rating at a few points against its law, the assumed
// temperature's limits, the engine indications and the EPR throttle law.
#include <gtest/gtest.h>

#include <cmath>

#include "core/panel_services.h"
#include "systems/dfgs.h"
#include "systems/epr.h"
#include "systems/reserve_thrust.h"
#include "systems/thrust_rating.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

// Outside air in degrees C for a rating temperature T at Mach 0.3: T = S x 1.25 + 5.
double SatForRatingDegC(double ratingDegC) { return (ratingDegC - 5.0) / 1.25; }

Cockpit& AirAt(Cockpit& cockpit, double satDegC, double altitudeFt) {
  return cockpit.setScaled(Token::AmbientTemp, satDegC)
      .setScaled(Token::Mach, 0.3)
      .set(Token::AltitudeM, altitudeFt / kFeetPerMetre)
      .set(Token::AltitudeFt, altitudeFt);
}

TEST(ThrustRating, SavedModeLoadsWithItsLimitAfterTheFirstComputation) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[TRP]\r\nactive_mode=5\r\n");
  AirAt(cockpit, SatForRatingDegC(15.0), 10000.0).start();
  EXPECT_EQ(GetTrpMode(), kTrpClimb);
  EXPECT_EQ(GetTrpTarget(), kTrpStartupEprLimit);
  cockpit.runSeconds(1);
  // Climb: h x 0.0000045 + 1.96 - (h x 0.0000015 + 0.22) / 50 x (T + 20).
  EXPECT_NEAR(GetTrpTarget(), 10000 * 0.0000045 + 1.96 - (10000 * 0.0000015 + 0.22) / 50 * 35, 1e-6);
  PressTrpModeButton(kTrpCruise);
  cockpit.runSeconds(1);
  EXPECT_NEAR(GetTrpTarget(), 2.06 - 5000 * 0.0000015 - 45 * 0.007, 1e-6);
  PressTrpModeButton(kTrpMaxContinuous);
  cockpit.runSeconds(1);
  EXPECT_NEAR(GetTrpTarget(), 2.06 - 0.0 - 25 * 0.005, 1e-6) << "at 10000 ft the upper law";
  AirAt(cockpit, SatForRatingDegC(15.0), 5000.0).runSeconds(1);
  EXPECT_NEAR(GetTrpTarget(), 0.05 + 1.96 - (0.05 + 0.2) / 60 * 25, 1e-6) << "below 10000 ft the lower law";
  PressTrpModeButton(kTrpGoAround);
  AirAt(cockpit, SatForRatingDegC((100 - 32) / 1.8), 5000.0).runSeconds(1);
  EXPECT_NEAR(GetTrpTarget(), 2.04 - 10 * 0.0044, 1e-6);
  PressTrpModeButton(kTrpGoAround);
  EXPECT_EQ(GetTrpMode(), kTrpNone) << "the selected mode's button again: none";
  cockpit.runSeconds(1);
  EXPECT_EQ(GetTrpTarget(), 0.0);
  PressTrpModeButton(kTrpMaxContinuous);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("TRP", "active_mode"), "4");
}

TEST(ThrustRating, TakeoffLimitByReserveThrustAndTemperature) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[TRP]\r\nactive_mode=1\r\n");
  AirAt(cockpit, SatForRatingDegC((100 - 32) / 1.8), 0.0).start();
  cockpit.setSwitch(&g_artSwitch, 120).runSeconds(1);
  EXPECT_NEAR(GetTrpTarget(), 1.896, 1e-9) << "reserve thrust off: the 1.94 law at 100 F";
  cockpit.setSwitch(&g_artSwitch, 44).runSeconds(1);
  EXPECT_NEAR(GetTrpTarget(), 1.88 - 10 * 0.004, 1e-9) << "armed: the 1.88 law";
  SetArtState(kArtTripped);
  cockpit.runSeconds(1);
  EXPECT_NEAR(GetTrpTarget(), 1.896, 1e-9) << "applied: the full rating again";
  SetArtState(kArtOff);
  AirAt(cockpit, SatForRatingDegC(15.0), 500.0).runSeconds(1);
  EXPECT_NEAR(GetTrpTarget(), 0.16 / 6000 * 1500 + 1.88, 1e-9) << "59 F at 500 ft";
  AirAt(cockpit, SatForRatingDegC((80 - 32) / 1.8), 8000.0).runSeconds(1);
  EXPECT_NEAR(GetTrpTarget(), (0.16 - 20 * 0.004) / 6000 * 6000 + 1.88, 1e-9) << "k held at 6000";
}

TEST(ThrustRating, FlexibleTakeoffInCelsiusAndTheAssumedTemperatureLimits) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::UnitsOfMeasure, 1);
  cockpit.writeFile(kIni, "[UNIT SYSTEM]\r\nunit_system=1\r\n[TRP]\r\nactive_mode=2\r\n");
  AirAt(cockpit, 15.0, 0.0).start();
  for (int i = 0; i < 40; ++i) IncTrpAssumedTemp();
  cockpit.runSeconds(1);
  EXPECT_NEAR(GetTrpTarget(), 1.88 - 14 * 0.004, 1e-9) << "40 C is 104 F";
  for (int i = 0; i < 30; ++i) IncTrpAssumedTemp();
  EXPECT_EQ(GetTrpAssumedTemp(), 59);
  PressTrpModeButton(kTrpFlexTakeoff);
  EXPECT_EQ(GetTrpAssumedTemp(), 59) << "the FLX button keeps the temperature";
  PressTrpModeButton(kTrpClimb);
  EXPECT_EQ(GetTrpAssumedTemp(), 0) << "the other buttons clear it";
  DecTrpAssumedTemp();
  EXPECT_EQ(GetTrpAssumedTemp(), 0);
  cockpit.set(Token::UnitsOfMeasure, 0).runSeconds(1);
  for (int i = 0; i < 150; ++i) IncTrpAssumedTemp();
  EXPECT_EQ(GetTrpAssumedTemp(), 140);
}

TEST(ThrustRating, TestButtonAndTheTakeoffClampGivingWayToTheEprLimit) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[TRP]\r\nactive_mode=9\r\n");
  cockpit.start();
  EXPECT_EQ(GetTrpMode(), kTrpNone) << "9 is no mode";
  SetDfgsThrustMode(kThrustTakeoffClamp);
  SetTrpMode(kTrpTakeoff);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustEprLimit);
  SetTrpButton(0);
  EXPECT_EQ(GetTrpFlag(), 1);
  EXPECT_EQ(GetTrpMode(), kTrpNone);
  SetTrpButton(1);
  EXPECT_EQ(GetTrpFlag(), 0);
  SetDfgsThrustMode(kThrustTakeoffClamp);
  SetTrpMode(42);
  EXPECT_EQ(GetTrpMode(), kTrpNone);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustEprLimit) << "in either case";
}

TEST(Epr, RoundTripWithLimitsAndModes) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[EPR]\r\neng1_epr_bug=3.1\r\neng2_epr_mode=7\r\neng1_epr_mode=0\r\n");
  cockpit.start();
  EXPECT_EQ(GetEprBug(&g_eprBug1), 2.5);
  EXPECT_EQ(GetEprBug(&g_eprBug2), 0.8) << "missing";
  EXPECT_EQ(GetEprBugMode(&g_eprBug1), kEprBugManual);
  EXPECT_EQ(GetEprBugMode(&g_eprBug2), kEprBugTrp);
  DecEprBug(&g_eprBug1);
  EXPECT_NEAR(GetEprBug(&g_eprBug1), 2.49, 1e-12);
  cockpit.runTicks(1);
  EXPECT_EQ(GetEprTrpBug(&g_eprBug2), 2.08) << "follows the TRP's start-up limit";
  EXPECT_EQ(GetEprTrpBug(&g_eprBug1), 0.8) << "a manual bug's TRP bug does not follow, only its step limits it";
  SetEprTrpBug(&g_eprBug2, 2.495);
  IncEprBug(&g_eprBug2);
  EXPECT_EQ(GetEprTrpBug(&g_eprBug2), 2.5);
  EXPECT_EQ(GetEprBug(&g_eprBug2), 0.8) << "the manual bug stays within limits";
  ToggleEprBugMode(&g_eprBug2);
  EXPECT_EQ(GetEprBugMode(&g_eprBug2), kEprBugManual);
  g_eprBug2.mode = 5;
  DecEprBug(&g_eprBug2);
  EXPECT_EQ(GetEprBug(&g_eprBug2), 0.8);
  IncEprBug(&g_eprBug2);
  EXPECT_EQ(GetEprBug(&g_eprBug2), 2.5);
  ToggleEprBugMode(&g_eprBug2);
  EXPECT_EQ(GetEprBugMode(&g_eprBug2), kEprBugTrp) << "any other mode toggles to 1";
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("EPR", "eng1_epr_mode"), "0");
  EXPECT_EQ(cockpit.ini("EPR", "eng2_epr_mode"), "1");
  EXPECT_EQ(cockpit.ini("EPR", "eng1_epr_bug"), "2.490000");
  EXPECT_EQ(cockpit.ini("EPR", "eng2_epr_bug"), "2.500000");
}

// Each engine's EPR from its own turbine speed, below 11000 ft.
TEST(Epr, EachEngineReadsItsOwnTurbineSpeed) {
  Cockpit cockpit;
  cockpit.set(Token::AltitudeFt, 5000).set(Token::Engine1N2Pct, 100).set(Token::Engine2N2Pct, 60);
  EXPECT_NEAR(GetEprDisplayValue(1), 45 / 45.92 + 1, 1e-12);
  EXPECT_NEAR(GetEprDisplayValue(2), 5 / 45.92 + 1, 1e-12);
  // Just past each knee of the law, its own segment.
  const struct {
    double v;
    double epr;
  } kPastTheKnees[] = {{45.05, 1 - 0.05 * 0.01}, {50.05, 1 - 4.95 * 0.01}, {55.05, 0.05 / 45.92 + 1}};
  for (const auto& point : kPastTheKnees) {
    cockpit.set(Token::Engine2N2Pct, point.v);
    EXPECT_NEAR(GetEprDisplayValue(2), point.epr, 1e-12) << point.v;
  }
}

TEST(Epr, IndicationsAndTheThrottleLaw) {
  Cockpit cockpit;
  constexpr Token engine1N2 = Token::Engine1N2Pct;
  cockpit.set(Token::AltitudeFt, 5000);
  const struct {
    double v;
    double epr;
  } kPoints[] = {{45, 1.0}, {47, 0.98}, {50, 0.95}, {52, 0.97}, {55, 1.0}, {100, 45 / 45.92 + 1}};
  for (const auto& point : kPoints) {
    cockpit.set(engine1N2, point.v);
    EXPECT_NEAR(GetEprDisplayValue(1), point.epr, 1e-12) << point.v;
  }
  cockpit.set(Token::AltitudeFt, 21000);
  EXPECT_NEAR(GetEprDisplayValue(1), (45 / 45.92 + 1) * (1 + 10000 * 0.000001461538), 1e-12);
  EXPECT_NEAR(GetEprDisplayValue(3), -1.0 * (1 + 10000 * 0.000001461538), 1e-12);
  cockpit.set(Token::AltitudeFt, 11000);
  EXPECT_NEAR(GetEprDisplayValue(1), 45 / 45.92 + 1, 1e-12) << "no correction at 11000 ft";

  cockpit.set(Token::Engine2Egt, 1999).set(Token::Engine1Egt, 2000);
  EXPECT_NEAR(GetEdpValue(2), 1999 / 91.5995092849, 1e-9);
  EXPECT_NEAR(GetEdpValue(1), 39.3015205879, 1e-9);
  cockpit.set(Token::Engine1Egt, 3600);
  EXPECT_NEAR(GetEdpValue(1), 310.0, 1e-9);
  EXPECT_EQ(GetEdpValue(0), 0.0);
  cockpit.set(Token::Engine1OilPressure, 6499).set(Token::Engine2OilPressure, 7300);
  EXPECT_NEAR(GetSdpValue(1), 6499 / 162.5, 1e-9);
  EXPECT_NEAR(GetSdpValue(2), 41.0, 1e-9);
  EXPECT_EQ(GetSdpValue(3), 0.0);

  EXPECT_EQ(RoundDownToMultiple(87.9, 2), 86.0);
  EXPECT_EQ(RoundDownToMultiple(87.9, 0), 87.0);
  EXPECT_EQ(RoundDownToMultiple(-5.0, 2), 0.0);

  cockpit.set(Token::OnGround, 0);
  EXPECT_EQ(EprToThrottlePosition(2.0, 1.9), 17500);
  EXPECT_EQ(EprToThrottlePosition(1.5, 1.49), 8250 + 200);
  EXPECT_EQ(EprToThrottlePosition(1.5, 1.6), 8250 - 1000);
  cockpit.set(Token::OnGround, 1);
  EXPECT_EQ(EprToThrottlePosition(2.0, 1.9), 16500);
}

}  // namespace
}  // namespace halcyon::test
