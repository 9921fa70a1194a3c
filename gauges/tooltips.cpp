// Tooltip values. Reads token variables through the panel services and the
// fire, pressurisation, brake temperature and TAS/SAT systems' accessors.
#include "gauges/tooltips.h"

#include "core/panel_services.h"
#include "core/switch.h"
#include "systems/brake_temperature.h"
#include "systems/cabin_press.h"
#include "systems/fire_protection.h"
#include "systems/tas_sat.h"

namespace halcyon {
namespace {

// A discharged bottle (its record at 41) is empty, any other is full.
double AgentPercent(const CSwitch& bottle) { return GetSwitch(&bottle) == kSwitchOn ? 0.0 : 100.0; }

}  // namespace

double AirspeedTooltipIas() { return ReadToken(Token::IndicatedAirspeedKt); }
double AirspeedTooltipMach() { return ReadMach(); }
double AltimeterTooltipAltitude() { return ReadToken(Token::AltitudeFt); }
double AltimeterTooltipMillibar() { return ReadToken(Token::AltimeterMb); }
double AltimeterTooltipInHg() { return ReadToken(Token::AltimeterInHg); }
double BrakeTemperatureTooltipTemperature() { return GetSelectedBrakeTemperature(); }
double CabinClimbTooltipRate() { return GetCabinRate() * 60.0; }
double CabinPressureIndicatorTooltipAltitude() { return GetCabinAltitude(); }
double CabinPressureIndicatorTooltipDiffPressure() { return GetCabinDiffPressure(); }
double ClockTooltipHour() { return ReadToken(Token::ClockHour); }
double ClockTooltipMinute() { return ReadToken(Token::ClockMinute); }
double EngineFireTooltipAgent1() { return AgentPercent(g_fireAgent1); }
double EngineFireTooltipAgent2() { return AgentPercent(g_fireAgent2); }
double StandbyCombiTooltipAirspeed() { return ReadToken(Token::IndicatedAirspeedKt); }
double StandbyCombiTooltipAltitude() { return ReadToken(Token::AltitudeFt); }
double StandbyCombiTooltipInHg() { return ReadToken(Token::AltimeterInHg); }
double StandbyCombiTooltipMillibar() { return ReadToken(Token::AltimeterMb); }
double TasSatTooltipSat() { return GetStaticAirTemp(); }
double TasSatTooltipTas() { return GetTrueAirspeed(); }
double TasSatTooltipTat() { return GetTotalAirTemp(); }

}  // namespace halcyon
