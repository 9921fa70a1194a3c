// Flaps and slats: the cockpit flap handle follows the simulator's flap
// handle detent by detent, one image frame a tick; the auto-slat light
// follows the simulator's slat condition above 240 kt, and the auto-slat
// check lights the same lamp for a while after the flaps leave the up
// detent on the ground. Reads TICK18, the flap handle (328), the airspeed,
// the slat condition (67) and the on-ground flag; sends the auto-slat
// events; steps the cabin-pressure lever and rate wheel animations.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// [FLAPS] "lever", default 1: the handle's image frame 0..35; the detents
// stand at frames 0, 10, 15, 20, 27 and 35.
extern CSwitch g_flapLever;
// [SLATS] "auto_slat_light", default 120: 41 lit.
extern CSwitch g_autoSlatLight;
// The auto-slat check: 41 waiting, 64 lamp lit, 120 idle (90 ticks a stage).
extern CSwitch g_autoSlatCheck;

constexpr int32_t kAutoSlatCheckWaiting = 41;
constexpr int32_t kAutoSlatCheckLit = 64;
constexpr double kAutoSlatCheckTicks = 90.0;
// The simulator's flap handle a detent down or up, as the Flapsbox gauge's
// clicks send it; the auto-slat sends these same two.
constexpr uint32_t kKeyEventFlapsDown = 65758;
constexpr uint32_t kKeyEventFlapsUp = 65759;
constexpr uint32_t kKeyEventAutoSlatOn = kKeyEventFlapsDown;
constexpr uint32_t kKeyEventAutoSlatOff = kKeyEventFlapsUp;
constexpr double kAutoSlatAboveKt = 240.0;
// The simulator's flap position (its own 0..16384 units) from which the flaps
// stand in a landing setting.
constexpr double kLandingFlapPosition = 11460.0;

void LoadFlaps();
void UpdateFlaps();
void SaveFlaps();
void LoadSlats();
void UpdateSlats();
void SaveSlats();

// The flap detent 0..5 from the simulator's flap handle (FlapDetentOfHandle).
uint32_t GetFlapPosition();
// The detent's image frame of the flap handle (detent 0..5).
int32_t FlapDetentFrame(uint32_t detent);
// The SDP gauge's auto-slat lamp: the light lit or the check at its lit stage.
bool IsAutoSlatLampLit();

}  // namespace halcyon
