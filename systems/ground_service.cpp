// [GSEP] of HalcyonPro.ini.
#include "systems/ground_service.h"

#include "core/ini_values.h"

namespace halcyon {

CSwitch g_gsepApuSwitch{};
CSwitch g_gsepExternalSwitch{};
CSwitch g_gsepMaintPhone{};

namespace {

constexpr const wchar_t* kSection = L"GSEP";
constexpr SwitchKey kKeys[] = {
    {&g_gsepApuSwitch, L"apu_switch", L"120"},
    {&g_gsepExternalSwitch, L"ext_switch", L"120"},
    {&g_gsepMaintPhone, L"maint_phone", L"120"},
};
const SavedControls kSavedControls{kSection, kKeys};

}  // namespace

void LoadGsep() { LoadSwitches(kSection, kKeys); }
void SaveGsep() { SaveSwitches(kSection, kKeys); }

}  // namespace halcyon
