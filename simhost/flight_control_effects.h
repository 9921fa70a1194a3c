// What the simulator does with the cockpit's ground-spoiler and trim key
// events: the spoiler handle deploys, stows or is set to a value, the arm
// command toggles or is set, the elevator trim moves one fixed step an event
// on a grid of whole steps (so that a trim held by events comes back exactly
// where it was), and the rudder and aileron trims a tenth of a degree an event.
#pragma once

#include <cstdint>

namespace simhost {

// The elevator trim's step, radians an event.
constexpr double kElevatorTrimStepRad = 0.001;
// The rudder and aileron trims' step, radians an event (a tenth of a degree).
constexpr double kAxisTrimStepRad = 0.0017453292519943296;

// Applies the event's effect; false when the event is not one of these.
bool ApplyFlightControlEffect(uint32_t event, uint32_t value);
// The simulator's own notification of a trim event ("ELEV_TRIM_DN",
// "ELEV_TRIM_UP") for a trim key event; null for any other event.
const char* TrimNotificationOf(uint32_t event);

}  // namespace simhost
