// Feeds arbitrary bytes to the WAV reader three ways: as a file on disk, as a
// module resource (the in-memory RIFF path) and as raw sample data in memory.
// Every read must stay within the bytes given.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "host/wave_file.h"
#include "platform/paths.h"
#include "platform/resources.h"

namespace {

void Drain(CWaveFile& wave) {
  std::vector<uint8_t> block(97);
  for (int pass = 0; pass < 2; ++pass) {
    uint32_t got = 0;
    do {
      if (wave.Read(block.data(), static_cast<uint32_t>(block.size()), &got) < 0) break;
    } while (got != 0);
    wave.ResetFile();
  }
}

std::string TempPath() {
  static const std::string path = "/tmp/halcyon-wave-fuzz-" + std::to_string(getpid()) + ".wav";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = TempPath();
  if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    CWaveFile wave;
    if (wave.Open(platform::Widen(path).c_str(), nullptr, kWaveOpenRead) >= 0) Drain(wave);
  }

  platform::ClearModuleResources();
  platform::RegisterModuleResource(L"fuzz.wav", L"WAV", std::vector<uint8_t>(data, data + size));
  CWaveFile fromResource;
  if (fromResource.Open(L"fuzz.wav", nullptr, kWaveOpenRead) >= 0) Drain(fromResource);

  // Raw samples: the first bytes choose a format, the rest are the data.
  WaveFormat format;
  if (size >= 4) {
    format.channels = static_cast<uint16_t>(1 + data[0] % 2);
    format.bitsPerSample = data[1] % 2 == 0 ? 8 : 16;
    format.blockAlign = static_cast<uint16_t>(format.channels * format.bitsPerSample / 8);
    format.samplesPerSec = 11025u << (data[2] % 3);
    format.avgBytesPerSec = format.samplesPerSec * format.blockAlign;
  }
  CWaveFile fromMemory;
  if (fromMemory.OpenFromMemory(data, static_cast<uint32_t>(size), &format, kWaveOpenRead) >= 0) Drain(fromMemory);
  return 0;
}
