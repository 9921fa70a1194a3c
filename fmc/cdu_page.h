// One CDU page: what it draws on the screen grid and what its line-select
// and page keys do. The FMS computer owns one object of each page and hands
// the keys to the page shown.
#pragma once

#include <cstdint>

#include "fmc/cdu_screen.h"

namespace halcyon {

class CFms;

enum class CduPageId : uint8_t {
  Menu,
  Index,
  PosInit,
  Rte,
  Legs,
  DepArr,
  TakeoffRef,
  Climb,
  Cruise,
  Descent,
  FixInfo,
  Hold,
  Progress,
  PerfInit,
  NavData,
  Count,
};

class CCduPage {
 public:
  explicit CCduPage(CFms& fms) : fms_(fms) {}
  virtual ~CCduPage() = default;
  CCduPage(const CCduPage&) = delete;
  CCduPage& operator=(const CCduPage&) = delete;

  // The page comes up (its page key, or a prompt of another page).
  virtual void OnEnter() {}
  // Line-select key 0..5 (1L..6L) or 6..11 (1R..6R).
  virtual void OnLineSelect(int key) { (void)key; }
  // PREV PAGE (-1) or NEXT PAGE (+1).
  virtual void OnPrevNext(int step) { (void)step; }
  virtual void Draw(CCduScreen& screen) = 0;
  // The route (1 or 2) the page shows, 0 for none.
  virtual int32_t DisplayedRoute() const { return 0; }

 protected:
  static bool IsLeftKey(int key) { return key < 6; }
  static int Row(int key) { return key % 6; }

  CFms& fms_;
};

}  // namespace halcyon
