// The voice-message queue and the first officer's callouts: queue order and
// holds, a clock set back, option 1, a full queue; a take-off and landing
// flown through the host with every call at the tick its condition is met;
// the calls that are not made, and option 13.
#include <gtest/gtest.h>

#include <functional>

#include "core/options.h"
#include "core/tick_scheduler.h"
#include "host/callouts.h"
#include "host/sound_system.h"
#include "host/voice_queue.h"
#include "systems/gear.h"
#include "systems/ground_crew.h"
#include "systems/speed_bugs.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

std::vector<uint32_t> Queue() { return std::vector<uint32_t>(g_voiceQueue, g_voiceQueue + g_voiceQueueCount); }

std::vector<int> Slots(const std::vector<PlayedSound>& played) {
  std::vector<int> slots;
  for (const PlayedSound& sound : played) slots.push_back(sound.slot);
  return slots;
}

double Tick(const Cockpit& cockpit, int slot, size_t nth = 0) {
  const std::vector<PlayedSound> played = cockpit.played(slot);
  return played.size() > nth ? played[nth].tick18 : -1.0;
}

TEST(VoiceQueue, OrderHoldsClockBackOptionOneAndAFullQueue) {
  Cockpit cockpit({.start = false});
  // The fire warning is much longer than its hold: the next message does not
  // wait for its end.
  // Gear up with the throttles advanced: the gear horn neither posts nor
  // withdraws message 11.
  cockpit.set(Token::Engine1Throttle, 3000).set(Token::Engine2Throttle, 3000);
  cockpit.addSounds({239}, 6000).addSounds({240, 205, 229, 217, 204, 216}, 300).start();
  cockpit.runTicks(2);
  const double start = cockpit.tick18();

  // 26, a TCAS call, and 15: no system posts or withdraws them in a quiet sky.
  EnqueueVoiceMessage(26);
  EnqueueVoiceMessage(15);
  EnqueueVoiceMessage(0);
  EnqueueVoiceMessage(26);
  EnqueueVoiceMessage(38);  // no such message
  EXPECT_EQ(Queue(), (std::vector<uint32_t>{0, 26, 15}));
  EXPECT_TRUE(IsVoiceMessageQueued(15));
  EXPECT_FALSE(IsVoiceMessageQueued(38));

  cockpit.runTicks(1);  // 0 starts at once and holds for 43 ticks
  EXPECT_EQ(Queue(), (std::vector<uint32_t>{26, 15}));
  EnqueueVoiceMessage(1);  // the other fire overtakes what waits
  EnqueueVoiceMessage(2);
  EXPECT_EQ(Queue(), (std::vector<uint32_t>{2, 1, 26, 15}));
  EXPECT_EQ(RemoveVoiceMessage(2), 3u);
  EXPECT_EQ(RemoveVoiceMessage(25), 0u);
  cockpit.runTicks(200);

  const std::vector<PlayedSound> played = cockpit.played();
  ASSERT_EQ(Slots(played), (std::vector<int>{239, 240, 205, 229}));
  EXPECT_EQ(played[0].tick18, start + 1);
  EXPECT_EQ(played[1].tick18, start + 1 + 43 + 1) << "the first tick after the hold from the start";
  EXPECT_EQ(played[2].tick18, played[1].tick18 + 43 + 1);
  EXPECT_EQ(played[3].tick18, played[2].tick18 + 24 + 1);
  EXPECT_EQ(played[0].volume, 0);  // the panel channel

  // A message that keeps its condition comes back after its hold, in turn
  // with the others.
  EnqueueVoiceMessage(11);
  EnqueueVoiceMessage(25);
  cockpit.runTicks(1);
  EnqueueVoiceMessage(11);
  cockpit.runTicks(100);
  EXPECT_EQ(Slots(cockpit.played()), (std::vector<int>{239, 240, 205, 229, 217, 204, 217}));

  // Id 2 takes its turn (one tick) without a sound and without a hold.
  EnqueueVoiceMessage(2);
  EnqueueVoiceMessage(37);
  cockpit.runTicks(60);
  EXPECT_EQ(Tick(cockpit, 216), Tick(cockpit, 217, 1) + 36 + 2);

  // The clock set back: the hold is pulled back with it, and the next
  // message does not wait 500 ticks.
  EnqueueVoiceMessage(15);
  EnqueueVoiceMessage(26);
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.played().back().slot, 229);
  cockpit.clockBack(500).runTicks(2);
  EXPECT_EQ(cockpit.played().back().slot, 205);
  EXPECT_EQ(cockpit.played().back().tick18, cockpit.tick18());

  // Option 1 freezes the queue: nothing starts, nothing is added.
  cockpit.runTicks(40);
  EnqueueVoiceMessage(26);
  cockpit.setOption(kOptionSoundOff, true);
  EnqueueVoiceMessage(15);
  const size_t heard = cockpit.played().size();
  cockpit.runTicks(60);
  EXPECT_EQ(cockpit.played().size(), heard);
  EXPECT_EQ(Queue(), std::vector<uint32_t>{26});
  cockpit.setOption(kOptionSoundOff, false).runTicks(1);
  EXPECT_EQ(cockpit.played().back().slot, 205);
  EXPECT_TRUE(Queue().empty());

  // A full queue takes nothing more, not even a fire; what cannot sound is
  // taken off one entry a tick.
  for (uint32_t i = 0; i < kVoiceQueueCapacity; ++i) g_voiceQueue[i] = 100 + i;
  g_voiceQueueCount = static_cast<int32_t>(kVoiceQueueCapacity);
  EnqueueVoiceMessage(0);
  EnqueueVoiceMessage(5);
  EXPECT_EQ(g_voiceQueueCount, 100);
  EXPECT_FALSE(IsVoiceMessageQueued(0));
  EXPECT_EQ(RemoveVoiceMessage(150), 99u);
  cockpit.runTicks(35 + 99);  // the hold of message 8, then one a tick
  EXPECT_EQ(g_voiceQueueCount, 0);
  EXPECT_EQ(cockpit.played().back().slot, 205);
}

// What the host fed the cockpit on each tick, for finding the tick a
// condition was first met.
struct Sample {
  double tick18;
  double airspeedKt;
  double radioAltitudeFt;
};

class Recorder {
 public:
  explicit Recorder(Cockpit& cockpit) : cockpit_(cockpit) {
    cockpit.everyTick([this](simhost::SimHost& host) {
      samples_.push_back(
          {host.Tick18(), cockpit_.token(Token::IndicatedAirspeedKt), cockpit_.scaled(Token::RadioAltitudeM)});
    });
    cockpit.watchChannel(kChannel6Hz);
  }
  // The callouts are evaluated only on the ticks the 6 Hz channel is due.
  bool Evaluated(double tick18) const { return cockpit_.dueTicks(kChannel6Hz).contains(tick18); }
  double FirstTick(const std::function<bool(const Sample&)>& condition, double fromTick = 0.0) const {
    for (const Sample& sample : samples_) {
      if (sample.tick18 >= fromTick && condition(sample)) return sample.tick18;
    }
    return -1.0;
  }

 private:
  const Cockpit& cockpit_;
  std::vector<Sample> samples_;
};

// A call comes at the first 6 Hz evaluation (every 4 ticks) once its
// condition holds.
void ExpectCalledAt(const Cockpit& cockpit, int slot, double conditionTick, size_t nth = 0) {
  const double tick = Tick(cockpit, slot, nth);
  EXPECT_GE(tick, conditionTick) << "slot " << slot;
  EXPECT_LT(tick, conditionTick + 4) << "slot " << slot;
}

constexpr double kFt = TokenScale(Token::RadioAltitudeM);  // radio altitude token per foot

// The nose and both main gears at one position.
Cockpit& Gear(Cockpit& cockpit, double position) {
  return cockpit.set(Token::GearPosition, position).set(Token::GearLeftPosition, position).set(Token::GearRightPosition, position);
}

TEST(Callouts, ATakeOffAndLandingInTheirOrderAndAtTheirTicks) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({150, 151, 152, 153, 154, 155, 156, 157, 158, 159, 160, 161, 162, 163, 164, 165, 166, 167, 168, 169,
                     170, 171, 172, 173, 174, 175, 176, 177, 178, 179, 180, 182, 183, 184},
                    100);
  Gear(cockpit, kGearExtended).set(Token::OnGround, 1).set(Token::ParkingBrake, 1);
  Recorder recorder(cockpit);
  cockpit.start();
  cockpit.control("EFIS DIMMER", "decision_height", 200);
  SetSpeedBug(1, 135);  // V1
  SetSpeedBug(2, 145);  // V2
  cockpit.runSeconds(1);
  EXPECT_TRUE(cockpit.played().empty()) << "nothing armed at start-up";
  EXPECT_EQ(g_thousandFootCalloutFlag, 1u);

  // Parking brake released, then set: called.
  cockpit.set(Token::ParkingBrake, 0).runSeconds(1).set(Token::ParkingBrake, 1).runSeconds(1);
  // Engine start: starter, then N2 through 20 % and 40 %.
  cockpit.control("ENGINE STARTER", "starter_left", 52).runSeconds(1);
  cockpit.ramp(Token::Engine1N2Pct, 60, 6);
  cockpit.runSeconds(6).control("ENGINE STARTER", "starter_left", 125);
  cockpit.control("ENGINE STARTER", "starter_right", 52).runSeconds(1);
  cockpit.ramp(Token::Engine2N2Pct, 60, 6);
  cockpit.runSeconds(6).control("ENGINE STARTER", "starter_right", 125);
  // Flaps: a stop between detents says nothing, the detent does.
  cockpit.set(Token::FlapHandle, 5000).runSeconds(1).set(Token::FlapHandle, 6553.6).runSeconds(1);
  cockpit.set(Token::ParkingBrake, 0).runSeconds(1);

  // The take-off roll to 150 kt, lift-off, 170 kt.
  const double rollTick = cockpit.tick18();
  cockpit.ramp(Token::IndicatedAirspeedKt, 150, 15);
  cockpit.runSeconds(15).set(Token::OnGround, 0).setScaled(Token::VerticalSpeed, 2000).runSeconds(0.5);
  cockpit.runUntil([] { return GetGearWheelsLampPosition() == kWheelsLampLit; }, 6).runSeconds(1);
  cockpit.ramp(Token::IndicatedAirspeedKt, 170, 2);
  cockpit.ramp(Token::RadioAltitudeM, 1500 * kFt, 20);
  Gear(cockpit.runSeconds(1), 0).runSeconds(2);
  cockpit.set(Token::GlideSlopeNeedle, 119).set(Token::CourseNeedle, -127).runSeconds(2);
  cockpit.set(Token::FlapHandle, 0).runSeconds(16);

  // The approach: flaps, gear, localizer then glide slope.
  cockpit.setScaled(Token::VerticalSpeed, -700).set(Token::FlapHandle, 13107.2).runSeconds(1);
  Gear(cockpit, kGearExtended).runSeconds(1).set(Token::FlapHandle, 16384).runSeconds(1);
  cockpit.set(Token::Nav1ToFrom, 1).set(Token::CourseNeedle, 60).runSeconds(1);
  cockpit.set(Token::GlideSlopeNeedle, 30).setScaled(Token::RadioAltitudeM, 1200).runSeconds(1);
  // From 1200 ft straight to 350 ft: three counts in one pass.
  cockpit.setScaled(Token::RadioAltitudeM, 350).runSeconds(1);
  const double descentTick = cockpit.tick18();
  cockpit.ramp(Token::RadioAltitudeM, 0, 20);
  cockpit.runSeconds(20).set(Token::OnGround, 1);
  cockpit.ramp(Token::IndicatedAirspeedKt, 0, 20);
  cockpit.runSeconds(20).set(Token::ParkingBrake, 1).runSeconds(1);

  const std::vector<int> expected = {184, 162, 164, 165, 163, 164, 165, 168,                 // ground
                                     175, 176, 177, 178, 172, 179, 173, 166,                 // take-off
                                     170, 174, 171, 183, 182, 151, 152, 153,                 // approach
                                     154, 150, 155, 156, 157, 158, 159, 160, 161, 180, 184};  // landing
  EXPECT_EQ(Slots(cockpit.played()), expected);
  for (const PlayedSound& sound : cockpit.played()) {
    EXPECT_FALSE(sound.loop);
    EXPECT_EQ(sound.volume, 0);  // the first officer's channel
    EXPECT_TRUE(recorder.Evaluated(sound.tick18)) << "slot " << sound.slot << " at " << sound.tick18;
  }

  // The take-off calls at the ticks their speeds are passed.
  const auto above = [&](double kt) {
    return recorder.FirstTick([kt](const Sample& s) { return s.airspeedKt > kt; }, rollTick);
  };
  ExpectCalledAt(cockpit, 175, above(80));
  ExpectCalledAt(cockpit, 176, above(135 - 2));
  ExpectCalledAt(cockpit, 177, above(145 - 9));
  ExpectCalledAt(cockpit, 178, above(145 - 2));
  ExpectCalledAt(cockpit, 179, above(145 + 8));

  // 1000, 500 and 400 in the same pass; then each count as it is passed,
  // the decision height (200 ft) said before the 200-ft count.
  EXPECT_EQ(Tick(cockpit, 151), Tick(cockpit, 152));
  EXPECT_EQ(Tick(cockpit, 152), Tick(cockpit, 153));
  const auto below = [&](double ft) {
    return recorder.FirstTick([ft](const Sample& s) { return s.radioAltitudeFt < ft - 1e-6; }, descentTick);
  };
  ExpectCalledAt(cockpit, 154, below(300));
  ExpectCalledAt(cockpit, 150, below(200));
  ExpectCalledAt(cockpit, 155, below(200));
  const int counts[] = {156, 157, 158, 159, 160, 161};
  const double feet[] = {100, 50, 40, 30, 20, 10};
  for (size_t i = 0; i < 6; ++i) ExpectCalledAt(cockpit, counts[i], below(feet[i]));
  ExpectCalledAt(cockpit, 180,
                 recorder.FirstTick([](const Sample& s) { return s.airspeedKt < 60; }, descentTick + 20 * 18));
}

// A localizer that comes alive above 10000 ft is called only once the
// aircraft is below.
TEST(Callouts, TheLocalizerCallWaitsForBelow10000Feet) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({183}, 100);
  cockpit.set(Token::AltitudeFt, 10000).set(Token::CourseNeedle, 127).set(Token::Nav1ToFrom, 1);
  cockpit.start().runSeconds(1);
  cockpit.set(Token::CourseNeedle, 20).runSeconds(2);
  EXPECT_TRUE(cockpit.played(183).empty()) << "not at 10000 ft";
  cockpit.set(Token::AltitudeFt, 9999).runSeconds(1);
  EXPECT_EQ(cockpit.played(183).size(), 1u);
}

// The altitude counts are armed only above 1100 ft.
TEST(Callouts, TheAltitudeCountsArmAbove1100Feet) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({151}, 100);
  cockpit.setScaled(Token::RadioAltitudeM, 1099);
  cockpit.start().runSeconds(1);
  cockpit.setScaled(Token::RadioAltitudeM, 900).runSeconds(1);
  EXPECT_TRUE(cockpit.played(151).empty());
  cockpit.setScaled(Token::RadioAltitudeM, 1101).runSeconds(1);
  cockpit.setScaled(Token::RadioAltitudeM, 900).runSeconds(1);
  EXPECT_EQ(cockpit.played(151).size(), 1u) << "1000";
}

TEST(Callouts, CallsNotMadeAndOption13) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({162, 164, 165, 166, 167, 168, 175, 176, 177, 178, 179, 184}, 100);
  cockpit.set(Token::OnGround, 1).set(Token::GearPosition, kGearExtended).set(Token::ParkingBrake, 1);
  cockpit.start().runSeconds(1);

  // Speed bugs not set for this take-off (V1 50, V2 60): only 80 knots.
  cockpit.ramp(Token::IndicatedAirspeedKt, 170, 10);
  cockpit.runSeconds(10).set(Token::OnGround, 0).runSeconds(2);
  EXPECT_EQ(Slots(cockpit.played()), std::vector<int>{175});
  // V1 set, V2 still at 60: V1 only.
  cockpit.set(Token::OnGround, 1).set(Token::IndicatedAirspeedKt, 40).runSeconds(1);
  SetSpeedBug(1, 130);
  cockpit.ramp(Token::IndicatedAirspeedKt, 170, 5);
  cockpit.runSeconds(5).set(Token::OnGround, 0).runSeconds(2);
  EXPECT_EQ(Slots(cockpit.played()), (std::vector<int>{175, 175, 176}));

  // The ground crew asked for the brake: no call.
  cockpit.set(Token::OnGround, 1).set(Token::IndicatedAirspeedKt, 0).set(Token::ParkingBrake, 0).runSeconds(1);
  StartGroundComSecond();
  cockpit.runSeconds(1).set(Token::ParkingBrake, 1).runSeconds(1);
  cockpit.runUntil([] { return !IsGroundCrewSequenceStarted(); }, 20).runSeconds(1);
  EXPECT_EQ(cockpit.played().size(), 3u);

  // Option 13: calls are armed and consumed but not heard ...
  cockpit.setOption(kOptionTurnOffFoCallouts, true);
  cockpit.set(Token::ParkingBrake, 0).runSeconds(1).set(Token::ParkingBrake, 1).runSeconds(1);
  cockpit.control("ENGINE STARTER", "starter_left", 52).set(Token::Engine1N2Pct, 50).runSeconds(1);
  cockpit.set(Token::FlapHandle, 6553.6).runSeconds(1);
  EXPECT_EQ(cockpit.played().size(), 3u);
  // ... so turning them back on brings none of them back.
  cockpit.setOption(kOptionTurnOffFoCallouts, false).runSeconds(3);
  EXPECT_EQ(cockpit.played().size(), 3u);
  cockpit.set(Token::FlapHandle, 3276.8).runSeconds(1);
  EXPECT_EQ(Slots(cockpit.played()), (std::vector<int>{175, 175, 176, 167}));
}

}  // namespace
}  // namespace halcyon::test
