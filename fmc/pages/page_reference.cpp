// HOLD, FIX INFO and NAV DATA: holds put into the route, reference fixes
// with radials for the map, and the navaid search.
#include <cmath>
#include <cstring>
#include <cwchar>
#include <string>

#include "fmc/fms.h"
#include "fmc/pages/page_util.h"
#include "fmc/pages/pages.h"
#include "nav/great_circle.h"

namespace halcyon {
namespace {

constexpr double kDefaultHoldLegMin = 1.0;

double Norm360(double deg) {
  const double d = std::fmod(deg, 360.0);
  return d < 0.0 ? d + 360.0 : d;
}

// The route holds are put into: the executed one, else the one selected.
CFlightPlan& EditedRoute(CFms& fms) {
  CFmsNav& nav = *fms.GetFmsNav();
  return *nav.GetRoute(nav.GetExecRoute() != 0 ? nav.GetExecRoute() : nav.GetActiveRouteIndex());
}

const wchar_t* NavaidKind(int32_t type) {
  switch (type) {
    case 1: return L"VOR";
    case 2: return L"VOR/DME";
    case 3: return L"NDB";
    case 4: return L"DME";
    default: return L"";
  }
}

}  // namespace

// ---- HOLD -----------------------------------------------------------------------------

void CHoldPage::OnLineSelect(int key) {
  if (key == 11) {
    if (!fms_.ExitHold()) fms_.PostMessage(CduMessage::InvalidEntry);
    return;
  }
  CScratchpad& pad = fms_.Scratchpad();
  if (key != 0 || pad.IsEmpty()) return;
  std::string ident;
  if (!TakeIdentEntry(fms_, kFixIdentMax, &ident)) return;
  CFlightPlan& route = EditedRoute(fms_);
  for (CLeg* leg = route.GetFirstLeg(); leg != nullptr; leg = leg->GetNext()) {
    if (std::strcmp(leg->GetToIdent(), ident.c_str()) != 0 || !leg->GetToPosition()->IsValid()) continue;
    const CLatLon& to = *leg->GetToPosition();
    const CLatLon& from = *leg->GetFromPosition();
    const double back = from.IsValid() ? InitialBearing(to.GetLat(), to.GetLon(), from.GetLat(), from.GetLon()) : kUnsetValue;
    const double inbound = back == kUnsetValue ? 360.0 : Norm360(back + 180.0);
    route.SetHold(leg, CHold(inbound, kTurnRight, kUnsetValue, kDefaultHoldLegMin, kUnsetValue));
    return pad.Take();
  }
  fms_.PostMessage(CduMessage::NotInDataBase);
}

void CHoldPage::Draw(CCduScreen& screen) {
  const CFlightPlan* working = fms_.GetFmsNav()->GetWorkingRoute();
  const CLeg* active = working != nullptr ? working->GetFirstLeg() : nullptr;
  const bool holding = active != nullptr && active->IsHolding();
  const CLeg* shown = holding ? active : nullptr;
  for (const CLeg* leg = EditedRoute(fms_).GetFirstLeg(); shown == nullptr && leg != nullptr; leg = leg->GetNext()) {
    if (leg->IsHolding()) shown = leg;
  }
  screen.PutCentre(CCduScreen::kTitleLine, holding ? L"ACT RTE HOLD" : L"RTE HOLD");
  screen.LeftLabel(0, L"FIX");
  if (shown == nullptr || shown->GetHold() == nullptr) {
    screen.LeftData(0, L"-----");
    return;
  }
  const CHold& hold = *shown->GetHold();
  screen.LeftData(0, Widen(shown->GetToIdent()).c_str(), holding ? CduColor::Magenta : CduColor::White);
  wchar_t text[24];
  std::swprintf(text, 24, L"%03ld\u00b0/%ls", std::lround(hold.GetInboundCourse()) % 360,
                hold.GetTurnDirection() == kTurnLeft ? L"L TURN" : L"R TURN");
  screen.LeftLabel(1, L"INBD CRS/DIR");
  screen.LeftData(1, text);
  screen.LeftLabel(2, L"LEG TIME");
  std::swprintf(text, 24, L"%.1f MIN", hold.GetLegTime() == kUnsetValue ? kDefaultHoldLegMin : hold.GetLegTime());
  screen.LeftData(2, text);
  if (holding) screen.RightData(5, working->GetExitHold() != 0 ? L"EXIT ARMED" : L"EXIT HOLD>");
}

// ---- FIX INFO -------------------------------------------------------------------------

void CFixInfoPage::OnPrevNext(int step) {
  (void)step;
  fix_ = fix_ == 1 ? 2 : 1;
}

void CFixInfoPage::OnLineSelect(int key) {
  CScratchpad& pad = fms_.Scratchpad();
  if (!IsLeftKey(key) || key == 5 || pad.IsEmpty()) return;
  CFms::FixInfo& fix = fms_.FixInfoAt(fix_);
  if (key == 0) {
    if (pad.IsDelete()) {
      fix = CFms::FixInfo();
      return pad.Take();
    }
    std::string ident;
    if (!TakeIdentEntry(fms_, kFixIdentMax, &ident)) return;
    CNavDatabase& database = *fms_.GetNavDatabase();
    const CNavDatabase::Waypoint found = database.FindWaypoint(ident, SearchCentre(fms_));
    if (found.kind == CNavDatabase::WaypointKind::None) return fms_.PostMessage(CduMessage::NotInDataBase);
    fix = CFms::FixInfo();
    fix.ident = ident;
    fix.position = found.position;
    fix.magVarDeg = database.MagVarAtPosition(found.position);
    return pad.Take();
  }
  if (!fix.position.IsValid()) return fms_.PostMessage(CduMessage::InvalidEntry);
  const int line = key;  // 2L..5L are lines 1..4
  if (pad.IsDelete()) {
    fix.radialMagDeg[line - 1] = kUnsetValue;
    if (line == 4) {
      fix.line4DistanceNm = kUnsetValue;
      fix.line4Position = CLatLon();
    }
    return pad.Take();
  }
  double radial = 0.0;
  if (line < 4) {
    if (!ParseCourse(pad.Text(), &radial)) return fms_.PostMessage(CduMessage::InvalidEntry);
    fix.radialMagDeg[line - 1] = radial;
    return pad.Take();
  }
  double distance = 0.0;
  if (!ParseRadialDistance(pad.Text(), &radial, &distance)) return fms_.PostMessage(CduMessage::InvalidEntry);
  fix.radialMagDeg[3] = radial;
  fix.line4DistanceNm = distance;
  const GeoPointDeg point = DestinationPoint(fix.position.GetLat(), fix.position.GetLon(),
                                             Norm360(radial + fix.magVarDeg), distance);
  fix.line4Position = CLatLon(point.latitudeDeg, point.longitudeDeg);
  pad.Take();
}

void CFixInfoPage::Draw(CCduScreen& screen) {
  screen.PutCentre(CCduScreen::kTitleLine, L"FIX INFO");
  PutPageNumber(screen, fix_, 2);
  const CFms::FixInfo& fix = fms_.FixInfoAt(fix_);
  screen.LeftLabel(0, L"FIX");
  screen.LeftData(0, fix.ident.empty() ? L"-----" : Widen(fix.ident).c_str());
  wchar_t text[24];
  for (int line = 1; line <= 4; ++line) {
    screen.LeftLabel(line, line == 4 ? L"RAD/DIS" : L"RAD");
    const double radial = fix.radialMagDeg[line - 1];
    if (radial == kUnsetValue) {
      screen.LeftData(line, line == 4 ? L"---/---.-" : L"---");
      continue;
    }
    if (line == 4) {
      std::swprintf(text, 24, L"%03ld/%.1f", std::lround(radial), fix.line4DistanceNm);
    } else {
      std::swprintf(text, 24, L"%03ld", std::lround(radial));
    }
    screen.LeftData(line, text);
  }
}

// ---- NAV DATA -------------------------------------------------------------------------

void CNavDataPage::OnLineSelect(int key) {
  if (key == 5) return fms_.ShowPage(CduPageId::Index);
  CScratchpad& pad = fms_.Scratchpad();
  if (key != 0 || pad.IsEmpty()) return;
  std::string ident;
  if (!TakeIdentEntry(fms_, kNavaidIdentMax, &ident)) return;
  if (!fms_.SearchNavaid(ident)) return fms_.PostMessage(CduMessage::NotInDataBase);
  pad.Take();
}

void CNavDataPage::Draw(CCduScreen& screen) {
  screen.PutCentre(CCduScreen::kTitleLine, L"NAV DATA");
  CNavPoint& found = *fms_.GetNavaidSearchResult();
  screen.LeftLabel(0, L"IDENT");
  screen.LeftData(5, L"<INDEX");
  if (!found.IsSet()) {
    screen.LeftData(0, L"-----");
    return;
  }
  screen.LeftData(0, Widen(found.GetIdent()).c_str());
  screen.RightLabel(0, L"TYPE");
  screen.RightData(0, NavaidKind(found.GetType()));
  screen.LeftLabel(1, L"LATITUDE / LONGITUDE");
  screen.LeftData(1, FormatLatLon(*found.GetPosition()).c_str());
  if (found.GetFrequency() != kUnsetValue) {
    wchar_t text[16];
    std::swprintf(text, 16, found.GetType() == 3 ? L"%.0f" : L"%.2f", found.GetFrequency());
    screen.LeftLabel(2, L"FREQ");
    screen.LeftData(2, text);
  }
}

}  // namespace halcyon
