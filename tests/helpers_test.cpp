// The core's small helpers: fast click and its saved multiplier, counter
// digits, glyph frames, the zulu date, and the two text conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "core/helpers.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

TEST(FastClick, DefaultMultiplierAndTheThreeTickWindow) {
  Cockpit cockpit;
  EXPECT_EQ(GetFastClickMultiplier(), 5);
  cockpit.runTicks(3);
  ASSERT_EQ(cockpit.tick18(), 3.0);
  EXPECT_EQ(IsFastClick(), 1u) << "the first click after load is fast up to tick 3";
  cockpit.runTicks(3);
  EXPECT_EQ(IsFastClick(), 1u) << "3 ticks after the last click";
  cockpit.runTicks(4);
  EXPECT_EQ(IsFastClick(), 0u) << "4 ticks after";
  EXPECT_EQ(IsFastClick(), 1u) << "again on the same tick";
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("FAST CLICK", "multiplier"), "5");
}

TEST(FastClick, TheFirstClickLateAfterLoadIsSlow) {
  Cockpit cockpit({.initialTick18 = 100});
  cockpit.runTicks(1);
  EXPECT_EQ(IsFastClick(), 0u);
}

TEST(FastClick, MultiplierRoundTripThroughTheFiveCharacterBuffer) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[fast click]\r\nMULTIPLIER = 123456\r\n");
  cockpit.start();
  EXPECT_EQ(GetFastClickMultiplier(), 1234) << "four characters are read";
  cockpit.runSeconds(1).shutdown();
  EXPECT_EQ(cockpit.ini("FAST CLICK", "multiplier"), "1234");
  EXPECT_EQ(cockpit.readFile(Cockpit::kAircraftIniFile).find("[FAST CLICK]"), std::string::npos)
      << "the existing section is kept, not added again";
}

TEST(Helpers, CounterDigitsAndGlyphFrames) {
  EXPECT_EQ(GetDecimalDigit(12345.9, 1), 5.0);
  EXPECT_EQ(GetDecimalDigit(12345.9, 2), 4.0);
  EXPECT_EQ(GetDecimalDigit(12345.9, 5), 1.0);
  EXPECT_EQ(GetDecimalDigit(12345.9, 6), 0.0);
  EXPECT_EQ(GetDecimalDigit(987654.0, 6), 9.0);
  EXPECT_EQ(GetDecimalDigit(12345.9, 0), 0.0);
  EXPECT_EQ(GetDecimalDigit(12345.9, 7), 0.0);
  // A negative value shows zeros rather than the digits of a wrapped number.
  for (uint32_t n = 1; n <= 6; ++n) {
    EXPECT_EQ(GetDecimalDigit(-12345.0, n), 0.0) << n;
    EXPECT_EQ(GetDecimalDigit(-0.5, n), 0.0) << n;
    EXPECT_EQ(GetDecimalDigit(std::nan(""), n), 0.0) << n;
  }
  // Beyond 32 bits the low digits are kept: 4294979641.
  const double beyond32Bits = 4294967296.0 + 12345.0;
  const double expected[] = {1, 4, 6, 9, 7, 9};
  for (uint32_t n = 1; n <= 6; ++n) EXPECT_EQ(GetDecimalDigit(beyond32Bits, n), expected[n - 1]) << n;
  for (double huge : {1e30, std::numeric_limits<double>::infinity()}) {
    const double digit = GetDecimalDigit(huge, 3);
    EXPECT_TRUE(digit >= 0.0 && digit <= 9.0 && digit == std::floor(digit)) << huge;
  }

  EXPECT_EQ(ToFrameIndex(0), 0.0);
  EXPECT_EQ(ToFrameIndex(42), 42.0);
  EXPECT_EQ(ToFrameIndex(43), 43.0);
  EXPECT_EQ(ToFrameIndex(44), 44.0);
  EXPECT_EQ(ToFrameIndex(50), 50.0);
  EXPECT_EQ(ToFrameIndex(51), 43.0);
  EXPECT_EQ(ToFrameIndex(std::numeric_limits<uint32_t>::max()), 43.0);
}

TEST(Helpers, ZuluDateFromTheDayOfTheYear) {
  Cockpit cockpit;
  struct Case {
    double year;
    double dayOfYear;
    uint16_t yy, month, day;
  };
  const Case cases[] = {
      {2024, 1, 24, 1, 1},    {2024, 31, 24, 1, 31},  {2024, 32, 24, 2, 1},   {2024, 60, 24, 2, 29},
      {2024, 61, 24, 3, 1},   {2024, 91, 24, 3, 31},  {2024, 92, 24, 4, 1},   {2024, 366, 24, 12, 31},
      {2024, 367, 24, 0, 0},  {2023, 59, 23, 2, 28},  {2023, 60, 23, 3, 1},   {2023, 181, 23, 6, 30},
      {2023, 182, 23, 7, 1},  {2023, 365, 23, 12, 31}, {2023, 366, 23, 0, 0}, {2000, 60, 0, 2, 29},
      {2100, 60, 0, 2, 29},   // every fourth year, as the simulator's calendar has it
      {2023, 0, 23, 0, 0},    {2023, -5, 23, 0, 0},   // before the first day: outside the year too
  };
  for (const Case& c : cases) {
    cockpit.set(Token::ZuluYear, c.year).set(Token::ZuluDayOfYear, c.dayOfYear);
    ZuluDate date{99, 99, 99};
    ZuluDate& result = GetZuluDate(date);
    EXPECT_EQ(&result, &date);
    EXPECT_EQ(date.year, c.yy) << c.year << " day " << c.dayOfYear;
    EXPECT_EQ(date.month, c.month) << c.year << " day " << c.dayOfYear;
    EXPECT_EQ(date.day, c.day) << c.year << " day " << c.dayOfYear;
  }
}

TEST(Helpers, ReplaceCharWithinTheGivenLength) {
  wchar_t route[] = L"EGLL_DCT_LFPG";
  ReplaceChar(route, 5, '_', ' ');
  EXPECT_EQ(std::wstring(route), L"EGLL DCT_LFPG");
  ReplaceChar(route, -1, 'E', 'X');
  ReplaceChar(nullptr, 4, 'E', 'X');
  EXPECT_EQ(std::wstring(route), L"EGLL DCT_LFPG");
  wchar_t latin1[] = L"Z\u00fcrich";
  ReplaceChar(latin1, 6, '\xfc', 'u');
  EXPECT_EQ(std::wstring(latin1), L"Zurich") << "an 8-bit character is its Latin-1 code";
}

TEST(Helpers, WideToAnsiIsAlwaysTerminatedOnACharacterBoundary) {
  EXPECT_STREQ(WideToAnsi(L"HALCYON PRO"), "HALCYON PRO");
  EXPECT_STREQ(WideToAnsi(L"Z\u00fcrich \u20ac"), "Z\xc3\xbcrich \xe2\x82\xac");
  EXPECT_STREQ(WideToAnsi(L""), "");
  EXPECT_STREQ(WideToAnsi(nullptr), "");

  const std::wstring fits(499, L'A');
  EXPECT_EQ(std::string(WideToAnsi(fits.c_str())), std::string(499, 'A'));
  const std::wstring tooLong(800, L'B');
  EXPECT_EQ(std::string(WideToAnsi(tooLong.c_str())), std::string(499, 'B'));
  // 497 + 2 bytes end exactly at the buffer's last byte before the terminator.
  EXPECT_EQ(std::string(WideToAnsi((std::wstring(497, L'C') + L"\u00e9").c_str())),
            std::string(497, 'C').append("\xc3\xa9"));
  // 498 + 2 bytes and 497 + 3 bytes do not fit: the cut character goes whole.
  EXPECT_EQ(std::string(WideToAnsi((std::wstring(498, L'D') + L"\u00e9xyz").c_str())), std::string(498, 'D'));
  EXPECT_EQ(std::string(WideToAnsi((std::wstring(497, L'E') + L"\u20ac").c_str())), std::string(497, 'E'));
  EXPECT_EQ(std::string(WideToAnsi((std::wstring(496, L'F') + L"\U0001F6EB").c_str())), std::string(496, 'F'));
  EXPECT_LT(std::strlen(WideToAnsi((std::wstring(600, L'\u00e9')).c_str())), kAnsiBufferBytes);
  EXPECT_EQ(std::string(WideToAnsi(std::wstring(600, L'\u00e9').c_str())).size(), 498u);
}

}  // namespace
}  // namespace halcyon::test
