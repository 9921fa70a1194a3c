// [APU] of HalcyonPro.ini and the APU's start, run and shut-down.
#include "systems/apu.h"

#include <cmath>

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/electric.h"
#include "systems/fuel_pumps.h"
#include "systems/tas_sat.h"

namespace halcyon {

CSwitch g_apuFireAgent1Switch{};
CSwitch g_apuFireAgent2Switch{};
CSwitch g_apuAirSwitch{};
CSwitch g_apuDoorsSwitch{};
CSwitch g_apuFireControlSwitch{};
CSwitch g_apuMasterSwitch{};
CSwitch g_batterySwitch{};
CSwitch g_emergencyPowerSwitch{};
CSwitch g_emergencyPowerShadow{};
CSwitch g_apuGeneratorAvailable{};

namespace {

constexpr const wchar_t* kSection = L"APU";
constexpr const wchar_t* kStateKey = L"state";
constexpr SwitchKey kKeys[] = {
    {&g_apuFireAgent1Switch, L"fire_agent_1", L"120"},
    {&g_apuFireAgent2Switch, L"fire_agent_2", L"120"},
    {&g_apuAirSwitch, L"air_switch", L"120"},
    {&g_apuDoorsSwitch, L"doors_auto", L"120"},
    {&g_apuFireControlSwitch, L"fire_cont", L"43"},
    {&g_apuMasterSwitch, L"master", L"120"},
    {&g_batterySwitch, L"battery", L"120"},
    {&g_emergencyPowerSwitch, L"emergency_power", L"120"},
};
const SavedControls kSavedControls{kSection, kKeys};

constexpr double kLightOffDelayTicks = 144.0;
constexpr double kPeakEgtDegC = 620.0;
constexpr double kRunningEgtDegC = 360.0;
constexpr double kRunningRpmPct = 97.0;
constexpr double kStarterCutRpmPct = 45.0;
constexpr double kCoolingTicks = 1080.0;  // a minute at full speed before a normal stop
constexpr double kSpoolDownFraction = 0.00309;

struct Apu {
  int32_t state;
  double delayTicks;   // up to light-off during a start, down after the spool-down
  double egtDegC;
  double startEgtDegC;
  uint32_t peakReached;
  double rpmPct;
  double shutdownTick;  // TICK18 after which the spool-down begins
};
Apu g_apu{};

bool IsFuelAvailable() {
  constexpr int32_t kFeedingPumps[] = {kPumpFwdCenter, kPumpAftCenter, kPumpFwdRight, kPumpAftRight, kStartPump};
  for (int32_t pump : kFeedingPumps) {
    if (IsFuelPumpRunning(pump) != 0) return true;
  }
  return false;
}

bool IsPowerAvailable() { return IsAcBusPowered(0) != 0 || IsAcBusPowered(1) != 0 || IsBatteryAvailable() != 0; }

void SetRunningAtOnce() {
  g_apu.delayTicks = kLightOffDelayTicks;
  g_apu.egtDegC = kRunningEgtDegC;
  g_apu.peakReached = 1;
  g_apu.startEgtDegC = GetOutsideAirTempDegC();
  g_apu.rpmPct = kRunningRpmPct;
  g_apu.state = kApuRunning;
  SetSwitch(&g_apuGeneratorAvailable, kApuGeneratorIsAvailable);
}

// A bad outside temperature from the simulator would leave the EGT NaN, and
// a start from there would never reach its peak: the EGT starts at 0 instead.
void SetColdAndStill() {
  const double outsideDegC = GetOutsideAirTempDegC();
  g_apu.delayTicks = 0.0;
  g_apu.egtDegC = g_apu.startEgtDegC = std::isfinite(outsideDegC) ? outsideDegC : 0.0;
  g_apu.peakReached = 0;
  g_apu.rpmPct = 0.0;
  SetSwitch(&g_apuGeneratorAvailable, kSwitchOff);
}

void SpinDown() {
  if (g_apu.rpmPct > 0.0) g_apu.rpmPct -= g_apu.rpmPct * kSpoolDownFraction;
}

// Before light-off the delay counts up; then the EGT rises to its peak while
// the starter spins the APU to 45 %, and falls back to 360 as it spools up to 97 %.
void StepStart() {
  if (!IsFuelAvailable() || !IsPowerAvailable()) {
    RequestApuState(kApuShuttingDown);
    return;
  }
  if (g_apu.delayTicks < kLightOffDelayTicks) g_apu.delayTicks += 1.0;
  if (g_apu.delayTicks < kLightOffDelayTicks) return;
  if (g_apu.peakReached == 0 && g_apu.egtDegC < kPeakEgtDegC) {
    g_apu.egtDegC += (kPeakEgtDegC - g_apu.startEgtDegC) / 450.0;
    if (g_apu.egtDegC >= kPeakEgtDegC) g_apu.peakReached = 1;
  }
  if (g_apu.peakReached != 0 && g_apu.egtDegC > kRunningEgtDegC && g_apu.rpmPct > kStarterCutRpmPct) {
    g_apu.egtDegC -= 1.4444;
  }
  if (g_apu.rpmPct < kStarterCutRpmPct) {
    g_apu.rpmPct += 0.1;
  } else if (g_apu.rpmPct <= 100.0) {
    // slow near 45 and 100 %, fastest near 72.5 %
    g_apu.rpmPct += 0.1 + std::sin((g_apu.rpmPct - kStarterCutRpmPct) * 0.0571);
  }
  if (g_apu.rpmPct >= kRunningRpmPct && g_apu.peakReached != 0 && g_apu.egtDegC <= kRunningEgtDegC) {
    RequestApuState(kApuRunning);
  }
}

double ShutdownCoolingDegC(double egtDegC) {
  if (egtDegC > kRunningEgtDegC) return 1.4444;
  if (egtDegC > 200.0) return 0.6667;
  return 0.0463;
}

void StepShutdown() {
  if (!(CurrentTick18() > g_apu.shutdownTick)) return;
  if (g_apu.egtDegC > GetOutsideAirTempDegC()) g_apu.egtDegC -= ShutdownCoolingDegC(g_apu.egtDegC);
  SpinDown();
  if (g_apu.rpmPct > 10.0) return;
  if (g_apu.delayTicks > 0.0) g_apu.delayTicks -= 1.0;
  if (g_apu.delayTicks <= 0.0) RequestApuState(kApuOff);
}

void StepOff() {
  if (g_apu.egtDegC > GetOutsideAirTempDegC()) g_apu.egtDegC -= 0.0463;
  SpinDown();
}

// The generator drops off line at once; the spool-down waits for shutdownTick.
void EnterShutdown() {
  SetSwitch(&g_apuGeneratorAvailable, kSwitchOff);
  g_apu.state = kApuShuttingDown;
  g_apu.peakReached = 0;
}

bool IsStartingOrRunning() { return g_apu.state == kApuStarting || g_apu.state == kApuRunning; }
bool IsOffOrStopping() { return g_apu.state == kApuOff || g_apu.state == kApuShuttingDown; }

// The simulator's own APU and APU generator follow ours.
void SyncSimulatorApu() {
  const double simulatorRpm = ReadToken(Token::ApuRpmFraction);
  if (simulatorRpm > 0.99 && IsOffOrStopping()) {
    TriggerKeyEvent(kKeyEventApuOff, 0);
  } else if (simulatorRpm < 0.01 && IsStartingOrRunning()) {
    TriggerKeyEvent(kKeyEventApuStarter, 0);
  }
  const bool simulatorGeneratorOn = ReadToken(Token::ApuGeneratorSwitch) != 0.0;
  if (simulatorGeneratorOn ? IsOffOrStopping() : IsStartingOrRunning()) {
    TriggerKeyEvent(kKeyEventToggleApuGenerator, 0);
  }
}

}  // namespace

void RequestApuState(int32_t state) {
  switch (state) {
    case kApuOff:
      g_apu.state = kApuOff;
      break;
    case kApuStarting:
      if (g_apu.state != kApuOff || !IsFuelAvailable() || !IsPowerAvailable()) return;
      g_apu.state = kApuStarting;
      g_apu.startEgtDegC = g_apu.egtDegC;
      break;
    case kApuRunning:
      SetSwitch(&g_apuGeneratorAvailable, kApuGeneratorIsAvailable);
      g_apu.state = kApuRunning;
      break;
    case kApuShuttingDown:
      // A start in progress with fuel and power goes on.
      if (g_apu.state == kApuShuttingDown) return;
      if (g_apu.state == kApuStarting && IsFuelAvailable() && IsPowerAvailable()) return;
      if (g_apu.state == kApuRunning) g_apu.shutdownTick = CurrentTick18() + kCoolingTicks;
      EnterShutdown();
      break;
    case kApuRunAtOnce:
      SetRunningAtOnce();
      break;
    default:
      break;
  }
}

void MoveApuMaster(int32_t position) {
  SetSwitch(&g_apuMasterSwitch, position);
  if (GetSwitch(&g_apuMasterSwitch) == kApuMasterStart && GetSwitch(&g_apuFireControlSwitch) == kApuFireControlNormal) {
    RequestApuState(kApuStarting);
  }
}

// A saved start cannot resume: the fuel pumps load after the APU, so a
// request to start finds no fuel and the APU loads off.
void LoadApu() {
  LoadSwitches(kSection, kKeys);
  RegisterControl(kSection, L"master", &g_apuMasterSwitch, MoveApuMaster);
  const int32_t emergency = GetSwitch(&g_emergencyPowerSwitch);
  if (emergency != kSwitchOn && emergency != kSwitchOff) SetSwitch(&g_emergencyPowerSwitch, kSwitchOff);
  SetSwitch(&g_emergencyPowerShadow, GetSwitch(&g_emergencyPowerSwitch));
  RequestApuState(ReadIniInt(kSection, kStateKey, L"0", kIniSwitchBuffer));
  if (g_apu.state == kApuRunning) {
    SetRunningAtOnce();
  } else {
    SetColdAndStill();
  }
}

void UpdateApu() {
  // The battery switch cuts a starting or running APU at once, without the cooling minute.
  if (IsBatterySwitchOn() == 0 && g_apu.state != kApuShuttingDown && g_apu.state != kApuOff) {
    g_apu.shutdownTick = CurrentTick18();
    EnterShutdown();
  }
  switch (g_apu.state) {
    case kApuOff: StepOff(); break;
    case kApuStarting: StepStart(); break;
    case kApuShuttingDown: StepShutdown(); break;
    default: break;
  }
  if (g_apu.state == kApuRunning && GetSwitch(&g_apuMasterSwitch) == kSwitchOff) RequestApuState(kApuShuttingDown);
  if (IsTickDue(kChannel10s) != 0) SyncSimulatorApu();
}

void SaveApu() {
  SaveSwitches(kSection, kKeys);
  WriteIniInt(kSection, kStateKey, GetApuState());
}

int32_t GetApuState() { return g_apu.state; }
double GetApuRpm() { return g_apu.rpmPct; }
double GetApuEgt() { return g_apu.egtDegC; }
uint32_t IsBatterySwitchOn() { return IsSwitchOn(&g_batterySwitch) ? 1 : 0; }
uint32_t IsApuAirOn() { return g_apu.state == kApuRunning && GetSwitch(&g_apuAirSwitch) != kSwitchOff ? 1 : 0; }

}  // namespace halcyon
