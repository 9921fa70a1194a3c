// Whether a display's frame, drawn the fast ways the drawing layer has
// (primitives under a curved clip gathered in a layer, small circles in
// a coverage mask), looks as it does with every primitive put on the pixels
// by itself and clipped by Cairo. Only the pixels a curved clip cuts through
// may differ by more than a rounding: there one primitive over another
// lets a little more of the one below through when each is clipped alone.
// Elsewhere edge pixels differ by up to a sixth of full scale: Cairo
// scan-converts a primitive under a curved clip its own coarser way, a
// small figure stamped from its drawing stands up to a thirty-second of a
// pixel from where Cairo would have put it, and where the images of a
// string's glyphs meet Cairo may add their coverage rather than lay one
// over the other.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/gfx_surface.h"

namespace halcyon::test {

struct PictureDifference {
  int lit = 0;            // pixels of the reference that are not the background's colour
  int differing = 0;      // pixels that differ at all
  int beyondRounding = 0; // pixels that differ by more than 2 of 255
  int worst = 0;          // the largest difference of a colour component, anywhere
  int worstInside = 0;    // the same away from the clip's edge
};

// Draws the frame on `surface` one primitive at a time, then the fast way,
// and compares them; `onClipEdge(x, y)` tells the pixels a curved clip cuts.
inline PictureDifference CompareWithOneByOne(platform::gfx::Surface& surface, const std::function<void()>& drawFrame,
                                             const std::function<bool(int, int)>& onClipEdge) {
  using platform::gfx::Color;
  const char* folder = std::getenv("HALCYON_PICTURE_DIFF");  // where to write both pictures, to look at
  surface.DrawOneByOne(true);
  drawFrame();
  if (folder != nullptr) surface.WritePng(std::string(folder) + "/one_by_one.png", nullptr);
  std::vector<Color> reference;
  reference.reserve(static_cast<size_t>(surface.Width()) * surface.Height());
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) reference.push_back(surface.Pixel(x, y));
  }
  surface.DrawOneByOne(false);
  drawFrame();
  if (folder != nullptr) surface.WritePng(std::string(folder) + "/fast.png", nullptr);
  PictureDifference result;
  const Color background = reference.front();
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      const Color a = reference[static_cast<size_t>(y) * surface.Width() + x];
      const Color b = surface.Pixel(x, y);
      const int diff = std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
      result.lit += a == background ? 0 : 1;
      result.differing += diff > 0 ? 1 : 0;
      result.beyondRounding += diff > 2 ? 1 : 0;
      result.worst = std::max(result.worst, diff);
      if (!onClipEdge(x, y)) result.worstInside = std::max(result.worstInside, diff);
    }
  }
  return result;
}

// What the displays' fast pictures are held to: away from the clip's edge no
// component more than kMostInside from the one-by-one picture, and at most
// one lit pixel in kLitPerDiffering beyond a rounding; on the edge, kMost.
constexpr int kMostInside = 40;
constexpr int kMost = 64;
constexpr int kLitPerDiffering = 8;

inline void ExpectSamePicture(const PictureDifference& diff) {
  EXPECT_LE(diff.worstInside, kMostInside);
  EXPECT_LE(diff.worst, kMost);
  EXPECT_LE(diff.beyondRounding * kLitPerDiffering, diff.lit) << diff.beyondRounding << " of " << diff.lit;
}

}  // namespace halcyon::test
