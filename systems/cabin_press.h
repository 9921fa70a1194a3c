// Cabin pressurisation: a cabin-altitude controller. In automatic mode it
// schedules a cabin altitude from the aircraft altitude, never below the
// selected landing altitude, and moves the cabin toward it at the rate-limit
// knob's limits; with the manual lever pulled the cabin climbs or descends at
// the rate the crew sets with the rate wheel. Reads the aircraft altitude and
// the on-ground flag; read by the cabin meters and the annunciators.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// [CABIN PRESS] controls.
extern CSwitch g_cabinSystemSelector;  // "system_selector", default 59 (gauges only)
extern CSwitch g_cabinRateLimitKnob;   // "rate_limit", default 7; positions 1..13
extern CSwitch g_cabinManualLever;     // "manual_lever", default 22: stowed (automatic)
extern CSwitch g_cabinRateWheel;       // "rate_wheeL", default 1: the wheel's frame 1..6
extern CSwitch g_cabinPanelObject;     // 120 at load, not saved

constexpr int32_t kCabinManualLeverStowed = 22;
constexpr double kLandingAltitudeMinFt = -1500.0;
constexpr double kLandingAltitudeMaxFt = 14000.0;

void LoadCabinPress();
void UpdateCabinPress();
void SaveCabinPress();

double GetCabinAltitude();      // feet
double GetCabinRate();          // feet a second, climbing positive
double GetCabinDiffPressure();  // psi
double GetLandingAltitude();    // feet

// Step 1 changes the landing altitude by 100 ft, step 2 by 10 ft; fast
// clicking multiplies the change. Held within -1500..14000 ft.
void IncLandingAltitude(int32_t step);
void DecLandingAltitude(int32_t step);
// The manual rate, by 100 ft/min, within +-2000 ft/min.
void IncCabinRate();
void DecCabinRate();
uint32_t IsCabinManualLeverStowed();

// The rate wheel's animation (frames 1..6): move 0 runs 1..6, move 1 6..1;
// started by the controller when the scheduled rate changes, stepped once a
// tick by StepCabinRateWheel.
void HandleCabinRateWheel(int32_t action, int32_t move);
void StepCabinRateWheel();
// The manual lever's animation (frames 1..22): move 0 runs 1..22, move 1
// 22..1 (stowed); started by the Flapsbox gauge's lever.
void HandleCabinManualLever(int32_t action, int32_t move);
void StepCabinManualLever();
// Both animations at one frame a tick, none running (the flap start-up step).
void InitCabinLevers();

}  // namespace halcyon
