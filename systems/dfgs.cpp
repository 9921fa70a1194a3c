// [DFGS], [FDC] and [FGCP] of HalcyonPro.ini, and the DFGS's mode variables,
// targets and selected values with their bounded setters. What each control
// of the flight guidance control panel does is its gauge's (gauges/dfgs.cpp).
#include "systems/dfgs.h"

#include <algorithm>
#include <cmath>

#include "core/controls.h"
#include "core/helpers.h"
#include "core/ini_values.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "systems/dfgs_internal.h"
#include "systems/electric.h"
#include "systems/fuel_quantity.h"
#include "systems/flaps.h"
#include "systems/fma.h"
#include "systems/irs.h"
#include "systems/thrust_rating.h"

namespace halcyon {

CSwitch g_autothrottleSwitch{};
CSwitch g_dfgsTestSwitch{};
CSwitch g_headingKnobActivity{};
CSwitch g_autolandGroundArm{};
CSwitch g_vnavAutothrottleWarning{};
CSwitch g_touchdownDisconnect{};
CSwitch g_cadcSwitch{};
CSwitch g_fdCommandSwitch{};
CSwitch g_verticalGyroSwitch{};
CSwitch g_fgcpBacklightSwitch{};
CSwitch g_fgcpDigitalSwitch{};
CSwitch g_fmaAutolandNavLamp{};
CSwitch g_fmaIlsGlideslopeLamp{};

namespace dfgs {

State& Get() {
  static State state;
  return state;
}

double ThrottleLever(int32_t engine) {
  return ReadToken(engine == 1 ? Token::Engine1Throttle : Token::Engine2Throttle);
}

}  // namespace dfgs

namespace {

using dfgs::State;

constexpr const wchar_t* kSection = L"DFGS";
constexpr const wchar_t* kAtSwitchKey = L"dfgs.at_switch";

constexpr double kIasTargetMaxKt = 999.0;
constexpr double kMachTargetMax = 3.2;
constexpr double kMachTargetStep = 0.01;
constexpr double kSelectedAltitudeMaxFt = 50000.0;
constexpr double kSelectedSpeedMaxKt = 450.0;
constexpr double kSelectedMachMax = 0.9;
constexpr double kSelectedHeadingMaxDeg = 359.0;
constexpr double kSelectFastClickTicks = 3.0;
constexpr int32_t kVsWheelMax = 10;
constexpr int32_t kVsWheelStepFpm = 600;

// Durations of the timed records, in ticks.
constexpr double kTestTicks = 144.0;
constexpr double kAutolandIndicationTicks = 180.0;
constexpr double kTouchdownTicks = 144.0;
constexpr double kVnavWarningTicks = 90.0;
constexpr double kHeadingKnobTicks = 18.0;

State& S() { return dfgs::Get(); }

int32_t Bounded(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high ? value : 0; }

bool IsThrustModeStored(int32_t mode) { return (mode >= kThrustIas && mode <= kThrustRetard) || mode == kThrustPathDescent; }

bool IsAtSwitchOn() { return GetSwitch(&g_autothrottleSwitch) == kSwitchOn; }
bool IsSimAutothrottleArmed() { return ReadToken(Token::AutothrottleArmed) != 0.0; }
bool IsHighAltitude() { return ReadToken(Token::AltitudeFt) >= kDfgsMachAltitudeFt; }

}  // namespace

// ---- Mode variables ----

void SetDfgsPitchMode(int32_t mode) { S().pitchMode = Bounded(mode, 0, kPitchModeMax); }
int32_t GetDfgsPitchMode() { return S().pitchMode; }
void SetDfgsRollMode(int32_t mode) { S().rollMode = Bounded(mode, 0, kRollModeMax); }
int32_t GetDfgsRollMode() { return S().rollMode; }

void SetDfgsThrustMode(int32_t mode) {
  S().previousThrustMode = S().thrustMode;
  S().thrustMode = IsThrustModeStored(mode) ? mode : kThrustOff;
}

int32_t GetDfgsThrustMode() { return S().thrustMode; }
int32_t GetDfgsPreviousThrustMode() { return S().previousThrustMode; }
void SetDfgsAltPreselectArm(int32_t arm) { S().altPreselectArm = Bounded(arm, 0, kAltArmCapturing); }
int32_t GetDfgsAltPreselectArm() { return S().altPreselectArm; }
void SetDfgsModeE(int32_t mode) { S().modeE = Bounded(mode, 0, kModeEAutolandNeither); }
int32_t GetDfgsModeE() { return S().modeE; }
void SetDfgsApproachMode(int32_t mode) { S().approachMode = Bounded(mode, 0, kApproachAutoland); }
int32_t GetDfgsApproachMode() { return S().approachMode; }
void SetDfgsSpeedView(int32_t view) { S().speedView = Bounded(view, 0, 1); }
int32_t GetDfgsSpeedView() { return S().speedView; }
void ToggleDfgsSpeedView() { SetDfgsSpeedView(S().speedView == 0 ? 1 : 0); }
void SetDfgc(int32_t dfgc) { S().dfgc = Bounded(dfgc, 0, 1); }
int32_t GetDfgc() { return S().dfgc; }
void ToggleDfgc() { SetDfgc(S().dfgc == 0 ? 1 : 0); }

// ---- Targets ----

void IncDfgsIasTarget() {
  const int32_t step = IsFastClick() != 0 ? GetFastClickMultiplier() : 1;
  S().iasTargetKt = std::min(S().iasTargetKt + step, kIasTargetMaxKt);
}

void DecDfgsIasTarget() {
  const int32_t step = IsFastClick() != 0 ? GetFastClickMultiplier() : 1;
  S().iasTargetKt = std::max(S().iasTargetKt - step, 0.0);
}

void SetDfgsIasTarget(double knots) {
  if (knots >= 0.0 && knots <= kIasTargetMaxKt) S().iasTargetKt = knots;
}

double GetDfgsIasTarget() { return S().iasTargetKt; }

void IncDfgsMachTarget() {
  const int32_t step = IsFastClick() != 0 ? GetFastClickMultiplier() : 1;
  S().machTarget = std::min(S().machTarget + kMachTargetStep * step, kMachTargetMax);
}

void DecDfgsMachTarget() {
  const int32_t step = IsFastClick() != 0 ? GetFastClickMultiplier() : 1;
  S().machTarget = std::max(S().machTarget - kMachTargetStep * step, 0.0);
}

void SetDfgsMachTarget(double mach) {
  if (mach >= 0.0 && mach <= kMachTargetMax) S().machTarget = std::floor(mach * 1000.0) / 1000.0;
}

double GetDfgsMachTarget() { return S().machTarget; }

// ---- Selected values ----

void SetDfgsSelectedValue(int32_t index, double value) {
  if (std::isnan(value)) value = 0.0;
  switch (index) {
    case kSelAltitude:
      if (value > 0.0) value -= TruncateSaturated<int32_t>(value) % 100;
      S().selected[kSelAltitude] = std::clamp(value, 0.0, kSelectedAltitudeMaxFt);
      break;
    case kSelSpeed:
      S().selected[kSelSpeed] = std::clamp(value, 0.0, kSelectedSpeedMaxKt);
      break;
    case kSelMach:
      S().selected[kSelMach] = std::clamp(value, 0.0, kSelectedMachMax);
      break;
    case kSelHeading:
      S().selected[kSelHeading] = std::clamp(value, 0.0, kSelectedHeadingMaxDeg);
      break;
    default:
      break;
  }
}

double GetDfgsSelectedValue(int32_t index) {
  if (index < kSelAltitude || index > kSelHeading) return -1.0;
  return S().selected[index];
}

namespace {

struct SelectedStep {
  double step;
  double max;
};
// Altitude, speed, Mach, heading.
constexpr SelectedStep kSelectedSteps[4] = {
    {100.0, kSelectedAltitudeMaxFt},
    {1.0, kSelectedSpeedMaxKt},
    {0.01, kSelectedMachMax},
    {1.0, kSelectedHeadingMaxDeg},
};

// The panel knobs keep their own fast-click window, shared by all four values.
double SelectedStepFor(int32_t index) {
  const double now = CurrentTick18();
  const bool fast = now < S().selectDeadlineTick;
  S().selectDeadlineTick = now + kSelectFastClickTicks;
  return kSelectedSteps[index].step * (fast ? GetFastClickMultiplier() : 1);
}

bool IsSelectedIndex(int32_t index) { return index >= kSelAltitude && index <= kSelHeading; }

}  // namespace

void IncDfgsSelectedValue(int32_t index) {
  if (!IsSelectedIndex(index)) return;
  double& value = S().selected[index];
  value += SelectedStepFor(index);
  if (index == kSelHeading) {
    if (value > kSelectedHeadingMaxDeg) value = 0.0;
  } else {
    value = std::min(value, kSelectedSteps[index].max);
  }
}

void DecDfgsSelectedValue(int32_t index) {
  if (!IsSelectedIndex(index)) return;
  double& value = S().selected[index];
  value -= SelectedStepFor(index);
  if (index == kSelHeading) {
    if (value < 0.0) value = kSelectedHeadingMaxDeg;
  } else {
    value = std::max(value, 0.0);
  }
}

// ---- VNAV and override ----

void ClearDfgsVnav() {
  S().vnav = 0;
  S().vnavPhase = kVnavNone;
}

uint8_t IsDfgsVnav() { return S().vnav; }
int32_t GetDfgsVnavPhase() { return S().vnavPhase; }
uint8_t IsDfgsFmsOverride() { return S().fmsOverride; }
void ToggleDfgsFmsOverride() { S().fmsOverride = S().fmsOverride != 0 ? 0 : 1; }

// ---- Vertical-speed wheel ----

void SetDfgsVsWheel(int32_t position) {
  S().vsWheel = std::clamp(position, -kVsWheelMax, kVsWheelMax);
  TriggerKeyEvent(kKeyEventVerticalSpeedSet, static_cast<uint32_t>(S().vsWheel * kVsWheelStepFpm));
}

void IncDfgsVsWheel() { SetDfgsVsWheel(S().vsWheel + 1); }
void DecDfgsVsWheel() { SetDfgsVsWheel(S().vsWheel - 1); }
int32_t GetDfgsVsWheel() { return S().vsWheel; }

// ---- Autothrottle ----

void DisengageAutothrottle() {
  SetSwitch(&g_autothrottleSwitch, kSwitchOff);
  S().autothrottleDisconnect = 1;
  SetDfgsThrustMode(kThrustOff);
  if (IsSimAutothrottleArmed()) TriggerKeyEvent(kKeyEventAutothrottleArmToggle, 0);
}

uint32_t IsAutothrottleDisconnect() { return S().autothrottleDisconnect; }
void ClearAutothrottleDisconnect() { S().autothrottleDisconnect = 0; }

// ---- Queries ----

uint32_t IsDfgsRollMode3To5() {
  return S().rollMode >= kRollLnavFar && S().rollMode <= kRollLnav5 ? 1 : 0;
}

uint32_t IsDfgsCaptureCondition() {
  const State& s = S();
  return s.approachMode == kApproachAutoland && s.rollMode >= kRollAutolandLocalizer && s.rollMode <= kRollRollout &&
                 s.pitchMode >= kPitchAutolandGlideslope && s.pitchMode <= kPitchRollout
             ? 1
             : 0;
}

namespace {

// Flap position bands, from the fully extended end.
struct FlapBand {
  double above;
  double minimumSpeedIncrementKt;
  double placardKt;
};
constexpr FlapBand kFlapBands[] = {
    {16383.0, 0.0, 195.0},
    {kLandingFlapPosition, 3.0, 220.0},
    {6140.0, 7.0, 240.0},
    {4500.0, 9.0, 280.0},
};
constexpr double kFlapsUpMinimumSpeedIncrementKt = 41.0;
constexpr double kNoPlacardKt = 100000.0;

const FlapBand* FlapBandNow() {
  const double h = ReadToken(Token::FlapPosition);
  for (const FlapBand& band : kFlapBands) {
    if (h > band.above) return &band;
  }
  return nullptr;
}

}  // namespace

void ComputeDfgsMinimumSpeed() {
  const FlapBand* band = FlapBandNow();
  const double base = (GetPanelGrossWeight() - 79686.0) * 0.000442857 + 94.0;
  S().minimumSpeedKt = base + (band != nullptr ? band->minimumSpeedIncrementKt : kFlapsUpMinimumSpeedIncrementKt);
}

double GetDfgsMinimumSpeed() { return S().minimumSpeedKt; }

double GetFlapPlacardSpeed() {
  const FlapBand* band = FlapBandNow();
  return band != nullptr ? band->placardKt : kNoPlacardKt;
}

uint32_t IsNavPairMatched() {
  const bool frequencies = TruncateSaturated<int32_t>(ReadToken(Token::Nav1Frequency)) ==
                           TruncateSaturated<int32_t>(ReadToken(Token::Nav2Frequency));
  const bool courses = ReadToken(Token::Nav1CourseDeg) == ReadToken(Token::Nav2CourseDeg);
  if (frequencies && courses) return 1;
  return GetOption(kOptionOneNavIls) != 0 ? 1 : 0;
}

uint32_t IsGlideslopeAvailable() {
  const int32_t code = TruncateSaturated<int32_t>(ReadToken(Token::Nav1Code));
  if ((code & 0x80) == 0) return 0;
  return (code & 0x40) != 0 ? 1 : 0;
}

void PressToga() { S().togaRequest = 1; }
uint32_t IsTogaRequested() { return S().togaRequest; }
uint32_t IsDfgsTestActive() { return GetSwitch(&g_dfgsTestSwitch) == 1 ? 1 : 0; }

uint32_t IsDfgsIrsValid() { return GetIrsStatusPosition(S().dfgc == 0 ? 1 : 2) == kIrsNav ? 1 : 0; }

uint32_t IsLandingFlapsSet() { return ReadToken(Token::FlapPosition) > kLandingFlapPosition ? 1 : 0; }

uint32_t IsFgcpLightOn() { return GetSwitch(&g_fgcpBacklightSwitch) == kSwitchOn && IsPanelPowered() != 0 ? 1 : 0; }

// ---- Load and save ----

void LoadDfgs() {
  State& s = S();
  SetDfgsSpeedView(IsHighAltitude() ? 1 : 0);
  SetDfgc(ReadIniInt(kSection, L"dfgc", L"0", 2));
  SetDfgsSelectedValue(kSelAltitude, ReadIniInt(kSection, L"dfgs.ap_altitude_preselect", L"100", 6));
  SetDfgsSelectedValue(kSelHeading, ReadIniInt(kSection, L"dfgs.ap_heading_select", L"0", 6));
  LoadSwitch(&g_autothrottleSwitch, kSection, kAtSwitchKey, L"120", 6);
  ClearAutothrottleDisconnect();
  s.fmsOverride = 0;
  SetDfgsPitchMode(ReadToken(Token::AltitudeLock) != 0.0 ? kPitchAltitudeHold : kPitchNone);
  SetDfgsRollMode(ReadToken(Token::HeadingLock) != 0.0 ? kRollHeadingSelect : kRollNone);
  if (IsAtSwitchOn()) {
    SetDfgsThrustMode(IsHighAltitude() ? kThrustMach : kThrustIas);
  } else {
    SetDfgsThrustMode(kThrustOff);
  }
  SetDfgsApproachMode(kApproachNone);
  ClearDfgsVnav();
  s.togaLatch = 0;
  SetDfgsSelectedValue(kSelSpeed, ReadToken(Token::AutopilotAirspeedKt));
  SetDfgsSelectedValue(kSelMach, ReadToken(Token::AutopilotMach));
  SetDfgsSelectedValue(kSelHeading, ReadToken(Token::HeadingBugDeg));
  s.testAfterPowerLoss = 0;
  s.postLandingAirborne = 0;
  s.postLandingDeadlineRunning = 0;
  InitTimedSwitch(&g_dfgsTestSwitch, kTestTicks);
  InitTimedSwitch(&g_autolandGroundArm, kAutolandIndicationTicks);
  InitTimedSwitch(&g_touchdownDisconnect, kTouchdownTicks);
  InitTimedSwitch(&g_vnavAutothrottleWarning, kVnavWarningTicks);
  InitTimedSwitch(&g_headingKnobActivity, kHeadingKnobTicks);
  s.touchdownAirborne = 0;
  SetSwitch(&g_touchdownDisconnect, kSwitchOff);
  SetSwitch(&g_headingKnobActivity, kSwitchOff);
}

void SaveDfgs() {
  WriteIniInt(kSection, L"dfgc", GetDfgc());
  WriteIniInt(kSection, L"dfgs.ap_altitude_preselect", TruncateSaturated<int32_t>(S().selected[kSelAltitude]));
  WriteIniInt(kSection, L"dfgs.ap_heading_select", TruncateSaturated<int32_t>(S().selected[kSelHeading]));
  SaveSwitch(&g_autothrottleSwitch, kSection, kAtSwitchKey);
}

namespace {

constexpr SwitchKey kFdcKeys[] = {
    {&g_cadcSwitch, L"cadc", L"43"},
    {&g_fdCommandSwitch, L"fd_cmd", L"43"},
    {&g_verticalGyroSwitch, L"vert_gyro", L"43"},
};
const SavedControls kFdcControls{L"FDC", kFdcKeys};
constexpr SwitchKey kFgcpKeys[] = {
    {&g_fgcpBacklightSwitch, L"backlight", L"120"},
    {&g_fgcpDigitalSwitch, L"digitaL", L"120"},
};
const SavedControls kFgcpControls{L"FGCP", kFgcpKeys};

}  // namespace

void LoadFdc() { LoadSwitches(L"FDC", kFdcKeys); }
void SaveFdc() { SaveSwitches(L"FDC", kFdcKeys); }
void LoadFgcp() { LoadSwitches(L"FGCP", kFgcpKeys); }
void SaveFgcp() { SaveSwitches(L"FGCP", kFgcpKeys); }

}  // namespace halcyon
