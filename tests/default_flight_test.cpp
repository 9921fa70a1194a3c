// The default flight, flown once through the host as a user runs it, and
// checked from three sides: the crew programs the route on the CDU before
// departure; after the take-off the FMS flies it on NAV and VNAV (NAV far
// from the track, NAV track within 5 NM of it; climb, cruise, descent to
// the constraint at FAREN; every waypoint passed in order, each once); the
// GPWS, tested on the ground, calls only "sink rate" on the approach; the
// radar, its window closed, is pictured with the storm cells of the climb-out,
// and the ND's map with the cloud of every cell.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "fmc/fms.h"
#include "host/voice_queue.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "systems/dfgs.h"
#include "systems/fire_protection.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

const int kSlotSinkRate = VoiceMessageSlot(kVoiceGpwsSinkRate);

std::string LegIdents() {
  std::string idents;
  for (const CLeg* leg = g_fms.GetFmsNav()->GetRoute(3)->GetFirstLeg(); leg != nullptr; leg = leg->GetNext()) {
    idents += std::string(leg->GetToIdent()) + " ";
  }
  return idents;
}

TEST(DefaultFlight, TheRouteIsProgrammedFlownOnTheFmsAndTheGpwsCallsOnlySinkRate) {
  Cockpit cockpit({.start = false});
  // Every GPWS voice has its sound file, so that any call is heard; the flight makes only "Sinkrate".
  for (VoiceMessageId voice = kVoiceGpwsDontSink; voice <= kVoiceGpwsWhoop; ++voice) {
    cockpit.addSounds({VoiceMessageSlot(voice)}, 300);
  }
  cockpit.start();
  std::ifstream file(HALCYON_SOURCE_DIR "/scenarios/default.scn");
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse(text, "default.scn", &errors));

  // The CDU on the ground: the route as executed there (the flight sequences it later).
  bool executedOnGround = false;
  bool positionedOnGround = false;
  std::string identsExecuted;
  int32_t firstConstraintType = 0;
  double firstConstraint = 0.0;
  cockpit.everyTick([&](auto&) {
    const bool onGround = cockpit.token(Token::OnGround) != 0.0;
    if (!executedOnGround && g_fms.GetFmsNav()->GetExecRoute() == 1 && onGround) {
      identsExecuted = LegIdents();
      firstConstraintType = g_fms.GetFmsNav()->GetRoute(3)->GetFirstLeg()->GetAltConstraintType(1);
      firstConstraint = g_fms.GetFmsNav()->GetRoute(3)->GetFirstLeg()->GetAltConstraint(1);
    }
    executedOnGround = executedOnGround || (g_fms.GetFmsNav()->GetExecRoute() == 1 && onGround);
    positionedOnGround = positionedOnGround || (g_fms.GetFmsNav()->IsPositionInitialised() && onGround);
  });

  // The FMS in the air.
  bool tookOff = false;
  bool onGround = true;
  std::string passed;            // the waypoints passed, in order
  std::string phases;            // the FMS's VNAV phase while the DFGS flies VNAV
  int32_t rollMode = 0;
  std::vector<double> rollChangeCrossTrack;  // |xtk| when NAV far and NAV track swap
  double maxAltitude = 0.0;
  double altitudeAtFaren = 0.0;
  double altitudeAtZurich = 0.0;
  int headingCommands = 0;
  cockpit.everyTick([&](auto&) {
    const bool ground = cockpit.token(Token::OnGround) != 0.0;
    tookOff = tookOff || (onGround && !ground);
    onGround = ground;
    const CRouteGuidance& g = g_fms.RouteGuidance();
    const std::string last = g.LastPassedIdent();
    if (!last.empty() && passed.find(last + " ") == std::string::npos) {
      passed += last + " ";
      if (last == "FAREN") altitudeAtFaren = cockpit.token(Token::AltitudeFt);
      if (last == "LSZH") altitudeAtZurich = cockpit.token(Token::AltitudeFt);
    }
    const int32_t roll = GetDfgsRollMode();
    const bool lnav = roll == kRollLnavFar || roll == kRollLnavTrack;
    const bool wasLnav = rollMode == kRollLnavFar || rollMode == kRollLnavTrack;
    if (lnav && wasLnav && roll != rollMode) rollChangeCrossTrack.push_back(std::fabs(g_fms.GetApCrossTrack()));
    if (lnav && g_fms.GetApHeading() >= 0.0) ++headingCommands;
    rollMode = roll;
    if (IsDfgsVnav() != 0) {
      const char phase = static_cast<char>('0' + g_fms.GetVnavNext());
      if (phases.empty() || phases.back() != phase) phases += phase;
      maxAltitude = std::max(maxAltitude, cockpit.token(Token::AltitudeFt));
      EXPECT_NE(g_fms.GetVnavNext(), 0);
      EXPECT_GT(g_fms.GetApAltitude(), 0.0);
      EXPECT_GT(g_fms.GetApSpeed(), 0.0);
      EXPECT_GT(g_fms.GetDescentConstraintAltitude(), 0.0);
    }
  });
  // The GPWS's test on the ground.
  bool fireTested = false;
  cockpit.everyTick([&](auto&) { fireTested = fireTested || IsFireTestPressed() != 0; });

  simhost::RunLog log;
  std::string error;
  ASSERT_TRUE(simhost::RunScenario(cockpit.host(), scenario, log, &error)) << error;
  EXPECT_EQ(log.Expects().failed, 0);

  EXPECT_TRUE(executedOnGround);
  const CFlightPlan& flown = *g_fms.GetFmsNav()->GetRoute(3);
  EXPECT_STREQ(flown.GetOrigin()->GetIdent(), "LSZH");
  EXPECT_EQ(g_fms.GetActiveRouteOrigin(), "LSZH") << "the departure plan's station";
  EXPECT_STREQ(flown.GetOrigin()->GetRunway()->GetIdent(), "16");
  EXPECT_EQ(identsExecuted, "GIVOR FAREN LSZH [[[[[ ");
  EXPECT_EQ(firstConstraintType, 2);
  EXPECT_EQ(firstConstraint, 5000.0);
  EXPECT_TRUE(positionedOnGround);
  EXPECT_FALSE(g_fms.GetFmsNav()->IsPositionInitialised()) << "the IRS switched off with the cockpit drops it";
  EXPECT_FALSE(g_fms.GetFmsNav()->HasChangePending());

  EXPECT_TRUE(tookOff);
  EXPECT_EQ(passed, "GIVOR FAREN LSZH ");
  EXPECT_EQ(phases, "1234") << "climb, cruise, descent, level at the end of descent";
  EXPECT_NEAR(maxAltitude, 9000.0, 100.0) << "the cruise altitude of PERF INIT";
  // Idle thrust at 250 kt (some 285 kt over the ground at 9000 ft) comes down
  // a little slower than the 3-degree path: FAREN is crossed in the last
  // thousand feet of the descent, which ends level at its 6000 ft.
  EXPECT_LT(altitudeAtFaren, 7000.0);
  EXPECT_GT(altitudeAtFaren, 6000.0 - 100.0);
  EXPECT_NEAR(altitudeAtZurich, 6000.0, 50.0);
  ASSERT_FALSE(rollChangeCrossTrack.empty()) << "NAV far, then NAV track";
  for (double xtk : rollChangeCrossTrack) EXPECT_NEAR(xtk, 5.0, 0.3);
  EXPECT_GT(headingCommands, 18 * 300) << "minutes on the FMS's heading";

  EXPECT_TRUE(fireTested);
  EXPECT_FALSE(cockpit.played(kSlotSinkRate).empty());
  for (const PlayedSound& sound : cockpit.played()) EXPECT_EQ(sound.slot, kSlotSinkRate) << sound.tick18;

  // The radar's pictures of the climb-out, its window closed: the three storm
  // cells 2.5 NM right of the nose, 2.5, 5.5 and 8.5 NM ahead at 10 NM range
  // (21 design pixels a mile up the 300 x 250 screen from the aircraft at
  // its bottom middle).
  std::set<std::string> weatherPictures;
  for (const std::string& name : cockpit.picturesWritten()) {
    if (!name.starts_with("00-14-2") || !name.ends_with("_Radar_Display.png")) continue;
    weatherPictures.insert(name);
    const Picture radar = ReadPicture(cockpit.picturesFolder() + "/" + name);
    ASSERT_EQ(radar.width, 300) << name;
    int leftOfTheNose = 0;
    int cellRows[3] = {};
    for (int y = 0; y < radar.height; ++y) {
      for (int x = 0; x < radar.width; ++x) {
        const platform::gfx::Color p = radar.at(x, y);
        if (!(p.g > p.r + 40 && p.g > p.b + 40)) continue;
        leftOfTheNose += x < 150 ? 1 : 0;
        for (int cell = 0; cell < 3; ++cell) {
          const double aheadNm = 2.5 + 3.0 * cell;
          cellRows[cell] += std::abs(250.0 - 21.0 * aheadNm - y) < 20.0 ? 1 : 0;
        }
      }
    }
    EXPECT_EQ(leftOfTheNose, 0) << name;
    for (int cell = 0; cell < 3; ++cell) EXPECT_GT(cellRows[cell], 50) << name << ", cell " << cell;
  }
  EXPECT_EQ(weatherPictures.size(), 3u) << "14:23.2 (twice), 14:24.2 and 14:25.2";

  // The ND's map picture, the radar on WX with cloud in every cell: the
  // weather's green over the whole map, on both sides of the aircraft.
  const Picture map = ReadPicture(cockpit.picturesFolder() + "/00-17-09.2_EFIS_ND.png");
  ASSERT_EQ(map.width, 300);
  int weatherLeft = 0;
  int weatherRight = 0;
  for (int y = 0; y < map.height; ++y) {
    for (int x = 0; x < map.width; ++x) {
      const platform::gfx::Color p = map.at(x, y);
      if (p.g > p.r + 40 && p.g > p.b + 40) ++(x < 150 ? weatherLeft : weatherRight);
    }
  }
  EXPECT_GT(weatherLeft, 5000);
  EXPECT_GT(weatherRight, 5000);

  // Each window is pictured once its meters have relit: no dial hidden.
  int dumps = 0;
  for (const std::string& name : cockpit.picturesWritten()) {
    if (!name.ends_with(".txt")) continue;
    ++dumps;
    std::ifstream dump(cockpit.picturesFolder() + "/" + name);
    for (std::string line; std::getline(dump, line);) {
      EXPECT_FALSE(line.starts_with("  00 static  dial ") && line.find(" hidden ") != std::string::npos) << name;
    }
  }
  EXPECT_GT(dumps, 50);
}

}  // namespace
}  // namespace halcyon::test
