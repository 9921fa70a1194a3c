// The module's gauges in the order the aircraft's panel configuration knows
// them, "Airspeed" first and "MagTrue" last; the table ends with a null pointer.
#pragma once

#include <array>
#include <cstddef>

#include "platform/gauge.h"

namespace halcyon {

inline constexpr size_t kGaugeCount = 166;

extern std::array<platform::GAUGEHDR*, kGaugeCount + 1> g_gaugeTable;

}  // namespace halcyon
