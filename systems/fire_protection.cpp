// Engine fire handles, agents, bell and test; [EFDS]; the reverser indications.
#include "systems/fire_protection.h"

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "host/voice_queue.h"

namespace halcyon {

CSwitch g_engine1FireHandle{};
CSwitch g_engine2FireHandle{};
CSwitch g_fireAgent1{};
CSwitch g_fireAgent2{};
CSwitch g_fireBellSilence{};
CSwitch g_efdsApuSwitch{};
CSwitch g_efdsEngineLeftSwitch{};
CSwitch g_efdsEngineRightSwitch{};

namespace {

constexpr double kAgentDischargeTicks = 36.0;
constexpr double kReverserTransitTicks = 36.0;  // 2 s each way
// Out of the reverse range once the lever variable is above this.
constexpr double kReverserStowLever = -1000.0;

constexpr const wchar_t* kEfdsSection = L"EFDS";
constexpr SwitchKey kEfdsKeys[] = {
    {&g_efdsApuSwitch, L"apu_switch", L"97"},
    {&g_efdsEngineLeftSwitch, L"engine_switch_left", L"97"},
    {&g_efdsEngineRightSwitch, L"engine_switch_right", L"97"},
};
const SavedControls kSavedControls{kEfdsSection, kEfdsKeys};

uint32_t g_fireTestPressed = 0;

struct ReverserIndication {
  Token lever;  // each engine's own thrust lever
  uint32_t state;
  double deadlineTick;
};
ReverserIndication g_reversers[] = {
    {Token::Engine1Throttle, kEdpStowed, 0.0},
    {Token::Engine2Throttle, kEdpStowed, 0.0},
};

void StepReverser(ReverserIndication& reverser) {
  const double tick = CurrentTick18();
  const double lever = ReadToken(reverser.lever);
  switch (reverser.state) {
    case kEdpStowed:
      if (lever < 0.0) {
        reverser.deadlineTick = tick + kReverserTransitTicks;
        reverser.state = kEdpDeploying;
      }
      break;
    case kEdpDeploying:
      if (tick > reverser.deadlineTick) reverser.state = kEdpDeployed;
      break;
    case kEdpDeployed:
      if (lever > kReverserStowLever) {
        reverser.deadlineTick = tick + kReverserTransitTicks;
        reverser.state = kEdpStowing;
      }
      break;
    case kEdpStowing:
      if (tick > reverser.deadlineTick) reverser.state = kEdpStowed;
      break;
    default:
      break;
  }
}

void PressFireTest(int32_t position) { SetFireTestPressed(position == kSwitchOn ? 1 : 0); }

// The Engine Fire gauge's controls, which the host and the tests move by
// name until the gauge is drawn (the test button is held at 41, released at
// 120; BELL OFF is pressed at 41).
void RegisterEngineFireControls() {
  constexpr const wchar_t* kGauge = L"Engine Fire";
  RegisterControl(kGauge, L"handle_left", &g_engine1FireHandle);
  RegisterControl(kGauge, L"handle_right", &g_engine2FireHandle);
  RegisterControl(kGauge, L"agent_left", &g_fireAgent1);
  RegisterControl(kGauge, L"agent_right", &g_fireAgent2);
  RegisterControl(kGauge, L"bell_off", &g_fireBellSilence, [](int32_t position) {
    if (position == kFireBellSilenced) SilenceFireBell();
  });
  RegisterControl(kGauge, L"test", nullptr, PressFireTest);
}

}  // namespace

void InitEngineFire() {
  SetSwitch(&g_engine1FireHandle, kFireHandleStowed);
  SetSwitch(&g_engine2FireHandle, kFireHandleStowed);
  SetSwitch(InitTimedSwitch(&g_fireAgent1, kAgentDischargeTicks), kSwitchOff);
  SetSwitch(InitTimedSwitch(&g_fireAgent2, kAgentDischargeTicks), kSwitchOff);
  SetSwitch(&g_fireBellSilence, kSwitchOff);
  g_fireTestPressed = 0;
  RegisterEngineFireControls();
}

// The bell rides on the voice queue, which takes an id only once: it sounds
// again each time the last ring has played out, as long as the fire burns
// and nobody silenced it.
void UpdateEngineFire() {
  const bool bellArmed = GetSwitch(&g_fireBellSilence) == kSwitchOff;
  if (IsEngineOnFire(1) != 0 && bellArmed) EnqueueVoiceMessage(kVoiceFireLeftEngine);
  if (IsEngineOnFire(2) != 0 && bellArmed) EnqueueVoiceMessage(kVoiceFireRightEngine);
  if (IsEngineOnFire(1) == 0 && IsEngineOnFire(2) == 0 && GetSwitch(&g_fireBellSilence) == kFireBellSilenced) {
    SetSwitch(&g_fireBellSilence, kSwitchOff);
  }
  UpdateTimedSwitch(&g_fireAgent1, kFireAgentDischarging, kSwitchOn);
  UpdateTimedSwitch(&g_fireAgent2, kFireAgentDischarging, kSwitchOn);
}

void SilenceFireBell() {
  SetSwitch(&g_fireBellSilence, kFireBellSilenced);
  RemoveVoiceMessage(kVoiceFireLeftEngine);
  RemoveVoiceMessage(kVoiceFireRightEngine);
}

void LoadEfds() { LoadSwitches(kEfdsSection, kEfdsKeys); }
void SaveEfds() { SaveSwitches(kEfdsSection, kEfdsKeys); }

void InitEdpIndication() {
  for (ReverserIndication& reverser : g_reversers) reverser.state = kEdpStowed;
}

void UpdateEdpIndication() {
  for (ReverserIndication& reverser : g_reversers) StepReverser(reverser);
}

uint32_t IsEngineOnFire(int32_t engine) {
  switch (engine) {
    case 1: return ReadToken(Token::Engine1Fire) != 0.0 ? 1 : 0;
    case 2: return ReadToken(Token::Engine2Fire) != 0.0 ? 1 : 0;
    default: return 0;
  }
}

uint32_t IsApuOnFire() { return ReadToken(Token::ApuFire) != 0.0 ? 1 : 0; }

void SetFireTestPressed(int32_t pressed) { g_fireTestPressed = pressed == 1 ? 1 : 0; }
uint32_t IsFireTestPressed() { return g_fireTestPressed; }

uint32_t GetEdpIndication(uint32_t engine) { return g_reversers[engine == 2 ? 1 : 0].state; }

}  // namespace halcyon
