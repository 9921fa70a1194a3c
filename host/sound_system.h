// The cockpit's one sound player: 250 slots, each bound at start-up to a WAV
// file below the simulator folder, played once or looped through the sound
// layer at the volume of one of two user channels kept in [OPTIONS]. The
// continuous sounds (gear wind, spoiler wind, brake rub, minimums tone) follow
// the flight state: gear position, airspeed, brakes, radio altitude.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "host/sound.h"
#include "host/sound_slots.h"

namespace halcyon {

using SoundId = int32_t;  // slot 0..249

constexpr SoundId kSoundNoFile = 197;
constexpr SoundId kSoundGearWind = 198;
constexpr SoundId kSoundSpoilerWind = 199;
constexpr SoundId kSoundBrakeRub = 200;
constexpr SoundId kSoundMinimums = 203;
constexpr SoundId kSoundFirstClick = 241;  // 241..249: switch clicks
constexpr SoundId kSoundLastClick = 249;

// Volume channels, in hundredths of a decibel (0 = full level).
enum SoundChannel : int32_t { kChannelFo = 0, kChannelPanel = 1 };
constexpr int32_t kChannelVolumeMin = -2000;
constexpr int32_t kChannelVolumeMax = 0;
constexpr int32_t kChannelVolumeStep = 100;

class CSoundSystem {
 public:
  // Reads the two channel volumes, sets the device up (a failure shows its
  // message box and leaves every slot without a file) and binds the slots.
  CSoundSystem();
  // Stops and frees every sound, then saves the two channel volumes.
  ~CSoundSystem();
  CSoundSystem(const CSoundSystem&) = delete;
  CSoundSystem& operator=(const CSoundSystem&) = delete;

  // Plays the slot from its start (a slot plays one instance: playing it
  // again restarts it), looped when `loop` is non-zero.
  SoundResult Play(SoundId id, uint32_t loop, int32_t volume);
  void Stop(SoundId id);
  void SetVolume(SoundId id, int32_t volume);
  void SetFrequency(SoundId id, int32_t hz);
  void SetPan(SoundId id, int32_t pan);
  // Frees the sound objects of slots that have finished playing.
  void ReapFinished();

  void VolumeUp(int32_t channel);
  void VolumeDown(int32_t channel);
  int32_t GetChannel(SoundId id) const;
  int32_t GetChannelVolume(int32_t channel) const;
  void SetChannelVolume(int32_t channel, int32_t volume);

  const std::wstring& GetPath(SoundId id) const;

 private:
  std::wstring path_[kSoundSlotCount];
  std::unique_ptr<CSound> sound_[kSoundSlotCount];
  int32_t volume_[2] = {0, 0};
  std::unique_ptr<CSoundDevice> device_;
};

// The one sound system; null before start-up and after shut-down.
extern CSoundSystem* g_soundSystem;

// Free functions over g_soundSystem; each does nothing without one, and
// ignores slot ids outside 0..249.
void CreateSoundSystem();
void DestroySoundSystem();
// At the volume of the slot's channel; the switch clicks are dropped while
// option "no_switch_click_sounds" is set.
SoundResult PlaySound(SoundId id, uint32_t loop);
void StopSound(SoundId id);
void SetSoundVolume(SoundId id, int32_t volume);     // -10000..0, else ignored
void SetSoundFrequency(SoundId id, int32_t hz);      // 100..100000, else ignored
void SetSoundPan(SoundId id, int32_t pan);           // -100000..100000, else ignored
// Once per tick: re-creates a missing sound system, then drives the gear
// wind, spoiler wind, brake rub and minimums tone.
void UpdateContinuousSounds();

}  // namespace halcyon
