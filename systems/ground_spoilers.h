// The ground-spoiler automatics: armed by the simulator's own spoiler-arm
// command, they deploy the spoilers at touchdown (armed in flight) or on
// reverse thrust (armed on the ground), and stow them when the handle is
// stowed or thrust is advanced. Reads the spoiler arm and handle, on-ground
// and the throttles; drives the simulator's spoilers by key events.
#pragma once

#include <cstdint>

namespace halcyon {

constexpr uint32_t kKeyEventSpoilersOn = 66064;
constexpr uint32_t kKeyEventSpoilersOff = 66065;
constexpr uint32_t kKeyEventSpoilersArmToggle = 66067;

enum SpoilerArming : uint32_t {
  kSpoilersNotArmed = 0,
  kSpoilersArmedInFlight = 1,  // deploy at touchdown
  kSpoilersArmedOnGround = 2,  // deploy on reverse thrust
};

// 1 while the automatics are armed (training situations set it).
extern uint32_t g_autoSpoilerArmed;

void InitAutoSpoilers();
// Twice a second on tick channel 4.
void UpdateAutoSpoilers();
// The spoilers stand deployed, by the automatics or by the handle.
bool IsGroundSpoilerDeployed();
uint32_t GetSpoilerArmingMode();

}  // namespace halcyon
