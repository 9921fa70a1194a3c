// The TCAS display and its gauge's pre-draw.
#include "displays/tcas/tcas_display.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <iterator>

#include "core/lifecycle.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "core/switch.h"
#include "displays/efis/screen_geometry.h"
#include "displays/tcas/tcas.h"
#include "displays/tcas/tcas_logic.h"
#include "platform/gfx.h"
#include "systems/electric.h"
#include "systems/radios.h"

namespace halcyon {

namespace gfx = platform::gfx;

namespace {

constexpr double kDesignSize = 250.0;
constexpr gfx::PointF kDialCentre(125.0f, 125.0f);
constexpr gfx::PointF kOwnAircraft(125.0f, 159.0f);  // 34 units below the dial centre
constexpr float kScaleRingRadius = 94.0f;
constexpr float kRedBandRadius = 107.0f;
constexpr float kGreenBandRadius = 112.0f;
constexpr double kTaOnlyBelowFt = 1000.0;

struct Palette {
  gfx::Color background, white, cyan, amber, red, green, yellow;
};
Palette PaletteAt(double b) {
  return {gfx::Dim(11, 0, 30, b),     gfx::Dim(255, 255, 255, b), gfx::Dim(0, 220, 220, b), gfx::Dim(230, 180, 30, b),
          gfx::Dim(220, 0, 0, b),     gfx::Dim(0, 150, 0, b),     gfx::Dim(255, 255, 0, b)};
}
constexpr gfx::Color kBlack{};

// Pens are one design unit wide (the hotspot frame three): the width goes
// through the transform's scale once, as every other size does.
constexpr float kPenWidth = 1.0f;
constexpr float kHotspotPenWidth = 3.0f;

constexpr gfx::Font kTagFont{"Century Gothic", 10.0f, false};
constexpr gfx::Font kTextFont{"Century Gothic", 15.0f, false};
constexpr gfx::Font kNumeralFont{"Century Gothic", 20.0f, false};
constexpr gfx::Font kHotspotFont{"Century Gothic", 30.0f, true};

gfx::RectF Circle(float r) { return {-r, -r, 2 * r, 2 * r}; }

// ---- The vertical-speed scale ----

struct VsiBreak {
  double fpm, deg, slope;
};
constexpr VsiBreak kVsiScale[] = {{0, 0, 0.07},         {1000, 70, 0.04},     {1500, 90, 0.026},
                                  {2000, 103, 0.022},   {3000, 125, 0.0195},  {4000, 144.5, 0.0155},
                                  {5000, 160, 0.012},   {6000, 172, 0.0}};

struct Line {
  gfx::PointF from, to;
};
// The climb ticks, 100 to 6000 ft/min; the descent ticks mirror them in y.
constexpr Line kClimbTicks[] = {
    {{-93, -12}, {-97, -11}}, {{-91, -23}, {-96, -24}}, {{-88, -34}, {-92, -36}}, {{-83, -44}, {-88, -47}},
    {{-76, -54}, {-84, -59}}, {{-70, -62}, {-73, -66}}, {{-62, -71}, {-65, -75}}, {{-52, -78}, {-55, -83}},
    {{-42, -83}, {-45, -88}}, {{-32, -88}, {-37, -100}}, {{0, -94}, {0, -102}},   {{21, -91}, {24, -105}},
    {{39, -86}, {42, -92}},   {{53, -76}, {62, -88}},   {{66, -66}, {72, -73}},   {{76, -54}, {88, -64}},
    {{83, -44}, {91, -47}},   {{88, -32}, {100, -37}},  {{91, -23}, {99, -24}},   {{93, -13}, {107, -15}},
};
constexpr Line kZeroTick{{-94, 0}, {-107, 0}};

struct Label {
  const wchar_t* text;
  gfx::PointF at;
  gfx::Align align;
};
constexpr Label kNumerals[] = {
    {L"0", {-129, -16}, gfx::Align::Near}, {L".5", {-114, -83}, gfx::Align::Near}, {L"1", {-55, -126}, gfx::Align::Near},
    {L"2", {23, -130}, gfx::Align::Near},  {L"4", {86, -86}, gfx::Align::Near},    {L"6", {129, -16}, gfx::Align::Far},
    {L"4", {86, 54}, gfx::Align::Near},    {L"2", {23, 98}, gfx::Align::Near},     {L"1", {-55, 93}, gfx::Align::Near},
    {L".5", {-114, 51}, gfx::Align::Near},
};

// ---- Ranges ----

constexpr int32_t kFirstRange = 100;
constexpr int32_t kTestRange = 101;
struct TcasRange {
  const wchar_t* label;
  double unitsPerDegree;
  double limitNm;
  gfx::PointF dots[12];  // top-left corners of 4 x 4 dots, clockwise from 12 o'clock
};
constexpr TcasRange kRanges[] = {
    {L"RNG  3", 2560, 4.0, {{-2, -87}, {40, -76}, {72, -44}, {83, -2}, {72, 40}, {40, 72},
                            {-2, 83}, {-44, 72}, {-76, 40}, {-87, -2}, {-76, -44}, {-44, -76}}},
    {L"RNG  5", 1536, 6.0, {{-2, -53}, {23, -46}, {42, -27}, {49, -2}, {42, 23}, {23, 42},
                            {-2, 49}, {-27, 42}, {-46, 23}, {-53, -2}, {-46, -27}, {-27, -46}}},
    {L"RNG 10", 768, 11.0, {{-2, -28}, {11, -24}, {21, -15}, {24, -2}, {21, 11}, {11, 20},
                            {-2, 24}, {-15, 20}, {-25, 11}, {-28, -2}, {-25, -15}, {-15, -24}}},
    {L"RNG 15", 512, 16.0, {{-2, -19}, {7, -17}, {13, -10}, {15, -2}, {13, 6}, {7, 13},
                            {-2, 15}, {-11, 13}, {-17, 6}, {-19, -2}, {-17, -10}, {-11, -17}}},
};
// Null for a knob position that is none of the four.
const TcasRange* RangeAt(int32_t position) {
  const int32_t index = position - kFirstRange;
  return index >= 0 && index < static_cast<int32_t>(std::size(kRanges)) ? &kRanges[index] : nullptr;
}
constexpr double kProximateNm = 2.0;

// The relative-altitude window of the ABOVE/BELOW switch, feet.
struct AltitudeWindow {
  int32_t position;
  const wchar_t* label;
  double belowFt, aboveFt;
};
constexpr AltitudeWindow kWindows[] = {
    {43, L"     ", -2700, 2700}, {111, L"ABOVE", -2700, 8700}, {112, L"BELOW", -8700, 2700}};
const AltitudeWindow* WindowAt(int32_t position) {
  for (const AltitudeWindow& window : kWindows) {
    if (window.position == position) return &window;
  }
  return nullptr;
}

// ---- Advisory bands ----

struct Band {
  float radius;
  gfx::Color Palette::*color;
  bool keepInside;
  gfx::PointF polygon[5];
  int count;
};
struct BandPair {
  Band red, green;
};
// By advisory state 1..4; the edges through the centre stand for vertical speeds.
constexpr BandPair kBands[] = {
    {{kRedBandRadius, &Palette::red, false, {{0, 0}, {0, -110}, {110, -110}, {110, 15}}, 4},
     {kGreenBandRadius, &Palette::green, true, {{0, 0}, {0, -115}, {26, -115}}, 3}},
    {{kRedBandRadius, &Palette::red, true, {{0, 0}, {-110, 0}, {-110, -110}, {110, -110}, {110, -15}}, 5},
     {kGreenBandRadius, &Palette::green, true, {{0, 0}, {-130, 50}, {-130, 0}}, 3}},
    {{kRedBandRadius, &Palette::red, false, {{0, 0}, {0, 110}, {110, 110}, {110, -15}}, 4},
     {kGreenBandRadius, &Palette::green, true, {{0, 0}, {0, 115}, {26, 115}}, 3}},
    {{kRedBandRadius, &Palette::red, true, {{0, 0}, {-110, 0}, {-110, 110}, {110, 110}, {110, 15}}, 5},
     {kGreenBandRadius, &Palette::green, true, {{0, 0}, {-130, -50}, {-130, 0}}, 3}},
};
const BandPair* BandsOf(int32_t state) {
  return state >= kTcasAdvisoryUpward && state <= kTcasAdvisoryNoDescent ? &kBands[state - 1] : nullptr;
}

// ---- Symbols ----

enum class Symbol : uint8_t { OpenDiamond, FilledDiamond, Circle, Square };
enum class Arrow : uint8_t { None, Up, Down };
struct Intruder {
  gfx::PointF at;
  Symbol symbol;
  gfx::Color Palette::*color;
  wchar_t tag[8];
  bool tagAbove;
  Arrow arrow;
};
// The test pattern: the four kinds of symbol at fixed places.
constexpr Intruder kTestPattern[] = {
    {{-50, -70}, Symbol::OpenDiamond, &Palette::white, L"+10", true, Arrow::None},
    {{50, -70}, Symbol::FilledDiamond, &Palette::white, L"-10", false, Arrow::Down},
    {{-50, 0}, Symbol::Circle, &Palette::amber, L"-02", false, Arrow::Up},
    {{50, 0}, Symbol::Square, &Palette::red, L"+02", true, Arrow::None},
};
constexpr float kSymbolHalf = 8.0f;
constexpr float kTagAboveDy = -22.0f;
constexpr float kTagBelowDy = 7.0f;
constexpr double kArrowFpm = 500.0;

// One drawing call: the canvas, its scale, the colours, one clip path reused.
struct Screen {
  gfx::Canvas& canvas;
  double sx, sy;
  Palette palette;
  gfx::Path clip;
  gfx::Matrix Frame(gfx::PointF origin) const { return gfx::Matrix().Scale(sx, sy).Translate(origin.x, origin.y); }
  gfx::Pen PenOf(gfx::Color color) const { return {color, kPenWidth}; }
};

bool TestRunning() { return GetSwitch(&g_tcasTestSwitch) == kSwitchOn; }
bool ShowsTraffic() {
  const int32_t mode = GetSwitch(&g_transponderMode);
  return mode == kTransponderModeTaOnly || mode == kTransponderModeTaRa;
}

void DrawSymbol(Screen& s, const Intruder& intruder) {
  const gfx::Color color = s.palette.*intruder.color;
  const float x = intruder.at.x;
  const float y = intruder.at.y;
  const gfx::RectF box(x - kSymbolHalf, y - kSymbolHalf, 2 * kSymbolHalf, 2 * kSymbolHalf);
  const gfx::PointF diamond[] = {{x - kSymbolHalf, y}, {x, y - kSymbolHalf}, {x + kSymbolHalf, y}, {x, y + kSymbolHalf}};
  switch (intruder.symbol) {
    case Symbol::Square:
      s.canvas.FillRectangle(color, box);
      break;
    case Symbol::Circle:
      s.canvas.FillEllipse(color, box);
      break;
    case Symbol::FilledDiamond:
      s.canvas.FillPolygon(color, diamond, 4);
      break;
    case Symbol::OpenDiamond:
      s.canvas.DrawPolygon(s.PenOf(color), diamond, 4);
      break;
  }
  const float tagY = y + (intruder.tagAbove ? kTagAboveDy : kTagBelowDy);
  s.canvas.DrawString(intruder.tag, 3, kTagFont, {x, tagY}, gfx::Align::Center, color);
  if (intruder.arrow == Arrow::None) return;
  const float dir = intruder.arrow == Arrow::Up ? -1.0f : 1.0f;  // screen y of the tip
  const gfx::PointF head[] = {{x + 12, y}, {x + 20, y}, {x + 16, y + 8 * dir}};
  s.canvas.FillPolygon(color, head, 3);
  s.canvas.DrawLine(s.PenOf(color), {x + 16, y - 8 * dir}, {x + 16, y + 5 * dir});
}

// The three characters of a data tag: absolute altitude in hundreds of feet
// while the push button's timer runs, else the relative altitude signed. A
// value that needs more characters is held at the nearest that fits.
void FormatTag(wchar_t (&tag)[8], double altitudeFt, double relativeFt) {
  if (GetSwitch(&g_tcasAbsAltitudeSwitch) == kSwitchOn) {
    const double hundreds = std::clamp(std::trunc(altitudeFt / 100.0), -99.0, 999.0);
    std::swprintf(tag, std::size(tag), L"%03d", static_cast<int>(hundreds));
  } else if (relativeFt > -100.0 && relativeFt < 100.0) {
    std::swprintf(tag, std::size(tag), L" 00");
  } else {
    const double hundreds = std::min(std::trunc(std::fabs(relativeFt) / 100.0), 99.0);
    std::swprintf(tag, std::size(tag), relativeFt > 0.0 ? L"+%02d" : L"-%02d", static_cast<int>(hundreds));
  }
}

Intruder IntruderOf(const CTcasTarget& record, gfx::PointF at, double relativeFt) {
  Intruder intruder{};
  intruder.at = at;
  switch (record.GetThreatClass()) {
    case kTcasPreventiveAdvisory:
    case kTcasCorrectiveAdvisory:
      intruder.symbol = Symbol::Square;
      intruder.color = &Palette::red;
      break;
    case kTcasTrafficAdvisory:
      intruder.symbol = Symbol::Circle;
      intruder.color = &Palette::amber;
      break;
    default:
      intruder.symbol = record.GetRange() <= kProximateNm ? Symbol::FilledDiamond : Symbol::OpenDiamond;
      intruder.color = &Palette::white;
      break;
  }
  FormatTag(intruder.tag, record.GetAltitude(), relativeFt);
  const double vs = record.GetVerticalSpeed();
  intruder.tagAbove = relativeFt >= 100.0 || (relativeFt > -100.0 && relativeFt < 100.0 && vs > 0.0);
  intruder.arrow = vs >= kArrowFpm ? Arrow::Up : vs <= -kArrowFpm ? Arrow::Down : Arrow::None;
  return intruder;
}

// The intruders of the display list, heading up about own aircraft.
void DrawTraffic(Screen& s, const CTcas& tcas) {
  const TcasRange* range = RangeAt(GetSwitch(&g_tcasRangeSwitch));
  const AltitudeWindow* window = WindowAt(GetSwitch(&g_transponderAboveBelow));
  if (range == nullptr || window == nullptr) return;
  const CLatLon& own = *tcas.GetOwnPosition();
  const double ownAltitudeFt = ReadToken(Token::AltitudeFt);
  const double headingDeg = ReadToken(Token::HeadingDeg);
  for (const CTcasTarget* record = tcas.GetDisplayList(); record != nullptr; record = record->GetNext()) {
    const CLatLon& position = *record->GetPositionObject();
    if (!position.IsValid()) continue;
    const double relativeFt = record->GetAltitude() - ownAltitudeFt;
    if (!(record->GetRange() < range->limitNm) || relativeFt < window->belowFt || relativeFt > window->aboveFt) continue;
    gfx::PointF at;
    // East-positive longitudes and a positive scale: x east, y north.
    if (!ProjectLatLon(own.GetLat(), own.GetLon(), position.GetLat(), position.GetLon(), range->unitsPerDegree, at)) {
      continue;
    }
    at.y = -at.y;
    RotatePoint(at, 360.0 - headingDeg);
    DrawSymbol(s, IntruderOf(*record, at, relativeFt));
  }
}

void DrawRangeDotsAndOwnAircraft(Screen& s) {
  const TcasRange* range = RangeAt(TestRunning() ? kTestRange : GetSwitch(&g_tcasRangeSwitch));
  if (range != nullptr) {
    for (gfx::PointF dot : range->dots) s.canvas.FillEllipse(s.palette.cyan, {dot.x, dot.y, 4, 4});
  }
  const gfx::Pen cyan = s.PenOf(s.palette.cyan);
  s.canvas.DrawLine(cyan, {0, -6}, {0, 5});
  s.canvas.DrawLine(cyan, {-7, 0}, {7, 0});
  s.canvas.DrawLine(cyan, {-3, 5}, {3, 5});
}

void DrawBand(Screen& s, const Band& band) {
  s.canvas.ResetClip();
  s.clip.Reset();
  s.clip.AddEllipse(Circle(band.radius));
  s.canvas.SetClip(s.clip, gfx::ClipMode::Replace);
  s.clip.Reset();
  s.clip.AddEllipse(Circle(kScaleRingRadius));
  s.canvas.SetClip(s.clip, gfx::ClipMode::Exclude);
  s.clip.Reset();
  s.clip.AddPolygon(band.polygon, band.count);
  s.canvas.SetClip(s.clip, band.keepInside ? gfx::ClipMode::Intersect : gfx::ClipMode::Exclude);
  const float half = band.radius == kRedBandRadius ? 110.0f : 115.0f;
  s.canvas.FillRectangle(s.palette.*band.color, {-half, -half, 2 * half, 2 * half});
}

void DrawBands(Screen& s, int32_t state) {
  const BandPair* bands = BandsOf(state);
  if (bands == nullptr) return;
  s.canvas.SetTransform(s.Frame(kDialCentre));
  DrawBand(s, bands->red);
  DrawBand(s, bands->green);
}

void DrawNoTcasLegend(Screen& s) {
  const gfx::Color cyan = s.palette.cyan;
  s.canvas.DrawString(L"VERTICAL", 8, kTextFont, {0, -100}, gfx::Align::Center, cyan);
  s.canvas.DrawString(L"SPEED", 5, kTextFont, {0, -80}, gfx::Align::Center, cyan);
  s.canvas.DrawString(L"1000 FPM", 8, kTextFont, {0, -20}, gfx::Align::Center, cyan);
}

// The inner picture, in the own-aircraft frame inside the dial's clip.
void DrawInnerPicture(Screen& s, const CTcas& tcas) {
  s.canvas.SetTransform(s.Frame(kOwnAircraft));
  if (!tcas.IsNoTcas()) {
    s.canvas.Mark("dots");
    DrawRangeDotsAndOwnAircraft(s);
  }
  if (TestRunning()) {
    s.canvas.Mark("test");
    for (const Intruder& symbol : kTestPattern) DrawSymbol(s, symbol);
    s.canvas.Mark("bands");
    DrawBands(s, kTcasAdvisoryNoDescent);
  } else if (!tcas.IsNoTcas() && ShowsTraffic()) {
    s.canvas.Mark("traffic");
    DrawTraffic(s, tcas);
    s.canvas.Mark("bands");
    DrawBands(s, tcas.GetAdvisoryState());
  } else if (tcas.IsNoTcas()) {
    s.canvas.Mark("legend");
    DrawNoTcasLegend(s);
  }
}

void DrawScale(Screen& s) {
  const gfx::Pen white = s.PenOf(s.palette.white);
  s.canvas.DrawEllipse(white, Circle(kScaleRingRadius));
  s.canvas.DrawLine(white, kZeroTick.from, kZeroTick.to);
  for (const Line& tick : kClimbTicks) {
    s.canvas.DrawLine(white, tick.from, tick.to);
    s.canvas.DrawLine(white, {tick.from.x, -tick.from.y}, {tick.to.x, -tick.to.y});
  }
  for (const Label& numeral : kNumerals) {
    s.canvas.DrawString(numeral.text, static_cast<int>(std::wcslen(numeral.text)), kNumeralFont, numeral.at,
                        numeral.align, s.palette.white);
  }
}

struct Annunciation {
  const wchar_t* first;
  const wchar_t* second;
  gfx::Color Palette::*color;
};
Annunciation ModeAnnunciation(const CTcas& tcas) {
  if (TestRunning()) return {nullptr, L"TEST", &Palette::amber};
  if (tcas.IsNoTcas()) return {L"NO", L"TCAS", &Palette::cyan};
  const int32_t mode = GetSwitch(&g_transponderMode);
  if (mode >= 86 && mode <= 88) return {L"TCAS", L"STBY", &Palette::cyan};
  if (mode == kTransponderModeTaOnly || ReadRadioAltitudeFt() < kTaOnlyBelowFt) {
    return {L"TA", L"ONLY", &Palette::cyan};
  }
  return {nullptr, nullptr, &Palette::cyan};
}

void DrawCornerTexts(Screen& s, const CTcas& tcas) {
  const gfx::Color cyan = s.palette.cyan;
  if (!tcas.IsNoTcas()) {
    const TcasRange* range = RangeAt(TestRunning() ? kTestRange : GetSwitch(&g_tcasRangeSwitch));
    s.canvas.DrawString(range != nullptr ? range->label : L"ERROR ", 6, kTextFont, {128, -128}, gfx::Align::Far, cyan);
  }
  if (!tcas.IsNoTcas() && !TestRunning()) {
    const AltitudeWindow* window = WindowAt(GetSwitch(&g_transponderAboveBelow));
    s.canvas.DrawString(window != nullptr ? window->label : L"     ", 5, kTextFont, {-128, -128}, gfx::Align::Near,
                        cyan);
  }
  const Annunciation mode = ModeAnnunciation(tcas);
  const gfx::Color color = s.palette.*mode.color;
  for (auto [text, y] : {std::pair{mode.first, 83.0f}, std::pair{mode.second, 103.0f}}) {
    if (text != nullptr) {
      s.canvas.DrawString(text, static_cast<int>(std::wcslen(text)), kTextFont, {-128, y}, gfx::Align::Near, color);
    }
  }
}

void DrawPointer(Screen& s) {
  const double fpm = ReadVerticalSpeedFpm();
  s.canvas.SetTransform(s.Frame(kDialCentre).Rotate(TcasVsiAngleDeg(fpm)));
  s.canvas.DrawLine(s.PenOf(s.palette.white), {0, 0}, {-62, 0});
  const gfx::PointF head[] = {{-62, -7}, {-94, 0}, {-62, 7}};
  s.canvas.FillPolygon(s.palette.white, head, 3);
}

void DrawHotspot(Screen& s) {
  s.canvas.SetTransform(gfx::Matrix().Scale(s.sx, s.sy));
  s.canvas.DrawRectangle({s.palette.yellow, kHotspotPenWidth}, {6, 6, 238, 238});
  s.canvas.DrawString(L"TCAS", 4, kHotspotFont, {125, 50}, gfx::Align::Center, s.palette.yellow);
  s.canvas.DrawString(L"Window", 6, kHotspotFont, {125, 80}, gfx::Align::Center, s.palette.yellow);
}

void DrawPicture(gfx::Canvas& canvas, const CTcas& tcas) {
  Screen s{canvas, canvas.Width() / kDesignSize, canvas.Height() / kDesignSize, PaletteAt(tcas.GetBrightness()), {}};
  const gfx::RectF screen(0, 0, static_cast<float>(std::trunc(kDesignSize * s.sx)),
                          static_cast<float>(std::trunc(kDesignSize * s.sy)));
  // At brightness 0 every colour of the palette is black: the picture is the black screen.
  if (IsPowerState(kPowerNormal) == 0 || !(tcas.GetBrightness() > 0.0)) {
    canvas.FillRectangle(kBlack, screen);
    return;
  }
  canvas.FillRectangle(s.palette.background, screen);
  canvas.SetTransform(s.Frame(kDialCentre));
  s.clip.AddEllipse(Circle(kScaleRingRadius));
  canvas.SetClip(s.clip, gfx::ClipMode::Replace);
  DrawInnerPicture(s, tcas);
  canvas.SetTransform(s.Frame(kDialCentre));
  canvas.ResetClip();
  canvas.Mark("scale");
  DrawScale(s);
  canvas.Mark("texts");
  DrawCornerTexts(s, tcas);
  canvas.Mark("pointer");
  DrawPointer(s);
  if (GetOption(kOptionHotspots) != 0) {
    canvas.Mark("hotspot");
    DrawHotspot(s);
  }
}

}  // namespace

double TcasVsiAngleDeg(double verticalSpeedFpm) {
  const double v = std::fabs(verticalSpeedFpm);
  const double sign = verticalSpeedFpm < 0.0 ? -1.0 : 1.0;
  const VsiBreak& last = kVsiScale[std::size(kVsiScale) - 1];
  if (!(v < last.fpm)) return std::isnan(v) ? 0.0 : sign * last.deg;
  size_t i = 0;
  while (v > kVsiScale[i + 1].fpm) ++i;
  return sign * (kVsiScale[i].deg + kVsiScale[i].slope * (v - kVsiScale[i].fpm));
}

void DrawTcasDisplay(platform::ELEMENT_HEADER* element) {
  if (element == nullptr || IsGdiplusStarted() == 0 || g_tcas == nullptr) return;
  if (element->surface != nullptr) {
    gfx::Canvas canvas(*element->surface);
    DrawPicture(canvas, *g_tcas);
  }
  element->imageFlags &= ~platform::kImageClockBit;
}

}  // namespace halcyon
