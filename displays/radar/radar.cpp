// [RADAR] of HalcyonPro.ini and the radar's range steps.
#include "displays/radar/radar.h"


#include "core/controls.h"
#include "core/ini_values.h"
#include "displays/efis/efis_mcp.h"

namespace halcyon {

uint32_t g_radarRange = 0;
CSwitch g_radarModeSwitch{};
double g_radarTilt = 0.0;
CSwitch g_radarStabilizerSwitch{};
double g_radarBrightness = 0.6;
double g_radarGain = 1.0;
double g_radarAltRange = 1000.0;

namespace {

constexpr const wchar_t* kSection = L"RADAR";
constexpr SwitchKey kSwitchKeys[] = {
    {&g_radarModeSwitch, L"mode_switch", L"120"},
    {&g_radarStabilizerSwitch, L"stabilizer_switch", L"120"},
};
const SavedControls kSavedControls{kSection, kSwitchKeys};

}  // namespace

void LoadRadar() {
  g_radarRange = ReadIniIndex(kSection, L"range", L"0", kRangeIndexMax);
  LoadSwitch(&g_radarModeSwitch, kSection, L"mode_switch", L"120", kIniSwitchBuffer);
  g_radarTilt = ReadIniRealWithin(kSection, L"tilt_switch", L"0.0", -kRadarTiltMaxSteps, kRadarTiltMaxSteps);
  LoadSwitch(&g_radarStabilizerSwitch, kSection, L"stabilizer_switch", L"120", kIniSwitchBuffer);
  g_radarBrightness = ReadIniRealWithin(kSection, L"brightness", L"0.6", 0.0, 1.0);
  g_radarGain = ReadIniRealWithin(kSection, L"gain", L"1.0", 0.0, kRadarGainMax);
  g_radarAltRange = ReadIniRealWithin(kSection, L"alt_range", L"1000.0", 0.0, kRadarAltRangeMaxFt);
}

void SaveRadar() {
  WriteIniInt(kSection, L"range", static_cast<int32_t>(g_radarRange));
  SaveSwitch(&g_radarModeSwitch, kSection, L"mode_switch");
  WriteIniReal(kSection, L"tilt_switch", L"%f", g_radarTilt);
  SaveSwitch(&g_radarStabilizerSwitch, kSection, L"stabilizer_switch");
  WriteIniReal(kSection, L"brightness", L"%f", g_radarBrightness);
  WriteIniReal(kSection, L"gain", L"%f", g_radarGain);
  WriteIniReal(kSection, L"alt_range", L"%f", g_radarAltRange);
}

double GetRadarBrightness() { return g_radarBrightness; }
uint32_t GetRadarRange() { return g_radarRange; }

void IncrementRadarRange() { g_radarRange = g_radarRange < kRangeIndexMax ? g_radarRange + 1 : kRangeIndexMax; }
void DecrementRadarRange() { g_radarRange = g_radarRange >= 1 && g_radarRange <= kRangeIndexMax ? g_radarRange - 1 : 0; }

}  // namespace halcyon
