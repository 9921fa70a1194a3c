// The panel's gauges as the simulator sees them: the conventions every gauge
// shares (night relighting of each placed instrument, overlays, lamps, the
// mouse idioms, keyboard commands), and the airspeed indicator, altimeter,
// clock, FGCP lights and brake pressure gauges, read element by element.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>
#include <string>

#include "core/options.h"
#include "gauges/gauge_kit.h"
#include "host/keyboard_combos.h"
#include "systems/altimeter.h"
#include "systems/annunciator_lamps.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/hydraulics.h"
#include "systems/lights.h"
#include "systems/speed_bugs.h"
#include "simhost/panel.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "systems/altimeter.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr uint32_t kMainPanel = 10010;
constexpr uint32_t kMainZoomedPanel = 10280;
constexpr uint32_t kSpeedCardsWindow = 10160;
constexpr uint32_t kClick = platform::kMouseLeftSingle;

// A powered cockpit with the side panel light off and every instrument drawn unlit.
struct PoweredCockpit {
  PoweredCockpit() {
    cockpit.powerUp();
    cockpit.runTicks(3);
  }
  Cockpit cockpit{{.drawClosedWindows = true}};
};

// ---- Night lighting ----

TEST(GaugeConventions, TheSidePanelLightRelightsEveryPlacedInstrumentOverTwoTicks) {
  PoweredCockpit powered;
  Cockpit& cockpit = powered.cockpit;
  ASSERT_TRUE(cockpit.elementVisible("Airspeed", 7));
  ASSERT_FALSE(cockpit.elementLit("Airspeed", 7)) << "first drawn with the light off: relit to unlit";

  cockpit.setSwitch(&g_sidePanelLight, kSwitchOn).runTicks(1);
  for (uint32_t n = 0; n < 14; ++n) EXPECT_FALSE(cockpit.elementVisible("Airspeed", n)) << n;
  EXPECT_TRUE(cockpit.elementLit("Airspeed", 13));
  EXPECT_FALSE(cockpit.elementLit("Airspeed", 14)) << "the overlay is not part of the relit range";
  cockpit.runTicks(1);
  EXPECT_FALSE(cockpit.elementVisible("Airspeed", 0)) << "still hidden on the second tick";
  cockpit.runTicks(1);
  for (uint32_t n = 0; n < 14; ++n) EXPECT_TRUE(cockpit.elementVisible("Airspeed", n) && cockpit.elementLit("Airspeed", n)) << n;
  // Both placements of the altimeter come back, each on its own timer.
  for (uint32_t window : {kMainPanel, kMainZoomedPanel}) {
    for (uint32_t n = 0; n < 17; ++n) {
      EXPECT_TRUE(cockpit.elementVisible("Altimeter", n, window) && cockpit.elementLit("Altimeter", n, window))
          << window << " element " << n;
    }
  }
  EXPECT_TRUE(cockpit.elementVisible("Clock", 3) && cockpit.elementVisible("Brake_Pressure", 2));

  // No relight while the light stays as it is.
  for (int tick = 0; tick < 5; ++tick) {
    cockpit.runTicks(1);
    EXPECT_TRUE(cockpit.elementVisible("Airspeed", 0)) << tick;
  }

  cockpit.setSwitch(&g_sidePanelLight, kSwitchOff).runTicks(1);
  EXPECT_FALSE(cockpit.elementVisible("Altimeter", 16, kMainZoomedPanel));
  EXPECT_FALSE(cockpit.elementLit("Altimeter", 16, kMainZoomedPanel));
  cockpit.runTicks(2);
  EXPECT_TRUE(cockpit.elementVisible("Altimeter", 16, kMainZoomedPanel));
  EXPECT_FALSE(cockpit.elementLit("Altimeter", 0, kMainPanel));
}

TEST(GaugeConventions, TheClockComesBackWithItsTopFlagBitClearedToo) {
  PoweredCockpit powered;
  Cockpit& cockpit = powered.cockpit;
  const_cast<platform::ELEMENT_HEADER&>(cockpit.element("Clock", 2)).imageFlags |= platform::kImageClockBit;
  const_cast<platform::ELEMENT_HEADER&>(cockpit.element("Airspeed", 2)).imageFlags |= platform::kImageClockBit;
  cockpit.setSwitch(&g_sidePanelLight, kSwitchOn).runTicks(3);
  EXPECT_EQ(cockpit.element("Clock", 2).imageFlags & platform::kImageClockBit, 0u);
  EXPECT_NE(cockpit.element("Airspeed", 2).imageFlags & platform::kImageClockBit, 0u) << "only the clock clears it";
}

TEST(GaugeConventions, ClickAreasAndTheSpeedCardsFrameFollowTheirOptions) {
  Cockpit cockpit;
  cockpit.setOption(kOptionClickAreas, true).draw();
  EXPECT_TRUE(cockpit.elementVisible("Airspeed", 14));
  EXPECT_TRUE(cockpit.elementVisible("Altimeter", 17));
  EXPECT_TRUE(cockpit.elementVisible("Clock", 4));
  EXPECT_TRUE(cockpit.elementVisible("FGCP Lights", 1));
  EXPECT_FALSE(cockpit.elementVisible("Airspeed", 15)) << "the speed-cards frame goes by option 5";
  cockpit.setOption(kOptionClickAreas, false).setOption(kOptionHotspots, true).draw();
  EXPECT_FALSE(cockpit.elementVisible("Airspeed", 14));
  EXPECT_FALSE(cockpit.elementVisible("Altimeter", 17));
  EXPECT_FALSE(cockpit.elementVisible("FGCP Lights", 1));
  EXPECT_TRUE(cockpit.elementVisible("Airspeed", 15));
}

// Every placed gauge's click-area overlay follows the option on the next
// frame drawn, without a tick in between.
TEST(GaugeConventions, EveryClickAreaOverlayFollowsTheOptionOnTheNextFrame) {
  Cockpit cockpit;
  size_t overlays = 0;
  for (const bool on : {true, false, true}) {
    cockpit.setOption(kOptionClickAreas, on).draw();
    for (const simhost::Panel::Instance& instance : cockpit.host().PanelGauges().Instances()) {
      uint32_t n = 0;
      for (const platform::ELEMENT_HEADER* element = instance.header->elements; element != nullptr;
           element = element->nextElement != nullptr ? element->nextElement[0] : nullptr, ++n) {
        if (element->name == nullptr || std::string(element->name) != "click areas") continue;
        EXPECT_EQ((element->imageFlags & platform::kImageHidden) == 0, on)
            << instance.header->name << " in window " << instance.window << ", element " << n;
        ++overlays;
      }
    }
  }
  EXPECT_GE(overlays / 3, 80u) << "the overlays seen on each frame";
}

// Every mouse function of every gauge reports the click handled, whatever
// it found to do, by point or by a keyboard command (the point 0,0).
TEST(GaugeConventions, EveryMouseFunctionReportsTheClickHandled) {
  Cockpit cockpit;
  cockpit.powerUp();
  size_t functions = 0;
  for (const platform::GAUGEHDR* gauge : cockpit.host().Module().Gauges()) {
    if (gauge->mouseRects == nullptr) continue;
    for (const platform::MOUSERECT* rect = gauge->mouseRects; rect->type != platform::kMouseRectEnd; ++rect) {
      if (rect->function == nullptr) continue;
      EXPECT_EQ(rect->function({0, 0}, rect->mouseFlags), 1) << gauge->name << " " << rect->functionName;
      EXPECT_EQ(rect->function({rect->width - 1, rect->height - 1}, kClick), 1) << gauge->name << " " << rect->functionName;
      ++functions;
    }
  }
  EXPECT_GT(functions, 500u);
}

// ---- Element values ----

TEST(GaugeConventions, LampsAreDarkWithoutPowerEvenInTheLampTest) {
  Cockpit cockpit;
  cockpit.setSwitch(&g_lampTestSwitch, kSwitchOn);
  ASSERT_NE(IsLampTestOn(), 0u);
  EXPECT_EQ(Lamp(false, true), 0.0);
  EXPECT_EQ(Lamp(true, false), 1.0) << "the lamp test lights it";
  EXPECT_EQ(DigitWindow(true, 3, 10.0), 8.0);
  EXPECT_EQ(DigitWindow(false, 3, 10.0), 10.0);
  cockpit.setSwitch(&g_lampTestSwitch, kSwitchOff);
  EXPECT_EQ(Lamp(true, false), 0.0);
  EXPECT_EQ(Lamp(true, true), 1.0);
  EXPECT_EQ(DigitWindow(true, 3, 10.0), 3.0);
  // Decimal steps read their digit, negative values none.
  EXPECT_EQ(DigitOf(1.58 * 100.0, 1), 8);
  EXPECT_EQ(DigitOf(0.57 * 100.0, 1), 7) << "56.99999999999999 reads 7";
  EXPECT_EQ(DigitOf(29.92 * 100.0, 10), 9);
  EXPECT_EQ(DigitOf(-5.0, 1), 0);
  EXPECT_EQ(DigitOf(5.0, 0), 0) << "no place, no digit";
}

// ---- Mouse idioms ----

TEST(GaugeConventions, TogglesFallBackToOffAndTheirClickIsMutedByTheOption) {
  Cockpit cockpit;
  cockpit.addSounds({kClickKnob});
  cockpit.setSwitch(&g_fgcpBacklightSwitch, kSwitchOff).click("FGCP Lights", 10, 5);
  EXPECT_EQ(GetSwitch(&g_fgcpBacklightSwitch), kSwitchOn);
  cockpit.click("FGCP Lights", 10, 5);
  EXPECT_EQ(GetSwitch(&g_fgcpBacklightSwitch), kSwitchOff);
  cockpit.setSwitch(&g_fgcpDigitalSwitch, 50).click("FGCP Lights", 50, 5);
  EXPECT_EQ(GetSwitch(&g_fgcpDigitalSwitch), kSwitchOff) << "an unexpected position goes off";
  EXPECT_EQ(GetSwitch(&g_fgcpBacklightSwitch), kSwitchOff) << "the other button's record stays";
  EXPECT_EQ(cockpit.played(kClickKnob).size(), 3u);

  cockpit.setOption(kOptionNoSwitchClickSounds, true).click("FGCP Lights", 50, 5);
  EXPECT_EQ(GetSwitch(&g_fgcpDigitalSwitch), kSwitchOn);
  EXPECT_EQ(cockpit.played(kClickKnob).size(), 3u) << "muted";
}

TEST(GaugeConventions, MomentaryAndGuardedControlsMoveThroughTheirPositions) {
  Cockpit cockpit;
  CSwitch button{};
  SetSwitch(&button, kSwitchOff);
  MomentaryControl(button, platform::kMouseLeftSingle, kClickButton1);
  EXPECT_EQ(GetSwitch(&button), kSwitchOn);
  MomentaryControl(button, platform::kMouseLeftRelease, kClickButton1);
  EXPECT_EQ(GetSwitch(&button), kSwitchOff);

  int actions = 0;
  static int* counter = nullptr;
  counter = &actions;
  CSwitch guarded{};
  SetSwitch(&guarded, kGuardClosed);
  auto act = [] { ++*counter; };
  GuardedSwitchControl(guarded, kClick, kClickGuarded1, act);
  EXPECT_EQ(GetSwitch(&guarded), kGuardOpen);
  EXPECT_EQ(actions, 0);
  GuardedSwitchControl(guarded, platform::kMouseLeftRelease, kClickGuarded1, act);
  EXPECT_EQ(GetSwitch(&guarded), kGuardOpen) << "a release acts only on the actuated switch";
  GuardedSwitchControl(guarded, kClick, kClickGuarded1, act);
  EXPECT_EQ(GetSwitch(&guarded), kGuardedActuated);
  EXPECT_EQ(actions, 1);
  GuardedSwitchControl(guarded, platform::kMouseLeftRelease, kClickGuarded1, act);
  EXPECT_EQ(GetSwitch(&guarded), kGuardOpen);
  GuardedSwitchControl(guarded, kClick, kClickGuarded1, act);
  GuardControl(guarded, kClickGuarded1);
  EXPECT_EQ(GetSwitch(&guarded), kGuardOpen) << "the guard first lets the switch back";
  GuardControl(guarded, kClickGuarded1);
  EXPECT_EQ(GetSwitch(&guarded), kGuardClosed);
  GuardControl(guarded, kClickGuarded1);
  EXPECT_EQ(GetSwitch(&guarded), kGuardClosed);
  EXPECT_EQ(actions, 2);
}

// Each keyboard command of these gauges clicks a control of its gauge's table,
// and does what a click on that control does.
TEST(GaugeConventions, AKeyboardCommandDoesWhatAClickOnItsControlDoes) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile("SimObjects/Airplanes/QZ Halcyon Pro/KeyboardInput.ini",
                    "[HELP]\r\n0=x\r\n[AIRSPEED]\r\nBug3 dec=ctrl+3\r\n[FGCP Lights]\r\nDigital=ctrl+d\r\n");
  cockpit.start().runTicks(5);
  for (uint32_t slot = 0; slot < kKeyboardSlotCount; ++slot) {
    const platform::MouseFunction control = KeyboardCommandControl(slot);
    for (const char* gauge : {"Airspeed", "Altimeter", "Clock", "FGCP Lights"}) {
      for (const platform::MOUSERECT* rect = cockpit.gauge(gauge)->mouseRects; rect->type != platform::kMouseRectEnd;
           ++rect) {
        if (rect->function == control && control != nullptr) {
          EXPECT_NE(rect->mouseFlags & kClick, 0u) << slot;
        }
      }
    }
  }
  const double bug3 = GetSpeedBug(3);
  const int32_t digital = GetSwitch(&g_fgcpDigitalSwitch);
  cockpit.pressCombo("ctrl+3").pressCombo("ctrl+d").runTicks(1);
  const double byKeyboard = GetSpeedBug(3) - bug3;
  EXPECT_NE(GetSwitch(&g_fgcpDigitalSwitch), digital);
  cockpit.runTicks(5).click("Airspeed", 320, 330).click("FGCP Lights", 40, 2);
  EXPECT_EQ(byKeyboard, -1.0);
  EXPECT_EQ(GetSpeedBug(3) - bug3, 2 * byKeyboard);
  EXPECT_EQ(GetSwitch(&g_fgcpDigitalSwitch), digital);
}

// ---- Airspeed ----

TEST(Airspeed, NeedlesRestWithoutPowerAndStayOnTheDial) {
  Cockpit cockpit;
  cockpit.set(Token::IndicatedAirspeedKt, 250).setScaled(Token::MaxOperatingSpeed, 340).draw();
  EXPECT_EQ(cockpit.elementValue("Airspeed", 7), 40.0);
  EXPECT_EQ(cockpit.elementValue("Airspeed", 6), 32960.0);
  EXPECT_EQ(cockpit.elementValue("Airspeed", 1), 40.0);
  EXPECT_EQ(cockpit.elementValue("Airspeed", 5), 1.0);
  EXPECT_EQ(cockpit.elementValue("Airspeed", 8), 1.0);

  cockpit.powerUp().draw();
  EXPECT_EQ(cockpit.elementValue("Airspeed", 7), 250.0);
  EXPECT_EQ(cockpit.elementValue("Airspeed", 6), 340.0 * TokenScale(Token::MaxOperatingSpeed));
  EXPECT_EQ(cockpit.elementValue("Airspeed", 5), 0.0);
  EXPECT_EQ(cockpit.elementValue("Airspeed", 8), 0.0);
  cockpit.set(Token::IndicatedAirspeedKt, 451).set(Token::MaxOperatingSpeed, 57601).draw();
  EXPECT_EQ(cockpit.elementValue("Airspeed", 7), 450.0);
  EXPECT_EQ(cockpit.elementValue("Airspeed", 6), 57600.0);
  cockpit.set(Token::IndicatedAirspeedKt, 39).set(Token::MaxOperatingSpeed, -1).draw();
  EXPECT_EQ(cockpit.elementValue("Airspeed", 7), 40.0);
  EXPECT_EQ(cockpit.elementValue("Airspeed", 6), 0.0);
}

// Drum positions count from the bottom of a strip of 100: 99 - ten times the digit.
TEST(Airspeed, MachDrumsRestBelowMachPoint15AndRollTowardTheirNextDigit) {
  Cockpit cockpit;
  const auto drums = [&cockpit](double machTimes100000) {
    cockpit.set(Token::Mach, machTimes100000 * 0.2048).draw();
    return std::vector<double>{cockpit.elementValue("Airspeed", 2), cockpit.elementValue("Airspeed", 3),
                               cockpit.elementValue("Airspeed", 4)};
  };
  EXPECT_EQ(drums(14900), (std::vector<double>{89, 49, 99})) << ".150 at rest";
  cockpit.setScaled(Token::Mach, 0.15).draw();
  EXPECT_EQ(cockpit.elementValue("Airspeed", 3), 49.0) << "Mach .15 itself still rests";
  EXPECT_EQ(drums(15100), (std::vector<double>{89, 49, 89})) << ".151 reads its thousandths";
  EXPECT_EQ(drums(78490), (std::vector<double>{29, 19, 59})) << ".784, no drum between digits";
  EXPECT_EQ(drums(78491), (std::vector<double>{29, 19, 58})) << "thousandths one step toward 5";
  EXPECT_EQ(drums(78499), (std::vector<double>{29, 19, 50}));
  EXPECT_EQ(drums(78991), (std::vector<double>{29, 18, 8})) << "hundredths roll above .78990";
  EXPECT_EQ(drums(78990), (std::vector<double>{29, 19, 9}));
  EXPECT_EQ(drums(79996), (std::vector<double>{23, 3, 3})) << "tenths roll above .79990";
  EXPECT_EQ(drums(79990), (std::vector<double>{29, 9, 9}));
  // Mach .57 as the simulator stores it (a hair low) still reads .570.
  cockpit.setScaled(Token::Mach, 0.57).draw();
  EXPECT_EQ(cockpit.elementValue("Airspeed", 2), 49.0);
  EXPECT_EQ(cockpit.elementValue("Airspeed", 3), 29.0);
  EXPECT_EQ(cockpit.elementValue("Airspeed", 4), 99.0);
}

TEST(Airspeed, TheCommandBugShowsTheFirstSpeedSourceThatHasOne) {
  Cockpit cockpit;
  cockpit.powerUp();
  cockpit.setScaled(Token::MaxOperatingSpeed, 340).set(Token::MaxOperatingMach, 0.85);
  cockpit.set(Token::AutopilotAirspeedKt, 210).set(Token::AutopilotMach, 0.7);
  SetDfgsPitchMode(1);
  const auto bug = [&cockpit] { return cockpit.draw().elementValue("Airspeed", 1); };
  EXPECT_EQ(bug(), 210.0) << "no mode: the autopilot's held speed";
  SetDfgsIasTarget(180);
  SetDfgsPitchMode(2);
  EXPECT_EQ(bug(), 180.0);
  SetDfgsMachTarget(0.6);
  SetDfgsPitchMode(3);
  EXPECT_DOUBLE_EQ(bug(), GetDfgsMachTarget() * 340 / 0.85);
  cockpit.set(Token::AutopilotAirspeedHold, 1);
  EXPECT_EQ(bug(), 210.0);
  cockpit.set(Token::AutopilotMachHold, 1);
  EXPECT_DOUBLE_EQ(bug(), 0.7 * 340 / 0.85);
  // Without a maximum Mach the Mach rules give nothing: the next source shows.
  cockpit.set(Token::MaxOperatingMach, 0);
  EXPECT_EQ(bug(), 210.0);
  cockpit.set(Token::MaxOperatingMach, -0.85);
  EXPECT_EQ(bug(), 210.0) << "nor below zero";
  cockpit.set(Token::MaxOperatingMach, 0.05);
  EXPECT_EQ(bug(), 450.0) << "any maximum Mach above zero: Mach 0.7 far beyond the dial";
  cockpit.set(Token::AutopilotAirspeedHold, 0).set(Token::MaxOperatingMach, 0);
  EXPECT_EQ(bug(), 210.0) << "Mach mode without a maximum Mach: the held speed";
  cockpit.set(Token::MaxOperatingMach, 0.85).set(Token::AutopilotMach, 2.0);
  EXPECT_EQ(bug(), 450.0);
  cockpit.set(Token::AutopilotMachHold, 0).set(Token::AutopilotAirspeedKt, 12);
  SetDfgsPitchMode(1);
  EXPECT_EQ(bug(), 40.0);
}

TEST(Airspeed, BugKnobsStepAKnotOrTheFastClickMultiplierAndStayOnTheDial) {
  Cockpit cockpit;
  cockpit.addSounds({kClickKnob});
  const double start = GetSpeedBug(2);
  cockpit.runTicks(5).click("Airspeed", 360, 10).draw();
  EXPECT_EQ(GetSpeedBug(2), start + 1);
  EXPECT_EQ(cockpit.elementValue("Airspeed", 12), start + 1) << "bug 2's needle";
  cockpit.runTicks(3).mouse("Airspeed", 360, 10, platform::kMouseDownRepeat);
  EXPECT_EQ(GetSpeedBug(2), start + 6) << "held within 3 ticks: the multiplier";
  cockpit.runTicks(4).click("Airspeed", 310, 10);
  EXPECT_EQ(GetSpeedBug(2), start + 5);
  EXPECT_EQ(cockpit.played(kClickKnob).size(), 3u);
  for (int i = 0; i < 30; ++i) cockpit.click("Airspeed", 160, 10);
  EXPECT_EQ(GetSpeedBug(5), 0.0) << "held at the bottom of the dial";
  for (int i = 0; i < 100; ++i) cockpit.click("Airspeed", 210, 10);
  EXPECT_EQ(GetSpeedBug(5), 450.0);
  EXPECT_EQ(cockpit.draw().elementValue("Airspeed", 9), 450.0);
}

TEST(Airspeed, TheSpeedCardsAreaTogglesItsWindowAndTheTooltipReadsTheTokens) {
  Cockpit cockpit;
  cockpit.addSounds({kClickKnob});
  cockpit.click("Airspeed", 200, 200);
  EXPECT_TRUE(cockpit.isWindowVisible(kSpeedCardsWindow));
  cockpit.click("Airspeed", 200, 200);
  EXPECT_FALSE(cockpit.isWindowVisible(kSpeedCardsWindow));
  EXPECT_TRUE(cockpit.played(kClickKnob).empty());
  cockpit.set(Token::IndicatedAirspeedKt, 251.9).setScaled(Token::Mach, 0.4124);
  EXPECT_EQ(cockpit.tooltip("Airspeed"),
            "Airspeed Indicator.\nAirspeed: 251 KIAS\nMach: 0.412\nClick to toggle Speed Cards.");
}

// ---- Altimeter ----

TEST(Altimeter, DrumsRollAsTheLowerDigitsPassNineAndMirrorBelowZero) {
  Cockpit cockpit;
  cockpit.powerUp();
  const auto drums = [&cockpit](double feet) {
    cockpit.set(Token::AltitudeFt, feet).draw();
    return std::vector<double>{cockpit.elementValue("Altimeter", 9), cockpit.elementValue("Altimeter", 10),
                               cockpit.elementValue("Altimeter", 11), cockpit.elementValue("Altimeter", 12)};
  };
  EXPECT_EQ(drums(12995), (std::vector<double>{89999, 7499, 49, 4}));
  EXPECT_EQ(drums(12989), (std::vector<double>{89999, 7999, 99, 10})) << "no roll below x990";
  EXPECT_EQ(drums(12990), (std::vector<double>{89999, 7999, 99, 9}));
  EXPECT_EQ(drums(12991), (std::vector<double>{89999, 7899, 89, 8}));
  EXPECT_EQ(drums(19995), (std::vector<double>{84999, 499, 49, 4})) << "ten-thousands half-way to 2";
  EXPECT_EQ(drums(19990), (std::vector<double>{89999, 999, 99, 9}));
  EXPECT_EQ(drums(-150), (std::vector<double>{99999, 9999, 100, 50}));
  EXPECT_EQ(cockpit.elementValue("Altimeter", 15), 1.0) << "below zero";
  EXPECT_DOUBLE_EQ(cockpit.elementValue("Altimeter", 16), -150 * 0.36 + 270);
  EXPECT_EQ(drums(0), (std::vector<double>{99999, 9999, 999, 99})) << "zero reads upright";
  EXPECT_EQ(cockpit.elementValue("Altimeter", 15), 0.0);
  EXPECT_EQ(drums(-0.5), (std::vector<double>{99999, 9999, 0, 0})) << "half a foot below zero: mirrored";
  EXPECT_EQ(cockpit.elementValue("Altimeter", 15), 1.0);
}

// The four drums stand in two pairs, 39 pixels from drum to drum: the
// thousands right of the ten-thousands, and 101 pixels on and 3 lower the
// tens-and-units right of the hundreds. Each strip spans ten digits of its place.
TEST(Altimeter, DrumsStandInTwoPairsAndEachStripSpansTenDigitsOfItsPlace) {
  Cockpit cockpit;
  const platform::ELEMENT_HEADER& tenThousands = cockpit.element("Altimeter", 9);
  const platform::ELEMENT_HEADER& thousands = cockpit.element("Altimeter", 10);
  const platform::ELEMENT_HEADER& hundreds = cockpit.element("Altimeter", 11);
  const platform::ELEMENT_HEADER& tens = cockpit.element("Altimeter", 12);
  EXPECT_EQ(thousands.x - tenThousands.x, 39);
  EXPECT_EQ(thousands.y, tenThousands.y);
  EXPECT_EQ(hundreds.x - tenThousands.x, 101);
  EXPECT_EQ(hundreds.y - tenThousands.y, 3);
  EXPECT_EQ(tens.x - hundreds.x, 39);
  EXPECT_EQ(tens.y, hundreds.y);
  double place = 10000;
  for (const platform::ELEMENT_HEADER* drum : {&tenThousands, &thousands, &hundreds, &tens}) {
    EXPECT_EQ(drum->kind, platform::ElementKind::MovingImage) << drum->name;
    EXPECT_EQ(drum->minValue, 0.0) << drum->name;
    EXPECT_EQ(drum->maxValue, 10 * place) << drum->name;
    place /= 10;
  }
}

TEST(Altimeter, WithoutPowerTheDrumsAndPointerRestAndTheBaroWindowsStillShow) {
  Cockpit cockpit;
  cockpit.set(Token::AltitudeFt, 12995).set(Token::AltimeterMb, 1013.9).set(Token::AltimeterInHg, 29.92).draw();
  for (uint32_t drum = 9; drum <= 12; ++drum) EXPECT_EQ(cockpit.elementValue("Altimeter", drum), 0.0) << drum;
  EXPECT_EQ(cockpit.elementValue("Altimeter", 16), 270.0);
  EXPECT_EQ(cockpit.elementValue("Altimeter", 13), 1.0);
  std::string windows;
  for (uint32_t n : {4, 3, 2, 1, 8, 7, 6, 5}) windows += std::to_string(static_cast<int>(cockpit.elementValue("Altimeter", n)));
  EXPECT_EQ(windows, "10132992");
  cockpit.powerUp().draw();
  EXPECT_EQ(cockpit.elementValue("Altimeter", 13), 0.0);
  EXPECT_DOUBLE_EQ(cockpit.elementValue("Altimeter", 16), 12995 * 0.36 + 270);
}

TEST(Altimeter, BaroKnobsSendTheSimulatorsKeysAndTheIndexKnobsStepTheIndex) {
  Cockpit cockpit;
  cockpit.set(Token::AltimeterMb, 1013).clearKeyEvents();
  cockpit.click("Altimeter", 10, 350).click("Altimeter", 120, 230).click("Altimeter", 100, 350).click("Altimeter", 250, 230);
  const auto events = cockpit.keyEvents();
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[0].event, 65884u);
  EXPECT_EQ(events[1].event, 65884u);
  EXPECT_EQ(events[2].event, 65883u);
  EXPECT_EQ(events[3].event, 65883u);
  for (const auto& event : events) EXPECT_EQ(event.value, 0u);
  EXPECT_EQ(cockpit.token(Token::AltimeterMb), 1013.0) << "two down, two up, as the simulator steps it";
  EXPECT_TRUE(cockpit.played().empty());

  cockpit.click("Altimeter", 300, 350);
  EXPECT_EQ(GetAltimeterRefIndex(), 49.0) << "the index knob's left half steps down, from 0 round to 49";
  cockpit.click("Altimeter", 400, 350);
  EXPECT_EQ(GetAltimeterRefIndex(), 50.0) << "and its right half up";
  EXPECT_DOUBLE_EQ(cockpit.draw().elementValue("Altimeter", 14), 50 * 7.2 + 270);
  EXPECT_EQ(cockpit.tooltip("Altimeter"), "Altitude Indicator.\nAltitude: 0 feet\nMillibar: 1013\nIn Hg: 29.91");
}

// ---- Clock, FGCP Lights, Brake_Pressure ----

TEST(Clock, HandsShowUtcReadAtThePreDrawAndTheHalvesSendTheClockKeys) {
  Cockpit cockpit;
  cockpit.addSounds({kClickKnob});
  cockpit.set(Token::ZuluHour, 14).set(Token::ZuluMinute, 30).set(Token::ClockSecond, 0);
  cockpit.host().PanelGauges().PollAll();
  EXPECT_NE(cockpit.elementValue("Clock", 1), 270.0 + 420 + 15) << "not before the pre-draw reads the time";
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Clock", 1), 270.0 + 420 + 15) << "half-way between 2 and 3";
  EXPECT_EQ(std::fmod(cockpit.elementValue("Clock", 2), 360.0), 90.0) << "the minute hand at the six";
  cockpit.set(Token::ClockSecond, 1).set(Token::SimulatorClockSeconds, 700.0).draw();
  EXPECT_EQ(cockpit.elementValue("Clock", 3), 270.0) << "second 1, no fraction: twelve o'clock";
  cockpit.set(Token::ClockSecond, 20).set(Token::SimulatorClockSeconds, 700.25).draw();
  EXPECT_DOUBLE_EQ(cockpit.elementValue("Clock", 3), 0.25 * 6 + 19 * 6 + 270);
  EXPECT_DOUBLE_EQ(cockpit.elementValue("Clock", 2), 30 * 6 + 20 * 0.1 + 270);

  cockpit.clearKeyEvents().click("Clock", 10, 10).click("Clock", 290, 10);
  ASSERT_EQ(cockpit.keyEvents().size(), 2u);
  EXPECT_EQ(cockpit.keyEvents()[0].event, 65657u);
  EXPECT_EQ(cockpit.keyEvents()[1].event, 65658u);
  EXPECT_EQ(cockpit.played(kClickKnob).size(), 2u);
  EXPECT_EQ(cockpit.set(Token::ClockHour, 9).set(Token::ClockMinute, 5).tooltip("Clock"), "Clock.\nTime: 09:05");
}

TEST(BrakePressure, EachNeedleShowsItsSystemAndRestsAtZeroWithoutPower) {
  Cockpit cockpit;
  cockpit.set(Token::Engine2HydraulicOutput, 3000 * TokenScale(Token::Engine2HydraulicOutput)).runSeconds(3).draw();
  ASSERT_GT(GetHydraulicPressure(2), 0.0);
  EXPECT_EQ(cockpit.elementValue("Brake_Pressure", 1), 0.0);
  cockpit.powerUp().draw();
  ASSERT_GT(GetHydraulicPressure(2), 0.0);
  ASSERT_EQ(GetHydraulicPressure(1), 0.0);
  EXPECT_EQ(cockpit.elementValue("Brake_Pressure", 1), GetHydraulicPressure(2));
  EXPECT_EQ(cockpit.elementValue("Brake_Pressure", 2), 0.0);
  EXPECT_EQ(cockpit.tooltip("Brake_Pressure"), "Brake Pressure.");
}

// ---- Every placed gauge ----

// One flag (hidden or luminous) of every element of every placed gauge, by
// instance and element index.
std::vector<std::vector<uint32_t>> ElementFlags(Cockpit& cockpit, uint32_t mask) {
  std::vector<std::vector<uint32_t>> flags;
  for (const simhost::Panel::Instance& instance : cockpit.host().PanelGauges().Instances()) {
    std::vector<uint32_t>& gauge = flags.emplace_back();
    for (const platform::ELEMENT_HEADER* e = instance.header->elements; e != nullptr;
         e = e->nextElement != nullptr ? e->nextElement[0] : nullptr) {
      gauge.push_back(e->imageFlags & mask);
    }
  }
  return flags;
}

std::string ElementName(const simhost::Panel::Instance& instance, size_t n) {
  const platform::ELEMENT_HEADER* e = instance.header->elements;
  for (size_t i = 0; i < n && e != nullptr; ++i) e = e->nextElement != nullptr ? e->nextElement[0] : nullptr;
  return std::string(instance.header->name) + " element " + std::to_string(n) + " (" +
         (e != nullptr && e->name != nullptr ? e->name : "") + ")";
}

// Option 6 shows every placed gauge's click-area overlay and changes nothing else.
TEST(GaugeConventions, TheClickAreaOptionShowsEveryOverlayAndNothingElse) {
  Cockpit cockpit;
  cockpit.powerUp().runTicks(2);
  cockpit.setOption(kOptionClickAreas, false).draw();
  const auto without = ElementFlags(cockpit, platform::kImageHidden);
  cockpit.setOption(kOptionClickAreas, true).draw();
  const auto with = ElementFlags(cockpit, platform::kImageHidden);
  const auto& instances = cockpit.host().PanelGauges().Instances();
  int overlays = 0;
  for (size_t i = 0; i < instances.size(); ++i) {
    for (size_t n = 0; n < with[i].size(); ++n) {
      const std::string what = ElementName(instances[i], n);
      if (what.ends_with("(click areas)")) {
        ++overlays;
        EXPECT_TRUE(without[i][n] != 0 && with[i][n] == 0) << what;
      } else {
        EXPECT_EQ(with[i][n], without[i][n]) << what;
      }
    }
  }
  EXPECT_GE(overlays, 79);
}

// Every lit instrument relights its whole lit range with its panel light:
// with the side, CPL and overhead panel lights off none of its elements draws
// lit (but the TAS/SAT indicator's face, lit at all times), and with them on
// again it draws as lit as before.
TEST(GaugeConventions, WithThePanelLightsOffNoElementOfALitInstrumentStaysLit) {
  Cockpit cockpit({.drawClosedWindows = true});
  cockpit.powerUp();
  const auto lights = [&cockpit](int32_t position) {
    for (CSwitch* light : {&g_sidePanelLight, &g_cplPanelLight, &g_oclPanelLight}) cockpit.setSwitch(light, position);
    cockpit.runTicks(3);
    return ElementFlags(cockpit, platform::kImageLuminous);
  };
  const auto on = lights(kSwitchOn);
  const auto off = lights(kSwitchOff);
  const auto& instances = cockpit.host().PanelGauges().Instances();
  int relit = 0;
  for (size_t i = 0; i < instances.size(); ++i) {
    if (on[i] == off[i]) continue;  // lit by no panel light
    ++relit;
    const bool tasSat = std::string(instances[i].header->name) == "TAS SAT";
    for (size_t n = tasSat ? 1 : 0; n < off[i].size(); ++n) EXPECT_EQ(off[i][n], 0u) << ElementName(instances[i], n);
  }
  EXPECT_GE(relit, 37);
  EXPECT_EQ(lights(kSwitchOn), on);
}

// Every icon of every placed gauge shows a frame of its strip, cold and dark
// as in the lamp test with the panel powered and every light on.
TEST(GaugeConventions, EveryIconShowsAFrameOfItsStrip) {
  Cockpit cockpit;
  const auto check = [&cockpit](const char* state) {
    cockpit.draw();
    for (const simhost::Panel::Instance& instance : cockpit.host().PanelGauges().Instances()) {
      size_t n = 0;
      for (const platform::ELEMENT_HEADER* e = instance.header->elements; e != nullptr;
           e = e->nextElement != nullptr ? e->nextElement[0] : nullptr, ++n) {
        if (e->kind != platform::ElementKind::Icon || e->callback == nullptr) continue;
        // The engine display's CMD windows show their blank one past the strip's last frame.
        const bool cmdWindow =
            std::string(instance.header->name) == "EDP" && std::string(e->name).find(" CMD ") != std::string::npos;
        EXPECT_TRUE(e->value >= 0 && e->value < e->frameCount + (cmdWindow ? 1 : 0))
            << ElementName(instance, n) << " " << state << ": " << e->value << " of " << e->frameCount;
      }
    }
  };
  check("cold and dark");
  cockpit.powerUp();
  for (CSwitch* light : {&g_sidePanelLight, &g_cplPanelLight, &g_oclPanelLight, &g_sideDigitalLight,
                         &g_cplDigitalLight, &g_fgcpDigitalSwitch, &g_lampTestSwitch}) {
    cockpit.setSwitch(light, kSwitchOn);
  }
  cockpit.runTicks(3);
  check("in the lamp test");
}

// ---- Dials ----

// Every needle turns about its dial's centre, and a needle on marks runs from
// the dial's first mark to its last (a needle without marks turns by its angle).
TEST(GaugeConventions, EachNeedleTurnsAboutItsDialsCentreFromItsFirstMarkToItsLast) {
  Cockpit cockpit;
  struct Dial {
    const char* gauge;
    std::vector<uint32_t> needles;
    int32_t centreX, centreY;
    std::optional<platform::NeedlePoint> first, last;
  };
  using Mark = platform::NeedlePoint;
  const Dial dials[] = {
      {"Airspeed", {1, 7, 9, 10, 11, 12, 13}, 197, 197, Mark{179, 64, 40}, Mark{138, 76, 450}},
      {"Airspeed", {6}, 197, 197, Mark{179, 64, 0}, Mark{138, 76, 450 * 128}},
      {"Altimeter", {14, 16}, 202, 198, {}, {}},
      {"Clock", {1, 2, 3}, 150, 150, {}, {}},
      {"Brake_Pressure", {1, 2}, 150, 150, Mark{211, 75, -500}, Mark{86, 75, 4000}},
      {"Cabin_Pressure_Indicator", {1}, 200, 200, Mark{200, 64, 0}, Mark{67, 170, 30000}},
      {"Cabin_Pressure_Indicator", {2}, 200, 200, Mark{200, 137, 0}, Mark{140, 180, 9}},
      {"Cabin_Climb", {1}, 150, 150, Mark{265, 200, -2000}, Mark{265, 100, 2000}},
      {"Air_Condition_L_Valve", {1}, 100, 100, Mark{22, 72, 0}, Mark{178, 72, 60}},
      {"Air_Condition_R_Valve", {1}, 100, 100, Mark{22, 72, 0}, Mark{178, 72, 60}},
      {"Air_Condition_Temperature", {2}, 150, 150, Mark{150, 27, 0}, Mark{27, 150, 60}},
      {"Air_Condition_Temperature", {3}, 150, 150, Mark{150, 27, 30}, Mark{27, 150, 150}},
      {"Air_Condition_L_Pressure", {1}, 100, 100, Mark{100, 17, 0}, Mark{100, 17, 100}},
      {"Air_Condition_R_Pressure", {1}, 100, 100, Mark{100, 17, 0}, Mark{100, 17, 100}},
      {"APU_EGT", {1}, 150, 150, Mark{208, 194, 0}, Mark{178, 83, 800}},
      {"APU_RPM", {1}, 150, 150, Mark{150, 45, 0}, Mark{57, 103, 110}},
      {"APU_RPM", {2}, 102, 97, {}, {}},
      {"Electrical_CSD1_Temperature", {1}, 150, 150, Mark{79, 224, 0}, Mark{229, 224, 180}},
      {"Electrical_CSD2_Temperature", {1}, 150, 150, Mark{79, 224, 0}, Mark{229, 224, 180}},
      {"Electrical_AC_Load_1", {1}, 22, 22, {}, {}},
      {"Electrical_AC_Load_2", {1}, 22, 22, {}, {}},
      {"Electrical_AC_Load_APU", {1}, 22, 22, {}, {}},
      {"Electrical_AC_Volts", {1}, 22, 22, {}, {}},
      {"Electrical_DC_Volts_Amps", {1}, 22, 22, {}, {}},
      {"Electrical_Frequency", {1}, 22, 22, {}, {}},
      {"Electrical_DC_Load_1", {1}, 70, 150, {}, {}},
      {"Electrical_DC_Load_1", {2}, 230, 150, {}, {}},
      {"Electrical_DC_Load_2", {1}, 70, 150, {}, {}},
      {"Electrical_DC_Load_2", {2}, 230, 150, {}, {}},
      // The engine display's engine 1 dials: N2, EGT, N1, the EPR pointer and its CMD bug.
      {"EDP", {24}, 47, 236, Mark{33, 251, 0}, Mark{60, 251, 120}},
      {"EDP", {28}, 47, 186, Mark{33, 202, 0}, Mark{61, 202, 860}},
      {"EDP", {32}, 47, 135, Mark{33, 150, 0}, Mark{60, 150, 120}},
      {"EDP", {37, 38}, 47, 71, Mark{39, 91, 0}, Mark{55, 91, 240}},
  };
  const auto same = [](const Mark& a, const Mark& b) { return a.x == b.x && a.y == b.y && a.value == b.value; };
  for (const Dial& dial : dials) {
    for (uint32_t n : dial.needles) {
      const platform::ELEMENT_HEADER& needle = cockpit.element(dial.gauge, n);
      const std::string what = std::string(dial.gauge) + " element " + std::to_string(n);
      ASSERT_EQ(needle.kind, platform::ElementKind::Needle) << what;
      EXPECT_EQ(needle.pivotX, dial.centreX) << what;
      EXPECT_EQ(needle.pivotY, dial.centreY) << what;
      if (!dial.first) {
        EXPECT_EQ(needle.scalePoints, 0u) << what;
        continue;
      }
      ASSERT_GE(needle.scalePoints, 2u) << what;
      EXPECT_TRUE(same(needle.scale[0], *dial.first)) << what << " starts at " << needle.scale[0].value;
      EXPECT_TRUE(same(needle.scale[needle.scalePoints - 1], *dial.last))
          << what << " ends at " << needle.scale[needle.scalePoints - 1].value;
    }
  }
}

// The marks of every dial stand on the round values printed at them: whole
// steps of its dial's scale on from its first mark, rising from mark to mark.
TEST(GaugeConventions, EveryDialsMarksStandOnWholeStepsOfItsScale) {
  Cockpit cockpit;
  struct Dial {
    const char* gauge;
    uint32_t needle;
    double step;
  };
  const Dial dials[] = {
      {"Airspeed", 7, 10},
      {"Airspeed", 6, 10 * TokenScale(Token::MaxOperatingSpeed)},
      {"Brake_Pressure", 1, 500},
      {"Cabin_Pressure_Indicator", 1, 1000},
      {"Cabin_Pressure_Indicator", 2, 1},
      {"Cabin_Climb", 1, 500},
      {"Air_Condition_L_Valve", 1, 10},
      {"Air_Condition_L_Pressure", 1, 10},
      {"Air_Condition_Temperature", 2, 10},
      {"Air_Condition_Temperature", 3, 20},
      {"APU_EGT", 1, 100},
      {"APU_RPM", 1, 10},
      {"Electrical_CSD1_Temperature", 1, 20},
      {"EDP", 24, 5},
      {"EDP", 28, 10},
      {"EDP", 32, 5},
      {"EDP", 37, 20},
  };
  for (const Dial& dial : dials) {
    const platform::ELEMENT_HEADER& needle = cockpit.element(dial.gauge, dial.needle);
    for (uint32_t i = 0; i < needle.scalePoints; ++i) {
      const double value = needle.scale[i].value;
      SCOPED_TRACE(std::string(dial.gauge) + " element " + std::to_string(dial.needle) + " mark " + std::to_string(i));
      EXPECT_EQ(std::remainder(value - needle.scale[0].value, dial.step), 0.0) << value;
      if (i > 0) {
        EXPECT_GT(value, needle.scale[i - 1].value);
      }
    }
  }
}

// Every gauge draws its face (or its panel) first, from its top-left corner.
TEST(GaugeConventions, EveryGaugeStartsWithItsFaceAtItsCorner) {
  Cockpit cockpit;
  size_t gauges = 0;
  for (const simhost::Panel::Instance& instance : cockpit.host().PanelGauges().Instances()) {
    const platform::ELEMENT_HEADER* face = instance.header->elements;
    ASSERT_NE(face, nullptr) << instance.header->name;
    EXPECT_EQ(face->kind, platform::ElementKind::Static) << instance.header->name;
    EXPECT_EQ(face->x, 0) << instance.header->name;
    EXPECT_EQ(face->y, 0) << instance.header->name;
    ++gauges;
  }
  EXPECT_GE(gauges, 166u);
}

// Every lamp and every flag is a strip of two pictures: dark and lit, stowed
// and shown.
TEST(GaugeConventions, EveryLampAndFlagIsAStripOfTwoPictures) {
  Cockpit cockpit;
  int lamps = 0;
  for (const simhost::Panel::Instance& instance : cockpit.host().PanelGauges().Instances()) {
    size_t n = 0;
    for (const platform::ELEMENT_HEADER* e = instance.header->elements; e != nullptr;
         e = e->nextElement != nullptr ? e->nextElement[0] : nullptr, ++n) {
      const std::string name = e->name != nullptr ? e->name : "";
      if (e->kind != platform::ElementKind::Icon || (name.find("lamp") == std::string::npos && !name.ends_with(" flag"))) {
        continue;
      }
      EXPECT_EQ(e->frameCount, 2) << ElementName(instance, n);
      ++lamps;
    }
  }
  EXPECT_GE(lamps, 50);
}

// ---- Extreme tokens ----

// Whatever the simulator's tokens hold, every element of these gauges reads
// a finite value within what its picture can show.
TEST(GaugeConventions, ElementValuesStayFiniteAndInRangeForExtremeTokens) {
  Cockpit cockpit;
  cockpit.powerUp();
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  for (double value : {kNaN, -1.0e12, -1.0, 0.0, 1.0e12, std::numeric_limits<double>::infinity()}) {
    for (Token token : {Token::ClockSecond, Token::ZuluHour, Token::ZuluMinute, Token::PanelLights,
                        Token::IndicatedAirspeedKt, Token::MaxOperatingSpeed, Token::Mach, Token::VerticalSpeed,
                        Token::AltitudeFt, Token::AltimeterMb, Token::AltimeterInHg, Token::AutopilotAirspeedHold,
                        Token::AutopilotAirspeedKt, Token::AutopilotMachHold, Token::AutopilotMach,
                        Token::SimulatorClockSeconds, Token::KeyEventLamp, Token::MaxOperatingMach, Token::DoorsOpen}) {
      cockpit.set(token, value);
    }
    // The pedestal's and side gauges' tokens: levers, spoilers, trims, steering, lights, air data.
    for (Token token :
         {Token::OnGround, Token::Engine1Throttle, Token::Engine2Throttle, Token::ParkingBrake, Token::SpoilerHandle,
          Token::GearPosition, Token::WindSpeedKt, Token::WindDirectionDeg, Token::BeaconLights, Token::LogoLights,
          Token::ElevatorTrimRad, Token::AileronTrimRad, Token::SteeringRad, Token::RudderTrimRad,
          Token::TotalAirTempDegC, Token::GroundSpeedMps, Token::TrueHeadingRad}) {
      cockpit.set(token, value);
    }
    cockpit.draw();
    for (const char* gauge : {"Airspeed", "Altimeter", "Clock", "Brake_Pressure", "Cabin_Pressure", "Cabin_Climb",
                              "Cabin_Pressure_Indicator", "Various", "OCL", "CPL", "Throttlebox", "Flapsbox",
                              "Longitude Trim", "Rudder Trim", "Aileron Trim", "Gear Lock Indicator", "Radar",
                              "Brake Temperature", "Stearing Wheel", "TAS SAT", "External Lights FO", "Wiper"}) {
      uint32_t index = 0;
      for (const platform::ELEMENT_HEADER* e = cockpit.gauge(gauge)->elements; e != nullptr;
           e = e->nextElement[0], ++index) {
        SCOPED_TRACE(std::string(gauge) + " element " + std::to_string(index) + " token value " + std::to_string(value));
        EXPECT_TRUE(std::isfinite(e->value));
        EXPECT_TRUE(std::isfinite(e->yValue));
        if (e->kind == platform::ElementKind::Icon) {
          EXPECT_TRUE(e->value >= 0 && e->value < e->frameCount);
        }
        if (e->kind == platform::ElementKind::MovingImage) {
          EXPECT_TRUE(e->value >= e->minValue && e->value <= e->maxValue);
        }
        // The speed bugs alone go unclamped: the knobs hold them within 0..450.
        const bool bug = std::string(gauge) == "Airspeed" && index >= 9 && index <= 13;
        if (bug) {
          EXPECT_TRUE(e->value >= 0 && e->value <= 450);
        }
        if (e->kind == platform::ElementKind::Needle && e->scalePoints > 0 && !bug) {
          EXPECT_TRUE(e->value >= e->scale[0].value && e->value <= e->scale[e->scalePoints - 1].value);
        }
      }
    }
  }
}

// ---- The panel in the host ----

TEST(Panel, EachPlacementIsAnInstanceWithItsOwnElementsAndSnapshotsDumpOpenWindows) {
  Cockpit cockpit;
  const simhost::Panel& panel = cockpit.host().PanelGauges();
  const simhost::Panel::Instance* main = panel.Find("Altimeter", kMainPanel);
  const simhost::Panel::Instance* zoomed = panel.Find("Altimeter", kMainZoomedPanel);
  ASSERT_NE(main, nullptr);
  ASSERT_NE(zoomed, nullptr);
  EXPECT_EQ(main->header, cockpit.gauge("Altimeter")) << "the first placement is the module's own";
  EXPECT_NE(zoomed->header->elements, main->header->elements);
  EXPECT_EQ(panel.Instances().front().header, cockpit.gauge("Airspeed")) << "installed first";
  EXPECT_EQ(panel.Find("Wiper")->window, 0u) << "an unplaced gauge stands in the virtual cockpit";

  // Only open windows are written; the text names each element's state.
  cockpit.snapshot();
  EXPECT_TRUE(cockpit.picturesWritten().empty() ||
              cockpit.picturesWritten().back().find("window") == std::string::npos);
  cockpit.setWindowVisible(kMainPanel, true).set(Token::AltitudeFt, 12995).powerUp().snapshot();
  const std::vector<std::string>& written = cockpit.picturesWritten();
  ASSERT_GE(written.size(), 2u);
  const std::string text = written[written.size() - 2];
  EXPECT_NE(text.find("_window_10010.txt"), std::string::npos);
  EXPECT_NE(written.back().find("_window_10010.png"), std::string::npos);
  std::ifstream file(cockpit.picturesFolder() + "/" + text);
  std::stringstream dump;
  dump << file.rdbuf();
  EXPECT_NE(dump.str().find("window 10010 \"Main panel\""), std::string::npos);
  EXPECT_NE(dump.str().find("gauge \"Altimeter\" at 960,200 size 260x260"), std::string::npos);
  EXPECT_NE(dump.str().find("  10 moving  thousands drum         value     7499.000 frame -    visible unlit"),
            std::string::npos)
      << dump.str();
  EXPECT_NE(dump.str().find("  13 icon    OFF flag               value        0.000 frame 0    visible unlit"),
            std::string::npos);
  EXPECT_TRUE(std::filesystem::file_size(cockpit.picturesFolder() + "/" + written.back()) > 1000);
}

// Every string element of every placed gauge writes its text into the
// element the simulator reads, not only into storage of its own.
TEST(Panel, EveryStringElementHasTheTextTheSimulatorDraws) {
  Cockpit cockpit;
  cockpit.powerUp().draw();
  uint32_t strings = 0;
  for (const simhost::Panel::Instance& instance : cockpit.host().PanelGauges().Instances()) {
    uint32_t index = 0;
    for (const platform::ELEMENT_HEADER* e = instance.header->elements; e != nullptr;
         e = e->nextElement != nullptr ? e->nextElement[0] : nullptr, ++index) {
      if (e->kind != platform::ElementKind::String) continue;
      ++strings;
      EXPECT_NE(e->text, nullptr) << instance.header->name << " element " << index;
    }
  }
  EXPECT_EQ(strings, 29u + 4 + 20 + 4 + 1 + 1) << "the dispatch page, the guide, the lesson rows, the editor, the "
                                                   "options' fd_mod, the DFGS bank-limit box";
}

TEST(Panel, MouseEventsAndNamedControlsReachOnlyTheControlsThatListen) {
  Cockpit cockpit;
  EXPECT_EQ(cockpit.host().Mouse("Airspeed", 10, 10, platform::kMouseLeftRelease),
            "no control of 'Airspeed' at 10,10");
  EXPECT_EQ(cockpit.host().Mouse("Clock", 10, 10, platform::kMouseRightSingle), "no control of 'Clock' at 10,10");
  EXPECT_EQ(cockpit.host().CallControl("Clock", "ClockMouseUp"), "'Clock' has no control 'ClockMouseUp'");
  EXPECT_EQ(cockpit.host().CallControl("Dial", "ClockMouseLeft"), "no gauge named 'Dial'");
  const double bug4 = GetSpeedBug(4);
  cockpit.runTicks(5).callControl("Airspeed", "AirspeedMouseBug4Inc");
  EXPECT_EQ(GetSpeedBug(4), bug4 + 1);
  EXPECT_EQ(cockpit.tooltip("FGCP Lights"), "") << "a table without a tooltip";
  EXPECT_EQ(cockpit.tooltip("Engine Fire"), "Engine Fire Handles.\nAgent 1: 100%\nAgent 2: 100%");
}

TEST(Panel, ScenarioMouseCallAndTooltipCommandsReachTheGauges) {
  Cockpit cockpit;
  std::vector<std::string> errors;
  simhost::Scenario bad;
  EXPECT_FALSE(bad.Parse("mouse Airspeed 10 10 press\ncall Airspeed AirspeedMouseBug1Inc hover\n", "bad.scn", &errors));
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0], "bad.scn:1: 'press' is not click, release, repeat, move, right or drag");
  EXPECT_EQ(errors[1], "bad.scn:2: 'hover' is not click, release, repeat, move, right or drag");

  simhost::Scenario unknown;
  ASSERT_TRUE(unknown.Parse("call Airspeed AirspeedMouseBug9Inc\ntooltip Dial\n", "names.scn", &errors));
  simhost::RunLog log;
  std::string error;
  EXPECT_FALSE(simhost::RunScenario(cockpit.host(), unknown, log, &error));
  EXPECT_EQ(error, "names.scn:1: 'Airspeed' has no control 'AirspeedMouseBug9Inc'\nnames.scn:2: no gauge named 'Dial'");

  simhost::Scenario good;
  ASSERT_TRUE(good.Parse("run 1\nmouse Airspeed 50 330 repeat\ncall \"FGCP Lights\" FgcpLightsMouseBacklight click\n"
                         "set clock_hour 7\nset clock_minute 5\ntooltip Clock\n",
                         "good.scn", &errors));
  const double bug4 = GetSpeedBug(4);
  ASSERT_TRUE(simhost::RunScenario(cockpit.host(), good, log, &error)) << error;
  EXPECT_EQ(GetSpeedBug(4), bug4 + 1) << "bug 4's increasing half, held";
  EXPECT_EQ(GetSwitch(&g_fgcpBacklightSwitch), kSwitchOn);
  ASSERT_FALSE(log.Notes().empty());
  EXPECT_NE(log.Notes().back().find("tooltip of \"Clock\": Clock. Time: 07:05"), std::string::npos) << log.Notes().back();
}

}  // namespace
}  // namespace halcyon::test
