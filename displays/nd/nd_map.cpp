// The navigation display's map and plan content.
#include "displays/nd/nd_map.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <iterator>

#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "displays/efis/display_states.h"
#include "displays/efis/efis_dimmer.h"
#include "displays/efis/efis_mcp.h"
#include "displays/efis/screen_geometry.h"
#include "fmc/fms.h"
#include "nav/fms_nav.h"
#include "nav/nav_database.h"
#include "systems/dfgs.h"
#include "systems/irs.h"

namespace halcyon {

namespace gfx = platform::gfx;

namespace {

constexpr gfx::PointF kRoseCentre(150.0f, 126.0f);
constexpr gfx::PointF kArcCentre(150.0f, 227.0f);
constexpr gfx::PointF kPlanCentre(150.0f, 150.0f);
// The map circle about the arc centre, in the coordinates of each mode's origin.
constexpr gfx::RectF kMapClipMap(-210, -210, 420, 420);
constexpr gfx::RectF kMapClipPlan(-210, -133, 420, 420);

constexpr double kRangesNm[] = {10, 20, 40, 80, 160, 320};
constexpr const wchar_t* kHalfRangeLabels[] = {L"5", L"10", L"20", L"40", L"80", L"160"};
// Design units for a degree of arc times the range: the range spans 210 units in map, 100 in plan.
constexpr double kMapScaleTimesRange = -12600.0;
constexpr double kPlanScaleTimesRange = -6000.0;
constexpr double kNmPerDegree = 60.0;

// Ranges at or below which fixes and runway symbols show.
constexpr uint32_t kCloseRangeIndexMax = 2;
// Tick channels of the list refills: navaids and airports once a second, fixes likewise.
constexpr uint32_t kNavaidAirportChannel = 9;
constexpr uint32_t kFixChannel = 0;

constexpr uint32_t kAltitudePreselectIndex = 0;
constexpr int32_t kAltPreselectArmed = 1;

constexpr double kHoldWidthNm = 6.0;
constexpr float kRadialLength = 1500.0f;
constexpr double kLargestDtwNm = 999.9;
// Idents compared with the active waypoint's in their first characters.
constexpr size_t kIdentPrefix = 5;

// ---- Shapes ----
constexpr gfx::PointF kStar[] = {{0, -7}, {2, -2}, {7, 0}, {2, 2}, {0, 7}, {-2, 2}, {-7, 0}, {-2, -2}};
constexpr gfx::PointF kNavaidOutline[] = {{-3, -5}, {3, -5}, {6, -7}, {9, -2}, {6, 0}, {3, 5},
                                          {3, 9},   {-3, 9}, {-3, 5}, {-6, 0}, {-9, -2}, {-6, -7}};
constexpr gfx::PointF kInnerHexagon[] = {{-3, -5}, {3, -5}, {6, 0}, {3, 5}, {-3, 5}, {-6, 0}};
constexpr gfx::PointF kVorHexagon[] = {{-2, -5}, {2, -5}, {5, 0}, {2, 5}, {-2, 5}, {-5, 0}};
constexpr gfx::PointF kFixTriangle[] = {{-4, 4}, {4, 4}, {0, -4}};
constexpr gfx::RectF kSmallCircle(-4, -4, 8, 8);
constexpr gfx::RectF kFixInfoCircle(-11, -11, 22, 22);
constexpr gfx::PointF kPlanAircraft[] = {{0, -16}, {2, -12},  {2, -5},  {13, -1},  {14, 1},  {2, 1},
                                         {2, 10},  {6, 12},   {6, 14},  {-6, 14},  {-6, 12}, {-2, 10},
                                         {-2, 1},  {-14, 1},  {-13, -1}, {-2, -5}, {-2, -12}};
constexpr gfx::PointF kAltArcTriangle[] = {{0, 0}, {150, -230}, {-150, -230}};
constexpr gfx::RectF kRingWindows[] = {{-60, -110, 120, 100}, {-60, 10, 120, 100}};

constexpr gfx::PointF kLabelOffset(15, -12);
constexpr gfx::PointF kAirportLabelOffset(-10, -22);

enum class RouteStyle { Active, Modified, Inactive };

constexpr gfx::Font kFontFlag{"Century Gothic", 10.0f, true};
constexpr gfx::Font kFontLabel{"Century Gothic", 10.0f, true};
constexpr gfx::Font kFontData{"Century Gothic", 12.0f, true};
constexpr float kPenWidth = 1.4f;

struct Colours {
  gfx::Color white, green, darkGreen, amber, magenta, cyan, red;
};
struct Pens {
  gfx::Pen white, whiteDash, green, darkGreen, greenDash, magenta, cyan, cyanDash;
};

bool Unset(double value) { return value == kUnsetValue; }
bool SamePosition(const CLatLon& a, const CLatLon& b) { return a.GetLat() == b.GetLat() && a.GetLon() == b.GetLon(); }
bool SamePrefix(const char* a, const char* b) { return std::strncmp(a, b, kIdentPrefix) == 0; }
bool IsProcedureEnd(const CLeg* leg) {
  const auto type = static_cast<LegType>(leg->GetType());
  return type == LegType::Star || type == LegType::Final || type == LegType::ApproachTransition;
}

// A narrow ident as display text, cut after `count` characters.
struct IdentText {
  wchar_t text[16] = {};
};
IdentText Widen(const char* ident, size_t count) {
  IdentText t;
  size_t i = 0;
  for (; ident != nullptr && ident[i] != '\0' && i < count && i + 1 < std::size(t.text); ++i) {
    t.text[i] = static_cast<unsigned char>(ident[i]);
  }
  t.text[i] = L'\0';
  return t;
}

// A number as text, cut after `count` characters.
struct NumberText {
  wchar_t text[24] = {};
};
template <typename T>
NumberText Print(const wchar_t* format, T value, size_t count) {
  NumberText t;
  std::swprintf(t.text, std::size(t.text), format, value);
  if (count < std::size(t.text)) t.text[count] = L'\0';
  return t;
}
// Feet, minutes and the like truncated to an integer; NaN and huge values as 0.
int32_t Whole(double value) {
  return std::isfinite(value) && std::fabs(value) < 2.0e9 ? static_cast<int32_t>(std::trunc(value)) : 0;
}

class MapPainter {
 public:
  explicit MapPainter(const NdMapFrame& f);
  void Draw();

 private:
  // ---- Frame ----
  gfx::Matrix Frame(gfx::PointF origin) const {
    gfx::Matrix m;
    m.Scale(sx_, sy_).Translate(origin.x, origin.y);
    return m;
  }
  void UseMap() { c_.SetTransform(map_); }
  // The map frame moved to a map point and turned by `deg`.
  void UseAt(gfx::PointF p, double deg = 0.0) {
    gfx::Matrix m = map_;
    m.Translate(p.x, p.y);
    if (deg != 0.0) m.Rotate(deg);
    c_.SetTransform(m);
  }
  // The angle a figure with a compass direction is turned by.
  double Turn(double directionDeg) const { return plan_ ? directionDeg : 360.0 - track_ + directionDeg; }
  bool Project(const CLatLon* position, gfx::PointF& out) const;
  void ClipToMap();
  void Text(const wchar_t* text, int count, const gfx::Font& font, gfx::PointF at, gfx::Align align, gfx::Color color) {
    c_.DrawString(text, count, font, at, align, color);
  }
  void Label(const char* ident, size_t count, gfx::PointF at, gfx::PointF offset, gfx::Color color) {
    const IdentText t = Widen(ident, count);
    Text(t.text, -1, kFontLabel, {at.x + offset.x, at.y + offset.y}, gfx::Align::Near, color);
  }
  template <size_t N>
  void Symbol(const gfx::PointF (&shape)[N], gfx::PointF at, const gfx::Pen& pen) {
    gfx::PointF moved[N];
    for (size_t i = 0; i < N; ++i) moved[i] = {shape[i].x + at.x, shape[i].y + at.y};
    c_.DrawPolygon(pen, moved, static_cast<int>(N));
  }
  void Circle(const gfx::RectF& box, gfx::PointF at, const gfx::Pen& pen) {
    c_.DrawEllipse(pen, {box.x + at.x, box.y + at.y, box.width, box.height});
  }
  void NavaidSymbol(int32_t type, gfx::PointF at, const gfx::Pen& pen);

  // ---- Layers ----
  void DrawCornerBlock();
  void DrawRangeRing();
  void DrawNavaidSearch();
  void DrawFixInfo();
  void DrawFixInfoRadials(int32_t n, gfx::PointF fix);
  bool PlaceNearby(const CLatLon& position, gfx::PointF& at) const;
  // Whether a waypoint's star, ident and data beside it can show at all.
  bool WaypointShows(gfx::PointF at) const { return c_.MayShow({at.x - 10, at.y - 14, 90, 56}); }
  double SearchReachDeg() const;
  void DrawNearbyNavaids();
  void DrawNearbyAirports();
  void DrawNearbyFixes();
  void DrawFirstPass();
  void DrawSecondPass();
  void DrawAirports();
  void DrawPlanAircraft();
  void DrawAltitudeArc();
  void DrawPathMarkers();
  void DrawNoPlanFlag();

  // ---- Route figures ----
  bool SegmentGate(const CLeg* leg, const CLeg* before, const CLeg* passed) const;
  bool TurnCurve(CLeg* leg);
  void Hold(const CFlightPlan& route, const CLeg* leg, gfx::PointF fix, const gfx::Pen& pen);
  void ProcedureTurn(CLeg* leg, gfx::PointF fix);
  void DmeArc(CLeg* leg, CLeg* before, const CLeg* next, gfx::PointF fix);
  void ActiveSegment(CLeg* leg, CLeg* before, const CLeg* first, const CLeg* passed, const CLeg* next, gfx::PointF fix);
  void DataTexts(const CLeg* leg, gfx::PointF at, gfx::Color color);
  void AirportMark(const CAirport* airport, bool runwayAllowed);

  gfx::Canvas& c_;
  const double sx_, sy_;
  const uint32_t mode_;
  const bool plan_;
  const double track_;
  const uint32_t rangeIndex_;
  const double rangeNm_;
  const double scale_;
  Colours colours_;
  Pens pens_;
  CFmsNav* nav_;
  CNavDatabase* database_;
  CFlightPlan* active_;        // route slot 3
  const CLeg* activeFirst_;    // its leg to the active waypoint, or null
  CLatLon centre_;
  gfx::Matrix map_;
  gfx::Path path_;             // holds, procedure turns and clip shapes
};

MapPainter::MapPainter(const NdMapFrame& f)
    : c_(*f.canvas),
      sx_(f.sx),
      sy_(f.sy),
      mode_(f.mode),
      plan_(f.mode == kEfisModePlan),
      track_(f.trackDeg),
      rangeIndex_(GetEfisRange() < std::size(kRangesNm) ? GetEfisRange() : kRangeIndexMax),
      rangeNm_(kRangesNm[rangeIndex_]),
      scale_((plan_ ? kPlanScaleTimesRange : kMapScaleTimesRange) / rangeNm_),
      nav_(g_fms.GetFmsNav()),
      database_(g_fms.GetNavDatabase()),
      active_(nav_ != nullptr ? nav_->GetRoute(CFmsNav::kActiveSlot) : nullptr),
      activeFirst_(active_ != nullptr ? active_->GetFirstLeg() : nullptr) {
  const double b = f.brightness;
  colours_ = {gfx::Dim(255, 255, 255, b), gfx::Dim(0, 225, 0, b),   gfx::Dim(0, 150, 0, b), gfx::Dim(230, 180, 30, b),
              gfx::Dim(255, 80, 255, b),  gfx::Dim(10, 155, 244, b), gfx::Dim(255, 0, 0, b)};
  pens_ = {{colours_.white, kPenWidth},
           {colours_.white, kPenWidth, 3.0f, 3.0f},
           {gfx::Dim(0, 255, 0, b), kPenWidth},
           {colours_.darkGreen, kPenWidth},
           {gfx::Dim(0, 200, 0, b), kPenWidth, 3.0f, 3.0f},
           {colours_.magenta, kPenWidth},
           {colours_.cyan, kPenWidth},
           {colours_.cyan, kPenWidth, 3.0f, 3.0f}};
  map_ = Frame(plan_ ? kPlanCentre : kArcCentre);
}

// Gnomonic about the map centre, then turned track-up in the map mode.
bool MapPainter::Project(const CLatLon* position, gfx::PointF& out) const {
  if (position == nullptr || !position->IsValid()) return false;
  if (!ProjectNdPoint(centre_, *position, scale_, out)) return false;
  if (!plan_) RotatePoint(out, 360.0 - track_);
  return true;
}

void MapPainter::ClipToMap() {
  UseMap();
  path_.Reset();
  path_.AddEllipse(plan_ ? kMapClipPlan : kMapClipMap);
  c_.SetClip(path_, gfx::ClipMode::Replace);
}

void MapPainter::Draw() {
  if (mode_ != kEfisModeMap && mode_ != kEfisModePlan) return;
  const bool test = IsEfisTestActive() != 0;
  c_.Mark("map data");
  if (IsIrsHeadingValid() != 0 && !test) DrawCornerBlock();
  // The centre: the FMS position, or in plan the LEGS page's centre waypoint.
  centre_ = *g_fms.GetAfmcPosition();
  if (plan_) {
    const CLeg* centreLeg = g_fms.GetCenterLeg();
    if (centreLeg != nullptr && centreLeg->IsDefined()) centre_ = *centreLeg->GetToPosition();
  }
  if (!centre_.IsValid()) centre_.SetLatLon(0.0, 0.0);
  if (plan_) {
    c_.Mark("plan ring");
    DrawRangeRing();
  }
  if (IsIrsNavValid() != 0 && !test && nav_ != nullptr && database_ != nullptr) {
    c_.Mark("map");
    ClipToMap();
    DrawNavaidSearch();
    DrawFixInfo();
    c_.Mark("nearby");
    if (activeFirst_ != nullptr) {
      DrawNearbyNavaids();
      DrawNearbyAirports();
      DrawNearbyFixes();
    }
    c_.Mark("route");
    DrawFirstPass();
    DrawSecondPass();
    c_.Mark("airports");
    DrawAirports();
    if (plan_) DrawPlanAircraft();
    c_.ResetClip();
    if (!plan_) {
      c_.Mark("altitude arc");
      DrawAltitudeArc();
    }
    c_.Mark("path markers");
    DrawPathMarkers();
  }
  if (plan_) DrawNoPlanFlag();
}

// ---- Corner block, range ring, plan aircraft, flags ----

void MapPainter::DrawCornerBlock() {
  if (activeFirst_ == nullptr) return;
  c_.SetTransform(Frame(kRoseCentre));
  const double dtw = activeFirst_->GetDistToWpt();
  const NumberText distance =
      Unset(dtw) ? NumberText{L"- - -"} : Print(L"%5.1f", std::fmin(dtw, kLargestDtwNm), 7);
  Text(distance.text, -1, kFontData, {-147, -130}, gfx::Align::Near, colours_.white);
  Text(L"DTW", 3, kFontData, {-149, -115}, gfx::Align::Near, colours_.white);
  Text(L"NM", 2, kFontLabel, {-106, -127}, gfx::Align::Near, colours_.white);
  const double eta = activeFirst_->GetEtaAtWpt();
  const NumberText time = Unset(eta) ? NumberText{L"- - -"} : Print(L"%06.1fz", eta, 8);
  Text(time.text, -1, kFontData, {147, -130}, gfx::Align::Far, colours_.white);
  Text(L"ETA", 3, kFontData, {149, -115}, gfx::Align::Far, colours_.white);
}

void MapPainter::DrawRangeRing() {
  UseMap();
  path_.Reset();
  for (const gfx::RectF& window : kRingWindows) path_.AddRectangle(window);
  c_.SetClip(path_, gfx::ClipMode::Replace);
  c_.DrawEllipse(pens_.cyan, {-50, -50, 100, 100});
  c_.ResetClip();
  const wchar_t* label = kHalfRangeLabels[rangeIndex_];
  Text(label, -1, kFontLabel, {-50, -8}, gfx::Align::Center, colours_.cyan);
  Text(label, -1, kFontLabel, {50, -8}, gfx::Align::Center, colours_.cyan);
}

void MapPainter::DrawPlanAircraft() {
  gfx::PointF at;
  if (!Project(g_fms.GetAfmcPosition(), at)) return;
  gfx::PointF outline[std::size(kPlanAircraft)];
  for (size_t i = 0; i < std::size(kPlanAircraft); ++i) {
    gfx::PointF p = kPlanAircraft[i];
    RotatePoint(p, track_);
    outline[i] = {p.x + at.x, p.y + at.y};
  }
  UseMap();
  c_.DrawPolygon(pens_.white, outline, static_cast<int>(std::size(outline)));
}

// Where the preselected altitude is reached at the present vertical speed.
void MapPainter::DrawAltitudeArc() {
  if (GetDfgsAltPreselectArm() != kAltPreselectArmed) return;
  ClipToMap();
  path_.Reset();
  path_.AddPolygon(kAltArcTriangle, static_cast<int>(std::size(kAltArcTriangle)));
  c_.SetClip(path_, gfx::ClipMode::Intersect);
  const double groundSpeedKt = ReadScaledToken(Token::GroundSpeedMps);
  const double altitudeFt = ReadToken(Token::AltitudeFt);
  const double verticalSpeedFpm = ReadVerticalSpeedFpm();
  const double toGoFt = GetDfgsSelectedValue(kAltitudePreselectIndex) - altitudeFt;
  const double distanceNm = toGoFt / verticalSpeedFpm * groundSpeedKt / 60.0;
  if (std::isfinite(distanceNm)) {
    const auto d = static_cast<float>(scale_ * distanceNm / 30.0);
    c_.DrawEllipse(pens_.green, {d / -2.0f, d / -2.0f, d, d});
  }
  c_.ResetClip();
}

void MapPainter::DrawPathMarkers() {
  ClipToMap();
  const struct {
    CLatLon* position;
    const wchar_t* text;
  } markers[] = {{nav_->GetTcPosition(), L"T/C"}, {nav_->GetTdPosition(), L"T/D"}, {nav_->GetEdPosition(), L"E/D"}};
  for (const auto& marker : markers) {
    gfx::PointF at;
    if (!Project(marker.position, at)) continue;
    Circle(kSmallCircle, at, pens_.green);
    Text(marker.text, 3, kFontLabel, {at.x - 7, at.y - 5}, gfx::Align::Far, colours_.green);
  }
  c_.ResetClip();
}

void MapPainter::DrawNoPlanFlag() {
  const bool heading = IsIrsHeadingValid() != 0;
  if (heading && IsIrsNavValid() != 0) return;
  UseMap();
  Text(L"NO PLAN MODE", 12, kFontFlag, {0, 5}, gfx::Align::Center, heading ? colours_.amber : colours_.red);
}

// ---- Point symbols ----

void MapPainter::NavaidSymbol(int32_t type, gfx::PointF at, const gfx::Pen& pen) {
  switch (static_cast<NavaidType>(type)) {
    case NavaidType::Vor:
      Symbol(kVorHexagon, at, pen);
      break;
    case NavaidType::VorDme:
      Symbol(kNavaidOutline, at, pen);
      Symbol(kInnerHexagon, at, pen);
      break;
    case NavaidType::Dme:
      Symbol(kNavaidOutline, at, pen);
      break;
    default:
      break;  // an NDB has no symbol
  }
}

void MapPainter::DrawNavaidSearch() {
  const CNavPoint* found = g_fms.GetNavaidSearchResult();
  gfx::PointF at;
  if (found == nullptr || !found->IsSet() || !Project(found->GetPosition(), at)) return;
  UseMap();
  NavaidSymbol(found->GetType(), at, pens_.darkGreen);
  Label(found->GetIdent(), 6, at, kLabelOffset, colours_.darkGreen);
}

void MapPainter::DrawFixInfo() {
  for (int32_t n = 1; n <= 2; ++n) {
    const CLatLon fix(*g_fms.GetFixInfoPosition(n));
    gfx::PointF at;
    if (!Project(&fix, at)) continue;
    UseMap();
    Circle(kFixInfoCircle, at, pens_.green);
    DrawFixInfoRadials(n, at);
  }
}

void MapPainter::DrawFixInfoRadials(int32_t n, gfx::PointF fix) {
  const double variation = ReadToken(Token::MagneticVariationDeg);
  for (uint32_t line = 1; line <= 4; ++line) {
    const double radial = g_fms.GetFixInfoLineValue(n, line);
    if (Unset(radial)) continue;
    const double a = radial + variation;
    UseMap();
    if (line == 4) {
      gfx::PointF to;
      if (Project(g_fms.GetFixInfoLine4Position(n), to)) c_.DrawLine(pens_.greenDash, fix, to);
    } else {
      gfx::PointF end(0.0f, -kRadialLength);
      RotatePoint(end, Turn(a));
      c_.DrawLine(pens_.greenDash, fix, {fix.x + end.x, fix.y + end.y});
    }
    // The radial's figures along it, on the side that reads upright.
    double turn = 0.0;
    float along = 0.0f;
    if (plan_) {
      const bool right = a < 180.0;
      turn = right ? a - 90.0 : a + 90.0;
      along = right ? 30.0f : -30.0f;
    } else {
      const double b = 360.0 - track_ + a;
      const bool right = b < 180.0 || (b > 360.0 && b < 540.0);
      turn = right ? b - 90.0 : b + 90.0;
      along = right ? 40.0f : -40.0f;
    }
    gfx::Matrix m = map_;
    m.Translate(fix.x, fix.y).Rotate(turn).Translate(along, 0.0);
    c_.SetTransform(m);
    const NumberText figures = Print(L"%03d", Whole(radial), 3);
    Text(figures.text, 3, kFontLabel, {0, 0}, gfx::Align::Center, colours_.white);
  }
}

// Whether a nearby record is already on the route or shares the active waypoint's ident.
bool OnRoute(const CFlightPlan& route, const CLeg& first, const char* ident) {
  return route.HasLegFix(ident) || SamePrefix(ident, first.GetToIdent());
}

// What the three toggle layers share: a record shows when its toggle is on
// or it stands exactly on an entered FIX INFO fix.
struct NearbyRule {
  bool on;
  CLatLon fix[2];
  bool AnyShows() const { return on || fix[0].IsValid() || fix[1].IsValid(); }
  bool Shows(const CLatLon& p) const {
    return on || (fix[0].IsValid() && SamePosition(p, fix[0])) || (fix[1].IsValid() && SamePosition(p, fix[1]));
  }
};

NearbyRule RuleOf(uint32_t toggle) {
  return {GetEfisDisplayControl(toggle) != 0, {*g_fms.GetFixInfoPosition(1), *g_fms.GetFixInfoPosition(2)}};
}

// The map point of a nearby record whose symbol and label can show through the clip.
bool MapPainter::PlaceNearby(const CLatLon& position, gfx::PointF& at) const {
  return Project(&position, at) && c_.MayShow({at.x - 20, at.y - 30, 90, 50});
}

// Half the search box in latitude: the range in map, 2.1 ranges in plan (twice that in longitude).
double MapPainter::SearchReachDeg() const { return (plan_ ? 2.1 : 1.0) * rangeNm_ / kNmPerDegree; }

void MapPainter::DrawNearbyNavaids() {
  const NearbyRule rule = RuleOf(kDcNavaids);
  if (!rule.AnyShows()) return;
  const double reach = SearchReachDeg();
  if (IsTickDue(kNavaidAirportChannel) != 0) database_->FindNavaidsInBox(g_ndNavaidList, centre_, reach, 2.0 * reach);
  const CNavPoint* search = g_fms.GetNavaidSearchResult();
  UseMap();
  for (const CNavPoint* navaid = g_ndNavaidList; navaid != nullptr && navaid->IsSet(); navaid = navaid->GetNext()) {
    const CLatLon& p = *navaid->GetPosition();
    gfx::PointF at;
    if (!rule.Shows(p) || (search != nullptr && SamePosition(p, *search->GetPosition())) ||
        static_cast<NavaidType>(navaid->GetType()) == NavaidType::Ndb ||
        OnRoute(*active_, *activeFirst_, navaid->GetIdent()) || !PlaceNearby(p, at)) {
      continue;
    }
    NavaidSymbol(navaid->GetType(), at, pens_.cyan);
    Label(navaid->GetIdent(), 11, at, kLabelOffset, colours_.cyan);
  }
}

void MapPainter::DrawNearbyAirports() {
  const NearbyRule rule = RuleOf(kDcAirports);
  if (!rule.AnyShows()) return;
  const double reach = SearchReachDeg();
  if (IsTickDue(kNavaidAirportChannel) != 0) database_->FindAirportsInBox(g_ndAirportList, centre_, reach, 2.0 * reach);
  UseMap();
  for (const CAirport* airport = g_ndAirportList; airport != nullptr; airport = airport->GetNext()) {
    gfx::PointF at;
    if (!airport->IsSet() || OnRoute(*active_, *activeFirst_, airport->GetIdent()) ||
        !rule.Shows(*airport->GetPosition()) || !PlaceNearby(*airport->GetPosition(), at)) {
      continue;
    }
    Circle(kSmallCircle, at, pens_.cyan);
    Label(airport->GetIdent(), 5, at, kAirportLabelOffset, colours_.cyan);
  }
}

void MapPainter::DrawNearbyFixes() {
  const NearbyRule rule = RuleOf(kDcWaypoints);
  // Fixes show only at the short ranges: no search beyond them, where the
  // box would copy a large part of the database every second for nothing.
  if (!rule.AnyShows() || rangeIndex_ > kCloseRangeIndexMax) return;
  const double reach = SearchReachDeg();
  if (IsTickDue(kFixChannel) != 0) database_->FindFixesInBox(g_ndFixList, centre_, reach, 2.0 * reach);
  UseMap();
  for (const CFix* fix = g_ndFixList; fix != nullptr; fix = fix->GetNext()) {
    gfx::PointF at;
    if (fix->GetIdent()[0] == '\0' || OnRoute(*active_, *activeFirst_, fix->GetIdent()) ||
        !rule.Shows(*fix->GetPosition()) || !PlaceNearby(*fix->GetPosition(), at)) {
      continue;
    }
    Symbol(kFixTriangle, at, pens_.cyan);
    Label(fix->GetIdent(), 6, at, kLabelOffset, colours_.cyan);
  }
}

// ---- Routes ----

// Whether the straight segment of `leg` is drawn; `before` is the leg visited
// before it, `passed` the route's leg last passed.
bool MapPainter::SegmentGate(const CLeg* leg, const CLeg* before, const CLeg* passed) const {
  if (leg == passed && !leg->IsDirectIntercept() && leg->IsFromRunway() == 0) return false;
  if (before->GetSpecial() == static_cast<int32_t>(LegSpecial::Vectors)) return false;
  if (leg->GetLegDistance() == 0.0 && leg->GetSpecial() != static_cast<int32_t>(LegSpecial::Vectors)) return false;
  if (leg->IsDestination() && (IsProcedureEnd(before) || IsProcedureEnd(passed))) return false;
  return leg->GetFromPosition()->IsValid();
}

// The turn from `leg` onto the next leg, when all four turn points project.
bool MapPainter::TurnCurve(CLeg* leg) {
  gfx::PointF p1, p2, p3, p4;
  if (!Project(leg->GetTurnPoint1(), p1) || !Project(leg->GetTurnPoint2(), p2) || !Project(leg->GetTurnPoint3(), p3) ||
      !Project(leg->GetTurnPoint4(), p4)) {
    return false;
  }
  c_.DrawBezier(pens_.magenta, p1, p3, p4, p2);
  return true;
}

// A racetrack 6 NM wide at the fix, its inbound leg along the hold's course.
void MapPainter::Hold(const CFlightPlan& route, const CLeg* leg, gfx::PointF fix, const gfx::Pen& pen) {
  const CHold* hold = leg->GetHold();
  if (hold == nullptr) return;
  const double u = NdUnitsPerNm(mode_, rangeIndex_);
  const double w = kHoldWidthNm * u;
  double straight = w;
  if (route.GetExitHold() != 0) {
    straight = 0.0;
  } else if (!Unset(hold->GetLegDistance())) {
    straight = hold->GetLegDistance() * u;
  } else if (!Unset(hold->GetLegTime()) && !Unset(hold->GetBestSpeed())) {
    straight = hold->GetLegTime() / 60.0 * hold->GetBestSpeed() * u;
  }
  const double side = hold->GetTurnDirection() == kTurnLeft ? w : 0.0;
  const auto fw = static_cast<float>(w);
  path_.Reset();
  path_.AddArc({static_cast<float>(-side), static_cast<float>(-2.0 * w / 3.0), fw, fw}, 180.0f, 180.0f);
  path_.AddArc({static_cast<float>(-side), static_cast<float>(straight - w / 3.0), fw, fw}, 0.0f, 180.0f);
  path_.CloseFigure();
  UseAt(fix, Turn(hold->GetInboundCourse()));
  c_.DrawPath(pen, path_);
  UseMap();
}

// The procedure turn's outbound leg and turn back, on the side of its turn.
void MapPainter::ProcedureTurn(CLeg* leg, gfx::PointF fix) {
  const CProcTurn* turn = leg->GetProcTurn();
  const auto d = static_cast<float>(turn->GetDistance() * NdUnitsPerNm(mode_, rangeIndex_));
  const double variation = database_->MagVarAtPosition(*leg->GetFromPosition());
  path_.Reset();
  double angle = turn->GetInboundCourse() + variation;
  if (turn->GetTurnDirection() == kTurnLeft) {
    path_.AddArc({-d, d, d, d}, 0.0f, 180.0f);
    path_.AddLine({-d, d}, {0, 0});
    angle += 315.0;
  } else {
    path_.AddArc({0, d, d, d}, 0.0f, 180.0f);
    path_.AddLine({0, 0}, {d, d});
    angle += 45.0;
  }
  path_.CloseFigure();
  UseAt(fix, Turn(angle));
  c_.DrawPath(pens_.magenta, path_);
  UseMap();
}

// A DME arc through its ten points, with the turns into and out of it.
void MapPainter::DmeArc(CLeg* leg, CLeg* before, const CLeg* next, gfx::PointF fix) {
  bool entry = false;
  if (before->HasTurnPoints() && before->GetPassType() != static_cast<int32_t>(PassType::FlyOver) && before != leg &&
      !before->HasArcPoints()) {
    entry = TurnCurve(before);
  }
  bool exit = false;
  if (leg->HasTurnPoints() && !next->HasArcPoints()) exit = TurnCurve(leg);
  gfx::PointF points[CLeg::kArcPoints + 2];
  int count = 0;
  if (!entry && Project(leg->GetFromPosition(), points[count])) ++count;
  for (int i = 0; i < CLeg::kArcPoints; ++i) {
    if (Project(leg->GetArcPoint(i), points[count])) ++count;
  }
  if (!exit) points[count++] = fix;
  c_.DrawCurve(pens_.magenta, points, count);
}

// The active route's straight leg, from the end of the turn onto it to the start of the next turn.
void MapPainter::ActiveSegment(CLeg* leg, CLeg* before, const CLeg* first, const CLeg* passed, const CLeg* next,
                               gfx::PointF fix) {
  const bool turnIn = before->HasTurnPoints() && before != leg;
  gfx::PointF start;
  if (!(turnIn ? Project(before->GetTurnPoint2(), start) : Project(leg->GetFromPosition(), start))) return;
  gfx::PointF end = fix;
  if (leg->HasTurnPoints() && !Project(leg->GetTurnPoint1(), end)) return;
  if (!(leg == passed && leg != first)) c_.DrawLine(pens_.magenta, start, end);
  if (next != nullptr && leg->HasTurnPoints() && next->GetSpecial() != static_cast<int32_t>(LegSpecial::Arc)) {
    TurnCurve(leg);
  }
  if (turnIn && before == passed) {
    gfx::PointF p1, p3, p4;
    if (Project(before->GetTurnPoint1(), p1) && Project(before->GetTurnPoint3(), p3) &&
        Project(before->GetTurnPoint4(), p4)) {
      c_.DrawBezier(pens_.magenta, p1, p3, p4, start);
    }
  }
}

// Route 1 or 2 while it is edited (its changed legs) or not flown.
void MapPainter::DrawFirstPass() {
  CFlightPlan* route = nullptr;
  RouteStyle style = RouteStyle::Inactive;
  const int32_t activeIndex = g_fms.GetActiveRouteIndex();
  if (nav_->GetRoute(2) == nullptr) return;
  switch (nav_->GetExecRoute()) {
    case 0:
      route = nav_->GetRoute(2);
      break;
    case 1:
      if (nav_->GetRoute(1)->IsModified() != 0) {
        route = nav_->GetRoute(1);
        style = RouteStyle::Modified;
      } else if (activeIndex == 2) {
        route = nav_->GetRoute(2);
      }
      break;
    case 2:
      if (nav_->GetRoute(2)->IsModified() != 0) {
        route = nav_->GetRoute(2);
        style = RouteStyle::Modified;
      } else if (activeIndex == 1) {
        route = nav_->GetRoute(1);
      }
      break;
    default:
      break;
  }
  if (route == nullptr) return;
  CLeg* passed = route->GetPrevLeg();
  if (passed == nullptr) return;
  const gfx::Pen& pen = style == RouteStyle::Modified ? pens_.whiteDash : pens_.cyanDash;
  CLeg* leg = passed->HasToIdent() ? passed : route->GetFirstLeg();
  UseMap();
  for (CLeg* before = leg; leg != nullptr; before = leg, leg = leg->GetNext()) {
    gfx::PointF fix;
    if (!leg->HasToIdent() || !Project(leg->GetToPosition(), fix)) continue;
    const bool shown = style == RouteStyle::Inactive || leg->IsChanged() != 0;
    if (!leg->IsHolding()) {
      gfx::PointF from;
      if (shown && SegmentGate(leg, before, passed) && Project(leg->GetFromPosition(), from)) {
        c_.DrawLine(pen, from, fix);
      }
    } else if (shown) {
      Hold(*route, leg, fix, pen);
    }
    if (!leg->IsDestination() && shown && WaypointShows(fix)) {
      Label(leg->GetToIdent(), 10, fix, kLabelOffset, colours_.white);
      if (!leg->IsHolding()) Symbol(kStar, fix, pens_.white);
    }
  }
}

// The altitude constraints and ETA beside a waypoint.
void MapPainter::DataTexts(const CLeg* leg, gfx::PointF at, gfx::Color color) {
  float y = 0.0f;
  auto line = [&](const wchar_t* text) {
    Text(text, -1, kFontLabel, {at.x + 15, at.y + y}, gfx::Align::Near, color);
    y += 12.0f;
  };
  for (int i = 1; i <= 2; ++i) {
    const double altitude = leg->GetAltConstraint(i);
    if (Unset(altitude)) break;  // the second shows only under the first
    const int32_t type = leg->GetAltConstraintType(i);
    const wchar_t* format = type == static_cast<int32_t>(AltConstraintType::AtOrAbove)   ? L"%dA"
                            : type == static_cast<int32_t>(AltConstraintType::AtOrBelow) ? L"%dB"
                                                                                         : L"%d";
    line(Print(format, Whole(altitude), 7).text);
  }
  const double eta = leg->GetEtaAtWpt();
  if (!Unset(eta)) line(Print(L"%04dZ", Whole(eta), 6).text);
}

// The flown route (route 1 while nothing is executed), with its turns, arcs,
// holds and procedure turns, then the active waypoint above it.
void MapPainter::DrawSecondPass() {
  CFlightPlan* route = nullptr;
  RouteStyle style = RouteStyle::Active;
  const int32_t exec = nav_->GetExecRoute();
  if (exec == 0) {
    route = nav_->GetRoute(1);
    style = RouteStyle::Inactive;
  } else if (exec == 1 || exec == 2) {
    route = nav_->GetRoute(CFmsNav::kActiveSlot);
  }
  if (route == nullptr) return;
  CLeg* passed = route->GetPrevLeg();
  CLeg* first = route->GetFirstLeg();
  if (passed == nullptr) return;
  const CRunway* runway = route->GetDestination()->GetRunway();
  const bool runwaySet = runway->IsSet();
  const bool data = GetEfisDisplayControl(kDcData) != 0;
  CLeg* activeWaypoint = nullptr;
  CLeg* leg = passed->HasToIdent() ? passed : first;
  UseMap();
  for (CLeg* before = leg; leg != nullptr && leg->GetNext() != nullptr; before = leg, leg = leg->GetNext()) {
    CLeg* next = leg->GetNext();
    const CLatLon* to = leg->GetToPosition();
    if (leg->IsDestination() && leg->IsFromRunway() == 0 && runwaySet) to = runway->GetPosition();
    gfx::PointF fix;
    if (!leg->HasToIdent() || !Project(to, fix)) continue;
    const bool straight = !leg->HasProcTurn() && !leg->HasArcPoints() && !leg->IsHolding() &&
                          (!leg->IsDestination() || runwaySet);
    if (straight) {
      if (SegmentGate(leg, before, passed)) {
        if (style == RouteStyle::Inactive) {
          gfx::PointF from;
          if (Project(leg->GetFromPosition(), from)) c_.DrawLine(pens_.cyanDash, from, fix);
        } else {
          ActiveSegment(leg, before, first, passed, next, fix);
        }
      }
    } else if (leg->HasProcTurn()) {
      ProcedureTurn(leg, fix);
    } else if (leg->HasArcPoints()) {
      DmeArc(leg, before, next, fix);
    } else {
      Hold(*route, leg, fix, style == RouteStyle::Inactive ? pens_.cyanDash : pens_.magenta);
    }
    if (leg->IsDestination() || (leg->IsHolding() && leg != first && leg != passed)) continue;
    if (leg == first) {
      activeWaypoint = leg;
    } else if (!WaypointShows(fix)) {
      continue;
    } else {
      Symbol(kStar, fix, pens_.white);
      Label(leg->GetToIdent(), 10, fix, kLabelOffset, colours_.white);
    }
    if (data && !leg->IsHolding() && !leg->HasProcTurn()) {
      DataTexts(leg, fix, leg == first ? colours_.magenta : colours_.white);
    }
  }
  gfx::PointF at;
  if (activeWaypoint != nullptr && Project(activeWaypoint->GetToPosition(), at)) {
    Symbol(kStar, at, pens_.magenta);
    Label(activeWaypoint->GetToIdent(), 10, at, kLabelOffset, colours_.magenta);
  }
}

// An airport of the flown route: its runway at the short ranges, else its circle.
void MapPainter::AirportMark(const CAirport* airport, bool runwayAllowed) {
  const CRunway* runway = airport->GetRunway();
  if (runway == nullptr) return;
  gfx::PointF at;
  if (runwayAllowed && runway->IsSet() && rangeIndex_ <= kCloseRangeIndexMax) {
    if (!Project(runway->GetPosition(), at)) return;
    const double heading = runway->GetHeading() + database_->MagVarAtPosition(*runway->GetPosition());
    UseAt(at, Turn(heading));
    c_.DrawLine(pens_.white, {-2, 0}, {-2, -20});
    c_.DrawLine(pens_.white, {2, 0}, {2, -20});
    UseMap();
  } else {
    if (!Project(airport->GetPosition(), at)) return;
    UseMap();
    Circle(kSmallCircle, at, pens_.white);
  }
  Label(airport->GetIdent(), 5, at, kLabelOffset, colours_.white);
}

void MapPainter::DrawAirports() {
  UseMap();
  if (active_ != nullptr) {
    if (active_->HasOrigin()) AirportMark(active_->GetOrigin(), true);
    if (active_->HasDestination()) AirportMark(active_->GetDestination(), true);
  }
  const CFlightPlan* other = nav_->GetRoute(nav_->GetExecRoute() == 1 ? 2 : 1);
  if (other == nullptr) return;
  for (const CAirport* airport : {other->GetOrigin(), other->GetDestination()}) {
    gfx::PointF at;
    if (!airport->IsSet() || !Project(airport->GetPosition(), at)) continue;
    Circle(kSmallCircle, at, pens_.white);
    Label(airport->GetIdent(), 5, at, kLabelOffset, colours_.white);
  }
}

}  // namespace

double NdUnitsPerNm(uint32_t mode, uint32_t rangeIndex) {
  if (rangeIndex >= std::size(kRangesNm)) return 1.0;
  return (mode == kEfisModePlan ? 100.0 : 210.0) / kRangesNm[rangeIndex];
}

void DrawNdMap(const NdMapFrame& frame) {
  if (frame.canvas == nullptr) return;
  MapPainter(frame).Draw();
}

}  // namespace halcyon
