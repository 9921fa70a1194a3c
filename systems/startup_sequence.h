// The start-up sequence: eight seconds after the systems load, the splash
// window goes and the windows the user asked for at start open (the
// start-flying window and the Center window, by the options). A click on the
// splash window runs the same action at once. Reads TICK18 and the options;
// drives the panel windows.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// 41 while the delay runs, 131 on the tick it ends, 120 once the action ran.
extern CSwitch g_startupSequence;

constexpr double kStartupDelayTicks = 144.0;
constexpr uint32_t kPanelWindowSplash = 10240;
constexpr uint32_t kPanelWindowStartFlying = 10230;
constexpr uint32_t kPanelWindowCenter = 10100;

void InitStartupSequence();
// Every tick.
void UpdateStartupSequence();
// Closes the splash and opens the start windows; the sequence never fires again.
void RunStartupAction();

}  // namespace halcyon
