// The weather radar's heaviest frame: a full 64 x 64 grid of weather cells
// (one to three circles each) in the radar's frame and clip, on its native
// 300 x 250 surface with Cairo, at gain 1 and 2. The display draws once a
// second; its budget is that of every display frame, 1.7 ms on one core.
// "allocs_per_frame" counts every heap allocation of a frame.
#include <benchmark/benchmark.h>

#include "bench/heap_count.h"
#include "displays/efis/display_states.h"
#include "displays/radar/weather_picture.h"
#include "platform/gfx_surface.h"

namespace {

namespace gfx = platform::gfx;

uint32_t g_fullGrid[halcyon::kWeatherGridSize][halcyon::kWeatherGridSize];

// One frame as the radar display draws it: background, the round clip, the grid turned by the heading.
[[gnu::noinline]] void DrawFullWeatherFrame(gfx::Surface& surface, const gfx::Path& clip, double gain,
                                             double headingDeg) {
  gfx::Canvas canvas(surface);
  canvas.FillRectangle(gfx::Dim(11, 0, 30, 0.6), gfx::RectF(0, 0, 300, 250));
  canvas.SetTransform(gfx::Matrix().Translate(150, 250));
  canvas.SetClip(clip, gfx::ClipMode::Replace);
  canvas.SetTransform(gfx::Matrix().Translate(150, 250).Rotate(360.0 - headingDeg));
  halcyon::PaintWeatherGrid(canvas, gfx::Dim(0, 150, 0, 0.6), g_fullGrid, gain);
}

void WeatherFrames(benchmark::State& state, uint32_t density) {
  for (auto& row : g_fullGrid) {
    for (uint32_t& cell : row) cell = density;
  }
  for (uint32_t i = 0; i < halcyon::kRadarNoiseSize; ++i) halcyon::g_radarNoise[i] = (i * 7919u) % 20u;
  const double gain = state.range(0) / 10.0;
  gfx::Surface surface(300, 250);
  gfx::Path clip;
  clip.AddEllipse(gfx::RectF(-228, -228, 456, 456));
  DrawFullWeatherFrame(surface, clip, gain, 47.0);  // the surface's kept buffers, made once
  const halcyon::bench::AllocationsPerFrame allocations;
  // The aircraft turns a little between frames, so nothing worked out for
  // one heading serves the next.
  double heading = 47.0;
  for (auto _ : state) {
    heading += 0.1;
    DrawFullWeatherFrame(surface, clip, gain, heading);
  }
  allocations.Report(state);
  state.SetItemsProcessed(state.iterations());
}

void BM_RadarFullWeatherFrame(benchmark::State& state) { WeatherFrames(state, 200); }
BENCHMARK(BM_RadarFullWeatherFrame)->Arg(10)->Arg(20)->Unit(benchmark::kMillisecond);

// The same frame with clear air everywhere: what a frame costs and
// allocates besides its cells.
void BM_RadarClearAirFrame(benchmark::State& state) { WeatherFrames(state, 0); }
BENCHMARK(BM_RadarClearAirFrame)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
