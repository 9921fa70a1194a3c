// RTE n LEGS: the route's legs from the active waypoint on, five a page.
// Left keys: an ident inserts that waypoint before the line's leg (a
// waypoint already further down closes the route up to it; at 1L of the
// flown route it is flown to directly), DELETE removes the leg, an empty
// scratchpad takes a copy of the ident. Right keys: altitude constraints.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <cwchar>

#include "fmc/entry_parse.h"
#include "fmc/fms.h"
#include "fmc/pages/page_util.h"
#include "fmc/pages/pages.h"
#include "nav/great_circle.h"

namespace halcyon {
namespace {

constexpr int kEraseKey = 5;
constexpr int kStepKey = 11;
constexpr int kFooterRow = 5;
constexpr size_t kWaypointIdentMax = 5;

// " 132°  12NM": the leg's magnetic course out of its FROM and its length.
std::wstring CourseAndDistance(const CLeg& leg, const CNavDatabase& database) {
  const CLatLon& from = *leg.GetFromPosition();
  const CLatLon& to = *leg.GetToPosition();
  if (!leg.HasToIdent() || !from.IsValid() || !to.IsValid()) return L"";
  const double trueDeg = InitialBearing(from.GetLat(), from.GetLon(), to.GetLat(), to.GetLon());
  if (trueDeg == kUnsetValue) return L"";
  long magDeg = std::lround(trueDeg - database.MagVarAtPosition(from));
  magDeg = ((magDeg % 360) + 360) % 360;
  if (magDeg == 0) magDeg = 360;
  wchar_t text[24];
  std::swprintf(text, 24, L"%03ld°  %.0fNM", magDeg, leg.GetLegDistance());
  return text;
}

}  // namespace

CFlightPlan& CLegsPage::Route() { return *fms_.GetFmsNav()->GetRoute(fms_.GetActiveRouteIndex()); }

int32_t CLegsPage::DisplayedRoute() const { return fms_.GetActiveRouteIndex(); }

CLeg* CLegsPage::LegAt(int index) {
  CLeg* leg = Route().GetFirstLeg();
  for (int i = 0; i < index && leg != nullptr; ++i) leg = leg->GetNext();
  return index >= 0 ? leg : nullptr;
}

int CLegsPage::LegCount() {
  int count = 0;
  for (const CLeg* leg = Route().GetFirstLeg(); leg != nullptr; leg = leg->GetNext()) ++count;
  return count;
}

void CLegsPage::OnEnter() {
  page_ = 0;
  intercept_ = false;
}

void CLegsPage::StartDirectIntercept() { intercept_ = true; }

void CLegsPage::OnPrevNext(int step) {
  const int pages = std::max(1, (LegCount() + kLegsPerPage - 1) / kLegsPerPage);
  page_ = (page_ + step + pages) % pages;
}

CLeg* CLegsPage::CenterLeg() {
  CLeg* leg = LegAt(centre_);
  if (leg == nullptr || leg->GetType() != static_cast<int32_t>(LegType::Direct)) return leg;
  for (CLeg* walk = Route().GetPrevLeg(); walk != nullptr; walk = walk->GetNext()) {
    if (walk->GetNext() == leg) return walk;
  }
  return leg;
}

void CLegsPage::OnLineSelect(int key) {
  CFmsNav& nav = *fms_.GetFmsNav();
  if (key == kEraseKey) {
    if (nav.Erase(DisplayedRoute())) intercept_ = false;
    return;
  }
  if (key == kStepKey) {
    if (intercept_) return EnterInterceptCourse();
    const int count = LegCount();
    if (count == 0) return;
    centre_ = (centre_ + 1) % count;
    page_ = centre_ / kLegsPerPage;
    return;
  }
  const int index = page_ * kLegsPerPage + Row(key);
  if (IsLeftKey(key)) {
    EnterWaypoint(index);
  } else {
    EnterConstraint(index);
  }
}

void CLegsPage::EnterWaypoint(int index) {
  CScratchpad& pad = fms_.Scratchpad();
  CFlightPlan& route = Route();
  CLeg* leg = LegAt(index);
  if (pad.IsDelete()) {
    if (leg == nullptr || !route.DeleteLeg(leg)) return fms_.PostMessage(CduMessage::InvalidDelete);
    pad.Take();
    return;
  }
  if (pad.IsEmpty()) {
    if (leg != nullptr && leg->HasToIdent()) pad.Set(Widen(leg->GetToIdent()));
    return;
  }
  std::string ident;
  if (!TakeIdentEntry(fms_, kWaypointIdentMax, &ident)) return;
  CFmsNav& nav = *fms_.GetFmsNav();
  const CLatLon* position = fms_.GetAfmcPosition();
  const bool direct = index == 0 && nav.GetExecRoute() == DisplayedRoute() && position->IsValid();
  // A waypoint further down: the legs before it go (or it is flown to directly).
  for (CLeg* target = leg; target != nullptr; target = target->GetNext()) {
    if (std::strcmp(target->GetToIdent(), ident.c_str()) != 0) continue;
    if (direct) {
      route.DirectTo(target, *position);
    } else {
      while (LegAt(index) != target && route.DeleteLeg(LegAt(index))) {
      }
    }
    pad.Take();
    return;
  }
  const CLatLon near = leg != nullptr && leg->GetFromPosition()->IsValid() ? *leg->GetFromPosition()
                                                                            : SearchCentre(fms_);
  const CNavDatabase::Waypoint waypoint = fms_.GetNavDatabase()->FindWaypoint(ident, near);
  if (waypoint.kind == CNavDatabase::WaypointKind::None) return fms_.PostMessage(CduMessage::NotInDataBase);
  CLeg* added = route.InsertLeg(leg != nullptr && leg->HasToIdent() ? leg : nullptr, waypoint.ident,
                                waypoint.position);
  if (added == nullptr) return fms_.PostMessage(CduMessage::InvalidEntry);
  if (direct) route.DirectTo(added, *position);
  pad.Take();
}

void CLegsPage::EnterConstraint(int index) {
  CScratchpad& pad = fms_.Scratchpad();
  if (pad.IsEmpty()) return;
  CLeg* leg = LegAt(index);
  if (leg == nullptr || !leg->HasToIdent()) {
    return fms_.PostMessage(pad.IsDelete() ? CduMessage::InvalidDelete : CduMessage::InvalidEntry);
  }
  double altitudeFt = 0.0;
  AltConstraintType type = AltConstraintType::None;
  if (!pad.IsDelete() && !ParseAltitudeConstraint(pad.Text(), &altitudeFt, &type)) {
    return fms_.PostMessage(CduMessage::InvalidEntry);
  }
  Route().SetAltConstraint(leg, 1, altitudeFt, type);
  pad.Take();
}

void CLegsPage::EnterInterceptCourse() {
  CScratchpad& pad = fms_.Scratchpad();
  if (pad.IsEmpty()) return;
  double courseMagDeg = 0.0;
  CLeg* target = LegAt(0);
  if (pad.IsDelete() || !ParseCourse(pad.Text(), &courseMagDeg) || target == nullptr || !target->HasToIdent()) {
    return fms_.PostMessage(CduMessage::InvalidEntry);
  }
  const CLatLon* position = fms_.GetAfmcPosition();
  if (!position->IsValid()) return fms_.PostMessage(CduMessage::NoPresentPosition);
  const double variationDeg = fms_.GetNavDatabase()->MagVarAtPosition(*target->GetToPosition());
  if (!Route().DirectIntercept(target, *position, courseMagDeg + variationDeg)) {
    return fms_.PostMessage(CduMessage::InvalidEntry);
  }
  intercept_ = false;
  pad.Take();
}

void CLegsPage::Draw(CCduScreen& screen) {
  const CFmsNav& nav = *fms_.GetFmsNav();
  const int32_t n = DisplayedRoute();
  const int count = LegCount();
  const int pages = std::max(1, (count + kLegsPerPage - 1) / kLegsPerPage);
  page_ = std::min(page_, pages - 1);
  screen.PutCentre(CCduScreen::kTitleLine, RouteTitle(nav, n, L" LEGS").c_str());
  PutPageNumber(screen, page_ + 1, pages);
  const CNavDatabase& database = *fms_.GetNavDatabase();
  const bool flown = nav.GetExecRoute() == n;
  for (int row = 0; row < kLegsPerPage; ++row) {
    const int index = page_ * kLegsPerPage + row;
    const CLeg* leg = LegAt(index);
    if (leg == nullptr) break;
    screen.LeftLabel(row, CourseAndDistance(*leg, database).c_str());
    if (index == centre_) screen.RightLabel(row, L"<CTR>");
    const CduColor color = flown && index == 0 ? CduColor::Magenta : CduColor::White;
    screen.LeftData(row, Widen(leg->GetToIdent()).c_str(), leg->HasToIdent() ? color : CduColor::White);
    if (leg->HasToIdent()) {
      screen.RightData(row, FormatAltitudeConstraint(leg->GetAltConstraint(1), leg->GetAltConstraintType(1)).c_str(),
                       CduColor::Cyan);
    }
  }
  if (nav.HasChangePending(n)) screen.LeftData(kFooterRow, L"<ERASE");
  if (intercept_) {
    screen.RightLabel(kFooterRow, L"INTC CRS");
    screen.RightData(kFooterRow, L"---");
  } else if (count > 0) {
    screen.RightData(kFooterRow, L"STEP>");
  }
}

}  // namespace halcyon
