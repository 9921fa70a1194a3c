// The lamp test and the annunciator lamp table.
#include "systems/annunciator_lamps.h"

#include "core/controls.h"
#include "systems/alert_list.h"
#include "systems/electric.h"
#include "systems/warning_lights.h"

namespace halcyon {

CSwitch g_lampTestSwitch{};

namespace {

constexpr double kLampTestTicks = 54.0;  // 3 s

int32_t g_annunciatorLamps[kAnnunciatorPanelCount][kAnnunciatorLampsPerPanel] = {};

bool IsLampInRange(int64_t panel, int64_t lamp) {
  return panel >= 1 && panel <= kAnnunciatorPanelCount && lamp >= 1 && lamp <= kAnnunciatorLampsPerPanel;
}

void StoreLamp(int32_t panel, int32_t lamp, int32_t lit) {
  if (IsLampInRange(panel, lamp)) g_annunciatorLamps[panel - 1][lamp - 1] = lit;
}

}  // namespace

void MoveLampTestSwitch(int32_t position) {
  // Pressed again during the timed test: the test runs on its first 3 s.
  if (position == kLampTestTimed && GetSwitch(&g_lampTestSwitch) == kLampTestTimed) return;
  SetSwitch(&g_lampTestSwitch, position);
}

void InitLampTest() {
  SetSwitch(&g_lampTestSwitch, kSwitchOff);
  InitTimedSwitch(&g_lampTestSwitch, kLampTestTicks);
  // The test button's gauge is not drawn here: the host and the tests press it by name.
  RegisterControl(L"Annunciator Digital Lights Test", L"test", &g_lampTestSwitch, MoveLampTestSwitch);
}

void UpdateLampTest() { UpdateTimedSwitch(&g_lampTestSwitch, kLampTestTimed, kSwitchOff); }

void ResetAnnunciators() {
  ClearAnnunciatorLamps();
  ResetAlertLists();
}

uint32_t IsLampTestOn() {
  const int32_t position = GetSwitch(&g_lampTestSwitch);
  return position == kLampTestTimed || position == kLampTestHeld ? 1 : 0;
}

double GetAnnunciatorLamp(uint32_t panel, int32_t lamp) {
  if (IsPanelPowered() == 0 || !IsLampInRange(panel, lamp)) return 0.0;
  return IsLampTestOn() != 0 || g_annunciatorLamps[panel - 1][lamp - 1] == 1 ? 1.0 : 0.0;
}

uint32_t IsAnnunciatorLampSet(int32_t panel, int32_t lamp) {
  return IsLampInRange(panel, lamp) && g_annunciatorLamps[panel - 1][lamp - 1] == 1 ? 1 : 0;
}

void SetAnnunciatorLamp(int32_t panel, int32_t lamp) { StoreLamp(panel, lamp, 1); }
void ClearAnnunciatorLamp(int32_t panel, int32_t lamp) { StoreLamp(panel, lamp, 0); }

void ClearAnnunciatorLamps() {
  for (auto& panel : g_annunciatorLamps) {
    for (int32_t& lamp : panel) lamp = 0;
  }
}

void EvaluateAnnunciatorLamp(int32_t panel, int32_t lamp, bool setWhen, bool clearWhen, LampMaster master) {
  if (!IsLampInRange(panel, lamp)) return;
  const bool isSet = IsAnnunciatorLampSet(panel, lamp) != 0;
  if (setWhen && !isSet) {
    SetAnnunciatorLamp(panel, lamp);
    if (master == LampMaster::kWarning) RaiseMasterWarning();
  } else if (clearWhen && isSet) {
    ClearAnnunciatorLamp(panel, lamp);
    if (master == LampMaster::kWarning) ReleaseMasterWarning();
  }
}

}  // namespace halcyon
