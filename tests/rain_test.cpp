// Rain protection and wipers: LOW and HIGH sweeps frame by frame, OFF
// freezing a sweep, PARK, a change of speed mid-sweep, the view following
// its window, the RAIN section, the repellent flag and the ATC id.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/simulator.h"
#include "systems/rain.h"
#include "tests/cockpit.h"
#include "tests/lever_frames.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;
// The RAIN "wiper" switch positions.
constexpr int32_t kWiperSwitchPark = 1;
constexpr int32_t kWiperSwitchOff = 2;
constexpr int32_t kWiperSwitchLow = 3;
constexpr int32_t kWiperSwitchHigh = 4;

// The wiper's frame after each of the next ticks.
std::vector<int32_t> Frames(Cockpit& cockpit, int ticks) {
  std::vector<int32_t> frames;
  for (int i = 0; i < ticks; ++i) {
    cockpit.runTicks(1);
    frames.push_back(GetSwitch(&g_wiperImage));
  }
  return frames;
}

std::vector<int32_t> Concat(std::vector<int32_t> a, const std::vector<int32_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(Wiper, LowAndHighSweepsOneFrameATickBackToBack) {
  Cockpit cockpit;
  cockpit.runTicks(2);
  EXPECT_EQ(GetSwitch(&g_wiperImage), kWiperParkedFrame);
  cockpit.control("RAIN", "wiper", kWiperSwitchLow);
  EXPECT_EQ(GetWiperSelector(), kWiperLow);
  const std::vector<int32_t> low = Concat(FrameRun(2, 19, 1), FrameRun(18, 1, -1));
  ASSERT_EQ(low.size(), 36u);
  // The stroke starts on the tick of the click's update and shows its first frame on the next.
  EXPECT_EQ(Frames(cockpit, 1 + 36 + 1 + 36), Concat(Concat({1}, low), Concat({1}, low)));

  cockpit.control("RAIN", "wiper", kWiperSwitchHigh);
  const std::vector<int32_t> high = Concat(FrameRun(3, 19, 2), FrameRun(17, 1, -2));
  ASSERT_EQ(high.size(), 18u);
  EXPECT_EQ(Frames(cockpit, 2 * (1 + 18)), Concat(Concat({1}, high), Concat({1}, high)));
}

TEST(Wiper, OffFreezesASweepAndParkEndsIt) {
  Cockpit cockpit;
  cockpit.control("RAIN", "wiper", kWiperSwitchLow).runTicks(11);
  EXPECT_EQ(GetSwitch(&g_wiperImage), 11);
  cockpit.control("RAIN", "wiper", kWiperSwitchOff).runTicks(20);
  EXPECT_EQ(GetSwitch(&g_wiperImage), 11) << "stands where it is";
  cockpit.control("RAIN", "wiper", kWiperSwitchLow);
  EXPECT_EQ(Frames(cockpit, 3), (std::vector<int32_t>{12, 13, 14})) << "on from the same frame";

  // LOW to HIGH 21 frames into the sweep, past HIGH's 18: HIGH from its start.
  cockpit.runTicks(8);
  EXPECT_EQ(GetSwitch(&g_wiperImage), 16);
  cockpit.control("RAIN", "wiper", kWiperSwitchHigh);
  EXPECT_EQ(Frames(cockpit, 3), (std::vector<int32_t>{3, 5, 7})) << "past HIGH's 18 frames: from its start";
  // Within both lists the count goes on in the other list.
  cockpit.control("RAIN", "wiper", kWiperSwitchLow);
  EXPECT_EQ(Frames(cockpit, 2), (std::vector<int32_t>{5, 6}));
  cockpit.control("RAIN", "wiper", kWiperSwitchHigh);
  EXPECT_EQ(Frames(cockpit, 1), (std::vector<int32_t>{13}));

  cockpit.control("RAIN", "wiper", kWiperSwitchPark).runTicks(1);
  EXPECT_EQ(GetSwitch(&g_wiperImage), kWiperParkedFrame);
  EXPECT_EQ(GetWiperSelector(), kWiperOff) << "parked: the selector to OFF";
  cockpit.runTicks(10);
  EXPECT_EQ(GetSwitch(&g_wiperImage), kWiperParkedFrame);

  // PARK with no stroke running: nothing moves, the selector stays at PARK.
  cockpit.control("RAIN", "wiper", kWiperSwitchPark).runTicks(10);
  EXPECT_EQ(GetWiperSelector(), kWiperPark);
  EXPECT_EQ(SetWiperSelector(7), 7u);
  EXPECT_EQ(GetWiperSelector(), kWiperOff) << "out of range: OFF";
}

// The clock set back by more than 11000 ticks mid-sweep (a reloaded
// flight): the sweep goes on from the present tick.
TEST(Wiper, ASweepGoesOnAfterTheClockWentBack) {
  Cockpit cockpit({.initialTick18 = 30000});
  cockpit.control("RAIN", "wiper", kWiperSwitchLow).runTicks(6);
  EXPECT_EQ(GetSwitch(&g_wiperImage), 6);
  cockpit.clockBack(20000).runTicks(10);
  // The wait restarts at the present tick: the five frames shown are waited
  // out once more, then the sweep goes on a frame a tick.
  EXPECT_EQ(GetSwitch(&g_wiperImage), 10);
}

TEST(Wiper, TheViewFollowsTheVisibleWindow) {
  Cockpit cockpit;
  cockpit.setWindowVisible(10220, true).runTicks(1);
  EXPECT_EQ(GetWiperView(), 1u);
  cockpit.setWindowVisible(10290, true).runTicks(1);
  EXPECT_EQ(GetWiperView(), 1u) << "10220 comes first";
  cockpit.setWindowVisible(10010, true).runTicks(1);
  EXPECT_EQ(GetWiperView(), 0u);
  cockpit.setWindowVisible(10010, false).setWindowVisible(10220, false).runTicks(1);
  EXPECT_EQ(GetWiperView(), 2u);
  cockpit.setWindowVisible(10290, false).runTicks(1);
  EXPECT_EQ(GetWiperView(), 2u) << "none visible: as it was";
  SetWiperView(3);
  EXPECT_EQ(GetWiperView(), 0u);
}

TEST(Rain, TheSectionRoundTripsAndABadWiperPositionIsOff) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni,
                    "[RAIN]\r\nrepellent_discharge_left=41\r\nrepellent_discharge_right=42\r\nwiper=5\r\n"
                    "annunciator_lights_test=43\r\nannunciator_lights_dimmer=44\r\n"
                    "air_condition_shutoff_override=45\r\nram_air=46\r\n");
  cockpit.start().runTicks(40);
  EXPECT_EQ(GetWiperSelector(), kWiperOff);
  EXPECT_EQ(GetSwitch(&g_wiperImage), kWiperParkedFrame);
  EXPECT_EQ(GetRainPanelFlag(), 0u);
  cockpit.control("Rain", "repellent_source", 1);
  EXPECT_EQ(GetRainPanelFlag(), 1u);
  EXPECT_EQ(GetSwitch(&g_repellentSourceButton), kRepellentSourcePressed);
  cockpit.control("RAIN", "wiper", kWiperSwitchHigh).shutdown();
  const char* keys[] = {"repellent_discharge_left",  "repellent_discharge_right",       "wiper", "annunciator_lights_test",
                        "annunciator_lights_dimmer", "air_condition_shutoff_override", "ram_air"};
  const char* values[] = {"41", "42", "4", "43", "44", "45", "46"};
  for (size_t i = 0; i < std::size(keys); ++i) EXPECT_EQ(cockpit.ini("RAIN", keys[i]), values[i]) << keys[i];
}

TEST(Rain, ASavedHighWiperSweepsFromTheFirstTick) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[RAIN]\r\nwiper=4\r\n");
  cockpit.start();
  EXPECT_EQ(GetWiperSelector(), kWiperHigh);
  EXPECT_EQ(Frames(cockpit, 3), (std::vector<int32_t>{1, 3, 5}));
}

TEST(Rain, TheAtcIdIsReadOnceAndCutTo19Characters) {
  platform::sim::SetAtcId("HB-INR EXTRA LONG REGISTRATION");
  Cockpit cockpit;
  EXPECT_EQ(std::string(GetAtcId()), "HB-INR EXTRA LONG R");
  platform::sim::SetAtcId("D-ALPHA");
  cockpit.runTicks(2);
  EXPECT_EQ(std::string(GetAtcId()), "HB-INR EXTRA LONG R") << "read at start-up only";
}

}  // namespace
}  // namespace halcyon::test
