// The scripted typist over the platform keyboard.
#include "simhost/typist.h"

#include <algorithm>

#include "platform/keyboard_device.h"

namespace simhost {

std::string CheckTypable(const std::string& text) {
  for (const char character : text) {
    uint8_t key = 0;
    if (!platform::keyboard::KeyForCharacter(character, &key)) {
      return std::string("'") + character + "' cannot be typed (letters, digits, space, '.', '/' and '-')";
    }
  }
  return "";
}

std::string Typist::Type(const std::string& text) {
  std::string error = CheckTypable(text);
  if (!error.empty()) return error;
  for (const char character : text) {
    uint8_t key = 0;
    platform::keyboard::KeyForCharacter(character, &key);
    pending_.push_back(key);
  }
  return "";
}

void Typist::Step() {
  std::vector<uint8_t> letUp;
  for (HeldKey& held : held_) {
    if (--held.ticksLeft > 0) continue;
    platform::keyboard::KeyUp(held.key);
    letUp.push_back(held.key);
  }
  std::erase_if(held_, [](const HeldKey& held) { return held.ticksLeft <= 0; });
  if (pending_.empty()) return;
  const uint8_t next = pending_.front();
  const bool busy = std::find(letUp.begin(), letUp.end(), next) != letUp.end() ||
                    std::any_of(held_.begin(), held_.end(), [next](const HeldKey& held) { return held.key == next; });
  if (busy) return;
  platform::keyboard::KeyDown(next);
  held_.push_back({next, kHoldTicks});
  pending_.pop_front();
}

}  // namespace simhost
