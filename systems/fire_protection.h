// Engine fire detection and extinguishing: the records of the panel's
// controls that other parts of the cockpit read. The fire system's step (the
// handles' start-up, bells, agents, EFDS panel) fills in the rest.
#pragma once

#include "core/switch.h"

namespace halcyon {

enum FireHandlePosition : int32_t {
  kFireHandleStowed = 0,
  kFireHandlePulled = 1,
  kFireHandleRotated = 2,
};

// Moved only by the Engine Fire gauge; stowed (0) at start-up, never saved.
extern CSwitch g_engine1FireHandle;
extern CSwitch g_engine2FireHandle;

// The two extinguisher bottles: 120 full, 126 discharging, 41 discharged.
// The Engine Fire handles set 126; the fire system moves them on to 41 and
// loads and saves them.
extern CSwitch g_fireAgent1;
extern CSwitch g_fireAgent2;

}  // namespace halcyon
