// Helpers for the WAV and sound tests: RIFF images built chunk by chunk, a
// temporary working folder per test, tones to play, and the mixed WAV of a
// run read back for its levels.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "host/wave_file.h"
#include "platform/paths.h"
#include "platform/sound_device.h"

namespace testsupport {

using Bytes = std::vector<uint8_t>;

inline void Put16(Bytes& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void Put32(Bytes& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A chunk with its header; `declaredSize` overrides the size field, and an
// odd body gets its pad byte unless `pad` is false.
inline Bytes Chunk(const char* id, const Bytes& body, int64_t declaredSize = -1, bool pad = true) {
  Bytes out(id, id + 4);
  Put32(out, declaredSize >= 0 ? static_cast<uint32_t>(declaredSize) : static_cast<uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  if (pad && (body.size() & 1u) != 0) out.push_back(0);
  return out;
}

struct Fmt {
  Fmt(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, int extraCount = -1, Bytes extra = {})
      : tag(tag), channels(channels), rate(rate), bits(bits), extraCount(extraCount), extra(std::move(extra)) {}
  uint16_t tag;
  uint16_t channels;
  uint32_t rate;
  uint16_t bits;
  int extraCount;  // -1: no count field (16-byte chunk)
  Bytes extra;
};

inline Bytes FmtBody(const Fmt& fmt) {
  Bytes out;
  const uint16_t block = static_cast<uint16_t>(fmt.channels * fmt.bits / 8);
  Put16(out, fmt.tag);
  Put16(out, fmt.channels);
  Put32(out, fmt.rate);
  Put32(out, fmt.rate * block);
  Put16(out, block);
  Put16(out, fmt.bits);
  if (fmt.extraCount >= 0) {
    Put16(out, static_cast<uint32_t>(fmt.extraCount));
    out.insert(out.end(), fmt.extra.begin(), fmt.extra.end());
  }
  return out;
}

// "RIFF" + size + "WAVE" + the chunks; `declaredSize` overrides the size.
inline Bytes Riff(const std::vector<Bytes>& chunks, int64_t declaredSize = -1, const char* form = "WAVE") {
  Bytes body(form, form + 4);
  for (const Bytes& chunk : chunks) body.insert(body.end(), chunk.begin(), chunk.end());
  return Chunk("RIFF", body, declaredSize, false);
}

inline Bytes SimpleWav(const Fmt& fmt, const Bytes& samples) {
  return Riff({Chunk("fmt ", FmtBody(fmt)), Chunk("data", samples)});
}

// Recognisable sample bytes: byte i is (i * 7 + 3) mod 256.
inline Bytes Pattern(size_t count) {
  Bytes out(count);
  for (size_t i = 0; i < count; ++i) out[i] = static_cast<uint8_t>(i * 7 + 3);
  return out;
}

// A sine tone, 16-bit mono, at `amplitude` of full scale.
inline Bytes Tone16(uint32_t rate, uint32_t ms, double hz, double amplitude = 0.5) {
  Bytes out;
  const uint32_t frames = rate * ms / 1000;
  for (uint32_t i = 0; i < frames; ++i) {
    const double value = amplitude * std::sin(2.0 * M_PI * hz * i / rate);
    Put16(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(value * 32767.0))));
  }
  return out;
}

inline void WriteBytes(const std::string& path, const Bytes& bytes) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Each test works in a folder of its own, the simulator folder of that test.
class TempFolder {
 public:
  TempFolder() {
    previous_ = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "halcyon-sound-XXXXXX").string();
    const char* made = mkdtemp(pattern.data());
    EXPECT_NE(made, nullptr);
    path_ = pattern;
    std::filesystem::current_path(path_);
  }
  ~TempFolder() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

// A 16-bit stereo WAV as the mixer writes it, and its loudness over time.
struct Mix {
  uint32_t rate = 0;
  std::vector<int16_t> left;
  std::vector<int16_t> right;

  // RMS level, 0..1, of one channel between two times.
  double Rms(const std::vector<int16_t>& channel, uint32_t fromMs, uint32_t toMs) const {
    const size_t from = static_cast<size_t>(fromMs) * rate / 1000;
    const size_t to = std::min(channel.size(), static_cast<size_t>(toMs) * rate / 1000);
    double sum = 0.0;
    for (size_t i = from; i < to; ++i) sum += (channel[i] / 32768.0) * (channel[i] / 32768.0);
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
  }
  double Rms(uint32_t fromMs, uint32_t toMs) const {
    return std::max(Rms(left, fromMs, toMs), Rms(right, fromMs, toMs));
  }
};

inline Mix ReadMix(const std::string& path) {
  Mix mix;
  CWaveFile wave;
  EXPECT_EQ(wave.Open(platform::Widen(path).c_str(), nullptr, kWaveOpenRead), platform::sound::kOk);
  if (wave.GetFormat() == nullptr) return mix;
  EXPECT_EQ(wave.GetFormat()->channels, 2);
  EXPECT_EQ(wave.GetFormat()->bitsPerSample, 16);
  mix.rate = wave.GetFormat()->samplesPerSec;
  Bytes data(wave.GetSize());
  uint32_t got = 0;
  EXPECT_EQ(wave.Read(data.data(), wave.GetSize(), &got), platform::sound::kOk);
  for (size_t i = 0; i + 3 < data.size(); i += 4) {
    mix.left.push_back(static_cast<int16_t>(data[i] | (data[i + 1] << 8)));
    mix.right.push_back(static_cast<int16_t>(data[i + 2] | (data[i + 3] << 8)));
  }
  return mix;
}

}  // namespace testsupport
