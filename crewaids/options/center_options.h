// "Center Options", the options page of the Center popup: check boxes for
// the user's option flags, the two sound channels' volumes and the flight
// director's tuning `fd_mod`; and "Center Updated", the notice shown after
// the aircraft is loaded, with its "do not show again" box. Both act at once
// on the options and the sound player, whose owners save them at shut-down.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

inline constexpr uint32_t kOptionsCheckBoxCount = 17;
inline constexpr uint32_t kPanelWindowUpdated = 10200;  // the notice

platform::ELEMENT_HEADER* CenterOptionsElements();
platform::ELEMENT_HEADER* CenterUpdatedElements();

// The volume a slider position gives, hundredths of a decibel, -2000..0.
int32_t VolumeAtSlider(int32_t x);
// The `fd_mod` a slider position gives, 0..10.
int32_t FdModAtSlider(int32_t x);

// A check box of the page toggles its option; the template argument is the
// option's index.
template <uint32_t kOption>
int32_t CenterOptionsMouseToggle(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterOptionsMouseVolumeFoDown(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterOptionsMouseVolumeFoUp(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterOptionsMouseVolumeFoSlider(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterOptionsMouseVolumePanelDown(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterOptionsMouseVolumePanelUp(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterOptionsMouseVolumePanelSlider(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterOptionsMouseFdModDown(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterOptionsMouseFdModUp(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterOptionsMouseFdModSlider(platform::PixelPoint point, uint32_t mouseFlags);

int32_t CenterUpdatedMouseNoShow(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterUpdatedMouseClose(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
