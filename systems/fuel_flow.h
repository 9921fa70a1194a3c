// Fuel flow and fuel used: a fuel-used counter per engine, in pounds,
// advanced from the drop of the simulator's total fuel weight and shared
// between the engines in proportion to their fuel flows; kept through a
// restart in [FUEL FLOW]. Reads the total fuel weight and the fuel flows.
#pragma once

#include <cstdint>

namespace halcyon {

// The counters wrap at five digits, as the engine display shows them.
constexpr double kFuelUsedWrapLb = 100000.0;

void LoadFuelFlow();
void UpdateFuelFlow();
void SaveFuelFlow();

// Engine 1 or 2: stores the fuel used and the last total fuel weight seen,
// each only when strictly between 0 and 100000 lb, else 0.0. Other engines
// are ignored.
void SetFuelUsed(int32_t engine, double usedLb, double lastTotalLb);
// Engine 1 or 2, pounds; 0.0 for other engines.
double GetFuelUsed(int32_t engine);
// Both counters to zero (the engine display's reset, training, dispatch).
void ResetFuelUsed();

}  // namespace halcyon
