// The "Altimeter" gauge. Reads the indicated altitude and the barometric
// setting in millibars and inches, the reference index,
// panel power and the side panel light; drives the barometric setting
// through the simulator's key events and the reference index.
#include "gauges/altimeter.h"

#include <cmath>

#include "core/helpers.h"
#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "systems/electric.h"
#include "systems/lights.h"
#include "systems/altimeter.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;

constexpr uint32_t kKeyEventBaroUp = 65883;
constexpr uint32_t kKeyEventBaroDown = 65884;
constexpr double kPointerDegPerFt = 0.36;     // one turn a thousand feet
constexpr double kRefIndexDegPerStep = 7.2;   // fifty steps a turn
constexpr double kUp = 270.0;                 // twelve o'clock

constinit ElementChain g_elements({
    StaticImage("dial", 0, 0, kLit),
    Icon("millibar units", 167, 246, 10, AltimeterElemMb1, kLit),
    Icon("millibar tens", 147, 246, 10, AltimeterElemMb2, kLit),
    Icon("millibar hundreds", 129, 246, 10, AltimeterElemMb3, kLit),
    Icon("millibar thousands", 107, 246, 10, AltimeterElemMb4, kLit),
    Icon("inHg hundredths", 279, 246, 10, AltimeterElemInHg1, kLit),
    Icon("inHg tenths", 259, 246, 10, AltimeterElemInHg2, kLit),
    Icon("inHg units", 239, 246, 10, AltimeterElemInHg3, kLit),
    Icon("inHg tens", 219, 246, 10, AltimeterElemInHg4, kLit),
    MovingImage("ten-thousands drum", 110, 120, 0, 100000, AltimeterElemDrum10000, kLit),
    MovingImage("thousands drum", 149, 120, 0, 10000, AltimeterElemDrum1000, kLit),
    MovingImage("hundreds drum", 211, 123, 0, 1000, AltimeterElemDrum100, kLit),
    MovingImage("tens-and-units drum", 250, 123, 0, 100, AltimeterElemDrum10, kLit),
    Icon("OFF flag", 108, 120, 2, AltimeterElemOffFlag, kLit),
    Needle("reference index", AltimeterElemRefIndex, 202, 198, kLit),
    Icon("below-zero flag", 107, 119, 2, AltimeterElemBelowZeroFlag, kLit),
    Needle("altitude pointer", AltimeterElemPointer, 202, 198, kLit),
    StaticImage("click areas", 0, 215),
});

constexpr uint32_t kClickAreasElement = 17;
constexpr RelightRange kRelit{0, 17};

bool Powered() { return IsPanelPowered() != 0; }
double AltitudeFt() { return ReadToken(Token::AltitudeFt); }
int64_t WholeFeet() { return TruncateSaturated<int64_t>(AltitudeFt()); }

// An upper drum (thousands or ten-thousands): its digit's place, rolling
// toward the next digit while the digits below it pass from 9x0 to 9x9.
double UpperDrum(int64_t strip, int64_t place) {
  const double altitude = AltitudeFt();
  if (altitude < 0.0) return static_cast<double>(strip - 1);
  const int64_t v = WholeFeet() % strip;
  const int64_t below = v % place;
  int64_t t = v - below;
  if (below > place - 10) t += below % 10 * (place / 10);
  return static_cast<double>(strip - 1 - t);
}

}  // namespace

platform::ELEMENT_HEADER* AltimeterElements() { return g_elements.Head(); }

void AltimeterGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreInitialize) ArmRelight(gauge);
  if (serviceId != platform::kServicePreDraw) return;
  ShowClickAreas(gauge, kClickAreasElement);
  Relight(gauge, kRelit, IsSidePanelLightOn() != 0);
}

double AltimeterElemPointer(ELEMENT_HEADER*) {
  const double altitude = AltitudeFt();
  return Powered() && std::isfinite(altitude) ? altitude * kPointerDegPerFt + kUp : kUp;
}
double AltimeterElemBelowZeroFlag(ELEMENT_HEADER*) { return AltitudeFt() < 0.0 ? 1.0 : 0.0; }
double AltimeterElemRefIndex(ELEMENT_HEADER*) { return GetAltimeterRefIndex() * kRefIndexDegPerStep + kUp; }
double AltimeterElemOffFlag(ELEMENT_HEADER*) { return Powered() ? 0.0 : 1.0; }

double AltimeterElemDrum10(ELEMENT_HEADER*) {
  if (!Powered()) return 0.0;
  const int64_t a = WholeFeet();
  return static_cast<double>(AltitudeFt() >= 0.0 ? 99 - a % 100 : -(a % 100));
}

double AltimeterElemDrum100(ELEMENT_HEADER*) {
  if (!Powered()) return 0.0;
  const int64_t a = WholeFeet();
  int64_t h = a % 1000 - a % 100;
  if (a % 100 > 90) h += a % 10 * 10;
  return static_cast<double>(AltitudeFt() >= 0.0 ? 999 - h : -h);
}

double AltimeterElemDrum1000(ELEMENT_HEADER*) { return Powered() ? UpperDrum(10000, 1000) : 0.0; }
double AltimeterElemDrum10000(ELEMENT_HEADER*) { return Powered() ? UpperDrum(100000, 10000) : 0.0; }

// The barometric windows show the setting with or without power.
double AltimeterElemMb1(ELEMENT_HEADER*) { return DigitOf(ReadToken(Token::AltimeterMb), 1); }
double AltimeterElemMb2(ELEMENT_HEADER*) { return DigitOf(ReadToken(Token::AltimeterMb), 10); }
double AltimeterElemMb3(ELEMENT_HEADER*) { return DigitOf(ReadToken(Token::AltimeterMb), 100); }
double AltimeterElemMb4(ELEMENT_HEADER*) { return DigitOf(ReadToken(Token::AltimeterMb), 1000); }
double AltimeterElemInHg1(ELEMENT_HEADER*) { return DigitOf(ReadToken(Token::AltimeterInHg) * 100.0, 1); }
double AltimeterElemInHg2(ELEMENT_HEADER*) { return DigitOf(ReadToken(Token::AltimeterInHg) * 10.0, 1); }
double AltimeterElemInHg3(ELEMENT_HEADER*) { return DigitOf(ReadToken(Token::AltimeterInHg), 1); }
double AltimeterElemInHg4(ELEMENT_HEADER*) { return DigitOf(ReadToken(Token::AltimeterInHg), 10); }

int32_t AltimeterMouseBaroDec(platform::PixelPoint, uint32_t) { return SendKeyControl(kKeyEventBaroDown, 0); }
int32_t AltimeterMouseBaroInc(platform::PixelPoint, uint32_t) { return SendKeyControl(kKeyEventBaroUp, 0); }

int32_t AltimeterMouseRefIndexDec(platform::PixelPoint, uint32_t) {
  DecAltimeterRefIndex();
  return 1;
}

int32_t AltimeterMouseRefIndexInc(platform::PixelPoint, uint32_t) {
  IncAltimeterRefIndex();
  return 1;
}

}  // namespace halcyon
