// The overhead APU panel, "APU" (fire agents, air, doors, fire control,
// master, emergency power and battery switches), and its meters "APU_EGT"
// and "APU_RPM".
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void ApuGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* ApuElements();
int32_t ApuMouseFireAgent1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ApuMouseFireAgent2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ApuMouseAirSwitchInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ApuMouseAirSwitchDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ApuMouseDoorsGuard(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ApuMouseDoorsAutoInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ApuMouseDoorsAutoDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ApuMouseFireControl(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ApuMouseMasterInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ApuMouseMasterDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ApuMouseEmergencyPower(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ApuMouseBattery(platform::PixelPoint point, uint32_t mouseFlags);

void ApuEgtGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
void ApuRpmGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* ApuEgtElements();
platform::ELEMENT_HEADER* ApuRpmElements();

}  // namespace halcyon
