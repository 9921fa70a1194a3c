// The INI writes of a shut-down: every keyboard slot saved into one file, 70
// sections of 10 keys, into a fresh file each time, saved as the call
// returns, then read back.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/ini.h"
#include "platform/paths.h"

namespace {

void BM_SaveSeventySections(benchmark::State& state) {
  char folder[] = "/tmp/halcyon-ini-bench-XXXXXX";
  if (mkdtemp(folder) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::string file = std::string(folder) + "/KeyboardInput.ini";
  const std::wstring path = platform::Widen(file);
  wchar_t section[16];
  wchar_t key[16];
  wchar_t value[16];
  wchar_t readBack[30];
  for (auto _ : state) {
    state.PauseTiming();
    unlink(file.c_str());
    platform::ClearIniCache();
    state.ResumeTiming();
    for (int s = 0; s < 70; ++s) {
      std::swprintf(section, 16, L"SLOT%02d", s);
      for (int k = 0; k < 10; ++k) {
        std::swprintf(key, 16, L"combo%d", k);
        std::swprintf(value, 16, L"CTRL+%d", s * 10 + k);
        if (!platform::WritePrivateProfileString(section, key, value, path.c_str())) {
          state.SkipWithError("write failed");
        }
      }
    }
    if (!platform::SaveIniFiles()) state.SkipWithError("save failed");
    for (int s = 0; s < 70; ++s) {
      std::swprintf(section, 16, L"SLOT%02d", s);
      for (int k = 0; k < 10; ++k) {
        std::swprintf(key, 16, L"combo%d", k);
        benchmark::DoNotOptimize(
            platform::GetPrivateProfileString(section, key, L"", readBack, 30, path.c_str()));
      }
    }
  }
  platform::ClearIniCache();  // also removes the spare file beside the INI file
  unlink(file.c_str());
  rmdir(folder);
}
BENCHMARK(BM_SaveSeventySections)->Unit(benchmark::kMillisecond);

}  // namespace
