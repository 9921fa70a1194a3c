// Cockpit controls by their INI section and key: every control whose position
// is saved is found here under the name the INI file gives it, so that what
// moves controls from outside a gauge (the training situations, the
// simulator host's "control" command, the test bed) needs no list of its own.
// A system may attach a mover: the action its gauge's mouse function will take
// (the APU master moved to start also requests the start).
// A few push buttons and handles that are not saved are found here too, under
// their gauge's name (the fire test, the lamp test, the master lights); a
// button whose press is an action and not a position has a mover and no record.
//
// A system registers its saved controls in one line beside their table, so
// that they are known from the moment the module is loaded:
//   constexpr SwitchKey kKeys[] = {{&g_batterySwitch, L"battery", L"120"}, ...};
//   const SavedControls kSavedControls{kSection, kKeys};
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/switch.h"

namespace halcyon {

// One saved control of a section: its record, key and default text (null for
// a control that is saved but not read back).
struct SwitchKey {
  CSwitch* record;
  const wchar_t* key;
  const wchar_t* defaultText;
};

// Registers every control of a section's table (texts that live as long as
// the module: literals).
struct SavedControls {
  SavedControls(const wchar_t* section, std::span<const SwitchKey> keys);
};

using ControlMover = void (*)(int32_t position);
// Where a control without a record of its own stands (a knob turned to a
// value, a wheel's digit), in the unit its mover takes.
using ControlReader = int32_t (*)();

// The positions a control takes, both ends included, in the unit its mover
// takes (a digit, feet, tenths, clicks). A control registered without one
// takes the switch codes 0..138 when it has a record, else any value.
struct ControlRange {
  int32_t lowest;
  int32_t highest;
};
// A push button whose press is an action, or a readout that nothing moves.
inline constexpr ControlRange kAnyPosition{std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};

// Why a control does not take a position, as a scenario's `control` is told
// before the flight: a light or a count its system sets ("is a light the slat
// system sets; it cannot be moved"), a handle between its detents; null for
// a position it takes. The module's own callers (the situations, the test
// bed) set such records as the system does, past it.
using ControlRefusal = const char* (*)(int32_t position);

// What a move of a control that keeps no position is, as `expect` and
// `trace` are told before the flight: "a knob's turn", "a cockpit situation
// being set"; a control given none is a button, a press.
inline constexpr const char* kButtonPress = "a button's press";

// Runs a system's registration of controls with movers or readers when the
// module is loaded, beside the function:
//   const ControlsAtLoad kControlsAtLoad{RegisterTrimControls};
struct ControlsAtLoad {
  explicit ControlsAtLoad(void (*registerControls)()) { registerControls(); }
};

// Adds the control, or gives a known one its record anew, and its mover,
// reader and range when given (a known mover, reader or range stays otherwise).
void RegisterControl(const wchar_t* section, const wchar_t* key, CSwitch* record, ControlMover mover = nullptr,
                     ControlReader reader = nullptr, std::optional<ControlRange> range = std::nullopt);
// Gives a known control its refusal (see ControlRefusal).
void RefuseControlPositions(const wchar_t* section, const wchar_t* key, ControlRefusal refusal);
// Says what a move of a known control without a position is (a literal).
void DescribeControlAction(const wchar_t* section, const wchar_t* key, const char* action);
bool HasControl(const wchar_t* section, const wchar_t* key);
// The control's record; null when no control has that section and key.
const CSwitch* FindControlRecord(const wchar_t* section, const wchar_t* key);
// Called for each control saved: one that is not registered cannot be moved
// from outside its gauge, and is noted (section, key) for the tests.
void NoteSavedControl(const wchar_t* section, const wchar_t* key);
const std::vector<std::pair<std::wstring, std::wstring>>& SavedControlsNotRegistered();
// Moves the control through its mover, or with SetSwitch; false when no
// control has that section and key (both compared without case, as the INI
// file does).
bool MoveControl(const wchar_t* section, const wchar_t* key, int32_t position);
// Puts the control's record at the position with SetSwitch, past its mover
// (no sound, no action: the system's next update acts on it); false when no
// control has that section and key or the control has no record.
bool SetControlRecord(const wchar_t* section, const wchar_t* key, int32_t position);
// Where the control stands: its reader's value, else its record's position;
// false for a control that has neither (a push button whose press is an
// action) and for no control.
bool ReadControl(const wchar_t* section, const wchar_t* key, int32_t* position);
// The positions the control takes (see ControlRange); false for no control.
bool ControlPositions(const wchar_t* section, const wchar_t* key, ControlRange* range);
// Why the control does not take the position; null when it does or when no
// control has that section and key.
const char* ControlRefusalAt(const wchar_t* section, const wchar_t* key, int32_t position);
// What a move of the control is, for a control without a position (see
// kButtonPress); null for one that has a position and for no control.
const char* ControlAction(const wchar_t* section, const wchar_t* key);

}  // namespace halcyon

// The entries the simulator host looks up by name to move a control and to
// ask whether one exists (UTF-8 section and key); 1 when the control exists.
extern "C" int32_t HalcyonMoveControl(const char* section, const char* key, int32_t position);
extern "C" int32_t HalcyonHasControl(const char* section, const char* key);
// The control's position into *position; 1 when the control has one.
extern "C" int32_t HalcyonControlPosition(const char* section, const char* key, int32_t* position);
// The lowest and highest position the control takes; 1 when the control exists.
extern "C" int32_t HalcyonControlRange(const char* section, const char* key, int32_t* lowest, int32_t* highest);
// Why the control does not take the position (see ControlRefusal), into
// `text` (UTF-8, cut to the buffer and always terminated); 1 when it does not.
extern "C" int32_t HalcyonControlRefusal(const char* section, const char* key, int32_t position, char* text,
                                         int32_t textBytes);
// What a move of the control is (see ControlAction), into `text` (as
// HalcyonControlRefusal); 1 for a control without a position.
extern "C" int32_t HalcyonControlAction(const char* section, const char* key, char* text, int32_t textBytes);
// The section and key of the index-th control known (UTF-8, cut to the
// buffers and always terminated); 0 past the last one.
extern "C" int32_t HalcyonControlAt(int32_t index, char* section, int32_t sectionBytes, char* key, int32_t keyBytes);
