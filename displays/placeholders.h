// Steps of the EFIS and traffic displays that the lifecycle calls and that are not built
// yet. Each records its name once and does nothing else; the change that
// builds a step moves its declaration to the system's own header and deletes
// it here.
#pragma once

#include <cstdint>

namespace halcyon {

// ---- Accessors of displays not built yet ----
// Read by the sound system and the crew callouts; neutral until the EFIS
// lands, settable by name through platform::SetPlaceholderInput.

// The radio decision height set on the EFIS panel, feet: -1 not set, else
// 0..999; "decision_height", -1.
double GetDecisionHeight();
// The EFIS decision-height alert flag; "decision_height_alert", 0.
uint32_t IsDecisionHeightAlertSet();

void LoadEfisPfd();
void InitNavDisplay();
void LoadRadar();
void LoadEfisDimmer();
void LoadEfisSwitching();
void CreateTcas();
void LoadEfisMcp();
void UpdateEfisPfd();
void UpdateNavDisplay();
void UpdateDecisionHeightAlert();
void UpdateTcas();
void SaveEfisPfd();
void FreeNavDisplay();
void SaveRadar();
void SaveEfisDimmer();
void SaveEfisSwitching();
void DestroyTcas();
void SaveEfisMcp();

}  // namespace halcyon
