// Cockpit situations: the training centre's fifth page puts the whole cockpit
// at once into a phase of flight (cold and dark, ready for start, take-off,
// cruise, landing, parked) or does one job (start the APU, connect the ground
// power unit). The controls are written directly, without sounds or
// animation; the systems' next update acts on them, and their Save writes the
// new positions at shut-down.
#pragma once

#include <cstdint>

namespace halcyon {

inline constexpr int32_t kSituationCount = 12;  // indexes 0..11
inline constexpr int32_t kSituationRows = 20;   // rows of the training list

// The list's text for row 1..20: situations 0..9 on rows 1..10, START APU on
// row 12 and the ground power unit on row 13; "" for every other row.
const wchar_t* GetSituationName(int32_t row);
// The situation a row applies: row - 1 for rows 1..10, 10 for row 12, 11 for
// row 13; -1 for an empty row and any other number.
int32_t SituationOfRow(int32_t row);
// Puts the cockpit into situation k (0..11); any other k does nothing.
void ApplySituation(int32_t k);

// The controls a situation names that this cockpit does not know (section,
// key), found while applying; empty when every name resolved.
int32_t SituationControlsUnresolved();

}  // namespace halcyon
