// Frames of animated cockpit images for the lever, gear, flap and wiper tests:
// what a record shows over the next ticks, and the run of frames expected.
#pragma once

#include <cstdint>
#include <vector>

#include "core/switch.h"
#include "tests/cockpit.h"

namespace halcyon::test {

// The positions a record moves through over the next ticks, each change once.
inline std::vector<int32_t> Frames(Cockpit& cockpit, const CSwitch* record, int ticks) {
  std::vector<int32_t> frames;
  int32_t last = GetSwitch(record);
  for (int i = 0; i < ticks; ++i) {
    cockpit.runTicks(1);
    if (GetSwitch(record) != last) frames.push_back(last = GetSwitch(record));
  }
  return frames;
}

// first, first +- step, ... last.
inline std::vector<int32_t> FrameRun(int32_t first, int32_t last, int32_t step = 0) {
  if (step == 0) step = first < last ? 1 : -1;
  std::vector<int32_t> run;
  for (int32_t frame = first;; frame += step) {
    run.push_back(frame);
    if (frame == last) break;
  }
  return run;
}

}  // namespace halcyon::test
