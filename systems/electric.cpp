// [ELECTRIC] of HalcyonPro.ini, the bus feeds, the power verdict, the CSDs and
// the battery.
#include "systems/electric.h"

#include <algorithm>
#include <array>

#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/apu.h"

namespace halcyon {

CSwitch g_gen1Switch{};
CSwitch g_gen2Switch{};
CSwitch g_apuGenSwitch{};
CSwitch g_apuBus1Switch{};
CSwitch g_apuBus2Switch{};
CSwitch g_externalPowerSwitch{};
CSwitch g_externalBus1Switch{};
CSwitch g_externalBus2Switch{};
CSwitch g_acBusTieSwitch{};
CSwitch g_dcBusTieSwitch{};
CSwitch g_galleyPowerSwitch{};
CSwitch g_meterSelector{};
CSwitch g_csdDisconnectGuard1{};
CSwitch g_csdDisconnectGuard2{};
CSwitch g_csdTempDisplaySwitch{};

namespace {

constexpr const wchar_t* kSection = L"ELECTRIC";

// Read in this order after the CSD guards are closed.
constexpr SwitchKey kLoadKeys[] = {
    {&g_gen1Switch, L"gen_1", L"41"},
    {&g_gen2Switch, L"gen_2", L"41"},
    {&g_apuGenSwitch, L"apu_gen", L"43"},
    {&g_apuBus1Switch, L"apu_bus_1_sw", L"120"},
    {&g_apuBus2Switch, L"apu_bus_2_sw", L"120"},
    {&g_externalPowerSwitch, L"ext_pwr_avaiL", L"45"},
    {&g_externalBus1Switch, L"ext_bus_1_sw", L"120"},
    {&g_externalBus2Switch, L"ext_bus_2_sw", L"120"},
    {&g_acBusTieSwitch, L"ac_bus_x_tie", L"44"},
    {&g_dcBusTieSwitch, L"dc_bus_x_tie", L"42"},
    {&g_galleyPowerSwitch, L"galley_pwr", L"120"},
    {&g_meterSelector, L"indicator_selector", L"1"},
};
const SavedControls kSavedLoadControls{kSection, kLoadKeys};
// Written in this order; the guards first.
constexpr SwitchKey kGuardKeys[] = {
    {&g_csdDisconnectGuard1, L"csd_disc_1", nullptr},
    {&g_csdDisconnectGuard2, L"csd_disc_2", nullptr},
};
const SavedControls kSavedGuardControls{kSection, kGuardKeys};

struct Side {
  CSwitch* generator;
  CSwitch* apuBus;
  CSwitch* externalBus;
};
constexpr Side kSides[2] = {
    {&g_gen1Switch, &g_apuBus1Switch, &g_externalBus1Switch},
    {&g_gen2Switch, &g_apuBus2Switch, &g_externalBus2Switch},
};

struct Csd {
  uint32_t disconnected;
  int32_t state;
  double tempDegC;
};
constexpr double kCsdRestDegC = 20.0;
constexpr double kCsdOperatingDegC = 120.0;

std::array<Csd, 2> g_csds{};
double g_batteryCharge = kBatteryFullCharge;
int32_t g_batteryChargeState = kBatteryDischarging;
std::array<int32_t, 2> g_powerSourceSlots{};
uint32_t g_powerSourceChanged = 0;
uint32_t g_panelPowered = 0;
int32_t g_powerState = kPowerNone;
uint32_t g_firstVerdictDone = 0;

bool IsSide(int32_t side) { return side == 0 || side == 1; }

// State 1 (warming) never replaces 2: a running CSD stays at temperature.
void SetCsdState(Csd& csd, int32_t state) {
  if (state < kCsdOff || state > kCsdCooling) return;
  if (state == kCsdWarming && csd.state == kCsdAtTemp) return;
  csd.state = state;
}

bool IsSideFed(int32_t side) {
  return IsGeneratorOnline(side) != 0 || IsApuFeedingBus(side) != 0 || IsExternalPowerFeedingBus(side) != 0;
}

bool AnySide(uint32_t (*test)(int32_t)) { return test(0) != 0 || test(1) != 0; }

int32_t CurrentPowerSource() {
  if (AnySide(IsGeneratorOnline)) return kSourceGenerator;
  if (AnySide(IsApuFeedingBus)) return kSourceApu;
  if (AnySide(IsExternalPowerFeedingBus)) return kSourceExternal;
  if (IsBatteryAvailable() != 0) return kSourceBattery;
  return kSourceNone;
}

void UpdatePowerSourceIndication() {
  g_powerSourceSlots[0] = CurrentPowerSource();
  g_powerSourceChanged = g_powerSourceSlots[0] != g_powerSourceSlots[1] ? 1 : 0;
  g_powerSourceSlots[1] = g_powerSourceSlots[0];
}

// The panel counts the AC tie as closed in any "on" position, not only at 44.
// A change of source darkens the panel for one second.
void ComputePanelPower() {
  bool left = IsSideFed(0);
  bool right = IsSideFed(1);
  if (IsSwitchOn(&g_acBusTieSwitch) && (left || right)) left = right = true;
  if (!left && !right && IsBatteryAvailable() == 0) {
    g_powerState = kPowerNone;
    g_panelPowered = 0;
  } else if (g_powerSourceChanged != 0) {
    g_powerState = kPowerTransfer;
    g_panelPowered = 0;
  } else {
    g_powerState = kPowerNormal;
    g_panelPowered = 1;
  }
  g_firstVerdictDone = 1;
}

void StartOrStopCsds() {
  for (int32_t side = 0; side < 2; ++side) {
    Csd& csd = g_csds[side];
    const bool running = IsEngineRunning(side + 1) != 0;
    if (running && csd.disconnected == 0 && csd.state == kCsdOff) SetCsdState(csd, kCsdWarming);
    if (!running && csd.state != kCsdOff) SetCsdState(csd, kCsdCooling);
  }
}

double WarmingStepDegC(double tempDegC) {
  if (tempDegC < 80.0) return 0.5;
  if (tempDegC < 110.0) return 0.3;
  return 0.1;
}

double CoolingStepDegC(double tempDegC) {
  if (tempDegC > 100.0) return 0.3;
  if (tempDegC > 60.0) return 0.5;
  return 0.2;
}

void UpdateCsdTemperatures() {
  const bool stepDue = IsTickDue(kChannel6Hz) != 0;
  for (Csd& csd : g_csds) {
    if (stepDue && csd.state == kCsdWarming && csd.tempDegC < kCsdOperatingDegC) {
      csd.tempDegC += WarmingStepDegC(csd.tempDegC);
    }
    if (stepDue && csd.state == kCsdCooling && csd.tempDegC > kCsdRestDegC) {
      csd.tempDegC -= CoolingStepDegC(csd.tempDegC);
    }
    if (csd.state == kCsdWarming && csd.tempDegC >= kCsdOperatingDegC) SetCsdState(csd, kCsdAtTemp);
    if (csd.state == kCsdCooling && csd.tempDegC <= kCsdRestDegC) SetCsdState(csd, kCsdOff);
  }
}

// While the battery switch is off the charge state stays as it was: a battery
// last seen discharging goes on draining.
void UpdateBattery() {
  if (IsBatterySwitchOn() != 0) {
    if (!AnySide(IsAcBusPowered)) {
      g_batteryChargeState = kBatteryDischarging;
    } else {
      g_batteryChargeState = g_batteryCharge >= kBatteryFullCharge ? kBatteryFull : kBatteryCharging;
    }
  }
  if (g_batteryChargeState == kBatteryDischarging && g_batteryCharge > 0.0) g_batteryCharge -= 1.0;
  if (g_batteryChargeState == kBatteryCharging && g_batteryCharge < kBatteryFullCharge) g_batteryCharge += 0.5;
}

// The simulator's masters follow the verdict: one toggle for each that disagrees.
void SyncSimulatorMasters() {
  struct Master {
    Token token;
    uint32_t toggle;
  };
  constexpr Master kMasters[] = {
      {Token::MasterBattery, kKeyEventToggleMasterBattery},
      {Token::MasterAlternator, kKeyEventToggleMasterAlternator},
      {Token::AvionicsMaster, kKeyEventToggleAvionicsMaster},
  };
  const bool wantOn = g_powerState != kPowerNone;
  for (const Master& master : kMasters) {
    const bool isOn = ReadToken(master.token) != 0.0;
    if (isOn != wantOn) TriggerKeyEvent(master.toggle, 0);
  }
}

}  // namespace

void LoadElectric() {
  for (const SwitchKey& guard : kGuardKeys) SetSwitch(guard.record, kCsdGuardClosed);
  SetSwitch(&g_csdTempDisplaySwitch, kSwitchOff);
  LoadSwitches(kSection, kLoadKeys);
  g_csds = {Csd{0, kCsdOff, kCsdRestDegC}, Csd{0, kCsdOff, kCsdRestDegC}};
  g_batteryCharge = kBatteryFullCharge;
  g_powerSourceSlots = {kSourceNone, kSourceNone};
  g_powerSourceChanged = 0;
}

namespace {

std::array<uint32_t, 2> g_apuOnBusLamp{};
std::array<uint32_t, 2> g_externalOnBusLamp{};

void UpdateBusLamps() {
  for (int32_t side = 0; side < 2; ++side) {
    const bool generator = IsGeneratorOnline(side) != 0;
    const bool apu = IsApuFeedingBus(side) != 0;
    g_apuOnBusLamp[side] = !generator && apu;
    g_externalOnBusLamp[side] = !generator && !apu && IsExternalPowerFeedingBus(side) != 0;
  }
}

}  // namespace

uint32_t IsApuOnBusLampOn(int32_t side) { return side == 0 || side == 1 ? g_apuOnBusLamp[side] : 0; }
uint32_t IsExternalOnBusLampOn(int32_t side) { return side == 0 || side == 1 ? g_externalOnBusLamp[side] : 0; }

void UpdateElectric() {
  const bool verdictDue = IsTickDue(kChannel1HzB) != 0;
  if (verdictDue) {
    UpdatePowerSourceIndication();
    ComputePanelPower();
    StartOrStopCsds();
  }
  UpdateCsdTemperatures();
  if (verdictDue) {
    UpdateBattery();
    SyncSimulatorMasters();
  }
  UpdateBusLamps();
}

void SaveElectric() {
  SaveSwitches(kSection, kGuardKeys);
  SaveSwitches(kSection, kLoadKeys);
}

uint32_t IsPanelPowered() { return g_panelPowered; }
uint32_t IsPowerState(uint32_t state) { return static_cast<uint32_t>(g_powerState) == state ? 1 : 0; }
int32_t GetPowerState() { return g_powerState; }
uint32_t IsFirstPowerVerdictDone() { return g_firstVerdictDone; }

uint32_t IsGeneratorOnline(int32_t side) {
  if (!IsSide(side)) return 0;
  return IsEngineRunning(side + 1) != 0 && g_csds[side].disconnected == 0 && IsSwitchOn(kSides[side].generator)
             ? 1
             : 0;
}

uint32_t IsApuFeedingBus(int32_t side) {
  if (!IsSide(side)) return 0;
  return IsSwitchOn(&g_apuGeneratorAvailable) && IsSwitchOn(&g_apuGenSwitch) && IsSwitchOn(kSides[side].apuBus)
             ? 1
             : 0;
}

uint32_t IsExternalPowerFeedingBus(int32_t side) {
  if (!IsSide(side)) return 0;
  return IsSwitchOn(&g_externalPowerSwitch) && IsSwitchOn(kSides[side].externalBus) ? 1 : 0;
}

// Unlike the panel's verdict, a bus takes the other side's generator only
// through a tie exactly at 44.
uint32_t IsAcBusPowered(int32_t side) {
  if (!IsSide(side)) return 0;
  if (IsSideFed(side)) return 1;
  return IsGeneratorOnline(1 - side) != 0 && GetSwitch(&g_acBusTieSwitch) == kAcBusTieClosed ? 1 : 0;
}

uint32_t IsExternalPowerConnected() { return GetSwitch(&g_externalPowerSwitch) == kExternalPowerAvailable ? 1 : 0; }

uint32_t IsBatteryAvailable() { return IsBatterySwitchOn() != 0 && g_batteryCharge > 0.0 ? 1 : 0; }

int32_t GetBatteryChargeState() { return g_batteryChargeState; }
double GetBatteryCharge() { return g_batteryCharge; }
void SetBatteryCharge(double charge) { g_batteryCharge = std::clamp(charge, 0.0, kBatteryFullCharge); }

int32_t GetPowerSourceIndication(int32_t slot) { return IsSide(slot) ? g_powerSourceSlots[slot] : 0; }

void DisconnectCsd(int32_t engine) {
  if (!IsSide(engine)) return;
  g_csds[engine].disconnected = 1;
  SetCsdState(g_csds[engine], kCsdCooling);
}

void ReconnectCsd(int32_t engine) {
  if (!IsSide(engine)) return;
  g_csds[engine].disconnected = 0;
  SetCsdState(g_csds[engine], kCsdOff);
}

uint32_t IsCsdConnected(int32_t engine) { return IsSide(engine) && g_csds[engine].disconnected == 0 ? 1 : 0; }

double GetCsdTemperature(int32_t engine) { return IsSide(engine) ? g_csds[engine].tempDegC : 0.0; }

}  // namespace halcyon
