// The ground proximity warning system: once a second it watches radio
// altitude, vertical speed, terrain closure, gear, flaps, speed and the glide
// slope, finds the one alert that applies and posts its voice; the GPWS lamp
// shows the pull-up alerts and the BELOW G/S lamp the glide-slope alert.
// Reads the on-ground, radio-altitude, vertical-speed, gear-handle,
// flap-position, Mach and glide-slope tokens.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

enum GpwsAlert : int32_t {
  kGpwsNone = 0,
  kGpwsSinkRate = 1,
  kGpwsSinkRatePullUp = 2,
  kGpwsTerrain = 3,
  kGpwsTerrainPullUp = 4,
  kGpwsDontSink = 5,
  kGpwsTooLowGear = 6,
  kGpwsTooLowGearFast = 7,
  kGpwsTooLowFlaps = 8,
  kGpwsTooLowFlapsFast = 9,
  kGpwsBelowGlideSlope = 10,
};
constexpr int32_t kGpwsAlertCount = 11;

// 41 lit, 120 dark; set from the alert each second.
extern CSwitch g_gpwsLight;     // pull-up alerts (2 and 4); the test button holds it lit
extern CSwitch g_belowGsLight;  // below the glide slope (10)

void InitGpws();
// Once a tick, after the voice queue has played; works once a second.
void UpdateGpws();

// The BELOW G/S button inhibits the glide-slope alert; it takes only below
// 1000 ft, and the inhibit ends on the ground or above 1000 ft.
void SetGpwsButtonFlag();
void ClearGpwsButtonFlag();
uint32_t IsGpwsButtonFlagSet();
// Codes outside 0..10 store 0.
void SetGpwsAlertCode(int32_t code);
int32_t GetGpwsAlertCode();
// Feet per minute, negative while the terrain comes closer.
double GetGpwsClosureRate();

}  // namespace halcyon
