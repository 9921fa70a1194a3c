// "Hydraulic Pumps" (the engine, auxiliary and transfer pump switches),
// "Brake Temperature" (the selected brake's temperature dial) and "Brake
// Temperature Controls" (the selector, the test button and the overheat lamp).
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void HydraulicPumpsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* HydraulicPumpsElements();
int32_t HydraulicPumpsMouseEngine1Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t HydraulicPumpsMouseEngine1Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t HydraulicPumpsMouseEngine2Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t HydraulicPumpsMouseEngine2Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t HydraulicPumpsMouseAuxInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t HydraulicPumpsMouseAuxDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t HydraulicPumpsMouseTransfer(platform::PixelPoint point, uint32_t mouseFlags);

void BrakeTemperatureGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* BrakeTemperatureElements();

void BrakeTemperatureControlsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* BrakeTemperatureControlsElements();
int32_t BrakeTemperatureControlsMouseTempSelectorInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t BrakeTemperatureControlsMouseTempSelectorDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t BrakeTemperatureControlsMouseTest(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
