// Routes and their edits.
#include "nav/flight_plan.h"

#include <cstring>

#include "nav/great_circle.h"

namespace halcyon {

CFlightPlan::~CFlightPlan() { delete head_; }

CFlightPlan::CFlightPlan(const CFlightPlan& other) { *this = other; }

CFlightPlan& CFlightPlan::operator=(const CFlightPlan& other) {
  if (this == &other) return *this;
  Clear();
  origin_ = other.origin_;
  destination_ = other.destination_;
  modified_ = other.modified_;
  exitHold_ = other.exitHold_;
  executed_ = other.executed_;
  anchored_ = other.anchored_;
  CLeg* tail = nullptr;
  for (const CLeg* leg = other.head_; leg != nullptr; leg = leg->GetNext()) {
    CLeg* copy = new CLeg(*leg);
    if (tail == nullptr) {
      head_ = copy;
    } else {
      tail->SetNext(copy);
    }
    if (leg == other.first_) first_ = copy;
    tail = copy;
  }
  return *this;
}

// ---- Reading ---------------------------------------------------------------------

bool CFlightPlan::HasLegFix(const char* ident) const {
  if (ident == nullptr || std::strcmp(ident, kNoLegIdent) == 0) return false;
  for (const CLeg* leg = head_; leg != nullptr; leg = leg->GetNext()) {
    if (std::strcmp(leg->GetToIdent(), ident) == 0) return true;
  }
  return false;
}

int CFlightPlan::CountLegs() const {
  int count = 0;
  for (const CLeg* leg = head_; leg != nullptr; leg = leg->GetNext()) ++count;
  return count;
}

CLeg* CFlightPlan::LegBefore(const CLeg* leg) const {
  for (CLeg* walk = head_; walk != nullptr; walk = walk->GetNext()) {
    if (walk->GetNext() == leg) return walk;
  }
  return nullptr;
}

CLeg* CFlightPlan::LastLeg() const { return LegBefore(nullptr); }

CLeg* CFlightPlan::DestinationLeg() const {
  for (CLeg* leg = first_; leg != nullptr; leg = leg->GetNext()) {
    if (leg->IsDestination()) return leg;
  }
  return nullptr;
}

bool CFlightPlan::Owns(const CLeg* leg) const {
  if (leg == nullptr) return false;
  for (const CLeg* walk = head_; walk != nullptr; walk = walk->GetNext()) {
    if (walk == leg) return true;
  }
  return false;
}

// ---- Shape -----------------------------------------------------------------------

void CFlightPlan::Touch(CLeg* leg) {
  if (leg != nullptr) leg->changed_ = 1;
  if (executed_) modified_ = 1;
}

CLatLon CFlightPlan::StartPosition(bool* fromRunway) const {
  const CRunway* runway = origin_.GetRunway();
  *fromRunway = HasOrigin() && runway->IsSet();
  if (*fromRunway) return *runway->GetPosition();
  return HasOrigin() ? *origin_.GetPosition() : CLatLon();
}

void CFlightPlan::Reconnect() {
  if (head_ == nullptr) return;
  // Once the route has sequenced, the chain starts at the leg last passed,
  // which keeps the FROM it was flown from: the start belongs to the first
  // leg not yet flown.
  if (!anchored_ && head_ == first_) {
    bool fromRunway = false;
    const CLatLon start = StartPosition(&fromRunway);
    head_->SetFrom(start, fromRunway);
  } else {
    head_->UpdateDistance();
  }
  for (CLeg* leg = head_; leg->GetNext() != nullptr; leg = leg->GetNext()) {
    CLeg* next = leg->GetNext();
    // A leg with no waypoint yet carries the last position on, so the next
    // waypoint entered starts from there.
    next->SetFrom(leg->HasToIdent() ? *leg->GetToPosition() : *leg->GetFromPosition(), false);
  }
}

void CFlightPlan::EnsurePlaceholder() {
  CLeg* last = LastLeg();
  if (last != nullptr && last->HasToIdent()) last->SetNext(new CLeg());
}

void CFlightPlan::DropLegsBefore(CLeg* leg) {
  CLeg* before = LegBefore(leg);
  if (before == nullptr) return;  // `leg` is the head already
  before->SetNext(nullptr);
  delete head_;
  head_ = leg;
}

void CFlightPlan::UpdateDestinationLeg() {
  CLeg* leg = DestinationLeg();
  if (!HasDestination()) {
    if (leg != nullptr) DeleteLegUnchecked(leg);
    return;
  }
  const CRunway* runway = destination_.GetRunway();
  const CLatLon to = runway->IsSet() ? *runway->GetPosition() : *destination_.GetPosition();
  if (leg == nullptr) {
    CLeg* placeholder = LastLeg();
    leg = new CLeg(destination_.GetIdent(), to, LegType::Destination);
    if (placeholder == nullptr) {
      head_ = first_ = leg;
    } else {
      CLeg* before = LegBefore(placeholder);
      leg->SetNext(placeholder);
      if (before == nullptr) {
        head_ = first_ = leg;
      } else {
        before->SetNext(leg);
        // The active leg was the placeholder: the destination is now the one to fly.
        if (first_ == placeholder) first_ = leg;
      }
    }
  } else {
    leg->toIdent_ = destination_.GetIdent();
    leg->to_ = to;
  }
  Touch(leg);
  EnsurePlaceholder();
  Reconnect();
}

// ---- Airports --------------------------------------------------------------------

void CFlightPlan::SetOrigin(const CAirport& airport) {
  origin_ = airport;
  anchored_ = false;
  Touch(head_);
  Reconnect();
}

void CFlightPlan::SetDestination(const CAirport& airport) {
  destination_ = airport;
  UpdateDestinationLeg();
}

bool CFlightPlan::SelectOriginRunway(const char* ident) {
  if (!origin_.SelectRunway(ident)) return false;
  anchored_ = false;
  Touch(head_);
  Reconnect();
  return true;
}

bool CFlightPlan::SelectDestinationRunway(const char* ident) {
  if (!destination_.SelectRunway(ident)) return false;
  UpdateDestinationLeg();
  return true;
}

// ---- Waypoints -------------------------------------------------------------------

CLeg* CFlightPlan::InsertLeg(CLeg* before, const std::string& ident, const CLatLon& position, LegType type) {
  if (before != nullptr && !Owns(before)) return nullptr;
  // Nothing goes in before the leg already passed.
  if (before != nullptr && before == head_ && head_ != first_) return nullptr;
  if (before == nullptr) {
    before = DestinationLeg();
    if (before == nullptr) before = LastLeg();  // the placeholder, or null for an empty route
  }
  CLeg* leg = new CLeg(ident, position, type);
  if (before == nullptr) {
    head_ = first_ = leg;
  } else {
    CLeg* previous = LegBefore(before);
    leg->SetNext(before);
    if (previous == nullptr) {
      head_ = leg;
    } else {
      previous->SetNext(leg);
    }
    if (before == first_) first_ = leg;
  }
  Touch(leg);
  if (before != nullptr && before->HasToIdent()) Touch(before);  // it starts somewhere else now
  EnsurePlaceholder();
  Reconnect();
  return leg;
}

void CFlightPlan::DeleteLegUnchecked(CLeg* leg) {
  CLeg* previous = LegBefore(leg);
  CLeg* next = leg->GetNext();
  if (previous == nullptr) {
    head_ = next;
  } else {
    previous->SetNext(next);
  }
  if (first_ == leg) first_ = next;
  leg->SetNext(nullptr);
  delete leg;
  // With no waypoint left, the route has no legs at all.
  bool anyWaypoint = false;
  for (const CLeg* walk = head_; walk != nullptr && !anyWaypoint; walk = walk->GetNext()) {
    anyWaypoint = walk->HasToIdent();
  }
  if (!anyWaypoint) {
    delete head_;
    head_ = first_ = nullptr;
    anchored_ = false;
    return;
  }
  if (next != nullptr && next->HasToIdent()) Touch(next);
  if (executed_) modified_ = 1;
  Reconnect();
}

bool CFlightPlan::DeleteLeg(CLeg* leg) {
  if (!Owns(leg) || !leg->HasToIdent() || leg->IsDestination()) return false;
  if (leg == head_ && head_ != first_) return false;  // the leg already passed
  DeleteLegUnchecked(leg);
  return true;
}

bool CFlightPlan::DirectTo(CLeg* target, const CLatLon& from) {
  if (!Owns(target) || !target->HasToIdent() || !from.IsValid()) return false;
  DropLegsBefore(target);
  first_ = target;
  target->type_ = LegType::Direct;
  target->SetFrom(from, false);
  anchored_ = true;
  Touch(target);
  Reconnect();
  return true;
}

bool CFlightPlan::DirectIntercept(CLeg* target, const CLatLon& from, double inboundCourseTrueDeg) {
  if (!Owns(target) || !target->HasToIdent() || !from.IsValid() || !target->GetToPosition()->IsValid()) return false;
  const CLatLon& to = *target->GetToPosition();
  double outNm = GreatCircleDistanceNm(to.GetLat(), to.GetLon(), from.GetLat(), from.GetLon());
  if (outNm < 1.0) outNm = 1.0;  // a course needs two distinct points
  const GeoPointDeg start = DestinationPoint(to.GetLat(), to.GetLon(), inboundCourseTrueDeg + 180.0, outNm);
  DropLegsBefore(target);
  first_ = target;
  target->type_ = LegType::DirectIntercept;
  target->SetFrom(CLatLon(start.latitudeDeg, start.longitudeDeg), false);
  anchored_ = true;
  Touch(target);
  Reconnect();
  return true;
}

void CFlightPlan::AnchorFirstLeg(const CLatLon& from) {
  // After a sequence the active leg starts at the waypoint passed.
  if (head_ == nullptr || head_ != first_ || head_->IsFromRunway() || !from.IsValid()) return;
  head_->SetFrom(from, false);
  anchored_ = true;
  Reconnect();
}

bool CFlightPlan::SequenceLeg() {
  if (first_ == nullptr || first_->GetNext() == nullptr || !first_->GetNext()->HasToIdent()) return false;
  if (head_ != first_) {
    CLeg* passed = head_;
    head_ = first_;
    passed->SetNext(nullptr);
    delete passed;
  }
  first_ = first_->GetNext();
  return true;
}

void CFlightPlan::Clear() {
  delete head_;
  head_ = first_ = nullptr;
  origin_ = CAirport();
  destination_ = CAirport();
  modified_ = 0;
  exitHold_ = 0;
  executed_ = false;
  anchored_ = false;
}

// ---- Leg data --------------------------------------------------------------------

bool CFlightPlan::SetAltConstraint(CLeg* leg, int i, double altitudeFt, AltConstraintType type) {
  if (!Owns(leg) || !leg->HasToIdent() || (i != 1 && i != 2)) return false;
  const bool clear = type == AltConstraintType::None;
  leg->altConstraintFt_[i - 1] = clear ? kUnsetValue : altitudeFt;
  leg->altConstraintType_[i - 1] = type;
  Touch(leg);
  return true;
}

bool CFlightPlan::SetHold(CLeg* leg, const CHold& hold) {
  if (!Owns(leg) || !leg->HasToIdent()) return false;
  leg->hold_ = std::make_unique<CHold>(hold);
  leg->special_ = LegSpecial::Holding;
  exitHold_ = 0;
  Touch(leg);
  return true;
}

bool CFlightPlan::ClearHold(CLeg* leg) {
  if (!Owns(leg) || leg->GetHold() == nullptr) return false;
  leg->hold_.reset();
  leg->special_ = LegSpecial::None;
  Touch(leg);
  return true;
}

// ---- Execution -------------------------------------------------------------------

void CFlightPlan::MarkExecuted() {
  executed_ = true;
  modified_ = 0;
  for (CLeg* leg = head_; leg != nullptr; leg = leg->GetNext()) leg->changed_ = 0;
}

}  // namespace halcyon
