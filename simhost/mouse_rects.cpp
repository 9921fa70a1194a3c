// Hit testing of a gauge's mouse rectangles.
#include "simhost/mouse_rects.h"

#include <vector>

namespace simhost {

const platform::MOUSERECT* FindMouseRect(const platform::MOUSERECT* rects, int32_t x, int32_t y, uint32_t event) {
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
        if (inside && (rect->mouseFlags & event) != 0 && rect->function != nullptr) return rect;
        break;
      }
      default:
        break;
    }
  }
  return nullptr;
}

}  // namespace simhost
