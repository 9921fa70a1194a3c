// Stand-ins for the Windows services the module calls: the clock and random
// source, the simulator's main window, message boxes, the debug trace and the
// GDI+ start-up. Everything is deterministic and driven by the host, so a run
// can be repeated exactly and tests can read what the module asked for.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// ---- Clock -----------------------------------------------------------------
// Simulated milliseconds since the host started; the host advances it.
uint64_t TickCountMs();            // GetTickCount: milliseconds, wraps as 32-bit
int64_t CalendarTime();            // time(NULL): seconds since 1970
void AdvanceClockMs(uint64_t milliseconds);
void SetCalendarTime(int64_t secondsSince1970);

// ---- Random source ---------------------------------------------------------
// srand/rand of the runtime the module was written for: 15-bit results.
void SeedRandom(uint32_t seed);
int Random();                      // 0 .. 32767
constexpr int kRandomMax = 32767;

// ---- Windows ---------------------------------------------------------------
using WindowHandle = void*;
// The simulator's main window by class name ("FS98MAIN"); null when the host
// says there is none.
WindowHandle FindWindowByClass(const wchar_t* className);
void SetMainWindowPresent(bool present);

struct MessageBoxRecord {
  std::wstring text;
  std::wstring caption;
  uint32_t style = 0;
};
// Never blocks: the box is logged and "OK" (1) is returned.
int ShowMessageBox(WindowHandle owner, const wchar_t* text, const wchar_t* caption, uint32_t style);
const std::vector<MessageBoxRecord>& MessageBoxes();
void ClearMessageBoxes();

// ---- Launching a program on a file -------------------------------------------
// What ShellExecuteExW was asked to do. Nothing is started: the request is
// kept for the host and the tests, and the call reports success.
struct ShellRequest {
  std::wstring program;
  std::wstring verb;
  std::wstring parameters;
  int32_t showCommand = 0;
  uint32_t mask = 0;
};
constexpr int32_t kShowWindowShow = 5;          // SW_SHOW
constexpr uint32_t kShellMaskEnvSubst = 0x200;  // SEE_MASK_DOENVSUBST
bool ShellExecuteRequest(const ShellRequest& request);
const std::vector<ShellRequest>& ShellRequests();

// ---- Debug trace -----------------------------------------------------------
// The module's own debug output (what OutputDebugString carried): the
// lifecycle names each step it runs. The host decides where it goes.
using TraceSink = std::function<void(const char* text)>;
void SetTraceSink(TraceSink sink);
bool IsTraceOn();
void Trace(const char* text);
// Debug output of another kind: something that happened in flight (a
// waypoint passed), not a step the lifecycle ran. The host keeps these apart.
void SetEventSink(TraceSink sink);
void TraceEvent(const char* text);


// ---- GDI+ start-up ---------------------------------------------------------
struct GdiplusStartupInput {
  uint32_t version = 1;
  void* debugEventCallback = nullptr;
  int32_t suppressBackgroundThread = 0;
  int32_t suppressExternalCodecs = 0;
};
using GdiplusToken = uintptr_t;
using GdiplusStatus = int32_t;  // 0 is Ok

GdiplusStatus GdiplusStartup(GdiplusToken* token, const GdiplusStartupInput* input, void* output);
void GdiplusShutdown(GdiplusToken token);

struct GdiplusCounters {
  int starts = 0;       // successful start-ups
  int shutdowns = 0;    // shut-downs of a live token
  int live = 0;         // tokens started and not shut down
  int badShutdowns = 0; // shut-downs of a token that was not live
};
GdiplusCounters GdiplusStats();
void FailNextGdiplusStartups(int count);

// Puts every stand-in of this file back as it was at load (tests and a
// host that runs several flights in one process use it).
void ResetSystem();

}  // namespace platform
