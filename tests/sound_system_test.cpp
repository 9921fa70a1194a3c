// The sound system in the cockpit: slots at their channel volumes, the click
// mute, the two volume channels in [OPTIONS], a sound card that fails at
// start-up, the continuous sounds over a ground roll and an approach, and the
// mixed WAV of a short run.
#include <gtest/gtest.h>

#include <cmath>

#include "core/options.h"
#include "core/tick_scheduler.h"
#include "host/sound_system.h"
#include "systems/ground_spoilers.h"
#include "platform/paths.h"
#include "platform/sound_device.h"
#include "platform/system.h"
#include "displays/efis/efis_dimmer.h"
#include "tests/cockpit.h"
#include "tests/sound_test_support.h"

namespace halcyon::test {
namespace {

namespace snd = platform::sound;
constexpr const char* kIni = Cockpit::kAircraftIniFile;

// The volumes a slot's buffer was given, in order (the start included).
std::vector<int32_t> Volumes(const Cockpit& cockpit, int slot) {
  std::vector<int32_t> volumes;
  for (const auto& entry : cockpit.sounds(slot, snd::SoundOp::Volume)) volumes.push_back(entry.volume);
  return volumes;
}

int32_t LastVolume(const Cockpit& cockpit, int slot) {
  const std::vector<int32_t> volumes = Volumes(cockpit, slot);
  return volumes.empty() ? 1 : volumes.back();
}

uint32_t LastFrequency(const Cockpit& cockpit, int slot) {
  const auto entries = cockpit.sounds(slot, snd::SoundOp::Frequency);
  return entries.empty() ? 0 : entries.back().frequencyHz;
}

size_t Count(const Cockpit& cockpit, int slot, snd::SoundOp op) { return cockpit.sounds(slot, op).size(); }

// The spoiler handle moved, and the ticks until the automatics see it (their
// channel is due twice a second); the tick it is seen on is the last one run.
int SpoilersTo(Cockpit& cockpit, bool deployed) {
  cockpit.set(Token::SpoilerHandle, deployed ? 16384 : 0);
  int ticks = 0;
  while (IsGroundSpoilerDeployed() != deployed && ticks < 20) {
    cockpit.runTicks(1);
    ++ticks;
  }
  EXPECT_EQ(IsGroundSpoilerDeployed(), deployed);
  return ticks;
}

TEST(SoundSystem, SlotsPlayAtTheirChannelVolumeAndRestartWhenPlayedAgain) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[OPTIONS]\r\nvolume FO=-300\r\nvolume panel=-700\r\n");
  cockpit.addSounds({150, 230, 240, 241, 249}, 2000).start();

  ASSERT_NE(g_soundSystem, nullptr);
  EXPECT_EQ(g_soundSystem->GetPath(0), L"Sound\\HalcyonPro\\VXMD80 Checklist 01 00.wav");
  EXPECT_EQ(g_soundSystem->GetPath(28), L"Sound\\HalcyonPro\\VXMD80 Checklist 00 00.wav");
  EXPECT_EQ(g_soundSystem->GetPath(149), L"Sound\\HalcyonPro\\VXMD80 Callout Altitude 01.wav");
  EXPECT_EQ(g_soundSystem->GetPath(197), L"");
  EXPECT_EQ(g_soundSystem->GetPath(198), L"Sound\\HalcyonPro\\VXMD80-gear_wind.wav");
  EXPECT_EQ(g_soundSystem->GetPath(249), L"Sound\\HalcyonPro\\VXMD80 Switch RS2.wav");
  for (SoundId slot = 0; slot < 197; ++slot) EXPECT_EQ(g_soundSystem->GetChannel(slot), kChannelFo) << slot;
  for (SoundId slot = 198; slot < 250; ++slot) EXPECT_EQ(g_soundSystem->GetChannel(slot), kChannelPanel) << slot;

  EXPECT_EQ(PlaySound(150, 0), snd::kOk);  // a callout: first officer's channel
  EXPECT_EQ(PlaySound(230, 0), snd::kOk);  // a warning voice: panel channel
  cockpit.runTicks(9);
  EXPECT_EQ(PlaySound(150, 1), snd::kOk);  // again, looped, while still sounding
  cockpit.runTicks(1);

  const std::vector<PlayedSound> played = cockpit.played();
  ASSERT_EQ(played.size(), 3u);
  EXPECT_EQ(played[0].slot, 150);
  EXPECT_EQ(played[0].volume, -300);
  EXPECT_EQ(played[1].slot, 230);
  EXPECT_EQ(played[1].volume, -700);
  EXPECT_EQ(played[2].slot, 150);
  EXPECT_TRUE(played[2].loop);
  // The first instance was released before the second started: never two at once.
  const auto events = cockpit.sounds(150);
  const auto release = std::find_if(events.begin(), events.end(),
                                    [](const auto& e) { return e.op == snd::SoundOp::Release; });
  ASSERT_NE(release, events.end());
  EXPECT_EQ(std::count_if(release, events.end(), [](const auto& e) { return e.op == snd::SoundOp::Play; }), 1);
  EXPECT_EQ(snd::LiveBufferCount(), 2u) << "150 again, and 230 kept until it is played or stopped";

  // The buffer controls, each within its range or ignored.
  SetSoundFrequency(150, 99);
  SetSoundFrequency(150, 100001);
  SetSoundFrequency(150, 11025);
  SetSoundPan(150, 2500);
  SetSoundPan(150, -100001);
  SetSoundVolume(150, 1);
  SetSoundVolume(150, -10001);
  SetSoundVolume(150, -4000);
  EXPECT_EQ(LastFrequency(cockpit, 150), 11025u);
  EXPECT_EQ(Count(cockpit, 150, snd::SoundOp::Frequency), 1u);
  EXPECT_EQ(cockpit.sounds(150, snd::SoundOp::Pan).back().pan, 2500);
  EXPECT_EQ(Volumes(cockpit, 150).back(), -4000);
  StopSound(150);
  EXPECT_EQ(cockpit.sounds(150).back().op, snd::SoundOp::Release);

  // The click mute silences the nine switch clicks and nothing else.
  const size_t before = cockpit.played().size();
  cockpit.setOption(kOptionNoSwitchClickSounds, true);
  PlaySound(241, 0);
  PlaySound(249, 0);
  PlaySound(240, 0);
  EXPECT_EQ(cockpit.played().size(), before + 1);
  EXPECT_EQ(cockpit.played().back().slot, 240);
  cockpit.setOption(kOptionNoSwitchClickSounds, false);
  PlaySound(241, 0);
  EXPECT_EQ(cockpit.played().back().slot, 241);

  // Ids out of range and the slot without a file: nothing; a missing file
  // plays nothing either, and the sound card's log names it for the host.
  const size_t logged = cockpit.soundLog().size();
  EXPECT_NE(PlaySound(-1, 0), snd::kOk);
  EXPECT_NE(PlaySound(250, 0), snd::kOk);
  EXPECT_NE(PlaySound(197, 0), snd::kOk);
  EXPECT_NE(PlaySound(151, 0), snd::kOk);  // no WAV placed for it
  StopSound(250);
  StopSound(-7);
  SetSoundVolume(1000, -100);
  SetSoundFrequency(-1, 1000);
  SetSoundPan(250, 0);
  ASSERT_EQ(cockpit.soundLog().size(), logged + 1);
  EXPECT_EQ(cockpit.soundLog().back().op, snd::SoundOp::Unreadable);
  EXPECT_EQ(cockpit.soundLog().back().source, platform::Narrow(g_soundSystem->GetPath(151)));
}

TEST(SoundSystem, VolumesStepWithinTheirRangeAndAreClampedOnLoadAndSaved) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[OPTIONS]\r\nvolume FO=-2500 dB\r\nvolume panel=300\r\n");
  cockpit.start();
  ASSERT_NE(g_soundSystem, nullptr);
  CSoundSystem& sound = *g_soundSystem;
  EXPECT_EQ(sound.GetChannelVolume(kChannelFo), -2000);
  EXPECT_EQ(sound.GetChannelVolume(kChannelPanel), 0);

  sound.VolumeDown(kChannelFo);
  EXPECT_EQ(sound.GetChannelVolume(kChannelFo), -2000);
  sound.VolumeUp(kChannelPanel);
  EXPECT_EQ(sound.GetChannelVolume(kChannelPanel), 0);
  sound.VolumeUp(kChannelFo);
  EXPECT_EQ(sound.GetChannelVolume(kChannelFo), -1900);
  sound.SetChannelVolume(kChannelFo, 1);
  sound.SetChannelVolume(kChannelPanel, -2001);
  EXPECT_EQ(sound.GetChannelVolume(kChannelFo), -1900);
  EXPECT_EQ(sound.GetChannelVolume(kChannelPanel), 0);
  sound.SetChannelVolume(kChannelPanel, -1500);
  sound.VolumeDown(kChannelPanel);
  EXPECT_EQ(sound.GetChannelVolume(kChannelPanel), -1600);
  sound.VolumeUp(2);
  sound.SetChannelVolume(-1, -100);
  EXPECT_EQ(sound.GetChannelVolume(2), 0);
  EXPECT_EQ(sound.GetChannelVolume(-1), 0);

  cockpit.runSeconds(1).shutdown();
  EXPECT_EQ(g_soundSystem, nullptr);
  EXPECT_EQ(cockpit.ini("OPTIONS", "volume FO"), "-1900");
  EXPECT_EQ(cockpit.ini("OPTIONS", "volume panel"), "-1600");
}

TEST(SoundSystem, AFailedSoundCardShowsItsBoxGoesOnSilentlyAndKeepsTheSavedVolumes) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[OPTIONS]\r\nvolume FO=-800\r\nvolume panel=-1200\r\n");
  cockpit.addSounds({150, 198});
  snd::FailNextDeviceCreations(1);
  cockpit.start();

  ASSERT_EQ(platform::MessageBoxes().size(), 1u);
  EXPECT_EQ(platform::MessageBoxes()[0].text, L"Error initializing DirectSound.");
  EXPECT_EQ(platform::MessageBoxes()[0].caption, L"SoundSystem");
  EXPECT_EQ(platform::MessageBoxes()[0].style, 16u);
  ASSERT_NE(g_soundSystem, nullptr);
  EXPECT_EQ(g_soundSystem->GetPath(150), L"");

  // Every call still works and plays nothing, the gear wind included.
  EXPECT_NE(PlaySound(150, 0), snd::kOk);
  cockpit.set(Token::GearPosition, 16383).set(Token::IndicatedAirspeedKt, 120).runSeconds(2);
  EXPECT_TRUE(cockpit.soundLog().empty());

  // Lost, the sound system is made again by the next tick, with the volumes
  // read anew; this time the primary format is refused: the other box.
  snd::FailNextPrimaryFormats(1);
  DestroySoundSystem();
  EXPECT_EQ(g_soundSystem, nullptr);
  EXPECT_EQ(cockpit.ini("OPTIONS", "volume FO"), "-800");
  cockpit.runTicks(1);
  ASSERT_NE(g_soundSystem, nullptr);
  EXPECT_EQ(g_soundSystem->GetChannelVolume(kChannelPanel), -1200);
  ASSERT_EQ(platform::MessageBoxes().size(), 2u);
  EXPECT_EQ(platform::MessageBoxes()[1].text, L"Error setting DirectSound buffer.");
  EXPECT_EQ(platform::MessageBoxes()[1].caption, L"SoundSystem");
  cockpit.runSeconds(1);
  EXPECT_TRUE(cockpit.played().empty());

  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("OPTIONS", "volume FO"), "-800");
  EXPECT_EQ(cockpit.ini("OPTIONS", "volume panel"), "-1200");
}

TEST(SoundSystem, ContinuousSoundsFollowAGroundRollAndAnApproach) {
  Cockpit cockpit({.start = false});
  cockpit.watchChannel(kChannel1HzC);  // the brake checks
  cockpit.addSounds({198, 199, 200, 203}, 500, 300.0).start();
  cockpit.set(Token::OnGround, 1).set(Token::GearPosition, 16383).runSeconds(1);
  EXPECT_TRUE(cockpit.played().empty()) << "standing still: no wind";

  // Gear wind: looped from 5 kt, louder with speed, softer as the gear comes up.
  cockpit.set(Token::IndicatedAirspeedKt, 120).runTicks(1);
  ASSERT_EQ(cockpit.played(198).size(), 1u);
  EXPECT_TRUE(cockpit.played(198)[0].loop);
  EXPECT_EQ(LastVolume(cockpit, 198), -1200);  // (120 - 100) x 15 - 1500
  cockpit.set(Token::IndicatedAirspeedKt, 120.5).runTicks(1);
  EXPECT_EQ(LastVolume(cockpit, 198), -1192) << "-1192.5 truncated toward zero";
  cockpit.set(Token::IndicatedAirspeedKt, 39.99).runTicks(1);
  EXPECT_EQ(LastVolume(cockpit, 198), -3601) << "39.99 x 150 - 9600 = -3601.5, the band below 40 kt";
  // Airspeeds no aircraft flies stay within the wind's range.
  cockpit.set(Token::IndicatedAirspeedKt, 1e12).runTicks(1);
  EXPECT_EQ(LastVolume(cockpit, 198), 0);
  cockpit.set(Token::IndicatedAirspeedKt, -1e12).runTicks(1);
  EXPECT_EQ(LastVolume(cockpit, 198), -9600);
  cockpit.set(Token::IndicatedAirspeedKt, 120).runTicks(1);
  cockpit.set(Token::GearPosition, 8191.5).runTicks(1);
  EXPECT_EQ(LastVolume(cockpit, 198), -2370);  // less the gear term 1170
  cockpit.set(Token::IndicatedAirspeedKt, 70).runTicks(1);
  EXPECT_EQ(LastVolume(cockpit, 198), -2250 - 1170);
  cockpit.set(Token::IndicatedAirspeedKt, 20).runTicks(1);
  EXPECT_EQ(LastVolume(cockpit, 198), -6600 - 1170);
  cockpit.set(Token::GearPosition, 0).runTicks(1);
  EXPECT_EQ(Count(cockpit, 198, snd::SoundOp::Stop), 1u);
  cockpit.set(Token::GearPosition, 16383).runTicks(1);
  EXPECT_EQ(cockpit.played(198).size(), 2u);
  cockpit.setOption(kOptionSoundOff, true).runTicks(1);
  EXPECT_EQ(Count(cockpit, 198, snd::SoundOp::Stop), 2u);
  cockpit.runTicks(3);
  EXPECT_EQ(cockpit.played(198).size(), 2u) << "option 1 keeps it off";
  cockpit.setOption(kOptionSoundOff, false).set(Token::GearPosition, 0).runTicks(1);

  // Spoiler wind: swells 1 dB a tick toward the speed term, fades toward
  // -60 dB once the spoilers are stowed, and stops there.
  cockpit.set(Token::IndicatedAirspeedKt, 130);
  SpoilersTo(cockpit, true);
  ASSERT_EQ(cockpit.played(199).size(), 1u);
  cockpit.runTicks(100);
  std::vector<int32_t> volumes = Volumes(cockpit, 199);
  ASSERT_EQ(volumes.size(), 102u);
  EXPECT_EQ(volumes[0], 0) << "started at the panel channel's volume";
  EXPECT_EQ(volumes[1], -9500);
  EXPECT_EQ(volumes[2], -9400);
  EXPECT_EQ(volumes[85], -1100);
  // The target (130 - 100) x 15 - 1500 = -1050 lies between two steps: a
  // whole step each tick straddles it.
  EXPECT_EQ(volumes[86], -1000);
  EXPECT_EQ(volumes[87], -1100);
  EXPECT_EQ(volumes[88], -1000);
  EXPECT_EQ(volumes.back(), -1100);
  const size_t swelled = volumes.size();
  // Still straddling, one step a tick, until the automatics see the handle stowed.
  const int straddling = SpoilersTo(cockpit, false) - 1;
  cockpit.runTicks(100);
  volumes = Volumes(cockpit, 199);
  // From where the straddle left it (-1000 or -1100), 1 dB a tick down to -6000.
  const size_t fadeStart = swelled + static_cast<size_t>(straddling);
  ASSERT_GT(volumes.size(), fadeStart + 48);
  EXPECT_EQ(volumes.size() - fadeStart, static_cast<size_t>((6000 + volumes[fadeStart - 1]) / 100));
  for (size_t i = fadeStart + 1; i < volumes.size(); ++i) EXPECT_EQ(volumes[i], volumes[i - 1] - 100) << i;
  EXPECT_EQ(volumes.back(), -6000);
  EXPECT_EQ(Count(cockpit, 199, snd::SoundOp::Stop), 1u) << "faded out, then stopped";
  SpoilersTo(cockpit, true);
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.played(199).size(), 2u);
  EXPECT_EQ(LastVolume(cockpit, 199), -5800) << "swells again from where it faded";
  cockpit.setOption(kOptionSoundOff, true).runTicks(1);
  EXPECT_EQ(Count(cockpit, 199, snd::SoundOp::Stop), 2u);
  cockpit.setOption(kOptionSoundOff, false);
  SpoilersTo(cockpit, false);

  // Brake rub: once per application above 20 kt on the ground.
  cockpit.set(Token::IndicatedAirspeedKt, 60).set(Token::BrakeValue, 12000).runSeconds(4);
  EXPECT_EQ(cockpit.played(200).size(), 1u);
  EXPECT_FALSE(cockpit.played(200)[0].loop);
  cockpit.set(Token::BrakeValue, 0).runSeconds(1.2).set(Token::BrakeValue, 9000).runSeconds(1.2);
  EXPECT_EQ(cockpit.played(200).size(), 2u);
  cockpit.set(Token::BrakeValue, 0).runSeconds(1.2).set(Token::IndicatedAirspeedKt, 15);
  cockpit.set(Token::BrakeValue, 9000).runSeconds(2);
  EXPECT_EQ(cockpit.played(200).size(), 2u) << "too slow to rub";
  for (const PlayedSound& rub : cockpit.played(200)) {
    EXPECT_EQ(cockpit.dueTicks(kChannel1HzC).count(rub.tick18), 1u) << rub.tick18;
  }

  // Minimums tone on the approach: decision height 200 ft, alert set.
  cockpit.set(Token::BrakeValue, 0).set(Token::OnGround, 0).set(Token::IndicatedAirspeedKt, 140);
  cockpit.control("EFIS DIMMER", "decision_height", 200);
  SetDecisionHeightAlert(1);
  // Half a foot above each whole foot: the radio altimeter reads whole feet.
  cockpit.setScaled(Token::RadioAltitudeM, 260.5).runTicks(2);
  EXPECT_TRUE(cockpit.played(203).empty());
  cockpit.setScaled(Token::RadioAltitudeM, 249.5).runTicks(1);
  ASSERT_EQ(cockpit.played(203).size(), 1u);
  EXPECT_TRUE(cockpit.played(203)[0].loop);
  EXPECT_EQ(LastFrequency(cockpit, 203), 4250u);
  cockpit.setScaled(Token::RadioAltitudeM, 250.5).runTicks(2);
  EXPECT_EQ(Count(cockpit, 203, snd::SoundOp::Frequency), 1u) << "50 ft above: it holds";
  EXPECT_EQ(Count(cockpit, 203, snd::SoundOp::Stop), 0u);
  cockpit.setScaled(Token::RadioAltitudeM, 251.5).runTicks(1);
  EXPECT_EQ(Count(cockpit, 203, snd::SoundOp::Stop), 1u) << "above the band: stopped";
  cockpit.setScaled(Token::RadioAltitudeM, 249.5).runTicks(1);
  ASSERT_EQ(cockpit.played(203).size(), 2u);
  EXPECT_EQ(LastFrequency(cockpit, 203), 4250u);
  cockpit.setScaled(Token::RadioAltitudeM, 210.5).runTicks(1);
  EXPECT_EQ(LastFrequency(cockpit, 203), 12050u);
  cockpit.setScaled(Token::RadioAltitudeM, 201.5).runTicks(1);
  EXPECT_EQ(LastFrequency(cockpit, 203), 13850u);
  cockpit.setScaled(Token::RadioAltitudeM, 200.5).runTicks(3);
  EXPECT_EQ(LastFrequency(cockpit, 203), 13850u) << "at the decision height it holds";
  EXPECT_EQ(Count(cockpit, 203, snd::SoundOp::Stop), 1u);
  cockpit.setScaled(Token::RadioAltitudeM, 199.5).runTicks(1);
  EXPECT_EQ(Count(cockpit, 203, snd::SoundOp::Stop), 2u);
  EXPECT_EQ(cockpit.played(203).size(), 2u);

  // Without a decision height set, no tone however low.
  cockpit.control("EFIS DIMMER", "decision_height", -1).setScaled(Token::RadioAltitudeM, 20.5).runTicks(3);
  EXPECT_EQ(cockpit.played(203).size(), 2u);
  // Nor with the alert down, nor on the ground.
  cockpit.control("EFIS DIMMER", "decision_height", 200);
  SetDecisionHeightAlert(0);
  cockpit.setScaled(Token::RadioAltitudeM, 230.5).runTicks(2);
  EXPECT_EQ(cockpit.played(203).size(), 2u);
  SetDecisionHeightAlert(1);
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.played(203).size(), 3u);
  cockpit.set(Token::OnGround, 1).runTicks(1);
  EXPECT_EQ(Count(cockpit, 203, snd::SoundOp::Stop), 3u);
}

TEST(SoundSystem, TheMixedWavOfARunHasSoundWhereTheLogSays) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({198}, 400, 220.0).addSounds({240}, 500, 660.0).start();
  cockpit.set(Token::OnGround, 1).set(Token::GearPosition, 16383).runSeconds(1);
  cockpit.set(Token::IndicatedAirspeedKt, 200).runSeconds(2);  // gear wind at 0 dB
  cockpit.set(Token::GearPosition, 0).runSeconds(1);            // retracted: quiet
  PlaySound(240, 0);                                            // a warning voice, 0.5 s
  cockpit.runSeconds(1);

  ASSERT_EQ(cockpit.played().size(), 2u);
  ASSERT_EQ(cockpit.sounds(198, snd::SoundOp::Stop).size(), 1u);
  const auto windFromMs = static_cast<uint32_t>(cockpit.sounds(198, snd::SoundOp::Play)[0].ms);
  const auto windToMs = static_cast<uint32_t>(cockpit.sounds(198, snd::SoundOp::Stop)[0].ms);
  const auto voiceFromMs = static_cast<uint32_t>(cockpit.sounds(240, snd::SoundOp::Play)[0].ms);
  EXPECT_NEAR(windToMs - windFromMs, 2000.0, 60.0);
  // The mix's time is the log's: the host's clock keeps step with TICK18.
  EXPECT_NEAR(voiceFromMs, cockpit.sounds(240, snd::SoundOp::Play)[0].tick18 * 1000.0 / 18.0, 30.0);

  const std::string path = cockpit.path("run.wav");
  ASSERT_TRUE(snd::WriteMixedWav(path, 22050));
  const testsupport::Mix mix = testsupport::ReadMix(path);
  const double full = 0.5 / std::sqrt(2.0);
  EXPECT_LT(mix.Rms(0, windFromMs - 20), 0.001);
  EXPECT_NEAR(mix.Rms(windFromMs + 100, windToMs - 100), full, 0.03);
  EXPECT_LT(mix.Rms(windToMs + 20, voiceFromMs - 20), 0.001);
  EXPECT_NEAR(mix.Rms(voiceFromMs + 20, voiceFromMs + 480), full, 0.03);
  EXPECT_LT(mix.Rms(voiceFromMs + 520, voiceFromMs + 900), 0.001);
}

}  // namespace
}  // namespace halcyon::test
