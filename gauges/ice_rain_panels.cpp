// The ice protection, rain and overhead light panels. The switches are the
// records of sections "ICE PROTECTION", "RAIN" and "OCL"; the airfoil and
// tail switches start the de-icing cycles, the wiper selector tells the
// wiper its setting, and the cabin signs chime in the cabin unless the
// option "sound" silences it. Reads the options and the simulator's panel
// lights, which the flood button toggles.
#include "gauges/ice_rain_panels.h"

#include "core/options.h"
#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "gauges/switch_moves.h"
#include "systems/ice_protection.h"
#include "systems/lights.h"
#include "systems/rain.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr SoundId kCabinChime = 202;
constexpr uint32_t kKeyEventPanelLights = 65750;
constexpr int32_t kEmergencyLightsArmed = 127;
constexpr int32_t kSignAuto = 44;
constexpr int32_t kMeterLow = 1;
constexpr int32_t kMeterHigh = 10;
constexpr int32_t kShutoffOverrideOn = 44;
constexpr int32_t kWiperParkPosition = 1;
constexpr int32_t kWiperOffPosition = 2;
constexpr int32_t kWiperHighPosition = 4;

// Emergency lights, top to bottom: 120, 127 (armed), 41.
constexpr Move kEmergencyUpMoves[] = {{kSwitchOn, kEmergencyLightsArmed}, {kEmergencyLightsArmed, kSwitchOff}};
constexpr Switching kEmergencyUp{kEmergencyUpMoves, kSwitchOff};
constexpr Move kEmergencyDownMoves[] = {{kSwitchOff, kEmergencyLightsArmed}, {kEmergencyLightsArmed, kSwitchOn}};
constexpr Switching kEmergencyDown{kEmergencyDownMoves, kSwitchOn};
// The signs, top to bottom: 44, 120, 41.
constexpr Move kSignUpMoves[] = {{kSwitchOn, kSwitchOff}, {kSwitchOff, kSignAuto}};
constexpr Switching kSignUp{kSignUpMoves, kSignAuto};
constexpr Move kSignDownMoves[] = {{kSignAuto, kSwitchOff}, {kSwitchOff, kSwitchOn}};
constexpr Switching kSignDown{kSignDownMoves, kSwitchOn};
constexpr Move kOverrideMoves[] = {{kShutoffOverrideOn, kSwitchOff}, {kSwitchOff, kShutoffOverrideOn}};
constexpr Switching kOverride{kOverrideMoves, kSwitchOff};

double Frame(bool on) { return on ? 1.0 : 0.0; }
bool At(const CSwitch& record, int32_t position) { return GetSwitch(&record) == position; }
double OnFrame(const CSwitch& record) { return Frame(At(record, kSwitchOn)); }

// Two pictures past the rest position: `first` shows 1, 41 shows 2.
double ThreeWay(const CSwitch& record, int32_t first) {
  const int32_t position = GetSwitch(&record);
  return position == first ? 1.0 : position == kSwitchOn ? 2.0 : 0.0;
}

double Strip(const CSwitch& record, int32_t low, int32_t high, int32_t firstShown) {
  const int32_t position = GetSwitch(&record);
  return position >= firstShown && position <= high && position >= low ? position - 1.0 : 0.0;
}

constinit ElementChain g_iceElements({
    StaticImage("panel"),
    StaticImage("panel light"),
    Icon("engine right", 435, 63, 2, [](ELEMENT_HEADER*) { return OnFrame(g_engineAntiIceRight); }),
    Icon("engine left", 362, 65, 2, [](ELEMENT_HEADER*) { return OnFrame(g_engineAntiIceLeft); }),
    Icon("windshield anti-ice", 420, 6, 2, [](ELEMENT_HEADER*) { return OnFrame(g_windshieldAntiIce); }),
    Icon("windshield anti-fog", 375, 6, 2, [](ELEMENT_HEADER*) { return OnFrame(g_windshieldAntiFog); }),
    Icon("airfoil", 297, 6, 2, [](ELEMENT_HEADER*) { return OnFrame(g_airfoilHeatSwitch); }),
    Icon("meter selector", 175, 42, 10,
         [](ELEMENT_HEADER*) { return Strip(g_pitotMeterSelector, kMeterLow, kMeterHigh, kMeterLow); }),
    Icon("seat belt", 61, 69, 3, [](ELEMENT_HEADER*) { return ThreeWay(g_seatbeltSwitch, kSwitchOff); }),
    Icon("no smoking", 18, 68, 3, [](ELEMENT_HEADER*) { return ThreeWay(g_noSmokingSwitch, kSwitchOff); }),
    Icon("emergency lights", 34, 0, 3, [](ELEMENT_HEADER*) { return ThreeWay(g_emergencyLightsSwitch, kEmergencyLightsArmed); }),
    StaticImage("click areas"),
});

constinit ElementChain g_rainElements({
    StaticImage("panel"),
    StaticImage("panel light", -3, -18),
    Icon("ram air", 345, 73, 2, [](ELEMENT_HEADER*) { return OnFrame(g_ramAirSwitch); }),
    Icon("shutoff override", 347, 5, 2, [](ELEMENT_HEADER*) { return Frame(At(g_airConditionShutoffOverride, kShutoffOverrideOn)); }),
    Icon("annunciator dimmer", 306, 179, 2, [](ELEMENT_HEADER*) { return OnFrame(g_annunciatorLightsDimmer); }),
    Icon("wiper selector", 116, 142, 4,
         [](ELEMENT_HEADER*) { return Strip(g_rainWiperSwitch, kWiperParkPosition, kWiperHighPosition, kWiperOffPosition); }),
    Icon("repellent source", 42, 116, 2, [](ELEMENT_HEADER*) { return Frame(At(g_repellentSourceButton, kRepellentSourcePressed)); }),
    StaticImage("click areas"),
});

constinit ElementChain g_oclElements({
    StaticImage("panel"),
    StaticImage("panel light"),
    Icon("flood light", 124, 2, 2, [](ELEMENT_HEADER*) { return Frame(ReadToken(Token::PanelLights) != 0.0); }),
    Icon("panel light switch", 17, 4, 2, [](ELEMENT_HEADER*) { return Frame(!At(g_oclPanelLight, kSwitchOff)); }),
    StaticImage("click areas", 29, 19),
});

void Chime() {
  if (GetOption(kOptionSoundOff) == 0) PlaySound(kCabinChime, 0);
}

// A sign switch: the chime goes with every move that clicks, before or after
// the click as each half of each switch has it.
int32_t Sign(CSwitch& record, const Switching& switching, SoundId sound, bool chimeFirst) {
  const int32_t before = GetSwitch(&record);
  bool listed = false;
  for (const Move& move : switching.moves) listed = listed || move.from == before;
  if (listed && chimeFirst) Chime();
  Throw(record, switching, sound);
  if (listed && !chimeFirst) Chime();
  return 1;
}

// The meter selector turns round: past 1 it comes to 10 and past 10 to 1,
// silently, as from a stray position; a step within 1..10 clicks.
int32_t MeterSelector(int32_t step) {
  return StepWithin(g_pitotMeterSelector, kMeterLow, kMeterHigh, step, kClickRotary2, KnobEnds::TurnRound);
}

int32_t WiperTo(int32_t position, bool sounded) {
  SetSwitch(&g_rainWiperSwitch, position);
  SetWiperSelector(static_cast<uint32_t>(position - 1));
  if (sounded) PlayClick(kClickRotary1);
  return 1;
}

// The overhead and pedestal light switches toggle 41 and 120; anything else
// goes to 120 silently.
int32_t LightToggle(CSwitch& record, SoundId sound) { return Throw(record, kOnOff, sound); }

}  // namespace

platform::ELEMENT_HEADER* IceProtectionElements() { return g_iceElements.Head(); }
platform::ELEMENT_HEADER* RainElements() { return g_rainElements.Head(); }
platform::ELEMENT_HEADER* OclElements() { return g_oclElements.Head(); }

void IceProtectionGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  OverheadPanelOverlays(gauge, serviceId, 11);
}
void RainGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  OverheadPanelOverlays(gauge, serviceId, 7);
}
void OclGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  OverheadPanelOverlays(gauge, serviceId, 4);
}

int32_t IceProtectionMouseEmergencyLightsInc(PixelPoint, uint32_t) {
  return Throw(g_emergencyLightsSwitch, kEmergencyUp, kClickToggle1);
}
int32_t IceProtectionMouseEmergencyLightsDec(PixelPoint, uint32_t) {
  return Throw(g_emergencyLightsSwitch, kEmergencyDown, kClickToggle2);
}
int32_t IceProtectionMouseNoSmokingInc(PixelPoint, uint32_t) { return Sign(g_noSmokingSwitch, kSignUp, kClickToggle1, false); }
int32_t IceProtectionMouseNoSmokingDec(PixelPoint, uint32_t) { return Sign(g_noSmokingSwitch, kSignDown, kClickToggle1, true); }
int32_t IceProtectionMouseSeatbeltInc(PixelPoint, uint32_t) { return Sign(g_seatbeltSwitch, kSignUp, kClickToggle2, true); }
int32_t IceProtectionMouseSeatbeltDec(PixelPoint, uint32_t) { return Sign(g_seatbeltSwitch, kSignDown, kClickToggle2, true); }
// The left half ("inc" in the keyboard file) turns the selector down.
int32_t IceProtectionMouseMeterSelectorInc(PixelPoint, uint32_t) { return MeterSelector(-1); }
int32_t IceProtectionMouseMeterSelectorDec(PixelPoint, uint32_t) { return MeterSelector(1); }
int32_t IceProtectionMouseAirfoil(PixelPoint, uint32_t) {
  const bool off = At(g_airfoilHeatSwitch, kSwitchOff);
  Throw(g_airfoilHeatSwitch, kOnOff, kClickToggle1);
  if (off) ScheduleAirfoilHeatOn();
  return 1;
}
int32_t IceProtectionMouseTail(PixelPoint, uint32_t) {
  StartAirfoilHeat();
  PlayClick(kClickToggle1);
  return 1;
}
int32_t IceProtectionMouseWindowsAntiFog(PixelPoint, uint32_t) { return Throw(g_windshieldAntiFog, kOnOff, kClickToggle2); }
int32_t IceProtectionMouseWindowsAntiIce(PixelPoint, uint32_t) { return Throw(g_windshieldAntiIce, kOnOff, kClickToggle1); }
int32_t IceProtectionMouseEngineLeft(PixelPoint, uint32_t) { return Throw(g_engineAntiIceLeft, kOnOff, kClickGuarded1); }
int32_t IceProtectionMouseEngineRight(PixelPoint, uint32_t) { return Throw(g_engineAntiIceRight, kOnOff, kClickToggle2); }

int32_t RainMouseRepellentSource(PixelPoint, uint32_t flags) {
  if (IsRelease(flags)) return ReleaseTo(g_repellentSourceButton, kRepellentSourcePressed, kRepellentSourceReleased, kClickGuarded1);
  SetSwitch(&g_repellentSourceButton, kRepellentSourcePressed);
  SetRainPanelFlag(1);
  PlayClick(kClickGuarded1);
  return 1;
}
int32_t RainMouseRepellentDischargeLeft(PixelPoint, uint32_t) { return Throw(g_repellentDischargeLeft, kOnOff, kClickButton1); }
int32_t RainMouseRepellentDischargeRight(PixelPoint, uint32_t) { return Throw(g_repellentDischargeRight, kOnOff, kClickButton2); }

// PARK is spring-loaded: the release brings the knob back to OFF, while the
// wiper keeps its PARK setting until the knob is turned again.
int32_t RainMouseWiperDec(PixelPoint, uint32_t flags) {
  const int32_t position = GetSwitch(&g_rainWiperSwitch);
  if (IsRelease(flags)) {
    if (position == kWiperParkPosition) SetSwitch(&g_rainWiperSwitch, kWiperOffPosition);
    return 1;
  }
  const bool stepped = position > kWiperParkPosition && position <= kWiperHighPosition;
  return WiperTo(stepped ? position - 1 : kWiperParkPosition, stepped);
}
int32_t RainMouseWiperInc(PixelPoint, uint32_t) {
  const int32_t position = GetSwitch(&g_rainWiperSwitch);
  const bool stepped = position >= kWiperParkPosition && position < kWiperHighPosition;
  return WiperTo(stepped ? position + 1 : kWiperHighPosition, stepped);
}
int32_t RainMouseAnnunciatorLightsDim(PixelPoint, uint32_t) { return Throw(g_annunciatorLightsDimmer, kOnOff, kClickButton1); }
int32_t RainMouseAirCondShutoffOverride(PixelPoint, uint32_t) {
  return Throw(g_airConditionShutoffOverride, kOverride, kClickToggle2);
}
int32_t RainMouseRamAir(PixelPoint, uint32_t) { return Throw(g_ramAirSwitch, kOnOff, kClickToggle1); }

int32_t OclMousePanelLight(PixelPoint, uint32_t) { return LightToggle(g_oclPanelLight, kClickRotary2); }
int32_t OclMouseFloodLight(PixelPoint, uint32_t) { return SendKeyControl(kKeyEventPanelLights, 0, kClickRotary1); }

}  // namespace halcyon
