// The electronic overhead annunciator panel: its control head ("EOAP", and
// "EOAP Zoom", the same head larger) with the annunciator windows, the two
// scroll keys and the eight category keys, and the alert display ("EOAP
// Display 1" lines 1 to 6, "EOAP Display 2" lines 7 to 12) of 20 character
// cells a line. Everything shown belongs to the annunciator system.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

// The popup window of the alert display, which a click on it toggles.
constexpr uint32_t kPanelWindowAlertDisplay = 10250;

platform::ELEMENT_HEADER* EoapElements();
platform::ELEMENT_HEADER* EoapZoomElements();
platform::ELEMENT_HEADER* EoapDisplay1Elements();
platform::ELEMENT_HEADER* EoapDisplay2Elements();

int32_t EoapMouseScrollUp(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseScrollDown(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseElec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseIce(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseEng(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseCtrl(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseMisc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseHyd(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseMon(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapMouseDoor(platform::PixelPoint point, uint32_t mouseFlags);

int32_t EoapZoomMouseScrollUp(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapZoomMouseScrollDown(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapZoomMouseElec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapZoomMouseIce(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapZoomMouseEng(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapZoomMouseCtrl(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapZoomMouseMisc(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapZoomMouseHyd(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapZoomMouseMon(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapZoomMouseDoor(platform::PixelPoint point, uint32_t mouseFlags);

int32_t EoapDisplay1MouseToggleWindow(platform::PixelPoint point, uint32_t mouseFlags);
int32_t EoapDisplay2MouseToggleWindow(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
