// The flight mode annunciator: which character each of its 28 segment cells
// shows (the thrust, armed, roll and pitch modes of the flight guidance, with
// their speed, Mach, temperature and flight-level readouts), and the
// autoflight alert lamps beside it (autopilot and autothrottle disconnect,
// autoland NAV, ILS glideslope, autopilot trim). Reads the flight guidance's
// modes and the simulator's autopilot tokens; queues the autopilot-disconnect
// voice.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

// Character codes of a cell (GetFmaLegend): 0..9 digits, 10..35 letters A..Z, then these.
enum FmaCode : int32_t {
  kFmaSlash = 36,
  kFmaAllSegments = 37,  // lamp test, an invalid request or an unlisted mode
  kFmaBlank = 38,
  kFmaPlus = 39,
  kFmaMinus = 40,
  kFmaPoint = 41,
  kFmaSuppressedDigit = 42,  // a leading zero of the flight-level readout, drawn blank
};
// Glyph frames of a cell element (GetFmaLampState): the code order with 37/38
// and 39/40 exchanged.
constexpr double kFmaFrameBlank = 37.0;
constexpr double kFmaFrameAllSegments = 38.0;

constexpr int32_t kFmaWindowCount = 4;
constexpr int32_t kFmaLineCount = 2;
constexpr int32_t kFmaMaxCells = 4;  // windows 1 and 4; windows 2 and 3 have 3
constexpr int32_t kFmaAutopilotDisconnected = 123;
constexpr uint32_t kVoiceAutopilotDisconnect = 16;

// Autopilot alert state: 41 engaged, 123 disconnected (lamp flashing) until
// the AP or reset button, 120 otherwise.
extern CSwitch g_autopilotAlertSwitch;
// Lamps beside the annunciator, 41 lit and 120 dark. The autoland-NAV and
// ILS-glideslope lamps are the flight guidance's (systems/dfgs.h).
extern CSwitch g_fmaAutopilotDisconnectLamp;
extern CSwitch g_fmaAutothrottleDisconnectLamp;
extern CSwitch g_fmaAutopilotTrimLamp;
// 1 = acknowledged. The approach latches start at 1; the flight guidance
// panel's autoland and ILS buttons clear them.
extern uint32_t g_autolandAlertLatch;
extern uint32_t g_ilsAlertLatch;
extern uint32_t g_autopilotTrimLatch;

// The glyph frame of a character code: blank without panel power or side
// digit lighting, every segment in the lamp test, 38 for a code outside 0..42.
double GetFmaLampState(int32_t code);
// The code of one cell, window 1..4, line 1..2, cell 1..4 (1..3 in windows 2
// and 3); 37 for anything outside.
int32_t GetFmaLegend(int32_t window, int32_t line, int32_t cell);
// The mode tables alone, without the tests and speed warnings before them.
int32_t ComputeFmaModes(int32_t window, int32_t line, int32_t cell);
// The self-test patterns "PWR UP TST BOX1" and "AUTO PRE FLT TEST / LND".
int32_t GetFmaTestLegend(int32_t window, int32_t line, int32_t cell);
int32_t GetFmaAutolandTestLegend(int32_t window, int32_t line, int32_t cell);
// The window's line as text ("ALT ", "CAP"), for logs and tests: digits and
// letters as themselves, '*' for every segment, ' ' for blank and a
// suppressed digit; cells outside the window are left out.
void FormatFmaLine(int32_t window, int32_t line, char* text, uint32_t size);

void InitAutoflightAlerts();
void UpdateAutoflightAlerts();

// The annunciator's buttons.
void FmaAutothrottleButton();  // ATS: clears the autothrottle-disconnect flag
void FmaAutopilotButton();     // AP: the autopilot alert to 120
void FmaResetButton();         // every latch acknowledged, the alerts cleared
// The flight guidance panel's approach buttons clear their latch.
void ClearAutolandAlertLatch();
void ClearIlsAlertLatch();

}  // namespace halcyon

// The annunciator as the crew reads it, for the simulator host's log: the
// upper lines of windows 1 to 4, then the lower lines, windows apart by '|'
// ("THRUST|ARM|ROL|PTCH/...") into text (size at least 40); 1 when written.
extern "C" int32_t HalcyonFmaText(char* text, int32_t size);
