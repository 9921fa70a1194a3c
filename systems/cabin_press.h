// Cabin pressurisation: what the cabin meters and their tooltips read.
#pragma once

namespace halcyon {

// Filled in by the pressurisation model; 0.0 until then.
double GetCabinAltitude();      // feet
double GetCabinDiffPressure();  // psi
double GetCabinRate();          // feet a second, climbing positive

}  // namespace halcyon
