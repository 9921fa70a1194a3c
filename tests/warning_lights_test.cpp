// The lamp test and the annunciator lamps, master warning and caution with
// their counts and the popup annunciator, the speed-decay monitor and the
// stall lamp, [VARIOUS] and its timed test switches, the voice recorder test.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "core/options.h"
#include "core/tick_scheduler.h"
#include "systems/alert_list.h"
#include "systems/annunciator_lamps.h"
#include "systems/apu.h"
#include "systems/electric.h"
#include "systems/fire_protection.h"
#include "systems/various.h"
#include "systems/warning_lights.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

bool AllLampsRead(double value) {
  for (int32_t panel = 1; panel <= 3; ++panel) {
    for (int32_t lamp = 1; lamp <= 7; ++lamp) {
      if (GetAnnunciatorLamp(panel, lamp) != value) return false;
    }
  }
  return true;
}

// Ticks from the press until the switch leaves `position`, counted from the
// first tick that saw it.
int TicksHeldAt(Cockpit& cockpit, const CSwitch* record, int32_t position) {
  cockpit.runTicks(1);
  const double seen = cockpit.tick18();
  cockpit.runUntil([&] { return GetSwitch(record) != position; }, 20);
  return static_cast<int>(cockpit.tick18() - seen);
}

TEST(LampTest, TimedHeldAndDarkWithoutPanelPower) {
  Cockpit cockpit;
  SetAnnunciatorLamp(2, 7);
  cockpit.control("Annunciator Digital Lights Test", "test", kLampTestTimed).runTicks(1);
  EXPECT_EQ(IsLampTestOn(), 1u);
  EXPECT_TRUE(AllLampsRead(0.0)) << "no panel power: dark even in the test and for a set lamp";
  cockpit.control("Annunciator Digital Lights Test", "test", kSwitchOff);

  // The fire test holds the APU fire lamp lit once the panel has power.
  cockpit.control("Engine Fire", "test", kSwitchOn).powerUp().runSeconds(1.1);
  EXPECT_EQ(GetAnnunciatorLamp(2, 7), 1.0);
  EXPECT_EQ(GetAnnunciatorLamp(2, 6), 0.0);

  // The timed test: first seen on a tick, it ends on the first tick more
  // than 54 ticks later.
  cockpit.control("Annunciator Digital Lights Test", "test", kLampTestTimed).runTicks(1);
  const double seen = cockpit.tick18();
  EXPECT_TRUE(AllLampsRead(1.0));
  EXPECT_EQ(IsAnnunciatorLampSet(2, 6), 0u) << "the stored state is not the test";
  cockpit.runTicks(30);
  // Pressed again half way: the test still ends 3 s after the first press.
  cockpit.control("Annunciator Digital Lights Test", "test", kLampTestTimed);
  cockpit.runTicks(24);
  EXPECT_EQ(cockpit.tick18(), seen + 54);
  EXPECT_EQ(IsLampTestOn(), 1u);
  cockpit.runTicks(1);
  EXPECT_EQ(IsLampTestOn(), 0u);
  EXPECT_EQ(GetSwitch(&g_lampTestSwitch), kSwitchOff);
  EXPECT_EQ(GetAnnunciatorLamp(2, 7), 1.0);
  EXPECT_EQ(GetAnnunciatorLamp(1, 1), 0.0);

  cockpit.control("Annunciator Digital Lights Test", "test", kLampTestHeld).runSeconds(20);
  EXPECT_EQ(IsLampTestOn(), 1u) << "the held test is not timed";
  EXPECT_TRUE(AllLampsRead(1.0));
  cockpit.control("Annunciator Digital Lights Test", "test", kSwitchOff).runTicks(1);
  EXPECT_EQ(IsLampTestOn(), 0u);

  cockpit.control("Engine Fire", "test", kSwitchOff).runSeconds(1.1);
  EXPECT_EQ(GetAnnunciatorLamp(2, 7), 0.0);
}

TEST(LampTest, LampsOutsideTheTableAreIgnoredAndReadDark) {
  Cockpit cockpit;
  cockpit.powerUp();
  for (auto [panel, lamp] : {std::pair{4, 1}, {1, 8}, {0, 3}, {1, 0}, {-1, -1}}) {
    SetAnnunciatorLamp(panel, lamp);
    EXPECT_EQ(GetAnnunciatorLamp(static_cast<uint32_t>(panel), lamp), 0.0) << panel << "," << lamp;
    EXPECT_EQ(IsAnnunciatorLampSet(panel, lamp), 0u);
  }
  EXPECT_TRUE(AllLampsRead(0.0));
  SetAnnunciatorLamp(3, 7);
  SetAnnunciatorLamp(1, 1);
  EXPECT_EQ(IsAnnunciatorLampSet(3, 7), 1u);
  ClearAnnunciatorLamp(4, 7);
  ClearAnnunciatorLamp(3, 8);
  EXPECT_EQ(GetAnnunciatorLamp(3, 7), 1.0);
  ClearAnnunciatorLamps();
  EXPECT_TRUE(AllLampsRead(0.0));
}

TEST(MasterLights, CountRaisesAndReleasesAndTheButtonClears) {
  Cockpit cockpit;
  // On the battery alone, parked: the alert list holds its messages (an empty
  // list puts master caution out), and nothing changes from second to second.
  cockpit.powerUp().set(Token::ParkingBrake, 1).runSeconds(1.2);
  ASSERT_FALSE(IsEoapListEmpty());
  cockpit.control("Warning Lights", "master_caution", kSwitchOn).control("Warning Lights", "master_warning", kSwitchOn);
  RaiseMasterCaution();
  RaiseMasterCaution();
  ReleaseMasterCaution();
  EXPECT_EQ(IsMasterCautionOn(), 1u) << "two raises and one release";
  EXPECT_EQ(GetMasterCautionCount(), 1);
  cockpit.runTicks(4);
  EXPECT_EQ(GetSwitch(&g_masterCautionLight), kSwitchOn);
  EXPECT_EQ(GetSwitch(&g_masterWarningLight), kSwitchOff);
  ReleaseMasterCaution();
  EXPECT_EQ(IsMasterCautionOn(), 0u);
  ReleaseMasterCaution();
  EXPECT_EQ(GetMasterCautionCount(), 0) << "never below zero";
  RaiseMasterCaution();
  EXPECT_EQ(IsMasterCautionOn(), 1u) << "one raise after releases at zero";
  cockpit.runTicks(4);
  EXPECT_EQ(GetSwitch(&g_masterCautionLight), kSwitchOn);

  RaiseMasterWarning();
  RaiseMasterWarning();
  cockpit.runTicks(4);
  EXPECT_EQ(GetSwitch(&g_masterWarningLight), kSwitchOn);
  cockpit.control("Warning Lights", "master_warning", kSwitchOn).runTicks(4);
  EXPECT_EQ(IsMasterWarningOn(), 0u);
  EXPECT_EQ(GetSwitch(&g_masterWarningLight), kSwitchOff);
  ReleaseMasterWarning();
  ReleaseMasterWarning();
  EXPECT_EQ(GetMasterWarningCount(), 0) << "releases after a clear leave the count at zero";
  RaiseMasterWarning();
  EXPECT_EQ(IsMasterWarningOn(), 1u) << "on again only with a new raise";
  EXPECT_EQ(IsMasterCautionOn(), 1u) << "the warning's button leaves the caution";
  cockpit.control("Warning Lights", "master_caution", kSwitchOn);
  EXPECT_EQ(IsMasterCautionOn(), 0u);
  EXPECT_EQ(GetMasterCautionCount(), 0);
}

TEST(MasterLights, ThePopupOptionOpensTheAnnunciatorWindowAndAClearClosesIt) {
  Cockpit cockpit;
  cockpit.clearKeyEvents();
  RaiseMasterWarning();
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventOpenPanelWindow).empty()) << "option off: no window";
  ClearMasterWarning();
  EXPECT_EQ(cockpit.windowEvents(), std::vector<std::string>{"close 10250"}) << "a clear always closes it";

  cockpit.clearKeyEvents().setOption(kOptionPopupAnnunciator, true);
  RaiseMasterCaution();
  RaiseMasterWarning();
  EXPECT_EQ(cockpit.windowEvents(), (std::vector<std::string>{"open 10250", "open 10250"}));
  EXPECT_TRUE(cockpit.isWindowVisible(kPopupAnnunciatorWindow));
  ReleaseMasterCaution();
  EXPECT_TRUE(cockpit.isWindowVisible(kPopupAnnunciatorWindow)) << "a release leaves it open";
  ClearMasterCaution();
  EXPECT_FALSE(cockpit.isWindowVisible(kPopupAnnunciatorWindow));
}

// The alert logic's rules for the APU fire lamp (2,7) and the lamp of both AC
// buses lost (1,7), both warning lamps, as its once-a-second step evaluates them.
void EvaluateWarningLamps() {
  const bool fire = IsFireTestPressed() != 0 || IsApuOnFire() != 0;
  EvaluateAnnunciatorLamp(2, 7, fire, !fire, LampMaster::kWarning);
  const bool acLost = IsAcBusPowered(0) == 0 && IsAcBusPowered(1) == 0;
  const bool emergencyPower = GetSwitch(&g_emergencyPowerSwitch) == kSwitchOn;
  EvaluateAnnunciatorLamp(1, 7, acLost && GetSwitch(&g_emergencyPowerSwitch) == kSwitchOff, !acLost || emergencyPower,
                          LampMaster::kWarning);
}

// A lamp test while the APU burns: every lamp shows lit, but the alert logic
// tests the lamps' own state, so the AC lamp whose clear condition holds is
// not "cleared" (its master warning never raised is not released) and the
// fire's master warning stays on through the test and after it.
TEST(MasterLights, ALampTestDuringAnApuFireLeavesMasterWarningOn) {
  Cockpit cockpit;
  cockpit.powerUp().control("APU", "emergency_power", kSwitchOn).everyTick([](auto&) { EvaluateWarningLamps(); });
  cockpit.set(Token::ApuFire, 1).runSeconds(1);
  ASSERT_EQ(IsAnnunciatorLampSet(2, 7), 1u);
  EXPECT_EQ(IsMasterWarningOn(), 1u);
  EXPECT_EQ(GetMasterWarningCount(), 1);

  cockpit.control("Annunciator Digital Lights Test", "test", kLampTestTimed).runSeconds(1);
  EXPECT_EQ(GetAnnunciatorLamp(1, 7), 1.0) << "shown lit by the test";
  EXPECT_EQ(IsAnnunciatorLampSet(1, 7), 0u);
  EXPECT_EQ(IsMasterWarningOn(), 1u) << "during the test";
  cockpit.runSeconds(3);
  ASSERT_EQ(IsLampTestOn(), 0u);
  EXPECT_EQ(IsMasterWarningOn(), 1u) << "after the test";
  EXPECT_EQ(GetMasterWarningCount(), 1);
  EXPECT_EQ(GetAnnunciatorLamp(2, 7), 1.0);
  EXPECT_EQ(GetAnnunciatorLamp(1, 7), 0.0);

  // The fire out: one release for the one raise. A fire test during a lamp
  // test sets the lamp and raises the master.
  cockpit.set(Token::ApuFire, 0).runTicks(1);
  EXPECT_EQ(IsMasterWarningOn(), 0u);
  cockpit.control("Annunciator Digital Lights Test", "test", kLampTestHeld).control("Engine Fire", "test", kSwitchOn);
  cockpit.runTicks(1);
  EXPECT_EQ(IsMasterWarningOn(), 1u);
  cockpit.control("Engine Fire", "test", kSwitchOff).runTicks(1);
  EXPECT_EQ(IsMasterWarningOn(), 0u);
  EXPECT_EQ(GetMasterWarningCount(), 0);
}

// The stall warning comes on at 150 kt: the monitor's reference is 145 kt.
// Below it the stick pusher lamp lights and the autopilot is disconnected
// every tick until the simulator has dropped it; the pusher's recovery event
// follows on the 3 Hz ticks while the speed decay token is negative.
TEST(SpeedDecay, TripsBelowFiveKnotsUnderTheArmingSpeedAndDropsTheAutopilot) {
  Cockpit cockpit;
  cockpit.powerUp();
  cockpit.set(Token::IndicatedAirspeedKt, 150).set(Token::AutopilotEngaged, 1).set(Token::StallWarning, 1);
  cockpit.runTicks(1).set(Token::IndicatedAirspeedKt, 145).runTicks(3);
  EXPECT_EQ(GetSwitch(&g_stickPusherLight), kSwitchOff) << "exactly at the reference: not below it";
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventAutopilotOff).empty());

  cockpit.set(Token::IndicatedAirspeedKt, 144.9).runTicks(1);
  EXPECT_EQ(GetSwitch(&g_stickPusherLight), kSwitchOn);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAutopilotOff).size(), 1u);
  EXPECT_EQ(cockpit.token(Token::AutopilotEngaged), 0.0) << "the simulator drops the autopilot";
  cockpit.runTicks(10);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAutopilotOff).size(), 1u) << "sent only while it is engaged";
  cockpit.set(Token::AutopilotEngaged, 1).runTicks(1);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAutopilotOff).size(), 2u) << "engaged again: dropped again";

  EXPECT_TRUE(cockpit.keyEvents(kKeyEventSpeedDecayRecovery).empty());
  cockpit.set(Token::SpeedDecayRecovery, -1).watchChannel(kChannel3Hz).runTicks(21);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventSpeedDecayRecovery).size(), cockpit.dueTicks(kChannel3Hz).size());
  EXPECT_EQ(cockpit.keyEvents(kKeyEventSpeedDecayRecovery).size(), 3u);

  // The stall warning ends: disarmed, the lamp dark, no more events.
  cockpit.clearKeyEvents().set(Token::StallWarning, 0).runTicks(1);
  EXPECT_EQ(GetSwitch(&g_stickPusherLight), kSwitchOff);
  cockpit.runTicks(10);
  EXPECT_TRUE(cockpit.keyEvents().empty());
}

TEST(SpeedDecay, TheLampButtonDisarmsAndTheMonitorRearmsAtTheSpeedOfTheMoment) {
  Cockpit cockpit;
  cockpit.set(Token::IndicatedAirspeedKt, 150).set(Token::StallWarning, 1).runTicks(1);
  cockpit.set(Token::IndicatedAirspeedKt, 140).runTicks(1);
  ASSERT_EQ(GetSwitch(&g_stickPusherLight), kSwitchOn);
  cockpit.control("Warning Lights", "stick_pusher", kSwitchOn).runTicks(1);
  EXPECT_EQ(GetSwitch(&g_stickPusherLight), kSwitchOff) << "disarmed by the dark lamp";
  cockpit.runTicks(1);
  EXPECT_EQ(GetSwitch(&g_stickPusherLight), kSwitchOff) << "re-armed at 140 kt: reference 135";
  cockpit.set(Token::IndicatedAirspeedKt, 134.9).runTicks(1);
  EXPECT_EQ(GetSwitch(&g_stickPusherLight), kSwitchOn);
}

TEST(StallLamp, FlashesOnTheSixHertzTicksWithTheWarningOrItsTest) {
  Cockpit cockpit;
  cockpit.watchChannel(kChannel6Hz).set(Token::StallWarning, 1);
  std::map<double, int32_t> positionAt;
  for (int i = 0; i < 16; ++i) {
    cockpit.runTicks(1);
    positionAt[cockpit.tick18()] = GetSwitch(&g_stallLight);
  }
  cockpit.runTicks(1);
  std::vector<int32_t> positions;
  for (double tick : cockpit.dueTicks(kChannel6Hz)) positions.push_back(positionAt[tick]);
  EXPECT_EQ(positions, (std::vector<int32_t>{41, 120, 41, 120}));
  cockpit.set(Token::StallWarning, 0).runUntil([] { return GetSwitch(&g_stallLight) == kSwitchOff; }, 1);
  cockpit.runTicks(8);
  EXPECT_EQ(GetSwitch(&g_stallLight), kSwitchOff) << "dark and staying dark";

  cockpit.control("Various", "stall_test", kTestSwitchHeldLeft);
  EXPECT_EQ(IsVariousSwitchOn(), 1u);
  cockpit.runTicks(4);
  EXPECT_EQ(GetSwitch(&g_stallLight), kSwitchOn) << "the test flashes it too";
}

TEST(Various, SectionRoundTripAndTheTimedSwitches) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[VARIOUS]\r\npa_light=41\r\nanti_skid=127\r\nanti_skid_test=200\r\nyaw_damp=49\r\n"
                          "mach_trim_comp=44\r\nsync=41\r\ngpws=64\r\n");
  cockpit.start();
  EXPECT_EQ(GetSwitch(&g_paLightSwitch), 41);
  EXPECT_EQ(GetSwitch(&g_attendantLightSwitch), 120);
  EXPECT_EQ(GetSwitch(&g_antiSkidSwitch), 127);
  EXPECT_EQ(GetSwitch(&g_antiSkidTestSwitch), 120) << "out of range";
  EXPECT_EQ(GetSwitch(&g_yawDampSwitch), 49);
  EXPECT_EQ(GetSwitch(&g_maxSpeedWarnTestSwitch), 120);
  EXPECT_EQ(GetSwitch(&g_machTrimCompSwitch), 44);
  EXPECT_EQ(GetSwitch(&g_syncSwitch), 41);
  EXPECT_EQ(GetSwitch(&g_annunciatorTestSwitch), 120);

  // The GPWS switch saved in its test position returns after 36 ticks.
  EXPECT_EQ(TicksHeldAt(cockpit, &g_gpwsSwitch, kGpwsSwitchTest), 37);
  EXPECT_EQ(GetSwitch(&g_gpwsSwitch), kGpwsSwitchNormal);
  SetVariousSwitchOn();
  EXPECT_EQ(TicksHeldAt(cockpit, &g_variousTestSwitch, kSwitchOn), 55);
  EXPECT_EQ(IsVariousSwitchOn(), 0u);
  cockpit.setSwitch(&g_annunciatorTestSwitch, kSwitchOn);
  EXPECT_EQ(TicksHeldAt(cockpit, &g_annunciatorTestSwitch, kSwitchOn), 55);
  cockpit.setSwitch(&g_annunciatorTestSwitch, kTestSwitchHeldLeft).runSeconds(5);
  EXPECT_EQ(GetSwitch(&g_annunciatorTestSwitch), kTestSwitchHeldLeft) << "held: not timed";

  cockpit.control("VARIOUS", "attendant_light", 41).control("VARIOUS", "gpws", 64).shutdown();
  EXPECT_EQ(cockpit.iniKeys("VARIOUS"),
            (std::vector<std::string>{"pa_light", "anti_skid", "anti_skid_test", "yaw_damp", "mach_trim_comp",
                                      "sync", "gpws", "attendant_light", "max_speed_warn_test"}));
  EXPECT_EQ(cockpit.ini("VARIOUS", "attendant_light"), "41");
  EXPECT_EQ(cockpit.ini("VARIOUS", "anti_skid_test"), "120");
  EXPECT_EQ(cockpit.ini("VARIOUS", "mach_trim_comp"), "44");
  EXPECT_EQ(cockpit.ini("VARIOUS", "max_speed_warn_test"), "120");
  EXPECT_EQ(cockpit.ini("VARIOUS", "sync"), "41");
  EXPECT_EQ(cockpit.ini("VARIOUS", "gpws"), "64");
}

TEST(Various, DefaultsOfAFreshSection) {
  Cockpit cockpit;
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("VARIOUS", "mach_trim_comp"), "43");
  EXPECT_EQ(cockpit.ini("VARIOUS", "gpws"), "43");
  EXPECT_EQ(cockpit.ini("VARIOUS", "sync"), "120");
  EXPECT_EQ(cockpit.ini("VARIOUS", "yaw_damp"), "120");
}

// The meter walks through its 30 test readings, one on each 6 Hz tick, and
// comes back to rest at 45.
TEST(VoiceRecorder, TheTestWalksTheMeterAndEndsByItself) {
  Cockpit cockpit;
  EXPECT_EQ(GetVoiceRecorderMeter(), 45.0);
  cockpit.runTicks(10);
  EXPECT_EQ(GetVoiceRecorderMeter(), 45.0) << "idle";
  StartVoiceRecorderTest();
  const double startTick = cockpit.tick18();
  std::vector<double> readings{45.0};
  cockpit.runUntil(
      [&] {
        if (readings.back() != GetVoiceRecorderMeter()) readings.push_back(GetVoiceRecorderMeter());
        return readings.size() > 1 && GetVoiceRecorderMeter() == 45.0;
      },
      20);
  ASSERT_EQ(readings.size(), 32u);
  EXPECT_EQ(readings[1], -10.0);
  EXPECT_EQ(readings[30], -20.0);
  EXPECT_EQ(readings.back(), 45.0);
  EXPECT_NEAR(cockpit.tick18() - startTick, 31 * 4, 4) << "30 steps and the return to rest, 4 ticks apart";
  cockpit.runTicks(10);
  EXPECT_EQ(GetVoiceRecorderMeter(), 45.0) << "stopped";
}

}  // namespace
}  // namespace halcyon::test
