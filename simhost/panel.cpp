// The panel's gauge instances, their per-frame element poll, and the text
// dump and schematic picture of a panel window.
#include "simhost/panel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>

#include "platform/gfx.h"
#include "platform/gfx_surface.h"
#include "platform/simulator.h"

namespace simhost {
namespace {

using platform::ELEMENT_HEADER;
using platform::ElementKind;
namespace gfx = platform::gfx;

ELEMENT_HEADER* Next(const ELEMENT_HEADER* element) {
  return element->nextElement != nullptr ? element->nextElement[0] : nullptr;
}

const char* KindName(ElementKind kind) {
  switch (kind) {
    case ElementKind::Static: return "static";
    case ElementKind::Needle: return "needle";
    case ElementKind::MovingImage: return "moving";
    case ElementKind::Icon: return "icon";
    case ElementKind::String: return "string";
    case ElementKind::Slider: return "slider";
    case ElementKind::Sprite: return "sprite";
  }
  return "?";
}

bool Visible(const ELEMENT_HEADER* element) { return (element->imageFlags & platform::kImageHidden) == 0; }
bool Lit(const ELEMENT_HEADER* element) { return (element->imageFlags & platform::kImageLuminous) != 0; }

// An icon's image: the value truncated; -1 when no image of its strip is shown.
int64_t IconFrame(const ELEMENT_HEADER* element) {
  if (!std::isfinite(element->value)) return -1;
  const auto frame = static_cast<int64_t>(std::clamp(element->value, -1.0, 1.0e6));
  return frame >= 0 && frame < element->frameCount ? frame : -1;
}

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// ---- The schematic ----

constexpr gfx::Color kPanelColor{38, 42, 46};
constexpr gfx::Color kFaceColor{14, 14, 16};
constexpr gfx::Color kBoxColor{110, 110, 110};
constexpr gfx::Color kLitBoxColor{255, 190, 90};
constexpr gfx::Color kNeedleColor{245, 245, 245};
constexpr gfx::Color kTextColor{235, 235, 235};
constexpr gfx::Color kLampLitColor{255, 170, 0};
constexpr gfx::Color kLampDarkColor{70, 70, 70};
constexpr gfx::Color kOverlayColor{255, 230, 0};
constexpr double kLongestPicture = 1600.0;
constexpr double kDrumStripTop = 999.0;

// Where an instance's design pixels land in the picture.
struct GaugeFrame {
  double left;
  double top;
  double scale;  // picture pixels a design pixel
  gfx::PointF At(double x, double y) const {
    return {static_cast<float>(left + x * scale), static_cast<float>(top + y * scale)};
  }
};

// The point a needle's value falls on, between the rows of its scale.
gfx::PointF ScalePoint(const ELEMENT_HEADER* needle, const GaugeFrame& frame) {
  const platform::NeedlePoint* rows = needle->scale;
  const uint32_t count = needle->scalePoints;
  const double v = needle->value;
  if (!(v > rows[0].value)) return frame.At(rows[0].x, rows[0].y);
  for (uint32_t i = 1; i < count; ++i) {
    if (v <= rows[i].value) {
      const double t = (v - rows[i - 1].value) / (rows[i].value - rows[i - 1].value);
      return frame.At(rows[i - 1].x + (rows[i].x - rows[i - 1].x) * t, rows[i - 1].y + (rows[i].y - rows[i - 1].y) * t);
    }
  }
  return frame.At(rows[count - 1].x, rows[count - 1].y);
}

void DrawText(gfx::Canvas& canvas, const std::string& text, gfx::PointF at, float sizePt, gfx::Color color,
              gfx::Align align = gfx::Align::Near) {
  const std::wstring wide = Wide(text);
  canvas.DrawString(wide.c_str(), static_cast<int>(wide.size()), gfx::Font{"Arial", sizePt, false}, at, align, color);
}

void DrawNeedle(gfx::Canvas& canvas, const ELEMENT_HEADER* needle, const GaugeFrame& frame, double designWidth) {
  const gfx::PointF pivot = frame.At(needle->pivotX, needle->pivotY);
  gfx::PointF tip;
  if (needle->scalePoints > 0) {
    tip = ScalePoint(needle, frame);
  } else {
    if (!std::isfinite(needle->value)) return;
    const double radians = needle->value * 3.14159265358979323846 / 180.0;
    const double length = 0.4 * designWidth * frame.scale;
    tip = {static_cast<float>(pivot.x + length * std::cos(radians)),
           static_cast<float>(pivot.y + length * std::sin(radians))};
  }
  canvas.DrawLine(gfx::Pen{kNeedleColor, 2.0f}, pivot, tip);
}

void DrawClickAreas(gfx::Canvas& canvas, const platform::GAUGEHDR* gauge, const GaugeFrame& frame) {
  for (const platform::MOUSERECT* rect = gauge->mouseRects; rect != nullptr && rect->type != platform::kMouseRectEnd;
       ++rect) {
    if (rect->type != platform::kMouseRectChild) continue;
    const gfx::PointF corner = frame.At(rect->x, rect->y);
    canvas.DrawRectangle(gfx::Pen{kOverlayColor, 1.0f},
                         {corner.x, corner.y, static_cast<float>(rect->width * frame.scale),
                          static_cast<float>(rect->height * frame.scale)});
  }
}

// A display's picture, shrunk into its box a block of pixels at a time.
void DrawScreen(gfx::Canvas& canvas, const ELEMENT_HEADER* element, const GaugeFrame& frame) {
  const gfx::Surface* surface = element->surface;
  if (surface == nullptr || surface->Frames() == 0) return;
  const int step = std::max(1, surface->Width() / 150);
  const double sx = static_cast<double>(element->imageWidth) / surface->Width();
  const double sy = static_cast<double>(element->imageHeight) / surface->Height();
  for (int y = 0; y < surface->Height(); y += step) {
    for (int x = 0; x < surface->Width(); x += step) {
      const gfx::PointF at = frame.At(element->x + x * sx, element->y + y * sy);
      const auto size = static_cast<float>(step * sx * frame.scale + 0.5);
      canvas.FillRectangle(surface->Pixel(x, y), {at.x, at.y, size, size});
    }
  }
}

// A slider's picture where its values move it: a frame of its image's size,
// or a mark with its name.
void DrawSlider(gfx::Canvas& canvas, const ELEMENT_HEADER* element, const GaugeFrame& frame, float textPt) {
  if (!std::isfinite(element->value) || !std::isfinite(element->yValue)) return;
  const gfx::PointF at = frame.At(element->x + element->value, element->y + element->yValue);
  if (element->imageWidth > 0 && element->imageHeight > 0) {
    canvas.DrawRectangle(gfx::Pen{kOverlayColor, 2.0f}, {at.x, at.y, static_cast<float>(element->imageWidth * frame.scale),
                                                         static_cast<float>(element->imageHeight * frame.scale)});
  } else {
    canvas.FillEllipse(kOverlayColor, {at.x - 3, at.y - 3, 6, 6});
  }
  if (element->name != nullptr) DrawText(canvas, element->name, {at.x + 4, at.y + 2}, textPt, kOverlayColor);
}

// A string element with a typeface of its own: in that typeface and weight,
// its lines broken at blanks to fit the width of its box.
void DrawBoxedText(gfx::Canvas& canvas, const ELEMENT_HEADER* element, gfx::PointF at, float textPt) {
  const double em = textPt * gfx::kDotsPerInch / 72.0;
  const size_t perLine = element->imageWidth > 0 ? std::max<size_t>(8, static_cast<size_t>(element->imageWidth / (0.6 * em))) : 0;
  std::string wrapped;
  size_t column = 0;
  std::string word;
  const auto flush = [&] {
    if (perLine > 0 && column > 0 && column + 1 + word.size() > perLine) {
      wrapped += '\n';
      column = 0;
    } else if (column > 0) {
      wrapped += ' ';
      ++column;
    }
    wrapped += word;
    column += word.size();
    word.clear();
  };
  for (const char c : std::string(element->text) + "\n") {
    if (c == ' ' || c == '\n') {
      if (!word.empty()) flush();
      if (c == '\n') {
        wrapped += '\n';
        column = 0;
      }
    } else {
      word += c;
    }
  }
  const std::wstring wide = Wide(wrapped);
  canvas.DrawString(wide.c_str(), static_cast<int>(wide.size()),
                    gfx::Font{element->fontFace, textPt, element->fontWeight >= 700}, at, gfx::Align::Near, kTextColor);
}

// The characters of the alert display's 51 glyph frames ('#' the frame of
// every dot lit, 'o' the degree sign).
constexpr int64_t kAlertGlyphFrames = 51;
constexpr char kAlertGlyphs[] = " 1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ./+-[]#?()o:*&";
static_assert(sizeof(kAlertGlyphs) == kAlertGlyphFrames + 1);

void DrawElement(gfx::Canvas& canvas, const platform::GAUGEHDR* gauge, const ELEMENT_HEADER* element, uint32_t index,
                 const GaugeFrame& frame, double designWidth) {
  const float textPt = static_cast<float>(std::clamp(10.0 * frame.scale, 5.0, 10.0));
  const gfx::PointF at = frame.At(element->x, element->y);
  char text[48];
  switch (element->kind) {
    case ElementKind::Needle:
      DrawNeedle(canvas, element, frame, designWidth);
      return;
    case ElementKind::MovingImage:
      // A counter drum: ten digit cells on a strip over 0..999, counted from
      // its foot; off the strip it shows nothing.
      if (element->minValue == 0.0 && element->maxValue == kDrumStripTop) {
        if (element->value >= 0.0 && element->value <= kDrumStripTop) {
          DrawText(canvas, std::to_string(static_cast<int>((kDrumStripTop - element->value) / 100.0)), at, textPt,
                   kTextColor);
        }
        return;
      }
      std::snprintf(text, sizeof(text), "%.0f", element->value);
      DrawText(canvas, text, at, textPt, kTextColor);
      return;
    case ElementKind::Slider:
      DrawSlider(canvas, element, frame, textPt);
      return;
    case ElementKind::Icon: {
      const int64_t image = IconFrame(element);
      if (element->frameCount == 2 && element->imageWidth > 0 && element->imageHeight > 0) {
        // A highlight or frame of a known size: outlined while it shows.
        if (image == 1) {
          canvas.DrawRectangle(gfx::Pen{kLampLitColor, 2.0f},
                               {at.x, at.y, static_cast<float>(element->imageWidth * frame.scale),
                                static_cast<float>(element->imageHeight * frame.scale)});
        }
        return;
      }
      if (element->frameCount == 2) {
        const float r = static_cast<float>(std::max(3.0, 8.0 * frame.scale));
        canvas.FillEllipse(image == 1 ? kLampLitColor : kLampDarkColor, {at.x, at.y, 2 * r, 2 * r});
        return;
      }
      if (image < 0) return;
      if (element->frameCount == kAlertGlyphFrames) {
        // A character cell of the alert display: its dot-matrix character.
        if (image == 0) return;
        const char glyph[2] = {kAlertGlyphs[image], '\0'};
        DrawText(canvas, glyph, at, textPt, kTextColor);
        return;
      }
      std::snprintf(text, sizeof(text), "%lld", static_cast<long long>(image));
      DrawText(canvas, text, at, textPt, kTextColor);
      return;
    }
    case ElementKind::Static:
      if ((element->imageFlags & platform::kImageDrawingSurface) != 0) {
        DrawScreen(canvas, element, frame);
      } else if (index > 0 && element->name != nullptr && std::string(element->name) == "click areas") {
        DrawClickAreas(canvas, gauge, frame);
      } else if (index > 0 && element->imageWidth > 0 && element->imageHeight > 0) {
        canvas.DrawRectangle(gfx::Pen{kOverlayColor, 2.0f},
                             {at.x, at.y, static_cast<float>(element->imageWidth * frame.scale),
                              static_cast<float>(element->imageHeight * frame.scale)});
      } else if (index > 0 && element->name != nullptr) {
        DrawText(canvas, element->name, at, textPt, kOverlayColor);
      }
      return;
    case ElementKind::String:
      if (element->text != nullptr && element->fontFace != nullptr) {
        DrawBoxedText(canvas, element, at, textPt);
        return;
      }
      if (element->text != nullptr) {
        DrawText(canvas, element->text, at, textPt, kTextColor);
        return;
      }
      [[fallthrough]];
    case ElementKind::Sprite:
      std::snprintf(text, sizeof(text), "%.1f", element->value);
      DrawText(canvas, text, at, textPt, kTextColor);
      return;
  }
}

constexpr gfx::Color kDialColor{95, 95, 95};

// What the needles turn over: the marks of a scale with their values, or a
// dial of twelve marks about the pivot of a needle that takes an angle.
void DrawDials(gfx::Canvas& canvas, const ELEMENT_HEADER* head, const GaugeFrame& frame, double designWidth) {
  const platform::NeedlePoint* drawnScale = nullptr;
  bool dialDrawn = false;
  for (const ELEMENT_HEADER* element = head; element != nullptr; element = Next(element)) {
    if (element->kind != ElementKind::Needle) continue;
    if (element->scalePoints > 0 && element->scale != drawnScale && drawnScale == nullptr) {
      drawnScale = element->scale;
      for (uint32_t i = 0; i < element->scalePoints; ++i) {
        const gfx::PointF at = frame.At(element->scale[i].x, element->scale[i].y);
        canvas.FillEllipse(kDialColor, {at.x - 2, at.y - 2, 4, 4});
        char label[24];
        std::snprintf(label, sizeof(label), "%g", element->scale[i].value);
        DrawText(canvas, label, {at.x, at.y + 2}, 6.0f, kDialColor, gfx::Align::Center);
      }
    } else if (element->scalePoints == 0 && !dialDrawn) {
      dialDrawn = true;
      const gfx::PointF pivot = frame.At(element->pivotX, element->pivotY);
      const auto radius = static_cast<float>(0.42 * designWidth * frame.scale);
      canvas.DrawEllipse(gfx::Pen{kDialColor, 1.0f}, {pivot.x - radius, pivot.y - radius, 2 * radius, 2 * radius});
      for (int mark = 0; mark < 12; ++mark) {
        const double radians = mark * 3.14159265358979323846 / 6.0;
        const gfx::PointF outer{static_cast<float>(pivot.x + radius * std::cos(radians)),
                                static_cast<float>(pivot.y + radius * std::sin(radians))};
        const gfx::PointF inner{static_cast<float>(pivot.x + 0.88 * radius * std::cos(radians)),
                                static_cast<float>(pivot.y + 0.88 * radius * std::sin(radians))};
        canvas.DrawLine(gfx::Pen{kDialColor, 1.0f}, inner, outer);
      }
    }
  }
}

void DrawGauge(gfx::Canvas& canvas, const Panel::Instance& instance, double pictureScale) {
  const GaugePlacement& box = *instance.placement;
  const platform::GAUGEHDR* gauge = instance.header;
  const double designWidth = gauge->widthMm > 0.0 ? gauge->widthMm : box.width;
  const GaugeFrame frame{box.x * pictureScale, box.y * pictureScale, box.width * pictureScale / designWidth};
  const gfx::RectF outline{static_cast<float>(box.x * pictureScale), static_cast<float>(box.y * pictureScale),
                           static_cast<float>(box.width * pictureScale), static_cast<float>(box.height * pictureScale)};
  const ELEMENT_HEADER* head = gauge->elements;
  if (head != nullptr && Visible(head)) canvas.FillRectangle(kFaceColor, outline);
  canvas.DrawRectangle(gfx::Pen{head != nullptr && Lit(head) ? kLitBoxColor : kBoxColor, 1.0f}, outline);
  DrawText(canvas, gauge->name, {outline.x + 2, outline.y + outline.height + 2}, 8.0f, kBoxColor);
  if (head != nullptr && Visible(head)) DrawDials(canvas, head, frame, designWidth);
  uint32_t index = 0;
  for (const ELEMENT_HEADER* element = head; element != nullptr; element = Next(element), ++index) {
    if (Visible(element)) DrawElement(canvas, gauge, element, index, frame, designWidth);
  }
}

}  // namespace

struct Panel::Copy {
  platform::GAUGEHDR header;
  std::vector<ELEMENT_HEADER> elements;
  std::vector<std::array<ELEMENT_HEADER*, 2>> links;
};

Panel::Panel() = default;
Panel::~Panel() { Clear(); }

void Panel::Clear() {
  instances_.clear();
  copies_.clear();
}

void Panel::Build(const std::vector<platform::GAUGEHDR*>& gauges, std::span<const WindowPlacement> further) {
  Clear();
  std::map<std::string, std::vector<std::pair<uint32_t, const GaugePlacement*>>> spots;
  for (const PanelWindowLayout& window : PanelLayout()) {
    for (const GaugePlacement& placement : window.gauges) spots[placement.gauge].push_back({window.ident, &placement});
  }
  for (const WindowPlacement& extra : further) spots[extra.placement.gauge].push_back({extra.window, &extra.placement});
  std::map<std::string, platform::GAUGEHDR*> byName;
  for (platform::GAUGEHDR* gauge : gauges) {
    if (gauge == nullptr || gauge->name == nullptr) continue;
    byName[gauge->name] = gauge;
    const auto found = spots.find(gauge->name);
    if (found == spots.end()) {
      instances_.push_back({0, nullptr, gauge, false});
    } else {
      instances_.push_back({found->second.front().first, found->second.front().second, gauge, false});
    }
  }
  for (const auto& [name, places] : spots) {
    const auto gauge = byName.find(name);
    if (gauge == byName.end()) continue;
    for (size_t i = 1; i < places.size(); ++i) {
      auto copy = std::make_unique<Copy>();
      copy->header = *gauge->second;
      for (const ELEMENT_HEADER* element = gauge->second->elements; element != nullptr; element = Next(element)) {
        copy->elements.push_back(*element);
      }
      copy->links.resize(copy->elements.size());
      for (size_t e = 0; e < copy->elements.size(); ++e) {
        copy->links[e] = {e + 1 < copy->elements.size() ? &copy->elements[e + 1] : nullptr, nullptr};
        copy->elements[e].nextElement = copy->links[e].data();
      }
      copy->header.elements = copy->elements.empty() ? nullptr : copy->elements.data();
      instances_.push_back({places[i].first, places[i].second, &copy->header, true});
      copies_.push_back(std::move(copy));
    }
  }
}

std::vector<platform::GAUGEHDR*> Panel::Headers() const {
  std::vector<platform::GAUGEHDR*> headers;
  for (const Instance& instance : instances_) headers.push_back(instance.header);
  return headers;
}

const Panel::Instance* Panel::Find(const std::string& gauge, uint32_t window) const {
  for (const Instance& instance : instances_) {
    if (instance.header->name != gauge) continue;
    if (window == 0 || instance.window == window) return &instance;
  }
  return nullptr;
}

void Panel::Poll(const Instance& instance) {
  for (ELEMENT_HEADER* element = instance.header->elements; element != nullptr; element = Next(element)) {
    if (element->token != 0) element->tokenValue = platform::sim::GetToken(element->token);
    if (element->callback != nullptr) element->value = element->callback(element);
    if (element->yCallback != nullptr) element->yValue = element->yCallback(element);
  }
}

void Panel::PollAll() const {
  for (const Instance& instance : instances_) Poll(instance);
}

std::string Panel::Dump(uint32_t window) const {
  const PanelWindowLayout* layout = FindPanelWindow(window);
  std::string text;
  char line[256];
  std::snprintf(line, sizeof(line), "window %u \"%s\"\n", window, layout != nullptr ? layout->name : "");
  text += line;
  for (const Instance& instance : instances_) {
    if (instance.window != window || instance.placement == nullptr) continue;
    const GaugePlacement& box = *instance.placement;
    std::snprintf(line, sizeof(line), "gauge \"%s\" at %d,%d size %dx%d%s\n", instance.header->name, box.x, box.y,
                  box.width, box.height, instance.header->elements == nullptr ? " (no elements)" : "");
    text += line;
    uint32_t index = 0;
    for (const ELEMENT_HEADER* element = instance.header->elements; element != nullptr;
         element = Next(element), ++index) {
      char frame[24] = "-";
      if (element->kind == ElementKind::Icon) {
        const int64_t image = IconFrame(element);
        if (image >= 0) {
          std::snprintf(frame, sizeof(frame), "%lld", static_cast<long long>(image));
        } else {
          std::snprintf(frame, sizeof(frame), "none");
        }
      }
      std::snprintf(line, sizeof(line), "  %02u %-7s %-22s value %12.3f frame %-4s %-7s %s\n", index,
                    KindName(element->kind), element->name != nullptr ? element->name : "", element->value, frame,
                    Visible(element) ? "visible" : "hidden", Lit(element) ? "lit" : "unlit");
      text += line;
      if (element->kind == ElementKind::Slider) {
        std::snprintf(line, sizeof(line), " y %.3f", element->yValue);
        text.insert(text.size() - 1, line);
      }
      if (element->kind == ElementKind::String && element->text != nullptr) {
        text.insert(text.size() - 1, std::string(" \"") + element->text + "\"");
      }
    }
  }
  return text;
}

bool Panel::WriteSchematic(uint32_t window, const std::string& path, std::string* error) const {
  const PanelWindowLayout* layout = FindPanelWindow(window);
  if (layout == nullptr) {
    *error = "no panel window " + std::to_string(window) + " in the panel configuration";
    return false;
  }
  const double scale = std::min(1.0, kLongestPicture / std::max(layout->width, layout->height));
  gfx::Surface surface(static_cast<int>(layout->width * scale), static_cast<int>(layout->height * scale));
  {
    gfx::Canvas canvas(surface);
    canvas.FillRectangle(kPanelColor, {0, 0, static_cast<float>(surface.Width()), static_cast<float>(surface.Height())});
    for (const Instance& instance : instances_) {
      if (instance.window == window && instance.placement != nullptr) DrawGauge(canvas, instance, scale);
    }
  }
  return surface.WritePng(path, error);
}

}  // namespace simhost
