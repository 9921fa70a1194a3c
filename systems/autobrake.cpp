// [AUTOBRAKE] of HalcyonPro.ini and the autobrake's arming and disarming.
#include "systems/autobrake.h"

#include "core/controls.h"
#include "core/helpers.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/warning_lights.h"

namespace halcyon {

CSwitch g_autobrakeArmSwitch{};
CSwitch g_autobrakeModeSelector{};

namespace {

constexpr const wchar_t* kSection = L"AUTOBRAKE";
constexpr SwitchKey kKeys[] = {
    {&g_autobrakeArmSwitch, L"arm", L"128"},
    {&g_autobrakeModeSelector, L"mode", L"2"},
};
const SavedControls kSavedControls{kSection, kKeys};

// The simulator's setting each mode selector position asks for when armed
// (positions 1..5); disarmed, the setting goes to 1.
constexpr int32_t kSettingByMode[] = {0, 1, 3, 4, 5};
constexpr int32_t kSettingDisarmed = 1;
constexpr int32_t kNoSetting = -1;

uint32_t g_active = 0;

int32_t WantedSetting() {
  if (GetSwitch(&g_autobrakeArmSwitch) != kAutobrakeArmed) return kSettingDisarmed;
  const int32_t mode = GetSwitch(&g_autobrakeModeSelector);
  return mode >= 1 && mode <= 5 ? kSettingByMode[mode - 1] : kNoSetting;
}

// One notch a second toward the setting wanted.
void StepSimulatorSetting(int32_t setting) {
  if (IsTickDue(kChannel1HzB) == 0) return;
  const int32_t wanted = WantedSetting();
  if (wanted == kNoSetting) return;
  if (setting < wanted) TriggerKeyEvent(kKeyEventAutobrakeUp, 0);
  if (setting > wanted) TriggerKeyEvent(kKeyEventAutobrakeDown, 0);
}

void UpdateDisarmLamp() {
  const int32_t arm = GetSwitch(&g_autobrakeArmSwitch);
  const int32_t mode = GetSwitch(&g_autobrakeModeSelector);
  const int32_t lamp = GetSwitch(&g_absLight);
  if (arm == kAutobrakeDisarmed && mode != kAutobrakeModeOff && lamp == kSwitchOff) {
    SetSwitch(&g_absLight, kSwitchOn);
  } else if ((mode == kAutobrakeModeOff || arm == kAutobrakeArmed) && lamp == kSwitchOn) {
    SetSwitch(&g_absLight, kSwitchOff);
  }
}

}  // namespace

void LoadAutobrake() {
  LoadSwitches(kSection, kKeys);
  g_active = 0;
}

void UpdateAutobrake() {
  StepSimulatorSetting(TruncateSaturated<int32_t>(ReadToken(Token::AutobrakeSetting)));
  UpdateDisarmLamp();
  if (IsTickDue(kChannel2Hz) == 0) return;
  const double airspeedKt = ReadToken(Token::IndicatedAirspeedKt);
  if (airspeedKt > kAutobrakeActiveAboveKt) g_active = 1;
  if (airspeedKt < kAutobrakeInactiveBelowKt) g_active = 0;
  DisarmAutobrakeOnPedal(0);
}

void SaveAutobrake() { SaveSwitches(kSection, kKeys); }

void DisarmAutobrakeOnPedal(uint8_t forced) {
  if (g_active == 0 || ReadToken(Token::BrakeValue) == 0.0 || ReadToken(Token::OnGround) == 0.0) return;
  const bool thrust = ReadToken(Token::Engine1Throttle) > kAutobrakeDisarmThrottleAbove ||
                      ReadToken(Token::Engine2Throttle) > kAutobrakeDisarmThrottleAbove;
  const bool slow = ReadToken(Token::IndicatedAirspeedKt) < kAutobrakeDisarmBelowKt;
  if (thrust || slow || forced != 0) SetSwitch(&g_autobrakeArmSwitch, kAutobrakeDisarmed);
}

uint32_t IsAutobrakeActive() { return g_active; }

}  // namespace halcyon
