// The fuel boost pumps and the DC start pump: which pumps run on which bus,
// from which tank each engine draws (turned into the simulator's per-engine
// tank selectors), and the fuel temperature with fuel heat. Reads the pump
// switches, bus power, the battery, the tank quantities, the FUEL XFEED lever
// and fuel heat; drives the simulator's tank selectors.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// Pump numbers, as the APU's fuel test and the annunciators count them.
enum FuelPump : int32_t {
  kPumpFwdLeft = 0,
  kPumpFwdCenter = 1,
  kPumpFwdRight = 2,
  kPumpAftLeft = 3,
  kPumpAftCenter = 4,
  kPumpAftRight = 5,
  kStartPump = 6,  // [ENGINE STARTER] "start_pump", on the battery
};
constexpr int32_t kBoostPumpCount = 6;

// [FUEL PUMPS] switches by pump number 0..5, default 120, on at 41.
extern CSwitch g_fuelPumpSwitches[kBoostPumpCount];

// The simulator's tank selectors: 1 all, 2 left, 3 right, 6 centre.
enum TankSelector : int32_t {
  kSelectAll = 1,
  kSelectLeft = 2,
  kSelectRight = 3,
  kSelectCenter = 6,
};
// Engine 1 selector events are this base + selector, engine 2's their own base
// + selector; each is followed by the single-tank or the all-tanks event.
constexpr uint32_t kKeyEventEngine1SelectorBase = 65955;
constexpr uint32_t kKeyEventEngine2SelectorBase = 66516;
constexpr uint32_t kKeyEventSingleTankSelected = 65887;
constexpr uint32_t kKeyEventAllTanksSelected = 66595;

void LoadFuelPumps();
void UpdateFuelPumps();
void SaveFuelPumps();

// Pump 0..6 runs: its switch at 41 and its bus (or the battery) powered.
uint32_t IsFuelPumpRunning(int32_t pump);
// Engine 1 or 2: in degrees F, or degrees C when metric; 0.0 for others.
double GetFuelTemperature(int32_t engine);

}  // namespace halcyon
