// Software stand-in for the PC keyboard as the cockpit's input layer sees it:
// an input interface, a keyboard device with a data format, a cooperative
// level and an event buffer, acquired and read by polling. The host presses
// and releases keys by scan code; an acquired device sees them in its
// immediate state (256 bytes, 0x80 = down) and as buffered events.
#pragma once

#include <cstdint>
#include <string>

#include "platform/result.h"
#include "platform/system.h"

namespace platform::keyboard {

// ---- Result codes -----------------------------------------------------------
using platform::Failed;
using platform::kNotImplemented;
using platform::kOk;
using platform::Result;
constexpr Result kNoEffect = 1;        // success: already acquired, or not acquired to begin with
constexpr Result kBufferOverflow = 1;  // success: events were dropped since the last read
constexpr Result kInputLost = static_cast<Result>(0x8007001Eu);
constexpr Result kNotAcquired = static_cast<Result>(0x8007000Cu);
constexpr Result kInvalidParam = platform::kInvalidArg;
constexpr Result kDeviceNotRegistered = static_cast<Result>(0x80040154u);
constexpr Result kNotBuffered = static_cast<Result>(0x80040207u);
constexpr Result kAcquired = static_cast<Result>(0x800700AAu);  // settings cannot change while acquired

constexpr uint32_t kVersion = 0x0800;

// Cooperative flags: one of exclusive / non-exclusive and one of foreground /
// background; a keyboard cannot be exclusive in the background.
constexpr uint32_t kExclusive = 0x1;
constexpr uint32_t kNonExclusive = 0x2;
constexpr uint32_t kForeground = 0x4;
constexpr uint32_t kBackground = 0x8;

constexpr uint32_t kStateBytes = 256;
constexpr uint8_t kDown = 0x80;

// One buffered key event: the scan code, kDown for a press or 0 for a
// release, the clock in milliseconds and a running sequence number.
struct KeyEvent {
  uint32_t key = 0;
  uint32_t data = 0;
  uint32_t timeMs = 0;
  uint32_t sequence = 0;
  uint32_t appData = 0;
};
constexpr uint32_t kEventBytes = sizeof(KeyEvent);
static_assert(kEventBytes == 20, "a key event is five 32-bit words");

using InputId = uint32_t;   // 0 = none
using DeviceId = uint32_t;  // 0 = none

// ---- Module side ---------------------------------------------------------------
Result CreateInput(uint32_t version, InputId* input);
void ReleaseInput(InputId input);
// The system keyboard; kDeviceNotRegistered when the host has none attached.
Result CreateKeyboard(InputId input, DeviceId* device);
void ReleaseDevice(DeviceId device);
// The standard keyboard format: the state is 256 bytes, one per scan code.
Result SetKeyboardFormat(DeviceId device);
Result SetCooperativeLevel(DeviceId device, WindowHandle window, uint32_t flags);
// Events the device keeps between reads; 0 (the default) keeps none.
Result SetBufferSize(DeviceId device, uint32_t events);
// Needs the format; every call is counted.
Result Acquire(DeviceId device);
Result Unacquire(DeviceId device);
// The 256-byte immediate state; kNotAcquired or kInputLost when not acquired.
Result GetState(DeviceId device, uint32_t bytes, uint8_t* state);
// Takes up to *count buffered events, oldest first, and leaves the number
// taken in *count (0 on failure).
Result GetEvents(DeviceId device, uint32_t eventBytes, KeyEvent* events, uint32_t* count);

// ---- Host side -----------------------------------------------------------------
void KeyDown(uint8_t key);
void KeyUp(uint8_t key);
// A key by name ("A", "7", "ENTER", "NUMPADENTER", case ignored) or by scan
// code 1..255 in decimal or 0x hex (a single digit is the digit's key).
bool FindKey(const std::string& nameOrCode, uint8_t* key);
// The key that types a character on the CDU: letters (either case), digits,
// space, '.', '/' and '-'.
bool KeyForCharacter(char character, uint8_t* key);

// Injected faults: no keyboard attached (device creation fails), and input
// lost (as when the simulator's window loses the focus): every acquired
// device drops its acquisition and its buffer, and the next `refusedAcquires`
// calls of Acquire still report the input lost.
void SetKeyboardAttached(bool attached);
void LoseInput(int refusedAcquires = 0);

// ---- Inspection (host and tests) ---------------------------------------------
struct Counters {
  uint64_t acquires = 0;     // calls of Acquire
  uint64_t stateReads = 0;   // calls of GetState
  uint64_t eventReads = 0;   // calls of GetEvents
  uint32_t liveInputs = 0;
  uint32_t liveDevices = 0;
  uint32_t acquiredDevices = 0;
};
Counters GetCounters();

// Forgets devices, keys, faults and counters.
void ResetKeyboard();

}  // namespace platform::keyboard
