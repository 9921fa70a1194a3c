// The dispatch load plan: seats, holds and tanks, the random loads, the
// balanced fuel steps, the weight sums and the take-off centre of gravity.
#include "crewaids/dispatch/dispatch_model.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <limits>

#include "core/helpers.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "platform/ini.h"
#include "platform/system.h"

namespace halcyon {

namespace {

constexpr int32_t kKindWeightLb[4] = {0, 175, 135, 80};
constexpr int32_t kCargoStepLb = 10;
constexpr int32_t kFuelStepLb = 25;
constexpr int32_t kCenterStepWingsFullLb = 250;  // a fixed amount, whatever the click speed
constexpr int32_t kTankStepLb = 100;
constexpr int32_t kAllTanksLb = 39128;
// Random fuel below this many pounds goes into the wings alone.
constexpr int32_t kRandomFuelWingsOnlyLb = 18533;
constexpr int32_t kBaggageMaxLb = 40;  // 0..39 lb with each random passenger
constexpr int32_t kZoneFirstSeat[5] = {0, 35, 75, 110, kSeatCount};
// The holds a random passenger's baggage goes to, in order of preference.
constexpr int32_t kBaggageOrder[3][3] = {{0, 1, 2}, {1, 0, 2}, {2, 1, 0}};

constexpr int32_t kLeft = 0;
constexpr int32_t kCenter = 1;
constexpr int32_t kRight = 2;

uint32_t g_seats[kSeatCount] = {};
int32_t g_passengerCount = 0;
int32_t g_holdLb[kHoldCount] = {};
int32_t g_tankLb[kTankCount] = {};
uint32_t g_payloadView = 0;
uint32_t g_fuelView = 0;

void Log(const char* text) { platform::Trace(text); }

int32_t Draw(int32_t n) { return platform::Random() % n; }

int32_t Saturate(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

uint32_t RandomKind() {
  const int32_t r = Draw(100);
  if (r < 50) return kSeatMale;
  if (r < 90) return kSeatFemale;
  return kSeatChild;
}

// The drawn seat when it matches, else the first match upward from it, else
// downward; -1 when no seat matches.
template <typename Matches>
int32_t FindSeat(int32_t start, Matches matches) {
  for (int32_t seat = start; seat < kSeatCount; ++seat) {
    if (matches(g_seats[seat])) return seat;
  }
  for (int32_t seat = start; seat >= 0; --seat) {
    if (matches(g_seats[seat])) return seat;
  }
  return -1;
}

void FillSeat(uint32_t kind) {
  const int32_t seat = FindSeat(Draw(kSeatCount), [](uint32_t k) { return k == kSeatEmpty; });
  if (seat < 0) return;
  g_seats[seat] = kind == kSeatEmpty ? RandomKind() : kind;
  ++g_passengerCount;
}

template <typename Matches>
bool EmptySeat(Matches matches) {
  const int32_t seat = FindSeat(Draw(kSeatCount), matches);
  if (seat < 0) return false;
  g_seats[seat] = kSeatEmpty;
  --g_passengerCount;
  return true;
}

// Random baggage: added to (sign +1) or taken from (sign -1) the first hold
// of a random order that stays within 0 and its limit.
void MoveBaggage(int32_t sign) {
  const int32_t order = Draw(3);
  const int32_t lb = Draw(kBaggageMaxLb) * sign;
  for (int32_t hold : kBaggageOrder[order]) {
    const int64_t after = static_cast<int64_t>(g_holdLb[hold]) + lb;
    if (after >= 0 && after <= kHoldLimitLb[hold]) {
      g_holdLb[hold] = static_cast<int32_t>(after);
      return;
    }
  }
}

bool IsKind(uint32_t kind) { return kind >= kSeatMale && kind <= kSeatChild; }
bool IsHold(int32_t hold) { return hold >= 0 && hold < kHoldCount; }
bool IsTank(int32_t tank) { return tank >= 0 && tank < kTankCount; }

int32_t StepWithFastClick(int32_t stepLb) {
  return IsFastClick() != 0 ? Saturate(static_cast<int64_t>(stepLb) * GetFastClickMultiplier()) : stepLb;
}

// Moves a value by a step and holds it within lo..hi, without overflow.
int32_t StepWithin(int32_t value, int64_t step, int64_t lo, int64_t hi) {
  return static_cast<int32_t>(std::clamp<int64_t>(static_cast<int64_t>(value) + step, lo, hi));
}

// ---- Start-up files ----

// The payload of the aircraft's configuration: the sum of the first field of
// each of the four payload stations, as whole pounds.
int64_t ReadConfiguredPayloadLb() {
  int64_t payloadLb = 0;
  for (int station = 0; station < 4; ++station) {
    wchar_t key[20];
    std::swprintf(key, 20, L"station_load.%d", station);
    const std::wstring text = platform::ReadIniString(L"WEIGHT_AND_BALANCE", key, L"0", 100, kAircraftCfg);
    payloadLb += LeadingInteger(text.c_str());  // stops at the first comma
  }
  return payloadLb;
}

bool HasLeadingInteger(const wchar_t* text) {
  while (*text == L' ' || *text == L'\t') ++text;
  if (*text == L'+' || *text == L'-') ++text;
  return *text >= L'0' && *text <= L'9';
}

// A tank's saved fuel; a value that is no number or lies outside the tank
// gets the full tank, with a line in the trace.
int32_t ReadSavedFuel(const wchar_t* key, int32_t tank) {
  wchar_t fallback[12];
  std::swprintf(fallback, 12, L"%d", kTankCapacityLb[tank]);
  const std::wstring text = platform::ReadIniString(L"FUEL", key, fallback, kIniNumberBuffer, kAircraftIni);
  const int32_t lb = LeadingInteger(text.c_str());
  if (HasLeadingInteger(text.c_str()) && lb >= 0 && lb <= kTankCapacityLb[tank]) return lb;
  char line[160];
  std::snprintf(line, sizeof line, "[FUEL] %ls = \"%.40ls\" is no quantity of 0 to %d lb; the full tank is taken", key,
                text.c_str(), kTankCapacityLb[tank]);
  Log(line);
  return kTankCapacityLb[tank];
}

}  // namespace

// ---- Passengers and cargo ----

uint32_t GetSeat(int32_t seat) { return seat >= 0 && seat < kSeatCount ? g_seats[seat] : kSeatEmpty; }

double GetDispatchValue(int32_t seat) {
  if (g_payloadView == 1) return 0.0;
  return GetSeat(seat) != kSeatEmpty ? 1.0 : 0.0;
}

int32_t GetPassengerCount() { return g_passengerCount; }

int32_t CountDispatchItems(uint32_t kind) {
  return static_cast<int32_t>(std::count(std::begin(g_seats), std::end(g_seats), kind));
}

int32_t GetPassengerWeight() {
  int32_t lb = 0;
  for (uint32_t kind : g_seats) lb += kKindWeightLb[kind];
  return lb;
}

int32_t GetDispatchWeight(int32_t hold) {
  if (IsHold(hold)) return g_holdLb[hold];
  if (hold == 3) return Saturate(static_cast<int64_t>(g_holdLb[0]) + g_holdLb[1] + g_holdLb[2]);
  return 0;
}

double GetZoneWeight(int32_t zone) {
  if (zone < 1 || zone > 4) return 0.0;
  int32_t lb = 0;
  for (int32_t seat = kZoneFirstSeat[zone - 1]; seat < kZoneFirstSeat[zone]; ++seat) lb += kKindWeightLb[g_seats[seat]];
  return lb;
}

void AddDispatchItem(uint32_t kind) {
  if (!IsKind(kind) || g_passengerCount >= kSeatCount) return;
  FillSeat(kind);
}

void RemoveDispatchItem(uint32_t kind) {
  if (!IsKind(kind) || g_passengerCount <= 0) return;
  EmptySeat([kind](uint32_t k) { return k == kind; });
}

void AddRandomPassenger() {
  if (g_passengerCount >= kSeatCount) return;
  FillSeat(kSeatEmpty);
  MoveBaggage(+1);
}

void RemoveRandomPassenger() {
  if (g_passengerCount <= 0) return;
  if (EmptySeat([](uint32_t k) { return k != kSeatEmpty; })) MoveBaggage(-1);
}

void ClearPayload() {
  std::fill(std::begin(g_seats), std::end(g_seats), kSeatEmpty);
  g_passengerCount = 0;
  std::fill(std::begin(g_holdLb), std::end(g_holdLb), 0);
}

void FillPayload() {
  for (uint32_t& seat : g_seats) seat = RandomKind();
  g_passengerCount = kSeatCount;
  std::copy(std::begin(kHoldLimitLb), std::end(kHoldLimitLb), g_holdLb);
}

void RandomPayload() {
  ClearPayload();
  const int32_t target = Draw(kSeatCount);
  do {
    AddRandomPassenger();
  } while (g_passengerCount < target);
  for (int32_t hold = 0; hold < kHoldCount; ++hold) g_holdLb[hold] = Draw(kHoldLimitLb[hold]);
}

void SetDispatchFieldA(int32_t hold) {
  if (!IsHold(hold)) return;
  g_holdLb[hold] = StepWithin(g_holdLb[hold], StepWithFastClick(kCargoStepLb), 0, kHoldLimitLb[hold]);
}

void SetDispatchFieldB(int32_t hold) {
  if (!IsHold(hold)) return;
  g_holdLb[hold] = StepWithin(g_holdLb[hold], -static_cast<int64_t>(StepWithFastClick(kCargoStepLb)), 0,
                              kHoldLimitLb[hold]);
}

// ---- Fuel ----

int32_t GetFuelQuantity(int32_t tank) {
  if (IsTank(tank)) return g_tankLb[tank];
  if (tank == 3) return Saturate(static_cast<int64_t>(g_tankLb[0]) + g_tankLb[1] + g_tankLb[2]);
  return 0;
}

void ClearFuel() { std::fill(std::begin(g_tankLb), std::end(g_tankLb), 0); }

void FillFuel() { std::copy(std::begin(kTankCapacityLb), std::end(kTankCapacityLb), g_tankLb); }

void RandomFuel() {
  const int32_t lb = Draw(kAllTanksLb);
  if (lb < kRandomFuelWingsOnlyLb) {
    g_tankLb[kLeft] = g_tankLb[kRight] = lb / 2;
    g_tankLb[kCenter] = 0;
  } else {
    g_tankLb[kLeft] = g_tankLb[kRight] = kTankCapacityLb[kLeft];
    g_tankLb[kCenter] = lb - (kRandomFuelWingsOnlyLb - 1);
  }
}

void AddFuelBalanced() {
  const int64_t step = StepWithFastClick(kFuelStepLb);
  int32_t& left = g_tankLb[kLeft];
  int32_t& right = g_tankLb[kRight];
  int32_t& center = g_tankLb[kCenter];
  if (left >= kTankCapacityLb[kLeft] && right >= kTankCapacityLb[kRight]) {
    center = StepWithin(center, kCenterStepWingsFullLb, std::numeric_limits<int32_t>::min(), kTankCapacityLb[kCenter]);
  } else if (left < right) {
    left = StepWithin(left, step, std::numeric_limits<int32_t>::min(), right);
  } else if (left == right) {
    left = StepWithin(left, step, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    right = left;
  } else {
    right = StepWithin(right, step, std::numeric_limits<int32_t>::min(), left);
  }
  left = std::min(left, kTankCapacityLb[kLeft]);
  right = std::min(right, kTankCapacityLb[kRight]);
  center = std::min(center, kTankCapacityLb[kCenter]);
}

void RemoveFuelBalanced() {
  const int64_t step = StepWithFastClick(kFuelStepLb);
  int32_t& left = g_tankLb[kLeft];
  int32_t& right = g_tankLb[kRight];
  int32_t& center = g_tankLb[kCenter];
  constexpr int64_t kLowest = std::numeric_limits<int32_t>::min();
  constexpr int64_t kHighest = std::numeric_limits<int32_t>::max();
  if (center >= 1) {
    center = StepWithin(center, -step, kLowest, kHighest);
  } else if (left == right) {
    left = right = StepWithin(left, -step, kLowest, kHighest);
  } else if (left < right) {
    right = StepWithin(right, -step, left, kHighest);
  } else {
    left = StepWithin(left, -step, right, kHighest);
  }
  for (int32_t& tank : g_tankLb) tank = std::max(tank, 0);
}

void IncreaseDispatchValue(int32_t tank) {
  if (!IsTank(tank)) return;
  g_tankLb[tank] = StepWithin(g_tankLb[tank], kTankStepLb, std::numeric_limits<int32_t>::min(), kTankCapacityLb[tank]);
}

void DecreaseDispatchValue(int32_t tank) {
  if (!IsTank(tank)) return;
  g_tankLb[tank] = StepWithin(g_tankLb[tank], -kTankStepLb, 0, std::numeric_limits<int32_t>::max());
}

void ReadFuelFromSimulator() {
  const double lbPerGallon = ReadToken(Token::FuelWeightLbPerGallon);
  g_tankLb[kRight] = TruncateSaturated<int32_t>(ReadToken(Token::FuelRightGal) * lbPerGallon);
  g_tankLb[kLeft] = TruncateSaturated<int32_t>(ReadToken(Token::FuelLeftGal) * lbPerGallon);
  g_tankLb[kCenter] = TruncateSaturated<int32_t>(ReadToken(Token::FuelCenterGal) * lbPerGallon);
}

// ---- Weights, balance, views ----

int32_t GetZeroFuelWeight() {
  return Saturate(static_cast<int64_t>(GetPassengerWeight()) + GetDispatchWeight(3) + kEmptyOperatingWeightLb);
}

int32_t GetTakeoffWeight() {
  return Saturate(static_cast<int64_t>(g_tankLb[0]) + g_tankLb[1] + g_tankLb[2] + GetZeroFuelWeight());
}

double ComputeTakeoffData() {
  // The forward cabin and hold move the centre of gravity forward, the aft
  // cabin and holds move it aft; the over-wing zone 3 sits on it.
  const double cg = 25.0 - 0.004329004 * GetZoneWeight(1) - 0.002424242 * GetZoneWeight(2) +
                    0.002797292 * GetZoneWeight(4) - 0.002807862 * g_holdLb[0] + 0.001604492 * g_holdLb[1] +
                    0.003208985 * g_holdLb[2];
  if (cg > 35.0) return 35.0;
  if (cg < 0.0) return 0.0;
  return cg;
}

void SetPayloadView(uint32_t view) { g_payloadView = view <= 1 ? view : 0; }
void SetFuelView(uint32_t view) { g_fuelView = view <= 1 ? view : 0; }
uint32_t GetPayloadView() { return g_payloadView; }
uint32_t GetFuelView() { return g_fuelView; }

// ---- Lifecycle ----

void LoadFuel() {
  const int64_t payloadLb = ReadConfiguredPayloadLb();
  do {
    AddRandomPassenger();
  } while (GetPassengerWeight() < payloadLb && g_passengerCount < kSeatCount);
  g_tankLb[kRight] = ReadSavedFuel(L"fuel_right", kRight);
  g_tankLb[kLeft] = ReadSavedFuel(L"fuel_left", kLeft);
  g_tankLb[kCenter] = ReadSavedFuel(L"fuel_center", kCenter);
}

void SaveFuel() {
  WriteIniInt(L"FUEL", L"fuel_right", g_tankLb[kRight]);
  WriteIniInt(L"FUEL", L"fuel_left", g_tankLb[kLeft]);
  WriteIniInt(L"FUEL", L"fuel_center", g_tankLb[kCenter]);
}

}  // namespace halcyon
