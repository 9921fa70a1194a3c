// CDU typing from the PC keyboard. While the FMS gauge's keyboard-entry
// button has made a reader, the per-tick step polls the keyboard device on the
// simulator's main window and hands at most one CDU key code a tick to the
// FMS computer's key dispatcher.
#pragma once

#include <cstdint>

#include "platform/keyboard_device.h"
#include "platform/system.h"

namespace halcyon {

// The keyboard device and what the last two polls read of it. A reader whose
// device could not be made or set up keeps no device and never finds a key.
class CDirectInputKeyboard {
 public:
  CDirectInputKeyboard(platform::WindowHandle window, uint32_t cooperativeFlags);
  ~CDirectInputKeyboard();
  CDirectInputKeyboard(const CDirectInputKeyboard&) = delete;
  CDirectInputKeyboard& operator=(const CDirectInputKeyboard&) = delete;

  // One immediate-state read and one buffered read of up to kEventCapacity
  // events; re-acquires lost input within the same poll. `window` is not used.
  void Poll(platform::WindowHandle window);
  // Scan codes, 0 for "none". True when every named key is down and at least
  // one of them went down since the poll before: a combination is reported
  // on the down edge of its last key, so a held key is reported once.
  bool IsComboPressed(uint32_t key1, uint32_t key2, uint32_t key3, uint32_t key4) const;

  bool HasDevice() const { return device_ != 0; }

  static constexpr uint32_t kEventCapacity = 5;

 private:
  using KeyEvent = platform::keyboard::KeyEvent;

  bool IsDown(uint32_t key) const;
  bool WentDown(uint32_t key) const;
  bool HasPressEvent(uint32_t key) const;
  void ReleaseAll();

  platform::keyboard::InputId input_ = 0;
  platform::keyboard::DeviceId device_ = 0;
  uint8_t keyState_[platform::keyboard::kStateBytes] = {};
  uint8_t previousKeyState_[platform::keyboard::kStateBytes] = {};
  uint32_t eventCount_ = 0;  // events of the last buffered read
  KeyEvent events_[kEventCapacity] = {};
};

// The one reader; null while CDU typing is off.
extern CDirectInputKeyboard* g_directInputKeyboard;

// Per-tick step: polls the reader, if any, and sends the first key of the
// typing table that went down to CFms::KeyPressed.
void PollKeyboardShortcuts();
// Deletes the reader, if any, and clears the pointer (shut-down and the FMS
// gauge's keyboard-entry button).
void DeleteDirectInputKeyboard();

}  // namespace halcyon
