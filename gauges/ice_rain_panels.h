// The "Ice_Protection" overhead panel (emergency lights, cabin signs, heater
// meter selector, airfoil, tail, windshield and engine anti-ice), the
// "Rain" panel (repellent, wiper, annunciator dimmer, air-conditioning
// shutoff override, ram air) and the "OCL" panel (the overhead panel light,
// which lights every overhead gauge, and the flood light).
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void IceProtectionGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* IceProtectionElements();
int32_t IceProtectionMouseAirfoil(platform::PixelPoint point, uint32_t mouseFlags);
int32_t IceProtectionMouseEmergencyLightsDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t IceProtectionMouseEmergencyLightsInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t IceProtectionMouseEngineLeft(platform::PixelPoint point, uint32_t mouseFlags);
int32_t IceProtectionMouseEngineRight(platform::PixelPoint point, uint32_t mouseFlags);
int32_t IceProtectionMouseMeterSelectorDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t IceProtectionMouseMeterSelectorInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t IceProtectionMouseNoSmokingDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t IceProtectionMouseNoSmokingInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t IceProtectionMouseSeatbeltDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t IceProtectionMouseSeatbeltInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t IceProtectionMouseTail(platform::PixelPoint point, uint32_t mouseFlags);
int32_t IceProtectionMouseWindowsAntiFog(platform::PixelPoint point, uint32_t mouseFlags);
int32_t IceProtectionMouseWindowsAntiIce(platform::PixelPoint point, uint32_t mouseFlags);

void RainGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* RainElements();
int32_t RainMouseAirCondShutoffOverride(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RainMouseAnnunciatorLightsDim(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RainMouseRamAir(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RainMouseRepellentDischargeLeft(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RainMouseRepellentDischargeRight(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RainMouseRepellentSource(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RainMouseWiperDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RainMouseWiperInc(platform::PixelPoint point, uint32_t mouseFlags);

void OclGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* OclElements();
int32_t OclMouseFloodLight(platform::PixelPoint point, uint32_t mouseFlags);
int32_t OclMousePanelLight(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
