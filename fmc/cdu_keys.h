// The CDU's key codes, as the FMS gauge's keys and the PC keyboard send them
// to CFms::KeyPressed, and the character each typing key enters.
#pragma once

#include <cstdint>

namespace halcyon {

enum CduKey : uint32_t {
  kCduLsk1L = 0,    // 0..5 line-select keys 1L..6L
  kCduLsk1R = 6,    // 6..11 line-select keys 1R..6R
  kCduInitRef = 12,
  kCduDirIntc = 13,
  kCduRte = 14,
  kCduLegs = 15,
  kCduClb = 16,
  kCduCrz = 17,
  kCduDes = 18,
  kCduPrevPage = 19,
  kCduNextPage = 20,
  kCduMenu = 21,
  kCduFix = 22,
  kCduDepArr = 23,
  kCduHold = 24,
  kCduProg = 25,
  kCduExec = 26,
  kCduDigit1 = 27,  // 27..35 digits 1..9
  kCduDot = 36,
  kCduDigit0 = 37,
  kCduPlusMinus = 38,  // enters '-'
  kCduLetterA = 39,    // 39..64 letters A..Z
  kCduSpace = 65,
  kCduDel = 66,
  kCduSlash = 67,
  kCduClr = 68,
  kCduClearAll = 69,  // CLR held: the whole scratchpad
  kCduKeyCount = 70,
};

constexpr int kCduLineSelectKeys = 12;

// The character a typing key enters, 0 for the other keys.
constexpr wchar_t CduKeyCharacter(uint32_t code) {
  if (code >= kCduDigit1 && code < kCduDigit1 + 9) return static_cast<wchar_t>(L'1' + (code - kCduDigit1));
  if (code >= kCduLetterA && code < kCduLetterA + 26) return static_cast<wchar_t>(L'A' + (code - kCduLetterA));
  switch (code) {
    case kCduDot: return L'.';
    case kCduDigit0: return L'0';
    case kCduPlusMinus: return L'-';
    case kCduSpace: return L' ';
    case kCduSlash: return L'/';
    default: return 0;
  }
}

}  // namespace halcyon
