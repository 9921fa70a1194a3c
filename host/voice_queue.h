// The voice-message queue: the aural alerts of the aircraft systems (fire,
// take-off configuration, overspeed, stall, stabilizer, altitude alert,
// autopilot disconnect, GPWS and TCAS) wait here and play one at a time, each
// followed by its hold before the next may start. Reads TICK18 and option 1;
// plays through the sound system on the panel channel.
#pragma once

#include <cstdint>

namespace halcyon {

using VoiceMessageId = uint32_t;  // 0..37

constexpr uint32_t kVoiceMessageCount = 38;
constexpr uint32_t kVoiceQueueCapacity = 100;

// Ids 0..2 (the engine fires and a silent one) overtake everything queued.
constexpr VoiceMessageId kVoiceFireRightEngine = 0;
constexpr VoiceMessageId kVoiceFireLeftEngine = 1;
constexpr VoiceMessageId kVoiceSilent = 2;
constexpr VoiceMessageId kVoiceGearWarning = 11;
// The GPWS voices.
constexpr VoiceMessageId kVoiceGpwsDontSink = 17;
constexpr VoiceMessageId kVoiceGpwsGlideSlope = 18;
constexpr VoiceMessageId kVoiceGpwsSinkRate = 19;
constexpr VoiceMessageId kVoiceGpwsTerrain = 20;
constexpr VoiceMessageId kVoiceGpwsTooLowFlaps = 21;
constexpr VoiceMessageId kVoiceGpwsTooLowGear = 22;
constexpr VoiceMessageId kVoiceGpwsTooLowTerrain = 23;
constexpr VoiceMessageId kVoiceGpwsWhoop = 24;

// The queue in play order, its length, and the TICK18 time before which no
// further message starts.
extern uint32_t g_voiceQueue[kVoiceQueueCapacity];
extern int32_t g_voiceQueueCount;
extern double g_voiceNextTime;

void ClearVoiceQueue();
// Posts id (once: a queued id is not queued again). Ignored while option
// "sound" is set, for ids outside 0..37 and when the queue is full.
void EnqueueVoiceMessage(VoiceMessageId id);
// Takes id off the queue; the number of entries left, 0 when it was not queued.
uint32_t RemoveVoiceMessage(VoiceMessageId id);
bool IsVoiceMessageQueued(VoiceMessageId id);
// Once per tick: starts the head message when its time has come.
void PlayQueuedMessage();
// The sound slot a message plays; -1 for the silent one and for ids outside 0..37.
int32_t VoiceMessageSlot(VoiceMessageId id);

}  // namespace halcyon
