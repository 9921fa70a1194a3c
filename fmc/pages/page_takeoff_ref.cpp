// TAKEOFF REF: V1, VR and V2 as the speed cards set them.
#include <cwchar>

#include "fmc/fms.h"
#include "fmc/pages/pages.h"

namespace halcyon {

void CTakeoffRefPage::OnLineSelect(int key) {
  if (key == 5) fms_.ShowPage(CduPageId::Index);
}

void CTakeoffRefPage::Draw(CCduScreen& screen) {
  screen.PutCentre(CCduScreen::kTitleLine, L"TAKEOFF REF");
  struct SpeedRow {
    const wchar_t* label;
    long knots;
  };
  const SpeedRow rows[] = {{L"V1", static_cast<long>(fms_.GetV1())},
                           {L"VR", static_cast<long>(fms_.GetVr())},
                           {L"V2", static_cast<long>(fms_.GetV2())}};
  for (int row = 0; row < 3; ++row) {
    screen.RightLabel(row, rows[row].label);
    wchar_t text[16] = L"---";
    if (rows[row].knots > 0) std::swprintf(text, 16, L"%ldKT", rows[row].knots);
    screen.RightData(row, text);
  }
  screen.LeftData(5, L"<INDEX");
}

}  // namespace halcyon
