// Placeholders for steps of the aircraft systems and flight guidance not built yet.
#include "systems/placeholders.h"

#include "core/helpers.h"
#include "core/panel_services.h"
#include "platform/system.h"

namespace halcyon {

bool IsGroundSpoilerDeployed() { return platform::PlaceholderInput("ground_spoilers_deployed", 0.0) != 0.0; }

int32_t GetGearWheelsLampPosition() {
  return TruncateSaturated<int32_t>(platform::PlaceholderInput("gear_wheels_lamp", 124.0));
}

bool IsGroundCrewSequenceStarted() { return platform::PlaceholderInput("ground_crew_sequence", 0.0) != 0.0; }

int32_t GetIrsStatusPosition(int32_t unit) {
  return TruncateSaturated<int32_t>(platform::PlaceholderInput(unit == 1 ? "irs_left" : "irs_right", 120.0));
}

double GetAltimeterRefIndex() { return platform::PlaceholderInput("altimeter_ref_index", 0.0); }
void IncAltimeterRefIndex() { platform::NoteNotBuilt("IncAltimeterRefIndex"); }
void DecAltimeterRefIndex() { platform::NoteNotBuilt("DecAltimeterRefIndex"); }

void InitGear() { platform::NoteNotBuilt("InitGear"); }
void LoadBrakeTemperature() { platform::NoteNotBuilt("LoadBrakeTemperature"); }
void InitAutoSpoilers() { platform::NoteNotBuilt("InitAutoSpoilers"); }
void LoadAutobrake() { platform::NoteNotBuilt("LoadAutobrake"); }
void LoadGear() { platform::NoteNotBuilt("LoadGear"); }
void LoadStabTrim() { platform::NoteNotBuilt("LoadStabTrim"); }
void InitAutoflightAlerts() { platform::NoteNotBuilt("InitAutoflightAlerts"); }
void ResetAltimeter() { platform::NoteNotBuilt("ResetAltimeter"); }
void LoadRain() { platform::NoteNotBuilt("LoadRain"); }
void LoadFlaps() { platform::NoteNotBuilt("LoadFlaps"); }
void LoadSpeedCards() { platform::NoteNotBuilt("LoadSpeedCards"); }
void LoadSlats() { platform::NoteNotBuilt("LoadSlats"); }
void InitEdp() { platform::NoteNotBuilt("InitEdp"); }
void LoadIrs() { platform::NoteNotBuilt("LoadIrs"); }
void LoadLongitudeTrim() { platform::NoteNotBuilt("LoadLongitudeTrim"); }
void InitWiper() { platform::NoteNotBuilt("InitWiper"); }
void LoadAltimeter() { platform::NoteNotBuilt("LoadAltimeter"); }
void LoadAtcId() { platform::NoteNotBuilt("LoadAtcId"); }
void UpdateAnnunciators() { platform::NoteNotBuilt("UpdateAnnunciators"); }
void UpdateGear() { platform::NoteNotBuilt("UpdateGear"); }
void UpdateBrakeTemperature() { platform::NoteNotBuilt("UpdateBrakeTemperature"); }
void UpdateAutoSpoilers() { platform::NoteNotBuilt("UpdateAutoSpoilers"); }
void UpdateAutobrake() { platform::NoteNotBuilt("UpdateAutobrake"); }
void UpdateAlternateGear() { platform::NoteNotBuilt("UpdateAlternateGear"); }
void UpdateStabTrim() { platform::NoteNotBuilt("UpdateStabTrim"); }
void UpdateTakeoffWarning() { platform::NoteNotBuilt("UpdateTakeoffWarning"); }
void UpdateAutoflightAlerts() { platform::NoteNotBuilt("UpdateAutoflightAlerts"); }
void UpdateAltimeter() { platform::NoteNotBuilt("UpdateAltimeter"); }
void UpdateGroundCom() { platform::NoteNotBuilt("UpdateGroundCom"); }
void UpdateFlaps() { platform::NoteNotBuilt("UpdateFlaps"); }
void UpdateSlats() { platform::NoteNotBuilt("UpdateSlats"); }
void UpdateEdp() { platform::NoteNotBuilt("UpdateEdp"); }
void UpdateIrs() { platform::NoteNotBuilt("UpdateIrs"); }
void UpdateWiper() { platform::NoteNotBuilt("UpdateWiper"); }
void SaveBrakeTemperature() { platform::NoteNotBuilt("SaveBrakeTemperature"); }
void SaveAutobrake() { platform::NoteNotBuilt("SaveAutobrake"); }
void SaveGear() { platform::NoteNotBuilt("SaveGear"); }
void SaveStabTrim() { platform::NoteNotBuilt("SaveStabTrim"); }
void SaveRain() { platform::NoteNotBuilt("SaveRain"); }
void SaveFlaps() { platform::NoteNotBuilt("SaveFlaps"); }
void SaveSpeedCards() { platform::NoteNotBuilt("SaveSpeedCards"); }
void SaveSlats() { platform::NoteNotBuilt("SaveSlats"); }
void SaveIrs() { platform::NoteNotBuilt("SaveIrs"); }
void SaveLongitudeTrim() { platform::NoteNotBuilt("SaveLongitudeTrim"); }
void SaveAltimeter() { platform::NoteNotBuilt("SaveAltimeter"); }

void DisarmAutobrakeOnPedal(uint8_t) { platform::NoteNotBuilt("DisarmAutobrakeOnPedal"); }
// Asks the simulator each time, as the start-up step will once it is built.
const char* GetAtcId() {
  platform::NoteNotBuilt("GetAtcId");
  return ExecuteCalculatorString("(A:ATC ID,string)");
}

}  // namespace halcyon
