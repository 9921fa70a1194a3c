// The PFD's heaviest frame on its native 300 x 250 surface with Cairo: on
// the approach at minimums in a banked, nose-down attitude with chevrons,
// the flight director, both deviation scales, the rising runway, the whole
// radio-altitude tape with its decision-height marker and every label. The
// composite's frame (attitude, tape, deviation, heading rose, DME) beside it.
#include <benchmark/benchmark.h>

#include "bench/heap_count.h"

#include "displays/pfd/pfd_display.h"
#include "platform/gfx_surface.h"

namespace {

namespace gfx = platform::gfx;
using halcyon::pfd::Inputs;

Inputs ApproachAtMinimums() {
  Inputs in;
  in.powered = true;
  in.attitudeValid = true;
  in.navValid = true;
  in.pitchDeg = 8.0;
  in.bankDeg = 12.0;
  in.groundSpeedMps = 70.0;
  in.radioHeightFt = 180.0;
  in.fdOn = true;
  in.fdPitchDeg = 6.0;
  in.fdBankDeg = 5.0;
  in.nav1Station = halcyon::pfd::kStationLocalizer | halcyon::pfd::kStationGlideslope;
  in.nav1DeviationDots = 20.0;
  in.glideslopeDeviation = -15.0;
  in.risingRunway = true;
  in.marker = 2;
  in.speedErrorKt = 4.0;
  in.decisionHeightFt = 200.0;
  in.cduMessage = true;
  in.efisSource = 53;
  in.vertGyro = 55;
  in.toFrom1 = 1.0;
  in.course1Deg = 140.0;
  in.headingMagDeg = 136.0;
  in.selectedHeadingDeg = 140.0;
  in.dme1Nm = 4.2;
  in.dme2Nm = 12.8;
  in.activeNavSignal = true;
  return in;
}

void BM_PfdApproachFrame(benchmark::State& state) {
  gfx::Surface surface(300, 250);
  const Inputs in = ApproachAtMinimums();
  {
    gfx::Canvas canvas(surface);  // the surface's kept buffers, made once
    halcyon::DrawPfdPicture(canvas, in, 0.9);
  }
  const halcyon::bench::AllocationsPerFrame allocations;
  for (auto _ : state) {
    gfx::Canvas canvas(surface);
    halcyon::DrawPfdPicture(canvas, in, 0.9);
  }
  allocations.Report(state);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PfdApproachFrame)->Unit(benchmark::kMillisecond);

void BM_CompositeApproachFrame(benchmark::State& state) {
  gfx::Surface surface(300, 250);
  Inputs in = ApproachAtMinimums();
  in.radioHeightFt = 900.0;  // the tape lifts the attitude clip: the glideslope scale shows
  {
    gfx::Canvas canvas(surface);
    halcyon::DrawCompositePicture(canvas, in, 0.9);
  }
  const halcyon::bench::AllocationsPerFrame allocations;
  for (auto _ : state) {
    gfx::Canvas canvas(surface);
    halcyon::DrawCompositePicture(canvas, in, 0.9);
  }
  allocations.Report(state);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CompositeApproachFrame)->Unit(benchmark::kMillisecond);

}  // namespace
