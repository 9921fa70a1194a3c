// Placeholders for steps of the aircraft systems and flight guidance not built yet.
#include "systems/placeholders.h"

#include "core/helpers.h"
#include "core/panel_services.h"
#include "platform/system.h"

namespace halcyon {

int32_t GetGearWheelsLampPosition() {
  return TruncateSaturated<int32_t>(platform::PlaceholderInput("gear_wheels_lamp", 124.0));
}

bool IsGroundCrewSequenceStarted() { return platform::PlaceholderInput("ground_crew_sequence", 0.0) != 0.0; }

int32_t GetIrsStatusPosition(int32_t unit) {
  return TruncateSaturated<int32_t>(platform::PlaceholderInput(unit == 1 ? "irs_left" : "irs_right", 120.0));
}


void InitGear() { platform::NoteNotBuilt("InitGear"); }
void LoadBrakeTemperature() { platform::NoteNotBuilt("LoadBrakeTemperature"); }
void LoadAutobrake() { platform::NoteNotBuilt("LoadAutobrake"); }
void LoadGear() { platform::NoteNotBuilt("LoadGear"); }
void LoadRain() { platform::NoteNotBuilt("LoadRain"); }
void LoadFlaps() { platform::NoteNotBuilt("LoadFlaps"); }
void LoadSlats() { platform::NoteNotBuilt("LoadSlats"); }
void LoadIrs() { platform::NoteNotBuilt("LoadIrs"); }
void InitWiper() { platform::NoteNotBuilt("InitWiper"); }
void LoadAtcId() { platform::NoteNotBuilt("LoadAtcId"); }
void UpdateAnnunciators() { platform::NoteNotBuilt("UpdateAnnunciators"); }
void UpdateGear() { platform::NoteNotBuilt("UpdateGear"); }
void UpdateBrakeTemperature() { platform::NoteNotBuilt("UpdateBrakeTemperature"); }
void UpdateAutobrake() { platform::NoteNotBuilt("UpdateAutobrake"); }
void UpdateAlternateGear() { platform::NoteNotBuilt("UpdateAlternateGear"); }
void UpdateGroundCom() { platform::NoteNotBuilt("UpdateGroundCom"); }
void UpdateFlaps() { platform::NoteNotBuilt("UpdateFlaps"); }
void UpdateSlats() { platform::NoteNotBuilt("UpdateSlats"); }
void UpdateIrs() { platform::NoteNotBuilt("UpdateIrs"); }
void UpdateWiper() { platform::NoteNotBuilt("UpdateWiper"); }
void SaveBrakeTemperature() { platform::NoteNotBuilt("SaveBrakeTemperature"); }
void SaveAutobrake() { platform::NoteNotBuilt("SaveAutobrake"); }
void SaveGear() { platform::NoteNotBuilt("SaveGear"); }
void SaveRain() { platform::NoteNotBuilt("SaveRain"); }
void SaveFlaps() { platform::NoteNotBuilt("SaveFlaps"); }
void SaveSlats() { platform::NoteNotBuilt("SaveSlats"); }
void SaveIrs() { platform::NoteNotBuilt("SaveIrs"); }

void DisarmAutobrakeOnPedal(uint8_t) { platform::NoteNotBuilt("DisarmAutobrakeOnPedal"); }
// Asks the simulator each time, as the start-up step will once it is built.
const char* GetAtcId() {
  platform::NoteNotBuilt("GetAtcId");
  return ExecuteCalculatorString("(A:ATC ID,string)");
}

}  // namespace halcyon
