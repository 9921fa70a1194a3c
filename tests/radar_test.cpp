// The weather radar: [RADAR] round trip, defaults and held values, and the
// range steps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "displays/radar/radar.h"
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

}  // namespace
}  // namespace halcyon::test
