// The simulator's autopilot and the point-mass flight model. Numbers are
// those of a 140,000-lb twin-jet of the MD-80 family (wing 1,209 sq ft, two
// engines of about 20,000 lbf), rounded; the model is meant to close the
// cockpit's loops plausibly, not to be a certified flight model.
#include "simhost/flight_model.h"

#include <algorithm>
#include <cmath>

#include "simhost/sim_tokens.h"

namespace simhost {
namespace {

// ---- Units and the standard atmosphere ----
constexpr double kPi = 3.14159265358979323846;
constexpr double kRadPerDeg = kPi / 180.0;
constexpr double kMPerFt = 0.3048;
constexpr double kMpsPerKt = 1852.0 / 3600.0;
constexpr double kSecondsPerTick = 1.0 / 18.0;
constexpr double kGravityMps2 = 9.80665;
constexpr double kGasConstantJPerKgK = 287.053;
constexpr double kHeatRatio = 1.4;
constexpr double kSeaLevelTempK = 288.15;
constexpr double kSeaLevelPressurePa = 101325.0;
constexpr double kSeaLevelDensityKgM3 = 1.225;
constexpr double kLapseRateKPerM = 0.0065;
constexpr double kTropopauseM = 11000.0;
constexpr double kTropopauseTempK = 216.65;
constexpr double kEarthRadiusM = 6371000.0;

// ---- The aircraft ----
constexpr double kMassKg = 63500.0;              // 140,000 lb
constexpr double kWingAreaM2 = 112.3;            // 1,209 sq ft
constexpr double kMaxThrustPerEngineN = 89000.0; // 20,000 lbf at sea level
constexpr double kIdleThrustFraction = 0.05;
constexpr double kThrustLapseExponent = 0.8;     // thrust falls with density^0.8
constexpr double kIdleN1Pct = 25.0;              // N1 at idle thrust
constexpr double kFullN1Pct = 98.0;              // and at full thrust
constexpr double kDragCoefficientClean = 0.020;
constexpr double kDragCoefficientFullFlaps = 0.070;
constexpr double kDragCoefficientGear = 0.018;
constexpr double kInducedDragFactor = 0.045;     // 1 / (pi x aspect ratio 9.6 x Oswald 0.74)
constexpr double kMinimumTasMps = 30.0;
// Wave drag (see flight_model.h): drag-divergence Mach, and the critical Mach
// that Lock's law puts 0.108 below it, where dCd/dM = 0.1.
constexpr double kDragDivergenceMach = 0.80;
constexpr double kWaveDragFactor = 20.0;
constexpr double kWaveDragOffsetMach = 0.10772;  // (0.1 / 80)^(1/3)

// ---- The simulator's autopilot ----
constexpr double kStandardTurnRateDegPerS = 3.0;
constexpr double kHeadingGainPerS = 1.0;          // degrees a second per degree of error
constexpr double kVerticalSpeedChangeFpmPerS = 500.0;
// Levelling off: at most the vertical speed from which a pull-up of
// 0.05 g stops at the altitude, and 20 ft/min per foot in the last feet.
constexpr double kCaptureAccelerationFtPerS2 = 0.05 * 32.174;
constexpr double kCaptureFinalFpmPerFt = 20.0;
constexpr double kAltitudeHoldMaxFpm = 2000.0;
// Course and glide-slope capture and tracking.
constexpr double kCourseCaptureNeedle = 120.0;     // of 127: the needle off its stop
constexpr double kCourseLookAheadS = 25.0;
constexpr double kCourseLookAheadMinM = 1500.0;
constexpr double kMaxInterceptDeg = 30.0;
constexpr double kGlideSlopeCaptureNeedle = 6.0;   // of 119: about 0.04 degrees
constexpr double kGlideSlopeCorrectionS = 8.0;
constexpr double kGlideSlopeMaxDescentFpm = 3000.0;
constexpr double kGlideSlopeMaxClimbFpm = 1000.0;
constexpr double kFpmPerMps = 60.0 / 0.3048;
// Flying the vertical speed towards the altitude set: this close, it is reached.
constexpr double kAltitudeReachedFt = 10.0;
constexpr double kThrottleMax = 16384.0;
constexpr double kThrottleMin = -4096.0;
constexpr double kAutothrottleRatePerS = 2500.0;      // throttle units a second, at most
constexpr double kAutothrottleGainPerKtS = 250.0;     // throttle units a second per knot of error
constexpr double kAutothrottleDampingPerKtPerS = 2500.0;  // per knot a second of acceleration

// The largest vertical speed from which the autopilot still levels off smoothly.
double CaptureLimitFpm(double toGoFt) {
  const double d = std::fabs(toGoFt);
  return std::min(std::sqrt(2.0 * kCaptureAccelerationFtPerS2 * d) * 60.0, kCaptureFinalFpmPerFt * d);
}

double Signed(uint32_t value) { return static_cast<double>(static_cast<int32_t>(value)); }

// The autopilot's own bounds on what its knobs step.
constexpr double kAutopilotAirspeedMaxKt = 999.0;
constexpr double kAutopilotMachMax = 3.2;
constexpr double kAutopilotVsMaxFpm = 9900.0;

void StepToken(Token token, double step, double lowest, double highest) {
  // Mach steps land on the hundredths, whatever rounding the sums leave.
  const double stepped = std::round((GetToken(token) + step) * 100.0) / 100.0;
  SetToken(token, std::clamp(stepped, lowest, highest));
}

double NormalizedDeg(double degrees) {
  degrees = std::fmod(degrees, 360.0);
  return degrees < 0.0 ? degrees + 360.0 : degrees;
}

// Impact pressure of a calibrated airspeed, and back.
double ImpactPressurePa(double casKt) {
  const double a0 = std::sqrt(kHeatRatio * kGasConstantJPerKgK * kSeaLevelTempK);
  const double ratio = casKt * kMpsPerKt / a0;
  return kSeaLevelPressurePa * (std::pow(1.0 + 0.2 * ratio * ratio, 3.5) - 1.0);
}

}  // namespace

// ---- Key events ----

void ApplyAutopilotKeyEvent(SimAutopilot& autopilot, uint32_t event, uint32_t value) {
  switch (event) {
    case 66288: ToggleToken(Token::FlightDirector); break;
    case 65860: ToggleToken(Token::AutothrottleArmed); break;
    case 65861: ToggleToken(Token::TogaPower); break;
    case 65808:  // altitude hold on the altitude set
      SetToken(Token::AltitudeLock, 1.0);
      autopilot.verticalSpeedHold = false;
      break;
    case 65799:  // altitude lock flying the vertical speed set
    case 66103:
      SetToken(Token::AltitudeLock, 1.0);
      autopilot.verticalSpeedHold = true;
      autopilot.altitudeAhead = false;
      break;
    case 66124:
      if (Signed(value) != GetToken(Token::AutopilotAltitudeFt)) autopilot.altitudeAhead = false;
      SetToken(Token::AutopilotAltitudeFt, Signed(value));
      break;
    case 66036: SetToken(Token::AutopilotVerticalSpeedFpm, Signed(value)); break;
    case 66042: SetToken(Token::HeadingBugDeg, NormalizedDeg(Signed(value))); break;
    case 66106:
      SetToken(Token::HeadingLock, 1.0);
      SetToken(Token::Nav1Lock, 0.0);
      autopilot.courseCaptured = false;
      break;
    case 65811:
      SetToken(Token::Nav1Lock, 1.0);
      SetToken(Token::HeadingLock, 0.0);
      autopilot.courseCaptured = false;
      break;
    case 65819: SetToken(Token::Nav1Lock, 0.0); break;
    case 65814:
      SetToken(Token::ApproachHold, 0.0);
      SetToken(Token::GlideSlopeHold, 0.0);
      break;
    case 65806:  // approach hold flies the localizer and glide slope itself
      ToggleToken(Token::ApproachHold);
      SetToken(Token::GlideSlopeHold, GetToken(Token::ApproachHold));
      if (IsTokenOn(Token::ApproachHold)) SetToken(Token::HeadingLock, 0.0);
      autopilot.courseCaptured = false;
      break;
    case 66112:
      SetToken(Token::AutopilotAirspeedHold, 1.0);
      SetToken(Token::AutopilotMachHold, 0.0);
      break;
    case 66109:
      SetToken(Token::AutopilotMachHold, 1.0);
      SetToken(Token::AutopilotAirspeedHold, 0.0);
      break;
    case 66113: SetToken(Token::AutopilotAirspeedHold, 0.0); break;
    case 66037: SetToken(Token::AutopilotAirspeedKt, Signed(value)); break;
    // The speed knob and the pitch wheel step the values by a knot, Mach
    // 0.01 and 100 ft/min a click.
    case 65896: StepToken(Token::AutopilotAirspeedKt, 1.0, 0.0, kAutopilotAirspeedMaxKt); break;
    case 65897: StepToken(Token::AutopilotAirspeedKt, -1.0, 0.0, kAutopilotAirspeedMaxKt); break;
    case 65916: StepToken(Token::AutopilotMach, 0.01, 0.0, kAutopilotMachMax); break;
    case 65917: StepToken(Token::AutopilotMach, -0.01, 0.0, kAutopilotMachMax); break;
    case 65894: StepToken(Token::AutopilotVerticalSpeedFpm, 100.0, -kAutopilotVsMaxFpm, kAutopilotVsMaxFpm); break;
    case 65895: StepToken(Token::AutopilotVerticalSpeedFpm, -100.0, -kAutopilotVsMaxFpm, kAutopilotVsMaxFpm); break;
    case 66038: SetToken(Token::AutopilotMach, Signed(value) / 100.0); break;
    case 65820: SetToken(Token::Engine1Throttle, std::clamp(Signed(value), kThrottleMin, kThrottleMax)); break;
    case 65821: SetToken(Token::Engine2Throttle, std::clamp(Signed(value), kThrottleMin, kThrottleMax)); break;
    case 66069: SetToken(Token::YawDamper, 1.0); break;
    case 66070: SetToken(Token::YawDamper, 0.0); break;
    default: break;
  }
}

// ---- The standard atmosphere ----

FlightModel::Air FlightModel::StandardAtmosphere(double altitudeFt) {
  const double h = std::clamp(altitudeFt * kMPerFt, -1000.0, 20000.0);
  Air air{};
  const double exponent = kGravityMps2 / (kGasConstantJPerKgK * kLapseRateKPerM);
  if (h <= kTropopauseM) {
    air.temperatureK = kSeaLevelTempK - kLapseRateKPerM * h;
    air.pressurePa = kSeaLevelPressurePa * std::pow(air.temperatureK / kSeaLevelTempK, exponent);
  } else {
    const double tropopausePa = kSeaLevelPressurePa * std::pow(kTropopauseTempK / kSeaLevelTempK, exponent);
    air.temperatureK = kTropopauseTempK;
    air.pressurePa =
        tropopausePa * std::exp(-kGravityMps2 / (kGasConstantJPerKgK * kTropopauseTempK) * (h - kTropopauseM));
  }
  air.densityKgM3 = air.pressurePa / (kGasConstantJPerKgK * air.temperatureK);
  air.speedOfSoundMps = std::sqrt(kHeatRatio * kGasConstantJPerKgK * air.temperatureK);
  return air;
}

double FlightModel::MachFromCas(double casKt, double altitudeFt) {
  const Air air = StandardAtmosphere(altitudeFt);
  const double qc = ImpactPressurePa(std::max(casKt, 0.0));
  return std::sqrt(5.0 * (std::pow(qc / air.pressurePa + 1.0, 2.0 / 7.0) - 1.0));
}

double FlightModel::CasFromMach(double mach, double altitudeFt) {
  const Air air = StandardAtmosphere(altitudeFt);
  const double m = std::max(mach, 0.0);
  const double qc = air.pressurePa * (std::pow(1.0 + 0.2 * m * m, 3.5) - 1.0);
  const double a0 = std::sqrt(kHeatRatio * kGasConstantJPerKgK * kSeaLevelTempK);
  return a0 * std::sqrt(5.0 * (std::pow(qc / kSeaLevelPressurePa + 1.0, 2.0 / 7.0) - 1.0)) / kMpsPerKt;
}

double FlightModel::TasFromCas(double casKt, double altitudeFt) {
  return MachFromCas(casKt, altitudeFt) * StandardAtmosphere(altitudeFt).speedOfSoundMps / kMpsPerKt;
}

// ---- Forces ----

double FlightModel::ThrustN(double densityKgM3) const {
  struct Engine {
    Token n1Pct;
    Token combustion;
    Token throttle;
  };
  constexpr Engine kEngines[] = {
      {Token::Engine1N1Pct, Token::Engine1Combustion, Token::Engine1Throttle},
      {Token::Engine2N1Pct, Token::Engine2Combustion, Token::Engine2Throttle},
  };
  double thrust = 0.0;
  for (const Engine& engine : kEngines) {
    // An engine running down or motoring on its starter gives no thrust.
    if (!IsTokenOn(engine.combustion)) continue;
    const double n1Pct = GetToken(engine.n1Pct);
    double fraction = n1Pct > 0.0 ? (n1Pct - kIdleN1Pct) / (kFullN1Pct - kIdleN1Pct)
                                  : GetToken(engine.throttle) / kThrottleMax;
    fraction = std::clamp(fraction, 0.0, 1.0);
    thrust += kMaxThrustPerEngineN * (kIdleThrustFraction + (1.0 - kIdleThrustFraction) * fraction);
  }
  return thrust * std::pow(densityKgM3 / kSeaLevelDensityKgM3, kThrustLapseExponent);
}

double FlightModel::WaveDragCoefficient(double mach) {
  const double beyond = mach - (kDragDivergenceMach - kWaveDragOffsetMach);
  return beyond > 0.0 ? kWaveDragFactor * beyond * beyond * beyond * beyond : 0.0;
}

double FlightModel::DragN(double tasMps, const Air& air, double flightPathRad) const {
  const double q = 0.5 * air.densityKgM3 * tasMps * tasMps;
  const double lift = kMassKg * kGravityMps2 * std::cos(flightPathRad);
  const double cl = lift / (q * kWingAreaM2);
  const double flaps = std::clamp(GetToken(Token::FlapPosition) / 16383.0, 0.0, 1.0);
  const double gear = std::clamp(GetToken(Token::GearPosition) / 16383.0, 0.0, 1.0);
  const double cd = kDragCoefficientClean + kDragCoefficientFullFlaps * flaps + kDragCoefficientGear * gear +
                    kInducedDragFactor * cl * cl + WaveDragCoefficient(tasMps / air.speedOfSoundMps);
  return q * kWingAreaM2 * cd;
}

// ---- The simulator's autopilot ----

// The vertical speed the autopilot flies, moved towards its command at a
// limited rate. Altitude hold flies to the altitude set; vertical-speed hold
// flies the rate set and levels at the altitude set when that lies ahead.
double FlightModel::FlyAutopilotVertical(SimAutopilot& autopilot, double altitudeFt,
                                         double verticalSpeedFpm) const {
  if (!IsTokenOn(Token::AltitudeLock)) return verticalSpeedFpm;
  const double target = GetToken(Token::AutopilotAltitudeFt);
  const double toGo = target - altitudeFt;
  double command = 0.0;
  if (autopilot.verticalSpeedHold) {
    command = GetToken(Token::AutopilotVerticalSpeedFpm);
    const bool ahead = (command > 0.0 && toGo > 0.0) || (command < 0.0 && toGo < 0.0);
    // Reached, or passed since the last tick (a gust, a jump of the scenario):
    // from now on the autopilot holds the altitude set.
    const bool passed = autopilot.altitudeAhead && (toGo > 0.0) != (autopilot.toGoFt > 0.0);
    autopilot.altitudeAhead = ahead;
    autopilot.toGoFt = toGo;
    if ((ahead && std::fabs(toGo) < kAltitudeReachedFt) || passed) {
      autopilot.verticalSpeedHold = false;
      autopilot.altitudeAhead = false;
      return FlyAutopilotVertical(autopilot, altitudeFt, verticalSpeedFpm);
    }
    if (ahead) command = std::copysign(std::min(std::fabs(command), CaptureLimitFpm(toGo)), command);
  } else {
    command = std::copysign(std::min(CaptureLimitFpm(toGo), kAltitudeHoldMaxFpm), toGo);
  }
  const double change = kVerticalSpeedChangeFpmPerS * kSecondsPerTick;
  return verticalSpeedFpm + std::clamp(command - verticalSpeedFpm, -change, change);
}

// Heading hold turns towards the bug; NAV and approach hold fly the bug
// until the course is captured, then the course. The bug is a magnetic
// heading, as the crew reads it off the compass; the course line and the
// drift are true, as the aircraft's heading (Token::HeadingDeg) is.
void FlightModel::FlyAutopilotHeading(SimAutopilot& autopilot, const RadioNav::Reception& nav1) {
  const bool navHold = (IsTokenOn(Token::Nav1Lock) || IsTokenOn(Token::ApproachHold)) && !IsTokenOn(Token::HeadingLock);
  if (!navHold) autopilot.courseCaptured = false;
  if (navHold && !autopilot.courseCaptured && nav1.signal && std::fabs(nav1.needle) < kCourseCaptureNeedle) {
    autopilot.courseCaptured = true;
  }
  if (navHold && autopilot.courseCaptured && nav1.signal) {
    const double lookAheadM = std::max(kCourseLookAheadMinM, groundSpeedMps_ * kCourseLookAheadS);
    const double interceptDeg =
        std::clamp(std::atan2(nav1.flyRightM, lookAheadM) / kRadPerDeg, -kMaxInterceptDeg, kMaxInterceptDeg);
    double driftDeg = NormalizedDeg(trackDeg_ - GetToken(Token::HeadingDeg));
    if (driftDeg > 180.0) driftDeg -= 360.0;
    TurnTowards(nav1.courseTrueDeg + interceptDeg - driftDeg);
  } else if (navHold || IsTokenOn(Token::HeadingLock)) {
    TurnTowards(GetToken(Token::HeadingBugDeg) + GetToken(Token::MagneticVariationDeg));
  }
}

// The shorter way to a true heading, at most at the standard rate.
void FlightModel::TurnTowards(double targetTrueDeg) {
  const double heading = GetToken(Token::HeadingDeg);
  double error = NormalizedDeg(targetTrueDeg - heading);
  if (error > 180.0) error -= 360.0;
  const double rate = std::clamp(error * kHeadingGainPerS, -kStandardTurnRateDegPerS, kStandardTurnRateDegPerS);
  SetToken(Token::HeadingDeg, NormalizedDeg(heading + rate * kSecondsPerTick));
}

// The glide slope: captured where the aircraft meets it (the localizer
// captured), then flown down; the altitude lock lets go at the capture.
// Returns the vertical speed to fly, or NaN when the glide slope does not fly.
double FlightModel::FlyGlideSlope(SimAutopilot& autopilot, const RadioNav::Reception& nav1,
                                  double verticalSpeedFpm) const {
  const bool armed = IsTokenOn(Token::ApproachHold) && IsTokenOn(Token::GlideSlopeHold) && autopilot.courseCaptured;
  if (!armed) {
    autopilot.glideSlopeCaptured = false;
    autopilot.glideSlopeNeedle = 0.0;
    return std::nan("");
  }
  if (!autopilot.glideSlopeCaptured && nav1.glideSlope) {
    const bool crossed = autopilot.glideSlopeNeedle != 0.0 && (autopilot.glideSlopeNeedle > 0.0) != (nav1.glideSlopeNeedle > 0.0);
    if (crossed || std::fabs(nav1.glideSlopeNeedle) < kGlideSlopeCaptureNeedle) {
      autopilot.glideSlopeCaptured = true;
      SetToken(Token::AltitudeLock, 0.0);
    }
  }
  autopilot.glideSlopeNeedle = nav1.glideSlope ? nav1.glideSlopeNeedle : 0.0;
  // The altitude lock back on (a flare, altitude hold) takes the vertical over.
  if (!autopilot.glideSlopeCaptured || IsTokenOn(Token::AltitudeLock)) return std::nan("");
  if (!nav1.glideSlope) return verticalSpeedFpm;  // the signal lost: on as before
  const double pathFpm = -groundSpeedMps_ * kFpmPerMps * std::tan(nav1.glideSlopeDeg * kRadPerDeg);
  const double command = std::clamp(pathFpm - nav1.aboveGlidePathFt * 60.0 / kGlideSlopeCorrectionS,
                                    -kGlideSlopeMaxDescentFpm, kGlideSlopeMaxClimbFpm);
  const double change = kVerticalSpeedChangeFpmPerS * kSecondsPerTick;
  return verticalSpeedFpm + std::clamp(command - verticalSpeedFpm, -change, change);
}

// Airspeed or Mach hold on the throttles: the throttle rate follows the speed
// error, damped by the acceleration.
void FlightModel::FlyAutothrottle(double casKt, double altitudeFt, double accelerationKtPerS) {
  if (!IsTokenOn(Token::AutothrottleArmed)) return;
  double targetKt = 0.0;
  if (IsTokenOn(Token::AutopilotMachHold)) {
    targetKt = CasFromMach(GetToken(Token::AutopilotMach), altitudeFt);
  } else if (IsTokenOn(Token::AutopilotAirspeedHold)) {
    targetKt = GetToken(Token::AutopilotAirspeedKt);
  } else {
    return;
  }
  const double rate = std::clamp(
      (targetKt - casKt) * kAutothrottleGainPerKtS - accelerationKtPerS * kAutothrottleDampingPerKtPerS,
      -kAutothrottleRatePerS, kAutothrottleRatePerS);
  for (Token throttle : {Token::Engine1Throttle, Token::Engine2Throttle}) {
    SetToken(throttle, std::clamp(GetToken(throttle) + rate * kSecondsPerTick, 0.0, kThrottleMax));
  }
}

// ---- One tick ----

void FlightModel::Step(SimAutopilot& autopilot, double groundElevationFt, const RadioNav::Reception& nav1) {
  const bool onGround = IsTokenOn(Token::OnGround);
  const bool flying = IsTokenOn(Token::AutopilotEngaged) && !onGround;
  double altitudeFt = GetToken(Token::AltitudeFt);
  double verticalSpeedFpm = GetScaledToken(Token::VerticalSpeed);
  double casKt = GetToken(Token::IndicatedAirspeedKt);

  if (flying) {
    const double onGlideSlopeFpm = FlyGlideSlope(autopilot, nav1, verticalSpeedFpm);
    verticalSpeedFpm = std::isnan(onGlideSlopeFpm) ? FlyAutopilotVertical(autopilot, altitudeFt, verticalSpeedFpm)
                                                   : onGlideSlopeFpm;
    FlyAutopilotHeading(autopilot, nav1);
    FlyAutothrottle(casKt, altitudeFt, accelerationKtPerS_);
    // The point mass: thrust less drag less the climb's share of the weight.
    const Air air = StandardAtmosphere(altitudeFt);
    const double tasMps = std::max(TasFromCas(casKt, altitudeFt) * kMpsPerKt, kMinimumTasMps);
    const double sinPath = std::clamp(verticalSpeedFpm * kMPerFt / 60.0 / tasMps, -1.0, 1.0);
    const double accelerationMps2 =
        (ThrustN(air.densityKgM3) - DragN(tasMps, air, std::asin(sinPath))) / kMassKg -
        kGravityMps2 * sinPath;
    const double newTasMps = std::max(tasMps + accelerationMps2 * kSecondsPerTick, kMinimumTasMps);
    const double newCasKt = CasFromMach(newTasMps / air.speedOfSoundMps, altitudeFt);
    accelerationKtPerS_ = (newCasKt - casKt) / kSecondsPerTick;
    casKt = newCasKt;
    SetToken(Token::IndicatedAirspeedKt, casKt);
    SetScaledToken(Token::VerticalSpeed, verticalSpeedFpm);
  }

  if (onGround) {
    altitudeFt = std::max(altitudeFt, groundElevationFt);
  } else {
    altitudeFt += verticalSpeedFpm / 60.0 * kSecondsPerTick;
    // The autopilot flying it down onto the ground: touchdown, the wheels take it.
    if (flying && altitudeFt <= groundElevationFt && verticalSpeedFpm < 0.0) {
      SetToken(Token::OnGround, 1.0);
      SetToken(Token::VerticalSpeed, 0.0);
    }
    altitudeFt = std::max(altitudeFt, groundElevationFt);
  }
  SetToken(Token::AltitudeFt, altitudeFt);
  SetToken(Token::AltitudeM, altitudeFt * kMPerFt);
  SetScaledToken(Token::RadioAltitudeM, std::max(0.0, altitudeFt - groundElevationFt));

  const double mach = MachFromCas(casKt, altitudeFt);
  SetScaledToken(Token::Mach, mach);
  // The heading is true; the compass reads it less the variation (east positive).
  const double headingDeg = GetToken(Token::HeadingDeg);
  SetToken(Token::MagneticHeadingDeg, NormalizedDeg(headingDeg - GetToken(Token::MagneticVariationDeg)));
  SetScaledToken(Token::TrueHeadingRad, headingDeg);

  // Ground speed: the air's motion over the ground added to the aircraft's
  // through the air; the wheels hold the aircraft against the wind.
  const double tasMps = mach * StandardAtmosphere(altitudeFt).speedOfSoundMps;
  const double windMps = onGround ? 0.0 : GetToken(Token::WindSpeedKt) * kMpsPerKt;
  const double windToRad = (GetToken(Token::WindDirectionDeg) + 180.0) * kRadPerDeg;
  const double northMps = tasMps * std::cos(headingDeg * kRadPerDeg) + windMps * std::cos(windToRad);
  const double eastMps = tasMps * std::sin(headingDeg * kRadPerDeg) + windMps * std::sin(windToRad);
  groundSpeedMps_ = std::hypot(northMps, eastMps);
  if (groundSpeedMps_ > 1.0) trackDeg_ = NormalizedDeg(std::atan2(eastMps, northMps) / kRadPerDeg);
  SetToken(Token::GroundSpeedMps, groundSpeedMps_);

  const double latitudeDeg = GetScaledToken(Token::Latitude);
  const double longitudeDeg = GetScaledToken(Token::Longitude);
  const double newLatitudeDeg =
      std::clamp(latitudeDeg + northMps * kSecondsPerTick / kEarthRadiusM / kRadPerDeg, -89.9, 89.9);
  double newLongitudeDeg =
      longitudeDeg + eastMps * kSecondsPerTick / (kEarthRadiusM * std::cos(latitudeDeg * kRadPerDeg)) / kRadPerDeg;
  if (newLongitudeDeg > 180.0) newLongitudeDeg -= 360.0;
  if (newLongitudeDeg < -180.0) newLongitudeDeg += 360.0;
  SetScaledToken(Token::Latitude, newLatitudeDeg);
  SetScaledToken(Token::Longitude, newLongitudeDeg);
}

}  // namespace simhost
