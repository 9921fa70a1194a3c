// [LONGITUDE TRIM] and [STABTRIM]: take-off trim, trim handle and stabilizer hold.
#include "systems/longitudinal_trim.h"

#include <cmath>

#include "core/controls.h"
#include "core/helpers.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/aural_warnings.h"

namespace halcyon {

CSwitch g_takeoffFlapSelector{};
CSwitch g_trimHandle{};
CSwitch g_stabTrimArmSwitch{};

namespace {

constexpr const wchar_t* kTrimSection = L"LONGITUDE TRIM";
constexpr const wchar_t* kStabSection = L"STABTRIM";
constexpr double kDegPerRad = 57.29577951308232;
constexpr double kTrimEventsPerRad = 1000.0;  // the autotrim counts one event a milliradian

constexpr SwitchKey kStabKeys[] = {{&g_stabTrimArmSwitch, L"arm", L"43"}};
const SavedControls kStabControls{kStabSection, kStabKeys};

// The take-off setting, by selector position: (35 - MAC) x slope + base, at most cap.
struct TrimLine {
  int32_t selector;
  double slope;
  double base;
  double cap;
};
constexpr TrimLine kTrimLines[] = {
    {kTakeoffFlaps1, 0.2142857, 0.9, 1e9},
    {kTakeoffFlaps2, 0.2457142, 0.9, 1e9},
    {kTakeoffFlaps3, 0.2696969, 1.0, 9.9},
    {kTakeoffFlaps4, 0.3068965, 1.0, 9.9},
};

// Trim handle positions by frame 0..9, nose down and nose up; the animation
// waits at frame 5 until the handle is let go.
constexpr int32_t kHandleFrames[2][10] = {{7, 8, 9, 10, 11, 10, 9, 8, 7, 6}, {5, 4, 3, 2, 1, 2, 3, 4, 5, 6}};
constexpr uint32_t kHandleFrameCount = 10;
constexpr uint32_t kHandleWaitFrame = 5;

double g_macPercent = 0.0;
double g_trimSetting = 0.0;

struct HandleAnimation {
  uint32_t running = 0;
  uint32_t released = 0;
  uint32_t frame = 0;
  double frameTicks = 1.0;
  double startTick = 0.0;
  int32_t direction = kTrimNoseDown;
};
HandleAnimation g_handle;

uint32_t g_holding = 0;
double g_heldAngleRad = 0.0;

void MoveMac(int32_t percent) {
  SetMacPercent(percent);
  ComputeTrimSetting();
}

void MoveTakeoffFlapSelector(int32_t position) {
  SetSwitch(&g_takeoffFlapSelector, position);
  ComputeTrimSetting();
}

CSwitch g_macShadow{};  // the % MAC as a control position, for the host and the tests

// The Longitude Trim gauge's settings and autotrim button, which the host and
// the tests move by name until the gauge is drawn.
void RegisterTrimControls() {
  RegisterControl(kTrimSection, L"mac", &g_macShadow, MoveMac, nullptr, ControlRange{0, kMacPercentMax});
  RegisterControl(kTrimSection, L"to_flaps", &g_takeoffFlapSelector, MoveTakeoffFlapSelector);
  RegisterControl(L"Longitude Trim", L"autotrim", nullptr, [](int32_t) { ApplyTrimSetting(); });
}
const ControlsAtLoad kTrimControlsAtLoad{RegisterTrimControls};

void SendTrimEvents(uint32_t event, double differenceRad) {
  const int32_t count = TruncateSaturated<int32_t>(differenceRad * kTrimEventsPerRad);
  const int32_t events = count < kMaxAutotrimEvents ? count + 1 : kMaxAutotrimEvents;
  for (int32_t i = 0; i < events; ++i) TriggerKeyEvent(event, 0);
}

}  // namespace

void LoadLongitudeTrim() {
  g_macPercent = 0.0;
  SetMacPercent(ReadIniInt(kTrimSection, L"mac", L"", kIniSwitchBuffer));
  LoadSwitch(&g_takeoffFlapSelector, kTrimSection, L"to_flaps", L"135", kIniSwitchBuffer);
  SetSwitch(&g_trimHandle, kTrimHandleAtRest);
  ComputeTrimSetting();
  g_handle = HandleAnimation{};
  SetStabilizerTrimReference(ReadToken(Token::ElevatorTrimRad) * kDegPerRad);
}

void SaveLongitudeTrim() {
  WriteIniInt(kTrimSection, L"mac", static_cast<int32_t>(g_macPercent));
  SaveSwitch(&g_takeoffFlapSelector, kTrimSection, L"to_flaps");
}

void SetMacPercent(int32_t v) {
  if (v >= 0 && v <= kMacPercentMax) g_macPercent = v;
  SetSwitch(&g_macShadow, static_cast<int32_t>(g_macPercent));
}

double GetMacPercent() { return g_macPercent; }
void IncMacPercent() {
  if (g_macPercent < kMacPercentMax) SetMacPercent(static_cast<int32_t>(g_macPercent) + 1);
}
void DecMacPercent() {
  if (g_macPercent > 0) SetMacPercent(static_cast<int32_t>(g_macPercent) - 1);
}

void ComputeTrimSetting() {
  g_trimSetting = 0.0;
  const int32_t selector = GetSwitch(&g_takeoffFlapSelector);
  for (const TrimLine& line : kTrimLines) {
    if (line.selector != selector) continue;
    const double setting = (kMacPercentMax - g_macPercent) * line.slope + line.base;
    g_trimSetting = setting < line.cap ? setting : line.cap;
  }
}

double GetTrimSetting() { return g_trimSetting; }

double TrimSettingToAngle(double setting) {
  const double fromEnd = setting < 5.4 ? setting - 0.9 : 9.9 - setting;
  return fromEnd * 0.00185185 + setting / ((9.9 - setting) * 4.00534045389 + 92.523364486);
}

int32_t TrimSettingToSimUnits(double setting) {
  return TruncateSaturated<int32_t>(((setting - 1.0) / 1.55172413793 + 0.3) * 1000.0 * 0.95);
}

void ApplyTrimSetting() {
  const double d = TrimSettingToAngle(g_trimSetting) - ReadToken(Token::ElevatorTrimRad);
  if (d > 0.0) SendTrimEvents(kKeyEventElevatorTrimUp, d);
  if (d < 0.0) SendTrimEvents(kKeyEventElevatorTrimDown, -d);
}

void HandleTrimSelector(int32_t action, int32_t direction) {
  if (action == kTrimHandleReleased) {
    g_handle.released = 1;
    return;
  }
  if (action != kTrimHandlePressed || g_handle.running != 0) return;
  g_handle.running = 1;
  g_handle.released = 0;
  g_handle.frame = 0;
  g_handle.startTick = CurrentTick18();
  g_handle.direction = direction == kTrimNoseUp ? kTrimNoseUp : kTrimNoseDown;
}

void UpdateTrimSelectorKnob() {
  if (g_handle.running == 0) return;
  if (g_handle.frame * g_handle.frameTicks + g_handle.startTick >= CurrentTick18()) return;
  if (g_handle.frame == kHandleWaitFrame && g_handle.released == 0) return;
  SetSwitch(&g_trimHandle, kHandleFrames[g_handle.direction][g_handle.frame]);
  if (++g_handle.frame >= kHandleFrameCount) g_handle.running = 0;
}

void LoadStabTrim() {
  g_holding = 0;
  g_heldAngleRad = 0.0;
  LoadSwitches(kStabSection, kStabKeys);
}

void SaveStabTrim() { SaveSwitches(kStabSection, kStabKeys); }

void UpdateStabTrim() {
  const bool hold = GetSwitch(&g_stabTrimArmSwitch) == kStabTrimHold;
  if (IsTickDue(kChannel1HzB) != 0 && hold && g_holding == 0) {
    g_holding = 1;
    g_heldAngleRad = ReadToken(Token::ElevatorTrimRad);
  }
  if (g_holding == 0) return;
  // Exact comparison: the simulator's trim moves on a grid of whole events.
  const double angleRad = ReadToken(Token::ElevatorTrimRad);
  if (g_heldAngleRad < angleRad) TriggerKeyEvent(kKeyEventElevatorTrimDown, 0);
  if (g_heldAngleRad > angleRad) TriggerKeyEvent(kKeyEventElevatorTrimUp, 0);
  if (!hold) g_holding = 0;
}

}  // namespace halcyon
