// The cost of one tick of the whole lifecycle, as the simulator pays it: one
// TICK18 change, every system's step, one pre-draw of every gauge.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <string>

#include "simhost/sim_host.h"

namespace {

simhost::SimHost& RunningCockpit() {
  static simhost::SimHost* host = [] {
    char folder[] = "/tmp/halcyon-bench-XXXXXX";
    simhost::HostOptions options;
    options.root = std::string(mkdtemp(folder) != nullptr ? folder : "/tmp/halcyon-bench") + "/root";
    options.framesPerTick = 1;
    auto* made = new simhost::SimHost(options);
    std::string error;
    if (!made->Load(&error)) {
      fprintf(stderr, "bench: %s\n", error.c_str());
      exit(1);
    }
    made->Start();
    made->RunSeconds(10);  // past the start-up transients
    return made;
  }();
  return *host;
}

void BM_LifecycleTick(benchmark::State& state) {
  simhost::SimHost& host = RunningCockpit();
  for (auto _ : state) host.RunTicks(1);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LifecycleTick);

}  // namespace
