// The "Electrical" overhead panel and its meters. The switches are the
// electrical system's records (section "ELECTRIC"); the system's step works
// out bus power, generator state and the bus source lamps, and the gauges
// show them. Reads the buses, generators, APU, battery, CSDs, the engines,
// the on-ground flag, the lamp test and the overhead panel light.
#include "gauges/electrical.h"

#include "core/options.h"
#include "core/panel_services.h"
#include "core/switch.h"
#include "core/tick_scheduler.h"
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

constexpr int32_t kGenUp = 121;
constexpr int32_t kApuGenOn = 121;
constexpr int32_t kDcBusTieClosed = 122;
constexpr int32_t kAcBusTieOpen = 42;
constexpr int32_t kMeterLow = 1;
constexpr int32_t kMeterHigh = 6;

constexpr Move kGenUpMoves[] = {{kSwitchOn, kSwitchOff}, {kSwitchOff, kGenUp}};
constexpr Switching kGenUpSwitching{kGenUpMoves, kSwitchOff};
constexpr Move kGenDownMoves[] = {{kSwitchOff, kSwitchOn}, {kGenUp, kSwitchOff}};
constexpr Switching kGenDownSwitching{kGenDownMoves, kSwitchOff};
constexpr Move kApuGenMoves[] = {{kCsdGuardClosed, kApuGenOn}, {kApuGenOn, kCsdGuardClosed}};
constexpr Switching kApuGenSwitching{kApuGenMoves, kCsdGuardClosed};
constexpr Move kAcTieMoves[] = {{kAcBusTieOpen, kAcBusTieClosed}, {kAcBusTieClosed, kAcBusTieOpen}};
constexpr Switching kAcTieSwitching{kAcTieMoves, kAcBusTieClosed};
constexpr Move kDcTieMoves[] = {{kAcBusTieOpen, kDcBusTieClosed}, {kDcBusTieClosed, kAcBusTieOpen}};
constexpr Switching kDcTieSwitching{kDcTieMoves, kAcBusTieOpen};
constexpr Move kExtPowerMoves[] = {{kExternalPowerAvailable, kSwitchOff}};
constexpr Switching kExtPowerSwitching{kExtPowerMoves, kSwitchOff};

bool OnGround() { return ReadToken(Token::OnGround) != 0.0; }
bool Powered() { return IsPanelPowered() != 0; }
bool At(const CSwitch& record, int32_t position) { return GetSwitch(&record) == position; }

int32_t GeneratorInc(CSwitch& record, uint32_t mouseFlags) {
  if (IsRelease(mouseFlags)) return ReleaseTo(record, kGenUp, kSwitchOff, kClickGuarded1);
  return Throw(record, kGenUpSwitching, kClickGuarded1);
}

// ---- Elements ----
double Frame(bool on) { return on ? 1.0 : 0.0; }
double Generator(const CSwitch& record) {
  const int32_t position = GetSwitch(&record);
  return position == kGenUp ? 0.0 : position == kSwitchOn ? 2.0 : 1.0;
}
double Csd(const CSwitch& record) {
  const int32_t position = GetSwitch(&record);
  return position == kGuardOpen ? 1.0 : position == kGuardedActuated ? 2.0 : 0.0;
}
double SourceLamp(uint32_t lampOn) { return Lamp(Powered(), lampOn != 0); }

constinit ElementChain g_elements({
    StaticImage("panel"),
    StaticImage("panel light"),
    Icon("galley switch", 20, 345, 2, [](ELEMENT_HEADER*) { return Frame(!At(g_galleyPowerSwitch, kSwitchOff)); }),
    Icon("DC cross-tie", 147, 415, 2, [](ELEMENT_HEADER*) { return Frame(At(g_dcBusTieSwitch, kAcBusTieOpen)); }),
    Icon("AC cross-tie", 147, 360, 2, [](ELEMENT_HEADER*) { return Frame(At(g_acBusTieSwitch, kAcBusTieClosed)); }),
    Icon("EXT on bus 2", 185, 300, 2, [](ELEMENT_HEADER*) { return SourceLamp(IsExternalOnBusLampOn(1)); }),
    Icon("EXT on bus 1", 105, 300, 2, [](ELEMENT_HEADER*) { return SourceLamp(IsExternalOnBusLampOn(0)); }),
    Icon("EXT bus 2 switch", 185, 315, 2, [](ELEMENT_HEADER*) { return Frame(At(g_externalBus2Switch, kSwitchOn)); }),
    Icon("EXT bus 1 switch", 105, 315, 2, [](ELEMENT_HEADER*) { return Frame(At(g_externalBus1Switch, kSwitchOn)); }),
    // Lit by the lamp test even without panel power: the ground cart feeds it.
    Icon("EXT power available", 150, 325, 2,
         [](ELEMENT_HEADER*) {
           return Frame(IsLampTestOn() != 0 || At(g_externalPowerSwitch, kExternalPowerAvailable));
         }),
    Icon("APU on bus 2", 185, 250, 2, [](ELEMENT_HEADER*) { return SourceLamp(IsApuOnBusLampOn(1)); }),
    Icon("APU on bus 1", 105, 250, 2, [](ELEMENT_HEADER*) { return SourceLamp(IsApuOnBusLampOn(0)); }),
    Icon("APU bus 2 switch", 185, 265, 2, [](ELEMENT_HEADER*) { return Frame(At(g_apuBus2Switch, kSwitchOn)); }),
    Icon("APU bus 1 switch", 105, 265, 2, [](ELEMENT_HEADER*) { return Frame(At(g_apuBus1Switch, kSwitchOn)); }),
    // Lit by the APU's own generator even without panel power.
    Icon("APU power available", 145, 170, 2,
         [](ELEMENT_HEADER*) {
           return Frame((IsLampTestOn() != 0 && Powered()) ||
                        At(g_apuGeneratorAvailable, kApuGeneratorIsAvailable));
         }),
    Icon("APU generator switch", 145, 125, 2, [](ELEMENT_HEADER*) { return Frame(At(g_apuGenSwitch, kCsdGuardClosed)); }),
    Icon("generator 2 switch", 240, 120, 3, [](ELEMENT_HEADER*) { return Generator(g_gen2Switch); }),
    Icon("generator 1 switch", 40, 120, 3, [](ELEMENT_HEADER*) { return Generator(g_gen1Switch); }),
    Icon("CSD 2 switch", 240, 0, 3, [](ELEMENT_HEADER*) { return Csd(g_csdDisconnectGuard2); }),
    Icon("CSD 1 switch", 40, 0, 3, [](ELEMENT_HEADER*) { return Csd(g_csdDisconnectGuard1); }),
    Icon("meter selector", 325, 130, 6,
         [](ELEMENT_HEADER*) {
           const int32_t position = GetSwitch(&g_meterSelector);
           return position >= kMeterLow && position <= kMeterHigh ? static_cast<double>(position - 1) : 0.0;
         }),
    StaticImage("click areas"),
});
constexpr uint32_t kPanelLightElement = 1;
constexpr uint32_t kClickAreasElement = 21;

// ---- Meters ----
// Needle rotations on the dial faces, in degrees.
constexpr double kLoadNone = 50.0;
constexpr double kLoadOne = 30.0;
constexpr double kLoadBoth = 0.0;
constexpr double kMeterRest = 55.0;
constexpr double kDcAmpsRest = -4.0;
constexpr double kCsdRiseTestDegC = 85.0;

// CSD temperature at points of the dial; below 20 the needle rests on 20.
constexpr platform::NeedlePoint kCsdScale[] = {
    {79, 224, 0},    {79, 224, 20},  {52, 171, 40},  {56, 112, 60},  {93, 66, 80},
    {150, 48, 100},  {206, 66, 120}, {244, 112, 140}, {248, 171, 160}, {229, 224, 180},
};

double CsdTemperature(int32_t engine) {
  if (!Powered()) return 0.0;
  if (At(g_csdTempDisplaySwitch, kSwitchOn)) return kCsdRiseTestDegC;
  return GetCsdTemperature(engine);
}

// A generator's load: none while it is off line, double while it carries the
// other bus alone too.
double AcLoad(int32_t side) {
  const int32_t other = 1 - side;
  if (IsGeneratorOnline(side) == 0) return kLoadNone;
  const bool carriesOther = IsGeneratorOnline(other) == 0 && IsAcBusPowered(other) != 0 &&
                            IsApuFeedingBus(other) == 0 && IsExternalPowerFeedingBus(other) == 0;
  return carriesOther ? kLoadBoth : kLoadOne;
}

double ApuLoad() {
  const int lit = (IsApuOnBusLampOn(0) != 0) + (IsApuOnBusLampOn(1) != 0);
  return lit == 2 ? kLoadBoth : lit == 1 ? kLoadOne : kLoadNone;
}

int32_t Selector() { return GetSwitch(&g_meterSelector); }
bool ExternalPowerOn() { return At(g_externalPowerSwitch, kExternalPowerAvailable); }

double AcVolts() {
  switch (Selector()) {
    case 1: return GetApuState() == kApuRunning ? -18.0 : kMeterRest;
    case 2: return ExternalPowerOn() ? -25.0 : kMeterRest;
    case 3: return IsEngineRunning(1) != 0 ? -20.0 : kMeterRest;
    case 4: return IsEngineRunning(2) != 0 ? -22.0 : kMeterRest;
    default: return kMeterRest;
  }
}

double Frequency() {
  switch (Selector()) {
    case 1: return At(g_apuGeneratorAvailable, kSwitchOff) ? kMeterRest : -2.0;
    case 2: return ExternalPowerOn() ? 4.0 : kMeterRest;
    case 3: return IsEngineRunning(1) != 0 ? -7.0 : kMeterRest;
    case 4: return IsEngineRunning(2) != 0 ? -5.0 : kMeterRest;
    default: return kMeterRest;
  }
}

// A DC bus reads its volts when its AC bus feeds it, or the other AC bus does
// through the closed DC cross-tie.
bool DcBusFed(int32_t side) {
  return IsAcBusPowered(side) != 0 || (IsAcBusPowered(1 - side) != 0 && At(g_dcBusTieSwitch, kDcBusTieClosed));
}

double DcVoltsAmps() {
  switch (Selector()) {
    case 3: return DcBusFed(0) ? 36.0 : kDcAmpsRest;
    case 4: return DcBusFed(1) ? 32.0 : kDcAmpsRest;
    case 5: return GetBatteryCharge() / 100.0 - 60.0;
    case 6:
      switch (GetBatteryChargeState()) {
        case kBatteryDischarging: return 30.0;
        case kBatteryCharging: return -30.0;
        case kBatteryFull: return IsTickDue(3) != 0 ? -30.0 : kDcAmpsRest;
        default: return 0.0;
      }
    default: return kDcAmpsRest;
  }
}

double DcLoadLeft(int32_t side) { return IsAcBusPowered(side) != 0 ? 15.0 : 40.0; }
double DcLoadRight(int32_t side) { return IsAcBusPowered(side) != 0 ? 165.0 : 140.0; }

constinit ElementChain g_csd1Elements({
    StaticImage("dial", 0, 0, kLit),
    TurningAtMost(Needle("CSD 1", [](ELEMENT_HEADER*) { return CsdTemperature(0); }, 150, 150, kLit, kCsdScale),
                  kQuickNeedleDegPerSec),
});
constinit ElementChain g_csd2Elements({
    StaticImage("dial", 0, 0, kLit),
    TurningAtMost(Needle("CSD 2", [](ELEMENT_HEADER*) { return CsdTemperature(1); }, 150, 150, kLit, kCsdScale),
                  kQuickNeedleDegPerSec),
});
constinit ElementChain g_acLoad1Elements({
    StaticImage("dial", 0, 0, kLit),
    Needle("load", [](ELEMENT_HEADER*) { return AcLoad(0); }, 22, 22, kLit),
});
constinit ElementChain g_acLoad2Elements({
    StaticImage("dial", 0, 0, kLit),
    Needle("load", [](ELEMENT_HEADER*) { return AcLoad(1); }, 22, 22, kLit),
});
constinit ElementChain g_acLoadApuElements({
    StaticImage("dial", 0, 0, kLit),
    Needle("load", [](ELEMENT_HEADER*) { return ApuLoad(); }, 22, 22, kLit),
});
constinit ElementChain g_dcLoad1Elements({
    StaticImage("dial", 0, 0, kLit),
    TurningAtMost(Needle("left", [](ELEMENT_HEADER*) { return DcLoadLeft(0); }, 70, 150, kLit),
                  kQuickNeedleDegPerSec),
    TurningAtMost(Needle("right", [](ELEMENT_HEADER*) { return DcLoadRight(0); }, 230, 150, kLit),
                  kQuickNeedleDegPerSec),
});
constinit ElementChain g_dcLoad2Elements({
    StaticImage("dial", 0, 0, kLit),
    TurningAtMost(Needle("left", [](ELEMENT_HEADER*) { return DcLoadLeft(1); }, 70, 150, kLit),
                  kQuickNeedleDegPerSec),
    TurningAtMost(Needle("right", [](ELEMENT_HEADER*) { return DcLoadRight(1); }, 230, 150, kLit),
                  kQuickNeedleDegPerSec),
});
constinit ElementChain g_acVoltsElements({
    StaticImage("dial", 0, 0, kLit),
    Needle("volts", [](ELEMENT_HEADER*) { return AcVolts(); }, 22, 22, kLit),
});
constinit ElementChain g_dcVoltsAmpsElements({
    StaticImage("dial", 0, 0, kLit),
    Needle("volts and amps", [](ELEMENT_HEADER*) { return DcVoltsAmps(); }, 22, 22, kLit),
});
constinit ElementChain g_frequencyElements({
    StaticImage("dial", 0, 0, kLit),
    Needle("frequency", [](ELEMENT_HEADER*) { return Frequency(); }, 22, 22, kLit),
});

}  // namespace

platform::ELEMENT_HEADER* ElectricalElements() { return g_elements.Head(); }
platform::ELEMENT_HEADER* ElectricalCsd1TemperatureElements() { return g_csd1Elements.Head(); }
platform::ELEMENT_HEADER* ElectricalCsd2TemperatureElements() { return g_csd2Elements.Head(); }
platform::ELEMENT_HEADER* ElectricalAcLoad1Elements() { return g_acLoad1Elements.Head(); }
platform::ELEMENT_HEADER* ElectricalAcLoad2Elements() { return g_acLoad2Elements.Head(); }
platform::ELEMENT_HEADER* ElectricalAcLoadApuElements() { return g_acLoadApuElements.Head(); }
platform::ELEMENT_HEADER* ElectricalDcLoad1Elements() { return g_dcLoad1Elements.Head(); }
platform::ELEMENT_HEADER* ElectricalDcLoad2Elements() { return g_dcLoad2Elements.Head(); }
platform::ELEMENT_HEADER* ElectricalAcVoltsElements() { return g_acVoltsElements.Head(); }
platform::ELEMENT_HEADER* ElectricalDcVoltsAmpsElements() { return g_dcVoltsAmpsElements.Head(); }
platform::ELEMENT_HEADER* ElectricalFrequencyElements() { return g_frequencyElements.Head(); }

void ElectricalGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, kPanelLightElement, IsOclPanelLightOn() != 0);
  ShowClickAreas(gauge, kClickAreasElement);
}

void ElectricalMeterGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  OverheadMeter(gauge, serviceId, 2);
}
void ElectricalDcLoadGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  OverheadMeter(gauge, serviceId, 3);
}

int32_t ElectricalMouseCsd1Inc(PixelPoint, uint32_t flags) {
  return GuardedSwitchControl(g_csdDisconnectGuard1, flags, kClickGuarded1, [] { DisconnectCsd(0); });
}
int32_t ElectricalMouseCsd1Dec(PixelPoint, uint32_t) { return GuardControl(g_csdDisconnectGuard1, kClickGuarded1); }
int32_t ElectricalMouseCsd2Inc(PixelPoint, uint32_t flags) {
  return GuardedSwitchControl(g_csdDisconnectGuard2, flags, kClickGuarded2, [] { DisconnectCsd(1); });
}
int32_t ElectricalMouseCsd2Dec(PixelPoint, uint32_t) { return GuardControl(g_csdDisconnectGuard2, kClickGuarded2); }
int32_t ElectricalMouseCsdRise(PixelPoint, uint32_t flags) {
  return MomentaryControl(g_csdTempDisplaySwitch, flags, kClickButton1);
}
int32_t ElectricalMouseGen1Inc(PixelPoint, uint32_t flags) { return GeneratorInc(g_gen1Switch, flags); }
int32_t ElectricalMouseGen1Dec(PixelPoint, uint32_t) { return Throw(g_gen1Switch, kGenDownSwitching, kClickGuarded1); }
int32_t ElectricalMouseGen2Inc(PixelPoint, uint32_t flags) { return GeneratorInc(g_gen2Switch, flags); }
int32_t ElectricalMouseGen2Dec(PixelPoint, uint32_t) { return Throw(g_gen2Switch, kGenDownSwitching, kClickGuarded1); }
int32_t ElectricalMouseApuGen(PixelPoint, uint32_t flags) {
  if (IsRelease(flags)) return ReleaseTo(g_apuGenSwitch, kApuGenOn, kCsdGuardClosed, kClickToggle2);
  return Throw(g_apuGenSwitch, kApuGenSwitching, kClickToggle2);
}
int32_t ElectricalMouseApuBus1(PixelPoint, uint32_t) { return Throw(g_apuBus1Switch, kOnOff, kClickGuarded1); }
int32_t ElectricalMouseApuBus2(PixelPoint, uint32_t) { return Throw(g_apuBus2Switch, kOnOff, kClickGuarded2); }
int32_t ElectricalMouseExtBus1(PixelPoint, uint32_t) { return Throw(g_externalBus1Switch, kOnOff, kClickGuarded2); }
int32_t ElectricalMouseExtBus2(PixelPoint, uint32_t) { return Throw(g_externalBus2Switch, kOnOff, kClickGuarded2); }
int32_t ElectricalMouseAcBusCrossTie(PixelPoint, uint32_t) { return Throw(g_acBusTieSwitch, kAcTieSwitching, kClickGuarded1); }
int32_t ElectricalMouseDcBusCrossTie(PixelPoint, uint32_t) { return Throw(g_dcBusTieSwitch, kDcTieSwitching, kClickGuarded2); }
int32_t ElectricalMouseGalley(PixelPoint, uint32_t) { return Throw(g_galleyPowerSwitch, kOnOff, kClickGuarded1); }

// The ground cart connects only on the ground; it can be taken away anywhere.
int32_t ElectricalMouseExtPowerAvailable(PixelPoint, uint32_t) {
  if (At(g_externalPowerSwitch, kSwitchOff)) {
    if (OnGround()) SetSwitch(&g_externalPowerSwitch, kExternalPowerAvailable);
    return 1;
  }
  return Throw(g_externalPowerSwitch, kExtPowerSwitching, kNoClick);
}

int32_t ElectricalMouseIndicatorSelectorDec(PixelPoint, uint32_t) {
  const int32_t position = Selector();
  SetSwitch(&g_meterSelector, position > kMeterLow && position <= kMeterHigh ? position - 1 : kMeterLow);
  PlayClick(kClickRotary2);
  return 1;
}
int32_t ElectricalMouseIndicatorSelectorInc(PixelPoint, uint32_t) {
  const int32_t position = Selector();
  SetSwitch(&g_meterSelector, position >= kMeterLow && position < kMeterHigh ? position + 1 : kMeterHigh);
  PlayClick(kClickRotary2);
  return 1;
}

// The CSDs are reconnected on the ground only.
int32_t ElectricalMouseCsdReset(PixelPoint, uint32_t) {
  if (OnGround()) {
    ReconnectCsd(0);
    ReconnectCsd(1);
  }
  return 1;
}

}  // namespace halcyon
