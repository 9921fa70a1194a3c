// Panel-window switching, the drop-down menu window that follows option
// drop_menu, and the menu flags.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/options.h"
#include "core/panel_windows.h"
#include "systems/menu_state.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

using Events = std::vector<std::string>;

// "close" for every window of the list from a position to the end.
Events ClosesFrom(size_t position) {
  Events events;
  for (; position < kPanelWindowList.size(); ++position) {
    events.push_back("close " + std::to_string(kPanelWindowList[position]));
  }
  return events;
}

Events operator+(Events first, const Events& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

Events Sent(Cockpit& cockpit, uint32_t ident) {
  cockpit.clearKeyEvents();
  ShowPanelWindow(ident);
  return cockpit.windowEvents();
}

TEST(PanelWindows, EachViewSendsItsOpensAndClosesInListOrder) {
  Cockpit cockpit;
  EXPECT_EQ(Sent(cockpit, 10010), Events{"open 10010"} + ClosesFrom(1));
  EXPECT_EQ(Sent(cockpit, 10280), (Events{"open 10010", "open 10280"} + ClosesFrom(2)));
  EXPECT_EQ(Sent(cockpit, 10290), (Events{"close 10010", "close 10280", "open 10290"} + ClosesFrom(3)));
  EXPECT_EQ(Sent(cockpit, 10220),
            (Events{"close 10010", "close 10280", "close 10290", "open 10220"} + ClosesFrom(4)));
  EXPECT_EQ(Sent(cockpit, 10050), Events{"open 10050"} + ClosesFrom(5));
  EXPECT_EQ(Sent(cockpit, 10110), (Events{"open 10110", "close 10160", "close 10270"}));
  EXPECT_EQ(Sent(cockpit, 10270), Events{"open 10270"});
  for (uint32_t other : {10100u, 10230u, 10240u, 10090u, 0u, 2u}) {
    EXPECT_EQ(Sent(cockpit, other), Events{}) << other;
  }
  cockpit.clearKeyEvents();
  ClosePanelWindow(10250);
  EXPECT_EQ(cockpit.windowEvents(), Events{"close 10250"});
}

TEST(PanelWindows, TheSimulatorShowsTheViewAndDropsThePopupsAfterIt) {
  Cockpit cockpit;
  cockpit.setWindowVisible(10290, true).setWindowVisible(10050, true).setWindowVisible(10160, true);
  ShowPanelWindow(10280);
  EXPECT_TRUE(cockpit.isWindowVisible(10010));
  EXPECT_TRUE(cockpit.isWindowVisible(10280));
  EXPECT_FALSE(cockpit.isWindowVisible(10290));
  EXPECT_FALSE(cockpit.isWindowVisible(10050));
  EXPECT_FALSE(cockpit.isWindowVisible(10160));

  // A popup keeps the views and popups listed before it.
  cockpit.setWindowVisible(10060, true).setWindowVisible(10270, true);
  ShowPanelWindow(10070);
  EXPECT_TRUE(cockpit.isWindowVisible(10010));
  EXPECT_TRUE(cockpit.isWindowVisible(10060));
  EXPECT_TRUE(cockpit.isWindowVisible(10070));
  EXPECT_FALSE(cockpit.isWindowVisible(10270));
}

TEST(PanelWindows, ClosingThePopupsKeepsAShownMainView) {
  Cockpit cockpit;
  for (uint32_t view : {10010u, 10290u, 10220u}) {
    for (uint32_t other : {10010u, 10290u, 10220u}) cockpit.setWindowVisible(other, other == view);
    cockpit.setWindowVisible(10110, true);
    EXPECT_EQ(Sent(cockpit, kCloseAllPopups), ClosesFrom(4)) << view;
    EXPECT_TRUE(cockpit.isWindowVisible(view));
    EXPECT_FALSE(cockpit.isWindowVisible(10110));
  }
  EXPECT_EQ(ClosesFrom(4).size(), 14u);
}

TEST(PanelWindows, ClosingThePopupsWithNoMainViewBringsTheMainPanelBack) {
  Cockpit cockpit;
  cockpit.setWindowVisible(10280, true).setWindowVisible(10040, true);  // the overhead alone is no main view
  EXPECT_EQ(Sent(cockpit, kCloseAllPopups), Events{"open 10010"} + ClosesFrom(4));
  EXPECT_TRUE(cockpit.isWindowVisible(10010));
  EXPECT_TRUE(cockpit.isWindowVisible(10280));
  EXPECT_FALSE(cockpit.isWindowVisible(10040));
}

TEST(MenuWindow, FollowsTheDropMenuOptionWithinOneTick) {
  Cockpit cockpit;  // drop_menu is set by default
  EXPECT_TRUE(cockpit.windowEvents().empty()) << "nothing before the first tick";
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.windowEvents(), Events{"open 10090"});
  EXPECT_TRUE(cockpit.isWindowVisible(kPanelWindowMenu));
  cockpit.runTicks(20);
  EXPECT_EQ(cockpit.windowEvents().size(), 1u) << "no event while window and option agree";

  cockpit.clearKeyEvents().setWindowVisible(kPanelWindowMenu, false).runTicks(1);
  EXPECT_EQ(cockpit.windowEvents(), Events{"open 10090"}) << "the user closed it: opened again";

  cockpit.clearKeyEvents();
  SetOptionOff(kOptionDropMenu);
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.windowEvents(), Events{"close 10090"});
  EXPECT_FALSE(cockpit.isWindowVisible(kPanelWindowMenu));
  cockpit.runTicks(20);
  EXPECT_EQ(cockpit.windowEvents().size(), 1u);
}

TEST(MenuWindow, StaysClosedWhenTheOptionIsClearFromTheStart) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[OPTIONS]\r\ndrop_menu=0\r\n");
  cockpit.start().runSeconds(2);
  EXPECT_TRUE(cockpit.windowEvents().empty());
}

// The two flags are independent, a chosen view folds both, and an index
// outside them writes nowhere.
TEST(MenuWindow, MenuFlagsUnfoldAndFold) {
  Cockpit cockpit;
  SetMenuItem(0);
  SetMenuItem(1);
  ClearMenuItem(1);
  EXPECT_EQ(GetMenuItem(0), 1);
  EXPECT_EQ(GetMenuItem(1), 0);
  SetMenuItem(1);
  ResetMenuItems();
  EXPECT_EQ(GetMenuItem(0) + GetMenuItem(1), 0);
  for (int32_t outside : {2, -1, 1000}) {
    SetMenuItem(outside);
    EXPECT_EQ(GetMenuItem(outside), 0) << outside;
  }
  EXPECT_EQ(GetMenuItem(0) + GetMenuItem(1), 0);
}

}  // namespace
}  // namespace halcyon::test
