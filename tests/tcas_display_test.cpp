// The TCAS display: the pointer's angle, dark without power or brightness,
// the advisory bands' colours at chosen vertical speeds in each state, the
// intruders' symbols, colours, tags, arrows and places, the range and
// altitude filters, the test pattern, the corner texts and the hotspot frame.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "core/options.h"
#include "core/panel_services.h"
#include "displays/tcas/tcas.h"
#include "displays/tcas/tcas_display.h"
#include "gauges/element_helpers.h"
#include "nav/great_circle.h"
#include "platform/gfx_surface.h"
#include "systems/radios.h"
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

constexpr double kOwnLat = 47.0;
constexpr double kOwnLon = 8.0;
constexpr double kOwnAltitudeFt = 10000.0;
constexpr float kUnitsPerNmAt3 = 2560.0f / 60.0f;
constexpr PointF kOwnAircraft{125, 159};

constexpr Color kBlack{0, 0, 0};
constexpr Color kBackground{11, 0, 30};
constexpr Color kWhite{255, 255, 255};
constexpr Color kCyan{0, 220, 220};
constexpr Color kAmber{230, 180, 30};
constexpr Color kRed{220, 0, 0};
constexpr Color kGreen{0, 150, 0};
constexpr Color kYellow{255, 255, 0};

// The TCAS display's screen, drawn on demand; a powered cockpit at full
// brightness, own aircraft at 10000 ft heading north, TA/RA at 3 NM range.
class TcasScreen {
 public:
  explicit TcasScreen(Cockpit& cockpit)
      : element_(GetNthElement(cockpit.gauge("TCAS Display")->elements, 1)),
        surface_(cockpit.surface("TCAS Display")) {
    cockpit.powerUp();
    g_tcas->SetDimmer(1.0);
    cockpit.control("TRANSPONDER", "mode", 90)
        .control("TRANSPONDER", "tcas_range", 100)
        .setScaled(Token::RadioAltitudeM, 5000)
        .set(Token::AltitudeFt, kOwnAltitudeFt)
        .set(Token::HeadingDeg, 0)
        .setPosition(kOwnLat, kOwnLon)
        .runSeconds(2);
    g_tcas->SetBrightness(1.0);
  }
  const DrawingLog& draw() {
    surface_->StartRecording();
    DrawTcasDisplay(element_);
    surface_->StopRecording();
    return surface_->Log();
  }
  // A pixel at a design point (the screen is 250 x 250 design units).
  Color pixel(double x, double y) const { return surface_->Pixel(static_cast<int>(x), static_cast<int>(y)); }
  // The band ring's pixel at a vertical speed and radius.
  Color bandPixel(double fpm, double radius) const {
    const double a = TcasVsiAngleDeg(fpm) * kRadiansPerDegree;
    return pixel(125.0 - radius * std::cos(a), 125.0 - radius * std::sin(a));
  }
  platform::ELEMENT_HEADER* element() const { return element_; }
  platform::gfx::Surface& surface() const { return *surface_; }

 private:
  platform::ELEMENT_HEADER* element_;
  platform::gfx::Surface* surface_;
};

// An intruder in the display list: `aheadNm` north and `rightNm` east of own
// aircraft, `relativeFt` above it, of a threat class.
struct Intruder {
  double aheadNm = 1.0;
  double rightNm = 0.0;
  double relativeFt = 0.0;
  double verticalSpeedFpm = 0.0;
  int32_t threatClass = kTcasOtherTraffic;
};

void ShowTraffic(std::initializer_list<Intruder> intruders) {
  g_tcas->GetTrafficList()->Reset();
  g_tcas->SetOwnLatLon(kOwnLat, kOwnLon);
  int n = 0;
  for (const Intruder& intruder : intruders) {
    const std::string id = "T" + std::to_string(n++);
    const double lat = kOwnLat + intruder.aheadNm / 60.0;
    const double lon = kOwnLon + intruder.rightNm / 60.0 / std::cos(kOwnLat * kRadiansPerDegree);
    g_tcas->AppendTarget(id.c_str(), CLatLon(lat, lon), kOwnAltitudeFt + intruder.relativeFt, 5000,
                         intruder.verticalSpeedFpm, 0);
    g_tcas->FindTarget(id.c_str())->SetThreatClass(intruder.threatClass);
  }
  g_tcas->CopyTrafficToDisplay();
}

std::vector<std::wstring> Texts(const std::vector<const DrawnItem*>& items) {
  std::vector<std::wstring> texts;
  for (const DrawnItem* item : items) {
    if (item->kind == Kind::DrawString) texts.push_back(item->text);
  }
  return texts;
}
std::vector<std::wstring> Texts(const DrawingLog& log) { return Texts(log.InMark("texts")); }

std::vector<const DrawnItem*> OfKind(const std::vector<const DrawnItem*>& items, Kind kind) {
  std::vector<const DrawnItem*> found;
  for (const DrawnItem* item : items) {
    if (item->kind == kind && !item->skipped) found.push_back(item);
  }
  return found;
}

TEST(TcasDisplay, PointerAnglesFollowTheScale) {
  EXPECT_EQ(TcasVsiAngleDeg(0), 0.0);
  EXPECT_NEAR(TcasVsiAngleDeg(500), 35.0, 1e-9);
  EXPECT_NEAR(TcasVsiAngleDeg(1000), 70.0, 1e-9);
  EXPECT_NEAR(TcasVsiAngleDeg(1250), 80.0, 1e-9);
  EXPECT_NEAR(TcasVsiAngleDeg(-250), -17.5, 1e-9);
  EXPECT_NEAR(TcasVsiAngleDeg(1750), 96.5, 1e-9);
  EXPECT_NEAR(TcasVsiAngleDeg(2500), 114.0, 1e-9);
  EXPECT_NEAR(TcasVsiAngleDeg(3500), 134.75, 1e-9);
  EXPECT_NEAR(TcasVsiAngleDeg(-4500), -152.25, 1e-9);
  EXPECT_NEAR(TcasVsiAngleDeg(5500), 166.0, 1e-9);
  EXPECT_EQ(TcasVsiAngleDeg(6000), 172.0);
  EXPECT_EQ(TcasVsiAngleDeg(7000), 172.0);
  EXPECT_EQ(TcasVsiAngleDeg(-7000), -172.0);
  EXPECT_EQ(TcasVsiAngleDeg(std::nan("")), 0.0);

  Cockpit cockpit;
  TcasScreen screen(cockpit);
  cockpit.setScaled(Token::VerticalSpeed, 1250);
  const auto pointer = OfKind(screen.draw().InMark("pointer"), Kind::FillPolygon);
  ASSERT_EQ(pointer.size(), 1u);
  EXPECT_EQ(pointer[0]->color, kWhite);
  const double a = 80.0 * kRadiansPerDegree;
  EXPECT_TRUE(Near(pointer[0]->design[1], {static_cast<float>(125 - 94 * std::cos(a)),
                                           static_cast<float>(125 - 94 * std::sin(a))}))
      << pointer[0]->design[1].x << ", " << pointer[0]->design[1].y;
}

TEST(TcasDisplay, BlackWithoutPowerOrBrightnessAndHalvedAtHalf) {
  Cockpit cockpit;
  TcasScreen screen(cockpit);
  g_tcas->SetBrightness(0.0);
  EXPECT_EQ(screen.draw().Items().size(), 1u);
  EXPECT_EQ(screen.pixel(125, 60), kBlack);
  g_tcas->SetBrightness(0.5);
  const auto& half = screen.draw();
  EXPECT_EQ(screen.pixel(5, 240), (Color{5, 0, 15}));
  ASSERT_FALSE(half.InMark("scale").empty());
  EXPECT_EQ(half.InMark("scale")[0]->color, (Color{127, 127, 127}));
  g_tcas->SetBrightness(0.01);  // the first step of the ramp already draws
  const auto& faint = screen.draw();
  ASSERT_FALSE(faint.InMark("scale").empty());
  EXPECT_EQ(faint.InMark("scale")[0]->color, (Color{2, 2, 2}));
  g_tcas->SetBrightness(1.0);
  screen.draw();
  EXPECT_EQ(screen.pixel(5, 240), kBackground);
  cockpit.control("APU", "battery", kSwitchOff).runSeconds(1);
  g_tcas->SetBrightness(1.0);
  const auto& dark = screen.draw();
  ASSERT_EQ(dark.Items().size(), 1u);
  EXPECT_EQ(dark.Items()[0].color, kBlack);
  EXPECT_EQ(screen.pixel(125, 60), kBlack);

  // No surface: nothing drawn, the picture is still handed over.
  platform::ELEMENT_HEADER bare;
  bare.imageFlags = platform::kImageClockBit | 1u;
  DrawTcasDisplay(&bare);
  EXPECT_EQ(bare.imageFlags, 1u);
  DrawTcasDisplay(nullptr);
}

TEST(TcasDisplay, TheScaleRingTicksNumeralsAndOwnAircraft) {
  Cockpit cockpit;
  TcasScreen screen(cockpit);
  const auto& log = screen.draw();
  const auto scale = log.InMark("scale");
  EXPECT_EQ(OfKind(scale, Kind::DrawEllipse).size(), 1u);
  EXPECT_EQ(Texts(scale), (std::vector<std::wstring>{L"0", L".5", L"1", L"2", L"4", L"6", L"4", L"2", L"1", L".5"}));
  const auto ticks = OfKind(scale, Kind::DrawLine);
  ASSERT_EQ(ticks.size(), 41u);
  EXPECT_TRUE(Near(ticks[0]->design[0], {31, 125})) << "the zero tick at 9 o'clock";
  EXPECT_TRUE(Near(ticks.back()->design[1], {232, 140})) << "the last: -6000";
  const auto dots = log.InMark("dots");
  EXPECT_EQ(OfKind(dots, Kind::FillEllipse).size(), 12u);
  EXPECT_TRUE(Near(OfKind(dots, Kind::FillEllipse)[0]->design[0], {123, 72})) << "2 NM ahead at 3 NM range";
  EXPECT_EQ(OfKind(dots, Kind::DrawLine).size(), 3u);
  EXPECT_EQ(OfKind(dots, Kind::DrawLine)[0]->color, kCyan);
  cockpit.control("TRANSPONDER", "tcas_range", 103);
  EXPECT_TRUE(Near(OfKind(screen.draw().InMark("dots"), Kind::FillEllipse)[0]->design[0], {123, 140}));
}

// Each state paints red and green where its command says, seen in pixels
// between the scale ring (94) and the red band's edge (107), and in the
// green band's outer part (107 to 112).
TEST(TcasDisplay, AdvisoryBandsPaintTheirVerticalSpeeds) {
  Cockpit cockpit;
  TcasScreen screen(cockpit);
  struct Probe {
    double fpm;
    bool red;
    bool green;
  };
  struct StateBands {
    int32_t state;
    std::vector<Probe> probes;
  };
  const StateBands cases[] = {
      {kTcasAdvisoryUpward, {{1250, true, false}, {650, true, false}, {-2750, true, false}, {-5750, true, false},
                             {1750, false, true}, {2250, false, false}, {4750, false, false}}},
      {kTcasAdvisoryNoClimb, {{650, true, false}, {2750, true, false}, {5750, true, false}, {-150, false, true},
                              {-250, false, true}, {-650, false, false}, {-3250, false, false}}},
      {kTcasAdvisoryDownward, {{-1250, true, false}, {-650, true, false}, {2750, true, false}, {5750, true, false},
                               {-1750, false, true}, {-2250, false, false}, {-4750, false, false}}},
      {kTcasAdvisoryNoDescent, {{-650, true, false}, {-2750, true, false}, {-5750, true, false}, {150, false, true},
                                {250, false, true}, {650, false, false}, {3250, false, false}}},
  };
  for (const StateBands& bands : cases) {
    g_tcas->SetAdvisoryState(bands.state);
    screen.draw();
    for (const Probe& probe : bands.probes) {
      const Color inner = screen.bandPixel(probe.fpm, 100.5);
      const Color outer = screen.bandPixel(probe.fpm, 109.5);
      EXPECT_EQ(inner, probe.red ? kRed : probe.green ? kGreen : kBackground)
          << "state " << bands.state << " at " << probe.fpm << " ft/min";
      EXPECT_EQ(outer, probe.green ? kGreen : kBackground) << "state " << bands.state << " at " << probe.fpm;
    }
  }
  for (int32_t state : {kTcasAdvisoryNone, kTcasAdvisorySelfTest}) {
    g_tcas->SetAdvisoryState(state);
    const auto& log = screen.draw();
    EXPECT_TRUE(log.Find(Kind::FillRectangle, kRed).empty()) << state;
    EXPECT_EQ(screen.bandPixel(-650, 100.5), kBackground);
  }
  // The test shows the bands of level flight whatever the state.
  cockpit.setSwitch(&g_tcasTestSwitch, kSwitchOn);
  g_tcas->SetAdvisoryState(kTcasAdvisorySelfTest);
  screen.draw();
  EXPECT_EQ(screen.bandPixel(-650, 100.5), kRed);
  EXPECT_EQ(screen.bandPixel(150, 109.5), kGreen);
}

TEST(TcasDisplay, SymbolsAndColoursByThreatClass) {
  Cockpit cockpit;
  TcasScreen screen(cockpit);
  ShowTraffic({{.aheadNm = 1.0, .threatClass = kTcasCorrectiveAdvisory},
               {.aheadNm = -1.0, .threatClass = kTcasPreventiveAdvisory},
               {.aheadNm = 0.0, .rightNm = 1.0, .threatClass = kTcasTrafficAdvisory},
               {.aheadNm = 2.0, .threatClass = kTcasOtherTraffic},
               {.aheadNm = 0.0, .rightNm = -2.01, .threatClass = kTcasOtherTraffic}});
  g_tcas->GetDisplayList()->GetNext()->GetNext()->GetNext()->SetRange(2.0);  // exactly
  const auto traffic = screen.draw().InMark("traffic");
  const auto squares = OfKind(traffic, Kind::FillRectangle);
  ASSERT_EQ(squares.size(), 2u);
  EXPECT_EQ(squares[0]->color, kRed);
  EXPECT_EQ(squares[1]->color, kRed);
  EXPECT_TRUE(Near(squares[0]->design[0], {125 - 8, 159 - kUnitsPerNmAt3 - 8})) << "1 NM ahead, heading north";
  EXPECT_TRUE(Near(squares[1]->design[0], {125 - 8, 159 + kUnitsPerNmAt3 - 8})) << "1 NM behind";
  const auto circles = OfKind(traffic, Kind::FillEllipse);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ(circles[0]->color, kAmber);
  EXPECT_TRUE(Near(circles[0]->design[0], {125 + kUnitsPerNmAt3 - 8, 159 - 8}, 0.6f)) << "1 NM to the right";
  const auto filled = OfKind(traffic, Kind::FillPolygon);
  ASSERT_EQ(filled.size(), 1u) << "proximate: 2.0 NM";
  EXPECT_EQ(filled[0]->color, kWhite);
  EXPECT_EQ(filled[0]->points.size(), 4u);
  const auto outlined = OfKind(traffic, Kind::DrawPolygon);
  ASSERT_EQ(outlined.size(), 1u) << "2.01 NM";
  EXPECT_EQ(outlined[0]->color, kWhite);
  EXPECT_EQ(outlined[0]->penWidth, 1.0f);
  // Pixels of the fills at their centres.
  EXPECT_EQ(screen.pixel(125, 159 - kUnitsPerNmAt3), kRed);
  EXPECT_EQ(screen.pixel(125 + kUnitsPerNmAt3, 159), kAmber);

  // Heading east: what lies north is on the left.
  cockpit.set(Token::HeadingDeg, 90);
  ShowTraffic({{.aheadNm = 1.0, .threatClass = kTcasCorrectiveAdvisory}});
  const auto turned = OfKind(screen.draw().InMark("traffic"), Kind::FillRectangle);
  ASSERT_EQ(turned.size(), 1u);
  EXPECT_TRUE(Near(turned[0]->design[0], {125 - kUnitsPerNmAt3 - 8, 159 - 8}, 0.6f));
}

struct TagCase {
  Intruder intruder;
  const wchar_t* tag;
  bool above;  // placed above the symbol
  int arrows;  // triangles beside it
};

void ExpectTag(TcasScreen& screen, const TagCase& c) {
  ShowTraffic({c.intruder});
  const auto traffic = screen.draw().InMark("traffic");
  const auto texts = OfKind(traffic, Kind::DrawString);
  ASSERT_EQ(texts.size(), 1u) << c.intruder.relativeFt << " ft";
  EXPECT_EQ(texts[0]->text, c.tag) << c.intruder.relativeFt << " ft";
  EXPECT_EQ(texts[0]->count, 3);
  const float symbolY = 159 - static_cast<float>(c.intruder.aheadNm) * kUnitsPerNmAt3;
  EXPECT_NEAR(texts[0]->design[0].y, symbolY + (c.above ? -22.0f : 7.0f), 0.5f) << c.tag;
  EXPECT_EQ(OfKind(traffic, Kind::FillPolygon).size(), static_cast<size_t>(c.arrows) + 1u) << c.tag;  // the diamond too
}

TEST(TcasDisplay, TagsArrowsAndTheAltitudeWindow) {
  Cockpit cockpit;
  TcasScreen screen(cockpit);
  for (const TagCase& c : {
           TagCase{{.relativeFt = 2700}, L"+27", true, 0},
           TagCase{{.relativeFt = -2700}, L"-27", false, 0},
           TagCase{{.relativeFt = 100}, L"+01", true, 0},
           TagCase{{.relativeFt = -100}, L"-01", false, 0},
           TagCase{{.relativeFt = -80, .verticalSpeedFpm = 600}, L" 00", true, 1},
           TagCase{{.relativeFt = -80}, L" 00", false, 0},
           TagCase{{.relativeFt = 99, .verticalSpeedFpm = -499}, L" 00", false, 0},
           TagCase{{.relativeFt = 550, .verticalSpeedFpm = 500}, L"+05", true, 1},
           TagCase{{.relativeFt = -550, .verticalSpeedFpm = -500}, L"-05", false, 1},
       }) {
    ExpectTag(screen, c);
  }
  // The up arrow right of the symbol, its tip 8 units up.
  ShowTraffic({{.relativeFt = 550, .verticalSpeedFpm = 800}});
  const auto filled = OfKind(screen.draw().InMark("traffic"), Kind::FillPolygon);
  ASSERT_GE(filled.size(), 2u) << "the symbol and the arrow";
  EXPECT_TRUE(Near(filled[1]->design[2], {125 + 16, 159 - kUnitsPerNmAt3 - 8}));

  // The window: 2700 ft either way, 8700 ft on the side chosen.
  ShowTraffic({{.relativeFt = 2701}, {.relativeFt = -2701}});
  EXPECT_TRUE(OfKind(screen.draw().InMark("traffic"), Kind::DrawString).empty());
  cockpit.control("TRANSPONDER", "above_below", 111);
  ShowTraffic({{.relativeFt = 8700}, {.relativeFt = 8701}, {.relativeFt = -2701}});
  EXPECT_EQ(Texts(screen.draw().InMark("traffic")), std::vector<std::wstring>{L"+87"});
  cockpit.control("TRANSPONDER", "above_below", 112);
  ShowTraffic({{.relativeFt = -8700}, {.relativeFt = -8701}, {.relativeFt = 2701}});
  EXPECT_EQ(Texts(screen.draw().InMark("traffic")), std::vector<std::wstring>{L"-87"});
  cockpit.setSwitch(&g_transponderAboveBelow, 44);
  ShowTraffic({{.relativeFt = 0}});
  EXPECT_TRUE(OfKind(screen.draw().InMark("traffic"), Kind::DrawString).empty()) << "no window";
}

TEST(TcasDisplay, AbsoluteAltitudesWhileThePushButtonRuns) {
  Cockpit cockpit;
  TcasScreen screen(cockpit);
  cockpit.setSwitch(&g_tcasAbsAltitudeSwitch, kSwitchOn);
  ShowTraffic({{.relativeFt = 0}});
  CTcasTarget& shown = *g_tcas->GetDisplayList();
  struct Case {
    double ownFt, intruderFt;
    const wchar_t* tag;
    bool above;
  };
  // Placed by the relative altitude all the same; what needs more than three
  // characters is held at the nearest value that fits.
  for (const Case& c : {Case{34500, 35000, L"350", true}, Case{35000, 34999, L"349", false},
                        Case{123000, 123456, L"999", true}, Case{-15000, -15000, L"-99", false}}) {
    cockpit.set(Token::AltitudeFt, c.ownFt);
    shown.SetAltitude(c.intruderFt);
    const auto texts = OfKind(screen.draw().InMark("traffic"), Kind::DrawString);
    ASSERT_EQ(texts.size(), 1u) << c.intruderFt;
    EXPECT_EQ(texts[0]->text, c.tag);
    EXPECT_NEAR(texts[0]->design[0].y, 159 - kUnitsPerNmAt3 + (c.above ? -22.0f : 7.0f), 0.5f) << c.tag;
  }
}

TEST(TcasDisplay, RangeLimitsAndTheClipCircle) {
  Cockpit cockpit;
  TcasScreen screen(cockpit);
  ShowTraffic({{.aheadNm = 2.9}, {.aheadNm = -2.9}, {.aheadNm = 3.9}, {.aheadNm = 4.0},
               {.aheadNm = 2.9, .rightNm = 0.01, .threatClass = kTcasTrafficAdvisory},
               {.aheadNm = -1.6, .threatClass = kTcasTrafficAdvisory}});
  g_tcas->GetDisplayList()->GetNext()->GetNext()->GetNext()->SetRange(4.0);  // exactly
  const auto& log = screen.draw();
  const auto outlined = OfKind(log.InMark("traffic"), Kind::DrawPolygon);
  ASSERT_EQ(outlined.size(), 3u) << "below 4.0 NM";
  EXPECT_NEAR(outlined[0]->design[1].y, 159 - 2.9 * kUnitsPerNmAt3 - 8, 0.5) << "about 124 units ahead";
  EXPECT_EQ(OfKind(log.InMark("traffic"), Kind::FillEllipse).size(), 2u);
  EXPECT_EQ(screen.pixel(125, 159 - 2.9 * kUnitsPerNmAt3), kAmber) << "inside the dial";
  EXPECT_EQ(screen.pixel(125, 159 + 1.6 * kUnitsPerNmAt3), kBackground) << "behind, beyond the dial: cut off";
  // Each range draws to 1 NM beyond its label.
  for (auto [position, limitNm] : {std::pair{101, 6.0}, std::pair{102, 11.0}, std::pair{103, 16.0}}) {
    cockpit.control("TRANSPONDER", "tcas_range", position);
    ShowTraffic({{.aheadNm = limitNm - 0.05}, {.aheadNm = limitNm}});
    g_tcas->GetDisplayList()->GetNext()->SetRange(limitNm);
    EXPECT_EQ(OfKind(screen.draw().InMark("traffic"), Kind::DrawPolygon).size(), 1u) << position;
  }
  // A knob position that is no range: no traffic, no dots, "ERROR ".
  cockpit.setSwitch(&g_tcasRangeSwitch, 120);
  const auto& bad = screen.draw();
  EXPECT_TRUE(OfKind(bad.InMark("traffic"), Kind::DrawPolygon).empty());
  EXPECT_TRUE(OfKind(bad.InMark("dots"), Kind::FillEllipse).empty());
  EXPECT_EQ(Texts(bad)[0], L"ERROR ");
}

TEST(TcasDisplay, CornerTextsByModeAndRadioAltitude) {
  Cockpit cockpit;
  TcasScreen screen(cockpit);
  EXPECT_EQ(Texts(screen.draw()), (std::vector<std::wstring>{L"RNG  3", L"     "}));
  cockpit.setScaled(Token::RadioAltitudeM, 999.9);
  EXPECT_EQ(Texts(screen.draw()), (std::vector<std::wstring>{L"RNG  3", L"     ", L"TA", L"ONLY"}));
  cockpit.setScaled(Token::RadioAltitudeM, 1000.1).control("TRANSPONDER", "above_below", 111);
  EXPECT_EQ(Texts(screen.draw()), (std::vector<std::wstring>{L"RNG  3", L"ABOVE"}));
  cockpit.control("TRANSPONDER", "mode", 89).control("TRANSPONDER", "tcas_range", 102);
  cockpit.control("TRANSPONDER", "above_below", 112);
  EXPECT_EQ(Texts(screen.draw()), (std::vector<std::wstring>{L"RNG 10", L"BELOW", L"TA", L"ONLY"}));
  // Standby: no traffic, but dots, own aircraft and the top texts stay.
  ShowTraffic({{.relativeFt = 0}});
  cockpit.control("TRANSPONDER", "mode", 87).control("TRANSPONDER", "tcas_range", 101);
  const auto& standby = screen.draw();
  EXPECT_EQ(Texts(standby), (std::vector<std::wstring>{L"RNG  5", L"BELOW", L"TCAS", L"STBY"}));
  EXPECT_TRUE(standby.InMark("traffic").empty());
  EXPECT_EQ(OfKind(standby.InMark("dots"), Kind::FillEllipse).size(), 12u);
  const auto lines = standby.InMark("texts");
  EXPECT_TRUE(Near(lines[2]->design[0], {-3, 208})) << "the first line at (-128, 83) of the dial";
  for (int32_t mode : {86, 88}) {
    cockpit.setSwitch(&g_transponderMode, mode);
    EXPECT_EQ(Texts(screen.draw()), (std::vector<std::wstring>{L"RNG  5", L"BELOW", L"TCAS", L"STBY"})) << mode;
  }
  // The knob at 85 without the test: by the radio altitude.
  cockpit.setSwitch(&g_transponderMode, 85);
  cockpit.setScaled(Token::RadioAltitudeM, 900);
  EXPECT_EQ(Texts(screen.draw()), (std::vector<std::wstring>{L"RNG  5", L"BELOW", L"TA", L"ONLY"}));
  cockpit.setScaled(Token::RadioAltitudeM, 3000);
  EXPECT_EQ(Texts(screen.draw()), (std::vector<std::wstring>{L"RNG  5", L"BELOW"}));
  // Colours: cyan texts.
  EXPECT_EQ(screen.draw().InMark("texts")[0]->color, kCyan);
}

TEST(TcasDisplay, NoTcasShowsTheLegendAndTheTestItsPattern) {
  Cockpit cockpit;
  TcasScreen screen(cockpit);
  ShowTraffic({{.relativeFt = 0}});
  g_tcas->SetNoTcas(true);
  const auto& off = screen.draw();
  EXPECT_EQ(Texts(off), (std::vector<std::wstring>{L"NO", L"TCAS"}));
  EXPECT_EQ(Texts(off.InMark("legend")), (std::vector<std::wstring>{L"VERTICAL", L"SPEED", L"1000 FPM"}));
  EXPECT_TRUE(off.InMark("dots").empty());
  EXPECT_TRUE(off.InMark("traffic").empty());
  EXPECT_FALSE(off.InMark("pointer").empty()) << "the VSI stays";

  // The test: the four symbols, "TEST" in amber, no intruders.
  cockpit.setSwitch(&g_tcasTestSwitch, kSwitchOn);
  const auto& test = screen.draw();
  EXPECT_EQ(Texts(test), std::vector<std::wstring>{L"TEST"});
  EXPECT_EQ(test.InMark("texts")[0]->color, kAmber);
  EXPECT_TRUE(Near(test.InMark("texts")[0]->design[0], {-3, 228}));
  EXPECT_TRUE(test.InMark("dots").empty()) << "no dots with the no-TCAS flag";
  EXPECT_EQ(Texts(test.InMark("test")), (std::vector<std::wstring>{L"+10", L"-10", L"-02", L"+02"}));
  g_tcas->SetNoTcas(false);
  cockpit.control("TRANSPONDER", "tcas_range", 103);
  const auto& pattern = screen.draw();
  EXPECT_EQ(Texts(pattern), (std::vector<std::wstring>{L"RNG  5", L"TEST"}));
  EXPECT_TRUE(Near(OfKind(pattern.InMark("dots"), Kind::FillEllipse)[0]->design[0], {123, 106})) << "the 5 NM ring";
  EXPECT_TRUE(pattern.InMark("traffic").empty());
  const auto symbols = pattern.InMark("test");
  EXPECT_EQ(OfKind(symbols, Kind::DrawPolygon).size(), 1u);
  ASSERT_EQ(OfKind(symbols, Kind::FillRectangle).size(), 1u);
  EXPECT_EQ(OfKind(symbols, Kind::FillRectangle)[0]->color, kRed);
  EXPECT_TRUE(Near(OfKind(symbols, Kind::FillRectangle)[0]->design[0], {125 + 42, 159 - 8}));
  ASSERT_EQ(OfKind(symbols, Kind::FillEllipse).size(), 1u);
  EXPECT_EQ(OfKind(symbols, Kind::FillEllipse)[0]->color, kAmber);
  EXPECT_EQ(OfKind(symbols, Kind::FillPolygon).size(), 3u) << "a filled diamond and two arrows";
}

TEST(TcasDisplay, HotspotFrameWithTheOption) {
  Cockpit cockpit;
  TcasScreen screen(cockpit);
  EXPECT_TRUE(screen.draw().InMark("hotspot").empty());
  cockpit.setOption(kOptionHotspots, true);
  const auto hotspot = screen.draw().InMark("hotspot");
  const auto frame = OfKind(hotspot, Kind::DrawRectangle);
  ASSERT_EQ(frame.size(), 1u);
  EXPECT_EQ(frame[0]->color, kYellow);
  EXPECT_EQ(frame[0]->penWidth, 3.0f);
  EXPECT_TRUE(Near(frame[0]->design[0], {6, 6}));
  EXPECT_EQ(Texts(hotspot), (std::vector<std::wstring>{L"TCAS", L"Window"}));
}

// The gauge draws its screen once a tick, and hands the picture over.
TEST(TcasDisplay, TheGaugeDrawsOnceATick) {
  Cockpit cockpit({.drawClosedWindows = true});
  platform::gfx::Surface* surface = cockpit.surface("TCAS Display");
  const uint64_t before = surface->Frames();
  cockpit.runTicks(5);
  EXPECT_EQ(surface->Frames() - before, 5u) << "two frames a tick, one drawing";
  EXPECT_EQ(GetNthElement(cockpit.gauge("TCAS Display")->elements, 1)->imageFlags & platform::kImageClockBit, 0u);
}

// A busy sky and a resolution advisory under the dial's round clip, drawn the
// fast way and one primitive at a time: away from the dial's edge the
// pictures differ by a rounding at most.
TEST(TcasDisplay, TheTrafficLooksTheSameDrawnFastOrOneByOne) {
  Cockpit cockpit;
  TcasScreen screen(cockpit);
  ShowTraffic({{.aheadNm = 2.2, .rightNm = 0.3, .relativeFt = 500, .verticalSpeedFpm = 800},
               {.aheadNm = 1.0, .rightNm = -1.2, .relativeFt = -300, .threatClass = kTcasTrafficAdvisory},
               {.aheadNm = 0.4, .rightNm = 0.9, .relativeFt = 200, .threatClass = kTcasCorrectiveAdvisory},
               {.aheadNm = 2.1, .rightNm = -1.4, .relativeFt = 1200, .threatClass = kTcasPreventiveAdvisory},
               {.aheadNm = -0.6, .rightNm = 1.9, .relativeFt = -900},
               {.aheadNm = 2.45, .rightNm = 0.1}});
  g_tcas->SetAdvisoryState(kTcasAdvisoryUpward);
  platform::gfx::Surface& surface = screen.surface();
  const double sx = surface.Width() / 250.0, sy = surface.Height() / 250.0;
  auto onClipEdge = [&](int x, int y) {
    return std::fabs(std::hypot((x + 0.5) / sx - 125.0, (y + 0.5) / sy - 125.0) - 94.0) < 2.0;
  };
  const PictureDifference diff = CompareWithOneByOne(surface, [&] { screen.draw(); }, onClipEdge);
  EXPECT_GT(diff.lit, 3000);
  ExpectSamePicture(diff);
  std::printf("TCAS: %d lit, %d differ, %d beyond a rounding, at most by %d (%d away from the dial's edge)\n",
              diff.lit, diff.differing, diff.beyondRounding, diff.worst, diff.worstInside);
}

}  // namespace
}  // namespace halcyon::test
