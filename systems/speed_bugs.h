// The five speed bugs of the airspeed indicator, in knots: set by the bezel
// knobs, the speed cards and the training situations, read by the callouts and
// the flight guidance, kept in [AIRSPEED].
#pragma once

#include <cstdint>

namespace halcyon {

constexpr int32_t kSpeedBugCount = 5;  // bugs 1..5
constexpr double kSpeedBugMaxKt = 450.0;

void LoadAirspeed();
void SaveAirspeed();

// Stores knots in bug 1..5 when 0 < knots < 450; anything else is ignored.
void SetSpeedBug(int32_t bug, double knots);
// Bug 1..5 in knots; 0.0 for any other bug.
double GetSpeedBug(int32_t bug);

enum SpeedBugDirection : int32_t { kSpeedBugRaise = 0, kSpeedBugLower = 1 };
// One click of a bug knob: 1 knot, or the fast-click multiplier; held within 0..450.
void StepSpeedBug(int32_t bug, int32_t direction);

// A flag word the airspeed gauge writes on each draw; nothing reads it.
void SetSpeedBugFlag(uint32_t value);

}  // namespace halcyon
