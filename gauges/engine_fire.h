// The engine fire panel "Engine Fire" of the glareshield: the left and right
// fire handles (turned toward AGENT DISCH 1 or 2 and back), the AGENT 1 LOW
// and AGENT 2 LOW lamps, FIRE BELL OFF and the fire test button.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void EngineFireGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
// After each tick's work: the handles' lit pictures step on the ticks
// channel 4 is due; every placement shows them.
void KeepFireHandleLights();
platform::ELEMENT_HEADER* EngineFireElements();
int32_t EngineFireMouseHandleLeft1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EngineFireMouseHandleLeft2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EngineFireMouseHandleRight1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EngineFireMouseHandleRight2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EngineFireMouseBellOff(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EngineFireMouseTest(platform::PixelPoint point, uint32_t mouseFlags);

// Sent with value 0 on every click of a fire handle.
constexpr uint32_t kKeyEventFireHandle = 66708;

}  // namespace halcyon
