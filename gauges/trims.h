// The pedestal's trim gauges: "Longitude Trim" (the stabilizer trim handles
// with the trim-position scale and the take-off trim computer), "Stabilizer
// Trim" (the arm switch), "Rudder Trim" and "Aileron Trim" (knobs and
// indicators). Trim itself is the simulator's: the handles and knobs send its
// trim events.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

// The pictures' frames, for their tests: the stabilizer scale from the
// simulator's elevator trim (radians), the take-off trim pointer from the
// computed setting, and the aileron indicator's drop from its trim (radians).
double StabilizerScaleFrame(double elevatorTrimRad);
double TakeoffTrimPointerFrame(double setting);
double AileronTrimSliderY(double aileronTrimRad);

void LongitudeTrimGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* LongitudeTrimElements();
int32_t LongitudeTrimMouseTrimDown(platform::PixelPoint point, uint32_t mouseFlags);
int32_t LongitudeTrimMouseTrimUp(platform::PixelPoint point, uint32_t mouseFlags);
int32_t LongitudeTrimMouseMacInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t LongitudeTrimMouseMacDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t LongitudeTrimMouseToFlapsInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t LongitudeTrimMouseToFlapsDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t LongitudeTrimMouseAutotrim(platform::PixelPoint point, uint32_t mouseFlags);

void StabilizerTrimGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* StabilizerTrimElements();
int32_t StabilizerTrimMouseArmInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t StabilizerTrimMouseArmDec(platform::PixelPoint point, uint32_t mouseFlags);

void RudderTrimGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* RudderTrimElements();
int32_t RudderTrimMouseTrimDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RudderTrimMouseTrimInc(platform::PixelPoint point, uint32_t mouseFlags);

void AileronTrimGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* AileronTrimElements();
int32_t AileronTrimMouseTrimDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AileronTrimMouseTrimInc(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
