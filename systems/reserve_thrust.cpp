// [ART] and the automatic reserve thrust's arm, monitor and trip.
#include "systems/reserve_thrust.h"

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "systems/thrust_rating.h"

namespace halcyon {

CSwitch g_artSwitch{};

namespace {

constexpr double kTakeoffThrustPct = 64.0;   // both above: the take-off run is on
constexpr double kBelowTakeoffPct = 58.0;    // both below: back to armed
constexpr double kTripSplitPct = 30.0;       // one this far behind the other trips it
// The flexible take-off rating does without reserve thrust.
constexpr int32_t kTrpModeWithoutArt = 2;

constexpr const wchar_t* kSection = L"ART";
constexpr SwitchKey kKeys[] = {{&g_artSwitch, L"art_switch", L"44"}};
const SavedControls kSavedControls{kSection, kKeys};

uint32_t g_artState = kArtOff;

bool IsFlexTakeoff() { return GetTrpMode() == kTrpModeWithoutArt; }

uint32_t NextState(uint32_t state) {
  const bool onGround = IsSimVar60Set() != 0;
  const bool flapsOut = ReadToken(Token::FlapHandle) != 0.0;
  const double engine1 = ReadToken(Token::Engine1N1Pct);
  const double engine2 = ReadToken(Token::Engine2N1Pct);
  switch (state) {
    case kArtOff:
      if (onGround && IsEngineRunning(1) != 0 && IsEngineRunning(2) != 0 && flapsOut && !IsFlexTakeoff()) {
        return kArtArmed;
      }
      return kArtOff;
    case kArtArmed:
      if (!onGround) return kArtOff;
      if (engine1 > kTakeoffThrustPct && engine2 > kTakeoffThrustPct) return kArtMonitoring;
      return kArtArmed;
    case kArtMonitoring:
      if (!flapsOut) return kArtOff;
      if (engine1 < kBelowTakeoffPct && engine2 < kBelowTakeoffPct && !IsFlexTakeoff()) return kArtArmed;
      if (engine1 < engine2 - kTripSplitPct || engine2 < engine1 - kTripSplitPct) return kArtTripped;
      return kArtMonitoring;
    default:
      return state;  // tripped until the switch or the rating ends it
  }
}

}  // namespace

void LoadArt() {
  LoadSwitches(kSection, kKeys);
  g_artState = kArtOff;
}

void SaveArt() { SaveSwitches(kSection, kKeys); }

void UpdateArt() {
  g_artState = NextState(g_artState);
  if (IsArtSwitchOff() != 0) g_artState = kArtOff;
  if (g_artState != kArtOff && IsFlexTakeoff()) g_artState = kArtOff;
}

void SetArtState(int32_t state) {
  if (state >= static_cast<int32_t>(kArtOff) && state <= static_cast<int32_t>(kArtTripped)) {
    g_artState = static_cast<uint32_t>(state);
  }
}

uint32_t GetArtState() { return g_artState; }
uint32_t IsArtSwitchOff() { return GetSwitch(&g_artSwitch) == kSwitchOff ? 1 : 0; }

}  // namespace halcyon
