// The simulator's side of the ground spoilers and the elevator trim.
#include "simhost/flight_control_effects.h"

#include <cmath>

#include "simhost/sim_tokens.h"

namespace simhost {
namespace {

constexpr double kSpoilerHandleDeployed = 16384.0;
constexpr uint32_t kEventSpoilersOn = 66064;
constexpr uint32_t kEventSpoilersOff = 66065;
constexpr uint32_t kEventSpoilersArmToggle = 66067;
constexpr uint32_t kEventSpoilersArmOn = 66066;
constexpr uint32_t kEventSpoilersSet = 65786;
constexpr uint32_t kEventAileronTrimLeft = 66276;
constexpr uint32_t kEventAileronTrimRight = 66277;
constexpr uint32_t kEventRudderTrimLeft = 66278;
constexpr uint32_t kEventRudderTrimRight = 66279;
constexpr uint32_t kEventElevatorTrimDown = 65607;
constexpr uint32_t kEventElevatorTrimUp = 65615;

// One step from the nearest grid point, so that the trim lands on the grid.
void StepTrim(double steps) {
  const double onGrid = std::round(GetToken(Token::ElevatorTrimRad) / kElevatorTrimStepRad);
  SetToken(Token::ElevatorTrimRad, (onGrid + steps) * kElevatorTrimStepRad);
}

void StepAxisTrim(Token token, double steps) {
  SetToken(token, GetToken(token) + steps * kAxisTrimStepRad);
}

}  // namespace

bool ApplyFlightControlEffect(uint32_t event, uint32_t value) {
  switch (event) {
    case kEventSpoilersOn: SetToken(Token::SpoilerHandle, kSpoilerHandleDeployed); return true;
    case kEventSpoilersOff: SetToken(Token::SpoilerHandle, 0.0); return true;
    case kEventSpoilersArmToggle: ToggleToken(Token::SpoilerArm); return true;
    case kEventSpoilersArmOn: SetToken(Token::SpoilerArm, 1.0); return true;
    case kEventSpoilersSet: SetToken(Token::SpoilerHandle, std::fmin(value, kSpoilerHandleDeployed)); return true;
    case kEventAileronTrimLeft: StepAxisTrim(Token::AileronTrimRad, -1.0); return true;
    case kEventAileronTrimRight: StepAxisTrim(Token::AileronTrimRad, 1.0); return true;
    case kEventRudderTrimLeft: StepAxisTrim(Token::RudderTrimRad, -1.0); return true;
    case kEventRudderTrimRight: StepAxisTrim(Token::RudderTrimRad, 1.0); return true;
    case kEventElevatorTrimDown: StepTrim(-1.0); return true;
    case kEventElevatorTrimUp: StepTrim(1.0); return true;
    default: return false;
  }
}

const char* TrimNotificationOf(uint32_t event) {
  if (event == kEventElevatorTrimDown) return "ELEV_TRIM_DN";
  if (event == kEventElevatorTrimUp) return "ELEV_TRIM_UP";
  return nullptr;
}

}  // namespace simhost
