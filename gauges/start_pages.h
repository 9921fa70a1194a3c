// "Start Flying" (window 10230): a six-page introduction with previous and
// next buttons, a close box and the check box of option start_flying, which
// says whether it opens at start-up. "Splash" (window 10240): a click on the
// splash picture runs the start-up action at once.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

constexpr int32_t kStartFlyingPages = 6;

void StartFlyingGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* StartFlyingElements();
// The page shown, 1..6.
int32_t GetStartFlyingPage();
double StartFlyingElemPage(platform::ELEMENT_HEADER* element);
double StartFlyingElemButtons(platform::ELEMENT_HEADER* element);
double StartFlyingElemCheckBox(platform::ELEMENT_HEADER* element);

int32_t StartFlyingMouseCheckBox(platform::PixelPoint point, uint32_t mouseFlags);
int32_t StartFlyingMouseClose(platform::PixelPoint point, uint32_t mouseFlags);
int32_t StartFlyingMousePrev(platform::PixelPoint point, uint32_t mouseFlags);
int32_t StartFlyingMouseNext(platform::PixelPoint point, uint32_t mouseFlags);

platform::ELEMENT_HEADER* SplashElements();
int32_t SplashMouseClick(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
