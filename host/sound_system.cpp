// The sound system and the continuous sounds. Reads [OPTIONS] "volume FO" and
// "volume panel", options 1 and 16, tokens 60, 61, 322, 332 and 614, the
// ground spoilers and the EFIS decision height; drives the sound layer.
#include "host/sound_system.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "core/helpers.h"
#include "core/ini_values.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "displays/efis/efis_dimmer.h"
#include "platform/paths.h"
#include "platform/system.h"
#include "systems/ground_spoilers.h"

namespace halcyon {

CSoundSystem* g_soundSystem = nullptr;

namespace {

namespace snd = platform::sound;

constexpr const wchar_t* kSection = L"OPTIONS";
constexpr const wchar_t* kVolumeKeys[2] = {L"volume FO", L"volume panel"};
constexpr const wchar_t* kSoundFolder = L"Sound\\HalcyonPro\\VXMD80";
constexpr const wchar_t* kCaption = L"SoundSystem";
constexpr uint32_t kStopIconBox = 16;
constexpr uint32_t kPriorityLevel = 2;
constexpr uint32_t kSlotControls = snd::kCapsFrequency | snd::kCapsPan | snd::kCapsVolume;

bool IsSlot(SoundId id) { return id >= 0 && id < static_cast<SoundId>(kSoundSlotCount); }

// ---- Continuous sounds ---------------------------------------------------------
constexpr int32_t kSilentVolume = -9600;
constexpr int32_t kSpoilerWindFadedVolume = -6000;
constexpr int32_t kSpoilerWindStep = 100;
constexpr double kGearDown = 16383.0;

struct ContinuousSounds {
  int32_t gearWindVolume = kSilentVolume;
  bool gearWindPlaying = false;
  int32_t spoilerWindVolume = kSilentVolume;
  int32_t spoilerWindTarget = kSpoilerWindFadedVolume;
  bool spoilerWindPlaying = false;
  bool brakeRubDone = false;
  bool minimumsPlaying = false;
};
ContinuousSounds g_continuous;

// The wind's loudness for an airspeed: steep up to 40 kt, then flatter.
// (Simulator values are truncated with saturation: an absurd airspeed is
// loud or silent, never undefined.)
int32_t WindSpeedTerm(double airspeedKt) {
  if (airspeedKt < 40.0) return TruncateSaturated<int32_t>(airspeedKt * 150.0 - 9600.0);
  if (airspeedKt < 100.0) return TruncateSaturated<int32_t>((airspeedKt - 40.0) * 25.0 - 3000.0);
  return TruncateSaturated<int32_t>((airspeedKt - 100.0) * 15.0 - 1500.0);
}

int32_t ClampWind(int64_t volume) { return static_cast<int32_t>(std::clamp<int64_t>(volume, kSilentVolume, 0)); }

void UpdateGearWind(bool soundOff, double airspeedKt) {
  const double gear = ReadToken(Token::GearPosition);
  if (soundOff || (g_continuous.gearWindPlaying && gear == 0.0)) {
    StopSound(kSoundGearWind);
    g_continuous.gearWindPlaying = false;
  } else if (!g_continuous.gearWindPlaying && gear != 0.0 && airspeedKt > 5.0) {
    PlaySound(kSoundGearWind, 1);
    g_continuous.gearWindPlaying = true;
  }
  if (!g_continuous.gearWindPlaying) return;
  // The gear doors open into the airflow: less wind the further the gear is up.
  const auto gearTerm = TruncateSaturated<int32_t>((kGearDown - gear) / 7.0);
  g_continuous.gearWindVolume = ClampWind(int64_t{WindSpeedTerm(airspeedKt)} - gearTerm);
  SetSoundVolume(kSoundGearWind, g_continuous.gearWindVolume);
}

void StopSpoilerWind() {
  StopSound(kSoundSpoilerWind);
  g_continuous.spoilerWindPlaying = false;
}

// The spoiler wind swells and fades 1 dB per tick toward its target. Once it
// has faded with the spoilers stowed it stops, and option 1 stops it too.
void UpdateSpoilerWind(bool soundOff, double airspeedKt) {
  const bool deployed = IsGroundSpoilerDeployed();
  if (soundOff) {
    StopSpoilerWind();
    return;
  }
  if (!g_continuous.spoilerWindPlaying) {
    if (!deployed) return;
    PlaySound(kSoundSpoilerWind, 1);
    g_continuous.spoilerWindPlaying = true;
  }
  g_continuous.spoilerWindTarget = deployed ? WindSpeedTerm(airspeedKt) : kSpoilerWindFadedVolume;
  // A whole step each update: a target between two steps is straddled, the
  // volume going 1 dB either side of it from one update to the next.
  if (g_continuous.spoilerWindVolume < g_continuous.spoilerWindTarget) {
    g_continuous.spoilerWindVolume += kSpoilerWindStep;
  } else if (g_continuous.spoilerWindVolume > g_continuous.spoilerWindTarget) {
    g_continuous.spoilerWindVolume -= kSpoilerWindStep;
  }
  g_continuous.spoilerWindVolume = ClampWind(g_continuous.spoilerWindVolume);
  SetSoundVolume(kSoundSpoilerWind, g_continuous.spoilerWindVolume);
  if (!deployed && g_continuous.spoilerWindVolume <= kSpoilerWindFadedVolume) StopSpoilerWind();
}

// One rub per brake application on the ground roll, checked once a second.
void UpdateBrakeRub(double airspeedKt, bool onGround) {
  if (IsTickDue(kChannel1HzC) != 1) return;
  const double brakes = ReadToken(Token::BrakeValue);
  if (!g_continuous.brakeRubDone && brakes != 0.0 && airspeedKt > 20.0 && onGround) {
    PlaySound(kSoundBrakeRub, 0);
    g_continuous.brakeRubDone = true;
  }
  if (brakes == 0.0) g_continuous.brakeRubDone = false;
}

void StopMinimums() {
  StopSound(kSoundMinimums);
  g_continuous.minimumsPlaying = false;
}

// The minimums tone rises in pitch as the aircraft sinks toward the decision
// height: 4250 Hz at 49 ft above it, 13850 Hz at 1 ft.
void UpdateMinimumsTone(bool onGround) {
  const double decisionHeightFt = GetDecisionHeight();
  // Without a decision height set there is no minimums to warn of.
  if (onGround || GetDecisionHeightAlert() == 0 || decisionHeightFt < 0.0) {
    StopMinimums();
    return;
  }
  const double radioAltitudeFt = std::trunc(ReadRadioAltitudeFt());
  const double aboveFt = radioAltitudeFt - decisionHeightFt;
  const bool inBand = aboveFt > 0.0 && aboveFt < 50.0;
  const auto toneHz = TruncateSaturated<int32_t>(50.0 - aboveFt * 200.0 + 14000.0);
  if (!g_continuous.minimumsPlaying) {
    if (!inBand) return;
    PlaySound(kSoundMinimums, 1);
    SetSoundFrequency(kSoundMinimums, toneHz);
    g_continuous.minimumsPlaying = true;
  } else if (inBand) {
    SetSoundFrequency(kSoundMinimums, toneHz);
  } else if (aboveFt > 50.0 || aboveFt < 0.0) {
    StopMinimums();
  }
}

}  // namespace

// ---- CSoundSystem ----------------------------------------------------------------

CSoundSystem::CSoundSystem() {
  // The volumes are read before the device is set up, so that a device that
  // fails leaves them as they were when they are written back.
  for (int32_t channel = kChannelFo; channel <= kChannelPanel; ++channel) {
    const int32_t saved = ReadIniInt(kSection, kVolumeKeys[channel], L"0");
    volume_[channel] = std::clamp(saved, kChannelVolumeMin, kChannelVolumeMax);
  }

  const platform::WindowHandle mainWindow = platform::FindWindowByClass(L"FS98MAIN");
  device_.reset(new (std::nothrow) CSoundDevice);
  if (device_ == nullptr || snd::Failed(device_->Initialize(mainWindow, kPriorityLevel))) {
    platform::ShowMessageBox(mainWindow, L"Error initializing DirectSound.", kCaption, kStopIconBox);
    return;
  }
  if (snd::Failed(device_->SetPrimaryBufferFormat(2, 22050, 16))) {
    platform::ShowMessageBox(mainWindow, L"Error setting DirectSound buffer.", kCaption, kStopIconBox);
    return;
  }
  for (size_t slot = 0; slot < kSoundSlotCount; ++slot) {
    const std::wstring name = kSoundSlotNames[slot];
    if (name.empty()) continue;
    path_[slot] = std::wstring(kSoundFolder) + (name[0] == L'-' ? L"" : L" ") + name + L".wav";
  }
}

CSoundSystem::~CSoundSystem() {
  for (size_t slot = 0; slot < kSoundSlotCount; ++slot) {
    path_[slot].clear();
    sound_[slot].reset();
  }
  device_.reset();
  for (int32_t channel = kChannelFo; channel <= kChannelPanel; ++channel) {
    WriteIniInt(kSection, kVolumeKeys[channel], volume_[channel]);
  }
}

SoundResult CSoundSystem::Play(SoundId id, uint32_t loop, int32_t volume) {
  if (!IsSlot(id)) return snd::kInvalidArg;
  sound_[id].reset();
  if (device_ == nullptr) device_.reset(new (std::nothrow) CSoundDevice);
  if (device_ == nullptr) return snd::kOutOfMemory;
  if (path_[id].empty()) return snd::kFail;
  const SoundResult created = device_->Create(&sound_[id], path_[id].c_str(), kSlotControls);
  // A slot whose file cannot be read plays nothing; the host still hears of it.
  if (created == snd::kFail) snd::NoteUnreadableSound(platform::Narrow(path_[id]), loop != 0, volume);
  if (snd::Failed(created)) return created;
  return sound_[id]->Play(0, loop != 0 ? snd::kPlayLooping : 0, volume, -1, 0);
}

void CSoundSystem::Stop(SoundId id) {
  if (!IsSlot(id) || sound_[id] == nullptr) return;
  sound_[id]->Stop();
  sound_[id]->Reset();
  sound_[id].reset();
}

void CSoundSystem::SetVolume(SoundId id, int32_t volume) {
  if (!IsSlot(id) || sound_[id] == nullptr) return;
  snd::SetVolume(sound_[id]->GetBuffer(0), volume);
}

void CSoundSystem::SetFrequency(SoundId id, int32_t hz) {
  if (!IsSlot(id) || sound_[id] == nullptr || hz < 0) return;
  snd::SetFrequency(sound_[id]->GetBuffer(0), static_cast<uint32_t>(hz));
}

void CSoundSystem::SetPan(SoundId id, int32_t pan) {
  if (!IsSlot(id) || sound_[id] == nullptr) return;
  snd::SetPan(sound_[id]->GetBuffer(0), pan);
}

void CSoundSystem::ReapFinished() {
  for (auto& sound : sound_) {
    if (sound != nullptr && !sound->IsPlaying()) sound.reset();
  }
}

void CSoundSystem::VolumeUp(int32_t channel) {
  if (channel != kChannelFo && channel != kChannelPanel) return;
  volume_[channel] = std::min(volume_[channel] + kChannelVolumeStep, kChannelVolumeMax);
}

void CSoundSystem::VolumeDown(int32_t channel) {
  if (channel != kChannelFo && channel != kChannelPanel) return;
  volume_[channel] = std::max(volume_[channel] - kChannelVolumeStep, kChannelVolumeMin);
}

// Slot 197 has no file, so its channel does not matter; it goes with the panel.
int32_t CSoundSystem::GetChannel(SoundId id) const { return id < kSoundNoFile ? kChannelFo : kChannelPanel; }

int32_t CSoundSystem::GetChannelVolume(int32_t channel) const {
  return channel == kChannelFo || channel == kChannelPanel ? volume_[channel] : 0;
}

void CSoundSystem::SetChannelVolume(int32_t channel, int32_t volume) {
  if (channel != kChannelFo && channel != kChannelPanel) return;
  if (volume < kChannelVolumeMin || volume > kChannelVolumeMax) return;
  volume_[channel] = volume;
}

const std::wstring& CSoundSystem::GetPath(SoundId id) const {
  static const std::wstring kNone;
  return IsSlot(id) ? path_[id] : kNone;
}

// ---- Free functions ----------------------------------------------------------------

void CreateSoundSystem() {
  delete g_soundSystem;
  g_soundSystem = new (std::nothrow) CSoundSystem;
  g_continuous = ContinuousSounds{};
}

void DestroySoundSystem() {
  delete g_soundSystem;
  g_soundSystem = nullptr;
}

SoundResult PlaySound(SoundId id, uint32_t loop) {
  if (g_soundSystem == nullptr || !IsSlot(id)) return snd::kInvalidArg;
  if (id >= kSoundFirstClick && id <= kSoundLastClick && GetOption(kOptionNoSwitchClickSounds) != 0) return snd::kOk;
  return g_soundSystem->Play(id, loop, g_soundSystem->GetChannelVolume(g_soundSystem->GetChannel(id)));
}

void StopSound(SoundId id) {
  if (g_soundSystem != nullptr) g_soundSystem->Stop(id);
}

void SetSoundVolume(SoundId id, int32_t volume) {
  if (g_soundSystem != nullptr && volume >= snd::kVolumeMin && volume <= snd::kVolumeMax) {
    g_soundSystem->SetVolume(id, volume);
  }
}

void SetSoundFrequency(SoundId id, int32_t hz) {
  if (g_soundSystem != nullptr && hz >= 100 && hz <= 100000) g_soundSystem->SetFrequency(id, hz);
}

void SetSoundPan(SoundId id, int32_t pan) {
  if (g_soundSystem != nullptr && pan >= -100000 && pan <= 100000) g_soundSystem->SetPan(id, pan);
}

void UpdateContinuousSounds() {
  if (g_soundSystem == nullptr) g_soundSystem = new (std::nothrow) CSoundSystem;
  if (g_soundSystem == nullptr) return;
  const bool soundOff = GetOption(kOptionSoundOff) != 0;
  const double airspeedKt = ReadToken(Token::IndicatedAirspeedKt);
  const bool onGround = ReadToken(Token::OnGround) != 0.0;
  UpdateGearWind(soundOff, airspeedKt);
  UpdateSpoilerWind(soundOff, airspeedKt);
  UpdateBrakeRub(airspeedKt, onGround);
  UpdateMinimumsTone(onGround);
}

}  // namespace halcyon
