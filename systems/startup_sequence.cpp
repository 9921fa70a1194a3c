// The start-up sequence.
#include "systems/startup_sequence.h"

#include "core/options.h"
#include "core/panel_services.h"

namespace halcyon {

CSwitch g_startupSequence{};

void InitStartupSequence() {
  SetSwitch(&g_startupSequence, kSwitchOn);
  InitTimedSwitch(&g_startupSequence, kStartupDelayTicks);
}

void UpdateStartupSequence() {
  UpdateTimedSwitch(&g_startupSequence, kSwitchOn, kSwitchSequenceEnd);
  if (GetSwitch(&g_startupSequence) == kSwitchSequenceEnd) RunStartupAction();
}

void RunStartupAction() {
  SetSwitch(&g_startupSequence, kSwitchOff);
  TriggerKeyEvent(kKeyEventClosePanelWindow, kPanelWindowSplash);
  if (GetOption(kOptionStartFlying) != 0) TriggerKeyEvent(kKeyEventOpenPanelWindow, kPanelWindowStartFlying);
  if (GetOption(kOptionCenterStartup) != 0) TriggerKeyEvent(kKeyEventOpenPanelWindow, kPanelWindowCenter);
}

}  // namespace halcyon
