// The glass display gauges "EFIS PFD", "EFIS ND" and "TCAS Display": on each
// pre-draw they hand their screen (element 1) and a brightness to the
// display's drawing routine. The PFD and ND stand in for each other: while
// one screen is dark the other shows the composite picture. A click on a
// screen toggles its enlarged popup window; under the ND picture the EFIS
// mode and range are stepped. No click sounds.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

// Pre-draw, once a tick: the PFD, or the composite while the ND is dark.
void EfisPfdGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
// Pre-initialise: starts GDI+ when nothing has. Pre-draw, once a tick: the
// ND with the weather dimmer and radar gain, or the composite while the PFD is dark.
void EfisNdGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
// Pre-draw, once a tick: the traffic picture at the TCAS object's own brightness.
void TcasDisplayGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);

// Toggle the popup windows 10260 (PFD), 10330 (ND) and 10340 (TCAS).
int32_t EfisPfdMouseToggleWindow(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisNdMouseToggleWindow(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TcasDisplayMouseToggleWindow(platform::PixelPoint point, uint32_t mouseFlags);
// The EFIS mode and range index, one step, held at their ends.
int32_t EfisNdMouseModeDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisNdMouseModeInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisNdMouseRangeDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisNdMouseRangeInc(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
