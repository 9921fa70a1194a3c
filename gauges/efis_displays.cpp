// The EFIS PFD, EFIS ND and TCAS Display gauges. Read the PFD and ND
// brightness ramps, the weather dimmer and the radar gain; drive the
// pictures of the displays, the EFIS mode and range, and the popup windows.
#include "gauges/efis_displays.h"

#include "core/lifecycle.h"
#include "core/panel_services.h"
#include "displays/efis/display_states.h"
#include "displays/efis/efis_dimmer.h"
#include "displays/efis/efis_mcp.h"
#include "displays/nd/nav_display.h"
#include "displays/pfd/pfd_display.h"
#include "displays/radar/radar.h"
#include "displays/tcas/tcas_display.h"
#include "gauges/element_helpers.h"
#include "gauges/gauge_kit.h"

namespace halcyon {
namespace {

constexpr uint32_t kScreenElement = 1;
constexpr uint32_t kPfdWindow = 10260;
constexpr uint32_t kNdWindow = 10330;
constexpr uint32_t kTcasWindow = 10340;

// A screen is dark at a brightness of 0 (the steppers keep the dimmers on
// their tenths, so a dimmer turned down reaches 0 exactly).
bool Dark(double brightness) { return !(brightness > 0.0); }

// The cockpit's state moves once a tick: each placed screen draws on its
// first pre-draw of a tick and keeps its picture through the others.
platform::ELEMENT_HEADER* ScreenToDraw(platform::GAUGEHDR* gauge, uint32_t serviceId) {
  if (serviceId != platform::kServicePreDraw || gauge == nullptr || !FirstDrawOfTick(gauge)) return nullptr;
  return GetNthElement(gauge->elements, kScreenElement);
}

int32_t Step(void (*step)()) {
  step();
  return 1;
}

}  // namespace

void EfisPfdGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  platform::ELEMENT_HEADER* screen = ScreenToDraw(gauge, serviceId);
  if (screen == nullptr) return;
  if (Dark(GetNdBrightness())) {
    DrawCompositeDisplay(screen, GetPfdBrightness());
  } else {
    DrawPrimaryFlightDisplay(screen, GetPfdBrightness());
  }
}

void EfisNdGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreInitialize) StartGdiplus();
  platform::ELEMENT_HEADER* screen = ScreenToDraw(gauge, serviceId);
  if (screen == nullptr) return;
  if (Dark(GetPfdBrightness())) {
    DrawCompositeDisplay(screen, GetNdBrightness());
  } else {
    DrawNavDisplay(screen, GetNdBrightness(), GetEfisDimmer(kDimmerWeather), g_radarGain);
  }
}

void TcasDisplayGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  platform::ELEMENT_HEADER* screen = ScreenToDraw(gauge, serviceId);
  if (screen != nullptr) DrawTcasDisplay(screen);
}

int32_t EfisPfdMouseToggleWindow(platform::PixelPoint, uint32_t) {
  return SendKeyControl(kKeyEventTogglePanelWindow, kPfdWindow);
}
int32_t EfisNdMouseToggleWindow(platform::PixelPoint, uint32_t) {
  return SendKeyControl(kKeyEventTogglePanelWindow, kNdWindow);
}
int32_t TcasDisplayMouseToggleWindow(platform::PixelPoint, uint32_t) {
  return SendKeyControl(kKeyEventTogglePanelWindow, kTcasWindow);
}
int32_t EfisNdMouseModeDec(platform::PixelPoint, uint32_t) { return Step(DecrementEfisMode); }
int32_t EfisNdMouseModeInc(platform::PixelPoint, uint32_t) { return Step(IncrementEfisMode); }
int32_t EfisNdMouseRangeDec(platform::PixelPoint, uint32_t) { return Step(DecrementEfisRange); }
int32_t EfisNdMouseRangeInc(platform::PixelPoint, uint32_t) { return Step(IncrementEfisRange); }

}  // namespace halcyon
