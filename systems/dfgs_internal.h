// The DFGS's working state, shared by its two files (the state and panel in
// dfgs.cpp, the per-tick laws in dfgs_logic.cpp) and by nothing else.
#pragma once

#include <cstdint>

#include "core/panel_services.h"

namespace halcyon::dfgs {

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

}  // namespace halcyon::dfgs
