// [TRP] of HalcyonPro.ini, the thrust rating modes and the EPR limit of each.
#include "systems/thrust_rating.h"

#include <algorithm>

#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/dfgs.h"
#include "systems/reserve_thrust.h"
#include "systems/tas_sat.h"
#include "systems/unit_system.h"

namespace halcyon {
namespace {

constexpr const wchar_t* kSection = L"TRP";
constexpr uint32_t kModeBuffer = 6;
constexpr int32_t kMaxAssumedTempDegF = 140;
constexpr int32_t kMaxAssumedTempDegC = 59;

int32_t g_trpMode = kTrpNone;
int32_t g_trpAssumedTemp = 0;
double g_eprLimit = kTrpStartupEprLimit;
int32_t g_trpFlag = 0;

double DegFToDegC(double degF) { return (degF - 32.0) * 0.5555555555555556; }
double DegCToDegF(double degC) { return degC * 1.8 + 32.0; }

// The take-off and flexible take-off law: flat-rated up to 90 degrees F, a
// bonus for low temperatures that grows over the first 5000 ft.
double TakeoffLimit(double degF, double altitudeFt, double base, double hotSlope, double coldBonus, double coldSlope) {
  if (degF >= 90.0) return base - (degF - 90.0) * hotSlope;
  const double d = std::max(degF - 60.0, 0.0);
  const double k = std::min(altitudeFt + 1000.0, 6000.0);
  return (coldBonus - d * coldSlope) / 6000.0 * k + base;
}

double FullTakeoffLimit(double degF, double altitudeFt) {
  return TakeoffLimit(degF, altitudeFt, 1.94, 0.0044, 0.13, 0.0033333333);
}

double ReducedTakeoffLimit(double degF, double altitudeFt) {
  return TakeoffLimit(degF, altitudeFt, 1.88, 0.004, 0.16, 0.004);
}

// The reserve thrust not armed (switch off) or already applied gives the full rating.
bool IsFullTakeoffRating() { return IsArtSwitchOff() != 0 || GetArtState() == kArtTripped; }

double ComputeEprLimit(int32_t mode) {
  const double h = ReadToken(Token::AltitudeM) * kFeetPerMetre;
  double sat = GetStaticAirTemp();
  if (IsMetricUnits() == 0) sat = DegFToDegC(sat);
  const double mach = ReadMach();
  const double t = ComputeRatingTemperature(sat, mach);
  switch (mode) {
    case kTrpTakeoff: {
      const double degF = DegCToDegF(t);
      return IsFullTakeoffRating() ? FullTakeoffLimit(degF, h) : ReducedTakeoffLimit(degF, h);
    }
    case kTrpFlexTakeoff: {
      const double degF = IsMetricUnits() == 0 ? g_trpAssumedTemp : DegCToDegF(g_trpAssumedTemp);
      return ReducedTakeoffLimit(degF, h);
    }
    case kTrpGoAround:
      return TakeoffLimit(DegCToDegF(t), h, 2.04, 0.0044, 0.13, 0.0033333333);
    case kTrpMaxContinuous:
      if (h >= 10000.0) return 2.06 - (h - 10000.0) * 0.000002 - (t + 10.0) * 0.005;
      return h * 0.00001 + 1.96 - (h * 0.00001 + 0.2) / 60.0 * (t + 10.0);
    case kTrpClimb:
      return h * 0.0000045 + 1.96 - (h * 0.0000015 + 0.22) / 50.0 * (t + 20.0);
    case kTrpCruise:
      return 2.06 - (h - 5000.0) * 0.0000015 - (t + 30.0) * 0.007;
    default:
      return 0.0;
  }
}

}  // namespace

double ComputeRatingTemperature(double staticAirTempDegC, double mach) {
  return staticAirTempDegC * 1.25 + 5.0 + (mach - 0.3) * 58.0;
}

void LoadTrp() {
  g_trpAssumedTemp = 0;
  g_trpMode = kTrpNone;
  g_eprLimit = kTrpStartupEprLimit;
  SetTrpMode(ReadIniInt(kSection, L"active_mode", L"0", kModeBuffer));
}

void UpdateTrp() {
  if (IsTickDue(kChannel2Hz) != 0) g_eprLimit = ComputeEprLimit(g_trpMode);
}

void SaveTrp() { WriteIniInt(kSection, L"active_mode", g_trpMode); }

void SetTrpMode(int32_t mode) {
  g_trpMode = mode >= kTrpNone && mode <= kTrpCruise ? mode : kTrpNone;
  if (GetDfgsThrustMode() == kThrustTakeoffClamp) SetDfgsThrustMode(kThrustEprLimit);
}

int32_t GetTrpMode() { return g_trpMode; }

double GetTrpTarget() { return g_eprLimit; }

int32_t GetTrpAssumedTemp() { return g_trpAssumedTemp; }

void IncTrpAssumedTemp() {
  const int32_t units = IsMetricUnits();
  int32_t limit = -1;
  if (units == 0) limit = kMaxAssumedTempDegF;
  if (units == 1 || units == 2) limit = kMaxAssumedTempDegC;
  if (g_trpAssumedTemp < limit) ++g_trpAssumedTemp;
}

void DecTrpAssumedTemp() {
  if (g_trpAssumedTemp > 0) --g_trpAssumedTemp;
}

void ClearTrpAssumedTemp() { g_trpAssumedTemp = 0; }

void ConvertTrpAssumedTemp() {
  const double t = g_trpAssumedTemp;
  switch (IsMetricUnits()) {
    case 0:  // degrees F to C
      g_trpAssumedTemp = std::clamp(static_cast<int32_t>(DegFToDegC(t)), 0, kMaxAssumedTempDegC);
      break;
    case 1:
    case 2:  // degrees C to F
      g_trpAssumedTemp = std::clamp(static_cast<int32_t>(DegCToDegF(t)), 0, kMaxAssumedTempDegF);
      break;
    default:
      break;
  }
}

void SetTrpButton(int32_t released) {
  if (released == 0) {
    g_trpFlag = 1;
    SetTrpMode(kTrpNone);
  } else {
    g_trpFlag = 0;
  }
}

int32_t GetTrpFlag() { return g_trpFlag; }

void PressTrpModeButton(int32_t mode) {
  if (mode != kTrpFlexTakeoff) ClearTrpAssumedTemp();
  SetTrpMode(g_trpMode == mode ? kTrpNone : mode);
}

}  // namespace halcyon
