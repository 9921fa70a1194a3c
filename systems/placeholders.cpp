// Placeholders for steps of the aircraft systems and flight guidance not built yet.
#include "systems/placeholders.h"

#include "core/helpers.h"
#include "core/panel_services.h"
#include "platform/system.h"

namespace halcyon {

bool IsGroundSpoilerDeployed() { return platform::PlaceholderInput("ground_spoilers_deployed", 0.0) != 0.0; }


void InitAutoSpoilers() { platform::NoteNotBuilt("InitAutoSpoilers"); }
void LoadStabTrim() { platform::NoteNotBuilt("LoadStabTrim"); }
void InitAutoflightAlerts() { platform::NoteNotBuilt("InitAutoflightAlerts"); }
void ResetAltimeter() { platform::NoteNotBuilt("ResetAltimeter"); }
void LoadSpeedCards() { platform::NoteNotBuilt("LoadSpeedCards"); }
void InitEdp() { platform::NoteNotBuilt("InitEdp"); }
void LoadLongitudeTrim() { platform::NoteNotBuilt("LoadLongitudeTrim"); }
void LoadAltimeter() { platform::NoteNotBuilt("LoadAltimeter"); }
void UpdateAnnunciators() { platform::NoteNotBuilt("UpdateAnnunciators"); }
void UpdateAutoSpoilers() { platform::NoteNotBuilt("UpdateAutoSpoilers"); }
void UpdateStabTrim() { platform::NoteNotBuilt("UpdateStabTrim"); }
void UpdateTakeoffWarning() { platform::NoteNotBuilt("UpdateTakeoffWarning"); }
void UpdateAutoflightAlerts() { platform::NoteNotBuilt("UpdateAutoflightAlerts"); }
void UpdateAltimeter() { platform::NoteNotBuilt("UpdateAltimeter"); }
void UpdateEdp() { platform::NoteNotBuilt("UpdateEdp"); }
void SaveStabTrim() { platform::NoteNotBuilt("SaveStabTrim"); }
void SaveSpeedCards() { platform::NoteNotBuilt("SaveSpeedCards"); }
void SaveLongitudeTrim() { platform::NoteNotBuilt("SaveLongitudeTrim"); }
void SaveAltimeter() { platform::NoteNotBuilt("SaveAltimeter"); }

}  // namespace halcyon
