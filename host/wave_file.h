// CWaveFile: reads the sample data of a RIFF WAVE file for the sound buffers,
// from a file below the simulator folder, from a module resource of type
// "WAVE" or "WAV" with the file's name, or from sample data already in
// memory; it also writes WAVE files. Reads through our own RIFF chunk walker,
// which never looks past the end of a chunk or of the bytes present.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/sound_device.h"

using WaveResult = platform::sound::Result;
using WaveFormat = platform::sound::WaveFormat;

constexpr uint32_t kWaveOpenRead = 1;
constexpr uint32_t kWaveOpenWrite = 2;  // any mode other than read writes

class CWaveFile {
 public:
  CWaveFile() = default;
  ~CWaveFile();
  CWaveFile(const CWaveFile&) = delete;
  CWaveFile& operator=(const CWaveFile&) = delete;

  // Reading (mode 1): `format` is not used. Writing (other modes): the file is
  // created with `format`; a non-PCM format brings its extraSize bytes in
  // `formatExtra`.
  WaveResult Open(const wchar_t* path, const WaveFormat* format, uint32_t mode,
                  const std::vector<uint8_t>* formatExtra = nullptr);
  // Raw sample data (no RIFF header) described by `format`; read only. The
  // bytes are not copied and must outlive the reader.
  WaveResult OpenFromMemory(const uint8_t* data, uint32_t size, const WaveFormat* format, uint32_t mode);

  uint32_t GetSize() const { return size_; }
  const WaveFormat* GetFormat() const { return hasFormat_ ? &format_ : nullptr; }
  const std::vector<uint8_t>& GetFormatExtra() const { return formatExtra_; }

  WaveResult ResetFile();
  WaveResult Read(uint8_t* buffer, uint32_t bytesWanted, uint32_t* bytesRead);
  WaveResult Write(uint32_t bytes, const uint8_t* data, uint32_t* bytesWritten);
  WaveResult Close();

 private:
  bool IsOpen() const { return file_ != nullptr || onResource_; }
  size_t ReadAt(uint64_t offset, void* out, size_t bytes);
  bool FindChunk(const char id[4], uint64_t from, uint64_t* dataOffset, uint32_t* size);
  WaveResult OpenResource(const wchar_t* path);
  WaveResult ReadHeader();
  WaveResult WriteHeader();
  WaveResult FinishWriting();
  void ForgetFormat();

  WaveFormat format_;
  bool hasFormat_ = false;
  std::vector<uint8_t> formatExtra_;

  std::FILE* file_ = nullptr;
  bool onResource_ = false;           // reading a RIFF image in resourceCopy_
  std::vector<uint8_t> resourceCopy_;
  uint64_t sourceSize_ = 0;           // bytes of the file or resource image
  uint64_t riffEnd_ = 0;              // end of the RIFF chunk, within sourceSize_

  uint64_t dataOffset_ = 0;           // the "data" chunk's bytes
  uint32_t dataSize_ = 0;
  uint64_t readOffset_ = 0;
  uint32_t remaining_ = 0;

  uint32_t size_ = 0;
  uint32_t mode_ = kWaveOpenRead;

  bool fromMemory_ = false;
  const uint8_t* memoryData_ = nullptr;
  const uint8_t* memoryCurrent_ = nullptr;
  uint32_t memorySize_ = 0;

  uint64_t dataHeaderOffset_ = 0;     // writing: where the "data" header is
  uint64_t dataWritten_ = 0;
  bool dataStarted_ = false;
};
