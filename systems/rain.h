// Rain protection and the windshield wiper: the RAIN panel's controls, the
// latched rain-panel flag of the repellent source button, the wiper's sweep
// (36 frames a LOW stroke, 18 a HIGH one, parked on demand) and the popup
// window it is drawn in, and the aircraft's registration read once from the
// simulator. Reads TICK18, the panel windows' visibility and the ATC id.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// [RAIN] controls; only "wiper" (1..4 = PARK, OFF, LOW, HIGH) drives logic.
extern CSwitch g_repellentDischargeLeft;
extern CSwitch g_repellentDischargeRight;
extern CSwitch g_rainWiperSwitch;
extern CSwitch g_annunciatorLightsTest;
extern CSwitch g_annunciatorLightsDimmer;
extern CSwitch g_airConditionShutoffOverride;
extern CSwitch g_ramAirSwitch;
// The repellent source button, not saved: 43 released, 57 pressed.
extern CSwitch g_repellentSourceButton;
// The wiper's image frame, 1 parked .. 19 at the end of the sweep.
extern CSwitch g_wiperImage;

enum WiperSelector : uint32_t { kWiperPark = 0, kWiperOff = 1, kWiperLow = 2, kWiperHigh = 3 };
constexpr int32_t kWiperParkedFrame = 1;
constexpr int32_t kRepellentSourceReleased = 43;
constexpr int32_t kRepellentSourcePressed = 57;
// The popup windows the Wiper gauge is placed in, by wiper view 0..2.
constexpr uint32_t kWiperWindows[3] = {10010, 10220, 10290};
constexpr uint32_t kAtcIdChars = 19;

void LoadRain();
void SaveRain();
void InitWiper();
void UpdateWiper();
void LoadAtcId();

void SetRainPanelFlag(uint32_t value);
uint32_t GetRainPanelFlag();
// Stores 0..3, anything else as OFF; returns its argument.
uint32_t SetWiperSelector(uint32_t selector);
uint32_t GetWiperSelector();
void SetWiperView(uint32_t view);
uint32_t GetWiperView();
// The aircraft's ATC id, at most 19 characters; empty before start-up.
const char* GetAtcId();

}  // namespace halcyon
