// The thrust rating panel's assumed temperature.
#include "systems/thrust_rating.h"

#include <algorithm>

#include "systems/unit_system.h"

namespace halcyon {
namespace {

int32_t g_trpAssumedTemp = 0;

}  // namespace

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
