// What a person reads in the host's pictures of the panel: the schematic of a
// gauge (`snapshot GAUGE`) and the element dump of its window. The standby
// sphere turned by the bank and shifted by the pitch, the bank-limit box's
// text in its own colour on its own paper, the brake pressure dial's marks
// where its scale rows put them, and an icon past its strip showing nothing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/gauge.h"
#include "simhost/panel.h"
#include "simhost/pictures.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "systems/dfgs.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

using platform::gfx::Color;

constexpr uint32_t kMainPanel = 10010;
constexpr int kMargin = 4;  // about a gauge's box in its picture

// The main panel open and its lit instruments relit, then one gauge pictured.
Picture GaugePicture(Cockpit& cockpit, const std::string& gauge) {
  cockpit.runTicks(3).snapshot(gauge);
  const std::string name = cockpit.picturesWritten().back();
  EXPECT_EQ(name, simhost::PictureFileName(cockpit.host().SimSeconds(), gauge));
  return ReadPicture(cockpit.picturesFolder() + "/" + name);
}

std::string WindowDump(Cockpit& cockpit, uint32_t window) { return cockpit.host().PanelGauges().Dump(window); }

bool Sky(Color c) { return c.b > c.r + 40; }
bool Ground(Color c) { return c.r > c.b + 40; }

// `snapshot GAUGE` of a gauge without a screen writes its schematic, named
// like a screen's picture; of one that stands in no panel window it is
// refused before the flight.
TEST(PanelPictures, ASnapshotOfAGaugeWithoutAScreenIsItsSchematic) {
  Cockpit cockpit;
  std::vector<std::string> errors;
  simhost::Scenario pictured;
  ASSERT_TRUE(pictured.Parse("run 1\nsnapshot Altimeter\n", "s.scn", &errors));
  simhost::RunLog log;
  std::string error;
  ASSERT_TRUE(simhost::RunScenario(cockpit.host(), pictured, log, &error)) << error;
  ASSERT_EQ(cockpit.picturesWritten().size(), 1u);
  EXPECT_EQ(cockpit.picturesWritten()[0], "00-00-01.0_Altimeter.png");
  EXPECT_TRUE(log.Notes().empty());
  const Picture altimeter = ReadPicture(cockpit.picturesFolder() + "/00-00-01.0_Altimeter.png");
  EXPECT_EQ(altimeter.width, 400 + 2 * kMargin) << "its 260-pixel box enlarged";

  simhost::Scenario refused;
  ASSERT_TRUE(refused.Parse("snapshot Menu\nrun 1\n", "s.scn", &errors));
  EXPECT_FALSE(simhost::RunScenario(cockpit.host(), refused, log, &error));
  EXPECT_EQ(error, "s.scn:1: \"Menu\" has no screen and stands in no panel window: there is no picture of it to take");
  EXPECT_EQ(cockpit.host().Snapshot("Menu"), error.substr(std::string("s.scn:1: ").size()));
  EXPECT_EQ(cockpit.picturesWritten().size(), 1u);
}

// The standby attitude (180 pixels on the main panel, 256 designed) pictured
// 400 pixels across: 1.5625 picture pixels a design pixel, the sphere's
// centre at (202, 204). The pitch token is nose down positive.
TEST(PanelPictures, TheStandbySphereTurnsByTheBankAndShiftsByThePitch) {
  Cockpit cockpit;
  cockpit.setWindowVisible(kMainPanel, true).set(Token::GroundSpeedMps, 50.0);
  const Picture level = GaugePicture(cockpit, "Standby Attitude");
  ASSERT_EQ(level.width, 400 + 2 * kMargin);
  EXPECT_TRUE(Sky(level.at(202, 184)));
  EXPECT_TRUE(Ground(level.at(202, 224)));
  EXPECT_NE(WindowDump(cockpit, kMainPanel).find("attitude sphere        value        0.000 frame -    visible unlit "
                                                 "turn 0.0 shift 0.0"),
            std::string::npos);

  // Nose up 10 degrees: the horizon 25 design pixels (39 here) lower, sky
  // where the ground was.
  cockpit.set(Token::PitchDeg, -10.0);
  const Picture noseUp = GaugePicture(cockpit, "Standby Attitude");
  EXPECT_TRUE(Sky(noseUp.at(202, 224)));
  EXPECT_TRUE(Ground(noseUp.at(202, 264)));
  EXPECT_NE(WindowDump(cockpit, kMainPanel).find("turn 0.0 shift -25.0"), std::string::npos);

  // Banked 30 degrees, level: the horizon through the centre, turned against
  // the bank, its right end lower (a point right of the centre and below it
  // still sky, one left of it ground).
  cockpit.set(Token::PitchDeg, 0.0).set(Token::BankDeg, 30.0);
  const Picture banked = GaugePicture(cockpit, "Standby Attitude");
  EXPECT_TRUE(Sky(banked.at(262, 224)));
  EXPECT_TRUE(Ground(banked.at(142, 224)));
  EXPECT_TRUE(Ground(banked.at(202, 224)));
  EXPECT_NE(WindowDump(cockpit, kMainPanel).find("turn -30.0 shift 0.0"), std::string::npos);
}

// The DFGS (642 pixels on the main panel, 535 designed) at its size: 1.2
// picture pixels a design pixel; the box at (201, 94), 90 x 15.
TEST(PanelPictures, TheBankLimitBoxShowsItsTextInItsInkOnItsPaper) {
  Cockpit cockpit;
  cockpit.setWindowVisible(kMainPanel, true).set(Token::BankLimitRad, 0.4363);
  cockpit.setSwitch(&g_headingKnobActivity, kSwitchOn);
  const Picture dfgs = GaugePicture(cockpit, "DFGS");
  ASSERT_EQ(dfgs.width, 642 + 2 * kMargin);
  int paper = 0;
  int ink = 0;
  for (int y = 118; y < 134; ++y) {
    for (int x = 247; x < 352; ++x) {
      const Color c = dfgs.at(x, y);
      paper += c.r > 240 && c.g > 240 && c.b > 240 ? 1 : 0;
      ink += c.r < 40 && c.g < 40 && c.b < 40 ? 1 : 0;
    }
  }
  EXPECT_GT(paper, 105 * 16 / 2) << "white paper under most of the box";
  EXPECT_GT(ink, 40) << "near-black text";
  EXPECT_NE(WindowDump(cockpit, kMainPanel).find("\"Max Bank: 25\u00b0\""), std::string::npos);
}

// The brake pressure dial (180 pixels on the main panel, 300 designed)
// pictured 400 across: a mark at each row of its scale, its value beneath.
TEST(PanelPictures, TheBrakePressureDialsMarksStandWhereItsScaleRowsPutThem) {
  Cockpit cockpit;
  cockpit.setWindowVisible(kMainPanel, true);
  const Picture dial = GaugePicture(cockpit, "Brake_Pressure");
  ASSERT_EQ(dial.width, 400 + 2 * kMargin);
  const auto at = [](double design) { return static_cast<int>(std::lround(kMargin + design * 4.0 / 3.0)); };
  const auto markGrey = [](Color c) { return c.r > 60 && c.r < 130 && c.r == c.g && c.g == c.b; };
  const auto textGrey = [](Color c) { return c.r > 40 && c.r < 130 && std::abs(c.r - c.b) < 8; };
  struct Row {
    double x, y, psi;
  };
  for (const Row& row : {Row{211, 75, -500}, {246, 133, 1000}, {183, 241, 2000}, {65, 199, 3000}, {86, 75, 4000}}) {
    EXPECT_TRUE(markGrey(dial.at(at(row.x), at(row.y)))) << row.psi << " psi: its mark";
    int label = 0;
    for (int y = at(row.y) + 3; y < at(row.y) + 14; ++y) {
      for (int x = at(row.x) - 12; x <= at(row.x) + 12; ++x) label += textGrey(dial.at(x, y)) ? 1 : 0;
    }
    EXPECT_GT(label, 5) << row.psi << " psi: its value beneath the mark";
    // Nothing of the dial's grey where the row's point mirrored would stand.
    EXPECT_FALSE(markGrey(dial.at(at(300 - row.x), at(row.y)))) << row.psi << " psi mirrored";
  }
}

// A gauge of the test's own, placed on the main panel: a lamp and a digit
// window whose values run past their strips show no image, in the dump
// ("frame none") and in the picture (no lamp, no digit).
double g_lampValue = 0.0;
double g_digitValue = 0.0;

TEST(PanelPictures, AnIconPastItsStripShowsNoImage) {
  platform::ELEMENT_HEADER elements[3] = {
      {.kind = platform::ElementKind::Static, .name = "face"},
      {.kind = platform::ElementKind::Icon, .x = 20, .y = 20, .callback = [](platform::ELEMENT_HEADER*) {
         return g_lampValue;
       }, .name = "lamp", .frameCount = 2},
      {.kind = platform::ElementKind::Icon, .x = 60, .y = 20, .callback = [](platform::ELEMENT_HEADER*) {
         return g_digitValue;
       }, .name = "digit", .frameCount = 10},
  };
  platform::ELEMENT_HEADER* links[3][2] = {{&elements[1], nullptr}, {&elements[2], nullptr}, {nullptr, nullptr}};
  for (int i = 0; i < 3; ++i) elements[i].nextElement = links[i];
  platform::GAUGEHDR gauge{.name = "Strip Test", .widthMm = 100.0, .elements = elements};
  const simhost::WindowPlacement place[] = {{kMainPanel, {"Strip Test", 0, 0, 100, 100}}};
  simhost::Panel panel;
  panel.Build({&gauge}, place);
  const simhost::Panel::Instance& instance = *panel.Find("Strip Test");
  const std::string path = ::testing::TempDir() + "/strip-test-" + std::to_string(getpid()) + ".png";

  // 400 x 400 from 100 x 100: four picture pixels a design pixel.
  const auto picture = [&](double lamp, double digit) {
    g_lampValue = lamp;
    g_digitValue = digit;
    simhost::Panel::Poll(instance);
    std::string error;
    EXPECT_TRUE(panel.WriteSchematic(instance, path, &error)) << error;
    return ReadPicture(path);
  };
  const auto drawnAround = [](const Picture& p, int designX, int designY) {
    int drawn = 0;
    const Color face = p.at(kMargin + 200, kMargin + 300);
    for (int y = kMargin + designY * 4; y < kMargin + designY * 4 + 40; ++y) {
      for (int x = kMargin + designX * 4; x < kMargin + designX * 4 + 40; ++x) drawn += p.at(x, y) == face ? 0 : 1;
    }
    return drawn;
  };
  const Picture shown = picture(1, 7);
  EXPECT_GT(drawnAround(shown, 20, 20), 100) << "the lamp, lit";
  EXPECT_GT(drawnAround(shown, 60, 20), 10) << "the digit 7";
  const Picture dark = picture(0, 0);
  EXPECT_GT(drawnAround(dark, 20, 20), 100) << "the lamp, dark";
  for (const auto& [lamp, digit] : {std::pair{2.0, 10.0}, {-1.0, -1.0}, {1.0e9, 99.0}}) {
    const Picture none = picture(lamp, digit);
    EXPECT_EQ(drawnAround(none, 20, 20), 0) << "a lamp at " << lamp;
    EXPECT_EQ(drawnAround(none, 60, 20), 0) << "a digit at " << digit;
    const std::string dump = panel.Dump(kMainPanel);
    EXPECT_NE(dump.find("lamp                   value"), std::string::npos) << dump;
    EXPECT_EQ(dump.find("frame 0"), std::string::npos) << dump;
    EXPECT_NE(dump.find("  01 icon    lamp                   value"), std::string::npos);
    size_t nones = 0;
    for (size_t at = dump.find("frame none"); at != std::string::npos; at = dump.find("frame none", at + 1)) ++nones;
    EXPECT_EQ(nones, 2u) << dump;
  }
  std::remove(path.c_str());
}

}  // namespace
}  // namespace halcyon::test
