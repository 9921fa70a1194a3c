// The software keyboard: one physical key state that the host sets, and the
// devices that read it while acquired, each with its own event buffer.
#include "platform/keyboard_device.h"

#include <strings.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <map>
#include <set>

namespace platform::keyboard {
namespace {

struct Device {
  bool formatSet = false;
  bool acquired = false;
  bool lost = false;        // acquisition taken away, not given back yet
  uint32_t bufferSize = 0;  // events kept between reads
  std::deque<KeyEvent> buffer;
  bool overflowed = false;
};

struct KeyboardState {
  std::set<InputId> inputs;
  std::map<DeviceId, Device> devices;
  uint8_t keys[kStateBytes] = {};
  uint32_t nextId = 1;
  uint32_t sequence = 0;
  bool attached = true;
  int refusedAcquires = 0;
  Counters counters;
};

KeyboardState& State() {
  static KeyboardState state;
  return state;
}

Device* Find(DeviceId id) {
  auto it = State().devices.find(id);
  return it == State().devices.end() ? nullptr : &it->second;
}

Result NotAcquiredResult(const Device& device) { return device.lost ? kInputLost : kNotAcquired; }

// An acquired device records every change of the physical keys.
void Record(uint8_t key, uint32_t data) {
  KeyboardState& state = State();
  const KeyEvent event{key, data, static_cast<uint32_t>(TickCountMs()), ++state.sequence, 0};
  for (auto& [id, device] : state.devices) {
    if (!device.acquired || device.bufferSize == 0) continue;
    if (device.buffer.size() < device.bufferSize) {
      device.buffer.push_back(event);
    } else {
      device.overflowed = true;
    }
  }
}

// The scan codes of the standard keyboard that the cockpit reads, by name.
struct KeyName {
  const char* name;
  uint8_t key;
};

constexpr KeyName kKeyNames[] = {
    {"1", 2},       {"2", 3},       {"3", 4},     {"4", 5},           {"5", 6},      {"6", 7},
    {"7", 8},       {"8", 9},       {"9", 10},    {"0", 11},          {"MINUS", 12}, {"BACK", 14},
    {"Q", 16},      {"W", 17},      {"E", 18},    {"R", 19},          {"T", 20},     {"Y", 21},
    {"U", 22},      {"I", 23},      {"O", 24},    {"P", 25},          {"ENTER", 28}, {"A", 30},
    {"S", 31},      {"D", 32},      {"F", 33},    {"G", 34},          {"H", 35},     {"J", 36},
    {"K", 37},      {"L", 38},      {"Z", 44},    {"X", 45},          {"C", 46},     {"V", 47},
    {"B", 48},      {"N", 49},      {"M", 50},    {"PERIOD", 52},     {"SLASH", 53}, {"SPACE", 57},
    {"ADD", 78},    {"NUMPADENTER", 156},         {"PRIOR", 201},     {"NEXT", 209}, {"DELETE", 211},
};

// Characters that are keys of their own on the CDU's side of the keyboard.
constexpr struct {
  char character;
  const char* name;
} kCharacterKeys[] = {{' ', "SPACE"}, {'.', "PERIOD"}, {'/', "SLASH"}, {'-', "MINUS"}};

bool FindName(const std::string& name, uint8_t* key) {
  for (const KeyName& entry : kKeyNames) {
    if (strcasecmp(entry.name, name.c_str()) == 0) {
      *key = entry.key;
      return true;
    }
  }
  return false;
}

}  // namespace

// ---- Module side ---------------------------------------------------------------

Result CreateInput(uint32_t version, InputId* input) {
  if (input == nullptr) return kInvalidParam;
  *input = 0;
  if (version != kVersion) return kInvalidParam;
  *input = State().nextId++;
  State().inputs.insert(*input);
  return kOk;
}

void ReleaseInput(InputId input) { State().inputs.erase(input); }

Result CreateKeyboard(InputId input, DeviceId* device) {
  if (device == nullptr) return kInvalidParam;
  *device = 0;
  if (State().inputs.count(input) == 0) return kInvalidParam;
  if (!State().attached) return kDeviceNotRegistered;
  *device = State().nextId++;
  State().devices[*device] = Device{};
  return kOk;
}

void ReleaseDevice(DeviceId device) { State().devices.erase(device); }

Result SetKeyboardFormat(DeviceId id) {
  Device* device = Find(id);
  if (device == nullptr) return kInvalidParam;
  if (device->acquired) return kAcquired;
  device->formatSet = true;
  return kOk;
}

Result SetCooperativeLevel(DeviceId id, WindowHandle window, uint32_t flags) {
  Device* device = Find(id);
  if (device == nullptr || window == nullptr) return kInvalidParam;
  const bool oneAccess = ((flags & kExclusive) != 0) != ((flags & kNonExclusive) != 0);
  const bool oneFocus = ((flags & kForeground) != 0) != ((flags & kBackground) != 0);
  if (!oneAccess || !oneFocus) return kInvalidParam;
  if ((flags & kExclusive) != 0 && (flags & kBackground) != 0) return kNotImplemented;
  if (device->acquired) return kAcquired;
  return kOk;
}

Result SetBufferSize(DeviceId id, uint32_t events) {
  Device* device = Find(id);
  if (device == nullptr) return kInvalidParam;
  if (device->acquired) return kAcquired;
  device->bufferSize = events;
  return kOk;
}

Result Acquire(DeviceId id) {
  ++State().counters.acquires;
  Device* device = Find(id);
  if (device == nullptr || !device->formatSet) return kInvalidParam;
  if (device->acquired) return kNoEffect;
  if (device->lost && State().refusedAcquires > 0) {
    --State().refusedAcquires;
    return kInputLost;
  }
  device->acquired = true;
  device->lost = false;
  device->buffer.clear();
  device->overflowed = false;
  return kOk;
}

Result Unacquire(DeviceId id) {
  Device* device = Find(id);
  if (device == nullptr) return kInvalidParam;
  if (!device->acquired) return kNoEffect;
  device->acquired = false;
  device->buffer.clear();
  return kOk;
}

Result GetState(DeviceId id, uint32_t bytes, uint8_t* state) {
  ++State().counters.stateReads;
  Device* device = Find(id);
  if (device == nullptr || state == nullptr || bytes != kStateBytes) return kInvalidParam;
  if (!device->acquired) return NotAcquiredResult(*device);
  std::copy(std::begin(State().keys), std::end(State().keys), state);
  return kOk;
}

Result GetEvents(DeviceId id, uint32_t eventBytes, KeyEvent* events, uint32_t* count) {
  ++State().counters.eventReads;
  if (count == nullptr) return kInvalidParam;
  const uint32_t wanted = *count;
  *count = 0;
  Device* device = Find(id);
  if (device == nullptr || eventBytes != kEventBytes || (events == nullptr && wanted > 0)) return kInvalidParam;
  if (!device->acquired) return NotAcquiredResult(*device);
  if (device->bufferSize == 0) return kNotBuffered;
  const uint32_t taken = std::min<uint32_t>(wanted, static_cast<uint32_t>(device->buffer.size()));
  std::copy_n(device->buffer.begin(), taken, events);
  device->buffer.erase(device->buffer.begin(), device->buffer.begin() + taken);
  *count = taken;
  const bool overflowed = device->overflowed;
  device->overflowed = false;
  return overflowed ? kBufferOverflow : kOk;
}

// ---- Host side -----------------------------------------------------------------

void KeyDown(uint8_t key) {
  if (key == 0 || (State().keys[key] & kDown) != 0) return;
  State().keys[key] = kDown;
  Record(key, kDown);
}

void KeyUp(uint8_t key) {
  if (key == 0 || (State().keys[key] & kDown) == 0) return;
  State().keys[key] = 0;
  Record(key, 0);
}

bool FindKey(const std::string& nameOrCode, uint8_t* key) {
  if (FindName(nameOrCode, key)) return true;
  if (nameOrCode.empty() || nameOrCode[0] < '0' || nameOrCode[0] > '9') return false;
  const bool hex = nameOrCode.size() > 2 && (nameOrCode[1] == 'x' || nameOrCode[1] == 'X') && nameOrCode[0] == '0';
  char* end = nullptr;
  const unsigned long code = std::strtoul(nameOrCode.c_str() + (hex ? 2 : 0), &end, hex ? 16 : 10);
  if (*end != '\0' || code < 1 || code > 255) return false;
  *key = static_cast<uint8_t>(code);
  return true;
}

bool KeyForCharacter(char character, uint8_t* key) {
  for (const auto& entry : kCharacterKeys) {
    if (entry.character == character) return FindName(entry.name, key);
  }
  const bool letterOrDigit = (character >= 'A' && character <= 'Z') || (character >= 'a' && character <= 'z') ||
                             (character >= '0' && character <= '9');
  return letterOrDigit && FindName(std::string(1, character), key);
}

void SetKeyboardAttached(bool attached) { State().attached = attached; }

void LoseInput(int refusedAcquires) {
  for (auto& [id, device] : State().devices) {
    if (!device.acquired) continue;
    device.acquired = false;
    device.lost = true;
    device.buffer.clear();
  }
  State().refusedAcquires = std::max(0, refusedAcquires);
}

// ---- Inspection ------------------------------------------------------------------

Counters GetCounters() {
  Counters counters = State().counters;
  counters.liveInputs = static_cast<uint32_t>(State().inputs.size());
  counters.liveDevices = static_cast<uint32_t>(State().devices.size());
  counters.acquiredDevices = static_cast<uint32_t>(
      std::count_if(State().devices.begin(), State().devices.end(), [](const auto& d) { return d.second.acquired; }));
  return counters;
}

void ResetKeyboard() { State() = KeyboardState{}; }

}  // namespace platform::keyboard
