// The training centre's page state.
#include "crewaids/training/center_page.h"

#include "core/panel_services.h"

namespace halcyon {
namespace {

int32_t g_centerPage = 0;

// For each page: the window opened, then the two closed, in that order.
struct PageWindows {
  uint32_t open;
  uint32_t close[2];
};
constexpr PageWindows kPageWindows[3] = {
    {10140, {10210, 10190}},
    {10190, {10140, 10210}},
    {10210, {10190, 10140}},
};

}  // namespace

void SetCenterPage(int32_t page) { g_centerPage = page >= 0 && page <= 3 ? page : 0; }

int32_t GetCenterPage() { return g_centerPage; }

void ResetCenterPage() { g_centerPage = 0; }

void CenterPageAction(int32_t page) {
  if (page >= 1 && page <= 3) {
    const PageWindows& windows = kPageWindows[page - 1];
    TriggerKeyEvent(kKeyEventOpenPanelWindow, windows.open);
    for (uint32_t ident : windows.close) TriggerKeyEvent(kKeyEventClosePanelWindow, ident);
  }
  SetCenterPage(page);
}

}  // namespace halcyon
