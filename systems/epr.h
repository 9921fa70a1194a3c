// The EPR bugs of the engine display and the engine indications: each
// engine's bug is set by hand or follows the thrust rating panel's limit.
// Reads the simulator's engine variables and altitude; gives the autothrottle
// the throttle position for an EPR target.
#pragma once

#include <cstdint>

namespace halcyon {

constexpr double kEprBugMin = 0.8;
constexpr double kEprBugMax = 2.5;
enum EprBugMode : int32_t { kEprBugManual = 0, kEprBugTrp = 1 };

// One engine's bug record.
struct EprBug {
  int32_t mode;    // 0 manual bug shown, 1 TRP bug shown
  double bug;      // manual, 0.8..2.5
  double trpBug;   // follows the TRP limit, 0.8..2.5
};
extern EprBug g_eprBug1;
extern EprBug g_eprBug2;

void LoadEpr();
void UpdateEpr();
void SaveEpr();

void SetEprBug(EprBug* record, double value);
void SetEprTrpBug(EprBug* record, double value);
double GetEprBug(const EprBug* record);
double GetEprTrpBug(const EprBug* record);
void SetEprBugMode(EprBug* record, int32_t value);
int32_t GetEprBugMode(const EprBug* record);
void ToggleEprBugMode(EprBug* record);
void IncEprBug(EprBug* record);
void DecEprBug(EprBug* record);

// EPR of engine 1 or 2 from its turbine speed, corrected above 11000 ft;
// -1.0 (corrected too) for any other engine.
double GetEprDisplayValue(int32_t engine);
// The secondary and engine display panels' indications of engine 1 or 2; 0.0 for any other.
double GetSdpValue(int32_t engine);
double GetEdpValue(int32_t engine);
// x truncated down to a multiple of n (the digit drums); 0 for negative x,
// the truncated x for n = 0.
double RoundDownToMultiple(double x, uint32_t n);
// The throttle position (the throttle-set key event's value) for an EPR
// target; airborne it corrects by the error to the current EPR.
int32_t EprToThrottlePosition(double target, double current);

}  // namespace halcyon
