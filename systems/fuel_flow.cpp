// [FUEL FLOW] of HalcyonPro.ini and the fuel-used counters.
#include "systems/fuel_flow.h"

#include <cmath>

#include "core/helpers.h"
#include "core/ini_values.h"
#include "core/panel_services.h"

namespace halcyon {
namespace {

constexpr const wchar_t* kSection = L"FUEL FLOW";
constexpr const wchar_t* kKeys[2] = {L"eng1_fuel_used_pounds", L"eng2_fuel_used_pounds"};
constexpr Token kFuelFlows[2] = {Token::Engine1FuelFlow, Token::Engine2FuelFlow};

struct FuelUsed {
  double usedLb;
  double lastTotalLb;
};
FuelUsed g_engines[2]{};

double InRangeOrZero(double value) { return value > 0.0 && value < kFuelUsedWrapLb ? value : 0.0; }

// A flow the simulator gives as NaN or below zero counts as none.
double FlowOf(int32_t i) {
  const double flow = ReadToken(kFuelFlows[i]);
  return std::isfinite(flow) && flow > 0.0 ? flow : 0.0;
}

// An engine's share of a drop; with both flows at zero (the ratio undefined)
// the drop is split evenly, since the fuel did go.
double ShareOf(int32_t i) {
  const double total = FlowOf(0) + FlowOf(1);
  return total > 0.0 ? FlowOf(i) / total : 0.5;
}

}  // namespace

void LoadFuelFlow() {
  const double totalLb = ReadToken(Token::TotalFuelWeightLb);
  for (int32_t i = 0; i < 2; ++i) {
    // The five digits of the counter need a buffer wider than a switch's.
    SetFuelUsed(i + 1, ReadIniReal(kSection, kKeys[i], L"0"), totalLb);
  }
}

// A refuelling (the total rising) adds nothing and rebases the comparison.
void UpdateFuelFlow() {
  const double totalLb = ReadToken(Token::TotalFuelWeightLb);
  if (!std::isfinite(totalLb) || totalLb < 0.0) return;
  for (int32_t i = 0; i < 2; ++i) {
    FuelUsed& engine = g_engines[i];
    if (totalLb < engine.lastTotalLb) engine.usedLb += (engine.lastTotalLb - totalLb) * ShareOf(i);
    engine.lastTotalLb = totalLb;
    if (engine.usedLb >= kFuelUsedWrapLb) engine.usedLb -= kFuelUsedWrapLb;
  }
}

void SaveFuelFlow() {
  for (int32_t i = 0; i < 2; ++i) WriteIniInt(kSection, kKeys[i], TruncateSaturated<int32_t>(g_engines[i].usedLb));
}

void SetFuelUsed(int32_t engine, double usedLb, double lastTotalLb) {
  if (engine != 1 && engine != 2) return;
  g_engines[engine - 1] = {InRangeOrZero(usedLb), InRangeOrZero(lastTotalLb)};
}

double GetFuelUsed(int32_t engine) { return engine == 1 || engine == 2 ? g_engines[engine - 1].usedLb : 0.0; }

void ResetFuelUsed() {
  for (FuelUsed& engine : g_engines) engine.usedLb = 0.0;
}

}  // namespace halcyon
