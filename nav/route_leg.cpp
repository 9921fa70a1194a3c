// Route legs.
#include "nav/route_leg.h"

#include "nav/great_circle.h"

namespace halcyon {
namespace {

template <typename T>
std::unique_ptr<T> CopyOf(const std::unique_ptr<T>& source) {
  return source == nullptr ? nullptr : std::make_unique<T>(*source);
}

template <size_t kCount>
bool AllValid(const std::array<CLatLon, kCount>& points) {
  for (const CLatLon& point : points) {
    if (!point.IsValid()) return false;
  }
  return true;
}

bool ValidIndex(int i) { return i == 1 || i == 2; }

}  // namespace

CLeg::CLeg(const std::string& toIdent, const CLatLon& to, LegType type) : to_(to), toIdent_(toIdent), type_(type) {}

CLeg::CLeg(const CLeg& other) : ChainLink<CLeg>(other) { CopyValues(other); }

CLeg& CLeg::operator=(const CLeg& other) {
  if (this != &other) CopyValues(other);
  return *this;
}

void CLeg::CopyValues(const CLeg& other) {
  from_ = other.from_;
  to_ = other.to_;
  toIdent_ = other.toIdent_;
  type_ = other.type_;
  special_ = other.special_;
  passType_ = other.passType_;
  fromRunway_ = other.fromRunway_;
  changed_ = other.changed_;
  legDistanceNm_ = other.legDistanceNm_;
  distToWptNm_ = other.distToWptNm_;
  etaHhmm_ = other.etaHhmm_;
  for (int i = 0; i < 2; ++i) {
    altConstraintFt_[i] = other.altConstraintFt_[i];
    altConstraintType_[i] = other.altConstraintType_[i];
  }
  turnPoints_ = other.turnPoints_;
  arcPoints_ = other.arcPoints_;
  procTurn_ = CopyOf(other.procTurn_);
  hold_ = CopyOf(other.hold_);
}

double CLeg::GetAltConstraint(int i) const { return ValidIndex(i) ? altConstraintFt_[i - 1] : kUnsetValue; }

int32_t CLeg::GetAltConstraintType(int i) const {
  return static_cast<int32_t>(ValidIndex(i) ? altConstraintType_[i - 1] : AltConstraintType::None);
}

bool CLeg::HasTurnPoints() const { return AllValid(turnPoints_); }

bool CLeg::HasArcPoints() const { return AllValid(arcPoints_); }

void CLeg::SetFrom(const CLatLon& from, bool fromRunway) {
  from_ = from;
  fromRunway_ = fromRunway ? 1 : 0;
  UpdateDistance();
}

void CLeg::UpdateDistance() {
  legDistanceNm_ = from_.IsValid() && to_.IsValid()
                       ? GreatCircleDistanceNm(from_.GetLat(), from_.GetLon(), to_.GetLat(), to_.GetLon())
                       : 0.0;
}

}  // namespace halcyon
