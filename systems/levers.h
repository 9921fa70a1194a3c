// The animated pedestal levers. Only the records other systems read are here
// so far; the lever template and the levers' load, steps and save fill in the
// rest.
#pragma once

#include "core/switch.h"

namespace halcyon {

// [FUEL XFEED] "lever", default 1; frames 1..18, open at 18.
constexpr int32_t kFuelXFeedLeverOpen = 18;
constexpr int32_t kFuelXFeedLeverDefault = 1;
extern CSwitch g_fuelXFeedLever;

}  // namespace halcyon
