// Landing gear: the gear handle image follows the simulator's gear handle,
// the transit lamp shows the gear moving (held 18 ticks after it locks), the
// wheels lamp lights a while after lift-off with the gear down, the gear horn
// is a voice message while slow or with flaps set and the gear not down, and
// the alternate extension handle lowers the gear once pulled to its end.
// Reads TICK18, the gear handle and positions (331, 333, 334), the on-ground
// flag, the airspeed, the throttle levers and the flap handle; sends the gear
// down event and posts the gear warning voice.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// Gear handle image, 1 down .. 18 up; rebuilt from the simulator at start-up.
extern CSwitch g_gearHandleLever;
// [GEAR] "alternate_gear_handle", default 1: 1 stowed, 18 half-way, 36 pulled.
extern CSwitch g_alternateGearHandle;
// The transit lamp: 41 lit, 120 dark.
extern CSwitch g_gearTransitLamp;
// The horn cut-out button: 43 released, 120 pressed.
extern CSwitch g_gearHornCutoutButton;
// The Wheels gauge's lamp: 124 idle, 120 waiting, 41 lit (72 ticks a stage).
extern CSwitch g_wheelsLamp;

constexpr int32_t kGearLeverDown = 1;
constexpr int32_t kGearLeverUp = 18;
constexpr int32_t kAlternateGearStowed = 1;
constexpr int32_t kAlternateGearHalfWay = 18;
constexpr int32_t kAlternateGearExtended = 36;
constexpr int32_t kWheelsLampIdle = 124;
constexpr int32_t kWheelsLampWaiting = 120;
constexpr int32_t kWheelsLampLit = 41;
constexpr double kWheelsLampTicks = 72.0;
constexpr double kGearTransitHoldTicks = 18.0;
constexpr double kGearExtended = 16383.0;
constexpr uint32_t kKeyEventGearDown = 66080;
// Gear transit states.
constexpr int32_t kGearUpLocked = 0;
constexpr int32_t kGearInTransit = 1;
constexpr int32_t kGearDownLocked = 2;
// The horn sounds at or below this airspeed, or with the flap handle past
// this value, while the gear handle is not down; a throttle lever below the
// other value counts as retarded.
constexpr double kGearHornMaxKt = 210.0;
constexpr double kGearHornThrottleBelow = 2000.0;
constexpr double kGearHornFlapHandleAbove = 9830.4;
// The alternate handle's moves: 14 stows from half-way, 15 from the end
// back to half-way, 16 pulls to half-way, 17 from half-way to the end.
constexpr int32_t kAlternateGearStowMove = 14;
constexpr int32_t kAlternateGearHalfBackMove = 15;
constexpr int32_t kAlternateGearPullMove = 16;
constexpr int32_t kAlternateGearExtendMove = 17;

void InitGear();
void LoadGear();
void UpdateGear();
void UpdateAlternateGear();
void SaveGear();

// Action 0 with no move running starts move 0 (to up) or 1 (to down).
void HandleGearHandle(int32_t action, int32_t moveCode);
// The same for the alternate handle, moves 14..17.
void HandleAlternateGear(int32_t action, int32_t moveCode);
uint32_t IsAlternateGearExtended();
void SilenceGearHorn();
int32_t GetGearTransitState();
// The wheels lamp's position, read by the crew callouts.
int32_t GetGearWheelsLampPosition();

}  // namespace halcyon
