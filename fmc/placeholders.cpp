// Placeholders for steps of the flight management computer not built yet.
#include "fmc/placeholders.h"

#include "platform/system.h"

namespace halcyon {

void UpdateFms() { platform::NoteNotBuilt("UpdateFms"); }

}  // namespace halcyon
