// Engine start and ignition. Only what the fuel and APU models read is here
// so far: the start pump record and the fuel-heat query; the engine start
// step (starter latches, the simulator's starters, fuel-heat cycles, the
// section's load and save) fills in the rest.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// [ENGINE STARTER] "start_pump", default 120; on at 41. A DC pump in the right
// tank that runs on the battery.
extern CSwitch g_startPumpSwitch;

// Engine 1 or 2 in a fuel-heat cycle; 0 for other engines (and until the
// engine start step runs the cycles).
uint32_t IsFuelHeatOn(int32_t engine);

}  // namespace halcyon
