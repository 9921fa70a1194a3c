// The numbers the gauges' tooltips show: one callback per placeholder of a
// tooltip text, read when the pilot hovers the gauge.
#pragma once

namespace halcyon {

double AirspeedTooltipIas();              // knots, token 61
double AirspeedTooltipMach();             // token 64 / 20480
double AltimeterTooltipAltitude();        // feet, token 74
double AltimeterTooltipMillibar();        // token 75
double AltimeterTooltipInHg();            // token 76
double BrakeTemperatureTooltipTemperature();
double CabinClimbTooltipRate();           // feet a minute
double CabinPressureIndicatorTooltipAltitude();       // feet
double CabinPressureIndicatorTooltipDiffPressure();   // psi
double ClockTooltipHour();                // token 3
double ClockTooltipMinute();              // token 4
double EngineFireTooltipAgent1();         // percent left in bottle 1
double EngineFireTooltipAgent2();         // percent left in bottle 2
double StandbyCombiTooltipAirspeed();     // knots, token 61
double StandbyCombiTooltipAltitude();     // feet, token 74
double StandbyCombiTooltipInHg();         // token 76
double StandbyCombiTooltipMillibar();     // token 75
double TasSatTooltipSat();
double TasSatTooltipTas();                // knots
double TasSatTooltipTat();

}  // namespace halcyon
