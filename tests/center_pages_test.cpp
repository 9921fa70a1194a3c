// The Center popup's dispatch and options pages, the notice after loading and
// the pushback popup, driven through the panel as the simulator drives them:
// clicks, held buttons, slider drags and the window-open service.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>

#include "core/helpers.h"
#include "core/options.h"
#include "crewaids/dispatch/center_dispatch.h"
#include "crewaids/dispatch/departure_plan.h"
#include "crewaids/dispatch/dispatch_model.h"
#include "crewaids/dispatch/load_sheet.h"
#include "crewaids/options/center_options.h"
#include "crewaids/options/pushback.h"
#include "fmc/fms.h"
#include "host/sound_system.h"
#include "platform/simconnect.h"
#include "platform/system.h"
#include "simhost/mouse_rects.h"
#include "simhost/panel.h"
#include "systems/ground_crew.h"
#include "systems/speed_bugs.h"
#include "systems/speed_cards.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

namespace sc = platform::simconnect;

constexpr const char* kDispatch = "Center Dispatch";
constexpr const char* kOptions = "Center Options";
constexpr uint32_t kDispatchWindow = 10190;

// Points inside the page's buttons.
constexpr int32_t kMaleIncX = 360, kMaleY = 25;
constexpr int32_t kMaleDecX = 340;
constexpr int32_t kPayloadViewX = 620, kPayloadViewY = 10;
constexpr int32_t kFuelViewX = 620, kFuelViewY = 150;

int32_t SeatsShown(Cockpit& cockpit) {
  int32_t shown = 0;
  for (uint32_t n = 0; n < kSeatCount; ++n) shown += cockpit.elementValue(kDispatch, kDispatchFirstSeat + n) == 1.0;
  return shown;
}

std::string SheetText(Cockpit& cockpit) {
  std::string text;
  for (uint32_t n = 0; n < kLoadSheetLines; ++n) text += cockpit.elementText(kDispatch, kDispatchFirstSheetLine + n) + "\n";
  return text;
}

platform::MouseCursor CursorOf(const Cockpit& cockpit, const std::string& function) {
  for (const platform::MOUSERECT* rect = cockpit.gauge(kDispatch)->mouseRects; rect->type != platform::kMouseRectEnd;
       ++rect) {
    if (rect->functionName != nullptr && function == rect->functionName) return rect->cursor;
  }
  return platform::kCursorNone;
}

// Every text of the page, the load sheet's lines included, is white bold
// "Courier New": the sheet's columns line up.
TEST(CenterDispatch, EveryTextIsWhiteBoldCourierNew) {
  Cockpit cockpit;
  cockpit.draw();
  uint32_t texts = 0;
  for (uint32_t n = 0; n < kDispatchElementCount; ++n) {
    const platform::ELEMENT_HEADER& e = cockpit.element(kDispatch, n);
    if (e.kind != platform::ElementKind::String) continue;
    ++texts;
    EXPECT_STREQ(e.fontFace, "Courier New") << n;
    EXPECT_EQ(e.fontWeight, 700) << n;
    EXPECT_EQ(e.textColor, 0xFFFFFFu) << n;
  }
  EXPECT_EQ(texts, 2 + kLoadSheetLines + 12) << "two summaries, the sheet, twelve figures";
}

TEST(CenterDispatch, TheMalePlusButtonSeatsAPassengerOnTheMapAndTheSheet) {
  Cockpit cockpit;
  ClearPayload();
  BuildLoadSheet();
  cockpit.draw();
  EXPECT_EQ(SeatsShown(cockpit), 0);
  EXPECT_EQ(cockpit.elementText(kDispatch, kDispatchPaxSummary), "  0 PAX -   0%");
  const std::string sheetBefore = SheetText(cockpit);
  // Line 1 stands last, at position 24.
  EXPECT_EQ(cockpit.elementText(kDispatch, 24), std::string(WideToAnsi(GetLoadSheetLine(1))));

  cockpit.click(kDispatch, kMaleIncX, kMaleY).draw();
  EXPECT_EQ(CountDispatchItems(kSeatMale), 1);
  EXPECT_EQ(SeatsShown(cockpit), 1);
  EXPECT_EQ(cockpit.elementText(kDispatch, kDispatchPaxSummary), "  1 PAX -   0%") << "truncated";
  EXPECT_NE(SheetText(cockpit), sheetBefore) << "the sheet is built again";
  EXPECT_EQ(cockpit.elementValue(kDispatch, 7), kSeatCount - 1) << "the cabin bar";

  // Held down, the button steps on each repeat; the minus takes one off.
  cockpit.mouse(kDispatch, kMaleIncX, kMaleY, platform::kMouseDownRepeat);
  cockpit.mouse(kDispatch, kMaleDecX, kMaleY, platform::kMouseDownRepeat).draw();
  EXPECT_EQ(CountDispatchItems(kSeatMale), 1);
  cockpit.click(kDispatch, 360, 53).click(kDispatch, 360, 81).draw();
  EXPECT_EQ(CountDispatchItems(kSeatFemale), 1);
  EXPECT_EQ(CountDispatchItems(kSeatChild), 1);
  EXPECT_EQ(SeatsShown(cockpit), 3);
}

TEST(CenterDispatch, TheViewTogglesSwitchPicturesFiguresAndCursors) {
  Cockpit cockpit;
  ClearPayload();
  for (int i = 0; i < 68; ++i) AddDispatchItem(i % 2 == 0 ? kSeatMale : kSeatFemale);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementText(kDispatch, kDispatchPaxSummary), " 68 PAX -  50%");
  EXPECT_EQ(SeatsShown(cockpit), 68);
  for (uint32_t n = 29; n <= 48; ++n) {
    if (n >= 37 && n <= 40) continue;
    EXPECT_FALSE(cockpit.elementVisible(kDispatch, n)) << n;
  }
  EXPECT_EQ(CursorOf(cockpit, "CenterDispatchMouseMaleDec"), platform::kCursorNormal);
  for (uint32_t n : {25u, 29u, 30u, 33u}) EXPECT_EQ(cockpit.elementValue(kDispatch, n), cockpit.element(kDispatch, n).maxValue) << "full scale, " << n;

  cockpit.click(kDispatch, kPayloadViewX, kPayloadViewY).draw();
  EXPECT_EQ(cockpit.elementValue(kDispatch, 2), 1.0);
  EXPECT_FALSE(cockpit.elementVisible(kDispatch, kDispatchPaxSummary));
  for (uint32_t n : {29u, 36u, 41u, 48u}) EXPECT_TRUE(cockpit.elementVisible(kDispatch, n)) << n;
  for (uint32_t n : {25u, 28u, 37u, 40u}) EXPECT_FALSE(cockpit.elementVisible(kDispatch, n)) << n;
  EXPECT_EQ(SeatsShown(cockpit), 0) << "the figures view shows every seat empty";
  EXPECT_EQ(cockpit.elementText(kDispatch, 48), "MALE  :  34 -  25%");
  EXPECT_EQ(cockpit.elementText(kDispatch, 45), "TOTAL :  68 -  50%");
  EXPECT_EQ(cockpit.elementValue(kDispatch, 33), kSeatCount - 68);
  EXPECT_EQ(cockpit.elementValue(kDispatch, 36), kSeatCount - 34);
  EXPECT_EQ(cockpit.elementValue(kDispatch, 29), 9396 - GetDispatchWeight(3));
  EXPECT_EQ(cockpit.elementValue(kDispatch, 30), kHoldLimitLb[2] - GetDispatchWeight(2)) << "A1";
  EXPECT_EQ(cockpit.elementValue(kDispatch, 31), kHoldLimitLb[1] - GetDispatchWeight(1)) << "F2";
  EXPECT_EQ(cockpit.elementValue(kDispatch, 7), kSeatCount);
  EXPECT_EQ(CursorOf(cockpit, "CenterDispatchMouseMaleDec"), platform::kCursorDownArrow);
  EXPECT_EQ(CursorOf(cockpit, "CenterDispatchMouseA1Inc"), platform::kCursorUpArrow);
  EXPECT_EQ(CursorOf(cockpit, "CenterDispatchMouseLeftTankDec"), platform::kCursorNormal) << "the fuel view is apart";

  cockpit.click(kDispatch, kFuelViewX, kFuelViewY).draw();
  for (uint32_t n : {25u, 28u, 37u, 40u}) EXPECT_TRUE(cockpit.elementVisible(kDispatch, n)) << n;
  EXPECT_EQ(CursorOf(cockpit, "CenterDispatchMouseCenterTankInc"), platform::kCursorUpArrow);
  EXPECT_EQ(cockpit.elementValue(kDispatch, 3), 0.0) << "no tank picture in the figures view";

  cockpit.click(kDispatch, kPayloadViewX, kPayloadViewY).click(kDispatch, kFuelViewX, kFuelViewY).draw();
  EXPECT_TRUE(cockpit.elementVisible(kDispatch, kDispatchPaxSummary));
  EXPECT_FALSE(cockpit.elementVisible(kDispatch, 29));
  EXPECT_FALSE(cockpit.elementVisible(kDispatch, 37));
  EXPECT_EQ(CursorOf(cockpit, "CenterDispatchMouseMaleDec"), platform::kCursorNormal);
  EXPECT_EQ(CursorOf(cockpit, "CenterDispatchMouseCenterTankInc"), platform::kCursorNormal);
}

// The minus and plus buttons show their arrows exactly while their own
// figures are on view: the twelve payload buttons with the payload figures,
// the six tank buttons with the fuel figures.
TEST(CenterDispatch, EveryStepButtonsCursorFollowsItsOwnView) {
  Cockpit cockpit;
  const char* const payload[] = {"Male", "Female", "Child", "F1", "F2", "A1"};
  const char* const fuel[] = {"LeftTank", "RightTank", "CenterTank"};
  for (const uint32_t payloadView : {0u, 1u}) {
    for (const uint32_t fuelView : {0u, 1u}) {
      SetPayloadView(payloadView);
      SetFuelView(fuelView);
      cockpit.draw();
      auto expect = [&](const char* name, uint32_t view) {
        const std::string button = std::string("CenterDispatchMouse") + name;
        EXPECT_EQ(CursorOf(cockpit, button + "Dec"), view == 1 ? platform::kCursorDownArrow : platform::kCursorNormal)
            << button << " payload view " << payloadView << ", fuel view " << fuelView;
        EXPECT_EQ(CursorOf(cockpit, button + "Inc"), view == 1 ? platform::kCursorUpArrow : platform::kCursorNormal)
            << button << " payload view " << payloadView << ", fuel view " << fuelView;
      };
      for (const char* name : payload) expect(name, payloadView);
      for (const char* name : fuel) expect(name, fuelView);
      // Each summary shows in its picture view only, whatever the other view.
      EXPECT_EQ(cockpit.elementText(kDispatch, 8).empty(), fuelView == 1) << payloadView << fuelView;
      EXPECT_EQ(cockpit.elementText(kDispatch, kDispatchPaxSummary).empty(), payloadView == 1) << payloadView << fuelView;
    }
  }
}

// The page's layout: the three tanks side by side, evenly spaced; each
// summary's bar above it from the same left edge; each figure's bar right
// under its text; the figures of a group 28 px apart; figure and summary
// lines 23 characters wide beside the sheet's 64; the seats in 23 rows of
// five (three, the aisle, two) and then 7 rows of three, 17 px apart.
TEST(CenterDispatch, TanksFiguresAndSeatsStandInTheirRowsAndColumns) {
  Cockpit cockpit;
  cockpit.draw();
  auto at = [&cockpit](uint32_t n) { return cockpit.element(kDispatch, n); };
  EXPECT_EQ(at(3).y, at(5).y);
  EXPECT_EQ(at(4).y, at(5).y);
  EXPECT_GT(at(5).x, at(3).x) << "left, then center";
  EXPECT_EQ(at(5).x - at(3).x, at(4).x - at(5).x) << "then right, as far again";
  EXPECT_EQ(at(6).x, at(8).x);
  EXPECT_LT(at(6).y, at(8).y);
  EXPECT_EQ(at(7).x, at(kDispatchPaxSummary).x);
  EXPECT_LT(at(7).y, at(kDispatchPaxSummary).y);
  const int32_t charPx = at(kDispatchFirstSheetLine).imageWidth / 64;
  EXPECT_EQ(at(8).imageWidth, 23 * charPx);
  EXPECT_EQ(at(kDispatchPaxSummary).imageWidth, 23 * charPx);
  for (uint32_t i = 0; i < 12; ++i) {
    const platform::ELEMENT_HEADER bar = at(kDispatchFirstFuelBar + i);
    const platform::ELEMENT_HEADER text = at(kDispatchFirstFuelFigure + i);
    EXPECT_EQ(text.imageWidth, 23 * charPx) << i;
    EXPECT_EQ(bar.x, text.x) << i;
    EXPECT_EQ(bar.y, text.y + text.imageHeight) << i;
    if (i % 4 != 0) {
      EXPECT_EQ(text.y - at(kDispatchFirstFuelFigure + i - 1).y, 28) << i;
      EXPECT_EQ(text.x, at(kDispatchFirstFuelFigure + i - 1).x) << i;
    }
  }
  auto seat = [&at](int32_t n) { return at(kDispatchFirstSeat + static_cast<uint32_t>(n)); };
  int32_t first = 0;
  for (int32_t row = 0; row < 30; ++row) {
    const int32_t abreast = row < 23 ? 5 : 3;
    const int32_t steps[] = {16, 16, 26, 16};
    for (int32_t n = 1; n < abreast; ++n) {
      EXPECT_EQ(seat(first + n).y, seat(first).y) << "seat " << first + n;
      EXPECT_EQ(seat(first + n).x - seat(first + n - 1).x, steps[n - 1]) << "seat " << first + n;
    }
    EXPECT_EQ(seat(first).x, seat(0).x) << "seat " << first;
    if (row > 0) {
      EXPECT_EQ(seat(first).y - seat(first - 1).y, 17) << "seat " << first;
    }
    first += abreast;
  }
  EXPECT_EQ(first, kSeatCount);
}

TEST(CenterDispatch, FiguresRoundWhileSummariesTruncateAlwaysOfThePounds) {
  Cockpit cockpit;
  ClearPayload();
  AddDispatchItem(kSeatChild);
  // 250 lb in the center tank, taken from the simulator at one pound a gallon.
  cockpit.set(Token::FuelLeftGal, 0.0).set(Token::FuelCenterGal, 250.0).set(Token::FuelRightGal, 0.0);
  cockpit.set(Token::FuelWeightLbPerGallon, 1.0);
  ReadFuelFromSimulator();
  SetPayloadView(1);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementText(kDispatch, 45), "TOTAL :   1 -   1%") << "1 x 100 / 136 + 0.5";
  EXPECT_EQ(cockpit.elementText(kDispatch, 46), "CHILD :   1 -   1%");
  EXPECT_EQ(cockpit.elementText(kDispatch, 8), "  250LBS -   0%") << "250 x 100 / 39128, truncated";
  SetFuelView(1);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementText(kDispatch, 8), "");
  EXPECT_EQ(cockpit.elementText(kDispatch, 38), "CTR  :   250LBS   1%") << "250 x 100 / 20596 + 0.5";
  EXPECT_EQ(cockpit.elementValue(kDispatch, 26), kTankCapacityLb[1] - 250);
  EXPECT_EQ(cockpit.elementValue(kDispatch, 25), 39128 - 250);
  FillFuel();
  SetFuelView(0);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementText(kDispatch, 8), "39128LBS - 100%");
  EXPECT_EQ(cockpit.elementValue(kDispatch, 3), kTankCapacityLb[0]);
  EXPECT_EQ(cockpit.elementValue(kDispatch, 5), kTankCapacityLb[1]);
  EXPECT_EQ(cockpit.elementValue(kDispatch, 6), 0.0);
}

TEST(CenterDispatch, LoadSendsTheTenValuesAndOpensTheNoticeUnlessTheOptionSaysNot) {
  Cockpit cockpit;
  FillPayload();
  cockpit.set(Token::FuelWeightLbPerGallon, 6.7);
  cockpit.click(kDispatch, 560, 530);
  ASSERT_EQ(sc::Log().dataWrites.size(), 1u);
  double sent[10];
  std::memcpy(sent, sc::Log().dataWrites[0].bytes.data(), sizeof(sent));
  for (int zone = 1; zone <= 4; ++zone) EXPECT_EQ(sent[zone - 1], GetZoneWeight(zone)) << zone;
  EXPECT_EQ(sent[4], GetDispatchWeight(0));
  EXPECT_EQ(sent[5], GetDispatchWeight(1));
  EXPECT_EQ(sent[6], GetDispatchWeight(2));
  EXPECT_DOUBLE_EQ(sent[7], GetFuelQuantity(1) / 6.7);
  EXPECT_DOUBLE_EQ(sent[8], GetFuelQuantity(0) / 6.7);
  EXPECT_DOUBLE_EQ(sent[9], GetFuelQuantity(2) / 6.7);
  EXPECT_EQ(cockpit.windowEvents(), std::vector<std::string>{"open 10200"});
  EXPECT_TRUE(cockpit.isWindowVisible(kPanelWindowUpdated));

  // The notice's box: the next load shows no notice.
  cockpit.click("Center Updated", 15, 230).click("Center Updated", 370, 10);
  EXPECT_EQ(GetOption(kOptionUpdatedNoShow), 1);
  EXPECT_FALSE(cockpit.isWindowVisible(kPanelWindowUpdated));
  cockpit.clearKeyEvents().click(kDispatch, 560, 530);
  EXPECT_EQ(sc::Log().dataWrites.size(), 2u);
  EXPECT_TRUE(cockpit.windowEvents().empty());
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Center Updated", 1), 1.0);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("OPTIONS", "updated_no_show"), "1");
}

TEST(CenterDispatch, TheFmsButtonFillsPerfInitAndTheTakeoffBugsAndOpensTheCdu) {
  Cockpit cockpit;
  ClearPayload();
  // A ramp weight of 115500 lb: less the taxi fuel it falls in the take-off
  // card's 105001..115000 lb row, on its own in the next.
  cockpit.set(Token::FuelLeftGal, 9266.0).set(Token::FuelCenterGal, 115500.0 - 79686 - 2 * 9266).set(Token::FuelRightGal, 9266.0);
  cockpit.set(Token::FuelWeightLbPerGallon, 1.0);
  ReadFuelFromSimulator();
  ASSERT_EQ(GetTakeoffWeight(), 115500);
  SetSpeedBugsForWeight(kSpeedCardTakeoffTable2, 0);
  cockpit.click(kDispatch, 320, 530);
  EXPECT_EQ(g_fms.GetZeroFuelWeight(), GetZeroFuelWeight());
  EXPECT_EQ(g_fms.GetFuelWeight(), GetFuelQuantity(3));
  EXPECT_EQ(GetTakeoffCardRow(), 2);
  const double bugs[4] = {GetSpeedBug(1), GetSpeedBug(2), GetSpeedBug(3), GetSpeedBug(4)};
  SetSpeedBugsForWeight(kSpeedCardTakeoffTable2, 0);
  SetSpeedBugsForWeight(kSpeedCardTakeoffTable2, 114580);
  for (int bug = 1; bug <= 4; ++bug) EXPECT_EQ(GetSpeedBug(bug), bugs[bug - 1]) << bug;
  // The CDU opens, and the popups after it in the window list close.
  const std::vector<std::string> events = cockpit.windowEvents();
  ASSERT_EQ(events.size(), 10u);
  EXPECT_EQ(events[0], "open 10070");
  EXPECT_EQ(events[1], "close 10340");
}

TEST(CenterDispatch, TheDeparturePlanIsWrittenAndOneOpenRequestRecorded) {
  Cockpit cockpit;
  std::filesystem::remove(cockpit.path("SimObjects/Airplanes/QZ Halcyon Pro/Departure plan.txt"));
  cockpit.click(kDispatch, 440, 530);
  EXPECT_NE(cockpit.readFile("SimObjects/Airplanes/QZ Halcyon Pro/Departure plan.txt").find("DEPARTURE PLAN"),
            std::string::npos);
  ASSERT_EQ(platform::ShellRequests().size(), 1u);
  const platform::ShellRequest& request = platform::ShellRequests()[0];
  EXPECT_EQ(request.program, L"notepad.exe");
  EXPECT_EQ(request.verb, L"open");
  EXPECT_EQ(request.parameters, kDeparturePlanPath);
  EXPECT_EQ(request.showCommand, platform::kShowWindowShow);
  EXPECT_EQ(request.mask, platform::kShellMaskEnvSubst);
  EXPECT_TRUE(cockpit.windowEvents().empty());
}

TEST(CenterDispatch, OpeningThePageTakesTheSimulatorsFuel) {
  Cockpit cockpit;
  FillFuel();
  cockpit.set(Token::FuelWeightLbPerGallon, 2.0);
  cockpit.set(Token::FuelLeftGal, 1000.5).set(Token::FuelCenterGal, 2000.0).set(Token::FuelRightGal, 1500.0);
  cockpit.runTicks(1);
  EXPECT_EQ(GetFuelQuantity(3), 39128) << "not before the window opens";
  cockpit.setWindowVisible(kDispatchWindow, true).runTicks(1);
  EXPECT_EQ(GetFuelQuantity(0), 2001);
  EXPECT_EQ(GetFuelQuantity(1), 4000);
  EXPECT_EQ(GetFuelQuantity(2), 3000);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementText(kDispatch, 24), std::string(WideToAnsi(GetLoadSheetLine(1))));
  // Open, a fuel edit stays until the page is opened again.
  FillFuel();
  cockpit.runTicks(1);
  EXPECT_EQ(GetFuelQuantity(3), 39128);
  cockpit.setWindowVisible(kDispatchWindow, false).runTicks(1).setWindowVisible(kDispatchWindow, true).runTicks(1);
  EXPECT_EQ(GetFuelQuantity(3), 9001);
}

// ---- Center Options ----

struct CheckBoxSpot {
  int32_t x, y;
  uint32_t option;
  const char* key;
};
constexpr CheckBoxSpot kCheckBoxes[] = {
    {16, 17, 8, "fma_fl"},    {16, 41, 0, "spacebar"},   {16, 65, 1, "sound"},
    {16, 88, 3, "center_startup"}, {16, 113, 4, "popup_annunciator"}, {16, 137, 5, "hotspots"},
    {16, 161, 6, "click_areas"},  {16, 184, 7, "preload_windows"},  {16, 209, 12, "irs_fast_start_realign"},
    {16, 233, 13, "turn_off_fo_callouts"}, {16, 257, 9, "alt_training_font"}, {16, 281, 10, "one_nav_ils"},
    {16, 305, 11, "drop_menu"},  {16, 329, 15, "fd_v_bar"},   {16, 353, 16, "no_switch_click_sounds"},
    {373, 17, 17, "fd_mod_enable"}, {373, 137, 18, "fms_auto_set_alt_presel"},
};

TEST(CenterOptions, EachCheckBoxTogglesItsOwnOptionAndShutDownSavesIt) {
  Cockpit cockpit;
  for (uint32_t i = 0; i < kOptionCount; ++i) SetOptionOff(i);
  for (size_t i = 0; i < std::size(kCheckBoxes); ++i) {
    const CheckBoxSpot& box = kCheckBoxes[i];
    cockpit.click(kOptions, box.x, box.y).draw();
    for (uint32_t option = 0; option < kOptionCount; ++option) {
      bool expected = false;
      for (size_t j = 0; j <= i; ++j) expected = expected || kCheckBoxes[j].option == option;
      EXPECT_EQ(GetOption(option), expected ? 1 : 0) << box.key << " clicked, option " << option;
    }
    EXPECT_EQ(cockpit.elementValue(kOptions, static_cast<uint32_t>(i + 1)), 1.0) << box.key;
  }
  EXPECT_EQ(GetOption(kOptionStartFlying), 0);
  EXPECT_EQ(GetOption(kOptionUpdatedNoShow), 0);
  cockpit.click(kOptions, 16, 17).draw();  // fma_fl off again
  EXPECT_EQ(GetOption(kOptionFmaFl), 0);
  EXPECT_EQ(cockpit.elementValue(kOptions, 1), 0.0);
  cockpit.shutdown();
  for (const CheckBoxSpot& box : kCheckBoxes) {
    EXPECT_EQ(cockpit.ini("OPTIONS", box.key), box.option == kOptionFmaFl ? "0" : "1") << box.key;
  }
}

// A check box's area is 30 x 18 from its corner: a click on the corner and
// on the last pixel inside toggles it; just above the corner and just below
// the last pixel there is no control.
TEST(CenterOptions, EachCheckBoxAreaEndsAtItsEdges) {
  Cockpit cockpit;
  for (const CheckBoxSpot& box : kCheckBoxes) {
    const int32_t x = box.x - 1;
    const int32_t y = box.y - 1;
    const auto toggles = [&](int32_t px, int32_t py) {
      const int32_t before = GetOption(box.option);
      cockpit.click(kOptions, px, py);
      return GetOption(box.option) != before;
    };
    const auto nothingAt = [&](int32_t px, int32_t py) {
      return simhost::FindMouseRect(cockpit.gauge(kOptions)->mouseRects, px, py, platform::kMouseLeftSingle) ==
             nullptr;
    };
    EXPECT_TRUE(toggles(x, y)) << box.key << " corner";
    EXPECT_TRUE(nothingAt(x, y - 1)) << box.key << " above";
    EXPECT_TRUE(toggles(x + 29, y + 17)) << box.key << " last pixel";
    EXPECT_TRUE(nothingAt(x + 29, y + 18)) << box.key << " below";
  }
}

// Each check box is drawn 6 px right of and 2 px below the corner of the
// area that toggles it (the points above lie 1 px inside), with its two
// pictures; the sliders and the percentage stand where the page puts them.
TEST(CenterOptions, EachCheckBoxIsDrawnInItsAreaAndTheSlidersInTheirPlaces) {
  Cockpit cockpit;
  for (uint32_t option = 0; option < kOptionCount; ++option) SetOptionOn(option);
  cockpit.draw();
  for (size_t i = 0; i < std::size(kCheckBoxes); ++i) {
    const platform::ELEMENT_HEADER& icon = cockpit.element(kOptions, static_cast<uint32_t>(i + 1));
    EXPECT_EQ(icon.x, kCheckBoxes[i].x + 5) << kCheckBoxes[i].key;
    EXPECT_EQ(icon.y, kCheckBoxes[i].y + 1) << kCheckBoxes[i].key;
    EXPECT_EQ(icon.frameCount, 2) << kCheckBoxes[i].key;
    EXPECT_EQ(icon.value, 1.0) << kCheckBoxes[i].key;
  }
  struct Place {
    uint32_t element;
    int32_t x, y;
  };
  for (const Place& place : {Place{18, 325, 428}, Place{19, 325, 473}, Place{20, 402, 59}, Place{21, 490, 40}}) {
    EXPECT_EQ(cockpit.element(kOptions, place.element).x, place.x) << place.element;
    EXPECT_EQ(cockpit.element(kOptions, place.element).y, place.y) << place.element;
  }
  // The notice's one box stands 3 px right of and below the corner of the
  // area that toggles it (8, 222).
  const platform::ELEMENT_HEADER& notice = cockpit.element("Center Updated", 1);
  EXPECT_EQ(notice.x, 11);
  EXPECT_EQ(notice.y, 225);
  EXPECT_EQ(notice.frameCount, 2);
  EXPECT_EQ(notice.value, 1.0);
}

// The percentage beside the fd_mod slider is of the number the file holds,
// also outside the 0..10 the page's controls give: ten times it, truncated,
// saturated at the ends of the integers and cut to the text's 7 characters.
TEST(CenterOptions, TheFdModPercentageShowsTheNumberReadOnEitherSideOfTheControlsRange) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[OPTIONS]\r\nfd_mod=100\r\n");
  cockpit.start().draw();
  EXPECT_EQ(cockpit.elementText(kOptions, 21), "1000%") << "as read from the file";
  struct Sample {
    int32_t fdMod;
    const char* text;
  };
  for (const Sample& sample : {Sample{0, "  0%"}, Sample{1, " 10%"}, Sample{9, " 90%"}, Sample{10, "100%"},
                               Sample{99, "990%"}, Sample{100, "1000%"}, Sample{-1, "-10%"}, Sample{-3, "-30%"},
                               Sample{214748364, "2147483"}, Sample{214748365, "2147483"},
                               Sample{std::numeric_limits<int32_t>::max(), "2147483"},
                               Sample{std::numeric_limits<int32_t>::min(), "-214748"}}) {
    g_fdMod = sample.fdMod;
    cockpit.draw();
    EXPECT_EQ(cockpit.elementText(kOptions, 21), sample.text) << "fd_mod " << sample.fdMod;
    EXPECT_EQ(cockpit.elementValue(kOptions, 21), 1.0) << "fd_mod " << sample.fdMod;
  }
}

TEST(CenterOptions, SlidersGiveTheirValuesAtThePointerRelativeToTheRectangle) {
  Cockpit cockpit;
  ASSERT_NE(g_soundSystem, nullptr);
  constexpr int32_t kSliderLeft = 42;
  const auto dragFo = [&](int32_t x) { cockpit.mouse(kOptions, kSliderLeft + x, 435, platform::kMouseLeftDrag); };
  dragFo(140);
  EXPECT_EQ(g_soundSystem->GetChannelVolume(0), -1001);
  dragFo(0);
  EXPECT_EQ(g_soundSystem->GetChannelVolume(0), -2000);
  dragFo(280);
  EXPECT_EQ(g_soundSystem->GetChannelVolume(0), -1);
  dragFo(290);
  EXPECT_EQ(g_soundSystem->GetChannelVolume(0), 0);
  EXPECT_EQ(VolumeAtSlider(281), 0);
  EXPECT_EQ(VolumeAtSlider(-10), -2000);
  // The panel channel has its own slider; a plain click on a slider does nothing.
  cockpit.mouse(kOptions, kSliderLeft + 70, 480, platform::kMouseLeftDrag);
  EXPECT_EQ(g_soundSystem->GetChannelVolume(1), -1501) << "70 / 0.14 falls just below 500";
  EXPECT_EQ(g_soundSystem->GetChannelVolume(0), 0);
  EXPECT_FALSE(cockpit.host().CheckClick(kOptions, kSliderLeft + 10, 480).empty());
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue(kOptions, 18), 0.0);
  EXPECT_EQ(cockpit.elementValue(kOptions, 19), -1501.0);

  // The steps: held down, 100 a repeat, within -2000..0.
  cockpit.mouse(kOptions, 25, 480, platform::kMouseDownRepeat);
  EXPECT_EQ(g_soundSystem->GetChannelVolume(1), -1601);
  cockpit.click(kOptions, 345, 480).click(kOptions, 345, 480);
  EXPECT_EQ(g_soundSystem->GetChannelVolume(1), -1401);
  cockpit.click(kOptions, 345, 435);
  EXPECT_EQ(g_soundSystem->GetChannelVolume(0), 0);
  cockpit.click(kOptions, 25, 435);
  EXPECT_EQ(g_soundSystem->GetChannelVolume(0), -100);

  // fd_mod: x = 102 gives 5 and " 50%"; drag and release both set it.
  cockpit.mouse(kOptions, 399 + 102, 65, platform::kMouseLeftDrag).draw();
  EXPECT_EQ(g_fdMod, 5);
  EXPECT_EQ(cockpit.elementText(kOptions, 21), " 50%");
  EXPECT_EQ(cockpit.elementValue(kOptions, 20), 5.0);
  cockpit.mouse(kOptions, 399 + 219, 65, platform::kMouseLeftRelease).draw();
  EXPECT_EQ(g_fdMod, 10);
  EXPECT_EQ(cockpit.elementText(kOptions, 21), "100%");
  EXPECT_EQ(FdModAtSlider(193), 9);
  EXPECT_EQ(FdModAtSlider(194), 10);
  EXPECT_EQ(FdModAtSlider(10), 0);
  EXPECT_EQ(FdModAtSlider(11), 1);
  cockpit.click(kOptions, 625, 65);
  EXPECT_EQ(g_fdMod, 10);
  cockpit.click(kOptions, 380, 65).click(kOptions, 380, 65);
  EXPECT_EQ(g_fdMod, 8);
  cockpit.mouse(kOptions, 399, 65, platform::kMouseLeftDrag).click(kOptions, 380, 65);
  EXPECT_EQ(g_fdMod, 0);
  cockpit.click(kOptions, 625, 65);
  EXPECT_EQ(g_fdMod, 1);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("OPTIONS", "fd_mod"), "1");
  EXPECT_EQ(cockpit.ini("OPTIONS", "volume panel"), "-1401");
  EXPECT_EQ(cockpit.ini("OPTIONS", "volume FO"), "-100");
}

// The simulator moves a slider by its value at the slider's scale: each
// knob stands under the pointer that dragged it, from one end to the other.
TEST(CenterOptions, EachSliderKnobFollowsThePointerAcrossItsTravel) {
  Cockpit cockpit;
  // The knobs stand 3 pixels right of the pointer; fd_mod moves in steps of
  // 20.4 pixels, so its knob stands up to half a step off, and stops at 10.
  struct Drag {
    int32_t rectLeft, y;
    uint32_t element;
    double tolerance;
    int32_t travel;
  };
  for (const Drag drag : {Drag{42, 435, 18, 0.5, 280}, Drag{42, 480, 19, 0.5, 280}, Drag{399, 65, 20, 10.3, 204}}) {
    for (const int32_t x : {0, 70, 102, 140, 204, 280}) {
      if (x > drag.travel) continue;
      SCOPED_TRACE("slider " + std::to_string(drag.element) + " dragged to " + std::to_string(x));
      cockpit.mouse(kOptions, drag.rectLeft + x, drag.y, platform::kMouseLeftDrag).draw();
      const simhost::SliderPoint knob = simhost::SliderPosition(cockpit.element(kOptions, drag.element));
      EXPECT_NEAR(knob.x, drag.rectLeft + x + 3.0, drag.tolerance);
    }
  }
}

TEST(CenterOptions, WithoutASoundPlayerTheVolumeControlsDoNothing) {
  Cockpit cockpit;
  CSoundSystem* player = g_soundSystem;
  g_soundSystem = nullptr;
  cockpit.mouse(kOptions, 42 + 140, 435, platform::kMouseLeftDrag).click(kOptions, 25, 435).click(kOptions, 345, 480);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue(kOptions, 18), 0.0);
  g_soundSystem = player;
  EXPECT_EQ(g_soundSystem->GetChannelVolume(0), 0);
  EXPECT_EQ(g_soundSystem->GetChannelVolume(1), 0);
}

// Every control of the Center pages and the pushback popup reports the
// event handled, the volume controls also without a sound player.
TEST(CenterOptions, EveryControlOfThePagesReportsTheEventHandled) {
  Cockpit cockpit;
  CSoundSystem* player = g_soundSystem;
  for (const bool withPlayer : {true, false}) {
    g_soundSystem = withPlayer ? player : nullptr;
    for (const char* gauge : {kDispatch, kOptions, "Center Updated", "Pushback"}) {
      int32_t controls = 0;
      for (const platform::MOUSERECT* rect = cockpit.gauge(gauge)->mouseRects; rect->type != platform::kMouseRectEnd;
           ++rect) {
        if (rect->function == nullptr) continue;
        ++controls;
        EXPECT_EQ(rect->function({0, 0}, rect->mouseFlags), 1)
            << gauge << " " << rect->functionName << (withPlayer ? "" : " without a sound player");
      }
      EXPECT_GT(controls, 0) << gauge;
    }
  }
  g_soundSystem = player;
}

// ---- Pushback ----

TEST(Pushback, EachAreaStartsItsSequenceAndClosesTheWindow) {
  Cockpit cockpit;
  cockpit.setWindowVisible(kPanelWindowPushback, true);
  cockpit.click("Pushback", 100, 150);
  EXPECT_EQ(GetGroundComStep(1), 1);
  EXPECT_EQ(GetGroundComStep(2), 0);
  EXPECT_FALSE(cockpit.isWindowVisible(kPanelWindowPushback));
  EXPECT_EQ(cockpit.windowEvents(), std::vector<std::string>{"close 10270"});

  cockpit.clearKeyEvents().click("Pushback", 300, 150);
  EXPECT_EQ(GetGroundComStep(2), 1);
  EXPECT_EQ(cockpit.windowEvents(), std::vector<std::string>{"close 10270"});
}

TEST(Pushback, BothSequencesAndTheCloseBox) {
  Cockpit cockpit;
  cockpit.click("Pushback", 400, 300);
  EXPECT_EQ(GetGroundComStep(1), 1);
  EXPECT_TRUE(IsGroundCrewSequenceStarted());
  cockpit.clearKeyEvents().click("Pushback", 570, 10);
  EXPECT_EQ(cockpit.windowEvents(), std::vector<std::string>{"close 10270"});
  EXPECT_EQ(GetGroundComStep(1), 1) << "the close box starts nothing";
  EXPECT_FALSE(cockpit.host().CheckClick("Pushback", 260, 150).empty()) << "between the two areas";
}

}  // namespace
}  // namespace halcyon::test

namespace halcyon::test {
namespace {

TEST(CenterDispatch, FuelThatIsNoNumberOpensThePageWithFiniteValuesAndBoundedTexts) {
  Cockpit cockpit;
  cockpit.set(Token::FuelWeightLbPerGallon, 6.7);
  cockpit.set(Token::FuelLeftGal, std::nan("")).set(Token::FuelCenterGal, 1.0e300).set(Token::FuelRightGal, -1.0e300);
  SetPayloadView(1);
  SetFuelView(1);
  cockpit.setWindowVisible(kDispatchWindow, true).runTicks(1).draw();
  for (uint32_t n = 0; n < kDispatchElementCount; ++n) {
    EXPECT_TRUE(std::isfinite(cockpit.elementValue(kDispatch, n))) << "element " << n;
    EXPECT_LT(cockpit.elementText(kDispatch, n).size(), 72u) << "element " << n;
  }
}

}  // namespace
}  // namespace halcyon::test
