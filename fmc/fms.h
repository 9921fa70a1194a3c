// The flight management computer as the rest of the cockpit sees it: the one
// object `g_fms`, built when the module loads and destroyed when it unloads,
// and its lifecycle steps. It owns the navigation state (routes and the FMS
// position), the navigation database, and the CDU: the key dispatcher, the
// scratchpad and message stack, the pages and the screen grid they write,
// the brightness and the annunciators. It reads the aircraft's position and
// the panel power once a tick (UpdateFms).
//
// The guidance queries answer what SetGuidance last gave ("no FMS guidance"
// at start-up: no lateral command, no vertical path, no VNAV phase) until
// the FMS computes its own guidance.
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

namespace halcyon {

class CLegsPage;

// The FMS state file in the aircraft folder.
inline constexpr const wchar_t* kFmsIni = L".\\SimObjects\\Airplanes\\QZ Halcyon Pro\\FMS.ini";

// What the FMS reads of the aircraft once a tick.
struct FmsInputs {
  bool panelPowered = false;
  CLatLon aircraftPosition;  // west positive
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
  // Until the FMS computes its guidance it answers what was last set here:
  // "no guidance" at start-up. The test bed sets other answers to fly LNAV and VNAV.
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
  void SetGuidance(const Guidance& guidance) { guidance_ = guidance; }
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

  // ---- What the map display shows of the FIX INFO and NAV DATA pages ----
  // Until those pages compute them these answer what was last set here: no
  // fix entered and no navaid found at start-up.
  struct FixInfo {
    CLatLon position;                 // the fix; unset while none is entered
    double radialMagDeg[4] = {kUnsetValue, kUnsetValue, kUnsetValue, kUnsetValue};  // lines 1..4
    CLatLon line4Position;            // what line 4 places; unset when nothing
  };
  // Fix n: 1 the first, any other value the second.
  void SetFixInfo(int32_t n, const FixInfo& info) { fixInfo_[FixInfoSlot(n)] = info; }
  const CLatLon* GetFixInfoPosition(int32_t n) const { return &fixInfo_[FixInfoSlot(n)].position; }
  // The radial of line k (1..4) of fix n (1 or 2), degrees magnetic;
  // kUnsetValue for an empty line or n or k out of range.
  double GetFixInfoLineValue(int32_t n, uint32_t k) const {
    if ((n != 1 && n != 2) || k < 1 || k > 4) return kUnsetValue;
    return fixInfo_[n - 1].radialMagDeg[k - 1];
  }
  // Null when line 4 of fix n places nothing.
  const CLatLon* GetFixInfoLine4Position(int32_t n) const {
    const CLatLon& p = fixInfo_[FixInfoSlot(n)].line4Position;
    return p.IsValid() ? &p : nullptr;
  }
  // The navaid the radio navaid search chose; a record that is not set when none.
  void SetNavaidSearchResult(const CNavPoint& navaid) { navaidSearch_ = navaid; }
  const CNavPoint* GetNavaidSearchResult() const { return &navaidSearch_; }

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

  Guidance guidance_;
  static size_t FixInfoSlot(int32_t n) { return n == 1 ? 0 : 1; }
  std::array<FixInfo, 2> fixInfo_;
  CNavPoint navaidSearch_;
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
