// The pushback popup's four click areas.
#include "crewaids/options/pushback.h"

#include "core/panel_windows.h"
#include "gauges/gauge_kit.h"
#include "systems/ground_crew.h"

namespace halcyon {
namespace {

ElementChain g_elements({StaticImage("Pushback background")});

// A sequence started (again from its first step), then the window closed.
int32_t StartAndClose(void (*start)()) {
  start();
  ClosePanelWindow(kPanelWindowPushback);
  return 1;
}

}  // namespace

platform::ELEMENT_HEADER* PushbackElements() { return g_elements.Head(); }

int32_t PushbackMouseFirst(platform::PixelPoint, uint32_t) { return StartAndClose(StartGroundComFirst); }
int32_t PushbackMouseSecond(platform::PixelPoint, uint32_t) { return StartAndClose(StartGroundComSecond); }
int32_t PushbackMouseBoth(platform::PixelPoint, uint32_t) { return StartAndClose(StartGroundComBoth); }

int32_t PushbackMouseClose(platform::PixelPoint, uint32_t) {
  ClosePanelWindow(kPanelWindowPushback);
  return 1;
}

}  // namespace halcyon
