// The state the ND and PFD keep between frames: display brightness ramps that
// follow the dimmers while the panel has normal power, the ND's heading and
// course readout timers, the decision-height flash sequencer, the ND map's
// scratch lists, the weather noise table, the flight-director bar thickness
// ([EFIS PFD]), and two small evaluations the drawings share (the active NAV
// receiver's signal, the speed-target error).
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

class CNavPoint;
class CAirport;
class CFix;

// A readout timer shows its readout at 41 and falls back to 120 after 3 s.
constexpr int32_t kReadoutShown = kSwitchOn;
constexpr int32_t kReadoutHidden = kSwitchOff;
constexpr double kReadoutTicks = 54.0;
extern CSwitch g_ndHeadingTimer;
extern CSwitch g_ndCourseTimer;

// The decision-height annunciation: 0 idle, 1..7 its steps, one a second.
constexpr int32_t kDhFlashIdle = 0;
constexpr int32_t kDhFlashFirst = 1;
constexpr int32_t kDhFlashLast = 7;
constexpr double kDhFlashStepTicks = 18.0;
extern CSwitch g_dhFlashSwitch;

// The ND map's search lists, owned here (null while an allocation failed).
extern CNavPoint* g_ndNavaidList;
extern CAirport* g_ndAirportList;
extern CFix* g_ndFixList;

// 64 x 64 blot patterns 0..19 of the weather pictures, entry row x 64 + column.
constexpr uint32_t kRadarNoiseSize = 4096;
constexpr uint32_t kWeatherPatternCount = 20;
extern uint32_t g_radarNoise[kRadarNoiseSize];

// Flight-director bar thickness, design units.
extern double g_fdThickness;

void InitNavDisplay();
void UpdateNavDisplay();
void FreeNavDisplay();
double GetNdBrightness();
void UpdateNdBrightness();
// 1 when the selected NAV receiver's station-code word is non-zero without its bit 8.
uint32_t ActiveNavHasValidSignal();

void LoadEfisPfd();
void UpdateEfisPfd();
void SaveEfisPfd();
double GetPfdBrightness();
void UpdatePfdBrightness();
// Knots within -10..10, positive when the aircraft is slower than its target.
double GetSpeedTargetError();

}  // namespace halcyon
