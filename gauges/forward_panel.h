// The small gauges of the forward panel and glareshield: "External Lights"
// (the landing-light and nose-light switches), "FDCADC" (the FD and CADC
// source lamps), "TOGA Button", "EFIS Dimmer" (the EFIS test button, the
// decision-height knob and the PFD, ND and weather dimmer knobs), "EFIS
// Control" (which IRS feeds the displays) and "Wheels" (WHEEL NOT TURNING).
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

// ---- External Lights ----
void ExternalLightsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* ExternalLightsElements();
double ExternalLightsElemNoseLights(platform::ELEMENT_HEADER* element);
double ExternalLightsElemLandingLights(platform::ELEMENT_HEADER* element);
// RET (1), EXT OFF (2), EXT ON (3): Up toward RET, Down toward EXT ON; the
// units retract or extend unless they stand there already.
int32_t ExternalLightsMouseLandingLightsUp(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ExternalLightsMouseLandingLightsDown(platform::PixelPoint point, uint32_t mouseFlags);
int32_t ExternalLightsMouseNoseLights(platform::PixelPoint point, uint32_t mouseFlags);

// ---- FDCADC (no callback, no controls) ----
platform::ELEMENT_HEADER* FdcadcElements();
double FdcadcElemLampFd(platform::ELEMENT_HEADER* element);
double FdcadcElemLampCadc(platform::ELEMENT_HEADER* element);

// ---- TOGA Button ----
void TogaButtonGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* TogaButtonElements();
// The simulator's flight director on first when it is off, then the TOGA request.
int32_t TogaButtonMousePress(platform::PixelPoint point, uint32_t mouseFlags);

// ---- EFIS Dimmer ----
void EfisDimmerGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* EfisDimmerElements();
// The knobs' frames 0..10: the dimmer's tenths.
double EfisDimmerElemPfdKnob(platform::ELEMENT_HEADER* element);
double EfisDimmerElemNdKnob(platform::ELEMENT_HEADER* element);
double EfisDimmerElemWxKnob(platform::ELEMENT_HEADER* element);
int32_t EfisDimmerMouseTest(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisDimmerMouseDhDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisDimmerMouseDhInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisDimmerMousePfdDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisDimmerMousePfdInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisDimmerMouseNdDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisDimmerMouseNdInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisDimmerMouseWxDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisDimmerMouseWxInc(platform::PixelPoint point, uint32_t mouseFlags);

// ---- EFIS Control ----
void EfisControlGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* EfisControlElements();
double EfisControlElemSelector(platform::ELEMENT_HEADER* element);
// IRS 1 <- both -> IRS 2; an unexpected position goes to the end turned to, silently.
int32_t EfisControlMouseSwitchDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EfisControlMouseSwitchInc(platform::PixelPoint point, uint32_t mouseFlags);

// ---- Wheels (no callback, no controls) ----
platform::ELEMENT_HEADER* WheelsElements();
double WheelsElemLamp(platform::ELEMENT_HEADER* element);

}  // namespace halcyon
