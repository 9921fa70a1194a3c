// The audio selector: the receiver switches and RADIO/INT and IDENT are the
// audio panel's records (section "AUDIO PANEL"), the microphone buttons its
// transmitter selection; the VHF receivers and microphones also tell the
// simulator at once which radios it receives and transmits on. Reads panel
// power, the lamp test and the side and CPL panel lights.
#include "gauges/audio_panel.h"

#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "gauges/switch_moves.h"
#include "systems/annunciator_lamps.h"
#include "systems/audio_panel.h"
#include "systems/electric.h"
#include "systems/lights.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr int32_t kRadio = 93;  // latched up
constexpr int32_t kInt = 92;    // held down
constexpr uint32_t kKeyEventMicVhf1 = 66463;
constexpr uint32_t kKeyEventMicVhf2 = 66464;

constexpr Move kRadioIntUpMoves[] = {{kInt, kSwitchOff}, {kSwitchOff, kRadio}};
constexpr Move kRadioIntDownMoves[] = {{kSwitchOff, kInt}, {kRadio, kSwitchOff}};

template <uint32_t kSelector>
double MicLamp(ELEMENT_HEADER*) {
  return Lamp(IsPanelPowered() != 0, GetAudioSelector() == kSelector);
}

template <CSwitch* kRecord>
double OnAt(ELEMENT_HEADER*) {
  return GetSwitch(kRecord) == kSwitchOn ? 1.0 : 0.0;
}

double RadioIntFrame(ELEMENT_HEADER*) {
  switch (GetSwitch(&g_audioRadioInt)) {
    case kSwitchOff: return 1.0;
    case kInt: return 2.0;
    default: return 0.0;
  }
}

constinit ElementChain g_elements({
    StaticImage("panel"),
    StaticImage("panel light", 0, 31),
    Icon("INT mic", 103, 13, 2, MicLamp<5>),
    Icon("PA mic", 82, 13, 2, MicLamp<4>),
    Icon("VHF3 mic", 61, 13, 2, MicLamp<3>),
    Icon("VHF2 mic", 37, 13, 2, MicLamp<2>),
    Icon("VHF1 mic", 13, 13, 2, MicLamp<1>),
    Icon("ADF2", 149, 88, 2, OnAt<&g_audioVolumeAdf2>),
    Icon("ADF1", 124, 88, 2, OnAt<&g_audioVolumeAdf1>),
    Icon("PA", 100, 88, 2, OnAt<&g_audioVolumePa>),
    Icon("MKR", 58, 88, 2, OnAt<&g_audioVolumeMkr>),
    Icon("NAV2", 33, 88, 2, OnAt<&g_audioVolumeNav2>),
    Icon("NAV1", 10, 88, 2, OnAt<&g_audioVolumeNav1>),
    Icon("INT", 100, 35, 2, OnAt<&g_audioVolumeInt>),
    Icon("VHF3", 59, 35, 2, OnAt<&g_audioVolumeVhf3>),
    Icon("VHF2", 35, 35, 2, OnAt<&g_audioVolumeVhf2>),
    Icon("VHF1", 11, 34, 2, OnAt<&g_audioVolumeVhf1>),
    Icon("IDENT", 81, 97, 2, OnAt<&g_audioIdent>),
    Icon("RADIO/INT", 81, 55, 3, RadioIntFrame),
    StaticImage("click areas", 6, 11),
});
constexpr uint32_t kClickAreas = 19;

constinit ElementChain g_selcalElements({StaticImage("SELCAL")});

int32_t Receiver(CSwitch& record, SoundId sound) { return Throw(record, kOnOff, sound); }

// After either VHF receiver: whether the simulator receives on both radios.
int32_t VhfReceiver(CSwitch& record, SoundId sound) {
  Throw(record, kOnOff, sound);
  const bool both = GetSwitch(&g_audioVolumeVhf1) == kSwitchOn && GetSwitch(&g_audioVolumeVhf2) == kSwitchOn;
  TriggerKeyEvent(kKeyEventVhfBothReceive, both ? 1 : 0);
  return 1;
}

int32_t Microphone(int32_t selector, SoundId sound) {
  SetAudioSelector(selector);
  PlayClick(sound);
  return 1;
}

}  // namespace

platform::ELEMENT_HEADER* AudioPanelElements() { return g_elements.Head(); }
platform::ELEMENT_HEADER* SelcalElements() { return g_selcalElements.Head(); }

void AudioPanelGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, 1, IsSidePanelLightOn() != 0);
  ShowClickAreas(gauge, kClickAreas);
}

void SelcalGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowElement(gauge, 0, IsCplPanelLightOn() != 0);
}

int32_t AudioPanelMouseRadioIntInc(PixelPoint, uint32_t) {
  return Throw(g_audioRadioInt, {kRadioIntUpMoves, kSwitchOff}, kClickToggle2);
}
// INT springs back to the centre as the button is let go.
int32_t AudioPanelMouseRadioIntDec(PixelPoint, uint32_t flags) {
  if (IsRelease(flags)) return ReleaseTo(g_audioRadioInt, kInt, kSwitchOff, kClickToggle2);
  return Throw(g_audioRadioInt, {kRadioIntDownMoves, kSwitchOff}, kClickToggle2);
}
int32_t AudioPanelMouseIdent(PixelPoint, uint32_t) { return Receiver(g_audioIdent, kClickGuarded2); }

int32_t AudioPanelMouseVolumeVhf1(PixelPoint, uint32_t) { return VhfReceiver(g_audioVolumeVhf1, kClickToggle2); }
int32_t AudioPanelMouseVolumeVhf2(PixelPoint, uint32_t) { return VhfReceiver(g_audioVolumeVhf2, kClickGuarded1); }
int32_t AudioPanelMouseVolumeVhf3(PixelPoint, uint32_t) { return Receiver(g_audioVolumeVhf3, kClickGuarded1); }
int32_t AudioPanelMouseVolumeInt(PixelPoint, uint32_t) { return Receiver(g_audioVolumeInt, kClickToggle2); }
int32_t AudioPanelMouseVolumeNav1(PixelPoint, uint32_t) { return Receiver(g_audioVolumeNav1, kClickToggle2); }
int32_t AudioPanelMouseVolumeNav2(PixelPoint, uint32_t) { return Receiver(g_audioVolumeNav2, kClickToggle1); }
int32_t AudioPanelMouseVolumeMkr(PixelPoint, uint32_t) { return Receiver(g_audioVolumeMkr, kClickGuarded1); }
int32_t AudioPanelMouseVolumePa(PixelPoint, uint32_t) { return Receiver(g_audioVolumePa, kClickToggle2); }
int32_t AudioPanelMouseVolumeAdf1(PixelPoint, uint32_t) { return Receiver(g_audioVolumeAdf1, kClickToggle1); }
int32_t AudioPanelMouseVolumeAdf2(PixelPoint, uint32_t) { return Receiver(g_audioVolumeAdf2, kClickToggle1); }

int32_t AudioPanelMouseMicVhf1(PixelPoint, uint32_t) {
  TriggerKeyEvent(kKeyEventMicVhf1, 0);
  return Microphone(1, kClickGuarded1);
}
int32_t AudioPanelMouseMicVhf2(PixelPoint, uint32_t) {
  TriggerKeyEvent(kKeyEventMicVhf2, 0);
  return Microphone(2, kClickGuarded1);
}
int32_t AudioPanelMouseMicVhf3(PixelPoint, uint32_t) { return Microphone(3, kClickToggle2); }
int32_t AudioPanelMouseMicPa(PixelPoint, uint32_t) { return Microphone(4, kClickToggle2); }
int32_t AudioPanelMouseMicInt(PixelPoint, uint32_t) { return Microphone(5, kClickToggle2); }

}  // namespace halcyon
