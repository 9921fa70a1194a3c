// Longitudinal trim: the take-off stabilizer setting from the centre of
// gravity (% MAC) and the take-off flap selector, the autotrim that drives the
// simulator's elevator trim to it, the pedestal trim handle's animation, and
// the stabilizer trim arm switch whose hold position keeps the stabilizer
// where it stands. Reads the simulator's trim angle; sends elevator trim key
// events. Keeps [LONGITUDE TRIM] and [STABTRIM].
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

constexpr uint32_t kKeyEventElevatorTrimDown = 65607;
constexpr uint32_t kKeyEventElevatorTrimUp = 65615;

// Take-off flap selector positions.
enum TakeoffFlapSelector : int32_t {
  kTakeoffFlaps1 = 135,
  kTakeoffFlaps2 = 136,
  kTakeoffFlaps3 = 137,
  kTakeoffFlaps4 = 138,
};
// Stabilizer trim arm switch positions.
enum StabTrimArm : int32_t {
  kStabTrimNormal = 43,
  kStabTrimAlternate = 125,
  kStabTrimHold = 130,  // the stabilizer is held where it stands
};
constexpr int32_t kTrimHandleAtRest = 6;
constexpr int32_t kMacPercentMax = 35;
// Most trim events one autotrim sends: two radians of stabilizer, far beyond
// its travel, so that a wild simulator value cannot send events without end.
constexpr int32_t kMaxAutotrimEvents = 2000;

extern CSwitch g_takeoffFlapSelector;  // [LONGITUDE TRIM] "to_flaps"
extern CSwitch g_trimHandle;           // position = animation frame 1..11, 6 at rest
extern CSwitch g_stabTrimArmSwitch;    // [STABTRIM] "arm"

void LoadLongitudeTrim();
void SaveLongitudeTrim();
void LoadStabTrim();
void SaveStabTrim();
// Every tick: the hold of the stabilizer trim arm switch.
void UpdateStabTrim();

// Stores v when 0 <= v < 36.
void SetMacPercent(int32_t v);
double GetMacPercent();
void IncMacPercent();
void DecMacPercent();
// Recomputed after every change of % MAC or of the take-off flap selector.
void ComputeTrimSetting();
double GetTrimSetting();
// Sends the trim events that bring the simulator's trim to the setting.
void ApplyTrimSetting();
// The simulator's trim angle (radians) of a trim setting.
double TrimSettingToAngle(double setting);
// The simulator's trim position (the trim-set value) of a trim setting.
int32_t TrimSettingToSimUnits(double setting);

enum TrimHandleAction : int32_t { kTrimHandlePressed = 0, kTrimHandleReleased = 1 };
enum TrimHandleDirection : int32_t { kTrimNoseDown = 0, kTrimNoseUp = 1 };
void HandleTrimSelector(int32_t action, int32_t direction);
// Steps the handle's animation; run once a tick after the tick's work
// (UpdateGaugePictures), whether or not the Longitude Trim gauge is drawn.
void UpdateTrimSelectorKnob();

}  // namespace halcyon
