// The lifecycle dispatcher that the first gauge drives: starts every system
// once per process on the post-install service, steps them all at most once
// per TICK18 tick on the pre-update service, and saves and frees them on the
// pre-kill service. Reads TICK18; drives every system's Load, Update and Save.
#include "core/lifecycle.h"

#include <iterator>

#include "core/ground_track.h"
#include "core/helpers.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "core/tracking_allocator.h"
#include "crewaids/dispatch/dispatch_model.h"
#include "crewaids/training/center_page.h"
#include "crewaids/training/lesson_steps.h"
#include "displays/efis/display_states.h"
#include "displays/efis/efis_dimmer.h"
#include "displays/efis/efis_mcp.h"
#include "displays/radar/radar.h"
#include "displays/tcas/tcas.h"
#include "displays/tcas/tcas_logic.h"
#include "fmc/fms.h"
#include "gauges/gauge_table.h"
#include "host/callouts.h"
#include "host/direct_input_keyboard.h"
#include "host/keyboard_combos.h"
#include "host/simconnect_client.h"
#include "host/sound_system.h"
#include "host/voice_queue.h"
#include "platform/system.h"
#include "systems/air_condition.h"
#include "systems/alert_list.h"
#include "systems/annunciator_lamps.h"
#include "systems/apu.h"
#include "systems/audio_panel.h"
#include "systems/aural_warnings.h"
#include "systems/autobrake.h"
#include "systems/brake_temperature.h"
#include "systems/cabin_press.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/engine_start.h"
#include "systems/epr.h"
#include "systems/fire_protection.h"
#include "systems/flaps.h"
#include "systems/fuel_flow.h"
#include "systems/fuel_pumps.h"
#include "systems/fuel_quantity.h"
#include "systems/gear.h"
#include "systems/gpws.h"
#include "systems/ground_crew.h"
#include "systems/ground_service.h"
#include "systems/hydraulics.h"
#include "systems/ice_protection.h"
#include "systems/irs.h"
#include "systems/kept_controls.h"
#include "systems/levers.h"
#include "systems/lights.h"
#include "systems/mag_true.h"
#include "systems/menu_state.h"
#include "systems/pneumatics.h"
#include "systems/radios.h"
#include "systems/rain.h"
#include "systems/reserve_thrust.h"
#include "systems/speed_bugs.h"
#include "systems/startup_sequence.h"
#include "systems/tas_sat.h"
#include "systems/thrust_rating.h"
#include "systems/unit_system.h"
#include "systems/various.h"
#include "systems/warning_lights.h"
#include "systems/altimeter.h"
#include "systems/edp.h"
#include "systems/fma.h"
#include "systems/ground_spoilers.h"
#include "systems/longitudinal_trim.h"
#include "systems/speed_cards.h"
#include "systems/takeoff_warning.h"

namespace halcyon {
namespace {

uint8_t g_systemsLoaded = 0;
uint8_t g_systemsSaved = 0;
double g_lastTick18 = 0.0;

uint32_t g_gdiplusStarted = 0;
platform::GdiplusToken g_gdiplusToken = 0;
platform::GdiplusStatus g_gdiplusStatus = 0;
const platform::GdiplusStartupInput g_gdiplusStartupInput{};

// Sent about once a minute, on the ticks channel 11 is due.
void SendMinuteKeyEvent() {
  if (IsTickDue(kChannel60s) == 1) TriggerKeyEvent(kKeyEventMinuteTick, 0);
}

// The three call lists, in the order the systems depend on: a step reads what
// the steps before it stored on this tick and what the steps after it stored
// on the previous one.
constexpr LifecycleStep kStartupList[] = {
    {"InitStartupSequence", InitStartupSequence},
    {"InitMenu", InitMenu},
    {"LoadUnitSystem", LoadUnitSystem},
    {"ResetTickScheduler", ResetTickScheduler},
    {"CreateSoundSystem", CreateSoundSystem},
    {"ResetGdiplusStarted", ResetGdiplusStarted},
    {"LoadEfisPfd", LoadEfisPfd},
    {"InitNavDisplay", InitNavDisplay},
    {"InitFms", InitFms},
    {"CreateKeyboardCombos", CreateKeyboardCombos},
    {"LoadOcl", LoadOcl},
    {"LoadCpl", LoadCpl},
    {"LoadApu", LoadApu},
    {"LoadElectric", LoadElectric},
    {"LoadCabinPress", LoadCabinPress},
    {"LoadAirCondition", LoadAirCondition},
    {"ResetAnnunciators", ResetAnnunciators},
    {"LoadSideSwitches", LoadSideSwitches},
    {"LoadFuelPumps", LoadFuelPumps},
    {"InitLampTest", InitLampTest},
    {"LoadDfgs", LoadDfgs},
    {"InitGear", InitGear},
    {"InitFuelLevers", InitFuelLevers},
    {"LoadEngineStarter", LoadEngineStarter},
    {"InitEdpIndication", InitEdpIndication},
    {"LoadHydraulicPumps", LoadHydraulicPumps},
    {"LoadBrakeTemperature", LoadBrakeTemperature},
    {"LoadArt", LoadArt},
    {"LoadIceProtection", LoadIceProtection},
    {"LoadPneumaticXFeed", LoadPneumaticXFeed},
    {"InitAutoSpoilers", InitAutoSpoilers},
    {"LoadAutobrake", LoadAutobrake},
    {"LoadGear", LoadGear},
    {"LoadStabTrim", LoadStabTrim},
    {"InitWarningLights", InitWarningLights},
    {"ClearVoiceQueue", ClearVoiceQueue},
    {"InitGpws", InitGpws},
    {"InitAuralWarnings", InitAuralWarnings},
    {"InitVarious", InitVarious},
    {"LoadFuel", LoadFuel},
    {"LoadOptions", LoadOptions},
    {"InitHotspots", InitHotspots},
    {"InitAutoflightAlerts", InitAutoflightAlerts},
    {"ResetAltimeter", ResetAltimeter},
    {"LoadRadar", LoadRadar},
    {"LoadFuelFlow", LoadFuelFlow},
    {"LoadChecklist", LoadChecklist},
    {"LoadAudioPanel", LoadAudioPanel},
    {"LoadVarious", LoadVarious},
    {"LoadVariousSyncGpws", LoadVariousSyncGpws},
    {"LoadRain", LoadRain},
    {"LoadFlaps", LoadFlaps},
    {"LoadSpeedCards", LoadSpeedCards},
    {"InitVoiceRecorder", InitVoiceRecorder},
    {"LoadAirspeed", LoadAirspeed},
    {"LoadSlats", LoadSlats},
    {"LoadEpr", LoadEpr},
    {"InitEdp", InitEdp},
    {"LoadEfisDimmer", LoadEfisDimmer},
    {"LoadTransponder", LoadTransponder},
    {"ResetCenterPage", ResetCenterPage},
    {"ResetEditorMode", ResetEditorMode},
    {"LoadIrs", LoadIrs},
    {"LoadEfisSwitching", LoadEfisSwitching},
    {"LoadFgcp", LoadFgcp},
    {"LoadLongitudeTrim", LoadLongitudeTrim},
    {"LoadExternalLights", LoadExternalLights},
    {"ResetCallouts", ResetCallouts},
    {"CreateTcas", CreateTcas},
    {"LoadMagTrue", LoadMagTrue},
    {"InitGroundTrack", InitGroundTrack},
    {"LoadAdf", LoadAdf},
    {"InitEngineFire", InitEngineFire},
    {"LoadEfisMcp", LoadEfisMcp},
    {"LoadComm", LoadComm},
    {"LoadEfds", LoadEfds},
    {"LoadFdr", LoadFdr},
    {"LoadFuelQuantity", LoadFuelQuantity},
    {"InitGpws", InitGpws},
    {"LoadGsep", LoadGsep},
    {"LoadNav", LoadNav},
    {"LoadOxygen", LoadOxygen},
    {"LoadRdi", LoadRdi},
    {"LoadRecirculationFan", LoadRecirculationFan},
    {"LoadRudderTrim", LoadRudderTrim},
    {"InitTasSat", InitTasSat},
    {"LoadLevers", LoadLevers},
    {"LoadTrp", LoadTrp},
    {"LoadFdc", LoadFdc},
    {"InitWiper", InitWiper},
    {"LoadAileronTrim", LoadAileronTrim},
    {"LoadAltimeter", LoadAltimeter},
    {"LoadCockpitLights", LoadCockpitLights},
    {"LoadFastClick", LoadFastClick},
    {"LoadAtcId", LoadAtcId},
};

constexpr LifecycleStep kTickList[] = {
    {"UpdateStartupSequence", UpdateStartupSequence},
    {"UpdateMenu", UpdateMenu},
    {"DetectTimeJump", DetectTimeJump},
    {"UpdateTickScheduler", UpdateTickScheduler},
    {"DispatchSimConnect", DispatchSimConnect},
    {"UpdateUnitSystem", UpdateUnitSystem},
    {"UpdateEfisPfd", UpdateEfisPfd},
    {"UpdateNavDisplay", UpdateNavDisplay},
    {"PollKeyboardShortcuts", PollKeyboardShortcuts},
    {"UpdateApu", UpdateApu},
    {"UpdateElectric", UpdateElectric},
    {"UpdateCabinPress", UpdateCabinPress},
    {"UpdateAirCondition", UpdateAirCondition},
    {"UpdateAnnunciators", UpdateAnnunciators},
    {"UpdateFuelPumps", UpdateFuelPumps},
    {"UpdateLampTest", UpdateLampTest},
    {"UpdateDfgs", UpdateDfgs},
    {"UpdateGear", UpdateGear},
    {"UpdateFuelLevers", UpdateFuelLevers},
    {"UpdateAudioPanel", UpdateAudioPanel},
    {"UpdateEngineStarter", UpdateEngineStarter},
    {"UpdateEdpIndication", UpdateEdpIndication},
    {"UpdateBrakeTemperature", UpdateBrakeTemperature},
    {"UpdateArt", UpdateArt},
    {"UpdateIceProtection", UpdateIceProtection},
    {"UpdateAutoSpoilers", UpdateAutoSpoilers},
    {"UpdateContinuousSounds", UpdateContinuousSounds},
    {"UpdateAutobrake", UpdateAutobrake},
    {"UpdateAlternateGear", UpdateAlternateGear},
    {"UpdateStabTrim", UpdateStabTrim},
    {"UpdateTakeoffWarning", UpdateTakeoffWarning},
    {"UpdateWarningLights", UpdateWarningLights},
    {"UpdateAuralWarnings", UpdateAuralWarnings},
    {"PlayQueuedMessage", PlayQueuedMessage},
    {"UpdateGpws", UpdateGpws},
    {"UpdateVarious", UpdateVarious},
    {"UpdateLevers", UpdateLevers},
    {"UpdateExternalLights", UpdateExternalLights},
    {"EvaluateCallouts", EvaluateCallouts},
    {"UpdateAutoflightAlerts", UpdateAutoflightAlerts},
    {"UpdateAltimeter", UpdateAltimeter},
    {"UpdateDecisionHeightAlert", UpdateDecisionHeightAlert},
    {"UpdateFuelFlow", UpdateFuelFlow},
    {"UpdateGroundCom", UpdateGroundCom},
    {"UpdatePosStrobeLights", UpdatePosStrobeLights},
    {"UpdatePneumaticPressure", UpdatePneumaticPressure},
    {"UpdatePneumaticXFeed", UpdatePneumaticXFeed},
    {"UpdateFlaps", UpdateFlaps},
    {"UpdateVoiceRecorder", UpdateVoiceRecorder},
    {"UpdateSlats", UpdateSlats},
    {"UpdateEpr", UpdateEpr},
    {"UpdateHydraulicPumps", UpdateHydraulicPumps},
    {"UpdateEdp", UpdateEdp},
    {"UpdateNav", UpdateNav},
    {"UpdateTransponder", UpdateTransponder},
    {"UpdateIrs", UpdateIrs},
    {"UpdateFms", UpdateFms},
    {"UpdateTcas", UpdateTcas},
    {"UpdateTrp", UpdateTrp},
    {"UpdateVariousSyncGpws", UpdateVariousSyncGpws},
    {"KeyEvent65568", SendMinuteKeyEvent},
    {"UpdateGroundTrack", UpdateGroundTrack},
    {"UpdateEngineFire", UpdateEngineFire},
    {"UpdateWiper", UpdateWiper},
};

constexpr LifecycleStep kShutdownList[] = {
    {"CloseSimConnect", CloseSimConnect},
    {"SaveUnitSystem", SaveUnitSystem},
    {"SaveEfisPfd", SaveEfisPfd},
    {"FreeNavDisplay", FreeNavDisplay},
    {"SaveFms", SaveFms},
    {"FreeKeyboardInput", FreeKeyboardInput},
    {"SaveOcl", SaveOcl},
    {"SaveCpl", SaveCpl},
    {"SaveSideSwitches", SaveSideSwitches},
    {"SaveElectric", SaveElectric},
    {"SaveCabinPress", SaveCabinPress},
    {"SaveAirCondition", SaveAirCondition},
    {"SaveFuelPumps", SaveFuelPumps},
    {"SaveDfgs", SaveDfgs},
    {"SaveEngineStarter", SaveEngineStarter},
    {"SaveFuelLevers", SaveFuelLevers},
    {"SaveHydraulicPumps", SaveHydraulicPumps},
    {"SaveBrakeTemperature", SaveBrakeTemperature},
    {"SaveArt", SaveArt},
    {"SaveIceProtection", SaveIceProtection},
    {"SavePneumaticXFeed", SavePneumaticXFeed},
    {"DestroySoundSystem", DestroySoundSystem},
    {"SaveAutobrake", SaveAutobrake},
    {"SaveGear", SaveGear},
    {"SaveStabTrim", SaveStabTrim},
    {"SaveFuel", SaveFuel},
    {"SaveOptions", SaveOptions},
    {"SaveRadar", SaveRadar},
    {"SaveFuelFlow", SaveFuelFlow},
    {"SaveChecklist", SaveChecklist},
    {"SaveAudioPanel", SaveAudioPanel},
    {"SaveVarious", SaveVarious},
    {"SaveVariousSyncGpws", SaveVariousSyncGpws},
    {"SaveRain", SaveRain},
    {"SaveFlaps", SaveFlaps},
    {"SaveSpeedCards", SaveSpeedCards},
    {"SaveApu", SaveApu},
    {"SaveAirspeed", SaveAirspeed},
    {"SaveSlats", SaveSlats},
    {"SaveEpr", SaveEpr},
    {"SaveEfisDimmer", SaveEfisDimmer},
    {"SaveTransponder", SaveTransponder},
    {"ShutdownEditorMode", ShutdownEditorMode},
    {"SaveIrs", SaveIrs},
    {"SaveEfisSwitching", SaveEfisSwitching},
    {"SaveFgcp", SaveFgcp},
    {"SaveLongitudeTrim", SaveLongitudeTrim},
    {"SaveExternalLights", SaveExternalLights},
    {"DestroyTcas", DestroyTcas},
    {"SaveMagTrue", SaveMagTrue},
    {"SaveAdf", SaveAdf},
    {"SaveEfisMcp", SaveEfisMcp},
    {"SaveComm", SaveComm},
    {"SaveEfds", SaveEfds},
    {"SaveFdr", SaveFdr},
    {"SaveFuelQuantity", SaveFuelQuantity},
    {"SaveGsep", SaveGsep},
    {"SaveNav", SaveNav},
    {"SaveOxygen", SaveOxygen},
    {"SaveRdi", SaveRdi},
    {"SaveRecirculationFan", SaveRecirculationFan},
    {"SaveRudderTrim", SaveRudderTrim},
    {"SaveLevers", SaveLevers},
    {"SaveTrp", SaveTrp},
    {"SaveFdc", SaveFdc},
    {"SaveAileronTrim", SaveAileronTrim},
    {"SaveAltimeter", SaveAltimeter},
    {"SaveCockpitLights", SaveCockpitLights},
    {"SaveFastClick", SaveFastClick},
};

void RunList(std::span<const LifecycleStep> steps) {
  const bool tracing = platform::IsTraceOn();
  for (const LifecycleStep& step : steps) {
    if (tracing) platform::Trace(step.name);
    step.run();
  }
}

void OnPostInstall() {
  OpenSimConnect();
  StartGdiplus();
  // A panel installed again (a reload) is killed again later, and that kill
  // saves what changed in between and closes the connection just opened.
  g_systemsSaved = 0;
  if (g_systemsLoaded != 0) return;
  platform::SeedRandom(static_cast<uint32_t>(platform::CalendarTime()));
  RunList(kStartupList);
  g_systemsLoaded = 1;
}

void OnPreUpdate() {
  // The simulator never ticks a panel it has not installed; should it, the
  // systems would step on state they have not loaded yet.
  if (g_systemsLoaded == 0) return;
  const double tick18 = CurrentTick18();
  if (tick18 == g_lastTick18) return;
  g_lastTick18 = tick18;
  RunList(kTickList);
  UpdateGaugePictures();
}

void OnPreKill() {
  if (IsGdiplusStarted() == 1) {
    platform::GdiplusShutdown(g_gdiplusToken);
    g_gdiplusToken = 0;
    SetGdiplusStarted(0);
  }
  // A second instance of the first gauge is killed too; the state is saved
  // once per install.
  if (g_systemsLoaded == 0 || g_systemsSaved != 0) return;
  RunList(kShutdownList);
  g_systemsSaved = 1;
  DumpUnfreed(L".\\Gauges\\HalcyonMemleak.ini");
}

}  // namespace

std::span<const LifecycleStep> StartupList() { return kStartupList; }
std::span<const LifecycleStep> TickList() { return kTickList; }
std::span<const LifecycleStep> ShutdownList() { return kShutdownList; }

void RunSystemsLifecycle(uint32_t serviceId) {
  switch (serviceId) {
    case platform::kServicePostInstall:
      OnPostInstall();
      break;
    case platform::kServicePreUpdate:
      OnPreUpdate();
      break;
    case platform::kServicePreKill:
      OnPreKill();
      break;
    default:
      break;
  }
}

void StartGdiplus() {
  if (IsGdiplusStarted() != 0) return;
  g_gdiplusStatus = platform::GdiplusStartup(&g_gdiplusToken, &g_gdiplusStartupInput, nullptr);
  if (g_gdiplusStatus == 0) SetGdiplusStarted(1);
}

// Clearing the flag while GDI+ runs would drop the live token and start a
// second one later; the flag is cleared only when nothing is running.
void ResetGdiplusStarted() {
  if (g_gdiplusToken == 0) g_gdiplusStarted = 0;
}

void SetGdiplusStarted(uint32_t started) { g_gdiplusStarted = started; }
uint32_t IsGdiplusStarted() { return g_gdiplusStarted; }
uint8_t AreSystemsLoaded() { return g_systemsLoaded; }

}  // namespace halcyon
