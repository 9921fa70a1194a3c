// The electrical system: [ELECTRIC] round trip, the power verdict through a
// battery-only flight, the simulator's masters, bus feeds and the CSDs.
#include <gtest/gtest.h>

#include "core/panel_services.h"
#include "systems/apu.h"
#include "systems/electric.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

TEST(Electric, AMissingSectionGivesTheDefaults) {
  Cockpit cockpit;
  EXPECT_EQ(GetSwitch(&g_gen1Switch), 41);
  EXPECT_EQ(GetSwitch(&g_gen2Switch), 41);
  EXPECT_EQ(GetSwitch(&g_apuGenSwitch), 43);
  EXPECT_EQ(GetSwitch(&g_apuBus1Switch), 120);
  EXPECT_EQ(GetSwitch(&g_externalPowerSwitch), 45);
  EXPECT_EQ(GetSwitch(&g_externalBus2Switch), 120);
  EXPECT_EQ(GetSwitch(&g_acBusTieSwitch), 44);
  EXPECT_EQ(GetSwitch(&g_dcBusTieSwitch), 42);
  EXPECT_EQ(GetSwitch(&g_galleyPowerSwitch), 120);
  EXPECT_EQ(GetSwitch(&g_meterSelector), 1);
  EXPECT_EQ(GetSwitch(&g_csdTempDisplaySwitch), 120);
  EXPECT_EQ(GetBatteryCharge(), kBatteryFullCharge);
  EXPECT_EQ(IsExternalPowerConnected(), 1u) << "a fresh INI has ground power at the door";
  EXPECT_EQ(IsExternalPowerFeedingBus(0), 0u);
}

TEST(Electric, RoundTripKeepsPositionsStoresOutOfRangeAsOffAndClosesTheCsdGuards) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni,
                    "[ELECTRIC]\r\ncsd_disc_1=120\r\ncsd_disc_2=7\r\ngen_1=139\r\ngen_2=-1\r\napu_gen=41\r\n"
                    "apu_bus_1_sw=41\r\next_pwr_avaiL=120\r\nac_bus_x_tie=46\r\nindicator_selector=5\r\n");
  cockpit.start();
  EXPECT_EQ(GetSwitch(&g_csdDisconnectGuard1), 43);
  EXPECT_EQ(GetSwitch(&g_csdDisconnectGuard2), 43);
  EXPECT_EQ(GetSwitch(&g_gen1Switch), 120);
  EXPECT_EQ(GetSwitchFlag(&g_gen1Switch), 1u);
  EXPECT_EQ(GetSwitch(&g_gen2Switch), 120);
  EXPECT_EQ(GetSwitch(&g_apuGenSwitch), 41);
  EXPECT_EQ(IsExternalPowerConnected(), 0u);
  EXPECT_EQ(IsCsdConnected(0), 1u);
  cockpit.runSeconds(1).shutdown();
  EXPECT_EQ(cockpit.ini("ELECTRIC", "csd_disc_1"), "43");
  EXPECT_EQ(cockpit.ini("ELECTRIC", "csd_disc_2"), "43");
  EXPECT_EQ(cockpit.ini("ELECTRIC", "gen_1"), "120");
  EXPECT_EQ(cockpit.ini("ELECTRIC", "gen_2"), "120");
  EXPECT_EQ(cockpit.ini("ELECTRIC", "apu_gen"), "41");
  EXPECT_EQ(cockpit.ini("ELECTRIC", "apu_bus_1_sw"), "41");
  EXPECT_EQ(cockpit.ini("ELECTRIC", "apu_bus_2_sw"), "120");
  EXPECT_EQ(cockpit.ini("ELECTRIC", "ext_pwr_avaiL"), "120");
  EXPECT_EQ(cockpit.ini("ELECTRIC", "ac_bus_x_tie"), "46");
  EXPECT_EQ(cockpit.ini("ELECTRIC", "dc_bus_x_tie"), "42");
  EXPECT_EQ(cockpit.ini("ELECTRIC", "galley_pwr"), "120");
  EXPECT_EQ(cockpit.ini("ELECTRIC", "indicator_selector"), "5");
}

// Cold and dark, then the battery: one second dark while the source changes,
// then panel power; the simulator's masters follow with one toggle each; the
// battery lasts its 1800 seconds and the masters go off again.
TEST(Electric, BatteryOnPowersThePanelAfterOneDarkSecondAndRunsDown) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::MasterAlternator, 1);  // already on in the simulator: left alone
  cockpit.start();
  EXPECT_EQ(IsFirstPowerVerdictDone(), 0u) << "no verdict before the first one-second step";
  cockpit.runSeconds(2);
  EXPECT_EQ(IsFirstPowerVerdictDone(), 1u);
  EXPECT_EQ(GetPowerState(), kPowerNone);
  EXPECT_EQ(IsPanelPowered(), 0u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventToggleMasterAlternator).size(), 1u) << "the alternator is turned off";
  cockpit.clearKeyEvents();

  cockpit.control("APU", "battery", 41);
  cockpit.runUntil([] { return GetPowerState() != kPowerNone; }, 1.2);
  EXPECT_EQ(GetPowerState(), kPowerTransfer);
  EXPECT_EQ(IsPanelPowered(), 0u);
  EXPECT_EQ(GetPowerSourceIndication(0), kSourceBattery);
  EXPECT_EQ(GetPowerSourceIndication(5), 0);
  for (uint32_t toggle : {kKeyEventToggleMasterBattery, kKeyEventToggleMasterAlternator,
                          kKeyEventToggleAvionicsMaster}) {
    EXPECT_EQ(cockpit.keyEvents(toggle).size(), 1u) << toggle;
  }
  EXPECT_EQ(cockpit.token(Token::MasterBattery), 1.0);
  const double transferTick = cockpit.tick18();
  cockpit.runUntil([] { return GetPowerState() != kPowerTransfer; }, 2);
  EXPECT_EQ(cockpit.tick18() - transferTick, 19.0) << "one verdict period";
  EXPECT_EQ(GetPowerState(), kPowerNormal);
  EXPECT_EQ(IsPanelPowered(), 1u);
  EXPECT_EQ(IsPowerState(kPowerNormal), 1u);
  cockpit.runSeconds(10);
  for (uint32_t toggle : {kKeyEventToggleMasterBattery, kKeyEventToggleMasterAlternator,
                          kKeyEventToggleAvionicsMaster}) {
    EXPECT_EQ(cockpit.keyEvents(toggle).size(), 1u) << "no toggles while the masters agree: " << toggle;
  }
  EXPECT_EQ(GetBatteryChargeState(), kBatteryDischarging);

  // The battery drains once a verdict from load on (a verdict every 19 ticks);
  // it is empty 1800 verdicts later.
  cockpit.runUntil([] { return GetPowerState() == kPowerNone; }, 1910);
  EXPECT_EQ(GetPowerState(), kPowerNone);
  EXPECT_NEAR(cockpit.host().SimSeconds(), 1800.0 * 19.0 / 18.0, 2.0);
  EXPECT_EQ(GetBatteryCharge(), 0.0);
  EXPECT_EQ(IsBatteryAvailable(), 0u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventToggleMasterBattery).size(), 2u);
  EXPECT_EQ(cockpit.token(Token::MasterBattery), 0.0);
  EXPECT_EQ(cockpit.token(Token::AvionicsMaster), 0.0);
}

// Without AC power the battery loses a unit a verdict; on AC power it gains
// half a unit a verdict and counts as full from the verdict that finds 1800.
TEST(Electric, TheBatteryChargesOnAcPowerAndIsFullOnlyAtItsFullCharge) {
  Cockpit cockpit;
  cockpit.control("APU", "battery", 41).runTicks(19);
  double charge = GetBatteryCharge();
  cockpit.runTicks(19 * 6);
  EXPECT_EQ(GetBatteryChargeState(), kBatteryDischarging);
  EXPECT_EQ(GetBatteryCharge(), charge - 6.0);
  charge = GetBatteryCharge();

  cockpit.control("ELECTRIC", "ext_bus_1_sw", 41);
  while (charge < kBatteryFullCharge) {
    cockpit.runTicks(19);  // one verdict
    ASSERT_EQ(GetBatteryChargeState(), kBatteryCharging) << "at " << charge;
    ASSERT_EQ(GetBatteryCharge(), charge + 0.5);
    charge = GetBatteryCharge();
  }
  cockpit.runTicks(19);
  EXPECT_EQ(GetBatteryChargeState(), kBatteryFull);
  EXPECT_EQ(GetBatteryCharge(), kBatteryFullCharge);

  // With the switch off the state stays as it was: a full battery keeps its
  // charge without AC power ...
  cockpit.control("ELECTRIC", "ext_bus_1_sw", 120).control("APU", "battery", 120).runTicks(19 * 3);
  EXPECT_EQ(GetBatteryCharge(), kBatteryFullCharge);
  // ... and drains once switched on again.
  cockpit.control("APU", "battery", 41).runTicks(19);
  EXPECT_EQ(GetBatteryChargeState(), kBatteryDischarging);
  EXPECT_EQ(GetBatteryCharge(), kBatteryFullCharge - 1.0);
}

TEST(Electric, ExternalPowerThenApuDarkensThePanelForOnePeriodAtEachChange) {
  Cockpit cockpit;
  cockpit.control("APU", "battery", 41).control("ELECTRIC", "ext_bus_1_sw", 41).runSeconds(3);
  EXPECT_EQ(IsAcBusPowered(0), 1u);
  EXPECT_EQ(IsAcBusPowered(1), 0u) << "the tie passes only a generator";
  EXPECT_EQ(GetPowerState(), kPowerNormal) << "the panel counts the tie as closed";
  EXPECT_EQ(GetPowerSourceIndication(0), kSourceExternal);

  RequestApuState(kApuRunAtOnce);
  cockpit.setSwitch(&g_apuMasterSwitch, kApuMasterRun);
  cockpit.setSwitch(&g_apuGenSwitch, 41).setSwitch(&g_apuBus1Switch, 41);
  cockpit.runUntil([] { return GetPowerState() == kPowerTransfer; }, 1.2);
  EXPECT_EQ(GetPowerSourceIndication(0), kSourceApu);
  EXPECT_EQ(GetPowerSourceIndication(1), kSourceApu);
  cockpit.runSeconds(1.1);
  EXPECT_EQ(GetPowerState(), kPowerNormal);

  // With the tie open the right bus stays dark; the left alone powers the panel.
  cockpit.setSwitch(&g_acBusTieSwitch, 120).runSeconds(2);
  EXPECT_EQ(IsApuFeedingBus(0), 1u);
  EXPECT_EQ(IsApuFeedingBus(1), 0u);
  EXPECT_EQ(IsPanelPowered(), 1u);
  EXPECT_EQ(IsApuFeedingBus(2), 0u);
  EXPECT_EQ(IsAcBusPowered(-1), 0u);
}

TEST(Electric, GeneratorsTakeTheBusesAndTheCsdsWarmAndCoolInTheirBands) {
  Cockpit cockpit;
  cockpit.set(Token::Engine1Combustion, 1).runSeconds(1.2);
  EXPECT_EQ(IsGeneratorOnline(0), 1u);
  EXPECT_EQ(IsGeneratorOnline(1), 0u);
  EXPECT_EQ(IsAcBusPowered(1), 1u) << "through the tie at 44";
  // Any other closed position counts for the panel but passes no generator.
  cockpit.setSwitch(&g_acBusTieSwitch, 46).runSeconds(1.1);
  EXPECT_EQ(IsAcBusPowered(1), 0u);
  EXPECT_EQ(IsAcBusPowered(0), 1u);
  EXPECT_EQ(IsPanelPowered(), 1u);
  cockpit.setSwitch(&g_acBusTieSwitch, kAcBusTieClosed);
  EXPECT_EQ(GetPowerSourceIndication(0), kSourceGenerator);
  // A step every 4 ticks, each by the band of the temperature before it:
  // 0.5 below 80, 0.3 below 110, 0.1 up to 120.
  double tempDegC = GetCsdTemperature(0);
  for (int tick = 0; GetCsdTemperature(0) < 120.0 && tick < 2000; ++tick) {
    cockpit.runTicks(1);
    if (GetCsdTemperature(0) == tempDegC) continue;
    const double band = tempDegC < 80.0 ? 0.5 : tempDegC < 110.0 ? 0.3 : 0.1;
    EXPECT_NEAR(GetCsdTemperature(0) - tempDegC, band, 1e-9) << "from " << tempDegC;
    tempDegC = GetCsdTemperature(0);
  }
  cockpit.runTicks(1);
  DisconnectCsd(0);
  EXPECT_EQ(IsGeneratorOnline(0), 0u) << "at once";
  EXPECT_EQ(IsCsdConnected(0), 0u);
  // Cooling: 0.3 above 100, 0.5 above 60, 0.2 down to 20.
  tempDegC = GetCsdTemperature(0);
  int steps = 0;
  for (int tick = 0; GetCsdTemperature(0) > 20.0 && tick < 4000; ++tick) {
    cockpit.runTicks(1);
    if (GetCsdTemperature(0) == tempDegC) continue;
    const double band = tempDegC > 100.0 ? 0.3 : tempDegC > 60.0 ? 0.5 : 0.2;
    EXPECT_NEAR(tempDegC - GetCsdTemperature(0), band, 1e-9) << "from " << tempDegC;
    tempDegC = GetCsdTemperature(0);
    ++steps;
  }
  EXPECT_NEAR(steps, 67 + 80 + 200, 2);
  EXPECT_GT(GetCsdTemperature(0), 19.7);
  ReconnectCsd(0);
  cockpit.runSeconds(3);
  EXPECT_GT(GetCsdTemperature(0), 22.0) << "warming again with the engine running";
  EXPECT_EQ(GetCsdTemperature(7), 0.0);
  DisconnectCsd(7);
  EXPECT_EQ(IsCsdConnected(7), 0u);
}

}  // namespace
}  // namespace halcyon::test
