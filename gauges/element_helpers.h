// Show, hide and light the n-th element of a gauge's element list. Element n
// is reached from the head by following the first following-element link n
// times; a list shorter than that leaves everything as it is.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

// The n-th element of the list (0 is the head); null when the list is null or
// ends before it.
platform::ELEMENT_HEADER* GetNthElement(platform::ELEMENT_HEADER* list, uint32_t n);
// ORs mask into the image flags of element n; nothing when there is none.
void SetElementFlags(platform::ELEMENT_HEADER* list, uint32_t n, uint32_t mask);
// Clears the bits of mask in the image flags of element n; nothing when there is none.
void ClearElementFlags(platform::ELEMENT_HEADER* list, uint32_t n, uint32_t mask);

}  // namespace halcyon
