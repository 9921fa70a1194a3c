// The FMS pages of the vertical plan and the reference pages, on the CDU as
// the crew keys them: PERF INIT (and its weights from dispatch), CLB/CRZ/DES
// with DES NOW, HOLD with EXIT HOLD and the one-shot sequence flag, FIX
// INFO's radials and radial/distance point, NAV DATA's navaid search, PROGRESS.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "fmc/cdu_keys.h"
#include "fmc/fms.h"
#include "nav/great_circle.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr double kZurichLat = 47.4647;
constexpr double kZurichLonEast = 8.5492;
constexpr int kScratchpad = 13;

bool Has(const std::string& line, const std::string& text) { return line.find(text) != std::string::npos; }

// LSZH, GIVOR, FAREN, back to LSZH, executed, the FMS at the aircraft's position.
void ExecutedRoute(Cockpit& cockpit) {
  cockpit.setPosition(kZurichLat, kZurichLonEast).powerUp();
  g_fms.AlignToAircraftPosition();
  cockpit.cdu("RTE").cduType("LSZH").cdu("1L").cduType("LSZH").cdu("1R");
  cockpit.cdu("LEGS").cduType("GIVOR").cdu("1L").cduType("FAREN").cdu("2L");
  cockpit.cdu("RTE 6R EXEC");
  ASSERT_EQ(g_fms.GetFmsNav()->GetExecRoute(), 1);
}

TEST(FmsPages, PerfInitWeightsFromDispatchShowThePageWithTheirSum) {
  Cockpit cockpit;
  cockpit.powerUp();
  EXPECT_EQ(g_fms.GetGrossWeight(), kUnsetValue);
  EXPECT_TRUE(g_fms.SetPerfInitWeights(95000.0, 25000.0));
  EXPECT_EQ(g_fms.CurrentPage(), CduPageId::PerfInit);
  EXPECT_EQ(g_fms.GetGrossWeight(), 120000.0);
  cockpit.runTicks(1);
  EXPECT_TRUE(Has(cockpit.cduLine(2), "95.0"));
  EXPECT_TRUE(Has(cockpit.cduLine(4), "25.0"));
  EXPECT_TRUE(Has(cockpit.cduLine(6), "120.0"));
  // Nothing changes for a weight that is negative, not a number or past the limit.
  cockpit.cdu("MENU");
  EXPECT_FALSE(g_fms.SetPerfInitWeights(-1.0, 25000.0));
  EXPECT_FALSE(g_fms.SetPerfInitWeights(95000.0, std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(g_fms.SetPerfInitWeights(CFms::kMaxWeightLb + 1.0, 0.0));
  EXPECT_TRUE(g_fms.SetPerfInitWeights(CFms::kMaxWeightLb, 0.0));
  EXPECT_EQ(g_fms.GetZeroFuelWeight(), CFms::kMaxWeightLb);
  // The crew: the fuel typed in thousands, the cruise altitude at 1R.
  cockpit.cduType("18.5").cdu("2L").cduType("FL310").cdu("1R");
  EXPECT_EQ(g_fms.GetFuelWeight(), 18500.0);
  EXPECT_EQ(g_fms.GetVnavPlan().cruiseAltitudeFt, 31000.0);
  EXPECT_TRUE(Has(cockpit.cduLine(2), "FL310"));
  cockpit.cduType("5000A").cdu("1R");
  EXPECT_TRUE(g_fms.IsAnnunciatorOn(2)) << "a constraint is no cruise altitude";
  EXPECT_EQ(g_fms.GetVnavPlan().cruiseAltitudeFt, 31000.0);
  // The zero fuel weight at 1L; a number at 3L (the sum) is kept in the scratchpad.
  g_fms.KeyPressed(kCduClearAll);
  cockpit.cduType("90").cdu("1L");
  EXPECT_EQ(g_fms.GetZeroFuelWeight(), 90000.0);
  EXPECT_EQ(g_fms.GetFuelWeight(), 18500.0);
  cockpit.cduType("77").cdu("3L");
  EXPECT_EQ(g_fms.Scratchpad().Text(), L"77");
  EXPECT_EQ(g_fms.GetGrossWeight(), 108500.0);
  g_fms.KeyPressed(kCduClearAll);
  cockpit.cdu("6L");
  EXPECT_EQ(g_fms.CurrentPage(), CduPageId::Index);
}

TEST(FmsPages, DescendNowNeedsARouteAndACruiseAltitudeAndStartsTheDescent) {
  Cockpit cockpit;
  cockpit.powerUp();
  EXPECT_FALSE(g_fms.ExitHold()) << "no route flown";
  cockpit.cdu("DES 6R");
  EXPECT_TRUE(g_fms.IsAnnunciatorOn(2)) << "no route: no DES NOW";
  cockpit.cdu("CLR");
  ExecutedRoute(cockpit);
  cockpit.set(Token::OnGround, 0).set(Token::AltitudeFt, 9000).runTicks(2);
  EXPECT_EQ(g_fms.GetVnavNext(), 0) << "no cruise altitude: no VNAV";
  cockpit.cdu("CLB").cduType("9000").cdu("1L").runTicks(2);
  EXPECT_EQ(g_fms.GetVnavNext(), 2);
  EXPECT_TRUE(Has(cockpit.cduLine(0), "CLB"));
  cockpit.cduType("270/.72").cdu("2L");
  EXPECT_EQ(g_fms.GetVnavPlan().climbSpeedKt, 270.0);
  EXPECT_EQ(g_fms.GetVnavPlan().climbMach, 0.72);
  cockpit.cdu("DES 6R").runTicks(2);
  EXPECT_EQ(g_fms.IsDescendNow(), 1);
  EXPECT_EQ(g_fms.GetVnavNext(), 3);
  EXPECT_EQ(g_fms.HasPassedTopOfDescent(), 0);
  EXPECT_TRUE(Has(cockpit.cduLine(0), "ACT DES"));
  EXPECT_TRUE(Has(cockpit.cduLine(12), "DES NOW ACT"));
  // The distance to the end of descent on the right of line 2; on PROG, left of line 3.
  EXPECT_GT(cockpit.cduLine(5).find("TO E/D"), 12u);
  EXPECT_NE(cockpit.cduLine(6).find_first_not_of(' ', 12), std::string::npos);
  cockpit.cdu("PROG");
  EXPECT_LT(cockpit.cduLine(7).find("TO E/D"), 2u);
  EXPECT_NE(cockpit.cduLine(8).find_first_not_of(' '), std::string::npos);
  EXPECT_LT(cockpit.cduLine(8).find_first_not_of(' '), 4u);
}

TEST(FmsPages, AHoldIsFlownUntilExitHoldAndEachSequenceRaisesTheFlagOnce) {
  Cockpit cockpit;
  ExecutedRoute(cockpit);
  EXPECT_FALSE(g_fms.ExitHold()) << "no hold in the route";
  EXPECT_EQ(g_fms.GetFmsNav()->GetRoute(3)->GetExitHold(), 0);
  cockpit.set(Token::ZuluHour, 14).set(Token::ZuluMinute, 37);
  cockpit.cdu("HOLD");
  EXPECT_LT(cockpit.cduLine(2).find("-----"), 2u) << "no hold: dashes for the fix";
  cockpit.cduType("GIVOR").cdu("1L");
  EXPECT_TRUE(g_fms.GetFmsNav()->HasChangePending(1)) << "the hold is a modification";
  cockpit.cdu("EXEC");
  ASSERT_TRUE(g_fms.GetFmsNav()->GetRoute(3)->GetFirstLeg()->IsHolding());
  cockpit.set(Token::OnGround, 0).set(Token::AltitudeFt, 5000).runTicks(2);
  EXPECT_GT(g_fms.GetApHeading(), 0.0);
  EXPECT_FALSE(g_fms.TakeLegSequencedFlag());
  // Past GIVOR: in the hold, the heading the crew's.
  cockpit.setPosition(47.52, 8.47).runTicks(2);
  EXPECT_EQ(g_fms.GetApHeading(), -1.0);
  EXPECT_FALSE(g_fms.TakeLegSequencedFlag());
  EXPECT_STREQ(g_fms.GetFmsNav()->GetRoute(3)->GetFirstLeg()->GetToIdent(), "GIVOR");
  cockpit.cdu("HOLD");
  EXPECT_TRUE(Has(cockpit.cduLine(12), "EXIT HOLD>"));
  EXPECT_TRUE(Has(cockpit.cduLine(0), "ACT RTE HOLD"));
  cockpit.cdu("6R").runTicks(1);
  EXPECT_TRUE(g_fms.TakeLegSequencedFlag());
  EXPECT_FALSE(g_fms.TakeLegSequencedFlag()) << "once";
  EXPECT_STREQ(g_fms.GetFmsNav()->GetRoute(3)->GetFirstLeg()->GetToIdent(), "FAREN");
  EXPECT_GT(g_fms.GetApHeading(), 0.0);
  bool logged = false;
  for (const auto& event : cockpit.host().FlightEvents()) {
    logged = logged || event.text.starts_with("FMS: GIVOR passed at 14:37:");
  }
  EXPECT_TRUE(logged) << "the pass logged at the zulu time";
  EXPECT_FALSE(g_fms.ExitHold()) << "the hold left";
  cockpit.runTicks(5);
  EXPECT_FALSE(g_fms.TakeLegSequencedFlag());
  cockpit.cdu("6R");
  EXPECT_TRUE(g_fms.IsAnnunciatorOn(2)) << "no hold to exit";
  cockpit.cdu("CLR PROG");
  EXPECT_TRUE(Has(cockpit.cduLine(2), "GIVOR"));
  EXPECT_TRUE(Has(cockpit.cduLine(4), "FAREN"));
  EXPECT_TRUE(Has(cockpit.cduLine(6), "LSZH"));
}

// Six legs make two pages of five; NEXT and PREV turn them and go round.
TEST(FmsPages, LegsTurnPagesOfFiveEachWay) {
  Cockpit cockpit;
  ExecutedRoute(cockpit);
  cockpit.cdu("LEGS");
  // One leg at a time until the sixth line makes a second page.
  for (const char* fix : {"ALBAR", "BERIK", "CORNO", "DAVIL", "ELMOS"}) {
    if (Has(cockpit.cduLine(0), "1/2")) break;
    cockpit.cduType(fix).cdu("2L");
  }
  ASSERT_TRUE(Has(cockpit.cduLine(0), "1/2"));
  cockpit.cdu("NEXT");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "2/2"));
  EXPECT_NE(cockpit.cduLine(2).find_first_not_of(' '), std::string::npos) << "the sixth leg";
  cockpit.cdu("NEXT");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "1/2")) << "round to the first";
  cockpit.cdu("PREV");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "2/2")) << "and back to the last";
}

TEST(FmsPages, FixInfoRadialsAndARadialDistancePoint) {
  Cockpit cockpit;
  cockpit.setPosition(kZurichLat, kZurichLonEast).powerUp();
  cockpit.cdu("FIX").cduType("090").cdu("2L");
  EXPECT_TRUE(g_fms.IsAnnunciatorOn(2)) << "a radial needs a fix";
  EXPECT_LT(cockpit.cduLine(4).find("---"), 2u) << "no radial yet: dashes on the left";
  EXPECT_LT(cockpit.cduLine(10).find("---/---.-"), 2u);
  g_fms.KeyPressed(kCduClearAll);
  cockpit.cduType("QKL").cdu("1L").cduType("090").cdu("2L").cduType("270").cdu("4L");
  cockpit.cduType("180/10").cdu("5L");
  EXPECT_FALSE(g_fms.IsAnnunciatorOn(2));
  const CLatLon fix = *g_fms.GetFixInfoPosition(1);
  ASSERT_TRUE(fix.IsValid());
  EXPECT_NEAR(fix.GetLat(), 47.541, 1e-6);
  EXPECT_NEAR(fix.GetLon(), -8.233, 1e-6) << "west positive";
  EXPECT_EQ(g_fms.GetFixInfoLineValue(1, 1), 90.0);
  EXPECT_EQ(g_fms.GetFixInfoLineValue(1, 2), kUnsetValue);
  EXPECT_EQ(g_fms.GetFixInfoLineValue(1, 3), 270.0);
  EXPECT_EQ(g_fms.GetFixInfoLineValue(1, 4), 180.0);
  EXPECT_EQ(g_fms.GetFixInfoLineValue(1, 5), kUnsetValue);
  EXPECT_EQ(g_fms.GetFixInfoLineValue(3, 1), kUnsetValue);
  const CLatLon* point = g_fms.GetFixInfoLine4Position(1);
  ASSERT_NE(point, nullptr);
  EXPECT_NEAR(GreatCircleDistanceNm(fix.GetLat(), fix.GetLon(), point->GetLat(), point->GetLon()), 10.0, 1e-6);
  // 180 magnetic is south, turned by the variation at the fix (east: true = magnetic + variation).
  const double variation = g_fms.GetNavDatabase()->MagVarAtPosition(fix);
  EXPECT_NEAR(InitialBearing(fix.GetLat(), fix.GetLon(), point->GetLat(), point->GetLon()), 180.0 + variation, 0.01);
  EXPECT_TRUE(Has(cockpit.cduLine(10), "180/10.0"));
  cockpit.cduType("045").cdu("6L");
  EXPECT_EQ(g_fms.Scratchpad().Text(), L"045") << "four radial lines: 6L takes none";
  EXPECT_FALSE(g_fms.IsAnnunciatorOn(2)) << "nor calls it a bad entry";
  EXPECT_EQ(g_fms.GetFixInfoLineValue(1, 4), 180.0);
  g_fms.KeyPressed(kCduClearAll);
  // The second fix: its own page, empty so far; any n but 1 is the second.
  EXPECT_FALSE(g_fms.GetFixInfoPosition(2)->IsValid());
  EXPECT_FALSE(g_fms.GetFixInfoPosition(7)->IsValid());
  EXPECT_EQ(g_fms.GetFixInfoLine4Position(2), nullptr);
  cockpit.cdu("NEXT");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "2/2"));
  cockpit.cdu("PREV DEL 1L");
  EXPECT_FALSE(g_fms.GetFixInfoPosition(1)->IsValid());
  EXPECT_EQ(g_fms.GetFixInfoLineValue(1, 1), kUnsetValue);
}

// A radial is one to three digits from 000 to 360; a radial and distance
// takes a slash and 0.1 to 999.9 NM. Each bad entry leaves the line as it was.
TEST(FmsPages, RadialsAndDistancesAtTheirLimits) {
  Cockpit cockpit;
  cockpit.setPosition(kZurichLat, kZurichLonEast).powerUp();
  cockpit.cdu("FIX").cduType("QKL").cdu("1L");
  struct Sample {
    const char* typed;
    const char* key;
    const char* shown;  // nullptr: INVALID ENTRY
  };
  for (const Sample& sample : {
           Sample{"360", "2L", "360"},           Sample{"361", "2L", nullptr},        Sample{"0", "2L", "000"},
           Sample{"000", "2L", "000"},           Sample{"36", "2L", "036"},           Sample{"0360", "2L", nullptr},
           Sample{"9A", "2L", nullptr},          Sample{"360/999.9", "5L", "360/999.9"},
           Sample{"000/0.1", "5L", "000/0.1"},   Sample{"090/0.09", "5L", nullptr},   Sample{"090/1000", "5L", nullptr},
           Sample{"361/10", "5L", nullptr},      Sample{"0900/10", "5L", nullptr},    Sample{"090", "5L", nullptr},
           Sample{"090/", "5L", nullptr},        Sample{"/10", "5L", nullptr},        Sample{"45/2", "5L", "045/2.0"},
       }) {
    const int line = sample.key[0] == '2' ? 4 : 10;
    const std::string before = cockpit.cduLine(line);
    cockpit.cduType(sample.typed).cdu(sample.key);
    if (sample.shown == nullptr) {
      EXPECT_TRUE(Has(cockpit.cduLine(kScratchpad), "INVALID ENTRY")) << sample.typed;
      EXPECT_EQ(cockpit.cduLine(line), before) << sample.typed;
      g_fms.KeyPressed(kCduClearAll);
    } else {
      EXPECT_EQ(cockpit.cduLine(line).substr(0, std::string(sample.shown).size() + 1), std::string(sample.shown) + " ")
          << sample.typed;
    }
  }
}

// A target speed: knots from 100 to 400 (whole), Mach from .40 to .89, or
// both around a slash in either order; one of each at most.
TEST(FmsPages, TargetSpeedsAtTheirLimits) {
  Cockpit cockpit;
  cockpit.powerUp();
  cockpit.cdu("CLB");
  struct Sample {
    const char* typed;
    double knots;  // 0: INVALID ENTRY, both kept
    double mach;
  };
  double knots = g_fms.GetVnavPlan().climbSpeedKt;
  double mach = g_fms.GetVnavPlan().climbMach;
  for (const Sample& sample : {
           Sample{"100", 100, 0},       Sample{"99", 0, 0},        Sample{"400", 400, 0},    Sample{"401", 0, 0},
           Sample{".40", 0, 0.40},      Sample{".39", 0, 0},       Sample{".89", 0, 0.89},   Sample{".90", 0, 0},
           Sample{"250/.70", 250, 0.70}, Sample{".75/260", 260, 0.75}, Sample{"/.72", 0, 0.72},
           Sample{"280.0", 0, 0},       Sample{".76/.78", 0, 0},   Sample{"280/290", 0, 0},  Sample{"280/", 0, 0},
           Sample{"/", 0, 0},           Sample{".", 0, 0},
       }) {
    cockpit.cduType(sample.typed).cdu("2L");
    if (sample.knots == 0 && sample.mach == 0) {
      EXPECT_TRUE(Has(cockpit.cduLine(kScratchpad), "INVALID ENTRY")) << sample.typed;
      g_fms.KeyPressed(kCduClearAll);
    }
    if (sample.knots != 0) knots = sample.knots;
    if (sample.mach != 0) mach = sample.mach;
    EXPECT_EQ(g_fms.GetVnavPlan().climbSpeedKt, knots) << sample.typed;
    EXPECT_EQ(g_fms.GetVnavPlan().climbMach, mach) << sample.typed;
  }
}

TEST(FmsPages, NavDataFindsTheNavaidOfAnIdent) {
  Cockpit cockpit;
  cockpit.setPosition(kZurichLat, kZurichLonEast).powerUp();
  EXPECT_FALSE(g_fms.GetNavaidSearchResult()->IsSet());
  cockpit.cdu("INIT_REF 2R");
  EXPECT_LT(cockpit.cduLine(2).find("-----"), 2u) << "nothing asked yet: dashes for the ident";
  cockpit.cduType("QKL").cdu("1L");
  CNavPoint* found = g_fms.GetNavaidSearchResult();
  ASSERT_TRUE(found->IsSet());
  EXPECT_STREQ(found->GetIdent(), "QKL");
  EXPECT_EQ(found->GetType(), 2);
  EXPECT_TRUE(Has(cockpit.cduLine(2), "QKL"));
  EXPECT_TRUE(Has(cockpit.cduLine(6), "111.20"));
  cockpit.cduType("QQQQ").cdu("1L");
  EXPECT_TRUE(g_fms.IsAnnunciatorOn(2));
  EXPECT_FALSE(g_fms.GetNavaidSearchResult()->IsSet()) << "the search found nothing";
  EXPECT_EQ(cockpit.cduLine(kScratchpad).substr(0, 16), "NOT IN DATA BASE");
}

}  // namespace
}  // namespace halcyon::test
