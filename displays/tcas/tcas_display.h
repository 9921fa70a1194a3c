// The TCAS display: a vertical speed indicator whose dial holds the traffic
// picture (range dots, own aircraft, intruders by threat class with data tags
// and trend arrows, or the test pattern) and, outside its scale ring, the red
// and green bands of a resolution advisory; range, ABOVE/BELOW and mode texts
// in the corners. 250 x 250 design units. Reads the TCAS object, the
// transponder panel's knobs and timers, the power state, option "hotspots",
// the vertical speed, altitude, true heading and radio altitude.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

// The pointer's angle for a vertical speed in ft/min: degrees clockwise from
// 9 o'clock, climb up the left of the dial, +-172 beyond 6000 ft/min.
double TcasVsiAngleDeg(double verticalSpeedFpm);

// Paints the whole picture at the TCAS object's displayed brightness.
void DrawTcasDisplay(platform::ELEMENT_HEADER* element);

}  // namespace halcyon
