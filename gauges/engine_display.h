// The engine display panel "EDP" of the centre instrument panel: for each
// engine the EPR, N1, EGT and N2 dials with their rolling counters, the CMD
// readout and bug, the reverser lamps and the fuel flow/used readout; the EPR
// LIMIT readout across the top; the MAN EPR knobs and the two fuel-used
// buttons below.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void EdpGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* EdpElements();
int32_t EdpMouseEprManual1Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EdpMouseEprManual1Toggle(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EdpMouseEprManual1Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EdpMouseEprManual2Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EdpMouseEprManual2Toggle(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EdpMouseEprManual2Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EdpMouseFuelUsedDisplay(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EdpMouseFuelUsedReset(platform::PixelPoint point, uint32_t mouseFlags);

// The drum rule of the rolling counters: a value scaled so that its three
// drums read the digits 10000, 1000 and 100 of the scaled value (after
// truncation; negative values read 0), each drum returned as its position on
// a strip of 0..999 counted from the bottom (100 positions a digit). The
// middle and first drums roll with the drum to their right as it passes
// from 9 to 0.
enum class Drum { kFirst, kMiddle, kLast };
double DrumPosition(double value, double scale, Drum drum);
// A drum not shown: off its strip.
constexpr double kDrumBlank = 2000.0;

}  // namespace halcyon
