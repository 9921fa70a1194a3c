// Placeholders for steps of the EFIS and traffic displays not built yet.
#include "displays/placeholders.h"

#include "platform/system.h"

namespace halcyon {

void UpdateTcas() { platform::NoteNotBuilt("UpdateTcas"); }

}  // namespace halcyon
