// The flight management computer as the rest of the cockpit sees it: the one
// object `g_fms`, built when the module loads and destroyed when it unloads,
// and its lifecycle steps. Until the navigation core is in, the guidance
// queries answer what SetGuidance last gave ("no FMS guidance" at start-up:
// no lateral command, no vertical path, no VNAV phase) and the CDU keys are
// only recorded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace halcyon {

class CFms {
 public:
  // Built by static construction before the simulator calls the module. It
  // reads no files: the module can be loaded before the aircraft folder is
  // the working folder, so files are read at start-up or on first use.
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

  // ---- IRS alignment ----
  uint8_t IsFmsAlignDone() const { return alignDone_; }
  // Aligning with a valid IRS position sets align-done; not aligning clears it
  // and drops the IRS position. There is no IRS position yet, so align-done
  // stays clear.
  void SetIrsAligning(uint8_t on);

  // ---- CDU ----
  // One CDU key code (0..69); the latest kKeyLogSize codes are kept.
  void KeyPressed(uint32_t keyCode);
  const std::vector<uint32_t>& KeysPressed() const { return keysPressed_; }
  double GetBrightness() const { return brightness_; }      // 0..1

  // ---- Take-off speeds of the TAKEOFF REF page, whole knots ----
  void SetTakeoffSpeeds(uint32_t v1Kt, int32_t vrKt, uint32_t v2Kt);
  uint32_t GetV1() const { return v1Kt_; }
  int32_t GetVr() const { return vrKt_; }
  uint32_t GetV2() const { return v2Kt_; }

  // ---- Active route ----
  // The ident of the active route's origin airport; empty without a
  // navigation state, an active route or an origin. No route is held here
  // yet, so it is empty for now.
  std::string GetActiveRouteOrigin() const { return {}; }

  static constexpr double kNoHeading = -1.0;
  static constexpr double kNoPath = -999999999.0;
  static constexpr size_t kKeyLogSize = 64;

 private:
  Guidance guidance_;
  uint8_t irsAligning_ = 0;
  uint8_t alignDone_ = 0;
  double brightness_ = 1.0;
  uint32_t v1Kt_ = 0;
  int32_t vrKt_ = 0;
  uint32_t v2Kt_ = 0;
  std::vector<uint32_t> keysPressed_;
};

// The one FMS computer of the aircraft.
extern CFms g_fms;

// Start-up step: nothing to do, the computer is built at load.
void InitFms();
// Shut-down step: [FMS] "BrightnessControL" = the CDU brightness, "%f".
void SaveFms();

}  // namespace halcyon
