// Gauges of the cockpit sides: "ART" (the automatic reserve thrust switch),
// "External Lights FO" (the first officer's external light switches),
// "Stearing Wheel" (the nose-wheel tiller), "TAS SAT" (true airspeed and air
// temperature) and "Wiper" (the windshield wiper blade over the windows).
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

// The tiller's picture, for its tests: the parking brake, the ground flag and
// the steering deflection (radians).
double TillerFrame(bool parkingBrake, bool onGround, double steeringRad);

void ArtGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* ArtElements();
int32_t ArtMouseSwitchInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ArtMouseSwitchDec(platform::PixelPoint point, uint32_t mouseFlags);

void ExternalLightsFoGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* ExternalLightsFoElements();
int32_t ExternalLightsFoMouseFlood1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ExternalLightsFoMouseFlood2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ExternalLightsFoMouseLowerLight(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ExternalLightsFoMouseCentreLight(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ExternalLightsFoMousePosStrobeInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ExternalLightsFoMousePosStrobeDec(platform::PixelPoint point, uint32_t mouseFlags);

void StearingWheelGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* StearingWheelElements();
int32_t StearingWheelMouseTiller(platform::PixelPoint point, uint32_t mouseFlags);
int32_t StearingWheelMouseButton(platform::PixelPoint point, uint32_t mouseFlags);

void TasSatGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* TasSatElements();
int32_t TasSatMouseToggle(platform::PixelPoint point, uint32_t mouseFlags);

platform::ELEMENT_HEADER* WiperElements();

}  // namespace halcyon
