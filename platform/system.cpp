// Deterministic stand-ins for the clock, random source, windows, message boxes,
// debug trace and GDI+ start-up.
#include "platform/system.h"

#include <map>
#include <set>
#include <string_view>

namespace platform {
namespace {

struct SystemState {
  uint64_t clockMs = 0;
  int64_t calendarStart = 1767225600;  // 2026-01-01 00:00:00 UTC
  uint32_t randomState = 1;
  bool mainWindowPresent = true;
  std::vector<MessageBoxRecord> messageBoxes;
  std::vector<ShellRequest> shellRequests;
  TraceSink traceSink;
  TraceSink eventSink;
  std::set<GdiplusToken> liveTokens;
  GdiplusToken nextToken = 0x6d00;
  GdiplusCounters gdiplus;
  int gdiplusFailures = 0;
};

SystemState& State() {
  static SystemState state;
  return state;
}

// Any non-null value will do: the module only passes it back to us.
int g_mainWindowTag = 0;

}  // namespace

uint64_t TickCountMs() { return State().clockMs & 0xFFFFFFFFu; }
int64_t CalendarTime() { return State().calendarStart + static_cast<int64_t>(State().clockMs / 1000); }
void AdvanceClockMs(uint64_t milliseconds) { State().clockMs += milliseconds; }
void SetCalendarTime(int64_t secondsSince1970) {
  State().calendarStart = secondsSince1970 - static_cast<int64_t>(State().clockMs / 1000);
}

// The classic linear congruential generator of the C runtime, so that a seed
// gives the same sequence on every machine.
void SeedRandom(uint32_t seed) { State().randomState = seed; }
int Random() {
  State().randomState = State().randomState * 214013u + 2531011u;
  return static_cast<int>((State().randomState >> 16) & 0x7FFF);
}

WindowHandle FindWindowByClass(const wchar_t* className) {
  if (!State().mainWindowPresent || className == nullptr) return nullptr;
  return std::wstring(className) == L"FS98MAIN" ? &g_mainWindowTag : nullptr;
}
void SetMainWindowPresent(bool present) { State().mainWindowPresent = present; }

int ShowMessageBox(WindowHandle, const wchar_t* text, const wchar_t* caption, uint32_t style) {
  State().messageBoxes.push_back({text ? text : L"", caption ? caption : L"", style});
  return 1;
}
const std::vector<MessageBoxRecord>& MessageBoxes() { return State().messageBoxes; }
void ClearMessageBoxes() { State().messageBoxes.clear(); }

bool ShellExecuteRequest(const ShellRequest& request) {
  State().shellRequests.push_back(request);
  return true;
}
const std::vector<ShellRequest>& ShellRequests() { return State().shellRequests; }

void SetTraceSink(TraceSink sink) { State().traceSink = std::move(sink); }
bool IsTraceOn() { return static_cast<bool>(State().traceSink); }
void Trace(const char* text) {
  if (State().traceSink) State().traceSink(text);
}

void SetEventSink(TraceSink sink) { State().eventSink = std::move(sink); }
void TraceEvent(const char* text) {
  if (State().eventSink) State().eventSink(text);
}

GdiplusStatus GdiplusStartup(GdiplusToken* token, const GdiplusStartupInput* input, void*) {
  SystemState& state = State();
  if (token == nullptr || input == nullptr || input->version != 1) return 2;  // InvalidParameter
  if (state.gdiplusFailures > 0) {
    --state.gdiplusFailures;
    return 1;  // GenericError
  }
  *token = state.nextToken++;
  state.liveTokens.insert(*token);
  ++state.gdiplus.starts;
  state.gdiplus.live = static_cast<int>(state.liveTokens.size());
  return 0;
}

void GdiplusShutdown(GdiplusToken token) {
  SystemState& state = State();
  if (state.liveTokens.erase(token) == 0) {
    ++state.gdiplus.badShutdowns;
    return;
  }
  ++state.gdiplus.shutdowns;
  state.gdiplus.live = static_cast<int>(state.liveTokens.size());
}

GdiplusCounters GdiplusStats() { return State().gdiplus; }
void FailNextGdiplusStartups(int count) { State().gdiplusFailures = count; }

void ResetSystem() { State() = SystemState{}; }

}  // namespace platform
