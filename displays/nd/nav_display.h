// The navigation display: compass rose (mode 0), expanded arc (mode 1), map
// (mode 2) and plan (mode 3) in a 300 x 250 design space, with the heading
// and track pointers, the readouts that show for three seconds after a
// change, the fail flags and data blocks, the raw radio course and deviation
// picture of the rose and arc, and the weather picture of the arc and map.
// The map and plan content is a layer of its own (nd_map.h).
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

// The whole picture at `brightness`; the weather colours blend toward their
// hue by `wxDimmer`, the weather cells scale by `radarGain`.
void DrawNavDisplay(platform::ELEMENT_HEADER* element, double brightness, double wxDimmer, double radarGain);

}  // namespace halcyon
