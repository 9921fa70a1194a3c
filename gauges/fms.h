// The "FMS" gauge: the CDU faceplate. Built so far: the keyboard-entry
// button, which turns CDU typing from the PC keyboard on and off.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

// Makes the PC-keyboard reader on the simulator's main window (exclusive,
// foreground) when there is none, else deletes it. Returns 1; no sound.
int32_t FmsMouseKeyboardInputToggle(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
