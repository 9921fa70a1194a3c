// The hydraulic systems 1 and 2: their pressures follow the engines'
// hydraulic pump output as the four pump switches select it (an engine pump
// per system, high or low; an auxiliary electric pump on system 2; a transfer
// pump that lets a pressurised system lift the other). Reads the simulator's
// engine hydraulic outputs; read by the gauges, annunciators and brakes.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// [HYDRAULIC PUMPS] controls.
extern CSwitch g_hydEngine1Pump;   // "engine1", default 95
extern CSwitch g_hydEngine2Pump;   // "engine2", default 95
extern CSwitch g_hydAuxPump;       // "aux", default 120: on at any other position
extern CSwitch g_hydTransferPump;  // "transfer", default 120: on at 41 only

enum HydraulicPumpPosition : int32_t {
  kHydPumpHigh = 94,  // the engine's whole output
  kHydPumpLow = 95,   // half of it
};
constexpr double kHydAuxPumpPsi = 3000.0;
// The pressures move by this each half second, with a dead band as wide.
constexpr double kHydStepPsi = 100.0;

void LoadHydraulicPumps();
void UpdateHydraulicPumps();
void SaveHydraulicPumps();

// System 1 or 2, psi; 0.0 for any other system.
double GetHydraulicPressure(int32_t system);

}  // namespace halcyon
