// Cockpit lighting and the external lights with the simulator: lighting
// queries by panel power, the landing lights that light only on extended
// units, the taxi light with the gear, navigation lights and strobes.
#include <gtest/gtest.h>

#include "core/tick_scheduler.h"
#include "systems/electric.h"
#include "systems/lights.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr double kGearDown = 16383.0;
constexpr double kTransitTicks = 126.0;  // 7 s

void PowerThePanel(Cockpit& cockpit) {
  cockpit.control("APU", "battery", 41);
  cockpit.runUntil([] { return IsPanelPowered() != 0; }, 4);
  ASSERT_EQ(IsPanelPowered(), 1u);
}

TEST(Lights, QueriesAreDarkWithoutPanelPowerExceptTheSideDigits) {
  Cockpit cockpit;
  for (CSwitch* light : {&g_cplPanelLight, &g_cplDigitalLight, &g_oclPanelLight, &g_sidePanelLight,
                         &g_sideDigitalLight}) {
    cockpit.setSwitch(light, kSwitchOn);
  }
  cockpit.runSeconds(2);
  EXPECT_EQ(IsPanelPowered(), 0u);
  EXPECT_EQ(IsCplPanelLightOn(), 0u);
  EXPECT_EQ(IsCplPanelLightOn2(), 0u);
  EXPECT_EQ(IsCplDigitalLightOn(), 0u);
  EXPECT_EQ(IsOclPanelLightLit(), 0u);
  EXPECT_EQ(IsOclPanelLightOn(), 0u);
  EXPECT_EQ(IsSidePanelLightOn(), 0u);
  EXPECT_EQ(IsSideDigitalLightOn(), 1u) << "the side digits need no panel power";

  PowerThePanel(cockpit);
  EXPECT_EQ(IsCplPanelLightOn(), 1u);
  EXPECT_EQ(IsCplPanelLightOn2(), 1u);
  EXPECT_EQ(IsCplDigitalLightOn(), 1u);
  EXPECT_EQ(IsOclPanelLightLit(), 1u);
  EXPECT_EQ(IsOclPanelLightOn(), 1u);
  EXPECT_EQ(IsSidePanelLightOn(), 1u);

  // A dimmer setting lights the overhead but is not "on"; off (and the whole
  // off band) is dark.
  cockpit.setSwitch(&g_oclPanelLight, 43);
  EXPECT_EQ(IsOclPanelLightLit(), 1u);
  EXPECT_EQ(IsOclPanelLightOn(), 0u);
  cockpit.setSwitch(&g_oclPanelLight, 134);
  EXPECT_EQ(IsOclPanelLightLit(), 0u);
  cockpit.setSwitch(&g_oclPanelLight, 119);
  EXPECT_EQ(IsOclPanelLightLit(), 1u);
  for (CSwitch* light : {&g_cplPanelLight, &g_cplDigitalLight, &g_sidePanelLight, &g_sideDigitalLight}) {
    cockpit.setSwitch(light, 43);
  }
  EXPECT_EQ(IsCplPanelLightOn(), 0u);
  EXPECT_EQ(IsCplDigitalLightOn(), 0u);
  EXPECT_EQ(IsSidePanelLightOn(), 0u);
  EXPECT_EQ(IsSideDigitalLightOn(), 0u);
}

TEST(Lights, LandingLightsLightOnlyOnceTheUnitsAreOut) {
  Cockpit cockpit;
  cockpit.runTicks(1);
  ASSERT_EQ(GetSwitch(&g_landingLightExtension), kLandingLightsRetracted);
  cockpit.control("EXTERNAL LIGHTS", "landing_lights", kLandingLightsExtendOn);
  EXPECT_EQ(GetSwitch(&g_landingLightExtension), kLandingLightsExtending);
  cockpit.runTicks(1);
  const double firstSeen = cockpit.tick18();
  // EXT OFF and back to EXT ON while the units travel: the transit goes on.
  cockpit.runTicks(60);
  cockpit.control("EXTERNAL LIGHTS", "landing_lights", kLandingLightsExtendOff).runTicks(1);
  cockpit.control("EXTERNAL LIGHTS", "landing_lights", kLandingLightsExtendOn);
  cockpit.runUntil([&] { return cockpit.token(Token::LandingLights) != 0.0; }, 10);
  EXPECT_EQ(cockpit.tick18(), firstSeen + kTransitTicks + 1) << "the tick after the 7-s transit";
  EXPECT_EQ(GetSwitch(&g_landingLightExtension), kLandingLightsExtended);
  ASSERT_EQ(cockpit.keyEvents(kKeyEventToggleLandingLights).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventToggleLandingLights)[0].tick18, cockpit.tick18());
  cockpit.runTicks(20);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventToggleLandingLights).size(), 1u) << "converged";

  // EXT OFF: dark at once on extended units; the units stay out.
  cockpit.control("EXTERNAL LIGHTS", "landing_lights", kLandingLightsExtendOff).runTicks(1);
  EXPECT_EQ(cockpit.token(Token::LandingLights), 0.0);
  EXPECT_EQ(GetSwitch(&g_landingLightExtension), kLandingLightsExtended);

  // Lit by the simulator's own key while retracting: put out every tick.
  cockpit.control("EXTERNAL LIGHTS", "landing_lights", kLandingLightsRetract);
  EXPECT_EQ(GetSwitch(&g_landingLightExtension), kLandingLightsRetracting);
  cockpit.runTicks(1);
  const double retractSeen = cockpit.tick18();
  cockpit.control("EXTERNAL LIGHTS", "landing_lights", kLandingLightsRetract);
  cockpit.set(Token::LandingLights, 1).runTicks(1);
  EXPECT_EQ(cockpit.token(Token::LandingLights), 0.0);
  cockpit.runUntil([] { return GetSwitch(&g_landingLightExtension) == kLandingLightsRetracted; }, 10);
  EXPECT_EQ(cockpit.tick18(), retractSeen + kTransitTicks + 1);
}

TEST(Lights, ExtOnWhileExtendingWaitsAndARetractSwitchWithoutTheGaugeLeavesTheUnitsOut) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[EXTERNAL LIGHTS]\r\nlanding_lights=3\r\n");
  cockpit.start();
  EXPECT_EQ(GetSwitch(&g_landingLightExtension), kLandingLightsExtended) << "saved extended";
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.token(Token::LandingLights), 1.0) << "lit on the first tick";

  // The units moving out again (as the gauge sets them): the lights go out until the end.
  cockpit.setSwitch(&g_landingLightExtension, kLandingLightsExtending).runTicks(1);
  EXPECT_EQ(cockpit.token(Token::LandingLights), 0.0);
  cockpit.runTicks(static_cast<int>(kTransitTicks));
  EXPECT_EQ(cockpit.token(Token::LandingLights), 0.0);
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.token(Token::LandingLights), 1.0);

  // EXT ON set without the gauge on retracted units: whatever lights them is put out.
  cockpit.setSwitch(&g_landingLightExtension, kLandingLightsRetracted).set(Token::LandingLights, 1).runTicks(1);
  EXPECT_EQ(cockpit.token(Token::LandingLights), 0.0);
  cockpit.setSwitch(&g_landingLightExtension, kLandingLightsExtended).runTicks(1);
  EXPECT_EQ(cockpit.token(Token::LandingLights), 1.0);

  // The switch record alone (no gauge): lights off, units stay out.
  cockpit.setSwitch(&g_landingLightSwitch, kLandingLightsRetract).runTicks(200);
  EXPECT_EQ(cockpit.token(Token::LandingLights), 0.0);
  EXPECT_EQ(GetSwitch(&g_landingLightExtension), kLandingLightsExtended);
}

TEST(Lights, TaxiLightFollowsTheGear) {
  Cockpit cockpit;
  cockpit.set(Token::GearHandle, kGearDown).runTicks(2);
  EXPECT_EQ(cockpit.token(Token::TaxiLights), 0.0) << "switch off";
  cockpit.control("EXTERNAL LIGHTS", "taxi_lights", kSwitchOn).runTicks(1);
  EXPECT_EQ(cockpit.token(Token::TaxiLights), 1.0);
  cockpit.set(Token::GearHandle, 8000).runTicks(5);
  EXPECT_EQ(cockpit.token(Token::TaxiLights), 1.0) << "in transit: left alone";
  cockpit.set(Token::GearHandle, 0).runTicks(1);
  EXPECT_EQ(cockpit.token(Token::TaxiLights), 0.0) << "gear up";
  cockpit.set(Token::GearHandle, 8000).runTicks(5);
  EXPECT_EQ(cockpit.token(Token::TaxiLights), 0.0) << "in transit: not lit either";
  cockpit.runSeconds(2);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventToggleTaxiLights).size(), 2u) << "one toggle each way";
  cockpit.set(Token::GearHandle, kGearDown).runTicks(1);
  EXPECT_EQ(cockpit.token(Token::TaxiLights), 1.0);
  cockpit.control("EXTERNAL LIGHTS", "taxi_lights", kSwitchOff).runTicks(1);
  EXPECT_EQ(cockpit.token(Token::TaxiLights), 0.0);

  // Lit by the simulator with the gear up: the once-a-second check puts it out too.
  cockpit.set(Token::GearHandle, 0).set(Token::TaxiLights, 1).runTicks(1);
  EXPECT_EQ(cockpit.token(Token::TaxiLights), 0.0);
}

TEST(Lights, NavigationLightsAndStrobesByThePositionSwitch) {
  Cockpit cockpit;
  cockpit.watchChannel(kChannel1HzC);
  cockpit.set(Token::OnGround, 1).control("EXTERNAL LIGHTS", "pos_strobe_lights", kPosAndStrobeLights);
  cockpit.runSeconds(1.1);
  EXPECT_EQ(cockpit.token(Token::NavLights), 1.0);
  EXPECT_EQ(cockpit.token(Token::StrobeLights), 0.0) << "no strobes on the ground";

  cockpit.set(Token::OnGround, 0);
  const double liftOff = cockpit.tick18();
  cockpit.runUntil([&] { return cockpit.token(Token::StrobeLights) != 0.0; }, 2);
  const double strobesOn = cockpit.tick18();
  EXPECT_LE(strobesOn - liftOff, 19.0);
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.dueTicks(kChannel1HzC).count(strobesOn), 1u) << "on the once-a-second step";
  ASSERT_EQ(cockpit.keyEvents(kKeyEventStrobesOn).size(), 1u);

  cockpit.control("EXTERNAL LIGHTS", "pos_strobe_lights", kPosLightsOnly).runSeconds(1.1);
  EXPECT_EQ(cockpit.token(Token::StrobeLights), 0.0);
  EXPECT_EQ(cockpit.token(Token::NavLights), 1.0);
  cockpit.control("EXTERNAL LIGHTS", "pos_strobe_lights", kPosAndStrobeLights).runSeconds(1.1);
  EXPECT_EQ(cockpit.token(Token::StrobeLights), 1.0);
  cockpit.set(Token::OnGround, 1).runSeconds(1.1);
  EXPECT_EQ(cockpit.token(Token::StrobeLights), 0.0) << "landed";
  cockpit.set(Token::OnGround, 0).runSeconds(1.1);
  cockpit.control("EXTERNAL LIGHTS", "pos_strobe_lights", kSwitchOff).runSeconds(1.1);
  EXPECT_EQ(cockpit.token(Token::StrobeLights), 0.0);
  EXPECT_EQ(cockpit.token(Token::NavLights), 0.0);
  const size_t navToggles = cockpit.keyEvents(kKeyEventToggleNavLights).size();
  cockpit.runSeconds(3);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventToggleNavLights).size(), navToggles) << "converged";
}

}  // namespace
}  // namespace halcyon::test
