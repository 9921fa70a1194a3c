// The WAV reader and writer: files of many shapes read right, broken ones
// refused with the right code, nothing read past the bytes present.
#include <gtest/gtest.h>

#include "host/wave_file.h"
#include "platform/resources.h"
#include "tests/sound_test_support.h"

namespace snd = platform::sound;
using namespace testsupport;

namespace {

class WaveFileTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::ClearModuleResources(); }
  void TearDown() override { platform::ClearModuleResources(); }

  // Opens `bytes` written to a file; the reader's result.
  WaveResult OpenBytes(CWaveFile& wave, const Bytes& bytes) {
    WriteBytes("test.wav", bytes);
    return wave.Open(L"test.wav", nullptr, kWaveOpenRead);
  }

  // Everything the reader gives, in reads of `step` bytes.
  static Bytes ReadAll(CWaveFile& wave, uint32_t step) {
    Bytes all;
    Bytes block(step);
    for (;;) {
      uint32_t got = 0;
      EXPECT_EQ(wave.Read(block.data(), step, &got), snd::kOk);
      if (got == 0) return all;
      all.insert(all.end(), block.begin(), block.begin() + got);
    }
  }

  TempFolder folder_;
};

struct PcmShape {
  uint16_t bits;
  uint16_t channels;
  uint32_t rate;
};

TEST_F(WaveFileTest, ReadsPcmOfEveryCommonShape) {
  const PcmShape shapes[] = {{8, 1, 11025},  {8, 2, 11025},  {16, 1, 11025}, {16, 2, 11025},
                             {8, 1, 22050},  {16, 1, 22050}, {16, 2, 22050}, {8, 2, 44100},
                             {16, 1, 44100}, {16, 2, 44100}, {8, 1, 16000}, {16, 2, 32000}};
  for (const PcmShape& shape : shapes) {
    SCOPED_TRACE(testing::Message() << shape.bits << " bit, " << shape.channels << " ch, " << shape.rate << " Hz");
    const uint32_t block = shape.channels * shape.bits / 8u;
    const Bytes samples = Pattern(block * 301);
    CWaveFile wave;
    ASSERT_EQ(OpenBytes(wave, SimpleWav({1, shape.channels, shape.rate, shape.bits}, samples)), snd::kOk);
    const WaveFormat* format = wave.GetFormat();
    ASSERT_NE(format, nullptr);
    EXPECT_EQ(format->formatTag, 1);
    EXPECT_EQ(format->channels, shape.channels);
    EXPECT_EQ(format->samplesPerSec, shape.rate);
    EXPECT_EQ(format->bitsPerSample, shape.bits);
    EXPECT_EQ(format->blockAlign, block);
    EXPECT_EQ(format->extraSize, 0);
    EXPECT_EQ(wave.GetSize(), samples.size());
    EXPECT_EQ(ReadAll(wave, 37), samples);

    // Past the end only what remains comes back; a reset starts over.
    uint8_t spare[8];
    uint32_t got = 99;
    EXPECT_EQ(wave.Read(spare, sizeof spare, &got), snd::kOk);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(wave.ResetFile(), snd::kOk);
    EXPECT_EQ(ReadAll(wave, 1000), samples);
  }
}

TEST_F(WaveFileTest, ReadsExtendedFormatHeaders) {
  const Bytes samples = Pattern(64);
  {  // extensible format: 22 extra bytes counted and present
    Fmt fmt{0xFFFE, 2, 44100, 16, 22, Pattern(22)};
    CWaveFile wave;
    ASSERT_EQ(OpenBytes(wave, SimpleWav(fmt, samples)), snd::kOk);
    EXPECT_EQ(wave.GetFormat()->formatTag, 0xFFFE);
    EXPECT_EQ(wave.GetFormat()->extraSize, 22);
    EXPECT_EQ(wave.GetFormatExtra(), Pattern(22));
    EXPECT_EQ(ReadAll(wave, 10), samples);
  }
  {  // floating point samples with an 18-byte chunk and no extra bytes
    Fmt fmt{3, 1, 22050, 32, 0, {}};
    CWaveFile wave;
    ASSERT_EQ(OpenBytes(wave, SimpleWav(fmt, samples)), snd::kOk);
    EXPECT_EQ(wave.GetFormat()->formatTag, 3);
    EXPECT_EQ(wave.GetFormat()->extraSize, 0);
  }
  {  // a non-PCM tag in a 16-byte chunk: no count is read beyond the chunk
    Fmt fmt{3, 1, 22050, 32, -1, {}};
    Bytes wav = Riff({Chunk("fmt ", FmtBody(fmt)), Chunk("data", samples)});
    CWaveFile wave;
    ASSERT_EQ(OpenBytes(wave, wav), snd::kOk);
    EXPECT_EQ(wave.GetFormat()->extraSize, 0);
    EXPECT_TRUE(wave.GetFormatExtra().empty());
  }
  {  // a PCM chunk of 18 bytes whose count field is junk: PCM takes none
    Fmt fmt{1, 1, 22050, 16, 0x7777, {}};
    CWaveFile wave;
    ASSERT_EQ(OpenBytes(wave, SimpleWav(fmt, samples)), snd::kOk);
    EXPECT_EQ(wave.GetFormat()->extraSize, 0);
  }
  {  // a count larger than the chunk holds
    Fmt fmt{0xFFFE, 2, 44100, 16, 22, Pattern(10)};
    CWaveFile wave;
    EXPECT_EQ(OpenBytes(wave, SimpleWav(fmt, samples)), snd::kFail);
    EXPECT_EQ(wave.GetFormat(), nullptr);
  }
}

TEST_F(WaveFileTest, FindsDataAmongOtherChunksWithPadBytes) {
  const Bytes samples = Pattern(7);  // odd: a pad byte follows
  const Bytes wav = Riff({Chunk("LIST", Pattern(5)), Chunk("fmt ", FmtBody({1, 1, 11025, 8})),
                          Chunk("fact", {1, 0, 0, 0}), Chunk("junk", Pattern(3)), Chunk("data", samples),
                          Chunk("cue ", Pattern(9)), Chunk("smpl", Pattern(4))});
  CWaveFile wave;
  ASSERT_EQ(OpenBytes(wave, wav), snd::kOk);
  EXPECT_EQ(wave.GetSize(), 7u);
  EXPECT_EQ(ReadAll(wave, 4), samples);

  // The "data" chunk may also come before "fmt ".
  const Bytes reversed = Riff({Chunk("data", samples), Chunk("fmt ", FmtBody({1, 1, 11025, 8}))});
  CWaveFile second;
  ASSERT_EQ(OpenBytes(second, reversed), snd::kOk);
  EXPECT_EQ(ReadAll(second, 100), samples);
}

TEST_F(WaveFileTest, RefusesBrokenFilesWithFail) {
  const Bytes fmt = Chunk("fmt ", FmtBody({1, 1, 22050, 16}));
  const Bytes data = Chunk("data", Pattern(100));
  const Bytes good = Riff({fmt, data});
  Bytes fmtCut(good.begin(), good.begin() + 12 + 8 + 10);  // file ends inside "fmt "
  const struct {
    const char* what;
    Bytes bytes;
  } cases[] = {
      {"empty file", {}},
      {"only the RIFF tag", {'R', 'I', 'F', 'F'}},
      {"not RIFF", [&] { Bytes b = good; b[3] = 'X'; return b; }()},
      {"RIFF of another form", Riff({fmt, data}, -1, "AVI ")},
      {"RIFF size below 4", Riff({fmt, data}, 2)},
      {"no fmt chunk", Riff({data})},
      {"fmt shorter than 16", Riff({Chunk("fmt ", Bytes(14, 1)), data})},
      {"fmt cut short by the end of file", fmtCut},
      {"fmt beyond the RIFF size", Riff({data, fmt}, 4 + 108)},
      {"no data chunk", Riff({fmt, Chunk("LIST", Pattern(8))})},
      {"no channels", Riff({Chunk("fmt ", FmtBody({1, 0, 22050, 16})), data})},
      {"no rate", Riff({Chunk("fmt ", FmtBody({1, 1, 0, 16})), data})},
      {"PCM of 12 bits", Riff({Chunk("fmt ", FmtBody({1, 1, 22050, 12})), data})},
      {"PCM block size wrong", [&] {
         Bytes body = FmtBody({1, 2, 22050, 16});
         body[12] = 3;
         return Riff({Chunk("fmt ", body), data});
       }()},
      {"text file", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '\n', 'x', 'y'}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CWaveFile wave;
    EXPECT_EQ(OpenBytes(wave, c.bytes), snd::kFail);
    EXPECT_EQ(wave.GetFormat(), nullptr);
    EXPECT_EQ(wave.GetSize(), 0u);
    uint8_t spare[4];
    uint32_t got = 0;
    EXPECT_EQ(wave.Read(spare, 4, &got), snd::kNotInitialized);
  }
  CWaveFile missing;
  EXPECT_EQ(missing.Open(L"nowhere.wav", nullptr, kWaveOpenRead), snd::kFail);
}

TEST_F(WaveFileTest, TakesOnlyTheDataBytesPresent) {
  const Bytes samples = Pattern(10);
  // The data chunk claims 100000 bytes, the file ends after 10 of them.
  const Bytes wav = Riff({Chunk("fmt ", FmtBody({1, 1, 22050, 16})), Chunk("data", samples, 100000, false)});
  CWaveFile wave;
  ASSERT_EQ(OpenBytes(wave, wav), snd::kOk);
  EXPECT_EQ(wave.GetSize(), 10u);
  EXPECT_EQ(ReadAll(wave, 64), samples);

  // The same image as a resource: the reader works on an exact-size copy, so a
  // read past its end would show under the address sanitizer.
  platform::RegisterModuleResource(L"Sound\\short.wav", L"WAVE", wav);
  CWaveFile fromResource;
  ASSERT_EQ(fromResource.Open(L"Sound\\short.wav", nullptr, kWaveOpenRead), snd::kOk);
  EXPECT_EQ(fromResource.GetSize(), 10u);
  EXPECT_EQ(ReadAll(fromResource, 3), samples);

  // A RIFF size smaller than the file limits the chunks to what it covers.
  const Bytes cut = Riff({Chunk("fmt ", FmtBody({1, 1, 22050, 16})), Chunk("data", Pattern(40))}, 4 + 24 + 8 + 20);
  CWaveFile limited;
  ASSERT_EQ(OpenBytes(limited, cut), snd::kOk);
  EXPECT_EQ(limited.GetSize(), 20u);
}

TEST_F(WaveFileTest, ZeroLengthDataOpensEmpty) {
  CWaveFile wave;
  ASSERT_EQ(OpenBytes(wave, SimpleWav({1, 1, 22050, 16}, {})), snd::kOk);
  EXPECT_EQ(wave.GetSize(), 0u);
  uint8_t spare[4];
  uint32_t got = 7;
  EXPECT_EQ(wave.Read(spare, 4, &got), snd::kOk);
  EXPECT_EQ(got, 0u);
}

TEST_F(WaveFileTest, WritesWhatItReadsBack) {
  const Bytes samples = Pattern(1001);  // odd: the writer pads the chunk
  WaveFormat format{1, 2, 22050, 88200, 4, 16, 0};
  {
    CWaveFile writer;
    ASSERT_EQ(writer.Open(L"written.wav", &format, kWaveOpenWrite), snd::kOk);
    uint32_t written = 0;
    ASSERT_EQ(writer.Write(600, samples.data(), &written), snd::kOk);
    EXPECT_EQ(written, 600u);
    ASSERT_EQ(writer.Write(401, samples.data() + 600, &written), snd::kOk);
    uint32_t got = 5;
    uint8_t spare[4];
    EXPECT_EQ(writer.Read(spare, 4, &got), snd::kOk);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(writer.Close(), snd::kOk);
  }
  const Bytes file = ReadBytes("written.wav");
  ASSERT_EQ(file.size() % 2, 0u);
  EXPECT_EQ(file.size(), 12u + 24 + 12 + 8 + 1002);
  EXPECT_EQ(std::string(file.begin() + 36, file.begin() + 40), "fact");
  EXPECT_EQ(file[44] | file[45] | file[46] | file[47], 0);

  CWaveFile reader;
  ASSERT_EQ(reader.Open(L"written.wav", nullptr, kWaveOpenRead), snd::kOk);
  EXPECT_EQ(reader.GetFormat()->channels, 2);
  EXPECT_EQ(reader.GetFormat()->samplesPerSec, 22050u);
  EXPECT_EQ(reader.GetSize(), 1001u);
  EXPECT_EQ(ReadAll(reader, 333), samples);

  // A non-PCM format keeps its extra bytes.
  WaveFormat adpcm{0x11, 1, 22050, 11100, 512, 4, 2};
  const Bytes extra = {0xF9, 0x03};
  {
    CWaveFile writer;
    EXPECT_EQ(writer.Open(L"adpcm.wav", &adpcm, kWaveOpenWrite), snd::kInvalidArg);  // extra bytes missing
    ASSERT_EQ(writer.Open(L"adpcm.wav", &adpcm, kWaveOpenWrite, &extra), snd::kOk);
    uint32_t written = 0;
    ASSERT_EQ(writer.Write(512, Pattern(512).data(), &written), snd::kOk);
  }  // the destructor finishes the file
  CWaveFile adpcmReader;
  ASSERT_EQ(adpcmReader.Open(L"adpcm.wav", nullptr, kWaveOpenRead), snd::kOk);
  EXPECT_EQ(adpcmReader.GetFormat()->formatTag, 0x11);
  EXPECT_EQ(adpcmReader.GetFormatExtra(), extra);
  EXPECT_EQ(ReadAll(adpcmReader, 100), Pattern(512));
}

TEST_F(WaveFileTest, FallsBackToModuleResourcesWaveThenWav) {
  const Bytes fromWav = SimpleWav({1, 1, 22050, 8}, Pattern(30));
  const Bytes fromWave = SimpleWav({1, 1, 22050, 8}, Pattern(50));
  CWaveFile wave;
  EXPECT_EQ(wave.Open(L"Sound\\HalcyonPro\\VXMD80 Test.wav", nullptr, kWaveOpenRead), snd::kFail);

  platform::RegisterModuleResource(L"Sound\\HalcyonPro\\VXMD80 Test.wav", L"WAV", fromWav);
  ASSERT_EQ(wave.Open(L"Sound\\HalcyonPro\\VXMD80 Test.wav", nullptr, kWaveOpenRead), snd::kOk);
  EXPECT_EQ(wave.GetSize(), 30u);

  platform::RegisterModuleResource(L"sound\\halcyonpro\\vxmd80 test.wav", L"wave", fromWave);
  ASSERT_EQ(wave.Open(L"Sound\\HalcyonPro\\VXMD80 Test.wav", nullptr, kWaveOpenRead), snd::kOk);
  EXPECT_EQ(wave.GetSize(), 50u);
  EXPECT_EQ(ReadAll(wave, 16), Pattern(50));

  // A file on disk wins over the resource, found without regard to case.
  WriteBytes("Sound/HalcyonPro/VXMD80 Test.wav", SimpleWav({1, 1, 22050, 8}, Pattern(70)));
  ASSERT_EQ(wave.Open(L"SOUND\\halcyonpro\\vxmd80 TEST.wav", nullptr, kWaveOpenRead), snd::kOk);
  EXPECT_EQ(wave.GetSize(), 70u);

  // A broken resource is refused like a broken file.
  platform::RegisterModuleResource(L"broken.wav", L"WAV", Bytes{'R', 'I', 'F', 'F', 4, 0});
  EXPECT_EQ(wave.Open(L"broken.wav", nullptr, kWaveOpenRead), snd::kFail);
  platform::RegisterModuleResource(L"empty.wav", L"WAV", Bytes{});
  EXPECT_EQ(wave.Open(L"empty.wav", nullptr, kWaveOpenRead), snd::kFail);
}

TEST_F(WaveFileTest, ReadsSampleDataHeldInMemory) {
  const Bytes samples = Pattern(100);
  const WaveFormat format{1, 1, 22050, 44100, 2, 16, 0};
  CWaveFile wave;
  EXPECT_EQ(wave.OpenFromMemory(samples.data(), 100, &format, kWaveOpenWrite), snd::kNotImplemented);
  ASSERT_EQ(wave.OpenFromMemory(samples.data(), 100, &format, kWaveOpenRead), snd::kOk);
  EXPECT_EQ(wave.GetSize(), 100u);
  EXPECT_EQ(wave.GetFormat()->samplesPerSec, 22050u);
  EXPECT_EQ(ReadAll(wave, 30), samples);
  EXPECT_EQ(wave.ResetFile(), snd::kOk);
  EXPECT_EQ(ReadAll(wave, 64), samples);
  uint32_t written = 0;
  EXPECT_EQ(wave.Write(4, samples.data(), &written), snd::kNotImplemented);

  CWaveFile noData;
  ASSERT_EQ(noData.OpenFromMemory(nullptr, 100, &format, kWaveOpenRead), snd::kOk);
  uint8_t spare[4];
  uint32_t got = 0;
  EXPECT_EQ(noData.Read(spare, 4, &got), snd::kNotInitialized);
}

TEST_F(WaveFileTest, GivesTheArgumentAndStateCodes) {
  CWaveFile wave;
  uint8_t spare[4];
  uint32_t count = 0;
  EXPECT_EQ(wave.Open(nullptr, nullptr, kWaveOpenRead), snd::kInvalidArg);
  EXPECT_EQ(wave.Open(L"x.wav", nullptr, kWaveOpenWrite), snd::kInvalidArg);  // writing needs a format
  EXPECT_EQ(wave.Read(spare, 4, &count), snd::kNotInitialized);
  EXPECT_EQ(wave.Write(4, spare, &count), snd::kNotInitialized);
  EXPECT_EQ(wave.ResetFile(), snd::kNotInitialized);
  EXPECT_EQ(wave.Close(), snd::kOk);

  ASSERT_EQ(OpenBytes(wave, SimpleWav({1, 1, 22050, 16}, Pattern(8))), snd::kOk);
  EXPECT_EQ(wave.Read(nullptr, 4, &count), snd::kInvalidArg);
  EXPECT_EQ(wave.Read(spare, 4, nullptr), snd::kInvalidArg);
  EXPECT_EQ(wave.Write(4, spare, &count), snd::kFail);  // opened for reading
  EXPECT_EQ(wave.Close(), snd::kOk);
  EXPECT_EQ(wave.Read(spare, 4, &count), snd::kNotInitialized);

  const WaveFormat format{1, 1, 22050, 44100, 2, 16, 0};
  EXPECT_EQ(wave.Open(L"no-such-folder/x.wav", &format, kWaveOpenWrite), snd::kFail);
}

}  // namespace
