// Spherical great-circle arithmetic in double precision.
#include "nav/great_circle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace halcyon {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

}  // namespace

double GreatCircleDistanceNm(double lat1Deg, double lon1Deg, double lat2Deg, double lon2Deg) {
  const double p1 = lat1Deg * kRadiansPerDegree;
  const double p2 = lat2Deg * kRadiansPerDegree;
  const double dl = (lon1Deg - lon2Deg) * kRadiansPerDegree;
  // Rounding can carry the cosine of a very short or an antipodal arc just
  // past +-1, where the arc cosine has no value.
  const double cosArc = std::clamp(std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(dl), -1.0, 1.0);
  return std::acos(cosArc) * kEarthRadiusNm;
}

double InitialBearing(double lat1Deg, double lon1Deg, double lat2Deg, double lon2Deg) {
  const double p1 = lat1Deg * kRadiansPerDegree;
  const double l1 = lon1Deg * kRadiansPerDegree;
  const double p2 = lat2Deg * kRadiansPerDegree;
  const double l2 = lon2Deg * kRadiansPerDegree;
  if (p1 == p2 && l1 == l2) return kUnsetValue;

  const double arc = GreatCircleDistanceNm(lat1Deg, lon1Deg, lat2Deg, lon2Deg) * kRadiansPerNm;
  const double divisor = std::cos(p1) * std::sin(arc);
  if (divisor == 0.0) return kUnsetValue;
  const double q = std::clamp((std::sin(p2) - std::sin(p1) * std::cos(arc)) / divisor, -1.0, 1.0);
  if (std::isnan(q)) return kUnsetValue;
  // Longitudes grow to the west: a negative sine puts point 2 to the east.
  const double course = std::sin(l2 - l1) < 0.0 ? std::acos(q) : kTwoPi - std::acos(q);
  return course * kDegreesPerRadian;
}

GeoPointDeg DestinationPoint(double latDeg, double lonDeg, double bearingDeg, double distNm) {
  const double p1 = latDeg * kRadiansPerDegree;
  const double l1 = lonDeg * kRadiansPerDegree;
  const double course = bearingDeg * kRadiansPerDegree;
  const double arc = distNm * kRadiansPerNm;
  const double p2 = std::asin(std::clamp(
      std::sin(p1) * std::cos(arc) + std::cos(p1) * std::sin(arc) * std::cos(course), -1.0, 1.0));
  const double dl = std::atan2(std::sin(course) * std::sin(arc) * std::cos(p1), std::cos(arc) - std::sin(p1) * std::sin(p2));
  // Into [-pi, pi) whatever the sign of the sum.
  double l2 = std::fmod(l1 - dl + std::numbers::pi, kTwoPi);
  if (l2 < 0.0) l2 += kTwoPi;
  l2 -= std::numbers::pi;
  return {p2 * kDegreesPerRadian, l2 * kDegreesPerRadian};
}

}  // namespace halcyon
