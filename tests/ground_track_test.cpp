// The ground track of the navigation display: the heading while the aircraft
// stands or taxies, the great-circle track over the last second in the air,
// held while the position stands still.
#include <gtest/gtest.h>

#include <vector>

#include "core/ground_track.h"
#include "tests/cockpit.h"
#include "tests/spherical_reference.h"

namespace halcyon::test {
namespace {

struct Position {
  double latitudeDeg;
  double longitudeDegEast;
};

Position PositionNow(const Cockpit& cockpit) {
  return {cockpit.latitudeDeg(), cockpit.longitudeDegEast()};
}

TEST(GroundTrack, HeadingOnTheGroundGreatCircleTrackInTheAir) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::OnGround, 1).set(Token::HeadingDeg, 160).setPosition(47.4647, 8.5492).start();
  EXPECT_EQ(GetGroundTrack(), 160.0) << "the ring starts on the heading";

  // Standing still on the ground: the heading, also as it changes.
  for (int tick = 0; tick < 40; ++tick) {
    cockpit.runTicks(1);
    ASSERT_EQ(GetGroundTrack(), 160.0) << tick;
  }
  cockpit.set(Token::HeadingDeg, 175).runTicks(1);
  EXPECT_EQ(GetGroundTrack(), 175.0);

  // Moving north-east in a crosswind: the track is the course flown, not the heading.
  bool moving = true;
  double lat = 47.4647;
  double lonEast = 8.5492;
  cockpit.everyTick([&](simhost::SimHost&) {
    if (!moving) return;
    lat += 0.0004;
    lonEast += 0.0006;
    cockpit.setPosition(lat, lonEast);
  });
  cockpit.set(Token::OnGround, 0).set(Token::HeadingDeg, 20);
  std::vector<Position> history(18, PositionNow(cockpit));
  double lastTrack = 0.0;
  for (int tick = 0; tick < 60; ++tick) {
    cockpit.runTicks(1);
    history.push_back(PositionNow(cockpit));
    const Position& oldest = history[history.size() - 18];  // 17 ticks ago
    const Position& present = history.back();
    const double expected =
        ReferenceCourse(oldest.latitudeDeg, oldest.longitudeDegEast, present.latitudeDeg, present.longitudeDegEast);
    ASSERT_LT(CourseDifference(GetGroundTrack(), expected), 1e-4) << tick;
    lastTrack = GetGroundTrack();
  }
  EXPECT_NEAR(lastTrack, 45.4, 0.5) << "north-east, right of the 20 degree heading";

  // The position stands still in the air (a paused slew): the track holds.
  moving = false;
  cockpit.set(Token::HeadingDeg, 90);
  for (int tick = 0; tick < 30; ++tick) {
    cockpit.runTicks(1);
    ASSERT_EQ(GetGroundTrack(), lastTrack) << tick;
  }

  // Taxiing after landing: the heading again, though the aircraft moves.
  moving = true;
  cockpit.set(Token::OnGround, 1).set(Token::HeadingDeg, 250);
  for (int tick = 0; tick < 20; ++tick) {
    cockpit.runTicks(1);
    ASSERT_EQ(GetGroundTrack(), 250.0) << tick;
  }
}

// Either coordinate standing still counts as no movement: flown exactly along
// a meridian, the track in the air holds what it was.
TEST(GroundTrack, AlongAMeridianTheTrackInTheAirHolds) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::OnGround, 0).set(Token::HeadingDeg, 123).setPosition(47.0, 8.0).start();
  double lat = 47.0;
  cockpit.everyTick([&](simhost::SimHost&) {
    lat += 0.0005;
    cockpit.setPosition(lat, 8.0);
  });
  cockpit.set(Token::HeadingDeg, 200).runTicks(40);
  EXPECT_EQ(GetGroundTrack(), 123.0) << "the track the ring started with, not the heading now";
}

}  // namespace
}  // namespace halcyon::test
