// Engine fire detection and extinguishing: the records of the panel's
// controls that other parts of the cockpit read.
#pragma once

#include "core/switch.h"

namespace halcyon {

// The two extinguisher bottles: 120 full, 126 discharging, 41 discharged.
// The Engine Fire handles set 126; the fire system moves them on to 41 and
// loads and saves them (filled in by the fire system).
extern CSwitch g_fireAgent1;
extern CSwitch g_fireAgent2;

}  // namespace halcyon
