// The pressurisation controller panel and its two meters. The knobs move
// the records and the landing altitude of section "CABIN PRESS"; the
// barometric knob sends the simulator's own barometer events, whose values
// the tapes show. Read the cabin altitude, rate and differential pressure,
// the aircraft's altitude and vertical speed, the units, panel power, the
// lamp test and the overhead light.
#include "gauges/cabin_pressure.h"

#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "gauges/switch_moves.h"
#include "systems/annunciator_lamps.h"
#include "systems/cabin_press.h"
#include "systems/electric.h"
#include "systems/lights.h"
#include "systems/unit_system.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr int32_t kSelectorA = 58;
constexpr int32_t kSelectorB = 59;
constexpr int32_t kRateLimitLow = 1;
constexpr int32_t kRateLimitHigh = 13;
constexpr int32_t kLandingAltCoarse = 1;
constexpr int32_t kLandingAltFine = 2;
constexpr uint32_t kKeyEventBaroUp = 65883;
constexpr uint32_t kKeyEventBaroDown = 65884;

// The tapes: the millibar tape spans 944..1080, the inch tape 28..32, the
// landing altitude tape -1500..14000 ft over 0..15500.
constexpr double kMillibarTapeTop = 2032.0;
constexpr double kInHgTapeTop = 60.0;
constexpr double kLandingTapeTop = 15500.0;
constexpr double kLandingTapeZeroFt = 1500.0;

constexpr Move kSelectorMoves[] = {{kSelectorA, kSelectorB}, {kSelectorB, kSelectorA}};
constexpr Switching kSelectorSwitching{kSelectorMoves, kSelectorA};

bool Powered() { return IsPanelPowered() != 0; }
// A tape's position held within its strip, whatever the simulator reports.
double Tape(double position, double low, double high) { return PoweredNeedle(true, position, low, low, high); }
bool At(const CSwitch& record, int32_t position) { return GetSwitch(&record) == position; }

constinit ElementChain g_elements({
    StaticImage("panel"),
    StaticImage("panel light", 0, -35),
    MovingImage("millibar tape", 94, 2, 944.0, 1080.0,
                [](ELEMENT_HEADER* e) { return Tape(kMillibarTapeTop - e->tokenValue, 944.0, 1080.0); }, kLit,
                Token::AltimeterMb),
    MovingImage("inch tape", 94, 2, 28.0, 32.0,
                [](ELEMENT_HEADER* e) { return Tape(kInHgTapeTop - e->tokenValue, 28.0, 32.0); }, kLit,
                Token::AltimeterInHg),
    MovingImage("landing altitude tape", 44, 2, 0.0, kLandingTapeTop,
                [](ELEMENT_HEADER*) { return kLandingTapeTop - (GetLandingAltitude() + kLandingTapeZeroFt); }, kLit),
    Icon("rate limit", 131, 34, 13,
         [](ELEMENT_HEADER*) {
           const int32_t position = GetSwitch(&g_cabinRateLimitKnob);
           return position >= kRateLimitLow && position <= kRateLimitHigh ? position - 1.0 : 0.0;
         }),
    Icon("flow test lamp", 136, 5, 2, [](ELEMENT_HEADER*) { return Lamp(Powered(), At(g_cabinPanelObject, kSwitchOn)); }),
    Icon("system selector", -3, 29, 2, [](ELEMENT_HEADER*) { return At(g_cabinSystemSelector, kSelectorB) ? 1.0 : 0.0; }),
    Icon("selector lamp", 0, 0, 2, [](ELEMENT_HEADER*) { return Lamp(Powered(), At(g_cabinSystemSelector, kSelectorA)); }),
    StaticImage("click areas"),
});
constexpr uint32_t kMillibarTape = 2;
constexpr uint32_t kInHgTape = 3;

constexpr platform::NeedlePoint kAltitudeScale[] = {
    {200, 64, 0},      {241, 71, 1000},   {279, 90, 2000},   {310, 120, 3000},  {329, 158, 4000},
    {336, 200, 5000},  {329, 242, 6000},  {310, 280, 7000},  {279, 310, 8000},  {248, 327, 9000},
    {213, 335, 10000}, {182, 335, 11000}, {152, 327, 12000}, {126, 314, 13000}, {105, 297, 14000},
    {87, 276, 15000},  {69, 236, 20000},  {64, 200, 25000},  {67, 170, 30000},
};
constexpr platform::NeedlePoint kDiffPressureScale[] = {
    {200, 137, 0}, {233, 147, 1}, {256, 172, 2}, {263, 207, 3}, {249, 239, 4},
    {221, 259, 5}, {188, 262, 6}, {156, 245, 7}, {139, 215, 8}, {140, 180, 9},
};
constexpr platform::NeedlePoint kClimbScale[] = {
    {265, 200, -2000}, {252, 237, -1500}, {196, 277, -1000}, {104, 274, -500}, {17, 150, 0},
    {104, 24, 500},    {196, 24, 1000},   {252, 65, 1500},   {265, 100, 2000},
};
constexpr double kDiffPressureMaxPsi = 9.0;
constexpr double kClimbLimitFpm = 2000.0;  // the dial's ends

double DiffPressure() {
  const double psi = GetCabinDiffPressure();
  return psi < 0.0 ? 0.0 : psi > kDiffPressureMaxPsi ? kDiffPressureMaxPsi : psi;
}

// The cabin's own rate, unless the simulator has the needle follow the
// aircraft, or the cabin descends while at or above the aircraft.
double CabinClimb() {
  const double aircraftFt = ReadToken(Token::AltitudeFt);
  const double verticalSpeedFpm = ReadVerticalSpeedFpm();
  // With a door open the cabin follows the aircraft, as with the outflow
  // valve open: the needle shows the aircraft's vertical speed.
  const double follows = ReadToken(Token::DoorsOpen);
  const double rateFpm = GetCabinRate() * 60.0;
  const double climbFpm = follows == 0.0 && (rateFpm >= 0.0 || GetCabinAltitude() < aircraftFt)
                             ? rateFpm
                             : verticalSpeedFpm;
  return PoweredNeedle(true, climbFpm, 0.0, kClimbLimitFpm * -1.0, kClimbLimitFpm);
}

constinit ElementChain g_indicatorElements({
    StaticImage("dial", 0, 0, kLit),
    TurningAtMost(Needle("cabin altitude", [](ELEMENT_HEADER*) { return GetCabinAltitude(); },
                         200, 200, kLit, kAltitudeScale),
                  kQuickNeedleDegPerSec),
    TurningAtMost(Needle("differential pressure", [](ELEMENT_HEADER*) { return DiffPressure(); },
                         200, 200, kLit, kDiffPressureScale),
                  kQuickNeedleDegPerSec),
});
constinit ElementChain g_climbElements({
    StaticImage("dial", 0, 0, kLit),
    TurningAtMost(Needle("climb", [](ELEMENT_HEADER*) { return CabinClimb(); }, 150, 150, kLit, kClimbScale),
                  kSlowNeedleDegPerSec),
});

int32_t LandingAltitude(void (*change)(int32_t), int32_t step) {
  change(step);
  PlayClick(kClickKnob);
  return 1;
}

int32_t RateLimit(int32_t step) {
  return StepWithin(g_cabinRateLimitKnob, kRateLimitLow, kRateLimitHigh, step, kClickKnob);
}

}  // namespace

platform::ELEMENT_HEADER* CabinPressureElements() { return g_elements.Head(); }
platform::ELEMENT_HEADER* CabinPressureIndicatorElements() { return g_indicatorElements.Head(); }
platform::ELEMENT_HEADER* CabinClimbElements() { return g_climbElements.Head(); }

// The tape of the units in use is shown after the relight, so that the end
// of a relight (which shows its whole range) never flashes the other tape.
void CabinPressureGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreInitialize) ArmRelight(gauge);
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, 1, IsOclPanelLightOn() != 0);
  ShowClickAreas(gauge, 9);
  const bool relighting = Relight(gauge, {2, 5}, IsOclPanelLightLit() != 0);
  const bool metric = IsMetricUnits() != 0;
  ShowElement(gauge, kMillibarTape, metric && !relighting);
  ShowElement(gauge, kInHgTape, !metric && !relighting);
}

void CabinPressureIndicatorGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  OverheadMeter(gauge, serviceId, 3);
}
void CabinClimbGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) { OverheadMeter(gauge, serviceId, 2); }

int32_t CabinPressureMouseSystemSelector(PixelPoint, uint32_t) {
  return Throw(g_cabinSystemSelector, kSelectorSwitching, kClickToggle1);
}
int32_t CabinPressureMouseLandingAltCoarseDec(PixelPoint, uint32_t) {
  return LandingAltitude(DecLandingAltitude, kLandingAltCoarse);
}
int32_t CabinPressureMouseLandingAltCoarseInc(PixelPoint, uint32_t) {
  return LandingAltitude(IncLandingAltitude, kLandingAltCoarse);
}
int32_t CabinPressureMouseLandingAltFineDec(PixelPoint, uint32_t) {
  return LandingAltitude(DecLandingAltitude, kLandingAltFine);
}
int32_t CabinPressureMouseLandingAltFineInc(PixelPoint, uint32_t) {
  return LandingAltitude(IncLandingAltitude, kLandingAltFine);
}
int32_t CabinPressureMouseLandingBaroDec(PixelPoint, uint32_t) { return SendKeyControl(kKeyEventBaroDown, 0, kClickKnob); }
int32_t CabinPressureMouseLandingBaroInc(PixelPoint, uint32_t) { return SendKeyControl(kKeyEventBaroUp, 0, kClickKnob); }
int32_t CabinPressureMouseFlowLightTest(PixelPoint, uint32_t flags) {
  if (IsRelease(flags)) return ReleaseTo(g_cabinPanelObject, kSwitchOn, kSwitchOff, kClickButton1);
  SetSwitch(&g_cabinPanelObject, kSwitchOn);
  PlayClick(kClickButton1);
  return 1;
}
int32_t CabinPressureMouseRateLimitDec(PixelPoint, uint32_t) { return RateLimit(-1); }
int32_t CabinPressureMouseRateLimitInc(PixelPoint, uint32_t) { return RateLimit(1); }

}  // namespace halcyon
