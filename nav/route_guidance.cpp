// Route guidance: leg geometry, turn points, sequencing, the lateral command
// and the predictions with the vertical profile.
#include "nav/route_guidance.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "nav/great_circle.h"

namespace halcyon {
namespace {

// Turn radius per (knot squared) at one unit of tan(bank): V^2 / (g tan(bank)) in NM.
constexpr double kTurnRadiusNmPerKt2 = 1.4572e-5;
// Drift is taken from heading minus track only within this (the aircraft
// turning fast or sliding on the ground gives no drift worth the name).
constexpr double kMaxDriftDeg = 30.0;
constexpr double kMinDriftSpeedKt = 50.0;
// Shorter than this a leg has no course.
constexpr double kMinLegNm = 0.01;
constexpr double kPlaceToleranceNm = 0.01;
// Where a passed end of descent lies: far enough behind for any route.
constexpr double kPassedEndOfDescentNm = -100000.0;

double Norm360(double deg) {
  double d = std::fmod(deg, 360.0);
  if (d < 0.0) d += 360.0;
  return d;
}

double Norm180(double deg) {
  double d = Norm360(deg);
  if (d > 180.0) d -= 360.0;
  return d;
}

double Distance(const CLatLon& a, const CLatLon& b) {
  return GreatCircleDistanceNm(a.GetLat(), a.GetLon(), b.GetLat(), b.GetLon());
}

double Bearing(const CLatLon& a, const CLatLon& b) { return InitialBearing(a.GetLat(), a.GetLon(), b.GetLat(), b.GetLon()); }

CLatLon Along(const CLatLon& a, double bearingDeg, double distNm) {
  const GeoPointDeg p = DestinationPoint(a.GetLat(), a.GetLon(), bearingDeg, distNm);
  return CLatLon(p.latitudeDeg, p.longitudeDeg);
}

bool HasPath(const CLeg* leg) {
  return leg != nullptr && leg->IsDefined() && leg->GetFromPosition()->IsValid() && leg->GetToPosition()->IsValid() &&
         Distance(*leg->GetFromPosition(), *leg->GetToPosition()) >= kMinLegNm;
}

// A leg the aircraft can fly on to: a waypoint with a position.
bool IsFlyable(const CLeg* leg) { return leg != nullptr && leg->IsDefined() && leg->GetToPosition()->IsValid(); }

bool LimitsClimb(int32_t type) {
  return type == static_cast<int32_t>(AltConstraintType::At) || type == static_cast<int32_t>(AltConstraintType::AtOrBelow);
}

bool IsFloor(int32_t type) {
  return type == static_cast<int32_t>(AltConstraintType::At) || type == static_cast<int32_t>(AltConstraintType::AtOrAbove);
}

}  // namespace

double TurnRadiusNm(double groundSpeedKt) {
  const double v = std::max(groundSpeedKt, CRouteGuidance::kMinTurnSpeedKt);
  return kTurnRadiusNmPerKt2 * v * v / std::tan(CRouteGuidance::kBankDeg * kRadiansPerDegree);
}

double CourseChangeDeg(const CLeg& leg, const CLeg& next) {
  const CLatLon& to = *leg.GetToPosition();
  const double back = Bearing(to, *leg.GetFromPosition());
  const double out = Bearing(to, *next.GetToPosition());
  if (back == kUnsetValue || out == kUnsetValue) return 0.0;
  return Norm180(out - (back + 180.0));
}

void CrossAndAlongTrackNm(const CLatLon& from, const CLatLon& to, const CLatLon& position, double* crossNm,
                          double* alongNm) {
  *crossNm = 0.0;
  *alongNm = 0.0;
  const double d13 = Distance(from, position) * kRadiansPerNm;
  const double b13 = Bearing(from, position);
  const double b12 = Bearing(from, to);
  if (b13 == kUnsetValue || b12 == kUnsetValue) return;
  const double angle = (b13 - b12) * kRadiansPerDegree;
  const double xt = std::asin(std::clamp(std::sin(d13) * std::sin(angle), -1.0, 1.0));
  const double at = std::acos(std::clamp(std::cos(d13) / std::cos(xt), -1.0, 1.0));
  *crossNm = xt * kEarthRadiusNm;
  *alongNm = (std::cos(angle) < 0.0 ? -at : at) * kEarthRadiusNm;
}

double HoursToHhmm(double hours) {
  const double h = std::fmod(std::fmod(hours, 24.0) + 24.0, 24.0);
  const double whole = std::floor(h);
  return whole * 100.0 + (h - whole) * 60.0;
}

// ---- Every tick: sequencing and the lateral command ------------------------------------

void CRouteGuidance::Reset() {
  NoLateral();
  edPassed_ = false;
  edFromConstraint_ = false;
  activeLeg_ = nullptr;
  inHold_ = false;
  complete_ = false;
  profileValid_ = false;
  constraintCount_ = 0;
  phase_ = 0;
  pathErrorFt_ = kUnsetValue;
  passedTd_ = false;
  tcNm_ = tdNm_ = edNm_ = kUnsetValue;
}

void CRouteGuidance::NoLateral() {
  crossTrackNm_ = 0.0;
  headingMagDeg_ = -1.0;
  toGoNm_ = kUnsetValue;
}

bool CRouteGuidance::Sequence(CFlightPlan* route, const FmsFlightState& state) {
  const CLeg* passed = route->GetFirstLeg();
  std::snprintf(lastPassed_.data(), lastPassed_.size(), "%s", passed->GetToIdent());
  lastPassedHours_ = state.utcHours;
  inHold_ = false;
  if (!route->SequenceLeg()) {
    complete_ = true;
    return false;
  }
  return true;
}

bool CRouteGuidance::Update(CFlightPlan* route, const FmsFlightState& state) {
  CLeg* leg = route != nullptr ? route->GetFirstLeg() : nullptr;
  if (!IsFlyable(leg) || !state.position.IsValid()) {
    Reset();
    return false;
  }
  // A route executed anew or a direct-to: a fresh start on the new active leg.
  if (leg != activeLeg_) {
    complete_ = false;
    inHold_ = false;
  }
  bool sequenced = false;
  double cross = 0.0;
  double along = 0.0;
  double legNm = 0.0;
  // Twice at most: a sequence puts the next leg up on the same tick.
  for (int pass = 0; pass < 2; ++pass) {
    leg = route->GetFirstLeg();
    const bool path = HasPath(leg);
    if (path) {
      legNm = Distance(*leg->GetFromPosition(), *leg->GetToPosition());
      CrossAndAlongTrackNm(*leg->GetFromPosition(), *leg->GetToPosition(), state.position, &cross, &along);
    } else {
      // No FROM: straight to the waypoint.
      legNm = Distance(state.position, *leg->GetToPosition());
      cross = 0.0;
      along = 0.0;
    }
    toGoNm_ = legNm - along;
    if (complete_ || pass == 1 || state.onGround) break;
    const CLeg* next = leg->GetNext();
    const bool hasNext = IsFlyable(next);
    if (leg->IsHolding()) {
      if (toGoNm_ <= 0.0) inHold_ = true;
      if (!inHold_ || route->GetExitHold() == 0) break;
      route->SetExitHold(0);
    } else {
      const double lead = hasNext && leg->HasTurnPoints()
                              ? Distance(*const_cast<CLeg*>(leg)->GetTurnPoint1(), *leg->GetToPosition())
                              : 0.0;
      if (toGoNm_ > lead) break;
    }
    if (!Sequence(route, state)) break;
    sequenced = true;
  }
  activeLeg_ = leg;
  if (complete_ || inHold_ || leg->GetSpecial() == static_cast<int32_t>(LegSpecial::Vectors)) {
    const double toGo = toGoNm_;
    NoLateral();
    toGoNm_ = toGo;
    return sequenced;
  }

  // The desired track where the aircraft is abeam on the leg.
  double track = kUnsetValue;
  const CLatLon& to = *leg->GetToPosition();
  if (HasPath(leg) && toGoNm_ > kMinLegNm) {
    const CLatLon& from = *leg->GetFromPosition();
    const CLatLon abeam = Along(from, Bearing(from, to), std::clamp(along, 0.0, legNm));
    track = Bearing(abeam, to);
  }
  if (track == kUnsetValue && HasPath(leg)) track = Norm360(Bearing(to, *leg->GetFromPosition()) + 180.0);
  if (track == kUnsetValue) track = Bearing(state.position, to);
  if (track == kUnsetValue) {
    NoLateral();
    return sequenced;
  }
  crossTrackNm_ = cross;
  const double intercept = std::clamp(-kInterceptDegPerNm * cross, -kMaxInterceptDeg, kMaxInterceptDeg);
  double drift = 0.0;
  if (!state.onGround && state.groundSpeedKt >= kMinDriftSpeedKt) {
    drift = std::clamp(Norm180(state.trueHeadingDeg - state.groundTrackDeg), -kMaxDriftDeg, kMaxDriftDeg);
  }
  headingMagDeg_ = Norm360(track + intercept + drift - state.magVarDeg);
  return sequenced;
}

// ---- Once a second: turn points, predictions, the profile ---------------------------

void CRouteGuidance::ComputeTurnPoints(CFlightPlan* route, double groundSpeedKt) {
  const double r = TurnRadiusNm(groundSpeedKt);
  for (CLeg* leg = route->GetFirstLeg(); leg != nullptr && leg->IsDefined(); leg = leg->GetNext()) {
    CLeg* next = leg->GetNext();
    leg->ClearTurnPoints();
    if (leg->GetPassType() == static_cast<int32_t>(PassType::FlyOver) || leg->IsHolding() || !HasPath(leg) ||
        !HasPath(next)) {
      continue;
    }
    const double delta = CourseChangeDeg(*leg, *next);
    const double turn = std::fabs(delta);
    if (turn < kMinFlyByTurnDeg || turn > kMaxFlyByTurnDeg) continue;
    const double lead = r * std::tan(turn * 0.5 * kRadiansPerDegree);
    if (lead >= leg->GetLegDistance() || lead >= next->GetLegDistance()) continue;
    const CLatLon& to = *leg->GetToPosition();
    const CLatLon tp1 = Along(to, Bearing(to, *leg->GetFromPosition()), lead);
    const CLatLon tp2 = Along(to, Bearing(to, *next->GetToPosition()), lead);
    // The Bezier control points of the arc lie on the two tangents.
    const double control = 4.0 / 3.0 * std::tan(turn * 0.25 * kRadiansPerDegree) * r;
    const CLatLon tp3 = Along(tp1, Bearing(tp1, to), control);
    const CLatLon tp4 = Along(tp2, Bearing(tp2, to), control);
    leg->SetTurnPoints({tp1, tp2, tp3, tp4});
  }
}

void CRouteGuidance::Predict(CFlightPlan* route, const FmsFlightState& state, const VnavPlan& plan, CLatLon* tc,
                             CLatLon* td, CLatLon* ed) {
  *tc = CLatLon();
  *td = CLatLon();
  *ed = CLatLon();
  CLeg* first = route != nullptr ? route->GetFirstLeg() : nullptr;
  if (!IsFlyable(first) || !state.position.IsValid()) {
    profileValid_ = false;
    UpdateVertical(state, plan);
    return;
  }
  ComputeTurnPoints(route, state.groundSpeedKt);

  // Distance and time to each waypoint from the present position.
  const double speed = std::max(state.groundSpeedKt, kMinPredictionSpeedKt);
  const double toGo = toGoNm_ != kUnsetValue ? std::max(0.0, toGoNm_) : Distance(state.position, *first->GetToPosition());
  if (route->GetPrevLeg() != first) route->GetPrevLeg()->SetPrediction(kUnsetValue, kUnsetValue);
  double beyond = 0.0;  // from the active waypoint
  const double previousEdAltFt = edAltFt_;
  constraintCount_ = 0;
  edBeyondActiveNm_ = kUnsetValue;
  edAltFt_ = kUnsetValue;
  const CLeg* destination = nullptr;
  double destinationBeyond = 0.0;
  for (CLeg* leg = first; leg != nullptr; leg = leg->GetNext()) {
    if (!leg->IsDefined()) {
      leg->SetPrediction(kUnsetValue, kUnsetValue);
      continue;
    }
    if (leg != first) beyond += leg->GetLegDistance();
    const double distance = toGo + beyond;
    leg->SetPrediction(distance, HoursToHhmm(state.utcHours + distance / speed));
    for (int i = 1; i <= 2; ++i) {
      const int32_t type = leg->GetAltConstraintType(i);
      if (type == static_cast<int32_t>(AltConstraintType::None) || constraintCount_ == kMaxConstraints) continue;
      constraints_[constraintCount_++] = {beyond, leg->GetAltConstraint(i), type};
      // The end of descent: the last constraint the descent must be down to.
      if (LimitsClimb(type)) {
        edBeyondActiveNm_ = beyond;
        edAltFt_ = leg->GetAltConstraint(i);
      }
    }
    if (leg->IsDestination()) {
      destination = leg;
      destinationBeyond = beyond;
    }
  }
  if (edBeyondActiveNm_ != kUnsetValue) {
    edPassed_ = false;
  } else if (edPassed_ || (profileValid_ && edFromConstraint_ && edAltFt_ == kUnsetValue && previousEdAltFt != kUnsetValue)) {
    // The constraint that ended the descent is behind: level at its altitude from here on.
    edPassed_ = true;
    edBeyondActiveNm_ = kPassedEndOfDescentNm;
    edAltFt_ = previousEdAltFt;
  }
  edFromConstraint_ = edBeyondActiveNm_ != kUnsetValue;
  if (edBeyondActiveNm_ == kUnsetValue && destination != nullptr && route->HasDestination()) {
    const CAirport* airport = route->GetDestination();
    edBeyondActiveNm_ = destinationBeyond;
    edAltFt_ = airport->GetRunway()->IsSet() ? airport->GetRunway()->GetElevationFt() : airport->GetElevationFt();
    if (edAltFt_ == kUnsetValue) edAltFt_ = 0.0;
  }
  profileValid_ = true;
  UpdateVertical(state, plan);

  // The profile's points on the route.
  auto place = [&](double s, CLatLon* out) {
    if (s == kUnsetValue || s < 0.0) return;
    double remaining = s;
    const CLeg* last = nullptr;
    for (const CLeg* leg = first; leg != nullptr && leg->IsDefined(); leg = leg->GetNext()) {
      last = leg;
      const double length = leg == first ? toGo : leg->GetLegDistance();
      if (remaining <= length) {
        const CLatLon& to = *leg->GetToPosition();
        if (leg == first && !HasPath(leg)) {
          *out = Along(state.position, Bearing(state.position, to), remaining);
        } else {
          *out = Along(to, Bearing(to, *leg->GetFromPosition()), length - remaining);
        }
        return;
      }
      remaining -= length;
    }
    // Rounding past the last waypoint of the route: that waypoint.
    if (last != nullptr && remaining < kPlaceToleranceNm) *out = *last->GetToPosition();
  };
  place(tcNm_, tc);
  if (!passedTd_) place(tdNm_, td);
  place(edNm_, ed);
}

double CRouteGuidance::SpeedFor(double altitudeFt, int32_t phase, const VnavPlan& plan) const {
  double kt = plan.cruiseSpeedKt;
  double mach = plan.cruiseMach;
  if (phase == 1 || phase == 4) {
    kt = plan.climbSpeedKt;
    mach = plan.climbMach;
  } else if (phase == 3) {
    kt = plan.descentSpeedKt;
    mach = plan.descentMach;
  }
  if (altitudeFt < kSpeedLimitAltitudeFt) return std::min(kSpeedLimitKt, kt);
  return altitudeFt < kMachAltitudeFt ? kt : mach;
}

void CRouteGuidance::UpdateVertical(const FmsFlightState& state, const VnavPlan& plan) {
  const double crz = plan.cruiseAltitudeFt;
  pathErrorFt_ = kUnsetValue;
  tcNm_ = tdNm_ = edNm_ = kUnsetValue;
  passedTd_ = false;
  if (!profileValid_ || crz == kUnsetValue || crz <= 0.0 || toGoNm_ == kUnsetValue) {
    phase_ = 0;
    return;
  }
  const double h = state.altitudeFt;
  const double toGo = std::max(0.0, toGoNm_);
  const bool hasEd = edBeyondActiveNm_ != kUnsetValue;
  if (hasEd) {
    edNm_ = toGo + edBeyondActiveNm_;
    if (crz > edAltFt_) tdNm_ = edNm_ - (crz - edAltFt_) / kDescentFtPerNm;
  }
  passedTd_ = tdNm_ != kUnsetValue && tdNm_ <= 0.0 && !state.onGround;
  if (passedTd_ || plan.descendNow != 0) {
    phase_ = 3;
    // Down to the next floor before the end of descent, else to the end of descent.
    double target = hasEd ? edAltFt_ : std::round(h);
    for (int i = 0; i < constraintCount_; ++i) {
      const Constraint& c = constraints_[i];
      if (hasEd && c.beyondActiveNm > edBeyondActiveNm_) break;
      if (IsFloor(c.type) && c.altitudeFt < h + kCruiseBandFt) {
        target = std::max(c.altitudeFt, hasEd ? edAltFt_ : c.altitudeFt);
        break;
      }
    }
    altitudeTargetFt_ = target;
    descentConstraintFt_ = target;
    // Down at the altitude to level at: level at the FMS altitude.
    if (std::fabs(h - target) <= kCruiseBandFt) phase_ = 4;
    if (hasEd) {
      double path = edAltFt_ + std::max(0.0, edNm_) * kDescentFtPerNm;
      if (plan.descendNow == 0) path = std::min(path, crz);
      pathErrorFt_ = h - path;
    }
  } else if (h < crz - kCruiseBandFt) {
    phase_ = 1;
    altitudeTargetFt_ = crz;
    // An AT or AT OR BELOW constraint ahead stops the climb at its altitude;
    // those beyond the top of descent belong to the descent.
    for (int i = 0; i < constraintCount_; ++i) {
      const Constraint& c = constraints_[i];
      if (tdNm_ != kUnsetValue && toGo + c.beyondActiveNm >= tdNm_) break;
      if (LimitsClimb(c.type) && c.altitudeFt < crz && c.altitudeFt > h - kCruiseBandFt) {
        altitudeTargetFt_ = c.altitudeFt;
        if (std::fabs(h - c.altitudeFt) <= kCruiseBandFt) phase_ = 4;
        break;
      }
    }
    descentConstraintFt_ = altitudeTargetFt_;
    tcNm_ = (crz - h) / kClimbFtPerNm;
    if (tdNm_ != kUnsetValue && tcNm_ > tdNm_) tcNm_ = std::max(0.0, tdNm_);
  } else {
    phase_ = 2;
    altitudeTargetFt_ = crz;
    descentConstraintFt_ = crz;
  }
  speedTarget_ = SpeedFor(h, passedTd_ || plan.descendNow != 0 ? 3 : phase_, plan);
}

}  // namespace halcyon
