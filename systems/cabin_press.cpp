// [CABIN PRESS] of HalcyonPro.ini and the cabin-altitude controller.
#include "systems/cabin_press.h"

#include <algorithm>
#include <cmath>

#include "core/controls.h"
#include "core/helpers.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/levers.h"

namespace halcyon {

CSwitch g_cabinSystemSelector{};
CSwitch g_cabinRateLimitKnob{};
CSwitch g_cabinManualLever{};
CSwitch g_cabinRateWheel{};
CSwitch g_cabinPanelObject{};

namespace {

constexpr const wchar_t* kSection = L"CABIN PRESS";
constexpr const wchar_t* kLandingAltitudeKey = L"landing_altitude";
constexpr SwitchKey kKeys[] = {
    {&g_cabinSystemSelector, L"system_selector", L"59"},
    {&g_cabinRateLimitKnob, L"rate_limit", L"7"},
    {&g_cabinManualLever, L"manual_lever", L"22"},
    {&g_cabinRateWheel, L"rate_wheeL", L"1"},
};
const SavedControls kSavedControls{kSection, kKeys};
// The rate wheel stands on its frames 1..6: the automatic controller turns it
// from one, and a load puts any other back on frame 1.
const ControlsAtLoad kRateWheelFramesAtLoad{
    [] { RegisterControl(kSection, L"rate_wheeL", &g_cabinRateWheel, nullptr, nullptr, ControlRange{1, 6}); }};

// The schedule: the cabin at (altitude - 2000 ft) / 4.375, and the pressure
// difference that altitude gap makes.
constexpr double kScheduleOffsetFt = 2000.0;
constexpr double kScheduleRatio = 4.375;
constexpr double kFtPerPsi = 3732.3037;
constexpr double kManualRateStepFtPerS = 100.0 / 60.0;
constexpr double kManualRateHeldFtPerS = 1900.0 / 60.0;

// Climb and descent limits of rate-limit knob positions 1..13, ft/min.
struct RateLimit {
  double climbFpm;
  double descentFpm;
};
constexpr RateLimit kRateLimits[] = {
    {100, 40},   {200, 75},   {300, 120},  {400, 165},  {500, 210},  {600, 255},  {700, 300},
    {920, 390},  {1140, 480}, {1360, 570}, {1580, 660}, {1800, 750}, {2000, 840},
};

struct Cabin {
  double aircraftAltitudeFt;
  double altitudeFt;
  double rateFtPerS;
  double lastReportedRateFtPerS;
  double scheduledFt;
  double diffPressurePsi;
  double landingAltitudeFt;
  CSwitch landingAltitudeShadow;  // what the control registry holds
};
Cabin g_cabin{};
// The landing altitude knob is known by name from the module's load; its
// mover (feet) is attached at load.
constexpr SwitchKey kKnobKeys[] = {{&g_cabin.landingAltitudeShadow, kLandingAltitudeKey, nullptr}};
const SavedControls kKnobControls{kSection, kKnobKeys};

// Move 0 runs the wheel 1..6, move 1 6..1.
AnimatedLever g_rateWheel{&g_cabinRateWheel, {{1, 6}, {6, 1}}};
AnimatedLever g_manualLever{&g_cabinManualLever, {{1, 22}, {22, 1}}};

double ScheduleFor(double aircraftAltitudeFt) { return (aircraftAltitudeFt - kScheduleOffsetFt) / kScheduleRatio; }

// Any knob position outside the table applies no limit.
double LimitedRate(double rateFtPerS) {
  const int32_t position = GetSwitch(&g_cabinRateLimitKnob);
  if (position < 1 || position > static_cast<int32_t>(std::size(kRateLimits))) return rateFtPerS;
  const RateLimit& limit = kRateLimits[position - 1];
  return std::clamp(rateFtPerS, -limit.descentFpm / 60.0, limit.climbFpm / 60.0);
}

void StepAutomatic() {
  g_cabin.scheduledFt = std::max(ScheduleFor(g_cabin.aircraftAltitudeFt), g_cabin.landingAltitudeFt);
  g_cabin.rateFtPerS = LimitedRate(g_cabin.scheduledFt - g_cabin.altitudeFt);
  g_cabin.altitudeFt += g_cabin.rateFtPerS;
  if (g_cabin.rateFtPerS > g_cabin.lastReportedRateFtPerS + 1.0) {
    HandleCabinRateWheel(0, 1);
    g_cabin.lastReportedRateFtPerS = g_cabin.rateFtPerS;
  } else if (g_cabin.rateFtPerS < g_cabin.lastReportedRateFtPerS - 1.0) {
    HandleCabinRateWheel(0, 0);
    g_cabin.lastReportedRateFtPerS = g_cabin.rateFtPerS;
  }
}

void StoreLandingAltitude(double feet) {
  g_cabin.landingAltitudeFt = feet;
  SetSwitch(&g_cabin.landingAltitudeShadow, TruncateSaturated<int32_t>(feet));
}

void ChangeLandingAltitude(int32_t step, double sign) {
  double feet = step == 1 ? 100.0 : step == 2 ? 10.0 : 0.0;
  if (IsFastClick() != 0) feet *= GetFastClickMultiplier();
  StoreLandingAltitude(std::clamp(g_cabin.landingAltitudeFt + sign * feet, kLandingAltitudeMinFt, kLandingAltitudeMaxFt));
}

void MoveLandingAltitude(int32_t feet) {
  StoreLandingAltitude(std::clamp(static_cast<double>(feet), kLandingAltitudeMinFt, kLandingAltitudeMaxFt));
}

// Read in feet: the shadow record holds only the switch codes 0..138.
int32_t LandingAltitudeFt() { return TruncateSaturated<int32_t>(g_cabin.landingAltitudeFt); }

}  // namespace

void LoadCabinPress() {
  const double altitudeFt = ReadToken(Token::AltitudeFt);
  g_cabin.aircraftAltitudeFt = std::isfinite(altitudeFt) ? altitudeFt : 0.0;
  g_cabin.altitudeFt = g_cabin.aircraftAltitudeFt <= kScheduleOffsetFt ? 0.0 : ScheduleFor(g_cabin.aircraftAltitudeFt);
  g_cabin.rateFtPerS = g_cabin.lastReportedRateFtPerS = 0.0;
  const double landingFt = ReadIniReal(kSection, kLandingAltitudeKey, L"0");
  StoreLandingAltitude(landingFt >= kLandingAltitudeMinFt && landingFt <= kLandingAltitudeMaxFt ? landingFt : 0.0);
  LoadSwitches(kSection, kKeys);
  RegisterControl(kSection, kLandingAltitudeKey, &g_cabin.landingAltitudeShadow, MoveLandingAltitude, LandingAltitudeFt,
                  ControlRange{static_cast<int32_t>(kLandingAltitudeMinFt), static_cast<int32_t>(kLandingAltitudeMaxFt)});
  SetSwitch(&g_cabinPanelObject, kSwitchOff);
  KeepLeverOnItsFrames(&g_rateWheel, 1);
  InitLever(&g_rateWheel, 1.0);
}

void UpdateCabinPress() {
  // A bad altitude from the simulator leaves the last one in force.
  const double altitudeFt = ReadToken(Token::AltitudeFt);
  if (std::isfinite(altitudeFt)) g_cabin.aircraftAltitudeFt = altitudeFt;
  if (IsTickDue(kChannel1HzB) == 0) return;
  if (IsCabinManualLeverStowed() == 0) {
    g_cabin.altitudeFt += g_cabin.rateFtPerS;
  } else if (IsSimVar60Set() != 0) {
    g_cabin.scheduledFt = g_cabin.altitudeFt = g_cabin.aircraftAltitudeFt;
    g_cabin.rateFtPerS = 0.0;
  } else {
    StepAutomatic();
  }
  g_cabin.altitudeFt = std::min(g_cabin.altitudeFt, g_cabin.aircraftAltitudeFt);
  g_cabin.diffPressurePsi = (g_cabin.aircraftAltitudeFt - g_cabin.altitudeFt) / kFtPerPsi;
}

void SaveCabinPress() {
  WriteIniInt(kSection, kLandingAltitudeKey, TruncateSaturated<int32_t>(g_cabin.landingAltitudeFt));
  SaveSwitches(kSection, kKeys);
}

double GetCabinAltitude() { return g_cabin.altitudeFt; }
double GetCabinRate() { return g_cabin.rateFtPerS; }
double GetCabinDiffPressure() { return g_cabin.diffPressurePsi; }
double GetLandingAltitude() { return g_cabin.landingAltitudeFt; }

void IncLandingAltitude(int32_t step) { ChangeLandingAltitude(step, 1.0); }
void DecLandingAltitude(int32_t step) { ChangeLandingAltitude(step, -1.0); }

void IncCabinRate() {
  if (g_cabin.rateFtPerS <= kManualRateHeldFtPerS) g_cabin.rateFtPerS += kManualRateStepFtPerS;
}

void DecCabinRate() {
  if (g_cabin.rateFtPerS >= -kManualRateHeldFtPerS) g_cabin.rateFtPerS -= kManualRateStepFtPerS;
}

uint32_t IsCabinManualLeverStowed() { return GetSwitch(&g_cabinManualLever) == kCabinManualLeverStowed ? 1 : 0; }

void HandleCabinRateWheel(int32_t action, int32_t move) { HandleLever(&g_rateWheel, action, move); }
void StepCabinRateWheel() { StepLever(&g_rateWheel); }
void HandleCabinManualLever(int32_t action, int32_t move) { HandleLever(&g_manualLever, action, move); }
void StepCabinManualLever() { StepLever(&g_manualLever); }

void InitCabinLevers() {
  InitLever(&g_manualLever, 1.0);
  InitLever(&g_rateWheel, 1.0);
}

}  // namespace halcyon
