// A route: origin and destination airports and the chain of legs between
// them, with the edits the CDU makes (insert and delete waypoints, direct-to,
// direct-intercept, altitude constraints, holds) and the state the displays
// read (which legs changed since the route was executed, the active leg).
//
// Shape of the leg chain:
//   - An empty route has no legs at all (GetFirstLeg and GetPrevLeg null).
//   - A route with legs always ends with one placeholder leg (TO ident
//     kNoLegIdent, type NONE), the slot where the next waypoint goes; the map
//     display draws every leg but the last of a chain, so the real legs are
//     all drawn.
//   - The chain starts at the leg last passed (GetPrevLeg), and the leg to
//     the active waypoint (GetFirstLeg) follows it; when the route is built
//     both are the first leg. Sequencing frees the legs before the new
//     previous leg, so GetPrevLeg()->GetNext() is GetFirstLeg() once the
//     route has sequenced.
//   - Each leg's FROM is the TO of the leg before it; the first leg starts at
//     the origin's selected runway threshold (IsFromRunway), else at the
//     origin airport, else where the FMS anchored it (the present position).
//   - With a destination, the last real leg is a DESTINATION leg to it;
//     waypoints are inserted before it.
// Every edit marks the legs it touched as changed; while the route is the
// executed one, an edit also marks the route modified. Executing clears both.
#pragma once

#include <cstdint>
#include <string>

#include "nav/nav_records.h"
#include "nav/route_leg.h"

namespace halcyon {

class CFlightPlan {
 public:
  CFlightPlan() = default;
  ~CFlightPlan();
  // Deep copies: legs, holds and procedure turns, airports and flags; the
  // copy's active leg is the leg at the same place.
  CFlightPlan(const CFlightPlan& other);
  CFlightPlan& operator=(const CFlightPlan& other);

  // ---- What the displays read ----
  CLeg* GetFirstLeg() const { return first_; }
  CLeg* GetPrevLeg() const { return head_; }
  uint8_t IsModified() const { return modified_; }
  // Some leg's TO ident is exactly `ident`.
  bool HasLegFix(const char* ident) const;
  uint8_t GetExitHold() const { return exitHold_; }
  bool HasOrigin() const { return origin_.IsSet(); }
  bool HasDestination() const { return destination_.IsSet(); }
  CAirport* GetOrigin() { return &origin_; }
  CAirport* GetDestination() { return &destination_; }
  const CAirport* GetOrigin() const { return &origin_; }
  const CAirport* GetDestination() const { return &destination_; }
  // The legs of the chain, placeholder included.
  int CountLegs() const;
  bool IsEmpty() const { return head_ == nullptr; }

  // ---- Airports ----
  // The origin (with its selected runway, if any); the first leg is
  // re-anchored to it.
  void SetOrigin(const CAirport& airport);
  // The destination; the route's DESTINATION leg goes to its selected
  // runway threshold, else to the airport.
  void SetDestination(const CAirport& airport);
  // The runway of the origin or destination by ident; false when the
  // airport has none such.
  bool SelectOriginRunway(const char* ident);
  bool SelectDestinationRunway(const char* ident);

  // ---- Waypoints ----
  // A new leg to a waypoint, placed before `before` (a leg of this route);
  // with null it goes after the last waypoint, before the DESTINATION leg if
  // there is one. Returns the new leg.
  CLeg* InsertLeg(CLeg* before, const std::string& ident, const CLatLon& position, LegType type = LegType::Direct);
  // Removes a leg; the next leg then starts where it started. The placeholder
  // and the DESTINATION leg stay (clear the destination for that). False
  // when the leg is not one of this route's that may go.
  bool DeleteLeg(CLeg* leg);
  // Direct to `target`: the legs before it go and it becomes the first leg,
  // a DIRECT leg from `from` (the present position).
  bool DirectTo(CLeg* target, const CLatLon& from);
  // Direct intercept: as DirectTo, but the leg becomes a DIRECT INTERCEPT of
  // the course `inboundCourseTrueDeg` into the target, its FROM on that
  // course as far out as `from` is from the target.
  bool DirectIntercept(CLeg* target, const CLatLon& from, double inboundCourseTrueDeg);
  // Sets the FROM of the first leg (the FMS aligning to the aircraft) unless
  // that leg starts at the runway or the route has sequenced (the active leg
  // then starts at the waypoint passed).
  void AnchorFirstLeg(const CLatLon& from);
  // The active waypoint moves to the next leg; false at the last real leg.
  bool SequenceLeg();
  // Every leg and both airports go.
  void Clear();

  // ---- Leg data ----
  // Constraint i (1 or 2) of a leg; AltConstraintType::None clears it.
  bool SetAltConstraint(CLeg* leg, int i, double altitudeFt, AltConstraintType type);
  // A hold at the leg's TO waypoint: the leg becomes a HOLDING leg.
  bool SetHold(CLeg* leg, const CHold& hold);
  bool ClearHold(CLeg* leg);
  void SetExitHold(uint8_t exitHold) { exitHold_ = exitHold ? 1 : 0; }

  // ---- Execution ----
  // The route is the executed one from now on: changes and modification are
  // cleared, and later edits mark it modified.
  void MarkExecuted();
  void MarkNotExecuted() { executed_ = false; }
  bool IsExecuted() const { return executed_; }

 private:
  CLeg* LegBefore(const CLeg* leg) const;
  CLeg* LastLeg() const;
  CLeg* DestinationLeg() const;
  bool Owns(const CLeg* leg) const;
  // Marks a leg changed (and the route modified while executed).
  void Touch(CLeg* leg);
  // Leg FROMs follow the TOs before them; the first leg starts at the origin.
  void Reconnect();
  // The route start: the origin's runway threshold or airport position.
  CLatLon StartPosition(bool* fromRunway) const;
  void EnsurePlaceholder();
  void DropLegsBefore(CLeg* leg);
  void DeleteLegUnchecked(CLeg* leg);
  void UpdateDestinationLeg();

  CAirport origin_;
  CAirport destination_;
  CLeg* head_ = nullptr;   // the leg last passed: the start of the chain
  CLeg* first_ = nullptr;  // the leg to the active waypoint
  uint8_t modified_ = 0;
  uint8_t exitHold_ = 0;
  bool executed_ = false;
  bool anchored_ = false;  // the first leg's FROM was set by the FMS, not the origin
};

}  // namespace halcyon
