// The "FMS" gauge's keys, brightness rocker, keyboard-entry button and
// pre-draw. Reads TICK18 for CLR; drives the FMS computer g_fms and the
// PC-keyboard reader g_directInputKeyboard.
#include "gauges/fms.h"

#include <new>

#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "fmc/cdu_keys.h"
#include "fmc/cdu_screen.h"
#include "fmc/fms.h"
#include "gauges/element_helpers.h"
#include "host/direct_input_keyboard.h"

namespace halcyon {
namespace {

// A CLR within this many ticks of the one before is a held button's repeat.
constexpr double kClrRepeatTicks = 3.0;
double g_clrTick = 0.0;
bool g_clrPressed = false;

}  // namespace

int32_t PressCduKey(uint32_t code) {
  g_fms.KeyPressed(code);
  return 1;
}

int32_t FmsMouseKeyClr(platform::PixelPoint, uint32_t) {
  const double now = CurrentTick18();
  if (!g_clrPressed) {
    g_clrPressed = true;
    g_clrTick = now;
  }
  g_fms.KeyPressed(g_clrTick <= now ? kCduClr : kCduClearAll);
  g_clrTick = now + kClrRepeatTicks;
  return 1;
}

int32_t FmsMouseBrightnessDec(platform::PixelPoint, uint32_t) {
  g_fms.DecreaseBrightness();
  return 1;
}

int32_t FmsMouseBrightnessInc(platform::PixelPoint, uint32_t) {
  g_fms.IncreaseBrightness();
  return 1;
}

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

void FmsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  static OncePerPass drawn;
  if (serviceId != platform::kServicePreDraw || gauge == nullptr) return;
  if (!drawn.Take()) return;
  DrawFmsScreen(GetNthElement(gauge->elements, 1), g_fms.GetDisplayedBrightness());
}

}  // namespace halcyon
