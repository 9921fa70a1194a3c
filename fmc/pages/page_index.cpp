// INIT/REF INDEX: prompts to POS INIT and TAKEOFF REF.
#include "fmc/fms.h"
#include "fmc/pages/pages.h"

namespace halcyon {

void CIndexPage::OnLineSelect(int key) {
  if (key == 1) fms_.ShowPage(CduPageId::PosInit);
  if (key == 3) fms_.ShowPage(CduPageId::TakeoffRef);
}

void CIndexPage::Draw(CCduScreen& screen) {
  screen.PutCentre(CCduScreen::kTitleLine, L"INIT/REF INDEX");
  screen.LeftData(1, L"<POS");
  screen.LeftData(3, L"<TAKEOFF");
}

}  // namespace halcyon
