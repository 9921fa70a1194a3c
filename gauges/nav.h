// The "NAV" gauge: the glareshield NAV frequency and course selector of the
// active NAV receiver, with the button that picks the receiver.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void NavGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* NavElements();

double NavElemActiveUnit(platform::ELEMENT_HEADER* element);
double NavElemCourseUnits(platform::ELEMENT_HEADER* element);
double NavElemCourseTens(platform::ELEMENT_HEADER* element);
double NavElemCourseHundreds(platform::ELEMENT_HEADER* element);
double NavElemDecimalPoint(platform::ELEMENT_HEADER* element);
double NavElemFreqDigit4(platform::ELEMENT_HEADER* element);
double NavElemFreqDigit3(platform::ELEMENT_HEADER* element);
double NavElemFreqDigit2(platform::ELEMENT_HEADER* element);
double NavElemFreqDigit1(platform::ELEMENT_HEADER* element);
double NavElemFreqLead(platform::ELEMENT_HEADER* element);

int32_t NavMouseWholeDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t NavMouseWholeInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t NavMouseFractDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t NavMouseFractInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t NavMouseCourseDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t NavMouseCourseInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t NavMouseToggleActive(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
