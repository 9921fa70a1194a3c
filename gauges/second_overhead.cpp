// The second overhead panel's small gauges. The switches are the records of
// sections "RECIRCULATION FAN", "GSEP", "EFDS", "OXYGEN" and "FDR"; the
// meters read the duct pressure, the heater current the ice protection
// meter selector picks, the voice recorder's test meter and the oxygen
// master. The EFDS lamps show real fires and the fire test by loop switch.
// Reads panel power, the lamp test, ground and APU power availability and
// the overhead panel light.
#include "gauges/second_overhead.h"

#include "core/switch.h"
#include "gauges/gauge_kit.h"
#include "gauges/switch_moves.h"
#include "systems/annunciator_lamps.h"
#include "systems/apu.h"
#include "systems/electric.h"
#include "systems/fire_protection.h"
#include "systems/ground_service.h"
#include "systems/ice_protection.h"
#include "systems/kept_controls.h"
#include "systems/lights.h"
#include "systems/pneumatics.h"
#include "systems/various.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr int32_t kFanHigh = 44;
enum EfdsLoop : int32_t { kLoopUpper = 98, kLoopBoth = 97, kLoopLower = 99 };
constexpr int32_t kOxygenOne = 1;
constexpr int32_t kOxygenTwo = 2;
enum FdrTest : int32_t { kFdrNormal = 43, kFdrMiddle = 125, kFdrTest = 64 };
constexpr double kVoiceRecorderRest = 45.0;
constexpr double kOxygenFull = 55.0;

// The recirculation fan, top to bottom: 120, 41, 44; it clicks on every
// press, also into its fallback.
constexpr Move kFanUpMoves[] = {{kFanHigh, kSwitchOn}, {kSwitchOn, kSwitchOff}};
constexpr Switching kFanUp{kFanUpMoves, kSwitchOff, true};
constexpr Move kFanDownMoves[] = {{kSwitchOff, kSwitchOn}, {kSwitchOn, kFanHigh}};
constexpr Switching kFanDown{kFanDownMoves, kSwitchOff, true};
// GSEP power switches: a stray position goes to on.
constexpr Move kGsepMoves[] = {{kSwitchOn, kSwitchOff}, {kSwitchOff, kSwitchOn}};
constexpr Switching kGsepPower{kGsepMoves, kSwitchOn};
// EFDS loops: out of the centre to one side and back.
constexpr Move kLoopUpMoves[] = {{kLoopBoth, kLoopUpper}, {kLoopLower, kLoopBoth}};
constexpr Switching kLoopUp{kLoopUpMoves, kLoopUpper};
constexpr Move kLoopDownMoves[] = {{kLoopBoth, kLoopLower}, {kLoopUpper, kLoopBoth}};
constexpr Switching kLoopDown{kLoopDownMoves, kLoopLower};
constexpr Move kOxygenMoves[] = {{kOxygenOne, kOxygenTwo}, {kOxygenTwo, kOxygenOne}};
constexpr Switching kOxygen{kOxygenMoves, kOxygenOne};
// Flight recorder test, top to bottom: 43, 125, 64; at the top the upper
// half goes to its fallback, the top itself, silently.
constexpr Move kFdrUpMoves[] = {{kFdrTest, kFdrMiddle}, {kFdrMiddle, kFdrNormal}};
constexpr Switching kFdrUp{kFdrUpMoves, kFdrNormal};
constexpr Move kFdrDownMoves[] = {{kFdrNormal, kFdrMiddle}, {kFdrMiddle, kFdrTest}};
constexpr Switching kFdrDown{kFdrDownMoves, kFdrTest};

bool Powered() { return IsPanelPowered() != 0; }
bool At(const CSwitch& record, int32_t position) { return GetSwitch(&record) == position; }
double Frame(bool on) { return on ? 1.0 : 0.0; }

// ---- Meters ----
constexpr platform::NeedlePoint kPneumaticScale[] = {
    {100, 17, 0}, {176, 66, 20}, {163, 153, 40}, {77, 179, 60}, {18, 112, 80}, {55, 30, 100}, {100, 17, 200},
};

// The heater current of the circuit the ice protection meter selector picks;
// the first reads the pitot heaters, powered on the ground.
constexpr double kHeaterCurrents[] = {0.0, 55.0, 55.0, 10.0, 15.0, 5.0, 0.0, 7.0, 4.0, 10.0, 5.0};
constexpr double kPitotHeaterOff = -10.0;

double HeaterCurrent() {
  const int32_t position = GetSwitch(&g_pitotMeterSelector);
  if (position < 1 || position > 10) return 0.0;
  if (position == 1 && IsSimVar60Set() == 0) return kPitotHeaterOff;
  return kHeaterCurrents[position];
}

constinit ElementChain g_pneumaticElements({
    StaticImage("dial", 0, 0, kLit),
    TurningAtMost(Needle("duct pressure", [](ELEMENT_HEADER*) { return GetPneumaticPressure(); },
                         100, 100, kLit, kPneumaticScale),
                  kSlowNeedleDegPerSec),
});
constinit ElementChain g_heaterElements({
    StaticImage("dial", 0, 0, kLit),
    Sprite("current", 22, 22, [](ELEMENT_HEADER*) { return HeaterCurrent(); }, kLit),
});
constinit ElementChain g_voiceMeterElements({
    StaticImage("dial", 0, 0, kLit),
    Sprite("level", 0, 12, [](ELEMENT_HEADER*) { return Powered() ? GetVoiceRecorderMeter() : kVoiceRecorderRest; }, kLit),
});
constinit ElementChain g_oxygenPressureElements({
    StaticImage("dial", 0, 0, kLit),
    Sprite("pressure", 22, 22, [](ELEMENT_HEADER*) { return At(g_oxygenMasterSwitch, kOxygenOne) ? kOxygenFull : 0.0; },
           kLit),
});

// ---- Switch panels ----
double FanFrame() {
  const int32_t position = GetSwitch(&g_recirculationFanSwitch);
  return position == kSwitchOn ? 1.0 : position == kFanHigh ? 2.0 : 0.0;
}

bool ApuAvailable() { return At(g_apuGeneratorAvailable, kApuGeneratorIsAvailable); }
bool ExternalAvailable() { return At(g_externalPowerSwitch, kExternalPowerAvailable); }
bool ExternalInUse() { return At(g_gsepExternalSwitch, kSwitchOn) && ExternalAvailable(); }

// A loop lamp: a real fire lights both lamps of its loop; the fire test
// lights them by the loop switch, both in the centre, else its own side's.
double LoopLamp(bool onFire, const CSwitch& loopSwitch, int32_t side) {
  const int32_t position = GetSwitch(&loopSwitch);
  const bool tested = IsFireTestPressed() != 0 && (position == kLoopBoth || position == side);
  return Lamp(Powered(), onFire || tested);
}
bool EngineFire(int32_t engine) { return IsEngineOnFire(engine) != 0; }

double LoopFrame(const CSwitch& record) {
  const int32_t position = GetSwitch(&record);
  return position == kLoopBoth ? 1.0 : position == kLoopLower ? 2.0 : 0.0;
}

constinit ElementChain g_fanElements({
    StaticImage("panel"),
    StaticImage("panel light"),
    Icon("fan switch", 29, 17, 3, [](ELEMENT_HEADER*) { return FanFrame(); }),
    StaticImage("click areas", 20, 17),
});
constinit ElementChain g_voiceRecorderElements({
    StaticImage("panel"),
    StaticImage("panel light"),
    StaticImage("click areas", 10, 0),
});
constinit ElementChain g_gsepElements({
    StaticImage("panel"),
    StaticImage("panel light"),
    Icon("APU available", 120, 21, 2, [](ELEMENT_HEADER*) { return Lamp(Powered(), ApuAvailable()); }),
    Icon("external available", 121, 79, 2, [](ELEMENT_HEADER*) { return Lamp(Powered(), ExternalAvailable()); }),
    Icon("APU switch", 88, 13, 2, [](ELEMENT_HEADER*) { return Frame(At(g_gsepApuSwitch, kSwitchOn)); }),
    Icon("external switch", 89, 71, 2, [](ELEMENT_HEADER*) { return Frame(At(g_gsepExternalSwitch, kSwitchOn)); }),
    // The APU's in-use lamp goes out while external power is in use.
    Icon("APU in use", 49, 23, 2,
         [](ELEMENT_HEADER*) {
           return Lamp(Powered(), At(g_gsepApuSwitch, kSwitchOn) && ApuAvailable() && !ExternalInUse());
         }),
    Icon("external in use", 50, 81, 2, [](ELEMENT_HEADER*) { return Lamp(Powered(), ExternalInUse()); }),
    Icon("maintenance phone", 190, 56, 2, [](ELEMENT_HEADER*) { return Frame(At(g_gsepMaintPhone, kSwitchOn)); }),
    StaticImage("click areas", 73, 15),
});
constinit ElementChain g_efdsElements({
    StaticImage("panel"),
    StaticImage("panel light"),
    Icon("APU upper", 90, 13, 2, [](ELEMENT_HEADER*) { return LoopLamp(IsApuOnFire() != 0, g_efdsApuSwitch, kLoopUpper); }),
    Icon("APU lower", 88, 126, 2, [](ELEMENT_HEADER*) { return LoopLamp(IsApuOnFire() != 0, g_efdsApuSwitch, kLoopLower); }),
    Icon("engine 1 upper", 21, 73, 2, [](ELEMENT_HEADER*) { return LoopLamp(EngineFire(1), g_efdsEngineLeftSwitch, kLoopUpper); }),
    Icon("engine 1 lower", 20, 185, 2, [](ELEMENT_HEADER*) { return LoopLamp(EngineFire(1), g_efdsEngineLeftSwitch, kLoopLower); }),
    Icon("engine 2 upper", 154, 73, 2, [](ELEMENT_HEADER*) { return LoopLamp(EngineFire(2), g_efdsEngineRightSwitch, kLoopUpper); }),
    Icon("engine 2 lower", 153, 185, 2, [](ELEMENT_HEADER*) { return LoopLamp(EngineFire(2), g_efdsEngineRightSwitch, kLoopLower); }),
    Icon("APU loop", 96, 64, 3, [](ELEMENT_HEADER*) { return LoopFrame(g_efdsApuSwitch); }),
    Icon("engine 1 loop", 28, 124, 3, [](ELEMENT_HEADER*) { return LoopFrame(g_efdsEngineLeftSwitch); }),
    Icon("engine 2 loop", 161, 124, 3, [](ELEMENT_HEADER*) { return LoopFrame(g_efdsEngineRightSwitch); }),
    StaticImage("click areas", 10, 57),
});
constinit ElementChain g_oxygenElements({
    StaticImage("panel"),
    StaticImage("panel light"),
    Icon("supply regulator", 117, 72, 2, [](ELEMENT_HEADER*) { return Frame(At(g_oxygenSupplyRegulator, kOxygenTwo)); }),
    Icon("master", 186, 71, 2, [](ELEMENT_HEADER*) { return Frame(At(g_oxygenMasterSwitch, kOxygenTwo)); }),
    StaticImage("click areas", 101, 56),
});
constinit ElementChain g_fdrElements({
    StaticImage("panel"),
    StaticImage("panel light"),
    Icon("test switch", 150, 0, 3,
         [](ELEMENT_HEADER*) {
           const int32_t position = GetSwitch(&g_fdrTestSwitch);
           return position == kFdrMiddle ? 1.0 : position == kFdrTest ? 2.0 : 0.0;
         }),
    StaticImage("click areas", 149, 0),
});

}  // namespace

platform::ELEMENT_HEADER* PneumaticPressureElements() { return g_pneumaticElements.Head(); }
platform::ELEMENT_HEADER* HeaterCurrentElements() { return g_heaterElements.Head(); }
platform::ELEMENT_HEADER* VoiceRecorderMeterElements() { return g_voiceMeterElements.Head(); }
platform::ELEMENT_HEADER* OxygenPressureElements() { return g_oxygenPressureElements.Head(); }
platform::ELEMENT_HEADER* RecirculationFanElements() { return g_fanElements.Head(); }
platform::ELEMENT_HEADER* VoiceRecorderElements() { return g_voiceRecorderElements.Head(); }
platform::ELEMENT_HEADER* GsepElements() { return g_gsepElements.Head(); }
platform::ELEMENT_HEADER* EfdsElements() { return g_efdsElements.Head(); }
platform::ELEMENT_HEADER* OxygenRegulatorElements() { return g_oxygenElements.Head(); }
platform::ELEMENT_HEADER* FlightRecorderElements() { return g_fdrElements.Head(); }

void SecondOverheadMeterGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  OverheadMeter(gauge, serviceId, 2);
}
void RecirculationFanGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  OverheadPanelOverlays(gauge, serviceId, 3);
}
void VoiceRecorderGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) { OverheadPanelOverlays(gauge, serviceId, 2); }
void GsepGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) { OverheadPanelOverlays(gauge, serviceId, 9); }
void EfdsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) { OverheadPanelOverlays(gauge, serviceId, 11); }
void OxygenRegulatorGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  OverheadPanelOverlays(gauge, serviceId, 4);
}
void FlightRecorderGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  OverheadPanelOverlays(gauge, serviceId, 3);
}

int32_t RecirculationFanMouseSwitchInc(PixelPoint, uint32_t) {
  return Throw(g_recirculationFanSwitch, kFanUp, kClickToggle2);
}
int32_t RecirculationFanMouseSwitchDec(PixelPoint, uint32_t) {
  return Throw(g_recirculationFanSwitch, kFanDown, kClickToggle2);
}
int32_t VoiceRecorderMouseTest(PixelPoint, uint32_t) {
  StartVoiceRecorderTest();
  PlayClick(kClickButton1);
  return 1;
}
int32_t GsepMouseApu(PixelPoint, uint32_t) { return Throw(g_gsepApuSwitch, kGsepPower, kClickToggle1); }
int32_t GsepMouseExternal(PixelPoint, uint32_t) { return Throw(g_gsepExternalSwitch, kGsepPower, kClickToggle2); }
int32_t GsepMouseMaintenancePhone(PixelPoint, uint32_t) { return Throw(g_gsepMaintPhone, kOnOff, kClickToggle1); }
int32_t EfdsMouseApuInc(PixelPoint, uint32_t) { return Throw(g_efdsApuSwitch, kLoopUp, kClickToggle1); }
int32_t EfdsMouseApuDec(PixelPoint, uint32_t) { return Throw(g_efdsApuSwitch, kLoopDown, kClickToggle1); }
int32_t EfdsMouseEngine1Inc(PixelPoint, uint32_t) { return Throw(g_efdsEngineLeftSwitch, kLoopUp, kClickToggle2); }
int32_t EfdsMouseEngine1Dec(PixelPoint, uint32_t) { return Throw(g_efdsEngineLeftSwitch, kLoopDown, kClickToggle2); }
int32_t EfdsMouseEngine2Inc(PixelPoint, uint32_t) { return Throw(g_efdsEngineRightSwitch, kLoopUp, kClickToggle1); }
int32_t EfdsMouseEngine2Dec(PixelPoint, uint32_t) { return Throw(g_efdsEngineRightSwitch, kLoopDown, kClickToggle1); }
int32_t OxygenRegulatorMouseSupplyRegulator(PixelPoint, uint32_t) {
  return Throw(g_oxygenSupplyRegulator, kOxygen, kClickGuarded1);
}
int32_t OxygenRegulatorMouseMaster(PixelPoint, uint32_t) { return Throw(g_oxygenMasterSwitch, kOxygen, kClickToggle2); }
int32_t FlightRecorderMouseTestInc(PixelPoint, uint32_t) { return Throw(g_fdrTestSwitch, kFdrUp, kClickToggle1); }
int32_t FlightRecorderMouseTestDec(PixelPoint, uint32_t) { return Throw(g_fdrTestSwitch, kFdrDown, kClickToggle1); }

}  // namespace halcyon
