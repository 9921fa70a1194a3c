// Pushback and ground crew: two scripted sequences of the ground crew's
// recorded calls. The first waits for the parking brake to be released,
// pushes the aircraft back through the simulator's pushback event and waits
// for the brake to be set again; the second is the crew's farewell. Reads
// TICK18 and the parking brake (323); plays the ground crew's sound slots
// and sends the pushback event.
#pragma once

#include <cstdint>

namespace halcyon {

constexpr uint32_t kKeyEventPushback = 66483;  // value 1 starts, 0 stops
// The pushback itself, from its start to its stop.
constexpr double kPushbackTicks = 1368.0;
// The farewell follows the first sequence after this wait.
constexpr double kGroundComFollowTicks = 54.0;

// The pushback controls: each may be called at any time and restarts its
// sequence at step 1.
void StartGroundComFirst();
void StartGroundComBoth();
void StartGroundComSecond();
void UpdateGroundCom();

// Either sequence running or the second one pending: the parking-brake
// callout stays silent meanwhile.
bool IsGroundCrewSequenceStarted();
// The step of sequence 1 or 2 that acts next; 0 while that sequence is idle.
int32_t GetGroundComStep(int32_t sequence);

}  // namespace halcyon
