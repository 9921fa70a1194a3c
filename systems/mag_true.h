// The MAG/TRUE switch: whether headings and courses are referenced to
// magnetic or to true north. Kept in [MAG TRUE] "toggle_switch"; read by the
// navigation display and the MagTrue gauge.
#pragma once

#include <cstdint>

namespace halcyon {

enum HeadingReference : uint32_t { kHeadingMagnetic = 0, kHeadingTrue = 1 };

// Any non-zero saved value loads as true.
void LoadMagTrue();
// Writes "1" or "0".
void SaveMagTrue();
// Stores 0 or 1; any other value is ignored.
void SetMagTrueMode(uint32_t mode);
uint32_t GetMagTrueMode();
void ToggleMagTrueMode();

}  // namespace halcyon
