// [GEAR] of HalcyonPro.ini: the gear handle follow, the transit and wheels
// lamps, the gear horn and the alternate extension handle.
#include "systems/gear.h"

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "host/voice_queue.h"
#include "systems/levers.h"

namespace halcyon {

CSwitch g_gearHandleLever{};
CSwitch g_alternateGearHandle{};
CSwitch g_gearTransitLamp{};
CSwitch g_gearHornCutoutButton{};
CSwitch g_wheelsLamp{};

namespace {

constexpr const wchar_t* kSection = L"GEAR";
constexpr const wchar_t* kAlternateKey = L"alternate_gear_handle";
constexpr SwitchKey kKeys[] = {{&g_alternateGearHandle, kAlternateKey, L"1"}};
const SavedControls kSavedControls{kSection, kKeys};
// The alternate handle rests only at its three frames; between them it is
// travelling.
const ControlsAtLoad kAlternateFramesAtLoad{[] {
  RefuseControlPositions(kSection, kAlternateKey, [](int32_t frame) -> const char* {
    if (frame == kAlternateGearStowed || frame == kAlternateGearHalfWay || frame == kAlternateGearExtended) return nullptr;
    return "takes only the codes 1 stowed, 18 half-way and 36 pulled";
  });
}};

constexpr int32_t kHornCutoutReleased = 43;

// Move 0 walks the handle up (1..18), move 1 down (18..1).
AnimatedLever g_gearHandleAnimation{&g_gearHandleLever, {{1, 18}, {18, 1}}};
// Runs in the order of moves 14..17.
AnimatedLever g_alternateGearAnimation{&g_alternateGearHandle, {{18, 1}, {36, 18}, {1, 18}, {19, 36}}, 4};

int32_t g_transitState = kGearUpLocked;
uint32_t g_hornSilenced = 0;
uint32_t g_wheelsLampArmed = 0;

// A new transit lights the lamp and drops the move to dark that the last
// lock queued: after a quick reversal that move would darken it mid-travel.
void LightTransitLamp() {
  CancelTickTimer(&g_gearTransitLamp);
  SetSwitch(&g_gearTransitLamp, kSwitchOn);
}

void UpdateTransit() {
  const double left = ReadToken(Token::GearLeftPosition);
  const double right = ReadToken(Token::GearRightPosition);
  switch (g_transitState) {
    case kGearUpLocked:
      if (left != 0.0 && right != 0.0) {
        g_transitState = kGearInTransit;
        LightTransitLamp();
      }
      break;
    case kGearInTransit:
      if (left == 0.0 && right == 0.0) {
        g_transitState = kGearUpLocked;
        StartTickTimerTo(&g_gearTransitLamp, kSwitchOff, kGearTransitHoldTicks);
      } else if (left == kGearExtended && right == kGearExtended) {
        g_transitState = kGearDownLocked;
        StartTickTimerTo(&g_gearTransitLamp, kSwitchOff, kGearTransitHoldTicks);
      }
      break;
    case kGearDownLocked:
      if (left != kGearExtended && right != kGearExtended) {
        g_transitState = kGearInTransit;
        LightTransitLamp();
      }
      break;
    default: break;
  }
  PollTickTimer(&g_gearTransitLamp);
}

// Armed on the ground; lift-off with the gear down starts its wait.
void UpdateWheelsLamp() {
  if (IsTickDue(kChannel1HzB) == 0) return;
  const bool gearDown = ReadToken(Token::GearLeftPosition) != 0.0;
  const bool onGround = ReadToken(Token::OnGround) != 0.0;
  if (g_wheelsLampArmed != 0 && gearDown && !onGround) {
    SetSwitch(&g_wheelsLamp, kWheelsLampWaiting);
    g_wheelsLampArmed = 0;
  } else if (onGround && g_wheelsLampArmed == 0) {
    g_wheelsLampArmed = 1;
    SetSwitch(&g_wheelsLamp, kWheelsLampIdle);
  } else if (!gearDown) {
    SetSwitch(&g_wheelsLamp, kWheelsLampIdle);
  }
  UpdateTimedSwitch(&g_wheelsLamp, kWheelsLampWaiting, kWheelsLampLit);
  UpdateTimedSwitch(&g_wheelsLamp, kWheelsLampLit, kWheelsLampIdle);
}

void UpdateGearHorn() {
  if (IsTickDue(kChannel4s) == 0) return;
  const double airspeedKt = ReadToken(Token::IndicatedAirspeedKt);
  const bool handleDown = ReadToken(Token::GearHandle) == kGearExtended;
  const double throttle1 = ReadToken(Token::Engine1Throttle);
  const double throttle2 = ReadToken(Token::Engine2Throttle);
  const bool flapsSet = ReadToken(Token::FlapHandle) > kGearHornFlapHandleAbove;
  const bool retarded = throttle1 < kGearHornThrottleBelow || throttle2 < kGearHornThrottleBelow;
  if ((airspeedKt <= kGearHornMaxKt && !handleDown && retarded && g_hornSilenced == 0) || (!handleDown && flapsSet)) {
    EnqueueVoiceMessage(kVoiceGearWarning);
  }
  const bool bothAdvanced = throttle1 > kGearHornThrottleBelow && throttle2 > kGearHornThrottleBelow;
  if (airspeedKt > kGearHornMaxKt || handleDown || (bothAdvanced && g_hornSilenced != 0)) {
    g_hornSilenced = 0;
    RemoveVoiceMessage(kVoiceGearWarning);
  }
}

void FollowGearHandle() {
  if (IsAlternateGearExtended() != 0) return;
  const double handle = ReadToken(Token::GearHandle);
  const int32_t frame = GetSwitch(&g_gearHandleLever);
  if (handle == 0.0 && frame == kGearLeverDown) {
    HandleGearHandle(0, 0);
  } else if (handle == kGearExtended && frame == kGearLeverUp) {
    HandleGearHandle(0, 1);
  }
}

// One click on the alternate handle's half toward the position asked: the
// lower half pulls (stowed to half-way, half-way to the end), the upper half
// stows (the end to half-way, half-way to stowed).
void MoveAlternateGear(int32_t position) {
  const int32_t frame = GetSwitch(&g_alternateGearHandle);
  if (position > frame) {
    if (frame == kAlternateGearStowed) HandleAlternateGear(0, kAlternateGearPullMove);
    if (frame == kAlternateGearHalfWay) HandleAlternateGear(0, kAlternateGearExtendMove);
  } else if (position < frame) {
    if (frame == kAlternateGearHalfWay) HandleAlternateGear(0, kAlternateGearStowMove);
    if (frame == kAlternateGearExtended) HandleAlternateGear(0, kAlternateGearHalfBackMove);
  }
}

}  // namespace

void InitGear() {
  g_transitState = ReadToken(Token::GearLeftPosition) == 0.0 ? kGearUpLocked : kGearDownLocked;
  SetSwitch(&g_gearTransitLamp, kSwitchOff);
  SetSwitch(&g_gearHornCutoutButton, kHornCutoutReleased);
  SetSwitch(&g_wheelsLamp, kWheelsLampIdle);
  InitTimedSwitch(&g_wheelsLamp, kWheelsLampTicks);
  g_wheelsLampArmed = 0;
  g_hornSilenced = 0;
  SetSwitch(&g_gearHandleLever, ReadToken(Token::GearHandle) == 0.0 ? kGearLeverUp : kGearLeverDown);
  InitLever(&g_gearHandleAnimation, 1.0);
  RegisterControl(L"Gear Horn", L"silence", nullptr, [](int32_t) { SilenceGearHorn(); });
}

void LoadGear() {
  LoadSwitches(kSection, kKeys);
  RegisterControl(kSection, kAlternateKey, &g_alternateGearHandle, MoveAlternateGear);
  InitLever(&g_alternateGearAnimation, 1.0);
}

void UpdateGear() {
  UpdateTransit();
  UpdateWheelsLamp();
  UpdateGearHorn();
  if (IsAlternateGearExtended() != 0 && ReadToken(Token::GearHandle) == 0.0) TriggerKeyEvent(kKeyEventGearDown, 0);
  FollowGearHandle();
  StepLever(&g_gearHandleAnimation);
}

void UpdateAlternateGear() { StepLever(&g_alternateGearAnimation); }

void SaveGear() { SaveSwitches(kSection, kKeys); }

void HandleGearHandle(int32_t action, int32_t moveCode) { HandleLever(&g_gearHandleAnimation, action, moveCode); }

void HandleAlternateGear(int32_t action, int32_t moveCode) {
  HandleLever(&g_alternateGearAnimation, action, moveCode - kAlternateGearStowMove);
}

uint32_t IsAlternateGearExtended() { return GetSwitch(&g_alternateGearHandle) == kAlternateGearExtended ? 1 : 0; }
void SilenceGearHorn() { g_hornSilenced = 1; }
int32_t GetGearTransitState() { return g_transitState; }
int32_t GetGearWheelsLampPosition() { return GetSwitch(&g_wheelsLamp); }

}  // namespace halcyon
