// The Start Flying pages and the splash picture. The page goes back to 1
// each time the Start Flying gauge is installed (its window is made).
#include "gauges/start_pages.h"

#include "core/options.h"
#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "systems/startup_sequence.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

enum PageButtons : int32_t { kBothButtons = 0, kNextOnly = 1, kPreviousOnly = 2 };

int32_t g_page = 1;

constinit ElementChain g_startFlyingElements({
    StaticImage("window frame"),
    Icon("start-up check box", 16, 677, 2, StartFlyingElemCheckBox),
    Icon("page buttons", 640, 590, 3, StartFlyingElemButtons),
    Icon("page", 0, 0, kStartFlyingPages, StartFlyingElemPage),
});

constinit ElementChain g_splashElements({
    StaticImage("splash"),
});

}  // namespace

platform::ELEMENT_HEADER* StartFlyingElements() { return g_startFlyingElements.Head(); }
platform::ELEMENT_HEADER* SplashElements() { return g_splashElements.Head(); }

int32_t GetStartFlyingPage() { return g_page; }

void StartFlyingGaugeCallback(platform::GAUGEHDR*, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreInstall) g_page = 1;
}

double StartFlyingElemPage(ELEMENT_HEADER*) { return g_page - 1; }

double StartFlyingElemButtons(ELEMENT_HEADER*) {
  if (g_page == 1) return kNextOnly;
  if (g_page == kStartFlyingPages) return kPreviousOnly;
  return kBothButtons;
}

// The box is ticked (frame 0) while the window opens at start-up.
double StartFlyingElemCheckBox(ELEMENT_HEADER*) { return GetOption(kOptionStartFlying) != 0 ? 0.0 : 1.0; }

int32_t StartFlyingMouseCheckBox(PixelPoint, uint32_t) {
  if (GetOption(kOptionStartFlying) != 0) {
    SetOptionOff(kOptionStartFlying);
  } else {
    SetOptionOn(kOptionStartFlying);
  }
  return 1;
}

int32_t StartFlyingMouseClose(PixelPoint, uint32_t) {
  return SendKeyControl(kKeyEventClosePanelWindow, kPanelWindowStartFlying);
}

int32_t StartFlyingMousePrev(PixelPoint, uint32_t) {
  if (g_page >= 2) --g_page;
  return 1;
}

int32_t StartFlyingMouseNext(PixelPoint, uint32_t) {
  if (g_page < kStartFlyingPages) ++g_page;
  return 1;
}

int32_t SplashMouseClick(PixelPoint, uint32_t) {
  RunStartupAction();
  return 1;
}

}  // namespace halcyon
