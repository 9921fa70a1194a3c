// The flight management computer as the rest of the cockpit sees it: the one
// object `g_fms`, built when the module loads and destroyed when it unloads,
// and its lifecycle steps. It owns the navigation state (routes and the FMS
// position), the navigation database, and the CDU: the key dispatcher, the
// scratchpad and message stack, the pages and the screen grid they write,
// the brightness and the annunciators. It reads the aircraft's position and
// the panel power once a tick (UpdateFms).
//
// The guidance queries answer what the computer works out on the executed
// route each tick ("no FMS guidance" without one: no lateral command, no
// vertical path, no VNAV phase). The test bed may stand in for the computer
// with SetGuidance, to try the flight guidance's laws on chosen answers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fmc/cdu_page.h"
#include "fmc/cdu_screen.h"
#include "fmc/scratchpad.h"
#include "nav/fms_nav.h"
#include "nav/nav_database.h"
#include "nav/route_guidance.h"

namespace halcyon {

class CLegsPage;

// The FMS state file in the aircraft folder.
inline constexpr const wchar_t* kFmsIni = L".\\SimObjects\\Airplanes\\QZ Halcyon Pro\\FMS.ini";

// What the FMS reads of the aircraft once a tick.
struct FmsInputs {
  bool panelPowered = false;
  CLatLon aircraftPosition;  // west positive
  double simTimeS = 0.0;     // the simulation clock: predictions run once a second of it
  double altitudeFt = 0.0;
  double groundSpeedKt = 0.0;
  double trueHeadingDeg = 0.0;
  double groundTrackDeg = 0.0;  // true
  double magVarDeg = 0.0;       // east positive
  double utcHours = 0.0;      // the zulu hour and minute, as hours
  bool onGround = true;
};

class CFms {
 public:
  // Built by static construction before the simulator calls the module. It
  // reads no files: the module can be loaded before the aircraft folder is
  // the working folder, so its files are read at start-up (LoadState) and
  // the navigation database on first use.
  CFms();
  ~CFms();
  CFms(const CFms&) = delete;
  CFms& operator=(const CFms&) = delete;

  // ---- Guidance for the flight guidance and the altitude alert ----
  // What the computer worked out on this tick. SetGuidance makes these
  // answers stand in for the computer's own until the next start-up
  // (InitFms) or UseComputedGuidance; the alt-preselect flag is plain storage
  // either way.
  struct Guidance {
    uint8_t altPreselectFlag = 0;
    double apAltitudeFt = 0.0;
    double apCrossTrackNm = 0.0;                  // signed
    double apHeadingDeg = kNoHeading;             // no lateral guidance
    double apSpeed = 0.0;                         // <= 1.0 Mach, above knots
    double descentConstraintAltitudeFt = 0.0;
    double pathErrorAltitudeFt = kNoPath;         // no path
    int32_t vnavNext = 0;                         // 0 none, 1 climb, 2 cruise, 3 descent, 4 level
    uint8_t passedTopOfDescent = 0;
    uint8_t descendNow = 0;
    bool legSequenced = false;                    // taken once by TakeLegSequencedFlag
  };
  void SetGuidance(const Guidance& guidance) {
    guidance_ = guidance;
    guidanceSupplied_ = true;
  }
  void UseComputedGuidance() { guidanceSupplied_ = false; }
  const Guidance& GetGuidance() const { return guidance_; }

  uint8_t GetAltPreselectFlag() const { return guidance_.altPreselectFlag; }
  // The flight guidance panel: 1 when the preselected altitude was changed under VNAV, 0 when VNAV is pressed.
  void SetAltPreselectFlag(uint8_t flag) { guidance_.altPreselectFlag = flag; }
  double GetApAltitude() const { return guidance_.apAltitudeFt; }
  double GetApCrossTrack() const { return guidance_.apCrossTrackNm; }
  double GetApHeading() const { return guidance_.apHeadingDeg; }
  double GetApSpeed() const { return guidance_.apSpeed; }
  double GetDescentConstraintAltitude() const { return guidance_.descentConstraintAltitudeFt; }
  double GetPathErrorAltitude() const { return guidance_.pathErrorAltitudeFt; }
  int32_t GetVnavNext() const { return guidance_.vnavNext; }
  uint8_t HasPassedTopOfDescent() const { return guidance_.passedTopOfDescent; }
  uint8_t IsDescendNow() const { return guidance_.descendNow; }
  // True once after the working route has sequenced a leg; false without a route.
  bool TakeLegSequencedFlag() {
    const bool sequenced = guidance_.legSequenced;
    guidance_.legSequenced = false;
    return sequenced;
  }

  // ---- Navigation state ----
  CFmsNav* GetFmsNav() { return &nav_; }
  // The navigation database, read from the nav-data folder on first use.
  CNavDatabase* GetNavDatabase();
  // The FMS position; unset until POS INIT or an alignment sets it.
  const CLatLon* GetAfmcPosition() { return nav_.GetPosition(); }
  int32_t GetActiveRouteIndex() const { return nav_.GetActiveRouteIndex(); }
  // The leg at the LEGS page's centre line (the leg before it when that leg
  // is a DIRECT leg); null without one.
  CLeg* GetCenterLeg();

  // ---- IRS alignment ----
  uint8_t IsFmsAlignDone() const { return nav_.IsAlignDone(); }
  // Aligning with the position initialised sets align-done; not aligning
  // clears it and drops the FMS position.
  void SetIrsAligning(uint8_t on) { nav_.SetIrsAligning(on); }
  // The FMS position becomes the aircraft's present position (no offset),
  // the working route's first leg starts there, the position is initialised.
  void AlignToAircraftPosition();

  // ---- CDU ----
  // One CDU key code (0..69). Every code received is logged (the latest
  // kKeyLogSize); it acts only while the panel is powered.
  void KeyPressed(uint32_t keyCode);
  const std::vector<uint32_t>& KeysPressed() const { return keysPressed_; }
  // The screen as the current page and the scratchpad write it.
  const CCduScreen& Screen() const { return screen_; }
  CduPageId CurrentPage() const { return currentPage_; }
  void ShowPage(CduPageId page);
  // LEGS with its direct-intercept prompt (the DIR INTC key).
  void ShowDirectIntercept();
  CScratchpad& Scratchpad() { return scratchpad_; }
  void PostMessage(CduMessage message) { scratchpad_.PostMessage(message); }
  // 0 a route RTE 1 or 2 is shown; 2 a message waits (MSG); 3 the route
  // shown has an activation or modification waiting for EXEC; any other n false.
  bool IsAnnunciatorOn(uint32_t n) const;

  // ---- Brightness, 0..1 ----
  double GetBrightness() const { return brightness_; }
  // Stores v when 0 <= v <= 1; anything else is ignored.
  void SetBrightness(double v);
  void IncreaseBrightness();
  void DecreaseBrightness();
  // What the screen is drawn at: ramps a hundredth a tick toward the
  // brightness while the panel is powered, dark at once without power.
  double GetDisplayedBrightness() const { return displayedBrightness_; }

  // ---- Take-off speeds of the TAKEOFF REF page, whole knots ----
  void SetTakeoffSpeeds(uint32_t v1Kt, int32_t vrKt, uint32_t v2Kt);
  uint32_t GetV1() const { return v1Kt_; }
  int32_t GetVr() const { return vrKt_; }
  uint32_t GetV2() const { return v2Kt_; }

  // ---- The guidance computer, for the pages ----
  const CRouteGuidance& RouteGuidance() const { return routeGuidance_; }
  // The crew's vertical plan (cruise altitude and the phase speeds).
  const VnavPlan& GetVnavPlan() const { return vnavPlan_; }
  void SetCruiseAltitude(double altitudeFt) { vnavPlan_.cruiseAltitudeFt = altitudeFt; }
  void SetPhaseSpeeds(int32_t phase, double knots, double mach);
  // DES NOW: the descent starts here, before the top of descent. False
  // without an executed route or a cruise altitude.
  bool DescendNow();
  // EXIT HOLD: the holding leg is left at the next pass of its fix. False
  // when the active leg is no hold.
  bool ExitHold();

  // ---- PERF INIT ----
  // The zero-fuel weight and the fuel on board, lb (the dispatch page and
  // the crew's entries both come here): the gross weight becomes ZFW + FUEL
  // and the CDU shows PERF INIT. A weight that is negative, not a number or
  // above kMaxWeightLb changes nothing and answers false.
  bool SetPerfInitWeights(double zfwLb, double fuelLb);
  // Unset (kUnsetValue) until entered.
  double GetZeroFuelWeight() const { return zfwLb_; }
  double GetFuelWeight() const { return fuelLb_; }
  double GetGrossWeight() const {
    return zfwLb_ == kUnsetValue || fuelLb_ == kUnsetValue ? kUnsetValue : zfwLb_ + fuelLb_;
  }
  static constexpr double kMaxWeightLb = 200000.0;

  // ---- FIX INFO: two reference fixes, four radial lines each ----
  // The position of fix n (1 the first, any other n the second); unset
  // without a fix.
  CLatLon* GetFixInfoPosition(int32_t n);
  // The radial (degrees magnetic) of line k (1..4) of fix n (1 or 2);
  // unset for an empty line or n or k out of range.
  double GetFixInfoLineValue(int32_t n, uint32_t k) const;
  // The point of line 4 (radial and distance from the fix); null without one.
  CLatLon* GetFixInfoLine4Position(int32_t n);
  struct FixInfo {
    std::string ident;
    CLatLon position;
    double magVarDeg = 0.0;  // at the fix when it was entered, east positive
    std::array<double, 4> radialMagDeg{kUnsetValue, kUnsetValue, kUnsetValue, kUnsetValue};
    double line4DistanceNm = kUnsetValue;
    CLatLon line4Position;
  };
  FixInfo& FixInfoAt(int32_t n) { return fixInfo_[n == 1 ? 0 : 1]; }
  // What the FIX INFO page would compute, set directly (the map's tests).
  void SetFixInfo(int32_t n, const FixInfo& info) { FixInfoAt(n) = info; }

  // ---- NAV DATA: the navaid search ----
  // The navaid the search chose (never null; IsSet false when none).
  CNavPoint* GetNavaidSearchResult() { return &navaidSearch_; }
  void SetNavaidSearchResult(const CNavPoint& navaid) { navaidSearch_ = navaid; }
  // The navaid of that ident nearest the FMS position; false (and the
  // result emptied) when the database has none.
  bool SearchNavaid(const std::string& ident);

  // ---- Lifecycle ----
  // The saved state: the brightness ([FMS] "BrightnessControL" of the
  // aircraft INI file) and the alignment ([SIMDATA] "FMSAlignDone" of FMS.ini).
  void LoadState();
  void SaveState() const;
  // Once a tick.
  void Update(const FmsInputs& inputs);
  // ---- Active route ----
  // The ident of the active (executed) route's origin airport; empty without
  // an executed route or an origin.
  std::string GetActiveRouteOrigin() const;

  static constexpr double kNoHeading = -1.0;
  static constexpr double kNoPath = -999999999.0;
  static constexpr size_t kKeyLogSize = 64;

 private:
  void Dispatch(uint32_t keyCode);
  void RefreshScreen();
  CCduPage& Page() { return *pages_[static_cast<size_t>(currentPage_)]; }
  const CCduPage& Page() const { return *pages_[static_cast<size_t>(currentPage_)]; }

  // Sequencing, lateral guidance, predictions and the vertical profile on
  // the working route; the results go into guidance_ each tick.
  void ComputeGuidance(const FmsInputs& inputs);
  FmsFlightState FlightState(const FmsInputs& inputs);

  Guidance guidance_;
  bool guidanceSupplied_ = false;
  CRouteGuidance routeGuidance_;
  VnavPlan vnavPlan_;
  double lastPredictionS_ = -1.0;
  const CFlightPlan* predictedRoute_ = nullptr;
  const CLeg* predictedLeg_ = nullptr;
  bool routeComplete_ = false;
  double zuluRead_ = -1.0;
  double zuluReadAtS_ = 0.0;
  CFmsNav nav_;
  CNavDatabase database_;
  bool databaseLoaded_ = false;

  CScratchpad scratchpad_;
  CCduScreen screen_;
  std::array<std::unique_ptr<CCduPage>, static_cast<size_t>(CduPageId::Count)> pages_;
  CLegsPage* legsPage_ = nullptr;
  CduPageId currentPage_ = CduPageId::Menu;
  bool powered_ = false;

  double brightness_ = 1.0;
  double displayedBrightness_ = 0.0;
  double zfwLb_ = kUnsetValue;
  double fuelLb_ = kUnsetValue;
  std::array<FixInfo, 2> fixInfo_;
  CNavPoint navaidSearch_;
  uint32_t v1Kt_ = 0;
  int32_t vrKt_ = 0;
  uint32_t v2Kt_ = 0;
  std::vector<uint32_t> keysPressed_;
};

// The one FMS computer of the aircraft.
extern CFms g_fms;

// Start-up step: reads the FMS's saved state (the computer itself is built at load).
void InitFms();
// Once a tick: the aircraft's position and the panel power to the FMS.
void UpdateFms();
// Shut-down step: [FMS] "BrightnessControL" = the CDU brightness, "%f", and
// the alignment into FMS.ini.
void SaveFms();

}  // namespace halcyon
