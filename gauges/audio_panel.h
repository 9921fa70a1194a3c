// The crew audio selector "Audio Panel" (five microphone buttons with lamps,
// ten receiver switches, RADIO/INT and IDENT) and the "SELCAL" picture.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

void AudioPanelGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* AudioPanelElements();
int32_t AudioPanelMouseRadioIntInc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseRadioIntDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseIdent(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeVhf1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeVhf2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeVhf3(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeInt(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeNav1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeNav2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeMkr(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumePa(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeAdf1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseVolumeAdf2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseMicVhf1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseMicVhf2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseMicVhf3(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseMicPa(platform::PixelPoint point, uint32_t mouseFlags);
int32_t AudioPanelMouseMicInt(platform::PixelPoint point, uint32_t mouseFlags);

void SelcalGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* SelcalElements();

}  // namespace halcyon
