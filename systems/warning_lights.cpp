// Master warning and caution, the warning lamps and the speed-decay monitor.
#include "systems/warning_lights.h"

#include "core/controls.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/various.h"

namespace halcyon {

CSwitch g_masterWarningLight{};
CSwitch g_masterCautionLight{};
CSwitch g_stallLight{};
CSwitch g_stickPusherLight{};
CSwitch g_absTestButton{};
CSwitch g_absLight{};

namespace {

constexpr double kAnnunciatorTestTicks = 54.0;

struct Master {
  uint32_t on;
  int32_t count;
};
Master g_masterWarning{};
Master g_masterCaution{};

struct SpeedDecayMonitor {
  uint32_t armed;
  uint32_t tripped;
  double referenceKt;
};
SpeedDecayMonitor g_speedDecay{};

CSwitch* const kLamps[] = {&g_masterWarningLight, &g_masterCautionLight, &g_stallLight,
                           &g_stickPusherLight,   &g_absTestButton,      &g_absLight};

void Raise(Master& master) {
  master.on = 1;
  ++master.count;
  if (GetOption(kOptionPopupAnnunciator) != 0) TriggerKeyEvent(kKeyEventOpenPanelWindow, kPopupAnnunciatorWindow);
}

void Release(Master& master) {
  if (master.count > 0) --master.count;
  if (master.count == 0) master.on = 0;
}

void Clear(Master& master) {
  master = {};
  TriggerKeyEvent(kKeyEventClosePanelWindow, kPopupAnnunciatorWindow);
}

bool IsStallWarning() { return ReadToken(Token::StallWarning) != 0.0; }

void SetLamp(CSwitch* lamp, bool lit) {
  const int32_t position = lit ? kSwitchOn : kSwitchOff;
  if (GetSwitch(lamp) != position) SetSwitch(lamp, position);
}

void MonitorSpeedDecay() {
  const double iasKt = ReadToken(Token::IndicatedAirspeedKt);
  if (IsStallWarning() && g_speedDecay.armed == 0) {
    g_speedDecay.armed = 1;
    g_speedDecay.referenceKt = iasKt - kSpeedDecayMarginKt;
  } else if ((!IsStallWarning() && g_speedDecay.armed != 0) ||
             (g_speedDecay.tripped != 0 && GetSwitch(&g_stickPusherLight) == kSwitchOff)) {
    g_speedDecay.armed = 0;
    g_speedDecay.tripped = 0;
    SetSwitch(&g_stickPusherLight, kSwitchOff);
  }
  if (g_speedDecay.armed != 0 && iasKt < g_speedDecay.referenceKt) {
    g_speedDecay.tripped = 1;
    SetSwitch(&g_stickPusherLight, kSwitchOn);
  }
  if (g_speedDecay.tripped == 0) return;
  if (ReadToken(Token::AutopilotEngaged) != 0.0) TriggerKeyEvent(kKeyEventAutopilotOff, 0);
  if (IsTickDue(kChannel3Hz) != 0 && ReadToken(Token::SpeedDecayRecovery) < 0.0) {
    TriggerKeyEvent(kKeyEventSpeedDecayRecovery, 0);
  }
}

// The stall lamp flashes while the stall warning or its test is on, and goes
// dark when both end.
void FlashStallLamp() {
  if (!IsStallWarning() && IsVariousSwitchOn() == 0) {
    if (GetSwitch(&g_stallLight) == kSwitchOn) SetSwitch(&g_stallLight, kSwitchOff);
    return;
  }
  SetSwitch(&g_stallLight, GetSwitch(&g_stallLight) == kSwitchOn ? kSwitchOff : kSwitchOn);
}

// The Warning Lights gauge's buttons, for the host and the tests until the
// gauge is drawn: a press (41) clears its master or turns the lamp off.
void PressMasterWarning(int32_t position) {
  if (position == kSwitchOn) ClearMasterWarning();
}
void PressMasterCaution(int32_t position) {
  if (position == kSwitchOn) ClearMasterCaution();
}
void PressStickPusher(int32_t position) {
  if (position == kSwitchOn) SetSwitch(&g_stickPusherLight, kSwitchOff);
}

}  // namespace

void InitWarningLights() {
  for (CSwitch* lamp : kLamps) SetSwitch(lamp, kSwitchOff);
  g_masterWarning = {};
  g_masterCaution = {};
  g_speedDecay = {};
  InitTimedSwitch(&g_annunciatorTestSwitch, kAnnunciatorTestTicks);
  RegisterControl(L"Warning Lights", L"master_warning", &g_masterWarningLight, PressMasterWarning);
  RegisterControl(L"Warning Lights", L"master_caution", &g_masterCautionLight, PressMasterCaution);
  RegisterControl(L"Warning Lights", L"stick_pusher", &g_stickPusherLight, PressStickPusher);
}

void UpdateWarningLights() {
  MonitorSpeedDecay();
  UpdateTimedSwitch(&g_annunciatorTestSwitch, kSwitchOn, kSwitchOff);
  if (IsTickDue(kChannel6Hz) == 0) return;
  FlashStallLamp();
  SetLamp(&g_masterWarningLight, g_masterWarning.on != 0);
  SetLamp(&g_masterCautionLight, g_masterCaution.on != 0);
}

void RaiseMasterWarning() { Raise(g_masterWarning); }
void RaiseMasterCaution() { Raise(g_masterCaution); }
void ReleaseMasterWarning() { Release(g_masterWarning); }
void ReleaseMasterCaution() { Release(g_masterCaution); }
void ClearMasterWarning() { Clear(g_masterWarning); }
void ClearMasterCaution() { Clear(g_masterCaution); }
uint32_t IsMasterWarningOn() { return g_masterWarning.on; }
uint32_t IsMasterCautionOn() { return g_masterCaution.on; }
int32_t GetMasterWarningCount() { return g_masterWarning.count; }
int32_t GetMasterCautionCount() { return g_masterCaution.count; }

}  // namespace halcyon
