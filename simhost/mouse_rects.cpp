// Hit testing of a gauge's mouse rectangles.
#include "simhost/mouse_rects.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace simhost {

const platform::MOUSERECT* FindMouseRect(const platform::MOUSERECT* rects, int32_t x, int32_t y, uint32_t event,
                                         platform::PixelPoint* corner) {
  // Origins of the open parents; the gauge itself is the outermost.
  std::vector<platform::PixelPoint> origins{{0, 0}};
  for (const platform::MOUSERECT* rect = rects; rect != nullptr && rect->type != platform::kMouseRectEnd; ++rect) {
    const platform::PixelPoint origin = origins.back();
    switch (rect->type) {
      case platform::kMouseRectParent:
        origins.push_back({origin.x + rect->x, origin.y + rect->y});
        break;
      case platform::kMouseRectEndParent:
        if (origins.size() > 1) origins.pop_back();
        break;
      case platform::kMouseRectChild: {
        const int32_t left = origin.x + rect->x;
        const int32_t top = origin.y + rect->y;
        const bool inside = x >= left && x < left + rect->width && y >= top && y < top + rect->height;
        if (inside && (rect->mouseFlags & event) != 0 && rect->function != nullptr) {
          if (corner != nullptr) *corner = {left, top};
          return rect;
        }
        break;
      }
      default:
        break;
    }
  }
  return nullptr;
}

const platform::MOUSERECT* FindNamedMouseRect(const platform::MOUSERECT* rects, const std::string& functionName) {
  for (const platform::MOUSERECT* rect = rects; rect != nullptr && rect->type != platform::kMouseRectEnd; ++rect) {
    if (rect->type == platform::kMouseRectChild && rect->functionName != nullptr && functionName == rect->functionName) {
      return rect;
    }
  }
  return nullptr;
}

namespace {

// One argument in its printf form: whole-number formats take the value
// truncated toward zero (held within 64 bits), the others the double.
std::string FormatArgument(const std::string& spec, double value) {
  char text[64] = {};
  const char type = spec.empty() ? 'd' : spec.back();
  if (type == 'd' || type == 'i' || type == 'u') {
    const double whole = std::isfinite(value) ? std::trunc(std::fmax(-9.0e18, std::fmin(9.0e18, value))) : 0.0;
    const std::string format = "%" + spec.substr(0, spec.size() - 1) + "lld";
    std::snprintf(text, sizeof(text), format.c_str(), static_cast<long long>(whole));
  } else {
    const std::string format = "%" + spec;
    std::snprintf(text, sizeof(text), format.c_str(), value);
  }
  return text;
}

}  // namespace

std::string TooltipText(const platform::MOUSERECT* rects) {
  const platform::MOUSERECT* tooltip = nullptr;
  for (const platform::MOUSERECT* rect = rects; rect != nullptr && rect->type != platform::kMouseRectEnd; ++rect) {
    if (rect->type == platform::kMouseRectTooltip) {
      tooltip = rect;
      break;
    }
  }
  if (tooltip == nullptr || tooltip->tooltipText == nullptr) return "";
  const std::string format = tooltip->tooltipText;
  std::string text;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 >= format.size()) {
      text += format[i];
      continue;
    }
    if (format[i + 1] == '%') {
      text += '%';
      ++i;
      continue;
    }
    // %n!spec!: argument n (from 1) of the entry's argument records.
    size_t end = i + 1;
    uint32_t argument = 0;
    while (end < format.size() && format[end] >= '0' && format[end] <= '9') argument = argument * 10 + (format[end++] - '0');
    const size_t open = end;
    const size_t close = open < format.size() && format[open] == '!' ? format.find('!', open + 1) : std::string::npos;
    if (argument == 0 || close == std::string::npos) {
      text += format[i];
      continue;
    }
    const bool known = argument <= tooltip->eventId && tooltip->tooltipArgs != nullptr &&
                       tooltip->tooltipArgs[argument - 1].value != nullptr;
    const double value = known ? tooltip->tooltipArgs[argument - 1].value() : 0.0;
    text += FormatArgument(format.substr(open + 1, close - open - 1), value);
    i = close;
  }
  return text;
}

}  // namespace simhost
