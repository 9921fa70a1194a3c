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

int32_t AirspeedMouseBug1Dec(platform::PixelPoint, uint32_t) { return NotBuilt("AirspeedMouseBug1Dec"); }
int32_t AirspeedMouseBug1Inc(platform::PixelPoint, uint32_t) { return NotBuilt("AirspeedMouseBug1Inc"); }
int32_t AirspeedMouseBug2Dec(platform::PixelPoint, uint32_t) { return NotBuilt("AirspeedMouseBug2Dec"); }
int32_t AirspeedMouseBug2Inc(platform::PixelPoint, uint32_t) { return NotBuilt("AirspeedMouseBug2Inc"); }
int32_t AirspeedMouseBug3Dec(platform::PixelPoint, uint32_t) { return NotBuilt("AirspeedMouseBug3Dec"); }
int32_t AirspeedMouseBug3Inc(platform::PixelPoint, uint32_t) { return NotBuilt("AirspeedMouseBug3Inc"); }
int32_t AirspeedMouseBug4Dec(platform::PixelPoint, uint32_t) { return NotBuilt("AirspeedMouseBug4Dec"); }
int32_t AirspeedMouseBug4Inc(platform::PixelPoint, uint32_t) { return NotBuilt("AirspeedMouseBug4Inc"); }
int32_t AirspeedMouseBug5Dec(platform::PixelPoint, uint32_t) { return NotBuilt("AirspeedMouseBug5Dec"); }
int32_t AirspeedMouseBug5Inc(platform::PixelPoint, uint32_t) { return NotBuilt("AirspeedMouseBug5Inc"); }
int32_t AirspeedMouseSpeedCards(platform::PixelPoint, uint32_t) { return NotBuilt("AirspeedMouseSpeedCards"); }
int32_t AltimeterMouseBaroDec(platform::PixelPoint, uint32_t) { return NotBuilt("AltimeterMouseBaroDec"); }
int32_t AltimeterMouseBaroInc(platform::PixelPoint, uint32_t) { return NotBuilt("AltimeterMouseBaroInc"); }
int32_t AltimeterMouseRefIndexDec(platform::PixelPoint, uint32_t) { return NotBuilt("AltimeterMouseRefIndexDec"); }
int32_t AltimeterMouseRefIndexInc(platform::PixelPoint, uint32_t) { return NotBuilt("AltimeterMouseRefIndexInc"); }
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
int32_t ClockMouseLeft(platform::PixelPoint, uint32_t) { return NotBuilt("ClockMouseLeft"); }
int32_t ClockMouseRight(platform::PixelPoint, uint32_t) { return NotBuilt("ClockMouseRight"); }
int32_t EfisNdMouseModeDec(platform::PixelPoint, uint32_t) { return NotBuilt("EfisNdMouseModeDec"); }
int32_t EfisNdMouseModeInc(platform::PixelPoint, uint32_t) { return NotBuilt("EfisNdMouseModeInc"); }
int32_t EfisNdMouseRangeDec(platform::PixelPoint, uint32_t) { return NotBuilt("EfisNdMouseRangeDec"); }
int32_t EfisNdMouseRangeInc(platform::PixelPoint, uint32_t) { return NotBuilt("EfisNdMouseRangeInc"); }
int32_t EfisNdMouseToggleWindow(platform::PixelPoint, uint32_t) { return NotBuilt("EfisNdMouseToggleWindow"); }
int32_t EfisPfdMouseToggleWindow(platform::PixelPoint, uint32_t) { return NotBuilt("EfisPfdMouseToggleWindow"); }
int32_t EngineFireMouseBellOff(platform::PixelPoint, uint32_t) { return NotBuilt("EngineFireMouseBellOff"); }
int32_t EngineFireMouseHandleLeft1(platform::PixelPoint, uint32_t) { return NotBuilt("EngineFireMouseHandleLeft1"); }
int32_t EngineFireMouseHandleLeft2(platform::PixelPoint, uint32_t) { return NotBuilt("EngineFireMouseHandleLeft2"); }
int32_t EngineFireMouseHandleRight1(platform::PixelPoint, uint32_t) { return NotBuilt("EngineFireMouseHandleRight1"); }
int32_t EngineFireMouseHandleRight2(platform::PixelPoint, uint32_t) { return NotBuilt("EngineFireMouseHandleRight2"); }
int32_t EngineFireMouseTest(platform::PixelPoint, uint32_t) { return NotBuilt("EngineFireMouseTest"); }
int32_t FmaMouseAp(platform::PixelPoint, uint32_t) { return NotBuilt("FmaMouseAp"); }
int32_t FmaMouseAts(platform::PixelPoint, uint32_t) { return NotBuilt("FmaMouseAts"); }
int32_t FmaMouseReset(platform::PixelPoint, uint32_t) { return NotBuilt("FmaMouseReset"); }
int32_t FmsMouseBrightnessDec(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseBrightnessDec"); }
int32_t FmsMouseBrightnessInc(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseBrightnessInc"); }
int32_t FmsMouseKey0(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKey0"); }
int32_t FmsMouseKey1(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKey1"); }
int32_t FmsMouseKey2(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKey2"); }
int32_t FmsMouseKey3(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKey3"); }
int32_t FmsMouseKey4(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKey4"); }
int32_t FmsMouseKey5(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKey5"); }
int32_t FmsMouseKey6(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKey6"); }
int32_t FmsMouseKey7(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKey7"); }
int32_t FmsMouseKey8(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKey8"); }
int32_t FmsMouseKey9(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKey9"); }
int32_t FmsMouseKeyA(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyA"); }
int32_t FmsMouseKeyB(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyB"); }
int32_t FmsMouseKeyC(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyC"); }
int32_t FmsMouseKeyClb(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyClb"); }
int32_t FmsMouseKeyClr(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyClr"); }
int32_t FmsMouseKeyCrz(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyCrz"); }
int32_t FmsMouseKeyD(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyD"); }
int32_t FmsMouseKeyDel(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyDel"); }
int32_t FmsMouseKeyDepArr(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyDepArr"); }
int32_t FmsMouseKeyDes(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyDes"); }
int32_t FmsMouseKeyDirIntc(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyDirIntc"); }
int32_t FmsMouseKeyDot(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyDot"); }
int32_t FmsMouseKeyE(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyE"); }
int32_t FmsMouseKeyExec(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyExec"); }
int32_t FmsMouseKeyF(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyF"); }
int32_t FmsMouseKeyFix(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyFix"); }
int32_t FmsMouseKeyG(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyG"); }
int32_t FmsMouseKeyH(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyH"); }
int32_t FmsMouseKeyHold(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyHold"); }
int32_t FmsMouseKeyI(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyI"); }
int32_t FmsMouseKeyInitRef(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyInitRef"); }
int32_t FmsMouseKeyJ(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyJ"); }
int32_t FmsMouseKeyK(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyK"); }
int32_t FmsMouseKeyL(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyL"); }
int32_t FmsMouseKeyLegs(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyLegs"); }
int32_t FmsMouseKeyM(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyM"); }
int32_t FmsMouseKeyMenu(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyMenu"); }
int32_t FmsMouseKeyN(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyN"); }
int32_t FmsMouseKeyNextPage(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyNextPage"); }
int32_t FmsMouseKeyO(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyO"); }
int32_t FmsMouseKeyP(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyP"); }
int32_t FmsMouseKeyPlusMinus(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyPlusMinus"); }
int32_t FmsMouseKeyPrevPage(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyPrevPage"); }
int32_t FmsMouseKeyProg(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyProg"); }
int32_t FmsMouseKeyQ(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyQ"); }
int32_t FmsMouseKeyR(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyR"); }
int32_t FmsMouseKeyRte(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyRte"); }
int32_t FmsMouseKeyS(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyS"); }
int32_t FmsMouseKeySlash(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeySlash"); }
int32_t FmsMouseKeySpace(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeySpace"); }
int32_t FmsMouseKeyT(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyT"); }
int32_t FmsMouseKeyU(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyU"); }
int32_t FmsMouseKeyV(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyV"); }
int32_t FmsMouseKeyW(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyW"); }
int32_t FmsMouseKeyX(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyX"); }
int32_t FmsMouseKeyY(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyY"); }
int32_t FmsMouseKeyZ(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseKeyZ"); }
int32_t FmsMouseLsk1L(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseLsk1L"); }
int32_t FmsMouseLsk1R(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseLsk1R"); }
int32_t FmsMouseLsk2L(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseLsk2L"); }
int32_t FmsMouseLsk2R(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseLsk2R"); }
int32_t FmsMouseLsk3L(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseLsk3L"); }
int32_t FmsMouseLsk3R(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseLsk3R"); }
int32_t FmsMouseLsk4L(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseLsk4L"); }
int32_t FmsMouseLsk4R(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseLsk4R"); }
int32_t FmsMouseLsk5L(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseLsk5L"); }
int32_t FmsMouseLsk5R(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseLsk5R"); }
int32_t FmsMouseLsk6L(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseLsk6L"); }
int32_t FmsMouseLsk6R(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseLsk6R"); }
int32_t FmsMouseToggleWindow(platform::PixelPoint, uint32_t) { return NotBuilt("FmsMouseToggleWindow"); }
int32_t MenuMouseClose(platform::PixelPoint, uint32_t) { return NotBuilt("MenuMouseClose"); }
int32_t MenuMouseItem1(platform::PixelPoint, uint32_t) { return NotBuilt("MenuMouseItem1"); }
int32_t MenuMouseItem10(platform::PixelPoint, uint32_t) { return NotBuilt("MenuMouseItem10"); }
int32_t MenuMouseItem11(platform::PixelPoint, uint32_t) { return NotBuilt("MenuMouseItem11"); }
int32_t MenuMouseItem12(platform::PixelPoint, uint32_t) { return NotBuilt("MenuMouseItem12"); }
int32_t MenuMouseItem13(platform::PixelPoint, uint32_t) { return NotBuilt("MenuMouseItem13"); }
int32_t MenuMouseItem2(platform::PixelPoint, uint32_t) { return NotBuilt("MenuMouseItem2"); }
int32_t MenuMouseItem3(platform::PixelPoint, uint32_t) { return NotBuilt("MenuMouseItem3"); }
int32_t MenuMouseItem4(platform::PixelPoint, uint32_t) { return NotBuilt("MenuMouseItem4"); }
int32_t MenuMouseItem5(platform::PixelPoint, uint32_t) { return NotBuilt("MenuMouseItem5"); }
int32_t MenuMouseItem6(platform::PixelPoint, uint32_t) { return NotBuilt("MenuMouseItem6"); }
int32_t MenuMouseItem7(platform::PixelPoint, uint32_t) { return NotBuilt("MenuMouseItem7"); }
int32_t MenuMouseItem8(platform::PixelPoint, uint32_t) { return NotBuilt("MenuMouseItem8"); }
int32_t MenuMouseItem9(platform::PixelPoint, uint32_t) { return NotBuilt("MenuMouseItem9"); }
int32_t MenuMouseOpen(platform::PixelPoint, uint32_t) { return NotBuilt("MenuMouseOpen"); }
int32_t StandbyCombiMouseBaroDec(platform::PixelPoint, uint32_t) { return NotBuilt("StandbyCombiMouseBaroDec"); }
int32_t StandbyCombiMouseBaroInc(platform::PixelPoint, uint32_t) { return NotBuilt("StandbyCombiMouseBaroInc"); }
int32_t TasSatMouseToggle(platform::PixelPoint, uint32_t) { return NotBuilt("TasSatMouseToggle"); }
int32_t TcasDisplayMouseToggleWindow(platform::PixelPoint, uint32_t) { return NotBuilt("TcasDisplayMouseToggleWindow"); }
int32_t TcasMouseButton(platform::PixelPoint, uint32_t) { return NotBuilt("TcasMouseButton"); }
int32_t TcasMouseDimmerDec(platform::PixelPoint, uint32_t) { return NotBuilt("TcasMouseDimmerDec"); }
int32_t TcasMouseDimmerInc(platform::PixelPoint, uint32_t) { return NotBuilt("TcasMouseDimmerInc"); }
int32_t TcasMouseRangeDec(platform::PixelPoint, uint32_t) { return NotBuilt("TcasMouseRangeDec"); }
int32_t TcasMouseRangeInc(platform::PixelPoint, uint32_t) { return NotBuilt("TcasMouseRangeInc"); }
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
