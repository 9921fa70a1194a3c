// Speed cards (rows chosen by weight band, bugs by kind, the FMS take-off
// speeds, saved rows) and the ground-spoiler automatics (arm and disarm,
// touchdown and reverse deploy, stow on handle or thrust).
#include <gtest/gtest.h>

#include "core/tick_scheduler.h"
#include "fmc/fms.h"
#include "systems/ground_spoilers.h"
#include "systems/speed_bugs.h"
#include "systems/speed_cards.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

std::vector<double> Bugs() { return {GetSpeedBug(1), GetSpeedBug(2), GetSpeedBug(3), GetSpeedBug(4)}; }

TEST(SpeedCards, AMissingSectionGivesTheMiddleCardsAndTheTypeTogglesTheIndex) {
  Cockpit cockpit;
  EXPECT_EQ(GetSpeedCardType(), kSpeedCardTakeoff);
  EXPECT_EQ(GetSpeedCardIndex(), 4.0);
  cockpit.control("Speed Cards", "type", 1);
  EXPECT_EQ(GetSpeedCardIndex(), 18.0) << "landing row 10 + 8";
  cockpit.control("Speed Cards", "type", 1);
  EXPECT_EQ(GetSpeedCardType(), kSpeedCardTakeoff);
}

TEST(SpeedCards, BugsByKindFromTheCurrentRow) {
  Cockpit cockpit;
  for (int i = 0; i < 5; ++i) DecSpeedCardWeight();
  ASSERT_EQ(GetTakeoffCardRow(), 0) << "held at row 0";
  SetSpeedBugsFromCard(kSpeedCardTakeoffTable1);
  EXPECT_EQ(Bugs(), (std::vector<double>{103, 127, 132, 157}));
  SetSpeedBugsFromCard(kSpeedCardTakeoffTable2);
  EXPECT_EQ(Bugs(), (std::vector<double>{99, 126, 141, 157}));
  for (int i = 0; i < 9; ++i) IncSpeedCardWeight();
  EXPECT_EQ(GetTakeoffCardRow(), 7) << "held at row 7";
  cockpit.control("Speed Cards", "set_bugs_1", 1);
  EXPECT_EQ(Bugs(), (std::vector<double>{152, 161, 166, 209}));

  ToggleSpeedCardType();
  for (int i = 0; i < 12; ++i) IncSpeedCardWeight();
  EXPECT_EQ(GetLandingCardRow(), 19) << "held at row 19";
  EXPECT_EQ(GetTakeoffCardRow(), 7) << "the take-off row is left alone";
  cockpit.control("Speed Cards", "set_bugs_1", 1);
  EXPECT_EQ(Bugs(), (std::vector<double>{260, 203, 174, 151}));
  cockpit.control("Speed Cards", "set_bugs_2", 1);
  EXPECT_EQ(Bugs(), (std::vector<double>{260, 203, 174, 146}));
  for (int i = 0; i < 25; ++i) DecSpeedCardWeight();
  EXPECT_EQ(GetLandingCardRow(), 0);
  SetSpeedBugsFromCard(kSpeedCardLandingBug4Vref);
  EXPECT_EQ(Bugs(), (std::vector<double>{190, 148, 129, 111}));
  SetSpeedBugsFromCard(1);
  SetSpeedBugsFromCard(6);
  EXPECT_EQ(Bugs(), (std::vector<double>{190, 148, 129, 111})) << "other kinds do nothing";
}

TEST(SpeedCards, WeightBandsChooseTheRowAndTheTakeoffKindsTellTheFms) {
  Cockpit cockpit;
  SetSpeedBugsForWeight(kSpeedCardTakeoffTable2, 130000);
  EXPECT_EQ(GetTakeoffCardRow(), 4);
  EXPECT_EQ(Bugs(), (std::vector<double>{127, 139, 154, 188}));
  EXPECT_EQ(g_fms.GetV1(), 127u);
  EXPECT_EQ(g_fms.GetVr(), 132);
  EXPECT_EQ(g_fms.GetV2(), 139u);

  SetSpeedBugsForWeight(kSpeedCardTakeoffTable1, 130000);
  EXPECT_EQ(Bugs(), (std::vector<double>{132, 144, 149, 188})) << "row 4 of take-off table 1";
  EXPECT_EQ(g_fms.GetVr(), 137);

  SetSpeedBugsForWeight(kSpeedCardLandingBug4Value5, 160000);
  EXPECT_EQ(GetLandingCardRow(), 18);
  EXPECT_EQ(Bugs(), (std::vector<double>{258, 202, 173, 145}));
  EXPECT_EQ(g_fms.GetV1(), 132u) << "landing kinds leave the FMS alone";

  // Take-off bands of 10000 lb: each edge on both sides.
  const std::pair<int32_t, int32_t> takeoff[] = {{0, 0},        {95000, 0},  {95001, 1},  {105000, 1}, {105001, 2},
                                                 {145000, 5},   {145001, 6}, {155000, 6}, {155001, 7}, {400000, 7}};
  for (const auto& [pounds, row] : takeoff) {
    SetSpeedBugsForWeight(kSpeedCardTakeoffTable1, pounds);
    EXPECT_EQ(GetTakeoffCardRow(), row) << pounds << " lb";
    EXPECT_EQ(g_fms.GetV1(), static_cast<uint32_t>(GetSpeedCardValue(kSpeedCardTakeoffTable1, row, 1)));
  }
  // Landing bands of 4000 lb, the gap above 144000 lb on the heavier card.
  const std::pair<int32_t, int32_t> landing[] = {
      {88000, 0},   {88001, 1},   {92000, 1},   {92001, 2},   {140001, 14}, {144000, 14}, {144001, 15},
      {148000, 15}, {152000, 15}, {152001, 16}, {156000, 16}, {156001, 17}, {159000, 17}, {159001, 18}};
  for (const auto& [pounds, row] : landing) {
    SetSpeedBugsForWeight(kSpeedCardLandingBug4Vref, pounds);
    EXPECT_EQ(GetLandingCardRow(), row) << pounds << " lb";
  }
  cockpit.control("Speed Cards", "takeoff_weight", 120000);
  EXPECT_EQ(g_fms.GetV1(), 120u);
  EXPECT_EQ(g_fms.GetVr(), 126);
  EXPECT_EQ(g_fms.GetV2(), 134u);
  EXPECT_EQ(GetSpeedBug(2), 134.0) << "take-off table 2";
  cockpit.control("Speed Cards", "landing_weight", 100000);
  EXPECT_EQ(GetLandingCardRow(), 3);
  EXPECT_EQ(GetSpeedBug(4), 114.0) << "bug 4 from value 5";
}

TEST(SpeedCards, RowsRoundTripAndRowsOffTheTablesAreHeld) {
  {
    Cockpit cockpit({.start = false});
    cockpit.writeFile(Cockpit::kAircraftIniFile, "[SPEED CARDS]\r\ntype=1\r\nto_weight=6\r\nland_weight=17\r\n");
    cockpit.start();
    EXPECT_EQ(GetSpeedCardIndex(), 25.0);
    IncSpeedCardWeight();
    ToggleSpeedCardType();
    DecSpeedCardWeight();
    cockpit.shutdown();
    EXPECT_EQ(cockpit.ini("SPEED CARDS", "type"), "0");
    EXPECT_EQ(cockpit.ini("SPEED CARDS", "to_weight"), "5");
    EXPECT_EQ(cockpit.ini("SPEED CARDS", "land_weight"), "18");
  }
}

TEST(SpeedCards, SavedRowsOffTheTablesNeverIndexPastThem) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[SPEED CARDS]\r\ntype=2\r\nto_weight=9\r\nland_weight=-3\r\n");
  cockpit.start();
  EXPECT_EQ(GetTakeoffCardRow(), 7);
  EXPECT_EQ(GetLandingCardRow(), 0);
  EXPECT_EQ(GetSpeedCardIndex(), 0.0) << "an unknown type shows card 0";
  IncSpeedCardWeight();
  EXPECT_EQ(GetTakeoffCardRow(), 7) << "an unknown type steps nothing";
  ToggleSpeedCardType();
  EXPECT_EQ(GetSpeedCardType(), kSpeedCardTakeoff);
}

// The simulator's spoiler-arm command, as the crew gives it.
Cockpit& ArmCommand(Cockpit& cockpit) { return cockpit.set(Token::SpoilerArm, 1); }
// Until the automatics' half-second channel has run.
Cockpit& HalfSecond(Cockpit& cockpit) { return cockpit.runTicks(10); }

TEST(GroundSpoilers, ArmedInFlightDeployAtTouchdownAndStowOnThrust) {
  Cockpit cockpit;
  ArmCommand(cockpit);
  HalfSecond(cockpit);
  EXPECT_EQ(g_autoSpoilerArmed, 1u);
  EXPECT_EQ(GetSpoilerArmingMode(), kSpoilersArmedInFlight);
  EXPECT_EQ(cockpit.token(Token::SpoilerArm), 0.0) << "66067 cleared the simulator's arm";
  EXPECT_EQ(cockpit.keyEvents(kKeyEventSpoilersArmToggle).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventSpoilersOff).size(), 1u);
  EXPECT_FALSE(IsGroundSpoilerDeployed());

  cockpit.set(Token::Engine1Throttle, -2000).runSeconds(2);
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventSpoilersOn).empty()) << "reverse in the air deploys nothing";
  cockpit.set(Token::Engine1Throttle, 0).set(Token::OnGround, 1).watchChannel(kChannel2Hz);
  cockpit.runUntil([&] { return !cockpit.keyEvents(kKeyEventSpoilersOn).empty(); }, 1);
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.dueTicks(kChannel2Hz).count(cockpit.keyEvents(kKeyEventSpoilersOn)[0].tick18), 1u);
  EXPECT_TRUE(IsGroundSpoilerDeployed());
  EXPECT_EQ(cockpit.token(Token::SpoilerHandle), 16384.0);
  cockpit.runSeconds(2);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventSpoilersOn).size(), 1u) << "once";
  EXPECT_EQ(g_autoSpoilerArmed, 1u) << "the automatics' own deployment keeps them armed";

  cockpit.set(Token::Engine2Throttle, 10000);
  HalfSecond(cockpit);
  EXPECT_TRUE(IsGroundSpoilerDeployed()) << "10000 is not beyond";
  cockpit.set(Token::Engine2Throttle, 10001);
  HalfSecond(cockpit);
  EXPECT_FALSE(IsGroundSpoilerDeployed());
  EXPECT_EQ(g_autoSpoilerArmed, 0u);
  EXPECT_EQ(GetSpoilerArmingMode(), kSpoilersNotArmed);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventSpoilersOff).size(), 2u);
  EXPECT_EQ(cockpit.token(Token::SpoilerHandle), 0.0);
}

TEST(GroundSpoilers, ArmedOnTheGroundDeployOnReverseAndStowWithTheHandle) {
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 1);
  ArmCommand(cockpit);
  HalfSecond(cockpit);
  EXPECT_EQ(GetSpoilerArmingMode(), kSpoilersArmedOnGround);
  cockpit.runSeconds(2);
  EXPECT_FALSE(IsGroundSpoilerDeployed()) << "on the ground without reverse";
  cockpit.set(Token::Engine2Throttle, -1);
  HalfSecond(cockpit);
  EXPECT_TRUE(IsGroundSpoilerDeployed()) << "the right engine in reverse";
  EXPECT_EQ(cockpit.keyEvents(kKeyEventSpoilersOn).size(), 1u);
  cockpit.set(Token::Engine2Throttle, 0).set(Token::SpoilerHandle, 0);
  HalfSecond(cockpit);
  EXPECT_FALSE(IsGroundSpoilerDeployed()) << "the handle stowed";
  EXPECT_EQ(g_autoSpoilerArmed, 0u);

  // Armed again, then disarmed by a second command.
  ArmCommand(cockpit);
  HalfSecond(cockpit);
  ASSERT_EQ(g_autoSpoilerArmed, 1u);
  ArmCommand(cockpit);
  HalfSecond(cockpit);
  EXPECT_EQ(g_autoSpoilerArmed, 0u);
  EXPECT_EQ(GetSpoilerArmingMode(), kSpoilersNotArmed);
  cockpit.set(Token::Engine1Throttle, -3000);
  HalfSecond(cockpit);
  EXPECT_FALSE(IsGroundSpoilerDeployed()) << "disarmed";
}

TEST(GroundSpoilers, TheHandleByHandDisarmsAndIsFollowedWhenNotArmed) {
  Cockpit cockpit;
  cockpit.set(Token::SpoilerHandle, 8000);
  HalfSecond(cockpit);
  EXPECT_TRUE(IsGroundSpoilerDeployed()) << "not armed: the handle";
  cockpit.set(Token::SpoilerHandle, 0);
  HalfSecond(cockpit);
  EXPECT_FALSE(IsGroundSpoilerDeployed());

  ArmCommand(cockpit);
  HalfSecond(cockpit);
  ASSERT_EQ(g_autoSpoilerArmed, 1u);
  cockpit.set(Token::SpoilerHandle, 8000);
  HalfSecond(cockpit);
  EXPECT_TRUE(IsGroundSpoilerDeployed());
  EXPECT_EQ(g_autoSpoilerArmed, 0u) << "pulled by hand in flight: the automatics give way";
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventSpoilersOn).empty());
}

}  // namespace
}  // namespace halcyon::test
