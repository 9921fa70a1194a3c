// The PC-keyboard reader for CDU typing and its per-tick step. Reads the
// keyboard device on the simulator's main window; drives CFms::KeyPressed.
#include "host/direct_input_keyboard.h"

#include <algorithm>
#include <iterator>

#include "fmc/fms.h"

namespace halcyon {

namespace kb = platform::keyboard;

CDirectInputKeyboard* g_directInputKeyboard = nullptr;

namespace {

// One key of the typing table: the PC key (scan code), a second PC key that
// does the same or 0, and the CDU key code it sends.
struct TypingKey {
  uint8_t key;
  uint8_t alternateKey;
  uint32_t cduKey;
};

// Tested in this order; the first key that went down is the tick's one key.
constexpr TypingKey kTypingKeys[] = {
    {2, 0, 27},     // 1
    {3, 0, 28},     // 2
    {4, 0, 29},     // 3
    {5, 0, 30},     // 4
    {6, 0, 31},     // 5
    {7, 0, 32},     // 6
    {8, 0, 33},     // 7
    {9, 0, 34},     // 8
    {10, 0, 35},    // 9
    {11, 0, 37},    // 0
    {52, 0, 36},    // period: the point
    {78, 0, 38},    // numeric-pad plus: plus-minus
    {12, 0, 38},    // minus: plus-minus
    {30, 0, 39},    // A
    {48, 0, 40},    // B
    {46, 0, 41},    // C
    {32, 0, 42},    // D
    {18, 0, 43},    // E
    {33, 0, 44},    // F
    {34, 0, 45},    // G
    {35, 0, 46},    // H
    {23, 0, 47},    // I
    {36, 0, 48},    // J
    {37, 0, 49},    // K
    {38, 0, 50},    // L
    {50, 0, 51},    // M
    {49, 0, 52},    // N
    {24, 0, 53},    // O
    {25, 0, 54},    // P
    {16, 0, 55},    // Q
    {19, 0, 56},    // R
    {31, 0, 57},    // S
    {20, 0, 58},    // T
    {22, 0, 59},    // U
    {47, 0, 60},    // V
    {17, 0, 61},    // W
    {45, 0, 62},    // X
    {21, 0, 63},    // Y
    {44, 0, 64},    // Z
    {57, 0, 65},    // space
    {211, 0, 66},   // Delete: DEL
    {14, 0, 68},    // Backspace: CLR
    {53, 0, 67},    // slash
    {28, 156, 26},  // Return or numeric-pad Enter: EXEC
    {209, 0, 20},   // Page Down: NEXT PAGE
    {201, 0, 19},   // Page Up: PREV PAGE
};
static_assert(std::size(kTypingKeys) == 46, "the typing table has 46 keys");

}  // namespace

CDirectInputKeyboard::CDirectInputKeyboard(platform::WindowHandle window, uint32_t cooperativeFlags) {
  // Each step only after the one before succeeded. A device that is not fully
  // set up is given back at once, so the reader stays silent rather than half
  // working; a device that is set up but not acquired is re-acquired by Poll.
  const bool setUp = !kb::Failed(kb::CreateInput(kb::kVersion, &input_)) &&
                     !kb::Failed(kb::CreateKeyboard(input_, &device_)) &&
                     !kb::Failed(kb::SetKeyboardFormat(device_)) &&
                     !kb::Failed(kb::SetCooperativeLevel(device_, window, cooperativeFlags)) &&
                     !kb::Failed(kb::SetBufferSize(device_, kEventCapacity));
  if (!setUp) {
    ReleaseAll();
    return;
  }
  kb::Acquire(device_);
}

CDirectInputKeyboard::~CDirectInputKeyboard() { ReleaseAll(); }

void CDirectInputKeyboard::ReleaseAll() {
  if (device_ != 0) {
    kb::Unacquire(device_);
    kb::ReleaseDevice(device_);
  }
  if (input_ != 0) kb::ReleaseInput(input_);
  device_ = 0;
  input_ = 0;
}

void CDirectInputKeyboard::Poll(platform::WindowHandle) {
  if (device_ == 0) return;
  std::copy(std::begin(keyState_), std::end(keyState_), previousKeyState_);
  // A state that cannot be read (input lost) keeps the last one: reading it
  // as "all keys up" would make every held key go down again afterwards.
  uint8_t state[kb::kStateBytes] = {};
  if (!kb::Failed(kb::GetState(device_, kb::kStateBytes, state))) {
    std::copy(std::begin(state), std::end(state), keyState_);
  }
  eventCount_ = kEventCapacity;
  if (kb::Failed(kb::GetEvents(device_, kb::kEventBytes, events_, &eventCount_))) {
    eventCount_ = 0;  // nothing was read: the events of the poll before are not new
    if (kb::Acquire(device_) == kb::kInputLost) kb::Acquire(device_);
  }
}

bool CDirectInputKeyboard::HasPressEvent(uint32_t key) const {
  return std::any_of(events_, events_ + eventCount_,
                     [key](const KeyEvent& event) { return event.key == key && (event.data & kb::kDown) != 0; });
}

bool CDirectInputKeyboard::IsDown(uint32_t key) const {
  if (key >= kb::kStateBytes) return false;
  return (keyState_[key] & kb::kDown) != 0 || HasPressEvent(key);
}

bool CDirectInputKeyboard::WentDown(uint32_t key) const {
  if (key >= kb::kStateBytes) return false;
  const bool downNow = (keyState_[key] & kb::kDown) != 0;
  const bool downBefore = (previousKeyState_[key] & kb::kDown) != 0;
  return (downNow && !downBefore) || HasPressEvent(key);
}

bool CDirectInputKeyboard::IsComboPressed(uint32_t key1, uint32_t key2, uint32_t key3, uint32_t key4) const {
  bool anyKey = false;
  bool anyWentDown = false;
  for (const uint32_t key : {key1, key2, key3, key4}) {
    if (key == 0) continue;
    if (!IsDown(key)) return false;
    anyKey = true;
    anyWentDown = anyWentDown || WentDown(key);
  }
  return anyKey && anyWentDown;
}

void PollKeyboardShortcuts() {
  CDirectInputKeyboard* keyboard = g_directInputKeyboard;
  if (keyboard == nullptr) return;
  keyboard->Poll(platform::FindWindowByClass(L"FS98MAIN"));
  for (const TypingKey& row : kTypingKeys) {
    const bool pressed = keyboard->IsComboPressed(row.key, 0, 0, 0) ||
                         (row.alternateKey != 0 && keyboard->IsComboPressed(row.alternateKey, 0, 0, 0));
    if (pressed) {
      g_fms.KeyPressed(row.cduKey);
      return;
    }
  }
}

void DeleteDirectInputKeyboard() {
  delete g_directInputKeyboard;
  g_directInputKeyboard = nullptr;
}

}  // namespace halcyon
