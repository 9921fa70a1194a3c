// Engine start and ignition: two starter switches, ignition, the start pump
// and fuel heat. A starter switch latches a start request; the simulator's
// starter of that engine is held on only while start air is available, and
// the switch is released once the engine runs. Fuel heat runs in one-minute
// cycles that take bleed air. Reads the on-ground flag, the simulator's
// starters and clock and the start air; toggles the simulator's starters.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// [ENGINE STARTER] controls, all default 120.
// "start_pump": on at 41; a DC pump in the right tank that runs on the battery.
extern CSwitch g_startPumpSwitch;
extern CSwitch g_ignitionSwitch;        // "ignition" (gauges and annunciators)
extern CSwitch g_fuelHeatLeftSwitch;    // "fuel_heat_left": 41 starts a cycle
extern CSwitch g_fuelHeatRightSwitch;   // "fuel_heat_right"
extern CSwitch g_starterLeftSwitch;     // "starter_left", engine 1
extern CSwitch g_starterRightSwitch;    // "starter_right", engine 2

enum StarterPosition : int32_t {
  kStarterFlightStart = 51,  // latches a start in the air; 120 once the engine runs
  kStarterGroundStart = 52,  // latches a start on the ground; 125 once the engine runs
  kStarterReleased = 125,
};

// The simulator's starters: each event toggles one (value 0).
constexpr uint32_t kKeyEventToggleStarter1 = 66300;
constexpr uint32_t kKeyEventToggleStarter2 = 66301;
// Seconds of the simulator clock a fuel-heat cycle lasts.
constexpr double kFuelHeatCycleSeconds = 60.0;

void LoadEngineStarter();
void UpdateEngineStarter();
void SaveEngineStarter();

// Engine 1 or 2 in a fuel-heat cycle; 0 for other engines.
uint32_t IsFuelHeatOn(int32_t engine);
// The starter switch of engine 1 (left) or 2 (right); 120 for other engines.
int32_t GetStarterSwitchPosition(int32_t engine);

}  // namespace halcyon
