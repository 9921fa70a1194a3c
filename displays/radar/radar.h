// The weather radar's control panel: range, mode, antenna tilt, stabilizer,
// display brightness, gain and the half-height of the altitude band it looks
// at, from [RADAR] of the aircraft INI file. The SimConnect client asks for
// cloud data by them; the radar display and the ND's weather picture read
// mode, brightness and gain. No per-tick step.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

enum RadarMode : int32_t { kRadarOff = 120, kRadarTest = 64, kRadarWeather = 109, kRadarMap = 110 };
constexpr double kRadarTiltMaxSteps = 3.0;  // 5 degrees a step either way
constexpr double kRadarGainMax = 2.0;
// What the four significant characters of the saved value hold.
constexpr double kRadarAltRangeMaxFt = 9999.0;

extern uint32_t g_radarRange;              // range index 0..5 (10 .. 320 NM)
extern CSwitch g_radarModeSwitch;          // RadarMode
extern double g_radarTilt;                 // knob steps -3..3
extern CSwitch g_radarStabilizerSwitch;    // 41 on, 120 off; stored only
extern double g_radarBrightness;           // 0..1
extern double g_radarGain;                 // 0..2, the weather cells' scale
extern double g_radarAltRange;             // feet, half-height of the weather band

// Values that index tables or stand beyond the knobs' limits are held at the
// limits on load.
void LoadRadar();
void SaveRadar();
double GetRadarBrightness();
uint32_t GetRadarRange();
// One range index up or down, stopping at 5 and 0.
void IncrementRadarRange();
void DecrementRadarRange();

}  // namespace halcyon
