// The simulator's gear, flaps, autobrake setting and pushback tug.
#include "simhost/ground_handling.h"

#include <algorithm>
#include <cmath>

#include "platform/simulator.h"
#include "simhost/sim_host.h"

namespace simhost {
namespace {

constexpr uint32_t kTokenLatitude = 71;
constexpr uint32_t kTokenLongitude = 72;
constexpr uint32_t kTokenHeadingDeg = 86;
constexpr uint32_t kTokenFlapHandle = 328;
constexpr uint32_t kTokenFlapPosition = 329;
constexpr uint32_t kTokenGearHandle = 331;
constexpr uint32_t kGearLegTokens[] = {332, 333, 334};  // nose, left, right
constexpr uint32_t kTokenAutobrakeSetting = 743;
constexpr uint32_t kTokenGroundSpeedMps = 832;
constexpr uint32_t kKeyEventGearDown = 66080;
constexpr uint32_t kKeyEventGearToggle = 65570;
constexpr uint32_t kKeyEventAutobrakeUp = 66298;
constexpr uint32_t kKeyEventAutobrakeDown = 66299;
constexpr uint32_t kKeyEventPushback = 66483;
constexpr uint32_t kKeyEventFlapsDown = 65758;  // one detent further down
constexpr uint32_t kKeyEventFlapsUp = 65759;    // one detent up
constexpr uint32_t kKeyEventSteeringSet = 65696;
constexpr uint32_t kKeyEventParkingBrake = 65752;
constexpr uint32_t kTokenParkingBrake = 323;
constexpr uint32_t kTokenSteeringRad = 786;
// The flap handle's five detent steps over its travel; the steering axis's
// full deflection, radians, at the event's full value.
constexpr double kFlapDetents = 5.0;
constexpr double kFlapHandleFull = 16384.0;
constexpr double kSteeringFullRad = 0.561;
constexpr double kSteeringAxisFull = 16384.0;
constexpr double kHandleFull = 16383.0;
constexpr double kAutobrakeSettingMax = 5.0;
constexpr double kSecondsPerTick = 1.0 / 18.0;
constexpr double kEarthRadiusM = 6371000.0;
constexpr double kRadPerDeg = 0.017453292519943295;
constexpr double kLatitudeUnitsPerDeg = 40007000.0 / 360.0;
constexpr double kLongitudeUnitsPerDeg = 281474976710656.0 / 360.0;

double Token(uint32_t token) { return platform::sim::GetToken(token); }

// Moves a surface to the handle's value at its full-travel rate.
void Travel(SimHost& host, uint32_t token, double target, double fullTravelSeconds) {
  const double distance = std::fabs(target - host.GetToken(token)) / kHandleFull;
  host.RampToken(token, target, distance * fullTravelSeconds);
}

// The flap handle one detent on (or back), from the detent it stands in.
double FlapHandleStepped(double handle, double detents) {
  const double detent = std::clamp(std::round(handle / kFlapHandleFull * kFlapDetents), 0.0, kFlapDetents);
  return std::clamp(detent + detents, 0.0, kFlapDetents) * kFlapHandleFull / kFlapDetents;
}

}  // namespace

bool GroundHandling::ApplyKeyEvent(SimHost& host, uint32_t event, uint32_t value) {
  switch (event) {
    case kKeyEventGearDown:
      if (host.GetToken(kTokenGearHandle) != kHandleFull) host.SetToken(kTokenGearHandle, kHandleFull);
      return true;
    case kKeyEventGearToggle:
      host.SetToken(kTokenGearHandle, host.GetToken(kTokenGearHandle) == 0.0 ? kHandleFull : 0.0);
      return true;
    case kKeyEventAutobrakeUp:
    case kKeyEventAutobrakeDown: {
      const double step = event == kKeyEventAutobrakeUp ? 1.0 : -1.0;
      const double setting = std::clamp(std::floor(Token(kTokenAutobrakeSetting)) + step, 0.0, kAutobrakeSettingMax);
      platform::sim::SetToken(kTokenAutobrakeSetting, setting);
      return true;
    }
    case kKeyEventFlapsDown:
    case kKeyEventFlapsUp:
      host.SetToken(kTokenFlapHandle,
                    FlapHandleStepped(Token(kTokenFlapHandle), event == kKeyEventFlapsDown ? 1.0 : -1.0));
      return true;
    case kKeyEventSteeringSet:
      platform::sim::SetToken(kTokenSteeringRad,
                              static_cast<int32_t>(value) / kSteeringAxisFull * kSteeringFullRad);
      return true;
    case kKeyEventParkingBrake:
      platform::sim::SetToken(kTokenParkingBrake, Token(kTokenParkingBrake) != 0.0 ? 0.0 : 1.0);
      return true;
    case kKeyEventPushback:
      pushing_ = value != 0;
      if (!pushing_) platform::sim::SetToken(kTokenGroundSpeedMps, 0.0);
      return true;
    default: return false;
  }
}

void GroundHandling::TokenSet(SimHost& host, uint32_t token, double value) {
  if (token == kTokenGearHandle) {
    for (uint32_t leg : kGearLegTokens) Travel(host, leg, value, kGearTravelSeconds);
  }
  if (token == kTokenFlapHandle) Travel(host, kTokenFlapPosition, value, kFlapTravelSeconds);
}

// Backwards along the heading, on a flat earth for the few metres of a push.
void GroundHandling::Step() {
  if (!pushing_) return;
  const double backRad = (Token(kTokenHeadingDeg) + 180.0) * kRadPerDeg;
  const double metres = kPushbackSpeedMps * kSecondsPerTick;
  const double latitudeDeg = Token(kTokenLatitude) / kLatitudeUnitsPerDeg;
  const double northDeg = metres * std::cos(backRad) / kEarthRadiusM / kRadPerDeg;
  const double eastDeg = metres * std::sin(backRad) / (kEarthRadiusM * std::cos(latitudeDeg * kRadPerDeg)) / kRadPerDeg;
  platform::sim::SetToken(kTokenLatitude, (latitudeDeg + northDeg) * kLatitudeUnitsPerDeg);
  platform::sim::SetToken(kTokenLongitude, Token(kTokenLongitude) + eastDeg * kLongitudeUnitsPerDeg);
  platform::sim::SetToken(kTokenGroundSpeedMps, kPushbackSpeedMps);
}

}  // namespace simhost
