// The weather radar's pedestal control head, "Radar" (mode, range, tilt,
// gain and brightness knobs and the antenna stabilizer switch), and "Radar
// Display 2", the static picture shown while the radar runs. The radar's
// own screen, "Radar Display", is drawn by the radar display.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void RadarGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* RadarElements();
int32_t RadarMouseBrightnessDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RadarMouseBrightnessInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RadarMouseRangeDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RadarMouseRangeInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RadarMouseModeDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RadarMouseModeInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RadarMouseGainDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RadarMouseGainInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RadarMouseTiltDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RadarMouseTiltInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RadarMouseStabilizer(platform::PixelPoint point, uint32_t mouseFlags);

void RadarDisplay2GaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
// After each tick's work: whether the picture shows, looked at on the ticks
// the once-a-second channel is due.
void KeepRadarDisplay2();
platform::ELEMENT_HEADER* RadarDisplay2Elements();

}  // namespace halcyon
