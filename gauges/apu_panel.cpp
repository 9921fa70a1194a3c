// The "APU" overhead panel and its two meters. The switches are the APU
// system's records (section "APU"); the fire control and master switches
// also request the APU's start and stop. Read the APU's EGT and RPM, panel
// power, the lamp test and the overhead panel light.
#include "gauges/apu_panel.h"

#include "gauges/gauge_kit.h"
#include "gauges/switch_moves.h"
#include "systems/annunciator_lamps.h"
#include "systems/apu.h"
#include "systems/electric.h"
#include "systems/lights.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr int32_t kAgentDischarging = 126;
constexpr int32_t kAirLow = 46;
constexpr int32_t kDoorsGuarded = 120;
constexpr int32_t kDoorsUp = 44;
constexpr int32_t kDoorsDown = 42;
constexpr int32_t kDoorsMiddle = 125;
constexpr int32_t kFireControlPulled = 120;
constexpr uint32_t kKeyEventFireAgent = 66826;

constexpr Move kAgentMoves[] = {{kSwitchOff, kAgentDischarging}, {kAgentDischarging, kSwitchOff}};
constexpr Switching kAgentSwitching{kAgentMoves, kSwitchOff};
// The air switch, bottom to top: 46, 41, 120.
constexpr Move kAirUpMoves[] = {{kAirLow, kSwitchOn}, {kSwitchOn, kSwitchOff}};
constexpr Move kAirDownMoves[] = {{kSwitchOff, kSwitchOn}, {kSwitchOn, kAirLow}};
constexpr Move kDoorsUpMoves[] = {{kDoorsDown, kDoorsMiddle}, {kDoorsMiddle, kDoorsUp}};
constexpr Move kDoorsDownMoves[] = {{kDoorsUp, kDoorsMiddle}, {kDoorsMiddle, kDoorsDown}};

bool At(const CSwitch& record, int32_t position) { return GetSwitch(&record) == position; }
double Frame(bool on) { return on ? 1.0 : 0.0; }

int32_t FireAgent(CSwitch& record) {
  Throw(record, kAgentSwitching, kClickToggle2);
  return SendKeyControl(kKeyEventFireAgent, 0);
}

int32_t AirSwitch(std::span<const Move> moves, int32_t fallback) {
  return Throw(g_apuAirSwitch, {moves, fallback}, kClickGuarded1);
}

// The doors switch moves only between its listed positions, so not while
// its guard holds it.
int32_t Doors(std::span<const Move> moves) {
  const int32_t position = GetSwitch(&g_apuDoorsSwitch);
  for (const Move& move : moves) {
    if (move.from == position) {
      SetSwitch(&g_apuDoorsSwitch, move.to);
      PlayClick(kClickGuarded1);
      return 1;
    }
  }
  return 1;
}

double DoorsFrame() {
  switch (GetSwitch(&g_apuDoorsSwitch)) {
    case kDoorsDown: return 3.0;
    case kDoorsUp: return 1.0;
    case kDoorsMiddle: return 2.0;
    default: return 0.0;
  }
}

double MasterFrame() {
  const int32_t position = GetSwitch(&g_apuMasterSwitch);
  return position == kApuMasterStart ? 2.0 : position == kApuMasterRun ? 1.0 : 0.0;
}

double AirFrame() {
  const int32_t position = GetSwitch(&g_apuAirSwitch);
  return position == kSwitchOn ? 1.0 : position == kAirLow ? 2.0 : 0.0;
}

constinit ElementChain g_elements({
    StaticImage("panel"),
    StaticImage("panel light"),
    Icon("battery", 96, 143, 2, [](ELEMENT_HEADER*) { return Frame(At(g_batterySwitch, kSwitchOn)); }),
    Icon("emergency power lamp", 17, 125, 2,
         [](ELEMENT_HEADER*) { return Lamp(IsPanelPowered() != 0, At(g_emergencyPowerShadow, kSwitchOn)); }),
    Icon("emergency power", 17, 125, 2, [](ELEMENT_HEADER*) { return Frame(At(g_emergencyPowerSwitch, kSwitchOn)); }),
    Icon("doors", 141, 41, 4, [](ELEMENT_HEADER*) { return DoorsFrame(); }),
    Icon("master", 74, 55, 3, [](ELEMENT_HEADER*) { return MasterFrame(); }),
    Icon("air", 97, 10, 3, [](ELEMENT_HEADER*) { return AirFrame(); }),
    Icon("fire agent 2", 53, 10, 2, [](ELEMENT_HEADER*) { return Frame(At(g_apuFireAgent2Switch, kAgentDischarging)); }),
    Icon("fire agent 1", 10, 10, 2, [](ELEMENT_HEADER*) { return Frame(At(g_apuFireAgent1Switch, kAgentDischarging)); }),
    Icon("fire control", 11, 59, 2, [](ELEMENT_HEADER*) { return Frame(At(g_apuFireControlSwitch, kFireControlPulled)); }),
    StaticImage("click areas"),
});

constexpr platform::NeedlePoint kEgtScale[] = {
    {208, 194, 0},   {194, 208, 100}, {175, 218, 200}, {150, 223, 300}, {123, 218, 400},
    {83, 178, 500},  {83, 123, 600},  {122, 83, 700},  {178, 83, 800},
};
constexpr platform::NeedlePoint kRpmScale[] = {
    {150, 45, 0}, {235, 89, 20}, {250, 182, 40}, {183, 249, 60}, {89, 239, 80}, {46, 150, 100}, {57, 103, 110},
};
// The small needle turns a full circle for each ten percent, from twelve o'clock.
constexpr double kRpmSmallDegreesPerPercent = 36.0;
constexpr double kUp = 270.0;

constinit ElementChain g_egtElements({
    StaticImage("dial", 0, 0, kLit),
    TurningAtMost(Needle("EGT", [](ELEMENT_HEADER*) { return GetApuEgt(); }, 150, 150, kLit, kEgtScale),
                  kQuickNeedleDegPerSec),
});
constinit ElementChain g_rpmElements({
    StaticImage("dial", 0, 0, kLit),
    TurningAtMost(Needle("RPM", [](ELEMENT_HEADER*) { return GetApuRpm(); }, 150, 150, kLit, kRpmScale),
                  kQuickNeedleDegPerSec),
    TurningAtMost(Needle("RPM fine", [](ELEMENT_HEADER*) { return GetApuRpm() * kRpmSmallDegreesPerPercent + kUp; },
                         102, 97, kLit),
                  kQuickNeedleDegPerSec),
});

}  // namespace

platform::ELEMENT_HEADER* ApuElements() { return g_elements.Head(); }
platform::ELEMENT_HEADER* ApuEgtElements() { return g_egtElements.Head(); }
platform::ELEMENT_HEADER* ApuRpmElements() { return g_rpmElements.Head(); }

void ApuGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  OverheadPanelOverlays(gauge, serviceId, 11);
}
void ApuEgtGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) { OverheadMeter(gauge, serviceId, 2); }
void ApuRpmGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) { OverheadMeter(gauge, serviceId, 3); }

int32_t ApuMouseFireAgent1(PixelPoint, uint32_t) { return FireAgent(g_apuFireAgent1Switch); }
int32_t ApuMouseFireAgent2(PixelPoint, uint32_t) { return FireAgent(g_apuFireAgent2Switch); }
int32_t ApuMouseAirSwitchInc(PixelPoint, uint32_t) { return AirSwitch(kAirUpMoves, kSwitchOff); }
int32_t ApuMouseAirSwitchDec(PixelPoint, uint32_t) { return AirSwitch(kAirDownMoves, kAirLow); }

int32_t ApuMouseDoorsGuard(PixelPoint, uint32_t) {
  SetSwitch(&g_apuDoorsSwitch, At(g_apuDoorsSwitch, kDoorsGuarded) ? kDoorsUp : kDoorsGuarded);
  PlayClick(kClickToggle1);
  return 1;
}
int32_t ApuMouseDoorsAutoInc(PixelPoint, uint32_t) { return Doors(kDoorsUpMoves); }
int32_t ApuMouseDoorsAutoDec(PixelPoint, uint32_t) { return Doors(kDoorsDownMoves); }

int32_t ApuMouseFireControl(PixelPoint, uint32_t) {
  const int32_t position = GetSwitch(&g_apuFireControlSwitch);
  if (position == kApuFireControlNormal) {
    SetSwitch(&g_apuFireControlSwitch, kFireControlPulled);
    PlayClick(kClickGuarded2);
    RequestApuState(kApuShuttingDown);
  } else if (position == kFireControlPulled) {
    SetSwitch(&g_apuFireControlSwitch, kApuFireControlNormal);
    PlayClick(kClickGuarded2);
  } else {
    SetSwitch(&g_apuFireControlSwitch, kApuFireControlNormal);
  }
  return 1;
}

int32_t ApuMouseMasterInc(PixelPoint, uint32_t) {
  const int32_t position = GetSwitch(&g_apuMasterSwitch);
  if (position == kApuMasterStart) {
    SetSwitch(&g_apuMasterSwitch, kApuMasterRun);
    PlayClick(kClickToggle2);
  } else if (position == kApuMasterRun) {
    SetSwitch(&g_apuMasterSwitch, kSwitchOff);
    PlayClick(kClickToggle2);
    RequestApuState(kApuShuttingDown);
  } else {
    SetSwitch(&g_apuMasterSwitch, kSwitchOff);
  }
  return 1;
}

// Held down in start, the master requests the start (with the fire control
// normal) and springs back to run on the release.
int32_t ApuMouseMasterDec(PixelPoint, uint32_t flags) {
  if (IsRelease(flags)) return ReleaseTo(g_apuMasterSwitch, kApuMasterStart, kApuMasterRun, kClickToggle2);
  const int32_t position = GetSwitch(&g_apuMasterSwitch);
  if (position == kSwitchOff) {
    SetSwitch(&g_apuMasterSwitch, kApuMasterRun);
    PlayClick(kClickToggle2);
  } else if (position == kApuMasterRun) {
    MoveApuMaster(kApuMasterStart);
    PlayClick(kClickToggle2);
  } else {
    SetSwitch(&g_apuMasterSwitch, kApuMasterStart);
  }
  return 1;
}

int32_t ApuMouseEmergencyPower(PixelPoint, uint32_t) {
  Throw(g_emergencyPowerSwitch, kOnOff, kClickRotary2);
  SetSwitch(&g_emergencyPowerShadow, GetSwitch(&g_emergencyPowerSwitch));
  return 1;
}

int32_t ApuMouseBattery(PixelPoint, uint32_t) { return Throw(g_batterySwitch, kOnOff, kClickGuarded2); }

}  // namespace halcyon
