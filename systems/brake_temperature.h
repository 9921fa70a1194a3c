// Brake temperatures: what the brake temperature dial and its tooltip read.
#pragma once

namespace halcyon {

// The temperature the selector picks (0 without panel power, 450 while the
// test button is held); filled in by the brake temperature model, 0.0 until then.
double GetSelectedBrakeTemperature();

}  // namespace halcyon
