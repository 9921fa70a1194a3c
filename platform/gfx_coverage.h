// Anti-aliased coverage of many small filled ellipses, gathered a byte per
// pixel so that a run of weather blots or traffic dots reaches the pixels in
// one composite: the Cairo back end keeps one mask per surface and reuses it
// frame after frame, so gathering allocates nothing.
#pragma once

#include <cstdint>

#include "platform/gfx.h"

namespace platform::gfx {

// A rectangle of device pixels, [x0, x1) x [y0, y1).
struct PixelBox {
  int x0 = 0;
  int y0 = 0;
  int x1 = 0;
  int y1 = 0;
  bool Empty() const { return x0 >= x1 || y0 >= y1; }
  PixelBox Intersect(const PixelBox& other) const;
};

class CoverageMask {
 public:
  static constexpr int kProfileSteps = 256;
  static constexpr int kPhases = 8;      // stamp positions a pixel, each way
  static constexpr int kStampSide = 16;  // pixels: one vector of bytes a row
  // Circles whose reach is at most this many pixels are stamped.
  static constexpr int kStampReach = kStampSide / 2 - 1;
  // The side of the stamps of small stroked figures (AddBytes).
  static constexpr int kFigureSide = 48;
  // Columns the mask needs beyond the surface's width, for a stamp's row.
  static constexpr int kSpareColumns = kFigureSide;

  // How the device sees an ellipse of one box size under one transform: the
  // quadratic form of its offsets from the centre that is 1 on its edge, its
  // reach along each axis and its shortest half-axis, in pixels; for a
  // circle, its coverage by the form and its stamps.
  struct Shape {
    float width = -1.0f;  // the box's sides in user units
    float height = -1.0f;
    double q00 = 0.0, q01 = 0.0, q11 = 0.0;
    double reachX = 0.0, reachY = 0.0;
    double minRadius = 0.0;
    double inner = 0.0;  // within this form a pixel is surely whole
    double outer = 0.0;  // beyond it surely empty
    bool circle = false;
    // A circle's coverage from inner to outer by equal steps of the form.
    double stepsPerUnit = 0.0;
    uint8_t coverage[kProfileSteps] = {};
    // A small circle's pixels, drawn once for each eighth of a pixel its
    // centre may stand at: kStampSide rows of kStampSide bytes, centred on
    // the stamp's middle pixel corner plus the phase.
    uint64_t stampsDrawn = 0;  // a bit a phase
    uint8_t stamps[kPhases * kPhases][kStampSide * kStampSide];
  };

  // The mask's bytes, row by row `stride` apart (at least width plus
  // kSpareColumns); zero where nothing was added.
  void Attach(uint8_t* data, int width, int height, int stride);

  // The shape of the ellipse inscribed in `box` (sides above zero) under
  // `matrix` (invertible). A frame uses few sizes: each is worked out once.
  Shape& ShapeOf(const RectF& box, const Matrix& matrix);

  // Adds the coverage of that ellipse within `limit`; the mask keeps the
  // union, as one fill after another would (1 - (1 - a)(1 - b)).
  void Add(Shape& shape, const RectF& box, const Matrix& matrix, const PixelBox& limit);

  // Adds a square of `side` x `side` bytes of coverage (side a multiple of
  // 16) whose top left lands on pixel (x0, y0), within the surface and the
  // limit's rows: a small figure drawn once and stamped where it stands.
  void AddBytes(const uint8_t* bytes, int side, int x0, int y0, const PixelBox& limit);

  bool Empty() const { return dirty_.Empty(); }
  // The pixels something was added to since the last Clear.
  const PixelBox& Dirty() const { return dirty_; }
  void Clear();

 private:
  void AddCircle(const Shape& shape, double cx, double cy, const PixelBox& box);
  // Whether the stamp could be used (a small circle away from the surface's edges).
  bool Stamp(Shape& shape, double cx, double cy, const PixelBox& limit);
  static void DrawStamp(const Shape& shape, int phase, uint8_t* stamp);
  static int StampReach(const Shape& shape);
  void AddEllipse(const Shape& shape, double cx, double cy, const PixelBox& box);

  static constexpr int kShapes = 8;
  Shape shapes_[kShapes];
  int nextShape_ = 0;
  double linear_[4] = {};  // the matrix the shapes were worked out for
  uint8_t* data_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  PixelBox dirty_;
};

}  // namespace platform::gfx
