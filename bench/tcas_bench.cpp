// The TCAS with 40 intruders around own aircraft, as on a busy approach: one
// TCAS step (classification of every record, every tick) and one frame of the
// TCAS display on its native 250 x 250 surface, the whole list in view.
#include <benchmark/benchmark.h>

#include "bench/heap_count.h"
#include <cmath>
#include <string>

#include "bench/bench_host.h"
#include "displays/tcas/tcas.h"
#include "displays/tcas/tcas_display.h"
#include "displays/tcas/tcas_logic.h"
#include "gauges/element_helpers.h"
#include "simhost/sim_host.h"

namespace {

constexpr double kOwnLat = 47.46;
constexpr double kOwnLon = 8.55;
constexpr int kIntruders = 40;

// A powered cockpit at 3000 ft radio altitude with TA/RA selected, the range
// at 10 NM, the dimmer up, and 40 aircraft within 5 NM closing on it.
simhost::SimHost& BusySky() {
  static simhost::SimHost* host = [] {
    simhost::SimHost* made = bench::StartBenchHost("halcyon-tcas-bench");
    made->SetScaledToken(halcyon::Token::Latitude, kOwnLat);
    made->SetScaledToken(halcyon::Token::Longitude, kOwnLon);
    made->SetToken(halcyon::Token::AltitudeFt, 4400.0);
    made->SetScaledToken(halcyon::Token::RadioAltitudeM, 3000.0);
    made->MoveControl("APU", "battery", 41);
    made->MoveControl("TRANSPONDER", "mode", 90);
    made->MoveControl("TRANSPONDER", "tcas_range", 102);
    made->MoveControl("TCAS", "DimmerSwitch", 10);
    for (int i = 0; i < kIntruders; ++i) {
      const double bearing = i * 9.0 * 3.14159265358979 / 180.0;
      const double nm = 1.0 + (i % 8) * 0.5;
      simhost::SimHost::AiTraffic aircraft;
      aircraft.atcId = "TFC" + std::to_string(i);
      aircraft.latitudeDeg = kOwnLat + nm * std::cos(bearing) / 60.0;
      aircraft.longitudeDeg = kOwnLon + nm * std::sin(bearing) / 60.0 / std::cos(kOwnLat * 3.14159265358979 / 180.0);
      aircraft.altitudeFt = 4400.0 + (i % 9 - 4) * 300.0;
      aircraft.verticalSpeedFpm = (i % 3 - 1) * 1000.0;
      aircraft.headingDeg = i * 9.0 + 180.0;  // toward own aircraft
      aircraft.groundSpeedKt = 180.0;
      made->PlaceTraffic(aircraft);
    }
    made->RunSeconds(4);  // power, the list filled, two range samples
    return made;
  }();
  return *host;
}

void BM_TcasStepFortyIntruders(benchmark::State& state) {
  BusySky();
  for (auto _ : state) halcyon::UpdateTcas();
  state.counters["intruders"] = kIntruders;
}
BENCHMARK(BM_TcasStepFortyIntruders);

void BM_TcasDisplayFrameFortyIntruders(benchmark::State& state) {
  simhost::SimHost& host = BusySky();
  platform::ELEMENT_HEADER* screen = halcyon::GetNthElement(host.Module().FindGauge("TCAS Display")->elements, 1);
  halcyon::DrawTcasDisplay(screen);  // the surface's kept buffers, made once
  const halcyon::bench::AllocationsPerFrame allocations;
  for (auto _ : state) halcyon::DrawTcasDisplay(screen);
  allocations.Report(state);
  int drawn = 0;
  for (auto* record = halcyon::g_tcas->GetDisplayList(); record != nullptr; record = record->GetNext()) ++drawn;
  state.counters["records"] = drawn;
}
BENCHMARK(BM_TcasDisplayFrameFortyIntruders)->Unit(benchmark::kMicrosecond);

}  // namespace
