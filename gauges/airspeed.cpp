// The "Airspeed" gauge. Reads IAS, the maximum operating speed and Mach
// (bound to their elements), the autopilot's speed holds and targets, the
// flight guidance's speed mode and targets, the speed bugs, panel power and
// the side panel light; drives the lifecycle, the speed bugs and the
// speed-cards window.
#include "gauges/airspeed.h"

#include <array>
#include <cmath>
#include <iterator>

#include "core/helpers.h"
#include "core/lifecycle.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/lights.h"
#include "systems/speed_bugs.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;

constexpr double kDialLowKt = 40.0;
constexpr double kDialHighKt = 450.0;
// The maximum-speed needle reads its variable raw (knots x its scale).
constexpr double kMaxSpeedScale = TokenScale(Token::MaxOperatingSpeed);
constexpr double kMaxSpeedResting = 257.5 * kMaxSpeedScale;
constexpr double kMachScale = TokenScale(Token::Mach);
constexpr double kMachDrumRestBelow = 0.15;
constexpr uint32_t kSpeedCardsWindow = 10160;
constexpr int32_t kPitchModeIas = 2;
constexpr int32_t kPitchModeMach = 3;

// The dial: knots at pixel points of the 400 x 400 face.
constexpr platform::NeedlePoint kDialScale[] = {
    {179, 64, 40},   {198, 63, 60},   {218, 65, 70},   {251, 74, 80},   {304, 115, 100}, {328, 168, 120},
    {328, 226, 140}, {303, 279, 160}, {260, 314, 180}, {197, 331, 200}, {139, 318, 220}, {92, 280, 240},
    {75, 255, 250},  {62, 204, 300},  {70, 153, 350},  {96, 109, 400},  {138, 76, 450},
};
// The same points for the striped needle, in its raw variable, starting from 0.
constexpr auto kMaxSpeedDialScale = [] {
  std::array<platform::NeedlePoint, std::size(kDialScale)> points{};
  for (size_t i = 0; i < points.size(); ++i) {
    points[i] = {kDialScale[i].x, kDialScale[i].y, i == 0 ? 0.0 : kDialScale[i].value * kMaxSpeedScale};
  }
  return points;
}();

constinit ElementChain g_elements({
    StaticImage("dial face", 0, 0, kLit),
    Needle("speed-command bug", AirspeedElemTargetBug, 197, 197, kLit, kDialScale),
    MovingImage("Mach tenths", 146, 102, 0, 99, AirspeedElemMachTenths, kLit, Token::Mach),
    MovingImage("Mach hundredths", 182, 102, 0, 99, AirspeedElemMachHundredths, kLit, Token::Mach),
    MovingImage("Mach thousandths", 217, 102, 0, 99, AirspeedElemMachThousandths, kLit, Token::Mach),
    Icon("Mach OFF flag", 143, 117, 2, AirspeedElemMachOffFlag, kLit),
    Needle("maximum speed", AirspeedElemMaxSpeedNeedle, 197, 197, kLit, kMaxSpeedDialScale, Token::MaxOperatingSpeed),
    Needle("IAS", AirspeedElemIasNeedle, 197, 197, kLit, kDialScale, Token::IndicatedAirspeedKt),
    Icon("IAS OFF flag", 250, 172, 2, AirspeedElemOffFlag, kLit),
    Needle("bug 5", AirspeedElemBug5, 197, 197, kLit, kDialScale),
    Needle("bug 4", AirspeedElemBug4, 197, 197, kLit, kDialScale),
    Needle("bug 3", AirspeedElemBug3, 197, 197, kLit, kDialScale),
    Needle("bug 2", AirspeedElemBug2, 197, 197, kLit, kDialScale),
    Needle("bug 1", AirspeedElemBug1, 197, 197, kLit, kDialScale),
    StaticImage("click areas"),
    StaticFrame("speed-cards frame", 0, 84, 400, 232),
});

constexpr uint32_t kClickAreasElement = 14;
constexpr uint32_t kSpeedCardsFrameElement = 15;
constexpr RelightRange kRelit{0, 14};

bool Powered() { return IsPanelPowered() != 0; }

// A Mach target as knots on the dial: Mach x Vmo / Mmo. A maximum Mach of
// zero or below, or a result that is not a number, gives no target.
bool MachAsKnots(double mach, double* knots) {
  const double mmo = ReadToken(Token::MaxOperatingMach);
  if (!(mmo > 0.0)) return false;
  *knots = mach * ReadScaledToken(Token::MaxOperatingSpeed) / mmo;
  return std::isfinite(*knots);
}

// The speed the command bug shows, by the first source that has one.
double CommandSpeedKt() {
  double knots = 0.0;
  if (ReadToken(Token::AutopilotMachHold) != 0.0 && MachAsKnots(ReadToken(Token::AutopilotMach), &knots)) {
    return knots;
  }
  if (ReadToken(Token::AutopilotAirspeedHold) != 0.0) return ReadToken(Token::AutopilotAirspeedKt);
  const int32_t pitchMode = GetDfgsPitchMode();
  if (pitchMode == kPitchModeMach && MachAsKnots(GetDfgsMachTarget(), &knots)) return knots;
  if (pitchMode == kPitchModeIas) return GetDfgsIasTarget();
  // VNAV in its phase 2 names no target of its own: the bug stays on the
  // autopilot's held speed, as it does when nothing else commands one.
  return ReadToken(Token::AutopilotAirspeedKt);
}

// One Mach drum: a strip of ten positions a digit, read from the bottom.
// `perMach` takes Mach to the drum's digit and those above it (100 for the
// tenths: Mach 0.78 gives 78); `rollAbove` and `rollModulus` say when the
// digits below pass from 9 to 0.
double MachDrum(const ELEMENT_HEADER* element, double perMach, int64_t rollModulus, int64_t rollAbove,
                int32_t restingPosition) {
  const double mach = element->tokenValue / kMachScale;
  if (!(mach > kMachDrumRestBelow)) return 99 - restingPosition;
  constexpr double kTolerance = 1e-6;  // a decimal Mach stored a hair low still reads its digit
  const int64_t n = TruncateSaturated<int64_t>(mach * perMach + kTolerance) % 100;
  int64_t position = n - n % 10;
  const int64_t f = TruncateSaturated<int64_t>(mach * 100000.0 + kTolerance);
  if (f % rollModulus > rollAbove) position += f % 10;
  return static_cast<double>(99 - position);
}

double Bug(int32_t bug) { return GetSpeedBug(bug); }

int32_t StepBug(int32_t bug, int32_t direction) {
  StepSpeedBug(bug, direction);
  PlayClick(kClickKnob);
  return 1;
}

}  // namespace

platform::ELEMENT_HEADER* AirspeedElements() { return g_elements.Head(); }

void AirspeedGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  RunSystemsLifecycle(serviceId);
  if (serviceId == platform::kServicePreInitialize) ArmRelight(gauge);
  if (serviceId != platform::kServicePreDraw) return;
  ShowClickAreas(gauge, kClickAreasElement);
  ShowElement(gauge, kSpeedCardsFrameElement, GetOption(kOptionHotspots) != 0);
  Relight(gauge, kRelit, IsSidePanelLightOn() != 0);
}

double AirspeedElemIasNeedle(ELEMENT_HEADER* element) {
  return PoweredNeedle(Powered(), element->tokenValue, kDialLowKt, kDialLowKt, kDialHighKt);
}

double AirspeedElemMaxSpeedNeedle(ELEMENT_HEADER* element) {
  return PoweredNeedle(Powered(), element->tokenValue, kMaxSpeedResting, 0.0, kDialHighKt * kMaxSpeedScale);
}

double AirspeedElemTargetBug(ELEMENT_HEADER*) {
  if (!Powered()) return kDialLowKt;
  return PoweredNeedle(true, CommandSpeedKt(), kDialLowKt, kDialLowKt, kDialHighKt);
}

double AirspeedElemMachTenths(ELEMENT_HEADER* element) { return MachDrum(element, 100.0, 10000, 9990, 10); }
double AirspeedElemMachHundredths(ELEMENT_HEADER* element) { return MachDrum(element, 1000.0, 1000, 990, 50); }
double AirspeedElemMachThousandths(ELEMENT_HEADER* element) { return MachDrum(element, 10000.0, 100, 90, 0); }
double AirspeedElemMachOffFlag(ELEMENT_HEADER*) { return Powered() ? 0.0 : 1.0; }
double AirspeedElemOffFlag(ELEMENT_HEADER*) { return Powered() ? 0.0 : 1.0; }
double AirspeedElemBug5(ELEMENT_HEADER*) { return Bug(5); }
double AirspeedElemBug4(ELEMENT_HEADER*) { return Bug(4); }
double AirspeedElemBug3(ELEMENT_HEADER*) { return Bug(3); }
double AirspeedElemBug2(ELEMENT_HEADER*) { return Bug(2); }
double AirspeedElemBug1(ELEMENT_HEADER*) { return Bug(1); }

int32_t AirspeedMouseSpeedCards(platform::PixelPoint, uint32_t) {
  return SendKeyControl(kKeyEventTogglePanelWindow, kSpeedCardsWindow);
}

int32_t AirspeedMouseBug1Inc(platform::PixelPoint, uint32_t) { return StepBug(1, kSpeedBugRaise); }
int32_t AirspeedMouseBug1Dec(platform::PixelPoint, uint32_t) { return StepBug(1, kSpeedBugLower); }
int32_t AirspeedMouseBug2Inc(platform::PixelPoint, uint32_t) { return StepBug(2, kSpeedBugRaise); }
int32_t AirspeedMouseBug2Dec(platform::PixelPoint, uint32_t) { return StepBug(2, kSpeedBugLower); }
int32_t AirspeedMouseBug3Inc(platform::PixelPoint, uint32_t) { return StepBug(3, kSpeedBugRaise); }
int32_t AirspeedMouseBug3Dec(platform::PixelPoint, uint32_t) { return StepBug(3, kSpeedBugLower); }
int32_t AirspeedMouseBug4Inc(platform::PixelPoint, uint32_t) { return StepBug(4, kSpeedBugRaise); }
int32_t AirspeedMouseBug4Dec(platform::PixelPoint, uint32_t) { return StepBug(4, kSpeedBugLower); }
int32_t AirspeedMouseBug5Inc(platform::PixelPoint, uint32_t) { return StepBug(5, kSpeedBugRaise); }
int32_t AirspeedMouseBug5Dec(platform::PixelPoint, uint32_t) { return StepBug(5, kSpeedBugLower); }

}  // namespace halcyon
