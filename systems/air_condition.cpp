// [AIR CONDITION] of HalcyonPro.ini and the cockpit and cabin temperatures.
#include "systems/air_condition.h"

#include <cmath>

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/apu.h"
#include "systems/unit_system.h"

namespace halcyon {

CSwitch g_cockpitTempSwitch{};
CSwitch g_cabinTempSwitch{};
CSwitch g_airSupplyLeftSwitch{};
CSwitch g_airSupplyRightSwitch{};
CSwitch g_tempSelectSwitch{};
CSwitch g_radioRackVenturiSwitch{};

namespace {

constexpr const wchar_t* kSection = L"AIR CONDITION";
constexpr SwitchKey kKeys[] = {
    {&g_cockpitTempSwitch, L"cockpit_temp", L"1"},
    {&g_cabinTempSwitch, L"cabin_temp", L"1"},
    {&g_airSupplyLeftSwitch, L"supply_left", L"120"},
    {&g_airSupplyRightSwitch, L"supply_right", L"120"},
    {&g_tempSelectSwitch, L"temp_select", L"61"},
    {&g_radioRackVenturiSwitch, L"radio_rack_venturi", L"62"},
};
const SavedControls kSavedControls{kSection, kKeys};
constexpr const wchar_t* kValveKeys[2] = {L"l_valve_temp", L"r_valve_temp"};
constexpr double kValveStep = 0.1;

struct AirconSide {
  const CSwitch* autoSwitch;
  const CSwitch* supply;
  CSwitch controlShadow{};  // what the control registry holds: the knob in tenths
  double valveKnob = 0.0;   // the crew's setting, 0.0..6.0, saved
  double target = 0.0;      // the working setting the indicated temperature creeps to
  double indicated = 0.0;
};
AirconSide g_sides[2] = {
    {&g_cockpitTempSwitch, &g_airSupplyLeftSwitch},
    {&g_cabinTempSwitch, &g_airSupplyRightSwitch},
};

// The valve knobs are known by name from the module's load; their movers
// (tenths) are attached at load.
constexpr SwitchKey kKnobKeys[] = {
    {&g_sides[0].controlShadow, kValveKeys[0], nullptr},
    {&g_sides[1].controlShadow, kValveKeys[1], nullptr},
};
const SavedControls kKnobControls{kSection, kKnobKeys};

bool IsSide(int32_t side) { return side == 0 || side == 1; }

// The knob moves in tenths; rounding keeps repeated steps on them.
double ToTenths(double value) { return std::round(value * 10.0) / 10.0; }

void SetTargets() {
  const double oatDegC = ReadToken(Token::OutsideAirTempDegC);
  const bool suppliesOff = IsAirconSupplyOn(0) == 0 && IsAirconSupplyOn(1) == 0;
  for (AirconSide& side : g_sides) {
    if (suppliesOff) {
      // A bad temperature from the simulator leaves the last setting.
      if (std::isfinite(oatDegC)) side.target = IsMetricUnits() == 0 ? ToDisplayTemp(oatDegC) : oatDegC;
    } else if (GetSwitch(side.autoSwitch) == kAirconAutoTemp) {
      side.target = kAirconAutoTargetTemp;
    } else {
      side.target = side.valveKnob;
    }
  }
}

// No stop at the setting: within a step of it the value steps back and forth.
void Creep(AirconSide& side) {
  const double difference = side.target - side.indicated;
  const double step = 0.2 + 0.002 * std::fabs(difference);
  side.indicated += difference > 0.0 ? step : -step;
}

void MoveValveControl(int32_t side, int32_t tenths) { SetAirconValveTemp(side, tenths / 10.0); }

}  // namespace

void LoadAirCondition() {
  LoadSwitches(kSection, kKeys);
  const double oatDegC = ReadToken(Token::OutsideAirTempDegC);
  for (int32_t i = 0; i < 2; ++i) {
    AirconSide& side = g_sides[i];
    side.valveKnob = 0.0;
    SetAirconValveTemp(i, ReadIniReal(kSection, kValveKeys[i], L"0.0"));
    side.target = side.valveKnob;
    side.indicated = side.valveKnob * 10.0 + (std::isfinite(oatDegC) ? oatDegC : 0.0);
  }
  // The knobs take tenths.
  constexpr ControlRange kValveTenths{0, static_cast<int32_t>(kAirconValveMax * 10.0)};
  RegisterControl(kSection, kValveKeys[0], &g_sides[0].controlShadow, [](int32_t t) { MoveValveControl(0, t); },
                  nullptr, kValveTenths);
  RegisterControl(kSection, kValveKeys[1], &g_sides[1].controlShadow, [](int32_t t) { MoveValveControl(1, t); },
                  nullptr, kValveTenths);
}

void UpdateAirCondition() {
  SetTargets();
  if (IsTickDue(kChannel1Hz) == 0) return;
  if (IsEngineRunning(1) == 0 && IsEngineRunning(2) == 0 && IsApuAirOn() == 0) return;
  for (AirconSide& side : g_sides) Creep(side);
}

void SaveAirCondition() {
  SaveSwitches(kSection, kKeys);
  for (int32_t i = 0; i < 2; ++i) WriteIniReal(kSection, kValveKeys[i], L"%3.1f", g_sides[i].valveKnob);
}

void SetAirconValveTemp(int32_t side, double value) {
  if (!IsSide(side) || !(value >= 0.0 && value <= kAirconValveMax)) return;
  g_sides[side].valveKnob = value;
  SetSwitch(&g_sides[side].controlShadow, static_cast<int32_t>(std::lround(value * 10.0)));
}

double GetAirconValveTemp(int32_t side) { return IsSide(side) ? g_sides[side].valveKnob : 0.0; }

void IncAirconValveTemp(int32_t side) {
  if (IsSide(side) && g_sides[side].valveKnob < kAirconValveMax) {
    SetAirconValveTemp(side, ToTenths(g_sides[side].valveKnob + kValveStep));
  }
}

void DecAirconValveTemp(int32_t side) {
  if (IsSide(side) && g_sides[side].valveKnob > 0.0) SetAirconValveTemp(side, ToTenths(g_sides[side].valveKnob - kValveStep));
}

double GetAirconIndicatedTemp() { return g_sides[1].indicated; }

uint32_t IsAirconSupplyOn(int32_t side) {
  return IsSide(side) && GetSwitch(g_sides[side].supply) != kSwitchOff ? 1 : 0;
}

}  // namespace halcyon
