// Any bytes as an INI file: reads never go past the buffer, a written value
// reads back as written, and writing it again changes no byte.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/ini.h"
#include "platform/paths.h"

namespace {

std::string Contents(const std::string& file) {
  std::string bytes;
  if (FILE* in = std::fopen(file.c_str(), "rb")) {
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0) bytes.append(buffer, got);
    std::fclose(in);
  }
  return bytes;
}

std::string WorkFolder() {
  // Kept for the whole run (never destroyed), since the exit handler uses it.
  static const std::string* folder = [] {
    char pattern[] = "/tmp/halcyon-ini-fuzz-XXXXXX";
    if (mkdtemp(pattern) == nullptr) std::abort();
    std::atexit([] { std::system(("rm -rf '" + WorkFolder() + "'").c_str()); });
    return new std::string(pattern);
  }();
  return *folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = WorkFolder() + "/fuzz.ini";
  FILE* out = std::fopen(file.c_str(), "wb");
  if (out == nullptr) return 0;
  std::fwrite(data, 1, size, out);
  std::fclose(out);
  platform::ClearIniCache();
  const std::wstring path = platform::Widen(file);

  // Names taken from the input itself, so the fuzzer can aim at present keys.
  std::wstring name;
  for (size_t i = 0; i < size && i < 8; ++i) {
    const auto c = static_cast<wchar_t>(data[i]);
    if (c != L'\n' && c != L'\r' && c != L'=' && c != L']' && c != 0) name += c;
  }
  const wchar_t* sections[] = {L"OPTIONS", L"flaps.2", name.c_str()};
  const wchar_t* keys[] = {L"sound", L"flaps-position.1", name.c_str()};
  wchar_t buffer[6];
  for (const wchar_t* section : sections) {
    for (const wchar_t* key : keys) {
      const uint32_t length = platform::GetPrivateProfileString(section, key, L"dflt", buffer, 6, path.c_str());
      if (length > 5 || buffer[length] != L'\0') std::abort();
    }
  }
  for (const wchar_t* section : sections) {
    for (const wchar_t* key : keys) {
      const bool written = platform::WritePrivateProfileString(section, key, L"0.373906", path.c_str());
      if (!written) continue;
      platform::ClearIniCache();
      const std::wstring back = platform::ReadIniString(section, key, L"", 20, path.c_str());
      if (back != L"0.373906") std::abort();
      const std::string before = Contents(file);
      if (!platform::WritePrivateProfileString(section, key, L"0.373906", path.c_str())) std::abort();
      if (Contents(file) != before) std::abort();
    }
  }
  platform::WritePrivateProfileString(L"OPTIONS", nullptr, nullptr, path.c_str());
  platform::WritePrivateProfileString(name.c_str(), L"sound", nullptr, path.c_str());
  return 0;
}
