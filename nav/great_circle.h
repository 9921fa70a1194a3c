// Great-circle helpers on a spherical earth: distance, initial bearing and
// the point reached along a bearing. Degrees throughout, latitude north
// positive and longitude WEST positive, as every position of the navigation
// data; the earth's radius makes one degree of arc 60 NM.
#pragma once

namespace halcyon {

constexpr double kEarthRadiusNm = 3437.746770784939;
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kRadiansPerNm = 0.0002908882086657216;  // 1 / kEarthRadiusNm
// The navigation data's "no value": a bearing between two equal points.
constexpr double kUnsetValue = -999999999.0;

struct GeoPointDeg {
  double latitudeDeg;   // north positive
  double longitudeDeg;  // west positive
};

double GreatCircleDistanceNm(double lat1Deg, double lon1Deg, double lat2Deg, double lon2Deg);
// True course leaving point 1 for point 2, in (0, 360]: due north is 360.0.
// kUnsetValue when the points are equal or too close for the course to resolve.
double InitialBearing(double lat1Deg, double lon1Deg, double lat2Deg, double lon2Deg);
// The point reached after distNm along the great circle leaving (lat, lon)
// on bearingDeg; its longitude lies in [-180, 180).
GeoPointDeg DestinationPoint(double latDeg, double lonDeg, double bearingDeg, double distNm);

}  // namespace halcyon
