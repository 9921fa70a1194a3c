// The cost of one tick of the whole lifecycle, as the simulator pays it: one
// TICK18 change, every system's step, one pre-draw of every gauge.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <string>

#include "bench/bench_host.h"
#include "platform/simulator.h"
#include "platform/system.h"
#include "simhost/flight_model.h"
#include "simhost/sim_host.h"

namespace {

using halcyon::Token;

struct ScriptedControl {
  const char* section;
  const char* key;
  int32_t position;
};

simhost::SimHost& RunningCockpit() {
  static simhost::SimHost* host = [] {
    simhost::SimHost* made = bench::StartBenchHost("halcyon-bench");
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

// Both engines started on APU air and running at idle with the host's engine
// model: engine start, pneumatics, air conditioning, hydraulics, cabin
// pressure and fuel used at work, and the engines burning fuel.
void BM_LifecycleTickEnginesRunning(benchmark::State& state) {
  simhost::SimHost& host = RunningCockpit();
  const bench::TokenValue tokens[] = {{Token::OnGround, 1},
                                      {Token::FuelWeightLbPerGallon, 6.7},
                                      {Token::FuelRightGal, 1500},
                                      {Token::FuelLeftGal, 1500},
                                      {Token::FuelCenterGal, 2200}};
  bench::SetTokens(host, tokens);
  const ScriptedControl controls[] = {
      {"APU", "battery", 41},           {"FUEL PUMPS", "fwd_center", 41},        {"FUEL PUMPS", "aft_center", 41},
      {"APU", "master", 47},            {"APU", "master", 48},                   {"APU", "air_switch", 41},
      {"PNEUMATIC X-FEED", "left", 1},  {"PNEUMATIC X-FEED", "right", 1},        {"AIR CONDITION", "supply_left", 41},
      {"HYDRAULIC PUMPS", "engine1", 94}, {"HYDRAULIC PUMPS", "engine2", 94},
  };
  for (const auto& control : controls) host.Module().MoveControl(control.section, control.key, control.position);
  host.RunSeconds(60);  // the APU up
  host.Module().MoveControl("ENGINE STARTER", "starter_left", 52);
  host.Module().MoveControl("ENGINE STARTER", "starter_right", 52);
  host.RunSeconds(12);
  host.SetToken(Token::Engine1Mixture, 16384);
  host.SetToken(Token::Engine2Mixture, 16384);
  host.RunSeconds(40);
  if (host.GetToken(Token::Engine1Combustion) == 0.0 || host.GetToken(Token::Engine2Combustion) == 0.0) {
    state.SkipWithError("the engines did not start");
  }
  for (auto _ : state) host.RunTicks(1);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LifecycleTickEnginesRunning);

// In flight on the autopilot with the autothrottle holding the speed, the
// host's flight model flying: the DFGS's main and fast passes at work.
void BM_LifecycleTickAutopilot(benchmark::State& state) {
  simhost::SimHost& host = RunningCockpit();
  bench::IrsInNav();
  const bench::TokenValue tokens[] = {
      {Token::OnGround, 0},           {Token::AltitudeFt, 10000},        {Token::IndicatedAirspeedKt, 250},
      {Token::HeadingDeg, 90},        {Token::Engine1Combustion, 1},     {Token::Engine2Combustion, 1},
      {Token::Engine1Throttle, 9000}, {Token::Engine2Throttle, 9000},    {Token::MaxOperatingSpeed, 340},
      {Token::MaxOperatingMach, 0.84}, {Token::AutopilotAirspeedKt, 260}};
  bench::SetTokens(host, tokens);
  host.SetFlightModel(true);
  host.Module().MoveControl("FGCP PANEL", "autopilot", 1);
  host.Module().MoveControl("DFGS", "dfgs.at_switch", 41);
  host.RunSeconds(5);
  for (auto _ : state) host.RunTicks(1);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LifecycleTickAutopilot);

// The host's flight model alone, one tick of it in climb on the autopilot.
void BM_FlightModelStep(benchmark::State& state) {
  const bench::TokenValue tokens[] = {
      {Token::OnGround, 0},                    {Token::AltitudeFt, 10000},
      {Token::IndicatedAirspeedKt, 250},       {Token::HeadingDeg, 90},
      {Token::AutopilotEngaged, 1},            {Token::HeadingLock, 1},
      {Token::HeadingBugDeg, 180},             {Token::AltitudeLock, 1},
      {Token::AutopilotAltitudeFt, 20000},     {Token::AutopilotVerticalSpeedFpm, 1800},
      {Token::AutothrottleArmed, 1},           {Token::AutopilotAirspeedHold, 1},
      {Token::AutopilotAirspeedKt, 260},       {Token::Engine1Combustion, 1},
      {Token::Engine2Combustion, 1},           {Token::Engine1Throttle, 9000},
      {Token::Engine2Throttle, 9000}};
  for (const auto& token : tokens) simhost::SetScaledToken(token.token, token.value);
  simhost::SimAutopilot autopilot;
  autopilot.verticalSpeedHold = true;
  simhost::FlightModel model;
  for (auto _ : state) model.Step(autopilot, 0.0);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FlightModelStep);

// On a coupled ILS approach: both NAV receivers tuned to the localizer and
// glide slope, the autopilot flying them with the flight model, the DFGS's
// approach logic at work.
void BM_LifecycleTickCoupledApproach(benchmark::State& state) {
  simhost::SimHost& host = RunningCockpit();
  bench::IrsInNav();
  if (std::string error = host.Radios().AddIls("LSZH", "14", 110.30); !error.empty()) {
    state.SkipWithError(error.c_str());
    return;
  }
  // 8 NM out on the centreline of runway 14 at 3000 ft, 160 kt.
  const bench::TokenValue tokens[] = {
      {Token::OnGround, 0},              {Token::AltitudeFt, 3000},        {Token::IndicatedAirspeedKt, 160},
      {Token::HeadingDeg, 137.3},        {Token::Engine1Combustion, 1},    {Token::Engine2Combustion, 1},
      {Token::Engine1Throttle, 6000},    {Token::Engine2Throttle, 6000},   {Token::MaxOperatingSpeed, 340},
      {Token::MaxOperatingMach, 0.84},   {Token::Nav1Frequency, 0x1030},   {Token::Nav2Frequency, 0x1030},
      {Token::Nav1CourseDeg, 134},       {Token::Nav2CourseDeg, 134},      {Token::Latitude, 47.5816},
      {Token::Longitude, 8.3983}};
  bench::SetTokens(host, tokens);
  host.SetGroundElevation(1402);
  host.SetFlightModel(true);
  host.Module().MoveControl("FGCP PANEL", "autopilot", 1);
  host.Module().MoveControl("DFGS", "dfgs.at_switch", 41);
  host.Module().MoveControl("FGCP PANEL", "ils", 1);
  host.RunSeconds(30);
  if (!host.Radios().Receiver(1).signal) state.SkipWithError("no localizer");
  for (auto _ : state) host.RunTicks(1);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LifecycleTickCoupledApproach);

// The two NAV receivers alone, tuned to a VOR/DME and an ILS, with the
// shipped navaids and one ILS.
void BM_RadioNavUpdate(benchmark::State& state) {
  simhost::SimHost& host = RunningCockpit();
  host.Radios().AddIls("LSZH", "16", 111.10);
  host.SetToken(Token::Nav1Frequency, 0x1110);
  host.SetToken(Token::Nav2Frequency, 0x1005);
  host.SetToken(Token::AltitudeFt, 5000);
  for (auto _ : state) host.Radios().Update();
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RadioNavUpdate);

}  // namespace
