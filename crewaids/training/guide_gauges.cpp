// The Training Guide and the Training Pointers overlay: the step's texts in
// the font the options choose, the guide's buttons, and which arrow, marker
// and box pictures the overlay shows where.
#include "crewaids/training/guide_gauges.h"

#include <array>
#include <cstdio>
#include <utility>

#include "core/helpers.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "crewaids/training/center_gauges.h"
#include "crewaids/training/lesson_steps.h"
#include "gauges/gauge_kit.h"
#include "gauges/mentor_editor.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;

int32_t Done() { return 1; }

// ---- "Training Guide" ----

// Both pairs are white "Courier New"; the alternative one is bold, for
// screens where the thin strokes of the regular weight are hard to read.
constexpr const char* kGuideFont = "Courier New";
constexpr int32_t kRegularWeight = 400;
constexpr int32_t kAltWeight = 700;
constexpr uint32_t kWhite = 0xFFFFFF;

constexpr ELEMENT_HEADER GuideText(const char* name, int32_t y, int32_t height, platform::ElementCallback callback,
                                   int32_t weight) {
  return InColors(TextElement(name, 5, y, 389, height, callback, kGuideFont, weight), kWhite);
}

// The texts of elements 1 to 4, each in storage of its own.
std::array<std::array<char, kAnsiBufferBytes>, 5> g_guideTexts{};

template <uint32_t kElement>
double ShowText(ELEMENT_HEADER* element, const wchar_t* text) {
  char* shown = std::get<kElement>(g_guideTexts).data();
  std::snprintf(shown, kAnsiBufferBytes, "%s", WideToAnsi(text));
  if (element != nullptr) element->text = shown;
  return 1.0;
}

template <uint32_t kElement>
double StepText(ELEMENT_HEADER* element) {
  return ShowText<kElement>(element, GetStepText());
}
template <uint32_t kElement>
double StepHeader(ELEMENT_HEADER* element) {
  return ShowText<kElement>(element, GetStepHeader());
}

// 1 on the first step, 2 on the last, 0 between.
double StepIcon(ELEMENT_HEADER*) {
  if (GetLessonStep() == 1) return 1.0;
  return IsLastLessonStep() ? 2.0 : 0.0;
}

ElementChain g_guideElements({
    StaticImage("training guide"),
    GuideText("step text", 92, 125, StepText<kGuideText>, kRegularWeight),
    GuideText("step header", 47, 35, StepHeader<kGuideHeader>, kRegularWeight),
    GuideText("step text (alt font)", 92, 125, StepText<kGuideAltText>, kAltWeight),
    GuideText("step header (alt font)", 47, 35, StepHeader<kGuideAltHeader>, kAltWeight),
    Icon("first/last step", 285, 223, 3, StepIcon),
});

// The guide's windows and the editor's close together.
constexpr uint32_t kGuideWindows[] = {kGuideWindow, kPointersWindow, kMentorEditorWindow};

void CloseGuideWindows() {
  for (const uint32_t ident : kGuideWindows) TriggerKeyEvent(kKeyEventClosePanelWindow, ident);
}

// ---- "Training Pointers" ----

template <int32_t kArrow>
double ArrowX(ELEMENT_HEADER*) {
  return GetArrowX(kArrow);
}
template <int32_t kArrow>
double ArrowY(ELEMENT_HEADER*) {
  return GetArrowY(kArrow);
}

// The marker stands above and right of the selected arrow, in box mode too.
constexpr double kMarkerDx = 10.0;
constexpr double kMarkerDy = -35.0;
double MarkerX(ELEMENT_HEADER*) { return GetArrowX(GetEditorItem()) + kMarkerDx; }
double MarkerY(ELEMENT_HEADER*) { return GetArrowY(GetEditorItem()) + kMarkerDy; }

// Each target's frame stands where the first box of that target is.
template <int32_t kTarget>
double BoxX(ELEMENT_HEADER*) {
  return GetBoxX(FindBoxByType(kTarget));
}
template <int32_t kTarget>
double BoxY(ELEMENT_HEADER*) {
  return GetBoxY(FindBoxByType(kTarget));
}

// The arrow pictures in element order: for each arrow, lower left, lower
// right, upper left, upper right.
constexpr const char* kArrowNames[16] = {
    "arrow 1 lower left", "arrow 1 lower right", "arrow 1 upper left", "arrow 1 upper right",
    "arrow 2 lower left", "arrow 2 lower right", "arrow 2 upper left", "arrow 2 upper right",
    "arrow 3 lower left", "arrow 3 lower right", "arrow 3 upper left", "arrow 3 upper right",
    "arrow 4 lower left", "arrow 4 lower right", "arrow 4 upper left", "arrow 4 upper right",
};

template <size_t... I>
constexpr std::array<ELEMENT_HEADER, sizeof...(I)> Arrows(std::index_sequence<I...>) {
  return {Slider(kArrowNames[I], 0, 0, ArrowX<static_cast<int32_t>(I / 4) + 1>,
                 ArrowY<static_cast<int32_t>(I / 4) + 1>)...};
}

// A box frame: a picture of the size of what it frames.
struct BoxFrame {
  const char* name;
  int32_t width;
  int32_t height;
};
constexpr BoxFrame kBoxFrames[9] = {
    {"box Audio Panel", 175, 135},
    {"box Flight Guidance Panel", 642, 116},
    {"box Fuel Pumps", 200, 120},
    {"box Fuel Quantity", 195, 186},
    {"box Throttles", 360, 300},
    {"box EOAP", 537, 106},
    {"box Aircondition", 300, 200},
    {"box Engine Display Panel", 168, 290},
    {"box Flight Instruments", 620, 270},
};

template <size_t... I>
constexpr std::array<ELEMENT_HEADER, sizeof...(I)> Boxes(std::index_sequence<I...>) {
  return {WithImageSize(Slider(kBoxFrames[I].name, 0, 0, BoxX<static_cast<int32_t>(I) + 1>,
                               BoxY<static_cast<int32_t>(I) + 1>),
                        kBoxFrames[I].width, kBoxFrames[I].height)...};
}

ElementChain g_pointerElements(JoinElements(std::array{StaticImage("transparent overlay")},
                                            Arrows(std::make_index_sequence<16>{}),
                                            std::array{Slider("selection marker", 0, 0, MarkerX, MarkerY)},
                                            Boxes(std::make_index_sequence<9>{})));

}  // namespace

platform::ELEMENT_HEADER* TrainingGuideElements() { return g_guideElements.Head(); }

void TrainingGuideGaugeCallback(platform::GAUGEHDR* gauge, uint32_t service, uintptr_t) {
  if (service != platform::kServicePreDraw) return;
  const bool alternative = GetOption(kOptionAltTrainingFont);
  ShowElement(gauge, kGuideText, !alternative);
  ShowElement(gauge, kGuideHeader, !alternative);
  ShowElement(gauge, kGuideAltText, alternative);
  ShowElement(gauge, kGuideAltHeader, alternative);
}

int32_t TrainingGuideMouseClose(platform::PixelPoint, uint32_t) { return CloseGuideWindows(), Done(); }

// Back to the training list without closing the lesson: the step stays.
int32_t TrainingGuideMouseCenter(platform::PixelPoint, uint32_t) {
  TriggerKeyEvent(kKeyEventOpenPanelWindow, kCenterTrainingWindow);
  TriggerKeyEvent(kKeyEventOpenPanelWindow, kCenterFrameWindow);
  CloseGuideWindows();
  return Done();
}

int32_t TrainingGuideMouseFirst(platform::PixelPoint, uint32_t) { return FirstLessonStep(), Done(); }
int32_t TrainingGuideMouseEditor(platform::PixelPoint, uint32_t) {
  TriggerKeyEvent(kKeyEventTogglePanelWindow, kMentorEditorWindow);
  return Done();
}
int32_t TrainingGuideMousePrevious(platform::PixelPoint, uint32_t) { return PreviousLessonStep(), Done(); }
int32_t TrainingGuideMouseNext(platform::PixelPoint, uint32_t) { return ReadLessonStep(), Done(); }

platform::ELEMENT_HEADER* TrainingPointersElements() { return g_pointerElements.Head(); }

void TrainingPointersGaugeCallback(platform::GAUGEHDR* gauge, uint32_t service, uintptr_t) {
  if (service != platform::kServicePreDraw) return;
  // An arrow shows the one picture of its type; type 0, and a type no picture
  // has, show none (a picture of an earlier step must not stay on screen).
  for (int32_t arrow = 1; arrow <= kPointerCount; ++arrow) {
    const int32_t type = GetArrowType(arrow);
    for (int32_t picture = 1; picture <= 4; ++picture) {
      ShowElement(gauge, PointerArrowElement(arrow, picture), type == picture);
    }
  }
  ShowElement(gauge, kPointerMarker, IsPanelWindowVisible(kMentorEditorWindow));
  for (int32_t target = 1; target <= 9; ++target) {
    ShowElement(gauge, PointerBoxElement(target), FindBoxByType(target) != 0);
  }
}

}  // namespace halcyon
