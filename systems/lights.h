// Cockpit lighting: the panel and digit lighting of the centre pedestal, the
// overhead and the side consoles, the cockpit area lights, the RDI selectors,
// and the external lights, which are kept in step with the simulator's own
// light states by toggle events. Reads panel power, the gear and the on-ground
// token; drives the simulator's landing, taxi, navigation and strobe lights.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// [COCKPIT LIGHTS], default 120.
extern CSwitch g_circuitBreakerLight;   // "circuit_breaker"
extern CSwitch g_standbyCompassLight;   // "standby_compass"
extern CSwitch g_thunderstormLight;     // "thunderstorm"
extern CSwitch g_floodLight;            // "flood"
// [CPL] and [OCL], default 120: 41 on, other positions dim.
extern CSwitch g_cplPanelLight;         // "panel_light"
extern CSwitch g_cplDigitalLight;       // "digital_light"
extern CSwitch g_oclPanelLight;         // "panel_light"
// [RDI], default 1.
extern CSwitch g_rdiSwitchLeft;         // "switch_left"
extern CSwitch g_rdiSwitchRight;        // "switch_right"
// [SIDE SWITCHES].
extern CSwitch g_sidePanelLight;        // "paneL", default 120
extern CSwitch g_sideDigitalLight;      // "digitaL", default 120
extern CSwitch g_altStaticSwitch;       // "alt_static", default 43
// [EXTERNAL LIGHTS].
extern CSwitch g_landingLightSwitch;    // "landing_lights", default 1
extern CSwitch g_taxiLightSwitch;       // "taxi_lights", default 120
extern CSwitch g_groundFloodLight1;     // "ground_flood_lights_1", default 120
extern CSwitch g_groundFloodLight2;     // "ground_flood_lights_2", default 120
extern CSwitch g_posStrobeLightSwitch;  // "pos_strobe_lights", default 120
// The landing-light units' extension, moved by the External Lights gauge; not saved.
extern CSwitch g_landingLightExtension;

enum LandingLightSwitch : int32_t {
  kLandingLightsRetract = 1,
  kLandingLightsExtendOff = 2,
  kLandingLightsExtendOn = 3,
};
enum LandingLightExtension : int32_t {
  kLandingLightsRetracted = 72,
  kLandingLightsExtended = 73,
  kLandingLightsRetracting = 118,
  kLandingLightsExtending = 119,
};
constexpr double kLandingLightTransitTicks = 126.0;
enum PosStrobeSwitch : int32_t {
  kPosLightsOnly = 96,
  kPosAndStrobeLights = 97,
};

constexpr uint32_t kKeyEventToggleLandingLights = 65751;
constexpr uint32_t kKeyEventToggleTaxiLights = 66240;
constexpr uint32_t kKeyEventToggleNavLights = 66379;
constexpr uint32_t kKeyEventStrobesOn = 66052;
constexpr uint32_t kKeyEventStrobesOff = 66053;

void LoadCockpitLights();
void SaveCockpitLights();
void LoadCpl();
void SaveCpl();
void LoadOcl();
void SaveOcl();
void LoadRdi();
void SaveRdi();
void LoadSideSwitches();
void SaveSideSwitches();
void LoadExternalLights();
void SaveExternalLights();
// Every tick: landing lights by the switch and the extension, taxi light by the gear.
void UpdateExternalLights();
// Once a second: navigation and strobe lights by the position switch.
void UpdatePosStrobeLights();

// The landing-light switch moved as its gauge moves it: the units extend for
// 2 and 3 and retract for 1, unless they already stand there.
void MoveLandingLightSwitch(int32_t position);

// Lighting queries of the gauges' lit images: 1 while the lights are on.
uint32_t IsCplPanelLightOn();
uint32_t IsCplPanelLightOn2();
uint32_t IsCplDigitalLightOn();
// Any position but off (a dimmer setting too).
uint32_t IsOclPanelLightLit();
uint32_t IsOclPanelLightOn();
uint32_t IsSidePanelLightOn();
// The side digits have their own supply: no panel-power test.
uint32_t IsSideDigitalLightOn();

}  // namespace halcyon
