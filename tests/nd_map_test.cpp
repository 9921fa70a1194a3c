// The navigation display's map and plan modes over routes built by hand: the
// projection's worked values and the plan centre, the pens of executed,
// modified and inactive routes, the legs the segment gate leaves out, turns,
// DME arcs, holds and procedure turns with their sizes, the waypoint texts,
// the distance and ETA block, the nearby navaids, airports and fixes with
// their toggles and exclusions, origin and destination, the FIX INFO fixes,
// the altitude-preselect arc, the path markers and NO PLAN MODE.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "core/panel_services.h"
#include "core/switch.h"
#include "displays/efis/display_states.h"
#include "displays/efis/efis_dimmer.h"
#include "displays/efis/efis_mcp.h"
#include "displays/efis/screen_geometry.h"
#include "displays/nd/nav_display.h"
#include "displays/nd/nd_map.h"
#include "fmc/fms.h"
#include "gauges/element_helpers.h"
#include "nav/great_circle.h"
#include "platform/gfx_surface.h"
#include "systems/dfgs.h"
#include "systems/irs.h"
#include "tests/cockpit.h"
#include "tests/same_picture.h"

namespace halcyon::test {
namespace {

using platform::gfx::Color;
using platform::gfx::DrawingLog;
using platform::gfx::DrawnItem;
using platform::gfx::Near;
using platform::gfx::PointF;
using Kind = DrawnItem::Kind;

constexpr Color kWhite{255, 255, 255};
constexpr Color kMagenta{255, 80, 255};
constexpr Color kCyan{10, 155, 244};
constexpr Color kGreenPen{0, 255, 0};
constexpr Color kGreenText{0, 225, 0};
constexpr Color kGreenDash{0, 200, 0};
constexpr Color kDarkGreen{0, 150, 0};
constexpr Color kRed{255, 0, 0};
constexpr Color kAmber{230, 180, 30};

// Mid-Atlantic, far from the shipped airports and sample navaids.
constexpr double kLat = 45.0;
constexpr double kLonWest = 30.0;

// A point `nm` from the aircraft on a true bearing.
CLatLon Away(double bearingDeg, double nm, double fromLat = kLat, double fromLon = kLonWest) {
  const GeoPointDeg p = DestinationPoint(fromLat, fromLon, bearingDeg, nm);
  return {p.latitudeDeg, p.longitudeDeg};
}

CAirport Airport(const char* ident, const CLatLon& at, const char* runway, const CLatLon& threshold, double headingMag) {
  CAirport airport(ident, at, 100.0, "TEST FIELD");
  airport.AddRunway(CRunway(runway, threshold, headingMag, 9000.0, 100.0));
  return airport;
}

// The ND in map or plan mode over the FMS's routes: powered, both IRS in
// NAV, lit, on the ground (the track is the heading) at kLat/kLonWest with
// the FMS position aligned there.
class MapScreen {
 public:
  explicit MapScreen(Cockpit& cockpit, double trackDeg = 0.0)
      : cockpit_(cockpit),
        element_(GetNthElement(cockpit.gauge("EFIS ND")->elements, 1)),
        surface_(cockpit.surface("EFIS ND")),
        nav_(*g_fms.GetFmsNav()) {
    cockpit.powerUp().irsInNav();
    SetEfisDimmer(kDimmerPfd, 1.0);
    SetEfisDimmer(kDimmerNd, 1.0);
    for (uint32_t& toggle : {std::ref(g_efisMcp.declutterNaid), std::ref(g_efisMcp.declutterArpt),
                             std::ref(g_efisMcp.declutterData), std::ref(g_efisMcp.declutterWpt)}) {
      toggle = 0;
    }
    cockpit.set(Token::OnGround, 1).set(Token::HeadingDeg, trackDeg).setPosition(kLat, -kLonWest);
    cockpit.runSeconds(6);
    g_fms.AlignToAircraftPosition();
  }
  // One frame drawn directly, in a mode and range.
  const DrawingLog& draw(uint32_t mode, uint32_t range) {
    g_efisMcp.mode = mode;
    g_efisMcp.range = range;
    mode_ = mode;
    range_ = range;
    surface_->StartRecording();
    DrawNavDisplay(element_, 1.0, 1.0, 1.0);
    surface_->StopRecording();
    return surface_->Log();
  }
  // A second of ticks in a mode and range, so the gauge's own frames refill the nearby lists.
  MapScreen& settle(uint32_t mode, uint32_t range) {
    g_efisMcp.mode = mode;
    g_efisMcp.range = range;
    cockpit_.runSeconds(1.2);
    return *this;
  }
  // Where the map draws a position in the last mode and range, about `centre`.
  PointF at(const CLatLon& p, const CLatLon& centre = CLatLon(kLat, kLonWest)) const {
    const double scale = (mode_ == kEfisModePlan ? -6000.0 : -12600.0) / (10 << range_);
    PointF out;
    EXPECT_TRUE(ProjectNdPoint(centre, p, scale, out));
    if (mode_ != kEfisModePlan) RotatePoint(out, 360.0 - GetGroundTrackForTest());
    const PointF origin = mode_ == kEfisModePlan ? PointF(150, 150) : PointF(150, 227);
    return {origin.x + out.x, origin.y + out.y};
  }
  double GetGroundTrackForTest() const { return cockpit_.token(Token::HeadingDeg); }
  CFmsNav& nav() { return nav_; }
  CFlightPlan& route(int slot) { return *nav_.GetRoute(slot); }
  Cockpit& cockpit() { return cockpit_; }
  platform::gfx::Surface& surface() { return *surface_; }

 private:
  Cockpit& cockpit_;
  platform::ELEMENT_HEADER* element_;
  platform::gfx::Surface* surface_;
  CFmsNav& nav_;
  uint32_t mode_ = kEfisModeMap;
  uint32_t range_ = 0;
};

// A route to the north: origin runway 36 a mile behind the aircraft, then
// `idents` each `spacingNm` further on bearing `bearing`.
void BuildRoute(CFlightPlan& route, std::initializer_list<const char*> idents, double bearing = 0.0,
                double spacingNm = 10.0) {
  route.Clear();
  const CLatLon start = Away(180.0, 1.0);
  route.SetOrigin(Airport("ORIG", start, "36", start, 0.0));
  route.SelectOriginRunway("36");
  double nm = 0.0;
  for (const char* ident : idents) route.InsertLeg(nullptr, ident, Away(bearing, nm += spacingNm));
}

CLeg* LegTo(CFlightPlan& route, const std::string& ident) {
  for (CLeg* leg = route.GetPrevLeg(); leg != nullptr; leg = leg->GetNext()) {
    if (ident == leg->GetToIdent()) return leg;
  }
  ADD_FAILURE() << "no leg to " << ident;
  return route.GetFirstLeg();
}

std::vector<const DrawnItem*> Lines(const DrawingLog& log, Color color, bool dashed) {
  std::vector<const DrawnItem*> out;
  for (const DrawnItem* item : log.Find(Kind::DrawLine, color)) {
    if ((item->dashOn > 0.0f) == dashed) out.push_back(item);
  }
  return out;
}
bool HasLine(const DrawingLog& log, Color color, bool dashed, PointF from, PointF to, float tolerance = 0.6f) {
  for (const DrawnItem* item : Lines(log, color, dashed)) {
    if (Near(item->design[0], from, tolerance) && Near(item->design[1], to, tolerance)) return true;
  }
  return false;
}
// The waypoint stars of a colour, by their centres.
std::vector<PointF> Stars(const DrawingLog& log, Color color) {
  std::vector<PointF> centres;
  for (const DrawnItem* item : log.Find(Kind::DrawPolygon, color)) {
    if (item->points.size() == 8 && Near(item->points[0], {item->points[4].x, item->points[4].y - 14}, 0.01f)) {
      centres.push_back({item->design[0].x, item->design[0].y + 7});
    }
  }
  return centres;
}
// The 8-unit circles of airports and markers in a colour.
size_t SmallCircles(const DrawingLog& log, Color color) {
  const auto circles = log.Find(Kind::DrawEllipse, color);
  return static_cast<size_t>(std::count_if(circles.begin(), circles.end(), [](const DrawnItem* c) {
    return std::fabs(c->points[2].x - c->points[0].x - 8.0f) < 0.01f;
  }));
}
const DrawnItem* Text(const DrawingLog& log, const std::wstring& text) {
  const auto found = log.Texts(text);
  return found.empty() ? nullptr : found[0];
}

// The plan aircraft's nose: its first vertex, 16 units from its centre.
const DrawnItem* PlanAircraft(const DrawingLog& log) {
  for (const DrawnItem* item : log.Find(Kind::DrawPolygon, kWhite)) {
    if (item->points.size() == 17) return item;
  }
  return nullptr;
}

TEST(NdMap, ProjectsTheWorkedValuesAndCentresThePlanOnTheLegsPage) {
  Cockpit cockpit;
  MapScreen nd(cockpit, 30.0);
  // Plan at 80 NM: north up whatever the track, centred on the LEGS page's
  // centre waypoint (the first); the next one 80 NM north lies 100 units up.
  BuildRoute(nd.route(1), {"CENTR", "NORTH"}, 0.0, 40.0);
  LegTo(nd.route(1), "NORTH")->GetToPosition()->Set(Away(0.0, 120.0));
  const DrawingLog& plan = nd.draw(kEfisModePlan, 3);
  const auto white = Stars(plan, kWhite);
  ASSERT_EQ(white.size(), 1u);
  EXPECT_TRUE(Near(white[0], {150, 50}, 0.5f)) << white[0].x << "," << white[0].y;
  const auto ring = plan.Find(Kind::DrawEllipse, kCyan);
  ASSERT_EQ(ring.size(), 1u);
  EXPECT_TRUE(Near(ring[0]->design[0], {100, 100}) && Near(ring[0]->design[2], {200, 200}));
  const auto labels = plan.Texts(L"40");
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_TRUE(Near(labels[0]->design[0], {100, 142}) && Near(labels[1]->design[0], {200, 142}));
  // The plan aircraft sits 40 NM south of the centre, nose along the true track.
  const double a = 30.0 * kRadiansPerDegree;
  const DrawnItem* aircraft = PlanAircraft(plan);
  ASSERT_NE(aircraft, nullptr);
  EXPECT_TRUE(Near(aircraft->design[0], {static_cast<float>(150 + 16 * std::sin(a)),
                                         static_cast<float>(200 - 16 * std::cos(a))}, 0.6f))
      << aircraft->design[0].x << "," << aircraft->design[0].y;
  // A centre leg without a waypoint: the plan stays on the FMS position.
  nd.route(1).GetFirstLeg()->SetType(LegType::None);
  aircraft = PlanAircraft(nd.draw(kEfisModePlan, 3));
  ASSERT_NE(aircraft, nullptr);
  EXPECT_TRUE(Near(aircraft->design[0], {static_cast<float>(150 + 16 * std::sin(a)),
                                         static_cast<float>(150 - 16 * std::cos(a))}, 0.6f));

  // 40 NM straight ahead on the track at 80 NM: halfway to the arc's top.
  BuildRoute(nd.route(1), {"AHEAD"}, 30.0, 40.0);
  ASSERT_TRUE(nd.nav().Activate(1));
  ASSERT_TRUE(nd.nav().Execute());
  const auto map = Stars(nd.draw(kEfisModeMap, 3), kMagenta);
  ASSERT_EQ(map.size(), 1u);
  EXPECT_TRUE(Near(map[0], {150, 227 - 105}, 0.5f)) << map[0].x << "," << map[0].y;
}

TEST(NdMap, FmsPositionUnknownCentresThePlanOnTheEquatorAndMeridian) {
  Cockpit cockpit;
  MapScreen nd(cockpit);
  g_fms.GetFmsNav()->SetIrsAligning(0);  // the FMS position is dropped
  ASSERT_FALSE(g_fms.GetAfmcPosition()->IsValid());
  CFlightPlan& rte2 = nd.route(2);
  rte2.Clear();
  rte2.InsertLeg(nullptr, "ZERO", CLatLon(0.0, 0.0));
  rte2.InsertLeg(nullptr, "EAST", CLatLon(0.0, -1.0));
  const DrawingLog& plan = nd.draw(kEfisModePlan, 5);
  // RTE 2 (nothing executed) in dashed cyan; its first leg's FROM is unset, the second runs 60 NM east.
  EXPECT_TRUE(HasLine(plan, kCyan, true, {150, 150}, {150 + 60 * 100.0f / 320, 150})) << "no leg from (0, 0)";
}

TEST(NdMap, RoutesTakeTheirPensByExecutionAndModification) {
  Cockpit cockpit;
  MapScreen nd(cockpit);
  BuildRoute(nd.route(1), {"ONE1", "ONE2", "ONE3"}, 0.0);
  BuildRoute(nd.route(2), {"TWO1", "TWO2", "TWO3"}, 60.0);
  // Nothing executed: RTE 2 by the first pass and RTE 1 by the second, both dashed cyan.
  DrawingLog log = nd.draw(kEfisModeMap, 1);
  EXPECT_TRUE(HasLine(log, kCyan, true, nd.at(Away(60, 10)), nd.at(Away(60, 20))));
  EXPECT_TRUE(HasLine(log, kCyan, true, nd.at(Away(0, 10)), nd.at(Away(0, 20))));
  EXPECT_TRUE(Lines(log, kMagenta, false).empty());
  EXPECT_EQ(Lines(log, kCyan, true).size(), 6u) << "each route's runway leg and two more";
  const auto stars = Stars(log, kWhite);
  EXPECT_TRUE(std::any_of(stars.begin(), stars.end(), [&](PointF p) { return Near(p, nd.at(Away(60, 10)), 0.6f); }))
      << "a star on a waypoint off to the side";
  for (const DrawnItem* star : log.Find(Kind::DrawPolygon, kWhite)) {
    if (star->design.size() != 8) continue;
    for (size_t i = 1; i < 8; ++i) {
      const PointF& b = star->design[8 - i];
      EXPECT_TRUE(Near(star->design[i], {2 * star->design[0].x - b.x, b.y}, 0.01f)) << "the star is symmetric " << i;
    }
  }

  // RTE 1 executed: the active copy solid magenta; RTE 2 only while route 2 is selected.
  ASSERT_TRUE(nd.nav().Activate(1));
  ASSERT_TRUE(nd.nav().Execute());
  log = nd.draw(kEfisModeMap, 1);
  EXPECT_TRUE(HasLine(log, kMagenta, false, nd.at(Away(0, 10)), nd.at(Away(0, 20))));
  EXPECT_TRUE(Lines(log, kCyan, true).empty());
  nd.nav().SetActiveRouteIndex(2);
  EXPECT_EQ(Lines(nd.draw(kEfisModeMap, 1), kCyan, true).size(), 3u);
  nd.nav().SetActiveRouteIndex(1);

  // RTE 1 edited: only its changed legs, dashed white; the active copy stays magenta.
  nd.route(1).InsertLeg(LegTo(nd.route(1), "ONE3"), "NEW", Away(20, 25));
  ASSERT_NE(nd.route(1).IsModified(), 0);
  log = nd.draw(kEfisModeMap, 1);
  const auto dashed = Lines(log, kWhite, true);
  EXPECT_EQ(dashed.size(), 2u) << "the new leg and the one after it";
  for (const DrawnItem* line : dashed) {
    EXPECT_EQ(line->dashOn, 3.0f);
    EXPECT_EQ(line->dashOff, 3.0f);
  }
  EXPECT_TRUE(HasLine(log, kWhite, true, nd.at(Away(0, 20)), nd.at(Away(20, 25))));
  EXPECT_TRUE(HasLine(log, kMagenta, false, nd.at(Away(0, 20)), nd.at(Away(0, 30))));
  EXPECT_NE(Text(log, L"NEW"), nullptr);
  EXPECT_EQ(Text(log, L"ONE1")->color, kMagenta) << "the active waypoint";

  // Route 2 executed and edited: the same from the other side.
  nd.nav().SetActiveRouteIndex(2);
  ASSERT_TRUE(nd.nav().Activate(2));
  ASSERT_TRUE(nd.nav().Execute());
  ASSERT_EQ(nd.nav().GetExecRoute(), 2);
  nd.route(2).InsertLeg(LegTo(nd.route(2), "TWO2"), "NEW2", Away(30, 12));
  log = nd.draw(kEfisModeMap, 1);
  EXPECT_TRUE(HasLine(log, kWhite, true, nd.at(Away(60, 10)), nd.at(Away(30, 12))));
  EXPECT_TRUE(HasLine(log, kMagenta, false, nd.at(Away(60, 10)), nd.at(Away(60, 20))));
}

TEST(NdMap, TheSegmentGateLeavesOutLegsAfterVectorsZeroLengthAndAfterProcedures) {
  Cockpit cockpit;
  MapScreen nd(cockpit);
  CFlightPlan& rte1 = nd.route(1);
  BuildRoute(rte1, {"W1", "W2", "W3", "W4", "W5", "W6", "W7"}, 0.0, 5.0);
  LegTo(rte1, "W2")->SetSpecial(LegSpecial::Vectors);
  rte1.InsertLeg(LegTo(rte1, "W5"), "W4B", Away(0, 20));  // where W4 is: zero length
  rte1.InsertLeg(LegTo(rte1, "W7"), "W6B", Away(0, 30));  // zero length, and VECTORS
  LegTo(rte1, "W6B")->SetSpecial(LegSpecial::Vectors);
  const DrawingLog& log = nd.draw(kEfisModeMap, 0);
  auto drawn = [&](const char* to) {
    CLeg* leg = LegTo(rte1, to);
    return HasLine(log, kCyan, true, nd.at(*leg->GetFromPosition()), nd.at(*leg->GetToPosition()));
  };
  EXPECT_TRUE(drawn("W1"));
  EXPECT_TRUE(drawn("W2")) << "a VECTORS leg itself is drawn";
  EXPECT_FALSE(drawn("W3")) << "the leg after a VECTORS leg";
  EXPECT_EQ(LegTo(rte1, "W4B")->GetLegDistance(), 0.0);
  EXPECT_FALSE(drawn("W4B")) << "zero length";
  EXPECT_TRUE(drawn("W5")) << "after a zero-length leg";
  EXPECT_TRUE(drawn("W6B")) << "zero length but VECTORS";
  EXPECT_FALSE(drawn("W7")) << "after a VECTORS leg";
}

TEST(NdMap, DestinationLegNeedsItsRunwayAndNoProcedureBeforeIt) {
  Cockpit cockpit;
  MapScreen nd(cockpit);
  CFlightPlan& rte1 = nd.route(1);
  BuildRoute(rte1, {"W1", "W2"}, 0.0, 10.0);
  rte1.SetDestination(Airport("DEST", Away(0, 40), "36", Away(0, 38), 0.0));
  ASSERT_TRUE(nd.nav().Activate(1));
  ASSERT_TRUE(nd.nav().Execute());
  CFlightPlan& active = nd.route(3);
  const PointF w2 = nd.at(Away(0, 20));
  // No runway selected: nothing to the destination on the active route.
  DrawingLog log = nd.draw(kEfisModeMap, 0);
  EXPECT_FALSE(HasLine(log, kMagenta, false, w2, nd.at(Away(0, 40))));
  EXPECT_EQ(Text(log, L"DEST")->color, kWhite) << "its circle and ident";
  EXPECT_EQ(SmallCircles(log, kWhite), 1u) << "the destination as a circle with no runway";
  // The runway selected: the leg runs to its threshold.
  ASSERT_TRUE(active.SelectDestinationRunway("36"));
  log = nd.draw(kEfisModeMap, 0);
  EXPECT_TRUE(HasLine(log, kMagenta, false, w2, nd.at(Away(0, 38))));
  // After a STAR leg: not drawn.
  LegTo(active, "W2")->SetType(LegType::Star);
  EXPECT_FALSE(HasLine(nd.draw(kEfisModeMap, 0), kMagenta, false, w2, nd.at(Away(0, 38))));
  LegTo(active, "W2")->SetType(LegType::Final);
  EXPECT_FALSE(HasLine(nd.draw(kEfisModeMap, 0), kMagenta, false, w2, nd.at(Away(0, 38))));
  LegTo(active, "W2")->SetType(LegType::Airway);
  EXPECT_TRUE(HasLine(nd.draw(kEfisModeMap, 0), kMagenta, false, w2, nd.at(Away(0, 38))));
}

TEST(NdMap, ActiveLegsRunBetweenTheirTurnsAndTheTurnIsACurve) {
  Cockpit cockpit;
  MapScreen nd(cockpit);
  BuildRoute(nd.route(1), {"W1", "W2", "W3"}, 0.0, 10.0);
  ASSERT_TRUE(nd.nav().Activate(1));
  ASSERT_TRUE(nd.nav().Execute());
  CFlightPlan& active = nd.route(3);
  const std::array<CLatLon, 4> turn = {Away(0, 18), Away(1, 21), Away(0, 19.5), Away(0.5, 20.5)};
  LegTo(active, "W2")->SetTurnPoints(turn);
  const DrawingLog& log = nd.draw(kEfisModeMap, 0);
  EXPECT_TRUE(HasLine(log, kMagenta, false, nd.at(Away(0, 10)), nd.at(turn[0]))) << "W2's leg ends where its turn starts";
  EXPECT_TRUE(HasLine(log, kMagenta, false, nd.at(turn[1]), nd.at(Away(0, 30)))) << "W3's starts where it ends";
  const auto curves = log.Find(Kind::DrawBezier, kMagenta);
  ASSERT_EQ(curves.size(), 1u);
  EXPECT_TRUE(Near(curves[0]->design[0], nd.at(turn[0])) && Near(curves[0]->design[1], nd.at(turn[2])) &&
              Near(curves[0]->design[2], nd.at(turn[3])) && Near(curves[0]->design[3], nd.at(turn[1])));
  // The next leg an arc: no turn curve onto it.
  LegTo(active, "W3")->SetSpecial(LegSpecial::Arc);
  EXPECT_TRUE(nd.draw(kEfisModeMap, 0).Find(Kind::DrawBezier, kMagenta).empty());
}

TEST(NdMap, DmeArcsAndProcedureTurnsAreMagentaOnEveryRoute) {
  Cockpit cockpit;
  MapScreen nd(cockpit);
  CFlightPlan& rte1 = nd.route(1);
  BuildRoute(rte1, {"W1", "ARC", "PT", "W4"}, 0.0, 10.0);
  std::array<CLatLon, CLeg::kArcPoints> arc;
  for (int i = 0; i < CLeg::kArcPoints; ++i) arc[i] = Away(10.0 + 2.0 * i, 15.0);
  LegTo(rte1, "ARC")->SetArcPoints(arc);
  LegTo(rte1, "PT")->SetProcTurn(CProcTurn(90.0, 5.0, kTurnLeft));
  // Nothing executed: the arc through FROM, its ten points and its fix.
  const DrawingLog& log = nd.draw(kEfisModePlan, 1);
  const auto curves = log.Find(Kind::DrawCurve, kMagenta);
  ASSERT_EQ(curves.size(), 1u);
  ASSERT_EQ(curves[0]->points.size(), 12u);
  EXPECT_TRUE(Near(curves[0]->design[0], nd.at(Away(0, 10), Away(0, 10))));
  EXPECT_TRUE(Near(curves[0]->design[11], nd.at(Away(0, 20), Away(0, 10))));
  // The procedure turn, 5 NM at 20 NM plan: D = 25 units, 50 back from the fix and 25 to its side.
  const auto turns = log.Find(Kind::DrawPath, kMagenta);
  ASSERT_EQ(turns.size(), 1u);
  float minX = 1e9f, maxX = -1e9f, maxY = -1e9f;
  for (const PointF& p : turns[0]->points) {
    minX = std::min(minX, p.x), maxX = std::max(maxX, p.x), maxY = std::max(maxY, p.y);
  }
  EXPECT_NEAR(minX, -25.0f, 0.01f);
  EXPECT_NEAR(maxX, 0.0f, 0.01f);
  EXPECT_NEAR(maxY, 50.0f, 1.0f) << "the half circle's lowest point and its controls";
  // Turned by the inbound course + 315 + the variation at the leg's FROM: the local (0, 25) points that way + 180.
  const double variation = g_fms.GetNavDatabase()->MagVarAtPosition(*LegTo(rte1, "PT")->GetFromPosition());
  const double angle = (90.0 + 315.0 + variation) * kRadiansPerDegree;
  const PointF fix = nd.at(Away(0, 30), Away(0, 10));
  const auto line = std::find_if(turns[0]->points.begin(), turns[0]->points.end(),
                                 [](PointF p) { return Near(p, {-25, 25}, 0.01f); });
  ASSERT_NE(line, turns[0]->points.end());
  const PointF turned = turns[0]->design[line - turns[0]->points.begin()];
  EXPECT_TRUE(Near(turned, {static_cast<float>(fix.x - 25 * std::cos(angle) - 25 * std::sin(angle)),
                            static_cast<float>(fix.y - 25 * std::sin(angle) + 25 * std::cos(angle))}, 0.6f))
      << turned.x << "," << turned.y;
}

// The racetrack's four corners where the straight sides meet the turns, in its own frame.
void ExpectRacetrack(const DrawnItem* hold, float width, float straight, float side) {
  ASSERT_NE(hold, nullptr);
  for (PointF corner : {PointF(-side, -width / 6), PointF(width - side, -width / 6),
                        PointF(width - side, straight + width / 6), PointF(-side, straight + width / 6)}) {
    EXPECT_TRUE(std::any_of(hold->points.begin(), hold->points.end(), [&](PointF p) { return Near(p, corner, 0.01f); }))
        << "no corner at " << corner.x << "," << corner.y;
  }
  float top = 1e9f, bottom = -1e9f;
  for (PointF p : hold->points) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
  EXPECT_LE(top, -2 * width / 3 + 0.01f);
  EXPECT_GE(bottom, straight + 2 * width / 3 - 0.01f);
}

TEST(NdMap, HoldsAreSixMilesWideAndAsLongAsTheirLegOrTime) {
  Cockpit cockpit;
  MapScreen nd(cockpit, 20.0);
  CFlightPlan& rte1 = nd.route(1);
  BuildRoute(rte1, {"W1", "HOLD", "W3"}, 0.0, 10.0);
  ASSERT_TRUE(rte1.SetHold(LegTo(rte1, "HOLD"), CHold(180.0, kTurnRight, 4.0, kUnsetValue, kUnsetValue)));
  // 10 NM map: 21 units a NM, the 4-NM hold 126 wide with sides of 84 + 42.
  DrawingLog log = nd.draw(kEfisModeMap, 0);
  const auto inactive = log.Find(Kind::DrawPath, kCyan);
  ASSERT_EQ(inactive.size(), 1u);
  EXPECT_GT(inactive[0]->dashOn, 0.0f);
  ExpectRacetrack(inactive[0], 126, 84, 0);
  // Turned by the inbound course + 360 - track: the local frame's (0, -10) points 180 - 20 degrees clockwise of up.
  const PointF fix = nd.at(Away(0, 20));
  EXPECT_TRUE(Near(inactive[0]->design[0], {static_cast<float>(fix.x + 21 * std::sin(160 * kRadiansPerDegree)),
                                            static_cast<float>(fix.y - 21 * std::cos(160 * kRadiansPerDegree))}, 0.6f));
  EXPECT_EQ(Text(log, L"HOLD"), nullptr) << "a hold neither active nor passed has no ident";

  // Executed: magenta; left turns put it on the other side; a time at a speed; EXIT HOLD.
  ASSERT_TRUE(nd.nav().Activate(1));
  ASSERT_TRUE(nd.nav().Execute());
  CFlightPlan& active = nd.route(3);
  ASSERT_TRUE(active.SetHold(LegTo(active, "HOLD"), CHold(180.0, kTurnLeft, kUnsetValue, 1.5, 200.0)));
  ExpectRacetrack(nd.draw(kEfisModeMap, 0).Find(Kind::DrawPath, kMagenta).at(0), 126, 1.5f / 60 * 200 * 21, 126);
  ASSERT_TRUE(active.SetHold(LegTo(active, "HOLD"), CHold(180.0, kTurnRight, kUnsetValue, 1.5, kUnsetValue)));
  ExpectRacetrack(nd.draw(kEfisModeMap, 0).Find(Kind::DrawPath, kMagenta).at(0), 126, 126, 0);
  active.SetExitHold(1);
  ExpectRacetrack(nd.draw(kEfisModeMap, 1).Find(Kind::DrawPath, kMagenta).at(0), 63, 0, 0);
  // A holding leg that is neither the active nor the passed leg has no star.
  EXPECT_EQ(Stars(nd.draw(kEfisModeMap, 2), kWhite).size(), 1u) << "W3 only";
  // Nor is one far off the screen: W3 at 30 NM lies 630 units up at 10 NM.
  EXPECT_TRUE(Stars(nd.draw(kEfisModeMap, 0), kWhite).empty());
}

TEST(NdMap, WaypointDataAndTheCornerBlockFormTheirTexts) {
  Cockpit cockpit;
  MapScreen nd(cockpit);
  BuildRoute(nd.route(1), {"W1", "W2", "W3", "W4"}, 0.0, 5.0);
  ASSERT_TRUE(nd.nav().Activate(1));
  ASSERT_TRUE(nd.nav().Execute());
  CFlightPlan& active = nd.route(3);
  g_efisMcp.declutterData = 1;
  active.SetAltConstraint(LegTo(active, "W2"), 1, 5000.0, AltConstraintType::AtOrAbove);
  active.SetAltConstraint(LegTo(active, "W2"), 2, 9000.7, AltConstraintType::AtOrBelow);
  LegTo(active, "W2")->SetPrediction(12.0, 945.0);
  active.SetAltConstraint(LegTo(active, "W3"), 2, 7000.0, AltConstraintType::At);
  LegTo(active, "W3")->SetPrediction(17.0, 1002.4);
  LegTo(active, "W1")->SetPrediction(1234.5, 1432.0);
  const DrawingLog& log = nd.draw(kEfisModeMap, 1);
  const PointF w2 = nd.at(Away(0, 10));
  const PointF w3 = nd.at(Away(0, 15));
  const DrawnItem* above = Text(log, L"5000A");
  const DrawnItem* below = Text(log, L"9000B");
  const DrawnItem* eta = Text(log, L"0945Z");
  ASSERT_TRUE(above && below && eta);
  EXPECT_TRUE(Near(above->design[0], {w2.x + 15, w2.y}, 0.6f));
  EXPECT_TRUE(Near(below->design[0], {w2.x + 15, w2.y + 12}, 0.6f));
  EXPECT_TRUE(Near(eta->design[0], {w2.x + 15, w2.y + 24}, 0.6f));
  EXPECT_EQ(above->color, kWhite);
  // Constraint 2 alone is not shown: the ETA takes the first line.
  EXPECT_EQ(Text(log, L"7000"), nullptr);
  ASSERT_NE(Text(log, L"1002Z"), nullptr);
  EXPECT_TRUE(Near(Text(log, L"1002Z")->design[0], {w3.x + 15, w3.y}, 0.6f));
  // The active waypoint's ETA in magenta, and the corner block's distance limited.
  EXPECT_EQ(Text(log, L"1432Z")->color, kMagenta);
  ASSERT_NE(Text(log, L"999.9"), nullptr);
  EXPECT_TRUE(Near(Text(log, L"999.9")->design[0], {3, -4}));
  ASSERT_NE(Text(log, L"1432.0z"), nullptr);
  EXPECT_EQ(Text(log, L"1432.0z")->align, platform::gfx::Align::Far);
  EXPECT_TRUE(Near(Text(log, L"1432.0z")->design[0], {297, -4}));
  EXPECT_NE(Text(log, L"DTW"), nullptr);
  // Without the data toggle: no constraint or ETA beside the waypoints.
  g_efisMcp.declutterData = 0;
  EXPECT_EQ(Text(nd.draw(kEfisModeMap, 1), L"5000A"), nullptr);
  // Nothing predicted: dashes in both corners.
  LegTo(active, "W1")->SetPrediction(kUnsetValue, kUnsetValue);
  EXPECT_EQ(nd.draw(kEfisModeMap, 1).Texts(L"- - -").size(), 2u);
  LegTo(active, "W1")->SetPrediction(999.94, kUnsetValue);
  EXPECT_NE(Text(nd.draw(kEfisModeMap, 1), L"999.9"), nullptr);
}

// Test navaids, airports and fixes north of the aircraft.
void LoadNearbyData() {
  auto east = [](const CLatLon& p) { return std::to_string(p.GetLat()) + "|" + std::to_string(-p.GetLon()); };
  CNavDatabase& db = *g_fms.GetNavDatabase();
  db.LoadNavaids("nd test", "@NAV|ident|type|lat|lon|freq|elev_ft|name\n"
                            "NAV|VORA|VOR|" + east(Away(300, 8)) + "|113.1|0|A\n"
                            "NAV|VDME|VORDME|" + east(Away(60, 8)) + "|113.2|0|B\n"
                            "NAV|DMEC|DME|" + east(Away(120, 8)) + "|113.3|0|C\n"
                            "NAV|NDBD|NDB|" + east(Away(240, 8)) + "|330|0|D\n"
                            "NAV|W1|VORDME|" + east(Away(0, 10)) + "|113.4|0|ON ROUTE\n"
                            "NAV|W2XYZ|VOR|" + east(Away(90, 6)) + "|113.5|0|PREFIX\n"
                            "NAV|W2XYQ|VOR|" + east(Away(80, 12)) + "|113.6|0|FOUR ONLY\n"
                            "NAV|FARN|VOR|" + east(Away(2, 18)) + "|113.7|0|FAR NORTH\n");
  db.LoadAirports("nd test", "@APT|ident|lat|lon|elev_ft|name\n@RWY|airport|ident|lat|lon|heading_mag|length_ft|elev_ft\n"
                   "APT|ZZAP|" + east(Away(340, 7)) + "|0|NEAR\nRWY|ZZAP|09|" + east(Away(340, 7)) + "|90|9000|0\n");
  db.LoadFixes("nd test", "@FIX|ident|lat|lon\nFIX|FIXAA|" + east(Away(30, 6)) + "\nFIX|W2XYZ|" + east(Away(330, 5)) + "\n");
}

TEST(NdMap, NearbyNavaidsAirportsAndFixesFollowTheirTogglesAndExclusions) {
  Cockpit cockpit({.drawClosedWindows = true});
  MapScreen nd(cockpit);
  LoadNearbyData();
  CFlightPlan& rte1 = nd.route(1);
  BuildRoute(rte1, {"W1", "W2XYZABC"}, 0.0, 10.0);
  ASSERT_TRUE(nd.nav().Activate(1));
  ASSERT_TRUE(nd.nav().Execute());
  nd.route(3).SequenceLeg();  // the active waypoint is W2XYZABC
  g_efisMcp.declutterNaid = 1;
  g_efisMcp.declutterArpt = 1;
  g_efisMcp.declutterWpt = 1;
  DrawingLog log = nd.settle(kEfisModeMap, 1).draw(kEfisModeMap, 1);
  auto cyan = [&](const DrawingLog& l, const wchar_t* ident) {
    const DrawnItem* t = Text(l, ident);
    return t != nullptr && t->color == kCyan;
  };
  EXPECT_TRUE(cyan(log, L"VORA"));
  EXPECT_TRUE(cyan(log, L"VDME"));
  EXPECT_TRUE(cyan(log, L"DMEC"));
  EXPECT_FALSE(cyan(log, L"NDBD")) << "an NDB has no cyan symbol";
  EXPECT_FALSE(cyan(log, L"W1")) << "the navaid is a route waypoint: drawn once, in white";
  EXPECT_EQ(log.Texts(L"W1").size(), 1u);
  EXPECT_FALSE(cyan(log, L"W2XYZ")) << "shares its first five characters with the active waypoint";
  EXPECT_TRUE(cyan(log, L"W2XYQ")) << "shares four";
  EXPECT_TRUE(cyan(log, L"FARN")) << "18 NM north: inside the 20-NM box";
  ASSERT_TRUE(cyan(log, L"ZZAP"));
  EXPECT_TRUE(Near(Text(log, L"ZZAP")->design[0], {nd.at(Away(340, 7)).x - 10, nd.at(Away(340, 7)).y - 22}, 0.6f));
  EXPECT_TRUE(cyan(log, L"FIXAA"));
  EXPECT_TRUE(log.Texts(L"W2XYZ").empty()) << "neither the navaid nor the fix of that name";
  // Symbols by type: VOR hexagon (6), VOR/DME outline and hexagon (12 + 6), DME outline (12); fix triangle; airport circle.
  std::vector<size_t> sizes;
  for (const DrawnItem* item : log.Find(Kind::DrawPolygon, kCyan)) sizes.push_back(item->points.size());
  std::sort(sizes.begin(), sizes.end());
  EXPECT_EQ(sizes, (std::vector<size_t>{3, 6, 6, 6, 6, 12, 12}));
  // The navaid and fix symbols stand upright, each a mirror image about its own centre line.
  for (const DrawnItem* item : log.Find(Kind::DrawPolygon, kCyan)) {
    const size_t n = item->design.size();
    if (n != 3 && n != 6 && n != 12) continue;
    const float centre = (item->design[0].x + item->design[1].x) / 2;
    for (size_t i = 0; i < n; ++i) {
      const PointF& a = item->design[i];
      const PointF& b = item->design[(n + 1 - i) % n];
      EXPECT_TRUE(Near(a, {2 * centre - b.x, b.y}, 0.01f)) << n << " " << i;
    }
  }
  EXPECT_EQ(log.Find(Kind::DrawEllipse, kCyan).size(), 1u);

  // Fixes only up to 40 NM: none at 80.
  EXPECT_FALSE(cyan(nd.settle(kEfisModeMap, 3).draw(kEfisModeMap, 3), L"FIXAA"));
  EXPECT_TRUE(cyan(nd.settle(kEfisModeMap, 2).draw(kEfisModeMap, 2), L"FIXAA"));

  // Toggles off: nothing but a FIX INFO fix that stands exactly on a navaid.
  g_efisMcp.declutterNaid = 0;
  g_efisMcp.declutterArpt = 0;
  g_efisMcp.declutterWpt = 0;
  CFms::FixInfo info;
  info.position = *g_fms.GetNavDatabase()->FindNavaid("VORA")->GetPosition();  // exactly
  g_fms.SetFixInfo(1, info);
  log = nd.settle(kEfisModeMap, 1).draw(kEfisModeMap, 1);
  EXPECT_TRUE(cyan(log, L"VORA"));
  EXPECT_FALSE(cyan(log, L"VDME"));
  EXPECT_FALSE(cyan(log, L"ZZAP"));
  EXPECT_FALSE(cyan(log, L"FIXAA"));

  // The navaid search's NDB: its ident in dark green with no symbol; a VOR/DME both.
  g_fms.SetFixInfo(1, CFms::FixInfo());
  g_efisMcp.declutterNaid = 1;
  g_fms.SetNavaidSearchResult(*g_fms.GetNavDatabase()->FindNavaid("NDBD"));
  log = nd.draw(kEfisModeMap, 1);
  ASSERT_NE(Text(log, L"NDBD"), nullptr);
  EXPECT_EQ(Text(log, L"NDBD")->color, kDarkGreen);
  EXPECT_TRUE(log.Find(Kind::DrawPolygon, kDarkGreen).empty());
  g_fms.SetNavaidSearchResult(*g_fms.GetNavDatabase()->FindNavaid("VDME"));
  log = nd.draw(kEfisModeMap, 1);
  EXPECT_EQ(log.Find(Kind::DrawPolygon, kDarkGreen).size(), 2u);
  EXPECT_EQ(log.Texts(L"VDME").size(), 1u) << "drawn as the search's, not again in cyan";

  // The active copy's legs deleted: no nearby symbols even with the toggles on.
  nd.route(3).Clear();
  EXPECT_FALSE(cyan(nd.settle(kEfisModeMap, 1).draw(kEfisModeMap, 1), L"VORA"));
}

TEST(NdMap, OriginAndDestinationShowRunwaysUpToFortyMilesAndTheOtherRoutesAirports) {
  Cockpit cockpit;
  MapScreen nd(cockpit);
  BuildRoute(nd.route(1), {"W1"}, 0.0, 10.0);
  nd.route(1).SetDestination(Airport("DEST", Away(0, 30), "27", Away(0, 29), 270.0));
  nd.route(1).SelectDestinationRunway("27");
  BuildRoute(nd.route(2), {"V1"}, 90.0, 10.0);
  nd.route(2).SetDestination(Airport("OTHR", Away(90, 30), "09", Away(90, 29), 90.0));
  ASSERT_TRUE(nd.nav().Activate(1));
  ASSERT_TRUE(nd.nav().Execute());
  DrawingLog log = nd.draw(kEfisModeMap, 2);
  // Two runway symbols (origin and destination), each two white lines 20 long.
  const double variation = g_fms.GetNavDatabase()->MagVarAtPosition(Away(0, 29));
  const PointF threshold = nd.at(Away(0, 29));
  const double a = (270.0 + variation) * kRadiansPerDegree;
  int runwayLines = 0;
  for (const DrawnItem* line : Lines(log, kWhite, false)) {
    if (std::fabs(std::hypot(line->points[1].x - line->points[0].x, line->points[1].y - line->points[0].y) - 20) < 0.01 &&
        Near(line->points[0], {line->points[0].x, 0}, 0.01f)) {
      ++runwayLines;
    }
  }
  EXPECT_EQ(runwayLines, 4);
  // The destination's pair turned by its heading plus the variation at the threshold.
  auto turnedAt = [&](float x, float y) {
    return PointF(static_cast<float>(threshold.x + std::cos(a) * x - std::sin(a) * y),
                  static_cast<float>(threshold.y + std::sin(a) * x + std::cos(a) * y));
  };
  for (float side : {-2.0f, 2.0f}) {
    EXPECT_TRUE(HasLine(log, kWhite, false, turnedAt(side, 0), turnedAt(side, -20), 0.3f)) << "side " << side;
  }
  EXPECT_NE(Text(log, L"DEST"), nullptr);
  EXPECT_NE(Text(log, L"OTHR"), nullptr) << "the other route's destination, as a circle";
  EXPECT_EQ(SmallCircles(log, kWhite), 2u) << "route 2's origin and destination";
  const auto active = Stars(log, kMagenta);
  ASSERT_EQ(active.size(), 1u);
  EXPECT_TRUE(Near(active[0], nd.at(Away(0, 10)), 0.6f)) << "the waypoint before the destination stays on its own place";
  EXPECT_TRUE(HasLine(log, kMagenta, false, nd.at(Away(0, 10)), threshold)) << "and the last leg runs from it to the threshold";
  // At 80 NM the active route's airports become circles too.
  log = nd.draw(kEfisModeMap, 3);
  EXPECT_EQ(SmallCircles(log, kWhite), 4u);
  bool onTheDestination = false;
  for (const DrawnItem* c : log.Find(Kind::DrawEllipse, kWhite)) {
    const PointF centre((c->design[0].x + c->design[2].x) / 2, (c->design[0].y + c->design[2].y) / 2);
    onTheDestination = onTheDestination || Near(centre, nd.at(Away(0, 30)), 0.6f);
  }
  EXPECT_TRUE(onTheDestination) << "the destination's circle on the airport";
}

TEST(NdMap, FixInfoCirclesRadialsAndTheirFigures) {
  Cockpit cockpit;
  MapScreen nd(cockpit, 90.0);
  BuildRoute(nd.route(1), {"W1"}, 0.0, 10.0);
  const double variation = cockpit.token(Token::MagneticVariationDeg);
  CFms::FixInfo info;
  info.position = Away(0, 20);
  info.radialMagDeg[0] = 90.0 - variation;  // 090 true
  wchar_t radial[8];
  std::swprintf(radial, 8, L"%03d", static_cast<int>(std::trunc(90.0 - variation)));
  info.radialMagDeg[3] = 300.0;
  info.line4Position = Away(0, 30);
  g_fms.SetFixInfo(2, info);
  const DrawingLog& log = nd.draw(kEfisModeMap, 1);
  const PointF fix = nd.at(Away(0, 20));
  const auto circles = log.Find(Kind::DrawEllipse, kGreenPen);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_TRUE(Near(circles[0]->design[0], {fix.x - 11, fix.y - 11}, 0.6f));
  // Track 090: the 090 true radial points straight up the map, 1500 units long; line 4 to its position.
  EXPECT_TRUE(HasLine(log, kGreenDash, true, fix, {fix.x, fix.y - 1500}, 1.0f));
  EXPECT_TRUE(HasLine(log, kGreenDash, true, fix, nd.at(Away(0, 30))));
  // B = 360 - 90 + 90 = 360: turned by B + 90 and moved 40 back: centred 40 units up the radial.
  const DrawnItem* figures = Text(log, radial);
  ASSERT_NE(figures, nullptr);
  EXPECT_EQ(figures->color, kWhite);
  EXPECT_TRUE(Near(figures->design[0], {fix.x, fix.y - 40}, 0.6f)) << figures->design[0].x << "," << figures->design[0].y;
  // In plan the same radial (A = 90 < 180): turned by 0 and moved 30 along it, to the right of the fix.
  const DrawingLog& plan = nd.draw(kEfisModePlan, 1);
  const DrawnItem* planFigures = Text(plan, radial);
  ASSERT_NE(planFigures, nullptr);
  const PointF planFix = nd.at(Away(0, 20), Away(0, 10));
  EXPECT_TRUE(Near(planFigures->design[0], {planFix.x + 30, planFix.y}, 0.6f));
  EXPECT_NE(Text(plan, L"300"), nullptr) << "line 4's figures";
  // Track 000 in map: B = 450, turned by B - 90 and moved 40 out: the figures
  // stand 40 units right of the fix along the radial and read upright.
  cockpit.set(Token::HeadingDeg, 0.0).runSeconds(1.5);
  const DrawnItem* east = Text(nd.draw(kEfisModeMap, 1), radial);
  ASSERT_NE(east, nullptr);
  const PointF eastFix = nd.at(Away(0, 20));
  EXPECT_TRUE(Near(east->design[0], {eastFix.x + 40, eastFix.y}, 0.6f)) << east->design[0].x << "," << east->design[0].y;
  EXPECT_GT(east->design[1].y, east->design[0].y) << "the baseline below the box's top: upright";
}

TEST(NdMap, AltitudeArcReachesThePreselectAtTheClimbRate) {
  Cockpit cockpit;
  MapScreen nd(cockpit);
  SetDfgsSelectedValue(0, 14000.0);
  SetDfgsAltPreselectArm(kAltArmArmed);
  cockpit.set(Token::AltitudeFt, 12000).set(Token::VerticalSpeed, 1300).set(Token::GroundSpeedMps, 120);
  // 2000 ft at 1000 ft/min and 233.26 kt: 7.78 NM, 81.6 units at 20 NM.
  DrawingLog log = nd.draw(kEfisModeMap, 1);
  auto radius = [](const DrawingLog& l) {
    const auto arcs = l.Find(Kind::DrawEllipse, kGreenPen);
    return arcs.empty() ? -1.0f : std::fabs(arcs[0]->design[2].x - arcs[0]->design[0].x) / 2;
  };
  EXPECT_NEAR(radius(log), 81.6f, 0.05f);
  const auto clips = log.Find(Kind::SetClip);
  EXPECT_TRUE(std::any_of(clips.begin(), clips.end(), [](auto* c) {
    return c->clipMode == platform::gfx::ClipMode::Intersect && c->points.size() == 3;
  })) << "the triangle ahead of the aircraft";
  // Descending toward it from above: the same circle.
  cockpit.set(Token::AltitudeFt, 16000).set(Token::VerticalSpeed, -1300);
  EXPECT_NEAR(radius(nd.draw(kEfisModeMap, 1)), 81.6f, 0.05f);
  cockpit.set(Token::VerticalSpeed, 0);
  EXPECT_LT(radius(nd.draw(kEfisModeMap, 1)), 0.0f) << "level: no arc";
  cockpit.set(Token::VerticalSpeed, 1300);
  SetDfgsAltPreselectArm(kAltArmCapturing);
  EXPECT_LT(radius(nd.draw(kEfisModeMap, 1)), 0.0f) << "only while armed";
  SetDfgsAltPreselectArm(kAltArmArmed);
  EXPECT_LT(radius(nd.draw(kEfisModePlan, 1)), 0.0f) << "map mode only";
}

TEST(NdMap, PathMarkersInBothModesAndNoPlanModeInItsColours) {
  Cockpit cockpit;
  MapScreen nd(cockpit);
  nd.nav().GetTcPosition()->Set(Away(0, 5));
  nd.nav().GetTdPosition()->Set(Away(0, 9));
  for (uint32_t mode : {kEfisModeMap, kEfisModePlan}) {
    const DrawingLog& log = nd.draw(mode, 0);
    const DrawnItem* tc = Text(log, L"T/C");
    ASSERT_NE(tc, nullptr);
    EXPECT_EQ(tc->color, kGreenText);
    EXPECT_EQ(tc->align, platform::gfx::Align::Far);
    const PointF at = nd.at(Away(0, 5));
    EXPECT_TRUE(Near(tc->design[0], {at.x - 7, at.y - 5}, 0.6f));
    EXPECT_NE(Text(log, L"T/D"), nullptr);
    EXPECT_EQ(Text(log, L"E/D"), nullptr) << "unset: skipped";
    EXPECT_EQ(log.Find(Kind::DrawEllipse, kGreenPen).size(), 2u);
  }
  // Navigation lost: amber NO PLAN MODE; the ring and the corner block stay, the rest goes.
  BuildRoute(nd.route(1), {"W1"}, 0.0, 5.0);
  SetSwitch(&g_irs1State, kIrsAligned);
  SetSwitch(&g_irs2State, kIrsAligned);
  ASSERT_EQ(IsIrsNavValid(), 0u);
  ASSERT_NE(IsIrsHeadingValid(), 0u);
  DrawingLog log = nd.draw(kEfisModePlan, 0);
  ASSERT_NE(Text(log, L"NO PLAN MODE"), nullptr);
  EXPECT_EQ(Text(log, L"NO PLAN MODE")->color, kAmber);
  EXPECT_TRUE(Near(Text(log, L"NO PLAN MODE")->design[0], {150, 155}));
  EXPECT_EQ(log.Find(Kind::DrawEllipse, kCyan).size(), 1u);
  EXPECT_EQ(Text(log, L"T/C"), nullptr);
  EXPECT_EQ(Text(log, L"W1"), nullptr);
  SetSwitch(&g_irs1State, kIrsAtt);
  SetSwitch(&g_irs2State, kIrsAtt);
  EXPECT_EQ(Text(nd.draw(kEfisModePlan, 0), L"NO PLAN MODE")->color, kRed);
  EXPECT_EQ(Text(nd.draw(kEfisModeMap, 0), L"NO PLAN MODE"), nullptr);
  // The EFIS test hides the map, not the ring, and raises no flag.
  cockpit.irsInNav();
  SetEfisTestSwitch(kEfisTestPressed);
  ASSERT_NE(IsEfisTestActive(), 0u);
  log = nd.draw(kEfisModePlan, 0);
  EXPECT_EQ(Text(log, L"NO PLAN MODE"), nullptr);
  EXPECT_EQ(log.Texts(L"5").size(), 2u);
  EXPECT_EQ(Text(log, L"T/C"), nullptr);
  SetEfisTestSwitch(kEfisTestReleased);
}

// The busy map through its curved clip, drawn the fast way and one primitive
// at a time: the route with its waypoints and their data, the nearby
// navaids, airports and fixes, the FIX INFO circle and radials, in map and
// plan mode, on the screen's own surface and on one twice its size. Away
// from the map circle's edge the pictures differ by a rounding at most.
TEST(NdMap, TheMapLooksTheSameDrawnFastOrOneByOne) {
  Cockpit cockpit;
  MapScreen nd(cockpit, 30.0);
  LoadNearbyData();
  BuildRoute(nd.route(1), {"W1", "W2XYZABC", "W3", "W4"}, 20.0, 6.0);
  ASSERT_TRUE(nd.nav().Activate(1));
  ASSERT_TRUE(nd.nav().Execute());
  g_efisMcp.declutterNaid = g_efisMcp.declutterArpt = g_efisMcp.declutterWpt = g_efisMcp.declutterData = 1;
  CFms::FixInfo info;
  info.position = Away(0, 12);
  info.radialMagDeg[0] = 45.0;
  info.radialMagDeg[1] = 200.0;
  g_fms.SetFixInfo(1, info);
  platform::gfx::Surface& surface = nd.surface();
  const double sx = surface.Width() / 300.0, sy = surface.Height() / 250.0;
  // The map circle: 210 units about the arc centre in both modes.
  auto onClipEdge = [&](int x, int y) {
    return std::fabs(std::hypot((x + 0.5) / sx - 150.0, (y + 0.5) / sy - 227.0) - 210.0) < 2.0;
  };
  for (uint32_t mode : {kEfisModeMap, kEfisModePlan}) {
    SCOPED_TRACE(mode == kEfisModeMap ? "map" : "plan");
    nd.settle(mode, 1);
    const PictureDifference diff = CompareWithOneByOne(surface, [&] { nd.draw(mode, 1); }, onClipEdge);
    EXPECT_GT(diff.lit, 3000) << "a busy map";
    ExpectSamePicture(diff);
    std::printf("%s: %d lit, %d differ, %d beyond a rounding, at most by %d (%d away from the clip's edge)\n",
                mode == kEfisModeMap ? "map" : "plan", diff.lit, diff.differing, diff.beyondRounding, diff.worst,
                diff.worstInside);
  }
}

}  // namespace
}  // namespace halcyon::test
