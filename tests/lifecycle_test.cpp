// The lifecycle as the simulator drives it: start-up once, the tick list once
// per TICK18 change, shut-down once; GDI+ and the minute key event.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "core/lifecycle.h"
#include "core/tick_scheduler.h"
#include "platform/simconnect.h"
#include "platform/system.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

using simhost::Phase;

// The three lists as the cockpit's systems depend on them, written out here
// on their own so that a step moved, dropped or doubled in the dispatcher's
// tables shows up. The minute key event is traced as "KeyEvent65568".
constexpr const char* kExpectedStartup =
    "InitStartupSequence InitMenu LoadUnitSystem ResetTickScheduler CreateSoundSystem "
    "ResetGdiplusStarted LoadEfisPfd InitNavDisplay InitFms CreateKeyboardCombos LoadOcl LoadCpl "
    "LoadApu LoadElectric LoadCabinPress LoadAirCondition ResetAnnunciators LoadSideSwitches "
    "LoadFuelPumps InitLampTest LoadDfgs InitGear InitFuelLevers LoadEngineStarter InitEdpIndication "
    "LoadHydraulicPumps LoadBrakeTemperature LoadArt LoadIceProtection LoadPneumaticXFeed "
    "InitAutoSpoilers LoadAutobrake LoadGear LoadStabTrim InitWarningLights ClearVoiceQueue InitGpws "
    "InitAuralWarnings InitVarious LoadFuel LoadOptions InitHotspots InitAutoflightAlerts "
    "ResetAltimeter LoadRadar LoadFuelFlow LoadChecklist LoadAudioPanel LoadVarious "
    "LoadVariousSyncGpws LoadRain LoadFlaps LoadSpeedCards InitVoiceRecorder LoadAirspeed LoadSlats "
    "LoadEpr InitEdp LoadEfisDimmer LoadTransponder ResetCenterPage ResetEditorMode LoadIrs "
    "LoadEfisSwitching LoadFgcp LoadLongitudeTrim LoadExternalLights ResetCallouts CreateTcas "
    "LoadMagTrue InitGroundTrack LoadAdf InitEngineFire LoadEfisMcp LoadComm LoadEfds LoadFdr "
    "LoadFuelQuantity InitGpws LoadGsep LoadNav LoadOxygen LoadRdi LoadRecirculationFan "
    "LoadRudderTrim InitTasSat LoadLevers LoadTrp LoadFdc InitWiper LoadAileronTrim LoadAltimeter "
    "LoadCockpitLights LoadFastClick LoadAtcId ";
constexpr const char* kExpectedTick =
    "UpdateStartupSequence UpdateMenu DetectTimeJump UpdateTickScheduler DispatchSimConnect "
    "UpdateUnitSystem UpdateEfisPfd UpdateNavDisplay PollKeyboardShortcuts UpdateApu UpdateElectric "
    "UpdateCabinPress UpdateAirCondition UpdateAnnunciators UpdateFuelPumps UpdateLampTest UpdateDfgs "
    "UpdateGear UpdateFuelLevers UpdateAudioPanel UpdateEngineStarter UpdateEdpIndication "
    "UpdateBrakeTemperature UpdateArt UpdateIceProtection UpdateAutoSpoilers UpdateContinuousSounds "
    "UpdateAutobrake UpdateAlternateGear UpdateStabTrim UpdateTakeoffWarning UpdateWarningLights "
    "UpdateAuralWarnings PlayQueuedMessage UpdateGpws UpdateVarious UpdateLevers UpdateExternalLights "
    "EvaluateCallouts UpdateAutoflightAlerts UpdateAltimeter UpdateDecisionHeightAlert UpdateFuelFlow "
    "UpdateGroundCom UpdatePosStrobeLights UpdatePneumaticPressure UpdatePneumaticXFeed UpdateFlaps "
    "UpdateVoiceRecorder UpdateSlats UpdateEpr UpdateHydraulicPumps UpdateEdp UpdateNav "
    "UpdateTransponder UpdateIrs UpdateFms UpdateTcas UpdateTrp UpdateVariousSyncGpws KeyEvent65568 "
    "UpdateGroundTrack UpdateEngineFire UpdateWiper ";
constexpr const char* kExpectedShutdown =
    "CloseSimConnect SaveUnitSystem SaveEfisPfd FreeNavDisplay SaveFms FreeKeyboardInput SaveOcl "
    "SaveCpl SaveSideSwitches SaveElectric SaveCabinPress SaveAirCondition SaveFuelPumps SaveDfgs "
    "SaveEngineStarter SaveFuelLevers SaveHydraulicPumps SaveBrakeTemperature SaveArt "
    "SaveIceProtection SavePneumaticXFeed DestroySoundSystem SaveAutobrake SaveGear SaveStabTrim "
    "SaveFuel SaveOptions SaveRadar SaveFuelFlow SaveChecklist SaveAudioPanel SaveVarious "
    "SaveVariousSyncGpws SaveRain SaveFlaps SaveSpeedCards SaveApu SaveAirspeed SaveSlats SaveEpr "
    "SaveEfisDimmer SaveTransponder ShutdownEditorMode SaveIrs SaveEfisSwitching SaveFgcp "
    "SaveLongitudeTrim SaveExternalLights DestroyTcas SaveMagTrue SaveAdf SaveEfisMcp SaveComm "
    "SaveEfds SaveFdr SaveFuelQuantity SaveGsep SaveNav SaveOxygen SaveRdi SaveRecirculationFan "
    "SaveRudderTrim SaveLevers SaveTrp SaveFdc SaveAileronTrim SaveAltimeter SaveCockpitLights "
    "SaveFastClick ";

std::vector<std::string> Words(const char* text) {
  std::istringstream stream(text);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

size_t IndexOf(const std::vector<std::string>& names, const std::string& name, size_t from = 0) {
  return static_cast<size_t>(std::find(names.begin() + static_cast<long>(from), names.end(), name) - names.begin());
}

TEST(Lifecycle, RunsTheThreeListsCompleteAndInOrder) {
  Cockpit cockpit;
  cockpit.runTicks(3).shutdown();

  const auto startup = cockpit.trace(Phase::Startup);
  EXPECT_EQ(startup, Words(kExpectedStartup));
  ASSERT_EQ(startup.size(), 95u);
  EXPECT_EQ(startup.front(), "InitStartupSequence");
  EXPECT_EQ(startup[3], "ResetTickScheduler");
  EXPECT_EQ(startup[5], "ResetGdiplusStarted");
  EXPECT_EQ(IndexOf(startup, "InitGpws"), 36u);
  EXPECT_EQ(IndexOf(startup, "InitGpws", 37), 78u);
  EXPECT_EQ(startup.back(), "LoadAtcId");

  // Every tick runs the same 64 steps.
  const auto firstTick = cockpit.tickTrace(1);
  EXPECT_EQ(firstTick, Words(kExpectedTick));
  ASSERT_EQ(firstTick.size(), 64u);
  EXPECT_EQ(cockpit.tickTrace(2), firstTick);
  EXPECT_EQ(cockpit.tickTrace(3), firstTick);
  EXPECT_EQ(firstTick[2], "DetectTimeJump");
  EXPECT_EQ(firstTick[3], "UpdateTickScheduler");
  EXPECT_EQ(firstTick[4], "DispatchSimConnect");
  EXPECT_EQ(firstTick[59], "UpdateVariousSyncGpws");
  EXPECT_EQ(firstTick[60], "KeyEvent65568");
  EXPECT_EQ(firstTick[61], "UpdateGroundTrack");
  EXPECT_EQ(firstTick.back(), "UpdateWiper");
  EXPECT_EQ(cockpit.trace(Phase::Ticking).size(), 3u * 64u);

  const auto shutdown = cockpit.trace(Phase::Shutdown);
  EXPECT_EQ(shutdown, Words(kExpectedShutdown));
  ASSERT_EQ(shutdown.size(), 69u);
  EXPECT_EQ(shutdown.front(), "CloseSimConnect");
  EXPECT_EQ(shutdown[21], "DestroySoundSystem");
  EXPECT_EQ(shutdown[48], "DestroyTcas");
  EXPECT_EQ(shutdown.back(), "SaveFastClick");
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

TEST(Lifecycle, AFailedGdiplusStartIsTriedAgainOnTheNextInstall) {
  platform::FailNextGdiplusStartups(1);
  Cockpit cockpit;
  EXPECT_EQ(IsGdiplusStarted(), 0u);
  cockpit.host().SendService(platform::kServicePostInstall);
  EXPECT_EQ(IsGdiplusStarted(), 1u);
  cockpit.shutdown();
  EXPECT_EQ(platform::GdiplusStats().starts, 1);
  EXPECT_EQ(platform::GdiplusStats().live, 0);
}

TEST(Lifecycle, ShutDownWithoutGdiplusStillSavesEverything) {
  platform::FailNextGdiplusStartups(1);
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
