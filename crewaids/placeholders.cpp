// Placeholders for steps of the crew aids not built yet.
#include "crewaids/placeholders.h"

#include "platform/system.h"

namespace halcyon {

void ResetEditorMode() { platform::NoteNotBuilt("ResetEditorMode"); }
void ShutdownEditorMode() { platform::NoteNotBuilt("ShutdownEditorMode"); }

}  // namespace halcyon
