// [EFIS MCP] of HalcyonPro.ini and the EFIS control panel's steps and toggles.
#include "displays/efis/efis_mcp.h"

#include "core/controls.h"
#include "core/ini_values.h"

namespace halcyon {

EfisMcp g_efisMcp{};

namespace {

constexpr const wchar_t* kSection = L"EFIS MCP";

uint32_t* Toggle(uint32_t n) {
  uint32_t* const toggles[kEfisDisplayControlCount] = {&g_efisMcp.declutterNaid, &g_efisMcp.declutterArpt,
                                                       &g_efisMcp.declutterData, &g_efisMcp.declutterWpt};
  return n < kEfisDisplayControlCount ? toggles[n] : nullptr;
}
constexpr const wchar_t* kToggleKeys[kEfisDisplayControlCount] = {L"dc_naid", L"dc_arpt", L"dc_data", L"dc_wpt"};

int32_t ReadKey(const wchar_t* key) { return ReadIniInt(kSection, key, L"0", kIniSwitchBuffer); }

// The training situations and the host set the mode knob, the range knob and
// the ADF switch by value; a value past a knob's stop stands at the stop.
uint32_t KnobStop(int32_t value, uint32_t last) {
  return value < 0 ? 0 : static_cast<uint32_t>(value) > last ? last : static_cast<uint32_t>(value);
}
void MoveMode(int32_t value) { g_efisMcp.mode = KnobStop(value, kEfisModeMax); }
void MoveRange(int32_t value) { g_efisMcp.range = KnobStop(value, kRangeIndexMax); }
void MoveAdf1(int32_t value) { g_efisMcp.adf1 = value != 0 ? 1 : 0; }
int32_t ReadMode() { return static_cast<int32_t>(g_efisMcp.mode); }
int32_t ReadRange() { return static_cast<int32_t>(g_efisMcp.range); }
int32_t ReadAdf1() { return static_cast<int32_t>(g_efisMcp.adf1); }
// The display-control toggles set to on (any non-zero value) or off.
template <uint32_t N>
void MoveToggle(int32_t value) {
  *Toggle(N) = value != 0 ? 1 : 0;
}
template <uint32_t N>
int32_t ReadToggle() {
  return static_cast<int32_t>(*Toggle(N));
}
struct RegisterPanelMovers {
  RegisterPanelMovers() {
    constexpr ControlRange kOnOff{0, 1};
    RegisterControl(kSection, L"mode", nullptr, MoveMode, ReadMode, ControlRange{0, kEfisModeMax});
    RegisterControl(kSection, L"range", nullptr, MoveRange, ReadRange, ControlRange{0, kRangeIndexMax});
    RegisterControl(kSection, L"adf1", nullptr, MoveAdf1, ReadAdf1, kOnOff);
    RegisterControl(kSection, kToggleKeys[kDcNavaids], nullptr, MoveToggle<kDcNavaids>, ReadToggle<kDcNavaids>, kOnOff);
    RegisterControl(kSection, kToggleKeys[kDcAirports], nullptr, MoveToggle<kDcAirports>, ReadToggle<kDcAirports>,
                    kOnOff);
    RegisterControl(kSection, kToggleKeys[kDcData], nullptr, MoveToggle<kDcData>, ReadToggle<kDcData>, kOnOff);
    RegisterControl(kSection, kToggleKeys[kDcWaypoints], nullptr, MoveToggle<kDcWaypoints>, ReadToggle<kDcWaypoints>,
                    kOnOff);
  }
};
const RegisterPanelMovers kPanelMovers;

}  // namespace

void LoadEfisMcp() {
  g_efisMcp.mode = ReadIniIndex(kSection, L"mode", L"0", kEfisModeMax);
  g_efisMcp.adf1 = static_cast<uint32_t>(ReadKey(L"adf1"));
  g_efisMcp.range = ReadIniIndex(kSection, L"range", L"0", kRangeIndexMax);
  for (uint32_t n = 0; n < kEfisDisplayControlCount; ++n) *Toggle(n) = ReadKey(kToggleKeys[n]) == 1 ? 1 : 0;
}

void SaveEfisMcp() {
  WriteIniInt(kSection, L"mode", static_cast<int32_t>(g_efisMcp.mode));
  WriteIniInt(kSection, L"adf1", static_cast<int32_t>(g_efisMcp.adf1));
  WriteIniInt(kSection, L"range", static_cast<int32_t>(g_efisMcp.range));
  for (uint32_t n = 0; n < kEfisDisplayControlCount; ++n) WriteIniInt(kSection, kToggleKeys[n], *Toggle(n) != 0 ? 1 : 0);
}

uint32_t GetEfisMode() { return g_efisMcp.mode; }
uint32_t GetEfisAdf1() { return g_efisMcp.adf1; }
uint32_t GetEfisRange() { return g_efisMcp.range; }

uint32_t GetEfisDisplayControl(uint32_t n) {
  const uint32_t* toggle = Toggle(n);
  return toggle != nullptr ? *toggle : 0;
}

void IncrementEfisMode() {
  if (g_efisMcp.mode < kEfisModeMax) ++g_efisMcp.mode;
}
void DecrementEfisMode() {
  if (g_efisMcp.mode >= 1 && g_efisMcp.mode <= kEfisModeMax) --g_efisMcp.mode;
}
void IncrementEfisRange() {
  if (g_efisMcp.range < kRangeIndexMax) ++g_efisMcp.range;
}
void DecrementEfisRange() {
  if (g_efisMcp.range >= 1 && g_efisMcp.range <= kRangeIndexMax) --g_efisMcp.range;
}
void ToggleEfisAdf1() { g_efisMcp.adf1 = g_efisMcp.adf1 != 0 ? 0 : 1; }

void ToggleEfisDisplayControl(uint32_t n) {
  uint32_t* toggle = Toggle(n);
  if (toggle != nullptr) *toggle = *toggle != 0 ? 0 : 1;
}

}  // namespace halcyon
