// The simulator's engines and fuel tanks.
#include "simhost/engine_model.h"

#include <algorithm>
#include <cmath>

#include "simhost/engine_constants.h"
#include "simhost/sim_tokens.h"

namespace simhost {
namespace {

using namespace engine;

constexpr double kPi = 3.14159265358979323846;

// The token variables and key events of one engine.
struct EngineTokens {
  Token throttle;
  Token mixture;
  Token combustion;
  Token fuelFlow;
  Token egt;
  Token oilPressure;
  Token hydraulicOutput;
  Token starter;
  Token n1;
  Token n2;
  Token selector;
  uint32_t starterToggleEvent;
  uint32_t mixtureCutEvent;
  uint32_t mixtureRichEvent;  // the fuel lever on: the mixture full
  uint32_t mixtureLeanEvent;  // the fuel lever off: the mixture cut
};
constexpr EngineTokens kEngines[2] = {
    {Token::Engine1Throttle, Token::Engine1Mixture, Token::Engine1Combustion, Token::Engine1FuelFlow,
     Token::Engine1Egt, Token::Engine1OilPressure, Token::Engine1HydraulicOutput, Token::Engine1Starter,
     Token::Engine1N1Pct, Token::Engine1N2Pct, Token::Engine1FuelSelector, 66300, 65919, 65983, 65987},
    {Token::Engine2Throttle, Token::Engine2Mixture, Token::Engine2Combustion, Token::Engine2FuelFlow,
     Token::Engine2Egt, Token::Engine2OilPressure, Token::Engine2HydraulicOutput, Token::Engine2Starter,
     Token::Engine2N1Pct, Token::Engine2N2Pct, Token::Engine2FuelSelector, 66301, 65920, 65988, 65992},
};

// Tank selector values: 2 left, 3 right, 6 centre; anything else draws from
// every tank (the simulator's "all").
constexpr double kSelectLeft = 2.0;
constexpr double kSelectRight = 3.0;
constexpr double kSelectCenter = 6.0;
constexpr Token kTanks[3] = {Token::FuelLeftGal, Token::FuelCenterGal, Token::FuelRightGal};

// A token as a usable number: NaN, infinite or out of range gives the fallback.
double Sane(double value, double low, double high, double fallback) {
  return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
}
double Gallons(Token tank) { return Sane(GetToken(tank), 0.0, 1e9, 0.0); }

double LbPerGallon() {
  const double lbPerGallon = GetToken(Token::FuelWeightLbPerGallon);
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
    SetToken(kTanks[i], std::max(0.0, Gallons(kTanks[i]) - gallonsEach));
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
      SetToken(tokens.starter, GetToken(tokens.starter) != 0.0 ? 0.0 : 1.0);
      return true;
    }
    if (event == tokens.mixtureCutEvent || event == tokens.mixtureLeanEvent) {
      SetToken(tokens.mixture, 0.0);
      return true;
    }
    if (event == tokens.mixtureRichEvent) {
      SetToken(tokens.mixture, kFullForwardThrottle);
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
  for (Token tank : kTanks) gallons += Gallons(tank);
  SetToken(Token::TotalFuelWeightLb, gallons * LbPerGallon());
}

void EngineModel::StepEngine(int index, double seconds) {
  const EngineTokens& tokens = kEngines[index];
  const bool starterOn = GetToken(tokens.starter) != 0.0;
  const double mixture = Sane(GetToken(tokens.mixture), 0.0, kFullForwardThrottle, 0.0);
  const double oatDegC = Sane(GetScaledToken(Token::AmbientTemp), -90.0, 60.0, 15.0);
  if (!driving_[index]) {
    if (!starterOn && mixture == 0.0) return;
    driving_[index] = true;
    egtDegC_[index] = oatDegC;
  }
  double n2 = Sane(GetToken(tokens.n2), 0.0, 110.0, 0.0);
  const uint32_t tanks = SelectedTanks(GetToken(tokens.selector));
  int tanksWithFuel = 0;
  const bool fuel = mixture >= kMixtureFuelOnMin && FuelAvailable(tanks, &tanksWithFuel) > 0.0;
  bool burning = GetToken(tokens.combustion) != 0.0 && fuel;
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
      const double demand = DemandOf(Sane(GetToken(tokens.throttle), -kFullReverseThrottle, kFullForwardThrottle, 0.0));
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

  SetToken(tokens.combustion, burning ? 1.0 : 0.0);
  SetToken(tokens.n2, n2);
  SetToken(tokens.n1, N1Of(n2));
  SetToken(tokens.fuelFlow, fuelFlowPph);
  SetToken(tokens.egt, EgtTokenFromDegC(egtDegC_[index]));
  SetToken(tokens.oilPressure, OilPressureTokenFromPsi(oilPsi));
  SetScaledToken(tokens.hydraulicOutput, hydraulicPsi);
  Burn(tanks, fuelFlowPph * seconds / 3600.0);
}

}  // namespace simhost
