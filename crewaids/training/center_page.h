// The training centre's frame ("Center", window 10100) and its three pages:
// page 1 the training list (10140), pages 2 and 3 windows 10190 and 10210.
// The frame remembers the page it showed across closing and reopening.
#pragma once

#include <cstdint>

namespace halcyon {

// 0 none, 1..3 a page; anything else is stored as 0.
void SetCenterPage(int32_t page);
int32_t GetCenterPage();
// Start-up: no page.
void ResetCenterPage();
// Opens the page's window and closes the other two (page 1: open 10140,
// close 10210, 10190; page 2: open 10190, close 10140, 10210; page 3: open
// 10210, close 10190, 10140), then remembers the page. Other numbers open and
// close nothing (and are remembered as 0).
void CenterPageAction(int32_t page);

}  // namespace halcyon
