// Element-list walking for the gauge callbacks' show/hide and lighting idioms.
#include "gauges/element_helpers.h"

namespace halcyon {

platform::ELEMENT_HEADER* GetNthElement(platform::ELEMENT_HEADER* list, uint32_t n) {
  platform::ELEMENT_HEADER* element = list;
  for (uint32_t step = 0; element != nullptr && step < n; ++step) {
    element = element->nextElement != nullptr ? element->nextElement[0] : nullptr;
  }
  return element;
}

void SetElementFlags(platform::ELEMENT_HEADER* list, uint32_t n, uint32_t mask) {
  if (platform::ELEMENT_HEADER* element = GetNthElement(list, n)) element->imageFlags |= mask;
}

void ClearElementFlags(platform::ELEMENT_HEADER* list, uint32_t n, uint32_t mask) {
  if (platform::ELEMENT_HEADER* element = GetNthElement(list, n)) element->imageFlags &= ~mask;
}

}  // namespace halcyon
