// The gear gauges. The lever picture follows the gear step's lever
// animation; a click on the lever asks the simulator for the other gear
// position, or, with the alternate gear extended, moves only the lever
// picture from one end to the other. A gear lamp is green only with its leg
// exactly down and locked (16383), red anywhere between, dark up. Reads the
// gear legs' positions, the gear and altimeter steps' lamps, the
// alternate gear, panel power and the lamp test.
#include "gauges/gear_gauges.h"

#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "systems/altimeter.h"
#include "systems/annunciator_lamps.h"
#include "systems/electric.h"
#include "systems/gear.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr int32_t kLeverFrames = 18;
enum GearLampFrame : int32_t { kGearLampDark = 0, kGearLampGreen = 1, kGearLampRed = 2 };

bool Powered() { return IsPanelPowered() != 0; }
bool At(const CSwitch& record, int32_t position) { return GetSwitch(&record) == position; }

// Frame 0 lever down .. 17 lever up.
double LeverFrame(ELEMENT_HEADER*) {
  const int32_t position = GetSwitch(&g_gearHandleLever);
  return position >= kGearLeverDown && position <= kGearLeverUp ? position - kGearLeverDown : 0.0;
}

template <Token Leg>
double GearLamp(ELEMENT_HEADER*) {
  if (!Powered()) return kGearLampDark;
  if (IsLampTestOn() != 0) return kGearLampGreen;
  const double position = ReadToken(Leg);
  if (position == 0.0) return kGearLampDark;
  return position == kGearExtended ? kGearLampGreen : kGearLampRed;
}

constinit ElementChain g_handle({
    StaticImage("face"),
    Icon("lever", 0, 0, kLeverFrames, LeverFrame),
    StaticImage("click areas"),
});
constexpr uint32_t kHandleClickAreas = 2;

constinit ElementChain g_indicators({
    StaticImage("face"),
    Icon("GEAR DOOR OPEN", 101, 10, 2,
         [](ELEMENT_HEADER*) {
           return Lamp(Powered(), IsAlternateGearExtended() != 0 || At(g_gearTransitLamp, kSwitchOn));
         }),
    Icon("RIGHT", 53, 4, 3, GearLamp<Token::GearRightPosition>),
    Icon("NOSE", 29, 4, 3, GearLamp<Token::GearPosition>),
    Icon("LEFT", 5, 4, 3, GearLamp<Token::GearLeftPosition>),
    StaticImage("click areas"),
});
constexpr uint32_t kIndicatorsClickAreas = 5;

constinit ElementChain g_altitudeAlert({
    StaticImage("face"),
    Icon("ALTITUDE ALERT", 0, 0, 2, [](ELEMENT_HEADER*) { return Lamp(Powered(), At(g_altitudeAlertLight, kSwitchOn)); }),
});

}  // namespace

platform::ELEMENT_HEADER* GearHandleElements() { return g_handle.Head(); }
platform::ELEMENT_HEADER* GearIndicatorsElements() { return g_indicators.Head(); }
platform::ELEMENT_HEADER* AltitudeAlertElements() { return g_altitudeAlert.Head(); }

void GearHandleGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, kHandleClickAreas);
}

void GearIndicatorsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, kIndicatorsClickAreas);
}

// No click sound: the lever's own noise is the gear's.
int32_t GearHandleMouseClick(PixelPoint, uint32_t) {
  if (IsAlternateGearExtended() == 0) return SendKeyControl(kKeyEventGearToggle, 0);
  const int32_t position = GetSwitch(&g_gearHandleLever);
  if (position == kGearLeverDown) HandleGearHandle(0, 0);
  if (position == kGearLeverUp) HandleGearHandle(0, 1);
  return 1;
}

int32_t GearIndicatorsMouseDoorTest(PixelPoint, uint32_t mouseFlags) {
  return MomentaryControl(g_gearTransitLamp, mouseFlags, kClickButton1);
}

}  // namespace halcyon
