// The load sheet's lines and the departure plan card for fixed loads, in
// pounds and kilograms, on both sides of the hot-day thrust branch, and the
// card byte for byte with and without a route origin.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/panel_services.h"
#include "crewaids/dispatch/departure_plan.h"
#include "crewaids/dispatch/dispatch_model.h"
#include "crewaids/dispatch/load_sheet.h"
#include "platform/ini.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kIni = Cockpit::kAircraftIniFile;
constexpr const char* kPlan = "SimObjects/Airplanes/QZ Halcyon Pro/Departure plan.txt";

// The planned fuel taken from the simulator at one pound a gallon (as it
// comes, so the center may hold more than the dispatch page would put in).
void SetTanks(Cockpit& cockpit, double leftLb, double centerLb, double rightLb) {
  cockpit.set(Token::FuelLeftGal, leftLb).set(Token::FuelCenterGal, centerLb).set(Token::FuelRightGal, rightLb);
  cockpit.set(Token::FuelWeightLbPerGallon, 1.0);
  ReadFuelFromSimulator();
}

// The air at the field: degrees C and metres.
void SetField(Cockpit& cockpit, double degC, double altitudeM) {
  cockpit.setScaled(Token::AmbientTemp, degC).set(Token::AltitudeM, altitudeM);
}

// An empty cabin and holds with 50770 lb of fuel: a ramp weight of 130456 lb,
// CG 25.0, at 15 degrees C (59 F) on a sea-level field.
Cockpit& EmptyAircraftOf130456Lb(Cockpit& cockpit) {
  ClearPayload();
  SetTanks(cockpit, 9266, 32238, 9266);
  SetField(cockpit, 15.0, 0.0);
  return cockpit;
}

std::string Line(int32_t n) {
  std::string text;
  for (const wchar_t* c = GetLoadSheetLine(n); *c != L'\0'; ++c) text += static_cast<char>(*c);
  return text;
}

TEST(LoadSheet, FixedLoadInPounds) {
  Cockpit cockpit;
  EXPECT_EQ(Line(1), "") << "before the first build";
  EmptyAircraftOf130456Lb(cockpit);
  BuildLoadSheet();
  EXPECT_EQ(Line(1), "PTOW  130,400   ATOW  132,400");
  EXPECT_EQ(Line(2), " *** DC-9-83 JT8D-217 ENG ***           0/  0/  MM  MAX");
  EXPECT_EQ(Line(3), "                 EPR   N1   V1  VR  V2  EXT RET SPD TMP  AT");
  EXPECT_EQ(Line(4), "         -RSV-  1.96  91.8  126 135 142 172 187 207 STD");
  EXPECT_EQ(Line(5), "         -MAX-  1.91  89.6  126 135 142 172 187 207 PWR");
  EXPECT_EQ(Line(6), "         -STD-  1.83  86.3  126 135 142 172 187 207  98F 43C");
  EXPECT_EQ(Line(7), "  TOW CG 25.0     FUEL 50770    ZFW  79686         STAB 3.7");
  EXPECT_EQ(Line(8), "------LOAD----------TOTALS--------LIMITS----CMPT MAX--AS LDED--");
  EXPECT_EQ(Line(9), "EOW       79686  ZFW   79686  MZFW 117000   F1  3037       0");
  EXPECT_EQ(Line(10), "PSGR WT       0  FUEL  50770  *** TOT ***   F2  3037       0");
  EXPECT_EQ(Line(11), "CGO WT        0  RMP  130456  MRMP 150500   MB  6078       0");
  EXPECT_EQ(Line(12), "BALLAST       0  TXI     920                A1  3322       0");
  EXPECT_EQ(Line(13), "                 TOW  129536  MTOW 149500");
  EXPECT_EQ(Line(14), "FLAPS  15        TOW CG 25.0  CNFIG F 12 P  0 C  0 Y136");
  EXPECT_EQ(Line(15), "TEMP  59F        STAB    3.7  PSGRS F 12 P  0 C  0 Y  0 W-0");
  EXPECT_EQ(Line(0), "");
  EXPECT_EQ(Line(16), "");
  EXPECT_EQ(Line(-1), "");
}

TEST(LoadSheet, FixedLoadInKilograms) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[UNIT SYSTEM]\r\nunit_system=2\r\n");
  cockpit.set(Token::UnitsOfMeasure, 2).start();
  EmptyAircraftOf130456Lb(cockpit);
  for (int n = 0; n < 100; ++n) SetDispatchFieldA(0);  // fast clicks: 10, 50, 50 ... held at 3037
  AddDispatchItem(kSeatMale);
  SetTanks(cockpit, 9266, 32238 - 3037 - 175, 9266);  // the same ramp weight
  cockpit.runSeconds(1);
  BuildLoadSheet();
  // 130456 lb = 59173.8 kg; the "ATOW" hundreds come from K + 2000.
  EXPECT_EQ(Line(1), "PTOW   59,100   ATOW   60,100");
  EXPECT_EQ(Line(4), "         -RSV-  1.96  91.8  126 135 142 172 187 207 STD") << "speeds from pounds";
  EXPECT_EQ(Line(9), "EOW       36144  ZFW   37601  MZFW  53070   F1  1377    1377");
  EXPECT_EQ(Line(10), "PSGR WT      79  FUEL  21571  *** TOT ***   F2  1377       0");
  EXPECT_EQ(Line(11), "CGO WT     1377  RMP   59173  MRMP  68265   MB  2756       0");
  EXPECT_EQ(Line(12), "BALLAST       0  TXI     417                A1  1506       0");
  EXPECT_EQ(Line(13), "                 TOW   58756  MTOW  67812");
  EXPECT_EQ(Line(15).substr(0, 9), "TEMP  15C");
  EXPECT_EQ(Line(15).substr(30), "PSGRS F 12 P  0 C  0 Y  1 W-0");
}

TEST(LoadSheet, ThrustBranchesAroundNinetyDegreesF) {
  Cockpit cockpit;
  EmptyAircraftOf130456Lb(cockpit);
  // 89.99 F: the cold branch with the altitude term at its 6000 ft cap.
  SetField(cockpit, (89.99 - 32.0) / 1.8, 3000.0);
  TakeoffFigures cold = ComputeTakeoffFigures();
  EXPECT_NEAR(cold.eprRsv, 1.94 + 6000.0 * (0.13 - 0.0033333333 * 29.99) / 6000.0, 1e-9);
  EXPECT_NEAR(cold.eprMax, 1.88 + 6000.0 * (0.16 - 0.004 * 29.99) / 6000.0, 1e-9);
  EXPECT_NEAR(cold.n1Rsv, 81.0 + 100.0 * (9.7 - 0.8) / 100.0 + 6000.0 * (0.8 + 7.1) / 6000.0, 1e-9);
  EXPECT_NEAR(cold.n1Max, 78.8 + 8.9 + 7.9, 1e-9);
  EXPECT_NEAR(cold.eprStd, cold.eprMax - 0.08, 1e-12);
  EXPECT_NEAR(cold.n1Std, cold.n1Max - 3.3, 1e-12);
  // 90.01 F: the hot branch, the altitude no longer counts for the EPR.
  SetField(cockpit, (90.01 - 32.0) / 1.8, 3000.0);
  TakeoffFigures hot = ComputeTakeoffFigures();
  EXPECT_NEAR(hot.eprRsv, 1.94 - 0.0044 * 0.01, 1e-9);
  EXPECT_NEAR(hot.eprMax, 1.88 - 0.004 * 0.01, 1e-9);
  SetField(cockpit, (90.01 - 32.0) / 1.8, 0.0);
  EXPECT_NEAR(ComputeTakeoffFigures().eprRsv, hot.eprRsv, 1e-12);
  // 40 C = 104 F on a 200 m field: A = 1656.168 ft, T2 held at 100.
  SetField(cockpit, 40.0, 200.0);
  const TakeoffFigures warm = ComputeTakeoffFigures();
  const double a = 200.0 * kFeetPerMetre + 1000.0;
  EXPECT_NEAR(warm.eprRsv, 1.94 - 0.0044 * 14.0, 1e-9);
  EXPECT_NEAR(warm.eprMax, 1.88 - 0.004 * 14.0, 1e-9);
  EXPECT_NEAR(warm.n1Rsv, 81.0 + (9.7 - 0.8 * a / 6000.0) + a * (0.8 + 7.1) / 6000.0, 1e-9);
  // 10 C = 50 F: below 60 F the full altitude term, T2 = 90.
  SetField(cockpit, 10.0, 500.0);
  const TakeoffFigures cool = ComputeTakeoffFigures();
  const double a2 = 500.0 * kFeetPerMetre + 1000.0;
  EXPECT_NEAR(cool.eprRsv, 1.94 + a2 * 0.13 / 6000.0, 1e-9);
  EXPECT_NEAR(cool.eprMax, 1.88 + a2 * 0.16 / 6000.0, 1e-9);
  EXPECT_NEAR(cool.n1Max, 78.8 + 90.0 * (9.7 - 0.8 * a2 / 6000.0) / 100.0 + a2 * (0.8 * 0.9 + 7.1) / 6000.0, 1e-9);
  // 20 C = 68 F: 8 degrees into the cold branch's temperature term.
  SetField(cockpit, 20.0, 500.0);
  EXPECT_NEAR(ComputeTakeoffFigures().eprRsv, 1.94 + a2 * (0.13 - 0.0033333333 * 8.0) / 6000.0, 1e-9);
}

// The air temperature that the load sheet turns into exactly `degF`.
double DegCGiving(double degF) {
  return ExactInput((degF - 32.0) / 1.8, degF, [](double c) { return c * 1.8 + 32.0; });
}

// The thrust laws on each side of their break points, each taken exactly:
// the temperature term from 60 F, the hot branch from 90 F, the N1 law's
// temperature held from 60 F, and the altitude term held from a 5000 ft
// field (6000 ft with the 1000 added).
TEST(LoadSheet, ThrustLawsOnBothSidesOfTheirBreakPoints) {
  Cockpit cockpit;
  EmptyAircraftOf130456Lb(cockpit);
  struct Sample {
    double degF;
    double fieldFt;
    double eprRsv;
    double eprMax;
    double n1Rsv;
  };
  for (const Sample& sample : {
           Sample{50.0, 0.0, 1.9616667, 1.9066667, 90.9133333},
           Sample{59.0, 0.0, 1.9616667, 1.9066667, 91.7863333},
           Sample{60.0, 0.0, 1.9616667, 1.9066667, 91.8833333},
           Sample{61.0, 0.0, 1.9611111, 1.9060000, 91.8833333},
           Sample{70.0, 4000.0, 2.0205556, 1.9800000, 96.6166667},
           Sample{70.0, 4999.0, 2.0366506, 1.9999800, 97.7988167},
           Sample{70.0, 5000.0, 2.0366667, 2.0000000, 97.8000000},
           Sample{70.0, 5001.0, 2.0366667, 2.0000000, 97.8000000},
           Sample{89.9, 5000.0, 1.9703333, 1.9204000, 97.8000000},
           Sample{90.0, 5000.0, 1.9400000, 1.8800000, 97.8000000},
           Sample{90.0, 0.0, 1.9400000, 1.8800000, 91.8833333},
           Sample{91.0, 5000.0, 1.9356000, 1.8760000, 97.8000000},
       }) {
    const double degC = DegCGiving(sample.degF);
    const double metres =
        ExactInput(sample.fieldFt / kFeetPerMetre, sample.fieldFt + 1000.0, [](double m) { return m * kFeetPerMetre + 1000.0; });
    ASSERT_FALSE(std::isnan(degC) || std::isnan(metres)) << sample.degF << " F, " << sample.fieldFt << " ft";
    SetField(cockpit, degC, metres);
    const TakeoffFigures f = ComputeTakeoffFigures();
    EXPECT_NEAR(f.eprRsv, sample.eprRsv, 5e-7) << sample.degF << " F, " << sample.fieldFt << " ft";
    EXPECT_NEAR(f.eprMax, sample.eprMax, 5e-7) << sample.degF << " F, " << sample.fieldFt << " ft";
    EXPECT_NEAR(f.n1Rsv, sample.n1Rsv, 5e-7) << sample.degF << " F, " << sample.fieldFt << " ft";
    EXPECT_NEAR(f.n1Max, sample.n1Rsv - 2.2, 5e-7) << sample.degF << " F, " << sample.fieldFt << " ft";
  }
  // The card at the hot branch's edge: a tenth of a degree below, and on it.
  SetField(cockpit, DegCGiving(89.9), 1524.0);
  BuildLoadSheet();
  EXPECT_EQ(Line(4), "         -RSV-  1.97  97.8  126 135 142 172 187 207 STD");
  EXPECT_EQ(Line(5), "         -MAX-  1.92  95.6  126 135 142 172 187 207 PWR");
  EXPECT_EQ(Line(6), "         -STD-  1.84  92.3  126 135 142 172 187 207  98F 43C");
  EXPECT_EQ(Line(15).substr(0, 9), "TEMP  89F");
  SetField(cockpit, DegCGiving(90.0), 1524.0);
  BuildLoadSheet();
  EXPECT_EQ(Line(4), "         -RSV-  1.94  97.8  126 135 142 172 187 207 STD");
  EXPECT_EQ(Line(5), "         -MAX-  1.88  95.6  126 135 142 172 187 207 PWR");
  EXPECT_EQ(Line(6), "         -STD-  1.80  92.3  126 135 142 172 187 207  98F 43C");
  EXPECT_EQ(Line(15).substr(0, 9), "TEMP  90F");
}

TEST(LoadSheet, SpeedsTrimAndTheirEnds) {
  Cockpit cockpit;
  ClearPayload();
  SetTanks(cockpit, 1000, 0, 1000);  // 81686 lb: below the 90000 lb base
  SetField(cockpit, 15.0, 0.0);
  TakeoffFigures light = ComputeTakeoffFigures();
  EXPECT_EQ(light.speedsKt[0], 93) << "trunc(99 - 8314 x 0.000671428) = trunc(93.4)";
  EXPECT_EQ(light.speedsKt[1], 110);
  EXPECT_EQ(light.speedsKt[2], 122);
  EXPECT_EQ(light.speedsKt[3], 135);
  EXPECT_EQ(light.speedsKt[4], 150);
  EXPECT_EQ(light.speedsKt[5], 191);
  SetTanks(cockpit, 1000, 8314, 1000);  // exactly 90000 lb
  const TakeoffFigures base = ComputeTakeoffFigures();
  EXPECT_EQ(base.speedsKt[0], 99);
  EXPECT_EQ(base.speedsKt[5], 194);
  for (int n = 0; n < 400; ++n) SetDispatchFieldA(2);
  EXPECT_DOUBLE_EQ(ComputeTakeoffFigures().stab, 1.0) << "CG 35.0";
  for (int n = 0; n < 400; ++n) SetDispatchFieldB(2);
  for (int n = 0; n < kSeatCount; ++n) AddDispatchItem(kSeatMale);
  EXPECT_DOUBLE_EQ(ComputeTakeoffFigures().stab, 9.9) << "CG 0.0: 10.44 held at 9.9";
  for (int n = 0; n < 40; ++n) RemoveDispatchItem(kSeatMale);
  const TakeoffFigures mid = ComputeTakeoffFigures();
  EXPECT_GT(mid.cg, 0.0);
  EXPECT_NEAR(mid.stab, (35.0 - mid.cg) * 0.2696969 + 1.0, 1e-12);
}

// Each speed is truncated: it steps up a knot at the pound where its law
// reaches the next whole knot, and the take-off weights print their hundreds
// cut, not rounded. Weights of an empty aircraft (79686 lb) and centre fuel.
TEST(LoadSheet, SpeedsAndWeightsStepWhereTheirLawsReachTheNextUnit) {
  Cockpit cockpit;
  ClearPayload();
  SetField(cockpit, 15.0, 0.0);
  struct Sample {
    int32_t rampLb;
    const char* speeds;  // V1 VR V2 EXT RET SPD as line 4 prints them
  };
  for (const Sample& sample : {
           Sample{81249, " 93 110 122 135 150 190"},   // 190.9997 kt
           Sample{81250, " 93 110 122 135 150 191"},   // 191.0000013
           Sample{91999, "100 115 126 143 158 194"},
           Sample{92000, "100 116 126 143 158 194"},   // VR 116 exactly
           Sample{106382, "109 123 132 154 169 199"},
           Sample{106383, "110 123 132 154 169 199"},  // V1 110.000005
           Sample{107500, "110 123 133 154 169 199"},  // EXT 154.9999975, SPD 199.9999975
           Sample{107501, "110 123 133 155 170 200"},
           Sample{126206, "123 133 140 168 183 206"},
           Sample{126207, "123 133 141 168 183 206"},  // V2 141.000017
           Sample{143617, "134 141 148 181 196 212"},  // V1 134.99996
           Sample{143618, "135 141 148 181 196 212"},
       }) {
    SetTanks(cockpit, 0, sample.rampLb - 79686, 0);
    BuildLoadSheet();
    EXPECT_EQ(Line(4).substr(28, 23), sample.speeds) << sample.rampLb << " lb";
  }
  struct Weights {
    int32_t rampLb;
    const char* line1;
  };
  for (const Weights& sample : {Weights{130899, "PTOW  130,800   ATOW  132,800"},
                                Weights{130900, "PTOW  130,900   ATOW  132,900"},
                                Weights{130999, "PTOW  130,900   ATOW  132,900"},
                                Weights{131000, "PTOW  131,000   ATOW  133,000"}}) {
    SetTanks(cockpit, 0, sample.rampLb - 79686, 0);
    BuildLoadSheet();
    EXPECT_EQ(Line(1), sample.line1) << sample.rampLb << " lb";
  }
}

// In kilograms the hundreds are those of the whole kilograms; the ATOW is
// the PTOW and a thousand kilograms.
TEST(LoadSheet, MetricWeightsTurnTheirHundredsAtTheWholeKilogram) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[UNIT SYSTEM]\r\nunit_system=2\r\n");
  cockpit.set(Token::UnitsOfMeasure, 2).start();
  ClearPayload();
  SetField(cockpit, 15.0, 0.0);
  struct Weights {
    int32_t rampLb;
    const char* line1;
  };
  for (const Weights& sample : {Weights{129852, "PTOW   58,800   ATOW   59,800"},
                                Weights{129853, "PTOW   58,900   ATOW   59,900"},    // 58900.28 kg
                                Weights{130071, "PTOW   58,900   ATOW   59,900"},    // 58999.17 kg
                                Weights{130073, "PTOW   59,000   ATOW   60,000"}}) {  // 59000.07 kg
    SetTanks(cockpit, 0, sample.rampLb - 79686, 0);
    BuildLoadSheet();
    EXPECT_EQ(Line(1), sample.line1) << sample.rampLb << " lb";
  }
}

TEST(LoadSheet, ValuesThatAreNoNumbersPrintSafely) {
  Cockpit cockpit;
  EmptyAircraftOf130456Lb(cockpit);
  cockpit.set(Token::AmbientTemp, NAN).set(Token::AltitudeM, INFINITY);
  BuildLoadSheet();
  EXPECT_EQ(Line(15).substr(0, 9), "TEMP  32F") << "no temperature: 0 C";
  EXPECT_EQ(Line(4), "         -RSV-  1.96  89.2  126 135 142 172 187 207 STD") << "as at 0 C on a sea-level field";
  cockpit.set(Token::AmbientTemp, 1e300);
  SetTanks(cockpit, 1e12, 1e12, 1e12);
  BuildLoadSheet();
  EXPECT_EQ(Line(11).substr(0, 22), "CGO WT        0  RMP  ");
  EXPECT_NE(Line(11).find("2147483647"), std::string::npos) << "held, not wrapped";
  EXPECT_EQ(std::wcslen(GetLoadSheetLine(6)), 63u) << "cut to the line's 63 characters";
}

// ---- The departure plan ----

std::string Crlf(const std::string& lines) {
  std::string text;
  for (char c : lines) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return text;
}

const std::string kTakeoffAndBoxes =
    "PTOW  130,400   ATOW  132,400\n"
    "\n"
    " *** DC-9-83 JT8D-217 ENG ***           0/  0/  MM  MAX\n"
    "                 EPR   N1   V1  VR  V2  EXT RET SPD TMP  AT\n"
    "         -RSV-  1.96  91.8  126 135 142 172 187 207 STD\n"
    "         -MAX-  1.91  89.6  126 135 142 172 187 207 PWR\n"
    "         -STD-  1.83  86.3  126 135 142 172 187 207  98F 43C\n"
    "\n"
    "  TOW CG 25.0     FUEL 50770    ZFW  79686         STAB 3.7\n"
    "\n"
    "********************** LOAD CLOSEOUT DATA *********************\n"
    "*                                                             *\n"
    "* TOW   ......... FOB ......... ZFW .......... STAB ........  *\n"
    "*                                                             *\n"
    "* FLAPS ......... CG  ......... PSGRS ........ W..... X.....  *\n"
    "*                                                             *\n"
    "* A/C ........... WINDS ....... BALLAST FUEL ...............  *\n"
    "*                                                             *\n"
    "* NOTES:                                                      *\n"
    "*                                                             *\n"
    "*                                                             *\n"
    "***************************************************************\n"
    "\n\n\n"
    "------LOAD----------TOTALS--------LIMITS----CMPT MAX--AS LDED--\n"
    "EOW       79686  ZFW   79686  MZFW 117000   F1  3037       0\n"
    "PSGR WT       0  FUEL  50770  *** TOT ***   F2  3037       0\n"
    "CGO WT        0  RMP  130456  MRMP 150500   MB  6078       0\n"
    "BALLAST       0  TXI     920                A1  3322       0\n"
    "                 TOW  129536  MTOW 149500\n"
    "\n"
    "FLAPS  15        TOW CG 25.0  CNFIG F 12 P  0 C  0 Y136\n"
    "TEMP  59F        STAB    3.7  PSGRS F 12 P  0 C  0 Y  0 W-0\n"
    "CRT ADDRESS L007    AGENT ORVEN             PHONE 555-4321\n"
    "\n\n\n\n"
    "***************************************************************\n"
    "*              ---------- LANDING ----------                  *\n"
    "*                                                             *\n"
    "* ALT SET......MSL  PRESS ALT......FT  CONV......AFL  TEMP....*\n"
    "*                                                             *\n"
    "* GATE.....  LANDING WGT..........  G/A EPR........           *\n"
    "*                                                             *\n"
    "* STA........  ELEV........   ATIS........................... *\n"
    "*                                                             *\n"
    "* ........................................................... *\n"
    "*                                                             *\n"
    "* ........................................................... *\n"
    "***************************************************************";

Cockpit& PlanDay(Cockpit& cockpit) {
  EmptyAircraftOf130456Lb(cockpit);
  // 20.5 on the clock and 5 zulu make 25.5: hour 01.
  cockpit.set(Token::ClockHour, 20.5).set(Token::ZuluHour, 5).set(Token::ClockMinute, 7.9);
  cockpit.set(Token::ZuluDayOfYear, 38).set(Token::ZuluYear, 2026);
  cockpit.set(Token::AltimeterInHg, 29.92).set(Token::AltimeterMb, 1013.9);
  return cockpit;
}

TEST(DeparturePlan, WithoutAnOriginTheCardSkipsTheStationLine) {
  Cockpit cockpit;
  PlanDay(cockpit);
  ASSERT_TRUE(WriteDeparturePlan());
  EXPECT_EQ(cockpit.readFile(kPlan), Crlf("  DEPARTURE PLAN\n"
                                         "STA  FLT     A/C      FLAP    DATE/TIME\n"
                                         "TEMP  59F    FP 29.92 PA 1013\n" +
                                         kTakeoffAndBoxes));
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.ini("FLIGHT", "flight_number"), "<missing>") << "not touched without a station line";
}

TEST(DeparturePlan, WithAnOriginTheStationLineAndTheFlightNumber) {
  Cockpit cockpit;
  PlanDay(cockpit);
  ASSERT_TRUE(WriteDeparturePlan("LSZH"));
  const std::string card = cockpit.readFile(kPlan);
  EXPECT_EQ(card, Crlf("  DEPARTURE PLAN\n"
                       "STA  FLT     A/C      FLAP    DATE/TIME\n"
                       "LSZH  SK313  909      15       07/0107Z\n"
                       "TEMP  59F    FP 29.92 PA 1013\n" +
                       kTakeoffAndBoxes));
  EXPECT_EQ(card.substr(card.size() - 2), "**") << "no line break at the end";
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.ini("FLIGHT", "flight_number"), "SK313") << "created";

  // A number of the user's own is printed whole and left as it is; the hour
  // below 24 stays.
  cockpit.writeFile(kIni, "[FLIGHT]\r\nflight_number = \"QZ 4711 EXTRA SECTION 100%\"\r\n");
  cockpit.set(Token::ClockHour, 18.0).set(Token::ZuluHour, 5.99);
  ASSERT_TRUE(WriteDeparturePlan("EGL"));
  const std::string again = cockpit.readFile(kPlan);
  EXPECT_NE(again.find("TIME\r\n EGL  QZ 4711 EXTRA SECTION 100%  909      15       07/2307Z\r\nTEMP"), std::string::npos)
      << "a short ident right-aligned in four, the number as read (without its quotes)";
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.readFile(kIni), "[FLIGHT]\r\nflight_number = \"QZ 4711 EXTRA SECTION 100%\"\r\n");
}

// The station line's hour wraps once the clock and zulu hours reach 24;
// the flight number is read through 100 characters, so 99 of them print.
TEST(DeparturePlan, TheHourWrapsAtTwentyFourAndTheFlightNumberKeepsNinetyNineCharacters) {
  Cockpit cockpit;
  PlanDay(cockpit);
  struct Sample {
    double zuluHour;  // beside a clock hour of 18
    const char* time;
  };
  for (const Sample& sample : {Sample{5.99, "07/2307Z"}, Sample{6.0, "07/0007Z"}, Sample{7.0, "07/0107Z"}}) {
    cockpit.set(Token::ClockHour, 18.0).set(Token::ZuluHour, sample.zuluHour);
    ASSERT_TRUE(WriteDeparturePlan("LSZH"));
    EXPECT_NE(cockpit.readFile(kPlan).find(std::string("LSZH  SK313  909      15       ") + sample.time + "\r\n"),
              std::string::npos)
        << sample.zuluHour;
  }
  for (const size_t length : {99u, 100u}) {
    const std::string number(length, 'N');
    cockpit.writeFile(kIni, "[FLIGHT]\r\nflight_number=" + number + "\r\n");
    platform::ClearIniCache();
    ASSERT_TRUE(WriteDeparturePlan("LSZH"));
    EXPECT_NE(cockpit.readFile(kPlan).find("LSZH  " + std::string(99, 'N') + "  909"), std::string::npos) << length;
  }
}

// The host's call for both cards: the sheet needs its length and one byte
// more for the terminator; a byte less gets nothing.
TEST(DeparturePlan, TheCardsCallNeedsRoomForTheSheetAndItsEnd) {
  Cockpit cockpit;
  PlanDay(cockpit);
  BuildLoadSheet();
  std::string sheet;
  for (int32_t n = 1; n <= kLoadSheetLines; ++n) sheet += (n > 1 ? "\r\n" : "") + Line(n);
  const int32_t length = static_cast<int32_t>(sheet.size());
  std::vector<char> text(sheet.size() + 2, 'x');
  EXPECT_EQ(HalcyonDispatchCards(text.data(), length), 0);
  EXPECT_EQ(text[0], 'x') << "nothing written";
  EXPECT_EQ(HalcyonDispatchCards(text.data(), length + 1), 1);
  EXPECT_EQ(std::string(text.data()), sheet);
  EXPECT_EQ(text[sheet.size() + 1], 'x') << "nothing past the terminator";
}

TEST(DeparturePlan, MetricCardAndAFolderThatCannotBeWritten) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kIni, "[UNIT SYSTEM]\r\nunit_system=1\r\n");
  cockpit.set(Token::UnitsOfMeasure, 1).start();
  PlanDay(cockpit);
  cockpit.runSeconds(1);
  ASSERT_TRUE(WriteDeparturePlan());
  const std::string card = cockpit.readFile(kPlan);
  EXPECT_NE(card.find("\r\nTEMP  15C    FP 29.92 PA 1013\r\nPTOW   59,100   ATOW   60,100\r\n"), std::string::npos);
  EXPECT_NE(card.find("\r\nTEMP  15C        STAB    3.7"), std::string::npos);
  // The card matches the sheet line for line.
  BuildLoadSheet();
  for (int32_t n = 1; n <= kLoadSheetLines; ++n) {
    std::string line;
    for (const wchar_t* c = GetLoadSheetLine(n); *c != L'\0'; ++c) line += static_cast<char>(*c);
    EXPECT_NE(card.find("\r\n" + line + "\r\n"), std::string::npos) << "line " << n;
  }

  std::filesystem::remove(cockpit.path(kPlan));
  std::filesystem::create_directory(cockpit.path(kPlan));  // a folder where the card should go
  EXPECT_FALSE(WriteDeparturePlan());
  bool traced = false;
  for (const std::string& line : cockpit.trace(simhost::Phase::Ticking)) {
    traced = traced || line.find("Departure plan.txt could not be written") != std::string::npos;
  }
  EXPECT_TRUE(traced);
  // With an origin too nothing else happens: the flight number is not created.
  EXPECT_FALSE(WriteDeparturePlan("LSZH"));
  cockpit.runTicks(1);
  EXPECT_EQ(cockpit.ini("FLIGHT", "flight_number"), "<missing>");
}

TEST(DeparturePlan, TheScenarioCommandPutsBothCardsIntoTheOutputFolder) {
  Cockpit cockpit;
  PlanDay(cockpit);
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("dispatch\n", "flight.scn", &errors));
  simhost::RunLog log;
  std::string error;
  ASSERT_TRUE(simhost::RunScenario(cockpit.host(), scenario, log, &error)) << error;
  const std::filesystem::path out = std::filesystem::path(cockpit.picturesFolder()).parent_path();
  std::string sheet;
  for (int32_t n = 1; n <= kLoadSheetLines; ++n) sheet += (n > 1 ? "\r\n" : "") + Line(n);
  const auto read = [](const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  EXPECT_EQ(read(out / "Load sheet.txt"), sheet);
  EXPECT_EQ(read(out / "Departure plan.txt"), cockpit.readFile(kPlan));
  EXPECT_EQ(cockpit.readFile(kPlan).substr(0, 16), "  DEPARTURE PLAN");
}

}  // namespace
}  // namespace halcyon::test
