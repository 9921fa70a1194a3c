// The simulator's magnetic variation (Token::MagneticVariationDeg, degrees
// east positive) at the aircraft's position, from the same variation grid the
// cockpit's navigation database reads ("magvar.txt" of the navigation data
// folder), so the two never disagree.
#pragma once

#include <string>

#include "nav/magvar_grid.h"

namespace simhost {

class MagneticVariation {
 public:
  // Reads the grid below the simulator folder; without one the token stays
  // 0 and the summary says why.
  void Load(const std::string& root);
  // Sets the variation token for the present position; the first and the latest values
  // are kept for the log.
  void Update();
  // Degrees east at a position (0 without a grid), for the radio stations.
  double VariationAt(double latDeg, double lonEastDeg) const {
    return grid_.IsLoaded() ? grid_.AtLatLonWest(latDeg, -lonEastDeg) : 0.0;
  }
  // Lines for the log: where the grid came from and what the token held.
  std::string Summary() const;

 private:
  struct Sample {
    bool taken = false;
    double latDeg = 0.0;
    double lonEastDeg = 0.0;
    double variationDeg = 0.0;
  };
  static std::string Describe(const Sample& sample);

  halcyon::CMagVarGrid grid_;
  std::string source_;
  std::string problem_;
  Sample first_;
  Sample last_;
};

}  // namespace simhost
