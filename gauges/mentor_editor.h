// The "Mentor VA Editor" gauge (panel window 10350): the authoring tool of a
// lesson step's pointers. It shows the editor mode, the selected pointer, its
// coordinates and the name of its type (or of the step's window), and its
// buttons call the step editing, which writes the lesson file at once.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

constexpr uint32_t kMentorEditorWindow = 10350;

platform::ELEMENT_HEADER* MentorEditorElements();

double MentorEditorElemModeTab(platform::ELEMENT_HEADER* element);
double MentorEditorElemItem(platform::ELEMENT_HEADER* element);
double MentorEditorElemY(platform::ELEMENT_HEADER* element);
double MentorEditorElemX(platform::ELEMENT_HEADER* element);
double MentorEditorElemName(platform::ELEMENT_HEADER* element);

int32_t MentorEditorMouseClose(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MentorEditorMouseArrows(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MentorEditorMouseBoxes(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MentorEditorMouseWindow(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MentorEditorMouseTypePrev(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MentorEditorMouseTypeNext(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MentorEditorMouseXDec1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MentorEditorMouseXInc1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MentorEditorMouseYDec1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MentorEditorMouseYInc1(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MentorEditorMouseXDec10(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MentorEditorMouseXInc10(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MentorEditorMouseYDec10(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MentorEditorMouseYInc10(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MentorEditorMouseItemPrev(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MentorEditorMouseItemNext(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MentorEditorMouseClear(platform::PixelPoint point, uint32_t mouseFlags);
int32_t MentorEditorMouseReset(platform::PixelPoint point, uint32_t mouseFlags);

}  // namespace halcyon
