// The click each control of the warning-lamp, small forward panel, throttle,
// flap, pedestal-light and gear gauges plays, as its gauge's table gives it:
// one sound a call (both the press and the release of a push button), or
// none for the levers and handles that make no click.
#include <gtest/gtest.h>

#include <vector>

#include "gauges/gauge_kit.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr uint32_t kClick = platform::kMouseLeftSingle;
constexpr uint32_t kRelease = platform::kMouseLeftRelease;
constexpr uint32_t kRightClick = platform::kMouseRightSingle;

struct Control {
  const char* gauge;
  const char* function;
  uint32_t event;
  std::vector<int> clicks;
};

// In table order, gauge by gauge; where a control sounds only from its usual
// positions, the rows before it leave it there (the cockpit's positions at
// load, then each step of a selector and back).
const Control kControls[] = {
    {"Warning Lights", "WarningLightsMouseAbs", kClick, {kClickButton1}},
    {"Warning Lights", "WarningLightsMouseAbs", kRelease, {kClickButton1}},
    {"Warning Lights", "WarningLightsMouseStickPusher", kClick, {kClickButton1}},
    {"Warning Lights", "WarningLightsMouseWarning", kClick, {kClickButton2}},
    {"Warning Lights", "WarningLightsMouseCaution", kClick, {kClickButton2}},
    {"Pellams Warning Lights", "PellamsWarningLightsMouseAbs", kClick, {kClickButton1}},
    {"Pellams Warning Lights", "PellamsWarningLightsMouseAbs", kRelease, {kClickButton1}},
    {"Pellams Warning Lights", "PellamsWarningLightsMouseStickPusher", kClick, {kClickButton1}},
    {"Pellams Warning Lights", "PellamsWarningLightsMouseWarning", kClick, {kClickButton2}},
    {"Pellams Warning Lights", "PellamsWarningLightsMouseCaution", kClick, {kClickButton2}},
    {"Annunciator Digital Lights Test", "AnnunciatorDigitalLightsTestMouseTest", kClick, {kClickButton1}},
    {"Annunciator Digital Lights Test", "AnnunciatorDigitalLightsTestMouseTest", kRightClick, {kClickButton1}},
    {"GPWS", "GpwsMouseInhibitBelowGs", kClick, {kClickButton1}},
    {"GPWS", "GpwsMouseTest", kClick, {kClickButton1}},
    {"GPWS", "GpwsMouseTest", kRelease, {kClickButton1}},
    {"External Lights", "ExternalLightsMouseLandingLightsDown", kClick, {kClickGuarded1}},
    {"External Lights", "ExternalLightsMouseLandingLightsUp", kClick, {kClickGuarded1}},
    {"External Lights", "ExternalLightsMouseNoseLights", kClick, {kClickGuarded2}},
    {"TOGA Button", "TogaButtonMousePress", kClick, {}},
    {"EFIS Dimmer", "EfisDimmerMouseTest", kClick, {kClickButton1}},
    {"EFIS Dimmer", "EfisDimmerMouseTest", kRelease, {kClickButton1}},
    {"EFIS Dimmer", "EfisDimmerMouseDhInc", kClick, {kClickKnob}},
    {"EFIS Dimmer", "EfisDimmerMouseDhDec", kClick, {kClickKnob}},
    {"EFIS Dimmer", "EfisDimmerMousePfdDec", kClick, {kClickKnob}},
    {"EFIS Dimmer", "EfisDimmerMousePfdInc", kClick, {kClickKnob}},
    {"EFIS Dimmer", "EfisDimmerMouseNdDec", kClick, {kClickKnob}},
    {"EFIS Dimmer", "EfisDimmerMouseNdInc", kClick, {kClickKnob}},
    {"EFIS Dimmer", "EfisDimmerMouseWxDec", kClick, {kClickKnob}},
    {"EFIS Dimmer", "EfisDimmerMouseWxInc", kClick, {kClickKnob}},
    {"EFIS Control", "EfisControlMouseSwitchDec", kClick, {kClickRotary2}},
    {"EFIS Control", "EfisControlMouseSwitchInc", kClick, {kClickRotary2}},
    {"Throttlebox", "ThrottleboxMouseHydraulic", kClick, {}},
    {"Throttlebox", "ThrottleboxMouseGearHorn", kClick, {kClickButton1}},
    {"Throttlebox", "ThrottleboxMouseGearHorn", kRelease, {kClickButton1}},
    {"Throttlebox", "ThrottleboxMouseFuelShutoffLeft", kClick, {}},
    {"Throttlebox", "ThrottleboxMouseFuelShutoffRight", kClick, {}},
    {"Throttlebox", "ThrottleboxMouseSpeedBrake", kRightClick, {}},
    {"Throttlebox", "ThrottleboxMouseFuelXFeed", kClick, {}},
    {"Flapsbox", "FlapsboxMouseFlapsUp", kClick, {}},
    {"Flapsbox", "FlapsboxMouseFlapsDown", kClick, {}},
    {"Flapsbox", "FlapsboxMouseManualCabinPressure", kClick, {}},
    {"Flapsbox", "FlapsboxMouseCabinPressureRateInc", kClick, {}},
    {"Flapsbox", "FlapsboxMouseCabinPressureRateDec", kClick, {}},
    {"CPL", "CplMousePanel", kClick, {kClickRotary1}},
    {"CPL", "CplMouseDigital", kClick, {kClickRotary1}},
    {"CPL", "CplMouseFlood", kClick, {kClickRotary2}},
    {"Auto Brake", "AutoBrakeMouseArm", kClick, {kClickToggle1}},
    {"Auto Brake", "AutoBrakeMouseModeInc", kClick, {kClickRotary1}},
    {"Auto Brake", "AutoBrakeMouseModeDec", kClick, {kClickRotary1}},
    {"Pneumatic XFeed", "PneumaticXFeedMouseLeftValve", kClick, {}},
    {"Pneumatic XFeed", "PneumaticXFeedMouseRightValve", kClick, {}},
    {"Alternate Gear", "AlternateGearMouseHandleDec", kClick, {}},
    {"Alternate Gear", "AlternateGearMouseHandleInc", kClick, {}},
    {"Gear Horn VC", "GearHornVcMouseButton", kClick, {kClickButton1}},
    {"Gear Horn VC", "GearHornVcMouseButton", kRelease, {kClickButton1}},
};

TEST(ClickSounds, EachControlPlaysTheClickOfItsGaugesTable) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({kClickToggle1, kClickToggle2, kClickGuarded1, kClickGuarded2, kClickButton1, kClickButton2,
                     kClickKnob, kClickRotary1, kClickRotary2},
                    20)
      .start()
      .runTicks(2);
  for (const Control& control : kControls) {
    const size_t mark = cockpit.played().size();
    cockpit.callControl(control.gauge, control.function, control.event).runTicks(4);
    std::vector<int> clicks;
    const std::vector<PlayedSound> played = cockpit.played();
    for (size_t i = mark; i < played.size(); ++i) {
      if (played[i].slot >= kClickToggle1 && played[i].slot <= kClickRotary2) clicks.push_back(played[i].slot);
    }
    EXPECT_EQ(clicks, control.clicks) << control.function << " " << control.event;
  }
}

}  // namespace
}  // namespace halcyon::test
