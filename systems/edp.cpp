// The engine display panel's push-button and exceedance flags.
#include "systems/edp.h"

#include "core/controls.h"
#include "core/tick_scheduler.h"
#include "systems/epr.h"
#include "systems/thrust_rating.h"

namespace halcyon {

CSwitch g_edpFuelUsedButton{};

namespace {

// The EDP temperature limit: lower in the take-off ratings.
constexpr double kEdpTakeoffLimit = 624.0;
constexpr double kEdpLimit = 630.0;
constexpr double kSdpLimit = 56.0;
constexpr int32_t kEngineCount = 2;

uint32_t g_edpFlash[kEngineCount] = {};
uint32_t g_sdpFlash[kEngineCount] = {};

uint32_t BlinkWhile(uint32_t flag, bool exceeded) { return exceeded ? 1 - flag : 0; }

bool IsEdpExceeded(int32_t engine) {
  const double value = GetEdpValue(engine);
  const int32_t rating = GetTrpMode();
  const bool takeoffRating = rating == kTrpTakeoff || rating == kTrpFlexTakeoff;
  return (value > kEdpTakeoffLimit && takeoffRating) || value > kEdpLimit;
}

bool IsEngine(int32_t engine) { return engine >= 1 && engine <= kEngineCount; }

}  // namespace

void InitEdp() {
  SetSwitch(&g_edpFuelUsedButton, kEdpButtonReleased);
  InitTimedSwitch(&g_edpFuelUsedButton, kEdpButtonTicks);
  RegisterControl(L"EDP", L"button", &g_edpFuelUsedButton);
  for (int32_t i = 0; i < kEngineCount; ++i) g_edpFlash[i] = g_sdpFlash[i] = 0;
}

void UpdateEdp() {
  UpdateTimedSwitch(&g_edpFuelUsedButton, kEdpButtonPressed, kEdpButtonReleased);
  if (IsTickDue(kChannel2Hz) == 0) return;
  for (int32_t engine = 1; engine <= kEngineCount; ++engine) {
    uint32_t& edp = g_edpFlash[engine - 1];
    uint32_t& sdp = g_sdpFlash[engine - 1];
    edp = BlinkWhile(edp, IsEdpExceeded(engine));
    sdp = BlinkWhile(sdp, IsEngineRunning(engine) != 0 && GetSdpValue(engine) > kSdpLimit);
  }
}

uint32_t IsEdpButtonActive() {
  const int32_t position = GetSwitch(&g_edpFuelUsedButton);
  return position == kEdpButtonPressed || position == kEdpButtonHeld ? 1 : 0;
}

uint32_t GetEdpFlashState(int32_t engine) { return IsEngine(engine) ? g_edpFlash[engine - 1] : 0; }
uint32_t GetSdpFlashState(int32_t engine) { return IsEngine(engine) ? g_sdpFlash[engine - 1] : 0; }

}  // namespace halcyon
