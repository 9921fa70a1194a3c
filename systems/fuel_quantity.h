// Fuel quantity and weights: the tank quantities in pounds from the
// simulator's gallons, the payload the crew sets on the FUEL QTY knob (kept in
// [FUEL QUANTITY]), and the zero-fuel and gross weights.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

enum FuelTank : int32_t { kTankLeft = 0, kTankCenter = 1, kTankRight = 2, kTankTotal = 3 };

constexpr double kEmptyWeightLb = 79686.0;  // the aircraft without payload or fuel
constexpr double kMaxPayloadLb = 40000.0;

// The Fuel_Quantity gauge's test button, and the payload knob's display
// timer (the zero-fuel weight stays on show for 54 ticks after a step).
extern CSwitch g_fuelQuantityTestButton;
extern CSwitch g_payloadKnobDisplay;

void LoadFuelQuantity();
void SaveFuelQuantity();

// Pounds: left and right held within 0..9999, centre and total within 0..99999.
double GetFuelQuantityValue(int32_t tank);
double GetPayload();
// Held within 0..40000 lb.
void SetPayload(double pounds);
// The knob's steps; a fast click multiplies them. Held within 0..40000 lb.
void IncPayload100();
void DecPayload100();
void IncPayload25();
void DecPayload25();
double GetPanelZeroFuelWeight();
double GetPanelGrossWeight();
// The digital weight read-outs: truncated, then down to a multiple of 25.
double RoundDownTo25(double pounds);

}  // namespace halcyon
