// Placeholders for steps of the crew aids not built yet.
#include "crewaids/placeholders.h"

#include "platform/system.h"

namespace halcyon {

void LoadFuel() { platform::NoteNotBuilt("LoadFuel"); }
void ResetCenterPage() { platform::NoteNotBuilt("ResetCenterPage"); }
void ResetEditorMode() { platform::NoteNotBuilt("ResetEditorMode"); }
void SaveFuel() { platform::NoteNotBuilt("SaveFuel"); }
void ShutdownEditorMode() { platform::NoteNotBuilt("ShutdownEditorMode"); }

}  // namespace halcyon
