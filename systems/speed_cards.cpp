// [SPEED CARDS]: the take-off and landing speed cards.
#include "systems/speed_cards.h"

#include "core/controls.h"
#include "core/ini_values.h"
#include "fmc/fms.h"
#include "systems/speed_bugs.h"

namespace halcyon {
namespace {

constexpr const wchar_t* kSection = L"SPEED CARDS";

using CardRow = int16_t[kSpeedCardValues];

// V1, VR, V2 and two more speeds a row, by weight band.
constexpr CardRow kTakeoffTable1[kTakeoffCardRows] = {
    {103, 119, 127, 132, 157}, {111, 121, 129, 134, 165}, {119, 125, 133, 138, 173}, {125, 131, 139, 144, 181},
    {132, 137, 144, 149, 188}, {138, 143, 150, 155, 195}, {145, 149, 155, 160, 202}, {152, 154, 161, 166, 209},
};
constexpr CardRow kTakeoffTable2[kTakeoffCardRows] = {
    {99, 115, 126, 141, 157},  {106, 115, 126, 141, 165}, {114, 120, 128, 143, 173}, {120, 126, 134, 149, 181},
    {127, 132, 139, 154, 188}, {134, 138, 145, 160, 195}, {141, 144, 150, 165, 202}, {146, 150, 155, 170, 209},
};
constexpr CardRow kLandingTable[kLandingCardRows] = {
    {190, 148, 129, 111, 107}, {194, 152, 131, 114, 110}, {199, 155, 134, 116, 112}, {203, 159, 136, 118, 114},
    {207, 162, 139, 121, 117}, {211, 165, 142, 123, 119}, {215, 168, 144, 125, 121}, {219, 171, 147, 128, 123},
    {223, 174, 149, 130, 126}, {227, 177, 152, 132, 128}, {230, 180, 154, 134, 130}, {234, 183, 157, 136, 132},
    {237, 186, 159, 138, 134}, {241, 188, 162, 140, 136}, {244, 191, 164, 142, 138}, {248, 194, 166, 144, 139},
    {251, 197, 169, 146, 141}, {255, 199, 171, 148, 143}, {258, 202, 173, 150, 145}, {260, 203, 174, 151, 146},
};

// Which value of the row each of bugs 1..4 takes, by kind 2..5.
constexpr int32_t kBugValues[4][4] = {{1, 3, 4, 5}, {1, 3, 4, 5}, {1, 2, 3, 4}, {1, 2, 3, 5}};

// Take-off weight bands: up to 95000 lb row 0, then a row for each 10000 lb,
// above 155000 lb row 7.
constexpr int32_t kTakeoffFirstBandLb = 95000;
constexpr int32_t kTakeoffBandLb = 10000;
// Landing weight bands: up to 88000 lb row 0, a row for each 4000 lb up to
// 144000 lb (row 14); then the heavier bands below.
constexpr int32_t kLandingFirstBandLb = 88000;
constexpr int32_t kLandingBandLb = 4000;
constexpr int32_t kLandingEvenBandsEndLb = 144000;
struct HeavyBand {
  int32_t uptoLb;
  int32_t row;
};
// 144001 to 148000 lb falls between the card's bands; it takes the next
// heavier card (row 15), which gives the higher speeds.
constexpr HeavyBand kHeavyLandingBands[] = {{152000, 15}, {156000, 16}, {159000, 17}};
constexpr int32_t kHeaviestLandingRow = 18;  // row 19 only by the gauge's increment

int32_t g_type = kSpeedCardTakeoff;
int32_t g_takeoffRow = 4;
int32_t g_landingRow = 10;

bool IsTakeoffKind(int32_t kind) { return kind == kSpeedCardTakeoffTable1 || kind == kSpeedCardTakeoffTable2; }
bool IsKnownKind(int32_t kind) { return kind >= kSpeedCardTakeoffTable1 && kind <= kSpeedCardLandingBug4Value5; }

// Rows of whole bands: the band w falls in, counting from the first band's top.
int32_t BandRow(int32_t pounds, int32_t firstBandLb, int32_t bandLb) {
  if (pounds <= firstBandLb) return 0;
  const int64_t over = static_cast<int64_t>(pounds) - firstBandLb;
  return static_cast<int32_t>((over + bandLb - 1) / bandLb);
}

int32_t TakeoffRowForWeight(int32_t pounds) {
  const int32_t row = BandRow(pounds, kTakeoffFirstBandLb, kTakeoffBandLb);
  return row < kTakeoffCardRows - 1 ? row : kTakeoffCardRows - 1;
}

int32_t LandingRowForWeight(int32_t pounds) {
  if (pounds <= kLandingEvenBandsEndLb) return BandRow(pounds, kLandingFirstBandLb, kLandingBandLb);
  for (const HeavyBand& band : kHeavyLandingBands) {
    if (pounds <= band.uptoLb) return band.row;
  }
  return kHeaviestLandingRow;
}

// The Speed Cards gauge's buttons, and the gross weight the dispatch pages
// choose the cards from, which the host and the tests press by name until the
// gauge is drawn.
void RegisterSpeedCardControls() {
  constexpr const wchar_t* kGauge = L"Speed Cards";
  RegisterControl(kGauge, L"type", nullptr, [](int32_t) { ToggleSpeedCardType(); });
  RegisterControl(kGauge, L"weight_inc", nullptr, [](int32_t) { IncSpeedCardWeight(); });
  RegisterControl(kGauge, L"weight_dec", nullptr, [](int32_t) { DecSpeedCardWeight(); });
  RegisterControl(kGauge, L"set_bugs_1", nullptr, [](int32_t) {
    if (g_type == kSpeedCardTakeoff) SetSpeedBugsFromCard(kSpeedCardTakeoffTable1);
    if (g_type == kSpeedCardLanding) SetSpeedBugsFromCard(kSpeedCardLandingBug4Vref);
  });
  RegisterControl(kGauge, L"set_bugs_2", nullptr, [](int32_t) {
    if (g_type == kSpeedCardTakeoff) SetSpeedBugsFromCard(kSpeedCardTakeoffTable2);
    if (g_type == kSpeedCardLanding) SetSpeedBugsFromCard(kSpeedCardLandingBug4Value5);
  });
  RegisterControl(kGauge, L"takeoff_weight", nullptr,
                  [](int32_t pounds) { SetSpeedBugsForWeight(kSpeedCardTakeoffTable2, pounds); });
  RegisterControl(kGauge, L"landing_weight", nullptr,
                  [](int32_t pounds) { SetSpeedBugsForWeight(kSpeedCardLandingBug4Value5, pounds); });
  for (const wchar_t* key : {L"takeoff_weight", L"landing_weight"}) {
    DescribeControlAction(kGauge, key, "the speed bugs being set for a weight");
  }
}
const ControlsAtLoad kSpeedCardControlsAtLoad{RegisterSpeedCardControls};

}  // namespace

void LoadSpeedCards() {
  g_type = ReadIniInt(kSection, L"type", L"0", kIniSwitchBuffer);
  // A saved row off its table is held to the nearest row, never used to index past it.
  g_takeoffRow = static_cast<int32_t>(ReadIniIndex(kSection, L"to_weight", L"4", kTakeoffCardRows - 1));
  g_landingRow = static_cast<int32_t>(ReadIniIndex(kSection, L"land_weight", L"10", kLandingCardRows - 1));
}

void SaveSpeedCards() {
  WriteIniInt(kSection, L"type", g_type);
  WriteIniInt(kSection, L"to_weight", g_takeoffRow);
  WriteIniInt(kSection, L"land_weight", g_landingRow);
}

int32_t GetSpeedCardType() { return g_type; }
int32_t GetTakeoffCardRow() { return g_takeoffRow; }
int32_t GetLandingCardRow() { return g_landingRow; }

double GetSpeedCardIndex() {
  if (g_type == kSpeedCardTakeoff) return g_takeoffRow;
  if (g_type == kSpeedCardLanding) return g_landingRow + kTakeoffCardRows;
  return 0.0;
}

void ToggleSpeedCardType() { g_type = g_type != kSpeedCardTakeoff ? kSpeedCardTakeoff : kSpeedCardLanding; }

void IncSpeedCardWeight() {
  if (g_type == kSpeedCardTakeoff && g_takeoffRow < kTakeoffCardRows - 1) ++g_takeoffRow;
  if (g_type == kSpeedCardLanding && g_landingRow < kLandingCardRows - 1) ++g_landingRow;
}

void DecSpeedCardWeight() {
  if (g_type == kSpeedCardTakeoff && g_takeoffRow > 0) --g_takeoffRow;
  if (g_type == kSpeedCardLanding && g_landingRow >= 1) --g_landingRow;
}

int32_t GetSpeedCardValue(int32_t kind, int32_t row, int32_t value) {
  if (value < 1 || value > kSpeedCardValues || row < 0) return 0;
  if (IsTakeoffKind(kind)) {
    if (row >= kTakeoffCardRows) return 0;
    return (kind == kSpeedCardTakeoffTable1 ? kTakeoffTable1 : kTakeoffTable2)[row][value - 1];
  }
  if (!IsKnownKind(kind) || row >= kLandingCardRows) return 0;
  return kLandingTable[row][value - 1];
}

void SetSpeedBugsFromCard(int32_t kind) {
  if (!IsKnownKind(kind)) return;
  const int32_t row = IsTakeoffKind(kind) ? g_takeoffRow : g_landingRow;
  for (int32_t bug = 1; bug <= 4; ++bug) {
    SetSpeedBug(bug, GetSpeedCardValue(kind, row, kBugValues[kind - kSpeedCardTakeoffTable1][bug - 1]));
  }
}

// The card of that weight becomes the card shown for its kind.
void SetSpeedBugsForWeight(int32_t kind, int32_t pounds) {
  if (!IsKnownKind(kind)) return;
  if (IsTakeoffKind(kind)) {
    g_takeoffRow = TakeoffRowForWeight(pounds);
  } else {
    g_landingRow = LandingRowForWeight(pounds);
  }
  SetSpeedBugsFromCard(kind);
  if (!IsTakeoffKind(kind)) return;
  g_fms.SetTakeoffSpeeds(static_cast<uint32_t>(GetSpeedCardValue(kind, g_takeoffRow, 1)),
                         GetSpeedCardValue(kind, g_takeoffRow, 2),
                         static_cast<uint32_t>(GetSpeedCardValue(kind, g_takeoffRow, 3)));
}

}  // namespace halcyon
