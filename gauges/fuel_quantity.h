// The fuel quantity indicator "Fuel_Quantity" of the centre panel (FUEL QTY):
// the L MAIN, R MAIN, CTR, TOTAL FUEL and GROSS WT readouts, the test button
// and the payload knob's coarse and fine rings.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void FuelQuantityGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* FuelQuantityElements();
int32_t FuelQuantityMouseTest(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FuelQuantityMousePayloadDec100(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FuelQuantityMousePayloadInc100(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FuelQuantityMousePayloadDec25(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FuelQuantityMousePayloadInc25(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
