// Ice protection and the cabin signs: airfoil heat on its fixed heating and
// resting cycle, engine anti-ice, windshield heat, the pitot-heat meter
// selector that also switches the simulator's pitot heat, and the emergency
// lights, no-smoking and seat-belt switches. Reads the engines, engine bleed
// air, the on-ground token and the simulator's clock (token 557, seconds);
// drives the heat flags, the thrust rating's mode and the pitot heat.
#pragma once

#include <cstdint>

#include "core/panel_services.h"

#include "core/switch.h"

namespace halcyon {

// [ICE PROTECTION], in file order.
extern CSwitch g_emergencyLightsSwitch;  // "emergency_lights", default 120 (not armed)
extern CSwitch g_noSmokingSwitch;        // "no_smoking", default 120
extern CSwitch g_seatbeltSwitch;         // "seatbelt", default 120
extern CSwitch g_pitotMeterSelector;     // "meter_selector", default 1; 2 = pitot heat off
extern CSwitch g_airfoilHeatSwitch;      // "air_foiL", default 120; 41 on
extern CSwitch g_windshieldAntiFog;      // "ws_anti_fog", default 120
extern CSwitch g_windshieldAntiIce;      // "ws_anti_ice", default 120
extern CSwitch g_engineAntiIceLeft;      // "engine_left", default 120; 41 on
extern CSwitch g_engineAntiIceRight;     // "engine_right", default 120; 41 on
// The airfoil heat cycle: 41 heating, 120 resting; not saved.
extern CSwitch g_airfoilHeatCycle;

constexpr int32_t kPitotHeatOffSelector = 2;
// Airfoil heat heats and rests for these many seconds of the simulator's clock.
constexpr double kAirfoilHeatingSeconds = 150.0;
constexpr double kAirfoilRestingSeconds = 900.0;

enum IceProtectionFlag : uint32_t {
  kEngine1AntiIceActive = 0,
  kEngine2AntiIceActive = 1,
  kAirfoilHeatResting = 2,  // selected, in flight, between heating periods
  kAirfoilHeating = 3,
};
constexpr uint32_t kIceProtectionFlagCount = 4;

constexpr uint32_t kKeyEventPitotHeatOn = 66072;
constexpr uint32_t kKeyEventPitotHeatOff = 66073;

void LoadIceProtection();
void SaveIceProtection();
// Once a second.
void UpdateIceProtection();

// Heating now, for 150 s.
void StartAirfoilHeat();
// The next heating 900 s from now.
void ScheduleAirfoilHeatOn();
// The airfoil switch moved as the Ice_Protection gauge moves it: switched on,
// the first heating waits for the next cycle.
void MoveAirfoilHeatSwitch(int32_t position);

uint32_t IsAirfoilHeatSwitchOn();
// Engine 1 or 2; 0 for any other engine.
uint32_t IsEngineAntiIceOn(uint32_t engine);
// Flag 0..3 of IceProtectionFlag; 0 for any other n.
uint32_t GetIceProtectionFlag(uint32_t n);

}  // namespace halcyon
