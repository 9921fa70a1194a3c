// The first officer's callouts: radio-altitude counts, flaps, engine start,
// gear, take-off speeds, 60 knots, glide-slope and localizer capture and the
// parking brake. Each call is armed by one condition and said once when its
// own condition follows, directly through the sound system (not the voice
// queue). Reads the radio altimeter, airspeed, gear, flaps, N2, the ILS
// needles, the starter switches, the speed bugs and the EFIS decision height.
#pragma once

#include <cstdint>

namespace halcyon {

// The altitude alert's 1000-foot call (slot 149) may play while this is 1;
// the altitude alert consumes it and re-arms it.
extern uint32_t g_thousandFootCalloutFlag;

// Start-up: every call disarmed, the 1000-foot call armed, and the present
// flap handle taken as the last one seen.
void ResetCallouts();
// Once per tick; works on the 6 Hz tick channel.
void EvaluateCallouts();

}  // namespace halcyon
