// The simulator draws only the windows on screen; a picture draws the closed
// ones once, as the cockpit is. A short flight, flown once with every window
// drawn every frame and once as the simulator draws, and pictured between
// due ticks with its windows closed, gives the same pictures: the radar's
// screen with its weather and the elements of every window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "core/tick_scheduler.h"
#include "displays/radar/radar.h"
#include "platform/gfx_surface.h"
#include "simhost/panel.h"
#include "simhost/weather_field.h"
#include "systems/irs.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr uint32_t kMainPanel = 10010;
constexpr uint32_t kUpperOverhead = 10170;
constexpr uint32_t kUpperPedestal = 10030;
constexpr uint32_t kCduPopup = 10070;
constexpr uint32_t kWindows[] = {kMainPanel, kUpperOverhead, kUpperPedestal, kCduPopup};

// The CDU's other screens and the view menu stand in the virtual cockpit,
// drawn every frame: here they are placed in the CDU's popup, closed.
const std::vector<simhost::WindowPlacement> kClosedPlaces = {
    {kCduPopup, {"FMS Display 2", 0, 0, 136, 56}},
    {kCduPopup, {"FMS Display 3", 0, 60, 151, 56}},
    {kCduPopup, {"Menu", 160, 0, 200, 200}},
};

// The pictures as text: the radar's pixels a row a line, then each window's element dump.
std::string Fly(bool drawClosedWindows) {
  Cockpit cockpit({.drawClosedWindows = drawClosedWindows, .furtherPlacements = kClosedPlaces});
  // Each window drawn once with its panel lights as they stay, so that no
  // lit instrument relights in the picture.
  for (uint32_t window : kWindows) cockpit.setWindowVisible(window, true);
  cockpit.runTicks(3);
  for (uint32_t window : kWindows) cockpit.setWindowVisible(window, false);

  // With the windows closed: power, a storm cell ahead on the radar, an
  // engine fire, an IRS waiting for its position, the trim handle worked,
  // the view menu unfolded.
  cockpit.powerUp().position(47.5, 8.5, 5000).set(Token::HeadingDeg, 0);
  simhost::StormCell storm;
  storm.latitudeDeg = 47.5 + 5.0 / 60;  // 5 NM ahead
  storm.longitudeDeg = 8.5;
  storm.density = 200;
  cockpit.host().Weather().AddCell(storm);
  cockpit.control("RADAR", "mode_switch", kRadarWeather).set(Token::Engine1Fire, 1);
  cockpit.setSwitch(&g_irs1State, kIrsAligned);
  cockpit.callControl("Longitude Trim", "LongitudeTrimMouseTrimDown", platform::kMouseLeftSingle);
  cockpit.callControl("Longitude Trim", "LongitudeTrimMouseTrimDown", platform::kMouseLeftRelease);
  cockpit.callControl("Menu", "MenuMouseOpen", platform::kMouseMove).runSeconds(5.5);
  // Pictured three ticks after a due tick of the radar, the aircraft turned since.
  cockpit.runUntil([] { return IsTickDue(kChannel1Hz) != 0; }, 2);
  cockpit.set(Token::HeadingDeg, 40).runTicks(3).snapshot();

  std::string text;
  const platform::gfx::Surface& radar = *cockpit.surface("Radar Display");
  for (int y = 0; y < radar.Height(); ++y) {
    for (int x = 0; x < radar.Width(); ++x) {
      const platform::gfx::Color p = radar.Pixel(x, y);
      text += p.g > p.r + 40 && p.g > p.b + 40 ? 'W' : ' ';  // weather green
      char rgb[8];
      std::snprintf(rgb, sizeof(rgb), "%02x%02x%02x", p.r, p.g, p.b);
      text += rgb;
    }
    text += '\n';
  }
  for (uint32_t window : kWindows) text += cockpit.host().PanelGauges().Dump(window);
  return text;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(ClosedWindows, ArePicturedAsAnOpenWindowShowsThem) {
  const std::string drawnAlways = InFreshProcess([] { return Fly(true); });
  const std::string drawnForThePicture = Fly(false);
  EXPECT_GT(std::count(drawnAlways.begin(), drawnAlways.end(), 'W'), 100) << "the storm cell on the radar";
  const std::vector<std::string> expected = Lines(drawnAlways);
  const std::vector<std::string> seen = Lines(drawnForThePicture);
  ASSERT_EQ(seen.size(), expected.size());
  constexpr size_t kRadarRows = 250;
  int differing = 0;
  for (size_t i = 0; i < seen.size(); ++i) {
    if (seen[i] == expected[i]) continue;
    if (++differing > 10) continue;
    if (i < kRadarRows) {
      ADD_FAILURE() << "the radar's row " << i << " differs";
    } else {
      ADD_FAILURE() << "seen:     " << seen[i] << "\nexpected: " << expected[i];
    }
  }
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace halcyon::test
