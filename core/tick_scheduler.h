// The tick scheduler: twelve channels that fall due once every period + 1
// TICK18 ticks, staggered so that channels of equal period do not share a
// tick, and the time-jump detector that holds every channel off while the
// simulator's clock token 604 stops growing (pause, reset, reloaded flight).
#pragma once

#include <cstdint>

namespace halcyon {

enum TickChannel : uint32_t {
  kChannel1Hz = 0,       // period 18
  kChannel3Hz = 1,       // period 6
  kChannel6Hz = 2,       // period 3
  kChannel3s = 3,        // period 54
  kChannel2Hz = 4,       // period 9
  kChannel2s = 5,        // period 36
  kChannel4s = 6,        // period 72
  kChannel5s = 7,        // period 90
  kChannel10s = 8,       // period 180
  kChannel1HzB = 9,      // period 18
  kChannel1HzC = 10,     // period 18
  kChannel60s = 11,      // period 1080
};
constexpr uint32_t kTickChannelCount = 12;

void ResetTickScheduler();
void UpdateTickScheduler();
uint32_t IsTickDue(uint32_t channel);
// How many ticks the channels were worked out for. The simulator may draw
// several frames in one tick; a gauge that draws once per due tick keeps
// the count it last drew at and draws again only when it has moved on.
uint64_t TickSchedulerPasses();

void DetectTimeJump();
uint32_t GetTimeJumpFlag();

}  // namespace halcyon
