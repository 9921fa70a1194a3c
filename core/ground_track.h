// The aircraft's ground track for the navigation display: a ring of 18
// position samples, one per tick (one second), and the track over the last
// second. Reads TICK18, latitude (71), longitude (72), on-ground (60) and
// heading (86); drives nothing.
#pragma once

#include "nav/great_circle.h"

namespace halcyon {

constexpr int kGroundTrackSlots = 18;

// The aircraft's present position from tokens 71 and 72, west positive.
GeoPointDeg AircraftPosition();

void InitGroundTrack();
// Every tick: stores the present position and the track on this tick's slot.
void UpdateGroundTrack();
// Degrees true, as stored on the current tick: the heading on the ground, the
// great-circle track in the air.
double GetGroundTrack();

}  // namespace halcyon
