// Every heap allocation the bench process makes (its own, the module's, the
// drawing library's), counted, so a bench can report allocations a frame.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>

namespace halcyon::bench {

uint64_t HeapAllocations();

// Counts from where it is made to Report, which puts the count over the
// bench's iterations on its counters as "allocs_per_frame".
class AllocationsPerFrame {
 public:
  void Report(benchmark::State& state) const {
    const double iterations = state.iterations() > 0 ? static_cast<double>(state.iterations()) : 1.0;
    state.counters["allocs_per_frame"] = static_cast<double>(HeapAllocations() - before_) / iterations;
  }

 private:
  uint64_t before_ = HeapAllocations();
};

}  // namespace halcyon::bench
