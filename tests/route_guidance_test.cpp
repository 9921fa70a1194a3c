// The FMS's guidance on synthetic routes near the equator, where a degree is
// 60 NM each way: the cross-track sign and the heading that intercepts the
// track, no guidance without a route, turn points at the lead of a 25-degree
// turn, one sequence at the turn point, holds kept until EXIT HOLD, and the
// predictions (distances, times, top of climb and descent, path error).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "nav/flight_plan.h"
#include "nav/great_circle.h"
#include "nav/route_guidance.h"

namespace halcyon::test {
namespace {

double Dist(const CLatLon& a, const CLatLon& b) {
  return GreatCircleDistanceNm(a.GetLat(), a.GetLon(), b.GetLat(), b.GetLon());
}

// From (0, 0) east to ALPHA (0, 1 E), then north to BRAVO (1 N, 1 E), then
// east to CHARL (1 N, 2 E). Longitudes are west positive.
CFlightPlan EastThenNorth(double bravoLonWest = -1.0) {
  CFlightPlan plan;
  plan.InsertLeg(nullptr, "ALPHA", CLatLon(0.0, -1.0));
  plan.InsertLeg(nullptr, "BRAVO", CLatLon(1.0, bravoLonWest));
  plan.InsertLeg(nullptr, "CHARL", CLatLon(1.0, -2.0));
  plan.AnchorFirstLeg(CLatLon(0.0, 0.0));
  return plan;
}

// East to ALPHA, then 60 NM on a course turned left by turnDeg.
CFlightPlan EastThenTurnLeft(double turnDeg) {
  const GeoPointDeg bravo = DestinationPoint(0.0, -1.0, 90.0 - turnDeg, 60.0);
  CFlightPlan plan;
  plan.InsertLeg(nullptr, "ALPHA", CLatLon(0.0, -1.0));
  plan.InsertLeg(nullptr, "BRAVO", CLatLon(bravo.latitudeDeg, bravo.longitudeDeg));
  plan.AnchorFirstLeg(CLatLon(0.0, 0.0));
  return plan;
}

FmsFlightState At(double lat, double lonWest, double groundSpeedKt = 250.0) {
  FmsFlightState state;
  state.position = CLatLon(lat, lonWest);
  state.altitudeFt = 5000.0;
  state.groundSpeedKt = groundSpeedKt;
  state.trueHeadingDeg = 90.0;
  state.groundTrackDeg = 90.0;
  state.magVarDeg = 2.0;
  state.utcHours = 14.5;
  state.onGround = false;
  return state;
}

TEST(RouteGuidance, CrossTrackIsPositiveRightOfTheTrackAndTheHeadingTurnsBack) {
  CFlightPlan plan = EastThenNorth();
  CRouteGuidance guidance;
  // 0.05 degrees north of an eastbound track: 3 NM left of it.
  guidance.Update(&plan, At(0.05, -0.5));
  EXPECT_NEAR(guidance.CrossTrackNm(), -3.0, 0.01);
  EXPECT_NEAR(guidance.HeadingCommandDeg(), 90.0 + 36.0 - 2.0, 0.05) << "12 degrees a mile into the track, magnetic";
  guidance.Update(&plan, At(0.07, -0.5));
  EXPECT_NEAR(guidance.HeadingCommandDeg(), 90.0 + 45.0 - 2.0, 0.05) << "45 degrees at most";
  guidance.Update(&plan, At(-0.01, -0.5));
  EXPECT_NEAR(guidance.CrossTrackNm(), 0.6, 0.01);
  EXPECT_NEAR(guidance.HeadingCommandDeg(), 90.0 - 12.0 * 0.6 - 2.0, 0.05) << "12 degrees a mile";
  // Drift: heading 5 degrees left of the track flown is held on the command.
  FmsFlightState drifting = At(0.0, -0.5);
  drifting.trueHeadingDeg = 85.0;
  guidance.Update(&plan, drifting);
  EXPECT_NEAR(guidance.CrossTrackNm(), 0.0, 1e-6);
  EXPECT_NEAR(guidance.HeadingCommandDeg(), 85.0 - 2.0, 0.05);
  EXPECT_NEAR(guidance.ActiveLegToGoNm(), 30.0, 0.05);
}

// What switches off on the ground or slow: the drift (below 50 kt of ground
// speed or on the ground the command is the track itself), and the
// sequencing (on the ground the active waypoint stays, even past its turn).
// In the air the drift is held within 30 degrees either way.
TEST(RouteGuidance, DriftAndSequencingSwitchOffOnTheGround) {
  CFlightPlan plan = EastThenNorth();
  CRouteGuidance guidance;
  struct Sample {
    bool onGround;
    double groundSpeedKt;
    double trueHeadingDeg;  // the track flown is 90
    double commandDeg;      // magnetic, with 2 degrees of variation
  };
  for (const Sample& sample : {
           Sample{false, 250.0, 85.0, 83.0},  Sample{false, 50.0, 85.0, 83.0},  Sample{false, 49.9, 85.0, 88.0},
           Sample{true, 250.0, 85.0, 88.0},   Sample{true, 49.9, 85.0, 88.0},   Sample{false, 250.0, 119.0, 117.0},
           Sample{false, 250.0, 120.0, 118.0}, Sample{false, 250.0, 130.0, 118.0}, Sample{false, 250.0, 60.0, 58.0},
           Sample{false, 250.0, 50.0, 58.0},
       }) {
    FmsFlightState state = At(0.0, -0.5, sample.groundSpeedKt);
    state.onGround = sample.onGround;
    state.trueHeadingDeg = sample.trueHeadingDeg;
    guidance.Update(&plan, state);
    EXPECT_NEAR(guidance.HeadingCommandDeg(), sample.commandDeg, 1e-6)
        << (sample.onGround ? "on the ground, " : "") << sample.groundSpeedKt << " kt, heading " << sample.trueHeadingDeg;
  }
  // 0.6 NM short of ALPHA, inside its turn: no sequence on the ground, one in the air.
  CLatLon tc, td, ed;
  guidance.Predict(&plan, At(0.0, -0.5), VnavPlan{}, &tc, &td, &ed);
  ASSERT_TRUE(plan.GetFirstLeg()->HasTurnPoints());
  FmsFlightState rolling = At(0.0, -0.99);
  rolling.onGround = true;
  EXPECT_FALSE(guidance.Update(&plan, rolling));
  EXPECT_STREQ(plan.GetFirstLeg()->GetToIdent(), "ALPHA");
  EXPECT_TRUE(guidance.Update(&plan, At(0.0, -0.99)));
  EXPECT_STREQ(plan.GetFirstLeg()->GetToIdent(), "BRAVO");
}

TEST(RouteGuidance, NoGuidanceWithoutARoutePositionOrOnVectors) {
  CRouteGuidance guidance;
  EXPECT_FALSE(guidance.Update(nullptr, At(0.0, -0.5)));
  EXPECT_EQ(guidance.HeadingCommandDeg(), -1.0);
  EXPECT_EQ(guidance.CrossTrackNm(), 0.0);
  CFlightPlan empty;
  guidance.Update(&empty, At(0.0, -0.5));
  EXPECT_EQ(guidance.HeadingCommandDeg(), -1.0);
  CFlightPlan plan = EastThenNorth();
  FmsFlightState lost = At(0.05, -0.5);
  lost.position = CLatLon();
  guidance.Update(&plan, lost);
  EXPECT_EQ(guidance.HeadingCommandDeg(), -1.0);
  EXPECT_EQ(guidance.CrossTrackNm(), 0.0);
  guidance.Update(&plan, At(0.05, -0.5));
  EXPECT_GT(guidance.HeadingCommandDeg(), 0.0);
  plan.GetFirstLeg()->SetSpecial(LegSpecial::Vectors);
  guidance.Update(&plan, At(0.05, -0.5));
  EXPECT_EQ(guidance.HeadingCommandDeg(), -1.0);
  EXPECT_EQ(guidance.CrossTrackNm(), 0.0);
}

TEST(RouteGuidance, TurnPointsLieSymmetricAboutTheWaypointAtTheTurnLead) {
  CFlightPlan plan = EastThenNorth();
  CRouteGuidance guidance;
  const FmsFlightState state = At(0.0, -0.2);
  guidance.Update(&plan, state);
  CLatLon tc, td, ed;
  guidance.Predict(&plan, state, VnavPlan{}, &tc, &td, &ed);
  CLeg* alpha = plan.GetFirstLeg();
  ASSERT_TRUE(alpha->HasTurnPoints());
  // 250 kt at 25 degrees of bank: r = V^2 / (g tan 25) = 1.953 NM; a 90-degree turn leads by r tan 45.
  const double r = 1.4572e-5 * 250.0 * 250.0 / std::tan(25.0 * kRadiansPerDegree);
  EXPECT_NEAR(TurnRadiusNm(250.0), r, 1e-9);
  EXPECT_NEAR(TurnRadiusNm(100.0), TurnRadiusNm(150.0), 1e-12) << "150 kt at least";
  const CLatLon& wpt = *alpha->GetToPosition();
  EXPECT_NEAR(Dist(*alpha->GetTurnPoint1(), wpt), r, 0.005);
  EXPECT_NEAR(Dist(*alpha->GetTurnPoint2(), wpt), r, 0.005);
  EXPECT_NEAR(alpha->GetTurnPoint1()->GetLat(), 0.0, 1e-6) << "TP1 on the eastbound leg";
  EXPECT_NEAR(alpha->GetTurnPoint2()->GetLon(), -1.0, 1e-6) << "TP2 on the northbound leg";
  // The control points: 4/3 tan(22.5) r along each tangent, mirror images.
  const double control = 4.0 / 3.0 * std::tan(22.5 * kRadiansPerDegree) * r;
  EXPECT_NEAR(Dist(*alpha->GetTurnPoint1(), *alpha->GetTurnPoint3()), control, 0.005);
  EXPECT_NEAR(Dist(*alpha->GetTurnPoint2(), *alpha->GetTurnPoint4()), control, 0.005);
  EXPECT_NEAR(Dist(*alpha->GetTurnPoint3(), wpt), Dist(*alpha->GetTurnPoint4(), wpt), 0.005);
  // BRAVO turns right by 90 at the same lead.
  CLeg* bravo = alpha->GetNext();
  ASSERT_TRUE(bravo->HasTurnPoints());
  EXPECT_NEAR(CourseChangeDeg(*bravo, *bravo->GetNext()), 90.0, 0.05);
  EXPECT_NEAR(CourseChangeDeg(*alpha, *bravo), -90.0, 0.05);
  EXPECT_FALSE(bravo->GetNext()->HasTurnPoints()) << "the last waypoint has no turn";
}

TEST(RouteGuidance, NoTurnPointsForAFlyOverASmallTurnOrAnAlmostReversal) {
  CRouteGuidance guidance;
  CLatLon tc, td, ed;
  auto turns = [&](CFlightPlan& plan) {
    guidance.Update(&plan, At(0.0, -0.2));
    guidance.Predict(&plan, At(0.0, -0.2), VnavPlan{}, &tc, &td, &ed);
    return plan.GetFirstLeg()->HasTurnPoints();
  };
  CFlightPlan flyOver = EastThenNorth();
  flyOver.GetFirstLeg()->SetPassType(PassType::FlyOver);
  EXPECT_FALSE(turns(flyOver));
  CFlightPlan straight = EastThenTurnLeft(1.9);
  EXPECT_FALSE(turns(straight));
  CFlightPlan slight = EastThenTurnLeft(2.1);
  EXPECT_TRUE(turns(slight));
  EXPECT_NEAR(CourseChangeDeg(*slight.GetFirstLeg(), *slight.GetFirstLeg()->GetNext()), -2.1, 1e-6);
  CFlightPlan back136 = EastThenTurnLeft(136.0);
  EXPECT_FALSE(turns(back136)) << "flown over the waypoint";
  CFlightPlan back134 = EastThenTurnLeft(134.0);
  EXPECT_TRUE(turns(back134));
}

TEST(RouteGuidance, OneSequenceAtTheTurnPointThenTheNextLegIsFlown) {
  CFlightPlan plan = EastThenNorth();
  CRouteGuidance guidance;
  CLatLon tc, td, ed;
  guidance.Update(&plan, At(0.0, -0.5));
  guidance.Predict(&plan, At(0.0, -0.5), VnavPlan{}, &tc, &td, &ed);
  const double lead = Dist(*plan.GetFirstLeg()->GetTurnPoint1(), *plan.GetFirstLeg()->GetToPosition());
  // Fly east along the track a tenth of a mile at a time.
  int sequences = 0;
  double sequencedAtToGo = 0.0;
  for (double lon = -0.9; lon >= -0.99; lon -= 0.1 / 60.0) {
    const double toGoBefore = (1.0 + lon) * 60.0;
    if (guidance.Update(&plan, At(0.0, lon))) {
      ++sequences;
      sequencedAtToGo = toGoBefore;
    }
  }
  EXPECT_EQ(sequences, 1);
  EXPECT_LE(sequencedAtToGo, lead + 1e-6);
  EXPECT_GT(sequencedAtToGo, lead - 0.11);
  EXPECT_STREQ(plan.GetFirstLeg()->GetToIdent(), "BRAVO");
  EXPECT_STREQ(plan.GetPrevLeg()->GetToIdent(), "ALPHA");
  EXPECT_STREQ(guidance.LastPassedIdent(), "ALPHA");
  // On the northbound leg now, a little short of the corner: left (west) of its track, turn right.
  EXPECT_FALSE(guidance.Update(&plan, At(0.0, -0.99)));
  EXPECT_NEAR(guidance.CrossTrackNm(), -0.6, 0.001);
  EXPECT_NEAR(guidance.HeadingCommandDeg(), 12.0 * 0.6 - 2.0, 0.05);
}

TEST(RouteGuidance, AFlyOverWaypointSequencesOnlyWhenReachedAndTheLastEndsTheRoute) {
  CFlightPlan plan = EastThenNorth();
  plan.GetFirstLeg()->SetPassType(PassType::FlyOver);
  CRouteGuidance guidance;
  EXPECT_FALSE(guidance.Update(&plan, At(0.0, -1.0 + 0.01 / 60.0)));
  EXPECT_TRUE(guidance.Update(&plan, At(0.0, -1.0 - 0.01 / 60.0)));
  // Straight on to the end: the last waypoint passed ends the guidance, without a sequence.
  EXPECT_TRUE(guidance.Update(&plan, At(1.001, -1.0)));
  EXPECT_STREQ(plan.GetFirstLeg()->GetToIdent(), "CHARL");
  EXPECT_FALSE(guidance.Update(&plan, At(1.0, -2.0 - 0.001)));
  EXPECT_TRUE(guidance.RouteComplete());
  EXPECT_STREQ(guidance.LastPassedIdent(), "CHARL");
  EXPECT_EQ(guidance.HeadingCommandDeg(), -1.0);
}

TEST(RouteGuidance, AHoldIsKeptUntilExitHold) {
  CFlightPlan plan = EastThenNorth();
  ASSERT_TRUE(plan.SetHold(plan.GetFirstLeg(), CHold(90.0, kTurnRight, kUnsetValue, 1.0, kUnsetValue)));
  CRouteGuidance guidance;
  EXPECT_FALSE(guidance.Update(&plan, At(0.0, -1.01)));
  EXPECT_TRUE(guidance.InHold());
  EXPECT_EQ(guidance.HeadingCommandDeg(), -1.0) << "in the hold the heading is the crew's";
  EXPECT_FALSE(guidance.Update(&plan, At(0.02, -0.95)));
  EXPECT_STREQ(plan.GetFirstLeg()->GetToIdent(), "ALPHA");
  plan.SetExitHold(1);
  EXPECT_TRUE(guidance.Update(&plan, At(0.02, -0.95)));
  EXPECT_STREQ(plan.GetFirstLeg()->GetToIdent(), "BRAVO");
  EXPECT_EQ(plan.GetExitHold(), 0);
  EXPECT_GT(guidance.HeadingCommandDeg(), 0.0);
}

}  // namespace
}  // namespace halcyon::test

namespace halcyon::test {
namespace {

// ALPHA, BRAVO and CHARL with CHARL at 3000 ft: 180 NM from (0, 0), the
// end of descent at CHARL.
CFlightPlan WithEndOfDescent() {
  CFlightPlan plan = EastThenNorth();
  CLeg* charl = plan.GetFirstLeg()->GetNext()->GetNext();
  plan.SetAltConstraint(charl, 1, 3000.0, AltConstraintType::At);
  return plan;
}

// Where the aircraft is after s NM along EastThenNorth.
CLatLon AlongRoute(double s) {
  if (s <= 60.0) return CLatLon(0.0, -s / 60.0);
  if (s <= 120.0) return CLatLon((s - 60.0) / 60.0, -1.0);
  return CLatLon(1.0, -1.0 - (s - 120.0) / 60.0);
}

VnavPlan Cruise(double altitudeFt) {
  VnavPlan plan;
  plan.cruiseAltitudeFt = altitudeFt;
  return plan;
}

struct Profile {
  CRouteGuidance guidance;
  CLatLon tc, td, ed;
  void Step(CFlightPlan& plan, const FmsFlightState& state, const VnavPlan& vnav) {
    guidance.Update(&plan, state);
    guidance.Predict(&plan, state, vnav, &tc, &td, &ed);
  }
};

TEST(RoutePredictions, DistancesAndTimesGrowAlongTheRoute) {
  CFlightPlan plan = WithEndOfDescent();
  Profile p;
  p.Step(plan, At(0.0, -0.5), Cruise(20000.0));
  double distance = 0.0;
  double eta = 0.0;
  int legs = 0;
  for (const CLeg* leg = plan.GetFirstLeg(); leg != nullptr && leg->IsDefined(); leg = leg->GetNext(), ++legs) {
    EXPECT_GT(leg->GetDistToWpt(), distance);
    EXPECT_GT(leg->GetEtaAtWpt(), eta);
    distance = leg->GetDistToWpt();
    eta = leg->GetEtaAtWpt();
  }
  EXPECT_EQ(legs, 3);
  EXPECT_NEAR(plan.GetFirstLeg()->GetDistToWpt(), 30.0, 0.01);
  EXPECT_NEAR(distance, 150.0, 0.05);
  // 14:30 plus 150 NM at 250 kt: 36 minutes.
  EXPECT_NEAR(eta, 1506.0, 0.05);
  EXPECT_EQ(plan.GetFirstLeg()->GetNext()->GetNext()->GetNext()->GetDistToWpt(), kUnsetValue) << "the placeholder";
  // On the ground at rest the times are taken at 150 kt.
  FmsFlightState parked = At(0.0, -0.5, 0.0);
  parked.onGround = true;
  p.Step(plan, parked, Cruise(20000.0));
  EXPECT_NEAR(plan.GetFirstLeg()->GetEtaAtWpt(), 1442.0, 0.05);
  EXPECT_NEAR(HoursToHhmm(23.9 + 0.2), 6.0, 1e-9) << "past midnight";
}

TEST(RoutePredictions, TopOfClimbBeforeTopOfDescentAndThePhasesOneTwoThree) {
  CFlightPlan plan = WithEndOfDescent();
  Profile p;
  FmsFlightState state = At(0.0, -0.01);
  state.altitudeFt = 1000.0;
  p.Step(plan, state, Cruise(20000.0));
  EXPECT_EQ(p.guidance.Phase(), 1);
  // 19000 ft at 400 ft/NM: 47.5 NM; the descent from 20000 to 3000 at 318.4 ft/NM before CHARL.
  EXPECT_NEAR(p.guidance.DistanceToTopOfClimbNm(), 47.5, 1e-6);
  EXPECT_NEAR(p.guidance.DistanceToEndOfDescentNm(), 179.4, 0.01);
  EXPECT_NEAR(p.guidance.DistanceToTopOfDescentNm(), 179.4 - 17000.0 / 318.4, 0.01);
  EXPECT_LT(p.guidance.DistanceToTopOfClimbNm(), p.guidance.DistanceToTopOfDescentNm());
  ASSERT_TRUE(p.tc.IsValid());
  ASSERT_TRUE(p.td.IsValid());
  ASSERT_TRUE(p.ed.IsValid());
  EXPECT_NEAR(p.tc.GetLon(), -48.1 / 60.0, 0.001) << "on the first leg";
  EXPECT_NEAR(p.ed.GetLon(), -2.0, 0.001);
  EXPECT_NEAR(p.ed.GetLat(), 1.0, 0.001);
  // Fly it: climb at 400 ft/NM, cruise, descend on the path.
  std::string phases;
  for (double s = 0.6; s < 179.0; s += 0.5) {
    FmsFlightState now = At(AlongRoute(s).GetLat(), AlongRoute(s).GetLon());
    now.altitudeFt = std::min({1000.0 + 400.0 * s, 20000.0, 3000.0 + (180.0 - s) * 318.4});
    p.Step(plan, now, Cruise(20000.0));
    const int32_t phase = p.guidance.Phase();
    if (phases.empty() || phases.back() != static_cast<char>('0' + phase)) phases += static_cast<char>('0' + phase);
    ASSERT_NE(phase, 0);
    EXPECT_GT(p.guidance.AltitudeTargetFt(), 0.0);
    EXPECT_GT(p.guidance.DescentConstraintFt(), 0.0);
    EXPECT_GT(p.guidance.SpeedTarget(), 0.0);
    if (phase == 3) {
      EXPECT_NEAR(p.guidance.PathErrorFt(), 0.0, 40.0) << "on the path at " << s;
      EXPECT_EQ(p.guidance.AltitudeTargetFt(), 3000.0);
    } else {
      EXPECT_EQ(p.guidance.PathErrorFt(), kUnsetValue);
    }
  }
  EXPECT_EQ(phases, "123");
}

TEST(RoutePredictions, PathErrorIsPositiveAboveThePathAndDescendNowStartsTheDescent) {
  CFlightPlan plan = WithEndOfDescent();
  ASSERT_TRUE(plan.SequenceLeg());
  ASSERT_TRUE(plan.SequenceLeg());
  Profile p;
  // 150 NM along, on the way to CHARL: 30 NM to the end of descent, the path at 3000 + 30 * 318.4 = 12552 ft.
  FmsFlightState state = At(1.0, -1.5);
  state.altitudeFt = 12861.0;
  p.Step(plan, state, Cruise(20000.0));
  EXPECT_EQ(p.guidance.Phase(), 3);
  EXPECT_TRUE(p.guidance.PassedTopOfDescent());
  EXPECT_NEAR(p.guidance.PathErrorFt(), 12861.0 - (3000.0 + 30.0 * 318.4), 5.0);
  EXPECT_GT(p.guidance.PathErrorFt(), 0.0);
  state.altitudeFt = 11861.0;
  p.Step(plan, state, Cruise(20000.0));
  EXPECT_LT(p.guidance.PathErrorFt(), 0.0);
  // The top of descent 17000 / 318.4 NM before CHARL: cruise 0.05 NM before it, descent 0.05 NM past it.
  auto fromCharl = [](double nm) {
    const GeoPointDeg point = DestinationPoint(1.0, -2.0, InitialBearing(1.0, -2.0, 1.0, -1.0), nm);
    return At(point.latitudeDeg, point.longitudeDeg);
  };
  FmsFlightState before = fromCharl(17000.0 / 318.4 + 0.05);
  before.altitudeFt = 20000.0;
  p.Step(plan, before, Cruise(20000.0));
  EXPECT_EQ(p.guidance.Phase(), 2);
  FmsFlightState past = fromCharl(17000.0 / 318.4 - 0.05);
  past.altitudeFt = 20000.0;
  p.Step(plan, past, Cruise(20000.0));
  EXPECT_EQ(p.guidance.Phase(), 3);
  // Near the end of descent: within 300 ft of its altitude the FMS levels there.
  FmsFlightState low = fromCharl(0.5);
  low.altitudeFt = 3299.0;
  p.Step(plan, low, Cruise(20000.0));
  EXPECT_EQ(p.guidance.Phase(), 4);
  EXPECT_EQ(p.guidance.AltitudeTargetFt(), 3000.0);
  low.altitudeFt = 3301.0;
  p.Step(plan, low, Cruise(20000.0));
  EXPECT_EQ(p.guidance.Phase(), 3);
  EXPECT_FALSE(p.td.IsValid()) << "a top of descent passed is no longer drawn";
  // Before the top of descent: cruise, no path; DES NOW descends at once.
  plan = WithEndOfDescent();
  ASSERT_TRUE(plan.SequenceLeg());
  FmsFlightState cruise = At(0.5, -1.0);
  cruise.altitudeFt = 20000.0;
  VnavPlan vnav = Cruise(20000.0);
  p.Step(plan, cruise, vnav);
  EXPECT_EQ(p.guidance.Phase(), 2);
  EXPECT_FALSE(p.guidance.PassedTopOfDescent());
  EXPECT_EQ(p.guidance.PathErrorFt(), kUnsetValue);
  vnav.descendNow = 1;
  p.Step(plan, cruise, vnav);
  EXPECT_EQ(p.guidance.Phase(), 3);
  EXPECT_FALSE(p.guidance.PassedTopOfDescent());
  // 90 NM to go: the path extended back lies above the aircraft, which is below it.
  EXPECT_NEAR(p.guidance.PathErrorFt(), 20000.0 - (3000.0 + 90.0 * 318.4), 5.0);
}

// Two legs of 60 NM and no end of descent: a top of climb 135 NM ahead lies
// past the last waypoint and is not drawn; one 72.5 NM ahead is, on BRAVO's leg.
TEST(RoutePredictions, ATopOfClimbPastTheLastWaypointIsNotDrawn) {
  CFlightPlan plan = EastThenTurnLeft(0.0);
  Profile p;
  FmsFlightState state = At(0.0, -0.01);
  state.altitudeFt = 1000.0;
  p.Step(plan, state, Cruise(55000.0));
  EXPECT_NEAR(p.guidance.DistanceToTopOfClimbNm(), 135.0, 1e-6);
  EXPECT_FALSE(p.tc.IsValid());
  p.Step(plan, state, Cruise(30000.0));
  ASSERT_TRUE(p.tc.IsValid());
  EXPECT_NEAR(p.tc.GetLon(), -73.1 / 60.0, 0.01);
}

// Each vertical limit exactly on it: the 250 kt below 10000 ft and Mach from
// 27000 ft, the 300 ft band under the cruise altitude and around a
// constraint, and a top of descent passed only in the air.
TEST(RoutePredictions, VerticalLimitsExactlyOnThemAndOnTheGround) {
  CFlightPlan plan = WithEndOfDescent();
  plan.SetAltConstraint(plan.GetFirstLeg()->GetNext(), 1, 9000.0, AltConstraintType::AtOrBelow);
  Profile p;
  struct Sample {
    double altitudeFt;
    double cruiseFt;
    int32_t phase;
    double altitudeTargetFt;
    double speedTarget;
  };
  for (const Sample& sample : {
           Sample{8699.0, 20000.0, 1, 9000.0, 250.0},   Sample{8700.0, 20000.0, 4, 9000.0, 250.0},
           Sample{9299.0, 20000.0, 4, 9000.0, 250.0},   Sample{9300.0, 20000.0, 1, 20000.0, 250.0},
           Sample{9999.0, 20000.0, 1, 20000.0, 250.0},  Sample{10000.0, 20000.0, 1, 20000.0, 280.0},
           Sample{19699.0, 20000.0, 1, 20000.0, 280.0}, Sample{19700.0, 20000.0, 2, 20000.0, 280.0},
           Sample{26999.0, 35000.0, 1, 35000.0, 280.0}, Sample{27000.0, 35000.0, 1, 35000.0, 0.74},
       }) {
    FmsFlightState state = At(0.0, -0.5);
    state.altitudeFt = sample.altitudeFt;
    p.Step(plan, state, Cruise(sample.cruiseFt));
    EXPECT_EQ(p.guidance.Phase(), sample.phase) << sample.altitudeFt << " ft";
    EXPECT_EQ(p.guidance.AltitudeTargetFt(), sample.altitudeTargetFt) << sample.altitudeFt << " ft";
    EXPECT_EQ(p.guidance.SpeedTarget(), sample.speedTarget) << sample.altitudeFt << " ft";
  }
  // 30 NM before CHARL, far past the top of descent: descending in the air,
  // while on the ground (a field as high as the cruise) nothing is passed.
  ASSERT_TRUE(plan.SequenceLeg());
  ASSERT_TRUE(plan.SequenceLeg());
  FmsFlightState high = At(1.0, -1.5);
  high.altitudeFt = 20000.0;
  p.Step(plan, high, Cruise(20000.0));
  EXPECT_EQ(p.guidance.Phase(), 3);
  EXPECT_TRUE(p.guidance.PassedTopOfDescent());
  high.onGround = true;
  p.Step(plan, high, Cruise(20000.0));
  EXPECT_FALSE(p.guidance.PassedTopOfDescent());
  EXPECT_EQ(p.guidance.Phase(), 2);
  // Down on the end of descent's altitude: 300 ft above it still levels there.
  high.onGround = false;
  high.altitudeFt = 3300.0;
  const GeoPointDeg nearCharl = DestinationPoint(1.0, -2.0, InitialBearing(1.0, -2.0, 1.0, -1.0), 0.5);
  high.position = CLatLon(nearCharl.latitudeDeg, nearCharl.longitudeDeg);
  p.Step(plan, high, Cruise(20000.0));
  EXPECT_EQ(p.guidance.Phase(), 4);
  EXPECT_EQ(p.guidance.AltitudeTargetFt(), 3000.0);
}

TEST(RoutePredictions, CruiseBandSpeedsAndAClimbStoppedAtAConstraint) {
  CFlightPlan plan = WithEndOfDescent();
  plan.SetAltConstraint(plan.GetFirstLeg()->GetNext(), 1, 9000.0, AltConstraintType::AtOrBelow);
  Profile p;
  FmsFlightState state = At(0.0, -0.5);
  auto phaseAt = [&](double altitudeFt) {
    state.altitudeFt = altitudeFt;
    p.Step(plan, state, Cruise(20000.0));
    return p.guidance.Phase();
  };
  EXPECT_EQ(phaseAt(5000.0), 1);
  EXPECT_EQ(p.guidance.AltitudeTargetFt(), 9000.0) << "BRAVO at or below 9000 stops the climb";
  EXPECT_EQ(p.guidance.DescentConstraintFt(), 9000.0);
  EXPECT_EQ(p.guidance.SpeedTarget(), 250.0) << "250 kt below 10000 ft";
  EXPECT_EQ(phaseAt(8699.0), 1);
  EXPECT_EQ(phaseAt(8701.0), 4) << "level at the FMS altitude";
  EXPECT_EQ(phaseAt(19701.0), 2) << "from the constraint straight to the cruise band";
  EXPECT_EQ(p.guidance.DescentConstraintFt(), 20000.0);
  EXPECT_EQ(phaseAt(9301.0), 1) << "above the constraint: on to the cruise altitude";
  EXPECT_EQ(p.guidance.AltitudeTargetFt(), 20000.0);
  EXPECT_EQ(phaseAt(19699.0), 1);
  EXPECT_EQ(p.guidance.SpeedTarget(), 280.0);
  EXPECT_EQ(phaseAt(19701.0), 2);
  EXPECT_EQ(p.guidance.DescentConstraintFt(), 20000.0);
  VnavPlan high = Cruise(35000.0);
  state.altitudeFt = 26999.0;
  p.Step(plan, state, high);
  EXPECT_EQ(p.guidance.SpeedTarget(), 280.0);
  state.altitudeFt = 27001.0;
  p.Step(plan, state, high);
  EXPECT_EQ(p.guidance.SpeedTarget(), 0.74) << "Mach above 27000 ft";
  // No cruise altitude: no VNAV.
  p.Step(plan, state, VnavPlan{});
  EXPECT_EQ(p.guidance.Phase(), 0);
}

}  // namespace
}  // namespace halcyon::test

namespace halcyon::test {
namespace {

// A first leg without a FROM, or one shorter than 0.01 NM, has no course:
// the command points straight at the waypoint, without cross-track. A leg of
// 0.01 NM or more is flown on its own track.
TEST(RouteGuidance, ALegWithoutACourseIsFlownStraightToItsWaypoint) {
  struct Sample {
    double fromNm;  // the FROM this far west of ALPHA; below 0: none
    bool onTrack;
  };
  // 3 NM north and 6 NM west of ALPHA: straight to it, or 36 degrees into the eastbound track.
  const FmsFlightState state = At(0.05, -0.9);
  const double straight = InitialBearing(0.05, -0.9, 0.0, -1.0) - 2.0;
  for (const Sample& sample : {Sample{-1.0, false}, Sample{0.009, false}, Sample{0.011, true}, Sample{1.0, true}}) {
    CFlightPlan plan;
    plan.InsertLeg(nullptr, "ALPHA", CLatLon(0.0, -1.0));
    if (sample.fromNm >= 0.0) plan.AnchorFirstLeg(CLatLon(0.0, -1.0 + sample.fromNm / 60.0));
    CRouteGuidance guidance;
    guidance.Update(&plan, state);
    EXPECT_NEAR(guidance.HeadingCommandDeg(), sample.onTrack ? 90.0 + 36.0 - 2.0 : straight, 0.05) << sample.fromNm;
    EXPECT_NEAR(guidance.CrossTrackNm(), sample.onTrack ? -3.0 : 0.0, 0.01) << sample.fromNm;
  }
}

// With no constraint on the route the descent ends at the destination: at
// its selected runway's threshold and elevation, else at the airport and its
// elevation, else at 0 ft.
TEST(RoutePredictions, WithoutAConstraintTheDescentEndsAtTheDestination) {
  struct Sample {
    double airportFt;
    bool runway;  // 1450 ft, 6 NM short of the airport
    double endNm;
    double endFt;
  };
  for (const Sample& sample : {Sample{1200.0, false, 180.0, 1200.0}, Sample{kUnsetValue, false, 180.0, 0.0},
                               Sample{1200.0, true, 174.0, 1450.0}}) {
    CFlightPlan plan = EastThenNorth();
    CAirport destination("DEST", CLatLon(1.0, -2.5), sample.airportFt, "DESTINATION");
    destination.AddRunway(CRunway("27", CLatLon(1.0, -2.4), 270.0, 8000.0, 1450.0));
    if (sample.runway) {
      ASSERT_TRUE(destination.SelectRunway("27"));
    }
    plan.SetDestination(destination);
    Profile p;
    p.Step(plan, At(0.0, -0.5), Cruise(20000.0));
    EXPECT_NEAR(p.guidance.DistanceToEndOfDescentNm(), sample.endNm, 0.05) << sample.airportFt;
    EXPECT_EQ(p.guidance.EndOfDescentAltitudeFt(), sample.endFt) << sample.airportFt;
    EXPECT_NEAR(p.guidance.DistanceToTopOfDescentNm(), sample.endNm - (20000.0 - sample.endFt) / 318.4, 0.05);
    ASSERT_TRUE(p.ed.IsValid());
    EXPECT_NEAR(p.ed.GetLon(), sample.runway ? -2.4 : -2.5, 0.001);
  }
}

// VNAV needs a cruise altitude above 0 ft. Without one the phase is 0 and
// the last profile's top of climb, top and end of descent are gone, as
// distances and as points on the route.
TEST(RoutePredictions, WithoutACruiseAltitudeAboveZeroTheProfileIsGone) {
  CFlightPlan plan = WithEndOfDescent();
  Profile p;
  struct Sample {
    double cruiseFt;
    int32_t phase;
    bool climb, descent, end;  // which of the three the profile has
  };
  for (const Sample& sample : {
           Sample{20000.0, 1, true, true, true}, Sample{0.0, 0, false, false, false},
           Sample{20000.0, 1, true, true, true}, Sample{kUnsetValue, 0, false, false, false},
           Sample{20000.0, 1, true, true, true}, Sample{1.0, 2, false, false, true},
       }) {
    p.Step(plan, At(0.0, -0.5), Cruise(sample.cruiseFt));  // 5000 ft, 150 NM from CHARL
    EXPECT_EQ(p.guidance.Phase(), sample.phase) << sample.cruiseFt;
    EXPECT_EQ(p.guidance.DistanceToTopOfClimbNm() != kUnsetValue, sample.climb) << sample.cruiseFt;
    EXPECT_EQ(p.guidance.DistanceToTopOfDescentNm() != kUnsetValue, sample.descent) << sample.cruiseFt;
    EXPECT_EQ(p.guidance.DistanceToEndOfDescentNm() != kUnsetValue, sample.end) << sample.cruiseFt;
    EXPECT_EQ(p.tc.IsValid(), sample.climb) << sample.cruiseFt;
    EXPECT_EQ(p.td.IsValid(), sample.descent) << sample.cruiseFt;
    EXPECT_EQ(p.ed.IsValid(), sample.end) << sample.cruiseFt;
  }
}

}  // namespace
}  // namespace halcyon::test
