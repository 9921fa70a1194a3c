// The "DFGS" gauge: the glareshield control panel of the flight guidance,
// with its speed, heading, pitch and altitude windows, its switches, lever
// and knobs, and the bank-limit box.
#pragma once

#include <cstdint>

#include "core/switch.h"
#include "platform/gauge.h"

namespace halcyon {

// The HDG knob's picture: 1 pushed in, 2 released, 3 pulled out.
extern CSwitch g_dfgsHeadingKnob;
// The ALT knob's picture: 2 pushed, 1 released.
extern CSwitch g_dfgsAltitudeKnob;

void DfgsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* DfgsElements();

double DfgsElemAltitudeKnob(platform::ELEMENT_HEADER* element);
double DfgsElemHeadingKnob(platform::ELEMENT_HEADER* element);
double DfgsElemAltitudeUnits(platform::ELEMENT_HEADER* element);
double DfgsElemAltitudeTens(platform::ELEMENT_HEADER* element);
double DfgsElemAltitudeHundreds(platform::ELEMENT_HEADER* element);
double DfgsElemAltitudeThousands(platform::ELEMENT_HEADER* element);
double DfgsElemAltitudeTenThousands(platform::ELEMENT_HEADER* element);
double DfgsElemPitchDigit4(platform::ELEMENT_HEADER* element);
double DfgsElemPitchDigit3(platform::ELEMENT_HEADER* element);
double DfgsElemPitchDigit2(platform::ELEMENT_HEADER* element);
double DfgsElemPitchDigit1(platform::ELEMENT_HEADER* element);
double DfgsElemPitchSign(platform::ELEMENT_HEADER* element);
double DfgsElemPitchLegend(platform::ELEMENT_HEADER* element);
double DfgsElemHeadingUnits(platform::ELEMENT_HEADER* element);
double DfgsElemHeadingTens(platform::ELEMENT_HEADER* element);
double DfgsElemHeadingHundreds(platform::ELEMENT_HEADER* element);
double DfgsElemDfgcSelector(platform::ELEMENT_HEADER* element);
double DfgsElemTokenSwitch(platform::ELEMENT_HEADER* element);  // FD switches, AP lever
double DfgsElemAutothrottleSwitch(platform::ELEMENT_HEADER* element);
double DfgsElemSpeed4(platform::ELEMENT_HEADER* element);
double DfgsElemSpeed3(platform::ELEMENT_HEADER* element);
double DfgsElemSpeed2(platform::ELEMENT_HEADER* element);
double DfgsElemSpeed1(platform::ELEMENT_HEADER* element);
double DfgsElemBankBox(platform::ELEMENT_HEADER* element);

int32_t DfgsMouseAltitudeDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseAltitudeHold(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseAltitudeInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseAltitudePreselect(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseApMaster(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseAutoland(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseAutothrottleSwitch(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseDfgsSelect(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseEprLim(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseFlightDirector(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseFmsOverride(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseHeadingDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseHeadingInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseHeadingSwitchIn(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseHeadingSwitchOut(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseIasMach(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseIls(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseLnav(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseMachSelect(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseSpeedDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseSpeedInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseSpeedSelect(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseSpeedView(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseTurbulence(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseVnav(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseVor(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseVs(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseVsDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t DfgsMouseVsInc(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
