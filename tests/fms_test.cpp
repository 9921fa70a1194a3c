// The FMS computer and its CDU, driven as the pilot drives it: keys clicked
// on the "FMS" gauge, the screen read back line by line, the lamps, the
// brightness, the FMS position and the IRS handshake, and what is saved.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "fmc/cdu_keys.h"
#include "fmc/entry_parse.h"
#include "fmc/fms.h"
#include "gauges/element_helpers.h"
#include "nav/great_circle.h"
#include "platform/gfx_surface.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr int kScratchpad = 13;
constexpr double kZurichLat = 47.4647;
constexpr double kZurichLonEast = 8.5492;
constexpr const char* kFmsIniFile = "SimObjects/Airplanes/QZ Halcyon Pro/FMS.ini";

bool Has(const std::string& line, const std::string& text) { return line.find(text) != std::string::npos; }

// A powered cockpit at Zurich, the CDU on its MENU page.
void PowerUpAtZurich(Cockpit& cockpit) { cockpit.setPosition(kZurichLat, kZurichLonEast).powerUp(); }

TEST(Fms, GuidanceIsNoneUntilComputed) {
  Cockpit cockpit;
  cockpit.runTicks(2);
  EXPECT_EQ(g_fms.GetApHeading(), -1.0);
  EXPECT_EQ(g_fms.GetPathErrorAltitude(), -999999999.0);
  EXPECT_EQ(g_fms.GetVnavNext(), 0);
  EXPECT_FALSE(g_fms.TakeLegSequencedFlag());
  g_fms.SetTakeoffSpeeds(135, 140, 145);
  EXPECT_EQ(g_fms.GetVr(), 140);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("FMS", "BrightnessControL"), "1.000000");
  EXPECT_EQ(cockpit.ini("SIMDATA", "FMSAlignDone", kFmsIniFile), "0");
}

TEST(Fms, EveryKeyCodeActsOnTheScratchpadOrThePages) {
  Cockpit cockpit;
  PowerUpAtZurich(cockpit);
  EXPECT_TRUE(Has(cockpit.cduLine(0), "MENU"));
  // The typing keys, in code order: digits, point, zero, minus, letters, blank, slash.
  for (uint32_t code = kCduDigit1; code <= kCduPlusMinus; ++code) g_fms.KeyPressed(code);
  EXPECT_EQ(cockpit.cduLine(kScratchpad), "123456789.0-            ");
  cockpit.cdu("CLR");
  cockpit.runTicks(3).cdu("CLR");
  EXPECT_EQ(cockpit.cduLine(kScratchpad), "123456789.              ") << "CLR takes one character a press";
  cockpit.runTicks(3).cdu("CLR CLR");
  EXPECT_EQ(cockpit.cduLine(kScratchpad), std::string(24, ' ')) << "held, CLR clears the whole scratchpad";
  EXPECT_EQ(cockpit.fmsKeys().back(), static_cast<uint32_t>(kCduClearAll));
  // Two ticks after a CLR is still a held button's repeat; three is a new press.
  cockpit.cduType("ABC").runTicks(3).cdu("CLR");
  EXPECT_EQ(cockpit.cduLine(kScratchpad).substr(0, 3), "AB ");
  cockpit.runTicks(2).cdu("CLR");
  EXPECT_EQ(cockpit.cduLine(kScratchpad), std::string(24, ' '));
  for (uint32_t code = kCduLetterA; code <= kCduSlash; ++code) {
    if (code != kCduDel) g_fms.KeyPressed(code);
  }
  EXPECT_EQ(cockpit.cduLine(kScratchpad), "ABCDEFGHIJKLMNOPQRSTUVWX") << "full at 24: Y, Z, blank and slash refused";
  EXPECT_EQ(g_fms.Scratchpad().Text().size(), 24u);
  g_fms.KeyPressed(kCduClearAll);
  cockpit.cduType("A B/");
  EXPECT_EQ(cockpit.cduLine(kScratchpad).substr(0, 4), "A B/");

  // DEL: DELETE into an empty scratchpad only.
  cockpit.cdu("DEL");
  EXPECT_TRUE(Has(cockpit.cduLine(kScratchpad), "INVALID DELETE"));
  EXPECT_TRUE(g_fms.IsAnnunciatorOn(2));
  cockpit.runTicks(4).cdu("CLR");
  EXPECT_FALSE(g_fms.IsAnnunciatorOn(2)) << "CLR takes the message away first";
  EXPECT_EQ(cockpit.cduLine(kScratchpad).substr(0, 4), "A B/");
  // CLR held takes the message and the text.
  cockpit.cdu("DEL");
  ASSERT_TRUE(g_fms.IsAnnunciatorOn(2));
  g_fms.KeyPressed(kCduClearAll);
  EXPECT_FALSE(g_fms.IsAnnunciatorOn(2));
  EXPECT_EQ(cockpit.cduLine(kScratchpad), std::string(24, ' '));
  cockpit.cdu("DEL");
  EXPECT_EQ(cockpit.cduLine(kScratchpad).substr(0, 6), "DELETE");
  cockpit.runTicks(4).cdu("CLR");
  EXPECT_EQ(cockpit.cduLine(kScratchpad), std::string(24, ' '));

  // Each page key calls up its page.
  struct PageKey {
    const char* key;
    const char* title;
  };
  for (const PageKey& page : {PageKey{"INIT_REF", "INIT/REF INDEX"}, PageKey{"RTE", "RTE 1"},
                              PageKey{"LEGS", "RTE 1 LEGS"}, PageKey{"CLB", "CLB"}, PageKey{"CRZ", "CRZ"},
                              PageKey{"DES", "DES"}, PageKey{"MENU", "MENU"}, PageKey{"FIX", "FIX INFO"},
                              PageKey{"DEP_ARR", "DEP/ARR INDEX"}, PageKey{"HOLD", "HOLD"},
                              PageKey{"PROG", "PROGRESS"}, PageKey{"DIR_INTC", "RTE 1 LEGS"}}) {
    cockpit.cdu(page.key);
    EXPECT_TRUE(Has(cockpit.cduLine(0), page.title)) << page.key << ": " << cockpit.cduLine(0);
  }
  // The prompts: MENU 1L the index, 2L POS INIT, 6L back, 4L TAKEOFF REF.
  cockpit.cdu("MENU");
  EXPECT_LT(cockpit.cduLine(2).find("<FMC"), 2u);
  cockpit.cdu("1L");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "INIT/REF INDEX"));
  EXPECT_TRUE(Has(cockpit.cduLine(4), "<POS")) << "each prompt beside its key";
  EXPECT_TRUE(Has(cockpit.cduLine(6), "<PERF"));
  EXPECT_TRUE(Has(cockpit.cduLine(8), "<TAKEOFF"));
  EXPECT_TRUE(Has(cockpit.cduLine(4), "NAV DATA>"));
  cockpit.cdu("2L");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "POS INIT"));
  cockpit.cdu("6L 3L");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "PERF INIT"));
  cockpit.cdu("INIT_REF 2L");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "POS INIT"));
  cockpit.cdu("6L 4L");
  EXPECT_TRUE(Has(cockpit.cduLine(2), "---")) << "no speed card yet";
  g_fms.SetTakeoffSpeeds(131, 136, 141);
  cockpit.runTicks(1);
  EXPECT_TRUE(Has(cockpit.cduLine(0), "TAKEOFF REF"));
  EXPECT_TRUE(Has(cockpit.cduLine(4), "136KT"));
  EXPECT_GT(cockpit.cduLine(1).find("V1"), 12u) << "the speeds on the right";
  EXPECT_GT(cockpit.cduLine(4).find("136KT"), 12u);
  EXPECT_TRUE(Has(cockpit.cduLine(12), "<INDEX"));
  cockpit.cdu("1L 6R");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "TAKEOFF REF")) << "only 6L leaves";
  // A code no key sends does nothing.
  g_fms.KeyPressed(kCduKeyCount);
  EXPECT_TRUE(Has(cockpit.cduLine(0), "TAKEOFF REF"));
  cockpit.cdu("6L");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "INIT/REF INDEX"));
}

TEST(Fms, ADarkCduTakesNoKeys) {
  Cockpit cockpit;
  cockpit.runTicks(2);
  cockpit.cdu("RTE").cduType("LSZH");
  EXPECT_EQ(cockpit.fmsKeys().size(), 5u) << "the keys reached the computer";
  EXPECT_TRUE(Has(cockpit.cduLine(0), "MENU"));
  EXPECT_EQ(cockpit.cduLine(kScratchpad), std::string(24, ' '));
  cockpit.powerUp().cdu("RTE");
  EXPECT_TRUE(Has(cockpit.cduLine(0), "RTE 1"));
}

TEST(Fms, BrightnessRampsAHundredthATickAndStaysWithinItsRange) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[FMS]\r\nBrightnessControL=1.5\r\n");
  cockpit.start();
  EXPECT_EQ(g_fms.GetBrightness(), 1.0) << "1.5 is no brightness: the default";
  g_fms.SetBrightness(1.5);
  g_fms.SetBrightness(-0.1);
  EXPECT_EQ(g_fms.GetBrightness(), 1.0);
  g_fms.SetBrightness(0.0);
  EXPECT_EQ(g_fms.GetBrightness(), 0.0);
  cockpit.click("FMS", 340, 280);  // the rocker's lower half: dimmer
  EXPECT_EQ(g_fms.GetBrightness(), 0.0);
  for (int i = 0; i < 3; ++i) cockpit.click("FMS", 365, 280);
  EXPECT_NEAR(g_fms.GetBrightness(), 0.3, 1e-12);
  for (int i = 0; i < 9; ++i) cockpit.click("FMS", 365, 280);
  EXPECT_EQ(g_fms.GetBrightness(), 1.0);
  cockpit.click("FMS", 340, 280);
  EXPECT_NEAR(g_fms.GetBrightness(), 0.9, 1e-12);

  // Dark without power; with power a hundredth a tick up to the setting.
  cockpit.runTicks(3);
  EXPECT_EQ(g_fms.GetDisplayedBrightness(), 0.0);
  cockpit.powerUp();
  double before = g_fms.GetDisplayedBrightness();
  ASSERT_GT(before, 0.0);
  ASSERT_LT(before, 0.85);
  cockpit.runTicks(1);
  EXPECT_NEAR(g_fms.GetDisplayedBrightness() - before, 0.01, 1e-12);
  cockpit.runSeconds(6);
  EXPECT_NEAR(g_fms.GetDisplayedBrightness(), 0.9, 1e-12);
  g_fms.SetBrightness(0.5);
  cockpit.runTicks(1);
  EXPECT_NEAR(g_fms.GetDisplayedBrightness(), 0.89, 1e-12) << "and down again as slowly";
  cockpit.control("APU", "battery", kSwitchOff).runSeconds(1);
  EXPECT_EQ(g_fms.GetDisplayedBrightness(), 0.0) << "at once without power";

  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("FMS", "BrightnessControL"), "0.500000");
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[FMS]\r\nBrightnessControL=0.4\r\n");
  g_fms.LoadState();
  EXPECT_EQ(g_fms.GetBrightness(), 0.4);
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[FMS]\r\nBrightnessControL=0\r\n");
  g_fms.LoadState();
  EXPECT_EQ(g_fms.GetBrightness(), 0.0) << "dark is a setting the crew left";
}

TEST(Fms, DecimalEntriesTakeEveryDigitAndOnePoint) {
  double v = -1.0;
  EXPECT_TRUE(ParseDecimal(L"1234.5", &v));
  EXPECT_EQ(v, 1234.5);
  EXPECT_TRUE(ParseDecimal(L"67.89", &v));
  EXPECT_EQ(v, 67.89);
  EXPECT_TRUE(ParseDecimal(L"0", &v));
  EXPECT_EQ(v, 0.0);
  EXPECT_TRUE(ParseDecimal(L"12345678", &v)) << "eight characters";
  EXPECT_FALSE(ParseDecimal(L"123456789", &v)) << "nine";
  EXPECT_FALSE(ParseDecimal(L"1.2.3", &v));
  EXPECT_FALSE(ParseDecimal(L".", &v));
  EXPECT_FALSE(ParseDecimal(L"12A", &v));
  EXPECT_FALSE(ParseDecimal(L"", &v));
}

TEST(Fms, NothingIsPaintedBeforeTheDrawingLayerStarts) {
  Cockpit cockpit({.start = false});
  platform::gfx::Surface surface(290, 220);
  platform::ELEMENT_HEADER element{};
  element.surface = &surface;
  DrawFmsScreen(&element, 1.0);
  EXPECT_EQ(surface.Frames(), 0u);
  cockpit.start();
  DrawFmsScreen(&element, 1.0);
  EXPECT_EQ(surface.Frames(), 1u);
}

TEST(Fms, TheMessageStackShowsTheNewestAndHoldsEight) {
  CScratchpad pad;
  pad.PostMessage(CduMessage::InvalidEntry);
  pad.PostMessage(CduMessage::InvalidEntry);
  EXPECT_EQ(pad.MessageCount(), 1u) << "the same message twice shows once";
  for (int i = 0; i < 10; ++i) {
    pad.PostMessage(i % 2 == 0 ? CduMessage::NotInDataBase : CduMessage::InvalidDelete);
  }
  EXPECT_EQ(pad.MessageCount(), CScratchpad::kMaxMessages);
  EXPECT_EQ(pad.Shown(), L"INVALID DELETE");
  pad.Clear();
  EXPECT_EQ(pad.Shown(), L"NOT IN DATA BASE");
  for (size_t i = 1; i < CScratchpad::kMaxMessages; ++i) pad.Clear();
  EXPECT_FALSE(pad.HasMessage()) << "the first InvalidEntry gave way to the newer ones";
}

TEST(Fms, TheScreenIsPaintedFromTheGridBlackAtBrightnessZero) {
  Cockpit cockpit;
  PowerUpAtZurich(cockpit);
  cockpit.cdu("RTE").cduType("LSZH");
  platform::gfx::Surface& surface = *cockpit.surface("FMS");
  platform::ELEMENT_HEADER* screen = GetNthElement(cockpit.gauge("FMS")->elements, 1);
  surface.StartRecording();
  DrawFmsScreen(screen, 1.0);
  surface.StopRecording();
  const auto& log = surface.Log();
  ASSERT_EQ(log.Texts(L"LSZH").size(), 1u) << "the scratchpad";
  const platform::gfx::DrawnItem& lszh = *log.Texts(L"LSZH")[0];
  EXPECT_EQ(lszh.color, (platform::gfx::Color{255, 255, 255}));
  // On its line, 13 of 14: the scratchpad is the bottom line of 220 units.
  EXPECT_NEAR(lszh.design[1].y, 220.0 * 13.5 / 14.0, 220.0 / 28.0);
  EXPECT_EQ(log.Texts(L"\u25A1\u25A1\u25A1\u25A1                \u25A1\u25A1\u25A1\u25A1").size(), 1u)
      << "ORIGIN and DEST boxes, one run of the line";
  EXPECT_EQ(log.Texts(L"ACTIVATE>").size(), 0u) << "an empty route cannot be activated: no prompt";

  surface.StartRecording();
  DrawFmsScreen(screen, 0.0);
  surface.StopRecording();
  EXPECT_EQ(surface.Log().Count(platform::gfx::DrawnItem::Kind::DrawString), 0u);
  EXPECT_EQ(surface.Log().Count(platform::gfx::DrawnItem::Kind::FillRectangle), 1u);
  EXPECT_EQ(surface.Pixel(150, 110), (platform::gfx::Color{0, 0, 0}));
}

}  // namespace
}  // namespace halcyon::test
