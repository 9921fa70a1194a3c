// The radio panels with the simulator: ADF wheels tuning through the
// transfer switch with the exact events and BCD values, COMM megahertz and
// 25-kHz steps with their wraps, the NAV course roll-over at 360, the
// transponder's spring-loaded mode knob, TCAS test timers and reply lamp.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "core/tick_scheduler.h"
#include "systems/radios.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

struct Sent {
  uint32_t event;
  uint32_t value;
  bool operator==(const Sent&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Sent& sent) { return out << sent.event << "(" << sent.value << ")"; }

std::vector<Sent> SentSince(const Cockpit& cockpit) {
  std::vector<Sent> sent;
  for (const auto& record : cockpit.keyEvents()) sent.push_back({record.event, record.value});
  return sent;
}

// An ADF head's send: the frequency, the ext reset, then one step per ext digit.
std::vector<Sent> AdfSend(uint32_t bcd, int extSteps) {
  std::vector<Sent> sent = {{kKeyEventAdfSet, bcd}, {kKeyEventAdfExtReset, 0}};
  for (int step = 0; step < extSteps; ++step) sent.push_back({kKeyEventAdfExtStep, 0});
  return sent;
}

TEST(Radios, AdfWheelsTuneTheHeadTheTransferSwitchChooses) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[ADF]\r\nadf2_100=2\r\nadf2_010=4\r\nadf2_001=5\r\nadf2_ext=2\r\n");
  cockpit.start();
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventAdfSet).empty()) << "the saved wheels are not sent at start-up";
  EXPECT_EQ(GetSwitch(&g_adfTransferSwitch), kAdfTransferAdf1);

  cockpit.clearKeyEvents().control("ADF", "adf1_ext", 5);
  EXPECT_EQ(SentSince(cockpit), AdfSend(822, 5)) << "3, 3, 6 as BCD";
  cockpit.clearKeyEvents();
  IncAdfDigit(4);
  EXPECT_EQ(GetAdfDigit(4), 3u);
  EXPECT_EQ(SentSince(cockpit), AdfSend(822, 5)) << "an ADF 2 wheel sends ADF 1 while the switch says so";

  cockpit.setSwitch(&g_adfTransferSwitch, kAdfTransferAdf2).clearKeyEvents();
  DecAdfDigit(6);
  EXPECT_EQ(SentSince(cockpit), AdfSend(0x344, 2));
  cockpit.setSwitch(&g_adfTransferSwitch, 43).clearKeyEvents();
  IncAdfDigit(0);
  EXPECT_EQ(SentSince(cockpit), std::vector<Sent>{}) << "neither head";
  EXPECT_EQ(GetAdfDigit(0), 4u);
}

TEST(Radios, AdfWheelsWrapAndBadWheelsSendNoFlood) {
  Cockpit cockpit;
  SetAdfDigit(2, 9);
  IncAdfDigit(2);
  EXPECT_EQ(GetAdfDigit(2), 0u);
  DecAdfDigit(2);
  EXPECT_EQ(GetAdfDigit(2), 9u);
  DecAdfDigit(2);
  EXPECT_EQ(GetAdfDigit(2), 8u);
  cockpit.clearKeyEvents();
  IncAdfDigit(8);
  EXPECT_EQ(GetAdfDigit(8), 0u);
  EXPECT_EQ(SentSince(cockpit), AdfSend(0x338, 0)) << "another wheel stores nothing but still sends";

  // A hand-edited ext wheel: the wheels are unsigned, so a negative count is
  // a huge one, and a huge one sends at most nine steps.
  cockpit.clearKeyEvents();
  SetAdfDigit(3, -4);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAdfExtStep).size(), 9u);
  cockpit.clearKeyEvents();
  SetAdfDigit(3, 2000000000);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAdfExtStep).size(), 9u);

  // A negative wheel clicked up is 0 at once, never -4, -3, ...; the largest
  // wheel clicked up is 0 too, without overflow.
  SetAdfDigit(1, -4);
  IncAdfDigit(1);
  EXPECT_EQ(GetAdfDigit(1), 0u);
  SetAdfDigit(1, std::numeric_limits<int32_t>::max());
  IncAdfDigit(1);
  EXPECT_EQ(GetAdfDigit(1), 0u);
  SetAdfDigit(1, -1);
  IncAdfDigit(1);
  EXPECT_EQ(GetAdfDigit(1), 0u);
  SetAdfDigit(1, -4);
  DecAdfDigit(1);
  EXPECT_EQ(GetAdfDigit(1), 0xFFFFFFFBu) << "down from a huge digit: one less";
}

// Hand-edited wheels are held to their digits on load (-1 to 0, 12 to 9):
// the window shows digits and the next send is a frequency with at most nine
// ext steps. A wheel the host sets is held the same way.
TEST(Radios, AdfWheelsAreHeldToTheirDigitsOnLoad) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[ADF]\r\nadf1_100=-1\r\nadf1_010=12\r\nadf1_ext=-1\r\n");
  cockpit.start().draw();
  EXPECT_EQ(cockpit.elementValue("ADF", 14), 0.0) << "hundreds";
  EXPECT_EQ(cockpit.elementValue("ADF", 13), 9.0) << "tens";
  EXPECT_EQ(cockpit.elementValue("ADF", 11), 0.0) << "ext";
  cockpit.clearKeyEvents().click("ADF", 70, 20);  // ADF 1 units up
  EXPECT_EQ(SentSince(cockpit), AdfSend(0x097, 0));
  cockpit.clearKeyEvents().control("ADF", "adf1_ext", 12);
  EXPECT_EQ(SentSince(cockpit), AdfSend(0x097, 9));
  cockpit.clearKeyEvents().control("ADF", "adf1_100", -1);
  EXPECT_EQ(SentSince(cockpit), AdfSend(0x097, 9));
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("ADF", "adf1_100"), "0");
  EXPECT_EQ(cockpit.ini("ADF", "adf1_010"), "9");
}

TEST(Radios, CommSteps) {
  struct Step {
    uint32_t from;
    uint32_t (*change)(uint32_t);
    uint32_t to;
  };
  const Step steps[] = {
      {0x3697, CommMhzUp, 0x1897},   {0x3697, CommKhzUp, 0x3600},   {0x1800, CommMhzDown, 0x3600},
      {0x1800, CommKhzDown, 0x1897}, {0x1997, CommMhzUp, 0x2097},   {0x2000, CommMhzDown, 0x1900},
      {0x2105, CommMhzUp, 0x2205},   {0x2205, CommMhzDown, 0x2105}, {0x1800, CommKhzUp, 0x1802},
      {0x1802, CommKhzUp, 0x1805},   {0x1805, CommKhzUp, 0x1807},   {0x1807, CommKhzUp, 0x1810},
      {0x1810, CommKhzDown, 0x1807}, {0x1807, CommKhzDown, 0x1805}, {0x1805, CommKhzDown, 0x1802},
      {0x1802, CommKhzDown, 0x1800}, {0x1803, CommKhzUp, 0x1800},   {0x1803, CommKhzDown, 0x1800},
      {0x1095, CommMhzUp, 0x3695},   {0x4000, CommMhzDown, 0x1800}, {0x18A0, CommKhzUp, 0x1800},
  };
  for (const Step& step : steps) {
    EXPECT_EQ(step.change(step.from), step.to) << std::hex << step.from;
  }
}

TEST(Radios, CommKnobsTuneTheActiveFrequency) {
  Cockpit cockpit;
  cockpit.set(Token::Comm1Active, 0x3697).set(Token::Comm1Standby, 0x2145);
  cockpit.set(Token::Comm2Active, 0x1800).set(Token::Comm2Standby, 0x2950);
  IncComm1Mhz();
  EXPECT_EQ(SentSince(cockpit).back(), (Sent{kKeyEventComm1Set, 0x1897}));
  EXPECT_EQ(cockpit.token(Token::Comm1Active), 0x1897) << "the simulator tuned";
  IncComm1Khz();
  EXPECT_EQ(cockpit.token(Token::Comm1Active), 0x1800);
  DecComm1Khz();
  DecComm1Mhz();
  EXPECT_EQ(cockpit.token(Token::Comm1Active), 0x3697);
  DecComm2Mhz();
  EXPECT_EQ(SentSince(cockpit).back(), (Sent{kKeyEventComm2Set, 0x3600}));
  DecComm2Khz();
  IncComm2Khz();
  IncComm2Mhz();
  EXPECT_EQ(cockpit.token(Token::Comm2Active), 0x1800);
  EXPECT_EQ(cockpit.token(Token::Comm1Standby), 0x2145) << "the standby windows are not tuned";

  const uint32_t comm1Digits[] = {3, 6, 9, 7};
  const uint32_t comm2StandbyDigits[] = {2, 9, 5, 0};
  for (uint32_t digit = 1; digit <= 4; ++digit) {
    EXPECT_EQ(GetCommFrequencyDigit(0, 2, digit), comm1Digits[digit - 1]);
    EXPECT_EQ(GetCommFrequencyDigit(1, 3, digit), comm2StandbyDigits[digit - 1]);
  }
  EXPECT_EQ(GetCommFrequencyDigit(0, 3, 1), 2u);
  EXPECT_EQ(GetCommFrequencyDigit(1, 2, 2), 8u);
  EXPECT_EQ(GetCommFrequencyDigit(2, 2, 1), 0u);
  EXPECT_EQ(GetCommFrequencyDigit(0, 1, 1), 0u);
  EXPECT_EQ(GetCommFrequencyDigit(0, 4, 1), 0u);
  EXPECT_EQ(GetCommFrequencyDigit(0, 2, 0), 0u);
  EXPECT_EQ(GetCommFrequencyDigit(0, 2, 5), 0u);
}

TEST(Radios, ACourseOf360IsRolledToZero) {
  Cockpit cockpit;
  cockpit.runTicks(3).clearKeyEvents();
  cockpit.set(Token::Nav1CourseDeg, 359.9).set(Token::Nav2CourseDeg, 0.0).runTicks(3);
  EXPECT_EQ(SentSince(cockpit), std::vector<Sent>{}) << "359.9 and 0 are left alone";
  cockpit.set(Token::Nav1CourseDeg, 360.0).runTicks(1);
  EXPECT_EQ(SentSince(cockpit),
            (std::vector<Sent>{{kKeyEventNav1CourseUp, 0}, {kKeyEventNav1CourseDown, 0}}));
  EXPECT_EQ(cockpit.token(Token::Nav1CourseDeg), 0.0);
  cockpit.clearKeyEvents().set(Token::Nav2CourseDeg, 360.0).runTicks(2);
  EXPECT_EQ(SentSince(cockpit),
            (std::vector<Sent>{{kKeyEventNav2CourseUp, 0}, {kKeyEventNav2CourseDown, 0}}));
  EXPECT_EQ(cockpit.token(Token::Nav2CourseDeg), 0.0);
}

TEST(Radios, TransponderModeKnobSpringsBackAndStartsTheTcasTest) {
  Cockpit cockpit;
  EXPECT_EQ(GetSwitch(&g_tcasRangeSwitch), 102);
  EXPECT_EQ(GetSwitch(&g_tcasAbsAltitudeSwitch), kSwitchOff);
  EXPECT_EQ(GetSwitch(&g_tcasTestSwitch), kSwitchOff);
  cockpit.runTicks(1).control("TRANSPONDER", "mode", kTransponderModeTest);
  EXPECT_EQ(GetSwitch(&g_tcasTestSwitch), kSwitchOn);
  cockpit.runTicks(1);
  const double firstSeen = cockpit.tick18();
  cockpit.runUntil([] { return GetSwitch(&g_transponderMode) != kTransponderModeTest; }, 2);
  EXPECT_EQ(GetSwitch(&g_transponderMode), kTransponderModeStandby);
  EXPECT_EQ(cockpit.tick18(), firstSeen + 9 + 1);
  cockpit.runUntil([] { return GetSwitch(&g_tcasTestSwitch) != kSwitchOn; }, 20);
  EXPECT_EQ(GetSwitch(&g_tcasTestSwitch), kSwitchOff);
  EXPECT_EQ(cockpit.tick18(), firstSeen + 216 + 1);

  cockpit.setSwitch(&g_tcasAbsAltitudeSwitch, kSwitchOn).runTicks(1);
  const double testSeen = cockpit.tick18();
  cockpit.runUntil([] { return GetSwitch(&g_tcasAbsAltitudeSwitch) != kSwitchOn; }, 20);
  EXPECT_EQ(cockpit.tick18(), testSeen + 270 + 1);
}

TEST(Radios, TheReplyLampFlashesInFlightInTheReplyingModes) {
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 0).control("TRANSPONDER", "mode", 88);
  std::vector<double> litTicks;
  cockpit.everyTick([&](simhost::SimHost&) {
    if (GetSwitch(&g_transponderReplyLamp) == kSwitchOn) litTicks.push_back(cockpit.tick18() - 1);
  });
  cockpit.runTicks(200);
  ASSERT_GE(litTicks.size(), 5u);
  for (size_t i = 1; i < litTicks.size(); ++i) EXPECT_EQ(litTicks[i] - litTicks[i - 1], 37.0);

  litTicks.clear();
  cockpit.set(Token::OnGround, 1).runTicks(80);
  EXPECT_TRUE(litTicks.empty()) << "on the ground";
  cockpit.set(Token::OnGround, 0).control("TRANSPONDER", "mode", 87).runTicks(80);
  EXPECT_TRUE(litTicks.empty()) << "mode 87";
  cockpit.control("TRANSPONDER", "mode", 90).runTicks(80);
  EXPECT_EQ(litTicks.size(), 2u);
  cockpit.setSwitch(&g_transponderMode, 64).runTicks(2);
  EXPECT_EQ(GetSwitch(&g_transponderReplyLamp), kSwitchOn) << "steady";
}

}  // namespace
}  // namespace halcyon::test
