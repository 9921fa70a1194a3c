// Placeholders for steps of the aircraft systems and flight guidance not built yet.
#include "systems/placeholders.h"

#include "core/helpers.h"
#include "core/panel_services.h"
#include "platform/system.h"

namespace halcyon {

bool IsGroundSpoilerDeployed() { return platform::PlaceholderInput("ground_spoilers_deployed", 0.0) != 0.0; }

uint32_t IsAirfoilHeatSwitchOn() { return platform::PlaceholderInput("airfoil_anti_ice", 0.0) != 0.0 ? 1 : 0; }

uint32_t IsEngineAntiIceOn(int32_t engine) {
  if (engine != 1 && engine != 2) return 0;
  return platform::PlaceholderInput(engine == 1 ? "engine_anti_ice_1" : "engine_anti_ice_2", 0.0) != 0.0 ? 1 : 0;
}

int32_t GetGearWheelsLampPosition() {
  return TruncateSaturated<int32_t>(platform::PlaceholderInput("gear_wheels_lamp", 124.0));
}

bool IsGroundCrewSequenceStarted() { return platform::PlaceholderInput("ground_crew_sequence", 0.0) != 0.0; }

int32_t GetIrsStatusPosition(int32_t unit) {
  return TruncateSaturated<int32_t>(platform::PlaceholderInput(unit == 1 ? "irs_left" : "irs_right", 120.0));
}

void InitStartupSequence() { platform::NoteNotBuilt("InitStartupSequence"); }
void LoadOcl() { platform::NoteNotBuilt("LoadOcl"); }
void LoadCpl() { platform::NoteNotBuilt("LoadCpl"); }
void LoadSideSwitches() { platform::NoteNotBuilt("LoadSideSwitches"); }
void InitGear() { platform::NoteNotBuilt("InitGear"); }
void LoadBrakeTemperature() { platform::NoteNotBuilt("LoadBrakeTemperature"); }
void LoadIceProtection() { platform::NoteNotBuilt("LoadIceProtection"); }
void InitAutoSpoilers() { platform::NoteNotBuilt("InitAutoSpoilers"); }
void LoadAutobrake() { platform::NoteNotBuilt("LoadAutobrake"); }
void LoadGear() { platform::NoteNotBuilt("LoadGear"); }
void LoadStabTrim() { platform::NoteNotBuilt("LoadStabTrim"); }
void InitAutoflightAlerts() { platform::NoteNotBuilt("InitAutoflightAlerts"); }
void ResetAltimeter() { platform::NoteNotBuilt("ResetAltimeter"); }
void LoadChecklist() { platform::NoteNotBuilt("LoadChecklist"); }
void LoadAudioPanel() { platform::NoteNotBuilt("LoadAudioPanel"); }
void LoadRain() { platform::NoteNotBuilt("LoadRain"); }
void LoadFlaps() { platform::NoteNotBuilt("LoadFlaps"); }
void LoadSpeedCards() { platform::NoteNotBuilt("LoadSpeedCards"); }
void LoadSlats() { platform::NoteNotBuilt("LoadSlats"); }
void InitEdp() { platform::NoteNotBuilt("InitEdp"); }
void LoadTransponder() { platform::NoteNotBuilt("LoadTransponder"); }
void LoadIrs() { platform::NoteNotBuilt("LoadIrs"); }
void LoadLongitudeTrim() { platform::NoteNotBuilt("LoadLongitudeTrim"); }
void LoadExternalLights() { platform::NoteNotBuilt("LoadExternalLights"); }
void LoadMagTrue() { platform::NoteNotBuilt("LoadMagTrue"); }
void LoadAdf() { platform::NoteNotBuilt("LoadAdf"); }
void LoadComm() { platform::NoteNotBuilt("LoadComm"); }
void LoadFdr() { platform::NoteNotBuilt("LoadFdr"); }
void LoadNav() { platform::NoteNotBuilt("LoadNav"); }
void LoadOxygen() { platform::NoteNotBuilt("LoadOxygen"); }
void LoadRdi() { platform::NoteNotBuilt("LoadRdi"); }
void LoadRecirculationFan() { platform::NoteNotBuilt("LoadRecirculationFan"); }
void LoadRudderTrim() { platform::NoteNotBuilt("LoadRudderTrim"); }
void InitWiper() { platform::NoteNotBuilt("InitWiper"); }
void LoadAileronTrim() { platform::NoteNotBuilt("LoadAileronTrim"); }
void LoadAltimeter() { platform::NoteNotBuilt("LoadAltimeter"); }
void LoadCockpitLights() { platform::NoteNotBuilt("LoadCockpitLights"); }
void LoadAtcId() { platform::NoteNotBuilt("LoadAtcId"); }
void UpdateStartupSequence() { platform::NoteNotBuilt("UpdateStartupSequence"); }
void UpdateAnnunciators() { platform::NoteNotBuilt("UpdateAnnunciators"); }
void UpdateGear() { platform::NoteNotBuilt("UpdateGear"); }
void UpdateAudioPanel() { platform::NoteNotBuilt("UpdateAudioPanel"); }
void UpdateBrakeTemperature() { platform::NoteNotBuilt("UpdateBrakeTemperature"); }
void UpdateIceProtection() { platform::NoteNotBuilt("UpdateIceProtection"); }
void UpdateAutoSpoilers() { platform::NoteNotBuilt("UpdateAutoSpoilers"); }
void UpdateAutobrake() { platform::NoteNotBuilt("UpdateAutobrake"); }
void UpdateAlternateGear() { platform::NoteNotBuilt("UpdateAlternateGear"); }
void UpdateStabTrim() { platform::NoteNotBuilt("UpdateStabTrim"); }
void UpdateTakeoffWarning() { platform::NoteNotBuilt("UpdateTakeoffWarning"); }
void UpdateExternalLights() { platform::NoteNotBuilt("UpdateExternalLights"); }
void UpdateAutoflightAlerts() { platform::NoteNotBuilt("UpdateAutoflightAlerts"); }
void UpdateAltimeter() { platform::NoteNotBuilt("UpdateAltimeter"); }
void UpdateGroundCom() { platform::NoteNotBuilt("UpdateGroundCom"); }
void UpdatePosStrobeLights() { platform::NoteNotBuilt("UpdatePosStrobeLights"); }
void UpdateFlaps() { platform::NoteNotBuilt("UpdateFlaps"); }
void UpdateSlats() { platform::NoteNotBuilt("UpdateSlats"); }
void UpdateEdp() { platform::NoteNotBuilt("UpdateEdp"); }
void UpdateNav() { platform::NoteNotBuilt("UpdateNav"); }
void UpdateTransponder() { platform::NoteNotBuilt("UpdateTransponder"); }
void UpdateIrs() { platform::NoteNotBuilt("UpdateIrs"); }
void UpdateWiper() { platform::NoteNotBuilt("UpdateWiper"); }
void SaveOcl() { platform::NoteNotBuilt("SaveOcl"); }
void SaveCpl() { platform::NoteNotBuilt("SaveCpl"); }
void SaveSideSwitches() { platform::NoteNotBuilt("SaveSideSwitches"); }
void SaveBrakeTemperature() { platform::NoteNotBuilt("SaveBrakeTemperature"); }
void SaveIceProtection() { platform::NoteNotBuilt("SaveIceProtection"); }
void SaveAutobrake() { platform::NoteNotBuilt("SaveAutobrake"); }
void SaveGear() { platform::NoteNotBuilt("SaveGear"); }
void SaveStabTrim() { platform::NoteNotBuilt("SaveStabTrim"); }
void SaveChecklist() { platform::NoteNotBuilt("SaveChecklist"); }
void SaveAudioPanel() { platform::NoteNotBuilt("SaveAudioPanel"); }
void SaveRain() { platform::NoteNotBuilt("SaveRain"); }
void SaveFlaps() { platform::NoteNotBuilt("SaveFlaps"); }
void SaveSpeedCards() { platform::NoteNotBuilt("SaveSpeedCards"); }
void SaveSlats() { platform::NoteNotBuilt("SaveSlats"); }
void SaveTransponder() { platform::NoteNotBuilt("SaveTransponder"); }
void SaveIrs() { platform::NoteNotBuilt("SaveIrs"); }
void SaveLongitudeTrim() { platform::NoteNotBuilt("SaveLongitudeTrim"); }
void SaveExternalLights() { platform::NoteNotBuilt("SaveExternalLights"); }
void SaveMagTrue() { platform::NoteNotBuilt("SaveMagTrue"); }
void SaveAdf() { platform::NoteNotBuilt("SaveAdf"); }
void SaveComm() { platform::NoteNotBuilt("SaveComm"); }
void SaveFdr() { platform::NoteNotBuilt("SaveFdr"); }
void SaveNav() { platform::NoteNotBuilt("SaveNav"); }
void SaveOxygen() { platform::NoteNotBuilt("SaveOxygen"); }
void SaveRdi() { platform::NoteNotBuilt("SaveRdi"); }
void SaveRecirculationFan() { platform::NoteNotBuilt("SaveRecirculationFan"); }
void SaveRudderTrim() { platform::NoteNotBuilt("SaveRudderTrim"); }
void SaveAileronTrim() { platform::NoteNotBuilt("SaveAileronTrim"); }
void SaveAltimeter() { platform::NoteNotBuilt("SaveAltimeter"); }
void SaveCockpitLights() { platform::NoteNotBuilt("SaveCockpitLights"); }

CSwitch g_tcasRangeSwitch{};
void DisarmAutobrakeOnPedal(uint8_t) { platform::NoteNotBuilt("DisarmAutobrakeOnPedal"); }
// Asks the simulator each time, as the start-up step will once it is built.
const char* GetAtcId() {
  platform::NoteNotBuilt("GetAtcId");
  return ExecuteCalculatorString("(A:ATC ID,string)");
}

}  // namespace halcyon
