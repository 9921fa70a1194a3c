// The two popup cards. "Checklist" (window 10110): one of fifteen checklist
// pages with a marker at the current item; its halves page through the
// checklists, its bottom strip steps to the next item, which the first
// officer reads aloud. "Speed Cards" (window 10160): the take-off or landing
// card for a weight band, whose buttons set the airspeed bugs from it.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void ChecklistGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* ChecklistElements();
double ChecklistElemPage(platform::ELEMENT_HEADER* element);
double ChecklistElemMarker(platform::ELEMENT_HEADER* element);
double ChecklistElemEmergencyMark(platform::ELEMENT_HEADER* element);

int32_t ChecklistMouseChecklistDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ChecklistMouseChecklistInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ChecklistMouseClose(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ChecklistMouseNextItem(platform::PixelPoint point, uint32_t mouseFlags);

void SpeedCardsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* SpeedCardsElements();
double SpeedCardsElemCard(platform::ELEMENT_HEADER* element);
double SpeedCardsElemKgLabel(platform::ELEMENT_HEADER* element);

int32_t SpeedCardsMouseClose(platform::PixelPoint point, uint32_t mouseFlags);
int32_t SpeedCardsMouseType(platform::PixelPoint point, uint32_t mouseFlags);
int32_t SpeedCardsMouseWeightDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t SpeedCardsMouseWeightInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t SpeedCardsMouseSetAsiBugs1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t SpeedCardsMouseSetAsiBugs2(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
