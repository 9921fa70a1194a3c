// Placeholders for steps of the crew aids not built yet.
#include "crewaids/placeholders.h"

#include "platform/system.h"

namespace halcyon {


}  // namespace halcyon
