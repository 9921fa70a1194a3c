// What the simulator does with the key events of the cockpit's warning
// systems: the speed-decay monitor's autopilot disconnect. The fire handles'
// fuel cut reaches the simulator through the engine levers' own events.
#pragma once

#include <cstdint>

namespace simhost {

// Applies the event's effect to the token table; false when the event is not
// one of the warning systems'.
bool ApplyWarningKeyEvent(uint32_t event, uint32_t value);

}  // namespace simhost
