// The overhead annunciator panel's alert list: the list itself (merged lines,
// doors behind the parking brake, scrolling, keys, recall, glyphs), and every
// message of the table raised and cleared through the system that owns its
// condition, with the master lights the list raises and releases.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/tick_scheduler.h"
#include "systems/alert_list.h"
#include "systems/annunciator_lamps.h"
#include "systems/apu.h"
#include "systems/electric.h"
#include "systems/levers.h"
#include "systems/hydraulics.h"
#include "systems/thrust_rating.h"
#include "systems/warning_lights.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

using Lines = std::vector<std::string>;

constexpr double kOilPressureTokenNormal = 10000.0;  // 44 psi
constexpr double kHydraulicTokenNormal =
    2.0 * 2000.0 * TokenScale(Token::Engine1HydraulicOutput);  // 2000 psi on the low pump setting
constexpr double kWingTankGal = 750.0;  // 5025 lb

bool Has(const Lines& lines, const std::string& text) { return std::find(lines.begin(), lines.end(), text) != lines.end(); }

// ---- The list itself (driven directly, between ticks) ----

TEST(AlertList, LeftAndRightMergeIntoOneLineAndSplitInPlace) {
  Cockpit cockpit;
  AddEoapMessage(6);
  AddEoapMessage(11);
  AddEoapMessage(7);
  EXPECT_EQ(cockpit.alertList(), (Lines{"L&R GEN OFF", "BATTERY OFF"})) << "the right joins the left's line";
  RemoveEoapMessage(6);
  EXPECT_EQ(cockpit.alertList(), (Lines{"R GEN OFF", "BATTERY OFF"})) << "the left back: the line changes in place";
  AddEoapMessage(6);
  RemoveEoapMessage(7);
  EXPECT_EQ(cockpit.alertList(), (Lines{"L GEN OFF", "BATTERY OFF"}));
  RemoveEoapMessage(6);
  EXPECT_EQ(cockpit.alertList(), (Lines{"BATTERY OFF"}));

  // The centre fuel pressure is no member of the fuel pressure pair.
  AddEoapMessage(18);
  AddEoapMessage(20);
  AddEoapMessage(19);
  EXPECT_EQ(cockpit.alertList(), (Lines{"BATTERY OFF", "L&R FUEL PRES LOW", "CENTER FUEL PRESS LO"}));
  AddEoapMessage(18);
  EXPECT_EQ(GetEoapMessageCount(), 3) << "a member of a listed combined line adds nothing";
  AddEoapMessage(0);
  AddEoapMessage(55);
  AddEoapMessage(-1);
  RemoveEoapMessage(99);
  EXPECT_EQ(GetEoapMessageCount(), 3) << "ids outside the table are ignored";
}

TEST(AlertList, DoorsHideBehindTheParkingBrakeAndComeBackAtTheEnd) {
  Cockpit cockpit;
  AddEoapMessage(49);  // FWD CABIN DOOR
  AddEoapMessage(1);
  AddEoapMessage(32);
  EXPECT_EQ(cockpit.alertList(), (Lines{"FUEL LEVEL LOW", "PARKING BRAKE ON"}));
  EXPECT_EQ(cockpit.alertDoors(), (Lines{"FWD CABIN DOOR"}));
  EXPECT_TRUE(IsEoapKeyLit(kAlertDoorCategory));
  EXPECT_EQ(IsEoapMessageListed(49), 1u) << "a hidden door still counts as listed";

  AddEoapMessage(52);  // raised behind the parking brake: door list only
  EXPECT_EQ(cockpit.alertList(), (Lines{"FUEL LEVEL LOW", "PARKING BRAKE ON"}));
  EXPECT_EQ(cockpit.alertDoors(), (Lines{"FWD CABIN DOOR", "FWD CARGO DOOR"}));

  RemoveEoapMessage(32);
  EXPECT_EQ(cockpit.alertList(), (Lines{"FUEL LEVEL LOW", "FWD CABIN DOOR", "FWD CARGO DOOR"}));
  RemoveEoapMessage(49);
  EXPECT_EQ(cockpit.alertList(), (Lines{"FUEL LEVEL LOW", "FWD CARGO DOOR"}));
  EXPECT_EQ(cockpit.alertDoors(), (Lines{"FWD CARGO DOOR"}));
  RemoveEoapMessage(52);
  EXPECT_TRUE(cockpit.alertDoors().empty());
  EXPECT_FALSE(IsEoapKeyLit(kAlertDoorCategory));
}

TEST(AlertList, ThirteenMessagesScrollTheWindowAndLightWhatLiesOutside) {
  Cockpit cockpit;
  cockpit.powerUp().runSeconds(1.1);
  ClearMasterCaution();
  // The evaluation stays out of the way: the list below is ours.
  EmptyAlertLists();
  constexpr int32_t kIds[] = {2, 9, 13, 14, 22, 26, 27, 28, 29, 30, 31, 43, 44};
  for (int32_t id : kIds) {
    AddEoapMessage(id);
    if (GetEoapMessageCount() <= kAlertVisibleLines) {
      EXPECT_EQ(GetEoapScrollOffset(), 0);
    }
  }
  EXPECT_EQ(GetEoapScrollOffset(), 1) << "the newest message stays on the bottom line";
  EXPECT_EQ(GetEoapDisplayLine(1).id, 9u);
  EXPECT_EQ(GetEoapDisplayLine(12).id, 44u);
  EXPECT_TRUE(IsEoapKeyLit(1)) << "APU GEN OFF, scrolled out above";
  EXPECT_FALSE(IsEoapKeyLit(5)) << "the miscellaneous key flashes for the last add, but is not held lit";

  cockpit.runTicks(1);
  EXPECT_TRUE(IsEoapMoreAboveLit());
  EXPECT_FALSE(IsEoapMoreBelowLit());
  ScrollEoapDown();
  EXPECT_EQ(GetEoapScrollOffset(), 1) << "clamped at count - 12";
  ScrollEoapUp();
  ScrollEoapUp();
  EXPECT_EQ(GetEoapScrollOffset(), 0) << "clamped at 0";
  EXPECT_EQ(GetEoapDisplayLine(1).id, 2u);
  EXPECT_FALSE(IsEoapKeyLit(1));
  EXPECT_TRUE(IsEoapKeyLit(5)) << "FLIGHT RECORDER OFF below the window";
  cockpit.runTicks(1);
  EXPECT_FALSE(IsEoapMoreAboveLit());
  EXPECT_TRUE(IsEoapMoreBelowLit());

  // Removing a message moves the offset up (when above 0); twelve never scroll.
  ScrollEoapDown();
  RemoveEoapMessage(30);
  EXPECT_EQ(GetEoapScrollOffset(), 0);
  ScrollEoapDown();
  EXPECT_EQ(GetEoapScrollOffset(), 0) << "12 messages fit";
}

TEST(AlertList, GlyphsBlankWithoutPowerTestFrameInTheLampTestAndEveryTextDrawable) {
  Cockpit cockpit;
  EXPECT_EQ(GetEoapGlyph(GetEoapMessageText(1), 1), 0.0) << "no power";
  cockpit.powerUp();
  for (uint32_t id = 0; id <= kAlertMessageLast; ++id) {
    const wchar_t* text = GetEoapMessageText(id);
    ASSERT_EQ(std::wstring(text).size(), 20u) << id;
    for (uint32_t pos = 1; pos <= 20; ++pos) EXPECT_NE(GetEoapGlyph(text, pos), 43.0) << id << " at " << pos;
  }
  EXPECT_EQ(std::wstring(GetEoapMessageText(55)), L"ERROR               ");
  const wchar_t* sample = L"AZ09 .&/-:*()[]+?#";
  const double frames[] = {11, 36, 10, 9, 0, 37, 50, 38, 40, 48, 49, 45, 46, 41, 42, 39, 44, 43};
  for (uint32_t pos = 1; pos <= 18; ++pos) EXPECT_EQ(GetEoapGlyph(sample, pos), frames[pos - 1]) << pos;
  cockpit.control("Annunciator Digital Lights Test", "test", kLampTestHeld).runTicks(1);
  EXPECT_EQ(GetEoapGlyph(GetEoapMessageText(0), 5), 43.0);
  EXPECT_EQ(cockpit.alertLines()[11], "####################");
}

// What the host reads for its log: the active lines joined by '|', and a
// refusal (nothing written past the buffer) when they do not fit.
TEST(AlertList, TheHostReadsTheActiveLinesAndTheScrollControl) {
  Cockpit cockpit;
  char text[64];
  EXPECT_EQ(HalcyonAlertText(text, sizeof(text)), 1);
  EXPECT_STREQ(text, "");
  AddEoapMessage(6);
  AddEoapMessage(7);
  AddEoapMessage(30);
  EXPECT_EQ(HalcyonAlertText(text, sizeof(text)), 1);
  EXPECT_STREQ(text, "L&R GEN OFF|FIRE DETECTION LOOP");
  char small[20] = "untouched";
  EXPECT_EQ(HalcyonAlertText(small, sizeof(small)), 0);
  EXPECT_EQ(HalcyonAlertText(nullptr, 64), 0);

  for (int32_t id : {1, 2, 9, 10, 11, 12, 13, 14, 22, 26, 27, 28, 29}) AddEoapMessage(id);
  const int32_t bottom = GetEoapScrollOffset();
  ASSERT_GT(bottom, 2);
  cockpit.control("EOAP", "scroll", -2);
  EXPECT_EQ(GetEoapScrollOffset(), bottom - 2);
  cockpit.control("EOAP", "scroll", -100);
  EXPECT_EQ(GetEoapScrollOffset(), 0);
  cockpit.control("EOAP", "scroll", 100);
  EXPECT_EQ(GetEoapScrollOffset(), bottom);
}

// ---- The evaluation, through the systems ----

// Cruise with both engines, every system in order: the alert list empty.
Cockpit& QuietCruise(Cockpit& cockpit) {
  cockpit.guidanceReady()
      .set(Token::FuelWeightLbPerGallon, 6.7)
      .set(Token::FuelLeftGal, kWingTankGal)
      .set(Token::FuelRightGal, kWingTankGal)
      .set(Token::Engine1OilPressure, kOilPressureTokenNormal)
      .set(Token::Engine2OilPressure, kOilPressureTokenNormal)
      .set(Token::Engine1HydraulicOutput, kHydraulicTokenNormal)
      .set(Token::Engine2HydraulicOutput, kHydraulicTokenNormal)
      .set(Token::IndicatedAirspeedKt, 250)
      .control("FUEL PUMPS", "fwd_left", kSwitchOn)
      .control("FUEL PUMPS", "fwd_right", kSwitchOn)
      .control("ICE PROTECTION", "emergency_lights", kSwitchOn)
      .control("VARIOUS", "yaw_damp", kSwitchOn)
      .control("VARIOUS", "anti_skid", 127);
  // The hydraulic pressures take about 11 s to rise.
  cockpit.runSeconds(13);
  ClearMasterCaution();
  ClearMasterWarning();
  return cockpit;
}

TEST(AlertEvaluation, AQuietCruiseShowsNothing) {
  Cockpit cockpit;
  QuietCruise(cockpit);

  EXPECT_EQ(cockpit.alertList(), Lines{});
  EXPECT_EQ(IsMasterCautionOn(), 0u);
}

// The 12 lines of a list the window shows at the present scroll offset.
Lines Window(const Lines& list) {
  const size_t first = std::min<size_t>(static_cast<size_t>(GetEoapScrollOffset()), list.size());
  return Lines(list.begin() + first, list.begin() + std::min(list.size(), first + 12));
}

// Parked on the battery with the doors open: the doors wait in the door
// list behind "PARKING BRAKE ON", the door key lit; its recall shows them all.
TEST(AlertEvaluation, PowerUpParkedWithTheDoorsOpen) {
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 1).set(Token::ParkingBrake, 1).set(Token::DoorsOpen, 1).powerUp().runSeconds(3);
  const Lines list = cockpit.alertList();
  EXPECT_TRUE(Has(list, "PARKING BRAKE ON"));
  EXPECT_TRUE(Has(list, "FLIGHT RECORDER OFF"));
  EXPECT_FALSE(Has(list, "FWD CABIN DOOR"));
  const Lines doors = {"AFT STAIRWAY DOOR", "AFT CABIN DOOR", "AFT GALLEY DOOR", "FWD STAIRWAY DOOR", "FWD CABIN DOOR",
                       "AFT CARGO DOOR",    "MID CARGO DOOR", "FWD CARGO DOOR",  "FWD GALLEY DOOR"};
  EXPECT_EQ(cockpit.alertDoors(), doors);
  EXPECT_TRUE(IsEoapKeyLit(kAlertDoorCategory));
  EXPECT_EQ(cockpit.alertLinesShown(), Window(list));

  cockpit.control("EOAP", "door", 1).runTicks(1);
  const double seen = cockpit.tick18();
  EXPECT_EQ(cockpit.alertLinesShown(), doors);
  for (uint32_t line = 1; line <= 9; ++line) EXPECT_EQ(GetEoapDisplayLine(line).category, 8u) << line;
  EXPECT_EQ(GetEoapDisplayLine(10).id, 0u);
  EXPECT_FALSE(IsEoapMoreAboveLit());
  EXPECT_FALSE(IsEoapMoreBelowLit());
  cockpit.runUntil([] { return IsEoapRecallMode() == 0; }, 10);
  EXPECT_EQ(cockpit.tick18(), seen + 91) << "the first tick more than 90 ticks after the recall was seen";
  EXPECT_EQ(cockpit.alertLinesShown(), Window(list));

  // Doors closed, then opened during the recall of the hydraulic key: the door
  // key flashes, and the recalled lines stay on the display.
  cockpit.set(Token::DoorsOpen, 0).runSeconds(1.2);
  EXPECT_TRUE(cockpit.alertDoors().empty());
  cockpit.control("EOAP", "hyd", 1).set(Token::DoorsOpen, 1).runTicks(1);
  const Lines hydraulics = cockpit.alertLinesShown();
  EXPECT_TRUE(Has(hydraulics, "PARKING BRAKE ON"));
  EXPECT_TRUE(Has(hydraulics, "L&R HYD PRESS LOW"));
  for (const std::string& line : hydraulics) EXPECT_FALSE(Has(list, line) && line.find("DOOR") != std::string::npos);
  bool doorKeyBlinked = false;
  bool doorKeyWasLit = IsEoapKeyLit(kAlertDoorCategory);
  for (int tick = 0; tick < 80; ++tick) {
    cockpit.runTicks(1);
    EXPECT_EQ(cockpit.alertLinesShown(), hydraulics) << "tick " << tick;
    doorKeyBlinked = doorKeyBlinked || IsEoapKeyLit(kAlertDoorCategory) != doorKeyWasLit;
    doorKeyWasLit = IsEoapKeyLit(kAlertDoorCategory);
  }
  EXPECT_TRUE(doorKeyBlinked);
  EXPECT_EQ(cockpit.alertDoors(), doors);

  // The parking brake off: the doors join the end of the list, in door order.
  cockpit.runSeconds(2).set(Token::ParkingBrake, 0).runSeconds(1.2);
  const Lines after = cockpit.alertList();
  ASSERT_GE(after.size(), doors.size());
  EXPECT_EQ(Lines(after.end() - 9, after.end()), doors);
  EXPECT_FALSE(Has(after, "PARKING BRAKE ON"));
  EXPECT_EQ(GetEoapScrollOffset(), std::max<int32_t>(GetEoapMessageCount() - 12, 0));
}

TEST(AlertEvaluation, GeneratorLinesCombineAndMasterCautionCounts) {
  Cockpit cockpit;
  QuietCruise(cockpit);
  cockpit.control("ELECTRIC", "gen_1", kSwitchOff).runSeconds(1.2);
  EXPECT_EQ(cockpit.alertList(), Lines{"L GEN OFF"});
  EXPECT_EQ(IsMasterCautionOn(), 1u);
  EXPECT_EQ(GetMasterCautionCount(), 1);
  // Both off: the panel changes over to the battery (a second of transfer
  // empties the list); the messages return with the two generators on one line.
  cockpit.control("ELECTRIC", "gen_2", kSwitchOff);
  cockpit.runUntil([&] { return Has(cockpit.alertList(), "L&R GEN OFF"); }, 4);
  EXPECT_TRUE(Has(cockpit.alertList(), "L&R GEN OFF"));
  EXPECT_GE(GetMasterCautionCount(), 2);
  cockpit.runSeconds(4);
  EXPECT_FALSE(Has(cockpit.alertList(), "L GEN OFF"));
  EXPECT_FALSE(Has(cockpit.alertList(), "R GEN OFF"));

  cockpit.control("Warning Lights", "master_caution", kSwitchOn).runTicks(1);
  EXPECT_EQ(IsMasterCautionOn(), 0u);
  EXPECT_EQ(GetMasterCautionCount(), 0);
  cockpit.control("ELECTRIC", "gen_1", kSwitchOn);
  cockpit.runUntil([&] { return Has(cockpit.alertList(), "R GEN OFF"); }, 4);
  EXPECT_FALSE(Has(cockpit.alertList(), "L&R GEN OFF"));
  cockpit.runSeconds(3);
  EXPECT_EQ(cockpit.alertList(), Lines{"R GEN OFF"});
  cockpit.control("Warning Lights", "master_caution", kSwitchOn).runTicks(1);
  EXPECT_EQ(IsMasterCautionOn(), 0u) << "releases after the Clear leave it off";
  cockpit.control("ICE PROTECTION", "meter_selector", 2).runSeconds(1.2);
  EXPECT_EQ(IsMasterCautionOn(), 1u) << "a new add raises it again";
  EXPECT_EQ(GetMasterCautionCount(), 1);
  cockpit.control("ELECTRIC", "gen_2", kSwitchOn).runSeconds(3);
  EXPECT_EQ(cockpit.alertList(), Lines{"PITOT/STALL HEAT OFF"});
}

bool AnyLampSet() {
  for (int32_t panel = 1; panel <= 3; ++panel) {
    for (int32_t lamp = 1; lamp <= 7; ++lamp) {
      if (IsAnnunciatorLampSet(panel, lamp) != 0) return true;
    }
  }
  return false;
}

// The battery alone powers the panel parked; the battery switch off darkens it.
TEST(AlertEvaluation, PanelPowerLostEmptiesTheListAndRestoredRefillsItInTableOrder) {
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 1).set(Token::ParkingBrake, 1).powerUp().runSeconds(1.2);
  const Lines first = cockpit.alertList();
  ASSERT_GT(first.size(), 12u);
  EXPECT_EQ(GetMasterWarningCount(), 2) << "both AC buses lost: lamps 1,7 and 3,7";
  ASSERT_EQ(IsMasterCautionOn(), 1u);

  cockpit.control("APU", "battery", kSwitchOff).runTicks(1);
  const double off = cockpit.tick18();
  cockpit.runUntil([] { return IsEoapListEmpty(); }, 3);
  EXPECT_LE(cockpit.tick18() - off, 38.0) << "the power verdict, then the evaluation: two seconds at most";
  EXPECT_FALSE(AnyLampSet());
  EXPECT_EQ(GetEoapDoorCount(), 0);
  EXPECT_EQ(GetEoapScrollOffset(), 0);
  cockpit.runTicks(1);
  EXPECT_EQ(IsMasterCautionOn(), 0u) << "the empty list puts master caution out";
  EXPECT_EQ(IsMasterWarningOn(), 1u) << "a warning waits for the pilot's Clear";

  cockpit.control("Warning Lights", "master_warning", kSwitchOn);
  cockpit.control("APU", "battery", kSwitchOn);
  cockpit.runUntil([] { return !IsEoapListEmpty(); }, 4);
  EXPECT_EQ(cockpit.alertList(), first) << "in the order of the table";
  EXPECT_EQ(IsMasterCautionOn(), 1u);
  EXPECT_EQ(GetMasterWarningCount(), 2);
  EXPECT_EQ(GetEoapScrollOffset(), static_cast<int32_t>(first.size()) - 12);
}

// External power taking over from the battery: the panel is dark for one
// second of transfer; the display blanks and the list is built anew.
TEST(AlertEvaluation, ASourceChangeBlanksTheDisplayForOneSecond) {
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 1).powerUp().runSeconds(1.2);
  ASSERT_FALSE(cockpit.alertLinesShown().empty());
  ClearMasterCaution();
  cockpit.control("ELECTRIC", "ext_bus_1_sw", kSwitchOn);
  cockpit.runUntil([] { return IsPowerState(kPowerTransfer) != 0; }, 2);
  const double blanked = cockpit.tick18();
  EXPECT_TRUE(cockpit.alertLinesShown().empty()) << "no glyph shows during the transfer";
  cockpit.runUntil([] { return IsPowerState(kPowerNormal) != 0; }, 3);
  EXPECT_EQ(cockpit.tick18() - blanked, 19.0) << "one verdict period";
  cockpit.runSeconds(1.1);
  EXPECT_FALSE(Has(cockpit.alertList(), "L AC BUS OFF"));
  EXPECT_TRUE(Has(cockpit.alertList(), "R AC BUS OFF"));
  EXPECT_EQ(cockpit.alertLinesShown(), cockpit.alertList());
  EXPECT_EQ(IsMasterCautionOn(), 1u) << "the messages return with their cautions";
}

// Start-up leaves the keys and their flash objects idle (120, not the zero
// of a record never set) and the lists empty, before any tick.
TEST(AlertList, StartUpLeavesTheKeysIdleAndTheListsEmpty) {
  Cockpit cockpit;
  for (int32_t i = 0; i < kAlertCategoryCount; ++i) {
    EXPECT_EQ(GetSwitch(&g_eoapKeySwitches[i]), kSwitchOff) << i;
    EXPECT_EQ(GetSwitch(&g_eoapFlashSwitches[i]), kSwitchOff) << i;
  }
  EXPECT_TRUE(IsEoapListEmpty());
  EXPECT_EQ(GetEoapDoorCount(), 0);
  EXPECT_EQ(IsEoapRecallMode(), 0u);
  const std::vector<std::string> startUp = cockpit.trace(simhost::Phase::Startup);
  const auto reset = std::find(startUp.begin(), startUp.end(), "ResetAnnunciators");
  EXPECT_NE(reset, startUp.end());
}

// A new message flashes its category's key: toggled on the 6 Hz ticks for
// 36 ticks from the add, then dark again (the door key stays lit).
TEST(AlertEvaluation, ANewMessageFlashesItsKeyForTwoSeconds) {
  Cockpit cockpit;
  QuietCruise(cockpit);
  cockpit.watchChannel(kChannel6Hz).control("VARIOUS", "gpws", 64);  // GPWS FAIL, category 5
  cockpit.runUntil([] { return GetSwitch(&g_eoapFlashSwitches[4]) == kSwitchOn; }, 2);
  const double added = cockpit.tick18();
  std::vector<double> toggles;
  bool lit = IsEoapKeyLit(5);
  cockpit.runUntil([&] {
    if (IsEoapKeyLit(5) != lit) toggles.push_back(cockpit.tick18());
    lit = IsEoapKeyLit(5);
    return GetSwitch(&g_eoapFlashSwitches[4]) == kSwitchOff;
  }, 4);
  EXPECT_FALSE(IsEoapKeyLit(5));
  EXPECT_GE(toggles.size(), 9u);
  for (double tick : toggles) EXPECT_EQ(cockpit.dueTicks(kChannel6Hz).count(tick), 1u) << tick;
  EXPECT_GT(cockpit.tick18() - added, 36.0);
  EXPECT_LE(cockpit.tick18() - added, 40.0) << "the flash's 36 ticks, then the next 6 Hz tick";
}

// Lamps at their limits: the angle lamp at -19 degrees and the low-speed
// lamp's band 144..181 kt, the cabin lamp at 10000 ft.
TEST(AlertEvaluation, LampLimitsOnBothSides) {
  Cockpit cockpit;
  QuietCruise(cockpit);
  const auto lampAfter = [&](int32_t panel, int32_t lamp, Token token, double value) {
    cockpit.set(token, value).runSeconds(1.1);
    return IsAnnunciatorLampSet(panel, lamp) != 0;
  };
  constexpr double kRadPerDeg = 1.0 / 57.29577951308232;
  EXPECT_FALSE(lampAfter(1, 2, Token::AlertLampAngleRad, -18.99 * kRadPerDeg));
  EXPECT_TRUE(lampAfter(1, 2, Token::AlertLampAngleRad, -19.0 * kRadPerDeg)) << "-19 degrees or less";
  EXPECT_FALSE(lampAfter(1, 2, Token::AlertLampAngleRad, -19.0 * kRadPerDeg + 1e-9)) << "above -19 clears";

  constexpr Token ias = Token::IndicatedAirspeedKt;
  EXPECT_FALSE(lampAfter(3, 2, ias, 144));
  EXPECT_TRUE(lampAfter(3, 2, ias, 143.9));
  EXPECT_TRUE(lampAfter(3, 2, ias, 181)) << "held up to 181 kt";
  EXPECT_FALSE(lampAfter(3, 2, ias, 181.1));
  EXPECT_EQ(IsMasterWarningOn(), 0u) << "the speed lamp raises no master";
}

// Electrical failure cascade, as the simulator host plays it: both
// generators off, then emergency power, then the battery off as well.
TEST(AlertScenario, ElectricalFailureCascade) {
  Cockpit cockpit;
  QuietCruise(cockpit);
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("control ELECTRIC gen_1 120\n"
                             "control ELECTRIC gen_2 120\n"
                             "control ELECTRIC dc_bus_x_tie 42\n"
                             "run 4\n"
                             "expect \"Warning Lights\" master_warning == 41\n"
                             "expect \"Warning Lights\" master_caution == 41\n",
                             "cascade.scn", &errors));
  simhost::RunLog log;
  std::string error;
  ASSERT_TRUE(simhost::RunScenario(cockpit.host(), scenario, log, &error)) << error;
  EXPECT_TRUE(Has(cockpit.alertList(), "L&R GEN OFF"));
  EXPECT_TRUE(Has(cockpit.alertList(), "L&R AC BUS OFF"));
  EXPECT_TRUE(Has(cockpit.alertList(), "DC BUS OFF"));
  EXPECT_EQ(IsAnnunciatorLampSet(1, 7), 1u);
  EXPECT_EQ(IsAnnunciatorLampSet(3, 7), 1u);
  // The two lamps raised master warning as the buses went; the second of
  // transfer to the battery emptied the lamp table without releasing it, and
  // the lamps set again raised it twice more.
  EXPECT_EQ(GetMasterWarningCount(), 4);

  simhost::Scenario emergency;
  ASSERT_TRUE(emergency.Parse("control APU emergency_power 41\n"
                              "run 1.2\n"
                              "expect \"Warning Lights\" master_warning == 41\n"
                              "control \"Warning Lights\" master_warning 41\n"
                              "run 0.5\n"
                              "expect \"Warning Lights\" master_warning == 120\n",
                              "cascade.scn", &errors));
  ASSERT_TRUE(simhost::RunScenario(cockpit.host(), emergency, log, &error)) << error;
  EXPECT_EQ(IsAnnunciatorLampSet(1, 7), 0u);
  EXPECT_EQ(IsAnnunciatorLampSet(3, 7), 0u);

  simhost::Scenario battery;
  ASSERT_TRUE(battery.Parse("control APU battery 120\n"
                            "run 2.2\n"
                            "expect EOAP messages == 0\n"
                            "expect EOAP doors == 0\n"
                            "expect \"Warning Lights\" master_caution == 120\n",
                            "cascade.scn", &errors));
  ASSERT_TRUE(simhost::RunScenario(cockpit.host(), battery, log, &error)) << error;
  EXPECT_FALSE(AnyLampSet());
  EXPECT_EQ(log.Expects().passed, 7);
  bool sawGone = false;
  for (const auto& change : cockpit.host().AlertChanges()) sawGone = sawGone || change.text == "- L&R GEN OFF";
  EXPECT_TRUE(sawGone) << "the host's log records the lines that go";
}

// The lamp test during an APU fire: master warning stays on throughout, and
// the fire lamp is still lit after the test.
TEST(AlertScenario, LampTestDuringAnApuFire) {
  Cockpit cockpit;
  QuietCruise(cockpit);
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("set apu_fire 1\n"
                             "run 1.2\n"
                             "expect \"Warning Lights\" master_warning == 41\n"
                             "control \"Annunciator Digital Lights Test\" test 41\n"
                             "run 1.5\n"
                             "expect \"Warning Lights\" master_warning == 41\n"
                             "run 1.5\n"
                             "expect \"Warning Lights\" master_warning == 41\n"
                             "run 2\n"
                             "expect \"Annunciator Digital Lights Test\" test == 120\n"
                             "expect \"Warning Lights\" master_warning == 41\n",
                             "lamp_test.scn", &errors));
  simhost::RunLog log;
  std::string error;
  ASSERT_TRUE(simhost::RunScenario(cockpit.host(), scenario, log, &error)) << error;
  EXPECT_EQ(GetAnnunciatorLamp(2, 7), 1.0);
  EXPECT_EQ(GetAnnunciatorLamp(1, 7), 0.0);
  EXPECT_EQ(GetMasterWarningCount(), 1);
}

// Each caution line releases its own raise: the master stays on while one
// is left, and goes out with the last, though a line without caution shows.
TEST(AlertEvaluation, EachRemovedCautionReleasesItsRaise) {
  Cockpit cockpit;
  QuietCruise(cockpit);
  cockpit.control("VARIOUS", "yaw_damp", 49).runSeconds(1.2);
  EXPECT_EQ(cockpit.alertList(), Lines{"YAW DAMP OFF"});
  EXPECT_EQ(IsMasterCautionOn(), 0u);
  cockpit.control("ICE PROTECTION", "meter_selector", 2).set(Token::Engine1OilPressure, 6000).runSeconds(1.2);
  EXPECT_EQ(GetMasterCautionCount(), 2);
  cockpit.set(Token::Engine1OilPressure, kOilPressureTokenNormal).runSeconds(1.2);
  EXPECT_EQ(GetMasterCautionCount(), 1);
  EXPECT_EQ(IsMasterCautionOn(), 1u);
  cockpit.control("ICE PROTECTION", "meter_selector", 1).runSeconds(1.2);
  EXPECT_EQ(cockpit.alertList(), Lines{"YAW DAMP OFF"});
  EXPECT_EQ(IsMasterCautionOn(), 0u);
}

// "APU GEN OFF": the APU's generator available but feeding no bus in place of
// a lost engine generator. It goes when the APU takes over the left bus; the
// right bus does not count.
TEST(AlertEvaluation, ApuGenOffGoesWhenTheApuTakesTheLeftBus) {
  Cockpit cockpit;
  QuietCruise(cockpit);
  cockpit.control("APU", "master", kApuMasterRun);
  RequestApuState(kApuRunAtOnce);
  cockpit.runSeconds(1.2);
  ASSERT_TRUE(Has(cockpit.alertList(), "APU GEN OFF"));
  cockpit.control("ELECTRIC", "apu_bus_2_sw", kSwitchOn).control("ELECTRIC", "gen_2", kSwitchOff).runSeconds(3);
  EXPECT_TRUE(Has(cockpit.alertList(), "APU GEN OFF")) << "the right bus on the APU";
  cockpit.control("ELECTRIC", "gen_2", kSwitchOn).control("ELECTRIC", "apu_bus_2_sw", kSwitchOff);
  cockpit.control("ELECTRIC", "apu_bus_1_sw", kSwitchOn).control("ELECTRIC", "gen_1", kSwitchOff).runSeconds(3);
  EXPECT_FALSE(Has(cockpit.alertList(), "APU GEN OFF")) << "the left bus on the APU";
}

// Conditions that stop short of an alert: the spoilers out with the flaps
// down on the ground, or the flaps at 4500; the right side fed by the start
// pump alone.
TEST(AlertEvaluation, ConditionsThatStopShortOfTheirAlerts) {
  Cockpit cockpit;
  QuietCruise(cockpit);
  cockpit.set(Token::FlapPosition, 4500).set(Token::SpoilerHandle, 8000).runSeconds(2.2);
  EXPECT_FALSE(Has(cockpit.alertList(), "SPOILER/FLAP EXTNDED")) << "4500 is not above 4500";
  cockpit.set(Token::FlapPosition, 6000).runSeconds(1.2);
  EXPECT_TRUE(Has(cockpit.alertList(), "SPOILER/FLAP EXTNDED"));
  cockpit.set(Token::OnGround, 1).runSeconds(1.2);
  bool back = false;
  cockpit.runUntil([&] { return back = Has(cockpit.alertList(), "SPOILER/FLAP EXTNDED"); }, 2.2);
  EXPECT_FALSE(back) << "on the ground";
  cockpit.set(Token::OnGround, 0).set(Token::FlapPosition, 0).set(Token::SpoilerHandle, 0).runSeconds(2.2);

  cockpit.control("ENGINE STARTER", "start_pump", kSwitchOn).control("FUEL PUMPS", "fwd_right", kSwitchOff);
  cockpit.runSeconds(2.2);
  EXPECT_FALSE(Has(cockpit.alertList(), "R FUEL PRES LOW")) << "the start pump feeds the right engine";
  cockpit.control("ENGINE STARTER", "start_pump", kSwitchOff).runSeconds(2.2);
  EXPECT_TRUE(Has(cockpit.alertList(), "R FUEL PRES LOW"));
}

// The annunciator lamps without a master, each lit by its own system and
// dark again without it: engine anti-ice on each side, and the rain
// repellent's source (latched for the session, so lit only).
struct LampCase {
  int32_t panel;
  int32_t lamp;
  void (*raise)(Cockpit&);
  void (*clear)(Cockpit&);
};
const LampCase kLampCases[] = {
    {1, 4, [](Cockpit& c) { c.control("ICE PROTECTION", "engine_left", kSwitchOn); },
     [](Cockpit& c) { c.control("ICE PROTECTION", "engine_left", kSwitchOff); }},
    {3, 4, [](Cockpit& c) { c.control("ICE PROTECTION", "engine_right", kSwitchOn); },
     [](Cockpit& c) { c.control("ICE PROTECTION", "engine_right", kSwitchOff); }},
    {1, 3, [](Cockpit& c) { c.control("Rain", "repellent_source", 1); }, nullptr},
};

TEST(AlertEvaluation, EachPlainLampLightsWithItsSystem) {
  Cockpit cockpit;
  QuietCruise(cockpit);
  for (const LampCase& row : kLampCases) {
    SCOPED_TRACE(testing::Message() << "lamp " << row.panel << "," << row.lamp);
    row.raise(cockpit);
    cockpit.runUntil([&] { return IsAnnunciatorLampSet(row.panel, row.lamp) != 0; }, 3);
    EXPECT_EQ(GetAnnunciatorLamp(row.panel, row.lamp), 1.0);
    EXPECT_EQ(IsMasterWarningOn(), 0u);
    if (row.clear == nullptr) continue;
    row.clear(cockpit);
    cockpit.runUntil([&] { return IsAnnunciatorLampSet(row.panel, row.lamp) == 0; }, 3);
    EXPECT_EQ(GetAnnunciatorLamp(row.panel, row.lamp), 0.0);
  }
}

// One row of the message table: what raises its condition through the
// system that owns it, and what takes it away again.
struct MessageCase {
  const char* text;
  bool caution;
  void (*raise)(Cockpit&);
  void (*clear)(Cockpit&);
};

void PrintTo(const MessageCase& row, std::ostream* os) { *os << row.text; }

void Control(Cockpit& cockpit, const char* section, const char* key, int32_t position) {
  cockpit.control(section, key, position);
}

const MessageCase kMessageCases[] = {
    {"CENTER FUEL PRESS LO", true,
     [](Cockpit& c) { c.set(Token::FuelCenterGal, 2).control("FUEL PUMPS", "aft_center", kSwitchOn); },
     [](Cockpit& c) { c.control("FUEL PUMPS", "aft_center", kSwitchOff); }},
    {"FUEL LEVEL LOW", false, [](Cockpit& c) { c.set(Token::FuelRightGal, 300); },
     [](Cockpit& c) { c.set(Token::FuelRightGal, kWingTankGal); }},
    {"APU GEN OFF", true,
     [](Cockpit& c) {
       c.control("APU", "master", kApuMasterRun);
       RequestApuState(kApuRunAtOnce);
     },
     [](Cockpit& c) { c.control("APU", "master", kSwitchOff); }},
    {"L AC BUS OFF", true,
     [](Cockpit& c) { c.control("ELECTRIC", "ac_bus_x_tie", 42).control("ELECTRIC", "gen_1", kSwitchOff); },
     [](Cockpit& c) { c.control("ELECTRIC", "gen_1", kSwitchOn).control("ELECTRIC", "ac_bus_x_tie", 44); }},
    {"R AC BUS OFF", true,
     [](Cockpit& c) { c.control("ELECTRIC", "ac_bus_x_tie", 42).control("ELECTRIC", "gen_2", kSwitchOff); },
     [](Cockpit& c) { c.control("ELECTRIC", "gen_2", kSwitchOn).control("ELECTRIC", "ac_bus_x_tie", 44); }},
    {"L GEN OFF", true, [](Cockpit& c) { Control(c, "ELECTRIC", "gen_1", kSwitchOff); },
     [](Cockpit& c) { Control(c, "ELECTRIC", "gen_1", kSwitchOn); }},
    {"R GEN OFF", true, [](Cockpit& c) { Control(c, "ELECTRIC", "gen_2", kSwitchOff); },
     [](Cockpit& c) { Control(c, "ELECTRIC", "gen_2", kSwitchOn); }},
    {"EMER LIGHT NOT ARMED", false, [](Cockpit& c) { Control(c, "ICE PROTECTION", "emergency_lights", kSwitchOff); },
     [](Cockpit& c) { Control(c, "ICE PROTECTION", "emergency_lights", kSwitchOn); }},
    {"AC CROSSTIE LOCKOUT", true, [](Cockpit& c) { Control(c, "ELECTRIC", "ac_bus_x_tie", 42); },
     [](Cockpit& c) { Control(c, "ELECTRIC", "ac_bus_x_tie", 44); }},
    {"BATTERY OFF", false, [](Cockpit& c) { Control(c, "APU", "battery", kSwitchOff); },
     [](Cockpit& c) { Control(c, "APU", "battery", kSwitchOn); }},
    {"DC BUS OFF", true,
     [](Cockpit& c) { c.control("ELECTRIC", "ac_bus_x_tie", 42).control("ELECTRIC", "gen_2", kSwitchOff); },
     [](Cockpit& c) { c.control("ELECTRIC", "gen_2", kSwitchOn).control("ELECTRIC", "ac_bus_x_tie", 44); }},
    {"PITOT/STALL HEAT OFF", true, [](Cockpit& c) { Control(c, "ICE PROTECTION", "meter_selector", 2); },
     [](Cockpit& c) { Control(c, "ICE PROTECTION", "meter_selector", 1); }},
    {"ENG SYNC ON", false, [](Cockpit& c) { c.control("VARIOUS", "sync", kSwitchOn).set(Token::GearHandle, 16383); },
     [](Cockpit& c) { c.set(Token::GearHandle, 0); }},
    {"L START VALVE OPEN", false,
     [](Cockpit& c) { c.set(Token::Engine1Combustion, 0).control("ENGINE STARTER", "starter_left", 51); },
     [](Cockpit& c) { c.control("ENGINE STARTER", "starter_left", kSwitchOff).set(Token::Engine1Combustion, 1); }},
    {"R START VALVE OPEN", false,
     [](Cockpit& c) { c.set(Token::Engine2Combustion, 0).control("ENGINE STARTER", "starter_right", 51); },
     [](Cockpit& c) { c.control("ENGINE STARTER", "starter_right", kSwitchOff).set(Token::Engine2Combustion, 1); }},
    {"L FUEL PRES LOW", true, [](Cockpit& c) { Control(c, "FUEL PUMPS", "fwd_left", kSwitchOff); },
     [](Cockpit& c) { Control(c, "FUEL PUMPS", "fwd_left", kSwitchOn); }},
    {"R FUEL PRES LOW", false, [](Cockpit& c) { Control(c, "FUEL PUMPS", "fwd_right", kSwitchOff); },
     [](Cockpit& c) { Control(c, "FUEL PUMPS", "fwd_right", kSwitchOn); }},
    {"ART INOP", false, [](Cockpit&) { SetTrpMode(kTrpFlexTakeoff); }, [](Cockpit&) { SetTrpMode(kTrpClimb); }},
    {"L OIL PRES LOW", true, [](Cockpit& c) { c.set(Token::Engine1OilPressure, 6000); },
     [](Cockpit& c) { c.set(Token::Engine1OilPressure, kOilPressureTokenNormal); }},
    {"R OIL PRES LOW", true, [](Cockpit& c) { c.set(Token::Engine2OilPressure, 6000); },
     [](Cockpit& c) { c.set(Token::Engine2OilPressure, kOilPressureTokenNormal); }},
    {"YAW DAMP OFF", false, [](Cockpit& c) { Control(c, "VARIOUS", "yaw_damp", 49); },
     [](Cockpit& c) { Control(c, "VARIOUS", "yaw_damp", kSwitchOn); }},
    {"GPWS FAIL", false, [](Cockpit& c) { Control(c, "VARIOUS", "gpws", 64); },
     [](Cockpit& c) { Control(c, "VARIOUS", "gpws", 43); }},
    {"SPOILER DEPLOYED", false, [](Cockpit& c) { c.set(Token::OnGround, 1).set(Token::SpoilerLeft, 1000); },
     [](Cockpit& c) { c.set(Token::SpoilerLeft, 999).set(Token::OnGround, 0); }},
    {"MACH TRIM INOP", false, [](Cockpit& c) { Control(c, "VARIOUS", "mach_trim_comp", kSwitchOff); },
     [](Cockpit& c) { Control(c, "VARIOUS", "mach_trim_comp", 43); }},
    {"FIRE DETECTION LOOP", false, [](Cockpit& c) { Control(c, "Engine Fire", "test", kSwitchOn); },
     [](Cockpit& c) { Control(c, "Engine Fire", "test", kSwitchOff); }},
    {"APU OIL PRESS LOW", false,
     [](Cockpit& c) {
       c.control("FUEL PUMPS", "aft_right", kSwitchOn).control("APU", "master", kApuMasterStart);
       c.control("APU", "master", kApuMasterRun);
     },
     [](Cockpit&) { RequestApuState(kApuRunAtOnce); }},
    {"FLIGHT RECORDER OFF", false, [](Cockpit& c) { c.set(Token::ParkingBrake, 1); },
     [](Cockpit& c) { c.control("FDR", "test_switch", 64); }},
    {"PARKING BRAKE ON", false, [](Cockpit& c) { c.set(Token::ParkingBrake, 1); },
     [](Cockpit& c) { c.set(Token::ParkingBrake, 0); }},
    {"L HYD PRESS LOW", true, [](Cockpit& c) { c.set(Token::Engine1HydraulicOutput, 0); },
     [](Cockpit& c) { c.set(Token::Engine1HydraulicOutput, kHydraulicTokenNormal); }},
    {"R HYD PRESS LOW", true, [](Cockpit& c) { c.set(Token::Engine2HydraulicOutput, 0); },
     [](Cockpit& c) { c.set(Token::Engine2HydraulicOutput, kHydraulicTokenNormal); }},
    {"L&R OUTBD ANTI-SKID", false, [](Cockpit& c) { Control(c, "VARIOUS", "anti_skid_test", 64); },
     [](Cockpit& c) { Control(c, "VARIOUS", "anti_skid_test", kSwitchOff); }},
    {"L&R INBD ANTI-SKID", false, [](Cockpit& c) { Control(c, "VARIOUS", "anti_skid", kSwitchOff); },
     [](Cockpit& c) { Control(c, "VARIOUS", "anti_skid", 127); }},
    {"SPOILER/FLAP EXTNDED", true, [](Cockpit& c) { c.set(Token::FlapPosition, 4501).set(Token::SpoilerHandle, 8000); },
     [](Cockpit& c) { c.set(Token::FlapPosition, 4499); }},
    {"RUDDER CTRL MANUAL", false, [](Cockpit& c) { c.setSwitch(&g_hydraulicLever, 9); },
     [](Cockpit& c) { c.setSwitch(&g_hydraulicLever, 1); }},
    {"FWD CABIN DOOR", false, [](Cockpit& c) { c.set(Token::DoorsOpen, 1); },
     [](Cockpit& c) { c.set(Token::DoorsOpen, 0); }},
    {"FIRE DETECTOR LOOP", false, [](Cockpit& c) { c.set(Token::Engine1Fire, 1); },
     [](Cockpit& c) { c.set(Token::Engine1Fire, 0); }},
};

// The lines whose add raises master caution: a combined line stands for two.
int32_t CautionsOf(const Lines& list) {
  static const Lines kCautionLines = {
      "CENTER FUEL PRESS LO", "APU GEN OFF", "L AC BUS OFF", "R AC BUS OFF", "L GEN OFF", "R GEN OFF",
      "AC CROSSTIE LOCKOUT", "DC BUS OFF", "PITOT/STALL HEAT OFF", "L OIL PRES LOW", "R OIL PRES LOW",
      "L FUEL PRES LOW", "L HYD PRESS LOW", "R HYD PRESS LOW", "SPOILER/FLAP EXTNDED"};
  int32_t raises = 0;
  for (const std::string& line : list) {
    if (Has(kCautionLines, line)) ++raises;
    if (line.rfind("L&R ", 0) == 0) {
      // Both members raised: the left's and the right's rows say whether.
      raises += Has(kCautionLines, "L " + line.substr(4)) ? 1 : 0;
      raises += Has(kCautionLines, "R " + line.substr(4)) ? 1 : 0;
    }
  }
  return raises;
}

class EveryMessage : public testing::TestWithParam<MessageCase> {};

// Each row from a quiet cruise: its condition raised through its system
// brings its line (and master caution where the row says so) within the
// next evaluation; cleared, the line goes and the caution is released.
TEST_P(EveryMessage, AppearsWithItsConditionAndGoesWithoutIt) {
  const MessageCase& row = GetParam();
  Cockpit cockpit;
  QuietCruise(cockpit);
  row.raise(cockpit);
  cockpit.runUntil([&] { return Has(cockpit.alertList(), row.text); }, 40);
  ASSERT_TRUE(Has(cockpit.alertList(), row.text)) << testing::PrintToString(cockpit.alertList());
  EXPECT_TRUE(Has(cockpit.alertLinesShown(), row.text) || GetEoapScrollOffset() > 0);
  if (row.caution) {
    EXPECT_EQ(IsMasterCautionOn(), 1u);
  }
  if (!row.caution && cockpit.alertList().size() == 1) {
    EXPECT_EQ(IsMasterCautionOn(), 0u);
  }
  EXPECT_EQ(GetMasterCautionCount(), CautionsOf(cockpit.alertList())) << "one raise a caution line (two an L&R line)";
  // (The GPWS test switch springs back by itself after 36 ticks.)
  bool gone = false;
  cockpit.runUntil([&] { return gone = !Has(cockpit.alertList(), row.text); }, 2.2);
  if (std::string(row.text) != "GPWS FAIL") {
    EXPECT_FALSE(gone) << "it stays while its condition holds";
  }
  const int32_t cautionsRaised = GetMasterCautionCount();
  row.clear(cockpit);
  cockpit.runUntil([&] { return !Has(cockpit.alertList(), row.text); }, 20);
  bool back = false;
  cockpit.runUntil([&] { return back = Has(cockpit.alertList(), row.text); }, 2.2);
  EXPECT_FALSE(back) << "and stays away: " << testing::PrintToString(cockpit.alertList());
  if (row.caution && cockpit.alertList().empty()) {
    EXPECT_EQ(IsMasterCautionOn(), 0u);
  }
  if (row.caution) {
    EXPECT_LT(GetMasterCautionCount(), cautionsRaised);
  }
}

std::string CaseName(const testing::TestParamInfo<MessageCase>& info) {
  std::string name;
  for (const char* c = info.param.text; *c != '\0'; ++c) {
    if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Table, EveryMessage, testing::ValuesIn(kMessageCases), CaseName);

}  // namespace
}  // namespace halcyon::test
