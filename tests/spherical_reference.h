// Textbook spherical-earth formulas for the tests, written apart from the
// module's own: the haversine distance and the initial course with atan2,
// on east-positive longitudes as the formulas are usually stated.
#pragma once

#include <cmath>
#include <numbers>

namespace halcyon::test {

constexpr double kReferenceEarthRadiusNm = 21600.0 / (2.0 * std::numbers::pi);  // 60 NM a degree

inline double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

inline double HaversineDistanceNm(double lat1, double lonEast1, double lat2, double lonEast2) {
  const double dLat = Radians(lat2 - lat1);
  const double dLon = Radians(lonEast2 - lonEast1);
  const double a = std::pow(std::sin(dLat / 2), 2) +
                   std::cos(Radians(lat1)) * std::cos(Radians(lat2)) * std::pow(std::sin(dLon / 2), 2);
  return 2.0 * kReferenceEarthRadiusNm * std::atan2(std::sqrt(a), std::sqrt(1.0 - a));
}

// Degrees in [0, 360).
inline double ReferenceCourse(double lat1, double lonEast1, double lat2, double lonEast2) {
  const double p1 = Radians(lat1);
  const double p2 = Radians(lat2);
  const double dLon = Radians(lonEast2 - lonEast1);
  const double course = std::atan2(std::sin(dLon) * std::cos(p2),
                                   std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dLon));
  const double degrees = course * 180.0 / std::numbers::pi;
  return degrees < 0.0 ? degrees + 360.0 : degrees;
}

// The smallest difference between two courses, in degrees.
inline double CourseDifference(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 360.0);
  return d > 180.0 ? 360.0 - d : d;
}

}  // namespace halcyon::test
