// The warning lamp gauges. Every lamp here is dark without panel power, lit
// in the lamp test, else lit while its condition holds. Reads the warning
// lights, the autobrake's ABS lamp, the Various panel's test switch and GPWS
// switch, the fire test, the ART state, the GPWS lamps and the radio
// altitude; the buttons clear the master lamps, turn off the
// stick pusher lamp, hold the ABS test, run the lamp test and the GPWS test,
// and inhibit the below-glide-slope alert.
#include "gauges/warning_lamps.h"

#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "systems/annunciator_lamps.h"
#include "systems/electric.h"
#include "systems/fire_protection.h"
#include "systems/gpws.h"
#include "systems/reserve_thrust.h"
#include "systems/various.h"
#include "systems/warning_lights.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr uint32_t kArtReady = 1;
constexpr uint32_t kArtOn = 3;

bool At(const CSwitch& record, int32_t position) { return GetSwitch(&record) == position; }
double PanelLamp(bool condition) { return Lamp(IsPanelPowered() != 0, condition); }

double StickPusher(ELEMENT_HEADER*) { return PanelLamp(IsVariousSwitchOn() != 0 || At(g_stickPusherLight, kSwitchOn)); }
double Stall(ELEMENT_HEADER*) { return PanelLamp(At(g_stallLight, kSwitchOn)); }
double MasterCaution(ELEMENT_HEADER*) { return PanelLamp(IsFireTestPressed() != 0 || At(g_masterCautionLight, kSwitchOn)); }
double MasterWarning(ELEMENT_HEADER*) { return PanelLamp(IsFireTestPressed() != 0 || At(g_masterWarningLight, kSwitchOn)); }
// Held, the ABS button lights its lamp; released, the lamp shows the autobrake's.
double Abs(ELEMENT_HEADER*) {
  return PanelLamp(At(g_absTestButton, kSwitchOn) || (At(g_absTestButton, kSwitchOff) && At(g_absLight, kSwitchOn)));
}

// The two artworks place the same lamps in mirrored order.
constinit ElementChain g_warningLights({
    StaticImage("face"),
    Icon("ABS", 0, 64, 2, Abs),
    Icon("MASTER WARNING", 27, 48, 2, MasterWarning),
    Icon("MASTER CAUTION", 92, 28, 2, MasterCaution),
    Icon("STALL", 180, 19, 2, Stall),
    Icon("STICK PUSHER", 250, 1, 2, StickPusher),
    StaticImage("click areas"),
});
constinit ElementChain g_pellamsWarningLights({
    StaticImage("face"),
    Icon("ABS", 258, 63, 2, Abs),
    Icon("MASTER WARNING", 203, 47, 2, MasterWarning),
    Icon("MASTER CAUTION", 143, 28, 2, MasterCaution),
    Icon("STALL", 38, 19, 2, Stall),
    Icon("STICK PUSHER", -1, 1, 2, StickPusher),
    StaticImage("click areas"),
});
constexpr uint32_t kWarningLightsClickAreas = 6;

constinit ElementChain g_artAnnunciator({
    StaticImage("face"),
    Icon("ART", 0, 11, 2, [](ELEMENT_HEADER*) { return PanelLamp(GetArtState() == kArtOn); }),
    Icon("READY", 0, 0, 2, [](ELEMENT_HEADER*) { return PanelLamp(GetArtState() == kArtReady); }),
});

constinit ElementChain g_lampTestButton({
    StaticImage("face"),
});

// The Various panel's GPWS switch in its test position lights both GPWS lamps.
bool GpwsSwitchTesting() { return At(g_gpwsSwitch, kGpwsSwitchTest); }

constinit ElementChain g_gpws({
    StaticImage("face"),
    Icon("GPWS", 30, 2, 2, [](ELEMENT_HEADER*) { return PanelLamp(GpwsSwitchTesting() || At(g_gpwsLight, kSwitchOn)); }),
    Icon("BELOW G/S", 1, 2, 2,
         [](ELEMENT_HEADER*) { return PanelLamp(GpwsSwitchTesting() || At(g_belowGsLight, kSwitchOn)); }),
    StaticImage("click areas"),
});
constexpr uint32_t kGpwsClickAreas = 3;

int32_t StickPusherOff() {
  SetSwitch(&g_stickPusherLight, kSwitchOff);
  PlayClick(kClickButton1);
  return 1;
}

int32_t ClearMaster(void (*clear)()) {
  clear();
  PlayClick(kClickButton2);
  return 1;
}

}  // namespace

platform::ELEMENT_HEADER* WarningLightsElements() { return g_warningLights.Head(); }
platform::ELEMENT_HEADER* PellamsWarningLightsElements() { return g_pellamsWarningLights.Head(); }
platform::ELEMENT_HEADER* ArtAnnunciatorElements() { return g_artAnnunciator.Head(); }
platform::ELEMENT_HEADER* AnnunciatorDigitalLightsTestElements() { return g_lampTestButton.Head(); }
platform::ELEMENT_HEADER* GpwsElements() { return g_gpws.Head(); }

// Both warning-light gauges: only their click-area overlay.
void WarningLightsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, kWarningLightsClickAreas);
}

int32_t WarningLightsMouseAbs(PixelPoint, uint32_t mouseFlags) {
  return MomentaryControl(g_absTestButton, mouseFlags, kClickButton1);
}
int32_t WarningLightsMouseStickPusher(PixelPoint, uint32_t) { return StickPusherOff(); }
int32_t WarningLightsMouseWarning(PixelPoint, uint32_t) { return ClearMaster(ClearMasterWarning); }
int32_t WarningLightsMouseCaution(PixelPoint, uint32_t) { return ClearMaster(ClearMasterCaution); }
// The second artwork keeps the rectangles and the actions of the first.
int32_t PellamsWarningLightsMouseAbs(PixelPoint point, uint32_t mouseFlags) {
  return WarningLightsMouseAbs(point, mouseFlags);
}
int32_t PellamsWarningLightsMouseStickPusher(PixelPoint point, uint32_t mouseFlags) {
  return WarningLightsMouseStickPusher(point, mouseFlags);
}
int32_t PellamsWarningLightsMouseWarning(PixelPoint point, uint32_t mouseFlags) {
  return WarningLightsMouseWarning(point, mouseFlags);
}
int32_t PellamsWarningLightsMouseCaution(PixelPoint point, uint32_t mouseFlags) {
  return WarningLightsMouseCaution(point, mouseFlags);
}

// A left click runs the 3-second test (a second one during it does not
// lengthen it); a right click latches the test on, a second right click
// turns it off.
int32_t AnnunciatorDigitalLightsTestMouseTest(PixelPoint, uint32_t mouseFlags) {
  if ((mouseFlags & platform::kMouseLeftSingle) != 0) {
    MoveLampTestSwitch(kLampTestTimed);
  } else if ((mouseFlags & platform::kMouseRightSingle) != 0) {
    MoveLampTestSwitch(At(g_lampTestSwitch, kLampTestHeld) ? static_cast<int32_t>(kSwitchOff) : kLampTestHeld);
  } else {
    return 1;
  }
  PlayClick(kClickButton1);
  return 1;
}

void GpwsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, kGpwsClickAreas);
}

int32_t GpwsMouseInhibitBelowGs(PixelPoint, uint32_t) {
  if (ReadRadioAltitudeFt() < kBelowGsInhibitTopFt) SetGpwsButtonFlag();
  PlayClick(kClickButton1);
  return 1;
}

// Held, the test lights the GPWS lamp; the GPWS step sets it again from its
// alert once a second.
int32_t GpwsMouseTest(PixelPoint, uint32_t mouseFlags) {
  return MomentaryControl(g_gpwsLight, mouseFlags, kClickButton1);
}

}  // namespace halcyon
