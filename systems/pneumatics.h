// Pneumatics: the two pneumatic cross-feed levers that let APU, ground or the
// other engine's air reach an engine. Only the records other systems read are
// here so far; the pneumatics step (duct pressure, the levers' load, animation
// and save) fills in the rest.
#pragma once

#include "core/switch.h"

namespace halcyon {

// [PNEUMATIC X-FEED] "left" and "right", default 10; frames 1..10, where 1
// passes air.
constexpr int32_t kXFeedLeverPassesAir = 1;
constexpr int32_t kXFeedLeverDefault = 10;
extern CSwitch g_pneumaticXFeedLeft;
extern CSwitch g_pneumaticXFeedRight;

}  // namespace halcyon
