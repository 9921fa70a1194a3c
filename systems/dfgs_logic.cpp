// The DFGS's per-tick step: self-tests, the once-a-second mode logic (altitude
// capture, NAV capture, LNAV, take-off and go-around), speed on pitch, the
// autothrottle modes and the VNAV coupling, and the approach logic three times
// a second. Reads the simulator's autopilot, air data and radio tokens and
// the FMS's guidance; sends the simulator's autopilot and throttle events.
#include <algorithm>
#include <cmath>

#include "core/helpers.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "core/switch.h"
#include "core/tick_scheduler.h"
#include "fmc/fms.h"
#include "systems/dfgs.h"
#include "systems/dfgs_internal.h"
#include "systems/electric.h"
#include "systems/epr.h"
#include "systems/speed_bugs.h"
#include "systems/thrust_rating.h"
#include "systems/various.h"

namespace halcyon {
namespace {

using dfgs::State;

// Commanded vertical speed per knot of speed error and second, over 100 (the
// speed-on-pitch law's gain): 1 kt too fast raises the command by 200 ft/min
// a second, so beyond a quarter knot the 50-ft/min step limit rules and the
// command moves at 50 ft/min a second back towards the speed and at 200 while
// the error grows. That is the best damping the law's fourfold step gives: a
// speed change comes back with about a quarter of it beyond the target (5 kt
// for 20), where a gain small enough to stay off the limit leaves half of it
// and swings for minutes.
constexpr double kSpeedOnPitchGain = 2.0;
constexpr double kSpeedOnPitchStepMaxFpm = 50.0;
constexpr double kVerticalSpeedCommandMaxFpm = 12000.0;
constexpr double kThrottleMax = 16384.0;
constexpr double kThrottleMid = 8192.0;
constexpr double kPathThrottleMax = 7373.0;
constexpr double kIdleThrottle = 100.0;
constexpr double kTogaThrottle = 6500.0;
constexpr double kTakeoffSpeedKt = 60.0;
constexpr double kApproachLossSpeedKt = 40.0;
constexpr double kAutolandHeightM = 457.2;
constexpr double kFlareHeightM = 15.2;
constexpr double kRetardHeightM = 15.24;
constexpr double kNoFlareHeightM = 30.48;
constexpr double kAlignHeightM = 45.7;
constexpr double kFlareVerticalSpeedFpm = -130.0;
constexpr double kAltitudeHoldReselectFt = 150.0;
constexpr double kVnavLevelReselectFt = 750.0;
constexpr double kLnavTrackNm = 5.0;
constexpr double kPostLandingTestDelayS = 120.0;
constexpr double kPostLandingEprMax = 1.1;

State& S() { return dfgs::Get(); }

double Tok(Token token) { return ReadToken(token); }
bool On(Token token) { return ReadToken(token) != 0.0; }
bool IsAp() { return On(Token::AutopilotEngaged); }
bool IsFd() { return On(Token::FlightDirector); }
bool IsApOrFd() { return IsAp() || IsFd(); }
bool IsOnGround() { return On(Token::OnGround); }
bool IsAtArmed() { return On(Token::AutothrottleArmed); }
bool IsAtSwitchOn() { return GetSwitch(&g_autothrottleSwitch) == kSwitchOn; }
double IasKt() { return Tok(Token::IndicatedAirspeedKt); }
double AltitudeFt() { return Tok(Token::AltitudeFt); }
double RadioHeightM() { return Tok(Token::RadioAltitudeM); }
double VmoKt() { return ReadScaledToken(Token::MaxOperatingSpeed); }
bool IsUnpowered() { return IsPowerState(kPowerNone) != 0; }
bool IsThrustMode(std::initializer_list<int32_t> modes) {
  return std::find(modes.begin(), modes.end(), S().thrustMode) != modes.end();
}

void Send(uint32_t event, uint32_t value = 0) { TriggerKeyEvent(event, value); }
uint32_t AsEventValue(double value) { return static_cast<uint32_t>(TruncateSaturated<int32_t>(value)); }
uint32_t Rounded(double value) { return AsEventValue(std::round(value)); }

void SendThrottles(double position) {
  const uint32_t value = AsEventValue(position);
  Send(kKeyEventThrottle1Set, value);
  Send(kKeyEventThrottle2Set, value);
}

void HoldHeadingFlown() {
  Send(kKeyEventHeadingBugSet, Rounded(Tok(Token::MagneticHeadingDeg)));
  Send(kKeyEventHeadingHold);
}

// The simulator's autopilot in vertical-speed hold at V, climbing free or
// descending to 0, as the modes that give up an approach or VNAV leave it.
void FallBackToVerticalSpeed() {
  const double v = ReadVerticalSpeedFpm();
  SetDfgsPitchMode(kPitchVerticalSpeed);
  if (!On(Token::AltitudeLock)) Send(kKeyEventAltitudeHoldEngage);
  Send(kKeyEventVerticalSpeedSet, AsEventValue(v));
  Send(kKeyEventAutopilotAltitudeSet, v > 0.0 ? kDfgsClimbFreeAltitudeFt : 0);
}

// On the ground the same modes fall back to altitude hold.
void FallBackToAltitudeHold() {
  SetDfgsPitchMode(kPitchAltitudeHold);
  Send(kKeyEventAltitudeHold);
  Send(kKeyEventAutopilotAltitudeSet, Rounded(AltitudeFt()));
}

// ---- Altitude target ----

double AltitudeTarget() {
  const double preselect = GetDfgsSelectedValue(kSelAltitude);
  if (S().vnav == 0 || S().vnavPhase == kVnavCruise) return preselect;
  const double a = g_fms.GetApAltitude();
  const double h = AltitudeFt();
  if ((h < a && preselect > a) || (h > a && preselect < a)) return a;
  return preselect;
}

// The altitude to hold: the one flown when it lies 150 ft or more from the target.
uint32_t AltitudeToHold(double target) {
  const double h = AltitudeFt();
  return Rounded(std::fabs(h - target) >= kAltitudeHoldReselectFt ? h : target);
}

// ---- Speed targets from the FMS ----

// Rounded, not cut: an FMS Mach of 0.57 is 56.99999... hundredths in binary.
void SendFmsSpeedToSimulator(double v, bool mach) {
  if (S().fmsOverride != 0) return;
  if (mach) {
    Send(kKeyEventMachSet, Rounded(v * 100.0));
  } else {
    Send(kKeyEventAirspeedSet, Rounded(v));
  }
}

// The autothrottle holds the speed, in Mach or in IAS, with the simulator's hold of it.
void SpeedOnThrottles(bool mach) {
  SetDfgsThrustMode(mach ? kThrustMach : kThrustIas);
  SetDfgsSpeedView(mach ? 1 : 0);
  Send(mach ? kKeyEventMachHold : kKeyEventAirspeedHold);
}

// The FMS speed on the throttles (cruise and level phases).
void HoldFmsSpeedOnThrottles(bool mach, double v) {
  SpeedOnThrottles(mach);
  SendFmsSpeedToSimulator(v, mach);
}

// Speed on the elevator (climb and descent phases).
void HoldFmsSpeedOnPitch(double v) {
  if (v <= 1.0) {
    SetDfgsPitchMode(kPitchMachOnPitch);
    SetDfgsMachTarget(v);
  } else {
    SetDfgsPitchMode(kPitchIasOnPitch);
    SetDfgsIasTarget(v);
  }
}

void SetPreselectFromFmsConstraint() {
  if (GetOption(kOptionFmsAutoSetAltPresel) != 0 && g_fms.GetAltPreselectFlag() == 0) {
    SetDfgsSelectedValue(kSelAltitude, g_fms.GetDescentConstraintAltitude());
  }
}

void StartVnavClimbOrDescent(bool climb) {
  Send(kKeyEventBeforeSpeedCapture);
  Send(kKeyEventAirspeedHoldOff);
  Send(kKeyEventAutopilotAltitudeSet, 0);
  Send(kKeyEventVerticalSpeedHold);
  if (climb) Send(kKeyEventVerticalSpeedSet, AsEventValue(ReadVerticalSpeedFpm()));
  HoldFmsSpeedOnPitch(g_fms.GetApSpeed());
  if (IsAtArmed()) Send(kKeyEventAutothrottleArmToggle);
  SetDfgsThrustMode(climb ? kThrustEprLimit : kThrustPathDescent);
  S().vnavPhase = climb ? kVnavClimb : kVnavDescent;
  SetTrpMode(climb ? kTrpClimb : kTrpCruise);
  S().vnav = 1;
}

void LevelOffInVnav(double holdAltitudeFt, double fmsAltitudeFt, int32_t phase) {
  SetDfgsPitchMode(kPitchAltitudeHold);
  Send(kKeyEventAltitudeHold);
  Send(kKeyEventAutopilotAltitudeSet, Rounded(holdAltitudeFt));
  if (!IsAtArmed()) Send(kKeyEventAutothrottleArmToggle);
  HoldFmsSpeedOnThrottles(fmsAltitudeFt >= kDfgsMachAltitudeFt, g_fms.GetApSpeed());
  S().vnavPhase = phase;
  SetTrpMode(kTrpCruise);
  S().vnav = 1;
}

}  // namespace

void UpdateDfgsVnav() {
  const int32_t next = g_fms.GetVnavNext();
  const int32_t trp = GetTrpMode();
  const bool takeoffRating = trp == kTrpTakeoff || trp == kTrpFlexTakeoff || trp == kTrpGoAround;
  if (next == kVnavNone) return;
  if (next < kVnavClimb || next > kVnavLevel) {
    ClearDfgsVnav();
    return;
  }
  if (takeoffRating) return;
  SetPreselectFromFmsConstraint();
  const double preselect = GetDfgsSelectedValue(kSelAltitude);
  const double h = AltitudeFt();
  const double a = g_fms.GetApAltitude();
  switch (next) {
    case kVnavClimb:
      if (preselect > h) StartVnavClimbOrDescent(true);
      break;
    case kVnavCruise:
      LevelOffInVnav(a, a, kVnavCruise);
      break;
    case kVnavDescent:
      if (preselect < h) StartVnavClimbOrDescent(false);
      break;
    case kVnavLevel:
      LevelOffInVnav(std::fabs(a - h) >= kVnavLevelReselectFt ? preselect : a, a, kVnavLevel);
      break;
    default:
      break;
  }
}

namespace {

// ---- Every tick ----

void RunSelfTests() {
  State& s = S();
  const bool unpowered = IsUnpowered();
  if (unpowered) {
    s.testAfterPowerLoss = 1;
  } else if (s.testAfterPowerLoss != 0) {
    SetSwitch(&g_dfgsTestSwitch, 1);
    s.testAfterPowerLoss = 0;
  }
  UpdateTimedSwitch(&g_dfgsTestSwitch, 1, kSwitchOff);
  UpdateTimedSwitch(&g_headingKnobActivity, kSwitchOn, kSwitchOff);

  if (!IsOnGround()) s.postLandingAirborne = 1;
  if (unpowered) {
    s.postLandingDeadlineRunning = 0;
  } else {
    const double now = Tok(Token::SimulationClock);
    if (IsOnGround() && s.postLandingAirborne != 0 && s.postLandingDeadlineRunning == 0) {
      s.postLandingDeadlineS = now + kPostLandingTestDelayS;
      s.postLandingDeadlineRunning = 1;
    }
    if (s.postLandingDeadlineRunning != 0 && now > s.postLandingDeadlineS && !IsAp() && !IsAtSwitchOn() &&
        s.pitchMode != kPitchTakeoff && GetEprDisplayValue(1) < kPostLandingEprMax &&
        GetEprDisplayValue(2) < kPostLandingEprMax && IasKt() < kTakeoffSpeedKt && IsOnGround()) {
      SetSwitch(&g_dfgsTestSwitch, 1);
      s.postLandingDeadlineRunning = 0;
      s.postLandingAirborne = 0;
    }
  }
  UpdateTimedSwitch(&g_autolandGroundArm, kAutolandGroundArmShown, kSwitchOff);
  // The touchdown disconnect is timed here with the other records, so it is
  // not up to a fast-pass period late.
  UpdateTimedSwitch(&g_touchdownDisconnect, kSwitchOn, kTouchdownDisconnectDue);
}

// ---- Main pass ----

void DisconnectWithoutPowerOrEngines() {
  if (IsUnpowered() && IsAp()) Send(kKeyEventAutopilotMaster);
  if (IsEngineRunning(1) == 0 && IsEngineRunning(2) == 0 && !IsOnGround()) {
    if (IsAp()) Send(kKeyEventAutopilotMaster);
    if (IsFd()) Send(kKeyEventFlightDirectorToggle);
  }
}

void DefaultModes() {
  if (!IsApOrFd()) {
    SetDfgsPitchMode(kPitchNone);
    SetDfgsRollMode(kRollNone);
    SetDfgsAltPreselectArm(kAltArmOff);
    SetDfgsModeE(kModeENone);
    ClearDfgsVnav();
    return;
  }
  if (S().pitchMode == kPitchNone) {
    SetDfgsPitchMode(kPitchAltitudeHold);
    Send(kKeyEventAltitudeHold);
    Send(kKeyEventAutopilotAltitudeSet, Rounded(AltitudeFt()));
  }
  if (S().rollMode == kRollNone) {
    HoldHeadingFlown();
    SetDfgsRollMode(kRollHeadingHold);
  }
}

void VnavHandOffs() {
  State& s = S();
  if (s.vnav == 0) return;
  if ((s.vnavPhase == kVnavClimb || s.vnavPhase == kVnavDescent) && s.altPreselectArm == kAltArmOff) {
    SetDfgsAltPreselectArm(kAltArmArmed);
  }
  const bool autoPreselect = GetOption(kOptionFmsAutoSetAltPresel) != 0;
  if (autoPreselect && g_fms.TakeLegSequencedFlag() && g_fms.GetAltPreselectFlag() == 0) {
    SetDfgsSelectedValue(kSelAltitude, g_fms.GetDescentConstraintAltitude());
    UpdateDfgsVnav();
  }
  const int32_t next = g_fms.GetVnavNext();
  if (autoPreselect && s.vnavPhase == kVnavLevel && g_fms.GetAltPreselectFlag() == 0 &&
      (next == kVnavDescent || next == kVnavClimb)) {
    SetDfgsSelectedValue(kSelAltitude, g_fms.GetDescentConstraintAltitude());
    UpdateDfgsVnav();
  }
  if (s.vnavPhase == kVnavCruise && g_fms.GetVnavNext() == kVnavDescent && g_fms.HasPassedTopOfDescent() != 0) {
    UpdateDfgsVnav();
  }
  if (g_fms.IsDescendNow() != 0 && s.vnavPhase != kVnavDescent) UpdateDfgsVnav();
  const int32_t trp = GetTrpMode();
  if (trp == kTrpTakeoff || trp == kTrpFlexTakeoff || trp == kTrpGoAround) ClearDfgsVnav();
}

// Speed held with the elevator through the commanded vertical speed: faster
// than the target raises the command, slower lowers it.
void SpeedOnPitch() {
  State& s = S();
  const double vs = ReadVerticalSpeedFpm();
  const bool active = s.pitchMode == kPitchIasOnPitch || s.pitchMode == kPitchMachOnPitch ||
                      (s.pitchMode == kPitchTakeoff && s.takeoffSpeedLatch != 0);
  if (!active) {
    s.verticalSpeedCommandFpm = vs;
    s.previousSpeedErrorKt = IasKt() - Tok(Token::AutopilotAirspeedKt);
    return;
  }
  if (s.altPreselectArm == kAltArmArmed) Send(kKeyEventAutopilotAltitudeSet, 0);
  double e = 0.0;
  if (s.pitchMode == kPitchMachOnPitch) {
    const double mmo = Tok(Token::MaxOperatingMach);
    // A Mach error in knots at the speed limit; no limit known, no error.
    if (mmo > 0.0) e = (VmoKt() / mmo) * (ReadMach() - s.machTarget);
  } else {
    e = IasKt() - s.iasTargetKt;
  }
  s.speedErrorKt = e;
  const double d = s.previousSpeedErrorKt - e;
  s.speedErrorRateKt = d;
  double step = std::clamp(e * kSpeedOnPitchGain * 100.0, -kSpeedOnPitchStepMaxFpm, kSpeedOnPitchStepMaxFpm);
  if ((e > 0.0 && d < 0.0) || (e < 0.0 && d > 0.0) || (e > 0.0 && d > 3.0) || (e < 0.0 && d < -3.0)) step *= 4.0;
  s.speedStepFpm = step;
  // The step carries the sign of the error, so the command moves towards the speed.
  double c = s.verticalSpeedCommandFpm + step;
  if (c <= 0.0) {
    c = std::max(c, vs - 500.0);
  } else {
    c = std::min(c, vs + 500.0);
  }
  c = std::clamp(c, -kVerticalSpeedCommandMaxFpm, kVerticalSpeedCommandMaxFpm);
  if (s.pitchMode == kPitchTakeoff && IsOnGround()) {
    c = 1800.0;
  } else if (s.vnav == 0) {
    const double x = std::max(dfgs::ThrottleLever(1), dfgs::ThrottleLever(2));
    if (x <= kThrottleMid) {
      c = std::min(c, (kThrottleMid - x) / -16.384);
    } else {
      c = std::max(c, (x - kThrottleMid) / 16.384);
    }
  } else if (s.vnavPhase == kVnavClimb) {
    c = std::max(c, std::clamp((IasKt() - 100.0) * 5.0, 0.0, 500.0));
  } else if (s.vnavPhase == kVnavDescent) {
    c = std::min(c, -500.0);
  }
  s.verticalSpeedCommandFpm = c;
  const int32_t i = TruncateSaturated<int32_t>(c);
  Send(kKeyEventVerticalSpeedSet, static_cast<uint32_t>(i - i % 100));
  s.previousSpeedErrorKt = e;
}

void SelectSpeedModeAtCapture() {
  if (!IsAtSwitchOn()) return;
  if (!IsAtArmed()) Send(kKeyEventAutothrottleArmToggle);
  if (S().vnav != 0) {
    UpdateDfgsVnav();
  } else {
    SpeedOnThrottles(AltitudeFt() >= kDfgsMachAltitudeFt);
  }
}

void AltitudeCapture() {
  State& s = S();
  const double t = AltitudeTarget();
  const double h = AltitudeFt();
  const double v = ReadVerticalSpeedFpm();
  const bool descending = t <= h;
  const double distance = std::fabs(t - h);
  if (s.altPreselectArm == kAltArmCapturing) {
    Send(kKeyEventAutopilotAltitudeSet, Rounded(t));
    if (!On(Token::AltitudeLock)) Send(kKeyEventVerticalSpeedHold);
  }
  if (s.altPreselectArm == kAltArmArmed) {
    const double band = descending ? std::max(300.0, -0.2 * v) : std::max(300.0, 0.2 * v);
    if (distance < band) {
      SetDfgsAltPreselectArm(kAltArmCapturing);
      SelectSpeedModeAtCapture();
    }
  }
  if (s.altPreselectArm == kAltArmCapturing) {
    const double band = descending ? std::max(50.0, -0.05 * v) : std::clamp(0.1 * v, 50.0, 250.0);
    if (distance < band) {
      SetDfgsPitchMode(kPitchAltitudeHold);
      SetDfgsAltPreselectArm(kAltArmOff);
      if (s.vnav != 0 && std::fabs(g_fms.GetApAltitude() - h) > band) SetDfgsAltPreselectArm(kAltArmArmed);
    }
  }
  const double apVs = Tok(Token::AutopilotVerticalSpeedFpm);
  if (s.pitchMode == kPitchVerticalSpeed && apVs > -50.0 && apVs <= 50.0 && IsApOrFd()) {
    SetDfgsPitchMode(kPitchAltitudeHold);
    Send(kKeyEventAltitudeHold);
    Send(kKeyEventAutopilotAltitudeSet, AltitudeToHold(t));
  }
  if (s.pitchMode == kPitchAltitudeHold && IsApOrFd() && !On(Token::ApproachHold) && !On(Token::AltitudeLock)) {
    Send(kKeyEventAltitudeHold);
    Send(kKeyEventAutopilotAltitudeSet, AltitudeToHold(t));
  }
}

void NavCapture() {
  State& s = S();
  const int32_t code = TruncateSaturated<int32_t>(Tok(Token::Nav1Code));
  const bool localizer = (code & 0x80) != 0;
  const double deviation = std::fabs(Tok(Token::CourseNeedle));
  const bool navLock = On(Token::Nav1Lock);
  const bool headingLock = On(Token::HeadingLock);
  if (navLock && headingLock) {
    SetDfgsModeE(localizer ? kModeELocalizerArmed : kModeEVorArmed);
  } else if ((code & 8) == 0 && navLock && !headingLock) {
    if (deviation < 40.0) {
      SetDfgsRollMode(localizer ? kRollLocalizerTrack : kRollVorTrack);
      SetDfgsModeE(kModeENone);
    } else if (deviation < 125.0) {
      SetDfgsRollMode(localizer ? kRollLocalizerCapture : kRollVorCapture);
      SetDfgsModeE(kModeENone);
    }
  } else if (s.rollMode >= kRollLocalizerCapture && s.rollMode <= kRollVorTrack && !navLock &&
             !On(Token::ApproachHold) && !On(Token::GlideSlopeHold)) {
    HoldHeadingFlown();
    SetDfgsRollMode(kRollHeadingHold);
  }
  const double proximity = Tok(Token::Dme1Nm);
  if ((s.rollMode == kRollVorCapture || s.rollMode == kRollVorTrack) && proximity < 5.0) {
    Send(kKeyEventNavHoldOff);
    Send(kKeyEventHeadingBugSet, Rounded(Tok(Token::Nav1CourseDeg)));
    Send(kKeyEventHeadingHold);
    SetDfgsRollMode(kRollVorOverStation);
  } else if (s.rollMode == kRollVorOverStation && proximity > 5.0) {
    Send(kKeyEventNavHoldOn);
    SetDfgsRollMode(kRollVorCapture);
  }
}

void Lnav() {
  State& s = S();
  const double crossTrack = g_fms.GetApCrossTrack();
  const bool near = crossTrack >= -kLnavTrackNm && crossTrack <= kLnavTrackNm;
  if (s.rollMode == kRollLnavFar && near) SetDfgsRollMode(kRollLnavTrack);
  else if (s.rollMode == kRollLnavTrack && !near) SetDfgsRollMode(kRollLnavFar);
  if (s.rollMode != kRollLnavFar && s.rollMode != kRollLnavTrack) return;
  const double heading = g_fms.GetApHeading();
  if (heading == CFms::kNoHeading) {
    HoldHeadingFlown();
    SetDfgsRollMode(kRollHeadingHold);
  } else {
    Send(kKeyEventHeadingBugSet, AsEventValue(heading));
  }
}

// ---- Autothrottle and speed steps ----

void FmsSpeedTargets() {
  State& s = S();
  const double v = g_fms.GetApSpeed();
  const bool mach = v <= 1.0;
  if (s.vnavPhase == kVnavCruise || s.vnavPhase == kVnavLevel) {
    if (!IsAtArmed()) Send(kKeyEventAutothrottleArmToggle);
    if (mach) {
      SetDfgsThrustMode(kThrustMach);
      SetDfgsSpeedView(1);
      if (!On(Token::AutopilotMachHold)) Send(kKeyEventMachHold);
    } else {
      SetDfgsThrustMode(kThrustIas);
      SetDfgsSpeedView(0);
      if (!On(Token::AutopilotAirspeedHold)) Send(kKeyEventAirspeedHold);
    }
    SendFmsSpeedToSimulator(v, mach);
  } else if (s.vnavPhase == kVnavClimb || s.vnavPhase == kVnavDescent) {
    if (IsAtArmed()) Send(kKeyEventAutothrottleArmToggle);
    SetDfgsPitchMode(mach ? kPitchMachOnPitch : kPitchIasOnPitch);
    SetDfgsSpeedView(mach ? 1 : 0);
    if (s.fmsOverride == 0) mach ? SetDfgsMachTarget(v) : SetDfgsIasTarget(v);
    SendFmsSpeedToSimulator(v, mach);
  }
}

// Throttles on the VNAV path: the command moves by the path error and its rate.
void PathDescent() {
  State& s = S();
  if (s.thrustMode != kThrustPathDescent) return;
  const double q = g_fms.GetPathErrorAltitude();
  if (s.vnav == 0 || (s.vnavPhase == kVnavDescent && q == CFms::kNoPath)) {
    SendThrottles(0.0);
    return;
  }
  if (s.vnavPhase != kVnavDescent) return;
  s.pathErrorFt = q;
  const double r = s.previousPathErrorFt - q;
  s.pathErrorRateFt = r;
  const double k = r - 0.04 * q;
  double t = std::clamp(q * k / 1000.0, -125.0, 125.0);
  if ((q < 0.0 && r < -20.0) || (s.speedErrorKt > 0.0 && r > 20.0)) t *= 5.0;
  if ((q > 0.0 && r < 0.0) || (q < 0.0 && r > 0.0)) t *= 4.0;
  s.pathStep = t;
  s.pathThrottleCommand += q >= 0.0 ? t : -t;
  s.pathThrottleCommand = std::min(std::clamp(s.pathThrottleCommand, 0.0, kThrottleMax), kPathThrottleMax);
  SendThrottles(s.pathThrottleCommand);
  s.previousPathErrorFt = q;
}

void SpeedLimits() {
  const double vmo = VmoKt();
  const double mmo = Tok(Token::MaxOperatingMach);
  const double h = AltitudeFt();
  const bool overspeed = vmo < IasKt();
  const bool takeoffOrEpr = IsThrustMode({kThrustEprLimit, kThrustTakeoffClamp, kThrustIasMachButton});
  if ((vmo < Tok(Token::AutopilotAirspeedKt) && IsThrustMode({kThrustIas, kThrustIasVmoLimit})) ||
      (h < kDfgsMachAltitudeFt && overspeed && takeoffOrEpr)) {
    SetDfgsThrustMode(kThrustIasVmoLimit);
    Send(kKeyEventAirspeedSet, Rounded(vmo - 5.0));
  }
  if ((mmo < Tok(Token::AutopilotMach) && IsThrustMode({kThrustMach, kThrustMachMmoLimit})) ||
      (h > kDfgsMachAltitudeFt && overspeed && takeoffOrEpr)) {
    SetDfgsThrustMode(kThrustMachMmoLimit);
    Send(kKeyEventMachSet, Rounded(mmo * 100.0 - 1.0));
  }
}

// A flap placard below the speed selected holds the placard; a second flap
// stage while already limited only lowers the speed, so the mode to return to
// is kept.
void FlapPlacard() {
  const double placard = GetFlapPlacardSpeed();
  const double selected = Tok(Token::AutopilotAirspeedKt);
  if (IsAtArmed() && S().togaRequest == 0 && placard < selected) {
    if (S().thrustMode != kThrustFlapLimit) SetDfgsThrustMode(kThrustFlapLimit);
    Send(kKeyEventAirspeedSet, Rounded(placard));
  } else if (S().thrustMode == kThrustFlapLimit && selected < placard) {
    SetDfgsThrustMode(S().previousThrustMode);
  }
}

void EprHold() {
  State& s = S();
  const bool reverse = dfgs::ThrottleLever(1) < 0.0 || dfgs::ThrottleLever(2) < 0.0;
  if (s.thrustMode == kThrustEprLimit && !On(Token::TogaPower) && s.eprHoldLatch == 0) {
    s.eprHoldThrottle[0] = dfgs::ThrottleLever(1);
    s.eprHoldThrottle[1] = dfgs::ThrottleLever(2);
    s.eprHoldLatch = 1;
  }
  // Cleared after it is set: levers in reverse, no rating or another mode
  // leave them where the crew put them, and the disengage below sees reverse.
  if (s.thrustMode != kThrustEprLimit || GetTrpMode() == kTrpNone || reverse) s.eprHoldLatch = 0;
  if (s.thrustMode != kThrustEprLimit || s.eprHoldLatch == 0) return;
  if (IsAtArmed()) Send(kKeyEventAutothrottleArmToggle);
  const double target = GetTrpTarget();
  // The law can ask for more than full throttle, or reverse with a limit of
  // 0.0: the simulator only takes 0..16384.
  const auto position = [target](int32_t engine) {
    return std::clamp(EprToThrottlePosition(target, GetEprDisplayValue(engine)), 0, static_cast<int32_t>(kThrottleMax));
  };
  Send(kKeyEventThrottle1Set, static_cast<uint32_t>(position(1)));
  Send(kKeyEventThrottle2Set, static_cast<uint32_t>(position(2)));
}

void RetardAndClamp() {
  State& s = S();
  const double x1 = dfgs::ThrottleLever(1);
  const double x2 = dfgs::ThrottleLever(2);
  if (s.thrustMode == kThrustIas && IsAtArmed() && !On(Token::AutopilotAirspeedHold)) Send(kKeyEventAirspeedHold);
  if (IsAtArmed() && x1 < kIdleThrottle && x2 < kIdleThrottle &&
      !IsThrustMode({kThrustAccepted6, kThrustTakeoffClamp, kThrustIasMachButton, kThrustAutolandRetard, kThrustRetard}) &&
      s.vnav == 0 && !IsOnGround()) {
    SetDfgsThrustMode(kThrustRetard);
  } else if (s.thrustMode == kThrustRetard && IsAtArmed() && (x1 > kIdleThrottle || x2 > kIdleThrottle)) {
    SetDfgsThrustMode(s.previousThrustMode);
  }
  if (s.thrustMode == kThrustEprLimit && IsOnGround() && IasKt() > kTakeoffSpeedKt) {
    SetDfgsThrustMode(kThrustTakeoffClamp);
  }
  if (IsAp() && On(Token::ApproachHold) && s.approachMode == kApproachAutoland && !IsOnGround() &&
      RadioHeightM() < kRetardHeightM) {
    if (IsAtArmed()) Send(kKeyEventAutothrottleArmToggle);
    Send(kKeyEventAirspeedHoldOff);
    SendThrottles(0.0);
    SetDfgsThrustMode(kThrustAutolandRetard);
  }
}

void MinimumSpeedAndDisengage() {
  ComputeDfgsMinimumSpeed();
  if (IsAtArmed() && GetDfgsMinimumSpeed() > Tok(Token::AutopilotAirspeedKt) &&
      IsThrustMode({kThrustIas, kThrustMach, kThrustRetard, kThrustAccepted6})) {
    Send(kKeyEventAirspeedSet, Rounded(GetDfgsMinimumSpeed()));
  }
  const bool reverse = dfgs::ThrottleLever(1) < 0.0 || dfgs::ThrottleLever(2) < 0.0;
  if ((reverse || IsUnpowered()) && S().autothrottleDisconnect == 0 && S().thrustMode != kThrustOff) {
    DisengageAutothrottle();
  }
}

void AutothrottleSteps() {
  FmsSpeedTargets();
  PathDescent();
  SpeedLimits();
  FlapPlacard();
  if (GetTrpMode() == kTrpNone && S().thrustMode == kThrustEprLimit) SetDfgsThrustMode(kThrustOff);
  EprHold();
  RetardAndClamp();
  MinimumSpeedAndDisengage();
}

void YawDamper() {
  const bool on = On(Token::YawDamper);
  switch (GetSwitch(&g_yawDampSwitch)) {
    case kSwitchOn:
      if (!IsOnGround() && !on) Send(kKeyEventYawDamperOn);
      if (IsOnGround() && on) Send(kKeyEventYawDamperOff);
      break;
    case kYawDampOff:
      if (on) Send(kKeyEventYawDamperOff);
      break;
    case kSwitchOff:
      if (IsAp() && !IsOnGround()) {
        if (!on) Send(kKeyEventYawDamperOn);
      } else if (on) {
        Send(kKeyEventYawDamperOff);
      }
      break;
    default:
      break;
  }
}

// ---- Take-off and go-around ----

void TogaEngagement() {
  State& s = S();
  if (s.togaLatch != 0 || !(On(Token::TogaPower) || s.togaRequest != 0) || !IsApOrFd()) return;
  s.togaLatch = 1;
  Send(kKeyEventApproachHoldRelease);
  if (s.approachMode == kApproachIls || s.approachMode == kApproachAutoland) {
    SetDfgsApproachMode(kApproachNone);
    SetDfgsModeE(kModeENone);
  }
  for (uint32_t event : {kKeyEventHoldRelease1, kKeyEventHoldRelease2, kKeyEventHoldRelease3, kKeyEventHoldRelease4,
                         kKeyEventHoldRelease5, kKeyEventHoldRelease6, kKeyEventNavHoldOff}) {
    Send(event);
  }
  const bool takeoff = IsOnGround() && IasKt() < kTakeoffSpeedKt;
  SetDfgsPitchMode(takeoff ? kPitchTakeoff : kPitchGoAround);
  SetDfgsRollMode(takeoff ? kRollTakeoff : kRollGoAround);
  HoldHeadingFlown();
  SetDfgsModeE(kModeENone);
  if (IsAtSwitchOn()) SetDfgsThrustMode(kThrustEprLimit);
  SetTrpMode(takeoff ? kTrpTakeoff : kTrpGoAround);
}

bool InTakeoffOrGoAroundModes() {
  const State& s = S();
  return (s.pitchMode == kPitchTakeoff && s.rollMode == kRollTakeoff) ||
         (s.pitchMode == kPitchGoAround && s.rollMode == kRollGoAround);
}

void TakeoffSteps() {
  State& s = S();
  if (s.togaLatch != 0 && IsAtArmed() && !On(Token::TogaPower) && s.thrustMode != kThrustTakeoffClamp &&
      (dfgs::ThrottleLever(1) > kTogaThrottle || dfgs::ThrottleLever(2) > kTogaThrottle) &&
      InTakeoffOrGoAroundModes()) {
    SetDfgsThrustMode(kThrustEprLimit);
    if (!IsOnGround()) Send(kKeyEventTogaPowerToggle);
  }
  if (s.togaLatch != 0 && s.pitchMode == kPitchTakeoff && IasKt() > kTakeoffSpeedKt && s.takeoffSpeedLatch == 0) {
    s.takeoffSpeedLatch = 1;
    Send(kKeyEventBeforeSpeedCapture);
    Send(kKeyEventAirspeedHoldOff);
    Send(kKeyEventAutopilotAltitudeSet, 0);
    Send(kKeyEventVerticalSpeedHold);
    SetDfgsIasTarget(GetSpeedBug(2) + 10.0);
  }
  if (s.togaLatch != 0 && s.rollMode == kRollTakeoff && IsOnGround() && IasKt() < kTakeoffSpeedKt) {
    Send(kKeyEventHeadingBugSet, Rounded(Tok(Token::MagneticHeadingDeg)));
  }
  const bool togaPitch = s.pitchMode == kPitchTakeoff || s.pitchMode == kPitchGoAround;
  const bool togaRoll = s.rollMode == kRollTakeoff || s.rollMode == kRollGoAround;
  if (s.togaLatch != 0 && !togaPitch && !togaRoll) {
    s.togaLatch = 0;
    s.togaRequest = 0;
    s.takeoffSpeedLatch = 0;
    if (On(Token::TogaPower)) Send(kKeyEventTogaPowerToggle);
    if (s.thrustMode == kThrustEprLimit && IsAtArmed()) Send(kKeyEventAutothrottleArmToggle);
  }
}

bool IsAutolandModeE(int32_t modeE) { return modeE >= kModeEAutolandAutopilot && modeE <= kModeEAutolandNeither; }

// The autoland status set here is cleared in the same pass when no approach
// is armed: without an approach mode it never shows, not even for a second.
void AutolandStatus() {
  State& s = S();
  if (!IsAutolandModeE(s.modeE) && !IsOnGround() && RadioHeightM() < kAutolandHeightM && On(Token::ApproachHold) &&
      IsLandingFlapsSet() != 0) {
    SetDfgsModeE(IsAp() ? kModeEAutolandAutopilot : (IsFd() ? kModeEAutolandFlightDirector : kModeEAutolandNeither));
    SetDfgsAltPreselectArm(kAltArmOff);
  }
  if (IsAutolandModeE(s.modeE) && (s.approachMode == kApproachNone || IsOnGround())) SetDfgsModeE(kModeENone);
  if (s.approachMode == kApproachAutoland && On(Token::ApproachHold) != On(Token::GlideSlopeHold)) {
    Send(kKeyEventApproachKey);
  }
}

void MainPass() {
  DisconnectWithoutPowerOrEngines();
  DefaultModes();
  VnavHandOffs();
  SpeedOnPitch();
  AltitudeCapture();
  NavCapture();
  Lnav();
  AutothrottleSteps();
  YawDamper();
  TogaEngagement();
  TakeoffSteps();
  AutolandStatus();
}

// ---- Fast pass: approach logic ----

void ApproachHoldOff() {
  State& s = S();
  if (s.approachMode == kApproachIls || s.approachMode == kApproachAutoland) {
    SetDfgsApproachMode(kApproachNone);
    SetDfgsModeE(kModeENone);
  }
  const bool slowOnGround = IsOnGround() && IasKt() < kApproachLossSpeedKt;
  const int32_t roll = s.rollMode;
  if ((!On(Token::Nav1Lock) || slowOnGround) && (roll == kRollLocalizerCapture || roll == kRollLocalizerTrack ||
                                                roll == kRollAutolandLocalizer || roll == kRollAlign)) {
    HoldHeadingFlown();
    SetDfgsRollMode(kRollHeadingHold);
  }
  if ((!On(Token::AltitudeLock) || slowOnGround) && s.pitchMode >= kPitchGlideslopeCapture && s.pitchMode <= kPitchFlare) {
    if (!IsOnGround()) {
      FallBackToVerticalSpeed();
    } else {
      FallBackToAltitudeHold();
    }
  }
}

void ApproachHoldOn() {
  State& s = S();
  const bool airborne = !IsOnGround();
  if (s.approachMode == kApproachIls && airborne && s.modeE != kModeEIlsApproach && !IsAutolandModeE(s.modeE)) {
    SetDfgsModeE(kModeEIlsApproach);
  } else if (s.approachMode == kApproachAutoland && airborne && !(s.modeE >= kModeEAutolandApproach)) {
    SetDfgsModeE(kModeEAutolandApproach);
  }
  const bool altitudeLock = On(Token::AltitudeLock);
  const bool glideslopeHold = On(Token::GlideSlopeHold);
  const bool autoland = s.approachMode == kApproachAutoland;
  const double rh = RadioHeightM();
  const double gs = std::fabs(Tok(Token::GlideSlopeNeedle));
  const double loc = std::fabs(Tok(Token::CourseNeedle));
  const bool landingFlaps = IsLandingFlapsSet() != 0;
  if (!airborne && autoland && IsAp()) {
    SetDfgsPitchMode(kPitchRollout);
  } else if (!altitudeLock && rh < kFlareHeightM && landingFlaps && airborne && autoland && IsAp() && glideslopeHold) {
    SetDfgsPitchMode(kPitchFlare);
    if (!altitudeLock) Send(kKeyEventAltitudeHoldEngage);
    Send(kKeyEventVerticalSpeedSet, AsEventValue(kFlareVerticalSpeedFpm));
    Send(kKeyEventAutopilotAltitudeSet, ReadVerticalSpeedFpm() > 0.0 ? kDfgsClimbFreeAltitudeFt : 0);
  } else if (!altitudeLock && rh < kAutolandHeightM && gs < 40.0 && landingFlaps && airborne && autoland && IsAp() &&
             glideslopeHold) {
    SetDfgsPitchMode(kPitchAutolandGlideslope);
  } else if (!altitudeLock && rh < kNoFlareHeightM && airborne && IsAp() && s.approachMode == kApproachIls &&
             glideslopeHold) {
    SetDfgsPitchMode(s.pitchMode == kPitchIlsNoFlare ? kPitchIlsNoFlareB : kPitchIlsNoFlare);
  } else if (!altitudeLock && gs > 0.0 && gs < 40.0 && glideslopeHold) {
    SetDfgsPitchMode(kPitchGlideslopeTrack);
  } else if (!altitudeLock && gs > 0.0 && gs < 125.0 && glideslopeHold) {
    SetDfgsPitchMode(kPitchGlideslopeCapture);
    ClearDfgsVnav();
  }
  const bool headingLock = On(Token::HeadingLock);
  if (!airborne && autoland && IsAp()) {
    SetDfgsRollMode(kRollRollout);
  } else if (!altitudeLock && rh < kAlignHeightM && landingFlaps && airborne && autoland && IsAp()) {
    SetDfgsRollMode(kRollAlign);
  } else if (!altitudeLock && rh < kAutolandHeightM && loc < 40.0 && landingFlaps && airborne && autoland && IsAp()) {
    SetDfgsRollMode(kRollAutolandLocalizer);
  } else if (!headingLock && loc < 40.0) {
    SetDfgsRollMode(kRollLocalizerTrack);
  } else if (!headingLock && loc < 125.0) {
    SetDfgsRollMode(kRollLocalizerCapture);
  }
}

void ApproachAbort() {
  State& s = S();
  const bool onGround = IsOnGround();
  const bool autolandUnmatched = s.approachMode == kApproachAutoland && IsNavPairMatched() == 0;
  const bool ilsNoGlideslope = s.approachMode == kApproachIls && IsGlideslopeAvailable() == 0;
  const bool abort = (s.approachMode == kApproachIls && onGround) ||
                     (s.approachMode == kApproachAutoland && onGround && IasKt() < kApproachLossSpeedKt) ||
                     autolandUnmatched || ilsNoGlideslope;
  if (!abort) return;
  if (autolandUnmatched) SetSwitch(&g_fmaAutolandNavLamp, kSwitchOn);
  if (ilsNoGlideslope) SetSwitch(&g_fmaIlsGlideslopeLamp, kSwitchOn);
  Send(kKeyEventApproachHoldRelease);
  SetDfgsApproachMode(kApproachNone);
  if (s.modeE == kModeEIlsApproach || s.modeE == kModeEAutolandApproach) SetDfgsModeE(kModeENone);
}

// VNAV without the autothrottle: a warning, then VNAV gives way to vertical speed.
void VnavWithoutAutothrottle() {
  State& s = S();
  UpdateTimedSwitch(&g_vnavAutothrottleWarning, kVnavWarningShowing, kVnavWarningDone);
  if (GetSwitch(&g_vnavAutothrottleWarning) == kVnavWarningDone) {
    ClearDfgsVnav();
    SetDfgsThrustMode(kThrustOff);
    SetSwitch(&g_vnavAutothrottleWarning, kSwitchOff);
    if (!IsOnGround()) {
      FallBackToVerticalSpeed();
    } else {
      FallBackToAltitudeHold();
    }
  }
  if (!IsAtSwitchOn() && s.vnav != 0) {
    SetDfgsThrustMode(s.thrustMode == kThrustOff ? kThrustVnavNoAutothrottle : kThrustOff);
    if (GetSwitch(&g_vnavAutothrottleWarning) != kVnavWarningShowing) {
      SetSwitch(&g_vnavAutothrottleWarning, kVnavWarningShowing);
    }
  }
  if (IsAtSwitchOn() && s.vnav != 0 && GetSwitch(&g_vnavAutothrottleWarning) != kSwitchOff) {
    SetSwitch(&g_vnavAutothrottleWarning, kSwitchOff);
    UpdateDfgsVnav();
  }
}

void Disconnects() {
  State& s = S();
  if (!IsAtSwitchOn() && s.thrustMode != kThrustOff) SetDfgsThrustMode(kThrustOff);
  if (IsDfgsIrsValid() == 0 && IsAp()) Send(kKeyEventAutopilotMaster);
  if (!IsOnGround()) {
    s.touchdownAirborne = 1;
  } else if (s.touchdownAirborne != 0) {
    SetSwitch(&g_touchdownDisconnect, kSwitchOn);
    s.touchdownAirborne = 0;
  }
  if (GetSwitch(&g_touchdownDisconnect) == kTouchdownDisconnectDue) {
    if (IsAp()) Send(kKeyEventAutopilotMaster);
    SetSwitch(&g_touchdownDisconnect, kSwitchOff);
  }
  if (On(Token::DfgsFlag848)) Send(kKeyEventToken848);
}

void FastPass() {
  if (!On(Token::ApproachHold)) {
    ApproachHoldOff();
  } else {
    ApproachHoldOn();
  }
  ApproachAbort();
  VnavWithoutAutothrottle();
  Disconnects();
}

}  // namespace

void UpdateDfgs() {
  RunSelfTests();
  if (IsTickDue(kChannel1HzB) != 0) MainPass();
  if (IsTickDue(kChannel3Hz) != 0) FastPass();
}

}  // namespace halcyon
