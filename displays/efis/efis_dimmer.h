// The EFIS dimmer and switching panels: the EFIS source selector ([EFIS
// SWITCHING]), the PFD, ND and weather-picture dimmers ([EFIS DIMMER]), the
// EFIS test button and the radio decision height with its alert flag, which
// arms 100 ft above the decision height and drops below it or on the ground.
// Reads the radio height and the on-ground flag.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// Source selector: normal, both displays on IRS 1, both on IRS 2.
enum EfisSource : int32_t { kEfisSourceNormal = 43, kEfisSourceIrs1 = 53, kEfisSourceIrs2 = 54 };
extern CSwitch g_efisSourceSwitch;

enum EfisDimmerIndex : int32_t { kDimmerPfd = 0, kDimmerNd = 1, kDimmerWeather = 2 };
constexpr int32_t kEfisDimmerCount = 3;

// The test button: pressed 41, released 120.
constexpr int32_t kEfisTestPressed = kSwitchOn;
constexpr int32_t kEfisTestReleased = kSwitchOff;

constexpr double kDecisionHeightUnsetFt = -1.0;
constexpr double kDecisionHeightMaxFt = 999.0;

void LoadEfisSwitching();
void SaveEfisSwitching();
// The test button, the dimmers, the alert and the decision height.
void LoadEfisDimmer();
void SaveEfisDimmer();

// Dimmer n (0..2) set to v when 0 <= v <= 1; anything else is ignored.
void SetEfisDimmer(int32_t n, double v);
// A tenth up or down, held within 0..1; other n ignored.
void TurnEfisDimmerUp(int32_t n);
void TurnEfisDimmerDown(int32_t n);
// Dimmer n; 0.0 for any other n.
double GetEfisDimmer(int32_t n);

// Only 41 and 120 are taken.
void SetEfisTestSwitch(int32_t position);
// The button pressed while on the ground.
uint32_t IsEfisTestActive();

// Feet; held within -1 (not set) .. 999.
void SetDecisionHeight(double feet);
double GetDecisionHeight();
// A foot a click, the fast-click multiplier while the knob is turned fast.
void IncrementDecisionHeight();
void DecrementDecisionHeight();
void SetDecisionHeightAlert(uint32_t value);
uint32_t GetDecisionHeightAlert();
// Per tick; acts three times a second.
void UpdateDecisionHeightAlert();

}  // namespace halcyon
