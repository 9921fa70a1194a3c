// The element lists of the glass displays and the radar display (the CDU's
// faceplate lists its own). Element 0 is the bezel; element 1, the screen,
// is a static image the simulator gives a pixel surface of its design size,
// which the gauge's drawing routine paints on every pre-draw
// (GetNthElement(gauge->elements, 1)->surface).
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

struct GlassScreen {
  // The screen at (x, y) of the gauge, width x height pixels of design space.
  constexpr GlassScreen(int32_t x, int32_t y, int32_t width, int32_t height)
      : screen{.x = x,
               .y = y,
               .imageFlags = platform::kImageDrawingSurface,
               .imageWidth = width,
               .imageHeight = height},
        screenLink{&screen, nullptr},
        bezel{.nextElement = screenLink} {}
  GlassScreen(const GlassScreen&) = delete;
  GlassScreen& operator=(const GlassScreen&) = delete;

  constexpr platform::ELEMENT_HEADER* Elements() { return &bezel; }

  platform::ELEMENT_HEADER screen;
  platform::ELEMENT_HEADER* screenLink[2];
  platform::ELEMENT_HEADER bezel;
};

extern GlassScreen g_efisPfdScreen;       // "EFIS PFD", 300 x 250
extern GlassScreen g_efisNdScreen;        // "EFIS ND", 300 x 250
extern GlassScreen g_tcasDisplayScreen;   // "TCAS Display", 250 x 250
extern GlassScreen g_radarDisplayScreen;  // "Radar Display", 300 x 250

}  // namespace halcyon
