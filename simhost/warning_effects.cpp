// The simulator's side of the warning systems' key events.
#include "simhost/warning_effects.h"

#include "platform/simulator.h"

namespace simhost {
namespace {

constexpr uint32_t kTokenAutopilotEngaged = 103;
constexpr uint32_t kKeyEventAutopilotOff = 65791;

}  // namespace

bool ApplyWarningKeyEvent(uint32_t event, uint32_t) {
  if (event != kKeyEventAutopilotOff) return false;
  platform::sim::SetToken(kTokenAutopilotEngaged, 0.0);
  return true;
}

}  // namespace simhost
