// [HYDRAULIC PUMPS] of HalcyonPro.ini and the two systems' pressures.
#include "systems/hydraulics.h"

#include <cmath>

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"

namespace halcyon {

CSwitch g_hydEngine1Pump{};
CSwitch g_hydEngine2Pump{};
CSwitch g_hydAuxPump{};
CSwitch g_hydTransferPump{};

namespace {

constexpr const wchar_t* kSection = L"HYDRAULIC PUMPS";
constexpr SwitchKey kKeys[] = {
    {&g_hydEngine1Pump, L"engine1", L"95"},
    {&g_hydEngine2Pump, L"engine2", L"95"},
    {&g_hydAuxPump, L"aux", L"120"},
    {&g_hydTransferPump, L"transfer", L"120"},
};
const SavedControls kSavedControls{kSection, kKeys};

double g_pressurePsi[2] = {0.0, 0.0};

// An engine pump's share of the engine's output, psi; a bad or negative
// output from the simulator gives none.
double EngineOutputPsi(Token output) {
  const double psi = ReadScaledToken(output);
  return std::isfinite(psi) && psi > 0.0 ? psi : 0.0;
}

double EnginePumpPsi(const CSwitch* pump, double outputPsi) {
  switch (GetSwitch(pump)) {
    case kHydPumpHigh: return outputPsi;
    case kHydPumpLow: return outputPsi / 2.0;
    default: return 0.0;
  }
}

bool IsOn(const CSwitch* pump) { return GetSwitch(pump) != kSwitchOff; }
bool IsTransferOn() { return GetSwitch(&g_hydTransferPump) == kSwitchOn; }

double System1Target() {
  double target = EnginePumpPsi(&g_hydEngine1Pump, EngineOutputPsi(Token::Engine1HydraulicOutput));
  // System 2 lifts system 1 while either of its pumps is on.
  const bool system2Pumping = IsOn(&g_hydEngine2Pump) || IsOn(&g_hydAuxPump);
  if (IsTransferOn() && system2Pumping && target < g_pressurePsi[1]) target = g_pressurePsi[1];
  return target;
}

double System2Target() {
  const int32_t enginePump = GetSwitch(&g_hydEngine2Pump);
  double target = 0.0;
  if (enginePump == kHydPumpHigh || enginePump == kHydPumpLow) {
    target = EnginePumpPsi(&g_hydEngine2Pump, EngineOutputPsi(Token::Engine2HydraulicOutput));
    if (IsOn(&g_hydAuxPump) && target < kHydAuxPumpPsi) target = kHydAuxPumpPsi;
  } else if (enginePump == kSwitchOff) {
    target = IsOn(&g_hydAuxPump) ? kHydAuxPumpPsi : 0.0;
  }
  // System 1 lifts system 2 only while system 2's engine pump is not off.
  if (IsTransferOn() && enginePump != kSwitchOff && target < g_pressurePsi[0]) target = g_pressurePsi[0];
  return target;
}

void StepToward(double& pressurePsi, double targetPsi) {
  if (pressurePsi < targetPsi - kHydStepPsi) {
    pressurePsi += kHydStepPsi;
  } else if (pressurePsi > targetPsi + kHydStepPsi) {
    pressurePsi -= kHydStepPsi;
  }
}

}  // namespace

void LoadHydraulicPumps() {
  LoadSwitches(kSection, kKeys);
  g_pressurePsi[0] = g_pressurePsi[1] = 0.0;
}

void UpdateHydraulicPumps() {
  if (IsTickDue(kChannel2Hz) == 0) return;
  StepToward(g_pressurePsi[0], System1Target());
  StepToward(g_pressurePsi[1], System2Target());
}

void SaveHydraulicPumps() { SaveSwitches(kSection, kKeys); }

double GetHydraulicPressure(int32_t system) { return system == 1 || system == 2 ? g_pressurePsi[system - 1] : 0.0; }

}  // namespace halcyon
