// The animated pedestal levers: a click starts a short animation that walks a
// lever's switch record through numbered frames, one frame a tick. One lever
// template serves them all. This file also owns the fuel shut-off levers,
// which follow the simulator's mixture and hold the fuel cut while a fire
// handle is pulled, and [HYDRAULIC] "lever", [SPEED BRAKE] "handle" and
// [FUEL XFEED] "lever". Reads TICK18, the mixtures and the fire handles;
// sends the mixture cut-off events.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// ---- The lever template ----

// A run of frames from `first` to `last`, one step at a time up or down.
struct LeverFrames {
  int32_t first;
  int32_t last;
};

// The most frame runs one lever has (the flap handle: one a segment each way).
constexpr int32_t kMaxLeverMoves = 10;

// One lever: its record, its frame runs (most levers have two: target 0 and
// target 1) and the animation's state. Animations are never saved.
struct AnimatedLever {
  CSwitch* record;
  LeverFrames frames[kMaxLeverMoves];
  int32_t moveCount = 2;
  uint32_t running = 0;
  double framePeriodTicks = 1.0;
  uint32_t frameIndex = 0;  // frames done so far
  double startTick18 = 0.0;
  int32_t target = 0;
};

// Also makes the lever known to EndLeverRun and IsLeverRunning (any number of levers).
void InitLever(AnimatedLever* lever, double framePeriodTicks);
// Action 0 with no animation running starts one along run `target` (0 up to
// moveCount - 1); any other call is ignored, so a click during a move is lost.
void HandleLever(AnimatedLever* lever, int32_t action, int32_t target);
// Once a tick: the next frame when it is due, at most one a tick. A clock
// that went back (a reloaded flight) restarts the wait from the present tick,
// so a move never stands still for hours with its lever refusing clicks.
void StepLever(AnimatedLever* lever);
// Moves the lever as its gauge would: to one of its end frames by the
// animation toward it, to any other position at once.
void MoveLeverTo(AnimatedLever* lever, int32_t position);
// Ends the run under way of the lever whose record this is, leaving the
// record where it stands; nothing for a record that is no known lever's.
void EndLeverRun(const CSwitch* record);
// Whether the lever whose record this is runs now. Its gauge's clicks are
// lost meanwhile, as the lever's own Handle loses them.
bool IsLeverRunning(const CSwitch* record);
// After a load: a saved position outside the lever's frames becomes `fallback`.
void KeepLeverOnItsFrames(AnimatedLever* lever, int32_t fallback);

// ---- The levers of this file ----

// Fuel shut-off levers: 1 cut off, 18 on; not saved (they follow the mixture).
constexpr int32_t kFuelLeverCutOff = 1;
constexpr int32_t kFuelLeverOn = 18;
extern CSwitch g_fuelLever1;
extern CSwitch g_fuelLever2;

// [HYDRAULIC] "lever", default 1, frames 1..18; read by the annunciators.
extern CSwitch g_hydraulicLever;
// [SPEED BRAKE] "handle", default 1; moved and read by the Throttlebox only.
extern CSwitch g_speedBrakeHandle;
// [FUEL XFEED] "lever", default 1; frames 1..18, open at 18.
constexpr int32_t kFuelXFeedLeverOpen = 18;
constexpr int32_t kFuelXFeedLeverDefault = 1;
extern CSwitch g_fuelXFeedLever;

// The simulator's mixture cut-off of each engine (value 0).
constexpr uint32_t kKeyEventMixture1CutOff = 65919;
constexpr uint32_t kKeyEventMixture2CutOff = 65920;

void LoadLevers();
void UpdateLevers();
void SaveLevers();
void InitFuelLevers();
void UpdateFuelLevers();
void SaveFuelLevers();

// The Throttlebox gauge's lever functions (action 0 starts a move).
void HandleHydraulicLever(int32_t action, int32_t target);
void HandleFuelXFeedLever(int32_t action, int32_t target);
// Engine 1 or 2; target 0 runs the lever on, 1 cuts it off.
void HandleFuelLever(int32_t engine, int32_t action, int32_t target);

}  // namespace halcyon
