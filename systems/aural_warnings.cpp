// Stall, overspeed, slat overspeed and stabilizer voices.
#include "systems/aural_warnings.h"

#include "core/panel_services.h"
#include "core/switch.h"
#include "core/tick_scheduler.h"
#include "host/voice_queue.h"

namespace halcyon {
namespace {

constexpr VoiceMessageId kVoiceOverspeed = 8;
constexpr VoiceMessageId kVoiceSlatOverspeed = 9;
constexpr VoiceMessageId kVoiceStall = 10;
constexpr VoiceMessageId kVoiceStabilizerTrim = 12;
constexpr VoiceMessageId kVoiceStabilizerMotion = 13;

constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kSlatPlacardKt = 280.0;
// A trim run further than this from the last warned angle is announced.
constexpr double kTrimWarningDeg = 2.0;
// The change between two checks, times 15, beyond which the stabilizer is
// running away.
constexpr double kMotionFactor = 15.0;
constexpr double kMotionLimit = 31.0;

struct Stabilizer {
  double previousDeg;
  double referenceDeg;
};
Stabilizer g_stabilizer{};

void PostWhen(bool condition, VoiceMessageId id) {
  if (condition) {
    EnqueueVoiceMessage(id);
  } else {
    RemoveVoiceMessage(id);
  }
}

void CheckStabilizer() {
  const double angleDeg = ReadToken(Token::ElevatorTrimRad) * kDegreesPerRadian;
  const bool announce = IsSimVar60Set() == 0 && ReadToken(Token::StallWarning) == 0.0;
  const double motion = (angleDeg - g_stabilizer.previousDeg) * kMotionFactor;
  if ((motion > kMotionLimit || motion < -kMotionLimit) && announce) EnqueueVoiceMessage(kVoiceStabilizerMotion);
  if (angleDeg > g_stabilizer.referenceDeg + kTrimWarningDeg || angleDeg < g_stabilizer.referenceDeg - kTrimWarningDeg) {
    g_stabilizer.referenceDeg = angleDeg;
    if (announce) EnqueueVoiceMessage(kVoiceStabilizerTrim);
  }
  g_stabilizer.previousDeg = angleDeg;
}

}  // namespace

void InitAuralWarnings() {}

void UpdateAuralWarnings() {
  const bool everySecond = IsTickDue(kChannel1Hz) != 0;
  if (everySecond) PostWhen(ReadToken(Token::StallWarning) != 0.0, kVoiceStall);
  if (IsTickDue(kChannel2s) != 0) CheckStabilizer();
  if (!everySecond) return;
  const double iasKt = ReadToken(Token::IndicatedAirspeedKt);
  PostWhen(iasKt > ReadScaledToken(Token::MaxOperatingSpeed), kVoiceOverspeed);
  PostWhen(iasKt > kSlatPlacardKt && ReadToken(Token::FlapHandle) > 0.0, kVoiceSlatOverspeed);
}

void SetStabilizerTrimReference(double angleDeg) { g_stabilizer.referenceDeg = angleDeg; }

}  // namespace halcyon
