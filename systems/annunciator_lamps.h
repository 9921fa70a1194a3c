// The cockpit's one lamp test and the stand-alone annunciator lamps of the
// three overhead panels. Every lamp of the cockpit asks IsLampTestOn whether
// to show lit; the annunciator lamps are shown through GetAnnunciatorLamp,
// which folds in panel power and the test. Reads panel power and TICK18.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

enum LampTestPosition : int32_t {
  kLampTestTimed = 41,  // left click: back to off by itself after 54 ticks
  kLampTestHeld = 50,   // right click: until the next right click
};

// The annunciator lights test button: 120 off, 41 timed test, 50 held test.
extern CSwitch g_lampTestSwitch;

constexpr int32_t kAnnunciatorPanelCount = 3;
constexpr int32_t kAnnunciatorLampsPerPanel = 7;

void InitLampTest();
// The test button moved to `position`; a press at the timed position while
// the timed test runs leaves its timer running.
void MoveLampTestSwitch(int32_t position);
void UpdateLampTest();
// Start-up: every lamp dark, the alert lists empty, their keys dark.
void ResetAnnunciators();

uint32_t IsLampTestOn();
// What a lamp shows, for the displays: 0.0 without panel power, else 1.0
// during the lamp test or when the lamp is set. Panels 1..3, lamps 1..7;
// anything else reads dark.
double GetAnnunciatorLamp(uint32_t panel, int32_t lamp);
// The lamp's own stored state, without power or test: what the alert logic
// tests before it sets or clears a lamp, so that a lamp test never clears a
// lamp (and releases a master warning) that its condition still holds.
uint32_t IsAnnunciatorLampSet(int32_t panel, int32_t lamp);
// Out-of-range pairs are ignored.
void SetAnnunciatorLamp(int32_t panel, int32_t lamp);
void ClearAnnunciatorLamp(int32_t panel, int32_t lamp);
// Every lamp dark (also done while the panel is unpowered).
void ClearAnnunciatorLamps();

// One lamp's rule in the alert logic's once-a-second evaluation: the lamp is
// set when its set condition holds and it is not set, and cleared when its
// clear condition holds and it is set; a warning lamp raises master warning
// when it is set and releases it when it is cleared. The test is on the
// stored state, so each raise has exactly one release, whatever the lamp
// test shows meanwhile.
enum class LampMaster { kNone, kWarning };
void EvaluateAnnunciatorLamp(int32_t panel, int32_t lamp, bool setWhen, bool clearWhen, LampMaster master);

}  // namespace halcyon
