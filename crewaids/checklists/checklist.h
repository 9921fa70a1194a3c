// The checklist card's fifteen checklists: the item the crew is at, stepping
// to the next item (and on to the next checklist after the last), the first
// officer's voice reading each item of checklists 1 to 10, and where the
// card's marker stands. The checklist number is the [CHECKLIST] record
// (systems/kept_controls.h); the item counter is not saved.
#pragma once

#include <cstdint>

namespace halcyon {

constexpr int32_t kChecklistCount = 15;
constexpr int32_t kVoicedChecklists = 10;  // checklists 1..10 are read aloud

// The last item of checklist 1..15 (items run from 0); 0 for other numbers.
int32_t GetChecklistLastItem(int32_t checklist);
int32_t GetChecklistItem();
// The next item, or item 0 of the next checklist (15 goes on to 1) after the
// last; then the item's voice. Does not move a checklist numbered outside 1..15.
void StepChecklist();
// Reads the current item aloud, unless the first officer's callouts are off.
void PlayChecklistItemSound();
// The marker's offset in card pixels below the first item's line.
double GetChecklistMarkerOffset();

}  // namespace halcyon
