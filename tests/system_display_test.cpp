// The system display panel, the thrust rating panel with the ball, and the
// audio selector with SELCAL, as the simulator draws and clicks them: digits
// read back as numbers (the signed cases, each side its own value), lamps
// under power, the lamp test and the digital light, the rating buttons
// changing the EPR target, and the audio panel's events and lamps.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/options.h"
#include "gauges/gauge_kit.h"
#include "systems/annunciator_lamps.h"
#include "systems/audio_panel.h"
#include "systems/edp.h"
#include "systems/fuel_pumps.h"
#include "systems/hydraulics.h"
#include "systems/thrust_rating.h"
#include "tests/cockpit.h"
#include "tests/element_places.h"

namespace halcyon::test {
namespace {

constexpr uint32_t kRelease = platform::kMouseLeftRelease;

Cockpit& WithClicks(Cockpit& cockpit) {
  return cockpit.addSounds({kClickToggle1, kClickToggle2, kClickGuarded1, kClickGuarded2, kClickButton1,
                            kClickButton2, kClickKnob, kClickRotary1, kClickRotary2});
}
int LastSound(const Cockpit& cockpit) { return cockpit.played().empty() ? -1 : cockpit.played().back().slot; }

std::vector<double> Values(const Cockpit& cockpit, const char* gauge, std::initializer_list<uint32_t> elements) {
  std::vector<double> values;
  for (uint32_t element : elements) values.push_back(cockpit.elementValue(gauge, element));
  return values;
}

// ---- SDP ----
// Frames: 10 blank, 11 minus.
constexpr double B = 10.0;
constexpr double M = 11.0;

Cockpit& DigitallyLit(Cockpit& cockpit) {
  return cockpit.powerUp().control("CPL", "digital_light", kSwitchOn).runTicks(1);
}

std::vector<double> Sat(Cockpit& cockpit, double degC) {
  cockpit.setScaled(Token::AmbientTemp, degC).runSeconds(0.6).draw();  // the SAT follows at 2 Hz
  return Values(cockpit, "SDP", {46, 47, 48});
}

TEST(SystemDisplay, StaticAirTemperatureSignedCasesAndTheRatingTest) {
  Cockpit cockpit;
  cockpit.set(Token::UnitsOfMeasure, 2);
  DigitallyLit(cockpit).runSeconds(1);
  EXPECT_EQ(Sat(cockpit, -5), (std::vector<double>{B, M, 5})) << "minus in the tens";
  EXPECT_EQ(Sat(cockpit, -25), (std::vector<double>{M, 2, 5})) << "minus in the hundreds";
  EXPECT_EQ(Sat(cockpit, -9.5), (std::vector<double>{B, M, 9}));
  EXPECT_EQ(Sat(cockpit, -10), (std::vector<double>{M, 1, 0}));
  EXPECT_EQ(Sat(cockpit, 0), (std::vector<double>{B, M, 0}));
  EXPECT_EQ(Sat(cockpit, 9.9), (std::vector<double>{B, B, 9})) << "no tens below 10";
  EXPECT_EQ(Sat(cockpit, 10), (std::vector<double>{B, 1, 0}));
  EXPECT_EQ(Sat(cockpit, 58), (std::vector<double>{B, 5, 8}));
  EXPECT_EQ(cockpit.elementValue("SDP", 49), 0.0) << "the metric sign";

  cockpit.callControl("TRP", "TrpMouseTest").draw();
  EXPECT_EQ(Values(cockpit, "SDP", {46, 47, 48}), (std::vector<double>{B, 1, 2})) << "the rating test shows 12";
  cockpit.control("Annunciator Digital Lights Test", "test", kLampTestHeld).runTicks(1).draw();
  EXPECT_EQ(Values(cockpit, "SDP", {46, 47, 48}), (std::vector<double>{8, 8, 8})) << "the lamp test goes first";
  cockpit.control("CPL", "digital_light", kSwitchOff).draw();
  EXPECT_EQ(Values(cockpit, "SDP", {46, 47, 48}), (std::vector<double>{B, B, B}));
}

TEST(SystemDisplay, EngineDigitsAndLampsEachSideItsOwnValue) {
  Cockpit cockpit;
  DigitallyLit(cockpit);
  cockpit.setScaled(Token::Engine1OilTemperature, 150.5).setScaled(Token::Engine2OilTemperature, 95.5);
  cockpit.setScaled(Token::Engine1OilQuantity, 42.5).setScaled(Token::Engine2OilQuantity, 7.5);
  cockpit.setScaled(Token::Engine1HydraulicQuantity, 4.2).setScaled(Token::Engine2HydraulicQuantity, 60.5);
  cockpit.set(Token::FlapPosition, 5000).set(Token::FlapPositionRight, 12000).draw();
  // The left digits show engine 2's variable, the right digits engine 1's.
  EXPECT_EQ(Values(cockpit, "SDP", {22, 23, 24}), (std::vector<double>{B, 9, 5}));
  EXPECT_EQ(Values(cockpit, "SDP", {25, 26, 27}), (std::vector<double>{1, 5, 0}));
  // The lamps above: the left ones engine 1 (150: above 135, not above 165).
  EXPECT_EQ(Values(cockpit, "SDP", {31, 29, 30, 28}), (std::vector<double>{1, 0, 0, 0}));
  EXPECT_EQ(Values(cockpit, "SDP", {20, 21, 18, 19}), (std::vector<double>{4, 2, B, 7}));
  EXPECT_EQ(Values(cockpit, "SDP", {10, 11, 8, 9}), (std::vector<double>{B, 4, 6, 0}));
  EXPECT_EQ(Values(cockpit, "SDP", {13, 12}), (std::vector<double>{1, 0})) << "4.2 below 4.25 on the left only";
  EXPECT_NEAR(cockpit.elementValue("SDP", 3), 16384 - 5000 * 1.2207, 1e-9);
  EXPECT_NEAR(cockpit.elementValue("SDP", 2), 16384 - ((12000 - 11468.8) * 0.485026 + 14000), 1e-9);
  EXPECT_EQ(cockpit.elementValue("SDP", 4), 0.0);
  EXPECT_EQ(cockpit.elementValue("SDP", 7), 0.0) << "flaps up";

  cockpit.setScaled(Token::Engine1HydraulicQuantity, 4.26)
      .setScaled(Token::Engine1OilTemperature, 165.5)
      .setScaled(Token::Engine2OilTemperature, 135.5)
      .draw();
  EXPECT_EQ(cockpit.elementValue("SDP", 13), 0.0);
  EXPECT_EQ(Values(cockpit, "SDP", {31, 29, 30, 28}), (std::vector<double>{1, 1, 1, 0}));
  cockpit.set(Token::FlapPosition, 9800).set(Token::FlapHandle, 16383).draw();
  EXPECT_EQ(cockpit.elementValue("SDP", 4), 0.0) << "at 9800";
  EXPECT_EQ(cockpit.elementValue("SDP", 7), 0.0) << "flaps out, at 9800";
  cockpit.set(Token::FlapPosition, 9799).draw();
  EXPECT_EQ(cockpit.elementValue("SDP", 7), 1.0);
  cockpit.set(Token::FlapPosition, 9801).draw();
  EXPECT_EQ(cockpit.elementValue("SDP", 4), 1.0);
  EXPECT_NEAR(cockpit.elementValue("SDP", 3), 16384 - 9801 * 1.2207, 1e-9);

  EXPECT_EQ(Values(cockpit, "SDP", {5, 6}), (std::vector<double>{0, 0}));
  cockpit.control("SLATS", "auto_slat_light", kSwitchOn).draw();
  EXPECT_EQ(Values(cockpit, "SDP", {5, 6}), (std::vector<double>{1, 1})) << "the auto-slat light";

  // The lamp test: 8 everywhere, 1 in the hundreds that only show a one.
  cockpit.control("Annunciator Digital Lights Test", "test", kLampTestHeld).runTicks(1).draw();
  EXPECT_EQ(Values(cockpit, "SDP", {22, 23, 25, 40, 41, 43, 46, 14, 8}), (std::vector<double>{1, 8, 1, 1, 8, 1, 8, 8, 8}));
  EXPECT_EQ(Values(cockpit, "SDP", {4, 5, 6, 7, 12, 13, 28, 36}), std::vector<double>(8, 1.0));
  // Without the digital light: blank and dark, bars away, lamp test or not.
  cockpit.control("CPL", "digital_light", kSwitchOff).draw();
  for (uint32_t element = 4; element <= 48; ++element) {
    const double value = cockpit.elementValue("SDP", element);
    EXPECT_TRUE(value == 0.0 || value == B) << element;
  }
  EXPECT_EQ(Values(cockpit, "SDP", {2, 3}), (std::vector<double>{20000, 20000}));
}

TEST(SystemDisplay, ThePanelLightShowsTheFaceAndTheImperialLabel) {
  Cockpit cockpit;
  cockpit.powerUp().draw();
  EXPECT_FALSE(cockpit.elementVisible("SDP", 1));
  EXPECT_FALSE(cockpit.elementVisible("SDP", 50));
  cockpit.control("CPL", "panel_light", kSwitchOn).draw();
  EXPECT_TRUE(cockpit.elementVisible("SDP", 1));
  EXPECT_TRUE(cockpit.elementVisible("SDP", 50));
  EXPECT_EQ(cockpit.elementValue("SDP", 49), 1.0);
  cockpit.set(Token::UnitsOfMeasure, 1).runSeconds(1).draw();
  EXPECT_TRUE(cockpit.elementVisible("SDP", 1));
  EXPECT_FALSE(cockpit.elementVisible("SDP", 50)) << "metric";
  // The hydraulic digits: the thousands blank below 1000 psi.
  cockpit.control("CPL", "digital_light", kSwitchOn).draw();
  EXPECT_EQ(Values(cockpit, "SDP", {14, 15, 16, 17}), (std::vector<double>{B, 0, B, 0}));
}

// The SDP values (the simulator's 148 and 183), each side its own, with their
// low lamps; a value over the limit of a running engine blanks its digits
// while its flash is on.
TEST(SystemDisplay, SdpValuesTheirLowLampsAndTheFlash) {
  Cockpit cockpit;
  DigitallyLit(cockpit);
  cockpit.set(Token::Engine1OilPressure, 30 * 162.5).set(Token::Engine2OilPressure, 38 * 162.5).draw();
  EXPECT_EQ(Values(cockpit, "SDP", {34, 35, 32, 33}), (std::vector<double>{3, 0, 3, 8}));
  // Left: below 35 and 40; right: below 40 only.
  EXPECT_EQ(Values(cockpit, "SDP", {39, 37, 38, 36}), (std::vector<double>{1, 1, 0, 1}));
  cockpit.set(Token::Engine1OilPressure, 6500 + 800 * (60 - 40)).set(Token::Engine1Combustion, 1);
  cockpit.everyTick(
      [](simhost::SimHost& host) { host.SetToken(TokenNumber(Token::Engine1OilPressure), 6500 + 800 * (60 - 40)); });
  cockpit.runUntil([] { return GetSdpFlashState(1) != 0; }, 3).draw();
  ASSERT_NE(GetSdpFlashState(1), 0u);
  EXPECT_EQ(Values(cockpit, "SDP", {34, 35}), (std::vector<double>{B, B})) << "flashing";
  EXPECT_EQ(Values(cockpit, "SDP", {32, 33}), (std::vector<double>{3, 8}));
  cockpit.runUntil([] { return GetSdpFlashState(1) == 0; }, 3).draw();
  EXPECT_EQ(Values(cockpit, "SDP", {34, 35}), (std::vector<double>{6, 0}));
}

// Each lamp and blank of the panel on both sides of its limit, each side
// its own value.
TEST(SystemDisplay, LampsAndBlanksOnEachSideOfTheirLimits) {
  Cockpit cockpit;
  cockpit.set(Token::UnitsOfMeasure, 2);
  DigitallyLit(cockpit).runSeconds(1);
  // The oil temperature lamps light above 135 and above 165, not at them.
  cockpit.setScaled(Token::Engine1OilTemperature, 135).setScaled(Token::Engine2OilTemperature, 165).draw();
  ASSERT_EQ(cockpit.scaled(Token::Engine1OilTemperature), 135.0);
  ASSERT_EQ(cockpit.scaled(Token::Engine2OilTemperature), 165.0);
  EXPECT_EQ(Values(cockpit, "SDP", {31, 29, 30, 28}), (std::vector<double>{0, 0, 1, 0}));
  // The hundreds from 100, the tens from 10.
  cockpit.setScaled(Token::Engine1OilTemperature, 100).setScaled(Token::Engine2OilTemperature, 99.9);
  cockpit.setScaled(Token::Engine1OilQuantity, 10).setScaled(Token::Engine2OilQuantity, 9.99).draw();
  ASSERT_EQ(cockpit.scaled(Token::Engine1OilTemperature), 100.0);
  EXPECT_EQ(Values(cockpit, "SDP", {25, 26, 27}), (std::vector<double>{1, 0, 0}));
  EXPECT_EQ(Values(cockpit, "SDP", {22, 23, 24}), (std::vector<double>{B, 9, 9}));
  EXPECT_EQ(Values(cockpit, "SDP", {20, 21}), (std::vector<double>{1, 0}));
  EXPECT_EQ(Values(cockpit, "SDP", {18, 19}), (std::vector<double>{B, 9}));
  // The hydraulic quantity lamp lights below 4.25.
  cockpit.setScaled(Token::Engine1HydraulicQuantity, 4.25).setScaled(Token::Engine2HydraulicQuantity, 4.249).draw();
  ASSERT_EQ(cockpit.scaled(Token::Engine1HydraulicQuantity), 4.25);
  EXPECT_EQ(Values(cockpit, "SDP", {13, 12}), (std::vector<double>{0, 1}));
  // The SDP lamps light below 35 and below 40.
  cockpit.set(Token::Engine1OilPressure, 35 * 162.5).set(Token::Engine2OilPressure, 6500).draw();
  EXPECT_EQ(Values(cockpit, "SDP", {34, 35, 32, 33}), (std::vector<double>{3, 5, 4, 0}));
  EXPECT_EQ(Values(cockpit, "SDP", {39, 37, 38, 36}), (std::vector<double>{0, 1, 0, 0}));
  // The bars change their law at 11468.8.
  cockpit.set(Token::FlapPosition, 11468.8).set(Token::FlapPositionRight, 11468.7).draw();
  EXPECT_NEAR(cockpit.elementValue("SDP", 3), 16384 - 14000.0, 1e-9);
  EXPECT_NEAR(cockpit.elementValue("SDP", 2), 16384 - 11468.7 * 1.2207, 1e-9);
  // The static air temperature at its lowest (it is held within 99 degrees).
  EXPECT_EQ(Sat(cockpit, -99), (std::vector<double>{M, 9, 9}));
  EXPECT_EQ(Sat(cockpit, -150), (std::vector<double>{M, 9, 9}));
  // The hydraulic thousands from 1000 psi, as the auxiliary pump raises
  // system 2 by 100 psi a step.
  cockpit.control("HYDRAULIC PUMPS", "engine2", kSwitchOff).control("HYDRAULIC PUMPS", "aux", kSwitchOn);
  cockpit.runUntil([] { return GetHydraulicPressure(2) >= 900.0; }, 10).draw();
  ASSERT_EQ(GetHydraulicPressure(2), 900.0);
  EXPECT_EQ(Values(cockpit, "SDP", {14, 15}), (std::vector<double>{B, 9}));
  EXPECT_EQ(Values(cockpit, "SDP", {16, 17}), (std::vector<double>{B, 0})) << "system 1 at rest";
  cockpit.runUntil([] { return GetHydraulicPressure(2) >= 1000.0; }, 2).draw();
  ASSERT_EQ(GetHydraulicPressure(2), 1000.0);
  EXPECT_EQ(Values(cockpit, "SDP", {14, 15}), (std::vector<double>{1, 0}));
  EXPECT_EQ(Values(cockpit, "SDP", {16, 17}), (std::vector<double>{B, 0})) << "system 1 at rest";
}

// The fuel temperatures, each side its own: the left fuel heat warms the
// left engine's fuel only (0.7 degrees a second, in degrees C when metric).
// Each digit window's cells stand 9 pixels apart on one row, the lamps and
// the flap bars on their places; every digit cell has the 12 frames of the
// digit strip.
TEST(SystemDisplay, EachWindowLampAndBarSitsOnItsPlace) {
  struct Window {
    uint32_t first;
    int32_t cells;
    int32_t x;
    int32_t y;
  };
  std::vector<ElementPlace> places = {{"SDP", 2, 45, 209},  {"SDP", 3, 20, 209},  {"SDP", 4, 76, 259, 2},
                                      {"SDP", 5, 76, 248, 2}, {"SDP", 6, 76, 236, 2}, {"SDP", 7, 76, 224, 2},
                                      {"SDP", 12, 67, 177, 2}, {"SDP", 13, 30, 177, 2}, {"SDP", 28, 67, 89, 2},
                                      {"SDP", 29, 30, 89, 2},  {"SDP", 30, 78, 89, 2},  {"SDP", 31, 20, 89, 2},
                                      {"SDP", 36, 67, 63, 2},  {"SDP", 37, 30, 63, 2},  {"SDP", 38, 77, 63, 2},
                                      {"SDP", 39, 19, 63, 2},  {"SDP", 49, 71, 16, 2}};
  for (const Window& w : std::vector<Window>{{8, 2, 65, 186},  {10, 2, 24, 186}, {14, 2, 65, 161}, {16, 2, 24, 161},
                                             {18, 2, 65, 126}, {20, 2, 23, 126}, {22, 3, 15, 99},  {25, 3, 57, 99},
                                             {32, 2, 65, 72},  {34, 2, 23, 72},  {40, 3, 56, 41},  {43, 3, 17, 41},
                                             {46, 3, 42, 13}}) {
    for (int32_t n = 0; n < w.cells; ++n) {
      places.push_back({"SDP", w.first + static_cast<uint32_t>(n), w.x + 9 * n, w.y, 12});
    }
  }
  Cockpit cockpit;
  cockpit.draw();
  ExpectElementPlaces(cockpit, places);
}

TEST(SystemDisplay, FuelTemperaturesEachSideItsOwn) {
  Cockpit cockpit;
  cockpit.set(Token::UnitsOfMeasure, 2).set(Token::AmbientTemp, 0.0);
  DigitallyLit(cockpit).runSeconds(1);
  cockpit.control("ENGINE STARTER", "fuel_heat_left", kSwitchOn).runSeconds(20).draw();
  const double left = GetFuelTemperature(1);
  ASSERT_GT(left, 10.0);
  ASSERT_LT(left, 20.0);
  ASSERT_LT(std::abs(GetFuelTemperature(2)), 1.0);
  EXPECT_EQ(Values(cockpit, "SDP", {43, 44, 45}),
            (std::vector<double>{B, 1, static_cast<double>(static_cast<int>(left) % 10)}));
  const double right = GetFuelTemperature(2);
  EXPECT_EQ(Values(cockpit, "SDP", {40, 41}), (std::vector<double>{B, right > 0 ? B : M}));
}

// ---- TRP and Slip ----
constexpr int kTo[] = {27, 68};
constexpr int kFlx[] = {47, 68};
constexpr int kGa[] = {67, 68};
constexpr int kCl[] = {47, 88};
constexpr int kCr[] = {67, 88};

Cockpit& Press(Cockpit& cockpit, const int (&at)[2]) { return cockpit.click("TRP", at[0], at[1]); }

TEST(ThrustRatingPanel, ButtonsChangeTheTargetAndTheLampsFollow) {
  Cockpit cockpit;
  WithClicks(cockpit).powerUp().runSeconds(1).draw();
  EXPECT_EQ(Values(cockpit, "TRP", {2, 3, 4, 5, 6, 7, 8}), (std::vector<double>{1, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(GetTrpTarget(), 0.0);
  Press(cockpit, kTo).runSeconds(1).draw();
  EXPECT_EQ(GetTrpMode(), kTrpTakeoff);
  EXPECT_EQ(LastSound(cockpit), kClickButton2);
  const double takeoff = GetTrpTarget();
  EXPECT_GT(takeoff, 1.5);
  EXPECT_EQ(Values(cockpit, "TRP", {2, 3, 4}), (std::vector<double>{0, 1, 0}));
  Press(cockpit, kCl).runSeconds(1).draw();
  EXPECT_EQ(GetTrpMode(), kTrpClimb);
  EXPECT_GT(GetTrpTarget(), 1.5);
  EXPECT_NE(GetTrpTarget(), takeoff) << "the climb rating's own limit";
  EXPECT_EQ(Values(cockpit, "TRP", {3, 7}), (std::vector<double>{0, 1}));
  Press(cockpit, kCr).draw();
  EXPECT_EQ(LastSound(cockpit), kClickButton1);
  EXPECT_EQ(cockpit.elementValue("TRP", 8), 1.0);
  Press(cockpit, kCr).runSeconds(1).draw();
  EXPECT_EQ(GetTrpMode(), kTrpNone) << "the active rating's button turns it off";
  EXPECT_EQ(GetTrpTarget(), 0.0);
  EXPECT_EQ(cockpit.elementValue("TRP", 2), 1.0);

  // The assumed temperature: kept by T/O FLX, cleared by any other button.
  for (int i = 0; i < 3; ++i) cockpit.click("TRP", 84, 18);
  EXPECT_EQ(GetTrpAssumedTemp(), 3);
  Press(cockpit, kFlx).draw();
  EXPECT_EQ(GetTrpAssumedTemp(), 3);
  EXPECT_EQ(cockpit.elementValue("TRP", 4), 1.0);
  Press(cockpit, kGa).draw();
  EXPECT_EQ(GetTrpAssumedTemp(), 0);
  EXPECT_EQ(GetTrpMode(), kTrpGoAround);
  EXPECT_EQ(cockpit.elementValue("TRP", 5), 1.0);
  cockpit.click("TRP", 74, 18);
  EXPECT_EQ(GetTrpAssumedTemp(), 0) << "not below 0";
}

// The rating lamps stand in two rows of three, 20 pixels apart, below the NO
// RATING lamp; the ball slides in its tube under the cover.
TEST(ThrustRatingPanel, EachLampAndTheBallSitOnTheirPlaces) {
  Cockpit cockpit;
  cockpit.draw();
  ExpectElementPlaces(cockpit, {{"TRP", 1, 47, 17},
                                {"TRP", 2, 0, 0, 2},
                                {"TRP", 3, 20, 60, 2},
                                {"TRP", 4, 40, 60, 2},
                                {"TRP", 5, 60, 60, 2},
                                {"TRP", 6, 20, 80, 2},
                                {"TRP", 7, 40, 80, 2},
                                {"TRP", 8, 60, 80, 2},
                                {"Slip", 0, 0, 0},
                                {"Slip", 1, 14, 0},
                                {"Slip", 2, 11, 0}});
}

TEST(ThrustRatingPanel, TheTestButtonHoldsTheRatingOffUntilReleased) {
  Cockpit cockpit;
  WithClicks(cockpit).powerUp().runTicks(1);
  Press(cockpit, kTo).draw();
  const size_t sounds = cockpit.played().size();
  cockpit.click("TRP", 77, 105).draw();
  EXPECT_EQ(GetTrpFlag(), 1);
  EXPECT_EQ(GetTrpMode(), kTrpNone);
  EXPECT_EQ(Values(cockpit, "TRP", {2, 3, 4, 5, 6, 7, 8}), std::vector<double>(7, 0.0)) << "no-rating dark too";
  cockpit.control("Annunciator Digital Lights Test", "test", kLampTestHeld).runTicks(1).draw();
  EXPECT_EQ(Values(cockpit, "TRP", {2, 3, 8}), (std::vector<double>{0, 1, 1}));
  cockpit.control("Annunciator Digital Lights Test", "test", kSwitchOff).runTicks(1);
  cockpit.mouse("TRP", 77, 105, kRelease).draw();
  EXPECT_EQ(GetTrpFlag(), 0);
  EXPECT_EQ(cockpit.elementValue("TRP", 2), 1.0);
  EXPECT_EQ(cockpit.played().size(), sounds + 2);
  EXPECT_EQ(LastSound(cockpit), kClickButton1);
}

TEST(ThrustRatingPanel, NoLampWithoutPanelPowerAndTheBallRidesTheSlip) {
  Cockpit cockpit;
  cockpit.control("Annunciator Digital Lights Test", "test", kLampTestHeld).runTicks(2).draw();
  EXPECT_EQ(Values(cockpit, "TRP", {2, 3, 4, 5, 6, 7, 8}), std::vector<double>(7, 0.0));
  cockpit.set(Token::Slip, -40).draw();
  EXPECT_NEAR(cockpit.elementValue("Slip", 1), -40 * 0.11, 1e-12);
  cockpit.set(Token::Slip, 25).draw();
  EXPECT_NEAR(cockpit.elementValue("Slip", 1), 25 * 0.11, 1e-12);
}

// ---- Audio Panel and SELCAL ----
struct Receiver {
  int x;
  int y;
  CSwitch* record;
  uint32_t element;
  SoundId sound;
};
const Receiver kReceivers[] = {
    {18, 56, &g_audioVolumeVhf1, 16, kClickToggle2},  {42, 56, &g_audioVolumeVhf2, 15, kClickGuarded1},
    {66, 56, &g_audioVolumeVhf3, 14, kClickGuarded1}, {114, 56, &g_audioVolumeInt, 13, kClickToggle2},
    {18, 109, &g_audioVolumeNav1, 12, kClickToggle2}, {42, 109, &g_audioVolumeNav2, 11, kClickToggle1},
    {66, 109, &g_audioVolumeMkr, 10, kClickGuarded1}, {114, 109, &g_audioVolumePa, 9, kClickToggle2},
    {134, 109, &g_audioVolumeAdf1, 8, kClickToggle1}, {157, 109, &g_audioVolumeAdf2, 7, kClickToggle1},
    {89, 109, &g_audioIdent, 17, kClickGuarded2},
};

TEST(AudioPanelGauge, ReceiversToggleWithTheirClicksAndTheVhfPairIsSent) {
  Cockpit cockpit;
  WithClicks(cockpit).runTicks(1);
  for (const Receiver& receiver : kReceivers) {
    cockpit.setSwitch(receiver.record, kSwitchOff).draw();
    EXPECT_EQ(cockpit.elementValue("Audio Panel", receiver.element), 0.0);
    cockpit.click("Audio Panel", receiver.x, receiver.y).draw();
    EXPECT_EQ(GetSwitch(receiver.record), kSwitchOn) << receiver.element;
    EXPECT_EQ(cockpit.elementValue("Audio Panel", receiver.element), 1.0) << receiver.element;
    EXPECT_EQ(LastSound(cockpit), receiver.sound) << receiver.element;
    cockpit.setSwitch(receiver.record, 7);
    const size_t sounds = cockpit.played().size();
    cockpit.click("Audio Panel", receiver.x, receiver.y);
    EXPECT_EQ(GetSwitch(receiver.record), kSwitchOff) << "from a stray position, silently";
    EXPECT_EQ(cockpit.played().size(), sounds);
  }
  cockpit.setSwitch(&g_audioVolumeVhf1, kSwitchOn).setSwitch(&g_audioVolumeVhf2, kSwitchOn).clearKeyEvents();
  cockpit.click("Audio Panel", 18, 56).click("Audio Panel", 18, 56).click("Audio Panel", 42, 56);
  cockpit.click("Audio Panel", 66, 56);
  const auto both = cockpit.keyEvents(kKeyEventVhfBothReceive);
  ASSERT_EQ(both.size(), 3u) << "after either VHF receiver only";
  EXPECT_EQ(both[0].value, 0u) << "VHF1 off while VHF2 on";
  EXPECT_EQ(both[1].value, 1u);
  EXPECT_EQ(both[2].value, 0u) << "VHF2 off";
}

TEST(AudioPanelGauge, MicrophoneButtonsSelectTheTransmitterAndLightItsLampOnly) {
  Cockpit cockpit;
  WithClicks(cockpit).runTicks(1);
  cockpit.control("Annunciator Digital Lights Test", "test", kLampTestHeld).runTicks(1).draw();
  EXPECT_EQ(Values(cockpit, "Audio Panel", {2, 3, 4, 5, 6}), std::vector<double>(5, 0.0)) << "no power";
  cockpit.powerUp().draw();
  EXPECT_EQ(Values(cockpit, "Audio Panel", {2, 3, 4, 5, 6}), std::vector<double>(5, 1.0));
  cockpit.control("Annunciator Digital Lights Test", "test", kSwitchOff).runTicks(1).clearKeyEvents();
  // Button, selector, lamp element, click.
  const struct {
    int x;
    uint32_t selector;
    uint32_t element;
    SoundId sound;
  } kMics[] = {{20, 1, 6, kClickGuarded1}, {44, 2, 5, kClickGuarded1}, {68, 3, 4, kClickToggle2},
               {89, 4, 3, kClickToggle2},  {110, 5, 2, kClickToggle2}};
  for (const auto& mic : kMics) {
    cockpit.click("Audio Panel", mic.x, 19).draw();
    EXPECT_EQ(GetAudioSelector(), mic.selector);
    EXPECT_EQ(LastSound(cockpit), mic.sound);
    for (uint32_t element = 2; element <= 6; ++element) {
      EXPECT_EQ(cockpit.elementValue("Audio Panel", element), element == mic.element ? 1.0 : 0.0) << mic.selector;
    }
  }
  ASSERT_EQ(cockpit.keyEvents(66463).size(), 1u);
  ASSERT_EQ(cockpit.keyEvents(66464).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(66464)[0].value, 0u);
  EXPECT_EQ(cockpit.keyEvents().size(), 2u) << "VHF3, PA and INT send nothing";
}

TEST(AudioPanelGauge, RadioIntLatchesUpAndSpringsBackDown) {
  Cockpit cockpit;
  WithClicks(cockpit).runTicks(1).draw();
  EXPECT_EQ(cockpit.elementValue("Audio Panel", 18), 1.0) << "centre";
  cockpit.click("Audio Panel", 89, 55).draw();
  EXPECT_EQ(GetSwitch(&g_audioRadioInt), 93);
  EXPECT_EQ(cockpit.elementValue("Audio Panel", 18), 0.0);
  size_t sounds = cockpit.played().size();
  cockpit.click("Audio Panel", 89, 55);
  EXPECT_EQ(GetSwitch(&g_audioRadioInt), kSwitchOff);
  EXPECT_EQ(cockpit.played().size(), sounds) << "up at RADIO: centre, silently";
  cockpit.click("Audio Panel", 89, 75).draw();
  EXPECT_EQ(GetSwitch(&g_audioRadioInt), 92);
  EXPECT_EQ(cockpit.elementValue("Audio Panel", 18), 2.0);
  EXPECT_EQ(cockpit.played().size(), sounds + 1);
  cockpit.mouse("Audio Panel", 89, 75, kRelease);
  EXPECT_EQ(GetSwitch(&g_audioRadioInt), kSwitchOff);
  EXPECT_EQ(cockpit.played().size(), sounds + 2);
  cockpit.mouse("Audio Panel", 89, 75, kRelease);
  EXPECT_EQ(cockpit.played().size(), sounds + 2) << "a release at the centre does nothing";
  cockpit.setSwitch(&g_audioRadioInt, 93).click("Audio Panel", 89, 75);
  EXPECT_EQ(GetSwitch(&g_audioRadioInt), kSwitchOff);
  EXPECT_EQ(cockpit.played().size(), sounds + 3) << "down at RADIO: centre with the click";
  cockpit.click("Audio Panel", 89, 75).click("Audio Panel", 89, 75);
  EXPECT_EQ(GetSwitch(&g_audioRadioInt), kSwitchOff) << "down at INT: centre";
  EXPECT_EQ(cockpit.played().size(), sounds + 4) << "silently";
  EXPECT_EQ(LastSound(cockpit), kClickToggle2);
}

// The ident switch with the NAV 2 and ADF 1 receivers clicked on puts NAV 2,
// DME 2 and the ADF audio on; NAV 2 clicked off puts NAV 2 and DME 2 off.
TEST(AudioPanelGauge, IdentAndReceiversClickedDriveTheSimulatorsReceiverAudio) {
  Cockpit cockpit;
  cockpit.runSeconds(1.1).clearKeyEvents();
  cockpit.click("Audio Panel", 89, 109).click("Audio Panel", 42, 109).click("Audio Panel", 134, 109);
  cockpit.runSeconds(1.1);
  EXPECT_EQ(cockpit.keyEvents(65838).size(), 1u) << "NAV 2 on";
  EXPECT_EQ(cockpit.keyEvents(65840).size(), 1u) << "DME 2 on";
  EXPECT_EQ(cockpit.keyEvents(65841).size(), 1u) << "ADF on";
  EXPECT_EQ(cockpit.keyEvents(65837).size() + cockpit.keyEvents(65839).size(), 0u) << "NAV 1 and DME 1 stay off";
  cockpit.clearKeyEvents().click("Audio Panel", 42, 109).runSeconds(1.1);
  EXPECT_EQ(cockpit.keyEvents(65833).size(), 1u) << "NAV 2 off";
  EXPECT_EQ(cockpit.keyEvents(65835).size(), 1u) << "DME 2 off";
  EXPECT_TRUE(cockpit.keyEvents(65836).empty()) << "ADF stays";
  EXPECT_EQ(cockpit.token(Token::Dme2Audio), 0.0);
  EXPECT_EQ(cockpit.token(Token::AdfAudio), 1.0);
}

// The microphone lamps stand on one row, the receivers in two (the VHF 1
// receiver's picture a pixel above its row), INT over PA; each lamp and
// receiver is a strip of two pictures, RADIO/INT of three.
TEST(AudioPanelGauge, LampsAndReceiversStandInTheirRowsAsStripsOfTwoPictures) {
  Cockpit cockpit;
  const auto row = [&cockpit](uint32_t first, uint32_t last, int32_t dy = 0) {
    for (uint32_t n = first + 1; n <= last; ++n) {
      EXPECT_EQ(cockpit.element("Audio Panel", n).y, cockpit.element("Audio Panel", first).y + (n == 16 ? dy : 0))
          << cockpit.element("Audio Panel", n).name;
    }
  };
  row(2, 6);
  row(7, 12);
  row(13, 16, -1);
  EXPECT_EQ(cockpit.element("Audio Panel", 13).x, cockpit.element("Audio Panel", 9).x) << "INT over PA";
  for (uint32_t n = 2; n <= 17; ++n) {
    EXPECT_EQ(cockpit.element("Audio Panel", n).frameCount, 2) << cockpit.element("Audio Panel", n).name;
  }
  EXPECT_EQ(cockpit.element("Audio Panel", 18).frameCount, 3);
}

TEST(AudioPanelGauge, TheLightsShowTheOverlayAndSelcal) {
  Cockpit cockpit;
  cockpit.powerUp().draw();
  EXPECT_FALSE(cockpit.elementVisible("Audio Panel", 1));
  EXPECT_FALSE(cockpit.elementVisible("SELCAL", 0));
  cockpit.control("SIDE SWITCHES", "paneL", kSwitchOn).draw();
  EXPECT_TRUE(cockpit.elementVisible("Audio Panel", 1));
  EXPECT_FALSE(cockpit.elementVisible("SELCAL", 0));
  cockpit.control("CPL", "panel_light", kSwitchOn).draw();
  EXPECT_TRUE(cockpit.elementVisible("SELCAL", 0));
}

// ---- Extreme tokens ----

// Whatever the simulator's variables hold, every element of these gauges
// reads a finite value within what its picture can show (the SDP's bars
// 20000 aside: out of sight without the digital light).
TEST(GaugeConventions, PedestalElementsStayFiniteAndInRangeForExtremeTokens) {
  Cockpit cockpit;
  cockpit.powerUp().control("CPL", "digital_light", kSwitchOn).runTicks(1);
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  for (double value : {kNaN, -1.0e12, -1.0, 0.0, 65535.0, 1.0e12, std::numeric_limits<double>::infinity()}) {
    for (Token token :
         {Token::Comm1Active, Token::TransponderCode, Token::Engine1OilTemperature, Token::Engine1OilQuantity,
          Token::Engine1HydraulicQuantity, Token::Engine2OilTemperature, Token::Engine2OilQuantity,
          Token::Engine2HydraulicQuantity, Token::FlapHandle, Token::FlapPosition, Token::FlapPositionRight,
          Token::Comm1Standby, Token::Comm2Active, Token::Comm2Standby}) {
      cockpit.set(token, value);
    }
    cockpit.draw();
    for (const char* gauge : {"SDP", "TRP", "ADF", "COMM1", "COMM2", "Transponder", "Audio Panel", "EOAP",
                              "EOAP Display 1"}) {
      uint32_t index = 0;
      for (const platform::ELEMENT_HEADER* e = cockpit.gauge(gauge)->elements; e != nullptr;
           e = e->nextElement[0], ++index) {
        SCOPED_TRACE(std::string(gauge) + " element " + std::to_string(index) + " token value " + std::to_string(value));
        EXPECT_TRUE(std::isfinite(e->value));
        if (e->kind == platform::ElementKind::Icon) {
          EXPECT_TRUE(e->value >= 0 && e->value < e->frameCount);
        }
        if (e->kind == platform::ElementKind::MovingImage) {
          EXPECT_TRUE(e->value >= e->minValue && e->value <= e->maxValue);
        }
      }
    }
  }
}

// ---- Overlays ----

// The CPL panel light shows the lit overlay (element 1) of the heads it
// lights and relights the COMM windows; option 6 shows each click-area overlay.
TEST(PedestalOverlays, ThePanelLightAndTheClickAreaOption) {
  Cockpit cockpit;
  cockpit.powerUp().draw().runTicks(3).draw();
  const struct {
    const char* gauge;
    uint32_t clickAreas;
  } kHeads[] = {{"TRP", 9}, {"ADF", 17}, {"COMM1", 18}, {"COMM2", 18}, {"Transponder", 14}, {"Audio Panel", 19}};
  for (const auto& head : kHeads) {
    EXPECT_FALSE(cockpit.elementVisible(head.gauge, 1)) << head.gauge;
    EXPECT_FALSE(cockpit.elementVisible(head.gauge, head.clickAreas)) << head.gauge;
  }
  cockpit.setOption(kOptionClickAreas, true).control("CPL", "panel_light", kSwitchOn).draw();
  for (const auto& head : kHeads) {
    EXPECT_EQ(cockpit.elementVisible(head.gauge, 1), std::string(head.gauge) != "Audio Panel") << head.gauge;
    EXPECT_TRUE(cockpit.elementVisible(head.gauge, head.clickAreas)) << head.gauge;
  }
  for (const char* comm : {"COMM1", "COMM2"}) {
    EXPECT_FALSE(cockpit.elementVisible(comm, 4)) << comm;
    EXPECT_FALSE(cockpit.elementVisible(comm, 17)) << comm;
    EXPECT_TRUE(cockpit.elementVisible(comm, 3)) << comm;
  }
  cockpit.runTicks(3).draw();
  for (const char* comm : {"COMM1", "COMM2"}) {
    for (uint32_t element = 4; element < 18; ++element) {
      EXPECT_TRUE(cockpit.elementVisible(comm, element)) << comm << " " << element;
      EXPECT_TRUE(cockpit.elementLit(comm, element)) << comm << " " << element;
    }
  }
}

}  // namespace
}  // namespace halcyon::test
