// RTE 1 / RTE 2: ORIGIN (1L), DEST (1R), RUNWAY (2L); ERASE (6L) while a
// change waits for EXEC, ACTIVATE (6R) for a route not yet flown.
#include "fmc/entry_parse.h"
#include "fmc/fms.h"
#include "fmc/pages/page_util.h"
#include "fmc/pages/pages.h"

namespace halcyon {
namespace {

constexpr int kOriginKey = 0;
constexpr int kRunwayKey = 1;
constexpr int kEraseKey = 5;
constexpr int kDestKey = 6;
constexpr int kActivateKey = 11;

std::wstring IdentOr(const char* ident, bool set, const wchar_t* placeholder) {
  return set ? Widen(ident) : placeholder;
}

}  // namespace

int32_t CRtePage::DisplayedRoute() const { return fms_.GetActiveRouteIndex(); }

void CRtePage::OnPrevNext(int) {
  CFmsNav& nav = *fms_.GetFmsNav();
  nav.SetActiveRouteIndex(3 - nav.GetActiveRouteIndex());
}

void CRtePage::OnLineSelect(int key) {
  CFmsNav& nav = *fms_.GetFmsNav();
  const int32_t n = DisplayedRoute();
  CFlightPlan& route = *nav.GetRoute(n);
  CScratchpad& pad = fms_.Scratchpad();
  if (key == kEraseKey) {
    nav.Erase(n);
    return;
  }
  if (key == kActivateKey) {
    if (nav.GetExecRoute() != n && !nav.Activate(n)) fms_.PostMessage(CduMessage::InvalidEntry);
    return;
  }
  if (key != kOriginKey && key != kDestKey && key != kRunwayKey) return;
  if (pad.IsEmpty()) return;
  if (pad.IsDelete()) return fms_.PostMessage(CduMessage::InvalidDelete);
  if (key == kRunwayKey) {
    std::string runway;
    if (!TakeIdentEntry(fms_, kRunwayIdentMax, &runway)) return;
    if (!route.HasOrigin()) return fms_.PostMessage(CduMessage::InvalidEntry);
    if (!route.SelectOriginRunway(runway.c_str())) return fms_.PostMessage(CduMessage::NotInDataBase);
    pad.Take();
    return;
  }
  std::string ident;
  if (!TakeIdentEntry(fms_, kAirportIdentMax, &ident)) return;
  const CAirport* airport = FindAirportOrSay(fms_, ident);
  if (airport == nullptr) return;
  if (key == kOriginKey) {
    route.SetOrigin(*airport);
  } else {
    route.SetDestination(*airport);
  }
  pad.Take();
}

void CRtePage::Draw(CCduScreen& screen) {
  const CFmsNav& nav = *fms_.GetFmsNav();
  const int32_t n = DisplayedRoute();
  const CFlightPlan& route = *nav.GetRoute(n);
  screen.PutCentre(CCduScreen::kTitleLine, RouteTitle(nav, n, L"").c_str());
  PutPageNumber(screen, n, 2);
  screen.LeftLabel(0, L"ORIGIN");
  screen.LeftData(0, IdentOr(route.GetOrigin()->GetIdent(), route.HasOrigin(), L"[[[[").c_str());
  screen.RightLabel(0, L"DEST");
  screen.RightData(0, IdentOr(route.GetDestination()->GetIdent(), route.HasDestination(), L"[[[[").c_str());
  screen.LeftLabel(1, L"RUNWAY");
  const CRunway* runway = route.GetOrigin()->GetRunway();
  screen.LeftData(1, IdentOr(runway->GetIdent(), runway->IsSet(), L"-----").c_str());
  if (nav.HasChangePending(n)) screen.LeftData(5, L"<ERASE");
  const bool activatable = route.HasOrigin() || !route.IsEmpty();
  if (activatable && nav.GetExecRoute() != n && nav.GetPendingActivation() != n) screen.RightData(5, L"ACTIVATE>");
}

}  // namespace halcyon
