// The popup gauges as the pilot uses them: the checklist card stepping its
// items with the first officer's voice and moving its marker, the speed
// cards setting the bugs, the view menu unfolding on the scheduler's ticks,
// the Start Flying pages and the splash, and the exact window events of every
// hotspot and close box.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "core/options.h"
#include "core/panel_windows.h"
#include "core/tick_scheduler.h"
#include "crewaids/checklists/checklist.h"
#include "gauges/start_pages.h"
#include "host/sound_system.h"
#include "systems/kept_controls.h"
#include "systems/menu_state.h"
#include "systems/speed_bugs.h"
#include "systems/speed_cards.h"
#include "systems/startup_sequence.h"
#include "tests/cockpit.h"
#include "tests/element_places.h"

namespace halcyon::test {
namespace {

using Events = std::vector<std::string>;
using platform::sound::SoundOp;

constexpr int kMarker = 2;
constexpr int kLongVoiceMs = 4000;  // still playing when the next item comes

// The checklist card's controls, by a point inside each.
void NextItem(Cockpit& cockpit) { cockpit.click("Checklist", 150, 570); }
void PreviousChecklist(Cockpit& cockpit) { cockpit.click("Checklist", 20, 200); }
void NextChecklist(Cockpit& cockpit) { cockpit.click("Checklist", 280, 200); }

Cockpit& AtItem(Cockpit& cockpit, int32_t checklist, int32_t item) {
  SetSwitch(&g_currentChecklistSwitch, checklist);
  g_checklistItem = item;
  return cockpit;
}

int32_t Checklist() { return GetSwitch(&g_currentChecklistSwitch); }

// The checklist voices' stops and plays since `from` in the sound log, in order: "stop 79", "play 84".
Events Voices(const Cockpit& cockpit, size_t from = 0) {
  Events voices;
  const auto& log = cockpit.soundLog();
  for (size_t i = from; i < log.size(); ++i) {
    const int slot = Cockpit::SlotOf(log[i].source);
    if (slot < 0 || slot > 148) continue;
    if (log[i].op == SoundOp::Play) voices.push_back("play " + std::to_string(slot));
    if (log[i].op == SoundOp::Stop) voices.push_back("stop " + std::to_string(slot));
  }
  return voices;
}

// ---- Checklist stepping and voice ----

TEST(ChecklistCard, TheLastItemStepsToTheNextChecklistWhoseFirstItemIsRead) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({0, 79, 82, 84, 123, 147}, kLongVoiceMs).start();
  // Checklist 6 at its last item, with the two slots the seventh's first item stops still sounding.
  AtItem(cockpit, 6, 4);
  PlaySound(79, 0);
  PlaySound(82, 0);
  size_t mark = cockpit.soundLog().size();
  NextItem(cockpit);
  EXPECT_EQ(Checklist(), 7);
  EXPECT_EQ(GetChecklistItem(), 0);
  EXPECT_EQ(Voices(cockpit, mark), (Events{"stop 79", "stop 82", "play 84"}));

  // After checklist 15 comes checklist 1.
  AtItem(cockpit, 15, 28);
  PlaySound(123, 0);
  PlaySound(147, 0);
  mark = cockpit.soundLog().size();
  NextItem(cockpit);
  EXPECT_EQ(Checklist(), 1);
  EXPECT_EQ(GetChecklistItem(), 0);
  EXPECT_EQ(Voices(cockpit, mark), (Events{"stop 123", "stop 147", "play 0"}));
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("CHECKLIST", "current_checklist"), "1");
}

TEST(ChecklistCard, EachItemStopsTheItemBeforeAndOnlyTheFirstTenAreRead) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({38, 39, 40, 41, 42, 43, 148}, kLongVoiceMs).start();
  AtItem(cockpit, 3, 0);
  for (int i = 0; i < 5; ++i) NextItem(cockpit);
  EXPECT_EQ(GetChecklistItem(), 5);
  EXPECT_EQ(Voices(cockpit), (Events{"play 39", "stop 39", "play 40", "stop 40", "play 41", "stop 41", "play 42",
                                     "stop 42", "play 43"}));
  // Checklist 10's last item is the last slot, 148: the same "checklist
  // complete" recording as checklist 1's last, slot 28.
  AtItem(cockpit, 10, 24);
  size_t mark = cockpit.soundLog().size();
  NextItem(cockpit);
  EXPECT_EQ(Voices(cockpit, mark), Events{"play 28"});
  EXPECT_EQ(Cockpit::SoundFile(148), Cockpit::SoundFile(28));

  // Checklist 12 has no recordings: it steps in silence.
  AtItem(cockpit, 12, 5);
  mark = cockpit.soundLog().size();
  NextItem(cockpit);
  EXPECT_EQ(GetChecklistItem(), 6);
  EXPECT_EQ(cockpit.soundLog().size(), mark);

  // With the first officer's callouts off the checklist still steps, and nothing is heard.
  cockpit.setOption(kOptionTurnOffFoCallouts, true);
  AtItem(cockpit, 3, 4);
  mark = cockpit.soundLog().size();
  NextItem(cockpit);
  PreviousChecklist(cockpit);
  EXPECT_EQ(Checklist(), 2);
  EXPECT_EQ(cockpit.soundLog().size(), mark);
  cockpit.setOption(kOptionTurnOffFoCallouts, false);
  AtItem(cockpit, 3, 4);
  NextItem(cockpit);
  EXPECT_EQ(cockpit.played(43).size(), 2u) << "read again with the callouts on";
}

TEST(ChecklistCard, ANumberOffTheCardStaysUntilTheSelectorMovesIt) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[CHECKLIST]\r\ncurrent_checklist=0\r\n");
  cockpit.addSounds({109, 121, 123, 129}, kLongVoiceMs).start();
  NextItem(cockpit);
  EXPECT_EQ(Checklist(), 0);
  EXPECT_EQ(GetChecklistItem(), 0) << "no checklist to step";
  EXPECT_TRUE(cockpit.played().empty());
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Checklist", 1), 0.0) << "the first page";
  EXPECT_EQ(cockpit.element("Checklist", kMarker).yValue, 0.0);

  // Either half takes a number off the card to checklist 11, at its first item.
  g_checklistItem = 3;
  PreviousChecklist(cockpit);
  EXPECT_EQ(Checklist(), 11);
  EXPECT_EQ(GetChecklistItem(), 0);
  AtItem(cockpit, 16, 3);
  NextChecklist(cockpit);
  EXPECT_EQ(Checklist(), 11);
  EXPECT_EQ(GetChecklistItem(), 0);

  // An item past its checklist's end (the number moved without the counter)
  // steps on to the next checklist, and reads no other checklist's recording.
  AtItem(cockpit, 9, 20);
  PlayChecklistItemSound();
  EXPECT_TRUE(cockpit.played().empty());
  NextItem(cockpit);
  EXPECT_EQ(Checklist(), 10);
  EXPECT_EQ(cockpit.played(123).size(), 1u);
}

TEST(ChecklistCard, TheHalvesPageThroughTheFifteenChecklistsAndReadTheFirstItem) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({0, 29, 109, 121, 123, 147}, kLongVoiceMs).start();
  EXPECT_EQ(Checklist(), 11) << "the default";
  AtItem(cockpit, 14, 7);
  NextChecklist(cockpit);
  EXPECT_EQ(Checklist(), 15);
  EXPECT_EQ(GetChecklistItem(), 0);
  EXPECT_TRUE(cockpit.played().empty()) << "checklist 15 is not read";
  PlaySound(123, 0);
  PlaySound(147, 0);
  size_t mark = cockpit.soundLog().size();
  NextChecklist(cockpit);
  EXPECT_EQ(Checklist(), 1);
  EXPECT_EQ(Voices(cockpit, mark), (Events{"stop 123", "stop 147", "play 0"}));
  NextChecklist(cockpit);
  EXPECT_EQ(Checklist(), 2);
  EXPECT_EQ(cockpit.played(29).size(), 1u);

  PreviousChecklist(cockpit);
  EXPECT_EQ(Checklist(), 1);
  PreviousChecklist(cockpit);
  EXPECT_EQ(Checklist(), 15);
  AtItem(cockpit, 11, 4);
  mark = cockpit.soundLog().size();
  PreviousChecklist(cockpit);
  EXPECT_EQ(Checklist(), 10);
  EXPECT_EQ(GetChecklistItem(), 0);
  EXPECT_EQ(Voices(cockpit, mark), Events{"play 123"}) << "109 and 121 were not sounding";

  // The page and the mark of the last five checklists.
  const std::tuple<int32_t, double, double> pages[] = {{1, 0.0, 0.0},   {10, 9.0, 0.0}, {11, 10.0, 1.0},
                                                        {15, 14.0, 1.0}, {16, 0.0, 0.0}, {-1, 0.0, 0.0}};
  for (const auto& [checklist, page, mark11] : pages) {
    AtItem(cockpit, checklist, 1).draw();
    EXPECT_EQ(cockpit.elementValue("Checklist", 1), page) << checklist;
    EXPECT_EQ(cockpit.elementValue("Checklist", 3), mark11) << checklist;
  }

  cockpit.clearKeyEvents().click("Checklist", 280, 10);
  EXPECT_EQ(cockpit.windowEvents(), Events{"close 10110"});
  EXPECT_TRUE(cockpit.played(241).empty() && cockpit.played(245).empty()) << "no click sound";
}

// Stepped through from checklist 1's first item, the card runs through all
// fifteen checklists (273 items) back to checklist 1, and the first officer
// reads every recording of slots 0 to 148 once, in order.
TEST(ChecklistCard, OneWalkThroughTheCardReadsEveryRecordingOnceInOrder) {
  Cockpit cockpit({.start = false});
  std::vector<int> slots;
  for (int slot = 0; slot <= 148; ++slot) slots.push_back(slot);
  for (int slot : slots) cockpit.addSounds({slot}, 50);
  cockpit.start();
  AtItem(cockpit, 1, 0);
  int steps = 0;
  do {
    NextItem(cockpit);
    ++steps;
  } while (!(Checklist() == 1 && GetChecklistItem() == 0) && steps < 1000);
  EXPECT_EQ(steps, 273);
  std::vector<int> read;
  for (const PlayedSound& sound : cockpit.played()) read.push_back(sound.slot);
  slots.erase(slots.begin());  // item 0 of checklist 1 was not stepped to
  slots.push_back(0);          // until the walk came round to it again
  // Each checklist's last item is the one "checklist complete" recording.
  for (int& slot : slots) {
    if (Cockpit::SoundFile(slot) == Cockpit::SoundFile(28)) slot = 28;
  }
  EXPECT_EQ(read, slots);
}

// The first item of each read checklist stops two recordings of the read
// checklist before it (after checklist 10 comes 1): its first and its
// second-to-last (for checklist 6, the fifth's item 11); its last,
// "checklist complete", plays out.
TEST(ChecklistCard, TheFirstItemStopsThePreviousChecklistsFirstAndSecondToLastRecordings) {
  Cockpit cockpit({.start = false});
  for (int slot = 0; slot <= 148; ++slot) cockpit.addSounds({slot}, 1000);
  cockpit.start();
  int32_t firstSlot[kVoicedChecklists + 1] = {};
  for (int32_t checklist = 1; checklist < kVoicedChecklists; ++checklist) {
    firstSlot[checklist + 1] = firstSlot[checklist] + GetChecklistLastItem(checklist) + 1;
  }
  for (int32_t checklist = 1; checklist <= kVoicedChecklists; ++checklist) {
    const int32_t before = checklist == 1 ? kVoicedChecklists : checklist - 1;
    const int32_t first = firstSlot[before];
    const int32_t secondToLast = checklist == 6 ? first + 11 : first + GetChecklistLastItem(before) - 1;
    PlaySound(first, 0);
    PlaySound(secondToLast, 0);
    PlaySound(secondToLast + 1, 0);
    const size_t mark = cockpit.soundLog().size();
    AtItem(cockpit, checklist, 0);
    PlayChecklistItemSound();
    EXPECT_EQ(Voices(cockpit, mark), (Events{"stop " + std::to_string(first), "stop " + std::to_string(secondToLast),
                                             "play " + std::to_string(firstSlot[checklist])}))
        << "checklist " << checklist;
  }
}

// The marker's offset: 11 pixels an item plus the gap of the item's section.
TEST(ChecklistCard, TheMarkerStandsAtItsItemWithTheSectionGaps) {
  Cockpit cockpit;
  struct Sample {
    int32_t checklist;
    int32_t item;
    double offsetPx;
  };
  const Sample samples[] = {
      {1, 2, 22.0},   {1, 3, 47.0},   {1, 12, 146.0}, {1, 13, 169.0}, {1, 14, 192.0}, {1, 26, 324.0},
      {1, 27, 360.0}, {1, 28, 0.0},   {2, 7, 89.0},   {2, 8, 0.0},    {4, 10, 111.0}, {4, 11, 0.0},
      {7, 7, 77.0},   {7, 8, 101.0},  {7, 9, 124.0},  {7, 13, 180.0}, {7, 14, 0.0},   {9, 1, 12.0},
      {9, 12, 145.0}, {10, 25, 335.0}, {11, 1, 11.0},  {11, 2, 34.0},  {12, 31, 389.0}, {13, 27, 324.0},
      {15, 17, 199.0}, {15, 18, 222.0}, {15, 28, 358.0}, {0, 3, 0.0},   {16, 3, 0.0},
      // The last item of each section and the first of the next, in every checklist.
      {2, 5, 55.0},    {2, 6, 78.0},    {3, 4, 44.0},    {3, 5, 69.0},    {3, 11, 135.0}, {3, 12, 0.0},
      {5, 5, 55.0},    {5, 6, 79.0},    {5, 11, 134.0},  {5, 12, 157.0},  {5, 14, 179.0}, {5, 15, 0.0},
      {6, 3, 33.0},    {6, 4, 0.0},     {7, 11, 146.0},  {7, 12, 169.0},  {8, 8, 88.0},   {8, 9, 0.0},
      {9, 2, 35.0},    {9, 13, 0.0},    {10, 5, 55.0},   {10, 6, 79.0},   {10, 7, 90.0},  {10, 8, 113.0},
      {10, 16, 201.0}, {10, 17, 224.0}, {10, 19, 246.0}, {10, 20, 280.0}, {11, 7, 89.0},  {11, 8, 112.0},
      {11, 13, 167.0}, {11, 14, 190.0}, {11, 15, 213.0}, {11, 21, 279.0}, {12, 2, 22.0},  {12, 3, 45.0},
      {12, 4, 68.0},   {12, 6, 90.0},   {12, 7, 113.0},  {12, 8, 136.0},  {13, 1, 11.0},  {13, 2, 35.0},
      {13, 24, 277.0}, {13, 25, 302.0}, {14, 12, 132.0}, {15, 4, 44.0},   {15, 5, 67.0},  {15, 19, 245.0},
      {15, 21, 267.0}, {15, 22, 292.0},
  };
  for (const Sample& sample : samples) {
    AtItem(cockpit, sample.checklist, sample.item).draw();
    const platform::ELEMENT_HEADER& marker = cockpit.element("Checklist", kMarker);
    EXPECT_EQ(marker.yValue, sample.offsetPx) << "checklist " << sample.checklist << " item " << sample.item;
    EXPECT_EQ(marker.value, 0.0) << "the marker moves down the card, never across";
  }
}

TEST(ChecklistCard, TheMarkerHidesAtTheFirstItemAndAtTheEndOfTheFirstTen) {
  Cockpit cockpit;
  const std::tuple<int32_t, int32_t, bool> samples[] = {
      {6, 0, false}, {6, 3, true}, {6, 4, false}, {1, 28, false}, {10, 24, true}, {10, 25, false},
      {11, 21, true}, {12, 31, true}, {15, 28, true}, {15, 0, false}, {0, 5, true},
  };
  for (const auto& [checklist, item, shown] : samples) {
    AtItem(cockpit, checklist, item).draw();
    EXPECT_EQ(cockpit.elementVisible("Checklist", kMarker), shown) << checklist << " item " << item;
  }
  cockpit.setOption(kOptionClickAreas, true).draw();
  EXPECT_TRUE(cockpit.elementVisible("Checklist", 4));
  EXPECT_TRUE(cockpit.elementVisible("Speed Cards", 3));
  cockpit.setOption(kOptionClickAreas, false).draw();
  EXPECT_FALSE(cockpit.elementVisible("Checklist", 4));
  EXPECT_FALSE(cockpit.elementVisible("Speed Cards", 3));
}

// The space bar and the checklist hotspot step the card too.
TEST(ChecklistCard, TheSpaceBarAndTheHotspotStepTheChecklist) {
  Cockpit cockpit;
  cockpit.runSeconds(1);  // the keyboard commands are registered once the simulator answers
  AtItem(cockpit, 2, 0);
  cockpit.pressCombo("space").runTicks(1);
  EXPECT_EQ(GetChecklistItem(), 1);
  cockpit.click("Hotspot 30", 40, 40);
  EXPECT_EQ(GetChecklistItem(), 2);
}

// ---- Speed cards ----

std::vector<double> Bugs() { return {GetSpeedBug(1), GetSpeedBug(2), GetSpeedBug(3), GetSpeedBug(4)}; }

TEST(SpeedCardsGauge, TheCardsButtonsSetTheBugsOfTheCardShown) {
  Cockpit cockpit;
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Speed Cards", 1), 4.0) << "take-off card 4";
  EXPECT_EQ(cockpit.elementValue("Speed Cards", 2), 28.0) << "no kilograms: the blank label";
  cockpit.mouse("Speed Cards", 40, 280, platform::kMouseLeftSingle);
  cockpit.mouse("Speed Cards", 40, 280, platform::kMouseDownRepeat);
  cockpit.click("Speed Cards", 40, 310);
  EXPECT_EQ(Bugs(), (std::vector<double>{119, 133, 138, 173})) << "table 1, row 2";
  cockpit.click("Speed Cards", 120, 310);
  EXPECT_EQ(Bugs(), (std::vector<double>{114, 128, 143, 173})) << "table 2, row 2";

  cockpit.click("Speed Cards", 60, 30).click("Speed Cards", 120, 280).draw();
  EXPECT_EQ(cockpit.elementValue("Speed Cards", 1), 19.0) << "landing card 11";
  EXPECT_EQ(GetTakeoffCardRow(), 2) << "the take-off weight kept";
  cockpit.click("Speed Cards", 40, 310);
  EXPECT_EQ(Bugs(), (std::vector<double>{234, 183, 157, 136})) << "landing row 11, its fourth speed";
  cockpit.click("Speed Cards", 120, 310);
  EXPECT_EQ(Bugs(), (std::vector<double>{234, 183, 157, 132})) << "its fifth speed";
  cockpit.click("Speed Cards", 60, 30).draw();
  EXPECT_EQ(cockpit.elementValue("Speed Cards", 1), 2.0) << "back to take-off card 2";

  cockpit.set(Token::UnitsOfMeasure, 2).runSeconds(1).draw();
  EXPECT_EQ(cockpit.elementValue("Speed Cards", 2), 2.0) << "the kilogram label of card 2";

  cockpit.clearKeyEvents().click("Speed Cards", 150, 10);
  EXPECT_EQ(cockpit.windowEvents(), Events{"close 10160"});
}

TEST(SpeedCardsGauge, ACardTypeOffTheCardsSetsNoBugs) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[SPEED CARDS]\r\ntype=2\r\n");
  cockpit.start();
  const std::vector<double> before = Bugs();
  cockpit.click("Speed Cards", 40, 310).click("Speed Cards", 120, 310);
  EXPECT_EQ(Bugs(), before);
}

// ---- View menu ----

// Runs tick by tick until scheduler channel 2 falls due (every fourth
// tick: a period of 3 ticks between its turns); element `index`
// of the menu must stay as it was until then and be `shown` on that tick.
void ExpectMenuFollowsOnTheDueTick(Cockpit& cockpit, uint32_t index, bool shown) {
  const bool before = cockpit.elementVisible("Menu", index);
  for (int tick = 1; tick <= 4; ++tick) {
    cockpit.runTicks(1);
    if (IsTickDue(kChannel6Hz) != 0) {
      EXPECT_EQ(cockpit.elementVisible("Menu", index), shown) << "on the due tick";
      return;
    }
    EXPECT_EQ(cockpit.elementVisible("Menu", index), before) << "tick " << tick << " is not due";
  }
  ADD_FAILURE() << "channel 2 did not fall due within 4 ticks";
}

TEST(ViewMenu, OpensAndFoldsOnTheScheduledTicks) {
  Cockpit cockpit;
  cockpit.runTicks(5);
  EXPECT_FALSE(cockpit.elementVisible("Menu", 2));
  EXPECT_FALSE(cockpit.elementVisible("Menu", 3));
  // Each tick once a due tick has just passed, the menu opening then waits the longest.
  while (IsTickDue(kChannel6Hz) == 0) cockpit.runTicks(1);
  cockpit.mouse("Menu", 10, 165, platform::kMouseMove);
  EXPECT_EQ(GetMenuItem(0), 1);
  EXPECT_EQ(GetMenuItem(1), 1);
  ExpectMenuFollowsOnTheDueTick(cockpit, 3, true);
  EXPECT_TRUE(cockpit.elementVisible("Menu", 2));

  cockpit.mouse("Menu", 110, 165, platform::kMouseMove);
  EXPECT_EQ(GetMenuItem(0), 0);
  ExpectMenuFollowsOnTheDueTick(cockpit, 2, false);
  EXPECT_FALSE(cockpit.elementVisible("Menu", 3));

  // The highlighted tab follows the first flag, the unfolded menu the second.
  SetMenuItem(0);
  ExpectMenuFollowsOnTheDueTick(cockpit, 2, true);
  EXPECT_FALSE(cockpit.elementVisible("Menu", 3));
  ClearMenuItem(0);
  SetMenuItem(1);
  ExpectMenuFollowsOnTheDueTick(cockpit, 2, false);
  EXPECT_TRUE(cockpit.elementVisible("Menu", 3));
  ClearMenuItem(1);

  // An entry brings its window up and folds the menu on the next due tick.
  cockpit.mouse("Menu", 10, 165, platform::kMouseMove).runTicks(4);
  ASSERT_TRUE(cockpit.elementVisible("Menu", 3));
  cockpit.click("Menu", 150, 100);
  EXPECT_TRUE(cockpit.isWindowVisible(10160));
  EXPECT_EQ(GetMenuItem(1), 0);
  ExpectMenuFollowsOnTheDueTick(cockpit, 3, false);
}

// What ShowPanelWindow sends for a window, found by sending it.
Events ShowEvents(Cockpit& cockpit, uint32_t ident) {
  cockpit.clearKeyEvents();
  ShowPanelWindow(ident);
  return cockpit.windowEvents();
}

// The tab and its highlight share their place at the foot of the menu; the
// unfolded menu covers the gauge from its corner.
TEST(ViewMenu, TheTabAndTheMenuSitOnTheirPlaces) {
  Cockpit cockpit;
  cockpit.draw();
  ExpectElementPlaces(cockpit, {{"Menu", 1, 0, 157}, {"Menu", 2, 0, 157}, {"Menu", 3, 0, 0}});
}

TEST(ViewMenu, EachEntrySwitchesToItsViewAndTheFirstOpensTheTrainingCentreOverIt) {
  Cockpit cockpit;
  const std::pair<std::pair<int32_t, int32_t>, uint32_t> entries[] = {
      {{250, 40}, 10010},  {{350, 20}, 10170}, {{350, 100}, 10020}, {{450, 40}, 10030}, {{450, 120}, 10040},
      {{630, 80}, 10050},  {{680, 80}, 10060}, {{550, 80}, 10070},  {{150, 40}, 10110}, {{150, 120}, 10160},
      {{50, 40}, 10270},   {{250, 120}, 10290},
  };
  for (const auto& [point, ident] : entries) {
    const Events expected = ShowEvents(cockpit, ident);
    cockpit.mouse("Menu", 10, 165, platform::kMouseMove).clearKeyEvents().click("Menu", point.first, point.second);
    EXPECT_EQ(cockpit.windowEvents(), expected) << ident;
    EXPECT_EQ(GetMenuItem(0) + GetMenuItem(1), 0) << ident;
  }
  cockpit.setWindowVisible(10010, true).setWindowVisible(10110, true);
  cockpit.mouse("Menu", 10, 165, platform::kMouseMove).clearKeyEvents().click("Menu", 50, 120);
  EXPECT_EQ(cockpit.windowEvents(), Events{"open 10100"});
  EXPECT_TRUE(cockpit.isWindowVisible(10010) && cockpit.isWindowVisible(10110)) << "nothing closed";
  EXPECT_EQ(GetMenuItem(1), 0);
}

// ---- Start Flying and Splash ----

TEST(StartFlying, PagesRunOneToSixBetweenTheirStops) {
  Cockpit cockpit;
  auto page = [&] { return cockpit.draw().elementValue("Start Flying", 3) + 1; };
  auto buttons = [&] { return cockpit.draw().elementValue("Start Flying", 2); };
  EXPECT_EQ(GetStartFlyingPage(), 1);
  cockpit.click("Start Flying", 650, 600);
  EXPECT_EQ(page(), 1.0) << "no page before the first";
  EXPECT_EQ(buttons(), 1.0);
  cockpit.click("Start Flying", 800, 600);
  EXPECT_EQ(page(), 2.0);
  EXPECT_EQ(buttons(), 0.0);
  for (int i = 0; i < 3; ++i) cockpit.click("Start Flying", 800, 600);
  EXPECT_EQ(page(), 5.0);
  EXPECT_EQ(buttons(), 0.0);
  cockpit.click("Start Flying", 800, 600).click("Start Flying", 800, 600);
  EXPECT_EQ(page(), 6.0) << "no page after the last";
  EXPECT_EQ(buttons(), 2.0);
  cockpit.click("Start Flying", 650, 600);
  EXPECT_EQ(page(), 5.0);

  // Made again, the window starts at its first page; other services leave it.
  platform::GAUGEHDR* gauge = cockpit.host().PanelGauges().Find("Start Flying")->header;
  for (uint32_t service : {3u, 4u, 6u, 10u, 15u, 16u, 17u}) cockpit.host().SendService(gauge, service);
  EXPECT_EQ(page(), 5.0);
  cockpit.host().SendService(gauge, platform::kServicePreInstall);
  EXPECT_EQ(page(), 1.0);

  cockpit.clearKeyEvents().click("Start Flying", 930, 20);
  EXPECT_EQ(cockpit.windowEvents(), Events{"close 10230"});
}

// The previous page from the second is the first, the next from the one
// before the last is the last; the buttons change with them.
TEST(StartFlying, TheFirstAndTheLastPageAreReachedFromTheirNeighbours) {
  Cockpit cockpit;
  cockpit.click("Start Flying", 800, 600).click("Start Flying", 650, 600).draw();
  EXPECT_EQ(GetStartFlyingPage(), 1);
  EXPECT_EQ(cockpit.elementValue("Start Flying", 3), 0.0);
  EXPECT_EQ(cockpit.elementValue("Start Flying", 2), 1.0) << "next only";
  for (int page = 2; page < kStartFlyingPages; ++page) cockpit.click("Start Flying", 800, 600);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Start Flying", 2), 0.0) << "both buttons before the last page";
  cockpit.click("Start Flying", 800, 600).draw();
  EXPECT_EQ(GetStartFlyingPage(), kStartFlyingPages);
  EXPECT_EQ(cockpit.elementValue("Start Flying", 3), kStartFlyingPages - 1.0);
  EXPECT_EQ(cockpit.elementValue("Start Flying", 2), 2.0) << "previous only";
}

// The check box in the lower left corner, the page buttons in the lower
// right, and the page over the whole window with a frame a page.
TEST(StartFlying, TheCheckBoxButtonsAndPageSitOnTheirPlaces) {
  Cockpit cockpit;
  cockpit.draw();
  ExpectElementPlaces(cockpit, {{"Start Flying", 1, 16, 677, 2},
                                {"Start Flying", 2, 640, 590, 3},
                                {"Start Flying", 3, 0, 0, kStartFlyingPages}});
}

TEST(StartFlying, TheCheckBoxSaysWhetherTheWindowOpensAtStartUp) {
  Cockpit cockpit;
  cockpit.setOption(kOptionStartFlying, true).draw();
  EXPECT_EQ(cockpit.elementValue("Start Flying", 1), 0.0);
  cockpit.click("Start Flying", 20, 680).draw();
  EXPECT_EQ(GetOption(kOptionStartFlying), 0);
  EXPECT_EQ(cockpit.elementValue("Start Flying", 1), 1.0);
  cockpit.click("Start Flying", 20, 680).draw();
  EXPECT_EQ(GetOption(kOptionStartFlying), 1);
  EXPECT_EQ(cockpit.elementValue("Start Flying", 1), 0.0);
  cockpit.click("Start Flying", 20, 680).shutdown();
  EXPECT_EQ(cockpit.ini("OPTIONS", "start_flying"), "0");
}

TEST(Splash, AClickRunsTheStartUpActionOnce) {
  Cockpit cockpit;
  cockpit.setOption(kOptionStartFlying, true).setOption(kOptionCenterStartup, false).runSeconds(2);
  cockpit.clearKeyEvents().click("Splash", 640, 480);
  EXPECT_EQ(cockpit.windowEvents(), (Events{"close 10240", "open 10230"}));
  EXPECT_EQ(GetSwitch(&g_startupSequence), kSwitchOff);
  cockpit.clearKeyEvents().runSeconds(10);
  for (const std::string& event : cockpit.windowEvents()) EXPECT_EQ(event.find("10240"), std::string::npos);
}

// ---- Hotspots and close boxes ----

constexpr uint32_t kAllWindows[] = {10010, 10020, 10030, 10040, 10050, 10060, 10070, 10100, 10110, 10160,
                                    10170, 10220, 10250, 10260, 10270, 10280, 10290, 10310, 10330, 10340};

// One click on a hotspot: the windows open before it, and the window events
// it must send, "show N" standing for what ShowPanelWindow sends.
struct HotspotCase {
  const char* gauge;
  int32_t x;
  int32_t y;
  std::vector<uint32_t> open;
  Events steps;
};

std::vector<HotspotCase> HotspotCases() {
  return {
      {"Hotspot 1", 70, 30, {10010}, {"toggle 10280", "close 10310"}},
      {"Hotspot 1", 70, 30, {10220}, {"show 10010", "toggle 10280", "close 10310"}},
      {"Hotspot 1", 70, 30, {10290}, {"show 10010", "toggle 10280", "close 10310"}},
      {"Hotspot 2", 80, 30, {10220, 10310}, {"show 10010", "close 10310"}},
      {"Hotspot 2", 80, 30, {10010}, {"show 10220", "close 10310"}},
      {"Hotspot 3", 100, 50, {}, {"toggle 10070"}},
      {"Hotspot 3", 250, 50, {}, {"toggle 10030"}},
      {"Hotspot 3", 450, 50, {}, {"toggle 10040"}},  // the lower pedestal's area comes first in the table
      {"Hotspot 3", 600, 50, {}, {"toggle 10070"}},
      {"Hotspot 4", 50, 20, {}, {"toggle 10060"}},
      {"Hotspot 5", 60, 30, {}, {"toggle 10250"}},
      {"Hotspot 8", 50, 50, {}, {"toggle 10050"}},
      {"Hotspot 9", 80, 60, {}, {"toggle 10170"}},
      {"Hotspot 9", 80, 200, {}, {"toggle 10020"}},
      {"Hotspot 10", 100, 30, {10010}, {"show 10220", "close 10310"}},
      {"Hotspot 10", 100, 30, {10220}, {"show 10010", "close 10310"}},
      {"Hotspot 11", 20, 70, {}, {"toggle 10050"}},
      {"Hotspot 12", 30, 15, {}, {"toggle 10070"}},
      {"Hotspot 12", 100, 15, {}, {"toggle 10030"}},
      {"Hotspot 12", 250, 15, {}, {"toggle 10040"}},
      {"Hotspot 13", 90, 200, {}, {"show 10170"}},
      {"Hotspot 13", 90, 600, {}, {"toggle 10020"}},
      {"Hotspot 14", 100, 100, {}, {"toggle 10170"}},
      {"Hotspot 15", 90, 200, {}, {"toggle 10030"}},
      {"Hotspot 15", 90, 600, {}, {"show 10040"}},
      {"Hotspot 16", 90, 200, {}, {"show 10030"}},
      {"Hotspot 16", 90, 600, {10040}, {"close 10030", "close 10040"}},
      {"Hotspot 20", 50, 50, {}, {"close 10050"}},
      {"Hotspot 21", 30, 50, {}, {"close 10060"}},
      {"Hotspot 22", 60, 20, {}, {"toggle 10110"}},
      {"Hotspot 23", 200, 15, {}, {"toggle 10100"}},
      {"Hotspot 24", 90, 20, {10290}, {"show 10010", "close 10310"}},
      {"Hotspot 24", 90, 20, {10010}, {"show 10290", "close 10310"}},
      {"Hotspot 25", 20, 50, {}, {"toggle 10070"}},
      {"Hotspot 25", 100, 50, {}, {"toggle 10030"}},
      {"Hotspot 25", 200, 50, {}, {"toggle 10040"}},
      {"Hotspot 25", 280, 50, {}, {"toggle 10070"}},
      {"Hotspot 28", 150, 15, {}, {"toggle 10310"}},
      {"Hotspot 31", 60, 30, {}, {"toggle 10270"}},
      {"Window Close 1", 10, 10, {}, {"close 10020"}},
      {"Window Close 2", 10, 10, {}, {"close 10030"}},
      {"Window Close 3", 10, 10, {}, {"close 10040"}},
      {"Window Close 4", 10, 10, {}, {"close 10050"}},
      {"Window Close 5", 10, 10, {}, {"close 10060"}},
      {"Window Close 6", 10, 10, {}, {"close 10070"}},
      {"Window Close 8", 10, 10, {}, {"close 10250"}},
      {"Window Close 9", 10, 10, {}, {"close 10170"}},
  };
}

TEST(Hotspots, EachAreaSendsItsWindowEventsInOrder) {
  Cockpit cockpit;
  for (const HotspotCase& hotspot : HotspotCases()) {
    SCOPED_TRACE(std::string(hotspot.gauge) + " at " + std::to_string(hotspot.x) + "," + std::to_string(hotspot.y));
    Events expected;
    for (const std::string& step : hotspot.steps) {
      if (!step.starts_with("show ")) {
        expected.push_back(step);
        continue;
      }
      const Events shown = ShowEvents(cockpit, static_cast<uint32_t>(std::stoul(step.substr(5))));
      expected.insert(expected.end(), shown.begin(), shown.end());
    }
    for (uint32_t ident : kAllWindows) cockpit.setWindowVisible(ident, false);
    for (uint32_t ident : hotspot.open) cockpit.setWindowVisible(ident, true);
    cockpit.clearKeyEvents().click(hotspot.gauge, hotspot.x, hotspot.y);
    EXPECT_EQ(cockpit.windowEvents(), expected);
  }
}

TEST(Hotspots, TheMainVfrPanelFlipsBackAndForth) {
  Cockpit cockpit;
  for (uint32_t ident : kAllWindows) cockpit.setWindowVisible(ident, false);
  cockpit.setWindowVisible(10220, true).setWindowVisible(10310, true).click("Hotspot 2", 10, 10);
  EXPECT_TRUE(cockpit.isWindowVisible(10010));
  EXPECT_FALSE(cockpit.isWindowVisible(10220));
  EXPECT_FALSE(cockpit.isWindowVisible(10310));
  cockpit.click("Hotspot 2", 10, 10);
  EXPECT_TRUE(cockpit.isWindowVisible(10220));
  EXPECT_FALSE(cockpit.isWindowVisible(10010));

  // The lower pedestal area closes both pedestal windows, even with one open.
  cockpit.setWindowVisible(10030, true).click("Hotspot 16", 10, 420);
  EXPECT_FALSE(cockpit.isWindowVisible(10030) || cockpit.isWindowVisible(10040));
}

// Every control of these gauges reports its click handled, by point or by
// a keyboard command.
TEST(Hotspots, EveryPopupControlReportsTheClickHandled) {
  Cockpit cockpit;
  for (const platform::GAUGEHDR* gauge : cockpit.host().Module().Gauges()) {
    const std::string name = gauge->name;
    const bool popup = name == "Menu" || name == "Checklist" || name == "Speed Cards" || name == "Start Flying" ||
                       name == "Splash" || name.starts_with("Hotspot") || name.starts_with("Window Close");
    if (!popup || gauge->mouseRects == nullptr) continue;
    for (const platform::MOUSERECT* rect = gauge->mouseRects; rect->type != platform::kMouseRectEnd; ++rect) {
      if (rect->function == nullptr) continue;
      EXPECT_EQ(rect->function({0, 0}, rect->mouseFlags), 1) << name << " " << rect->functionName;
    }
  }
}

// A hotspot's area reaches across its whole gauge.
TEST(Hotspots, EachAreaSpansItsGaugesWidth) {
  Cockpit cockpit({.start = false});
  int hotspots = 0;
  for (const platform::GAUGEHDR* gauge : cockpit.host().Module().Gauges()) {
    if (!std::string(gauge->name).starts_with("Hotspot ") || gauge->mouseRects == nullptr) continue;
    ++hotspots;
    int32_t right = 0;
    for (const platform::MOUSERECT* rect = gauge->mouseRects; rect->type != platform::kMouseRectEnd; ++rect) {
      if (rect->function != nullptr) right = std::max(right, rect->x + rect->width);
    }
    EXPECT_EQ(right, gauge->widthMm) << gauge->name;
  }
  EXPECT_EQ(hotspots, 23);
}

// A hotspot's frame lies over the whole hotspot from its corner, two pictures
// (hidden and shown), in every hotspot of the family.
TEST(Hotspots, TheFrameIsATwoPictureIconAtTheCorner) {
  Cockpit cockpit;
  for (const char* hotspot : {"Hotspot 1", "Hotspot 17", "Hotspot 31"}) {
    ExpectElementPlaces(cockpit, hotspot, {{1, 0, 0, 2}});
  }
}

TEST(Hotspots, FramesShowWithTheHotspotsOptionAndCloseBoxesWithTheClickAreas) {
  Cockpit cockpit;
  const std::vector<std::string> hotspots = {"Hotspot 1", "Hotspot 17", "Hotspot 31"};
  cockpit.setOption(kOptionHotspots, false).setOption(kOptionClickAreas, false).draw();
  for (const std::string& hotspot : hotspots) EXPECT_EQ(cockpit.elementValue(hotspot, 1), 0.0) << hotspot;
  EXPECT_FALSE(cockpit.elementVisible("Window Close 9", 1));
  cockpit.clearKeyEvents().click("Hotspot 31", 10, 10);
  EXPECT_EQ(cockpit.windowEvents(), Events{"toggle 10270"}) << "clickable without its frame";

  cockpit.setOption(kOptionHotspots, true).draw();
  for (const std::string& hotspot : hotspots) EXPECT_EQ(cockpit.elementValue(hotspot, 1), 1.0) << hotspot;
  EXPECT_FALSE(cockpit.elementVisible("Window Close 9", 1));
  cockpit.setOption(kOptionClickAreas, true).draw();
  for (int n : {1, 2, 3, 4, 5, 6, 8, 9}) EXPECT_TRUE(cockpit.elementVisible("Window Close " + std::to_string(n), 1));
  EXPECT_EQ(cockpit.host().Click("Hotspot 17", 5, 5), "no control of 'Hotspot 17' at 5,5");
}

}  // namespace
}  // namespace halcyon::test
