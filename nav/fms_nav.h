// The FMS navigation state: the two routes the crew builds (RTE 1 and RTE 2),
// the executed copy the aircraft flies (slot 3), which route is executed and
// which activation or modification waits for EXEC; and the FMS position, the
// aircraft's position plus the offset the crew set on POS INIT, with the
// alignment handshake of the inertial reference units. Positions are north
// and west positive.
//
// Route life cycle:
//   - The crew edits RTE n. ACTIVATE on RTE n makes its activation pending;
//     EXEC then makes n the executed route and slot 3 a copy of RTE n.
//   - Edits to the executed RTE n mark it modified (and its touched legs
//     changed) until EXEC copies it into slot 3 again, keeping the active
//     waypoint when its ident is still in the route; ERASE instead puts RTE n
//     back as slot 3 holds it.
//   - The "working route" is slot 3 while a route is executed, none otherwise.
#pragma once

#include <array>
#include <cstdint>

#include "nav/flight_plan.h"
#include "nav/latlon.h"

namespace halcyon {

class CFmsNav {
 public:
  static constexpr int32_t kActiveSlot = 3;

  CFmsNav() = default;
  CFmsNav(const CFmsNav&) = delete;
  CFmsNav& operator=(const CFmsNav&) = delete;

  // ---- Routes ----
  // Slot 1 RTE 1, 2 RTE 2, 3 the executed copy; null for any other slot.
  CFlightPlan* GetRoute(int32_t slot);
  const CFlightPlan* GetRoute(int32_t slot) const;
  // 0 none, else the executed route's number.
  int32_t GetExecRoute() const { return execRoute_; }
  // The route number the crew selected on the RTE page: 1 or 2.
  int32_t GetActiveRouteIndex() const { return selectedRoute_; }
  void SetActiveRouteIndex(int32_t n) {
    if (n == 1 || n == 2) selectedRoute_ = n;
  }
  // Slot 3 while a route is executed, else null.
  CFlightPlan* GetWorkingRoute() { return execRoute_ != 0 ? &routes_[kActiveSlot - 1] : nullptr; }

  // ACTIVATE on RTE n: pending until EXEC. False for n not 1 or 2, for the
  // route already executed, or for a route with neither origin nor legs.
  bool Activate(int32_t n);
  int32_t GetPendingActivation() const { return pendingActivation_; }
  // What waits for EXEC on route n: its pending activation, or its
  // modification while it is the executed route.
  bool HasChangePending(int32_t n) const;
  bool HasChangePending() const { return HasChangePending(1) || HasChangePending(2); }
  // Executes what is pending; false when nothing is.
  bool Execute();
  // Undoes what is pending on route n; false when nothing is.
  bool Erase(int32_t n);

  // ---- Position ----
  // The aircraft's position as the simulator gives it, once a tick.
  void SetAircraftPosition(const CLatLon& position) { aircraft_ = position; }
  const CLatLon& GetAircraftPosition() const { return aircraft_; }
  // The FMS position: the aircraft's plus the crew's offset, unset until the
  // position is initialised.
  const CLatLon* GetPosition();
  bool IsPositionInitialised() const { return initialised_; }
  // SET IRS POS: the entered position becomes the FMS position (the offset
  // keeps it there as the aircraft moves). False for an invalid position or
  // before the aircraft's own position is known.
  bool SetIrsPosition(const CLatLon& entered);
  // The FMS position is the aircraft's from now on; the working route's
  // first leg starts there unless it starts at the runway.
  void AlignToAircraftPosition();
  // The IRS step, once a second: aligning with the position initialised
  // completes the FMS alignment; not aligning clears it and drops the position.
  void SetIrsAligning(uint8_t on);
  uint8_t IsAlignDone() const { return alignDone_; }
  // The alignment kept over a restart: the IRS may come back in NAV without
  // aligning again, so the position counts as initialised at the aircraft's.
  void RestoreAlignDone();

  // ---- Vertical profile points (unset until predictions place them) ----
  CLatLon* GetTcPosition() { return &topOfClimb_; }
  CLatLon* GetTdPosition() { return &topOfDescent_; }
  CLatLon* GetEdPosition() { return &endOfDescent_; }

 private:
  CFlightPlan& Route(int32_t n) { return routes_[n - 1]; }

  std::array<CFlightPlan, 3> routes_;
  int32_t execRoute_ = 0;
  int32_t pendingActivation_ = 0;
  int32_t selectedRoute_ = 1;

  CLatLon aircraft_;
  CLatLon position_;
  double offsetLatDeg_ = 0.0;
  double offsetLonDeg_ = 0.0;
  bool initialised_ = false;
  uint8_t aligning_ = 0;
  uint8_t alignDone_ = 0;

  CLatLon topOfClimb_;
  CLatLon topOfDescent_;
  CLatLon endOfDescent_;
};

}  // namespace halcyon
