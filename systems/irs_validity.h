// What the EFIS gets from the inertial reference units through the EFIS
// source selector: a usable heading, and the navigation state (position and
// track). Reads the IRS mode records and the selector.
#pragma once

#include <cstdint>

namespace halcyon {

// 1 when the IRS the selector chooses gives heading (ALIGN, ATT or NAV): on
// normal either unit will do, otherwise only the selected unit.
uint32_t IsIrsHeadingValid();
// 1 when the IRS the selector chooses is in NAV: IRS 1 on normal and on
// IRS 1, IRS 2 only when both displays are switched to it.
uint32_t IsIrsNavValid();

}  // namespace halcyon
