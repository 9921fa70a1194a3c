// The 2D drawing layer of the glass displays and the CDU screen: what a
// display draws with, in our own terms. A display gets a Canvas on its
// element's pixel surface at the start of a drawing call, draws its whole
// picture and lets the canvas go at the end; nothing is kept between calls.
//
// How drawing behaves (the displays are written against exactly this):
// - Coordinates are floats in the current world transform's user space: a
//   display scales its design space (300 x 250 units for the ND, say) to the
//   surface's pixels, then moves to a block's origin and turns. Matrix
//   operations PREPEND: each call applies to user coordinates before the
//   operations already in the matrix, so Scale, Translate, Rotate in that
//   order means "rotate about the block origin, move it there, scale the whole".
// - Angles are degrees; positive turns clockwise on the screen (y points down).
// - Pens have a width in user units and are stroked through the transform, so
//   a pen scales with the picture (and becomes an elliptical nib when the two
//   scale factors differ). Dashes are given in multiples of the pen width.
//   Ends are flat (butt), corners mitred. A width of 0 or less is a hairline
//   of one pixel.
// - Fills use the even-odd rule; polygons and rectangles are closed shapes.
// - Ellipses are given by their bounding box; a box with a negative width or
//   height is turned the right way round, one with a zero side draws nothing.
// - Text is drawn at a point that is the TOP of the text box, at its left
//   edge (Near), middle (Center) or right edge (Far). Near and Far keep a
//   padding of 1/6 em from the point; trailing blanks are not measured; '\n'
//   starts a new line one line spacing lower, each line aligned on its own.
//   Only the first `count` characters are drawn (a negative count: all of
//   them). Font sizes are points at 96 dots per inch, so 12 pt is 16 user units.
// - The clip is fixed in surface pixels when it is set: changing the
//   transform afterwards does not move it. Replace starts a new clip, Intersect
//   narrows it, Exclude cuts a shape out of it; ResetClip lets everything through.
// - A primitive with a coordinate or size that is not a finite number, or that
//   lands further than a million pixels from the surface, is skipped whole;
//   so is text with a bad font size. Skipping one never harms what follows.
// Colours are opaque RGB; Dim applies a display's brightness.
//
// A display's drawing routine, in short:
//
//   void DrawTrafficPicture(platform::ELEMENT_HEADER* element, double brightness) {
//     if (element == nullptr || element->surface == nullptr) return;  // no drawing context
//     gfx::Canvas canvas(*element->surface);
//     const double sx = canvas.Width() / 250.0, sy = canvas.Height() / 250.0;
//     canvas.SetTransform(gfx::Matrix().Scale(sx, sy).Translate(125, 125));  // the dial frame
//     canvas.DrawEllipse({gfx::Dim(255, 255, 255, brightness), 1.4f}, gfx::RectF(-94, -94, 188, 188));
//     canvas.DrawString(L"TA ONLY", -1, {"Century Gothic", 15, false}, gfx::PointF(0, 60),
//                       gfx::Align::Center, gfx::Dim(0, 220, 220, brightness));
//     element->imageFlags &= ~platform::kImageClockBit;
//   }
//
// Tests read what was drawn from the surface's recording (gfx_surface.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform::gfx {

class Surface;
class DrawingLog;
struct DrawnItem;
class Backend;

// ---- Values -------------------------------------------------------------------
struct Color {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

// A base colour at a display's brightness (0 to 1): each component is the
// product truncated toward zero, kept to its low byte.
Color Dim(uint8_t r, uint8_t g, uint8_t b, double brightness);

struct PointF {
  float x = 0.0f;
  float y = 0.0f;
  constexpr PointF() = default;
  constexpr PointF(float px, float py) : x(px), y(py) {}
};

struct RectF {
  float x = 0.0f;
  float y = 0.0f;
  float width = 0.0f;
  float height = 0.0f;
  constexpr RectF() = default;
  constexpr RectF(float rx, float ry, float w, float h) : x(rx), y(ry), width(w), height(h) {}
};

// A 2x3 affine transform: x' = xx*x + xy*y + dx, y' = yx*x + yy*y + dy.
class Matrix {
 public:
  Matrix() = default;
  void Reset() { *this = Matrix(); }
  // Each applies to user coordinates before what the matrix already holds.
  Matrix& Scale(double sx, double sy);
  Matrix& Translate(double x, double y);
  Matrix& Rotate(double degrees);
  PointF Apply(PointF point) const;
  // Whether every entry is a finite number and the matrix can be inverted
  // (a transform that shrinks a unit to a millionth of a pixel draws nothing).
  bool IsUsable() const;

  double xx = 1.0, yx = 0.0, xy = 0.0, yy = 1.0, dx = 0.0, dy = 0.0;
};

struct Pen {
  Color color;
  float width = 1.0f;
  // Dash pattern in multiples of the width: on, off; {0, 0} is solid.
  float dashOn = 0.0f;
  float dashOff = 0.0f;
  bool IsDashed() const { return dashOn > 0.0f && dashOff > 0.0f; }
};

// A typeface by the name the displays know ("Century Gothic"); the layer maps
// it to a font the set-up installs, close in shape, or DejaVu Sans.
struct Font {
  const char* family = "Century Gothic";
  float sizePt = 10.0f;
  bool bold = false;
};

enum class Align : uint8_t { Near, Center, Far };
enum class ClipMode : uint8_t { Replace, Intersect, Exclude };

// Points per inch and the surfaces' dots per inch: em in user units = points x 96 / 72.
constexpr double kDotsPerInch = 96.0;
// The padding Near and Far text keeps from its point, in ems.
constexpr double kTextPaddingEm = 1.0 / 6.0;
// How far from the surface, in pixels, a coordinate may land and still be drawn.
constexpr double kFarthestPixel = 1.0e6;

// ---- Paths ---------------------------------------------------------------------
// A shape made of figures, in the user coordinates of whoever uses it: a clip
// or an outline takes the canvas transform current at that moment. Figures
// are kept as straight lines and cubic curves; consecutive pieces of one open
// figure are joined by a straight line.
class Path {
 public:
  enum class Op : uint8_t { Move, Line, Curve, Close };
  struct Piece {
    Op op;
    PointF p[3];  // Move/Line: p[0]; Curve: two controls and the end
    int PointCount() const { return op == Op::Curve ? 3 : op == Op::Close ? 0 : 1; }
  };

  void Reset() { pieces_.clear(); }
  void AddLine(PointF from, PointF to);
  void AddRectangle(const RectF& rect);
  void AddEllipse(const RectF& box);
  void AddPolygon(const PointF* points, int count);
  // An arc of the ellipse in `box`, from `startDeg` over `sweepDeg` (both
  // clockwise from +x, the angle of the point itself); continues the figure.
  void AddArc(const RectF& box, float startDeg, float sweepDeg);
  void AddBezier(PointF start, PointF control1, PointF control2, PointF end);
  // A cardinal spline through the points, `tension` 0.5 the usual curve.
  void AddCurve(const PointF* points, int count, float tension = 0.5f);
  void CloseFigure();

  const std::vector<Piece>& Pieces() const { return pieces_; }
  bool Empty() const { return pieces_.empty(); }

 private:
  void Continue(PointF to);
  std::vector<Piece> pieces_;
  bool figureOpen_ = false;
};

// ---- The canvas ------------------------------------------------------------------
class Canvas {
 public:
  // Draws into the surface; when the surface records, its log gets every primitive too.
  explicit Canvas(Surface& surface);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  int Width() const { return width_; }    // the surface's pixels
  int Height() const { return height_; }

  void SetTransform(const Matrix& matrix);
  void ResetTransform() { SetTransform(Matrix()); }
  const Matrix& Transform() const { return matrix_; }

  void FillRectangle(Color color, const RectF& rect);
  void DrawRectangle(const Pen& pen, const RectF& rect);
  void FillEllipse(Color color, const RectF& box);
  void DrawEllipse(const Pen& pen, const RectF& box);
  void FillPolygon(Color color, const PointF* points, int count);
  void DrawPolygon(const Pen& pen, const PointF* points, int count);
  void DrawLine(const Pen& pen, PointF from, PointF to);
  void DrawBezier(const Pen& pen, PointF start, PointF control1, PointF control2, PointF end);
  void DrawCurve(const Pen& pen, const PointF* points, int count, float tension = 0.5f);
  void DrawPath(const Pen& pen, const Path& path);
  void FillPath(Color color, const Path& path);

  void SetClip(const Path& path, ClipMode mode);
  void ResetClip();
  // Whether anything drawn within `box` (user units of the current
  // transform) could show on the surface through the clip's bounds; a
  // display that draws thousands of small shapes skips those that cannot.
  bool MayShow(const RectF& box) const;

  void DrawString(const wchar_t* text, int count, const Font& font, PointF origin, Align align, Color color);

  // A named mark in the recording (which layer of a picture follows); nothing in pixels.
  void Mark(const char* name);

  // How many primitives were skipped for bad coordinates or sizes.
  int Skipped() const { return skipped_; }
  // Whether the pixel back end still draws (no primitive put it in error).
  bool Healthy() const;

 private:
  struct Shape;
  void Stroke(const Shape& shape, const Pen& pen);
  void Fill(const Shape& shape, Color color);
  bool Drawable(const Shape& shape);
  void Record(DrawingLog& log, DrawnItem item) const;
  // What the recording shows of a shape: the points the display passed, or its path's.
  DrawnItem ItemOf(const Shape& shape) const;
  Path& Scratch();
  void NarrowClipBox(const Path& path, ClipMode mode);

  Surface& surface_;
  std::unique_ptr<Backend> backend_;
  Matrix matrix_;
  bool matrixUsable_ = true;
  int width_ = 0;
  int height_ = 0;
  int skipped_ = 0;
  int clipGeneration_ = 0;
  // The surface pixels the clip may let through: x0, y0, x1, y1.
  double clipBox_[4] = {};
};

}  // namespace platform::gfx
