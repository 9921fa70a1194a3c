// Landing gear: the handle following the simulator's, the transit lamp with
// the host's gear travel, the wheels lamp after lift-off, the gear horn with
// its cut-out and re-arm, and the alternate extension's repeated event.
#include <gtest/gtest.h>

#include <vector>

#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "host/voice_queue.h"
#include "simhost/ground_handling.h"
#include "systems/gear.h"
#include "tests/cockpit.h"
#include "tests/lever_frames.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;
constexpr int kSlotGearHorn = 217;

// On the ground with the gear down and locked, the handle down.
Cockpit& GearDown(Cockpit& cockpit) {
  return cockpit.set(Token::GearHandle, kGearExtended)
      .set(Token::GearPosition, kGearExtended)
      .set(Token::GearLeftPosition, kGearExtended)
      .set(Token::GearRightPosition, kGearExtended)
      .set(Token::OnGround, 1);
}

TEST(Gear, TheHandleFollowsTheSimulatorsAndTheTransitLampTheLegs) {
  Cockpit cockpit({.start = false});
  GearDown(cockpit).set(Token::OnGround, 0).start().runTicks(2);
  EXPECT_EQ(GetSwitch(&g_gearHandleLever), kGearLeverDown);
  EXPECT_EQ(GetGearTransitState(), kGearDownLocked);

  // Up: the lever walks 1..18 (its first frame is no change), one a tick; the
  // host's legs leave down at once and reach up after 7 s.
  cockpit.set(Token::GearHandle, 0);
  EXPECT_EQ(Frames(cockpit, &g_gearHandleLever, 20), FrameRun(2, 18));
  EXPECT_EQ(GetGearTransitState(), kGearInTransit);
  EXPECT_EQ(GetSwitch(&g_gearTransitLamp), kSwitchOn);
  cockpit.runUntil([] { return GetGearTransitState() == kGearUpLocked; }, simhost::kGearTravelSeconds + 1);
  const double locked = cockpit.tick18();
  EXPECT_EQ(cockpit.token(Token::GearLeftPosition), 0.0);
  cockpit.runTicks(18);
  EXPECT_EQ(GetSwitch(&g_gearTransitLamp), kSwitchOn) << "held 18 ticks";
  cockpit.runTicks(1);
  EXPECT_EQ(GetSwitch(&g_gearTransitLamp), kSwitchOff) << "dark on the first tick after";
  EXPECT_EQ(cockpit.tick18(), locked + 19);

  // Down, and up again during the walk: the second change waits for the walk
  // to end, then the lever walks back.
  cockpit.set(Token::GearHandle, kGearExtended).runTicks(5);
  cockpit.set(Token::GearHandle, 0);
  const std::vector<int32_t> frames = Frames(cockpit, &g_gearHandleLever, 40);
  std::vector<int32_t> expected = FrameRun(14, 1);
  for (int32_t frame : FrameRun(2, 18)) expected.push_back(frame);
  EXPECT_EQ(frames, expected);
}

// Locked down and leaving again within the lamp's 18-tick hold: the lamp,
// lit again by the new transit, stays lit through it (the lock's move to
// dark is dropped) and goes dark 18 ticks after the next lock.
TEST(Gear, AQuickReversalKeepsTheTransitLampLit) {
  Cockpit cockpit({.start = false});
  GearDown(cockpit).set(Token::OnGround, 0).start().powerUp().runTicks(2);
  auto legs = [&cockpit](double position) -> Cockpit& {
    return cockpit.set(Token::GearLeftPosition, position).set(Token::GearRightPosition, position);
  };
  auto lamp = [&cockpit] { return cockpit.draw().elementValue("Gear_Indicators", 1); };
  legs(8000).runTicks(1);
  EXPECT_EQ(lamp(), 1.0) << "in transit";
  legs(kGearExtended).runTicks(5);
  ASSERT_EQ(GetGearTransitState(), kGearDownLocked);
  legs(8000).runTicks(1);
  ASSERT_EQ(GetGearTransitState(), kGearInTransit);
  for (int tick = 0; tick < 40; ++tick) {
    cockpit.runTicks(1);
    ASSERT_EQ(lamp(), 1.0) << "dark " << tick + 1 << " ticks into the new transit";
  }
  legs(0).runTicks(1);
  ASSERT_EQ(GetGearTransitState(), kGearUpLocked);
  cockpit.runTicks(18);
  EXPECT_EQ(lamp(), 1.0) << "held 18 ticks";
  cockpit.runTicks(1);
  EXPECT_EQ(lamp(), 0.0);
}

TEST(Gear, SplitLegsFromUpAndLockedLeaveTheLampDark) {
  Cockpit cockpit;
  cockpit.runTicks(2);
  EXPECT_EQ(GetGearTransitState(), kGearUpLocked);
  cockpit.set(Token::GearLeftPosition, kGearExtended).runSeconds(1);
  EXPECT_EQ(GetGearTransitState(), kGearUpLocked) << "one leg only";
  EXPECT_EQ(GetSwitch(&g_gearTransitLamp), kSwitchOff);
  cockpit.set(Token::GearRightPosition, 100).runTicks(1);
  EXPECT_EQ(GetGearTransitState(), kGearInTransit);
  cockpit.runTicks(1);
  EXPECT_EQ(GetGearTransitState(), kGearInTransit) << "one leg down, the other still travelling";
  cockpit.set(Token::GearRightPosition, kGearExtended).runTicks(1);
  EXPECT_EQ(GetGearTransitState(), kGearDownLocked);
  cockpit.set(Token::GearLeftPosition, 16000).runTicks(1);
  EXPECT_EQ(GetGearTransitState(), kGearDownLocked) << "the right leg still down";
  cockpit.set(Token::GearRightPosition, 16000).runTicks(1);
  EXPECT_EQ(GetGearTransitState(), kGearInTransit);
}

TEST(Gear, TheWheelsLampWaitsThenLightsAfterLiftOffWithTheGearDown) {
  Cockpit cockpit({.start = false});
  GearDown(cockpit).start().runSeconds(2);
  EXPECT_EQ(GetGearWheelsLampPosition(), kWheelsLampIdle);
  cockpit.watchChannel(kChannel1HzB).set(Token::OnGround, 0);
  cockpit.runUntil([] { return GetGearWheelsLampPosition() == kWheelsLampWaiting; }, 2);
  const double waiting = cockpit.tick18();
  cockpit.runTicks(1);  // the channel's record of that tick comes with the next
  EXPECT_EQ(cockpit.dueTicks(kChannel1HzB).count(waiting), 1u);
  cockpit.runUntil([] { return GetGearWheelsLampPosition() == kWheelsLampLit; }, 6);
  const double lit = cockpit.tick18();
  EXPECT_GT(lit - waiting, kWheelsLampTicks);
  EXPECT_LE(lit - waiting, kWheelsLampTicks + 19) << "on a channel-9 step";
  cockpit.runUntil([] { return GetGearWheelsLampPosition() == kWheelsLampIdle; }, 6);
  EXPECT_GT(cockpit.tick18() - lit, kWheelsLampTicks);
  EXPECT_LE(cockpit.tick18() - lit, kWheelsLampTicks + 19);
  cockpit.runSeconds(10);
  EXPECT_EQ(GetGearWheelsLampPosition(), kWheelsLampIdle) << "once per lift-off";

  // A lift-off with the gear up lights nothing.
  cockpit.set(Token::OnGround, 1).runSeconds(2).set(Token::GearLeftPosition, 0).set(Token::OnGround, 0).runSeconds(10);
  EXPECT_EQ(GetGearWheelsLampPosition(), kWheelsLampIdle);
}

TEST(Gear, TheHornSoundsSlowWithTheGearUpUntilCutOutAndReArmsWithThrust) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({kSlotGearHorn}, 100);
  // Below the barber pole: no overspeed voice in the queue.
  cockpit.setScaled(Token::MaxOperatingSpeed, 340).set(Token::AltitudeFt, 3000).set(Token::RadioAltitudeM, 900);
  cockpit.set(Token::IndicatedAirspeedKt, 210).set(Token::Engine1Throttle, 1000).set(Token::Engine2Throttle, 3000);
  cockpit.start().watchChannel(kChannel4s).runSeconds(20);
  const std::vector<PlayedSound> horns = cockpit.played(kSlotGearHorn);
  ASSERT_GE(horns.size(), 4u) << "at 210 kt exactly, one throttle back";
  for (size_t i = 1; i < horns.size(); ++i) EXPECT_EQ(horns[i].tick18 - horns[i - 1].tick18, 73.0);

  SilenceGearHorn();
  cockpit.runSeconds(5);
  const size_t heard = cockpit.played(kSlotGearHorn).size();
  cockpit.runSeconds(20);
  EXPECT_EQ(cockpit.played(kSlotGearHorn).size(), heard) << "cut out";

  // One throttle forward: still cut out; both forward: re-armed, and the
  // horn comes back when a throttle is closed again.
  cockpit.set(Token::Engine1Throttle, 2001).set(Token::Engine2Throttle, 2000).runSeconds(10);
  cockpit.set(Token::Engine1Throttle, 1000).runSeconds(10);
  EXPECT_EQ(cockpit.played(kSlotGearHorn).size(), heard) << "not both above 2000";
  cockpit.set(Token::Engine1Throttle, 2001).set(Token::Engine2Throttle, 2001).runSeconds(5);
  cockpit.set(Token::Engine1Throttle, 1000).runSeconds(10);
  EXPECT_GT(cockpit.played(kSlotGearHorn).size(), heard) << "re-armed";

  // Faster than 210 kt: withdrawn at once and quiet.
  cockpit.set(Token::IndicatedAirspeedKt, 210.5).runSeconds(4.1);
  EXPECT_FALSE(IsVoiceMessageQueued(kVoiceGearWarning));
  const size_t fast = cockpit.played(kSlotGearHorn).size();
  cockpit.runSeconds(10);
  EXPECT_EQ(cockpit.played(kSlotGearHorn).size(), fast);

  // Flaps past 30 degrees with the gear not down: the horn whatever the cut-out.
  cockpit.set(Token::IndicatedAirspeedKt, 180).set(Token::Engine1Throttle, 3000).set(Token::Engine2Throttle, 3000);
  SilenceGearHorn();
  cockpit.set(Token::FlapHandle, 9830.4).runSeconds(10);
  EXPECT_EQ(cockpit.played(kSlotGearHorn).size(), fast) << "9830.4 is not past";
  cockpit.set(Token::FlapHandle, 9831).runSeconds(10);
  EXPECT_GT(cockpit.played(kSlotGearHorn).size(), fast);

  // Gear handle down: quiet.
  cockpit.set(Token::GearHandle, kGearExtended).runSeconds(4.1);
  const size_t down = cockpit.played(kSlotGearHorn).size();
  cockpit.runSeconds(10).runTicks(1);
  EXPECT_EQ(cockpit.played(kSlotGearHorn).size(), down);
  for (const PlayedSound& horn : cockpit.played(kSlotGearHorn)) {
    EXPECT_EQ(cockpit.dueTicks(kChannel4s).count(horn.tick18), 1u) << "posted and played on a channel-6 step";
  }
}

TEST(Gear, TheAlternateHandleAtItsEndLowersTheGearEveryTick) {
  Cockpit cockpit({.start = false});
  cockpit.set(Token::OnGround, 0).set(Token::IndicatedAirspeedKt, 250).start().runTicks(2);
  EXPECT_EQ(GetSwitch(&g_gearHandleLever), kGearLeverUp);

  // Pulled in two halves: 1..18, then 19..36.
  cockpit.control("GEAR", "alternate_gear_handle", kAlternateGearExtended);
  EXPECT_EQ(Frames(cockpit, &g_alternateGearHandle, 20), FrameRun(2, 18));
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventGearDown).empty());
  // The host lowers its handle as the event asks; hold it up to see the repeat.
  cockpit.everyTick([](simhost::SimHost& host) { host.SetToken(TokenNumber(Token::GearHandle), 0); });
  cockpit.control("GEAR", "alternate_gear_handle", kAlternateGearExtended).runTicks(18);
  EXPECT_EQ(GetSwitch(&g_alternateGearHandle), kAlternateGearExtended);
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventGearDown).empty()) << "the gear step runs before the handle's";
  cockpit.runTicks(1);
  const size_t sent = cockpit.keyEvents(kKeyEventGearDown).size();
  EXPECT_EQ(sent, 1u);
  cockpit.runTicks(10);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventGearDown).size(), sent + 10) << "every tick";
  EXPECT_EQ(GetSwitch(&g_gearHandleLever), kGearLeverUp) << "the lever does not follow while pulled";
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("GEAR", "alternate_gear_handle"), "36");
}

// The simulator's flap events move the handle a detent of five at a time,
// held at either end; its steering axis gives 0.561 rad at full deflection.
TEST(Gear, TheSimulatorsFlapDetentAndSteeringEvents) {
  Cockpit cockpit;
  cockpit.set(Token::FlapHandle, 0);
  TriggerKeyEvent(65758, 0);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::FlapHandle), 16384.0 / 5);
  TriggerKeyEvent(65758, 0);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::FlapHandle), 2 * 16384.0 / 5);
  TriggerKeyEvent(65759, 0);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::FlapHandle), 16384.0 / 5);
  cockpit.set(Token::FlapHandle, 16384);
  TriggerKeyEvent(65758, 0);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::FlapHandle), 16384.0) << "the last detent";
  TriggerKeyEvent(65759, 0);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::FlapHandle), 4 * 16384.0 / 5);
  TriggerKeyEvent(65696, 8192);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::SteeringRad), 0.561 / 2);
  TriggerKeyEvent(65696, static_cast<uint32_t>(-16384));
  EXPECT_DOUBLE_EQ(cockpit.token(Token::SteeringRad), -0.561) << "full left";
}

TEST(Gear, TheGearDownEventLowersTheHostsGear) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[GEAR]\r\nalternate_gear_handle=36\r\n");
  cockpit.set(Token::OnGround, 0).start().runTicks(2);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventGearDown).size(), 1u);
  EXPECT_EQ(cockpit.token(Token::GearHandle), kGearExtended);
  cockpit.runSeconds(simhost::kGearTravelSeconds + 0.1);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventGearDown).size(), 1u) << "the handle down: no more";
  EXPECT_EQ(cockpit.token(Token::GearLeftPosition), kGearExtended);
  EXPECT_EQ(GetGearTransitState(), kGearDownLocked);
  // Stowed again from the upper half: 36..18, then 18..1.
  cockpit.control("GEAR", "alternate_gear_handle", kAlternateGearStowed).runTicks(20);
  EXPECT_EQ(GetSwitch(&g_alternateGearHandle), kAlternateGearHalfWay);
  cockpit.control("GEAR", "alternate_gear_handle", kAlternateGearStowed).runTicks(20);
  EXPECT_EQ(GetSwitch(&g_alternateGearHandle), kAlternateGearStowed);
}

}  // namespace
}  // namespace halcyon::test
