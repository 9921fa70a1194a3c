// What a drawing back end does for the canvas, inside the platform library
// only: the canvas checks and lays out, the back end puts paths and glyphs on
// pixels (Cairo) or also writes them down (recording). Displays never see it.
#pragma once

#include <memory>
#include <string>

#include "platform/gfx.h"
#include "platform/gfx_surface.h"

namespace platform::gfx {

class Backend {
 public:
  virtual ~Backend() = default;

  // Paths are in user coordinates of `matrix`; every coordinate was checked.
  virtual void Fill(const Path& path, const Matrix& matrix, Color color) = 0;
  // The ellipse inscribed in `box` (sides above zero). A back end may gather
  // a run of them in one colour and fill their union at once (the next other
  // call, or the end, fills the run), as one fill after another would look.
  virtual void FillEllipse(const RectF& box, const Matrix& matrix, Color color) {
    Path path;
    path.AddEllipse(box);
    Fill(path, matrix, color);
  }
  virtual void Stroke(const Path& path, const Matrix& matrix, const Pen& pen) = 0;
  virtual void Clip(const Path& path, const Matrix& matrix, ClipMode mode) = 0;
  virtual void ResetClip() = 0;

  // Text in user units of `matrix`: the em is the font's size in those units.
  struct FontMetrics {
    double ascent = 0.0;
    double lineSpacing = 0.0;
  };
  virtual FontMetrics Metrics(const Font& font, double em, const Matrix& matrix) = 0;
  // One line of text (no '\n', `length` characters, none of them trailing blanks).
  virtual double Advance(const wchar_t* text, size_t length, const Font& font, double em, const Matrix& matrix) = 0;
  virtual void Text(const wchar_t* text, size_t length, PointF baseline, const Font& font, double em,
                    const Matrix& matrix, Color color) = 0;

  virtual bool Healthy() const = 0;

  // The log the canvas writes its primitives to; null when not recording.
  virtual DrawingLog* Log() { return nullptr; }
};

std::unique_ptr<Backend> MakeCairoBackend(Surface& surface);
// Logs into `log` and draws through `pixels`.
std::unique_ptr<Backend> MakeRecordingBackend(DrawingLog& log, std::unique_ptr<Backend> pixels);

}  // namespace platform::gfx
