// [VARIOUS], the Various gauge's test switches and the voice recorder test.
#include "systems/various.h"

#include <iterator>

#include "core/controls.h"
#include "core/ini_values.h"
#include "core/tick_scheduler.h"

namespace halcyon {

CSwitch g_paLightSwitch{};
CSwitch g_attendantLightSwitch{};
CSwitch g_antiSkidSwitch{};
CSwitch g_antiSkidTestSwitch{};
CSwitch g_yawDampSwitch{};
CSwitch g_maxSpeedWarnTestSwitch{};
CSwitch g_machTrimCompSwitch{};
CSwitch g_syncSwitch{};
CSwitch g_gpwsSwitch{};
CSwitch g_annunciatorTestSwitch{};
CSwitch g_variousTestSwitch{};

namespace {

constexpr const wchar_t* kSection = L"VARIOUS";
constexpr SwitchKey kKeys[] = {
    {&g_paLightSwitch, L"pa_light", L"120"},
    {&g_attendantLightSwitch, L"attendant_light", L"120"},
    {&g_antiSkidSwitch, L"anti_skid", L"120"},
    {&g_antiSkidTestSwitch, L"anti_skid_test", L"120"},
    {&g_yawDampSwitch, L"yaw_damp", L"120"},
    {&g_maxSpeedWarnTestSwitch, L"max_speed_warn_test", L"120"},
    {&g_machTrimCompSwitch, L"mach_trim_comp", L"43"},
};
constexpr SwitchKey kSyncGpwsKeys[] = {
    {&g_syncSwitch, L"sync", L"120"},
    {&g_gpwsSwitch, L"gpws", L"43"},
};
const SavedControls kSavedControls{kSection, kKeys};
const SavedControls kSavedSyncGpwsControls{kSection, kSyncGpwsKeys};

constexpr double kGpwsTestTicks = 36.0;
constexpr double kTestSwitchTicks = 54.0;

// The meter's readings, index 0 at rest and 1..30 during the test.
constexpr double kVoiceRecorderMeter[] = {
    45,  -10, -15, -12, -20, -25, -18, -28, -30, -22, -25, -30, -35, -40, -37, -34,
    -38, -20, -25, -27, -19, -17, -27, -35, -45, -42, -38, -32, -27, -35, -20,
};
constexpr int32_t kVoiceRecorderLastStep = static_cast<int32_t>(std::size(kVoiceRecorderMeter)) - 1;

struct VoiceRecorder {
  uint32_t running;
  int32_t step;
};
VoiceRecorder g_voiceRecorder{};

}  // namespace

void LoadVarious() {
  LoadSwitches(kSection, kKeys);
  SetSwitch(&g_annunciatorTestSwitch, kSwitchOff);
}

void SaveVarious() { SaveSwitches(kSection, kKeys); }

void LoadVariousSyncGpws() {
  LoadSwitches(kSection, kSyncGpwsKeys);
  InitTimedSwitch(&g_gpwsSwitch, kGpwsTestTicks);
}

void SaveVariousSyncGpws() { SaveSwitches(kSection, kSyncGpwsKeys); }

void UpdateVariousSyncGpws() { UpdateTimedSwitch(&g_gpwsSwitch, kGpwsSwitchTest, kGpwsSwitchNormal); }

namespace {
// Either stall test position of the Various gauge (pressed by name by the
// host and the tests until the gauge is drawn).
void PressStallTest(int32_t) { SetVariousSwitchOn(); }
}  // namespace

void InitVarious() {
  InitTimedSwitch(&g_variousTestSwitch, kTestSwitchTicks);
  RegisterControl(L"Various", L"stall_test", &g_variousTestSwitch, PressStallTest);
}

void UpdateVarious() { UpdateTimedSwitch(&g_variousTestSwitch, kSwitchOn, kSwitchOff); }

void SetVariousSwitchOn() { SetSwitch(&g_variousTestSwitch, kSwitchOn); }

uint32_t IsVariousSwitchOn() { return GetSwitch(&g_variousTestSwitch) == kSwitchOn ? 1 : 0; }

void InitVoiceRecorder() { g_voiceRecorder = {}; }

void StartVoiceRecorderTest() { g_voiceRecorder.running = 1; }

void UpdateVoiceRecorder() {
  if (g_voiceRecorder.running == 0 || IsTickDue(kChannel6Hz) == 0) return;
  if (g_voiceRecorder.step >= kVoiceRecorderLastStep) {
    g_voiceRecorder = {};
  } else {
    ++g_voiceRecorder.step;
  }
}

double GetVoiceRecorderMeter() { return kVoiceRecorderMeter[g_voiceRecorder.step]; }

}  // namespace halcyon
