// The panel's cost per frame as the simulator pays it on top of the systems:
// one pre-draw of every placed gauge and one read of all their elements; and
// the schematic picture of the main panel that a snapshot writes.
#include <benchmark/benchmark.h>

#include "bench/heap_count.h"
#include <stdlib.h>

#include <string>

#include "platform/gauge.h"
#include "platform/simulator.h"
#include "simhost/sim_host.h"
#include "systems/alert_list.h"
#include "systems/annunciator_lamps.h"

namespace {

simhost::SimHost& PoweredPanel() {
  static simhost::SimHost* host = [] {
    char folder[] = "/tmp/halcyon-panel-bench-XXXXXX";
    simhost::HostOptions options;
    options.root = std::string(mkdtemp(folder) != nullptr ? folder : "/tmp/halcyon-panel-bench") + "/root";
    auto* made = new simhost::SimHost(options);
    std::string error;
    if (!made->Load(&error)) {
      fprintf(stderr, "bench: %s\n", error.c_str());
      exit(1);
    }
    made->Start();
    made->MoveControl("APU", "battery", 41);
    made->SetToken(halcyon::Token::IndicatedAirspeedKt, 250.0);
    made->SetScaledToken(halcyon::Token::Mach, 0.45);
    made->SetToken(halcyon::Token::AltitudeFt, 12995.0);
    made->RunSeconds(5);
    platform::sim::SetWindowVisible(10010, true);
    return made;
  }();
  return *host;
}

void BM_PanelFrame(benchmark::State& state) {
  simhost::SimHost& host = PoweredPanel();
  const halcyon::bench::AllocationsPerFrame allocations;
  for (auto _ : state) {
    host.SendService(platform::kServicePreDraw);
    host.PanelGauges().PollAll();
  }
  allocations.Report(state);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PanelFrame);

void BM_MainPanelSchematic(benchmark::State& state) {
  simhost::SimHost& host = PoweredPanel();
  std::string error;
  for (auto _ : state) {
    if (!host.PanelGauges().WriteSchematic(10010, "/tmp/halcyon-panel-bench.png", &error)) state.SkipWithError(error.c_str());
  }
}
BENCHMARK(BM_MainPanelSchematic)->Unit(benchmark::kMillisecond);

// The alert display at its busiest: a full window of 12 alerts out of 15,
// both halves' 240 cells polled, and the two control heads' lamps.
void BM_AlertDisplayFrame(benchmark::State& state) {
  simhost::SimHost& host = PoweredPanel();
  halcyon::EmptyAlertLists();
  for (int32_t id : {2, 9, 13, 14, 22, 26, 27, 28, 29, 30, 31, 43, 44, 1, 12}) halcyon::AddEoapMessage(id);
  const simhost::Panel& panel = host.PanelGauges();
  const simhost::Panel::Instance* parts[] = {panel.Find("EOAP Display 1"), panel.Find("EOAP Display 2"),
                                             panel.Find("EOAP"), panel.Find("EOAP Zoom")};
  for (auto _ : state) {
    for (const simhost::Panel::Instance* part : parts) simhost::Panel::Poll(*part);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AlertDisplayFrame);

}  // namespace
