// The PFD's own blocks (deviation scales, marker, source label, ground speed,
// message cue, rising runway), the composite's heading and navigation blocks,
// the two pictures' layer orders and the gauge's choice between them.
#include "displays/pfd/pfd_display.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <iterator>

#include "core/helpers.h"
#include "core/lifecycle.h"
#include "core/tokens.h"
#include "displays/efis/display_states.h"
#include "displays/efis/efis_mcp.h"

namespace halcyon {

namespace gfx = platform::gfx;
using pfd::Inputs;
using pfd::Palette;
using pfd::Text;

namespace {

constexpr double kLocalizerNeedlePerUnit = 2.54;
constexpr double kCrossTrackUnitsPerNm = 6.666667;
constexpr double kCrossTrackLimit = 50.0;
constexpr double kRisingRunwayBelowFt = 200.0;
constexpr double kRoseDeviationUnitsPerDot = 0.2;
constexpr uint32_t kToFromFrom = 2;  // a receiver's TO/FROM flag: 0 none, 2 FROM, any other TO
// The ground speed comes in m/s; the box shows knots.
constexpr double kGroundSpeedScale = TokenScale(Token::GroundSpeedMps);

constexpr pfd::Style kPfdStyle{.composite = false, .fdPenWidth = 4.0f, .chevronPenWidth = 3.0f};
constexpr pfd::Style kCompositeStyle{.composite = true, .fdPenWidth = 4.0f, .chevronPenWidth = 2.0f};

gfx::Pen PenOf(gfx::Color color, float width = 2.0f) { return {color, width}; }

bool Has(uint32_t word, uint32_t bit) { return (word & bit) != 0; }

void DrawLateralScale(gfx::Canvas& canvas, const Palette& palette, double d) {
  const gfx::Pen white = PenOf(palette.white);
  canvas.DrawLine(white, {150, 228}, {150, 238});
  for (float left : {97.0f, 122.0f, 172.0f, 197.0f}) canvas.DrawEllipse(white, {left, 230, 6, 6});
  canvas.DrawRectangle(PenOf(palette.magenta), {static_cast<float>(147.0 + d), 227, 6, 12});
}

// Lateral and vertical deviation: the FMS cross-track in the map modes under
// lateral navigation, else the NAV 1 receiver, else the test's flags.
void DrawDeviation(gfx::Canvas& canvas, const Palette& palette, const Inputs& in) {
  if (in.AttitudeAvailable() && in.fmsLateral && (in.efisMode == kEfisModeMap || in.efisMode == kEfisModePlan)) {
    DrawLateralScale(canvas, palette,
                     std::clamp(-kCrossTrackUnitsPerNm * in.crossTrackNm, -kCrossTrackLimit, kCrossTrackLimit));
    return;
  }
  if (in.AttitudeAvailable() && !Has(in.nav1Station, pfd::kStationNoSignal)) {
    if (Has(in.nav1Station, pfd::kStationLocalizer)) {
      DrawLateralScale(canvas, palette, in.nav1DeviationDots / kLocalizerNeedlePerUnit);
    }
    if (Has(in.nav1Station, pfd::kStationGlideslope)) {
      if (Has(in.glideslopeFlags, pfd::kGlideslopeFlagged)) {
        pfd::DrawVerticalFlag(canvas, palette, L"G/SFAIL", 248.0f);
      } else {
        pfd::DrawGlideslopeScale(canvas, palette, in.glideslopeDeviation);
      }
    }
    return;
  }
  if (in.test) {
    pfd::DrawVerticalFlag(canvas, palette, L"G/SFAIL", 248.0f);
    Text(canvas, L"LOC\nFAIL", -1, 10.0f, {200, 215}, gfx::Align::Center, palette.red);
  }
}

// The marker beacon's ring and letter, the ring's box at `box`.
void DrawMarker(gfx::Canvas& canvas, const Palette& palette, const Inputs& in, gfx::PointF box) {
  if (in.test) return;
  struct Marker {
    gfx::Color Palette::*color;
    const wchar_t* letter;
  };
  constexpr Marker kMarkers[] = {{&Palette::blue, L"O"}, {&Palette::amber, L"M"}, {&Palette::white, L"I"}};
  if (in.marker < 1 || in.marker > 3) return;
  const Marker& marker = kMarkers[in.marker - 1];
  canvas.DrawEllipse(PenOf(palette.*marker.color), {box.x, box.y, 20, 20});
  Text(canvas, marker.letter, 1, 12.0f, {box.x + 11, box.y}, gfx::Align::Center, palette.*marker.color);
}

const wchar_t* ReceiverLabel(uint32_t station) {
  if (!Has(station, pfd::kStationLocalizer)) return L"VOR  ";
  return Has(station, pfd::kStationGlideslope) ? L"ILS  " : L"LOC  ";
}

void DrawPfdSourceLabel(gfx::Canvas& canvas, const Palette& palette, const Inputs& in) {
  if (in.test) return;
  const wchar_t* label = nullptr;
  if (in.vnav) {
    label = L"NAV  ";
  } else if (!Has(in.nav1Station, pfd::kStationNoSignal)) {
    label = ReceiverLabel(in.nav1Station);
  }
  if (label != nullptr) Text(canvas, label, 5, 12.0f, {245, 220}, gfx::Align::Near, palette.white);
}

void DrawGroundSpeed(gfx::Canvas& canvas, const Palette& palette, const Inputs& in) {
  if (!in.AttitudeAvailable()) return;
  wchar_t value[8];
  std::swprintf(value, std::size(value), L"%3d",
                TruncateSaturated<int32_t>(std::min(in.groundSpeedMps / kGroundSpeedScale, 999.0)));
  Text(canvas, value, 3, 12.0f, {5, 205}, gfx::Align::Near, palette.white);
  Text(canvas, L"GS", 2, 12.0f, {5, 220}, gfx::Align::Near, palette.white);
}

void DrawMessageCue(gfx::Canvas& canvas, const Palette& palette, const Inputs& in) {
  if (!in.AttitudeAvailable() || !in.cduMessage) return;
  Text(canvas, L"MCDU", 4, 12.0f, {0, 0}, gfx::Align::Near, palette.amber);
  Text(canvas, L"MSG", 3, 12.0f, {0, 15}, gfx::Align::Near, palette.amber);
}

void DrawRisingRunway(gfx::Canvas& canvas, const Palette& palette, const Inputs& in) {
  if (!in.AttitudeAvailable() || !in.risingRunway || in.radioHeightFt > kRisingRunwayBelowFt) return;
  canvas.SetTransform(pfd::At(canvas, pfd::kAttitudeCentre)
                          .Translate(in.nav1DeviationDots / kLocalizerNeedlePerUnit, in.radioHeightFt / 2.0));
  constexpr gfx::PointF kLeft[] = {{-24, 21}, {-21, 14}, {-4, 14}, {-7, 21}};
  constexpr gfx::PointF kRight[] = {{24, 21}, {21, 14}, {4, 14}, {7, 21}};
  constexpr gfx::PointF kStem[] = {{-3, 110}, {-3, 17}, {0, 14}, {3, 17}, {3, 110}};
  const gfx::Pen pen = PenOf(palette.magenta);
  canvas.DrawPolygon(pen, kLeft, 4);
  canvas.DrawPolygon(pen, kRight, 4);
  canvas.DrawPolygon(pen, kStem, 5);
}

// ---- The composite's heading and navigation ----

double ActiveCourse(const Inputs& in) { return in.nav2Active ? in.course2Deg : in.course1Deg; }

void DrawToFrom(gfx::Canvas& canvas, const Palette& palette, const Inputs& in) {
  if (!in.navValid || in.test) return;
  const uint32_t indication = in.nav2Active ? in.toFrom2 : in.toFrom1;
  if (indication == 0) return;
  Text(canvas, indication == kToFromFrom ? L"FROM" : L"TO  ", 4, 12.0f, {0, 145}, gfx::Align::Near, palette.white);
}

void DrawCompositeSourceLabel(gfx::Canvas& canvas, const Palette& palette, const Inputs& in) {
  if (in.test || Has(in.nav1Station, pfd::kStationNoSignal)) return;
  Text(canvas, ReceiverLabel(in.nav1Station), 5, 12.0f, {0, 160}, gfx::Align::Near, palette.white);
}

void DrawThreeDigits(gfx::Canvas& canvas, const Palette& palette, double degrees, gfx::PointF at) {
  wchar_t value[16];
  const int count = std::swprintf(value, std::size(value), L"%03d", TruncateSaturated<int32_t>(degrees));
  Text(canvas, value, count, 12.0f, at, gfx::Align::Near, palette.white);
}

void DrawReadouts(gfx::Canvas& canvas, const Palette& palette, const Inputs& in) {
  if (in.test) return;
  DrawThreeDigits(canvas, palette, ActiveCourse(in), {25, 180});
  constexpr gfx::PointF kCourseArrow[] = {{13, 183}, {17, 188}, {14, 188}, {14, 194}, {12, 194}, {12, 188}, {9, 188}};
  canvas.FillPolygon(palette.course, kCourseArrow, 7);
  DrawThreeDigits(canvas, palette, in.selectedHeadingDeg, {25, 195});
  canvas.FillRectangle(palette.green, {4, 203, 8, 5});
  canvas.FillRectangle(palette.green, {14, 203, 8, 5});
}

// Under whatever clip the attitude left: the glideslope scale hides while the attitude clip stays.
void DrawCompositeDeviation(gfx::Canvas& canvas, const Palette& palette, const Inputs& in) {
  canvas.SetTransform(pfd::DesignScale(canvas));
  if (!Has(in.nav1Station, pfd::kStationNoSignal) && !in.test) {
    if (Has(in.nav1Station, pfd::kStationLocalizer)) {
      const gfx::Pen white = PenOf(palette.white);
      canvas.FillRectangle(gfx::Color{}, {80, 162, 140, 14});
      canvas.DrawLine(white, {150, 164}, {150, 176});
      canvas.DrawEllipse(white, {97, 166, 6, 6});
      canvas.DrawEllipse(white, {197, 166, 6, 6});
      canvas.DrawRectangle(PenOf(palette.magenta),
                           {static_cast<float>(in.nav1DeviationDots / kLocalizerNeedlePerUnit + 147.0), 164, 6, 10});
    }
    if (Has(in.nav1Station, pfd::kStationGlideslope)) {
      if (Has(in.glideslopeFlags, pfd::kGlideslopeFlagged)) {
        pfd::DrawVerticalFlag(canvas, palette, L"G/SFAIL", 248.0f);
      } else {
        pfd::DrawGlideslopeScale(canvas, palette, in.glideslopeDeviation);
      }
    }
  } else if (in.test) {
    pfd::DrawVerticalFlag(canvas, palette, L"G/SFAIL", 248.0f);
    Text(canvas, L"LOC\nFAIL", -1, 10.0f, {220, 170}, gfx::Align::Center, palette.red);
  }
  canvas.ResetClip();
}

// The rose's ticks in its first quadrant, inner and outer ends; the other
// quadrants mirror them.
constexpr gfx::PointF kRoseQuadrant[][2] = {
    {{0, -59}, {0, -67}},   {{10, -58}, {12, -66}}, {{20, -55}, {23, -63}}, {{30, -51}, {34, -58}},
    {{38, -45}, {43, -52}}, {{45, -38}, {51, -43}}, {{51, -29}, {58, -34}}, {{55, -20}, {63, -23}},
    {{58, -10}, {66, -12}}, {{59, 0}, {67, 0}},
};
constexpr const wchar_t* kRoseNumerals[] = {L"00", L"03", L"06", L"09", L"12", L"15",
                                            L"18", L"21", L"24", L"27", L"30", L"33"};
constexpr gfx::PointF kRoseOrigin(150.0f, 250.0f);

void DrawRose(gfx::Canvas& canvas, const Palette& palette, const Inputs& in) {
  if (!in.navValid || in.test) {
    canvas.SetTransform(pfd::DesignScale(canvas));
    Text(canvas, L"HDG\nFAIL", -1, 10.0f, {150, 215}, gfx::Align::Center, palette.red);
    return;
  }
  const double heading = in.headingMagDeg;
  const gfx::Pen white = PenOf(palette.white);
  canvas.SetTransform(pfd::At(canvas, kRoseOrigin).Rotate(360.0 - heading));
  // 0..80 as listed, 90..170 mirrored in y, 180..260 in both, 270..350 in x.
  constexpr float kMirror[4][2] = {{1, 1}, {1, -1}, {-1, -1}, {-1, 1}};
  for (int quadrant = 0; quadrant < 4; ++quadrant) {
    const bool fromOne = quadrant % 2 == 1;
    for (int row = fromOne ? 1 : 0; row < (fromOne ? 10 : 9); ++row) {
      const float mx = kMirror[quadrant][0], my = kMirror[quadrant][1];
      const gfx::PointF* tick = kRoseQuadrant[row];
      canvas.DrawLine(white, {mx * tick[0].x, my * tick[0].y}, {mx * tick[1].x, my * tick[1].y});
    }
  }
  for (size_t k = 0; k < std::size(kRoseNumerals); ++k) {
    canvas.SetTransform(pfd::At(canvas, kRoseOrigin).Rotate(360.0 - heading + 30.0 * static_cast<double>(k)));
    Text(canvas, kRoseNumerals[k], 2, 10.0f, {0, -61}, gfx::Align::Center, palette.white);
  }
  canvas.SetTransform(pfd::At(canvas, kRoseOrigin).Rotate(in.selectedHeadingDeg + 360.0 - heading));
  canvas.FillRectangle(palette.green, {-12, -72, 10, 5});
  canvas.FillRectangle(palette.green, {2, -72, 10, 5});

  const double course = ActiveCourse(in);
  canvas.SetTransform(pfd::At(canvas, kRoseOrigin).Rotate(course - heading));
  constexpr gfx::PointF kArrow[] = {{2, -20}, {2, -37}, {5, -37}, {0, -44}, {-5, -37}, {-2, -37}, {-2, -20}};
  const gfx::Pen coursePen = PenOf(palette.course);
  canvas.FillPolygon(palette.course, kArrow, 7);
  canvas.DrawLine(coursePen, {0, -40}, {0, -55});
  canvas.FillRectangle(palette.course, {-2, 20, 4, 16});
  canvas.DrawLine(coursePen, {0, 36}, {0, 55});
  if (in.activeNavSignal) {
    const double deviation = in.nav2Active ? in.nav2DeviationDots : in.nav1DeviationDots;
    canvas.SetTransform(
        pfd::At(canvas, kRoseOrigin).Rotate(course - heading).Translate(kRoseDeviationUnitsPerDot * deviation, 0));
    canvas.FillRectangle(palette.course, {-2, -18, 4, 36});
  }
}

// A distance, or "- - -" when there is none (also for what no box could show).
void DrawDme(gfx::Canvas& canvas, const Palette& palette, double nm, const wchar_t* format, gfx::PointF at,
             gfx::Align align) {
  wchar_t value[16];
  const bool shown = nm != -1.0 && std::isfinite(nm) && std::fabs(nm) < 10000.0;
  const int count = shown ? std::swprintf(value, std::size(value), format, nm) : -1;
  Text(canvas, shown ? value : L"- - -", count, 12.0f, at, align, palette.white);
}

void DrawDmeBlocks(gfx::Canvas& canvas, const Palette& palette, const Inputs& in) {
  canvas.SetTransform(pfd::At(canvas, pfd::kAttitudeCentre));
  if (!in.test) {
    DrawDme(canvas, palette, in.dme1Nm, L"%-5.1f", {-130, 90}, gfx::Align::Near);
    DrawDme(canvas, palette, in.dme2Nm, L"%5.1f", {130, 90}, gfx::Align::Far);
  }
  Text(canvas, L"DME1", 4, 12.0f, {-130, 105}, gfx::Align::Near, palette.white);
  Text(canvas, L"DME2", 4, 12.0f, {130, 105}, gfx::Align::Far, palette.white);
}

// Black without normal power or at no brightness; else the background in the design space.
bool StartPicture(gfx::Canvas& canvas, const Palette& palette, const Inputs& in, double brightness) {
  const gfx::RectF screen(0, 0, std::trunc(pfd::kDesignWidth * canvas.Width() / pfd::kDesignWidth),
                          std::trunc(pfd::kDesignHeight * canvas.Height() / pfd::kDesignHeight));
  if (!in.powered || brightness == 0.0) {
    canvas.FillRectangle(gfx::Color{}, screen);
    return false;
  }
  canvas.FillRectangle(palette.background, screen);
  canvas.SetTransform(pfd::DesignScale(canvas));
  return true;
}

}  // namespace

void DrawPfdPicture(gfx::Canvas& canvas, const Inputs& in, double brightness) {
  const Palette palette = pfd::PaletteAt(brightness);
  if (!StartPicture(canvas, palette, in, brightness)) return;
  pfd::Style style = kPfdStyle;
  style.fdPenWidth = static_cast<float>(in.fdThickness);
  canvas.Mark("roll scale");
  pfd::DrawRollScale(canvas, palette);
  pfd::DrawFastSlow(canvas, palette, in);
  canvas.Mark("deviation");
  DrawDeviation(canvas, palette, in);
  canvas.Mark("labels");
  pfd::DrawDecisionHeight(canvas, palette, in, style);
  DrawMarker(canvas, palette, in, {230, 200});
  DrawPfdSourceLabel(canvas, palette, in);
  DrawGroundSpeed(canvas, palette, in);
  DrawMessageCue(canvas, palette, in);
  canvas.Mark("attitude");
  pfd::SetAttitudeClip(canvas, style);
  pfd::DrawSphere(canvas, palette, in, style);
  canvas.Mark("symbol");
  pfd::DrawAircraftSymbol(canvas, palette, in.fdVBar);
  pfd::DrawRollPointer(canvas, palette, in);
  DrawRisingRunway(canvas, palette, in);
  canvas.Mark("flight director");
  pfd::DrawFlightDirector(canvas, palette, in, style);
  canvas.Mark("radio altitude");
  pfd::DrawRadioAltitude(canvas, palette, in);
  canvas.Mark("source");
  pfd::DrawSourceLabels(canvas, palette, in);
}

// At brightness 0 the picture is black, but its decision-height layer runs
// all the same: the alert's flash goes on while both screens are dark.
void DrawCompositePicture(gfx::Canvas& canvas, const Inputs& in, double brightness) {
  const Palette palette = pfd::PaletteAt(brightness);
  const pfd::Style& style = kCompositeStyle;
  if (!StartPicture(canvas, palette, in, brightness)) {
    if (in.powered) pfd::StepDecisionHeightFlash(in, style);
    return;
  }
  canvas.Mark("roll scale");
  pfd::DrawRollScale(canvas, palette);
  pfd::DrawFastSlow(canvas, palette, in);
  canvas.Mark("labels");
  pfd::DrawDecisionHeight(canvas, palette, in, style);
  DrawMarker(canvas, palette, in, {220, 190});
  DrawToFrom(canvas, palette, in);
  DrawCompositeSourceLabel(canvas, palette, in);
  DrawReadouts(canvas, palette, in);
  canvas.Mark("attitude");
  pfd::SetAttitudeClip(canvas, style);
  pfd::DrawSphere(canvas, palette, in, style);
  canvas.Mark("symbol");
  pfd::DrawAircraftSymbol(canvas, palette, false);
  pfd::DrawRollPointer(canvas, palette, in);
  canvas.Mark("flight director");
  pfd::DrawFlightDirector(canvas, palette, in, style);
  canvas.Mark("radio altitude");
  pfd::DrawRadioAltitude(canvas, palette, in);
  canvas.Mark("deviation");
  DrawCompositeDeviation(canvas, palette, in);
  canvas.Mark("rose");
  DrawRose(canvas, palette, in);
  canvas.Mark("dme");
  DrawDmeBlocks(canvas, palette, in);
  canvas.Mark("source");
  pfd::DrawSourceLabels(canvas, palette, in);
}

namespace {

using Picture = void (*)(gfx::Canvas&, const Inputs&, double);

void DrawOnElement(platform::ELEMENT_HEADER* element, double brightness, Picture picture) {
  if (element == nullptr || IsGdiplusStarted() == 0) return;
  if (element->surface != nullptr) {
    const Inputs in = pfd::ReadInputs();
    gfx::Canvas canvas(*element->surface);
    picture(canvas, in, brightness);
  }
  element->imageFlags &= ~platform::kImageClockBit;
}

}  // namespace

void DrawPrimaryFlightDisplay(platform::ELEMENT_HEADER* element, double brightness) {
  DrawOnElement(element, brightness, DrawPfdPicture);
}

void DrawCompositeDisplay(platform::ELEMENT_HEADER* element, double brightness) {
  DrawOnElement(element, brightness, DrawCompositePicture);
}

}  // namespace halcyon
