// Autobrake: the arm switch and mode selector step the simulator's own
// autobrake setting one notch at a time; the disarm lamp lights while a mode
// is selected and the system disarmed; after a landing roll above 70 kt the
// system disarms on thrust, on low speed or on the pilot's pedal braking.
// Reads the simulator's setting (743), the airspeed, the on-ground flag, the
// throttle levers and the brake value (322); sends the setting's up and down
// events and drives the autobrake-disarm lamp of the warning lights.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// [AUTOBRAKE] "arm", default 128: 127 armed, 128 disarmed.
extern CSwitch g_autobrakeArmSwitch;
// [AUTOBRAKE] "mode", default 2: 1..5, 2 off.
extern CSwitch g_autobrakeModeSelector;

constexpr int32_t kAutobrakeArmed = 127;
constexpr int32_t kAutobrakeDisarmed = 128;
constexpr int32_t kAutobrakeModeOff = 2;
constexpr uint32_t kKeyEventAutobrakeUp = 66298;
constexpr uint32_t kKeyEventAutobrakeDown = 66299;
// Above this the landing roll counts as started; below the other it ends.
constexpr double kAutobrakeActiveAboveKt = 70.0;
constexpr double kAutobrakeInactiveBelowKt = 10.0;
// Disarming: a throttle lever past this, or the airspeed below the other.
constexpr double kAutobrakeDisarmThrottleAbove = 10000.0;
constexpr double kAutobrakeDisarmBelowKt = 15.0;

void LoadAutobrake();
void UpdateAutobrake();
void SaveAutobrake();
// The disarm test; forced by the simulator's pedal-braking events.
void DisarmAutobrakeOnPedal(uint8_t forced);
uint32_t IsAutobrakeActive();

}  // namespace halcyon
