// Placeholders for steps of the module core and host services not built yet.
#include "core/placeholders.h"

#include "platform/system.h"

namespace halcyon {

void CreateSoundSystem() { platform::NoteNotBuilt("CreateSoundSystem"); }
void CreateKeyboardCombos() { platform::NoteNotBuilt("CreateKeyboardCombos"); }
void ClearVoiceQueue() { platform::NoteNotBuilt("ClearVoiceQueue"); }
void ResetCallouts() { platform::NoteNotBuilt("ResetCallouts"); }
void DispatchSimConnect() { platform::NoteNotBuilt("DispatchSimConnect"); }
void UpdateContinuousSounds() { platform::NoteNotBuilt("UpdateContinuousSounds"); }
void PlayQueuedMessage() { platform::NoteNotBuilt("PlayQueuedMessage"); }
void EvaluateCallouts() { platform::NoteNotBuilt("EvaluateCallouts"); }
void CloseSimConnect() { platform::NoteNotBuilt("CloseSimConnect"); }
void FreeKeyboardInput() { platform::NoteNotBuilt("FreeKeyboardInput"); }
void DestroySoundSystem() { platform::NoteNotBuilt("DestroySoundSystem"); }
void OpenSimConnect() { platform::NoteNotBuilt("OpenSimConnect"); }

}  // namespace halcyon
