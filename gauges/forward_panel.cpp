// The External Lights, FDCADC, TOGA Button, EFIS Dimmer, EFIS Control and
// Wheels gauges. Read the external-light, FDC, EFIS switching, dimmer and
// wheels records, the simulator's flight director switch, panel power,
// the lamp test and the panel lights; drive those records, the decision
// height, the EFIS test button and the TOGA request.
#include "gauges/forward_panel.h"

#include <algorithm>

#include "core/helpers.h"
#include "core/panel_services.h"
#include "displays/efis/efis_dimmer.h"
#include "gauges/gauge_kit.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/gear.h"
#include "systems/lights.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;

constexpr uint32_t kKeyEventFlightDirectorOn = 66288;
constexpr int32_t kFdcNormal = 43;
constexpr int32_t kDimmerFrames = 10;

constinit ElementChain g_externalLightsElements({
    StaticImage("face"),
    StaticImage("lit legends", 0, 15),
    Icon("nose light switch", 96, 16, 2, ExternalLightsElemNoseLights),
    Icon("landing light switch", 0, 23, 3, ExternalLightsElemLandingLights),
    StaticImage("click areas"),
});
constinit ElementChain g_fdcadcElements({
    StaticImage("face"),
    Icon("FD lamp", 0, 0, 2, FdcadcElemLampFd),
    Icon("CADC lamp", 0, 11, 2, FdcadcElemLampCadc),
});
constinit ElementChain g_togaButtonElements({
    StaticImage("button"),
    StaticImage("click areas"),
});
constinit ElementChain g_efisDimmerElements({
    StaticImage("face"),
    StaticImage("lit legends", 0, 1),
    Icon("ND knob", 13, 63, kDimmerFrames + 1, EfisDimmerElemNdKnob),
    Icon("weather knob", 18, 68, kDimmerFrames + 1, EfisDimmerElemWxKnob),
    Icon("PFD knob", 18, 35, kDimmerFrames + 1, EfisDimmerElemPfdKnob),
    StaticImage("click areas"),
});
constinit ElementChain g_efisControlElements({
    StaticImage("face"),
    StaticImage("lit legends"),
    Icon("source selector", 17, 28, 3, EfisControlElemSelector),
    StaticImage("click areas"),
});
constinit ElementChain g_wheelsElements({
    StaticImage("face"),
    Icon("WHEEL NOT TURNING", 0, 0, 2, WheelsElemLamp),
});

bool Powered() { return IsPanelPowered() != 0; }

// The knob's frame: the dimmer's tenths, read with a hair of tolerance so
// that 0.7999999999999999 shows frame 8.
double DimmerFrame(int32_t n) {
  return std::clamp(TruncateSaturated<int32_t>(GetEfisDimmer(n) * kDimmerFrames + 1e-6), 0, kDimmerFrames);
}

int32_t TurnDimmer(void (*turn)(int32_t), int32_t n) {
  turn(n);
  PlayClick(kClickKnob);
  return 1;
}

int32_t StepDecisionHeight(void (*step)()) {
  step();
  PlayClick(kClickKnob);
  return 1;
}

// The EFIS source selector: from the centre (both IRS) to `towardEnd`, from
// `otherEnd` back to the centre, with a click; from anywhere else (the end
// already reached, a stray value) to `towardEnd` without one.
int32_t StepEfisSource(int32_t towardEnd, int32_t otherEnd) {
  const int32_t position = GetSwitch(&g_efisSourceSwitch);
  if (position == kEfisSourceNormal) {
    SetSwitch(&g_efisSourceSwitch, towardEnd);
  } else if (position == otherEnd) {
    SetSwitch(&g_efisSourceSwitch, kEfisSourceNormal);
  } else {
    SetSwitch(&g_efisSourceSwitch, towardEnd);
    return 1;
  }
  PlayClick(kClickRotary2);
  return 1;
}

// One step of the landing-light switch, through the lights' mover, so that
// units already on their way go on with their transit. Up from 3 only puts
// the light off: the units stay where they are.
int32_t StepLandingLightSwitch(bool up) {
  const int32_t position = GetSwitch(&g_landingLightSwitch);
  if (position < kLandingLightsRetract || position > kLandingLightsExtendOn) return 1;
  if (up && position == kLandingLightsExtendOn) {
    SetSwitch(&g_landingLightSwitch, kLandingLightsExtendOff);
  } else {
    MoveLandingLightSwitch(std::clamp(position + (up ? -1 : 1), +kLandingLightsRetract, +kLandingLightsExtendOn));
  }
  PlayClick(kClickGuarded1);
  return 1;
}

}  // namespace

platform::ELEMENT_HEADER* ExternalLightsElements() { return g_externalLightsElements.Head(); }
platform::ELEMENT_HEADER* FdcadcElements() { return g_fdcadcElements.Head(); }
platform::ELEMENT_HEADER* TogaButtonElements() { return g_togaButtonElements.Head(); }
platform::ELEMENT_HEADER* EfisDimmerElements() { return g_efisDimmerElements.Head(); }
platform::ELEMENT_HEADER* EfisControlElements() { return g_efisControlElements.Head(); }
platform::ELEMENT_HEADER* WheelsElements() { return g_wheelsElements.Head(); }

// ---- External Lights ----

void ExternalLightsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, 1, IsFgcpLightOn() != 0);
  ShowClickAreas(gauge, 4);
}

double ExternalLightsElemNoseLights(ELEMENT_HEADER*) { return GetSwitch(&g_taxiLightSwitch) == kSwitchOn ? 1.0 : 0.0; }

double ExternalLightsElemLandingLights(ELEMENT_HEADER*) {
  const int32_t position = GetSwitch(&g_landingLightSwitch);
  return position >= kLandingLightsRetract && position <= kLandingLightsExtendOn ? position - 1.0 : 0.0;
}

int32_t ExternalLightsMouseLandingLightsUp(platform::PixelPoint, uint32_t) { return StepLandingLightSwitch(true); }
int32_t ExternalLightsMouseLandingLightsDown(platform::PixelPoint, uint32_t) { return StepLandingLightSwitch(false); }

int32_t ExternalLightsMouseNoseLights(platform::PixelPoint, uint32_t) {
  const int32_t position = GetSwitch(&g_taxiLightSwitch);
  if (position != kSwitchOn && position != kSwitchOff) {
    SetSwitch(&g_taxiLightSwitch, kSwitchOff);
    return 1;
  }
  return ToggleControl(g_taxiLightSwitch, kClickGuarded2);
}

// ---- FDCADC ----

double FdcadcElemLampFd(ELEMENT_HEADER*) { return Lamp(Powered(), GetSwitch(&g_fdCommandSwitch) != kFdcNormal); }
double FdcadcElemLampCadc(ELEMENT_HEADER*) { return Lamp(Powered(), GetSwitch(&g_cadcSwitch) != kFdcNormal); }

// ---- TOGA Button ----

void TogaButtonGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, 1);
}

int32_t TogaButtonMousePress(platform::PixelPoint, uint32_t) {
  if (ReadToken(Token::FlightDirector) == 0.0) TriggerKeyEvent(kKeyEventFlightDirectorOn, 0);
  PressToga();
  return 1;
}

// ---- EFIS Dimmer ----

void EfisDimmerGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, 1, IsSidePanelLightOn() != 0);
  ShowClickAreas(gauge, 5);
}

double EfisDimmerElemPfdKnob(ELEMENT_HEADER*) { return DimmerFrame(kDimmerPfd); }
double EfisDimmerElemNdKnob(ELEMENT_HEADER*) { return DimmerFrame(kDimmerNd); }
double EfisDimmerElemWxKnob(ELEMENT_HEADER*) { return DimmerFrame(kDimmerWeather); }

int32_t EfisDimmerMouseTest(platform::PixelPoint, uint32_t mouseFlags) {
  if ((mouseFlags & platform::kMouseLeftSingle) != 0) {
    SetEfisTestSwitch(kEfisTestPressed);
    PlayClick(kClickButton1);
  } else if ((mouseFlags & platform::kMouseLeftRelease) != 0) {
    SetEfisTestSwitch(kEfisTestReleased);
    PlayClick(kClickButton1);
  }
  return 1;
}

int32_t EfisDimmerMouseDhDec(platform::PixelPoint, uint32_t) { return StepDecisionHeight(DecrementDecisionHeight); }
int32_t EfisDimmerMouseDhInc(platform::PixelPoint, uint32_t) { return StepDecisionHeight(IncrementDecisionHeight); }
int32_t EfisDimmerMousePfdDec(platform::PixelPoint, uint32_t) { return TurnDimmer(TurnEfisDimmerDown, kDimmerPfd); }
int32_t EfisDimmerMousePfdInc(platform::PixelPoint, uint32_t) { return TurnDimmer(TurnEfisDimmerUp, kDimmerPfd); }
int32_t EfisDimmerMouseNdDec(platform::PixelPoint, uint32_t) { return TurnDimmer(TurnEfisDimmerDown, kDimmerNd); }
int32_t EfisDimmerMouseNdInc(platform::PixelPoint, uint32_t) { return TurnDimmer(TurnEfisDimmerUp, kDimmerNd); }
int32_t EfisDimmerMouseWxDec(platform::PixelPoint, uint32_t) { return TurnDimmer(TurnEfisDimmerDown, kDimmerWeather); }
int32_t EfisDimmerMouseWxInc(platform::PixelPoint, uint32_t) { return TurnDimmer(TurnEfisDimmerUp, kDimmerWeather); }

// ---- EFIS Control ----

void EfisControlGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, 1, IsOclPanelLightOn() != 0);
  ShowClickAreas(gauge, 3);
}

double EfisControlElemSelector(ELEMENT_HEADER*) {
  switch (GetSwitch(&g_efisSourceSwitch)) {
    case kEfisSourceNormal: return 1.0;
    case kEfisSourceIrs2: return 2.0;
    default: return 0.0;
  }
}

int32_t EfisControlMouseSwitchDec(platform::PixelPoint, uint32_t) {
  return StepEfisSource(kEfisSourceIrs1, kEfisSourceIrs2);
}
int32_t EfisControlMouseSwitchInc(platform::PixelPoint, uint32_t) {
  return StepEfisSource(kEfisSourceIrs2, kEfisSourceIrs1);
}

// ---- Wheels ----

double WheelsElemLamp(ELEMENT_HEADER*) { return Lamp(Powered(), GetSwitch(&g_wheelsLamp) == kWheelsLampLit); }

}  // namespace halcyon
