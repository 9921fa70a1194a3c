// The take-off configuration warning: armed on the ground below taxi speed,
// it speaks once the thrust levers are advanced for each fault of the
// take-off configuration (stabilizer trim, flaps against the take-off flap
// selector, slats, ground spoilers, parking brake) until the fault is cleared
// or the aircraft passes 80 knots. Reads airspeed, on-ground, the stabilizer,
// the throttles, the flap handle and the parking brake; posts voice messages.
#pragma once

#include <cstdint>

namespace halcyon {

constexpr uint32_t kVoiceTakeoffStabilizer = 3;
constexpr uint32_t kVoiceTakeoffSlats = 4;
constexpr uint32_t kVoiceTakeoffFlaps = 5;
constexpr uint32_t kVoiceTakeoffSpoiler = 6;
constexpr uint32_t kVoiceTakeoffBrakes = 7;

// Every tick; the warning has no saved state.
void UpdateTakeoffWarning();
uint32_t IsTakeoffWarningArmed();
// The stabilizer in take-off trim units, from the simulator's trim angle.
double GetStabilizerTrimUnits();

}  // namespace halcyon
