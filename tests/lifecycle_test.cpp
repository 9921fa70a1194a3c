// The lifecycle as the simulator drives it: start-up once, the tick list once
// per TICK18 change, shut-down once; GDI+ and the minute key event.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/lifecycle.h"
#include "core/options.h"
#include "core/tick_scheduler.h"
#include "core/tracking_allocator.h"
#include "platform/simconnect.h"
#include "platform/system.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

using simhost::Phase;

size_t IndexOf(const std::vector<std::string>& names, const std::string& name, size_t from = 0) {
  return static_cast<size_t>(std::find(names.begin() + static_cast<long>(from), names.end(), name) - names.begin());
}

// True when `first` runs before `second` in a list that has both.
bool Before(const std::vector<std::string>& names, const std::string& first, const std::string& second) {
  const size_t a = IndexOf(names, first);
  const size_t b = IndexOf(names, second);
  return a < names.size() && b < names.size() && a < b;
}

// What the systems rely on in the three lists: their lengths, each step once
// (the GPWS is initialised twice), and the orders that carry meaning.
TEST(Lifecycle, RunsTheThreeListsCompleteAndInTheOrderTheSystemsNeed) {
  Cockpit cockpit;
  cockpit.runTicks(3).shutdown();
  const auto once = [](std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return std::adjacent_find(names.begin(), names.end()) == names.end();
  };

  auto startup = cockpit.trace(Phase::Startup);
  ASSERT_EQ(startup.size(), 95u);
  EXPECT_EQ(startup.front(), "InitStartupSequence");
  EXPECT_EQ(startup[3], "ResetTickScheduler");
  EXPECT_EQ(startup[5], "ResetGdiplusStarted");
  EXPECT_EQ(IndexOf(startup, "InitGpws"), 36u);
  EXPECT_EQ(IndexOf(startup, "InitGpws", 37), 78u);
  EXPECT_EQ(startup.back(), "LoadAtcId");
  startup.erase(startup.begin() + 78);
  EXPECT_TRUE(once(startup));
  // The APU loads before the electrical system and the fuel pumps after it;
  // the options before the windows that follow them.
  EXPECT_TRUE(Before(startup, "LoadApu", "LoadElectric"));
  EXPECT_EQ(IndexOf(startup, "LoadElectric"), IndexOf(startup, "LoadApu") + 1);
  EXPECT_TRUE(Before(startup, "LoadApu", "LoadFuelPumps"));
  EXPECT_TRUE(Before(startup, "LoadUnitSystem", "LoadFuelPumps"));
  EXPECT_TRUE(Before(startup, "LoadOptions", "InitHotspots"));

  // Every tick runs the same 64 steps: the time jump and the scheduler
  // first, the APU right before the electrical system (it sees the verdict
  // of the last second), the minute event before the ground track.
  const auto firstTick = cockpit.tickTrace(1);
  ASSERT_EQ(firstTick.size(), 64u);
  EXPECT_TRUE(once(firstTick));
  EXPECT_EQ(cockpit.tickTrace(2), firstTick);
  EXPECT_EQ(cockpit.tickTrace(3), firstTick);
  EXPECT_EQ(firstTick[2], "DetectTimeJump");
  EXPECT_EQ(firstTick[3], "UpdateTickScheduler");
  EXPECT_EQ(firstTick[4], "DispatchSimConnect");
  EXPECT_EQ(IndexOf(firstTick, "UpdateElectric"), IndexOf(firstTick, "UpdateApu") + 1);
  EXPECT_TRUE(Before(firstTick, "UpdateUnitSystem", "UpdateFuelPumps"));
  EXPECT_EQ(firstTick[59], "UpdateVariousSyncGpws");
  EXPECT_EQ(firstTick[60], "KeyEvent65568");
  EXPECT_EQ(firstTick[61], "UpdateGroundTrack");
  EXPECT_EQ(firstTick.back(), "UpdateWiper");
  EXPECT_EQ(cockpit.trace(Phase::Ticking).size(), 3u * 64u);

  // Shut-down: SimConnect closed first, every system that loads from the INI
  // file and saves to it once.
  const auto shutdown = cockpit.trace(Phase::Shutdown);
  ASSERT_EQ(shutdown.size(), 69u);
  EXPECT_TRUE(once(shutdown));
  EXPECT_EQ(shutdown.front(), "CloseSimConnect");
  EXPECT_EQ(shutdown[21], "DestroySoundSystem");
  EXPECT_EQ(shutdown[48], "DestroyTcas");
  EXPECT_EQ(shutdown.back(), "SaveFastClick");
  for (const char* system : {"Apu", "Electric", "FuelPumps", "FuelQuantity", "UnitSystem", "Options", "Airspeed",
                             "Gsep", "FastClick"}) {
    EXPECT_LT(IndexOf(startup, std::string("Load") + system), startup.size()) << system;
    EXPECT_LT(IndexOf(shutdown, std::string("Save") + system), shutdown.size()) << system;
  }
}

TEST(Lifecycle, TickListRunsOncePerTick18Change) {
  Cockpit cockpit({.framesPerTick = 4});
  cockpit.runTicks(10);
  EXPECT_EQ(cockpit.host().TickListRuns(), 10u);

  // The simulator calls pre-update far more often than TICK18 changes: a
  // repeated value runs nothing at all.
  const size_t traced = cockpit.trace(Phase::Ticking).size();
  cockpit.host().SendService(platform::kServicePreUpdate);
  cockpit.host().SendService(platform::kServicePreUpdate);
  EXPECT_EQ(cockpit.trace(Phase::Ticking).size(), traced);

  // A TICK18 that goes back is a change as well.
  cockpit.clockBack(5).runTicks(1);
  EXPECT_EQ(cockpit.tick18(), 6.0);
  EXPECT_EQ(cockpit.tickTrace(6).size(), 2u * 64u);
  EXPECT_EQ(cockpit.host().TickListRuns(), 11u);
}

TEST(Lifecycle, NothingTicksBeforeThePanelIsInstalled) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::Tick18, 5);
  cockpit.host().SendService(platform::kServicePreUpdate);
  EXPECT_TRUE(cockpit.host().Trace().empty());
  EXPECT_EQ(AreSystemsLoaded(), 0);
}

TEST(Lifecycle, ASecondInstallDoesNotReloadTheSystems) {
  // The first connection fails; the next install tries again before any tick
  // does, as every post-install opens SimConnect, loaded or not.
  platform::simconnect::FailNextOpens(1);
  Cockpit cockpit;
  EXPECT_EQ(platform::simconnect::GetCounters().openAttempts, 1u);
  EXPECT_EQ(platform::simconnect::GetCounters().opens, 0u);
  cockpit.host().SendService(platform::kServicePostInstall);
  EXPECT_EQ(platform::simconnect::GetCounters().openAttempts, 2u);
  EXPECT_EQ(platform::simconnect::GetCounters().opens, 1u);
  EXPECT_EQ(cockpit.trace(Phase::Startup).size(), 95u);
  cockpit.runTicks(2);
  cockpit.host().SendService(platform::kServicePostInstall);
  cockpit.runTicks(2);
  EXPECT_EQ(cockpit.trace(Phase::Startup).size(), 95u);
  EXPECT_EQ(cockpit.trace(Phase::Ticking).size(), 4u * 64u);
  EXPECT_EQ(platform::GdiplusStats().starts, 1);
}

TEST(Lifecycle, ShutDownSavesOnceAndStopsGdiplusOnce) {
  Cockpit cockpit;
  EXPECT_EQ(IsGdiplusStarted(), 1u) << "the start-up list must not drop a running GDI+";
  cockpit.runTicks(2).shutdown().shutdown();
  EXPECT_EQ(cockpit.trace(Phase::Shutdown).size(), 69u);
  const platform::GdiplusCounters gdiplus = platform::GdiplusStats();
  EXPECT_EQ(gdiplus.starts, 1);
  EXPECT_EQ(gdiplus.shutdowns, 1);
  EXPECT_EQ(gdiplus.live, 0);
  EXPECT_EQ(gdiplus.badShutdowns, 0);
  EXPECT_EQ(IsGdiplusStarted(), 0u);
}

// The simulator reloads a panel by installing it again after its pre-kill;
// the kill after that saves what changed in between, closes the connection
// the install opened and writes the leak report again.
TEST(Lifecycle, EveryShutDownAfterAnInstallSavesOnce) {
  Cockpit cockpit;
  cockpit.setOption(kOptionSpacebar, true).runTicks(2).shutdown();
  EXPECT_EQ(cockpit.ini("OPTIONS", "spacebar"), "1");
  cockpit.start().setOption(kOptionSpacebar, false).runTicks(2);
  void* held = TrackedNew(8, "core/lifecycle.cpp", 1);
  cockpit.shutdown().shutdown();
  TrackedDelete(held);
  EXPECT_EQ(cockpit.ini("OPTIONS", "spacebar"), "0");
  EXPECT_EQ(cockpit.trace(Phase::Shutdown).size(), 2u * 69u);
  EXPECT_EQ(platform::simconnect::GetCounters().opens, 2u);
  EXPECT_EQ(platform::simconnect::GetCounters().closes, 2u);
  EXPECT_EQ(cockpit.ini("MEMORY NOT DEALLOCATED", "Total Unfreed:", "Gauges/HalcyonMemleak.ini"), "8 bytes");
}

TEST(Lifecycle, AFailedGdiplusStartIsTriedAgainOnTheNextInstall) {
  // the start-up list's, then the ND gauge's pre-initialise on the main panel and in its popup
  platform::FailNextGdiplusStartups(3);
  Cockpit cockpit;
  EXPECT_EQ(IsGdiplusStarted(), 0u);
  cockpit.host().SendService(platform::kServicePostInstall);
  EXPECT_EQ(IsGdiplusStarted(), 1u);
  cockpit.shutdown();
  EXPECT_EQ(platform::GdiplusStats().starts, 1);
  EXPECT_EQ(platform::GdiplusStats().live, 0);
}

TEST(Lifecycle, ShutDownWithoutGdiplusStillSavesEverything) {
  platform::FailNextGdiplusStartups(3);
  Cockpit cockpit;
  cockpit.runTicks(1).shutdown();
  EXPECT_EQ(platform::GdiplusStats().shutdowns, 0);
  EXPECT_EQ(cockpit.trace(Phase::Shutdown).size(), 69u);
}

TEST(Lifecycle, ExportsAnswerAsTheSimulatorExpects) {
  Cockpit cockpit;
  EXPECT_EQ(cockpit.host().Module().CallStart(), 0u);
  EXPECT_EQ(cockpit.host().Module().CallStop(), 0u);
  ASSERT_FALSE(cockpit.host().Module().Gauges().empty());
  EXPECT_STREQ(cockpit.host().Module().Gauges().front()->name, "Airspeed");
}

// Key event 65568 goes out on the ticks channel 11 is due: first one tick
// after its stagger of 13, then every 1081 ticks.
TEST(Lifecycle, MinuteKeyEventFollowsChannel11) {
  Cockpit cockpit;
  cockpit.runTicks(2200);
  const auto events = cockpit.keyEvents(kKeyEventMinuteTick);
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].tick18, 14.0);
  EXPECT_EQ(events[1].tick18, 1095.0);
  EXPECT_EQ(events[2].tick18, 2176.0);
  EXPECT_EQ(events[0].value, 0u);
}

TEST(Lifecycle, MinuteKeyEventNeverWhileTheSimulationClockStands) {
  Cockpit cockpit;
  cockpit.runTicks(1090).freezeClock(true).runTicks(10).freezeClock(false).runTicks(1100);
  const auto events = cockpit.keyEvents(kKeyEventMinuteTick);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].tick18, 14.0);
  EXPECT_EQ(events[1].tick18, 2176.0) << "the due tick passed during the pause is not made up";
}

}  // namespace
}  // namespace halcyon::test
