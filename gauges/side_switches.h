// "Side Switches" and "Side Switches2": two pictures of the side console's
// panel-light, digital-light, flood-light and alternate static switches.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void SideSwitchesGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
void SideSwitches2GaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* SideSwitchesElements();
platform::ELEMENT_HEADER* SideSwitches2Elements();
int32_t SideSwitchesMousePanelLights(platform::PixelPoint point, uint32_t mouseFlags);
int32_t SideSwitchesMouseDigitalLights(platform::PixelPoint point, uint32_t mouseFlags);
int32_t SideSwitchesMouseFloodLights(platform::PixelPoint point, uint32_t mouseFlags);
int32_t SideSwitchesMouseAlternateStatic(platform::PixelPoint point, uint32_t mouseFlags);
int32_t SideSwitches2MousePanelLights(platform::PixelPoint point, uint32_t mouseFlags);
int32_t SideSwitches2MouseDigitalLights(platform::PixelPoint point, uint32_t mouseFlags);
int32_t SideSwitches2MouseFloodLights(platform::PixelPoint point, uint32_t mouseFlags);
int32_t SideSwitches2MouseAlternateStatic(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
