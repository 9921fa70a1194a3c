// Placing things on the displays: turning a screen point about the origin and
// the gnomonic projection of a position about a centre position, in degrees
// of arc times a scale (the great-circle distance and bearing live in
// nav/great_circle.h). Longitudes are west positive, so a negative scale
// gives the screen's orientation directly: x east, y south (downward).
#pragma once

#include <cstdint>

#include "platform/gfx.h"

namespace halcyon {

class CLatLon;

struct PointInt {
  int32_t x = 0;
  int32_t y = 0;
};

// Positive angles turn clockwise as seen on the display (y grows downward).
void RotatePoint(platform::gfx::PointF& p, double deg);
// The same with the result truncated toward zero.
void RotatePointInt(PointInt& p, double deg);

// A point a quarter of the globe or more from the centre has no place on the
// plane: it is put at (0, 0) and false is returned.
bool ProjectLatLon(double lat0Deg, double lon0Deg, double latDeg, double lonDeg, double scale,
                   platform::gfx::PointF& out);
bool ProjectNdPoint(const CLatLon& centre, const CLatLon& point, double scale, platform::gfx::PointF& out);

}  // namespace halcyon
