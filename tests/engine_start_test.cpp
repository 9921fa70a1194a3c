// Engine start and ignition with the simulator's engines: [ENGINE STARTER]
// round trip, the start latch, the starter held on only with start air, one
// toggle at light-off, fuel-heat cycles, and the whole cold-and-dark start of
// both engines through the host's engine model.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/panel_services.h"
#include "simhost/engine_constants.h"
#include "simhost/engine_model.h"
#include "systems/apu.h"
#include "systems/electric.h"
#include "systems/engine_start.h"
#include "systems/fire_protection.h"
#include "systems/fuel_flow.h"
#include "systems/hydraulics.h"
#include "systems/levers.h"
#include "systems/pneumatics.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;
constexpr double kLbPerGallon = 6.7;

// The starter toggles sent to the simulator, each with data 0.
size_t Toggles(const Cockpit& cockpit, int engine) {
  const auto toggles = cockpit.keyEvents(engine == 1 ? kKeyEventToggleStarter1 : kKeyEventToggleStarter2);
  for (const auto& toggle : toggles) EXPECT_EQ(toggle.value, 0u) << "engine " << engine;
  return toggles.size();
}

bool StarterOn(const Cockpit& cockpit, int engine) {
  return cockpit.token(engine == 1 ? Token::Engine1Starter : Token::Engine2Starter) != 0.0;
}

double N2(const Cockpit& cockpit, int engine) {
  return cockpit.token(engine == 1 ? Token::Engine1N2Pct : Token::Engine2N2Pct);
}

// The starter switch to ground start with ground air through the engine's
// cross-feed (a fresh cockpit has ground power, hence air, available).
void GroundStart(Cockpit& cockpit, int engine) {
  cockpit.set(Token::OnGround, 1);
  cockpit.control("PNEUMATIC X-FEED", engine == 1 ? "left" : "right", kXFeedLeverPassesAir);
  cockpit.control("ENGINE STARTER", engine == 1 ? "starter_left" : "starter_right", kStarterGroundStart);
}

void FillTanks(Cockpit& cockpit) {
  cockpit.set(Token::FuelWeightLbPerGallon, kLbPerGallon)
      .set(Token::FuelLeftGal, 1500)
      .set(Token::FuelCenterGal, 2200)
      .set(Token::FuelRightGal, 1500);
}

// Battery, APU running with its air on, the APU on both buses.
void ApuAirReady(Cockpit& cockpit) {
  cockpit.control("APU", "battery", 41).control("ENGINE STARTER", "start_pump", 41).runSeconds(2);
  cockpit.control("APU", "master", kApuMasterStart).runTicks(1).control("APU", "master", kApuMasterRun);
  cockpit.runUntil([] { return GetApuState() == kApuRunning; }, 90);
  ASSERT_EQ(GetApuState(), kApuRunning);
  cockpit.control("ELECTRIC", "apu_bus_1_sw", 41).control("ELECTRIC", "apu_bus_2_sw", 41);
  cockpit.control("APU", "air_switch", 41).runSeconds(2);
}

TEST(EngineStart, RoundTripOfTheStarterPanel) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[ENGINE STARTER]\r\nstart_pump=41\r\nignition=44\r\nfuel_heat_left=-3\r\n"
                          "starter_right=51\r\n");
  cockpit.set(Token::OnGround, 1);
  cockpit.start();
  EXPECT_EQ(GetSwitch(&g_startPumpSwitch), 41);
  EXPECT_EQ(GetSwitch(&g_ignitionSwitch), 44);
  EXPECT_EQ(GetSwitch(&g_fuelHeatLeftSwitch), 120) << "out of range: off";
  EXPECT_EQ(GetSwitch(&g_fuelHeatRightSwitch), 120);
  EXPECT_EQ(GetStarterSwitchPosition(1), 120);
  EXPECT_EQ(GetStarterSwitchPosition(2), kStarterFlightStart);
  EXPECT_EQ(GetStarterSwitchPosition(3), 120);
  cockpit.runSeconds(2).shutdown();
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventToggleStarter2).empty()) << "51 on the ground latches nothing";
  EXPECT_EQ(cockpit.ini("ENGINE STARTER", "start_pump"), "41");
  EXPECT_EQ(cockpit.ini("ENGINE STARTER", "ignition"), "44");
  EXPECT_EQ(cockpit.ini("ENGINE STARTER", "fuel_heat_left"), "120");
  EXPECT_EQ(cockpit.ini("ENGINE STARTER", "fuel_heat_right"), "120");
  EXPECT_EQ(cockpit.ini("ENGINE STARTER", "starter_left"), "120");
  EXPECT_EQ(cockpit.ini("ENGINE STARTER", "starter_right"), "51");
}

// Ground start 52 in the air latches nothing; flight start 51 does, from
// ground air through the cross-feed; the starter follows the air.
TEST(EngineStart, TheStarterRunsOnlyWhileALatchedStartHasAir) {
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 0).control("ENGINE STARTER", "starter_left", kStarterGroundStart).runSeconds(2);
  EXPECT_EQ(Toggles(cockpit, 1), 0u);
  cockpit.control("ENGINE STARTER", "starter_left", kStarterFlightStart).runSeconds(2);
  EXPECT_FALSE(StarterOn(cockpit, 1)) << "latched, but no air: the cross-feed is closed";
  EXPECT_EQ(Toggles(cockpit, 1), 0u);

  // Ground air (external power available) through the left cross-feed.
  ASSERT_EQ(IsExternalPowerConnected(), 1u);
  cockpit.control("PNEUMATIC X-FEED", "left", kXFeedLeverPassesAir).runSeconds(2);
  EXPECT_EQ(GetSwitch(&g_pneumaticXFeedLeft), 1);
  EXPECT_TRUE(StarterOn(cockpit, 1));
  EXPECT_EQ(Toggles(cockpit, 1), 1u);

  // The fire handle pulled: off at the next due second, and on again when stowed.
  cockpit.setSwitch(&g_engine1FireHandle, kFireHandlePulled).runSeconds(1.1);
  EXPECT_FALSE(StarterOn(cockpit, 1));
  cockpit.setSwitch(&g_engine1FireHandle, kFireHandleStowed).runSeconds(1.1);
  EXPECT_TRUE(StarterOn(cockpit, 1));

  // Switch off: the latch clears on the next due second, after its verdict,
  // and the starter goes off on the one after.
  cockpit.control("ENGINE STARTER", "starter_left", 120).runSeconds(1.1);
  EXPECT_TRUE(StarterOn(cockpit, 1));
  cockpit.runSeconds(1);
  EXPECT_FALSE(StarterOn(cockpit, 1));
  const size_t toggles = Toggles(cockpit, 1);
  cockpit.runSeconds(3);
  EXPECT_EQ(Toggles(cockpit, 1), toggles);
}

// A simulator starter found on without a latched start is turned off; one
// already on with its start latched is left alone.
TEST(EngineStart, ASimulatorStarterOnWithoutAStartIsTurnedOff) {
  Cockpit cockpit;
  cockpit.set(Token::Engine2Starter, 1).runSeconds(1.1);
  EXPECT_FALSE(StarterOn(cockpit, 2));
  EXPECT_EQ(Toggles(cockpit, 2), 1u);
  EXPECT_EQ(Toggles(cockpit, 1), 0u);
}

TEST(EngineStart, FuelHeatCyclesLastAMinuteOfTheSimulatorsClock) {
  Cockpit cockpit;
  cockpit.runSeconds(1);
  EXPECT_EQ(IsFuelHeatOn(1), 0u);
  cockpit.control("ENGINE STARTER", "fuel_heat_left", 41).runTicks(1).control("ENGINE STARTER", "fuel_heat_left", 120);
  EXPECT_EQ(IsFuelHeatOn(1), 1u);
  EXPECT_EQ(IsFuelHeatOn(2), 0u);
  EXPECT_EQ(IsFuelHeatOn(0), 0u);
  cockpit.runSeconds(59.9);
  EXPECT_EQ(IsFuelHeatOn(1), 1u) << "a brief press gives the whole cycle";
  cockpit.runSeconds(0.2);
  EXPECT_EQ(IsFuelHeatOn(1), 0u);

  // Held at 41 the cycles repeat; a bad clock holds them as they are.
  cockpit.control("ENGINE STARTER", "fuel_heat_right", 41).runSeconds(61);
  EXPECT_EQ(IsFuelHeatOn(2), 1u);
  cockpit.everyTick([](simhost::SimHost&) {
    platform::sim::SetToken(TokenNumber(Token::SimulatorClockSeconds), std::numeric_limits<double>::quiet_NaN());
  });
  cockpit.runSeconds(2);
  EXPECT_EQ(IsFuelHeatOn(2), 1u);
}

// The simulator's clock set back an hour during a cycle: the cycle ends a
// minute after the new time, not an hour later. Set back a few seconds, the
// cycle keeps its end. Each engine has its own cycle and its own end.
TEST(EngineStart, AClockSetBackNeverKeepsAFuelHeatCycleOnLonger) {
  Cockpit cockpit;
  double setBackSeconds = 0.0;
  cockpit.everyTick([&setBackSeconds](simhost::SimHost& host) {
    const uint32_t clock = TokenNumber(Token::SimulatorClockSeconds);
    host.SetToken(clock, host.GetToken(clock) - setBackSeconds);
  });
  cockpit.runSeconds(1);
  cockpit.control("ENGINE STARTER", "fuel_heat_left", 41).runTicks(1).control("ENGINE STARTER", "fuel_heat_left", 120);
  cockpit.runSeconds(10);
  setBackSeconds = 3600.0;
  cockpit.runSeconds(59.9);
  EXPECT_EQ(IsFuelHeatOn(1), 1u) << "a minute from the new time";
  cockpit.runSeconds(0.2);
  EXPECT_EQ(IsFuelHeatOn(1), 0u) << "not an hour longer";

  cockpit.control("ENGINE STARTER", "fuel_heat_right", 41).runTicks(1).control("ENGINE STARTER", "fuel_heat_right", 120);
  cockpit.runSeconds(20);
  setBackSeconds += 5.0;
  cockpit.runSeconds(44.8);
  EXPECT_EQ(IsFuelHeatOn(2), 1u) << "5 s set back: the cycle keeps its end, 45 s on";
  EXPECT_EQ(IsFuelHeatOn(1), 0u);
  cockpit.runSeconds(0.3);
  EXPECT_EQ(IsFuelHeatOn(2), 0u);
  EXPECT_EQ(IsFuelHeatOn(2), 0u);
}

// The host's engine: the starter alone spins N2 to about 20 %; fuel lights it
// and it runs up to idle; the throttle spools it; a mixture cut stops it.
TEST(EngineModel, APlausibleStartSpoolAndShutDown) {
  Cockpit cockpit({.start = false});
  FillTanks(cockpit);
  cockpit.setScaled(Token::AmbientTemp, 15.0).start();
  GroundStart(cockpit, 1);
  cockpit.runSeconds(1.6);
  ASSERT_TRUE(StarterOn(cockpit, 1));
  cockpit.runSeconds(11);
  EXPECT_NEAR(N2(cockpit, 1), 20.0, 1.5);
  using namespace simhost::engine;
  // Below idle the oil pressure grows with N2, a third of the idle pressure at 20 %.
  EXPECT_DOUBLE_EQ(cockpit.token(Token::Engine1OilPressure),
                   simhost::OilPressureTokenFromPsi(kIdleOilPsi * N2(cockpit, 1) / kIdleN2Pct));
  EXPECT_EQ(cockpit.token(Token::Engine1Combustion), 0.0) << "no fuel yet";
  EXPECT_EQ(cockpit.token(Token::Engine1FuelFlow), 0.0);
  cockpit.runSeconds(20);
  EXPECT_LE(N2(cockpit, 1), simhost::engine::kStarterMaxN2Pct) << "the starter alone goes no further";
  // Fuel on: it flows at once and lights after the 2-s delay.
  const double egtCold = cockpit.token(Token::Engine1Egt);
  EXPECT_DOUBLE_EQ(egtCold, simhost::EgtTokenFromDegC(15.0)) << "a cold engine reads the outside air";
  cockpit.set(Token::Engine1Mixture, 16384).runSeconds(1.9);
  EXPECT_EQ(cockpit.token(Token::Engine1Combustion), 0.0) << "not lit yet";
  EXPECT_GT(cockpit.token(Token::Engine1FuelFlow), 0.0);
  EXPECT_EQ(cockpit.token(Token::Engine1Egt), egtCold) << "no EGT rise before light-off";
  cockpit.runUntil([&] { return cockpit.token(Token::Engine1Combustion) != 0.0; }, 0.2);
  EXPECT_EQ(cockpit.token(Token::Engine1Combustion), 1.0);
  // Slow at first, faster past light-off: the gain of the first two seconds
  // against two seconds later on; the EGT peaks well above idle on the way.
  const double atLightOff = N2(cockpit, 1);
  cockpit.runSeconds(2);
  const double early = N2(cockpit, 1) - atLightOff;
  cockpit.runSeconds(6);
  const double midway = N2(cockpit, 1);
  cockpit.runSeconds(2);
  const double later = N2(cockpit, 1) - midway;
  EXPECT_GT(early, 1.0);
  EXPECT_GT(later, 2.0 * early) << "faster past light-off, not a lag fastest at light-off";
  double peakEgtToken = 0.0;
  cockpit.runUntil(
      [&] {
        peakEgtToken = std::max(peakEgtToken, cockpit.token(Token::Engine1Egt));
        return N2(cockpit, 1) >= 59.0;
      },
      20);
  EXPECT_GT(peakEgtToken, simhost::EgtTokenFromDegC(500.0)) << "the start's EGT peak";
  EXPECT_LT(peakEgtToken, simhost::EgtTokenFromDegC(560.0));
  cockpit.runSeconds(12);
  EXPECT_NEAR(cockpit.token(Token::Engine1Egt), simhost::EgtTokenFromDegC(400.0), 14.375 * 3) << "back to idle";
  EXPECT_LT(cockpit.token(Token::Engine2Egt), simhost::EgtTokenFromDegC(100.0)) << "engine 2 not started";
  EXPECT_FALSE(StarterOn(cockpit, 1)) << "released at light-off";
  EXPECT_NEAR(N2(cockpit, 1), 60.0, 1.0);
  EXPECT_NEAR(cockpit.token(Token::Engine1N1Pct), 25.0, 1.0) << "N1 at idle";
  EXPECT_NEAR(cockpit.token(Token::Engine1FuelFlow), 1000.0, 20.0);
  EXPECT_GT(cockpit.token(Token::Engine1Egt), simhost::EgtTokenFromDegC(350.0));
  EXPECT_EQ(cockpit.token(Token::Engine1HydraulicOutput), 3000.0 * TokenScale(Token::Engine1HydraulicOutput));

  cockpit.set(Token::Engine1Throttle, 16384).runSeconds(1);
  EXPECT_LT(N2(cockpit, 1), 90.0) << "a spool lag, not a jump";
  cockpit.runSeconds(12);
  EXPECT_NEAR(N2(cockpit, 1), 100.0, 1.0);
  EXPECT_NEAR(cockpit.token(Token::Engine1FuelFlow), 9000.0, 200.0);
  const double power = (N2(cockpit, 1) - kIdleN2Pct) / (kMaxN2Pct - kIdleN2Pct);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::Engine1OilPressure),
                   simhost::OilPressureTokenFromPsi(kIdleOilPsi + power * (kTakeoffOilPsi - kIdleOilPsi)));
  EXPECT_EQ(cockpit.token(Token::Engine2Combustion), 0.0) << "the other engine untouched";
  EXPECT_FALSE(cockpit.host().Engines().IsDriving(2));

  const double before = cockpit.token(Token::TotalFuelWeightLb);
  cockpit.runSeconds(10);
  EXPECT_NEAR(before - cockpit.token(Token::TotalFuelWeightLb), 9000.0 / 360.0, 1.0) << "burnt at the fuel flow";

  cockpit.set(Token::Engine1Mixture, 0).runTicks(1);
  EXPECT_EQ(cockpit.token(Token::Engine1Combustion), 0.0);
  cockpit.runSeconds(60);
  EXPECT_LT(N2(cockpit, 1), 1.0);
  EXPECT_EQ(cockpit.token(Token::Engine1FuelFlow), 0.0);
}

// A relight with the rotor still near idle: the start runs on from 2 % below
// idle, a quarter of the way up at 58.5 % N2, on the start's acceleration.
// Engine 2 started alone: its own indications rise, engine 1's stay cold.
TEST(EngineModel, TheRightEngineStartedAloneShowsOnItsOwnTokens) {
  Cockpit cockpit({.start = false});
  FillTanks(cockpit);
  cockpit.setScaled(Token::AmbientTemp, 15.0).start();
  GroundStart(cockpit, 2);
  cockpit.runSeconds(25);
  cockpit.set(Token::Engine2Mixture, 16384);
  cockpit.runUntil([&] { return N2(cockpit, 2) >= 59.0; }, 40);
  cockpit.runSeconds(12);
  EXPECT_NEAR(cockpit.token(Token::Engine2Egt), simhost::EgtTokenFromDegC(400.0), 14.375 * 3);
  EXPECT_LT(cockpit.token(Token::Engine1Egt), simhost::EgtTokenFromDegC(100.0));
  EXPECT_GT(cockpit.token(Token::Engine2OilPressure), cockpit.token(Token::Engine1OilPressure));
  EXPECT_NEAR(cockpit.token(Token::Engine2FuelFlow), 1000.0, 20.0);
  EXPECT_EQ(cockpit.token(Token::Engine1FuelFlow), 0.0);
  EXPECT_NEAR(N2(cockpit, 2), 60.0, 1.0);
  EXPECT_LT(N2(cockpit, 1), 1.0);
}

TEST(EngineModel, ARelightNearIdleRunsTheRestOfTheStart) {
  Cockpit cockpit({.start = false});
  FillTanks(cockpit);
  cockpit.start();
  cockpit.everyTick([](simhost::SimHost& host) {
    if (host.GetToken(static_cast<uint32_t>(Token::Engine1Combustion)) == 0.0) {
      host.SetToken(static_cast<uint32_t>(Token::Engine1N2Pct), 58.5);  // a windmill held near idle
    }
  });
  cockpit.set(Token::Engine1Mixture, 16384);
  cockpit.runUntil([&] { return cockpit.token(Token::Engine1Combustion) != 0.0; }, 3);
  ASSERT_EQ(cockpit.token(Token::Engine1Combustion), 1.0);
  using namespace simhost::engine;
  const double share = (58.5 - (kIdleN2Pct - 2.0)) / 2.0;
  EXPECT_DOUBLE_EQ(N2(cockpit, 1),
                   58.5 + (kStartAccelMinPctPerS + kStartAccelPeakPctPerS * std::sin(3.14159265358979323846 * share)) / 18.0);
}

TEST(EngineModel, ItsOwnTankFeedsItAndADryTankStopsIt) {
  Cockpit cockpit;
  cockpit.set(Token::FuelWeightLbPerGallon, kLbPerGallon).set(Token::FuelLeftGal, 500).set(Token::FuelRightGal, 0.05);
  cockpit.set(Token::Engine2Mixture, 16384);
  GroundStart(cockpit, 2);
  cockpit.runUntil([&] { return cockpit.token(Token::Engine2Combustion) != 0.0; }, 20);
  ASSERT_EQ(cockpit.token(Token::Engine2FuelSelector), 3.0) << "no pumps: each engine on its own tank";
  const double n2 = N2(cockpit, 2);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::Engine2OilPressure),
                   simhost::OilPressureTokenFromPsi(simhost::engine::kIdleOilPsi * std::min(1.0, n2 / 60.0)))
      << "the second engine's own oil pressure, at light-off";
  cockpit.runUntil([&] { return cockpit.token(Token::Engine2Combustion) == 0.0; }, 60);
  EXPECT_EQ(cockpit.token(Token::FuelRightGal), 0.0) << "its tank ran dry";
  EXPECT_EQ(cockpit.token(Token::FuelLeftGal), 500.0) << "the other tank untouched";
  EXPECT_DOUBLE_EQ(cockpit.token(Token::TotalFuelWeightLb), 500 * kLbPerGallon);
  cockpit.set(Token::FuelRightGal, 100).runSeconds(1.9);
  EXPECT_EQ(cockpit.token(Token::Engine2Combustion), 0.0);
  cockpit.runSeconds(0.2);
  EXPECT_EQ(cockpit.token(Token::Engine2Combustion), 1.0) << "relit while N2 is above light-off, after the delay";
}

// Bad values from a scenario never give NaN tokens or a stuck engine.
TEST(EngineModel, BadTokensAreReadAsNothing) {
  Cockpit cockpit;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  FillTanks(cockpit);
  cockpit.set(Token::Engine1N2Pct, nan).set(Token::Engine1Throttle, nan);
  cockpit.set(Token::FuelWeightLbPerGallon, -3).set(Token::AmbientTemp, nan);
  GroundStart(cockpit, 1);
  cockpit.runSeconds(12).set(Token::Engine1Mixture, 16384).runSeconds(30);
  EXPECT_NEAR(N2(cockpit, 1), 60.0, 1.0);
  for (Token token : {Token::Engine1Egt, Token::Engine1FuelFlow, Token::Engine1OilPressure, Token::TotalFuelWeightLb}) {
    EXPECT_TRUE(std::isfinite(cockpit.token(token))) << static_cast<int>(token);
  }
  cockpit.set(Token::Engine1Mixture, -5).runTicks(1);
  EXPECT_EQ(cockpit.token(Token::Engine1Combustion), 0.0) << "a negative mixture is a cut";
}

TEST(EngineModel, IndicationTokensReadBackAsTheirValues) {
  for (double degC : {0.0, 15.0, 39.31, 100.0, 309.0, 400.0, 600.0}) {
    const double v = simhost::EgtTokenFromDegC(degC);
    const double back = v < 2000.0 ? v / 91.5995092849
                       : v < 3600.0 ? (v - 2000.0) / 5.91063534408 + 39.3015205879
                                    : (v - 3600.0) / 14.375 + 310.0;
    EXPECT_NEAR(back, degC, 1e-6) << degC;
  }
  EXPECT_NEAR(simhost::EgtTokenFromDegC(30.0) / 91.5995092849, 21.83, 0.01) << "the gap reads as its floor";
  for (double psi : {0.0, 20.0, 40.0, 45.0, 55.0}) {
    const double v = simhost::OilPressureTokenFromPsi(psi);
    EXPECT_NEAR(v >= 6500.0 ? (v - 6500.0) / 800.0 + 40.0 : v / 162.5, psi, 1e-9) << psi;
  }
}

// Cold and dark to both engines running: battery, APU, APU air through both
// cross-feeds, each engine on its starter with one toggle at light-off, the
// generators on line, hydraulics climbing, fuel used counting the burn.
TEST(EngineStart, ColdAndDarkToBothEnginesRunning) {
  Cockpit cockpit({.start = false});
  FillTanks(cockpit);
  cockpit.set(Token::OnGround, 1).setScaled(Token::AmbientTemp, 15.0);
  cockpit.start();
  ApuAirReady(cockpit);
  cockpit.control("HYDRAULIC PUMPS", "engine1", kHydPumpHigh).control("HYDRAULIC PUMPS", "engine2", kHydPumpHigh);
  cockpit.control("PNEUMATIC X-FEED", "left", 1).control("PNEUMATIC X-FEED", "right", 1).runSeconds(2);
  EXPECT_EQ(GetPneumaticPressure(), 36.0);
  const double fuelAtStartLb = cockpit.token(Token::TotalFuelWeightLb);
  EXPECT_DOUBLE_EQ(fuelAtStartLb, 5200 * kLbPerGallon);

  for (int engine : {2, 1}) {
    SCOPED_TRACE(engine);
    const char* key = engine == 1 ? "starter_left" : "starter_right";
    const Token mixture = engine == 1 ? Token::Engine1Mixture : Token::Engine2Mixture;
    const CSwitch* fuelLever = engine == 1 ? &g_fuelLever1 : &g_fuelLever2;
    cockpit.clearKeyEvents();
    const double startTick = cockpit.tick18();
    cockpit.control("ENGINE STARTER", key, kStarterGroundStart).runSeconds(1.1);
    EXPECT_TRUE(StarterOn(cockpit, engine));
    EXPECT_EQ(Toggles(cockpit, engine), 1u);
    cockpit.runSeconds(1);
    // The starter takes 6 psi from the APU's 36, or from engine 2's 38.
    EXPECT_EQ(GetPneumaticPressure(), engine == 2 ? 30.0 : 32.0);

    cockpit.runUntil([&] { return N2(cockpit, engine) >= 20.0; }, 20);
    EXPECT_NEAR((cockpit.tick18() - startTick) / 18.0, 11.0, 1.5) << "seconds to 20 % N2";
    cockpit.set(mixture, 16384);
    cockpit.runUntil([&] { return GetStarterSwitchPosition(engine) == kStarterReleased; }, 4);
    EXPECT_TRUE(IsEngineRunning(engine));
    EXPECT_FALSE(StarterOn(cockpit, engine));
    EXPECT_EQ(Toggles(cockpit, engine), 2u) << "one toggle at light-off";
    cockpit.runUntil([&] { return GetSwitch(fuelLever) == kFuelLeverOn; }, 2);
    EXPECT_EQ(GetSwitch(fuelLever), kFuelLeverOn);

    cockpit.runUntil([&] { return N2(cockpit, engine) >= 59.0; }, 40);
    EXPECT_LE((cockpit.tick18() - startTick) / 18.0, 40.0) << "idle within 40 s of the starter";
    cockpit.runSeconds(3);
    EXPECT_EQ(Toggles(cockpit, engine), 2u) << "the starter is not engaged again after light-off";
    EXPECT_EQ(IsGeneratorOnline(engine - 1), 1u);
  }
  EXPECT_EQ(GetPowerSourceIndication(0), kSourceGenerator);

  // Hydraulics climb 100 psi each half second to within the dead band of
  // the engine pumps' 3000 psi.
  EXPECT_GT(GetHydraulicPressure(1), 0.0);
  cockpit.runSeconds(20);
  EXPECT_EQ(GetHydraulicPressure(1), 2900.0);
  EXPECT_EQ(GetHydraulicPressure(2), 2900.0);
  EXPECT_EQ(GetPneumaticPressure(), 41.0) << "both engines through both cross-feeds";

  // Fuel used counts what the host burnt, shared by the fuel flows.
  const double burntLb = fuelAtStartLb - cockpit.token(Token::TotalFuelWeightLb);
  EXPECT_GT(burntLb, 20.0);
  EXPECT_NEAR(GetFuelUsed(1) + GetFuelUsed(2), burntLb, 1e-6);
  EXPECT_GT(GetFuelUsed(2), GetFuelUsed(1)) << "engine 2 ran longer";
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("ENGINE STARTER", "starter_left"), "125");
  EXPECT_EQ(cockpit.ini("ENGINE STARTER", "starter_right"), "125");
  EXPECT_EQ(cockpit.ini("FUEL FLOW", "eng2_fuel_used_pounds"), std::to_string(static_cast<int>(GetFuelUsed(2))));
}

}  // namespace
}  // namespace halcyon::test
