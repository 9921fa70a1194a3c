// The blocks the PFD and the composite display share, and the one read of
// their inputs.
#include "displays/pfd/attitude.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <iterator>

#include "core/helpers.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "core/switch.h"
#include "displays/efis/display_states.h"
#include "displays/efis/efis_dimmer.h"
#include "displays/efis/efis_mcp.h"
#include "fmc/fms.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/irs.h"
#include "systems/radios.h"

namespace halcyon::pfd {

namespace {

constexpr double kRadioHeightOffsetFt = 9.0;  // the antenna above the wheels

constexpr int32_t kSelectedHeadingIndex = 3;

// The CDU's MSG annunciator: a message waits in its scratchpad.
constexpr uint32_t kCduMessageAnnunciator = 2;
// The third attitude source of the FDC's vertical-gyro selector.
constexpr int32_t kVertGyroThird = 55;

constexpr gfx::Font FontOf(float sizePt) { return {"Century Gothic", sizePt, true}; }

gfx::Pen PenOf(gfx::Color color, float width = 2.0f) { return {color, width}; }

// Fixed roll scale: the marks at 10, 20, 30, 45 and 60 degrees either side.
struct RollMark {
  gfx::PointF inner, outer;
};
constexpr RollMark kRollMarks[] = {
    {{132, 25}, {130, 17}}, {{168, 25}, {170, 17}}, {{115, 29}, {112, 22}}, {{185, 29}, {188, 22}},
    {{100, 36}, {93, 25}},  {{200, 36}, {207, 25}}, {{79, 53}, {73, 48}},   {{221, 53}, {227, 48}},
    {{63, 73}, {51, 67}},   {{237, 73}, {248, 67}},
};
constexpr gfx::PointF kZeroIndex[] = {{150, 23}, {155, 15}, {145, 15}};

struct LadderLabel {
  gfx::PointF at;
  const wchar_t* text;
};
constexpr LadderLabel kLadderLabels[] = {
    {{-45, -50}, L"10"}, {{45, -50}, L"10"}, {{-45, -90}, L"20"}, {{45, -90}, L"20"},
    {{-45, -130}, L"30"}, {{45, -130}, L"30"}, {{-45, 30}, L"10"},  {{45, 30}, L"10"},
    {{-45, 70}, L"20"},  {{45, 70}, L"20"},  {{-45, 110}, L"30"}, {{45, 110}, L"30"},
};

// Excessive-attitude chevrons: (-20, b), (0, a), (20, b), (15, b), (0, c), (-15, b).
struct Chevron {
  float b, a, c;
};
constexpr double kChevronNoseUpDeg = -25.0;
constexpr double kChevronNoseDownDeg = 7.0;
constexpr Chevron kPfdNoseUp[] = {{-120, -100, -105}, {-150, -130, -135}};
constexpr Chevron kPfdNoseDown[] = {{50, 30, 35}, {80, 60, 65}};
// The composite's point away from the horizon (kept as the aircraft shows them).
constexpr Chevron kCompositeNoseUp[] = {{-100, -120, -115}, {-130, -150, -145}};
constexpr Chevron kCompositeNoseDown[] = {{30, 50, 45}, {60, 80, 75}};

constexpr gfx::PointF kLeftWing[] = {{-69, -3}, {-17, -3}, {-17, 17}, {-23, 17}, {-23, 3}, {-69, 3}};
constexpr gfx::PointF kRightWing[] = {{69, -3}, {17, -3}, {17, 17}, {23, 17}, {23, 3}, {69, 3}};
constexpr gfx::PointF kVBarSymbol[] = {{0, 0}, {58, 17}, {58, 18}, {0, 10}, {0, 0}, {-58, 17}, {-58, 18}, {0, 10}};
constexpr gfx::PointF kRollPointer[] = {{0, -100}, {7, -88}, {-7, -88}};
constexpr gfx::PointF kVBarLeft[] = {{-2, -1}, {-64, 17}, {-67, 8}, {-2, -3}};
constexpr gfx::PointF kVBarRight[] = {{2, -1}, {64, 17}, {67, 8}, {2, -3}};

constexpr double kFdUnitsPerDeg = 3.0;
constexpr double kFdRollBarLimit = 60.0;
constexpr float kFdBarHalfLength = 68.0f;
constexpr double kRollPointerLimitDeg = 60.0;
constexpr double kFastSlowUnitsPerKt = 3.35;

// Radio-altitude tape, one unit a foot.
constexpr double kTapeShownBelowFt = 3000.0;
constexpr double kTapeIndexBelowFt = 2500.0;
constexpr double kAltCueAboveFt = 500.0;
constexpr double kAltCueBelowFt = 2500.0;
constexpr double kDhReadoutAtOrBelowFt = 10.0;
constexpr gfx::PointF kTapeHatching[][2] = {
    {{45, 0}, {10, 35}},  {{35, 0}, {10, 25}},  {{25, 0}, {10, 15}},  {{15, 0}, {10, 5}},   {{45, 10}, {10, 45}},
    {{45, 20}, {10, 55}}, {{45, 30}, {10, 65}}, {{45, 40}, {10, 75}}, {{45, 50}, {10, 85}}, {{45, 60}, {10, 95}},
};

// The x at which the tape's tick of h feet ends, 0 where there is none.
float TapeTickEnd(int h) {
  if (h < 500) return h % 50 == 0 ? 14.0f : 20.0f;
  if (h == 500) return 14.0f;
  if (h == 550) return 20.0f;
  if (h % 100 == 0) return 14.0f;
  if (h % 50 == 0) return 30.0f;
  return 0.0f;
}

constexpr float kVerticalFlagTops[] = {70, 82, 94, 118, 130, 142, 154};

}  // namespace

Inputs ReadInputs() {
  Inputs in;
  in.powered = IsPowerState(kPowerNormal) != 0;
  const double groundSpeedMps = ReadToken(Token::GroundSpeedMps);
  in.groundSpeedMps = groundSpeedMps;
  if (groundSpeedMps > kAttitudeLevelBelowGroundSpeedMps) {
    in.pitchDeg = ReadToken(Token::PitchDeg);
    in.bankDeg = ReadToken(Token::BankDeg);
  }
  in.radioHeightFt = ReadRadioAltitudeFt() - kRadioHeightOffsetFt;
  in.fdOn = ReadToken(Token::FlightDirector) != 0.0;
  in.fdPitchDeg = ReadToken(Token::FlightDirectorPitchDeg);
  in.fdBankDeg = ReadToken(Token::FlightDirectorBankDeg);
  in.nav1DeviationDots = ReadToken(Token::CourseNeedle);
  in.glideslopeDeviation = ReadToken(Token::GlideSlopeNeedle);
  in.glideslopeFlags = ReadFlagWord(Token::Nav1Flags);
  in.nav1Station = ReadFlagWord(Token::Nav1Code);
  in.risingRunway = ReadToken(Token::RisingRunway) != 0.0;
  in.marker = TruncateSaturated<int32_t>(ReadToken(Token::MarkerBeacon));
  in.efisSource = GetSwitch(&g_efisSourceSwitch);
  in.vertGyro = GetSwitch(&g_verticalGyroSwitch);
  in.attitudeValid = IsIrsAttitudeValid() != 0;
  in.navValid = IsIrsNavValid() != 0;
  in.test = IsEfisTestActive() != 0;
  in.speedErrorKt = GetSpeedTargetError();
  in.crossTrackNm = g_fms.GetApCrossTrack();
  in.fmsLateral = IsDfgsRollMode3To5() != 0;
  in.vnav = IsDfgsVnav() != 0;
  in.efisMode = GetEfisMode();
  in.decisionHeightFt = GetDecisionHeight();
  in.cduMessage = g_fms.IsAnnunciatorOn(kCduMessageAnnunciator);
  in.hotspots = GetOption(kOptionHotspots) != 0;
  in.fdVBar = GetOption(kOptionFdVBar) != 0;
  in.fdThickness = g_fdThickness;
  in.nav2Active = IsNavUnit1Active() != 0;
  in.toFrom1 = ReadFlagWord(Token::Nav1ToFrom);
  in.toFrom2 = ReadFlagWord(Token::Nav2ToFrom);
  in.course1Deg = ReadToken(Token::Nav1CourseDeg);
  in.course2Deg = ReadToken(Token::Nav2CourseDeg);
  in.nav2DeviationDots = ReadToken(Token::Nav2CourseNeedle);
  in.headingMagDeg = ReadToken(Token::MagneticHeadingDeg);
  in.dme1Nm = ReadToken(Token::Dme1Nm);
  in.dme2Nm = ReadToken(Token::Dme2Nm);
  in.selectedHeadingDeg = GetDfgsSelectedValue(kSelectedHeadingIndex);
  in.activeNavSignal = ActiveNavHasValidSignal() != 0;
  return in;
}

Palette PaletteAt(double b) {
  return {gfx::Dim(11, 0, 30, b),    gfx::Dim(10, 155, 244, b),  gfx::Dim(166, 110, 27, b), gfx::Dim(255, 255, 255, b),
          gfx::Dim(0, 150, 0, b),    gfx::Dim(230, 180, 30, b),  gfx::Dim(140, 140, 140, b), gfx::Dim(65, 65, 255, b),
          gfx::Dim(255, 255, 0, b),  gfx::Dim(255, 0, 0, b),     gfx::Dim(220, 0, 0, b),    gfx::Dim(255, 100, 255, b),
          gfx::Dim(255, 80, 255, b), gfx::Dim(90, 90, 110, b)};
}

gfx::Matrix DesignScale(const gfx::Canvas& canvas) {
  return gfx::Matrix().Scale(canvas.Width() / kDesignWidth, canvas.Height() / kDesignHeight);
}

gfx::Matrix At(const gfx::Canvas& canvas, gfx::PointF origin) {
  return DesignScale(canvas).Translate(origin.x, origin.y);
}

void Text(gfx::Canvas& canvas, const wchar_t* text, int count, float sizePt, gfx::PointF at, gfx::Align align,
          gfx::Color color) {
  canvas.DrawString(text, count, FontOf(sizePt), at, align, color);
}

void DrawRollScale(gfx::Canvas& canvas, const Palette& palette) {
  const gfx::Pen white = PenOf(palette.white);
  canvas.DrawPolygon(white, kZeroIndex, static_cast<int>(std::size(kZeroIndex)));
  for (const RollMark& mark : kRollMarks) canvas.DrawLine(white, mark.inner, mark.outer);
}

void DrawVerticalFlag(gfx::Canvas& canvas, const Palette& palette, const wchar_t* letters, float x) {
  for (size_t i = 0; i < std::size(kVerticalFlagTops); ++i) {
    Text(canvas, letters + i, 1, 10.0f, {x, kVerticalFlagTops[i]}, gfx::Align::Center, palette.red);
  }
}

void DrawFastSlow(gfx::Canvas& canvas, const Palette& palette, const Inputs& in) {
  if (!in.AttitudeAvailable()) {
    DrawVerticalFlag(canvas, palette, L"F/SFAIL", 52.0f);
    return;
  }
  const gfx::Pen white = PenOf(palette.white);
  canvas.DrawLine(white, {58, 90}, {48, 90});
  canvas.DrawLine(white, {58, 156}, {48, 156});
  constexpr gfx::PointF kDiamond[] = {{57, 123}, {53, 117}, {49, 123}, {53, 129}};
  canvas.DrawPolygon(white, kDiamond, 4);
  Text(canvas, L"F", 1, 12.0f, {54, 69}, gfx::Align::Center, palette.white);
  Text(canvas, L"S", 1, 12.0f, {54, 158}, gfx::Align::Center, palette.white);
  const float top = static_cast<float>(116.0 + kFastSlowUnitsPerKt * in.speedErrorKt);
  canvas.DrawEllipse(PenOf(palette.magenta), {46, top, 14, 14});
}

DecisionHeightCue StepDecisionHeightFlash(const Inputs& in, const Style& style) {
  if (in.test && style.composite) return DecisionHeightCue::None;
  const double dh = in.decisionHeightFt;
  const double ra = in.radioHeightFt;
  const bool alert = dh != -1.0 && !in.test && !(dh <= ra || ra <= kDhReadoutAtOrBelowFt);
  if (alert) {
    if (GetSwitch(&g_dhFlashSwitch) == kDhFlashIdle) SetSwitch(&g_dhFlashSwitch, kDhFlashFirst);
  } else if (GetSwitch(&g_dhFlashSwitch) != kDhFlashIdle) {
    SetSwitch(&g_dhFlashSwitch, kDhFlashIdle);
  }
  if (dh == -1.0 || in.test) return DecisionHeightCue::None;
  return alert ? DecisionHeightCue::Alert : DecisionHeightCue::Readout;
}

void DrawDecisionHeight(gfx::Canvas& canvas, const Palette& palette, const Inputs& in, const Style& style) {
  const DecisionHeightCue cue = StepDecisionHeightFlash(in, style);
  if (cue == DecisionHeightCue::None) return;
  if (cue == DecisionHeightCue::Readout) {
    Text(canvas, L"DH", 2, 12.0f, {245, 12}, gfx::Align::Near, palette.green);
    wchar_t value[8];
    std::swprintf(value, std::size(value), L"%-3d", TruncateSaturated<int32_t>(in.decisionHeightFt));
    Text(canvas, value, 3, 12.0f, {270, 12}, gfx::Align::Near, palette.green);
  } else if (GetSwitch(&g_dhFlashSwitch) % 2 == 1) {
    Text(canvas, L"DH", 2, 14.0f, {250, 15}, gfx::Align::Near, palette.amber);
  }
  const double ra = in.radioHeightFt;
  if (ra > kAltCueAboveFt && ra < kAltCueBelowFt) Text(canvas, L"ALT", 3, 12.0f, {245, 30}, gfx::Align::Near, palette.green);
}

void SetAttitudeClip(gfx::Canvas& canvas, const Style& style) {
  canvas.SetTransform(DesignScale(canvas));
  gfx::Path shape;
  shape.AddEllipse({49, 23, 202, 202});
  canvas.SetClip(shape, gfx::ClipMode::Replace);
  shape.Reset();
  shape.AddRectangle({63, 23, 174, 202});
  canvas.SetClip(shape, gfx::ClipMode::Intersect);
  if (style.composite) {
    // Keeps the attitude above the heading rose.
    shape.Reset();
    shape.AddRectangle({0, 0, 300, 176});
    canvas.SetClip(shape, gfx::ClipMode::Intersect);
  }
}

void DrawSphere(gfx::Canvas& canvas, const Palette& palette, const Inputs& in, const Style& style) {
  if (!in.AttitudeAvailable()) {
    canvas.SetTransform(DesignScale(canvas));
    Text(canvas, L"ATT\nFAIL", -1, 10.0f, {150, 50}, gfx::Align::Center, palette.red);
    return;
  }
  const double pitch = in.pitchDeg;
  const double skyPitch = std::clamp(pitch, -kSkyPitchLimitDeg, kSkyPitchLimitDeg);
  canvas.SetTransform(At(canvas, kAttitudeCentre).Rotate(in.bankDeg).Translate(0, -kUnitsPerPitchDeg * skyPitch));
  canvas.FillRectangle(palette.sky, {-150, -400, 300, 400});
  canvas.FillRectangle(palette.ground, {-150, 0, 300, 400});

  canvas.SetTransform(At(canvas, kAttitudeCentre).Rotate(in.bankDeg).Translate(0, -kUnitsPerPitchDeg * pitch));
  const gfx::Pen white = PenOf(palette.white);
  canvas.DrawLine(white, {-150, 0}, {150, 0});
  for (int k = -12; k <= 12; ++k) {
    if (k == 0) continue;
    const float half = k % 2 != 0 ? 8.0f : (k % 4 != 0 ? 16.0f : 32.0f);
    const float y = 10.0f * static_cast<float>(k);
    canvas.DrawLine(white, {-half, y}, {half, y});
  }
  for (const LadderLabel& label : kLadderLabels) Text(canvas, label.text, 2, 12.0f, label.at, gfx::Align::Center, palette.white);

  const Chevron* chevrons = nullptr;
  if (pitch <= kChevronNoseUpDeg) {
    chevrons = style.composite ? kCompositeNoseUp : kPfdNoseUp;
  } else if (pitch >= kChevronNoseDownDeg) {
    chevrons = style.composite ? kCompositeNoseDown : kPfdNoseDown;
  }
  if (chevrons == nullptr) return;
  const gfx::Pen red = PenOf(palette.chevronRed, style.chevronPenWidth);
  for (int i = 0; i < 2; ++i) {
    const Chevron& c = chevrons[i];
    const gfx::PointF outline[] = {{-20, c.b}, {0, c.a}, {20, c.b}, {15, c.b}, {0, c.c}, {-15, c.b}};
    canvas.DrawPolygon(red, outline, 6);
  }
}

void DrawAircraftSymbol(gfx::Canvas& canvas, const Palette& palette, bool vBar) {
  canvas.SetTransform(At(canvas, kAttitudeCentre));
  if (vBar) {
    const gfx::Pen amber = PenOf(palette.amber, 3.0f);
    canvas.DrawPolygon(amber, kVBarSymbol, static_cast<int>(std::size(kVBarSymbol)));
    canvas.DrawLine(amber, {-52, 17}, {52, 17});
    return;
  }
  const gfx::Pen white = PenOf(palette.white);
  canvas.FillRectangle(palette.symbolFill, {-3, -3, 6, 6});
  canvas.DrawRectangle(white, {-3, -3, 6, 6});
  for (const auto& wing : {kLeftWing, kRightWing}) {
    canvas.FillPolygon(palette.symbolFill, wing, 6);
    canvas.DrawPolygon(white, wing, 6);
  }
}

void DrawRollPointer(gfx::Canvas& canvas, const Palette& palette, const Inputs& in) {
  if (!in.AttitudeAvailable()) return;
  const double bank = std::clamp(in.bankDeg, -kRollPointerLimitDeg, kRollPointerLimitDeg);
  canvas.SetTransform(At(canvas, kAttitudeCentre).Rotate(bank));
  canvas.FillPolygon(palette.white, kRollPointer, 3);
}

void DrawFlightDirector(gfx::Canvas& canvas, const Palette& palette, const Inputs& in, const Style& style) {
  if (!in.AttitudeAvailable()) {
    // Lifting the attitude clip here is what shows the radio-altitude flag.
    canvas.SetTransform(DesignScale(canvas));
    canvas.ResetClip();
    Text(canvas, L"FD\nFAIL", -1, 10.0f, {76, 185}, gfx::Align::Center, palette.red);
    return;
  }
  if (!in.fdOn) return;
  const double pitchBar = kFdUnitsPerDeg * (in.fdPitchDeg - in.pitchDeg);
  const double rollBar = std::clamp(kFdUnitsPerDeg * (in.bankDeg - in.fdBankDeg), -kFdRollBarLimit, kFdRollBarLimit);
  if (in.fdVBar && !style.composite) {
    canvas.SetTransform(At(canvas, kAttitudeCentre).Translate(0, pitchBar).Rotate(rollBar));
    canvas.FillPolygon(palette.magenta, kVBarLeft, 4);
    canvas.FillPolygon(palette.magenta, kVBarRight, 4);
    return;
  }
  canvas.SetTransform(At(canvas, kAttitudeCentre));
  const gfx::Pen pen = PenOf(palette.magenta, style.fdPenWidth);
  const float h = static_cast<float>(pitchBar);
  const float v = static_cast<float>(rollBar);
  canvas.DrawLine(pen, {-kFdBarHalfLength, h}, {kFdBarHalfLength, h});
  canvas.DrawLine(pen, {v, -kFdBarHalfLength}, {v, kFdBarHalfLength});
}

void DrawRadioAltitude(gfx::Canvas& canvas, const Palette& palette, const Inputs& in) {
  const double ra = in.radioHeightFt;
  const gfx::Pen white = PenOf(palette.white);
  canvas.SetTransform(At(canvas, kTapeOrigin));
  if (!(ra < kTapeShownBelowFt) || in.test) {
    // No clip of its own: under the attitude clip the flag stays hidden.
    canvas.DrawLine(white, {10, 0}, {10, 140});
    canvas.DrawLine(white, {10, 70}, {45, 70});
    Text(canvas, L"RA\nFAIL", -1, 10.0f, {30, 20}, gfx::Align::Center, palette.red);
    return;
  }
  gfx::Path box;
  box.AddRectangle({0, 0, 45, 140});
  canvas.SetClip(box, gfx::ClipMode::Replace);
  canvas.SetTransform(At(canvas, kTapeOrigin).Translate(0, 70.0 + ra));
  const gfx::Pen amber = PenOf(palette.amber);
  for (const auto& line : kTapeHatching) canvas.DrawLine(amber, line[0], line[1]);
  canvas.FillRectangle(palette.green, {10, -500, 35, 500});
  canvas.FillRectangle(palette.grey, {10, -2500, 35, 2000});
  constexpr gfx::PointF kLowBand[] = {{25, 0}, {45, -200}, {45, 0}};
  canvas.FillPolygon(palette.amber, kLowBand, 3);
  canvas.DrawLine(white, {10, 0}, {45, 0});
  for (int h = 10; h <= 2500; h += 10) {
    const float end = TapeTickEnd(h);
    if (end > 0.0f) canvas.DrawLine(white, {10, static_cast<float>(-h)}, {end, static_cast<float>(-h)});
  }
  for (int h = 50; h <= 2500; h += h < 500 ? 50 : 100) {
    wchar_t label[8];
    const int count = std::swprintf(label, std::size(label), L"%d", h);
    Text(canvas, label, count, 10.0f, {12, static_cast<float>(-(h + 8))}, gfx::Align::Near, palette.white);
  }
  canvas.DrawLine(white, {10, -2500}, {10, 70});
  const double dh = in.decisionHeightFt;
  if (dh != -1.0) {
    const gfx::PointF marker[] = {{0, std::trunc(static_cast<float>(-dh - 6))},
                                  {9, std::trunc(static_cast<float>(-dh))},
                                  {0, std::trunc(static_cast<float>(-dh + 6))}};
    canvas.FillPolygon(dh < ra ? palette.green : palette.amber, marker, 3);
  }
  if (ra <= kTapeIndexBelowFt) {
    canvas.SetTransform(At(canvas, kTapeOrigin));
    canvas.DrawLine(white, {10, 70}, {45, 70});
  }
  canvas.ResetClip();
}

void DrawGlideslopeScale(gfx::Canvas& canvas, const Palette& palette, double deviation) {
  const gfx::Pen white = PenOf(palette.white);
  canvas.DrawLine(white, {240, 123}, {250, 123});
  for (float top : {80.0f, 100.0f, 140.0f, 160.0f}) canvas.DrawEllipse(white, {242, top, 6, 6});
  canvas.DrawRectangle(PenOf(palette.magenta), {239, static_cast<float>(120.0 + deviation / 2.975), 12, 6});
}

void DrawSourceLabels(gfx::Canvas& canvas, const Palette& palette, const Inputs& in) {
  canvas.SetTransform(DesignScale(canvas));
  canvas.ResetClip();
  if (in.efisSource != kEfisSourceNormal && !in.test) {
    Text(canvas, in.efisSource == kEfisSourceIrs2 ? L"EFI 2" : L"EFI 1", 5, 10.0f, {200, 0}, gfx::Align::Center,
         palette.amber);
  }
  if (in.vertGyro == kVertGyroThird && !in.test) {
    Text(canvas, L"ATT 3", 5, 10.0f, {100, 0}, gfx::Align::Center, palette.amber);
  }
  if (in.hotspots) {
    canvas.SetTransform(At(canvas, kAttitudeCentre));
    canvas.DrawRectangle(PenOf(palette.yellow, 5.0f), {-145, -105, 290, 210});
    Text(canvas, L"PFD Window", -1, 30.0f, {0, -30}, gfx::Align::Center, palette.yellow);
  }
}

}  // namespace halcyon::pfd
