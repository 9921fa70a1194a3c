// The module's gauges in the order the aircraft's panel configuration knows
// them, "Airspeed" first and "MagTrue" last; the table ends with a null pointer.
#pragma once

#include <array>
#include <cstddef>

#include "platform/gauge.h"

namespace halcyon {

inline constexpr size_t kGaugeCount = 166;

extern std::array<platform::GAUGEHDR*, kGaugeCount + 1> g_gaugeTable;

// After each tick's work: what the gauges show that changes on due ticks or
// once a tick (the radar's picture, the lit screens beside it and the CDU's,
// the fire handles' and ALIGN lamps' blinks, the view menu, the trim
// handle), worked out whether or not a window showing them is drawn. The
// simulator draws only the windows on screen: a window opened later, or
// pictured while closed, then shows what it would had it been open all along.
void UpdateGaugePictures();

}  // namespace halcyon
