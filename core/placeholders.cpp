// Placeholders for steps of the module core and host services not built yet.
#include "core/placeholders.h"

#include "platform/system.h"

namespace halcyon {

void PollKeyboardShortcuts() { platform::NoteNotBuilt("PollKeyboardShortcuts"); }

}  // namespace halcyon
