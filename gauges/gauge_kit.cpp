// The shared gauge conventions.
#include "gauges/gauge_kit.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "core/helpers.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "gauges/element_helpers.h"
#include "systems/annunciator_lamps.h"
#include "systems/lights.h"

namespace halcyon {
namespace {

// The relight timer and lit flag of one placed gauge. The lit flag starts at
// 1 because the relit elements carry the luminous bit in their definitions.
struct RelightState {
  const platform::GAUGEHDR* gauge;
  CSwitch timer;
  uint8_t lit;
};

// One entry per placed lit instrument, made as the panel is installed.
std::vector<RelightState> g_relightStates;

RelightState& RelightStateOf(const platform::GAUGEHDR* gauge) {
  for (RelightState& state : g_relightStates) {
    if (state.gauge == gauge) return state;
  }
  RelightState& state = g_relightStates.emplace_back(RelightState{gauge, {}, 1});
  SetSwitch(&state.timer, kSwitchOff);
  InitTimedSwitch(&state.timer, 1.0);
  return state;
}

// The scheduler pass each placed gauge was last drawn in.
struct PlacedDraw {
  const platform::GAUGEHDR* gauge;
  bool drawn;
  uint64_t pass;
};
std::vector<PlacedDraw> g_placedDraws;

void SetRangeFlags(platform::GAUGEHDR* gauge, const RelightRange& range, uint32_t set, uint32_t clear) {
  for (uint32_t n = range.first; n < range.end; ++n) {
    ClearElementFlags(gauge->elements, n, clear);
    SetElementFlags(gauge->elements, n, set);
  }
}

}  // namespace

void ShowElement(platform::GAUGEHDR* gauge, uint32_t n, bool shown) {
  if (shown) {
    ClearElementFlags(gauge->elements, n, platform::kImageHidden);
  } else {
    SetElementFlags(gauge->elements, n, platform::kImageHidden);
  }
}

void ShowClickAreas(platform::GAUGEHDR* gauge, uint32_t n) {
  ShowElement(gauge, n, GetOption(kOptionClickAreas) != 0);
}

bool FirstDrawSince(const platform::GAUGEHDR* gauge, uint64_t pass) {
  auto placed = std::find_if(g_placedDraws.begin(), g_placedDraws.end(),
                             [gauge](const PlacedDraw& draw) { return draw.gauge == gauge; });
  if (placed == g_placedDraws.end()) placed = g_placedDraws.insert(placed, {gauge, false, 0});
  if (placed->drawn && placed->pass >= pass) return false;
  *placed = {gauge, true, TickSchedulerPasses()};
  return true;
}

bool FirstDrawOfTick(const platform::GAUGEHDR* gauge) { return FirstDrawSince(gauge, TickSchedulerPasses()); }

void DueTickLook::Take() {
  if (IsTickDue(channel_) != 0) shown_ = condition_();
}

void ArmRelight(const platform::GAUGEHDR* gauge) { InitTimedSwitch(&RelightStateOf(gauge).timer, 1.0); }

bool Relight(platform::GAUGEHDR* gauge, const RelightRange& range, bool lightOn) {
  RelightState& state = RelightStateOf(gauge);
  if (lightOn && state.lit == 0) {
    SetRangeFlags(gauge, range, platform::kImageLuminous | platform::kImageHidden, 0);
    state.lit = 1;
    SetSwitch(&state.timer, kSwitchOn);
  } else if (!lightOn && state.lit == 1) {
    SetRangeFlags(gauge, range, platform::kImageHidden, platform::kImageLuminous);
    state.lit = 0;
    SetSwitch(&state.timer, kSwitchOn);
  }
  UpdateTimedSwitch(&state.timer, kSwitchOn, kRelightDone);
  if (GetSwitch(&state.timer) != kRelightDone) return GetSwitch(&state.timer) == kSwitchOn;
  SetSwitch(&state.timer, kSwitchOff);
  SetRangeFlags(gauge, range, 0, platform::kImageHidden | range.alsoClear);
  return false;
}

void OverheadPanelOverlays(platform::GAUGEHDR* gauge, uint32_t serviceId, uint32_t clickAreas) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, 1, IsOclPanelLightOn() != 0);
  ShowClickAreas(gauge, clickAreas);
}

void OverheadMeter(platform::GAUGEHDR* gauge, uint32_t serviceId, uint32_t relitEnd) {
  if (serviceId == platform::kServicePreInitialize) ArmRelight(gauge);
  if (serviceId == platform::kServicePreDraw) Relight(gauge, {0, relitEnd}, IsOclPanelLightLit() != 0);
}

double Lamp(bool powered, bool condition) {
  if (!powered) return 0.0;
  return IsLampTestOn() != 0 || condition ? 1.0 : 0.0;
}

double DigitWindow(bool lit, int32_t digit, double blankFrame) {
  if (!lit) return blankFrame;
  if (IsLampTestOn() != 0) return 8.0;
  return digit;
}

double PoweredNeedle(bool powered, double value, double resting, double low, double high) {
  if (!powered || std::isnan(value)) return resting;
  return std::clamp(value, low, high);
}

int32_t DigitOf(double value, int64_t place) {
  if (!(value > 0.0) || place <= 0) return 0;
  const int64_t whole = TruncateSaturated<int64_t>(value + 1e-6);
  return static_cast<int32_t>(whole / place % 10);
}

void PlayClick(SoundId sound) {
  if (sound != kNoClick) PlaySound(sound, 0);
}

int32_t ToggleControl(CSwitch& record, SoundId sound) {
  SetSwitch(&record, GetSwitch(&record) == kSwitchOff ? kSwitchOn : kSwitchOff);
  PlayClick(sound);
  return 1;
}

int32_t MomentaryControl(CSwitch& record, uint32_t mouseFlags, SoundId sound) {
  if ((mouseFlags & platform::kMouseLeftSingle) != 0) {
    SetSwitch(&record, kSwitchOn);
    PlayClick(sound);
  } else if ((mouseFlags & platform::kMouseLeftRelease) != 0) {
    SetSwitch(&record, kSwitchOff);
    PlayClick(sound);
  }
  return 1;
}

int32_t GuardedSwitchControl(CSwitch& record, uint32_t mouseFlags, SoundId sound, void (*action)()) {
  const int32_t position = GetSwitch(&record);
  if ((mouseFlags & platform::kMouseLeftRelease) != 0) {
    if (position != kGuardedActuated) return 1;
    SetSwitch(&record, kGuardOpen);
    PlayClick(sound);
    return 1;
  }
  if (position == kGuardClosed) {
    SetSwitch(&record, kGuardOpen);
    PlayClick(sound);
  } else if (position == kGuardOpen) {
    SetSwitch(&record, kGuardedActuated);
    PlayClick(sound);
    if (action != nullptr) action();
  }
  return 1;
}

int32_t GuardControl(CSwitch& record, SoundId sound) {
  const int32_t position = GetSwitch(&record);
  if (position == kGuardedActuated) {
    SetSwitch(&record, kGuardOpen);
    PlayClick(sound);
  } else if (position == kGuardOpen) {
    SetSwitch(&record, kGuardClosed);
    PlayClick(sound);
  }
  return 1;
}

int32_t SendKeyControl(uint32_t event, uint32_t value, SoundId sound) {
  TriggerKeyEvent(event, value);
  PlayClick(sound);
  return 1;
}

}  // namespace halcyon
