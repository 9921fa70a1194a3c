// The air conditioning panel and its meters. The switches are the records
// of section "AIR CONDITION"; holding a temperature selector's cold or hot
// half steps its side's valve setting on the press and on every repeat, and
// the release leaves it in manual. Read the valve settings, the indicated
// temperature, the supplies, the engines, APU air, the units and the light.
#include "gauges/air_condition_panel.h"

#include "core/switch.h"
#include "gauges/gauge_kit.h"
#include "gauges/switch_moves.h"
#include "systems/air_condition.h"
#include "systems/apu.h"
#include "systems/lights.h"
#include "systems/unit_system.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

enum TempSelector : int32_t { kTempAuto = 1, kTempHot = 2, kTempManual = 3, kTempCold = 4 };
constexpr int32_t kSupplyMiddle = 129;
constexpr int32_t kSupplyDown = 44;
constexpr int32_t kIndicatesCabin = 60;
constexpr int32_t kIndicatesValve = 61;
constexpr int32_t kVenturiNormal = 62;
constexpr int32_t kVenturiOther = 63;
constexpr int32_t kLeft = 0;
constexpr int32_t kRight = 1;

constexpr Move kSupplyUpMoves[] = {{kSupplyDown, kSupplyMiddle}, {kSupplyMiddle, kSwitchOff}};
constexpr Switching kSupplyUp{kSupplyUpMoves, kSwitchOff};
constexpr Move kSupplyDownMoves[] = {{kSwitchOff, kSupplyMiddle}, {kSupplyMiddle, kSupplyDown}};
constexpr Switching kSupplyDownSwitching{kSupplyDownMoves, kSupplyDown};
constexpr Move kTempSelectMoves[] = {{kIndicatesValve, kIndicatesCabin}};
constexpr Switching kTempSelect{kTempSelectMoves, kIndicatesValve, true};
constexpr Move kVenturiMoves[] = {{kVenturiNormal, kVenturiOther}};
constexpr Switching kVenturi{kVenturiMoves, kVenturiNormal, true};

bool At(const CSwitch& record, int32_t position) { return GetSwitch(&record) == position; }

double SupplyFrame(const CSwitch& record) {
  const int32_t position = GetSwitch(&record);
  return position == kSupplyMiddle ? 1.0 : position == kSupplyDown ? 2.0 : 0.0;
}
double SelectorFrame(const CSwitch& record) {
  const int32_t position = GetSwitch(&record);
  return position >= kTempHot && position <= kTempCold ? position - 1.0 : 0.0;
}

constinit ElementChain g_elements({
    StaticImage("panel"),
    StaticImage("panel light"),
    Icon("radio rack venturi", 338, 15, 2, [](ELEMENT_HEADER*) { return At(g_radioRackVenturiSwitch, kVenturiOther) ? 1.0 : 0.0; }),
    Icon("temperature selector", 262, 9, 2, [](ELEMENT_HEADER*) { return At(g_tempSelectSwitch, kIndicatesCabin) ? 1.0 : 0.0; }),
    Icon("supply right", 141, 69, 3, [](ELEMENT_HEADER*) { return SupplyFrame(g_airSupplyRightSwitch); }),
    Icon("supply left", 87, 69, 3, [](ELEMENT_HEADER*) { return SupplyFrame(g_airSupplyLeftSwitch); }),
    Icon("cabin temperature", 188, 76, 4, [](ELEMENT_HEADER*) { return SelectorFrame(g_cabinTempSwitch); }),
    Icon("cockpit temperature", 15, 76, 4, [](ELEMENT_HEADER*) { return SelectorFrame(g_cockpitTempSwitch); }),
    StaticImage("click areas"),
});

// Held cold or hot: the selector and a valve step on the press and each
// repeat; the release lets the selector spring back to manual.
int32_t HoldTemperature(CSwitch& selector, int32_t side, uint32_t mouseFlags, int32_t held) {
  if (IsRelease(mouseFlags)) {
    SetSwitch(&selector, kTempManual);
    return 1;
  }
  SetSwitch(&selector, held);
  if (held == kTempCold) {
    DecAirconValveTemp(side);
  } else {
    IncAirconValveTemp(side);
  }
  PlayClick(kClickRotary1);
  return 1;
}

int32_t Automatic(CSwitch& selector, SoundId sound) {
  SetSwitch(&selector, kTempAuto);
  PlayClick(sound);
  return 1;
}

// ---- Meters ----
constexpr platform::NeedlePoint kValveScale[] = {
    {22, 72, 0}, {39, 42, 10}, {65, 24, 20}, {100, 17, 30}, {135, 24, 40}, {162, 42, 50}, {178, 72, 60},
};
constexpr platform::NeedlePoint kCelsiusScale[] = {
    {150, 27, 0}, {237, 63, 10}, {273, 150, 20}, {237, 237, 30}, {150, 273, 40}, {63, 237, 50}, {27, 150, 60},
};
constexpr platform::NeedlePoint kFahrenheitScale[] = {
    {150, 27, 30}, {237, 63, 50}, {273, 150, 70}, {237, 237, 90}, {150, 273, 110}, {63, 237, 130}, {27, 150, 150},
};
constexpr platform::NeedlePoint kPressureScale[] = {
    {100, 17, 0}, {176, 66, 10}, {163, 153, 20}, {77, 179, 30}, {18, 112, 40}, {55, 30, 50}, {100, 17, 100},
};

double Celsius() {
  switch (GetSwitch(&g_tempSelectSwitch)) {
    case kIndicatesCabin: return GetAirconIndicatedTemp();
    case kIndicatesValve: return GetAirconValveTemp(kRight);
    default: return 0.0;
  }
}
double NotBelowZero(double value) { return value < 0.0 ? 0.0 : value; }

struct SupplyPressures {
  int32_t engine;
  double engineBleedPsi;
  double apuBleedPsi;
};
constexpr SupplyPressures kSupplies[] = {{1, 22.0, 18.0}, {2, 24.0, 20.0}};

double SupplyPressure(int32_t side) {
  if (IsAirconSupplyOn(side) == 0) return 0.0;
  if (IsEngineRunning(kSupplies[side].engine) != 0) return kSupplies[side].engineBleedPsi;
  return IsApuAirOn() != 0 ? kSupplies[side].apuBleedPsi : 0.0;
}

constinit ElementChain g_leftValveElements({
    StaticImage("dial", 0, 0, kLit),
    TurningAtMost(Needle("valve", [](ELEMENT_HEADER*) { return GetAirconValveTemp(kLeft); },
                         100, 100, kLit, kValveScale),
                  kSlowNeedleDegPerSec),
});
constinit ElementChain g_rightValveElements({
    StaticImage("dial", 0, 0, kLit),
    TurningAtMost(Needle("valve", [](ELEMENT_HEADER*) { return GetAirconValveTemp(kRight); },
                         100, 100, kLit, kValveScale),
                  kSlowNeedleDegPerSec),
});
constinit ElementChain g_leftPressureElements({
    StaticImage("dial", 0, 0, kLit),
    TurningAtMost(Needle("pressure", [](ELEMENT_HEADER*) { return SupplyPressure(kLeft); },
                         100, 100, kLit, kPressureScale),
                  kSlowNeedleDegPerSec),
});
constinit ElementChain g_rightPressureElements({
    StaticImage("dial", 0, 0, kLit),
    TurningAtMost(Needle("pressure", [](ELEMENT_HEADER*) { return SupplyPressure(kRight); },
                         100, 100, kLit, kPressureScale),
                  kSlowNeedleDegPerSec),
});
constinit ElementChain g_temperatureElements({
    StaticImage("Celsius dial", 0, 0, kLit),
    StaticImage("Fahrenheit dial", 0, 0, kLit),
    TurningAtMost(Needle("Celsius", [](ELEMENT_HEADER*) { return NotBelowZero(Celsius()); },
                         150, 150, kLit, kCelsiusScale),
                  kSlowNeedleDegPerSec),
    TurningAtMost(Needle("Fahrenheit", [](ELEMENT_HEADER*) { return NotBelowZero(Celsius() * 1.8 + 32.0); },
                         150, 150, 0, kFahrenheitScale),
                  kSlowNeedleDegPerSec),
});
constexpr uint32_t kCelsiusDial = 0;
constexpr uint32_t kFahrenheitDial = 1;
constexpr uint32_t kCelsiusNeedle = 2;
constexpr uint32_t kFahrenheitNeedle = 3;

}  // namespace

platform::ELEMENT_HEADER* AirConditionElements() { return g_elements.Head(); }
platform::ELEMENT_HEADER* AirConditionLeftValveElements() { return g_leftValveElements.Head(); }
platform::ELEMENT_HEADER* AirConditionRightValveElements() { return g_rightValveElements.Head(); }
platform::ELEMENT_HEADER* AirConditionLeftPressureElements() { return g_leftPressureElements.Head(); }
platform::ELEMENT_HEADER* AirConditionRightPressureElements() { return g_rightPressureElements.Head(); }
platform::ELEMENT_HEADER* AirConditionTemperatureElements() { return g_temperatureElements.Head(); }

void AirConditionGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  OverheadPanelOverlays(gauge, serviceId, 8);
}

void AirConditionMeterGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  OverheadMeter(gauge, serviceId, 2);
}

// The dial of the units in use, chosen on every frame after the relight, so
// that neither the end of a relight nor the first frames show both dials.
void AirConditionTemperatureGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreInitialize) ArmRelight(gauge);
  if (serviceId != platform::kServicePreDraw) return;
  const bool relighting = Relight(gauge, {0, 3}, IsOclPanelLightLit() != 0);
  const int32_t units = IsMetricUnits();
  if (units != 0 && units != 1 && units != 2) return;
  const bool celsius = units != 0;
  ShowElement(gauge, kCelsiusDial, celsius && !relighting);
  ShowElement(gauge, kCelsiusNeedle, celsius && !relighting);
  ShowElement(gauge, kFahrenheitDial, !celsius && !relighting);
  ShowElement(gauge, kFahrenheitNeedle, !celsius);
}

int32_t AirConditionMouseCockpitTempCold(PixelPoint, uint32_t flags) {
  return HoldTemperature(g_cockpitTempSwitch, kLeft, flags, kTempCold);
}
int32_t AirConditionMouseCockpitTempHot(PixelPoint, uint32_t flags) {
  return HoldTemperature(g_cockpitTempSwitch, kLeft, flags, kTempHot);
}
int32_t AirConditionMouseCockpitTempAuto(PixelPoint, uint32_t) { return Automatic(g_cockpitTempSwitch, kClickRotary1); }
int32_t AirConditionMouseCabinTempCold(PixelPoint, uint32_t flags) {
  return HoldTemperature(g_cabinTempSwitch, kRight, flags, kTempCold);
}
int32_t AirConditionMouseCabinTempHot(PixelPoint, uint32_t flags) {
  return HoldTemperature(g_cabinTempSwitch, kRight, flags, kTempHot);
}
int32_t AirConditionMouseCabinTempAuto(PixelPoint, uint32_t) { return Automatic(g_cabinTempSwitch, kClickRotary2); }
int32_t AirConditionMouseSupplyLeftInc(PixelPoint, uint32_t) { return Throw(g_airSupplyLeftSwitch, kSupplyUp, kClickGuarded2); }
int32_t AirConditionMouseSupplyLeftDec(PixelPoint, uint32_t) {
  return Throw(g_airSupplyLeftSwitch, kSupplyDownSwitching, kClickGuarded2);
}
int32_t AirConditionMouseSupplyRightInc(PixelPoint, uint32_t) { return Throw(g_airSupplyRightSwitch, kSupplyUp, kClickGuarded2); }
int32_t AirConditionMouseSupplyRightDec(PixelPoint, uint32_t) {
  return Throw(g_airSupplyRightSwitch, kSupplyDownSwitching, kClickGuarded2);
}
int32_t AirConditionMouseTempSelect(PixelPoint, uint32_t) { return Throw(g_tempSelectSwitch, kTempSelect, kClickRotary1); }
int32_t AirConditionMouseRadioRackVenturi(PixelPoint, uint32_t) {
  return Throw(g_radioRackVenturiSwitch, kVenturi, kClickToggle1);
}

}  // namespace halcyon
