// Building a route on the CDU key by key: origin and destination on RTE,
// waypoints and a constraint on LEGS, the runway on DEP ARR, ACTIVATE and
// EXEC with their lamps, ERASE, direct-to and direct intercept; the FMS
// position on POS INIT and the alignment handshake with the IRS.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fmc/cdu_keys.h"
#include "fmc/fms.h"
#include "nav/great_circle.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr int kScratchpad = 13;
constexpr double kZurichLat = 47.4647;
constexpr double kZurichLonEast = 8.5492;

bool Has(const std::string& line, const std::string& text) { return line.find(text) != std::string::npos; }
// A line with text at its left and right edges.
std::string Line(const std::string& left, const std::string& right) {
  return left + std::string(24 - left.size() - right.size(), ' ') + right;
}
std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

bool ExecLamp() { return g_fms.IsAnnunciatorOn(3); }
bool RouteLamp() { return g_fms.IsAnnunciatorOn(0); }
bool MsgLamp() { return g_fms.IsAnnunciatorOn(2); }

// RTE 1 from Zurich to Geneva, typed in and activated, not yet executed.
void TypeRoute(Cockpit& cockpit) {
  cockpit.setPosition(kZurichLat, kZurichLonEast).powerUp();
  cockpit.cdu("RTE").cduType("LSZH").cdu("1L").cduType("LSGG").cdu("1R");
  cockpit.cdu("LEGS").cduType("GIVOR").cdu("1L").cduType("FAREN").cdu("2L");
  cockpit.cduType("5000A").cdu("1R");
  cockpit.cdu("RTE 6R");
}

std::string LegIdents() {
  std::string idents;
  for (const CLeg* leg = g_fms.GetFmsNav()->GetRoute(3)->GetFirstLeg(); leg != nullptr; leg = leg->GetNext()) {
    idents += std::string(leg->GetToIdent()) + " ";
  }
  return idents;
}

TEST(CduRoute, ARouteTypedKeyByKeyIsActivatedAndExecuted) {
  Cockpit cockpit;
  cockpit.setPosition(kZurichLat, kZurichLonEast).powerUp();
  cockpit.cdu("RTE");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "RTE 1"));
  EXPECT_TRUE(RouteLamp()) << "a route page is shown";
  EXPECT_FALSE(ExecLamp());
  cockpit.cduType("LSZH").cdu("1L").cduType("LSGG").cdu("1R");
  EXPECT_EQ(cockpit.cduLine(2), "LSZH                LSGG");
  EXPECT_EQ(cockpit.cduLine(kScratchpad), std::string(24, ' ')) << "the entries were taken";
  EXPECT_TRUE(Has(cockpit.cduLine(12), "ACTIVATE>"));
  cockpit.cdu("6R");
  EXPECT_TRUE(ExecLamp()) << "the activation waits for EXEC";
  EXPECT_TRUE(Has(cockpit.cduLine(0), "MOD RTE 1"));
  EXPECT_TRUE(Has(cockpit.cduLine(12), "<ERASE"));

  cockpit.cdu("LEGS");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "MOD RTE 1 LEGS"));
  EXPECT_EQ(cockpit.cduLine(2), Line("LSGG", "-----"));
  EXPECT_EQ(Trimmed(cockpit.cduLine(4)), "[[[[[");
  cockpit.cduType("GIVOR").cdu("1L").cduType("FAREN").cdu("2L").cduType("5000A").cdu("1R");
  EXPECT_EQ(cockpit.cduLine(2), Line("GIVOR", "5000A"));
  EXPECT_EQ(cockpit.cduLine(4), Line("FAREN", "-----"));
  EXPECT_EQ(cockpit.cduLine(6), Line("LSGG", "-----"));
  // The course label: the great-circle course out of Zurich's reference
  // point less the grid's variation there, and the leg's length.
  const CLeg* givor = g_fms.GetFmsNav()->GetRoute(1)->GetFirstLeg();
  const CLatLon& from = *givor->GetFromPosition();
  const CLatLon& to = *givor->GetToPosition();
  const double magDeg = InitialBearing(from.GetLat(), from.GetLon(), to.GetLat(), to.GetLon()) -
                        g_fms.GetNavDatabase()->MagVarAtPosition(from);
  char label[32];
  std::snprintf(label, sizeof(label), " %03ld\xC2\xB0  %.0fNM", std::lround(magDeg), givor->GetLegDistance());
  EXPECT_EQ(Trimmed(cockpit.cduLine(1)).substr(0, std::strlen(label)), label);
  EXPECT_GT(std::fabs(g_fms.GetNavDatabase()->MagVarAtPosition(from)), 1.0) << "the variation is in the label";

  EXPECT_TRUE(ExecLamp());
  cockpit.cdu("EXEC");
  EXPECT_FALSE(ExecLamp());
  EXPECT_TRUE(Has(cockpit.cduLine(0), "ACT RTE 1 LEGS"));
  EXPECT_EQ(g_fms.GetFmsNav()->GetExecRoute(), 1);
  EXPECT_EQ(LegIdents(), "GIVOR FAREN LSGG [[[[[ ");
  EXPECT_EQ(g_fms.GetFmsNav()->GetRoute(3)->GetFirstLeg()->GetAltConstraint(1), 5000.0);
  EXPECT_EQ(g_fms.GetFmsNav()->GetRoute(3)->GetFirstLeg()->GetAltConstraintType(1), 2);
  EXPECT_EQ(g_fms.GetCenterLeg(), g_fms.GetFmsNav()->GetRoute(1)->GetFirstLeg())
      << "the centre line on the first leg, which starts at the origin";
  EXPECT_TRUE(Has(cockpit.cduLine(1), "<CTR>"));
  // STEP: the centre line to FAREN, a DIRECT leg: the map centres on the leg before it.
  cockpit.cdu("6R");
  EXPECT_TRUE(Has(cockpit.cduLine(3), "<CTR>"));
  EXPECT_FALSE(Has(cockpit.cduLine(1), "<CTR>"));
  EXPECT_STREQ(g_fms.GetCenterLeg()->GetToIdent(), "GIVOR");
  cockpit.cdu("6R");
  EXPECT_STREQ(g_fms.GetCenterLeg()->GetToIdent(), "LSGG") << "the DESTINATION leg itself";

  // Off the route pages the route lamp goes out.
  cockpit.cdu("MENU");
  EXPECT_FALSE(RouteLamp());
}

TEST(CduRoute, EditsToTheFlownRouteWaitForExecOrAreErased) {
  Cockpit cockpit;
  TypeRoute(cockpit);
  cockpit.cdu("EXEC");
  ASSERT_EQ(g_fms.GetFmsNav()->GetExecRoute(), 1);

  // The departure runway on DEP ARR: a modification of the flown route.
  cockpit.cdu("DEP_ARR");
  EXPECT_TRUE(Has(cockpit.cduLine(2), "LSZH"));
  cockpit.cdu("1L");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "LSZH DEPARTURES"));
  std::string firstRunway = cockpit.cduLine(2);
  firstRunway = firstRunway.substr(firstRunway.find_first_not_of(' '));
  cockpit.cdu("1R");
  EXPECT_TRUE(Has(cockpit.cduLine(2), "<SEL> "));
  EXPECT_FALSE(ExecLamp()) << "DEP ARR shows no route";
  cockpit.cdu("RTE");
  EXPECT_TRUE(ExecLamp());
  EXPECT_TRUE(Has(cockpit.cduLine(0), "MOD RTE 1"));
  EXPECT_TRUE(Has(cockpit.cduLine(4), firstRunway));
  EXPECT_EQ(g_fms.GetFmsNav()->GetRoute(1)->GetFirstLeg()->IsFromRunway(), 1);
  EXPECT_EQ(g_fms.GetFmsNav()->GetRoute(3)->GetFirstLeg()->IsFromRunway(), 0) << "not flown before EXEC";

  // ERASE: the route as flown comes back.
  cockpit.cdu("6L");
  EXPECT_FALSE(ExecLamp());
  EXPECT_TRUE(Has(cockpit.cduLine(0), "ACT RTE 1"));
  EXPECT_TRUE(Has(cockpit.cduLine(4), "-----"));

  // A waypoint deleted on LEGS, then executed.
  cockpit.cdu("LEGS DEL 2L");
  EXPECT_TRUE(ExecLamp());
  cockpit.cdu("6L");  // ERASE on LEGS too
  EXPECT_FALSE(ExecLamp());
  EXPECT_FALSE(g_fms.GetFmsNav()->GetRoute(1)->IsModified());
  cockpit.cdu("DEL 2L");
  EXPECT_TRUE(ExecLamp());
  EXPECT_TRUE(g_fms.GetFmsNav()->GetRoute(1)->IsModified());
  EXPECT_EQ(LegIdents(), "GIVOR FAREN LSGG [[[[[ ") << "the flown route keeps FAREN until EXEC";
  cockpit.cdu("EXEC");
  EXPECT_EQ(LegIdents(), "GIVOR LSGG [[[[[ ");
  EXPECT_FALSE(g_fms.GetFmsNav()->GetRoute(1)->IsModified());
  EXPECT_FALSE(ExecLamp());

  // RTE 2 is not the flown route: NEXT turns to it, and its lamp stays dark.
  cockpit.cdu("RTE NEXT");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "RTE 2"));
  EXPECT_EQ(g_fms.GetActiveRouteIndex(), 2);
  EXPECT_FALSE(ExecLamp());
  cockpit.cdu("PREV");
  EXPECT_EQ(g_fms.GetActiveRouteIndex(), 1);
}

// Only a modification of the flown route keeps its active waypoint: the other
// route, activated, starts at its first waypoint even where it holds the same.
TEST(CduRoute, TheOtherRouteActivatedStartsAtItsFirstWaypoint) {
  Cockpit cockpit;
  TypeRoute(cockpit);
  CFmsNav& nav = *g_fms.GetFmsNav();
  cockpit.cdu("EXEC");
  ASSERT_TRUE(nav.GetRoute(3)->SequenceLeg());
  ASSERT_STREQ(nav.GetRoute(3)->GetFirstLeg()->GetToIdent(), "FAREN");
  *nav.GetRoute(2) = *nav.GetRoute(1);
  ASSERT_TRUE(nav.Activate(2));
  ASSERT_TRUE(nav.Execute());
  EXPECT_EQ(nav.GetExecRoute(), 2);
  EXPECT_STREQ(nav.GetRoute(3)->GetFirstLeg()->GetToIdent(), "GIVOR");
}

TEST(CduRoute, TheFlownRouteKeepsItsActiveWaypointThroughAModification) {
  Cockpit cockpit;
  TypeRoute(cockpit);
  CFmsNav& nav = *g_fms.GetFmsNav();
  EXPECT_FALSE(nav.Activate(3));
  cockpit.cdu("EXEC");
  EXPECT_FALSE(nav.Activate(1)) << "already flown";
  ASSERT_TRUE(nav.GetRoute(3)->SequenceLeg());
  EXPECT_EQ(LegIdents(), "FAREN LSGG [[[[[ ") << "GIVOR passed, FAREN active";
  EXPECT_STREQ(nav.GetRoute(3)->GetFirstLeg()->GetToIdent(), "FAREN");

  // A constraint at FAREN: executed, FAREN stays the active waypoint.
  cockpit.cdu("LEGS").cduType("6000").cdu("2R");
  EXPECT_TRUE(ExecLamp());
  cockpit.cdu("EXEC");
  EXPECT_STREQ(nav.GetRoute(3)->GetFirstLeg()->GetToIdent(), "FAREN");
  EXPECT_EQ(nav.GetRoute(3)->GetFirstLeg()->GetAltConstraint(1), 6000.0);
  EXPECT_STREQ(nav.GetRoute(3)->GetPrevLeg()->GetToIdent(), "GIVOR");
  // FAREN deleted: the route starts again at its first leg.
  cockpit.cdu("DEL 2L EXEC");
  EXPECT_STREQ(nav.GetRoute(3)->GetFirstLeg()->GetToIdent(), "GIVOR");

  // RTE 2: nothing to activate until it has an origin; then it takes over.
  cockpit.cdu("RTE NEXT 6R");
  EXPECT_TRUE(MsgLamp()) << "an empty route cannot be activated";
  g_fms.KeyPressed(69);
  cockpit.cduType("LSGG").cdu("1L 6R");
  EXPECT_TRUE(ExecLamp());
  EXPECT_EQ(nav.GetPendingActivation(), 2);
  cockpit.cdu("PREV");
  EXPECT_FALSE(ExecLamp()) << "RTE 1 has nothing waiting";
  cockpit.cdu("EXEC");
  EXPECT_EQ(nav.GetExecRoute(), 2);
  EXPECT_TRUE(Has(cockpit.cduLine(0), "ACT RTE 2")) << "the pages follow the route flown";
  EXPECT_FALSE(nav.GetRoute(3)->HasOrigin() && std::string(nav.GetRoute(3)->GetOrigin()->GetIdent()) == "LSZH");
  cockpit.cdu("PREV").cduType("LSZH").cdu("1R");
  EXPECT_FALSE(nav.GetRoute(1)->IsModified()) << "RTE 1 is no longer flown";
  EXPECT_FALSE(ExecLamp());

  // Only annunciators 0, 2 and 3 ever light.
  cockpit.cduType("QQQQ").cdu("1L");
  for (uint32_t n : {1u, 4u, 5u, 99u}) EXPECT_FALSE(g_fms.IsAnnunciatorOn(n)) << n;
  EXPECT_TRUE(MsgLamp());
  EXPECT_TRUE(RouteLamp());
}

TEST(CduRoute, BadEntriesGetTheirMessages) {
  Cockpit cockpit;
  cockpit.setPosition(kZurichLat, kZurichLonEast).powerUp();
  cockpit.cdu("RTE").cduType("QQQQ").cdu("1L");
  EXPECT_TRUE(Has(cockpit.cduLine(kScratchpad), "NOT IN DATA BASE"));
  EXPECT_TRUE(MsgLamp());
  cockpit.cdu("CLR");
  EXPECT_FALSE(MsgLamp());
  EXPECT_EQ(Trimmed(cockpit.cduLine(kScratchpad)), "QQQQ") << "the entry stays to be mended";
  g_fms.KeyPressed(69);
  cockpit.cduType("LSZHX").cdu("1L");
  EXPECT_TRUE(Has(cockpit.cduLine(kScratchpad), "INVALID ENTRY")) << "five letters are no airport";
  g_fms.KeyPressed(69);
  cockpit.cduType("09").cdu("2L");
  EXPECT_TRUE(Has(cockpit.cduLine(kScratchpad), "INVALID ENTRY")) << "a runway needs an origin";
  g_fms.KeyPressed(69);
  cockpit.cduType("LSZH").cdu("1L").cduType("99X").cdu("2L");
  EXPECT_TRUE(Has(cockpit.cduLine(kScratchpad), "NOT IN DATA BASE"));
  g_fms.KeyPressed(69);
  cockpit.cdu("DEL 1L");
  EXPECT_TRUE(Has(cockpit.cduLine(kScratchpad), "INVALID DELETE"));
  g_fms.KeyPressed(69);

  cockpit.cdu("LEGS").cduType("XYZZY").cdu("1L");
  EXPECT_TRUE(Has(cockpit.cduLine(kScratchpad), "NOT IN DATA BASE"));
  g_fms.KeyPressed(69);
  cockpit.cduType("GIVOR").cdu("1L");
  for (const char* bad : {"45100", "FL460", "FL1000", "5000C", "A", "12.5"}) {
    cockpit.cduType(bad).cdu("1R");
    EXPECT_TRUE(Has(cockpit.cduLine(kScratchpad), "INVALID ENTRY")) << bad;
    g_fms.KeyPressed(69);
  }
  for (const auto& [good, shown] : {std::pair{"45000", "FL450"}, std::pair{"FL120B", "12000B"},
                                    std::pair{"80", "8000"}, std::pair{"17999", "17999"}}) {
    cockpit.cduType(good).cdu("1R");
    EXPECT_EQ(cockpit.cduLine(2), Line("GIVOR", shown)) << good;
  }
  cockpit.cdu("DEL 1R");
  EXPECT_TRUE(Has(cockpit.cduLine(2), "-----"));
  cockpit.cduType("5000").cdu("2R");
  EXPECT_TRUE(Has(cockpit.cduLine(kScratchpad), "INVALID ENTRY")) << "no constraint on the empty slot";
}

// An altitude typed on LEGS: three digits or fewer are a flight level, four
// and five are feet, six are too many; "FL" takes one to three digits;
// 45000 ft is the highest; from 18000 ft the constraint is shown as a
// flight level. A and B make it at or above and at or below.
TEST(CduRoute, AltitudeEntriesChangeTheirFormAtTheirLengthsAndLimits) {
  Cockpit cockpit;
  cockpit.setPosition(kZurichLat, kZurichLonEast).powerUp();
  cockpit.cdu("RTE").cduType("LSZH").cdu("1L").cdu("LEGS").cduType("GIVOR").cdu("1L");
  struct Sample {
    const char* typed;
    const char* shown;  // nullptr: INVALID ENTRY, the constraint kept
  };
  for (const Sample& sample : {
           Sample{"0", "0"},              Sample{"5", "500"},          Sample{"179", "17900"},
           Sample{"180", "FL180"},        Sample{"450", "FL450"},      Sample{"451", nullptr},
           Sample{"0180", "180"},         Sample{"9999", "9999"},      Sample{"17999", "17999"},
           Sample{"18000", "FL180"},      Sample{"18099", "FL180"},    Sample{"45000", "FL450"},
           Sample{"45001", nullptr},      Sample{"04500", "4500"},     Sample{"045000", nullptr},
           Sample{"FL5", "500"},          Sample{"FL179", "17900"},    Sample{"FL180", "FL180"},
           Sample{"FL450", "FL450"},      Sample{"FL451", nullptr},    Sample{"FL0450", nullptr},
           Sample{"FL", nullptr},         Sample{"F180", nullptr},     Sample{"FLA", nullptr},
           Sample{"5000A", "5000A"},      Sample{"5000B", "5000B"},    Sample{"180A", "FL180A"},
           Sample{"FL179B", "17900B"},    Sample{"A", nullptr},        Sample{"5000AB", nullptr},
           Sample{"5000BA", nullptr},     Sample{"50A0", nullptr},
       }) {
    const std::string before = cockpit.cduLine(2);
    cockpit.cduType(sample.typed).cdu("1R");
    if (sample.shown == nullptr) {
      EXPECT_TRUE(Has(cockpit.cduLine(kScratchpad), "INVALID ENTRY")) << sample.typed;
      EXPECT_EQ(cockpit.cduLine(2), before) << sample.typed;
      g_fms.KeyPressed(kCduClearAll);
    } else {
      EXPECT_EQ(cockpit.cduLine(2), Line("GIVOR", sample.shown)) << sample.typed;
      EXPECT_EQ(Trimmed(cockpit.cduLine(kScratchpad)), "") << sample.typed;
    }
  }
}

TEST(CduRoute, DirectToAndDirectInterceptOnTheFlownRoute) {
  Cockpit cockpit;
  TypeRoute(cockpit);
  cockpit.cdu("EXEC");
  // No FMS position yet: a waypoint at 1L is only inserted.
  cockpit.cdu("LEGS").cduType("FAREN").cdu("1L");
  EXPECT_EQ(Trimmed(cockpit.cduLine(2)).substr(0, 5), "FAREN") << "the legs before it go";
  cockpit.cdu("6L");
  g_fms.AlignToAircraftPosition();

  // Direct to FAREN from the present position.
  cockpit.cduType("FAREN").cdu("1L");
  CLeg* first = g_fms.GetFmsNav()->GetRoute(1)->GetFirstLeg();
  EXPECT_STREQ(first->GetToIdent(), "FAREN");
  EXPECT_EQ(first->GetType(), 1);
  EXPECT_NEAR(first->GetFromPosition()->GetLat(), kZurichLat, 1e-9);
  cockpit.cdu("EXEC");
  EXPECT_EQ(LegIdents(), "FAREN LSGG [[[[[ ");
  // A waypoint at 2L goes in before that leg; only 1L flies direct.
  cockpit.cduType("GIVOR").cdu("2L");
  EXPECT_EQ(Trimmed(cockpit.cduLine(2)).substr(0, 5), "FAREN");
  EXPECT_EQ(Trimmed(cockpit.cduLine(4)).substr(0, 5), "GIVOR");
  cockpit.cdu("6L");

  // Direct intercept: 090 into FAREN.
  cockpit.cdu("DIR_INTC");
  EXPECT_TRUE(Has(cockpit.cduLine(11), "INTC CRS"));
  cockpit.cduType("090").cdu("6R");
  first = g_fms.GetFmsNav()->GetRoute(1)->GetFirstLeg();
  EXPECT_EQ(first->GetType(), 2);
  const CLatLon& from = *first->GetFromPosition();
  const CLatLon& to = *first->GetToPosition();
  const double variation = g_fms.GetNavDatabase()->MagVarAtPosition(to);
  EXPECT_NEAR(InitialBearing(to.GetLat(), to.GetLon(), from.GetLat(), from.GetLon()), 270.0 + variation, 0.5)
      << "its FROM lies on the course, out of the waypoint";
  EXPECT_TRUE(ExecLamp());
  EXPECT_FALSE(Has(cockpit.cduLine(11), "INTC CRS"));
  cockpit.cdu("DIR_INTC").cduType("361").cdu("6R");
  EXPECT_TRUE(Has(cockpit.cduLine(kScratchpad), "INVALID ENTRY"));
}

TEST(CduRoute, PositionInitAndTheIrsHandshake) {
  Cockpit cockpit;
  cockpit.setPosition(kZurichLat, kZurichLonEast).powerUp();
  g_fms.SetIrsAligning(1);
  EXPECT_EQ(g_fms.IsFmsAlignDone(), 0) << "no FMS position yet";
  EXPECT_FALSE(g_fms.GetAfmcPosition()->IsValid());

  cockpit.cdu("INIT_REF 2L");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "POS INIT"));
  EXPECT_TRUE(Has(cockpit.cduLine(8), "[[[\xC2\xB0[[.[ [[[[\xC2\xB0[[.["));
  EXPECT_TRUE(Has(cockpit.cduLine(6), "N47\xC2\xB0" "27.9 E008\xC2\xB0" "33.0"));
  EXPECT_GT(cockpit.cduLine(6).find("N47"), 2u) << "the present position on the right";
  EXPECT_LT(cockpit.cduLine(2).find("----"), 2u) << "no reference airport yet: dashes on the left";
  EXPECT_LT(cockpit.cduLine(1).find("REF AIRPORT"), 2u);
  // A position typed with an offset: the FMS position keeps it as the aircraft moves.
  cockpit.cduType("N4728.0E00830.0").cdu("4R");
  EXPECT_EQ(g_fms.IsFmsAlignDone(), 1) << "aligning, and now the position is set";
  EXPECT_NEAR(g_fms.GetAfmcPosition()->GetLat(), 47.0 + 28.0 / 60.0, 1e-9);
  EXPECT_NEAR(g_fms.GetAfmcPosition()->GetLon(), -8.5, 1e-9);
  cockpit.setPosition(kZurichLat + 0.1, kZurichLonEast + 0.2).runTicks(1);
  EXPECT_NEAR(g_fms.GetAfmcPosition()->GetLat(), 47.0 + 28.0 / 60.0 + 0.1, 1e-6);
  EXPECT_NEAR(g_fms.GetAfmcPosition()->GetLon(), -8.7, 1e-6);
  EXPECT_TRUE(Has(cockpit.cduLine(4), "N47\xC2\xB0" "34.0 E008\xC2\xB0" "42.0"));

  // The IRS stops aligning: the alignment and the position go.
  g_fms.SetIrsAligning(0);
  EXPECT_EQ(g_fms.IsFmsAlignDone(), 0);
  EXPECT_FALSE(g_fms.GetAfmcPosition()->IsValid());
  g_fms.SetIrsAligning(1);
  EXPECT_EQ(g_fms.IsFmsAlignDone(), 0);

  // The present position copied by 3R and set by 4R while no IRS aligns:
  // the alignment completes when one does.
  g_fms.SetIrsAligning(0);
  cockpit.runTicks(1).cdu("3R");
  EXPECT_EQ(Trimmed(cockpit.cduLine(kScratchpad)), "N4733.9E00845.0");
  cockpit.cdu("4R");
  EXPECT_EQ(g_fms.IsFmsAlignDone(), 0);
  g_fms.SetIrsAligning(1);
  EXPECT_EQ(g_fms.IsFmsAlignDone(), 1);
  EXPECT_NEAR(g_fms.GetAfmcPosition()->GetLat(), kZurichLat + 0.1, 1.0 / 1200.0);

  // Bad positions.
  for (const char* bad : {"N9100.0E00800.0", "N4760.0E00800.0", "N4700E0080", "X4700.0E00800.0", "N4700.0E00800.0X"}) {
    g_fms.KeyPressed(69);
    cockpit.cduType(bad).cdu("4R");
    EXPECT_TRUE(Has(cockpit.cduLine(kScratchpad), "INVALID ENTRY")) << bad;
  }
  g_fms.KeyPressed(69);
  cockpit.cduType("S3330.5W07040.0").cdu("4R");
  EXPECT_NEAR(g_fms.GetAfmcPosition()->GetLat(), -33.508333, 1e-5);
  EXPECT_NEAR(g_fms.GetAfmcPosition()->GetLon(), 70.0 + 40.0 / 60.0, 1e-9) << "west positive";

  // A reference airport at 1L; 1R copies its position.
  g_fms.KeyPressed(69);
  cockpit.cduType("LSZH").cdu("1L");
  EXPECT_TRUE(Has(cockpit.cduLine(2), "LSZH  N47\xC2\xB0" "27.5 E008\xC2\xB0" "32.9"));
  cockpit.cdu("1R");
  EXPECT_EQ(Trimmed(cockpit.cduLine(kScratchpad)), "N4727.5E00832.9");
  g_fms.KeyPressed(69);
  cockpit.cduType("QQQQ").cdu("1L");
  EXPECT_TRUE(Has(cockpit.cduLine(kScratchpad), "NOT IN DATA BASE"));
  EXPECT_TRUE(Has(cockpit.cduLine(2), "LSZH")) << "the reference airport stays";
  g_fms.KeyPressed(69);

  // Aligning to the aircraft: the position is the aircraft's, at once.
  g_fms.SetIrsAligning(0);
  g_fms.SetIrsAligning(1);
  g_fms.AlignToAircraftPosition();
  EXPECT_EQ(g_fms.IsFmsAlignDone(), 1);
  EXPECT_NEAR(g_fms.GetAfmcPosition()->GetLat(), kZurichLat + 0.1, 1e-9);
}

// A position typed on POS INIT: the poles and the date line are inside,
// a tenth of a minute past them is not; minutes below 60, with or without
// their tenth. A position is shown to the tenth of a minute, rounded once so
// that 59.96' carries into the degree.
TEST(CduRoute, PositionsAtTheirLimitsAndTheTenthThatCarries) {
  Cockpit cockpit;
  cockpit.setPosition(47.0 + 59.96 / 60.0, -(8.0 + 59.97 / 60.0)).powerUp();
  g_fms.SetIrsAligning(1);
  cockpit.cdu("INIT_REF 2L");
  EXPECT_TRUE(Has(cockpit.cduLine(6), "N48\xC2\xB0" "00.0 W009\xC2\xB0" "00.0")) << cockpit.cduLine(6);
  cockpit.cdu("3R");
  EXPECT_EQ(Trimmed(cockpit.cduLine(kScratchpad)), "N4800.0W00900.0");
  g_fms.KeyPressed(kCduClearAll);
  // On the equator and the prime meridian: north and east.
  cockpit.setPosition(0.0, 0.0).runTicks(1).cdu("INIT_REF 2L");
  EXPECT_TRUE(Has(cockpit.cduLine(6), "N00\xC2\xB0" "00.0 E000\xC2\xB0" "00.0")) << cockpit.cduLine(6);
  struct Sample {
    const char* typed;
    const char* shown;  // nullptr: INVALID ENTRY
  };
  for (const Sample& sample : {
           Sample{"N9000.0E00800.0", "N90\xC2\xB0" "00.0 E008\xC2\xB0" "00.0"},
           Sample{"N9000.1E00800.0", nullptr},
           Sample{"S9000.0W18000.0", "S90\xC2\xB0" "00.0 W180\xC2\xB0" "00.0"},
           Sample{"S0000.0E18000.1", nullptr},
           Sample{"N4759.9E00859.9", "N47\xC2\xB0" "59.9 E008\xC2\xB0" "59.9"},
           Sample{"N4700.0E00860.0", nullptr},
           Sample{"N4727E00832", "N47\xC2\xB0" "27.0 E008\xC2\xB0" "32.0"},
           Sample{"N4727.E00832", nullptr},
           Sample{"N4727.5E00832.", nullptr},
           Sample{"N472.5E00832.0", nullptr},
           Sample{"N4727.5E0832.0", nullptr},
           Sample{"W4727.5N00832.0", nullptr},
       }) {
    cockpit.cduType(sample.typed).cdu("4R");
    if (sample.shown == nullptr) {
      EXPECT_TRUE(Has(cockpit.cduLine(kScratchpad), "INVALID ENTRY")) << sample.typed;
      g_fms.KeyPressed(kCduClearAll);
    } else {
      EXPECT_TRUE(Has(cockpit.cduLine(4), sample.shown)) << sample.typed << ": " << cockpit.cduLine(4);
    }
  }
}

TEST(CduRoute, AlignmentIsKeptOverARestart) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile("SimObjects/Airplanes/QZ Halcyon Pro/FMS.ini", "[SIMDATA]\r\nFMSAlignDone=1\r\n");
  cockpit.setPosition(kZurichLat, kZurichLonEast).start();
  cockpit.runTicks(1);
  EXPECT_EQ(g_fms.IsFmsAlignDone(), 1);
  EXPECT_NEAR(g_fms.GetAfmcPosition()->GetLat(), kZurichLat, 1e-9);
  g_fms.SetIrsAligning(0);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("SIMDATA", "FMSAlignDone", "SimObjects/Airplanes/QZ Halcyon Pro/FMS.ini"), "0");
}

TEST(CduRoute, TheAlignmentIsSavedForTheNextStart) {
  Cockpit cockpit;
  cockpit.setPosition(kZurichLat, kZurichLonEast).runTicks(1);
  g_fms.SetIrsAligning(1);
  g_fms.AlignToAircraftPosition();
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("SIMDATA", "FMSAlignDone", "SimObjects/Airplanes/QZ Halcyon Pro/FMS.ini"), "1");
}

// Ten runway ends make two pages of five; the list opens at its first page.
TEST(CduRoute, DepartureRunwaysTurnInPagesOfFive) {
  Cockpit cockpit;
  cockpit.setPosition(kZurichLat, kZurichLonEast).powerUp();
  cockpit.cdu("RTE").cduType("LTFM").cdu("1L").cduType("LSZH").cdu("1R");
  EXPECT_TRUE(Has(cockpit.cduLine(1), "DEST")) << "the labels over their entries";
  EXPECT_TRUE(Has(cockpit.cduLine(3), "RUNWAY"));
  cockpit.cdu("DEP_ARR");
  EXPECT_TRUE(Has(cockpit.cduLine(1), "RTE 1"));
  cockpit.cdu("2R");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "LSZH ARRIVALS"));
  cockpit.cdu("6L 1L");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "LTFM DEPARTURES"));
  EXPECT_TRUE(Has(cockpit.cduLine(0), "1/2"));
  cockpit.cdu("NEXT");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "2/2"));
  cockpit.cdu("6L 1L");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "1/2")) << "back at the first page";
}

}  // namespace
}  // namespace halcyon::test
