// Five small glareshield and panel gauges of warning lamps and their
// buttons: "Warning Lights" and its second artwork "Pellams Warning Lights"
// (ABS, MASTER WARNING, MASTER CAUTION, STALL, STICK PUSHER), "ART
// Annunciator" (ART, READY), "Annunciator Digital Lights Test" (the cockpit's
// lamp test button) and "GPWS" (BELOW G/S and GPWS with its test).
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void WarningLightsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* WarningLightsElements();
platform::ELEMENT_HEADER* PellamsWarningLightsElements();
int32_t WarningLightsMouseAbs(platform::PixelPoint point, uint32_t mouseFlags);
int32_t WarningLightsMouseStickPusher(platform::PixelPoint point, uint32_t mouseFlags);
int32_t WarningLightsMouseWarning(platform::PixelPoint point, uint32_t mouseFlags);
int32_t WarningLightsMouseCaution(platform::PixelPoint point, uint32_t mouseFlags);
int32_t PellamsWarningLightsMouseAbs(platform::PixelPoint point, uint32_t mouseFlags);
int32_t PellamsWarningLightsMouseStickPusher(platform::PixelPoint point, uint32_t mouseFlags);
int32_t PellamsWarningLightsMouseWarning(platform::PixelPoint point, uint32_t mouseFlags);
int32_t PellamsWarningLightsMouseCaution(platform::PixelPoint point, uint32_t mouseFlags);

platform::ELEMENT_HEADER* ArtAnnunciatorElements();

platform::ELEMENT_HEADER* AnnunciatorDigitalLightsTestElements();
int32_t AnnunciatorDigitalLightsTestMouseTest(platform::PixelPoint point, uint32_t mouseFlags);

void GpwsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* GpwsElements();
int32_t GpwsMouseInhibitBelowGs(platform::PixelPoint point, uint32_t mouseFlags);
int32_t GpwsMouseTest(platform::PixelPoint point, uint32_t mouseFlags);

// The BELOW G/S button inhibits the glide-slope alert only below this radio altitude.
constexpr double kBelowGsInhibitTopFt = 1000.0;

}  // namespace halcyon
