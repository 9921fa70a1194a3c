// The weather pictures' cells: where a cell of a 64 x 64 cloud grid lands on
// a display (origin at the aircraft, north up before the display turns it)
// and how one non-clear cell is painted, a blot of one to three circles whose
// pattern is the cell's noise entry and whose size grows with the gain. The
// radar display and the ND's weather picture share it.
#pragma once

#include <cstdint>

#include "displays/efis/screen_geometry.h"
#include "platform/gfx.h"

namespace halcyon {

constexpr uint32_t kWeatherGridSize = 64;
// The grid's square reaches this far from the aircraft on each side.
constexpr double kWeatherGridHalfUnits = 210.0;

// Row 0 is the south edge, column 0 the west edge.
PointInt WeatherCellPoint(uint32_t row, uint32_t column);
// Fills the circles of the pattern (0..19; any other draws pattern 0's one circle).
void FillWeatherCell(platform::gfx::Canvas& canvas, platform::gfx::Color color, PointInt p, uint32_t pattern,
                     double scale);
// Every non-clear cell of the grid, with the noise table's patterns.
void PaintWeatherGrid(platform::gfx::Canvas& canvas, platform::gfx::Color color,
                      const uint32_t (&grid)[kWeatherGridSize][kWeatherGridSize], double gain);

}  // namespace halcyon
