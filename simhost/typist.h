// A fast typist at the PC keyboard, for scenarios and tests: each key of a
// text goes down on a tick of its own and comes up two ticks later, after the
// next key went down, as fingers roll over the keys. A key typed twice in a
// row is let up for a tick before it goes down again.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace simhost {

class Typist {
 public:
  // Queues the keys of `text` behind what is still to type. Empty, or the
  // first character that has no key on the keyboard (nothing is queued then).
  std::string Type(const std::string& text);
  // One tick: lets up the keys whose time is over, then presses the next one.
  void Step();
  bool Idle() const { return pending_.empty() && held_.empty(); }

  static constexpr int kHoldTicks = 2;

 private:
  struct HeldKey {
    uint8_t key;
    int ticksLeft;
  };
  std::deque<uint8_t> pending_;
  std::vector<HeldKey> held_;
};

// Empty when every character of `text` can be typed, else what is wrong.
std::string CheckTypable(const std::string& text);

}  // namespace simhost
