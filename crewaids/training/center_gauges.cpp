// The training centre's frame and its training list: element values from the
// centre's page, the lesson list and the situations, the list's window
// services, and the tabs, page buttons and rows.
#include "crewaids/training/center_gauges.h"

#include <array>
#include <cstdio>
#include <utility>

#include "core/helpers.h"
#include "crewaids/situations/situations.h"
#include "crewaids/training/center_page.h"
#include "crewaids/training/lesson_list.h"
#include "crewaids/training/lesson_steps.h"
#include "gauges/gauge_kit.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;

int32_t Done() { return 1; }

// ---- "Center" ----

double PageIcon(ELEMENT_HEADER*) { return GetCenterPage(); }

ElementChain g_centerElements({
    StaticImage("training centre frame"),
    Icon("page tabs", 196, 178, 4, PageIcon),
});

// ---- "Center Training" ----

constexpr int32_t kRows = kLessonRowsPerPage;
constexpr int32_t kRowPitch = 25;  // row r stands at 25 x r

// Each row writes its text into storage of its own.
std::array<std::array<char, kAnsiBufferBytes>, kRows> g_rowTexts{};

template <int32_t kRow>
double RowText(ELEMENT_HEADER* element) {
  const wchar_t* shown = GetLessonType() == kSituationsLessonType ? GetSituationName(kRow) : GetLessonRowTitle(kRow);
  char* text = std::get<kRow - 1>(g_rowTexts).data();
  std::snprintf(text, kAnsiBufferBytes, "%s", WideToAnsi(shown));
  if (element != nullptr) element->text = text;
  return 1.0;
}

template <int32_t kRow>
double RowHighlight(ELEMENT_HEADER*) {
  return IsLessonSelected(kRow);
}

double PageButtons(ELEMENT_HEADER*) { return g_lessonList.Count() > kRows ? 1.0 : 0.0; }
double CategoryTab(ELEMENT_HEADER*) { return GetLessonType(); }

// Rows 20 down to 1, as the page lists its elements.
template <size_t... I>
constexpr std::array<ELEMENT_HEADER, sizeof...(I)> RowTexts(std::index_sequence<I...>) {
  return {TextElement("row", 324, kRowPitch * (kRows - static_cast<int32_t>(I)), 310, kRowPitch,
                      RowText<kRows - static_cast<int32_t>(I)>)...};
}
template <size_t... I>
constexpr std::array<ELEMENT_HEADER, sizeof...(I)> RowHighlights(std::index_sequence<I...>) {
  return {WithImageSize(Icon("row highlight", 322, kRowPitch * (kRows - static_cast<int32_t>(I)) - 2, 2,
                             RowHighlight<kRows - static_cast<int32_t>(I)>),
                        314, kRowPitch)...};
}

ElementChain g_trainingElements(JoinElements(
    std::array{
        StaticImage("training list"),
        WithImageSize(Icon("page buttons", 651, 485, 2, PageButtons), 32, 56),
        Icon("category tab", 281, 14, 6, CategoryTab),
    },
    RowTexts(std::make_index_sequence<kRows>{}), RowHighlights(std::make_index_sequence<kRows>{})));
static_assert(kTrainingFirstRowHighlight + kRows == kTrainingElementCount);

// A tab: the list of that category (or the situations). Selecting fills
// the list anew, which starts it on its first page.
int32_t ShowCategory(int32_t type) {
  SelectLessonKind(type);
  return Done();
}

}  // namespace

platform::ELEMENT_HEADER* CenterElements() { return g_centerElements.Head(); }

void CenterGaugeCallback(platform::GAUGEHDR*, uint32_t service, uintptr_t) {
  // The frame opened again shows the page it showed last.
  if (service == platform::kServicePanelOpened) CenterPageAction(GetCenterPage());
}

int32_t CenterMouseClose(platform::PixelPoint, uint32_t) { return CloseCenterWindows(), Done(); }
int32_t CenterMousePage1(platform::PixelPoint, uint32_t) { return CenterPageAction(1), Done(); }
int32_t CenterMousePage2(platform::PixelPoint, uint32_t) { return CenterPageAction(2), Done(); }
int32_t CenterMousePage3(platform::PixelPoint, uint32_t) { return CenterPageAction(3), Done(); }

platform::ELEMENT_HEADER* CenterTrainingElements() { return g_trainingElements.Head(); }

void CenterTrainingGaugeCallback(platform::GAUGEHDR*, uint32_t service, uintptr_t) {
  // The list lives while its window is open; opening reads the folder again,
  // so lessons added meanwhile appear.
  switch (service) {
    case platform::kServiceWindowDisconnected:
    case platform::kServicePanelClosed: ClearLessonList(g_lessonList); break;
    case platform::kServicePanelOpened: SelectLessonKind(GetLessonType()); break;
    default: break;
  }
}

int32_t CenterTrainingMouseCategory1(platform::PixelPoint, uint32_t) { return ShowCategory(1); }
int32_t CenterTrainingMouseCategory2(platform::PixelPoint, uint32_t) { return ShowCategory(2); }
int32_t CenterTrainingMouseCategory3(platform::PixelPoint, uint32_t) { return ShowCategory(3); }
int32_t CenterTrainingMouseCategory4(platform::PixelPoint, uint32_t) { return ShowCategory(4); }
int32_t CenterTrainingMouseSituations(platform::PixelPoint, uint32_t) { return ShowCategory(kSituationsLessonType); }
int32_t CenterTrainingMousePreviousPage(platform::PixelPoint, uint32_t) { return PreviousLessonPage(), Done(); }
int32_t CenterTrainingMouseNextPage(platform::PixelPoint, uint32_t) { return NextLessonPage(), Done(); }

int32_t CenterTrainingMouseRow(int32_t row, uint32_t mouseFlags) {
  if ((mouseFlags & platform::kMouseLeftSingle) != 0) {
    const int32_t type = GetLessonType();
    if (type >= 1 && type < kSituationsLessonType) {
      OpenLesson(GetLessonRowPath(row));
    } else if (type == kSituationsLessonType && SituationOfRow(row) >= 0) {
      ApplySituation(SituationOfRow(row));
      CloseCenterWindows();
    }
  }
  if ((mouseFlags & platform::kMouseMove) != 0) SelectLesson(row);
  return Done();
}

}  // namespace halcyon
