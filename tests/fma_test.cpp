// The flight mode annunciator: every window's texts by mode, the readouts,
// the tests and speed warnings that take precedence, the glyph frames the
// cells show, and the autoflight alert lamps.
#include <gtest/gtest.h>

#include <string>

#include "core/options.h"
#include "core/tick_scheduler.h"
#include "fmc/fms.h"
#include "host/voice_queue.h"
#include "systems/annunciator_lamps.h"
#include "systems/dfgs.h"
#include "systems/fma.h"
#include "systems/thrust_rating.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

// One window's line as the crew reads it ('*' every segment).
std::string Fma(int32_t window, int32_t line) {
  char text[8];
  FormatFmaLine(window, line, text, sizeof(text));
  return text;
}
std::string Window(int32_t window) { return Fma(window, 1) + "/" + Fma(window, 2); }

// VNAV coupled in cruise.
void CoupleVnav(Cockpit& cockpit) {
  CFms::Guidance guidance;
  guidance.vnavNext = kVnavCruise;
  guidance.apAltitudeFt = 31000;
  cockpit.fmsAnswers(guidance);
  UpdateDfgsVnav();
  ASSERT_EQ(IsDfgsVnav(), 1);
}

TEST(Fma, RollAndPitchWindowsByMode) {
  Cockpit cockpit;
  const char* roll[] = {"   /   ", "HDG/HLD", "HDG/SEL", "NAV/CAP", "NAV/TRK", "NAV/HLD", "WNG/LVL", "TAK/OFF", "LOC/CAP",
                        "LOC/TRK", "VOR/CAP", "VOR/TRK", "VOR/CRS", "AUT/LND", "ALN/   ", "ROL/OUT", "GO /RND"};
  for (int32_t mode = 0; mode < static_cast<int32_t>(std::size(roll)); ++mode) {
    SetDfgsRollMode(mode);
    EXPECT_EQ(Window(3), roll[mode]) << "roll mode " << mode;
  }
  const char* pitch[] = {"    /    ", "VERT/SPD ", "IAS /    ", "MACH/    ", "ALT /HLD ", "TURB/    ", "TAK /OFF ",
                         "G/S /CAP ", "G/S /TRK ", "NO  /FLR ", "    /    ", "AUT /LND ", "FLAR/    ", "ROL /OUT ",
                         "GO  /RND ", "****/****", "VNAV/CLB ", "VNAV/LVL ", "VNAV/DES ", "VNAV/CAP "};
  for (int32_t mode = 0; mode < static_cast<int32_t>(std::size(pitch)); ++mode) {
    SetDfgsPitchMode(mode);
    EXPECT_EQ(Window(4), pitch[mode]) << "pitch mode " << mode;
  }
  SetDfgsPitchMode(kPitchVerticalSpeed);
  SetDfgsAltPreselectArm(kAltArmArmed);
  EXPECT_EQ(Window(4), "VERT/SPD ") << "armed: the pitch mode shows";
  SetDfgsAltPreselectArm(kAltArmCapturing);
  EXPECT_EQ(Window(4), "ALT /CAP ");
}

TEST(Fma, ThrustWindowWithoutVnavAndItsReadouts) {
  Cockpit cockpit;
  cockpit.set(Token::AutopilotAirspeedKt, 250.6).set(Token::AutopilotMach, 0.78);
  const char* thrust[] = {"    /    ", " SPD/ 250", " VMO/ LIM", "MACH/.780", " MMO/ LIM", " EPR/    ", "****/****",
                          "CLMP/    ", "CLMP/    ", "RETD/    ", "FLAP/LIM ", "****/****", " LOW/ LIM", "****/****",
                          "****/****"};
  for (int32_t mode = 0; mode < static_cast<int32_t>(std::size(thrust)); ++mode) {
    SetDfgsThrustMode(mode);
    if (GetDfgsThrustMode() != mode) continue;  // modes the flight guidance does not store
    EXPECT_EQ(Window(1), thrust[mode]) << "thrust mode " << mode;
  }
  cockpit.set(Token::AutopilotAirspeedKt, 95);
  SetDfgsThrustMode(kThrustIas);
  EXPECT_EQ(Fma(1, 2), " 095") << "leading zeros shown";
  cockpit.set(Token::AutopilotAirspeedKt, 1250);
  EXPECT_EQ(GetFmaLegend(1, 2, 2), 12) << "the hundreds are not reduced to one digit";
  cockpit.set(Token::AutopilotMach, 0.29);
  SetDfgsThrustMode(kThrustMach);
  EXPECT_EQ(Fma(1, 2), ".290") << "a decimal step is not read one step low";

  // Under EPR, the thrust rating; the flexible rating shows its temperature.
  SetDfgsThrustMode(kThrustEprLimit);
  const char* ratings[] = {"    ", " T/O", nullptr, " G/A", " MCT", " CL ", " CR "};
  for (int32_t rating = 0; rating < static_cast<int32_t>(std::size(ratings)); ++rating) {
    if (ratings[rating] == nullptr) continue;
    SetTrpMode(rating);
    EXPECT_EQ(Fma(1, 2), ratings[rating]) << "rating " << rating;
  }
  SetTrpMode(kTrpFlexTakeoff);
  for (int i = 0; i < 7; ++i) IncTrpAssumedTemp();
  ASSERT_EQ(GetTrpAssumedTemp(), 7);
  EXPECT_EQ((std::vector<int32_t>{GetFmaLegend(1, 2, 1), GetFmaLegend(1, 2, 2), GetFmaLegend(1, 2, 3),
                                  GetFmaLegend(1, 2, 4)}),
            (std::vector<int32_t>{kFmaBlank, kFmaBlank, kFmaBlank, 7}));
  for (int i = 0; i < 40; ++i) IncTrpAssumedTemp();
  EXPECT_EQ(Fma(1, 2), "  47");
  for (int i = 0; i < 53; ++i) IncTrpAssumedTemp();
  EXPECT_EQ(Fma(1, 2), " 100") << "the hundreds digit from 100 up";
  for (int i = 0; i < 7; ++i) IncTrpAssumedTemp();
  EXPECT_EQ(Fma(1, 2), " 107");

  // Thrust mode 0: the flexible temperature only with the autopilot or director on.
  SetDfgsThrustMode(kThrustOff);
  EXPECT_EQ(Fma(1, 2), "    ");
  cockpit.set(Token::FlightDirector, 1);
  EXPECT_EQ(Fma(1, 2), " 107");
  SetTrpMode(kTrpClimb);
  EXPECT_EQ(Fma(1, 2), "    ");
}

TEST(Fma, ThrustWindowInVnav) {
  Cockpit cockpit;
  SetSwitch(&g_autothrottleSwitch, kSwitchOn);
  CoupleVnav(cockpit);
  cockpit.set(Token::AutopilotAirspeedKt, 280).set(Token::AutopilotMach, 0.74);
  SetDfgsThrustMode(kThrustOff);
  EXPECT_EQ(Window(1), "    /    ") << "thrust mode 0 as without VNAV";
  for (int32_t mode : {1, 2, 3, 4, 8, 9, 10, 11}) {
    SetDfgsThrustMode(mode);
    EXPECT_EQ(Window(1), " FMS/ SPD") << mode;
  }
  for (int32_t mode : {5, 7}) {
    SetDfgsThrustMode(mode);
    EXPECT_EQ(Window(1), " FMS/ EPR") << mode;
  }
  SetDfgsThrustMode(kThrustRetard);
  EXPECT_EQ(Window(1), " FMS/****");
  SetDfgsThrustMode(kThrustPathDescent);
  EXPECT_EQ(Window(1), " FMS/ IDL") << "cruise phase: idle whatever the throttles";

  ToggleDfgsFmsOverride();
  SetDfgsPitchMode(kPitchMachOnPitch);
  EXPECT_EQ(Window(1), "OVRD/.740");
  SetDfgsPitchMode(kPitchIasOnPitch);
  EXPECT_EQ(Window(1), "OVRD/ 280");

  // The autothrottle off in VNAV: ATS OFF in thrust mode 11, blank in 0.
  ToggleDfgsFmsOverride();
  SetSwitch(&g_autothrottleSwitch, kSwitchOff);
  SetDfgsThrustMode(kThrustVnavNoAutothrottle);
  EXPECT_EQ(Window(1), " ATS/ OFF");
  SetDfgsThrustMode(kThrustIas);
  EXPECT_EQ(Window(1), "****/****");
  SetSwitch(&g_autothrottleSwitch, kSwitchOn);
  EXPECT_EQ(Window(1), " FMS/ SPD");
}

TEST(Fma, VnavPitchWindowByPhaseAndTheDescentThrottleTest) {
  Cockpit cockpit;
  cockpit.set(Token::AltitudeFt, 20000);
  SetSwitch(&g_autothrottleSwitch, kSwitchOn);
  SetDfgsSelectedValue(kSelAltitude, 10000);
  CoupleVnav(cockpit);
  EXPECT_EQ(Window(4), "VNAV/CRZ ");
  SetDfgsAltPreselectArm(kAltArmCapturing);
  EXPECT_EQ(Window(4), "VNAV/CRZ ") << "the arm does not replace VNAV";
  SetDfgsAltPreselectArm(kAltArmOff);

  CFms::Guidance guidance;
  guidance.vnavNext = kVnavDescent;
  cockpit.fmsAnswers(guidance);
  UpdateDfgsVnav();
  ASSERT_EQ(GetDfgsVnavPhase(), kVnavDescent);
  EXPECT_EQ(Window(4), "VNAV/DES ");
  SetDfgsAltPreselectArm(kAltArmCapturing);
  EXPECT_EQ(Fma(4, 2), "CAP ");
  SetDfgsAltPreselectArm(kAltArmOff);

  SetDfgsThrustMode(kThrustPathDescent);
  cockpit.set(Token::Engine1Throttle, 2000).set(Token::Engine2Throttle, 2000);
  EXPECT_EQ(Fma(1, 2), " IDL") << "2000 is idle";
  cockpit.set(Token::Engine2Throttle, 2001);
  EXPECT_EQ(Fma(1, 2), " SPD") << "either throttle above idle";
  cockpit.set(Token::Engine2Throttle, 0).set(Token::Engine1Throttle, 2001);
  EXPECT_EQ(Fma(1, 2), " SPD");
}

TEST(Fma, ArmedWindowAndTheFlightLevelReadout) {
  Cockpit cockpit;
  const char* armed[] = {"   ", "LOC", "VOR", "ILS", "LND", "AUT", "F/D", "MAN"};
  for (int32_t mode = 0; mode < static_cast<int32_t>(std::size(armed)); ++mode) {
    SetDfgsModeE(mode);
    EXPECT_EQ(Fma(2, 1), armed[mode]) << "mode E " << mode;
    EXPECT_EQ(Fma(2, 2), mode >= 5 ? "G/A" : "   ") << "go-around armed in autoland " << mode;
  }
  SetDfgsModeE(kModeENone);
  SetDfgsSelectedValue(kSelAltitude, 9500);
  SetDfgsAltPreselectArm(kAltArmArmed);
  EXPECT_EQ(Fma(2, 2), "ALT");
  SetDfgsAltPreselectArm(kAltArmCapturing);
  EXPECT_EQ(Fma(2, 2), "ALT");
  cockpit.setOption(kOptionFmaFl, true);
  EXPECT_EQ((std::vector<int32_t>{GetFmaLegend(2, 2, 1), GetFmaLegend(2, 2, 2), GetFmaLegend(2, 2, 3)}),
            (std::vector<int32_t>{kFmaSuppressedDigit, 9, 5}));
  SetDfgsSelectedValue(kSelAltitude, 35000);
  EXPECT_EQ(Fma(2, 2), "350");
  SetDfgsSelectedValue(kSelAltitude, 10000);
  EXPECT_EQ(Fma(2, 2), "100") << "10000 shows its leading digit";
  SetDfgsSelectedValue(kSelAltitude, 900);
  EXPECT_EQ((std::vector<int32_t>{GetFmaLegend(2, 2, 1), GetFmaLegend(2, 2, 2), GetFmaLegend(2, 2, 3)}),
            (std::vector<int32_t>{kFmaSuppressedDigit, kFmaSuppressedDigit, 9}));
  SetDfgsSelectedValue(kSelAltitude, 1000);
  EXPECT_EQ(GetFmaLegend(2, 2, 2), 1) << "1000 shows its thousands";
}

TEST(Fma, ThePrecedenceChainBeforeTheModes) {
  Cockpit cockpit;
  SetDfgsThrustMode(kThrustIas);
  SetDfgsPitchMode(kPitchAltitudeHold);
  SetDfgsRollMode(kRollHeadingHold);
  ComputeDfgsMinimumSpeed();
  const double minimumKt = GetDfgsMinimumSpeed();
  ASSERT_GT(minimumKt, 100.0);
  cockpit.set(Token::AutopilotAirspeedKt, minimumKt + 1).set(Token::IndicatedAirspeedKt, 250);

  // ALFA SPD: autothrottle armed, a speed target below the minimum speed, in thrust modes 1, 3 and 12.
  cockpit.set(Token::AutothrottleArmed, 1);
  EXPECT_EQ(Fma(1, 1), " SPD");
  cockpit.set(Token::AutopilotAirspeedKt, minimumKt - 0.5);
  EXPECT_EQ(Window(1), "ALFA/ SPD");
  SetDfgsThrustMode(kThrustEprLimit);
  EXPECT_EQ(Fma(1, 1), " EPR") << "not in EPR";
  SetDfgsThrustMode(kThrustRetard);
  EXPECT_EQ(Fma(1, 1), "ALFA");
  cockpit.set(Token::AutothrottleArmed, 0);
  EXPECT_EQ(Fma(1, 1), " LOW");

  // SPD LOW: airborne on the autopilot or director, below 0.9 of the minimum speed.
  cockpit.set(Token::OnGround, 0).set(Token::AutopilotEngaged, 1);
  cockpit.set(Token::IndicatedAirspeedKt, 0.9 * minimumKt);
  EXPECT_EQ(Window(4), "ALT /HLD ") << "exactly 0.9 of it";
  cockpit.set(Token::IndicatedAirspeedKt, 0.9 * minimumKt - 0.1);
  EXPECT_EQ(Window(4), "SPD /LOW ");
  EXPECT_EQ(Window(3), "HDG/HLD") << "window 4 only";
  cockpit.set(Token::OnGround, 1);
  EXPECT_EQ(Window(4), "ALT /HLD ") << "not on the ground";
  cockpit.set(Token::OnGround, 0).set(Token::AutopilotEngaged, 0);
  EXPECT_EQ(Window(4), "ALT /HLD ");
  cockpit.set(Token::FlightDirector, 1);
  EXPECT_EQ(Window(4), "SPD /LOW ");

  // The autoland pre-flight test, then the power-up test over it, then the lamp test over all.
  SetSwitch(&g_autolandGroundArm, kAutolandGroundArmShown);
  EXPECT_EQ(Window(1) + Window(2) + Window(3) + Window(4), "AUTO/ LNDPRE/   FLT/   TEST/    ");
  SetSwitch(&g_dfgsTestSwitch, 1);
  EXPECT_EQ(Window(1) + Window(2) + Window(3) + Window(4), " PWR/    UP /   TST/   BOX1/    ");
  SetSwitch(&g_lampTestSwitch, kLampTestHeld);
  EXPECT_EQ(Window(1) + Window(2) + Window(3) + Window(4), "****/*******/******/*******/****");
  EXPECT_EQ(GetFmaLegend(2, 1, 4), kFmaAllSegments) << "window 2 has three cells";
  EXPECT_EQ(GetFmaLegend(0, 1, 1), kFmaAllSegments);
  EXPECT_EQ(GetFmaLegend(5, 1, 1), kFmaAllSegments);
  EXPECT_EQ(GetFmaLegend(1, 3, 1), kFmaAllSegments);
  EXPECT_EQ(GetFmaLegend(1, 1, 0), kFmaAllSegments);
}

TEST(Fma, CellFramesAreBlankWithoutPowerOrDigitLightAndLitInTheLampTest) {
  Cockpit cockpit;
  SetSwitch(&g_lampTestSwitch, kLampTestHeld);
  EXPECT_EQ(GetFmaLampState(5), kFmaFrameBlank) << "unpowered, even in the lamp test";
  cockpit.powerUp();
  EXPECT_EQ(GetFmaLampState(5), kFmaFrameBlank) << "the side digit lighting off";
  cockpit.control("SIDE SWITCHES", "digitaL", kSwitchOn);
  EXPECT_EQ(GetFmaLampState(5), kFmaFrameAllSegments);
  SetSwitch(&g_lampTestSwitch, kSwitchOff);
  EXPECT_EQ(GetFmaLampState(5), 5.0);
  EXPECT_EQ(GetFmaLampState(kFmaSlash), 36.0);
  EXPECT_EQ(GetFmaLampState(kFmaAllSegments), 38.0);
  EXPECT_EQ(GetFmaLampState(kFmaBlank), 37.0);
  EXPECT_EQ(GetFmaLampState(kFmaPlus), 40.0);
  EXPECT_EQ(GetFmaLampState(kFmaMinus), 39.0);
  EXPECT_EQ(GetFmaLampState(kFmaPoint), 41.0);
  EXPECT_EQ(GetFmaLampState(kFmaSuppressedDigit), 42.0);
  EXPECT_EQ(GetFmaLampState(43), 38.0);
  EXPECT_EQ(GetFmaLampState(-1), 38.0);
}

TEST(FmaAlerts, AutopilotDisconnectSpeaksOnceAndFlashesUntilTheApButton) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({230}).start();
  cockpit.guidanceReady().set(Token::AutopilotEngaged, 1).watchChannel(kChannel3Hz).runTicks(8);
  ASSERT_EQ(cockpit.token(Token::AutopilotEngaged), 1.0);
  EXPECT_EQ(GetSwitch(&g_autopilotAlertSwitch), kSwitchOn);
  cockpit.set(Token::AutopilotEngaged, 0);
  cockpit.runUntil([] { return GetSwitch(&g_autopilotAlertSwitch) == kFmaAutopilotDisconnected; }, 1);
  const double disconnectedTick = cockpit.tick18();
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.dueTicks(kChannel3Hz).count(disconnectedTick), 1u);
  EXPECT_EQ(cockpit.played(230).size(), 1u) << "AP DISCONNECT";
  EXPECT_EQ(GetSwitch(&g_fmaAutopilotDisconnectLamp), kSwitchOn);
  cockpit.runTicks(6);
  EXPECT_EQ(GetSwitch(&g_fmaAutopilotDisconnectLamp), kSwitchOff) << "flashes at each run of the channel";
  cockpit.runTicks(7);
  EXPECT_EQ(GetSwitch(&g_fmaAutopilotDisconnectLamp), kSwitchOn);
  cockpit.runTicks(60);
  EXPECT_EQ(cockpit.played(230).size(), 1u) << "said once";
  cockpit.control("FMA", "ap", 1).runTicks(7);
  EXPECT_EQ(GetSwitch(&g_autopilotAlertSwitch), kSwitchOff);
  EXPECT_EQ(GetSwitch(&g_fmaAutopilotDisconnectLamp), kSwitchOff);
  cockpit.runTicks(14);
  EXPECT_EQ(GetSwitch(&g_fmaAutopilotDisconnectLamp), kSwitchOff);

  // Engaged again, then off again: a second disconnection, ended by the reset button.
  cockpit.set(Token::AutopilotEngaged, 1).runTicks(7);
  EXPECT_EQ(GetSwitch(&g_autopilotAlertSwitch), kSwitchOn);
  cockpit.set(Token::AutopilotEngaged, 0).runTicks(7);
  EXPECT_EQ(GetSwitch(&g_autopilotAlertSwitch), kFmaAutopilotDisconnected);
  cockpit.runTicks(60);
  EXPECT_EQ(cockpit.played(230).size(), 2u);
  cockpit.control("FMA", "reset", 1).runTicks(7);
  EXPECT_EQ(GetSwitch(&g_autopilotAlertSwitch), kSwitchOff);
}

TEST(FmaAlerts, AutothrottleDisconnectLampFlashesWithBothThrottlesForward) {
  Cockpit cockpit;
  SetSwitch(&g_autothrottleSwitch, kSwitchOn);
  DisengageAutothrottle();
  ASSERT_EQ(IsAutothrottleDisconnect(), 1u);
  cockpit.set(Token::Engine1Throttle, 5000).set(Token::Engine2Throttle, 0).runTicks(7);
  EXPECT_EQ(GetSwitch(&g_fmaAutothrottleDisconnectLamp), kSwitchOff) << "a throttle at 0";
  cockpit.set(Token::Engine1Throttle, 0).set(Token::Engine2Throttle, 5000);
  for (int run = 0; run < 2; ++run) {
    cockpit.runTicks(7);
    EXPECT_EQ(GetSwitch(&g_fmaAutothrottleDisconnectLamp), kSwitchOff) << "the other throttle at 0";
  }
  cockpit.set(Token::Engine1Throttle, 1);
  cockpit.set(Token::Engine2Throttle, 1).runTicks(7);
  const int32_t first = GetSwitch(&g_fmaAutothrottleDisconnectLamp);
  cockpit.runTicks(7);
  EXPECT_NE(GetSwitch(&g_fmaAutothrottleDisconnectLamp), first) << "flashing";
  cockpit.control("FMA", "ats", 1).runTicks(7);
  EXPECT_EQ(IsAutothrottleDisconnect(), 0u);
  EXPECT_EQ(GetSwitch(&g_fmaAutothrottleDisconnectLamp), kSwitchOff);
}

TEST(FmaAlerts, ApproachLampsLightUntilAcknowledgedAndTheAutolandTestFlashes) {
  Cockpit cockpit;
  cockpit.guidanceReady().set(Token::FlightDirector, 1);
  // Words outside the NAV band: the host's receivers leave the station codes to the test.
  cockpit.set(Token::Nav1Frequency, 0x2030)
      .set(Token::Nav2Frequency, 0x2050)
      .set(Token::Nav1CourseDeg, 160)
      .set(Token::Nav2CourseDeg, 160);
  cockpit.runTicks(7);
  EXPECT_EQ(GetSwitch(&g_fmaAutolandNavLamp), kSwitchOff) << "acknowledged from start-up";
  ClearAutolandAlertLatch();
  ClearIlsAlertLatch();
  cockpit.runTicks(7);
  EXPECT_EQ(GetSwitch(&g_fmaAutolandNavLamp), kSwitchOn) << "receivers apart";
  EXPECT_EQ(GetSwitch(&g_fmaIlsGlideslopeLamp), kSwitchOn) << "no glideslope";
  cockpit.set(Token::Nav2Frequency, 0x2030).set(Token::Nav1Code, 0xC0).runTicks(7);
  EXPECT_EQ(g_autolandAlertLatch, 1u) << "receivers matched outside autoland: acknowledged";
  EXPECT_EQ(g_ilsAlertLatch, 1u);
  EXPECT_EQ(GetSwitch(&g_fmaAutolandNavLamp), kSwitchOn) << "the acknowledging run leaves the lamp";
  cockpit.runTicks(7);
  EXPECT_EQ(GetSwitch(&g_fmaAutolandNavLamp), kSwitchOff);
  EXPECT_EQ(GetSwitch(&g_fmaIlsGlideslopeLamp), kSwitchOff);

  // In its approach the latch stays clear: the lamp waits dark for the receivers to part.
  cockpit.control("FGCP PANEL", "ils", 1);
  EXPECT_EQ(g_ilsAlertLatch, 0u) << "the ILS button clears it";
  cockpit.runTicks(14);
  ASSERT_EQ(GetDfgsApproachMode(), kApproachIls);
  EXPECT_EQ(g_ilsAlertLatch, 0u);
  EXPECT_EQ(GetSwitch(&g_fmaIlsGlideslopeLamp), kSwitchOff);
  cockpit.set(Token::Nav1Code, 0x80).runTicks(7);
  EXPECT_EQ(GetSwitch(&g_fmaIlsGlideslopeLamp), kSwitchOn);
  cockpit.control("FMA", "reset", 1).runTicks(7);
  EXPECT_EQ(g_ilsAlertLatch, 1u);
  EXPECT_EQ(GetSwitch(&g_fmaIlsGlideslopeLamp), kSwitchOff);

  SetSwitch(&g_autolandGroundArm, kAutolandGroundArmShown);
  cockpit.runTicks(7);
  const int32_t first = GetSwitch(&g_fmaAutolandNavLamp);
  cockpit.runTicks(7);
  EXPECT_NE(GetSwitch(&g_fmaAutolandNavLamp), first) << "the autoland test flashes it";
}

TEST(FmaAlerts, AutopilotTrimLampBeyondAThirdOfARadianUntilReset) {
  Cockpit cockpit;
  cockpit.guidanceReady();
  cockpit.set(Token::AutopilotEngaged, 1).set(Token::ElevatorTrimRad, 0.33).runTicks(7);
  EXPECT_EQ(GetSwitch(&g_fmaAutopilotTrimLamp), kSwitchOff) << "0.33 lies within";
  cockpit.set(Token::ElevatorTrimRad, -0.331).runTicks(7);
  EXPECT_EQ(GetSwitch(&g_fmaAutopilotTrimLamp), kSwitchOn);
  cockpit.control("FMA", "reset", 1).runTicks(7);
  EXPECT_EQ(GetSwitch(&g_fmaAutopilotTrimLamp), kSwitchOff) << "acknowledged";
  cockpit.set(Token::AutopilotEngaged, 0).runTicks(7);
  EXPECT_EQ(g_autopilotTrimLatch, 0u) << "the autopilot off re-arms it";
  cockpit.set(Token::AutopilotEngaged, 1).runTicks(7);
  EXPECT_EQ(GetSwitch(&g_fmaAutopilotTrimLamp), kSwitchOn);
  cockpit.set(Token::ElevatorTrimRad, 0.331).runTicks(7);
  EXPECT_EQ(GetSwitch(&g_fmaAutopilotTrimLamp), kSwitchOn);
  cockpit.set(Token::ElevatorTrimRad, -0.33).runTicks(7);
  EXPECT_EQ(GetSwitch(&g_fmaAutopilotTrimLamp), kSwitchOff);
}

}  // namespace
}  // namespace halcyon::test

namespace halcyon::test {
namespace {

TEST(Fma, TheHostKeepsEachChangeOfTheAnnunciatorForItsLog) {
  Cockpit cockpit;
  cockpit.runTicks(2);
  SetSwitch(&g_lampTestSwitch, kLampTestHeld);
  cockpit.runTicks(3);
  SetSwitch(&g_lampTestSwitch, kSwitchOff);
  cockpit.runTicks(1);
  const auto& changes = cockpit.host().FmaChanges();
  ASSERT_EQ(changes.size(), 3u);
  EXPECT_EQ(changes[0].text, "    |   |   |    /    |   |   |    ");
  EXPECT_EQ(changes[1].text, "****|***|***|****/****|***|***|****");
  EXPECT_EQ(changes[1].tick18, changes[0].tick18 + 2);
  EXPECT_EQ(changes[2].text, changes[0].text);
  char small[20];
  EXPECT_EQ(HalcyonFmaText(small, sizeof(small)), 0) << "a buffer too small is refused";
  EXPECT_EQ(HalcyonFmaText(nullptr, 64), 0);
}

}  // namespace
}  // namespace halcyon::test
