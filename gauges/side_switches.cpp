// The side console's switches, drawn twice ("Side Switches" and "Side
// Switches2"); both pictures move the same records of section "SIDE
// SWITCHES". The panel-light switch lights the side-lit instruments; the
// simulator's own panel lights follow the flood-light control.
#include "gauges/side_switches.h"

#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "systems/lights.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr uint32_t kKeyEventPanelLights = 65750;
constexpr int32_t kAltStaticNormal = 43;
constexpr int32_t kAltStaticAlternate = 69;

double Frame(bool on) { return on ? 1.0 : 0.0; }
double FloodKnob(ELEMENT_HEADER*) { return Frame(ReadToken(Token::PanelLights) != 0.0); }
double DigitalSwitch(ELEMENT_HEADER*) { return Frame(GetSwitch(&g_sideDigitalLight) == kSwitchOn); }
double PanelSwitch(ELEMENT_HEADER*) { return Frame(GetSwitch(&g_sidePanelLight) == kSwitchOn); }
double AltStatic(ELEMENT_HEADER*) { return Frame(GetSwitch(&g_altStaticSwitch) == kAltStaticAlternate); }

constinit ElementChain g_elements({
    StaticImage("console"),
    StaticImage("panel light", 52, -20),
    Icon("flood knob", 188, 93, 4, FloodKnob),
    Icon("digital light", 129, 94, 4, DigitalSwitch),
    Icon("panel light switch", 66, 95, 2, PanelSwitch),
    Icon("alternate static", 174, 0, 2, AltStatic),
    StaticImage("click areas", 54, 0),
});
constinit ElementChain g_elements2({
    StaticImage("console"),
    StaticImage("panel light", 23, 10),
    Icon("flood knob", 129, 105, 4, FloodKnob),
    Icon("digital light", 95, 107, 4, DigitalSwitch),
    Icon("panel light switch", 33, 107, 2, PanelSwitch),
    Icon("alternate static", 105, 27, 2, AltStatic),
});

// A lighting switch, then the simulator's panel-light toggle twice, which
// leaves the simulator's own panel lights as they were.
int32_t LightSwitch(CSwitch& record) {
  ToggleControl(record, kClickRotary2);
  TriggerKeyEvent(kKeyEventPanelLights, 0);
  TriggerKeyEvent(kKeyEventPanelLights, 0);
  return 1;
}

int32_t Flood() { return SendKeyControl(kKeyEventPanelLights, 0, kClickRotary1); }

int32_t AlternateStatic() {
  SetSwitch(&g_altStaticSwitch,
            GetSwitch(&g_altStaticSwitch) == kAltStaticNormal ? kAltStaticAlternate : kAltStaticNormal);
  PlayClick(kClickRotary2);
  return 1;
}

}  // namespace

platform::ELEMENT_HEADER* SideSwitchesElements() { return g_elements.Head(); }
platform::ELEMENT_HEADER* SideSwitches2Elements() { return g_elements2.Head(); }

void SideSwitchesGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, 1, IsSidePanelLightOn() != 0);
  ShowClickAreas(gauge, 6);
}
void SideSwitches2GaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowElement(gauge, 1, IsSidePanelLightOn() != 0);
}

int32_t SideSwitchesMousePanelLights(PixelPoint, uint32_t) { return LightSwitch(g_sidePanelLight); }
int32_t SideSwitchesMouseDigitalLights(PixelPoint, uint32_t) { return LightSwitch(g_sideDigitalLight); }
int32_t SideSwitchesMouseFloodLights(PixelPoint, uint32_t) { return Flood(); }
int32_t SideSwitchesMouseAlternateStatic(PixelPoint, uint32_t) { return AlternateStatic(); }
int32_t SideSwitches2MousePanelLights(PixelPoint, uint32_t) { return LightSwitch(g_sidePanelLight); }
int32_t SideSwitches2MouseDigitalLights(PixelPoint, uint32_t) { return LightSwitch(g_sideDigitalLight); }
int32_t SideSwitches2MouseFloodLights(PixelPoint, uint32_t) { return Flood(); }
int32_t SideSwitches2MouseAlternateStatic(PixelPoint, uint32_t) { return AlternateStatic(); }

}  // namespace halcyon
