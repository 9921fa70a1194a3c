// The primary flight display and the composite display that replaces either
// EFIS screen while the other is dark: attitude, flight director, fast/slow,
// deviation, radio altitude and decision height, and on the composite a
// half heading rose with course, deviation and DME. Both draw their whole
// picture on every call in a 300 x 250 design space.
#pragma once

#include <cstdint>

#include "displays/pfd/attitude.h"
#include "platform/gauge.h"

namespace halcyon {

// Draw on the element's surface at the brightness (0 gives black).
void DrawPrimaryFlightDisplay(platform::ELEMENT_HEADER* element, double brightness);
void DrawCompositeDisplay(platform::ELEMENT_HEADER* element, double brightness);

// The pictures from given inputs, for the drawing calls above, the tests and the bench.
void DrawPfdPicture(platform::gfx::Canvas& canvas, const pfd::Inputs& in, double brightness);
void DrawCompositePicture(platform::gfx::Canvas& canvas, const pfd::Inputs& in, double brightness);

}  // namespace halcyon
