// The start-up sequence: the splash window the simulator shows at load goes
// 145 ticks after the first tick, and the start windows open by the options,
// in order; a click on the splash runs it at once and only once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/options.h"
#include "systems/startup_sequence.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

using Events = std::vector<std::string>;

// The window events other than the drop-down menu's.
Events StartWindowEvents(const Cockpit& cockpit) {
  Events events;
  for (const std::string& event : cockpit.windowEvents()) {
    if (event.find("10090") == std::string::npos) events.push_back(event);
  }
  return events;
}

TEST(StartupSequence, TheSplashGoesOnTick145AndTheStartWindowsOpenInOrder) {
  Cockpit cockpit;
  cockpit.setOption(kOptionStartFlying, true).setOption(kOptionCenterStartup, true);
  EXPECT_TRUE(cockpit.isWindowVisible(kPanelWindowSplash)) << "shown as the panel comes up";
  cockpit.runTicks(1);
  const double firstTick = cockpit.tick18();
  EXPECT_EQ(GetSwitch(&g_startupSequence), kSwitchOn);
  cockpit.runTicks(144);
  EXPECT_TRUE(StartWindowEvents(cockpit).empty());
  EXPECT_TRUE(cockpit.isWindowVisible(kPanelWindowSplash));
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.tick18(), firstTick + 145);
  EXPECT_EQ(StartWindowEvents(cockpit), (Events{"close 10240", "open 10230", "open 10100"}));
  for (const auto& sent : cockpit.keyEvents(kKeyEventClosePanelWindow)) EXPECT_EQ(sent.tick18, cockpit.tick18());
  EXPECT_FALSE(cockpit.isWindowVisible(kPanelWindowSplash));
  EXPECT_TRUE(cockpit.isWindowVisible(kPanelWindowStartFlying));
  EXPECT_TRUE(cockpit.isWindowVisible(kPanelWindowCenter));
  EXPECT_EQ(GetSwitch(&g_startupSequence), kSwitchOff);
  cockpit.runSeconds(20);
  EXPECT_EQ(StartWindowEvents(cockpit).size(), 3u) << "once";
}

TEST(StartupSequence, WithoutTheOptionsOnlyTheSplashCloses) {
  Cockpit cockpit;
  cockpit.setOption(kOptionStartFlying, false).setOption(kOptionCenterStartup, false).runSeconds(9);
  EXPECT_EQ(StartWindowEvents(cockpit), Events{"close 10240"});
}

TEST(StartupSequence, ASplashClickRunsTheActionOnce) {
  Cockpit cockpit;
  cockpit.setOption(kOptionStartFlying, false).setOption(kOptionCenterStartup, true).runSeconds(3);
  RunStartupAction();
  EXPECT_EQ(StartWindowEvents(cockpit), (Events{"close 10240", "open 10100"}));
  cockpit.runSeconds(10);
  EXPECT_EQ(StartWindowEvents(cockpit).size(), 2u) << "nothing at second 8";
}

}  // namespace
}  // namespace halcyon::test
