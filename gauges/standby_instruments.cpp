// The Standby Attitude, Standby Combi, RDI and DME gauges. Read the attitude,
// altitude, baro, airspeed, heading, VOR, ADF and DME tokens, panel power,
// the IRS heading validity, the lamp test and the panel lights; drive the
// RDI selectors and the simulator's baro setting.
#include "gauges/standby_instruments.h"

#include <cmath>

#include "core/helpers.h"
#include "core/panel_services.h"
#include "displays/pfd/attitude.h"
#include "gauges/gauge_kit.h"
#include "systems/electric.h"
#include "systems/irs.h"
#include "systems/lights.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;

constexpr double kUp = 270.0;  // a needle's zero at the top of the dial

// ---- Standby Attitude ----

// The sphere turns against the bank and moves 2.5 pixels a degree of pitch,
// about the bank pointer's pivot.
constexpr double kSphereTurnPerBankDeg = -1.0;
constexpr double kSpherePixelsPerPitchDeg = 2.5;

constinit ElementChain g_standbyAttitudeElements({
    StaticImage("face", 0, 0, kLit),
    TurnedShiftedSprite("attitude sphere", 0, 0, 254, 256, StandbyAttitudeElemSphereBank, kSphereTurnPerBankDeg,
                        StandbyAttitudeElemSpherePitch, kSpherePixelsPerPitchDeg, kLit),
    Needle("bank pointer", StandbyAttitudeElemBankPointer, 127, 128, kLit),
    StaticImage("bezel", 0, 0, kLit),
    Icon("power flag", 194, 67, 2, StandbyAttitudeElemPowerFlag, kLit),
});
constexpr RelightRange kStandbyAttitudeRelight{0, 5};

// ---- Standby Combi ----
constexpr uint32_t kKeyEventBaroDec = 65884;
constexpr uint32_t kKeyEventBaroInc = 65883;
constexpr uint32_t kCombiClickAreas = 13;

constinit ElementChain g_standbyCombiElements({
    StaticImage("face", 0, 0, kLit),
    MovingImage("airspeed tape", 85, 277, 0.0, 1366.0, StandbyCombiElemAirspeedTape, kLit),
    Icon("in Hg hundredths", 355, 210, 10, StandbyCombiElemInHg1, kLit),
    Icon("in Hg tenths", 335, 210, 10, StandbyCombiElemInHg2, kLit),
    Icon("in Hg units", 315, 210, 10, StandbyCombiElemInHg3, kLit),
    Icon("in Hg tens", 295, 210, 10, StandbyCombiElemInHg4, kLit),
    Icon("mb units", 92, 210, 10, StandbyCombiElemMb1, kLit),
    Icon("mb tens", 72, 210, 10, StandbyCombiElemMb2, kLit),
    Icon("mb hundreds", 52, 210, 10, StandbyCombiElemMb3, kLit),
    Icon("mb thousands", 32, 210, 10, StandbyCombiElemMb4, kLit),
    MovingImage("ten-thousands drum", 125, 82, 0.0, 99999.0, StandbyCombiElemTenThousands, kLit),
    MovingImage("thousands drum", 152, 72, 0.0, 9999.0, StandbyCombiElemThousands, kLit),
    Needle("pointer", StandbyCombiElemPointer, 202, 131, kLit),
    StaticImage("click areas", 0, 335),
});
constexpr RelightRange kStandbyCombiRelight{0, 13};

// ---- RDI ----
constexpr uint32_t kVorSignalBit = 0x80;
constexpr int32_t kRdiVor = 1;
constexpr int32_t kRdiAdf = 2;
constexpr uint32_t kRdiClickAreas = 8;

constinit ElementChain g_rdiElements({
    StaticImage("face"),
    StaticImage("ring"),
    Sprite("compass card", 50, 50, RdiElemCompassCard, kLit),
    Needle("double pointer", RdiElemDoublePointer, 178, 178, kLit),
    Needle("single pointer", RdiElemSinglePointer, 178, 178, kLit),
    Icon("OFF flag", 66, 243, 2, RdiElemOffFlag, kLit),
    Icon("right knob", 245, 258, 2, RdiElemRightKnob),
    Icon("left knob", 30, 258, 2, RdiElemLeftKnob),
    StaticImage("click areas", 0, 249),
});
constexpr RelightRange kRdiRelight{2, 6};

// ---- DME ----
constexpr double kDmeBlank = 10.0;
constexpr int32_t kDmeDash = 11;
constexpr double kDmeNoDistance = -1.0;

constinit ElementChain g_dmeElements({
    StaticImage("face"),
    TokenIcon("DME 1 tenths", 30, 0, 12, DmeElemTenths, Token::Dme1Nm),
    TokenIcon("DME 1 decimal point", 28, 10, 2, DmeElemDecimalPoint, Token::Dme1Nm),
    TokenIcon("DME 1 units", 20, 0, 12, DmeElemUnits, Token::Dme1Nm),
    TokenIcon("DME 1 tens", 10, 0, 12, DmeElemTens, Token::Dme1Nm),
    TokenIcon("DME 1 hundreds", 0, 0, 12, DmeElemHundreds, Token::Dme1Nm),
    TokenIcon("DME 2 tenths", 75, 0, 12, DmeElemTenths, Token::Dme2Nm),
    TokenIcon("DME 2 decimal point", 73, 10, 2, DmeElemDecimalPoint, Token::Dme2Nm),
    TokenIcon("DME 2 units", 65, 0, 12, DmeElemUnits, Token::Dme2Nm),
    TokenIcon("DME 2 tens", 55, 0, 12, DmeElemTens, Token::Dme2Nm),
    TokenIcon("DME 2 hundreds", 45, 0, 12, DmeElemHundreds, Token::Dme2Nm),
});

bool Powered() { return IsPanelPowered() != 0; }

// A needle or card angle from a token that is not a number rests at `resting`.
double Finite(double degrees, double resting) { return std::isfinite(degrees) ? degrees : resting; }

// ---- Standby Attitude ----

// The sphere moves only above a ground speed, as the PFD's attitude does;
// below it the sphere rests level.
double Attitude(Token token) {
  const double value = ReadToken(token);
  const bool moving = ReadToken(Token::GroundSpeedMps) > pfd::kAttitudeLevelBelowGroundSpeedMps;
  return moving && std::isfinite(value) ? value : 0.0;
}

// ---- Standby Combi ----

double InHg() { return ReadToken(Token::AltimeterInHg); }
double Millibars() { return ReadToken(Token::AltimeterMb); }

// The altimeter drum: the drum's digit times its place value, rolling to the
// next digit in ten steps over the last 100 feet of its place. The altitude
// is converted only after its sign is known (a negative one parks the drum).
double Drum(double altitudeFt, uint64_t modulus, uint64_t placeValue, uint64_t threshold, double top) {
  if (!(altitudeFt >= 0.0)) return top;
  const uint64_t h = TruncateSaturated<uint64_t>(altitudeFt);
  const uint64_t a = h % modulus;
  const uint64_t b = a % placeValue;
  uint64_t p = a - b;
  if (b > threshold) p += b / 10 % 10 * (placeValue / 10);
  return top - static_cast<double>(p);
}

// ---- RDI ----

bool HeadingValid() { return Powered() && IsIrsHeadingValid() != 0; }

double Pointer(const CSwitch& selector, Token radialToken, Token flagsToken) {
  if (!HeadingValid()) return 0.0;
  switch (GetSwitch(&selector)) {
    case kRdiVor: {
      const auto flags = static_cast<uint32_t>(TruncateSaturated<int64_t>(ReadToken(flagsToken)));
      if ((flags & kVorSignalBit) == 0) return 0.0;
      double angle = ReadScaledToken(radialToken) - (ReadToken(Token::MagneticHeadingDeg) + kUp);
      if (angle < 0.0) angle += 360.0;
      return angle;
    }
    case kRdiAdf:
      return ReadToken(Token::AdfBearingDeg) + kUp;
    default:
      return 0.0;
  }
}

int32_t SwapSelector(CSwitch& selector, SoundId sound) {
  switch (GetSwitch(&selector)) {
    case kRdiVor:
      SetSwitch(&selector, kRdiAdf);
      break;
    case kRdiAdf:
      SetSwitch(&selector, kRdiVor);
      break;
    default:
      SetSwitch(&selector, kRdiVor);
      return 1;
  }
  PlayClick(sound);
  return 1;
}

// ---- DME ----

// The digits are lit by the side digital lighting while the panel has power.
bool DmeLit() { return Powered() && IsSideDigitalLightOn() != 0; }

double DmeWindow(const ELEMENT_HEADER* element, double scale, int64_t place) {
  const double distanceNm = element->tokenValue;
  const int32_t digit = distanceNm == kDmeNoDistance ? kDmeDash : DigitOf(distanceNm * scale, place);
  return DigitWindow(DmeLit(), digit, kDmeBlank);
}

}  // namespace

platform::ELEMENT_HEADER* StandbyAttitudeElements() { return g_standbyAttitudeElements.Head(); }
platform::ELEMENT_HEADER* StandbyCombiElements() { return g_standbyCombiElements.Head(); }
platform::ELEMENT_HEADER* RdiElements() { return g_rdiElements.Head(); }
platform::ELEMENT_HEADER* DmeElements() { return g_dmeElements.Head(); }

// ---- Standby Attitude ----

void StandbyAttitudeGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreInitialize) ArmRelight(gauge);
  if (serviceId == platform::kServicePreDraw) Relight(gauge, kStandbyAttitudeRelight, IsCplPanelLightOn2() != 0);
}

double StandbyAttitudeElemSpherePitch(ELEMENT_HEADER*) { return Attitude(Token::PitchDeg); }
double StandbyAttitudeElemSphereBank(ELEMENT_HEADER*) { return Attitude(Token::BankDeg); }
double StandbyAttitudeElemBankPointer(ELEMENT_HEADER*) { return Attitude(Token::BankDeg); }
double StandbyAttitudeElemPowerFlag(ELEMENT_HEADER*) { return Powered() ? 0.0 : 1.0; }

// ---- Standby Combi ----

void StandbyCombiGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreInitialize) ArmRelight(gauge);
  if (serviceId != platform::kServicePreDraw) return;
  ShowClickAreas(gauge, kCombiClickAreas);
  Relight(gauge, kStandbyCombiRelight, IsCplPanelLightOn2() != 0);
}

double StandbyAirspeedTape(double knots) {
  constexpr double kTapeEnd = 1366.0;
  if (!(knots > 0.0)) return 0.0;  // nor a negative airspeed off the tape's start
  double position = kTapeEnd;
  if (knots < 60.0) {
    position = knots / 2.0;
  } else if (knots < 250.0) {
    position = 30.0 + (knots - 60.0) * 4.9526;
  } else if (knots < 450.0) {
    position = 971.0 + (knots - 250.0) * 1.975;
  }
  return position > kTapeEnd ? kTapeEnd : position;
}

double StandbyTenThousandsDrum(double altitudeFt) { return Drum(altitudeFt, 100000, 10000, 9900, 99999.0); }
double StandbyThousandsDrum(double altitudeFt) { return Drum(altitudeFt, 10000, 1000, 900, 9999.0); }

double StandbyCombiElemAirspeedTape(ELEMENT_HEADER*) {
  return StandbyAirspeedTape(ReadToken(Token::IndicatedAirspeedKt));
}
double StandbyCombiElemInHg1(ELEMENT_HEADER*) { return DigitOf(InHg() * 100.0, 1); }
double StandbyCombiElemInHg2(ELEMENT_HEADER*) { return DigitOf(InHg() * 10.0, 1); }
double StandbyCombiElemInHg3(ELEMENT_HEADER*) { return DigitOf(InHg(), 1); }
double StandbyCombiElemInHg4(ELEMENT_HEADER*) { return DigitOf(InHg(), 10); }
double StandbyCombiElemMb1(ELEMENT_HEADER*) { return DigitOf(Millibars(), 1); }
double StandbyCombiElemMb2(ELEMENT_HEADER*) { return DigitOf(Millibars(), 10); }
double StandbyCombiElemMb3(ELEMENT_HEADER*) { return DigitOf(Millibars(), 100); }
double StandbyCombiElemMb4(ELEMENT_HEADER*) { return DigitOf(Millibars(), 1000); }
double StandbyCombiElemTenThousands(ELEMENT_HEADER*) { return StandbyTenThousandsDrum(ReadToken(Token::AltitudeFt)); }
double StandbyCombiElemThousands(ELEMENT_HEADER*) { return StandbyThousandsDrum(ReadToken(Token::AltitudeFt)); }
double StandbyCombiElemPointer(ELEMENT_HEADER*) { return Finite(0.36 * ReadToken(Token::AltitudeFt) + kUp, kUp); }

int32_t StandbyCombiMouseBaroDec(platform::PixelPoint, uint32_t) { return SendKeyControl(kKeyEventBaroDec, 0); }
int32_t StandbyCombiMouseBaroInc(platform::PixelPoint, uint32_t) { return SendKeyControl(kKeyEventBaroInc, 0); }

// ---- RDI ----

void RdiGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreInitialize) ArmRelight(gauge);
  if (serviceId != platform::kServicePreDraw) return;
  ShowClickAreas(gauge, kRdiClickAreas);
  Relight(gauge, kRdiRelight, IsSidePanelLightOn() != 0);
}

double RdiElemCompassCard(ELEMENT_HEADER*) {
  return HeadingValid() ? Finite(ReadToken(Token::MagneticHeadingDeg), 0.0) : 0.0;
}
double RdiElemDoublePointer(ELEMENT_HEADER*) {
  return Finite(Pointer(g_rdiSwitchRight, Token::Vor2Radial, Token::Nav2Flags), 0.0);
}
double RdiElemSinglePointer(ELEMENT_HEADER*) {
  return Finite(Pointer(g_rdiSwitchLeft, Token::Vor1Radial, Token::Nav1Flags), 0.0);
}
double RdiElemOffFlag(ELEMENT_HEADER*) { return HeadingValid() ? 1.0 : 0.0; }
double RdiElemRightKnob(ELEMENT_HEADER*) { return GetSwitch(&g_rdiSwitchRight) == kRdiVor ? 0.0 : 1.0; }
double RdiElemLeftKnob(ELEMENT_HEADER*) { return GetSwitch(&g_rdiSwitchLeft) == kRdiVor ? 0.0 : 1.0; }

int32_t RdiMouseSelectLeft(platform::PixelPoint, uint32_t) { return SwapSelector(g_rdiSwitchLeft, kClickRotary2); }
int32_t RdiMouseSelectRight(platform::PixelPoint, uint32_t) { return SwapSelector(g_rdiSwitchRight, kClickRotary1); }

// ---- DME ----

double DmeElemTenths(ELEMENT_HEADER* element) { return DmeWindow(element, 10.0, 1); }
double DmeElemUnits(ELEMENT_HEADER* element) { return DmeWindow(element, 1.0, 1); }
double DmeElemTens(ELEMENT_HEADER* element) { return DmeWindow(element, 1.0, 10); }
double DmeElemHundreds(ELEMENT_HEADER* element) { return DmeWindow(element, 1.0, 100); }
double DmeElemDecimalPoint(ELEMENT_HEADER*) { return DmeLit() ? 1.0 : 0.0; }

}  // namespace halcyon
