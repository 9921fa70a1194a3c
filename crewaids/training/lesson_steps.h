// The open Mentor lesson: its numbered steps ([STEP.001], [STEP.002], ...),
// each with a header and text for the Training Guide, up to four arrows and
// four boxes for the Training Pointers overlay and the panel window it opens;
// and the editing of the step's pointers and window, written back into the
// lesson file at once. Reads the lesson file; drives the panel windows
// (66507/66508 and ShowPanelWindow) and writes the current step's pointer keys.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace halcyon {

// A pointer of the overlay in its window's pixels; type 0 is not shown.
struct PointerRecord {
  int32_t x = 0;
  int32_t y = 0;
  int32_t type = 0;
};

constexpr int32_t kPointerCount = 4;
constexpr int32_t kParkedX = 640;  // where a pointer not in use waits
constexpr int32_t kParkedY = 480;
// Header and text are read through buffers of these many characters.
constexpr uint32_t kStepHeaderChars = 100;
constexpr uint32_t kStepTextChars = 300;
constexpr uint32_t kStepValueChars = 50;

enum EditorMode : int32_t { kEditArrows = 0, kEditBoxes = 1, kEditWindow = 2 };

// ---- Stepping ----
// Opens the lesson at `path` (nothing for an empty path): step 1 is read,
// the training centre closes and the Training Guide opens. What the last
// lesson showed is cleared first, so a file without step 1 shows the step
// defaults ("Error reading header") and no pointers.
void OpenLesson(const std::wstring& path);
void CloseCenterWindows();
void OpenGuideWindows();
// The next step, when the file has one; it opens the step's window.
void ReadLessonStep();
void PreviousLessonStep();
void FirstLessonStep();

// ---- The step shown ----
const wchar_t* GetStepHeader();  // "|" of the file shown as line feeds
const wchar_t* GetStepText();
int32_t GetLessonStep();         // 0 before a step is read
bool IsLastLessonStep();
const wchar_t* GetLessonFilePath();
int32_t GetStepWindow();
// n from 1 to 4; type 0 for other n.
int32_t GetArrowType(int32_t n);
int32_t GetBoxType(int32_t n);
// 0.0 for n outside 1..4 or a pointer of type 0.
double GetArrowX(int32_t n);
double GetArrowY(int32_t n);
double GetBoxX(int32_t n);
double GetBoxY(int32_t n);
// Whether the overlay draws the pointer: an arrow of type 1 to 4, a box of
// target 1 to 9. A type the file gives outside these is hidden, so no picture
// of an earlier step stays on screen.
bool IsArrowShown(int32_t n);
bool IsBoxShown(int32_t n);
// The first box (1 to 4) whose target is `target`, else 0.
int32_t FindBoxByType(int32_t target);
// Names of the selected arrow's type, the selected box's target and the step's window.
const wchar_t* GetArrowTypeName();
const wchar_t* GetBoxTypeName();
const wchar_t* GetWindowName();

// ---- Editing (each change is written into the lesson file at once) ----
void SetEditorMode(int32_t mode);  // 0, 1 or 2; other values are ignored
int32_t GetEditorMode();
void ResetEditorMode();     // start-up: arrows
void ShutdownEditorMode();  // shut-down: nothing to do
// The selected pointer, 1 to 4, wrapping; window mode has no selection to move.
void EditorNextItem();
void EditorPrevItem();
int32_t GetEditorItem();
void EditorCycleTypeNext();
void EditorCycleTypePrev();
// x (axis 0) or y (axis 1) of the selected pointer plus (A) or minus (B)
// step, for steps 1 and 10 only; held at the 32-bit limits.
void EditorMoveA(int32_t axis, int32_t step);
void EditorMoveB(int32_t axis, int32_t step);
// Sets a coordinate without writing the file; reads one (0 in window mode).
void EditorSetCoord(int32_t axis, int32_t value);
int32_t EditorGetCoord(int32_t axis);
// Reset: the arrow or box at the parking place with type 1, or the window
// 10010. Clear: the pointer parked with type 0, or no window.
void EditorResetItem();
void EditorClearItem();
// Writes the current step's four arrows, four boxes and window. Nothing is
// written (a line in the trace says why) without an open lesson, before step
// 1, when the file has gone, or into a file that is not lesson text.
void SaveLessonStep();

// Empties the step state (no lesson open); the editor mode stays.
void ClearLessonStepState();

}  // namespace halcyon
