// The thrust rating panel. Only the assumed temperature and its conversion,
// which the unit system needs, and the selected mode, which the reserve
// thrust reads, are here so far; the panel's buttons, EPR limit and load and
// save fill in the rest.
#pragma once

#include <cstdint>

namespace halcyon {

// The thrust rating mode 0..6 (2 the flexible take-off); 0 at start-up.
void SetTrpMode(int32_t mode);
int32_t GetTrpMode();

// The flexible take-off assumed temperature, in the unit system's unit:
// 0..140 degrees F, or 0..59 degrees C when metric; 0 at start-up, not saved.
int32_t GetTrpAssumedTemp();
// Converts it to the other unit; called by the unit system before its flag
// changes, so it reads the unit being left.
void ConvertTrpAssumedTemp();

}  // namespace halcyon
