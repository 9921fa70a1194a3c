// [IRS] of HalcyonPro.ini and the two units' test, alignment and modes.
#include "systems/irs.h"

#include <cmath>

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "displays/efis/efis_dimmer.h"
#include "fmc/fms.h"
#include "systems/dfgs.h"
#include "systems/electric.h"

namespace halcyon {

CSwitch g_irs1Selector{};
CSwitch g_irs2Selector{};
CSwitch g_irs1State{};
CSwitch g_irs2State{};

namespace {

constexpr const wchar_t* kSection = L"IRS";
constexpr SwitchKey kKeys[] = {
    {&g_irs1Selector, L"switch1", L"120"},
    {&g_irs2Selector, L"switch2", L"120"},
};
const SavedControls kSavedControls{kSection, kKeys};

// Alignment: 2700 ticks at the equator and 8100 more for each 70 degrees.
constexpr double kAlignBaseTicks = 2700.0;
constexpr double kAlignTicksPer70Deg = 8100.0;
// The vertical gyro switch position that gives attitude without an IRS.
constexpr int32_t kVerticalGyroStandby = 55;

struct IrsUnit {
  CSwitch* selector;
  CSwitch* state;
  double deadline;
};
IrsUnit g_units[2] = {{&g_irs1Selector, &g_irs1State, 0.0}, {&g_irs2Selector, &g_irs2State, 0.0}};

bool FastOption() { return GetOption(kOptionIrsFastStartRealign) != 0; }
bool IsOneOf(int32_t value, std::initializer_list<int32_t> set) {
  for (int32_t v : set) {
    if (v == value) return true;
  }
  return false;
}
bool SelectorOn(const IrsUnit& unit) { return IsOneOf(GetSwitch(unit.selector), {kIrsAlign, kIrsNav, kIrsAtt}); }
int32_t State(int32_t index) { return GetSwitch(g_units[index].state); }

void Fault(IrsUnit& unit, double now) {
  unit.deadline = now + kIrsFaultTicks;
  SetSwitch(unit.state, kIrsFault);
}

void StepUnit(IrsUnit& unit, double now, bool moving, bool still) {
  const bool fast = FastOption();
  const bool faults = moving && !fast;
  switch (GetSwitch(unit.state)) {
    case kIrsOff:
      if (SelectorOn(unit) && (still || fast)) {
        unit.deadline = now + (fast ? kIrsFastTicks : kIrsSelfTestTicks);
        SetSwitch(unit.state, kIrsSelfTest);
      }
      break;
    case kIrsSelfTest:
      if (faults) Fault(unit, now);
      if (unit.deadline < now) {
        unit.deadline = now + GetIrsAlignmentTicks();
        SetSwitch(unit.state, kIrsAlign);
      }
      break;
    case kIrsAlign:
    case kIrsAligned:
      if (faults) Fault(unit, now);
      if (unit.deadline < now) {
        const int32_t selector = GetSwitch(unit.selector);
        const bool modeSelected = selector == kIrsNav || selector == kIrsAtt;
        SetSwitch(unit.state, g_fms.IsFmsAlignDone() != 0 && modeSelected ? selector : kIrsAligned);
      }
      break;
    case kIrsFault:
      if (unit.deadline < now && SelectorOn(unit)) SetSwitch(unit.state, GetSwitch(unit.selector));
      break;
    default: break;
  }
  if (GetSwitch(unit.state) == kIrsNav && GetSwitch(unit.selector) == kIrsAtt) SetSwitch(unit.state, kIrsAtt);
}

void MoveSelector1(int32_t position) { HandleIrsSwitch(kIrsUnit1, position); }
void MoveSelector2(int32_t position) { HandleIrsSwitch(kIrsUnit2, position); }

// The selector's four positions: any other code would switch the unit off.
const char* SelectorRefusal(int32_t position) {
  if (IsOneOf(position, {kIrsAlign, kIrsNav, kIrsAtt, kIrsOff})) return nullptr;
  return "takes only the codes 113 ALIGN, 115 NAV, 116 ATT and 120 OFF";
}
void RefuseOtherSelectorCodes() {
  for (const SwitchKey& key : kKeys) RefuseControlPositions(kSection, key.key, SelectorRefusal);
}
const ControlsAtLoad kSelectorCodesAtLoad{RefuseOtherSelectorCodes};

}  // namespace

void LoadIrs() {
  LoadSwitches(kSection, kKeys);
  RegisterControl(kSection, L"switch1", &g_irs1Selector, MoveSelector1);
  RegisterControl(kSection, L"switch2", &g_irs2Selector, MoveSelector2);
  for (IrsUnit& unit : g_units) {
    SetSwitch(unit.state, GetSwitch(unit.selector));
    unit.deadline = 0.0;
  }
}

void SaveIrs() { SaveSwitches(kSection, kKeys); }

void UpdateIrs() {
  if (IsTickDue(kChannel1Hz) == 0) return;
  // Before the electrical system's first verdict "no power" means "not
  // known yet": a unit saved in NAV keeps NAV through start-up.
  if (IsFirstPowerVerdictDone() == 0) return;
  if (GetPowerState() == 0) {
    for (IrsUnit& unit : g_units) SetSwitch(unit.state, kIrsOff);
    g_fms.SetIrsAligning(0);
    return;
  }
  const double groundSpeed = ReadToken(Token::GroundSpeedMps);
  const double now = CurrentTick18();
  for (IrsUnit& unit : g_units) StepUnit(unit, now, groundSpeed > kIrsMovingAbove, groundSpeed < kIrsMovingAbove);
  bool aligning = false;
  for (int32_t i = 0; i < 2; ++i) aligning = aligning || IsOneOf(State(i), {kIrsAlign, kIrsAligned, kIrsNav});
  g_fms.SetIrsAligning(aligning ? 1 : 0);
}

void HandleIrsSwitch(int32_t unitId, int32_t position) {
  if (unitId != kIrsUnit1 && unitId != kIrsUnit2) return;
  IrsUnit& unit = g_units[unitId == kIrsUnit1 ? 0 : 1];
  if (position == kIrsAlign) {
    SetSwitch(unit.selector, kIrsAlign);
    if (GetSwitch(unit.state) != kIrsOff) {
      unit.deadline = CurrentTick18() + GetIrsAlignmentTicks();
      SetSwitch(unit.state, kIrsAlign);
    }
  } else if (position == kIrsNav || position == kIrsAtt) {
    SetSwitch(unit.selector, position);
  } else {
    SetSwitch(unit.selector, kIrsOff);
    SetSwitch(unit.state, kIrsOff);
  }
}

double GetIrsAlignmentTicks() {
  if (FastOption()) return kIrsFastTicks;
  const double latitudeDeg = std::fabs(ReadScaledToken(Token::Latitude));
  return latitudeDeg / 70.0 * kAlignTicksPer70Deg + kAlignBaseTicks;
}

int32_t GetIrsStatusPosition(int32_t unit) { return unit == 1 || unit == 2 ? State(unit - 1) : kIrsOff; }

uint32_t IsIrsAttitudeValid() {
  bool valid = false;
  switch (GetSwitch(&g_efisSourceSwitch)) {
    case kEfisSourceNormal:
      valid = IsOneOf(State(0), {kIrsAlign, kIrsAligned, kIrsNav, kIrsAtt}) ||
              IsOneOf(State(1), {kIrsAlign, kIrsAligned, kIrsNav, kIrsAtt});
      break;
    case kEfisSourceIrs1: valid = IsOneOf(State(0), {kIrsNav, kIrsAtt}); break;
    case kEfisSourceIrs2: valid = IsOneOf(State(1), {kIrsNav, kIrsAtt}); break;
    default: break;
  }
  if (!valid) valid = GetSwitch(&g_verticalGyroSwitch) == kVerticalGyroStandby;
  return valid ? 1 : 0;
}

uint32_t IsIrsHeadingValid() {
  switch (GetSwitch(&g_efisSourceSwitch)) {
    case kEfisSourceNormal:
      return IsOneOf(State(0), {kIrsAlign, kIrsAligned, kIrsNav}) || IsOneOf(State(1), {kIrsAlign, kIrsAligned, kIrsNav})
                 ? 1
                 : 0;
    case kEfisSourceIrs1: return IsOneOf(State(0), {kIrsAlign, kIrsAligned, kIrsNav}) ? 1 : 0;
    case kEfisSourceIrs2: return IsOneOf(State(1), {kIrsAlign, kIrsAligned, kIrsNav}) ? 1 : 0;
    default: return 0;
  }
}

uint32_t IsIrsNavValid() {
  switch (GetSwitch(&g_efisSourceSwitch)) {
    case kEfisSourceNormal:
    case kEfisSourceIrs1: return State(0) == kIrsNav ? 1 : 0;
    case kEfisSourceIrs2: return State(1) == kIrsNav ? 1 : 0;
    default: return 0;
  }
}

}  // namespace halcyon
