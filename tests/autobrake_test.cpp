// Autobrake and brake temperatures: the simulator's setting stepped one notch
// a second toward the mode's, the disarm lamp, the landing roll's active
// flag and the three ways to disarm; the brakes heating with pedal and speed
// and cooling with the airflow, each on its own pedal, the hot lamp's
// hysteresis and the dial's selected temperature.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/autobrake.h"
#include "systems/brake_temperature.h"
#include "systems/warning_lights.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

double Setting(const Cockpit& cockpit) { return cockpit.token(Token::AutobrakeSetting); }

TEST(Autobrake, TheSimulatorsSettingStepsOneNotchASecondTowardTheModes) {
  Cockpit cockpit;
  cockpit.watchChannel(kChannel1HzB).runSeconds(3);
  EXPECT_EQ(Setting(cockpit), 1.0) << "disarmed: setting 1";
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAutobrakeUp).size(), 1u);

  const struct {
    int32_t mode;
    double setting;
  } modes[] = {{3, 3}, {5, 5}, {4, 4}, {1, 0}};
  for (const auto& m : modes) {
    cockpit.clearKeyEvents().control("AUTOBRAKE", "mode", m.mode).control("AUTOBRAKE", "arm", kAutobrakeArmed);
    const double from = Setting(cockpit);
    cockpit.runSeconds(6);
    EXPECT_EQ(Setting(cockpit), m.setting) << "mode " << m.mode;
    const uint32_t event = m.setting > from ? kKeyEventAutobrakeUp : kKeyEventAutobrakeDown;
    const uint32_t other = m.setting > from ? kKeyEventAutobrakeDown : kKeyEventAutobrakeUp;
    EXPECT_EQ(cockpit.keyEvents(event).size(), static_cast<size_t>(std::abs(m.setting - from))) << "one notch a step";
    EXPECT_TRUE(cockpit.keyEvents(other).empty());
    for (const auto& record : cockpit.keyEvents(event)) EXPECT_EQ(cockpit.dueTicks(kChannel1HzB).count(record.tick18), 1u);
  }
  // A mode outside 1..5 armed: nothing sent; disarmed, back to 1.
  cockpit.clearKeyEvents().control("AUTOBRAKE", "mode", 7).runSeconds(3);
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventAutobrakeUp).empty());
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventAutobrakeDown).empty());
  cockpit.control("AUTOBRAKE", "arm", kAutobrakeDisarmed).runSeconds(3);
  EXPECT_EQ(Setting(cockpit), 1.0);
}

TEST(Autobrake, TheDisarmLampLightsWhileAModeIsSelectedAndTheSystemDisarmed) {
  Cockpit cockpit;
  for (int tick = 0; tick < 3; ++tick) {
    cockpit.runTicks(1);
    EXPECT_EQ(GetSwitch(&g_absLight), kSwitchOff) << "mode 2 (off), disarmed: dark on every tick";
  }
  cockpit.control("AUTOBRAKE", "mode", 4).runTicks(1);
  EXPECT_EQ(GetSwitch(&g_absLight), kSwitchOn);
  cockpit.control("AUTOBRAKE", "arm", kAutobrakeArmed).runTicks(1);
  EXPECT_EQ(GetSwitch(&g_absLight), kSwitchOff) << "armed";
  cockpit.control("AUTOBRAKE", "arm", kAutobrakeDisarmed).runTicks(1);
  EXPECT_EQ(GetSwitch(&g_absLight), kSwitchOn);
  cockpit.control("AUTOBRAKE", "mode", kAutobrakeModeOff).runTicks(1);
  EXPECT_EQ(GetSwitch(&g_absLight), kSwitchOff) << "selector off";
}

// Armed for the landing roll.
Cockpit& RollingOut(Cockpit& cockpit, double iasKt) {
  cockpit.control("AUTOBRAKE", "mode", 3).control("AUTOBRAKE", "arm", kAutobrakeArmed);
  return cockpit.set(Token::OnGround, 1).set(Token::BrakeValue, 1).set(Token::IndicatedAirspeedKt, iasKt).runSeconds(1);
}

TEST(Autobrake, PedalBrakingDisarmsOnTheGroundOnlyAfterTheRollStarted) {
  Cockpit cockpit;
  RollingOut(cockpit, 70);
  cockpit.simEvent("BRAKES").runTicks(1);
  EXPECT_EQ(GetSwitch(&g_autobrakeArmSwitch), kAutobrakeArmed) << "70 kt: the roll has not started";
  cockpit.set(Token::IndicatedAirspeedKt, 70.5).runSeconds(1);
  EXPECT_EQ(IsAutobrakeActive(), 1u);
  cockpit.set(Token::IndicatedAirspeedKt, 40).set(Token::OnGround, 0).simEvent("BRAKES_LEFT").runTicks(1);
  EXPECT_EQ(GetSwitch(&g_autobrakeArmSwitch), kAutobrakeArmed) << "in the air: nothing";
  cockpit.set(Token::OnGround, 1).set(Token::BrakeValue, 0).simEvent("BRAKES_RIGHT").runTicks(1);
  EXPECT_EQ(GetSwitch(&g_autobrakeArmSwitch), kAutobrakeArmed) << "brake value 0: nothing";
  cockpit.set(Token::BrakeValue, 1).simEvent("BRAKES").runTicks(1);
  EXPECT_EQ(GetSwitch(&g_autobrakeArmSwitch), kAutobrakeDisarmed) << "at once, at 40 kt";
  cockpit.runTicks(1);
  EXPECT_EQ(GetSwitch(&g_absLight), kSwitchOn);
}

TEST(Autobrake, ThrustOrLowSpeedDisarmsAndTheRollEndsBelow10Knots) {
  Cockpit cockpit;
  RollingOut(cockpit, 120).set(Token::IndicatedAirspeedKt, 50).runSeconds(2);
  EXPECT_EQ(IsAutobrakeActive(), 1u) << "between 10 and 70 kt it keeps";
  cockpit.set(Token::Engine2Throttle, 10000).runSeconds(1);
  EXPECT_EQ(GetSwitch(&g_autobrakeArmSwitch), kAutobrakeArmed) << "10000 is not past";
  cockpit.set(Token::Engine2Throttle, 10001).runSeconds(1);
  EXPECT_EQ(GetSwitch(&g_autobrakeArmSwitch), kAutobrakeDisarmed) << "thrust";

  cockpit.set(Token::Engine2Throttle, 0);
  RollingOut(cockpit, 15);
  EXPECT_EQ(GetSwitch(&g_autobrakeArmSwitch), kAutobrakeArmed) << "15 kt is not below";
  cockpit.set(Token::IndicatedAirspeedKt, 14.9).runSeconds(1);
  EXPECT_EQ(GetSwitch(&g_autobrakeArmSwitch), kAutobrakeDisarmed) << "slow";

  cockpit.set(Token::IndicatedAirspeedKt, 10).runSeconds(1);
  EXPECT_EQ(IsAutobrakeActive(), 1u);
  cockpit.set(Token::IndicatedAirspeedKt, 9.9).runSeconds(1);
  EXPECT_EQ(IsAutobrakeActive(), 0u);
  RollingOut(cockpit, 5).simEvent("BRAKES").runTicks(1);
  EXPECT_EQ(GetSwitch(&g_autobrakeArmSwitch), kAutobrakeArmed) << "the roll is over";
}

// Engine 1's thrust lever disarms as engine 2's does, each alone.
TEST(Autobrake, EitherEnginesThrustDisarmsAlone) {
  Cockpit cockpit;
  RollingOut(cockpit, 120).set(Token::IndicatedAirspeedKt, 50);
  cockpit.set(Token::Engine1Throttle, 10000).set(Token::Engine2Throttle, -5000).runSeconds(1);
  EXPECT_EQ(GetSwitch(&g_autobrakeArmSwitch), kAutobrakeArmed) << "engine 1 at 10000 is not past";
  cockpit.set(Token::Engine1Throttle, 10001).runSeconds(1);
  EXPECT_EQ(GetSwitch(&g_autobrakeArmSwitch), kAutobrakeDisarmed) << "engine 1's thrust";

  cockpit.set(Token::Engine1Throttle, -5000);
  RollingOut(cockpit, 50).set(Token::Engine2Throttle, 10000).runSeconds(1);
  ASSERT_EQ(IsAutobrakeActive(), 1u) << "the roll goes on at 50 kt";
  EXPECT_EQ(GetSwitch(&g_autobrakeArmSwitch), kAutobrakeArmed) << "engine 2 at 10000, engine 1 in reverse";
  cockpit.set(Token::Engine2Throttle, 10001).runSeconds(1);
  EXPECT_EQ(GetSwitch(&g_autobrakeArmSwitch), kAutobrakeDisarmed) << "engine 2's thrust";
}

// The roll's verdicts come on the 2 Hz channel's ticks only.
TEST(Autobrake, ThrustDisarmsOnTheChannelsTick) {
  Cockpit cockpit;
  RollingOut(cockpit, 120).set(Token::IndicatedAirspeedKt, 50).runSeconds(1);
  cockpit.watchChannel(kChannel2Hz).set(Token::Engine1Throttle, 12000);
  for (int tick = 0; tick < 12 && GetSwitch(&g_autobrakeArmSwitch) == kAutobrakeArmed; ++tick) cockpit.runTicks(1);
  ASSERT_EQ(GetSwitch(&g_autobrakeArmSwitch), kAutobrakeDisarmed);
  const double disarmedOn = cockpit.tick18();
  cockpit.runTicks(1);  // the last tick's channel is seen on the next
  EXPECT_EQ(cockpit.dueTicks(kChannel2Hz).count(disarmedOn), 1u) << "disarmed on tick " << disarmedOn;
}

TEST(Autobrake, TheSectionRoundTrips) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[AUTOBRAKE]\r\narm=127\r\nmode=5\r\n[BRAKE TEMPERATURE]\r\ntemp_selector=4\r\n");
  cockpit.start().runSeconds(6);
  EXPECT_EQ(Setting(cockpit), 5.0);
  cockpit.control("AUTOBRAKE", "mode", 3).control("BRAKE TEMPERATURE", "temp_selector", 2).shutdown();
  EXPECT_EQ(cockpit.ini("AUTOBRAKE", "arm"), "127");
  EXPECT_EQ(cockpit.ini("AUTOBRAKE", "mode"), "3");
  EXPECT_EQ(cockpit.ini("BRAKE TEMPERATURE", "temp_selector"), "2");
}

// One channel-4 step of one brake, from the formula.
double Heated(double temperature, double pedal, double iasKt) {
  return std::min(temperature + pedal * iasKt / 327670.0, kBrakeTempMax);
}
double Cooled(double temperature, double iasKt, double coldDegC) {
  return std::max(temperature - temperature * 0.002 * (iasKt > 1.0 ? iasKt : 1.0), coldDegC);
}

// Runs to the next channel-4 step and returns with its result.
void NextBrakeStep(Cockpit& cockpit) {
  const size_t steps = cockpit.dueTicks(kChannel2Hz).size();
  cockpit.runUntil([&] { return cockpit.dueTicks(kChannel2Hz).size() > steps; }, 1);
}

TEST(BrakeTemperature, EachBrakeHeatsWithItsPedalAndTheSpeedAndCoolsWithTheAirflow) {
  Cockpit cockpit({.start = false});
  cockpit.setScaled(Token::AmbientTemp, 15.0).set(Token::OnGround, 1).start();
  EXPECT_EQ(GetBrakeTemperature(0), 15.0) << "cold at start-up";
  cockpit.watchChannel(kChannel2Hz).runSeconds(1);
  cockpit.set(Token::IndicatedAirspeedKt, 100).set(Token::LeftBrakePedal, 32767).set(Token::RightBrakePedal, 16000);
  NextBrakeStep(cockpit);
  for (int i = 0; i < 4; ++i) {
    const double left = GetBrakeTemperature(0);
    const double right = GetBrakeTemperature(1);
    NextBrakeStep(cockpit);
    EXPECT_DOUBLE_EQ(GetBrakeTemperature(0), Heated(left, 32767, 100));
    EXPECT_DOUBLE_EQ(GetBrakeTemperature(1), Heated(right, 16000, 100));
  }
  EXPECT_NEAR(GetBrakeTemperature(0) - 15.0, 5 * 10.0, 0.01) << "about 10 a step at full pedal and 100 kt";

  // Thresholds of heating: a pedal of 1000 or 5 kt heat nothing.
  for (const auto& [pedal, iasKt] : {std::pair{1000.0, 100.0}, std::pair{32767.0, 5.0}}) {
    cockpit.set(Token::LeftBrakePedal, pedal).set(Token::IndicatedAirspeedKt, iasKt);
    NextBrakeStep(cockpit);
    const double left = GetBrakeTemperature(0);
    NextBrakeStep(cockpit);
    EXPECT_DOUBLE_EQ(GetBrakeTemperature(0), Cooled(left, iasKt, 15.0)) << pedal << " at " << iasKt;
  }
  // Heating in the air: none, cooling with the airflow.
  cockpit.set(Token::LeftBrakePedal, 32767).set(Token::IndicatedAirspeedKt, 80).set(Token::OnGround, 0);
  NextBrakeStep(cockpit);
  double left = GetBrakeTemperature(0);
  NextBrakeStep(cockpit);
  EXPECT_DOUBLE_EQ(GetBrakeTemperature(0), Cooled(left, 80, 15.0));
  // Standing still: the slowest cooling.
  cockpit.set(Token::IndicatedAirspeedKt, 0.5).set(Token::OnGround, 1);
  NextBrakeStep(cockpit);
  left = GetBrakeTemperature(0);
  NextBrakeStep(cockpit);
  EXPECT_DOUBLE_EQ(GetBrakeTemperature(0), Cooled(left, 0.5, 15.0));
  // Never below the outside air.
  cockpit.set(Token::IndicatedAirspeedKt, 300).set(Token::OnGround, 0).runSeconds(20);
  EXPECT_EQ(GetBrakeTemperature(0), 15.0);
  EXPECT_EQ(GetBrakeTemperature(1), 15.0);
}

TEST(BrakeTemperature, TheHotLampLightsAbove305AndGoesDarkWithBothBelow260) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::OnGround, 1).start().watchChannel(kChannel2Hz);
  cockpit.set(Token::IndicatedAirspeedKt, 100).set(Token::LeftBrakePedal, 32767).set(Token::RightBrakePedal, 3000);
  cockpit.runUntil([] { return GetBrakeTemperature(0) > kHotBrakeOnAbove; }, 30);
  EXPECT_EQ(GetSwitch(&g_hotBrakeLamp), kSwitchOn) << "lit in the step that passed 305";
  cockpit.runSeconds(30);
  EXPECT_EQ(GetBrakeTemperature(0), kBrakeTempMax) << "held at 500";
  EXPECT_LT(GetBrakeTemperature(1), kHotBrakeOffBelow);

  // Left cooling: the lamp stays lit until it is below 260 as well.
  cockpit.set(Token::LeftBrakePedal, 0).set(Token::RightBrakePedal, 0).set(Token::IndicatedAirspeedKt, 10);
  cockpit.runUntil([] { return GetBrakeTemperature(0) < 300.0; }, 30);
  EXPECT_EQ(GetSwitch(&g_hotBrakeLamp), kSwitchOn);
  cockpit.runUntil([] { return GetBrakeTemperature(0) < kHotBrakeOffBelow; }, 30);
  EXPECT_EQ(GetSwitch(&g_hotBrakeLamp), kSwitchOff);

  // The right brake alone hot lights it as well.
  cockpit.set(Token::IndicatedAirspeedKt, 100).set(Token::RightBrakePedal, 32767);
  cockpit.runUntil([] { return GetBrakeTemperature(1) > kHotBrakeOnAbove; }, 30);
  ASSERT_LT(GetBrakeTemperature(0), kHotBrakeOffBelow);
  for (int tick = 0; tick < 40; ++tick) {
    cockpit.runTicks(1);
    EXPECT_EQ(GetSwitch(&g_hotBrakeLamp), kSwitchOn) << "the right brake still hot";
  }
}

TEST(BrakeTemperature, ABrakeStartedWithoutAnOutsideTemperatureHeatsAndLightsTheLamp) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::OnGround, 1).set(Token::AmbientTemp, std::numeric_limits<double>::quiet_NaN()).start();
  EXPECT_EQ(GetBrakeTemperature(0), 0.0);
  EXPECT_EQ(GetBrakeTemperature(1), 0.0);
  cockpit.set(Token::IndicatedAirspeedKt, 100).set(Token::LeftBrakePedal, 32767);
  cockpit.runUntil([] { return GetSwitch(&g_hotBrakeLamp) == kSwitchOn; }, 60);
  EXPECT_GT(GetBrakeTemperature(0), kHotBrakeOnAbove);
  EXPECT_EQ(GetBrakeTemperature(1), 0.0) << "the right pedal untouched";
}

TEST(BrakeTemperature, TheDialReadsTheBrakeItsSelectorPicks) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::OnGround, 1).start();
  cockpit.set(Token::IndicatedAirspeedKt, 100).set(Token::LeftBrakePedal, 32767).set(Token::RightBrakePedal, 16000);
  cockpit.runSeconds(2).set(Token::LeftBrakePedal, 0).set(Token::RightBrakePedal, 0).set(Token::IndicatedAirspeedKt, 0);
  EXPECT_EQ(GetSelectedBrakeTemperature(), 0.0) << "no panel power";
  cockpit.powerUp();
  const double left = GetBrakeTemperature(0);
  const double right = GetBrakeTemperature(1);
  ASSERT_GT(left, right);
  const struct {
    int32_t selector;
    double reads;
  } cases[] = {{1, left}, {2, left}, {3, left}, {4, right}, {5, right}, {0, 0.0}, {6, 0.0}, {120, 0.0}};
  for (const auto& c : cases) {
    SetSwitch(&g_brakeTempSelector, c.selector);
    EXPECT_EQ(GetSelectedBrakeTemperature(), c.reads) << c.selector;
  }
  SetSwitch(&g_brakeTempSelector, 4);
  SetSwitch(&g_brakeTempTestButton, kSwitchOn);
  EXPECT_EQ(GetSelectedBrakeTemperature(), kBrakeTempTestReading);
}

}  // namespace
}  // namespace halcyon::test
