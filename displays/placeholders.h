// Steps of the EFIS and traffic displays that the lifecycle calls and that are not built
// yet. Each records its name once and does nothing else; the change that
// builds a step moves its declaration to the system's own header and deletes
// it here.
#pragma once

#include <cstdint>

#include "core/switch.h"

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
void SaveEfisMcp();

// State of the EFIS control panel and the weather radar that the SimConnect
// client reads; their systems load, step and save it. Defined here until
// those systems are built.
struct EfisMcp {
  uint32_t mode;
  uint32_t adf1;
  uint32_t range;  // index 0..5: 10, 20, 40, 80, 160, 320 NM
  uint32_t declutterNaid;
  uint32_t declutterArpt;
  uint32_t declutterData;
  uint32_t declutterWpt;
};
extern EfisMcp g_efisMcp;
extern uint32_t g_radarRange;      // index 0..5, as the EFIS range
extern CSwitch g_radarModeSwitch;  // 120 off, 64 test, 109 weather, 110 map
extern double g_radarTilt;         // knob steps -3..3
extern double g_radarAltRange;     // feet, half-height of the weather band
uint32_t GetEfisRange();
uint32_t GetRadarRange();

}  // namespace halcyon
