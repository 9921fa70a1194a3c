// The thrust rating panel "TRP" (six rating buttons with their lamps, the
// test button and the assumed-temperature knob) and the ball indicator "Slip".
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void TrpGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* TrpElements();
int32_t TrpMouseModeTo(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrpMouseModeToFlx(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrpMouseModeGa(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrpMouseModeMct(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrpMouseModeCl(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrpMouseModeCr(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrpMouseTest(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrpMouseTempDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrpMouseTempInc(platform::PixelPoint point, uint32_t mouseFlags);

void SlipGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* SlipElements();

}  // namespace halcyon
