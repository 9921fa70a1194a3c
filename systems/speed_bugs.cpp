// [AIRSPEED] of HalcyonPro.ini and the bug knobs.
#include "systems/speed_bugs.h"

#include <algorithm>
#include <array>
#include <cwchar>
#include <iterator>

#include "core/ini_values.h"
#include "core/helpers.h"

namespace halcyon {
namespace {

constexpr const wchar_t* kSection = L"AIRSPEED";

struct BugKey {
  const wchar_t* key;
  double defaultKt;
};
constexpr BugKey kBugKeys[kSpeedBugCount] = {
    {L"bug1", 50.0}, {L"bug2", 60.0}, {L"bug3", 65.0}, {L"bug4", 70.0}, {L"bug5", 0.0},
};

std::array<double, kSpeedBugCount> g_speedBugsKt{};
uint32_t g_speedBugFlag = 0;

bool IsBug(int32_t bug) { return bug >= 1 && bug <= kSpeedBugCount; }

}  // namespace

// The default goes in as "%f" text through the same 5-character buffer as a
// saved value: "50.000000" reads as "50.0", so 50 knots. Bug 5's default of 0,
// and a saved 0 or 450 and more, are refused and leave the bug at 0.
void LoadAirspeed() {
  for (int32_t bug = 1; bug <= kSpeedBugCount; ++bug) {
    const BugKey& entry = kBugKeys[bug - 1];
    wchar_t defaultText[32];
    std::swprintf(defaultText, std::size(defaultText), L"%f", entry.defaultKt);
    SetSpeedBug(bug, ReadIniInt(kSection, entry.key, defaultText, kIniSwitchBuffer));
  }
}

void SaveAirspeed() {
  for (int32_t bug = 1; bug <= kSpeedBugCount; ++bug) {
    WriteIniInt(kSection, kBugKeys[bug - 1].key, static_cast<int32_t>(GetSpeedBug(bug)));
  }
}

void SetSpeedBug(int32_t bug, double knots) {
  if (IsBug(bug) && knots > 0.0 && knots < kSpeedBugMaxKt) g_speedBugsKt[bug - 1] = knots;
}

double GetSpeedBug(int32_t bug) { return IsBug(bug) ? g_speedBugsKt[bug - 1] : 0.0; }

void StepSpeedBug(int32_t bug, int32_t direction) {
  if (!IsBug(bug)) return;
  const double stepKt = IsFastClick() != 0 ? 1.0 * GetFastClickMultiplier() : 1.0;
  double& knots = g_speedBugsKt[bug - 1];
  if (direction == kSpeedBugRaise) knots += stepKt;
  if (direction == kSpeedBugLower) knots -= stepKt;
  knots = std::clamp(knots, 0.0, kSpeedBugMaxKt);
}

void SetSpeedBugFlag(uint32_t value) { g_speedBugFlag = value; }

}  // namespace halcyon
