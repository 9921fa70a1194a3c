// PERF INIT, the CLB, CRZ and DES pages, and PROGRESS: what VNAV flies to
// and what the FMS predicts.
#include <cmath>
#include <cwchar>
#include <string>

#include "fmc/fms.h"
#include "fmc/pages/page_util.h"
#include "fmc/pages/pages.h"

namespace halcyon {
namespace {

constexpr double kLbPerThousand = 1000.0;
constexpr double kMinCruiseAltitudeFt = 1000.0;

const wchar_t* kPhaseTitles[] = {L"CLB", L"CRZ", L"DES"};

std::wstring Weight(double lb) {
  if (lb == kUnsetValue) return L"---.-";
  wchar_t text[16];
  std::swprintf(text, 16, L"%.1f", lb / kLbPerThousand);
  return text;
}

std::wstring Altitude(double feet) {
  return FormatAltitudeConstraint(feet, static_cast<int32_t>(AltConstraintType::At));
}

std::wstring Distance(double nm) {
  if (nm == kUnsetValue) return L"----";
  wchar_t text[16];
  std::swprintf(text, 16, L"%.0fNM", std::max(0.0, nm));
  return text;
}

std::wstring Eta(double hhmm) {
  if (hhmm == kUnsetValue) return L"----Z";
  wchar_t text[16];
  std::swprintf(text, 16, L"%04ldZ", static_cast<long>(std::floor(hhmm)));
  return text;
}

// CRZ ALT from the scratchpad: a plain altitude ("9000", "FL310") of 1000 ft or more.
void EnterCruiseAltitude(CFms& fms) {
  double feet = 0.0;
  AltConstraintType type = AltConstraintType::None;
  if (!ParseAltitudeConstraint(fms.Scratchpad().Text(), &feet, &type) || type != AltConstraintType::At ||
      feet < kMinCruiseAltitudeFt) {
    return fms.PostMessage(CduMessage::InvalidEntry);
  }
  fms.SetCruiseAltitude(feet);
  fms.Scratchpad().Take();
}

}  // namespace

// ---- PERF INIT ------------------------------------------------------------------------

void CPerfInitPage::OnLineSelect(int key) {
  CScratchpad& pad = fms_.Scratchpad();
  if (key == 5) return fms_.ShowPage(CduPageId::Index);
  if (key == 11) return fms_.ShowPage(CduPageId::TakeoffRef);
  if (pad.IsEmpty() || (key != 0 && key != 1 && key != 6)) return;
  if (key == 6) {
    return EnterCruiseAltitude(fms_);
  }
  double thousands = 0.0;
  if (!ParseDecimal(pad.Text(), &thousands)) return fms_.PostMessage(CduMessage::InvalidEntry);
  const double lb = thousands * kLbPerThousand;
  const double zfw = key == 0 ? lb : fms_.GetZeroFuelWeight();
  const double fuel = key == 1 ? lb : fms_.GetFuelWeight();
  // Until both are known the other counts as nothing.
  if (!fms_.SetPerfInitWeights(zfw == kUnsetValue ? 0.0 : zfw, fuel == kUnsetValue ? 0.0 : fuel)) {
    return fms_.PostMessage(CduMessage::InvalidEntry);
  }
  pad.Take();
}

void CPerfInitPage::Draw(CCduScreen& screen) {
  screen.PutCentre(CCduScreen::kTitleLine, L"PERF INIT");
  screen.LeftLabel(0, L"ZFW");
  screen.LeftData(0, Weight(fms_.GetZeroFuelWeight()).c_str());
  screen.LeftLabel(1, L"FUEL");
  screen.LeftData(1, Weight(fms_.GetFuelWeight()).c_str());
  screen.LeftLabel(2, L"GW");
  screen.LeftData(2, Weight(fms_.GetGrossWeight()).c_str());
  screen.RightLabel(0, L"CRZ ALT");
  screen.RightData(0, Altitude(fms_.GetVnavPlan().cruiseAltitudeFt).c_str());
  screen.LeftData(5, L"<INDEX");
  screen.RightData(5, L"TAKEOFF>");
}

// ---- CLB, CRZ, DES --------------------------------------------------------------------

void CVnavPage::OnLineSelect(int key) {
  CScratchpad& pad = fms_.Scratchpad();
  if (key == 11 && phase_ == 3) {
    if (!fms_.DescendNow()) fms_.PostMessage(CduMessage::InvalidEntry);
    return;
  }
  if (pad.IsEmpty()) return;
  if (key == 0) {
    return EnterCruiseAltitude(fms_);
  }
  if (key == 1) {
    double knots = 0.0;
    double mach = 0.0;
    if (!ParseSpeedEntry(pad.Text(), &knots, &mach)) return fms_.PostMessage(CduMessage::InvalidEntry);
    fms_.SetPhaseSpeeds(phase_, knots, mach);
    return pad.Take();
  }
}

void CVnavPage::Draw(CCduScreen& screen) {
  const CRouteGuidance& g = fms_.RouteGuidance();
  const VnavPlan& plan = fms_.GetVnavPlan();
  std::wstring title = g.Phase() == phase_ || (phase_ == 1 && g.Phase() == 4) ? L"ACT " : L"";
  title += kPhaseTitles[phase_ - 1];
  screen.PutCentre(CCduScreen::kTitleLine, title.c_str());
  screen.LeftLabel(0, L"CRZ ALT");
  screen.LeftData(0, Altitude(plan.cruiseAltitudeFt).c_str());
  double knots = plan.cruiseSpeedKt;
  double mach = plan.cruiseMach;
  if (phase_ == 1) {
    knots = plan.climbSpeedKt;
    mach = plan.climbMach;
  } else if (phase_ == 3) {
    knots = plan.descentSpeedKt;
    mach = plan.descentMach;
  }
  wchar_t speed[24];
  std::swprintf(speed, 24, L"%.0f/.%02ld", knots, std::lround(mach * 100.0));
  screen.LeftLabel(1, L"TGT SPD");
  screen.LeftData(1, speed);
  if (g.Phase() != 0) {
    screen.RightLabel(0, L"FMS ALT");
    screen.RightData(0, Altitude(g.AltitudeTargetFt()).c_str());
  }
  if (phase_ == 1) {
    screen.RightLabel(1, L"TO T/C");
    screen.RightData(1, Distance(g.DistanceToTopOfClimbNm()).c_str());
  } else if (phase_ == 2) {
    screen.RightLabel(1, L"TO T/D");
    screen.RightData(1, Distance(g.PassedTopOfDescent() ? kUnsetValue : g.DistanceToTopOfDescentNm()).c_str());
  } else {
    screen.RightLabel(1, L"E/D ALT");
    screen.RightData(1, g.EndOfDescentAltitudeFt() == kUnsetValue ? L"-----" : Altitude(g.EndOfDescentAltitudeFt()).c_str());
    screen.RightLabel(2, L"TO E/D");
    screen.RightData(2, Distance(g.DistanceToEndOfDescentNm()).c_str());
    if (g.PathErrorFt() != kUnsetValue) {
      wchar_t deviation[16];
      std::swprintf(deviation, 16, L"%+ldFT", std::lround(g.PathErrorFt()));
      screen.LeftLabel(2, L"VERT DEV");
      screen.LeftData(2, deviation);
    }
    screen.RightData(5, fms_.GetVnavPlan().descendNow != 0 ? L"DES NOW ACT" : L"DES NOW>");
  }
}

// ---- PROGRESS -------------------------------------------------------------------------

void CProgressPage::Draw(CCduScreen& screen) {
  screen.PutCentre(CCduScreen::kTitleLine, L"PROGRESS");
  const CRouteGuidance& g = fms_.RouteGuidance();
  const CFlightPlan* route = fms_.GetFmsNav()->GetWorkingRoute();
  screen.LeftLabel(0, L"LAST");
  if (g.LastPassedIdent()[0] != '\0') {
    screen.LeftData(0, Widen(g.LastPassedIdent()).c_str());
    screen.RightData(0, Eta(HoursToHhmm(g.LastPassedUtcHours())).c_str());
  }
  const CLeg* leg = route != nullptr ? route->GetFirstLeg() : nullptr;
  const wchar_t* labels[] = {L"TO", L"NEXT"};
  for (int row = 1; row <= 2 && leg != nullptr && leg->IsDefined() && !g.RouteComplete(); ++row, leg = leg->GetNext()) {
    screen.LeftLabel(row, labels[row - 1]);
    screen.LeftData(row, Widen(leg->GetToIdent()).c_str(), row == 1 ? CduColor::Magenta : CduColor::White);
    const std::wstring right = Distance(leg->GetDistToWpt()) + L" " + Eta(leg->GetEtaAtWpt());
    screen.RightData(row, right.c_str());
  }
  if ((g.Phase() == 1 || g.Phase() == 4) && !g.PassedTopOfDescent()) {
    screen.LeftLabel(3, L"TO T/C");
    screen.LeftData(3, Distance(g.DistanceToTopOfClimbNm()).c_str());
  } else if (g.Phase() == 2) {
    screen.LeftLabel(3, L"TO T/D");
    screen.LeftData(3, Distance(g.DistanceToTopOfDescentNm()).c_str());
  } else if (g.Phase() == 3 || g.PassedTopOfDescent()) {
    screen.LeftLabel(3, L"TO E/D");
    screen.LeftData(3, Distance(g.DistanceToEndOfDescentNm()).c_str());
  }
  wchar_t text[24];
  screen.LeftLabel(4, L"XTK ERROR");
  const double xtk = g.CrossTrackNm();
  std::swprintf(text, 24, L"%c%.1fNM", xtk < 0.0 ? L'L' : L'R', std::fabs(xtk));
  screen.LeftData(4, g.HeadingCommandDeg() < 0.0 ? L"----" : text);
  screen.RightLabel(4, L"VERT DEV");
  if (g.PathErrorFt() != kUnsetValue) {
    std::swprintf(text, 24, L"%+ldFT", std::lround(g.PathErrorFt()));
    screen.RightData(4, text);
  } else {
    screen.RightData(4, L"----");
  }
}

}  // namespace halcyon
