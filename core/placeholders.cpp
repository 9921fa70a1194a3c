// Placeholders for steps of the module core and host services not built yet.
#include "core/placeholders.h"

#include "platform/system.h"

namespace halcyon {

void CreateSoundSystem() { platform::NoteNotBuilt("CreateSoundSystem"); }
void ClearVoiceQueue() { platform::NoteNotBuilt("ClearVoiceQueue"); }
void ResetCallouts() { platform::NoteNotBuilt("ResetCallouts"); }
void UpdateContinuousSounds() { platform::NoteNotBuilt("UpdateContinuousSounds"); }
void PlayQueuedMessage() { platform::NoteNotBuilt("PlayQueuedMessage"); }
void EvaluateCallouts() { platform::NoteNotBuilt("EvaluateCallouts"); }
void DestroySoundSystem() { platform::NoteNotBuilt("DestroySoundSystem"); }

}  // namespace halcyon
