// For the headless host: the training centre's lesson list and the Training
// Guide's step buttons, as its scenario command `lesson` drives them by
// number and writes what they show into the run's log.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "crewaids/training/lesson_list.h"
#include "crewaids/training/lesson_steps.h"
#include "platform/paths.h"

namespace {

using namespace halcyon;

std::string OneLine(const wchar_t* text) {
  std::string line = platform::Narrow(text);
  for (size_t at = line.find('\n'); at != std::string::npos; at = line.find('\n', at)) line.replace(at, 1, " / ");
  return line;
}

// "page.row title" for each lesson of the category, a line each.
std::string ListText() {
  std::string text;
  for (int32_t n = 1; n <= g_lessonList.Count(); ++n) {
    const int32_t page = (n - 1) / kLessonRowsPerPage + 1;
    const int32_t row = (n - 1) % kLessonRowsPerPage + 1;
    text += std::to_string(page) + "." + std::to_string(row) + " " + OneLine(GetLessonTitle(g_lessonList, n)) + "\n";
  }
  return text;
}

std::string StepText() {
  std::string text = "step " + std::to_string(GetLessonStep());
  if (IsLastLessonStep()) text += " (last)";
  return text + ": " + OneLine(GetStepHeader()) + " | " + OneLine(GetStepText()) + " | window " +
         platform::Narrow(GetWindowName());
}

}  // namespace

// action "list": the lessons of `category` in list order (returns their
// count); "open": lesson n of `category` in that order, as a click on its row
// opens it (0, with nothing opened, when there is no such lesson); "next",
// "previous", "first": the guide's step buttons. The text (UTF-8, terminated,
// cut to fit) says what the list or the step shows; the step number is
// returned. -1 for an unknown action.
extern "C" int32_t HalcyonLesson(const char* action, int32_t category, int32_t n, char* text, int32_t size) {
  std::string what = action != nullptr ? action : "";
  std::string shown;
  int32_t result = 0;
  if (what == "list") {
    SelectLessonKind(category);
    shown = ListText();
    result = g_lessonList.Count();
  } else if (what == "open") {
    SelectLessonKind(category);
    const std::wstring path = GetLessonPath(g_lessonList, n);
    if (path.empty()) {
      what = "none";  // no such row: nothing opens, step 0 is answered
    } else {
      OpenLesson(path);
    }
  } else if (what == "next") {
    ReadLessonStep();
  } else if (what == "previous") {
    PreviousLessonStep();
  } else if (what == "first") {
    FirstLessonStep();
  } else {
    return -1;
  }
  if (what == "none") {
    shown = "no such lesson";
  } else if (what != "list") {
    shown = StepText();
    result = GetLessonStep();
  }
  if (text != nullptr && size > 0) {
    const size_t length = std::min(shown.size(), static_cast<size_t>(size - 1));
    std::memcpy(text, shown.data(), length);
    text[length] = '\0';
  }
  return result;
}
