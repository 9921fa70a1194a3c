// Tick channels and time-jump detection, through the running cockpit: after
// each tick the due flags are those of that tick.
#include <gtest/gtest.h>

#include "core/tick_scheduler.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

// The ticks, among the next `ticks`, on which a channel is due.
std::vector<double> DueTicks(Cockpit& cockpit, uint32_t channel, int ticks) {
  std::vector<double> due;
  for (int i = 0; i < ticks; ++i) {
    cockpit.runTicks(1);
    if (IsTickDue(channel) == 1) due.push_back(cockpit.tick18());
  }
  return due;
}

TEST(TickScheduler, ChannelsStartAfterTheirStaggerAndRepeatEveryPeriodPlusOne) {
  Cockpit cockpit({.initialTick18 = 1000});  // the start-up list resets the schedule at tick 1000
  cockpit.runTicks(1);
  EXPECT_EQ(IsTickDue(kChannel1Hz), 1u);
  EXPECT_EQ(IsTickDue(kChannel3Hz), 0u);
  cockpit.runTicks(1);
  EXPECT_EQ(IsTickDue(kChannel3Hz), 1u);
  EXPECT_EQ(DueTicks(cockpit, kChannel60s, 20), std::vector<double>{1014});
}

TEST(TickScheduler, OncePerSecondChannelIsDueEveryNineteenTicks) {
  Cockpit cockpit({.initialTick18 = 1000});
  EXPECT_EQ(DueTicks(cockpit, kChannel1Hz, 40), (std::vector<double>{1001, 1020, 1039}));
}

TEST(TickScheduler, SixPerSecondChannelIsDueEveryFourTicks) {
  Cockpit cockpit({.initialTick18 = 1000});
  EXPECT_EQ(DueTicks(cockpit, kChannel6Hz, 14), (std::vector<double>{1003, 1007, 1011}));
}

TEST(TickScheduler, AClockThatJumpsBackResetsTheSchedule) {
  Cockpit cockpit({.initialTick18 = 4990});
  cockpit.runTicks(10);
  ASSERT_EQ(cockpit.tick18(), 5000.0);
  cockpit.clockBack(4901).runTicks(1);
  ASSERT_EQ(cockpit.tick18(), 100.0);
  EXPECT_EQ(IsTickDue(kChannel1Hz), 0u);
  cockpit.runTicks(1);
  EXPECT_EQ(IsTickDue(kChannel1Hz), 1u) << "channel 0 is due on the tick after the reset";
}

TEST(TickScheduler, ChannelsAboveElevenAreNeverDue) {
  Cockpit cockpit;
  for (int i = 0; i < 40; ++i) {
    cockpit.runTicks(1);
    EXPECT_EQ(IsTickDue(12), 0u);
    EXPECT_EQ(IsTickDue(0xFFFFFFFFu), 0u);
  }
}

TEST(TickScheduler, AStandingSimulationClockHoldsEveryChannel) {
  Cockpit cockpit({.initialTick18 = 1000});
  cockpit.runTicks(1).freezeClock(true).runTicks(1);
  EXPECT_EQ(GetTimeJumpFlag(), 1u);
  EXPECT_EQ(IsTickDue(kChannel3Hz), 0u) << "channel 1 is due on tick 1002, but held";
  cockpit.freezeClock(false).runTicks(1);
  EXPECT_EQ(GetTimeJumpFlag(), 0u);
  EXPECT_EQ(IsTickDue(kChannel6Hz), 1u) << "due flags take effect again at once";
}

}  // namespace
}  // namespace halcyon::test
