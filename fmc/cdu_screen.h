// The CDU screen as the pages write it: 14 lines of 24 character cells, each
// with its colour and large or small size. Line 0 is the page title, lines
// 1..12 the six label (small) and data line pairs beside the line-select
// keys, line 13 the scratchpad. Pages write text; DrawFmsScreen paints it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/gauge.h"

namespace halcyon {

enum class CduColor : uint8_t { White, Cyan, Green, Magenta, Amber };
enum class CduSize : uint8_t { Large, Small };

class CCduScreen {
 public:
  static constexpr int kLines = 14;
  static constexpr int kColumns = 24;
  static constexpr int kTitleLine = 0;
  static constexpr int kScratchpadLine = 13;
  // The label and data lines beside line-select key row 0..5.
  static constexpr int LabelLine(int row) { return 1 + 2 * row; }
  static constexpr int DataLine(int row) { return 2 + 2 * row; }

  struct Cell {
    wchar_t ch = L' ';
    CduColor color = CduColor::White;
    CduSize size = CduSize::Large;
  };

  void Clear();
  // Writes text from a column; what runs past the right edge is cut off.
  void Put(int line, int column, const wchar_t* text, CduColor color = CduColor::White,
           CduSize size = CduSize::Large);
  // Text that ends at the right edge, or centred on the line.
  void PutRight(int line, const wchar_t* text, CduColor color = CduColor::White, CduSize size = CduSize::Large);
  void PutCentre(int line, const wchar_t* text, CduColor color = CduColor::White, CduSize size = CduSize::Large);
  // The label of row 0..5 at the left or right (small), and its data (large).
  void LeftLabel(int row, const wchar_t* text) { Put(LabelLine(row), 1, text, CduColor::White, CduSize::Small); }
  void RightLabel(int row, const wchar_t* text) {
    PutRight(LabelLine(row), text, CduColor::White, CduSize::Small);
  }
  void LeftData(int row, const wchar_t* text, CduColor color = CduColor::White) { Put(DataLine(row), 0, text, color); }
  void RightData(int row, const wchar_t* text, CduColor color = CduColor::White) {
    PutRight(DataLine(row), text, color);
  }

  const Cell& At(int line, int column) const { return cells_[line][column]; }
  // The characters of one line, for tests and the log.
  std::wstring LineText(int line) const;

 private:
  std::array<std::array<Cell, kColumns>, kLines> cells_{};
};

// Paints the screen of the FMS computer's current page into the element's
// image (290 x 220 design space): black at brightness 0, nothing when the
// drawing layer is not started or the element has no surface.
void DrawFmsScreen(platform::ELEMENT_HEADER* element, double brightness);
// Paints a given screen: the work of DrawFmsScreen.
void PaintCduScreen(platform::ELEMENT_HEADER* element, const CCduScreen& screen, double brightness);

}  // namespace halcyon
