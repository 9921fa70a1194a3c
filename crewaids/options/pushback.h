// "Pushback", the popup (window 10270) from which the crew calls the ground
// crew: each choice starts a ground-crew sequence and closes the window.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

inline constexpr uint32_t kPanelWindowPushback = 10270;

platform::ELEMENT_HEADER* PushbackElements();

int32_t PushbackMouseFirst(platform::PixelPoint point, uint32_t mouseFlags);
int32_t PushbackMouseSecond(platform::PixelPoint point, uint32_t mouseFlags);
int32_t PushbackMouseBoth(platform::PixelPoint point, uint32_t mouseFlags);
int32_t PushbackMouseClose(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
