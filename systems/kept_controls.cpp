// Controls kept across sessions and nothing more.
#include "systems/kept_controls.h"

#include "core/controls.h"
#include "core/ini_values.h"

namespace halcyon {

CSwitch g_currentChecklistSwitch{};
CSwitch g_fdrTestSwitch{};
CSwitch g_oxygenSupplyRegulator{};
CSwitch g_oxygenMasterSwitch{};
CSwitch g_recirculationFanSwitch{};
CSwitch g_rudderTrimKnob{};
CSwitch g_aileronTrimKnob{};
int32_t g_checklistItem = 0;

namespace {

constexpr const wchar_t* kChecklistSection = L"CHECKLIST";
constexpr SwitchKey kChecklistKeys[] = {{&g_currentChecklistSwitch, L"current_checklist", L"11"}};
const SavedControls kChecklistControls{kChecklistSection, kChecklistKeys};
constexpr const wchar_t* kFdrSection = L"FDR";
constexpr SwitchKey kFdrKeys[] = {{&g_fdrTestSwitch, L"test_switch", L"43"}};
const SavedControls kFdrControls{kFdrSection, kFdrKeys};
constexpr const wchar_t* kOxygenSection = L"OXYGEN";
constexpr SwitchKey kOxygenKeys[] = {
    {&g_oxygenSupplyRegulator, L"supply_regulator_switch", L"1"},
    {&g_oxygenMasterSwitch, L"master_switch", L"1"},
};
const SavedControls kOxygenControls{kOxygenSection, kOxygenKeys};
// Position 0, which no click gives: the fan gauge's first click moves it to off.
constexpr const wchar_t* kFanSection = L"RECIRCULATION FAN";
constexpr SwitchKey kFanKeys[] = {{&g_recirculationFanSwitch, L"fan_switch", L"0"}};
const SavedControls kFanControls{kFanSection, kFanKeys};
constexpr const wchar_t* kRudderTrimSection = L"RUDDERTRIM";
constexpr SwitchKey kRudderTrimKeys[] = {{&g_rudderTrimKnob, L"trim", L"1"}};
const SavedControls kRudderTrimControls{kRudderTrimSection, kRudderTrimKeys};
constexpr const wchar_t* kAileronTrimSection = L"AILERONTRIM";
constexpr SwitchKey kAileronTrimKeys[] = {{&g_aileronTrimKnob, L"trim_knob", L"1"}};
const SavedControls kAileronTrimControls{kAileronTrimSection, kAileronTrimKeys};

}  // namespace

void LoadChecklist() { LoadSwitches(kChecklistSection, kChecklistKeys); }
void SaveChecklist() { SaveSwitches(kChecklistSection, kChecklistKeys); }
void ResetChecklistItem() { g_checklistItem = 0; }
void LoadFdr() { LoadSwitches(kFdrSection, kFdrKeys); }
void SaveFdr() { SaveSwitches(kFdrSection, kFdrKeys); }
void LoadOxygen() { LoadSwitches(kOxygenSection, kOxygenKeys); }
void SaveOxygen() { SaveSwitches(kOxygenSection, kOxygenKeys); }
void LoadRecirculationFan() { LoadSwitches(kFanSection, kFanKeys); }
void SaveRecirculationFan() { SaveSwitches(kFanSection, kFanKeys); }
void LoadRudderTrim() { LoadSwitches(kRudderTrimSection, kRudderTrimKeys); }
void SaveRudderTrim() { SaveSwitches(kRudderTrimSection, kRudderTrimKeys); }
void LoadAileronTrim() { LoadSwitches(kAileronTrimSection, kAileronTrimKeys, kIniNumberBuffer); }
void SaveAileronTrim() { SaveSwitches(kAileronTrimSection, kAileronTrimKeys); }

}  // namespace halcyon
