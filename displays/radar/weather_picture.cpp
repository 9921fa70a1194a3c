// Weather cell placement and the blot patterns.
#include "displays/radar/weather_picture.h"

#include <algorithm>
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
  // Each pattern's extent from its cell's point at this gain: a full grid
  // reaches far beyond the screen and its clip, and a blot that cannot show
  // is not drawn.
  gfx::RectF reach[kWeatherPatternCount];
  for (uint32_t pattern = 0; pattern < kWeatherPatternCount; ++pattern) {
    const Blot& blot = kBlots[pattern];
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    for (uint8_t i = 0; i < blot.count; ++i) {
      const Circle& circle = blot.circles[i];
      const auto side = static_cast<float>(circle.side * gain);
      x0 = i == 0 ? circle.dx : std::min(x0, static_cast<float>(circle.dx));
      y0 = i == 0 ? circle.dy : std::min(y0, static_cast<float>(circle.dy));
      x1 = i == 0 ? circle.dx + side : std::max(x1, circle.dx + side);
      y1 = i == 0 ? circle.dy + side : std::max(y1, circle.dy + side);
    }
    reach[pattern] = {x0, y0, x1 - x0, y1 - y0};
  }
  // Blocks of cells that cannot show are passed over whole, by the box of
  // their points widened by the largest reach.
  gfx::RectF widest = reach[0];
  for (const gfx::RectF& extent : reach) {
    const float x1 = std::max(widest.x + widest.width, extent.x + extent.width);
    const float y1 = std::max(widest.y + widest.height, extent.y + extent.height);
    widest.x = std::min(widest.x, extent.x);
    widest.y = std::min(widest.y, extent.y);
    widest.width = x1 - widest.x;
    widest.height = y1 - widest.y;
  }
  constexpr uint32_t kBlock = 8;
  for (uint32_t r0 = 0; r0 < kWeatherGridSize; r0 += kBlock) {
    for (uint32_t c0 = 0; c0 < kWeatherGridSize; c0 += kBlock) {
      const PointInt low = WeatherCellPoint(r0, c0);                          // west and south
      const PointInt high = WeatherCellPoint(r0 + kBlock - 1, c0 + kBlock - 1);  // east and north
      if (!canvas.MayShow({low.x + widest.x, high.y + widest.y, high.x - low.x + widest.width,
                           low.y - high.y + widest.height})) {
        continue;
      }
      for (uint32_t r = r0; r < r0 + kBlock; ++r) {
        for (uint32_t c = c0; c < c0 + kBlock; ++c) {
          if (grid[r][c] == 0) continue;
          const uint32_t pattern = g_radarNoise[r * kWeatherGridSize + c];
          const PointInt p = WeatherCellPoint(r, c);
          const gfx::RectF& extent = reach[pattern < kWeatherPatternCount ? pattern : 0];
          if (!canvas.MayShow({p.x + extent.x, p.y + extent.y, extent.width, extent.height})) continue;
          FillWeatherCell(canvas, color, p, pattern, gain);
        }
      }
    }
  }
}

}  // namespace halcyon
