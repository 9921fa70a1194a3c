// The thrust rating panel's assumed temperature.
#include "systems/thrust_rating.h"

#include <algorithm>

#include "systems/unit_system.h"

namespace halcyon {
namespace {

int32_t g_trpAssumedTemp = 0;
int32_t g_trpMode = 0;
constexpr int32_t kTrpModeLast = 6;

}  // namespace

void SetTrpMode(int32_t mode) { g_trpMode = mode >= 0 && mode <= kTrpModeLast ? mode : 0; }
int32_t GetTrpMode() { return g_trpMode; }

int32_t GetTrpAssumedTemp() { return g_trpAssumedTemp; }

void ConvertTrpAssumedTemp() {
  const double t = g_trpAssumedTemp;
  switch (IsMetricUnits()) {
    case 0:  // degrees F to C
      g_trpAssumedTemp = std::clamp(static_cast<int32_t>((t - 32.0) * 0.5555555555555556), 0, 59);
      break;
    case 1:
    case 2:  // degrees C to F
      g_trpAssumedTemp = std::clamp(static_cast<int32_t>(t * 1.8 + 32.0), 0, 140);
      break;
    default:
      break;
  }
}

}  // namespace halcyon
