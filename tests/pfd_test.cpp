// The primary flight display and the composite display: the horizon's shift
// per degree of pitch and roll in pixels, the sky's limit, chevrons, the
// flight-director bars and their limit, the fail flags of the EFIS test, the
// radio-altitude tape by height, the decision-height flash over ticks, and on
// the composite the heading rose, course, deviation, TO/FROM and DME texts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

#include "core/options.h"
#include "core/switch.h"
#include "displays/efis/display_states.h"
#include "displays/efis/efis_dimmer.h"
#include "displays/efis/efis_mcp.h"
#include "displays/pfd/pfd_display.h"
#include "fmc/fms.h"
#include "gauges/element_helpers.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/irs.h"
#include "systems/radios.h"
#include "platform/gfx_surface.h"
#include "systems/irs.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

namespace gfx = platform::gfx;
using gfx::Color;
using gfx::DrawnItem;
using gfx::Near;
using gfx::PointF;
using Kind = DrawnItem::Kind;

constexpr Color kBlack{0, 0, 0};
constexpr Color kSky{10, 155, 244};
constexpr Color kGround{166, 110, 27};
constexpr Color kBackground{11, 0, 30};
constexpr Color kWhite{255, 255, 255};
constexpr Color kGreen{0, 150, 0};
constexpr Color kAmber{230, 180, 30};
constexpr Color kRed{255, 0, 0};
constexpr Color kMagenta{255, 100, 255};
constexpr Color kChevronRed{220, 0, 0};

// A flying aircraft: valid attitude and navigation, high above the ground.
pfd::Inputs Flying() {
  pfd::Inputs in;
  in.powered = true;
  in.attitudeValid = true;
  in.navValid = true;
  in.radioHeightFt = 5000.0;
  in.groundSpeedMps = 120.0;
  return in;
}

// The EFIS PFD screen of a powered cockpit, drawn from given inputs.
class Screen {
 public:
  explicit Screen(Cockpit& cockpit) : surface_(cockpit.surface("EFIS PFD")) {}
  const gfx::DrawingLog& pfd(const pfd::Inputs& in, double brightness = 1.0) {
    return draw(in, brightness, DrawPfdPicture);
  }
  const gfx::DrawingLog& composite(const pfd::Inputs& in, double brightness = 1.0) {
    return draw(in, brightness, DrawCompositePicture);
  }
  Color pixel(double x, double y) const { return surface_->Pixel(static_cast<int>(x), static_cast<int>(y)); }
  // Whether some pixel of the box is a flag's red.
  bool redIn(int x0, int y0, int x1, int y1) const {
    return anyIn(x0, y0, x1, y1, [](Color c) { return c.r > 150 && c.g < 60 && c.b < 60; });
  }
  bool whiteIn(int x0, int y0, int x1, int y1) const {
    return anyIn(x0, y0, x1, y1, [](Color c) { return c.r > 150 && c.g > 150 && c.b > 150; });
  }
  template <typename Test>
  bool anyIn(int x0, int y0, int x1, int y1, Test test) const {
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) {
        if (test(surface_->Pixel(x, y))) return true;
      }
    }
    return false;
  }

 private:
  using Picture = void (*)(gfx::Canvas&, const pfd::Inputs&, double);
  const gfx::DrawingLog& draw(const pfd::Inputs& in, double brightness, Picture picture) {
    surface_->StartRecording();
    {
      gfx::Canvas canvas(*surface_);
      picture(canvas, in, brightness);
    }
    surface_->StopRecording();
    return surface_->Log();
  }
  gfx::Surface* surface_;
};

Cockpit& Powered(Cockpit& cockpit) { return cockpit.powerUp().runSeconds(2); }

bool HasText(const gfx::DrawingLog& log, const std::wstring& text) { return !log.Texts(text).empty(); }

// The first item of a kind and colour within a layer mark.
const DrawnItem* FirstIn(const gfx::DrawingLog& log, const std::string& mark, Kind kind, Color color) {
  for (const DrawnItem* item : log.InMark(mark)) {
    if (item->kind == kind && item->color == color && !item->skipped) return item;
  }
  return nullptr;
}

TEST(PfdAttitude, HorizonMovesFourUnitsADegreeOfPitch) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = Flying();
  for (double pitch : {0.0, -5.0, 10.0}) {
    in.pitchDeg = pitch;
    const auto& log = screen.pfd(in);
    const DrawnItem* horizon = FirstIn(log, "attitude", Kind::DrawLine, kWhite);
    ASSERT_NE(horizon, nullptr);
    const float y = static_cast<float>(123.0 - 4.0 * pitch);
    EXPECT_TRUE(Near(horizon->design[0], PointF(0, y))) << pitch;
    EXPECT_TRUE(Near(horizon->design[1], PointF(300, y))) << pitch;
    EXPECT_EQ(screen.pixel(225, y - 6), kSky) << pitch;
    EXPECT_EQ(screen.pixel(225, y + 6), kGround) << pitch;
  }
}

// The ladder's marks, 2.5 degrees apart: short at the odd ones, 16 units
// either side at 5 and 15 degrees, 32 at each ten.
TEST(PfdAttitude, LadderMarksByTheirDegree) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  const auto& log = screen.pfd(Flying());
  auto halfAt = [&](double pitchDeg) {
    const float y = static_cast<float>(123.0 - 4.0 * pitchDeg);
    for (const DrawnItem* line : log.InMark("attitude")) {
      if (line->kind == Kind::DrawLine && line->color == kWhite && std::fabs(line->design[0].y - y) < 0.01f &&
          std::fabs(line->design[1].y - y) < 0.01f && line->design[1].x - line->design[0].x < 100) {
        return (line->design[1].x - line->design[0].x) / 2;
      }
    }
    return 0.0f;
  };
  for (double deg : {2.5, -2.5, 7.5, -12.5}) EXPECT_NEAR(halfAt(deg), 8.0f, 0.01f) << deg;
  for (double deg : {5.0, -5.0, 15.0, -25.0}) EXPECT_NEAR(halfAt(deg), 16.0f, 0.01f) << deg;
  for (double deg : {10.0, -10.0, 20.0, -30.0}) EXPECT_NEAR(halfAt(deg), 32.0f, 0.01f) << deg;
}

TEST(PfdAttitude, BankTurnsThePictureClockwise) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = Flying();
  in.bankDeg = 30.0;
  const auto& log = screen.pfd(in);
  const DrawnItem* horizon = FirstIn(log, "attitude", Kind::DrawLine, kWhite);
  ASSERT_NE(horizon, nullptr);
  EXPECT_TRUE(Near(horizon->design[1], PointF(279.9f, 198.0f)));
  // Right of the centre the horizon lies lower: at x 200 it is at y 151.9.
  EXPECT_EQ(screen.pixel(200, 140), kSky);
  EXPECT_EQ(screen.pixel(200, 165), kGround);
  EXPECT_EQ(screen.pixel(100, 100), kGround) << "left of the centre the ground rises";
  // The roll pointer turns with the bank up to 60 degrees, the scale stays.
  in.bankDeg = 75.0;
  const auto& steep = screen.pfd(in);
  const auto pointer = steep.InMark("symbol").back();
  ASSERT_EQ(pointer->kind, Kind::FillPolygon);
  EXPECT_TRUE(Near(pointer->design[0], PointF(150.0f + 100.0f * 0.8660254f, 123.0f - 100.0f * 0.5f)));
}

TEST(PfdAttitude, SkyStopsAtTwentyTwoDegreesWhileTheLadderGoesOn) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = Flying();
  in.pitchDeg = -30.0;
  const auto& log = screen.pfd(in);
  const DrawnItem* ground = FirstIn(log, "attitude", Kind::FillRectangle, kGround);
  ASSERT_NE(ground, nullptr);
  EXPECT_NEAR(ground->design[0].y, 123.0 + 88.0, 0.01);
  const DrawnItem* horizon = FirstIn(log, "attitude", Kind::DrawLine, kWhite);
  EXPECT_NEAR(horizon->design[0].y, 243.0, 0.01);
  EXPECT_EQ(screen.pixel(225, 160), kSky);
}

TEST(PfdAttitude, ChevronsAtSevenDownAndTwentyFiveUp) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = Flying();
  auto chevrons = [&](double pitch, bool composite) {
    in.pitchDeg = pitch;
    const auto& log = composite ? screen.composite(in) : screen.pfd(in);
    return log.Find(Kind::DrawPolygon, kChevronRed);
  };
  EXPECT_EQ(chevrons(6.9, false).size(), 0u);
  EXPECT_EQ(chevrons(-24.9, false).size(), 0u);
  const auto down = chevrons(7.0, false);
  ASSERT_EQ(down.size(), 2u);
  EXPECT_EQ(down[0]->penWidth, 3.0f);
  // Nose down: the apex (0, 30) points back up to the horizon (the ladder is at -28).
  EXPECT_NEAR(down[0]->design[1].y, 123.0 - 28.0 + 30.0, 0.01);
  EXPECT_NEAR(down[0]->design[0].y, 123.0 - 28.0 + 50.0, 0.01);
  const auto up = chevrons(-25.0, false);
  ASSERT_EQ(up.size(), 2u);
  EXPECT_NEAR(up[0]->design[1].y, 123.0 + 100.0 - 100.0, 0.01);
  // The composite's are 2 wide and point away from the horizon.
  const auto compositeUp = chevrons(-25.0, true);
  ASSERT_EQ(compositeUp.size(), 2u);
  EXPECT_EQ(compositeUp[0]->penWidth, 2.0f);
  EXPECT_NEAR(compositeUp[0]->design[1].y, 123.0 + 100.0 - 120.0, 0.01);
  EXPECT_EQ(chevrons(7.0, true).size(), 2u);
  EXPECT_EQ(chevrons(6.9, true).size(), 0u);
}

TEST(PfdAttitude, LevelAtTenMetresASecondAndBelow) {
  Cockpit cockpit;
  cockpit.set(Token::PitchDeg, -10.0).set(Token::BankDeg, 20.0).set(Token::GroundSpeedMps, 10.0).runTicks(1);
  pfd::Inputs level = pfd::ReadInputs();
  EXPECT_EQ(level.pitchDeg, 0.0);
  EXPECT_EQ(level.bankDeg, 0.0);
  cockpit.set(Token::GroundSpeedMps, 10.01).runTicks(1);
  pfd::Inputs moving = pfd::ReadInputs();
  EXPECT_EQ(moving.pitchDeg, -10.0);
  EXPECT_EQ(moving.bankDeg, 20.0);
  cockpit.set(Token::RadioAltitudeM, 100.0).runTicks(1);
  EXPECT_NEAR(pfd::ReadInputs().radioHeightFt, 328.084 - 9.0, 1e-9);
}

TEST(PfdAttitude, AttitudeAndNavigationFollowTheSelectedIrs) {
  Cockpit cockpit;
  EXPECT_FALSE(pfd::ReadInputs().attitudeValid) << "both IRS off";
  SetSwitch(&g_irs2State, kIrsAlign);
  EXPECT_TRUE(pfd::ReadInputs().attitudeValid) << "normal: either IRS aligning";
  EXPECT_FALSE(pfd::ReadInputs().navValid) << "normal: only IRS 1 navigates";
  SetSwitch(&g_irs1State, kIrsNav);
  EXPECT_TRUE(pfd::ReadInputs().navValid) << "normal: IRS 1 in NAV";
  SetSwitch(&g_irs1State, kIrsOff);
  SetSwitch(&g_efisSourceSwitch, kEfisSourceIrs2);
  EXPECT_FALSE(pfd::ReadInputs().attitudeValid) << "IRS 2 alone needs NAV or ATT";
  SetSwitch(&g_irs2State, kIrsNav);
  EXPECT_TRUE(pfd::ReadInputs().attitudeValid);
  EXPECT_TRUE(pfd::ReadInputs().navValid);
  SetSwitch(&g_efisSourceSwitch, kEfisSourceIrs1);
  EXPECT_FALSE(pfd::ReadInputs().attitudeValid);
  EXPECT_FALSE(pfd::ReadInputs().navValid);
  cockpit.setSwitch(&g_verticalGyroSwitch, 55);
  EXPECT_TRUE(pfd::ReadInputs().attitudeValid) << "the third attitude source";
}

// Each receiver value from its own token: a different value in each, the
// two receivers apart.
TEST(PfdInputs, EachReceiverValueComesFromItsOwnToken) {
  Cockpit cockpit;
  const std::pair<Token, double> tokens[] = {{Token::CourseNeedle, 0.25}, {Token::GlideSlopeNeedle, -0.5}, {Token::Nav1Flags, 3},   {Token::Nav1ToFrom, 1},  {Token::RisingRunway, 1},
                                                {Token::Nav1CourseDeg, 123},  {Token::Nav1Code, 9},    {Token::Nav2CourseNeedle, 0.75}, {Token::Nav2ToFrom, 2},  {Token::Nav2CourseDeg, 234},
                                                {Token::MagneticHeadingDeg, 77},   {Token::Dme1Nm, 12.5}, {Token::Dme2Nm, 23.5}, {Token::MarkerBeacon, 2}};
  for (const auto& [token, value] : tokens) cockpit.set(token, value);
  const pfd::Inputs in = pfd::ReadInputs();
  EXPECT_EQ(in.nav1DeviationDots, 0.25);
  EXPECT_EQ(in.glideslopeDeviation, -0.5);
  EXPECT_EQ(in.glideslopeFlags, 3u);
  EXPECT_EQ(in.toFrom1, 1u);
  EXPECT_TRUE(in.risingRunway);
  EXPECT_EQ(in.course1Deg, 123.0);
  EXPECT_EQ(in.nav1Station, 9u);
  EXPECT_EQ(in.nav2DeviationDots, 0.75);
  EXPECT_EQ(in.toFrom2, 2u);
  EXPECT_EQ(in.course2Deg, 234.0);
  EXPECT_EQ(in.headingMagDeg, 77.0);
  EXPECT_EQ(in.dme1Nm, 12.5);
  EXPECT_EQ(in.dme2Nm, 23.5);
  EXPECT_EQ(in.marker, 2);
  EXPECT_FALSE(in.vnav) << "VNAV not engaged";
  CFms::Guidance guidance;
  guidance.vnavNext = kVnavDescent;
  cockpit.fmsAnswers(guidance).set(Token::AltitudeFt, 12000);
  SetDfgsSelectedValue(kSelAltitude, 5000);
  UpdateDfgsVnav();
  EXPECT_TRUE(pfd::ReadInputs().vnav) << "in a VNAV descent";
  cockpit.set(Token::RisingRunway, 0);
  EXPECT_FALSE(pfd::ReadInputs().risingRunway);
}

// The roll scale as published: the zero index and a mark each side at 10,
// 20, 30, 45 and 60 degrees of bank, left then right.
TEST(PfdAttitude, TheRollScaleMatchesThePublishedTable) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  std::vector<const DrawnItem*> marks;
  const DrawnItem* index = nullptr;
  for (const DrawnItem* item : screen.pfd(Flying()).InMark("roll scale")) {
    if (item->kind == Kind::DrawLine && item->design[0].y < 80) marks.push_back(item);  // not the speed scale's
    if (item->kind == Kind::DrawPolygon && index == nullptr) index = item;
  }
  const PointF table[10][2] = {{{132, 25}, {130, 17}}, {{168, 25}, {170, 17}}, {{115, 29}, {112, 22}},
                               {{185, 29}, {188, 22}}, {{100, 36}, {93, 25}},  {{200, 36}, {207, 25}},
                               {{79, 53}, {73, 48}},   {{221, 53}, {227, 48}}, {{63, 73}, {51, 67}},
                               {{237, 73}, {248, 67}}};
  ASSERT_EQ(marks.size(), 10u);
  for (size_t i = 0; i < 10; ++i) {
    EXPECT_TRUE(Near(marks[i]->design[0], table[i][0], 0.01f) && Near(marks[i]->design[1], table[i][1], 0.01f)) << i;
  }
  ASSERT_NE(index, nullptr);
  ASSERT_GE(index->design.size(), 3u);
  EXPECT_TRUE(Near(index->design[0], {150, 23}, 0.01f));
  EXPECT_TRUE(Near(index->design[1], {155, 15}, 0.01f));
  EXPECT_TRUE(Near(index->design[2], {145, 15}, 0.01f));
}

TEST(PfdInputs, TheMcduMessageCueFollowsTheCdusMessageLamp) {
  Cockpit cockpit;
  cockpit.powerUp();
  EXPECT_FALSE(pfd::ReadInputs().cduMessage);
  g_fms.PostMessage(CduMessage::InvalidEntry);
  EXPECT_TRUE(pfd::ReadInputs().cduMessage) << "a message waits on the CDU";
}

// With the option the PFD's window frame lies about the attitude sphere.
TEST(PfdLabels, HotspotFrameWithTheOption) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  cockpit.setOption(kOptionHotspots, false);
  EXPECT_FALSE(pfd::ReadInputs().hotspots);
  cockpit.setOption(kOptionHotspots, true);
  pfd::Inputs in = Flying();
  in.hotspots = pfd::ReadInputs().hotspots;
  ASSERT_TRUE(in.hotspots);
  const auto frames = screen.pfd(in).Find(Kind::DrawRectangle, Color{255, 255, 0});
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_TRUE(Near(frames[0]->design[0], {5, 18})) << frames[0]->design[0].x << ", " << frames[0]->design[0].y;
  EXPECT_TRUE(Near(frames[0]->design[2], {295, 228}));
}

TEST(PfdFrame, BlackWithoutPowerOrBrightnessAndDimmedColours) {
  Cockpit cockpit;
  Powered(cockpit);
  EXPECT_TRUE(pfd::ReadInputs().powered);
  cockpit.control("APU", "battery", kSwitchOff).runSeconds(2);
  ASSERT_EQ(GetPowerState(), kPowerNone);
  EXPECT_FALSE(pfd::ReadInputs().powered);
  Screen screen(cockpit);
  pfd::Inputs unpowered = Flying();
  unpowered.powered = false;
  EXPECT_EQ(screen.pfd(unpowered).Items().size(), 1u) << "no power";
  EXPECT_EQ(screen.pixel(150, 60), kBlack);
  Powered(cockpit);
  EXPECT_EQ(screen.pfd(Flying(), 0.0).Items().size(), 1u);
  EXPECT_EQ(screen.composite(Flying(), 0.0).Items().size(), 1u);
  screen.pfd(Flying(), 0.5);
  EXPECT_EQ(screen.pixel(225, 100), (Color{5, 77, 122}));
  EXPECT_EQ(screen.pixel(5, 5), (Color{5, 0, 15}));
}

TEST(PfdFrame, TwiceTheSizeDrawsTwiceAsLarge) {
  Cockpit cockpit;
  Powered(cockpit);
  gfx::Surface big(600, 500, 300, 250);
  {
    gfx::Canvas canvas(big);
    DrawPfdPicture(canvas, Flying(), 1.0);
  }
  EXPECT_EQ(big.Pixel(450, 236), kSky);
  EXPECT_EQ(big.Pixel(450, 256), kGround);
}

// Values no receiver or gyro should send: nothing crashes and the canvas keeps drawing.
TEST(PfdFrame, NonFiniteInputsDrawNothingBadly) {
  Cockpit cockpit;
  Powered(cockpit);
  gfx::Surface surface(300, 250);
  pfd::Inputs in = Flying();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  in.pitchDeg = nan;
  in.bankDeg = std::numeric_limits<double>::infinity();
  in.radioHeightFt = nan;
  in.fdOn = true;
  in.fdPitchDeg = nan;
  in.nav1Station = pfd::kStationLocalizer | pfd::kStationGlideslope;
  in.nav1DeviationDots = nan;
  in.glideslopeDeviation = 1e300;
  in.decisionHeightFt = nan;
  in.headingMagDeg = nan;
  in.dme1Nm = nan;
  in.dme2Nm = 1e12;
  in.course1Deg = 1e300;
  for (auto picture : {DrawPfdPicture, DrawCompositePicture}) {
    gfx::Canvas canvas(surface);
    picture(canvas, in, 1.0);
    EXPECT_TRUE(canvas.Healthy());
  }
}

TEST(PfdFlags, EfisTestShowsEveryFlag) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = Flying();
  in.test = true;
  in.decisionHeightFt = 200.0;
  in.marker = 2;
  in.radioHeightFt = 100.0;
  const auto& log = screen.pfd(in);
  for (const wchar_t* flag : {L"ATT\nFAIL", L"FD\nFAIL", L"RA\nFAIL", L"LOC\nFAIL"}) EXPECT_TRUE(HasText(log, flag)) << flag;
  EXPECT_EQ(log.Find(Kind::DrawString, kRed).size(), 4u + 7u + 7u) << "and the F/S and G/S letters";
  EXPECT_FALSE(HasText(log, L"DH"));
  EXPECT_FALSE(HasText(log, L"M"));
  EXPECT_EQ(log.Count(Kind::FillRectangle), 2u) << "the background and the symbol's square: no sphere, no tape";
  EXPECT_EQ(screen.pixel(225, 100), kBackground);
  // The flags are visible: the FD flag removed the attitude clip.
  EXPECT_TRUE(screen.redIn(270, 73, 300, 100)) << "RA FAIL";
}

TEST(PfdFlags, LostAttitudeWithoutTestHidesTheRadioAltitudeFlagOnlyWhileClipped) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = Flying();
  const auto& valid = screen.pfd(in);
  EXPECT_TRUE(HasText(valid, L"RA\nFAIL")) << "drawn, under the attitude clip";
  EXPECT_FALSE(HasText(valid, L"LOC\nFAIL"));
  EXPECT_FALSE(screen.redIn(270, 73, 300, 100));
  in.attitudeValid = false;
  const auto& lost = screen.pfd(in);
  EXPECT_TRUE(HasText(lost, L"ATT\nFAIL"));
  EXPECT_EQ(lost.Find(Kind::DrawString, kRed).size(), 3u + 7u) << "no deviation flags without the test";
  EXPECT_TRUE(screen.redIn(270, 73, 300, 100));
}

TEST(PfdGuidance, FlightDirectorBarsAndTheirLimit) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = Flying();
  in.fdOn = true;
  in.fdThickness = 6.0;
  in.bankDeg = 10.0;
  in.fdPitchDeg = 30.0;
  auto bars = [&](const gfx::DrawingLog& log) { return log.Find(Kind::DrawLine, kMagenta); };
  auto lines = bars(screen.pfd(in));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]->penWidth, 6.0f);
  EXPECT_NEAR(lines[0]->design[0].y, 123.0 + 90.0, 0.01) << "the pitch bar is never held";
  EXPECT_NEAR(lines[1]->design[0].x, 150.0 + 30.0, 0.01);
  in.pitchDeg = 5.0;
  EXPECT_NEAR(bars(screen.pfd(in))[0]->design[0].y, 123.0 + 75.0, 0.01) << "the command less the pitch";
  in.pitchDeg = 0.0;
  in.bankDeg = 30.0;
  EXPECT_NEAR(bars(screen.pfd(in))[1]->design[0].x, 150.0 + 60.0, 0.01);
  in.bankDeg = -30.0;
  EXPECT_NEAR(bars(screen.pfd(in))[1]->design[0].x, 150.0 - 60.0, 0.01);
  const auto composite = bars(screen.composite(in));
  ASSERT_EQ(composite.size(), 2u);
  EXPECT_EQ(composite[0]->penWidth, 4.0f);
  in.fdVBar = true;
  const auto& vbar = screen.pfd(in);
  EXPECT_EQ(bars(vbar).size(), 0u);
  EXPECT_EQ(vbar.Find(Kind::FillPolygon, kMagenta).size(), 2u);
  EXPECT_EQ(vbar.Find(Kind::DrawPolygon, kAmber).size(), 1u) << "the V-bar aircraft symbol";
  EXPECT_EQ(bars(screen.composite(in)).size(), 2u) << "the composite keeps the cross bars";
  in.fdOn = false;
  EXPECT_EQ(screen.pfd(in).Find(Kind::FillPolygon, kMagenta).size(), 0u);
}

// The V-bar command bars and the V-bar aircraft symbol are mirror images
// about the sphere's centre line.
TEST(PfdGuidance, TheVBarsAndTheirSymbolAreSymmetric) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = Flying();
  in.fdOn = true;
  in.fdVBar = true;
  const auto& log = screen.pfd(in);
  auto mirrored = [](PointF a, PointF b) { return Near(a, {300.0f - b.x, b.y}, 0.01f); };
  const auto bars = log.Find(Kind::FillPolygon, kMagenta);
  ASSERT_EQ(bars.size(), 2u);
  ASSERT_EQ(bars[0]->design.size(), 4u);
  ASSERT_EQ(bars[1]->design.size(), 4u);
  for (size_t i = 0; i < 4; ++i) EXPECT_TRUE(mirrored(bars[0]->design[i], bars[1]->design[i])) << i;
  const auto symbol = log.Find(Kind::DrawPolygon, kAmber);
  ASSERT_EQ(symbol.size(), 1u);
  ASSERT_EQ(symbol[0]->design.size(), 8u);
  for (size_t i = 0; i < 4; ++i) EXPECT_TRUE(mirrored(symbol[0]->design[i], symbol[0]->design[i + 4])) << i;
}

TEST(PfdGuidance, DeviationFromTheFmsOrTheReceiver) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = Flying();
  in.fmsLateral = true;
  in.efisMode = kEfisModeMap;
  in.crossTrackNm = 10.0;
  in.nav1Station = pfd::kStationLocalizer | pfd::kStationGlideslope;
  in.nav1DeviationDots = 50.8;
  in.glideslopeDeviation = -29.75;
  auto pointers = [&]() { return screen.pfd(in).Find(Kind::DrawRectangle, kMagenta); };
  auto fms = pointers();
  ASSERT_EQ(fms.size(), 1u) << "no vertical scale with the FMS";
  EXPECT_NEAR(fms[0]->design[0].x, 97.0, 0.01);
  in.crossTrackNm = -3.0;
  EXPECT_NEAR(pointers()[0]->design[0].x, 167.0, 0.01);
  in.efisMode = kEfisModeArc;
  auto receiver = pointers();
  ASSERT_EQ(receiver.size(), 2u);
  EXPECT_NEAR(receiver[0]->design[0].x, 167.0, 0.01);
  EXPECT_NEAR(receiver[1]->design[0].y, 110.0, 0.01);
  in.glideslopeFlags = pfd::kGlideslopeFlagged;
  EXPECT_EQ(pointers().size(), 1u);
  EXPECT_EQ(screen.pfd(in).Texts(L"G").size(), 1u);
  in.nav1Station |= pfd::kStationNoSignal;
  in.vnav = true;
  const auto& none = screen.pfd(in);
  EXPECT_EQ(none.Find(Kind::DrawRectangle, kMagenta).size(), 0u);
  EXPECT_TRUE(HasText(none, L"NAV  "));
}

TEST(PfdGuidance, FastSlowPointerRisingRunwayAndMarkers) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = Flying();
  auto circleTop = [&]() {
    const auto circles = screen.pfd(in).Find(Kind::DrawEllipse, kMagenta);
    return circles.empty() ? -1.0f : circles[0]->design[0].y;
  };
  // The scale's ten-knot marks, 33 units either side of the centre.
  std::vector<float> marks;
  for (const DrawnItem* line : screen.pfd(in).Find(Kind::DrawLine, kWhite)) {
    if (Near(line->design[0], {58, line->design[0].y}, 0.01f) && Near(line->design[1], {48, line->design[0].y}, 0.01f)) {
      marks.push_back(line->design[0].y);
    }
  }
  EXPECT_EQ(marks, (std::vector<float>{90.0f, 156.0f}));
  in.speedErrorKt = 10.0;
  EXPECT_NEAR(circleTop(), 116.0 + 33.5, 0.01);
  in.speedErrorKt = -4.0;
  EXPECT_NEAR(circleTop(), 116.0 - 13.4, 0.01);
  in.risingRunway = true;
  in.nav1DeviationDots = 25.4;
  in.radioHeightFt = 200.0;
  const auto runway = screen.pfd(in).Find(Kind::DrawPolygon, kMagenta);
  ASSERT_EQ(runway.size(), 3u);
  EXPECT_TRUE(Near(runway[0]->design[1], {150 + 10 - 21, 123 + 100 + 14}));
  in.radioHeightFt = 200.5;
  EXPECT_EQ(screen.pfd(in).Find(Kind::DrawPolygon, kMagenta).size(), 0u);
  in.marker = 3;
  const auto& inner = screen.pfd(in);
  ASSERT_EQ(inner.Texts(L"I").size(), 1u);
  EXPECT_EQ(inner.Texts(L"I")[0]->color, kWhite);
  in.marker = 1;
  EXPECT_EQ(screen.pfd(in).Texts(L"O")[0]->color, (Color{65, 65, 255}));
  in.marker = 4;
  EXPECT_EQ(screen.pfd(in).Count(Kind::DrawEllipse), 1u) << "only the fast/slow circle: no marker ring";
}

TEST(PfdLabels, SourceLabelMarkerGroundSpeedAndMessage) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = Flying();
  in.nav1Station = pfd::kStationLocalizer;
  in.marker = 2;
  in.groundSpeedMps = 600.0;
  in.cduMessage = true;
  in.efisSource = kEfisSourceIrs1;
  in.vertGyro = 55;
  const auto& log = screen.pfd(in);
  EXPECT_TRUE(HasText(log, L"LOC  "));
  ASSERT_EQ(log.Texts(L"M").size(), 1u);
  EXPECT_EQ(log.Texts(L"M")[0]->color, kAmber);
  EXPECT_TRUE(HasText(log, L"999"));
  EXPECT_TRUE(HasText(log, L"MCDU"));
  EXPECT_TRUE(HasText(log, L"EFI 1"));
  EXPECT_TRUE(HasText(log, L"ATT 3"));
  in.efisSource = kEfisSourceIrs2;
  in.nav1Station |= pfd::kStationGlideslope;
  in.groundSpeedMps = 100.0;
  const auto& second = screen.pfd(in);
  EXPECT_TRUE(HasText(second, L"EFI 2"));
  EXPECT_TRUE(HasText(second, L"ILS  "));
  EXPECT_TRUE(HasText(second, L"194"));
  in.efisSource = kEfisSourceNormal;
  in.attitudeValid = false;
  const auto& lost = screen.pfd(in);
  EXPECT_FALSE(HasText(lost, L"EFI 1") || HasText(lost, L"EFI 2"));
  EXPECT_FALSE(HasText(lost, L"MCDU")) << "no message cue without attitude";
  EXPECT_FALSE(HasText(lost, L"GS"));
  EXPECT_TRUE(HasText(lost, L"ILS  "));
}

TEST(PfdRadioAltitude, TapeAndIndexByHeight) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = Flying();
  in.decisionHeightFt = 200.0;
  auto index = [](const gfx::DrawingLog& log) {
    for (const DrawnItem* line : log.InMark("radio altitude")) {
      if (line->kind == Kind::DrawLine && Near(line->design[0], {265, 123}) && Near(line->design[1], {300, 123})) return true;
    }
    return false;
  };
  in.radioHeightFt = 2500.0;
  const auto& low = screen.pfd(in);
  EXPECT_TRUE(index(low));
  EXPECT_FALSE(HasText(low, L"ALT"));
  EXPECT_FALSE(HasText(low, L"RA\nFAIL"));
  EXPECT_EQ(low.Find(Kind::DrawString, kWhite).size() >= 30u, true);
  in.radioHeightFt = 2600.0;
  const auto& high = screen.pfd(in);
  EXPECT_FALSE(index(high));
  EXPECT_FALSE(HasText(high, L"RA\nFAIL"));
  in.radioHeightFt = 2999.0;
  EXPECT_FALSE(HasText(screen.pfd(in), L"RA\nFAIL"));
  in.radioHeightFt = 3000.0;
  EXPECT_TRUE(HasText(screen.pfd(in), L"RA\nFAIL"));
  in.radioHeightFt = 600.0;
  EXPECT_TRUE(HasText(screen.pfd(in), L"ALT"));
  // The tape shows 600 ft at the index: the grey band fills the box there.
  EXPECT_EQ(screen.pixel(285, 123 - 20), (Color{140, 140, 140}));
  in.radioHeightFt = 100.0;
  screen.pfd(in);
  EXPECT_EQ(screen.pixel(290, 123 - 40), kGreen) << "0..500 ft green above 100 ft";
}

// The tape's ticks: every 10 ft below 500 ft, longer at each 50; above, a
// long tick at each 100 and a shorter one at each 50 (550 ft as below 500).
TEST(PfdRadioAltitude, TickLengthsByHeight) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = Flying();
  // The x where the tick of `h` ft ends at the radio height `ra` (0: none).
  auto tickEnd = [&](double ra, int h) {
    in.radioHeightFt = ra;
    const auto& log = screen.pfd(in);
    const float y = static_cast<float>(123.0 + ra - h);
    for (const DrawnItem* line : log.InMark("radio altitude")) {
      if (line->kind == Kind::DrawLine && line->color == kWhite && Near(line->design[0], {265, y}, 0.01f) &&
          std::fabs(line->design[1].y - y) < 0.01f) {
        return line->design[1].x;
      }
    }
    return 0.0f;
  };
  EXPECT_NEAR(tickEnd(100, 100), 269.0f, 0.01f);
  EXPECT_NEAR(tickEnd(100, 110), 275.0f, 0.01f);
  EXPECT_NEAR(tickEnd(100, 150), 269.0f, 0.01f);
  EXPECT_NEAR(tickEnd(600, 500), 269.0f, 0.01f);
  EXPECT_NEAR(tickEnd(600, 550), 275.0f, 0.01f);
  EXPECT_NEAR(tickEnd(600, 600), 269.0f, 0.01f);
  EXPECT_NEAR(tickEnd(600, 650), 285.0f, 0.01f);
  EXPECT_EQ(tickEnd(600, 610), 0.0f) << "no tick between the fifties above 500 ft";
}

// Flying with a decision height of 200 ft, at this radio height.
pfd::Inputs WithDecisionHeight(double radioHeightFt) {
  pfd::Inputs in = Flying();
  in.decisionHeightFt = 200.0;
  in.radioHeightFt = radioHeightFt;
  return in;
}

TEST(PfdDecisionHeight, ReadoutAtOrAboveAndTheAlertBelow) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = WithDecisionHeight(200.0);
  const auto& at = screen.pfd(in);
  ASSERT_EQ(at.Texts(L"DH").size(), 1u);
  EXPECT_EQ(at.Texts(L"DH")[0]->color, kGreen);
  EXPECT_EQ(at.Find(Kind::DrawString, kGreen).size(), 2u) << "DH and 200";
  EXPECT_EQ(at.Find(Kind::FillPolygon, kAmber).size(), 2u) << "the low band and the marker at RA";
  in.radioHeightFt = 150.0;
  const auto& below = screen.pfd(in);
  EXPECT_EQ(GetSwitch(&g_dhFlashSwitch), 1);
  ASSERT_EQ(below.Texts(L"DH").size(), 1u);
  EXPECT_EQ(below.Texts(L"DH")[0]->color, kAmber);
  EXPECT_EQ(below.Texts(L"DH")[0]->sizePt, 14.0f);
  EXPECT_EQ(below.Find(Kind::DrawString, kGreen).size(), 0u) << "no value during the alert";
  // The composite leaves the sequencer alone in the test; the PFD idles it.
  in.test = true;
  screen.composite(in);
  EXPECT_EQ(GetSwitch(&g_dhFlashSwitch), 1);
  screen.pfd(in);
  EXPECT_EQ(GetSwitch(&g_dhFlashSwitch), 0);
  in.test = false;
  in.radioHeightFt = 8.0;
  EXPECT_EQ(screen.pfd(in).Texts(L"DH")[0]->color, kGreen);
  in.decisionHeightFt = 0.0;
  EXPECT_TRUE(HasText(screen.pfd(in), L"0  "));
  in.decisionHeightFt = -1.0;
  SetSwitch(&g_dhFlashSwitch, 3);
  EXPECT_FALSE(HasText(screen.pfd(in), L"DH"));
  EXPECT_EQ(GetSwitch(&g_dhFlashSwitch), 0);
}

// Below the decision height on the approach, as the gauge redraws every tick.
TEST(PfdDecisionHeight, FlashesThreeTimesThenStays) {
  Cockpit cockpit({.drawClosedWindows = true});
  Powered(cockpit);
  gfx::Surface* surface = cockpit.surface("EFIS PFD");
  SetEfisDimmer(kDimmerPfd, 1.0);
  SetEfisDimmer(kDimmerNd, 1.0);
  SetDecisionHeight(200.0);
  cockpit.set(Token::RadioAltitudeM, 1000.0).runSeconds(7);
  EXPECT_EQ(GetSwitch(&g_dhFlashSwitch), 0);
  cockpit.setScaled(Token::RadioAltitudeM, (150.0 + 9.0)).runTicks(2);
  EXPECT_EQ(GetSwitch(&g_dhFlashSwitch), 1);
  auto amberDh = [&] {
    surface->StartRecording();
    cockpit.runTicks(1);
    surface->StopRecording();
    return !surface->Log().Texts(L"DH").empty();
  };
  EXPECT_TRUE(amberDh());
  cockpit.runUntil([] { return GetSwitch(&g_dhFlashSwitch) == 2; }, 2);
  EXPECT_FALSE(amberDh());
  cockpit.runSeconds(6);
  EXPECT_EQ(GetSwitch(&g_dhFlashSwitch), 7);
  EXPECT_TRUE(amberDh());
  cockpit.set(Token::RadioAltitudeM, 0.0).runTicks(2);
  EXPECT_EQ(GetSwitch(&g_dhFlashSwitch), 0) << "on the ground the readout returns";
}

// ---- The composite ----

// The rose's 36 ticks: one every ten degrees, none twice.
TEST(CompositeRose, ATickEveryTenDegreesAllRound) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  std::set<int> tens;
  size_t ticks = 0;
  for (const DrawnItem* line : screen.composite(Flying()).InMark("rose")) {
    if (line->kind != Kind::DrawLine || line->color != kWhite) continue;
    ++ticks;
    const double deg = std::atan2(line->design[0].x - 150.0, 250.0 - line->design[0].y) * 180.0 / std::acos(-1.0);
    const double ten = std::round(deg / 10.0);
    EXPECT_NEAR(deg, ten * 10.0, 1.0);
    tens.insert((static_cast<int>(ten) + 36) % 36);
  }
  EXPECT_EQ(ticks, 36u);
  EXPECT_EQ(tens.size(), 36u);
}

TEST(CompositeRose, HeadingOnTopCourseAndDeviation) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = Flying();
  in.headingMagDeg = 90.0;
  in.course1Deg = 90.0;
  in.selectedHeadingDeg = 90.0;
  in.activeNavSignal = true;
  in.nav1DeviationDots = 50.0;
  const auto& log = screen.composite(in);
  EXPECT_EQ(log.InMark("rose").size(), 36u + 12u + 2u + 4u + 1u);
  ASSERT_EQ(log.Texts(L"09").size(), 1u);
  EXPECT_TRUE(Near(log.Texts(L"09")[0]->design[0], {150, 189}));
  const auto arrow = log.Find(Kind::FillPolygon, Color{255, 80, 255});
  ASSERT_EQ(arrow.size(), 2u) << "the course arrow symbol and the pointer";
  EXPECT_TRUE(Near(arrow[1]->design[3], {150, 206})) << "pointing straight up";
  const auto bar = log.InMark("rose").back();
  EXPECT_NEAR(bar->design[0].x, 150.0 - 2.0 + 10.0, 0.01) << "0.2 units a needle unit";
  in.activeNavSignal = false;
  in.course1Deg = 0.0;
  const auto& off = screen.composite(in);
  EXPECT_EQ(off.InMark("rose").size(), 36u + 12u + 2u + 4u);
  EXPECT_TRUE(Near(off.Find(Kind::FillPolygon, Color{255, 80, 255})[1]->design[3], {106, 250})) << "course 000 points left";
  in.navValid = false;
  const auto& failed = screen.composite(in);
  EXPECT_TRUE(HasText(failed, L"HDG\nFAIL"));
  EXPECT_FALSE(HasText(failed, L"09"));
}

TEST(CompositeRose, ReceiverTwoFollowsTheSelectorButTheLocalizerStaysOnOne) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = Flying();
  in.nav1Station = pfd::kStationLocalizer;
  in.toFrom1 = 2;
  in.toFrom2 = 1;
  in.course1Deg = 359.9;
  in.course2Deg = 0.4;
  in.nav1DeviationDots = 127.0;
  EXPECT_TRUE(HasText(screen.composite(in), L"FROM"));
  EXPECT_TRUE(HasText(screen.composite(in), L"359"));
  in.nav2Active = true;
  const auto& two = screen.composite(in);
  EXPECT_TRUE(HasText(two, L"TO  "));
  EXPECT_TRUE(HasText(two, L"000"));
  EXPECT_TRUE(HasText(two, L"LOC  "));
  const auto pointer = two.Find(Kind::DrawRectangle, kMagenta);
  ASSERT_EQ(pointer.size(), 1u);
  EXPECT_NEAR(pointer[0]->design[0].x, 197.0, 0.01);
  EXPECT_NEAR(pointer[0]->design[0].y, 164.0, 0.01) << "on the scale's line, 164 to 174";
  EXPECT_NEAR(pointer[0]->design[2].y, 174.0, 0.01);
  // The rose's deviation bar follows receiver 2 as well.
  in.activeNavSignal = true;
  in.nav2DeviationDots = -50.0;
  in.course2Deg = 0.0;
  const auto bar = screen.composite(in).InMark("rose").back();
  EXPECT_NEAR(bar->design[0].x, 150.0 - 2.0 - 10.0, 0.01);
  in.toFrom2 = 0;
  EXPECT_FALSE(HasText(screen.composite(in), L"TO  "));
}

TEST(CompositeRose, DmeTextsAndTheTest) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = Flying();
  in.dme1Nm = 12.34;
  in.dme2Nm = 12.34;
  const auto& log = screen.composite(in);
  ASSERT_EQ(log.Texts(L"12.3 ").size(), 1u);
  ASSERT_EQ(log.Texts(L" 12.3").size(), 1u);
  EXPECT_EQ(log.Texts(L" 12.3")[0]->align, gfx::Align::Far);
  EXPECT_TRUE(Near(log.Texts(L" 12.3")[0]->design[0], {280, 213}));
  in.dme1Nm = -1.0;
  EXPECT_EQ(screen.composite(in).Texts(L"- - -").size(), 1u);
  in.test = true;
  const auto& test = screen.composite(in);
  EXPECT_TRUE(HasText(test, L"DME1"));
  EXPECT_TRUE(HasText(test, L"DME2"));
  EXPECT_FALSE(HasText(test, L"- - -"));
  for (const wchar_t* flag : {L"ATT\nFAIL", L"FD\nFAIL", L"RA\nFAIL", L"LOC\nFAIL", L"HDG\nFAIL"}) {
    EXPECT_TRUE(HasText(test, flag)) << flag;
  }
  EXPECT_NEAR(test.Texts(L"LOC\nFAIL")[0]->design[0].x, 220.0, 0.01);
}

TEST(CompositeRose, GlideslopeHiddenWhileTheAttitudeClipStays) {
  Cockpit cockpit;
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = Flying();
  in.nav1Station = pfd::kStationLocalizer | pfd::kStationGlideslope;
  in.radioHeightFt = 5000.0;
  screen.composite(in);
  EXPECT_FALSE(screen.whiteIn(240, 78, 251, 88)) << "glideslope dot cut by the attitude clip";
  in.radioHeightFt = 1000.0;
  screen.composite(in);
  EXPECT_TRUE(screen.whiteIn(240, 78, 251, 88)) << "the tape lifted the clip: the white dot shows";
  EXPECT_EQ(screen.pixel(120, 185), kBackground) << "the attitude stops above the rose";
}

// The composite drawn by the PFD gauge while the ND is dark, for one tick.
const gfx::DrawingLog& CompositeTick(Cockpit& cockpit) {
  gfx::Surface* surface = cockpit.surface("EFIS PFD");
  surface->StartRecording();
  cockpit.runTicks(1);
  surface->StopRecording();
  return surface->Log();
}

// The TO/FROM flag is read as the whole number it stands for: 2.5 is FROM,
// a negative value or NaN none.
TEST(CompositeRose, TheToFromFlagIsAWholeNumber) {
  Cockpit cockpit({.drawClosedWindows = true});
  Powered(cockpit).irsInNav();
  SetActiveNavUnit(0);
  SetEfisDimmer(kDimmerPfd, 1.0);
  SetEfisDimmer(kDimmerNd, 0.0);
  cockpit.runSeconds(7);
  ASSERT_FALSE(CompositeTick(cockpit).InMark("rose").empty()) << "the composite";
  cockpit.set(Token::Nav1ToFrom, 2.5);
  EXPECT_TRUE(HasText(CompositeTick(cockpit), L"FROM"));
  cockpit.set(Token::Nav1ToFrom, 1.0);
  EXPECT_TRUE(HasText(CompositeTick(cockpit), L"TO  "));
  for (double none : {-1.0, std::nan("")}) {
    cockpit.set(Token::Nav1ToFrom, none);
    const auto& log = CompositeTick(cockpit);
    EXPECT_FALSE(HasText(log, L"TO  ")) << none;
    EXPECT_FALSE(HasText(log, L"FROM")) << none;
  }
}

// Both screens dark: the composite is black at brightness 0, yet its
// decision-height layer runs the flash sequencer, which has started and
// walked on when the screens come back; the EFIS test leaves it alone and
// without power nothing runs.
TEST(CompositeDecisionHeight, TheFlashRunsAtBrightnessZero) {
  Cockpit cockpit({.drawClosedWindows = true});
  Powered(cockpit);
  Screen screen(cockpit);
  pfd::Inputs in = WithDecisionHeight(150.0);
  EXPECT_EQ(screen.composite(in, 0.0).Items().size(), 1u) << "black";
  EXPECT_EQ(GetSwitch(&g_dhFlashSwitch), 1) << "the alert starts";
  in.radioHeightFt = 250.0;
  screen.composite(in, 0.0);
  EXPECT_EQ(GetSwitch(&g_dhFlashSwitch), 0) << "above the decision height";
  SetSwitch(&g_dhFlashSwitch, 3);
  in.radioHeightFt = 150.0;
  in.test = true;
  screen.composite(in, 0.0);
  EXPECT_EQ(GetSwitch(&g_dhFlashSwitch), 3) << "the test";
  in.test = false;
  in.powered = false;
  in.radioHeightFt = 250.0;
  screen.composite(in, 0.0);
  EXPECT_EQ(GetSwitch(&g_dhFlashSwitch), 3) << "no power";

  // Through the gauges: both dimmers at 0, the alert flashes to its end.
  SetSwitch(&g_dhFlashSwitch, 0);
  SetEfisDimmer(kDimmerPfd, 0.0);
  SetEfisDimmer(kDimmerNd, 0.0);
  SetDecisionHeight(200.0);
  cockpit.set(Token::RadioAltitudeM, 1000.0).runSeconds(7);
  ASSERT_EQ(GetPfdBrightness(), 0.0);
  cockpit.setScaled(Token::RadioAltitudeM, 150.0 + 9.0).runSeconds(9);
  EXPECT_EQ(GetSwitch(&g_dhFlashSwitch), 7);
}

TEST(PfdGauge, ComposesWhenTheNavigationDisplayIsDark) {
  Cockpit cockpit({.drawClosedWindows = true});
  Powered(cockpit);
  gfx::Surface* surface = cockpit.surface("EFIS PFD");
  SetEfisDimmer(kDimmerPfd, 1.0);
  SetEfisDimmer(kDimmerNd, 1.0);
  cockpit.runSeconds(7);
  ASSERT_GT(GetNdBrightness(), 0.0);
  surface->StartRecording();
  cockpit.runTicks(1);
  surface->StopRecording();
  EXPECT_FALSE(surface->Log().InMark("attitude").empty());
  EXPECT_TRUE(surface->Log().InMark("rose").empty());
  SetEfisDimmer(kDimmerNd, 0.0);
  cockpit.runSeconds(7);
  surface->StartRecording();
  cockpit.runTicks(1);
  surface->StopRecording();
  EXPECT_FALSE(surface->Log().InMark("rose").empty());
  EXPECT_EQ(GetNthElement(cockpit.gauge("EFIS PFD")->elements, 1)->imageFlags & platform::kImageClockBit, 0u);
}

}  // namespace
}  // namespace halcyon::test
