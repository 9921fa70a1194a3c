// The radio panels of the pedestal: two ADF control heads with digit wheels,
// two VHF communication radios, the active NAV unit and the transponder with
// its TCAS controls. The simulator receives; this module tunes it with key
// events and reads its frequencies back. Reads the COMM frequencies (16-bit
// BCD, "1ab.cd" MHz), the NAV courses and the on-ground token; drives the
// simulator's ADF, COMM and NAV course settings.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// ---- ADF ----
// Wheels 0..3: ADF 1 hundreds, tens, units and ext; 4..7 the same for ADF 2.
constexpr uint32_t kAdfWheelCount = 8;
constexpr uint32_t kAdf2FirstWheel = 4;
extern CSwitch g_adfTransferSwitch;  // [ADF] "tfr_switch", default 74
extern CSwitch g_adfA1Switch;        // "a1_switch", default 43 (gauges only)
extern CSwitch g_adfAntennaSwitch;   // "ant_switch", default 76 (gauges only)
enum AdfTransfer : int32_t { kAdfTransferAdf1 = 74, kAdfTransferAdf2 = 75 };

constexpr uint32_t kKeyEventAdfSet = 65714;
constexpr uint32_t kKeyEventAdfExtReset = 66047;
constexpr uint32_t kKeyEventAdfExtStep = 66462;
// The ext wheel's count of steps sent at most, its largest digit: a hand-edited
// wheel never floods the simulator with events.
constexpr int32_t kAdfExtStepsMax = 9;

void LoadAdf();
void SaveAdf();
// Wheel k up or down one digit, wrapping 9 <-> 0; then the frequency is sent.
// Another k stores nothing but still sends.
void IncAdfDigit(uint32_t k);
void DecAdfDigit(uint32_t k);
void SetAdfDigit(uint32_t k, int32_t value);
// 0 for k outside 0..7.
uint32_t GetAdfDigit(uint32_t k);
// The wheels of the head the transfer switch chooses, to the simulator's ADF.
void SendAdfFrequency();

// ---- COMM ----
extern CSwitch g_comm1TransferSwitch;  // [COMM1] "tfr_switch", default 79 (79 or 80)
extern CSwitch g_comm1Squelch;         // [COMM1] "squelch", default 43
extern CSwitch g_comm2TransferSwitch;  // [COMM2] "tfr_switch", default 81 (81 or 82)
extern CSwitch g_comm2Squelch;         // [COMM2] "squelch", default 43

constexpr uint32_t kKeyEventComm1Set = 65707;
constexpr uint32_t kKeyEventComm2Set = 66442;

void LoadComm();
void SaveComm();
// Radio 0 or 1, window 2 (active) or 3 (standby), digit 1 (highest nibble)
// to 4; 0 for anything else.
uint32_t GetCommFrequencyDigit(uint32_t radio, uint32_t window, uint32_t digit);
// The active frequency one megahertz (wrapping 118..136) or one 25-kHz step
// (wrapping .975 <-> .000) up or down.
void IncComm1Mhz();
void DecComm1Mhz();
void IncComm1Khz();
void DecComm1Khz();
void IncComm2Mhz();
void DecComm2Mhz();
void IncComm2Khz();
void DecComm2Khz();
// The arithmetic on a BCD value "abcd" (1ab.cd MHz); what the knobs send.
uint32_t CommMhzUp(uint32_t bcd);
uint32_t CommMhzDown(uint32_t bcd);
uint32_t CommKhzUp(uint32_t bcd);
uint32_t CommKhzDown(uint32_t bcd);

// ---- NAV ----
constexpr uint32_t kKeyEventNav1CourseUp = 65663;
constexpr uint32_t kKeyEventNav1CourseDown = 65662;
constexpr uint32_t kKeyEventNav2CourseUp = 65665;
constexpr uint32_t kKeyEventNav2CourseDown = 65664;

void LoadNav();
void SaveNav();
// Every tick: a course that reads 360 is stepped up and down, so the
// simulator shows it as 0.
void UpdateNav();
void SetActiveNavUnit(uint32_t n);
uint32_t IsNavUnit1Active();
void ToggleActiveNavUnit();

// ---- Transponder ----
extern CSwitch g_transponderTransfer;    // [TRANSPONDER] "transfer", default 83 (83 or 84)
extern CSwitch g_transponderAboveBelow;  // "above_below", default 43 (111, 43, 112)
extern CSwitch g_transponderMode;        // "mode", default 87 (85..90)
extern CSwitch g_transponderIdent;       // "ident", default 120 (41 pressed)
extern CSwitch g_tcasRangeSwitch;        // "tcas_range", default 102 (100..103)
extern CSwitch g_transponderReplyLamp;   // 41 lit, 120 dark; not saved
extern CSwitch g_transponderLamp;        // 120 at start-up; the transponder gauge's
// The TCAS timers, 120 at start-up: the transponder panel's push button
// shows absolute altitudes on the TCAS display (41 for 270 ticks); the mode
// knob at its test position 85 runs the TCAS self-test (41 for 216 ticks).
extern CSwitch g_tcasAbsAltitudeSwitch;
extern CSwitch g_tcasTestSwitch;

enum TransponderMode : int32_t {
  kTransponderModeTest = 85,  // spring-loaded back to 86
  kTransponderModeStandby = 86,
  kTransponderModeFirstReplying = 88,
  kTransponderModeLastReplying = 90,
};
constexpr double kTransponderModeSpringTicks = 9.0;
constexpr double kTcasAbsAltitudeTicks = 270.0;
constexpr double kTcasSelfTestTicks = 216.0;

void LoadTransponder();
void SaveTransponder();
// Every tick: the spring and test timers, and the reply lamp.
void UpdateTransponder();
// The mode knob turned as its gauge turns it: to 85 it also starts the TCAS test.
void MoveTransponderMode(int32_t position);

}  // namespace halcyon
