// The DFGS's working state, shared by its two files (the state and panel in
// dfgs.cpp, the per-tick laws in dfgs_logic.cpp) and by nothing else.
#pragma once

#include <cstdint>

#include "core/panel_services.h"

namespace halcyon::dfgs {

// The simulator's tokens the DFGS reads.
namespace tok {
constexpr uint32_t kNav1Frequency = 24;
constexpr uint32_t kNav2Frequency = 27;
constexpr uint32_t kVorProximity = 31;
constexpr uint32_t kNav1LateralDeviation = static_cast<uint32_t>(Token::CourseNeedle);  // +-127
constexpr uint32_t kGlideslopeDeviation = static_cast<uint32_t>(Token::GlideSlopeNeedle);   // +-119
constexpr uint32_t kNav1Course = 45;
constexpr uint32_t kNav1Code = 46;  // 0x80 localizer, 0x40 glideslope, 8
constexpr uint32_t kNav2Course = 54;
constexpr uint32_t kOnGround = static_cast<uint32_t>(Token::OnGround);
constexpr uint32_t kIndicatedAirspeedKt = static_cast<uint32_t>(Token::IndicatedAirspeedKt);
constexpr uint32_t kVmoKtTimes128 = 63;
constexpr uint32_t kMachTimes20480 = static_cast<uint32_t>(Token::Mach);
constexpr uint32_t kVerticalSpeed = static_cast<uint32_t>(Token::VerticalSpeed);  // ft/min x 1.3
constexpr uint32_t kAltitudeM = static_cast<uint32_t>(Token::AltitudeM);
constexpr uint32_t kAltitudeFt = static_cast<uint32_t>(Token::AltitudeFt);
constexpr uint32_t kHeadingDeg = 81;
constexpr uint32_t kAutopilotEngaged = static_cast<uint32_t>(Token::AutopilotEngaged);
constexpr uint32_t kNav1Lock = 105;
constexpr uint32_t kHeadingLock = 106;
constexpr uint32_t kHeadingBug = 107;
constexpr uint32_t kAltitudeLock = 108;
constexpr uint32_t kGlideslopeHold = 111;
constexpr uint32_t kApproachHold = 112;
constexpr uint32_t kYawDamper = 114;
constexpr uint32_t kAirspeedHold = 115;
constexpr uint32_t kAutopilotAirspeedKt = 116;
constexpr uint32_t kMachHold = 117;
constexpr uint32_t kAutopilotMach = 118;
constexpr uint32_t kAutopilotVerticalSpeed = 120;
constexpr uint32_t kAutothrottleArmed = 123;
constexpr uint32_t kTogaPower = 124;
constexpr uint32_t kThrottle1 = static_cast<uint32_t>(Token::Engine1Throttle);
constexpr uint32_t kThrottle2 = static_cast<uint32_t>(Token::Engine2Throttle);
constexpr uint32_t kFlapPosition = static_cast<uint32_t>(Token::FlapPosition);
constexpr uint32_t kSimulationTimeS = static_cast<uint32_t>(Token::SimulationClock);
constexpr uint32_t kRadioHeightM = static_cast<uint32_t>(Token::RadioAltitudeM);
constexpr uint32_t kFlightDirector = 792;
constexpr uint32_t kMmo = 822;
constexpr uint32_t kUnknownFlag848 = 848;
}  // namespace tok

struct State {
  int32_t pitchMode = 0;
  int32_t rollMode = 0;
  int32_t thrustMode = 0;
  int32_t previousThrustMode = 0;
  int32_t altPreselectArm = 0;
  int32_t modeE = 0;
  int32_t approachMode = 0;
  int32_t speedView = 0;
  int32_t dfgc = 0;
  uint8_t vnav = 0;
  int32_t vnavPhase = 0;
  uint8_t fmsOverride = 0;
  int32_t vsWheel = 0;
  double iasTargetKt = 0.0;
  double machTarget = 0.0;
  double selected[4] = {};
  double selectDeadlineTick = 0.0;  // the panel knobs' own fast-click window
  uint32_t autothrottleDisconnect = 0;
  uint32_t togaRequest = 0;
  uint32_t togaLatch = 0;
  uint32_t takeoffSpeedLatch = 0;
  double minimumSpeedKt = 0.0;
  // EPR hold: the throttle positions when it began.
  uint32_t eprHoldLatch = 0;
  double eprHoldThrottle[2] = {};
  // Speed on pitch.
  double speedErrorKt = 0.0;
  double previousSpeedErrorKt = 0.0;
  double speedErrorRateKt = 0.0;
  double verticalSpeedCommandFpm = 0.0;
  double speedStepFpm = 0.0;
  // Path descent.
  double pathErrorFt = 0.0;
  double previousPathErrorFt = 0.0;
  double pathErrorRateFt = 0.0;
  double pathThrottleCommand = 0.0;
  double pathStep = 0.0;
  // Self-tests and touchdown.
  uint32_t testAfterPowerLoss = 0;
  uint32_t postLandingAirborne = 0;
  uint32_t postLandingDeadlineRunning = 0;
  double postLandingDeadlineS = 0.0;
  uint32_t touchdownAirborne = 0;
};

State& Get();

// Throttle-lever reads shared by the panel and the laws.
double ThrottleLever(int32_t engine);
// The simulator's autopilot in vertical-speed hold at the rate given.
void EngageSimVerticalSpeed(double verticalSpeedFpm);

}  // namespace halcyon::dfgs
