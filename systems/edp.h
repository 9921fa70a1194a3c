// The engine display panel's side of the systems: its push-button, which keeps
// the extra display up for ten seconds, and the blinking exceedance flags of
// each engine's EDP (temperature) and SDP indications. Reads the engine
// indications, the thrust rating and the engines' running flags.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

enum EdpButtonPosition : int32_t {
  kEdpButtonReleased = 120,
  kEdpButtonPressed = 41,  // back to released after 180 ticks
  kEdpButtonHeld = 121,
};
constexpr double kEdpButtonTicks = 180.0;

extern CSwitch g_edpFuelUsedButton;

void InitEdp();
// Every tick; the flags blink on tick channel 4 (on 9 ticks, off 9: 1 Hz).
void UpdateEdp();
uint32_t IsEdpButtonActive();
// Engine 1 or 2; 0 for any other engine.
uint32_t GetEdpFlashState(int32_t engine);
uint32_t GetSdpFlashState(int32_t engine);

}  // namespace halcyon
