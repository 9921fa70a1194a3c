// The simulator's side of the warning systems' key events.
#include "simhost/warning_effects.h"

#include "simhost/sim_tokens.h"

namespace simhost {
namespace {

constexpr uint32_t kKeyEventAutopilotOff = 65791;

}  // namespace

bool ApplyWarningKeyEvent(uint32_t event, uint32_t) {
  if (event != kKeyEventAutopilotOff) return false;
  SetToken(Token::AutopilotEngaged, 0.0);
  return true;
}

}  // namespace simhost
