// The CDU screen grid and its painting.
#include "fmc/cdu_screen.h"

#include <cmath>
#include <cwchar>

#include "core/lifecycle.h"
#include "fmc/fms.h"
#include "platform/gfx.h"

namespace halcyon {

namespace gfx = platform::gfx;

// ---- The grid ----------------------------------------------------------------------

void CCduScreen::Clear() { cells_ = {}; }

void CCduScreen::Put(int line, int column, const wchar_t* text, CduColor color, CduSize size) {
  if (line < 0 || line >= kLines || text == nullptr) return;
  for (; *text != L'\0' && column < kColumns; ++text, ++column) {
    if (column < 0) continue;
    cells_[line][column] = {*text, color, size};
  }
}

void CCduScreen::PutRight(int line, const wchar_t* text, CduColor color, CduSize size) {
  if (text == nullptr) return;
  Put(line, kColumns - static_cast<int>(std::wcslen(text)), text, color, size);
}

void CCduScreen::PutCentre(int line, const wchar_t* text, CduColor color, CduSize size) {
  if (text == nullptr) return;
  Put(line, (kColumns - static_cast<int>(std::wcslen(text))) / 2, text, color, size);
}

std::wstring CCduScreen::LineText(int line) const {
  std::wstring text;
  if (line < 0 || line >= kLines) return text;
  for (const Cell& cell : cells_[line]) text += cell.ch;
  return text;
}

// ---- Painting ----------------------------------------------------------------------

namespace {

constexpr double kDesignWidth = 290.0;
constexpr double kDesignHeight = 220.0;
constexpr double kCellWidth = kDesignWidth / CCduScreen::kColumns;
constexpr double kLineHeight = kDesignHeight / CCduScreen::kLines;
constexpr const char* kCduTypeface = "DejaVu Sans Mono";
// The typeface's advance, in ems: each size is stretched sideways so that one
// advance fills one cell, and a run of text stays on the grid.
constexpr double kAdvanceEm = 0.602;
constexpr double kEmPerPoint = gfx::kDotsPerInch / 72.0;

struct SizeStyle {
  float sizePt;
  double raise;  // how far the text box starts above the line's top
};
constexpr SizeStyle kLarge{12.5f, 1.0};
constexpr SizeStyle kSmall{9.5f, -1.5};

gfx::Color ColorAt(CduColor color, double brightness) {
  switch (color) {
    case CduColor::Cyan: return gfx::Dim(0, 220, 230, brightness);
    case CduColor::Green: return gfx::Dim(40, 255, 40, brightness);
    case CduColor::Magenta: return gfx::Dim(255, 60, 255, brightness);
    case CduColor::Amber: return gfx::Dim(255, 180, 0, brightness);
    case CduColor::White: break;
  }
  return gfx::Dim(255, 255, 255, brightness);
}

// The pages write '[' for a box (a required entry).
wchar_t Glyph(wchar_t ch) { return ch == L'[' ? L'\u25A1' : ch; }

void PaintRun(gfx::Canvas& canvas, double sx, double sy, int line, int first, const wchar_t* text, int count,
              const CCduScreen::Cell& style, double brightness) {
  const SizeStyle& size = style.size == CduSize::Small ? kSmall : kLarge;
  const double em = size.sizePt * kEmPerPoint;
  const double stretch = kCellWidth / (kAdvanceEm * em);
  canvas.SetTransform(gfx::Matrix().Scale(sx * stretch, sy));
  const double x = first * kCellWidth / stretch - em * gfx::kTextPaddingEm;
  const double y = line * kLineHeight - size.raise;
  canvas.DrawString(text, count, {kCduTypeface, size.sizePt, false},
                    {static_cast<float>(x), static_cast<float>(y)}, gfx::Align::Near,
                    ColorAt(style.color, brightness));
}

// Each line as runs of cells of one colour and size, blanks at their ends left out.
void PaintLine(gfx::Canvas& canvas, double sx, double sy, const CCduScreen& screen, int line, double brightness) {
  int column = 0;
  while (column < CCduScreen::kColumns) {
    const CCduScreen::Cell& style = screen.At(line, column);
    if (style.ch == L' ') {
      ++column;
      continue;
    }
    wchar_t run[CCduScreen::kColumns + 1];
    int count = 0;
    int lastInk = 0;
    const int first = column;
    for (; column < CCduScreen::kColumns; ++column) {
      const CCduScreen::Cell& cell = screen.At(line, column);
      if (cell.ch != L' ' && (cell.color != style.color || cell.size != style.size)) break;
      run[count++] = Glyph(cell.ch);
      if (cell.ch != L' ') lastInk = count;
    }
    run[lastInk] = L'\0';
    PaintRun(canvas, sx, sy, line, first, run, lastInk, style, brightness);
  }
}

}  // namespace

void PaintCduScreen(platform::ELEMENT_HEADER* element, const CCduScreen& screen, double brightness) {
  if (element == nullptr || IsGdiplusStarted() == 0) return;
  if (element->surface != nullptr) {
    gfx::Canvas canvas(*element->surface);
    const double sx = canvas.Width() / kDesignWidth;
    const double sy = canvas.Height() / kDesignHeight;
    canvas.FillRectangle({}, gfx::RectF(0, 0, static_cast<float>(canvas.Width()), static_cast<float>(canvas.Height())));
    if (brightness > 0.0) {
      for (int line = 0; line < CCduScreen::kLines; ++line) PaintLine(canvas, sx, sy, screen, line, brightness);
    }
  }
  element->imageFlags &= ~platform::kImageClockBit;
}

void DrawFmsScreen(platform::ELEMENT_HEADER* element, double brightness) {
  PaintCduScreen(element, g_fms.Screen(), brightness);
}

}  // namespace halcyon
