// Keyboard combinations: the pilot's key combination for each cockpit
// control, read from KeyboardInput.ini in the aircraft folder into 485
// numbered slots, the keyboard commands. Slot j's combination becomes client
// event j of the SimConnect client, and that event clicks slot j's control.
// When the file is missing, a default one is written at shut-down.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

constexpr uint32_t kKeyboardSlotCount = 485;   // slots 0..484
constexpr uint32_t kKeyboardComboChars = 30;   // 29 characters and the terminator
constexpr uint32_t kKeyboardSlotChecklistNext = 3;
inline constexpr const wchar_t* kKeyboardInputIni =
    L".\\SimObjects\\Airplanes\\QZ Halcyon Pro\\KeyboardInput.ini";

class CKeyboardCombos {
 public:
  // Reads the file into the table.
  CKeyboardCombos();
  // Writes the default file when the file has no [HELP] "0".
  ~CKeyboardCombos();
  CKeyboardCombos(const CKeyboardCombos&) = delete;
  CKeyboardCombos& operator=(const CKeyboardCombos&) = delete;

  // The combination of slot 0..484; any larger slot gives the empty filler.
  const wchar_t* GetCombo(uint32_t slot) const;
  uint8_t IsEnabled() const { return enabled_; }

 private:
  uint8_t enabled_ = 0;  // read and written back; nothing else consults it
  wchar_t combo_[kKeyboardSlotCount + 1][kKeyboardComboChars] = {};
};

extern CKeyboardCombos* g_keyboardCombos;

// Start-up step: creates the table when none exists.
void CreateKeyboardCombos();
// Shut-down step: deletes the table (writing the default file if missing).
void FreeKeyboardInput();

// The control a keyboard command clicks; null for slots without one.
platform::MouseFunction KeyboardCommandControl(uint32_t slot);
// The KeyboardInput.ini section and key of a slot; null for slots without a key.
const wchar_t* KeyboardCommandSection(uint32_t slot);
const wchar_t* KeyboardCommandKey(uint32_t slot);

}  // namespace halcyon
