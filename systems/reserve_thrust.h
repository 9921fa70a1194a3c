// Automatic reserve thrust ([ART]): armed on the ground for a flaps-out
// take-off with both engines running, it watches both engines through the
// take-off run and trips when one falls more than 30 % behind the other.
// Reads the on-ground, flap-handle and engine tokens and the thrust-rating
// mode; the thrust rating panel and the ART annunciator read its state.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// "art_switch", default 44; 120 is off.
extern CSwitch g_artSwitch;

enum ArtState : uint32_t {
  kArtOff = 0,
  kArtArmed = 1,        // the READY lamp
  kArtMonitoring = 2,   // both engines at take-off thrust
  kArtTripped = 3,      // reserve thrust: the ART lamp
};

void LoadArt();
void SaveArt();
void UpdateArt();

// Values outside 0..3 are ignored.
void SetArtState(int32_t state);
uint32_t GetArtState();
uint32_t IsArtSwitchOff();

}  // namespace halcyon
