// The "FMS" gauge's mouse functions built so far. Reads and drives the
// PC-keyboard reader g_directInputKeyboard.
#include "gauges/fms.h"

#include <new>

#include "host/direct_input_keyboard.h"

namespace halcyon {

int32_t FmsMouseKeyboardInputToggle(platform::PixelPoint, uint32_t) {
  if (g_directInputKeyboard != nullptr) {
    DeleteDirectInputKeyboard();
    return 1;
  }
  constexpr uint32_t kExclusiveForeground = platform::keyboard::kExclusive | platform::keyboard::kForeground;
  // A failed allocation leaves typing off; the next click tries again.
  g_directInputKeyboard =
      new (std::nothrow) CDirectInputKeyboard(platform::FindWindowByClass(L"FS98MAIN"), kExclusiveForeground);
  return 1;
}

}  // namespace halcyon
