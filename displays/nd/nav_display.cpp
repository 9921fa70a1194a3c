// The navigation display and its gauge's pre-draw.
#include "displays/nd/nav_display.h"

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <iterator>

#include "core/ground_track.h"
#include "core/lifecycle.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "core/switch.h"
#include "core/tick_scheduler.h"
#include "displays/efis/display_states.h"
#include "displays/efis/efis_dimmer.h"
#include "displays/efis/efis_mcp.h"
#include "displays/nd/nd_map.h"
#include "displays/radar/radar.h"
#include "displays/radar/weather_picture.h"
#include "fmc/fms.h"
#include "gauges/element_helpers.h"
#include "host/simconnect_client.h"
#include "platform/gfx.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/irs.h"
#include "systems/mag_true.h"
#include "systems/radios.h"

namespace halcyon {

namespace gfx = platform::gfx;

namespace {

constexpr double kDesignWidth = 300.0;
constexpr double kDesignHeight = 250.0;
constexpr gfx::PointF kRoseCentre(150.0f, 126.0f);
constexpr gfx::PointF kArcCentre(150.0f, 227.0f);
constexpr gfx::PointF kTopLeft(0.0f, 0.0f);
constexpr float kArcRadius = 210.0f;
constexpr double kAltitudeBoxBelowFt = 10000.0;
constexpr double kSelectedHeadingIndex = 3;

constexpr double kNoDme = -1.0;
constexpr uint32_t kStationLocalizer = 0x80;
constexpr uint32_t kStationGlideSlope = 0x40;
constexpr uint32_t kStationNoSignal = 0x08;
constexpr uint32_t kStationTacan = 0x02;
constexpr uint32_t kGlideSlopeFail = 4;
constexpr uint32_t kToFromFrom = 2;
constexpr double kDeviationUnits = 0.390625;   // design units per needle unit
constexpr double kGlideSlopeUnits = 0.46875;
constexpr int32_t kVnavDescent = 3;

// ---- Palette, pens and fonts ----

struct Palette {
  gfx::Color background, white, green, amber, blue, magenta, cyan, yellow, red;
  gfx::Color wxGreen, wxRed, wxAmber;
};

Palette PaletteAt(double b, double w) {
  Palette p{};
  p.background = gfx::Dim(11, 0, 30, b);
  p.white = gfx::Dim(255, 255, 255, b);
  p.green = gfx::Dim(0, 225, 0, b);
  p.amber = gfx::Dim(230, 180, 30, b);
  p.blue = gfx::Dim(65, 65, 255, b);
  p.magenta = gfx::Dim(255, 80, 255, b);
  p.cyan = gfx::Dim(10, 155, 244, b);
  p.yellow = gfx::Dim(255, 255, 0, b);
  p.red = gfx::Dim(255, 0, 0, b);
  // The weather colours: the background blended toward the hue by the dimmer.
  auto blend = [b](double r, double g, double bl) {
    auto c = [b](double v) { return static_cast<uint8_t>(static_cast<int64_t>(v * b) & 0xFF); };
    return gfx::Color{c(r), c(g), c(bl)};
  };
  p.wxGreen = blend(11 - 11 * w, 150 * w, 30 - 30 * w);
  p.wxRed = blend(11 + 244 * w, 0, 30 - 30 * w);
  p.wxAmber = blend(11 + 219 * w, 180 * w, 30);
  return p;
}
constexpr gfx::Color kBlack{};

constexpr float kPenWidth = 1.4f;
struct Pens {
  gfx::Pen white, amber, blue, adf, green, greenDash, magenta, hotspot;
};
Pens PensAt(double b, bool adfOn) {
  return {{gfx::Dim(255, 255, 255, b), kPenWidth},
          {gfx::Dim(230, 180, 30, b), kPenWidth},
          {gfx::Dim(120, 130, 255, b), kPenWidth},
          // Black while the ADF switch is off, whatever non-zero value "on" is stored as.
          {adfOn ? gfx::Dim(120, 130, 255, b) : kBlack, kPenWidth},
          {gfx::Dim(0, 255, 0, b), kPenWidth},
          {gfx::Dim(0, 200, 0, b), kPenWidth, 3.0f, 3.0f},
          {gfx::Dim(255, 80, 255, b), kPenWidth},
          {{255, 255, 0}, 5.0f}};
}

constexpr gfx::Font kFontFlag{"Century Gothic", 10.0f, true};
constexpr gfx::Font kFontLabel{"Century Gothic", 10.0f, true};
constexpr gfx::Font kFontData{"Century Gothic", 12.0f, true};
constexpr gfx::Font kFontCompass{"Century Gothic", 14.0f, true};
constexpr gfx::Font kFontHotspotTitle{"Century Gothic", 30.0f, true};
constexpr gfx::Font kFontHotspot{"Century Gothic", 10.0f, true};

// ---- Shapes ----

struct Line {
  gfx::PointF from, to;
};
struct Tick {
  int8_t x0, y0, x1, y1;
};
struct ArcTick {
  int16_t x0, y0, x1, y1;
};

// First quadrant, clockwise from the top; the others mirror it.
constexpr Tick kRoseTicks[] = {
    {0, -96, 0, -84},   {8, -95, 8, -87},   {17, -94, 15, -83}, {25, -92, 23, -85}, {33, -90, 29, -79},
    {41, -87, 37, -80}, {48, -83, 42, -73}, {55, -78, 50, -72}, {61, -73, 54, -64}, {68, -68, 62, -62},
    {73, -61, 64, -54}, {78, -55, 72, -50}, {83, -48, 73, -42}, {87, -40, 80, -37}, {90, -33, 79, -29},
    {92, -25, 85, -23}, {94, -17, 83, -15}, {95, -8, 87, -8},   {96, 0, 84, 0}};
constexpr ArcTick kArcTicks[] = {
    {0, -209, 0, -223},     {18, -208, 19, -216},   {36, -206, 39, -221},   {55, -202, 57, -210},
    {72, -197, 77, -211},   {89, -190, 92, -197},   {105, -182, 112, -194}, {121, -171, 125, -178},
    {135, -160, 145, -171}, {149, -148, 154, -153}, {161, -135, 172, -144}, {173, -120, 179, -124},
    {182, -105, 194, -112}, {191, -88, 198, -91},   {198, -72, 211, -77},   {203, -53, 211, -55},
    {207, -37, 222, -39},   {209, -18, 217, -18},   {210, 0, 225, 0}};
constexpr const wchar_t* kCompassNumerals[] = {L"00", L"03", L"06", L"09", L"12", L"15",
                                               L"18", L"21", L"24", L"27", L"30", L"33"};

constexpr gfx::PointF kRoseHeadingBug[] = {{11, -97}, {11, -105}, {6, -105}, {0, -98}, {-6, -105}, {-11, -105}, {-11, -97}};
constexpr gfx::PointF kArcHeadingBug[] = {{12, -210}, {12, -218}, {6, -218}, {0, -212}, {-6, -218}, {-12, -218}, {-12, -210}};
constexpr gfx::PointF kRoseHeadingBox[] = {{0, -99}, {6, -106}, {19, -106}, {19, -125}, {-19, -125}, {-19, -106}, {-6, -106}};
constexpr gfx::PointF kRoseTrackDiamond[] = {{0, -94}, {5, -101}, {0, -108}, {-5, -101}};
constexpr gfx::PointF kArcTrackDiamond[] = {{0, -194}, {5, -201}, {0, -208}, {-5, -201}};
constexpr gfx::PointF kArcHeadingPointer[] = {{0, -208}, {6, -197}, {-6, -197}};
constexpr gfx::PointF kArcAircraft[] = {{0, 0}, {9, 21}, {-9, 21}};
constexpr gfx::PointF kHeadingReadoutBug[] = {{-118, -120}, {-118, -128}, {-124, -128}, {-130, -122},
                                              {-136, -128}, {-142, -128}, {-142, -120}};
constexpr gfx::PointF kCourseReadoutArrow[] = {{-136, -140}, {-124, -140}, {-130, -148}};
constexpr gfx::PointF kNorthArrowHead[] = {{138, -110}, {126, -110}, {132, -118}};
constexpr Line kRoseAircraft[] = {{{0, -5}, {0, 14}}, {{-12, 0}, {12, 0}}, {{-3, 14}, {3, 14}}};
constexpr Line kRoseMarks[] = {{{70, -70}, {79, -79}},   {{98, 0}, {112, 0}},   {{70, 70}, {79, 79}},
                               {{0, 98}, {0, 112}},      {{-70, 70}, {-79, 79}}, {{-98, 0}, {-112, 0}},
                               {{-70, -70}, {-79, -79}}};

// The raw course picture, by mode (0 rose, 1 arc).
constexpr gfx::PointF kRoseCourseArrow[] = {{2, -30}, {2, -50}, {6, -50}, {0, -59}, {-6, -50}, {-2, -50}, {-2, -30}};
constexpr gfx::PointF kArcCourseArrow[] = {{0, -107}, {6, -99}, {2, -99}, {2, -79}, {-2, -79}, {-2, -99}, {-6, -99}};
constexpr float kDeviationDotsX[] = {-46, -25, 17, 38};
constexpr gfx::PointF kToFromRoseNav1[] = {{0, -28}, {8, -15}, {-8, -15}};
constexpr gfx::PointF kToFromRoseNav2[] = {{0, -30}, {9, -16}, {-9, -16}};
constexpr gfx::PointF kToFromArc[] = {{0, -77}, {8, -64}, {-8, -64}};
constexpr float kGlideSlopeDotsY[] = {-42, -23, 15, 34};
constexpr float kGlideSlopeFlagY[] = {-42, -30, -18, 6, 18, 30, 42};
constexpr const wchar_t* kGlideSlopeFlag[] = {L"G", L"/", L"S", L"F", L"A", L"I", L"L"};

// The ADF needle: lines and arrowheads along the turned vertical.
struct AdfPiece {
  int16_t y0, y1;
  bool head;  // an arrowhead with its tip at y0 and its base at y1
};
constexpr AdfPiece kRoseAdf[] = {{-82, -69, false}, {-69, -57, true}, {-57, -25, false},
                                 {24, 37, false},   {37, 49, true},   {49, 81, false}};
constexpr AdfPiece kArcAdf[] = {{-209, -184, false}, {-184, -173, true}, {-173, -145, false}, {-145, -134, true},
                                {-134, -106, false}, {106, 131, false},  {131, 142, true},    {142, 170, false},
                                {170, 181, true},    {181, 210, false}};

constexpr const wchar_t* kRangeArcLabels[] = {L"5", L"10", L"20", L"40", L"80", L"160"};
constexpr gfx::RectF kRangeArcWindows[] = {{-75, -110, 30, 100}, {-40, -110, 80, 100}, {45, -110, 30, 100}};

struct NavSourcePlace {
  gfx::PointF centre, text;
  gfx::RectF box;
};
constexpr NavSourcePlace kNavSourcePlaces[] = {
    {kRoseCentre, {93, -79}, {92, -77, 42, 16}},
    {kArcCentre, {93, 0}, {94, 2, 42, 16}},
    {kArcCentre, {93, -155}, {94, -153, 42, 16}},
    {{150.0f, 150.0f}, {93, -78}, {94, -76, 42, 16}},
};

struct HotspotArea {
  gfx::RectF rect;
  const wchar_t* name;
  gfx::PointF at;
};
constexpr HotspotArea kHotspots[] = {{{5, 205, 65, 40}, L"Mode -", {37, 220}},
                                     {{80, 205, 65, 40}, L"Mode +", {112, 220}},
                                     {{155, 205, 65, 40}, L"Range -", {187, 220}},
                                     {{230, 205, 65, 40}, L"Range +", {262, 220}}};

gfx::RectF Circle(float r) { return {-r, -r, 2 * r, 2 * r}; }
gfx::RectF Dot(float x, float y) { return {x, y, 8, 8}; }

template <size_t N>
void Fill(gfx::Canvas& canvas, gfx::Color color, const gfx::PointF (&shape)[N]) {
  canvas.FillPolygon(color, shape, static_cast<int>(N));
}
template <size_t N>
void Outline(gfx::Canvas& canvas, const gfx::Pen& pen, const gfx::PointF (&shape)[N]) {
  canvas.DrawPolygon(pen, shape, static_cast<int>(N));
}

// A number into a five-character field, as the readouts print it.
struct Field {
  wchar_t text[8] = {};
};
Field Format(const wchar_t* format, double value) {
  Field f;
  std::swprintf(f.text, std::size(f.text), format, value);
  return f;
}
Field FormatInt(const wchar_t* format, int32_t value) {
  Field f;
  std::swprintf(f.text, std::size(f.text), format, value);
  return f;
}
// Whole degrees toward zero, NaN and huge values as 0.
int32_t Degrees(double value) {
  return std::isfinite(value) && std::fabs(value) < 1.0e6 ? static_cast<int32_t>(std::trunc(value)) : 0;
}

// The values remembered between draws for the readout timers.
double g_rememberedHeading = 0.0;
double g_rememberedCourse = 0.0;

// ---- One drawing call ----

class NdPainter {
 public:
  NdPainter(gfx::Canvas& canvas, double brightness, double wxDimmer, double radarGain)
      : c_(canvas),
        sx_(canvas.Width() / kDesignWidth),
        sy_(canvas.Height() / kDesignHeight),
        gain_(radarGain),
        brightness_(brightness),
        palette_(PaletteAt(brightness, wxDimmer)),
        pens_(PensAt(brightness, GetEfisAdf1() != 0)) {}

  void Draw();

 private:
  gfx::Matrix Frame(gfx::PointF centre, double rotation = 0.0) const {
    gfx::Matrix m;
    m.Scale(sx_, sy_).Translate(centre.x, centre.y);
    if (rotation != 0.0) m.Rotate(rotation);
    return m;
  }
  void Use(gfx::PointF centre, double rotation = 0.0) { c_.SetTransform(Frame(centre, rotation)); }
  void Text(const wchar_t* text, int count, const gfx::Font& font, gfx::PointF at, gfx::Align align, gfx::Color color) {
    c_.DrawString(text, count, font, at, align, color);
  }
  void ReadInputs();
  void DrawRoseMode();
  void DrawArcModes();
  void DrawRoseTicks();
  void DrawArcTicks();
  void DrawNumerals(gfx::PointF centre, float top);
  void DrawHeadingFail(gfx::PointF at, const wchar_t* text);
  void DrawReadouts();
  void DrawDmeBlocks();
  void DrawEfisSource();
  void DrawRangeArc();
  void DrawPathScale();
  void DrawRoseCourse();
  void DrawArcCourse();
  void DrawCourseFrame(const gfx::PointF* arrow, float tailY, float lineEnd, float lineStart, float dotsY,
                       const gfx::PointF* toFrom, float barY, float barHeight);
  void DrawAdfNeedle(const AdfPiece* pieces, size_t count);
  void DrawGlideSlope(float offset);
  void DrawWeather();
  void DrawCommonLayers();
  void DrawWind();
  void DrawNavSource();
  void DrawTrue();
  void DrawWeatherFlag();
  void DrawHotspots();

  gfx::Canvas& c_;
  double sx_, sy_, gain_, brightness_;
  Palette palette_;
  Pens pens_;
  uint32_t mode_ = 0;
  bool headingGood_ = false, navGood_ = false;
  bool nav2_ = false;
  double reference_ = 0.0, track_ = 0.0, trueHeading_ = 0.0, altitude_ = 0.0;
};

void NdPainter::ReadInputs() {
  mode_ = GetEfisMode();
  const bool test = IsEfisTestActive() != 0;
  headingGood_ = IsIrsHeadingValid() != 0 && !test;
  navGood_ = IsIrsNavValid() != 0 && !test;
  nav2_ = IsNavUnit1Active() != 0;
  trueHeading_ = ReadToken(Token::HeadingDeg);
  altitude_ = ReadToken(Token::AltitudeFt);
  track_ = GetGroundTrack();
  const bool trueRef = GetMagTrueMode() == 1;
  if (mode_ == kEfisModeMap || mode_ == kEfisModePlan) {
    reference_ = trueRef ? track_ : track_ - ReadToken(Token::MagneticVariationDeg);
  } else {
    reference_ = trueRef ? trueHeading_ : ReadToken(Token::MagneticHeadingDeg);
  }
}

void NdPainter::Draw() {
  const gfx::RectF screen(0, 0, std::trunc(kDesignWidth * sx_), std::trunc(kDesignHeight * sy_));
  if (IsPowerState(kPowerNormal) == 0 || GetNdBrightness() == 0.0) {
    c_.FillRectangle(kBlack, screen);
    return;
  }
  c_.FillRectangle(palette_.background, screen);
  ReadInputs();
  if (mode_ == kEfisModeRose) {
    DrawRoseMode();
  } else {
    DrawArcModes();
  }
  DrawCommonLayers();
}

// The table's quadrant and its mirror images in the other three.
template <typename T, size_t N>
void DrawMirrored(gfx::Canvas& canvas, const gfx::Pen& pen, const T (&ticks)[N]) {
  for (const T& t : ticks) {
    for (int q = 0; q < 4; ++q) {
      const float mx = (q == 2 || q == 3) ? -1.0f : 1.0f;
      const float my = (q == 1 || q == 2) ? -1.0f : 1.0f;
      canvas.DrawLine(pen, {mx * t.x0, my * t.y0}, {mx * t.x1, my * t.y1});
    }
  }
}

void NdPainter::DrawRoseTicks() { DrawMirrored(c_, pens_.white, kRoseTicks); }
void NdPainter::DrawArcTicks() { DrawMirrored(c_, pens_.white, kArcTicks); }

// Each numeral upright along its radius, 30 degrees apart from the rose's north.
void NdPainter::DrawNumerals(gfx::PointF centre, float top) {
  for (size_t i = 0; i < std::size(kCompassNumerals); ++i) {
    Use(centre, 360.0 - reference_ + 30.0 * static_cast<double>(i));
    Text(kCompassNumerals[i], 2, kFontCompass, {0, top}, gfx::Align::Center, palette_.white);
  }
}

void NdPainter::DrawHeadingFail(gfx::PointF at, const wchar_t* text) {
  Use(kTopLeft);
  Text(text, 8, kFontFlag, at, gfx::Align::Center, palette_.red);
}

void NdPainter::DrawRoseMode() {
  c_.Mark("compass");
  if (headingGood_) {
    Use(kRoseCentre, 360.0 - reference_);
    DrawRoseTicks();
    DrawNumerals(kRoseCentre, -86);
    if (navGood_) {
      Use(kRoseCentre, GetDfgsSelectedValue(kSelectedHeadingIndex) + 360.0 - reference_);
      Fill(c_, palette_.green, kRoseHeadingBug);
      c_.Mark("course");
      DrawRoseCourse();
    }
  } else {
    DrawHeadingFail({110, 0}, L"HDG\nFAIL");
  }
  c_.Mark("aircraft");
  Use(kRoseCentre);
  for (const Line& l : kRoseAircraft) c_.DrawLine(pens_.white, l.from, l.to);
  if (navGood_) {
    Outline(c_, pens_.white, kRoseHeadingBox);
    if (headingGood_) {
      const Field f = FormatInt(L"%03d", Degrees(reference_));
      Text(f.text, 3, kFontCompass, {1, -127}, gfx::Align::Center, palette_.white);
    }
  }
  c_.Mark("data");
  DrawDmeBlocks();
  Use(kRoseCentre);
  for (const Line& l : kRoseMarks) c_.DrawLine(pens_.white, l.from, l.to);
  // The ADF legend.
  if (navGood_ && headingGood_ && ReadToken(Token::AdfBearingDeg) != 90.0) {
    Text(L"ADF1", 4, kFontData, {-146, 88}, gfx::Align::Near, palette_.white);
    const gfx::PointF head[] = {{-92, 92}, {-95, 96}, {-89, 96}};
    Outline(c_, pens_.blue, head);
    c_.DrawLine(pens_.blue, {-92, 96}, {-92, 102});
  }
  const uint32_t flags = ReadFlagWord(Token::Nav1Code);
  if (navGood_ && !nav2_ && (flags & kStationNoSignal) == 0 && (flags & kStationLocalizer) != 0) {
    c_.Mark("glideslope");
    DrawGlideSlope(0.0f);
  }
  if (navGood_) {
    Use(kRoseCentre, track_ - trueHeading_);
    Outline(c_, pens_.magenta, kRoseTrackDiamond);
  }
  DrawEfisSource();
}

void NdPainter::DrawArcModes() {
  if (mode_ != kEfisModePlan) {
    c_.Mark("weather");
    DrawWeather();
  }
  c_.Mark("compass");
  if (headingGood_) {
    Use(kArcCentre, 360.0 - reference_);
    DrawArcTicks();
    c_.DrawEllipse(pens_.white, Circle(kArcRadius));
    DrawNumerals(kArcCentre, -231);
    Use(kArcCentre, GetDfgsSelectedValue(kSelectedHeadingIndex) + 360.0 - reference_);
    Fill(c_, palette_.green, kArcHeadingBug);
    if (mode_ != kEfisModePlan) {
      const gfx::PointF tail(0, 38);
      c_.DrawLine(pens_.greenDash, {0, -209}, tail);
      c_.DrawLine(pens_.green, tail, {4, 44});
      c_.DrawLine(pens_.green, tail, {-4, 44});
    }
  } else {
    Use(kArcCentre);
    c_.DrawEllipse(pens_.white, Circle(kArcRadius));
    DrawHeadingFail({120, 30}, mode_ == kEfisModeArc ? L"HDG\nFAIL" : L"TRK\nFAIL");
  }
  if (mode_ == kEfisModeArc) {
    c_.Mark("data");
    DrawDmeBlocks();
    if (navGood_) {
      c_.Mark("course");
      DrawArcCourse();
    }
    DrawEfisSource();
  } else {
    DrawNdMap({&c_, sx_, sy_, brightness_, mode_, track_});
    c_.Mark("map flag");
    if (mode_ == kEfisModeMap && (IsIrsHeadingValid() == 0 || IsIrsNavValid() == 0)) {
      Use(kArcCentre);
      Text(L"MAP FAIL", 8, kFontFlag, {0, -30}, gfx::Align::Center,
           IsIrsHeadingValid() == 0 ? palette_.red : palette_.amber);
    }
  }
  if (mode_ != kEfisModePlan) {
    c_.Mark("aircraft");
    Use(kArcCentre);
    Outline(c_, pens_.white, kArcAircraft);
    DrawRangeArc();
    if (mode_ == kEfisModeMap) DrawPathScale();
  }
  c_.Mark("readouts");
  DrawReadouts();
}

void NdPainter::DrawReadouts() {
  if (!navGood_) return;
  Use(kArcCentre);
  const double selected = GetDfgsSelectedValue(kSelectedHeadingIndex);
  if (selected != g_rememberedHeading) {
    SetSwitch(&g_ndHeadingTimer, kReadoutShown);
    g_rememberedHeading = selected;
  }
  if (GetSwitch(&g_ndHeadingTimer) == kReadoutShown) {
    Fill(c_, palette_.green, kHeadingReadoutBug);
    const Field f = FormatInt(L"%03d", Degrees(selected));
    Text(f.text, 3, kFontLabel, {-115, -132}, gfx::Align::Near, palette_.white);
  }
  const double course = ReadToken(nav2_ ? Token::Nav2CourseDeg : Token::Nav1CourseDeg);
  if (course != g_rememberedCourse) {
    SetSwitch(&g_ndCourseTimer, kReadoutShown);
    g_rememberedCourse = course;
  }
  if (GetSwitch(&g_ndCourseTimer) == kReadoutShown) {
    Fill(c_, palette_.magenta, kCourseReadoutArrow);
    c_.DrawLine(pens_.magenta, {-130, -140}, {-130, -132});
    const Field f = FormatInt(L"%03d", Degrees(course));
    Text(f.text, 3, kFontLabel, {-115, -150}, gfx::Align::Near, palette_.white);
  }
  if (mode_ == kEfisModePlan) {
    Fill(c_, palette_.white, kNorthArrowHead);
    c_.DrawLine(pens_.white, {132, -110}, {132, -95});
    Text(L"N", 1, kFontData, {132, -137}, gfx::Align::Center, palette_.white);
  }
  // Heading pointer and track diamond: one of them turned by the drift.
  const double drift = track_ - trueHeading_;
  Use(kArcCentre, mode_ == kEfisModeArc ? 0.0 : -drift);
  Outline(c_, pens_.white, kArcHeadingPointer);
  Use(kArcCentre, mode_ == kEfisModeArc ? drift : 0.0);
  Outline(c_, pens_.magenta, kArcTrackDiamond);
}

void NdPainter::DrawDmeBlocks() {
  if (!headingGood_) return;
  Use(kTopLeft);
  const double dme1 = ReadToken(Token::Dme1Nm);
  const double dme2 = ReadToken(Token::Dme2Nm);
  const Field d1 = dme1 == kNoDme ? Field{L"- - -"} : Format(L"%-5.1f", dme1);
  const Field d2 = dme2 == kNoDme ? Field{L"- - -"} : Format(L"%5.1f", dme2);
  Text(d1.text, 5, kFontData, {3, -4}, gfx::Align::Near, palette_.white);
  Text(L"DME1", 4, kFontData, {1, 11}, gfx::Align::Near, palette_.white);
  Text(d2.text, 5, kFontData, {297, -4}, gfx::Align::Far, palette_.white);
  Text(L"DME2", 4, kFontData, {299, 11}, gfx::Align::Far, palette_.white);
}

void NdPainter::DrawEfisSource() {
  const int32_t source = GetSwitch(&g_efisSourceSwitch);
  if (source == kEfisSourceNormal) return;
  Use(kTopLeft);
  Text(source == kEfisSourceIrs2 ? L"EFI 2" : L"EFI 1", 5, kFontFlag, {110, 230}, gfx::Align::Center, palette_.amber);
}

void NdPainter::DrawRangeArc() {
  if (mode_ == kEfisModeArc && GetSwitch(&g_radarModeSwitch) == kRadarOff) return;
  gfx::Path window;
  window.AddRectangle(kRangeArcWindows[0]);
  window.AddRectangle(kRangeArcWindows[1]);
  window.AddRectangle(kRangeArcWindows[2]);
  c_.SetClip(window, gfx::ClipMode::Replace);
  c_.DrawEllipse(pens_.white, Circle(kArcRadius / 2));
  c_.ResetClip();
  c_.DrawLine(pens_.white, {0, -110}, {0, -100});
  const uint32_t range = GetEfisRange();
  if (range < std::size(kRangeArcLabels)) {
    Text(kRangeArcLabels[range], -1, kFontLabel, {-80, -70}, gfx::Align::Center, palette_.white);
  }
}

void NdPainter::DrawPathScale() {
  const double error = g_fms.GetPathErrorAltitude();
  if (error == CFms::kNoPath || GetDfgsVnavPhase() != kVnavDescent || g_fms.HasPassedTopOfDescent() == 0) return;
  c_.DrawLine(pens_.white, {130, -110}, {130, -10});
  for (float y : {-110.0f, -60.0f, -10.0f}) c_.DrawLine(pens_.white, {125, y}, {135, y});
  const double e = std::fmin(1000.0, std::fmax(-1000.0, error));
  c_.DrawEllipse(pens_.magenta, {124, static_cast<float>(std::trunc(-64.0 + e / 20.0)), 12, 8});
}

// Course pointer, dots, TO/FROM and deviation bar in the frame turned to the course.
void NdPainter::DrawCourseFrame(const gfx::PointF* arrow, float tailY, float lineEnd, float lineStart, float dotsY,
                                const gfx::PointF* toFrom, float barY, float barHeight) {
  const double course = ReadToken(nav2_ ? Token::Nav2CourseDeg : Token::Nav1CourseDeg);
  const gfx::PointF centre = mode_ == kEfisModeRose ? kRoseCentre : kArcCentre;
  const double turn = course - reference_;
  const bool signal = ActiveNavHasValidSignal() != 0;
  Use(centre, turn);
  c_.FillPolygon(palette_.magenta, arrow, 7);
  c_.DrawLine(pens_.magenta, {0, -lineStart}, {0, -lineEnd});
  c_.FillRectangle(palette_.magenta, {-2, tailY, 4, 30});
  c_.DrawLine(pens_.magenta, {0, lineStart}, {0, lineEnd});
  if (signal) {
    for (float x : kDeviationDotsX) c_.DrawEllipse(pens_.white, Dot(x, dotsY));
  }
  const uint32_t toFromFlag = ReadFlagWord(nav2_ ? Token::Nav2ToFrom : Token::Nav1ToFrom);
  if (toFromFlag != 0) {
    if (toFromFlag == kToFromFrom) Use(centre, turn + 180.0);
    c_.DrawPolygon(pens_.white, toFrom, 3);
  }
  if (signal) {
    const double deviation = ReadToken(nav2_ ? Token::Nav2CourseNeedle : Token::CourseNeedle);
    c_.SetTransform(Frame(centre, turn).Translate(deviation * kDeviationUnits, 0.0));
    c_.FillRectangle(palette_.magenta, {-2, barY, 4, barHeight});
  }
}

void NdPainter::DrawAdfNeedle(const AdfPiece* pieces, size_t count) {
  if (GetEfisAdf1() == 0) return;
  const gfx::PointF centre = mode_ == kEfisModeRose ? kRoseCentre : kArcCentre;
  Use(centre, ReadToken(Token::AdfBearingDeg));
  for (size_t i = 0; i < count; ++i) {
    const AdfPiece& p = pieces[i];
    const auto y0 = static_cast<float>(p.y0), y1 = static_cast<float>(p.y1);
    if (p.head) {
      const gfx::PointF head[] = {{0, y0}, {7, y1}, {-7, y1}};
      Outline(c_, pens_.adf, head);
    } else {
      c_.DrawLine(pens_.adf, {0, y0}, {0, y1});
    }
  }
}

void NdPainter::DrawRoseCourse() {
  DrawCourseFrame(kRoseCourseArrow, 30, 83, 58, -4, nav2_ ? kToFromRoseNav2 : kToFromRoseNav1, -29, 58);
  DrawAdfNeedle(kRoseAdf, std::size(kRoseAdf));
}

void NdPainter::DrawArcCourse() {
  const uint32_t flags = ReadFlagWord(Token::Nav1Code);
  if (!nav2_ && (flags & kStationGlideSlope) != 0) DrawGlideSlope(-84.0f);
  // The arc's pointer line runs from the compass to the arrow and from the tail out.
  const double course = ReadToken(nav2_ ? Token::Nav2CourseDeg : Token::Nav1CourseDeg);
  Use(kArcCentre, course - reference_);
  c_.DrawLine(pens_.magenta, {0, -209}, {0, -106});
  c_.FillPolygon(palette_.magenta, kArcCourseArrow, 7);
  c_.FillRectangle(palette_.magenta, {-2, 80, 4, 30});
  c_.DrawLine(pens_.magenta, {0, 110}, {0, 209});
  const bool signal = ActiveNavHasValidSignal() != 0;
  if (signal) {
    for (float x : kDeviationDotsX) c_.DrawEllipse(pens_.white, Dot(x, -3));
  }
  const uint32_t toFromFlag = ReadFlagWord(nav2_ ? Token::Nav2ToFrom : Token::Nav1ToFrom);
  if (toFromFlag != 0) {
    if (toFromFlag == kToFromFrom) Use(kArcCentre, course - reference_ + 180.0);
    Outline(c_, pens_.white, kToFromArc);
  }
  if (signal) {
    const double deviation = ReadToken(nav2_ ? Token::Nav2CourseNeedle : Token::CourseNeedle);
    c_.SetTransform(Frame(kArcCentre, course - reference_).Translate(deviation * kDeviationUnits, 0.0));
    c_.FillRectangle(palette_.magenta, {-2, -78, 4, 157});
  }
  DrawAdfNeedle(kArcAdf, std::size(kArcAdf));
}

// The glideslope scale and pointer, or the vertical failure flag; `offset`
// moves it up from the rose's middle to the arc's.
void NdPainter::DrawGlideSlope(float offset) {
  Use(mode_ == kEfisModeRose ? kRoseCentre : kArcCentre);
  if ((ReadFlagWord(Token::Nav1Flags) & kGlideSlopeFail) != 0) {
    for (size_t i = 0; i < std::size(kGlideSlopeFlag); ++i) {
      Text(kGlideSlopeFlag[i], 1, kFontFlag, {140, kGlideSlopeFlagY[i] + offset}, gfx::Align::Center, palette_.red);
    }
    return;
  }
  c_.DrawLine(pens_.white, {133, offset}, {147, offset});
  for (float y : kGlideSlopeDotsY) c_.DrawEllipse(pens_.white, Dot(137, y + offset));
  const auto y = static_cast<float>(ReadToken(Token::GlideSlopeNeedle) * kGlideSlopeUnits - 3.0 + offset);
  c_.DrawRectangle(pens_.magenta, {135, y, 12, 6});
}

// The ND's cloud grid about the aircraft, or the radar's test rings, above the aircraft only.
void NdPainter::DrawWeather() {
  if (GetSwitch(&g_radarModeSwitch) == kRadarOff || !headingGood_) return;
  Use(kArcCentre);
  gfx::Path clip;
  clip.AddEllipse(Circle(kArcRadius));
  c_.SetClip(clip, gfx::ClipMode::Replace);
  clip.Reset();
  clip.AddRectangle({-150, -227, 300, 227});
  c_.SetClip(clip, gfx::ClipMode::Intersect);
  if (GetSwitch(&g_radarModeSwitch) == kRadarTest) {
    const struct {
      float radius;
      gfx::Color color;
    } rings[] = {{200, palette_.wxRed},   {143, kBlack}, {143, palette_.wxAmber},
                 {114, kBlack},           {114, palette_.wxGreen}, {86, kBlack}};
    for (const auto& ring : rings) c_.FillEllipse(ring.color, Circle(ring.radius));
  } else {
    Use(kArcCentre, 360.0 - trueHeading_);
    PaintWeatherGrid(c_, palette_.wxGreen, g_cloudGridNd, gain_);
  }
  c_.ResetClip();
}

void NdPainter::DrawCommonLayers() {
  c_.Mark("common");
  DrawWind();
  DrawNavSource();
  DrawTrue();
  DrawWeatherFlag();
  if (GetOption(kOptionHotspots) != 0) {
    c_.Mark("hotspot");
    DrawHotspots();
  }
}

void NdPainter::DrawWind() {
  if (mode_ == kEfisModePlan || !(altitude_ > kAltitudeBoxBelowFt)) return;
  const double direction = ReadToken(Token::WindDirectionDeg);
  Use({20, 186}, 360.0 - reference_ + direction - ReadToken(Token::MagneticVariationDeg) + 180.0);
  c_.DrawLine(pens_.white, {0, -5}, {0, 10});
  const gfx::PointF head[] = {{0, -10}, {-4, -4}, {4, -4}};
  Fill(c_, palette_.white, head);
  Use(kRoseCentre);
  const Field f = FormatInt(L"%3d", Degrees(ReadToken(Token::WindSpeedKt) + 0.5));
  Text(f.text, -1, kFontLabel, {-125, 70}, gfx::Align::Center, palette_.white);
}

void NdPainter::DrawNavSource() {
  if (!headingGood_) return;
  const bool fgNav = IsDfgsRollMode3To5() != 0;
  const wchar_t* text = L"     ";
  if (fgNav) {
    text = L"NAV  ";
  } else {
    const uint32_t word = ReadFlagWord(nav2_ ? Token::Nav2Code : Token::Nav1Code);
    if ((word & kStationLocalizer) != 0) {
      text = (word & kStationGlideSlope) != 0 ? L"ILS  " : L"LOC  ";
    } else if ((word & kStationTacan) != 0) {
      text = L"TACAN";
    } else if (word != 0) {
      text = L"VOR  ";
    }
  }
  const NavSourcePlace& place = kNavSourcePlaces[mode_ <= kEfisModePlan ? mode_ : 0];
  Use(place.centre);
  Text(text, 5, kFontData, place.text, gfx::Align::Near, palette_.white);
  if (fgNav && altitude_ < kAltitudeBoxBelowFt) c_.DrawRectangle(pens_.amber, place.box);
}

void NdPainter::DrawTrue() {
  if (!headingGood_ || GetMagTrueMode() != 1) return;
  const bool rose = mode_ == kEfisModeRose;
  Use(kTopLeft);
  Text(L"TRU", 3, kFontData, rose ? gfx::PointF(185, -1) : gfx::PointF(168, 40), gfx::Align::Near, palette_.white);
  if (altitude_ < kAltitudeBoxBelowFt) {
    c_.DrawRectangle(pens_.amber, rose ? gfx::RectF(183, 1, 35, 16) : gfx::RectF(166, 42, 35, 16));
  }
}

void NdPainter::DrawWeatherFlag() {
  if (mode_ != kEfisModeArc && mode_ != kEfisModeMap) return;
  Use(kArcCentre);
  const int32_t radar = GetSwitch(&g_radarModeSwitch);
  if (!headingGood_) {
    Text(L"WXR\nFAIL", 8, kFontFlag, {-135, -115}, gfx::Align::Near, palette_.red);
  } else if (radar == kRadarOff || radar == kRadarTest) {
    Text(L"WXR\nOFF", 7, kFontLabel, {-135, -115}, gfx::Align::Near, palette_.cyan);
  }
}

void NdPainter::DrawHotspots() {
  Use(kTopLeft);
  c_.DrawRectangle(pens_.hotspot, {5, 5, 290, 190});
  Text(L"ND Window", -1, kFontHotspotTitle, {150, 90}, gfx::Align::Center, palette_.yellow);
  for (const HotspotArea& area : kHotspots) {
    c_.DrawRectangle(pens_.hotspot, area.rect);
    Text(area.name, -1, kFontHotspot, area.at, gfx::Align::Center, palette_.yellow);
  }
}

}  // namespace

void DrawNavDisplay(platform::ELEMENT_HEADER* element, double brightness, double wxDimmer, double radarGain) {
  if (element == nullptr || IsGdiplusStarted() == 0) return;
  if (element->surface != nullptr) {
    gfx::Canvas canvas(*element->surface);
    NdPainter(canvas, brightness, wxDimmer, radarGain).Draw();
  }
  element->imageFlags &= ~platform::kImageClockBit;
}

}  // namespace halcyon
