// The glareshield NAV control through the panel the host builds: the active
// receiver's BCD frequency and course digits, and the key events of that
// receiver.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gauges/gauge_kit.h"
#include "systems/annunciator_lamps.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/radios.h"
#include "tests/cockpit.h"
#include "tests/element_places.h"

namespace halcyon::test {
namespace {

struct LitNav {
  LitNav() {
    cockpit.addSounds({kClickKnob});
    cockpit.powerUp().setSwitch(&g_fgcpDigitalSwitch, kSwitchOn).setSwitch(&g_fgcpBacklightSwitch, kSwitchOn);
    cockpit.set(Token::Nav1Frequency, 0x1080)
        .set(Token::Nav2Frequency, 0x1175)
        .set(Token::Nav1CourseDeg, 5.9)
        .set(Token::Nav2CourseDeg, 271.0);
  }
  std::vector<double> digits() {
    cockpit.draw();
    std::vector<double> out;
    for (uint32_t n : {11u, 10u, 9u, 6u, 8u, 7u, 5u, 4u, 3u}) out.push_back(cockpit.elementValue("NAV", n));
    return out;
  }
  Cockpit cockpit;
};

TEST(NavGauge, ShowsTheActiveReceiversFrequencyAndCourse) {
  LitNav f;
  SetActiveNavUnit(0);
  EXPECT_EQ(f.digits(), (std::vector<double>{1, 1, 0, 0, 8, 0, 0, 0, 5})) << "110.80, course 5.9 reads 005";
  EXPECT_EQ(f.cockpit.elementValue("NAV", 2), 0.0);
  f.cockpit.click("NAV", 20, 70);
  EXPECT_EQ(IsNavUnit1Active(), 1u);
  EXPECT_EQ(f.digits(), (std::vector<double>{1, 1, 1, 0, 7, 5, 2, 7, 1})) << "111.75, course 271";
  EXPECT_EQ(f.cockpit.elementValue("NAV", 2), 1.0);
  EXPECT_TRUE(f.cockpit.elementVisible("NAV", 1)) << "the panel lighting with the FGCP backlight";
}

TEST(NavGauge, DarkWithoutDigitLightingButTheMarkerStillShows) {
  LitNav f;
  SetActiveNavUnit(1);
  f.cockpit.setSwitch(&g_fgcpDigitalSwitch, kSwitchOff);
  EXPECT_EQ(f.digits(), (std::vector<double>{11, 11, 11, 1, 11, 11, 11, 11, 11})) << "the point dark too";
  EXPECT_EQ(f.cockpit.elementValue("NAV", 2), 1.0);
  f.cockpit.setSwitch(&g_fgcpDigitalSwitch, kSwitchOn).setSwitch(&g_lampTestSwitch, kSwitchOn);
  EXPECT_EQ(f.digits(), (std::vector<double>{8, 8, 8, 0, 8, 8, 8, 8, 8}));
}

// A nibble shows up to 9 and blanks from 10; the course shows its 359 and
// wraps nothing; without panel power the windows are dark, digital light or
// lamp test.
TEST(NavGauge, NineIsTheLastDigitShownAndNoPowerIsDark) {
  LitNav f;
  SetActiveNavUnit(0);
  f.cockpit.set(Token::Nav1Frequency, 0x1799).set(Token::Nav1CourseDeg, 359.9);
  EXPECT_EQ(f.digits(), (std::vector<double>{1, 1, 7, 0, 9, 9, 3, 5, 9}));
  f.cockpit.set(Token::Nav1Frequency, 0xA9FA);
  EXPECT_EQ(f.digits(), (std::vector<double>{1, 11, 9, 0, 11, 11, 3, 5, 9}));
  Cockpit& cockpit = f.cockpit;
  cockpit.setSwitch(&g_lampTestSwitch, kSwitchOn).control("APU", "battery", kSwitchOff).runSeconds(2);
  ASSERT_EQ(IsPanelPowered(), 0u);
  EXPECT_EQ(f.digits(), (std::vector<double>{11, 11, 11, 1, 11, 11, 11, 11, 11}));
}

TEST(NavGauge, KnobsSendTheActiveReceiversEventsAndTheKeyboardDoesTheSame) {
  LitNav f;
  SetActiveNavUnit(0);
  f.cockpit.clearKeyEvents();
  f.cockpit.click("NAV", 10, 10).click("NAV", 30, 10).click("NAV", 50, 10).click("NAV", 70, 10);
  f.cockpit.click("NAV", 120, 10).click("NAV", 150, 10);
  std::vector<uint32_t> sent;
  for (const auto& e : f.cockpit.keyEvents()) sent.push_back(e.event);
  EXPECT_EQ(sent, (std::vector<uint32_t>{65640, 65641, 65642, 65643, 65662, 65663}));
  EXPECT_EQ(f.cockpit.played(kClickKnob).size(), 6u);
  SetActiveNavUnit(1);
  f.cockpit.clearKeyEvents().callControl("NAV", "NavMouseCourseInc").callControl("NAV", "NavMouseWholeDec");
  ASSERT_EQ(f.cockpit.keyEvents().size(), 2u);
  EXPECT_EQ(f.cockpit.keyEvents()[0].event, 65665u);
  EXPECT_EQ(f.cockpit.keyEvents()[1].event, 65644u);
}

TEST(NavGauge, ElementValuesStayWithinTheirFramesForExtremeTokens) {
  LitNav f;
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  for (double value : {kNaN, -1.0e12, -1.0, 0.0, 65535.0, 1.0e12, std::numeric_limits<double>::infinity()}) {
    for (Token token : {Token::Nav1Frequency, Token::Nav2Frequency, Token::Nav1CourseDeg, Token::Nav2CourseDeg})
      f.cockpit.set(token, value);
    f.cockpit.draw();
    for (uint32_t n = 2; n <= 11; ++n) {
      const double v = f.cockpit.elementValue("NAV", n);
      EXPECT_TRUE(std::isfinite(v) && v >= 0 && v < f.cockpit.element("NAV", n).frameCount) << n << " " << value;
    }
  }
}

// The receiver marker at the lower left; the course's three windows and the
// frequency's five in a row at the top, the decimal point between the units
// and the tenths; the click areas inset from the corner.
TEST(NavGauge, EachWindowStandsAtItsPlaceInTheRow) {
  Cockpit cockpit;
  ExpectElementPlaces(cockpit, "NAV",
                      {{2, 14, 74, 2}, {3, 158, 16, 12}, {4, 145, 16, 12}, {5, 133, 16, 12}, {6, 40, 16, 2},
                       {7, 64, 16, 12}, {8, 52, 16, 12}, {9, 34, 16, 12}, {10, 22, 16, 12}, {11, 10, 16, 12},
                       {12, 8, 8}});
}

}  // namespace
}  // namespace halcyon::test
