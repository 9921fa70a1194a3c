// The pixel surface behind a glass display's drawing element (what the
// simulator gives a static image that is drawn into), and the recording of
// what was drawn on it, for tests. The host makes one surface per drawing
// element at the element's image size when the panel is installed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx.h"

namespace platform::gfx {

// One primitive as a display drew it. `points` are as the display passed them
// (a rectangle or ellipse box as its four corners, clockwise from the top
// left); `design` are the same points through the transform in force, in the
// surface's design units (its pixels divided by its scale).
struct DrawnItem {
  enum class Kind : uint8_t {
    FillRectangle, DrawRectangle, FillEllipse, DrawEllipse, FillPolygon, DrawPolygon, DrawLine,
    DrawBezier, DrawCurve, DrawPath, FillPath, SetClip, ResetClip, DrawString, Mark,
  };
  Kind kind = Kind::Mark;
  bool skipped = false;  // dropped for a bad coordinate or size
  Color color;
  float penWidth = 0.0f;
  float dashOn = 0.0f;
  float dashOff = 0.0f;
  std::vector<PointF> points;
  std::vector<PointF> design;
  int clipGeneration = 0;  // counts the clip changes before this item
  ClipMode clipMode = ClipMode::Replace;
  // Text: what was drawn (after the count), the count asked, the font, the
  // alignment; `design` holds the anchor, then the start of each line's
  // baseline.
  std::wstring text;
  int count = 0;
  float sizePt = 0.0f;
  float emDesign = 0.0f;  // the em in design units along x, after the transform
  bool bold = false;
  Align align = Align::Near;
  std::string mark;
};

const char* KindName(DrawnItem::Kind kind);

class DrawingLog {
 public:
  const std::vector<DrawnItem>& Items() const { return items_; }
  void Add(DrawnItem item) { items_.push_back(std::move(item)); }
  void Clear() { items_.clear(); }

  // Drawn (not skipped) items of a kind; of a kind and colour.
  std::vector<const DrawnItem*> Find(DrawnItem::Kind kind) const;
  std::vector<const DrawnItem*> Find(DrawnItem::Kind kind, Color color) const;
  size_t Count(DrawnItem::Kind kind) const { return Find(kind).size(); }
  size_t SkippedCount() const;
  // The texts drawn with exactly this content (after the count cut it).
  std::vector<const DrawnItem*> Texts(const std::wstring& text) const;
  // The items between a mark and the next mark.
  std::vector<const DrawnItem*> InMark(const std::string& name) const;

 private:
  std::vector<DrawnItem> items_;
};

// Whether two points are within `tolerance` of each other on both axes.
bool Near(PointF a, PointF b, float tolerance = 0.5f);

class Surface {
 public:
  // Pixels, and the design space they show (the pixels themselves when 0);
  // sizes are kept within 1..4096.
  Surface(int width, int height, int designWidth = 0, int designHeight = 0);
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  int DesignWidth() const { return designWidth_; }
  int DesignHeight() const { return designHeight_; }

  Color Pixel(int x, int y) const;  // black outside
  void Clear(Color color);
  bool WritePng(const std::string& path, std::string* error) const;

  // How many canvases were opened on it: 0 means nothing ever drew here.
  uint64_t Frames() const { return frames_; }

  // While recording, every canvas on this surface also logs its primitives
  // (they still reach the pixels). Starting again empties the log.
  DrawingLog& StartRecording();
  void StopRecording() { recording_ = false; }
  bool IsRecording() const { return recording_; }
  const DrawingLog& Log() const { return log_; }

  // Tests: every primitive goes to the pixels by itself, clipped by Cairo
  // (no layer under a curved clip): the picture the faster ways are held to.
  void DrawOneByOne(bool on) { oneByOne_ = on; }
  bool DrawsOneByOne() const { return oneByOne_; }

  // For the back ends only.
  struct Pixels;
  Pixels& Native() const { return *pixels_; }
  DrawingLog* OpenFrame();
  // A path the canvas builds each primitive's figures in, kept from frame
  // to frame with its storage.
  Path& ScratchPath() { return scratch_; }

 private:
  int width_;
  int height_;
  int designWidth_;
  int designHeight_;
  uint64_t frames_ = 0;
  bool recording_ = false;
  bool oneByOne_ = false;
  DrawingLog log_;
  Path scratch_;
  std::unique_ptr<Pixels> pixels_;
};

// The font family the layer uses for every display font; empty (the default)
// maps each display's typeface to a font the set-up installs, close in shape.
// Tests that measure text pin one ("DejaVu Sans").
void PinFontFamily(const std::string& family);
// The family of the set-up's fonts a display typeface is drawn with.
std::string FontFamilyFor(const char* typeface);

}  // namespace platform::gfx
