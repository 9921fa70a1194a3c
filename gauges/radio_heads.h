// The radio control heads of the pedestal: "ADF" (two four-wheel frequency
// windows, transfer, A1 and ANT switches), "COMM1" and "COMM2" (two
// frequency windows with their knobs, transfer and squelch switches) and
// "Transponder" (the code window, transfer, IDENT with the reply lamp, the
// mode knob, the TCAS range knob with its test button, ABOVE/BELOW).
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void AdfGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* AdfElements();
int32_t AdfMouseAdf1HundredsInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf1HundredsDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf1TensInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf1TensDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf1UnitsInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf1UnitsDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf1ExtInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf1ExtDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf2HundredsInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf2HundredsDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf2TensInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf2TensDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf2UnitsInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf2UnitsDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf2ExtInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf2ExtDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseTfrSwitch(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseA1Switch(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAntSwitch(platform::PixelPoint point, uint32_t mouseFlags);

void Comm1GaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
void Comm2GaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* Comm1Elements();
platform::ELEMENT_HEADER* Comm2Elements();
int32_t Comm1MouseFreq1MhzInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseFreq1MhzDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseFreq1KhzInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseFreq1KhzDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseFreq2MhzInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseFreq2MhzDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseFreq2KhzInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseFreq2KhzDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseTfrSwitch(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseSquelchSwitch(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseFreq1MhzInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseFreq1MhzDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseFreq1KhzInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseFreq1KhzDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseFreq2MhzInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseFreq2MhzDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseFreq2KhzInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseFreq2KhzDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseTfrSwitch(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseSquelchSwitch(platform::PixelPoint point, uint32_t mouseFlags);

void TransponderGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* TransponderElements();
int32_t TransponderMouseCodeDigit1Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseCodeDigit2Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseCodeDigit3Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseCodeDigit4Inc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseCodeDigit1Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseCodeDigit2Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseCodeDigit3Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseCodeDigit4Dec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseTransfer(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseAboveBelowInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseAboveBelowDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseTcasRangeDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseTcasRangeInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseTcasTest(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseIdent(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseModeDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseModeInc(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
