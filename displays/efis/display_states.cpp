// Display brightness, readout timers, the DH flash sequencer, the ND scratch
// lists, the weather noise table and [EFIS PFD] of HalcyonPro.ini.
#include "displays/efis/display_states.h"

#include <algorithm>
#include <new>

#include "core/ini_values.h"
#include "core/panel_services.h"
#include "displays/efis/efis_dimmer.h"
#include "nav/nav_records.h"
#include "platform/system.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/radios.h"

namespace halcyon {

CSwitch g_ndHeadingTimer{};
CSwitch g_ndCourseTimer{};
CSwitch g_dhFlashSwitch{};
CNavPoint* g_ndNavaidList = nullptr;
CAirport* g_ndAirportList = nullptr;
CFix* g_ndFixList = nullptr;
uint32_t g_radarNoise[kRadarNoiseSize] = {};
double g_fdThickness = 4.0;

namespace {

constexpr const wchar_t* kPfdSection = L"EFIS PFD";
constexpr double kBrightnessStep = 0.01;
constexpr double kSpeedErrorLimitKt = 10.0;
constexpr double kMachErrorToKt = 200.0;
constexpr uint32_t kStationCodeBadBit = 8;

double g_ndBrightness = 0.0;
double g_pfdBrightness = 0.0;

// One tick of a display's ramp toward its dimmer: a hundredth a tick, dark at
// once without normal power or with the dimmer at zero.
void RampBrightness(double& brightness, double dimmer) {
  if (IsPowerState(kPowerNormal) == 0 || dimmer == 0.0) {
    brightness = 0.0;
  } else if (dimmer > brightness) {
    brightness = std::min(brightness + kBrightnessStep, dimmer);
  } else if (dimmer < brightness) {
    brightness = std::max(brightness - kBrightnessStep, dimmer);
  }
}

template <typename T>
void CreateIfMissing(T*& head) {
  if (head == nullptr) head = new (std::nothrow) T();
}

template <typename T>
void Free(T*& head) {
  delete head;
  head = nullptr;
}

void CreateScratchLists() {
  CreateIfMissing(g_ndNavaidList);
  CreateIfMissing(g_ndAirportList);
  CreateIfMissing(g_ndFixList);
}

void FillNoise() {
  platform::SeedRandom(static_cast<uint32_t>(platform::TickCountMs()));
  for (uint32_t& entry : g_radarNoise) entry = static_cast<uint32_t>(platform::Random()) % kWeatherPatternCount;
}

}  // namespace

void InitNavDisplay() {
  g_ndBrightness = 0.0;
  CreateScratchLists();
  InitTimedSwitch(&g_ndHeadingTimer, kReadoutTicks);
  InitTimedSwitch(&g_ndCourseTimer, kReadoutTicks);
  FillNoise();
}

void UpdateNavDisplay() {
  CreateScratchLists();
  UpdateNdBrightness();
  UpdateTimedSwitch(&g_ndHeadingTimer, kReadoutShown, kReadoutHidden);
  UpdateTimedSwitch(&g_ndCourseTimer, kReadoutShown, kReadoutHidden);
}

void FreeNavDisplay() {
  Free(g_ndNavaidList);
  Free(g_ndAirportList);
  Free(g_ndFixList);
}

double GetNdBrightness() { return g_ndBrightness; }
void UpdateNdBrightness() { RampBrightness(g_ndBrightness, GetEfisDimmer(kDimmerNd)); }

uint32_t ActiveNavHasValidSignal() {
  const Token token = IsNavUnit1Active() == 0 ? Token::Nav1Code : Token::Nav2Code;
  const uint32_t flags = ReadFlagWord(token);
  return flags != 0 && (flags & kStationCodeBadBit) == 0 ? 1 : 0;
}

void LoadEfisPfd() {
  g_pfdBrightness = 0.0;
  SetSwitch(&g_dhFlashSwitch, kDhFlashIdle);
  InitTimedSwitch(&g_dhFlashSwitch, kDhFlashStepTicks);
  g_fdThickness = ReadIniReal(kPfdSection, L"FDThickness", L"4");
}

void UpdateEfisPfd() {
  UpdatePfdBrightness();
  // Each step starts its timer in the tick the previous one ended.
  for (int32_t step = kDhFlashFirst; step < kDhFlashLast; ++step) UpdateTimedSwitch(&g_dhFlashSwitch, step, step + 1);
}

void SaveEfisPfd() { WriteIniReal(kPfdSection, L"FDThickness", L"%f", g_fdThickness); }

double GetPfdBrightness() { return g_pfdBrightness; }
void UpdatePfdBrightness() { RampBrightness(g_pfdBrightness, GetEfisDimmer(kDimmerPfd)); }

double GetSpeedTargetError() {
  const double apIasTargetKt = ReadToken(Token::AutopilotAirspeedKt);
  const double apIasHold = ReadToken(Token::AutopilotAirspeedHold);
  const double iasKt = ReadToken(Token::IndicatedAirspeedKt);
  const double apMachTarget = ReadToken(Token::AutopilotMach);
  const double apMachHold = ReadToken(Token::AutopilotMachHold);
  const double mach = ReadMach();
  double errorKt = 0.0;
  const int32_t pitchMode = GetDfgsPitchMode();
  if (apMachHold != 0.0) {
    errorKt = (apMachTarget - mach) * kMachErrorToKt;
  } else if (apIasHold != 0.0) {
    errorKt = apIasTargetKt - iasKt;
  } else if (pitchMode == kPitchMachOnPitch) {
    errorKt = (GetDfgsMachTarget() - mach) * kMachErrorToKt;
  } else if (pitchMode == kPitchIasOnPitch || pitchMode == kPitchTakeoff) {
    errorKt = GetDfgsIasTarget() - iasKt;
  }
  return std::clamp(errorKt, -kSpeedErrorLimitKt, kSpeedErrorLimitKt);
}

}  // namespace halcyon
