// Placeholders for gauge functions not built yet.
#include "gauges/placeholders.h"

#include "platform/system.h"

namespace halcyon {
namespace {

int32_t NotBuilt(const char* functionName) {
  platform::NoteNotBuilt(functionName);
  return 1;
}

}  // namespace

int32_t AdfMouseA1Switch(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseA1Switch"); }
int32_t AdfMouseAdf1ExtDec(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseAdf1ExtDec"); }
int32_t AdfMouseAdf1ExtInc(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseAdf1ExtInc"); }
int32_t AdfMouseAdf1HundredsDec(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseAdf1HundredsDec"); }
int32_t AdfMouseAdf1HundredsInc(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseAdf1HundredsInc"); }
int32_t AdfMouseAdf1TensDec(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseAdf1TensDec"); }
int32_t AdfMouseAdf1TensInc(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseAdf1TensInc"); }
int32_t AdfMouseAdf1UnitsDec(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseAdf1UnitsDec"); }
int32_t AdfMouseAdf1UnitsInc(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseAdf1UnitsInc"); }
int32_t AdfMouseAdf2ExtDec(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseAdf2ExtDec"); }
int32_t AdfMouseAdf2ExtInc(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseAdf2ExtInc"); }
int32_t AdfMouseAdf2HundredsDec(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseAdf2HundredsDec"); }
int32_t AdfMouseAdf2HundredsInc(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseAdf2HundredsInc"); }
int32_t AdfMouseAdf2TensDec(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseAdf2TensDec"); }
int32_t AdfMouseAdf2TensInc(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseAdf2TensInc"); }
int32_t AdfMouseAdf2UnitsDec(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseAdf2UnitsDec"); }
int32_t AdfMouseAdf2UnitsInc(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseAdf2UnitsInc"); }
int32_t AdfMouseAntSwitch(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseAntSwitch"); }
int32_t AdfMouseTfrSwitch(platform::PixelPoint, uint32_t) { return NotBuilt("AdfMouseTfrSwitch"); }
int32_t AudioPanelMouseIdent(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseIdent"); }
int32_t AudioPanelMouseMicInt(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseMicInt"); }
int32_t AudioPanelMouseMicPa(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseMicPa"); }
int32_t AudioPanelMouseMicVhf1(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseMicVhf1"); }
int32_t AudioPanelMouseMicVhf2(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseMicVhf2"); }
int32_t AudioPanelMouseMicVhf3(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseMicVhf3"); }
int32_t AudioPanelMouseRadioIntDec(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseRadioIntDec"); }
int32_t AudioPanelMouseRadioIntInc(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseRadioIntInc"); }
int32_t AudioPanelMouseVolumeAdf1(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseVolumeAdf1"); }
int32_t AudioPanelMouseVolumeAdf2(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseVolumeAdf2"); }
int32_t AudioPanelMouseVolumeInt(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseVolumeInt"); }
int32_t AudioPanelMouseVolumeMkr(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseVolumeMkr"); }
int32_t AudioPanelMouseVolumeNav1(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseVolumeNav1"); }
int32_t AudioPanelMouseVolumeNav2(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseVolumeNav2"); }
int32_t AudioPanelMouseVolumePa(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseVolumePa"); }
int32_t AudioPanelMouseVolumeVhf1(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseVolumeVhf1"); }
int32_t AudioPanelMouseVolumeVhf2(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseVolumeVhf2"); }
int32_t AudioPanelMouseVolumeVhf3(platform::PixelPoint, uint32_t) { return NotBuilt("AudioPanelMouseVolumeVhf3"); }
int32_t Comm1MouseFreq1KhzDec(platform::PixelPoint, uint32_t) { return NotBuilt("Comm1MouseFreq1KhzDec"); }
int32_t Comm1MouseFreq1KhzInc(platform::PixelPoint, uint32_t) { return NotBuilt("Comm1MouseFreq1KhzInc"); }
int32_t Comm1MouseFreq1MhzDec(platform::PixelPoint, uint32_t) { return NotBuilt("Comm1MouseFreq1MhzDec"); }
int32_t Comm1MouseFreq1MhzInc(platform::PixelPoint, uint32_t) { return NotBuilt("Comm1MouseFreq1MhzInc"); }
int32_t Comm1MouseFreq2KhzDec(platform::PixelPoint, uint32_t) { return NotBuilt("Comm1MouseFreq2KhzDec"); }
int32_t Comm1MouseFreq2KhzInc(platform::PixelPoint, uint32_t) { return NotBuilt("Comm1MouseFreq2KhzInc"); }
int32_t Comm1MouseFreq2MhzDec(platform::PixelPoint, uint32_t) { return NotBuilt("Comm1MouseFreq2MhzDec"); }
int32_t Comm1MouseFreq2MhzInc(platform::PixelPoint, uint32_t) { return NotBuilt("Comm1MouseFreq2MhzInc"); }
int32_t Comm1MouseSquelchSwitch(platform::PixelPoint, uint32_t) { return NotBuilt("Comm1MouseSquelchSwitch"); }
int32_t Comm1MouseTfrSwitch(platform::PixelPoint, uint32_t) { return NotBuilt("Comm1MouseTfrSwitch"); }
int32_t Comm2MouseFreq1KhzDec(platform::PixelPoint, uint32_t) { return NotBuilt("Comm2MouseFreq1KhzDec"); }
int32_t Comm2MouseFreq1KhzInc(platform::PixelPoint, uint32_t) { return NotBuilt("Comm2MouseFreq1KhzInc"); }
int32_t Comm2MouseFreq1MhzDec(platform::PixelPoint, uint32_t) { return NotBuilt("Comm2MouseFreq1MhzDec"); }
int32_t Comm2MouseFreq1MhzInc(platform::PixelPoint, uint32_t) { return NotBuilt("Comm2MouseFreq1MhzInc"); }
int32_t Comm2MouseFreq2KhzDec(platform::PixelPoint, uint32_t) { return NotBuilt("Comm2MouseFreq2KhzDec"); }
int32_t Comm2MouseFreq2KhzInc(platform::PixelPoint, uint32_t) { return NotBuilt("Comm2MouseFreq2KhzInc"); }
int32_t Comm2MouseFreq2MhzDec(platform::PixelPoint, uint32_t) { return NotBuilt("Comm2MouseFreq2MhzDec"); }
int32_t Comm2MouseFreq2MhzInc(platform::PixelPoint, uint32_t) { return NotBuilt("Comm2MouseFreq2MhzInc"); }
int32_t Comm2MouseSquelchSwitch(platform::PixelPoint, uint32_t) { return NotBuilt("Comm2MouseSquelchSwitch"); }
int32_t Comm2MouseTfrSwitch(platform::PixelPoint, uint32_t) { return NotBuilt("Comm2MouseTfrSwitch"); }
int32_t EoapMouseCtrl(platform::PixelPoint, uint32_t) { return NotBuilt("EoapMouseCtrl"); }
int32_t EoapMouseDoor(platform::PixelPoint, uint32_t) { return NotBuilt("EoapMouseDoor"); }
int32_t EoapMouseElec(platform::PixelPoint, uint32_t) { return NotBuilt("EoapMouseElec"); }
int32_t EoapMouseEng(platform::PixelPoint, uint32_t) { return NotBuilt("EoapMouseEng"); }
int32_t EoapMouseHyd(platform::PixelPoint, uint32_t) { return NotBuilt("EoapMouseHyd"); }
int32_t EoapMouseIce(platform::PixelPoint, uint32_t) { return NotBuilt("EoapMouseIce"); }
int32_t EoapMouseMisc(platform::PixelPoint, uint32_t) { return NotBuilt("EoapMouseMisc"); }
int32_t EoapMouseMon(platform::PixelPoint, uint32_t) { return NotBuilt("EoapMouseMon"); }
int32_t EoapMouseScrollDown(platform::PixelPoint, uint32_t) { return NotBuilt("EoapMouseScrollDown"); }
int32_t EoapMouseScrollUp(platform::PixelPoint, uint32_t) { return NotBuilt("EoapMouseScrollUp"); }
int32_t TransponderMouseAboveBelowDec(platform::PixelPoint, uint32_t) { return NotBuilt("TransponderMouseAboveBelowDec"); }
int32_t TransponderMouseAboveBelowInc(platform::PixelPoint, uint32_t) { return NotBuilt("TransponderMouseAboveBelowInc"); }
int32_t TransponderMouseIdent(platform::PixelPoint, uint32_t) { return NotBuilt("TransponderMouseIdent"); }
int32_t TransponderMouseModeDec(platform::PixelPoint, uint32_t) { return NotBuilt("TransponderMouseModeDec"); }
int32_t TransponderMouseModeInc(platform::PixelPoint, uint32_t) { return NotBuilt("TransponderMouseModeInc"); }
int32_t TransponderMouseTcasRangeDec(platform::PixelPoint, uint32_t) { return NotBuilt("TransponderMouseTcasRangeDec"); }
int32_t TransponderMouseTcasRangeInc(platform::PixelPoint, uint32_t) { return NotBuilt("TransponderMouseTcasRangeInc"); }
int32_t TransponderMouseTransfer(platform::PixelPoint, uint32_t) { return NotBuilt("TransponderMouseTransfer"); }
int32_t TrpMouseModeCl(platform::PixelPoint, uint32_t) { return NotBuilt("TrpMouseModeCl"); }
int32_t TrpMouseModeCr(platform::PixelPoint, uint32_t) { return NotBuilt("TrpMouseModeCr"); }
int32_t TrpMouseModeGa(platform::PixelPoint, uint32_t) { return NotBuilt("TrpMouseModeGa"); }
int32_t TrpMouseModeMct(platform::PixelPoint, uint32_t) { return NotBuilt("TrpMouseModeMct"); }
int32_t TrpMouseModeTo(platform::PixelPoint, uint32_t) { return NotBuilt("TrpMouseModeTo"); }
int32_t TrpMouseModeToFlx(platform::PixelPoint, uint32_t) { return NotBuilt("TrpMouseModeToFlx"); }
int32_t TrpMouseTempDec(platform::PixelPoint, uint32_t) { return NotBuilt("TrpMouseTempDec"); }
int32_t TrpMouseTempInc(platform::PixelPoint, uint32_t) { return NotBuilt("TrpMouseTempInc"); }
int32_t TrpMouseTest(platform::PixelPoint, uint32_t) { return NotBuilt("TrpMouseTest"); }

}  // namespace halcyon
