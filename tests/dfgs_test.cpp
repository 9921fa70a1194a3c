// The DFGS's state: [DFGS], [FDC] and [FGCP] round trips, the bounded
// setters, the selected values and their knobs, and the queries other
// systems read.
#include <gtest/gtest.h>

#include "core/panel_services.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/fuel_quantity.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

// The 6-character buffer keeps five digits: "1234567" reads as 12345.
class PreselectLoad : public testing::TestWithParam<std::pair<const char*, double>> {};

TEST_P(PreselectLoad, RoundsDownToHundredsWithinTheRange) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, std::string("[DFGS]\r\ndfgs.ap_altitude_preselect=") + GetParam().first + "\r\n");
  cockpit.start();
  EXPECT_EQ(GetDfgsSelectedValue(kSelAltitude), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Dfgs, PreselectLoad,
                         testing::Values(std::pair{"12345", 12300.0}, std::pair{"60000", 50000.0},
                                         std::pair{"-5", 0.0}, std::pair{"", 0.0}, std::pair{"1234567", 12300.0},
                                         std::pair{"99", 0.0}));

TEST(Dfgs, LoadReadsTheSimulatorsAutopilotAndTheSavedSwitches) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[DFGS]\r\ndfgc=1\r\ndfgs.ap_heading_select=200\r\ndfgs.at_switch=41\r\n"
                          "[FDC]\r\ncadc=44\r\n[FGCP]\r\nbacklight=41\r\ndigitaL=41\r\n");
  cockpit.set(Token::AltitudeFt, 31000)
      .set(Token::AltitudeLock, 1)
      .set(Token::HeadingLock, 1)
      .set(Token::HeadingBugDeg, 275)
      .set(Token::AutopilotAirspeedKt, 480)
      .set(Token::AutopilotMach, 0.78);
  cockpit.start();
  EXPECT_EQ(GetDfgc(), 1);
  EXPECT_EQ(GetDfgsSpeedView(), 1) << "above 27000 ft";
  EXPECT_EQ(GetDfgsPitchMode(), kPitchAltitudeHold);
  EXPECT_EQ(GetDfgsRollMode(), kRollHeadingSelect);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustMach);
  EXPECT_EQ(GetDfgsSelectedValue(kSelAltitude), 100.0) << "the default";
  EXPECT_EQ(GetDfgsSelectedValue(kSelHeading), 275.0) << "the heading bug replaces the saved heading";
  EXPECT_EQ(GetDfgsSelectedValue(kSelSpeed), 450.0);
  EXPECT_EQ(GetDfgsSelectedValue(kSelMach), 0.78);
  EXPECT_EQ(GetSwitch(&g_cadcSwitch), 44);
  EXPECT_EQ(GetSwitch(&g_verticalGyroSwitch), 43);
  EXPECT_EQ(IsFgcpLightOn(), 0u) << "no panel power";
  cockpit.control("APU", "battery", 41).runSeconds(3);
  EXPECT_EQ(IsFgcpLightOn(), 1u);
  SetDfgsSelectedValue(kSelAltitude, 8765);
  ToggleDfgc();
  cockpit.control("DFGS", "dfgs.at_switch", 120);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustOff);
  EXPECT_EQ(IsAutothrottleDisconnect(), 1u);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("DFGS", "dfgc"), "0");
  EXPECT_EQ(cockpit.ini("DFGS", "dfgs.ap_altitude_preselect"), "8700");
  EXPECT_EQ(cockpit.ini("DFGS", "dfgs.ap_heading_select"), "275");
  EXPECT_EQ(cockpit.ini("DFGS", "dfgs.at_switch"), "120");
  EXPECT_EQ(cockpit.ini("FDC", "cadc"), "44");
  EXPECT_EQ(cockpit.ini("FDC", "fd_cmd"), "43");
  EXPECT_EQ(cockpit.ini("FGCP", "digitaL"), "41");
}

TEST(Dfgs, ModeSettersStoreZeroOutsideTheirRange) {
  Cockpit cockpit;
  SetDfgsThrustMode(kThrustIas);
  SetDfgsThrustMode(13);
  EXPECT_EQ(GetDfgsThrustMode(), 0);
  EXPECT_EQ(GetDfgsPreviousThrustMode(), kThrustIas);
  SetDfgsThrustMode(14);
  EXPECT_EQ(GetDfgsThrustMode(), 14);
  EXPECT_EQ(GetDfgsPreviousThrustMode(), 0);
  SetDfgsThrustMode(12);
  EXPECT_EQ(GetDfgsThrustMode(), 12);
  SetDfgsThrustMode(15);
  EXPECT_EQ(GetDfgsThrustMode(), 0);
  SetDfgsPitchMode(19);
  EXPECT_EQ(GetDfgsPitchMode(), 19);
  SetDfgsPitchMode(20);
  EXPECT_EQ(GetDfgsPitchMode(), 0);
  SetDfgsRollMode(16);
  EXPECT_EQ(GetDfgsRollMode(), 16);
  SetDfgsRollMode(-1);
  EXPECT_EQ(GetDfgsRollMode(), 0);
  SetDfgsModeE(8);
  EXPECT_EQ(GetDfgsModeE(), 0);
  SetDfgsApproachMode(2);
  EXPECT_EQ(GetDfgsApproachMode(), 2);
  SetDfgsApproachMode(3);
  EXPECT_EQ(GetDfgsApproachMode(), 0);
  SetDfgsAltPreselectArm(3);
  EXPECT_EQ(GetDfgsAltPreselectArm(), 0);

  SetDfgsMachTarget(0.8149);
  EXPECT_DOUBLE_EQ(GetDfgsMachTarget(), 0.814);
  SetDfgsMachTarget(3.3);
  EXPECT_DOUBLE_EQ(GetDfgsMachTarget(), 0.814);
  SetDfgsIasTarget(250);
  SetDfgsIasTarget(1200);
  EXPECT_EQ(GetDfgsIasTarget(), 250.0);
  SetDfgsIasTarget(-1);
  EXPECT_EQ(GetDfgsIasTarget(), 250.0);
  EXPECT_EQ(GetDfgsSelectedValue(7), -1.0);
  SetDfgsSelectedValue(kSelHeading, 400);
  EXPECT_EQ(GetDfgsSelectedValue(kSelHeading), 359.0);
  SetDfgsSelectedValue(kSelMach, 0.95);
  EXPECT_EQ(GetDfgsSelectedValue(kSelMach), 0.9);
  SetDfgsSelectedValue(kSelSpeed, 451);
  EXPECT_EQ(GetDfgsSelectedValue(kSelSpeed), 450.0);

  cockpit.clearKeyEvents();
  SetDfgsVsWheel(25);
  EXPECT_EQ(GetDfgsVsWheel(), 10);
  DecDfgsVsWheel();
  SetDfgsVsWheel(-11);
  const auto events = cockpit.keyEvents(kKeyEventVerticalSpeedSet);
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].value, 6000u);
  EXPECT_EQ(events[1].value, 5400u);
  EXPECT_EQ(static_cast<int32_t>(events[2].value), -6000);
}

TEST(Dfgs, KnobsStepFasterWithinThreeTicksAndWrapTheHeading) {
  Cockpit cockpit;
  SetDfgsSelectedValue(kSelHeading, 358);
  IncDfgsSelectedValue(kSelHeading);
  EXPECT_EQ(GetDfgsSelectedValue(kSelHeading), 359.0);
  cockpit.runTicks(4);
  IncDfgsSelectedValue(kSelHeading);
  EXPECT_EQ(GetDfgsSelectedValue(kSelHeading), 0.0) << "past 359";
  cockpit.runTicks(4);
  DecDfgsSelectedValue(kSelHeading);
  EXPECT_EQ(GetDfgsSelectedValue(kSelHeading), 359.0);
  cockpit.runTicks(2);
  DecDfgsSelectedValue(kSelAltitude);
  EXPECT_EQ(GetDfgsSelectedValue(kSelAltitude), 0.0) << "fast (5 x 100) but not below 0";
  cockpit.runTicks(4);
  IncDfgsSelectedValue(kSelAltitude);
  EXPECT_EQ(GetDfgsSelectedValue(kSelAltitude), 100.0);
  cockpit.runTicks(3);
  IncDfgsSelectedValue(kSelAltitude);
  EXPECT_EQ(GetDfgsSelectedValue(kSelAltitude), 200.0) << "3 ticks after the previous call: no longer fast";
  cockpit.runTicks(2);
  IncDfgsSelectedValue(kSelAltitude);
  EXPECT_EQ(GetDfgsSelectedValue(kSelAltitude), 700.0) << "2 ticks after: fast";
  cockpit.runTicks(4);
  SetDfgsSelectedValue(kSelSpeed, 449);
  IncDfgsSelectedValue(kSelSpeed);
  IncDfgsSelectedValue(kSelSpeed);
  EXPECT_EQ(GetDfgsSelectedValue(kSelSpeed), 450.0);
  cockpit.runTicks(4);
  SetDfgsSelectedValue(kSelMach, 0.78);
  DecDfgsSelectedValue(kSelMach);
  EXPECT_NEAR(GetDfgsSelectedValue(kSelMach), 0.77, 1e-12);
  IncDfgsSelectedValue(7);
  EXPECT_EQ(GetDfgsSelectedValue(7), -1.0);

  SetDfgsIasTarget(997);
  cockpit.runTicks(10);
  IncDfgsIasTarget();
  EXPECT_EQ(GetDfgsIasTarget(), 998.0);
  IncDfgsIasTarget();
  EXPECT_EQ(GetDfgsIasTarget(), 999.0) << "fast, held at 999";
  SetDfgsMachTarget(0.02);
  cockpit.runTicks(10);
  DecDfgsMachTarget();
  DecDfgsMachTarget();
  EXPECT_EQ(GetDfgsMachTarget(), 0.0);
}

TEST(Dfgs, QueriesOfFlapsNavReceiversAndIrs) {
  Cockpit cockpit;
  constexpr Token flaps = Token::FlapPosition;
  const struct {
    double handle;
    double placardKt;
    double incrementKt;
  } kBands[] = {{16384, 195, 0}, {16383, 220, 3}, {11461, 220, 3}, {11460, 240, 7},
                {6141, 240, 7},  {6140, 280, 9},  {4501, 280, 9},  {4500, 100000, 41}};
  for (const auto& band : kBands) {
    cockpit.set(flaps, band.handle);
    EXPECT_EQ(GetFlapPlacardSpeed(), band.placardKt) << band.handle;
    ComputeDfgsMinimumSpeed();
    const double base = (GetPanelGrossWeight() - 79686.0) * 0.000442857 + 94.0;
    EXPECT_NEAR(GetDfgsMinimumSpeed(), base + band.incrementKt, 1e-9) << band.handle;
  }
  cockpit.set(flaps, 11461);
  EXPECT_EQ(IsLandingFlapsSet(), 1u);
  cockpit.set(flaps, 11460);
  EXPECT_EQ(IsLandingFlapsSet(), 0u);

  cockpit.set(Token::Nav1Frequency, 110.3)
      .set(Token::Nav2Frequency, 110.3)
      .set(Token::Nav1CourseDeg, 250)
      .set(Token::Nav2CourseDeg, 250);
  EXPECT_EQ(IsNavPairMatched(), 1u);
  cockpit.set(Token::Nav2CourseDeg, 251);
  EXPECT_EQ(IsNavPairMatched(), 0u);
  cockpit.setOption(10, true);
  EXPECT_EQ(IsNavPairMatched(), 1u) << "one NAV receiver is enough";
  cockpit.set(Token::Nav1Code, 0x40);
  EXPECT_EQ(IsGlideslopeAvailable(), 0u) << "no localizer";
  cockpit.set(Token::Nav1Code, 0xC0);
  EXPECT_EQ(IsGlideslopeAvailable(), 1u);
  cockpit.set(Token::Nav1Code, 0x80);
  EXPECT_EQ(IsGlideslopeAvailable(), 0u);

  EXPECT_EQ(IsDfgsIrsValid(), 0u);
  cockpit.irsInNav(1);
  EXPECT_EQ(IsDfgsIrsValid(), 1u);
  ToggleDfgc();
  EXPECT_EQ(IsDfgsIrsValid(), 0u) << "DFGC 2 reads the right IRS";
  cockpit.irsInNav(2);
  EXPECT_EQ(IsDfgsIrsValid(), 1u);

  SetDfgsApproachMode(kApproachAutoland);
  SetDfgsRollMode(kRollAutolandLocalizer);
  SetDfgsPitchMode(kPitchRollout);
  EXPECT_EQ(IsDfgsCaptureCondition(), 1u);
  SetDfgsPitchMode(kPitchGoAround);
  EXPECT_EQ(IsDfgsCaptureCondition(), 0u);
}

}  // namespace
}  // namespace halcyon::test
