// What the FMS computes on the route it flies (the working route, slot 3):
//   - every tick: the active leg's cross-track error and the heading that
//     brings the aircraft onto it and holds it there, and the waypoint
//     sequencing (fly-by at the start of the turn, fly-over and the last leg
//     when the waypoint is reached; a holding fix is not left before EXIT HOLD);
//   - once a second: the turn points of each fly-by waypoint, the distance
//     and time to each waypoint, and the vertical profile (top of climb, top
//     of descent, end of descent) with the VNAV phase and targets.
// Positions are north and west positive, courses true unless named magnetic.
//
// Sign conventions the flight guidance and the displays rely on:
//   - cross-track is positive with the aircraft RIGHT of the track;
//   - path error is positive with the aircraft ABOVE the descent path;
//   - the heading command is magnetic (it becomes the heading bug), -1 when
//     there is no lateral guidance.
#pragma once

#include <array>
#include <cstdint>

#include "nav/flight_plan.h"
#include "nav/latlon.h"

namespace halcyon {

// What the FMS knows of the aircraft on this tick.
struct FmsFlightState {
  CLatLon position;               // the FMS position; unset without one
  double altitudeFt = 0.0;
  double groundSpeedKt = 0.0;
  double trueHeadingDeg = 0.0;
  double groundTrackDeg = 0.0;    // true
  double magVarDeg = 0.0;         // east positive: true = magnetic + variation
  double utcHours = 0.0;          // hours since midnight, UTC
  bool onGround = true;
};

// The crew's vertical plan: the PERF INIT / CLB / CRZ / DES pages' entries.
struct VnavPlan {
  double cruiseAltitudeFt = kUnsetValue;  // unset: no VNAV
  double climbSpeedKt = 280.0;
  double climbMach = 0.74;
  double cruiseSpeedKt = 280.0;
  double cruiseMach = 0.76;
  double descentSpeedKt = 290.0;
  double descentMach = 0.74;
  uint8_t descendNow = 0;
};

// Geometry of the turn at a fly-by waypoint.
struct TurnGeometry {
  double radiusNm = 0.0;
  double leadNm = 0.0;      // from the waypoint back to TP1 and on to TP2
  double turnAngleDeg = 0.0;  // signed, right positive
};

// The radius of a turn at 25 degrees of bank at a ground speed (150 kt at least).
double TurnRadiusNm(double groundSpeedKt);
// The course change from one leg onto the next at their common waypoint
// (signed, right positive, -180..180): the first leg's course arriving there
// against the next leg's course leaving it.
double CourseChangeDeg(const CLeg& leg, const CLeg& next);
// Signed cross-track (right positive) and along-track distance (from FROM)
// of a position from the great circle FROM -> TO.
void CrossAndAlongTrackNm(const CLatLon& from, const CLatLon& to, const CLatLon& position, double* crossNm,
                          double* alongNm);
// "HHMM" as a number, minutes with their fraction, for a time of day in hours.
double HoursToHhmm(double hours);

class CRouteGuidance {
 public:
  // Turns of more than this are flown over the waypoint, not cut.
  static constexpr double kMaxFlyByTurnDeg = 135.0;
  static constexpr double kMinFlyByTurnDeg = 2.0;
  static constexpr double kBankDeg = 25.0;
  static constexpr double kMinTurnSpeedKt = 150.0;
  // Intercept angle for each NM off the track, at most kMaxInterceptDeg.
  static constexpr double kInterceptDegPerNm = 12.0;
  static constexpr double kMaxInterceptDeg = 45.0;
  // The slowest speed predictions use (the aircraft on the ground).
  static constexpr double kMinPredictionSpeedKt = 150.0;
  // The descent path, 3 degrees: feet per NM.
  static constexpr double kDescentFtPerNm = 318.4;
  // The climb gradient the top of climb is placed with.
  static constexpr double kClimbFtPerNm = 400.0;
  // Within this of the cruise altitude the FMS is in cruise.
  static constexpr double kCruiseBandFt = 300.0;
  static constexpr double kSpeedLimitAltitudeFt = 10000.0;
  static constexpr double kSpeedLimitKt = 250.0;
  static constexpr double kMachAltitudeFt = 27000.0;

  // Every tick: sequencing and the lateral guidance on `route` (null: none).
  // Returns true when the route sequenced a leg on this tick.
  bool Update(CFlightPlan* route, const FmsFlightState& state);
  // Once a second (and after each sequence): turn points, distances and
  // times, and the vertical profile; the profile points go to tc, td, ed.
  void Predict(CFlightPlan* route, const FmsFlightState& state, const VnavPlan& plan, CLatLon* tc, CLatLon* td,
               CLatLon* ed);
  // The vertical outputs for this tick from the last profile and the
  // distance flown on the active leg since.
  void UpdateVertical(const FmsFlightState& state, const VnavPlan& plan);
  // Forget everything (no route).
  void Reset();

  // ---- Lateral ----
  double CrossTrackNm() const { return crossTrackNm_; }
  double HeadingCommandDeg() const { return headingMagDeg_; }  // magnetic, -1 none
  // Along the active leg to its waypoint, NM; unset without guidance.
  double ActiveLegToGoNm() const { return toGoNm_; }
  bool InHold() const { return inHold_; }
  bool RouteComplete() const { return complete_; }
  // The ident and UTC time of the last waypoint passed (empty before any).
  const char* LastPassedIdent() const { return lastPassed_.data(); }
  double LastPassedUtcHours() const { return lastPassedHours_; }

  // ---- Vertical ----
  int32_t Phase() const { return phase_; }
  double AltitudeTargetFt() const { return altitudeTargetFt_; }
  double SpeedTarget() const { return speedTarget_; }
  double DescentConstraintFt() const { return descentConstraintFt_; }
  double PathErrorFt() const { return pathErrorFt_; }
  bool PassedTopOfDescent() const { return passedTd_; }
  // Along the route from the aircraft, NM; unset when there is none.
  double DistanceToTopOfClimbNm() const { return tcNm_; }
  double DistanceToTopOfDescentNm() const { return tdNm_; }
  double DistanceToEndOfDescentNm() const { return edNm_; }
  double EndOfDescentAltitudeFt() const { return edAltFt_; }

 private:
  // A constraint ahead, along the route from the active waypoint.
  struct Constraint {
    double beyondActiveNm;  // from the active waypoint
    double altitudeFt;
    int32_t type;
  };
  static constexpr int kMaxConstraints = 32;

  void NoLateral();
  bool Sequence(CFlightPlan* route, const FmsFlightState& state);
  void ComputeTurnPoints(CFlightPlan* route, double groundSpeedKt);
  double SpeedFor(double altitudeFt, int32_t phase, const VnavPlan& plan) const;

  // Lateral, every tick.
  double crossTrackNm_ = 0.0;
  double headingMagDeg_ = -1.0;
  double toGoNm_ = kUnsetValue;
  bool inHold_ = false;
  bool complete_ = false;
  const CLeg* activeLeg_ = nullptr;
  std::array<char, 16> lastPassed_{};
  double lastPassedHours_ = kUnsetValue;

  // Profile, once a second: distances beyond the active waypoint.
  bool profileValid_ = false;
  double edBeyondActiveNm_ = kUnsetValue;
  double edAltFt_ = kUnsetValue;
  // The end of descent was a constraint of a waypoint since passed: the
  // descent ends there, at its altitude, and not at the destination.
  bool edPassed_ = false;
  bool edFromConstraint_ = false;
  std::array<Constraint, kMaxConstraints> constraints_{};
  int constraintCount_ = 0;

  // Vertical outputs.
  int32_t phase_ = 0;
  double altitudeTargetFt_ = 0.0;
  double speedTarget_ = 0.0;
  double descentConstraintFt_ = 0.0;
  double pathErrorFt_ = kUnsetValue;
  bool passedTd_ = false;
  double tcNm_ = kUnsetValue;
  double tdNm_ = kUnsetValue;
  double edNm_ = kUnsetValue;
};

}  // namespace halcyon
