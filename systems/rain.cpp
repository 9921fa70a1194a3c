// [RAIN] of HalcyonPro.ini, the windshield wiper and the aircraft's ATC id.
#include "systems/rain.h"

#include <cstdio>
#include <iterator>

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/panel_services.h"

namespace halcyon {

CSwitch g_repellentDischargeLeft{};
CSwitch g_repellentDischargeRight{};
CSwitch g_rainWiperSwitch{};
CSwitch g_annunciatorLightsTest{};
CSwitch g_annunciatorLightsDimmer{};
CSwitch g_airConditionShutoffOverride{};
CSwitch g_ramAirSwitch{};
CSwitch g_repellentSourceButton{};
CSwitch g_wiperImage{};

namespace {

constexpr const wchar_t* kSection = L"RAIN";
constexpr SwitchKey kKeys[] = {
    {&g_repellentDischargeLeft, L"repellent_discharge_left", L"120"},
    {&g_repellentDischargeRight, L"repellent_discharge_right", L"120"},
    {&g_rainWiperSwitch, L"wiper", L"1"},
    {&g_annunciatorLightsTest, L"annunciator_lights_test", L"120"},
    {&g_annunciatorLightsDimmer, L"annunciator_lights_dimmer", L"120"},
    {&g_airConditionShutoffOverride, L"air_condition_shutoff_override", L"120"},
    {&g_ramAirSwitch, L"ram_air", L"120"},
};
const SavedControls kSavedControls{kSection, kKeys};

// The frames of one stroke: LOW out and back one frame a tick, HIGH two.
constexpr int32_t kLowStroke[] = {2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                                  18, 17, 16, 15, 14, 13, 12, 11, 10, 9,  8,  7,  6,  5,  4,  3,  2,  1};
constexpr int32_t kHighStroke[] = {3, 5, 7, 9, 11, 13, 15, 17, 19, 17, 15, 13, 11, 9, 7, 5, 3, 1};

struct WiperStroke {
  uint32_t running;
  double framePeriodTicks;
  uint32_t frameIndex;
  double startTick18;
};

uint32_t g_rainPanelFlag = 0;
uint32_t g_wiperSelector = kWiperOff;
uint32_t g_wiperView = 0;
WiperStroke g_stroke{};
char g_atcId[kAtcIdChars + 1] = {};

// The selector from the switch's position 1..4; OFF for any other.
uint32_t SelectorOfSwitch() {
  const int32_t position = GetSwitch(&g_rainWiperSwitch);
  return position >= 1 && position <= 4 ? static_cast<uint32_t>(position - 1) : kWiperOff;
}

void MoveWiperSwitch(int32_t position) {
  SetSwitch(&g_rainWiperSwitch, position);
  SetWiperSelector(SelectorOfSwitch());
}

void PressRepellentSource(int32_t) {
  SetSwitch(&g_repellentSourceButton, kRepellentSourcePressed);
  SetRainPanelFlag(1);
}

void FollowVisibleWindow() {
  for (uint32_t view = 0; view < std::size(kWiperWindows); ++view) {
    if (IsPanelWindowVisible(kWiperWindows[view])) {
      g_wiperView = view;
      return;
    }
  }
}

template <size_t N>
void StepStroke(const int32_t (&frames)[N]) {
  if (g_stroke.frameIndex >= N) g_stroke.frameIndex = 0;
  SetSwitch(&g_wiperImage, frames[g_stroke.frameIndex]);
  ++g_stroke.frameIndex;
  if (g_stroke.frameIndex >= N) g_stroke.running = 0;
}

}  // namespace

void LoadRain() {
  SetSwitch(&g_repellentSourceButton, kRepellentSourceReleased);
  LoadSwitches(kSection, kKeys);
  RegisterControl(kSection, L"wiper", &g_rainWiperSwitch, MoveWiperSwitch, nullptr, ControlRange{1, 4});
  RegisterControl(L"Rain", L"repellent_source", nullptr, PressRepellentSource);
  const int32_t position = GetSwitch(&g_rainWiperSwitch);
  if (position >= 1 && position <= 4) SetWiperSelector(static_cast<uint32_t>(position - 1));
  g_rainPanelFlag = 0;
}

void SaveRain() { SaveSwitches(kSection, kKeys); }

void InitWiper() {
  SetSwitch(&g_wiperImage, kWiperParkedFrame);
  SetWiperSelector(SelectorOfSwitch());
  g_stroke = {0, 1.0, 0, 0.0};
}

void UpdateWiper() {
  FollowVisibleWindow();
  if ((g_wiperSelector == kWiperLow || g_wiperSelector == kWiperHigh) && g_stroke.running == 0) {
    g_stroke.running = 1;
    g_stroke.frameIndex = 0;
    g_stroke.startTick18 = CurrentTick18();
  }
  const double now = CurrentTick18();
  const double nextFrameTick18 = g_stroke.frameIndex * g_stroke.framePeriodTicks + g_stroke.startTick18;
  // A clock that went back (a reloaded flight) restarts the wait from now, as
  // the levers do, so the wiper does not stand still for hours.
  if (now + kClockBackGuardTicks < nextFrameTick18) g_stroke.startTick18 = now;
  if (g_stroke.running == 0 || !(nextFrameTick18 < now)) return;
  switch (g_wiperSelector) {
    case kWiperPark:
      SetSwitch(&g_wiperImage, kWiperParkedFrame);
      g_stroke.running = 0;
      SetWiperSelector(kWiperOff);
      break;
    case kWiperLow: StepStroke(kLowStroke); break;
    case kWiperHigh: StepStroke(kHighStroke); break;
    default: break;  // OFF: the wiper stands where it is
  }
}

// Read once at start-up; a longer registration is cut to its first 19 characters.
void LoadAtcId() { std::snprintf(g_atcId, sizeof(g_atcId), "%s", ExecuteCalculatorString("(A:ATC ID,string)")); }

void SetRainPanelFlag(uint32_t value) { g_rainPanelFlag = value; }
uint32_t GetRainPanelFlag() { return g_rainPanelFlag; }

uint32_t SetWiperSelector(uint32_t selector) {
  g_wiperSelector = selector <= kWiperHigh ? selector : kWiperOff;
  return selector;
}

uint32_t GetWiperSelector() { return g_wiperSelector; }
void SetWiperView(uint32_t view) { g_wiperView = view <= 2 ? view : 0; }
uint32_t GetWiperView() { return g_wiperView; }
const char* GetAtcId() { return g_atcId; }

}  // namespace halcyon
