// Numbers and switch positions in INI files.
#include "core/ini_values.h"

#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <limits>

#include "core/controls.h"
#include "platform/ini.h"

namespace halcyon {

int32_t LeadingInteger(const wchar_t* text) {
  if (text == nullptr) return 0;
  while (std::iswspace(static_cast<wint_t>(*text))) ++text;
  bool negative = false;
  if (*text == L'+' || *text == L'-') negative = *text++ == L'-';
  int64_t value = 0;
  for (; *text >= L'0' && *text <= L'9'; ++text) {
    value = value * 10 + (*text - L'0');
    if (value > static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1) break;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

double LeadingReal(const wchar_t* text) {
  if (text == nullptr) return 0.0;
  const double value = std::wcstod(text, nullptr);
  return std::isfinite(value) ? value : 0.0;
}

int32_t ReadIniInt(const wchar_t* section, const wchar_t* key, const wchar_t* defaultText, uint32_t bufferSize,
                   const wchar_t* path) {
  return LeadingInteger(platform::ReadIniString(section, key, defaultText, bufferSize, path).c_str());
}

double ReadIniReal(const wchar_t* section, const wchar_t* key, const wchar_t* defaultText, uint32_t bufferSize,
                   const wchar_t* path) {
  return LeadingReal(platform::ReadIniString(section, key, defaultText, bufferSize, path).c_str());
}

void WriteIniInt(const wchar_t* section, const wchar_t* key, int32_t value, const wchar_t* path) {
  wchar_t text[16];
  std::swprintf(text, std::size(text), L"%d", value);
  platform::WritePrivateProfileString(section, key, text, path);
}

void WriteIniReal(const wchar_t* section, const wchar_t* key, const wchar_t* format, double value,
                  const wchar_t* path) {
  wchar_t text[64];
  if (std::swprintf(text, std::size(text), format, value) < 0) text[0] = L'\0';
  platform::WritePrivateProfileString(section, key, text, path);
}

void LoadSwitch(CSwitch* record, const wchar_t* section, const wchar_t* key, const wchar_t* defaultText,
                uint32_t bufferSize) {
  SetSwitch(record, ReadIniInt(section, key, defaultText, bufferSize));
  RegisterControl(section, key, record);
}

void SaveSwitch(const CSwitch* record, const wchar_t* section, const wchar_t* key) {
  NoteSavedControl(section, key);
  WriteIniInt(section, key, GetSwitch(record));
}

void LoadSwitches(const wchar_t* section, std::span<const SwitchKey> keys, uint32_t bufferSize) {
  for (const SwitchKey& key : keys) LoadSwitch(key.record, section, key.key, key.defaultText, bufferSize);
}

void SaveSwitches(const wchar_t* section, std::span<const SwitchKey> keys) {
  for (const SwitchKey& key : keys) SaveSwitch(key.record, section, key.key);
}

}  // namespace halcyon
