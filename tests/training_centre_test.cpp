// The Mentor training centre on the panel: the frame's page tabs, the
// training list's rows (reversed in the element chain), its paging, hover and
// rows that open lessons or apply situations, the list's life with its
// window, the Training Guide's texts, font option and buttons, and the
// pointer overlay's arrows, boxes and editor marker.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/controls.h"
#include "core/options.h"
#include "crewaids/training/center_gauges.h"
#include "crewaids/training/center_page.h"
#include "crewaids/training/guide_gauges.h"
#include "crewaids/training/lesson_list.h"
#include "crewaids/training/lesson_steps.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kCenter = "Center";
constexpr const char* kTraining = "Center Training";
constexpr const char* kGuide = "Training Guide";
constexpr const char* kPointers = "Training Pointers";
constexpr const char* kFolder = "SimObjects/Airplanes/QZ Halcyon Pro/Mentor/";
using Events = std::vector<std::string>;

// Points inside the training list's controls.
constexpr int32_t kTabX = 100;
constexpr int32_t TabY(int32_t category) { return category == 5 ? 350 : 1 + 81 * (category - 1) + 30; }
constexpr int32_t kRowX = 400;
constexpr int32_t RowY(int32_t row) { return 25 * row + 12; }
constexpr int32_t kPageX = 660, kPreviousY = 490, kNextY = 525;

// A cockpit whose lesson folder holds only the lessons a test writes.
struct Centre {
  Cockpit cockpit;
  Centre() {
    std::filesystem::remove_all(cockpit.path(kFolder));
    std::filesystem::create_directories(cockpit.path(kFolder));
    InitTrainingState();
    ResetCenterPage();
    ClearLessonList(g_lessonList);
    ClearLessonSelection();
  }
  // Lessons "<prefix><first>" .. of one category, a file each.
  void lessons(int32_t category, int first, int count, const std::string& prefix = "L") {
    for (int n = first; n < first + count; ++n) {
      const std::string title = prefix + std::to_string(n);
      lesson(std::to_string(category) + "-" + title, "[LESSON]\r\ntitle=" + title + "\r\ntype=" + std::to_string(category) + "\r\n");
    }
  }
  void lesson(const std::string& name, const std::string& text) {
    cockpit.writeFile(std::string(kFolder) + name + ".mentor", text);
    platform::ClearIniCache();
  }
  std::string row(int32_t r) { return cockpit.elementText(kTraining, TrainingRowTextElement(r)); }
  Centre& click(const char* gauge, int32_t x, int32_t y) {
    cockpit.click(gauge, x, y).draw();
    return *this;
  }
  Centre& tab(int32_t category) { return click(kTraining, kTabX, TabY(category)); }
};

int32_t Position(const wchar_t* section, const wchar_t* key) {
  int32_t position = -1;
  EXPECT_TRUE(ReadControl(section, key, &position)) << platform::Narrow(key);
  return position;
}

// Every icon of a gauge shows one of its frames, every text reports 1.
void ExpectFramesInRange(Cockpit& cockpit, const char* gauge) {
  uint32_t index = 0;
  for (const platform::ELEMENT_HEADER* e = cockpit.gauge(gauge)->elements; e != nullptr; e = e->nextElement[0], ++index) {
    if (e->kind == platform::ElementKind::Icon) {
      EXPECT_TRUE(e->value >= 0 && e->value < e->frameCount) << gauge << index;
    }
    if (e->kind == platform::ElementKind::String) {
      EXPECT_EQ(e->value, 1.0) << gauge << index;
    }
  }
}

const platform::MOUSERECT* RectOf(Cockpit& cockpit, const char* gauge, const std::string& function) {
  for (const platform::MOUSERECT* rect = cockpit.gauge(gauge)->mouseRects; rect->type != platform::kMouseRectEnd;
       ++rect) {
    if (rect->functionName != nullptr && function == rect->functionName) return rect;
  }
  ADD_FAILURE() << function;
  return nullptr;
}

TEST(TrainingCentre, RowsStandFromRowTwentyDownToRowOneAndShowTheSituations) {
  Centre centre;
  centre.tab(5);
  EXPECT_EQ(centre.cockpit.elementValue(kTraining, kTrainingCategoryTab), 5.0);
  // Element 3 is row 20, element 22 row 1; the highlights follow the same order.
  EXPECT_EQ(centre.cockpit.elementText(kTraining, 22), "COLD COCKPIT - ALL SYSTEMS OFF");
  EXPECT_EQ(centre.cockpit.elementText(kTraining, 13), "PARKING IT FOR THE NIGHT");
  EXPECT_EQ(centre.cockpit.elementText(kTraining, 12), "");
  EXPECT_EQ(centre.cockpit.elementText(kTraining, 11), "START APU");
  EXPECT_EQ(centre.cockpit.elementText(kTraining, 10), "CONNECT GROUND POWER UNIT");
  EXPECT_EQ(centre.cockpit.elementText(kTraining, 3), "");
  for (int32_t r = 1; r <= 20; ++r) {
    EXPECT_EQ(centre.cockpit.element(kTraining, TrainingRowTextElement(r)).y, 25 * r) << r;
    EXPECT_EQ(centre.cockpit.element(kTraining, TrainingRowHighlightElement(r)).y, 25 * r - 2) << r;
    EXPECT_EQ(centre.cockpit.element(kTraining, TrainingRowTextElement(r)).value, 1.0) << r;
  }
  EXPECT_EQ(TrainingRowTextElement(20), 3u);
  EXPECT_EQ(TrainingRowHighlightElement(1), 42u);
  // The tab highlight, the page buttons and the frame's page tabs at their places.
  for (const auto& [gauge, index, x, y] : {std::tuple{kTraining, kTrainingCategoryTab, 281, 14},
                                           std::tuple{kTraining, kTrainingPageButtons, 651, 485},
                                           std::tuple{kCenter, kCenterPageIcon, 196, 178}}) {
    EXPECT_EQ(centre.cockpit.element(gauge, index).x, x) << gauge << " " << index;
    EXPECT_EQ(centre.cockpit.element(gauge, index).y, y) << gauge << " " << index;
  }
  ExpectFramesInRange(centre.cockpit, kTraining);
  // Each row's text, highlight and click area share the row's band; the
  // highlight frames the text two pixels out.
  for (int32_t r = 1; r <= 20; ++r) {
    const platform::ELEMENT_HEADER& text = centre.cockpit.element(kTraining, TrainingRowTextElement(r));
    const platform::ELEMENT_HEADER& highlight = centre.cockpit.element(kTraining, TrainingRowHighlightElement(r));
    const platform::MOUSERECT* rect = RectOf(centre.cockpit, kTraining, "CenterTrainingMouseRow" + std::to_string(r));
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(text.x, highlight.x + 2) << r;
    EXPECT_EQ(text.y, highlight.y + 2) << r;
    EXPECT_EQ(rect->y, text.y) << r;
    EXPECT_EQ(rect->height, 25) << r;
  }
}

TEST(TrainingCentre, EveryControlReportsTheEventHandled) {
  Centre centre;
  centre.lessons(1, 1, 25);
  centre.tab(1);
  for (const char* gauge : {kCenter, kTraining, kGuide}) {
    int32_t controls = 0;
    for (const platform::MOUSERECT* rect = centre.cockpit.gauge(gauge)->mouseRects;
         rect->type != platform::kMouseRectEnd; ++rect) {
      if (rect->function == nullptr) continue;
      ++controls;
      EXPECT_EQ(rect->function({0, 0}, rect->mouseFlags), 1) << gauge << " " << rect->functionName;
    }
    EXPECT_GT(controls, 3) << gauge;
  }
  EXPECT_EQ(centre.cockpit.gauge(kPointers)->mouseRects, nullptr) << "the overlay takes no clicks";
}

TEST(TrainingCentre, FortyFiveLessonsPageTwentyTwentyAndFive) {
  Centre centre;
  centre.lessons(1, 100, 45);
  centre.lessons(2, 100, 20);
  centre.lessons(3, 100, 21);
  centre.tab(1);
  EXPECT_EQ(centre.cockpit.elementValue(kTraining, kTrainingCategoryTab), 1.0);
  EXPECT_EQ(centre.cockpit.elementValue(kTraining, kTrainingPageButtons), 1.0);
  EXPECT_EQ(centre.row(1), "L100");
  EXPECT_EQ(centre.row(20), "L119");
  ExpectFramesInRange(centre.cockpit, kTraining);
  centre.click(kTraining, kPageX, kPreviousY);
  EXPECT_EQ(GetLessonPage(), 1) << "no page before the first";
  centre.click(kTraining, kPageX, kNextY);
  EXPECT_EQ(centre.row(1), "L120");
  EXPECT_EQ(centre.row(20), "L139");
  centre.click(kTraining, kPageX, kNextY);
  EXPECT_EQ(centre.row(1), "L140");
  EXPECT_EQ(centre.row(5), "L144");
  EXPECT_EQ(centre.row(6), "");
  EXPECT_EQ(centre.row(20), "");
  centre.click(kTraining, kPageX, kNextY);
  EXPECT_EQ(GetLessonPage(), 3) << "no page past the last lesson";
  centre.click(kTraining, kPageX, kPreviousY);
  EXPECT_EQ(centre.row(1), "L120");
  centre.click(kTraining, kPageX, kNextY);

  // The situations keep no pages: their buttons do nothing there.
  centre.tab(5);
  EXPECT_EQ(centre.row(1), "COLD COCKPIT - ALL SYSTEMS OFF");
  const int32_t page = GetLessonPage();
  centre.click(kTraining, kPageX, kNextY).click(kTraining, kPageX, kPreviousY);
  EXPECT_EQ(GetLessonPage(), page);
  // Back on a category: its first page.
  centre.tab(1);
  EXPECT_EQ(GetLessonPage(), 1);
  EXPECT_EQ(centre.row(1), "L100");

  // The page buttons show from the 21st lesson on.
  centre.tab(2);
  EXPECT_EQ(centre.cockpit.elementValue(kTraining, kTrainingPageButtons), 0.0);
  centre.click(kTraining, kPageX, kNextY);
  EXPECT_EQ(GetLessonPage(), 1) << "20 lessons fill one page";
  centre.tab(3);
  EXPECT_EQ(centre.cockpit.elementValue(kTraining, kTrainingPageButtons), 1.0);
  centre.click(kTraining, kPageX, kNextY);
  EXPECT_EQ(centre.row(1), "L120");
  EXPECT_EQ(centre.row(2), "");
}

// Lesson counts at the edges of a page: the page buttons from the 21st
// lesson; next stops on the page that holds the last lesson, previous on the
// first page, and each step in between moves one page.
TEST(TrainingCentre, PagingStopsAtTheFirstAndTheLastPage) {
  Centre centre;
  struct Sample {
    int32_t category;
    int count;
    int32_t lastPage;
  };
  for (const Sample& sample : {Sample{1, 20, 1}, Sample{2, 21, 2}, Sample{3, 40, 2}, Sample{4, 41, 3}}) {
    centre.lessons(sample.category, 100, sample.count);
    centre.tab(sample.category);
    const std::string at = std::to_string(sample.count) + " lessons";
    EXPECT_EQ(centre.cockpit.elementValue(kTraining, kTrainingPageButtons), sample.count > 20 ? 1.0 : 0.0) << at;
    centre.click(kTraining, kPageX, kPreviousY);
    EXPECT_EQ(GetLessonPage(), 1) << at;
    for (int32_t page = 2; page <= sample.lastPage + 1; ++page) {
      centre.click(kTraining, kPageX, kNextY);
      EXPECT_EQ(GetLessonPage(), std::min(page, sample.lastPage)) << at;
    }
    // The last page: its first lesson on row 1, the last lesson on its row, nothing below.
    const int lastRow = sample.count - 20 * (sample.lastPage - 1);
    EXPECT_EQ(centre.row(1), "L" + std::to_string(100 + 20 * (sample.lastPage - 1))) << at;
    EXPECT_EQ(centre.row(lastRow), "L" + std::to_string(100 + sample.count - 1)) << at;
    if (lastRow < 20) {
      EXPECT_EQ(centre.row(lastRow + 1), "") << at;
    }
    for (int32_t page = sample.lastPage - 1; page >= 0; --page) {
      centre.click(kTraining, kPageX, kPreviousY);
      EXPECT_EQ(GetLessonPage(), std::max(page, 1)) << at;
    }
    EXPECT_EQ(centre.row(1), "L100") << at;
    EXPECT_EQ(centre.row(20), sample.count >= 20 ? "L119" : "") << at;
  }
}

TEST(TrainingCentre, HoverHighlightsOneRowAndAnEmptyRowOpensNothing) {
  Centre centre;
  centre.lessons(3, 1, 5, "Lesson ");
  centre.tab(3);
  centre.cockpit.mouse(kTraining, kRowX, RowY(7), platform::kMouseMove).draw();
  for (int32_t r = 1; r <= 20; ++r) {
    EXPECT_EQ(centre.cockpit.elementValue(kTraining, TrainingRowHighlightElement(r)), r == 7 ? 1.0 : 0.0) << r;
  }
  // Hovering over a lesson highlights it and opens nothing.
  centre.cockpit.clearKeyEvents();
  centre.cockpit.mouse(kTraining, kRowX, RowY(2), platform::kMouseMove).draw();
  EXPECT_TRUE(centre.cockpit.keyEvents().empty());
  EXPECT_EQ(GetLessonStep(), 0);
  centre.cockpit.mouse(kTraining, kRowX, RowY(8), platform::kMouseMove).draw();
  EXPECT_EQ(centre.cockpit.elementValue(kTraining, TrainingRowHighlightElement(7)), 0.0);
  EXPECT_EQ(centre.cockpit.elementValue(kTraining, TrainingRowHighlightElement(8)), 1.0);
  // The first and the last row highlight as well.
  for (const int32_t edge : {20, 1}) {
    centre.cockpit.mouse(kTraining, kRowX, RowY(edge), platform::kMouseMove).draw();
    for (int32_t r = 1; r <= 20; ++r) {
      EXPECT_EQ(centre.cockpit.elementValue(kTraining, TrainingRowHighlightElement(r)), r == edge ? 1.0 : 0.0) << r;
    }
  }
  centre.cockpit.mouse(kTraining, kRowX, RowY(8), platform::kMouseMove).draw();

  // Row 7 of five lessons: nothing opens, no window moves; a click alone
  // does not move the highlight.
  centre.cockpit.clearKeyEvents();
  centre.click(kTraining, kRowX, RowY(7));
  EXPECT_TRUE(centre.cockpit.keyEvents().empty());
  EXPECT_EQ(GetLessonStep(), 0);
  EXPECT_STREQ(GetLessonFilePath(), L"");
  EXPECT_EQ(centre.cockpit.elementValue(kTraining, TrainingRowHighlightElement(8)), 1.0);
  EXPECT_EQ(centre.cockpit.elementValue(kTraining, TrainingRowHighlightElement(7)), 0.0);
}

TEST(TrainingCentre, ARowOpensItsLessonOrAppliesItsSituationAndClosesTheCentre) {
  Centre centre;
  centre.lesson("first", "[LESSON]\r\ntitle=First\r\ntype=2\r\n[STEP.001]\r\nheader=One\r\ntext=Go\r\nwindow=10020\r\n");
  centre.lesson("second", "[LESSON]\r\ntitle=Second\r\ntype=2\r\n[STEP.001]\r\nheader=Two\r\ntext=Go\r\n");
  centre.tab(2);
  centre.cockpit.clearKeyEvents();
  centre.click(kTraining, kRowX, RowY(2));
  EXPECT_EQ(platform::Narrow(GetStepHeader()), "Two");
  EXPECT_EQ(centre.cockpit.windowEvents(),
            (Events{"close 10100", "close 10140", "close 10190", "close 10210", "open 10120", "open 10130"}));

  // On the situations page: row 1 is cold and dark, row 12 starts the APU;
  // each closes the centre after it.
  centre.tab(5);
  ExpectFramesInRange(centre.cockpit, kTraining);
  centre.cockpit.clearKeyEvents();
  centre.click(kTraining, kRowX, RowY(1));
  EXPECT_EQ(Position(L"OXYGEN", L"master_switch"), 1);
  EXPECT_EQ(Position(L"APU", L"master"), 120);
  const Events events = centre.cockpit.windowEvents();
  EXPECT_EQ(Events(events.end() - 4, events.end()),
            (Events{"close 10100", "close 10140", "close 10190", "close 10210"}));
  centre.cockpit.clearKeyEvents();
  centre.click(kTraining, kRowX, RowY(12));
  EXPECT_EQ(Position(L"APU", L"master"), 48);
  EXPECT_EQ(Position(L"ELECTRIC", L"apu_bus_2_sw"), 41);
  EXPECT_EQ(centre.cockpit.windowEvents(), (Events{"close 10100", "close 10140", "close 10190", "close 10210"}));
  // Row 11 and rows past 13 hold no situation: nothing at all happens.
  for (int32_t r : {11, 14, 20}) {
    centre.cockpit.clearKeyEvents();
    centre.click(kTraining, kRowX, RowY(r));
    EXPECT_TRUE(centre.cockpit.keyEvents().empty()) << r;
  }
  // With no category chosen the rows do nothing either, even over a list.
  centre.tab(2);
  SetLessonType(0);
  centre.cockpit.clearKeyEvents();
  centre.click(kTraining, kRowX, RowY(1));
  EXPECT_TRUE(centre.cockpit.keyEvents().empty());
  EXPECT_EQ(platform::Narrow(GetStepHeader()), "Two");
}

// Before any tab is chosen no category is shown, and opening the window
// lists nothing, whatever lessons the folder holds.
TEST(TrainingCentre, TheListStartsWithNoCategory) {
  Cockpit cockpit;
  cockpit.writeFile(std::string(kFolder) + "one.mentor", "[LESSON]\r\ntitle=One\r\ntype=1\r\n");
  platform::ClearIniCache();
  cockpit.setWindowVisible(kCenterTrainingWindow, true).draw();
  EXPECT_EQ(cockpit.elementValue(kTraining, kTrainingCategoryTab), 0.0);
  EXPECT_EQ(cockpit.elementText(kTraining, TrainingRowTextElement(1)), "");
  EXPECT_EQ(g_lessonList.Count(), 0);
}

TEST(TrainingCentre, TheListLivesWhileItsWindowIsOpen) {
  Centre centre;
  centre.lessons(4, 1, 3);
  SetLessonType(4);
  centre.cockpit.setWindowVisible(kCenterTrainingWindow, true).draw();
  EXPECT_EQ(g_lessonList.Count(), 3) << "opened: the folder is read for the category shown";
  EXPECT_EQ(centre.row(3), "L3");
  centre.cockpit.setWindowVisible(kCenterTrainingWindow, false).draw();
  EXPECT_EQ(g_lessonList.Count(), 0) << "closed: emptied";
  EXPECT_EQ(GetLessonType(), 4);
  centre.lessons(4, 4, 1);
  centre.cockpit.setWindowVisible(kCenterTrainingWindow, true).draw();
  EXPECT_EQ(g_lessonList.Count(), 4) << "a lesson added meanwhile appears";
  // The window disconnected empties it as well.
  CenterTrainingGaugeCallback(nullptr, platform::kServiceWindowDisconnected, 0);
  EXPECT_EQ(g_lessonList.Count(), 0);
  CenterTrainingGaugeCallback(nullptr, platform::kServicePreDraw, 0);
  EXPECT_EQ(g_lessonList.Count(), 0);
}

TEST(TrainingCentre, TheFrameShowsItsPageAndReopensIt) {
  Centre centre;
  Cockpit& cockpit = centre.cockpit;
  cockpit.setWindowVisible(kCenterFrameWindow, false).draw();
  cockpit.clearKeyEvents();
  cockpit.setWindowVisible(kCenterFrameWindow, true).draw();
  EXPECT_TRUE(cockpit.windowEvents().empty()) << "no page yet";
  const int32_t tabY[] = {190, 270, 350};
  const Events opened[] = {{"open 10140", "close 10210", "close 10190"},
                           {"open 10190", "close 10140", "close 10210"},
                           {"open 10210", "close 10190", "close 10140"}};
  for (int32_t page = 1; page <= 3; ++page) {
    cockpit.clearKeyEvents();
    centre.click(kCenter, 100, tabY[page - 1]);
    EXPECT_EQ(cockpit.windowEvents(), opened[page - 1]) << page;
    EXPECT_EQ(cockpit.elementValue(kCenter, kCenterPageIcon), page);
    ExpectFramesInRange(cockpit, kCenter);
  }
  centre.click(kCenter, 100, tabY[1]);
  cockpit.clearKeyEvents();
  centre.click(kCenter, 935, 15);
  EXPECT_EQ(cockpit.windowEvents(), (Events{"close 10100", "close 10140", "close 10190", "close 10210"}));
  cockpit.clearKeyEvents();
  cockpit.setWindowVisible(kCenterFrameWindow, true).draw();
  EXPECT_EQ(cockpit.windowEvents(), opened[1]) << "reopened on the page it showed";
  EXPECT_TRUE(cockpit.isWindowVisible(10190));
}

std::string ThreeSteps() {
  return "[LESSON]\r\ntitle=Guide\r\ntype=1\r\n"
         "[STEP.001]\r\nheader=FIRST|STEP\r\ntext=One\r\n"
         "[STEP.002]\r\nheader=Second\r\ntext=Two\r\n"
         "[STEP.003]\r\nheader=Third\r\ntext=Three\r\n";
}

TEST(TrainingGuide, ShowsTheStepInTheFontTheOptionChoosesAndStepsWithItsButtons) {
  Centre centre;
  centre.lesson("guide", ThreeSteps());
  centre.tab(1).click(kTraining, kRowX, RowY(1));
  Cockpit& cockpit = centre.cockpit;
  cockpit.setOption(kOptionAltTrainingFont, false).draw();
  EXPECT_EQ(cockpit.elementText(kGuide, kGuideHeader), "FIRST\nSTEP");
  EXPECT_EQ(cockpit.elementText(kGuide, kGuideText), "One");
  EXPECT_EQ(cockpit.elementText(kGuide, kGuideAltHeader), "FIRST\nSTEP");
  EXPECT_TRUE(cockpit.elementVisible(kGuide, kGuideText));
  EXPECT_TRUE(cockpit.elementVisible(kGuide, kGuideHeader));
  EXPECT_FALSE(cockpit.elementVisible(kGuide, kGuideAltText));
  EXPECT_FALSE(cockpit.elementVisible(kGuide, kGuideAltHeader));
  EXPECT_EQ(cockpit.elementValue(kGuide, kGuideStepIcon), 1.0) << "first step";
  // The two pairs differ only in their weight: the same places and boxes.
  for (const auto& [regular, alternative] : {std::pair{kGuideText, kGuideAltText}, {kGuideHeader, kGuideAltHeader}}) {
    const platform::ELEMENT_HEADER& a = cockpit.element(kGuide, regular);
    const platform::ELEMENT_HEADER& b = cockpit.element(kGuide, alternative);
    EXPECT_EQ(std::vector<int32_t>({a.x, a.y, a.imageWidth, a.imageHeight}),
              std::vector<int32_t>({b.x, b.y, b.imageWidth, b.imageHeight}));
    EXPECT_STREQ(a.fontFace, "Courier New");
    EXPECT_STREQ(b.fontFace, "Courier New");
    EXPECT_EQ(a.fontWeight, 400);
    EXPECT_EQ(b.fontWeight, 700);
  }
  cockpit.setOption(kOptionAltTrainingFont, true).draw();
  EXPECT_FALSE(cockpit.elementVisible(kGuide, kGuideText));
  EXPECT_FALSE(cockpit.elementVisible(kGuide, kGuideHeader));
  EXPECT_TRUE(cockpit.elementVisible(kGuide, kGuideAltText));
  EXPECT_TRUE(cockpit.elementVisible(kGuide, kGuideAltHeader));

  centre.click(kGuide, 340, 230);  // next
  EXPECT_EQ(cockpit.elementText(kGuide, kGuideAltText), "Two");
  EXPECT_EQ(cockpit.elementValue(kGuide, kGuideStepIcon), 0.0);
  centre.click(kGuide, 340, 230);
  EXPECT_EQ(cockpit.elementText(kGuide, kGuideText), "Three");
  EXPECT_EQ(cockpit.elementValue(kGuide, kGuideStepIcon), 2.0) << "last step";
  ExpectFramesInRange(cockpit, kGuide);
  centre.click(kGuide, 290, 230);  // previous
  EXPECT_EQ(GetLessonStep(), 2);
  centre.click(kGuide, 340, 230).click(kGuide, 95, 230);  // first
  EXPECT_EQ(GetLessonStep(), 1);
  centre.click(kGuide, 340, 230);

  // The editor button toggles the editor; back to the centre keeps the step.
  cockpit.clearKeyEvents();
  centre.click(kGuide, 125, 230);
  EXPECT_EQ(cockpit.windowEvents(), Events{"toggle 10350"});
  EXPECT_TRUE(cockpit.isWindowVisible(10350));
  centre.click(kGuide, 125, 230);
  EXPECT_FALSE(cockpit.isWindowVisible(10350));
  // The frame, opened again, opens the page it showed last, the list.
  SetCenterPage(1);
  cockpit.clearKeyEvents();
  centre.click(kGuide, 60, 230);
  EXPECT_EQ(cockpit.windowEvents(), (Events{"open 10140", "open 10100", "close 10120", "close 10130", "close 10350",
                                            "open 10140", "close 10210", "close 10190"}));
  EXPECT_TRUE(cockpit.isWindowVisible(kCenterTrainingWindow));
  EXPECT_EQ(GetLessonStep(), 2);
  cockpit.clearKeyEvents();
  centre.click(kGuide, 30, 230);
  EXPECT_EQ(cockpit.windowEvents(), (Events{"close 10120", "close 10130", "close 10350"}));
  EXPECT_EQ(GetLessonStep(), 2);
}

// The guide's two text pairs span the window less 5 px on the left, the
// header above the text; the first/last step picture, which shades the
// button that has no step to go to, stands 5 px inside the corner of the
// previous button, its three frames none, the first step, the last step.
TEST(TrainingGuide, TheTextsAndTheStepPictureStandInTheirPlaces) {
  Centre centre;
  Cockpit& cockpit = centre.cockpit;
  cockpit.draw();
  struct Place {
    uint32_t element;
    int32_t y, height;
  };
  for (const Place& place : {Place{kGuideText, 92, 125}, Place{kGuideAltText, 92, 125}, Place{kGuideHeader, 47, 35},
                             Place{kGuideAltHeader, 47, 35}}) {
    const platform::ELEMENT_HEADER& text = cockpit.element(kGuide, place.element);
    EXPECT_EQ(std::vector<int32_t>({text.x, text.y, text.imageWidth, text.imageHeight}),
              std::vector<int32_t>({5, place.y, 389, place.height}))
        << place.element;
  }
  const platform::MOUSERECT* previous = RectOf(cockpit, kGuide, "TrainingGuideMousePrevious");
  ASSERT_NE(previous, nullptr);
  const platform::ELEMENT_HEADER& icon = cockpit.element(kGuide, kGuideStepIcon);
  EXPECT_EQ(icon.x, previous->x + 5);
  EXPECT_EQ(icon.y, previous->y + 5);
  EXPECT_EQ(icon.frameCount, 3);
}

// The overlay's pictures shown, and their places.
struct Picture {
  bool shown;
  double x;
  double y;
};
Picture PictureOf(Cockpit& cockpit, uint32_t n) {
  return {cockpit.elementVisible(kPointers, n), cockpit.element(kPointers, n).value,
          cockpit.element(kPointers, n).yValue};
}
std::vector<uint32_t> Shown(Cockpit& cockpit) {
  std::vector<uint32_t> shown;
  for (uint32_t n = 1; n < kPointersElementCount; ++n) {
    if (cockpit.elementVisible(kPointers, n)) shown.push_back(n);
  }
  return shown;
}

TEST(TrainingPointers, EachArrowShowsOnePictureAtItsPlaceAndBoxesOneFrameATarget) {
  Centre centre;
  centre.lesson("pointers", "[LESSON]\r\ntitle=Pointers\r\ntype=1\r\n[STEP.001]\r\nheader=h\r\ntext=t\r\n"
                            "arrow.01=3,100,200\r\narrow.02=2,300,310\r\narrow.03=7,50,60\r\n"
                            "box.01=4,400,410\r\nbox.02=4,500,510\r\nbox.03=9,20,30\r\n");
  Cockpit& cockpit = centre.cockpit;
  centre.tab(1).click(kTraining, kRowX, RowY(1));
  cockpit.setWindowVisible(10350, false).draw();
  // Arrow 1 upper left, arrow 2 lower right; arrow 3's type has no picture;
  // fuel quantity's frame at the first of its two boxes, the instruments'.
  EXPECT_EQ(Shown(cockpit), (std::vector<uint32_t>{PointerArrowElement(1, 3), PointerArrowElement(2, 2),
                                                   PointerBoxElement(4), PointerBoxElement(9)}));
  const Picture arrow1 = PictureOf(cockpit, PointerArrowElement(1, 3));
  EXPECT_EQ(arrow1.x, 100.0);
  EXPECT_EQ(arrow1.y, 200.0);
  const Picture arrow2 = PictureOf(cockpit, PointerArrowElement(2, 2));
  EXPECT_EQ(arrow2.x, 300.0);
  EXPECT_EQ(arrow2.y, 310.0);
  // Every picture of an arrow stands at its arrow's place (arrow 3 keeps its
  // place with no picture shown, arrow 4 is not in use).
  const double kPlaces[4][2] = {{100, 200}, {300, 310}, {50, 60}, {0, 0}};
  for (int32_t arrow = 1; arrow <= 4; ++arrow) {
    for (int32_t type = 1; type <= 4; ++type) {
      const Picture picture = PictureOf(cockpit, PointerArrowElement(arrow, type));
      EXPECT_EQ(picture.x, kPlaces[arrow - 1][0]) << arrow << type;
      EXPECT_EQ(picture.y, kPlaces[arrow - 1][1]) << arrow << type;
    }
  }
  const Picture fuel = PictureOf(cockpit, PointerBoxElement(4));
  EXPECT_EQ(fuel.x, 400.0);
  EXPECT_EQ(fuel.y, 410.0);
  EXPECT_EQ(PictureOf(cockpit, PointerBoxElement(9)).y, 30.0);

  // The editor's marker shows while the editor is open, over the selected
  // arrow, also in box mode.
  cockpit.setWindowVisible(10350, true).draw();
  const Picture marker = PictureOf(cockpit, kPointerMarker);
  EXPECT_TRUE(marker.shown);
  EXPECT_EQ(marker.x, 110.0);
  EXPECT_EQ(marker.y, 165.0);
  SetEditorMode(kEditBoxes);
  EditorNextItem();
  cockpit.draw();
  EXPECT_EQ(PictureOf(cockpit, kPointerMarker).x, 310.0);
  EXPECT_EQ(PictureOf(cockpit, kPointerMarker).y, 275.0);
  EditorClearItem();  // box 2 goes: the fuel quantity frame stays at box 1
  EditorPrevItem();
  EditorClearItem();  // box 1 goes: no fuel quantity frame
  SetEditorMode(kEditArrows);
  EditorClearItem();  // arrow 1 to type 0
  cockpit.draw();
  EXPECT_EQ(Shown(cockpit), (std::vector<uint32_t>{PointerArrowElement(2, 2), kPointerMarker, PointerBoxElement(9)}));
  EXPECT_EQ(PictureOf(cockpit, kPointerMarker).x, 10.0) << "over an arrow of type 0";
  EXPECT_EQ(PictureOf(cockpit, kPointerMarker).y, -35.0);
  cockpit.setWindowVisible(10350, false).draw();
  EXPECT_FALSE(cockpit.elementVisible(kPointers, kPointerMarker));
}

// Each target's frame is a picture of the size of the panel it frames.
TEST(TrainingPointers, EachBoxFrameIsThePictureOfItsPanelsSize) {
  Centre centre;
  Cockpit& cockpit = centre.cockpit;
  cockpit.draw();
  struct Frame {
    int32_t target;
    int32_t width, height;
  };
  for (const Frame& frame : {Frame{1, 175, 135}, Frame{2, 642, 116}, Frame{3, 200, 120}, Frame{4, 195, 186},
                             Frame{5, 360, 300}, Frame{6, 537, 106}, Frame{7, 300, 200}, Frame{8, 168, 290},
                             Frame{9, 620, 270}}) {
    const platform::ELEMENT_HEADER& box = cockpit.element(kPointers, PointerBoxElement(frame.target));
    EXPECT_EQ(box.imageWidth, frame.width) << "target " << frame.target;
    EXPECT_EQ(box.imageHeight, frame.height) << "target " << frame.target;
  }
}

// One run through the host: the frame opened, its training page, the
// situations tab, a row; the windows close and the INI saved at shut-down
// holds the situation.
TEST(TrainingCentre, AHostRunAppliesASituationFromTheCentreAndSavesIt) {
  Centre centre;
  Cockpit& cockpit = centre.cockpit;
  cockpit.setWindowVisible(kCenterFrameWindow, true).runTicks(1);
  cockpit.click(kCenter, 100, 190).runTicks(1);
  EXPECT_TRUE(cockpit.isWindowVisible(kCenterTrainingWindow));
  cockpit.click(kTraining, kTabX, TabY(5)).runTicks(1).draw();
  EXPECT_EQ(centre.row(2), "READY FOR ENGINE START");
  cockpit.click(kTraining, kRowX, RowY(2)).runTicks(1);
  for (uint32_t window : {10100u, 10140u, 10190u, 10210u}) EXPECT_FALSE(cockpit.isWindowVisible(window)) << window;
  cockpit.runSeconds(1).shutdown();
  EXPECT_EQ(cockpit.ini("APU", "battery"), "41");
  EXPECT_EQ(cockpit.ini("FUEL PUMPS", "fwd_left"), "41");
  EXPECT_EQ(cockpit.ini("IRS", "switch1"), "115");
  EXPECT_EQ(cockpit.ini("OXYGEN", "master_switch"), "2");
  EXPECT_EQ(cockpit.ini("PNEUMATIC X-FEED", "left"), "1");
}

// The host's snapshot of the open guide windows: the overlay's pictures with
// both coordinates, the guide's texts.
TEST(TrainingPointers, TheSnapshotDumpsEachPictureWithItsPlace) {
  Centre centre;
  centre.lesson("dump", "[LESSON]\r\ntitle=Dump\r\ntype=1\r\n[STEP.001]\r\nheader=Look here\r\ntext=t\r\n"
                        "arrow.01=3,100,200\r\nbox.01=2,40,50\r\n");
  centre.tab(1).click(kTraining, kRowX, RowY(1));
  centre.cockpit.snapshot();
  std::string dump;
  for (const std::string& name : centre.cockpit.picturesWritten()) {
    if (name.find("_window_10130.txt") == std::string::npos && name.find("_window_10120.txt") == std::string::npos) continue;
    std::ifstream file(centre.cockpit.picturesFolder() + "/" + name);
    std::stringstream text;
    text << file.rdbuf();
    dump += text.str();
  }
  EXPECT_NE(dump.find("  03 slider  arrow 1 upper left     value      100.000 frame -    visible unlit y 200.000"),
            std::string::npos)
      << dump;
  EXPECT_NE(dump.find("box Flight Guidance Panel value       40.000 frame -    visible unlit y 50.000"),
            std::string::npos);
  EXPECT_NE(dump.find("step header            value        1.000 frame -    visible unlit \"Look here\""),
            std::string::npos);
}

}  // namespace
}  // namespace halcyon::test
