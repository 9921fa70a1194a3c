// Tick channels and time-jump detection. Reads TICK18 and token 604.
#include "core/tick_scheduler.h"

#include <array>

#include "core/panel_services.h"

namespace halcyon {
namespace {

struct ChannelTiming {
  double periodTicks;
  double staggerTicks;
};

constexpr std::array<ChannelTiming, kTickChannelCount> kChannelTimings = {{
    {18, 0},
    {6, 1},
    {3, 2},
    {54, 3},
    {9, 4},
    {36, 5},
    {72, 7},
    {90, 8},
    {180, 9},
    {18, 10},
    {18, 12},
    {1080, 13},
}};

// A clock that went back leaves channel 0 due this far ahead or more.
constexpr double kClockBackThresholdTicks = 50.0;

std::array<double, kTickChannelCount> g_tickNextDue{};
std::array<uint32_t, kTickChannelCount> g_tickDue{};

uint64_t g_tickSchedulerPasses = 0;

double g_lastSimulationClock = 0.0;
uint32_t g_timeJumpFlag = 0;

}  // namespace

void ResetTickScheduler() {
  const double tick = CurrentTick18();
  for (uint32_t channel = 0; channel < kTickChannelCount; ++channel) {
    g_tickNextDue[channel] = tick + kChannelTimings[channel].staggerTicks;
    g_tickDue[channel] = 0;
  }
}

void UpdateTickScheduler() {
  ++g_tickSchedulerPasses;
  const double tick = CurrentTick18();
  if (tick + kClockBackThresholdTicks < g_tickNextDue[kChannel1Hz]) ResetTickScheduler();
  for (uint32_t channel = 0; channel < kTickChannelCount; ++channel) {
    if (g_tickNextDue[channel] < tick) {
      g_tickDue[channel] = 1;
      g_tickNextDue[channel] = tick + kChannelTimings[channel].periodTicks;
    } else {
      g_tickDue[channel] = 0;
    }
  }
}

uint32_t IsTickDue(uint32_t channel) {
  if (g_timeJumpFlag != 0 || channel >= kTickChannelCount) return 0;
  return g_tickDue[channel];
}

uint64_t TickSchedulerPasses() { return g_tickSchedulerPasses; }

void DetectTimeJump() {
  const double clock = ReadToken(Token::SimulationClock);
  g_timeJumpFlag = clock <= g_lastSimulationClock ? 1 : 0;
  g_lastSimulationClock = clock;
}

uint32_t GetTimeJumpFlag() { return g_timeJumpFlag; }

}  // namespace halcyon
