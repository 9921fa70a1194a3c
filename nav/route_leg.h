// One leg of a route: the path from a FROM position to a TO waypoint, what
// kind of leg it is, its altitude constraints, a hold or procedure turn at
// its TO waypoint, and what the FMS predicts and computes for it (distance
// and time to go, turn points, arc points). Legs are chained in route order
// and owned by their CFlightPlan. Positions are north and west positive.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "nav/latlon.h"
#include "nav/nav_records.h"

namespace halcyon {

// The TO ident of a leg whose waypoint is not entered yet.
constexpr const char* kNoLegIdent = "[[[[[";

enum class LegType : int32_t {
  None = 0,
  Direct = 1,
  DirectIntercept = 2,
  Airway = 3,
  Destination = 4,
  Sid = 5,
  Star = 6,
  Final = 7,
  ApproachTransition = 8,
};
enum class LegSpecial : int32_t { None = 0, Vectors = 1, Intercept = 2, Arc = 3, Holding = 4, ClimbToAltitude = 5 };
enum class PassType : int32_t { FlyPast = 0, FlyOver = 1 };
enum class AltConstraintType : int32_t { None = 0, At = 1, AtOrAbove = 2, AtOrBelow = 3 };
constexpr int32_t kTurnLeft = 1;
constexpr int32_t kTurnRight = 2;

// A holding pattern at a leg's TO waypoint.
class CHold {
 public:
  CHold() = default;
  CHold(double inboundCourseTrueDeg, int32_t turnDirection, double legDistanceNm, double legTimeMin, double bestSpeedKt)
      : inboundCourseTrueDeg_(inboundCourseTrueDeg),
        turnDirection_(turnDirection),
        legDistanceNm_(legDistanceNm),
        legTimeMin_(legTimeMin),
        bestSpeedKt_(bestSpeedKt) {}
  double GetInboundCourse() const { return inboundCourseTrueDeg_; }  // degrees true
  int32_t GetTurnDirection() const { return turnDirection_; }        // kTurnLeft, anything else right
  double GetLegDistance() const { return legDistanceNm_; }           // NM or kUnsetValue
  double GetLegTime() const { return legTimeMin_; }                  // minutes or kUnsetValue
  double GetBestSpeed() const { return bestSpeedKt_; }               // knots or kUnsetValue

 private:
  double inboundCourseTrueDeg_ = kUnsetValue;
  int32_t turnDirection_ = kTurnRight;
  double legDistanceNm_ = kUnsetValue;
  double legTimeMin_ = kUnsetValue;
  double bestSpeedKt_ = kUnsetValue;
};

// A procedure turn before a leg's TO waypoint.
class CProcTurn {
 public:
  CProcTurn() = default;
  CProcTurn(double inboundCourseMagDeg, double distanceNm, int32_t turnDirection)
      : inboundCourseMagDeg_(inboundCourseMagDeg), distanceNm_(distanceNm), turnDirection_(turnDirection) {}
  double GetInboundCourse() const { return inboundCourseMagDeg_; }  // degrees magnetic
  double GetDistance() const { return distanceNm_; }                // NM
  int32_t GetTurnDirection() const { return turnDirection_; }       // kTurnLeft, kTurnRight; 0 not set
  bool IsComplete() const {
    return inboundCourseMagDeg_ != kUnsetValue && distanceNm_ != kUnsetValue && turnDirection_ != 0;
  }

 private:
  double inboundCourseMagDeg_ = kUnsetValue;
  double distanceNm_ = kUnsetValue;
  int32_t turnDirection_ = 0;
};

class CLeg : public ChainLink<CLeg> {
 public:
  static constexpr int kArcPoints = 10;
  static constexpr int kTurnPoints = 4;

  // A placeholder leg: no TO ident, type NONE, nothing set.
  CLeg() = default;
  CLeg(const std::string& toIdent, const CLatLon& to, LegType type);
  // A copy takes the leg's values, its hold and procedure turn, never the chain.
  CLeg(const CLeg& other);
  CLeg& operator=(const CLeg& other);

  // ---- Path ----
  CLatLon* GetFromPosition() { return &from_; }
  const CLatLon* GetFromPosition() const { return &from_; }
  CLatLon* GetToPosition() { return &to_; }
  const CLatLon* GetToPosition() const { return &to_; }
  const char* GetToIdent() const { return toIdent_.c_str(); }
  bool HasToIdent() const { return toIdent_ != kNoLegIdent; }
  // A waypoint is entered and the leg has a type.
  bool IsDefined() const { return HasToIdent() && type_ != LegType::None; }
  int32_t GetType() const { return static_cast<int32_t>(type_); }
  bool IsDestination() const { return type_ == LegType::Destination; }
  bool IsDirectIntercept() const { return type_ == LegType::DirectIntercept; }
  int32_t GetSpecial() const { return static_cast<int32_t>(special_); }
  bool IsHolding() const { return special_ == LegSpecial::Holding; }
  int32_t GetPassType() const { return static_cast<int32_t>(passType_); }
  uint8_t IsFromRunway() const { return fromRunway_; }
  // Great-circle length from FROM to TO; 0.0 while either is unset.
  double GetLegDistance() const { return legDistanceNm_; }

  // ---- Edit state: set by every edit, cleared when the route is executed ----
  uint8_t IsChanged() const { return changed_; }

  // ---- Predictions (kUnsetValue until the FMS predicts them) ----
  double GetDistToWpt() const { return distToWptNm_; }  // NM along the route from the present position
  double GetEtaAtWpt() const { return etaHhmm_; }       // HHMM, minutes may have a fraction
  void SetPrediction(double distToWptNm, double etaHhmm) {
    distToWptNm_ = distToWptNm;
    etaHhmm_ = etaHhmm;
  }

  // ---- Altitude constraints, i = 1 or 2 (a window has both) ----
  double GetAltConstraint(int i) const;          // feet or kUnsetValue
  int32_t GetAltConstraintType(int i) const;     // AltConstraintType

  // ---- Turn and arc geometry, computed by the FMS ----
  // TP1 starts the turn onto the next leg, TP2 ends it on that leg, TP3 and
  // TP4 are the curve's two control points.
  bool HasTurnPoints() const;
  CLatLon* GetTurnPoint1() { return &turnPoints_[0]; }
  CLatLon* GetTurnPoint2() { return &turnPoints_[1]; }
  CLatLon* GetTurnPoint3() { return &turnPoints_[2]; }
  CLatLon* GetTurnPoint4() { return &turnPoints_[3]; }
  void SetTurnPoints(const std::array<CLatLon, kTurnPoints>& points) { turnPoints_ = points; }
  void ClearTurnPoints() { turnPoints_ = {}; }
  bool HasArcPoints() const;
  // Null for i outside 0..9.
  CLatLon* GetArcPoint(int i) { return i >= 0 && i < kArcPoints ? &arcPoints_[i] : nullptr; }
  void SetArcPoints(const std::array<CLatLon, kArcPoints>& points) { arcPoints_ = points; }

  // ---- Hold and procedure turn ----
  bool HasProcTurn() const { return procTurn_ != nullptr && procTurn_->IsComplete(); }
  CProcTurn* GetProcTurn() const { return procTurn_.get(); }
  CHold* GetHold() const { return hold_.get(); }

  // ---- What only procedures set (the route's edits set the rest) ----
  void SetType(LegType type) { type_ = type; }
  void SetSpecial(LegSpecial special) { special_ = special; }
  void SetPassType(PassType passType) { passType_ = passType; }
  void SetProcTurn(const CProcTurn& procTurn) { procTurn_ = std::make_unique<CProcTurn>(procTurn); }

 private:
  friend class CFlightPlan;
  void CopyValues(const CLeg& other);
  void SetFrom(const CLatLon& from, bool fromRunway);
  void UpdateDistance();

  CLatLon from_;
  CLatLon to_;
  std::string toIdent_ = kNoLegIdent;
  LegType type_ = LegType::None;
  LegSpecial special_ = LegSpecial::None;
  PassType passType_ = PassType::FlyPast;
  uint8_t fromRunway_ = 0;
  uint8_t changed_ = 0;
  double legDistanceNm_ = 0.0;
  double distToWptNm_ = kUnsetValue;
  double etaHhmm_ = kUnsetValue;
  double altConstraintFt_[2] = {kUnsetValue, kUnsetValue};
  AltConstraintType altConstraintType_[2] = {AltConstraintType::None, AltConstraintType::None};
  std::array<CLatLon, kTurnPoints> turnPoints_;
  std::array<CLatLon, kArcPoints> arcPoints_;
  std::unique_ptr<CProcTurn> procTurn_;
  std::unique_ptr<CHold> hold_;
};

}  // namespace halcyon
