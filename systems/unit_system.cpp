// [UNIT SYSTEM] of HalcyonPro.ini and the simulator's units-of-measure setting.
#include "systems/unit_system.h"

#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "systems/tas_sat.h"
#include "systems/thrust_rating.h"

namespace halcyon {
namespace {

constexpr const wchar_t* kSection = L"UNIT SYSTEM";
constexpr const wchar_t* kKey = L"unit_system";

int32_t g_unitSystem = 0;

bool IsSimulatorUnitSetting(int32_t setting) { return setting >= 0 && setting <= 2; }

}  // namespace

// Stored as read: an odd value counts as metric until the simulator's takes over.
void LoadUnitSystem() { g_unitSystem = ReadIniInt(kSection, kKey, L"0", kIniSwitchBuffer); }

void UpdateUnitSystem() {
  if (IsTickDue(kChannel2Hz) == 0) return;
  const double setting = ReadToken(Token::UnitsOfMeasure);
  // Truncated toward zero, so -0.5 reads as 0; a value beyond the 32-bit
  // range (or NaN) is no setting either.
  const int32_t simulatorUnits = setting > -1.0 && setting < 3.0 ? static_cast<int32_t>(setting) : -1;
  if (IsSimulatorUnitSetting(simulatorUnits)) {
    if ((g_unitSystem != 0) != (simulatorUnits != 0)) ConvertTrpAssumedTemp();
    g_unitSystem = simulatorUnits;
  }
  UpdateStaticAirTemp();
}

void SaveUnitSystem() { WriteIniInt(kSection, kKey, g_unitSystem); }

int32_t IsMetricUnits() { return g_unitSystem; }

double ToDisplayWeight(double pounds) { return IsMetricUnits() != 0 ? pounds * kKgPerLb : pounds; }
double ToDisplayTemp(double degC) { return IsMetricUnits() != 0 ? degC : degC * 1.8 + 32.0; }

}  // namespace halcyon
