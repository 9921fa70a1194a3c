// Switch pictures as boundary samples: the frame a record's position shows
// on an element of its gauge, one line a sample.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/switch.h"
#include "tests/cockpit.h"

namespace halcyon::test {

struct PictureFrame {
  CSwitch* record;
  int32_t position;
  const char* gauge;
  uint32_t element;
  double frame;
};

inline void ExpectPictureFrames(Cockpit& cockpit, const std::vector<PictureFrame>& samples) {
  for (const PictureFrame& sample : samples) {
    cockpit.setSwitch(sample.record, sample.position).draw();
    EXPECT_EQ(cockpit.elementValue(sample.gauge, sample.element), sample.frame)
        << sample.gauge << " element " << sample.element << " at " << sample.position;
  }
}

}  // namespace halcyon::test
