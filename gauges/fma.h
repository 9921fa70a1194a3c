// The "FMA" gauge: the flight mode annunciator on the glareshield, its 28
// character cells, its alert and computer lamps, and its ATS, AP and reset
// buttons.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void FmaGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* FmaElements();

// The lamps beside the windows; a cell's callback is generated per window,
// line and cell (see fma.cpp).
double FmaElemAlertLamp0(platform::ELEMENT_HEADER* element);
double FmaElemAlertLamp1(platform::ELEMENT_HEADER* element);
double FmaElemAlertLamp2(platform::ELEMENT_HEADER* element);
double FmaElemAlertLamp3(platform::ELEMENT_HEADER* element);
double FmaElemAlertLamp4(platform::ELEMENT_HEADER* element);
double FmaElemAlertLamp5(platform::ELEMENT_HEADER* element);
double FmaElemAlertLamp6(platform::ELEMENT_HEADER* element);
double FmaElemAlertLamp7(platform::ELEMENT_HEADER* element);
double FmaElemLampToken792(platform::ELEMENT_HEADER* element);
double FmaElemLampDfgc1(platform::ELEMENT_HEADER* element);
double FmaElemLampDfgc2(platform::ELEMENT_HEADER* element);

int32_t FmaMouseAts(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FmaMouseAp(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FmaMouseReset(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
