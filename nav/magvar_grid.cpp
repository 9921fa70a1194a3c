// Magnetic variation grid: reading and bilinear lookup.
#include "nav/magvar_grid.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace halcyon {
namespace {

constexpr int kMaxGridCells = 4 * 1024 * 1024;

enum GridColumn { kLatMin, kLatStep, kRows, kLonMin, kLonStep, kCols };
enum RowColumn { kRowLat, kRowValues };

// A declination lies within -180..180 degrees.
bool IsDeclination(double value) { return value >= -180.0 && value <= 180.0; }

// Reads whitespace-separated declinations into `out`; false on anything else,
// a value out of range or when the count differs.
bool ParseRow(std::string_view text, size_t count, float* out) {
  size_t got = 0;
  size_t i = 0;
  while (true) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i == text.size()) break;
    size_t end = i;
    while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
    double value = 0.0;
    if (got == count || !ParseNavNumber(text.substr(i, end - i), &value) || !IsDeclination(value)) return false;
    out[got++] = static_cast<float>(value);
    i = end;
  }
  return got == count;
}

}  // namespace

bool CMagVarGrid::Parse(const std::string& fileName, std::string_view text, NavLoadReport* report) {
  *this = CMagVarGrid();
  NavTextReader reader(fileName, text, report);
  const int gridTag = reader.Want("GRID", {"lat_min", "lat_step", "rows", "lon_min", "lon_step", "cols"});
  reader.Want("ROW", {"lat", "values"});
  bool haveGrid = false;
  std::vector<float> values;
  std::vector<bool> rowSeen;
  for (int tag; (tag = reader.Next()) >= 0;) {
    if (tag == gridTag) {
      double v[6];
      bool ok = !haveGrid;
      for (int c = 0; c < 6 && ok; ++c) ok = ParseNavNumber(reader.Field(c), &v[c]);
      ok = ok && v[kLatStep] > 0.0 && v[kLonStep] > 0.0 && v[kRows] >= 2 && v[kCols] >= 2 &&
           v[kRows] == std::floor(v[kRows]) && v[kCols] == std::floor(v[kCols]) && v[kRows] * v[kCols] <= kMaxGridCells;
      if (!ok) {
        reader.Reject(haveGrid ? "a second grid" : "a grid needs steps above 0 and at least 2 rows and columns");
        continue;
      }
      latMinDeg_ = v[kLatMin];
      latStepDeg_ = v[kLatStep];
      rows_ = static_cast<int>(v[kRows]);
      lonMinDeg_ = v[kLonMin];
      lonStepDeg_ = v[kLonStep];
      cols_ = static_cast<int>(v[kCols]);
      values.assign(static_cast<size_t>(rows_) * cols_, 0.0f);
      rowSeen.assign(rows_, false);
      haveGrid = true;
      continue;
    }
    if (!haveGrid) {
      reader.Reject("a row before the grid record");
      continue;
    }
    double lat = 0.0;
    if (!ParseNavNumber(reader.Field(kRowLat), &lat)) {
      reader.Reject("no latitude");
      continue;
    }
    const double index = (lat - latMinDeg_) / latStepDeg_;
    const long row = std::lround(index);
    if (std::fabs(index - static_cast<double>(row)) > 1e-6 || row < 0 || row >= rows_) {
      reader.Reject("a latitude that is not a row of the grid");
      continue;
    }
    if (!ParseRow(reader.Field(kRowValues), cols_, &values[static_cast<size_t>(row) * cols_])) {
      reader.Reject("a row needs " + std::to_string(cols_) + " declinations from -180 to 180");
      continue;
    }
    rowSeen[row] = true;
  }
  if (!haveGrid) {
    if (report != nullptr) report->AddProblem(fileName, reader.LineNumber(), "no grid record");
    return false;
  }
  for (int row = 0; row < rows_; ++row) {
    if (rowSeen[row]) continue;
    if (report != nullptr) {
      report->AddProblem(fileName, reader.LineNumber(),
                         "no row for latitude " + std::to_string(latMinDeg_ + row * latStepDeg_) + ": grid not used");
    }
    *this = CMagVarGrid();
    return false;
  }
  values_ = std::move(values);
  wraps_ = std::fabs(cols_ * lonStepDeg_ - 360.0) < 1e-6;
  return true;
}

double CMagVarGrid::At(const CLatLon& position) const {
  if (!position.IsValid()) return 0.0;
  return AtLatLonWest(position.GetLat(), position.GetLon());
}

double CMagVarGrid::AtLatLonWest(double latDeg, double lonWestDeg) const {
  if (values_.empty() || !std::isfinite(latDeg) || !std::isfinite(lonWestDeg)) return 0.0;
  const double y = std::clamp((latDeg - latMinDeg_) / latStepDeg_, 0.0, static_cast<double>(rows_ - 1));
  double x = (-lonWestDeg - lonMinDeg_) / lonStepDeg_;
  if (wraps_) {
    x = std::fmod(x, static_cast<double>(cols_));
    if (x < 0.0) x += cols_;
  } else {
    x = std::clamp(x, 0.0, static_cast<double>(cols_ - 1));
  }
  const int row0 = std::min(static_cast<int>(y), rows_ - 2);
  const int col0 = std::min(static_cast<int>(x), cols_ - 1);
  // Past the last column of a world grid the cell closes on the first one.
  const int col1 = col0 + 1 < cols_ ? col0 + 1 : (wraps_ ? 0 : col0);
  const double fy = y - row0;
  const double fx = x - col0;
  // Between a magnetic pole and its geographic pole the declination jumps
  // from +180 to -180 within one cell: blend on the circle, each corner taken
  // within half a turn of the first, then back into -180..180.
  const double base = Value(row0, col0);
  auto near = [base](double value) { return base + std::remainder(value - base, 360.0); };
  const double south = base + (near(Value(row0, col1)) - base) * fx;
  const double north0 = near(Value(row0 + 1, col0));
  const double north = north0 + (near(Value(row0 + 1, col1)) - north0) * fx;
  return std::remainder(south + (north - south) * fy, 360.0);
}

}  // namespace halcyon
