#include "gauges/switch_moves.h"

#include "gauges/gauge_kit.h"
#include "systems/levers.h"

namespace halcyon {

int32_t Throw(CSwitch& record, const Switching& switching, SoundId sound) {
  const int32_t position = GetSwitch(&record);
  for (const Move& move : switching.moves) {
    if (move.from == position) {
      SetSwitch(&record, move.to);
      PlayClick(sound);
      return 1;
    }
  }
  SetSwitch(&record, switching.fallback);
  if (switching.fallbackSounds) PlayClick(sound);
  return 1;
}

int32_t StepWithin(CSwitch& record, int32_t low, int32_t high, int32_t step, SoundId sound, KnobEnds ends) {
  const int32_t position = GetSwitch(&record);
  const int32_t next = position + step;
  if (position >= low && position <= high && next >= low && next <= high) {
    SetSwitch(&record, next);
    PlayClick(sound);
  } else {
    SetSwitch(&record, (step < 0) == (ends == KnobEnds::Stop) ? low : high);
  }
  return 1;
}

int32_t ReleaseTo(CSwitch& record, int32_t from, int32_t to, SoundId sound) {
  if (GetSwitch(&record) == from) {
    SetSwitch(&record, to);
    PlayClick(sound);
  }
  return 1;
}

void TurnRound(CSwitch& record, int32_t step, int32_t frames) {
  const int32_t position = GetSwitch(&record);
  if (position < 1 || position > frames) {
    SetSwitch(&record, step > 0 ? 1 : frames);
    return;
  }
  SetSwitch(&record, (position - 1 + step + frames) % frames + 1);
}

int32_t ClickAnimatedLever(CSwitch& record, void (*handle)(int32_t, int32_t), const LeverEnds& ends) {
  if (IsLeverRunning(&record)) return 1;
  const int32_t position = GetSwitch(&record);
  if (position == ends.run0From) {
    handle(0, 0);
  } else if (position == ends.run1From) {
    handle(0, 1);
  } else {
    SetSwitch(&record, ends.snapTo);
  }
  return 1;
}

}  // namespace halcyon
