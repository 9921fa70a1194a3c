// The cost of one tick of the whole lifecycle, as the simulator pays it: one
// TICK18 change, every system's step, one pre-draw of every gauge.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <string>

#include "simhost/sim_host.h"

namespace {

struct ScriptedControl {
  const char* section;
  const char* key;
  int32_t position;
};

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

// The same with the electrical, APU and fuel systems at work: battery, ground
// power and the APU on the buses, boost pumps feeding, the APU spooling up.
void BM_LifecycleTickPowered(benchmark::State& state) {
  simhost::SimHost& host = RunningCockpit();
  const ScriptedControl controls[] = {
      {"APU", "battery", 41},           {"ELECTRIC", "ext_bus_1_sw", 41}, {"ELECTRIC", "ext_bus_2_sw", 41},
      {"ELECTRIC", "apu_bus_1_sw", 41}, {"FUEL PUMPS", "fwd_center", 41}, {"FUEL PUMPS", "aft_right", 41},
      {"APU", "master", 47},            {"APU", "master", 48},
  };
  for (const auto& control : controls) host.Module().MoveControl(control.section, control.key, control.position);
  for (auto _ : state) host.RunTicks(1);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LifecycleTickPowered);

}  // namespace
