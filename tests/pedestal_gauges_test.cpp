// The pedestal's gauges as the simulator drives them: thrust levers and the
// speed brake dragged, the fuel levers and the flap handle clicked, the trim
// handles pressed, held and released, the radar head and its displays, and
// the gear gauges; the lever pictures' frames over their whole ranges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "displays/radar/radar.h"
#include "gauges/gauge_kit.h"
#include "gauges/pedestal.h"
#include "gauges/trims.h"
#include "simhost/flight_control_effects.h"
#include "systems/cabin_press.h"
#include "systems/flaps.h"
#include "systems/gear.h"
#include "systems/ground_spoilers.h"
#include "systems/kept_controls.h"
#include "systems/levers.h"
#include "systems/longitudinal_trim.h"
#include "tests/cockpit.h"
#include "tests/element_places.h"
#include "tests/lever_frames.h"
#include "tests/picture_frames.h"

namespace halcyon::test {
namespace {

constexpr uint32_t kClick = platform::kMouseLeftSingle;
constexpr uint32_t kRelease = platform::kMouseLeftRelease;
constexpr uint32_t kRepeat = platform::kMouseDownRepeat;
constexpr uint32_t kDrag = platform::kMouseLeftDrag;
constexpr uint32_t kRight = platform::kMouseRightSingle;

constexpr uint32_t kThrottle1Set = 65820;
constexpr uint32_t kThrottle2Set = 65821;
constexpr uint32_t kSpoilersSet = 65786;
constexpr uint32_t kSpoilersArmOn = 66066;
constexpr uint32_t kFlapsDown = 65758;
constexpr uint32_t kFlapsUp = 65759;

// The values the key events of one id carried, in order (signed).
std::vector<int32_t> Values(const Cockpit& cockpit, uint32_t event) {
  std::vector<int32_t> values;
  for (const auto& record : cockpit.keyEvents(event)) values.push_back(static_cast<int32_t>(record.value));
  return values;
}

// A lever picture over its whole range: never turning back, inside its
// strip, every frame from the first to the last shown; then the edges.
struct Edge {
  double value;
  double frame;
};
void ExpectFamily(const std::function<double(double)>& frameOf, double from, double to, double step, double firstFrame,
                  double lastFrame, const std::vector<Edge>& edges, bool falling = false) {
  double previous = frameOf(from);
  int changes = 0;
  for (double v = from; v <= to; v += step) {
    const double frame = frameOf(v);
    ASSERT_TRUE(falling ? frame <= previous : frame >= previous) << v;
    ASSERT_GE(frame, std::min(firstFrame, lastFrame)) << v;
    ASSERT_LE(frame, std::max(firstFrame, lastFrame)) << v;
    if (frame != previous) ++changes;
    previous = frame;
  }
  EXPECT_EQ(frameOf(from), firstFrame);
  EXPECT_EQ(frameOf(to), lastFrame);
  EXPECT_EQ(changes, static_cast<int>(std::fabs(lastFrame - firstFrame))) << "a frame skipped";
  for (const Edge& edge : edges) EXPECT_EQ(frameOf(edge.value), edge.frame) << "at " << edge.value;
}

// ---- Thrust levers ----

// The quadrant's levers and the gear horn button at their places, each
// picture strip as long as its travel; the flap box's cabin controls and
// flap handle the same.
TEST(Throttlebox, EachLeverAndButtonStandsAtItsPlaceWithItsPictures) {
  Cockpit cockpit;
  ExpectElementPlaces(cockpit, "Throttlebox",
                      {{1, 88, 505, 3}, {2, 0, -3, 20}, {3, 120, 424, 18}, {4, 252, 424, 18}, {5, 85, 72, 18},
                       {6, 289, 0, 18}, {7, 105, 37, 48}, {8, 193, 37, 48}});
  ExpectElementPlaces(cockpit, "Flapsbox", {{1, 57, 60, 30}, {2, 40, 257, 6}, {3, 33, 392, 22}, {4, 83, 64, 36}});
}

TEST(Throttlebox, ThrustLeverFramesRiseOverTheWholeRangeAndMeetTheBands) {
  ExpectFamily(ThrustLeverFrame, -4096, 16384, 1, 0, 47,
               {{-4081, 0},  {-4080, 1},   {-3585, 1},   {-3584, 2},   {-513, 7},    {-512, 8},    {-1, 8},
                {-0.001, 8}, {0, 9},       {419, 9},     {420, 10},    {839, 10},    {840, 11},    {15959, 46},
                {15960, 47}, {16383, 47},  {16384.9, 47}, {16385, 0},  {1e9, 0},     {-1e9, 0}});
  EXPECT_EQ(ThrustLeverFrame(std::numeric_limits<double>::quiet_NaN()), 0.0);
}

TEST(Throttlebox, DraggingALeverSetsItsEngineAndTheMiddleSetsBoth) {
  Cockpit cockpit;
  // Engine 1's lever at its top row: full forward, 16383 (frame 47).
  cockpit.mouse("Throttlebox", 150, 37, kDrag).runTicks(1).draw();
  EXPECT_EQ(Values(cockpit, kThrottle1Set), std::vector<int32_t>{16383});
  EXPECT_TRUE(cockpit.keyEvents(kThrottle2Set).empty());
  EXPECT_EQ(cockpit.elementValue("Throttlebox", 7), 47.0);
  // Engine 2's lever 100 rows down: 16383 - 5000.
  cockpit.mouse("Throttlebox", 250, 137, kDrag).runTicks(1).draw();
  EXPECT_EQ(Values(cockpit, kThrottle2Set), std::vector<int32_t>{11383});
  EXPECT_EQ(cockpit.token(Token::Engine2Throttle), 11383.0);
  EXPECT_EQ(cockpit.elementValue("Throttlebox", 8), 36.0) << "11383 in the band from 11340";
  EXPECT_EQ(cockpit.elementValue("Throttlebox", 7), 47.0) << "engine 1 stays";

  // The middle: both, engine 1 first, at the bottom row: full reverse, -3817.
  cockpit.clearKeyEvents().mouse("Throttlebox", 200, 441, kDrag);
  ASSERT_EQ(cockpit.keyEvents().size(), 2u);
  EXPECT_EQ(cockpit.keyEvents()[0].event, kThrottle1Set);
  EXPECT_EQ(cockpit.keyEvents()[1].event, kThrottle2Set);
  EXPECT_EQ(Values(cockpit, kThrottle2Set), std::vector<int32_t>{-3817});
  cockpit.runTicks(1).draw();
  EXPECT_EQ(cockpit.elementValue("Throttlebox", 7), 1.0);
  EXPECT_EQ(cockpit.elementValue("Throttlebox", 8), 1.0);

  // Row 327 of the rectangle: 16383 - 16350 = 33, just past idle.
  cockpit.clearKeyEvents().mouse("Throttlebox", 200, 364, kDrag);
  EXPECT_EQ(Values(cockpit, kThrottle1Set), std::vector<int32_t>{33});
  // The lever does not listen to clicks; a drag beyond the rectangle is held at its stops.
  EXPECT_EQ(cockpit.host().Mouse("Throttlebox", 150, 100, kClick), "no control of 'Throttlebox' at 150,100");
  cockpit.clearKeyEvents();
  ThrottleboxMouseThrottle1({0, 900}, kDrag);
  ThrottleboxMouseThrottle2({0, -20}, kDrag);
  EXPECT_EQ(Values(cockpit, kThrottle1Set), std::vector<int32_t>{-3817});
  EXPECT_EQ(Values(cockpit, kThrottle2Set), std::vector<int32_t>{16383});
}

// ---- Speed brake ----

TEST(Throttlebox, SpeedBrakeFramesRiseOverTheHandlesTravel) {
  ExpectFamily(SpeedBrakeFrame, 0, 16384, 1, 1, 19,
               {{-1, 1}, {862, 1}, {863, 2}, {1724, 2}, {1725, 3}, {8622, 10}, {8623, 11}, {15520, 18},
                {15521, 19}, {16384, 19}, {16384.5, 1}, {1e9, 1}});
  EXPECT_EQ(SpeedBrakeFrame(std::numeric_limits<double>::quiet_NaN()), 1.0);
}

// Frame 1 below the first band; each band's lower bound starts its frame.
TEST(Throttlebox, SpeedBrakeFramesChangeAtEachBandsLowerBound) {
  const double kLowerBounds[] = {863,  1725, 2587,  3450,  4311,  5174,  6036,  6899,  7761,
                                 8623, 9485, 10348, 11210, 12072, 12934, 13797, 14659, 15521};
  double frame = 1.0;
  for (const double bound : kLowerBounds) {
    EXPECT_EQ(SpeedBrakeFrame(bound - 0.5), frame) << bound;
    EXPECT_EQ(SpeedBrakeFrame(bound), frame + 1.0) << bound;
    frame += 1.0;
  }
}

TEST(Throttlebox, TheSpeedBrakeArmsOnARightClickAndDraggedSetsTheSpoilers) {
  Cockpit cockpit;
  cockpit.set(Token::OnGround, 1).runTicks(1).draw();
  EXPECT_EQ(cockpit.elementValue("Throttlebox", 2), 1.0) << "stowed";

  // The right click is the arm command; the automatics take it within half a second.
  cockpit.mouse("Throttlebox", 40, 300, kRight);
  EXPECT_EQ(Values(cockpit, kSpoilersArmOn), std::vector<int32_t>{0});
  EXPECT_EQ(cockpit.token(Token::SpoilerArm), 1.0);
  cockpit.runSeconds(1).draw();
  EXPECT_EQ(g_autoSpoilerArmed, 1u);
  EXPECT_EQ(cockpit.token(Token::SpoilerArm), 0.0) << "the automatics cleared the simulator's arm";
  EXPECT_EQ(cockpit.elementValue("Throttlebox", 2), 0.0) << "the armed picture";

  // Dragged to row 300: half travel; the arm still pending in the simulator is taken back.
  cockpit.set(Token::SpoilerArm, 1).clearKeyEvents().mouse("Throttlebox", 40, 300, kDrag);
  ASSERT_EQ(cockpit.keyEvents().size(), 2u);
  EXPECT_EQ(cockpit.keyEvents()[0].event, kSpoilersSet);
  EXPECT_EQ(cockpit.keyEvents()[0].value, 8192u);
  EXPECT_EQ(cockpit.keyEvents()[1].event, kKeyEventSpoilersArmToggle);
  EXPECT_EQ(cockpit.token(Token::SpoilerHandle), 8192.0);
  EXPECT_EQ(cockpit.token(Token::SpoilerArm), 0.0);
  cockpit.runSeconds(1).draw();
  EXPECT_EQ(g_autoSpoilerArmed, 0u) << "a handle pulled by hand disarms the automatics";
  EXPECT_EQ(cockpit.elementValue("Throttlebox", 2), 10.0);

  // With the simulator's arm clear only the position goes; the edges of the travel.
  cockpit.clearKeyEvents().mouse("Throttlebox", 40, 0, kDrag).mouse("Throttlebox", 40, 599, kDrag);
  EXPECT_EQ(Values(cockpit, kSpoilersSet), (std::vector<int32_t>{0, 16356}));
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventSpoilersArmToggle).empty());
  cockpit.clearKeyEvents();
  ThrottleboxMouseSpeedBrake({0, 600}, kDrag);
  ThrottleboxMouseSpeedBrake({0, -3}, kDrag);
  ThrottleboxMouseSpeedBrake({0, 300}, kClick);
  EXPECT_EQ(Values(cockpit, kSpoilersSet), (std::vector<int32_t>{16383, 0})) << "a plain click sends nothing";
}

// ---- Fuel, hydraulic and cross-feed levers; the gear horn ----

TEST(Throttlebox, FuelLeversFollowTheMixtureTheirClicksSet) {
  Cockpit cockpit;
  cockpit.set(Token::Engine1Mixture, 0).set(Token::Engine2Mixture, 16384).runSeconds(2).draw();
  EXPECT_EQ(cockpit.elementValue("Throttlebox", 3), 0.0);
  EXPECT_EQ(cockpit.elementValue("Throttlebox", 4), 17.0);

  // Engine 1 cut off: on (rich); engine 2 at any mixture: cut off (lean).
  cockpit.click("Throttlebox", 140, 500).click("Throttlebox", 260, 500);
  EXPECT_EQ(cockpit.keyEvents(65983).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(65992).size(), 1u);
  EXPECT_TRUE(cockpit.keyEvents(65987).empty());
  EXPECT_EQ(cockpit.token(Token::Engine1Mixture), 16384.0);
  EXPECT_EQ(cockpit.token(Token::Engine2Mixture), 0.0);
  EXPECT_EQ(Frames(cockpit, &g_fuelLever1, 30), FrameRun(2, kFuelLeverOn));
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Throttlebox", 3), 17.0);
  EXPECT_EQ(cockpit.elementValue("Throttlebox", 4), 0.0);

  // Any mixture at all reads as fuel on: the click cuts it.
  cockpit.set(Token::Engine1Mixture, 1).clearKeyEvents().click("Throttlebox", 140, 500);
  EXPECT_EQ(cockpit.keyEvents(65987).size(), 1u);
}

TEST(Throttlebox, TheHydraulicAndCrossFeedLeversMoveFromTheirEndsAndSnapBackFromMidTravel) {
  Cockpit cockpit;
  cockpit.click("Throttlebox", 100, 200);
  EXPECT_EQ(Frames(cockpit, &g_hydraulicLever, 30), FrameRun(2, 18));
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Throttlebox", 5), 17.0);
  cockpit.click("Throttlebox", 100, 200);
  EXPECT_EQ(Frames(cockpit, &g_hydraulicLever, 30), FrameRun(17, 1));

  cockpit.setSwitch(&g_hydraulicLever, 7).click("Throttlebox", 100, 200);
  EXPECT_EQ(GetSwitch(&g_hydraulicLever), 1);
  EXPECT_TRUE(Frames(cockpit, &g_hydraulicLever, 20).empty()) << "no move starts";

  cockpit.click("Throttlebox", 300, 100);
  EXPECT_EQ(Frames(cockpit, &g_fuelXFeedLever, 30), FrameRun(2, 18));
  cockpit.setSwitch(&g_fuelXFeedLever, 12).click("Throttlebox", 300, 100);
  EXPECT_EQ(GetSwitch(&g_fuelXFeedLever), 1);
  cockpit.setSwitch(&g_fuelXFeedLever, 40).draw();
  EXPECT_EQ(cockpit.elementValue("Throttlebox", 6), 0.0) << "off the lever's frames";
}

TEST(Throttlebox, TheGearHornButtonSilencesTheHornWhilePressedOnEitherGauge) {
  Cockpit cockpit;
  cockpit.addSounds({kClickButton1}).runTicks(1).draw();
  EXPECT_EQ(cockpit.elementValue("Throttlebox", 1), 0.0);
  cockpit.mouse("Throttlebox", 90, 510, kClick).draw();
  EXPECT_EQ(GetSwitch(&g_gearHornCutoutButton), 120);
  EXPECT_EQ(cockpit.elementValue("Throttlebox", 1), 1.0);
  cockpit.setSwitch(&g_speedBrakeHandle, 19).draw();
  EXPECT_EQ(cockpit.elementValue("Throttlebox", 1), 2.0) << "pressed, with the speed brake handle raised";
  cockpit.mouse("Throttlebox", 90, 510, kRelease);
  EXPECT_EQ(GetSwitch(&g_gearHornCutoutButton), 43);
  cockpit.mouse("Gear Horn VC", 10, 10, kClick);
  EXPECT_EQ(GetSwitch(&g_gearHornCutoutButton), 120);
  cockpit.mouse("Gear Horn VC", 10, 10, kRelease);
  EXPECT_EQ(GetSwitch(&g_gearHornCutoutButton), 43);
  EXPECT_EQ(cockpit.played(kClickButton1).size(), 4u) << "a click on every call";
  // The keyboard delivers the press only: the button stays in.
  cockpit.callControl("Throttlebox", "ThrottleboxMouseGearHorn");
  EXPECT_EQ(GetSwitch(&g_gearHornCutoutButton), 120);
}

// ---- Flapsbox ----

TEST(Flapsbox, TheHandleSendsTheFlapEventsAndItsPictureFollowsTheLever) {
  Cockpit cockpit;
  cockpit.runTicks(10);
  ASSERT_EQ(GetSwitch(&g_flapLever), 0) << "up, at the first detent's frame";
  // Where the two parts overlap the upper one (flaps up) takes the click.
  cockpit.click("Flapsbox", 150, 300);
  EXPECT_EQ(cockpit.keyEvents(kFlapsUp).size(), 1u);
  EXPECT_EQ(cockpit.token(Token::FlapHandle), 0.0) << "already up";
  cockpit.click("Flapsbox", 150, 400).click("Flapsbox", 150, 400);
  EXPECT_EQ(cockpit.keyEvents(kFlapsDown).size(), 2u);
  EXPECT_NEAR(cockpit.token(Token::FlapHandle), 6553.6, 1e-9) << "two detents";
  EXPECT_EQ(Frames(cockpit, &g_flapLever, 40), FrameRun(1, 15));
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Flapsbox", 4), 15.0);
  cockpit.click("Flapsbox", 150, 100).runSeconds(2).draw();
  EXPECT_EQ(cockpit.elementValue("Flapsbox", 4), 10.0);
  cockpit.setSwitch(&g_flapLever, 36).draw();
  EXPECT_EQ(cockpit.elementValue("Flapsbox", 4), 0.0) << "beyond the quadrant";
}

TEST(Flapsbox, TheRateWheelTurnsAlwaysAndSetsTheRateOnlyWithTheManualLeverOut) {
  Cockpit cockpit;
  const double rate = GetCabinRate();
  cockpit.click("Flapsbox", 80, 300);
  EXPECT_EQ(GetSwitch(&g_cabinRateWheel), 2) << "stowed lever: the wheel turns";
  EXPECT_EQ(GetCabinRate(), rate);
  cockpit.setSwitch(&g_cabinRateWheel, 1).click("Flapsbox", 80, 500);
  EXPECT_EQ(GetSwitch(&g_cabinRateWheel), 6) << "round from 1 to 6";
  cockpit.setSwitch(&g_cabinRateWheel, 6).click("Flapsbox", 80, 300);
  EXPECT_EQ(GetSwitch(&g_cabinRateWheel), 1) << "round from 6 to 1";
  cockpit.setSwitch(&g_cabinRateWheel, 40).click("Flapsbox", 80, 500);
  EXPECT_EQ(GetSwitch(&g_cabinRateWheel), 6);

  // The manual lever: from stowed (22) a move toward 1; mid-travel back to 1.
  cockpit.click("Flapsbox", 40, 400);
  EXPECT_EQ(Frames(cockpit, &g_cabinManualLever, 40), FrameRun(21, 1));
  cockpit.runTicks(2);
  // Out: the lower half raises the rate 100 ft/min, the upper half lowers it.
  const double manual = GetCabinRate();
  cockpit.click("Flapsbox", 80, 500).runTicks(1);
  const double raised = GetCabinRate();
  cockpit.click("Flapsbox", 80, 300).click("Flapsbox", 80, 300).runTicks(1);
  EXPECT_GT(raised, manual);
  EXPECT_LT(GetCabinRate(), raised);
  cockpit.setSwitch(&g_cabinManualLever, 9).click("Flapsbox", 40, 400);
  EXPECT_EQ(GetSwitch(&g_cabinManualLever), 1);
}

TEST(Flapsbox, TheCabinRateIndicatorFramesRiseWithTheRate) {
  // A frame each 2.2222 ft a second (133.3 ft/min); 0 beyond either end.
  ExpectFamily(CabinRateFrame, -31.2, 33.3, 0.01, 0, 29,
               {{0.0, 15}, {-31.2, 0}, {1900.0 / 60, 29}, {-1900.0 / 60, 0}, {-31.111111, 1}, {33.4, 0}});
}

// The lever pictures on each side of their strips' ends: a position shows
// its frame from the first to the last position of its strip, and frame 0
// past the last.
TEST(Flapsbox, LeverPicturesOnEachSideOfTheirEnds) {
  Cockpit cockpit;
  ExpectPictureFrames(cockpit, {
                                   {&g_flapLever, 1, "Flapsbox", 4, 1},
                                   {&g_flapLever, 35, "Flapsbox", 4, 35},
                                   {&g_cabinRateWheel, 1, "Flapsbox", 2, 0},
                                   {&g_cabinRateWheel, 6, "Flapsbox", 2, 5},
                                   {&g_cabinRateWheel, 7, "Flapsbox", 2, 0},
                                   {&g_cabinManualLever, 22, "Flapsbox", 3, 21},
                                   {&g_cabinManualLever, 23, "Flapsbox", 3, 0},
                                   {&g_fuelLever1, 18, "Throttlebox", 3, 17},
                                   {&g_fuelLever1, 19, "Throttlebox", 3, 0},
                                   {&g_fuelLever2, 19, "Throttlebox", 4, 0},
                                   {&g_hydraulicLever, 19, "Throttlebox", 5, 0},
                                   {&g_fuelXFeedLever, 18, "Throttlebox", 6, 17},
                                   {&g_alternateGearHandle, 2, "Alternate Gear", 1, 1},
                                   {&g_alternateGearHandle, kAlternateGearExtended + 1, "Alternate Gear", 1, 0},
                               });
}

// ---- Gear lock, alternate gear ----

TEST(GearGauges, TheLockLampNeedsTheGearExactlyDownAndTheHandleMovesAStageAClick) {
  Cockpit cockpit;
  cockpit.set(Token::GearPosition, 16382.9).draw();
  EXPECT_EQ(cockpit.elementValue("Gear Lock Indicator", 1), 0.0);
  cockpit.set(Token::GearPosition, 16383).draw();
  EXPECT_EQ(cockpit.elementValue("Gear Lock Indicator", 1), 1.0) << "lit without panel power";

  cockpit.click("Alternate Gear", 30, 250);
  EXPECT_EQ(Frames(cockpit, &g_alternateGearHandle, 40).back(), 18);
  cockpit.click("Alternate Gear", 30, 250);
  EXPECT_EQ(Frames(cockpit, &g_alternateGearHandle, 40).back(), 36);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Alternate Gear", 1), 35.0);
  cockpit.click("Alternate Gear", 30, 50);
  EXPECT_EQ(Frames(cockpit, &g_alternateGearHandle, 40).back(), 18);
  cockpit.setSwitch(&g_alternateGearHandle, 25).click("Alternate Gear", 30, 250);
  EXPECT_EQ(GetSwitch(&g_alternateGearHandle), 18);
  cockpit.setSwitch(&g_alternateGearHandle, 25).click("Alternate Gear", 30, 50);
  EXPECT_EQ(GetSwitch(&g_alternateGearHandle), 1);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Alternate Gear", 1), 0.0) << "stowed";
}

// ---- Trims ----

TEST(LongitudeTrim, StabilizerScaleFramesRiseHalfADegreeAFrame) {
  const auto frameOf = [](double v) { return StabilizerScaleFrame(v / 1.37931); };
  ExpectFamily(frameOf, -0.08, 0.25, 0.0001, 0, 34,
               {{0.0, 8}, {-0.0654, 1}, {-0.0655, 0}, {0.0042, 8}, {0.0043, 9}, {0.2224, 33}, {0.2311, 34}, {0.3, 34}});
}

// The thresholds lie half a degree apart about frame 8's band, each cut to
// four decimals of a radian: the frame changes exactly at each of them (the
// last, 0.2312, parts frame 34 from frame 34).
TEST(LongitudeTrim, StabilizerScaleFramesChangeAtEveryHalfDegree) {
  constexpr double kRadPerDeg = 3.14159265358979323846 / 180.0;
  for (int k = 0; k < 34; ++k) {
    const double threshold = std::trunc((k - 7.5) * 0.5 * kRadPerDeg * 1.0e4) / 1.0e4;
    EXPECT_EQ(StabilizerScaleFrame((threshold - 1.0e-7) / 1.37931), k) << threshold;
    EXPECT_EQ(StabilizerScaleFrame((threshold + 1.0e-7) / 1.37931), k + 1) << threshold;
  }
}

TEST(LongitudeTrim, TakeoffTrimPointerFramesStandForHalfUnits) {
  ExpectFamily(TakeoffTrimPointerFrame, 0.0, 10.7, 0.001, 0, 20,
               {{0.2499, 0}, {0.25, 1}, {0.7499, 1}, {0.75, 2}, {3.36, 7}, {9.7499, 19}, {9.75, 20}, {10.7499, 20},
                {10.75, 0}, {-1, 0}});
}

TEST(LongitudeTrim, TheHandlesTrimWhilePoweredAnimateAndDisconnectTheAutopilot) {
  Cockpit cockpit({.drawClosedWindows = true});
  // Unpowered: the handles animate and click, but trim nothing.
  cockpit.mouse("Longitude Trim", 120, 100, kClick);
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventElevatorTrimDown).empty());
  EXPECT_EQ(cockpit.keyEvents(65791).size(), 1u);
  cockpit.mouse("Longitude Trim", 120, 100, kRelease).runSeconds(1);

  // Powered, the autopilot engaged: press, hold and release the lower part (nose up).
  cockpit.powerUp().set(Token::AutopilotEngaged, 1).clearKeyEvents();
  const double trim = cockpit.token(Token::ElevatorTrimRad);
  cockpit.mouse("Longitude Trim", 120, 400, kClick);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventElevatorTrimUp).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(65791).size(), 1u);
  EXPECT_EQ(cockpit.token(Token::AutopilotEngaged), 0.0) << "the simulator's autopilot off (65791) came first";
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventAutopilotMaster).empty());
  // Engaged again while the handle is held: the next repeat disconnects it.
  cockpit.set(Token::AutopilotEngaged, 1);
  std::vector<int32_t> handle;
  for (int i = 0; i < 6; ++i) {
    cockpit.mouse("Longitude Trim", 120, 400, kRepeat).runTicks(1);
    handle.push_back(GetSwitch(&g_trimHandle));
  }
  EXPECT_EQ(handle, (std::vector<int32_t>{5, 4, 3, 2, 1, 1})) << "runs out and waits while held";
  EXPECT_EQ(cockpit.keyEvents(kKeyEventElevatorTrimUp).size(), 7u) << "the repeats trim";
  cockpit.mouse("Longitude Trim", 120, 400, kRelease);
  EXPECT_EQ(Frames(cockpit, &g_trimHandle, 10), FrameRun(2, 6)) << "comes back";
  EXPECT_NEAR(cockpit.token(Token::ElevatorTrimRad), trim + 8 * 0.001, 1e-12) << "the release trims once more";
  EXPECT_EQ(cockpit.keyEvents(65791).size(), 1u) << "65791 on the press only";
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAutopilotMaster).size(), 1u) << "once: disengaged since";
  EXPECT_EQ(cockpit.token(Token::AutopilotEngaged), 0.0);

  // The arm switch holding the stabilizer: no trim, still the animation and 65791.
  cockpit.setSwitch(&g_stabTrimArmSwitch, kStabTrimHold).clearKeyEvents();
  cockpit.mouse("Longitude Trim", 120, 100, kClick);
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventElevatorTrimDown).empty());
  EXPECT_EQ(cockpit.keyEvents(65791).size(), 1u);
  cockpit.runTicks(2);
  EXPECT_EQ(GetSwitch(&g_trimHandle), 8) << "nose down: the handles run the other way";
}

TEST(LongitudeTrim, TheComputerRecomputesAtOnceAndThePointerAndWindowFollow) {
  Cockpit cockpit;
  cockpit.setSwitch(&g_takeoffFlapSelector, kTakeoffFlaps4);
  SetMacPercent(24);
  cockpit.click("Longitude Trim", 10, 420).click("Longitude Trim", 60, 460).click("Longitude Trim", 60, 460);
  EXPECT_EQ(GetMacPercent(), 25.0);
  EXPECT_EQ(GetSwitch(&g_takeoffFlapSelector), kTakeoffFlaps2);
  cockpit.draw();
  const double setting = GetTrimSetting();
  EXPECT_NEAR(setting, 3.36, 0.01) << "the default flight's setting";
  EXPECT_EQ(cockpit.elementValue("Longitude Trim", 3), 7.0) << "3.25 .. 3.75";
  EXPECT_DOUBLE_EQ(cockpit.elementValue("Longitude Trim", 4), 2 * setting);
  EXPECT_EQ(cockpit.elementValue("Longitude Trim", 1), 1.0);
  EXPECT_EQ(cockpit.elementValue("Longitude Trim", 2), 25.0);
  cockpit.setSwitch(&g_takeoffFlapSelector, 60).click("Longitude Trim", 60, 420);
  EXPECT_EQ(GetSwitch(&g_takeoffFlapSelector), kTakeoffFlaps4) << "off the dial: to the end turned toward";
  cockpit.click("Longitude Trim", 60, 420);
  EXPECT_EQ(GetSwitch(&g_takeoffFlapSelector), kTakeoffFlaps4);
  cockpit.setSwitch(&g_takeoffFlapSelector, 60).click("Longitude Trim", 60, 460);
  EXPECT_EQ(GetSwitch(&g_takeoffFlapSelector), kTakeoffFlaps1);

  // The autotrim drives the simulator's trim to the setting; the scale follows.
  cockpit.powerUp().click("Longitude Trim", 20, 350).runTicks(1).draw();
  EXPECT_NEAR(cockpit.token(Token::ElevatorTrimRad), TrimSettingToAngle(GetTrimSetting()), 0.001);
  EXPECT_EQ(cockpit.elementValue("Longitude Trim", 6), StabilizerScaleFrame(cockpit.token(Token::ElevatorTrimRad)));
}

// The trim pictures sit on their places of the pedestal and of the rudder
// and aileron trim dials, with the frames of their strips; the rudder trim
// needle turns about its pivot over its three-point scale.
TEST(TrimKnobs, EachPictureSitsOnItsPlace) {
  Cockpit cockpit;
  cockpit.draw();
  ExpectElementPlaces(cockpit, {{"Longitude Trim", 1, 55, 446, 4},
                                {"Longitude Trim", 2, 0, 438, 36},
                                {"Longitude Trim", 3, 15, 330, 21},
                                {"Longitude Trim", 4, 66, 210, 21},
                                {"Longitude Trim", 5, 66, 3, 11},
                                {"Longitude Trim", 6, 152, 112, 35},
                                {"Stabilizer Trim", 1, -9, -6},
                                {"Stabilizer Trim", 2, 0, 0, 3},
                                {"Rudder Trim", 1, 99, 123},
                                {"Rudder Trim", 2, 37, 59, 6},
                                {"Rudder Trim", 3, 37, 49},
                                {"Aileron Trim", 1, 59, 1},
                                {"Aileron Trim", 2, 3, 77, 6},
                                {"Aileron Trim", 3, 2, 45}});
  const platform::ELEMENT_HEADER& needle = cockpit.element("Rudder Trim", 1);
  ASSERT_EQ(needle.scalePoints, 3u);
  const platform::NeedlePoint scale[] = {{33, 33, -0.174533}, {99, 10, 0.0}, {164, 36, 0.174533}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(needle.scale[i].x, scale[i].x) << i;
    EXPECT_EQ(needle.scale[i].y, scale[i].y) << i;
    EXPECT_EQ(needle.scale[i].value, scale[i].value) << i;
  }
}

TEST(TrimKnobs, KnobsWrapRoundAndTrimEveryClickTheArmSwitchSteps) {
  Cockpit cockpit;
  cockpit.addSounds({kClickKnob, kClickRotary2});
  cockpit.click("Rudder Trim", 50, 100);
  EXPECT_EQ(GetSwitch(&g_rudderTrimKnob), 6) << "from 1 back round to 6";
  EXPECT_EQ(cockpit.keyEvents(66278).size(), 1u);
  cockpit.click("Rudder Trim", 120, 100);
  EXPECT_EQ(GetSwitch(&g_rudderTrimKnob), 1);
  EXPECT_EQ(cockpit.keyEvents(66279).size(), 1u);
  cockpit.click("Aileron Trim", 80, 60).click("Aileron Trim", 80, 60);
  EXPECT_EQ(GetSwitch(&g_aileronTrimKnob), 3);
  EXPECT_EQ(cockpit.keyEvents(66277).size(), 2u);
  cockpit.setSwitch(&g_aileronTrimKnob, 50).click("Aileron Trim", 10, 60);
  EXPECT_EQ(GetSwitch(&g_aileronTrimKnob), 6);
  EXPECT_EQ(cockpit.keyEvents(66276).size(), 1u);
  EXPECT_EQ(cockpit.played(kClickKnob).size(), 5u);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Aileron Trim", 2), 5.0);

  // The rudder needle reads the simulator's trim as it is.
  cockpit.set(Token::RudderTrimRad, -0.1).draw();
  EXPECT_EQ(cockpit.elementValue("Rudder Trim", 1), -0.1);
  // The aileron indicator runs level within 3 degrees and drops either side.
  cockpit.set(Token::AileronTrimRad, 0.05).draw();
  EXPECT_EQ(cockpit.element("Aileron Trim", 1).yValue, 0.0);
  EXPECT_NEAR(cockpit.element("Aileron Trim", 1).value, 0.05 * 332.3, 1e-9);
  cockpit.set(Token::AileronTrimRad, 0.1).draw();
  EXPECT_NEAR(cockpit.element("Aileron Trim", 1).yValue, 1.950, 0.0005);
  cockpit.set(Token::AileronTrimRad, -0.1).draw();
  EXPECT_NEAR(cockpit.element("Aileron Trim", 1).yValue, 1.950, 0.0005);

  // The arm switch: 43, 125, 130 and back; from a stray position silently to the end.
  cockpit.click("Stabilizer Trim", 20, 20).click("Stabilizer Trim", 20, 20).click("Stabilizer Trim", 20, 20);
  EXPECT_EQ(GetSwitch(&g_stabTrimArmSwitch), kStabTrimHold);
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Stabilizer Trim", 2), 2.0);
  EXPECT_EQ(cockpit.played(kClickRotary2).size(), 2u) << "the third click finds 130 unlisted: no sound";
  cockpit.click("Stabilizer Trim", 20, 60);
  EXPECT_EQ(GetSwitch(&g_stabTrimArmSwitch), kStabTrimAlternate);
  cockpit.setSwitch(&g_stabTrimArmSwitch, 7).click("Stabilizer Trim", 20, 60);
  EXPECT_EQ(GetSwitch(&g_stabTrimArmSwitch), kStabTrimNormal);
  EXPECT_EQ(cockpit.played(kClickRotary2).size(), 3u);
}

// The trim pictures on each side of their ends: the take-off flap selector,
// the handles and the knobs show their strip only from its first to its last
// position, the % MAC wheel its whole range; the needle and the indicator
// stop at the ends of their scales, the indicator by the Part's law.
TEST(TrimKnobs, PicturesOnEachSideOfTheirEnds) {
  Cockpit cockpit;
  ExpectPictureFrames(cockpit, {
                                   {&g_takeoffFlapSelector, kTakeoffFlaps1 - 1, "Longitude Trim", 1, 0},
                                   {&g_takeoffFlapSelector, kTakeoffFlaps4, "Longitude Trim", 1, 3},
                                   {&g_takeoffFlapSelector, kTakeoffFlaps4 + 1, "Longitude Trim", 1, 0},
                                   {&g_trimHandle, 2, "Longitude Trim", 5, 1},
                                   {&g_trimHandle, 11, "Longitude Trim", 5, 10},
                                   {&g_trimHandle, 12, "Longitude Trim", 5, 0},
                                   {&g_rudderTrimKnob, 0, "Rudder Trim", 2, 0},
                                   {&g_rudderTrimKnob, 6, "Rudder Trim", 2, 5},
                                   {&g_rudderTrimKnob, 7, "Rudder Trim", 2, 0},
                                   {&g_aileronTrimKnob, 7, "Aileron Trim", 2, 0},
                               });
  // The selector steps up from its first position and stays there stepped down.
  cockpit.setSwitch(&g_takeoffFlapSelector, kTakeoffFlaps1).click("Longitude Trim", 60, 420);
  EXPECT_EQ(GetSwitch(&g_takeoffFlapSelector), kTakeoffFlaps1 + 1);
  cockpit.setSwitch(&g_takeoffFlapSelector, kTakeoffFlaps1).click("Longitude Trim", 60, 460);
  EXPECT_EQ(GetSwitch(&g_takeoffFlapSelector), kTakeoffFlaps1);
  cockpit.setSwitch(&g_takeoffFlapSelector, kTakeoffFlaps4 + 1).click("Longitude Trim", 60, 460);
  EXPECT_EQ(GetSwitch(&g_takeoffFlapSelector), kTakeoffFlaps1);
  // A knob at its last position steps back to the one before; a stray one turned on starts at 1.
  cockpit.setSwitch(&g_rudderTrimKnob, 6).click("Rudder Trim", 50, 100);
  EXPECT_EQ(GetSwitch(&g_rudderTrimKnob), 5);
  cockpit.setSwitch(&g_aileronTrimKnob, 7).click("Aileron Trim", 80, 60);
  EXPECT_EQ(GetSwitch(&g_aileronTrimKnob), 1);
  for (const int32_t mac : {0, kMacPercentMax}) {
    SetMacPercent(mac);
    EXPECT_EQ(cockpit.draw().elementValue("Longitude Trim", 2), mac);
  }

  // The rudder needle stops at 10 degrees either way.
  for (const double rad : {0.17, 0.2, -0.2, 5.0}) {
    cockpit.set(Token::RudderTrimRad, rad).draw();
    EXPECT_EQ(cockpit.elementValue("Rudder Trim", 1), std::clamp(rad, -0.174533, 0.174533)) << rad;
  }
  // The aileron indicator: x = v x 332.3; y level within 3 degrees, then
  // dropping 40.9255 a radian beyond either side; a trim beyond a radian
  // reads as one.
  const double band = 0.052359877;
  const struct {
    double rad;
    double x;
    double y;
  } kAileron[] = {{band, band * 332.3, 0.0},
                  {0.1, 0.1 * 332.3, (0.1 - band) * 40.9255},
                  {-0.1, -0.1 * 332.3, (-0.1 + band) * -40.9255},
                  {3.0, 332.3, (1.0 - band) * 40.9255},
                  {-3.0, -332.3, (-1.0 + band) * -40.9255}};
  for (const auto& sample : kAileron) {
    cockpit.set(Token::AileronTrimRad, sample.rad).draw();
    EXPECT_EQ(cockpit.element("Aileron Trim", 1).value, sample.x) << sample.rad;
    EXPECT_EQ(cockpit.element("Aileron Trim", 1).yValue, sample.y) << sample.rad;
  }
}

// ---- Radar ----

TEST(Radar, TheKnobsStepByTenthsWithinTheirLimitsAndClickEveryTime) {
  Cockpit cockpit;
  cockpit.addSounds({kClickRotary1, kClickRotary2, kClickToggle1});
  g_radarGain = 0.05;
  cockpit.click("Radar", 100, 50);
  EXPECT_EQ(g_radarGain, 0.0);
  g_radarGain = 1.95;
  cockpit.click("Radar", 112, 50).draw();
  EXPECT_EQ(g_radarGain, 2.0);
  EXPECT_EQ(cockpit.elementValue("Radar", 4), 10.0);
  g_radarGain = 0.39999999;
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Radar", 4), 1.0) << "a hair below 0.4";

  g_radarBrightness = 0.95;
  cockpit.click("Radar", 35, 50).draw();
  EXPECT_EQ(g_radarBrightness, 1.0);
  EXPECT_EQ(cockpit.elementValue("Radar", 1), 10.0);
  g_radarBrightness = 0.6;
  for (int i = 0; i < 6; ++i) cockpit.click("Radar", 25, 50);
  EXPECT_GT(g_radarBrightness, 0.0) << "six tenths off 0.6 leave a hair";
  EXPECT_LT(g_radarBrightness, 1e-15);
  cockpit.click("Radar", 25, 50);
  EXPECT_EQ(g_radarBrightness, 0.0);

  g_radarTilt = 0.5;
  cockpit.draw();
  EXPECT_EQ(cockpit.elementValue("Radar", 5), 0.0) << "between steps";
  cockpit.click("Radar", 220, 30);
  EXPECT_EQ(g_radarTilt, -0.5);
  g_radarTilt = 2.0;
  cockpit.click("Radar", 250, 30).click("Radar", 250, 30).draw();
  EXPECT_EQ(g_radarTilt, 3.0);
  EXPECT_EQ(cockpit.elementValue("Radar", 5), 6.0);

  // Mode down from OFF stays and still clicks; up runs TEST, WX, MAP.
  cockpit.click("Radar", 130, 30);
  EXPECT_EQ(GetSwitch(&g_radarModeSwitch), kRadarOff);
  cockpit.click("Radar", 160, 30).click("Radar", 160, 30).click("Radar", 160, 30).click("Radar", 160, 30).draw();
  EXPECT_EQ(GetSwitch(&g_radarModeSwitch), kRadarMap);
  EXPECT_EQ(cockpit.elementValue("Radar", 3), 3.0);
  cockpit.setSwitch(&g_radarModeSwitch, 7).click("Radar", 130, 30);
  EXPECT_EQ(GetSwitch(&g_radarModeSwitch), kRadarOff);

  g_radarRange = 4;
  cockpit.click("Radar", 70, 30).click("Radar", 70, 30).draw();
  EXPECT_EQ(GetRadarRange(), 5u);
  EXPECT_EQ(cockpit.elementValue("Radar", 2), 5.0);
  g_radarRange = 1;
  cockpit.click("Radar", 50, 30).click("Radar", 50, 30);
  EXPECT_EQ(GetRadarRange(), 0u);

  cockpit.setSwitch(&g_radarStabilizerSwitch, kSwitchOff).draw();
  EXPECT_EQ(cockpit.elementValue("Radar", 6), 1.0);
  cockpit.click("Radar", 190, 55).draw();
  EXPECT_EQ(GetSwitch(&g_radarStabilizerSwitch), kSwitchOn);
  EXPECT_EQ(cockpit.elementValue("Radar", 6), 0.0);
  cockpit.click("Radar", 190, 55);
  EXPECT_EQ(GetSwitch(&g_radarStabilizerSwitch), kSwitchOff);
  EXPECT_EQ(cockpit.played(kClickToggle1).size(), 2u);
  EXPECT_EQ(cockpit.played(kClickRotary2).size(), 4u) << "gain and mode down: every click sounds";
  EXPECT_EQ(cockpit.played(kClickRotary1).size(), 19u) << "the others: every click sounds";
}

// The brightness and gain pictures take frame k from the k-th bound as
// written (tenths and fifths), frame k - 1 a hair below it; the tilt shows
// its whole steps from -3 to 3.
TEST(Radar, KnobPicturesStartEachFrameAtItsBound) {
  Cockpit cockpit;
  for (int k = 1; k <= 10; ++k) {
    g_radarBrightness = k / 10.0;
    g_radarGain = k / 5.0;
    cockpit.draw();
    EXPECT_EQ(cockpit.elementValue("Radar", 1), k) << g_radarBrightness;
    EXPECT_EQ(cockpit.elementValue("Radar", 4), k) << g_radarGain;
    g_radarBrightness = k / 10.0 - 1e-9;
    g_radarGain = k / 5.0 - 1e-9;
    cockpit.draw();
    EXPECT_EQ(cockpit.elementValue("Radar", 1), k - 1) << g_radarBrightness;
    EXPECT_EQ(cockpit.elementValue("Radar", 4), k - 1) << g_radarGain;
  }
  for (const double tilt : {-3.0, -2.0, 0.0, 3.0}) {
    g_radarTilt = tilt;
    EXPECT_EQ(cockpit.draw().elementValue("Radar", 5), tilt + 3.0) << tilt;
  }
  g_radarTilt = 3.5;
  EXPECT_EQ(cockpit.draw().elementValue("Radar", 5), 0.0) << "beyond the last step";
  // The mode knob turns one position a click either way.
  cockpit.setSwitch(&g_radarModeSwitch, kRadarOff).click("Radar", 160, 30);
  EXPECT_EQ(GetSwitch(&g_radarModeSwitch), kRadarTest);
  cockpit.setSwitch(&g_radarModeSwitch, kRadarMap).click("Radar", 130, 30);
  EXPECT_EQ(GetSwitch(&g_radarModeSwitch), kRadarWeather);
}

// The knob pictures sit on their places of the control head, each with the
// frames of its strip.
TEST(Radar, EachKnobPictureSitsOnItsPlace) {
  Cockpit cockpit;
  cockpit.draw();
  ExpectElementPlaces(cockpit, {{"Radar", 1, 23, 47, 11},
                                {"Radar", 2, 48, 17, 6},
                                {"Radar", 3, 134, 17, 4},
                                {"Radar", 4, 100, 47, 11},
                                {"Radar", 5, 220, 17, 7},
                                {"Radar", 6, 183, 56, 2},
                                {"Radar", 7, 0, 1}});
}

TEST(Radar, TheDisplaysDrawOnceASecondWhileRunningAndStopAtBrightnessZero) {
  Cockpit cockpit({.drawClosedWindows = true});
  cockpit.setSwitch(&g_radarModeSwitch, kRadarWeather).runSeconds(2).draw();
  EXPECT_FALSE(cockpit.elementVisible("Radar Display 2", 0)) << "no panel power";
  cockpit.powerUp();
  cockpit.setSwitch(&g_radarModeSwitch, kRadarOff).runSeconds(2).draw();
  EXPECT_FALSE(cockpit.elementVisible("Radar Display 2", 0)) << "off";
  cockpit.setSwitch(&g_radarModeSwitch, kRadarWeather).runSeconds(1.1).draw();
  EXPECT_TRUE(cockpit.elementVisible("Radar Display 2", 0));

  const platform::gfx::Surface* screen = cockpit.surface("Radar Display");
  ASSERT_NE(screen, nullptr);
  const auto drawn = screen->Frames();
  cockpit.runSeconds(5);
  EXPECT_EQ(screen->Frames() - drawn, 5u) << "once a second, whatever the frames drawn";
  g_radarBrightness = 0.0;
  const auto stopped = screen->Frames();
  cockpit.runSeconds(3);
  EXPECT_EQ(screen->Frames(), stopped) << "brightness 0: the last picture stands";

  cockpit.setSwitch(&g_radarModeSwitch, kRadarOff).runSeconds(1.1).draw();
  EXPECT_FALSE(cockpit.elementVisible("Radar Display 2", 0));
}

// The simulator's aileron and rudder trim events step their own axis a
// tenth of a degree each way; the spoiler arm toggles between 0 and 1.
TEST(TrimKnobs, TheSimulatorsAxisTrimAndSpoilerArmEvents) {
  Cockpit cockpit;
  cockpit.set(Token::AileronTrimRad, 0.01).set(Token::RudderTrimRad, -0.02);
  TriggerKeyEvent(66277, 0);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::AileronTrimRad), 0.01 + simhost::kAxisTrimStepRad);
  TriggerKeyEvent(66276, 0);
  TriggerKeyEvent(66276, 0);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::AileronTrimRad), 0.01 - simhost::kAxisTrimStepRad);
  TriggerKeyEvent(66279, 0);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::RudderTrimRad), -0.02 + simhost::kAxisTrimStepRad);
  TriggerKeyEvent(66278, 0);
  TriggerKeyEvent(66278, 0);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::RudderTrimRad), -0.02 - simhost::kAxisTrimStepRad);
  EXPECT_DOUBLE_EQ(cockpit.token(Token::AileronTrimRad), 0.01 - simhost::kAxisTrimStepRad) << "each axis its own";
  cockpit.set(Token::SpoilerArm, 0);
  TriggerKeyEvent(66067, 0);
  EXPECT_EQ(cockpit.token(Token::SpoilerArm), 1.0);
  TriggerKeyEvent(66067, 0);
  EXPECT_EQ(cockpit.token(Token::SpoilerArm), 0.0);
}

}  // namespace
}  // namespace halcyon::test
