// Panel-window switching over the ordered window list.
#include "core/panel_windows.h"

#include "core/panel_services.h"
#include "systems/menu_state.h"

namespace halcyon {
namespace {

// What showing a main view does to the main views listed before it.
enum class Earlier : uint8_t { Leave, Open, Close };

// Per position of kPanelWindowList: the overhead 10280 comes with the main
// panel, the other two main views replace both; popups leave them alone.
constexpr std::array<Earlier, kPanelWindowList.size()> kEarlierViews = {
    Earlier::Leave, Earlier::Open,  Earlier::Close, Earlier::Close, Earlier::Leave, Earlier::Leave,
    Earlier::Leave, Earlier::Leave, Earlier::Leave, Earlier::Leave, Earlier::Leave, Earlier::Leave,
    Earlier::Leave, Earlier::Leave, Earlier::Leave, Earlier::Leave, Earlier::Leave, Earlier::Leave,
};

void OpenPanelWindow(uint32_t ident) { TriggerKeyEvent(kKeyEventOpenPanelWindow, ident); }

void CloseFrom(size_t firstPosition) {
  for (size_t position = firstPosition; position < kPanelWindowList.size(); ++position) {
    ClosePanelWindow(kPanelWindowList[position]);
  }
}

void CloseAllPopups() {
  const bool mainViewShown = IsPanelWindowVisible(kPanelWindowMainPanel) ||
                             IsPanelWindowVisible(kPanelWindowMainAlt1) ||
                             IsPanelWindowVisible(kPanelWindowMainAlt2);
  if (!mainViewShown) {
    OpenPanelWindow(kPanelWindowMainPanel);
    SelectHotspot(0);
  }
  CloseFrom(kFirstPopupPosition);
}

}  // namespace

void ShowPanelWindow(uint32_t ident) {
  if (ident == kCloseAllPopups) {
    CloseAllPopups();
    return;
  }
  size_t position = 0;
  while (position < kPanelWindowList.size() && kPanelWindowList[position] != ident) ++position;
  if (position == kPanelWindowList.size()) return;

  for (size_t earlier = 0; earlier < position; ++earlier) {
    if (kEarlierViews[position] == Earlier::Open) OpenPanelWindow(kPanelWindowList[earlier]);
    if (kEarlierViews[position] == Earlier::Close) ClosePanelWindow(kPanelWindowList[earlier]);
  }
  OpenPanelWindow(ident);
  CloseFrom(position + 1);
}

void ClosePanelWindow(uint32_t ident) { TriggerKeyEvent(kKeyEventClosePanelWindow, ident); }

}  // namespace halcyon
