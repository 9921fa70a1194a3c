// Software stand-in for the sound card: a device, a primary buffer and
// secondary buffers of PCM bytes that "play" on the host's simulated clock.
// Every operation the cockpit asks for is written to a sound log, and a mixer
// turns everything that played into one WAV file of the whole run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/result.h"
#include "platform/system.h"

namespace platform::sound {

// ---- Result codes -----------------------------------------------------------
using platform::Failed;
using platform::kFail;
using platform::kInvalidArg;
using platform::kNoInterface;
using platform::kNotImplemented;
using platform::kNotInitialized;
using platform::kOk;
using platform::kOutOfMemory;
using platform::kUnexpected;
using platform::Result;
using platform::Succeeded;
constexpr Result kNoVirtualization = 0x0878000A;  // success: a 3-D buffer got plain stereo
constexpr Result kBufferLost = static_cast<Result>(0x88780096u);

// ---- Buffer capability flags -------------------------------------------------
constexpr uint32_t kCapsPrimary = 0x1;
constexpr uint32_t kCaps3D = 0x10;
constexpr uint32_t kCapsFrequency = 0x20;
constexpr uint32_t kCapsPan = 0x40;
constexpr uint32_t kCapsVolume = 0x80;
constexpr uint32_t kCapsPositionNotify = 0x100;
constexpr uint32_t kCapsEffects = 0x200;
constexpr uint32_t kCapsPrecisePosition = 0x10000;

// Status bits, play flags and lock flags.
constexpr uint32_t kStatusPlaying = 0x1;
constexpr uint32_t kStatusLost = 0x2;
constexpr uint32_t kPlayLooping = 0x1;
constexpr uint32_t kLockEntireBuffer = 0x2;

// Ranges of the buffer controls.
constexpr int32_t kVolumeMin = -10000;  // hundredths of a decibel
constexpr int32_t kVolumeMax = 0;
constexpr uint32_t kFrequencyMinHz = 100;
constexpr uint32_t kFrequencyMaxHz = 200000;
constexpr uint32_t kFrequencyOriginal = 0;
constexpr int32_t kPanLeft = -10000;
constexpr int32_t kPanRight = 10000;
constexpr uint32_t kBufferBytesMax = 0x0FFFFFFF;

constexpr uint16_t kFormatPcm = 1;

// The fixed part of a wave format (the extra bytes of a non-PCM format stay
// with the WAV reader; the device needs none of them).
struct WaveFormat {
  uint16_t formatTag = kFormatPcm;
  uint16_t channels = 0;
  uint32_t samplesPerSec = 0;
  uint32_t avgBytesPerSec = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 0;
  uint16_t extraSize = 0;
};

struct Guid {
  uint32_t data1 = 0;
  uint16_t data2 = 0;
  uint16_t data3 = 0;
  uint8_t data4[8] = {};
};

struct BufferDesc {
  uint32_t flags = 0;              // kCaps... bits
  uint32_t bytes = 0;              // 0 for the primary buffer
  const WaveFormat* format = nullptr;  // null for the primary buffer
  Guid algorithm3D;
};

struct Vector3 {
  float x = 0.0f, y = 0.0f, z = 0.0f;
};

// All 3-D parameters of a buffer at once; stored, not rendered.
struct Buffer3DParams {
  Vector3 position;
  Vector3 velocity;
  uint32_t insideConeAngle = 360;
  uint32_t outsideConeAngle = 360;
  Vector3 coneOrientation{0.0f, 0.0f, 1.0f};
  int32_t coneOutsideVolume = 0;
  float minDistance = 1.0f;
  float maxDistance = 1.0e9f;
  uint32_t mode = 0;
};

struct Listener3DParams {
  Vector3 position;
  Vector3 velocity;
  Vector3 orientFront{0.0f, 0.0f, 1.0f};
  Vector3 orientTop{0.0f, 1.0f, 0.0f};
  float distanceFactor = 1.0f;
  float rolloffFactor = 1.0f;
  float dopplerFactor = 1.0f;
};

// A notification position: the byte offset and the event (any tag the caller
// likes) it stands for.
struct NotifyPosition {
  uint32_t offset = 0;
  void* event = nullptr;
};

using DeviceId = uint32_t;  // 0 = none
using BufferId = uint32_t;  // 0 = none

// ---- Device ------------------------------------------------------------------
Result CreateDevice(DeviceId* device);
void ReleaseDevice(DeviceId device);
// The window must be non-null; level 1 normal, 2 priority, 3 exclusive, 4 write-primary.
Result SetCooperativeLevel(DeviceId device, WindowHandle window, uint32_t level);

// A buffer of desc.bytes bytes in desc.format, or the primary buffer (flag
// kCapsPrimary, 0 bytes, no format). `label` names its source in the log.
Result CreateBuffer(DeviceId device, const BufferDesc& desc, const std::string& label, BufferId* buffer);
// A second buffer sharing the first's memory, with its own position and controls.
Result DuplicateBuffer(DeviceId device, BufferId original, BufferId* duplicate);
void ReleaseBuffer(BufferId buffer);

// The primary buffer's output format.
Result SetFormat(BufferId primary, const WaveFormat& format);
Result GetPrimaryFormat(DeviceId device, WaveFormat* format);

// ---- Buffer ------------------------------------------------------------------
// Up to two blocks: the second is set when the range wraps past the end.
Result Lock(BufferId buffer, uint32_t offset, uint32_t bytes, void** block1, uint32_t* bytes1, void** block2,
            uint32_t* bytes2, uint32_t flags);
Result Unlock(BufferId buffer, void* block1, uint32_t bytes1, void* block2, uint32_t bytes2);
Result Play(BufferId buffer, uint32_t priority, uint32_t flags);
Result Stop(BufferId buffer);
Result GetStatus(BufferId buffer, uint32_t* status);
Result GetCurrentPosition(BufferId buffer, uint32_t* playPosition, uint32_t* writePosition);
Result SetCurrentPosition(BufferId buffer, uint32_t position);
Result SetVolume(BufferId buffer, int32_t volume);
Result GetVolume(BufferId buffer, int32_t* volume);
Result SetFrequency(BufferId buffer, uint32_t hz);
Result GetFrequency(BufferId buffer, uint32_t* hz);
Result SetPan(BufferId buffer, int32_t pan);
Result GetPan(BufferId buffer, int32_t* pan);
Result GetFormat(BufferId buffer, WaveFormat* format);
Result Restore(BufferId buffer);
Result SetNotificationPositions(BufferId buffer, const NotifyPosition* positions, uint32_t count);
Result Set3DParameters(BufferId buffer, const Buffer3DParams& params);
Result Get3DParameters(BufferId buffer, Buffer3DParams* params);
// The listener lives on a primary buffer made with kCaps3D.
Result SetListenerParameters(BufferId primary, const Listener3DParams& params);
Result GetListenerParameters(BufferId primary, Listener3DParams* params);

// ---- Inspection and injected faults (host and tests) -----------------------
std::vector<uint8_t> BufferBytes(BufferId buffer);
std::vector<NotifyPosition> NotificationPositions(BufferId buffer);
uint32_t LiveBufferCount();
// The sample bytes the mixer's record of the run holds.
size_t MixerBytesHeld();

void FailNextDeviceCreations(int count);
void FailNextPrimaryFormats(int count);
// Buffer creations and duplications: after `after` more succeed, `count` fail.
void FailNextBufferCreations(int count, int after = 0);
// Every live buffer is lost (as when another program takes the sound card):
// it stops, its bytes become garbage and it refuses to play until restored.
void LoseAllBuffers();
void LoseBuffer(BufferId buffer);
// The next `count` calls of Restore still report the buffer lost.
void FailNextRestores(int count);

// ---- Sound log ---------------------------------------------------------------
// Unreadable: a sound asked to play whose file could not be read (missing,
// empty or not a WAV file); nothing plays, and its source is the file.
enum class SoundOp : uint8_t {
  Create, Duplicate, Play, Stop, Volume, Frequency, Pan, Position, Lost, Restore, Release, Unreadable
};

struct SoundLogEntry {
  double tick18 = 0.0;    // the simulator's TICK18 at the time
  uint64_t ms = 0;        // the simulated clock
  SoundOp op = SoundOp::Create;
  BufferId buffer = 0;
  std::string source;     // file path or resource name given at creation
  bool loop = false;      // the buffer is playing looped (after the operation)
  int32_t volume = 0;     // the buffer's controls after the operation
  uint32_t frequencyHz = 0;
  int32_t pan = 0;
};
const std::vector<SoundLogEntry>& SoundLog();
void ClearSoundLog();
// Logs a sound the player asked for whose file it could not read
// (SoundOp::Unreadable, with the loop and volume asked for), so that the host
// can list what the cockpit meant to play.
void NoteUnreadableSound(const std::string& source, bool loop, int32_t volume);

// ---- Mixer -------------------------------------------------------------------
// Everything that played since the last reset, each sound from its start to
// its stop or end (looped ones to the clock's present), at its volume,
// frequency and pan, mixed into one 16-bit stereo WAV file that runs from
// clock 0 to the present (or to the end of the last one-shot sound).
bool WriteMixedWav(const std::string& path, uint32_t sampleRate);

// Forgets devices, buffers, the log, the mixer's record and injected faults.
void ResetSoundDevice();

}  // namespace platform::sound
