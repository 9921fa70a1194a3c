// The module's gauges in the order the aircraft's panel configuration knows
// them, "Airspeed" first; the table ends with a null pointer.
#pragma once

#include "platform/gauge.h"

namespace halcyon {

extern platform::GAUGEHDR* g_gaugeTable[];

}  // namespace halcyon
