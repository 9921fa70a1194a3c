// The canvas: matrices, paths, the checks that keep one bad primitive from
// harming a frame, and the text layout of the displays (box-top anchors,
// padding, line breaks, character counts). The back ends only fill, stroke,
// clip and show glyphs.
#include <algorithm>
#include <cmath>
#include <cwchar>

#include "platform/gfx.h"
#include "platform/gfx_backend.h"
#include "platform/gfx_surface.h"

namespace platform::gfx {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegToRad = kPi / 180.0;
// Font sizes beyond this many points are a bad value, not a display's text.
constexpr double kLargestFontPt = 10000.0;
// A transform whose determinant is below this shrinks everything to nothing.
constexpr double kSmallestDeterminant = 1.0e-12;

bool Finite(double value) { return std::isfinite(value); }

PointF At(double x, double y) { return {static_cast<float>(x), static_cast<float>(y)}; }

// A box the right way round: a negative width or height flips it about its edge.
RectF Normalised(const RectF& rect) {
  RectF out = rect;
  if (out.width < 0.0f) {
    out.x += out.width;
    out.width = -out.width;
  }
  if (out.height < 0.0f) {
    out.y += out.height;
    out.height = -out.height;
  }
  return out;
}

// A box's four corners, clockwise from the top left, kept on the stack.
struct Corners {
  PointF p[4];
  explicit Corners(const RectF& rect)
      : p{{rect.x, rect.y},
          {rect.x + rect.width, rect.y},
          {rect.x + rect.width, rect.y + rect.height},
          {rect.x, rect.y + rect.height}} {}
};

}  // namespace

Color Dim(uint8_t r, uint8_t g, uint8_t b, double brightness) {
  auto scale = [brightness](uint8_t component) -> uint8_t {
    const double value = component * brightness;
    if (!Finite(value)) return 0;
    // Truncated toward zero, kept to its low byte (brightness stays within 0..1
    // in the cockpit; beyond it the byte wraps as the displays expect).
    const double wrapped = std::fmod(std::trunc(value), 256.0);
    return static_cast<uint8_t>(static_cast<int>(wrapped < 0 ? wrapped + 256.0 : wrapped));
  };
  return {scale(r), scale(g), scale(b)};
}

// ---- Matrix ----------------------------------------------------------------------

Matrix& Matrix::Scale(double sx, double sy) {
  xx *= sx;
  yx *= sx;
  xy *= sy;
  yy *= sy;
  return *this;
}

Matrix& Matrix::Translate(double x, double y) {
  dx += xx * x + xy * y;
  dy += yx * x + yy * y;
  return *this;
}

Matrix& Matrix::Rotate(double degrees) {
  const double c = std::cos(degrees * kDegToRad);
  const double s = std::sin(degrees * kDegToRad);
  const Matrix before = *this;
  xx = before.xx * c + before.xy * s;
  yx = before.yx * c + before.yy * s;
  xy = -before.xx * s + before.xy * c;
  yy = -before.yx * s + before.yy * c;
  return *this;
}

PointF Matrix::Apply(PointF point) const {
  return At(xx * point.x + xy * point.y + dx, yx * point.x + yy * point.y + dy);
}

bool Matrix::IsUsable() const {
  const double determinant = xx * yy - xy * yx;
  return Finite(xx) && Finite(yx) && Finite(xy) && Finite(yy) && Finite(dx) && Finite(dy) && Finite(determinant) &&
         std::fabs(determinant) >= kSmallestDeterminant;
}

// ---- Path ------------------------------------------------------------------------

void Path::Continue(PointF to) {
  pieces_.push_back({figureOpen_ ? Op::Line : Op::Move, {to, {}, {}}});
  figureOpen_ = true;
}

void Path::CloseFigure() {
  if (!figureOpen_) return;
  pieces_.push_back({Op::Close, {}});
  figureOpen_ = false;
}

void Path::AddLine(PointF from, PointF to) {
  Continue(from);
  pieces_.push_back({Op::Line, {to, {}, {}}});
}

void Path::AddRectangle(const RectF& rect) {
  const RectF box = Normalised(rect);
  if (box.width == 0.0f || box.height == 0.0f) return;
  const Corners corners(box);
  AddPolygon(corners.p, 4);
}

void Path::AddPolygon(const PointF* points, int count) {
  if (points == nullptr || count < 2) return;
  figureOpen_ = false;
  Continue(points[0]);
  for (int i = 1; i < count; ++i) pieces_.push_back({Op::Line, {points[i], {}, {}}});
  CloseFigure();
}

void Path::AddEllipse(const RectF& rect) {
  const RectF box = Normalised(rect);
  if (box.width == 0.0f || box.height == 0.0f) return;
  // The whole ellipse in four quarter curves from its right-hand point,
  // clockwise: the arc's curves without the trigonometry, which a display
  // full of small blots would pay thousands of times a frame.
  static const double k = 4.0 / 3.0 * std::tan(kPi / 8.0);
  constexpr double kCos[] = {1.0, 0.0, -1.0, 0.0, 1.0};
  constexpr double kSin[] = {0.0, 1.0, 0.0, -1.0, 0.0};
  const double rx = box.width / 2.0;
  const double ry = box.height / 2.0;
  const double cx = box.x + rx;
  const double cy = box.y + ry;
  figureOpen_ = false;
  Continue(At(cx + rx, cy));
  for (int i = 0; i < 4; ++i) {
    const double ca = kCos[i], sa = kSin[i], cb = kCos[i + 1], sb = kSin[i + 1];
    pieces_.push_back({Op::Curve,
                       {At(cx + rx * (ca - k * sa), cy + ry * (sa + k * ca)),
                        At(cx + rx * (cb + k * sb), cy + ry * (sb - k * cb)), At(cx + rx * cb, cy + ry * sb)}});
  }
  CloseFigure();
}

void Path::AddArc(const RectF& rect, float startDeg, float sweepDeg) {
  const RectF box = Normalised(rect);
  if (box.width == 0.0f || box.height == 0.0f || !Finite(startDeg) || !Finite(sweepDeg)) return;
  const double rx = box.width / 2.0;
  const double ry = box.height / 2.0;
  const double cx = box.x + rx;
  const double cy = box.y + ry;
  // The angles given are of the points themselves; the curve runs on the
  // ellipse's parameter, which differs from them unless it is a circle.
  auto parameter = [rx, ry](double degrees) {
    const double a = degrees * kDegToRad;
    return std::atan2(rx * std::sin(a), ry * std::cos(a));
  };
  const double sweep = std::clamp(static_cast<double>(sweepDeg), -360.0, 360.0);
  const double start = parameter(startDeg);
  double delta = parameter(startDeg + sweep) - start;
  if (std::fabs(sweep) >= 360.0) {
    delta = sweep > 0 ? 2.0 * kPi : -2.0 * kPi;
  } else {
    while (sweep > 0 && delta < 0) delta += 2.0 * kPi;
    while (sweep < 0 && delta > 0) delta -= 2.0 * kPi;
  }
  auto point = [&](double t) { return At(cx + rx * std::cos(t), cy + ry * std::sin(t)); };
  Continue(point(start));
  const int segments = std::max(1, static_cast<int>(std::ceil(std::fabs(delta) / (kPi / 2.0) - 1e-9)));
  const double step = delta / segments;
  const double k = 4.0 / 3.0 * std::tan(step / 4.0);
  for (int i = 0; i < segments; ++i) {
    const double a = start + step * i;
    const double b = a + step;
    const PointF control1 = At(cx + rx * (std::cos(a) - k * std::sin(a)), cy + ry * (std::sin(a) + k * std::cos(a)));
    const PointF control2 = At(cx + rx * (std::cos(b) + k * std::sin(b)), cy + ry * (std::sin(b) - k * std::cos(b)));
    pieces_.push_back({Op::Curve, {control1, control2, point(b)}});
  }
}

void Path::AddBezier(PointF start, PointF control1, PointF control2, PointF end) {
  Continue(start);
  pieces_.push_back({Op::Curve, {control1, control2, end}});
}

void Path::AddCurve(const PointF* points, int count, float tension) {
  if (points == nullptr || count < 2) return;
  // Each span is a cubic whose controls follow the chord of its neighbours;
  // the end points stand in for the neighbours the ends lack.
  const double factor = tension / 3.0;
  Continue(points[0]);
  for (int i = 0; i + 1 < count; ++i) {
    const PointF before = points[i > 0 ? i - 1 : 0];
    const PointF from = points[i];
    const PointF to = points[i + 1];
    const PointF after = points[i + 2 < count ? i + 2 : count - 1];
    pieces_.push_back({Op::Curve,
                       {At(from.x + factor * (to.x - before.x), from.y + factor * (to.y - before.y)),
                        At(to.x - factor * (after.x - from.x), to.y - factor * (after.y - from.y)), to}});
  }
}

// ---- Canvas ------------------------------------------------------------------------

// One primitive on its way to the back end: the path to draw and, for the
// recording, what the display passed (the path's own points when null).
// Nothing in it is copied: a frame allocates nothing per primitive.
struct Canvas::Shape {
  DrawnItem::Kind kind;
  const Path& path;
  const PointF* points = nullptr;
  int count = 0;
};

Canvas::Canvas(Surface& surface)
    : surface_(surface),
      width_(surface.Width()),
      height_(surface.Height()),
      clipBox_{0.0, 0.0, static_cast<double>(surface.Width()), static_cast<double>(surface.Height())} {
  DrawingLog* log = surface.OpenFrame();
  backend_ = MakeCairoBackend(surface);
  if (log != nullptr) backend_ = MakeRecordingBackend(*log, std::move(backend_));
}

Canvas::~Canvas() = default;

bool Canvas::Healthy() const { return backend_->Healthy(); }

void Canvas::SetTransform(const Matrix& matrix) {
  matrix_ = matrix;
  matrixUsable_ = matrix.IsUsable();
}

namespace {

PointF ToDesign(const Surface& surface, PointF device) {
  return At(device.x * static_cast<double>(surface.DesignWidth()) / surface.Width(),
            device.y * static_cast<double>(surface.DesignHeight()) / surface.Height());
}

DrawnItem ItemOf(DrawnItem::Kind kind, const PointF* points, int count, const Matrix& matrix,
                 const Surface& surface) {
  DrawnItem item;
  item.kind = kind;
  if (points != nullptr && count > 0) item.points.assign(points, points + count);
  for (PointF point : item.points) item.design.push_back(ToDesign(surface, matrix.Apply(point)));
  return item;
}

// The points of a path as the recording shows them: every end and control point.
std::vector<PointF> PathPoints(const Path& path) {
  std::vector<PointF> points;
  for (const Path::Piece& piece : path.Pieces()) {
    points.insert(points.end(), piece.p, piece.p + piece.PointCount());
  }
  return points;
}

}  // namespace

bool Canvas::Drawable(const Shape& shape) {
  bool ok = matrixUsable_;
  for (int i = 0; i < shape.count; ++i) ok = ok && Finite(shape.points[i].x) && Finite(shape.points[i].y);
  // Every point of the path must land within reach of the surface's pixels.
  for (const Path::Piece& piece : shape.path.Pieces()) {
    for (int i = 0; i < piece.PointCount() && ok; ++i) {
      const PointF device = matrix_.Apply(piece.p[i]);
      ok = std::fabs(device.x) <= kFarthestPixel && std::fabs(device.y) <= kFarthestPixel;
    }
    if (!ok) break;
  }
  if (!ok) ++skipped_;
  return ok;
}

void Canvas::Fill(const Shape& shape, Color color) {
  const bool drawn = Drawable(shape);
  if (drawn) backend_->Fill(shape.path, matrix_, color);
  if (DrawingLog* log = backend_->Log()) {
    DrawnItem item = ItemOf(shape);
    item.skipped = !drawn;
    item.color = color;
    Record(*log, std::move(item));
  }
}

void Canvas::Stroke(const Shape& shape, const Pen& pen) {
  const bool penUsable = Finite(pen.width) && Finite(pen.dashOn) && Finite(pen.dashOff);
  if (!penUsable) ++skipped_;
  const bool drawn = penUsable && Drawable(shape);
  if (drawn) backend_->Stroke(shape.path, matrix_, pen);
  if (DrawingLog* log = backend_->Log()) {
    DrawnItem item = ItemOf(shape);
    item.skipped = !drawn;
    item.color = pen.color;
    item.penWidth = pen.width;
    item.dashOn = pen.dashOn;
    item.dashOff = pen.dashOff;
    Record(*log, std::move(item));
  }
}

DrawnItem Canvas::ItemOf(const Shape& shape) const {
  if (shape.points != nullptr) return gfx::ItemOf(shape.kind, shape.points, shape.count, matrix_, surface_);
  const std::vector<PointF> points = PathPoints(shape.path);
  return gfx::ItemOf(shape.kind, points.data(), static_cast<int>(points.size()), matrix_, surface_);
}

// The surface's path for one primitive's figures, emptied.
Path& Canvas::Scratch() {
  Path& path = surface_.ScratchPath();
  path.Reset();
  return path;
}

void Canvas::FillRectangle(Color color, const RectF& rect) {
  Path& path = Scratch();
  path.AddRectangle(rect);
  const Corners corners(rect);
  Fill({DrawnItem::Kind::FillRectangle, path, corners.p, 4}, color);
}

void Canvas::DrawRectangle(const Pen& pen, const RectF& rect) {
  Path& path = Scratch();
  path.AddRectangle(rect);
  const Corners corners(rect);
  Stroke({DrawnItem::Kind::DrawRectangle, path, corners.p, 4}, pen);
}

// Displays fill thousands of small ellipses a frame (weather blots, traffic
// dots), so this one goes to the back end as its box, with nothing allocated
// unless the surface records; it checks what Fill checks of the ellipse's path.
void Canvas::FillEllipse(Color color, const RectF& box) {
  const RectF shape = Normalised(box);
  const bool empty = !(shape.width > 0.0f && shape.height > 0.0f);
  // A sum of the four is finite only when each is.
  bool drawn = matrixUsable_ && Finite(static_cast<double>(box.x) + box.y + box.width + box.height);
  if (drawn && !empty) {
    // The curves stay within the box; the box's device corners lie within
    // this reach of the device centre.
    const double hx = shape.width / 2.0, hy = shape.height / 2.0;
    const double cx = shape.x + hx, cy = shape.y + hy;
    const double reachX = std::fabs(matrix_.xx) * hx + std::fabs(matrix_.xy) * hy;
    const double reachY = std::fabs(matrix_.yx) * hx + std::fabs(matrix_.yy) * hy;
    drawn = std::fabs(matrix_.xx * cx + matrix_.xy * cy + matrix_.dx) + reachX <= kFarthestPixel &&
            std::fabs(matrix_.yx * cx + matrix_.yy * cy + matrix_.dy) + reachY <= kFarthestPixel;
  }
  if (!drawn) {
    ++skipped_;
  } else if (!empty) {
    backend_->FillEllipse(shape, matrix_, color);
  }
  if (DrawingLog* log = backend_->Log()) {
    const Corners corners(box);
    DrawnItem item = gfx::ItemOf(DrawnItem::Kind::FillEllipse, corners.p, 4, matrix_, surface_);
    item.skipped = !drawn;
    item.color = color;
    Record(*log, std::move(item));
  }
}

void Canvas::DrawEllipse(const Pen& pen, const RectF& box) {
  Path& path = Scratch();
  path.AddEllipse(box);
  const Corners corners(box);
  Stroke({DrawnItem::Kind::DrawEllipse, path, corners.p, 4}, pen);
}

void Canvas::FillPolygon(Color color, const PointF* points, int count) {
  Path& path = Scratch();
  path.AddPolygon(points, count);
  Fill({DrawnItem::Kind::FillPolygon, path, points, points != nullptr ? std::max(count, 0) : 0}, color);
}

void Canvas::DrawPolygon(const Pen& pen, const PointF* points, int count) {
  Path& path = Scratch();
  path.AddPolygon(points, count);
  Stroke({DrawnItem::Kind::DrawPolygon, path, points, points != nullptr ? std::max(count, 0) : 0}, pen);
}

void Canvas::DrawLine(const Pen& pen, PointF from, PointF to) {
  Path& path = Scratch();
  path.AddLine(from, to);
  const PointF points[] = {from, to};
  Stroke({DrawnItem::Kind::DrawLine, path, points, 2}, pen);
}

void Canvas::DrawBezier(const Pen& pen, PointF start, PointF control1, PointF control2, PointF end) {
  Path& path = Scratch();
  path.AddBezier(start, control1, control2, end);
  const PointF points[] = {start, control1, control2, end};
  Stroke({DrawnItem::Kind::DrawBezier, path, points, 4}, pen);
}

void Canvas::DrawCurve(const Pen& pen, const PointF* points, int count, float tension) {
  Path& path = Scratch();
  path.AddCurve(points, count, Finite(tension) ? tension : 0.5f);
  Stroke({DrawnItem::Kind::DrawCurve, path, points, points != nullptr ? std::max(count, 0) : 0}, pen);
}

void Canvas::DrawPath(const Pen& pen, const Path& path) { Stroke({DrawnItem::Kind::DrawPath, path}, pen); }

void Canvas::FillPath(Color color, const Path& path) { Fill({DrawnItem::Kind::FillPath, path}, color); }

void Canvas::SetClip(const Path& path, ClipMode mode) {
  const Shape shape{DrawnItem::Kind::SetClip, path};
  const bool drawn = Drawable(shape);
  if (drawn) {
    backend_->Clip(path, matrix_, mode);
    ++clipGeneration_;
    NarrowClipBox(path, mode);
  }
  if (DrawingLog* log = backend_->Log()) {
    DrawnItem item = ItemOf(shape);
    item.skipped = !drawn;
    item.clipMode = mode;
    Record(*log, std::move(item));
  }
}

// What a new clip shape does to the clip's bounds: a shape that is let
// through bounds them by its points (its curves stay within their
// controls); a shape cut out leaves them as they were.
void Canvas::NarrowClipBox(const Path& path, ClipMode mode) {
  if (mode == ClipMode::Exclude) return;
  double box[4] = {kFarthestPixel, kFarthestPixel, -kFarthestPixel, -kFarthestPixel};
  for (const Path::Piece& piece : path.Pieces()) {
    for (int i = 0; i < piece.PointCount(); ++i) {
      const PointF device = matrix_.Apply(piece.p[i]);
      box[0] = std::min(box[0], static_cast<double>(device.x));
      box[1] = std::min(box[1], static_cast<double>(device.y));
      box[2] = std::max(box[2], static_cast<double>(device.x));
      box[3] = std::max(box[3], static_cast<double>(device.y));
    }
  }
  if (mode == ClipMode::Replace) {
    clipBox_[0] = clipBox_[1] = 0.0;
    clipBox_[2] = width_;
    clipBox_[3] = height_;
  }
  clipBox_[0] = std::max(clipBox_[0], box[0]);
  clipBox_[1] = std::max(clipBox_[1], box[1]);
  clipBox_[2] = std::min(clipBox_[2], box[2]);
  clipBox_[3] = std::min(clipBox_[3], box[3]);
}

bool Canvas::MayShow(const RectF& box) const {
  if (!matrixUsable_) return false;
  const double hx = box.width / 2.0, hy = box.height / 2.0;
  const double x = box.x + hx, y = box.y + hy;
  // Half the device box of the box's corners, and a pixel of anti-aliasing.
  const double reachX = std::fabs(matrix_.xx * hx) + std::fabs(matrix_.xy * hy) + 1.0;
  const double reachY = std::fabs(matrix_.yx * hx) + std::fabs(matrix_.yy * hy) + 1.0;
  const double cx = matrix_.xx * x + matrix_.xy * y + matrix_.dx;
  const double cy = matrix_.yx * x + matrix_.yy * y + matrix_.dy;
  // Written so that a box with a bad number shows (and the primitive's own checks see it).
  return !(cx + reachX < clipBox_[0] || cx - reachX > clipBox_[2] || cy + reachY < clipBox_[1] ||
           cy - reachY > clipBox_[3]);
}

void Canvas::ResetClip() {
  backend_->ResetClip();
  ++clipGeneration_;
  clipBox_[0] = clipBox_[1] = 0.0;
  clipBox_[2] = width_;
  clipBox_[3] = height_;
  if (DrawingLog* log = backend_->Log()) {
    Record(*log, gfx::ItemOf(DrawnItem::Kind::ResetClip, nullptr, 0, matrix_, surface_));
  }
}

void Canvas::Record(DrawingLog& log, DrawnItem item) const {
  item.clipGeneration = clipGeneration_;
  log.Add(std::move(item));
}

void Canvas::Mark(const char* name) {
  if (DrawingLog* log = backend_->Log()) {
    DrawnItem item = gfx::ItemOf(DrawnItem::Kind::Mark, nullptr, 0, matrix_, surface_);
    item.mark = name != nullptr ? name : "";
    Record(*log, std::move(item));
  }
}

void Canvas::DrawString(const wchar_t* text, int count, const Font& font, PointF origin, Align align, Color color) {
  if (text == nullptr) return;
  const size_t length = std::wcslen(text);
  const size_t shown = count < 0 ? length : std::min(length, static_cast<size_t>(count));
  const PointF anchor = matrix_.Apply(origin);
  const bool drawable = matrixUsable_ && Finite(font.sizePt) && font.sizePt > 0.0f && font.sizePt <= kLargestFontPt &&
                        std::fabs(anchor.x) <= kFarthestPixel && std::fabs(anchor.y) <= kFarthestPixel;
  const double em = font.sizePt * kDotsPerInch / 72.0;
  DrawingLog* log = backend_->Log();
  DrawnItem item;
  if (log != nullptr) item = gfx::ItemOf(DrawnItem::Kind::DrawString, &origin, 1, matrix_, surface_);
  if (!drawable) {
    ++skipped_;
  } else {
    const Backend::FontMetrics metrics = backend_->Metrics(font, em, matrix_);
    const double padding = em * kTextPaddingEm;
    size_t lineStart = 0;
    for (int line = 0; lineStart <= shown; ++line) {
      const wchar_t* end = std::wmemchr(text + lineStart, L'\n', shown - lineStart);
      const size_t lineEnd = end != nullptr ? static_cast<size_t>(end - text) : shown;
      size_t lineLength = lineEnd - lineStart;
      // Trailing blanks (and the '\r' of a "\r\n") take no room.
      while (lineLength > 0 && (text[lineStart + lineLength - 1] == L' ' || text[lineStart + lineLength - 1] == L'\r')) {
        --lineLength;
      }
      const wchar_t* lineText = text + lineStart;
      const double width = lineLength == 0 ? 0.0 : backend_->Advance(lineText, lineLength, font, em, matrix_);
      const double x = align == Align::Near     ? origin.x + padding
                       : align == Align::Center ? origin.x - width / 2.0
                                                : origin.x - width - padding;
      const PointF baseline = At(x, origin.y + metrics.ascent + line * metrics.lineSpacing);
      if (lineLength > 0) backend_->Text(lineText, lineLength, baseline, font, em, matrix_, color);
      if (log != nullptr) item.design.push_back(ToDesign(surface_, matrix_.Apply(baseline)));
      lineStart = lineEnd + 1;
    }
  }
  if (log == nullptr) return;
  item.skipped = !drawable;
  item.color = color;
  item.text.assign(text, shown);
  item.count = count;
  item.sizePt = font.sizePt;
  item.bold = font.bold;
  item.align = align;
  const PointF emEnd = ToDesign(surface_, matrix_.Apply(At(origin.x + em, origin.y)));
  item.emDesign = static_cast<float>(std::hypot(emEnd.x - item.design[0].x, emEnd.y - item.design[0].y));
  Record(*log, std::move(item));
}

}  // namespace platform::gfx
