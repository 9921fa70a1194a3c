// The drawing layer's cost for one glass display frame: the test card, which
// uses every kind of primitive the displays draw, on a 300 x 250 surface with
// Cairo, canvas made and let go each frame as a display does. The budget for
// a whole display frame is 1.7 ms on one core (5 % of a 30 fps frame); the
// recording back end is timed beside it, for tests that draw many frames.
#include <benchmark/benchmark.h>

#include "bench/heap_count.h"

#include "platform/gfx_surface.h"
#include "tests/gfx_test_card.h"

namespace {

void BM_TestCardFrame(benchmark::State& state) {
  platform::gfx::Surface surface(halcyon::test::kTestCardWidth * state.range(0),
                                 halcyon::test::kTestCardHeight * state.range(0));
  {
    platform::gfx::Canvas canvas(surface);  // the surface's kept buffers, made once
    halcyon::test::DrawTestCard(canvas);
  }
  const halcyon::bench::AllocationsPerFrame allocations;
  for (auto _ : state) {
    platform::gfx::Canvas canvas(surface);
    halcyon::test::DrawTestCard(canvas);
  }
  allocations.Report(state);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TestCardFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_TestCardFrameRecorded(benchmark::State& state) {
  platform::gfx::Surface surface(halcyon::test::kTestCardWidth, halcyon::test::kTestCardHeight);
  for (auto _ : state) {
    surface.StartRecording();
    platform::gfx::Canvas canvas(surface);
    halcyon::test::DrawTestCard(canvas);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TestCardFrameRecorded)->Unit(benchmark::kMicrosecond);

}  // namespace
