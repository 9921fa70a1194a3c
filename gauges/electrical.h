// The overhead electrical panel, "Electrical" (generator, APU, external power,
// cross-tie, galley and CSD switches, the meter selector and the source
// lamps), and its ten small meters: CSD temperatures, AC loads, DC loads, AC
// volts, DC volts and amps, frequency.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void ElectricalGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* ElectricalElements();

int32_t ElectricalMouseCsd1Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseCsd1Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseCsd2Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseCsd2Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseCsdRise(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseGen1Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseGen1Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseGen2Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseGen2Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseApuGen(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseApuBus1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseApuBus2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseExtBus1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseExtBus2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseAcBusCrossTie(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseDcBusCrossTie(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseGalley(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseExtPowerAvailable(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseIndicatorSelectorDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseIndicatorSelectorInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ElectricalMouseCsdReset(platform::PixelPoint point, uint32_t mouseFlags);

// The meters: each runs the night relighting of its dial and needles.
void ElectricalMeterGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
void ElectricalDcLoadGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* ElectricalCsd1TemperatureElements();
platform::ELEMENT_HEADER* ElectricalCsd2TemperatureElements();
platform::ELEMENT_HEADER* ElectricalAcLoad1Elements();
platform::ELEMENT_HEADER* ElectricalAcLoad2Elements();
platform::ELEMENT_HEADER* ElectricalAcLoadApuElements();
platform::ELEMENT_HEADER* ElectricalDcLoad1Elements();
platform::ELEMENT_HEADER* ElectricalDcLoad2Elements();
platform::ELEMENT_HEADER* ElectricalAcVoltsElements();
platform::ELEMENT_HEADER* ElectricalDcVoltsAmpsElements();
platform::ELEMENT_HEADER* ElectricalFrequencyElements();

}  // namespace halcyon
