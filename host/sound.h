// The cockpit's layer over the sound card: CSoundDevice owns the device and
// makes sounds from WAV sources (CWaveFile); CSound is one sound held in one
// or more buffers; CStreamingSound is one buffer refilled piece by piece
// while it plays. Results are 32-bit codes: 0 success, negative failure.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "host/wave_file.h"
#include "platform/sound_device.h"
#include "platform/system.h"

using SoundResult = platform::sound::Result;
using SoundBuffer = platform::sound::BufferId;  // 0 = none
using SoundGuid = platform::sound::Guid;
using Sound3DParams = platform::sound::Buffer3DParams;

class CSound;
class CStreamingSound;

class CSoundDevice {
 public:
  CSoundDevice() = default;
  ~CSoundDevice();
  CSoundDevice(const CSoundDevice&) = delete;
  CSoundDevice& operator=(const CSoundDevice&) = delete;

  // Releases any previous device, opens the default one and sets its
  // cooperative level on `window` (2 = priority).
  SoundResult Initialize(platform::WindowHandle window, uint32_t cooperativeLevel);
  SoundResult SetPrimaryBufferFormat(uint16_t channels, uint32_t samplesPerSec, uint16_t bits);
  // A primary buffer with 3-D control that carries the listener; the caller
  // sets it with platform::sound::SetListenerParameters and releases it.
  SoundResult Get3DListenerInterface(SoundBuffer* listener);

  SoundResult Create(std::unique_ptr<CSound>* sound, const wchar_t* path, uint32_t creationFlags = 0,
                     const SoundGuid& algorithm3D = {}, uint32_t bufferCount = 1);
  SoundResult CreateFromMemory(std::unique_ptr<CSound>* sound, const uint8_t* data, uint32_t size,
                               const WaveFormat* format, uint32_t creationFlags = 0, const SoundGuid& algorithm3D = {},
                               uint32_t bufferCount = 1);
  SoundResult CreateStreaming(std::unique_ptr<CStreamingSound>* sound, const wchar_t* path, uint32_t creationFlags,
                              const SoundGuid& algorithm3D, uint32_t notifyCount, uint32_t notifySize,
                              void* notifyEvent);

  platform::sound::DeviceId Device() const { return device_; }

 private:
  SoundResult CreateFromSource(std::unique_ptr<CSound>* sound, std::unique_ptr<CWaveFile> source,
                               uint32_t bufferBytes, uint32_t creationFlags, const SoundGuid& algorithm3D,
                               uint32_t bufferCount, const std::string& label);

  platform::sound::DeviceId device_ = 0;
};

class CSound {
 public:
  // Takes the buffers and the source; fills the first buffer from the source
  // (no repetition).
  CSound(const SoundBuffer* buffers, uint32_t bufferBytes, uint32_t bufferCount, std::unique_ptr<CWaveFile> source,
         uint32_t creationFlags);
  virtual ~CSound();
  CSound(const CSound&) = delete;
  CSound& operator=(const CSound&) = delete;

  SoundResult FillBuffer(SoundBuffer buffer, bool repeatIfShorter);
  // 1 when the buffer was not lost; 0 once a lost buffer is back (restored
  // set); the lost code when the card keeps refusing after a bounded wait.
  SoundResult RestoreBuffer(SoundBuffer buffer, bool* restored);
  SoundBuffer GetFreeBuffer();
  SoundBuffer GetBuffer(uint32_t index) const;
  SoundResult Get3DBuffer(uint32_t index, SoundBuffer* buffer3D) const;

  // `frequencyHz` -1 leaves the buffer's frequency as it is.
  SoundResult Play(uint32_t priority = 0, uint32_t flags = 0, int32_t volume = 0, int32_t frequencyHz = -1,
                   int32_t pan = 0);
  SoundResult Play3D(const Sound3DParams* params, uint32_t priority = 0, uint32_t flags = 0,
                     int32_t frequencyOffsetHz = 0);
  SoundResult Stop();
  SoundResult Reset();
  bool IsPlaying();

  uint32_t BufferCount() const { return static_cast<uint32_t>(buffers_.size()); }
  uint32_t BufferBytes() const { return bufferBytes_; }
  uint32_t CreationFlags() const { return creationFlags_; }

 protected:
  // Makes a free buffer ready: restored, and refilled when it had been lost.
  SoundResult PrepareBuffer(SoundBuffer buffer);
  uint8_t SilenceByte() const;
  // Fills bytes[*filled..size) from the source's start again, over and over
  // while it is shorter; *filled grows by what was read.
  SoundResult ReadAgainFromStart(uint8_t* bytes, uint32_t size, uint32_t* filled);

  std::vector<SoundBuffer> buffers_;
  uint32_t bufferBytes_ = 0;
  std::unique_ptr<CWaveFile> source_;
  uint32_t creationFlags_ = 0;
};

class CStreamingSound : public CSound {
 public:
  CStreamingSound(SoundBuffer buffer, uint32_t bufferBytes, std::unique_ptr<CWaveFile> source,
                  uint32_t notifyBytes);
  ~CStreamingSound() override = default;

  // One notification has come: the next block behind the play cursor is
  // refilled (from the start again when `looped`, else with silence once the
  // source is done, and the buffer stops once all of it has played).
  SoundResult OnStreamNotification(bool looped);
  SoundResult Reset();

 private:
  uint32_t lastPlayPosition_ = 0;
  uint32_t playProgress_ = 0;
  uint32_t notifyBytes_ = 0;
  uint32_t nextWriteOffset_ = 0;
  bool fillWithSilence_ = false;
};
