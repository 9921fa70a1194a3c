// Menu flags and the menu window that follows option drop_menu.
#include "systems/menu_state.h"

#include <array>

#include "core/options.h"
#include "core/panel_services.h"

namespace halcyon {
namespace {

std::array<uint8_t, kMenuItemCount> g_menuItems{};

bool IsMenuItem(int32_t n) { return n >= 0 && n < kMenuItemCount; }

}  // namespace

void InitMenu() { g_menuItems.fill(0); }

void SetMenuItem(int32_t n) {
  if (IsMenuItem(n)) g_menuItems[n] = 1;
}

void ClearMenuItem(int32_t n) {
  if (IsMenuItem(n)) g_menuItems[n] = 0;
}

void ResetMenuItems() {
  ClearMenuItem(0);
  ClearMenuItem(1);
}

uint8_t GetMenuItem(int32_t n) { return IsMenuItem(n) ? g_menuItems[n] : 0; }

void UpdateMenu() {
  const bool wanted = GetOption(kOptionDropMenu) != 0;
  const bool shown = IsPanelWindowVisible(kPanelWindowMenu);
  if (wanted && !shown) {
    TriggerKeyEvent(kKeyEventOpenPanelWindow, kPanelWindowMenu);
    return;
  }
  if (!wanted && shown) TriggerKeyEvent(kKeyEventClosePanelWindow, kPanelWindowMenu);
}

void InitHotspots() { SelectHotspot(0); }

void SelectHotspot(uint32_t n) {}

}  // namespace halcyon
