// Cabin pressurisation: [CABIN PRESS] round trip with the landing altitude at
// full width (and read back in feet), the schedule and its pressure difference, the landing altitude
// floor under the aircraft's ceiling, the rate-limit table, the manual lever
// and rate, the landing-altitude knob's limits and the rate wheel's start.
#include <gtest/gtest.h>

#include <limits>

#include "core/helpers.h"
#include "core/panel_services.h"
#include "systems/cabin_press.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

// Airborne at `altitudeFt` from the load on, with the saved section.
void Airborne(Cockpit& cockpit, double altitudeFt, const std::string& section) {
  cockpit.set(Token::OnGround, 0).set(Token::AltitudeFt, altitudeFt);
  cockpit.writeFile(kIni, "[CABIN PRESS]\r\n" + section);
}

TEST(CabinPress, RoundTripAtFullWidth) {
  Cockpit cockpit({.start = false});
  Airborne(cockpit, 0, "landing_altitude=-1500\r\nsystem_selector=60\r\nrate_limit=13\r\nmanual_lever=5\r\n");
  cockpit.start();
  EXPECT_EQ(GetLandingAltitude(), -1500.0) << "five characters read whole";
  EXPECT_EQ(GetSwitch(&g_cabinRateLimitKnob), 13);
  EXPECT_EQ(IsCabinManualLeverStowed(), 0u);
  EXPECT_EQ(GetSwitch(&g_cabinRateWheel), 1) << "missing: the default";
  EXPECT_EQ(GetSwitch(&g_cabinPanelObject), 120);
  cockpit.control("CABIN PRESS", "landing_altitude", 13990).runSeconds(1);
  int32_t readFt = 0;
  ASSERT_TRUE(cockpit.host().Module().ControlPosition("CABIN PRESS", "landing_altitude", &readFt));
  EXPECT_EQ(readFt, 13990) << "read back in feet, as a scenario's expect reads it";
  IncLandingAltitude(1);
  EXPECT_EQ(GetLandingAltitude(), 14000.0);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.iniKeys("CABIN PRESS"),
            (std::vector<std::string>{"landing_altitude", "system_selector", "rate_limit", "manual_lever", "rate_wheeL"}));
  EXPECT_EQ(cockpit.ini("CABIN PRESS", "landing_altitude"), "14000");
  EXPECT_EQ(cockpit.ini("CABIN PRESS", "system_selector"), "60");
  EXPECT_EQ(cockpit.ini("CABIN PRESS", "manual_lever"), "5");
  EXPECT_EQ(cockpit.ini("CABIN PRESS", "rate_wheeL"), "1");
}

TEST(CabinPress, ALandingAltitudeOutOfRangeLoadsAsZero) {
  Cockpit cockpit({.start = false});
  Airborne(cockpit, 0, "landing_altitude=14001\r\nrate_wheeL=9\r\n");
  cockpit.start();
  EXPECT_EQ(GetLandingAltitude(), 0.0);
  EXPECT_EQ(GetSwitch(&g_cabinRateWheel), 1) << "not one of the wheel's frames";
  cockpit.runSeconds(1);  // a slow click: one step
  DecLandingAltitude(2);
  EXPECT_EQ(GetLandingAltitude(), -10.0);
  IncLandingAltitude(2);  // fast: multiplied
  EXPECT_EQ(GetLandingAltitude(), -10.0 + 10.0 * GetFastClickMultiplier());
  cockpit.control("CABIN PRESS", "landing_altitude", -1495).runSeconds(1);
  DecLandingAltitude(1);
  EXPECT_EQ(GetLandingAltitude(), -1500.0);
  DecLandingAltitude(7);
  EXPECT_EQ(GetLandingAltitude(), -1500.0);
}

// At 35000 ft the cabin starts on its schedule, 7542.857 ft, 7.357 psi.
TEST(CabinPress, TheScheduleAndItsPressureDifference) {
  Cockpit cockpit({.start = false});
  Airborne(cockpit, 35000, "");
  cockpit.start();
  EXPECT_NEAR(GetCabinAltitude(), 33000.0 / 4.375, 1e-9);
  cockpit.runSeconds(2);
  EXPECT_NEAR(GetCabinAltitude(), 7542.857, 1e-3);
  EXPECT_NEAR(GetCabinDiffPressure(), 7.357, 1e-3);
  EXPECT_EQ(GetCabinRate(), 0.0);

  // Down to 3000 ft with a landing altitude of 5000: the schedule is 5000,
  // the cabin held at the aircraft's 3000.
  cockpit.control("CABIN PRESS", "landing_altitude", 5000).set(Token::AltitudeFt, 3000).runSeconds(1.1);
  EXPECT_EQ(GetCabinAltitude(), 3000.0);
  EXPECT_EQ(GetCabinDiffPressure(), 0.0);
  // On the ground the cabin is the aircraft's altitude; a bad altitude keeps the last.
  cockpit.set(Token::OnGround, 1).set(Token::AltitudeFt, 1416).runSeconds(1.1);
  EXPECT_EQ(GetCabinAltitude(), 1416.0);
  cockpit.set(Token::AltitudeFt, std::numeric_limits<double>::quiet_NaN()).runSeconds(2);
  EXPECT_EQ(GetCabinAltitude(), 1416.0);
  EXPECT_EQ(GetCabinDiffPressure(), 0.0);
}

// Knob at 1: 100 ft/min up, 40 down; at 8, 920 and 390; outside the table no limit.
TEST(CabinPress, TheRateLimitKnobAndTheManualLever) {
  Cockpit cockpit({.start = false});
  Airborne(cockpit, 2000, "rate_limit=1\r\n");
  cockpit.start();
  cockpit.set(Token::AltitudeFt, 45000).runSeconds(1.1);
  EXPECT_NEAR(GetCabinRate(), 100.0 / 60.0, 1e-12);
  const double cabin = GetCabinAltitude();
  cockpit.runSeconds(1.05);
  EXPECT_NEAR(GetCabinAltitude() - cabin, 100.0 / 60.0, 1e-9);
  cockpit.control("CABIN PRESS", "rate_limit", 8).runSeconds(1.05);
  EXPECT_NEAR(GetCabinRate(), 920.0 / 60.0, 1e-12);
  cockpit.set(Token::AltitudeFt, 2000).runSeconds(1.05);
  EXPECT_NEAR(GetCabinRate(), -390.0 / 60.0, 1e-12);
  cockpit.control("CABIN PRESS", "rate_limit", 1).runSeconds(1.05);
  EXPECT_NEAR(GetCabinRate(), -40.0 / 60.0, 1e-12);

  // Manual: the last rate stays until the crew changes it, within 2000 ft/min.
  cockpit.control("CABIN PRESS", "manual_lever", 1);
  const double before = GetCabinAltitude();
  cockpit.runSeconds(2.1);
  EXPECT_NEAR(GetCabinAltitude(), before - 2 * 40.0 / 60.0, 1e-9);
  for (int i = 0; i < 30; ++i) IncCabinRate();
  EXPECT_NEAR(GetCabinRate(), 1960.0 / 60.0, 1e-9) << "stops once above 1900 ft/min";
  for (int i = 0; i < 60; ++i) DecCabinRate();
  EXPECT_LT(GetCabinRate(), -1900.0 / 60.0);
  EXPECT_GE(GetCabinRate(), -2000.0 / 60.0 - 1e-9);

  // Stowed again: back to the schedule, with no limit outside the table.
  cockpit.control("CABIN PRESS", "manual_lever", kCabinManualLeverStowed).control("CABIN PRESS", "rate_limit", 20);
  cockpit.set(Token::AltitudeFt, 30000).runSeconds(1.05);
  EXPECT_NEAR(GetCabinAltitude(), 28000.0 / 4.375, 1e-9);
}

// The wheel turns toward 1 when the rate rises by more than 1 ft/s, toward 6
// when it falls; the step that runs it belongs to the flap lever's.
TEST(CabinPress, TheRateWheelStartsWhenTheRateMoves) {
  Cockpit cockpit({.start = false});
  Airborne(cockpit, 2000, "rate_wheeL=6\r\n");
  cockpit.start();
  cockpit.set(Token::AltitudeFt, 45000).runUntil([] { return GetSwitch(&g_cabinRateWheel) == 5; }, 1.2);
  for (int32_t frame = 4; frame >= 1; --frame) {
    cockpit.runTicks(1);
    EXPECT_EQ(GetSwitch(&g_cabinRateWheel), frame) << "one frame a tick";
  }
  cockpit.runTicks(3);
  EXPECT_EQ(GetSwitch(&g_cabinRateWheel), 1) << "the move ends at its last frame";
  cockpit.set(Token::AltitudeFt, 2000).runUntil([] { return GetSwitch(&g_cabinRateWheel) == 2; }, 1.2);
  for (int32_t frame = 3; frame <= 6; ++frame) {
    cockpit.runTicks(1);
    EXPECT_EQ(GetSwitch(&g_cabinRateWheel), frame);
  }
}

}  // namespace
}  // namespace halcyon::test
