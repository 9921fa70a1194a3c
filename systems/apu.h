// The APU: a start, run and shut-down state machine with its RPM and EGT. It
// makes the APU generator available to the electrical system and its bleed air
// to the air systems, and every ten seconds brings the simulator's APU and APU
// generator in line. Reads the battery and APU switches, the fuel pumps, bus
// power and the outside temperature. [APU] also holds the aircraft's battery
// switch and the APU fire controls.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

extern CSwitch g_apuFireAgent1Switch;   // "fire_agent_1", default 120
extern CSwitch g_apuFireAgent2Switch;   // "fire_agent_2", default 120
extern CSwitch g_apuAirSwitch;          // "air_switch", default 120: bleed air on when not 120
extern CSwitch g_apuDoorsSwitch;        // "doors_auto", default 120 (gauges only)
extern CSwitch g_apuFireControlSwitch;  // "fire_cont", default 43
extern CSwitch g_apuMasterSwitch;       // "master", default 120
extern CSwitch g_batterySwitch;         // "battery", default 120: on when its flag is clear
extern CSwitch g_emergencyPowerSwitch;  // "emergency_power", 41 or 120 only
extern CSwitch g_emergencyPowerShadow;  // follows it at load, not saved
// 45 while the APU runs, 120 otherwise; read by the electrical system.
extern CSwitch g_apuGeneratorAvailable;

enum ApuPosition : int32_t {
  kApuFireControlNormal = 43,
  kApuGeneratorIsAvailable = 45,
  kApuMasterStart = 47,  // spring-loaded back to run by the gauge
  kApuMasterRun = 48,
};

enum ApuState : int32_t {
  kApuOff = 0,
  kApuStarting = 1,
  kApuRunning = 2,
  kApuShuttingDown = 3,
  kApuRunAtOnce = 4,  // a request only: leads straight to running
};

constexpr uint32_t kKeyEventApuStarter = 66704;
constexpr uint32_t kKeyEventApuOff = 66705;
constexpr uint32_t kKeyEventToggleApuGenerator = 66706;

void LoadApu();
void UpdateApu();
void SaveApu();

// The only way the state changes; requests whose conditions fail are ignored.
void RequestApuState(int32_t state);
// The APU gauge's master switch: moved to start with the fire control normal,
// it also requests the start.
void MoveApuMaster(int32_t position);

int32_t GetApuState();
double GetApuRpm();  // percent
double GetApuEgt();  // degrees C
uint32_t IsBatterySwitchOn();
uint32_t IsApuAirOn();

}  // namespace halcyon
