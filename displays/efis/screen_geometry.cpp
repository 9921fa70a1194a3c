// Screen rotation and the gnomonic map projection.
#include "displays/efis/screen_geometry.h"

#include <cmath>

#include "nav/latlon.h"

namespace halcyon {

namespace {

struct Rotated {
  double x;
  double y;
};

Rotated Rotate(double x, double y, double deg) {
  const double a = deg * kRadiansPerDegree;
  return {std::cos(a) * x - std::sin(a) * y, std::sin(a) * x + std::cos(a) * y};
}

}  // namespace

void RotatePoint(platform::gfx::PointF& p, double deg) {
  const Rotated r = Rotate(p.x, p.y, deg);
  p.x = static_cast<float>(r.x);
  p.y = static_cast<float>(r.y);
}

void RotatePointInt(PointInt& p, double deg) {
  const Rotated r = Rotate(p.x, p.y, deg);
  p.x = static_cast<int32_t>(std::trunc(r.x));
  p.y = static_cast<int32_t>(std::trunc(r.y));
}

bool ProjectLatLon(double lat0Deg, double lon0Deg, double latDeg, double lonDeg, double scale,
                   platform::gfx::PointF& out) {
  const double p0 = lat0Deg * kRadiansPerDegree;
  const double p = latDeg * kRadiansPerDegree;
  const double dl = (lonDeg - lon0Deg) * kRadiansPerDegree;
  const double k = std::sin(p0) * std::sin(p) + std::cos(p0) * std::cos(p) * std::cos(dl);
  // The tangent plane only reaches the near hemisphere; its edge goes to infinity.
  if (!(k > 1e-9)) {
    out = {};
    return false;
  }
  const double x = std::cos(p) * std::sin(dl) / k * kDegreesPerRadian;
  const double y = (std::cos(p0) * std::sin(p) - std::sin(p0) * std::cos(p) * std::cos(dl)) / k * kDegreesPerRadian;
  out.x = static_cast<float>(x * scale);
  out.y = static_cast<float>(y * scale);
  return true;
}

bool ProjectNdPoint(const CLatLon& centre, const CLatLon& point, double scale, platform::gfx::PointF& out) {
  return ProjectLatLon(centre.GetLat(), centre.GetLon(), point.GetLat(), point.GetLon(), scale, out);
}

}  // namespace halcyon
