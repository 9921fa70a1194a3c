// What the simulator does with the key events of the lights, pitot heat,
// radios and audio panel, so that the cockpit reads back on the next tick
// the states it asked for; the splash window it shows as the panel comes up;
// and its running clock in seconds.
#pragma once

#include <cstdint>

namespace simhost {

// Applies the event's effect; false when the event is not one of these.
bool ApplyPanelEffect(uint32_t event, uint32_t value);
// The windows the aircraft's panel configuration shows at load: the splash.
void ShowWindowsAtLoad();
// The simulator's clock in seconds (Token::SimulatorClockSeconds), from the simulation clock in
// ticks: it stands still whenever that clock does.
void SetSecondsClock(double simulationClockTicks);

}  // namespace simhost
