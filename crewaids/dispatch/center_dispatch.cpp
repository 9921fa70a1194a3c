// The dispatch page: element values from the load plan and the load sheet,
// the view switching of the pre-draw, and the page's buttons.
#include "crewaids/dispatch/center_dispatch.h"

#include <array>
#include <cinttypes>
#include <cstdarg>
#include <cstdio>
#include <utility>

#include "core/helpers.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "core/panel_windows.h"
#include "crewaids/dispatch/departure_plan.h"
#include "crewaids/dispatch/dispatch_model.h"
#include "crewaids/dispatch/load_sheet.h"
#include "crewaids/options/center_options.h"
#include "fmc/fms.h"
#include "gauges/gauge_kit.h"
#include "gauges/mouse_tables.h"
#include "host/payload_traffic.h"
#include "platform/system.h"
#include "systems/speed_cards.h"
#include "systems/unit_system.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::ElementCallback;

constexpr int32_t kFuelFullLb = 39128;
constexpr int32_t kCargoFullLb = 9396;
constexpr uint32_t kKeyEventOpenWindow = 66507;

// Each text element writes into its own line; the load-sheet lines are the
// longest (63 characters).
constexpr size_t kTextChars = 72;
char g_text[kDispatchElementCount][kTextChars] = {};

double WriteText(ELEMENT_HEADER* element, uint32_t position, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

double WriteText(ELEMENT_HEADER* element, uint32_t position, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vsnprintf(g_text[position], kTextChars, format, args);
  va_end(args);
  if (element != nullptr) element->text = g_text[position];
  return 1.0;
}

bool FuelFigures() { return GetFuelView() == 1; }
bool PayloadFigures() { return GetPayloadView() == 1; }
int32_t DisplayWeight(int64_t pounds) { return TruncateSaturated<int32_t>(ToDisplayWeight(static_cast<double>(pounds))); }

// ---- Summaries (positions 8 and 9): the percentage truncated ----
double FuelSummary(ELEMENT_HEADER* element) {
  if (FuelFigures()) return WriteText(element, 8, "%s", "");
  const int64_t total = GetFuelQuantity(3);
  const int64_t percent = total * 100 / kFuelFullLb;
  return WriteText(element, 8, IsMetricUnits() ? "%5dKGS - %3" PRId64 "%%" : "%5dLBS - %3" PRId64 "%%",
                   DisplayWeight(total), percent);
}

double PassengerSummary(ELEMENT_HEADER* element) {
  if (PayloadFigures()) return WriteText(element, kDispatchPaxSummary, "%s", "");
  const int32_t count = GetPassengerCount();
  return WriteText(element, kDispatchPaxSummary, "%3d PAX - %3d%%", count, count * 100 / kSeatCount);
}

// ---- Load sheet (positions 10..24: line 15 down to line 1) ----
template <uint32_t kPosition>
double SheetLine(ELEMENT_HEADER* element) {
  constexpr int32_t line = static_cast<int32_t>(kDispatchFirstSheetLine + kLoadSheetLines - 1 - kPosition) + 1;
  return WriteText(element, kPosition, "%s", WideToAnsi(GetLoadSheetLine(line)));
}

// ---- Pictures ----
double FuelViewIcon(ELEMENT_HEADER*) { return GetFuelView(); }
double PayloadViewIcon(ELEMENT_HEADER*) { return GetPayloadView(); }

template <int32_t kTank>
double TankPicture(ELEMENT_HEADER*) {
  return FuelFigures() ? 0.0 : GetFuelQuantity(kTank);
}
double FuelPictureBar(ELEMENT_HEADER*) {
  return FuelFigures() ? kFuelFullLb : static_cast<double>(kFuelFullLb) - GetFuelQuantity(3);
}
double CabinPictureBar(ELEMENT_HEADER*) { return PayloadFigures() ? kSeatCount : kSeatCount - GetPassengerCount(); }

template <int32_t kSeat>
double Seat(ELEMENT_HEADER*) {
  return GetDispatchValue(kSeat);
}

// ---- The figures view: bars of the room left and figure texts ----
int32_t TotalFuel() { return GetFuelQuantity(3); }
int32_t CenterFuel() { return GetFuelQuantity(1); }
int32_t RightFuel() { return GetFuelQuantity(2); }
int32_t LeftFuel() { return GetFuelQuantity(0); }
int32_t AllCargo() { return GetDispatchWeight(3); }
int32_t CargoA1() { return GetDispatchWeight(2); }
int32_t CargoF2() { return GetDispatchWeight(1); }
int32_t CargoF1() { return GetDispatchWeight(0); }
int32_t AllPassengers() { return GetPassengerCount(); }
int32_t Children() { return CountDispatchItems(kSeatChild); }
int32_t Females() { return CountDispatchItems(kSeatFemale); }
int32_t Males() { return CountDispatchItems(kSeatMale); }

struct Figure {
  int32_t (*value)();
  int32_t full;
  bool fuel;                  // shown in the fuel figures view, else in the payload one
  const char* label;          // a weight's label ("CTR  : "), or a count's whole format
  bool weight;
};

// Positions 25..36 (bars) and 37..48 (texts) show these in the same order.
constexpr Figure kFigures[] = {
    {TotalFuel, kFuelFullLb, true, "TOTAL: ", true},
    {CenterFuel, kTankCapacityLb[1], true, "CTR  : ", true},
    {RightFuel, kTankCapacityLb[2], true, "RIGHT: ", true},
    {LeftFuel, kTankCapacityLb[0], true, "LEFT : ", true},
    {AllCargo, kCargoFullLb, false, "TOTAL: ", true},
    {CargoA1, kHoldLimitLb[2], false, "A1   : ", true},
    {CargoF2, kHoldLimitLb[1], false, "F2   : ", true},
    {CargoF1, kHoldLimitLb[0], false, "F1   : ", true},
    {AllPassengers, kSeatCount, false, "TOTAL : %3d - %3d%%", false},
    {Children, kSeatCount, false, "CHILD : %3d - %3d%%", false},
    {Females, kSeatCount, false, "FEMALE: %3d - %3d%%", false},
    {Males, kSeatCount, false, "MALE  : %3d - %3d%%", false},
};
constexpr uint32_t kFigureCount = std::size(kFigures);

bool FigureShown(const Figure& figure) { return figure.fuel ? FuelFigures() : PayloadFigures(); }

template <uint32_t kIndex>
double FigureBar(ELEMENT_HEADER*) {
  const Figure& figure = kFigures[kIndex];
  // In doubles: a tank quantity taken from the simulator may be any whole number.
  return FigureShown(figure) ? static_cast<double>(figure.full) - figure.value() : figure.full;
}

template <uint32_t kIndex>
double FigureText(ELEMENT_HEADER* element) {
  constexpr uint32_t position = kDispatchFirstFuelFigure + kIndex;
  const Figure& figure = kFigures[kIndex];
  if (!FigureShown(figure)) return WriteText(element, position, "%s", "");
  const int64_t value = figure.value();
  // Rounded, and always of the pounds.
  const auto percent = static_cast<int32_t>(static_cast<double>(value) * 100.0 / figure.full + 0.5);
  if constexpr (!kFigures[kIndex].weight) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    return WriteText(element, position, figure.label, static_cast<int32_t>(value), percent);
#pragma GCC diagnostic pop
  }
  return WriteText(element, position, IsMetricUnits() ? "%s%5dKGS %3d%%" : "%s%5dLBS %3d%%", figure.label,
                   DisplayWeight(value), percent);
}

// ---- The element list, built in loops ----
// Every text of the page is white bold "Courier New": its columns line up.
constexpr const char* kPageFont = "Courier New";
constexpr int32_t kBold = 700;
constexpr uint32_t kWhite = 0xFFFFFF;

constexpr platform::ELEMENT_HEADER Text(const char* name, int32_t x, int32_t y, int32_t chars, ElementCallback callback) {
  return InColors(TextElement(name, x, y, 8 * chars, 14, callback, kPageFont, kBold), kWhite);
}

constexpr platform::ELEMENT_HEADER Bar(const char* name, int32_t x, int32_t y, double scale, ElementCallback callback) {
  return MovingImage(name, x, y, 0.0, scale, callback);
}

template <size_t... I>
constexpr std::array<ElementCallback, sizeof...(I)> SheetCallbacks(std::index_sequence<I...>) {
  return {SheetLine<kDispatchFirstSheetLine + I>...};
}
template <size_t... I>
constexpr std::array<ElementCallback, sizeof...(I)> BarCallbacks(std::index_sequence<I...>) {
  return {FigureBar<I>...};
}
template <size_t... I>
constexpr std::array<ElementCallback, sizeof...(I)> TextCallbacks(std::index_sequence<I...>) {
  return {FigureText<I>...};
}
template <size_t... I>
constexpr std::array<ElementCallback, sizeof...(I)> SeatCallbacks(std::index_sequence<I...>) {
  return {Seat<I>...};
}

// The seat map from the front: 23 rows of three seats, the aisle and two
// seats, then 7 rows of three.
constexpr int32_t kSeatPitch = 16;
constexpr int32_t kRowPitch = 17;
constexpr int32_t kFiveAbreastRows = 23;

constexpr platform::PixelPoint SeatPlace(int32_t seat) {
  const bool front = seat < kFiveAbreastRows * 5;
  const int32_t row = front ? seat / 5 : kFiveAbreastRows + (seat - kFiveAbreastRows * 5) / 3;
  const int32_t column = front ? seat % 5 : (seat - kFiveAbreastRows * 5) % 3;
  return {20 + column * kSeatPitch + (column >= 3 ? 10 : 0), 30 + row * kRowPitch};
}

struct Definitions {
  platform::ELEMENT_HEADER element[kDispatchElementCount];
};

constexpr Definitions MakeDefinitions() {
  Definitions d{};
  d.element[0] = StaticImage("Center Dispatch background");
  d.element[1] = Icon("fuel view", 616, 142, 2, FuelViewIcon);
  d.element[2] = Icon("payload view", 616, 2, 2, PayloadViewIcon);
  d.element[3] = MovingImage("left tank picture", 660, 250, 0.0, kTankCapacityLb[0], TankPicture<0>);
  d.element[4] = MovingImage("right tank picture", 760, 250, 0.0, kTankCapacityLb[2], TankPicture<2>);
  d.element[5] = MovingImage("center tank picture", 710, 250, 0.0, kTankCapacityLb[1], TankPicture<1>);
  d.element[6] = Bar("fuel picture bar", 640, 290, kFuelFullLb, FuelPictureBar);
  d.element[7] = Bar("cabin picture bar", 640, 110, kSeatCount, CabinPictureBar);
  d.element[8] = Text("fuel summary", 640, 310, 23, FuelSummary);
  d.element[kDispatchPaxSummary] = Text("passenger summary", 640, 125, 23, PassengerSummary);
  const auto sheet = SheetCallbacks(std::make_index_sequence<kLoadSheetLines>());
  for (uint32_t i = 0; i < kLoadSheetLines; ++i) {
    // Line 1 at the top of the sheet.
    d.element[kDispatchFirstSheetLine + i] =
        Text("load sheet line", 200, 500 - static_cast<int32_t>(i) * 15, 64, sheet[i]);
  }
  const auto bars = BarCallbacks(std::make_index_sequence<kFigureCount>());
  const auto texts = TextCallbacks(std::make_index_sequence<kFigureCount>());
  for (uint32_t i = 0; i < kFigureCount; ++i) {
    // Fuel beside the tank buttons, cargo beside the hold buttons, passengers
    // beside theirs.
    const int32_t y = (kFigures[i].fuel ? 160 : 20) + static_cast<int32_t>(i % 4) * 28;
    const int32_t x = i >= 4 && i < 8 ? 610 : 380;
    d.element[kDispatchFirstFuelBar + i] = Bar("figure bar", x, y + 14, kFigures[i].full, bars[i]);
    d.element[kDispatchFirstFuelFigure + i] = Text("figure", x, y, 23, texts[i]);
  }
  const auto seats = SeatCallbacks(std::make_index_sequence<kSeatCount>());
  for (int32_t seat = 0; seat < kSeatCount; ++seat) {
    const platform::PixelPoint place = SeatPlace(seat);
    d.element[kDispatchFirstSeat + seat] = Icon("seat", place.x, place.y, 2, seats[seat]);
  }
  return d;
}

constexpr Definitions kDefinitions = MakeDefinitions();
ElementChain<kDispatchElementCount> g_elements(kDefinitions.element);

void ShowRange(platform::GAUGEHDR* gauge, uint32_t first, uint32_t count, bool shown) {
  for (uint32_t n = first; n < first + count; ++n) ShowElement(gauge, n, shown);
}

// The minus and plus buttons of the payload figures and of the tanks: their
// cursors show the arrows only while the figures are on view.
struct StepButton {
  platform::MouseFunction function;
  bool minus;
  bool fuel;
};
constexpr StepButton kStepButtons[] = {
    {CenterDispatchMouseMaleDec, true, false},       {CenterDispatchMouseMaleInc, false, false},
    {CenterDispatchMouseFemaleDec, true, false},     {CenterDispatchMouseFemaleInc, false, false},
    {CenterDispatchMouseChildDec, true, false},      {CenterDispatchMouseChildInc, false, false},
    {CenterDispatchMouseF1Dec, true, false},         {CenterDispatchMouseF1Inc, false, false},
    {CenterDispatchMouseF2Dec, true, false},         {CenterDispatchMouseF2Inc, false, false},
    {CenterDispatchMouseA1Dec, true, false},         {CenterDispatchMouseA1Inc, false, false},
    {CenterDispatchMouseLeftTankDec, true, true},    {CenterDispatchMouseLeftTankInc, false, true},
    {CenterDispatchMouseRightTankDec, true, true},   {CenterDispatchMouseRightTankInc, false, true},
    {CenterDispatchMouseCenterTankDec, true, true},  {CenterDispatchMouseCenterTankInc, false, true},
};

void SetStepCursors() {
  for (platform::MOUSERECT* rect = g_centerDispatchMouseRects; rect->type != platform::kMouseRectEnd; ++rect) {
    for (const StepButton& button : kStepButtons) {
      if (rect->function != button.function) continue;
      const bool figures = button.fuel ? FuelFigures() : PayloadFigures();
      rect->cursor = !figures ? platform::kCursorNormal
                     : button.minus ? platform::kCursorDownArrow
                                    : platform::kCursorUpArrow;
    }
  }
}

// An edit of the plan, then the sheet built again.
int32_t Edit(void (*edit)()) {
  edit();
  BuildLoadSheet();
  return 1;
}

template <void (*kEdit)(uint32_t), uint32_t kArgument>
void Bind() {
  kEdit(kArgument);
}
template <void (*kEdit)(int32_t), int32_t kArgument>
void BindInt() {
  kEdit(kArgument);
}

}  // namespace

platform::ELEMENT_HEADER* CenterDispatchElements() { return g_elements.Head(); }

void CenterDispatchGaugeCallback(platform::GAUGEHDR* gauge, uint32_t service, uintptr_t) {
  if (service == platform::kServicePanelOpened) {
    // Opening the page takes the fuel the simulator has on board.
    ReadFuelFromSimulator();
    BuildLoadSheet();
    return;
  }
  if (service != platform::kServicePreDraw) return;
  const bool payload = PayloadFigures();
  ShowRange(gauge, kDispatchFirstFuelBar + 4, 8, payload);
  ShowRange(gauge, kDispatchFirstFuelFigure + 4, 8, payload);
  ShowElement(gauge, kDispatchPaxSummary, !payload);
  const bool fuel = FuelFigures();
  ShowRange(gauge, kDispatchFirstFuelBar, 4, fuel);
  ShowRange(gauge, kDispatchFirstFuelFigure, 4, fuel);
  SetStepCursors();
}

int32_t CenterDispatchMouseAddRandomPassenger(platform::PixelPoint, uint32_t) { return Edit(AddRandomPassenger); }
int32_t CenterDispatchMouseRemoveRandomPassenger(platform::PixelPoint, uint32_t) {
  return Edit(RemoveRandomPassenger);
}
int32_t CenterDispatchMouseClearPayload(platform::PixelPoint, uint32_t) { return Edit(ClearPayload); }
int32_t CenterDispatchMouseFillPayload(platform::PixelPoint, uint32_t) { return Edit(FillPayload); }
int32_t CenterDispatchMouseRandomPayload(platform::PixelPoint, uint32_t) { return Edit(RandomPayload); }
int32_t CenterDispatchMouseAddFuel(platform::PixelPoint, uint32_t) { return Edit(AddFuelBalanced); }
int32_t CenterDispatchMouseRemoveFuel(platform::PixelPoint, uint32_t) { return Edit(RemoveFuelBalanced); }
int32_t CenterDispatchMouseClearFuel(platform::PixelPoint, uint32_t) { return Edit(ClearFuel); }
int32_t CenterDispatchMouseFillFuel(platform::PixelPoint, uint32_t) { return Edit(FillFuel); }
int32_t CenterDispatchMouseRandomFuel(platform::PixelPoint, uint32_t) { return Edit(RandomFuel); }

int32_t CenterDispatchMousePayloadView(platform::PixelPoint, uint32_t) {
  SetPayloadView(GetPayloadView() == 0 ? 1 : 0);
  return 1;
}

int32_t CenterDispatchMouseFuelView(platform::PixelPoint, uint32_t) {
  SetFuelView(GetFuelView() == 0 ? 1 : 0);
  return 1;
}

int32_t CenterDispatchMouseMaleDec(platform::PixelPoint, uint32_t) { return Edit(Bind<RemoveDispatchItem, kSeatMale>); }
int32_t CenterDispatchMouseMaleInc(platform::PixelPoint, uint32_t) { return Edit(Bind<AddDispatchItem, kSeatMale>); }
int32_t CenterDispatchMouseFemaleDec(platform::PixelPoint, uint32_t) {
  return Edit(Bind<RemoveDispatchItem, kSeatFemale>);
}
int32_t CenterDispatchMouseFemaleInc(platform::PixelPoint, uint32_t) { return Edit(Bind<AddDispatchItem, kSeatFemale>); }
int32_t CenterDispatchMouseChildDec(platform::PixelPoint, uint32_t) { return Edit(Bind<RemoveDispatchItem, kSeatChild>); }
int32_t CenterDispatchMouseChildInc(platform::PixelPoint, uint32_t) { return Edit(Bind<AddDispatchItem, kSeatChild>); }
int32_t CenterDispatchMouseF1Dec(platform::PixelPoint, uint32_t) { return Edit(BindInt<SetDispatchFieldB, 0>); }
int32_t CenterDispatchMouseF1Inc(platform::PixelPoint, uint32_t) { return Edit(BindInt<SetDispatchFieldA, 0>); }
int32_t CenterDispatchMouseF2Dec(platform::PixelPoint, uint32_t) { return Edit(BindInt<SetDispatchFieldB, 1>); }
int32_t CenterDispatchMouseF2Inc(platform::PixelPoint, uint32_t) { return Edit(BindInt<SetDispatchFieldA, 1>); }
int32_t CenterDispatchMouseA1Dec(platform::PixelPoint, uint32_t) { return Edit(BindInt<SetDispatchFieldB, 2>); }
int32_t CenterDispatchMouseA1Inc(platform::PixelPoint, uint32_t) { return Edit(BindInt<SetDispatchFieldA, 2>); }
int32_t CenterDispatchMouseLeftTankDec(platform::PixelPoint, uint32_t) {
  return Edit(BindInt<DecreaseDispatchValue, 0>);
}
int32_t CenterDispatchMouseLeftTankInc(platform::PixelPoint, uint32_t) {
  return Edit(BindInt<IncreaseDispatchValue, 0>);
}
int32_t CenterDispatchMouseRightTankDec(platform::PixelPoint, uint32_t) {
  return Edit(BindInt<DecreaseDispatchValue, 2>);
}
int32_t CenterDispatchMouseRightTankInc(platform::PixelPoint, uint32_t) {
  return Edit(BindInt<IncreaseDispatchValue, 2>);
}
int32_t CenterDispatchMouseCenterTankDec(platform::PixelPoint, uint32_t) {
  return Edit(BindInt<DecreaseDispatchValue, 1>);
}
int32_t CenterDispatchMouseCenterTankInc(platform::PixelPoint, uint32_t) {
  return Edit(BindInt<IncreaseDispatchValue, 1>);
}

int32_t CenterDispatchMouseDeparturePlan(platform::PixelPoint, uint32_t) {
  WriteDeparturePlan();
  // The card opens in the text editor; what the shell answers changes nothing here.
  if (!platform::ShellExecuteRequest({L"notepad.exe", L"open", kDeparturePlanPath, platform::kShowWindowShow,
                                      platform::kShellMaskEnvSubst})) {
    platform::Trace("Center Dispatch: the departure plan could not be opened in notepad.exe");
  }
  return 1;
}

int32_t CenterDispatchMouseLoad(platform::PixelPoint, uint32_t) {
  if (GetOption(kOptionUpdatedNoShow) == 0) TriggerKeyEvent(kKeyEventOpenWindow, kPanelWindowUpdated);
  WritePayloadAndFuel();
  return 1;
}

int32_t CenterDispatchMouseFms(platform::PixelPoint, uint32_t) {
  g_fms.SetPerfInitWeights(GetZeroFuelWeight(), GetFuelQuantity(3));
  SetSpeedBugsForWeight(kSpeedCardTakeoffTable2, TruncateSaturated<int32_t>(static_cast<double>(GetTakeoffWeight()) - kTaxiFuelLb));
  ShowPanelWindow(kPanelWindowCdu);
  return 1;
}

}  // namespace halcyon
