// Placeholders for steps of the flight management computer not built yet.
#include "fmc/placeholders.h"

#include "platform/system.h"

namespace halcyon {

void InitFms() { platform::NoteNotBuilt("InitFms"); }
void UpdateFms() { platform::NoteNotBuilt("UpdateFms"); }
void SaveFms() { platform::NoteNotBuilt("SaveFms"); }

}  // namespace halcyon
