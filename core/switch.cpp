// Switch-state records and their timers. Reads TICK18 and the engine and
// on-ground tokens.
#include "core/switch.h"

#include "core/panel_services.h"

namespace halcyon {
namespace {

int32_t StoredPosition(int32_t position) {
  return position >= 0 && position <= kSwitchPositionMax ? position : kSwitchOff;
}

uint32_t FlagOf(int32_t storedPosition) {
  return storedPosition >= kSwitchFlagBandFirst && storedPosition <= kSwitchFlagBandLast ? 1 : 0;
}

}  // namespace

int32_t GetSwitch(const CSwitch* record) { return record->position; }
uint32_t GetSwitchFlag(const CSwitch* record) { return record->flag; }

void SetSwitch(CSwitch* record, int32_t position) {
  record->position = StoredPosition(position);
  record->flag = FlagOf(record->position);
  record->timerRunning = 0;
}

CSwitch* InitTimedSwitch(CSwitch* record, double durationTicks) {
  record->timerRunning = 0;
  record->deadline = 0.0;
  record->duration = durationTicks;
  return record;
}

void UpdateTimedSwitch(CSwitch* record, int32_t fromPos, int32_t toPos) {
  const double tick = CurrentTick18();
  if (record->position == fromPos) {
    if (record->timerRunning == 0) {
      record->timerRunning = 1;
      record->deadline = tick + record->duration;
    } else if (record->deadline < tick) {
      record->timerRunning = 0;
      SetSwitch(record, toPos);
    }
  }
  if (tick + kClockBackGuardTicks < record->deadline) record->deadline = tick;
}

void StartTickTimer(CSwitch* record) { record->deadline = CurrentTick18() + record->duration; }

void StartTickTimerTo(CSwitch* record, int32_t targetPos, double durationTicks) {
  record->targetPosition = targetPos;
  record->deadline = CurrentTick18() + durationTicks;
  record->timerArmed = 1;
}

// The delayed move stores its target without touching the flag (its one
// user, the gear lamp, reads only the position). A target out of range is
// stored as off, and a deadline left far ahead by a clock that went back is
// pulled in, so a pending move never waits for hours after a flight reset.
void PollTickTimer(CSwitch* record) {
  if (record->timerArmed == 0) return;
  const double tick = CurrentTick18();
  if (tick + kClockBackGuardTicks < record->deadline) record->deadline = tick;
  if (record->deadline < tick) {
    record->position = StoredPosition(record->targetPosition);
    record->timerArmed = 0;
  }
}

void CancelTickTimer(CSwitch* record) { record->timerArmed = 0; }

uint32_t IsEngineRunning(int32_t engine) {
  switch (engine) {
    case 1: return ReadToken(Token::Engine1Combustion) != 0.0 ? 1 : 0;
    case 2: return ReadToken(Token::Engine2Combustion) != 0.0 ? 1 : 0;
    default: return 0;
  }
}

uint32_t IsSimVar60Set() { return ReadToken(Token::OnGround) != 0.0 ? 1 : 0; }

}  // namespace halcyon
