// Any bytes as an INI file: a file read and written back unchanged keeps
// every byte, a written value reads back as written, and writing it again
// changes nothing. Every input goes through the parser and the editor in
// memory (this target includes ini_document.cpp and ini.cpp for their inner
// functions), so most inputs make no file system call; one input in 32 also
// goes through the files: the cache, reads that never go past the buffer,
// and the save of an input's writes at once, as of one call into the module,
// in a folder in memory when the machine has one.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>

#include "platform/ini.cpp"
#include "platform/ini_document.cpp"
#include "platform/paths.h"

namespace {

struct Place {
  const wchar_t* section;
  const wchar_t* key;
  bool written;
};

void CheckInMemory(std::string_view bytes, Place (&places)[4]) {
  using namespace platform::ini;
  Document doc = ParseFile(bytes);
  if (doc.encoding == Encoding::Bytes && Serialize(doc) != bytes) std::abort();
  for (Place& place : places) {
    if (!NamesAcceptable(place.section, place.key, L"0.373906")) continue;
    SetKey(doc, place.section, place.key, "0.373906");
    const KeyPlace found = FindKey(doc, place.section, place.key);
    if (found.section == nullptr || ValueOf(found.section->body[found.index]) != "0.373906") std::abort();
  }
  const std::string saved = SerializeFile(doc);
  Document again = ParseFile(saved);
  for (const Place& place : places) {
    if (!NamesAcceptable(place.section, place.key, L"0.373906")) continue;
    const KeyPlace found = FindKey(again, place.section, place.key);
    if (found.section == nullptr || ValueOf(found.section->body[found.index]) != "0.373906") std::abort();
    if (SetKey(again, place.section, place.key, "0.373906")) std::abort();
  }
  if (SerializeFile(again) != saved) std::abort();
  RemoveKey(again, places[3].section, places[3].key);
  RemoveSection(again, places[0].section);
  ParseFile(SerializeFile(again));
}

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

void CheckThroughFiles(const uint8_t* data, size_t size, Place (&places)[4]) {
  const std::string file = WorkFolder() + "/fuzz.ini";
  FILE* out = std::fopen(file.c_str(), "wb");
  if (out == nullptr) return;
  std::fwrite(data, 1, size, out);
  std::fclose(out);
  SetBackInTime(file);
  platform::ClearIniCache();
  const std::wstring path = platform::Widen(file);

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
  platform::WritePrivateProfileString(places[0].section, nullptr, nullptr, path.c_str());
  platform::WritePrivateProfileString(places[3].section, places[3].key, nullptr, path.c_str());
  // What the input allocated is freed with it, or libFuzzer takes every
  // input for a leak and checks it again.
  platform::ClearIniCache();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Names taken from the input itself, so the fuzzer can aim at present keys.
  std::wstring name;
  for (size_t i = 0; i < size && i < 8; ++i) {
    const auto c = static_cast<wchar_t>(data[i]);
    if (c != L'\n' && c != L'\r' && c != L'=' && c != L']' && c != 0) name += c;
  }
  Place places[] = {{L"OPTIONS", L"sound", false},
                    {L"flaps.2", L"flaps-position.1", false},
                    {name.c_str(), name.c_str(), false},
                    {name.c_str(), L"sound", false}};
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckInMemory(bytes, places);
  // Chosen by a hash of the whole input, not by one byte of it: the files add
  // coverage, so the fuzzer soon learns to keep any one byte that leads there,
  // and a quarter of all inputs then went through the files, at some fifty
  // times the cost of the rest.
  if (std::hash<std::string_view>{}(bytes) % 32 == 0) CheckThroughFiles(data, size, places);
  return 0;
}
