// The "Various" overhead panel (PA and attendant call, anti-skid and its
// test, stall and maximum-speed warning tests, yaw damper, Mach trim
// compensator, one key-event button), "Various2" (engine sync, GPWS switch
// and test) and "Cockpit_Lights" (circuit-breaker, standby compass,
// thunderstorm and flood lights).
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void VariousGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* VariousElements();
int32_t VariousMouseAntiSkid(platform::PixelPoint point, uint32_t mouseFlags);
int32_t VariousMouseAntiSkidTest(platform::PixelPoint point, uint32_t mouseFlags);
int32_t VariousMouseAttendantCall(platform::PixelPoint point, uint32_t mouseFlags);
int32_t VariousMouseAttendantCallLight(platform::PixelPoint point, uint32_t mouseFlags);
int32_t VariousMouseKeyEventButton(platform::PixelPoint point, uint32_t mouseFlags);
int32_t VariousMouseMachTrimComp(platform::PixelPoint point, uint32_t mouseFlags);
int32_t VariousMouseMaxSpeedWarnTestDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t VariousMouseMaxSpeedWarnTestInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t VariousMousePaLight(platform::PixelPoint point, uint32_t mouseFlags);
int32_t VariousMouseStallTest1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t VariousMouseStallTest2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t VariousMouseYawDampDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t VariousMouseYawDampInc(platform::PixelPoint point, uint32_t mouseFlags);

void Various2GaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* Various2Elements();
int32_t Various2MouseGpwsDown(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Various2MouseGpwsUp(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Various2MouseSyncDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Various2MouseSyncInc(platform::PixelPoint point, uint32_t mouseFlags);

void CockpitLightsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* CockpitLightsElements();
int32_t CockpitLightsMouseCircuitBreakerDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CockpitLightsMouseCircuitBreakerInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CockpitLightsMouseFloodDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CockpitLightsMouseFloodInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CockpitLightsMouseStandbyCompassDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CockpitLightsMouseStandbyCompassInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CockpitLightsMouseThunderstorm(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
