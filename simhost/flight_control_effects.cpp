// The simulator's side of the ground spoilers and the elevator trim.
#include "simhost/flight_control_effects.h"

#include <cmath>

#include "platform/simulator.h"

namespace simhost {
namespace {

constexpr uint32_t kTokenSpoilerArm = 324;
constexpr uint32_t kTokenSpoilerHandle = 325;
constexpr uint32_t kTokenElevatorTrimRad = 783;
constexpr uint32_t kTokenAileronTrimRad = 785;
constexpr uint32_t kTokenRudderTrimRad = 787;
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

void SetToken(uint32_t token, double value) { platform::sim::SetToken(token, value); }

// One step from the nearest grid point, so that the trim lands on the grid.
void StepTrim(double steps) {
  const double onGrid = std::round(platform::sim::GetToken(kTokenElevatorTrimRad) / kElevatorTrimStepRad);
  SetToken(kTokenElevatorTrimRad, (onGrid + steps) * kElevatorTrimStepRad);
}

void StepAxisTrim(uint32_t token, double steps) {
  SetToken(token, platform::sim::GetToken(token) + steps * kAxisTrimStepRad);
}

}  // namespace

bool ApplyFlightControlEffect(uint32_t event, uint32_t value) {
  switch (event) {
    case kEventSpoilersOn: SetToken(kTokenSpoilerHandle, kSpoilerHandleDeployed); return true;
    case kEventSpoilersOff: SetToken(kTokenSpoilerHandle, 0.0); return true;
    case kEventSpoilersArmToggle:
      SetToken(kTokenSpoilerArm, platform::sim::GetToken(kTokenSpoilerArm) != 0.0 ? 0.0 : 1.0);
      return true;
    case kEventSpoilersArmOn: SetToken(kTokenSpoilerArm, 1.0); return true;
    case kEventSpoilersSet: SetToken(kTokenSpoilerHandle, std::fmin(value, kSpoilerHandleDeployed)); return true;
    case kEventAileronTrimLeft: StepAxisTrim(kTokenAileronTrimRad, -1.0); return true;
    case kEventAileronTrimRight: StepAxisTrim(kTokenAileronTrimRad, 1.0); return true;
    case kEventRudderTrimLeft: StepAxisTrim(kTokenRudderTrimRad, -1.0); return true;
    case kEventRudderTrimRight: StepAxisTrim(kTokenRudderTrimRad, 1.0); return true;
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
