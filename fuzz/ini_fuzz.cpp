// Any bytes as an INI file: reads never go past the buffer, a written value
// reads back as written, from the cached copy and from the saved file, and
// writing it again changes no byte. The writes of an input are saved once, as
// the writes of one call into the module are, in a folder in memory when the
// machine has one, so the fuzzer tries inputs by the million.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
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
    char memory[] = "/dev/shm/halcyon-ini-fuzz-XXXXXX";
    char disk[] = "/tmp/halcyon-ini-fuzz-XXXXXX";
    char* pattern = mkdtemp(memory) != nullptr ? memory : disk;
    if (pattern == disk && mkdtemp(disk) == nullptr) std::abort();
    std::atexit([] { std::system(("rm -rf '" + WorkFolder() + "'").c_str()); });
    return new std::string(pattern);
  }();
  return *folder;
}

// A file changed long ago is trusted by its size and time alone; a file
// changed within the last moments is read again on every access to be sure
// (see platform/ini.cpp). Every input file is new, so its time is set back
// to spare the fuzzer those reads.
void SetBackInTime(const std::string& file) {
  const timespec longAgo[2] = {{1000000000, 0}, {1000000000, 0}};
  utimensat(AT_FDCWD, file.c_str(), longAgo, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = WorkFolder() + "/fuzz.ini";
  FILE* out = std::fopen(file.c_str(), "wb");
  if (out == nullptr) return 0;
  std::fwrite(data, 1, size, out);
  std::fclose(out);
  SetBackInTime(file);
  platform::ClearIniCache();
  const std::wstring path = platform::Widen(file);

  // Names taken from the input itself, so the fuzzer can aim at present keys.
  std::wstring name;
  for (size_t i = 0; i < size && i < 8; ++i) {
    const auto c = static_cast<wchar_t>(data[i]);
    if (c != L'\n' && c != L'\r' && c != L'=' && c != L']' && c != 0) name += c;
  }
  struct Place {
    const wchar_t* section;
    const wchar_t* key;
    bool written;
  };
  Place places[] = {{L"OPTIONS", L"sound", false},
                    {L"flaps.2", L"flaps-position.1", false},
                    {name.c_str(), name.c_str(), false},
                    {name.c_str(), L"sound", false}};
  wchar_t buffer[6];
  for (const Place& place : places) {
    const uint32_t length = platform::GetPrivateProfileString(place.section, place.key, L"dflt", buffer, 6, path.c_str());
    if (length > 5 || buffer[length] != L'\0') std::abort();
  }
  auto readsBack = [&path](const Place& place) {
    return platform::ReadIniString(place.section, place.key, L"", 20, path.c_str()) == L"0.373906";
  };
  for (Place& place : places) {
    place.written = platform::WritePrivateProfileString(place.section, place.key, L"0.373906", path.c_str());
    if (place.written && !readsBack(place)) std::abort();
  }
  if (!platform::SaveIniFiles()) std::abort();
  SetBackInTime(file);
  platform::ClearIniCache();
  for (const Place& place : places) {
    if (place.written && !readsBack(place)) std::abort();
  }
  const std::string before = Contents(file);
  for (const Place& place : places) {
    if (place.written && !platform::WritePrivateProfileString(place.section, place.key, L"0.373906", path.c_str())) {
      std::abort();
    }
  }
  if (!platform::SaveIniFiles() || Contents(file) != before) std::abort();
  platform::WritePrivateProfileString(L"OPTIONS", nullptr, nullptr, path.c_str());
  platform::WritePrivateProfileString(name.c_str(), L"sound", nullptr, path.c_str());
  // What the input allocated is freed with it, or libFuzzer takes every
  // input for a leak and checks it again.
  platform::ClearIniCache();
  return 0;
}
