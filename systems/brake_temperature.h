// Brake temperatures: each wheel brake heats with pedal pressure times
// speed on the ground and cools in proportion to the airflow, between the
// outside air temperature and 500; the hot-brake lamp lights above 305 and
// goes dark once both are below 260. Reads the brake pedals (320, 321), the
// airspeed, the on-ground flag and the outside air temperature (350); read
// by the brake temperature dial, its tooltip and the overheat lamp.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// [BRAKE TEMPERATURE] "temp_selector", default 120: 1, 2 left, 3 the hotter,
// 4, 5 right.
extern CSwitch g_brakeTempSelector;
// The dial's test button: 41 held, 120 released.
extern CSwitch g_brakeTempTestButton;
// The hot-brake lamp: 41 lit, 120 dark.
extern CSwitch g_hotBrakeLamp;

constexpr double kBrakeTempMax = 500.0;
constexpr double kHotBrakeOnAbove = 305.0;
constexpr double kHotBrakeOffBelow = 260.0;
// Heating needs a pedal past this and an airspeed past the other.
constexpr double kBrakeHeatPedalAbove = 1000.0;
constexpr double kBrakeHeatAboveKt = 5.0;
// The dial reads this while its test button is held.
constexpr double kBrakeTempTestReading = 450.0;

void LoadBrakeTemperature();
void UpdateBrakeTemperature();
void SaveBrakeTemperature();

// Brake 0 (left) or 1 (right); 0.0 for any other.
double GetBrakeTemperature(int32_t brake);
// The temperature the selector picks (0 without panel power, 450 while the
// test button is held), for the dial and its tooltip.
double GetSelectedBrakeTemperature();

}  // namespace halcyon
