// Every heap allocation the bench process makes (its own, the module's, the
// drawing library's), counted, so a bench can report allocations a frame.
#pragma once

#include <cstdint>

namespace halcyon::bench {

uint64_t HeapAllocations();

}  // namespace halcyon::bench
