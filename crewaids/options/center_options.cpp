// The options page and the notice window: check boxes, volume and `fd_mod`
// steps and sliders, the notice's box and close button.
#include "crewaids/options/center_options.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/helpers.h"
#include "core/options.h"
#include "core/panel_windows.h"
#include "gauges/gauge_kit.h"
#include "host/sound_system.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;

constexpr int32_t kVolumeMin = -2000;
constexpr int32_t kVolumeMax = 0;
constexpr int32_t kFdModMax = 10;
// The sliders' travel: pixels a unit of volume (hundredths of a decibel) and
// a step of fd_mod.
constexpr double kVolumeSliderPixels = 0.14;
constexpr double kFdModSliderPixels = 20.4;

template <uint32_t kOption>
double CheckBox(ELEMENT_HEADER*) {
  return GetOption(kOption) != 0 ? 1.0 : 0.0;
}

template <int32_t kChannel>
double VolumeSlider(ELEMENT_HEADER*) {
  return g_soundSystem != nullptr ? g_soundSystem->GetChannelVolume(kChannel) : 0.0;
}

double FdModSlider(ELEMENT_HEADER*) { return g_fdMod; }

char g_fdModText[8] = {};

double FdModText(ELEMENT_HEADER* element) {
  // A number from the file far outside 0..10 is held at the integers' ends.
  const int32_t percent = TruncateSaturated<int32_t>(g_fdMod / 10.0 * 100.0);
  std::snprintf(g_fdModText, sizeof g_fdModText, "%3d%%", percent);
  if (element != nullptr) element->text = g_fdModText;
  return 1.0;
}

// A slider moved across by its value, `pixelsPerUnit` a unit: the inverse of
// the drag's law, so that the knob follows the pointer.
constexpr ELEMENT_HEADER Slider(const char* name, int32_t x, int32_t y, platform::ElementCallback callback,
                                double pixelsPerUnit) {
  return {.kind = platform::ElementKind::Slider, .x = x, .y = y, .callback = callback, .name = name,
          .xScale = pixelsPerUnit};
}

// Check boxes in screen order: the left column from the top, then the right.
ElementChain g_optionsElements({
    StaticImage("Center Options background"),
    Icon("fma_fl", 21, 18, 2, CheckBox<kOptionFmaFl>),
    Icon("spacebar", 21, 42, 2, CheckBox<kOptionSpacebar>),
    Icon("sound", 21, 66, 2, CheckBox<kOptionSoundOff>),
    Icon("center_startup", 21, 89, 2, CheckBox<kOptionCenterStartup>),
    Icon("popup_annunciator", 21, 114, 2, CheckBox<kOptionPopupAnnunciator>),
    Icon("hotspots", 21, 138, 2, CheckBox<kOptionHotspots>),
    Icon("click_areas", 21, 162, 2, CheckBox<kOptionClickAreas>),
    Icon("preload_windows", 21, 185, 2, CheckBox<kOptionPreloadWindows>),
    Icon("irs_fast_start_realign", 21, 210, 2, CheckBox<kOptionIrsFastStartRealign>),
    Icon("turn_off_fo_callouts", 21, 234, 2, CheckBox<kOptionTurnOffFoCallouts>),
    Icon("alt_training_font", 21, 258, 2, CheckBox<kOptionAltTrainingFont>),
    Icon("one_nav_ils", 21, 282, 2, CheckBox<kOptionOneNavIls>),
    Icon("drop_menu", 21, 306, 2, CheckBox<kOptionDropMenu>),
    Icon("fd_v_bar", 21, 330, 2, CheckBox<kOptionFdVBar>),
    Icon("no_switch_click_sounds", 21, 354, 2, CheckBox<kOptionNoSwitchClickSounds>),
    Icon("fd_mod_enable", 378, 18, 2, CheckBox<kOptionFdModEnable>),
    Icon("fms_auto_set_alt_presel", 378, 138, 2, CheckBox<kOptionFmsAutoSetAltPresel>),
    Slider("volume FO", 325, 428, VolumeSlider<kChannelFo>, kVolumeSliderPixels),
    Slider("volume panel", 325, 473, VolumeSlider<kChannelPanel>, kVolumeSliderPixels),
    Slider("fd_mod", 402, 59, FdModSlider, kFdModSliderPixels),
    {.kind = platform::ElementKind::String, .x = 490, .y = 40, .callback = FdModText, .imageWidth = 40,
     .imageHeight = 14, .name = "fd_mod percent"},
});

ElementChain g_updatedElements({
    StaticImage("Center Updated background"),
    Icon("updated_no_show", 11, 225, 2, CheckBox<kOptionUpdatedNoShow>),
});

// Without a sound player the volume controls do nothing.
template <int32_t kChannel, int32_t kStep>
int32_t VolumeStep() {
  if (g_soundSystem == nullptr) return 1;
  if (kStep > 0) {
    g_soundSystem->VolumeUp(kChannel);
  } else {
    g_soundSystem->VolumeDown(kChannel);
  }
  return 1;
}

template <int32_t kChannel>
int32_t VolumeDrag(platform::PixelPoint point) {
  if (g_soundSystem != nullptr) g_soundSystem->SetChannelVolume(kChannel, VolumeAtSlider(point.x));
  return 1;
}

}  // namespace

int32_t VolumeAtSlider(int32_t x) {
  // Truncated before the offset: 140 / 0.14 falls just below 1000.
  const int64_t volume = static_cast<int64_t>(x / kVolumeSliderPixels) - 2000;
  return static_cast<int32_t>(std::clamp<int64_t>(volume, kVolumeMin, kVolumeMax));
}

int32_t FdModAtSlider(int32_t x) {
  const int64_t value = static_cast<int64_t>(x / kFdModSliderPixels + 0.5);
  return static_cast<int32_t>(std::clamp<int64_t>(value, 0, kFdModMax));
}

platform::ELEMENT_HEADER* CenterOptionsElements() { return g_optionsElements.Head(); }
platform::ELEMENT_HEADER* CenterUpdatedElements() { return g_updatedElements.Head(); }

template <uint32_t kOption>
int32_t CenterOptionsMouseToggle(platform::PixelPoint, uint32_t) {
  if (GetOption(kOption) != 0) {
    SetOptionOff(kOption);
  } else {
    SetOptionOn(kOption);
  }
  return 1;
}
template int32_t CenterOptionsMouseToggle<kOptionSpacebar>(platform::PixelPoint, uint32_t);
template int32_t CenterOptionsMouseToggle<kOptionSoundOff>(platform::PixelPoint, uint32_t);
template int32_t CenterOptionsMouseToggle<kOptionCenterStartup>(platform::PixelPoint, uint32_t);
template int32_t CenterOptionsMouseToggle<kOptionPopupAnnunciator>(platform::PixelPoint, uint32_t);
template int32_t CenterOptionsMouseToggle<kOptionHotspots>(platform::PixelPoint, uint32_t);
template int32_t CenterOptionsMouseToggle<kOptionClickAreas>(platform::PixelPoint, uint32_t);
template int32_t CenterOptionsMouseToggle<kOptionPreloadWindows>(platform::PixelPoint, uint32_t);
template int32_t CenterOptionsMouseToggle<kOptionFmaFl>(platform::PixelPoint, uint32_t);
template int32_t CenterOptionsMouseToggle<kOptionAltTrainingFont>(platform::PixelPoint, uint32_t);
template int32_t CenterOptionsMouseToggle<kOptionOneNavIls>(platform::PixelPoint, uint32_t);
template int32_t CenterOptionsMouseToggle<kOptionDropMenu>(platform::PixelPoint, uint32_t);
template int32_t CenterOptionsMouseToggle<kOptionIrsFastStartRealign>(platform::PixelPoint, uint32_t);
template int32_t CenterOptionsMouseToggle<kOptionTurnOffFoCallouts>(platform::PixelPoint, uint32_t);
template int32_t CenterOptionsMouseToggle<kOptionFdVBar>(platform::PixelPoint, uint32_t);
template int32_t CenterOptionsMouseToggle<kOptionNoSwitchClickSounds>(platform::PixelPoint, uint32_t);
template int32_t CenterOptionsMouseToggle<kOptionFdModEnable>(platform::PixelPoint, uint32_t);
template int32_t CenterOptionsMouseToggle<kOptionFmsAutoSetAltPresel>(platform::PixelPoint, uint32_t);

int32_t CenterOptionsMouseVolumeFoDown(platform::PixelPoint, uint32_t) { return VolumeStep<kChannelFo, -1>(); }
int32_t CenterOptionsMouseVolumeFoUp(platform::PixelPoint, uint32_t) { return VolumeStep<kChannelFo, 1>(); }
int32_t CenterOptionsMouseVolumeFoSlider(platform::PixelPoint point, uint32_t) { return VolumeDrag<kChannelFo>(point); }
int32_t CenterOptionsMouseVolumePanelDown(platform::PixelPoint, uint32_t) { return VolumeStep<kChannelPanel, -1>(); }
int32_t CenterOptionsMouseVolumePanelUp(platform::PixelPoint, uint32_t) { return VolumeStep<kChannelPanel, 1>(); }
int32_t CenterOptionsMouseVolumePanelSlider(platform::PixelPoint point, uint32_t) {
  return VolumeDrag<kChannelPanel>(point);
}

int32_t CenterOptionsMouseFdModDown(platform::PixelPoint, uint32_t) {
  g_fdMod = std::max(g_fdMod - 1, 0);
  return 1;
}

int32_t CenterOptionsMouseFdModUp(platform::PixelPoint, uint32_t) {
  g_fdMod = std::min(g_fdMod + 1, kFdModMax);
  return 1;
}

int32_t CenterOptionsMouseFdModSlider(platform::PixelPoint point, uint32_t) {
  g_fdMod = FdModAtSlider(point.x);
  return 1;
}

int32_t CenterUpdatedMouseNoShow(platform::PixelPoint point, uint32_t mouseFlags) {
  return CenterOptionsMouseToggle<kOptionUpdatedNoShow>(point, mouseFlags);
}

int32_t CenterUpdatedMouseClose(platform::PixelPoint, uint32_t) {
  ClosePanelWindow(kPanelWindowUpdated);
  return 1;
}

}  // namespace halcyon
