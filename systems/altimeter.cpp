// [ALTIMETER] and the altitude alert.
#include "systems/altimeter.h"

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "fmc/fms.h"
#include "host/callouts.h"
#include "host/sound_system.h"
#include "host/voice_queue.h"
#include "systems/dfgs.h"

namespace halcyon {

CSwitch g_altitudeAlertLight{};

namespace {

constexpr const wchar_t* kSection = L"ALTIMETER";
// The altitude alert's bands, in feet from the target (all exclusive).
constexpr double kAlertBandLowFt = 250.0;
constexpr double kAlertBandHighFt = 750.0;
constexpr double kCalloutBandLowFt = 900.0;
constexpr double kCalloutBandHighFt = 1000.0;
constexpr double kDeviationFt = 250.0;

double g_refIndex = 0.0;
uint32_t g_alertToneLatch = 0;
uint32_t g_deviationToneLatch = 0;

double DistanceToTargetFt(double altitudeFt) {
  const double preselectFt = GetDfgsSelectedValue(kSelAltitude);
  double targetFt = preselectFt;
  if (IsDfgsVnav() != 0) {
    // On the way to the preselect, a nearer FMS altitude is the one to alert on.
    const double fmsFt = g_fms.GetApAltitude();
    const bool climbing = fmsFt > altitudeFt && preselectFt > fmsFt;
    const bool descending = fmsFt < altitudeFt && preselectFt < fmsFt;
    if (climbing || descending) targetFt = fmsFt;
  }
  return targetFt > altitudeFt ? targetFt - altitudeFt : altitudeFt - targetFt;
}

void ApproachingAlert(double altitudeFt) {
  const double d = DistanceToTargetFt(altitudeFt);
  if (d > kAlertBandLowFt && d < kAlertBandHighFt) {
    SetSwitch(&g_altitudeAlertLight, kSwitchOn);
    if (g_alertToneLatch == 0) {
      EnqueueVoiceMessage(kVoiceAltitudeAlert);
      g_alertToneLatch = 1;
    }
  } else {
    SetSwitch(&g_altitudeAlertLight, kSwitchOff);
  }
  if (d > kCalloutBandLowFt && d < kCalloutBandHighFt && g_thousandFootCalloutFlag == 1) {
    // With the first officer's callouts off the call is used up all the same.
    if (GetOption(kOptionTurnOffFoCallouts) == 0) PlaySound(kSoundFirstAltitudeCallout, 0);
    g_thousandFootCalloutFlag = 0;
  } else if (d > kCalloutBandHighFt) {
    g_thousandFootCalloutFlag = 1;
  }
}

bool IsOffHeldAltitude(double altitudeFt) {
  const double heldFt = ReadToken(Token::AutopilotAltitudeFt);
  const double deviationFt = heldFt - altitudeFt;
  const bool guidanceOn = ReadToken(Token::AutopilotEngaged) != 0.0 || ReadToken(Token::FlightDirector) != 0.0;
  return (deviationFt > kDeviationFt || deviationFt < -kDeviationFt) && heldFt != kDfgsClimbFreeAltitudeFt &&
         heldFt != 0.0 && guidanceOn && IsSimVar60Set() == 0;
}

void DeviationAlert(double altitudeFt) {
  if (!IsOffHeldAltitude(altitudeFt)) {
    SetSwitch(&g_altitudeAlertLight, kSwitchOff);
    RemoveVoiceMessage(kVoiceAltitudeDeviation);
    return;
  }
  SetSwitch(&g_altitudeAlertLight, GetSwitch(&g_altitudeAlertLight) == kSwitchOn ? kSwitchOff : kSwitchOn);
  if (g_deviationToneLatch == 0) {
    EnqueueVoiceMessage(kVoiceAltitudeDeviation);
    g_deviationToneLatch = 1;
  }
}

}  // namespace

void LoadAltimeter() {
  SetAltimeterRefIndex(ReadIniInt(kSection, L"ref_index", L"0", kIniSwitchBuffer));
  SetSwitch(&g_altitudeAlertLight, kSwitchOff);
}

void SaveAltimeter() { WriteIniInt(kSection, L"ref_index", static_cast<int32_t>(g_refIndex)); }

void ResetAltimeter() {
  g_alertToneLatch = 0;
  g_deviationToneLatch = 0;
}

void UpdateAltimeter() {
  if (IsTickDue(kChannel1Hz) == 0) return;
  const double altitudeFt = ReadToken(Token::AltitudeFt);
  const int32_t arm = GetDfgsAltPreselectArm();
  if (arm == kAltArmArmed || arm == kAltArmCapturing) {
    ApproachingAlert(altitudeFt);
  } else if (GetDfgsPitchMode() == kPitchAltitudeHold) {
    DeviationAlert(altitudeFt);
  } else {
    SetSwitch(&g_altitudeAlertLight, kSwitchOff);
    RemoveVoiceMessage(kVoiceAltitudeDeviation);
    g_alertToneLatch = 0;
    g_deviationToneLatch = 0;
  }
}

// The range is tested on the value stored, so that a saved index off the dial
// loads as 0 rather than being drawn off the dial.
void SetAltimeterRefIndex(double v) { g_refIndex = v >= 0.0 && v <= kAltimeterRefIndexMax ? v : 0.0; }

double GetAltimeterRefIndex() { return g_refIndex; }

void IncAltimeterRefIndex() { g_refIndex = g_refIndex < kAltimeterRefIndexMax ? g_refIndex + 1.0 : 1.0; }

void DecAltimeterRefIndex() { g_refIndex = g_refIndex > 0.0 ? g_refIndex - 1.0 : kAltimeterRefIndexMax - 1.0; }

}  // namespace halcyon
