// Steps of the module core and host services that the lifecycle calls and that are not built
// yet. Each records its name once and does nothing else; the change that
// builds a step moves its declaration to the system's own header and deletes
// it here.
#pragma once

#include <cstdint>

namespace halcyon {

void CreateSoundSystem();
void CreateKeyboardCombos();
void ClearVoiceQueue();
void ResetCallouts();
void InitGroundTrack();
void LoadFastClick();
void DispatchSimConnect();
void PollKeyboardShortcuts();
void UpdateContinuousSounds();
void PlayQueuedMessage();
void EvaluateCallouts();
void UpdateGroundTrack();
void CloseSimConnect();
void FreeKeyboardInput();
void DestroySoundSystem();
void SaveFastClick();
void OpenSimConnect();
void DumpUnfreed(const wchar_t* reportPath);

// The fast-click test of the knobs, until the click helpers are built: no
// click counts as fast, and the multiplier is its INI default, 5.
uint32_t IsFastClick();
int32_t GetFastClickMultiplier();

}  // namespace halcyon
