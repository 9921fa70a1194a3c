// The hydraulic pump switches set their records for the hydraulic step; the
// brake temperature dial shows what the selector picks (the test button
// drives it to 450) and the overheat lamp the brakes' hot state. Reads the
// brake temperatures, panel power, the lamp test and the side panel light.
#include "gauges/hydraulic_brakes.h"

#include <algorithm>

#include "gauges/gauge_kit.h"
#include "gauges/switch_moves.h"
#include "systems/annunciator_lamps.h"
#include "systems/brake_temperature.h"
#include "systems/electric.h"
#include "systems/hydraulics.h"
#include "systems/lights.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr int32_t kAuxLow = 49;
constexpr int32_t kSelectorFirst = 1;
constexpr int32_t kSelectorLast = 5;

// The engine pumps, top to bottom: HIGH, LOW, OFF.
constexpr Move kEnginePumpUp[] = {{kSwitchOff, kHydPumpLow}, {kHydPumpLow, kHydPumpHigh}};
constexpr Move kEnginePumpDown[] = {{kHydPumpHigh, kHydPumpLow}, {kHydPumpLow, kSwitchOff}};
// The auxiliary pump, top to bottom: 41, OFF, 49.
constexpr Move kAuxUp[] = {{kAuxLow, kSwitchOff}, {kSwitchOff, kSwitchOn}};
constexpr Move kAuxDown[] = {{kSwitchOn, kSwitchOff}, {kSwitchOff, kAuxLow}};
// The transfer pump's odd position goes on, not off.
constexpr Switching kTransferSwitching{kOnOffMoves, kSwitchOn};

double EnginePumpFrame(const CSwitch& pump) {
  switch (GetSwitch(&pump)) {
    case kHydPumpLow: return 1.0;
    case kSwitchOff: return 2.0;
    default: return 0.0;
  }
}

double AuxPumpFrame() {
  switch (GetSwitch(&g_hydAuxPump)) {
    case kSwitchOff: return 1.0;
    case kAuxLow: return 2.0;
    default: return 0.0;
  }
}

double OverheatLamp() {
  if (IsPanelPowered() == 0) return 0.0;
  if (IsLampTestOn() != 0) return 1.0;
  const int32_t test = GetSwitch(&g_brakeTempTestButton);
  return test == kSwitchOn || (test == kSwitchOff && GetSwitch(&g_hotBrakeLamp) == kSwitchOn) ? 1.0 : 0.0;
}

double SelectorFrame() {
  const int32_t position = GetSwitch(&g_brakeTempSelector);
  return position >= kSelectorFirst && position <= kSelectorLast ? position - 1.0 : 0.0;
}

// The selector's left half steps toward 1, its right half toward 5; from a
// position off the dial, to the end it turns toward. Every click sounds.
int32_t StepSelector(int32_t step) {
  const int32_t position = GetSwitch(&g_brakeTempSelector);
  const bool onDial = position >= kSelectorFirst && position <= kSelectorLast;
  const int32_t end = step < 0 ? kSelectorFirst : kSelectorLast;
  SetSwitch(&g_brakeTempSelector, onDial ? std::clamp(position + step, kSelectorFirst, kSelectorLast) : end);
  PlayClick(kClickRotary2);
  return 1;
}

constexpr platform::NeedlePoint kBrakeTemperatureScale[] = {{50, 140, 0},   {36, 85, 100},  {72, 41, 200},
                                                           {129, 41, 300}, {165, 85, 400}, {150, 140, 500}};

constinit ElementChain g_hydraulicPumpsElements({
    StaticImage("panel"),
    StaticImage("panel light", 0, 1),
    Icon("transfer pump", 13, 70, 2, [](ELEMENT_HEADER*) { return GetSwitch(&g_hydTransferPump) == kSwitchOn ? 1.0 : 0.0; }),
    Icon("auxiliary pump", 51, 63, 3, [](ELEMENT_HEADER*) { return AuxPumpFrame(); }),
    Icon("engine 2 pump", 52, 14, 3, [](ELEMENT_HEADER*) { return EnginePumpFrame(g_hydEngine2Pump); }),
    Icon("engine 1 pump", 14, 14, 3, [](ELEMENT_HEADER*) { return EnginePumpFrame(g_hydEngine1Pump); }),
    StaticImage("click areas"),
});

constinit ElementChain g_brakeTemperatureElements({
    StaticImage("dial", 0, 0, kLit),
    Needle("brake temperature", [](ELEMENT_HEADER*) { return GetSelectedBrakeTemperature(); }, 100, 100, kLit,
           kBrakeTemperatureScale),
});

constinit ElementChain g_brakeTemperatureControlsElements({
    StaticImage("panel"),
    StaticImage("panel light", 4, 21),
    Icon("temperature selector", 14, 32, 5, [](ELEMENT_HEADER*) { return SelectorFrame(); }),
    Icon("overheat lamp", 10, 13, 2, [](ELEMENT_HEADER*) { return OverheatLamp(); }),
    StaticImage("click areas"),
});

}  // namespace

platform::ELEMENT_HEADER* HydraulicPumpsElements() { return g_hydraulicPumpsElements.Head(); }
platform::ELEMENT_HEADER* BrakeTemperatureElements() { return g_brakeTemperatureElements.Head(); }
platform::ELEMENT_HEADER* BrakeTemperatureControlsElements() { return g_brakeTemperatureControlsElements.Head(); }

void HydraulicPumpsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, 1, IsSidePanelLightOn() != 0);
  ShowClickAreas(gauge, 6);
}

int32_t HydraulicPumpsMouseEngine1Inc(PixelPoint, uint32_t) {
  return Throw(g_hydEngine1Pump, {kEnginePumpUp, kHydPumpHigh}, kClickGuarded2);
}
int32_t HydraulicPumpsMouseEngine1Dec(PixelPoint, uint32_t) {
  return Throw(g_hydEngine1Pump, {kEnginePumpDown, kSwitchOff}, kClickGuarded2);
}
int32_t HydraulicPumpsMouseEngine2Inc(PixelPoint, uint32_t) {
  return Throw(g_hydEngine2Pump, {kEnginePumpUp, kHydPumpHigh}, kClickGuarded2);
}
int32_t HydraulicPumpsMouseEngine2Dec(PixelPoint, uint32_t) {
  return Throw(g_hydEngine2Pump, {kEnginePumpDown, kSwitchOff}, kClickGuarded2);
}
int32_t HydraulicPumpsMouseAuxInc(PixelPoint, uint32_t) { return Throw(g_hydAuxPump, {kAuxUp, kSwitchOn}, kClickGuarded1); }
int32_t HydraulicPumpsMouseAuxDec(PixelPoint, uint32_t) { return Throw(g_hydAuxPump, {kAuxDown, kAuxLow}, kClickGuarded1); }
int32_t HydraulicPumpsMouseTransfer(PixelPoint, uint32_t) {
  return Throw(g_hydTransferPump, kTransferSwitching, kClickToggle2);
}

// The dial is lit with the side panel light.
void BrakeTemperatureGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreInitialize) ArmRelight(gauge);
  if (serviceId == platform::kServicePreDraw) Relight(gauge, {0, 2}, IsSidePanelLightOn() != 0);
}

void BrakeTemperatureControlsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, 1, IsSidePanelLightOn() != 0);
  ShowClickAreas(gauge, 4);
}

int32_t BrakeTemperatureControlsMouseTempSelectorInc(PixelPoint, uint32_t) { return StepSelector(-1); }
int32_t BrakeTemperatureControlsMouseTempSelectorDec(PixelPoint, uint32_t) { return StepSelector(1); }
int32_t BrakeTemperatureControlsMouseTest(PixelPoint, uint32_t flags) {
  return MomentaryControl(g_brakeTempTestButton, flags, kClickButton1);
}

}  // namespace halcyon
