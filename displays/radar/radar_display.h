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

// The "Radar Display" gauge: once a second on its pre-draw, while the
// radar's brightness is above zero, the screen is drawn again.
void RadarDisplayGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);

}  // namespace halcyon
