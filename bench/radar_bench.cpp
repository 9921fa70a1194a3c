// The weather radar's heaviest frame: a full 64 x 64 grid of weather cells
// (one to three circles each) in the radar's frame and clip, on its native
// 300 x 250 surface with Cairo. The display draws once a second.
#include <benchmark/benchmark.h>

#include "displays/efis/display_states.h"
#include "displays/radar/weather_picture.h"
#include "platform/gfx_surface.h"

namespace {

namespace gfx = platform::gfx;

void BM_RadarFullWeatherFrame(benchmark::State& state) {
  static uint32_t grid[halcyon::kWeatherGridSize][halcyon::kWeatherGridSize];
  for (auto& row : grid) {
    for (uint32_t& cell : row) cell = 200;
  }
  for (uint32_t i = 0; i < halcyon::kRadarNoiseSize; ++i) halcyon::g_radarNoise[i] = (i * 7919u) % 20u;
  gfx::Surface surface(300, 250);
  gfx::Path clip;
  clip.AddEllipse(gfx::RectF(-228, -228, 456, 456));
  for (auto _ : state) {
    gfx::Canvas canvas(surface);
    canvas.FillRectangle(gfx::Dim(11, 0, 30, 0.6), gfx::RectF(0, 0, 300, 250));
    canvas.SetTransform(gfx::Matrix().Translate(150, 250));
    canvas.SetClip(clip, gfx::ClipMode::Replace);
    canvas.SetTransform(gfx::Matrix().Translate(150, 250).Rotate(360.0 - 47.0));
    halcyon::PaintWeatherGrid(canvas, gfx::Dim(0, 150, 0, 0.6), grid, 1.0);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RadarFullWeatherFrame)->Unit(benchmark::kMillisecond);

}  // namespace
