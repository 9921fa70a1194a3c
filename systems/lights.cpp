// Light switches, panel lighting and the external lights.
#include "systems/lights.h"

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/electric.h"

namespace halcyon {

CSwitch g_circuitBreakerLight{};
CSwitch g_standbyCompassLight{};
CSwitch g_thunderstormLight{};
CSwitch g_floodLight{};
CSwitch g_cplPanelLight{};
CSwitch g_cplDigitalLight{};
CSwitch g_oclPanelLight{};
CSwitch g_rdiSwitchLeft{};
CSwitch g_rdiSwitchRight{};
CSwitch g_sidePanelLight{};
CSwitch g_sideDigitalLight{};
CSwitch g_altStaticSwitch{};
CSwitch g_landingLightSwitch{};
CSwitch g_taxiLightSwitch{};
CSwitch g_groundFloodLight1{};
CSwitch g_groundFloodLight2{};
CSwitch g_posStrobeLightSwitch{};
CSwitch g_landingLightExtension{};

namespace {

constexpr const wchar_t* kCockpitLightsSection = L"COCKPIT LIGHTS";
constexpr SwitchKey kCockpitLightsKeys[] = {
    {&g_circuitBreakerLight, L"circuit_breaker", L"120"},
    {&g_standbyCompassLight, L"standby_compass", L"120"},
    {&g_thunderstormLight, L"thunderstorm", L"120"},
    {&g_floodLight, L"flood", L"120"},
};
const SavedControls kCockpitLightsControls{kCockpitLightsSection, kCockpitLightsKeys};
constexpr const wchar_t* kCplSection = L"CPL";
constexpr SwitchKey kCplKeys[] = {
    {&g_cplPanelLight, L"panel_light", L"120"},
    {&g_cplDigitalLight, L"digital_light", L"120"},
};
const SavedControls kCplControls{kCplSection, kCplKeys};
constexpr const wchar_t* kOclSection = L"OCL";
constexpr SwitchKey kOclKeys[] = {
    {&g_oclPanelLight, L"panel_light", L"120"},
};
const SavedControls kOclControls{kOclSection, kOclKeys};
constexpr const wchar_t* kRdiSection = L"RDI";
constexpr SwitchKey kRdiKeys[] = {
    {&g_rdiSwitchLeft, L"switch_left", L"1"},
    {&g_rdiSwitchRight, L"switch_right", L"1"},
};
const SavedControls kRdiControls{kRdiSection, kRdiKeys};
constexpr const wchar_t* kSideSection = L"SIDE SWITCHES";
constexpr SwitchKey kSideKeys[] = {
    {&g_sidePanelLight, L"paneL", L"120"},
    {&g_sideDigitalLight, L"digitaL", L"120"},
    {&g_altStaticSwitch, L"alt_static", L"43"},
};
const SavedControls kSideControls{kSideSection, kSideKeys};
constexpr const wchar_t* kExternalSection = L"EXTERNAL LIGHTS";
constexpr SwitchKey kExternalKeys[] = {
    {&g_landingLightSwitch, L"landing_lights", L"1"},
    {&g_taxiLightSwitch, L"taxi_lights", L"120"},
    {&g_groundFloodLight1, L"ground_flood_lights_1", L"120"},
    {&g_groundFloodLight2, L"ground_flood_lights_2", L"120"},
    {&g_posStrobeLightSwitch, L"pos_strobe_lights", L"120"},
};
const SavedControls kExternalControls{kExternalSection, kExternalKeys};

constexpr double kGearDown = 16383.0;
constexpr double kGearUp = 0.0;

bool IsTokenOn(Token token) { return ReadToken(token) != 0.0; }
bool IsAt(const CSwitch& record, int32_t position) { return GetSwitch(&record) == position; }
uint32_t LitWithPanelPower(const CSwitch& record) { return IsAt(record, kSwitchOn) && IsPanelPowered() != 0 ? 1 : 0; }

void ToggleLandingLights() { TriggerKeyEvent(kKeyEventToggleLandingLights, 0); }
void ToggleTaxiLights() { TriggerKeyEvent(kKeyEventToggleTaxiLights, 0); }

// The lights follow the switch; with the switch at EXT ON they light only on
// fully extended units.
void MatchLandingLightsToSwitch() {
  const int32_t selected = GetSwitch(&g_landingLightSwitch);
  const bool lit = IsTokenOn(Token::LandingLights);
  if (selected == kLandingLightsRetract || selected == kLandingLightsExtendOff) {
    if (lit) ToggleLandingLights();
    return;
  }
  if (selected != kLandingLightsExtendOn) return;
  const int32_t extension = GetSwitch(&g_landingLightExtension);
  if (extension == kLandingLightsExtended) {
    if (!lit) ToggleLandingLights();
  } else if (lit && (extension == kLandingLightsRetracted || extension == kLandingLightsRetracting ||
                     extension == kLandingLightsExtending)) {
    ToggleLandingLights();
  }
}

// One transit of the units; true on the tick it ends.
bool FinishTransit(int32_t from, int32_t to) {
  if (!IsAt(g_landingLightExtension, from)) return false;
  UpdateTimedSwitch(&g_landingLightExtension, from, to);
  return IsAt(g_landingLightExtension, to);
}

void MoveLandingLightUnits() {
  if (FinishTransit(kLandingLightsExtending, kLandingLightsExtended) &&
      IsAt(g_landingLightSwitch, kLandingLightsExtendOn) && !IsTokenOn(Token::LandingLights)) {
    ToggleLandingLights();
  }
  if (FinishTransit(kLandingLightsRetracting, kLandingLightsRetracted) &&
      IsAt(g_landingLightSwitch, kLandingLightsRetract) && IsTokenOn(Token::LandingLights)) {
    ToggleLandingLights();
  }
}

// The taxi light is on the nose gear: it lights only with the gear down.
void MatchTaxiLightToGear() {
  const double gear = ReadToken(Token::GearHandle);
  const bool lit = IsTokenOn(Token::TaxiLights);
  if (gear == kGearDown && IsAt(g_taxiLightSwitch, kSwitchOn) && !lit) {
    ToggleTaxiLights();
  } else if ((gear == kGearUp || IsAt(g_taxiLightSwitch, kSwitchOff)) && lit) {
    ToggleTaxiLights();
  }
}

void SetStrobes(bool on) {
  if (on != IsTokenOn(Token::StrobeLights)) TriggerKeyEvent(on ? kKeyEventStrobesOn : kKeyEventStrobesOff, 0);
}

}  // namespace

void LoadCockpitLights() { LoadSwitches(kCockpitLightsSection, kCockpitLightsKeys); }
void SaveCockpitLights() { SaveSwitches(kCockpitLightsSection, kCockpitLightsKeys); }
void LoadCpl() { LoadSwitches(kCplSection, kCplKeys); }
void SaveCpl() { SaveSwitches(kCplSection, kCplKeys); }
void LoadOcl() { LoadSwitches(kOclSection, kOclKeys); }
void SaveOcl() { SaveSwitches(kOclSection, kOclKeys); }
void LoadRdi() { LoadSwitches(kRdiSection, kRdiKeys); }
void SaveRdi() { SaveSwitches(kRdiSection, kRdiKeys); }
void LoadSideSwitches() { LoadSwitches(kSideSection, kSideKeys); }
void SaveSideSwitches() { SaveSwitches(kSideSection, kSideKeys); }

void LoadExternalLights() {
  LoadSwitches(kExternalSection, kExternalKeys);
  RegisterControl(kExternalSection, L"landing_lights", &g_landingLightSwitch, MoveLandingLightSwitch);
  const int32_t selected = GetSwitch(&g_landingLightSwitch);
  if (selected == kLandingLightsRetract) SetSwitch(&g_landingLightExtension, kLandingLightsRetracted);
  if (selected == kLandingLightsExtendOff || selected == kLandingLightsExtendOn) {
    SetSwitch(&g_landingLightExtension, kLandingLightsExtended);
  }
  InitTimedSwitch(&g_landingLightExtension, kLandingLightTransitTicks);
}

void SaveExternalLights() { SaveSwitches(kExternalSection, kExternalKeys); }

// Units already travelling the way the switch asks go on with their transit.
void MoveLandingLightSwitch(int32_t position) {
  SetSwitch(&g_landingLightSwitch, position);
  const int32_t selected = GetSwitch(&g_landingLightSwitch);
  const int32_t units = GetSwitch(&g_landingLightExtension);
  if (selected == kLandingLightsRetract && units != kLandingLightsRetracted && units != kLandingLightsRetracting) {
    SetSwitch(&g_landingLightExtension, kLandingLightsRetracting);
  }
  if ((selected == kLandingLightsExtendOff || selected == kLandingLightsExtendOn) &&
      units != kLandingLightsExtended && units != kLandingLightsExtending) {
    SetSwitch(&g_landingLightExtension, kLandingLightsExtending);
  }
}

void UpdateExternalLights() {
  MatchLandingLightsToSwitch();
  MoveLandingLightUnits();
  MatchTaxiLightToGear();
}

void UpdatePosStrobeLights() {
  if (IsTickDue(kChannel1HzC) == 0) return;
  const int32_t selected = GetSwitch(&g_posStrobeLightSwitch);
  if (selected == kPosLightsOnly || selected == kPosAndStrobeLights || selected == kSwitchOff) {
    const bool navWanted = selected != kSwitchOff;
    if (navWanted != IsTokenOn(Token::NavLights)) TriggerKeyEvent(kKeyEventToggleNavLights, 0);
  }
  // Strobes only in flight, and only with the switch at 97.
  if (selected == kPosAndStrobeLights) {
    SetStrobes(IsSimVar60Set() == 0);
  } else if (selected == kPosLightsOnly || selected == kSwitchOff) {
    SetStrobes(false);
  }
  if (IsTokenOn(Token::TaxiLights) && ReadToken(Token::GearHandle) == kGearUp) ToggleTaxiLights();
}

uint32_t IsCplPanelLightOn() { return LitWithPanelPower(g_cplPanelLight); }
uint32_t IsCplPanelLightOn2() { return IsCplPanelLightOn(); }
uint32_t IsCplDigitalLightOn() { return LitWithPanelPower(g_cplDigitalLight); }
uint32_t IsOclPanelLightLit() { return IsSwitchOn(&g_oclPanelLight) && IsPanelPowered() != 0 ? 1 : 0; }
uint32_t IsOclPanelLightOn() { return LitWithPanelPower(g_oclPanelLight); }
uint32_t IsSidePanelLightOn() { return LitWithPanelPower(g_sidePanelLight); }
uint32_t IsSideDigitalLightOn() { return IsAt(g_sideDigitalLight, kSwitchOn) ? 1 : 0; }

}  // namespace halcyon
