// Mentor lessons: a prepared lesson folder listed per category in order,
// paged and capped; a lesson opened, stepped forwards and back, its pointers
// read by their parking and stop rules and its window opened; the editor's
// changes written into the file with everything else kept byte for byte; and
// the files that must not be listed or written.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/panel_services.h"
#include "crewaids/training/lesson_list.h"
#include "crewaids/training/lesson_steps.h"
#include "gauges/mentor_editor.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "tests/cockpit.h"
#include "tests/element_places.h"

namespace halcyon::test {
namespace {

constexpr const char* kFolder = "SimObjects/Airplanes/QZ Halcyon Pro/Mentor/";

std::string Utf8(const std::wstring& text) { return platform::Narrow(text); }

// A cockpit whose lesson folder holds only what the test writes.
struct LessonBed {
  Cockpit cockpit;
  LessonBed() {
    std::filesystem::remove_all(cockpit.path(kFolder));
    std::filesystem::create_directories(cockpit.path(kFolder));
    InitTrainingState();
  }
  void write(const std::string& name, const std::string& bytes) {
    cockpit.writeFile(std::string(kFolder) + name, bytes);
    platform::ClearIniCache();
  }
  std::string read(const std::string& name) const { return cockpit.readFile(std::string(kFolder) + name); }
  static std::wstring Path(const std::string& name) {
    return std::wstring(kLessonFolder) + platform::Widen(name);
  }
  bool traced(const std::string& text) {
    for (const simhost::TraceEntry& entry : cockpit.host().Trace()) {
      if (entry.text.find(text) != std::string::npos) return true;
    }
    return false;
  }
  std::vector<std::string> titles() const {
    std::vector<std::string> shown;
    for (int32_t n = 1; n <= g_lessonList.Count(); ++n) shown.push_back(Utf8(GetLessonTitle(g_lessonList, n)));
    return shown;
  }
};

// A literal with NUL bytes in it, whole.
template <size_t N>
std::string Bytes(const char (&text)[N]) {
  return std::string(text, N - 1);
}

std::string Head(const std::string& title, const std::string& type) {
  return "[LESSON]\r\ntitle=" + title + "\r\ntype=" + type + "\r\n";
}

std::string Utf16(const std::wstring& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const wchar_t c : text) {
    const char high = static_cast<char>((c >> 8) & 0xFF);
    const char low = static_cast<char>(c & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

// About 25 files: valid lessons of several categories, malformed heads,
// other encodings, files that are not lessons at all.
void PrepareFolder(LessonBed& bed) {
  bed.write("one.mentor", Head("b", "2"));
  bed.write("two.mentor", Head("A", "2"));
  bed.write("three.mentor", Head("a", "2"));
  bed.write("minus-one.mentor", Head("-1 Intro", "2"));
  bed.write("minus-one-abc.mentor", Head("-1abc", "2"));
  bed.write("minus-ten.mentor", Head("-10", "2"));
  bed.write("empty-title.mentor", Head("", "2"));
  bed.write("no-title.mentor", "[LESSON]\r\ntype=2\r\n");
  bed.write("no-type.mentor", "[LESSON]\r\ntitle=No type\r\n");
  bed.write("letters.mentor", Head("Two with letters", "2abc"));
  bed.write("no-digits.mentor", Head("No digits", "abc"));
  bed.write("blank-three.mentor", Head("Blank three", " 3"));
  bed.write("plus-three.mentor", Head("Plus three", "+3"));
  bed.write("five.mentor", Head("Situation file", "5"));
  bed.write("huge.mentor", Head("Huge type", "99999999999"));
  bed.write("same-1.mentor", Head("Same", "2"));
  bed.write("same-2.mentor", Head("Same", "2"));
  bed.write("lower.mentor", "[lesson]\r\nTITLE=lower case names\r\nType=2\r\n");
  bed.write("utf16le.mentor", Utf16(L"[LESSON]\r\ntitle=\u00c9clair LE\r\ntype=2\r\n", false));
  bed.write("utf16be.mentor", Utf16(L"[LESSON]\r\ntitle=Zulu BE\r\ntype=2\r\n", true));
  bed.write("latin1.mentor", Head("Caf\xE9", "2"));
  bed.write("utf8bom.mentor", "\xEF\xBB\xBF" + Head("\xC3\x9C" "ber", "2"));
  bed.write("UPPER.MENTOR", Head("Upper case name", "3"));
  bed.write("binary.mentor", Bytes("[LESSON]\r\ntitle=Bin\0ary\r\ntype=2\r\n"));
  bed.write("empty.mentor", "");
  bed.write("not-a-lesson.txt", Head("Text file", "2"));
  std::filesystem::create_directory(bed.cockpit.path(std::string(kFolder) + "folder.mentor"));
}

TEST(LessonList, APreparedFolderListsEachCategoryInCodeUnitOrder) {
  LessonBed bed;
  PrepareFolder(bed);

  SelectLessonKind(2);
  // Upper case before lower case, a new equal title before the one listed
  // (same-2 is found after same-1), non-ASCII after ASCII by code unit.
  const std::vector<std::string> expected = {"",   "-10", "A",  "Caf\xC3\xA9", "Same", "Same", "Two with letters", "Zulu BE",
                                             "a",  "b",   "lower case names", "\xC3\x89" "clair LE", "\xC3\x9C" "ber"};
  EXPECT_EQ(bed.titles(), expected);
  EXPECT_EQ(GetLessonType(), 2);
  EXPECT_EQ(Utf8(GetLessonPath(g_lessonList, 5)), Utf8(LessonBed::Path("same-2.mentor")));
  EXPECT_EQ(Utf8(GetLessonPath(g_lessonList, 6)), Utf8(LessonBed::Path("same-1.mentor")));
  EXPECT_EQ(GetLessonEntryType(g_lessonList, 1), 2);
  // Past the count and below 1: empty.
  EXPECT_STREQ(GetLessonTitle(g_lessonList, 14), L"");
  EXPECT_STREQ(GetLessonTitle(g_lessonList, 0), L"");
  EXPECT_STREQ(GetLessonPath(g_lessonList, -1), L"");
  EXPECT_EQ(GetLessonEntryType(g_lessonList, 14), 0);

  SelectLessonKind(3);
  EXPECT_EQ(bed.titles(), (std::vector<std::string>{"Blank three", "Plus three", "Upper case name"}));
  SelectLessonKind(5);
  EXPECT_TRUE(bed.titles().empty());
  EXPECT_EQ(GetLessonType(), 5);
  SelectLessonKind(0);
  EXPECT_TRUE(bed.titles().empty());
  SetLessonType(6);
  EXPECT_EQ(GetLessonType(), 0);
  SetLessonType(-1);
  EXPECT_EQ(GetLessonType(), 0);

  EXPECT_TRUE(bed.traced("binary.mentor is not text"));
  EXPECT_TRUE(bed.traced("empty.mentor is empty"));
}

TEST(LessonList, AHeadCountsByItsLeadingIntegers) {
  EXPECT_TRUE(IsLessonOfType(L"-10", L"2", 2));
  EXPECT_FALSE(IsLessonOfType(L"-1", L"2", 2));
  EXPECT_FALSE(IsLessonOfType(L"Intro", L"-1", 0));
  EXPECT_TRUE(IsLessonOfType(L"Intro", L"abc", 0));
  EXPECT_FALSE(IsLessonOfType(L"Intro", L"3", 2));
}

TEST(LessonList, HoldsTwoHundredLessonsAndPagesThemTwentyARow) {
  LessonBed bed;
  for (int i = 0; i < 201; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "l%03d.mentor", i);
    char title[32];
    std::snprintf(title, sizeof title, "Lesson %03d", 200 - i);
    bed.write(name, Head(title, "4"));
  }
  SelectLessonKind(4);
  ASSERT_EQ(g_lessonList.Count(), kMaxLessons);
  EXPECT_EQ(GetLessonPage(), 1);
  EXPECT_EQ(Utf8(GetLessonRowTitle(1)), Utf8(GetLessonTitle(g_lessonList, 1)));
  PreviousLessonPage();
  EXPECT_EQ(GetLessonPage(), 1);
  for (int i = 0; i < 12; ++i) NextLessonPage();
  EXPECT_EQ(GetLessonPage(), 10);  // 200 lessons: page 10 holds the last 20
  EXPECT_EQ(Utf8(GetLessonRowTitle(20)), Utf8(GetLessonTitle(g_lessonList, 200)));
  EXPECT_STREQ(GetLessonRowTitle(21), L"");
  EXPECT_STREQ(GetLessonRowTitle(0), L"");
  PreviousLessonPage();
  EXPECT_EQ(GetLessonPage(), 9);
  EXPECT_EQ(Utf8(GetLessonRowPath(1)), Utf8(GetLessonPath(g_lessonList, 161)));
  // On the situations page the page buttons do nothing.
  SetLessonType(kSituationsLessonType);
  NextLessonPage();
  EXPECT_EQ(GetLessonPage(), 9);
  PreviousLessonPage();
  EXPECT_EQ(GetLessonPage(), 9);
}

TEST(LessonList, FortyFiveLessonsPageAsTwentyTwentyAndFive) {
  LessonBed bed;
  for (int i = 0; i < 45; ++i) bed.write("l" + std::to_string(100 + i) + ".mentor", Head(std::to_string(100 + i), "1"));
  SelectLessonKind(1);
  NextLessonPage();
  NextLessonPage();
  EXPECT_EQ(GetLessonPage(), 3);
  EXPECT_EQ(Utf8(GetLessonRowTitle(5)), "144");
  EXPECT_STREQ(GetLessonRowTitle(6), L"");
  NextLessonPage();
  EXPECT_EQ(GetLessonPage(), 3);
  // A new category starts on page 1 again: the list is filled anew.
  SelectLessonKind(1);
  EXPECT_EQ(GetLessonPage(), 1);
}

// The host's list: "page.row title" a line, twenty rows a page; the text is
// cut to the host's buffer of 16384 bytes, its terminator included.
TEST(LessonList, TheHostsListNumbersTwentyRowsAPageAndIsCutToItsBuffer) {
  LessonBed bed;
  std::string full;
  for (int n = 1; n <= 100; ++n) {
    char title[8];
    std::snprintf(title, sizeof title, "T%03d", n);
    const std::string shown = title + std::string(200, 'x');
    bed.write(std::string(title) + ".mentor", Head(shown, "1"));
    full += std::to_string((n - 1) / 20 + 1) + "." + std::to_string((n - 1) % 20 + 1) + " " + shown + "\n";
  }
  int32_t result = 0;
  std::string text;
  ASSERT_TRUE(bed.cockpit.host().Lesson("list", 1, 0, &result, &text));
  EXPECT_EQ(result, 100);
  ASSERT_GT(full.size(), 16383u);
  EXPECT_EQ(text.size(), 16383u);
  EXPECT_EQ(text, full.substr(0, 16383));
  EXPECT_NE(text.find("\n1.20 T020"), std::string::npos);
  EXPECT_NE(text.find("\n2.1 T021"), std::string::npos);
}

TEST(LessonList, OneRowIsHighlightedAtATime) {
  SelectLesson(1);
  SelectLesson(3);
  EXPECT_EQ(IsLessonSelected(1), 0.0);
  EXPECT_EQ(IsLessonSelected(3), 1.0);
  SelectLesson(21);
  SelectLesson(0);
  EXPECT_EQ(IsLessonSelected(3), 1.0);
  EXPECT_EQ(IsLessonSelected(21), 0.0);
  ClearLessonSelection();
  EXPECT_EQ(IsLessonSelected(3), 0.0);
}

// ---- Steps ----

std::string Step(int n, const std::string& body) {
  char header[16];
  std::snprintf(header, sizeof header, "[STEP.%03d]\r\n", n);
  return header + body;
}

const std::string kSteps = Head("Stepping", "1") + "\r\n" +
                           Step(1, "header=FIRST|STEP\r\ntext=One|two|three\r\narrow.01=3,100,200\r\nwindow=10020\r\n") +
                           Step(2, "header=Second\r\narrow.01=2,5,6\r\nbox.01=3,300,150\r\nwindow=10310\r\n") +
                           Step(3, "text=Third only text\r\nwindow=99999\r\n");

TEST(LessonSteps, OpeningClosesTheCentreOpensTheGuideAndTheStepWindow) {
  LessonBed bed;
  bed.write("steps.mentor", kSteps);
  bed.cockpit.clearKeyEvents();
  OpenLesson(LessonBed::Path("steps.mentor"));

  EXPECT_EQ(GetLessonStep(), 1);
  EXPECT_FALSE(IsLastLessonStep());
  EXPECT_STREQ(GetStepHeader(), L"FIRST\nSTEP");
  EXPECT_STREQ(GetStepText(), L"One\ntwo\nthree");
  const std::vector<std::string> events = bed.cockpit.windowEvents();
  // The overhead panel through the switching list: it opens and closes the popups after it.
  ASSERT_GE(events.size(), 6u);
  EXPECT_EQ(events.front(), "open 10020");
  EXPECT_EQ(std::vector<std::string>(events.end() - 6, events.end()),
            (std::vector<std::string>{"close 10100", "close 10140", "close 10190", "close 10210", "open 10120",
                                      "open 10130"}));

  bed.cockpit.clearKeyEvents();
  ReadLessonStep();
  EXPECT_EQ(GetLessonStep(), 2);
  EXPECT_STREQ(GetStepText(), L"Error reading text");
  // The flight guidance panel is not in the switching list: opened on its own.
  EXPECT_EQ(bed.cockpit.windowEvents(), std::vector<std::string>{"open 10310"});
  EXPECT_STREQ(GetWindowName(), L"FGCP");

  bed.cockpit.clearKeyEvents();
  ReadLessonStep();
  EXPECT_EQ(GetLessonStep(), 3);
  EXPECT_TRUE(IsLastLessonStep());
  EXPECT_STREQ(GetStepHeader(), L"Error reading header");
  EXPECT_TRUE(bed.cockpit.windowEvents().empty());
  EXPECT_STREQ(GetWindowName(), L"Window error");
  EXPECT_TRUE(bed.traced("names a step window that does not exist"));

  ReadLessonStep();  // past the last: nothing changes
  EXPECT_EQ(GetLessonStep(), 3);
  EXPECT_TRUE(IsLastLessonStep());
  PreviousLessonStep();
  EXPECT_EQ(GetLessonStep(), 2);
  EXPECT_FALSE(IsLastLessonStep());
  PreviousLessonStep();
  PreviousLessonStep();
  EXPECT_EQ(GetLessonStep(), 1);
  ReadLessonStep();
  FirstLessonStep();
  EXPECT_EQ(GetLessonStep(), 1);
}

TEST(LessonSteps, PointersParkStopAtTheFirstMissingKeyAndHideInvalidTypes) {
  LessonBed bed;
  bed.write("pointers.mentor",
            Head("Pointers", "1") +
                Step(1, "header=h\r\narrow.01=1,11,12\r\narrow.02=2,21,22\r\narrow.03=3,31,32\r\narrow.04=4,41,42\r\n"
                        "box.01=1,1,1\r\nbox.02=2,2,2\r\nbox.03=9,3,3\r\nbox.04=4,4,4\r\n") +
                Step(2, "header=h\r\narrow.01=3,100,200\r\narrow.03=4,300,300\r\n"
                        "box.01= 3 , 100 , 200 \r\nbox.02=3,100\r\nbox.03=3,100,200,9\r\nbox.04=abc\r\n") +
                Step(3, "header=h\r\narrow.01=-1,5,5\r\narrow.02=2,2,2\r\nbox.01=3,abc,def\r\nbox.02=3,,200\r\n"
                        "box.03=10,10,10\r\nbox.04=-5,1,1\r\n") +
                Step(4, "header=h\r\narrow.01=5,10,10\r\narrow.02=-5,1,1\r\narrow.03=0,9,9\r\n"));
  OpenLesson(LessonBed::Path("pointers.mentor"));
  EXPECT_EQ(FindBoxByType(9), 3);
  EXPECT_EQ(FindBoxByType(5), 0);

  ReadLessonStep();  // step 2
  EXPECT_EQ(GetArrowType(1), 3);
  EXPECT_EQ(GetArrowX(1), 100.0);
  EXPECT_EQ(GetArrowY(1), 200.0);
  // arrow.02 is missing: it parks and the reading stops, so arrow 3 is not
  // shown although the file has it, and arrows 3 and 4 keep their places.
  EXPECT_EQ(GetArrowType(2), 0);
  EXPECT_EQ(GetArrowType(3), 0);
  EXPECT_EQ(GetArrowX(3), 0.0);
  EXPECT_EQ(GetArrowType(4), 0);
  SetEditorMode(kEditArrows);
  EditorNextItem();
  EXPECT_EQ(EditorGetCoord(0), kParkedX);
  EditorNextItem();
  EXPECT_EQ(EditorGetCoord(0), 31);
  EXPECT_EQ(EditorGetCoord(1), 32);
  EditorNextItem();
  EXPECT_EQ(EditorGetCoord(0), 41);
  EXPECT_EQ(GetBoxType(1), 3);  // blanks around the numbers
  EXPECT_EQ(GetBoxX(1), 100.0);
  EXPECT_EQ(GetBoxY(1), 200.0);
  EXPECT_EQ(GetBoxType(2), 0);  // two fields: parked
  EXPECT_EQ(GetBoxType(3), 3);  // a fourth field is ignored
  EXPECT_EQ(GetBoxY(3), 200.0);
  EXPECT_EQ(GetBoxType(4), 0);  // one field: parked

  ReadLessonStep();  // step 3
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(GetArrowType(n), 0) << n;  // -1,5,5 stops at once
  EXPECT_EQ(GetBoxType(1), 3);
  EXPECT_EQ(GetBoxX(1), 0.0);
  EXPECT_EQ(GetBoxY(1), 0.0);
  EXPECT_EQ(GetBoxX(2), 0.0);  // an empty field reads 0
  EXPECT_EQ(GetBoxY(2), 200.0);
  EXPECT_TRUE(IsBoxShown(1));
  EXPECT_FALSE(IsBoxShown(3));
  EXPECT_FALSE(IsBoxShown(4));
  // The editor names a target of 1 to 9; one above or below is an error.
  SetEditorMode(kEditBoxes);
  EXPECT_STREQ(GetBoxTypeName(), L"Fuel Pumps");
  EditorNextItem();
  EditorNextItem();
  EXPECT_STREQ(GetBoxTypeName(), L"Error") << "target 10";
  EditorNextItem();
  EXPECT_STREQ(GetBoxTypeName(), L"Error") << "target -5";
  SetEditorMode(kEditArrows);

  ReadLessonStep();  // step 4: types outside 1..4 are kept but never shown
  EXPECT_EQ(GetArrowType(1), 5);
  EXPECT_FALSE(IsArrowShown(1));
  EXPECT_EQ(GetArrowType(2), -5);
  EXPECT_FALSE(IsArrowShown(2));
  EXPECT_FALSE(IsArrowShown(3));
  EXPECT_STREQ(GetArrowTypeName(), L"Arrow error");
  EXPECT_EQ(GetArrowType(0), 0);
  EXPECT_EQ(GetArrowType(5), 0);
  EXPECT_EQ(GetBoxX(5), 0.0);
}

TEST(LessonSteps, ALessonWithoutStepOneShowsTheDefaultsNotTheLastLesson) {
  LessonBed bed;
  bed.write("steps.mentor", kSteps);
  bed.write("headless.mentor", Head("Headless", "1") + Step(2, "header=two\r\n"));
  OpenLesson(LessonBed::Path("steps.mentor"));
  OpenLesson(LessonBed::Path("headless.mentor"));
  EXPECT_EQ(GetLessonStep(), 0);
  EXPECT_STREQ(GetStepHeader(), L"Error reading header");
  EXPECT_STREQ(GetStepText(), L"Error reading text");
  EXPECT_EQ(GetArrowType(1), 0);
  EXPECT_EQ(GetStepWindow(), 0);
  EXPECT_EQ(GetEditorItem(), 1);
  EXPECT_TRUE(bed.traced("headless.mentor has no step 1"));

  // An empty path opens nothing.
  bed.cockpit.clearKeyEvents();
  OpenLesson(L"");
  EXPECT_TRUE(bed.cockpit.windowEvents().empty());
}

TEST(LessonSteps, LongTitlesHeadersAndTextsAreCutToTheirBuffers) {
  LessonBed bed;
  bed.write("long.mentor", Head(std::string(300, 'T'), "1") +
                               Step(1, "header=" + std::string(150, 'H') + "\r\ntext=" + std::string(400, 'x') + "\r\n"));
  SelectLessonKind(1);
  ASSERT_EQ(g_lessonList.Count(), 1);
  EXPECT_EQ(Utf8(GetLessonTitle(g_lessonList, 1)), std::string(kLessonHeadChars - 1, 'T'));
  OpenLesson(GetLessonPath(g_lessonList, 1));
  EXPECT_EQ(Utf8(GetStepHeader()), std::string(kStepHeaderChars - 1, 'H'));
  EXPECT_EQ(Utf8(GetStepText()), std::string(kStepTextChars - 1, 'x'));
}

// ---- Editing ----

const std::string kAuthored =
    "; written by hand\r\n"
    "[LESSON]\r\ntitle=Edited \xC3\xA9t\xC3\xA9\r\ntype=1\r\n\r\n"
    "[STEP.001]\r\nheader=Start|here\r\ntext=Look at the panel ; not a comment\r\n"
    "arrow.01=3,100,200\r\nnote=kept\r\n\r\n"
    "; the second step\r\n"
    "[STEP.002]\r\nheader=Two\r\nArrow.01 = 1,5,5\r\nbox.01=2,20,30\r\nwindow=10020\r\n";

TEST(LessonEditor, EditsAreWrittenAndReadBackWithTheRestKeptByteForByte) {
  LessonBed bed;
  bed.write("edit.mentor", kAuthored);
  OpenLesson(LessonBed::Path("edit.mentor"));
  ReadLessonStep();  // step 2
  SetEditorMode(kEditArrows);
  EditorMoveA(0, 10);  // x 15
  EditorMoveB(1, 1);   // y 4
  EditorMoveA(1, 3);   // not a step the editor has: nothing
  EditorNextItem();
  EditorResetItem();   // arrow 2: 1 at the parking place
  EditorCycleTypeNext();  // 1 -> 2
  SetEditorMode(kEditBoxes);
  EditorPrevItem();       // box 1
  EditorCycleTypePrev();  // 2 -> 1
  EditorMoveB(0, 10);     // x 10
  SetEditorMode(kEditWindow);
  EditorCycleTypePrev();  // overhead -> main zoomed
  platform::SaveIniFiles();  // as the simulator's call into the gauge returns
  const std::string expected =
      "; written by hand\r\n"
      "[LESSON]\r\ntitle=Edited \xC3\xA9t\xC3\xA9\r\ntype=1\r\n\r\n"
      "[STEP.001]\r\nheader=Start|here\r\ntext=Look at the panel ; not a comment\r\n"
      "arrow.01=3,100,200\r\nnote=kept\r\n\r\n"
      "; the second step\r\n"
      "[STEP.002]\r\nheader=Two\r\nArrow.01 = 1,15,4\r\nbox.01=1,10,30\r\nwindow=10280\r\n"
      "arrow.02=2,640,480\r\narrow.03=0,640,480\r\narrow.04=0,640,480\r\n"
      "box.02=0,640,480\r\nbox.03=0,640,480\r\nbox.04=0,640,480\r\n";
  EXPECT_EQ(bed.read("edit.mentor"), expected);

  // Read back from the disk: the same pointers.
  platform::ClearIniCache();
  OpenLesson(LessonBed::Path("edit.mentor"));
  ReadLessonStep();
  EXPECT_EQ(GetArrowType(1), 1);
  EXPECT_EQ(GetArrowX(1), 15.0);
  EXPECT_EQ(GetArrowY(1), 4.0);
  EXPECT_EQ(GetArrowType(2), 2);
  EXPECT_EQ(GetArrowX(2), 640.0);
  EXPECT_EQ(GetBoxType(1), 1);
  EXPECT_EQ(GetBoxX(1), 10.0);
  EXPECT_EQ(GetStepWindow(), 10280);
  EXPECT_STREQ(GetStepHeader(), L"Two");

  // Clear parks the arrow; in window mode it takes the window away.
  SetEditorMode(kEditArrows);
  EditorClearItem();
  EXPECT_EQ(GetArrowType(1), 0);
  SetEditorMode(kEditWindow);
  EditorClearItem();
  EXPECT_EQ(GetStepWindow(), 0);
  EditorResetItem();
  EXPECT_EQ(GetStepWindow(), 10010);
  platform::SaveIniFiles();
  platform::ClearIniCache();
  EXPECT_EQ(platform::ReadIniString(L"STEP.002", L"arrow.01", L"", 50, LessonBed::Path("edit.mentor").c_str()),
            L"0,640,480");
  EXPECT_EQ(platform::ReadIniString(L"STEP.002", L"window", L"", 50, LessonBed::Path("edit.mentor").c_str()),
            L"10010");
}

TEST(LessonEditor, CyclesFollowTheirOrders) {
  LessonBed bed;
  bed.write("cycle.mentor", Head("Cycle", "1") + Step(1, "header=h\r\narrow.01=0,1,1\r\nbox.01=9,1,1\r\nwindow=10160\r\n"));
  OpenLesson(LessonBed::Path("cycle.mentor"));
  SetEditorMode(kEditArrows);
  std::vector<int32_t> arrows;
  for (int i = 0; i < 5; ++i) {
    EditorCycleTypeNext();
    arrows.push_back(GetArrowType(1));
  }
  EXPECT_EQ(arrows, (std::vector<int32_t>{3, 4, 1, 2, 0}));
  EditorCycleTypePrev();
  EXPECT_EQ(GetArrowType(1), 2);
  EXPECT_STREQ(GetArrowTypeName(), L"Lower right arrow");

  SetEditorMode(kEditBoxes);
  EditorCycleTypeNext();
  EXPECT_EQ(GetBoxType(1), 0);
  EditorCycleTypePrev();
  EXPECT_EQ(GetBoxType(1), 9);
  EXPECT_STREQ(GetBoxTypeName(), L"Flight Instruments");
  EditorCycleTypePrev();
  EXPECT_EQ(GetBoxType(1), 8);

  SetEditorMode(kEditWindow);
  EditorCycleTypeNext();  // speed cards -> no window
  EXPECT_EQ(GetStepWindow(), 0);
  EXPECT_STREQ(GetWindowName(), L"No window");
  EditorCycleTypePrev();  // backward never reaches "No window"
  EXPECT_EQ(GetStepWindow(), 10160);
  EditorCycleTypeNext();
  EditorCycleTypeNext();  // no window -> main panel
  EXPECT_EQ(GetStepWindow(), 10010);
  EditorCycleTypePrev();  // main panel -> speed cards
  EXPECT_EQ(GetStepWindow(), 10160);
  EditorCycleTypePrev();
  EXPECT_EQ(GetStepWindow(), 10110);
  EditorSetCoord(0, 5);  // window mode: nothing to set
  EXPECT_EQ(EditorGetCoord(0), 0);

  // A type outside its cycle stays; the selection wraps and stays put in window mode.
  bed.write("odd.mentor", Head("Odd", "1") + Step(1, "header=h\r\narrow.01=7,1,1\r\nwindow=4711\r\n"));
  OpenLesson(LessonBed::Path("odd.mentor"));
  SetEditorMode(kEditArrows);
  EditorCycleTypeNext();
  EXPECT_EQ(GetArrowType(1), 7);
  EditorPrevItem();
  EXPECT_EQ(GetEditorItem(), 4);
  EditorNextItem();
  EXPECT_EQ(GetEditorItem(), 1);
  SetEditorMode(kEditWindow);
  EditorNextItem();
  EXPECT_EQ(GetEditorItem(), 1);
  EditorCycleTypeNext();  // unknown ident -> main panel
  EXPECT_EQ(GetStepWindow(), 10010);
  SetEditorMode(7);  // ignored
  EXPECT_EQ(GetEditorMode(), kEditWindow);
}

TEST(LessonEditor, CoordinatesHoldAtTheIntegerLimits) {
  LessonBed bed;
  bed.write("far.mentor", Head("Far", "1") + Step(1, "header=h\r\narrow.01=1,2147483647,-2147483648\r\n"));
  OpenLesson(LessonBed::Path("far.mentor"));
  SetEditorMode(kEditArrows);
  EditorMoveA(0, 10);
  EditorMoveB(1, 10);
  EXPECT_EQ(EditorGetCoord(0), 2147483647);
  EXPECT_EQ(EditorGetCoord(1), -2147483647 - 1);
  EditorMoveB(0, 1);
  EXPECT_EQ(EditorGetCoord(0), 2147483646);
  EditorSetCoord(1, -20);  // set without a write
  EXPECT_EQ(EditorGetCoord(1), -20);
  EXPECT_EQ(platform::ReadIniString(L"STEP.001", L"arrow.01", L"", 50, LessonBed::Path("far.mentor").c_str()),
            L"1,2147483646,-2147483648");
}

TEST(LessonEditor, NothingIsWrittenWithoutALessonOrBeforeStepOne) {
  LessonBed bed;
  SetEditorMode(kEditArrows);
  EditorResetItem();
  EXPECT_EQ(GetArrowType(1), 1);  // the records change, the file does not
  EXPECT_TRUE(bed.traced("no lesson step is open"));
  platform::SaveIniFiles();
  EXPECT_TRUE(std::filesystem::is_empty(bed.cockpit.path(kFolder)));

  const std::string headless = Head("Headless", "1") + Step(2, "header=two\r\n");
  bed.write("headless.mentor", headless);
  OpenLesson(LessonBed::Path("headless.mentor"));
  EditorResetItem();
  EditorMoveA(0, 1);
  platform::SaveIniFiles();
  EXPECT_EQ(bed.read("headless.mentor"), headless);  // no [STEP.000]
}

TEST(LessonEditor, ALongPathIsNeverCutIntoAnotherFilesName) {
  LessonBed bed;
  const std::string sub(200, 'm');
  std::filesystem::create_directories(bed.cockpit.path(std::string(kFolder) + sub));
  const std::wstring folder = std::wstring(kLessonFolder) + platform::Widen(sub) + L"\\";
  // Cut to 259 characters, the long file's path would name the short one.
  ASSERT_LT(folder.size() + 7, 259u);
  const std::wstring shortName = folder + std::wstring(259 - 7 - folder.size(), L'x') + L".mentor";
  const std::wstring longName = shortName + L".mentor";
  ASSERT_EQ(longName.substr(0, 259), shortName);
  const std::string shortText = Head("Short", "1") + Step(1, "header=short\r\n");
  const std::string longText = Head("Long", "1") + Step(1, "header=long\r\n");
  bed.cockpit.writeFile(platform::Narrow(shortName.substr(2)), shortText);
  bed.cockpit.writeFile(platform::Narrow(longName.substr(2)), longText);
  platform::ClearIniCache();

  LessonList list;
  EnumerateLessons(list, 1, folder);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(GetLessonPath(list, 1), longName);
  OpenLesson(GetLessonPath(list, 1));
  EXPECT_STREQ(GetStepHeader(), L"long");
  SetEditorMode(kEditArrows);
  EditorResetItem();
  platform::SaveIniFiles();
  EXPECT_EQ(bed.cockpit.readFile(platform::Narrow(shortName.substr(2))), shortText);
  EXPECT_NE(bed.cockpit.readFile(platform::Narrow(longName.substr(2))), longText);
}

TEST(LessonEditor, BinaryEmptyAndReadOnlyFilesAreLeftAloneWithALogLine) {
  LessonBed bed;
  const std::string binary = Bytes("[STEP.001]\r\nheader=h\0\xFF\r\n");
  bed.write("binary.mentor", binary);
  OpenLesson(LessonBed::Path("binary.mentor"));
  SetEditorMode(kEditArrows);
  EditorResetItem();
  platform::SaveIniFiles();
  EXPECT_EQ(bed.read("binary.mentor"), binary);
  EXPECT_TRUE(bed.traced("binary.mentor is not text"));
  EXPECT_TRUE(bed.traced("binary.mentor is gone or is not lesson text"));

  bed.write("empty.mentor", "");
  OpenLesson(LessonBed::Path("empty.mentor"));
  EXPECT_EQ(GetLessonStep(), 0);
  EXPECT_TRUE(bed.traced("empty.mentor is empty"));

  const std::string text = Head("Read only", "1") + Step(1, "header=h\r\n");
  bed.write("locked.mentor", text);
  chmod(bed.cockpit.path(std::string(kFolder) + "locked.mentor").c_str(), 0444);
  platform::ClearIniCache();
  OpenLesson(LessonBed::Path("locked.mentor"));
  EditorResetItem();
  platform::SaveIniFiles();
  EXPECT_EQ(bed.read("locked.mentor"), text);
  EXPECT_TRUE(bed.traced("locked.mentor could not be written"));

  // A file removed after it was opened is not made anew by the editor.
  bed.write("gone.mentor", text);
  OpenLesson(LessonBed::Path("gone.mentor"));
  std::filesystem::remove(bed.cockpit.path(std::string(kFolder) + "gone.mentor"));
  EditorResetItem();
  platform::SaveIniFiles();
  EXPECT_FALSE(std::filesystem::exists(bed.cockpit.path(std::string(kFolder) + "gone.mentor")));
}

// ---- The editor gauge ----

// The mode tab's three pictures at the top; the name, then X and Y side by
// side, then the selected pointer, each a text box of one line.
TEST(MentorEditorGauge, TheTabAndTheFieldsStandAtTheirPlaces) {
  Cockpit cockpit;
  ExpectElementPlaces(cockpit, "Mentor VA Editor",
                      {{1, 7, 9, 3}, {2, 22, 156}, {3, 162, 106}, {4, 22, 106}, {5, 22, 66}});
  for (uint32_t field = 2; field <= 5; ++field) {
    EXPECT_EQ(cockpit.element("Mentor VA Editor", field).imageWidth, 120) << field;
    EXPECT_EQ(cockpit.element("Mentor VA Editor", field).imageHeight, 16) << field;
  }
}

TEST(MentorEditorGauge, ShowsTheSelectionItsCoordinatesAndNames) {
  LessonBed bed;
  bed.write("gauge.mentor", Head("Gauge", "1") + Step(1, "header=h\r\narrow.01=3,100,200\r\narrow.02=4,7,8\r\n"
                                                          "box.01=6,50,60\r\nwindow=10250\r\n"));
  OpenLesson(LessonBed::Path("gauge.mentor"));
  // The four fields as the simulator reads them: selection, Y, X, name.
  auto texts = [&bed] {
    bed.cockpit.draw();
    std::vector<std::string> shown;
    for (uint32_t n = 2; n <= 5; ++n) {
      shown.push_back(bed.cockpit.elementText("Mentor VA Editor", n));
      EXPECT_EQ(bed.cockpit.elementValue("Mentor VA Editor", n), 1.0);
    }
    return shown;
  };
  const size_t soundsBefore = bed.cockpit.played().size();
  bed.cockpit.click("Mentor VA Editor", 20, 20);  // the arrows tab
  EXPECT_EQ(bed.cockpit.draw().elementValue("Mentor VA Editor", 1), 0.0);
  EXPECT_EQ(texts(), (std::vector<std::string>{"1/4", "Y:200", "X:100", "Upper left arrow"}));
  bed.cockpit.click("Mentor VA Editor", 130, 155);  // next pointer
  EXPECT_EQ(texts(), (std::vector<std::string>{"2/4", "Y:8", "X:7", "Upper right arrow"}));
  bed.cockpit.click("Mentor VA Editor", 125, 120);  // x + 10
  bed.cockpit.mouse("Mentor VA Editor", 125, 120, platform::kMouseDownRepeat);  // held: once more
  bed.cockpit.click("Mentor VA Editor", 235, 105);  // y - 1
  EXPECT_EQ(texts(), (std::vector<std::string>{"2/4", "Y:7", "X:27", "Upper right arrow"}));
  EXPECT_EQ(platform::ReadIniString(L"STEP.001", L"arrow.02", L"", 50, LessonBed::Path("gauge.mentor").c_str()),
            L"4,27,7");
  bed.cockpit.click("Mentor VA Editor", 95, 105);   // x - 1
  bed.cockpit.click("Mentor VA Editor", 95, 120);   // x - 10
  bed.cockpit.click("Mentor VA Editor", 265, 105);  // y + 1
  bed.cockpit.click("Mentor VA Editor", 265, 120);  // y + 10
  bed.cockpit.click("Mentor VA Editor", 265, 120);
  bed.cockpit.click("Mentor VA Editor", 235, 120);  // y - 10
  bed.cockpit.click("Mentor VA Editor", 220, 65);   // type down: upper right to upper left
  EXPECT_EQ(texts(), (std::vector<std::string>{"2/4", "Y:18", "X:16", "Upper left arrow"}));

  bed.cockpit.click("Mentor VA Editor", 100, 20);  // boxes
  bed.cockpit.click("Mentor VA Editor", 95, 155);  // previous pointer: box 1
  EXPECT_EQ(texts(), (std::vector<std::string>{"1/4", "Y:60", "X:50", "EOAP"}));
  bed.cockpit.click("Mentor VA Editor", 255, 65);  // type up
  EXPECT_EQ(texts()[3], "Aircondition");
  bed.cockpit.click("Mentor VA Editor", 175, 155);  // clear
  EXPECT_EQ(texts(), (std::vector<std::string>{"1/4", "Y:480", "X:640", "No box"}));

  bed.cockpit.click("Mentor VA Editor", 190, 20);  // window
  EXPECT_EQ(texts(), (std::vector<std::string>{"", "", "", "EOAP"}));
  bed.cockpit.click("Mentor VA Editor", 125, 120);  // moves do nothing in window mode
  bed.cockpit.click("Mentor VA Editor", 240, 155);  // reset: the main panel
  EXPECT_STREQ(texts()[3].c_str(), "Main panel");

  bed.cockpit.clearKeyEvents();
  bed.cockpit.click("Mentor VA Editor", 280, 10);
  EXPECT_EQ(bed.cockpit.windowEvents(), std::vector<std::string>{"close 10350"});
  EXPECT_EQ(bed.cockpit.played().size(), soundsBefore);  // the editor's buttons make no click
  EXPECT_EQ(bed.cockpit.elementText("Mentor VA Editor", 1), "");  // not a string element
}

// ---- The shipped lessons and the host command ----

TEST(ShippedLessons, TheWalkAroundAndTheEngineStartAreListedAndStepThrough) {
  Cockpit cockpit;
  InitTrainingState();
  SelectLessonKind(1);
  bool walkAround = false;
  for (int32_t n = 1; n <= g_lessonList.Count(); ++n) {
    walkAround = walkAround || Utf8(GetLessonTitle(g_lessonList, n)) == "Overhead panel walk-around";
  }
  EXPECT_TRUE(walkAround);
  SelectLessonKind(2);
  ASSERT_GE(g_lessonList.Count(), 1);
  OpenLesson(GetLessonPath(g_lessonList, 1));
  EXPECT_EQ(GetLessonStep(), 1);
  int32_t steps = 1;
  while (!IsLastLessonStep() && steps < 50) {
    ReadLessonStep();
    ++steps;
    EXPECT_STRNE(GetStepHeader(), L"Error reading header") << steps;
    EXPECT_STRNE(GetStepText(), L"Error reading text") << steps;
    EXPECT_STRNE(GetWindowName(), L"Window error") << steps;
  }
  EXPECT_EQ(steps, 9);
}

TEST(ShippedLessons, TheScenarioCommandListsOpensAndSteps) {
  Cockpit cockpit;
  int32_t result = 0;
  std::string text;
  ASSERT_TRUE(cockpit.host().Lesson("list", 2, 0, &result, &text));
  EXPECT_EQ(text, "1.1 Engine start\n");
  ASSERT_TRUE(cockpit.host().Lesson("open", 2, 1, &result, &text));
  EXPECT_EQ(result, 1);
  EXPECT_EQ(text.rfind("step 1: ENGINE START / From cold and dark | ", 0), 0u) << text;
  ASSERT_TRUE(cockpit.host().Lesson("next", 0, 0, &result, &text));
  EXPECT_EQ(result, 2);
  EXPECT_NE(text.find("| window Overhead panel"), std::string::npos) << text;
  ASSERT_TRUE(cockpit.host().Lesson("previous", 0, 0, &result, &text));
  EXPECT_EQ(result, 1);
  EXPECT_FALSE(cockpit.host().Lesson("sideways", 0, 0, &result, &text));
}

TEST(ShippedLessons, TheScenarioLineLessonIsCheckedAndNotesEachStep) {
  std::vector<std::string> errors;
  simhost::Scenario bad;
  EXPECT_FALSE(bad.Parse("lesson sideways\nlesson open 2\nlesson list 9\nlesson open 2 x\n", "f.scn", &errors));
  ASSERT_EQ(errors.size(), 4u);
  EXPECT_NE(errors[0].find("lesson takes 'list', 'open', 'next', 'previous' or 'first'"), std::string::npos);
  EXPECT_NE(errors[1].find("lesson open takes 2 numbers"), std::string::npos);
  EXPECT_NE(errors[2].find("lesson category '9' is not a number from 0 to 4"), std::string::npos) << errors[2];

  Cockpit cockpit;
  simhost::Scenario scenario;
  errors.clear();
  ASSERT_TRUE(scenario.Parse("lesson list 1\nlesson open 2 1\nlesson next\nlesson open 2 5\n", "f.scn", &errors));
  simhost::RunLog log;
  std::string error;
  EXPECT_FALSE(simhost::RunScenario(cockpit.host(), scenario, log, &error));
  EXPECT_EQ(error, "f.scn:4: lesson 5 of category 2 has no step 1 (or there is no such lesson)");
  ASSERT_EQ(log.Notes().size(), 4u);
  EXPECT_NE(log.Notes()[1].find("1.1 Overhead panel walk-around"), std::string::npos) << log.Notes()[1];
  EXPECT_NE(log.Notes()[3].find("lesson next: step 2: BATTERY"), std::string::npos) << log.Notes()[3];
}

}  // namespace
}  // namespace halcyon::test
