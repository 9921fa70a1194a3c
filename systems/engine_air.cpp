// Start air and engine bleed air.
#include "systems/engine_air.h"

#include "core/switch.h"
#include "systems/apu.h"
#include "systems/electric.h"
#include "systems/fire_protection.h"
#include "systems/pneumatics.h"

namespace halcyon {
namespace {

struct EngineAir {
  const CSwitch* fireHandle;
  const CSwitch* ownXFeed;
  int32_t otherEngine;
};
constexpr EngineAir kEngines[2] = {
    {&g_engine1FireHandle, &g_pneumaticXFeedLeft, 2},
    {&g_engine2FireHandle, &g_pneumaticXFeedRight, 1},
};

bool PassesAir(const CSwitch* lever) { return GetSwitch(lever) == kXFeedLeverPassesAir; }

}  // namespace

uint32_t IsStartAirAvailable(int32_t engine) {
  if (engine != 1 && engine != 2) return 0;
  const EngineAir& air = kEngines[engine - 1];
  if (GetSwitch(air.fireHandle) != kFireHandleStowed) return 0;
  const bool groundOrApuAir = IsApuAirOn() != 0 || IsExternalPowerConnected() != 0;
  if (PassesAir(air.ownXFeed) && groundOrApuAir) return 1;
  const bool bothXFeeds = PassesAir(&g_pneumaticXFeedLeft) && PassesAir(&g_pneumaticXFeedRight);
  return IsEngineRunning(air.otherEngine) != 0 && bothXFeeds ? 1 : 0;
}

uint32_t IsEngineBleedAirAvailable() {
  return (IsEngineRunning(1) != 0 && PassesAir(&g_pneumaticXFeedLeft)) ||
                 (IsEngineRunning(2) != 0 && PassesAir(&g_pneumaticXFeedRight))
             ? 1
             : 0;
}

}  // namespace halcyon
