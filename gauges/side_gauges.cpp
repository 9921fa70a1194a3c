// The side gauges. The tiller steers only on the ground (the simulator's
// steering axis, from the pointer's column in the tiller's rectangle); the
// TAS/SAT indicator reads 130 kt at its lowest and shows the temperature's
// sign only a whole degree from zero; the wiper's blade picture is its stroke
// position in the view it is seen from. Reads the steering, parking brake,
// ground and light tokens, the air data and the wiper.
#include "gauges/side_gauges.h"

#include <algorithm>
#include <cmath>

#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "gauges/switch_moves.h"
#include "systems/electric.h"
#include "systems/lights.h"
#include "systems/rain.h"
#include "systems/reserve_thrust.h"
#include "systems/tas_sat.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr uint32_t kKeyEventLogoLights = 66378;
constexpr uint32_t kKeyEventBeaconLights = 66239;
constexpr uint32_t kKeyEventSteeringSet = 65696;
constexpr uint32_t kKeyEventParkingBrake = 65752;

// ART switch, top to bottom: 44 (auto), 125, 120 (off).
constexpr int32_t kArtAuto = 44;
constexpr int32_t kArtMiddle = 125;
constexpr Move kArtUp[] = {{kSwitchOff, kArtMiddle}, {kArtMiddle, kArtAuto}};
constexpr Move kArtDown[] = {{kArtAuto, kArtMiddle}, {kArtMiddle, kSwitchOff}};
// Position and strobe lights, top to bottom: 120, 96, 97.
constexpr Move kPosStrobeUp[] = {{kPosAndStrobeLights, kPosLightsOnly}, {kPosLightsOnly, kSwitchOff}};
constexpr Move kPosStrobeDown[] = {{kSwitchOff, kPosLightsOnly}, {kPosLightsOnly, kPosAndStrobeLights}};

// The tiller: 31 pictures, centred at 15; the steering axis from the column.
constexpr double kTillerCentre = 15.0;
constexpr double kTillerParked = 30.0;
constexpr double kTillerFramesPerRad = 26.7380189802;
constexpr int32_t kTillerCentreColumn = 140;
constexpr int32_t kTillerColumns = 280;
constexpr int32_t kSteeringPerColumn = -117;

// TAS/SAT.
constexpr double kTasLowest = 130.0;
constexpr double kSignBand = 1.0;
constexpr double kSignBlank = 10.0;
constexpr double kSignMinus = 11.0;
constexpr double kSignPlus = 12.0;

// Wiper: 19 stroke pictures in each of three views.
constexpr int32_t kWiperStrokeFrames = 19;
constexpr uint32_t kWiperViews = 3;

double Frame(bool on) { return on ? 1.0 : 0.0; }
bool Powered() { return IsPanelPowered() != 0; }

double ArtFrame() {
  switch (GetSwitch(&g_artSwitch)) {
    case kArtMiddle: return 1.0;
    case kSwitchOff: return 2.0;
    default: return 0.0;
  }
}

double PosStrobeFrame() {
  switch (GetSwitch(&g_posStrobeLightSwitch)) {
    case kPosLightsOnly: return 1.0;
    case kPosAndStrobeLights: return 2.0;
    default: return 0.0;
  }
}

// A light switch that shows the simulator's light: the variable (0 or 1) is
// the frame, held to the switch's two pictures.
double LightVariableFrame(ELEMENT_HEADER* e) {
  return std::isnan(e->tokenValue) ? 0.0 : std::clamp(e->tokenValue, 0.0, 1.0);
}

double TasDigit(int64_t place) {
  if (!Powered()) return 0.0;
  const double tas = GetTrueAirspeed();
  return DigitOf(tas < kTasLowest ? kTasLowest : tas, place);
}

// The lower line: the static air temperature while the button is held.
double LowerLineTemperature() { return GetTasSatState() != 0 ? GetStaticAirTemp() : GetTotalAirTemp(); }

double TemperatureDigit(int64_t place) {
  return Powered() ? DigitOf(std::fabs(LowerLineTemperature()), place) : 0.0;
}

double TemperatureSign() {
  if (!Powered()) return kSignBlank;
  const double t = LowerLineTemperature();
  if (t >= kSignBand) return kSignPlus;
  if (t <= -kSignBand) return kSignMinus;
  return kSignBlank;
}

double WiperFrame() {
  const uint32_t view = GetWiperView();
  const int32_t position = GetSwitch(&g_wiperImage);
  if (view >= kWiperViews || position < 1 || position > kWiperStrokeFrames) return 0.0;
  return kWiperStrokeFrames * static_cast<double>(view) + position - 1;
}

constinit ElementChain g_artElements({
    StaticImage("panel"),
    StaticImage("panel light", -19, -7),
    Icon("ART switch", 0, 0, 3, [](ELEMENT_HEADER*) { return ArtFrame(); }),
    StaticImage("click areas"),
});

constinit ElementChain g_externalLightsFoElements({
    StaticImage("panel"),
    StaticImage("panel light", 8, 4),
    Icon("position strobe", 135, 26, 3, [](ELEMENT_HEADER*) { return PosStrobeFrame(); }),
    BoundTo(Icon("centre light", 96, 38, 2, LightVariableFrame), Token::BeaconLights),
    BoundTo(Icon("lower light", 23, 60, 2, LightVariableFrame), Token::LogoLights),
    Icon("ground flood 2", 61, 17, 2, [](ELEMENT_HEADER*) { return Frame(GetSwitch(&g_groundFloodLight2) == kSwitchOn); }),
    Icon("ground flood 1", 20, 17, 2, [](ELEMENT_HEADER*) { return Frame(GetSwitch(&g_groundFloodLight1) == kSwitchOn); }),
    StaticImage("click areas", 4, 14),
});

constinit ElementChain g_stearingWheelElements({
    StaticImage("tiller well"),
    BoundTo(Icon("tiller", 0, 0, 31,
                 [](ELEMENT_HEADER* e) {
                   return TillerFrame(ReadToken(Token::ParkingBrake) != 0.0, ReadToken(Token::OnGround) != 0.0,
                                      e->tokenValue);
                 }),
            Token::SteeringRad),
    StaticImage("click areas"),
});

constinit ElementChain g_tasSatElements({
    StaticImage("face", 0, 0, kLit),
    Icon("upper mask", 2, 6, 2, [](ELEMENT_HEADER*) { return Frame(!Powered()); }, kLit),
    Icon("TAS hundreds", 5, 2, 11, [](ELEMENT_HEADER*) { return TasDigit(100); }, kLit),
    Icon("TAS tens", 18, 2, 11, [](ELEMENT_HEADER*) { return TasDigit(10); }, kLit),
    Icon("TAS units", 31, 2, 11, [](ELEMENT_HEADER*) { return TasDigit(1); }, kLit),
    Icon("lower mask", 2, 44, 2, [](ELEMENT_HEADER*) { return Frame(!Powered()); }, kLit),
    Icon("temperature tens", 18, 41, 11, [](ELEMENT_HEADER*) { return TemperatureDigit(10); }, kLit),
    Icon("temperature units", 30, 41, 11, [](ELEMENT_HEADER*) { return TemperatureDigit(1); }, kLit),
    Icon("temperature sign", 6, 40, 13, [](ELEMENT_HEADER*) { return TemperatureSign(); }, kLit),
    StaticImage("click areas"),
});

constinit ElementChain g_wiperElements({
    StaticImage("windows"),
    Icon("wiper blade", 0, 0, 57, [](ELEMENT_HEADER*) { return WiperFrame(); }),
});

}  // namespace

double TillerFrame(bool parkingBrake, bool onGround, double steeringRad) {
  if (parkingBrake) return kTillerParked;
  if (!onGround || std::isnan(steeringRad)) return kTillerCentre;
  // The picture has no frame beyond the stops.
  return std::clamp(kTillerCentre - kTillerFramesPerRad * steeringRad, 0.0, kTillerParked);
}

// ---- ART ----

platform::ELEMENT_HEADER* ArtElements() { return g_artElements.Head(); }

void ArtGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, 1, IsCplPanelLightOn() != 0);
  ShowClickAreas(gauge, 3);
}

int32_t ArtMouseSwitchInc(PixelPoint, uint32_t) { return Throw(g_artSwitch, {kArtUp, kArtAuto}, kClickGuarded1); }
int32_t ArtMouseSwitchDec(PixelPoint, uint32_t) { return Throw(g_artSwitch, {kArtDown, kSwitchOff}, kClickGuarded1); }

// ---- External Lights FO ----

platform::ELEMENT_HEADER* ExternalLightsFoElements() { return g_externalLightsFoElements.Head(); }

void ExternalLightsFoGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, 1, IsSidePanelLightOn() != 0);
  ShowClickAreas(gauge, 7);
}

int32_t ExternalLightsFoMouseFlood1(PixelPoint, uint32_t) { return ToggleControl(g_groundFloodLight1, kClickToggle2); }
int32_t ExternalLightsFoMouseFlood2(PixelPoint, uint32_t) { return ToggleControl(g_groundFloodLight2, kClickGuarded1); }
int32_t ExternalLightsFoMouseLowerLight(PixelPoint, uint32_t) {
  return SendKeyControl(kKeyEventLogoLights, 0, kClickGuarded2);
}
int32_t ExternalLightsFoMouseCentreLight(PixelPoint, uint32_t) {
  return SendKeyControl(kKeyEventBeaconLights, 0, kClickGuarded1);
}
int32_t ExternalLightsFoMousePosStrobeInc(PixelPoint, uint32_t) {
  return Throw(g_posStrobeLightSwitch, {kPosStrobeUp, kSwitchOff}, kClickGuarded2);
}
int32_t ExternalLightsFoMousePosStrobeDec(PixelPoint, uint32_t) {
  return Throw(g_posStrobeLightSwitch, {kPosStrobeDown, kSwitchOff}, kClickGuarded2);
}

// ---- Stearing Wheel ----

platform::ELEMENT_HEADER* StearingWheelElements() { return g_stearingWheelElements.Head(); }

void StearingWheelGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, 2);
}

// In flight the tiller does nothing. The column is held inside the
// rectangle, so the axis stays within its travel.
int32_t StearingWheelMouseTiller(PixelPoint point, uint32_t) {
  if (ReadToken(Token::OnGround) == 0.0) return 1;
  const int32_t column = std::clamp(point.x, 0, kTillerColumns - 1);
  const int32_t axis = (column - kTillerCentreColumn) * kSteeringPerColumn;
  TriggerKeyEvent(kKeyEventSteeringSet, static_cast<uint32_t>(axis));
  return 1;
}

int32_t StearingWheelMouseButton(PixelPoint, uint32_t) { return SendKeyControl(kKeyEventParkingBrake, 0); }

// ---- TAS SAT ----

platform::ELEMENT_HEADER* TasSatElements() { return g_tasSatElements.Head(); }

void TasSatGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreInitialize) ArmRelight(gauge);
  if (serviceId != platform::kServicePreDraw) return;
  ShowClickAreas(gauge, 9);
  Relight(gauge, {1, 9}, IsSidePanelLightOn() != 0);
}

int32_t TasSatMouseToggle(PixelPoint, uint32_t flags) {
  if ((flags & platform::kMouseLeftSingle) != 0) {
    SetTasSatState(1);
  } else if ((flags & platform::kMouseLeftRelease) != 0) {
    SetTasSatState(0);
  }
  PlayClick(kClickButton1);
  return 1;
}

// ---- Wiper ----

platform::ELEMENT_HEADER* WiperElements() { return g_wiperElements.Head(); }

}  // namespace halcyon
