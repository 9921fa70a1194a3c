// The lesson list and the lesson files' head section.
#include "crewaids/training/lesson_list.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>

#include "core/ini_values.h"
#include "crewaids/training/lesson_steps.h"
#include "platform/file_list.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/system.h"

namespace halcyon {

LessonList g_lessonList;

namespace {

int32_t g_lessonType = 0;
std::array<bool, kLessonRowsPerPage> g_lessonRowSelected{};

// A lesson is a few kilobytes of text; anything this large is not one, and
// reading it on the gauge thread would stall the panel.
constexpr uintmax_t kLargestLessonBytes = 1u << 20;

// The text as UTF-16 code units, the order the lesson titles sort in.
std::u16string Utf16Units(const std::wstring& text) {
  std::u16string units;
  units.reserve(text.size());
  for (const wchar_t c : text) {
    const auto code = static_cast<uint32_t>(c);
    if (code < 0x10000) {
      units += static_cast<char16_t>(code);
    } else {
      units += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      units += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    }
  }
  return units;
}

}  // namespace

void TraceLessonFile(const std::wstring& path, const char* what) {
  const std::string line = "Lesson file " + platform::Narrow(path) + " " + what;
  platform::Trace(line.c_str());
}

bool IsLessonText(const std::wstring& path) {
  const std::string resolved = platform::ResolvePath(path.c_str());
  struct stat info {};
  if (stat(resolved.c_str(), &info) != 0) {
    TraceLessonFile(path, "cannot be read");
    return false;
  }
  if (info.st_size == 0) {
    TraceLessonFile(path, "is empty");
    return false;
  }
  if (static_cast<uintmax_t>(info.st_size) > kLargestLessonBytes) {
    TraceLessonFile(path, "is larger than 1 MiB");
    return false;
  }
  std::ifstream file(resolved, std::ios::binary);
  std::string bytes(static_cast<size_t>(info.st_size), '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(file.gcount()));
  const bool utf16 = bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') ||
                                           (bytes[0] == '\xFE' && bytes[1] == '\xFF'));
  if (!utf16 && bytes.find('\0') != std::string::npos) {
    TraceLessonFile(path, "is not text (it holds NUL bytes)");
    return false;
  }
  return true;
}

bool IsLessonOfType(const std::wstring& title, const std::wstring& type, int32_t category) {
  const int32_t typeValue = LeadingInteger(type.c_str());
  return LeadingInteger(title.c_str()) != -1 && typeValue != -1 && typeValue == category;
}

void ClearLessonList(LessonList& list) {
  list.entries.clear();
  list.page = 1;
}

void InsertLesson(LessonList& list, const std::wstring& title, int32_t type, const std::wstring& path) {
  if (list.Count() >= kMaxLessons) return;
  const std::u16string key = Utf16Units(title);
  // Before the first entry that is not less than (type, title): an equal
  // title goes before the one already listed.
  const auto at = std::find_if(list.entries.begin(), list.entries.end(), [&](const LessonEntry& entry) {
    return entry.type > type || (entry.type == type && Utf16Units(entry.title) >= key);
  });
  list.entries.insert(at, LessonEntry{type, title, path});
}

void EnumerateLessons(LessonList& list, int32_t type, const std::wstring& folder) {
  ClearLessonList(list);
  for (const std::wstring& name : platform::ListFiles(folder, kLessonExtension)) {
    const std::wstring path = folder + name;
    if (!IsLessonText(path)) continue;
    const std::wstring title = platform::ReadIniString(L"LESSON", L"title", L"-1", kLessonHeadChars, path.c_str());
    const std::wstring typeText = platform::ReadIniString(L"LESSON", L"type", L"-1", kLessonHeadChars, path.c_str());
    if (IsLessonOfType(title, typeText, type)) InsertLesson(list, title, type, path);
  }
}

const wchar_t* GetLessonTitle(const LessonList& list, int32_t n) {
  return n >= 1 && n <= list.Count() ? list.entries[static_cast<size_t>(n - 1)].title.c_str() : L"";
}

const wchar_t* GetLessonPath(const LessonList& list, int32_t n) {
  return n >= 1 && n <= list.Count() ? list.entries[static_cast<size_t>(n - 1)].path.c_str() : L"";
}

int32_t GetLessonEntryType(const LessonList& list, int32_t n) {
  return n >= 1 && n <= list.Count() ? list.entries[static_cast<size_t>(n - 1)].type : 0;
}

void SelectLessonKind(int32_t type) {
  // Only the four lesson categories list files: category 0 would list every
  // file whose type is not a number, and the situations page has no rows for them.
  if (type >= 1 && type <= 4) {
    EnumerateLessons(g_lessonList, type);
  } else {
    ClearLessonList(g_lessonList);
  }
  SetLessonType(type);
}

int32_t GetLessonType() { return g_lessonType; }
void SetLessonType(int32_t type) { g_lessonType = type >= 0 && type <= kSituationsLessonType ? type : 0; }

int32_t GetLessonPage() { return g_lessonList.page; }

void NextLessonPage() {
  if (g_lessonType == kSituationsLessonType) return;
  if (g_lessonList.Count() <= g_lessonList.page * kLessonRowsPerPage) return;
  ++g_lessonList.page;
}

void PreviousLessonPage() {
  if (g_lessonType == kSituationsLessonType || g_lessonList.page < 2) return;
  --g_lessonList.page;
}

const wchar_t* GetLessonRowTitle(int32_t row) {
  if (row < 1 || row > kLessonRowsPerPage) return L"";
  return GetLessonTitle(g_lessonList, (g_lessonList.page - 1) * kLessonRowsPerPage + row);
}

const wchar_t* GetLessonRowPath(int32_t row) {
  if (row < 1 || row > kLessonRowsPerPage) return L"";
  return GetLessonPath(g_lessonList, (g_lessonList.page - 1) * kLessonRowsPerPage + row);
}

void SelectLesson(int32_t row) {
  if (row < 1 || row > kLessonRowsPerPage) return;
  ClearLessonSelection();
  g_lessonRowSelected[static_cast<size_t>(row - 1)] = true;
}

double IsLessonSelected(int32_t row) {
  return row >= 1 && row <= kLessonRowsPerPage && g_lessonRowSelected[static_cast<size_t>(row - 1)] ? 1.0 : 0.0;
}

void ClearLessonSelection() { g_lessonRowSelected.fill(false); }

void InitTrainingState() {
  g_lessonType = 0;
  ClearLessonStepState();
}

}  // namespace halcyon
