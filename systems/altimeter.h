// The altimeter's movable reference index and the altitude alert: the lamp and
// tones as the aircraft nears the altitude preselected on the flight guidance
// panel (or the FMS altitude on the way there in VNAV), the 1000-foot callout,
// and the deviation alert when it leaves the altitude the autopilot holds.
// Reads altitude, the autopilot's altitude lock and the flight guidance's
// modes; keeps [ALTIMETER].
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

constexpr double kAltimeterRefIndexMax = 50.0;  // 0 and 50 stand at the same place on the dial
constexpr uint32_t kVoiceAltitudeDeviation = 14;
constexpr uint32_t kVoiceAltitudeAlert = 15;
constexpr int32_t kSoundFirstAltitudeCallout = 149;

// The altitude-alert lamp, 41 lit and 120 dark.
extern CSwitch g_altitudeAlertLight;

void LoadAltimeter();
void SaveAltimeter();
// Start-up: both tone latches clear.
void ResetAltimeter();
// Once a second on tick channel 0.
void UpdateAltimeter();

// Stores v when it lies within 0..50, else 0.
void SetAltimeterRefIndex(double v);
double GetAltimeterRefIndex();
// + 1 while below 50; from 50 up it becomes 1.
void IncAltimeterRefIndex();
// - 1 while above 0; at 0 or below it becomes 49.
void DecAltimeterRefIndex();

}  // namespace halcyon
