// Engine start records and queries.
#include "systems/engine_start.h"

#include "core/controls.h"

namespace halcyon {

CSwitch g_startPumpSwitch{};

namespace {
constexpr SwitchKey kKeys[] = {
    {&g_startPumpSwitch, L"start_pump", L"120"},
};
const SavedControls kSavedControls{L"ENGINE STARTER", kKeys};

uint32_t g_fuelHeatOn[2] = {0, 0};
}  // namespace

uint32_t IsFuelHeatOn(int32_t engine) { return engine == 1 || engine == 2 ? g_fuelHeatOn[engine - 1] : 0; }

}  // namespace halcyon
