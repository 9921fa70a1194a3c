// [BRAKE TEMPERATURE] of HalcyonPro.ini and the brakes' heating and cooling.
#include "systems/brake_temperature.h"

#include <algorithm>
#include <cmath>

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/electric.h"

namespace halcyon {

CSwitch g_brakeTempSelector{};
CSwitch g_brakeTempTestButton{};
CSwitch g_hotBrakeLamp{};

namespace {

constexpr const wchar_t* kSection = L"BRAKE TEMPERATURE";
constexpr SwitchKey kKeys[] = {{&g_brakeTempSelector, L"temp_selector", L"120"}};
const SavedControls kSavedControls{kSection, kKeys};

// Pedal (0..32767) times knots over this is the heat of one step.
constexpr double kHeatDivisor = 327670.0;
// The share of the temperature lost in one step, per knot of airflow.
constexpr double kCoolingPerKt = 0.002;

constexpr Token kPedals[2] = {Token::LeftBrakePedal, Token::RightBrakePedal};
double g_temperature[2] = {0.0, 0.0};

// Without an outside temperature (NaN) the brakes start at 0 deg C, so they
// heat and light the lamp once the simulator gives one.
double ColdTemperature() {
  const double outsideDegC = ReadScaledToken(Token::AmbientTemp);
  return std::isfinite(outsideDegC) ? outsideDegC : 0.0;
}

void StepBrake(int32_t brake, double airspeedKt, bool onGround) {
  double& temperature = g_temperature[brake];
  const double pedal = ReadToken(kPedals[brake]);
  if (pedal > kBrakeHeatPedalAbove && airspeedKt > kBrakeHeatAboveKt && onGround) {
    temperature = std::min(temperature + pedal * airspeedKt / kHeatDivisor, kBrakeTempMax);
  } else {
    temperature -= temperature * kCoolingPerKt * (airspeedKt > 1.0 ? airspeedKt : 1.0);
    temperature = std::max(temperature, ColdTemperature());
  }
}

void UpdateHotBrakeLamp() {
  const int32_t lamp = GetSwitch(&g_hotBrakeLamp);
  if ((g_temperature[0] > kHotBrakeOnAbove || g_temperature[1] > kHotBrakeOnAbove) && lamp == kSwitchOff) {
    SetSwitch(&g_hotBrakeLamp, kSwitchOn);
  } else if (g_temperature[0] < kHotBrakeOffBelow && g_temperature[1] < kHotBrakeOffBelow && lamp == kSwitchOn) {
    SetSwitch(&g_hotBrakeLamp, kSwitchOff);
  }
}

}  // namespace

void LoadBrakeTemperature() {
  LoadSwitches(kSection, kKeys);
  SetSwitch(&g_brakeTempTestButton, kSwitchOff);
  SetSwitch(&g_hotBrakeLamp, kSwitchOff);
  g_temperature[0] = g_temperature[1] = ColdTemperature();
}

void UpdateBrakeTemperature() {
  if (IsTickDue(kChannel2Hz) == 0) return;
  const double airspeedKt = ReadToken(Token::IndicatedAirspeedKt);
  const bool onGround = ReadToken(Token::OnGround) != 0.0;
  StepBrake(0, airspeedKt, onGround);
  StepBrake(1, airspeedKt, onGround);
  UpdateHotBrakeLamp();
}

void SaveBrakeTemperature() { SaveSwitches(kSection, kKeys); }

double GetBrakeTemperature(int32_t brake) { return brake == 0 || brake == 1 ? g_temperature[brake] : 0.0; }

double GetSelectedBrakeTemperature() {
  if (IsPanelPowered() == 0) return 0.0;
  if (GetSwitch(&g_brakeTempTestButton) != kSwitchOff) return kBrakeTempTestReading;
  switch (GetSwitch(&g_brakeTempSelector)) {
    case 1:
    case 2: return g_temperature[0];
    case 3: return std::max(g_temperature[0], g_temperature[1]);
    case 4:
    case 5: return g_temperature[1];
    default: return 0.0;
  }
}

}  // namespace halcyon
