// The "Altimeter" gauge: the captain's drum-pointer altimeter with its
// barometric windows, below-zero and power-off flags and reference index.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void AltimeterGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
// The gauge's own element list (the first placement's).
platform::ELEMENT_HEADER* AltimeterElements();

double AltimeterElemPointer(platform::ELEMENT_HEADER* element);
double AltimeterElemBelowZeroFlag(platform::ELEMENT_HEADER* element);
double AltimeterElemRefIndex(platform::ELEMENT_HEADER* element);
double AltimeterElemOffFlag(platform::ELEMENT_HEADER* element);
double AltimeterElemDrum10(platform::ELEMENT_HEADER* element);
double AltimeterElemDrum100(platform::ELEMENT_HEADER* element);
double AltimeterElemDrum1000(platform::ELEMENT_HEADER* element);
double AltimeterElemDrum10000(platform::ELEMENT_HEADER* element);
double AltimeterElemInHg1(platform::ELEMENT_HEADER* element);  // hundredths
double AltimeterElemInHg2(platform::ELEMENT_HEADER* element);  // tenths
double AltimeterElemInHg3(platform::ELEMENT_HEADER* element);  // units
double AltimeterElemInHg4(platform::ELEMENT_HEADER* element);  // tens
double AltimeterElemMb1(platform::ELEMENT_HEADER* element);    // units
double AltimeterElemMb2(platform::ELEMENT_HEADER* element);    // tens
double AltimeterElemMb3(platform::ELEMENT_HEADER* element);    // hundreds
double AltimeterElemMb4(platform::ELEMENT_HEADER* element);    // thousands

int32_t AltimeterMouseBaroDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AltimeterMouseBaroInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AltimeterMouseRefIndexDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AltimeterMouseRefIndexInc(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
