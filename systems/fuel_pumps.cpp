// [FUEL PUMPS] of HalcyonPro.ini, tank feed and fuel temperature.
#include "systems/fuel_pumps.h"

#include <array>
#include <cmath>

#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/electric.h"
#include "systems/engine_start.h"
#include "systems/fuel_quantity.h"
#include "systems/levers.h"
#include "systems/tas_sat.h"
#include "systems/unit_system.h"

namespace halcyon {

CSwitch g_fuelPumpSwitches[kBoostPumpCount]{};

namespace {

constexpr const wchar_t* kSection = L"FUEL PUMPS";
constexpr SwitchKey kKeys[kBoostPumpCount] = {
    {&g_fuelPumpSwitches[kPumpFwdLeft], L"fwd_left", L"120"},
    {&g_fuelPumpSwitches[kPumpFwdCenter], L"fwd_center", L"120"},
    {&g_fuelPumpSwitches[kPumpFwdRight], L"fwd_right", L"120"},
    {&g_fuelPumpSwitches[kPumpAftLeft], L"aft_left", L"120"},
    {&g_fuelPumpSwitches[kPumpAftCenter], L"aft_center", L"120"},
    {&g_fuelPumpSwitches[kPumpAftRight], L"aft_right", L"120"},
};
const SavedControls kSavedControls{kSection, kKeys};
// The AC bus (0 = bus 1) of each boost pump; the buses are crossed so that one
// bus lost leaves a pump in every tank.
constexpr int32_t kPumpBus[kBoostPumpCount] = {1, 0, 0, 0, 1, 1};

// A tank counts as having fuel above this.
constexpr double kUsableFuelLb = 25.0;

// Which tanks feed: worked out from the pumps, then turned into selectors.
struct TankFeed {
  bool left;
  bool center;
  bool right;
};

// One engine's selector, described from its own side: engine 1's own tank is
// the left one, engine 2's the right one.
struct EngineSelector {
  Token token;
  uint32_t eventBase;
  int32_t ownTank;
  int32_t farTank;
  TankSelector ownSelector;
  TankSelector farSelector;
};
constexpr EngineSelector kEngineSelectors[2] = {
    {Token::Engine1FuelSelector, kKeyEventEngine1SelectorBase, kTankLeft, kTankRight, kSelectLeft, kSelectRight},
    {Token::Engine2FuelSelector, kKeyEventEngine2SelectorBase, kTankRight, kTankLeft, kSelectRight, kSelectLeft},
};

struct FuelTemp {
  double baseDegC;
  double heatOffsetDegC;
};
std::array<FuelTemp, 2> g_fuelTemps{};

bool HasFuel(int32_t tank) { return GetFuelQuantityValue(tank) > kUsableFuelLb; }
bool Runs(int32_t pump) { return IsFuelPumpRunning(pump) != 0; }

TankFeed ComputeTankFeed() {
  const bool fwdCenter = Runs(kPumpFwdCenter);
  const bool aftCenter = Runs(kPumpAftCenter);
  const bool anyLeft = Runs(kPumpFwdLeft) || Runs(kPumpAftLeft);
  const bool anyRight = Runs(kPumpFwdRight) || Runs(kPumpAftRight) || Runs(kStartPump);
  const bool centerHasFuel = HasFuel(kTankCenter);
  TankFeed feed{};
  if (fwdCenter && aftCenter && centerHasFuel) {
    feed.center = true;
  } else if (fwdCenter != aftCenter) {
    // One centre pump: it feeds a side whose own pumps are off, while it has fuel.
    if (!anyLeft) (centerHasFuel ? feed.center : feed.left) = true;
    if (!anyRight) (centerHasFuel ? feed.center : feed.right) = true;
  } else {
    feed.left = anyLeft;
    feed.right = anyRight;
  }
  return feed;
}

bool Feeds(const TankFeed& feed, int32_t tank) {
  return tank == kTankLeft ? feed.left : tank == kTankRight ? feed.right : feed.center;
}

// The first rule that holds; the far tank only through an open FUEL XFEED.
TankSelector WantedSelector(const EngineSelector& engine, const TankFeed& feed) {
  const bool own = Feeds(feed, engine.ownTank);
  const bool far = Feeds(feed, engine.farTank);
  const bool xfeedOpen = GetSwitch(&g_fuelXFeedLever) == kFuelXFeedLeverOpen;
  if (!feed.left && !feed.center && !feed.right) return engine.ownSelector;
  if (feed.center && !own && HasFuel(kTankCenter)) return kSelectCenter;
  if (far && !own && !feed.center && xfeedOpen && HasFuel(engine.farTank)) return engine.farSelector;
  if (own && far && !feed.center && xfeedOpen && HasFuel(engine.farTank)) return kSelectAll;
  return engine.ownSelector;
}

void SetSimulatorSelectors() {
  const TankFeed feed = ComputeTankFeed();
  for (const EngineSelector& engine : kEngineSelectors) {
    const TankSelector wanted = WantedSelector(engine, feed);
    if (ReadToken(engine.token) == static_cast<double>(wanted)) continue;
    TriggerKeyEvent(engine.eventBase + wanted, 0);
    TriggerKeyEvent(wanted == kSelectAll ? kKeyEventAllTanksSelected : kKeyEventSingleTankSelected, 0);
  }
}

// The fuel creeps toward the outside temperature; fuel heat warms it while on.
void UpdateFuelTemperatures() {
  const double outsideDegC = GetOutsideAirTempDegC();
  for (int32_t engine = 1; engine <= 2; ++engine) {
    FuelTemp& fuel = g_fuelTemps[engine - 1];
    // A whole step each time, even past the outside temperature: a base within
    // 0.001 of it swings about it by a step a second.
    if (fuel.baseDegC < outsideDegC) {
      fuel.baseDegC += 0.001;
    } else if (fuel.baseDegC > outsideDegC) {
      fuel.baseDegC -= 0.001;
    }
    if (IsFuelHeatOn(engine) != 0) {
      if (fuel.heatOffsetDegC < 60.0) fuel.heatOffsetDegC += 0.7;
    } else if (fuel.heatOffsetDegC > 0.0) {
      fuel.heatOffsetDegC -= 0.1;
    }
  }
}

}  // namespace

// A bad outside temperature from the simulator starts the fuel at 0 degrees,
// from where it creeps toward the first good one; a NaN would never move.
void LoadFuelPumps() {
  LoadSwitches(kSection, kKeys);
  const double outsideDegC = GetOutsideAirTempDegC();
  const double fuelDegC = std::isfinite(outsideDegC) ? outsideDegC : 0.0;
  g_fuelTemps = {FuelTemp{fuelDegC, 0.0}, FuelTemp{fuelDegC, 0.0}};
}

void UpdateFuelPumps() {
  if (IsTickDue(kChannel3Hz) != 0) SetSimulatorSelectors();
  if (IsTickDue(kChannel1HzB) != 0) UpdateFuelTemperatures();
}

void SaveFuelPumps() { SaveSwitches(kSection, kKeys); }

uint32_t IsFuelPumpRunning(int32_t pump) {
  if (pump == kStartPump) return GetSwitch(&g_startPumpSwitch) == kSwitchOn && IsBatteryAvailable() != 0 ? 1 : 0;
  if (pump < 0 || pump >= kBoostPumpCount) return 0;
  return GetSwitch(&g_fuelPumpSwitches[pump]) == kSwitchOn && IsAcBusPowered(kPumpBus[pump]) != 0 ? 1 : 0;
}

double GetFuelTemperature(int32_t engine) {
  if (engine != 1 && engine != 2) return 0.0;
  const double degC = g_fuelTemps[engine - 1].baseDegC + g_fuelTemps[engine - 1].heatOffsetDegC;
  return ToDisplayTemp(degC);
}

}  // namespace halcyon
