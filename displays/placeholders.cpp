// Placeholders for steps of the EFIS and traffic displays not built yet.
#include "displays/placeholders.h"

#include "platform/system.h"

namespace halcyon {

double GetDecisionHeight() { return platform::PlaceholderInput("decision_height", -1.0); }

uint32_t IsDecisionHeightAlertSet() {
  return platform::PlaceholderInput("decision_height_alert", 0.0) != 0.0 ? 1u : 0u;
}

void LoadEfisPfd() { platform::NoteNotBuilt("LoadEfisPfd"); }
void InitNavDisplay() { platform::NoteNotBuilt("InitNavDisplay"); }
void LoadRadar() { platform::NoteNotBuilt("LoadRadar"); }
void LoadEfisDimmer() { platform::NoteNotBuilt("LoadEfisDimmer"); }
void LoadEfisSwitching() { platform::NoteNotBuilt("LoadEfisSwitching"); }
void LoadEfisMcp() { platform::NoteNotBuilt("LoadEfisMcp"); }
void UpdateEfisPfd() { platform::NoteNotBuilt("UpdateEfisPfd"); }
void UpdateNavDisplay() { platform::NoteNotBuilt("UpdateNavDisplay"); }
void UpdateDecisionHeightAlert() { platform::NoteNotBuilt("UpdateDecisionHeightAlert"); }
void UpdateTcas() { platform::NoteNotBuilt("UpdateTcas"); }
void SaveEfisPfd() { platform::NoteNotBuilt("SaveEfisPfd"); }
void FreeNavDisplay() { platform::NoteNotBuilt("FreeNavDisplay"); }
void SaveRadar() { platform::NoteNotBuilt("SaveRadar"); }
void SaveEfisDimmer() { platform::NoteNotBuilt("SaveEfisDimmer"); }
void SaveEfisSwitching() { platform::NoteNotBuilt("SaveEfisSwitching"); }
void SaveEfisMcp() { platform::NoteNotBuilt("SaveEfisMcp"); }

EfisMcp g_efisMcp{};
uint32_t g_radarRange = 0;
CSwitch g_radarModeSwitch{};
double g_radarTilt = 0.0;
double g_radarAltRange = 0.0;
uint32_t GetEfisRange() { return g_efisMcp.range; }
uint32_t GetRadarRange() { return g_radarRange; }

}  // namespace halcyon
