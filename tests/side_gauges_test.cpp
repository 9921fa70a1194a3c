// The hydraulic pump, brake temperature, ART, first officer's light, tiller,
// TAS/SAT and wiper gauges, as the simulator drives them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/options.h"
#include "host/keyboard_combos.h"
#include "gauges/gauge_kit.h"
#include "gauges/side_gauges.h"
#include "systems/annunciator_lamps.h"
#include "systems/brake_temperature.h"
#include "systems/hydraulics.h"
#include "systems/lights.h"
#include "systems/rain.h"
#include "systems/reserve_thrust.h"
#include "systems/tas_sat.h"
#include "tests/cockpit.h"
#include "tests/element_places.h"

namespace halcyon::test {
namespace {

constexpr uint32_t kClick = platform::kMouseLeftSingle;
constexpr uint32_t kRelease = platform::kMouseLeftRelease;
constexpr uint32_t kDrag = platform::kMouseLeftDrag;
constexpr int32_t kStray = 7;
constexpr double kKtPerMps = 1.943844;  // the air data's conversion

// A control clicked from each start: where it lands and whether it clicked.
struct Step {
  int32_t from;
  int32_t to;
  bool sound;
};
void ExpectSteps(Cockpit& cockpit, const char* gauge, int32_t x, int32_t y, CSwitch* record, SoundId sound,
                 const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    cockpit.setSwitch(record, step.from);
    const size_t before = cockpit.played(sound).size();
    cockpit.click(gauge, x, y);
    EXPECT_EQ(GetSwitch(record), step.to) << gauge << " " << x << "," << y << " from " << step.from;
    EXPECT_EQ(cockpit.played(sound).size() - before, step.sound ? 1u : 0u) << "from " << step.from;
  }
}

// ---- Hydraulic pumps ----

TEST(HydraulicPumps, EachSwitchStepsAlongItsPositionsAndFallsBackToItsOwnEnd) {
  Cockpit cockpit;
  cockpit.addSounds({kClickToggle2, kClickGuarded1, kClickGuarded2});
  ExpectSteps(cockpit, "Hydraulic Pumps", 15, 15, &g_hydEngine1Pump, kClickGuarded2,
              {{120, 95, true}, {95, 94, true}, {94, 94, false}, {kStray, 94, false}});
  ExpectSteps(cockpit, "Hydraulic Pumps", 15, 40, &g_hydEngine1Pump, kClickGuarded2,
              {{94, 95, true}, {95, 120, true}, {120, 120, false}, {kStray, 120, false}});
  ExpectSteps(cockpit, "Hydraulic Pumps", 55, 15, &g_hydEngine2Pump, kClickGuarded2, {{120, 95, true}, {95, 94, true}});
  ExpectSteps(cockpit, "Hydraulic Pumps", 55, 40, &g_hydEngine2Pump, kClickGuarded2, {{94, 95, true}, {kStray, 120, false}});
  ExpectSteps(cockpit, "Hydraulic Pumps", 55, 65, &g_hydAuxPump, kClickGuarded1,
              {{49, 120, true}, {120, 41, true}, {41, 41, false}, {kStray, 41, false}});
  ExpectSteps(cockpit, "Hydraulic Pumps", 55, 95, &g_hydAuxPump, kClickGuarded1,
              {{41, 120, true}, {120, 49, true}, {49, 49, false}});
  ExpectSteps(cockpit, "Hydraulic Pumps", 15, 80, &g_hydTransferPump, kClickToggle2,
              {{120, 41, true}, {41, 120, true}, {kStray, 41, false}});

  // The pictures: engine 1 HIGH, engine 2 OFF, auxiliary at 49, transfer on.
  cockpit.setSwitch(&g_hydEngine1Pump, 94).setSwitch(&g_hydEngine2Pump, 120).setSwitch(&g_hydAuxPump, 49);
  cockpit.setSwitch(&g_hydTransferPump, 41).draw();
  EXPECT_EQ(cockpit.elementValue("Hydraulic Pumps", 5), 0.0);
  EXPECT_EQ(cockpit.elementValue("Hydraulic Pumps", 4), 2.0);
  EXPECT_EQ(cockpit.elementValue("Hydraulic Pumps", 3), 2.0);
  EXPECT_EQ(cockpit.elementValue("Hydraulic Pumps", 2), 1.0);
  cockpit.setSwitch(&g_hydEngine2Pump, 95).setSwitch(&g_hydAuxPump, 120).draw();
  EXPECT_EQ(cockpit.elementValue("Hydraulic Pumps", 4), 1.0);
  EXPECT_EQ(cockpit.elementValue("Hydraulic Pumps", 3), 1.0);
  EXPECT_FALSE(cockpit.elementVisible("Hydraulic Pumps", 1)) << "side light off";
  cockpit.powerUp().control("SIDE SWITCHES", "paneL", 41).draw();
  EXPECT_TRUE(cockpit.elementVisible("Hydraulic Pumps", 1));
}

// ---- Brake temperature ----

// The pump switches at their places with their pictures; the brake
// temperature needle turns about the dial's centre through its six marks, 0
// at the lower left to 500 at the lower right, the marks at equal heights on
// both sides; the selector's five pictures and the overheat lamp.
TEST(BrakeTemperature, TheDialsMarksThePumpsAndTheControlsStandAtTheirPlaces) {
  Cockpit cockpit;
  ExpectElementPlaces(cockpit, "Hydraulic Pumps",
                      {{1, 0, 1}, {2, 13, 70, 2}, {3, 51, 63, 3}, {4, 52, 14, 3}, {5, 14, 14, 3}});
  ExpectElementPlaces(cockpit, "Brake Temperature Controls", {{1, 4, 21}, {2, 14, 32, 5}, {3, 10, 13, 2}});
  const platform::ELEMENT_HEADER& needle = cockpit.element("Brake Temperature", 1);
  EXPECT_EQ(needle.pivotX, 100);
  EXPECT_EQ(needle.pivotY, 100);
  const platform::NeedlePoint marks[] = {{50, 140, 0},   {36, 85, 100},  {72, 41, 200},
                                         {129, 41, 300}, {165, 85, 400}, {150, 140, 500}};
  ASSERT_EQ(needle.scalePoints, std::size(marks));
  for (size_t i = 0; i < std::size(marks); ++i) {
    EXPECT_EQ(needle.scale[i].x, marks[i].x) << marks[i].value;
    EXPECT_EQ(needle.scale[i].y, marks[i].y) << marks[i].value;
    EXPECT_EQ(needle.scale[i].value, marks[i].value);
    EXPECT_EQ(needle.scale[i].y, marks[std::size(marks) - 1 - i].y) << marks[i].value << " mirrors its partner";
  }
}

TEST(BrakeTemperature, TheSelectorPicksABrakeAndTheTestDrivesTheDialTo450) {
  Cockpit cockpit;
  cockpit.addSounds({kClickRotary2, kClickButton1});
  // Heat the right brake harder than the left on a fast roll.
  cockpit.set(Token::OnGround, 1).set(Token::IndicatedAirspeedKt, 100).set(Token::LeftBrakePedal, 8000);
  cockpit.set(Token::RightBrakePedal, 32000).runSeconds(20).set(Token::IndicatedAirspeedKt, 0).runTicks(1).draw();
  EXPECT_EQ(cockpit.elementValue("Brake Temperature", 1), 0.0) << "no panel power";
  EXPECT_EQ(cockpit.elementValue("Brake Temperature Controls", 3), 0.0) << "no panel power";
  cockpit.powerUp();
  const double left = GetBrakeTemperature(0);
  const double right = GetBrakeTemperature(1);
  ASSERT_LT(left, right);
  // The left half steps toward 1, the right half toward 5; every click sounds.
  const std::vector<double> expected = {left, left, right, right, right};
  cockpit.click("Brake Temperature Controls", 10, 40);
  EXPECT_EQ(GetSwitch(&g_brakeTempSelector), 1) << "from the default 120";
  for (int position = 1; position <= 5; ++position) {
    cockpit.setSwitch(&g_brakeTempSelector, position).draw();
    EXPECT_EQ(cockpit.elementValue("Brake Temperature", 1), expected[position - 1]) << position;
    EXPECT_EQ(cockpit.elementValue("Brake Temperature Controls", 2), position - 1.0);
  }
  cockpit.click("Brake Temperature Controls", 40, 40);
  EXPECT_EQ(GetSwitch(&g_brakeTempSelector), 5) << "stays at 5";
  cockpit.click("Brake Temperature Controls", 10, 40).click("Brake Temperature Controls", 10, 40);
  EXPECT_EQ(GetSwitch(&g_brakeTempSelector), 3);
  cockpit.setSwitch(&g_brakeTempSelector, kStray).click("Brake Temperature Controls", 40, 40);
  EXPECT_EQ(GetSwitch(&g_brakeTempSelector), 5);
  EXPECT_EQ(cockpit.played(kClickRotary2).size(), 5u);

  // The right brake past 305: the overheat lamp with the test button released.
  ASSERT_EQ(GetSwitch(&g_hotBrakeLamp), kSwitchOn);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Brake Temperature Controls", 3), 1.0);
  cockpit.setSwitch(&g_hotBrakeLamp, kSwitchOff).draw();
  EXPECT_EQ(cockpit.elementValue("Brake Temperature Controls", 3), 0.0);
  // The test button held: 450 and the overheat lamp; released: back.
  cockpit.mouse("Brake Temperature Controls", 30, 10, kClick).draw();
  EXPECT_EQ(cockpit.elementValue("Brake Temperature", 1), 450.0);
  EXPECT_EQ(cockpit.elementValue("Brake Temperature Controls", 3), 1.0);
  EXPECT_EQ(cockpit.tooltip("Brake Temperature"), "Brake Temperature:\nTemperature: 450\xC2\xB0");
  cockpit.mouse("Brake Temperature Controls", 30, 10, kRelease).draw();
  EXPECT_EQ(cockpit.elementValue("Brake Temperature", 1), right);
  EXPECT_EQ(cockpit.elementValue("Brake Temperature Controls", 3), 0.0);
  EXPECT_EQ(cockpit.played(kClickButton1).size(), 2u);
  // A button record at neither 41 nor 120 lights nothing, even with hot brakes.
  cockpit.setSwitch(&g_hotBrakeLamp, kSwitchOn).setSwitch(&g_brakeTempTestButton, kStray).draw();
  EXPECT_EQ(cockpit.elementValue("Brake Temperature Controls", 3), 0.0);
  cockpit.setSwitch(&g_brakeTempTestButton, kSwitchOff).setSwitch(&g_hotBrakeLamp, kSwitchOff).draw();
  EXPECT_EQ(cockpit.elementValue("Brake Temperature Controls", 3), 0.0);
  cockpit.control("Annunciator Digital Lights Test", "test", 50).draw();
  EXPECT_EQ(cockpit.elementValue("Brake Temperature Controls", 3), 1.0) << "the lamp test";
}

TEST(BrakeTemperature, WithoutPowerTheDialRestsAtZeroWhateverTheButtonDoes) {
  Cockpit cockpit;
  cockpit.mouse("Brake Temperature Controls", 30, 10, kClick).draw();
  EXPECT_EQ(cockpit.elementValue("Brake Temperature", 1), 0.0);
  EXPECT_EQ(cockpit.elementValue("Brake Temperature Controls", 3), 0.0);
  EXPECT_EQ(cockpit.tooltip("Brake Temperature"), "Brake Temperature:\nTemperature: 0\xC2\xB0");
  // The keyboard delivers the press only: the needle stays at 450 once powered.
  cockpit.mouse("Brake Temperature Controls", 30, 10, kRelease).callControl("Brake Temperature Controls",
                                                                             "BrakeTemperatureControlsMouseTest");
  cockpit.powerUp().draw();
  EXPECT_EQ(cockpit.elementValue("Brake Temperature", 1), 450.0);
}

// ---- ART and the first officer's external lights ----

TEST(ArtAndLights, TheSwitchesStepAndTheLightSwitchesShowTheSimulatorsLights) {
  Cockpit cockpit;
  cockpit.addSounds({kClickToggle2, kClickGuarded1, kClickGuarded2});
  ExpectSteps(cockpit, "ART", 15, 10, &g_artSwitch, kClickGuarded1,
              {{120, 125, true}, {125, 44, true}, {44, 44, false}, {kStray, 44, false}});
  ExpectSteps(cockpit, "ART", 15, 40, &g_artSwitch, kClickGuarded1,
              {{44, 125, true}, {125, 120, true}, {120, 120, false}, {kStray, 120, false}});
  cockpit.setSwitch(&g_artSwitch, 125).draw();
  EXPECT_EQ(cockpit.elementValue("ART", 2), 1.0);
  cockpit.setSwitch(&g_artSwitch, 120).draw();
  EXPECT_EQ(cockpit.elementValue("ART", 2), 2.0);

  ExpectSteps(cockpit, "External Lights FO", 140, 40, &g_posStrobeLightSwitch, kClickGuarded2,
              {{97, 96, true}, {96, 120, true}, {120, 120, false}});
  ExpectSteps(cockpit, "External Lights FO", 140, 65, &g_posStrobeLightSwitch, kClickGuarded2,
              {{120, 96, true}, {96, 97, true}, {97, 120, false}});
  ExpectSteps(cockpit, "External Lights FO", 20, 30, &g_groundFloodLight1, kClickToggle2,
              {{120, 41, true}, {41, 120, true}, {kStray, 120, true}});
  ExpectSteps(cockpit, "External Lights FO", 60, 30, &g_groundFloodLight2, kClickGuarded1, {{120, 41, true}});
  cockpit.setSwitch(&g_posStrobeLightSwitch, 97).draw();
  EXPECT_EQ(cockpit.elementValue("External Lights FO", 2), 2.0);
  EXPECT_EQ(cockpit.elementValue("External Lights FO", 5), 1.0);
  EXPECT_EQ(cockpit.elementValue("External Lights FO", 6), 0.0);

  // The two light switches send the simulator's toggles; their pictures show its lights.
  cockpit.click("External Lights FO", 20, 80).draw();
  EXPECT_EQ(cockpit.keyEvents(66378).size(), 1u);
  EXPECT_EQ(cockpit.elementValue("External Lights FO", 4), 1.0);
  EXPECT_EQ(cockpit.elementValue("External Lights FO", 3), 0.0);
  cockpit.click("External Lights FO", 100, 50).draw();
  EXPECT_EQ(cockpit.keyEvents(66239).size(), 1u);
  EXPECT_EQ(cockpit.elementValue("External Lights FO", 3), 1.0);
  cockpit.set(Token::BeaconLights, 0).draw();
  EXPECT_EQ(cockpit.elementValue("External Lights FO", 3), 0.0) << "a light switched by other means";
  // The variable's value is the frame, held to the two pictures.
  cockpit.set(Token::BeaconLights, 0.5).set(Token::LogoLights, -1).draw();
  EXPECT_EQ(cockpit.elementValue("External Lights FO", 3), 0.5) << "the first picture";
  EXPECT_EQ(cockpit.elementValue("External Lights FO", 4), 0.0);
  cockpit.set(Token::BeaconLights, 2).draw();
  EXPECT_EQ(cockpit.elementValue("External Lights FO", 3), 1.0);
}

// ---- Tiller ----

// The switch pictures, the tiller and the TAS/SAT digits and masks sit on
// their places of each gauge, with the frames of their strips.
TEST(ArtAndLights, EachPictureSitsOnItsPlace) {
  Cockpit cockpit;
  cockpit.draw();
  ExpectElementPlaces(cockpit, {{"ART", 1, -19, -7},
                                {"ART", 2, 0, 0, 3},
                                {"External Lights FO", 1, 8, 4},
                                {"External Lights FO", 2, 135, 26, 3},
                                {"External Lights FO", 3, 96, 38, 2},
                                {"External Lights FO", 4, 23, 60, 2},
                                {"External Lights FO", 5, 61, 17, 2},
                                {"External Lights FO", 6, 20, 17, 2},
                                {"External Lights FO", 7, 4, 14},
                                {"Stearing Wheel", 1, 0, 0, 31},
                                {"TAS SAT", 1, 2, 6, 2},
                                {"TAS SAT", 2, 5, 2, 11},
                                {"TAS SAT", 3, 18, 2, 11},
                                {"TAS SAT", 4, 31, 2, 11},
                                {"TAS SAT", 5, 2, 44, 2},
                                {"TAS SAT", 6, 18, 41, 11},
                                {"TAS SAT", 7, 30, 41, 11},
                                {"TAS SAT", 8, 6, 40, 13}});
}

TEST(StearingWheel, TheTillerSteersOnlyOnTheGroundFromTheColumnDragged) {
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 0).mouse("Stearing Wheel", 139, 50, kDrag);
  EXPECT_TRUE(cockpit.keyEvents(65696).empty()) << "in flight nothing";
  cockpit.set(Token::OnGround, 1).mouse("Stearing Wheel", 139, 50, kDrag);
  cockpit.mouse("Stearing Wheel", 0, 50, kDrag).mouse("Stearing Wheel", 279, 50, kDrag);
  cockpit.mouse("Stearing Wheel", 140, 50, kDrag);
  std::vector<int32_t> values;
  for (const auto& event : cockpit.keyEvents(65696)) values.push_back(static_cast<int32_t>(event.value));
  EXPECT_EQ(values, (std::vector<int32_t>{117, 16380, -16263, 0}));
  StearingWheelMouseTiller({-50, 0}, kDrag);
  StearingWheelMouseTiller({400, 0}, kDrag);
  EXPECT_EQ(static_cast<int32_t>(cockpit.keyEvents(65696)[4].value), 16380) << "held at the stops";
  EXPECT_EQ(static_cast<int32_t>(cockpit.keyEvents(65696)[5].value), -16263);

  // The picture: the simulator's steering from the last drag (the right stop).
  cockpit.set(Token::ParkingBrake, 0).mouse("Stearing Wheel", 279, 50, kDrag).draw();
  EXPECT_NEAR(cockpit.elementValue("Stearing Wheel", 1), 15 - 26.7380189802 * cockpit.token(Token::SteeringRad), 1e-9);
  EXPECT_GT(cockpit.elementValue("Stearing Wheel", 1), 28.0);
  cockpit.click("Stearing Wheel", 140, 120).draw();
  EXPECT_EQ(cockpit.keyEvents(65752).size(), 1u);
  EXPECT_EQ(cockpit.elementValue("Stearing Wheel", 1), 30.0) << "the button set the parking brake";
}

TEST(StearingWheel, TillerFramesFallWithTheSteeringAndStayWithinTheirStrip) {
  std::vector<double> frames;
  double previous = TillerFrame(false, true, -0.7);
  for (double s = -0.7; s <= 0.7; s += 0.001) {
    const double frame = TillerFrame(false, true, s);
    ASSERT_LE(frame, previous) << s;
    ASSERT_GE(frame, 0.0);
    ASSERT_LE(frame, 30.0);
    previous = frame;
  }
  EXPECT_EQ(TillerFrame(false, true, 0.0), 15.0);
  EXPECT_NEAR(TillerFrame(false, true, 0.561), 0.0, 0.001);
  EXPECT_NEAR(TillerFrame(false, true, -0.561), 30.0, 0.001);
  EXPECT_EQ(TillerFrame(false, true, 0.9), 0.0);
  EXPECT_EQ(TillerFrame(false, false, 0.3), 15.0) << "airborne: centred";
  EXPECT_EQ(TillerFrame(true, false, 0.3), 30.0) << "parking brake, in flight";
  EXPECT_EQ(TillerFrame(true, true, -0.3), 30.0) << "parking brake, on the ground";
  EXPECT_EQ(TillerFrame(false, true, std::numeric_limits<double>::quiet_NaN()), 15.0);
}

// ---- TAS/SAT ----

struct TasCase {
  double tasKt;
  double digits[3];
};
struct TempCase {
  double t;
  double tens, units, sign;
};

TEST(TasSat, DigitsReadFrom130AndTheSignShowsAWholeDegreeFromZero) {
  Cockpit cockpit;
  cockpit.set(Token::WindSpeedKt, 0).draw();
  for (uint32_t element : {2u, 3u, 4u, 6u, 7u}) EXPECT_EQ(cockpit.elementValue("TAS SAT", element), 0.0);
  EXPECT_EQ(cockpit.elementValue("TAS SAT", 1), 1.0) << "masks cover the lines without power";
  EXPECT_EQ(cockpit.elementValue("TAS SAT", 5), 1.0);
  EXPECT_EQ(cockpit.elementValue("TAS SAT", 8), 10.0);
  cockpit.powerUp();
  for (const TasCase& c : std::vector<TasCase>{{0, {1, 3, 0}}, {129.9, {1, 3, 0}}, {130.0, {1, 3, 0}},
                                               {131.7, {1, 3, 1}}, {487, {4, 8, 7}}, {1234, {2, 3, 4}}}) {
    cockpit.set(Token::GroundSpeedMps, c.tasKt / kKtPerMps).draw();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(cockpit.elementValue("TAS SAT", 2 + i), c.digits[i]) << c.tasKt;
  }
  EXPECT_EQ(cockpit.elementValue("TAS SAT", 1), 0.0);
  for (const TempCase& c : std::vector<TempCase>{{-0.6, 0, 0, 10}, {-0.99, 0, 0, 10}, {-1.0, 0, 1, 11},
                                                 {0.99, 0, 0, 10}, {1.0, 0, 1, 12}, {15.7, 1, 5, 12},
                                                 {-123, 2, 3, 11}}) {
    cockpit.set(Token::TotalAirTempDegC, c.t).draw();
    EXPECT_EQ(cockpit.elementValue("TAS SAT", 6), c.tens) << c.t;
    EXPECT_EQ(cockpit.elementValue("TAS SAT", 7), c.units) << c.t;
    EXPECT_EQ(cockpit.elementValue("TAS SAT", 8), c.sign) << c.t;
  }
}

TEST(TasSat, TheButtonHeldShowsTheStaticTemperature) {
  Cockpit cockpit;
  cockpit.addSounds({kClickButton1});
  // Metric units: the static temperature in degrees C.
  cockpit.set(Token::UnitsOfMeasure, 2).setScaled(Token::AmbientTemp, -45.0).set(Token::TotalAirTempDegC, 12);
  cockpit.powerUp().runSeconds(2).draw();
  ASSERT_NE(GetStaticAirTemp(), GetTotalAirTemp());
  EXPECT_EQ(cockpit.elementValue("TAS SAT", 8), 12.0);
  cockpit.mouse("TAS SAT", 20, 60, kClick).draw();
  EXPECT_EQ(GetTasSatState(), 1);
  const double sat = GetStaticAirTemp();
  EXPECT_EQ(cockpit.elementValue("TAS SAT", 8), sat <= -1.0 ? 11.0 : sat >= 1.0 ? 12.0 : 10.0);
  EXPECT_EQ(cockpit.elementValue("TAS SAT", 6), std::floor(std::fabs(sat) / 10.0));
  cockpit.mouse("TAS SAT", 20, 60, kRelease).draw();
  EXPECT_EQ(GetTasSatState(), 0);
  EXPECT_EQ(cockpit.elementValue("TAS SAT", 7), 2.0);
  EXPECT_EQ(cockpit.played(kClickButton1).size(), 2u);
}

// ---- Wiper ----

TEST(Wiper, TheBladeShowsItsStrokeInTheViewItIsSeenFrom) {
  Cockpit cockpit;
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Wiper", 1), 0.0) << "at rest in view 0";
  cockpit.setWindowVisible(10220, true).runTicks(2).draw();
  ASSERT_EQ(GetWiperView(), 1u);
  EXPECT_EQ(cockpit.elementValue("Wiper", 1), 19.0) << "at rest in view 1";
  cockpit.control("RAIN", "wiper", 3);
  std::vector<double> frames;
  for (int i = 0; i < 40; ++i) {
    cockpit.runTicks(1).draw();
    const double frame = cockpit.elementValue("Wiper", 1);
    if (frames.empty() || frames.back() != frame) frames.push_back(frame);
  }
  ASSERT_GE(frames.size(), 10u);
  for (double frame : frames) {
    EXPECT_GE(frame, 19.0);
    EXPECT_LE(frame, 37.0);
  }
  EXPECT_EQ(*std::max_element(frames.begin(), frames.end()), 37.0) << "the end of the sweep";
  cockpit.setWindowVisible(10220, false).setWindowVisible(10290, true).runTicks(2).draw();
  ASSERT_EQ(GetWiperView(), 2u);
  EXPECT_EQ(cockpit.elementValue("Wiper", 1), 38.0 + GetSwitch(&g_wiperImage) - 1);
  cockpit.setSwitch(&g_wiperImage, 20).draw();
  EXPECT_EQ(cockpit.elementValue("Wiper", 1), 0.0) << "off the strip";
  cockpit.setSwitch(&g_wiperImage, 0).draw();
  EXPECT_EQ(cockpit.elementValue("Wiper", 1), 0.0);
}

// ---- Keyboard commands and night lighting ----

// Slots 289 to 363: each command of these gauges' sections reaches a control
// of one of them that takes left clicks, and a click there does what the
// command does; the two ART slots of the brake temperature section run nothing.
TEST(PedestalKeyboard, EveryCommandIsAControlOfItsGaugeAndActsAsAClickThere) {
  Cockpit cockpit;
  const char* gauges[] = {"Throttlebox", "Flapsbox", "Longitude Trim", "Stabilizer Trim", "Rudder Trim",
                          "Alternate Gear", "Radar", "Hydraulic Pumps", "Brake Temperature Controls",
                          "External Lights FO", "TAS SAT"};
  int commands = 0;
  int empty = 0;
  for (uint32_t slot = 289; slot <= 363; ++slot) {
    const wchar_t* section = KeyboardCommandSection(slot);
    if (section == nullptr || std::wstring(section) == L"AUDIO PANEL" || std::wstring(section) == L"CENTER INSTRUMENT & PEDESTAL LIGHTS" ||
        std::wstring(section) == L"AUTO BRAKE SYSTEM" || std::wstring(section) == L"PNEUMATIC X-FEED" ||
        std::wstring(section) == L"SIDE SWITCHES") {
      continue;
    }
    const platform::MouseFunction function = KeyboardCommandControl(slot);
    if (function == nullptr) {
      ++empty;
      continue;
    }
    const platform::MOUSERECT* found = nullptr;
    const char* foundGauge = nullptr;
    for (const char* gauge : gauges) {
      for (const platform::MOUSERECT* r = cockpit.gauge(gauge)->mouseRects; r->type != platform::kMouseRectEnd; ++r) {
        if (r->type == platform::kMouseRectChild && r->function == function) {
          found = r;
          foundGauge = gauge;
        }
      }
    }
    ASSERT_NE(found, nullptr) << "slot " << slot;
    EXPECT_NE(found->mouseFlags & kClick, 0u) << found->functionName;
    ++commands;
    // The click on the rectangle and the command send the same events (the
    // autotrim's depend on where the trim stands after the first).
    if (std::string(found->functionName) == "LongitudeTrimMouseAutotrim") continue;
    const double mixture1 = cockpit.token(Token::Engine1Mixture);
    const double mixture2 = cockpit.token(Token::Engine2Mixture);
    const size_t events = cockpit.keyEvents().size();
    cockpit.click(foundGauge, found->x + found->width / 2, found->y + found->height / 2);
    const auto afterClick = cockpit.keyEvents();
    cockpit.set(Token::Engine1Mixture, mixture1).set(Token::Engine2Mixture, mixture2);
    EXPECT_EQ(function({0, 0}, kClick), 1) << found->functionName << " handled the click";
    const auto afterKey = cockpit.keyEvents();
    const size_t clickEvents = afterClick.size() - events;
    ASSERT_EQ(afterKey.size() - afterClick.size(), clickEvents) << found->functionName;
    for (size_t i = 0; i < clickEvents; ++i) {
      EXPECT_EQ(afterClick[events + i].event, afterKey[afterClick.size() + i].event) << found->functionName;
    }
  }
  EXPECT_EQ(commands, 47);
  EXPECT_EQ(empty, 2) << "ART inc and dec";

  // Every control of these gauges, and of the ones without keyboard commands,
  // reports each of its events handled.
  for (const char* gauge : {"Throttlebox", "Flapsbox", "Longitude Trim", "Stabilizer Trim", "Rudder Trim",
                            "Aileron Trim", "Alternate Gear", "Gear Horn VC", "Radar", "Hydraulic Pumps",
                            "Brake Temperature Controls", "ART", "External Lights FO", "Stearing Wheel", "TAS SAT"}) {
    for (const platform::MOUSERECT* r = cockpit.gauge(gauge)->mouseRects; r->type != platform::kMouseRectEnd; ++r) {
      if (r->type != platform::kMouseRectChild) continue;
      for (uint32_t event : {kClick, kRelease, platform::kMouseDownRepeat, kDrag, platform::kMouseRightSingle}) {
        if ((r->mouseFlags & event) != 0) {
          EXPECT_EQ(r->function({r->width / 2, r->height / 2}, event), 1) << r->functionName;
        }
      }
    }
  }
}

// The brake temperature dial and the TAS/SAT indicator are lit by the side
// panel light: switched on, their ranges vanish for a tick and come back lit.
TEST(SideLighting, TheBrakeTemperatureDialAndTasSatRelightWithTheSidePanelLight) {
  Cockpit cockpit;
  cockpit.powerUp().draw().runTicks(2).draw();
  EXPECT_FALSE(cockpit.elementLit("TAS SAT", 1)) << "unlit after the first draw without the light";
  EXPECT_TRUE(cockpit.elementVisible("TAS SAT", 1));
  EXPECT_TRUE(cockpit.elementLit("TAS SAT", 0)) << "the face is outside the range";
  EXPECT_FALSE(cockpit.elementVisible("Brake Temperature Controls", 1)) << "its panel light off";
  EXPECT_TRUE(cockpit.elementVisible("Brake Temperature Controls", 2));
  EXPECT_FALSE(cockpit.elementVisible("External Lights FO", 1));
  EXPECT_FALSE(cockpit.elementVisible("ART", 1)) << "the pedestal light off";
  EXPECT_FALSE(cockpit.elementVisible("Radar", 7));
  EXPECT_FALSE(cockpit.elementVisible("Stabilizer Trim", 1));
  cockpit.control("SIDE SWITCHES", "paneL", 41).draw();
  for (uint32_t element = 1; element <= 8; ++element) EXPECT_FALSE(cockpit.elementVisible("TAS SAT", element));
  EXPECT_TRUE(cockpit.elementVisible("TAS SAT", 0));
  EXPECT_FALSE(cockpit.elementVisible("Brake Temperature", 0));
  EXPECT_FALSE(cockpit.elementVisible("Brake Temperature", 1));
  cockpit.runTicks(2).draw();
  for (uint32_t element = 1; element <= 8; ++element) {
    EXPECT_TRUE(cockpit.elementVisible("TAS SAT", element));
    EXPECT_TRUE(cockpit.elementLit("TAS SAT", element));
  }
  EXPECT_TRUE(cockpit.elementLit("Brake Temperature", 1));
  EXPECT_TRUE(cockpit.elementVisible("Brake Temperature", 1));
  EXPECT_TRUE(cockpit.elementVisible("Brake Temperature Controls", 1)) << "its panel light";
  EXPECT_TRUE(cockpit.elementVisible("External Lights FO", 1));
  cockpit.control("CPL", "panel_light", 41).draw();
  EXPECT_TRUE(cockpit.elementVisible("ART", 1)) << "the pedestal light on";
  EXPECT_TRUE(cockpit.elementVisible("Radar", 7));
  EXPECT_TRUE(cockpit.elementVisible("Stabilizer Trim", 1));
  SetOptionOn(kOptionClickAreas);
  cockpit.draw();
  EXPECT_TRUE(cockpit.elementVisible("TAS SAT", 9));
  EXPECT_TRUE(cockpit.elementVisible("Throttlebox", 9));
  EXPECT_TRUE(cockpit.elementVisible("Stearing Wheel", 2));
  SetOptionOff(kOptionClickAreas);
}

}  // namespace
}  // namespace halcyon::test
