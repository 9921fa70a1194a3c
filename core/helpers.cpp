// Fast click, counter digits, glyph frames, zulu date and text conversions.
#include "core/helpers.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "core/ini_values.h"
#include "core/panel_services.h"
#include "platform/paths.h"

namespace halcyon {
namespace {

constexpr const wchar_t* kFastClickSection = L"FAST CLICK";
constexpr const wchar_t* kFastClickKey = L"multiplier";
constexpr uint32_t kFastClickBuffer = 5;
constexpr double kFastClickWindowTicks = 3.0;

int32_t g_fastClickMultiplier = 5;
double g_lastClickTick = 0.0;

constexpr uint32_t kLastFrameCode = 50;
constexpr double kFallbackFrame = 43.0;

// Last day of each month from March on, counted in a common year, and the
// day-of-year before its first day.
struct MonthEnd {
  int32_t lastDay;
  int32_t daysBefore;
};
constexpr std::array<MonthEnd, 10> kMonthsFromMarch = {{
    {90, 59}, {120, 90}, {151, 120}, {181, 151}, {212, 181},
    {243, 212}, {273, 243}, {304, 273}, {334, 304}, {365, 334},
}};

std::array<char, kAnsiBufferBytes> g_ansiBuffer{};

bool IsUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

void LoadFastClick() {
  g_fastClickMultiplier = ReadIniInt(kFastClickSection, kFastClickKey, L"5", kFastClickBuffer);
}

void SaveFastClick() { WriteIniInt(kFastClickSection, kFastClickKey, g_fastClickMultiplier); }

int32_t GetFastClickMultiplier() { return g_fastClickMultiplier; }

uint32_t IsFastClick() {
  const double now = CurrentTick18();
  const bool fast = g_lastClickTick + kFastClickWindowTicks >= now;
  g_lastClickTick = now;
  return fast ? 1 : 0;
}

double GetDecimalDigit(double value, uint32_t n) {
  if (n < 1 || n > 6) return 0.0;
  uint64_t divisor = 1;
  for (uint32_t i = 1; i < n; ++i) divisor *= 10;
  // Through a 64-bit integer: drums never show a negative number, and a
  // value beyond 32 bits keeps its low digits.
  return static_cast<double>(TruncateSaturated<uint64_t>(value) / divisor % 10);
}

double ToFrameIndex(uint32_t code) { return code <= kLastFrameCode ? static_cast<double>(code) : kFallbackFrame; }

ZuluDate& GetZuluDate(ZuluDate& date) {
  const double year = ReadToken(Token::ZuluYear);
  const int32_t dayOfYear = TruncateSaturated<int32_t>(ReadToken(Token::ZuluDayOfYear));
  // Every fourth year, as the simulator's calendar runs (right for 1901-2099).
  const bool leap = std::fmod(year, 4.0) == 0.0;
  date.year = static_cast<uint16_t>(TruncateSaturated<int32_t>(year) % 100);
  date.month = 0;
  date.day = 0;
  // A day before the first lies outside the year as well as one after the last.
  if (dayOfYear < 1) return date;
  if (dayOfYear <= 31) {
    date.month = 1;
    date.day = static_cast<uint16_t>(dayOfYear);
    return date;
  }
  if (dayOfYear <= (leap ? 60 : 59)) {
    date.month = 2;
    date.day = static_cast<uint16_t>(dayOfYear - 31);
    return date;
  }
  const int32_t commonDay = leap ? dayOfYear - 1 : dayOfYear;
  for (size_t i = 0; i < kMonthsFromMarch.size(); ++i) {
    if (commonDay <= kMonthsFromMarch[i].lastDay) {
      date.month = static_cast<uint16_t>(3 + i);
      date.day = static_cast<uint16_t>(commonDay - kMonthsFromMarch[i].daysBefore);
      return date;
    }
  }
  return date;
}

void ReplaceChar(wchar_t* text, int32_t length, char from, char to) {
  if (text == nullptr) return;
  // The 8-bit characters stand for themselves (Latin-1), not for negative codes.
  const auto wideFrom = static_cast<wchar_t>(static_cast<unsigned char>(from));
  const auto wideTo = static_cast<wchar_t>(static_cast<unsigned char>(to));
  for (int32_t i = 0; i < length; ++i) {
    if (text[i] == wideFrom) text[i] = wideTo;
  }
}

const char* WideToAnsi(const wchar_t* text) {
  // Every character takes at least one byte, so no more than fit are converted.
  size_t length = 0;
  while (text != nullptr && length < kAnsiBufferBytes && text[length] != L'\0') ++length;
  const std::string ansi = platform::Narrow(std::wstring(text == nullptr ? L"" : text, length));
  size_t size = std::min(ansi.size(), static_cast<size_t>(kAnsiBufferBytes - 1));
  // A cut inside a character backs off to its first byte.
  if (size < ansi.size()) {
    while (size > 0 && IsUtf8Continuation(ansi[size])) --size;
  }
  std::memcpy(g_ansiBuffer.data(), ansi.data(), size);
  g_ansiBuffer[size] = '\0';
  return g_ansiBuffer.data();
}

}  // namespace halcyon
