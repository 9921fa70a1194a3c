// The audio control panel: the transmitter selector, the ident switch and
// one receiver volume switch per audio source. Once a second the ident
// switch and the NAV, marker and ADF volume switches are mirrored into the
// simulator's receiver-audio settings. Reads the simulator's receiver-audio
// tokens and its transmitter token at start-up; drives their key events.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// [AUDIO PANEL], 41 on and 120 off.
extern CSwitch g_audioRadioInt;    // "radio_int", default 120
extern CSwitch g_audioIdent;       // "ident", default 120
extern CSwitch g_audioVolumeVhf1;  // "volume_vhf1", default 41
extern CSwitch g_audioVolumeVhf2;  // "volume_vhf2", default 41
extern CSwitch g_audioVolumeVhf3;  // "volume_vhf3", default 120
extern CSwitch g_audioVolumePa;    // "volume_pa", default 120
extern CSwitch g_audioVolumeInt;   // "volume_int", default 120
extern CSwitch g_audioVolumeNav1;  // "volume_nav1", default 120
extern CSwitch g_audioVolumeNav2;  // "volume_nav2", default 120
extern CSwitch g_audioVolumeMkr;   // "volume_mkr", default 41
extern CSwitch g_audioVolumeAdf1;  // "volume_adf1", default 120
extern CSwitch g_audioVolumeAdf2;  // "volume_adf2", default 120

constexpr uint32_t kKeyEventVhfBothReceive = 66466;
constexpr uint32_t kKeyEventMarkerAudioSet = 66478;

constexpr int32_t kAudioSelectorCount = 6;  // 0 none, 1..5 the panel's transmitters

void LoadAudioPanel();
// Once a second.
void UpdateAudioPanel();
void SaveAudioPanel();

// Stores 0..5; anything else stores 0.
void SetAudioSelector(int32_t n);
uint32_t GetAudioSelector();

}  // namespace halcyon
