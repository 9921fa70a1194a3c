// The overhead annunciator panel's gauges as the simulator draws and clicks
// them: the alert display's 240 cells read back as text, the head's keys
// scrolling and recalling through their rectangles, the key, arrow and
// annunciator lamps, the lamp test, the power-source change and the popup.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <tuple>
#include <vector>

#include "gauges/eoap.h"
#include "gauges/gauge_kit.h"
#include "host/keyboard_combos.h"
#include "systems/alert_list.h"
#include "systems/annunciator_lamps.h"
#include "systems/electric.h"
#include "systems/warning_lights.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

using Lines = std::vector<std::string>;

constexpr uint32_t kHeadKeyLamp1 = 1;    // key lamps 1..8 are elements 1..8
constexpr uint32_t kUpperArrowLamp = 9;
constexpr uint32_t kLowerArrowLamp = 10;
constexpr uint32_t kHeadElements = 28;

// The centre of a key's rectangle on each head.
struct Point {
  int32_t x;
  int32_t y;
};
constexpr Point kEoapUp{370, 28};
constexpr Point kEoapDown{370, 82};
Point EoapKey(int key) {
  constexpr int32_t kX[] = {14, 55, 96, 137, 190, 231, 272, 313};
  return {kX[key - 1] + 14, 99};
}
Point ZoomKey(int key) {
  constexpr int32_t kX[] = {21, 82, 143, 204, 283, 344, 405, 466};
  return {kX[key - 1] + 21, 147};
}

Cockpit& Click(Cockpit& cockpit, const char* gauge, Point at) { return cockpit.click(gauge, at.x, at.y); }

// The list as the test puts it, with the evaluation kept away: no tick runs.
Lines Texts(std::initializer_list<int32_t> ids) {
  Lines texts;
  for (int32_t id : ids) {
    std::string text;
    for (const wchar_t* c = GetEoapMessageText(static_cast<uint32_t>(id)); *c != L'\0'; ++c) text += static_cast<char>(*c);
    texts.push_back(text.substr(0, text.find_last_not_of(' ') + 1));
  }
  return texts;
}

Lines Padded(Lines lines) {
  lines.resize(kAlertVisibleLines);
  return lines;
}

std::vector<double> HeadLamps(const Cockpit& cockpit, const char* gauge) {
  std::vector<double> lamps;
  for (uint32_t element = 1; element < kHeadElements; ++element) lamps.push_back(cockpit.elementValue(gauge, element));
  return lamps;
}

TEST(EoapDisplay, AlertsOfAParkedAircraftShowOnTheTwelveLines) {
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 1).set(Token::ParkingBrake, 1).set(Token::DoorsOpen, 1).powerUp().runSeconds(3);
  cockpit.draw();
  const Lines list = cockpit.alertList();
  ASSERT_GT(list.size(), 12u);
  const auto offset = static_cast<size_t>(GetEoapScrollOffset());
  EXPECT_EQ(offset, list.size() - 12) << "the newest on the bottom line";
  EXPECT_EQ(cockpit.alertDisplay(), Lines(list.begin() + offset, list.begin() + offset + 12)) << "in list order";
  EXPECT_EQ(cockpit.alertDisplay(), cockpit.alertLines());
  EXPECT_EQ(cockpit.elementValue("EOAP", kUpperArrowLamp), 1.0);
  EXPECT_EQ(cockpit.elementValue("EOAP", kLowerArrowLamp), 0.0);

  // The door key lamp is lit for the door list kept aside; its key recalls it.
  EXPECT_EQ(cockpit.elementValue("EOAP", kHeadKeyLamp1 + 7), 1.0);
  Click(cockpit, "EOAP", EoapKey(8)).runTicks(1).draw();
  EXPECT_EQ(cockpit.alertDisplay(), Padded(cockpit.alertDoors()));
  for (int key = 1; key <= 8; ++key) {
    EXPECT_EQ(cockpit.elementValue("EOAP", kHeadKeyLamp1 + key - 1), key == 8 ? 1.0 : 0.0) << key;
    EXPECT_EQ(cockpit.elementValue("EOAP Zoom", kHeadKeyLamp1 + key - 1), key == 8 ? 1.0 : 0.0) << key;
  }
  cockpit.runTicks(89).draw();
  EXPECT_EQ(cockpit.alertDisplay(), Padded(cockpit.alertDoors())) << "the recall holds 90 ticks";
  cockpit.runTicks(2).draw();
  EXPECT_EQ(cockpit.alertDisplay(), cockpit.alertLines());
  EXPECT_EQ(cockpit.alertDisplay()[11], cockpit.alertList().back());
}

TEST(EoapDisplay, FifteenAlertsScrollByTheHeadsKeysAndLightTheArrows) {
  Cockpit cockpit;
  cockpit.addSounds({kClickButton1, kClickButton2}).powerUp().runSeconds(1.1);
  ClearMasterCaution();
  EmptyAlertLists();
  const std::initializer_list<int32_t> ids = {2, 9, 13, 14, 22, 26, 27, 28, 29, 30, 31, 43, 44, 1, 12};
  for (int32_t id : ids) AddEoapMessage(id);
  const Lines all = Texts(ids);
  RefreshEoapKeys();
  StepAlertLights();
  cockpit.draw();
  EXPECT_EQ(cockpit.alertDisplay(), Lines(all.begin() + 3, all.end())) << "line 1 the fourth, line 12 the fifteenth";
  EXPECT_EQ(cockpit.elementValue("EOAP", kUpperArrowLamp), 1.0) << "alerts above the window";
  EXPECT_EQ(cockpit.elementValue("EOAP", kLowerArrowLamp), 0.0);

  for (int i = 0; i < 3; ++i) Click(cockpit, "EOAP", kEoapUp);
  StepAlertLights();
  cockpit.draw();
  EXPECT_EQ(cockpit.alertDisplay(), Lines(all.begin(), all.begin() + 12));
  EXPECT_EQ(cockpit.elementValue("EOAP", kUpperArrowLamp), 0.0);
  EXPECT_EQ(cockpit.elementValue("EOAP Zoom", kLowerArrowLamp), 1.0) << "alerts below the window";

  Click(cockpit, "EOAP Zoom", {546, 110});
  cockpit.draw();
  EXPECT_EQ(cockpit.alertDisplay(), Lines(all.begin() + 1, all.begin() + 13)) << "the zoomed head's lower key";
  const std::vector<PlayedSound> played = cockpit.played();
  ASSERT_EQ(played.size(), 4u);
  EXPECT_EQ(played[0].slot, kClickButton1) << "EOAP";
  EXPECT_EQ(played[3].slot, kClickButton2) << "EOAP Zoom";

  // A category with no active alert: a blank recall view, only its key lit.
  Click(cockpit, "EOAP", EoapKey(2)).draw();
  EXPECT_EQ(cockpit.alertDisplay(), Padded({}));
  EXPECT_EQ(cockpit.elementValue("EOAP", kHeadKeyLamp1 + 1), 1.0);
}

TEST(EoapDisplay, LampTestLightsEveryCellAndLampOnlyOnNormalPower) {
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 1).powerUp().runSeconds(1.2).draw();
  ASSERT_FALSE(cockpit.alertLinesShown().empty());
  cockpit.control("Annunciator Digital Lights Test", "test", kLampTestHeld).runTicks(1).draw();
  EXPECT_EQ(cockpit.alertDisplay(), Lines(kAlertVisibleLines, std::string(kAlertTextLength, '#')));
  EXPECT_EQ(HeadLamps(cockpit, "EOAP"), std::vector<double>(kHeadElements - 1, 1.0));
  EXPECT_EQ(HeadLamps(cockpit, "EOAP Zoom"), std::vector<double>(kHeadElements - 1, 1.0));

  // A change of power source blanks the display, lamp test or not.
  cockpit.control("Annunciator Digital Lights Test", "test", kSwitchOff).runTicks(1);
  cockpit.control("ELECTRIC", "ext_bus_1_sw", kSwitchOn);
  cockpit.runUntil([] { return IsPowerState(kPowerTransfer) != 0; }, 2);
  cockpit.draw();
  EXPECT_EQ(cockpit.alertDisplay(), Lines(kAlertVisibleLines, "")) << "power state 2";
  cockpit.control("Annunciator Digital Lights Test", "test", kLampTestHeld).runTicks(1).draw();
  EXPECT_EQ(cockpit.alertDisplay(), Lines(kAlertVisibleLines, ""));
  cockpit.runUntil([] { return IsPowerState(kPowerNormal) != 0; }, 3);
  cockpit.draw();
  EXPECT_EQ(cockpit.alertDisplay()[0], std::string(kAlertTextLength, '#')) << "back on normal power";
}

TEST(EoapDisplay, WithoutPanelPowerEveryLampIsDarkInTheLampTest) {
  Cockpit cockpit;
  cockpit.control("Annunciator Digital Lights Test", "test", kLampTestHeld).runTicks(2).draw();
  EXPECT_EQ(HeadLamps(cockpit, "EOAP"), std::vector<double>(kHeadElements - 1, 0.0));
  EXPECT_EQ(cockpit.alertDisplay(), Lines(kAlertVisibleLines, ""));
}

TEST(EoapDisplay, AnnunciatorWindowsShowTheirCellOfTheLampTable) {
  Cockpit cockpit;
  cockpit.powerUp().runTicks(1);
  // The windows in element order: panel, lamp.
  constexpr int32_t kWindows[][2] = {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 7}, {2, 4}, {2, 5}, {2, 6},
                                     {2, 7}, {3, 1}, {3, 2}, {3, 3}, {3, 4}, {3, 5}, {3, 6}, {3, 7}};
  for (size_t i = 0; i < std::size(kWindows); ++i) {
    for (const auto& window : kWindows) ClearAnnunciatorLamp(window[0], window[1]);
    SetAnnunciatorLamp(kWindows[i][0], kWindows[i][1]);
    cockpit.draw();
    for (size_t j = 0; j < std::size(kWindows); ++j) {
      EXPECT_EQ(cockpit.elementValue("EOAP", 11 + j), i == j ? 1.0 : 0.0) << i << " " << j;
      EXPECT_EQ(cockpit.elementValue("EOAP Zoom", 11 + j), i == j ? 1.0 : 0.0) << i << " " << j;
    }
  }
}

TEST(EoapDisplay, AClickOnEitherHalfTogglesItsWindowSilently) {
  Cockpit cockpit;
  cockpit.addSounds({kClickButton1, kClickButton2}).runTicks(1);
  cockpit.setWindowVisible(kPanelWindowAlertDisplay, false);
  cockpit.click("EOAP Display 1", 250, 5);
  EXPECT_TRUE(cockpit.isWindowVisible(kPanelWindowAlertDisplay));
  cockpit.click("EOAP Display 2", 3, 120);
  EXPECT_FALSE(cockpit.isWindowVisible(kPanelWindowAlertDisplay));
  ASSERT_EQ(cockpit.keyEvents(66506).size(), 2u);
  EXPECT_EQ(cockpit.keyEvents(66506)[0].value, kPanelWindowAlertDisplay);
  EXPECT_TRUE(cockpit.played().empty());
}

// Each key of both heads with its own click; the keyboard's commands click
// the "EOAP" head's keys.
TEST(EoapHead, EachKeyPlaysItsHeadsClickAndTheKeyboardReachesTheFirstHead) {
  Cockpit cockpit;
  cockpit.addSounds({kClickButton1, kClickButton2}).powerUp().runTicks(1);
  std::vector<int> eoap;
  std::vector<int> zoom;
  auto last = [&] { return cockpit.played().back().slot; };
  Click(cockpit, "EOAP", kEoapUp);
  eoap.push_back(last());
  Click(cockpit, "EOAP", kEoapDown);
  eoap.push_back(last());
  Click(cockpit, "EOAP Zoom", {550, 40});
  zoom.push_back(last());
  Click(cockpit, "EOAP Zoom", {550, 110});
  zoom.push_back(last());
  for (int key = 1; key <= 8; ++key) {
    Click(cockpit, "EOAP", EoapKey(key)).draw();
    EXPECT_EQ(GetEoapRecalledCategory(), static_cast<uint32_t>(key));
    for (int lamp = 1; lamp <= 8; ++lamp) {
      const double lit = lamp == key ? 1.0 : 0.0;
      EXPECT_EQ(cockpit.elementValue("EOAP", kHeadKeyLamp1 + lamp - 1), lit) << key << " " << lamp;
      EXPECT_EQ(cockpit.elementValue("EOAP Zoom", kHeadKeyLamp1 + lamp - 1), lit) << key << " " << lamp;
    }
    eoap.push_back(last());
    Click(cockpit, "EOAP Zoom", ZoomKey(key));
    EXPECT_EQ(GetEoapRecalledCategory(), static_cast<uint32_t>(key));
    zoom.push_back(last());
  }
  EXPECT_EQ(eoap, (std::vector<int>{245, 245, 246, 246, 245, 246, 246, 245, 245, 245}));
  EXPECT_EQ(zoom, (std::vector<int>{246, 246, 246, 246, 245, 245, 245, 246, 246, 245}));

  int commands = 0;
  const platform::GAUGEHDR* head = cockpit.gauge("EOAP");
  for (uint32_t slot = 0; slot < kKeyboardSlotCount; ++slot) {
    const wchar_t* section = KeyboardCommandSection(slot);
    if (section == nullptr || std::wcscmp(section, L"ELECTRONIC OVERHEAD ANNUNCIATON PANEL") != 0) continue;
    bool onHead = false;
    for (const platform::MOUSERECT* r = head->mouseRects; r->type != platform::kMouseRectEnd; ++r) {
      onHead = onHead || r->function == KeyboardCommandControl(slot);
    }
    EXPECT_TRUE(onHead) << slot;
    ++commands;
  }
  EXPECT_EQ(commands, 10);
  const size_t before = cockpit.played().size();
  cockpit.callControl("EOAP", "EoapMouseElec");
  ASSERT_EQ(cockpit.played().size(), before + 1);
  EXPECT_EQ(last(), 246);
  EXPECT_EQ(GetEoapRecalledCategory(), 1u);
}

// Each display's cells stand on a grid of 13 by 22 pixels, from row 6,
// column 20 back to row 1, column 1, each an icon of the 51 glyphs. On each
// head the eight category key lamps stand in a row, in two groups of four
// keys at one pitch, and the two arrow lamps one above the other.
TEST(EoapDisplay, CellsStandOnTheirGridAndTheHeadsKeyLampsInARow) {
  Cockpit cockpit;
  for (const char* display : {"EOAP Display 1", "EOAP Display 2"}) {
    uint32_t element = 1;
    for (int32_t cell = 119; cell >= 0; --cell, ++element) {
      const platform::ELEMENT_HEADER& e = cockpit.element(display, element);
      EXPECT_EQ(e.x, cell % 20 * 13) << display << " element " << element;
      EXPECT_EQ(e.y, cell / 20 * 22) << display << " element " << element;
      EXPECT_EQ(e.frameCount, 51) << display << " element " << element;
    }
  }
  for (auto [head, firstX, keyY, pitch, arrowX] :
       {std::tuple{"EOAP", 15, 97, 41, 367}, std::tuple{"EOAP Zoom", 21, 144, 61, 546}}) {
    for (uint32_t key = 1; key <= 8; ++key) {
      const platform::ELEMENT_HEADER& lamp = cockpit.element(head, key);
      EXPECT_EQ(lamp.y, keyY) << head << " key " << key;
      if (key <= 4) {
        EXPECT_EQ(lamp.x, firstX + pitch * static_cast<int32_t>(key - 1)) << head << " key " << key;
      }
      if (key > 5) {
        EXPECT_EQ(lamp.x - cockpit.element(head, key - 1).x, pitch) << head << " key " << key;
      }
    }
    EXPECT_EQ(cockpit.element(head, 9).x, arrowX) << head;
    EXPECT_EQ(cockpit.element(head, 10).x, arrowX) << head;
  }
}

// On both heads the annunciators of a row of the windows stand on one line:
// the AHRS modes, the anti-ice, the fuel heat and the emergency buses.
TEST(EoapDisplay, EachHeadsAnnunciatorRowsStandOnOneLine) {
  Cockpit cockpit;
  const std::vector<std::vector<uint32_t>> rows = {{11, 21}, {14, 17, 24}, {15, 18, 25}, {16, 27}};
  for (const char* head : {"EOAP", "EOAP Zoom"}) {
    for (const std::vector<uint32_t>& row : rows) {
      for (uint32_t lamp : row) {
        EXPECT_EQ(cockpit.element(head, lamp).y, cockpit.element(head, row[0]).y)
            << head << " " << cockpit.element(head, lamp).name;
      }
    }
  }
}

}  // namespace
}  // namespace halcyon::test
