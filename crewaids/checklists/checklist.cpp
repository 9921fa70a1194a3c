// Checklist stepping, voice and marker.
#include "crewaids/checklists/checklist.h"

#include <array>
#include <span>

#include "core/options.h"
#include "core/switch.h"
#include "host/sound_system.h"
#include "systems/kept_controls.h"

namespace halcyon {
namespace {

constexpr std::array<int32_t, kChecklistCount> kLastItem = {28, 8, 12, 11, 15, 4, 14, 9, 13, 25, 21, 31, 27, 12, 28};

// Item i of checklist c is read by slot base + i. Before item 0 plays, two
// slots of the checklist before it are stopped.
struct ChecklistVoice {
  SoundId base;
  SoundId stoppedFirst[2];
};
constexpr std::array<ChecklistVoice, kVoicedChecklists> kVoices = {{
    {0, {123, 147}},
    {29, {0, 27}},
    {38, {29, 36}},
    {51, {38, 49}},
    {63, {51, 61}},
    {79, {63, 74}},
    {84, {79, 82}},
    {99, {84, 97}},
    {109, {99, 107}},
    {123, {109, 121}},
}};

// The card leaves a gap between a checklist's sections: items below `below`
// (or, for an exact row, the item `below` itself) sit `gapPx` lower. The
// first row that holds gives the gap.
struct MarkerGap {
  int32_t below;
  double gapPx;
  bool exact = false;
};
constexpr double kItemSpacingPx = 11.0;

constexpr MarkerGap kGaps1[] = {{3, 0}, {13, 14}, {14, 26}, {27, 38}, {28, 63}};
constexpr MarkerGap kGaps2[] = {{6, 0}, {8, 12}};
constexpr MarkerGap kGaps3[] = {{5, 0}, {12, 14}};
constexpr MarkerGap kGaps4[] = {{11, 1}};
constexpr MarkerGap kGaps5[] = {{6, 0}, {12, 13}, {15, 25}};
constexpr MarkerGap kGaps6[] = {{4, 0}};
constexpr MarkerGap kGaps7[] = {{8, 0}, {8, 13, true}, {12, 25}, {14, 37}};
constexpr MarkerGap kGaps8[] = {{9, 0}};
constexpr MarkerGap kGaps9[] = {{2, 1}, {13, 13}};
constexpr MarkerGap kGaps10[] = {{6, 0}, {8, 13}, {17, 25}, {20, 37}, {26, 60}};
constexpr MarkerGap kGaps11[] = {{2, 0}, {8, 12}, {14, 24}, {15, 36}, {22, 48}};
constexpr MarkerGap kGaps12[] = {{3, 0}, {4, 12}, {7, 24}, {8, 36}, {32, 48}};
constexpr MarkerGap kGaps13[] = {{2, 0}, {25, 13}, {28, 27}};
constexpr MarkerGap kGaps14[] = {{13, 0}};
constexpr MarkerGap kGaps15[] = {{5, 0}, {18, 12}, {19, 24}, {22, 36}, {29, 50}};
constexpr std::array<std::span<const MarkerGap>, kChecklistCount> kGaps = {
    kGaps1, kGaps2, kGaps3, kGaps4, kGaps5, kGaps6, kGaps7, kGaps8,
    kGaps9, kGaps10, kGaps11, kGaps12, kGaps13, kGaps14, kGaps15,
};

int32_t CurrentChecklist() { return GetSwitch(&g_currentChecklistSwitch); }
bool InUse(int32_t checklist) { return checklist >= 1 && checklist <= kChecklistCount; }

}  // namespace

int32_t GetChecklistLastItem(int32_t checklist) { return InUse(checklist) ? kLastItem[checklist - 1] : 0; }

int32_t GetChecklistItem() { return g_checklistItem; }

void StepChecklist() {
  const int32_t checklist = CurrentChecklist();
  if (InUse(checklist)) {
    if (g_checklistItem < GetChecklistLastItem(checklist)) {
      ++g_checklistItem;
    } else {
      SetSwitch(&g_currentChecklistSwitch, checklist % kChecklistCount + 1);
      ResetChecklistItem();
    }
  }
  PlayChecklistItemSound();
}

void PlayChecklistItemSound() {
  const int32_t checklist = CurrentChecklist();
  if (GetOption(kOptionTurnOffFoCallouts) != 0 || checklist < 1 || checklist > kVoicedChecklists) return;
  const int32_t item = g_checklistItem;
  // An item past the checklist's end (the number moved without the counter)
  // has no recording of its own: its slot would be another checklist's.
  if (item < 0 || item > GetChecklistLastItem(checklist)) return;
  const ChecklistVoice& voice = kVoices[checklist - 1];
  if (item > 0) {
    StopSound(voice.base + item - 1);
  } else {
    StopSound(voice.stoppedFirst[0]);
    StopSound(voice.stoppedFirst[1]);
  }
  PlaySound(voice.base + item, 0);
}

double GetChecklistMarkerOffset() {
  const int32_t checklist = CurrentChecklist();
  if (!InUse(checklist)) return 0.0;
  const int32_t item = g_checklistItem;
  for (const MarkerGap& row : kGaps[checklist - 1]) {
    if (row.exact ? item == row.below : item < row.below) return item * kItemSpacingPx + row.gapPx;
  }
  return 0.0;
}

}  // namespace halcyon
