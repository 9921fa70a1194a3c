// A geographic position, latitude and longitude in degrees. The type keeps no
// sign convention of its own: navigation data stores west-positive
// longitudes, the TCAS east-positive ones, each in the same record.
#pragma once

#include <cmath>

#include "nav/great_circle.h"

namespace halcyon {

class CLatLon {
 public:
  CLatLon() = default;
  CLatLon(double latitudeDeg, double longitudeDeg) { SetLatLon(latitudeDeg, longitudeDeg); }

  // A latitude outside -90..90 or a longitude outside -180..180 leaves the
  // position unset.
  void SetLatLon(double latitudeDeg, double longitudeDeg) {
    if (latitudeDeg >= -90.0 && latitudeDeg <= 90.0 && longitudeDeg >= -180.0 && longitudeDeg <= 180.0) {
      latitude_ = latitudeDeg;
      longitude_ = longitudeDeg;
    } else {
      latitude_ = kUnsetValue;
      longitude_ = kUnsetValue;
    }
  }
  void Set(const CLatLon& other) { SetLatLon(other.latitude_, other.longitude_); }

  double GetLat() const { return latitude_; }
  double GetLon() const { return longitude_; }
  bool IsValid() const {
    return latitude_ != kUnsetValue && longitude_ != kUnsetValue && !std::isnan(latitude_) && !std::isnan(longitude_);
  }

 private:
  double latitude_ = kUnsetValue;
  double longitude_ = kUnsetValue;
};

}  // namespace halcyon
