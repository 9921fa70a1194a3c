// [ENGINE STARTER] of HalcyonPro.ini, the starters and fuel heat.
#include "systems/engine_start.h"

#include <cmath>

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/engine_air.h"

namespace halcyon {

CSwitch g_startPumpSwitch{};
CSwitch g_ignitionSwitch{};
CSwitch g_fuelHeatLeftSwitch{};
CSwitch g_fuelHeatRightSwitch{};
CSwitch g_starterLeftSwitch{};
CSwitch g_starterRightSwitch{};

namespace {

constexpr const wchar_t* kSection = L"ENGINE STARTER";
constexpr SwitchKey kKeys[] = {
    {&g_startPumpSwitch, L"start_pump", L"120"},
    {&g_ignitionSwitch, L"ignition", L"120"},
    {&g_fuelHeatLeftSwitch, L"fuel_heat_left", L"120"},
    {&g_fuelHeatRightSwitch, L"fuel_heat_right", L"120"},
    {&g_starterLeftSwitch, L"starter_left", L"120"},
    {&g_starterRightSwitch, L"starter_right", L"120"},
};
const SavedControls kSavedControls{kSection, kKeys};

struct EngineStarter {
  CSwitch* starterSwitch;
  const CSwitch* fuelHeatSwitch;
  Token simulatorStarter;
  uint32_t toggleEvent;
  uint32_t latched = 0;
  uint32_t fuelHeatOn = 0;
  double fuelHeatEndSeconds = 0.0;
};
EngineStarter g_engines[2] = {
    {&g_starterLeftSwitch, &g_fuelHeatLeftSwitch, Token::Engine1Starter, kKeyEventToggleStarter1},
    {&g_starterRightSwitch, &g_fuelHeatRightSwitch, Token::Engine2Starter, kKeyEventToggleStarter2},
};

bool IsStartPosition(int32_t position) { return position == kStarterGroundStart || position == kStarterFlightStart; }

void Latch(EngineStarter& engine, bool onGround) {
  const int32_t position = GetSwitch(engine.starterSwitch);
  if ((position == kStarterGroundStart && onGround) || (position == kStarterFlightStart && !onGround)) {
    engine.latched = 1;
  }
}

// The simulator's starter on only while a latched start has air.
void DriveSimulatorStarter(EngineStarter& engine, int32_t number, bool starterOn) {
  if (engine.latched == 0) {
    if (starterOn) TriggerKeyEvent(engine.toggleEvent, 0);
    return;
  }
  const bool air = IsStartAirAvailable(number) != 0;
  if (air != starterOn) TriggerKeyEvent(engine.toggleEvent, 0);
  if (!IsStartPosition(GetSwitch(engine.starterSwitch))) engine.latched = 0;
}

// Once the engine runs the switch lets go and the starter goes off. The latch
// clears here too: left set, the next second would engage the starter of the
// running engine again.
void ReleaseOnceRunning(EngineStarter& engine, int32_t number, bool starterOn) {
  if (IsEngineRunning(number) == 0 || !starterOn) return;
  const int32_t position = GetSwitch(engine.starterSwitch);
  if (!IsStartPosition(position)) return;
  SetSwitch(engine.starterSwitch, position == kStarterGroundStart ? int32_t{kStarterReleased} : int32_t{kSwitchOff});
  TriggerKeyEvent(engine.toggleEvent, 0);
  engine.latched = 0;
}

// A cycle lasts its minute however briefly the switch is held, and repeats
// while it stays at 41. A clock set back never keeps a cycle on for longer.
void StepFuelHeat(EngineStarter& engine, double clockSeconds) {
  if (GetSwitch(engine.fuelHeatSwitch) == kSwitchOn && engine.fuelHeatOn == 0) {
    engine.fuelHeatOn = 1;
    engine.fuelHeatEndSeconds = clockSeconds + kFuelHeatCycleSeconds;
  }
  if (engine.fuelHeatEndSeconds > clockSeconds + kFuelHeatCycleSeconds) {
    engine.fuelHeatEndSeconds = clockSeconds + kFuelHeatCycleSeconds;
  }
  if (engine.fuelHeatOn != 0 && clockSeconds > engine.fuelHeatEndSeconds) engine.fuelHeatOn = 0;
}

}  // namespace

void LoadEngineStarter() {
  LoadSwitches(kSection, kKeys);
  for (EngineStarter& engine : g_engines) {
    engine.latched = 0;
    engine.fuelHeatOn = 0;
  }
}

void UpdateEngineStarter() {
  const bool onGround = IsSimVar60Set() != 0;
  bool starterOn[2];
  for (int32_t i = 0; i < 2; ++i) {
    starterOn[i] = ReadToken(g_engines[i].simulatorStarter) != 0.0;
    Latch(g_engines[i], onGround);
  }
  if (IsTickDue(kChannel1HzB) != 0) {
    for (int32_t i = 0; i < 2; ++i) {
      DriveSimulatorStarter(g_engines[i], i + 1, starterOn[i]);
      ReleaseOnceRunning(g_engines[i], i + 1, starterOn[i]);
    }
  }
  const double clockSeconds = ReadToken(Token::SimulatorClockSeconds);
  if (!std::isfinite(clockSeconds)) return;
  for (EngineStarter& engine : g_engines) StepFuelHeat(engine, clockSeconds);
}

void SaveEngineStarter() { SaveSwitches(kSection, kKeys); }

uint32_t IsFuelHeatOn(int32_t engine) { return engine == 1 || engine == 2 ? g_engines[engine - 1].fuelHeatOn : 0; }

int32_t GetStarterSwitchPosition(int32_t engine) {
  return engine == 1 || engine == 2 ? GetSwitch(g_engines[engine - 1].starterSwitch) : kSwitchOff;
}

}  // namespace halcyon
