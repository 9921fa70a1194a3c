// Inertial reference: two units, each with an OFF/ALIGN/NAV/ATT selector.
// A unit switched on runs a self-test, then aligns for a time that grows
// with latitude, and enters NAV or ATT once aligned and the FMS holds a
// position; moving the aircraft during test or alignment faults it. Reads
// TICK18, the latitude (71), the ground speed (832), the power state and
// option "irs_fast_start_realign"; tells the FMS whether an alignment runs
// and answers the displays' validity questions.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// Selector and state positions.
enum IrsPosition : int32_t {
  kIrsSelfTest = 47,
  kIrsAlign = 113,
  kIrsAligned = 114,   // aligned, waiting for the FMS position (or left at ALIGN)
  kIrsNav = 115,
  kIrsAtt = 116,
  kIrsOff = 120,
  kIrsFault = 123,     // moved during test or alignment
};

// [IRS] "switch1" / "switch2", default 120: the mode selectors. Each loads
// into its unit's state too, so a unit saved in NAV starts in NAV.
extern CSwitch g_irs1Selector;
extern CSwitch g_irs2Selector;
extern CSwitch g_irs1State;
extern CSwitch g_irs2State;

// The units as the IRS gauge names them.
constexpr int32_t kIrsUnit1 = 65;
constexpr int32_t kIrsUnit2 = 66;
// In TICK18 ticks; with the fast option the test and the alignment take the
// short time each and movement does no harm.
constexpr double kIrsSelfTestTicks = 180.0;
constexpr double kIrsFaultTicks = 180.0;
constexpr double kIrsFastTicks = 54.0;
// Ground speed (832) above this is movement, below it standing still.
constexpr double kIrsMovingAbove = 1.0;

void LoadIrs();
void UpdateIrs();
void SaveIrs();
// The gauge's selector: unit 65 or 66, position 113 (a realignment when the
// unit is on), 115, 116, or anything else for OFF.
void HandleIrsSwitch(int32_t unit, int32_t position);
// The alignment time at the aircraft's latitude, ticks.
double GetIrsAlignmentTicks();
// The state of unit 1 or 2 (OFF for any other).
int32_t GetIrsStatusPosition(int32_t unit);

// By the EFIS source selector: whether the chosen unit(s) give attitude,
// heading and navigation data.
uint32_t IsIrsAttitudeValid();
uint32_t IsIrsHeadingValid();
uint32_t IsIrsNavValid();

}  // namespace halcyon
