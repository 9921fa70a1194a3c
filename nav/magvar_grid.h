// The magnetic variation of the world as a grid of values, degrees EAST
// positive (true = magnetic + variation), read from the navigation data's
// "magvar.txt" and looked up with bilinear interpolation. The file:
//   @GRID|lat_min|lat_step|rows|lon_min|lon_step|cols
//   GRID|-90|1|181|-180|1|360
//   @ROW|lat|values
//   ROW|-90|v v v ...            one record a latitude: `cols` values west to east
// Longitudes in the file are east positive; lookups take the navigation
// data's west-positive positions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "nav/latlon.h"
#include "nav/nav_text.h"

namespace halcyon {

class CMagVarGrid {
 public:
  // Reads the grid from the file's text. A grid with a missing or short row,
  // or none at all, is not kept (the lookups answer 0.0) and the reason goes
  // to the report.
  bool Parse(const std::string& fileName, std::string_view text, NavLoadReport* report);
  bool IsLoaded() const { return !values_.empty(); }

  // Degrees east positive at a north- and west-positive position; 0.0 when
  // the position is not valid or no grid is loaded. Latitudes beyond the
  // grid take its edge row; longitudes wrap round the world.
  double At(const CLatLon& position) const;
  double AtLatLonWest(double latDeg, double lonWestDeg) const;

 private:
  double Value(int row, int col) const { return values_[static_cast<size_t>(row) * cols_ + col]; }
  double latMinDeg_ = 0.0;
  double latStepDeg_ = 1.0;
  int rows_ = 0;
  double lonMinDeg_ = 0.0;  // east positive
  double lonStepDeg_ = 1.0;
  int cols_ = 0;
  bool wraps_ = false;  // the columns go all round the world
  std::vector<float> values_;
};

}  // namespace halcyon
