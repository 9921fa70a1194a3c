// The "CPL" panel (the centre-instrument and pedestal panel light, digital
// light and flood light), the "Auto Brake" panel (arm switch and mode
// selector) and the "Pneumatic XFeed" levers.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void CplGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* CplElements();
int32_t CplMouseDigital(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CplMouseFlood(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CplMousePanel(platform::PixelPoint point, uint32_t mouseFlags);

void AutoBrakeGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* AutoBrakeElements();
int32_t AutoBrakeMouseArm(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AutoBrakeMouseModeDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AutoBrakeMouseModeInc(platform::PixelPoint point, uint32_t mouseFlags);

void PneumaticXFeedGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* PneumaticXFeedElements();
int32_t PneumaticXFeedMouseLeftValve(platform::PixelPoint point, uint32_t mouseFlags);
int32_t PneumaticXFeedMouseRightValve(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
