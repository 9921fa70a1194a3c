// The alert list of the overhead annunciator panel: list operations, keys,
// recall and glyphs. Reads the lamp test and the power state; drives nothing
// but its own records, which the display gauges read.
#include "systems/alert_list.h"

#include <algorithm>
#include <array>

#include "core/controls.h"
#include "core/helpers.h"
#include "core/tick_scheduler.h"
#include "systems/annunciator_lamps.h"
#include "systems/electric.h"

namespace halcyon {

CSwitch g_eoapRecallSwitch{};
CSwitch g_eoapKeySwitches[kAlertCategoryCount]{};
CSwitch g_eoapFlashSwitches[kAlertCategoryCount]{};
CSwitch g_eoapMoreBelowLight{};
CSwitch g_eoapMoreAboveLight{};

namespace {

constexpr double kRecallTicks = 90.0;  // 5 s
constexpr double kFlashTicks = 36.0;   // 2 s

// Every text padded to 20 characters, so the display's 20 cells always read one.
constexpr const wchar_t* kTexts[kAlertMessageLast + 1] = {
    L"                    ", L"FUEL LEVEL LOW      ", L"APU GEN OFF         ", L"L AC BUS OFF        ",
    L"R AC BUS OFF        ", L"L&R AC BUS OFF      ", L"L GEN OFF           ", L"R GEN OFF           ",
    L"L&R GEN OFF         ", L"EMER LIGHT NOT ARMED", L"AC CROSSTIE LOCKOUT ", L"BATTERY OFF         ",
    L"DC BUS OFF          ", L"PITOT/STALL HEAT OFF", L"ENG SYNC ON         ", L"L START VALVE OPEN  ",
    L"R START VALVE OPEN  ", L"L&R START VALVE OPEN", L"L FUEL PRES LOW     ", L"R FUEL PRES LOW     ",
    L"CENTER FUEL PRESS LO", L"L&R FUEL PRES LOW   ", L"ART INOP            ", L"L OIL PRES LOW      ",
    L"R OIL PRES LOW      ", L"L&R OIL PRES LOW    ", L"YAW DAMP OFF        ", L"GPWS FAIL           ",
    L"SPOILER DEPLOYED    ", L"MACH TRIM INOP      ", L"FIRE DETECTION LOOP ", L"APU OIL PRESS LOW   ",
    L"PARKING BRAKE ON    ", L"L HYD PRESS LOW     ", L"R HYD PRESS LOW     ", L"L&R HYD PRESS LOW   ",
    L"L OUTBD ANTI-SKID   ", L"R OUTBD ANTI-SKID   ", L"L&R OUTBD ANTI-SKID ", L"L INBD ANTI-SKID    ",
    L"R INBD ANTI-SKID    ", L"L&R INBD ANTI-SKID  ", L"SPOILER/FLAP EXTNDED", L"RUDDER CTRL MANUAL  ",
    L"FLIGHT RECORDER OFF ", L"AFT STAIRWAY DOOR   ", L"AFT CABIN DOOR      ", L"AFT GALLEY DOOR     ",
    L"FWD STAIRWAY DOOR   ", L"FWD CABIN DOOR      ", L"AFT CARGO DOOR      ", L"MID CARGO DOOR      ",
    L"FWD CARGO DOOR      ", L"FWD GALLEY DOOR     ", L"FIRE DETECTOR LOOP  ",
};
constexpr const wchar_t* kErrorText = L"ERROR               ";

// The category key of each id 0..54 (0: none): 1 electrical, 3 engines and
// fuel, 4 flight controls, 5 miscellaneous, 6 hydraulics and brakes, 8 doors.
constexpr std::array<uint8_t, kAlertMessageLast + 1> kCategories = {
    0, 5, 1, 1, 1, 1, 1, 1, 1, 5, 1, 1, 1, 5, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4, 5,
    4, 4, 5, 5, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 4, 4, 5, 8, 8, 8, 8, 8, 8, 8, 8, 8, 3,
};

constexpr AlertPair kPairs[] = {
    {3, 4, 5}, {6, 7, 8}, {15, 16, 17}, {18, 19, 21}, {23, 24, 25}, {33, 34, 35}, {36, 37, 38}, {39, 40, 41},
};

// The display's character image: frame of each character it has.
struct Glyph {
  wchar_t character;
  uint8_t frame;
};
constexpr Glyph kPunctuation[] = {
    {L' ', 0},  {L'.', 37}, {L'/', 38}, {L'+', 39}, {L'-', 40}, {L'[', 41}, {L']', 42},
    {L'?', 44}, {L'(', 45}, {L')', 46}, {L':', 48}, {L'*', 49}, {L'&', 50},
};
constexpr uint32_t kGlyphTestFrame = 43;  // every segment: the lamp test, and a character it lacks

// A list of message ids with its count; entries at and past the count are 0.
template <size_t N>
struct IdList {
  std::array<uint32_t, N> ids{};
  int32_t count = 0;

  bool Contains(uint32_t id) const { return IndexOf(id) >= 0; }
  int32_t IndexOf(uint32_t id) const {
    for (int32_t i = 0; i < count; ++i) {
      if (ids[i] == id) return i;
    }
    return -1;
  }
  bool Append(uint32_t id) {
    if (count >= static_cast<int32_t>(N)) return false;
    ids[count++] = id;
    return true;
  }
  void RemoveAt(int32_t index) {
    for (int32_t i = index; i + 1 < count; ++i) ids[i] = ids[i + 1];
    ids[--count] = 0;
  }
  void Clear() {
    ids.fill(0);
    count = 0;
  }
};

IdList<kAlertListCapacity> g_active;
IdList<kAlertDoorListCapacity> g_doors;
IdList<kAlertVisibleLines> g_recall;
int32_t g_scrollOffset = 0;
uint32_t g_recalledCategory = 0;

bool IsMessageId(int64_t id) { return id >= 1 && id <= kAlertMessageLast; }
bool IsCategory(int64_t category) { return category >= 1 && category <= kAlertCategoryCount; }

void LowerOffsetAfterRemoval() {
  if (g_scrollOffset > 0) --g_scrollOffset;
}
// A new bottom entry past the window scrolls the window with it.
void FollowAppended() {
  if (g_active.count > kAlertVisibleLines) ++g_scrollOffset;
}

void RemoveActiveAt(int32_t index) {
  g_active.RemoveAt(index);
  LowerOffsetAfterRemoval();
}

void HideDoorsBehindParkingBrake() {
  for (int32_t i = 0; i < g_active.count;) {
    if (IsEoapDoorMessage(static_cast<int32_t>(g_active.ids[i])) != 0) {
      RemoveActiveAt(i);
    } else {
      ++i;
    }
  }
}

void ShowDoorsAgain() {
  for (int32_t i = 0; i < g_doors.count && g_active.count < kAlertListCapacity; ++i) {
    g_active.Append(g_doors.ids[i]);
    FollowAppended();
  }
}

// Adds a member of a merged pair: onto its partner's line as the "L&R" line,
// else as its own line unless the combined line already shows.
bool AddPairMember(const AlertPair& pair, uint32_t id) {
  const uint32_t partner = static_cast<uint32_t>(id == static_cast<uint32_t>(pair.left) ? pair.right : pair.left);
  const uint32_t both = static_cast<uint32_t>(pair.both);
  if (g_active.Contains(both)) return false;
  if (g_active.Contains(partner)) {
    g_active.ids[FindEoapMessageIndex(static_cast<int32_t>(partner))] = both;
    return false;
  }
  return g_active.Append(id);
}

void SetAllKeys(int32_t position) {
  for (CSwitch& key : g_eoapKeySwitches) SetSwitch(&key, position);
}
void SetAllFlashes(int32_t position) {
  for (CSwitch& flash : g_eoapFlashSwitches) SetSwitch(&flash, position);
}

void ShowKeysOfEntries(int32_t first, int32_t end) {
  for (int32_t i = first; i < end; ++i) ShowEoapCategoryKey(static_cast<int32_t>(GetEoapMessageCategory(g_active.ids[i])));
}

void StepRecallTimer() {
  UpdateTimedSwitch(&g_eoapRecallSwitch, kSwitchOn, kAlertTimeOver);
  if (GetSwitch(&g_eoapRecallSwitch) != kAlertTimeOver) return;
  g_recalledCategory = 0;
  RefreshEoapKeys();
  SetSwitch(&g_eoapRecallSwitch, kSwitchOff);
}

void SetLight(CSwitch* light, bool lit) { SetSwitch(light, lit ? kSwitchOn : kSwitchOff); }

// Each key's blink: a flash whose time is over puts its key back (the door
// key stays lit), then every flashing key toggles.
void BlinkKeys() {
  for (int32_t i = 0; i < kAlertCategoryCount; ++i) {
    if (GetSwitch(&g_eoapFlashSwitches[i]) != kAlertTimeOver) continue;
    SetSwitch(&g_eoapFlashSwitches[i], kSwitchOff);
    SetSwitch(&g_eoapKeySwitches[i], i + 1 == kAlertDoorCategory ? kSwitchOn : kSwitchOff);
  }
  for (int32_t i = 0; i < kAlertCategoryCount; ++i) {
    if (GetSwitch(&g_eoapFlashSwitches[i]) != kSwitchOn) continue;
    SetSwitch(&g_eoapKeySwitches[i], GetSwitch(&g_eoapKeySwitches[i]) == kSwitchOn ? kSwitchOff : kSwitchOn);
  }
}

// The display's keys and lights by name, for the host and the tests (the
// display gauge presses the same functions): "EOAP" "scroll" scrolls down
// (positive) or up (negative) that many lines and reads the offset; "recall"
// recalls a category and reads the one recalled (0: the normal view);
// "messages" and "doors" read the counts; each category key ("elec" ..
// "door") recalls its category and reads its light; the more-lights read
// theirs.
void ScrollBy(int32_t lines) {
  for (int32_t i = 0; i < lines && i < kAlertListCapacity; ++i) ScrollEoapDown();
  for (int32_t i = 0; i > lines && i > -kAlertListCapacity; --i) ScrollEoapUp();
}
void IgnoreMove(int32_t) {}  // a readout: nothing to move

struct CategoryKey {
  const wchar_t* key;
  ControlMover press;
};
constexpr CategoryKey kCategoryKeys[kAlertCategoryCount] = {
    {L"elec", [](int32_t) { RecallEoapCategory(1); }}, {L"ice", [](int32_t) { RecallEoapCategory(2); }},
    {L"eng", [](int32_t) { RecallEoapCategory(3); }},  {L"ctrl", [](int32_t) { RecallEoapCategory(4); }},
    {L"misc", [](int32_t) { RecallEoapCategory(5); }}, {L"hyd", [](int32_t) { RecallEoapCategory(6); }},
    {L"mon", [](int32_t) { RecallEoapCategory(7); }},  {L"door", [](int32_t) { RecallEoapCategory(8); }},
};

void RegisterAlertControls() {
  constexpr const wchar_t* kSection = L"EOAP";
  RegisterControl(kSection, L"scroll", nullptr, ScrollBy, [] { return g_scrollOffset; },
                  ControlRange{-kAlertListCapacity, kAlertListCapacity});
  RegisterControl(kSection, L"recall", nullptr, [](int32_t category) { RecallEoapCategory(static_cast<uint32_t>(category)); },
                  [] { return static_cast<int32_t>(GetEoapRecalledCategory()); }, ControlRange{1, kAlertCategoryCount});
  RegisterControl(kSection, L"messages", nullptr, IgnoreMove, [] { return g_active.count; }, kAnyPosition);
  RegisterControl(kSection, L"doors", nullptr, IgnoreMove, [] { return g_doors.count; }, kAnyPosition);
  for (int32_t i = 0; i < kAlertCategoryCount; ++i) {
    RegisterControl(kSection, kCategoryKeys[i].key, &g_eoapKeySwitches[i], kCategoryKeys[i].press, nullptr,
                    kAnyPosition);
  }
  RegisterControl(kSection, L"more_above", &g_eoapMoreAboveLight, IgnoreMove, nullptr, kAnyPosition);
  RegisterControl(kSection, L"more_below", &g_eoapMoreBelowLight, IgnoreMove, nullptr, kAnyPosition);
  RefuseControlPositions(kSection, L"messages", [](int32_t) -> const char* {
    return "is the count of the alert list's messages; it cannot be moved";
  });
  RefuseControlPositions(kSection, L"doors", [](int32_t) -> const char* {
    return "is the count of the door list's doors; it cannot be moved";
  });
  constexpr ControlRefusal kLight = [](int32_t) -> const char* {
    return "is a light the alert display sets while messages lie beyond those shown; it cannot be moved";
  };
  RefuseControlPositions(kSection, L"more_above", kLight);
  RefuseControlPositions(kSection, L"more_below", kLight);
}

}  // namespace

void ResetAlertLists() {
  RegisterAlertControls();
  EmptyAlertLists();
  g_recall.Clear();
  g_recalledCategory = 0;
  SetAllKeys(kSwitchOff);
  SetAllFlashes(kSwitchOff);
  InitTimedSwitch(&g_eoapRecallSwitch, kRecallTicks);
  for (CSwitch& flash : g_eoapFlashSwitches) InitTimedSwitch(&flash, kFlashTicks);
}

void EmptyAlertLists() {
  g_active.Clear();
  g_doors.Clear();
  g_scrollOffset = 0;
}

void StepAlertTimers() {
  StepRecallTimer();
  for (CSwitch& flash : g_eoapFlashSwitches) UpdateTimedSwitch(&flash, kSwitchOn, kAlertTimeOver);
}

void StepAlertLights() {
  const bool recall = IsEoapRecallMode() != 0;
  SetLight(&g_eoapMoreBelowLight, !recall && g_scrollOffset + kAlertVisibleLines < g_active.count);
  SetLight(&g_eoapMoreAboveLight, !recall && g_scrollOffset >= 1);
  if (IsTickDue(kChannel6Hz) != 0) BlinkKeys();
}

void AddEoapMessage(int32_t id) {
  if (!IsMessageId(id)) return;
  const uint32_t message = static_cast<uint32_t>(id);
  const bool door = IsEoapDoorMessage(id) != 0;
  if (IsEoapMessageListed(id) == 0 && g_active.count < kAlertListCapacity &&
      !(door && g_active.Contains(kAlertParkingBrake))) {
    const AlertPair* pair = FindAlertPair(id);
    const bool appended = pair != nullptr ? AddPairMember(*pair, message) : g_active.Append(message);
    if (appended) FollowAppended();
    if (id == kAlertParkingBrake) HideDoorsBehindParkingBrake();
  }
  if (door && !g_doors.Contains(message)) g_doors.Append(message);
  RefreshEoapKeys();
  FlashEoapCategoryKey(GetEoapMessageCategory(message));
}

void RemoveEoapMessage(int32_t id) {
  if (!IsMessageId(id)) return;
  const AlertPair* pair = FindAlertPair(id);
  bool found = false;
  for (int32_t i = 0; i < g_active.count; ++i) {
    const uint32_t entry = g_active.ids[i];
    if (pair != nullptr && entry == static_cast<uint32_t>(pair->both)) {
      g_active.ids[i] = static_cast<uint32_t>(id == pair->left ? pair->right : pair->left);
      found = true;
      break;
    }
    if (entry == static_cast<uint32_t>(id)) {
      RemoveActiveAt(i);
      found = true;
      break;
    }
  }
  if (IsEoapDoorMessage(id) != 0) {
    const int32_t index = g_doors.IndexOf(static_cast<uint32_t>(id));
    if (index >= 0) g_doors.RemoveAt(index);
  }
  if (id == kAlertParkingBrake && found) ShowDoorsAgain();
  RefreshEoapKeys();
}

uint32_t IsEoapMessageListed(int32_t id) {
  if (id < 0) return 0;
  const uint32_t message = static_cast<uint32_t>(id);
  if (g_active.Contains(message)) return 1;
  return IsEoapDoorMessage(id) != 0 && g_doors.Contains(message) ? 1 : 0;
}

int32_t FindEoapMessageIndex(int32_t id) {
  if (id < 0) return 0;
  return std::max(g_active.IndexOf(static_cast<uint32_t>(id)), 0);
}

uint32_t GetEoapMessageCategory(uint32_t id) { return id <= kAlertMessageLast ? kCategories[id] : 0; }

uint32_t IsEoapDoorMessage(int32_t id) { return id >= kAlertFirstDoor && id <= kAlertLastDoor ? 1 : 0; }

bool IsEoapListEmpty() { return g_active.count == 0; }
int32_t GetEoapMessageCount() { return g_active.count; }
int32_t GetEoapDoorCount() { return g_doors.count; }
int32_t GetEoapScrollOffset() { return g_scrollOffset; }

uint32_t GetEoapMessageAt(int32_t index) {
  return index >= 0 && index < kAlertListCapacity ? g_active.ids[index] : 0;
}
uint32_t GetEoapDoorAt(int32_t index) {
  return index >= 0 && index < kAlertDoorListCapacity ? g_doors.ids[index] : 0;
}

const AlertPair* FindAlertPair(int32_t id) {
  for (const AlertPair& pair : kPairs) {
    if (id == pair.left || id == pair.right) return &pair;
  }
  return nullptr;
}

bool IsAlertShownFor(int32_t id) {
  if (IsEoapMessageListed(id) != 0) return true;
  const AlertPair* pair = FindAlertPair(id);
  return pair != nullptr && IsEoapMessageListed(pair->both) != 0;
}

uint32_t IsEoapRecallMode() { return GetSwitch(&g_eoapRecallSwitch) == kSwitchOn ? 1 : 0; }
uint32_t GetEoapRecalledCategory() { return IsEoapRecallMode() != 0 ? g_recalledCategory : 0; }

uint32_t GetEoapLineIndex(uint32_t line) {
  if (IsEoapRecallMode() != 0) return line - 1;
  return line + static_cast<uint32_t>(g_scrollOffset) - 1;
}

// In the recall view the door list stands for the door key's category; the
// choice follows the category recalled, not the door key's blink (a door
// alert flashing during the recall of another category would otherwise swap
// the two lists on the display every blink).
uint32_t GetEoapLineMessage(int32_t index) {
  if (index < 0) return 0;
  if (IsEoapRecallMode() == 0) return GetEoapMessageAt(index);
  if (index >= kAlertVisibleLines) return 0;
  return g_recalledCategory == kAlertDoorCategory ? g_doors.ids[index] : g_recall.ids[index];
}

const wchar_t* GetEoapMessageText(uint32_t id) { return id <= kAlertMessageLast ? kTexts[id] : kErrorText; }

double GetEoapGlyph(const wchar_t* text, uint32_t pos) {
  if (IsPowerState(kPowerNormal) == 0) return ToFrameIndex(0);
  if (IsLampTestOn() != 0) return ToFrameIndex(kGlyphTestFrame);
  if (text == nullptr || pos < 1 || pos > kAlertTextLength) return ToFrameIndex(0);
  for (uint32_t i = 1; i < pos; ++i) {
    if (text[i - 1] == L'\0') return ToFrameIndex(0);  // a short text reads blank past its end
  }
  const wchar_t c = text[pos - 1];
  if (c >= L'1' && c <= L'9') return ToFrameIndex(static_cast<uint32_t>(c - L'0'));
  if (c == L'0') return ToFrameIndex(10);
  if (c >= L'A' && c <= L'Z') return ToFrameIndex(static_cast<uint32_t>(c - L'A') + 11);
  for (const Glyph& glyph : kPunctuation) {
    if (glyph.character == c) return ToFrameIndex(glyph.frame);
  }
  return ToFrameIndex(c == L'\0' ? 0 : kGlyphTestFrame);
}

AlertLine GetEoapDisplayLine(uint32_t line) {
  if (line < 1 || line > kAlertVisibleLines) return {0, 0};
  const uint32_t id = GetEoapLineMessage(static_cast<int32_t>(GetEoapLineIndex(line)));
  return {id, GetEoapMessageCategory(id)};
}

void ScrollEoapDown() {
  g_scrollOffset = std::max(std::min(g_scrollOffset + 1, g_active.count - kAlertVisibleLines), 0);
  RefreshEoapKeys();
}

void ScrollEoapUp() {
  g_scrollOffset = std::max(g_scrollOffset - 1, 0);
  RefreshEoapKeys();
}

void RecallEoapCategory(uint32_t category) {
  if (!IsCategory(category)) return;
  SetSwitch(&g_eoapRecallSwitch, kSwitchOn);
  g_recalledCategory = category;
  g_recall.Clear();
  for (int32_t i = 0; i < g_active.count && g_recall.count < kAlertVisibleLines; ++i) {
    if (GetEoapMessageCategory(g_active.ids[i]) == category) g_recall.Append(g_active.ids[i]);
  }
  SetAllKeys(kSwitchOff);
  SetAllFlashes(kSwitchOff);
  ShowEoapCategoryKey(static_cast<int32_t>(category));
}

void ShowEoapCategoryKey(int32_t category) {
  if (!IsCategory(category)) return;
  SetSwitch(&g_eoapKeySwitches[category - 1], kSwitchOn);
  SetSwitch(&g_eoapFlashSwitches[category - 1], kSwitchOff);
}

void FlashEoapCategoryKey(uint32_t category) {
  if (IsCategory(category)) SetSwitch(&g_eoapFlashSwitches[category - 1], kSwitchOn);
}

void RefreshEoapKeys() {
  if (IsEoapRecallMode() != 0) return;
  SetAllKeys(kSwitchOff);
  if (g_active.count > kAlertVisibleLines) {
    ShowKeysOfEntries(0, g_scrollOffset);
    ShowKeysOfEntries(g_scrollOffset + kAlertVisibleLines, g_active.count);
  }
  if (g_doors.count > 0) ShowEoapCategoryKey(kAlertDoorCategory);
}

bool IsEoapKeyLit(int32_t category) {
  return IsCategory(category) && GetSwitch(&g_eoapKeySwitches[category - 1]) == kSwitchOn;
}
bool IsEoapMoreAboveLit() { return GetSwitch(&g_eoapMoreAboveLight) == kSwitchOn; }
bool IsEoapMoreBelowLit() { return GetSwitch(&g_eoapMoreBelowLight) == kSwitchOn; }

}  // namespace halcyon

extern "C" int32_t HalcyonAlertText(char* text, int32_t size) {
  using namespace halcyon;
  if (text == nullptr || size < 1) return 0;
  int32_t length = 0;
  for (int32_t i = 0; i < GetEoapMessageCount(); ++i) {
    const wchar_t* message = GetEoapMessageText(GetEoapMessageAt(i));
    int32_t end = kAlertTextLength;
    while (end > 0 && message[end - 1] == L' ') --end;
    if (length + end + 2 > size) return 0;
    if (i > 0) text[length++] = '|';
    for (int32_t c = 0; c < end; ++c) text[length++] = static_cast<char>(message[c]);
  }
  text[length] = '\0';
  return 1;
}
