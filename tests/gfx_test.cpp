// The drawing layer the glass displays paint with: transform order and sign,
// pens and dashes, ellipses of odd sizes, clip modes, text placement and
// fonts, bad numbers; and the host's screens and pictures of the displays.
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "displays/radar/radar.h"
#include "gauges/glass_screens.h"
#include "platform/gfx.h"
#include "platform/gfx_surface.h"
#include "platform/system.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "tests/cockpit.h"
#include "tests/gfx_test_card.h"

namespace halcyon::test {
namespace {

using platform::gfx::Align;
using platform::gfx::Canvas;
using platform::gfx::ClipMode;
using platform::gfx::Color;
using platform::gfx::DrawnItem;
using platform::gfx::Font;
using platform::gfx::Matrix;
using platform::gfx::Path;
using platform::gfx::Pen;
using platform::gfx::PointF;
using platform::gfx::RectF;
using platform::gfx::Surface;

constexpr Color kWhite{255, 255, 255};
constexpr Color kGreen{0, 150, 0};
constexpr Color kBlack{0, 0, 0};
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// A pixel that a stroke or glyph covered well (anti-aliased edges blend).
bool Lit(const Surface& surface, int x, int y) {
  const Color c = surface.Pixel(x, y);
  return c.r + c.g + c.b > 3 * 128;
}

// The box of pixels with any ink on a black surface; empty width when none.
struct Ink {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
  bool Empty() const { return right < 0; }
  double CentreX() const { return (left + right + 1) / 2.0; }
};

Ink InkOf(const Surface& surface) {
  Ink ink;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      const Color c = surface.Pixel(x, y);
      if (c.r + c.g + c.b < 60) continue;
      ink.left = std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
      ink.top = std::min(ink.top, y);
      ink.bottom = std::max(ink.bottom, y);
    }
  }
  return ink;
}

TEST(Drawing, TransformsPrependInCallOrderAndTurnClockwise) {
  // A surface twice its design size: the recording reports design units.
  Surface surface(600, 500, 300, 250);
  platform::gfx::DrawingLog& log = surface.StartRecording();
  {
    Canvas canvas(surface);
    Matrix matrix;
    matrix.Scale(2, 2).Translate(150, 126).Rotate(90);
    canvas.SetTransform(matrix);
    canvas.DrawLine(Pen{kWhite, 1.4f}, PointF(0, -10), PointF(0, -20));
  }
  const auto lines = log.Find(DrawnItem::Kind::DrawLine);
  ASSERT_EQ(lines.size(), 1u);
  // Turned first (straight up becomes right), then moved to the origin, then scaled.
  EXPECT_TRUE(platform::gfx::Near(lines[0]->design[0], PointF(160, 126), 0.01f));
  EXPECT_TRUE(platform::gfx::Near(lines[0]->design[1], PointF(170, 126), 0.01f));
  EXPECT_TRUE(Lit(surface, 2 * 165, 2 * 126)) << "the pixels agree with the recording";

  // On the screen a positive angle is clockwise: a bar pointing up turned by
  // 90 degrees points right, by -90 left.
  Surface turned(100, 100);
  {
    Canvas canvas(turned);
    canvas.SetTransform(Matrix().Translate(50, 50).Rotate(90));
    canvas.FillRectangle(kWhite, RectF(-3, -40, 6, 30));
  }
  EXPECT_TRUE(Lit(turned, 75, 50));
  EXPECT_FALSE(Lit(turned, 50, 25));
  EXPECT_FALSE(Lit(turned, 25, 50));
}

TEST(Drawing, PensScaleWithThePictureAndDashInPenWidths) {
  Surface surface(200, 100);
  {
    Canvas canvas(surface);
    canvas.SetTransform(Matrix().Scale(2, 2));
    canvas.DrawLine(Pen{kWhite, 3.0f}, PointF(5, 10), PointF(95, 10));  // 6 px thick at y 20
    canvas.ResetTransform();
    canvas.DrawLine(Pen{kWhite, 2.0f, 3, 3}, PointF(0, 60), PointF(200, 60));  // 6 on, 6 off
    canvas.SetTransform(Matrix().Scale(2, 2));
    canvas.DrawLine(Pen{kWhite, 2.0f, 1, 4}, PointF(0, 40), PointF(100, 40));  // 4 on, 16 off at y 80
    canvas.DrawLine(Pen{kWhite, 0.0f}, PointF(0, 45.75f), PointF(100, 45.75f));  // a one-pixel hairline on row 91
  }
  EXPECT_TRUE(Lit(surface, 100, 91));
  EXPECT_FALSE(Lit(surface, 100, 90));
  EXPECT_FALSE(Lit(surface, 100, 92));
  EXPECT_TRUE(Lit(surface, 50, 18));
  EXPECT_TRUE(Lit(surface, 50, 22));
  EXPECT_FALSE(Lit(surface, 50, 15));
  EXPECT_FALSE(Lit(surface, 50, 25));
  // Flat ends: the solid line stops at its end point.
  EXPECT_FALSE(Lit(surface, 7, 20));
  EXPECT_TRUE(Lit(surface, 12, 20));

  for (int run = 0; run < 10; ++run) {
    EXPECT_TRUE(Lit(surface, 12 * run + 3, 60)) << "dash " << run;
    EXPECT_FALSE(Lit(surface, 12 * run + 9, 60)) << "gap " << run;
    EXPECT_TRUE(Lit(surface, 20 * run + 2, 80)) << "dot " << run;
    EXPECT_FALSE(Lit(surface, 20 * run + 12, 80)) << "gap after dot " << run;
  }
}

TEST(Drawing, EllipsesOfNegativeSizeDrawAndEmptyOnesHarmNothing) {
  Surface surface(100, 100);
  platform::gfx::DrawingLog& log = surface.StartRecording();
  {
    Canvas canvas(surface);
    canvas.FillEllipse(kWhite, RectF(50, 50, 0, 20));
    canvas.DrawEllipse(Pen{kWhite, 1.0f}, RectF(50, 50, 20, 0));
    // A circle given from its lower right corner with a negative size.
    canvas.FillEllipse(kGreen, RectF(90, 90, -30, -30));
    canvas.FillRectangle(kWhite, RectF(5, 5, 10, 10));
    EXPECT_EQ(canvas.Skipped(), 0);
  }
  EXPECT_EQ(surface.Pixel(75, 75), kGreen) << "centre of the circle in (60,60)-(90,90)";
  EXPECT_EQ(surface.Pixel(62, 62), kBlack) << "outside the circle, inside its box";
  EXPECT_EQ(surface.Pixel(10, 10), kWhite) << "drawing goes on after the empty ellipses";
  EXPECT_EQ(surface.Pixel(50, 60), kBlack);
  EXPECT_EQ(log.Count(DrawnItem::Kind::FillEllipse), 2u);
}

TEST(Drawing, RunsOfEllipsesFillLikeOneAfterAnother) {
  // A display's blots: many small ellipses of one colour, overlapping, then
  // one of another colour on top, all through a round clip.
  Surface surface(100, 100);
  {
    Canvas canvas(surface);
    Path clip;
    clip.AddEllipse(RectF(0, 0, 100, 100));
    canvas.SetClip(clip, platform::gfx::ClipMode::Replace);
    // Turned the other way round by a mirroring transform, a run still fills.
    canvas.SetTransform(Matrix().Scale(-1, 1));
    canvas.FillEllipse(kGreen, RectF(-90, 40, 20, 20));
    canvas.FillEllipse(kGreen, RectF(-85, 40, 20, 20));
    canvas.ResetTransform();
    for (int i = 0; i < 200; ++i) canvas.FillEllipse(kGreen, RectF(20.0f + (i % 5), 40, 20, 20));
    canvas.FillEllipse(kWhite, RectF(25, 45, 10, 10));
    canvas.FillEllipse(kGreen, RectF(-10, -10, 20, 20));
  }
  EXPECT_EQ(surface.Pixel(32, 50), kWhite) << "the later colour on top";
  EXPECT_EQ(surface.Pixel(42, 50), kGreen) << "overlaps of one colour leave no hole";
  EXPECT_EQ(surface.Pixel(77, 50), kGreen) << "overlap under the mirrored transform";
  EXPECT_EQ(surface.Pixel(3, 3), kBlack) << "outside the clip";
  EXPECT_EQ(surface.Pixel(10, 50), kBlack);
}

TEST(Drawing, ClipModesAndTheClipStaysWhereItWasSet) {
  // The traffic display's band: a ring between radii 94 and 107 about the
  // dial centre, made by a replace and an exclude, with no save or restore.
  Surface surface(250, 250);
  {
    Canvas canvas(surface);
    canvas.SetTransform(Matrix().Translate(125, 125));
    Path outer;
    outer.AddEllipse(RectF(-107, -107, 214, 214));
    Path inner;
    inner.AddEllipse(RectF(-94, -94, 188, 188));
    canvas.SetClip(outer, ClipMode::Replace);
    canvas.SetClip(inner, ClipMode::Exclude);
    // A fill under another transform still meets the clip where it was set.
    canvas.ResetTransform();
    canvas.FillRectangle(kGreen, RectF(0, 0, 250, 250));
    // Intersect keeps the right half of the ring only.
    Path right;
    right.AddRectangle(RectF(125, 0, 125, 250));
    canvas.SetClip(right, ClipMode::Intersect);
    canvas.FillRectangle(kWhite, RectF(0, 0, 250, 250));
    canvas.ResetClip();
    canvas.FillRectangle(kWhite, RectF(120, 120, 10, 10));
    // Replace starts afresh: a square right of a clip to the left half draws.
    Path left;
    left.AddRectangle(RectF(0, 0, 125, 250));
    canvas.SetClip(left, ClipMode::Replace);
    Path square;
    square.AddRectangle(RectF(145, 145, 10, 10));
    canvas.SetClip(square, ClipMode::Replace);
    canvas.FillRectangle(kWhite, RectF(0, 0, 250, 250));
  }
  EXPECT_EQ(surface.Pixel(150, 150), kWhite);
  EXPECT_EQ(surface.Pixel(140, 150), kBlack);
  for (int degrees = 0; degrees < 360; degrees += 30) {
    const double a = degrees * 3.14159265358979 / 180.0;
    auto at = [&](double r) {
      return surface.Pixel(static_cast<int>(125 + r * std::cos(a)), static_cast<int>(125 + r * std::sin(a)));
    };
    const bool rightHalf = std::cos(a) > 0.1;
    const bool leftHalf = std::cos(a) < -0.1;
    if (rightHalf) {
      EXPECT_EQ(at(100.5), kWhite) << degrees;
    }
    if (leftHalf) {
      EXPECT_EQ(at(100.5), kGreen) << degrees;
    }
    EXPECT_EQ(at(90), kBlack) << degrees << " inside the excluded disc";
    EXPECT_EQ(at(111), kBlack) << degrees << " outside the ring";
  }
  EXPECT_EQ(surface.Pixel(125, 125), kWhite) << "after ResetClip everything draws";
}

TEST(Drawing, TextHangsFromItsPointInEachAlignment) {
  platform::gfx::PinFontFamily("DejaVu Sans");
  const Font font{"Century Gothic", 10, true};
  const double em = 10 * 96.0 / 72.0;
  const double padding = em / 6.0;
  auto draw = [&](const wchar_t* text, Align align) {
    auto surface = std::make_unique<Surface>(200, 100);
    platform::gfx::DrawingLog& log = surface->StartRecording();
    {
      Canvas canvas(*surface);
      canvas.DrawString(text, -1, font, PointF(100, 30), align, kWhite);
    }
    EXPECT_EQ(log.Count(DrawnItem::Kind::DrawString), 1u);
    surface->StopRecording();
    return surface;
  };
  const auto nearText = draw(L"HDG", Align::Near);
  const auto centreText = draw(L"HDG", Align::Center);
  const auto farText = draw(L"HDG", Align::Far);
  const auto farBlanks = draw(L"HDG  ", Align::Far);
  const Ink nearInk = InkOf(*nearText);
  const Ink centreInk = InkOf(*centreText);
  const Ink farInk = InkOf(*farText);

  // Where each line's baseline starts, exactly: near keeps the padding from
  // the point, centre halves the width, far ends the width and the padding
  // before it.
  auto start = [](const Surface& surface) { return surface.Log().Texts(L"HDG")[0]->design[1]; };
  const double width = 2.0 * (100 - start(*centreText).x);
  EXPECT_GT(width, 2 * em);
  EXPECT_NEAR(start(*nearText).x, 100 + padding, 0.01);
  EXPECT_NEAR(start(*farText).x, 100 - padding - width, 0.01);
  EXPECT_NEAR(nearInk.left, 100 + padding, 2.0) << "near: padding right of the point";
  EXPECT_NEAR(centreInk.CentreX(), 100, 1.5) << "centre: on the point";
  EXPECT_NEAR(farInk.right + 1, 100 - padding, 2.0) << "far: padding left of the point";
  EXPECT_EQ(InkOf(*farBlanks).right, farInk.right) << "trailing blanks are not measured";
  // The point is the top of the box: capitals start a little below it, and
  // the baseline is one ascent lower.
  for (const Ink& ink : {nearInk, centreInk, farInk}) {
    EXPECT_GE(ink.top, 30);
    EXPECT_LE(ink.top, 30 + 0.4 * em);
    EXPECT_NEAR(ink.bottom + 1, 30 + 0.93 * em, 2.0);
  }

  // Two lines: each centred on its own, the second one line spacing lower.
  Surface flag(200, 100);
  platform::gfx::DrawingLog& log = flag.StartRecording();
  {
    Canvas canvas(flag);
    canvas.DrawString(L"HDG\nFAIL", 8, font, PointF(100, 30), Align::Center, kWhite);
  }
  const auto texts = log.Texts(L"HDG\nFAIL");
  ASSERT_EQ(texts.size(), 1u);
  ASSERT_EQ(texts[0]->design.size(), 3u) << "the anchor and two line starts";
  const double spacing = texts[0]->design[2].y - texts[0]->design[1].y;
  EXPECT_GT(spacing, em);
  EXPECT_LT(spacing, 1.4 * em);
  EXPECT_NEAR(texts[0]->emDesign, em, 1e-3);
  const Ink flagInk = InkOf(flag);
  EXPECT_EQ(flagInk.top, nearInk.top);
  EXPECT_NEAR(flagInk.bottom - nearInk.bottom, spacing, 1.5);
}

// The monospaced typefaces the gauges name are drawn in an installed
// monospaced face, so a table's columns line up: ten i's as wide as ten M's.
TEST(Drawing, MonospacedTypefacesStayMonospaced) {
  for (const char* typeface : {"Courier New", "Lucida Console"}) {
    auto width = [typeface](const wchar_t* text) {
      Surface surface(300, 40);
      platform::gfx::DrawingLog& log = surface.StartRecording();
      {
        Canvas canvas(surface);
        canvas.DrawString(text, -1, {typeface, 10, false}, PointF(150, 10), Align::Center, kWhite);
      }
      return 2.0 * (150 - log.Texts(text)[0]->design[1].x);
    };
    EXPECT_NEAR(width(L"iiiiiiiiii"), width(L"MMMMMMMMMM"), 0.01) << typeface;
    EXPECT_NEAR(width(L"MMMMMMMMMM"), 10 * 0.6 * 10 * 96.0 / 72.0, 1.0) << typeface << ": 0.6 em a character";
  }
}

// The typefaces the cockpit draws with (the displays', the CDU's, the
// gauges' texts', the host's labels'): those drawn in a face close in shape,
// and those drawn in the font fontconfig finds for the name itself on a
// machine with only the set-up's fonts (a name the cockpit does not know,
// and none, among them).
constexpr const char* kTypefacesInAFaceLikeThem[] = {"Century Gothic", "Courier New", "Lucida Console"};
constexpr const char* kTypefacesAsNamed[] = {"Arial", "DejaVu Sans Mono", "Tahoma", nullptr};

// A line in the typeface in each weight, as the pixels of one picture; with
// `pinned`, in that family instead.
std::string DrawnIn(const char* typeface, const std::string& pinned = "") {
  platform::gfx::PinFontFamily(pinned);
  constexpr float kLinePitch = 18;
  Surface surface(200, 2 * static_cast<int>(kLinePitch));
  {
    Canvas canvas(surface);
    canvas.DrawString(L"HDG 270 MAP", -1, {typeface, 10, false}, PointF(0, 0), Align::Near, kWhite);
    canvas.DrawString(L"HDG 270 MAP", -1, {typeface, 10, true}, PointF(0, kLinePitch), Align::Near, kWhite);
  }
  platform::gfx::PinFontFamily("");
  std::string pixels;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      const Color c = surface.Pixel(x, y);
      pixels += {static_cast<char>(c.r), static_cast<char>(c.g), static_cast<char>(c.b)};
    }
  }
  return pixels;
}

std::string EveryTypefaceDrawn() {
  std::string pictures;
  for (const char* typeface : kTypefacesInAFaceLikeThem) pictures += DrawnIn(typeface);
  for (const char* typeface : kTypefacesAsNamed) pictures += DrawnIn(typeface);
  return pictures;
}

bool LoadFontRules(FcConfig* config, const std::string& rules) {
  return FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(rules.c_str()), FcTrue);
}

// fontconfig as on a machine with nothing but the set-up's fonts: this
// machine's configuration, every font outside the set-up's folders left out
// (fontconfig looks through a folder only where the folder itself is let in).
bool OnlyTheSetUpsFonts() {
  std::string accepted;
  for (const char* path : {"/usr/share/fonts", "/usr/share/fonts/opentype", "/usr/share/fonts/opentype/urw-base35",
                           "/usr/share/fonts/opentype/urw-base35/*", "/usr/share/fonts/truetype",
                           "/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/truetype/dejavu/*"}) {
    accepted += std::string("<glob>") + path + "</glob>";
  }
  FcConfig* config = FcInitLoadConfig();
  return LoadFontRules(config, "<fontconfig><selectfont><rejectfont><glob>*</glob></rejectfont><acceptfont>" +
                                   accepted + "</acceptfont></selectfont></fontconfig>") &&
         FcConfigBuildFonts(config) && FcConfigSetCurrent(config);
}

// fontconfig as on a machine with more fonts than the set-up's: every name
// asks first for another family (P052), as the aliases of a metric-compatible
// font put theirs (fonts-liberation's before "Arial"), and a copy of that
// font at `copy`, outside the set-up's folders, names itself after each
// family the cockpit draws in, as a user's own font may. Whether fontconfig
// now finds P052 for "Arial".
bool AddOtherFonts(const std::string& copy) {
  std::filesystem::copy_file("/usr/share/fonts/opentype/urw-base35/P052-Roman.otf", copy);
  FcConfig* config = FcConfigGetCurrent();
  if (!LoadFontRules(config, "<fontconfig>"
                             "<match target='pattern'>"
                             "<edit name='family' mode='prepend_first' binding='strong'><string>P052</string></edit>"
                             "</match>"
                             "<match target='scan'>"
                             "<test name='file'><string>" + copy + "</string></test>"
                             "<edit name='family' mode='assign'><string>P052</string><string>URW Gothic</string>"
                             "<string>DejaVu Sans Mono</string><string>Nimbus Mono PS</string>"
                             "<string>Nimbus Sans</string><string>DejaVu Sans</string></edit>"
                             "</match>"
                             "</fontconfig>") ||
      !FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(copy.c_str()))) {
    return false;
  }
  FcPattern* arial = FcNameParse(reinterpret_cast<const FcChar8*>("Arial"));
  FcConfigSubstitute(config, arial, FcMatchPattern);
  FcDefaultSubstitute(arial);
  FcResult result = FcResultNoMatch;
  FcPattern* font = FcFontMatch(config, arial, &result);
  FcChar8* family = nullptr;
  const bool other = font != nullptr && FcPatternGetString(font, FC_FAMILY, 0, &family) == FcResultMatch &&
                     std::string(reinterpret_cast<const char*>(family)) == "P052";
  if (font != nullptr) FcPatternDestroy(font);
  FcPatternDestroy(arial);
  return other;
}

// Two machines draw the same text: one with the set-up's fonts alone, where
// each name the cockpit does not draw in a face like it is drawn in the font
// fontconfig finds for it, as before the faces were pinned; and one where
// other fonts and their aliases claim every name and every family.
TEST(Drawing, TextIsDrawnAsWithTheSetUpsFontsAloneWhateverElseIsInstalled) {
  const std::string alone = InFreshProcess([] {
    if (!OnlyTheSetUpsFonts()) return std::string("no configuration of the set-up's fonts alone");
    std::string unlike;
    for (const char* typeface : kTypefacesAsNamed) {
      const std::string name = typeface != nullptr ? typeface : "sans-serif";
      if (DrawnIn(typeface) != DrawnIn(typeface, name)) unlike += " " + name;
    }
    return unlike.empty() ? EveryTypefaceDrawn() : "not in the font fontconfig finds for:" + unlike;
  });
  const std::string amongOthers = InFreshProcess([] {
    std::string folder = (std::filesystem::temp_directory_path() / "halcyon-fonts-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) return std::string("no folder");
    const std::string copy = folder + "/Claimant.otf";
    const std::string pixels = AddOtherFonts(copy) ? EveryTypefaceDrawn() : "the other fonts were not taken";
    std::filesystem::remove(copy);
    std::filesystem::remove(folder);
    return pixels;
  });
  ASSERT_GT(alone.size(), 1000u) << alone;
  EXPECT_NE(alone.find_first_not_of('\0'), std::string::npos) << "the text drew";
  EXPECT_TRUE(alone == amongOthers) << (amongOthers.size() < 1000 ? amongOthers : "the pictures differ");
}

// Every typeface drawn where the user's fonts.conf (read from
// $XDG_CONFIG_HOME/fontconfig/, as the system's configuration includes it)
// sets `settings` on every font; or what went wrong, when fontconfig did not
// take the file (a property of its own, which fontconfig passes on unread,
// shows that it did).
std::string DrawnUnderUsersSettings(const std::string& settings) {
  return InFreshProcess([&settings] {
    std::string home = (std::filesystem::temp_directory_path() / "halcyon-fonts-XXXXXX").string();
    if (mkdtemp(home.data()) == nullptr) return std::string("no folder");
    const std::filesystem::path file = std::filesystem::path(home) / "fontconfig" / "fonts.conf";
    std::filesystem::create_directory(file.parent_path());
    std::ofstream(file) << "<fontconfig><match target='font'><edit name='halcyonuser'><bool>true</bool></edit>"
                        << settings << "</match></fontconfig>";
    setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    std::string pixels = "the user's fonts.conf was not read";
    FcPattern* sans = FcNameParse(reinterpret_cast<const FcChar8*>("DejaVu Sans"));
    FcPattern* font = nullptr;
    if (FcInitReinitialize() && FcConfigSubstitute(nullptr, sans, FcMatchPattern)) {
      FcDefaultSubstitute(sans);
      FcResult result = FcResultNoMatch;
      font = FcFontMatch(nullptr, sans, &result);
    }
    FcBool taken = FcFalse;
    if (font != nullptr && FcPatternGetBool(font, "halcyonuser", 0, &taken) == FcResultMatch && taken) {
      pixels = EveryTypefaceDrawn();
    }
    if (font != nullptr) FcPatternDestroy(font);
    FcPatternDestroy(sans);
    std::filesystem::remove_all(home);
    return pixels;
  });
}

// A user's rendering settings (sub-pixel order, no anti-aliasing, full
// hinting, the auto-hinter, emboldening, a slanting matrix, embedded
// bitmaps, an LCD filter) change no glyph of the displays: the pictures are
// the same on every machine with the set-up's fonts.
TEST(Drawing, TheUsersFontRenderingSettingsChangeNoPicture) {
  const std::string plain = DrawnUnderUsersSettings("");
  const std::string unsmoothed = DrawnUnderUsersSettings("<edit name='antialias' mode='assign'><bool>false</bool></edit>");
  const std::string subpixel = DrawnUnderUsersSettings(
      "<edit name='rgba' mode='assign'><const>rgb</const></edit>"
      "<edit name='lcdfilter' mode='assign'><const>lcdlight</const></edit>"
      "<edit name='hinting' mode='assign'><bool>true</bool></edit>"
      "<edit name='hintstyle' mode='assign'><const>hintfull</const></edit>"
      "<edit name='autohint' mode='assign'><bool>true</bool></edit>"
      "<edit name='embolden' mode='assign'><bool>true</bool></edit>"
      "<edit name='embeddedbitmap' mode='assign'><bool>true</bool></edit>"
      "<edit name='matrix' mode='assign'><matrix><double>1</double><double>0.2</double>"
      "<double>0</double><double>1</double></matrix></edit>");
  ASSERT_GT(plain.size(), 1000u) << plain;
  EXPECT_NE(plain.find_first_not_of('\0'), std::string::npos) << "the text drew";
  EXPECT_TRUE(plain == unsmoothed) << (unsmoothed.size() < 1000 ? unsmoothed : "no anti-aliasing changed the text");
  EXPECT_TRUE(plain == subpixel) << (subpixel.size() < 1000 ? subpixel : "the sub-pixel settings changed the text");
}

TEST(Drawing, TheCountCutsTheText) {
  Surface surface(200, 60);
  platform::gfx::DrawingLog& log = surface.StartRecording();
  {
    Canvas canvas(surface);
    const Font font{"Century Gothic", 12, false};
    canvas.DrawString(L"RANGE  40", 5, font, PointF(10, 5), Align::Near, kWhite);
    canvas.DrawString(L"TEST", 40, font, PointF(10, 25), Align::Near, kWhite);
    canvas.DrawString(L"WX", -1, font, PointF(100, 25), Align::Near, kWhite);
    canvas.DrawString(L"MAP", 0, font, PointF(150, 25), Align::Near, kWhite);
  }
  EXPECT_EQ(log.Texts(L"RANGE").size(), 1u);
  EXPECT_EQ(log.Texts(L"TEST").size(), 1u) << "a count beyond the end draws what is there";
  EXPECT_EQ(log.Texts(L"WX").size(), 1u) << "a negative count draws it all";
  EXPECT_EQ(log.Texts(L"").size(), 1u);
}

TEST(Drawing, BadNumbersSkipOnePrimitiveAndTheFrameGoesOn) {
  Surface surface(100, 100);
  platform::gfx::DrawingLog& log = surface.StartRecording();
  const float huge = 1.0e7f;
  {
    Canvas canvas(surface);
    canvas.DrawLine(Pen{kWhite, 1.0f}, PointF(kNaN, 0), PointF(50, 50));
    canvas.FillRectangle(kWhite, RectF(0, 0, std::numeric_limits<float>::infinity(), 10));
    canvas.DrawLine(Pen{kWhite, 1.0f}, PointF(0, 0), PointF(huge, huge));
    canvas.DrawLine(Pen{kWhite, kNaN}, PointF(0, 0), PointF(50, 50));
    const PointF polygon[] = {{0, 0}, {kNaN, 5}, {5, 5}};
    canvas.FillPolygon(kWhite, polygon, 3);
    canvas.DrawString(L"X", 1, {"Century Gothic", kNaN, false}, PointF(5, 5), Align::Near, kWhite);
    canvas.DrawString(L"X", 1, {"Century Gothic", 10, false}, PointF(kNaN, 5), Align::Near, kWhite);
    Path clip;
    clip.AddRectangle(RectF(0, 0, kNaN, 10));
    canvas.SetClip(clip, ClipMode::Replace);
    canvas.SetTransform(Matrix().Scale(kNaN, 1));
    canvas.FillRectangle(kWhite, RectF(0, 0, 10, 10));
    canvas.SetTransform(Matrix().Scale(0, 1));
    canvas.FillRectangle(kWhite, RectF(0, 0, 10, 10));
    canvas.SetTransform(Matrix().Scale(1e-7, 1e-7));
    canvas.DrawString(L"X", 1, {"Century Gothic", 10, false}, PointF(5, 5), Align::Near, kWhite);
    EXPECT_EQ(canvas.Skipped(), 11);
    canvas.ResetTransform();
    canvas.FillRectangle(kGreen, RectF(40, 40, 20, 20));
    canvas.DrawString(L"OK", 2, {"Century Gothic", 10, false}, PointF(10, 70), Align::Near, kWhite);
    canvas.DrawString(L"\xD800\x01\x110000", -1, {"Century Gothic", 10, false}, PointF(10, 85), Align::Near, kWhite);
    EXPECT_TRUE(canvas.Healthy());
  }
  EXPECT_EQ(log.SkippedCount(), 11u);
  EXPECT_EQ(surface.Pixel(50, 50), kGreen) << "a good primitive after the bad ones";
  EXPECT_EQ(surface.Pixel(5, 5), kBlack) << "nothing of the bad ones";
  EXPECT_EQ(log.Texts(L"OK").size(), 1u);
  EXPECT_FALSE(InkOf(surface).Empty());
}

TEST(Drawing, ArcsSplinesAndPathsFollowTheirPoints) {
  Surface surface(300, 100);
  {
    Canvas canvas(surface);
    const Pen pen{kWhite, 3.0f};
    Path clockwise;  // from the right of the circle down to its bottom
    clockwise.AddArc(RectF(10, 10, 80, 80), 0, 90);
    canvas.DrawPath(pen, clockwise);
    Path counter;  // from the right of the circle up to its top
    counter.AddArc(RectF(110, 10, 80, 80), 0, -90);
    canvas.DrawPath(pen, counter);
    const PointF through[] = {{210, 50}, {230, 20}, {250, 50}, {270, 20}, {290, 50}};
    canvas.DrawCurve(pen, through, 5);
  }
  const double d = 40 / std::sqrt(2.0);
  EXPECT_TRUE(Lit(surface, static_cast<int>(50 + d), static_cast<int>(50 + d)));
  EXPECT_FALSE(Lit(surface, static_cast<int>(50 + d), static_cast<int>(50 - d)));
  EXPECT_TRUE(Lit(surface, static_cast<int>(150 + d), static_cast<int>(50 - d)));
  EXPECT_FALSE(Lit(surface, static_cast<int>(150 + d), static_cast<int>(50 + d)));
  // Short arcs across the left of the circle, either way round, stay short.
  for (float sweep : {-20.0f, 20.0f}) {
    Surface small(100, 100);
    {
      Canvas canvas(small);
      Path arc;
      arc.AddArc(RectF(10, 10, 80, 80), 180 - sweep / 2, sweep);
      canvas.DrawPath(Pen{kWhite, 3.0f}, arc);
    }
    EXPECT_TRUE(Lit(small, 10, 50)) << sweep;
    EXPECT_FALSE(Lit(small, 89, 50)) << sweep;
    EXPECT_FALSE(Lit(small, 50, 10)) << sweep;
  }
  for (PointF point : {PointF(230, 21), PointF(250, 49), PointF(270, 21)}) {
    EXPECT_TRUE(Lit(surface, static_cast<int>(point.x), static_cast<int>(point.y))) << point.x;
  }
}

TEST(Drawing, BrightnessScalesTruncatesAndKeepsTheLowByte) {
  EXPECT_EQ(platform::gfx::Dim(230, 180, 30, 0.5), (Color{115, 90, 15}));
  EXPECT_EQ(platform::gfx::Dim(255, 255, 255, 0.999), (Color{254, 254, 254}));
  EXPECT_EQ(platform::gfx::Dim(255, 255, 255, 0.0), kBlack);
  EXPECT_EQ(platform::gfx::Dim(200, 100, 1, 1.5), (Color{44, 150, 1})) << "300 keeps its low byte";
  EXPECT_EQ(platform::gfx::Dim(200, 100, 1, std::nan("")), kBlack);
}

// What may show through the clip's bounds: a new clip replaces them, an
// intersecting one narrows them, a shape cut out leaves them, a reset opens
// the whole surface again; a pixel of anti-aliasing is allowed for.
TEST(Drawing, WhatMayShowFollowsTheClipsBounds) {
  Surface surface(200, 100);
  Canvas canvas(surface);
  EXPECT_TRUE(canvas.MayShow(RectF(190, 90, 5, 5)));
  EXPECT_FALSE(canvas.MayShow(RectF(202, 50, 5, 5))) << "beyond the surface";
  EXPECT_TRUE(canvas.MayShow(RectF(200.5f, 50, 5, 5))) << "within a pixel of it";
  Path left, right;
  left.AddRectangle(RectF(0, 0, 50, 100));
  right.AddRectangle(RectF(100, 0, 100, 100));
  canvas.SetClip(left, ClipMode::Replace);
  EXPECT_FALSE(canvas.MayShow(RectF(120, 40, 5, 5)));
  EXPECT_TRUE(canvas.MayShow(RectF(40, 40, 5, 5)));
  canvas.SetClip(right, ClipMode::Replace);
  EXPECT_TRUE(canvas.MayShow(RectF(120, 40, 5, 5))) << "replaced, not narrowed";
  EXPECT_FALSE(canvas.MayShow(RectF(40, 40, 5, 5)));
  canvas.SetClip(left, ClipMode::Exclude);
  EXPECT_TRUE(canvas.MayShow(RectF(120, 40, 5, 5))) << "a hole leaves the bounds";
  canvas.SetClip(left, ClipMode::Intersect);
  EXPECT_FALSE(canvas.MayShow(RectF(120, 40, 5, 5))) << "nothing left";
  canvas.ResetClip();
  EXPECT_TRUE(canvas.MayShow(RectF(40, 40, 5, 5)));
  // Under a turned and scaled transform: the box's corners count.
  canvas.SetTransform(Matrix().Translate(100, 50).Rotate(45).Scale(2, 2));
  EXPECT_TRUE(canvas.MayShow(RectF(20, -5, 10, 10))) << "centred on (135, 85)";
  EXPECT_FALSE(canvas.MayShow(RectF(60, -5, 10, 10))) << "centred on (192, 142), 14 pixels across: below the bottom edge";
}

// Small ellipses gathered on one surface keep their size under each
// transform, however the same box was drawn before.
TEST(Drawing, SmallEllipsesTakeTheTransformTheyAreDrawnUnder) {
  Surface surface(120, 60);
  {
    Canvas canvas(surface);
    canvas.FillEllipse(kGreen, RectF(8, 8, 4, 4));  // 4 pixels across about (10, 10)
    canvas.SetTransform(Matrix().Scale(3, 3));
    canvas.FillEllipse(kGreen, RectF(8, 8, 4, 4));  // 12 across about (30, 30)
    canvas.SetTransform(Matrix().Scale(5, 2));
    canvas.FillEllipse(kGreen, RectF(8, 8, 4, 4));  // 20 by 8 about (50, 20)
  }
  EXPECT_EQ(surface.Pixel(10, 10), kGreen);
  EXPECT_EQ(surface.Pixel(13, 10), kBlack);
  EXPECT_EQ(surface.Pixel(35, 30), kGreen) << "5 pixels from the centre of a 12-pixel circle";
  EXPECT_EQ(surface.Pixel(37, 30), kBlack);
  EXPECT_EQ(surface.Pixel(58, 20), kGreen) << "8 pixels along the long axis";
  EXPECT_EQ(surface.Pixel(50, 24), kBlack) << "4 pixels across the short one";
  EXPECT_EQ(surface.Pixel(50, 22), kGreen);
}

TEST(Drawing, TheTestCardUsesEveryPrimitive) {
  platform::gfx::PinFontFamily("DejaVu Sans");
  Surface surface(kTestCardWidth, kTestCardHeight);
  platform::gfx::DrawingLog& log = surface.StartRecording();
  {
    Canvas canvas(surface);
    DrawTestCard(canvas);
    EXPECT_EQ(canvas.Skipped(), 1) << "its one line with a bad number";
  }
  size_t roseTicks = 0;
  for (const DrawnItem* item : log.InMark("rose")) roseTicks += item->kind == DrawnItem::Kind::DrawLine ? 1 : 0;
  EXPECT_EQ(roseTicks, 72u);
  for (auto kind : {DrawnItem::Kind::FillRectangle, DrawnItem::Kind::DrawRectangle, DrawnItem::Kind::FillEllipse,
                    DrawnItem::Kind::DrawEllipse, DrawnItem::Kind::FillPolygon, DrawnItem::Kind::DrawPolygon,
                    DrawnItem::Kind::DrawLine, DrawnItem::Kind::DrawBezier, DrawnItem::Kind::DrawCurve,
                    DrawnItem::Kind::DrawPath, DrawnItem::Kind::SetClip, DrawnItem::Kind::ResetClip,
                    DrawnItem::Kind::DrawString}) {
    EXPECT_GT(log.Count(kind), 0u) << platform::gfx::KindName(kind);
  }
  EXPECT_EQ(surface.Pixel(150, 3), (Color{11, 0, 30})) << "the background";
  EXPECT_EQ(surface.Pixel(230 + 45, 135), (Color{255, 0, 0})) << "the ring's clipped red band";
  EXPECT_EQ(surface.Pixel(230 - 45, 135), (Color{0, 150, 0})) << "the ring's green";
  EXPECT_EQ(surface.Pixel(230, 135 + 35), (Color{11, 0, 30})) << "inside the excluded disc";
}

// ---- The host's screens and pictures --------------------------------------------

TEST(DisplayPictures, EveryDrawnScreenHasASurfaceOfItsDesignSize) {
  Cockpit cockpit;
  struct Expected {
    const char* gauge;
    int width;
    int height;
  };
  for (const Expected& expected : {Expected{"EFIS PFD", 300, 250}, Expected{"EFIS ND", 300, 250},
                                   Expected{"TCAS Display", 250, 250}, Expected{"FMS", 290, 220},
                                   Expected{"Radar Display", 300, 250}}) {
    platform::gfx::Surface* surface = cockpit.surface(expected.gauge);
    ASSERT_NE(surface, nullptr) << expected.gauge;
    EXPECT_EQ(surface->Width(), expected.width) << expected.gauge;
    EXPECT_EQ(surface->Height(), expected.height) << expected.gauge;
  }
  EXPECT_EQ(cockpit.surface("Airspeed"), nullptr);
  platform::ELEMENT_HEADER* fmsScreen = cockpit.gauge("FMS")->elements->nextElement[0];
  EXPECT_EQ(fmsScreen->surface, cockpit.surface("FMS")) << "element 1 carries it";
  EXPECT_EQ(fmsScreen->x, 57);
  cockpit.host().Unload();
  EXPECT_EQ(fmsScreen->surface, nullptr) << "taken back with the module";
}

// The PNG's own header: its signature, then the width and height of IHDR.
void ExpectPng(const std::string& path, int width, int height) {
  std::ifstream file(path, std::ios::binary);
  ASSERT_TRUE(file) << path;
  unsigned char header[24] = {};
  file.read(reinterpret_cast<char*>(header), sizeof(header));
  EXPECT_EQ(header[1], 'P');
  EXPECT_EQ(header[12], 'I');
  EXPECT_EQ((header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19], width);
  EXPECT_EQ((header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23], height);
}

TEST(DisplayPictures, OnlyDisplaysThatDrewAreWrittenByTimeAndGauge) {
  platform::gfx::PinFontFamily("DejaVu Sans");
  Cockpit cockpit({.start = false});
  cockpit.writeFile(Cockpit::kAircraftIniFile, "[RADAR]\r\nbrightness=0\r\n");  // the radar draws nothing
  // nor does the ND: no GDI+ (the start-up list's start fails, and the ND's
  // on the main panel and in its popup)
  platform::FailNextGdiplusStartups(3);
  cockpit.start();
  cockpit.runSeconds(1).snapshot("EFIS ND");
  EXPECT_TRUE(cockpit.picturesWritten().empty()) << "the ND has drawn nothing yet";

  // The test card stands in for a display drawing into its screen.
  {
    Canvas canvas(*cockpit.surface("EFIS ND"));
    DrawTestCard(canvas);
  }
  cockpit.runSeconds(89.5).snapshot("EFIS ND");
  ASSERT_EQ(cockpit.picturesWritten().size(), 1u);
  EXPECT_EQ(cockpit.picturesWritten()[0], "00-01-30.5_EFIS_ND.png");
  ExpectPng(cockpit.picturesFolder() + "/00-01-30.5_EFIS_ND.png", 300, 250);
  if (const char* keep = std::getenv("HALCYON_TEST_CARD")) {
    cockpit.surface("EFIS ND")->WritePng(keep, nullptr);
  }

  // The scenario command, for one gauge by name; an unknown one stops the
  // flight before it starts.
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("snapshot \"EFIS ND\"\nsnapshot \"Radar Display\"\nrun 1\nsnapshot Nowhere\n", "s.scn",
                             &errors));
  simhost::RunLog log;
  std::string error;
  EXPECT_FALSE(simhost::RunScenario(cockpit.host(), scenario, log, &error));
  EXPECT_EQ(error, "s.scn:4: no gauge named 'Nowhere' (simhost --list gauges names them all)");
  EXPECT_EQ(cockpit.picturesWritten().size(), 1u);
  EXPECT_TRUE(log.Notes().empty());

  simhost::Scenario good;
  ASSERT_TRUE(good.Parse("snapshot \"EFIS ND\"\nsnapshot \"Radar Display\"\nrun 1\n", "s.scn", &errors));
  EXPECT_TRUE(simhost::RunScenario(cockpit.host(), good, log, &error)) << error;
  EXPECT_EQ(cockpit.picturesWritten().size(), 2u);
  ASSERT_EQ(log.Notes().size(), 1u);
  EXPECT_NE(log.Notes()[0].find("\"Radar Display\" has drawn no picture"), std::string::npos);
}

// The program: pictures every so many seconds; none while no display draws.
TEST(DisplayPictures, TheProgramTakesAPictureInterval) {
  // A folder of this run's own: other runs of the suite share the temporary folder.
  const std::string folder = ::testing::TempDir() + "/pictures-run-" + std::to_string(getpid());
  const std::string file = ::testing::TempDir() + "/short-" + std::to_string(getpid()) + ".scn";
  std::ofstream(file) << "run 2\nsnapshot\n";
  const ProgramRun refused = RunSimhostProgram("--quiet --pictures 0 --scenario " + file + " --out " + folder);
  EXPECT_NE(refused.status, 0);
  EXPECT_NE(refused.output.find("--pictures takes a number of seconds above 0"), std::string::npos) << refused.output;
  const ProgramRun run = RunSimhostProgram("--quiet --pictures 0.5 --scenario " + file + " --out " + folder);
  EXPECT_EQ(run.status, 0) << run.output;
  // The radar, TCAS, CDU, PFD and ND screens draw (dark, without power; the
  // dark PFD and ND each show the composite at brightness 0): every half second.
  size_t pictures = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder + "/pictures")) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name.ends_with("_Radar_Display.png") || name.ends_with("_TCAS_Display.png") ||
                name.ends_with("_FMS.png") || name.ends_with("_EFIS_PFD.png") || name.ends_with("_EFIS_ND.png"))
        << name;
    ++pictures;
  }
  EXPECT_GE(pictures, 8u);
  std::ifstream log(folder + "/log.txt");
  const std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("== Pictures of the displays (in pictures/) =="), std::string::npos);
}

// The pixels of two pictures of one size whose colours differ, in some
// component, by more than `tolerance` levels.
int DifferingPixels(const platform::gfx::Surface& a, const platform::gfx::Surface& b, int tolerance = 0) {
  int count = 0;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      const platform::gfx::Color p = a.Pixel(x, y);
      const platform::gfx::Color q = b.Pixel(x, y);
      count += std::max({std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b)}) > tolerance ? 1 : 0;
    }
  }
  return count;
}

// The simulator draws the windows on screen only: a screen in a closed
// window stays as it was until its window opens, or until a picture is taken
// of it; that picture is the screen as it is now, drawn once in its tick.
TEST(GlassScreens, OnlyTheOpenWindowsDrawAndAPictureDrawsAClosedOneAsItIs) {
  Cockpit cockpit;
  cockpit.powerUp().control("EFIS DIMMER", "pfd_dim", 10).runSeconds(30);
  platform::gfx::Surface* panel = cockpit.surface("EFIS PFD", 10010);
  platform::gfx::Surface* popup = cockpit.surface("EFIS PFD", 10260);
  ASSERT_NE(panel, nullptr);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(panel->Frames(), 0u) << "the main panel is closed";
  EXPECT_EQ(popup->Frames(), 0u);

  cockpit.setWindowVisible(10260, true).runTicks(18);
  EXPECT_EQ(popup->Frames(), 18u) << "the popup draws a frame a tick once open";
  EXPECT_EQ(panel->Frames(), 0u);

  cockpit.snapshot("EFIS PFD");
  EXPECT_EQ(panel->Frames(), 1u) << "the closed placement drawn for the picture";
  EXPECT_EQ(popup->Frames(), 18u) << "the open one already drew in this tick";
  cockpit.snapshot("EFIS PFD");
  EXPECT_EQ(panel->Frames(), 1u) << "no second drawing in one tick";
  // The same picture, to the edges of a symbol or two (the bank pointer and
  // the aircraft symbol's centre square are a few levels apart).
  EXPECT_LT(DifferingPixels(*panel, *popup, 2), panel->Width() * panel->Height() / 200);

  cockpit.setWindowVisible(10260, false).runTicks(18);
  EXPECT_EQ(popup->Frames(), 18u) << "closed again";
  EXPECT_EQ(panel->Frames(), 1u);
}

// Each glass screen stands at its gauge's corner behind the bezel and is as
// wide as the gauge is designed (the radar display has no design width of
// its own: its box sets it).
TEST(GlassScreens, EachScreenStandsAtItsGaugesCornerAtItsDesignSize) {
  Cockpit cockpit;
  struct Screen {
    const char* gauge;
    int32_t width, height;
  };
  for (const Screen& s : {Screen{"EFIS PFD", 300, 250}, {"EFIS ND", 300, 250}, {"TCAS Display", 250, 250},
                          {"Radar Display", 300, 250}}) {
    const platform::ELEMENT_HEADER& screen = cockpit.element(s.gauge, 1);
    EXPECT_EQ(screen.x, 0) << s.gauge;
    EXPECT_EQ(screen.y, 0) << s.gauge;
    EXPECT_EQ(screen.imageWidth, s.width) << s.gauge;
    EXPECT_EQ(screen.imageHeight, s.height) << s.gauge;
    const double designWidth = cockpit.gauge(s.gauge)->widthMm;
    if (designWidth > 0.0) {
      EXPECT_EQ(screen.imageWidth, designWidth) << s.gauge;
    }
  }
}

// The cockpit's state moves once a tick: each lit glass screen draws once a
// tick, however many frames the simulator draws in it.
TEST(GlassScreens, EachDrawsOnceATickWhateverTheFramesATick) {
  for (const int framesPerTick : {1, 3}) {
    Cockpit cockpit({.framesPerTick = framesPerTick, .drawClosedWindows = true});
    cockpit.powerUp().control("EFIS DIMMER", "pfd_dim", 10).control("EFIS DIMMER", "nd_dim", 10).runSeconds(6);
    for (const char* gauge : {"EFIS PFD", "EFIS ND", "TCAS Display", "FMS"}) {
      platform::gfx::Surface* surface = cockpit.surface(gauge);
      ASSERT_NE(surface, nullptr) << gauge;
      const uint64_t before = surface->Frames();
      cockpit.runTicks(18);
      EXPECT_EQ(surface->Frames() - before, 18u) << gauge << ", " << framesPerTick << " frames a tick";
    }
  }
}

// A screen placed in two windows (the PFD and ND on the main panel and in
// their popups, the traffic display in its popup; here also the CDU, the
// traffic display and the radar display in a second window) paints each
// placement's own surface at its own rate, with the same picture in both.
// A screen draws on the pre-draw: a frame whose update steps the systems
// leaves the picture alone until the pre-draw that follows it.
TEST(GlassScreens, EachDrawsOnThePreDrawNotOnTheUpdate) {
  Cockpit cockpit;
  cockpit.powerUp().control("EFIS DIMMER", "pfd_dim", 10).control("EFIS DIMMER", "nd_dim", 10).runSeconds(2);
  const std::vector<const char*> screens = {"EFIS PFD", "EFIS ND", "TCAS Display"};
  std::vector<uint64_t> before;
  for (const char* gauge : screens) {
    ASSERT_NE(cockpit.surface(gauge), nullptr) << gauge;
    before.push_back(cockpit.surface(gauge)->Frames());
  }
  cockpit.set(Token::Tick18, cockpit.tick18() + 1);
  cockpit.host().SendService(platform::kServicePreUpdate);
  for (size_t i = 0; i < screens.size(); ++i) {
    EXPECT_EQ(cockpit.surface(screens[i])->Frames(), before[i]) << screens[i] << " on the update";
  }
  cockpit.host().SendService(platform::kServicePreDraw);
  for (size_t i = 0; i < screens.size(); ++i) {
    EXPECT_EQ(cockpit.surface(screens[i])->Frames(), before[i] + 1) << screens[i] << " on the pre-draw";
  }
}

TEST(GlassScreens, EachPlacementOfAScreenPaintsItsOwnSurface) {
  const std::vector<simhost::WindowPlacement> secondPlaces = {
      {10010, {"FMS", 1000, 640, 201, 260}},
      {10010, {"TCAS Display", 1220, 640, 125, 125}},
      {10010, {"Radar Display", 1220, 780, 150, 125}},
  };
  struct Placed {
    const char* gauge;
    uint32_t first;
    uint32_t second;
    uint64_t drawsIn19Ticks;  // the radar's once-a-second channel is due every 19 ticks
  };
  constexpr Placed kScreens[] = {{"EFIS PFD", 10010, 10260, 19}, {"EFIS ND", 10010, 10330, 19},
                                 {"TCAS Display", 10340, 10010, 19}, {"FMS", 10070, 10010, 19},
                                 {"Radar Display", 10030, 10010, 1}};
  const auto lit = [](const platform::gfx::Surface& surface) {
    int count = 0;
    for (int y = 0; y < surface.Height(); ++y) {
      for (int x = 0; x < surface.Width(); ++x) count += surface.Pixel(x, y) == platform::gfx::Color{} ? 0 : 1;
    }
    return count;
  };
  for (const int framesPerTick : {1, 3}) {
    Cockpit cockpit({.framesPerTick = framesPerTick, .drawClosedWindows = true, .furtherPlacements = secondPlaces});
    cockpit.powerUp().control("EFIS DIMMER", "pfd_dim", 10).control("EFIS DIMMER", "nd_dim", 10);
    cockpit.control("TCAS", "DimmerSwitch", 8).control("RADAR", "mode_switch", kRadarTest).runSeconds(6);
    for (const Placed& screen : kScreens) {
      platform::gfx::Surface* first = cockpit.surface(screen.gauge, screen.first);
      platform::gfx::Surface* second = cockpit.surface(screen.gauge, screen.second);
      ASSERT_NE(first, nullptr) << screen.gauge;
      ASSERT_NE(second, nullptr) << screen.gauge;
      ASSERT_NE(first, second) << screen.gauge;
      const uint64_t firstBefore = first->Frames();
      const uint64_t secondBefore = second->Frames();
      cockpit.runTicks(19);
      const std::string where = std::string(screen.gauge) + ", " + std::to_string(framesPerTick) + " frames a tick";
      EXPECT_EQ(first->Frames() - firstBefore, screen.drawsIn19Ticks) << where;
      EXPECT_EQ(second->Frames() - secondBefore, screen.drawsIn19Ticks) << where;
      EXPECT_GT(lit(*first), 500) << where;
      EXPECT_EQ(DifferingPixels(*first, *second), 0) << where;
    }
    const size_t written = cockpit.picturesWritten().size();
    cockpit.snapshot("EFIS ND");
    EXPECT_EQ(cockpit.picturesWritten().size(), written + 1) << "one file a screen, of its first placement";
  }
}

TEST(DisplayPictures, FileNamesSortByTime) {
  EXPECT_EQ(simhost::PictureFileName(0, "EFIS PFD"), "00-00-00.0_EFIS_PFD.png");
  EXPECT_EQ(simhost::PictureFileName(3725.25, "TCAS Display"), "01-02-05.2_TCAS_Display.png");
  EXPECT_EQ(simhost::PictureFileName(std::nan(""), "a/b"), "00-00-00.0_a_b.png");
}

}  // namespace
}  // namespace halcyon::test
