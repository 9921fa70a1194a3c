// [EFIS SWITCHING] and [EFIS DIMMER] of HalcyonPro.ini, the EFIS test button
// and the decision height with its alert.
#include "displays/efis/efis_dimmer.h"

#include <algorithm>
#include <cmath>

#include "core/controls.h"
#include "core/helpers.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"

namespace halcyon {

CSwitch g_efisSourceSwitch{};

namespace {

constexpr const wchar_t* kSwitchingSection = L"EFIS SWITCHING";
constexpr const wchar_t* kDimmerSection = L"EFIS DIMMER";
constexpr SwitchKey kSwitchingKeys[] = {{&g_efisSourceSwitch, L"efis_switch", L"43"}};
const SavedControls kSavedControls{kSwitchingSection, kSwitchingKeys};

constexpr const wchar_t* kDimmerKeys[kEfisDimmerCount] = {L"pfd_dim", L"nd_dim", L"wx_dim"};
constexpr double kDimmerStep = 0.1;
constexpr double kAlertArmMarginFt = 100.0;

double g_efisDimmer[kEfisDimmerCount] = {};
CSwitch g_efisTestSwitch{};
double g_decisionHeightFt = kDecisionHeightUnsetFt;
uint32_t g_decisionHeightAlert = 0;

bool IsDimmer(int32_t n) { return n >= 0 && n < kEfisDimmerCount; }
double SnapToTenth(double v) { return std::round(v * 10.0) / 10.0; }

// The panel's knobs and the training situations move what has no saved
// record by its gauge's name: the dimmers in tenths, the decision height in
// feet, the test button by its position.
template <int32_t N>
void MoveDimmer(int32_t tenths) {
  SetEfisDimmer(N, tenths / 10.0);
}
void MoveDecisionHeight(int32_t feet) { SetDecisionHeight(feet); }
// Read back in the same units.
template <int32_t N>
int32_t ReadDimmer() {
  return static_cast<int32_t>(std::lround(GetEfisDimmer(N) * 10.0));
}
int32_t ReadDecisionHeight() { return static_cast<int32_t>(std::lround(GetDecisionHeight())); }
struct RegisterPanelMovers {
  RegisterPanelMovers() {
    constexpr ControlRange kTenths{0, 10};
    RegisterControl(kDimmerSection, L"pfd_dim", nullptr, MoveDimmer<kDimmerPfd>, ReadDimmer<kDimmerPfd>, kTenths);
    RegisterControl(kDimmerSection, L"nd_dim", nullptr, MoveDimmer<kDimmerNd>, ReadDimmer<kDimmerNd>, kTenths);
    RegisterControl(kDimmerSection, L"wx_dim", nullptr, MoveDimmer<kDimmerWeather>, ReadDimmer<kDimmerWeather>, kTenths);
    RegisterControl(kDimmerSection, L"decision_height", nullptr, MoveDecisionHeight, ReadDecisionHeight,
                    ControlRange{static_cast<int32_t>(kDecisionHeightUnsetFt), static_cast<int32_t>(kDecisionHeightMaxFt)});
    RegisterControl(kDimmerSection, L"test", &g_efisTestSwitch, SetEfisTestSwitch);
    RefuseControlPositions(kDimmerSection, L"test", [](int32_t position) -> const char* {
      if (position == kEfisTestPressed || position == kEfisTestReleased) return nullptr;
      return "takes only the codes 41 pressed and 120 released";
    });
  }
};
const RegisterPanelMovers kPanelMovers;

void StepDecisionHeight(double signedStepFt) {
  const double step = IsFastClick() != 0 ? signedStepFt * GetFastClickMultiplier() : signedStepFt;
  SetDecisionHeight(g_decisionHeightFt + step);
}

}  // namespace

void LoadEfisSwitching() { LoadSwitches(kSwitchingSection, kSwitchingKeys); }
void SaveEfisSwitching() { SaveSwitches(kSwitchingSection, kSwitchingKeys); }

void LoadEfisDimmer() {
  SetEfisTestSwitch(kEfisTestReleased);
  for (int32_t n = 0; n < kEfisDimmerCount; ++n) {
    g_efisDimmer[n] = 0.0;
    SetEfisDimmer(n, ReadIniReal(kDimmerSection, kDimmerKeys[n], L"0.0", kIniSwitchBuffer));
  }
  SetDecisionHeightAlert(0);
  g_decisionHeightFt = kDecisionHeightUnsetFt;
}

void SaveEfisDimmer() {
  for (int32_t n = 0; n < kEfisDimmerCount; ++n) WriteIniReal(kDimmerSection, kDimmerKeys[n], L"%f", g_efisDimmer[n]);
}

void SetEfisDimmer(int32_t n, double v) {
  if (IsDimmer(n) && v >= 0.0 && v <= 1.0) g_efisDimmer[n] = v;
}

// A step lands on the tenths: ten steps down from 1.0 reach 0 itself (not
// 1.4e-16), which darkens the screen and hands the other one the composite
// picture, and ten steps up reach 1.0 for the knob's last frame.
void TurnEfisDimmerUp(int32_t n) {
  if (!IsDimmer(n)) return;
  g_efisDimmer[n] = std::min(1.0, SnapToTenth(g_efisDimmer[n] + kDimmerStep));
}

void TurnEfisDimmerDown(int32_t n) {
  if (!IsDimmer(n)) return;
  g_efisDimmer[n] = std::max(0.0, SnapToTenth(g_efisDimmer[n] - kDimmerStep));
}

double GetEfisDimmer(int32_t n) { return IsDimmer(n) ? g_efisDimmer[n] : 0.0; }

void SetEfisTestSwitch(int32_t position) {
  if (position == kEfisTestPressed || position == kEfisTestReleased) SetSwitch(&g_efisTestSwitch, position);
}

uint32_t IsEfisTestActive() {
  return GetSwitch(&g_efisTestSwitch) == kEfisTestPressed && ReadToken(Token::OnGround) != 0.0 ? 1 : 0;
}

void SetDecisionHeight(double feet) {
  if (feet > kDecisionHeightMaxFt) feet = kDecisionHeightMaxFt;
  if (feet < kDecisionHeightUnsetFt) feet = kDecisionHeightUnsetFt;
  g_decisionHeightFt = feet;
}

double GetDecisionHeight() { return g_decisionHeightFt; }
void IncrementDecisionHeight() { StepDecisionHeight(1.0); }
void DecrementDecisionHeight() { StepDecisionHeight(-1.0); }
void SetDecisionHeightAlert(uint32_t value) { g_decisionHeightAlert = value; }
uint32_t GetDecisionHeightAlert() { return g_decisionHeightAlert; }

void UpdateDecisionHeightAlert() {
  if (IsTickDue(kChannel3Hz) == 0) return;
  const double radioHeightFt = ReadRadioAltitudeFt();
  if (g_decisionHeightFt + kAlertArmMarginFt < radioHeightFt) g_decisionHeightAlert = 1;
  if (g_decisionHeightFt > radioHeightFt && g_decisionHeightAlert == 1) g_decisionHeightAlert = 0;
  if (ReadToken(Token::OnGround) != 0.0) g_decisionHeightAlert = 0;
}

}  // namespace halcyon
