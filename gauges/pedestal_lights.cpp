// The pedestal's light switches, the auto-brake panel and the pneumatic
// cross-feed levers. The CPL panel light lights the centre and pedestal
// gauges; its click toggles the simulator's panel lights twice so that they
// end as they were, while the flood button toggles them once. The cross-feed
// clicks start a lever's move, which the pneumatic step carries out.
#include "gauges/pedestal_lights.h"

#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "gauges/switch_moves.h"
#include "systems/autobrake.h"
#include "systems/lights.h"
#include "systems/pneumatics.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr uint32_t kKeyEventPanelLights = 65750;
constexpr int32_t kModeLow = 1;
constexpr int32_t kModeHigh = 5;
constexpr int32_t kLeverFrames = 10;

constexpr Move kArmMoves[] = {{kAutobrakeArmed, kAutobrakeDisarmed}, {kAutobrakeDisarmed, kAutobrakeArmed}};
constexpr Switching kArm{kArmMoves, kAutobrakeDisarmed};

double Frame(bool on) { return on ? 1.0 : 0.0; }
double NotOff(const CSwitch& record) { return Frame(GetSwitch(&record) != kSwitchOff); }
double StripFrame(const CSwitch& record, int32_t high) {
  const int32_t position = GetSwitch(&record);
  return position >= 1 && position <= high ? position - 1.0 : 0.0;
}

constinit ElementChain g_cplElements({
    StaticImage("panel"),
    StaticImage("panel light"),
    Icon("flood knob", 154, 20, 2, [](ELEMENT_HEADER*) { return Frame(ReadToken(Token::PanelLights) != 0.0); }),
    Icon("digital light", 87, 20, 2, [](ELEMENT_HEADER*) { return NotOff(g_cplDigitalLight); }),
    Icon("panel light switch", 19, 20, 2, [](ELEMENT_HEADER*) { return NotOff(g_cplPanelLight); }),
    StaticImage("click areas", 22, 24),
});

constinit ElementChain g_autoBrakeElements({
    StaticImage("panel"),
    StaticImage("panel light"),
    Icon("mode", 9, 43, kModeHigh, [](ELEMENT_HEADER*) { return StripFrame(g_autobrakeModeSelector, kModeHigh); }),
    Icon("arm", 28, -4, 2, [](ELEMENT_HEADER*) { return Frame(GetSwitch(&g_autobrakeArmSwitch) == kAutobrakeArmed); }),
    StaticImage("click areas"),
});

constinit ElementChain g_xFeedElements({
    StaticImage("panel"),
    Icon("right lever", 254, 1, kLeverFrames, [](ELEMENT_HEADER*) { return StripFrame(g_pneumaticXFeedRight, kLeverFrames); }),
    Icon("left lever", 1, 1, kLeverFrames, [](ELEMENT_HEADER*) { return StripFrame(g_pneumaticXFeedLeft, kLeverFrames); }),
    StaticImage("click areas"),
});

int32_t Mode(int32_t step) { return StepWithin(g_autobrakeModeSelector, kModeLow, kModeHigh, step, kClickRotary1); }

// A cross-feed lever at an end starts its run to the other end; one caught
// between its ends goes back to 1 without a run.
constexpr LeverEnds kXFeedLeverEnds{kXFeedLeverDefault, kXFeedLeverPassesAir, kXFeedLeverPassesAir};

}  // namespace

platform::ELEMENT_HEADER* CplElements() { return g_cplElements.Head(); }
platform::ELEMENT_HEADER* AutoBrakeElements() { return g_autoBrakeElements.Head(); }
platform::ELEMENT_HEADER* PneumaticXFeedElements() { return g_xFeedElements.Head(); }

void CplGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, 1, IsCplPanelLightOn() != 0);
  ShowClickAreas(gauge, 5);
}
void AutoBrakeGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, 1, IsCplPanelLightOn() != 0);
  ShowClickAreas(gauge, 4);
}
void PneumaticXFeedGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, 3);
}

int32_t CplMousePanel(PixelPoint, uint32_t) {
  Throw(g_cplPanelLight, kOnOff, kClickRotary1);
  TriggerKeyEvent(kKeyEventPanelLights, 0);
  TriggerKeyEvent(kKeyEventPanelLights, 0);
  return 1;
}
int32_t CplMouseDigital(PixelPoint, uint32_t) { return Throw(g_cplDigitalLight, kOnOff, kClickRotary1); }
int32_t CplMouseFlood(PixelPoint, uint32_t) { return SendKeyControl(kKeyEventPanelLights, 0, kClickRotary2); }

int32_t AutoBrakeMouseArm(PixelPoint, uint32_t) { return Throw(g_autobrakeArmSwitch, kArm, kClickToggle1); }
int32_t AutoBrakeMouseModeDec(PixelPoint, uint32_t) { return Mode(-1); }
int32_t AutoBrakeMouseModeInc(PixelPoint, uint32_t) { return Mode(1); }

int32_t PneumaticXFeedMouseLeftValve(PixelPoint, uint32_t) {
  return ClickAnimatedLever(g_pneumaticXFeedLeft, HandleXFeedLeverLeft, kXFeedLeverEnds);
}
int32_t PneumaticXFeedMouseRightValve(PixelPoint, uint32_t) {
  return ClickAnimatedLever(g_pneumaticXFeedRight, HandleXFeedLeverRight, kXFeedLeverEnds);
}

}  // namespace halcyon
