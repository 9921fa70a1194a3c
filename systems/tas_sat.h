// The TAS/SAT indicator: true airspeed from ground speed and the wind along
// the heading, and the static air temperature in the unit system's unit.
// Reads the wind, ground speed, heading and temperature tokens; the unit
// system's step recomputes the SAT.
#pragma once

#include <cstdint>

namespace halcyon {

void InitTasSat();

// The temperature button: 1 while held (the SAT shown), 0 released.
void SetTasSatState(int32_t state);
int32_t GetTasSatState();

double GetTrueAirspeed();  // knots, from the tokens on each call
double GetTotalAirTemp();  // the simulator's air temperature, on each call
double GetOutsideAirTempDegC();  // the simulator's ambient temperature, on each call
void UpdateStaticAirTemp();
// Degrees F with unit system 0, degrees C otherwise; within -99..99.
double GetStaticAirTemp();

}  // namespace halcyon
