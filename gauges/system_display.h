// The system display panel "SDP": a lit liquid-crystal panel of digits and
// lamp segments with engine and system readouts for the left and right side,
// the static air temperature at its head. It has no controls.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void SdpGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* SdpElements();

}  // namespace halcyon
