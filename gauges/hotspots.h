// The hotspots and the window-close boxes. Hotspots are click areas that the
// panel configuration lays over parts of the main panels: a click brings up
// the popup window for that part of the cockpit or flips the main view
// between its variants; with option hotspots set each shows a frame. A
// window-close box sits in a corner of a popup window and closes it.
#pragma once

#include <array>
#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

// The hotspot gauges are numbered 1 to 31 with gaps, as the panel
// configuration names them ("Hotspot 12"); the close boxes 1 to 9.
constexpr std::array<int32_t, 24> kHotspotNumbers = {1,  2,  3,  4,  5,  8,  9,  10, 11, 12, 13, 14,
                                                     15, 16, 17, 20, 21, 22, 23, 24, 25, 28, 30, 31};
constexpr std::array<int32_t, 8> kWindowCloseNumbers = {1, 2, 3, 4, 5, 6, 8, 9};

// The element list of hotspot / close box number n; null for a number not in use.
platform::ELEMENT_HEADER* HotspotElements(int32_t number);
platform::ELEMENT_HEADER* WindowCloseElements(int32_t number);
// Every hotspot's frame: shown (frame 1) while option hotspots is set.
double HotspotElemFrame(platform::ELEMENT_HEADER* element);
// Every close box's click-area overlay.
void WindowCloseGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);

int32_t Hotspot1MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot2MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot3MouseCdu(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot3MouseUpperPedestal(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot3MouseLowerPedestal(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot3MouseCdu2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot4MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot5MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot8MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot9MouseUpper(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot9MouseLower(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot10MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot11MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot12MouseCdu(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot12MouseUpperPedestal(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot12MouseLowerPedestal(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot13MouseUpper(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot13MouseLower(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot14MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot15MouseUpper(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot15MouseLower(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot16MouseUpper(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot16MouseLower(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot20MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot21MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot22MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot23MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot24MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot25MouseCdu(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot25MouseUpperPedestal(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot25MouseLowerPedestal(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot25MouseCdu2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot28MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot30MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Hotspot31MouseClick(platform::PixelPoint point, uint32_t mouseFlags);

int32_t WindowClose1MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t WindowClose2MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t WindowClose3MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t WindowClose4MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t WindowClose5MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t WindowClose6MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t WindowClose8MouseClick(platform::PixelPoint point, uint32_t mouseFlags);
int32_t WindowClose9MouseClick(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
