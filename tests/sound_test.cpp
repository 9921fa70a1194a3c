// The sound layer over the software sound card: device set-up and its
// failures, sounds that play for their length on the simulated clock, loss and
// restore, the sound log, and the mixer's picture of a run.
#include "host/sound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "core/tokens.h"
#include "host/sound_slots.h"
#include "platform/paths.h"
#include "platform/resources.h"
#include "platform/simulator.h"
#include "platform/sound_device.h"
#include "tests/sound_test_support.h"

namespace snd = platform::sound;
using namespace testsupport;

namespace {

constexpr uint32_t kSlotControls = snd::kCapsFrequency | snd::kCapsPan | snd::kCapsVolume;  // 0xE0

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    snd::ResetSoundDevice();
    platform::ResetSystem();
    platform::sim::ResetSimulator();
    platform::ClearModuleResources();
  }
  void TearDown() override { snd::ResetSoundDevice(); }

  // A device set up as the cockpit sets it up.
  CSoundDevice& Device() {
    if (device_.Device() == 0) {
      EXPECT_EQ(device_.Initialize(platform::FindWindowByClass(L"FS98MAIN"), 2), snd::kOk);
      EXPECT_EQ(device_.SetPrimaryBufferFormat(2, 22050, 16), snd::kOk);
    }
    return device_;
  }

  // A tone file below the simulator folder; returns its module path.
  std::wstring AddTone(const std::string& name, uint32_t ms, double hz = 440.0, double amplitude = 0.5,
                       uint32_t rate = 22050) {
    const std::string path = "Sound/HalcyonPro/VXMD80 " + name + ".wav";
    WriteBytes(path, SimpleWav({1, 1, rate, 16}, Tone16(rate, ms, hz, amplitude)));
    return L"Sound\\HalcyonPro\\VXMD80 " + platform::Widen(name) + L".wav";
  }

  std::unique_ptr<CSound> Load(const std::wstring& path, uint32_t flags = kSlotControls, uint32_t buffers = 1) {
    std::unique_ptr<CSound> sound;
    EXPECT_GE(Device().Create(&sound, path.c_str(), flags, {}, buffers), 0);
    return sound;
  }

  static void Run(uint64_t ms) { platform::AdvanceClockMs(ms); }

  static std::vector<snd::SoundLogEntry> Logged(snd::SoundOp op) {
    std::vector<snd::SoundLogEntry> found;
    for (const auto& entry : snd::SoundLog()) {
      if (entry.op == op) found.push_back(entry);
    }
    return found;
  }

  TempFolder folder_;
  CSoundDevice device_;
};

// ---- Device set-up -------------------------------------------------------------

TEST_F(SoundTest, DeviceSetUpAndItsInjectedFailures) {
  CSoundDevice device;
  std::unique_ptr<CSound> sound;
  EXPECT_EQ(device.SetPrimaryBufferFormat(2, 22050, 16), snd::kNotInitialized);
  EXPECT_EQ(device.Create(&sound, L"x.wav"), snd::kNotInitialized);

  snd::FailNextDeviceCreations(1);
  EXPECT_EQ(device.Initialize(platform::FindWindowByClass(L"FS98MAIN"), 2), snd::kFail);
  EXPECT_EQ(device.Device(), 0u);

  platform::SetMainWindowPresent(false);  // no simulator window to cooperate with
  EXPECT_EQ(device.Initialize(platform::FindWindowByClass(L"FS98MAIN"), 2), snd::kInvalidArg);
  platform::SetMainWindowPresent(true);

  ASSERT_EQ(device.Initialize(platform::FindWindowByClass(L"FS98MAIN"), 2), snd::kOk);
  snd::FailNextPrimaryFormats(1);
  EXPECT_EQ(device.SetPrimaryBufferFormat(2, 22050, 16), snd::kFail);
  EXPECT_EQ(device.SetPrimaryBufferFormat(2, 22050, 16), snd::kOk);
  snd::WaveFormat primary;
  ASSERT_EQ(snd::GetPrimaryFormat(device.Device(), &primary), snd::kOk);
  EXPECT_EQ(primary.channels, 2);
  EXPECT_EQ(primary.samplesPerSec, 22050u);
  EXPECT_EQ(primary.blockAlign, 4);
  EXPECT_EQ(primary.avgBytesPerSec, 88200u);
  EXPECT_EQ(snd::LiveBufferCount(), 0u);  // the primary buffer was let go
}

TEST_F(SoundTest, CreateRefusesMissingEmptyAndUnbuildableSounds) {
  std::unique_ptr<CSound> sound;
  EXPECT_EQ(Device().Create(&sound, nullptr, kSlotControls), snd::kInvalidArg);
  EXPECT_EQ(Device().Create(nullptr, L"x.wav", kSlotControls), snd::kInvalidArg);
  EXPECT_EQ(Device().Create(&sound, L"x.wav", kSlotControls, {}, 0), snd::kInvalidArg);
  EXPECT_EQ(Device().Create(&sound, L"Sound\\missing.wav", kSlotControls), snd::kFail);

  WriteBytes("empty.wav", SimpleWav({1, 1, 22050, 16}, {}));
  EXPECT_EQ(Device().Create(&sound, L"empty.wav", kSlotControls), snd::kFail);
  WriteBytes("broken.wav", Bytes{'R', 'I', 'F', 'F'});
  EXPECT_EQ(Device().Create(&sound, L"broken.wav", kSlotControls), snd::kFail);

  const std::wstring tone = AddTone("Tone", 100);
  snd::FailNextBufferCreations(1);
  EXPECT_EQ(Device().Create(&sound, tone.c_str(), kSlotControls), snd::kOutOfMemory);
  // The third of three buffers fails: the two made before it are let go too.
  snd::FailNextBufferCreations(1, 2);
  EXPECT_EQ(Device().Create(&sound, tone.c_str(), kSlotControls, {}, 3), snd::kOutOfMemory);
  EXPECT_EQ(sound, nullptr);
  EXPECT_EQ(snd::LiveBufferCount(), 0u);

  snd::ClearSoundLog();
  ASSERT_EQ(Device().Create(&sound, tone.c_str(), kSlotControls, {}, 3), snd::kOk);
  EXPECT_EQ(sound->BufferCount(), 3u);
  EXPECT_EQ(Logged(snd::SoundOp::Duplicate).size(), 2u);
  sound.reset();
  EXPECT_EQ(snd::LiveBufferCount(), 0u);
}

// ---- Playing on the simulated clock -----------------------------------------------

TEST_F(SoundTest, OneShotPlaysForItsLengthAndLogsWhatHappened) {
  const std::wstring path = AddTone("AP Disconnect", 500);
  platform::sim::SetToken(halcyon::TokenNumber(halcyon::Token::Tick18), 1234.0);
  std::unique_ptr<CSound> sound = Load(path);
  ASSERT_NE(sound, nullptr);
  EXPECT_FALSE(sound->IsPlaying());
  // The buffer holds the file's samples.
  EXPECT_EQ(snd::BufferBytes(sound->GetBuffer(0)), Tone16(22050, 500, 440.0, 0.5));

  Run(1000);
  platform::sim::SetToken(halcyon::TokenNumber(halcyon::Token::Tick18), 1252.0);
  ASSERT_EQ(sound->Play(0, 0, -700), snd::kOk);
  EXPECT_TRUE(sound->IsPlaying());
  Run(499);
  EXPECT_TRUE(sound->IsPlaying());
  Run(1);
  EXPECT_FALSE(sound->IsPlaying());

  const auto created = Logged(snd::SoundOp::Create);
  ASSERT_EQ(created.size(), 1u);
  EXPECT_EQ(created[0].source, "Sound\\HalcyonPro\\VXMD80 AP Disconnect.wav");
  EXPECT_EQ(created[0].tick18, 1234.0);
  const auto played = Logged(snd::SoundOp::Play);
  ASSERT_EQ(played.size(), 1u);
  EXPECT_EQ(played[0].ms, 1000u);
  EXPECT_EQ(played[0].tick18, 1252.0);
  EXPECT_FALSE(played[0].loop);
  EXPECT_EQ(played[0].volume, -700);
  EXPECT_EQ(played[0].frequencyHz, 0u);
  EXPECT_EQ(played[0].pan, 0);
  EXPECT_EQ(played[0].source, created[0].source);

  // Finished by itself, it plays whole again.
  ASSERT_EQ(sound->Play(), snd::kOk);
  Run(499);
  EXPECT_TRUE(sound->IsPlaying());

  snd::ClearSoundLog();
  EXPECT_TRUE(snd::SoundLog().empty());
}

TEST_F(SoundTest, LoopPlaysUntilStoppedAndResetRewinds) {
  std::unique_ptr<CSound> wind = Load(AddTone("-gear_wind", 200));
  ASSERT_EQ(wind->Play(0, snd::kPlayLooping), snd::kOk);
  Run(60000);
  EXPECT_TRUE(wind->IsPlaying());
  EXPECT_TRUE(Logged(snd::SoundOp::Play).back().loop);

  uint32_t position = 0;
  ASSERT_EQ(snd::GetCurrentPosition(wind->GetBuffer(0), &position, nullptr), snd::kOk);
  EXPECT_EQ(position, 0u);  // 60 s is a whole number of 200 ms turns
  Run(100);
  ASSERT_EQ(snd::GetCurrentPosition(wind->GetBuffer(0), &position, nullptr), snd::kOk);
  EXPECT_EQ(position, 2205u * 2);

  ASSERT_EQ(wind->Stop(), snd::kOk);
  EXPECT_FALSE(wind->IsPlaying());
  Run(1000);
  ASSERT_EQ(snd::GetCurrentPosition(wind->GetBuffer(0), &position, nullptr), snd::kOk);
  EXPECT_EQ(position, 2205u * 2);  // a stopped buffer keeps its place
  ASSERT_EQ(wind->Reset(), snd::kOk);
  ASSERT_EQ(snd::GetCurrentPosition(wind->GetBuffer(0), &position, nullptr), snd::kOk);
  EXPECT_EQ(position, 0u);
  EXPECT_EQ(Logged(snd::SoundOp::Stop).size(), 1u);
  EXPECT_EQ(Logged(snd::SoundOp::Position).size(), 1u);
}

TEST_F(SoundTest, PlayingAPlayingOneBufferSoundGoesOnWithNewControls) {
  std::unique_ptr<CSound> sound = Load(AddTone("Altitude Alert", 1000));
  ASSERT_EQ(sound->Play(0, 0, -100, -1, 0), snd::kOk);
  Run(300);
  ASSERT_EQ(sound->Play(0, 0, -2000, 22050, -500), snd::kOk);  // restarts nothing
  uint32_t position = 0;
  ASSERT_EQ(snd::GetCurrentPosition(sound->GetBuffer(0), &position, nullptr), snd::kOk);
  EXPECT_EQ(position, 6615u * 2);
  Run(699);
  EXPECT_TRUE(sound->IsPlaying());
  Run(1);
  EXPECT_FALSE(sound->IsPlaying());  // 1000 ms after the first start

  const auto played = Logged(snd::SoundOp::Play);
  ASSERT_EQ(played.size(), 2u);
  EXPECT_EQ(played[1].volume, -2000);
  EXPECT_EQ(played[1].frequencyHz, 22050u);
  EXPECT_EQ(played[1].pan, -500);
}

TEST_F(SoundTest, BufferControlsKeepTheirRanges) {
  std::unique_ptr<CSound> sound = Load(AddTone("-minimums", 1000));
  const SoundBuffer buffer = sound->GetBuffer(0);
  EXPECT_EQ(snd::SetVolume(buffer, -10001), snd::kInvalidArg);
  EXPECT_EQ(snd::SetVolume(buffer, 1), snd::kInvalidArg);
  EXPECT_EQ(snd::SetVolume(buffer, -10000), snd::kOk);
  EXPECT_EQ(snd::SetFrequency(buffer, 99), snd::kInvalidArg);
  EXPECT_EQ(snd::SetFrequency(buffer, 200001), snd::kInvalidArg);
  EXPECT_EQ(snd::SetFrequency(buffer, 0), snd::kOk);
  EXPECT_EQ(snd::SetPan(buffer, 10001), snd::kInvalidArg);
  EXPECT_EQ(snd::SetPan(buffer, -10001), snd::kInvalidArg);
  EXPECT_EQ(snd::SetPan(buffer, 10000), snd::kOk);
  EXPECT_EQ(Logged(snd::SoundOp::Volume).size(), 1u);
  EXPECT_EQ(Logged(snd::SoundOp::Pan).back().pan, 10000);

  // Twice the rate: the sound is over in half the time, and frequency 0 is
  // the file's own rate again.
  ASSERT_EQ(snd::SetFrequency(buffer, 44100), snd::kOk);
  uint32_t hz = 0;
  ASSERT_EQ(snd::GetFrequency(buffer, &hz), snd::kOk);
  EXPECT_EQ(hz, 44100u);
  ASSERT_EQ(snd::Play(buffer, 0, 0), snd::kOk);
  Run(250);
  ASSERT_EQ(snd::SetFrequency(buffer, 0), snd::kOk);  // half done, the rest at 22050 Hz
  Run(499);
  EXPECT_TRUE(sound->IsPlaying());
  Run(1);
  EXPECT_FALSE(sound->IsPlaying());

  // A sound made without controls takes none at play.
  std::unique_ptr<CSound> plain = Load(AddTone("Switch FL1", 50), 0);
  ASSERT_EQ(plain->Play(0, 0, -3000, 11025, 2000), snd::kOk);
  const auto played = Logged(snd::SoundOp::Play).back();
  EXPECT_EQ(played.volume, 0);
  EXPECT_EQ(played.frequencyHz, 0u);
  EXPECT_EQ(played.pan, 0);
  EXPECT_NE(snd::SetVolume(plain->GetBuffer(0), -100), snd::kOk);
}

TEST_F(SoundTest, FreeBufferIsTheFirstIdleOneElseARandomOne) {
  std::unique_ptr<CSound> sound = Load(AddTone("Switch PB1", 1000), kSlotControls, 3);
  const SoundBuffer first = sound->GetBuffer(0);
  EXPECT_EQ(sound->GetFreeBuffer(), first);
  ASSERT_EQ(sound->Play(), snd::kOk);
  EXPECT_EQ(sound->GetFreeBuffer(), sound->GetBuffer(1));
  ASSERT_EQ(sound->Play(), snd::kOk);
  ASSERT_EQ(sound->Play(), snd::kOk);
  // Duplicates share the first buffer's samples.
  EXPECT_EQ(snd::BufferBytes(sound->GetBuffer(2)), snd::BufferBytes(first));
  platform::SeedRandom(7);
  const int pick = platform::Random() % 3;
  platform::SeedRandom(7);
  EXPECT_EQ(sound->GetFreeBuffer(), sound->GetBuffer(static_cast<uint32_t>(pick)));
  EXPECT_EQ(sound->GetBuffer(3), 0u);
}

// ---- Filling and restoring ---------------------------------------------------------

TEST_F(SoundTest, ShortSourceEndsInSilenceOrRepeats) {
  for (uint16_t bits : {uint16_t{8}, uint16_t{16}}) {
    SCOPED_TRACE(bits);
    const WaveFormat format{1, 1, 22050, 22050u * bits / 8, static_cast<uint16_t>(bits / 8), bits, 0};
    snd::BufferDesc desc;
    desc.bytes = 1000;
    desc.format = &format;
    SoundBuffer buffer = 0;
    ASSERT_EQ(snd::CreateBuffer(Device().Device(), desc, "test", &buffer), snd::kOk);
    void* block = nullptr;
    uint32_t bytes = 0;
    ASSERT_EQ(snd::Lock(buffer, 0, 0, &block, &bytes, nullptr, nullptr, snd::kLockEntireBuffer), snd::kOk);
    std::memset(block, 0x55, bytes);  // stale data from an earlier sound
    snd::Unlock(buffer, block, bytes, nullptr, 0);

    const Bytes samples = Pattern(300);
    auto source = std::make_unique<CWaveFile>();
    ASSERT_EQ(source->OpenFromMemory(samples.data(), 300, &format, kWaveOpenRead), snd::kOk);
    CSound sound(&buffer, 1000, 1, std::move(source), 0);
    const Bytes filled = snd::BufferBytes(buffer);
    EXPECT_EQ(Bytes(filled.begin(), filled.begin() + 300), samples);
    const uint8_t silence = bits == 8 ? 128 : 0;
    EXPECT_EQ(std::count(filled.begin() + 300, filled.end(), silence), 700);

    ASSERT_EQ(sound.FillBuffer(buffer, true), snd::kOk);
    const Bytes repeated = snd::BufferBytes(buffer);
    for (size_t i = 0; i < repeated.size(); ++i) ASSERT_EQ(repeated[i], samples[i % 300]) << i;
  }
}

TEST_F(SoundTest, LostBufferIsRestoredAndRefilledBeforeItPlays) {
  const std::wstring path = AddTone("Stall Warning", 300);
  std::unique_ptr<CSound> sound = Load(path);
  const Bytes original = snd::BufferBytes(sound->GetBuffer(0));
  ASSERT_EQ(sound->Play(0, snd::kPlayLooping), snd::kOk);
  Run(100);
  snd::LoseAllBuffers();
  EXPECT_FALSE(sound->IsPlaying());
  EXPECT_NE(snd::BufferBytes(sound->GetBuffer(0)), original);

  snd::FailNextRestores(3);  // the card comes back after a few tries
  const auto before = std::chrono::steady_clock::now();
  ASSERT_EQ(sound->Play(), snd::kOk);
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(2));
  EXPECT_TRUE(sound->IsPlaying());
  EXPECT_EQ(snd::BufferBytes(sound->GetBuffer(0)), original);

  std::vector<snd::SoundOp> ops;
  for (const auto& entry : snd::SoundLog()) ops.push_back(entry.op);
  const std::vector<snd::SoundOp> expected = {snd::SoundOp::Create, snd::SoundOp::Volume, snd::SoundOp::Pan,
                                              snd::SoundOp::Play,   snd::SoundOp::Lost,
                                              snd::SoundOp::Restore, snd::SoundOp::Volume,
                                              snd::SoundOp::Pan, snd::SoundOp::Play};
  EXPECT_EQ(ops, expected);
}

TEST_F(SoundTest, BufferThatStaysLostGivesUpAndStaysSilent) {
  std::unique_ptr<CSound> sound = Load(AddTone("Fire Left Engine", 300));
  snd::LoseAllBuffers();
  snd::FailNextRestores(1000000);
  const auto before = std::chrono::steady_clock::now();
  EXPECT_EQ(sound->Play(), snd::kBufferLost);
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(5));
  EXPECT_FALSE(sound->IsPlaying());
  EXPECT_TRUE(Logged(snd::SoundOp::Play).empty());
  bool restored = true;
  EXPECT_EQ(sound->RestoreBuffer(sound->GetBuffer(0), &restored), snd::kBufferLost);
  EXPECT_FALSE(restored);

  snd::FailNextRestores(0);
  EXPECT_EQ(sound->RestoreBuffer(sound->GetBuffer(0), &restored), snd::kOk);
  EXPECT_TRUE(restored);
  EXPECT_EQ(sound->RestoreBuffer(sound->GetBuffer(0), &restored), 1);  // nothing to do
  EXPECT_FALSE(restored);
}

// ---- Thin paths: memory, streaming, 3-D ------------------------------------------------

TEST_F(SoundTest, MemoryStreamingAnd3DSoundsAreBuilt) {
  const WaveFormat format{1, 1, 22050, 44100, 2, 16, 0};
  const Bytes samples = Tone16(22050, 100, 300.0);
  std::unique_ptr<CSound> fromMemory;
  ASSERT_EQ(Device().CreateFromMemory(&fromMemory, samples.data(), static_cast<uint32_t>(samples.size()), &format,
                                      kSlotControls),
            snd::kOk);
  EXPECT_EQ(snd::BufferBytes(fromMemory->GetBuffer(0)), samples);

  // Streaming: 4 blocks of 1000 bytes over a 3000-byte source, not looped.
  WriteBytes("stream.wav", SimpleWav({1, 1, 22050, 16}, Pattern(3000)));
  std::unique_ptr<CStreamingSound> stream;
  int event = 0;
  ASSERT_EQ(Device().CreateStreaming(&stream, L"stream.wav", 0, {}, 4, 1000, &event), snd::kOk);
  const auto positions = snd::NotificationPositions(stream->GetBuffer(0));
  ASSERT_EQ(positions.size(), 4u);
  EXPECT_EQ(positions[0].offset, 999u);
  EXPECT_EQ(positions[3].offset, 3999u);
  EXPECT_EQ(positions[3].event, &event);
  ASSERT_EQ(stream->Play(), snd::kOk);
  for (int i = 0; i < 8 && stream->IsPlaying(); ++i) {
    Run(1000 * 1000 / 44100 + 1);
    ASSERT_EQ(stream->OnStreamNotification(false), snd::kOk);
  }
  EXPECT_FALSE(stream->IsPlaying());  // stopped once the whole source had played
  EXPECT_EQ(stream->Reset(), snd::kOk);

  // 3-D: a particular algorithm is not available, which is still a success.
  const std::wstring path = AddTone("TCAS Climb Climb", 100);
  std::unique_ptr<CSound> spatial;
  const SoundGuid hrtf{0x1234, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
  ASSERT_EQ(Device().Create(&spatial, path.c_str(), snd::kCaps3D | snd::kCapsFrequency, hrtf), snd::kNoVirtualization);
  Sound3DParams params;
  params.position = {1.0f, 2.0f, 3.0f};
  ASSERT_EQ(spatial->Play3D(&params, 0, 0, 1000), snd::kOk);
  SoundBuffer buffer3D = 0;
  ASSERT_EQ(spatial->Get3DBuffer(0, &buffer3D), snd::kOk);
  Sound3DParams stored;
  ASSERT_EQ(snd::Get3DParameters(buffer3D, &stored), snd::kOk);
  EXPECT_EQ(stored.position.z, 3.0f);
  EXPECT_EQ(Logged(snd::SoundOp::Frequency).back().frequencyHz, 23050u);
  EXPECT_EQ(fromMemory->Get3DBuffer(0, &buffer3D), snd::kNoInterface);
  EXPECT_EQ(fromMemory->Get3DBuffer(5, &buffer3D), snd::kInvalidArg);

  SoundBuffer listener = 0;
  ASSERT_EQ(Device().Get3DListenerInterface(&listener), snd::kOk);
  snd::Listener3DParams ear;
  ear.dopplerFactor = 2.0f;
  EXPECT_EQ(snd::SetListenerParameters(listener, ear), snd::kOk);
  snd::ReleaseBuffer(listener);
}

// ---- Mixer ---------------------------------------------------------------------------

TEST_F(SoundTest, MixerRendersTheRunWhereTheLogSaysSoundsPlayed) {
  std::unique_ptr<CSound> chime = Load(AddTone("-seat_belt", 500, 880.0, 0.5));
  std::unique_ptr<CSound> wind = Load(AddTone("-spoiler_wind", 130, 200.0, 0.5));
  std::unique_ptr<CSound> quiet = Load(AddTone("Switch RS1", 300, 600.0, 0.5));
  std::unique_ptr<CSound> voice = Load(AddTone("TCAS Test OK", 400, 500.0, 0.5));

  Run(1000);
  ASSERT_EQ(chime->Play(), snd::kOk);                        // 1000..1500 full level
  Run(1000);
  ASSERT_EQ(wind->Play(0, snd::kPlayLooping, -600), snd::kOk);  // 2000..3000 at -6 dB
  Run(1000);
  ASSERT_EQ(wind->Stop(), snd::kOk);
  Run(200);
  ASSERT_EQ(quiet->Play(0, 0, -10000), snd::kOk);            // 3200..3500, inaudible
  Run(600);
  ASSERT_EQ(voice->Play(0, 0, 0, 44100, 10000), snd::kOk);   // 3800..4000, right only, twice as fast
  Run(400);

  ASSERT_TRUE(snd::WriteMixedWav("cockpit.wav", 22050));
  const Mix mix = ReadMix("cockpit.wav");
  ASSERT_EQ(mix.rate, 22050u);
  EXPECT_NEAR(static_cast<double>(mix.left.size()), 22050 * 4.2, 2.0);

  const double full = 0.5 / std::sqrt(2.0);  // a sine at half scale
  EXPECT_LT(mix.Rms(0, 990), 0.001);
  EXPECT_NEAR(mix.Rms(1010, 1490), full, 0.02);
  EXPECT_LT(mix.Rms(1510, 1990), 0.001);
  EXPECT_NEAR(mix.Rms(2010, 2990), full * 0.501, 0.02);      // looped past its 130 ms
  EXPECT_LT(mix.Rms(3010, 3790), 0.001);
  EXPECT_NEAR(mix.Rms(mix.right, 3810, 3990), full, 0.02);
  EXPECT_LT(mix.Rms(mix.left, 3810, 3990), 0.001);
  EXPECT_LT(mix.Rms(4010, 4200), 0.001);                      // 400 ms at twice the rate is over at 4000

  EXPECT_FALSE(snd::WriteMixedWav("cockpit.wav", 0));
  EXPECT_FALSE(snd::WriteMixedWav("no-such-folder/cockpit.wav", 22050));
}

TEST_F(SoundTest, MixerKeepsOneCopyOfASoundPlayedOverAndOver) {
  const std::wstring callout = AddTone("Callout Altitude 05", 200, 500.0);
  const std::wstring alert = AddTone("Altitude Alert", 300, 700.0);
  for (int i = 0; i < 50; ++i) {
    std::unique_ptr<CSound> sound = Load(i % 2 == 0 ? callout : alert);
    ASSERT_EQ(sound->Play(), snd::kOk);
    Run(400);
  }
  EXPECT_EQ(snd::MixerBytesHeld(), (22050u * 200 / 1000 + 22050u * 300 / 1000) * 2);

  ASSERT_TRUE(snd::WriteMixedWav("run.wav", 22050));
  const Mix mix = ReadMix("run.wav");
  EXPECT_NEAR(mix.Rms(49 * 400 + 10, 49 * 400 + 290), 0.5 / std::sqrt(2.0), 0.02);  // the last one, whole
}

TEST_F(SoundTest, MixerLetsAOneShotStillPlayingFinish) {
  std::unique_ptr<CSound> chime = Load(AddTone("-attendant_call", 1000, 700.0, 0.25));
  Run(100);
  ASSERT_EQ(chime->Play(), snd::kOk);
  Run(200);
  ASSERT_TRUE(snd::WriteMixedWav("run.wav", 11025));
  const Mix mix = ReadMix("run.wav");
  EXPECT_NEAR(static_cast<double>(mix.left.size()), 11025 * 1.1, 2.0);
  EXPECT_NEAR(mix.Rms(120, 1080), 0.25 / std::sqrt(2.0), 0.02);
}

// ---- Slot names ------------------------------------------------------------------------

TEST(SoundSlots, TableHoldsTheCockpitsSoundsInSlotOrder) {
  EXPECT_STREQ(kSoundSlotNames[0], L"Checklist 01 00");
  EXPECT_STREQ(kSoundSlotNames[28], L"Checklist 00 00");
  EXPECT_STREQ(kSoundSlotNames[147], L"Checklist 10 24");
  EXPECT_STREQ(kSoundSlotNames[149], L"Callout Altitude 01");
  EXPECT_STREQ(kSoundSlotNames[180], L"Callout 60kts Manual Braking");
  EXPECT_STREQ(kSoundSlotNames[196], L"Ground Com 12");
  EXPECT_STREQ(kSoundSlotNames[197], L"");
  EXPECT_STREQ(kSoundSlotNames[198], L"-gear_wind");
  EXPECT_STREQ(kSoundSlotNames[203], L"-minimums");
  EXPECT_STREQ(kSoundSlotNames[230], L"AP Disconnect");
  EXPECT_STREQ(kSoundSlotNames[249], L"Switch RS2");
  int empty = 0;
  int hyphened = 0;
  for (const wchar_t* name : kSoundSlotNames) {
    ASSERT_NE(name, nullptr);
    empty += name[0] == L'\0';
    hyphened += name[0] == L'-';
  }
  EXPECT_EQ(empty, 1);
  EXPECT_EQ(hyphened, 6);
}

TEST(SoundPack, EverySlotHasAWavThatTheCockpitCanPlay) {
  if (std::system("command -v espeak-ng >/dev/null 2>&1 && command -v sox >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "espeak-ng and sox are not installed";
  }
  snd::ResetSoundDevice();
  TempFolder folder;
  const std::string script = std::string(HALCYON_SOURCE_DIR) + "/tools/make_sound_pack.sh";
  ASSERT_EQ(std::system(("'" + script + "' Sound/HalcyonPro >/dev/null 2>&1").c_str()), 0);
  ASSERT_EQ(std::system(("'" + script + "' Sound/HalcyonPro >/dev/null 2>&1").c_str()), 0);  // again: keeps all

  CSoundDevice device;
  ASSERT_EQ(device.Initialize(platform::FindWindowByClass(L"FS98MAIN"), 2), snd::kOk);
  for (size_t slot = 0; slot < kSoundSlotCount; ++slot) {
    const std::wstring name = kSoundSlotNames[slot];
    if (name.empty()) continue;
    const std::wstring joint = name[0] == L'-' ? L"" : L" ";
    const std::wstring path = L"Sound\\HalcyonPro\\VXMD80" + joint + name + L".wav";
    std::unique_ptr<CSound> sound;
    ASSERT_EQ(device.Create(&sound, path.c_str(), kSlotControls), snd::kOk) << slot;
    CWaveFile wave;
    ASSERT_EQ(wave.Open(path.c_str(), nullptr, kWaveOpenRead), snd::kOk);
    EXPECT_EQ(wave.GetFormat()->samplesPerSec, 22050u) << slot;
    EXPECT_EQ(wave.GetFormat()->bitsPerSample, 16) << slot;
    EXPECT_EQ(wave.GetFormat()->channels, 1) << slot;
  }
}

}  // namespace
