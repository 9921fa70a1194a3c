// DEP/ARR INDEX (1L departures of the origin, 2R arrivals at the
// destination) and the runway pages: the runways on the right keys, five a
// page, the chosen one marked; 6L back to the index.
#include <algorithm>

#include "fmc/entry_parse.h"
#include "fmc/fms.h"
#include "fmc/pages/page_util.h"
#include "fmc/pages/pages.h"

namespace halcyon {
namespace {

constexpr int kRunwaysPerPage = 5;
constexpr int kIndexKey = 5;

}  // namespace

void CDepArrPage::OnEnter() {
  view_ = View::Index;
  page_ = 0;
}

CAirport* CDepArrPage::Airport() {
  CFlightPlan& route = *fms_.GetFmsNav()->GetRoute(fms_.GetActiveRouteIndex());
  return view_ == View::Arrivals ? route.GetDestination() : route.GetOrigin();
}

int CDepArrPage::RunwayCount() { return static_cast<int>(Airport()->GetRunways().size()); }

void CDepArrPage::OnPrevNext(int step) {
  if (view_ == View::Index) return;
  const int pages = std::max(1, (RunwayCount() + kRunwaysPerPage - 1) / kRunwaysPerPage);
  page_ = (page_ + step + pages) % pages;
}

void CDepArrPage::OnLineSelect(int key) {
  CFlightPlan& route = *fms_.GetFmsNav()->GetRoute(fms_.GetActiveRouteIndex());
  if (view_ == View::Index) {
    const bool departures = key == 0 && route.HasOrigin();
    const bool arrivals = key == 7 && route.HasDestination();
    if (!departures && !arrivals) return;
    view_ = departures ? View::Departures : View::Arrivals;
    page_ = 0;
    return;
  }
  if (key == kIndexKey) {
    view_ = View::Index;
    return;
  }
  if (IsLeftKey(key) || Row(key) >= kRunwaysPerPage) return;
  const int index = page_ * kRunwaysPerPage + Row(key);
  if (index >= RunwayCount()) return;
  const char* runway = Airport()->GetRunways()[static_cast<size_t>(index)].GetIdent();
  if (view_ == View::Departures) {
    route.SelectOriginRunway(runway);
  } else {
    route.SelectDestinationRunway(runway);
  }
}

void CDepArrPage::Draw(CCduScreen& screen) {
  const CFlightPlan& route = *fms_.GetFmsNav()->GetRoute(fms_.GetActiveRouteIndex());
  if (view_ == View::Index) {
    screen.PutCentre(CCduScreen::kTitleLine, L"DEP/ARR INDEX");
    screen.PutCentre(CCduScreen::LabelLine(0), fms_.GetActiveRouteIndex() == 2 ? L"RTE 2" : L"RTE 1",
                     CduColor::White, CduSize::Small);
    if (route.HasOrigin()) {
      screen.LeftData(0, L"<DEP");
      screen.PutCentre(CCduScreen::DataLine(0), Widen(route.GetOrigin()->GetIdent()).c_str());
    }
    if (route.HasDestination()) {
      screen.PutCentre(CCduScreen::DataLine(1), Widen(route.GetDestination()->GetIdent()).c_str());
      screen.RightData(1, L"ARR>");
    }
    return;
  }
  const CAirport& airport = *Airport();
  const bool departures = view_ == View::Departures;
  screen.PutCentre(CCduScreen::kTitleLine,
                   (Widen(airport.GetIdent()) + (departures ? L" DEPARTURES" : L" ARRIVALS")).c_str());
  const int pages = std::max(1, (RunwayCount() + kRunwaysPerPage - 1) / kRunwaysPerPage);
  PutPageNumber(screen, page_ + 1, pages);
  screen.RightLabel(0, L"RUNWAYS");
  const CRunway& chosen = *airport.GetRunway();
  for (int row = 0; row < kRunwaysPerPage; ++row) {
    const int index = page_ * kRunwaysPerPage + row;
    if (index >= RunwayCount()) break;
    const CRunway& runway = airport.GetRunways()[static_cast<size_t>(index)];
    const bool selected = chosen.IsSet() && std::string(chosen.GetIdent()) == runway.GetIdent();
    const std::wstring ident = Widen(runway.GetIdent());
    screen.RightData(row, selected ? (L"<SEL> " + ident).c_str() : ident.c_str(),
                     selected ? CduColor::Green : CduColor::White);
  }
  screen.LeftData(kIndexKey, L"<INDEX");
}

}  // namespace halcyon
