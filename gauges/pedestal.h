// The pedestal's lever quadrants and the gear gauges beside them:
// "Throttlebox" (thrust levers, speed brake, fuel, hydraulic and cross-feed
// levers, gear-horn cut-out), "Flapsbox" (flap handle and the manual
// cabin-pressure controls), "Gear Lock Indicator", "Alternate Gear" and
// "Gear Horn VC". The thrust levers, speed brake and flap handle drive the
// simulator by key events; their pictures follow the simulator's tokens, so a
// lever moved by any other means is drawn where it is.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

// The lever pictures' frames, for their tests: a thrust lever (its throttle
// variable, -4096 .. 16384), the speed brake (the spoiler handle, when not
// armed) and the cabin rate indicator (feet a second).
double ThrustLeverFrame(double lever);
double SpeedBrakeFrame(double handle);
double CabinRateFrame(double rateFtPerS);

void ThrottleboxGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* ThrottleboxElements();
int32_t ThrottleboxMouseThrottle1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ThrottleboxMouseThrottleBoth(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ThrottleboxMouseThrottle2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ThrottleboxMouseHydraulic(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ThrottleboxMouseGearHorn(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ThrottleboxMouseFuelShutoffLeft(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ThrottleboxMouseFuelShutoffRight(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ThrottleboxMouseSpeedBrake(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ThrottleboxMouseFuelXFeed(platform::PixelPoint point, uint32_t mouseFlags);

void FlapsboxGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* FlapsboxElements();
int32_t FlapsboxMouseFlapsUp(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FlapsboxMouseFlapsDown(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FlapsboxMouseManualCabinPressure(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FlapsboxMouseCabinPressureRateInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t FlapsboxMouseCabinPressureRateDec(platform::PixelPoint point, uint32_t mouseFlags);

platform::ELEMENT_HEADER* GearLockIndicatorElements();

void AlternateGearGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* AlternateGearElements();
int32_t AlternateGearMouseHandleInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AlternateGearMouseHandleDec(platform::PixelPoint point, uint32_t mouseFlags);

void GearHornVcGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* GearHornVcElements();
int32_t GearHornVcMouseButton(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
