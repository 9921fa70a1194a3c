// The FMS computer: its saved state, its step once a tick, the CDU key
// dispatcher, the brightness and the annunciators. Reads the aircraft INI
// file and FMS.ini at start-up, the navigation data on first use, the
// position tokens and the panel power each tick; writes both files at shut-down.
#include "fmc/fms.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "core/ground_track.h"
#include "core/ini_values.h"
#include "fmc/cdu_keys.h"
#include "fmc/pages/pages.h"
#include "core/panel_services.h"
#include "platform/system.h"
#include "systems/electric.h"

namespace halcyon {

CFms g_fms;

namespace {

constexpr double kBrightnessStep = 0.1;
constexpr double kBrightnessRampPerTick = 0.01;
constexpr const wchar_t* kDefaultBrightness = L"1.000000";
// Predictions and turn points are worked out once a second of simulation.
constexpr double kPredictionPeriodS = 1.0;

// The page each page key calls up.
struct PageKey {
  uint32_t code;
  CduPageId page;
};
constexpr PageKey kPageKeys[] = {
    {kCduInitRef, CduPageId::Index},    {kCduRte, CduPageId::Rte},        {kCduLegs, CduPageId::Legs},
    {kCduClb, CduPageId::Climb},        {kCduCrz, CduPageId::Cruise},     {kCduDes, CduPageId::Descent},
    {kCduMenu, CduPageId::Menu},        {kCduFix, CduPageId::FixInfo},    {kCduDepArr, CduPageId::DepArr},
    {kCduHold, CduPageId::Hold},        {kCduProg, CduPageId::Progress},
};

}  // namespace

CFms::CFms() {
  keysPressed_.reserve(kKeyLogSize);
  auto page = [this](CduPageId id, std::unique_ptr<CCduPage> made) { pages_[static_cast<size_t>(id)] = std::move(made); };
  page(CduPageId::Menu, std::make_unique<CMenuPage>(*this));
  page(CduPageId::Index, std::make_unique<CIndexPage>(*this));
  page(CduPageId::PosInit, std::make_unique<CPosInitPage>(*this));
  page(CduPageId::Rte, std::make_unique<CRtePage>(*this));
  auto legs = std::make_unique<CLegsPage>(*this);
  legsPage_ = legs.get();
  page(CduPageId::Legs, std::move(legs));
  page(CduPageId::DepArr, std::make_unique<CDepArrPage>(*this));
  page(CduPageId::TakeoffRef, std::make_unique<CTakeoffRefPage>(*this));
  page(CduPageId::Climb, std::make_unique<CVnavPage>(*this, 1));
  page(CduPageId::Cruise, std::make_unique<CVnavPage>(*this, 2));
  page(CduPageId::Descent, std::make_unique<CVnavPage>(*this, 3));
  page(CduPageId::FixInfo, std::make_unique<CFixInfoPage>(*this));
  page(CduPageId::Hold, std::make_unique<CHoldPage>(*this));
  page(CduPageId::Progress, std::make_unique<CProgressPage>(*this));
  page(CduPageId::PerfInit, std::make_unique<CPerfInitPage>(*this));
  page(CduPageId::NavData, std::make_unique<CNavDataPage>(*this));
  RefreshScreen();
}

CFms::~CFms() = default;

CNavDatabase* CFms::GetNavDatabase() {
  if (!databaseLoaded_) {
    databaseLoaded_ = true;
    database_.Load();
  }
  return &database_;
}

CLeg* CFms::GetCenterLeg() { return legsPage_->CenterLeg(); }

std::string CFms::GetActiveRouteOrigin() const {
  if (nav_.GetExecRoute() == 0) return {};
  const CFlightPlan* flown = nav_.GetRoute(CFmsNav::kActiveSlot);
  return flown != nullptr && flown->HasOrigin() ? flown->GetOrigin()->GetIdent() : std::string();
}

void CFms::AlignToAircraftPosition() {
  nav_.AlignToAircraftPosition();
  RefreshScreen();
}

// ---- CDU -----------------------------------------------------------------------------

void CFms::KeyPressed(uint32_t keyCode) {
  if (keysPressed_.size() == kKeyLogSize) keysPressed_.erase(keysPressed_.begin());
  keysPressed_.push_back(keyCode);
  // A dark CDU takes no keys; a code no key sends is ignored.
  if (!powered_ || keyCode >= kCduKeyCount) return;
  Dispatch(keyCode);
  RefreshScreen();
}

void CFms::Dispatch(uint32_t keyCode) {
  if (keyCode < kCduLineSelectKeys) return Page().OnLineSelect(static_cast<int>(keyCode));
  for (const PageKey& key : kPageKeys) {
    if (key.code == keyCode) return ShowPage(key.page);
  }
  if (const wchar_t ch = CduKeyCharacter(keyCode); ch != 0) {
    scratchpad_.Type(ch);
    return;
  }
  switch (keyCode) {
    case kCduDirIntc: return ShowDirectIntercept();
    case kCduPrevPage: return Page().OnPrevNext(-1);
    case kCduNextPage: return Page().OnPrevNext(1);
    case kCduExec:
      if (nav_.Execute()) nav_.SetActiveRouteIndex(nav_.GetExecRoute());
      return;
    case kCduDel:
      if (!scratchpad_.Delete()) PostMessage(CduMessage::InvalidDelete);
      return;
    case kCduClr: return scratchpad_.Clear();
    case kCduClearAll: return scratchpad_.ClearAll();
    default: return;
  }
}

void CFms::ShowPage(CduPageId page) {
  currentPage_ = page;
  Page().OnEnter();
  RefreshScreen();
}

void CFms::ShowDirectIntercept() {
  ShowPage(CduPageId::Legs);
  legsPage_->StartDirectIntercept();
  RefreshScreen();
}

void CFms::RefreshScreen() {
  screen_.Clear();
  Page().Draw(screen_);
  screen_.Put(CCduScreen::kScratchpadLine, 0, scratchpad_.Shown().c_str());
}

bool CFms::IsAnnunciatorOn(uint32_t n) const {
  const int32_t route = Page().DisplayedRoute();
  switch (n) {
    case 0: return route != 0;
    case 2: return scratchpad_.HasMessage();
    case 3: return route != 0 && nav_.HasChangePending(route);
    default: return false;
  }
}

// ---- Brightness ----------------------------------------------------------------------

void CFms::SetBrightness(double v) {
  if (v >= 0.0 && v <= 1.0) brightness_ = v;
}

void CFms::IncreaseBrightness() { brightness_ = std::min(1.0, brightness_ + kBrightnessStep); }

void CFms::DecreaseBrightness() { brightness_ = std::max(0.0, brightness_ - kBrightnessStep); }

void CFms::SetTakeoffSpeeds(uint32_t v1Kt, int32_t vrKt, uint32_t v2Kt) {
  v1Kt_ = v1Kt;
  vrKt_ = vrKt;
  v2Kt_ = v2Kt;
}

// ---- Lifecycle -----------------------------------------------------------------------

void CFms::LoadState() {
  const double brightness = ReadIniReal(L"FMS", L"BrightnessControL", kDefaultBrightness);
  if (brightness >= 0.0 && brightness <= 1.0) {
    brightness_ = brightness;
  } else {
    platform::Trace("FMS: [FMS] BrightnessControL outside 0..1, the CDU brightness stays 1.0");
    brightness_ = 1.0;
  }
  if (ReadIniInt(L"SIMDATA", L"FMSAlignDone", L"0", kIniNumberBuffer, kFmsIni) == 1) nav_.RestoreAlignDone();
  RefreshScreen();
}

void CFms::SaveState() const {
  WriteIniReal(L"FMS", L"BrightnessControL", L"%f", brightness_);
  WriteIniInt(L"SIMDATA", L"FMSAlignDone", nav_.IsAlignDone(), kFmsIni);
}

void CFms::Update(const FmsInputs& inputs) {
  powered_ = inputs.panelPowered;
  nav_.SetAircraftPosition(inputs.aircraftPosition);
  ComputeGuidance(inputs);
  if (!powered_) {
    displayedBrightness_ = 0.0;
  } else if (displayedBrightness_ < brightness_) {
    displayedBrightness_ = std::min(brightness_, displayedBrightness_ + kBrightnessRampPerTick);
  } else {
    displayedBrightness_ = std::max(brightness_, displayedBrightness_ - kBrightnessRampPerTick);
  }
  RefreshScreen();
}

// ---- Guidance ---------------------------------------------------------------------

FmsFlightState CFms::FlightState(const FmsInputs& inputs) {
  FmsFlightState state;
  state.position = *nav_.GetPosition();
  state.altitudeFt = inputs.altitudeFt;
  state.groundSpeedKt = inputs.groundSpeedKt;
  state.trueHeadingDeg = inputs.trueHeadingDeg;
  state.groundTrackDeg = inputs.groundTrackDeg;
  state.magVarDeg = inputs.magVarDeg;
  // The zulu hour and minute carry no seconds: the seconds are counted on
  // the simulation clock from the last change of the minute.
  if (inputs.utcHours != zuluRead_ || inputs.simTimeS < zuluReadAtS_) {
    zuluRead_ = inputs.utcHours;
    zuluReadAtS_ = inputs.simTimeS;
  }
  state.utcHours = inputs.utcHours + (inputs.simTimeS - zuluReadAtS_) / 3600.0;
  state.onGround = inputs.onGround;
  return state;
}

void CFms::ComputeGuidance(const FmsInputs& inputs) {
  CFlightPlan* route = nav_.GetWorkingRoute();
  const FmsFlightState state = FlightState(inputs);
  const bool sequenced = routeGuidance_.Update(route, state);
  if (sequenced || (routeGuidance_.RouteComplete() && !routeComplete_)) {
    char line[64];
    const double hhmm = HoursToHhmm(routeGuidance_.LastPassedUtcHours());
    const double minutes = std::fmod(hhmm, 100.0);
    std::snprintf(line, sizeof line, "FMS: %s passed at %02d:%02d:%02dZ", routeGuidance_.LastPassedIdent(),
                  static_cast<int>(hhmm / 100.0), static_cast<int>(minutes),
                  static_cast<int>((minutes - std::floor(minutes)) * 60.0));
    platform::TraceEvent(line);
  }
  routeComplete_ = routeGuidance_.RouteComplete();
  // A new route, a direct-to or a sequence: the predictions at once; else once a second.
  const CLeg* active = route != nullptr ? route->GetFirstLeg() : nullptr;
  const bool changed = route != predictedRoute_ || active != predictedLeg_ || sequenced;
  if (changed || inputs.simTimeS - lastPredictionS_ >= kPredictionPeriodS || inputs.simTimeS < lastPredictionS_) {
    routeGuidance_.Predict(route, state, vnavPlan_, nav_.GetTcPosition(), nav_.GetTdPosition(), nav_.GetEdPosition());
    lastPredictionS_ = inputs.simTimeS;
    predictedRoute_ = route;
    predictedLeg_ = active;
  } else {
    routeGuidance_.UpdateVertical(state, vnavPlan_);
  }
  if (route == nullptr) vnavPlan_.descendNow = 0;
  if (guidanceSupplied_) return;
  const CRouteGuidance& g = routeGuidance_;
  guidance_.apCrossTrackNm = g.CrossTrackNm();
  guidance_.apHeadingDeg = g.HeadingCommandDeg() < 0.0 ? kNoHeading : g.HeadingCommandDeg();
  guidance_.vnavNext = g.Phase();
  guidance_.apAltitudeFt = g.AltitudeTargetFt();
  guidance_.apSpeed = g.SpeedTarget();
  guidance_.descentConstraintAltitudeFt = g.DescentConstraintFt();
  guidance_.pathErrorAltitudeFt = g.PathErrorFt() == kUnsetValue ? kNoPath : g.PathErrorFt();
  guidance_.passedTopOfDescent = g.PassedTopOfDescent() ? 1 : 0;
  guidance_.descendNow = vnavPlan_.descendNow;
  if (sequenced) guidance_.legSequenced = true;
}

void CFms::SetPhaseSpeeds(int32_t phase, double knots, double mach) {
  double* kt = &vnavPlan_.cruiseSpeedKt;
  double* m = &vnavPlan_.cruiseMach;
  if (phase == 1) {
    kt = &vnavPlan_.climbSpeedKt;
    m = &vnavPlan_.climbMach;
  } else if (phase == 3) {
    kt = &vnavPlan_.descentSpeedKt;
    m = &vnavPlan_.descentMach;
  }
  if (knots > 0.0) *kt = knots;
  if (mach > 0.0) *m = mach;
}

bool CFms::DescendNow() {
  if (nav_.GetWorkingRoute() == nullptr || vnavPlan_.cruiseAltitudeFt == kUnsetValue) return false;
  vnavPlan_.descendNow = 1;
  return true;
}

bool CFms::ExitHold() {
  CFlightPlan* route = nav_.GetWorkingRoute();
  if (route == nullptr || route->GetFirstLeg() == nullptr || !route->GetFirstLeg()->IsHolding()) return false;
  route->SetExitHold(1);
  return true;
}

// ---- PERF INIT, FIX INFO, NAV DATA --------------------------------------------------

bool CFms::SetPerfInitWeights(double zfwLb, double fuelLb) {
  auto valid = [](double w) { return std::isfinite(w) && w >= 0.0 && w <= kMaxWeightLb; };
  if (!valid(zfwLb) || !valid(fuelLb)) return false;
  zfwLb_ = zfwLb;
  fuelLb_ = fuelLb;
  ShowPage(CduPageId::PerfInit);
  return true;
}

CLatLon* CFms::GetFixInfoPosition(int32_t n) { return &FixInfoAt(n).position; }

double CFms::GetFixInfoLineValue(int32_t n, uint32_t k) const {
  if ((n != 1 && n != 2) || k < 1 || k > 4) return kUnsetValue;
  return fixInfo_[n - 1].radialMagDeg[k - 1];
}

CLatLon* CFms::GetFixInfoLine4Position(int32_t n) {
  FixInfo& fix = FixInfoAt(n);
  return fix.line4Position.IsValid() ? &fix.line4Position : nullptr;
}

bool CFms::SearchNavaid(const std::string& ident) {
  const CNavPoint* found = GetNavDatabase()->FindNavaid(ident, *nav_.GetPosition());
  if (found == nullptr) {
    navaidSearch_ = CNavPoint();
    return false;
  }
  navaidSearch_ = *found;
  return true;
}

void InitFms() {
  g_fms.UseComputedGuidance();
  g_fms.LoadState();
}

void UpdateFms() {
  const GeoPointDeg position = AircraftPosition();
  const double utcHours = ReadToken(Token::ZuluHour) + ReadToken(Token::ZuluMinute) / 60.0;
  g_fms.Update({.panelPowered = IsPanelPowered() != 0,
                .aircraftPosition = CLatLon(position.latitudeDeg, position.longitudeDeg),
                .simTimeS = ReadToken(Token::SimulationClock),
                .altitudeFt = ReadToken(Token::AltitudeFt),
                .groundSpeedKt = ReadScaledToken(Token::GroundSpeedMps),
                .trueHeadingDeg = ReadToken(Token::HeadingDeg),
                .groundTrackDeg = GetGroundTrack(),
                .magVarDeg = ReadToken(Token::MagneticVariationDeg),
                .utcHours = utcHours,
                .onGround = ReadToken(Token::OnGround) != 0.0});
}

void SaveFms() { g_fms.SaveState(); }

}  // namespace halcyon
