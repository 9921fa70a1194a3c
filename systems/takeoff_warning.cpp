// The take-off configuration warning.
#include "systems/takeoff_warning.h"

#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "host/voice_queue.h"
#include "systems/flaps.h"
#include "systems/ground_spoilers.h"
#include "systems/longitudinal_trim.h"

namespace halcyon {
namespace {

constexpr double kDegPerRad = 57.29577951308232;
constexpr double kArmBelowKt = 10.0;
constexpr double kSilentFromKt = 80.0;
constexpr double kThrustLeverAdvanced = 10000.0;
constexpr double kStabilizerToleranceUnits = 1.5;

// Flap detents that agree with each take-off flap selector position.
struct FlapAgreement {
  int32_t selector;
  uint32_t firstDetent;
  uint32_t lastDetent;
};
constexpr FlapAgreement kFlapAgreements[] = {
    {kTakeoffFlaps1, 0, 1}, {kTakeoffFlaps2, 2, 2}, {kTakeoffFlaps3, 3, 3}, {kTakeoffFlaps4, 4, 4}};

constexpr uint32_t kTakeoffVoices[] = {kVoiceTakeoffStabilizer, kVoiceTakeoffFlaps, kVoiceTakeoffSlats,
                                       kVoiceTakeoffSpoiler, kVoiceTakeoffBrakes};

uint32_t g_armed = 0;

bool FlapsDisagree(uint32_t detent) {
  const int32_t selector = GetSwitch(&g_takeoffFlapSelector);
  for (const FlapAgreement& agreement : kFlapAgreements) {
    if (agreement.selector == selector) return detent < agreement.firstDetent || detent > agreement.lastDetent;
  }
  return false;  // any other selector position raises nothing
}

void PostWhile(bool condition, uint32_t voice) {
  if (condition) {
    EnqueueVoiceMessage(voice);
  } else {
    RemoveVoiceMessage(voice);
  }
}

void CheckConfiguration(double stabilizerUnits) {
  const double setting = GetTrimSetting();
  PostWhile(setting > stabilizerUnits + kStabilizerToleranceUnits || setting < stabilizerUnits - kStabilizerToleranceUnits,
            kVoiceTakeoffStabilizer);
  const uint32_t detent = GetFlapPosition();
  PostWhile(FlapsDisagree(detent), kVoiceTakeoffFlaps);
  PostWhile(detent == 0, kVoiceTakeoffSlats);
  PostWhile(IsGroundSpoilerDeployed(), kVoiceTakeoffSpoiler);
  PostWhile(ReadToken(Token::ParkingBrake) != 0.0, kVoiceTakeoffBrakes);
}

}  // namespace

double GetStabilizerTrimUnits() {
  return (ReadToken(Token::ElevatorTrimRad) * kDegPerRad * 1.37931 + 0.5) * 1.1;
}

void UpdateTakeoffWarning() {
  const double speedKt = ReadToken(Token::IndicatedAirspeedKt);
  const bool due = IsTickDue(kChannel1HzB) != 0;
  if (due) {
    const bool onGround = IsSimVar60Set() != 0;
    if (onGround && speedKt < kArmBelowKt) g_armed = 1;
    if (!onGround) g_armed = 0;
  }
  const double stabilizerUnits = GetStabilizerTrimUnits();
  if (!due) return;
  const bool thrustSet = ReadToken(Token::Engine1Throttle) > kThrustLeverAdvanced ||
                         ReadToken(Token::Engine2Throttle) > kThrustLeverAdvanced;
  if (g_armed == 0 || speedKt >= kSilentFromKt || !thrustSet) {
    for (uint32_t voice : kTakeoffVoices) RemoveVoiceMessage(voice);
    return;
  }
  CheckConfiguration(stabilizerUnits);
}

uint32_t IsTakeoffWarningArmed() { return g_armed; }

}  // namespace halcyon
