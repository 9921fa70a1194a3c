// Placeholders for steps of the aircraft systems and flight guidance not built yet.
#include "systems/placeholders.h"

#include "core/helpers.h"
#include "core/panel_services.h"
#include "platform/system.h"

namespace halcyon {

}  // namespace halcyon
