// Gauge functions that the cockpit's tables point at and that are not built
// yet. Each mouse function records its name once and reports the click as
// handled; the change that builds one moves its declaration to its gauge's
// own header and deletes it here. One function a line, in alphabetical order.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

int32_t AdfMouseA1Switch(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf1ExtDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf1ExtInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf1HundredsDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf1HundredsInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf1TensDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf1TensInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf1UnitsDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf1UnitsInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf2ExtDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf2ExtInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf2HundredsDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf2HundredsInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf2TensDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf2TensInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf2UnitsDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAdf2UnitsInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseAntSwitch(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AdfMouseTfrSwitch(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseIdent(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseMicInt(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseMicPa(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseMicVhf1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseMicVhf2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseMicVhf3(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseRadioIntDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseRadioIntInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeAdf1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeAdf2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeInt(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeMkr(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeNav1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeNav2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumePa(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeVhf1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeVhf2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeVhf3(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseFreq1KhzDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseFreq1KhzInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseFreq1MhzDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseFreq1MhzInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseFreq2KhzDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseFreq2KhzInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseFreq2MhzDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseFreq2MhzInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseSquelchSwitch(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm1MouseTfrSwitch(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseFreq1KhzDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseFreq1KhzInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseFreq1MhzDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseFreq1MhzInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseFreq2KhzDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseFreq2KhzInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseFreq2MhzDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseFreq2MhzInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseSquelchSwitch(platform::PixelPoint point, uint32_t mouseFlags);
int32_t Comm2MouseTfrSwitch(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseCtrl(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseDoor(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseElec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseEng(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseHyd(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseIce(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseMisc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseMon(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseScrollDown(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseScrollUp(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseAboveBelowDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseAboveBelowInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseIdent(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseModeDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseModeInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseTcasRangeDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseTcasRangeInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TransponderMouseTransfer(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrpMouseModeCl(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrpMouseModeCr(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrpMouseModeGa(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrpMouseModeMct(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrpMouseModeTo(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrpMouseModeToFlx(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrpMouseTempDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrpMouseTempInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t TrpMouseTest(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
