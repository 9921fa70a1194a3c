// The "Engine Fire" gauge. A handle lights while its engine burns and blinks
// at 1 Hz, lit steady during the fire test or the lamp test, always with
// panel power; its lit and unlit pictures change after the work of the ticks
// scheduler channel 4 is due, whether or not the panel is drawn. Reads the
// fire protection system (fires, test, bottles) and the lamp test; moves the
// handle, bottle and bell records, the fire test and the fire voices.
#include "gauges/engine_fire.h"

#include <span>

#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "gauges/element_helpers.h"
#include "gauges/gauge_kit.h"
#include "host/voice_queue.h"
#include "systems/annunciator_lamps.h"
#include "systems/electric.h"
#include "systems/fire_protection.h"
#include "systems/lights.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

bool Powered() { return IsPanelPowered() != 0; }

// A handle picture shows its handle's position: 0 middle, 1 toward agent 1,
// 2 toward agent 2; anything else as the middle.
double HandleFrame(const CSwitch& handle) {
  const int32_t position = GetSwitch(&handle);
  return position >= kFireHandleStowed && position <= kFireHandleRotated ? position : kFireHandleStowed;
}

double AgentLow(const CSwitch& bottle) {
  return Lamp(Powered(), IsFireTestPressed() != 0 || GetSwitch(&bottle) == kSwitchOn);
}

constinit ElementChain g_elements({
    StaticImage("face"),
    StaticImage("lit legends"),
    Icon("right handle lit", 140, 8, 3, [](ELEMENT_HEADER*) { return HandleFrame(g_engine2FireHandle); },
         kLit | platform::kImageHidden),
    Icon("right handle", 140, 8, 3, [](ELEMENT_HEADER*) { return HandleFrame(g_engine2FireHandle); }),
    Icon("left handle lit", 5, 8, 3, [](ELEMENT_HEADER*) { return HandleFrame(g_engine1FireHandle); },
         kLit | platform::kImageHidden),
    Icon("left handle", 5, 8, 3, [](ELEMENT_HEADER*) { return HandleFrame(g_engine1FireHandle); }),
    Icon("AGENT 2 LOW", 85, 24, 2, [](ELEMENT_HEADER*) { return AgentLow(g_fireAgent2); }),
    Icon("AGENT 1 LOW", 85, 5, 2, [](ELEMENT_HEADER*) { return AgentLow(g_fireAgent1); }),
    StaticImage("click areas", 34, 7),
});
constexpr uint32_t kLitLegends = 1;
constexpr uint32_t kRightLit = 2;
constexpr uint32_t kRightUnlit = 3;
constexpr uint32_t kLeftLit = 4;
constexpr uint32_t kLeftUnlit = 5;
constexpr uint32_t kClickAreas = 8;

// Each handle's lit picture (engine 1, engine 2) as the last tick channel 4
// was due left it; every placement shows it.
bool g_handleLit[2] = {false, false};

// Burning: the lit picture alternates; tested: lit steady; else unlit.
void StepHandleLight(int32_t engine) {
  bool& lit = g_handleLit[engine - 1];
  if (Powered() && IsEngineOnFire(engine) != 0) {
    lit = !lit;
  } else {
    lit = Powered() && (IsFireTestPressed() != 0 || IsLampTestOn() != 0);
  }
}

void ShowHandle(platform::GAUGEHDR* gauge, int32_t engine, uint32_t lit, uint32_t unlit) {
  ShowElement(gauge, lit, g_handleLit[engine - 1]);
  ShowElement(gauge, unlit, !g_handleLit[engine - 1]);
}

// One click of a handle half: the first move that starts from the handle's
// position, its bottle's discharge and its click; every click then tells
// the simulator.
struct HandleMove {
  int32_t from;
  int32_t to;
  bool sounds;
  CSwitch* bottle;  // discharged by the move, or none
};
constexpr HandleMove kTowardAgent1[] = {
    {kFireHandleStowed, kFireHandlePulled, true, &g_fireAgent1},
    {kFireHandleRotated, kFireHandleStowed, true, nullptr},
    {kFireHandlePulled, kFireHandleStowed, false, nullptr},
};
constexpr HandleMove kTowardAgent2[] = {
    {kFireHandleStowed, kFireHandleRotated, true, &g_fireAgent2},
    {kFireHandlePulled, kFireHandleStowed, true, nullptr},
    {kFireHandleRotated, kFireHandleStowed, false, nullptr},
};

int32_t TurnHandle(CSwitch& handle, std::span<const HandleMove> moves, SoundId sound) {
  const int32_t position = GetSwitch(&handle);
  for (const HandleMove& move : moves) {
    if (move.from != position) continue;
    SetSwitch(&handle, move.to);
    if (move.bottle != nullptr) SetSwitch(move.bottle, kFireAgentDischarging);
    if (move.sounds) PlayClick(sound);
    break;
  }
  return SendKeyControl(kKeyEventFireHandle, 0);
}

}  // namespace

platform::ELEMENT_HEADER* EngineFireElements() { return g_elements.Head(); }

void KeepFireHandleLights() {
  if (IsTickDue(kChannel2Hz) == 0) return;
  StepHandleLight(1);
  StepHandleLight(2);
}

void EngineFireGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowHandle(gauge, 1, kLeftLit, kLeftUnlit);
  ShowHandle(gauge, 2, kRightLit, kRightUnlit);
  ShowElement(gauge, kLitLegends, IsCplPanelLightOn() != 0);
  ShowClickAreas(gauge, kClickAreas);
}

// The left handle clicks with one sound, the right with another.
int32_t EngineFireMouseHandleLeft1(PixelPoint, uint32_t) {
  return TurnHandle(g_engine1FireHandle, kTowardAgent1, kClickRotary2);
}
int32_t EngineFireMouseHandleLeft2(PixelPoint, uint32_t) {
  return TurnHandle(g_engine1FireHandle, kTowardAgent2, kClickRotary2);
}
int32_t EngineFireMouseHandleRight1(PixelPoint, uint32_t) {
  return TurnHandle(g_engine2FireHandle, kTowardAgent1, kClickRotary1);
}
int32_t EngineFireMouseHandleRight2(PixelPoint, uint32_t) {
  return TurnHandle(g_engine2FireHandle, kTowardAgent2, kClickRotary1);
}

// The bell stays silent until no engine burns.
int32_t EngineFireMouseBellOff(PixelPoint, uint32_t) {
  SilenceFireBell();
  PlayClick(kClickButton2);
  return 1;
}

// Held, the test lights the handles, the agent and master lamps and rings
// both fire bells.
int32_t EngineFireMouseTest(PixelPoint, uint32_t mouseFlags) {
  if ((mouseFlags & platform::kMouseLeftSingle) != 0) {
    SetFireTestPressed(1);
    EnqueueVoiceMessage(kVoiceFireLeftEngine);
    EnqueueVoiceMessage(kVoiceFireRightEngine);
    PlayClick(kClickButton1);
  } else if ((mouseFlags & platform::kMouseLeftRelease) != 0) {
    SetFireTestPressed(0);
    PlayClick(kClickButton1);
  }
  return 1;
}

}  // namespace halcyon
