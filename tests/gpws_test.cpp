// GPWS over scripted flights: the sink-rate and pull-up boundaries, terrain
// closure, don't sink after take-off, too low gear and flaps, below the glide
// slope with its inhibit button, the lamps and the voices.
#include "systems/gpws.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "host/voice_queue.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "systems/fire_protection.h"
#include "systems/gear.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr double kFlapsLanding = 11460;
// The GPWS voices' sound slots, as the voice queue plays them.
const int kSlotDontSink = VoiceMessageSlot(kVoiceGpwsDontSink);
const int kSlotGlideSlope = VoiceMessageSlot(kVoiceGpwsGlideSlope);
const int kSlotSinkRate = VoiceMessageSlot(kVoiceGpwsSinkRate);
const int kSlotTerrain = VoiceMessageSlot(kVoiceGpwsTerrain);
const int kSlotTooLowFlaps = VoiceMessageSlot(kVoiceGpwsTooLowFlaps);
const int kSlotTooLowGear = VoiceMessageSlot(kVoiceGpwsTooLowGear);
const int kSlotTooLowTerrain = VoiceMessageSlot(kVoiceGpwsTooLowTerrain);
const int kSlotWhoop = VoiceMessageSlot(kVoiceGpwsWhoop);

struct Sample {
  double radioAltitudeFt;
  double verticalSpeedFpm = 0.0;
  double mach = 0.2;
  double gearHandle = kGearExtended;
  double flapPosition = kFlapsLanding;
  double glideSlopeNeedle = 0.0;
};

// One GPWS evaluation (there is one in any 19 ticks) on these readings.
int32_t Evaluate(Cockpit& cockpit, const Sample& sample) {
  cockpit.setScaled(Token::RadioAltitudeM, sample.radioAltitudeFt)
      .setScaled(Token::VerticalSpeed, sample.verticalSpeedFpm)
      .setScaled(Token::Mach, sample.mach)
      .set(Token::GearHandle, sample.gearHandle)
      .set(Token::FlapPosition, sample.flapPosition)
      .set(Token::GlideSlopeNeedle, sample.glideSlopeNeedle)
      .runTicks(19);
  return GetGpwsAlertCode();
}

// Airborne with the take-off monitor off (it ends above 700 ft).
void Airborne(Cockpit& cockpit) {
  cockpit.set(Token::OnGround, 0);
  Evaluate(cockpit, {.radioAltitudeFt = 2500});
}

TEST(Gpws, SinkRateAndPullUpAtTheirExactBoundaries) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({kSlotSinkRate, kSlotWhoop}, 300).start();
  Airborne(cockpit);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 1000, .verticalSpeedFpm = -2599}), kGpwsNone);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 1000, .verticalSpeedFpm = -2601}), kGpwsSinkRate);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 1000, .verticalSpeedFpm = -3399}), kGpwsSinkRate);
  EXPECT_EQ(GetSwitch(&g_gpwsLight), kSwitchOff);
  EXPECT_EQ(cockpit.played(kSlotSinkRate).size(), 1u);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 1000, .verticalSpeedFpm = -3401}), kGpwsSinkRatePullUp);
  EXPECT_EQ(GetSwitch(&g_gpwsLight), kSwitchOn);
  // At 200 ft the boundaries are -1320 and -1480 ft/min.
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 200, .verticalSpeedFpm = -1319}), kGpwsNone);
  EXPECT_EQ(GetSwitch(&g_gpwsLight), kSwitchOff);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 200, .verticalSpeedFpm = -1321}), kGpwsSinkRate);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 200, .verticalSpeedFpm = -1481}), kGpwsSinkRatePullUp);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 2449, .verticalSpeedFpm = -8000}), kGpwsSinkRatePullUp);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 2451, .verticalSpeedFpm = -8000}), kGpwsNone) << "above the envelope";
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 49, .verticalSpeedFpm = -8000}), kGpwsNone) << "below 50 ft";
  cockpit.runSeconds(3);
  EXPECT_GE(cockpit.played(kSlotWhoop).size(), 2u);
}

// Rising terrain under a climbing aircraft: the radio altitude falls.
TEST(Gpws, TerrainClosureAndItsPullUpOutsideTheLandingConfiguration) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({kSlotTerrain, kSlotWhoop}, 300).start();
  Airborne(cockpit);
  Evaluate(cockpit, {.radioAltitudeFt = 1400, .verticalSpeedFpm = 500});
  // 1400 -> 1300 ft in one evaluation: -6000 ft/min, beyond -2200 - 1.2 x 1300.
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 1300, .verticalSpeedFpm = 500}), kGpwsTerrain) << "gear and flaps down";
  EXPECT_DOUBLE_EQ(GetGpwsClosureRate(), -6000.0);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 1200, .verticalSpeedFpm = 500, .gearHandle = 0}), kGpwsTerrainPullUp);
  EXPECT_EQ(GetSwitch(&g_gpwsLight), kSwitchOn);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 1100, .verticalSpeedFpm = 500, .flapPosition = 11459}),
            kGpwsTerrainPullUp);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 1000, .verticalSpeedFpm = 0}), kGpwsNone) << "not climbing";
  // Above 1650 ft no pull-up, even with the gear up.
  Evaluate(cockpit, {.radioAltitudeFt = 1800, .verticalSpeedFpm = 500});
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 1700, .verticalSpeedFpm = 500, .gearHandle = 0}), kGpwsTerrain);
  // There only the plain alert, beyond -2000 - 1.2 h: at 2000 ft -4400.
  Evaluate(cockpit, {.radioAltitudeFt = 2073.3, .verticalSpeedFpm = 500});
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 2000, .verticalSpeedFpm = 500, .gearHandle = 0}), kGpwsNone)
      << "-4398 ft/min";
  Evaluate(cockpit, {.radioAltitudeFt = 2073.4, .verticalSpeedFpm = 500});
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 2000, .verticalSpeedFpm = 500, .gearHandle = 0}), kGpwsTerrain)
      << "-4404 ft/min";
  cockpit.runSeconds(3);
  EXPECT_FALSE(cockpit.played(kSlotTerrain).empty());
  EXPECT_FALSE(cockpit.played(kSlotWhoop).empty());
}

// From the ground the take-off monitor keeps the highest radio altitude up
// to 700 ft; a loss of 10 % of it while sinking is "don't sink", and the sink
// rate modes are silent meanwhile.
TEST(Gpws, DontSinkAfterTakeOffAndNoSinkRateUpTo700Ft) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({kSlotDontSink}, 300).start();
  cockpit.set(Token::OnGround, 1);
  Evaluate(cockpit, {.radioAltitudeFt = 0});
  cockpit.set(Token::OnGround, 0);
  Evaluate(cockpit, {.radioAltitudeFt = 300, .verticalSpeedFpm = 2000, .gearHandle = 0, .flapPosition = 0});
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 600, .verticalSpeedFpm = 2000, .gearHandle = 0, .flapPosition = 0}),
            kGpwsNone) << "no too-low alert during the take-off";
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 541, .verticalSpeedFpm = -3000, .gearHandle = 0}), kGpwsNone);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 539, .verticalSpeedFpm = -3000, .gearHandle = 0}), kGpwsDontSink);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 539, .verticalSpeedFpm = 0, .gearHandle = 0}), kGpwsNone)
      << "not sinking";
  cockpit.runSeconds(3);
  EXPECT_EQ(cockpit.played(kSlotDontSink).size(), 1u);
  // Above 700 ft the monitor ends and the approach modes take over.
  Evaluate(cockpit, {.radioAltitudeFt = 701, .verticalSpeedFpm = 500, .gearHandle = 0});
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 539, .verticalSpeedFpm = -3000, .gearHandle = 0}),
            kGpwsSinkRatePullUp);
}

TEST(Gpws, TooLowGearAndFlapsSlowAndFast) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({kSlotTooLowGear, kSlotTooLowFlaps, kSlotTooLowTerrain}, 300).start();
  Airborne(cockpit);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 501, .mach = 0.30, .gearHandle = 0}), kGpwsNone);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 450, .mach = 0.30, .gearHandle = 0}), kGpwsTooLowGear);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 450, .mach = 0.355, .gearHandle = 0}), kGpwsTooLowGearFast)
      << "above M 0.35 the fast alert";
  // Faster than M 0.35 the alert reaches higher: at 900 ft above M 0.43.
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 900, .mach = 0.42, .gearHandle = 0}), kGpwsNone);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 900, .mach = 0.44, .gearHandle = 0}), kGpwsTooLowGearFast);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 1001, .mach = 0.6, .gearHandle = 0}), kGpwsNone);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 49, .mach = 0.3, .gearHandle = 0}), kGpwsNone);

  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 450, .mach = 0.25, .flapPosition = 8000}), kGpwsTooLowFlaps);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 450, .mach = 0.295, .flapPosition = 8000}), kGpwsTooLowFlapsFast);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 800, .mach = 0.25, .flapPosition = 8000}), kGpwsNone);
  // Faster than M 0.29: at 800 ft above M 0.35.
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 800, .mach = 0.34, .flapPosition = 8000}), kGpwsNone);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 800, .mach = 0.36, .flapPosition = 8000}), kGpwsTooLowFlapsFast);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 450, .mach = 0.5, .flapPosition = 11460}), kGpwsNone)
      << "gear down, flaps in the landing position";
  cockpit.runSeconds(4);
  for (int slot : {kSlotTooLowGear, kSlotTooLowFlaps, kSlotTooLowTerrain}) {
    EXPECT_FALSE(cockpit.played(slot).empty()) << slot;
  }
}

// Below the glide slope the needle stands more than 40 on its fly-up side.
TEST(Gpws, BelowGlideSlopeWithItsLampAndTheInhibitButton) {
  Cockpit cockpit({.start = false});
  cockpit.addSounds({kSlotGlideSlope}, 300).start();
  Airborne(cockpit);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 800, .glideSlopeNeedle = 40}), kGpwsNone);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 800, .glideSlopeNeedle = -60}), kGpwsNone) << "above the slope";
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 800, .glideSlopeNeedle = 125}), kGpwsNone) << "needle at its stop";
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 99, .glideSlopeNeedle = 60}), kGpwsNone);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 1001, .glideSlopeNeedle = 60}), kGpwsNone);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 800, .mach = 0.38, .gearHandle = 0, .glideSlopeNeedle = 60}),
            kGpwsNone) << "gear up: no approach (and too slow for too-low gear at 800 ft)";
  EXPECT_EQ(GetSwitch(&g_belowGsLight), kSwitchOff);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 800, .glideSlopeNeedle = 41}), kGpwsBelowGlideSlope);
  EXPECT_EQ(GetSwitch(&g_belowGsLight), kSwitchOn);
  EXPECT_EQ(GetSwitch(&g_gpwsLight), kSwitchOff);
  cockpit.runSeconds(2);
  EXPECT_FALSE(cockpit.played(kSlotGlideSlope).empty());

  // The inhibit button takes below 1000 ft and holds until above 1000 ft.
  cockpit.control("GPWS", "below_gs", kSwitchOn);
  EXPECT_EQ(IsGpwsButtonFlagSet(), 1u);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 700, .glideSlopeNeedle = 80}), kGpwsNone);
  EXPECT_EQ(GetSwitch(&g_belowGsLight), kSwitchOff);
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 1001}), kGpwsNone);
  EXPECT_EQ(IsGpwsButtonFlagSet(), 0u);
  cockpit.control("GPWS", "below_gs", kSwitchOn);
  EXPECT_EQ(IsGpwsButtonFlagSet(), 0u) << "not above 1000 ft";
  EXPECT_EQ(Evaluate(cockpit, {.radioAltitudeFt = 700, .glideSlopeNeedle = 80}), kGpwsBelowGlideSlope);
  cockpit.control("GPWS", "below_gs", kSwitchOn);
  cockpit.set(Token::OnGround, 1);
  Evaluate(cockpit, {.radioAltitudeFt = 0});
  EXPECT_EQ(IsGpwsButtonFlagSet(), 0u) << "cleared on the ground";
}

TEST(Gpws, AlertCodeSetterAndStartUp) {
  Cockpit cockpit;
  EXPECT_EQ(GetGpwsAlertCode(), kGpwsNone);
  EXPECT_EQ(GetSwitch(&g_gpwsLight), kSwitchOff);
  EXPECT_EQ(GetSwitch(&g_belowGsLight), kSwitchOff);
  SetGpwsAlertCode(10);
  EXPECT_EQ(GetGpwsAlertCode(), 10);
  SetGpwsAlertCode(11);
  EXPECT_EQ(GetGpwsAlertCode(), kGpwsNone);
  SetGpwsAlertCode(-1);
  EXPECT_EQ(GetGpwsAlertCode(), kGpwsNone);
  SetGpwsButtonFlag();
  EXPECT_EQ(IsGpwsButtonFlagSet(), 1u);
  ClearGpwsButtonFlag();
  EXPECT_EQ(IsGpwsButtonFlagSet(), 0u);
}

// Each GPWS voice plays the sound file spoken for it; the silent message and
// ids past the last have no slot.
TEST(Gpws, EachVoicePlaysItsOwnSoundFile) {
  const std::pair<int, const char*> voices[] = {{kSlotDontSink, "Dont Sink"},
                                                {kSlotGlideSlope, "Glideslope"},
                                                {kSlotSinkRate, "Sinkrate"},
                                                {kSlotTerrain, "Terrain"},
                                                {kSlotTooLowFlaps, "To Low Flaps"},
                                                {kSlotTooLowGear, "To Low Gear"},
                                                {kSlotTooLowTerrain, "To Low Terrain"},
                                                {kSlotWhoop, "Whoop"}};
  for (const auto& [slot, name] : voices) {
    EXPECT_EQ(Cockpit::SoundFile(slot), std::string("Sound\\HalcyonPro\\VXMD80 GPWS ") + name + ".wav") << slot;
  }
  EXPECT_EQ(VoiceMessageSlot(kVoiceSilent), -1);
  EXPECT_EQ(VoiceMessageSlot(kVoiceMessageCount), -1);
}

}  // namespace
}  // namespace halcyon::test
