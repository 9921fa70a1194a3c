// INIT/REF INDEX: prompts to POS INIT, PERF INIT, TAKEOFF REF and NAV DATA.
#include "fmc/fms.h"
#include "fmc/pages/pages.h"

namespace halcyon {

void CIndexPage::OnLineSelect(int key) {
  if (key == 1) fms_.ShowPage(CduPageId::PosInit);
  if (key == 2) fms_.ShowPage(CduPageId::PerfInit);
  if (key == 3) fms_.ShowPage(CduPageId::TakeoffRef);
  if (key == 7) fms_.ShowPage(CduPageId::NavData);
}

void CIndexPage::Draw(CCduScreen& screen) {
  screen.PutCentre(CCduScreen::kTitleLine, L"INIT/REF INDEX");
  screen.LeftData(1, L"<POS");
  screen.LeftData(2, L"<PERF");
  screen.LeftData(3, L"<TAKEOFF");
  screen.RightData(1, L"NAV DATA>");
}

}  // namespace halcyon
