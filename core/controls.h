// Cockpit controls by their INI section and key: every control whose position
// is saved is found here under the name the INI file gives it, so that what
// moves controls from outside a gauge (the training situations, the
// simulator host's "control" command, the test bed) needs no list of its own.
// A system may attach a mover: the action its gauge's mouse function will take
// (the APU master moved to start also requests the start).
// A few push buttons and handles that are not saved are found here too, under
// their gauge's name (the fire test, the lamp test, the master lights); a
// button whose press is an action and not a position has a mover and no record.
#pragma once

#include <cstdint>

#include "core/switch.h"

namespace halcyon {

using ControlMover = void (*)(int32_t position);

// Adds the control, or gives a known one its record and mover anew.
void RegisterControl(const wchar_t* section, const wchar_t* key, CSwitch* record, ControlMover mover = nullptr);
// Moves the control through its mover, or with SetSwitch; false when no
// control has that section and key (both compared without case, as the INI
// file does).
bool MoveControl(const wchar_t* section, const wchar_t* key, int32_t position);

}  // namespace halcyon

// The entry the simulator host looks up by name to move a control (UTF-8
// section and key); 1 when the control exists.
extern "C" int32_t HalcyonMoveControl(const char* section, const char* key, int32_t position);
