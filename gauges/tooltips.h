// The numbers the gauges' tooltips show: one callback per placeholder of a
// tooltip text, read when the pilot hovers the gauge.
#pragma once

namespace halcyon {

double AirspeedTooltipIas();              // knots
double AirspeedTooltipMach();             // Mach
double AltimeterTooltipAltitude();        // feet
double AltimeterTooltipMillibar();        // millibars
double AltimeterTooltipInHg();            // inches of mercury
double BrakeTemperatureTooltipTemperature();
double CabinClimbTooltipRate();           // feet a minute
double CabinPressureIndicatorTooltipAltitude();       // feet
double CabinPressureIndicatorTooltipDiffPressure();   // psi
double ClockTooltipHour();                // hours
double ClockTooltipMinute();              // minutes
double EngineFireTooltipAgent1();         // percent left in bottle 1
double EngineFireTooltipAgent2();         // percent left in bottle 2
double StandbyCombiTooltipAirspeed();     // knots
double StandbyCombiTooltipAltitude();     // feet
double StandbyCombiTooltipInHg();         // inches of mercury
double StandbyCombiTooltipMillibar();     // millibars
double TasSatTooltipSat();
double TasSatTooltipTas();                // knots
double TasSatTooltipTat();

}  // namespace halcyon
