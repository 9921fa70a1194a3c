// The thrust rating panel: the engine thrust rating (take-off, flexible
// take-off with an assumed temperature, go-around, maximum continuous, climb,
// cruise) and the EPR limit it gives. Reads altitude, Mach, the static air
// temperature and the reserve-thrust state; the EPR bugs and the autothrottle's
// EPR mode follow the limit.
#pragma once

#include <cstdint>

namespace halcyon {

enum TrpMode : int32_t {
  kTrpNone = 0,
  kTrpTakeoff = 1,
  kTrpFlexTakeoff = 2,
  kTrpGoAround = 3,
  kTrpMaxContinuous = 4,
  kTrpClimb = 5,
  kTrpCruise = 6,
};
// The limit shown from start-up until the first computation.
constexpr double kTrpStartupEprLimit = 2.08;

void LoadTrp();
void UpdateTrp();
void SaveTrp();

// Stores 0..6 (anything else as 0); a take-off thrust clamp of the flight
// guidance then becomes its EPR-limit mode.
void SetTrpMode(int32_t mode);
int32_t GetTrpMode();
// The EPR limit of the current mode, recomputed twice a second; 0.0 for none.
double GetTrpTarget();
// The rating temperature in degrees C for a static air temperature in
// degrees C and a Mach number.
double ComputeRatingTemperature(double staticAirTempDegC, double mach);

// The flexible take-off assumed temperature, in the unit system's unit:
// 0..140 degrees F, or 0..59 degrees C when metric; 0 at start-up, not saved.
int32_t GetTrpAssumedTemp();
void IncTrpAssumedTemp();
void DecTrpAssumedTemp();
void ClearTrpAssumedTemp();
// Converts it to the other unit; called by the unit system before its flag
// changes, so it reads the unit being left.
void ConvertTrpAssumedTemp();

// The panel's test button: 0 pressed (test flag on, mode 0), anything else released.
void SetTrpButton(int32_t released);
int32_t GetTrpFlag();
// A mode button of the panel: selects the mode, or none when it is already
// selected; every button but T/O FLX clears the assumed temperature.
void PressTrpModeButton(int32_t mode);

}  // namespace halcyon
