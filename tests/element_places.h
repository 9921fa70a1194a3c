// Where a gauge's pictures sit, as boundary samples: an element's corner on
// the gauge (a needle's pivot) and the frames of its strip, one line a sample. A picture a pixel
// off its place is drawn a pixel off the artwork beneath it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/cockpit.h"

namespace halcyon::test {

struct ElementPlace {
  const char* gauge;
  uint32_t element;
  int32_t x;
  int32_t y;
  int32_t frames = 0;  // 0: a static picture, no strip
};

inline void ExpectElementPlaces(const Cockpit& cockpit, const std::vector<ElementPlace>& samples) {
  for (const ElementPlace& sample : samples) {
    const platform::ELEMENT_HEADER& e = cockpit.element(sample.gauge, sample.element);
    const char* name = e.name != nullptr ? e.name : "";
    const bool needle = e.kind == platform::ElementKind::Needle;
    EXPECT_EQ(needle ? e.pivotX : e.x, sample.x) << sample.gauge << " element " << sample.element << " (" << name << ")";
    EXPECT_EQ(needle ? e.pivotY : e.y, sample.y) << sample.gauge << " element " << sample.element << " (" << name << ")";
    if (sample.frames != 0) {
      EXPECT_EQ(e.frameCount, sample.frames) << sample.gauge << " element " << sample.element << " (" << name << ")";
    }
  }
}

}  // namespace halcyon::test
