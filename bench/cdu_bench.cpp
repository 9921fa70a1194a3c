// The CDU screen's heaviest frame: every one of its 14 lines full, each in
// four runs of other colours and sizes (a busy LEGS page has fewer), painted
// on its native 290 x 220 surface with Cairo. The screen is painted on every
// pre-draw.
#include <benchmark/benchmark.h>

#include "bench/heap_count.h"

#include "core/lifecycle.h"
#include "fmc/cdu_screen.h"
#include "platform/gauge.h"
#include "platform/gfx_surface.h"

namespace {

void BM_CduFullScreenFrame(benchmark::State& state) {
  halcyon::StartGdiplus();
  halcyon::CCduScreen screen;
  constexpr halcyon::CduColor kColors[] = {halcyon::CduColor::White, halcyon::CduColor::Cyan,
                                           halcyon::CduColor::Magenta, halcyon::CduColor::Green};
  for (int line = 0; line < halcyon::CCduScreen::kLines; ++line) {
    for (int run = 0; run < 4; ++run) {
      const auto size = (line + run) % 2 == 0 ? halcyon::CduSize::Large : halcyon::CduSize::Small;
      screen.Put(line, run * 6, L"N47\u00B0[.", kColors[run], size);
    }
  }
  platform::gfx::Surface surface(290, 220);
  platform::ELEMENT_HEADER element{};
  element.surface = &surface;
  halcyon::PaintCduScreen(&element, screen, 0.8);  // the surface's kept buffers, made once
  const halcyon::bench::AllocationsPerFrame allocations;
  for (auto _ : state) halcyon::PaintCduScreen(&element, screen, 0.8);
  allocations.Report(state);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CduFullScreenFrame)->Unit(benchmark::kMillisecond);

}  // namespace
