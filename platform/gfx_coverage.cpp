// Coverage of filled ellipses from their distance to each pixel's centre:
// a pixel whose centre lies half a pixel or more inside the edge is covered,
// half a pixel or more outside it is not, and in between it ramps linearly,
// which is what area coverage gives along a straight edge.
#include "platform/gfx_coverage.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include <emmintrin.h>  // SSE2, which every x86-64 has

namespace platform::gfx {
namespace {

double Square(double value) { return value * value; }

// Coordinates reach the back end within a million pixels of the surface, so they fit an int.
int Floor(double value) {
  const int whole = static_cast<int>(value);
  return whole > value ? whole - 1 : whole;
}

PixelBox Unite(const PixelBox& a, const PixelBox& b) {
  if (a.Empty()) return b;
  return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

// Coverage of a pixel `distance` pixels outside the edge (inside when negative), 0..255.
int CoverageAt(double distance) { return static_cast<int>(std::clamp(0.5 - distance, 0.0, 1.0) * 255.0 + 0.5); }

// The union of what is there and what is added, as one fill after another would give.
uint8_t Combined(int before, int added) {
  return before == 0 ? static_cast<uint8_t>(added) : static_cast<uint8_t>(before + added - (before * added + 127) / 255);
}

// Combined on a row of sixteen pixels at once, in 16-bit halves.
__m128i CombinedRow(__m128i before, __m128i added) {
  const __m128i zero = _mm_setzero_si128();
  auto half = [](__m128i a, __m128i b) {
    // a x b / 255, rounded: (p + 128 + ((p + 128) >> 8)) >> 8.
    const __m128i p = _mm_add_epi16(_mm_mullo_epi16(a, b), _mm_set1_epi16(128));
    const __m128i product = _mm_srli_epi16(_mm_add_epi16(p, _mm_srli_epi16(p, 8)), 8);
    return _mm_sub_epi16(_mm_add_epi16(a, b), product);
  };
  const __m128i low = half(_mm_unpacklo_epi8(before, zero), _mm_unpacklo_epi8(added, zero));
  const __m128i high = half(_mm_unpackhi_epi8(before, zero), _mm_unpackhi_epi8(added, zero));
  return _mm_packus_epi16(low, high);
}

}  // namespace

// The pixels a circle of the shape may touch lie within this many of the
// one its centre is in, each way.
int CoverageMask::StampReach(const Shape& shape) { return static_cast<int>(std::ceil(shape.reachX)); }

PixelBox PixelBox::Intersect(const PixelBox& other) const {
  return {std::max(x0, other.x0), std::max(y0, other.y0), std::min(x1, other.x1), std::min(y1, other.y1)};
}

void CoverageMask::Attach(uint8_t* data, int width, int height, int stride) {
  data_ = data;
  width_ = width;
  height_ = height;
  stride_ = stride;
  dirty_ = {};
}

CoverageMask::Shape& CoverageMask::ShapeOf(const RectF& box, const Matrix& m) {
  if (m.xx != linear_[0] || m.xy != linear_[1] || m.yx != linear_[2] || m.yy != linear_[3]) {
    for (Shape& shape : shapes_) shape.width = -1.0f;
    linear_[0] = m.xx, linear_[1] = m.xy, linear_[2] = m.yx, linear_[3] = m.yy;
  }
  for (Shape& shape : shapes_) {
    if (shape.width == box.width && shape.height == box.height) return shape;
  }
  Shape& shape = shapes_[nextShape_];
  nextShape_ = (nextShape_ + 1) % kShapes;
  shape.width = box.width;
  shape.height = box.height;
  shape.stampsDrawn = 0;
  const double rx = box.width / 2.0;
  const double ry = box.height / 2.0;
  // A device offset v goes back to the unit circle by A = diag(1/rx, 1/ry) L^-1;
  // the ellipse is |A v|^2 = v' Q v = 1 with Q = A'A.
  const double det = m.xx * m.yy - m.xy * m.yx;
  const double a0x = m.yy / (det * rx), a0y = -m.xy / (det * rx);
  const double a1x = -m.yx / (det * ry), a1y = m.xx / (det * ry);
  shape.q00 = a0x * a0x + a1x * a1x;
  shape.q01 = a0x * a0y + a1x * a1y;
  shape.q11 = a0y * a0y + a1y * a1y;
  shape.reachX = std::sqrt(Square(m.xx * rx) + Square(m.xy * ry));
  shape.reachY = std::sqrt(Square(m.yx * rx) + Square(m.yy * ry));
  const double largestEigen = (shape.q00 + shape.q11) / 2.0 + std::sqrt(Square((shape.q00 - shape.q11) / 2.0) + Square(shape.q01));
  shape.minRadius = 1.0 / std::sqrt(largestEigen);
  // On |A v| alone: a pixel's centre at form f lies at least (sqrt f - 1) x
  // the shortest half-axis from the edge.
  shape.inner = shape.minRadius > 0.5 ? Square(1.0 - 0.5 / shape.minRadius) : -1.0;
  shape.outer = Square(1.0 + 0.5 / shape.minRadius);
  constexpr double kRelative = 1.0e-9;
  shape.circle = std::fabs(shape.q01) <= kRelative * shape.q00 && std::fabs(shape.q00 - shape.q11) <= kRelative * shape.q00;
  if (shape.circle) {
    shape.stepsPerUnit = kProfileSteps / (shape.outer - shape.inner);
    for (int step = 0; step < kProfileSteps; ++step) {
      const double form = shape.inner + (step + 0.5) / shape.stepsPerUnit;
      shape.coverage[step] = static_cast<uint8_t>(CoverageAt(shape.minRadius * (std::sqrt(std::max(form, 0.0)) - 1.0)));
    }
  }
  return shape;
}

void CoverageMask::Add(Shape& shape, const RectF& box, const Matrix& m, const PixelBox& limit) {
  const double x = box.x + box.width / 2.0, y = box.y + box.height / 2.0;
  const double cx = m.xx * x + m.xy * y + m.dx;
  const double cy = m.yx * x + m.yy * y + m.dy;
  // Pixel x is touched when its centre x + 0.5 lies within reach + 0.5 of cx.
  const PixelBox reach{Floor(cx - shape.reachX), Floor(cy - shape.reachY), Floor(cx + shape.reachX) + 1,
                       Floor(cy + shape.reachY) + 1};
  const PixelBox touched = reach.Intersect(limit).Intersect({0, 0, width_, height_});
  if (touched.Empty() || data_ == nullptr) return;
  if (Stamp(shape, cx, cy, limit)) return;
  if (shape.circle) {
    AddCircle(shape, cx, cy, touched);
  } else {
    AddEllipse(shape, cx, cy, touched);
  }
  dirty_ = Unite(dirty_, touched);
}

void CoverageMask::AddCircle(const Shape& shape, double cx, double cy, const PixelBox& box) {
  // The form splits into a column's part and a row's part; each is counted
  // in steps of the coverage table once, and a pixel adds the two.
  constexpr int kWidest = 64;
  const int width = box.x1 - box.x0;
  if (width > kWidest) {
    AddEllipse(shape, cx, cy, box);
    return;
  }
  const double q = shape.q00 * shape.stepsPerUnit;
  int columnSteps[kWidest];
  for (int i = 0; i < width; ++i) {
    const double vx = box.x0 + i + 0.5 - cx;
    columnSteps[i] = static_cast<int>(q * vx * vx);
  }
  const double innerSteps = shape.inner * shape.stepsPerUnit;
  for (int y = box.y0; y < box.y1; ++y) {
    const double vy = y + 0.5 - cy;
    const double rowSteps = q * vy * vy - innerSteps;
    if (rowSteps >= kProfileSteps) continue;
    const int rowStep = Floor(std::max(rowSteps, -1.0e6));
    uint8_t* row = data_ + static_cast<size_t>(y) * stride_ + box.x0;
    for (int i = 0; i < width; ++i) {
      const int step = columnSteps[i] + rowStep;
      if (step >= kProfileSteps) continue;
      row[i] = Combined(row[i], step < 0 ? 255 : shape.coverage[step]);
    }
  }
}

void CoverageMask::DrawStamp(const Shape& shape, int phase, uint8_t* stamp) {
  const double cx = kStampSide / 2 + (phase % kPhases + 0.5) / kPhases;
  const double cy = kStampSide / 2 + (phase / kPhases + 0.5) / kPhases;
  std::memset(stamp, 0, kStampSide * kStampSide);
  // Only the pixels within the circle's reach of the middle can be touched.
  const int reach = StampReach(shape);
  for (int y = kStampSide / 2 - reach; y <= kStampSide / 2 + reach; ++y) {
    for (int x = kStampSide / 2 - reach; x <= kStampSide / 2 + reach; ++x) {
      const double f = shape.q00 * (Square(x + 0.5 - cx) + Square(y + 0.5 - cy));
      if (f >= shape.outer) continue;
      const int step = static_cast<int>((f - shape.inner) * shape.stepsPerUnit);
      stamp[y * kStampSide + x] = step < 0 ? 255 : shape.coverage[std::min(step, kProfileSteps - 1)];
    }
  }
}

bool CoverageMask::Stamp(Shape& shape, double cx, double cy, const PixelBox& limit) {
  if (!shape.circle || shape.reachX > kStampReach) return false;
  const int ix = Floor(cx), iy = Floor(cy);
  const int x0 = ix - kStampSide / 2, y0 = iy - kStampSide / 2;
  if (x0 < 0 || x0 + kStampSide > width_ + kSpareColumns) return false;
  const int phase = static_cast<int>((cy - iy) * kPhases) * kPhases + static_cast<int>((cx - ix) * kPhases);
  uint8_t* stamp = shape.stamps[phase];
  if ((shape.stampsDrawn & (uint64_t{1} << phase)) == 0) {
    DrawStamp(shape, phase, stamp);
    shape.stampsDrawn |= uint64_t{1} << phase;
  }
  // The rows the circle may touch, within the limit's rows and the surface.
  const int reach = StampReach(shape);
  const int rowFirst = std::max({iy - reach, limit.y0, 0});
  const int rowEnd = std::min({iy + reach + 1, limit.y1, height_});
  for (int y = rowFirst; y < rowEnd; ++y) {
    uint8_t* row = data_ + static_cast<size_t>(y) * stride_ + x0;
    const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row));
    const __m128i added = _mm_loadu_si128(reinterpret_cast<const __m128i*>(stamp + (y - y0) * kStampSide));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(row), CombinedRow(before, added));
  }
  if (rowFirst < rowEnd) dirty_ = Unite(dirty_, {x0, rowFirst, x0 + kStampSide, rowEnd});
  return true;
}

void CoverageMask::AddEllipse(const Shape& shape, double cx, double cy, const PixelBox& box) {
  for (int y = box.y0; y < box.y1; ++y) {
    const double vy = y + 0.5 - cy;
    uint8_t* row = data_ + static_cast<size_t>(y) * stride_;
    for (int x = box.x0; x < box.x1; ++x) {
      const double vx = x + 0.5 - cx;
      const double f = shape.q00 * vx * vx + 2.0 * shape.q01 * vx * vy + shape.q11 * vy * vy;
      if (f >= shape.outer) continue;
      int covered = 255;
      if (f > shape.inner) {
        // Distance to the edge: (sqrt f - 1) over the gradient of sqrt f,
        // exact for a circle, first-order for an ellipse.
        const double gx = shape.q00 * vx + shape.q01 * vy;
        const double gy = shape.q01 * vx + shape.q11 * vy;
        const double gradient = std::sqrt(gx * gx + gy * gy);
        const double root = std::sqrt(f);
        covered = CoverageAt(gradient > 0.0 ? (f - root) / gradient : -shape.minRadius);
      }
      row[x] = Combined(row[x], covered);
    }
  }
}

void CoverageMask::AddBytes(const uint8_t* bytes, int side, int x0, int y0, const PixelBox& limit) {
  const int rowFirst = std::max({y0, limit.y0, 0});
  const int rowEnd = std::min({y0 + side, limit.y1, height_});
  const int columnFirst = std::max(x0, 0);
  const int columnEnd = std::min(x0 + side, width_);
  if (rowFirst >= rowEnd || columnFirst >= columnEnd) return;
  const bool whole = x0 >= 0 && x0 + side <= width_ + kSpareColumns;
  for (int y = rowFirst; y < rowEnd; ++y) {
    uint8_t* row = data_ + static_cast<size_t>(y) * stride_;
    const uint8_t* added = bytes + static_cast<size_t>(y - y0) * side;
    if (whole) {
      for (int x = 0; x < side; x += 16) {
        const __m128i more = _mm_loadu_si128(reinterpret_cast<const __m128i*>(added + x));
        if (_mm_movemask_epi8(_mm_cmpeq_epi8(more, _mm_setzero_si128())) == 0xFFFF) continue;
        __m128i* at = reinterpret_cast<__m128i*>(row + x0 + x);
        _mm_storeu_si128(at, CombinedRow(_mm_loadu_si128(at), more));
      }
    } else {
      for (int x = columnFirst; x < columnEnd; ++x) row[x] = Combined(row[x], added[x - x0]);
    }
  }
  dirty_ = Unite(dirty_, {whole ? x0 : columnFirst, rowFirst, whole ? x0 + side : columnEnd, rowEnd});
}

void CoverageMask::Clear() {
  if (dirty_.Empty()) return;
  for (int y = dirty_.y0; y < dirty_.y1; ++y) {
    std::memset(data_ + static_cast<size_t>(y) * stride_ + dirty_.x0, 0, static_cast<size_t>(dirty_.x1 - dirty_.x0));
  }
  dirty_ = {};
}

}  // namespace platform::gfx
