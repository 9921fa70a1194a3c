// Pushback and ground crew: both call sequences with their waits, the
// pushback event's two values 1368 ticks apart, the farewell 54 ticks after
// the first sequence, a restart, and the host's tug moving the aircraft back.
#include <gtest/gtest.h>

#include <vector>

#include "core/panel_services.h"
#include "simhost/ground_handling.h"
#include "systems/ground_crew.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

std::vector<int> Slots(const std::vector<PlayedSound>& played) {
  std::vector<int> slots;
  for (const PlayedSound& sound : played) slots.push_back(sound.slot);
  return slots;
}

double Tick(const Cockpit& cockpit, int slot) {
  const std::vector<PlayedSound> played = cockpit.played(slot);
  return played.empty() ? -1.0 : played[0].tick18;
}

Cockpit& WithCalls(Cockpit& cockpit) {
  return cockpit.addSounds({185, 186, 187, 188, 189, 190, 191, 192, 193, 194, 195, 196}, 100);
}

TEST(GroundCrew, BothSequencesWithTheirWaitsAndThePushback) {
  Cockpit cockpit({.start = false});
  WithCalls(cockpit).set(Token::ParkingBrake, 1).set(Token::HeadingDeg, 90).setPosition(47.0, 8.0).start();
  cockpit.runTicks(2);
  const double start = cockpit.tick18();
  cockpit.control("Pushback", "both", 1);
  EXPECT_TRUE(IsGroundCrewSequenceStarted());
  cockpit.runSeconds(20);
  EXPECT_EQ(Slots(cockpit.played()), (std::vector<int>{185, 186, 187, 188})) << "waiting for the brake";
  EXPECT_EQ(Tick(cockpit, 185), start + 1);
  EXPECT_EQ(Tick(cockpit, 186) - Tick(cockpit, 185), 37.0) << "strictly after 36 ticks";
  EXPECT_EQ(Tick(cockpit, 187) - Tick(cockpit, 186), 40.0);
  EXPECT_EQ(Tick(cockpit, 188) - Tick(cockpit, 187), 37.0);
  EXPECT_EQ(GetGroundComStep(1), 5);

  cockpit.set(Token::ParkingBrake, 0).runTicks(1);
  const double released = cockpit.tick18();
  EXPECT_EQ(Tick(cockpit, 189), released);
  cockpit.runTicks(33);
  EXPECT_EQ(Tick(cockpit, 190), released + 33);
  const auto pushes = cockpit.keyEvents(kKeyEventPushback);
  ASSERT_EQ(pushes.size(), 1u);
  EXPECT_EQ(pushes[0].value, 1u);
  EXPECT_EQ(pushes[0].tick18, released + 33);

  // The host's tug: backwards at 2 kt against the heading (east): west.
  const double longitude = cockpit.longitudeDegEast();
  cockpit.runSeconds(10);
  EXPECT_EQ(cockpit.token(Token::GroundSpeedMps), simhost::kPushbackSpeedMps);
  EXPECT_LT(cockpit.longitudeDegEast(), longitude);
  EXPECT_NEAR(cockpit.latitudeDeg(), 47.0, 1e-9);

  cockpit.runUntil([&] { return cockpit.keyEvents(kKeyEventPushback).size() == 2; }, 80);
  const auto both = cockpit.keyEvents(kKeyEventPushback);
  ASSERT_EQ(both.size(), 2u);
  EXPECT_EQ(both[1].value, 0u);
  EXPECT_EQ(both[1].tick18 - both[0].tick18, kPushbackTicks + 1);
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.token(Token::GroundSpeedMps), 0.0) << "the tug stopped";
  cockpit.runSeconds(10);
  EXPECT_EQ(Tick(cockpit, 191), both[1].tick18 + 71);
  EXPECT_EQ(Tick(cockpit, 192), -1.0) << "waiting for the brake";

  cockpit.set(Token::ParkingBrake, 1).runSeconds(20);
  const double set = Tick(cockpit, 192);
  EXPECT_GT(set, 0.0);
  EXPECT_EQ(Tick(cockpit, 193) - set, kGroundComFollowTicks + 1);
  EXPECT_EQ(Tick(cockpit, 194) - Tick(cockpit, 193), 67.0);
  EXPECT_EQ(Tick(cockpit, 195) - Tick(cockpit, 194), 74.0);
  EXPECT_EQ(Tick(cockpit, 196) - Tick(cockpit, 195), 94.0);
  EXPECT_EQ(Slots(cockpit.played()), (std::vector<int>{185, 186, 187, 188, 189, 190, 191, 192, 193, 194, 195, 196}));
  EXPECT_FALSE(IsGroundCrewSequenceStarted());
  for (const PlayedSound& call : cockpit.played()) EXPECT_FALSE(call.loop);
}

TEST(GroundCrew, TheFirstAloneEndsAtItsLastCallAndARestartBeginsAgain) {
  Cockpit cockpit;
  WithCalls(cockpit).runTicks(2);
  cockpit.control("Pushback", "first", 1).runSeconds(5);
  EXPECT_EQ(GetGroundComStep(1), 4);
  cockpit.control("Pushback", "first", 1).runTicks(1);
  EXPECT_EQ(cockpit.played(185).size(), 2u) << "restarted at step 1";
  cockpit.runSeconds(100);
  EXPECT_EQ(Slots(cockpit.played()).back(), 191) << "the brake released all along; never set: waits";
  cockpit.set(Token::ParkingBrake, 1).runSeconds(20);
  EXPECT_EQ(Slots(cockpit.played()).back(), 192);
  EXPECT_TRUE(cockpit.played(193).empty()) << "no farewell asked for";
  EXPECT_FALSE(IsGroundCrewSequenceStarted());
}

TEST(GroundCrew, TheFarewellAloneAndInterleavedWithTheFirst) {
  Cockpit cockpit({.start = false});
  WithCalls(cockpit).set(Token::ParkingBrake, 1).start().runTicks(2);
  cockpit.control("Pushback", "first", 1).runTicks(2);
  cockpit.control("Pushback", "second", 1).runSeconds(20);
  EXPECT_EQ(Slots(cockpit.played()), (std::vector<int>{185, 193, 186, 194, 187, 188, 195, 196}))
      << "each on its own clock; the first still waits for the brake";
  EXPECT_EQ(GetGroundComStep(2), 0);
  EXPECT_EQ(GetGroundComStep(1), 5);
  EXPECT_TRUE(IsGroundCrewSequenceStarted());
}

// The simulator's clock set back during the pushback (a reloaded flight):
// the stop comes after the pushback's own time by the ticks that ran, as
// without a set-back, whether the clock went back a little or far; the calls
// go on from there at their own waits.
TEST(GroundCrew, ThePushbackKeepsItsTimeWhenTheClockGoesBack) {
  Cockpit cockpit({.initialTick18 = 60000});
  WithCalls(cockpit).runTicks(2);
  for (const double backTicks : {1000.0, 5000.0, 9000.0, 20000.0}) {
    const size_t before = cockpit.keyEvents(kKeyEventPushback).size();
    const auto pushed = [&](size_t count) { return cockpit.keyEvents(kKeyEventPushback).size() == before + count; };
    cockpit.control("Pushback", "first", 1).runUntil([&] { return pushed(1); }, 30);
    ASSERT_TRUE(pushed(1)) << backTicks;
    const uint64_t startTick = cockpit.host().TicksRun();
    cockpit.runSeconds(10).clockBack(backTicks).runUntil([&] { return pushed(2); }, 600);
    ASSERT_TRUE(pushed(2)) << backTicks;
    const auto stop = cockpit.keyEvents(kKeyEventPushback).back();
    EXPECT_EQ(stop.value, 0u);
    EXPECT_EQ(cockpit.host().TicksRun() - startTick, kPushbackTicks + 1) << backTicks;
    cockpit.runSeconds(5);
    EXPECT_EQ(cockpit.played(191).back().tick18, stop.tick18 + 71) << backTicks;
  }
  // The farewell's waits keep their time the same way.
  cockpit.control("Pushback", "second", 1).runTicks(2).clockBack(5000).runSeconds(5);
  ASSERT_FALSE(cockpit.played(194).empty());
  EXPECT_EQ(Tick(cockpit, 194) - Tick(cockpit, 193), 67.0 - 5000.0);
}

}  // namespace
}  // namespace halcyon::test
