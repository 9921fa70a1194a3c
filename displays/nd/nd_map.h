// The map (mode 2) and plan (mode 3) content of the navigation display: the
// distance and ETA block, the FMS routes with their turns, arcs, holds and
// procedure turns, the waypoints, navaids, airports and fixes around the map
// centre, the FIX INFO fixes, origin and destination, the altitude-preselect
// arc, the T/C, T/D and E/D markers and the NO PLAN MODE flag. Reads the FMS
// (routes, position, predictions), the navigation database's box searches
// into the ND's scratch lists, the EFIS panel and the IRS validity.
#pragma once

#include <cstdint>

#include "platform/gfx.h"

namespace halcyon {

// One ND drawing call, as the map needs it.
struct NdMapFrame {
  platform::gfx::Canvas* canvas = nullptr;
  double sx = 1.0;          // surface pixels per design unit
  double sy = 1.0;
  double brightness = 1.0;
  uint32_t mode = 0;        // kEfisModeMap or kEfisModePlan; nothing for the others
  double trackDeg = 0.0;    // the true ground track
};

// Draws the map layers in their order; the map fail flag of mode 2 is the frame's.
void DrawNdMap(const NdMapFrame& frame);

// Design units per NM at a range index (0..5) in a mode; 1.0 for another index.
double NdUnitsPerNm(uint32_t mode, uint32_t rangeIndex);

}  // namespace halcyon
