// Element places as samples: where the simulator draws an element of a
// gauge and, for an icon, how many pictures its strip holds; one line a
// sample, for the faces whose lamps and switches follow no pitch a rule
// could state.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/cockpit.h"

namespace halcyon::test {

struct ElementPlace {
  uint32_t element;
  int32_t x, y;
  int32_t frames = 0;  // an icon's pictures; 0 leaves the count unchecked
};

inline void ExpectElementPlaces(const Cockpit& cockpit, const std::string& gauge,
                                const std::vector<ElementPlace>& places) {
  for (const ElementPlace& place : places) {
    const platform::ELEMENT_HEADER& e = cockpit.element(gauge, place.element);
    EXPECT_EQ(e.x, place.x) << gauge << " element " << place.element;
    EXPECT_EQ(e.y, place.y) << gauge << " element " << place.element;
    if (place.frames != 0) {
      EXPECT_EQ(e.frameCount, place.frames) << gauge << " element " << place.element;
    }
  }
}

}  // namespace halcyon::test
