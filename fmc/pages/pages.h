// The CDU pages built so far. Each page reads and edits the FMS's routes and
// position through the FMS computer, takes entries from its scratchpad and
// answers a bad entry with a scratchpad message.
#pragma once

#include <cstdint>
#include <string>

#include "fmc/cdu_page.h"
#include "nav/flight_plan.h"

namespace halcyon {

// MENU: the computers on the CDU; the FMC prompt leads to the index.
class CMenuPage : public CCduPage {
 public:
  using CCduPage::CCduPage;
  void OnLineSelect(int key) override;
  void Draw(CCduScreen& screen) override;
};

// INIT/REF INDEX: prompts to the initialisation and reference pages.
class CIndexPage : public CCduPage {
 public:
  using CCduPage::CCduPage;
  void OnLineSelect(int key) override;
  void Draw(CCduScreen& screen) override;
};

// POS INIT: a reference airport, the present position and the FMS position,
// and SET IRS POS, which initialises the FMS position.
class CPosInitPage : public CCduPage {
 public:
  using CCduPage::CCduPage;
  void OnLineSelect(int key) override;
  void Draw(CCduScreen& screen) override;

 private:
  std::string refAirport_;
};

// RTE 1 / RTE 2: origin, destination and departure runway, ACTIVATE and
// ERASE. NEXT and PREV turn to the other route.
class CRtePage : public CCduPage {
 public:
  using CCduPage::CCduPage;
  void OnLineSelect(int key) override;
  void OnPrevNext(int step) override;
  void Draw(CCduScreen& screen) override;
  int32_t DisplayedRoute() const override;
};

// RTE n LEGS: the legs from the active waypoint on, five a page, with their
// courses, distances and altitude constraints. Waypoints are entered,
// deleted and flown to directly on the left keys, constraints on the right;
// 6R steps the centre line (the map's plan-mode centre) or, after DIR INTC,
// takes the intercept course into the waypoint at 1L.
class CLegsPage : public CCduPage {
 public:
  static constexpr int kLegsPerPage = 5;

  using CCduPage::CCduPage;
  void OnEnter() override;
  void OnLineSelect(int key) override;
  void OnPrevNext(int step) override;
  void Draw(CCduScreen& screen) override;
  int32_t DisplayedRoute() const override;

  void StartDirectIntercept();
  bool InDirectIntercept() const { return intercept_; }
  // The leg at the centre line, or the leg before it when that one is a DIRECT leg.
  CLeg* CenterLeg();

 private:
  CFlightPlan& Route();
  // The leg at index i from the active waypoint on; null past the end.
  CLeg* LegAt(int index);
  int LegCount();
  void EnterWaypoint(int index);
  void EnterConstraint(int index);
  void EnterInterceptCourse();

  int page_ = 0;
  int centre_ = 0;
  bool intercept_ = false;
};

// DEP/ARR INDEX, and the departure or arrival runways of the route's origin
// or destination, five a page; a runway is chosen on the right keys.
class CDepArrPage : public CCduPage {
 public:
  using CCduPage::CCduPage;
  void OnEnter() override;
  void OnLineSelect(int key) override;
  void OnPrevNext(int step) override;
  void Draw(CCduScreen& screen) override;

 private:
  enum class View : uint8_t { Index, Departures, Arrivals };
  CAirport* Airport();
  int RunwayCount();

  View view_ = View::Index;
  int page_ = 0;
};

// TAKEOFF REF: the take-off speeds as the speed cards set them.
class CTakeoffRefPage : public CCduPage {
 public:
  using CCduPage::CCduPage;
  void OnLineSelect(int key) override;
  void Draw(CCduScreen& screen) override;
};

}  // namespace halcyon

namespace halcyon {

// PERF INIT: zero-fuel weight, fuel and gross weight (thousands of lb),
// and the cruise altitude VNAV flies to.
class CPerfInitPage : public CCduPage {
 public:
  using CCduPage::CCduPage;
  void OnLineSelect(int key) override;
  void Draw(CCduScreen& screen) override;
};

// CLB, CRZ and DES: the cruise altitude, the phase's target speed
// ("280", ".76" or "280/.76"), the distance to the top of climb or descent
// or the end of descent; DES NOW on the DES page.
class CVnavPage : public CCduPage {
 public:
  // phase: 1 climb, 2 cruise, 3 descent.
  CVnavPage(CFms& fms, int32_t phase) : CCduPage(fms), phase_(phase) {}
  void OnLineSelect(int key) override;
  void Draw(CCduScreen& screen) override;

 private:
  int32_t phase_;
};

// HOLD: a hold at a waypoint of the route (the inbound course the leg's
// course into it, right turns, one-minute legs), put into the route shown
// on LEGS for EXEC; EXIT HOLD while the active leg holds.
class CHoldPage : public CCduPage {
 public:
  using CCduPage::CCduPage;
  void OnLineSelect(int key) override;
  void Draw(CCduScreen& screen) override;
};

// FIX INFO 1 and 2 (NEXT/PREV): a reference fix, three radials and a
// radial/distance point from it, for the map.
class CFixInfoPage : public CCduPage {
 public:
  using CCduPage::CCduPage;
  void OnLineSelect(int key) override;
  void OnPrevNext(int step) override;
  void Draw(CCduScreen& screen) override;

 private:
  int32_t fix_ = 1;
};

// NAV DATA: the navaid of a typed ident nearest the aircraft, with its
// kind, position and frequency (the map shows it).
class CNavDataPage : public CCduPage {
 public:
  using CCduPage::CCduPage;
  void OnLineSelect(int key) override;
  void Draw(CCduScreen& screen) override;
};

// PROGRESS: the waypoint last passed, the active and next waypoints with
// distance and time, the distance to the top of climb or descent, the
// cross-track and vertical deviations.
class CProgressPage : public CCduPage {
 public:
  using CCduPage::CCduPage;
  void Draw(CCduScreen& screen) override;
};

}  // namespace halcyon
