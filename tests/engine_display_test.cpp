// The engine display panel read element by element as the simulator polls
// it: the drum rule at its rolls, the needles' clamps and steps, the blanking
// of each readout, the EGT blink, the CMD and EPR LIMIT windows, the fuel
// flow and fuel used in both units, the reverser lamps, the knobs and the
// fuel-used buttons. Each engine gets its own value.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gauges/engine_display.h"
#include "gauges/gauge_kit.h"
#include "core/options.h"
#include "core/tick_scheduler.h"
#include "systems/annunciator_lamps.h"
#include "systems/apu.h"
#include "systems/edp.h"
#include "systems/electric.h"
#include "systems/epr.h"
#include "systems/fuel_flow.h"
#include "systems/lights.h"
#include "systems/thrust_rating.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr Token kTokenN1[] = {Token::Engine1N1Pct, Token::Engine2N1Pct};
constexpr Token kTokenN2[] = {Token::Engine1N2Pct, Token::Engine2N2Pct};
constexpr Token kTokenEgtSource[] = {Token::Engine1Egt, Token::Engine2Egt};
constexpr Token kTokenFuelFlow[] = {Token::Engine1FuelFlow, Token::Engine2FuelFlow};
constexpr Token kTokenThrottle[] = {Token::Engine1Throttle, Token::Engine2Throttle};
constexpr double kBlank = kDrumBlank;

// Element indexes: each engine's dials, then the panel's windows and lamps.
constexpr uint32_t Dials(int engine) { return engine == 1 ? 21 : 3; }
constexpr uint32_t kN2Drums = 0, kN2Needle = 3, kEgtDrums = 4, kEgtNeedle = 7, kN1Drums = 8, kN1Needle = 11,
                   kEprPoint = 12, kEprDrums = 13, kEprPointer = 16, kCmdBug = 17;
constexpr uint32_t ReverseThrust(int engine) { return engine == 1 ? 41 : 39; }
constexpr uint32_t ReverseUnlocked(int engine) { return engine == 1 ? 42 : 40; }
constexpr uint32_t CmdWindows(int engine) { return engine == 1 ? 47 : 43; }
constexpr uint32_t CmdPoint(int engine) { return engine == 1 ? 50 : 46; }
constexpr uint32_t FuelWindows(int engine) { return engine == 1 ? 59 : 55; }
constexpr uint32_t kLimitWindows = 51;
constexpr uint32_t kLampTestFigure = 65;
constexpr uint32_t kFuelUsedLegend = 66;

// The EDP's EGT source token for an EGT in degrees C (the engine indication's
// three ranges, inverted).
double EgtSource(double degC) {
  if (degC < 2000.0 / 91.5995092849) return degC * 91.5995092849;
  if (degC < 310.0) return (degC - 39.3015205879) * 5.91063534408 + 2000.0;
  return (degC - 310.0) * 14.375 + 3600.0;
}

// Lit: panel power and the CPL digital lighting on.
struct LitEdp {
  explicit LitEdp(CockpitOptions options = {}) : cockpit(options) {
    cockpit.powerUp().setSwitch(&g_cplDigitalLight, kSwitchOn);
  }
  double value(uint32_t index) { return cockpit.elementValue("EDP", index); }
  std::vector<double> values(uint32_t first, uint32_t count) {
    std::vector<double> read;
    for (uint32_t n = first; n < first + count; ++n) read.push_back(value(n));
    return read;
  }
  std::vector<double> drums(int engine, uint32_t dial) { return values(Dials(engine) + dial, 3); }
  double needle(int engine, uint32_t dial) { return value(Dials(engine) + dial); }
  Cockpit cockpit;
};

TEST(EdpGauge, TheDrumRuleRollsEachDrumWithTheOneBelowItPastNine) {
  // Drum positions count down from 999 at the foot of the strip, 100 a digit.
  const auto drums = [](double value, double scale) {
    return std::vector<double>{DrumPosition(value, scale, Drum::kFirst), DrumPosition(value, scale, Drum::kMiddle),
                               DrumPosition(value, scale, Drum::kLast)};
  };
  EXPECT_EQ(drums(1.875, 10000), (std::vector<double>{899, 199, 249})) << "1, 8 and 7 half way to 8";
  EXPECT_EQ(drums(95.5, 100), (std::vector<double>{999, 99, 449}));
  EXPECT_EQ(drums(99.00, 100), (std::vector<double>{999, 99, 99})) << "units at 9: nothing rolls yet";
  EXPECT_EQ(drums(99.01, 100), (std::vector<double>{998, 98, 98})) << "past 9.00 the tens roll, past 99.00 the hundreds";
  EXPECT_EQ(drums(99.95, 100), (std::vector<double>{904, 4, 4}));
  EXPECT_EQ(drums(89.01, 100), (std::vector<double>{999, 198, 98})) << "the tens roll toward 9; the hundreds wait for 99";
  EXPECT_EQ(drums(627.0, 100), (std::vector<double>{399, 799, 299}));
  EXPECT_EQ(drums(-5.0, 100), (std::vector<double>{999, 999, 999})) << "below zero reads zero";
  EXPECT_EQ(drums(std::nan(""), 100), (std::vector<double>{999, 999, 999}));
  for (double position : drums(1.0e300, 100)) EXPECT_TRUE(position >= 0.0 && position <= 999.0);
}

TEST(EdpGauge, EprDrumsAndPointerStepPerEngine) {
  LitEdp edp;
  edp.cockpit.set(kTokenN2[0], 95.18).set(kTokenN2[1], 0.0).draw();
  ASSERT_EQ(GetEprDisplayValue(1), 1.875);
  EXPECT_EQ(edp.drums(1, kEprDrums), (std::vector<double>{899, 199, 249}));
  EXPECT_EQ(edp.needle(1, kEprPointer), 186.0) << "187.5 truncated, down to a multiple of 2";
  EXPECT_EQ(edp.drums(2, kEprDrums), (std::vector<double>{899, 999, 999})) << "1.00";
  EXPECT_EQ(edp.needle(2, kEprPointer), 100.0);
  edp.cockpit.set(kTokenN2[1], 130.0).draw();
  EXPECT_EQ(edp.needle(2, kEprPointer), 250.0) << "held at the top of the dial";
}

TEST(EdpGauge, RpmDrumsBlankTheirTensBelowTenPercentAndTheNeedlesStepByTwo) {
  LitEdp edp;
  edp.cockpit.set(kTokenN1[0], 9.5).set(kTokenN1[1], 10.0).set(kTokenN2[0], 120.0).set(kTokenN2[1], 9.99).draw();
  EXPECT_EQ(edp.drums(1, kN1Drums), (std::vector<double>{999, kBlank, 49})) << "the hundreds show their blank zero cell";
  EXPECT_EQ(edp.needle(1, kN1Needle), 8.0);
  EXPECT_EQ(edp.drums(2, kN1Drums), (std::vector<double>{999, 899, 999}));
  EXPECT_EQ(edp.needle(2, kN1Needle), 10.0);
  EXPECT_EQ(edp.needle(1, kN2Needle), 110.0) << "held at 110";
  EXPECT_EQ(edp.drums(1, kN2Drums), (std::vector<double>{899, 799, 999}));
  EXPECT_EQ(edp.drums(2, kN2Drums)[1], kBlank) << "9.99 is below 10";
}

TEST(EdpGauge, EgtDrumsBlankTheirLeadingDigitsAndTheNeedleStepsByTwelve) {
  LitEdp edp;
  edp.cockpit.set(kTokenEgtSource[0], EgtSource(95.0)).set(kTokenEgtSource[1], EgtSource(9.5)).draw();
  EXPECT_EQ(edp.drums(1, kEgtDrums), (std::vector<double>{kBlank, 99, 499}));
  EXPECT_EQ(edp.needle(1, kEgtNeedle), 84.0) << "95 in steps of 12";
  EXPECT_EQ(edp.drums(2, kEgtDrums), (std::vector<double>{kBlank, kBlank, 49}));
  EXPECT_EQ(edp.needle(2, kEgtNeedle), 0.0);
  edp.cockpit.set(kTokenEgtSource[0], EgtSource(99.5)).set(kTokenEgtSource[1], EgtSource(100.5)).draw();
  EXPECT_EQ(edp.drums(1, kEgtDrums)[0], kBlank);
  EXPECT_EQ(edp.drums(2, kEgtDrums)[0], 899.0) << "from 100 the hundreds show";
  EXPECT_EQ(edp.needle(2, kEgtNeedle), 96.0);
}

// Sampled once a tick, the digits of an EGT: shown (true) or blank.
struct Sample {
  double tick;
  bool shown;
};
std::vector<Sample> EgtShown(LitEdp& edp, int engine, int ticks) {
  std::vector<Sample> samples;
  for (int tick = 0; tick < ticks; ++tick) {
    edp.cockpit.runTicks(1);
    samples.push_back({edp.cockpit.tick18(), edp.drums(engine, kEgtDrums)[2] != kBlank});
  }
  return samples;
}
// The ticks the digits appeared or went blank on.
std::vector<double> Changes(const std::vector<Sample>& samples) {
  std::vector<double> ticks;
  for (size_t i = 1; i < samples.size(); ++i) {
    if (samples[i].shown != samples[i - 1].shown) ticks.push_back(samples[i].tick);
  }
  return ticks;
}
bool Steady(const std::vector<Sample>& samples) {
  for (const Sample& sample : samples) {
    if (!sample.shown) return false;
  }
  return true;
}

// The limit is 624 degrees in the take-off ratings and 630 in the others.
TEST(EdpGauge, EgtDigitsBlinkAboveTheLimitOfTheThrustRating) {
  LitEdp edp;
  edp.cockpit.set(kTokenEgtSource[0], EgtSource(627.0)).set(kTokenEgtSource[1], EgtSource(624.0));
  SetTrpMode(kTrpClimb);
  EXPECT_TRUE(Steady(EgtShown(edp, 1, 40))) << "627 in climb thrust";
  SetTrpMode(kTrpTakeoff);
  edp.cockpit.watchChannel(kChannel2Hz);
  const std::vector<double> blinks = Changes(EgtShown(edp, 1, 40));
  EXPECT_GE(blinks.size(), 3u) << "627 above the take-off limit";
  for (double tick : blinks) EXPECT_TRUE(edp.cockpit.dueTicks(kChannel2Hz).contains(tick)) << tick;
  EXPECT_TRUE(Steady(EgtShown(edp, 2, 40))) << "624 is not above it";
  SetTrpMode(kTrpFlexTakeoff);
  EXPECT_GE(Changes(EgtShown(edp, 1, 40)).size(), 3u);
  SetTrpMode(kTrpClimb);
  edp.cockpit.set(kTokenEgtSource[0], EgtSource(630.0)).set(kTokenEgtSource[1], EgtSource(631.0)).runTicks(12);
  EXPECT_TRUE(Steady(EgtShown(edp, 1, 40))) << "630 is not above the limit of any rating";
  EXPECT_GE(Changes(EgtShown(edp, 2, 40)).size(), 3u) << "631 blinks in every rating";
}

TEST(EdpGauge, UnlitTheDisplayIsBlankAndItsNeedlesRestEvenInTheLampTest) {
  LitEdp edp;
  edp.cockpit.set(kTokenN1[0], 50).set(kTokenN2[1], 90).set(kTokenFuelFlow[0], 3450).set(kTokenThrottle[1], -2000);
  edp.cockpit.setSwitch(&g_lampTestSwitch, kLampTestHeld);
  for (const bool panelPower : {true, false}) {
    SCOPED_TRACE(panelPower ? "CPL digital lighting off" : "no panel power");
    if (panelPower) {
      edp.cockpit.setSwitch(&g_cplDigitalLight, kSwitchOff);
    } else {
      edp.cockpit.setSwitch(&g_cplDigitalLight, kSwitchOn).setSwitch(&g_batterySwitch, kSwitchOff).runSeconds(2);
      ASSERT_EQ(IsPanelPowered(), 0u);
    }
    edp.cockpit.draw();
    for (int engine : {1, 2}) {
      for (uint32_t dial : {kN2Drums, kEgtDrums, kN1Drums, kEprDrums}) {
        EXPECT_EQ(edp.drums(engine, dial), std::vector<double>(3, kBlank)) << engine << " " << dial;
      }
      EXPECT_EQ(edp.needle(engine, kEprPointer), 80.0);
      EXPECT_EQ(edp.needle(engine, kCmdBug), 80.0);
      EXPECT_EQ(edp.needle(engine, kN1Needle), 0.0);
      EXPECT_EQ(edp.needle(engine, kN2Needle), 0.0);
      EXPECT_EQ(edp.needle(engine, kEgtNeedle), 0.0);
      EXPECT_EQ(edp.values(CmdWindows(engine), 3), std::vector<double>(3, 11.0));
      EXPECT_EQ(edp.values(FuelWindows(engine), 4), std::vector<double>(4, 10.0));
      EXPECT_EQ(edp.value(ReverseUnlocked(engine)), 0.0);
      EXPECT_FALSE(edp.cockpit.elementVisible("EDP", Dials(engine) + kEprPoint));
      EXPECT_FALSE(edp.cockpit.elementVisible("EDP", CmdPoint(engine)));
    }
    EXPECT_EQ(edp.values(kLimitWindows, 3), std::vector<double>(3, 11.0));
    for (uint32_t hidden : {64u, 63u, 54u, 38u, 37u, 32u, 28u, 24u, 20u, 19u, 14u, 10u, 6u, kLampTestFigure}) {
      EXPECT_FALSE(edp.cockpit.elementVisible("EDP", hidden)) << hidden;
    }
  }
}

TEST(EdpGauge, TheLampTestShowsEightsAndItsFigureOverTheDrums) {
  LitEdp edp;
  SetEprBugMode(&g_eprBug2, kEprBugTrp);
  SetEprBugMode(&g_eprBug1, kEprBugManual);
  edp.cockpit.setSwitch(&g_lampTestSwitch, kLampTestTimed).draw();
  for (int engine : {1, 2}) {
    EXPECT_EQ(edp.values(CmdWindows(engine), 3), std::vector<double>(3, 8.0)) << "also following the rating";
    EXPECT_EQ(edp.values(FuelWindows(engine), 4), std::vector<double>(4, 8.0));
    EXPECT_EQ(edp.value(ReverseThrust(engine)), 1.0);
  }
  EXPECT_EQ(edp.values(kLimitWindows, 3), std::vector<double>(3, 8.0));
  EXPECT_TRUE(edp.cockpit.elementVisible("EDP", kLampTestFigure));
  EXPECT_TRUE(edp.cockpit.elementVisible("EDP", CmdPoint(1)));
  EXPECT_FALSE(edp.cockpit.elementVisible("EDP", CmdPoint(2))) << "its point goes with the bug's mode";
  edp.cockpit.setSwitch(&g_lampTestSwitch, kSwitchOff).draw();
  EXPECT_FALSE(edp.cockpit.elementVisible("EDP", kLampTestFigure));
  EXPECT_EQ(edp.values(CmdWindows(2), 3), std::vector<double>(3, 11.0));
}

TEST(EdpGauge, TheCmdReadoutKeepsItsDigitsAfterSmallStepsOfTheKnob) {
  LitEdp edp;
  edp.cockpit.addSounds({kClickKnob, kClickButton1});
  SetEprBugMode(&g_eprBug1, kEprBugManual);
  SetEprBugMode(&g_eprBug2, kEprBugManual);
  SetEprBug(&g_eprBug1, 1.80);
  SetEprBug(&g_eprBug2, 1.80);
  for (int i = 0; i < 22; ++i) edp.cockpit.click("EDP", 5, 280);   // engine 1 down
  for (int i = 0; i < 3; ++i) edp.cockpit.click("EDP", 165, 280);  // engine 2 up
  edp.cockpit.draw();
  ASSERT_LT(GetEprBug(&g_eprBug1), 1.58) << "1.5799999999999998 as stored";
  EXPECT_EQ(edp.values(CmdWindows(1), 3), (std::vector<double>{1, 5, 8}));
  EXPECT_EQ(edp.needle(1, kCmdBug), 158.0);
  EXPECT_EQ(edp.values(CmdWindows(2), 3), (std::vector<double>{1, 8, 3}));
  EXPECT_EQ(edp.needle(2, kCmdBug), 182.0);
  EXPECT_EQ(edp.cockpit.played(kClickKnob).size(), 25u);

  // Pulled, the knob hands the bug to the thrust rating: the CMD readout and
  // its point go blank and the bug shows the rating's bug.
  edp.cockpit.click("EDP", 20, 280);
  EXPECT_EQ(GetEprBugMode(&g_eprBug1), kEprBugTrp);
  EXPECT_EQ(GetEprBugMode(&g_eprBug2), kEprBugManual);
  SetEprTrpBug(&g_eprBug1, 2.05);
  edp.cockpit.draw();
  EXPECT_EQ(edp.values(CmdWindows(1), 3), std::vector<double>(3, 11.0));
  EXPECT_FALSE(edp.cockpit.elementVisible("EDP", CmdPoint(1)));
  EXPECT_TRUE(edp.cockpit.elementVisible("EDP", CmdPoint(2)));
  EXPECT_EQ(edp.needle(1, kCmdBug), 204.0);
  EXPECT_EQ(edp.cockpit.played(kClickButton1).size(), 1u);
  // In that mode the knob steps the rating's bug.
  edp.cockpit.click("EDP", 30, 280);
  EXPECT_DOUBLE_EQ(GetEprTrpBug(&g_eprBug1), 2.06);
  EXPECT_DOUBLE_EQ(GetEprBug(&g_eprBug1), 1.58);
  edp.cockpit.click("EDP", 150, 280);
  EXPECT_EQ(GetEprBugMode(&g_eprBug2), kEprBugTrp);
}

TEST(EdpGauge, EprLimitReadsTheRatingRoundedDashesWithoutOneAndTheTestFigure) {
  LitEdp edp;
  SetTrpMode(kTrpNone);
  edp.cockpit.draw();
  EXPECT_EQ(edp.values(kLimitWindows, 3), std::vector<double>(3, 10.0)) << "three dashes";
  SetTrpMode(kTrpTakeoff);
  edp.cockpit.runTicks(10).draw();
  const double limit = GetTrpTarget();
  ASSERT_GT(limit, 1.0);
  const auto hundredths = static_cast<int>(std::floor((limit + 0.005) * 100.0 + 1e-9));
  EXPECT_EQ(edp.values(kLimitWindows, 3),
            (std::vector<double>{static_cast<double>(hundredths / 100), static_cast<double>(hundredths / 10 % 10),
                                 static_cast<double>(hundredths % 10)}))
      << limit;
  SetTrpButton(0);
  edp.cockpit.draw();
  ASSERT_EQ(GetTrpMode(), kTrpNone);
  EXPECT_EQ(edp.values(kLimitWindows, 3), (std::vector<double>{2, 0, 4})) << "the test reads 2.04 in any mode";
  SetTrpButton(1);
}

TEST(EdpGauge, FuelFlowReadsInTensOfPoundsOrKilogramsWithLeadingBlanks) {
  LitEdp edp;
  const auto fuel = [&edp](double flow1, double flow2) {
    edp.cockpit.set(kTokenFuelFlow[0], flow1).set(kTokenFuelFlow[1], flow2).draw();
    return std::vector<std::vector<double>>{edp.values(FuelWindows(1), 4), edp.values(FuelWindows(2), 4)};
  };
  using Windows = std::vector<std::vector<double>>;
  EXPECT_EQ(fuel(3450, 12345), (Windows{{10, 3, 4, 5}, {1, 2, 3, 4}}));
  EXPECT_EQ(fuel(99.9, 100), (Windows{{10, 10, 10, 9}, {10, 10, 1, 0}})) << "the hundreds above 99.9";
  EXPECT_EQ(fuel(999.9, 1000), (Windows{{10, 10, 9, 9}, {10, 1, 0, 0}}));
  EXPECT_EQ(fuel(9999.9, 10000), (Windows{{10, 9, 9, 9}, {1, 0, 0, 0}}));
  EXPECT_EQ(fuel(20000, -50), (Windows{{1, 7, 0, 0}, {10, 10, 10, 0}})) << "held within 0..17000";
  EXPECT_EQ(fuel(std::nan(""), 5), (Windows{{10, 10, 10, 0}, {10, 10, 10, 0}}));

  edp.cockpit.set(Token::UnitsOfMeasure, 2).runSeconds(1);
  EXPECT_EQ(fuel(3450, 12345), (Windows{{10, 1, 5, 6}, {10, 5, 5, 9}})) << "1564.9 and 5599.5 kg";
}

TEST(EdpGauge, TheButtonsShowTheFuelUsedForTenSecondsAndTheResetZeroesIt) {
  LitEdp edp;
  edp.cockpit.addSounds({kClickButton1, kClickButton2});
  edp.cockpit.set(kTokenFuelFlow[0], 3450).set(kTokenFuelFlow[1], 3460);
  SetFuelUsed(1, 23456.0, 0.0);
  SetFuelUsed(2, 512.0, 0.0);
  edp.cockpit.click("EDP", 80, 275).draw();
  EXPECT_EQ(GetSwitch(&g_edpFuelUsedButton), kEdpButtonPressed);
  EXPECT_EQ(edp.values(FuelWindows(1), 4), (std::vector<double>{2, 3, 4, 5}));
  EXPECT_EQ(edp.values(FuelWindows(2), 4), (std::vector<double>{10, 10, 5, 1}));
  EXPECT_TRUE(edp.cockpit.elementVisible("EDP", kFuelUsedLegend));
  EXPECT_EQ(edp.cockpit.played(kClickButton2).size(), 1u);
  edp.cockpit.runTicks(180).draw();
  EXPECT_EQ(edp.values(FuelWindows(1), 4), (std::vector<double>{2, 3, 4, 5})) << "still on show";
  edp.cockpit.runTicks(2).draw();
  EXPECT_EQ(edp.values(FuelWindows(1), 4), (std::vector<double>{10, 3, 4, 5})) << "back to the fuel flow";
  EXPECT_FALSE(edp.cockpit.elementVisible("EDP", kFuelUsedLegend));

  // Held, the reset shows the fuel used at zero; released, the fuel used
  // stays up for ten seconds.
  edp.cockpit.mouse("EDP", 110, 275, platform::kMouseLeftSingle).runTicks(30).draw();
  EXPECT_EQ(GetSwitch(&g_edpFuelUsedButton), kEdpButtonHeld);
  EXPECT_EQ(GetFuelUsed(1), 0.0);
  EXPECT_EQ(edp.values(FuelWindows(2), 4), (std::vector<double>{10, 10, 10, 0}));
  edp.cockpit.mouse("EDP", 110, 275, platform::kMouseLeftRelease);
  EXPECT_EQ(GetSwitch(&g_edpFuelUsedButton), kEdpButtonPressed);
  EXPECT_EQ(edp.cockpit.played(kClickButton1).size(), 2u);
  edp.cockpit.runTicks(182);
  EXPECT_EQ(GetSwitch(&g_edpFuelUsedButton), kEdpButtonReleased);

  // A keyboard command presses the reset only: fuel used stays on show until
  // the display button is pressed, ten seconds after which it goes.
  edp.cockpit.callControl("EDP", "EdpMouseFuelUsedReset").runSeconds(30);
  EXPECT_EQ(GetSwitch(&g_edpFuelUsedButton), kEdpButtonHeld);
  edp.cockpit.callControl("EDP", "EdpMouseFuelUsedDisplay").runSeconds(10.5);
  EXPECT_EQ(GetSwitch(&g_edpFuelUsedButton), kEdpButtonReleased);
}

TEST(EdpGauge, ReverserLampsFollowEachEnginesOwnLever) {
  LitEdp edp;
  edp.cockpit.set(kTokenThrottle[1], -2000).runTicks(1);
  EXPECT_EQ(edp.value(ReverseUnlocked(2)), 1.0);
  EXPECT_EQ(edp.value(ReverseThrust(2)), 0.0) << "deploying";
  EXPECT_EQ(edp.value(ReverseUnlocked(1)), 0.0);
  edp.cockpit.runSeconds(2.5);
  EXPECT_EQ(edp.value(ReverseThrust(2)), 1.0);
  EXPECT_EQ(edp.value(ReverseThrust(1)), 0.0);
  edp.cockpit.set(kTokenThrottle[1], 0).runTicks(1);
  EXPECT_EQ(edp.value(ReverseThrust(2)), 0.0) << "stowing";
  EXPECT_EQ(edp.value(ReverseUnlocked(2)), 1.0);
  edp.cockpit.runSeconds(2.5);
  EXPECT_EQ(edp.value(ReverseUnlocked(2)), 0.0);
}

TEST(EdpGauge, OverlaysFollowTheCplLightsAndTheClickAreaOption) {
  LitEdp edp;
  edp.cockpit.setSwitch(&g_cplPanelLight, kSwitchOn).draw();
  EXPECT_TRUE(edp.cockpit.elementVisible("EDP", 1));
  EXPECT_TRUE(edp.cockpit.elementVisible("EDP", 2));
  EXPECT_FALSE(edp.cockpit.elementVisible("EDP", 67));
  edp.cockpit.setSwitch(&g_cplPanelLight, kSwitchOff).setOption(kOptionClickAreas, true).draw();
  EXPECT_FALSE(edp.cockpit.elementVisible("EDP", 1));
  EXPECT_FALSE(edp.cockpit.elementVisible("EDP", 2));
  EXPECT_TRUE(edp.cockpit.elementVisible("EDP", 67));
}

// Engine 2's dials are engine 1's moved 69 pixels to the right, element for
// element: drums and needles, their scales and their names.
// The hundreds, tens and units drums of the N2, EGT and N1 readouts stand
// 7 pixels apart, the units drum 4 pixels above the other two.
TEST(EdpGauge, EachReadoutsDrumsStandSevenPixelsApartWithTheUnitsRaised) {
  Cockpit cockpit;
  for (uint32_t readout : {0u, 4u, 8u}) {
    const platform::ELEMENT_HEADER& hundreds = cockpit.element("EDP", Dials(1) + readout);
    const platform::ELEMENT_HEADER& tens = cockpit.element("EDP", Dials(1) + readout + 1);
    const platform::ELEMENT_HEADER& units = cockpit.element("EDP", Dials(1) + readout + 2);
    ASSERT_TRUE(std::string(hundreds.name).ends_with("hundreds drum")) << hundreds.name;
    EXPECT_EQ(tens.x - hundreds.x, 7) << hundreds.name;
    EXPECT_EQ(units.x - tens.x, 7) << hundreds.name;
    EXPECT_EQ(tens.y, hundreds.y) << hundreds.name;
    EXPECT_EQ(hundreds.y - units.y, 4) << hundreds.name;
  }
}

TEST(EdpGauge, EngineTwosDialsAreEngineOnesMovedSixtyNinePixelsRight) {
  Cockpit cockpit;
  for (uint32_t n = 0; n < 18; ++n) {
    const platform::ELEMENT_HEADER& one = cockpit.element("EDP", Dials(1) + n);
    const platform::ELEMENT_HEADER& two = cockpit.element("EDP", Dials(2) + n);
    const std::string name = one.name;
    ASSERT_TRUE(name.starts_with("1 ")) << name;
    EXPECT_EQ(std::string(two.name), "2 " + name.substr(2));
    EXPECT_EQ(two.kind, one.kind) << name;
    EXPECT_EQ(two.y, one.y) << name;
    if (one.kind != platform::ElementKind::Needle) {
      EXPECT_EQ(two.x, one.x + 69) << name;
      continue;
    }
    EXPECT_EQ(two.pivotX, one.pivotX + 69) << name;
    EXPECT_EQ(two.pivotY, one.pivotY) << name;
    ASSERT_EQ(two.scalePoints, one.scalePoints) << name;
    for (uint32_t i = 0; i < one.scalePoints; ++i) {
      EXPECT_EQ(two.scale[i].x, one.scale[i].x + 69) << name << " mark " << i;
      EXPECT_EQ(two.scale[i].y, one.scale[i].y) << name << " mark " << i;
      EXPECT_EQ(two.scale[i].value, one.scale[i].value) << name << " mark " << i;
    }
  }
}

}  // namespace
}  // namespace halcyon::test
