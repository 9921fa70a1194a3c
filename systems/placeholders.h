// Steps of the aircraft systems and flight guidance that the lifecycle calls and that are not built
// yet. Each records its name once and does nothing else; the change that
// builds a step moves its declaration to the system's own header and deletes
// it here.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// ---- Accessors of systems not built yet ----
// Read by the sound system and the crew callouts. Each returns its neutral
// value (a cold cockpit) until its system lands; the host and the tests can
// set one by the name in quotes (platform::SetPlaceholderInput).

// Speed cards and ground spoilers: "ground_spoilers_deployed", 0.
bool IsGroundSpoilerDeployed();

void InitAutoSpoilers();
void LoadStabTrim();
void InitAutoflightAlerts();
void ResetAltimeter();
void LoadSpeedCards();
void InitEdp();
void LoadLongitudeTrim();
void LoadAltimeter();
void UpdateAnnunciators();
void UpdateAutoSpoilers();
void UpdateStabTrim();
void UpdateTakeoffWarning();
void UpdateAutoflightAlerts();
void UpdateAltimeter();
void UpdateEdp();
void SaveStabTrim();
void SaveSpeedCards();
void SaveLongitudeTrim();
void SaveAltimeter();

}  // namespace halcyon
