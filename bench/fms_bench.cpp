// The FMS's guidance on a 30-leg route: the work of every tick (sequencing
// check, cross-track and heading, the vertical outputs) and the work of
// once a second (turn points, distances and times, the vertical profile
// with its three points on the route).
#include <benchmark/benchmark.h>

#include <cstdio>

#include "nav/flight_plan.h"
#include "nav/route_guidance.h"

namespace halcyon {
namespace {

// 30 waypoints zig-zagging east 20 NM apart, the last at 3000 ft.
CFlightPlan ThirtyLegs() {
  CFlightPlan plan;
  char ident[8];
  for (int i = 1; i <= 30; ++i) {
    std::snprintf(ident, sizeof ident, "W%03d", i);
    plan.InsertLeg(nullptr, ident, CLatLon(45.0 + (i % 2 == 0 ? 0.1 : -0.1), -(i * 20.0 / 42.0)));
  }
  plan.AnchorFirstLeg(CLatLon(45.0, 0.0));
  CLeg* last = plan.GetFirstLeg();
  while (last->GetNext() != nullptr && last->GetNext()->IsDefined()) last = last->GetNext();
  plan.SetAltConstraint(last, 1, 3000.0, AltConstraintType::At);
  return plan;
}

FmsFlightState Cruising() {
  FmsFlightState state;
  state.position = CLatLon(44.97, -0.2);
  state.altitudeFt = 35000.0;
  state.groundSpeedKt = 460.0;
  state.trueHeadingDeg = 100.0;
  state.groundTrackDeg = 98.0;
  state.magVarDeg = 1.5;
  state.utcHours = 14.5;
  state.onGround = false;
  return state;
}

// The route flown, its guidance with one prediction made.
struct Flown {
  CFlightPlan plan = ThirtyLegs();
  CRouteGuidance guidance;
  VnavPlan vnav;
  FmsFlightState state = Cruising();
  CLatLon tc, td, ed;
  Flown() {
    vnav.cruiseAltitudeFt = 35000.0;
    guidance.Update(&plan, state);
    guidance.Predict(&plan, state, vnav, &tc, &td, &ed);
  }
};

void BM_FmsGuidancePerTick(benchmark::State& bench) {
  Flown f;
  CFlightPlan& plan = f.plan;
  CRouteGuidance& guidance = f.guidance;
  const VnavPlan& vnav = f.vnav;
  const FmsFlightState& state = f.state;
  for (auto _ : bench) {
    benchmark::DoNotOptimize(guidance.Update(&plan, state));
    guidance.UpdateVertical(state, vnav);
    benchmark::DoNotOptimize(guidance.HeadingCommandDeg());
  }
}
BENCHMARK(BM_FmsGuidancePerTick);

void BM_FmsPredictionsOnceASecond(benchmark::State& bench) {
  Flown f;
  for (auto _ : bench) {
    f.guidance.Predict(&f.plan, f.state, f.vnav, &f.tc, &f.td, &f.ed);
    benchmark::DoNotOptimize(f.td);
  }
}
BENCHMARK(BM_FmsPredictionsOnceASecond);

}  // namespace
}  // namespace halcyon
