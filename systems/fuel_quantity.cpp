// [FUEL QUANTITY] of HalcyonPro.ini and the fuel and weight read-outs.
#include "systems/fuel_quantity.h"

#include <algorithm>
#include <cmath>

#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/helpers.h"

namespace halcyon {

CSwitch g_fuelQuantityTestButton{};
CSwitch g_payloadKnobDisplay{};

namespace {

constexpr const wchar_t* kSection = L"FUEL QUANTITY";
constexpr const wchar_t* kPayloadKey = L"payload";
// Wide enough for every legal payload (a 5-character buffer would cut "40000"
// to 4000).
constexpr uint32_t kPayloadBuffer = 10;
constexpr double kPayloadDisplayTicks = 54.0;
constexpr double kWingTankMaxLb = 9999.0;
constexpr double kCenterTankMaxLb = 99999.0;

double g_payloadLb = kMaxPayloadLb;

double Gallons(int32_t tank) {
  switch (tank) {
    case kTankLeft: return ReadToken(Token::FuelLeftGal);
    case kTankCenter: return ReadToken(Token::FuelCenterGal);
    case kTankRight: return ReadToken(Token::FuelRightGal);
    default: return 0.0;
  }
}

double TotalGallons() { return Gallons(kTankLeft) + Gallons(kTankCenter) + Gallons(kTankRight); }
double PoundsPerGallon() { return ReadToken(Token::FuelWeightLbPerGallon); }

void StepPayload(double stepLb) {
  const double step = IsFastClick() != 0 ? stepLb * GetFastClickMultiplier() : stepLb;
  g_payloadLb = step > 0.0 ? std::min(g_payloadLb + step, kMaxPayloadLb) : std::max(g_payloadLb + step, 0.0);
}

}  // namespace

void LoadFuelQuantity() {
  g_payloadLb = ReadIniReal(kSection, kPayloadKey, L"40000", kPayloadBuffer);
  SetSwitch(&g_fuelQuantityTestButton, kSwitchOff);
  SetSwitch(InitTimedSwitch(&g_payloadKnobDisplay, kPayloadDisplayTicks), kSwitchOff);
}

// The payload is read as it stands in the file ("1e300" included); its
// integer part is written saturated.
void SaveFuelQuantity() { WriteIniInt(kSection, kPayloadKey, TruncateSaturated<int32_t>(g_payloadLb)); }

double GetFuelQuantityValue(int32_t tank) {
  switch (tank) {
    case kTankLeft:
    case kTankRight: return std::clamp(Gallons(tank) * PoundsPerGallon(), 0.0, kWingTankMaxLb);
    case kTankCenter: return std::clamp(Gallons(tank) * PoundsPerGallon(), 0.0, kCenterTankMaxLb);
    case kTankTotal: return std::clamp(TotalGallons() * PoundsPerGallon(), 0.0, kCenterTankMaxLb);
    default: return 0.0;
  }
}

double GetPayload() { return g_payloadLb; }
void SetPayload(double pounds) { g_payloadLb = std::clamp(pounds, 0.0, kMaxPayloadLb); }
void IncPayload100() { StepPayload(100.0); }
void DecPayload100() { StepPayload(-100.0); }
void IncPayload25() { StepPayload(25.0); }
void DecPayload25() { StepPayload(-25.0); }

double GetPanelZeroFuelWeight() { return g_payloadLb + kEmptyWeightLb; }
double GetPanelGrossWeight() { return TotalGallons() * PoundsPerGallon() + g_payloadLb + kEmptyWeightLb; }

double RoundDownTo25(double pounds) {
  if (!std::isfinite(pounds)) return 0.0;
  const double whole = std::trunc(pounds);
  return whole - std::fmod(whole, 25.0) - (std::fmod(whole, 25.0) < 0.0 ? 25.0 : 0.0);
}

}  // namespace halcyon
