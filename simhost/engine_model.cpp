// The simulator's engines and fuel tanks.
#include "simhost/engine_model.h"

#include <algorithm>
#include <cmath>

#include "platform/simulator.h"
#include "simhost/engine_constants.h"

namespace simhost {
namespace {

using namespace engine;

constexpr double kPi = 3.14159265358979323846;

// The token variables of one engine.
struct EngineTokens {
  uint32_t throttle;
  uint32_t mixture;
  uint32_t combustion;
  uint32_t fuelFlow;
  uint32_t egt;
  uint32_t oilPressure;
  uint32_t hydraulicOutput;
  uint32_t starter;
  uint32_t n1;
  uint32_t n2;
  uint32_t selector;
  uint32_t starterToggleEvent;
  uint32_t mixtureCutEvent;
  uint32_t mixtureRichEvent;  // the fuel lever on: the mixture full
  uint32_t mixtureLeanEvent;  // the fuel lever off: the mixture cut
};
constexpr EngineTokens kEngines[2] = {
    {128, 130, 131, 138, 144, 148, 150, 563, 624, 625, 307, 66300, 65919, 65983, 65987},
    {163, 165, 166, 173, 179, 183, 185, 573, 643, 644, 906, 66301, 65920, 65988, 65992},
};

constexpr uint32_t kTokenFuelRightGal = 303;
constexpr uint32_t kTokenFuelLeftGal = 304;
constexpr uint32_t kTokenFuelCenterGal = 305;
constexpr uint32_t kTokenFuelLbPerGallon = 306;
constexpr uint32_t kTokenAmbientDegCBy256 = 350;
constexpr uint32_t kTokenTotalFuelWeightLb = 791;

// Tank selector values: 2 left, 3 right, 6 centre; anything else draws from
// every tank (the simulator's "all").
constexpr double kSelectLeft = 2.0;
constexpr double kSelectRight = 3.0;
constexpr double kSelectCenter = 6.0;
constexpr uint32_t kTanks[3] = {kTokenFuelLeftGal, kTokenFuelCenterGal, kTokenFuelRightGal};

double Get(uint32_t token) { return platform::sim::GetToken(token); }
void Set(uint32_t token, double value) { platform::sim::SetToken(token, value); }

// A token as a usable number: NaN, infinite or out of range gives the fallback.
double Sane(double value, double low, double high, double fallback) {
  return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
}
double Gallons(uint32_t tank) { return Sane(Get(tank), 0.0, 1e9, 0.0); }

double LbPerGallon() {
  const double lbPerGallon = Get(kTokenFuelLbPerGallon);
  return std::isfinite(lbPerGallon) && lbPerGallon > 0.0 ? lbPerGallon : kDefaultFuelLbPerGallon;
}

// The tanks an engine draws from, as a bit per kTanks entry.
uint32_t SelectedTanks(double selector) {
  if (selector == kSelectLeft) return 1u;
  if (selector == kSelectCenter) return 2u;
  if (selector == kSelectRight) return 4u;
  return 7u;
}

// Gallons in the selected tanks that still hold fuel, and how many they are.
double FuelAvailable(uint32_t tanks, int* tanksWithFuel) {
  double gallons = 0.0;
  *tanksWithFuel = 0;
  for (int i = 0; i < 3; ++i) {
    if ((tanks & (1u << i)) == 0 || Gallons(kTanks[i]) <= 0.0) continue;
    gallons += Gallons(kTanks[i]);
    ++*tanksWithFuel;
  }
  return gallons;
}

// Burns evenly from the selected tanks that hold fuel.
void Burn(uint32_t tanks, double pounds) {
  int tanksWithFuel = 0;
  if (FuelAvailable(tanks, &tanksWithFuel) <= 0.0 || pounds <= 0.0) return;
  const double gallonsEach = pounds / LbPerGallon() / tanksWithFuel;
  for (int i = 0; i < 3; ++i) {
    if ((tanks & (1u << i)) == 0 || Gallons(kTanks[i]) <= 0.0) continue;
    Set(kTanks[i], std::max(0.0, Gallons(kTanks[i]) - gallonsEach));
  }
}

// Power above idle, 0..1, from N2.
double PowerOf(double n2Pct) { return std::clamp((n2Pct - kIdleN2Pct) / (kMaxN2Pct - kIdleN2Pct), 0.0, 1.0); }

// The throttle's power demand, 0..1; the reverse range gives a share of it.
double DemandOf(double throttle) {
  if (throttle >= 0.0) return std::min(1.0, throttle / kFullForwardThrottle);
  return std::min(1.0, -throttle / kFullReverseThrottle) * kReversePowerShare;
}

double N1Of(double n2Pct) {
  if (n2Pct <= kIdleN2Pct) return n2Pct * kIdleN1Pct / kIdleN2Pct;
  return kIdleN1Pct + PowerOf(n2Pct) * (kMaxN1Pct - kIdleN1Pct);
}

double Lag(double value, double target, double timeConstantS, double seconds) {
  return value + (target - value) * (1.0 - std::exp(-seconds / timeConstantS));
}

}  // namespace

double EgtTokenFromDegC(double degC) {
  // The inverse of the engine display's three segments (0..2000, 2000..3600,
  // 3600 up); the gap between the first two reads as the first's top.
  if (degC >= 310.0) return 3600.0 + (degC - 310.0) * 14.375;
  if (degC >= 39.3015205879) return 2000.0 + (degC - 39.3015205879) * 5.91063534408;
  return std::clamp(degC * 91.5995092849, 0.0, 1999.0);
}

double OilPressureTokenFromPsi(double psi) {
  if (psi >= 40.0) return 6500.0 + (psi - 40.0) * 800.0;
  return std::max(0.0, psi * 162.5);
}

bool EngineModel::ApplyKeyEvent(uint32_t event, uint32_t) {
  for (const EngineTokens& tokens : kEngines) {
    if (event == tokens.starterToggleEvent) {
      Set(tokens.starter, Get(tokens.starter) != 0.0 ? 0.0 : 1.0);
      return true;
    }
    if (event == tokens.mixtureCutEvent || event == tokens.mixtureLeanEvent) {
      Set(tokens.mixture, 0.0);
      return true;
    }
    if (event == tokens.mixtureRichEvent) {
      Set(tokens.mixture, kFullForwardThrottle);
      return true;
    }
  }
  return false;
}

void EngineModel::Step(double seconds) {
  for (int i = 0; i < 2; ++i) StepEngine(i, seconds);
  UpdateFuelWeight();
}

void EngineModel::UpdateFuelWeight() {
  double gallons = 0.0;
  for (uint32_t tank : kTanks) gallons += Gallons(tank);
  Set(kTokenTotalFuelWeightLb, gallons * LbPerGallon());
}

void EngineModel::StepEngine(int index, double seconds) {
  const EngineTokens& tokens = kEngines[index];
  const bool starterOn = Get(tokens.starter) != 0.0;
  const double mixture = Sane(Get(tokens.mixture), 0.0, kFullForwardThrottle, 0.0);
  const double oatDegC = Sane(Get(kTokenAmbientDegCBy256) * 256.0, -90.0, 60.0, 15.0);
  if (!driving_[index]) {
    if (!starterOn && mixture == 0.0) return;
    driving_[index] = true;
    egtDegC_[index] = oatDegC;
  }
  double n2 = Sane(Get(tokens.n2), 0.0, 110.0, 0.0);
  const uint32_t tanks = SelectedTanks(Get(tokens.selector));
  int tanksWithFuel = 0;
  const bool fuel = mixture >= kMixtureFuelOnMin && FuelAvailable(tanks, &tanksWithFuel) > 0.0;
  bool burning = Get(tokens.combustion) != 0.0 && fuel;
  // Light-off: fuel at the igniters above the light-off speed for the delay.
  const bool igniting = !burning && fuel && n2 >= kLightOffMinN2Pct;
  fuelOnS_[index] = igniting ? fuelOnS_[index] + seconds : 0.0;
  if (igniting && fuelOnS_[index] >= kLightOffDelayS) {
    burning = true;
    fuelOnS_[index] = 0.0;
    lightOffN2_[index] = std::min(n2, kIdleN2Pct - 2.0);
  }

  const bool starting = burning && n2 < kIdleN2Pct - 1.0;
  // The share of the way from light-off to idle.
  const double startShare =
      std::clamp((n2 - lightOffN2_[index]) / (kIdleN2Pct - lightOffN2_[index]), 0.0, 1.0);
  if (starting) {
    n2 += (kStartAccelMinPctPerS + kStartAccelPeakPctPerS * std::sin(kPi * startShare)) * seconds;
  } else {
    double targetN2 = starterOn ? kStarterMaxN2Pct : 0.0;
    double timeConstantS = starterOn && n2 < kStarterMaxN2Pct ? kStarterSpinUpS : kSpinDownS;
    if (burning) {
      const double demand = DemandOf(Sane(Get(tokens.throttle), -kFullReverseThrottle, kFullForwardThrottle, 0.0));
      targetN2 = kIdleN2Pct + demand * (kMaxN2Pct - kIdleN2Pct);
      timeConstantS = kSpoolS;
    }
    n2 = Lag(n2, targetN2, timeConstantS, seconds);
  }

  const double power = PowerOf(n2);
  double fuelFlowPph = 0.0;
  double egtTargetDegC = oatDegC;
  if (burning || igniting) {
    fuelFlowPph = starting || igniting ? kIdleFuelFlowPph * n2 / kIdleN2Pct
                                       : kIdleFuelFlowPph + power * (kTakeoffFuelFlowPph - kIdleFuelFlowPph);
  }
  if (starting) {
    egtTargetDegC = kIdleEgtDegC + (kStartPeakEgtDegC - kIdleEgtDegC) * std::sqrt(std::sin(kPi * startShare));
  } else if (burning) {
    egtTargetDegC = kIdleEgtDegC + power * (kTakeoffEgtDegC - kIdleEgtDegC);
  }
  egtDegC_[index] = Lag(egtDegC_[index], egtTargetDegC, burning ? kEgtRiseS : kEgtCoolS, seconds);
  const double oilPsi = kIdleOilPsi * std::min(1.0, n2 / kIdleN2Pct) + power * (kTakeoffOilPsi - kIdleOilPsi);
  const double hydraulicPsi = kHydraulicPumpPsi * std::min(1.0, n2 / kHydraulicFullN2Pct);

  Set(tokens.combustion, burning ? 1.0 : 0.0);
  Set(tokens.n2, n2);
  Set(tokens.n1, N1Of(n2));
  Set(tokens.fuelFlow, fuelFlowPph);
  Set(tokens.egt, EgtTokenFromDegC(egtDegC_[index]));
  Set(tokens.oilPressure, OilPressureTokenFromPsi(oilPsi));
  Set(tokens.hydraulicOutput, hydraulicPsi * kHydraulicOutputPerPsi);
  Burn(tanks, fuelFlowPph * seconds / 3600.0);
}

}  // namespace simhost
