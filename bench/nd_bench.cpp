// The navigation display's heaviest frame: the expanded arc (and the map)
// over a full 64 x 64 weather grid, with the compass, the heading line, a
// VOR/ILS course with deviation, the glideslope scale, the ADF needle, the
// range arc, the data blocks and readouts, on its native 300 x 250 surface.
// Budget 1.7 ms on one core; "allocs_per_frame" counts every heap
// allocation of a frame.
#include <benchmark/benchmark.h>

#include "bench/bench_host.h"
#include "bench/heap_count.h"
#include "displays/efis/efis_mcp.h"
#include "displays/nd/nav_display.h"
#include "gauges/element_helpers.h"
#include "host/simconnect_client.h"
#include "platform/system.h"
#include "simhost/sim_host.h"

namespace {

// A powered cockpit with both IRS in NAV, the EFIS lit, an ILS tuned on
// NAV 1, DME on both receivers, the ADF pointer on, weather radar in WX and
// cloud in every cell of the ND's grid.
simhost::SimHost& StormyApproach() {
  static simhost::SimHost* host = [] {
    simhost::SimHost* made = bench::StartBenchHost("halcyon-nd-bench");
    bench::IrsInNav();
    made->MoveControl("APU", "battery", 41);
    made->MoveControl("EFIS DIMMER", "pfd_dim", 10);
    made->MoveControl("EFIS DIMMER", "nd_dim", 10);
    made->MoveControl("EFIS DIMMER", "wx_dim", 8);
    made->MoveControl("EFIS MCP", "adf1", 1);
    made->MoveControl("EFIS MCP", "range", 2);
    made->MoveControl("RADAR", "mode_switch", 109);
    for (const auto& [token, value] : {std::pair{45, 250.0}, {46, 0xC1}, {40, 30.0}, {41, -20.0}, {43, 1.0},
                                       {31, 12.4}, {35, 48.7}, {39, 40.0}, {74, 12000.0}, {343, 35.0},
                                       {344, 270.0}, {81, 245.0}, {86, 247.0}}) {
      made->SetToken(static_cast<uint32_t>(token), value);
    }
    made->RunSeconds(6);  // the brightness ramps up
    return made;
  }();
  return *host;
}

void NdFrames(benchmark::State& state, uint32_t mode) {
  simhost::SimHost& host = StormyApproach();
  for (auto& row : halcyon::g_cloudGridNd) {
    for (uint32_t& cell : row) cell = 200;
  }
  halcyon::g_efisMcp.mode = mode;
  platform::ELEMENT_HEADER* screen = halcyon::GetNthElement(host.Module().FindGauge("EFIS ND")->elements, 1);
  halcyon::DrawNavDisplay(screen, 1.0, 0.8, 1.0);  // the surface's kept buffers, made once
  const uint64_t allocationsBefore = halcyon::bench::HeapAllocations();
  for (auto _ : state) halcyon::DrawNavDisplay(screen, 1.0, 0.8, 1.0);
  state.counters["allocs_per_frame"] = static_cast<double>(halcyon::bench::HeapAllocations() - allocationsBefore) /
                                       static_cast<double>(state.iterations());
}

void BM_NdArcFrameFullWeather(benchmark::State& state) { NdFrames(state, halcyon::kEfisModeArc); }
BENCHMARK(BM_NdArcFrameFullWeather)->Unit(benchmark::kMillisecond);
void BM_NdMapFrameFullWeather(benchmark::State& state) { NdFrames(state, halcyon::kEfisModeMap); }
BENCHMARK(BM_NdMapFrameFullWeather)->Unit(benchmark::kMillisecond);
void BM_NdRoseFrame(benchmark::State& state) { NdFrames(state, halcyon::kEfisModeRose); }
BENCHMARK(BM_NdRoseFrame)->Unit(benchmark::kMillisecond);

}  // namespace
