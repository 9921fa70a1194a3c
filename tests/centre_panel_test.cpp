// The centre panel's smaller gauges as the simulator drives them: the fuel
// quantity readouts, test and payload knob; the engine fire handles, their
// blink and the fire test; the warning lamps' buttons, the lamp test and the
// GPWS buttons; the gear lever and lamps. Then the power and lamp-test
// matrix over every lamp of these gauges and the engine display, and their
// elements under extreme tokens.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "gauges/engine_fire.h"
#include "gauges/gauge_kit.h"
#include "gauges/gear_gauges.h"
#include "host/keyboard_combos.h"
#include "host/voice_queue.h"
#include "systems/altimeter.h"
#include "systems/annunciator_lamps.h"
#include "systems/apu.h"
#include "systems/electric.h"
#include "systems/epr.h"
#include "systems/fire_protection.h"
#include "systems/fuel_quantity.h"
#include "systems/gear.h"
#include "systems/gpws.h"
#include "systems/lights.h"
#include "systems/reserve_thrust.h"
#include "systems/various.h"
#include "systems/warning_lights.h"
#include "core/options.h"
#include "core/tick_scheduler.h"
#include "tests/cockpit.h"
#include "tests/element_places.h"

namespace halcyon::test {
namespace {

constexpr uint32_t kClick = platform::kMouseLeftSingle;
constexpr uint32_t kRelease = platform::kMouseLeftRelease;
constexpr uint32_t kRightClick = platform::kMouseRightSingle;
constexpr Token kTokenEngineFire[] = {Token::Engine1Fire, Token::Engine2Fire};
constexpr double kBlank = 10.0;

// A powered cockpit with the CPL digital lighting on.
struct LitCockpit {
  explicit LitCockpit(CockpitOptions options = {}) : cockpit(options) {
    cockpit.powerUp().setSwitch(&g_cplDigitalLight, kSwitchOn);
  }
  Cockpit cockpit;
};

// ---- Fuel_Quantity ----

// A readout's windows, the most significant first: GROSS WT 2..7, TOTAL
// 8..12, CTR 13..17, R MAIN 18..21, L MAIN 22..25 (each from its units up).
enum class Readout { kGross, kTotal, kCentre, kRight, kLeft };
std::vector<double> Windows(Cockpit& cockpit, Readout readout) {
  struct Span {
    uint32_t units;
    uint32_t count;
  };
  constexpr Span kSpans[] = {{2, 6}, {8, 5}, {13, 5}, {18, 4}, {22, 4}};
  const Span span = kSpans[static_cast<int>(readout)];
  std::vector<double> digits;
  for (uint32_t n = span.units + span.count; n-- > span.units;) digits.push_back(cockpit.elementValue("Fuel_Quantity", n));
  return digits;
}

using Digits = std::vector<double>;

// Tanks in pounds: one pound a gallon.
void SetTanks(Cockpit& cockpit, double leftLb, double centreLb, double rightLb) {
  cockpit.set(Token::FuelWeightLbPerGallon, 1.0)
      .set(Token::FuelLeftGal, leftLb)
      .set(Token::FuelCenterGal, centreLb)
      .set(Token::FuelRightGal, rightLb);
}

TEST(FuelQuantityGauge, ReadoutsRoundDownTo25AndBlankTheirLeadingZeros) {
  LitCockpit lit;
  Cockpit& cockpit = lit.cockpit;
  ASSERT_EQ(GetPayload(), 40000.0);
  SetTanks(cockpit, 1234.6, 0.0, 80.0);
  cockpit.draw();
  EXPECT_EQ(Windows(cockpit, Readout::kLeft), (Digits{1, 2, 2, 5}));
  EXPECT_EQ(Windows(cockpit, Readout::kRight), (Digits{kBlank, kBlank, 7, 5}));
  EXPECT_EQ(Windows(cockpit, Readout::kCentre), (Digits{kBlank, kBlank, kBlank, kBlank, 0}));
  EXPECT_EQ(Windows(cockpit, Readout::kTotal), (Digits{kBlank, 1, 3, 0, 0})) << "1314.6 lb";
  EXPECT_EQ(Windows(cockpit, Readout::kGross), (Digits{1, 2, 1, 0, 0, 0})) << "fuel, payload and the empty aircraft";
  SetTanks(cockpit, 9999.0, 12000.0, 10.0);
  cockpit.set(Token::UnitsOfMeasure, 2).runSeconds(1).draw();
  EXPECT_EQ(Windows(cockpit, Readout::kLeft), (Digits{4, 5, 2, 5})) << "4535.47 kg";
  EXPECT_EQ(Windows(cockpit, Readout::kRight), (Digits{kBlank, kBlank, kBlank, 0})) << "4.5 kg";
  EXPECT_EQ(Windows(cockpit, Readout::kCentre), (Digits{kBlank, 5, 4, 2, 5}));
}

// Each readout's windows stand in a row 9 pixels apart, the units on the
// right, each an icon of the 12-frame digit strip.
TEST(FuelQuantityGauge, EachReadoutsWindowsStandInARowNinePixelsApart) {
  Cockpit cockpit;
  const struct {
    uint32_t units, windows;
    int32_t x, y;
  } readouts[] = {{2, 6, 82, 92}, {8, 5, 79, 68}, {13, 5, 79, 45}, {18, 4, 100, 25}, {22, 4, 48, 25}};
  for (auto [units, windows, x, y] : readouts) {
    for (uint32_t n = 0; n < windows; ++n) {
      const platform::ELEMENT_HEADER& window = cockpit.element("Fuel_Quantity", units + n);
      EXPECT_EQ(window.x, x - 9 * static_cast<int32_t>(n)) << units + n;
      EXPECT_EQ(window.y, y) << units + n;
      EXPECT_EQ(window.frameCount, 12) << units + n;
    }
  }
}

TEST(FuelQuantityGauge, TheTestShowsItsFiguresAndTheLampTestShowsEights) {
  LitCockpit lit;
  Cockpit& cockpit = lit.cockpit;
  cockpit.addSounds({kClickButton1});
  SetTanks(cockpit, 1000.0, 2000.0, 1500.0);
  EXPECT_EQ(GetSwitch(&g_fuelQuantityTestButton), kSwitchOff) << "released from the start";
  cockpit.mouse("Fuel_Quantity", 10, 100, kClick).draw();
  EXPECT_EQ(GetSwitch(&g_fuelQuantityTestButton), kSwitchOn);
  EXPECT_EQ(Windows(cockpit, Readout::kLeft), (Digits{3, 0, 0, 0}));
  EXPECT_EQ(Windows(cockpit, Readout::kRight), (Digits{3, 0, 0, 0}));
  EXPECT_EQ(Windows(cockpit, Readout::kCentre), (Digits{kBlank, 3, 0, 0, 0}));
  EXPECT_EQ(Windows(cockpit, Readout::kTotal), (Digits{kBlank, 9, 0, 0, 0}));
  EXPECT_EQ(Windows(cockpit, Readout::kGross), (Digits{1, 2, 8, 6, 7, 5})) << "119686 lb + 9000, down to 25";
  cockpit.set(Token::UnitsOfMeasure, 2).runSeconds(1).draw();
  EXPECT_EQ(Windows(cockpit, Readout::kLeft), (Digits{3, 0, 0, 0})) << "the tank figures stay";
  EXPECT_EQ(Windows(cockpit, Readout::kGross), (Digits{kBlank, 6, 3, 2, 7, 5})) << "54288.6 kg + 9000";

  cockpit.setSwitch(&g_lampTestSwitch, kLampTestHeld).draw();
  for (Readout readout : {Readout::kGross, Readout::kTotal, Readout::kCentre, Readout::kRight, Readout::kLeft}) {
    const Digits digits = Windows(cockpit, readout);
    EXPECT_EQ(digits, Digits(digits.size(), 8.0)) << "the lamp test over the test button";
  }
  cockpit.setSwitch(&g_cplDigitalLight, kSwitchOff).draw();
  EXPECT_EQ(Windows(cockpit, Readout::kGross), Digits(6, kBlank)) << "unlit, also in the lamp test";
  cockpit.setSwitch(&g_cplDigitalLight, kSwitchOn).setSwitch(&g_lampTestSwitch, kSwitchOff);
  cockpit.mouse("Fuel_Quantity", 10, 100, kRelease).draw();
  EXPECT_EQ(GetSwitch(&g_fuelQuantityTestButton), kSwitchOff);
  EXPECT_EQ(Windows(cockpit, Readout::kTotal), (Digits{kBlank, 2, 0, 2, 5})) << "4500 lb as 2041.2 kg";
  EXPECT_EQ(cockpit.played(kClickButton1).size(), 2u);
}

TEST(FuelQuantityGauge, TheFirstPayloadClickShowsTheZeroFuelWeightAndLaterOnesStepIt) {
  LitCockpit lit;
  Cockpit& cockpit = lit.cockpit;
  cockpit.addSounds({kClickKnob});
  SetTanks(cockpit, 5000.0, 0.0, 5000.0);
  cockpit.runTicks(5).draw();
  EXPECT_EQ(Windows(cockpit, Readout::kGross), (Digits{1, 2, 9, 6, 7, 5})) << "the gross weight";

  cockpit.click("Fuel_Quantity", 40, 95).draw();  // fine ring, decrease half
  EXPECT_EQ(GetPayload(), 40000.0) << "the first click changes nothing but the readout";
  EXPECT_EQ(Windows(cockpit, Readout::kGross), (Digits{1, 1, 9, 6, 7, 5})) << "the zero-fuel weight";
  cockpit.runTicks(5).click("Fuel_Quantity", 40, 95);
  EXPECT_EQ(GetPayload(), 39975.0);
  cockpit.runTicks(54).draw();
  EXPECT_EQ(Windows(cockpit, Readout::kGross), (Digits{1, 1, 9, 6, 5, 0})) << "still up 54 ticks after the step";
  cockpit.runTicks(1).draw();
  EXPECT_EQ(GetSwitch(&g_payloadKnobDisplay), kSwitchOff);
  EXPECT_EQ(Windows(cockpit, Readout::kGross), (Digits{1, 2, 9, 6, 5, 0})) << "back to the gross weight";

  // The coarse ring steps 100 lb, a fast second click the multiplier's worth.
  cockpit.click("Fuel_Quantity", 100, 100).runTicks(5).click("Fuel_Quantity", 100, 100);
  EXPECT_EQ(GetPayload(), 39875.0);
  cockpit.click("Fuel_Quantity", 100, 100);
  EXPECT_EQ(GetPayload(), 39375.0);
  for (int i = 0; i < 20; ++i) cockpit.runTicks(4).click("Fuel_Quantity", 115, 100);
  EXPECT_EQ(GetPayload(), 40000.0) << "held at the heaviest payload";
  EXPECT_EQ(cockpit.played(kClickKnob).size(), 25u) << "every click sounds";
}

// ---- Engine Fire ----

struct HandleClick {
  const char* function;
  CSwitch* handle;
  int32_t from;
  int32_t to;
  int sound;  // -1: none
  CSwitch* bottle;
};

TEST(EngineFireGauge, EachHandleHalfMovesItsHandleWithItsSoundAndTellsTheSimulator) {
  Cockpit cockpit;
  cockpit.addSounds({kClickRotary1, kClickRotary2});
  const std::vector<HandleClick> clicks = {
      {"EngineFireMouseHandleLeft1", &g_engine1FireHandle, 0, 1, kClickRotary2, &g_fireAgent1},
      {"EngineFireMouseHandleLeft1", &g_engine1FireHandle, 2, 0, kClickRotary2, nullptr},
      {"EngineFireMouseHandleLeft1", &g_engine1FireHandle, 1, 0, -1, nullptr},
      {"EngineFireMouseHandleLeft2", &g_engine1FireHandle, 0, 2, kClickRotary2, &g_fireAgent2},
      {"EngineFireMouseHandleLeft2", &g_engine1FireHandle, 1, 0, kClickRotary2, nullptr},
      {"EngineFireMouseHandleLeft2", &g_engine1FireHandle, 2, 0, -1, nullptr},
      {"EngineFireMouseHandleRight1", &g_engine2FireHandle, 0, 1, kClickRotary1, &g_fireAgent1},
      {"EngineFireMouseHandleRight1", &g_engine2FireHandle, 2, 0, kClickRotary1, nullptr},
      {"EngineFireMouseHandleRight1", &g_engine2FireHandle, 1, 0, -1, nullptr},
      {"EngineFireMouseHandleRight2", &g_engine2FireHandle, 0, 2, kClickRotary1, &g_fireAgent2},
      {"EngineFireMouseHandleRight2", &g_engine2FireHandle, 1, 0, kClickRotary1, nullptr},
      {"EngineFireMouseHandleRight2", &g_engine2FireHandle, 2, 0, -1, nullptr},
  };
  for (const HandleClick& click : clicks) {
    SCOPED_TRACE(std::string(click.function) + " from " + std::to_string(click.from));
    CSwitch* other = click.handle == &g_engine1FireHandle ? &g_engine2FireHandle : &g_engine1FireHandle;
    SetSwitch(click.handle, click.from);
    SetSwitch(other, kFireHandleStowed);
    SetSwitch(&g_fireAgent1, kSwitchOn);  // discharged: a discharge starts again
    SetSwitch(&g_fireAgent2, kSwitchOn);
    const size_t left = cockpit.played(kClickRotary2).size();
    const size_t right = cockpit.played(kClickRotary1).size();
    cockpit.clearKeyEvents().callControl("Engine Fire", click.function).draw();
    EXPECT_EQ(GetSwitch(click.handle), click.to);
    EXPECT_EQ(GetSwitch(other), kFireHandleStowed);
    EXPECT_EQ(cockpit.played(kClickRotary2).size() - left, click.sound == kClickRotary2 ? 1u : 0u);
    EXPECT_EQ(cockpit.played(kClickRotary1).size() - right, click.sound == kClickRotary1 ? 1u : 0u);
    for (CSwitch* bottle : {&g_fireAgent1, &g_fireAgent2}) {
      EXPECT_EQ(GetSwitch(bottle), bottle == click.bottle ? static_cast<int32_t>(kFireAgentDischarging) : kSwitchOn);
    }
    ASSERT_EQ(cockpit.keyEvents().size(), 1u);
    EXPECT_EQ(cockpit.keyEvents()[0].event, kKeyEventFireHandle);
    EXPECT_EQ(cockpit.keyEvents()[0].value, 0u);
    // Both pictures of the handle show its position.
    const uint32_t pictures = click.handle == &g_engine1FireHandle ? 4 : 2;
    EXPECT_EQ(cockpit.elementValue("Engine Fire", pictures), click.to);
    EXPECT_EQ(cockpit.elementValue("Engine Fire", pictures + 1), click.to);
  }
  // The rectangles reach the same halves.
  SetSwitch(&g_engine1FireHandle, kFireHandleStowed);
  SetSwitch(&g_engine2FireHandle, kFireHandleStowed);
  cockpit.click("Engine Fire", 40, 50).click("Engine Fire", 200, 50);
  EXPECT_EQ(GetSwitch(&g_engine1FireHandle), kFireHandlePulled);
  EXPECT_EQ(GetSwitch(&g_engine2FireHandle), kFireHandleRotated);
  SetSwitch(&g_engine1FireHandle, 7);
  cockpit.clearKeyEvents().click("Engine Fire", 60, 50).draw();
  EXPECT_EQ(GetSwitch(&g_engine1FireHandle), 7) << "a stray position is left";
  EXPECT_EQ(cockpit.elementValue("Engine Fire", 4), 0.0) << "and shown as the middle";
  EXPECT_EQ(cockpit.keyEvents(kKeyEventFireHandle).size(), 1u);
}

// The lit picture of a handle over each tick: shown (true) or hidden.
std::vector<std::pair<double, bool>> HandleLit(Cockpit& cockpit, uint32_t litPicture, int ticks) {
  std::vector<std::pair<double, bool>> samples;
  for (int tick = 0; tick < ticks; ++tick) {
    cockpit.runTicks(1);
    const bool lit = cockpit.elementVisible("Engine Fire", litPicture);
    // A frame more within the tick changes nothing.
    cockpit.draw();
    EXPECT_EQ(cockpit.elementVisible("Engine Fire", litPicture), lit) << "drawn again within tick " << cockpit.tick18();
    EXPECT_NE(cockpit.elementVisible("Engine Fire", litPicture + 1), lit) << "the unlit picture takes turns";
    samples.push_back({cockpit.tick18(), lit});
  }
  return samples;
}

class EngineFireBlink : public ::testing::TestWithParam<int> {};

// However many frames the simulator draws a tick, a burning engine's handle
// turns lit or unlit once on each tick the 2 Hz channel is due.
TEST_P(EngineFireBlink, ABurningEnginesHandleAlternatesOnEachDueTick) {
  Cockpit cockpit({.framesPerTick = GetParam(), .drawClosedWindows = true});
  cockpit.powerUp().runTicks(20);
  cockpit.set(kTokenEngineFire[0], 1).watchChannel(kChannel2Hz);
  const auto left = HandleLit(cockpit, 4, 60);
  const std::set<double>& due = cockpit.dueTicks(kChannel2Hz);
  ASSERT_GE(due.size(), 5u);
  for (size_t i = 1; i < left.size(); ++i) {
    const bool changed = left[i].second != left[i - 1].second;
    EXPECT_EQ(changed, due.contains(left[i].first)) << "tick " << left[i].first;
  }
  for (const auto& [tick, lit] : HandleLit(cockpit, 2, 20)) EXPECT_FALSE(lit) << "engine 2 does not burn";

  cockpit.setSwitch(&g_batterySwitch, kSwitchOff).runSeconds(3);
  ASSERT_EQ(IsPanelPowered(), 0u);
  for (const auto& [tick, lit] : HandleLit(cockpit, 4, 20)) EXPECT_FALSE(lit) << "unpowered";
}
INSTANTIATE_TEST_SUITE_P(FramesPerTick, EngineFireBlink, ::testing::Values(1, 2, 3));

TEST(EngineFireGauge, TheFireTestLightsBothHandlesSteadyAndQueuesBothBells) {
  Cockpit cockpit({.drawClosedWindows = true});
  cockpit.addSounds({kClickButton1});
  cockpit.powerUp().runTicks(20);
  cockpit.mouse("Engine Fire", 130, 60, kClick);
  EXPECT_EQ(IsFireTestPressed(), 1u);
  EXPECT_TRUE(IsVoiceMessageQueued(kVoiceFireLeftEngine));
  EXPECT_TRUE(IsVoiceMessageQueued(kVoiceFireRightEngine));
  cockpit.runTicks(10);
  for (const auto& [tick, lit] : HandleLit(cockpit, 4, 20)) EXPECT_TRUE(lit) << tick;
  for (const auto& [tick, lit] : HandleLit(cockpit, 2, 20)) EXPECT_TRUE(lit) << tick;
  EXPECT_EQ(cockpit.elementValue("Engine Fire", 6), 1.0) << "AGENT 2 LOW";
  EXPECT_EQ(cockpit.elementValue("Engine Fire", 7), 1.0) << "AGENT 1 LOW";
  cockpit.mouse("Engine Fire", 130, 60, kRelease);
  EXPECT_EQ(IsFireTestPressed(), 0u);
  cockpit.runTicks(10);
  for (const auto& [tick, lit] : HandleLit(cockpit, 4, 20)) EXPECT_FALSE(lit) << tick;
  EXPECT_EQ(cockpit.played(kClickButton1).size(), 2u);

  // The lamp test lights the handles steady too.
  cockpit.setSwitch(&g_lampTestSwitch, kLampTestHeld).runTicks(10);
  for (const auto& [tick, lit] : HandleLit(cockpit, 2, 20)) EXPECT_TRUE(lit) << tick;
}

TEST(EngineFireGauge, BellOffTakesBothFireBellsOffTheQueueAndTheAgentLampsShowDischargedBottles) {
  Cockpit cockpit;
  cockpit.addSounds({kClickButton2});
  cockpit.powerUp();
  EnqueueVoiceMessage(kVoiceFireLeftEngine);
  EnqueueVoiceMessage(kVoiceFireRightEngine);
  EnqueueVoiceMessage(kVoiceGearWarning);
  cockpit.click("Engine Fire", 100, 67);
  EXPECT_EQ(GetSwitch(&g_fireBellSilence), kFireBellSilenced);
  EXPECT_FALSE(IsVoiceMessageQueued(kVoiceFireLeftEngine));
  EXPECT_FALSE(IsVoiceMessageQueued(kVoiceFireRightEngine));
  EXPECT_TRUE(IsVoiceMessageQueued(kVoiceGearWarning));
  EXPECT_EQ(cockpit.played(kClickButton2).size(), 1u);

  cockpit.click("Engine Fire", 40, 50).runTicks(1).draw();
  EXPECT_EQ(cockpit.elementValue("Engine Fire", 7), 0.0) << "still discharging";
  cockpit.runSeconds(2.5).draw();
  EXPECT_EQ(cockpit.elementValue("Engine Fire", 7), 1.0) << "AGENT 1 LOW";
  EXPECT_EQ(cockpit.elementValue("Engine Fire", 6), 0.0);
  EXPECT_EQ(cockpit.tooltip("Engine Fire"), "Engine Fire Handles.\nAgent 1: 0%\nAgent 2: 100%");
}

// ---- Warning Lights, Pellams Warning Lights, lamp test, GPWS ----

class WarningLightsButtons : public ::testing::TestWithParam<const char*> {};

// Both artworks: the same rectangles and actions.
TEST_P(WarningLightsButtons, AbsIsHeldStickPusherTurnsOffAndTheMastersClear) {
  const char* gauge = GetParam();
  Cockpit cockpit;
  cockpit.addSounds({kClickButton1, kClickButton2});
  cockpit.mouse(gauge, 10, 60, kClick);
  EXPECT_EQ(GetSwitch(&g_absTestButton), kSwitchOn);
  cockpit.mouse(gauge, 10, 60, kRelease);
  EXPECT_EQ(GetSwitch(&g_absTestButton), kSwitchOff);
  SetSwitch(&g_stickPusherLight, kSwitchOn);
  cockpit.click(gauge, 250, 10);
  EXPECT_EQ(GetSwitch(&g_stickPusherLight), kSwitchOff);
  EXPECT_EQ(cockpit.played(kClickButton1).size(), 3u);

  // Released, the lamp shows the autobrake's ABS lamp; a button in a stray
  // position shows neither.
  cockpit.powerUp();
  SetSwitch(&g_absLight, kSwitchOn);
  EXPECT_EQ(cockpit.draw().elementValue(gauge, 1), 1.0);
  SetSwitch(&g_absTestButton, 7);
  EXPECT_EQ(cockpit.draw().elementValue(gauge, 1), 0.0);

  RaiseMasterWarning();
  RaiseMasterCaution();
  cockpit.clearKeyEvents().click(gauge, 50, 60);
  EXPECT_EQ(IsMasterWarningOn(), 0u);
  EXPECT_EQ(IsMasterCautionOn(), 1u);
  EXPECT_EQ(cockpit.windowEvents(), std::vector<std::string>{"close 10250"});
  cockpit.click(gauge, 100, 40);
  EXPECT_EQ(IsMasterCautionOn(), 0u);
  EXPECT_EQ(cockpit.played(kClickButton2).size(), 2u);
}
INSTANTIATE_TEST_SUITE_P(Artworks, WarningLightsButtons, ::testing::Values("Warning Lights", "Pellams Warning Lights"));

// The two warning-light artworks place the same five lamps mirrored; the
// ART and GPWS annunciators their two lamps each.
TEST(WarningLampsGauges, EachLampSitsOnItsPlace) {
  Cockpit cockpit;
  cockpit.draw();
  ExpectElementPlaces(cockpit, {{"Warning Lights", 1, 0, 64, 2},
                                {"Warning Lights", 2, 27, 48, 2},
                                {"Warning Lights", 3, 92, 28, 2},
                                {"Warning Lights", 4, 180, 19, 2},
                                {"Warning Lights", 5, 250, 1, 2},
                                {"Pellams Warning Lights", 1, 258, 63, 2},
                                {"Pellams Warning Lights", 2, 203, 47, 2},
                                {"Pellams Warning Lights", 3, 143, 28, 2},
                                {"Pellams Warning Lights", 4, 38, 19, 2},
                                {"Pellams Warning Lights", 5, -1, 1, 2},
                                {"ART Annunciator", 1, 0, 11, 2},
                                {"ART Annunciator", 2, 0, 0, 2},
                                {"GPWS", 1, 30, 2, 2},
                                {"GPWS", 2, 1, 2, 2}});
}

TEST(WarningLampsGauges, TheLampTestTimesALeftClickAndLatchesOnARightClick) {
  Cockpit cockpit;
  cockpit.addSounds({kClickButton1});
  cockpit.runTicks(2).click("Annunciator Digital Lights Test", 16, 16);
  EXPECT_EQ(GetSwitch(&g_lampTestSwitch), kLampTestTimed);
  cockpit.runTicks(55);
  EXPECT_EQ(GetSwitch(&g_lampTestSwitch), kLampTestTimed);
  cockpit.runTicks(1);
  EXPECT_EQ(GetSwitch(&g_lampTestSwitch), kSwitchOff) << "three seconds";
  cockpit.mouse("Annunciator Digital Lights Test", 16, 16, kRightClick).runSeconds(10);
  EXPECT_EQ(GetSwitch(&g_lampTestSwitch), kLampTestHeld) << "latched";
  cockpit.mouse("Annunciator Digital Lights Test", 16, 16, kRightClick);
  EXPECT_EQ(GetSwitch(&g_lampTestSwitch), kSwitchOff);
  cockpit.click("Annunciator Digital Lights Test", 16, 16).mouse("Annunciator Digital Lights Test", 16, 16, kRightClick);
  EXPECT_EQ(GetSwitch(&g_lampTestSwitch), kLampTestHeld) << "a right click on the timed test latches it";
  EXPECT_EQ(cockpit.played(kClickButton1).size(), 5u);
}

// A second left click or its keyboard command during the 3-second test does
// not lengthen it: the test ends on the first tick more than 54 ticks after
// it was first seen.
TEST(WarningLampsGauges, ASecondPressDuringTheTimedLampTestDoesNotLengthenIt) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile("SimObjects/Airplanes/QZ Halcyon Pro/KeyboardInput.ini",
                    "[HELP]\r\n0=x\r\n[DIGITAL LIGHTS TEST]\r\nTest=ctrl+t\r\n");
  cockpit.start().runTicks(2);
  for (const bool keyboard : {false, true}) {
    cockpit.click("Annunciator Digital Lights Test", 16, 16).runTicks(1);
    const double seen = cockpit.tick18();
    cockpit.runTicks(45);
    keyboard ? cockpit.pressCombo("ctrl+t") : cockpit.click("Annunciator Digital Lights Test", 16, 16);
    cockpit.runTicks(9);
    EXPECT_EQ(cockpit.tick18(), seen + 54);
    EXPECT_EQ(IsLampTestOn(), 1u) << (keyboard ? "keyboard" : "click");
    cockpit.runTicks(1);
    EXPECT_EQ(IsLampTestOn(), 0u) << (keyboard ? "keyboard" : "click");
  }
}

TEST(WarningLampsGauges, BelowGlideSlopeInhibitsOnlyBelow1000FeetAndTheGpwsTestIsHeld) {
  Cockpit cockpit;
  cockpit.addSounds({kClickButton1});
  cockpit.set(Token::RadioAltitudeM, 304.8).click("GPWS", 10, 10);
  EXPECT_EQ(IsGpwsButtonFlagSet(), 0u) << "1000 ft";
  cockpit.set(Token::RadioAltitudeM, 304.5).click("GPWS", 10, 10);
  EXPECT_EQ(IsGpwsButtonFlagSet(), 1u) << "999 ft";
  EXPECT_EQ(cockpit.played(kClickButton1).size(), 2u) << "the click sounds either way";

  cockpit.powerUp().mouse("GPWS", 35, 10, kClick).draw();
  EXPECT_EQ(GetSwitch(&g_gpwsLight), kSwitchOn);
  EXPECT_EQ(cockpit.elementValue("GPWS", 1), 1.0);
  EXPECT_EQ(cockpit.elementValue("GPWS", 2), 0.0);
  cockpit.mouse("GPWS", 35, 10, kRelease).draw();
  EXPECT_EQ(GetSwitch(&g_gpwsLight), kSwitchOff);
  EXPECT_EQ(cockpit.elementValue("GPWS", 1), 0.0);
}

// ---- Gear ----

TEST(GearGauges, GearLampsAreGreenOnlyExactlyDownAndLocked) {
  Cockpit cockpit;
  cockpit.powerUp();
  const auto lamps = [&cockpit](double left, double nose, double right) {
    cockpit.set(Token::GearLeftPosition, left).set(Token::GearPosition, nose).set(Token::GearRightPosition, right).draw();
    std::vector<double> frames;
    for (uint32_t lamp : {4, 3, 2}) {
      frames.push_back(cockpit.elementValue("Gear_Indicators", lamp));
      EXPECT_LT(frames.back(), cockpit.element("Gear_Indicators", lamp).frameCount) << "a frame of the lamp's strip";
    }
    return frames;
  };
  // Left, nose and right in a row, 24 pixels apart.
  for (uint32_t lamp : {4, 3, 2}) {
    EXPECT_EQ(cockpit.element("Gear_Indicators", lamp).x, 5 + 24 * static_cast<int32_t>(4 - lamp));
    EXPECT_EQ(cockpit.element("Gear_Indicators", lamp).y, 4);
  }
  EXPECT_EQ(lamps(16383, 16382, 0), (std::vector<double>{1, 2, 0})) << "green, red, dark";
  EXPECT_EQ(lamps(0, 16383, 1), (std::vector<double>{0, 1, 2}));
  EXPECT_EQ(lamps(16384, 0, 16383), (std::vector<double>{2, 0, 1}));
  cockpit.setSwitch(&g_lampTestSwitch, kLampTestTimed);
  EXPECT_EQ(lamps(0, 16382, 0), (std::vector<double>{1, 1, 1})) << "the lamp test shows green";
}

// The lever's eighteen pictures fill its gauge from the corner, the door lamp
// stands right of the three gear lamps and the altitude alert lamp fills its
// own small gauge.
TEST(GearGauges, TheLeverAndTheLampsStandAtTheirPlacesWithTheirPictures) {
  Cockpit cockpit;
  ExpectElementPlaces(cockpit, "Gear_Handle", {{1, 0, 0, 18}});
  ExpectElementPlaces(cockpit, "Gear_Indicators", {{1, 101, 10, 2}});
  ExpectElementPlaces(cockpit, "Altitude_Alert", {{1, 0, 0, 2}});
}

TEST(GearGauges, TheLeverAsksTheSimulatorOrWithTheAlternateGearMovesOnlyItsPicture) {
  Cockpit cockpit;
  cockpit.addSounds({kClickButton1});
  cockpit.set(Token::GearHandle, 16383).runSeconds(2).draw();
  ASSERT_EQ(GetSwitch(&g_gearHandleLever), kGearLeverDown);
  EXPECT_EQ(cockpit.elementValue("Gear_Handle", 1), 0.0);
  cockpit.clearKeyEvents().click("Gear_Handle", 30, 100);
  ASSERT_EQ(cockpit.keyEvents().size(), 1u);
  EXPECT_EQ(cockpit.keyEvents()[0].event, kKeyEventGearToggle);
  EXPECT_EQ(cockpit.token(Token::GearHandle), 0.0) << "the simulator's gear handle goes up";
  cockpit.runSeconds(2).draw();
  EXPECT_EQ(cockpit.elementValue("Gear_Handle", 1), 17.0) << "the lever picture followed";
  EXPECT_EQ(cockpit.element("Gear_Handle", 1).frameCount, 18) << "up is the last frame of the lever's strip";
  for (int click = kClickToggle1; click <= kClickRotary2; ++click) EXPECT_TRUE(cockpit.played(click).empty()) << "no click";

  // With the alternate gear extended the simulator is not asked.
  cockpit.click("Gear_Handle", 30, 100).runSeconds(2);
  SetSwitch(&g_alternateGearHandle, kAlternateGearExtended);
  cockpit.set(Token::GearHandle, 16383).runSeconds(2).clearKeyEvents().draw();
  ASSERT_EQ(GetSwitch(&g_gearHandleLever), kGearLeverDown);
  cockpit.click("Gear_Handle", 30, 100).runTicks(5);
  const int32_t moving = GetSwitch(&g_gearHandleLever);
  EXPECT_GT(moving, kGearLeverDown);
  EXPECT_LT(moving, kGearLeverUp);
  cockpit.click("Gear_Handle", 30, 100).runSeconds(2).draw();
  EXPECT_EQ(GetSwitch(&g_gearHandleLever), kGearLeverUp) << "a click while it moves is ignored";
  EXPECT_EQ(cockpit.elementValue("Gear_Handle", 1), 17.0);
  cockpit.click("Gear_Handle", 30, 100).runSeconds(2);
  EXPECT_EQ(GetSwitch(&g_gearHandleLever), kGearLeverDown);
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventGearToggle).empty());
  EXPECT_EQ(cockpit.token(Token::GearHandle), 16383.0);
  SetSwitch(&g_gearHandleLever, 40);
  EXPECT_EQ(cockpit.draw().elementValue("Gear_Handle", 1), 0.0) << "a stray position shows lever down";

  // The GEAR DOOR OPEN lamp is its own test button.
  cockpit.mouse("Gear_Indicators", 100, 10, kClick);
  EXPECT_EQ(GetSwitch(&g_gearTransitLamp), kSwitchOn);
  cockpit.mouse("Gear_Indicators", 100, 10, kRelease);
  EXPECT_EQ(GetSwitch(&g_gearTransitLamp), kSwitchOff);
  EXPECT_EQ(cockpit.played(kClickButton1).size(), 2u);
}

// ---- The power and lamp-test matrix ----

// One cause that lights a lamp: its gauge and element, and how to make the
// cause hold or not. A lamp with several causes has a row for each.
struct LampCause {
  const char* gauge;
  uint32_t element;
  const char* cause;
  void (*set)(Cockpit& cockpit, bool holds);
  bool cplDigital = false;  // lit by the CPL digital lighting (with panel power)
};

void Record(CSwitch& record, bool holds, int32_t on = kSwitchOn, int32_t off = kSwitchOff) {
  SetSwitch(&record, holds ? on : off);
}
void Reverser(Cockpit& cockpit, Token lever, bool deployed) { cockpit.set(lever, deployed ? -2000 : 0).runSeconds(4.5); }

std::vector<LampCause> LampCauses() {
  std::vector<LampCause> causes;
  for (const char* gauge : {"Warning Lights", "Pellams Warning Lights"}) {
    causes.insert(causes.end(), {
        {gauge, 1, "ABS lamp",
         [](Cockpit&, bool h) {
           Record(g_absTestButton, false);
           Record(g_absLight, h);
         }},
        {gauge, 1, "ABS held", [](Cockpit&, bool h) { Record(g_absTestButton, h); }},
        {gauge, 2, "master warning", [](Cockpit&, bool h) { Record(g_masterWarningLight, h); }},
        {gauge, 2, "fire test", [](Cockpit&, bool h) { SetFireTestPressed(h ? 1 : 0); }},
        {gauge, 3, "master caution", [](Cockpit&, bool h) { Record(g_masterCautionLight, h); }},
        {gauge, 3, "fire test", [](Cockpit&, bool h) { SetFireTestPressed(h ? 1 : 0); }},
        {gauge, 4, "stall", [](Cockpit&, bool h) { Record(g_stallLight, h); }},
        {gauge, 5, "stick pusher", [](Cockpit&, bool h) { Record(g_stickPusherLight, h); }},
        {gauge, 5, "stall warning test", [](Cockpit&, bool h) { Record(g_variousTestSwitch, h); }},
    });
  }
  causes.insert(causes.end(), {
      {"ART Annunciator", 1, "reserve thrust", [](Cockpit&, bool h) { SetArtState(h ? kArtTripped : kArtArmed); }},
      {"ART Annunciator", 2, "armed", [](Cockpit&, bool h) { SetArtState(h ? kArtArmed : kArtTripped); }},
      {"GPWS", 1, "pull-up", [](Cockpit&, bool h) { Record(g_gpwsLight, h); }},
      {"GPWS", 1, "GPWS switch test", [](Cockpit&, bool h) { Record(g_gpwsSwitch, h, kGpwsSwitchTest, kGpwsSwitchNormal); }},
      {"GPWS", 2, "below glide slope", [](Cockpit&, bool h) { Record(g_belowGsLight, h); }},
      {"GPWS", 2, "GPWS switch test", [](Cockpit&, bool h) { Record(g_gpwsSwitch, h, kGpwsSwitchTest, kGpwsSwitchNormal); }},
      {"Engine Fire", 6, "bottle 2 discharged", [](Cockpit&, bool h) { Record(g_fireAgent2, h); }},
      {"Engine Fire", 6, "fire test", [](Cockpit&, bool h) { SetFireTestPressed(h ? 1 : 0); }},
      {"Engine Fire", 7, "bottle 1 discharged", [](Cockpit&, bool h) { Record(g_fireAgent1, h, kSwitchOn, kFireAgentDischarging); }},
      {"Engine Fire", 7, "fire test", [](Cockpit&, bool h) { SetFireTestPressed(h ? 1 : 0); }},
      {"Gear_Indicators", 1, "door", [](Cockpit&, bool h) { Record(g_gearTransitLamp, h); }},
      {"Gear_Indicators", 1, "alternate gear",
       [](Cockpit&, bool h) { Record(g_alternateGearHandle, h, kAlternateGearExtended, kAlternateGearHalfWay); }},
      {"Gear_Indicators", 2, "right gear down", [](Cockpit& c, bool h) { c.set(Token::GearRightPosition, h ? 16383 : 0); }},
      {"Gear_Indicators", 3, "nose gear down", [](Cockpit& c, bool h) { c.set(Token::GearPosition, h ? 16383 : 0); }},
      {"Gear_Indicators", 4, "left gear down", [](Cockpit& c, bool h) { c.set(Token::GearLeftPosition, h ? 16383 : 0); }},
      {"Altitude_Alert", 1, "altitude alert", [](Cockpit&, bool h) { Record(g_altitudeAlertLight, h); }},
      {"EDP", 39, "engine 2 reversed", [](Cockpit& c, bool h) { Reverser(c, Token::Engine2Throttle, h); }, true},
      {"EDP", 40, "engine 2 reverser unlocked", [](Cockpit& c, bool h) { Reverser(c, Token::Engine2Throttle, h); }, true},
      {"EDP", 41, "engine 1 reversed", [](Cockpit& c, bool h) { Reverser(c, Token::Engine1Throttle, h); }, true},
      {"EDP", 42, "engine 1 reverser unlocked", [](Cockpit& c, bool h) { Reverser(c, Token::Engine1Throttle, h); }, true},
  });
  return causes;
}

// Without power every lamp is dark, also in the lamp test; with power a lamp
// is lit in the lamp test (41 or 50) or while its cause holds. The engine
// display's lamps need the CPL digital lighting as well.
enum class Supply { kNone, kPanelOnly, kPanelAndCplDigital };

TEST(CentrePanelLamps, PowerAndLampTestMatrix) {
  for (Supply supply : {Supply::kNone, Supply::kPanelOnly, Supply::kPanelAndCplDigital}) {
    Cockpit cockpit;
    cockpit.set(Token::GearHandle, 16383).runTicks(2);
    if (supply != Supply::kNone) cockpit.powerUp();
    cockpit.setSwitch(&g_cplDigitalLight, supply == Supply::kPanelAndCplDigital ? kSwitchOn : kSwitchOff);
    ASSERT_EQ(IsPanelPowered() != 0, supply != Supply::kNone);
    for (const LampCause& lamp : LampCauses()) {
      const bool supplied = lamp.cplDigital ? supply == Supply::kPanelAndCplDigital : supply != Supply::kNone;
      for (const bool holds : {false, true}) {
        lamp.set(cockpit, holds);
        for (const int32_t test : std::initializer_list<int32_t>{kSwitchOff, kLampTestTimed, kLampTestHeld}) {
          SetSwitch(&g_lampTestSwitch, test);
          cockpit.draw();
          const bool lit = supplied && (holds || test != kSwitchOff);
          EXPECT_EQ(cockpit.elementValue(lamp.gauge, lamp.element), lit ? 1.0 : 0.0)
              << lamp.gauge << " element " << lamp.element << " (" << lamp.cause << "), supply "
              << static_cast<int>(supply) << ", lamp test " << test << ", cause " << (holds ? "holds" : "does not");
        }
        SetSwitch(&g_lampTestSwitch, kSwitchOff);
      }
      lamp.set(cockpit, false);
    }
  }
}

// ---- Overlays ----

// The lit legends follow the CPL panel light, the click-area overlays option 6.
TEST(CentrePanelGauges, LitLegendsFollowTheCplPanelLightAndClickAreasTheirOption) {
  struct Overlays {
    const char* gauge;
    int legends;  // -1: none
    uint32_t clickAreas;
  };
  const Overlays overlays[] = {{"Fuel_Quantity", 1, 26},  {"Engine Fire", 1, 8},   {"Warning Lights", -1, 6},
                               {"Pellams Warning Lights", -1, 6}, {"GPWS", -1, 3}, {"Gear_Handle", -1, 2},
                               {"Gear_Indicators", -1, 5}};
  Cockpit cockpit;
  cockpit.powerUp();
  for (const bool on : {true, false}) {
    cockpit.setSwitch(&g_cplPanelLight, on ? kSwitchOn : kSwitchOff).setOption(kOptionClickAreas, !on).draw();
    for (const Overlays& gauge : overlays) {
      if (gauge.legends >= 0) {
        EXPECT_EQ(cockpit.elementVisible(gauge.gauge, gauge.legends), on) << gauge.gauge;
      }
      EXPECT_EQ(cockpit.elementVisible(gauge.gauge, gauge.clickAreas), !on) << gauge.gauge;
      EXPECT_TRUE(cockpit.elementVisible(gauge.gauge, gauge.clickAreas - 1)) << gauge.gauge << ": only the overlay";
    }
  }
}

// ---- Keyboard commands ----

// Each keyboard command of these gauges names a control that its gauge's
// table lists for a left click, and acts as that click: the fire test held,
// the EDP's left EPR bug stepped down, the ABS button held.
TEST(CentrePanelGauges, KeyboardCommandsClickTheirControls) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile("SimObjects/Airplanes/QZ Halcyon Pro/KeyboardInput.ini",
                    "[HELP]\r\n0=x\r\n[ENGINE FIRE]\r\nTest=ctrl+f\r\n"
                    "[ENGINE DISPLAY PANEL]\r\nEPR manual 1 dec=ctrl+e\r\n[WARNING LIGHTS]\r\nABS=ctrl+a\r\n");
  cockpit.start().runTicks(2);
  const char* gauges[] = {"EDP", "Engine Fire", "Warning Lights", "Annunciator Digital Lights Test", "GPWS"};
  int listed = 0;
  for (uint32_t slot = 0; slot < kKeyboardSlotCount; ++slot) {
    const platform::MouseFunction control = KeyboardCommandControl(slot);
    for (const char* gauge : gauges) {
      for (const platform::MOUSERECT* rect = cockpit.gauge(gauge)->mouseRects; rect->type != platform::kMouseRectEnd;
           ++rect) {
        if (control != nullptr && rect->function == control) {
          EXPECT_NE(rect->mouseFlags & kClick, 0u) << gauge << " slot " << slot;
          ++listed;
        }
      }
    }
  }
  EXPECT_EQ(listed, 21) << "the EDP's 8, the fire panel's 6, the warning lights' 4, the lamp test, GPWS' 2";
  SetEprBugMode(&g_eprBug1, kEprBugManual);
  SetEprBug(&g_eprBug1, 1.5);
  cockpit.pressCombo("ctrl+f").pressCombo("ctrl+e").pressCombo("ctrl+a").runTicks(1);
  EXPECT_EQ(IsFireTestPressed(), 1u);
  EXPECT_DOUBLE_EQ(GetEprBug(&g_eprBug1), 1.49);
  EXPECT_EQ(GetSwitch(&g_absTestButton), kSwitchOn) << "held: the command gives the press alone";
}

// ---- Extreme tokens ----

// Whatever the simulator's tokens hold, every element of these gauges reads
// a finite value its picture can show: an icon one of its frames (or the
// frame past the last, which shows nothing), a drum its strip or off it.
TEST(CentrePanelGauges, ElementValuesStayFiniteAndOnTheirPicturesForExtremeTokens) {
  LitCockpit lit;
  Cockpit& cockpit = lit.cockpit;
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  const double kInf = std::numeric_limits<double>::infinity();
  for (double value : {kNaN, -1.0e12, -1.0, 0.0, 16382.5, 1.0e12, kInf, -kInf}) {
    for (Token token : {Token::AltitudeFt,       Token::Engine1Throttle,       Token::Engine1FuelFlow,
                        Token::Engine1Egt,       Token::Engine2Throttle,       Token::Engine2FuelFlow,
                        Token::Engine2Egt,       Token::FuelRightGal,          Token::FuelLeftGal,
                        Token::FuelCenterGal,    Token::FuelWeightLbPerGallon, Token::GearPosition,
                        Token::GearLeftPosition, Token::GearRightPosition,     Token::RadioAltitudeM,
                        Token::Engine1N1Pct,     Token::Engine1N2Pct,          Token::Engine2N1Pct,
                        Token::Engine2N2Pct,     Token::Engine1Fire,           Token::Engine2Fire}) {
      cockpit.set(token, value);
    }
    cockpit.runTicks(1).draw();
    for (const char* gauge : {"EDP", "Fuel_Quantity", "Engine Fire", "Warning Lights", "Pellams Warning Lights",
                              "ART Annunciator", "GPWS", "Gear_Handle", "Gear_Indicators", "Altitude_Alert"}) {
      uint32_t index = 0;
      for (const platform::ELEMENT_HEADER* e = cockpit.gauge(gauge)->elements; e != nullptr;
           e = e->nextElement[0], ++index) {
        SCOPED_TRACE(std::string(gauge) + " element " + std::to_string(index) + " token value " + std::to_string(value));
        EXPECT_TRUE(std::isfinite(e->value));
        if (e->kind == platform::ElementKind::Icon) {
          EXPECT_TRUE(e->value >= 0 && e->value <= e->frameCount);
        }
        if (e->kind == platform::ElementKind::MovingImage) {
          EXPECT_TRUE((e->value >= e->minValue && e->value <= e->maxValue) || e->value == 2000.0);
        }
        if (e->kind == platform::ElementKind::Needle) {
          EXPECT_TRUE(e->value >= 0 && e->value <= 16384);
        }
      }
    }
  }
}

}  // namespace
}  // namespace halcyon::test
