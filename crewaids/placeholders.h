// Steps of the crew aids that the lifecycle calls and that are not built
// yet. Each records its name once and does nothing else; the change that
// builds a step moves its declaration to the system's own header and deletes
// it here.
#pragma once

#include <cstdint>

namespace halcyon {

void LoadFuel();
void ResetCenterPage();
void ResetEditorMode();
void SaveFuel();
void ShutdownEditorMode();

// The dispatch load plan that the payload and fuel writer sends.
extern int32_t g_dispatchCargo[3];  // pounds, payload stations 5..7
extern int32_t g_dispatchFuel[3];   // pounds: left main, right main, center
double GetZonePayload(int32_t zone);  // pounds of passenger zone 1..4

}  // namespace halcyon
