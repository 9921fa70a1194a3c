// [PNEUMATIC X-FEED] of HalcyonPro.ini and the pneumatic duct pressure.
#include "systems/pneumatics.h"

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/tick_scheduler.h"
#include "systems/air_condition.h"
#include "systems/apu.h"
#include "systems/engine_start.h"
#include "systems/ice_protection.h"
#include "systems/levers.h"

namespace halcyon {

CSwitch g_pneumaticXFeedLeft{};
CSwitch g_pneumaticXFeedRight{};

namespace {

constexpr const wchar_t* kSection = L"PNEUMATIC X-FEED";
constexpr SwitchKey kKeys[] = {
    {&g_pneumaticXFeedLeft, L"left", L"10"},
    {&g_pneumaticXFeedRight, L"right", L"10"},
};
const SavedControls kSavedControls{kSection, kKeys};

// Target 0 runs a lever to the air-passing frame 1, target 1 back to 10.
AnimatedLever g_xFeedLeft{&g_pneumaticXFeedLeft, {{10, 1}, {1, 10}}};
AnimatedLever g_xFeedRight{&g_pneumaticXFeedRight, {{10, 1}, {1, 10}}};

// Duct pressure by source, psi: both engines, engine 1 or engine 2 through
// their own cross-feeds, or the APU bleed.
constexpr double kBothEnginesPsi = 41.0;
constexpr double kEngine1Psi = 39.0;
constexpr double kEngine2Psi = 38.0;
constexpr double kApuPsi = 36.0;
// What the users take, psi.
constexpr double kAirfoilAntiIcePsi = 4.0;
constexpr double kAirSupplyPsi = 2.0;
constexpr double kEngineAntiIcePsi = 3.0;
constexpr double kFuelHeatPsi = 2.0;
constexpr double kGroundStartPsi = 6.0;

double g_ductPressurePsi = 0.0;

bool PassesAir(const CSwitch* lever) { return GetSwitch(lever) == kXFeedLeverPassesAir; }
bool Runs(int32_t engine) { return IsEngineRunning(engine) != 0; }

double SourcePsi() {
  const bool left = Runs(1) && PassesAir(&g_pneumaticXFeedLeft);
  const bool right = Runs(2) && PassesAir(&g_pneumaticXFeedRight);
  if (left && right) return kBothEnginesPsi;
  if (left) return kEngine1Psi;
  if (right) return kEngine2Psi;
  return IsApuAirOn() != 0 ? kApuPsi : 0.0;
}

double UsersPsi() {
  double psi = IsAirfoilHeatSwitchOn() != 0 ? kAirfoilAntiIcePsi : 0.0;
  for (int32_t engine = 1; engine <= 2; ++engine) {
    // The air-conditioning supplies take air only from a running engine's side.
    if (Runs(engine) && IsAirconSupplyOn(engine - 1) != 0) psi += kAirSupplyPsi;
    if (Runs(engine) && IsEngineAntiIceOn(static_cast<uint32_t>(engine)) != 0) psi += kEngineAntiIcePsi;
    if (Runs(engine) && IsFuelHeatOn(engine) != 0) psi += kFuelHeatPsi;
    if (GetStarterSwitchPosition(engine) == kStarterGroundStart) psi += kGroundStartPsi;
  }
  return psi;
}

}  // namespace

void LoadPneumaticXFeed() {
  LoadSwitches(kSection, kKeys);
  RegisterControl(kSection, L"left", &g_pneumaticXFeedLeft, [](int32_t position) { MoveLeverTo(&g_xFeedLeft, position); });
  RegisterControl(kSection, L"right", &g_pneumaticXFeedRight,
                  [](int32_t position) { MoveLeverTo(&g_xFeedRight, position); });
  KeepLeverOnItsFrames(&g_xFeedLeft, kXFeedLeverDefault);
  KeepLeverOnItsFrames(&g_xFeedRight, kXFeedLeverDefault);
  InitLever(&g_xFeedLeft, 1.0);
  InitLever(&g_xFeedRight, 1.0);
}

void UpdatePneumaticXFeed() {
  StepLever(&g_xFeedLeft);
  StepLever(&g_xFeedRight);
}

void SavePneumaticXFeed() { SaveSwitches(kSection, kKeys); }

void HandleXFeedLeverLeft(int32_t action, int32_t target) { HandleLever(&g_xFeedLeft, action, target); }
void HandleXFeedLeverRight(int32_t action, int32_t target) { HandleLever(&g_xFeedRight, action, target); }

void UpdatePneumaticPressure() {
  if (IsTickDue(kChannel1HzC) == 0) return;
  const double psi = SourcePsi() - UsersPsi();
  g_ductPressurePsi = psi < 0.0 ? 0.0 : psi;
}

double GetPneumaticPressure() { return g_ductPressurePsi; }

}  // namespace halcyon
