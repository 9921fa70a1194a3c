// Two overhead panels: "Engine_Starter" (start pump, ignition selector, fuel
// heat buttons and the two four-position start switches) and "Fuel_Pumps"
// (the six boost pumps, forward and aft, left, centre and right).
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void EngineStarterGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* EngineStarterElements();
int32_t EngineStarterMouseStartPump(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EngineStarterMouseIgnitionInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EngineStarterMouseIgnitionDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EngineStarterMouseFuelHeatLeft(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EngineStarterMouseFuelHeatRight(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EngineStarterMouseStarterLeftInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EngineStarterMouseStarterLeftDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EngineStarterMouseStarterRightInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EngineStarterMouseStarterRightDec(platform::PixelPoint point, uint32_t mouseFlags);

void FuelPumpsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* FuelPumpsElements();
int32_t FuelPumpsMouseFwdLeft(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FuelPumpsMouseFwdCenter(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FuelPumpsMouseFwdRight(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FuelPumpsMouseAftLeft(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FuelPumpsMouseAftCenter(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FuelPumpsMouseAftRight(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
