// The software sound card: buffers of PCM bytes whose play cursor moves with
// the simulated clock, the sound log, and the mixer that renders the run.
#include "platform/sound_device.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <memory>

#include "platform/simulator.h"

namespace platform::sound {
namespace {

constexpr Result kControlUnavailable = static_cast<Result>(0x8878001Eu);
constexpr uint32_t kStatusLooping = 0x4;
constexpr uint64_t kOpenEnd = std::numeric_limits<uint64_t>::max();
constexpr uint8_t kGarbageByte = 0xA5;  // what a lost buffer holds until refilled

using Bytes = std::shared_ptr<std::vector<uint8_t>>;

// One stretch of a buffer playing, as the mixer renders it.
struct ControlChange {
  uint64_t ms = 0;
  int32_t volume = 0;
  uint32_t frequencyHz = 0;
  int32_t pan = 0;
};
struct Voice {
  Bytes data;
  WaveFormat format;
  uint64_t startMs = 0;
  double startFrame = 0.0;
  bool loop = false;
  uint64_t endMs = kOpenEnd;
  std::vector<ControlChange> changes;  // the first is the state at the start
};

struct Buffer {
  DeviceId device = 0;
  bool primary = false;
  uint32_t caps = 0;
  Bytes data;
  WaveFormat format;
  std::string label;
  int32_t volume = 0;
  uint32_t frequencyHz = kFrequencyOriginal;
  int32_t pan = 0;
  bool playing = false;
  bool looping = false;
  bool lost = false;
  // While playing the cursor is anchorFrame at anchorMs and moves at the
  // playback rate; stopped, it rests at anchorFrame.
  uint64_t anchorMs = 0;
  double anchorFrame = 0.0;
  int voice = -1;
  std::vector<NotifyPosition> notify;
  Buffer3DParams params3D;
  Listener3DParams listener;
};

struct Device {
  uint32_t cooperativeLevel = 0;
  WaveFormat primaryFormat{kFormatPcm, 2, 22050, 88200, 4, 16, 0};
};

struct DeviceState {
  std::map<DeviceId, Device> devices;
  std::map<BufferId, Buffer> buffers;
  std::vector<Voice> voices;
  std::map<std::string, Bytes> heardBytes;  // the last bytes heard from each source
  std::vector<SoundLogEntry> log;
  DeviceId nextDevice = 1;
  BufferId nextBuffer = 1;
  int deviceFailures = 0;
  int primaryFormatFailures = 0;
  int bufferFailures = 0;
  int bufferSuccessesFirst = 0;
  int restoreFailures = 0;
};

DeviceState& State() {
  static DeviceState state;
  return state;
}

uint64_t NowMs() { return TickCountMs(); }

Buffer* Find(BufferId id) {
  auto it = State().buffers.find(id);
  return it == State().buffers.end() ? nullptr : &it->second;
}

Buffer* FindSecondary(BufferId id) {
  Buffer* buffer = Find(id);
  return buffer != nullptr && !buffer->primary ? buffer : nullptr;
}

uint32_t FrameCount(const Buffer& buffer) {
  return buffer.format.blockAlign == 0 ? 0 : static_cast<uint32_t>(buffer.data->size() / buffer.format.blockAlign);
}

double RateHz(uint32_t frequencyHz, const WaveFormat& format) {
  return frequencyHz != kFrequencyOriginal ? frequencyHz : format.samplesPerSec;
}

void Log(SoundOp op, BufferId id, const Buffer& buffer, bool loop) {
  State().log.push_back({sim::GetToken(1), NowMs(), op, id, buffer.label, loop, buffer.volume, buffer.frequencyHz,
                         buffer.pan});
}

void Log(SoundOp op, BufferId id, const Buffer& buffer) { Log(op, id, buffer, buffer.playing && buffer.looping); }

// The bytes a voice keeps for the mixer. A sound played again and again (a
// callout, a repeating alert) is made afresh from its file each time: its
// voices share one copy, so a long run holds each sound's samples once.
Bytes HeardBytes(const Buffer& buffer) {
  Bytes& known = State().heardBytes[buffer.label];
  if (known == nullptr || *known != *buffer.data) known = buffer.data;
  return known;
}

void OpenVoice(Buffer& buffer) {
  Voice voice;
  voice.data = HeardBytes(buffer);
  voice.format = buffer.format;
  voice.startMs = buffer.anchorMs;
  voice.startFrame = buffer.anchorFrame;
  voice.loop = buffer.looping;
  voice.changes.push_back({buffer.anchorMs, buffer.volume, buffer.frequencyHz, buffer.pan});
  State().voices.push_back(std::move(voice));
  buffer.voice = static_cast<int>(State().voices.size()) - 1;
}

void CloseVoice(Buffer& buffer, uint64_t endMs) {
  if (buffer.voice >= 0) State().voices[static_cast<size_t>(buffer.voice)].endMs = endMs;
  buffer.voice = -1;
}

// How long a buffer still plays from its cursor to its end at its rate.
double RemainingMs(const Buffer& buffer) {
  return (FrameCount(buffer) - buffer.anchorFrame) * 1000.0 / RateHz(buffer.frequencyHz, buffer.format);
}

// Moves a playing buffer's cursor to the present; a one-shot buffer that has
// run out stops by itself and rewinds, so a later Play sounds it whole.
void Advance(Buffer& buffer) {
  if (!buffer.playing) return;
  const uint64_t now = NowMs();
  const uint32_t frames = FrameCount(buffer);
  const double rate = RateHz(buffer.frequencyHz, buffer.format);
  const double frame = buffer.anchorFrame + static_cast<double>(now - buffer.anchorMs) * rate / 1000.0;
  if (buffer.looping) {
    buffer.anchorFrame = frames == 0 ? 0.0 : std::fmod(frame, static_cast<double>(frames));
    buffer.anchorMs = now;
    return;
  }
  if (frame < frames) {
    buffer.anchorFrame = frame;
    buffer.anchorMs = now;
    return;
  }
  CloseVoice(buffer, buffer.anchorMs + static_cast<uint64_t>(std::ceil(std::max(0.0, RemainingMs(buffer)))));
  buffer.playing = false;
  buffer.anchorFrame = 0.0;
}

// Gives the buffers that share `buffer`'s bytes a private copy when a voice
// already rendered from them, so what played keeps sounding as it did.
void DetachFromVoices(Buffer& buffer) {
  const Bytes old = buffer.data;
  const bool heard = std::any_of(State().voices.begin(), State().voices.end(),
                                 [&old](const Voice& voice) { return voice.data == old; });
  if (!heard) return;
  const auto copy = std::make_shared<std::vector<uint8_t>>(*old);
  const uint64_t now = NowMs();
  for (auto& [id, other] : State().buffers) {
    if (other.data != old) continue;
    other.data = copy;
    if (!other.playing) continue;
    Advance(other);
    if (!other.playing) continue;
    CloseVoice(other, now);
    OpenVoice(other);
  }
}

// Brings the cursor to the present and stops the buffer there.
void Halt(Buffer& buffer) {
  Advance(buffer);
  if (buffer.playing) CloseVoice(buffer, NowMs());
  buffer.playing = false;
}

void MakeLost(BufferId id, Buffer& buffer) {
  if (buffer.primary || buffer.lost) return;
  Halt(buffer);
  buffer.lost = true;
  buffer.data = std::make_shared<std::vector<uint8_t>>(buffer.data->size(), kGarbageByte);
  Log(SoundOp::Lost, id, buffer);
}

bool ValidBufferFormat(const WaveFormat& format) {
  return format.channels >= 1 && format.channels <= 8 && format.blockAlign != 0 &&
         format.samplesPerSec >= kFrequencyMinHz && format.samplesPerSec <= kFrequencyMaxHz;
}

bool ValidPrimaryFormat(const WaveFormat& format) {
  return format.formatTag == kFormatPcm && (format.channels == 1 || format.channels == 2) &&
         (format.bitsPerSample == 8 || format.bitsPerSample == 16) &&
         format.blockAlign == format.channels * format.bitsPerSample / 8 && format.samplesPerSec >= kFrequencyMinHz &&
         format.samplesPerSec <= kFrequencyMaxHz;
}

bool InjectedBufferFailure() {
  DeviceState& state = State();
  if (state.bufferFailures == 0) return false;
  if (state.bufferSuccessesFirst > 0) {
    --state.bufferSuccessesFirst;
    return false;
  }
  --state.bufferFailures;
  return true;
}

bool IsNullGuid(const Guid& guid) {
  return guid.data1 == 0 && guid.data2 == 0 && guid.data3 == 0 &&
         std::all_of(std::begin(guid.data4), std::end(guid.data4), [](uint8_t b) { return b == 0; });
}

}  // namespace

// ---- Device ------------------------------------------------------------------

Result CreateDevice(DeviceId* device) {
  if (device == nullptr) return kInvalidArg;
  *device = 0;
  DeviceState& state = State();
  if (state.deviceFailures > 0) {
    --state.deviceFailures;
    return kFail;
  }
  *device = state.nextDevice++;
  state.devices[*device] = Device{};
  return kOk;
}

void ReleaseDevice(DeviceId device) { State().devices.erase(device); }

Result SetCooperativeLevel(DeviceId device, WindowHandle window, uint32_t level) {
  auto it = State().devices.find(device);
  if (it == State().devices.end() || window == nullptr || level < 1 || level > 4) return kInvalidArg;
  it->second.cooperativeLevel = level;
  return kOk;
}

Result CreateBuffer(DeviceId device, const BufferDesc& desc, const std::string& label, BufferId* buffer) {
  if (buffer == nullptr) return kInvalidArg;
  *buffer = 0;
  DeviceState& state = State();
  if (state.devices.count(device) == 0) return kInvalidArg;
  Buffer created;
  created.device = device;
  created.caps = desc.flags;
  created.label = label;
  if ((desc.flags & kCapsPrimary) != 0) {
    if (desc.bytes != 0 || desc.format != nullptr) return kInvalidArg;
    created.primary = true;
    created.data = std::make_shared<std::vector<uint8_t>>();
  } else {
    if (desc.format == nullptr || !ValidBufferFormat(*desc.format)) return kInvalidArg;
    if (desc.bytes < desc.format->blockAlign || desc.bytes < 4 || desc.bytes > kBufferBytesMax) return kInvalidArg;
    created.format = *desc.format;
  }
  if (InjectedBufferFailure()) return kOutOfMemory;
  if (!created.primary) created.data = std::make_shared<std::vector<uint8_t>>(desc.bytes, uint8_t{0});
  *buffer = state.nextBuffer++;
  Buffer& stored = state.buffers[*buffer] = std::move(created);
  if (!stored.primary) Log(SoundOp::Create, *buffer, stored);
  // No head-related rendering here: a 3-D buffer that asked for a particular
  // algorithm gets the plain one, which the card reports as a success code.
  const bool wantsAlgorithm = (desc.flags & kCaps3D) != 0 && !IsNullGuid(desc.algorithm3D);
  return wantsAlgorithm && !stored.primary ? kNoVirtualization : kOk;
}

Result DuplicateBuffer(DeviceId device, BufferId original, BufferId* duplicate) {
  if (duplicate == nullptr) return kInvalidArg;
  *duplicate = 0;
  DeviceState& state = State();
  const Buffer* source = FindSecondary(original);
  if (state.devices.count(device) == 0 || source == nullptr) return kInvalidArg;
  if (InjectedBufferFailure()) return kOutOfMemory;
  Buffer copy;
  copy.device = device;
  copy.caps = source->caps;
  copy.data = source->data;
  copy.format = source->format;
  copy.label = source->label;
  copy.volume = source->volume;
  copy.frequencyHz = source->frequencyHz;
  copy.pan = source->pan;
  copy.lost = source->lost;
  *duplicate = state.nextBuffer++;
  Log(SoundOp::Duplicate, *duplicate, state.buffers[*duplicate] = std::move(copy));
  return kOk;
}

void ReleaseBuffer(BufferId id) {
  Buffer* buffer = Find(id);
  if (buffer == nullptr) return;
  Halt(*buffer);
  if (!buffer->primary) Log(SoundOp::Release, id, *buffer);
  State().buffers.erase(id);
}

Result SetFormat(BufferId primary, const WaveFormat& format) {
  Buffer* buffer = Find(primary);
  if (buffer == nullptr || !buffer->primary || !ValidPrimaryFormat(format)) return kInvalidArg;
  DeviceState& state = State();
  if (state.primaryFormatFailures > 0) {
    --state.primaryFormatFailures;
    return kFail;
  }
  auto it = state.devices.find(buffer->device);
  if (it == state.devices.end()) return kInvalidArg;
  it->second.primaryFormat = format;
  return kOk;
}

Result GetPrimaryFormat(DeviceId device, WaveFormat* format) {
  auto it = State().devices.find(device);
  if (it == State().devices.end() || format == nullptr) return kInvalidArg;
  *format = it->second.primaryFormat;
  return kOk;
}

// ---- Buffer ------------------------------------------------------------------

Result Lock(BufferId id, uint32_t offset, uint32_t bytes, void** block1, uint32_t* bytes1, void** block2,
            uint32_t* bytes2, uint32_t flags) {
  Buffer* buffer = FindSecondary(id);
  if (buffer == nullptr || block1 == nullptr || bytes1 == nullptr) return kInvalidArg;
  if (buffer->lost) return kBufferLost;
  const auto size = static_cast<uint32_t>(buffer->data->size());
  if ((flags & kLockEntireBuffer) != 0) {
    offset = 0;
    bytes = size;
  }
  if (bytes == 0 || bytes > size || offset >= size) return kInvalidArg;
  const uint32_t first = std::min(bytes, size - offset);
  const uint32_t second = bytes - first;
  if (second != 0 && (block2 == nullptr || bytes2 == nullptr)) return kInvalidArg;
  DetachFromVoices(*buffer);
  uint8_t* base = buffer->data->data();
  *block1 = base + offset;
  *bytes1 = first;
  if (block2 != nullptr) *block2 = second != 0 ? base : nullptr;
  if (bytes2 != nullptr) *bytes2 = second;
  return kOk;
}

Result Unlock(BufferId id, void*, uint32_t, void*, uint32_t) {
  return FindSecondary(id) != nullptr ? kOk : kInvalidArg;
}

Result Play(BufferId id, uint32_t priority, uint32_t flags) {
  Buffer* buffer = Find(id);
  if (buffer == nullptr) return kInvalidArg;
  if (buffer->primary) return kOk;  // the primary buffer always runs here
  if (buffer->lost) return kBufferLost;
  Advance(*buffer);
  const uint64_t now = NowMs();
  if (buffer->playing) CloseVoice(*buffer, now);
  buffer->playing = true;
  buffer->looping = (flags & kPlayLooping) != 0;
  buffer->anchorMs = now;
  OpenVoice(*buffer);
  Log(SoundOp::Play, id, *buffer, buffer->looping);
  return kOk;
}

Result Stop(BufferId id) {
  Buffer* buffer = Find(id);
  if (buffer == nullptr) return kInvalidArg;
  Halt(*buffer);
  buffer->anchorFrame = std::floor(buffer->anchorFrame);
  Log(SoundOp::Stop, id, *buffer);
  return kOk;
}

Result GetStatus(BufferId id, uint32_t* status) {
  Buffer* buffer = Find(id);
  if (buffer == nullptr || status == nullptr) return kInvalidArg;
  Advance(*buffer);
  *status = 0;
  if (buffer->lost) *status |= kStatusLost;
  if (buffer->playing) *status |= kStatusPlaying | (buffer->looping ? kStatusLooping : 0);
  return kOk;
}

Result GetCurrentPosition(BufferId id, uint32_t* playPosition, uint32_t* writePosition) {
  Buffer* buffer = FindSecondary(id);
  if (buffer == nullptr) return kInvalidArg;
  if (buffer->lost) return kBufferLost;
  Advance(*buffer);
  const auto play = static_cast<uint32_t>(buffer->anchorFrame) * buffer->format.blockAlign;
  if (playPosition != nullptr) *playPosition = play;
  if (writePosition != nullptr) {
    // The card reads a little ahead of what is heard: about 10 ms.
    const uint32_t lead = buffer->playing ? buffer->format.avgBytesPerSec / 100 / buffer->format.blockAlign : 0;
    const auto size = static_cast<uint32_t>(buffer->data->size());
    *writePosition = size == 0 ? 0 : (play + lead * buffer->format.blockAlign) % size;
  }
  return kOk;
}

Result SetCurrentPosition(BufferId id, uint32_t position) {
  Buffer* buffer = FindSecondary(id);
  if (buffer == nullptr || position > buffer->data->size()) return kInvalidArg;
  if (buffer->lost) return kBufferLost;
  Advance(*buffer);
  const uint32_t frames = FrameCount(*buffer);
  const uint32_t frame = std::min(position / buffer->format.blockAlign, frames == 0 ? 0 : frames - 1);
  buffer->anchorFrame = frame;
  buffer->anchorMs = NowMs();
  if (buffer->playing) {
    CloseVoice(*buffer, buffer->anchorMs);
    OpenVoice(*buffer);
  }
  Log(SoundOp::Position, id, *buffer);
  return kOk;
}

namespace {

// Applies a control change: a playing buffer's cursor is brought to the
// present first (a new rate moves it differently from now on) and the
// mixer's record notes the change.
Result ChangeControl(BufferId id, uint32_t capability, SoundOp op, void (*apply)(Buffer&, int64_t), int64_t value) {
  Buffer* buffer = FindSecondary(id);
  if (buffer == nullptr) return kInvalidArg;
  if ((buffer->caps & capability) == 0) return kControlUnavailable;
  Advance(*buffer);
  apply(*buffer, value);
  if (buffer->playing && buffer->voice >= 0) {
    // A control set again to the value it has (the cockpit sets its winds
    // every tick) changes nothing the mixer needs to know.
    std::vector<ControlChange>& changes = State().voices[static_cast<size_t>(buffer->voice)].changes;
    const ControlChange& last = changes.back();
    if (last.volume != buffer->volume || last.frequencyHz != buffer->frequencyHz || last.pan != buffer->pan) {
      changes.push_back({NowMs(), buffer->volume, buffer->frequencyHz, buffer->pan});
    }
  }
  Log(op, id, *buffer);
  return kOk;
}

}  // namespace

Result SetVolume(BufferId id, int32_t volume) {
  if (volume < kVolumeMin || volume > kVolumeMax) return kInvalidArg;
  return ChangeControl(id, kCapsVolume, SoundOp::Volume,
                       [](Buffer& b, int64_t v) { b.volume = static_cast<int32_t>(v); }, volume);
}

Result SetFrequency(BufferId id, uint32_t hz) {
  if (hz != kFrequencyOriginal && (hz < kFrequencyMinHz || hz > kFrequencyMaxHz)) return kInvalidArg;
  return ChangeControl(id, kCapsFrequency, SoundOp::Frequency,
                       [](Buffer& b, int64_t v) { b.frequencyHz = static_cast<uint32_t>(v); }, hz);
}

Result SetPan(BufferId id, int32_t pan) {
  if (pan < kPanLeft || pan > kPanRight) return kInvalidArg;
  return ChangeControl(id, kCapsPan, SoundOp::Pan, [](Buffer& b, int64_t v) { b.pan = static_cast<int32_t>(v); },
                       pan);
}

Result GetVolume(BufferId id, int32_t* volume) {
  const Buffer* buffer = FindSecondary(id);
  if (buffer == nullptr || volume == nullptr) return kInvalidArg;
  if ((buffer->caps & kCapsVolume) == 0) return kControlUnavailable;
  *volume = buffer->volume;
  return kOk;
}

// Reports the rate in use: the format's own rate while set to "original".
Result GetFrequency(BufferId id, uint32_t* hz) {
  const Buffer* buffer = FindSecondary(id);
  if (buffer == nullptr || hz == nullptr) return kInvalidArg;
  if ((buffer->caps & kCapsFrequency) == 0) return kControlUnavailable;
  *hz = static_cast<uint32_t>(RateHz(buffer->frequencyHz, buffer->format));
  return kOk;
}

Result GetPan(BufferId id, int32_t* pan) {
  const Buffer* buffer = FindSecondary(id);
  if (buffer == nullptr || pan == nullptr) return kInvalidArg;
  if ((buffer->caps & kCapsPan) == 0) return kControlUnavailable;
  *pan = buffer->pan;
  return kOk;
}

Result GetFormat(BufferId id, WaveFormat* format) {
  const Buffer* buffer = FindSecondary(id);
  if (buffer == nullptr || format == nullptr) return kInvalidArg;
  *format = buffer->format;
  return kOk;
}

Result Restore(BufferId id) {
  Buffer* buffer = Find(id);
  if (buffer == nullptr) return kInvalidArg;
  if (!buffer->lost) return kOk;
  DeviceState& state = State();
  if (state.restoreFailures > 0) {
    --state.restoreFailures;
    return kBufferLost;
  }
  buffer->lost = false;
  buffer->anchorFrame = 0.0;
  Log(SoundOp::Restore, id, *buffer);
  return kOk;
}

Result SetNotificationPositions(BufferId id, const NotifyPosition* positions, uint32_t count) {
  Buffer* buffer = FindSecondary(id);
  if (buffer == nullptr || (count != 0 && positions == nullptr)) return kInvalidArg;
  if ((buffer->caps & kCapsPositionNotify) == 0) return kNoInterface;
  if (buffer->playing) return kFail;  // positions are set while stopped
  for (uint32_t i = 0; i < count; ++i) {
    if (positions[i].offset >= buffer->data->size()) return kInvalidArg;
  }
  buffer->notify.assign(positions, positions + count);
  return kOk;
}

Result Set3DParameters(BufferId id, const Buffer3DParams& params) {
  Buffer* buffer = FindSecondary(id);
  if (buffer == nullptr) return kInvalidArg;
  if ((buffer->caps & kCaps3D) == 0) return kNoInterface;
  buffer->params3D = params;
  return kOk;
}

Result Get3DParameters(BufferId id, Buffer3DParams* params) {
  const Buffer* buffer = FindSecondary(id);
  if (buffer == nullptr || params == nullptr) return kInvalidArg;
  if ((buffer->caps & kCaps3D) == 0) return kNoInterface;
  *params = buffer->params3D;
  return kOk;
}

Result SetListenerParameters(BufferId primary, const Listener3DParams& params) {
  Buffer* buffer = Find(primary);
  if (buffer == nullptr || !buffer->primary) return kInvalidArg;
  if ((buffer->caps & kCaps3D) == 0) return kNoInterface;
  buffer->listener = params;
  return kOk;
}

Result GetListenerParameters(BufferId primary, Listener3DParams* params) {
  const Buffer* buffer = Find(primary);
  if (buffer == nullptr || !buffer->primary || params == nullptr) return kInvalidArg;
  if ((buffer->caps & kCaps3D) == 0) return kNoInterface;
  *params = buffer->listener;
  return kOk;
}

// ---- Inspection and injected faults -------------------------------------------

std::vector<uint8_t> BufferBytes(BufferId id) {
  const Buffer* buffer = Find(id);
  return buffer != nullptr ? *buffer->data : std::vector<uint8_t>{};
}

std::vector<NotifyPosition> NotificationPositions(BufferId id) {
  const Buffer* buffer = Find(id);
  return buffer != nullptr ? buffer->notify : std::vector<NotifyPosition>{};
}

uint32_t LiveBufferCount() { return static_cast<uint32_t>(State().buffers.size()); }

size_t MixerBytesHeld() {
  std::vector<const std::vector<uint8_t>*> distinct;
  size_t bytes = 0;
  for (const Voice& voice : State().voices) {
    if (std::find(distinct.begin(), distinct.end(), voice.data.get()) != distinct.end()) continue;
    distinct.push_back(voice.data.get());
    bytes += voice.data->size();
  }
  return bytes;
}

void FailNextDeviceCreations(int count) { State().deviceFailures = count; }
void FailNextPrimaryFormats(int count) { State().primaryFormatFailures = count; }
void FailNextBufferCreations(int count, int after) {
  State().bufferFailures = count;
  State().bufferSuccessesFirst = after;
}
void FailNextRestores(int count) { State().restoreFailures = count; }

void LoseAllBuffers() {
  for (auto& [id, buffer] : State().buffers) MakeLost(id, buffer);
}

void LoseBuffer(BufferId id) {
  if (Buffer* buffer = Find(id)) MakeLost(id, *buffer);
}

const std::vector<SoundLogEntry>& SoundLog() { return State().log; }
void ClearSoundLog() { State().log.clear(); }

void NoteUnreadableSound(const std::string& source, bool loop, int32_t volume) {
  SoundLogEntry entry;
  entry.tick18 = sim::GetToken(1);
  entry.ms = NowMs();
  entry.op = SoundOp::Unreadable;
  entry.source = source;
  entry.loop = loop;
  entry.volume = volume;
  State().log.push_back(std::move(entry));
}

void ResetSoundDevice() { State() = DeviceState{}; }

// ---- Mixer -------------------------------------------------------------------
namespace {

struct StereoGain {
  double left = 1.0;
  double right = 1.0;
};

StereoGain GainOf(const ControlChange& control) {
  const double level = std::pow(10.0, control.volume / 2000.0);  // hundredths of dB
  StereoGain gain{level, level};
  if (control.pan > 0) gain.left *= std::pow(10.0, -control.pan / 2000.0);
  if (control.pan < 0) gain.right *= std::pow(10.0, control.pan / 2000.0);
  return gain;
}

bool Mixable(const WaveFormat& format) {
  return format.formatTag == kFormatPcm && (format.bitsPerSample == 8 || format.bitsPerSample == 16) &&
         format.blockAlign >= format.channels * format.bitsPerSample / 8 && format.channels >= 1;
}

// Sample of one channel of one frame, -1..1.
double SampleAt(const Voice& voice, uint32_t frame, uint16_t channel) {
  const size_t offset = static_cast<size_t>(frame) * voice.format.blockAlign +
                        static_cast<size_t>(channel) * (voice.format.bitsPerSample / 8);
  const uint8_t* bytes = voice.data->data() + offset;
  if (voice.format.bitsPerSample == 8) return (bytes[0] - 128) / 128.0;
  return static_cast<int16_t>(static_cast<uint16_t>(bytes[0] | (bytes[1] << 8))) / 32768.0;
}

// Where one voice stands while the mixer walks the output.
struct Cursor {
  double frame = 0.0;
  size_t nextChange = 0;
  StereoGain gain;
  double step = 0.0;  // source frames per output frame
  bool started = false;
  bool done = false;
};

void MixVoice(const Voice& voice, Cursor& cursor, uint32_t sampleRate, uint64_t from, uint64_t to,
              uint64_t chunkStart, std::vector<double>& mix) {
  const auto frames = static_cast<uint32_t>(voice.data->size() / voice.format.blockAlign);
  if (frames == 0) {
    cursor.done = true;
    return;
  }
  const uint16_t rightChannel = voice.format.channels >= 2 ? 1 : 0;
  if (!cursor.started) {
    cursor.frame = voice.startFrame;
    cursor.gain = GainOf(voice.changes.front());
    cursor.step = RateHz(voice.changes.front().frequencyHz, voice.format) / sampleRate;
    cursor.nextChange = 1;
    cursor.started = true;
  }
  for (uint64_t i = from; i < to; ++i) {
    const double ms = static_cast<double>(i) * 1000.0 / sampleRate;
    while (cursor.nextChange < voice.changes.size() && voice.changes[cursor.nextChange].ms <= ms) {
      const ControlChange& change = voice.changes[cursor.nextChange++];
      cursor.gain = GainOf(change);
      cursor.step = RateHz(change.frequencyHz, voice.format) / sampleRate;
    }
    if (!voice.loop && cursor.frame >= frames) {
      cursor.done = true;
      return;
    }
    const double position = voice.loop ? std::fmod(cursor.frame, static_cast<double>(frames)) : cursor.frame;
    const auto index = static_cast<uint32_t>(position);
    const double fraction = position - index;
    const uint32_t next = index + 1 < frames ? index + 1 : (voice.loop ? 0 : index);
    const double left = SampleAt(voice, index, 0) * (1.0 - fraction) + SampleAt(voice, next, 0) * fraction;
    const double right =
        SampleAt(voice, index, rightChannel) * (1.0 - fraction) + SampleAt(voice, next, rightChannel) * fraction;
    const size_t out = static_cast<size_t>(i - chunkStart) * 2;
    mix[out] += left * cursor.gain.left;
    mix[out + 1] += right * cursor.gain.right;
    cursor.frame += cursor.step;
  }
}

}  // namespace

bool WriteMixedWav(const std::string& path, uint32_t sampleRate) {
  if (sampleRate < 1000 || sampleRate > 192000) return false;
  DeviceState& state = State();
  // Bring every cursor to the present so sounds that ran out are closed, and
  // let one-shot sounds still playing finish in the file.
  double lastMs = static_cast<double>(NowMs());
  for (auto& [id, buffer] : state.buffers) {
    Advance(buffer);
    if (!buffer.playing || buffer.looping) continue;
    lastMs = std::max(lastMs, static_cast<double>(buffer.anchorMs) + RemainingMs(buffer));
  }
  const auto totalFrames = static_cast<uint64_t>(std::ceil(lastMs * sampleRate / 1000.0));
  const auto msToFrame = [sampleRate](uint64_t ms) {
    return static_cast<uint64_t>(std::ceil(static_cast<double>(ms) * sampleRate / 1000.0));
  };
  const uint64_t presentFrame = msToFrame(NowMs());

  // A plain WAV file, which becomes RF64 (64-bit sizes) when the run's sound
  // passes the 4 GiB a WAV file can hold: some 13.5 hours at 22050 Hz.
  SF_INFO info{};
  info.samplerate = static_cast<int>(sampleRate);
  info.channels = 2;
  info.format = SF_FORMAT_RF64 | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (file == nullptr) return false;
  sf_command(file, SFC_RF64_AUTO_DOWNGRADE, nullptr, SF_TRUE);
  bool ok = true;

  std::vector<Cursor> cursors(state.voices.size());
  constexpr uint64_t kChunkFrames = 1 << 15;
  std::vector<double> mix;
  std::vector<int16_t> pcm;
  for (uint64_t chunk = 0; ok && chunk < totalFrames; chunk += kChunkFrames) {
    const uint64_t chunkEnd = std::min(totalFrames, chunk + kChunkFrames);
    mix.assign(static_cast<size_t>(chunkEnd - chunk) * 2, 0.0);
    for (size_t v = 0; v < state.voices.size(); ++v) {
      const Voice& voice = state.voices[v];
      if (cursors[v].done || !Mixable(voice.format)) continue;
      const uint64_t start = msToFrame(voice.startMs);
      uint64_t end = voice.endMs != kOpenEnd ? msToFrame(voice.endMs) : (voice.loop ? presentFrame : totalFrames);
      end = std::min(end, totalFrames);
      const uint64_t from = std::max(start, chunk);
      const uint64_t to = std::min(end, chunkEnd);
      if (from < to) MixVoice(voice, cursors[v], sampleRate, from, to, chunk, mix);
    }
    pcm.resize(mix.size());
    for (size_t i = 0; i < mix.size(); ++i) {
      pcm[i] = static_cast<int16_t>(std::lround(std::clamp(mix[i], -1.0, 32767.0 / 32768.0) * 32768.0));
    }
    const auto count = static_cast<sf_count_t>(pcm.size());
    ok = sf_write_short(file, pcm.data(), count) == count;
  }
  return sf_close(file) == 0 && ok;
}

}  // namespace platform::sound
