// Air conditioning: a temperature setting per side (left the cockpit, right
// the cabin) and an indicated temperature that creeps toward it while bleed
// air is available. The crew's valve knob (0.0..6.0, saved) is kept apart from
// the working setting that the automatic mode and the supplies overwrite.
// Reads the outside air temperature, the unit system, the engines and APU air.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// [AIR CONDITION] controls.
extern CSwitch g_cockpitTempSwitch;      // "cockpit_temp", default 1: at 1 the cockpit is held at 22
extern CSwitch g_cabinTempSwitch;        // "cabin_temp", default 1: at 1 the cabin is held at 22
extern CSwitch g_airSupplyLeftSwitch;    // "supply_left", default 120: on when not 120
extern CSwitch g_airSupplyRightSwitch;   // "supply_right", default 120
extern CSwitch g_tempSelectSwitch;       // "temp_select", default 61 (gauges only)
extern CSwitch g_radioRackVenturiSwitch; // "radio_rack_venturi", default 62 (gauges only)

constexpr int32_t kAirconAutoTemp = 1;
constexpr double kAirconAutoTargetTemp = 22.0;
constexpr double kAirconValveMax = 6.0;

void LoadAirCondition();
void UpdateAirCondition();
void SaveAirCondition();

// Side 0 left (cockpit), 1 right (cabin). The knob value is stored only
// within 0.0..6.0; other sides are ignored and read 0.0.
void SetAirconValveTemp(int32_t side, double value);
double GetAirconValveTemp(int32_t side);
void IncAirconValveTemp(int32_t side);
void DecAirconValveTemp(int32_t side);
// The cabin's indicated temperature.
double GetAirconIndicatedTemp();
// The supply switch of side 0 or 1 is not at 120; 0 for other sides.
uint32_t IsAirconSupplyOn(int32_t side);

}  // namespace halcyon
