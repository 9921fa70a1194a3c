// Panel-window switching: the popup windows of the aircraft's panel
// configuration, opened and closed by ident through key events 66507 and
// 66508. `ShowPanelWindow` opens one window of a fixed ordered list and closes
// the ones after it, so the menu, the hotspots, the Center pages and the
// lesson steps switch views with one call.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace halcyon {

// The main views (positions 0 to 3) and the popups (4 to 17), in the order
// ShowPanelWindow opens and closes them.
constexpr std::array<uint32_t, 18> kPanelWindowList = {
    10010, 10280, 10290, 10220, 10050, 10060, 10260, 10330, 10070,
    10340, 10020, 10170, 10030, 10040, 10250, 10110, 10160, 10270,
};
constexpr uint32_t kPanelWindowMainPanel = 10010;   // shown with its overhead 10280
constexpr uint32_t kPanelWindowOverhead = 10280;
constexpr uint32_t kPanelWindowMainAlt1 = 10290;
constexpr uint32_t kPanelWindowMainAlt2 = 10220;
constexpr size_t kFirstPopupPosition = 4;
// Not a window: asks ShowPanelWindow to close every popup.
constexpr uint32_t kCloseAllPopups = 1;

// Opens `ident` (a window of kPanelWindowList) and closes the windows after it
// in the list; a main view also settles the main views before it. Every event
// is sent whether or not the window is already in that state. Other idents do
// nothing.
void ShowPanelWindow(uint32_t ident);
void ClosePanelWindow(uint32_t ident);

}  // namespace halcyon
