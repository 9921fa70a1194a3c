// Switch-state records: stored positions and flags, timed and delayed moves,
// and the guard against a clock that went back.
#include <gtest/gtest.h>

#include "core/switch.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

TEST(Switch, PositionsOutOfRangeAreStoredAsOffWithTheFlag) {
  CSwitch record{};
  struct Case {
    int32_t given;
    int32_t stored;
    uint32_t flag;
  };
  for (const Case& c : {Case{139, 120, 1}, Case{-1, 120, 1}, Case{1000, 120, 1}, Case{0, 0, 0}, Case{41, 41, 0},
                        Case{119, 119, 0}, Case{120, 120, 1}, Case{134, 134, 1}, Case{135, 135, 0},
                        Case{138, 138, 0}}) {
    SetSwitch(&record, c.given);
    EXPECT_EQ(GetSwitch(&record), c.stored) << c.given;
    EXPECT_EQ(GetSwitchFlag(&record), c.flag) << c.given;
  }
}

// A spring-loaded control held in 41 for 54 ticks: the count starts on the
// first tick it is seen there, the move comes on the first tick past the deadline.
TEST(Switch, TimedMoveOnTheFirstTickStrictlyAfterTheDeadline) {
  Cockpit cockpit({.initialTick18 = 99});
  CSwitch record{};
  InitTimedSwitch(&record, 54.0);
  SetSwitch(&record, 41);
  cockpit.runTicks(1);  // tick 100
  UpdateTimedSwitch(&record, 41, 120);
  EXPECT_EQ(record.deadline, 154.0);
  for (int tick = 101; tick <= 154; ++tick) {
    cockpit.runTicks(1);
    UpdateTimedSwitch(&record, 41, 120);
    ASSERT_EQ(GetSwitch(&record), 41) << "moved early at tick " << tick;
  }
  cockpit.runTicks(1);  // tick 155
  UpdateTimedSwitch(&record, 41, 120);
  EXPECT_EQ(GetSwitch(&record), 120);
  EXPECT_EQ(GetSwitchFlag(&record), 1u);
}

TEST(Switch, MovingAwayAndBackRestartsTheCount) {
  Cockpit cockpit({.initialTick18 = 99});
  CSwitch record{};
  InitTimedSwitch(&record, 54.0);
  SetSwitch(&record, 41);
  cockpit.runTicks(1);
  UpdateTimedSwitch(&record, 41, 120);  // counting from 100
  cockpit.runTicks(30);
  SetSwitch(&record, 120);
  UpdateTimedSwitch(&record, 41, 120);
  cockpit.runTicks(10);  // tick 140
  SetSwitch(&record, 41);
  UpdateTimedSwitch(&record, 41, 120);
  EXPECT_EQ(record.deadline, 194.0);
  cockpit.runTicks(54);
  UpdateTimedSwitch(&record, 41, 120);
  EXPECT_EQ(GetSwitch(&record), 41);
  cockpit.runTicks(1);
  UpdateTimedSwitch(&record, 41, 120);
  EXPECT_EQ(GetSwitch(&record), 120);
}

TEST(Switch, ADeadlineFarAheadIsPulledBackToThePresent) {
  Cockpit cockpit({.initialTick18 = 4999});
  CSwitch record{};
  InitTimedSwitch(&record, 54.0);
  SetSwitch(&record, 41);
  record.timerRunning = 1;
  record.deadline = 5000.0 + 11001.0;
  CSwitch nearRecord = record;
  nearRecord.deadline = 5000.0 + 11000.0;
  cockpit.runTicks(1);  // tick 5000
  UpdateTimedSwitch(&record, 41, 120);
  UpdateTimedSwitch(&nearRecord, 41, 120);
  EXPECT_EQ(record.deadline, 5000.0);
  EXPECT_EQ(nearRecord.deadline, 16000.0) << "11000 ticks ahead is still a deadline";
  cockpit.runTicks(1);
  UpdateTimedSwitch(&record, 41, 120);
  EXPECT_EQ(GetSwitch(&record), 120);
}

TEST(Switch, DelayedMoveStoresItsTargetAndLeavesTheFlag) {
  Cockpit cockpit({.initialTick18 = 100});
  CSwitch record{};
  SetSwitch(&record, 41);
  StartTickTimerTo(&record, 125, 18.0);  // deadline 118
  cockpit.runTicks(18);
  PollTickTimer(&record);
  EXPECT_EQ(GetSwitch(&record), 41);
  cockpit.runTicks(1);
  PollTickTimer(&record);
  EXPECT_EQ(GetSwitch(&record), 125);
  EXPECT_EQ(GetSwitchFlag(&record), 0u) << "the flag waits for the next SetSwitch";
  EXPECT_EQ(record.timerArmed, 0u);
}

TEST(Switch, DelayedMoveSurvivesAClockThatWentBack) {
  Cockpit cockpit({.initialTick18 = 50000});
  CSwitch record{};
  StartTickTimerTo(&record, 500, 36.0);
  cockpit.clockBack(49000).runTicks(1);
  PollTickTimer(&record);
  cockpit.runTicks(1);
  PollTickTimer(&record);
  EXPECT_EQ(GetSwitch(&record), 120) << "an out-of-range target is stored as off";
}

TEST(Switch, EnginesAndGroundFromTheSimulator) {
  Cockpit cockpit;
  cockpit.set(Token::Engine1Combustion, 1).set(Token::Engine2Combustion, 0).set(Token::OnGround, 1);
  EXPECT_EQ(IsEngineRunning(1), 1u);
  EXPECT_EQ(IsEngineRunning(2), 0u);
  EXPECT_EQ(IsEngineRunning(0), 0u);
  EXPECT_EQ(IsEngineRunning(3), 0u);
  EXPECT_EQ(IsSimVar60Set(), 1u);
}

}  // namespace
}  // namespace halcyon::test
