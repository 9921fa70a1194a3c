// The "Clock", "FGCP Lights" and "Brake_Pressure" gauges. Read the
// simulator's UTC and seconds tokens, the hydraulic pressures, panel power
// and the side panel light; drive the simulator's clock keys and the FGCP
// lighting switches.
#include "gauges/clock.h"

#include <cmath>

#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/hydraulics.h"
#include "systems/lights.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;

constexpr double kUp = 270.0;  // twelve o'clock, in degrees
constexpr uint32_t kKeyEventClockLeft = 65657;
constexpr uint32_t kKeyEventClockRight = 65658;

// ---- Clock ----
constinit ElementChain g_clockElements({
    StaticImage("face", 0, 0, kLit),
    Needle("hour hand", ClockElemHourHand, 150, 150, kLit),
    Needle("minute hand", ClockElemMinuteHand, 150, 150, kLit),
    Needle("second hand", ClockElemSecondHand, 150, 150, kLit),
    StaticImage("click areas"),
});
// The hour and minute hands turn on the values the pre-draw read.
double g_zuluHour = 0.0;
double g_zuluMinute = 0.0;
double g_second = 0.0;

// ---- FGCP Lights ----
constinit ElementChain g_fgcpLightsElements({
    StaticImage("face"),
    StaticImage("click areas"),
});

// ---- Brake_Pressure ----
// Pressure in psi at pixel points of the dial; the first mark is -500.
constexpr platform::NeedlePoint kBrakeScale[] = {
    {211, 75, -500}, {246, 133, 1000}, {183, 241, 2000}, {65, 199, 3000}, {86, 75, 4000},
};
constinit ElementChain g_brakePressureElements({
    StaticImage("dial", 0, 0, kLit),
    Needle("system 2", BrakePressureElemSystem2, 150, 150, kLit, kBrakeScale),
    Needle("system 1", BrakePressureElemSystem1, 150, 150, kLit, kBrakeScale),
});

// A hand whose time is not a number stands at twelve.
double Hand(double degrees) { return std::isfinite(degrees) ? degrees : kUp; }

double BrakePressure(int32_t system) { return IsPanelPowered() != 0 ? GetHydraulicPressure(system) : 0.0; }

}  // namespace

platform::ELEMENT_HEADER* ClockElements() { return g_clockElements.Head(); }
platform::ELEMENT_HEADER* FgcpLightsElements() { return g_fgcpLightsElements.Head(); }
platform::ELEMENT_HEADER* BrakePressureElements() { return g_brakePressureElements.Head(); }

void ClockGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreInitialize) ArmRelight(gauge);
  if (serviceId != platform::kServicePreDraw) return;
  g_zuluHour = ReadToken(Token::ZuluHour);
  g_zuluMinute = ReadToken(Token::ZuluMinute);
  g_second = ReadToken(Token::ClockSecond);
  ReadToken(Token::Tick18);
  ShowClickAreas(gauge, 4);
  Relight(gauge, {0, 4, platform::kImageClockBit}, IsSidePanelLightOn() != 0);
}

double ClockElemHourHand(ELEMENT_HEADER*) { return Hand(g_zuluHour * 30.0 + g_zuluMinute * 0.5 + kUp); }
double ClockElemMinuteHand(ELEMENT_HEADER*) { return Hand(g_zuluMinute * 6.0 + g_second * 0.1 + kUp); }

// The sweep: the seconds, one behind, and the fraction of the second from
// the simulator's running clock.
double ClockElemSecondHand(ELEMENT_HEADER*) {
  const double seconds = ReadToken(Token::ClockSecond);
  const double clock = ReadToken(Token::SimulatorClockSeconds);
  const double fraction = std::isfinite(clock) ? clock - std::trunc(clock) : 0.0;
  return Hand(fraction * 10.0 * 0.6 + (seconds - 1.0) * 6.0 + kUp);
}

int32_t ClockMouseLeft(platform::PixelPoint, uint32_t) { return SendKeyControl(kKeyEventClockLeft, 0, kClickKnob); }
int32_t ClockMouseRight(platform::PixelPoint, uint32_t) { return SendKeyControl(kKeyEventClockRight, 0, kClickKnob); }

void FgcpLightsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, 1);
}

int32_t FgcpLightsMouseBacklight(platform::PixelPoint, uint32_t) {
  return ToggleControl(g_fgcpBacklightSwitch, kClickKnob);
}
int32_t FgcpLightsMouseDigital(platform::PixelPoint, uint32_t) { return ToggleControl(g_fgcpDigitalSwitch, kClickKnob); }

void BrakePressureGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreInitialize) ArmRelight(gauge);
  if (serviceId == platform::kServicePreDraw) Relight(gauge, {0, 3}, IsSidePanelLightOn() != 0);
}

double BrakePressureElemSystem1(ELEMENT_HEADER*) { return BrakePressure(1); }
double BrakePressureElemSystem2(ELEMENT_HEADER*) { return BrakePressure(2); }

}  // namespace halcyon
