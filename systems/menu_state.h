// The drop-down view menu and the hotspots. The menu is a gauge on its own
// panel window 10090, kept open or closed by option drop_menu; two flags
// record whether the menu is unfolded (set by the Menu gauge's mouse
// functions, read by its callback). Reads option 11 and the window's
// visibility; drives key events 66507 and 66508 for window 10090.
#pragma once

#include <cstdint>

namespace halcyon {

constexpr uint32_t kPanelWindowMenu = 10090;
constexpr int32_t kMenuItemCount = 2;

void InitMenu();
// Flag n is 0 or 1; other n are ignored (GetMenuItem gives 0 for them).
void SetMenuItem(int32_t n);
void ClearMenuItem(int32_t n);
// Folds the menu after an entry switched the view.
void ResetMenuItems();
uint8_t GetMenuItem(int32_t n);
// Every tick: window 10090 follows option drop_menu.
void UpdateMenu();

void InitHotspots();
// The hotspot selection has no state of its own; callers still announce it.
void SelectHotspot(uint32_t n);

}  // namespace halcyon
