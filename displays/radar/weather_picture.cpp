// Weather cell placement and the blot patterns.
#include "displays/radar/weather_picture.h"

#include <cmath>
#include <span>

#include "displays/efis/display_states.h"

namespace halcyon {

namespace gfx = platform::gfx;

namespace {

constexpr double kCellUnits = 6.5625;  // 64 cells over 420 units

struct Circle {
  int8_t dx;
  int8_t dy;
  int8_t side;
};
struct Blot {
  uint8_t count;
  Circle circles[3];
};

// By pattern, each circle's box corner offset from the cell's point and its side before the gain.
constexpr Blot kBlots[kWeatherPatternCount] = {
    {1, {{0, 0, 5}}},
    {1, {{13, -12, 3}}},
    {1, {{-15, 12, 4}}},
    {1, {{-5, 2, 6}}},
    {2, {{-16, -12, 4}, {-4, 6, 3}}},
    {2, {{-12, -14, 5}, {6, -3, 3}}},
    {1, {{6, 4, 3}}},
    {2, {{12, 0, 3}, {5, 0, 6}}},
    {2, {{1, 4, 3}, {-12, 15, 5}}},
    {1, {{-2, 1, 4}}},
    {1, {{-2, 5, 3}}},
    {1, {{-11, 15, 5}}},
    {3, {{16, 15, 3}, {-8, 1, 5}, {-18, 11, 4}}},
    {2, {{-8, 5, 3}, {-15, 12, 6}}},
    {2, {{2, -5, 3}, {15, -18, 4}}},
    {2, {{6, -15, 3}, {15, -2, 5}}},
    {2, {{-15, -8, 3}, {1, 14, 6}}},
    {3, {{-16, -15, 6}, {-5, 3, 4}, {-1, -12, 5}}},
    {3, {{0, 0, 6}, {-5, 18, 4}, {-10, -2, 3}}},
    {3, {{0, 0, 5}, {11, 2, 4}, {-16, -15, 6}}},
};

}  // namespace

PointInt WeatherCellPoint(uint32_t row, uint32_t column) {
  const int32_t lastRow = kWeatherGridSize - 1;
  return {static_cast<int32_t>(std::trunc(column * kCellUnits - kWeatherGridHalfUnits - 1.0)),
          static_cast<int32_t>(std::trunc((lastRow - static_cast<int32_t>(row)) * kCellUnits - kWeatherGridHalfUnits))};
}

void FillWeatherCell(gfx::Canvas& canvas, gfx::Color color, PointInt p, uint32_t pattern, double scale) {
  const Blot& blot = kBlots[pattern < kWeatherPatternCount ? pattern : 0];
  for (const Circle& circle : std::span(blot.circles, blot.count)) {
    const auto side = static_cast<float>(circle.side * scale);
    canvas.FillEllipse(color, gfx::RectF(static_cast<float>(p.x + circle.dx), static_cast<float>(p.y + circle.dy), side, side));
  }
}

void PaintWeatherGrid(gfx::Canvas& canvas, gfx::Color color, const uint32_t (&grid)[kWeatherGridSize][kWeatherGridSize],
                      double gain) {
  for (uint32_t r = 0; r < kWeatherGridSize; ++r) {
    for (uint32_t c = 0; c < kWeatherGridSize; ++c) {
      if (grid[r][c] == 0) continue;
      FillWeatherCell(canvas, color, WeatherCellPoint(r, c), g_radarNoise[r * kWeatherGridSize + c], gain);
    }
  }
}

}  // namespace halcyon
