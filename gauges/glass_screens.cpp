// The drawn screens of the glass gauges, at their design sizes.
#include "gauges/glass_screens.h"

namespace halcyon {

constinit GlassScreen g_efisPfdScreen{0, 0, 300, 250};
constinit GlassScreen g_efisNdScreen{0, 0, 300, 250};
constinit GlassScreen g_tcasDisplayScreen{0, 0, 250, 250};
constinit GlassScreen g_radarDisplayScreen{0, 0, 300, 250};

}  // namespace halcyon
