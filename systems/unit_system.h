// The unit system: pounds and degrees Fahrenheit, or kilograms and degrees
// Celsius. Follows the simulator's units-of-measure setting (token 335) twice
// a second and keeps the last one in [UNIT SYSTEM]; on a change it converts
// the thrust rating panel's assumed temperature and recomputes the SAT.
#pragma once

#include <cstdint>

namespace halcyon {

constexpr double kKgPerLb = 0.453592;

void LoadUnitSystem();
void UpdateUnitSystem();
void SaveUnitSystem();

// 0 for pounds and degrees F; 1 or 2 (as the simulator gives it, or any value
// the INI file held until the first update) for kilograms and degrees C.
int32_t IsMetricUnits();
// Weights are held in pounds and shown in kilograms when metric.
double ToDisplayWeight(double pounds);
// Temperatures are held in degrees C and shown in degrees F unless metric.
double ToDisplayTemp(double degC);

}  // namespace halcyon
