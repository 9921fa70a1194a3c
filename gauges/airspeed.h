// The "Airspeed" gauge: the first gauge of the panel, whose callback drives
// the lifecycle of the whole cockpit.
#pragma once

#include "platform/gauge.h"

namespace halcyon {

void AirspeedGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);

}  // namespace halcyon
