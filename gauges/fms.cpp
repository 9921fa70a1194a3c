// The "FMS" gauge's keys, brightness rocker, keyboard-entry button, lamps and
// pre-draw, and the "FMS Display 2" and "FMS Display 3" screens. Reads TICK18
// for CLR, panel power, the lamp test and the pedestal's panel light; drives
// the FMS computer g_fms, the PC-keyboard reader g_directInputKeyboard and
// the CDU popup window.
#include "gauges/fms.h"

#include <new>

#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "fmc/cdu_keys.h"
#include "fmc/cdu_screen.h"
#include "fmc/fms.h"
#include "gauges/element_helpers.h"
#include "gauges/gauge_kit.h"
#include "host/direct_input_keyboard.h"
#include "systems/annunciator_lamps.h"
#include "systems/electric.h"
#include "systems/lights.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;

// A CLR within this many ticks of the one before is a held button's repeat.
constexpr double kClrRepeatTicks = 3.0;
double g_clrTick = 0.0;
bool g_clrPressed = false;

constexpr uint32_t kCduWindow = 10070;
constexpr uint32_t kScreenElement = 1;
constexpr uint32_t kKeyLightingElement = 8;
constexpr uint32_t kDisplayElement = 0;

// The annunciators by the FMS computer's numbering.
enum FmsAnnunciator : uint32_t { kAnnRoute = 0, kAnnSpare1 = 1, kAnnMsg = 2, kAnnExec = 3, kAnnSpare2 = 4 };

constinit ElementChain g_fmsElements({
    StaticImage("faceplate"),
    DrawingSurface("screen", 57, 32, 290, 220),
    Icon("route lamp", 325, 313, 2, FmsElemLampRoute),
    Icon("MSG lamp", 24, 419, 2, FmsElemLampMsg),
    Icon("spare lamp 1", 24, 359, 2, FmsElemLampSpare1),
    Icon("EXEC lamp", 375, 359, 2, FmsElemLampExec),
    Icon("spare lamp 2", 375, 415, 2, FmsElemLampSpare2),
    Icon("keyboard lamp", 304, 283, 2, FmsElemKeyboardLamp),
    StaticImage("key lighting", 13, 67),
});
constinit ElementChain g_fmsDisplay2Elements({StaticFrame("lit screen", 0, 0, 136, 56)});
constinit ElementChain g_fmsDisplay3Elements({StaticFrame("lit screen", 0, 0, 151, 56)});

double Annunciator(FmsAnnunciator n) { return Lamp(IsPanelPowered() != 0, g_fms.IsAnnunciatorOn(n)); }

// The lit screens follow their power, looked at on the ticks the one-second
// channel is due.
constinit DueTickLook g_display2Lit(kChannel1Hz, [] { return IsPanelPowered() != 0; });
constinit DueTickLook g_display3Lit(kChannel1Hz, [] { return IsPowerState(kPowerNormal) != 0; });

void FollowPower(platform::GAUGEHDR* gauge, uint32_t serviceId, const DueTickLook& lit) {
  if (gauge == nullptr) return;
  if (serviceId == platform::kServicePreInstall) ShowElement(gauge, kDisplayElement, false);
  if (serviceId == platform::kServicePreDraw) ShowElement(gauge, kDisplayElement, lit.Shown());
}

}  // namespace

int32_t PressCduKey(uint32_t code) {
  g_fms.KeyPressed(code);
  return 1;
}

// A stored CLR time more than one repeat ahead of now is left over from before
// the clock went back (a reset or a reloaded flight): the press is a first one,
// so a plain CLR never wipes the whole scratchpad until the clock catches up.
int32_t FmsMouseKeyClr(platform::PixelPoint, uint32_t) {
  const double now = CurrentTick18();
  if (!g_clrPressed || g_clrTick > now + kClrRepeatTicks) {
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

int32_t FmsMouseToggleWindow(platform::PixelPoint, uint32_t) {
  return SendKeyControl(kKeyEventTogglePanelWindow, kCduWindow);
}

platform::ELEMENT_HEADER* FmsElements() { return g_fmsElements.Head(); }
platform::ELEMENT_HEADER* FmsDisplay2Elements() { return g_fmsDisplay2Elements.Head(); }
platform::ELEMENT_HEADER* FmsDisplay3Elements() { return g_fmsDisplay3Elements.Head(); }

// The page changes with keys and ticks only: each placed CDU draws its
// screen once a tick.
void FmsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw || gauge == nullptr) return;
  ShowElement(gauge, kKeyLightingElement, IsCplPanelLightOn() != 0);
  if (!FirstDrawOfTick(gauge)) return;
  DrawFmsScreen(GetNthElement(gauge->elements, kScreenElement), g_fms.GetDisplayedBrightness());
}

double FmsElemLampRoute(ELEMENT_HEADER*) { return Annunciator(kAnnRoute); }
double FmsElemLampMsg(ELEMENT_HEADER*) { return Annunciator(kAnnMsg); }
double FmsElemLampSpare1(ELEMENT_HEADER*) { return Annunciator(kAnnSpare1); }
double FmsElemLampExec(ELEMENT_HEADER*) { return Annunciator(kAnnExec); }
double FmsElemLampSpare2(ELEMENT_HEADER*) { return Annunciator(kAnnSpare2); }
double FmsElemKeyboardLamp(ELEMENT_HEADER*) { return g_directInputKeyboard != nullptr ? 1.0 : 0.0; }

void FmsDisplay2GaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  FollowPower(gauge, serviceId, g_display2Lit);
}

void FmsDisplay3GaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  FollowPower(gauge, serviceId, g_display3Lit);
}

void KeepFmsDisplays() {
  g_display2Lit.Take();
  g_display3Lit.Take();
}

}  // namespace halcyon
