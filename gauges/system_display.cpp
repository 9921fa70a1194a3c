// The system display panel. Every segment is dark without the CPL digital
// lighting and shows its test figure in the lamp test. Reads the static air
// temperature, the rating test flag, the fuel temperatures, the SDP values
// and their flash, the hydraulic pressures, the flap detent, the auto-slat
// lamp and the engine token variables bound to the digit elements (engine 2's
// token is engine 1's plus 35); changes nothing.
#include "gauges/system_display.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "systems/annunciator_lamps.h"
#include "systems/edp.h"
#include "systems/epr.h"
#include "systems/flaps.h"
#include "systems/fuel_pumps.h"
#include "systems/hydraulics.h"
#include "systems/lights.h"
#include "systems/tas_sat.h"
#include "systems/thrust_rating.h"
#include "systems/unit_system.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;

constexpr double kBlank = 10.0;
constexpr double kMinus = 11.0;
constexpr int32_t kDigitFrames = 12;
constexpr int64_t kUnits = 1;
constexpr int64_t kTens = 10;
constexpr int64_t kHundreds = 100;
constexpr int64_t kThousands = 1000;

// The scales of the engine variables the panel shows, alike for both engines.
constexpr double kScaleA = TokenScale(Token::Engine1OilTemperature);
constexpr double kScaleB = TokenScale(Token::Engine1OilQuantity);
constexpr double kScaleC = TokenScale(Token::Engine1HydraulicQuantity);
static_assert(kScaleA == TokenScale(Token::Engine2OilTemperature) && kScaleB == TokenScale(Token::Engine2OilQuantity) &&
              kScaleC == TokenScale(Token::Engine2HydraulicQuantity));
constexpr double kHighLampA = 135.0;
constexpr double kHigherLampA = 165.0;
constexpr double kLowLampC = 4.25;
constexpr double kLowSdp = 35.0;
constexpr double kLowerSdp = 40.0;
// The two bars and the lamps beside them: the bar variables (the flap
// positions) run 0..16384.
constexpr double kBarLamp = 9800.0;
constexpr double kBarKnee = 11468.8;
constexpr double kBarFull = 16384.0;
constexpr double kBarHidden = 20000.0;

bool Lit() { return IsCplDigitalLightOn() != 0; }
bool Testing() { return IsLampTestOn() != 0; }

// A lamp segment.
double Segment(bool condition) {
  if (!Lit()) return 0.0;
  return Testing() || condition ? 1.0 : 0.0;
}

// The test figure: 8, or 1 in a hundreds place that can only show a one.
double TestFigure(int64_t place, bool oneOnly) { return oneOnly && place == kHundreds ? 1.0 : 8.0; }

// The common rule: places above the units blank while the value is below them.
double CommonPlace(double value, int64_t place) {
  if (place > kUnits && value < static_cast<double>(place)) return kBlank;
  return DigitOf(value, place);
}

double CommonDigit(double value, int64_t place, bool oneOnly = false) {
  if (!Lit()) return kBlank;
  if (Testing()) return TestFigure(place, oneOnly);
  return CommonPlace(value, place);
}

// The signed rule: at or below zero the minus sign stands just left of the
// digits, in the tens below 10 and in the hundreds below 100.
double SignedPlace(double value, int64_t place) {
  if (value > 0.0) return CommonPlace(value, place);
  const double w = -value;
  if (place == kUnits) return DigitOf(w, kUnits);
  if (place == kTens) return w < 10.0 ? kMinus : DigitOf(w, kTens);
  if (w >= 100.0) return DigitOf(w, kHundreds);
  return w >= 10.0 ? kMinus : kBlank;
}

double SignedDigit(double value, int64_t place, bool oneOnly) {
  if (!Lit()) return kBlank;
  if (Testing()) return TestFigure(place, oneOnly);
  return SignedPlace(value, place);
}

// The static air temperature; the rating test shows "12" in its units and tens.
template <int64_t kPlace>
double AirTemperature(ELEMENT_HEADER*) {
  if (Lit() && !Testing() && GetTrpFlag() != 0 && kPlace != kHundreds) return kPlace == kUnits ? 2.0 : 1.0;
  return SignedDigit(GetStaticAirTemp(), kPlace, false);
}

template <int32_t kEngine, int64_t kPlace>
double FuelTemperature(ELEMENT_HEADER*) {
  return SignedDigit(GetFuelTemperature(kEngine), kPlace, true);
}

template <int32_t kEngine, int64_t kPlace>
double SdpValue(ELEMENT_HEADER*) {
  if (Lit() && !Testing() && GetSdpFlashState(kEngine) != 0) return kBlank;
  return CommonDigit(GetSdpValue(kEngine), kPlace);
}

template <int32_t kEngine, bool kLower>
double SdpLowLamp(ELEMENT_HEADER*) {
  return Segment(GetSdpValue(kEngine) < (kLower ? kLowSdp : kLowerSdp));
}

// A digit of a bound token variable over its scale.
template <int64_t kPlace, bool kOneOnly>
double ScaledTokenDigit(ELEMENT_HEADER* element, double scale) {
  return CommonDigit(element->tokenValue / scale, kPlace, kOneOnly);
}
template <int64_t kPlace>
double DigitA(ELEMENT_HEADER* element) {
  return ScaledTokenDigit<kPlace, true>(element, kScaleA);
}
template <int64_t kPlace>
double DigitB(ELEMENT_HEADER* element) {
  return ScaledTokenDigit<kPlace, false>(element, kScaleB);
}
template <int64_t kPlace>
double DigitC(ELEMENT_HEADER* element) {
  return ScaledTokenDigit<kPlace, false>(element, kScaleC);
}

template <Token kToken, bool kHigher>
double HighLampA(ELEMENT_HEADER*) {
  return Segment(ReadScaledToken(kToken) > (kHigher ? kHigherLampA : kHighLampA));
}

template <Token kToken>
double LowLampC(ELEMENT_HEADER*) {
  return Segment(ReadScaledToken(kToken) < kLowLampC);
}

// Hydraulic pressure in hundreds of psi: the hundreds digit, and the
// thousands digit blank below 1000.
template <int32_t kSystem, int64_t kPlace>
double Hydraulic(ELEMENT_HEADER*) {
  const double psi = GetHydraulicPressure(kSystem);
  if (!Lit()) return kBlank;
  if (Testing()) return 8.0;
  if (kPlace == kThousands && psi < 1000.0) return kBlank;
  return DigitOf(psi, kPlace);
}

// The bar's position over 0..16384 of its variable (20000: out of sight).
// A variable outside its range, or not a number, holds the bar at its end.
double Bar(ELEMENT_HEADER* element) {
  if (!Lit()) return kBarHidden;
  const double v = std::isnan(element->tokenValue) ? 0.0 : std::clamp(element->tokenValue, 0.0, kBarFull);
  return std::clamp(kBarFull - (v < kBarKnee ? v * 1.2207 : (v - kBarKnee) * 0.485026 + 14000.0), 0.0, kBarFull);
}

constexpr ELEMENT_HEADER Digit(const char* name, int32_t x, int32_t y, platform::ElementCallback callback,
                               Token token = kNoToken) {
  return {.kind = platform::ElementKind::Icon, .x = x, .y = y, .callback = callback, .name = name,
          .token = TokenNumber(token), .frameCount = kDigitFrames};
}

constexpr ELEMENT_HEADER BarElement(const char* name, int32_t x, Token token) {
  return {.kind = platform::ElementKind::MovingImage, .x = x, .y = 209, .callback = Bar, .name = name,
          .token = TokenNumber(token), .minValue = 0.0, .maxValue = kBarFull};
}

constinit ElementChain g_elements({
    StaticImage("panel"),
    StaticImage("lit face"),
    BarElement("right bar", 45, Token::FlapPositionRight),
    BarElement("left bar", 20, Token::FlapPosition),
    Icon("bar high lamp", 76, 259, 2,
         [](ELEMENT_HEADER*) { return Segment(ReadToken(Token::FlapPosition) > kBarLamp); }),
    Icon("auto slat lamp", 76, 248, 2, [](ELEMENT_HEADER*) { return Segment(IsAutoSlatLampLit()); }),
    Icon("auto slat lamp", 76, 236, 2, [](ELEMENT_HEADER*) { return Segment(IsAutoSlatLampLit()); }),
    Icon("flap lamp", 76, 224, 2,
         [](ELEMENT_HEADER*) { return Segment(GetFlapPosition() >= 1 && ReadToken(Token::FlapPosition) < kBarLamp); }),
    Digit("right C tens", 65, 186, DigitC<kTens>, Token::Engine2HydraulicQuantity),
    Digit("right C units", 74, 186, DigitC<kUnits>, Token::Engine2HydraulicQuantity),
    Digit("left C tens", 24, 186, DigitC<kTens>, Token::Engine1HydraulicQuantity),
    Digit("left C units", 33, 186, DigitC<kUnits>, Token::Engine1HydraulicQuantity),
    Icon("right C low", 67, 177, 2, LowLampC<Token::Engine2HydraulicQuantity>),
    Icon("left C low", 30, 177, 2, LowLampC<Token::Engine1HydraulicQuantity>),
    Digit("right hydraulic thousands", 65, 161, Hydraulic<2, kThousands>),
    Digit("right hydraulic hundreds", 74, 161, Hydraulic<2, kHundreds>),
    Digit("left hydraulic thousands", 24, 161, Hydraulic<1, kThousands>),
    Digit("left hydraulic hundreds", 33, 161, Hydraulic<1, kHundreds>),
    Digit("right B tens", 65, 126, DigitB<kTens>, Token::Engine2OilQuantity),
    Digit("right B units", 74, 126, DigitB<kUnits>, Token::Engine2OilQuantity),
    Digit("left B tens", 23, 126, DigitB<kTens>, Token::Engine1OilQuantity),
    Digit("left B units", 32, 126, DigitB<kUnits>, Token::Engine1OilQuantity),
    // Crossed as the panel is wired: the left digits show engine 2's variable
    // and the right digits engine 1's, while the lamps above them do not.
    Digit("left A hundreds", 15, 99, DigitA<kHundreds>, Token::Engine2OilTemperature),
    Digit("left A tens", 24, 99, DigitA<kTens>, Token::Engine2OilTemperature),
    Digit("left A units", 33, 99, DigitA<kUnits>, Token::Engine2OilTemperature),
    Digit("right A hundreds", 57, 99, DigitA<kHundreds>, Token::Engine1OilTemperature),
    Digit("right A tens", 66, 99, DigitA<kTens>, Token::Engine1OilTemperature),
    Digit("right A units", 75, 99, DigitA<kUnits>, Token::Engine1OilTemperature),
    Icon("right A higher", 67, 89, 2, HighLampA<Token::Engine2OilTemperature, true>),
    Icon("left A higher", 30, 89, 2, HighLampA<Token::Engine1OilTemperature, true>),
    Icon("right A high", 78, 89, 2, HighLampA<Token::Engine2OilTemperature, false>),
    Icon("left A high", 20, 89, 2, HighLampA<Token::Engine1OilTemperature, false>),
    Digit("right SDP tens", 65, 72, SdpValue<2, kTens>),
    Digit("right SDP units", 74, 72, SdpValue<2, kUnits>),
    Digit("left SDP tens", 23, 72, SdpValue<1, kTens>),
    Digit("left SDP units", 32, 72, SdpValue<1, kUnits>),
    Icon("right SDP low", 67, 63, 2, SdpLowLamp<2, false>),
    Icon("left SDP low", 30, 63, 2, SdpLowLamp<1, false>),
    Icon("right SDP lower", 77, 63, 2, SdpLowLamp<2, true>),
    Icon("left SDP lower", 19, 63, 2, SdpLowLamp<1, true>),
    Digit("right fuel temperature hundreds", 56, 41, FuelTemperature<2, kHundreds>),
    Digit("right fuel temperature tens", 65, 41, FuelTemperature<2, kTens>),
    Digit("right fuel temperature units", 74, 41, FuelTemperature<2, kUnits>),
    Digit("left fuel temperature hundreds", 17, 41, FuelTemperature<1, kHundreds>),
    Digit("left fuel temperature tens", 26, 41, FuelTemperature<1, kTens>),
    Digit("left fuel temperature units", 35, 41, FuelTemperature<1, kUnits>),
    Digit("SAT hundreds", 42, 13, AirTemperature<kHundreds>),
    Digit("SAT tens", 51, 13, AirTemperature<kTens>),
    Digit("SAT units", 60, 13, AirTemperature<kUnits>),
    Icon("unit sign", 71, 16, 2, [](ELEMENT_HEADER*) { return IsMetricUnits() != 0 ? 0.0 : 1.0; }),
    StaticImage("imperial label"),
});
constexpr uint32_t kLitFace = 1;
constexpr uint32_t kImperialLabel = 50;

}  // namespace

platform::ELEMENT_HEADER* SdpElements() { return g_elements.Head(); }

void SdpGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  const bool panelLight = IsCplPanelLightOn() != 0;
  ShowElement(gauge, kLitFace, panelLight);
  ShowElement(gauge, kImperialLabel, panelLight && IsMetricUnits() == 0);
}

}  // namespace halcyon
