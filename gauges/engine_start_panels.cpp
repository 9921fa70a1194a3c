// The "Engine_Starter" and "Fuel_Pumps" overhead panels. They move the
// records of sections "ENGINE STARTER" and "FUEL PUMPS" and show them; the
// engine-start step latches a start from the start switches and returns them
// once the engine runs. Read the overhead panel light and the options.
#include "gauges/engine_start_panels.h"

#include "gauges/gauge_kit.h"
#include "gauges/switch_moves.h"
#include "systems/engine_start.h"
#include "systems/fuel_pumps.h"
#include "systems/lights.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr int32_t kIgnitionUp = 49;
constexpr int32_t kIgnitionDown = 50;

constexpr Move kIgnitionUpMoves[] = {{kIgnitionDown, kSwitchOff}, {kSwitchOff, kIgnitionUp}};
constexpr Switching kIgnitionUpSwitching{kIgnitionUpMoves, kIgnitionUp};
constexpr Move kIgnitionDownMoves[] = {{kIgnitionUp, kSwitchOff}, {kSwitchOff, kIgnitionDown}};
constexpr Switching kIgnitionDownSwitching{kIgnitionDownMoves, kIgnitionDown};
// The start switch, top to bottom: flight start, off, released, ground start.
constexpr Move kStarterUpMoves[] = {
    {kStarterGroundStart, kStarterReleased}, {kStarterReleased, kSwitchOff}, {kSwitchOff, kStarterFlightStart}};
constexpr Switching kStarterUpSwitching{kStarterUpMoves, kStarterFlightStart};
constexpr Move kStarterDownMoves[] = {
    {kStarterFlightStart, kSwitchOff}, {kSwitchOff, kStarterReleased}, {kStarterReleased, kStarterGroundStart}};
constexpr Switching kStarterDownSwitching{kStarterDownMoves, kStarterGroundStart};

double Frame(bool on) { return on ? 1.0 : 0.0; }
bool At(const CSwitch& record, int32_t position) { return GetSwitch(&record) == position; }

double Starter(const CSwitch& record) {
  switch (GetSwitch(&record)) {
    case kSwitchOff: return 1.0;
    case kStarterReleased: return 2.0;
    case kStarterGroundStart: return 3.0;
    default: return 0.0;
  }
}

double Ignition() {
  const int32_t position = GetSwitch(&g_ignitionSwitch);
  return position == kSwitchOff ? 1.0 : position == kIgnitionDown ? 2.0 : 0.0;
}

// The fuel heat button: the press moves it, the release lets it out.
int32_t FuelHeat(CSwitch& record, uint32_t mouseFlags, SoundId sound) {
  if (IsRelease(mouseFlags)) return ReleaseTo(record, kSwitchOn, kSwitchOff, sound);
  return Throw(record, kOnOff, sound);
}

double Pump(int32_t pump) { return Frame(At(g_fuelPumpSwitches[pump], kSwitchOn)); }

constinit ElementChain g_starterElements({
    StaticImage("panel"),
    StaticImage("panel light"),
    Icon("right start switch", 170, 25, 4, [](ELEMENT_HEADER*) { return Starter(g_starterRightSwitch); }),
    Icon("left start switch", 130, 25, 4, [](ELEMENT_HEADER*) { return Starter(g_starterLeftSwitch); }),
    Icon("right fuel heat", 44, 74, 2, [](ELEMENT_HEADER*) { return Frame(At(g_fuelHeatRightSwitch, kSwitchOn)); }),
    Icon("left fuel heat", 7, 74, 2, [](ELEMENT_HEADER*) { return Frame(At(g_fuelHeatLeftSwitch, kSwitchOn)); }),
    Icon("ignition", 50, 21, 3, [](ELEMENT_HEADER*) { return Ignition(); }),
    Icon("start pump", 4, 21, 2, [](ELEMENT_HEADER*) { return Frame(At(g_startPumpSwitch, kSwitchOn)); }),
    StaticImage("click areas"),
});

constinit ElementChain g_pumpElements({
    StaticImage("panel"),
    StaticImage("panel light"),
    Icon("aft right", 132, 75, 2, [](ELEMENT_HEADER*) { return Pump(kPumpAftRight); }),
    Icon("aft centre", 64, 75, 2, [](ELEMENT_HEADER*) { return Pump(kPumpAftCenter); }),
    Icon("aft left", -2, 75, 2, [](ELEMENT_HEADER*) { return Pump(kPumpAftLeft); }),
    Icon("forward right", 132, 17, 2, [](ELEMENT_HEADER*) { return Pump(kPumpFwdRight); }),
    Icon("forward centre", 64, 17, 2, [](ELEMENT_HEADER*) { return Pump(kPumpFwdCenter); }),
    Icon("forward left", -2, 17, 2, [](ELEMENT_HEADER*) { return Pump(kPumpFwdLeft); }),
    StaticImage("click areas"),
});

int32_t TogglePump(int32_t pump, SoundId sound) { return Throw(g_fuelPumpSwitches[pump], kOnOff, sound); }

}  // namespace

platform::ELEMENT_HEADER* EngineStarterElements() { return g_starterElements.Head(); }
platform::ELEMENT_HEADER* FuelPumpsElements() { return g_pumpElements.Head(); }

void EngineStarterGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  OverheadPanelOverlays(gauge, serviceId, 8);
}
void FuelPumpsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  OverheadPanelOverlays(gauge, serviceId, 8);
}

int32_t EngineStarterMouseStartPump(PixelPoint, uint32_t) { return Throw(g_startPumpSwitch, kOnOff, kClickToggle1); }
int32_t EngineStarterMouseIgnitionInc(PixelPoint, uint32_t) {
  return Throw(g_ignitionSwitch, kIgnitionUpSwitching, kClickToggle2);
}
int32_t EngineStarterMouseIgnitionDec(PixelPoint, uint32_t) {
  return Throw(g_ignitionSwitch, kIgnitionDownSwitching, kClickToggle2);
}
int32_t EngineStarterMouseFuelHeatLeft(PixelPoint, uint32_t flags) {
  return FuelHeat(g_fuelHeatLeftSwitch, flags, kClickToggle1);
}
int32_t EngineStarterMouseFuelHeatRight(PixelPoint, uint32_t flags) {
  return FuelHeat(g_fuelHeatRightSwitch, flags, kClickToggle2);
}
int32_t EngineStarterMouseStarterLeftInc(PixelPoint, uint32_t) {
  return Throw(g_starterLeftSwitch, kStarterUpSwitching, kClickGuarded1);
}
int32_t EngineStarterMouseStarterLeftDec(PixelPoint, uint32_t) {
  return Throw(g_starterLeftSwitch, kStarterDownSwitching, kClickGuarded1);
}
int32_t EngineStarterMouseStarterRightInc(PixelPoint, uint32_t) {
  return Throw(g_starterRightSwitch, kStarterUpSwitching, kClickToggle2);
}
int32_t EngineStarterMouseStarterRightDec(PixelPoint, uint32_t) {
  return Throw(g_starterRightSwitch, kStarterDownSwitching, kClickToggle2);
}

int32_t FuelPumpsMouseFwdLeft(PixelPoint, uint32_t) { return TogglePump(kPumpFwdLeft, kClickGuarded1); }
int32_t FuelPumpsMouseFwdCenter(PixelPoint, uint32_t) { return TogglePump(kPumpFwdCenter, kClickGuarded1); }
int32_t FuelPumpsMouseFwdRight(PixelPoint, uint32_t) { return TogglePump(kPumpFwdRight, kClickToggle2); }
int32_t FuelPumpsMouseAftLeft(PixelPoint, uint32_t) { return TogglePump(kPumpAftLeft, kClickGuarded1); }
int32_t FuelPumpsMouseAftCenter(PixelPoint, uint32_t) { return TogglePump(kPumpAftCenter, kClickToggle2); }
int32_t FuelPumpsMouseAftRight(PixelPoint, uint32_t) { return TogglePump(kPumpAftRight, kClickToggle2); }

}  // namespace halcyon
