// Three small forward-panel gauges: the "Clock" (UTC hands and the
// simulator's clock keys), "FGCP Lights" (the flight-guidance panel's
// backlight and digit-window lighting buttons) and "Brake_Pressure" (the
// pressures of hydraulic systems 1 and 2).
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void ClockGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* ClockElements();
double ClockElemHourHand(platform::ELEMENT_HEADER* element);
double ClockElemMinuteHand(platform::ELEMENT_HEADER* element);
double ClockElemSecondHand(platform::ELEMENT_HEADER* element);
int32_t ClockMouseLeft(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ClockMouseRight(platform::PixelPoint point, uint32_t mouseFlags);

void FgcpLightsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* FgcpLightsElements();
int32_t FgcpLightsMouseBacklight(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FgcpLightsMouseDigital(platform::PixelPoint point, uint32_t mouseFlags);

void BrakePressureGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* BrakePressureElements();
double BrakePressureElemSystem1(platform::ELEMENT_HEADER* element);
double BrakePressureElemSystem2(platform::ELEMENT_HEADER* element);

}  // namespace halcyon
