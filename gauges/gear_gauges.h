// Three small gauges of the centre panel: the landing-gear lever
// "Gear_Handle", the LEFT, NOSE and RIGHT gear lamps with the GEAR DOOR OPEN
// lamp-button "Gear_Indicators", and the altitude alert lamp "Altitude_Alert".
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void GearHandleGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* GearHandleElements();
int32_t GearHandleMouseClick(platform::PixelPoint point, uint32_t mouseFlags);

void GearIndicatorsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* GearIndicatorsElements();
int32_t GearIndicatorsMouseDoorTest(platform::PixelPoint point, uint32_t mouseFlags);

platform::ELEMENT_HEADER* AltitudeAlertElements();

// The simulator's gear up/down toggle.
constexpr uint32_t kKeyEventGearToggle = 65570;

}  // namespace halcyon
