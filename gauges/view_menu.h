// The "Menu" gauge: the module's own view menu. Moving the mouse onto its tab
// unfolds thirteen picture entries, moving beside the tab folds them; an
// entry brings up its panel window and folds the menu. Reads the menu flags
// (systems/menu_state.h) and scheduler channel 2; drives the panel windows.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void MenuGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
// After each tick's work: the menu flags, looked at when channel 2 is due.
void KeepMenuPictures();
platform::ELEMENT_HEADER* MenuElements();

int32_t MenuMouseOpen(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MenuMouseClose(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MenuMouseItem1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MenuMouseItem2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MenuMouseItem3(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MenuMouseItem4(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MenuMouseItem5(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MenuMouseItem6(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MenuMouseItem7(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MenuMouseItem8(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MenuMouseItem9(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MenuMouseItem10(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MenuMouseItem11(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MenuMouseItem12(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MenuMouseItem13(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
