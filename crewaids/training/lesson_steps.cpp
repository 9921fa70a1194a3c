// Lesson steps, their pointers and window, and the pointer editor.
#include "crewaids/training/lesson_steps.h"

#include <sys/stat.h>

#include <algorithm>
#include <cwchar>
#include <limits>
#include <vector>

#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/panel_windows.h"
#include "crewaids/training/lesson_list.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/system.h"

namespace halcyon {
namespace {

constexpr const wchar_t* kNoHeader = L"Error reading header";
constexpr const wchar_t* kNoText = L"Error reading text";

// The training centre's frame and pages, and the Training Guide's two windows.
constexpr uint32_t kCenterWindows[] = {10100, 10140, 10190, 10210};
constexpr uint32_t kGuideWindows[] = {10120, 10130};

struct StepWindow {
  int32_t ident;
  const wchar_t* name;
};
// The step windows in the order of the editor's forward cycle.
constexpr StepWindow kStepWindows[] = {
    {0, L"No window"},           {10010, L"Main panel"},         {10290, L"Main centered panel"},
    {10220, L"Main VFR panel"},  {10280, L"Main zoomed panel"},  {10020, L"Overhead panel"},
    {10170, L"Upper overhead panel"}, {10040, L"Lower pedestal"}, {10030, L"Upper pedestal"},
    {10050, L"Side panel"},      {10060, L"FO panel"},           {10250, L"EOAP"},
    {10260, L"PFD"},             {10330, L"ND"},                 {10070, L"FMS"},
    {10310, L"FGCP"},            {10110, L"Checklist"},          {10160, L"Speed cards"},
};
constexpr size_t kStepWindowCount = std::size(kStepWindows);

// Arrow types in the editor's forward cycle, and the names by type.
constexpr int32_t kArrowCycle[] = {0, 3, 4, 1, 2};
constexpr const wchar_t* kArrowNames[] = {L"No arrow", L"Lower left arrow", L"Lower right arrow", L"Upper left arrow",
                                          L"Upper right arrow"};
constexpr const wchar_t* kBoxNames[] = {L"No box",      L"Audio Panel", L"Flight Guidance Panel",
                                        L"Fuel Pumps",  L"Fuel Quantity", L"Throttles",
                                        L"EOAP",        L"Aircondition", L"Engine Display Panel",
                                        L"Flight Instruments"};
constexpr int32_t kBoxTargets = static_cast<int32_t>(std::size(kBoxNames));
constexpr int32_t kArrowTypes = static_cast<int32_t>(std::size(kArrowNames));

constexpr PointerRecord kParked{kParkedX, kParkedY, 0};

struct StepState {
  std::wstring path;
  bool writable = false;  // the file was lesson text when opened
  int32_t step = 0;
  bool last = false;
  std::wstring header;
  std::wstring text;
  std::array<PointerRecord, kPointerCount> arrows{};
  std::array<PointerRecord, kPointerCount> boxes{};
  int32_t window = 0;
};

StepState g_step;
int32_t g_editorItem = 1;  // 1..4 from the start, so the editor never indexes pointer 0
int32_t g_editorMode = kEditArrows;

std::wstring StepSection(int32_t step) {
  wchar_t section[24];
  std::swprintf(section, std::size(section), L"STEP.%03d", step);
  return section;
}

std::wstring ReadStepValue(const std::wstring& section, const wchar_t* key, const wchar_t* fallback, uint32_t chars) {
  return platform::ReadIniString(section.c_str(), key, fallback, chars, g_step.path.c_str());
}

bool StepExists(int32_t step) {
  const std::wstring section = StepSection(step);
  return ReadStepValue(section, L"header", kNoHeader, kStepHeaderChars) != kNoHeader ||
         ReadStepValue(section, L"text", kNoText, kStepTextChars) != kNoText;
}

std::wstring WithLineBreaks(std::wstring text) {
  std::replace(text.begin(), text.end(), L'|', L'\n');
  return text;
}

// "type,x,y": the fields between commas, each its leading integer. Fewer
// than three fields park the pointer; more are ignored. An empty field is 0.
PointerRecord ParsePointer(const std::wstring& value) {
  std::vector<std::wstring> fields(1);
  for (const wchar_t c : value) {
    if (c == L',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  if (fields.size() < 3) return kParked;
  return {LeadingInteger(fields[1].c_str()), LeadingInteger(fields[2].c_str()), LeadingInteger(fields[0].c_str())};
}

// Keys "<prefix>01".."<prefix>04" into the four records. A key of -1 (or a
// missing one, which reads -1) parks its pointer and ends the reading; the
// pointers after it keep their place with type 0.
void ReadPointers(const std::wstring& section, const wchar_t* prefix, std::array<PointerRecord, kPointerCount>& records) {
  for (PointerRecord& record : records) record.type = 0;
  for (int32_t i = 0; i < kPointerCount; ++i) {
    wchar_t key[16];
    std::swprintf(key, std::size(key), L"%ls%02d", prefix, i + 1);
    const std::wstring value = ReadStepValue(section, key, L"-1", kStepValueChars);
    if (LeadingInteger(value.c_str()) == -1) {
      records[static_cast<size_t>(i)] = kParked;
      return;
    }
    records[static_cast<size_t>(i)] = ParsePointer(value);
  }
}

const StepWindow* FindStepWindow(int32_t ident) {
  for (const StepWindow& window : kStepWindows) {
    if (window.ident == ident) return &window;
  }
  return nullptr;
}

// The step's window: one of the switching list through ShowPanelWindow (which
// closes the later windows of its group); a step window the list does not
// hold (the flight guidance panel) is opened directly. Other idents open nothing.
void OpenStepWindow(int32_t ident) {
  if (ident == 0) return;
  const auto known = static_cast<uint32_t>(ident);
  if (std::find(kPanelWindowList.begin(), kPanelWindowList.end(), known) != kPanelWindowList.end()) {
    ShowPanelWindow(known);
  } else if (FindStepWindow(ident) != nullptr) {
    TriggerKeyEvent(kKeyEventOpenPanelWindow, known);
  } else {
    TraceLessonFile(g_step.path, "names a step window that does not exist; none opened");
  }
}

bool EditorItemValid() { return g_editorItem >= 1 && g_editorItem <= kPointerCount; }

// The pointer the editor works on: the selected arrow or box; null in window
// mode or with no valid selection.
PointerRecord* SelectedPointer() {
  if (!EditorItemValid()) return nullptr;
  const auto index = static_cast<size_t>(g_editorItem - 1);
  if (g_editorMode == kEditArrows) return &g_step.arrows[index];
  if (g_editorMode == kEditBoxes) return &g_step.boxes[index];
  return nullptr;
}

const PointerRecord* Pointer(const std::array<PointerRecord, kPointerCount>& records, int32_t n) {
  return n >= 1 && n <= kPointerCount ? &records[static_cast<size_t>(n - 1)] : nullptr;
}

double Coordinate(const std::array<PointerRecord, kPointerCount>& records, int32_t n, bool y) {
  const PointerRecord* record = Pointer(records, n);
  if (record == nullptr || record->type == 0) return 0.0;
  return y ? record->y : record->x;
}

int32_t SaturatingAdd(int32_t value, int64_t delta) {
  const int64_t sum = static_cast<int64_t>(value) + delta;
  return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

void Move(int32_t axis, int32_t step, int32_t sign) {
  if (step != 1 && step != 10) return;
  if (axis != 0 && axis != 1) return;
  PointerRecord* record = SelectedPointer();
  if (record == nullptr) return;
  int32_t& coordinate = axis == 0 ? record->x : record->y;
  coordinate = SaturatingAdd(coordinate, static_cast<int64_t>(sign) * step);
  SaveLessonStep();
}

// The value after `value` in a cycle (or before it with `backward`); a value
// not in the cycle stays.
template <size_t N>
int32_t Cycle(const int32_t (&order)[N], int32_t value, bool backward) {
  for (size_t i = 0; i < N; ++i) {
    if (order[i] == value) return order[backward ? (i + N - 1) % N : (i + 1) % N];
  }
  return value;
}

constexpr int32_t kBoxCycle[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

int32_t NextWindow(int32_t ident) {
  for (size_t i = 0; i < kStepWindowCount; ++i) {
    if (kStepWindows[i].ident == ident) return kStepWindows[(i + 1) % kStepWindowCount].ident;
  }
  return kStepWindows[1].ident;  // from an unknown ident to the main panel
}

// Backward among the windows only: from the main panel, "No window" or an
// unknown ident to the speed cards, never to "No window".
int32_t PreviousWindow(int32_t ident) {
  for (size_t i = 2; i < kStepWindowCount; ++i) {
    if (kStepWindows[i].ident == ident) return kStepWindows[i - 1].ident;
  }
  return kStepWindows[kStepWindowCount - 1].ident;
}

void CycleType(bool backward) {
  if (g_editorMode == kEditWindow) {
    g_step.window = backward ? PreviousWindow(g_step.window) : NextWindow(g_step.window);
  } else if (PointerRecord* record = SelectedPointer()) {
    record->type = g_editorMode == kEditArrows ? Cycle(kArrowCycle, record->type, backward)
                                               : Cycle(kBoxCycle, record->type, backward);
  } else {
    return;
  }
  SaveLessonStep();
}

bool FileExists(const std::wstring& path) {
  struct stat info {};
  return stat(platform::ResolvePath(path.c_str()).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

// ---- Stepping ----

void ClearLessonStepState() {
  g_step = StepState{};
  for (PointerRecord& record : g_step.arrows) record = kParked;
  for (PointerRecord& record : g_step.boxes) record = kParked;
  g_editorItem = 1;
}

void OpenLesson(const std::wstring& path) {
  if (path.empty()) return;
  ClearLessonStepState();
  g_step.header = kNoHeader;
  g_step.text = kNoText;
  g_step.path = path;
  g_step.writable = IsLessonText(path);
  ReadLessonStep();
  if (g_step.step == 0) TraceLessonFile(path, "has no step 1");
  CloseCenterWindows();
  OpenGuideWindows();
}

void CloseCenterWindows() {
  for (const uint32_t ident : kCenterWindows) TriggerKeyEvent(kKeyEventClosePanelWindow, ident);
}

void OpenGuideWindows() {
  for (const uint32_t ident : kGuideWindows) TriggerKeyEvent(kKeyEventOpenPanelWindow, ident);
}

void ReadLessonStep() {
  if (g_step.path.empty()) return;
  const int32_t step = g_step.step + 1;
  const std::wstring section = StepSection(step);
  const std::wstring header = ReadStepValue(section, L"header", kNoHeader, kStepHeaderChars);
  const std::wstring text = ReadStepValue(section, L"text", kNoText, kStepTextChars);
  if (header == kNoHeader && text == kNoText) return;  // no such step: everything stays
  g_step.step = step;
  g_step.header = WithLineBreaks(header);
  g_step.text = WithLineBreaks(text);
  ReadPointers(section, L"arrow.", g_step.arrows);
  ReadPointers(section, L"box.", g_step.boxes);
  g_editorItem = 1;
  g_step.window = LeadingInteger(ReadStepValue(section, L"window", L"0", kStepValueChars).c_str());
  OpenStepWindow(g_step.window);
  g_step.last = !StepExists(step + 1);
}

void PreviousLessonStep() {
  g_step.step = std::max(g_step.step - 2, 0);
  g_step.last = false;
  ReadLessonStep();
}

void FirstLessonStep() {
  g_step.step = 0;
  g_step.last = false;
  ReadLessonStep();
}

// ---- The step shown ----

const wchar_t* GetStepHeader() { return g_step.header.c_str(); }
const wchar_t* GetStepText() { return g_step.text.c_str(); }
int32_t GetLessonStep() { return g_step.step; }
bool IsLastLessonStep() { return g_step.last; }
const wchar_t* GetLessonFilePath() { return g_step.path.c_str(); }
int32_t GetStepWindow() { return g_step.window; }

int32_t GetArrowType(int32_t n) {
  const PointerRecord* record = Pointer(g_step.arrows, n);
  return record != nullptr ? record->type : 0;
}

int32_t GetBoxType(int32_t n) {
  const PointerRecord* record = Pointer(g_step.boxes, n);
  return record != nullptr ? record->type : 0;
}

double GetArrowX(int32_t n) { return Coordinate(g_step.arrows, n, false); }
double GetArrowY(int32_t n) { return Coordinate(g_step.arrows, n, true); }
double GetBoxX(int32_t n) { return Coordinate(g_step.boxes, n, false); }
double GetBoxY(int32_t n) { return Coordinate(g_step.boxes, n, true); }

bool IsArrowShown(int32_t n) {
  const int32_t type = GetArrowType(n);
  return type >= 1 && type < kArrowTypes;
}

bool IsBoxShown(int32_t n) {
  const int32_t target = GetBoxType(n);
  return target >= 1 && target < kBoxTargets;
}

int32_t FindBoxByType(int32_t target) {
  for (int32_t n = 1; n <= kPointerCount; ++n) {
    if (GetBoxType(n) == target) return n;
  }
  return 0;
}

const wchar_t* GetArrowTypeName() {
  const int32_t type = EditorItemValid() ? GetArrowType(g_editorItem) : -1;
  return type >= 0 && type < kArrowTypes ? kArrowNames[type] : L"Arrow error";
}

const wchar_t* GetBoxTypeName() {
  const int32_t target = EditorItemValid() ? GetBoxType(g_editorItem) : -1;
  return target >= 0 && target < kBoxTargets ? kBoxNames[target] : L"Error";
}

const wchar_t* GetWindowName() {
  const StepWindow* window = FindStepWindow(g_step.window);
  return window != nullptr ? window->name : L"Window error";
}

// ---- Editing ----

void SetEditorMode(int32_t mode) {
  if (mode >= kEditArrows && mode <= kEditWindow) g_editorMode = mode;
}
int32_t GetEditorMode() { return g_editorMode; }
void ResetEditorMode() { g_editorMode = kEditArrows; }
void ShutdownEditorMode() {}

void EditorNextItem() {
  if (g_editorMode == kEditWindow) return;
  g_editorItem = EditorItemValid() && g_editorItem < kPointerCount ? g_editorItem + 1 : 1;
}

void EditorPrevItem() {
  if (g_editorMode == kEditWindow) return;
  g_editorItem = EditorItemValid() && g_editorItem > 1 ? g_editorItem - 1 : kPointerCount;
}

int32_t GetEditorItem() { return g_editorItem; }

void EditorCycleTypeNext() { CycleType(false); }
void EditorCycleTypePrev() { CycleType(true); }
void EditorMoveA(int32_t axis, int32_t step) { Move(axis, step, +1); }
void EditorMoveB(int32_t axis, int32_t step) { Move(axis, step, -1); }

void EditorSetCoord(int32_t axis, int32_t value) {
  PointerRecord* record = SelectedPointer();
  if (record == nullptr) return;
  if (axis == 0) record->x = value;
  if (axis == 1) record->y = value;
}

int32_t EditorGetCoord(int32_t axis) {
  const PointerRecord* record = SelectedPointer();
  if (record == nullptr) return 0;
  if (axis == 0) return record->x;
  if (axis == 1) return record->y;
  return 0;
}

void EditorResetItem() {
  if (g_editorMode == kEditWindow) {
    g_step.window = kStepWindows[1].ident;
  } else if (PointerRecord* record = SelectedPointer()) {
    *record = {kParkedX, kParkedY, 1};
  } else {
    return;
  }
  SaveLessonStep();
}

void EditorClearItem() {
  if (g_editorMode == kEditWindow) {
    g_step.window = 0;
  } else if (PointerRecord* record = SelectedPointer()) {
    *record = kParked;
  } else {
    return;
  }
  SaveLessonStep();
}

void SaveLessonStep() {
  if (g_step.path.empty() || g_step.step < 1) {
    platform::Trace("Lesson step not written: no lesson step is open");
    return;
  }
  if (!g_step.writable || !FileExists(g_step.path)) {
    TraceLessonFile(g_step.path, "is gone or is not lesson text; the step's pointers were not written");
    return;
  }
  const std::wstring section = StepSection(g_step.step);
  bool written = true;
  auto writePointers = [&](const wchar_t* prefix, const std::array<PointerRecord, kPointerCount>& records) {
    for (int32_t i = 0; i < kPointerCount; ++i) {
      wchar_t key[16];
      wchar_t value[40];
      const PointerRecord& record = records[static_cast<size_t>(i)];
      std::swprintf(key, std::size(key), L"%ls%02d", prefix, i + 1);
      std::swprintf(value, std::size(value), L"%d,%d,%d", record.type, record.x, record.y);
      written = platform::WritePrivateProfileString(section.c_str(), key, value, g_step.path.c_str()) && written;
    }
  };
  writePointers(L"arrow.", g_step.arrows);
  writePointers(L"box.", g_step.boxes);
  wchar_t window[16];
  std::swprintf(window, std::size(window), L"%d", g_step.window);
  written = platform::WritePrivateProfileString(section.c_str(), L"window", window, g_step.path.c_str()) && written;
  if (!written) TraceLessonFile(g_step.path, "could not be written (read-only?); the step's pointers are not saved");
}

}  // namespace halcyon
