// The simulator's weather as the radar sees it: storm cells a scenario
// places (each densest at its centre and thinning to clear air at its
// radius, between a base and a top), over an even cloud density everywhere
// (`clouds`). A cloud-state request is answered by sampling the field at the
// middle of each of the 64 x 64 cells of the box and altitude band asked for.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/simconnect.h"

namespace simhost {

struct StormCell {
  double latitudeDeg = 0.0;
  double longitudeDeg = 0.0;  // east positive
  double radiusNm = 1.0;
  uint8_t density = 0;        // at the centre, 1..255
  double baseFt = 0.0;
  double topFt = 45000.0;
};

class WeatherField {
 public:
  static constexpr int kGridSide = 64;

  void SetEvenDensity(uint8_t density) { evenDensity_ = density; }
  void AddCell(const StormCell& cell) { cells_.push_back(cell); }
  void ClearCells() { cells_.clear(); }
  const std::vector<StormCell>& Cells() const { return cells_; }

  // Row by row from the south edge, each row from the west edge.
  std::vector<uint8_t> Answer(const platform::simconnect::CloudRequest& request) const;
  // The density at a point inside an altitude band.
  uint8_t DensityAt(double latitudeDeg, double longitudeDeg, double minAltFt, double maxAltFt) const;

 private:
  uint8_t evenDensity_ = 0;
  std::vector<StormCell> cells_;
};

}  // namespace simhost
