// The simulator's gear, flaps, autobrake setting and pushback tug.
#include "simhost/ground_handling.h"

#include <algorithm>
#include <cmath>

#include "simhost/sim_host.h"
#include "simhost/sim_tokens.h"

namespace simhost {
namespace {

constexpr Token kGearLegTokens[] = {Token::GearPosition, Token::GearLeftPosition, Token::GearRightPosition};
constexpr uint32_t kKeyEventGearDown = 66080;
constexpr uint32_t kKeyEventGearToggle = 65570;
constexpr uint32_t kKeyEventAutobrakeUp = 66298;
constexpr uint32_t kKeyEventAutobrakeDown = 66299;
constexpr uint32_t kKeyEventPushback = 66483;
constexpr uint32_t kKeyEventFlapsDown = 65758;  // one detent further down
constexpr uint32_t kKeyEventFlapsUp = 65759;    // one detent up
constexpr uint32_t kKeyEventSteeringSet = 65696;
constexpr uint32_t kKeyEventParkingBrake = 65752;
// The steering axis's full deflection, radians, at the event's full value.
constexpr double kSteeringFullRad = 0.561;
constexpr double kSteeringAxisFull = 16384.0;
constexpr double kHandleFull = 16383.0;
constexpr double kAutobrakeSettingMax = 5.0;
constexpr double kSecondsPerTick = 1.0 / 18.0;
constexpr double kEarthRadiusM = 6371000.0;
constexpr double kRadPerDeg = 0.017453292519943295;

// Moves a surface to the handle's value at its full-travel rate.
void Travel(SimHost& host, Token token, double target, double fullTravelSeconds) {
  const double distance = std::fabs(target - host.GetToken(token)) / kHandleFull;
  host.RampToken(token, target, distance * fullTravelSeconds);
}

// The flap handle one detent on (or back), from the detent the cockpit reads
// it in: a handle between detents moves from the one above it.
double FlapHandleStepped(double handle, int32_t detents) {
  const int32_t detent = static_cast<int32_t>(halcyon::FlapDetentOfHandle(handle)) + detents;
  return halcyon::FlapHandleAtDetent(static_cast<uint32_t>(std::clamp(detent, 0, int32_t{halcyon::kFlapDetentCount} - 1)));
}

}  // namespace

bool GroundHandling::ApplyKeyEvent(SimHost& host, uint32_t event, uint32_t value) {
  switch (event) {
    case kKeyEventGearDown:
      if (host.GetToken(Token::GearHandle) != kHandleFull) host.SetToken(Token::GearHandle, kHandleFull);
      return true;
    case kKeyEventGearToggle:
      host.SetToken(Token::GearHandle, host.GetToken(Token::GearHandle) == 0.0 ? kHandleFull : 0.0);
      return true;
    case kKeyEventAutobrakeUp:
    case kKeyEventAutobrakeDown: {
      const double step = event == kKeyEventAutobrakeUp ? 1.0 : -1.0;
      const double setting = std::clamp(std::floor(GetToken(Token::AutobrakeSetting)) + step, 0.0, kAutobrakeSettingMax);
      SetToken(Token::AutobrakeSetting, setting);
      return true;
    }
    case kKeyEventFlapsDown:
    case kKeyEventFlapsUp:
      host.SetToken(Token::FlapHandle,
                    FlapHandleStepped(GetToken(Token::FlapHandle), event == kKeyEventFlapsDown ? 1 : -1));
      return true;
    case kKeyEventSteeringSet:
      SetToken(Token::SteeringRad,
                              static_cast<int32_t>(value) / kSteeringAxisFull * kSteeringFullRad);
      return true;
    case kKeyEventParkingBrake:
      ToggleToken(Token::ParkingBrake);
      return true;
    case kKeyEventPushback:
      pushing_ = value != 0;
      if (!pushing_) SetToken(Token::GroundSpeedMps, 0.0);
      return true;
    default: return false;
  }
}

void GroundHandling::TokenSet(SimHost& host, uint32_t token, double value) {
  if (token == halcyon::TokenNumber(Token::GearHandle)) {
    for (Token leg : kGearLegTokens) Travel(host, leg, value, kGearTravelSeconds);
  }
  if (token == halcyon::TokenNumber(Token::FlapHandle)) Travel(host, Token::FlapPosition, value, kFlapTravelSeconds);
}

// Backwards along the heading, on a flat earth for the few metres of a push.
void GroundHandling::Step() {
  if (!pushing_) return;
  const double backRad = (GetToken(Token::HeadingDeg) + 180.0) * kRadPerDeg;
  const double metres = kPushbackSpeedMps * kSecondsPerTick;
  const double latitudeDeg = GetScaledToken(Token::Latitude);
  const double northDeg = metres * std::cos(backRad) / kEarthRadiusM / kRadPerDeg;
  const double eastDeg = metres * std::sin(backRad) / (kEarthRadiusM * std::cos(latitudeDeg * kRadPerDeg)) / kRadPerDeg;
  SetScaledToken(Token::Latitude, latitudeDeg + northDeg);
  SetToken(Token::Longitude, GetToken(Token::Longitude) + eastDeg * halcyon::TokenScale(Token::Longitude));
  SetToken(Token::GroundSpeedMps, kPushbackSpeedMps);
}

}  // namespace simhost
