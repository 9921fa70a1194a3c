// The module's one path to the simulator: token-variable reads, key events,
// panel-window visibility and calculator code, all through the PANELS table
// that the simulator hands over in ImportTable. Every system uses these
// helpers and never the table directly.
#pragma once

#include <cstdint>

#include "core/tokens.h"
#include "platform/gauge.h"

namespace halcyon {

// Key events, by the simulator's event number (0x10000 + n).
constexpr uint32_t kKeyEventMinuteTick = 65568;
constexpr uint32_t kKeyEventAutopilotMaster = 65580;
constexpr uint32_t kKeyEventTogglePanelWindow = 66506;
constexpr uint32_t kKeyEventOpenPanelWindow = 66507;
constexpr uint32_t kKeyEventClosePanelWindow = 66508;

// The panel service table the simulator filled in at load (null before).
platform::PANELS* Panels();

// Looks the token variable up and returns its value.
double ReadToken(Token token);
// The token in its everyday unit: its value over its scale in the token list.
double ReadScaledToken(Token token);
// A flag word or a small code (a receiver's station bits, a TO/FROM flag)
// as the unsigned integer it stands for: truncated, with a negative value or
// NaN as 0 and a value beyond the range as all ones.
uint32_t ReadFlagWord(Token token);
// The radio altimeter's height in feet (the simulator gives metres).
double ReadRadioAltitudeFt();
double ReadVerticalSpeedFpm();
double ReadMach();
// TICK18, the 18 Hz clock every timer of the cockpit counts in.
double CurrentTick18();
// A deadline more than this far ahead of TICK18 (about 10 minutes) means the
// simulator's clock went back (a reloaded flight): timers pull it in to now.
constexpr double kClockBackGuardTicks = 11000.0;

void TriggerKeyEvent(uint32_t event, uint32_t value);
bool IsPanelWindowVisible(uint32_t ident);
// Evaluates a calculator expression with a string result; empty when the
// simulator gives none.
const char* ExecuteCalculatorString(const char* expression);

}  // namespace halcyon
