// The route model: the placeholder leg at the end of every route with legs,
// the previous and active legs, whole-ident fix lookup, the changed and
// modified flags of an executed route under edit, direct-to and intercept,
// and copies that share nothing with their original.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nav/flight_plan.h"
#include "nav/great_circle.h"
#include "tests/small_stack.h"

namespace halcyon::test {
namespace {

std::vector<std::string> Route(const CFlightPlan& plan) {
  std::vector<std::string> idents;
  for (const CLeg* leg = plan.GetPrevLeg(); leg != nullptr; leg = leg->GetNext()) idents.push_back(leg->GetToIdent());
  return idents;
}

CAirport Airport(const char* ident, double lat, double lonWest) {
  CAirport airport(ident, CLatLon(lat, lonWest), 1400, "");
  airport.AddRunway(CRunway("16", CLatLon(lat + 0.02, lonWest), 160, 10000, 1400));
  return airport;
}

// An origin, three waypoints and a destination, as the CDU would build it.
CFlightPlan ThreeWaypoints() {
  CFlightPlan plan;
  plan.SetOrigin(Airport("QXAA", 47.0, -8.0));
  plan.SetDestination(Airport("QXBB", 48.0, -9.0));
  plan.InsertLeg(nullptr, "ALPHA", CLatLon(47.2, -8.2));
  plan.InsertLeg(nullptr, "BRAVO", CLatLon(47.5, -8.5));
  plan.InsertLeg(nullptr, "CHARL", CLatLon(47.8, -8.8));
  return plan;
}

TEST(FlightPlan, ARouteWithLegsEndsWithOnePlaceholderAndAnEmptyRouteHasNone) {
  CFlightPlan plan;
  EXPECT_EQ(plan.GetFirstLeg(), nullptr);
  EXPECT_EQ(plan.GetPrevLeg(), nullptr);
  EXPECT_FALSE(plan.HasOrigin());
  EXPECT_STREQ(plan.GetOrigin()->GetIdent(), "----");

  CLeg* alpha = plan.InsertLeg(nullptr, "ALPHA", CLatLon(47.2, -8.2));
  EXPECT_EQ(Route(plan), (std::vector<std::string>{"ALPHA", kNoLegIdent}));
  const CLeg* tail = alpha->GetNext();
  EXPECT_FALSE(tail->HasToIdent());
  EXPECT_FALSE(tail->IsDefined());
  EXPECT_EQ(tail->GetType(), 0);

  plan = ThreeWaypoints();
  EXPECT_EQ(Route(plan), (std::vector<std::string>{"ALPHA", "BRAVO", "CHARL", "QXBB", kNoLegIdent}))
      << "waypoints go in before the destination";
  EXPECT_TRUE(plan.HasOrigin());
  EXPECT_TRUE(plan.HasDestination());

  // Deleting every waypoint leaves the destination; clearing it leaves no legs.
  while (plan.GetFirstLeg() != nullptr && !plan.GetFirstLeg()->IsDestination()) {
    ASSERT_TRUE(plan.DeleteLeg(plan.GetFirstLeg()));
  }
  EXPECT_EQ(Route(plan), (std::vector<std::string>{"QXBB", kNoLegIdent}));
  plan.SetDestination(CAirport());
  EXPECT_EQ(plan.GetFirstLeg(), nullptr);
  EXPECT_EQ(plan.GetPrevLeg(), nullptr);
  // A destination given to a route with no legs at all is its first leg.
  plan.SetDestination(Airport("QXCC", 46.0, -7.0));
  EXPECT_EQ(Route(plan), (std::vector<std::string>{"QXCC", kNoLegIdent}));
  ASSERT_NE(plan.GetFirstLeg(), nullptr);
  EXPECT_TRUE(plan.GetFirstLeg()->IsDestination());
}

TEST(FlightPlan, LegsJoinUpFromTheRunwayAndKeepTheirDistances) {
  CFlightPlan plan = ThreeWaypoints();
  const CLeg* alpha = plan.GetFirstLeg();
  EXPECT_DOUBLE_EQ(alpha->GetFromPosition()->GetLat(), 47.0) << "from the origin airport";
  EXPECT_EQ(alpha->IsFromRunway(), 0);
  ASSERT_TRUE(plan.SelectOriginRunway("16"));
  EXPECT_DOUBLE_EQ(alpha->GetFromPosition()->GetLat(), 47.02) << "from the runway threshold";
  EXPECT_EQ(alpha->IsFromRunway(), 1);
  EXPECT_FALSE(plan.SelectOriginRunway("34"));
  // Each leg starts where the one before ends, and knows its length.
  for (const CLeg* leg = plan.GetFirstLeg(); leg->GetNext()->HasToIdent(); leg = leg->GetNext()) {
    const CLeg* next = leg->GetNext();
    EXPECT_DOUBLE_EQ(next->GetFromPosition()->GetLat(), leg->GetToPosition()->GetLat());
    const CLatLon& a = *next->GetFromPosition();
    const CLatLon& b = *next->GetToPosition();
    EXPECT_DOUBLE_EQ(next->GetLegDistance(), GreatCircleDistanceNm(a.GetLat(), a.GetLon(), b.GetLat(), b.GetLon()));
  }
  EXPECT_TRUE(plan.SelectDestinationRunway("16"));
  const CLeg* destination = plan.GetFirstLeg()->GetNext()->GetNext()->GetNext();
  ASSERT_TRUE(destination->IsDestination());
  EXPECT_DOUBLE_EQ(destination->GetToPosition()->GetLat(), 48.02) << "the destination leg ends at the threshold";
  // Removing a waypoint joins its neighbours.
  CLeg* bravo = plan.GetFirstLeg()->GetNext();
  plan.DeleteLeg(bravo);
  EXPECT_DOUBLE_EQ(plan.GetFirstLeg()->GetNext()->GetFromPosition()->GetLat(), 47.2);
  EXPECT_FALSE(plan.DeleteLeg(plan.GetFirstLeg()->GetNext()->GetNext())) << "the destination leg stays";
}

TEST(FlightPlan, PreviousAndActiveLegsAsTheRouteSequences) {
  CFlightPlan plan = ThreeWaypoints();
  CLeg* alpha = plan.GetFirstLeg();
  EXPECT_EQ(plan.GetPrevLeg(), alpha) << "a route just built: the previous leg is the first";
  ASSERT_TRUE(plan.SequenceLeg());
  EXPECT_EQ(plan.GetPrevLeg(), alpha);
  EXPECT_STREQ(plan.GetFirstLeg()->GetToIdent(), "BRAVO");
  EXPECT_EQ(plan.GetPrevLeg()->GetNext(), plan.GetFirstLeg());
  ASSERT_TRUE(plan.SequenceLeg());
  EXPECT_STREQ(plan.GetPrevLeg()->GetToIdent(), "BRAVO") << "ALPHA is gone";
  EXPECT_STREQ(plan.GetFirstLeg()->GetToIdent(), "CHARL");
  EXPECT_EQ(plan.GetPrevLeg()->GetNext(), plan.GetFirstLeg());
  EXPECT_FALSE(plan.DeleteLeg(plan.GetPrevLeg())) << "the leg already passed stays";
  EXPECT_EQ(plan.InsertLeg(plan.GetPrevLeg(), "X", CLatLon(1, 1)), nullptr);
  // A waypoint put in before the active one becomes the active one.
  CLeg* delta = plan.InsertLeg(plan.GetFirstLeg(), "DELTA", CLatLon(47.6, -8.6));
  EXPECT_EQ(plan.GetFirstLeg(), delta);
  EXPECT_EQ(plan.GetPrevLeg()->GetNext(), delta);
  ASSERT_TRUE(plan.SequenceLeg());
  ASSERT_TRUE(plan.SequenceLeg());
  EXPECT_TRUE(plan.GetFirstLeg()->IsDestination());
  EXPECT_FALSE(plan.SequenceLeg()) << "nothing after the destination but the placeholder";
}

// The leg last passed keeps where it was flown from through later edits:
// the map never draws a line from the departure runway to a waypoint long
// passed.
TEST(FlightPlan, EditsAfterASequenceLeaveThePassedLegWhereItWas) {
  CFlightPlan plan = ThreeWaypoints();
  ASSERT_TRUE(plan.SelectOriginRunway("16"));
  ASSERT_TRUE(plan.SequenceLeg());
  ASSERT_TRUE(plan.SequenceLeg());
  const CLeg* passed = plan.GetPrevLeg();
  ASSERT_STREQ(passed->GetToIdent(), "BRAVO");
  const double fromLat = passed->GetFromPosition()->GetLat();
  const double distance = passed->GetLegDistance();
  EXPECT_DOUBLE_EQ(fromLat, 47.2) << "BRAVO was flown from ALPHA";

  plan.InsertLeg(nullptr, "DELTA", CLatLon(47.9, -8.9));
  EXPECT_DOUBLE_EQ(passed->GetFromPosition()->GetLat(), fromLat);
  EXPECT_DOUBLE_EQ(passed->GetLegDistance(), distance);
  EXPECT_EQ(passed->IsFromRunway(), 0);
  plan.AnchorFirstLeg(CLatLon(47.6, -8.6));
  EXPECT_DOUBLE_EQ(passed->GetFromPosition()->GetLat(), fromLat) << "the FMS's anchor moves no passed leg";
  EXPECT_DOUBLE_EQ(plan.GetFirstLeg()->GetFromPosition()->GetLat(), 47.5) << "the active leg starts at BRAVO";
  ASSERT_TRUE(plan.DeleteLeg(plan.GetFirstLeg()->GetNext()));
  EXPECT_DOUBLE_EQ(passed->GetFromPosition()->GetLat(), fromLat);
  EXPECT_EQ(passed->IsFromRunway(), 0);
}

// The active leg deleted down to the placeholder, then a destination: the
// destination is the leg to fly, not one before the active leg.
TEST(FlightPlan, ADestinationAddedWhenThePlaceholderIsActiveBecomesTheActiveLeg) {
  CFlightPlan plan;
  plan.SetOrigin(Airport("QXAA", 47.0, -8.0));
  plan.InsertLeg(nullptr, "ALPHA", CLatLon(47.2, -8.2));
  plan.InsertLeg(nullptr, "BRAVO", CLatLon(47.5, -8.5));
  ASSERT_TRUE(plan.SequenceLeg());
  ASSERT_TRUE(plan.DeleteLeg(plan.GetFirstLeg()));
  ASSERT_FALSE(plan.GetFirstLeg()->HasToIdent()) << "the placeholder is active";
  plan.SetDestination(Airport("QXBB", 48.0, -9.0));
  EXPECT_EQ(Route(plan), (std::vector<std::string>{"ALPHA", "QXBB", kNoLegIdent}));
  EXPECT_TRUE(plan.GetFirstLeg()->IsDestination());
  EXPECT_EQ(plan.GetPrevLeg()->GetNext(), plan.GetFirstLeg());
}

TEST(FlightPlan, HasLegFixComparesWholeIdents) {
  CFlightPlan plan = ThreeWaypoints();
  EXPECT_TRUE(plan.HasLegFix("BRAVO"));
  EXPECT_TRUE(plan.HasLegFix("QXBB"));
  EXPECT_FALSE(plan.HasLegFix("BRAV"));
  EXPECT_FALSE(plan.HasLegFix("BRAVOS"));
  EXPECT_FALSE(plan.HasLegFix(kNoLegIdent)) << "the placeholder is no fix";
  EXPECT_FALSE(plan.HasLegFix("QXAA")) << "the origin is no leg's TO";
}

TEST(FlightPlan, EditsOfTheExecutedRouteMarkItModifiedUntilExecutedAgain) {
  CFlightPlan plan = ThreeWaypoints();
  EXPECT_EQ(plan.IsModified(), 0) << "a route never executed is not modified";
  EXPECT_EQ(plan.GetFirstLeg()->IsChanged(), 1);
  plan.MarkExecuted();
  for (const CLeg* leg = plan.GetPrevLeg(); leg != nullptr; leg = leg->GetNext()) EXPECT_EQ(leg->IsChanged(), 0);

  CLeg* bravo = plan.GetFirstLeg()->GetNext();
  ASSERT_TRUE(plan.SetAltConstraint(bravo, 1, 8000, AltConstraintType::AtOrAbove));
  EXPECT_EQ(plan.IsModified(), 1);
  EXPECT_EQ(bravo->IsChanged(), 1);
  EXPECT_EQ(plan.GetFirstLeg()->IsChanged(), 0) << "only the legs touched";
  EXPECT_EQ(bravo->GetAltConstraint(1), 8000);
  EXPECT_EQ(bravo->GetAltConstraintType(1), 2);
  EXPECT_EQ(bravo->GetAltConstraint(2), kUnsetValue);
  EXPECT_EQ(bravo->GetAltConstraintType(3), 0);
  EXPECT_FALSE(plan.SetAltConstraint(bravo, 3, 1000, AltConstraintType::At));

  plan.MarkExecuted();
  EXPECT_EQ(plan.IsModified(), 0);
  CLeg* charlie = bravo->GetNext();
  CLeg* echo = plan.InsertLeg(charlie, "ECHO", CLatLon(47.6, -8.7));
  EXPECT_EQ(plan.IsModified(), 1);
  EXPECT_EQ(echo->IsChanged(), 1);
  EXPECT_EQ(charlie->IsChanged(), 1) << "it starts at the new waypoint now";
  EXPECT_EQ(bravo->IsChanged(), 0);

  plan.MarkExecuted();
  ASSERT_TRUE(plan.SetHold(charlie, CHold(90, kTurnLeft, kUnsetValue, 1.0, 210)));
  EXPECT_TRUE(charlie->IsHolding());
  EXPECT_EQ(charlie->GetHold()->GetTurnDirection(), kTurnLeft);
  EXPECT_EQ(plan.IsModified(), 1);
  plan.SetExitHold(1);
  EXPECT_EQ(plan.GetExitHold(), 1);
  ASSERT_TRUE(plan.ClearHold(charlie));
  EXPECT_FALSE(charlie->IsHolding());
  EXPECT_EQ(charlie->GetHold(), nullptr);
}

TEST(FlightPlan, DirectToAndDirectInterceptStartFromThePresentPosition) {
  CFlightPlan plan = ThreeWaypoints();
  const CLatLon present(47.3, -8.0);
  CLeg* charlie = plan.GetFirstLeg()->GetNext()->GetNext();
  ASSERT_TRUE(plan.DirectTo(charlie, present));
  EXPECT_EQ(Route(plan), (std::vector<std::string>{"CHARL", "QXBB", kNoLegIdent}));
  EXPECT_EQ(plan.GetFirstLeg(), charlie);
  EXPECT_EQ(plan.GetPrevLeg(), charlie);
  EXPECT_EQ(charlie->GetType(), 1);
  EXPECT_DOUBLE_EQ(charlie->GetFromPosition()->GetLat(), 47.3);
  // Anchored legs keep their start through later edits before the destination.
  plan.InsertLeg(nullptr, "FOXTR", CLatLon(47.9, -8.9));
  EXPECT_DOUBLE_EQ(charlie->GetFromPosition()->GetLat(), 47.3);

  ASSERT_TRUE(plan.DirectIntercept(charlie, present, 360.0));
  EXPECT_TRUE(charlie->IsDirectIntercept());
  // The leg is the inbound course: its FROM due south of the fix, as far
  // out as the aircraft is.
  const CLatLon& from = *charlie->GetFromPosition();
  const CLatLon& to = *charlie->GetToPosition();
  EXPECT_NEAR(from.GetLon(), to.GetLon(), 1e-9);
  EXPECT_NEAR(InitialBearing(from.GetLat(), from.GetLon(), to.GetLat(), to.GetLon()), 360.0, 1e-6);
  EXPECT_NEAR(charlie->GetLegDistance(),
              GreatCircleDistanceNm(present.GetLat(), present.GetLon(), to.GetLat(), to.GetLon()), 1e-6);
  EXPECT_FALSE(plan.DirectTo(charlie, CLatLon())) << "no present position";
  CFlightPlan other = ThreeWaypoints();
  EXPECT_FALSE(plan.DirectTo(other.GetFirstLeg(), present)) << "a leg of another route";
}

TEST(FlightPlan, ACopySharesNothingAndKeepsTheActiveLeg) {
  CFlightPlan plan = ThreeWaypoints();
  CLeg* bravo = plan.GetFirstLeg()->GetNext();
  plan.SetHold(bravo, CHold(180, kTurnRight, 4.0, kUnsetValue, kUnsetValue));
  bravo->SetProcTurn(CProcTurn(45, 10, kTurnLeft));
  bravo->SetPassType(PassType::FlyOver);
  plan.SequenceLeg();
  plan.MarkExecuted();
  plan.SetExitHold(1);

  CFlightPlan copy(plan);
  EXPECT_EQ(copy.GetExitHold(), 1) << "the exit from the hold goes with the copy";
  EXPECT_EQ(Route(copy), Route(plan));
  EXPECT_STREQ(copy.GetFirstLeg()->GetToIdent(), "BRAVO");
  EXPECT_STREQ(copy.GetPrevLeg()->GetToIdent(), "ALPHA");
  EXPECT_EQ(copy.GetPrevLeg()->GetNext(), copy.GetFirstLeg());
  EXPECT_TRUE(copy.IsExecuted());
  CLeg* copied = copy.GetFirstLeg();
  EXPECT_NE(copied, bravo);
  ASSERT_NE(copied->GetHold(), nullptr);
  EXPECT_NE(copied->GetHold(), bravo->GetHold());
  EXPECT_TRUE(copied->HasProcTurn());
  EXPECT_NE(copied->GetProcTurn(), bravo->GetProcTurn());
  EXPECT_EQ(copied->GetPassType(), static_cast<int32_t>(PassType::FlyOver)) << "a fly-over waypoint stays one";
  CFlightPlan assigned;
  assigned = plan;
  EXPECT_EQ(assigned.GetFirstLeg()->GetPassType(), static_cast<int32_t>(PassType::FlyOver));

  // Editing either leaves the other as it was.
  copy.DeleteLeg(copied->GetNext());
  copy.ClearHold(copied);
  EXPECT_TRUE(plan.HasLegFix("CHARL"));
  EXPECT_TRUE(bravo->IsHolding());
  EXPECT_EQ(plan.IsModified(), 0);
  plan.DeleteLeg(plan.GetFirstLeg()->GetNext());
  ASSERT_EQ(plan.IsModified(), 1);
  plan.Clear();
  EXPECT_EQ(plan.IsModified(), 0) << "a cleared route is not modified, nor executed, nor leaving a hold";
  EXPECT_FALSE(plan.IsExecuted());
  EXPECT_EQ(plan.GetExitHold(), 0);
  EXPECT_TRUE(copy.HasLegFix("BRAVO"));
  EXPECT_STREQ(copy.GetOrigin()->GetIdent(), "QXAA");
}

TEST(FlightPlan, LegsBuiltByProceduresReportTheirGeometry) {
  CLeg leg("FINAL", CLatLon(47, 8), LegType::Final);
  EXPECT_FALSE(leg.HasTurnPoints());
  EXPECT_FALSE(leg.HasArcPoints());
  EXPECT_FALSE(leg.HasProcTurn());
  leg.SetProcTurn(CProcTurn(45, kUnsetValue, kTurnLeft));
  EXPECT_FALSE(leg.HasProcTurn()) << "all three values are needed";
  std::array<CLatLon, CLeg::kTurnPoints> turn = {CLatLon(1, 1), CLatLon(1, 2), CLatLon(1, 3), CLatLon()};
  leg.SetTurnPoints(turn);
  EXPECT_FALSE(leg.HasTurnPoints());
  turn[3] = CLatLon(1, 4);
  leg.SetTurnPoints(turn);
  EXPECT_TRUE(leg.HasTurnPoints());
  EXPECT_DOUBLE_EQ(leg.GetTurnPoint4()->GetLon(), 4);
  EXPECT_EQ(leg.GetArcPoint(10), nullptr);
  EXPECT_EQ(leg.GetArcPoint(-1), nullptr);
  EXPECT_EQ(leg.GetDistToWpt(), kUnsetValue);
  EXPECT_EQ(leg.GetEtaAtWpt(), kUnsetValue);
  EXPECT_EQ(leg.GetLegDistance(), 0.0) << "no FROM yet: a segment that is not drawn";
}

TEST(FlightPlan, ALongRouteIsFreedWithoutRecursion) {
  CFlightPlan plan;
  CLeg* last = plan.InsertLeg(nullptr, "A", CLatLon(0, 0));
  // Built by hand: the route's own edits walk the chain each time.
  for (int i = 0; i < 100000; ++i) {
    CLeg* leg = new CLeg("B", CLatLon(0, 0), LegType::Direct);
    leg->SetNext(last->GetNext());
    last->SetNext(leg);
  }
  EXPECT_EQ(plan.CountLegs(), 100002);
  RunOnSmallStack([&plan] { plan.Clear(); });
}

}  // namespace
}  // namespace halcyon::test
