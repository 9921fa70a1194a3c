// The small gauges of the second overhead panel: "Pneumatic Pressure",
// "Recirculation Fan", "Heater Current", "Voice Recorder" with its meter,
// "GSEP" (ground service electric power), "EFDS" (fire detection loops),
// "Oxygen Regulator" with "Oxygen Pressure", and "Flight Recorder".
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

// The four meters: each runs the night relighting of its dial and needle.
void SecondOverheadMeterGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* PneumaticPressureElements();
platform::ELEMENT_HEADER* HeaterCurrentElements();
platform::ELEMENT_HEADER* VoiceRecorderMeterElements();
platform::ELEMENT_HEADER* OxygenPressureElements();

void RecirculationFanGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* RecirculationFanElements();
int32_t RecirculationFanMouseSwitchDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RecirculationFanMouseSwitchInc(platform::PixelPoint point, uint32_t mouseFlags);

void VoiceRecorderGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* VoiceRecorderElements();
int32_t VoiceRecorderMouseTest(platform::PixelPoint point, uint32_t mouseFlags);

void GsepGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* GsepElements();
int32_t GsepMouseApu(platform::PixelPoint point, uint32_t mouseFlags);
int32_t GsepMouseExternal(platform::PixelPoint point, uint32_t mouseFlags);
int32_t GsepMouseMaintenancePhone(platform::PixelPoint point, uint32_t mouseFlags);

void EfdsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* EfdsElements();
int32_t EfdsMouseApuDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfdsMouseApuInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfdsMouseEngine1Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfdsMouseEngine1Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfdsMouseEngine2Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfdsMouseEngine2Inc(platform::PixelPoint point, uint32_t mouseFlags);

void OxygenRegulatorGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* OxygenRegulatorElements();
int32_t OxygenRegulatorMouseMaster(platform::PixelPoint point, uint32_t mouseFlags);
int32_t OxygenRegulatorMouseSupplyRegulator(platform::PixelPoint point, uint32_t mouseFlags);

void FlightRecorderGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* FlightRecorderElements();
int32_t FlightRecorderMouseTestDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FlightRecorderMouseTestInc(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
