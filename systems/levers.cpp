// Animated lever records.
#include "systems/levers.h"

namespace halcyon {

CSwitch g_fuelXFeedLever{};

}  // namespace halcyon
