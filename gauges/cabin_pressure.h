// The "Cabin_Pressure" controller panel (system selector, landing altitude
// and barometric knobs with their tapes, flow light test, rate limit) and
// its meters "Cabin_Pressure_Indicator" and "Cabin_Climb".
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void CabinPressureGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* CabinPressureElements();
int32_t CabinPressureMouseSystemSelector(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CabinPressureMouseLandingAltCoarseDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CabinPressureMouseLandingAltCoarseInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CabinPressureMouseLandingAltFineDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CabinPressureMouseLandingAltFineInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CabinPressureMouseLandingBaroDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CabinPressureMouseLandingBaroInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CabinPressureMouseFlowLightTest(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CabinPressureMouseRateLimitDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CabinPressureMouseRateLimitInc(platform::PixelPoint point, uint32_t mouseFlags);

// The meters: each runs the night relighting of its dial and needles.
void CabinPressureIndicatorGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
void CabinClimbGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* CabinPressureIndicatorElements();
platform::ELEMENT_HEADER* CabinClimbElements();

}  // namespace halcyon
