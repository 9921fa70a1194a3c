// Small shared services of the core: the fast-click multiplier of knobs that
// are clicked repeatedly, the digits of drum counters, the alert display's
// glyph frames, the simulator's zulu date as a calendar date, and two text
// conversions. Reads TICK18, ZULU_DAY and ZULU_YEAR and [FAST CLICK] of the
// aircraft INI file.
#pragma once

#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>

namespace halcyon {

// A simulator or file value as an integer: truncated toward zero, held at the
// type's limits (negative values give 0 for an unsigned type), NaN gives 0.
template <std::integral T>
T TruncateSaturated(double value) {
  if (std::isnan(value)) return 0;
  if (value <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
  if (value >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
  return static_cast<T>(value);
}

// ---- Fast click ----
// Knob handlers call IsFastClick on each click and multiply their step by the
// multiplier when it gives 1.
void LoadFastClick();
void SaveFastClick();
int32_t GetFastClickMultiplier();
// 1 when the previous call was at most 3 ticks ago; remembers this call's tick.
uint32_t IsFastClick();

// ---- Counters and glyphs ----
// Digit n (1 units .. 6 hundred-thousands) of the value's integer part;
// 0.0 for other n and for negative values.
double GetDecimalDigit(double value, uint32_t n);
// The alert display's image frame of a glyph code: the code for 0..50, the
// fallback frame 43 for anything else.
double ToFrameIndex(uint32_t code);

// ---- Zulu date ----
struct ZuluDate {
  uint16_t year;   // modulo 100
  uint16_t month;  // 1..12; 0 when the day of the year lies outside the year
  uint16_t day;    // of the month
};
ZuluDate& GetZuluDate(ZuluDate& date);

// ---- Text ----
// Replaces `from` by `to` among the first `length` characters of text.
void ReplaceChar(wchar_t* text, int32_t length, char from, char to);
constexpr uint32_t kAnsiBufferBytes = 500;
// The text in the system's ANSI code page, in one shared buffer that the next
// call overwrites. Always terminated; a text too long for the buffer is cut
// after its last whole character.
const char* WideToAnsi(const wchar_t* text);

}  // namespace halcyon
