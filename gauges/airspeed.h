// The "Airspeed" gauge: the captain's airspeed indicator (IAS and maximum
// speed needles, speed-command bug, five speed bugs, Mach drums, power-off
// flags) and the first gauge of the panel, whose callback drives the
// lifecycle of the whole cockpit.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void AirspeedGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
// The gauge's own element list (the first placement's).
platform::ELEMENT_HEADER* AirspeedElements();

double AirspeedElemTargetBug(platform::ELEMENT_HEADER* element);
double AirspeedElemMachTenths(platform::ELEMENT_HEADER* element);
double AirspeedElemMachHundredths(platform::ELEMENT_HEADER* element);
double AirspeedElemMachThousandths(platform::ELEMENT_HEADER* element);
double AirspeedElemMachOffFlag(platform::ELEMENT_HEADER* element);
double AirspeedElemMaxSpeedNeedle(platform::ELEMENT_HEADER* element);
double AirspeedElemIasNeedle(platform::ELEMENT_HEADER* element);
double AirspeedElemOffFlag(platform::ELEMENT_HEADER* element);
double AirspeedElemBug5(platform::ELEMENT_HEADER* element);
double AirspeedElemBug4(platform::ELEMENT_HEADER* element);
double AirspeedElemBug3(platform::ELEMENT_HEADER* element);
double AirspeedElemBug2(platform::ELEMENT_HEADER* element);
double AirspeedElemBug1(platform::ELEMENT_HEADER* element);

int32_t AirspeedMouseSpeedCards(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirspeedMouseBug1Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirspeedMouseBug1Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirspeedMouseBug2Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirspeedMouseBug2Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirspeedMouseBug3Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirspeedMouseBug3Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirspeedMouseBug4Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirspeedMouseBug4Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirspeedMouseBug5Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AirspeedMouseBug5Dec(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
