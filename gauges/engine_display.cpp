// The "EDP" gauge. The whole display is lit by the CPL digital lighting
// (its switch at 41 with panel power): unlit, the drums and windows are blank,
// the needles rest and the decimal points hide. Reads the EPR bugs, the EPR,
// EGT and reverser indications, N1, N2 and fuel flow by their tokens, the
// fuel used, the thrust rating's limit, mode and test button, the units and
// the lamp test; the knobs step the EPR bugs, the buttons drive the
// fuel-used display record and reset the fuel used.
#include "gauges/engine_display.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/helpers.h"
#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "systems/annunciator_lamps.h"
#include "systems/edp.h"
#include "systems/epr.h"
#include "systems/fire_protection.h"
#include "systems/fuel_flow.h"
#include "systems/lights.h"
#include "systems/thrust_rating.h"
#include "systems/unit_system.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr Token kN1Tokens[] = {Token::Engine1N1Pct, Token::Engine2N1Pct};
constexpr Token kN2Tokens[] = {Token::Engine1N2Pct, Token::Engine2N2Pct};

constexpr double kEprDrumScale = 10000.0;  // units, tenths, hundredths
constexpr double kRpmDrumScale = 100.0;    // hundreds, tens, units (N1, N2, EGT)
constexpr double kCmdBlank = 11.0;         // past the CMD strip's last frame: nothing shown
constexpr double kLimitDash = 10.0;
constexpr double kLimitBlank = 11.0;
constexpr double kFuelBlank = 10.0;
constexpr double kFuelFlowMaxLbPerHour = 17000.0;
// The EPR LIMIT reads 2.04 while the thrust rating panel's test button is held.
constexpr int32_t kLimitTestDigits[] = {2, 0, 4};
// A value a hair below a step (1.58 stored as 1.5799999) still counts as the step.
constexpr double kStepTolerance = 1e-6;

bool Lit() { return IsCplDigitalLightOn() != 0; }

template <int32_t Engine>
EprBug* Bug() {
  return Engine == 1 ? &g_eprBug1 : &g_eprBug2;
}

// ---- Needles: clamped, then moved in steps ----
double Stepped(double value, uint32_t step) { return RoundDownToMultiple(value + kStepTolerance, step); }

template <int32_t Engine>
double EprPointer(ELEMENT_HEADER*) {
  return Stepped(PoweredNeedle(Lit(), GetEprDisplayValue(Engine) * 100.0, 80.0, 80.0, 250.0), 2);
}

template <int32_t Engine>
double CmdBug(ELEMENT_HEADER*) {
  const EprBug* bug = Bug<Engine>();
  const double epr = GetEprBugMode(bug) == kEprBugTrp ? GetEprTrpBug(bug) : GetEprBug(bug);
  return Stepped(PoweredNeedle(Lit(), epr * 100.0, 80.0, 80.0, 250.0), 2);
}

// N1 and N2 read the token bound to the needle.
double RpmNeedle(ELEMENT_HEADER* element) {
  return Stepped(PoweredNeedle(Lit(), element->tokenValue, 0.0, 0.0, 110.0), 2);
}

template <int32_t Engine>
double EgtNeedle(ELEMENT_HEADER*) {
  return Stepped(PoweredNeedle(Lit(), GetEdpValue(Engine), 0.0, 0.0, 16384.0), 12);
}

// ---- Drums ----
template <int32_t Engine, Drum Which>
double EprDrum(ELEMENT_HEADER*) {
  if (!Lit()) return kDrumBlank;
  return DrumPosition(GetEprDisplayValue(Engine), kEprDrumScale, Which);
}

// N1 and N2: the hundreds drum's zero cell is blank on its strip; the tens
// drum blanks below 10 percent.
template <Token kToken, Drum Which>
double RpmDrum(ELEMENT_HEADER*) {
  if (!Lit()) return kDrumBlank;
  const double percent = ReadToken(kToken);
  if (Which == Drum::kMiddle && percent < 10.0) return kDrumBlank;
  return DrumPosition(percent, kRpmDrumScale, Which);
}

// EGT: blank while its exceedance blink is in its dark half; the leading
// drums blank below 10 and 100 degrees.
template <int32_t Engine, Drum Which>
double EgtDrum(ELEMENT_HEADER*) {
  if (!Lit() || GetEdpFlashState(Engine) != 0) return kDrumBlank;
  const double degC = GetEdpValue(Engine);
  if (Which == Drum::kMiddle && degC < 10.0) return kDrumBlank;
  if (Which == Drum::kFirst && degC < 100.0) return kDrumBlank;
  return DrumPosition(degC, kRpmDrumScale, Which);
}

// ---- Windows ----
// CMD: the manual bug's digits; blank while the bug follows the thrust
// rating, but the lamp test still shows 8.
template <int32_t Engine, int64_t Place>
double CmdWindow(ELEMENT_HEADER*) {
  const EprBug* bug = Bug<Engine>();
  const double digit = GetEprBugMode(bug) == kEprBugManual ? DigitOf(GetEprBug(bug) * 100.0, Place) : kCmdBlank;
  return DigitWindow(Lit(), static_cast<int32_t>(digit), kCmdBlank);
}

// EPR LIMIT, rounded to the hundredth; index 0 units, 1 tenths, 2 hundredths.
template <int32_t Index>
double LimitWindow(ELEMENT_HEADER*) {
  constexpr int64_t kPlaces[] = {100, 10, 1};
  int32_t digit = static_cast<int32_t>(kLimitDash);
  if (GetTrpFlag() != 0) {
    digit = kLimitTestDigits[Index];
  } else if (GetTrpMode() != kTrpNone) {
    digit = DigitOf((GetTrpTarget() + 0.005) * 100.0, kPlaces[Index]);
  }
  return DigitWindow(Lit(), digit, kLimitBlank);
}

// FUEL FLOW/USED x10: the fuel used while the display button is active,
// else the fuel flow of the token bound to the window, in the shown unit.
// A window above the tens shows only once the value reaches it.
template <int32_t Engine, int64_t Place>
double FuelWindow(ELEMENT_HEADER* element) {
  const double flow = std::isnan(element->tokenValue) ? 0.0 : element->tokenValue;
  const double pounds = IsEdpButtonActive() != 0 ? GetFuelUsed(Engine) : std::clamp(flow, 0.0, kFuelFlowMaxLbPerHour);
  const double shown = ToDisplayWeight(pounds);
  const bool reached = Place == 10 || shown > static_cast<double>(Place) - 0.1;
  return DigitWindow(Lit(), reached ? DigitOf(shown, Place) : static_cast<int32_t>(kFuelBlank), kFuelBlank);
}

// ---- Lamps ----
template <int32_t Engine>
double ReverseUnlocked(ELEMENT_HEADER*) {
  return Lamp(Lit(), GetEdpIndication(Engine) != kEdpStowed);
}
template <int32_t Engine>
double ReverseThrust(ELEMENT_HEADER*) {
  return Lamp(Lit(), GetEdpIndication(Engine) == kEdpDeployed);
}

// ---- Scales, as points of the 168 x 290 face; engine 2 sits 69 pixels right ----
constexpr int32_t kEngine2Offset = 69;

template <int32_t Dx>
constexpr platform::NeedlePoint kEprScale[] = {
    {39 + Dx, 91, 0},    {32 + Dx, 87, 100}, {25 + Dx, 72, 120}, {31 + Dx, 56, 140}, {47 + Dx, 50, 160},
    {62 + Dx, 56, 180},  {68 + Dx, 72, 200}, {61 + Dx, 87, 220}, {55 + Dx, 91, 240},
};
template <int32_t Dx>
constexpr platform::NeedlePoint kN1Scale[] = {{33 + Dx, 150, 0}, {67 + Dx, 133, 95}, {67 + Dx, 137, 105}, {60 + Dx, 150, 120}};
template <int32_t Dx>
constexpr platform::NeedlePoint kEgtScale[] = {{33 + Dx, 202, 0}, {65 + Dx, 175, 600}, {67 + Dx, 183, 630}, {61 + Dx, 202, 860}};
template <int32_t Dx>
constexpr platform::NeedlePoint kN2Scale[] = {{33 + Dx, 251, 0}, {67 + Dx, 234, 95}, {67 + Dx, 238, 105}, {60 + Dx, 251, 120}};

constexpr double kStripTop = 999.0;

template <int32_t Engine>
constexpr const char* Named(const char* engine1, const char* engine2) {
  return Engine == 1 ? engine1 : engine2;
}

// One engine's dials in element order: N2, EGT and N1, each three drums
// (hundreds, tens, units) and a needle; the EPR decimal point, the three EPR
// drums (units, tenths, hundredths), the pointer and the CMD bug.
template <int32_t E>
constexpr std::array<ELEMENT_HEADER, 18> EngineDials() {
  constexpr int32_t dx = E == 2 ? kEngine2Offset : 0;
  constexpr Token n1 = kN1Tokens[E - 1];
  constexpr Token n2 = kN2Tokens[E - 1];
  return {{
      MovingImage(Named<E>("1 N2 hundreds drum", "2 N2 hundreds drum"), 41 + dx, 231, 0, kStripTop, RpmDrum<n2, Drum::kFirst>),
      MovingImage(Named<E>("1 N2 tens drum", "2 N2 tens drum"), 48 + dx, 231, 0, kStripTop, RpmDrum<n2, Drum::kMiddle>),
      MovingImage(Named<E>("1 N2 units drum", "2 N2 units drum"), 55 + dx, 227, 0, kStripTop, RpmDrum<n2, Drum::kLast>),
      Needle(Named<E>("1 N2", "2 N2"), RpmNeedle, 47 + dx, 236, 0, kN2Scale<dx>, n2),
      MovingImage(Named<E>("1 EGT hundreds drum", "2 EGT hundreds drum"), 41 + dx, 181, 0, kStripTop, EgtDrum<E, Drum::kFirst>),
      MovingImage(Named<E>("1 EGT tens drum", "2 EGT tens drum"), 48 + dx, 181, 0, kStripTop, EgtDrum<E, Drum::kMiddle>),
      MovingImage(Named<E>("1 EGT units drum", "2 EGT units drum"), 55 + dx, 177, 0, kStripTop, EgtDrum<E, Drum::kLast>),
      Needle(Named<E>("1 EGT", "2 EGT"), EgtNeedle<E>, 47 + dx, 186, 0, kEgtScale<dx>),
      MovingImage(Named<E>("1 N1 hundreds drum", "2 N1 hundreds drum"), 41 + dx, 130, 0, kStripTop, RpmDrum<n1, Drum::kFirst>),
      MovingImage(Named<E>("1 N1 tens drum", "2 N1 tens drum"), 48 + dx, 130, 0, kStripTop, RpmDrum<n1, Drum::kMiddle>),
      MovingImage(Named<E>("1 N1 units drum", "2 N1 units drum"), 55 + dx, 126, 0, kStripTop, RpmDrum<n1, Drum::kLast>),
      Needle(Named<E>("1 N1", "2 N1"), RpmNeedle, 47 + dx, 135, 0, kN1Scale<dx>, n1),
      StaticImage(Named<E>("1 EPR decimal point", "2 EPR decimal point"), 43 + dx, 76),
      MovingImage(Named<E>("1 EPR units drum", "2 EPR units drum"), 36 + dx, 66, 0, kStripTop, EprDrum<E, Drum::kFirst>),
      MovingImage(Named<E>("1 EPR tenths drum", "2 EPR tenths drum"), 46 + dx, 66, 0, kStripTop, EprDrum<E, Drum::kMiddle>),
      MovingImage(Named<E>("1 EPR hundredths drum", "2 EPR hundredths drum"), 53 + dx, 61, 0, kStripTop, EprDrum<E, Drum::kLast>),
      Needle(Named<E>("1 EPR", "2 EPR"), EprPointer<E>, 47 + dx, 71, 0, kEprScale<dx>),
      Needle(Named<E>("1 CMD bug", "2 CMD bug"), CmdBug<E>, 47 + dx, 71, 0, kEprScale<dx>),
  }};
}

constexpr std::array<ELEMENT_HEADER, 3> kFace = {{
    StaticImage("face"),
    StaticImage("lit dials", 25, 49),
    StaticImage("lit legends", 2, 19),
}};

constexpr std::array<ELEMENT_HEADER, 29> kPanel = {{
    Icon("2 REVERSE THRUST", 117, 9, 2, ReverseThrust<2>),
    Icon("2 REVERSE UNLOCKED", 117, 21, 2, ReverseUnlocked<2>),
    Icon("1 REVERSE THRUST", 22, 9, 2, ReverseThrust<1>),
    Icon("1 REVERSE UNLOCKED", 22, 21, 2, ReverseUnlocked<1>),
    Icon("2 CMD units", 85, 25, 11, CmdWindow<2, 100>),
    Icon("2 CMD tenths", 92, 25, 11, CmdWindow<2, 10>),
    Icon("2 CMD hundredths", 99, 25, 11, CmdWindow<2, 1>),
    StaticImage("2 CMD decimal point", 91, 32),
    Icon("1 CMD units", 58, 25, 11, CmdWindow<1, 100>),
    Icon("1 CMD tenths", 65, 25, 11, CmdWindow<1, 10>),
    Icon("1 CMD hundredths", 72, 25, 11, CmdWindow<1, 1>),
    StaticImage("1 CMD decimal point", 64, 32),
    Icon("EPR LIMIT units", 70, 7, 12, LimitWindow<0>),
    Icon("EPR LIMIT tenths", 78, 7, 12, LimitWindow<1>),
    Icon("EPR LIMIT hundredths", 86, 7, 12, LimitWindow<2>),
    StaticImage("EPR LIMIT decimal point", 77, 16),
    Icon("2 fuel x10000", 100, 261, 11, FuelWindow<2, 10000>, 0, Token::Engine2FuelFlow),
    Icon("2 fuel x1000", 109, 261, 11, FuelWindow<2, 1000>, 0, Token::Engine2FuelFlow),
    Icon("2 fuel x100", 118, 261, 11, FuelWindow<2, 100>, 0, Token::Engine2FuelFlow),
    Icon("2 fuel x10", 127, 261, 11, FuelWindow<2, 10>, 0, Token::Engine2FuelFlow),
    Icon("1 fuel x10000", 31, 261, 11, FuelWindow<1, 10000>, 0, Token::Engine1FuelFlow),
    Icon("1 fuel x1000", 40, 261, 11, FuelWindow<1, 1000>, 0, Token::Engine1FuelFlow),
    Icon("1 fuel x100", 49, 261, 11, FuelWindow<1, 100>, 0, Token::Engine1FuelFlow),
    Icon("1 fuel x10", 58, 261, 11, FuelWindow<1, 10>, 0, Token::Engine1FuelFlow),
    StaticImage("mark", 120, 169),
    StaticImage("mark", 51, 169),
    StaticImage("lamp-test figure", 34, 60),
    StaticImage("FUEL USED legend", 85, 262),
    StaticImage("click areas", 0, 255),
}};

constinit ElementChain g_elements(JoinElements(kFace, EngineDials<2>(), EngineDials<1>(), kPanel));
static_assert(3 + 18 + 18 + 29 == 68);

// Element indexes the pre-draw shows and hides.
constexpr uint32_t kLitDials = 1;
constexpr uint32_t kLitLegends = 2;
constexpr uint32_t kCmd2Point = 46;
constexpr uint32_t kCmd1Point = 50;
constexpr uint32_t kShownWhileLit[] = {64, 63, 54, 33, 15, 38, 37, 32, 28, 24, 20, 19, 14, 10, 6};
constexpr uint32_t kLampTestFigure = 65;
constexpr uint32_t kFuelUsedLegend = 66;
constexpr uint32_t kClickAreas = 67;

int32_t EprKnob(void (*step)(EprBug*), EprBug* bug, SoundId sound) {
  step(bug);
  PlayClick(sound);
  return 1;
}

}  // namespace

double DrumPosition(double value, double scale, Drum drum) {
  const int64_t s = std::max<int64_t>(0, TruncateSaturated<int64_t>(value * scale));
  int64_t p = 0;
  switch (drum) {
    case Drum::kLast:
      p = s % 1000;
      break;
    case Drum::kMiddle: {
      const int64_t below = s % 1000;
      p = (s % 10000 - below) / 10;
      if (below > 900) p += below % 100;
      break;
    }
    case Drum::kFirst: {
      const int64_t below = s % 10000;
      p = (s % 100000 - below) / 100;
      if (below > 9900) p += below % 100;
      break;
    }
  }
  return kStripTop - static_cast<double>(p);
}

platform::ELEMENT_HEADER* EdpElements() { return g_elements.Head(); }

void EdpGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  // The reverser delay runs on every frame as well as on every tick.
  UpdateEdpIndication();
  const bool lit = Lit();
  ShowElement(gauge, kLitLegends, IsCplPanelLightOn() != 0);
  ShowElement(gauge, kLitDials, IsCplPanelLightOn2() != 0);
  ShowElement(gauge, kCmd1Point, lit && GetEprBugMode(&g_eprBug1) == kEprBugManual);
  ShowElement(gauge, kCmd2Point, lit && GetEprBugMode(&g_eprBug2) == kEprBugManual);
  for (uint32_t n : kShownWhileLit) ShowElement(gauge, n, lit);
  ShowElement(gauge, kLampTestFigure, lit && IsLampTestOn() != 0);
  ShowElement(gauge, kFuelUsedLegend, lit && IsEdpButtonActive() != 0);
  ShowClickAreas(gauge, kClickAreas);
}

// The knobs step by 0.01 EPR, without the fast-click multiplier.
int32_t EdpMouseEprManual1Dec(PixelPoint, uint32_t) { return EprKnob(DecEprBug, &g_eprBug1, kClickKnob); }
int32_t EdpMouseEprManual1Toggle(PixelPoint, uint32_t) { return EprKnob(ToggleEprBugMode, &g_eprBug1, kClickButton1); }
int32_t EdpMouseEprManual1Inc(PixelPoint, uint32_t) { return EprKnob(IncEprBug, &g_eprBug1, kClickKnob); }
int32_t EdpMouseEprManual2Dec(PixelPoint, uint32_t) { return EprKnob(DecEprBug, &g_eprBug2, kClickKnob); }
int32_t EdpMouseEprManual2Toggle(PixelPoint, uint32_t) { return EprKnob(ToggleEprBugMode, &g_eprBug2, kClickButton1); }
int32_t EdpMouseEprManual2Inc(PixelPoint, uint32_t) { return EprKnob(IncEprBug, &g_eprBug2, kClickKnob); }

int32_t EdpMouseFuelUsedDisplay(PixelPoint, uint32_t) {
  SetSwitch(&g_edpFuelUsedButton, kEdpButtonPressed);
  PlayClick(kClickButton2);
  return 1;
}

// Held, the reset keeps the fuel used on show at zero; released, the display
// stays on fuel used for its ten seconds. A keyboard command gives the press
// alone, so the readout stays on fuel used until the display button is used.
int32_t EdpMouseFuelUsedReset(PixelPoint, uint32_t mouseFlags) {
  const bool press = (mouseFlags & platform::kMouseLeftSingle) != 0;
  const bool release = (mouseFlags & platform::kMouseLeftRelease) != 0;
  if (!press && !release) return 1;
  ResetFuelUsed();
  SetSwitch(&g_edpFuelUsedButton, press ? kEdpButtonHeld : kEdpButtonPressed);
  PlayClick(kClickButton1);
  return 1;
}

}  // namespace halcyon
