// Engine and APU fire protection: the two engine fire handles and their
// agent-discharge buttons, the fire bell and its silence, the fire test
// button, the fire-detection loop switches of the EFDS panel ([EFDS]), and
// the engine display panel's two reverser indications. Reads the simulator's
// fire and throttle-lever tokens and TICK18; posts the fire bell voices.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

enum FireHandlePosition : int32_t {
  kFireHandleStowed = 0,
  kFireHandlePulled = 1,
  kFireHandleRotated = 2,
};

enum FirePosition : int32_t {
  kFireAgentDischarging = 126,  // pressed; the lamp lights 36 ticks later (41)
  kFireBellSilenced = 41,       // 120: the bell is armed
  kEfdsBothLoops = 97,
  kEfdsLoopA = 98,
  kEfdsLoopB = 99,
};

// Moved only by the Engine Fire gauge; stowed (0) at start-up, never saved.
// The engine levers cut an engine's fuel while its handle is pulled or rotated.
extern CSwitch g_engine1FireHandle;
extern CSwitch g_engine2FireHandle;

// The agent-discharge buttons: 120 idle, 126 pressed, 41 discharged (lamp
// lit). The Engine Fire gauge presses them; not saved.
extern CSwitch g_fireAgent1;
extern CSwitch g_fireAgent2;

// The fire bell: 120 armed, 41 silenced until no engine is on fire.
extern CSwitch g_fireBellSilence;

// [EFDS]: each 97 (both loops), 98 or 99 (one loop).
extern CSwitch g_efdsApuSwitch;
extern CSwitch g_efdsEngineLeftSwitch;
extern CSwitch g_efdsEngineRightSwitch;

// The reverser indication of the engine display panel.
enum EdpIndication : uint32_t {
  kEdpStowed = 0,
  kEdpDeploying = 1,
  kEdpStowing = 2,
  kEdpDeployed = 3,
};

void InitEngineFire();
void UpdateEngineFire();
void LoadEfds();
void SaveEfds();
void InitEdpIndication();
void UpdateEdpIndication();

// Engine 1 or 2 on fire; 0 for any other number.
uint32_t IsEngineOnFire(int32_t engine);
uint32_t IsApuOnFire();
// The BELL OFF button: the bell silenced, and any ring waiting in the voice
// queue taken off it.
void SilenceFireBell();
// The fire test button: 1 pressed, anything else released.
void SetFireTestPressed(int32_t pressed);
uint32_t IsFireTestPressed();
// Engine 2's indication for 2, engine 1's for anything else.
uint32_t GetEdpIndication(uint32_t engine);

}  // namespace halcyon
