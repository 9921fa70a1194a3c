// [VARIOUS] of the aircraft INI file: public-address and attendant lights,
// anti-skid and its test, yaw damper, maximum-speed warning test, Mach trim
// compensator, engine synchroniser and the GPWS switch; with the Various
// gauge's two test switches and the cockpit voice recorder's test meter.
// Reads TICK18; the alert logic and the warning lamps read the records.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

extern CSwitch g_paLightSwitch;           // "pa_light", 120; saved only
extern CSwitch g_attendantLightSwitch;    // "attendant_light", 120; saved only
extern CSwitch g_antiSkidSwitch;          // "anti_skid", 120; 127 armed
extern CSwitch g_antiSkidTestSwitch;      // "anti_skid_test", 120; 64 testing
extern CSwitch g_yawDampSwitch;           // "yaw_damp", 120; 49 off
extern CSwitch g_maxSpeedWarnTestSwitch;  // "max_speed_warn_test", 120; 65/66 held
extern CSwitch g_machTrimCompSwitch;      // "mach_trim_comp", 43 normal
extern CSwitch g_syncSwitch;              // "sync", 120 off
extern CSwitch g_gpwsSwitch;              // "gpws", 43 normal, 64 test (36 ticks)
// The Various gauge's annunciator test switch: 65/66 while held, 41 on
// release, back to 120 54 ticks later (timed by the warning lights). Not saved.
extern CSwitch g_annunciatorTestSwitch;
// The momentary test switch that the stall tests of the Various gauge turn
// on: 41 for 54 ticks, then 120. Not saved.
extern CSwitch g_variousTestSwitch;

enum VariousPosition : int32_t {
  kGpwsSwitchNormal = 43,
  kMachTrimCompNormal = 43,
  kYawDampOff = 49,
  kGpwsSwitchTest = 64,
  kAntiSkidTesting = 64,
  kTestSwitchHeldLeft = 65,
  kTestSwitchHeldRight = 66,
  kAntiSkidArmed = 127,
};

void LoadVarious();
void SaveVarious();
void LoadVariousSyncGpws();
void SaveVariousSyncGpws();
void UpdateVariousSyncGpws();
void InitVarious();
void UpdateVarious();

// The stall test positions of the Various gauge turn the test switch on.
void SetVariousSwitchOn();
uint32_t IsVariousSwitchOn();

// The cockpit voice recorder's test: the meter walks through 30 readings,
// one every 4 ticks, then rests at its idle reading.
void InitVoiceRecorder();
void StartVoiceRecorderTest();
void UpdateVoiceRecorder();
double GetVoiceRecorderMeter();

}  // namespace halcyon
