// Ice protection and signs.
#include "systems/ice_protection.h"

#include <array>

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/engine_air.h"
#include "systems/thrust_rating.h"

namespace halcyon {

CSwitch g_emergencyLightsSwitch{};
CSwitch g_noSmokingSwitch{};
CSwitch g_seatbeltSwitch{};
CSwitch g_pitotMeterSelector{};
CSwitch g_airfoilHeatSwitch{};
CSwitch g_windshieldAntiFog{};
CSwitch g_windshieldAntiIce{};
CSwitch g_engineAntiIceLeft{};
CSwitch g_engineAntiIceRight{};
CSwitch g_airfoilHeatCycle{};

namespace {

constexpr const wchar_t* kSection = L"ICE PROTECTION";
constexpr SwitchKey kKeys[] = {
    {&g_emergencyLightsSwitch, L"emergency_lights", L"120"},
    {&g_noSmokingSwitch, L"no_smoking", L"120"},
    {&g_seatbeltSwitch, L"seatbelt", L"120"},
    {&g_pitotMeterSelector, L"meter_selector", L"1"},
    {&g_airfoilHeatSwitch, L"air_foiL", L"120"},
    {&g_windshieldAntiFog, L"ws_anti_fog", L"120"},
    {&g_windshieldAntiIce, L"ws_anti_ice", L"120"},
    {&g_engineAntiIceLeft, L"engine_left", L"120"},
    {&g_engineAntiIceRight, L"engine_right", L"120"},
};
const SavedControls kSavedControls{kSection, kKeys};

constexpr int32_t kCycleHeating = kSwitchOn;
constexpr int32_t kCycleResting = kSwitchOff;

// In seconds of token 557. Both start at 0, so a switch saved on heats at
// the first second after start-up.
double g_airfoilHeatOnSeconds = 0.0;
double g_airfoilHeatOffSeconds = 0.0;
std::array<uint32_t, kIceProtectionFlagCount> g_flags{};

double SimulatorSeconds() { return ReadToken(Token::SimulatorClockSeconds); }
bool IsAt(const CSwitch& record, int32_t position) { return GetSwitch(&record) == position; }

void RunAirfoilCycle() {
  if (IsAt(g_airfoilHeatSwitch, kSwitchOn) && IsAt(g_airfoilHeatCycle, kCycleResting) &&
      g_airfoilHeatOnSeconds < SimulatorSeconds()) {
    StartAirfoilHeat();
  }
  if (IsAt(g_airfoilHeatCycle, kCycleHeating) && g_airfoilHeatOffSeconds < SimulatorSeconds()) {
    SetSwitch(&g_airfoilHeatCycle, kCycleResting);
    ScheduleAirfoilHeatOn();
  }
}

void ComputeFlags() {
  const bool bleed = IsEngineBleedAirAvailable() != 0;
  g_flags[kEngine1AntiIceActive] = IsEngineRunning(1) != 0 && IsEngineAntiIceOn(1) != 0 ? 1 : 0;
  g_flags[kEngine2AntiIceActive] = IsEngineRunning(2) != 0 && IsEngineAntiIceOn(2) != 0 ? 1 : 0;
  g_flags[kAirfoilHeatResting] = bleed && IsSimVar60Set() == 0 && IsAirfoilHeatSwitchOn() != 0 &&
                                         IsAt(g_airfoilHeatCycle, kCycleResting)
                                     ? 1
                                     : 0;
  g_flags[kAirfoilHeating] = bleed && IsAt(g_airfoilHeatCycle, kCycleHeating) ? 1 : 0;
}

void MatchPitotHeat() {
  const bool wanted = !IsAt(g_pitotMeterSelector, kPitotHeatOffSelector);
  const bool on = ReadToken(Token::PitotHeat) != 0.0;
  if (wanted && !on) TriggerKeyEvent(kKeyEventPitotHeatOn, 0);
  if (!wanted && on) TriggerKeyEvent(kKeyEventPitotHeatOff, 0);
}

}  // namespace

void LoadIceProtection() {
  LoadSwitches(kSection, kKeys);
  RegisterControl(kSection, L"air_foiL", &g_airfoilHeatSwitch, MoveAirfoilHeatSwitch);
  SetSwitch(&g_airfoilHeatCycle, kCycleResting);
  g_flags.fill(0);
}

void SaveIceProtection() { SaveSwitches(kSection, kKeys); }

void UpdateIceProtection() {
  if (IsTickDue(kChannel1HzC) == 0) return;
  RunAirfoilCycle();
  ComputeFlags();
  // Airfoil heat resting in flight without both engines' anti-ice takes the
  // thrust rating back to its first mode.
  if (g_flags[kAirfoilHeatResting] != 0 &&
      (g_flags[kEngine1AntiIceActive] == 0 || g_flags[kEngine2AntiIceActive] == 0)) {
    SetTrpMode(0);
  }
  MatchPitotHeat();
}

void StartAirfoilHeat() {
  SetSwitch(&g_airfoilHeatCycle, kCycleHeating);
  g_airfoilHeatOffSeconds = SimulatorSeconds() + kAirfoilHeatingSeconds;
}

void ScheduleAirfoilHeatOn() { g_airfoilHeatOnSeconds = SimulatorSeconds() + kAirfoilRestingSeconds; }

void MoveAirfoilHeatSwitch(int32_t position) {
  const bool wasOn = IsAt(g_airfoilHeatSwitch, kSwitchOn);
  SetSwitch(&g_airfoilHeatSwitch, position);
  if (!wasOn && IsAt(g_airfoilHeatSwitch, kSwitchOn)) ScheduleAirfoilHeatOn();
}

uint32_t IsAirfoilHeatSwitchOn() { return IsAt(g_airfoilHeatSwitch, kSwitchOn) ? 1 : 0; }

uint32_t IsEngineAntiIceOn(uint32_t engine) {
  if (engine == 1) return IsAt(g_engineAntiIceLeft, kSwitchOn) ? 1 : 0;
  if (engine == 2) return IsAt(g_engineAntiIceRight, kSwitchOn) ? 1 : 0;
  return 0;
}

uint32_t GetIceProtectionFlag(uint32_t n) { return n < kIceProtectionFlagCount ? g_flags[n] : 0; }

}  // namespace halcyon
