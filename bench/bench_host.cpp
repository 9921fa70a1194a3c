// The benchmarks' simulator host.
#include "bench/bench_host.h"

#include <stdlib.h>

#include <cstdio>
#include <string>

#include "systems/irs.h"

namespace bench {

simhost::SimHost* StartBenchHost(const char* name) {
  std::string folder = std::string("/tmp/") + name + "-XXXXXX";
  simhost::HostOptions options;
  options.root = std::string(mkdtemp(folder.data()) != nullptr ? folder.c_str() : "/tmp/halcyon-bench") + "/root";
  options.framesPerTick = 1;
  auto* host = new simhost::SimHost(options);
  std::string error;
  if (!host->Load(&error)) {
    std::fprintf(stderr, "bench: %s\n", error.c_str());
    std::exit(1);
  }
  host->Start();
  return host;
}

void IrsInNav() {
  for (halcyon::CSwitch* irs : {&halcyon::g_irs1Selector, &halcyon::g_irs1State, &halcyon::g_irs2Selector,
                                 &halcyon::g_irs2State}) {
    halcyon::SetSwitch(irs, halcyon::kIrsNav);
  }
}

void SetTokens(simhost::SimHost& host, std::span<const TokenValue> tokens) {
  for (const TokenValue& token : tokens) host.SetScaledToken(token.token, token.value);
}

}  // namespace bench
