// MENU: the FMC prompt.
#include "fmc/fms.h"
#include "fmc/pages/pages.h"

namespace halcyon {

void CMenuPage::OnLineSelect(int key) {
  if (key == 0) fms_.ShowPage(CduPageId::Index);
}

void CMenuPage::Draw(CCduScreen& screen) {
  screen.PutCentre(CCduScreen::kTitleLine, L"MENU");
  screen.LeftData(0, L"<FMC");
}

}  // namespace halcyon
