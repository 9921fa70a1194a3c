// RIFF WAVE reading and writing over std::FILE or a resource image in memory.
#include "host/wave_file.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/paths.h"
#include "platform/resources.h"

namespace snd = platform::sound;

namespace {

constexpr uint32_t kFmtSizePcm = 16;
constexpr uint32_t kFmtSizeExtended = 18;
constexpr uint64_t kMaxRiffBytes = 0xFFFFFFFFull;

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}
void PutLe16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void PutLe32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// A format the buffers can make sense of: at least one channel, a rate and a
// block size; for PCM, whole-byte samples that fill the block exactly.
bool Consistent(const WaveFormat& format) {
  if (format.channels == 0 || format.samplesPerSec == 0 || format.blockAlign == 0) return false;
  if (format.formatTag != snd::kFormatPcm) return true;
  const uint16_t bits = format.bitsPerSample;
  if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  return format.blockAlign == format.channels * (bits / 8);
}

bool WriteAll(std::FILE* file, const void* data, size_t bytes) { return std::fwrite(data, 1, bytes, file) == bytes; }

bool WriteLe32At(std::FILE* file, uint64_t offset, uint32_t value) {
  uint8_t bytes[4];
  PutLe32(bytes, value);
  return std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0 && WriteAll(file, bytes, 4);
}

}  // namespace

CWaveFile::~CWaveFile() { Close(); }

void CWaveFile::ForgetFormat() {
  format_ = WaveFormat{};
  formatExtra_.clear();
  hasFormat_ = false;
}

size_t CWaveFile::ReadAt(uint64_t offset, void* out, size_t bytes) {
  if (offset >= sourceSize_) return 0;
  bytes = static_cast<size_t>(std::min<uint64_t>(bytes, sourceSize_ - offset));
  if (onResource_) {
    std::memcpy(out, resourceCopy_.data() + offset, bytes);
    return bytes;
  }
  if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) return 0;
  return std::fread(out, 1, bytes, file_);
}

// Walks the chunks between `from` and the end of the RIFF chunk; a chunk
// found may claim more bytes than follow it (the caller caps or refuses).
bool CWaveFile::FindChunk(const char id[4], uint64_t from, uint64_t* dataOffset, uint32_t* size) {
  uint64_t offset = from;
  while (offset + 8 <= riffEnd_) {
    uint8_t header[8];
    if (ReadAt(offset, header, 8) != 8) return false;
    const uint32_t chunkSize = Le32(header + 4);
    if (std::memcmp(header, id, 4) == 0) {
      *dataOffset = offset + 8;
      *size = chunkSize;
      return true;
    }
    offset += 8 + static_cast<uint64_t>(chunkSize) + (chunkSize & 1u);  // chunks are padded to even sizes
  }
  return false;
}

WaveResult CWaveFile::ReadHeader() {
  uint8_t riff[12];
  if (ReadAt(0, riff, 12) != 12) return snd::kFail;
  if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0) return snd::kFail;
  const uint32_t riffSize = Le32(riff + 4);
  if (riffSize < 4) return snd::kFail;
  riffEnd_ = std::min<uint64_t>(8ull + riffSize, sourceSize_);

  uint64_t fmtOffset = 0;
  uint32_t fmtSize = 0;
  if (!FindChunk("fmt ", 12, &fmtOffset, &fmtSize)) return snd::kFail;
  if (fmtSize < kFmtSizePcm || fmtOffset + fmtSize > riffEnd_) return snd::kFail;
  uint8_t fixed[kFmtSizePcm];
  if (ReadAt(fmtOffset, fixed, kFmtSizePcm) != kFmtSizePcm) return snd::kFail;
  WaveFormat format;
  format.formatTag = Le16(fixed);
  format.channels = Le16(fixed + 2);
  format.samplesPerSec = Le32(fixed + 4);
  format.avgBytesPerSec = Le32(fixed + 8);
  format.blockAlign = Le16(fixed + 12);
  format.bitsPerSample = Le16(fixed + 14);
  std::vector<uint8_t> extra;
  // A non-PCM format may carry extra bytes, counted in the two bytes after the
  // fixed part: taken only when the chunk holds that count and all it counts.
  if (format.formatTag != snd::kFormatPcm && fmtSize >= kFmtSizeExtended) {
    uint8_t count[2];
    if (ReadAt(fmtOffset + kFmtSizePcm, count, 2) != 2) return snd::kFail;
    format.extraSize = Le16(count);
    if (format.extraSize > fmtSize - kFmtSizeExtended) return snd::kFail;
    extra.resize(format.extraSize);
    if (format.extraSize != 0 && ReadAt(fmtOffset + kFmtSizeExtended, extra.data(), extra.size()) != extra.size()) {
      return snd::kFail;
    }
  }
  if (!Consistent(format)) return snd::kFail;
  format_ = format;
  formatExtra_ = std::move(extra);
  hasFormat_ = true;
  return snd::kOk;
}

WaveResult CWaveFile::OpenResource(const wchar_t* path) {
  const platform::ModuleResource* resource = platform::FindModuleResource(path, L"WAVE");
  if (resource == nullptr) resource = platform::FindModuleResource(path, L"WAV");
  if (resource == nullptr) return snd::kFail;
  const uint8_t* bytes = platform::LoadModuleResource(resource);
  const uint32_t size = platform::ModuleResourceSize(resource);
  if (bytes == nullptr || size == 0) return snd::kFail;
  try {
    resourceCopy_.assign(bytes, bytes + size);
  } catch (const std::bad_alloc&) {
    return snd::kOutOfMemory;
  }
  onResource_ = true;
  sourceSize_ = size;
  return snd::kOk;
}

WaveResult CWaveFile::Open(const wchar_t* path, const WaveFormat* format, uint32_t mode,
                           const std::vector<uint8_t>* formatExtra) {
  if (path == nullptr) return snd::kInvalidArg;
  Close();
  ForgetFormat();
  size_ = 0;
  mode_ = mode;
  const std::string localPath = platform::ResolvePath(path);

  if (mode != kWaveOpenRead) {
    if (format == nullptr) return snd::kInvalidArg;
    const size_t extraSize = format->formatTag == snd::kFormatPcm ? 0 : format->extraSize;
    if (extraSize != 0 && (formatExtra == nullptr || formatExtra->size() < extraSize)) return snd::kInvalidArg;
    format_ = *format;
    if (extraSize != 0) formatExtra_.assign(formatExtra->begin(), formatExtra->begin() + static_cast<long>(extraSize));
    hasFormat_ = true;
    file_ = std::fopen(localPath.c_str(), "w+b");
    if (file_ == nullptr) return snd::kFail;
    WaveResult result = WriteHeader();
    if (snd::Succeeded(result)) result = ResetFile();
    if (snd::Failed(result)) Close();
    return result;
  }

  file_ = std::fopen(localPath.c_str(), "rb");
  if (file_ != nullptr) {
    if (std::fseek(file_, 0, SEEK_END) == 0) {
      const long end = std::ftell(file_);
      sourceSize_ = end > 0 ? static_cast<uint64_t>(end) : 0;
    }
  } else {
    const WaveResult result = OpenResource(path);
    if (snd::Failed(result)) return result;
  }
  WaveResult result = ReadHeader();
  if (snd::Succeeded(result)) result = ResetFile();
  if (snd::Failed(result)) {
    Close();
    ForgetFormat();
    return result;
  }
  size_ = dataSize_;
  return snd::kOk;
}

WaveResult CWaveFile::OpenFromMemory(const uint8_t* data, uint32_t size, const WaveFormat* format, uint32_t mode) {
  if (mode != kWaveOpenRead) return snd::kNotImplemented;
  Close();
  ForgetFormat();
  mode_ = mode;
  if (format != nullptr) {
    format_ = *format;
    hasFormat_ = true;
  }
  fromMemory_ = true;
  memoryData_ = data;
  memoryCurrent_ = data;
  memorySize_ = data != nullptr ? size : 0;
  size_ = memorySize_;
  return snd::kOk;
}

WaveResult CWaveFile::ResetFile() {
  if (fromMemory_) {
    memoryCurrent_ = memoryData_;
    return snd::kOk;
  }
  if (!IsOpen()) return snd::kNotInitialized;
  if (mode_ == kWaveOpenRead) {
    uint64_t offset = 0;
    uint32_t size = 0;
    if (!FindChunk("data", 12, &offset, &size)) return snd::kFail;
    dataOffset_ = offset;
    dataSize_ = static_cast<uint32_t>(std::min<uint64_t>(size, riffEnd_ - offset));  // only the bytes present
    readOffset_ = dataOffset_;
    remaining_ = dataSize_;
    return snd::kOk;
  }
  // Writing: a fresh "data" chunk; a second reset starts its data over.
  if (!dataStarted_) {
    if (std::fseek(file_, 0, SEEK_END) != 0) return snd::kFail;
    const long here = std::ftell(file_);
    if (here < 0) return snd::kFail;
    dataHeaderOffset_ = static_cast<uint64_t>(here);
    const uint8_t header[8] = {'d', 'a', 't', 'a', 0, 0, 0, 0};
    if (!WriteAll(file_, header, sizeof header)) return snd::kFail;
    dataStarted_ = true;
  } else if (std::fseek(file_, static_cast<long>(dataHeaderOffset_ + 8), SEEK_SET) != 0) {
    return snd::kFail;
  }
  dataWritten_ = 0;
  return snd::kOk;
}

WaveResult CWaveFile::Read(uint8_t* buffer, uint32_t bytesWanted, uint32_t* bytesRead) {
  if (fromMemory_) {
    if (memoryData_ == nullptr) return snd::kNotInitialized;
    if (buffer == nullptr || bytesRead == nullptr) return snd::kInvalidArg;
    const auto left = static_cast<uint32_t>(memoryData_ + memorySize_ - memoryCurrent_);
    const uint32_t count = std::min(bytesWanted, left);
    if (count != 0) std::memcpy(buffer, memoryCurrent_, count);
    memoryCurrent_ += count;
    *bytesRead = count;
    return snd::kOk;
  }
  if (!IsOpen()) return snd::kNotInitialized;
  if (buffer == nullptr || bytesRead == nullptr) return snd::kInvalidArg;
  *bytesRead = 0;
  if (mode_ != kWaveOpenRead) return snd::kOk;  // a file being written has nothing to read back
  const uint32_t count = std::min(bytesWanted, remaining_);
  const size_t got = count == 0 ? 0 : ReadAt(readOffset_, buffer, count);
  readOffset_ += got;
  remaining_ -= static_cast<uint32_t>(got);
  *bytesRead = static_cast<uint32_t>(got);
  return got == count ? snd::kOk : snd::kFail;
}

WaveResult CWaveFile::Write(uint32_t bytes, const uint8_t* data, uint32_t* bytesWritten) {
  if (fromMemory_) return snd::kNotImplemented;
  if (file_ == nullptr) return snd::kNotInitialized;
  if (data == nullptr || bytesWritten == nullptr) return snd::kInvalidArg;
  *bytesWritten = 0;
  if (mode_ == kWaveOpenRead) return snd::kFail;
  if (dataHeaderOffset_ + 8 + dataWritten_ + bytes + 1 > kMaxRiffBytes) return snd::kFail;
  if (!WriteAll(file_, data, bytes)) return snd::kFail;
  dataWritten_ += bytes;
  *bytesWritten = bytes;
  return snd::kOk;
}

WaveResult CWaveFile::WriteHeader() {
  const bool pcm = format_.formatTag == snd::kFormatPcm;
  const uint32_t fmtSize = pcm ? kFmtSizePcm : kFmtSizeExtended + format_.extraSize;
  std::vector<uint8_t> header(12 + 8 + fmtSize + (fmtSize & 1u) + 12, 0);
  uint8_t* p = header.data();
  std::memcpy(p, "RIFF", 4);  // its size is written by Close
  std::memcpy(p + 8, "WAVE", 4);
  std::memcpy(p + 12, "fmt ", 4);
  PutLe32(p + 16, fmtSize);
  uint8_t* fmt = p + 20;
  PutLe16(fmt, format_.formatTag);
  PutLe16(fmt + 2, format_.channels);
  PutLe32(fmt + 4, format_.samplesPerSec);
  PutLe32(fmt + 8, format_.avgBytesPerSec);
  PutLe16(fmt + 12, format_.blockAlign);
  PutLe16(fmt + 14, format_.bitsPerSample);
  if (!pcm) {
    PutLe16(fmt + 16, format_.extraSize);
    std::copy(formatExtra_.begin(), formatExtra_.end(), fmt + 18);
  }
  uint8_t* fact = fmt + fmtSize + (fmtSize & 1u);
  std::memcpy(fact, "fact", 4);
  PutLe32(fact + 4, 4);  // a sample count of 0 follows
  return WriteAll(file_, header.data(), header.size()) ? snd::kOk : snd::kFail;
}

// Sizes go into the "data" and "RIFF" headers, and the "fact" chunk, when
// present, gets its sample count of 0 again.
WaveResult CWaveFile::FinishWriting() {
  if (!dataStarted_) return snd::kFail;
  const uint64_t dataEnd = dataHeaderOffset_ + 8 + dataWritten_;
  if (std::fseek(file_, static_cast<long>(dataEnd), SEEK_SET) != 0) return snd::kFail;
  if ((dataWritten_ & 1u) != 0) {
    const uint8_t pad = 0;
    if (!WriteAll(file_, &pad, 1)) return snd::kFail;
  }
  const uint64_t riffEnd = dataEnd + (dataWritten_ & 1u);
  if (!WriteLe32At(file_, dataHeaderOffset_ + 4, static_cast<uint32_t>(dataWritten_))) return snd::kFail;
  if (!WriteLe32At(file_, 4, static_cast<uint32_t>(riffEnd - 8))) return snd::kFail;
  std::fflush(file_);
  sourceSize_ = riffEnd;
  riffEnd_ = riffEnd;
  uint64_t factOffset = 0;
  uint32_t factSize = 0;
  if (FindChunk("fact", 12, &factOffset, &factSize) && factSize >= 4 && !WriteLe32At(file_, factOffset, 0)) {
    return snd::kFail;
  }
  return snd::kOk;
}

WaveResult CWaveFile::Close() {
  WaveResult result = snd::kOk;
  if (file_ != nullptr) {
    if (mode_ != kWaveOpenRead) result = FinishWriting();
    if (std::fclose(file_) != 0) result = snd::kFail;
    file_ = nullptr;
  }
  onResource_ = false;
  resourceCopy_.clear();
  resourceCopy_.shrink_to_fit();
  sourceSize_ = riffEnd_ = 0;
  dataOffset_ = readOffset_ = 0;
  dataSize_ = remaining_ = 0;
  dataHeaderOffset_ = dataWritten_ = 0;
  dataStarted_ = false;
  fromMemory_ = false;
  memoryData_ = memoryCurrent_ = nullptr;
  memorySize_ = 0;
  return result;
}
