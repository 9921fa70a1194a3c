// The glass display gauges, the CDU faceplate and its second and third
// screens, the EFIS and TCAS control heads, MAG/TRUE, the small forward
// panel, the standby instruments, the RDI and the DME, driven through the
// panel the host builds: clicks by point, elements read after a frame.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/lifecycle.h"
#include "core/options.h"
#include "core/tick_scheduler.h"
#include "displays/efis/display_states.h"
#include "displays/efis/efis_dimmer.h"
#include "displays/efis/efis_mcp.h"
#include "displays/tcas/tcas.h"
#include "fmc/cdu_keys.h"
#include "fmc/fms.h"
#include "gauges/gauge_kit.h"
#include "gauges/standby_instruments.h"
#include "host/direct_input_keyboard.h"
#include "platform/gfx_surface.h"
#include "platform/system.h"
#include "systems/annunciator_lamps.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/gear.h"
#include "systems/irs.h"
#include "systems/lights.h"
#include "systems/mag_true.h"
#include "systems/radios.h"
#include "tests/cockpit.h"
#include "tests/element_places.h"

namespace halcyon::test {
namespace {

using platform::MOUSERECT;

// The windows the cockpit toggled (key event 66506), in order.
std::vector<uint32_t> Toggled(const Cockpit& cockpit) {
  std::vector<uint32_t> idents;
  for (const auto& record : cockpit.keyEvents(kKeyEventTogglePanelWindow)) idents.push_back(record.value);
  return idents;
}

// ---- The CDU ----

// The point at the centre of a rectangle.
std::pair<int32_t, int32_t> Centre(const MOUSERECT& rect) { return {rect.x + rect.width / 2, rect.y + rect.height / 2}; }

std::vector<const MOUSERECT*> Controls(const platform::GAUGEHDR* gauge) {
  std::vector<const MOUSERECT*> controls;
  for (const MOUSERECT* rect = gauge->mouseRects; rect->type != platform::kMouseRectEnd; ++rect) {
    if (rect->type == platform::kMouseRectChild) controls.push_back(rect);
  }
  return controls;
}

TEST(CduGauge, EachKeyRectangleSendsItsCodeAndTheOtherFourAct) {
  Cockpit cockpit;
  const std::vector<const MOUSERECT*> controls = Controls(cockpit.gauge("FMS"));
  ASSERT_EQ(controls.size(), 73u) << "69 keys, the screen, the rocker's halves, the keyboard button";
  std::vector<uint32_t> sent;
  for (size_t i = 0; i < 69; ++i) {
    const auto [x, y] = Centre(*controls[i]);
    cockpit.click("FMS", x, y);
    sent.push_back(cockpit.fmsKeys().back());
  }
  std::vector<uint32_t> expected;
  for (uint32_t code = 0; code <= kCduClr; ++code) expected.push_back(code);
  EXPECT_EQ(sent, expected) << "in table order, one code a key, CLR first pressed sends CLR";

  const size_t keys = cockpit.fmsKeys().size();
  cockpit.clearKeyEvents().click("FMS", 200, 140).click("FMS", 200, 140);
  EXPECT_EQ(Toggled(cockpit), (std::vector<uint32_t>{10070, 10070})) << "the CDU popup";
  g_fms.SetBrightness(0.5);
  cockpit.click("FMS", 340, 280);
  EXPECT_DOUBLE_EQ(g_fms.GetBrightness(), 0.4);
  cockpit.click("FMS", 365, 280).click("FMS", 365, 280);
  EXPECT_DOUBLE_EQ(g_fms.GetBrightness(), 0.6);
  ASSERT_EQ(g_directInputKeyboard, nullptr);
  cockpit.click("FMS", 300, 280);
  EXPECT_NE(g_directInputKeyboard, nullptr);
  EXPECT_EQ(cockpit.fmsKeys().size(), keys) << "none of the four sends a key";
  EXPECT_TRUE(cockpit.played().empty()) << "the CDU makes no click";
}

TEST(CduGauge, ClrRepeatsWithinThreeTicksClearAllAndSurviveTheClockGoingBack) {
  Cockpit cockpit;
  auto clr = [&] {
    cockpit.cdu("CLR");
    return cockpit.fmsKeys().back();
  };
  EXPECT_EQ(clr(), kCduClr) << "the first press";
  cockpit.runTicks(2);
  EXPECT_EQ(clr(), kCduClearAll) << "2 ticks later: held";
  cockpit.runTicks(3);
  EXPECT_EQ(clr(), kCduClr) << "3 ticks after the last: a new press";
  EXPECT_EQ(clr(), kCduClearAll) << "the same tick";
  // A reloaded flight sets the clock back: the next CLR is still one character.
  cockpit.runTicks(1).clockBack(500);
  EXPECT_EQ(clr(), kCduClr);
  cockpit.runTicks(1);
  EXPECT_EQ(clr(), kCduClearAll) << "and a repeat after it still clears all";
  cockpit.runTicks(1).clockBack(4);
  EXPECT_EQ(clr(), kCduClr) << "a stored time just over a repeat ahead is from before the jump";
}

TEST(CduGauge, KeyboardReaderAndItsLampTheAnnunciatorsAndKeyLighting) {
  Cockpit cockpit;
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("FMS", 7), 0.0);
  cockpit.click("FMS", 300, 280).draw();
  ASSERT_NE(g_directInputKeyboard, nullptr);
  EXPECT_EQ(cockpit.elementValue("FMS", 7), 1.0) << "lit without panel power";
  cockpit.click("FMS", 300, 280).draw();
  EXPECT_EQ(g_directInputKeyboard, nullptr);
  EXPECT_EQ(cockpit.elementValue("FMS", 7), 0.0);

  // No power: all five dark even in the lamp test.
  cockpit.setSwitch(&g_lampTestSwitch, kSwitchOn).draw();
  for (uint32_t n = 2; n <= 6; ++n) EXPECT_EQ(cockpit.elementValue("FMS", n), 0.0) << n;
  cockpit.powerUp().draw();
  for (uint32_t n = 2; n <= 6; ++n) EXPECT_EQ(cockpit.elementValue("FMS", n), 1.0) << n;
  EXPECT_EQ(cockpit.elementValue("FMS", 7), 0.0) << "the keyboard lamp is not in the lamp test";
  cockpit.setSwitch(&g_lampTestSwitch, kSwitchOff).draw();
  for (uint32_t n = 2; n <= 6; ++n) EXPECT_EQ(cockpit.elementValue("FMS", n), 0.0) << n;
  // MSG with a message, the route lamp on a route page.
  cockpit.cduType("A").cdu("DEL").draw();
  EXPECT_EQ(cockpit.elementValue("FMS", 3), 1.0) << "INVALID DELETE";
  EXPECT_EQ(cockpit.elementValue("FMS", 2), 0.0);
  cockpit.cdu("RTE").draw();
  EXPECT_EQ(cockpit.elementValue("FMS", 2), 1.0);
  EXPECT_EQ(cockpit.elementValue("FMS", 5), 0.0) << "no modification to execute";

  EXPECT_FALSE(cockpit.elementVisible("FMS", 8));
  cockpit.setSwitch(&g_cplPanelLight, kSwitchOn).draw();
  EXPECT_TRUE(cockpit.elementVisible("FMS", 8)) << "the key lighting with the pedestal's panel light";
}

// The screen, the five annunciators in their two columns beside the keys, the
// keyboard-entry lamp and the key lighting at their places on the faceplate.
TEST(CduGauge, TheScreenLampsAndKeyLightingStandAtTheirPlaces) {
  Cockpit cockpit;
  ExpectElementPlaces(cockpit, "FMS",
                      {{1, 57, 32}, {2, 325, 313}, {3, 24, 419}, {4, 24, 359}, {5, 375, 359}, {6, 375, 415},
                       {7, 304, 283}, {8, 13, 67}});
}

// The second and third CDU screens come up and go dark with the panel power,
// on the ticks the one-second channel is due.
TEST(CduGauge, OtherScreensFollowThePowerOnceASecond) {
  Cockpit cockpit;
  cockpit.draw();
  EXPECT_FALSE(cockpit.elementVisible("FMS Display 2", 0)) << "hidden as the panel installs";
  EXPECT_FALSE(cockpit.elementVisible("FMS Display 3", 0));
  for (const char* display : {"FMS Display 2", "FMS Display 3"}) {
    const platform::ELEMENT_HEADER& screen = cockpit.element(display, 0);
    EXPECT_EQ(screen.imageWidth, cockpit.gauge(display)->widthMm) << display << ": the lit screen fills the gauge";
    EXPECT_EQ(screen.imageHeight, 56) << display;
  }
  cockpit.powerUp();
  std::vector<bool> shown;
  double firstShownTick = -1;
  for (int tick = 0; tick < 20; ++tick) {
    cockpit.runTicks(1);
    const bool due = IsTickDue(kChannel1Hz) != 0;
    EXPECT_EQ(cockpit.elementVisible("FMS Display 2", 0), firstShownTick >= 0 || due) << "tick " << tick;
    if (due && firstShownTick < 0) firstShownTick = cockpit.tick18();
    EXPECT_EQ(cockpit.elementVisible("FMS Display 3", 0), cockpit.elementVisible("FMS Display 2", 0));
  }
  EXPECT_GE(firstShownTick, 0) << "within a second";
  cockpit.control("APU", "battery", kSwitchOff);
  cockpit.runUntil([] { return IsPanelPowered() == 0; }, 3);
  cockpit.runTicks(1);
  EXPECT_TRUE(cockpit.elementVisible("FMS Display 2", 0) || IsTickDue(kChannel1Hz) != 0);
  cockpit.runTicks(19);
  EXPECT_FALSE(cockpit.elementVisible("FMS Display 2", 0));
  EXPECT_FALSE(cockpit.elementVisible("FMS Display 3", 0));
}

// Clicked keys give the same pages as the keyboard typed.
TEST(CduGauge, ClickedKeysGiveTheSamePagesAsTyping) {
  std::vector<std::string> screens[2];
  for (int clicked = 0; clicked < 2; ++clicked) {
    Cockpit cockpit;
    cockpit.setPosition(47.4647, 8.5492).powerUp().cdu("RTE");
    if (clicked == 1) {
      cockpit.cduType("LSZH");
    } else {
      cockpit.click("FMS", 300, 280).typeKeys("LSZH").finishTyping().click("FMS", 300, 280);
    }
    cockpit.cdu("1L");
    if (clicked == 1) {
      cockpit.cduType("LEMD");
    } else {
      cockpit.click("FMS", 300, 280).typeKeys("LEMD").finishTyping().click("FMS", 300, 280);
    }
    cockpit.cdu("1R").runTicks(1);
    for (int line = 0; line < 14; ++line) screens[clicked].push_back(cockpit.cduLine(line));
  }
  EXPECT_NE(screens[0][2].find("LSZH"), std::string::npos) << screens[0][2];
  EXPECT_EQ(screens[0], screens[1]);
}

// ---- The EFIS screens ----

std::set<std::string> Marks(const platform::gfx::DrawingLog& log) {
  std::set<std::string> marks;
  for (const auto& item : log.Items()) {
    if (item.kind == platform::gfx::DrawnItem::Kind::Mark) marks.insert(item.mark);
  }
  return marks;
}

// Ten clicks of a dimmer knob: frame 8 after 8, 10 after 10, and back to a
// dark 0 after ten down, which hands the other screen the composite picture.
TEST(EfisDisplayGauges, ADimmerTurnedToZeroGivesTheOtherScreenTheComposite) {
  Cockpit cockpit({.drawClosedWindows = true});
  cockpit.addSounds({kClickKnob}).powerUp();
  for (int n = 0; n < 8; ++n) cockpit.click("EFIS Dimmer", 30, 40).click("EFIS Dimmer", 30, 65);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("EFIS Dimmer", 4), 8.0) << "PFD knob after 8 clicks";
  EXPECT_EQ(cockpit.elementValue("EFIS Dimmer", 2), 8.0) << "ND knob";
  for (int n = 0; n < 3; ++n) cockpit.click("EFIS Dimmer", 30, 40).click("EFIS Dimmer", 30, 65);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("EFIS Dimmer", 4), 10.0) << "held at 1.0, the last frame";
  EXPECT_EQ(cockpit.elementValue("EFIS Dimmer", 2), 10.0);
  EXPECT_EQ(cockpit.played(kClickKnob).size(), 22u);
  SetEfisDimmer(kDimmerWeather, 0.95);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("EFIS Dimmer", 3), 9.0) << "0.95 shows frame 9";
  SetEfisDimmer(kDimmerWeather, 0.7999999999999999);  // eight plain sums of a tenth
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("EFIS Dimmer", 3), 8.0) << "read as 8, not 7";
  SetEfisDimmer(kDimmerWeather, 0.79);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("EFIS Dimmer", 3), 7.0) << "really between the steps";
  SetEfisDimmer(kDimmerWeather, 0.95);
  cockpit.runTicks(2);

  platform::gfx::DrawingLog& pfd = cockpit.surface("EFIS PFD")->StartRecording();
  platform::gfx::DrawingLog& nd = cockpit.surface("EFIS ND")->StartRecording();
  // The tick after a click: its frames show the new state (the first frame
  // of the click's own tick may still be drawn before the step).
  auto tick = [&] {
    cockpit.runTicks(1);
    pfd.Clear();
    nd.Clear();
    cockpit.runTicks(1);
  };
  tick();
  EXPECT_TRUE(Marks(pfd).contains("attitude")) << "both lit: the PFD";
  EXPECT_FALSE(Marks(pfd).contains("rose")) << "the composite's half rose";
  EXPECT_TRUE(Marks(nd).contains("compass")) << "both lit: the ND";

  for (int n = 0; n < 10; ++n) cockpit.click("EFIS Dimmer", 5, 65);  // ND dimmer down
  EXPECT_EQ(GetEfisDimmer(kDimmerNd), 0.0) << "ten tenths down reach 0 itself";
  tick();
  EXPECT_EQ(GetNdBrightness(), 0.0);
  EXPECT_TRUE(Marks(pfd).contains("rose")) << "the composite on the PFD's screen";

  for (int n = 0; n < 10; ++n) cockpit.click("EFIS Dimmer", 30, 65).click("EFIS Dimmer", 15, 40);
  EXPECT_EQ(GetEfisDimmer(kDimmerPfd), 0.0);
  tick();
  EXPECT_TRUE(Marks(nd).contains("rose")) << "the composite on the ND's screen";
  EXPECT_FALSE(Marks(nd).contains("compass"));
  EXPECT_TRUE(Marks(pfd).empty()) << "the dark PFD shows the composite at brightness 0: black";
}

TEST(EfisDisplayGauges, ScreensToggleTheirPopupsAndTheNdStepsModeAndRange) {
  Cockpit cockpit;
  cockpit.click("EFIS PFD", 150, 100).click("EFIS PFD", 150, 100).click("EFIS ND", 150, 100);
  cockpit.click("TCAS Display", 120, 100);
  EXPECT_EQ(Toggled(cockpit), (std::vector<uint32_t>{10260, 10260, 10330, 10340}));
  EXPECT_FALSE(cockpit.isWindowVisible(10260)) << "opened and closed again";
  g_efisMcp.mode = 1;
  g_efisMcp.range = 4;
  cockpit.click("EFIS ND", 10, 220).click("EFIS ND", 10, 220);
  EXPECT_EQ(GetEfisMode(), 0u) << "held at 0";
  for (int n = 0; n < 5; ++n) cockpit.click("EFIS ND", 100, 220);
  EXPECT_EQ(GetEfisMode(), 3u) << "held at 3";
  cockpit.click("EFIS ND", 250, 220).click("EFIS ND", 250, 220);
  EXPECT_EQ(GetEfisRange(), 5u);
  cockpit.click("EFIS ND", 160, 220);
  EXPECT_EQ(GetEfisRange(), 4u);
  EXPECT_TRUE(cockpit.played().empty());
}

TEST(EfisDisplayGauges, TheNdStartsGdiplusOnPreInitialiseWhenThePanelsStartDidNot) {
  Cockpit cockpit({.start = false});
  platform::FailNextGdiplusStartups(1);  // the start-up list's own start fails
  cockpit.start();
  EXPECT_EQ(IsGdiplusStarted(), 1u) << "started by the ND's pre-initialise";
  cockpit.shutdown();
  ASSERT_EQ(IsGdiplusStarted(), 0u);
  platform::GAUGEHDR* nd = cockpit.host().Module().FindGauge("EFIS ND");
  cockpit.host().SendService(nd, platform::kServicePreDraw);
  EXPECT_EQ(IsGdiplusStarted(), 0u) << "a pre-draw starts nothing";
  cockpit.host().SendService(nd, platform::kServicePreInitialize);
  EXPECT_EQ(IsGdiplusStarted(), 1u) << "a new pre-initialise does";
  EXPECT_EQ(platform::GdiplusStats().starts, 2);
}

// ---- EFIS MCP, MCP2, TCAS, MAG/TRUE ----

TEST(EfisControls, BothPanelsStepTheSameStateWithTheirOwnButtonClicks) {
  Cockpit cockpit;
  cockpit.addSounds({kClickButton1, kClickButton2, kClickRotary1, kClickRotary2}).powerUp();
  // NAID, ARPT, DATA, WPT on each panel.
  const std::pair<int32_t, int32_t> mcp[] = {{44, 123}, {81, 111}, {119, 98}, {155, 79}};
  const std::pair<int32_t, int32_t> mcp2[] = {{34, 115}, {92, 115}, {151, 115}, {210, 115}};
  const SoundId mcpSounds[] = {kClickButton1, kClickButton2, kClickButton1, kClickButton2};
  for (uint32_t n = 0; n < 4; ++n) {
    const size_t before[2] = {cockpit.played(kClickButton1).size(), cockpit.played(kClickButton2).size()};
    cockpit.click("EFIS MCP", mcp[n].first, mcp[n].second).draw();
    EXPECT_EQ(GetEfisDisplayControl(n), 1u) << n;
    EXPECT_EQ(cockpit.elementValue("EFIS MCP", 5 - n), 1.0) << "its lamp, " << n;
    EXPECT_EQ(cockpit.elementValue("EFIS MCP2", 5 - n), 1.0) << "the other panel's lamp too, " << n;
    const bool first = mcpSounds[n] == kClickButton1;
    EXPECT_EQ(cockpit.played(kClickButton1).size(), before[0] + (first ? 1 : 0)) << n;
    cockpit.click("EFIS MCP2", mcp2[n].first, mcp2[n].second).draw();
    EXPECT_EQ(GetEfisDisplayControl(n), 0u) << n;
    EXPECT_EQ(cockpit.elementValue("EFIS MCP", 5 - n), 0.0) << n;
    EXPECT_EQ(cockpit.played(kClickButton1).size(), before[0] + 1) << "MCP2 clicks the other sound, " << n;
    EXPECT_EQ(cockpit.played(kClickButton2).size(), before[1] + 1) << n;
  }
  g_efisMcp = {};
  cockpit.click("EFIS MCP", 40, 60).click("EFIS MCP2", 55, 40).click("EFIS MCP", 100, 50);
  cockpit.click("EFIS MCP", 175, 20).click("EFIS MCP2", 260, 30).click("EFIS MCP2", 230, 30);
  EXPECT_EQ(GetEfisMode(), 2u);
  EXPECT_EQ(GetEfisAdf1(), 1u);
  EXPECT_EQ(GetEfisRange(), 1u);
  EXPECT_EQ(cockpit.played(kClickRotary2).size(), 2u) << "mode";
  EXPECT_EQ(cockpit.played(kClickRotary1).size(), 4u) << "ADF and range";

  // Without power the lamps are dark, the selectors still show.
  ToggleEfisDisplayControl(kDcData);
  cockpit.setSwitch(&g_lampTestSwitch, kSwitchOn).draw();
  EXPECT_EQ(cockpit.elementValue("EFIS MCP", 2), 1.0) << "lamp test";
  cockpit.control("APU", "battery", kSwitchOff).runUntil([] { return IsPanelPowered() == 0; }, 3).draw();
  for (uint32_t n = 2; n <= 5; ++n) EXPECT_EQ(cockpit.elementValue("EFIS MCP2", n), 0.0) << n;
  EXPECT_EQ(cockpit.elementValue("EFIS MCP", 8), 2.0) << "mode";
  EXPECT_EQ(cockpit.elementValue("EFIS MCP", 7), 1.0) << "ADF 1";
  EXPECT_EQ(cockpit.elementValue("EFIS MCP", 6), 1.0) << "range";
}

// On the larger artwork the four lamps stand in a row under their buttons and
// the three selectors in a row above them, the mode selector over the NAID lamp.
TEST(EfisControls, TheLargerPanelsLampsAndSelectorsStandInTwoRows) {
  Cockpit cockpit;
  for (uint32_t lamp = 2; lamp <= 5; ++lamp) EXPECT_EQ(cockpit.element("EFIS MCP2", lamp).y, 126) << lamp;
  for (uint32_t selector = 6; selector <= 8; ++selector) {
    EXPECT_EQ(cockpit.element("EFIS MCP2", selector).y, 24) << selector;
  }
  EXPECT_EQ(cockpit.element("EFIS MCP2", 8).x, cockpit.element("EFIS MCP2", 5).x);
}

TEST(EfisControls, TcasRangeSnapsToItsEndsAndTheButtonClicksWithoutTcas) {
  Cockpit cockpit;
  cockpit.addSounds({kClickButton1});
  struct Case {
    int32_t from;
    bool increase;
    int32_t to;
  };
  for (const Case& c : {Case{100, true, 101}, Case{102, true, 103}, Case{103, true, 103}, Case{103, false, 102},
                        Case{101, false, 100}, Case{100, false, 100}, Case{99, true, 103}, Case{104, false, 100},
                        Case{120, true, 103}, Case{50, false, 100}}) {
    cockpit.setSwitch(&g_tcasRangeSwitch, c.from).click("TCAS", c.increase ? 75 : 25, 275);
    EXPECT_EQ(GetSwitch(&g_tcasRangeSwitch), c.to) << c.from << (c.increase ? " up" : " down");
  }
  g_tcas->SetDimmer(0.0);
  for (int n = 0; n < 8; ++n) cockpit.click("TCAS", 280, 275);
  EXPECT_EQ(g_tcas->GetDimmer(), 0.8) << "on the tenths";
  for (int n = 0; n < 8; ++n) cockpit.click("TCAS", 240, 275);
  EXPECT_EQ(g_tcas->GetDimmer(), 0.0) << "eight tenths down: 0 itself";
  const bool noTcas = g_tcas->IsNoTcas();
  cockpit.click("TCAS", 280, 50);
  EXPECT_NE(g_tcas->IsNoTcas(), noTcas);
  CTcas* tcas = g_tcas;
  g_tcas = nullptr;
  cockpit.click("TCAS", 280, 50).click("TCAS", 280, 275).click("TCAS", 240, 275);
  g_tcas = tcas;
  EXPECT_EQ(cockpit.played(kClickButton1).size(), 2u) << "the button clicks also without a TCAS";
  EXPECT_TRUE(cockpit.played(kClickRotary1).empty()) << "the knobs make no sound";
}

TEST(EfisControls, MagTrueTogglesWithItsLamps) {
  Cockpit cockpit;
  cockpit.addSounds({kClickButton2});
  SetMagTrueMode(kHeadingMagnetic);
  cockpit.setSwitch(&g_lampTestSwitch, kSwitchOn).draw();
  EXPECT_EQ(cockpit.elementValue("MagTrue", 1), 0.0) << "no power, even in the lamp test";
  cockpit.setSwitch(&g_lampTestSwitch, kSwitchOff).powerUp().draw();
  EXPECT_EQ(cockpit.elementValue("MagTrue", 2), 1.0);
  EXPECT_EQ(cockpit.elementValue("MagTrue", 1), 0.0);
  cockpit.click("MagTrue", 10, 10).draw();
  EXPECT_EQ(GetMagTrueMode(), kHeadingTrue);
  EXPECT_EQ(cockpit.elementValue("MagTrue", 2), 0.0);
  EXPECT_EQ(cockpit.elementValue("MagTrue", 1), 1.0);
  EXPECT_EQ(cockpit.played(kClickButton2).size(), 1u);
}

// ---- The small forward panel ----

// Each small forward panel's switches, knobs and lamps at their places, each
// picture strip as long as the positions it shows: the landing lights'
// retracted, extended off and extended on, the dimmer knobs' eleven tenths,
// the source selector's three.
TEST(ForwardPanel, EachSwitchKnobAndLampStandsAtItsPlaceWithItsPictures) {
  Cockpit cockpit;
  ExpectElementPlaces(cockpit, "External Lights", {{1, 0, 15}, {2, 96, 16, 2}, {3, 0, 23, 3}});
  ExpectElementPlaces(cockpit, "FDCADC", {{1, 0, 0, 2}, {2, 0, 11, 2}});
  ExpectElementPlaces(cockpit, "EFIS Dimmer", {{1, 0, 1}, {2, 13, 63, 11}, {3, 18, 68, 11}, {4, 18, 35, 11}});
  ExpectElementPlaces(cockpit, "EFIS Control", {{2, 17, 28, 3}});
  ExpectElementPlaces(cockpit, "Wheels", {{1, 0, 0, 2}});
}

TEST(ForwardPanel, LandingLightMatrix) {
  Cockpit cockpit;
  cockpit.addSounds({kClickGuarded1, kClickGuarded2});
  auto state = [&](int32_t the_switch, int32_t unit) {
    cockpit.setSwitch(&g_landingLightSwitch, the_switch).setSwitch(&g_landingLightExtension, unit);
  };
  auto up = [&] { cockpit.click("External Lights", 40, 30); };
  auto down = [&] { cockpit.click("External Lights", 40, 60); };
  struct Case {
    int32_t from, unit;
    bool isUp;
    int32_t to, unitAfter;
  };
  for (const Case& c : {Case{3, 73, true, 2, 73}, Case{3, 118, true, 2, 118}, Case{2, 73, true, 1, 118},
                        Case{2, 72, true, 1, 72}, Case{1, 73, true, 1, 118}, Case{1, 72, true, 1, 72},
                        Case{1, 72, false, 2, 119}, Case{2, 73, false, 3, 73}, Case{2, 118, false, 3, 119},
                        Case{3, 73, false, 3, 73}, Case{3, 72, false, 3, 119}}) {
    state(c.from, c.unit);
    const size_t clicks = cockpit.played(kClickGuarded1).size();
    c.isUp ? up() : down();
    EXPECT_EQ(GetSwitch(&g_landingLightSwitch), c.to) << c.from << " " << c.unit << (c.isUp ? " up" : " down");
    EXPECT_EQ(GetSwitch(&g_landingLightExtension), c.unitAfter) << c.from << " " << c.unit;
    EXPECT_EQ(cockpit.played(kClickGuarded1).size(), clicks + 1) << "a click on every move";
  }
  state(5, 73);
  up();
  down();
  EXPECT_EQ(GetSwitch(&g_landingLightSwitch), 5);
  EXPECT_EQ(GetSwitch(&g_landingLightExtension), 73);
  EXPECT_EQ(cockpit.played(kClickGuarded1).size(), 11u) << "a stray position: nothing";
  // The switch picture and the nose light.
  cockpit.setSwitch(&g_landingLightSwitch, 3).setSwitch(&g_taxiLightSwitch, kSwitchOff).draw();
  EXPECT_EQ(cockpit.elementValue("External Lights", 3), 2.0);
  cockpit.click("External Lights", 120, 40).draw();
  EXPECT_EQ(GetSwitch(&g_taxiLightSwitch), kSwitchOn);
  EXPECT_EQ(cockpit.elementValue("External Lights", 2), 1.0);
  cockpit.setSwitch(&g_taxiLightSwitch, 77).click("External Lights", 120, 40);
  EXPECT_EQ(GetSwitch(&g_taxiLightSwitch), kSwitchOff);
  EXPECT_EQ(cockpit.played(kClickGuarded2).size(), 1u) << "the stray position springs back silently";
}

// A click that sends the landing-light units where they are already going
// leaves their 126-tick transit as it is: they arrive, and the lights come
// on, on the same tick as without it.
TEST(ForwardPanel, ALandingLightClickDuringATransitDoesNotRestartIt) {
  Cockpit cockpit;
  struct Transit {
    bool up;
    int32_t unitsFrom, arrived;
  };
  for (const Transit& transit : {Transit{true, kLandingLightsExtended, kLandingLightsRetracted},
                                 Transit{false, kLandingLightsRetracted, kLandingLightsExtended}}) {
    const int32_t y = transit.up ? 30 : 60;
    std::vector<double> took;
    for (const bool clickAgain : {false, true}) {
      cockpit.setSwitch(&g_landingLightSwitch, kLandingLightsExtendOff).setSwitch(&g_landingLightExtension, transit.unitsFrom);
      cockpit.set(Token::LandingLights, 0).click("External Lights", 40, y);
      const double start = cockpit.tick18();
      cockpit.runTicks(100);
      if (clickAgain) cockpit.click("External Lights", 40, y);
      cockpit.runUntil([&] { return GetSwitch(&g_landingLightExtension) == transit.arrived; }, 20);
      took.push_back(cockpit.tick18() - start);
      if (!transit.up) {
        EXPECT_EQ(cockpit.token(Token::LandingLights), 1.0) << "on as the units arrive";
      }
    }
    EXPECT_EQ(took[1], took[0]) << (transit.up ? "up" : "down");
    EXPECT_LT(took[0], 130.0);
  }
}

TEST(ForwardPanel, EfisControlStepsThroughTheCentre) {
  Cockpit cockpit;
  cockpit.addSounds({kClickRotary2});
  struct Case {
    int32_t from;
    bool increase;
    int32_t to;
    double frame;
    size_t clicks;
  };
  size_t clicks = 0;
  for (const Case& c : {Case{53, true, 43, 1, 1}, Case{43, true, 54, 2, 1}, Case{54, true, 54, 2, 0},
                        Case{54, false, 43, 1, 1}, Case{43, false, 53, 0, 1}, Case{53, false, 53, 0, 0},
                        Case{60, false, 53, 0, 0}, Case{60, true, 54, 2, 0}}) {
    cockpit.setSwitch(&g_efisSourceSwitch, c.from).click("EFIS Control", c.increase ? 50 : 10, 40).draw();
    EXPECT_EQ(GetSwitch(&g_efisSourceSwitch), c.to) << c.from << (c.increase ? " inc" : " dec");
    EXPECT_EQ(cockpit.elementValue("EFIS Control", 2), c.frame) << c.from;
    clicks += c.clicks;
    EXPECT_EQ(cockpit.played(kClickRotary2).size(), clicks) << c.from;
  }
}

TEST(ForwardPanel, TogaTheTestButtonTheDecisionHeightAndTheLamps) {
  Cockpit cockpit;
  cockpit.addSounds({kClickButton1, kClickKnob});
  cockpit.set(Token::FlightDirector, 0).click("TOGA Button", 20, 16);
  ASSERT_EQ(cockpit.keyEvents(66288).size(), 1u) << "the flight director on first";
  EXPECT_EQ(cockpit.keyEvents(66288)[0].value, 0u);
  EXPECT_EQ(IsTogaRequested(), 1u);
  cockpit.clearKeyEvents().set(Token::FlightDirector, 1).click("TOGA Button", 20, 16);
  EXPECT_TRUE(cockpit.keyEvents(66288).empty());

  cockpit.set(Token::OnGround, 1).mouse("EFIS Dimmer", 10, 8, platform::kMouseLeftSingle);
  EXPECT_EQ(IsEfisTestActive(), 1u);
  cockpit.mouse("EFIS Dimmer", 10, 8, platform::kMouseLeftRelease);
  EXPECT_EQ(IsEfisTestActive(), 0u);
  EXPECT_EQ(cockpit.played(kClickButton1).size(), 2u);
  SetDecisionHeight(200);
  cockpit.runTicks(5).click("EFIS Dimmer", 40, 10);
  EXPECT_EQ(GetDecisionHeight(), 201.0);
  cockpit.runTicks(5).click("EFIS Dimmer", 28, 10);
  EXPECT_EQ(GetDecisionHeight(), 200.0);

  // No power: the FD, CADC and wheels lamps dark, also in the lamp test.
  cockpit.setSwitch(&g_fdCommandSwitch, 53).setSwitch(&g_cadcSwitch, 43).setSwitch(&g_wheelsLamp, kWheelsLampLit);
  cockpit.setSwitch(&g_lampTestSwitch, kSwitchOn).draw();
  for (const char* gauge : {"FDCADC", "Wheels"}) EXPECT_EQ(cockpit.elementValue(gauge, 1), 0.0) << gauge;
  cockpit.setSwitch(&g_lampTestSwitch, kSwitchOff).powerUp().setSwitch(&g_wheelsLamp, kWheelsLampLit).draw();
  EXPECT_EQ(cockpit.elementValue("FDCADC", 1), 1.0) << "FD on its alternate source";
  EXPECT_EQ(cockpit.elementValue("FDCADC", 2), 0.0) << "CADC normal";
  EXPECT_EQ(cockpit.elementValue("Wheels", 1), 1.0);
  cockpit.setSwitch(&g_wheelsLamp, kWheelsLampWaiting).draw();
  EXPECT_EQ(cockpit.elementValue("Wheels", 1), 0.0);
  cockpit.setSwitch(&g_lampTestSwitch, kSwitchOn).draw();
  EXPECT_EQ(cockpit.elementValue("FDCADC", 2), 1.0);
  EXPECT_EQ(cockpit.elementValue("Wheels", 1), 1.0);
}

// ---- Standby instruments, RDI, DME ----

// The standby instruments, the RDI and the DME: each picture, window and
// drum sits on its place and each needle turns about its pivot, with the
// frames of the strips.
TEST(StandbyInstruments, EachPictureSitsOnItsPlace) {
  Cockpit cockpit;
  cockpit.draw();
  ExpectElementPlaces(cockpit, {{"Standby Attitude", 0, 0, 0},
                                {"Standby Attitude", 1, 0, 0},
                                {"Standby Attitude", 2, 127, 128},
                                {"Standby Attitude", 3, 0, 0},
                                {"Standby Attitude", 4, 194, 67, 2},
                                {"Standby Combi", 0, 0, 0},
                                {"Standby Combi", 1, 85, 277},
                                {"Standby Combi", 2, 355, 210, 10},
                                {"Standby Combi", 3, 335, 210, 10},
                                {"Standby Combi", 4, 315, 210, 10},
                                {"Standby Combi", 5, 295, 210, 10},
                                {"Standby Combi", 6, 92, 210, 10},
                                {"Standby Combi", 7, 72, 210, 10},
                                {"Standby Combi", 8, 52, 210, 10},
                                {"Standby Combi", 9, 32, 210, 10},
                                {"Standby Combi", 10, 125, 82},
                                {"Standby Combi", 11, 152, 72},
                                {"Standby Combi", 12, 202, 131},
                                {"Standby Combi", 13, 0, 335},
                                {"RDI", 2, 50, 50},
                                {"RDI", 3, 178, 178},
                                {"RDI", 4, 178, 178},
                                {"RDI", 5, 66, 243, 2},
                                {"RDI", 6, 245, 258, 2},
                                {"RDI", 7, 30, 258, 2},
                                {"RDI", 8, 0, 249},
                                {"DME", 1, 30, 0, 12},
                                {"DME", 2, 28, 10, 2},
                                {"DME", 3, 20, 0, 12},
                                {"DME", 4, 10, 0, 12},
                                {"DME", 5, 0, 0, 12},
                                {"DME", 6, 75, 0, 12},
                                {"DME", 7, 73, 10, 2},
                                {"DME", 8, 65, 0, 12},
                                {"DME", 9, 55, 0, 12},
                                {"DME", 10, 45, 0, 12}});
  EXPECT_EQ(cockpit.element("Standby Attitude", 1).imageWidth, 254) << "the sphere turns about its picture's centre";
  EXPECT_EQ(cockpit.element("Standby Attitude", 1).imageHeight, 256);
  EXPECT_EQ(cockpit.element("Standby Combi", 1).maxValue, 1366.0) << "the tape's far end";
  EXPECT_EQ(cockpit.element("Standby Combi", 10).maxValue, 99999.0);
  EXPECT_EQ(cockpit.element("Standby Combi", 11).maxValue, 9999.0);
}

TEST(StandbyInstruments, TapeAndDrumValues) {
  EXPECT_EQ(StandbyAirspeedTape(-5), 0.0) << "held at the tape's start";
  EXPECT_EQ(StandbyAirspeedTape(40), 20.0);
  EXPECT_EQ(StandbyAirspeedTape(59.9), 29.95);
  EXPECT_DOUBLE_EQ(StandbyAirspeedTape(60), 30.0);
  EXPECT_DOUBLE_EQ(StandbyAirspeedTape(100), 228.104);
  EXPECT_DOUBLE_EQ(StandbyAirspeedTape(249.99), 30.0 + 189.99 * 4.9526);
  EXPECT_DOUBLE_EQ(StandbyAirspeedTape(250), 971.0);
  EXPECT_DOUBLE_EQ(StandbyAirspeedTape(300), 1069.75);
  EXPECT_DOUBLE_EQ(StandbyAirspeedTape(449.9), 971.0 + 199.9 * 1.975);
  EXPECT_EQ(StandbyAirspeedTape(450), 1366.0);
  EXPECT_EQ(StandbyAirspeedTape(500), 1366.0);

  EXPECT_EQ(StandbyTenThousandsDrum(12950), 99999.0 - 10000);
  EXPECT_EQ(StandbyThousandsDrum(12950), 9999.0 - 2500) << "half way from 2 to 3";
  EXPECT_EQ(StandbyThousandsDrum(12999), 9999.0 - 2900);
  EXPECT_EQ(StandbyThousandsDrum(12900), 9999.0 - 2000) << "900 is not above the threshold";
  EXPECT_EQ(StandbyThousandsDrum(12910), 9999.0 - 2100);
  EXPECT_EQ(StandbyThousandsDrum(12899), 9999.0 - 2000) << "below the last 100 feet: no roll";
  EXPECT_EQ(StandbyTenThousandsDrum(19900), 99999.0 - 10000);
  EXPECT_EQ(StandbyTenThousandsDrum(19950), 99999.0 - 15000);
  EXPECT_EQ(StandbyTenThousandsDrum(123456), 99999.0 - 20000) << "the ten-thousands of 123456";
  EXPECT_EQ(StandbyTenThousandsDrum(-50), 99999.0);
  EXPECT_EQ(StandbyThousandsDrum(-50), 9999.0);
  EXPECT_EQ(StandbyThousandsDrum(std::numeric_limits<double>::quiet_NaN()), 9999.0);
}

TEST(StandbyInstruments, CombiWindowsPointerAndAttitude) {
  Cockpit cockpit;
  cockpit.set(Token::AltimeterMb, 1013.25).set(Token::AltimeterInHg, 29.92).set(Token::AltitudeFt, 250);
  cockpit.set(Token::IndicatedAirspeedKt, 100).draw();
  std::vector<double> inHg;
  for (uint32_t n : {5u, 4u, 3u, 2u}) inHg.push_back(cockpit.elementValue("Standby Combi", n));
  EXPECT_EQ(inHg, (std::vector<double>{2, 9, 9, 2}));
  std::vector<double> mb;
  for (uint32_t n : {9u, 8u, 7u, 6u}) mb.push_back(cockpit.elementValue("Standby Combi", n));
  EXPECT_EQ(mb, (std::vector<double>{1, 0, 1, 3}));
  EXPECT_DOUBLE_EQ(cockpit.elementValue("Standby Combi", 12), 0.36 * 250 + 270);
  EXPECT_DOUBLE_EQ(cockpit.elementValue("Standby Combi", 1), 228.104);
  EXPECT_EQ(cockpit.elementValue("Standby Combi", 11), 9999.0);
  cockpit.clearKeyEvents().click("Standby Combi", 10, 350).click("Standby Combi", 40, 350);
  ASSERT_EQ(cockpit.keyEvents().size(), 2u);
  EXPECT_EQ(cockpit.keyEvents()[0].event, 65884u);
  EXPECT_EQ(cockpit.keyEvents()[1].event, 65883u);
  EXPECT_EQ(cockpit.keyEvents()[0].value, 0u);
  EXPECT_EQ(cockpit.keyEvents()[1].value, 0u);

  // The sphere as the simulator moves its picture: turned against the bank,
  // shifted 2.5 pixels a degree of pitch.
  const auto sphere = [&cockpit] {
    const platform::ELEMENT_HEADER& e = cockpit.element("Standby Attitude", 1);
    return std::pair{e.value * e.turnScale, e.yValue * e.shiftScale};
  };
  cockpit.set(Token::PitchDeg, -5.0).set(Token::BankDeg, 20.0).set(Token::GroundSpeedMps, 10.0).draw();
  EXPECT_EQ(cockpit.elementValue("Standby Attitude", 2), 0.0) << "10 m/s and below: level";
  EXPECT_EQ(sphere(), std::pair(0.0, 0.0));
  EXPECT_EQ(cockpit.elementValue("Standby Attitude", 4), 1.0) << "the power flag";
  cockpit.set(Token::GroundSpeedMps, 10.5).powerUp().draw();
  EXPECT_EQ(cockpit.elementValue("Standby Attitude", 2), 20.0);
  EXPECT_EQ(sphere(), std::pair(-20.0, -12.5));
  EXPECT_EQ(cockpit.elementValue("Standby Attitude", 4), 0.0);
}

struct RdiCockpit {
  RdiCockpit() {
    cockpit.addSounds({kClickRotary1, kClickRotary2});
    cockpit.powerUp().irsInNav();
    cockpit.set(Token::MagneticHeadingDeg, 90.0)
        .setScaled(Token::Vor1Radial, 270.0)
        .set(Token::Nav1Flags, 0x80)
        .setScaled(Token::Vor2Radial, 90.0)
        .set(Token::Nav2Flags, 0x80);
    cockpit.set(Token::AdfBearingDeg, 0.0).runTicks(1);
  }
  double single() { return cockpit.draw().elementValue("RDI", 4); }
  double dbl() { return cockpit.draw().elementValue("RDI", 3); }
  Cockpit cockpit;
};

TEST(Rdi, PointerCases) {
  RdiCockpit f;
  ASSERT_EQ(IsIrsHeadingValid(), 1u);
  f.cockpit.setSwitch(&g_rdiSwitchLeft, 1).setSwitch(&g_rdiSwitchRight, 2);
  EXPECT_NEAR(f.single(), 270.0, 1e-6) << "VOR 1 radial 270 at heading 90: -90 + 360, the top";
  EXPECT_EQ(f.dbl(), 270.0) << "ADF bearing 0: the top";
  f.cockpit.set(Token::AdfBearingDeg, 45.0);
  EXPECT_EQ(f.dbl(), 315.0);
  f.cockpit.setSwitch(&g_rdiSwitchRight, 1);
  EXPECT_NEAR(f.dbl(), 90.0 - 360.0 + 360.0, 1e-6) << "VOR 2 radial 90 at heading 90";
  f.cockpit.set(Token::Nav1Flags, 0x7F);
  EXPECT_EQ(f.single(), 0.0) << "no VOR 1 signal: at rest";
  EXPECT_NEAR(f.dbl(), 90.0, 1e-6) << "VOR 2 still works";
  f.cockpit.set(Token::Nav1Flags, 0x180).set(Token::MagneticHeadingDeg, 0.0);
  EXPECT_NEAR(f.single(), 0.0, 1e-6) << "270 - 270 is not below 0";
  EXPECT_NEAR(f.dbl(), 180.0, 1e-6);
  f.cockpit.setSwitch(&g_rdiSwitchLeft, 7);
  EXPECT_EQ(f.cockpit.draw().elementValue("RDI", 7), 1.0) << "the knob off VOR";
  EXPECT_EQ(f.single(), 0.0) << "a stray selector";
  EXPECT_EQ(f.cockpit.elementValue("RDI", 2), 0.0) << "the card at heading 0";
  EXPECT_EQ(f.cockpit.elementValue("RDI", 5), 1.0) << "the OFF flag out of view";
  f.cockpit.set(Token::MagneticHeadingDeg, 123.0).setSwitch(&g_irs1State, kIrsOff).setSwitch(&g_irs2State, kIrsOff);
  ASSERT_EQ(IsIrsHeadingValid(), 0u);
  f.cockpit.setSwitch(&g_rdiSwitchLeft, 2).setSwitch(&g_rdiSwitchRight, 2);
  EXPECT_EQ(f.single(), 0.0);
  EXPECT_EQ(f.dbl(), 0.0);
  EXPECT_EQ(f.cockpit.elementValue("RDI", 2), 0.0) << "the card rests";
  EXPECT_EQ(f.cockpit.elementValue("RDI", 5), 0.0) << "the OFF flag in view";
}

TEST(Rdi, SelectorsSwapWithTheirClicks) {
  RdiCockpit f;
  f.cockpit.setSwitch(&g_rdiSwitchLeft, 1).setSwitch(&g_rdiSwitchRight, 1);
  f.cockpit.click("RDI", 50, 300).click("RDI", 300, 300);
  EXPECT_EQ(GetSwitch(&g_rdiSwitchLeft), 2);
  EXPECT_EQ(GetSwitch(&g_rdiSwitchRight), 2);
  EXPECT_EQ(f.cockpit.draw().elementValue("RDI", 6), 1.0);
  f.cockpit.click("RDI", 50, 300);
  EXPECT_EQ(GetSwitch(&g_rdiSwitchLeft), 1);
  EXPECT_EQ(f.cockpit.played(kClickRotary2).size(), 2u) << "left";
  EXPECT_EQ(f.cockpit.played(kClickRotary1).size(), 1u) << "right";
  f.cockpit.setSwitch(&g_rdiSwitchRight, 9).click("RDI", 300, 300);
  EXPECT_EQ(GetSwitch(&g_rdiSwitchRight), 1);
  EXPECT_EQ(f.cockpit.played(kClickRotary1).size(), 1u) << "silently back to VOR";
}

TEST(Dme, DigitsAndDashes) {
  Cockpit cockpit;
  auto digits = [&] {
    cockpit.draw();
    std::vector<double> out;
    for (uint32_t n : {5u, 4u, 3u, 1u, 10u, 9u, 8u, 6u}) out.push_back(cockpit.elementValue("DME", n));
    return out;
  };
  cockpit.set(Token::Dme1Nm, 12.37).set(Token::Dme2Nm, -1.0);
  cockpit.setSwitch(&g_sideDigitalLight, kSwitchOn);
  EXPECT_EQ(digits(), std::vector<double>(8, 10.0)) << "no power: blank";
  cockpit.powerUp();
  EXPECT_EQ(digits(), (std::vector<double>{0, 1, 2, 3, 11, 11, 11, 11})) << "12.37 and -1";
  EXPECT_EQ(cockpit.elementValue("DME", 2), 1.0);
  EXPECT_EQ(cockpit.elementValue("DME", 7), 1.0) << "the point lit with the dashes";
  cockpit.set(Token::Dme1Nm, 2.3).set(Token::Dme2Nm, 987.65);
  EXPECT_EQ(digits(), (std::vector<double>{0, 0, 2, 3, 9, 8, 7, 6})) << "2.3 x 10 read as 23";
  cockpit.set(Token::Dme1Nm, -0.5).set(Token::Dme2Nm, -1.5);
  EXPECT_EQ(digits(), std::vector<double>(8, 0.0)) << "other negatives read 0";
  cockpit.setSwitch(&g_lampTestSwitch, kSwitchOn);
  EXPECT_EQ(digits(), std::vector<double>(8, 8.0));
  cockpit.setSwitch(&g_sideDigitalLight, kSwitchOff);
  EXPECT_EQ(digits(), std::vector<double>(8, 10.0)) << "unlit: blank also in the lamp test";
  EXPECT_EQ(cockpit.elementValue("DME", 2), 0.0);
}

TEST(ForwardGauges, ElementValuesStayFiniteAndInRangeForExtremeTokens) {
  Cockpit cockpit;
  cockpit.powerUp().irsInNav().setSwitch(&g_sideDigitalLight, kSwitchOn);
  cockpit.setSwitch(&g_rdiSwitchLeft, 1).setSwitch(&g_rdiSwitchRight, 2);
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  for (double value : {kNaN, -1.0e12, -1.0, 0.0, 1.0e12, std::numeric_limits<double>::infinity()}) {
    for (Token token :
         {Token::Vor1Radial, Token::Vor2Radial, Token::Dme1Nm, Token::Dme2Nm, Token::AdfBearingDeg,
          Token::Nav1Flags, Token::Nav2Flags, Token::IndicatedAirspeedKt, Token::AltitudeFt, Token::AltimeterMb,
          Token::AltimeterInHg, Token::PitchDeg, Token::BankDeg, Token::MagneticHeadingDeg, Token::GroundSpeedMps}) {
      cockpit.set(token, value);
    }
    cockpit.draw();
    for (const char* gauge : {"Standby Attitude", "Standby Combi", "RDI", "DME", "EFIS Dimmer", "EFIS Control",
                              "External Lights", "EFIS MCP", "EFIS MCP2", "MagTrue", "FMS", "FDCADC", "Wheels"}) {
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

TEST(ForwardGauges, ClickAreasShowWithTheOption) {
  Cockpit cockpit;
  const std::pair<const char*, uint32_t> overlays[] = {
      {"EFIS MCP", 9}, {"EFIS MCP2", 9},      {"TCAS", 1},         {"MagTrue", 3},       {"Standby Combi", 13},
      {"RDI", 8},      {"External Lights", 4}, {"TOGA Button", 1}, {"EFIS Dimmer", 5}, {"EFIS Control", 3}};
  for (bool on : {true, false}) {
    cockpit.setOption(kOptionClickAreas, on).draw();
    for (const auto& [gauge, n] : overlays) EXPECT_EQ(cockpit.elementVisible(gauge, n), on) << gauge;
  }
}

TEST(ForwardGauges, RelightWithTheirPanelLights) {
  Cockpit cockpit;
  cockpit.powerUp().draw();
  cockpit.runTicks(3).draw();
  for (const char* gauge : {"Standby Attitude", "Standby Combi", "RDI"}) {
    EXPECT_FALSE(cockpit.elementLit(gauge, 2)) << gauge << ": the first frame relit it unlit";
    EXPECT_TRUE(cockpit.elementVisible(gauge, 2)) << gauge;
  }
  cockpit.setSwitch(&g_cplPanelLight, kSwitchOn).draw();
  EXPECT_FALSE(cockpit.elementVisible("Standby Combi", 12)) << "hidden while it relights";
  EXPECT_TRUE(cockpit.elementVisible("RDI", 2)) << "the RDI follows the side panel light";
  cockpit.runTicks(3).draw();
  EXPECT_TRUE(cockpit.elementLit("Standby Combi", 12));
  EXPECT_TRUE(cockpit.elementLit("Standby Attitude", 4));
  EXPECT_TRUE(cockpit.elementVisible("Standby Combi", 12));
  EXPECT_FALSE(cockpit.elementVisible("EFIS Dimmer", 1)) << "no lit legends without the side panel light";
  cockpit.setSwitch(&g_sidePanelLight, kSwitchOn).draw();
  EXPECT_FALSE(cockpit.elementVisible("RDI", 5));
  EXPECT_TRUE(cockpit.elementVisible("RDI", 6)) << "the knobs are not relit";
  cockpit.runTicks(3).draw();
  EXPECT_TRUE(cockpit.elementLit("RDI", 5));
  EXPECT_TRUE(cockpit.elementVisible("External Lights", 1) == (IsFgcpLightOn() != 0));
  EXPECT_TRUE(cockpit.elementVisible("EFIS Dimmer", 1)) << "lit legends with the side panel light";
  EXPECT_TRUE(cockpit.elementVisible("EFIS MCP", 1));
}

}  // namespace
}  // namespace halcyon::test
