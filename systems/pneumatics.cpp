// Pneumatics records.
#include "systems/pneumatics.h"

namespace halcyon {

CSwitch g_pneumaticXFeedLeft{};
CSwitch g_pneumaticXFeedRight{};

}  // namespace halcyon
