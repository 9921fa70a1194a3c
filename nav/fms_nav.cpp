// Route slots, execution and the FMS position.
#include "nav/fms_nav.h"

#include <cstring>
#include <string>

namespace halcyon {

CFlightPlan* CFmsNav::GetRoute(int32_t slot) {
  return slot >= 1 && slot <= kActiveSlot ? &routes_[slot - 1] : nullptr;
}

const CFlightPlan* CFmsNav::GetRoute(int32_t slot) const {
  return slot >= 1 && slot <= kActiveSlot ? &routes_[slot - 1] : nullptr;
}

// ---- Routes ------------------------------------------------------------------------

bool CFmsNav::Activate(int32_t n) {
  if ((n != 1 && n != 2) || n == execRoute_) return false;
  const CFlightPlan& route = Route(n);
  if (!route.HasOrigin() && route.IsEmpty()) return false;
  pendingActivation_ = n;
  return true;
}

bool CFmsNav::HasChangePending(int32_t n) const {
  if (n != 1 && n != 2) return false;
  return pendingActivation_ == n || (execRoute_ == n && routes_[n - 1].IsModified() != 0);
}

bool CFmsNav::Execute() {
  int32_t n = pendingActivation_;
  if (n == 0 && HasChangePending(execRoute_)) n = execRoute_;
  if (n == 0) return false;
  CFlightPlan& active = routes_[kActiveSlot - 1];
  // A modification keeps the waypoint the aircraft flies to, when it is still in the route.
  std::string activeIdent;
  if (n == execRoute_ && active.GetFirstLeg() != nullptr) activeIdent = active.GetFirstLeg()->GetToIdent();
  if (execRoute_ != 0 && execRoute_ != n) Route(execRoute_).MarkNotExecuted();
  Route(n).MarkExecuted();
  active = Route(n);
  execRoute_ = n;
  pendingActivation_ = 0;
  if (!activeIdent.empty() && active.HasLegFix(activeIdent.c_str())) {
    while (std::strcmp(active.GetFirstLeg()->GetToIdent(), activeIdent.c_str()) != 0 && active.SequenceLeg()) {
    }
  }
  // A route flown for the first time starts where the aircraft is, unless it starts at the runway.
  if (activeIdent.empty() && initialised_) active.AnchorFirstLeg(*GetPosition());
  return true;
}

bool CFmsNav::Erase(int32_t n) {
  if (pendingActivation_ != 0 && pendingActivation_ == n) {
    pendingActivation_ = 0;
    return true;
  }
  if (!HasChangePending(n)) return false;
  Route(n) = routes_[kActiveSlot - 1];
  Route(n).MarkExecuted();
  return true;
}

// ---- Position ----------------------------------------------------------------------

const CLatLon* CFmsNav::GetPosition() {
  position_ = CLatLon();
  if (initialised_ && aircraft_.IsValid()) {
    double lon = aircraft_.GetLon() + offsetLonDeg_;
    if (lon > 180.0) lon -= 360.0;
    if (lon < -180.0) lon += 360.0;
    position_.SetLatLon(aircraft_.GetLat() + offsetLatDeg_, lon);
  }
  return &position_;
}

bool CFmsNav::SetIrsPosition(const CLatLon& entered) {
  if (!entered.IsValid() || !aircraft_.IsValid()) return false;
  offsetLatDeg_ = entered.GetLat() - aircraft_.GetLat();
  offsetLonDeg_ = entered.GetLon() - aircraft_.GetLon();
  initialised_ = true;
  if (aligning_ != 0) alignDone_ = 1;
  return true;
}

void CFmsNav::AlignToAircraftPosition() {
  offsetLatDeg_ = 0.0;
  offsetLonDeg_ = 0.0;
  initialised_ = true;
  if (aligning_ != 0) alignDone_ = 1;
  if (CFlightPlan* working = GetWorkingRoute()) working->AnchorFirstLeg(aircraft_);
}

void CFmsNav::SetIrsAligning(uint8_t on) {
  aligning_ = on != 0 ? 1 : 0;
  if (aligning_ != 0) {
    if (initialised_) alignDone_ = 1;
    return;
  }
  alignDone_ = 0;
  initialised_ = false;
  offsetLatDeg_ = 0.0;
  offsetLonDeg_ = 0.0;
}

void CFmsNav::RestoreAlignDone() {
  offsetLatDeg_ = 0.0;
  offsetLonDeg_ = 0.0;
  initialised_ = true;
  alignDone_ = 1;
}

}  // namespace halcyon
