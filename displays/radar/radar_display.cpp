// The weather radar display and its gauge's pre-draw.
#include "displays/radar/radar_display.h"

#include <cmath>
#include <cstring>
#include <iterator>

#include "core/lifecycle.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "displays/radar/radar.h"
#include "displays/radar/weather_picture.h"
#include "gauges/element_helpers.h"
#include "gauges/gauge_kit.h"
#include "host/simconnect_client.h"
#include "platform/gfx.h"
#include "systems/electric.h"

namespace halcyon {

namespace gfx = platform::gfx;

namespace {

constexpr double kDesignWidth = 300.0;
constexpr double kDesignHeight = 250.0;
constexpr gfx::PointF kOrigin(150.0f, 250.0f);  // the aircraft
constexpr float kClipRadius = 228.0f;

struct Palette {
  gfx::Color background, weather, testRed, testAmber, label, azimuth, rings;
};
Palette PaletteAt(double b) {
  return {gfx::Dim(11, 0, 30, b),     gfx::Dim(0, 150, 0, b),     gfx::Dim(255, 0, 0, b),   gfx::Dim(230, 180, 30, b),
          gfx::Dim(120, 130, 255, b), gfx::Dim(120, 130, 255, b), gfx::Dim(100, 100, 255, b)};
}
constexpr gfx::Color kBlack{};

gfx::RectF Circle(float r) { return {-r, -r, 2 * r, 2 * r}; }

// The test pattern: coloured rings from the outside in, each inner disc black first.
struct TestRing {
  int radius;
  gfx::Color Palette::*color;
};
constexpr TestRing kTestRings[] = {{200, &Palette::testRed}, {143, nullptr}, {143, &Palette::testAmber},
                                   {114, nullptr},           {114, &Palette::weather}, {86, nullptr}};

constexpr float kRangeRingRadii[] = {228, 171, 114, 57};
constexpr gfx::PointF kAzimuthEnds[] = {{0, -227}, {-113, -198}, {113, -198}, {-150, -88}, {150, -88}};

constexpr const wchar_t* kRangeLabels[] = {L"RANGE  10", L"RANGE  20", L"RANGE  40",
                                           L"RANGE  80", L"RANGE 160", L"RANGE 320"};
constexpr const wchar_t* kRingLabels[] = {L"MRK 2.5", L"MRK   5", L"MRK  10", L"MRK  20", L"MRK  40", L"MRK  80"};
struct ModeLabel {
  int32_t position;
  const wchar_t* text;
};
constexpr ModeLabel kModeLabels[] = {{kRadarTest, L"TEST"}, {kRadarWeather, L"WX  "}, {kRadarMap, L"MAP "}};
// By tilt step -3..3, five degrees a step; a tilt between steps shows blanks.
constexpr const wchar_t* kTiltLabels[] = {L"-15", L"-10", L"-5", L" 0", L" 5", L" 10", L" 15"};

const wchar_t* TiltLabel(double tilt) {
  for (int step = -3; step <= 3; ++step) {
    if (tilt == step) return kTiltLabels[step + 3];
  }
  return L"   ";
}

const wchar_t* ModeText(int32_t mode) {
  for (const ModeLabel& label : kModeLabels) {
    if (label.position == mode) return label.text;
  }
  return nullptr;
}

gfx::Matrix Frame(double sx, double sy) { return gfx::Matrix().Scale(sx, sy).Translate(kOrigin.x, kOrigin.y); }

void DrawTestPattern(gfx::Canvas& canvas, const Palette& palette) {
  for (const TestRing& ring : kTestRings) {
    canvas.FillEllipse(ring.color != nullptr ? palette.*ring.color : kBlack, Circle(static_cast<float>(ring.radius)));
  }
}

void DrawRingsAndLines(gfx::Canvas& canvas, const Palette& palette) {
  const gfx::Pen rings{palette.rings, 1.4f, 5.0f, 5.0f};
  for (float radius : kRangeRingRadii) canvas.DrawEllipse(rings, Circle(radius));
  const gfx::Pen azimuth{palette.azimuth, 1.4f};
  for (gfx::PointF end : kAzimuthEnds) canvas.DrawLine(azimuth, {0, 0}, end);
}

// What one picture of the radar is made of, besides its weather grid.
struct RadarPicture {
  bool dark;  // no normal power, or the radar off: black
  int32_t mode;
  uint32_t range;
  double tilt;
  double headingDeg;
  double brightness;
  double gain;
};
using WeatherGrid = uint32_t[kWeatherGridSize][kWeatherGridSize];
static_assert(sizeof(WeatherGrid) == sizeof(g_cloudGridRadar));

RadarPicture PictureNow(double brightness, double gain) {
  const int32_t mode = GetSwitch(&g_radarModeSwitch);
  return {IsPowerState(kPowerNormal) == 0 || mode == kRadarOff, mode, GetRadarRange(), g_radarTilt,
          ReadToken(Token::HeadingDeg), brightness, gain};
}

// The picture of the last tick the once-a-second channel was due with the
// screen's brightness up, and the weather it showed: each placed display
// paints it on its first draw after that tick, so a window opened later, or
// a picture taken of a closed one, shows what an open window shows.
RadarPicture g_keptPicture{};
WeatherGrid g_keptWeather = {};
uint64_t g_keptPass = 0;  // the scheduler pass it was taken on; 0 before the first

void DrawLabels(gfx::Canvas& canvas, const Palette& palette, const RadarPicture& picture) {
  const gfx::Font font{"Century Gothic", 14.0f, true};
  auto text = [&](const wchar_t* s, gfx::PointF at, gfx::Align align) {
    if (s != nullptr) canvas.DrawString(s, -1, font, at, align, palette.label);
  };
  if (picture.range < std::size(kRangeLabels)) {
    text(kRangeLabels[picture.range], {-150, -250}, gfx::Align::Near);
    text(kRingLabels[picture.range], {150, -250}, gfx::Align::Far);
  }
  text(ModeText(picture.mode), {-150, -230}, gfx::Align::Near);
  text(TiltLabel(picture.tilt), {150, -230}, gfx::Align::Far);
}

void DrawPicture(gfx::Canvas& canvas, const RadarPicture& picture, const WeatherGrid& weather) {
  const double sx = canvas.Width() / kDesignWidth;
  const double sy = canvas.Height() / kDesignHeight;
  const gfx::RectF screen(0, 0, std::trunc(kDesignWidth * sx), std::trunc(kDesignHeight * sy));
  if (picture.dark) {
    canvas.FillRectangle(kBlack, screen);
    return;
  }
  const Palette palette = PaletteAt(picture.brightness);
  canvas.FillRectangle(palette.background, screen);
  canvas.SetTransform(Frame(sx, sy));
  gfx::Path clip;
  clip.AddEllipse(Circle(kClipRadius));
  canvas.SetClip(clip, gfx::ClipMode::Replace);
  if (picture.mode == kRadarTest) {
    canvas.Mark("test");
    DrawTestPattern(canvas, palette);
  } else {
    canvas.Mark("weather");
    // Heading up: the north-up grid turned by the true heading.
    canvas.SetTransform(Frame(sx, sy).Rotate(360.0 - picture.headingDeg));
    PaintWeatherGrid(canvas, palette.weather, weather, picture.gain);
  }
  canvas.ResetClip();
  canvas.SetTransform(Frame(sx, sy));
  canvas.Mark("rings");
  DrawRingsAndLines(canvas, palette);
  canvas.Mark("labels");
  DrawLabels(canvas, palette, picture);
}

void Paint(platform::ELEMENT_HEADER* element, const RadarPicture& picture, const WeatherGrid& weather) {
  if (element == nullptr || IsGdiplusStarted() == 0) return;
  if (element->surface != nullptr) {
    gfx::Canvas canvas(*element->surface);
    DrawPicture(canvas, picture, weather);
  }
  element->imageFlags &= ~platform::kImageClockBit;
}

}  // namespace

void DrawRadarDisplay(platform::ELEMENT_HEADER* element, double brightness, double gain) {
  Paint(element, PictureNow(brightness, gain), g_cloudGridRadar);
}

void KeepRadarPicture() {
  if (IsTickDue(kChannel1Hz) == 0 || GetRadarBrightness() <= 0.0) return;
  g_keptPicture = PictureNow(GetRadarBrightness(), g_radarGain);
  std::memcpy(g_keptWeather, g_cloudGridRadar, sizeof(g_keptWeather));
  g_keptPass = TickSchedulerPasses();
}

void RadarDisplayGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw || gauge == nullptr || g_keptPass == 0) return;
  if (!FirstDrawSince(gauge, g_keptPass)) return;
  Paint(GetNthElement(gauge->elements, 1), g_keptPicture, g_keptWeather);
}

}  // namespace halcyon
