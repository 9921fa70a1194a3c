// The ground-spoiler automatics.
#include "systems/ground_spoilers.h"

#include "core/panel_services.h"
#include "core/tick_scheduler.h"

namespace halcyon {

uint32_t g_autoSpoilerArmed = 0;

namespace {

// A throttle above this is take-off or go-around thrust: the spoilers stow.
constexpr double kThrustAdvancedLever = 10000.0;

uint32_t g_deployed = 0;
uint32_t g_arming = kSpoilersNotArmed;

struct SpoilerInputs {
  bool armCommand;
  bool handleOut;
  bool onGround;
  double throttle1;
  double throttle2;
};

SpoilerInputs ReadInputs() {
  return {ReadToken(Token::SpoilerArm) != 0.0, ReadToken(Token::SpoilerHandle) != 0.0,
          ReadToken(Token::OnGround) != 0.0, ReadToken(Token::Engine1Throttle), ReadToken(Token::Engine2Throttle)};
}

void Disarm() {
  g_autoSpoilerArmed = 0;
  g_arming = kSpoilersNotArmed;
}

// The crew's arm command toggles the automatics; the simulator's own arm
// state is cleared again and its spoilers stowed, so that only the
// automatics deploy them.
void ToggleArming(const SpoilerInputs& in) {
  if (g_autoSpoilerArmed == 0) {
    g_autoSpoilerArmed = 1;
    g_arming = in.onGround ? kSpoilersArmedOnGround : kSpoilersArmedInFlight;
  } else {
    Disarm();
  }
  g_deployed = 0;
  TriggerKeyEvent(kKeyEventSpoilersArmToggle, 0);
  TriggerKeyEvent(kKeyEventSpoilersOff, 0);
}

void DeployWhenDue(const SpoilerInputs& in) {
  const bool reverse = in.throttle1 < 0.0 || in.throttle2 < 0.0;
  const bool touchdown = g_arming == kSpoilersArmedInFlight && in.onGround;
  const bool reverseOnGround = g_arming == kSpoilersArmedOnGround && in.onGround && reverse;
  if (touchdown || reverseOnGround) {
    g_deployed = 1;
    TriggerKeyEvent(kKeyEventSpoilersOn, 0);
  }
  // The crew pulled the handle by hand: the automatics give way.
  if (in.handleOut) {
    Disarm();
    g_deployed = 1;
  }
}

void StowWhenDue(const SpoilerInputs& in) {
  if (in.handleOut && in.throttle1 <= kThrustAdvancedLever && in.throttle2 <= kThrustAdvancedLever) return;
  Disarm();
  g_deployed = 0;
  TriggerKeyEvent(kKeyEventSpoilersOff, 0);
}

}  // namespace

void InitAutoSpoilers() {
  g_autoSpoilerArmed = 0;
  g_deployed = 0;
  g_arming = kSpoilersNotArmed;
}

void UpdateAutoSpoilers() {
  if (IsTickDue(kChannel2Hz) == 0) return;
  const SpoilerInputs in = ReadInputs();
  if (in.armCommand) {
    ToggleArming(in);
  } else if (g_autoSpoilerArmed == 0) {
    g_deployed = in.handleOut ? 1 : 0;
  } else if (g_deployed == 0) {
    DeployWhenDue(in);
  } else {
    StowWhenDue(in);
  }
}

bool IsGroundSpoilerDeployed() { return g_deployed != 0; }

uint32_t GetSpoilerArmingMode() { return g_arming; }

}  // namespace halcyon
