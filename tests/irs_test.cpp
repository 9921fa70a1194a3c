// Inertial reference: the self-test, the alignment time by latitude, the
// wait for the FMS position, NAV and ATT; movement faulting a unit and its
// resumption; power loss; the fast option; a unit saved in NAV; the
// validity answers by the EFIS source selector.
#include <gtest/gtest.h>

#include "core/options.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "displays/efis/efis_dimmer.h"
#include "fmc/fms.h"
#include "systems/dfgs.h"
#include "systems/irs.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

int32_t State(int32_t unit) { return GetIrsStatusPosition(unit); }

Cockpit& PoweredAt(Cockpit& cockpit, double latitudeDeg) {
  cockpit.setPosition(latitudeDeg, 8.0);
  return cockpit.powerUp();
}

// Runs until unit 1 is in the state; the tick it got there.
double WaitFor(Cockpit& cockpit, int32_t state, double maxSeconds, int32_t unit = 1) {
  cockpit.runUntil([&] { return State(unit) == state; }, maxSeconds);
  EXPECT_EQ(State(unit), state);
  return cockpit.tick18();
}

TEST(Irs, TheAlignmentTimeGrowsWithLatitude) {
  Cockpit cockpit;
  const struct {
    double latitudeDeg;
    double ticks;
  } cases[] = {{0, 2700}, {35, 6750}, {-35, 6750}, {70, 10800}, {80, 80.0 / 70.0 * 8100.0 + 2700.0}};
  for (const auto& c : cases) {
    cockpit.setPosition(c.latitudeDeg, 8.0);
    EXPECT_NEAR(GetIrsAlignmentTicks(), c.ticks, 1e-6) << c.latitudeDeg;
  }
  cockpit.setOption(kOptionIrsFastStartRealign, true);
  EXPECT_EQ(GetIrsAlignmentTicks(), kIrsFastTicks);
}

TEST(Irs, SelfTestAlignmentThenNavAndAttOnceTheFmsHoldsAPosition) {
  Cockpit cockpit;
  PoweredAt(cockpit, 35.0).watchChannel(kChannel1Hz);
  cockpit.control("IRS", "switch1", kIrsNav).control("IRS", "switch2", kIrsAtt);
  const double test = WaitFor(cockpit, kIrsSelfTest, 1.2);
  EXPECT_EQ(State(2), kIrsSelfTest);
  const double align = WaitFor(cockpit, kIrsAlign, 12);
  EXPECT_GT(align - test, kIrsSelfTestTicks);
  EXPECT_LE(align - test, kIrsSelfTestTicks + 19) << "on the next channel-0 step";
  EXPECT_EQ(IsIrsHeadingValid(), 1u) << "aligning";
  EXPECT_EQ(IsIrsNavValid(), 0u);

  const double aligned = WaitFor(cockpit, kIrsAligned, 6750.0 / 18.0 + 2);
  EXPECT_GT(aligned - align, 6750.0);
  EXPECT_LE(aligned - align, 6750.0 + 19);
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.dueTicks(kChannel1Hz).count(aligned), 1u);
  EXPECT_EQ(State(2), kIrsAligned);
  cockpit.runSeconds(5);
  EXPECT_EQ(State(1), kIrsAligned) << "waiting for the FMS position";

  g_fms.AlignToAircraftPosition();
  cockpit.runSeconds(1.1);
  EXPECT_EQ(State(1), kIrsNav);
  EXPECT_EQ(State(2), kIrsAtt);
  EXPECT_EQ(IsIrsNavValid(), 1u);
  EXPECT_EQ(g_fms.IsFmsAlignDone(), 1u) << "unit 1 in NAV keeps the FMS aligning";

  // NAV to ATT carries the state along; ATT to NAV does not.
  cockpit.control("IRS", "switch1", kIrsAtt).runSeconds(1.1);
  EXPECT_EQ(State(1), kIrsAtt);
  cockpit.control("IRS", "switch1", kIrsNav).runSeconds(1.1);
  EXPECT_EQ(State(1), kIrsAtt);
  cockpit.runSeconds(1.1);
  EXPECT_EQ(g_fms.IsFmsAlignDone(), 0u) << "no unit aligning or in NAV: the FMS drops the position";

  // ALIGN on a unit that is on: a realignment.
  cockpit.control("IRS", "switch2", kIrsAlign);
  EXPECT_EQ(State(2), kIrsAlign);
  const double realign = WaitFor(cockpit, kIrsAligned, 6750.0 / 18.0 + 2, 2);
  EXPECT_GT(realign - align, 6750.0);
  HandleIrsSwitch(67, kIrsOff);
  EXPECT_EQ(State(2), kIrsAligned) << "no unit 67";
  cockpit.control("IRS", "switch2", 99);
  EXPECT_EQ(State(2), kIrsOff) << "any other position is OFF";
}

TEST(Irs, MovingDuringTheAlignmentFaultsAUnitWhichResumesAfter180Ticks) {
  Cockpit cockpit;
  PoweredAt(cockpit, 0.0);
  cockpit.control("IRS", "switch1", kIrsNav).control("IRS", "switch2", kIrsAlign);
  WaitFor(cockpit, kIrsAlign, 12);
  cockpit.set(Token::GroundSpeedMps, 1.0).runSeconds(2);
  EXPECT_EQ(State(1), kIrsAlign) << "1 m/s is not moving";
  cockpit.set(Token::GroundSpeedMps, 1.01);
  const double fault = WaitFor(cockpit, kIrsFault, 1.2);
  EXPECT_EQ(State(2), kIrsFault);
  cockpit.set(Token::GroundSpeedMps, 0);
  cockpit.runUntil([] { return State(1) != kIrsFault; }, 12);
  EXPECT_GT(cockpit.tick18() - fault, kIrsFaultTicks);
  EXPECT_LE(cockpit.tick18() - fault, kIrsFaultTicks + 19);
  EXPECT_EQ(State(1), kIrsNav) << "straight to the selector's mode";
  EXPECT_EQ(State(2), kIrsAlign);
  cockpit.runSeconds(1.1);
  EXPECT_EQ(State(2), kIrsAligned) << "its passed deadline";
}

TEST(Irs, ASelfTestWaitsForTheAircraftToStopAndMovingFaultsIt) {
  Cockpit cockpit;
  PoweredAt(cockpit, 0.0).set(Token::GroundSpeedMps, 5);
  cockpit.control("IRS", "switch1", kIrsNav).runSeconds(10);
  EXPECT_EQ(State(1), kIrsOff) << "taxiing";
  cockpit.set(Token::GroundSpeedMps, 0);
  WaitFor(cockpit, kIrsSelfTest, 1.2);
  cockpit.set(Token::GroundSpeedMps, 5);
  WaitFor(cockpit, kIrsFault, 1.2);
}

TEST(Irs, TheFastOptionShortensTestAndAlignmentAndIgnoresMovement) {
  Cockpit cockpit;
  PoweredAt(cockpit, 60.0).setOption(kOptionIrsFastStartRealign, true).set(Token::GroundSpeedMps, 5);
  cockpit.control("IRS", "switch1", kIrsNav);
  const double test = WaitFor(cockpit, kIrsSelfTest, 1.2);
  const double align = WaitFor(cockpit, kIrsAlign, 5);
  EXPECT_GT(align - test, kIrsFastTicks);
  EXPECT_LE(align - test, kIrsFastTicks + 19);
  const double aligned = WaitFor(cockpit, kIrsAligned, 5);
  EXPECT_GT(aligned - align, kIrsFastTicks);
  EXPECT_LE(aligned - align, kIrsFastTicks + 19);
}

TEST(Irs, PowerLossSwitchesBothUnitsOffAndPowerBackStartsASelfTest) {
  Cockpit cockpit;
  PoweredAt(cockpit, 0.0).irsInNav();
  cockpit.runSeconds(3);
  EXPECT_EQ(State(1), kIrsNav);
  cockpit.control("APU", "battery", kSwitchOff).runSeconds(2.5);
  EXPECT_EQ(State(1), kIrsOff);
  EXPECT_EQ(State(2), kIrsOff);
  EXPECT_EQ(g_fms.IsFmsAlignDone(), 0u);
  cockpit.powerUp();
  WaitFor(cockpit, kIrsSelfTest, 2.5);
  EXPECT_EQ(State(2), kIrsSelfTest);
}

TEST(Irs, AUnitSavedInNavStartsInNavAndTheSelectorsRoundTrip) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[IRS]\r\nswitch1=115\r\nswitch2=116\r\n");
  cockpit.start().control("APU", "battery", kSwitchOn).runSeconds(3);
  EXPECT_EQ(State(1), kIrsNav) << "through the first power verdict";
  EXPECT_EQ(State(2), kIrsAtt);
  EXPECT_EQ(IsDfgsIrsValid(), 1u);
  cockpit.control("IRS", "switch1", kIrsAlign).shutdown();
  EXPECT_EQ(cockpit.ini("IRS", "switch1"), "113");
  EXPECT_EQ(cockpit.ini("IRS", "switch2"), "116");
}

TEST(Irs, SavedInNavWithoutPowerGoesOffAtTheFirstVerdict) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[IRS]\r\nswitch1=115\r\nswitch2=115\r\n");
  cockpit.start().runTicks(1);
  EXPECT_EQ(State(1), kIrsNav);
  cockpit.runSeconds(3);
  EXPECT_EQ(State(1), kIrsOff);
  EXPECT_EQ(State(2), kIrsOff);
}

TEST(Irs, ValidityFollowsTheEfisSourceSelector) {
  Cockpit cockpit;
  struct Case {
    int32_t source;
    int32_t irs1;
    int32_t irs2;
    int32_t verticalGyro;
    uint32_t attitude;
    uint32_t heading;
    uint32_t nav;
  };
  const Case cases[] = {
      {kEfisSourceIrs2, kIrsNav, kIrsOff, 55, 1, 0, 0},       // the vertical gyro gives attitude
      {kEfisSourceIrs2, kIrsNav, kIrsOff, 43, 0, 0, 0},
      {kEfisSourceIrs2, kIrsOff, kIrsNav, 43, 1, 1, 1},
      {kEfisSourceIrs2, kIrsOff, kIrsAtt, 43, 1, 0, 0},
      {kEfisSourceIrs2, kIrsOff, kIrsAlign, 43, 0, 1, 0},
      {kEfisSourceIrs1, kIrsAligned, kIrsNav, 43, 0, 1, 0},
      {kEfisSourceIrs1, kIrsAtt, kIrsOff, 43, 1, 0, 0},
      {kEfisSourceIrs1, kIrsNav, kIrsOff, 43, 1, 1, 1},
      {kEfisSourceNormal, kIrsOff, kIrsNav, 43, 1, 1, 0},     // NAV from IRS 1 only
      {kEfisSourceNormal, kIrsAlign, kIrsOff, 43, 1, 1, 0},
      {kEfisSourceNormal, kIrsOff, kIrsAtt, 43, 1, 0, 0},
      {kEfisSourceNormal, kIrsFault, kIrsSelfTest, 43, 0, 0, 0},
      {kEfisSourceNormal, kIrsNav, kIrsOff, 43, 1, 1, 1},
      {99, kIrsNav, kIrsNav, 43, 0, 0, 0},
      {99, kIrsNav, kIrsNav, 55, 1, 0, 0},
  };
  for (const Case& c : cases) {
    SetSwitch(&g_efisSourceSwitch, c.source);
    SetSwitch(&g_irs1State, c.irs1);
    SetSwitch(&g_irs2State, c.irs2);
    SetSwitch(&g_verticalGyroSwitch, c.verticalGyro);
    EXPECT_EQ(IsIrsAttitudeValid(), c.attitude) << c.source << " " << c.irs1 << " " << c.irs2 << " " << c.verticalGyro;
    EXPECT_EQ(IsIrsHeadingValid(), c.heading) << c.source << " " << c.irs1 << " " << c.irs2;
    EXPECT_EQ(IsIrsNavValid(), c.nav) << c.source << " " << c.irs1 << " " << c.irs2;
  }
}

}  // namespace
}  // namespace halcyon::test
