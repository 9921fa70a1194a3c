// Placeholders for steps of the module core and host services not built yet.
#include "core/placeholders.h"

#include "platform/system.h"

namespace halcyon {

void CreateKeyboardCombos() { platform::NoteNotBuilt("CreateKeyboardCombos"); }
void InitGroundTrack() { platform::NoteNotBuilt("InitGroundTrack"); }
void LoadFastClick() { platform::NoteNotBuilt("LoadFastClick"); }
void DispatchSimConnect() { platform::NoteNotBuilt("DispatchSimConnect"); }
void PollKeyboardShortcuts() { platform::NoteNotBuilt("PollKeyboardShortcuts"); }
void UpdateGroundTrack() { platform::NoteNotBuilt("UpdateGroundTrack"); }
void CloseSimConnect() { platform::NoteNotBuilt("CloseSimConnect"); }
void FreeKeyboardInput() { platform::NoteNotBuilt("FreeKeyboardInput"); }
void SaveFastClick() { platform::NoteNotBuilt("SaveFastClick"); }
void OpenSimConnect() { platform::NoteNotBuilt("OpenSimConnect"); }
void DumpUnfreed(const wchar_t*) { platform::NoteNotBuilt("DumpUnfreed"); }

}  // namespace halcyon
