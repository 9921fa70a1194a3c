// The Mentor VA Editor gauge: mode tabs, the selected pointer's fields and
// the editing buttons over the step editing of the open lesson.
#include "gauges/mentor_editor.h"

#include <array>
#include <cstdio>

#include "core/helpers.h"
#include "core/panel_services.h"
#include "crewaids/training/lesson_steps.h"
#include "gauges/gauge_kit.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;

constexpr size_t kTextBytes = kAnsiBufferBytes;
// The texts of the string elements 2 to 5, as last polled.
std::array<std::array<char, kTextBytes>, 6> g_texts{};

constexpr platform::ELEMENT_HEADER Text(const char* name, int32_t x, int32_t y, platform::ElementCallback callback) {
  return {.kind = platform::ElementKind::String, .x = x, .y = y, .callback = callback, .imageWidth = 120,
          .imageHeight = 16, .name = name};
}

ElementChain g_elements({
    StaticImage("editor panel"),
    Icon("mode tab", 7, 9, 3, MentorEditorElemModeTab),
    Text("selected pointer", 22, 156, MentorEditorElemItem),
    Text("Y", 162, 106, MentorEditorElemY),
    Text("X", 22, 106, MentorEditorElemX),
    Text("name", 22, 66, MentorEditorElemName),
});

constexpr uint32_t kItemElement = 2;
constexpr uint32_t kYElement = 3;
constexpr uint32_t kXElement = 4;
constexpr uint32_t kNameElement = 5;

// Element n shows the text kept for it.
double Shown(ELEMENT_HEADER* element, uint32_t n) {
  if (element != nullptr) element->text = g_texts[n].data();
  return 1.0;
}

// Fills element n's text: `format` in the arrow and box modes, empty in
// window mode, "Error" in any other.
double ShowPointerField(ELEMENT_HEADER* element, uint32_t n, const char* format, int32_t value) {
  char* text = g_texts[n].data();
  const int32_t mode = GetEditorMode();
  if (mode == kEditArrows || mode == kEditBoxes) {
    std::snprintf(text, kTextBytes, format, value, kPointerCount);
  } else {
    std::snprintf(text, kTextBytes, "%s", mode == kEditWindow ? "" : "Error");
  }
  return Shown(element, n);
}

int32_t Done() { return 1; }

}  // namespace

platform::ELEMENT_HEADER* MentorEditorElements() { return g_elements.Head(); }

double MentorEditorElemModeTab(ELEMENT_HEADER*) { return GetEditorMode(); }

double MentorEditorElemItem(ELEMENT_HEADER* element) {
  return ShowPointerField(element, kItemElement, "%d/%d", GetEditorItem());
}

double MentorEditorElemY(ELEMENT_HEADER* element) {
  return ShowPointerField(element, kYElement, "Y:%d", EditorGetCoord(1));
}

double MentorEditorElemX(ELEMENT_HEADER* element) {
  return ShowPointerField(element, kXElement, "X:%d", EditorGetCoord(0));
}

double MentorEditorElemName(ELEMENT_HEADER* element) {
  const wchar_t* name = nullptr;
  switch (GetEditorMode()) {
    case kEditArrows: name = GetArrowTypeName(); break;
    case kEditBoxes: name = GetBoxTypeName(); break;
    case kEditWindow: name = GetWindowName(); break;
    default: break;
  }
  std::snprintf(g_texts[kNameElement].data(), kTextBytes, "%s", name != nullptr ? WideToAnsi(name) : "Menu error");
  return Shown(element, kNameElement);
}

// ---- Mouse functions: none plays a click ----

int32_t MentorEditorMouseClose(platform::PixelPoint, uint32_t) {
  TriggerKeyEvent(kKeyEventClosePanelWindow, kMentorEditorWindow);
  return Done();
}
int32_t MentorEditorMouseArrows(platform::PixelPoint, uint32_t) { return SetEditorMode(kEditArrows), Done(); }
int32_t MentorEditorMouseBoxes(platform::PixelPoint, uint32_t) { return SetEditorMode(kEditBoxes), Done(); }
int32_t MentorEditorMouseWindow(platform::PixelPoint, uint32_t) { return SetEditorMode(kEditWindow), Done(); }
int32_t MentorEditorMouseTypePrev(platform::PixelPoint, uint32_t) { return EditorCycleTypePrev(), Done(); }
int32_t MentorEditorMouseTypeNext(platform::PixelPoint, uint32_t) { return EditorCycleTypeNext(), Done(); }
int32_t MentorEditorMouseXDec1(platform::PixelPoint, uint32_t) { return EditorMoveB(0, 1), Done(); }
int32_t MentorEditorMouseXInc1(platform::PixelPoint, uint32_t) { return EditorMoveA(0, 1), Done(); }
int32_t MentorEditorMouseYDec1(platform::PixelPoint, uint32_t) { return EditorMoveB(1, 1), Done(); }
int32_t MentorEditorMouseYInc1(platform::PixelPoint, uint32_t) { return EditorMoveA(1, 1), Done(); }
int32_t MentorEditorMouseXDec10(platform::PixelPoint, uint32_t) { return EditorMoveB(0, 10), Done(); }
int32_t MentorEditorMouseXInc10(platform::PixelPoint, uint32_t) { return EditorMoveA(0, 10), Done(); }
int32_t MentorEditorMouseYDec10(platform::PixelPoint, uint32_t) { return EditorMoveB(1, 10), Done(); }
int32_t MentorEditorMouseYInc10(platform::PixelPoint, uint32_t) { return EditorMoveA(1, 10), Done(); }
int32_t MentorEditorMouseItemPrev(platform::PixelPoint, uint32_t) { return EditorPrevItem(), Done(); }
int32_t MentorEditorMouseItemNext(platform::PixelPoint, uint32_t) { return EditorNextItem(), Done(); }
int32_t MentorEditorMouseClear(platform::PixelPoint, uint32_t) { return EditorClearItem(), Done(); }
int32_t MentorEditorMouseReset(platform::PixelPoint, uint32_t) { return EditorResetItem(), Done(); }

}  // namespace halcyon
