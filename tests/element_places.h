// Where a gauge's pictures sit, as boundary samples: an element's corner on
// the gauge (a needle's pivot) and the frames of its strip, one line a
// sample, for the faces whose lamps and switches follow no pitch a rule
// could state. A picture a pixel off its place is drawn a pixel off the
// artwork beneath it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/cockpit.h"

namespace halcyon::test {

struct ElementPlace {
  const char* gauge;
  uint32_t element;
  int32_t x;
  int32_t y;
  int32_t frames = 0;  // an icon's pictures; 0 leaves the count unchecked
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

// The places of one gauge's elements.
struct PlaceOnGauge {
  uint32_t element;
  int32_t x, y;
  int32_t frames = 0;
};

inline void ExpectElementPlaces(const Cockpit& cockpit, const std::string& gauge,
                                const std::vector<PlaceOnGauge>& places) {
  std::vector<ElementPlace> samples;
  for (const PlaceOnGauge& place : places) {
    samples.push_back({gauge.c_str(), place.element, place.x, place.y, place.frames});
  }
  ExpectElementPlaces(cockpit, samples);
}

}  // namespace halcyon::test
