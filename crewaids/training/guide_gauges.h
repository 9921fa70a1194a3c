// The open lesson on the screen: "Training Guide" (window 10120), the step's
// header and text with the guide's buttons, and "Training Pointers" (window
// 10130), the transparent overlay that puts the step's arrows and boxes over
// the cockpit, with the editor's selection marker while the Mentor VA Editor
// (10350) is open. Reads the step state and option 9; drives the stepping and
// the guide's, the centre's and the editor's windows.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

inline constexpr uint32_t kGuideWindow = 10120;
inline constexpr uint32_t kPointersWindow = 10130;

// "Training Guide": the step text and header in the regular font (1, 2) and
// in the alternative one (3, 4), and the first/last-step icon.
inline constexpr uint32_t kGuideText = 1;
inline constexpr uint32_t kGuideHeader = 2;
inline constexpr uint32_t kGuideAltText = 3;
inline constexpr uint32_t kGuideAltHeader = 4;
inline constexpr uint32_t kGuideStepIcon = 5;

// "Training Pointers": arrow n (1..4) of type t (1..4) is element
// 4 x (n - 1) + t; the selection marker 17; the frame of box target t (1..9)
// is element 17 + t.
constexpr uint32_t PointerArrowElement(int32_t arrow, int32_t type) {
  return static_cast<uint32_t>(4 * (arrow - 1) + type);
}
inline constexpr uint32_t kPointerMarker = 17;
constexpr uint32_t PointerBoxElement(int32_t target) { return kPointerMarker + static_cast<uint32_t>(target); }
inline constexpr uint32_t kPointersElementCount = 27;

platform::ELEMENT_HEADER* TrainingGuideElements();
void TrainingGuideGaugeCallback(platform::GAUGEHDR* gauge, uint32_t service, uintptr_t extra);
int32_t TrainingGuideMouseClose(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrainingGuideMouseCenter(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrainingGuideMouseFirst(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrainingGuideMouseEditor(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrainingGuideMousePrevious(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrainingGuideMouseNext(platform::PixelPoint point, uint32_t mouseFlags);

platform::ELEMENT_HEADER* TrainingPointersElements();
void TrainingPointersGaugeCallback(platform::GAUGEHDR* gauge, uint32_t service, uintptr_t extra);

}  // namespace halcyon
