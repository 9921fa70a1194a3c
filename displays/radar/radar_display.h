// The weather radar's own screen: the weather of the radar's cloud grid
// turned heading-up (or the test rings), four dashed range rings, five
// azimuth lines and the range, mode, ring-spacing and tilt labels, in a
// 300 x 250 design space with the aircraft at the middle of the bottom edge.
// Reads the radar's state, the power state and the true heading.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

// Paints the whole picture at the brightness, the weather cells scaled by the gain.
void DrawRadarDisplay(platform::ELEMENT_HEADER* element, double brightness, double gain);

// The picture is worked out once a second, while the radar's brightness is
// above zero: after the work of each tick the once-a-second channel is due
// (KeepRadarPicture), whether or not a window shows the screen. The "Radar
// Display" gauge paints it on its pre-draw, once in each placement: on the
// due tick in an open window, on its next draw in one opened later or
// pictured while closed.
void KeepRadarPicture();
void RadarDisplayGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);

}  // namespace halcyon
