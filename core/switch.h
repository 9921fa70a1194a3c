// Switch-state records: the position of every cockpit control (switch, knob,
// lever, selector, button, guard, handle) and of several sequencers, with two
// tick timers for spring-loaded and timed controls. Mouse functions and
// keyboard commands write positions, system steps read them on the next tick,
// and each system saves them as "%d".
#pragma once

#include <cstdint>

namespace halcyon {

// Position codes shared by every control; each system's header names its own.
enum SwitchPosition : int32_t {
  kSwitchOn = 41,           // on, pressed
  kSwitchOff = 120,         // off, neutral; any code outside 0..138 is stored as this
  kSwitchSequenceEnd = 131,
};
constexpr int32_t kSwitchPositionMax = 138;
constexpr int32_t kSwitchFlagBandFirst = 120;
constexpr int32_t kSwitchFlagBandLast = 134;

// A plain record, zero at load: position 0, flag 0, no timer.
struct CSwitch {
  int32_t position;
  uint32_t flag;           // 1 while the position is in the off/neutral band 120..134
  uint32_t timerRunning;   // the timed move of UpdateTimedSwitch is counting
  double duration;         // of the timed move, in TICK18 ticks
  uint32_t timerArmed;     // the delayed move of StartTickTimerTo is pending
  int32_t targetPosition;  // what the delayed move stores
  double deadline;         // TICK18; shared by both timers
};

int32_t GetSwitch(const CSwitch* record);
uint32_t GetSwitchFlag(const CSwitch* record);
void SetSwitch(CSwitch* record, int32_t position);
// In the systems' steps a control counts as on when its flag is clear.
inline bool IsSwitchOn(const CSwitch* record) { return GetSwitchFlag(record) == 0; }

CSwitch* InitTimedSwitch(CSwitch* record, double durationTicks);
// Once per tick: a control seen in fromPos moves to toPos on the first tick
// strictly later than its duration after it was first seen there.
void UpdateTimedSwitch(CSwitch* record, int32_t fromPos, int32_t toPos);
void StartTickTimer(CSwitch* record);
void StartTickTimerTo(CSwitch* record, int32_t targetPos, double durationTicks);
void PollTickTimer(CSwitch* record);
// Drops the delayed move of StartTickTimerTo, if one is pending.
void CancelTickTimer(CSwitch* record);

// Engine 1 or 2 running, from the simulator's combustion tokens; 0 otherwise.
uint32_t IsEngineRunning(int32_t engine);
// The simulator's on-ground token.
uint32_t IsSimVar60Set();

}  // namespace halcyon
