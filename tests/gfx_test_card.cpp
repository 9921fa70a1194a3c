// The drawing layer's test card. Left: a compass rose turned block by block
// (ticks, numerals, a heading bug). Right: a ring cut with the three clip
// modes and a dashed circle. Top: the display palette and the three text
// alignments on a guide line. Middle: a two-line fail flag, a cut text and an
// ellipse given with a negative size. Bottom: dash patterns, a holding
// racetrack of arcs, a Bezier turn and a spline.
#include "tests/gfx_test_card.h"

#include <cmath>
#include <iterator>
#include <limits>

namespace halcyon::test {
namespace {

using platform::gfx::Align;
using platform::gfx::Canvas;
using platform::gfx::ClipMode;
using platform::gfx::Color;
using platform::gfx::Dim;
using platform::gfx::Font;
using platform::gfx::Matrix;
using platform::gfx::Path;
using platform::gfx::Pen;
using platform::gfx::PointF;
using platform::gfx::RectF;

struct Palette {
  Color background, white, green, darkGreen, amber, magenta, cyan, yellow, red, grey, blue;
};

Palette PaletteAt(double b) {
  return {Dim(11, 0, 30, b),   Dim(255, 255, 255, b), Dim(0, 225, 0, b),   Dim(0, 150, 0, b),
          Dim(230, 180, 30, b), Dim(255, 80, 255, b),  Dim(10, 155, 244, b), Dim(255, 255, 0, b),
          Dim(255, 0, 0, b),    Dim(140, 140, 140, b), Dim(120, 130, 255, b)};
}

// The design space scaled to the canvas, then a block origin and a turn.
Matrix Block(const Canvas& canvas, double x = 0.0, double y = 0.0, double degrees = 0.0) {
  Matrix matrix;
  matrix.Scale(static_cast<double>(canvas.Width()) / kTestCardWidth,
               static_cast<double>(canvas.Height()) / kTestCardHeight);
  matrix.Translate(x, y);
  matrix.Rotate(degrees);
  return matrix;
}

void DrawPaletteAndAlignment(Canvas& canvas, const Palette& p) {
  canvas.SetTransform(Block(canvas));
  const Color bars[] = {p.white, p.green, p.darkGreen, p.amber, p.magenta, p.cyan, p.yellow, p.red, p.blue};
  for (size_t i = 0; i < std::size(bars); ++i) canvas.FillRectangle(bars[i], RectF(6.0f + 17.0f * i, 6, 14, 14));
  canvas.DrawString(L"TEST CARD", -1, {"Century Gothic", 14, true}, PointF(2, 24), Align::Near, p.white);

  const Pen guide{p.grey, 1.0f};
  canvas.DrawLine(guide, PointF(232, 4), PointF(232, 62));
  const Font label{"Century Gothic", 10, true};
  canvas.DrawString(L"NEAR", -1, label, PointF(232, 6), Align::Near, p.green);
  canvas.DrawString(L"CENTRE", -1, label, PointF(232, 24), Align::Center, p.cyan);
  canvas.DrawString(L"FAR  ", -1, label, PointF(232, 42), Align::Far, p.amber);
}

void DrawRose(Canvas& canvas, const Palette& p) {
  const Pen white{p.white, 1.4f};
  canvas.SetTransform(Block(canvas, 75, 135));
  canvas.DrawEllipse(white, RectF(-50, -50, 100, 100));
  for (int i = 0; i < 72; ++i) {
    canvas.SetTransform(Block(canvas, 75, 135, i * 5.0));
    canvas.DrawLine(white, PointF(0, -50), PointF(0, i % 2 == 0 ? -42 : -46));
  }
  const Font numerals{"Century Gothic", 9, true};
  const wchar_t* const kNumerals[] = {L"N", L"3", L"6", L"E", L"12", L"15", L"S", L"21", L"24", L"W", L"30", L"33"};
  for (int k = 0; k < 12; ++k) {
    canvas.SetTransform(Block(canvas, 75, 135, k * 30.0));
    canvas.DrawString(kNumerals[k], -1, numerals, PointF(0, -41), Align::Center, p.white);
  }
  canvas.SetTransform(Block(canvas, 75, 135, 40.0));
  const PointF bug[] = {{-6, -58}, {6, -58}, {6, -52}, {3, -52}, {0, -49}, {-3, -52}, {-6, -52}};
  canvas.FillPolygon(p.magenta, bug, static_cast<int>(std::size(bug)));
  canvas.SetTransform(Block(canvas, 75, 135));
  const PointF aircraft[] = {{0, -10}, {7, 8}, {0, 4}, {-7, 8}};
  canvas.DrawPolygon(Pen{p.yellow, 2.0f}, aircraft, static_cast<int>(std::size(aircraft)));
}

void DrawRing(Canvas& canvas, const Palette& p) {
  canvas.SetTransform(Block(canvas, 230, 135));
  Path outer;
  outer.AddEllipse(RectF(-50, -50, 100, 100));
  Path inner;
  inner.AddEllipse(RectF(-40, -40, 80, 80));
  Path wedge;
  const PointF wedgePoints[] = {{0, 0}, {70, -45}, {70, 45}};
  wedge.AddPolygon(wedgePoints, 3);

  canvas.SetClip(outer, ClipMode::Replace);
  canvas.SetClip(inner, ClipMode::Exclude);
  canvas.FillRectangle(p.darkGreen, RectF(-60, -60, 120, 120));
  canvas.SetClip(wedge, ClipMode::Intersect);
  canvas.FillRectangle(p.red, RectF(-60, -60, 120, 120));
  canvas.ResetClip();

  canvas.DrawEllipse(Pen{p.cyan, 1.4f, 5, 5}, RectF(-30, -30, 60, 60));
  canvas.SetTransform(Block(canvas, 230, 135, -30.0));
  canvas.DrawLine(Pen{p.white, 2.0f}, PointF(0, 0), PointF(0, -28));
}

void DrawMiddle(Canvas& canvas, const Palette& p) {
  canvas.SetTransform(Block(canvas));
  canvas.DrawString(L"HDG\nFAIL", 8, {"Century Gothic", 10, true}, PointF(152, 96), Align::Center, p.red);
  canvas.DrawString(L"TRUNCATED", 5, {"Century Gothic", 10, true}, PointF(156, 140), Align::Center, p.amber);
  // Neither of these may harm what follows: nothing to draw, and a bad number.
  canvas.FillEllipse(p.white, RectF(150, 170, 0, 10));
  const float nan = std::numeric_limits<float>::quiet_NaN();
  canvas.DrawLine(Pen{p.white, 1.0f}, PointF(nan, 0), PointF(10, 10));
  canvas.FillEllipse(p.yellow, RectF(162, 190, -20, -16));
}

void DrawBottom(Canvas& canvas, const Palette& p) {
  canvas.SetTransform(Block(canvas));
  canvas.DrawLine(Pen{p.white, 1.4f, 3, 3}, PointF(10, 204), PointF(100, 204));
  canvas.DrawLine(Pen{p.magenta, 2.0f, 1, 4}, PointF(10, 212), PointF(100, 212));
  canvas.DrawLine(Pen{p.blue, 1.4f, 5, 5}, PointF(10, 220), PointF(100, 220));

  Path racetrack;
  racetrack.AddArc(RectF(10, 228, 16, 16), 90, 180);
  racetrack.AddLine(PointF(18, 228), PointF(92, 228));
  racetrack.AddArc(RectF(84, 228, 16, 16), 270, 180);
  racetrack.CloseFigure();
  canvas.DrawPath(Pen{p.green, 1.4f}, racetrack);

  canvas.DrawBezier(Pen{p.magenta, 1.4f}, PointF(110, 242), PointF(118, 200), PointF(164, 200), PointF(172, 242));
  const PointF spline[] = {{185, 240}, {205, 212}, {225, 234}, {245, 208}, {265, 230}, {288, 204}};
  canvas.DrawCurve(Pen{p.cyan, 1.4f}, spline, static_cast<int>(std::size(spline)));

  canvas.DrawRectangle(Pen{p.yellow, 2.0f}, RectF(1, 1, 298, 248));
}

}  // namespace

void DrawTestCard(Canvas& canvas, double brightness) {
  const Palette palette = PaletteAt(brightness);
  canvas.ResetTransform();
  canvas.FillRectangle(palette.background, RectF(0, 0, static_cast<float>(canvas.Width()),
                                                 static_cast<float>(canvas.Height())));
  canvas.Mark("palette");
  DrawPaletteAndAlignment(canvas, palette);
  canvas.Mark("rose");
  DrawRose(canvas, palette);
  canvas.Mark("ring");
  DrawRing(canvas, palette);
  canvas.Mark("middle");
  DrawMiddle(canvas, palette);
  canvas.Mark("bottom");
  DrawBottom(canvas, palette);
}

}  // namespace halcyon::test
