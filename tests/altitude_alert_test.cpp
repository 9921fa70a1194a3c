// The altitude alert over a climb to the preselected altitude (the 1000-foot
// call, the lamp and its tone in their bands), toward the FMS altitude in
// VNAV, the deviation alert in altitude hold, and the altimeter's reference
// index with its saved value.
#include <gtest/gtest.h>

#include "core/options.h"
#include "fmc/fms.h"
#include "host/callouts.h"
#include "host/voice_queue.h"
#include "systems/altimeter.h"
#include "systems/dfgs.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr int kSlotAltitudeAlert = 228;
constexpr int kSlotAltitudeAlert2 = 229;

// One second at an altitude: the alert runs once a second.
Cockpit& At(Cockpit& cockpit, double altitudeFt) { return cockpit.set(Token::AltitudeFt, altitudeFt).runTicks(19); }

bool LampLit() { return GetSwitch(&g_altitudeAlertLight) == kSwitchOn; }

Cockpit& Climbing(Cockpit& cockpit, double preselectFt) {
  cockpit.addSounds({kSoundFirstAltitudeCallout, kSlotAltitudeAlert, kSlotAltitudeAlert2}).start();
  cockpit.guidanceReady().set(Token::FlightDirector, 1);
  SetDfgsSelectedValue(kSelAltitude, preselectFt);
  SetDfgsAltPreselectArm(kAltArmArmed);
  return cockpit;
}

TEST(AltitudeAlert, ClimbToThePreselectCalloutLampAndToneInTheirBands) {
  Cockpit cockpit({.start = false});
  Climbing(cockpit, 10000);
  At(cockpit, 8990);
  At(cockpit, 9000);
  EXPECT_TRUE(cockpit.played(kSoundFirstAltitudeCallout).empty()) << "1000 ft to go is not within";
  At(cockpit, 9001);
  EXPECT_EQ(cockpit.played(kSoundFirstAltitudeCallout).size(), 1u);
  EXPECT_FALSE(LampLit());
  At(cockpit, 9050).runTicks(40);
  EXPECT_EQ(cockpit.played(kSoundFirstAltitudeCallout).size(), 1u) << "once";
  At(cockpit, 8000);
  At(cockpit, 9100);
  EXPECT_EQ(cockpit.played(kSoundFirstAltitudeCallout).size(), 1u) << "900 ft to go is not within";
  At(cockpit, 9099);
  EXPECT_EQ(cockpit.played(kSoundFirstAltitudeCallout).size(), 2u) << "re-armed beyond 1000 ft";

  At(cockpit, 9250);
  EXPECT_FALSE(LampLit()) << "750 ft to go";
  EXPECT_TRUE(cockpit.played(kSlotAltitudeAlert2).empty());
  At(cockpit, 9251);
  EXPECT_TRUE(LampLit());
  At(cockpit, 9749);
  EXPECT_TRUE(LampLit());
  At(cockpit, 9750);
  EXPECT_FALSE(LampLit()) << "250 ft to go";
  At(cockpit, 10000);
  EXPECT_FALSE(LampLit());
  At(cockpit, 10251);
  EXPECT_TRUE(LampLit()) << "beyond the target too";
  At(cockpit, 9500).runTicks(60);
  EXPECT_EQ(cockpit.played(kSlotAltitudeAlert2).size(), 1u) << "the tone once per arming";

  // Disarmed and out of altitude hold: the latches clear, the tone sounds at the next arming.
  SetDfgsAltPreselectArm(kAltArmOff);
  SetDfgsPitchMode(kPitchVerticalSpeed);
  At(cockpit, 9500);
  EXPECT_FALSE(LampLit());
  SetDfgsAltPreselectArm(kAltArmCapturing);
  At(cockpit, 9500).runTicks(60);
  EXPECT_EQ(cockpit.played(kSlotAltitudeAlert2).size(), 2u);
}

TEST(AltitudeAlert, TheCalloutIsUsedUpSilentlyWithFirstOfficerCalloutsOff) {
  Cockpit cockpit({.start = false});
  Climbing(cockpit, 10000);
  At(cockpit, 8000);
  cockpit.setOption(kOptionTurnOffFoCallouts, true);
  At(cockpit, 9050);
  EXPECT_EQ(g_thousandFootCalloutFlag, 0u);
  cockpit.setOption(kOptionTurnOffFoCallouts, false);
  At(cockpit, 9060);
  EXPECT_TRUE(cockpit.played(kSoundFirstAltitudeCallout).empty()) << "used up";
  At(cockpit, 8999);
  EXPECT_EQ(g_thousandFootCalloutFlag, 1u);
}

TEST(AltitudeAlert, InVnavAnFmsAltitudeOnTheWayIsTheTarget) {
  Cockpit cockpit({.start = false});
  Climbing(cockpit, 10000);
  CFms::Guidance guidance;
  guidance.apAltitudeFt = 8000;
  cockpit.fmsAnswers(guidance);
  At(cockpit, 7500);
  EXPECT_FALSE(LampLit()) << "without VNAV the preselect is the target";
  guidance.vnavNext = kVnavCruise;
  cockpit.fmsAnswers(guidance).set(Token::AltitudeFt, 7500);
  UpdateDfgsVnav();
  ASSERT_EQ(IsDfgsVnav(), 1);
  guidance.vnavNext = kVnavNone;
  cockpit.fmsAnswers(guidance);
  SetDfgsSelectedValue(kSelAltitude, 10000);
  SetDfgsAltPreselectArm(kAltArmArmed);
  At(cockpit, 7500);
  EXPECT_TRUE(LampLit()) << "500 ft below the FMS altitude of 8000";
  guidance.apAltitudeFt = 12000;
  cockpit.fmsAnswers(guidance);
  At(cockpit, 7500);
  EXPECT_FALSE(LampLit()) << "an FMS altitude beyond the preselect is not the target";
  guidance.apAltitudeFt = 10300;
  cockpit.fmsAnswers(guidance);
  At(cockpit, 9500);
  EXPECT_TRUE(LampLit()) << "500 ft below the preselect; the FMS altitude beyond it is not the target";
  guidance.apAltitudeFt = 7000;
  cockpit.fmsAnswers(guidance);
  At(cockpit, 7500);
  EXPECT_FALSE(LampLit()) << "an FMS altitude behind the aircraft is not the target";

  // Descending to 6000 through an FMS altitude of 8000.
  guidance.apAltitudeFt = 8000;
  cockpit.fmsAnswers(guidance);
  SetDfgsSelectedValue(kSelAltitude, 6000);
  At(cockpit, 8400);
  EXPECT_TRUE(LampLit());
  guidance.apAltitudeFt = 5000;
  cockpit.fmsAnswers(guidance);
  At(cockpit, 6400);
  EXPECT_TRUE(LampLit()) << "below the preselect: the preselect is the target";
}

TEST(AltitudeAlert, DeviationFromTheHeldAltitudeFlashesAndSpeaksOnce) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({kSlotAltitudeAlert}).start();
  // The director on at 5000 ft: the flight guidance holds the altitude flown.
  cockpit.guidanceReady().set(Token::FlightDirector, 1);
  At(cockpit, 5000);
  ASSERT_EQ(GetDfgsPitchMode(), kPitchAltitudeHold);
  ASSERT_EQ(cockpit.token(Token::AutopilotAltitudeFt), 5000.0);
  At(cockpit, 5250);
  EXPECT_FALSE(LampLit()) << "250 ft off is within";
  At(cockpit, 4749);
  EXPECT_TRUE(LampLit());
  At(cockpit, 4749);
  EXPECT_FALSE(LampLit()) << "flashing once a second";
  At(cockpit, 4749);
  EXPECT_TRUE(LampLit());
  cockpit.runTicks(60);
  EXPECT_EQ(cockpit.played(kSlotAltitudeAlert).size(), 1u) << "the tone once";

  EnqueueVoiceMessage(0);  // a fire warning holds the queue for 43 ticks: 14 waits behind it
  EnqueueVoiceMessage(14);
  At(cockpit, 4800);
  EXPECT_FALSE(LampLit());
  EXPECT_FALSE(IsVoiceMessageQueued(14)) << "taken off the queue once back";

  for (double held : {static_cast<double>(kDfgsClimbFreeAltitudeFt), 0.0}) {
    cockpit.set(Token::AutopilotAltitudeFt, held);
    At(cockpit, 8000);
    EXPECT_FALSE(LampLit()) << "no altitude held at " << held;
  }
  cockpit.set(Token::AutopilotAltitudeFt, 5000);
  At(cockpit, 5600).runTicks(60);
  const size_t tones = cockpit.played(kSlotAltitudeAlert).size();
  At(cockpit, 5600).runTicks(60);
  EXPECT_EQ(cockpit.played(kSlotAltitudeAlert).size(), tones) << "the latch holds in altitude hold";
  // The director off: no mode, and the latches clear; on again, it holds the
  // altitude flown, and a deviation from that speaks again.
  cockpit.set(Token::FlightDirector, 0);
  At(cockpit, 5600);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchNone);
  EXPECT_FALSE(LampLit());
  cockpit.set(Token::FlightDirector, 1);
  At(cockpit, 5600);
  ASSERT_EQ(GetDfgsPitchMode(), kPitchAltitudeHold);
  At(cockpit, 5300).runTicks(60);
  EXPECT_EQ(cockpit.played(kSlotAltitudeAlert).size(), tones + 1) << "out of altitude hold cleared the latch";
  cockpit.set(Token::OnGround, 1);
  At(cockpit, 5600);
  EXPECT_FALSE(LampLit()) << "on the ground";
}

TEST(Altimeter, ReferenceIndexLoadsWrapsAndSaves) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[ALTIMETER]\r\nref_index=12\r\n");
  cockpit.start();
  EXPECT_EQ(GetAltimeterRefIndex(), 12.0);
  SetAltimeterRefIndex(0);
  DecAltimeterRefIndex();
  EXPECT_EQ(GetAltimeterRefIndex(), 49.0);
  SetAltimeterRefIndex(50);
  IncAltimeterRefIndex();
  EXPECT_EQ(GetAltimeterRefIndex(), 1.0);
  SetAltimeterRefIndex(49);
  IncAltimeterRefIndex();
  EXPECT_EQ(GetAltimeterRefIndex(), 50.0);
  DecAltimeterRefIndex();
  EXPECT_EQ(GetAltimeterRefIndex(), 49.0);
  SetAltimeterRefIndex(50.5);
  EXPECT_EQ(GetAltimeterRefIndex(), 0.0) << "off the dial";
  SetAltimeterRefIndex(-1);
  EXPECT_EQ(GetAltimeterRefIndex(), 0.0);
  SetAltimeterRefIndex(37.6);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("ALTIMETER", "ref_index"), "37");
}

TEST(Altimeter, ASavedIndexOffTheDialLoadsAsZero) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[ALTIMETER]\r\nref_index=99\r\n");
  cockpit.start();
  EXPECT_EQ(GetAltimeterRefIndex(), 0.0);
  IncAltimeterRefIndex();
  EXPECT_EQ(GetAltimeterRefIndex(), 1.0);
}

}  // namespace
}  // namespace halcyon::test
