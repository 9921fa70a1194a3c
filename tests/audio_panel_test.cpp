// The audio panel with the simulator: the VHF event and the transmitter at
// start-up, and the ident switch putting the NAV, DME, marker and ADF audio
// on while the station is not yet heard, and off again.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/tick_scheduler.h"
#include "simhost/scenario_names.h"
#include "systems/audio_panel.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr uint32_t kNav1AudioOn = 65837;
constexpr uint32_t kDme1AudioOn = 65839;
constexpr uint32_t kNav2AudioOn = 65838;
constexpr uint32_t kAdfAudioOff = 65836;
constexpr uint32_t kNav1AudioOff = 65832;
constexpr uint32_t kNav2AudioOff = 65833;
constexpr uint32_t kDme2AudioOn = 65840;
constexpr uint32_t kDme2AudioOff = 65835;
constexpr uint32_t kAdfAudioOn = 65841;

TEST(AudioPanel, StartUpSendsTheVhfReceiveAndTakesTheTransmitterFromTheSimulator) {
  Cockpit cockpit;
  ASSERT_EQ(cockpit.keyEvents(kKeyEventVhfBothReceive).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventVhfBothReceive)[0].value, 1u) << "both VHF volumes on";
  EXPECT_EQ(cockpit.trace(simhost::Phase::Startup).empty(), false);
  EXPECT_EQ(GetAudioSelector(), 2u) << "transmitter token at 0";
  // The host's token list tells a scenario's writer the same: 0 is VHF 2.
  const std::vector<std::string> tokens = simhost::ListNames(nullptr, "tokens");
  const auto transmitter = std::find_if(tokens.begin(), tokens.end(),
                                        [](const std::string& line) { return line.starts_with("transmitter "); });
  ASSERT_NE(transmitter, tokens.end());
  EXPECT_NE(transmitter->find(" 874  0 VHF 2,"), std::string::npos) << *transmitter;
  SetAudioSelector(5);
  EXPECT_EQ(GetAudioSelector(), 5u);
  SetAudioSelector(6);
  EXPECT_EQ(GetAudioSelector(), 0u);
  SetAudioSelector(-1);
  EXPECT_EQ(GetAudioSelector(), 0u);
}

TEST(AudioPanel, OneVhfVolumeOffSendsZeroAndATransmitterGivesRadioOne) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[AUDIO PANEL]\r\nvolume_vhf2=120\r\n");
  cockpit.set(Token::Transmitter, 1).start();
  ASSERT_EQ(cockpit.keyEvents(kKeyEventVhfBothReceive).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventVhfBothReceive)[0].value, 0u);
  EXPECT_EQ(GetAudioSelector(), 1u);
}

TEST(AudioPanel, TheIdentSwitchPutsTheSelectedReceiversOnUntilHeard) {
  Cockpit cockpit;
  cockpit.watchChannel(kChannel1HzC).runSeconds(2).clearKeyEvents();
  cockpit.control("AUDIO PANEL", "ident", kSwitchOn).control("AUDIO PANEL", "volume_nav1", kSwitchOn);
  // The simulator hears the NAV 1 station only after two more seconds.
  int deafTicks = 40;
  cockpit.everyTick([&](simhost::SimHost& host) {
    if (deafTicks-- > 0) host.SetToken(TokenNumber(Token::Nav1Audio), 0);
  });
  cockpit.runSeconds(2);
  const auto nav1 = cockpit.keyEvents(kNav1AudioOn);
  ASSERT_EQ(nav1.size(), 2u) << "once a second while not heard";
  for (const auto& sent : nav1) EXPECT_EQ(cockpit.dueTicks(kChannel1HzC).count(sent.tick18), 1u);
  EXPECT_EQ(cockpit.keyEvents(kDme1AudioOn).size(), 1u) << "NAV 1's volume also puts DME 1 on";
  EXPECT_TRUE(cockpit.keyEvents(kNav2AudioOn).empty()) << "NAV 2's volume is off";
  ASSERT_EQ(cockpit.keyEvents(kKeyEventMarkerAudioSet).size(), 1u) << "the marker volume is on by default";
  EXPECT_EQ(cockpit.keyEvents(kKeyEventMarkerAudioSet)[0].value, 1u);
  cockpit.runSeconds(3);
  EXPECT_EQ(cockpit.keyEvents(kNav1AudioOn).size(), 3u) << "then heard: no more";
  EXPECT_EQ(cockpit.token(Token::Nav1Audio), 1.0);

  // Off: the receivers the simulator still has on are put off.
  cockpit.set(Token::AdfAudio, 1).clearKeyEvents();
  cockpit.control("AUDIO PANEL", "ident", kSwitchOff).runSeconds(1.1);
  EXPECT_EQ(cockpit.keyEvents(kNav1AudioOff).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(kAdfAudioOff).size(), 1u);
  ASSERT_EQ(cockpit.keyEvents(kKeyEventMarkerAudioSet).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventMarkerAudioSet)[0].value, 0u);
  EXPECT_EQ(cockpit.token(Token::Nav1Audio), 0.0);
  EXPECT_EQ(cockpit.token(Token::Dme1Audio), 0.0);
  EXPECT_EQ(cockpit.token(Token::MarkerAudio), 0.0);

  // A switch between its positions sends nothing either way.
  cockpit.control("AUDIO PANEL", "ident", 43).control("AUDIO PANEL", "volume_nav2", kSwitchOn);
  cockpit.set(Token::Nav2Audio, 1).clearKeyEvents().runSeconds(2);
  EXPECT_EQ(cockpit.keyEvents(kNav1AudioOn).size() + cockpit.keyEvents(kNav2AudioOff).size(), 0u);
  cockpit.control("AUDIO PANEL", "volume_nav2", kSwitchOff).runSeconds(1.1);
  EXPECT_EQ(cockpit.keyEvents(kNav2AudioOff).size(), 1u) << "the volume switch off is enough";
}

// Each volume switch drives its own receivers: NAV 2's puts NAV 2 and DME 2 on
// and off, the ADF's the ADF, and neither touches NAV 1's.
TEST(AudioPanel, TheNav2AndAdfVolumesDriveTheirOwnReceivers) {
  Cockpit cockpit;
  cockpit.runSeconds(2).clearKeyEvents();
  cockpit.control("AUDIO PANEL", "ident", kSwitchOn).control("AUDIO PANEL", "volume_nav2", kSwitchOn);
  cockpit.control("AUDIO PANEL", "volume_adf1", kSwitchOn).runSeconds(1.1);
  EXPECT_EQ(cockpit.keyEvents(kNav2AudioOn).size(), 1u);
  ASSERT_EQ(cockpit.keyEvents(kDme2AudioOn).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(kDme2AudioOn)[0].value, 0u);
  EXPECT_EQ(cockpit.keyEvents(kAdfAudioOn).size(), 1u);
  EXPECT_TRUE(cockpit.keyEvents(kNav1AudioOn).empty()) << "NAV 1's volume is off";
  EXPECT_TRUE(cockpit.keyEvents(kDme1AudioOn).empty());
  EXPECT_EQ(cockpit.token(Token::Dme2Audio), 1.0);
  EXPECT_EQ(cockpit.token(Token::AdfAudio), 1.0);
  EXPECT_EQ(cockpit.token(Token::Dme1Audio), 0.0);

  cockpit.clearKeyEvents().control("AUDIO PANEL", "volume_nav2", kSwitchOff).runSeconds(1.1);
  EXPECT_EQ(cockpit.keyEvents(kNav2AudioOff).size(), 1u);
  ASSERT_EQ(cockpit.keyEvents(kDme2AudioOff).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(kDme2AudioOff)[0].value, 0u);
  EXPECT_TRUE(cockpit.keyEvents(kAdfAudioOff).empty()) << "the ADF volume stays on";
  EXPECT_EQ(cockpit.token(Token::Dme2Audio), 0.0);
  EXPECT_EQ(cockpit.token(Token::AdfAudio), 1.0);
}

// Each volume switch keeps its own key: the two ADF volumes and the two VHF
// volumes set apart come back apart.
TEST(AudioPanel, EachVolumeKeepsItsOwnKey) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile,
                    "[AUDIO PANEL]\r\nvolume_adf1=120\r\nvolume_adf2=41\r\nvolume_nav1=41\r\nvolume_nav2=120\r\n");
  cockpit.start().runSeconds(1).shutdown();
  EXPECT_EQ(cockpit.ini("AUDIO PANEL", "volume_adf1"), "120");
  EXPECT_EQ(cockpit.ini("AUDIO PANEL", "volume_adf2"), "41");
  EXPECT_EQ(cockpit.ini("AUDIO PANEL", "volume_nav1"), "41");
  EXPECT_EQ(cockpit.ini("AUDIO PANEL", "volume_nav2"), "120");
}

}  // namespace
}  // namespace halcyon::test
