// Fire protection: the engine fire handles. Only the records other systems
// read are here so far; the fire detection and extinguishing step (the
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

}  // namespace halcyon
