// Cockpit controls whose only state is their position, restored at start-up
// and written back at shut-down: the electronic checklist's page (with its
// item counter), the flight data recorder test switch, the oxygen panel, the
// rudder and aileron trim knobs and the recirculation fan switch. Their
// gauges and the crew aids read and move them; nothing steps them per tick.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

extern CSwitch g_currentChecklistSwitch;  // [CHECKLIST] "current_checklist", default 11
extern CSwitch g_fdrTestSwitch;           // [FDR] "test_switch", default 43; 64 test
extern CSwitch g_oxygenSupplyRegulator;   // [OXYGEN] "supply_regulator_switch", default 1
extern CSwitch g_oxygenMasterSwitch;      // [OXYGEN] "master_switch", default 1
extern CSwitch g_recirculationFanSwitch;  // [RECIRCULATION FAN] "fan_switch", default 0: 120, 41, 44
extern CSwitch g_rudderTrimKnob;          // [RUDDERTRIM] "trim", default 1: frames 1..6
extern CSwitch g_aileronTrimKnob;         // [AILERONTRIM] "trim_knob", default 1: frames 1..6

constexpr int32_t kFdrTestPosition = 64;

void LoadChecklist();
void SaveChecklist();
// The checklist's item on its current page, advanced by the checklist step.
extern int32_t g_checklistItem;
void ResetChecklistItem();
void LoadFdr();
void SaveFdr();
void LoadOxygen();
void SaveOxygen();
void LoadRecirculationFan();
void SaveRecirculationFan();
void LoadRudderTrim();
void SaveRudderTrim();
void LoadAileronTrim();
void SaveAileronTrim();

}  // namespace halcyon
