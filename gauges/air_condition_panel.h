// The "Air_Condition" overhead panel (cockpit and cabin temperature
// selectors, supply switches, temperature indicator selector, radio rack
// venturi) and its five meters: the two valve settings, the temperature,
// and the two supply pressures.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void AirConditionGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* AirConditionElements();
int32_t AirConditionMouseCabinTempAuto(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirConditionMouseCabinTempCold(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirConditionMouseCabinTempHot(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirConditionMouseCockpitTempAuto(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirConditionMouseCockpitTempCold(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirConditionMouseCockpitTempHot(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirConditionMouseRadioRackVenturi(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirConditionMouseSupplyLeftDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirConditionMouseSupplyLeftInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirConditionMouseSupplyRightDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirConditionMouseSupplyRightInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirConditionMouseTempSelect(platform::PixelPoint point, uint32_t mouseFlags);

// The meters: each runs the night relighting of its dial and needle.
void AirConditionMeterGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
void AirConditionTemperatureGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* AirConditionLeftValveElements();
platform::ELEMENT_HEADER* AirConditionRightValveElements();
platform::ELEMENT_HEADER* AirConditionLeftPressureElements();
platform::ELEMENT_HEADER* AirConditionRightPressureElements();
platform::ELEMENT_HEADER* AirConditionTemperatureElements();

}  // namespace halcyon
