// The panel's gauge instances, their per-frame element poll, and the text
// dump and schematic picture of a panel window.
#include "simhost/panel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <string_view>

#include "platform/gfx.h"
#include "platform/gfx_surface.h"
#include "platform/paths.h"
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

// A text of the module (8-bit, UTF-8) as the drawing layer takes it.
std::wstring Wide(const std::string& text) { return platform::Widen(text); }

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegreesPerRadian = 180.0 / kPi;

// ---- Needles that turn at a limited speed ----

// The angle of a point about a pivot: degrees from pointing right, clockwise
// (y points down).
double AngleAbout(double pivotX, double pivotY, double x, double y) {
  return std::atan2(y - pivotY, x - pivotX) * kDegreesPerRadian;
}

// The angle moved by whole turns to lie within half a turn of `near`.
double Unwrapped(double angle, double near) { return angle + 360.0 * std::round((near - angle) / 360.0); }

// Where a needle points for a value: the value itself without a scale; on a
// scale, the angle of the point between its rows, counted on from the first
// row, so that a scale round most of the dial keeps its order (a needle
// sent from one end to the other turns the long way, over the scale).
double NeedleAngle(const ELEMENT_HEADER* needle, double value) {
  if (needle->scalePoints == 0) return value;
  const platform::NeedlePoint* rows = needle->scale;
  const double px = needle->pivotX;
  const double py = needle->pivotY;
  double angle = AngleAbout(px, py, rows[0].x, rows[0].y);
  if (!(value > rows[0].value)) return angle;
  for (uint32_t i = 1; i < needle->scalePoints; ++i) {
    if (value <= rows[i].value) {
      const double t = (value - rows[i - 1].value) / (rows[i].value - rows[i - 1].value);
      return Unwrapped(AngleAbout(px, py, rows[i - 1].x + (rows[i].x - rows[i - 1].x) * t,
                                  rows[i - 1].y + (rows[i].y - rows[i - 1].y) * t),
                       angle);
    }
    angle = Unwrapped(AngleAbout(px, py, rows[i].x, rows[i].y), angle);
  }
  return angle;
}

bool SpeedLimited(const ELEMENT_HEADER* element) {
  return element->kind == ElementKind::Needle && element->maxDegreesPerSecond > 0.0;
}

// Turns a limited needle towards its value by at most its speed over the
// frame; it stands at its first value from the first frame on.
void TurnNeedle(ELEMENT_HEADER* needle, double frameSeconds) {
  const double target = NeedleAngle(needle, needle->value);
  if (!std::isfinite(target)) return;
  if (!needle->angleDrawn) {
    needle->drawnAngle = target;
    needle->angleDrawn = true;
    return;
  }
  const double most = needle->maxDegreesPerSecond * std::max(0.0, frameSeconds);
  needle->drawnAngle = std::clamp(target, needle->drawnAngle - most, needle->drawnAngle + most);
}

// A colour field's colour (0xRRGGBB).
gfx::Color ColorOf(uint32_t rgb) {
  return {static_cast<uint8_t>(rgb >> 16 & 0xFF), static_cast<uint8_t>(rgb >> 8 & 0xFF),
          static_cast<uint8_t>(rgb & 0xFF)};
}

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
// One gauge's schematic: a small gauge enlarged to this many pixels on its
// longer side, with a margin about its box and room for its name below.
constexpr double kShortestGaugePicture = 400.0;
constexpr int kGaugeMargin = 4;
constexpr int kNameRoom = 14;
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

// The point `length` picture pixels from `from` at an angle (degrees,
// clockwise from pointing right).
gfx::PointF Along(gfx::PointF from, double degrees, double length) {
  const double radians = degrees / kDegreesPerRadian;
  return {static_cast<float>(from.x + length * std::cos(radians)),
          static_cast<float>(from.y + length * std::sin(radians))};
}

// A value as a number with one decimal.
void DrawValue(gfx::Canvas& canvas, double value, gfx::PointF at, float textPt) {
  char text[48];
  std::snprintf(text, sizeof(text), "%.1f", value);
  DrawText(canvas, text, at, textPt, kTextColor);
}

// A needle from its pivot: a limited one at the angle it has turned to, as
// long as to its value's point; else to its value's point on its scale, or
// at its value as an angle.
void DrawNeedle(gfx::Canvas& canvas, const ELEMENT_HEADER* needle, const GaugeFrame& frame, double designWidth) {
  const gfx::PointF pivot = frame.At(needle->pivotX, needle->pivotY);
  const double armLength = 0.4 * designWidth * frame.scale;
  gfx::PointF tip;
  if (SpeedLimited(needle) && needle->angleDrawn) {
    double length = armLength;
    if (needle->scalePoints > 0) {
      const gfx::PointF point = ScalePoint(needle, frame);
      length = std::hypot(point.x - pivot.x, point.y - pivot.y);
    }
    tip = Along(pivot, needle->drawnAngle, length);
  } else if (needle->scalePoints > 0) {
    tip = ScalePoint(needle, frame);
  } else {
    if (!std::isfinite(needle->value)) return;
    tip = Along(pivot, needle->value, armLength);
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
  const SliderPoint point = SliderPosition(*element);
  if (!std::isfinite(point.x) || !std::isfinite(point.y)) return;
  const gfx::PointF at = frame.At(point.x, point.y);
  if (element->imageWidth > 0 && element->imageHeight > 0) {
    canvas.DrawRectangle(gfx::Pen{kOverlayColor, 2.0f}, {at.x, at.y, static_cast<float>(element->imageWidth * frame.scale),
                                                         static_cast<float>(element->imageHeight * frame.scale)});
  } else {
    canvas.FillEllipse(kOverlayColor, {at.x - 3, at.y - 3, 6, 6});
  }
  if (element->name != nullptr) DrawText(canvas, element->name, {at.x + 4, at.y + 2}, textPt, kOverlayColor);
}

// A string element's text broken into lines of at most `perLine`
// characters (0: no limit): at its own line ends, and at the last blank that
// fits in a longer line (a word longer than a line stands alone). Blanks
// inside a line stay, so the columns of a table keep their places.
std::wstring Wrapped(std::wstring_view text, size_t perLine) {
  std::wstring wrapped;
  while (true) {
    const size_t end = text.find(L'\n');
    std::wstring_view line = text.substr(0, end);
    while (perLine > 0 && line.size() > perLine) {
      size_t cut = line.rfind(L' ', perLine);
      if (cut == std::wstring_view::npos || cut == 0) cut = line.find(L' ', perLine);
      if (cut == std::wstring_view::npos) break;
      wrapped.append(line.substr(0, cut)).push_back(L'\n');
      line.remove_prefix(std::min(line.size(), line.find_first_not_of(L' ', cut)));
    }
    wrapped.append(line);
    if (end == std::wstring_view::npos) return wrapped;
    wrapped.push_back(L'\n');
    text.remove_prefix(end + 1);
  }
}

// A string element with a typeface of its own: in that typeface, weight and
// colour, over its box's colour, its lines broken to fit the box's width.
void DrawBoxedText(gfx::Canvas& canvas, const ELEMENT_HEADER* element, const GaugeFrame& frame, float textPt) {
  const gfx::PointF at = frame.At(element->x, element->y);
  if (element->backgroundColor != platform::kNoColor) {
    canvas.FillRectangle(ColorOf(element->backgroundColor),
                         {at.x, at.y, static_cast<float>(element->imageWidth * frame.scale),
                          static_cast<float>(element->imageHeight * frame.scale)});
  }
  const double em = textPt * gfx::kDotsPerInch / 72.0;
  const double boxWidth = element->imageWidth * frame.scale;
  const size_t perLine = boxWidth > 0 ? std::max<size_t>(8, static_cast<size_t>(boxWidth / (0.6 * em))) : 0;
  const std::wstring wide = Wrapped(Wide(element->text), perLine);
  const gfx::Color color = element->textColor != platform::kNoColor ? ColorOf(element->textColor) : kTextColor;
  canvas.DrawString(wide.c_str(), static_cast<int>(wide.size()),
                    gfx::Font{element->fontFace, textPt, element->fontWeight >= 700}, at, gfx::Align::Near, color);
}

constexpr gfx::Color kSkyColor{40, 90, 150};
constexpr gfx::Color kGroundColor{110, 75, 40};

// A sprite whose picture has a known size: the picture's centre line as the
// simulator turns and shifts the picture, sky above it and ground below, in
// the picture's round; one without a size: its value as a number.
void DrawSprite(gfx::Canvas& canvas, const ELEMENT_HEADER* sprite, const GaugeFrame& frame, float textPt) {
  const gfx::PointF at = frame.At(sprite->x, sprite->y);
  const double turn = sprite->value * sprite->turnScale;
  const double shift = sprite->yCallback != nullptr ? sprite->yValue * sprite->shiftScale : 0.0;
  if (sprite->imageWidth <= 0 || sprite->imageHeight <= 0 || !std::isfinite(turn) || !std::isfinite(shift)) {
    DrawValue(canvas, sprite->value, at, textPt);
    return;
  }
  const gfx::RectF box{at.x, at.y, static_cast<float>(sprite->imageWidth * frame.scale),
                       static_cast<float>(sprite->imageHeight * frame.scale)};
  const gfx::PointF centre{box.x + box.width / 2, box.y + box.height / 2};
  // The turned picture's own right and up on the screen (turned counter-clockwise).
  const double reach = box.width + box.height;
  const gfx::PointF middle = Along(centre, -turn - 90.0, std::clamp(shift * frame.scale, -reach, reach));
  const gfx::PointF left = Along(middle, 180.0 - turn, reach);
  const gfx::PointF right = Along(middle, -turn, reach);
  const gfx::PointF ground[4] = {left, right, Along(right, 90.0 - turn, reach), Along(left, 90.0 - turn, reach)};
  gfx::Path round;
  round.AddEllipse(box);
  canvas.FillEllipse(kSkyColor, box);
  canvas.SetClip(round, gfx::ClipMode::Replace);
  canvas.FillPolygon(kGroundColor, ground, 4);
  canvas.DrawLine(gfx::Pen{kNeedleColor, 2.0f}, left, right);
  canvas.ResetClip();
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
      // A value past either end of the strip shows no image at all.
      const int64_t image = IconFrame(element);
      if (image < 0) return;
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
        DrawBoxedText(canvas, element, frame, textPt);
        return;
      }
      if (element->text != nullptr) {
        DrawText(canvas, element->text, at, textPt, kTextColor);
        return;
      }
      DrawValue(canvas, element->value, at, textPt);
      return;
    case ElementKind::Sprite:
      DrawSprite(canvas, element, frame, textPt);
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
        canvas.DrawLine(gfx::Pen{kDialColor, 1.0f}, Along(pivot, mark * 30.0, 0.88 * radius),
                        Along(pivot, mark * 30.0, radius));
      }
    }
  }
}

// A placed gauge with its box's top left corner at (left, top) of the picture.
void DrawGauge(gfx::Canvas& canvas, const Panel::Instance& instance, double pictureScale, double left, double top) {
  const GaugePlacement& box = *instance.placement;
  const platform::GAUGEHDR* gauge = instance.header;
  const double designWidth = gauge->widthMm > 0.0 ? gauge->widthMm : box.width;
  const GaugeFrame frame{left, top, box.width * pictureScale / designWidth};
  const gfx::RectF outline{static_cast<float>(left), static_cast<float>(top),
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

SliderPoint SliderPosition(const ELEMENT_HEADER& slider) {
  return {slider.x + slider.value * slider.xScale, slider.y + slider.yValue * slider.yScale};
}

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

void Panel::Poll(const Instance& instance, double frameSeconds) {
  for (ELEMENT_HEADER* element = instance.header->elements; element != nullptr; element = Next(element)) {
    if (element->token != 0) element->tokenValue = platform::sim::GetToken(element->token);
    if (element->callback != nullptr) element->value = element->callback(element);
    if (element->yCallback != nullptr) element->yValue = element->yCallback(element);
    if (SpeedLimited(element)) TurnNeedle(element, frameSeconds);
  }
}

void Panel::PollAll(double frameSeconds) const {
  for (const Instance& instance : instances_) Poll(instance, frameSeconds);
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
        if (element->xScale != 1.0 || element->yScale != 1.0) {
          const SliderPoint at = SliderPosition(*element);
          std::snprintf(line, sizeof(line), " at %.1f,%.1f", at.x, at.y);
          text.insert(text.size() - 1, line);
        }
      }
      if (element->kind == ElementKind::Sprite && element->yCallback != nullptr) {
        std::snprintf(line, sizeof(line), " turn %.1f shift %.1f", element->value * element->turnScale + 0.0,
                      element->yValue * element->shiftScale + 0.0);
        text.insert(text.size() - 1, line);
      }
      if (SpeedLimited(element) && element->angleDrawn) {
        std::snprintf(line, sizeof(line), " angle %.1f", element->drawnAngle);
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
      if (instance.window != window || instance.placement == nullptr) continue;
      DrawGauge(canvas, instance, scale, instance.placement->x * scale, instance.placement->y * scale);
    }
  }
  return surface.WritePng(path, error);
}

bool Panel::WriteSchematic(const Instance& instance, const std::string& path, std::string* error) const {
  if (instance.placement == nullptr) {
    *error = std::string("\"") + instance.header->name + "\" stands in no panel window: it has no schematic";
    return false;
  }
  const GaugePlacement& box = *instance.placement;
  const double longest = std::max(box.width, box.height);
  const double scale = std::min(std::max(1.0, kShortestGaugePicture / longest), kLongestPicture / longest);
  gfx::Surface surface(static_cast<int>(box.width * scale) + 2 * kGaugeMargin,
                       static_cast<int>(box.height * scale) + 2 * kGaugeMargin + kNameRoom);
  {
    gfx::Canvas canvas(surface);
    canvas.FillRectangle(kPanelColor, {0, 0, static_cast<float>(surface.Width()), static_cast<float>(surface.Height())});
    DrawGauge(canvas, instance, scale, kGaugeMargin, kGaugeMargin);
  }
  return surface.WritePng(path, error);
}

}  // namespace simhost
