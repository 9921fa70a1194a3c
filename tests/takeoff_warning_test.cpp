// The take-off configuration warning over a take-off roll (arming, each
// fault spoken and withdrawn, silence from 80 kt) and the engine display's
// exceedance blink.
#include <gtest/gtest.h>

#include "core/tick_scheduler.h"
#include "host/voice_queue.h"
#include "systems/edp.h"
#include "systems/longitudinal_trim.h"
#include "systems/takeoff_warning.h"
#include "systems/thrust_rating.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr int kSlotStabilizer = 220;
constexpr int kSlotSlats = 221;
constexpr int kSlotFlaps = 222;
constexpr int kSlotSpoiler = 223;
constexpr int kSlotBrakes = 224;
constexpr double kFlapsDetent2 = 6553.6;

// The simulator's trim angle that reads `units` on the take-off trim scale.
double TrimAngleForUnits(double units) { return (units / 1.1 - 0.5) / (57.29577951308232 * 1.37931); }

// Seconds at the voices: how many times each was spoken meanwhile.
struct Spoken {
  size_t stabilizer, slats, flaps, spoiler, brakes;
  bool operator==(const Spoken&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Spoken& s) {
  return out << "stab " << s.stabilizer << " slats " << s.slats << " flaps " << s.flaps << " spoiler " << s.spoiler
             << " brakes " << s.brakes;
}
Spoken Count(const Cockpit& cockpit) {
  return {cockpit.played(kSlotStabilizer).size(), cockpit.played(kSlotSlats).size(), cockpit.played(kSlotFlaps).size(),
          cockpit.played(kSlotSpoiler).size(), cockpit.played(kSlotBrakes).size()};
}
// Whether each voice was spoken during the next seconds.
Spoken SpokenDuring(Cockpit& cockpit, double seconds) {
  const Spoken before = Count(cockpit);
  cockpit.runSeconds(seconds);
  const Spoken after = Count(cockpit);
  return {after.stabilizer > before.stabilizer ? 1u : 0u, after.slats > before.slats ? 1u : 0u,
          after.flaps > before.flaps ? 1u : 0u, after.spoiler > before.spoiler ? 1u : 0u,
          after.brakes > before.brakes ? 1u : 0u};
}

// Lined up at 5 kt with the flaps at the second detent, the selector and the
// stabilizer set for it: a clean configuration.
Cockpit& LinedUp(Cockpit& cockpit) {
  cockpit.addSounds({kSlotStabilizer, kSlotSlats, kSlotFlaps, kSlotSpoiler, kSlotBrakes}, 100).start();
  // The type's maximum operating speed (in kt): no overspeed voice on the roll.
  cockpit.setScaled(Token::MaxOperatingSpeed, 340).set(Token::OnGround, 1).set(Token::IndicatedAirspeedKt, 5);
  cockpit.set(Token::FlapHandle, kFlapsDetent2).set(Token::GearHandle, 16383);
  cockpit.control("LONGITUDE TRIM", "mac", 25).control("LONGITUDE TRIM", "to_flaps", kTakeoffFlaps2);
  cockpit.set(Token::ElevatorTrimRad, TrimAngleForUnits(GetTrimSetting())).runTicks(19);
  EXPECT_EQ(IsTakeoffWarningArmed(), 1u);
  return cockpit;
}

Cockpit& ThrustSet(Cockpit& cockpit, double lever) {
  return cockpit.set(Token::Engine1Throttle, lever).set(Token::Engine2Throttle, 0);
}

TEST(TakeoffWarning, EachFaultSpeaksUntilClearedAndNothingFrom80Knots) {
  Cockpit cockpit({.start = false});
  LinedUp(cockpit);
  ThrustSet(cockpit, 10000);
  cockpit.set(Token::ParkingBrake, 1).set(Token::FlapHandle, 0);
  EXPECT_EQ(SpokenDuring(cockpit, 4), (Spoken{0, 0, 0, 0, 0})) << "10000 is not thrust set";
  ThrustSet(cockpit, 10001);
  EXPECT_EQ(SpokenDuring(cockpit, 8), (Spoken{0, 1, 1, 0, 1})) << "flaps up against the selector, slats, brakes";
  cockpit.set(Token::ParkingBrake, 0).set(Token::FlapHandle, kFlapsDetent2).runSeconds(2);
  EXPECT_EQ(SpokenDuring(cockpit, 4), (Spoken{0, 0, 0, 0, 0})) << "each withdrawn once cleared";

  cockpit.set(Token::SpoilerHandle, 16384);
  EXPECT_EQ(SpokenDuring(cockpit, 4), (Spoken{0, 0, 0, 1, 0})) << "spoilers out";
  cockpit.set(Token::SpoilerHandle, 0).runSeconds(2);

  const double setting = GetTrimSetting();
  cockpit.set(Token::ElevatorTrimRad, TrimAngleForUnits(setting + 1.49)).runSeconds(2);
  EXPECT_EQ(SpokenDuring(cockpit, 4), (Spoken{0, 0, 0, 0, 0})) << "1.49 units off is accepted";
  cockpit.set(Token::ElevatorTrimRad, TrimAngleForUnits(setting + 1.51));
  EXPECT_EQ(SpokenDuring(cockpit, 4), (Spoken{1, 0, 0, 0, 0}));
  cockpit.set(Token::ElevatorTrimRad, TrimAngleForUnits(setting - 1.49)).runSeconds(2);
  EXPECT_EQ(SpokenDuring(cockpit, 4), (Spoken{0, 0, 0, 0, 0}));
  cockpit.set(Token::ElevatorTrimRad, TrimAngleForUnits(setting - 1.51));
  EXPECT_EQ(SpokenDuring(cockpit, 4), (Spoken{1, 0, 0, 0, 0}));

  // Every fault at once, then 80 kt: all withdrawn.
  cockpit.set(Token::ParkingBrake, 1).set(Token::FlapHandle, 0).set(Token::SpoilerHandle, 16384);
  cockpit.set(Token::IndicatedAirspeedKt, 79.9).runSeconds(1);
  EXPECT_TRUE(IsVoiceMessageQueued(kVoiceTakeoffBrakes) || IsVoiceMessageQueued(kVoiceTakeoffSpoiler));
  cockpit.set(Token::IndicatedAirspeedKt, 80).runTicks(19);
  for (uint32_t voice : {3u, 4u, 5u, 6u, 7u}) EXPECT_FALSE(IsVoiceMessageQueued(voice)) << voice;
  cockpit.runSeconds(3);
  EXPECT_EQ(SpokenDuring(cockpit, 4), (Spoken{0, 0, 0, 0, 0}));

  // Back below 80 kt on the same roll (still armed): they speak again; levers back: withdrawn.
  cockpit.set(Token::IndicatedAirspeedKt, 60);
  EXPECT_EQ(SpokenDuring(cockpit, 10), (Spoken{1, 1, 1, 1, 1})) << "the stabilizer still 1.51 units off";
  ThrustSet(cockpit, 0).runTicks(19);
  for (uint32_t voice : {3u, 4u, 5u, 6u, 7u}) EXPECT_FALSE(IsVoiceMessageQueued(voice)) << voice;
}

TEST(TakeoffWarning, FlapsAgainstEachSelectorPosition) {
  Cockpit cockpit({.start = false});
  LinedUp(cockpit);
  ThrustSet(cockpit, 16384);
  struct Case {
    int32_t selector;
    double handle;
    size_t flaps;
  };
  const Case cases[] = {{kTakeoffFlaps1, 0, 0},        {kTakeoffFlaps1, 3281.7, 0},  {kTakeoffFlaps1, 3281.8, 1},
                        {kTakeoffFlaps2, 3281.7, 1},   {kTakeoffFlaps2, 3281.8, 0},  {kTakeoffFlaps2, 6558.5, 0},
                        {kTakeoffFlaps2, 6558.6, 1},   {kTakeoffFlaps3, 6558.6, 0},  {kTakeoffFlaps3, 9835.4, 1},
                        {kTakeoffFlaps4, 9835.4, 0},   {kTakeoffFlaps4, 13112.2, 1}, {kSwitchOff, 13112.2, 0},
                        {kTakeoffFlaps4, 16389, 1}};
  for (const Case& c : cases) {
    cockpit.control("LONGITUDE TRIM", "to_flaps", c.selector).set(Token::FlapHandle, c.handle);
    cockpit.set(Token::ElevatorTrimRad, TrimAngleForUnits(GetTrimSetting())).runSeconds(3);
    EXPECT_EQ(SpokenDuring(cockpit, 4).flaps, c.flaps) << "selector " << c.selector << " handle " << c.handle;
  }
  cockpit.control("LONGITUDE TRIM", "to_flaps", kTakeoffFlaps1).set(Token::FlapHandle, 4.9).runSeconds(3);
  const Spoken spoken = SpokenDuring(cockpit, 4);
  EXPECT_EQ(spoken.slats, 1u) << "flaps up: slats";
  EXPECT_EQ(spoken.flaps, 0u) << "the first setting takes detent 0";
  cockpit.set(Token::FlapHandle, 5.0).runSeconds(3);
  EXPECT_EQ(SpokenDuring(cockpit, 4).slats, 0u) << "detent 1 from 5.0";
}

TEST(TakeoffWarning, ArmsBelowTaxiSpeedOnTheGroundAndDisarmsAirborne) {
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 1).set(Token::IndicatedAirspeedKt, 10).runSeconds(2);
  EXPECT_EQ(IsTakeoffWarningArmed(), 0u) << "10 kt is not below taxi speed";
  cockpit.set(Token::IndicatedAirspeedKt, 9.9).runSeconds(1.1);
  EXPECT_EQ(IsTakeoffWarningArmed(), 1u);
  cockpit.set(Token::IndicatedAirspeedKt, 140).runSeconds(1.1);
  EXPECT_EQ(IsTakeoffWarningArmed(), 1u) << "armed through the roll";
  cockpit.set(Token::OnGround, 0).runSeconds(1.1);
  EXPECT_EQ(IsTakeoffWarningArmed(), 0u);
  cockpit.set(Token::OnGround, 1).set(Token::IndicatedAirspeedKt, 120).runSeconds(1.1);
  EXPECT_EQ(IsTakeoffWarningArmed(), 0u) << "a landing roll above taxi speed";
  cockpit.set(Token::IndicatedAirspeedKt, 5).runSeconds(1.1);
  EXPECT_EQ(IsTakeoffWarningArmed(), 1u) << "armed again below 10 kt";
}

// The EDP source (the EGT token) that reads `value` on the engine display.
double EdpToken(double value) { return (value - 310.0) * 14.375 + 3600.0; }
// The SDP source (the oil pressure token) for a secondary display value above 40.
double SdpToken(double value) { return (value - 40.0) * 800.0 + 6500.0; }

// The flag each channel-4 run, over `runs` runs.
std::vector<uint32_t> Blink(Cockpit& cockpit, uint32_t (*flag)(int32_t), int32_t engine, int runs) {
  std::vector<uint32_t> seen;
  for (int i = 0; i < runs; ++i) {
    cockpit.runTicks(10);
    seen.push_back(flag(engine));
  }
  return seen;
}

TEST(EngineDisplay, EdpBlinksAt1HzAboveItsLimitInTheTakeoffRatingsOrAbove630) {
  Cockpit cockpit;
  cockpit.set(Token::Engine1Egt, EdpToken(627)).set(Token::Engine2Egt, EdpToken(624)).watchChannel(kChannel2Hz);
  SetTrpMode(kTrpClimb);
  cockpit.runTicks(20);
  EXPECT_EQ(Blink(cockpit, GetEdpFlashState, 1, 4), (std::vector<uint32_t>{0, 0, 0, 0})) << "627 in climb";
  for (int32_t rating : {kTrpTakeoff, kTrpFlexTakeoff}) {
    SetTrpMode(rating);
    cockpit.runTicks(10);
    const std::vector<uint32_t> seen = Blink(cockpit, GetEdpFlashState, 1, 4);
    EXPECT_TRUE(seen == (std::vector<uint32_t>{0, 1, 0, 1}) || seen == (std::vector<uint32_t>{1, 0, 1, 0})) << rating;
    EXPECT_EQ(Blink(cockpit, GetEdpFlashState, 2, 2), (std::vector<uint32_t>{0, 0})) << "624 is not above";
  }
  // The blink's period: the flag changes only on the channel's due ticks (every 10 ticks: on 9... off 9 apart).
  std::vector<double> changes;
  uint32_t last = GetEdpFlashState(1);
  for (int i = 0; i < 40; ++i) {
    cockpit.runTicks(1);
    if (GetEdpFlashState(1) != last) changes.push_back(cockpit.tick18());
    last = GetEdpFlashState(1);
  }
  ASSERT_GE(changes.size(), 3u);
  EXPECT_EQ(changes[1] - changes[0], 10.0);
  EXPECT_EQ(changes[2] - changes[1], 10.0);

  SetTrpMode(kTrpClimb);
  cockpit.set(Token::Engine2Egt, EdpToken(631)).runTicks(10);
  const std::vector<uint32_t> seen = Blink(cockpit, GetEdpFlashState, 2, 2);
  EXPECT_NE(seen[0], seen[1]) << "631 blinks in any rating";
  cockpit.set(Token::Engine2Egt, EdpToken(630));
  EXPECT_EQ(Blink(cockpit, GetEdpFlashState, 2, 2), (std::vector<uint32_t>{0, 0})) << "off as soon as the exceedance ends";
  EXPECT_EQ(GetEdpFlashState(1), 0u);
  EXPECT_EQ(GetEdpFlashState(3), 0u);
  EXPECT_EQ(GetEdpFlashState(0), 0u);
}

TEST(EngineDisplay, SdpBlinksOnlyForARunningEngineAndTheButtonTimesOut) {
  Cockpit cockpit;
  cockpit.set(Token::Engine1OilPressure, SdpToken(57)).set(Token::Engine2OilPressure, SdpToken(57));
  cockpit.set(Token::Engine2Combustion, 1).runTicks(10);
  EXPECT_EQ(Blink(cockpit, GetSdpFlashState, 1, 3), (std::vector<uint32_t>{0, 0, 0})) << "engine 1 not running";
  const std::vector<uint32_t> seen = Blink(cockpit, GetSdpFlashState, 2, 2);
  EXPECT_NE(seen[0], seen[1]);
  cockpit.set(Token::Engine2OilPressure, SdpToken(56)).runTicks(10);
  EXPECT_EQ(GetSdpFlashState(2), 0u) << "56 is not above";
  EXPECT_EQ(GetSdpFlashState(5), 0u);

  EXPECT_EQ(IsEdpButtonActive(), 0u);
  cockpit.control("EDP", "button", kEdpButtonPressed).runTicks(1);
  EXPECT_EQ(IsEdpButtonActive(), 1u);
  const double pressed = cockpit.tick18();
  cockpit.runUntil([] { return IsEdpButtonActive() == 0; }, 12);
  EXPECT_EQ(cockpit.tick18() - pressed, 181.0) << "the first tick later than 180 ticks";
  cockpit.control("EDP", "button", kEdpButtonHeld).runSeconds(12);
  EXPECT_EQ(IsEdpButtonActive(), 1u) << "held";
}

}  // namespace
}  // namespace halcyon::test
