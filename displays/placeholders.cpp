// Placeholders for steps of the EFIS and traffic displays not built yet.
#include "displays/placeholders.h"

#include "platform/system.h"

namespace halcyon {}  // namespace halcyon
