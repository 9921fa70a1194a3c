// The recording back end: hands every primitive to the pixel back end and
// gives the canvas a log to write down what the display drew, for tests.
#include <cmath>

#include "platform/gfx_backend.h"
#include "platform/gfx_surface.h"

namespace platform::gfx {
namespace {

class RecordingBackend final : public Backend {
 public:
  RecordingBackend(DrawingLog& log, std::unique_ptr<Backend> pixels) : log_(log), pixels_(std::move(pixels)) {}

  void Fill(const Path& path, const Matrix& matrix, Color color) override { pixels_->Fill(path, matrix, color); }
  void FillEllipse(const RectF& box, const Matrix& matrix, Color color) override {
    pixels_->FillEllipse(box, matrix, color);
  }
  void Stroke(const Path& path, const Matrix& matrix, const Pen& pen) override { pixels_->Stroke(path, matrix, pen); }
  void Clip(const Path& path, const Matrix& matrix, ClipMode mode) override { pixels_->Clip(path, matrix, mode); }
  void ResetClip() override { pixels_->ResetClip(); }
  FontMetrics Metrics(const Font& font, double em, const Matrix& matrix) override {
    return pixels_->Metrics(font, em, matrix);
  }
  double Advance(const wchar_t* text, size_t length, const Font& font, double em, const Matrix& matrix) override {
    return pixels_->Advance(text, length, font, em, matrix);
  }
  void Text(const wchar_t* text, size_t length, PointF baseline, const Font& font, double em, const Matrix& matrix,
            Color color) override {
    pixels_->Text(text, length, baseline, font, em, matrix, color);
  }

  bool Healthy() const override { return pixels_->Healthy(); }
  DrawingLog* Log() override { return &log_; }

 private:
  DrawingLog& log_;
  std::unique_ptr<Backend> pixels_;
};

constexpr const char* kKindNames[] = {
    "FillRectangle", "DrawRectangle", "FillEllipse", "DrawEllipse", "FillPolygon", "DrawPolygon", "DrawLine",
    "DrawBezier",    "DrawCurve",     "DrawPath",    "FillPath",    "SetClip",     "ResetClip",   "DrawString",
    "Mark",
};

}  // namespace

std::unique_ptr<Backend> MakeRecordingBackend(DrawingLog& log, std::unique_ptr<Backend> pixels) {
  return std::make_unique<RecordingBackend>(log, std::move(pixels));
}

const char* KindName(DrawnItem::Kind kind) { return kKindNames[static_cast<size_t>(kind)]; }

std::vector<const DrawnItem*> DrawingLog::Find(DrawnItem::Kind kind) const {
  std::vector<const DrawnItem*> found;
  for (const DrawnItem& item : items_) {
    if (item.kind == kind && !item.skipped) found.push_back(&item);
  }
  return found;
}

std::vector<const DrawnItem*> DrawingLog::Find(DrawnItem::Kind kind, Color color) const {
  std::vector<const DrawnItem*> found;
  for (const DrawnItem* item : Find(kind)) {
    if (item->color == color) found.push_back(item);
  }
  return found;
}

size_t DrawingLog::SkippedCount() const {
  size_t count = 0;
  for (const DrawnItem& item : items_) count += item.skipped ? 1 : 0;
  return count;
}

std::vector<const DrawnItem*> DrawingLog::Texts(const std::wstring& text) const {
  std::vector<const DrawnItem*> found;
  for (const DrawnItem* item : Find(DrawnItem::Kind::DrawString)) {
    if (item->text == text) found.push_back(item);
  }
  return found;
}

std::vector<const DrawnItem*> DrawingLog::InMark(const std::string& name) const {
  std::vector<const DrawnItem*> found;
  bool inside = false;
  for (const DrawnItem& item : items_) {
    if (item.kind == DrawnItem::Kind::Mark) {
      inside = item.mark == name;
    } else if (inside) {
      found.push_back(&item);
    }
  }
  return found;
}

bool Near(PointF a, PointF b, float tolerance) {
  return std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance;
}

}  // namespace platform::gfx
