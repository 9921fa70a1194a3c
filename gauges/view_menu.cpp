// The view menu. Its pictures follow the menu flags only on the ticks that
// scheduler channel 2 falls due, so it opens and folds up to 3 ticks late.
#include "gauges/view_menu.h"

#include "core/panel_services.h"
#include "core/panel_windows.h"
#include "core/tick_scheduler.h"
#include "gauges/gauge_kit.h"
#include "systems/menu_state.h"

namespace halcyon {
namespace {

using platform::PixelPoint;

constexpr uint32_t kHighlightedTabElement = 2;
constexpr uint32_t kUnfoldedMenuElement = 3;
constexpr uint32_t kTrainingCentreWindow = 10100;

// Folded at the start: the highlighted tab and the menu are hidden until the
// flags show them.
constinit ElementChain g_elements({
    StaticImage("menu"),
    StaticImage("tab", 0, 157),
    StaticImage("highlighted tab", 0, 157, platform::kImageHidden),
    StaticImage("unfolded menu", 0, 0, platform::kImageHidden),
});

// The flags looked at on the ticks channel 2 is due.
constinit DueTickLook g_tabHighlighted(kChannel6Hz, [] { return GetMenuItem(0) == 1; });
constinit DueTickLook g_menuUnfolded(kChannel6Hz, [] { return GetMenuItem(1) == 1; });

// An entry brings up its view and folds the menu.
int32_t ShowView(uint32_t ident) {
  ShowPanelWindow(ident);
  ResetMenuItems();
  return 1;
}

}  // namespace

platform::ELEMENT_HEADER* MenuElements() { return g_elements.Head(); }

void MenuGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, kHighlightedTabElement, g_tabHighlighted.Shown());
  ShowElement(gauge, kUnfoldedMenuElement, g_menuUnfolded.Shown());
}

void KeepMenuPictures() {
  g_tabHighlighted.Take();
  g_menuUnfolded.Take();
}

int32_t MenuMouseOpen(PixelPoint, uint32_t) {
  SetMenuItem(0);
  SetMenuItem(1);
  return 1;
}

int32_t MenuMouseClose(PixelPoint, uint32_t) {
  ClearMenuItem(0);
  ClearMenuItem(1);
  return 1;
}

// The training centre opens over the view without closing any window.
int32_t MenuMouseItem1(PixelPoint, uint32_t) {
  TriggerKeyEvent(kKeyEventOpenPanelWindow, kTrainingCentreWindow);
  ResetMenuItems();
  return 1;
}

int32_t MenuMouseItem2(PixelPoint, uint32_t) { return ShowView(10010); }
int32_t MenuMouseItem3(PixelPoint, uint32_t) { return ShowView(10170); }
int32_t MenuMouseItem4(PixelPoint, uint32_t) { return ShowView(10020); }
int32_t MenuMouseItem5(PixelPoint, uint32_t) { return ShowView(10030); }
int32_t MenuMouseItem6(PixelPoint, uint32_t) { return ShowView(10040); }
int32_t MenuMouseItem7(PixelPoint, uint32_t) { return ShowView(10050); }
int32_t MenuMouseItem8(PixelPoint, uint32_t) { return ShowView(10060); }
int32_t MenuMouseItem9(PixelPoint, uint32_t) { return ShowView(10070); }
int32_t MenuMouseItem10(PixelPoint, uint32_t) { return ShowView(10110); }
int32_t MenuMouseItem11(PixelPoint, uint32_t) { return ShowView(10160); }
int32_t MenuMouseItem12(PixelPoint, uint32_t) { return ShowView(10270); }
int32_t MenuMouseItem13(PixelPoint, uint32_t) { return ShowView(10290); }

}  // namespace halcyon
