// How the simulator finds the control under the mouse: the gauge's rectangle
// list is walked in order, each child placed relative to the parent that
// encloses it, and the first child that holds the point and listens to the
// event takes it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/gauge.h"

namespace simhost {

// The first child rectangle of `rects` that contains (x, y) in the gauge's
// design pixels and whose mouse flags share a bit with `event`; null when none.
// `corner`, when given, receives the rectangle's top left corner in the
// gauge's pixels: the simulator passes the point relative to it.
const platform::MOUSERECT* FindMouseRect(const platform::MOUSERECT* rects, int32_t x, int32_t y, uint32_t event,
                                         platform::PixelPoint* corner = nullptr);

// The first child rectangle whose mouse function has this name; null when none.
const platform::MOUSERECT* FindNamedMouseRect(const platform::MOUSERECT* rects, const std::string& functionName);

// The text of the table's tooltip entry with its numbered arguments filled
// in ("%1!3d!": argument 1 as "%3d", a whole-number format taking the value
// truncated), "%%" a percent sign; empty when the table has no tooltip.
std::string TooltipText(const platform::MOUSERECT* rects);

}  // namespace simhost
