// Aural warnings: stall, overspeed and slat overspeed on their once-a-second
// checks, the stabilizer trim and motion voices airborne only, each on its
// sound slot.
#include <gtest/gtest.h>

#include "core/tick_scheduler.h"
#include "host/voice_queue.h"
#include "systems/aural_warnings.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr int kSlotStall = 225;
constexpr int kSlotOverspeed = 226;
constexpr int kSlotSlatOverspeed = 227;
constexpr int kSlotStabilizerTrim = 218;
constexpr int kSlotStabilizerMotion = 219;

Cockpit& Stabilizer(Cockpit& cockpit, double angleDeg) {
  // Two seconds and a bit: one stabilizer check (every 37 ticks) sees it.
  return cockpit.set(Token::ElevatorTrimRad, angleDeg / kDegreesPerRadian).runTicks(37);
}

TEST(AuralWarnings, StallPostedOnceASecondAndWithdrawnWhenItEnds) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({kSlotStall, 240}, 300).start();
  cockpit.watchChannel(kChannel1Hz).set(Token::StallWarning, 1).runSeconds(4);
  const auto stalls = cockpit.played(kSlotStall);
  ASSERT_GE(stalls.size(), 2u);
  EXPECT_EQ(cockpit.dueTicks(kChannel1Hz).count(stalls[0].tick18), 1u) << "posted on a once-a-second tick";

  // Behind a fire bell the stall waits; withdrawn before its turn, it never sounds.
  cockpit.set(Token::Engine1Fire, 1).runSeconds(4);
  const size_t heard = cockpit.played(kSlotStall).size();
  EXPECT_TRUE(IsVoiceMessageQueued(10));
  cockpit.set(Token::StallWarning, 0).runSeconds(1.1);
  EXPECT_FALSE(IsVoiceMessageQueued(10));
  cockpit.set(Token::Engine1Fire, 0).runSeconds(5);
  EXPECT_EQ(cockpit.played(kSlotStall).size(), heard);
}

TEST(AuralWarnings, OverspeedAboveTheBarberPoleAndSlatsAbove280Kt) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({kSlotOverspeed, kSlotSlatOverspeed}, 300).start();
  cockpit.setScaled(Token::MaxOperatingSpeed, 340.0).set(Token::IndicatedAirspeedKt, 340).runSeconds(3);
  EXPECT_TRUE(cockpit.played(kSlotOverspeed).empty()) << "exactly at the barber pole";
  cockpit.set(Token::IndicatedAirspeedKt, 340.1).runSeconds(1.1);
  EXPECT_EQ(cockpit.played(kSlotOverspeed).size(), 1u);

  cockpit.set(Token::IndicatedAirspeedKt, 281).runSeconds(3);
  EXPECT_TRUE(cockpit.played(kSlotSlatOverspeed).empty()) << "flap handle up";
  cockpit.set(Token::FlapHandle, 1).runSeconds(1.1);
  EXPECT_EQ(cockpit.played(kSlotSlatOverspeed).size(), 1u);
  const size_t heard = cockpit.played(kSlotSlatOverspeed).size();
  cockpit.set(Token::IndicatedAirspeedKt, 280).runSeconds(5);
  EXPECT_EQ(cockpit.played(kSlotSlatOverspeed).size(), heard) << "280 kt is within the placard";
  EXPECT_FALSE(IsVoiceMessageQueued(9));
}

// On the ground the stabilizer is trimmed freely; airborne a trim run of more
// than 2 degrees from the last warned angle is announced once, and a change
// of more than 31/15 degrees between two checks is a runaway.
TEST(AuralWarnings, StabilizerTrimAndMotionAirborneOnly) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({kSlotStabilizerTrim, kSlotStabilizerMotion}, 300).start();
  cockpit.set(Token::OnGround, 1);
  Stabilizer(cockpit, 1.5);
  Stabilizer(cockpit, 8.0);
  Stabilizer(cockpit, 5.0);
  cockpit.runSeconds(3);
  EXPECT_TRUE(cockpit.played().empty()) << "nothing on the ground";

  cockpit.set(Token::OnGround, 0);
  Stabilizer(cockpit, 6.99);
  cockpit.runSeconds(3);
  EXPECT_TRUE(cockpit.played().empty()) << "the reference followed to 5 on the ground; 1.99 from it";
  Stabilizer(cockpit, 7.01).runSeconds(3);
  EXPECT_EQ(cockpit.played(kSlotStabilizerTrim).size(), 1u);
  Stabilizer(cockpit, 7.5).runSeconds(3);
  EXPECT_EQ(cockpit.played(kSlotStabilizerTrim).size(), 1u) << "the reference moved to 7.01";
  EXPECT_TRUE(cockpit.played(kSlotStabilizerMotion).empty()) << "slow runs";

  // 2.1 degrees between two checks: a runaway, and a trim run as well.
  Stabilizer(cockpit, 9.6).runSeconds(4);
  EXPECT_EQ(cockpit.played(kSlotStabilizerMotion).size(), 1u);
  EXPECT_EQ(cockpit.played(kSlotStabilizerTrim).size(), 2u);
  // No voice while the stall warning is on, the reference still follows.
  cockpit.set(Token::StallWarning, 1);
  Stabilizer(cockpit, 12.0).runSeconds(4);
  EXPECT_EQ(cockpit.played(kSlotStabilizerMotion).size(), 1u);
  EXPECT_EQ(cockpit.played(kSlotStabilizerTrim).size(), 2u);
  cockpit.set(Token::StallWarning, 0);
  Stabilizer(cockpit, 13.9).runSeconds(3);
  EXPECT_EQ(cockpit.played(kSlotStabilizerTrim).size(), 2u) << "1.9 from the reference of 12";
}

TEST(AuralWarnings, TheStartupReferenceIsTheLoadedTrim) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({kSlotStabilizerTrim}, 300).start();
  SetStabilizerTrimReference(4.0);
  cockpit.set(Token::OnGround, 0);
  Stabilizer(cockpit, 2.5);
  Stabilizer(cockpit, 3.0).runSeconds(3);
  EXPECT_TRUE(cockpit.played(kSlotStabilizerTrim).empty());
  Stabilizer(cockpit, 4.5);
  Stabilizer(cockpit, 5.5);
  Stabilizer(cockpit, 6.1).runSeconds(3);
  EXPECT_EQ(cockpit.played(kSlotStabilizerTrim).size(), 1u);
}

// A flight that starts in the air with the stabilizer trimmed: the load
// step takes that trim as the reference, so no call comes for it.
TEST(AuralWarnings, AFlightStartedTrimmedTakesItsTrimAsTheReference) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({kSlotStabilizerTrim}, 300);
  cockpit.set(Token::OnGround, 0).set(Token::ElevatorTrimRad, 6.0 / kDegreesPerRadian);
  cockpit.start();
  Stabilizer(cockpit, 6.0).runSeconds(3);
  Stabilizer(cockpit, 7.0);
  Stabilizer(cockpit, 7.9).runSeconds(3);
  EXPECT_TRUE(cockpit.played(kSlotStabilizerTrim).empty()) << "1.9 from the trim the flight started with";
  Stabilizer(cockpit, 8.1).runSeconds(3);
  EXPECT_EQ(cockpit.played(kSlotStabilizerTrim).size(), 1u);
}

}  // namespace
}  // namespace halcyon::test
