// Pneumatics: the duct pressure that the engines' bleed (through their
// cross-feed levers) or the APU bleed gives, less what the air users take,
// and the two pneumatic cross-feed levers that let APU, ground or the other
// engine's air reach an engine. Reads the engines' combustion, APU air, the
// anti-ice switches, fuel heat and the starter switches.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// [PNEUMATIC X-FEED] "left" and "right", default 10; animated levers of
// frames 1..10, where 1 passes air.
constexpr int32_t kXFeedLeverPassesAir = 1;
constexpr int32_t kXFeedLeverDefault = 10;
extern CSwitch g_pneumaticXFeedLeft;
extern CSwitch g_pneumaticXFeedRight;

void LoadPneumaticXFeed();
void UpdatePneumaticXFeed();
void SavePneumaticXFeed();
// The cross-feed gauge's levers: action 0 starts a move; target 0 runs the
// lever to 1 (passes air), target 1 back to 10.
void HandleXFeedLeverLeft(int32_t action, int32_t target);
void HandleXFeedLeverRight(int32_t action, int32_t target);

// Once a second: the duct pressure in psi, never negative.
void UpdatePneumaticPressure();
double GetPneumaticPressure();

}  // namespace halcyon
