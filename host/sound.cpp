// Sound device, sounds and streaming sounds over the sound card stand-in.
#include "host/sound.h"

#include <chrono>
#include <cstring>
#include <cwchar>
#include <new>
#include <thread>

#include "platform/paths.h"

namespace snd = platform::sound;

namespace {

// A buffer the card keeps reporting lost is retried for about half a second,
// then given up on: the sound stays silent rather than hang the gauge thread.
constexpr int kRestoreAttempts = 50;
constexpr auto kRestoreWait = std::chrono::milliseconds(10);
constexpr SoundResult kNothingToRestore = 1;

void TraceFailure(const wchar_t* what, const wchar_t* path, SoundResult result) {
  if (!platform::IsTraceOn()) return;
  wchar_t text[400];
  std::swprintf(text, sizeof text / sizeof text[0], L"Sound: %ls %.300ls failed (0x%08X)", what,
                path != nullptr ? path : L"", static_cast<unsigned>(result));
  platform::Trace(platform::Narrow(text).c_str());
}

void ReleaseAll(const std::vector<SoundBuffer>& buffers) {
  for (SoundBuffer buffer : buffers) snd::ReleaseBuffer(buffer);
}

}  // namespace

// ---- CSoundDevice -------------------------------------------------------------

CSoundDevice::~CSoundDevice() { snd::ReleaseDevice(device_); }

SoundResult CSoundDevice::Initialize(platform::WindowHandle window, uint32_t cooperativeLevel) {
  snd::ReleaseDevice(device_);
  device_ = 0;
  const SoundResult result = snd::CreateDevice(&device_);
  if (snd::Failed(result)) return result;
  return snd::SetCooperativeLevel(device_, window, cooperativeLevel);
}

SoundResult CSoundDevice::SetPrimaryBufferFormat(uint16_t channels, uint32_t samplesPerSec, uint16_t bits) {
  if (device_ == 0) return snd::kNotInitialized;
  snd::BufferDesc desc;
  desc.flags = snd::kCapsPrimary;
  SoundBuffer primary = 0;
  SoundResult result = snd::CreateBuffer(device_, desc, "primary", &primary);
  if (snd::Failed(result)) return result;
  WaveFormat format;
  format.formatTag = snd::kFormatPcm;
  format.channels = channels;
  format.samplesPerSec = samplesPerSec;
  format.bitsPerSample = bits;
  format.blockAlign = static_cast<uint16_t>(bits / 8 * channels);
  format.avgBytesPerSec = format.blockAlign * samplesPerSec;
  result = snd::SetFormat(primary, format);
  snd::ReleaseBuffer(primary);
  return result;
}

SoundResult CSoundDevice::Get3DListenerInterface(SoundBuffer* listener) {
  if (listener == nullptr) return snd::kInvalidArg;
  *listener = 0;
  if (device_ == 0) return snd::kNotInitialized;
  snd::BufferDesc desc;
  desc.flags = snd::kCapsPrimary | snd::kCaps3D;
  return snd::CreateBuffer(device_, desc, "listener", listener);
}

SoundResult CSoundDevice::CreateFromSource(std::unique_ptr<CSound>* sound, std::unique_ptr<CWaveFile> source,
                                           uint32_t bufferBytes, uint32_t creationFlags,
                                           const SoundGuid& algorithm3D, uint32_t bufferCount,
                                           const std::string& label) {
  std::vector<SoundBuffer> buffers;
  try {
    buffers.reserve(bufferCount);
  } catch (const std::bad_alloc&) {
    return snd::kOutOfMemory;
  }
  snd::BufferDesc desc;
  desc.flags = creationFlags;
  desc.bytes = bufferBytes;
  desc.format = source->GetFormat();
  desc.algorithm3D = algorithm3D;
  SoundBuffer first = 0;
  SoundResult result = snd::CreateBuffer(device_, desc, label, &first);
  if (snd::Failed(result)) return result;
  buffers.push_back(first);
  const SoundResult created = result;  // may be the "no virtualisation" success

  // Buffers with effects cannot share memory; the others are duplicates.
  for (uint32_t i = 1; i < bufferCount; ++i) {
    SoundBuffer next = 0;
    result = (creationFlags & snd::kCapsEffects) != 0 ? snd::CreateBuffer(device_, desc, label, &next)
                                                       : snd::DuplicateBuffer(device_, first, &next);
    if (snd::Failed(result)) {
      ReleaseAll(buffers);  // none of the buffers made so far outlives the failure
      return result;
    }
    buffers.push_back(next);
  }
  std::unique_ptr<CSound> made(new (std::nothrow)
                                   CSound(buffers.data(), bufferBytes, bufferCount, std::move(source), creationFlags));
  if (made == nullptr) {
    ReleaseAll(buffers);
    return snd::kOutOfMemory;
  }
  *sound = std::move(made);
  return created;
}

SoundResult CSoundDevice::Create(std::unique_ptr<CSound>* sound, const wchar_t* path, uint32_t creationFlags,
                                 const SoundGuid& algorithm3D, uint32_t bufferCount) {
  if (device_ == 0) return snd::kNotInitialized;
  if (path == nullptr || sound == nullptr || bufferCount == 0) return snd::kInvalidArg;
  std::unique_ptr<CWaveFile> source(new (std::nothrow) CWaveFile);
  if (source == nullptr) return snd::kOutOfMemory;
  // A file that cannot be opened counts as an empty source.
  if (snd::Failed(source->Open(path, nullptr, kWaveOpenRead)) || source->GetSize() == 0) {
    TraceFailure(L"open", path, snd::kFail);
    return snd::kFail;
  }
  const uint32_t bytes = source->GetSize();
  const SoundResult result = CreateFromSource(sound, std::move(source), bytes, creationFlags, algorithm3D,
                                              bufferCount, platform::Narrow(path));
  if (snd::Failed(result)) TraceFailure(L"create", path, result);
  return result;
}

SoundResult CSoundDevice::CreateFromMemory(std::unique_ptr<CSound>* sound, const uint8_t* data, uint32_t size,
                                           const WaveFormat* format, uint32_t creationFlags,
                                           const SoundGuid& algorithm3D, uint32_t bufferCount) {
  if (device_ == 0) return snd::kNotInitialized;
  if (data == nullptr || format == nullptr || sound == nullptr || bufferCount == 0) return snd::kInvalidArg;
  std::unique_ptr<CWaveFile> source(new (std::nothrow) CWaveFile);
  if (source == nullptr) return snd::kOutOfMemory;
  if (snd::Failed(source->OpenFromMemory(data, size, format, kWaveOpenRead)) || size == 0) return snd::kFail;
  return CreateFromSource(sound, std::move(source), size, creationFlags, algorithm3D, bufferCount, "memory");
}

SoundResult CSoundDevice::CreateStreaming(std::unique_ptr<CStreamingSound>* sound, const wchar_t* path,
                                          uint32_t creationFlags, const SoundGuid& algorithm3D, uint32_t notifyCount,
                                          uint32_t notifySize, void* notifyEvent) {
  if (device_ == 0) return snd::kNotInitialized;
  if (sound == nullptr || path == nullptr || notifyCount == 0 || notifySize == 0 || notifyEvent == nullptr) {
    return snd::kInvalidArg;
  }
  const uint64_t bufferBytes = static_cast<uint64_t>(notifyCount) * notifySize;
  if (bufferBytes > snd::kBufferBytesMax) return snd::kInvalidArg;
  std::unique_ptr<CWaveFile> source(new (std::nothrow) CWaveFile);
  if (source == nullptr) return snd::kOutOfMemory;
  SoundResult result = source->Open(path, nullptr, kWaveOpenRead);
  if (snd::Failed(result)) return result;

  snd::BufferDesc desc;
  desc.flags = creationFlags | snd::kCapsPositionNotify | snd::kCapsPrecisePosition;
  desc.bytes = static_cast<uint32_t>(bufferBytes);
  desc.format = source->GetFormat();
  desc.algorithm3D = algorithm3D;
  SoundBuffer buffer = 0;
  result = snd::CreateBuffer(device_, desc, platform::Narrow(path), &buffer);
  if (snd::Failed(result)) return result;

  std::vector<snd::NotifyPosition> positions(notifyCount);
  for (uint32_t i = 0; i < notifyCount; ++i) positions[i] = {notifySize * i + notifySize - 1, notifyEvent};
  result = snd::SetNotificationPositions(buffer, positions.data(), notifyCount);
  if (snd::Failed(result)) {
    snd::ReleaseBuffer(buffer);
    return result;
  }
  std::unique_ptr<CStreamingSound> made(new (std::nothrow) CStreamingSound(
      buffer, static_cast<uint32_t>(bufferBytes), std::move(source), notifySize));
  if (made == nullptr) {
    snd::ReleaseBuffer(buffer);
    return snd::kOutOfMemory;
  }
  *sound = std::move(made);
  return snd::kOk;
}

// ---- CSound -------------------------------------------------------------------

CSound::CSound(const SoundBuffer* buffers, uint32_t bufferBytes, uint32_t bufferCount,
               std::unique_ptr<CWaveFile> source, uint32_t creationFlags)
    : buffers_(buffers, buffers + bufferCount),
      bufferBytes_(bufferBytes),
      source_(std::move(source)),
      creationFlags_(creationFlags) {
  if (!buffers_.empty()) FillBuffer(buffers_[0], false);
}

CSound::~CSound() { ReleaseAll(buffers_); }

uint8_t CSound::SilenceByte() const {
  const WaveFormat* format = source_ != nullptr ? source_->GetFormat() : nullptr;
  return format != nullptr && format->bitsPerSample == 8 ? 128 : 0;
}

SoundResult CSound::FillBuffer(SoundBuffer buffer, bool repeatIfShorter) {
  if (buffer == 0 || source_ == nullptr) return snd::kNotInitialized;
  SoundResult result = RestoreBuffer(buffer, nullptr);
  if (snd::Failed(result)) return result;
  void* block = nullptr;
  uint32_t blockBytes = 0;
  result = snd::Lock(buffer, 0, bufferBytes_, &block, &blockBytes, nullptr, nullptr, 0);
  if (snd::Failed(result)) return result;
  auto* bytes = static_cast<uint8_t*>(block);

  uint32_t filled = 0;
  result = source_->ResetFile();
  if (snd::Succeeded(result)) result = source_->Read(bytes, blockBytes, &filled);
  if (snd::Succeeded(result) && repeatIfShorter && filled != 0) result = ReadAgainFromStart(bytes, blockBytes, &filled);
  if (filled < blockBytes) std::memset(bytes + filled, SilenceByte(), blockBytes - filled);
  snd::Unlock(buffer, block, blockBytes, nullptr, 0);
  return result;
}

// Repeating stops as soon as a pass yields nothing, so an empty source cannot
// spin here.
SoundResult CSound::ReadAgainFromStart(uint8_t* bytes, uint32_t size, uint32_t* filled) {
  SoundResult result = snd::kOk;
  while (*filled < size) {
    uint32_t more = 0;
    result = source_->ResetFile();
    if (snd::Succeeded(result)) result = source_->Read(bytes + *filled, size - *filled, &more);
    if (more == 0) break;
    *filled += more;
    if (snd::Failed(result)) break;
  }
  return result;
}

SoundResult CSound::RestoreBuffer(SoundBuffer buffer, bool* restored) {
  if (buffer == 0) return snd::kNotInitialized;
  if (restored != nullptr) *restored = false;
  uint32_t status = 0;
  SoundResult result = snd::GetStatus(buffer, &status);
  if (snd::Failed(result)) return result;
  if ((status & snd::kStatusLost) == 0) return kNothingToRestore;
  result = snd::Restore(buffer);
  for (int attempt = 1; result == snd::kBufferLost && attempt < kRestoreAttempts; ++attempt) {
    std::this_thread::sleep_for(kRestoreWait);
    result = snd::Restore(buffer);
  }
  if (snd::Failed(result)) return result;
  if (restored != nullptr) *restored = true;
  return snd::kOk;
}

SoundBuffer CSound::GetFreeBuffer() {
  if (buffers_.empty()) return 0;
  for (SoundBuffer buffer : buffers_) {
    uint32_t status = 0;
    if (snd::Succeeded(snd::GetStatus(buffer, &status)) && (status & snd::kStatusPlaying) == 0) return buffer;
  }
  return buffers_[static_cast<size_t>(platform::Random()) % buffers_.size()];
}

SoundBuffer CSound::GetBuffer(uint32_t index) const { return index < buffers_.size() ? buffers_[index] : 0; }

SoundResult CSound::Get3DBuffer(uint32_t index, SoundBuffer* buffer3D) const {
  if (buffers_.empty()) return snd::kNotInitialized;
  if (buffer3D == nullptr || index >= buffers_.size()) return snd::kInvalidArg;
  *buffer3D = 0;
  Sound3DParams probe;
  const SoundResult result = snd::Get3DParameters(buffers_[index], &probe);
  if (snd::Succeeded(result)) *buffer3D = buffers_[index];
  return result;
}

SoundResult CSound::PrepareBuffer(SoundBuffer buffer) {
  bool restored = false;
  const SoundResult result = RestoreBuffer(buffer, &restored);
  if (snd::Failed(result)) return result;
  return restored ? FillBuffer(buffer, false) : snd::kOk;
}

SoundResult CSound::Play(uint32_t priority, uint32_t flags, int32_t volume, int32_t frequencyHz, int32_t pan) {
  if (buffers_.empty()) return snd::kNotInitialized;
  const SoundBuffer buffer = GetFreeBuffer();
  if (buffer == 0) return snd::kFail;
  const SoundResult result = PrepareBuffer(buffer);
  if (snd::Failed(result)) return result;
  // Values outside a control's range are refused by the card and ignored here.
  if ((creationFlags_ & snd::kCapsVolume) != 0) snd::SetVolume(buffer, volume);
  if (frequencyHz != -1 && (creationFlags_ & snd::kCapsFrequency) != 0) {
    snd::SetFrequency(buffer, static_cast<uint32_t>(frequencyHz));
  }
  if ((creationFlags_ & snd::kCapsPan) != 0) snd::SetPan(buffer, pan);
  return snd::Play(buffer, priority, flags);
}

SoundResult CSound::Play3D(const Sound3DParams* params, uint32_t priority, uint32_t flags,
                           int32_t frequencyOffsetHz) {
  if (buffers_.empty()) return snd::kNotInitialized;
  if (params == nullptr) return snd::kInvalidArg;
  const SoundBuffer buffer = GetFreeBuffer();
  if (buffer == 0) return snd::kFail;
  SoundResult result = PrepareBuffer(buffer);
  if (snd::Failed(result)) return result;
  if ((creationFlags_ & snd::kCapsFrequency) != 0) {
    uint32_t hz = 0;
    if (snd::Succeeded(snd::GetFrequency(buffer, &hz))) {
      snd::SetFrequency(buffer, static_cast<uint32_t>(static_cast<int64_t>(hz) + frequencyOffsetHz));
    }
  }
  result = snd::Set3DParameters(buffer, *params);
  if (snd::Failed(result)) return result;
  return snd::Play(buffer, priority, flags);
}

SoundResult CSound::Stop() {
  if (buffers_.empty()) return snd::kNotInitialized;
  SoundResult result = snd::kOk;
  for (SoundBuffer buffer : buffers_) {
    const SoundResult stopped = snd::Stop(buffer);
    if (snd::Failed(stopped)) result = stopped;
  }
  return result;
}

SoundResult CSound::Reset() {
  if (buffers_.empty()) return snd::kNotInitialized;
  SoundResult result = snd::kOk;
  for (SoundBuffer buffer : buffers_) {
    const SoundResult rewound = snd::SetCurrentPosition(buffer, 0);
    if (snd::Failed(rewound)) result = rewound;
  }
  return result;
}

bool CSound::IsPlaying() {
  for (SoundBuffer buffer : buffers_) {
    uint32_t status = 0;
    if (snd::Succeeded(snd::GetStatus(buffer, &status)) && (status & snd::kStatusPlaying) != 0) return true;
  }
  return false;
}

// ---- CStreamingSound ------------------------------------------------------------

CStreamingSound::CStreamingSound(SoundBuffer buffer, uint32_t bufferBytes, std::unique_ptr<CWaveFile> source,
                                 uint32_t notifyBytes)
    : CSound(&buffer, bufferBytes, 1, std::move(source), 0), notifyBytes_(notifyBytes) {}

SoundResult CStreamingSound::OnStreamNotification(bool looped) {
  if (buffers_.empty() || source_ == nullptr) return snd::kNotInitialized;
  const SoundBuffer buffer = buffers_[0];
  bool restored = false;
  SoundResult result = RestoreBuffer(buffer, &restored);
  if (snd::Failed(result)) return result;
  if (restored) return FillBuffer(buffer, false);

  void* block = nullptr;
  void* wrapped = nullptr;
  uint32_t blockBytes = 0;
  uint32_t wrappedBytes = 0;
  result = snd::Lock(buffer, nextWriteOffset_, notifyBytes_, &block, &blockBytes, &wrapped, &wrappedBytes, 0);
  if (snd::Failed(result)) return result;
  if (wrapped != nullptr) {
    snd::Unlock(buffer, block, blockBytes, wrapped, wrappedBytes);
    return snd::kUnexpected;
  }
  auto* bytes = static_cast<uint8_t*>(block);
  uint32_t filled = 0;
  if (!fillWithSilence_) {
    result = source_->Read(bytes, blockBytes, &filled);
    if (snd::Succeeded(result) && looped) result = ReadAgainFromStart(bytes, blockBytes, &filled);
    if (!looped && filled < blockBytes) fillWithSilence_ = true;
  }
  if (filled < blockBytes) std::memset(bytes + filled, SilenceByte(), blockBytes - filled);
  snd::Unlock(buffer, block, blockBytes, nullptr, 0);
  if (snd::Failed(result)) return result;

  uint32_t playPosition = 0;
  result = snd::GetCurrentPosition(buffer, &playPosition, nullptr);
  if (snd::Failed(result)) return result;
  playProgress_ += playPosition >= lastPlayPosition_ ? playPosition - lastPlayPosition_
                                                     : bufferBytes_ - lastPlayPosition_ + playPosition;
  lastPlayPosition_ = playPosition;
  if (fillWithSilence_ && playProgress_ >= source_->GetSize()) snd::Stop(buffer);
  nextWriteOffset_ = (nextWriteOffset_ + blockBytes) % bufferBytes_;
  return snd::kOk;
}

SoundResult CStreamingSound::Reset() {
  if (buffers_.empty() || source_ == nullptr) return snd::kNotInitialized;
  lastPlayPosition_ = 0;
  playProgress_ = 0;
  nextWriteOffset_ = 0;
  fillWithSilence_ = false;
  const SoundResult result = PrepareBuffer(buffers_[0]);
  if (snd::Failed(result)) return result;
  source_->ResetFile();
  return snd::SetCurrentPosition(buffers_[0], 0);
}
