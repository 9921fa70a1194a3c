// The "IRS" overhead panel (the mode selectors and status lamps of the two
// inertial reference units) and the "FDC" panel (the CADC, flight-director
// command and vertical-gyro source selectors).
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void IrsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
// After each tick's work: the ALIGN lamps' blink steps, whether or not the
// panel is drawn.
void KeepAlignLampBlink();
platform::ELEMENT_HEADER* IrsElements();
int32_t IrsMouseSwitch1Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t IrsMouseSwitch1Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t IrsMouseSwitch2Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t IrsMouseSwitch2Inc(platform::PixelPoint point, uint32_t mouseFlags);

void FdcGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* FdcElements();
int32_t FdcMouseCadcDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FdcMouseCadcInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FdcMouseFdCmdDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FdcMouseFdCmdInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FdcMouseVertGyroDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FdcMouseVertGyroInc(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
