// Storm cells and the cloud-state answers sampled from them.
#include "simhost/weather_field.h"

#include <algorithm>
#include <cmath>

namespace simhost {
namespace {

constexpr double kDegToRad = 3.14159265358979323846 / 180.0;
constexpr double kNmPerDegree = 60.0;

}  // namespace

uint8_t WeatherField::DensityAt(double latitudeDeg, double longitudeDeg, double minAltFt, double maxAltFt) const {
  double density = evenDensity_;
  for (const StormCell& cell : cells_) {
    if (cell.topFt < minAltFt || cell.baseFt > maxAltFt) continue;
    // A few tens of miles: flat-earth distances are plenty.
    double eastDeg = longitudeDeg - cell.longitudeDeg;
    if (eastDeg > 180.0) eastDeg -= 360.0;
    if (eastDeg < -180.0) eastDeg += 360.0;
    const double northNm = (latitudeDeg - cell.latitudeDeg) * kNmPerDegree;
    const double eastNm = eastDeg * kNmPerDegree * std::cos(cell.latitudeDeg * kDegToRad);
    const double fraction = std::hypot(northNm, eastNm) / cell.radiusNm;
    if (fraction >= 1.0) continue;
    // Densest in the core, thinning to clear air at the rim.
    density = std::max(density, std::floor(cell.density * (1.0 - fraction * fraction)));
  }
  return static_cast<uint8_t>(density);
}

std::vector<uint8_t> WeatherField::Answer(const platform::simconnect::CloudRequest& request) const {
  std::vector<uint8_t> grid(kGridSide * kGridSide);
  const double rowDeg = (static_cast<double>(request.maxLat) - request.minLat) / kGridSide;
  const double columnDeg = (static_cast<double>(request.maxLon) - request.minLon) / kGridSide;
  for (int row = 0; row < kGridSide; ++row) {
    const double latitude = request.minLat + (row + 0.5) * rowDeg;
    for (int column = 0; column < kGridSide; ++column) {
      grid[row * kGridSide + column] =
          DensityAt(latitude, request.minLon + (column + 0.5) * columnDeg, request.minAlt, request.maxAlt);
    }
  }
  return grid;
}

}  // namespace simhost
