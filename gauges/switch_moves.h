// Switches whose clicks follow a table of moves: a click moves the record
// from one listed position to the next with its click sound; from a position
// the table does not list it goes to the fallback, silently unless the switch
// clicks there too. A release moves the record only from the position the
// press left it in.
#pragma once

#include <cstdint>
#include <span>

#include "core/switch.h"
#include "host/sound_system.h"
#include "platform/gauge.h"

namespace halcyon {

struct Move {
  int32_t from;
  int32_t to;
};
struct Switching {
  std::span<const Move> moves;
  int32_t fallback;
  bool fallbackSounds = false;  // a switch that clicks into its fallback too
};

int32_t Throw(CSwitch& record, const Switching& switching, SoundId sound);
int32_t ReleaseTo(CSwitch& record, int32_t from, int32_t to, SoundId sound);
// A knob of positions low..high: one step toward the end `step` points to,
// with the sound; at that end, or from outside the range, it goes to (or
// stays at) that end silently. A knob that turns round goes to the other
// end instead.
enum class KnobEnds : uint8_t { Stop, TurnRound };
int32_t StepWithin(CSwitch& record, int32_t low, int32_t high, int32_t step, SoundId sound,
                   KnobEnds ends = KnobEnds::Stop);
inline bool IsRelease(uint32_t mouseFlags) { return (mouseFlags & platform::kMouseLeftRelease) != 0; }

// A wheel or knob turned a frame on (step 1) or back (step -1) round its
// frames 1..frames; from a position off them, to frame 1 turned on, to the
// last turned back.
void TurnRound(CSwitch& record, int32_t step, int32_t frames);

// An animated lever's two ends and where a click from between them puts it.
struct LeverEnds {
  int32_t run0From;  // the end its run 0 starts from
  int32_t run1From;  // the end its run 1 starts from
  int32_t snapTo;    // from a saved mid position, without a run
};
// A click on an animated lever: at an end it starts the run from there
// (`handle` is the lever's Handle); caught between its ends it snaps to
// `snapTo`. A click while the lever runs is lost.
int32_t ClickAnimatedLever(CSwitch& record, void (*handle)(int32_t, int32_t), const LeverEnds& ends);

// 41 and 120 in turn, anything else back to 120.
constexpr Move kOnOffMoves[] = {{kSwitchOn, kSwitchOff}, {kSwitchOff, kSwitchOn}};
constexpr Switching kOnOff{kOnOffMoves, kSwitchOff};

}  // namespace halcyon
