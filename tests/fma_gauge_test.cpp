// The flight mode annunciator gauge through the panel the host builds: each
// cell element shows its own window, line and cell; the lamps and the three
// buttons.
#include <gtest/gtest.h>

#include <set>

#include "gauges/gauge_kit.h"
#include "systems/annunciator_lamps.h"
#include "systems/dfgs.h"
#include "systems/fma.h"
#include "systems/lights.h"
#include "tests/cockpit.h"
#include "tests/element_places.h"

namespace halcyon::test {
namespace {

struct LitFma {
  LitFma() {
    cockpit.addSounds({kClickButton1, kClickButton2});
    cockpit.powerUp().setSwitch(&g_sideDigitalLight, kSwitchOn);
  }
  Cockpit cockpit;
};

TEST(FmaGauge, EachCellShowsItsOwnWindowLineAndCell) {
  LitFma f;
  f.cockpit.runTicks(200).draw();  // past the power-up test pattern
  struct Where { uint32_t element; int32_t window, line, cell; };
  for (Where w : {Where{1, 4, 2, 4}, {4, 4, 2, 1}, {5, 4, 1, 4}, {8, 4, 1, 1}, {9, 3, 2, 3}, {14, 3, 1, 1},
                  {15, 2, 2, 3}, {20, 2, 1, 1}, {21, 1, 2, 4}, {28, 1, 1, 1}}) {
    EXPECT_EQ(f.cockpit.elementValue("FMA", w.element), GetFmaLampState(GetFmaLegend(w.window, w.line, w.cell)))
        << w.element;
  }
  // A cell follows its own legend: the lamp test lights every segment.
  f.cockpit.setSwitch(&g_lampTestSwitch, kSwitchOn).draw();
  for (uint32_t n = 1; n <= 28; ++n) EXPECT_EQ(f.cockpit.elementValue("FMA", n), kFmaFrameAllSegments) << n;
  for (uint32_t n = 29; n <= 39; ++n) EXPECT_EQ(f.cockpit.elementValue("FMA", n), 1.0) << n;
}

// Windows 4, 3, 2, 1 in turn; in each, line 2 then line 1, each from its
// last cell to its first. Checked with modes whose cells differ.
TEST(FmaGauge, CellElementsRunFromWindowFourBackwards) {
  LitFma f;
  f.cockpit.set(Token::FlightDirector, 1).set(Token::OnGround, 0).set(Token::AltitudeFt, 12000).runTicks(200);
  SetDfgsPitchMode(kPitchVerticalSpeed);
  SetDfgsRollMode(kRollHeadingSelect);
  SetDfgsThrustMode(kThrustMach);
  SetDfgsAltPreselectArm(kAltArmArmed);
  f.cockpit.draw();
  uint32_t element = 1;
  std::set<double> frames;
  for (int32_t window = 4; window >= 1; --window) {
    const int32_t cells = window == 1 || window == 4 ? 4 : 3;
    for (int32_t line = 2; line >= 1; --line) {
      for (int32_t cell = cells; cell >= 1; --cell, ++element) {
        const double frame = GetFmaLampState(GetFmaLegend(window, line, cell));
        frames.insert(frame);
        EXPECT_EQ(f.cockpit.elementValue("FMA", element), frame) << window << line << cell;
      }
    }
  }
  EXPECT_EQ(element, 29u);
  EXPECT_GT(frames.size(), 6u) << "cells that tell apart: " << frames.size();
}

TEST(FmaGauge, DigitalLightingOffDarkensCellsAndLampsEvenInTheLampTest) {
  LitFma f;
  f.cockpit.set(Token::FlightDirector, 1)
      .setSwitch(&g_lampTestSwitch, kSwitchOn)
      .setSwitch(&g_sideDigitalLight, kSwitchOff)
      .draw();
  for (uint32_t n = 1; n <= 28; ++n) EXPECT_EQ(f.cockpit.elementValue("FMA", n), kFmaFrameBlank) << n;
  for (uint32_t n = 29; n <= 39; ++n) EXPECT_EQ(f.cockpit.elementValue("FMA", n), 0.0) << n;
}

TEST(FmaGauge, LampsShowAlertsTheDirectorAndOneComputer) {
  LitFma f;
  f.cockpit.setSwitch(&g_lampTestSwitch, kSwitchOff).set(Token::FlightDirector, 0);
  SetDfgc(0);
  f.cockpit.draw();
  EXPECT_EQ(f.cockpit.elementValue("FMA", 31), 0.0);
  EXPECT_EQ(f.cockpit.elementValue("FMA", 32), 1.0);
  EXPECT_EQ(f.cockpit.elementValue("FMA", 33), 0.0);
  SetDfgc(1);
  f.cockpit.set(Token::FlightDirector, 1).draw();
  EXPECT_EQ(f.cockpit.elementValue("FMA", 31), 1.0);
  EXPECT_EQ(f.cockpit.elementValue("FMA", 32), 0.0);
  EXPECT_EQ(f.cockpit.elementValue("FMA", 33), 1.0);
  SetSwitch(&g_fmaAutothrottleDisconnectLamp, kSwitchOn);
  SetSwitch(&g_fmaAutopilotDisconnectLamp, kSwitchOff);
  SetSwitch(&g_fmaIlsGlideslopeLamp, kSwitchOn);
  f.cockpit.host().PanelGauges().PollAll();
  EXPECT_EQ(f.cockpit.elementValue("FMA", 29), 1.0) << "above ATS";
  EXPECT_EQ(f.cockpit.elementValue("FMA", 30), 0.0) << "above AP";
  EXPECT_EQ(f.cockpit.elementValue("FMA", 35), 1.0) << "alert lamp 3";
}

TEST(FmaGauge, ResetAcknowledgesEveryAlertInOneClickAndTheKeyboardDoesTheSame) {
  for (bool keyboard : {false, true}) {
    LitFma f;
    g_autolandAlertLatch = 0;
    g_ilsAlertLatch = 0;
    g_autopilotTrimLatch = 0;
    SetSwitch(&g_autopilotAlertSwitch, kFmaAutopilotDisconnected);
    const size_t clicks = f.cockpit.played(kClickButton1).size();
    if (keyboard) {
      f.cockpit.callControl("FMA", "FmaMouseReset");
    } else {
      f.cockpit.click("FMA", 160, 10);
    }
    EXPECT_EQ(g_autolandAlertLatch + g_ilsAlertLatch + g_autopilotTrimLatch, 3u);
    EXPECT_EQ(GetSwitch(&g_autopilotAlertSwitch), kSwitchOff);
    EXPECT_EQ(IsAutothrottleDisconnect(), 0u);
    EXPECT_EQ(f.cockpit.played(kClickButton1).size(), clicks + 1);
  }
  LitFma f;
  SetSwitch(&g_autopilotAlertSwitch, kFmaAutopilotDisconnected);
  const size_t ap = f.cockpit.played(kClickButton2).size();
  const size_t ats = f.cockpit.played(kClickButton1).size();
  const uint32_t latch = g_ilsAlertLatch;
  f.cockpit.click("FMA", 120, 10);
  EXPECT_EQ(GetSwitch(&g_autopilotAlertSwitch), kSwitchOff);
  EXPECT_EQ(f.cockpit.played(kClickButton2).size(), ap + 1);
  f.cockpit.click("FMA", 60, 10);
  EXPECT_EQ(f.cockpit.played(kClickButton1).size(), ats + 1) << "ATS";
  EXPECT_EQ(g_ilsAlertLatch, latch) << "AP and ATS leave the latches";
  EXPECT_EQ(f.cockpit.tooltip("FMA"), "Flight Mode Annunciator.");
}

// The cells of each window stand in two lines, 12 pixels apart from the
// window's left edge, each an icon of the 43-frame legend strip.
TEST(FmaGauge, EachWindowsCellsStandInTwoLinesTwelvePixelsApart) {
  Cockpit cockpit;
  const struct {
    int32_t cells, left;
  } windows[] = {{4, 151}, {3, 107}, {3, 62}, {4, 6}};  // windows 4 to 1, in element order
  uint32_t element = 1;
  for (auto [cells, left] : windows) {
    for (int32_t y : {52, 36}) {
      for (int32_t cell = cells; cell >= 1; --cell, ++element) {
        const platform::ELEMENT_HEADER& e = cockpit.element("FMA", element);
        EXPECT_EQ(e.x, left + 12 * (cell - 1)) << element;
        EXPECT_EQ(e.y, y) << element;
        EXPECT_EQ(e.frameCount, 43) << element;
      }
    }
  }
  // The two computer lamps one above the other.
  EXPECT_EQ(cockpit.element("FMA", 32).x, cockpit.element("FMA", 33).x);
}

// The eleven lamps at their places on the face: the two alert lamps over the
// ATS and AP buttons, the FD and computer lamps at the right edge, the other
// alert lamps between the windows; the click areas over the buttons.
TEST(FmaGauge, TheLampsAndClickAreasStandAtTheirPlaces) {
  Cockpit cockpit;
  ExpectElementPlaces(cockpit, "FMA",
                      {{29, 58, 4}, {30, 106, 4}, {31, 205, 25}, {32, 204, 43}, {33, 204, 57}, {34, 47, 20},
                       {35, 8, 28}, {36, 69, 20}, {37, 73, 28}, {38, 114, 20}, {39, 113, 28}, {40, 49, 0}});
}

}  // namespace
}  // namespace halcyon::test
