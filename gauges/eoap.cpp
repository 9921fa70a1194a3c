// The overhead annunciator panel's head and alert display. The head shows
// the annunciator lamp table, the arrow lamps and the category key lamps, and
// its keys scroll the alert list or recall a category; the display shows the
// list's 12 lines, one glyph frame a character cell. Reads the annunciator
// system's lamps, key objects and display chain, panel power and the lamp
// test; drives the list's scrolling and recall and the display's window.
#include "gauges/eoap.h"

#include <cstddef>
#include <utility>

#include "gauges/gauge_kit.h"
#include "systems/alert_list.h"
#include "systems/annunciator_lamps.h"
#include "systems/electric.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr uint32_t kKeyEventToggleWindow = 66506;
constexpr int32_t kGlyphFrames = 51;
constexpr int32_t kLampFrames = 2;

// ---- The head ---------------------------------------------------------------

double LitAt(const CSwitch& record) { return Lamp(IsPanelPowered() != 0, GetSwitch(&record) == kSwitchOn); }

template <int32_t kCategory>
double CategoryKeyLamp(ELEMENT_HEADER*) {
  return LitAt(g_eoapKeySwitches[kCategory - 1]);
}
double ScrollUpLamp(ELEMENT_HEADER*) { return LitAt(g_eoapMoreAboveLight); }
double ScrollDownLamp(ELEMENT_HEADER*) { return LitAt(g_eoapMoreBelowLight); }

// The lamp table applies power and the lamp test itself.
template <uint32_t kPanel, int32_t kLamp>
double AnnunciatorWindow(ELEMENT_HEADER*) {
  return GetAnnunciatorLamp(kPanel, kLamp);
}

// One lamp of the head and where it sits on each of the two heads.
struct HeadLamp {
  const char* legend;
  int32_t x;
  int32_t y;
  int32_t zoomX;
  int32_t zoomY;
  platform::ElementCallback callback;
};

constexpr HeadLamp kHeadLamps[] = {
    {"ELEC", 15, 97, 21, 144, CategoryKeyLamp<1>},
    {"ICE", 56, 97, 82, 144, CategoryKeyLamp<2>},
    {"ENG", 97, 97, 143, 144, CategoryKeyLamp<3>},
    {"CTRL", 138, 97, 204, 144, CategoryKeyLamp<4>},
    {"MISC", 191, 97, 283, 144, CategoryKeyLamp<5>},
    {"HYD", 232, 97, 344, 144, CategoryKeyLamp<6>},
    {"MON", 273, 97, 405, 144, CategoryKeyLamp<7>},
    {"DOOR", 314, 97, 466, 144, CategoryKeyLamp<8>},
    {"upper scroll arrow", 367, 15, 546, 22, ScrollUpLamp},
    {"lower scroll arrow", 367, 68, 546, 101, ScrollDownLamp},
    {"AHRS 1 BASIC MODE", 395, 10, 587, 14, AnnunciatorWindow<1, 1>},
    {"ELEVATOR PWR ON", 392, 23, 584, 35, AnnunciatorWindow<1, 2>},
    {"RAIN REPELLENT RESERVE IN USE", 392, 38, 582, 55, AnnunciatorWindow<1, 3>},
    {"L ENG ANTI-ICE ON", 395, 51, 588, 76, AnnunciatorWindow<1, 4>},
    {"L FUEL HEAT ON", 396, 65, 590, 97, AnnunciatorWindow<1, 5>},
    {"AC EMER BUS OFF", 394, 93, 586, 138, AnnunciatorWindow<1, 7>},
    {"WING ANTI-ICE ON", 447, 51, 665, 76, AnnunciatorWindow<2, 4>},
    {"TAIL DE-ICE ON", 449, 65, 668, 97, AnnunciatorWindow<2, 5>},
    {"TAIL COMPT TEMP HIGH", 448, 79, 667, 118, AnnunciatorWindow<2, 6>},
    {"APU FIRE", 452, 95, 673, 142, AnnunciatorWindow<2, 7>},
    {"AHRS 2 BASIC MODE", 499, 10, 743, 14, AnnunciatorWindow<3, 1>},
    {"RUDDER TRAVEL UNRESTRICTED", 496, 24, 737, 35, AnnunciatorWindow<3, 2>},
    {"CABIN OXYGEN ON", 495, 37, 736, 55, AnnunciatorWindow<3, 3>},
    {"R ENG ANTI-ICE ON", 498, 51, 741, 76, AnnunciatorWindow<3, 4>},
    {"R FUEL HEAT ON", 499, 65, 742, 97, AnnunciatorWindow<3, 5>},
    {"CABIN ALT", 501, 81, 745, 121, AnnunciatorWindow<3, 6>},
    {"DC EMER BUS OFF", 503, 93, 748, 138, AnnunciatorWindow<3, 7>},
};
constexpr size_t kHeadElementCount = std::size(kHeadLamps) + 1;

struct HeadDefinitions {
  ELEMENT_HEADER elements[kHeadElementCount];
};

constexpr HeadDefinitions MakeHead(bool zoom) {
  HeadDefinitions head{};
  head.elements[0] = StaticImage("head");
  for (size_t i = 0; i < std::size(kHeadLamps); ++i) {
    const HeadLamp& lamp = kHeadLamps[i];
    head.elements[i + 1] = Icon(lamp.legend, zoom ? lamp.zoomX : lamp.x, zoom ? lamp.zoomY : lamp.y, kLampFrames,
                                lamp.callback);
  }
  return head;
}

constinit ElementChain g_headElements(MakeHead(false).elements);
constinit ElementChain g_zoomElements(MakeHead(true).elements);

// A key acts on every click, whatever the list holds; each head has its own
// click sound per key.
int32_t Scroll(void (*scroll)(), SoundId sound) {
  scroll();
  PlayClick(sound);
  return 1;
}
int32_t Recall(uint32_t category, SoundId sound) {
  RecallEoapCategory(category);
  PlayClick(sound);
  return 1;
}

// ---- The display ------------------------------------------------------------
// 6 lines of 20 cells a gauge; the chain runs from the last cell (row 6,
// column 20) back to the first.
constexpr uint32_t kRowsPerDisplay = 6;
constexpr uint32_t kCellsPerDisplay = kRowsPerDisplay * kAlertTextLength;
constexpr int32_t kCellPitchX = 13;
constexpr int32_t kCellPitchY = 22;

template <uint32_t kLine, uint32_t kColumn>
double Cell(ELEMENT_HEADER*) {
  const uint32_t id = GetEoapLineMessage(static_cast<int32_t>(GetEoapLineIndex(kLine)));
  return GetEoapGlyph(GetEoapMessageText(id), kColumn);
}

struct DisplayDefinitions {
  ELEMENT_HEADER elements[kCellsPerDisplay + 1];
};

// The cell numbered cell (0-based, (row - 1) x 20 + column - 1) of the
// display whose top line is kFirstLine.
template <uint32_t kFirstLine, uint32_t kCell>
constexpr ELEMENT_HEADER CellElement() {
  constexpr uint32_t row = kCell / kAlertTextLength;
  constexpr uint32_t column = kCell % kAlertTextLength;
  return Icon("cell", static_cast<int32_t>(column) * kCellPitchX, static_cast<int32_t>(row) * kCellPitchY,
              kGlyphFrames, Cell<kFirstLine + row, column + 1>);
}

template <uint32_t kFirstLine, size_t... kIndex>
constexpr DisplayDefinitions MakeDisplay(std::index_sequence<kIndex...>) {
  return {{StaticImage("display"), CellElement<kFirstLine, kCellsPerDisplay - 1 - kIndex>()...}};
}

constinit ElementChain g_display1Elements(MakeDisplay<1>(std::make_index_sequence<kCellsPerDisplay>()).elements);
constinit ElementChain g_display2Elements(
    MakeDisplay<kRowsPerDisplay + 1>(std::make_index_sequence<kCellsPerDisplay>()).elements);

}  // namespace

platform::ELEMENT_HEADER* EoapElements() { return g_headElements.Head(); }
platform::ELEMENT_HEADER* EoapZoomElements() { return g_zoomElements.Head(); }
platform::ELEMENT_HEADER* EoapDisplay1Elements() { return g_display1Elements.Head(); }
platform::ELEMENT_HEADER* EoapDisplay2Elements() { return g_display2Elements.Head(); }

int32_t EoapMouseScrollUp(PixelPoint, uint32_t) { return Scroll(ScrollEoapUp, kClickButton1); }
int32_t EoapMouseScrollDown(PixelPoint, uint32_t) { return Scroll(ScrollEoapDown, kClickButton1); }
int32_t EoapMouseElec(PixelPoint, uint32_t) { return Recall(1, kClickButton2); }
int32_t EoapMouseIce(PixelPoint, uint32_t) { return Recall(2, kClickButton2); }
int32_t EoapMouseEng(PixelPoint, uint32_t) { return Recall(3, kClickButton1); }
int32_t EoapMouseCtrl(PixelPoint, uint32_t) { return Recall(4, kClickButton2); }
int32_t EoapMouseMisc(PixelPoint, uint32_t) { return Recall(5, kClickButton2); }
int32_t EoapMouseHyd(PixelPoint, uint32_t) { return Recall(6, kClickButton1); }
int32_t EoapMouseMon(PixelPoint, uint32_t) { return Recall(7, kClickButton1); }
int32_t EoapMouseDoor(PixelPoint, uint32_t) { return Recall(8, kClickButton1); }

int32_t EoapZoomMouseScrollUp(PixelPoint, uint32_t) { return Scroll(ScrollEoapUp, kClickButton2); }
int32_t EoapZoomMouseScrollDown(PixelPoint, uint32_t) { return Scroll(ScrollEoapDown, kClickButton2); }
int32_t EoapZoomMouseElec(PixelPoint, uint32_t) { return Recall(1, kClickButton2); }
int32_t EoapZoomMouseIce(PixelPoint, uint32_t) { return Recall(2, kClickButton2); }
int32_t EoapZoomMouseEng(PixelPoint, uint32_t) { return Recall(3, kClickButton1); }
int32_t EoapZoomMouseCtrl(PixelPoint, uint32_t) { return Recall(4, kClickButton1); }
int32_t EoapZoomMouseMisc(PixelPoint, uint32_t) { return Recall(5, kClickButton1); }
int32_t EoapZoomMouseHyd(PixelPoint, uint32_t) { return Recall(6, kClickButton2); }
int32_t EoapZoomMouseMon(PixelPoint, uint32_t) { return Recall(7, kClickButton2); }
int32_t EoapZoomMouseDoor(PixelPoint, uint32_t) { return Recall(8, kClickButton1); }

int32_t EoapDisplay1MouseToggleWindow(PixelPoint, uint32_t) {
  return SendKeyControl(kKeyEventToggleWindow, kPanelWindowAlertDisplay);
}
int32_t EoapDisplay2MouseToggleWindow(PixelPoint, uint32_t) {
  return SendKeyControl(kKeyEventToggleWindow, kPanelWindowAlertDisplay);
}

}  // namespace halcyon
