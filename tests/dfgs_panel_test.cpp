// The glareshield's flight guidance panel through the panel the host builds:
// clicks and keyboard commands on its controls (modes, key events, sounds),
// and what its speed, heading, pitch and altitude windows, switches and
// bank-limit box show.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "fmc/fms.h"
#include "gauges/dfgs.h"
#include "gauges/gauge_kit.h"
#include "systems/annunciator_lamps.h"
#include "systems/dfgs.h"
#include "systems/fma.h"
#include "systems/thrust_rating.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr uint32_t kClick = platform::kMouseLeftSingle;

std::vector<std::pair<uint32_t, int32_t>> Events(const Cockpit& cockpit) {
  std::vector<std::pair<uint32_t, int32_t>> out;
  for (const auto& e : cockpit.keyEvents()) out.emplace_back(e.event, static_cast<int32_t>(e.value));
  return out;
}
using EventList = std::vector<std::pair<uint32_t, int32_t>>;

// Airborne and powered with the flight director on, the windows lit.
struct Flying {
  explicit Flying(bool engaged = true) {
    cockpit.addSounds({181, 242, 243, 244, 245, 246, 247});
    cockpit.guidanceReady()
        .set(Token::AltitudeFt, 12000)
        .set(Token::FlightDirector, engaged ? 1 : 0)
        .set(Token::AutopilotEngaged, 0);
    cockpit.setSwitch(&g_fgcpDigitalSwitch, kSwitchOn).setSwitch(&g_fgcpBacklightSwitch, kSwitchOn);
    cockpit.setSwitch(&g_dfgsTestSwitch, kSwitchOff);  // the power-up self-test done
    for (Token token :
         {Token::AltitudeLock, Token::AutopilotAirspeedHold, Token::AutopilotMachHold, Token::AutothrottleArmed})
      cockpit.set(token, 0);
    cockpit.clearKeyEvents();
  }
  Cockpit& call(const char* function, uint32_t flags = kClick) { return cockpit.callControl("DFGS", function, flags); }
  Cockpit cockpit;
};

TEST(DfgsPanel, DisengagedButtonsOnlyClickButTheWindowsStillTurn) {
  Flying f(false);
  SetDfgsPitchMode(kPitchIasOnPitch);
  SetDfgsRollMode(kRollHeadingHold);
  const double altitude = GetDfgsSelectedValue(kSelAltitude);
  const double heading = GetDfgsSelectedValue(kSelHeading);
  for (const char* button : {"DfgsMouseVs", "DfgsMouseIasMach", "DfgsMouseAltitudeHold", "DfgsMouseLnav",
                             "DfgsMouseVor", "DfgsMouseIls", "DfgsMouseTurbulence", "DfgsMouseAutoland",
                             "DfgsMouseVsInc", "DfgsMouseVsDec"}) {
    f.call(button);
  }
  EXPECT_TRUE(f.cockpit.keyEvents().empty());
  EXPECT_EQ(GetDfgsPitchMode(), kPitchIasOnPitch);
  EXPECT_EQ(GetDfgsRollMode(), kRollHeadingHold);
  EXPECT_EQ(f.cockpit.played(kClickButton1).size() + f.cockpit.played(kClickButton2).size() +
                f.cockpit.played(kClickKnob).size(),
            10u);
  f.cockpit.runTicks(4);  // not a fast turn
  f.call("DfgsMouseAltitudeInc");
  f.cockpit.runTicks(4);
  f.call("DfgsMouseHeadingInc");
  EXPECT_EQ(GetDfgsSelectedValue(kSelAltitude), altitude + 100);
  EXPECT_EQ(GetDfgsSelectedValue(kSelHeading), std::fmod(heading + 1, 360));
}

TEST(DfgsPanel, FirstEngagementInTheAirHoldsHeadingAndAltitudeThenTheApOnlyToggles) {
  Flying f(false);
  f.cockpit.set(Token::AltitudeFt, 12345.9).set(Token::MagneticHeadingDeg, 271.8);
  f.cockpit.click("DFGS", 10, 20);  // left FD switch
  EXPECT_EQ(Events(f.cockpit), (EventList{{66288, 0}, {66042, 271}, {66106, 0}, {65808, 0}, {66124, 12345}}));
  EXPECT_EQ(GetDfgsRollMode(), kRollHeadingHold);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchAltitudeHold);
  EXPECT_EQ(f.cockpit.played(kClickToggle2).size(), 1u);
  f.cockpit.set(Token::FlightDirector, 1).clearKeyEvents();
  SetDfgsPitchMode(kPitchVerticalSpeed);
  f.cockpit.click("DFGS", 400, 70);  // AP lever
  EXPECT_EQ(Events(f.cockpit), (EventList{{65580, 0}}));
  EXPECT_EQ(GetDfgsPitchMode(), kPitchVerticalSpeed);
  EXPECT_EQ(f.cockpit.played(kClickGuarded2).size(), 1u);
}

TEST(DfgsPanel, FirstEngagementOnTheGroundWithAutothrottleOnPicksTakeoffModes) {
  Flying f(false);
  f.cockpit.set(Token::OnGround, 1).setSwitch(&g_autothrottleSwitch, kSwitchOn).set(Token::MagneticHeadingDeg, 90);
  SetTrpMode(0);
  f.cockpit.click("DFGS", 500, 20);  // right FD switch
  EXPECT_EQ(GetDfgsPitchMode(), kPitchTakeoff);
  EXPECT_EQ(GetDfgsRollMode(), kRollTakeoff);
  EXPECT_EQ(GetDfgsThrustMode(), kThrustEprLimit);
  EXPECT_EQ(GetTrpMode(), 1);
  EXPECT_EQ(Events(f.cockpit), (EventList{{66288, 0}, {66042, 90}, {66106, 0}}));
}

TEST(DfgsPanel, AutothrottleOnPicksMachFrom27000FeetAndOnlyArmsOnTheGround) {
  for (double altitude : {27000.0, 26999.0}) {
    Flying f;
    f.cockpit.set(Token::AltitudeFt, altitude).setSwitch(&g_autothrottleSwitch, kSwitchOff).clearKeyEvents();
    const size_t callouts = f.cockpit.played(181).size();
    const size_t clicks = f.cockpit.played(kClickGuarded1).size();
    f.call("DfgsMouseAutothrottleSwitch");
    const bool mach = altitude >= 27000;
    EXPECT_EQ(GetDfgsThrustMode(), mach ? kThrustMach : kThrustIas) << altitude;
    EXPECT_EQ(GetDfgsSpeedView(), mach ? 1 : 0);
    EXPECT_EQ(Events(f.cockpit), (EventList{{65860, 0}, {mach ? 66109u : 66112u, 0}}));
    EXPECT_EQ(GetSwitch(&g_autothrottleSwitch), kSwitchOn);
    EXPECT_EQ(f.cockpit.played(181).size(), callouts + 1) << "the first officer's callout";
    EXPECT_EQ(f.cockpit.played(kClickGuarded1).size(), clicks + 1);
  }
  Flying ground;
  ground.cockpit.set(Token::OnGround, 1).set(Token::AutothrottleArmed, 1).setSwitch(&g_autothrottleSwitch, kSwitchOff);
  SetDfgsThrustMode(kThrustOff);
  ground.cockpit.clearKeyEvents();
  ground.call("DfgsMouseAutothrottleSwitch");
  EXPECT_TRUE(ground.cockpit.keyEvents().empty()) << "already armed, on the ground";
  EXPECT_EQ(GetDfgsThrustMode(), kThrustOff);
  ground.call("DfgsMouseAutothrottleSwitch");
  EXPECT_EQ(GetSwitch(&g_autothrottleSwitch), kSwitchOff) << "the second click disengages";
  EXPECT_EQ(Events(ground.cockpit), (EventList{{65860, 0}}));
}

TEST(DfgsPanel, SpeedSelectOutOfSpeedOnPitchHoldsTheRateClimbingFreeOrDescendingToZero) {
  for (double fpm : {1300.0, -800.0}) {
    Flying f;
    f.cockpit.setSwitch(&g_autothrottleSwitch, kSwitchOn)
        .set(Token::AutothrottleArmed, 1)
        .setScaled(Token::VerticalSpeed, fpm);
    SetDfgsPitchMode(kPitchIasOnPitch);
    f.cockpit.clearKeyEvents();
    f.call("DfgsMouseSpeedSelect");
    EXPECT_EQ(GetDfgsPitchMode(), kPitchVerticalSpeed);
    EXPECT_EQ(GetDfgsThrustMode(), kThrustIas);
    EXPECT_EQ(Events(f.cockpit),
              (EventList{{66112, 0}, {66103, 0}, {66036, static_cast<int32_t>(fpm)}, {66124, fpm > 0 ? 69900 : 0}}));
  }
  Flying off;
  off.cockpit.setSwitch(&g_autothrottleSwitch, kSwitchOff).clearKeyEvents();
  SetDfgsThrustMode(kThrustOff);
  const size_t clicks = off.cockpit.played(kClickButton2).size();
  off.call("DfgsMouseMachSelect");
  EXPECT_EQ(GetDfgsThrustMode(), kThrustOff) << "only with AUTO THROT on";
  EXPECT_TRUE(off.cockpit.keyEvents().empty());
  EXPECT_EQ(off.cockpit.played(kClickButton2).size(), clicks + 1);
}

TEST(DfgsPanel, EprLimitNeedsARatingAndDisarmsTheSimulatorsAutothrottle) {
  Flying f;
  f.cockpit.setSwitch(&g_autothrottleSwitch, kSwitchOn).set(Token::AutothrottleArmed, 1);
  SetDfgsThrustMode(kThrustIas);
  SetTrpMode(0);
  f.cockpit.clearKeyEvents();
  f.call("DfgsMouseEprLim");
  EXPECT_EQ(GetDfgsThrustMode(), kThrustIas);
  EXPECT_TRUE(f.cockpit.keyEvents().empty());
  SetTrpMode(2);
  f.call("DfgsMouseEprLim");
  EXPECT_EQ(GetDfgsThrustMode(), kThrustEprLimit);
  EXPECT_EQ(Events(f.cockpit), (EventList{{65860, 0}}));
}

TEST(DfgsPanel, NavTwiceFromHeadingHoldGivesLnavThenNone) {
  Flying f;
  SetDfgsRollMode(kRollHeadingHold);
  f.cockpit.click("DFGS", 140, 10);
  EXPECT_EQ(GetDfgsRollMode(), kRollLnavFar);
  f.cockpit.click("DFGS", 140, 10);
  EXPECT_EQ(GetDfgsRollMode(), kRollNone);
  EXPECT_EQ(Events(f.cockpit), (EventList{{66106, 0}, {66107, 0}}));
}

TEST(DfgsPanel, TheAutopilotAloneEngagesTheButtonsAndIasMachTogglesItsApproachKey) {
  Flying f(false);
  f.cockpit.set(Token::AutopilotEngaged, 1).set(Token::AltitudeFt, 30000).setScaled(Token::Mach, 0.78).clearKeyEvents();
  SetDfgsPitchMode(kPitchVerticalSpeed);
  f.call("DfgsMouseIasMach");
  EXPECT_EQ(GetDfgsPitchMode(), kPitchMachOnPitch) << "at or above 27000 ft";
  EXPECT_NEAR(GetDfgsMachTarget(), 0.78, 1e-9);
  ASSERT_FALSE(f.cockpit.keyEvents().empty());
  EXPECT_EQ(f.cockpit.keyEvents().back().event, 65706u) << "sent with the autopilot on";
}

TEST(DfgsPanel, AutolandOnTheGroundRunsTheTestAndASecondPressCancelsIt) {
  Flying f;
  f.cockpit.set(Token::OnGround, 1);
  g_autolandAlertLatch = 1;
  f.call("DfgsMouseAutoland");
  EXPECT_EQ(GetSwitch(&g_autolandGroundArm), kAutolandGroundArmShown);
  EXPECT_EQ(GetDfgsApproachMode(), kApproachNone);
  EXPECT_EQ(g_autolandAlertLatch, 0u);
  EXPECT_TRUE(f.cockpit.keyEvents().empty());
  f.call("DfgsMouseAutoland");
  EXPECT_EQ(GetSwitch(&g_autolandGroundArm), kSwitchOff);
  EXPECT_EQ(Events(f.cockpit), (EventList{{65814, 0}}));
}

TEST(DfgsPanel, CaptureLockLeavesOnlyTheKnobPicturesAndAutolandDisarms) {
  Flying f;
  f.cockpit.setScaled(Token::VerticalSpeed, -700);
  SetDfgsApproachMode(kApproachAutoland);
  SetDfgsRollMode(kRollAutolandLocalizer);
  SetDfgsPitchMode(kPitchAutolandGlideslope);
  ASSERT_NE(IsDfgsCaptureCondition(), 0u);
  for (const char* button : {"DfgsMouseLnav", "DfgsMouseVor", "DfgsMouseIls", "DfgsMouseVs", "DfgsMouseIasMach",
                             "DfgsMouseAltitudeHold", "DfgsMouseTurbulence", "DfgsMouseVsInc",
                             "DfgsMouseHeadingSwitchIn", "DfgsMouseAltitudePreselect"}) {
    f.call(button);
  }
  EXPECT_TRUE(f.cockpit.keyEvents().empty());
  EXPECT_EQ(GetDfgsAltPreselectArm(), kAltArmOff);
  EXPECT_EQ(f.cockpit.draw().elementValue("DFGS", 3), 0.0) << "the HDG knob pushed in";
  EXPECT_EQ(f.cockpit.elementValue("DFGS", 2), 1.0) << "the ALT knob pushed";
  f.cockpit.set(Token::MagneticHeadingDeg, 45);
  f.call("DfgsMouseAutoland");
  EXPECT_EQ(GetDfgsRollMode(), kRollHeadingHold);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchVerticalSpeed);
  EXPECT_EQ(GetDfgsApproachMode(), kApproachNone);
  EXPECT_EQ(Events(f.cockpit), (EventList{{65814, 0}, {66042, 45}, {66106, 0}, {65799, 0}, {66036, -700}, {66124, 0}}));
}

TEST(DfgsPanel, IlsArmsThenDisarmsToHeadingHoldAndVerticalSpeed) {
  Flying f;
  SetDfgsApproachMode(kApproachNone);
  g_ilsAlertLatch = 1;
  f.cockpit.click("DFGS", 170, 40);
  EXPECT_EQ(GetDfgsApproachMode(), kApproachIls);
  EXPECT_EQ(g_ilsAlertLatch, 0u) << "the glideslope lamp watches this approach";
  EXPECT_EQ(Events(f.cockpit), (EventList{{65806, 0}}));
  SetDfgsRollMode(kRollLocalizerTrack);
  SetDfgsPitchMode(kPitchGlideslopeTrack);
  f.cockpit.set(Token::MagneticHeadingDeg, 123.4)
      .setScaled(Token::VerticalSpeed, -750)
      .set(Token::AltitudeLock, 1)
      .clearKeyEvents();
  f.call("DfgsMouseIls");
  EXPECT_EQ(GetDfgsApproachMode(), kApproachNone);
  EXPECT_EQ(GetDfgsRollMode(), kRollHeadingHold);
  EXPECT_EQ(GetDfgsPitchMode(), kPitchVerticalSpeed);
  EXPECT_EQ(Events(f.cockpit), (EventList{{65814, 0}, {66042, 123}, {66106, 0}, {66036, -750}, {66124, 0}}))
      << "no altitude-hold engage while the simulator's altitude lock is on";
}

TEST(DfgsPanel, PitchWheelStepsTheSpeedTargetOrTheTurbulenceWheel) {
  Flying f;
  SetDfgsPitchMode(kPitchIasOnPitch);
  SetDfgsIasTarget(250);
  f.cockpit.runTicks(4);  // not a fast click
  f.call("DfgsMouseVsDec");
  EXPECT_EQ(GetDfgsIasTarget(), 251) << "nose down speeds up";
  SetDfgsPitchMode(kPitchTurbulence);
  SetDfgsVsWheel(9);
  f.call("DfgsMouseVsInc");
  f.call("DfgsMouseVsInc");
  EXPECT_EQ(GetDfgsVsWheel(), 10);
  SetDfgsPitchMode(kPitchAltitudeHold);
  f.cockpit.clearKeyEvents();
  f.call("DfgsMouseVsInc");
  EXPECT_EQ(GetDfgsPitchMode(), kPitchVerticalSpeed);
  EXPECT_EQ(Events(f.cockpit), (EventList{{66124, 69900}, {66036, 100}, {66103, 0}, {65894, 0}}));
  f.cockpit.clearKeyEvents();
  f.call("DfgsMouseVs");
  EXPECT_EQ(GetDfgsPitchMode(), kPitchNone) << "VERT SPD in vertical speed";
  EXPECT_TRUE(f.cockpit.keyEvents().empty());
}

// The pitch wheel ends an altitude capture under way in its own pitch modes
// (none to take-off), so that the next main pass does not send the
// capture's altitude over the pilot's new command; in the approach modes
// and above it changes nothing.
TEST(DfgsPanel, ThePitchWheelEndsACaptureInItsOwnModesOnly) {
  for (int32_t mode : {kPitchGlideslopeCapture, kPitchGlideslopeTrack, kPitchGoAround}) {
    Flying f;
    SetDfgsPitchMode(mode);
    SetDfgsAltPreselectArm(kAltArmCapturing);
    f.cockpit.clearKeyEvents();
    f.call("DfgsMouseVsInc");
    EXPECT_EQ(GetDfgsAltPreselectArm(), kAltArmCapturing) << "pitch mode " << mode;
    EXPECT_EQ(GetDfgsPitchMode(), mode);
    EXPECT_TRUE(f.cockpit.keyEvents().empty()) << "pitch mode " << mode;
  }
  for (int32_t mode : {kPitchNone, kPitchVerticalSpeed, kPitchIasOnPitch, kPitchMachOnPitch, kPitchAltitudeHold,
                       kPitchTurbulence, kPitchTakeoff}) {
    Flying f;
    SetDfgsSelectedValue(kSelAltitude, 15000);
    SetDfgsPitchMode(mode);
    SetDfgsAltPreselectArm(kAltArmCapturing);
    f.call("DfgsMouseVsInc");
    EXPECT_EQ(GetDfgsAltPreselectArm(), kAltArmOff) << "pitch mode " << mode;
    if (mode != kPitchAltitudeHold) continue;
    f.cockpit.clearKeyEvents().runSeconds(1.1);
    for (const auto& event : f.cockpit.keyEvents(kKeyEventAutopilotAltitudeSet)) {
      EXPECT_NE(event.value, 15000u) << "the capture's target sent again";
    }
  }
}

TEST(DfgsPanel, KnobsFollowPressAndReleaseAndTheAltKnobClicksTwice) {
  Flying f;
  f.call("DfgsMouseHeadingSwitchOut");
  EXPECT_EQ(GetDfgsRollMode(), kRollHeadingSelect);
  EXPECT_EQ(f.cockpit.draw().elementValue("DFGS", 3), 2.0) << "pulled out, no release from a keyboard command";
  f.cockpit.mouse("DFGS", 230, 70, platform::kMouseLeftRelease);
  EXPECT_EQ(f.cockpit.draw().elementValue("DFGS", 3), 1.0);
  f.cockpit.mouse("DFGS", 230, 50, platform::kMouseMove).draw();
  EXPECT_TRUE(f.cockpit.elementVisible("DFGS", 28)) << "the bank-limit box";
  f.cockpit.clearKeyEvents().mouse("DFGS", 230, 70, platform::kMouseRightSingle);
  EXPECT_EQ(Events(f.cockpit), (EventList{{66710, 0}}));
  const size_t before = f.cockpit.played(kClickButton1).size();
  f.cockpit.mouse("DFGS", 470, 60, kClick).mouse("DFGS", 470, 60, platform::kMouseLeftRelease);
  EXPECT_EQ(f.cockpit.played(kClickButton1).size(), before + 2);
  EXPECT_EQ(GetDfgsAltPreselectArm(), kAltArmArmed);
  EXPECT_EQ(f.cockpit.draw().elementValue("DFGS", 2), 0.0) << "released";
}

TEST(DfgsPanel, AltitudeUnderVnavTellsTheFmsAndVnavClearsIt) {
  Flying f;
  g_fms.SetAltPreselectFlag(0);
  f.call("DfgsMouseAltitudeInc");
  EXPECT_EQ(g_fms.GetAltPreselectFlag(), 0) << "not under VNAV";
  f.cockpit.set(Token::FlightDirector, 0);
  g_fms.SetAltPreselectFlag(1);
  f.call("DfgsMouseVnav");
  EXPECT_EQ(g_fms.GetAltPreselectFlag(), 0) << "V NAV clears it even disengaged";
}

// ---- Windows ----

double Frame(Cockpit& cockpit, uint32_t element) { return cockpit.elementValue("DFGS", element); }
std::vector<double> Frames(Cockpit& cockpit, std::initializer_list<uint32_t> elements) {
  cockpit.draw();
  std::vector<double> out;
  for (uint32_t e : elements) out.push_back(Frame(cockpit, e));
  return out;
}

// ALT HOLD with the simulator's autothrottle armed also holds the speed: Mach
// from 27000 ft, IAS below, whatever the thrust mode was; the simulator's
// hold is asked for unless it already holds.
TEST(DfgsPanel, AltitudeHoldKeepsTheSpeedByMachFrom27000FeetUnlessAlreadyHeld) {
  struct Sample {
    double altitudeFt;
    double machHold, iasHold;
    int32_t thrustBefore, thrust;
    EventList events;
  };
  const Sample samples[] = {
      {27000, 0, 0, kThrustEprLimit, kThrustMach, {{65808, 0}, {66124, 27000}, {66109, 0}}},
      {26999, 0, 0, kThrustEprLimit, kThrustIas, {{65808, 0}, {66124, 26999}, {66112, 0}}},
      {27000, 1, 0, kThrustEprLimit, kThrustMach, {{65808, 0}, {66124, 27000}}},
      {26999, 0, 1, kThrustEprLimit, kThrustIas, {{65808, 0}, {66124, 26999}}},
      {26999, 0, 1, kThrustIasMachButton, kThrustIas, {{65808, 0}, {66124, 26999}}},
      {27000, 1, 0, kThrustIasMachButton, kThrustMach, {{65808, 0}, {66124, 27000}}},
  };
  for (const Sample& sample : samples) {
    Flying f;
    f.cockpit.set(Token::AltitudeFt, sample.altitudeFt).set(Token::AutothrottleArmed, 1);
    f.cockpit.set(Token::AutopilotMachHold, sample.machHold).set(Token::AutopilotAirspeedHold, sample.iasHold);
    SetDfgsThrustMode(sample.thrustBefore);
    SetDfgsAltPreselectArm(kAltArmCapturing);
    f.cockpit.clearKeyEvents();
    f.call("DfgsMouseAltitudeHold");
    EXPECT_EQ(GetDfgsPitchMode(), kPitchAltitudeHold);
    EXPECT_EQ(GetDfgsAltPreselectArm(), kAltArmOff);
    EXPECT_EQ(GetDfgsThrustMode(), sample.thrust) << sample.altitudeFt;
    EXPECT_EQ(Events(f.cockpit), sample.events) << sample.altitudeFt;
  }
}

// TURB takes the wheel to the rate flown in steps of 600 ft/min toward
// zero, within its ten steps either way.
TEST(DfgsPanel, TurbulenceSetsTheWheelToTheRateFlownWithinTenSteps) {
  const std::pair<double, int32_t> samples[] = {{7000.0, 10}, {6000.5, 10}, {5999.5, 9},   {-599.5, 0},
                                                {-600.5, -1},  {-6599.5, -10}, {-7000.0, -10}};
  for (auto [fpm, wheel] : samples) {
    Flying f;
    f.cockpit.setScaled(Token::VerticalSpeed, fpm);
    f.call("DfgsMouseTurbulence");
    EXPECT_EQ(GetDfgsVsWheel(), wheel) << fpm;
    EXPECT_EQ(GetDfgsPitchMode(), kPitchTurbulence);
    EXPECT_EQ(GetDfgsRollMode(), kRollTurbulence);
  }
}

// Every control clicks with its own sound, engaged or not.
TEST(DfgsPanel, EveryControlClicksWithItsOwnSound) {
  Flying f(false);
  f.cockpit.addSounds({241, 248, 249});
  const std::pair<const char*, int> controls[] = {
      {"DfgsMouseSpeedInc", 247},         {"DfgsMouseSpeedDec", 247},       {"DfgsMouseSpeedView", 245},
      {"DfgsMouseAutothrottleSwitch", 243}, {"DfgsMouseFlightDirector", 242}, {"DfgsMouseApMaster", 244},
      {"DfgsMouseDfgsSelect", 242},       {"DfgsMouseHeadingDec", 247},     {"DfgsMouseHeadingInc", 247},
      {"DfgsMouseHeadingSwitchIn", 246},  {"DfgsMouseHeadingSwitchOut", 245}, {"DfgsMouseVsDec", 247},
      {"DfgsMouseVsInc", 247},            {"DfgsMouseAltitudePreselect", 245}, {"DfgsMouseAltitudeDec", 247},
      {"DfgsMouseAltitudeInc", 247},      {"DfgsMouseFmsOverride", 246},    {"DfgsMouseSpeedSelect", 245},
      {"DfgsMouseMachSelect", 246},       {"DfgsMouseEprLim", 245},         {"DfgsMouseLnav", 246},
      {"DfgsMouseVor", 246},              {"DfgsMouseIls", 246},            {"DfgsMouseAutoland", 246},
      {"DfgsMouseVs", 245},               {"DfgsMouseIasMach", 245},        {"DfgsMouseVnav", 246},
      {"DfgsMouseAltitudeHold", 245},     {"DfgsMouseTurbulence", 246},
  };
  for (auto [function, sound] : controls) {
    const size_t mark = f.cockpit.played().size();
    f.call(function);
    std::vector<int> clicks;
    const std::vector<PlayedSound> played = f.cockpit.played();
    for (size_t i = mark; i < played.size(); ++i) {
      if (played[i].slot >= kClickToggle1 && played[i].slot <= kClickRotary2) clicks.push_back(played[i].slot);
    }
    EXPECT_EQ(clicks, std::vector<int>{sound}) << function;
  }
}

// The windows' small digit cells stand in rows 12 pixels apart at y 17, the
// altitude's two large cells 14 apart at y 14.
TEST(DfgsWindows, DigitCellsStandInTheirRows) {
  Cockpit cockpit;
  const struct {
    uint32_t first, cells;
    int32_t x, y, pitch;
  } rows[] = {
      {4, 3, 476, 17, 12},   // altitude, units to hundreds
      {7, 2, 436, 14, 14},   // altitude, thousands and ten-thousands
      {9, 4, 320, 17, 12},   // pitch digits, fourth to first
      {15, 3, 236, 17, 12},  // heading, units to hundreds
      {23, 3, 110, 17, 12},  // speed, fourth to second cell
  };
  for (auto [first, cells, x, y, pitch] : rows) {
    for (uint32_t n = 0; n < cells; ++n) {
      const platform::ELEMENT_HEADER& cell = cockpit.element("DFGS", first + n);
      EXPECT_EQ(cell.x, x - pitch * static_cast<int32_t>(n)) << first + n;
      EXPECT_EQ(cell.y, y) << first + n;
      EXPECT_EQ(cell.frameCount, 12) << first + n;
    }
  }
}

// The autothrottle switch, the heading knob and the autopilot lever stand on
// one row, left to right.
TEST(DfgsWindows, TheAutothrottleSwitchHeadingKnobAndAutopilotLeverStandOnOneRow) {
  Cockpit cockpit;
  const platform::ELEMENT_HEADER& autothrottle = cockpit.element("DFGS", 22);
  const platform::ELEMENT_HEADER& headingKnob = cockpit.element("DFGS", 3);
  const platform::ELEMENT_HEADER& apLever = cockpit.element("DFGS", 19);
  EXPECT_EQ(headingKnob.y, autothrottle.y);
  EXPECT_EQ(apLever.y, autothrottle.y);
  EXPECT_LT(autothrottle.x, headingKnob.x);
  EXPECT_LT(headingKnob.x, apLever.x);
}

TEST(DfgsWindows, AltitudeHeadingAndSpeedReadTheirValues) {
  Flying f;
  for (auto [feet, expected] : {std::pair{5000.0, std::vector<double>{11, 5, 0, 0, 0}},
                                {0.0, {11, 11, 0, 0, 0}},
                                {900.0, {11, 11, 9, 0, 0}},
                                {1000.0, {11, 1, 0, 0, 0}},
                                {9900.0, {11, 9, 9, 0, 0}},
                                {10000.0, {1, 0, 0, 0, 0}},
                                {35000.0, {3, 5, 0, 0, 0}}}) {
    SetDfgsSelectedValue(kSelAltitude, feet);
    EXPECT_EQ(Frames(f.cockpit, {8, 7, 6, 5, 4}), expected) << feet;
  }
  SetDfgsSelectedValue(kSelHeading, 5);
  EXPECT_EQ(Frames(f.cockpit, {17, 16, 15}), (std::vector<double>{0, 0, 5}));
  SetDfgsSpeedView(1);
  f.cockpit.set(Token::AutopilotMach, 0.78);
  EXPECT_EQ(Frames(f.cockpit, {26, 25, 24, 23}), (std::vector<double>{10, 7, 8, 0}));
  SetDfgsSpeedView(0);
  f.cockpit.set(Token::AutopilotAirspeedKt, 285.7);
  EXPECT_EQ(Frames(f.cockpit, {26, 25, 24, 23}), (std::vector<double>{11, 2, 8, 5}));
}

TEST(DfgsWindows, PitchWindowByMode) {
  Flying f;
  SetDfgsAltPreselectArm(kAltArmOff);
  SetDfgsPitchMode(kPitchVerticalSpeed);
  f.cockpit.set(Token::AutopilotVerticalSpeedFpm, -1500).setScaled(Token::VerticalSpeed, 600);
  EXPECT_EQ(Frames(f.cockpit, {14, 13, 12, 11, 10, 9}), (std::vector<double>{0, 2, 1, 5, 0, 0}));
  f.cockpit.set(Token::AutopilotVerticalSpeedFpm, 12000);
  EXPECT_EQ(Frames(f.cockpit, {14, 13, 12, 11}), (std::vector<double>{0, 1, 9, 9}));
  f.cockpit.set(Token::AutopilotVerticalSpeedFpm, 0);
  EXPECT_EQ(Frames(f.cockpit, {14, 13, 12, 11}), (std::vector<double>{0, 0, 0, 0})) << "no sign at zero";
  f.cockpit.set(Token::AutopilotVerticalSpeedFpm, 12000);
  SetDfgsAltPreselectArm(kAltArmCapturing);
  EXPECT_EQ(Frames(f.cockpit, {14, 13, 12, 11}), (std::vector<double>{4, 1, 0, 6})) << "capturing: the rate flown";
  SetDfgsAltPreselectArm(kAltArmOff);
  SetDfgsPitchMode(kPitchAltitudeHold);
  for (auto [fpm, sign] : {std::pair{99.0, 0.0}, {100.0, 1.0}, {-99.0, 0.0}, {-100.0, 2.0}}) {
    f.cockpit.setScaled(Token::VerticalSpeed, fpm);
    EXPECT_EQ(Frames(f.cockpit, {13})[0], sign) << fpm;
  }
  SetDfgsPitchMode(kPitchTurbulence);
  SetDfgsVsWheel(-3);
  f.cockpit.set(Token::AutopilotVerticalSpeedFpm, -1800);
  EXPECT_EQ(Frames(f.cockpit, {14, 13, 12, 11, 10, 9}), (std::vector<double>{3, 2, 11, 11, 11, 3}));
  SetDfgsVsWheel(10);
  f.cockpit.set(Token::AutopilotVerticalSpeedFpm, 6000);
  EXPECT_EQ(Frames(f.cockpit, {14, 13, 12, 11, 10, 9}), (std::vector<double>{3, 1, 11, 11, 1, 0}));
  SetDfgsPitchMode(kPitchIasOnPitch);
  SetDfgsIasTarget(245);
  EXPECT_EQ(Frames(f.cockpit, {14, 12, 11, 10, 9}), (std::vector<double>{1, 11, 2, 4, 5}));
  SetDfgsPitchMode(kPitchMachOnPitch);
  SetDfgsMachTarget(0.74);
  EXPECT_EQ(Frames(f.cockpit, {14, 12, 11, 10, 9}), (std::vector<double>{2, 10, 7, 4, 0}));
  SetDfgsPitchMode(kPitchGlideslopeTrack);
  EXPECT_EQ(Frames(f.cockpit, {14, 13, 12, 9}), (std::vector<double>{4, 0, 11, 11}));
}

TEST(DfgsWindows, UnlitAndTestFramesAndTheSwitchPictures) {
  Flying f;
  f.cockpit.setSwitch(&g_fgcpDigitalSwitch, kSwitchOff);
  EXPECT_EQ(Frames(f.cockpit, {8, 6, 14, 13, 12, 15, 26}), (std::vector<double>{10, 11, 4, 0, 11, 11, 11}));
  EXPECT_TRUE(f.cockpit.elementVisible("DFGS", 1)) << "the legends go by the backlight";
  EXPECT_EQ(Frame(f.cockpit, 21), 1.0) << "the FD switch shows the flight director token unlit";
  f.cockpit.setSwitch(&g_fgcpDigitalSwitch, kSwitchOn).setSwitch(&g_lampTestSwitch, kSwitchOn);
  EXPECT_EQ(Frames(f.cockpit, {8, 6, 14, 13, 12, 15, 26, 25}), (std::vector<double>{8, 8, 5, 1, 8, 8, 10, 8}));
  f.cockpit.setSwitch(&g_dfgsTestSwitch, 1);
  EXPECT_EQ(Frames(f.cockpit, {8, 14, 15}), (std::vector<double>{10, 4, 11})) << "the self-test blanks them";
  f.cockpit.setSwitch(&g_lampTestSwitch, kSwitchOff).setSwitch(&g_fgcpBacklightSwitch, kSwitchOff).draw();
  EXPECT_FALSE(f.cockpit.elementVisible("DFGS", 1));
  f.cockpit.setSwitch(&g_autothrottleSwitch, kSwitchOn);
  EXPECT_EQ(Frames(f.cockpit, {22, 19, 18})[0], 1.0);
  ToggleDfgc();
  EXPECT_EQ(Frames(f.cockpit, {18})[0], GetDfgc());
}

TEST(DfgsWindows, TheBankBoxRoundsTheLimitToWholeDegrees) {
  Flying f;
  f.cockpit.set(Token::BankLimitRad, 0.4363).setSwitch(&g_headingKnobActivity, kSwitchOn).draw();
  EXPECT_EQ(f.cockpit.elementText("DFGS", 28), "Max Bank: 25\u00b0");
  EXPECT_TRUE(f.cockpit.elementVisible("DFGS", 28));
  const platform::ELEMENT_HEADER& box = f.cockpit.element("DFGS", 28);
  EXPECT_STREQ(box.fontFace, "Lucida Console");
  EXPECT_EQ(box.fontWeight, 400);
  EXPECT_EQ(box.textColor, 0x050505u);
  EXPECT_EQ(box.backgroundColor, 0xFFFFFFu);
  f.cockpit.set(Token::BankLimitRad, 0.2531).draw();
  EXPECT_EQ(f.cockpit.elementText("DFGS", 28), "Max Bank: 15\u00b0") << "14.502 degrees, rounded half up";
  f.cockpit.set(Token::BankLimitRad, 0.2529).draw();
  EXPECT_EQ(f.cockpit.elementText("DFGS", 28), "Max Bank: 14\u00b0") << "14.490 degrees";
  f.cockpit.setSwitch(&g_headingKnobActivity, kSwitchOff).draw();
  EXPECT_FALSE(f.cockpit.elementVisible("DFGS", 28));
}

TEST(DfgsWindows, ElementValuesStayFiniteForExtremeTokens) {
  Flying f;
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  for (int32_t pitch : {1, 2, 3, 4, 5, 6}) {
    SetDfgsPitchMode(pitch);
    for (double value : {kNaN, -1.0e12, -1.0, 0.0, 1.0e12, std::numeric_limits<double>::infinity()}) {
      for (Token token : {Token::IndicatedAirspeedKt, Token::Mach, Token::VerticalSpeed, Token::AltitudeFt,
                          Token::AutopilotEngaged, Token::AutopilotAirspeedKt, Token::AutopilotMach,
                          Token::AutopilotVerticalSpeedFpm, Token::FlightDirector, Token::BankLimitRad})
        f.cockpit.set(token, value);
      SetDfgsIasTarget(value);
      f.cockpit.draw();
      uint32_t index = 0;
      for (const platform::ELEMENT_HEADER* e = f.cockpit.gauge("DFGS")->elements; e != nullptr;
           e = e->nextElement[0], ++index) {
        SCOPED_TRACE("element " + std::to_string(index) + " value " + std::to_string(value));
        EXPECT_TRUE(std::isfinite(e->value));
        if (e->kind == platform::ElementKind::Icon) {
          EXPECT_TRUE(e->value >= 0 && e->value < e->frameCount);
        }
      }
    }
  }
}

// Moved by name (the host's "control" command), the panel's controls go
// through the panel's mouse functions and send what a click sends: the AP
// lever's first engagement in the air its five events, the HDG knob pulled
// and let go, the speed knob turned to a value a knot a click.
TEST(DfgsPanel, ControlsMovedByNameSendWhatAClickSends) {
  Flying f(false);
  f.cockpit.set(Token::AltitudeFt, 12345.9).set(Token::MagneticHeadingDeg, 271.8);
  f.cockpit.control("FGCP PANEL", "autopilot", 1);
  const EventList engaged{{65580, 0}, {66042, 271}, {66106, 0}, {65808, 0}, {66124, 12345}};
  EXPECT_EQ(Events(f.cockpit), engaged);
  EXPECT_EQ(f.cockpit.played(kClickGuarded2).size(), 1u);
  f.cockpit.control("FGCP PANEL", "autopilot", 1);  // the lever again: off
  EXPECT_EQ(f.cockpit.token(Token::AutopilotEngaged), 0.0);
  f.cockpit.clearKeyEvents().click("DFGS", 400, 70);
  EXPECT_EQ(Events(f.cockpit), engaged);

  SetDfgsSelectedValue(kSelHeading, 123);
  f.cockpit.clearKeyEvents().control("FGCP PANEL", "heading_switch", 1);
  EXPECT_EQ(Events(f.cockpit), (EventList{{66042, 123}, {66106, 0}}));
  EXPECT_EQ(GetDfgsRollMode(), kRollHeadingSelect);
  EXPECT_EQ(GetSwitch(&g_dfgsHeadingKnob), 2) << "pulled and let go";

  f.cockpit.set(Token::AutopilotAirspeedKt, 240).clearKeyEvents().control("FGCP PANEL", "speed_value", 243);
  EXPECT_EQ(Events(f.cockpit), (EventList{{65896, 0}, {65896, 0}, {65896, 0}}));
  EXPECT_EQ(f.cockpit.token(Token::AutopilotAirspeedKt), 243.0);
  int32_t speed = 0;
  ASSERT_TRUE(f.cockpit.host().Module().ControlPosition("FGCP PANEL", "speed_value", &speed));
  EXPECT_EQ(speed, 243);
  f.cockpit.clearKeyEvents().control("FGCP PANEL", "speed_knob", -2);
  EXPECT_EQ(Events(f.cockpit), (EventList{{65897, 0}, {65897, 0}}));
  EXPECT_EQ(f.cockpit.token(Token::AutopilotAirspeedKt), 241.0);
}

}  // namespace
}  // namespace halcyon::test
