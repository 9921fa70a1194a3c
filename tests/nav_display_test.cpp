// The navigation display: dark or lit by power and brightness, the compass
// turned to its reference direction in each mode, the heading readout's
// truncation, the readout timers, the fail flags per mode and IRS state, the
// DME, nav-source and TRU blocks, the range arc, the raw course and
// deviation picture, and the weather picture with its flags.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/ground_track.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "core/switch.h"
#include "displays/efis/display_states.h"
#include "displays/efis/efis_dimmer.h"
#include "displays/efis/efis_mcp.h"
#include "displays/nd/nav_display.h"
#include "displays/radar/radar.h"
#include "fmc/fms.h"
#include "gauges/element_helpers.h"
#include "host/simconnect_client.h"
#include "platform/gfx_surface.h"
#include "systems/dfgs.h"
#include "systems/irs.h"
#include "systems/mag_true.h"
#include "systems/radios.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

using platform::gfx::Color;
using platform::gfx::DrawingLog;
using platform::gfx::DrawnItem;
using platform::gfx::Near;
using platform::gfx::PointF;
using Kind = DrawnItem::Kind;

constexpr Color kBlack{0, 0, 0};
constexpr Color kBackground{11, 0, 30};
constexpr Color kWhite{255, 255, 255};
constexpr Color kRed{255, 0, 0};
constexpr Color kAmber{230, 180, 30};
constexpr Color kCyan{10, 155, 244};
constexpr Color kMagenta{255, 80, 255};

// The ND's screen on a powered cockpit with both IRS in NAV, both EFIS
// displays at full brightness, MAG, heading 090 at 12000 ft.
class NdScreen {
 public:
  explicit NdScreen(Cockpit& cockpit)
      : cockpit_(cockpit),
        element_(GetNthElement(cockpit.gauge("EFIS ND")->elements, 1)),
        surface_(cockpit.surface("EFIS ND")) {
    cockpit.powerUp().irsInNav();
    SetEfisDimmer(kDimmerPfd, 1.0);
    SetEfisDimmer(kDimmerNd, 1.0);
    SetEfisDimmer(kDimmerWeather, 1.0);
    SetMagTrueMode(kHeadingMagnetic);
    SetActiveNavUnit(0);
    SetSwitch(&g_efisSourceSwitch, kEfisSourceNormal);
    cockpit.set(Token::MagneticHeadingDeg, 90).set(Token::HeadingDeg, 90).set(Token::AltitudeFt, 12000).runSeconds(6);
    SetSwitch(&g_radarModeSwitch, kRadarOff);
  }
  const DrawingLog& draw(uint32_t mode) {
    g_efisMcp.mode = mode;
    surface_->StartRecording();
    DrawNavDisplay(element_, 1.0, 1.0, 1.0);
    surface_->StopRecording();
    return surface_->Log();
  }
  Color pixel(double x, double y) const { return surface_->Pixel(static_cast<int>(x), static_cast<int>(y)); }
  Cockpit& cockpit() { return cockpit_; }

 private:
  Cockpit& cockpit_;
  platform::ELEMENT_HEADER* element_;
  platform::gfx::Surface* surface_;
};

// The IRS units' states as the displays read them, with no IRS step in between.
void SetIrsStates(int32_t irs1, int32_t irs2) {
  SetSwitch(&g_irs1State, irs1);
  SetSwitch(&g_irs2State, irs2);
}

std::vector<const DrawnItem*> Strings(const DrawingLog& log, const std::wstring& text) { return log.Texts(text); }
bool Has(const DrawingLog& log, const std::wstring& text) { return !log.Texts(text).empty(); }

TEST(NavDisplay, DarkWithoutPowerOrBrightnessLitOtherwise) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  nd.draw(kEfisModeRose);
  EXPECT_EQ(nd.pixel(2, 248), kBackground);
  // Brightness argument 0.5 halves the background, the gate reads the ramp.
  SetEfisDimmer(kDimmerNd, 0.0);
  cockpit.runSeconds(6);
  ASSERT_EQ(GetNdBrightness(), 0.0);
  const DrawingLog& dark = nd.draw(kEfisModeRose);
  EXPECT_EQ(nd.pixel(150, 126), kBlack);
  EXPECT_EQ(dark.Count(Kind::DrawString), 0u);
}

TEST(NavDisplay, RoseTurnsToTheReferenceAndTruncatesTheReadout) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  cockpit.set(Token::MagneticHeadingDeg, 30).runTicks(1);
  const DrawingLog& log = nd.draw(kEfisModeRose);
  // "03" stands at the top, "00" 30 degrees to its left.
  const auto three = Strings(log, L"03");
  ASSERT_EQ(three.size(), 1u);
  EXPECT_TRUE(Near(three[0]->design[0], {150, 126 - 86}, 1.0f)) << three[0]->design[0].x << "," << three[0]->design[0].y;
  const auto zero = Strings(log, L"00");
  ASSERT_FALSE(zero.empty());
  const double a = -30.0 * 3.14159265358979 / 180.0;
  EXPECT_TRUE(Near(zero[0]->design[0], {static_cast<float>(150 + 86 * std::sin(-a) * -1), static_cast<float>(126 - 86 * std::cos(a))}, 1.0f));
  EXPECT_TRUE(Has(log, L"030"));
  cockpit.set(Token::MagneticHeadingDeg, 359.7).runTicks(1);
  EXPECT_TRUE(Has(nd.draw(kEfisModeRose), L"359"));
}

TEST(NavDisplay, TrueReferenceTurnsTheArcByTheTrueHeading) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  cockpit.set(Token::MagneticHeadingDeg, 80).set(Token::HeadingDeg, 90).runTicks(1);
  const auto mag = Strings(nd.draw(kEfisModeArc), L"09");
  ASSERT_EQ(mag.size(), 1u);
  EXPECT_GT(mag[0]->design[0].x, 160.0f) << "090 stands 10 degrees right of the top in MAG";
  SetMagTrueMode(kHeadingTrue);
  const auto tru = Strings(nd.draw(kEfisModeArc), L"09");
  ASSERT_EQ(tru.size(), 1u);
  EXPECT_NEAR(tru[0]->design[0].x, 150.0f, 1.0f) << "090 at the top in TRUE";
  // The map is track-up: reference is the ground track less the variation in MAG.
}

TEST(NavDisplay, HeadingFailReplacesTheCompassPerMode) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  EXPECT_FALSE(Has(nd.draw(kEfisModeMap), L"MAP FAIL")) << "heading and navigation good";
  SetIrsStates(kIrsOff, kIrsOff);
  const DrawingLog& rose = nd.draw(kEfisModeRose);
  const auto flag = Strings(rose, L"HDG\nFAIL");
  ASSERT_EQ(flag.size(), 1u);
  EXPECT_EQ(flag[0]->color, kRed);
  EXPECT_FALSE(Has(rose, L"00"));
  EXPECT_FALSE(Has(rose, L"DME1"));
  EXPECT_TRUE(Has(nd.draw(kEfisModeArc), L"HDG\nFAIL"));
  const DrawingLog& map = nd.draw(kEfisModeMap);
  EXPECT_TRUE(Has(map, L"TRK\nFAIL"));
  const auto mapFail = Strings(map, L"MAP FAIL");
  ASSERT_EQ(mapFail.size(), 1u);
  EXPECT_EQ(mapFail[0]->color, kRed);
  EXPECT_TRUE(Has(nd.draw(kEfisModePlan), L"TRK\nFAIL"));
  // Heading from IRS 1 aligning but no IRS in NAV: the map flag in amber.
  SetSwitch(&g_irs1State, kIrsAlign);
  const DrawingLog& aligning = nd.draw(kEfisModeMap);
  EXPECT_FALSE(Has(aligning, L"TRK\nFAIL"));
  const auto amber = Strings(aligning, L"MAP FAIL");
  ASSERT_EQ(amber.size(), 1u);
  EXPECT_EQ(amber[0]->color, kAmber);
  cockpit.set(Token::AdfBearingDeg, 45).runTicks(1);
  EXPECT_FALSE(Has(nd.draw(kEfisModeRose), L"ADF1")) << "no ADF legend without navigation";
  // The rose's heading box stays, empty, without navigation.
  const DrawingLog& noNav = nd.draw(kEfisModeRose);
  EXPECT_TRUE(Has(noNav, L"00"));
  EXPECT_FALSE(Has(noNav, L"090"));
}

TEST(NavDisplay, EfisSourceOnIrs2UsesOnlyIrs2) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  SetSwitch(&g_irs2State, kIrsOff);
  EXPECT_FALSE(Has(nd.draw(kEfisModeRose), L"HDG\nFAIL"));
  SetSwitch(&g_efisSourceSwitch, kEfisSourceIrs2);
  const DrawingLog& log = nd.draw(kEfisModeRose);
  EXPECT_TRUE(Has(log, L"HDG\nFAIL"));
  EXPECT_TRUE(Has(log, L"EFI 2"));
  SetSwitch(&g_efisSourceSwitch, kEfisSourceIrs1);
  EXPECT_TRUE(Has(nd.draw(kEfisModeArc), L"EFI 1"));
}

TEST(NavDisplay, DmeTextsLeftAndRightAligned) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  cockpit.set(Token::Dme1Nm, 12.34).set(Token::Dme2Nm, 1234.5).runTicks(1);
  const DrawingLog& log = nd.draw(kEfisModeRose);
  EXPECT_TRUE(Has(log, L"12.3 "));
  EXPECT_TRUE(Has(log, L"1234."));
  cockpit.set(Token::Dme1Nm, -1.0).set(Token::Dme2Nm, 12.34).runTicks(1);
  const DrawingLog& other = nd.draw(kEfisModeArc);
  EXPECT_TRUE(Has(other, L"- - -"));
  EXPECT_TRUE(Has(other, L" 12.3"));
}

TEST(NavDisplay, NavSourceLabelByTheActiveReceiversWord) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  cockpit.set(Token::Nav1Code, 0xC0).set(Token::Nav2Code, 0x02).runTicks(1);
  EXPECT_TRUE(Has(nd.draw(kEfisModeRose), L"ILS  "));
  cockpit.set(Token::Nav1Code, 0x80).runTicks(1);
  EXPECT_TRUE(Has(nd.draw(kEfisModeRose), L"LOC  "));
  cockpit.set(Token::Nav1Code, 0x02).runTicks(1);
  EXPECT_TRUE(Has(nd.draw(kEfisModeRose), L"TACAN"));
  cockpit.set(Token::Nav1Code, 0x01).runTicks(1);
  EXPECT_TRUE(Has(nd.draw(kEfisModeRose), L"VOR  "));
  cockpit.set(Token::Nav1Code, 0).runTicks(1);
  EXPECT_TRUE(Has(nd.draw(kEfisModeRose), L"     "));
  // NAV 2 active: its own word, a TACAN, while NAV 1's says nothing.
  SetActiveNavUnit(1);
  EXPECT_TRUE(Has(nd.draw(kEfisModeRose), L"TACAN"));
}

// Flag words the simulator gives as numbers no word can be: a negative
// station word is no station (not every flag at once), a TO/FROM flag that
// is not a number is none; in both compass modes.
TEST(NavDisplay, FlagWordsOutsideTheirRangeAreNoStationAndNoIndication) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  cockpit.set(Token::Nav1Code, -1).set(Token::Nav1Flags, -1).set(Token::Nav1ToFrom, std::nan("")).runTicks(1);
  for (uint32_t mode : {kEfisModeRose, kEfisModeArc}) {
    const DrawingLog& log = nd.draw(mode);
    EXPECT_TRUE(Has(log, L"     ")) << mode;
    EXPECT_FALSE(Has(log, L"ILS  ")) << mode;
    EXPECT_TRUE(log.InMark("glideslope").empty()) << mode;
    EXPECT_FALSE(Has(log, L"G")) << "no glideslope flag " << mode;
    size_t outlines = 0;
    for (const DrawnItem* item : log.InMark("course")) outlines += item->kind == Kind::DrawPolygon ? 1 : 0;
    EXPECT_EQ(outlines, 0u) << "no TO/FROM triangle " << mode;
  }
  cockpit.set(Token::Nav1ToFrom, 1).runTicks(1);
  size_t outlines = 0;
  for (const DrawnItem* item : nd.draw(kEfisModeRose).InMark("course")) outlines += item->kind == Kind::DrawPolygon ? 1 : 0;
  EXPECT_EQ(outlines, 1u) << "TO";
}

// The rose's ticks go all round: as many in each quarter, none twice.
TEST(NavDisplay, TheRoseTicksGoAllRound) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  int quarters[4] = {};
  for (const DrawnItem* line : nd.draw(kEfisModeRose).Find(Kind::DrawLine, kWhite)) {
    const float x0 = line->design[0].x - 150, y0 = line->design[0].y - 126;
    const float x1 = line->design[1].x - 150, y1 = line->design[1].y - 126;
    const float r0 = std::hypot(x0, y0), r1 = std::hypot(x1, y1);
    if (r0 < 80 || r0 > 98 || r1 < 80 || r1 > 98) continue;
    if (std::fabs(x0) < 1 || std::fabs(y0) < 1 || std::fabs(x1) < 1 || std::fabs(y1) < 1) continue;
    ++quarters[(x0 > 0 ? 1 : 0) + (y0 > 0 ? 2 : 0)];
  }
  for (int q = 0; q < 4; ++q) EXPECT_EQ(quarters[q], 17) << q;
}

TEST(NavDisplay, TrueLabelBoxedBelowTenThousandFeet) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  EXPECT_FALSE(Has(nd.draw(kEfisModeRose), L"TRU"));
  SetMagTrueMode(kHeadingTrue);
  const DrawingLog& high = nd.draw(kEfisModeRose);
  EXPECT_TRUE(Has(high, L"TRU"));
  EXPECT_TRUE(high.Find(Kind::DrawRectangle, kAmber).empty());
  cockpit.set(Token::AltitudeFt, 9000).runTicks(1);
  const auto boxes = nd.draw(kEfisModeArc).Find(Kind::DrawRectangle, kAmber);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(Near(boxes[0]->design[0], {166, 42}, 0.8f));
}

TEST(NavDisplay, WindOnlyAboveTenThousandFeet) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  cockpit.set(Token::WindSpeedKt, 24.6).runTicks(1);
  EXPECT_TRUE(Has(nd.draw(kEfisModeArc), L" 25"));
  cockpit.set(Token::WindSpeedKt, 24.5).runTicks(1);
  EXPECT_TRUE(Has(nd.draw(kEfisModeArc), L" 25")) << "rounded to the nearest knot";
  cockpit.set(Token::WindSpeedKt, 24.49).runTicks(1);
  EXPECT_TRUE(Has(nd.draw(kEfisModeArc), L" 24"));
  // The arrow shows where the wind blows: from straight ahead, straight down.
  cockpit.set(Token::WindDirectionDeg, 90).set(Token::MagneticVariationDeg, 0).runTicks(1);
  bool down = false;
  for (const DrawnItem* head : nd.draw(kEfisModeArc).Find(Kind::FillPolygon, kWhite)) {
    down = down || (head->design.size() == 3 && Near(head->design[0], {20, 196}, 1.0f));
  }
  EXPECT_TRUE(down);
  cockpit.set(Token::AltitudeFt, 10000).runTicks(1);
  EXPECT_FALSE(Has(nd.draw(kEfisModeArc), L" 25"));
}

TEST(NavDisplay, RangeArcInTheArcOnlyWithTheRadarOn) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  g_efisMcp.range = 5;
  EXPECT_FALSE(Has(nd.draw(kEfisModeArc), L"160"));
  EXPECT_TRUE(Has(nd.draw(kEfisModeMap), L"160"));
  SetSwitch(&g_radarModeSwitch, kRadarWeather);
  EXPECT_TRUE(Has(nd.draw(kEfisModeArc), L"160"));
  g_efisMcp.range = 2;
  EXPECT_TRUE(Has(nd.draw(kEfisModeArc), L"20"));
  // The half-range arc shows through three windows about the vertical: lit 60
  // units left of it, broken at 42 units where the windows part.
  auto litNear = [&nd](double x, double y) {
    for (int dy = -2; dy <= 2; ++dy) {
      for (int dx = -2; dx <= 2; ++dx) {
        const Color c = nd.pixel(x + dx, y + dy);
        if (c.r > 150 && c.g > 150 && c.b > 150) return true;
      }
    }
    return false;
  };
  nd.draw(kEfisModeMap);
  EXPECT_TRUE(litNear(150 - 60, 227 - std::sqrt(105.0 * 105.0 - 60.0 * 60.0)));
  EXPECT_TRUE(litNear(150 + 60, 227 - std::sqrt(105.0 * 105.0 - 60.0 * 60.0)));
  EXPECT_FALSE(litNear(150 - 42.5, 227 - std::sqrt(105.0 * 105.0 - 42.5 * 42.5)));
}

TEST(NavDisplay, SelectedHeadingReadoutShowsThreeSecondsAfterAChange) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  nd.draw(kEfisModeArc);
  cockpit.runSeconds(4);
  EXPECT_FALSE(Has(nd.draw(kEfisModeArc), L"100"));
  SetDfgsSelectedValue(kSelHeading, 100);
  ASSERT_EQ(GetDfgsSelectedValue(3), 100.0);
  EXPECT_TRUE(Has(nd.draw(kEfisModeArc), L"100"));
  cockpit.runSeconds(2);
  EXPECT_TRUE(Has(nd.draw(kEfisModeArc), L"100"));
  cockpit.runSeconds(1.5);
  EXPECT_FALSE(Has(nd.draw(kEfisModeArc), L"100"));
}

TEST(NavDisplay, CourseReadoutFollowsTheActiveReceiver) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  cockpit.set(Token::Nav1CourseDeg, 123.9).runTicks(1);
  EXPECT_TRUE(Has(nd.draw(kEfisModePlan), L"123"));
  cockpit.runSeconds(4);
  EXPECT_FALSE(Has(nd.draw(kEfisModePlan), L"123"));
}

TEST(NavDisplay, DeviationBarOffsetAlongTheTurnedCourse) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  // Course 090 on heading 090: the bar's frame is upright; valid VOR signal.
  cockpit.set(Token::Nav1CourseDeg, 90)
      .set(Token::Nav1Code, 0x01)
      .set(Token::CourseNeedle, 127)
      .set(Token::Nav1ToFrom, 1)
      .runTicks(1);
  const DrawingLog& log = nd.draw(kEfisModeRose);
  const auto bars = log.InMark("course");
  std::vector<const DrawnItem*> rects;
  for (const DrawnItem* item : bars) {
    if (item->kind == Kind::FillRectangle && item->color == kMagenta) rects.push_back(item);
  }
  ASSERT_EQ(rects.size(), 2u) << "the pointer's tail and the bar";
  EXPECT_NEAR(rects[1]->design[0].x, 150 - 2 + 127 * 0.390625, 0.02) << "not limited by the outer dot";
  EXPECT_NEAR(rects[1]->design[0].y, 126 - 29, 0.6);
  // No valid signal: the bar and dots go, the pointer and TO/FROM stay.
  cockpit.set(Token::Nav1Code, 0x09).runTicks(1);
  const auto noSignal = nd.draw(kEfisModeRose).InMark("course");
  size_t fills = 0, dots = 0, triangles = 0;
  for (const DrawnItem* item : noSignal) {
    fills += item->kind == Kind::FillRectangle ? 1 : 0;
    dots += item->kind == Kind::DrawEllipse ? 1 : 0;
    triangles += item->kind == Kind::DrawPolygon ? 1 : 0;
  }
  EXPECT_EQ(fills, 1u);
  EXPECT_EQ(dots, 0u);
  EXPECT_EQ(triangles, 1u);
}

TEST(NavDisplay, GlideSlopeFlagLettersOnTheRose) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  cockpit.set(Token::Nav1Code, 0xC0).set(Token::Nav1Flags, 4).runTicks(1);
  const DrawingLog& log = nd.draw(kEfisModeRose);
  const auto g = Strings(log, L"G");
  ASSERT_EQ(g.size(), 1u);
  EXPECT_EQ(g[0]->color, kRed);
  EXPECT_TRUE(Near(g[0]->design[0], {290, 126 - 42}, 1.0f));
  // NAV 2 active: no glideslope at all.
  SetActiveNavUnit(1);
  EXPECT_FALSE(Has(nd.draw(kEfisModeRose), L"G"));
}

TEST(NavDisplay, WeatherTestRingsAndFlags) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  const auto off = Strings(nd.draw(kEfisModeArc), L"WXR\nOFF");
  ASSERT_EQ(off.size(), 1u);
  EXPECT_EQ(off[0]->color, kCyan);
  SetSwitch(&g_radarModeSwitch, kRadarTest);
  EXPECT_TRUE(Has(nd.draw(kEfisModeArc), L"WXR\nOFF"));
  // The radar display's test rings: each coloured disc with a black one inside it.
  const auto discs = nd.draw(kEfisModeArc).Find(Kind::FillEllipse, kBlack);
  ASSERT_EQ(discs.size(), 3u);
  const float radii[] = {143, 114, 86};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_TRUE(Near(discs[i]->design[0], PointF(150 - radii[i], 227 - radii[i]))) << i;
  }
  // Rings along the vertical above the aircraft (150, 227), wx dimmer 1.
  auto ring = [&nd](double r) { return nd.pixel(150 - r * 0.5, 227 - r * 0.866); };
  EXPECT_EQ(ring(170), (Color{255, 0, 0}));
  EXPECT_EQ(ring(128), (Color{230, 180, 30}));
  EXPECT_EQ(ring(100), (Color{0, 150, 0}));
  EXPECT_EQ(nd.pixel(120, 227 - 50), kBlack);
  EXPECT_EQ(nd.pixel(150, 240), kBackground) << "nothing below the aircraft";
  SetSwitch(&g_radarModeSwitch, kRadarWeather);
  EXPECT_FALSE(Has(nd.draw(kEfisModeArc), L"WXR\nOFF"));
  EXPECT_FALSE(Has(nd.draw(kEfisModeRose), L"WXR\nOFF"));
  SetIrsStates(kIrsOff, kIrsOff);
  const auto fail = Strings(nd.draw(kEfisModeMap), L"WXR\nFAIL");
  ASSERT_EQ(fail.size(), 1u);
  EXPECT_EQ(fail[0]->color, kRed);
}

TEST(NavDisplay, WeatherCellsTurnWithTheTrueHeading) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  SetSwitch(&g_radarModeSwitch, kRadarWeather);
  // One cell due east of the aircraft; heading 090 puts it straight ahead.
  g_cloudGridNd[32][52] = 200;
  const auto cells = nd.draw(kEfisModeArc).InMark("weather");
  g_cloudGridNd[32][52] = 0;
  std::vector<const DrawnItem*> blots;
  for (const DrawnItem* item : cells) {
    if (item->kind == Kind::FillEllipse) blots.push_back(item);
  }
  ASSERT_FALSE(blots.empty());
  EXPECT_NEAR(blots[0]->design[0].x, 150, 25);
  EXPECT_LT(blots[0]->design[0].y, 227 - 100);
}

TEST(NavDisplay, AdfNeedleInItsOwnColourWhateverOnIsStoredAs) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  cockpit.set(Token::AdfBearingDeg, 40).runTicks(1);
  g_efisMcp.adf1 = 0;
  EXPECT_EQ(nd.draw(kEfisModeRose).Find(Kind::DrawLine, Color{120, 130, 255}).size(), 1u) << "the legend's stem";
  g_efisMcp.adf1 = 2;
  const auto needle = nd.draw(kEfisModeRose).Find(Kind::DrawLine, Color{120, 130, 255});
  EXPECT_EQ(needle.size(), 4u + 1u) << "four needle lines and the legend's stem";
  g_efisMcp.adf1 = 0;
}

// The needle's pieces join end to end, each half of it unbroken.
TEST(NavDisplay, AdfNeedlePiecesJoinEndToEnd) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  cockpit.set(Token::AdfBearingDeg, 0).runTicks(1);
  g_efisMcp.adf1 = 1;
  for (uint32_t mode : {kEfisModeRose, kEfisModeArc}) {
    const DrawingLog& log = nd.draw(mode);
    std::vector<std::pair<float, float>> spans;
    for (const DrawnItem& item : log.Items()) {
      if (item.color != Color{120, 130, 255} || item.design.size() < 2 || std::fabs(item.design[0].x - 150) > 0.01f) {
        continue;
      }
      if (item.kind == Kind::DrawLine && std::fabs(item.design[1].x - 150) < 0.01f) {
        spans.push_back(std::minmax(item.design[0].y, item.design[1].y));
      } else if (item.kind == Kind::DrawPolygon) {
        spans.push_back(std::minmax(item.design[0].y, item.design[1].y));
      }
    }
    std::sort(spans.begin(), spans.end());
    ASSERT_GE(spans.size(), 6u) << mode;
    int breaks = 0;
    for (size_t i = 1; i < spans.size(); ++i) breaks += std::fabs(spans[i].first - spans[i - 1].second) > 0.01f;
    EXPECT_EQ(breaks, 1) << "only the gap about the centre, mode " << mode;
  }
  g_efisMcp.adf1 = 0;
}

// The map's path scale: in a VNAV descent past the top of descent, its
// pointer a twentieth of the path error below the middle mark.
TEST(NavDisplay, PathScaleInTheVnavDescentPastTheTopOfDescent) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  auto pointers = [&nd] {
    std::vector<const DrawnItem*> found;
    for (const DrawnItem* item : nd.draw(kEfisModeMap).InMark("aircraft")) {
      if (item->kind == Kind::DrawEllipse && std::fabs(item->design[2].x - item->design[0].x - 12) < 0.01f) {
        found.push_back(item);
      }
    }
    return found;
  };
  CFms::Guidance guidance;
  guidance.vnavNext = kVnavDescent;
  guidance.passedTopOfDescent = 1;
  guidance.pathErrorAltitudeFt = 200.0;
  cockpit.fmsAnswers(guidance);
  EXPECT_TRUE(pointers().empty()) << "no VNAV descent yet";
  SetDfgsSelectedValue(kSelAltitude, 5000);
  UpdateDfgsVnav();
  ASSERT_EQ(GetDfgsVnavPhase(), kVnavDescent);
  const auto shown = pointers();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NEAR(shown[0]->design[0].y, 227 - 54, 0.01);
  guidance.passedTopOfDescent = 0;
  cockpit.fmsAnswers(guidance);
  EXPECT_TRUE(pointers().empty()) << "before the top of descent";
}

// With a drift the arc keeps the heading pointer at the top and turns the
// track diamond; the map keeps the diamond at the top and turns the pointer.
TEST(NavDisplay, TheDriftTurnsTheDiamondOnTheArcAndThePointerOnTheMap) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  // In the air with the position standing still the track holds while the heading turns.
  cockpit.set(Token::OnGround, 0).runTicks(2);
  cockpit.set(Token::HeadingDeg, 120).set(Token::MagneticHeadingDeg, 120).runTicks(2);
  ASSERT_GT(std::fabs(GetGroundTrack() - 120.0), 10.0) << "a drift";
  auto atTop = [&nd](uint32_t mode, Color color, size_t points, PointF tip) {
    for (const DrawnItem* item : nd.draw(mode).Find(Kind::DrawPolygon, color)) {
      if (item->design.size() >= points && Near(item->design[0], tip, 0.01f)) return true;
    }
    return false;
  };
  const Color magenta{255, 80, 255};
  EXPECT_TRUE(atTop(kEfisModeArc, kWhite, 3, {150, 227 - 208}));
  EXPECT_FALSE(atTop(kEfisModeArc, magenta, 4, {150, 227 - 194}));
  EXPECT_FALSE(atTop(kEfisModeMap, kWhite, 3, {150, 227 - 208}));
  EXPECT_TRUE(atTop(kEfisModeMap, magenta, 4, {150, 227 - 194}));
}

TEST(NavDisplay, ClickAreasOverEverythingOnlyWithTheOption) {
  Cockpit cockpit;
  NdScreen nd(cockpit);
  EXPECT_FALSE(Has(nd.draw(kEfisModeArc), L"ND Window"));
  cockpit.setOption(kOptionHotspots, true);
  SetIrsStates(kIrsOff, kIrsOff);
  const DrawingLog& log = nd.draw(kEfisModeArc);
  const auto title = Strings(log, L"ND Window");
  ASSERT_EQ(title.size(), 1u);
  EXPECT_EQ(title[0]->color, (Color{255, 255, 0}));
  EXPECT_TRUE(Has(log, L"Range +"));
  EXPECT_EQ(log.Items().back().text, L"Range +") << "drawn last, over the fail flags";
  EXPECT_EQ(log.Find(Kind::DrawRectangle, Color{255, 255, 0}).size(), 5u);
}

}  // namespace
}  // namespace halcyon::test
