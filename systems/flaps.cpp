// [FLAPS] and [SLATS] of HalcyonPro.ini: the flap handle follow, the
// auto-slat light and the auto-slat check.
#include "systems/flaps.h"

#include <cstdlib>
#include <iterator>

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/cabin_press.h"
#include "systems/levers.h"

namespace halcyon {

CSwitch g_flapLever{};
CSwitch g_autoSlatLight{};
CSwitch g_autoSlatCheck{};

namespace {

constexpr const wchar_t* kFlapsSection = L"FLAPS";
constexpr const wchar_t* kSlatsSection = L"SLATS";
constexpr SwitchKey kFlapsKeys[] = {{&g_flapLever, L"lever", L"1"}};
constexpr SwitchKey kSlatsKeys[] = {{&g_autoSlatLight, L"auto_slat_light", L"120"}};
const SavedControls kFlapsControls{kFlapsSection, kFlapsKeys};
const SavedControls kSlatsControls{kSlatsSection, kSlatsKeys};

// The handle's image frame at each detent of the simulator's flap handle.
constexpr int32_t kDetentFrames[] = {0, 10, 15, 20, 27, 35};
constexpr int32_t kDetentCount = static_cast<int32_t>(std::size(kDetentFrames));
static_assert(kDetentCount == kFlapDetentCount, "a frame for each detent");
constexpr int32_t kLastDetentFrame = 35;

// Runs 0..4 walk one segment down the quadrant (detent d to d + 1), runs 5..9
// one segment back (detent 5 - k to 4 - k); the first frame of each is the
// one after its start.
AnimatedLever g_flapAnimation{&g_flapLever,
                              {{1, 10}, {11, 15}, {16, 20}, {21, 27}, {28, 35},
                               {34, 27}, {26, 20}, {19, 15}, {14, 10}, {9, 0}},
                              10};
constexpr int32_t kFirstRunBack = 5;

uint32_t g_autoSlatCheckPending = 0;

// The detent whose frame the lever stands on; -1 between detents.
int32_t DetentOfFrame(int32_t frame) {
  for (int32_t detent = 0; detent < kDetentCount; ++detent) {
    if (kDetentFrames[detent] == frame) return detent;
  }
  return -1;
}

// The flap lever moved as the Flapsbox gauge's clicks move it: the
// simulator's flap handle a detent a click toward the detent whose frame is
// asked; the lever follows the handle frame by frame and the flaps travel.
void MoveFlapLever(int32_t frame) {
  const int32_t detent = DetentOfFrame(frame);
  if (detent < 0) return;
  const int32_t detents = detent - static_cast<int32_t>(GetFlapPosition());
  for (int32_t i = 0; i < std::abs(detents); ++i) TriggerKeyEvent(detents > 0 ? kKeyEventFlapsDown : kKeyEventFlapsUp, 0);
}

const char* FlapLeverRefusal(int32_t frame) {
  if (DetentOfFrame(frame) >= 0) return nullptr;
  return "stands only at a flap detent's frame, 0, 10, 15, 20, 27 or 35 (it follows the simulator's flap handle)";
}

void RegisterFlapControls() {
  RegisterControl(kFlapsSection, L"lever", &g_flapLever, MoveFlapLever);
  RefuseControlPositions(kFlapsSection, L"lever", FlapLeverRefusal);
  RefuseControlPositions(kSlatsSection, L"auto_slat_light",
                         [](int32_t) -> const char* { return "is a light the slat system sets; it cannot be moved"; });
}
const ControlsAtLoad kFlapControlsAtLoad{RegisterFlapControls};

void FollowFlapHandle() {
  if (IsTickDue(kChannel6Hz) == 0) return;
  const int32_t wanted = static_cast<int32_t>(GetFlapPosition());
  const int32_t frame = GetSwitch(&g_flapLever);
  if (wanted == kDetentCount - 1 && frame >= kLastDetentFrame) return;
  const int32_t detent = DetentOfFrame(frame);
  if (detent < 0) {
    SetSwitch(&g_flapLever, kDetentFrames[wanted]);
  } else if (wanted > detent) {
    HandleLever(&g_flapAnimation, 0, detent);
  } else if (wanted < detent) {
    HandleLever(&g_flapAnimation, 0, kFirstRunBack + (kDetentCount - 1 - detent));
  }
}

void UpdateAutoSlatLight() {
  const bool slatCondition = ReadToken(Token::StallWarning) != 0.0;
  const double airspeedKt = ReadToken(Token::IndicatedAirspeedKt);
  const uint32_t detent = GetFlapPosition();
  const int32_t light = GetSwitch(&g_autoSlatLight);
  if (slatCondition && airspeedKt > kAutoSlatAboveKt && light == kSwitchOff && detent >= 1 && detent <= 3) {
    TriggerKeyEvent(kKeyEventAutoSlatOn, 0);
    SetSwitch(&g_autoSlatLight, kSwitchOn);
  } else if (!slatCondition && light == kSwitchOn) {
    SetSwitch(&g_autoSlatLight, kSwitchOff);
    TriggerKeyEvent(kKeyEventAutoSlatOff, 0);
  }
}

// Armed by the flaps standing up on the ground; runs once they leave.
void UpdateAutoSlatCheck() {
  const uint32_t detent = GetFlapPosition();
  if (g_autoSlatCheckPending != 0 && detent != 0) {
    SetSwitch(&g_autoSlatCheck, kAutoSlatCheckWaiting);
    g_autoSlatCheckPending = 0;
  } else if (g_autoSlatCheckPending == 0 && IsSimVar60Set() != 0 && detent == 0) {
    g_autoSlatCheckPending = 1;
  }
  UpdateTimedSwitch(&g_autoSlatCheck, kAutoSlatCheckWaiting, kAutoSlatCheckLit);
  UpdateTimedSwitch(&g_autoSlatCheck, kAutoSlatCheckLit, kSwitchOff);
}

}  // namespace

uint32_t GetFlapPosition() { return FlapDetentOfHandle(ReadToken(Token::FlapHandle)); }

int32_t FlapDetentFrame(uint32_t detent) {
  return detent < std::size(kDetentFrames) ? kDetentFrames[detent] : kDetentFrames[0];
}

void LoadFlaps() {
  LoadSwitches(kFlapsSection, kFlapsKeys);
  InitLever(&g_flapAnimation, 1.0);
  InitCabinLevers();
}

void UpdateFlaps() {
  FollowFlapHandle();
  StepLever(&g_flapAnimation);
  StepCabinManualLever();
  StepCabinRateWheel();
}

void SaveFlaps() { SaveSwitches(kFlapsSection, kFlapsKeys); }

void LoadSlats() {
  LoadSwitches(kSlatsSection, kSlatsKeys);
  SetSwitch(&g_autoSlatCheck, kSwitchOff);
  InitTimedSwitch(&g_autoSlatCheck, kAutoSlatCheckTicks);
  g_autoSlatCheckPending = 0;
}

void UpdateSlats() {
  if (IsTickDue(kChannel2Hz) == 0) return;
  UpdateAutoSlatLight();
  UpdateAutoSlatCheck();
}

void SaveSlats() { SaveSwitches(kSlatsSection, kSlatsKeys); }

bool IsAutoSlatLampLit() {
  return GetSwitch(&g_autoSlatLight) == kSwitchOn || GetSwitch(&g_autoSlatCheck) == kAutoSlatCheckLit;
}

}  // namespace halcyon
