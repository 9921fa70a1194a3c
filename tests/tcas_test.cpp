// The TCAS computer: its lists (fill, append, countdown purge, display copy),
// range samples, dimmer and brightness; the sensitivity levels, the threat
// classes on both sides of every limit, the traffic and clear-of-conflict
// voices, the self-test, one advisory at a time, the advisory table row by
// row; and a scripted encounter flown through the host.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "displays/tcas/tcas.h"
#include "displays/tcas/tcas_logic.h"
#include "host/voice_queue.h"
#include "nav/great_circle.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "systems/electric.h"
#include "systems/radios.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;

std::vector<std::string> Ids(const CTcasTarget* list) {
  std::vector<std::string> ids;
  for (const CTcasTarget* record = list; record != nullptr; record = record->GetNext()) ids.push_back(record->GetId());
  return ids;
}

std::vector<uint32_t> Queued() { return {g_voiceQueue, g_voiceQueue + g_voiceQueueCount}; }

// ---- The lists ----

TEST(TcasList, TheEmptyRecordIsFilledFirstAndIdsAreFoundByteForByte) {
  Cockpit cockpit;
  EXPECT_EQ(Ids(g_tcas->GetTrafficList()), std::vector<std::string>{""});
  g_tcas->AppendTarget("SWR12", CLatLon(47.5, 8.6), 5000, 3600, -700, 0);
  EXPECT_EQ(Ids(g_tcas->GetTrafficList()), std::vector<std::string>{"SWR12"}) << "filled, not appended";
  g_tcas->AppendTarget("DLH4", CLatLon(47.4, 8.6), 9000, 7600, 0, 0);
  EXPECT_EQ(Ids(g_tcas->GetTrafficList()), (std::vector<std::string>{"SWR12", "DLH4"}));
  EXPECT_EQ(g_tcas->FindTarget("DLH4"), g_tcas->GetTrafficList()->GetNext());
  EXPECT_EQ(g_tcas->FindTarget("DLH"), nullptr);
  EXPECT_EQ(g_tcas->FindTarget("dlh4"), nullptr);
  const CTcasTarget& swiss = *g_tcas->FindTarget("SWR12");
  EXPECT_EQ(swiss.GetSeenCountdown(), kTcasSeenCountdown);
  EXPECT_EQ(swiss.GetThreatClass(), kTcasOtherTraffic);
  EXPECT_EQ(swiss.GetClosureRate(), kUnsetValue);
  EXPECT_NEAR(swiss.GetRange(), GreatCircleDistanceNm(0, 0, 47.5, 8.6), 1e-9) << "from the own position";

  // An id of 300 characters keeps its first 255.
  const std::string longId(300, 'X');
  g_tcas->AppendTarget(longId.c_str(), CLatLon(47.4, 8.6), 9000, 7600, 0, 0);
  EXPECT_EQ(std::string(g_tcas->FindTarget(std::string(255, 'X').c_str())->GetId()).size(), 255u);
}

TEST(TcasList, ARecordIsPurgedAtTheSixthRequestAfterItsLastAnswer) {
  Cockpit cockpit;
  for (const char* id : {"A", "B", "C"}) g_tcas->AppendTarget(id, CLatLon(47.5, 8.6), 5000, 3600, 0, 0);
  g_tcas->FindTarget("A")->SetThreatClass(kTcasTrafficAdvisory);
  // Each request purges, then ages; B keeps answering.
  for (int request = 1; request <= 5; ++request) {
    g_tcas->PurgeUnseenTargets();
    g_tcas->AgeTargets();
    g_tcas->FindTarget("B")->SetSeen(true);
  }
  EXPECT_EQ(Ids(g_tcas->GetTrafficList()), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(g_tcas->FindTarget("A")->GetSeenCountdown(), 0);

  g_tcas->CopyTrafficToDisplay();
  EXPECT_EQ(Ids(g_tcas->GetDisplayList()), (std::vector<std::string>{"A", "B", "C"}));
  const CTcasTarget& copy = *g_tcas->GetDisplayList();
  EXPECT_EQ(copy.GetThreatClass(), kTcasTrafficAdvisory);
  EXPECT_EQ(copy.GetSeenCountdown(), 0);
  EXPECT_EQ(copy.GetRange(), g_tcas->FindTarget("A")->GetRange());
  EXPECT_EQ(copy.GetHeightAboveGround(), kUnsetValue) << "not carried into the display";

  g_tcas->PurgeUnseenTargets();  // the sixth
  EXPECT_EQ(Ids(g_tcas->GetTrafficList()), std::vector<std::string>{"B"}) << "the first and the last go";
  g_tcas->AgeTargets();
  for (int request = 1; request <= 5; ++request) {
    g_tcas->PurgeUnseenTargets();
    g_tcas->AgeTargets();
  }
  g_tcas->PurgeUnseenTargets();
  EXPECT_EQ(Ids(g_tcas->GetTrafficList()), std::vector<std::string>{""}) << "one empty record again";
  g_tcas->CopyTrafficToDisplay();
  EXPECT_EQ(Ids(g_tcas->GetDisplayList()), std::vector<std::string>{""});
}

TEST(TcasList, RangeSamplesGiveClosureAndTau) {
  CTcasTarget record;
  record.SetRange(5.0);
  record.UpdateClosure(1000);
  EXPECT_EQ(record.GetClosureRate(), kUnsetValue) << "the first sample only starts";
  record.SetRange(4.9);
  record.UpdateClosure(1018);
  EXPECT_NEAR(record.GetClosureRate(), 0.1, 1e-12);
  EXPECT_NEAR(record.GetTau(), 49.0, 1e-9);
  record.SetRange(4.9);
  record.UpdateClosure(1027);  // half a second
  EXPECT_EQ(record.GetClosureRate(), 0.0);
  EXPECT_EQ(record.GetTau(), kUnsetValue);
  record.SetRange(5.4);
  record.UpdateClosure(1036);
  EXPECT_NEAR(record.GetClosureRate(), -1.0, 1e-12) << "opening";
  EXPECT_NEAR(record.GetTau(), -5.4, 1e-9);
  // A second sample on the same tick keeps what the last one measured.
  record.SetRange(1.0);
  record.UpdateClosure(1036);
  EXPECT_NEAR(record.GetClosureRate(), -1.0, 1e-12);
  record.SetRange(5.3);
  record.UpdateClosure(1054);
  EXPECT_NEAR(record.GetClosureRate(), 0.1, 1e-12) << "measured from the sample before";
}

TEST(TcasDimmer, StepsStopAtTheEndsAndTheKeyRoundTrips) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[TCAS]\r\nDimmerSwitch=0.750000\r\n");
  cockpit.start();
  EXPECT_EQ(g_tcas->GetDimmer(), 0.75);
  EXPECT_EQ(g_tcas->GetBrightness(), 0.75);
  g_tcas->SetDimmer(1.0);
  EXPECT_EQ(g_tcas->GetDimmer(), 1.0);
  g_tcas->SetDimmer(1.2);
  g_tcas->SetDimmer(-0.1);
  EXPECT_EQ(g_tcas->GetDimmer(), 1.0);
  g_tcas->SetDimmer(0.0);
  EXPECT_EQ(g_tcas->GetDimmer(), 0.0);
  g_tcas->SetDimmer(0.95);
  g_tcas->DimmerUp();
  EXPECT_EQ(g_tcas->GetDimmer(), 1.0);
  g_tcas->SetDimmer(0.05);
  g_tcas->DimmerDown();
  EXPECT_EQ(g_tcas->GetDimmer(), 0.0);
  g_tcas->DimmerUp();
  g_tcas->DimmerUp();
  EXPECT_NEAR(g_tcas->GetDimmer(), 0.2, 1e-12);
  int32_t tenths = 0;
  ASSERT_TRUE(cockpit.host().Module().ControlPosition("TCAS", "DimmerSwitch", &tenths));
  EXPECT_EQ(tenths, 2) << "read back in tenths";
  cockpit.control("TCAS", "DimmerSwitch", 5);
  EXPECT_EQ(g_tcas->GetDimmer(), 0.5) << "a scenario moves it in tenths";
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("TCAS", "DimmerSwitch"), "0.500000");
}

// The key is read through four characters and held within the knob's travel.
struct SavedDimmer {
  const char* text;
  double dimmer;
};
class TcasDimmerKey : public ::testing::TestWithParam<SavedDimmer> {};

TEST_P(TcasDimmerKey, ReadsAs) {
  Cockpit cockpit({.start = false});
  if (GetParam().text != nullptr) {
    cockpit.writeFile(kIni, std::string("[TCAS]\r\nDimmerSwitch=") + GetParam().text + "\r\n");
  }
  cockpit.start();
  EXPECT_EQ(g_tcas->GetDimmer(), GetParam().dimmer);
}

INSTANTIATE_TEST_SUITE_P(TcasDimmer, TcasDimmerKey,
                         ::testing::Values(SavedDimmer{"0.777777", 0.77}, SavedDimmer{"dim", 0.0},
                                           SavedDimmer{"1.5", 1.0}, SavedDimmer{"-3", 0.0}, SavedDimmer{nullptr, 0.0}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(TcasDimmer, BrightnessFollowsTheDimmerAHundredthATickWithPower) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[TCAS]\r\nDimmerSwitch=0.5\r\n");
  cockpit.start().runTicks(1);
  EXPECT_EQ(g_tcas->GetBrightness(), 0.0) << "dark at once without power";
  cockpit.powerUp();
  const double start = g_tcas->GetBrightness();
  cockpit.runTicks(1);
  EXPECT_NEAR(g_tcas->GetBrightness(), start + 0.01, 1e-12);
  cockpit.runTicks(10);
  EXPECT_NEAR(g_tcas->GetBrightness(), start + 0.11, 1e-12);
  cockpit.runTicks(60);
  EXPECT_EQ(g_tcas->GetBrightness(), 0.5) << "stops on the dimmer";
  g_tcas->SetDimmer(0.455);
  cockpit.runTicks(4);
  EXPECT_NEAR(g_tcas->GetBrightness(), 0.46, 1e-12);
  cockpit.runTicks(1);
  EXPECT_EQ(g_tcas->GetBrightness(), 0.455) << "stops on the dimmer going down";
  g_tcas->SetDimmer(0.5);
  cockpit.runTicks(4);
  EXPECT_NEAR(g_tcas->GetBrightness(), 0.495, 1e-12);
  cockpit.runTicks(1);
  EXPECT_EQ(g_tcas->GetBrightness(), 0.5) << "stops on the dimmer going up, short of a whole step";
  cockpit.control("APU", "battery", kSwitchOff).runUntil([] { return IsPowerState(kPowerNormal) == 0; }, 3);
  EXPECT_EQ(g_tcas->GetBrightness(), 0.0);
}

// ---- Surveillance ----

// Own aircraft at `altitudeFt` with the transponder knob at `mode`, the
// radio altitude giving the sensitivity level.
void Flying(Cockpit& cockpit, double radioAltitudeFt, double altitudeFt = 8000.0, int32_t mode = 90) {
  cockpit.control("TRANSPONDER", "mode", mode)
      .setScaled(Token::RadioAltitudeM, radioAltitudeFt)
      .set(Token::AltitudeFt, altitudeFt);
}

// The radio altitude the TCAS reads as exactly `feet` where a value in
// metres gives it (1100 and 1450 ft; no value reads as exactly 500 or 1000
// ft), else the nearest.
void SetRadioAltitude(Cockpit& cockpit, double feet) {
  const double metres = ExactInput(feet / kFeetPerMetre, feet, [](double m) { return m * kFeetPerMetre; });
  cockpit.set(Token::RadioAltitudeM, std::isnan(metres) ? feet / kFeetPerMetre : metres);
}

// An intruder closing at a constant rate: its range now, the rate and its
// altitude and vertical speed relative to own aircraft.
struct Closing {
  double rangeNm;
  double closureNmPerSec = 0.125;
  double relativeFt = 0.0;
  double verticalSpeedFpm = 0.0;
};

// Runs to the tick just after a once-a-second sample, so that records placed
// by hand keep their range sample for the next 18 ticks.
void AfterSample(Cockpit& cockpit) {
  cockpit.runUntil([] { return IsTickDue(kChannel1Hz) == 1; }, 2);
}

CTcasTarget& PlaceIntruder(Cockpit& cockpit, const char* id, const Closing& closing) {
  const double own = cockpit.token(Token::AltitudeFt);
  g_tcas->AppendTarget(id, CLatLon(47.5, 8.5), own + closing.relativeFt, 3000, closing.verticalSpeedFpm, 0);
  CTcasTarget& record = *g_tcas->FindTarget(id);
  record.SetRange(closing.rangeNm + closing.closureNmPerSec);
  record.UpdateClosure(0);
  record.SetRange(closing.rangeNm);
  record.UpdateClosure(18);
  return record;
}

// The class a fresh intruder takes on the next tick.
int32_t ClassOf(Cockpit& cockpit, const Closing& closing) {
  AfterSample(cockpit);
  CTcasTarget& record = PlaceIntruder(cockpit, "TEST1", closing);
  cockpit.runTicks(1);
  const int32_t threatClass = record.GetThreatClass();
  g_tcas->ClearThreat();
  g_tcas->GetTrafficList()->Reset();
  return threatClass;
}

TEST(TcasSurveillance, SensitivityLevelsByKnobAndRadioAltitude) {
  EXPECT_EQ(ChooseTcasSensitivityLevel(87, 3000), 1);
  EXPECT_EQ(ChooseTcasSensitivityLevel(85, 3000), 1);
  for (int32_t mode : {89, 90}) {
    EXPECT_EQ(ChooseTcasSensitivityLevel(mode, 999.9), 2);
    EXPECT_EQ(ChooseTcasSensitivityLevel(mode, 1000), 3);
    EXPECT_EQ(ChooseTcasSensitivityLevel(mode, 2349.9), 3);
    EXPECT_EQ(ChooseTcasSensitivityLevel(mode, 2350), 4);
    EXPECT_EQ(ChooseTcasSensitivityLevel(mode, 4999.9), 4);
    EXPECT_EQ(ChooseTcasSensitivityLevel(mode, 5000), 5);
    EXPECT_EQ(ChooseTcasSensitivityLevel(mode, 9999.9), 5);
    EXPECT_EQ(ChooseTcasSensitivityLevel(mode, 10000), 6);
    EXPECT_EQ(ChooseTcasSensitivityLevel(mode, 19999.9), 6);
    EXPECT_EQ(ChooseTcasSensitivityLevel(mode, 20000), 7);
  }
  Cockpit cockpit;
  Flying(cockpit, 6000);
  cockpit.runTicks(1);
  EXPECT_EQ(g_tcas->GetSensitivityLevel(), 5);
  cockpit.control("TRANSPONDER", "mode", 88).runTicks(1);
  EXPECT_EQ(g_tcas->GetSensitivityLevel(), 1);
}

// The published sensitivity-level thresholds (range NM, tau s, ALIM, ZTHR
// for advisories, TA tau and range) for altitudes below FL420.
TEST(TcasSurveillance, LevelThresholdsMatchThePublishedTable) {
  struct Row {
    int level;
    double raTau, raRange, alim, zthr, taTau, taRange;
  };
  for (const Row& row : {Row{3, 15, 0.2, 300, 600, 25, 0.33}, Row{4, 20, 0.35, 300, 600, 30, 0.48},
                         Row{5, 25, 0.55, 350, 600, 40, 0.75}, Row{6, 30, 0.8, 400, 600, 45, 1.0},
                         Row{7, 35, 1.1, 600, 700, 48, 1.3}}) {
    const TcasSensitivity& level = TcasSensitivityOf(row.level);
    EXPECT_TRUE(level.ra && level.ta) << row.level;
    EXPECT_EQ(level.raTauSec, row.raTau) << row.level;
    EXPECT_EQ(level.raRangeNm, row.raRange) << row.level;
    EXPECT_EQ(level.correctiveFt, row.alim) << row.level;
    EXPECT_EQ(level.preventiveFt, row.zthr) << row.level;
    EXPECT_EQ(level.taTauSec, row.taTau) << row.level;
    EXPECT_NEAR(level.taRangeNm, row.taRange, 0.004) << row.level;
    EXPECT_EQ(level.taAltitudeFt, 850.0);
  }
  EXPECT_FALSE(TcasSensitivityOf(2).ra);
  EXPECT_TRUE(TcasSensitivityOf(2).ta);
  EXPECT_FALSE(TcasSensitivityOf(1).ta || TcasSensitivityOf(1).ra || TcasSensitivityOf(8).ta);
}

TEST(TcasSurveillance, ClassesOnBothSidesOfEveryLimitAtLevelFive) {
  Cockpit cockpit;
  Flying(cockpit, 6000);
  // The examples: 0.5 NM closing.
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.5, .relativeFt = 300}), kTcasCorrectiveAdvisory);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.5, .relativeFt = 500}), kTcasPreventiveAdvisory);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.5, .relativeFt = 800}), kTcasTrafficAdvisory);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.5, .relativeFt = 900}), kTcasOtherTraffic);
  // Altitude limits, included, above and below.
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.5, .relativeFt = 350}), kTcasCorrectiveAdvisory);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.5, .relativeFt = -350}), kTcasCorrectiveAdvisory);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.5, .relativeFt = -351}), kTcasPreventiveAdvisory);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.5, .relativeFt = 600}), kTcasPreventiveAdvisory);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.5, .relativeFt = -601}), kTcasTrafficAdvisory);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.5, .relativeFt = -850}), kTcasTrafficAdvisory);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.5, .relativeFt = 851}), kTcasOtherTraffic);
  // Range limits, with a slow closure (tau far off).
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.549, .closureNmPerSec = 0.001}), kTcasCorrectiveAdvisory);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.55, .closureNmPerSec = 0.001}), kTcasTrafficAdvisory);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.749, .closureNmPerSec = 0.001}), kTcasTrafficAdvisory);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.75, .closureNmPerSec = 0.001}), kTcasOtherTraffic);
  // Tau limits, far beyond the ranges: 3.12 / 0.125 = 24.96 s, 3.125 / 0.125 = 25 s.
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 3.12}), kTcasCorrectiveAdvisory);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 3.125}), kTcasTrafficAdvisory);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 4.99}), kTcasTrafficAdvisory);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 5.0}), kTcasOtherTraffic);
  // Nothing without closure, however near.
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.1, .closureNmPerSec = 0.0}), kTcasOtherTraffic);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.1, .closureNmPerSec = -0.125}), kTcasOtherTraffic);
}

TEST(TcasSurveillance, LowLevelsAndTauExactlyOnTheLimit) {
  Cockpit cockpit;
  Flying(cockpit, 800);  // level 2: traffic advisories only
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.25, .relativeFt = 800}), kTcasTrafficAdvisory);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.1}), kTcasTrafficAdvisory);
  Flying(cockpit, 15000);  // level 6: 3.75 NM at 0.125 NM/s is a tau of 30 s exactly
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 3.75, .relativeFt = -350}), kTcasTrafficAdvisory);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 3.7, .relativeFt = -350}), kTcasCorrectiveAdvisory);
  Flying(cockpit, 25000);  // level 7
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 1.09, .closureNmPerSec = 0.001, .relativeFt = 650}),
            kTcasPreventiveAdvisory);
  Flying(cockpit, 25000, 8000, 89);  // TA ONLY classifies as TA/RA does
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 1.09, .closureNmPerSec = 0.001, .relativeFt = 600}),
            kTcasCorrectiveAdvisory);
  Flying(cockpit, 25000, 8000, 87);
  EXPECT_EQ(ClassOf(cockpit, {.rangeNm = 0.1}), kTcasOtherTraffic);
}

// Once a second, on the tick channel 0 falls due: the display's copy and the
// range samples.
TEST(TcasSurveillance, TheDisplayCopyAndSamplesComeOnTheOneSecondChannel) {
  Cockpit cockpit;
  AfterSample(cockpit);
  g_tcas->AppendTarget("LATE", CLatLon(47.5, 8.5), 8000, 3000, 0, 0);
  int ticks = 0;
  while (std::string(g_tcas->GetDisplayList()->GetId()) != "LATE" && ticks < 40) {
    cockpit.runTicks(1);
    ++ticks;
  }
  EXPECT_EQ(ticks, 19) << "the next tick channel 0 is due";
  EXPECT_EQ(IsTickDue(kChannel1Hz), 1u);
  EXPECT_EQ(g_tcas->FindTarget("LATE")->GetClosureRate(), kUnsetValue) << "its first sample";
  cockpit.runTicks(18);
  EXPECT_EQ(g_tcas->FindTarget("LATE")->GetClosureRate(), kUnsetValue);
  cockpit.runTicks(1);
  EXPECT_EQ(g_tcas->FindTarget("LATE")->GetClosureRate(), 0.0) << "the second, 19 ticks on: standing still";
}

TEST(TcasSurveillance, ANewIntruderWaitsForItsSecondSample) {
  Cockpit cockpit;
  Flying(cockpit, 6000);
  AfterSample(cockpit);
  g_tcas->AppendTarget("NEW", CLatLon(47.5, 8.5), 8000, 3000, 0, 0);
  g_tcas->FindTarget("NEW")->SetRange(0.1);
  cockpit.runTicks(1);
  EXPECT_EQ(g_tcas->FindTarget("NEW")->GetThreatClass(), kTcasOtherTraffic) << "no closure yet";
}

// ---- Voices and the advisory of one threat ----

TEST(TcasAdvisory, TrafficThenAdvisoryThenClearOfConflictInOrder) {
  Cockpit cockpit;
  Flying(cockpit, 3000);  // level 4
  AfterSample(cockpit);
  ClearVoiceQueue();
  CTcasTarget& intruder = PlaceIntruder(cockpit, "SWR12", {.rangeNm = 0.4, .relativeFt = 700});
  cockpit.runTicks(1);
  EXPECT_EQ(Queued(), std::vector<uint32_t>{kVoiceTcasTraffic});
  EXPECT_EQ(g_tcas->GetThreat(), nullptr);
  ClearVoiceQueue();
  intruder.SetAltitude(8250);
  cockpit.runTicks(1);
  EXPECT_EQ(intruder.GetThreatClass(), kTcasCorrectiveAdvisory);
  EXPECT_EQ(g_tcas->GetThreat(), &intruder);
  EXPECT_EQ(Queued(), std::vector<uint32_t>{kVoiceTcasDescend}) << "level, the intruder above";
  EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisoryDownward);
  ClearVoiceQueue();
  cockpit.runTicks(3);
  EXPECT_TRUE(Queued().empty()) << "no voice while the class stays";
  intruder.SetAltitude(8700);
  cockpit.runTicks(1);
  EXPECT_EQ(Queued(), (std::vector<uint32_t>{kVoiceTcasTraffic, kVoiceTcasClearOfConflict}));
  EXPECT_EQ(g_tcas->GetThreat(), nullptr);
  EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisoryNone);
}

TEST(TcasAdvisory, NoVoiceAtOrBelowFiveHundredFeet) {
  Cockpit cockpit;
  Flying(cockpit, 499.99);
  AfterSample(cockpit);
  ClearVoiceQueue();
  CTcasTarget& intruder = PlaceIntruder(cockpit, "LOW", {.rangeNm = 0.2});
  cockpit.runTicks(1);
  EXPECT_EQ(intruder.GetThreatClass(), kTcasTrafficAdvisory);
  EXPECT_TRUE(Queued().empty());
  intruder.SetAltitude(9000);
  cockpit.runTicks(1);
  cockpit.setScaled(Token::RadioAltitudeM, 500.01);
  intruder.SetAltitude(8000);
  cockpit.runTicks(1);
  EXPECT_EQ(Queued(), std::vector<uint32_t>{kVoiceTcasTraffic});
}

// An advisory that ends while the aircraft descends through 500 ft: the
// class falls to a traffic advisory (below 1000 ft there are no resolution
// advisories) and the advisory ends; the two voices only above 500 ft.
TEST(TcasAdvisory, TheClearOfConflictVoiceOnlyAboveFiveHundredFeet) {
  Cockpit cockpit;
  struct Sample {
    double radioAltitudeFt;
    std::vector<uint32_t> voices;
  };
  for (const Sample& sample : {Sample{499.99, {}}, Sample{500.01, {kVoiceTcasTraffic, kVoiceTcasClearOfConflict}}}) {
    Flying(cockpit, 3000);
    AfterSample(cockpit);
    CTcasTarget& intruder = PlaceIntruder(cockpit, "SINK", {.rangeNm = 0.1, .closureNmPerSec = 0.001, .relativeFt = 200});
    cockpit.runTicks(1);
    ASSERT_EQ(intruder.GetThreatClass(), kTcasCorrectiveAdvisory);
    ASSERT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisoryDownward);
    ClearVoiceQueue();
    SetRadioAltitude(cockpit, sample.radioAltitudeFt);
    cockpit.runTicks(1);
    EXPECT_EQ(intruder.GetThreatClass(), kTcasTrafficAdvisory) << sample.radioAltitudeFt;
    EXPECT_EQ(Queued(), sample.voices) << sample.radioAltitudeFt << " ft";
    EXPECT_EQ(g_tcas->GetThreat(), nullptr) << sample.radioAltitudeFt;
    EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisoryNone) << sample.radioAltitudeFt;
    g_tcas->GetTrafficList()->Reset();
  }
}

TEST(TcasAdvisory, OneThreatAtATimeAndTheKnobToStandbyEndsIt) {
  Cockpit cockpit;
  Flying(cockpit, 3000);
  AfterSample(cockpit);
  ClearVoiceQueue();
  CTcasTarget& first = PlaceIntruder(cockpit, "FIRST", {.rangeNm = 0.3, .relativeFt = -200});
  cockpit.runTicks(1);
  EXPECT_EQ(Queued(), std::vector<uint32_t>{kVoiceTcasClimb});
  EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisoryUpward);
  ClearVoiceQueue();
  g_tcas->SetNoTcas(true);  // the display's switch does not stop the computer
  CTcasTarget& second = PlaceIntruder(cockpit, "SECOND", {.rangeNm = 0.3, .relativeFt = 100});
  cockpit.runTicks(1);
  EXPECT_EQ(second.GetThreatClass(), kTcasCorrectiveAdvisory);
  EXPECT_TRUE(Queued().empty()) << "a second intruder starts no advisory of its own";
  EXPECT_EQ(g_tcas->GetThreat(), &first);
  EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisoryUpward);

  // The threat's class changes: re-evaluated, and absolute altitudes end.
  cockpit.setSwitch(&g_tcasAbsAltitudeSwitch, kSwitchOn);
  first.SetAltitude(8000 - 450);
  cockpit.runTicks(1);
  EXPECT_EQ(first.GetThreatClass(), kTcasPreventiveAdvisory);
  EXPECT_EQ(Queued(), std::vector<uint32_t>{kVoiceTcasMaintainVerticalSpeed});
  EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisoryNoDescent);
  EXPECT_EQ(GetSwitch(&g_tcasAbsAltitudeSwitch), kSwitchOff);

  ClearVoiceQueue();
  cockpit.control("TRANSPONDER", "mode", 87).runTicks(1);
  EXPECT_EQ(first.GetThreatClass(), kTcasOtherTraffic);
  EXPECT_EQ(second.GetThreatClass(), kTcasOtherTraffic);
  EXPECT_EQ(Queued(), std::vector<uint32_t>{kVoiceTcasClearOfConflict});
  EXPECT_EQ(g_tcas->GetThreat(), nullptr);
  EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisoryNone);
}

TEST(TcasAdvisory, TheSelfTestHoldsEverythingAndEndsWithTestOk) {
  Cockpit cockpit;
  Flying(cockpit, 3000);
  AfterSample(cockpit);
  CTcasTarget& intruder = PlaceIntruder(cockpit, "HELD", {.rangeNm = 0.3, .closureNmPerSec = 0.001});
  cockpit.runTicks(1);
  ClearVoiceQueue();
  cockpit.control("TRANSPONDER", "mode", 85).runTicks(1);
  EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisorySelfTest);
  intruder.SetAltitude(20000);
  for (int second = 0; second < 11; ++second) {
    intruder.SetSeen(true);  // it keeps answering
    cockpit.runTicks(18);
  }
  EXPECT_EQ(intruder.GetThreatClass(), kTcasCorrectiveAdvisory) << "classes are held during the test";
  EXPECT_EQ(g_tcas->GetThreat(), &intruder);
  EXPECT_TRUE(Queued().empty());
  cockpit.runUntil([] { return GetSwitch(&g_tcasTestSwitch) != kSwitchOn; }, 2);
  EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisoryNone);
  EXPECT_EQ(Queued(), (std::vector<uint32_t>{kVoiceTcasTestOk, kVoiceTcasClearOfConflict}))
      << "test OK once; then the intruder far above has gone";
}

// Without traffic the test's end alone puts the advisory state back.
TEST(TcasAdvisory, TheSelfTestEndsOnItsOwnWithNoTraffic) {
  Cockpit cockpit;
  Flying(cockpit, 3000);
  ClearVoiceQueue();
  cockpit.control("TRANSPONDER", "mode", 85).runTicks(1);
  EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisorySelfTest);
  cockpit.runUntil([] { return GetSwitch(&g_tcasTestSwitch) != kSwitchOn; }, 20);
  EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisoryNone);
  EXPECT_EQ(Queued(), std::vector<uint32_t>{kVoiceTcasTestOk});
}

// A record the purge deletes takes the advisory it holds with it (the
// record must not be reached through the threat afterwards); the self-test's
// state stays.
TEST(TcasAdvisory, APurgedThreatEndsTheAdvisoryWithoutAVoice) {
  Cockpit cockpit;
  for (const char* id : {"KEPT", "GONE"}) g_tcas->AppendTarget(id, CLatLon(47.5, 8.6), 5000, 3600, 0, 0);
  g_tcas->SetThreat(g_tcas->FindTarget("GONE"));
  g_tcas->SetAdvisoryState(kTcasAdvisoryDownward);
  for (int request = 1; request <= 5; ++request) {
    g_tcas->PurgeUnseenTargets();
    g_tcas->AgeTargets();
    g_tcas->FindTarget("KEPT")->SetSeen(true);
  }
  g_tcas->PurgeUnseenTargets();
  EXPECT_EQ(g_tcas->FindTarget("GONE"), nullptr);
  EXPECT_EQ(g_tcas->GetThreat(), nullptr);
  EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisoryNone);
  EXPECT_TRUE(Queued().empty());

  g_tcas->AppendTarget("LAST", CLatLon(47.5, 8.6), 5000, 3600, 0, 0);
  g_tcas->SetThreat(g_tcas->FindTarget("KEPT"));
  g_tcas->SetAdvisoryState(kTcasAdvisorySelfTest);
  g_tcas->RemoveTarget(g_tcas->FindTarget("KEPT"));
  EXPECT_EQ(g_tcas->GetThreat(), nullptr);
  EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisorySelfTest);
  EXPECT_EQ(Ids(g_tcas->GetTrafficList()), std::vector<std::string>{"LAST"});
  g_tcas->RemoveTarget(g_tcas->GetTrafficList());
  EXPECT_EQ(Ids(g_tcas->GetTrafficList()), std::vector<std::string>{"LAST"}) << "the lone record stays";
}

// ---- The advisory table, row by row ----

struct Row {
  double ownFpm;
  double relativeFt;
  double radioAltitudeFt;
  bool corrective;
  VoiceMessageId voice;
  int32_t state;
};

// Each row evaluated alone, in one cockpit.
void ExpectAdvisories(std::initializer_list<Row> rows) {
  Cockpit cockpit;
  for (const Row& row : rows) {
    CTcasTarget target;
    target.SetAltitude(8000 + row.relativeFt);
    cockpit.setScaled(Token::VerticalSpeed, row.ownFpm).set(Token::AltitudeFt, 8000);
    SetRadioAltitude(cockpit, row.radioAltitudeFt);
    ClearVoiceQueue();
    g_tcas->SetAdvisoryState(-1);
    EvaluateResolutionAdvisory(!row.corrective, row.corrective, &target);
    EXPECT_EQ(Queued(), std::vector<uint32_t>{row.voice})
        << row.ownFpm << " ft/min, " << row.relativeFt << " ft, " << row.radioAltitudeFt << " ft RA, "
        << (row.corrective ? "corrective" : "preventive");
    EXPECT_EQ(g_tcas->GetAdvisoryState(), row.state)
        << row.ownFpm << " ft/min, " << row.relativeFt << " ft, " << row.radioAltitudeFt << " ft RA";
  }
}

TEST(TcasAdvisory, AgainstAnIntruderBelow) {
  ExpectAdvisories({
      Row{0, -300, 3000, true, kVoiceTcasClimb, kTcasAdvisoryUpward},
      Row{199, -300, 3000, false, kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryNoDescent},
      Row{-199, -300, 3000, false, kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryNoDescent},
      Row{200, -300, 3000, true, kVoiceTcasIncreaseClimb, kTcasAdvisoryUpward},
      Row{1500, -300, 3000, false, kVoiceTcasAdjustVerticalSpeed, kTcasAdvisoryUpward},
      Row{1501, -300, 3000, true, kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryUpward},
      Row{2000, -300, 3000, false, kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryUpward},
      Row{2001, -300, 3000, true, kVoiceTcasMonitorVerticalSpeed, kTcasAdvisoryUpward},
      Row{2500, -300, 3000, false, kVoiceTcasMonitorVerticalSpeed, kTcasAdvisoryUpward},
      Row{-200, -300, 3000, true, kVoiceTcasIncreaseClimb, kTcasAdvisoryUpward},
      Row{-1500, -300, 3000, false, kVoiceTcasClimb, kTcasAdvisoryUpward},
      Row{-1501, -500, 3000, true, kVoiceTcasCrossingMaintain, kTcasAdvisoryDownward},
      Row{-1800, -400, 3000, false, kVoiceTcasCrossingMaintain, kTcasAdvisoryDownward},
      Row{-1800, -501, 3000, true, kVoiceTcasClimb, kTcasAdvisoryUpward},
      Row{-1800, -600, 1000.01, false, kVoiceTcasClimb, kTcasAdvisoryUpward},
  });
}

// Two rows take bands that agree with their words: "maintain" in level
// flight under the intruder shows every climb red, and "crossing, maintain"
// while climbing through it keeps the climb green.
TEST(TcasAdvisory, AgainstAnIntruderAboveOrLevel) {
  ExpectAdvisories({
      Row{0, 300, 3000, true, kVoiceTcasDescend, kTcasAdvisoryDownward},
      Row{0, 0, 3000, true, kVoiceTcasDescend, kTcasAdvisoryDownward},
      Row{0, 300, 1100.01, true, kVoiceTcasDescend, kTcasAdvisoryDownward},
      Row{0, 300, 1099.99, true, kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryNoClimb},
      Row{0, 300, 1100, true, kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryNoClimb},
      Row{0, 300, 1000.01, true, kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryNoClimb},
      Row{0, 300, 3000, false, kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryNoClimb},
      Row{-2001, 300, 3000, true, kVoiceTcasMonitorVerticalSpeed, kTcasAdvisoryDownward},
      Row{-2000, 300, 3000, false, kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryDownward},
      Row{-1501, 300, 3000, true, kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryDownward},
      Row{-1500, 300, 3000, false, kVoiceTcasAdjustVerticalSpeed, kTcasAdvisoryDownward},
      Row{-1000, 300, 2000, true, kVoiceTcasIncreaseDescent, kTcasAdvisoryDownward},
      Row{-1000, 300, 1450.01, true, kVoiceTcasIncreaseDescent, kTcasAdvisoryDownward},
      Row{-1000, 300, 1449.99, true, kVoiceTcasDescend, kTcasAdvisoryDownward},
      Row{-1000, 300, 1450, true, kVoiceTcasDescend, kTcasAdvisoryDownward},
      Row{200, 600, 1450, true, kVoiceTcasDescend, kTcasAdvisoryDownward},
      Row{200, 600, 1450.01, true, kVoiceTcasIncreaseDescent, kTcasAdvisoryDownward},
      Row{1501, 501, 1100, true, kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryNoClimb},
      Row{1501, 501, 1100.01, true, kVoiceTcasDescend, kTcasAdvisoryDownward},
      Row{-200, 300, 1300, true, kVoiceTcasDescend, kTcasAdvisoryDownward},
      Row{-1000, 300, 1099.99, true, kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryNoClimb},
      Row{1800, 400, 3000, true, kVoiceTcasCrossingMaintain, kTcasAdvisoryUpward},
      Row{1501, 500, 3000, false, kVoiceTcasCrossingMaintain, kTcasAdvisoryUpward},
      Row{1501, 501, 3000, true, kVoiceTcasDescend, kTcasAdvisoryDownward},
      Row{1800, 600, 1050, false, kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryNoClimb},
      Row{1500, 600, 3000, false, kVoiceTcasDescend, kTcasAdvisoryDownward},
      Row{1500, 600, 1099.99, false, kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryNoClimb},
      Row{200, 600, 3000, true, kVoiceTcasIncreaseDescent, kTcasAdvisoryDownward},
      Row{200, 600, 1200, true, kVoiceTcasDescend, kTcasAdvisoryDownward},
  });
}

// Under an intruder above, the own vertical speed on each side of the edges
// of the level band (+-200 ft/min) and of the steep climb (1500 ft/min),
// with the words that tell the two sides apart.
TEST(TcasAdvisory, AgainstAnIntruderAboveEachVerticalSpeedEdgeOnBothSides) {
  ExpectAdvisories({
      Row{-199, 300, 3000, false, kVoiceTcasMaintainVerticalSpeed, kTcasAdvisoryNoClimb},
      Row{-200, 300, 3000, false, kVoiceTcasAdjustVerticalSpeed, kTcasAdvisoryDownward},
      Row{199, 600, 3000, true, kVoiceTcasDescend, kTcasAdvisoryDownward},
      Row{200, 600, 3000, false, kVoiceTcasDescend, kTcasAdvisoryDownward},
      Row{1500, 400, 3000, false, kVoiceTcasDescend, kTcasAdvisoryDownward},
      Row{1501, 400, 3000, false, kVoiceTcasCrossingMaintain, kTcasAdvisoryUpward},
      Row{1500, 600, 3000, true, kVoiceTcasIncreaseDescent, kTcasAdvisoryDownward},
      Row{1501, 600, 3000, true, kVoiceTcasDescend, kTcasAdvisoryDownward},
  });
}

TEST(TcasAdvisory, NothingAtOrBelowAThousandFeet) {
  Cockpit cockpit;
  CTcasTarget target;
  target.SetAltitude(8300);
  cockpit.set(Token::AltitudeFt, 8000).setScaled(Token::RadioAltitudeM, 999.99);
  g_tcas->SetAdvisoryState(kTcasAdvisoryUpward);
  EvaluateResolutionAdvisory(false, true, &target);
  EXPECT_TRUE(Queued().empty());
  EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisoryUpward);
  EvaluateResolutionAdvisory(false, true, nullptr);
  EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisoryUpward);
  cockpit.setScaled(Token::RadioAltitudeM, 1000.01);
  EvaluateResolutionAdvisory(false, true, &target);
  EXPECT_EQ(Queued(), std::vector<uint32_t>{kVoiceTcasMaintainVerticalSpeed});
}

// ---- A scripted encounter through the host ----

// Own aircraft level at 5000 ft (level 4) flying north at 100 kt; an
// intruder 200 ft above meets it head-on 90 s later at a closure of 200 kt.
TEST(TcasEncounter, ProximateTrafficAdvisoryDescendAndClearOfConflict) {
  Cockpit cockpit;
  cockpit.powerUp().addSounds({204, 205, 212});
  Flying(cockpit, 3000, 5000);
  cockpit.set(Token::HeadingDeg, 0).setPosition(47.0, 8.5);
  double latitude = 47.0;
  cockpit.everyTick([&latitude, &cockpit](simhost::SimHost&) {
    latitude += 100.0 / 3600.0 / 18.0 / 60.0;
    cockpit.setPosition(latitude, 8.5);
  });
  cockpit.runSeconds(2);
  ASSERT_EQ(cockpit.host().PlaceEncounter({.atcId = "EZY33", .seconds = 90, .altitudeOffsetFt = 200, .speedKt = 100}), "");
  const double meetTick = cockpit.tick18() + 90 * 18;

  struct Change {
    double secondsToGo;
    int32_t threatClass;
    double rangeNm;
  };
  std::vector<Change> changes;
  double proximateAt = 0.0;
  int32_t last = kTcasOtherTraffic;
  for (int tick = 0; tick < 100 * 18; ++tick) {
    cockpit.runTicks(1);
    const CTcasTarget* record = g_tcas->FindTarget("EZY33");
    if (record == nullptr) continue;
    if (proximateAt == 0.0 && record->GetRange() <= 2.0) proximateAt = (meetTick - cockpit.tick18()) / 18.0;
    if (record->GetThreatClass() != last) {
      last = record->GetThreatClass();
      changes.push_back({(meetTick - cockpit.tick18()) / 18.0, last, record->GetRange()});
    }
  }
  // Proximate at 2 NM: 2 / (200 / 3600) = 36 s out, before the advisories.
  EXPECT_NEAR(proximateAt, 36.0, 1.5);
  ASSERT_EQ(changes.size(), 3u);
  // Traffic advisory at tau 30 s, then the advisory at tau 20 s.
  EXPECT_EQ(changes[0].threatClass, kTcasTrafficAdvisory);
  EXPECT_NEAR(changes[0].secondsToGo, 30.0, 2.0);
  EXPECT_EQ(changes[1].threatClass, kTcasCorrectiveAdvisory);
  EXPECT_NEAR(changes[1].secondsToGo, 20.0, 2.0);
  EXPECT_EQ(changes[2].threatClass, kTcasOtherTraffic);
  EXPECT_NEAR(changes[2].secondsToGo, 0.0, 2.0) << "clear once it moves away";
  EXPECT_LT(changes[2].rangeNm, 0.2) << "it passed close";

  const auto traffic = cockpit.played(204);
  const auto descend = cockpit.played(212);
  const auto clear = cockpit.played(205);
  ASSERT_EQ(traffic.size(), 1u);
  ASSERT_EQ(descend.size(), 1u);
  ASSERT_EQ(clear.size(), 1u);
  EXPECT_LT(traffic[0].tick18, descend[0].tick18);
  EXPECT_LT(descend[0].tick18, clear[0].tick18);
  EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisoryNone);
}

TEST(TcasEncounter, TheThreatIsClearedWhenItsAircraftLeaves) {
  Cockpit cockpit;
  Flying(cockpit, 3000, 5000);
  cockpit.setPosition(47.0, 8.5).runSeconds(1);
  ASSERT_EQ(cockpit.host().PlaceEncounter(
                {.atcId = "LEAVER", .seconds = 40, .bearingDeg = 90, .altitudeOffsetFt = -100, .speedKt = 300}),
            "");
  cockpit.runUntil([] { return g_tcas->GetThreat() != nullptr; }, 40);
  ASSERT_NE(g_tcas->GetThreat(), nullptr);
  EXPECT_STREQ(g_tcas->GetThreat()->GetId(), "LEAVER");
  EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisoryUpward) << "climb, away from the intruder below";
  // Its last answer stays put: no closure from the next sample on, and the
  // record is purged at the sixth request.
  cockpit.removeTraffic("LEAVER").runSeconds(7);
  EXPECT_EQ(g_tcas->FindTarget("LEAVER"), nullptr);
  EXPECT_EQ(g_tcas->GetThreat(), nullptr);
  EXPECT_EQ(g_tcas->GetAdvisoryState(), kTcasAdvisoryNone);
}

}  // namespace
}  // namespace halcyon::test

namespace halcyon::test {
namespace {

// The scenario command's geometry: the intruder keeps the bearing it was
// placed at and meets own aircraft on time; one too slow to catch up from
// behind is refused.
TEST(TcasEncounter, TheIntruderKeepsItsBearingAndMeetsOnTime) {
  Cockpit cockpit;
  cockpit.set(Token::HeadingDeg, 100).set(Token::AltitudeFt, 6000).setPosition(47.0, 8.5);
  double latitude = 47.0;
  double longitude = 8.5;
  constexpr double kNmPerTick = 200.0 / 3600.0 / 18.0;  // 200 kt on a track of 100 degrees
  cockpit.everyTick([&](simhost::SimHost&) {
    latitude += kNmPerTick * std::cos(100.0 * kRadiansPerDegree) / 60.0;
    longitude += kNmPerTick * std::sin(100.0 * kRadiansPerDegree) / 60.0 / std::cos(latitude * kRadiansPerDegree);
    cockpit.setPosition(latitude, longitude).set(Token::AltitudeFt, cockpit.token(Token::AltitudeFt) + 500.0 / 1080.0);
  });
  cockpit.runTicks(2);
  ASSERT_EQ(cockpit.host().PlaceEncounter({.atcId = "X", .seconds = 60, .bearingDeg = 45, .altitudeOffsetFt = 300,
                                           .speedKt = 250, .verticalSpeedFpm = -1000}),
            "");
  for (int second = 0; second < 60; second += 20) {
    const simhost::SimHost::AiTraffic& x = cockpit.host().Traffic().back();
    const double bearing = InitialBearing(latitude, -longitude, x.latitudeDeg, -x.longitudeDeg);
    EXPECT_NEAR(bearing, 145.0, 0.5) << second << " s: 45 degrees right of a heading of 100";
    cockpit.runSeconds(20);
  }
  const simhost::SimHost::AiTraffic& x = cockpit.host().Traffic().back();
  EXPECT_LT(GreatCircleDistanceNm(latitude, -longitude, x.latitudeDeg, -x.longitudeDeg), 0.01);
  EXPECT_NEAR(x.altitudeFt, cockpit.token(Token::AltitudeFt) + 300.0, 1.0) << "300 ft above as own aircraft climbs";
  EXPECT_EQ(x.verticalSpeedFpm, -1000.0);

  EXPECT_EQ(cockpit.host().PlaceEncounter({.atcId = "SLOW", .seconds = 60, .bearingDeg = 180, .speedKt = 150}),
            "SLOW at 150 kt cannot meet the aircraft from that bearing");
}

}  // namespace
}  // namespace halcyon::test

namespace halcyon::test {
namespace {

TEST(TcasEncounter, TheScenarioCommandChecksItsNumbers) {
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  EXPECT_FALSE(scenario.Parse("encounter X 0\nencounter X 30 east\nencounter X 30 0 0 2500\nencounter X\n", "e.scn",
                              &errors));
  ASSERT_EQ(errors.size(), 4u);
  EXPECT_NE(errors[0].find("e.scn:1: encounter time '0'"), std::string::npos) << errors[0];
  EXPECT_NE(errors[1].find("e.scn:2: 'east' is not a number"), std::string::npos) << errors[1];
  EXPECT_NE(errors[2].find("e.scn:3: encounter speed '2500'"), std::string::npos) << errors[2];
  EXPECT_NE(errors[3].find("e.scn:4:"), std::string::npos) << errors[3];

  Cockpit cockpit;
  cockpit.set(Token::HeadingDeg, 0).setPosition(47.0, 8.5).set(Token::AltitudeFt, 5000).runTicks(1);
  simhost::Scenario good;
  ASSERT_TRUE(good.Parse("encounter DEF 30 0 400\nencounter ABC 60 90 -300 120 500\nrun 1\n", "e.scn", &errors))
      << errors.back();
  simhost::RunLog log;
  std::string error;
  EXPECT_TRUE(simhost::RunScenario(cockpit.host(), good, log, &error)) << error;
  const simhost::SimHost::AiTraffic& def = cockpit.host().Traffic().front();
  EXPECT_NEAR(def.altitudeFt, 5400.0, 1e-6) << "level, 400 ft above";
  EXPECT_NEAR(def.groundSpeedKt, 250.0, 1e-9);
  EXPECT_NEAR(def.headingDeg, 180.0, 1e-6);
  const simhost::SimHost::AiTraffic& abc = cockpit.host().Traffic().back();
  EXPECT_EQ(abc.atcId, "ABC");
  EXPECT_NEAR(abc.headingDeg, 270.0, 1e-6) << "from the right, own aircraft standing still";
  EXPECT_NEAR(abc.altitudeFt, 5000 - 300 - 500 + 500.0 / 60.0, 1.0) << "a second of its climb flown";
  EXPECT_NEAR(GreatCircleDistanceNm(47.0, -8.5, abc.latitudeDeg, -abc.longitudeDeg), 2.0 - 120.0 / 3600.0, 0.01);
}

}  // namespace
}  // namespace halcyon::test
