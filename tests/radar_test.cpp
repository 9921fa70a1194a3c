// The weather radar: [RADAR] round trip, defaults and held values, the
// range steps, and its display: dark without power or switched off, the test
// rings, the labels, the weather cells placed, turned and sized by the gain.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "displays/efis/display_states.h"
#include "displays/radar/radar.h"
#include "displays/radar/radar_display.h"
#include "displays/radar/weather_picture.h"
#include "gauges/element_helpers.h"
#include "host/simconnect_client.h"
#include "platform/gfx_surface.h"
#include "simhost/weather_field.h"
#include "systems/electric.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

TEST(RadarState, DefaultsWithoutTheSection) {
  Cockpit cockpit;
  EXPECT_EQ(GetRadarRange(), 0u);
  EXPECT_EQ(GetSwitch(&g_radarModeSwitch), kRadarOff);
  EXPECT_EQ(g_radarTilt, 0.0);
  EXPECT_EQ(GetSwitch(&g_radarStabilizerSwitch), 120);
  EXPECT_EQ(GetRadarBrightness(), 0.6);
  EXPECT_EQ(g_radarGain, 1.0);
  EXPECT_EQ(g_radarAltRange, 1000.0);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.iniKeys("RADAR"), (std::vector<std::string>{"range", "mode_switch", "tilt_switch",
                                                                "stabilizer_switch", "brightness", "gain", "alt_range"}));
  EXPECT_EQ(cockpit.ini("RADAR", "mode_switch"), "120");
  EXPECT_EQ(cockpit.ini("RADAR", "brightness"), "0.600000");
  EXPECT_EQ(cockpit.ini("RADAR", "alt_range"), "1000.000000");
}

TEST(RadarState, SavedValuesComeBackThroughFourCharacters) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[RADAR]\r\nrange=3\r\nmode_switch=109\r\ntilt_switch=-3.000000\r\n"
                          "stabilizer_switch=41\r\nbrightness=0.800000\r\ngain=1.000000\r\nalt_range=1500.000000\r\n");
  cockpit.start();
  EXPECT_EQ(GetRadarRange(), 3u);
  EXPECT_EQ(GetSwitch(&g_radarModeSwitch), kRadarWeather);
  EXPECT_EQ(g_radarTilt, -3.0);
  EXPECT_EQ(GetSwitch(&g_radarStabilizerSwitch), 41);
  EXPECT_EQ(GetRadarBrightness(), 0.8);
  EXPECT_EQ(g_radarGain, 1.0);
  EXPECT_EQ(g_radarAltRange, 1500.0);
  cockpit.control("RADAR", "mode_switch", kRadarMap);
  g_radarGain = 1.7;
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("RADAR", "range"), "3");
  EXPECT_EQ(cockpit.ini("RADAR", "mode_switch"), "110");
  EXPECT_EQ(cockpit.ini("RADAR", "tilt_switch"), "-3.000000");
  EXPECT_EQ(cockpit.ini("RADAR", "stabilizer_switch"), "41");
  EXPECT_EQ(cockpit.ini("RADAR", "gain"), "1.700000");
  EXPECT_EQ(cockpit.ini("RADAR", "alt_range"), "1500.000000");
}

// A range index or knob value beyond the panel's limits is held at them.
TEST(RadarState, OutOfRangeValuesAreHeldAtTheKnobsLimits) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[RADAR]\r\nrange=9\r\nmode_switch=200\r\ntilt_switch=7\r\nbrightness=1.5\r\n"
                          "gain=-1\r\nalt_range=-500\r\n");
  cockpit.start();
  EXPECT_EQ(GetRadarRange(), 5u);
  EXPECT_EQ(GetSwitch(&g_radarModeSwitch), kRadarOff) << "200 is no position";
  EXPECT_EQ(g_radarTilt, 3.0);
  EXPECT_EQ(GetRadarBrightness(), 1.0);
  EXPECT_EQ(g_radarGain, 0.0);
  EXPECT_EQ(g_radarAltRange, 0.0);
}

// A screen turned fully down is saved dark and comes back dark.
TEST(RadarState, ADarkScreenComesBackDark) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[RADAR]\r\nbrightness=0.000000\r\n");
  cockpit.start();
  EXPECT_EQ(GetRadarBrightness(), 0.0);
}

TEST(RadarState, RangeStepsStopAtTheirEnds) {
  Cockpit cockpit;
  DecrementRadarRange();
  EXPECT_EQ(GetRadarRange(), 0u);
  for (int i = 0; i < 7; ++i) IncrementRadarRange();
  EXPECT_EQ(GetRadarRange(), 5u);
  DecrementRadarRange();
  EXPECT_EQ(GetRadarRange(), 4u);
  g_radarRange = 9;
  IncrementRadarRange();
  EXPECT_EQ(GetRadarRange(), 5u);
  g_radarRange = 9;
  DecrementRadarRange();
  EXPECT_EQ(GetRadarRange(), 0u);
}

using platform::gfx::Color;
using platform::gfx::DrawnItem;
using platform::gfx::Near;
using platform::gfx::PointF;
using Kind = DrawnItem::Kind;

// The radar display's screen, drawn on demand at a brightness and gain.
class RadarScreen {
 public:
  explicit RadarScreen(Cockpit& cockpit)
      : element_(GetNthElement(cockpit.gauge("Radar Display")->elements, 1)), surface_(cockpit.surface("Radar Display")) {}
  const platform::gfx::DrawingLog& draw(double brightness = 1.0, double gain = 1.0) {
    surface_->StartRecording();
    DrawRadarDisplay(element_, brightness, gain);
    surface_->StopRecording();
    return surface_->Log();
  }
  // A pixel at a design point (origin at the top-left of the 300 x 250 screen).
  Color pixel(double x, double y) const {
    return surface_->Pixel(static_cast<int>(x * surface_->Width() / 300.0), static_cast<int>(y * surface_->Height() / 250.0));
  }
  platform::ELEMENT_HEADER* element() const { return element_; }

 private:
  platform::ELEMENT_HEADER* element_;
  platform::gfx::Surface* surface_;
};

void ClearGrid() {
  for (auto& row : g_cloudGridRadar) {
    for (uint32_t& cell : row) cell = 0;
  }
}

std::vector<std::wstring> Texts(const platform::gfx::DrawingLog& log) {
  std::vector<std::wstring> texts;
  for (const DrawnItem* item : log.Find(Kind::DrawString)) texts.push_back(item->text);
  return texts;
}

constexpr Color kBlack{0, 0, 0};

TEST(RadarDisplay, DarkWithoutPowerOrSwitchedOff) {
  Cockpit cockpit;
  RadarScreen screen(cockpit);
  cockpit.control("RADAR", "mode_switch", kRadarTest);
  const auto& unpowered = screen.draw();
  EXPECT_EQ(unpowered.Items().size(), 1u);
  ASSERT_EQ(unpowered.Find(Kind::FillRectangle, kBlack).size(), 1u);
  EXPECT_EQ(screen.pixel(150, 100), kBlack);

  cockpit.powerUp().runSeconds(2);
  ASSERT_EQ(GetPowerState(), kPowerNormal);
  cockpit.control("RADAR", "mode_switch", kRadarOff);
  EXPECT_EQ(screen.draw().Items().size(), 1u);
  EXPECT_EQ(screen.pixel(150, 100), kBlack);
  screen.element()->imageFlags |= platform::kImageClockBit;
  cockpit.control("RADAR", "mode_switch", kRadarTest);
  EXPECT_TRUE(Texts(screen.draw()).size() == 4u) << "lit in test";
  EXPECT_EQ(screen.element()->imageFlags & platform::kImageClockBit, 0u) << "the simulator takes the new picture";
}

TEST(RadarDisplay, TheTestPatternRingsLabelsAndDimmedColours) {
  Cockpit cockpit;
  cockpit.powerUp().runSeconds(2).control("RADAR", "mode_switch", kRadarTest);
  RadarScreen screen(cockpit);
  const auto& log = screen.draw(0.5);
  EXPECT_EQ(log.Find(Kind::FillRectangle, Color{5, 0, 15}).size(), 1u) << "the background at half brightness";
  std::vector<const DrawnItem*> rings;
  for (const DrawnItem* item : log.InMark("test")) {
    if (item->kind == Kind::FillEllipse) rings.push_back(item);
  }
  const int radii[] = {200, 143, 143, 114, 114, 86};
  const Color colours[] = {{127, 0, 0}, kBlack, {115, 90, 15}, kBlack, {0, 75, 0}, kBlack};
  ASSERT_EQ(rings.size(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(rings[i]->kind, Kind::FillEllipse);
    EXPECT_EQ(rings[i]->color, colours[i]) << i;
    EXPECT_TRUE(Near(rings[i]->points[0], PointF(-radii[i], -radii[i]))) << i;
  }
  // 15 degrees right of the nose, between the lines: red, amber, green, then the black centre.
  auto at = [&](double r) { return screen.pixel(150 + r * 0.2588, 250 - r * 0.9659); };
  EXPECT_EQ(at(185), (Color{127, 0, 0}));
  EXPECT_EQ(at(128), (Color{115, 90, 15}));
  EXPECT_EQ(at(100), (Color{0, 75, 0}));
  EXPECT_EQ(at(40), kBlack);
  const auto dashed = log.Find(Kind::DrawEllipse, Color{50, 50, 127});
  ASSERT_EQ(dashed.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {  // the four range marks, a quarter of the range apart
    const float r = 228.0f - 57.0f * static_cast<float>(i);
    EXPECT_TRUE(Near(dashed[i]->points[0], PointF(-r, -r))) << i;
  }
  EXPECT_EQ(dashed[0]->dashOn, 5.0f);
  EXPECT_EQ(dashed[0]->penWidth, 1.4f);
  EXPECT_EQ(log.Find(Kind::DrawLine, Color{60, 65, 127}).size(), 5u);
  EXPECT_EQ(Texts(log), (std::vector<std::wstring>{L"RANGE  10", L"MRK 2.5", L"TEST", L" 0"}));
  EXPECT_EQ(log.Find(Kind::DrawString, Color{60, 65, 127}).size(), 4u);
}

TEST(RadarDisplay, LabelsForEveryRangeModeAndTilt) {
  Cockpit cockpit;
  cockpit.powerUp().runSeconds(2).control("RADAR", "mode_switch", kRadarWeather);
  RadarScreen screen(cockpit);
  const wchar_t* ranges[] = {L"RANGE  10", L"RANGE  20", L"RANGE  40", L"RANGE  80", L"RANGE 160", L"RANGE 320"};
  const wchar_t* rings[] = {L"MRK 2.5", L"MRK   5", L"MRK  10", L"MRK  20", L"MRK  40", L"MRK  80"};
  for (uint32_t range = 0; range < 6; ++range) {
    g_radarRange = range;
    const auto texts = Texts(screen.draw());
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], ranges[range]);
    EXPECT_EQ(texts[1], rings[range]);
    EXPECT_EQ(texts[2], L"WX  ");
  }
  cockpit.control("RADAR", "mode_switch", kRadarMap);
  EXPECT_EQ(Texts(screen.draw())[2], L"MAP ");
  const std::pair<double, const wchar_t*> tilts[] = {{-3, L"-15"}, {-2, L"-10"}, {-1, L"-5"}, {0, L" 0"},
                                                     {1, L" 5"},   {2, L" 10"},  {3, L" 15"}, {0.5, L"   "}};
  for (const auto& [tilt, label] : tilts) {
    g_radarTilt = tilt;
    EXPECT_EQ(Texts(screen.draw())[3], label) << tilt;
  }
  cockpit.control("RADAR", "mode_switch", 99);
  g_radarRange = 7;
  EXPECT_EQ(Texts(screen.draw()), (std::vector<std::wstring>{L"   "})) << "no range, ring or mode label";
}

TEST(RadarDisplay, WeatherCellsArePlacedTurnedAndSizedByTheGain) {
  Cockpit cockpit;
  cockpit.powerUp().runSeconds(2).control("RADAR", "mode_switch", kRadarWeather).set(Token::HeadingDeg, 0);
  RadarScreen screen(cockpit);
  ClearGrid();
  const Color green{0, 150, 0};
  EXPECT_TRUE(screen.draw().Find(Kind::FillEllipse, green).empty()) << "an empty grid: rings, lines and labels only";
  EXPECT_EQ(screen.draw().Count(Kind::DrawString), 4u);

  // Cell (0, 0) at (-211, 203) and cell (63, 63) at (202, -210), with their own patterns.
  EXPECT_EQ(WeatherCellPoint(0, 0).x, -211);
  EXPECT_EQ(WeatherCellPoint(0, 0).y, 203);
  EXPECT_EQ(WeatherCellPoint(63, 63).x, 202);
  EXPECT_EQ(WeatherCellPoint(63, 63).y, -210);
  g_cloudGridRadar[40][20] = 1;
  g_radarNoise[40 * 64 + 20] = 0;
  g_cloudGridRadar[40][21] = 255;
  g_radarNoise[40 * 64 + 21] = 12;
  const PointInt p0 = WeatherCellPoint(40, 20);
  const PointInt p12 = WeatherCellPoint(40, 21);
  auto cells = screen.draw().Find(Kind::FillEllipse, green);
  ASSERT_EQ(cells.size(), 4u) << "one circle of pattern 0, three of pattern 12";
  EXPECT_TRUE(Near(cells[0]->points[0], PointF(p0.x, p0.y)));
  EXPECT_TRUE(Near(cells[0]->points[2], PointF(p0.x + 5, p0.y + 5)));
  EXPECT_TRUE(Near(cells[1]->points[0], PointF(p12.x + 16, p12.y + 15)));
  EXPECT_TRUE(Near(cells[3]->points[2], PointF(p12.x - 18 + 4, p12.y + 11 + 4)));
  // Heading up: north of the aircraft is straight up at heading 0.
  EXPECT_TRUE(Near(cells[0]->design[0], PointF(150 + p0.x, 250 + p0.y), 0.01f));
  EXPECT_EQ(screen.pixel(150 + p0.x + 2.5, 250 + p0.y + 2.5), green) << "painted";

  cells = screen.draw(1.0, 2.0).Find(Kind::FillEllipse, green);
  ASSERT_EQ(cells.size(), 4u);
  EXPECT_TRUE(Near(cells[0]->points[2], PointF(p0.x + 10, p0.y + 10))) << "gain 2 doubles every circle";
  screen.draw(1.0, 0.0);
  EXPECT_NE(screen.pixel(150 + p0.x + 2.5, 250 + p0.y + 2.5), green) << "gain 0: the weather is gone";
  EXPECT_EQ(g_cloudGridRadar[40][20], 1u) << "the grid unchanged";

  // Heading 090: the grid's east edge comes to the top.
  ClearGrid();
  g_cloudGridRadar[32][63] = 9;
  g_radarNoise[32 * 64 + 63] = 0;
  cockpit.set(Token::HeadingDeg, 90);
  cells = screen.draw().Find(Kind::FillEllipse, green);
  ASSERT_EQ(cells.size(), 1u);
  const PointInt east = WeatherCellPoint(32, 63);
  EXPECT_TRUE(Near(cells[0]->design[0], PointF(150 + east.y, 250 - east.x), 0.01f));
  EXPECT_LT(cells[0]->design[0].y, 60.0f);
}

// The blot patterns as published: each circle's box corner from the cell's
// point and its side, in drawing order; any other pattern draws the first.
TEST(RadarWeather, BlotPatternsMatchThePublishedTable) {
  struct Blot {
    int dx, dy, side;
  };
  const std::vector<std::vector<Blot>> table = {
      {{0, 0, 5}},
      {{13, -12, 3}},
      {{-15, 12, 4}},
      {{-5, 2, 6}},
      {{-16, -12, 4}, {-4, 6, 3}},
      {{-12, -14, 5}, {6, -3, 3}},
      {{6, 4, 3}},
      {{12, 0, 3}, {5, 0, 6}},
      {{1, 4, 3}, {-12, 15, 5}},
      {{-2, 1, 4}},
      {{-2, 5, 3}},
      {{-11, 15, 5}},
      {{16, 15, 3}, {-8, 1, 5}, {-18, 11, 4}},
      {{-8, 5, 3}, {-15, 12, 6}},
      {{2, -5, 3}, {15, -18, 4}},
      {{6, -15, 3}, {15, -2, 5}},
      {{-15, -8, 3}, {1, 14, 6}},
      {{-16, -15, 6}, {-5, 3, 4}, {-1, -12, 5}},
      {{0, 0, 6}, {-5, 18, 4}, {-10, -2, 3}},
      {{0, 0, 5}, {11, 2, 4}, {-16, -15, 6}},
      {{0, 0, 5}},
  };
  for (uint32_t pattern = 0; pattern < table.size(); ++pattern) {
    platform::gfx::Surface sheet(400, 400);
    sheet.StartRecording();
    {
      platform::gfx::Canvas canvas(sheet);
      FillWeatherCell(canvas, Color{0, 150, 0}, {200, 100}, pattern, 2.0);
    }
    const auto& items = sheet.Log().Items();
    ASSERT_EQ(items.size(), table[pattern].size()) << pattern;
    for (size_t i = 0; i < items.size(); ++i) {
      const Blot& b = table[pattern][i];
      EXPECT_EQ(items[i].kind, Kind::FillEllipse);
      EXPECT_TRUE(Near(items[i].design[0], PointF(200 + b.dx, 100 + b.dy))) << pattern << " " << i;
      EXPECT_TRUE(Near(items[i].design[2], PointF(200 + b.dx + 2 * b.side, 100 + b.dy + 2 * b.side)))
          << pattern << " " << i;
    }
  }
}

// Every circle of a full grid as the display would place it at a heading, with
// no screen or clip to cut any: boxes as passed, centres in design units from
// the aircraft.
std::vector<DrawnItem> AllCirclesAt(double headingDeg) {
  platform::gfx::Surface sheet(1000, 1000);
  sheet.StartRecording();
  {
    platform::gfx::Canvas canvas(sheet);
    canvas.SetTransform(platform::gfx::Matrix().Translate(500, 500).Rotate(360.0 - headingDeg));
    PaintWeatherGrid(canvas, Color{0, 90, 0}, g_cloudGridRadar, 1.0);
  }
  return sheet.Log().Items();
}

PointF CentreOf(const DrawnItem& item) {
  return {(item.design[0].x + item.design[2].x) / 2, (item.design[0].y + item.design[2].y) / 2};
}

TEST(RadarDisplay, AFullGridFromTheSimulatorsCloudsOnceASecond) {
  Cockpit cockpit({.drawClosedWindows = true});
  cockpit.watchChannel(kChannel1Hz).powerUp().clouds(200).control("RADAR", "mode_switch", kRadarWeather);
  cockpit.set(Token::HeadingDeg, 30).runSeconds(3);
  EXPECT_EQ(g_cloudGridRadar[0][0], 200u);
  platform::gfx::Surface* surface = cockpit.surface("Radar Display");
  surface->StartRecording();
  const uint64_t frames = surface->Frames();
  cockpit.runSeconds(1.1);
  ASSERT_EQ(surface->Frames() - frames, 1u) << "once a second";
  const auto drawn = surface->Log().Find(Kind::FillEllipse, Color{0, 90, 0});  // brightness 0.6

  // Every circle that lies wholly on the screen within the round clip is
  // drawn; one whose whole blot lies beyond the clip's box is not.
  auto key = [](const DrawnItem& item) { return std::make_tuple(item.points[0].x, item.points[0].y, item.points[2].x); };
  std::set<std::tuple<float, float, float>> drawnKeys;
  for (const DrawnItem* item : drawn) drawnKeys.insert(key(*item));
  size_t inside = 0;
  for (const DrawnItem& item : AllCirclesAt(30)) {
    if (item.kind != Kind::FillEllipse) continue;
    const PointF c(CentreOf(item).x - 500, CentreOf(item).y - 500);
    const float r = (item.points[2].x - item.points[0].x) / 2;
    const bool wholly = std::hypot(c.x, c.y) + r < 227 && c.y + r < -1 && c.y - r > -249 && std::fabs(c.x) + r < 149;
    if (!wholly) continue;
    ++inside;
    EXPECT_TRUE(drawnKeys.count(key(item)) == 1) << c.x << " " << c.y;
  }
  EXPECT_GT(inside, 1500u);
  constexpr float kBlotReach = 40;  // the farthest a cell's circle lies from the cell's other circles
  for (const DrawnItem* item : drawn) {
    const PointF c(CentreOf(*item).x - 150, CentreOf(*item).y - 250);
    EXPECT_TRUE(c.y < kBlotReach && c.y > -228 - kBlotReach && std::fabs(c.x) < 150 + kBlotReach) << c.x << " " << c.y;
  }
  EXPECT_LT(drawn.size(), 4000u) << "the grid behind the aircraft is passed over";

  // Brightness 0: the gauge stops drawing and the screen keeps its picture.
  g_radarBrightness = 0.0;
  const uint64_t dark = surface->Frames();
  cockpit.runSeconds(2);
  EXPECT_EQ(surface->Frames(), dark);
}

// The simulator draws several frames a tick; the picture is drawn in the
// first frame of each due tick and stands until the next.
TEST(RadarDisplay, DrawsOncePerDueTickWhateverTheFramesATick) {
  for (const int framesPerTick : {1, 2, 3}) {
    Cockpit cockpit({.framesPerTick = framesPerTick, .drawClosedWindows = true});
    cockpit.powerUp().control("RADAR", "mode_switch", kRadarWeather).runSeconds(2);
    platform::gfx::Surface* surface = cockpit.surface("Radar Display");
    std::vector<uint64_t> perTick;
    uint64_t last = surface->Frames();
    int dueTicks = 0;
    cockpit.everyTick([&](simhost::SimHost&) {
      perTick.push_back(surface->Frames() - last);
      last = surface->Frames();
    });
    cockpit.watchChannel(kChannel1Hz);
    cockpit.runTicks(18 * 4);
    for (uint64_t frames : perTick) {
      EXPECT_LE(frames, 1u) << framesPerTick << " frames a tick";
      dueTicks += static_cast<int>(frames);
    }
    EXPECT_GE(dueTicks, 3) << framesPerTick;
    EXPECT_LE(dueTicks, 4) << framesPerTick;
  }
}

// The small circles are gathered and stamped; one Cairo fill a circle is the
// reference. They differ only at circle edges (the gathered union and a
// distance ramp for area coverage), by at most kEdgeTolerance of
// 255 in any colour component; elsewhere the pixels are the same.
TEST(RadarDisplay, TheFastWeatherPictureMatchesOneFillACircle) {
  constexpr int kEdgeTolerance = 44;
  for (uint32_t i = 0; i < kRadarNoiseSize; ++i) g_radarNoise[i] = (i * 7919u) % 20u;
  for (auto& row : g_cloudGridRadar) {
    for (uint32_t& cell : row) cell = 1;
  }
  const Color background{11, 0, 30}, green{0, 150, 0};
  struct Case {
    int width, height;
    double gain, headingDeg;
  };
  const Case cases[] = {{300, 250, 0.5, 0},   {300, 250, 1, 0},    {300, 250, 2, 0},
                        {300, 250, 0.5, 90},  {300, 250, 1, 90},   {300, 250, 2, 90},
                        {300, 250, 0.5, 227}, {300, 250, 1, 227},  {300, 250, 2, 227},
                        {450, 250, 1, 227},   {600, 500, 2, 227}};
  std::unique_ptr<platform::gfx::Surface> fastSurface;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " gain " << c.gain << " heading " << c.headingDeg);
    const double sx = c.width / 300.0, sy = c.height / 250.0;
    const auto frame = platform::gfx::Matrix().Scale(sx, sy).Translate(150, 250);
    platform::gfx::Path clip;
    clip.AddEllipse({-228, -228, 456, 456});
    auto start = [&](platform::gfx::Canvas& canvas) {
      canvas.FillRectangle(background, {0, 0, static_cast<float>(c.width), static_cast<float>(c.height)});
      canvas.SetTransform(frame);
      canvas.SetClip(clip, platform::gfx::ClipMode::Replace);
      canvas.SetTransform(platform::gfx::Matrix(frame).Rotate(360.0 - c.headingDeg));
    };
    // One surface a size for the fast path, as a display keeps it from frame
    // to frame at other gains and headings.
    if (fastSurface == nullptr || fastSurface->Width() != c.width || fastSurface->Height() != c.height) {
      fastSurface = std::make_unique<platform::gfx::Surface>(c.width, c.height, 300, 250);
    }
    platform::gfx::Surface& fast = *fastSurface;
    platform::gfx::Surface reference(c.width, c.height, 300, 250);
    fast.StartRecording();
    {
      platform::gfx::Canvas canvas(fast);
      start(canvas);
      PaintWeatherGrid(canvas, green, g_cloudGridRadar, c.gain);
    }
    {
      platform::gfx::Canvas canvas(reference);
      start(canvas);
      for (const DrawnItem* item : fast.Log().Find(Kind::FillEllipse)) {
        platform::gfx::Path circle;
        circle.AddEllipse({item->points[0].x, item->points[0].y, item->points[2].x - item->points[0].x,
                           item->points[2].y - item->points[0].y});
        canvas.FillPath(green, circle);
      }
    }
    int edges = 0, differing = 0, worst = 0;
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        // Along the round clip's edge one fill after another lets more through
        // where circles overlap than their union clipped once does.
        const double fromAircraft = std::hypot((x + 0.5) / sx - 150, (y + 0.5) / sy - 250);
        if (std::fabs(fromAircraft - 228) < 2.0) continue;
        const Color a = fast.Pixel(x, y), b = reference.Pixel(x, y);
        const int diff = std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
        // An edge: either picture is not the same colour all around the pixel.
        bool edge = false;
        for (int dy = -1; dy <= 1 && !edge; ++dy) {
          for (int dx = -1; dx <= 1 && !edge; ++dx) {
            edge = !(reference.Pixel(x + dx, y + dy) == b) || !(fast.Pixel(x + dx, y + dy) == a);
          }
        }
        edges += edge ? 1 : 0;
        differing += diff > 0 ? 1 : 0;
        worst = std::max(worst, diff);
        if (diff > 0) {
          ASSERT_TRUE(edge) << "at " << x << ", " << y;
          ASSERT_LE(diff, kEdgeTolerance) << "at " << x << ", " << y;
        }
      }
    }
    EXPECT_GT(edges, 1000) << "weather on the screen";
    RecordProperty("worst", worst);
    std::printf("%dx%d gain %.1f heading %.0f: %d of %d edge pixels differ, at most by %d\n", c.width, c.height,
                c.gain, c.headingDeg, differing, edges, worst);
  }
}

// A storm cell from the host's weather lands in the radar's grid where the
// box the cockpit asks for puts it: row 0 south, column 0 west, 64 cells
// over plus and minus range / 60 degrees; clear air around it, and nothing
// when it lies outside the altitude band.
TEST(RadarWeather, AStormCellLandsInTheGridWhereTheBoxPutsIt) {
  Cockpit cockpit;
  cockpit.powerUp().position(47.5, 8.5, 5000).control("RADAR", "mode_switch", kRadarWeather);
  g_radarRange = 0;  // 10 NM: the box is 47.5 +- 1/6 and 8.5 +- 1/6 degrees
  const double cellDeg = (2.0 / 6.0) / 64;
  simhost::StormCell storm;
  storm.latitudeDeg = 47.5 + 5.0 / 60;  // 5 NM north
  storm.longitudeDeg = 8.55;
  storm.radiusNm = 1.0;
  storm.density = 200;
  storm.baseFt = 5990;  // the band is 4000 to 6000 ft at tilt 0
  storm.topFt = 30000;
  cockpit.host().Weather().AddCell(storm);
  cockpit.runSeconds(3);
  const int row = static_cast<int>((storm.latitudeDeg - (47.5 - 1.0 / 6)) / cellDeg);
  const int column = static_cast<int>((storm.longitudeDeg - (8.5 - 1.0 / 6)) / cellDeg);
  ASSERT_EQ(row, 48);
  ASSERT_EQ(column, 41);
  EXPECT_GT(g_cloudGridRadar[row][column], 180u) << "dense at the core";
  int cells = 0;
  for (int r = 0; r < 64; ++r) {
    for (int c = 0; c < 64; ++c) {
      if (g_cloudGridRadar[r][c] == 0) continue;
      ++cells;
      // 1 NM is 3.2 rows north and south and 4.7 columns east and west at 47.5 degrees.
      EXPECT_LE(std::abs(r - row), 3) << r << " " << c;
      EXPECT_LE(std::abs(c - column), 5) << r << " " << c;
      EXPECT_LT(g_cloudGridRadar[r][c], g_cloudGridRadar[row][column] + 1u);
    }
  }
  EXPECT_GT(cells, 30) << "a round cell some 7 x 9 grid cells across";
  EXPECT_LT(cells, 63);
  EXPECT_EQ(g_cloudGridRadar[row][column - 8], 0u) << "clear air beside it";
  EXPECT_EQ(g_cloudGridRadar[row - 5][column], 0u) << "clear air south of it";
  EXPECT_EQ(g_cloudGridNd[row][column] > 0, true) << "the ND's grid at the same range sees it too";

  // Drawn north of the aircraft at heading 0, east of the nose: the cell's point.
  cockpit.set(Token::HeadingDeg, 0);
  RadarScreen screen(cockpit);
  const PointInt p = WeatherCellPoint(row, column);
  bool near = false;
  for (const DrawnItem* item : screen.draw(1.0, 1.0).Find(Kind::FillEllipse, Color{0, 150, 0})) {
    near = near || Near(item->design[0], PointF(150 + p.x, 250 + p.y), 20.0f);
  }
  EXPECT_TRUE(near);

  // Above the band: clear; the cells cleared: clear.
  cockpit.host().Weather().ClearCells();
  storm.baseFt = 6010;
  cockpit.host().Weather().AddCell(storm);
  cockpit.runSeconds(2.5);
  EXPECT_EQ(g_cloudGridRadar[row][column], 0u) << "above the band the radar looks at";
  storm.baseFt = 0;
  storm.topFt = 3990;
  cockpit.host().Weather().ClearCells();
  cockpit.host().Weather().AddCell(storm);
  cockpit.runSeconds(2.5);
  EXPECT_EQ(g_cloudGridRadar[row][column], 0u) << "below the band";
  storm.topFt = 4010;
  cockpit.host().Weather().AddCell(storm);
  cockpit.clouds(7).runSeconds(2.5);
  EXPECT_GT(g_cloudGridRadar[row][column], 180u) << "a top just inside the band";
  EXPECT_EQ(g_cloudGridRadar[0][0], 7u) << "the even clouds under the cells";
  cockpit.host().Weather().ClearCells();
  cockpit.runSeconds(2.5);
  EXPECT_EQ(g_cloudGridRadar[row][column], 7u);

  // A cell 20 NM ahead on the 40 NM range sits halfway up the 210 units the
  // grid reaches, just short of the second of the four rings (114).
  cockpit.clouds(0);
  g_radarRange = 2;
  storm.latitudeDeg = 47.5 + 20.0 / 60;
  storm.longitudeDeg = 8.5;
  storm.radiusNm = 2.0;
  storm.baseFt = 0;
  storm.topFt = 30000;
  cockpit.host().Weather().AddCell(storm);
  cockpit.runSeconds(2.5);
  double sumX = 0, sumY = 0;
  const auto circles = screen.draw(1.0, 1.0).Find(Kind::FillEllipse, Color{0, 150, 0});
  ASSERT_FALSE(circles.empty());
  for (const DrawnItem* item : circles) {
    sumX += CentreOf(*item).x;
    sumY += CentreOf(*item).y;
  }
  EXPECT_NEAR(sumX / circles.size(), 150, 8) << "straight ahead";
  EXPECT_NEAR(250 - sumY / circles.size(), 105, 8) << "half of 210 units up";
}

// Densest at the core and thinning to clear air at the rim.
TEST(RadarWeather, ACellThinsFromItsCoreToItsRim) {
  simhost::WeatherField field;
  field.AddCell({47.0, 8.0, 2.0, 200, 0, 40000});
  const double nm = 1.0 / 60;
  EXPECT_EQ(field.DensityAt(47.0, 8.0, 1000, 2000), 200);
  EXPECT_EQ(field.DensityAt(47.0 + 1 * nm, 8.0, 1000, 2000), 150) << "half way: 200 x (1 - 0.25)";
  EXPECT_EQ(field.DensityAt(47.0 - 1.9 * nm, 8.0, 1000, 2000), 19) << "200 x (1 - 0.9025), down";
  EXPECT_EQ(field.DensityAt(47.0 + 2.01 * nm, 8.0, 1000, 2000), 0) << "beyond the rim";
  EXPECT_EQ(field.DensityAt(47.0, 8.0 + 1 * nm / std::cos(47.0 * 3.14159265358979 / 180), 1000, 2000), 150)
      << "a mile east is fewer degrees of longitude than north";
  EXPECT_EQ(field.DensityAt(47.0, 8.0, 40001, 45000), 0) << "above the top";
  EXPECT_EQ(field.DensityAt(47.0, 8.0, 40000, 45000), 200) << "a band that starts at the top meets it";
  EXPECT_EQ(field.DensityAt(47.0, 8.0, -500, 0), 200) << "and one that ends at the base";

  // Across the antimeridian either way: 0.02 degrees at the equator, 1.2 NM.
  simhost::WeatherField across;
  across.AddCell({0.0, 179.99, 2.0, 200, 0, 40000});
  across.AddCell({10.0, -179.99, 2.0, 100, 0, 40000});
  EXPECT_EQ(across.DensityAt(0.0, -179.99, 1000, 2000), 128) << "200 x (1 - 0.36)";
  EXPECT_EQ(across.DensityAt(10.0, 179.99, 1000, 2000),
            static_cast<int>(100 * (1 - std::pow(1.2 * std::cos(10 * 3.14159265358979 / 180) / 2, 2))));

  // The simulator's grid samples each of its 64 x 64 squares at its centre.
  platform::simconnect::CloudRequest request{};
  request.minLat = 46.5f;
  request.maxLat = 47.5f;
  request.minLon = 7.5f;
  request.maxLon = 8.5f;
  request.maxAlt = 2000.0f;
  const std::vector<uint8_t> grid = field.Answer(request);
  const double step = (static_cast<double>(request.maxLat) - request.minLat) / 64;
  for (int row : {30, 31, 32, 33}) {
    for (int column : {31, 32}) {
      EXPECT_EQ(grid[row * 64 + column], field.DensityAt(request.minLat + (row + 0.5) * step,
                                                         request.minLon + (column + 0.5) * step, 0, 2000))
          << row << " " << column;
    }
  }
  EXPECT_GT(grid[31 * 64 + 31], 150);
}

}  // namespace
}  // namespace halcyon::test
