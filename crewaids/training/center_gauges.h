// The Mentor training centre on the screen: "Center", the frame (window
// 10100) with its three page tabs and close box, and "Center Training", its
// first page (window 10140), which lists the lessons of a category 20 rows a
// page, or the cockpit situations. Reads the lesson list, the centre's page
// and the situation names; drives the page windows, opens lessons and applies
// situations.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

inline constexpr uint32_t kCenterFrameWindow = 10100;
inline constexpr uint32_t kCenterTrainingWindow = 10140;

// "Center": element 1 shows the page (0 none, 1..3).
inline constexpr uint32_t kCenterPageIcon = 1;

// "Center Training": element 1 the page buttons (shown from 21 lessons on),
// element 2 the category tab, then the 20 row texts and the 20 row
// highlights, each group from row 20 down to row 1.
inline constexpr uint32_t kTrainingPageButtons = 1;
inline constexpr uint32_t kTrainingCategoryTab = 2;
inline constexpr uint32_t kTrainingFirstRowText = 3;        // row 20; row 1 at 22
inline constexpr uint32_t kTrainingFirstRowHighlight = 23;  // row 20; row 1 at 42
inline constexpr uint32_t kTrainingElementCount = 43;

// The element of a row's text and of its highlight (row 1..20).
constexpr uint32_t TrainingRowTextElement(int32_t row) { return kTrainingFirstRowText + 20 - static_cast<uint32_t>(row); }
constexpr uint32_t TrainingRowHighlightElement(int32_t row) {
  return kTrainingFirstRowHighlight + 20 - static_cast<uint32_t>(row);
}

platform::ELEMENT_HEADER* CenterElements();
void CenterGaugeCallback(platform::GAUGEHDR* gauge, uint32_t service, uintptr_t extra);
int32_t CenterMouseClose(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterMousePage1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterMousePage2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterMousePage3(platform::PixelPoint point, uint32_t mouseFlags);

platform::ELEMENT_HEADER* CenterTrainingElements();
void CenterTrainingGaugeCallback(platform::GAUGEHDR* gauge, uint32_t service, uintptr_t extra);
int32_t CenterTrainingMouseCategory1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterTrainingMouseCategory2(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterTrainingMouseCategory3(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterTrainingMouseCategory4(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterTrainingMouseSituations(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterTrainingMousePreviousPage(platform::PixelPoint point, uint32_t mouseFlags);
int32_t CenterTrainingMouseNextPage(platform::PixelPoint point, uint32_t mouseFlags);
// Row 1..20: a click opens the row's lesson or applies its situation (and
// closes the centre); the mouse moving over it highlights it.
int32_t CenterTrainingMouseRow(int32_t row, uint32_t mouseFlags);
template <int32_t kRow>
int32_t CenterTrainingMouseRowAt(platform::PixelPoint, uint32_t mouseFlags) {
  return CenterTrainingMouseRow(kRow, mouseFlags);
}

}  // namespace halcyon
