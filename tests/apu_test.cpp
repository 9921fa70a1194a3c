// The APU: [APU] round trip, a start on the start pump and battery with its
// EGT peak and spool-up, refusals, the battery and master shut-downs, the
// simulator's APU following, and the start air it gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/apu.h"
#include "systems/electric.h"
#include "systems/engine_air.h"
#include "systems/engine_start.h"
#include "systems/fire_protection.h"
#include "systems/fuel_pumps.h"
#include "systems/pneumatics.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

TEST(Apu, RoundTripWithTheEmergencyPowerRuleAndASavedRunningState) {
  Cockpit cockpit({.start = false});
  cockpit.setScaled(Token::AmbientTemp, 15.0);
  cockpit.writeFile(kIni, "[APU]\r\nfire_agent_1=41\r\nair_switch=42\r\nmaster=48\r\nbattery=41\r\n"
                          "emergency_power=50\r\nstate=2\r\n");
  cockpit.start();
  EXPECT_EQ(GetApuState(), kApuRunning);
  EXPECT_EQ(GetApuEgt(), 360.0);
  EXPECT_EQ(GetApuRpm(), 97.0);
  EXPECT_EQ(GetSwitch(&g_apuGeneratorAvailable), 45);
  EXPECT_EQ(IsApuAirOn(), 1u) << "any position but off";
  EXPECT_EQ(GetSwitch(&g_emergencyPowerSwitch), 120) << "only 41 and 120 are accepted";
  EXPECT_EQ(GetSwitch(&g_emergencyPowerShadow), 120);
  EXPECT_EQ(GetSwitch(&g_apuFireControlSwitch), 43);
  EXPECT_EQ(GetSwitch(&g_apuDoorsSwitch), 120);
  cockpit.runSeconds(1).shutdown();
  EXPECT_EQ(cockpit.ini("APU", "fire_agent_1"), "41");
  EXPECT_EQ(cockpit.ini("APU", "fire_agent_2"), "120");
  EXPECT_EQ(cockpit.ini("APU", "air_switch"), "42");
  EXPECT_EQ(cockpit.ini("APU", "fire_cont"), "43");
  EXPECT_EQ(cockpit.ini("APU", "master"), "48");
  EXPECT_EQ(cockpit.ini("APU", "battery"), "41");
  EXPECT_EQ(cockpit.ini("APU", "emergency_power"), "120");
  EXPECT_EQ(cockpit.ini("APU", "state"), "2");
}

TEST(Apu, ASavedStartLoadsOff) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[APU]\r\nbattery=41\r\nemergency_power=41\r\nstate=1\r\n");
  cockpit.start();
  EXPECT_EQ(GetApuState(), kApuOff) << "the pumps load after the APU: no fuel yet";
  EXPECT_EQ(GetSwitch(&g_emergencyPowerShadow), 41);
  EXPECT_EQ(GetApuRpm(), 0.0);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("APU", "state"), "0");
}

// From cold and dark: battery and start pump, a start from the master switch,
// light-off after 8 s, the EGT peak, the spool-up, and the simulator's APU.
TEST(Apu, StartsOnTheStartPumpAndBatteryThenShutsDownAfterTheCoolingMinute) {
  Cockpit cockpit({.start = false});
  cockpit.setScaled(Token::AmbientTemp, 15.0);
  cockpit.watchChannel(kChannel10s).start();
  cockpit.control("APU", "battery", 41).setSwitch(&g_startPumpSwitch, 41).runSeconds(2);
  EXPECT_EQ(IsFuelPumpRunning(kStartPump), 1u);
  cockpit.clearKeyEvents();
  const double startTick = cockpit.tick18();
  cockpit.control("APU", "master", kApuMasterStart).runTicks(1).control("APU", "master", kApuMasterRun);
  EXPECT_EQ(GetApuState(), kApuStarting);

  double peakEgt = 0.0;
  double egtAtLightOff = 0.0;
  cockpit.runUntil(
      [&] {
        peakEgt = std::max(peakEgt, GetApuEgt());
        if (cockpit.tick18() - startTick == 143.0) egtAtLightOff = GetApuEgt();
        return GetApuState() != kApuStarting;
      },
      120);
  EXPECT_EQ(GetApuState(), kApuRunning);
  EXPECT_DOUBLE_EQ(egtAtLightOff, 15.0) << "nothing burns before the 144-tick delay";
  // The step that passes 620 is followed in the same tick by the first fall
  // of 1.4444, so the hottest EGT seen between ticks is just under 620.
  EXPECT_NEAR(peakEgt, 620.0, 1.4444);
  EXPECT_GE(GetApuRpm(), 97.0);
  EXPECT_LE(GetApuEgt(), 360.0);
  EXPECT_GT(GetApuEgt(), 360.0 - 1.4444);
  EXPECT_NEAR((cockpit.tick18() - startTick) / 18.0, 40.0, 15.0);
  EXPECT_EQ(GetSwitch(&g_apuGeneratorAvailable), 45);

  // The simulator's APU is brought in line on the first ten-second tick.
  const auto starter = cockpit.keyEvents(kKeyEventApuStarter);
  ASSERT_EQ(starter.size(), 1u);
  const std::set<double>& syncTicks = cockpit.dueTicks(kChannel10s);
  ASSERT_FALSE(syncTicks.empty());
  EXPECT_EQ(starter[0].tick18, *syncTicks.lower_bound(startTick));
  EXPECT_EQ(cockpit.keyEvents(kKeyEventToggleApuGenerator)[0].tick18, starter[0].tick18);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventToggleApuGenerator).size(), 1u);
  EXPECT_EQ(cockpit.token(Token::ApuRpmFraction), 1.0);

  // Air: the APU feeds the left starter through the left cross-feed.
  cockpit.setSwitch(&g_apuAirSwitch, 41).setSwitch(&g_externalPowerSwitch, 120);
  cockpit.setSwitch(&g_pneumaticXFeedLeft, kXFeedLeverPassesAir).setSwitch(&g_pneumaticXFeedRight, 10);
  EXPECT_EQ(IsStartAirAvailable(1), 1u);
  EXPECT_EQ(IsStartAirAvailable(2), 0u);
  cockpit.setSwitch(&g_engine1FireHandle, kFireHandlePulled);
  EXPECT_EQ(IsStartAirAvailable(1), 0u);

  // Master off: a minute at full speed, then the spool-down and off.
  cockpit.clearKeyEvents();
  const double runningRpm = GetApuRpm();
  cockpit.control("APU", "master", 120).runTicks(1);
  const double stopTick = cockpit.tick18();
  EXPECT_EQ(GetApuState(), kApuShuttingDown);
  EXPECT_EQ(GetSwitch(&g_apuGeneratorAvailable), 120);
  cockpit.runTicks(1079);
  EXPECT_EQ(GetApuRpm(), runningRpm) << "still cooling at full speed";
  cockpit.runTicks(2);
  EXPECT_LT(GetApuRpm(), runningRpm);
  cockpit.runUntil([] { return GetApuState() == kApuOff; }, 120);
  EXPECT_EQ(GetApuState(), kApuOff);
  EXPECT_LE(GetApuRpm(), 10.0);
  EXPECT_NEAR((cockpit.tick18() - stopTick) / 18.0, 60.0 + 41.0 + 8.0, 3.0);
  ASSERT_EQ(cockpit.keyEvents(kKeyEventApuOff).size(), 1u);
  EXPECT_TRUE(syncTicks.contains(cockpit.keyEvents(kKeyEventApuOff)[0].tick18));
  EXPECT_EQ(cockpit.token(Token::ApuRpmFraction), 0.0);
  EXPECT_EQ(cockpit.token(Token::ApuGeneratorSwitch), 0.0);
}

// The simulator's APU is switched off only once it reads above 99 % and
// started only once it reads below 1 %.
TEST(Apu, TheSimulatorsApuIsCorrectedOnlyPastItsEnds) {
  Cockpit cockpit;
  cockpit.control("APU", "battery", 41);
  cockpit.set(Token::ApuRpmFraction, 0.99).runSeconds(11);
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventApuOff).empty());
  cockpit.set(Token::ApuRpmFraction, 0.995).runSeconds(11);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventApuOff).size(), 1u);
  cockpit.setSwitch(&g_apuMasterSwitch, kApuMasterRun);
  RequestApuState(kApuRunAtOnce);
  cockpit.set(Token::ApuRpmFraction, 0.01).runSeconds(11);
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventApuStarter).empty());
  cockpit.set(Token::ApuRpmFraction, 0.005).runSeconds(11);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventApuStarter).size(), 1u);
}

TEST(Apu, RefusedOnTheLeftPumpsAloneAndCutByTheBattery) {
  Cockpit cockpit;
  cockpit.control("APU", "battery", 41).control("ELECTRIC", "ext_bus_1_sw", 41).control("ELECTRIC", "ext_bus_2_sw", 41);
  cockpit.control("FUEL PUMPS", "fwd_left", 41).control("FUEL PUMPS", "aft_left", 41).runSeconds(2);
  EXPECT_EQ(IsFuelPumpRunning(kPumpFwdLeft), 1u);
  EXPECT_EQ(IsFuelPumpRunning(kPumpAftLeft), 1u);
  cockpit.control("APU", "master", kApuMasterStart).runTicks(1);
  EXPECT_EQ(GetApuState(), kApuOff) << "no fuel from the left tank";

  cockpit.control("APU", "master", kApuMasterRun).control("FUEL PUMPS", "aft_center", 41).runTicks(1);
  cockpit.setSwitch(&g_apuFireControlSwitch, 120).control("APU", "master", kApuMasterStart).runTicks(1);
  EXPECT_EQ(GetApuState(), kApuOff) << "not with the fire control operated";
  cockpit.setSwitch(&g_apuFireControlSwitch, kApuFireControlNormal).control("APU", "master", kApuMasterRun);
  cockpit.control("APU", "master", kApuMasterStart).runTicks(1);
  EXPECT_EQ(GetApuState(), kApuStarting);
  cockpit.control("APU", "master", kApuMasterRun);
  cockpit.runUntil([] { return GetApuState() == kApuRunning; }, 120);
  ASSERT_EQ(GetApuState(), kApuRunning);

  // The battery switch cuts it at once: no cooling minute.
  cockpit.control("APU", "battery", 120).runTicks(1);
  EXPECT_EQ(GetApuState(), kApuShuttingDown);
  const double rpm = GetApuRpm();
  cockpit.runTicks(1);
  EXPECT_LT(GetApuRpm(), rpm);
  cockpit.runUntil([] { return GetApuState() == kApuOff; }, 60);
  EXPECT_EQ(GetApuState(), kApuOff);
}

// No outside temperature from the simulator at start-up (NaN): the cold APU's
// EGT reads 0, and a start from there reaches its peak and runs.
TEST(Apu, StartsWithoutAnOutsideTemperature) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::AmbientTemp, std::numeric_limits<double>::quiet_NaN()).start();
  EXPECT_EQ(GetApuEgt(), 0.0);
  cockpit.control("APU", "battery", 41).setSwitch(&g_startPumpSwitch, 41).runSeconds(1);
  cockpit.control("APU", "master", kApuMasterStart).runTicks(1).control("APU", "master", kApuMasterRun);
  double peakEgt = 0.0;
  cockpit.runUntil(
      [&] {
        peakEgt = std::max(peakEgt, GetApuEgt());
        return GetApuState() != kApuStarting;
      },
      120);
  EXPECT_EQ(GetApuState(), kApuRunning);
  EXPECT_NEAR(peakEgt, 620.0, 1.4444);
}

TEST(Apu, AStartWithoutPowerOrFuelStopsAndAWarmStartAimsFromItsEgt) {
  Cockpit cockpit({.start = false});
  cockpit.setScaled(Token::AmbientTemp, 15.0);
  cockpit.start();
  cockpit.control("APU", "battery", 41).setSwitch(&g_startPumpSwitch, 41).setSwitch(&g_apuMasterSwitch, 48);
  RequestApuState(kApuStarting);
  cockpit.runSeconds(20);
  EXPECT_EQ(GetApuState(), kApuStarting);
  RequestApuState(kApuShuttingDown);
  EXPECT_EQ(GetApuState(), kApuStarting) << "a start with fuel and power goes on";
  cockpit.setSwitch(&g_startPumpSwitch, 120).runTicks(1);
  EXPECT_EQ(GetApuState(), kApuShuttingDown) << "fuel lost";
  cockpit.runUntil([] { return GetApuState() == kApuOff; }, 60);
  const double warmEgt = GetApuEgt();
  EXPECT_GT(warmEgt, 15.0);
  cockpit.setSwitch(&g_startPumpSwitch, 41);
  RequestApuState(kApuStarting);
  cockpit.runTicks(145);
  const double before = GetApuEgt();
  cockpit.runTicks(1);
  EXPECT_NEAR(GetApuEgt() - before, (620.0 - warmEgt) / 450.0, 1e-9);
}

constexpr double kFloorDegC = 15.0;
constexpr double kRiseFromColdDegC = (620.0 - kFloorDegC) / 450.0;
constexpr double kSpoolDown = 1.0 - 0.00309;

// The spool-up after light-off: 0.1 % a tick to 45 %, then 0.1 plus the sine
// of the distance from 45 % (in radians of 0.0571 a percent) up to 100 %.
double SpoolUpStep(double rpmPct) {
  if (rpmPct < 45.0) return 0.1;
  return rpmPct <= 100.0 ? 0.1 + std::sin((rpmPct - 45.0) * 0.0571) : 0.0;
}

// The EGT's fall while shutting down, by the band it is in.
double ShutdownCooling(double egtDegC) {
  if (egtDegC > 360.0) return 1.4444;
  return egtDegC > 200.0 ? 0.6667 : 0.0463;
}

// A cockpit at 15 degrees C outside, its APU on the battery and the start pump.
void StartWithPowerAndFuel(Cockpit& cockpit) {
  cockpit.setScaled(Token::AmbientTemp, kFloorDegC).start();
  cockpit.control("APU", "battery", 41).setSwitch(&g_startPumpSwitch, 41).setSwitch(&g_apuMasterSwitch, 48);
}

// A start from cold on the battery and the start pump, up to light-off.
void StartFromCold(Cockpit& cockpit) {
  StartWithPowerAndFuel(cockpit);
  cockpit.runSeconds(1);
  RequestApuState(kApuStarting);
  ASSERT_EQ(GetApuState(), kApuStarting);
  cockpit.runTicks(143);
  EXPECT_EQ(GetApuEgt(), kFloorDegC) << "no light-off before the delay";
  EXPECT_EQ(GetApuRpm(), 0.0);
}

// Every tick of a start from cold against the rates: the EGT rises by
// (620 - 15) / 450 until the peak and falls by 1.4444 after it while the RPM
// is above 45 % (both on the tick that passes the peak); the RPM follows the
// spool-up.
TEST(Apu, EveryTickOfAStartFollowsTheRates) {
  Cockpit cockpit({.start = false});
  StartFromCold(cockpit);
  double egt = GetApuEgt();
  double rpm = GetApuRpm();
  bool peakReached = false;
  for (int ticks = 0; GetApuState() == kApuStarting && ticks < 2000; ++ticks) {
    cockpit.runTicks(1);
    double expectedEgt = egt;
    if (!peakReached) {
      expectedEgt += kRiseFromColdDegC;
      peakReached = expectedEgt >= 620.0;
    }
    if (peakReached && expectedEgt > 360.0 && rpm > 45.0) expectedEgt -= 1.4444;
    EXPECT_NEAR(GetApuEgt(), expectedEgt, 1e-9) << "from " << egt << " at " << rpm << " %";
    EXPECT_NEAR(GetApuRpm() - rpm, SpoolUpStep(rpm), 1e-9) << "at " << rpm << " %";
    egt = GetApuEgt();
    rpm = GetApuRpm();
  }
  EXPECT_EQ(GetApuState(), kApuRunning);
  EXPECT_TRUE(peakReached);
  EXPECT_LE(egt, 360.0);
  EXPECT_GT(egt, 360.0 - 1.4444);
}

// The battery cut after the peak, and every tick of the spool-down: the EGT
// in its three bands down to the floor, the RPM by 0.309 % of itself, and off
// 144 ticks after the RPM reached 10 %.
TEST(Apu, EveryTickOfTheSpoolDownFollowsTheCoolingBands) {
  Cockpit cockpit({.start = false});
  StartFromCold(cockpit);
  cockpit.runUntil([] { return GetApuRpm() > 50.0 && GetApuEgt() < 560.0; }, 60);
  ASSERT_EQ(GetApuState(), kApuStarting);
  cockpit.control("APU", "battery", 120).runTicks(1);
  ASSERT_EQ(GetApuState(), kApuShuttingDown);
  double egt = GetApuEgt();
  double rpm = GetApuRpm();
  int ticksAtTenPct = 0;
  bool bandsSeen[3] = {};
  for (int ticks = 0; GetApuState() == kApuShuttingDown && ticks < 3000; ++ticks) {
    cockpit.runTicks(1);
    const double cooling = ShutdownCooling(egt);
    bandsSeen[cooling == 1.4444 ? 0 : cooling == 0.6667 ? 1 : 2] = true;
    EXPECT_NEAR(GetApuEgt(), egt > kFloorDegC ? egt - cooling : egt, 1e-9) << "from " << egt;
    EXPECT_NEAR(GetApuRpm(), rpm * kSpoolDown, 1e-9) << "from " << rpm << " %";
    egt = GetApuEgt();
    rpm = GetApuRpm();
    if (rpm <= 10.0) ++ticksAtTenPct;
  }
  EXPECT_EQ(GetApuState(), kApuOff);
  EXPECT_EQ(ticksAtTenPct, 144) << "the delay counter runs down once the RPM is at 10 %";
  EXPECT_TRUE(bandsSeen[0] && bandsSeen[1] && bandsSeen[2]);
}

// A spinning APU that was switched straight off cools by 0.0463 a tick and
// spools down by 0.309 % of its RPM a tick; started again with its peak
// behind it, it is running on the first tick at 97 % or more.
TEST(Apu, OffItCoolsAndSpoolsDownAndARestartRunsFrom97Percent) {
  Cockpit cockpit({.start = false});
  StartWithPowerAndFuel(cockpit);
  RequestApuState(kApuRunAtOnce);
  RequestApuState(kApuOff);
  cockpit.runTicks(30);
  EXPECT_NEAR(GetApuEgt(), 360.0 - 30 * 0.0463, 1e-9);
  EXPECT_NEAR(GetApuRpm(), 97.0 * std::pow(kSpoolDown, 30), 1e-9);

  RequestApuState(kApuStarting);
  ASSERT_EQ(GetApuState(), kApuStarting);
  double rpm = GetApuRpm();
  int ticks = 0;
  while (rpm < 97.0 && ticks++ < 100) {
    EXPECT_EQ(GetApuState(), kApuStarting) << "at " << rpm << " %";
    cockpit.runTicks(1);
    EXPECT_NEAR(GetApuRpm() - rpm, SpoolUpStep(rpm), 1e-9) << "no light-off delay: the counter is spent";
    rpm = GetApuRpm();
  }
  EXPECT_EQ(GetApuState(), kApuRunning);
  EXPECT_NEAR(GetApuEgt(), 360.0 - 30 * 0.0463, 1e-9) << "below 360 the EGT stays";
}

// Start air from a ground cart or the other engine, and engine bleed for the
// anti-ice, through the pneumatic cross-feed levers.
TEST(EngineAir, StartAirAndBleedAirThroughTheCrossFeeds) {
  Cockpit cockpit;
  cockpit.setSwitch(&g_pneumaticXFeedLeft, kXFeedLeverPassesAir).setSwitch(&g_pneumaticXFeedRight, 0);
  EXPECT_EQ(IsStartAirAvailable(1), 1u) << "a ground cart with external power";
  EXPECT_EQ(IsStartAirAvailable(2), 0u) << "its cross-feed is shut";
  EXPECT_EQ(IsEngineBleedAirAvailable(), 0u);
  cockpit.setSwitch(&g_externalPowerSwitch, 120);
  EXPECT_EQ(IsStartAirAvailable(1), 0u);

  cockpit.set(Token::Engine2Combustion, 1);
  EXPECT_EQ(IsStartAirAvailable(1), 0u) << "the other engine needs both cross-feeds";
  EXPECT_EQ(IsEngineBleedAirAvailable(), 0u) << "engine 2's bleed needs the right cross-feed";
  cockpit.setSwitch(&g_pneumaticXFeedRight, kXFeedLeverPassesAir);
  EXPECT_EQ(IsStartAirAvailable(1), 1u);
  EXPECT_EQ(IsStartAirAvailable(2), 0u) << "engine 1 is not running";
  EXPECT_EQ(IsEngineBleedAirAvailable(), 1u);
  cockpit.setSwitch(&g_engine1FireHandle, kFireHandleRotated);
  EXPECT_EQ(IsStartAirAvailable(1), 0u);

  cockpit.set(Token::Engine2Combustion, 0).set(Token::Engine1Combustion, 1);
  cockpit.setSwitch(&g_pneumaticXFeedLeft, 0);
  EXPECT_EQ(IsEngineBleedAirAvailable(), 0u) << "engine 1's bleed needs the left cross-feed";
  cockpit.setSwitch(&g_pneumaticXFeedLeft, kXFeedLeverPassesAir);
  EXPECT_EQ(IsEngineBleedAirAvailable(), 1u);
  EXPECT_EQ(IsStartAirAvailable(2), 1u) << "from engine 1 through both cross-feeds";
  cockpit.setSwitch(&g_engine2FireHandle, kFireHandlePulled);
  EXPECT_EQ(IsStartAirAvailable(2), 0u);
  EXPECT_EQ(IsStartAirAvailable(0), 0u);
  EXPECT_EQ(IsStartAirAvailable(3), 0u);
}

}  // namespace
}  // namespace halcyon::test
