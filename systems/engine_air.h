// Air for the engines: whether an engine's starter has air (APU bleed or a
// ground cart through its cross-feed lever, or the other running engine
// through both), and whether a running engine's bleed reaches the anti-ice.
// Reads the fire handles, the pneumatic cross-feed levers, APU air and
// external power.
#pragma once

#include <cstdint>

namespace halcyon {

// Engine 1 or 2; 0 for any other engine and while its fire handle is pulled.
uint32_t IsStartAirAvailable(int32_t engine);
uint32_t IsEngineBleedAirAvailable();

}  // namespace halcyon
