// Placeholders for steps of the crew aids not built yet.
#include "crewaids/placeholders.h"

#include "platform/system.h"

namespace halcyon {

void LoadFuel() { platform::NoteNotBuilt("LoadFuel"); }
void ResetCenterPage() { platform::NoteNotBuilt("ResetCenterPage"); }
void ResetEditorMode() { platform::NoteNotBuilt("ResetEditorMode"); }
void SaveFuel() { platform::NoteNotBuilt("SaveFuel"); }
void ShutdownEditorMode() { platform::NoteNotBuilt("ShutdownEditorMode"); }

int32_t g_dispatchCargo[3] = {};
int32_t g_dispatchFuel[3] = {};
double GetZonePayload(int32_t) {
  platform::NoteNotBuilt("GetZonePayload");
  return 0.0;
}

}  // namespace halcyon
