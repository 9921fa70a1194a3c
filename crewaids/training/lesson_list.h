// The Mentor lesson list: the lesson files ("*.mentor", INI form) of the
// aircraft's Mentor folder, their [LESSON] title and category, and the list
// of one category that the training centre pages through 20 rows at a time.
// Reads the lesson folder; drives nothing in the cockpit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace halcyon {

inline constexpr const wchar_t* kLessonFolder = L".\\SimObjects\\Airplanes\\QZ Halcyon Pro\\Mentor\\";
inline constexpr const wchar_t* kLessonExtension = L"mentor";

constexpr int32_t kMaxLessons = 200;
constexpr int32_t kLessonRowsPerPage = 20;
// Title and type are read through buffers of this many characters.
constexpr uint32_t kLessonHeadChars = 260;
// Lesson categories 1 to 4; 5 selects the cockpit situations page.
constexpr int32_t kSituationsLessonType = 5;

struct LessonEntry {
  int32_t type = 0;
  std::wstring title;  // at most kLessonHeadChars - 1 characters
  std::wstring path;   // the whole path, never cut: a cut path names another file
};

struct LessonList {
  int32_t page = 1;                   // the page of 20 rows shown, from 1
  std::vector<LessonEntry> entries;   // ascending by (type, title); at most kMaxLessons
  int32_t Count() const { return static_cast<int32_t>(entries.size()); }
};

extern LessonList g_lessonList;

// Empties the list and fills it with the lessons of category `type` found in
// the folder (by default the aircraft's Mentor folder). A file that is empty,
// binary or too large is skipped with a line in the trace.
void EnumerateLessons(LessonList& list, int32_t type, const std::wstring& folder = kLessonFolder);
void ClearLessonList(LessonList& list);
// Inserts in (type, title) order, titles compared by UTF-16 code unit; a title
// equal to one in the list goes before it. Nothing when the list is full.
void InsertLesson(LessonList& list, const std::wstring& title, int32_t type, const std::wstring& path);
// Entry n, counted from 1: "" (type 0) for n outside 1..count.
const wchar_t* GetLessonTitle(const LessonList& list, int32_t n);
const wchar_t* GetLessonPath(const LessonList& list, int32_t n);
int32_t GetLessonEntryType(const LessonList& list, int32_t n);

// Whether a file can be a lesson at all: present, not empty, not binary (a
// NUL byte in a file without a UTF-16 byte-order mark), at most 1 MiB. When
// not, a line in the trace says why.
bool IsLessonText(const std::wstring& path);
// A line in the trace about a lesson file: "Lesson file <path> <what>".
void TraceLessonFile(const std::wstring& path, const char* what);

// A file's head: a lesson of category T when the leading integer of its
// title is not -1, that of its type is not -1, and the type is T.
bool IsLessonOfType(const std::wstring& title, const std::wstring& type, int32_t category);

// The training centre's category and list: enumerates (categories 1 to 4
// only; any other leaves the list empty) and stores the category. The page
// is the caller's (the list itself starts on page 1).
void SelectLessonKind(int32_t type);
int32_t GetLessonType();
// Stores 0 for a value outside 0..5.
void SetLessonType(int32_t type);

// Paging of g_lessonList: page p shows entries (p - 1) x 20 + 1 .. p x 20.
int32_t GetLessonPage();
// Next: nothing on the situations page or when no entry lies past this page.
// Previous: nothing on the situations page or on page 1.
void NextLessonPage();
void PreviousLessonPage();
// Row r (1 to 20) of the page shown: its title and path ("" when empty).
const wchar_t* GetLessonRowTitle(int32_t row);
const wchar_t* GetLessonRowPath(int32_t row);

// Row highlight: SelectLesson(n) for n in 1..20 sets only row n; other n do
// nothing. IsLessonSelected gives 1.0 for a set row, else 0.0.
void SelectLesson(int32_t row);
double IsLessonSelected(int32_t row);
void ClearLessonSelection();

// Category 0 and no lesson open: path, header and text empty, step 0.
void InitTrainingState();

}  // namespace halcyon
