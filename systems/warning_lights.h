// The glareshield warning lights: master warning and master caution with the
// count of raised conditions behind each, their lamps, the flashing stall
// lamp, and the speed-decay (stick pusher) monitor that trips below its
// reference speed and then disconnects the autopilot. Reads airspeed, the
// stall warning, the autopilot and option "popup_annunciator"; drives the
// popup annunciator window and two key events.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// Lamp objects: 41 lit, 120 dark; all 120 at start-up.
extern CSwitch g_masterWarningLight;
extern CSwitch g_masterCautionLight;
extern CSwitch g_stallLight;         // flashes with the stall warning or its test
extern CSwitch g_stickPusherLight;   // the speed-decay lamp; its button turns it off
extern CSwitch g_absTestButton;      // held by the Warning Lights gauge
extern CSwitch g_absLight;           // the autobrake-disarm lamp, set by the autobrake

constexpr uint32_t kPopupAnnunciatorWindow = 10250;
constexpr uint32_t kKeyEventAutopilotOff = 65791;
// Sent while the speed decay has tripped and token 77 is negative.
constexpr uint32_t kKeyEventSpeedDecayRecovery = 65608;
// The speed-decay monitor trips this far below the speed at which it armed.
constexpr double kSpeedDecayMarginKt = 5.0;

void InitWarningLights();
void UpdateWarningLights();

// Each raise counts one condition; the master stays on until as many
// releases (never below 0) or a Clear. With the popup option set, a raise
// opens the popup annunciator; a Clear always closes it.
void RaiseMasterWarning();
void RaiseMasterCaution();
void ReleaseMasterWarning();
void ReleaseMasterCaution();
void ClearMasterWarning();
void ClearMasterCaution();
uint32_t IsMasterWarningOn();
uint32_t IsMasterCautionOn();
int32_t GetMasterWarningCount();
int32_t GetMasterCautionCount();

}  // namespace halcyon
