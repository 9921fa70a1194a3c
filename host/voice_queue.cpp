// The voice-message queue. Reads TICK18 (token 1) and option 1; plays each
// message's slot once through PlaySound.
#include "host/voice_queue.h"

#include <algorithm>

#include "core/options.h"
#include "core/panel_services.h"
#include "host/sound_system.h"

namespace halcyon {

uint32_t g_voiceQueue[kVoiceQueueCapacity] = {};
int32_t g_voiceQueueCount = 0;
double g_voiceNextTime = 0.0;

namespace {

constexpr SoundId kNoSound = -1;
// A time more than this far ahead means the clock went back.
constexpr double kClockBackTicks = 100.0;

// Each message's sound slot and the quiet time, in TICK18 ticks from its
// start, before the next message may start.
struct VoiceMessage {
  SoundId slot;
  uint32_t holdTicks;
};

constexpr VoiceMessage kVoiceMessages[kVoiceMessageCount] = {
    {239, 43},       // 0 Fire Right Engine
    {240, 43},       // 1 Fire Left Engine
    {kNoSound, 0},   // 2 consumed silently
    {220, 33},       // 3 TO Stabilizer
    {221, 44},       // 4 TO Slats
    {222, 36},       // 5 TO Flaps
    {223, 29},       // 6 TO Spoiler
    {224, 29},       // 7 TO Brakes
    {226, 35},       // 8 Overspeed Warning
    {227, 42},       // 9 Overspeed Slats Warning
    {225, 29},       // 10 Stall Warning
    {217, 36},       // 11 Gear Warning
    {218, 18},       // 12 Stabilizer Trim
    {219, 42},       // 13 Stabilizer Motion
    {228, 36},       // 14 Altitude Alert
    {229, 18},       // 15 Altitude Alert 2
    {230, 33},       // 16 AP Disconnect
    {231, 36},       // 17 GPWS Dont Sink
    {232, 14},       // 18 GPWS Glideslope
    {233, 30},       // 19 GPWS Sinkrate
    {234, 30},       // 20 GPWS Terrain
    {235, 23},       // 21 GPWS To Low Flaps
    {236, 33},       // 22 GPWS To Low Gear
    {237, 30},       // 23 GPWS To Low Terrain
    {238, 28},       // 24 GPWS Whoop
    {204, 29},       // 25 TCAS Traffic Traffic
    {205, 24},       // 26 TCAS Clear Of Conflict
    {206, 28},       // 27 TCAS Monitor Vertical Speed
    {207, 50},       // 28 TCAS Maintain Vertical Speed Maintain
    {208, 57},       // 29 TCAS Maintain Vertical Speed Crossing Maintain
    {209, 43},       // 30 TCAS Adjust Vertical Speed
    {210, 23},       // 31 TCAS Climb Climb
    {211, 59},       // 32 TCAS Climb Crossing Climb
    {212, 33},       // 33 TCAS Descend Descend
    {213, 41},       // 34 TCAS Descend Crossing Descend
    {214, 40},       // 35 TCAS Increase Climb
    {215, 54},       // 36 TCAS Increase Descent
    {216, 39},       // 37 TCAS Test OK
};

uint32_t* QueueEnd() { return g_voiceQueue + g_voiceQueueCount; }

bool OvertakesTheQueue(VoiceMessageId id) { return id <= kVoiceSilent; }

void RemoveHead() {
  std::copy(g_voiceQueue + 1, QueueEnd(), g_voiceQueue);
  --g_voiceQueueCount;
}

}  // namespace

void ClearVoiceQueue() {
  g_voiceQueueCount = 0;
  g_voiceNextTime = 0.0;
}

void EnqueueVoiceMessage(VoiceMessageId id) {
  if (GetOption(kOptionSoundOff) != 0 || id >= kVoiceMessageCount || IsVoiceMessageQueued(id)) return;
  if (g_voiceQueueCount >= static_cast<int32_t>(kVoiceQueueCapacity)) return;
  if (OvertakesTheQueue(id)) {
    std::copy_backward(g_voiceQueue, QueueEnd(), QueueEnd() + 1);
    g_voiceQueue[0] = id;
  } else {
    *QueueEnd() = id;
  }
  ++g_voiceQueueCount;
}

uint32_t RemoveVoiceMessage(VoiceMessageId id) {
  uint32_t* found = std::find(g_voiceQueue, QueueEnd(), id);
  if (found == QueueEnd()) return 0;
  std::copy(found + 1, QueueEnd(), found);
  --g_voiceQueueCount;
  return static_cast<uint32_t>(g_voiceQueueCount);
}

bool IsVoiceMessageQueued(VoiceMessageId id) { return std::find(g_voiceQueue, QueueEnd(), id) != QueueEnd(); }

void PlayQueuedMessage() {
  const double now = CurrentTick18();
  if (g_voiceQueueCount > 0 && now > g_voiceNextTime && GetOption(kOptionSoundOff) == 0) {
    const VoiceMessageId id = g_voiceQueue[0];
    RemoveHead();
    if (id >= kVoiceMessageCount || kVoiceMessages[id].slot == kNoSound) return;
    PlaySound(kVoiceMessages[id].slot, 0);
    g_voiceNextTime = now + kVoiceMessages[id].holdTicks;
  } else if (now + kClockBackTicks < g_voiceNextTime) {
    g_voiceNextTime = now;
  }
}

int32_t VoiceMessageSlot(VoiceMessageId id) { return id < kVoiceMessageCount ? kVoiceMessages[id].slot : kNoSound; }

}  // namespace halcyon
