// The pedestal's radio heads clicked as the pilot clicks them, with the
// simulator's radios answering: the ADF wheels tune through the BCD event,
// the COMM windows follow the simulator's two frequencies through the
// transfer switch, the transponder code steps in the simulator, and the TCAS
// range knob sets the radius of the traffic request.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "gauges/gauge_kit.h"
#include "host/keyboard_combos.h"
#include "platform/simconnect.h"
#include "systems/annunciator_lamps.h"
#include "systems/lights.h"
#include "systems/radios.h"
#include "tests/cockpit.h"
#include "tests/element_places.h"

namespace halcyon::test {
namespace {

namespace sc = platform::simconnect;

constexpr uint32_t kRelease = platform::kMouseLeftRelease;

Cockpit& WithClicks(Cockpit& cockpit) {
  return cockpit.addSounds({kClickToggle1, kClickToggle2, kClickGuarded1, kClickGuarded2, kClickButton1,
                            kClickButton2, kClickKnob, kClickRotary1, kClickRotary2});
}

int LastSound(const Cockpit& cockpit) { return cockpit.played().empty() ? -1 : cockpit.played().back().slot; }

std::string Digits(const Cockpit& cockpit, const char* gauge, std::initializer_list<uint32_t> elements) {
  std::string text;
  for (uint32_t element : elements) text += std::to_string(static_cast<int>(cockpit.elementValue(gauge, element)));
  return text;
}

// ---- ADF ----
std::string AdfLeft(const Cockpit& c) { return Digits(c, "ADF", {14, 13, 12}) + "." + Digits(c, "ADF", {11}); }
std::string AdfRight(const Cockpit& c) { return Digits(c, "ADF", {10, 9, 8}) + "." + Digits(c, "ADF", {7}); }

// The tuning the last ADF send gave the simulator: the BCD frequency, then
// the count of extension steps after the reset.
struct AdfTuning {
  uint32_t bcd;
  size_t extSteps;
};
AdfTuning LastAdfTuning(const Cockpit& cockpit) {
  const auto events = cockpit.keyEvents();
  AdfTuning tuning{0, 0};
  for (const auto& event : events) {
    if (event.event == kKeyEventAdfSet) tuning = {event.value, 0};
    if (event.event == kKeyEventAdfExtStep) ++tuning.extSteps;
  }
  return tuning;
}

TEST(AdfHead, WheelsWrapAndTuneTheWindowTheTransferSwitchChooses) {
  Cockpit cockpit;
  WithClicks(cockpit).runTicks(1).draw();
  EXPECT_EQ(AdfLeft(cockpit), "336.0");
  EXPECT_EQ(cockpit.elementValue("ADF", 15), 1.0) << "the bar over the right window, not tuned";
  EXPECT_EQ(cockpit.elementValue("ADF", 16), 0.0);

  cockpit.clearKeyEvents().click("ADF", 41, 20).draw();  // ADF 1 hundreds up
  EXPECT_EQ(AdfLeft(cockpit), "436.0");
  EXPECT_EQ(LastAdfTuning(cockpit).bcd, 0x436u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAdfExtReset).size(), 1u);
  EXPECT_EQ(LastSound(cockpit), kClickKnob);
  for (int i = 0; i < 6; ++i) cockpit.click("ADF", 41, 20);
  cockpit.draw();
  EXPECT_EQ(AdfLeft(cockpit), "036.0") << "9 wraps to 0";
  cockpit.click("ADF", 41, 40).draw();
  EXPECT_EQ(AdfLeft(cockpit), "936.0") << "0 wraps to 9";
  for (int i = 0; i < 3; ++i) cockpit.click("ADF", 92, 20);  // ext up
  cockpit.draw();
  EXPECT_EQ(AdfLeft(cockpit), "936.3");
  EXPECT_EQ(LastAdfTuning(cockpit).bcd, 0x936u);
  EXPECT_EQ(LastAdfTuning(cockpit).extSteps, 3u);

  // A wheel of the window not tuned: its digit changes, ADF 1 is sent again.
  cockpit.clearKeyEvents().click("ADF", 186, 40).draw();  // ADF 2 tens down
  EXPECT_EQ(AdfRight(cockpit), "326.0");
  EXPECT_EQ(AdfLeft(cockpit), "936.3");
  EXPECT_EQ(LastAdfTuning(cockpit).bcd, 0x936u);

  // The transfer switch tunes ADF 2; the bars change over.
  cockpit.clearKeyEvents().click("ADF", 130, 12).draw();
  EXPECT_EQ(GetSwitch(&g_adfTransferSwitch), kAdfTransferAdf2);
  EXPECT_EQ(LastSound(cockpit), kClickGuarded1);
  EXPECT_EQ(LastAdfTuning(cockpit).bcd, 0x326u);
  EXPECT_EQ(LastAdfTuning(cockpit).extSteps, 0u);
  EXPECT_EQ(cockpit.elementValue("ADF", 4), 1.0);
  EXPECT_EQ(cockpit.elementValue("ADF", 15), 0.0);
  EXPECT_EQ(cockpit.elementValue("ADF", 16), 1.0);
  // And back: ADF 1 tuned again, with the click.
  cockpit.clearKeyEvents().click("ADF", 130, 12).draw();
  EXPECT_EQ(GetSwitch(&g_adfTransferSwitch), kAdfTransferAdf1);
  EXPECT_EQ(cockpit.played(kClickGuarded1).size(), 2u);
  EXPECT_EQ(LastAdfTuning(cockpit).bcd, 0x936u);
  EXPECT_EQ(LastAdfTuning(cockpit).extSteps, 3u);
  EXPECT_EQ(cockpit.elementValue("ADF", 15), 1.0);
  EXPECT_EQ(cockpit.elementValue("ADF", 16), 0.0);

  // From a stray position: both bars dark; a click sets ADF 1 silently and tunes it.
  cockpit.setSwitch(&g_adfTransferSwitch, 7).draw();
  EXPECT_EQ(cockpit.elementValue("ADF", 15) + cockpit.elementValue("ADF", 16), 0.0);
  const size_t sounds = cockpit.played().size();
  cockpit.clearKeyEvents().click("ADF", 130, 12);
  EXPECT_EQ(GetSwitch(&g_adfTransferSwitch), kAdfTransferAdf1);
  EXPECT_EQ(cockpit.played().size(), sounds);
  EXPECT_EQ(LastAdfTuning(cockpit).bcd, 0x936u);
}

TEST(AdfHead, A1AndAntSwitchesToggleWithTheirClicksAndPictures) {
  Cockpit cockpit;
  WithClicks(cockpit).runTicks(1).draw();
  EXPECT_EQ(cockpit.elementValue("ADF", 3), 1.0) << "A1 at NORM (43)";
  EXPECT_EQ(cockpit.elementValue("ADF", 2), 0.0) << "ANT at ADF (76)";
  cockpit.click("ADF", 115, 80).click("ADF", 149, 80).draw();
  EXPECT_EQ(GetSwitch(&g_adfA1Switch), 78);
  EXPECT_EQ(GetSwitch(&g_adfAntennaSwitch), 77);
  EXPECT_EQ(cockpit.elementValue("ADF", 3), 0.0);
  EXPECT_EQ(cockpit.elementValue("ADF", 2), 1.0);
  ASSERT_GE(cockpit.played().size(), 2u);
  EXPECT_EQ(cockpit.played()[cockpit.played().size() - 2].slot, kClickToggle1);
  EXPECT_EQ(LastSound(cockpit), kClickToggle2);
  cockpit.setSwitch(&g_adfA1Switch, 7).setSwitch(&g_adfAntennaSwitch, 7);
  const size_t sounds = cockpit.played().size();
  cockpit.click("ADF", 115, 80).click("ADF", 149, 80);
  EXPECT_EQ(GetSwitch(&g_adfA1Switch), 78) << "A1 from a stray position";
  EXPECT_EQ(GetSwitch(&g_adfAntennaSwitch), 76);
  EXPECT_EQ(cockpit.played().size(), sounds);
}

TEST(AdfHead, TheCplPanelLightRelightsTheWindows) {
  Cockpit cockpit;
  cockpit.powerUp().draw().runTicks(3).draw();
  EXPECT_FALSE(cockpit.elementVisible("ADF", 1));
  EXPECT_FALSE(cockpit.elementLit("ADF", 9));
  cockpit.control("CPL", "panel_light", kSwitchOn).draw();
  EXPECT_TRUE(cockpit.elementVisible("ADF", 1));
  for (uint32_t element = 5; element < 17; ++element) EXPECT_FALSE(cockpit.elementVisible("ADF", element)) << element;
  EXPECT_TRUE(cockpit.elementVisible("ADF", 4));
  cockpit.runTicks(3).draw();
  for (uint32_t element = 5; element < 17; ++element) {
    EXPECT_TRUE(cockpit.elementVisible("ADF", element)) << element;
    EXPECT_TRUE(cockpit.elementLit("ADF", element)) << element;
  }
}

// Each half of each wheel steps its own wheel one digit, and no other.
TEST(AdfHead, EachWheelHalfStepsItsOwnWheel) {
  Cockpit cockpit;
  cockpit.runTicks(1);
  constexpr int32_t kWheelX[kAdfWheelCount] = {34, 49, 64, 85, 164, 179, 194, 215};
  for (uint32_t wheel = 0; wheel < kAdfWheelCount; ++wheel) {
    for (const int32_t y : {20, 40}) {
      std::vector<uint32_t> before;
      for (uint32_t k = 0; k < kAdfWheelCount; ++k) before.push_back(GetAdfDigit(k));
      cockpit.click("ADF", kWheelX[wheel] + 7, y);
      for (uint32_t k = 0; k < kAdfWheelCount; ++k) {
        const uint32_t expected = k != wheel ? before[k] : (before[k] + (y == 20 ? 1 : 9)) % 10;
        EXPECT_EQ(GetAdfDigit(k), expected) << "wheel " << wheel << (y == 20 ? " up" : " down") << ", digit " << k;
      }
    }
  }
}

// ---- COMM ----
std::string CommWindow(const Cockpit& c, const char* gauge, bool left) {
  const std::string digits = left ? Digits(c, gauge, {15, 14, 13, 12, 11}) : Digits(c, gauge, {10, 9, 8, 7, 6});
  return digits.substr(0, 3) + "." + digits.substr(3);
}

TEST(CommHeads, KnobsStepTheFrequencyTheirWindowShowsAndTheTransferSwapsThem) {
  Cockpit cockpit;
  WithClicks(cockpit).runTicks(1);
  cockpit.set(Token::Comm1Active, 0x3697).set(Token::Comm1Standby, 0x2105);
  cockpit.set(Token::Comm2Active, 0x1850).set(Token::Comm2Standby, 0x3000).draw();
  EXPECT_EQ(CommWindow(cockpit, "COMM1", true), "136.97");
  EXPECT_EQ(CommWindow(cockpit, "COMM1", false), "121.05");
  EXPECT_EQ(CommWindow(cockpit, "COMM2", true), "118.50");
  EXPECT_EQ(CommWindow(cockpit, "COMM2", false), "130.00");
  EXPECT_EQ(cockpit.elementValue("COMM1", 16), 1.0) << "the bar over the window that shows B";
  EXPECT_EQ(cockpit.elementValue("COMM1", 17), 0.0);

  // The left window's megahertz knob steps A itself: 136 wraps to 118.
  cockpit.clearKeyEvents().click("COMM1", 62, 30).draw();
  ASSERT_EQ(cockpit.keyEvents(kKeyEventComm1Set).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventComm1Set)[0].value, 0x1897u);
  EXPECT_EQ(CommWindow(cockpit, "COMM1", true), "118.97");
  EXPECT_EQ(LastSound(cockpit), kClickKnob);
  cockpit.click("COMM1", 98, 30).draw();  // kilohertz up: .97 wraps to .00
  EXPECT_EQ(CommWindow(cockpit, "COMM1", true), "118.00");

  // The right window's knobs send the simulator's own events for B.
  cockpit.clearKeyEvents().click("COMM1", 190, 30).click("COMM1", 228, 30).draw();
  EXPECT_EQ(CommWindow(cockpit, "COMM1", false), "122.07") << "the 25-kHz raster: .05 then .07";
  cockpit.click("COMM1", 212, 30).draw();
  EXPECT_EQ(cockpit.keyEvents(65637).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(65639).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(65638).size(), 1u);
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventComm1Set).empty());
  EXPECT_EQ(CommWindow(cockpit, "COMM1", false), "122.05");
  cockpit.click("COMM1", 170, 30).draw();
  EXPECT_EQ(cockpit.keyEvents(65636).size(), 1u);
  EXPECT_EQ(CommWindow(cockpit, "COMM1", false), "121.05");

  // The transfer: Q, the sound, the exchange; each window keeps its numbers.
  cockpit.clearKeyEvents().click("COMM1", 130, 10).draw();
  EXPECT_EQ(GetSwitch(&g_comm1TransferSwitch), 80);
  EXPECT_EQ(LastSound(cockpit), kClickGuarded1);
  EXPECT_EQ(cockpit.keyEvents(66372).size(), 1u);
  EXPECT_EQ(CommWindow(cockpit, "COMM1", true), "118.00");
  EXPECT_EQ(CommWindow(cockpit, "COMM1", false), "121.05");
  EXPECT_EQ(cockpit.elementValue("COMM1", 16), 0.0);
  EXPECT_EQ(cockpit.elementValue("COMM1", 17), 1.0);
  EXPECT_EQ(cockpit.elementValue("COMM1", 3), 1.0);
  EXPECT_EQ(cockpit.token(Token::Comm1Active), static_cast<double>(0x2105));
  // At Q the right window's knob steps A, the left one's sends B's event.
  cockpit.clearKeyEvents().click("COMM1", 190, 30).click("COMM1", 62, 30).draw();
  ASSERT_EQ(cockpit.keyEvents(kKeyEventComm1Set).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventComm1Set)[0].value, 0x2205u);
  EXPECT_EQ(cockpit.keyEvents(65637).size(), 1u);
  EXPECT_EQ(CommWindow(cockpit, "COMM1", false), "122.05");
  EXPECT_EQ(CommWindow(cockpit, "COMM1", true), "119.00");

  // COMM2 is its own radio with its own events and click.
  cockpit.clearKeyEvents().click("COMM2", 40, 30).click("COMM2", 190, 30).click("COMM2", 130, 10).draw();
  ASSERT_EQ(cockpit.keyEvents(kKeyEventComm2Set).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventComm2Set)[0].value, 0x3650u) << "118 wraps down to 136";
  EXPECT_EQ(cockpit.keyEvents(66437).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(66444).size(), 1u);
  EXPECT_EQ(LastSound(cockpit), kClickGuarded2);
  EXPECT_EQ(GetSwitch(&g_comm2TransferSwitch), 82);
  EXPECT_EQ(CommWindow(cockpit, "COMM2", true), "136.50");
  EXPECT_EQ(CommWindow(cockpit, "COMM2", false), "131.00");
  EXPECT_EQ(CommWindow(cockpit, "COMM1", true), "119.00") << "COMM1 untouched";
}

// Each half of each knob of both heads steps the frequency its own window
// shows, at either transfer position (A by the head's own set event, B by
// the simulator's), and leaves the other window and the other head alone.
TEST(CommHeads, EachKnobHalfStepsItsOwnWindowOnly) {
  Cockpit cockpit;
  cockpit.runTicks(1);
  const struct {
    int32_t x;
    bool left;
    const char* after;
  } kKnobs[] = {{62, true, "126.25"},   {42, true, "124.25"},   {98, true, "125.27"},   {83, true, "125.22"},
                {193, false, "126.25"}, {173, false, "124.25"}, {229, false, "125.27"}, {214, false, "125.22"}};
  const struct {
    const char* gauge;
    const char* other;
    CSwitch* transfer;
    int32_t p;
  } kHeads[] = {{"COMM1", "COMM2", &g_comm1TransferSwitch, 79}, {"COMM2", "COMM1", &g_comm2TransferSwitch, 81}};
  for (const auto& head : kHeads) {
    for (const int32_t transfer : {head.p, head.p + 1}) {
      for (const auto& knob : kKnobs) {
        for (Token token : {Token::Comm1Active, Token::Comm1Standby, Token::Comm2Active, Token::Comm2Standby}) {
          cockpit.set(token, 0x2525);
        }
        cockpit.setSwitch(head.transfer, transfer).click(head.gauge, knob.x, 30).draw();
        const std::string where = std::string(head.gauge) + " at " + std::to_string(transfer) + ", x " +
                                  std::to_string(knob.x);
        EXPECT_EQ(CommWindow(cockpit, head.gauge, knob.left), knob.after) << where;
        EXPECT_EQ(CommWindow(cockpit, head.gauge, !knob.left), "125.25") << where;
        EXPECT_EQ(CommWindow(cockpit, head.other, true), "125.25") << where;
        EXPECT_EQ(CommWindow(cockpit, head.other, false), "125.25") << where;
      }
    }
  }
}

// The simulator's own standby knobs: the megahertz wrap 136 <-> 118 either
// way, the kilohertz step the 25-kHz raster from each last digit and wrap
// within their megahertz; each radio's events step its own standby only.
TEST(CommHeads, TheSimulatorsStandbyKnobsWrapAndStepTheRaster) {
  Cockpit cockpit;
  const auto after = [&](Token token, double from, uint32_t event) {
    cockpit.set(token, from);
    TriggerKeyEvent(event, 0);
    return static_cast<uint32_t>(cockpit.token(token));
  };
  EXPECT_EQ(after(Token::Comm1Standby, 0x3697, 65637), 0x1897u);
  EXPECT_EQ(after(Token::Comm1Standby, 0x1825, 65636), 0x3625u);
  EXPECT_EQ(after(Token::Comm1Standby, 0x2500, 65636), 0x2400u);
  const uint32_t up[][2] = {{0x2100, 0x2102}, {0x2102, 0x2105}, {0x2105, 0x2107}, {0x2107, 0x2110}, {0x2197, 0x2100}};
  for (const auto& [from, to] : up) {
    EXPECT_EQ(after(Token::Comm1Standby, from, 65639), to) << std::hex << from;
    EXPECT_EQ(after(Token::Comm1Standby, to, 65638), from) << std::hex << to;
  }
  cockpit.set(Token::Comm1Standby, 0x2000);
  EXPECT_EQ(after(Token::Comm2Standby, 0x3600, 66437), 0x1800u);
  EXPECT_EQ(after(Token::Comm2Standby, 0x1800, 66436), 0x3600u);
  EXPECT_EQ(after(Token::Comm2Standby, 0x2102, 66440), 0x2105u);
  EXPECT_EQ(after(Token::Comm2Standby, 0x2100, 66438), 0x2197u);
  EXPECT_EQ(cockpit.token(Token::Comm1Standby), static_cast<double>(0x2000)) << "COMM 1 left alone";
}

// The simulator's transponder digit events: each steps its own octal digit,
// 6 -> 7 -> 0 up and 0 -> 7 down; the events either side of each range are none.
TEST(TransponderHead, TheSimulatorsDigitEventsWrapEachOctalDigit) {
  Cockpit cockpit;
  const auto after = [&](uint32_t from, uint32_t event) {
    cockpit.set(Token::TransponderCode, from);
    TriggerKeyEvent(event, 0);
    return static_cast<uint32_t>(cockpit.token(Token::TransponderCode));
  };
  EXPECT_EQ(after(0x1267, 65654), 0x1260u);
  EXPECT_EQ(after(0x1267, 65653), 0x1277u);
  EXPECT_EQ(after(0x1267, 65652), 0x1367u);
  EXPECT_EQ(after(0x1267, 65651), 0x2267u);
  EXPECT_EQ(after(0x0260, 66458), 0x0267u);
  EXPECT_EQ(after(0x0260, 66457), 0x0250u);
  EXPECT_EQ(after(0x0260, 66456), 0x0160u);
  EXPECT_EQ(after(0x0260, 66455), 0x7260u);
  for (uint32_t none : {65650u, 65655u, 66454u, 66459u}) EXPECT_EQ(after(0x1267, none), 0x1267u) << none;
}

TEST(CommHeads, AStrayTransferShowsOneHundredAndStopsTheKnobs) {
  Cockpit cockpit;
  WithClicks(cockpit).runTicks(1);
  cockpit.set(Token::Comm2Active, 0x2450).setSwitch(&g_comm2TransferSwitch, 7).draw();
  EXPECT_EQ(CommWindow(cockpit, "COMM2", true), "100.00");
  EXPECT_EQ(CommWindow(cockpit, "COMM2", false), "100.00");
  EXPECT_EQ(cockpit.elementValue("COMM2", 16) + cockpit.elementValue("COMM2", 17), 0.0);
  const size_t sounds = cockpit.played().size();
  cockpit.clearKeyEvents().click("COMM2", 62, 30).click("COMM2", 228, 30);
  EXPECT_TRUE(cockpit.keyEvents().empty());
  EXPECT_EQ(cockpit.played().size(), sounds);
  cockpit.click("COMM2", 130, 10);
  EXPECT_EQ(GetSwitch(&g_comm2TransferSwitch), 81);
  EXPECT_EQ(cockpit.played().size(), sounds) << "back to P silently";
  EXPECT_EQ(cockpit.keyEvents(66444).size(), 1u) << "the exchange still";

  // The squelch from its stored 43: silently to 120, then 41 with the click.
  cockpit.click("COMM1", 134, 80);
  EXPECT_EQ(GetSwitch(&g_comm1Squelch), kSwitchOff);
  EXPECT_EQ(cockpit.played().size(), sounds);
  cockpit.click("COMM1", 134, 80).draw();
  EXPECT_EQ(GetSwitch(&g_comm1Squelch), kSwitchOn);
  EXPECT_EQ(LastSound(cockpit), kClickToggle1);
  EXPECT_EQ(cockpit.elementValue("COMM1", 2), 1.0);
  EXPECT_EQ(cockpit.elementValue("COMM2", 2), 0.0);
}

// ---- Transponder ----
std::string Code(const Cockpit& c) { return Digits(c, "Transponder", {13, 12, 11, 10}); }

TEST(TransponderHead, CodeDigitsStepInTheSimulatorAndShowWithTheDigitalLight) {
  Cockpit cockpit;
  WithClicks(cockpit).powerUp().set(Token::TransponderCode, 0x1200).draw();
  EXPECT_EQ(Code(cockpit), "10101010") << "dark without the CPL digital light";
  EXPECT_EQ(cockpit.elementValue("Transponder", 6), 3.0);
  cockpit.control("Annunciator Digital Lights Test", "test", kLampTestHeld).runTicks(1).draw();
  EXPECT_EQ(Code(cockpit), "10101010") << "also in the lamp test";
  EXPECT_EQ(cockpit.elementValue("Transponder", 7), 0.0);
  cockpit.control("CPL", "digital_light", kSwitchOn).draw();
  EXPECT_EQ(Code(cockpit), "8888");
  EXPECT_EQ(cockpit.elementValue("Transponder", 6), 2.0);
  EXPECT_EQ(cockpit.elementValue("Transponder", 7), 1.0);
  cockpit.control("Annunciator Digital Lights Test", "test", kSwitchOff).runTicks(1).draw();
  EXPECT_EQ(Code(cockpit), "1200");
  EXPECT_EQ(cockpit.elementValue("Transponder", 6), 0.0);

  cockpit.clearKeyEvents().click("Transponder", 108, 15).click("Transponder", 156, 35).click("Transponder", 156, 35);
  cockpit.draw();
  EXPECT_EQ(cockpit.keyEvents(65651).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(66458).size(), 2u);
  EXPECT_EQ(cockpit.keyEvents(66458)[0].value, 0u);
  EXPECT_EQ(Code(cockpit), "2206");
  EXPECT_EQ(LastSound(cockpit), kClickKnob);
  cockpit.click("Transponder", 124, 15).click("Transponder", 140, 35).draw();
  EXPECT_EQ(Code(cockpit), "2376") << "each digit wraps 0 <-> 7";

  // The transfer switch picks ATC 2 for the legend.
  cockpit.click("Transponder", 50, 80).draw();
  EXPECT_EQ(GetSwitch(&g_transponderTransfer), 84);
  EXPECT_EQ(cockpit.elementValue("Transponder", 6), 1.0);
  EXPECT_EQ(cockpit.elementValue("Transponder", 9), 1.0);
  EXPECT_EQ(LastSound(cockpit), kClickToggle1);
}

TEST(TransponderHead, ModeKnobSpringsBackFromTestAndTheRangeKnobStopsAtItsEnds) {
  Cockpit cockpit;
  WithClicks(cockpit).powerUp();
  cockpit.setSwitch(&g_transponderMode, kTransponderModeStandby).draw();
  EXPECT_EQ(cockpit.elementValue("Transponder", 2), 1.0);
  cockpit.click("Transponder", 35, 20).draw();
  EXPECT_EQ(GetSwitch(&g_transponderMode), kTransponderModeTest);
  EXPECT_EQ(GetSwitch(&g_tcasTestSwitch), kSwitchOn) << "the self-test starts";
  EXPECT_EQ(LastSound(cockpit), kClickRotary2);
  EXPECT_EQ(cockpit.elementValue("Transponder", 2), 0.0);
  cockpit.runTicks(11).draw();
  EXPECT_EQ(cockpit.elementValue("Transponder", 2), 1.0) << "sprung back to STBY";
  cockpit.setSwitch(&g_transponderMode, kTransponderModeTest);
  size_t sounds = cockpit.played().size();
  cockpit.click("Transponder", 35, 20);
  EXPECT_EQ(GetSwitch(&g_transponderMode), kTransponderModeStandby);
  EXPECT_EQ(cockpit.played().size(), sounds) << "from the test position, silently";
  for (int i = 0; i < 5; ++i) cockpit.click("Transponder", 60, 20);
  cockpit.draw();
  EXPECT_EQ(GetSwitch(&g_transponderMode), 90);
  EXPECT_EQ(cockpit.elementValue("Transponder", 2), 5.0);

  // The range knob, its frames, and the radius of the traffic request.
  cockpit.position(47.46, 8.55, 1400.0);
  cockpit.click("Transponder", 225, 20).draw();
  EXPECT_EQ(GetSwitch(&g_tcasRangeSwitch), 103);
  EXPECT_EQ(cockpit.elementValue("Transponder", 5), 3.0);
  EXPECT_EQ(LastSound(cockpit), kClickRotary1);
  sounds = cockpit.played().size();
  cockpit.click("Transponder", 225, 20);
  EXPECT_EQ(cockpit.played().size(), sounds) << "stops at 15 silently";
  cockpit.runSeconds(1.1);
  ASSERT_FALSE(sc::Log().objectRequests.empty());
  EXPECT_EQ(sc::Log().objectRequests.back().radiusMeters, 31484u) << "17 NM";
  for (int i = 0; i < 4; ++i) cockpit.click("Transponder", 195, 20);
  cockpit.draw();
  EXPECT_EQ(GetSwitch(&g_tcasRangeSwitch), 100);
  EXPECT_EQ(cockpit.elementValue("Transponder", 5), 0.0);
  EXPECT_EQ(cockpit.played().size(), sounds + 3);
  cockpit.runSeconds(1.1);
  EXPECT_EQ(sc::Log().objectRequests.back().radiusMeters, 9260u) << "5 NM";
  cockpit.click("Transponder", 225, 20).runSeconds(1.1);
  EXPECT_EQ(sc::Log().objectRequests.back().radiusMeters, 12964u) << "7 NM";

  // The test button in the knob's middle.
  cockpit.click("Transponder", 210, 20);
  EXPECT_EQ(GetSwitch(&g_tcasAbsAltitudeSwitch), kSwitchOn);
  EXPECT_EQ(LastSound(cockpit), kClickToggle1);
}

TEST(TransponderHead, IdentHeldAndAboveBelowStepping) {
  Cockpit cockpit;
  WithClicks(cockpit).powerUp().draw();
  cockpit.click("Transponder", 130, 70).draw();
  EXPECT_EQ(GetSwitch(&g_transponderIdent), kSwitchOn);
  EXPECT_EQ(cockpit.elementValue("Transponder", 4), 1.0);
  cockpit.mouse("Transponder", 130, 70, kRelease).draw();
  EXPECT_EQ(GetSwitch(&g_transponderIdent), kSwitchOff);
  EXPECT_EQ(cockpit.elementValue("Transponder", 4), 0.0);
  ASSERT_EQ(cockpit.played(kClickButton1).size(), 2u) << "on the press and on the release";

  cockpit.click("Transponder", 210, 65).draw();
  EXPECT_EQ(GetSwitch(&g_transponderAboveBelow), 111);
  EXPECT_EQ(cockpit.elementValue("Transponder", 8), 0.0);
  EXPECT_EQ(LastSound(cockpit), kClickToggle2);
  size_t sounds = cockpit.played().size();
  cockpit.click("Transponder", 210, 65);
  EXPECT_EQ(cockpit.played().size(), sounds) << "at ABOVE already";
  cockpit.click("Transponder", 210, 90).draw();
  EXPECT_EQ(GetSwitch(&g_transponderAboveBelow), 43);
  EXPECT_EQ(cockpit.elementValue("Transponder", 8), 1.0);
  cockpit.click("Transponder", 210, 90).draw();
  EXPECT_EQ(GetSwitch(&g_transponderAboveBelow), 112);
  EXPECT_EQ(cockpit.elementValue("Transponder", 8), 2.0);
  cockpit.click("Transponder", 210, 65);
  EXPECT_EQ(GetSwitch(&g_transponderAboveBelow), 43);
  EXPECT_EQ(cockpit.played().size(), sounds + 3);
}

// ---- Keyboard commands ----

// Each command of a head's section clicks one of that head's rectangles,
// one that takes a left click; every rectangle of the ADF, COMM and audio
// heads and the rating panel has its command.
// The switch, lamp and bar pictures and the decimal points sit on their
// places of each head (the two COMM heads differ in their overlay, transfer
// switch and left bar), each with the frames of its strip.
TEST(PedestalHeads, EachPictureSitsOnItsPlace) {
  Cockpit cockpit;
  cockpit.draw();
  ExpectElementPlaces(cockpit, {{"ADF", 1, 4, 20},
                                {"ADF", 2, 146, 73, 2},
                                {"ADF", 3, 111, 73, 2},
                                {"ADF", 4, 114, 8, 2},
                                {"ADF", 5, 207, 20},
                                {"ADF", 6, 77, 20},
                                {"ADF", 15, 163, 29, 2},
                                {"ADF", 16, 34, 29, 2},
                                {"ADF", 17, 33, 1},
                                {"COMM1", 1, 0, 0},
                                {"COMM1", 2, 130, 71, 2},
                                {"COMM1", 3, 113, 7, 2},
                                {"COMM1", 4, 202, 20},
                                {"COMM1", 5, 71, 20},
                                {"COMM1", 10, 163, 20},
                                {"COMM1", 15, 32, 20},
                                {"COMM1", 16, 163, 30, 2},
                                {"COMM1", 17, 32, 30, 2},
                                {"COMM2", 1, 0, 1},
                                {"COMM2", 3, 113, 8, 2},
                                {"COMM2", 17, 31, 30, 2},
                                {"Transponder", 1, 18, 2},
                                {"Transponder", 2, 33, 10, 6},
                                {"Transponder", 3, 175, 16, 2},
                                {"Transponder", 4, 128, 74, 2},
                                {"Transponder", 5, 193, 10, 4},
                                {"Transponder", 6, 105, 8, 4},
                                {"Transponder", 7, 151, 8, 2},
                                {"Transponder", 8, 211, 67, 3},
                                {"Transponder", 9, 44, 67, 2},
                                {"Transponder", 14, 25, 7}});
}

TEST(PedestalHeads, EveryKeyboardCommandClicksARectangleOfItsHead) {
  Cockpit cockpit;
  const struct {
    const wchar_t* section;
    const char* gauge;
    int commands;
  } kHeads[] = {{L"ADF", "ADF", 19},       {L"COMM1", "COMM1", 10},           {L"COMM2", "COMM2", 10},
                {L"TRANSPONDER", "Transponder", 8}, {L"AUDIO PANEL", "Audio Panel", 18},
                {L"THRUST RATING PANEL", "TRP", 9}};
  for (const auto& head : kHeads) {
    const platform::GAUGEHDR* gauge = cockpit.gauge(head.gauge);
    int commands = 0;
    for (uint32_t slot = 0; slot < kKeyboardSlotCount; ++slot) {
      const wchar_t* section = KeyboardCommandSection(slot);
      if (section == nullptr || std::wcscmp(section, head.section) != 0) continue;
      const platform::MOUSERECT* rect = nullptr;
      for (const platform::MOUSERECT* r = gauge->mouseRects; r->type != platform::kMouseRectEnd; ++r) {
        if (r->function == KeyboardCommandControl(slot)) rect = r;
      }
      ASSERT_NE(rect, nullptr) << head.gauge << " slot " << slot;
      EXPECT_NE(rect->mouseFlags & platform::kMouseLeftSingle, 0u) << rect->functionName;
      ++commands;
    }
    EXPECT_EQ(commands, head.commands) << head.gauge;
  }
}

}  // namespace
}  // namespace halcyon::test
