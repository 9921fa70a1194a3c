// The lever template, the fuel shut-off levers and [HYDRAULIC], [SPEED BRAKE]
// and [FUEL XFEED] of HalcyonPro.ini.
#include "systems/levers.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "systems/fire_protection.h"

namespace halcyon {

CSwitch g_fuelLever1{};
CSwitch g_fuelLever2{};
CSwitch g_hydraulicLever{};
CSwitch g_speedBrakeHandle{};
CSwitch g_fuelXFeedLever{};

namespace {

constexpr double kOneTickPerFrame = 1.0;

// Target 0 runs a fuel lever on (2..18), target 1 cuts it off (17..1).
constexpr LeverFrames kFuelLeverRunOn{2, 18};
constexpr LeverFrames kFuelLeverRunOff{17, 1};

AnimatedLever g_fuelLeverAnimations[2] = {
    {&g_fuelLever1, {kFuelLeverRunOn, kFuelLeverRunOff}},
    {&g_fuelLever2, {kFuelLeverRunOn, kFuelLeverRunOff}},
};
AnimatedLever g_hydraulicLeverAnimation{&g_hydraulicLever, {{1, 18}, {17, 1}}};
AnimatedLever g_fuelXFeedLeverAnimation{&g_fuelXFeedLever, {{2, 18}, {17, 1}}};

// The simulator's side of each fuel lever.
struct FuelLeverLink {
  Token mixture;
  const CSwitch* fireHandle;
  uint32_t cutOffEvent;
};
constexpr FuelLeverLink kFuelLeverLinks[2] = {
    {Token::Engine1Mixture, &g_engine1FireHandle, kKeyEventMixture1CutOff},
    {Token::Engine2Mixture, &g_engine2FireHandle, kKeyEventMixture2CutOff},
};
// The mixture reads as cut off below this and as on above the other.
constexpr double kMixtureCutBelow = 100.0;
constexpr double kMixtureOnAbove = 16300.0;

constexpr const wchar_t* kHydraulicSection = L"HYDRAULIC";
constexpr const wchar_t* kSpeedBrakeSection = L"SPEED BRAKE";
constexpr const wchar_t* kFuelXFeedSection = L"FUEL XFEED";
constexpr SwitchKey kHydraulicKeys[] = {{&g_hydraulicLever, L"lever", L"1"}};
constexpr SwitchKey kSpeedBrakeKeys[] = {{&g_speedBrakeHandle, L"handle", L"1"}};
constexpr SwitchKey kFuelXFeedKeys[] = {{&g_fuelXFeedLever, L"lever", L"1"}};
const SavedControls kHydraulicControls{kHydraulicSection, kHydraulicKeys};
const SavedControls kSpeedBrakeControls{kSpeedBrakeSection, kSpeedBrakeKeys};
const SavedControls kFuelXFeedControls{kFuelXFeedSection, kFuelXFeedKeys};

// Every lever initialised, however many, for EndLeverRun and IsLeverRunning
// (a reload initialises them again).
std::vector<AnimatedLever*> g_levers;

void RememberLever(AnimatedLever* lever) {
  if (std::find(g_levers.begin(), g_levers.end(), lever) == g_levers.end()) g_levers.push_back(lever);
}

int32_t FrameCount(const LeverFrames& run) { return std::abs(run.last - run.first) + 1; }

int32_t FrameAt(const LeverFrames& run, uint32_t index) {
  const int32_t step = run.last >= run.first ? 1 : -1;
  return run.first + step * static_cast<int32_t>(index);
}

bool IsFirePulled(const CSwitch* handle) {
  const int32_t position = GetSwitch(handle);
  return position == kFireHandlePulled || position == kFireHandleRotated;
}

void FollowMixture(AnimatedLever* lever, const FuelLeverLink& link) {
  const double mixture = ReadToken(link.mixture);
  const int32_t position = GetSwitch(lever->record);
  if (mixture < kMixtureCutBelow && position != kFuelLeverCutOff) HandleLever(lever, 0, 1);
  if (mixture > kMixtureOnAbove && position != kFuelLeverOn) HandleLever(lever, 0, 0);
  // A pulled handle keeps the engine's fuel cut whatever the lever shows.
  if (IsFirePulled(link.fireHandle) && mixture != 0.0) TriggerKeyEvent(link.cutOffEvent, 0);
}

}  // namespace

void InitLever(AnimatedLever* lever, double framePeriodTicks) {
  lever->running = 0;
  lever->framePeriodTicks = framePeriodTicks;
  RememberLever(lever);
}

void EndLeverRun(const CSwitch* record) {
  for (AnimatedLever* lever : g_levers) {
    if (lever->record == record) lever->running = 0;
  }
}

bool IsLeverRunning(const CSwitch* record) {
  return std::ranges::any_of(g_levers, [record](const AnimatedLever* lever) {
    return lever->record == record && lever->running != 0;
  });
}

void HandleLever(AnimatedLever* lever, int32_t action, int32_t target) {
  if (action != 0 || lever->running != 0 || target < 0 || target >= lever->moveCount) return;
  lever->running = 1;
  lever->frameIndex = 0;
  lever->startTick18 = CurrentTick18();
  lever->target = target;
}

void StepLever(AnimatedLever* lever) {
  const double now = CurrentTick18();
  if (lever->running != 0 && now > lever->startTick18 + lever->frameIndex * lever->framePeriodTicks) {
    const LeverFrames& run = lever->frames[lever->target];
    SetSwitch(lever->record, FrameAt(run, lever->frameIndex));
    ++lever->frameIndex;
    if (static_cast<int32_t>(lever->frameIndex) >= FrameCount(run)) lever->running = 0;
  }
  if (now + kClockBackGuardTicks < lever->startTick18 + lever->frameIndex * lever->framePeriodTicks) {
    lever->startTick18 = now;
  }
}

void MoveLeverTo(AnimatedLever* lever, int32_t position) {
  for (int32_t target = 0; target < lever->moveCount; ++target) {
    if (position == lever->frames[target].last) {
      HandleLever(lever, 0, target);
      return;
    }
  }
  SetSwitch(lever->record, position);
}

void KeepLeverOnItsFrames(AnimatedLever* lever, int32_t fallback) {
  const int32_t position = GetSwitch(lever->record);
  for (int32_t i = 0; i < lever->moveCount; ++i) {
    const LeverFrames& run = lever->frames[i];
    if (position >= std::min(run.first, run.last) && position <= std::max(run.first, run.last)) return;
  }
  SetSwitch(lever->record, fallback);
}

void LoadLevers() {
  LoadSwitches(kHydraulicSection, kHydraulicKeys);
  LoadSwitches(kSpeedBrakeSection, kSpeedBrakeKeys);
  LoadSwitches(kFuelXFeedSection, kFuelXFeedKeys);
  RegisterControl(kHydraulicSection, L"lever", &g_hydraulicLever,
                  [](int32_t position) { MoveLeverTo(&g_hydraulicLeverAnimation, position); });
  RegisterControl(kFuelXFeedSection, L"lever", &g_fuelXFeedLever,
                  [](int32_t position) { MoveLeverTo(&g_fuelXFeedLeverAnimation, position); });
  KeepLeverOnItsFrames(&g_hydraulicLeverAnimation, 1);
  KeepLeverOnItsFrames(&g_fuelXFeedLeverAnimation, kFuelXFeedLeverDefault);
  InitLever(&g_hydraulicLeverAnimation, kOneTickPerFrame);
  for (AnimatedLever& lever : g_fuelLeverAnimations) InitLever(&lever, kOneTickPerFrame);
  InitLever(&g_fuelXFeedLeverAnimation, kOneTickPerFrame);
}

void UpdateLevers() {
  StepLever(&g_hydraulicLeverAnimation);
  for (AnimatedLever& lever : g_fuelLeverAnimations) StepLever(&lever);
  StepLever(&g_fuelXFeedLeverAnimation);
}

void SaveLevers() {
  SaveSwitches(kHydraulicSection, kHydraulicKeys);
  SaveSwitches(kSpeedBrakeSection, kSpeedBrakeKeys);
  SaveSwitches(kFuelXFeedSection, kFuelXFeedKeys);
}

void InitFuelLevers() {
  for (int32_t i = 0; i < 2; ++i) {
    const bool cut = ReadToken(kFuelLeverLinks[i].mixture) == 0.0;
    SetSwitch(g_fuelLeverAnimations[i].record, cut ? kFuelLeverCutOff : kFuelLeverOn);
  }
}

void UpdateFuelLevers() {
  for (int32_t i = 0; i < 2; ++i) FollowMixture(&g_fuelLeverAnimations[i], kFuelLeverLinks[i]);
}

// The fuel levers are rebuilt from the mixtures at start-up: nothing to save.
void SaveFuelLevers() {}

void HandleHydraulicLever(int32_t action, int32_t target) { HandleLever(&g_hydraulicLeverAnimation, action, target); }
void HandleFuelXFeedLever(int32_t action, int32_t target) { HandleLever(&g_fuelXFeedLeverAnimation, action, target); }

void HandleFuelLever(int32_t engine, int32_t action, int32_t target) {
  if (engine == 1 || engine == 2) HandleLever(&g_fuelLeverAnimations[engine - 1], action, target);
}

}  // namespace halcyon
