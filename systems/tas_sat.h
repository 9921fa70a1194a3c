// The TAS/SAT indicator: true airspeed and air temperatures for the gauge,
// its tooltip and the thrust rating.
#pragma once

namespace halcyon {

// Filled in by the TAS/SAT system; 0.0 until then.
double GetTrueAirspeed();   // knots
double GetTotalAirTemp();   // the simulator's air temperature
double GetStaticAirTemp();  // degrees F or C by the unit system

}  // namespace halcyon
