// The "Fuel_Quantity" gauge. Each readout shows its weight in the unit system's
// unit, rounded down to 25; its windows are blank without panel power or
// with the CPL digital lighting off, read 8 in the lamp test and the test
// figures while the test button is held, and blank their leading zeros. The
// first click on a payload ring shows the zero-fuel weight in GROSS WT;
// clicks while it shows step the payload, and 3 s after the last one the
// readout returns to the gross weight. Reads the tank quantities, the
// weights and the payload of the fuel quantity system, the units, the lamp
// test and the CPL lighting.
#include "gauges/fuel_quantity.h"

#include "core/helpers.h"
#include "gauges/gauge_kit.h"
#include "systems/annunciator_lamps.h"
#include "systems/fuel_quantity.h"
#include "systems/lights.h"
#include "systems/unit_system.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr double kBlank = 10.0;
constexpr double kTankTestLb = 3000.0;
constexpr double kTotalTestLb = 9000.0;
// The test adds this to the zero-fuel weight in GROSS WT, in the shown unit.
constexpr double kGrossTestAdd = 9000.0;

enum class Readout { kLeftMain, kRightMain, kCentre, kTotal, kGrossWeight };

// The CPL digital lighting on, with panel power.
bool Lit() { return IsCplDigitalLightOn() != 0; }
bool Testing() { return GetSwitch(&g_fuelQuantityTestButton) == kSwitchOn; }
double Shown(double pounds) { return RoundDownTo25(ToDisplayWeight(pounds)); }

double Weight(Readout readout) {
  switch (readout) {
    case Readout::kLeftMain: return Shown(GetFuelQuantityValue(kTankLeft));
    case Readout::kRightMain: return Shown(GetFuelQuantityValue(kTankRight));
    case Readout::kCentre: return Shown(GetFuelQuantityValue(kTankCenter));
    case Readout::kTotal: return Shown(GetFuelQuantityValue(kTankTotal));
    case Readout::kGrossWeight:
      return Shown(GetSwitch(&g_payloadKnobDisplay) == kSwitchOn ? GetPanelZeroFuelWeight() : GetPanelGrossWeight());
  }
  return 0.0;
}

// What the test shows: 3000 in each tank, 9000 total, and the zero-fuel
// weight plus 9000 as the gross weight.
double TestFigure(Readout readout) {
  switch (readout) {
    case Readout::kTotal: return kTotalTestLb;
    case Readout::kGrossWeight: return RoundDownTo25(ToDisplayWeight(GetPanelZeroFuelWeight()) + kGrossTestAdd);
    default: return kTankTestLb;
  }
}

// Window n of a readout (1 units .. 6 hundred-thousands): a digit once the
// value reaches the window, the units always.
template <Readout R, uint32_t N>
double Window(ELEMENT_HEADER*) {
  constexpr double kThresholds[] = {0.0, 9.0, 99.0, 999.0, 9999.0, 99999.0};
  const double w = Testing() ? TestFigure(R) : Weight(R);
  const double digit = N == 1 || w > kThresholds[N - 1] ? GetDecimalDigit(w, N) : kBlank;
  return DigitWindow(Lit(), static_cast<int32_t>(digit), kBlank);
}

constinit ElementChain g_elements({
    StaticImage("face"),
    StaticImage("lit legends"),
    Icon("GROSS WT units", 82, 92, 12, Window<Readout::kGrossWeight, 1>),
    Icon("GROSS WT tens", 73, 92, 12, Window<Readout::kGrossWeight, 2>),
    Icon("GROSS WT hundreds", 64, 92, 12, Window<Readout::kGrossWeight, 3>),
    Icon("GROSS WT thousands", 55, 92, 12, Window<Readout::kGrossWeight, 4>),
    Icon("GROSS WT ten-thousands", 46, 92, 12, Window<Readout::kGrossWeight, 5>),
    Icon("GROSS WT hundred-thousands", 37, 92, 12, Window<Readout::kGrossWeight, 6>),
    Icon("TOTAL units", 79, 68, 12, Window<Readout::kTotal, 1>),
    Icon("TOTAL tens", 70, 68, 12, Window<Readout::kTotal, 2>),
    Icon("TOTAL hundreds", 61, 68, 12, Window<Readout::kTotal, 3>),
    Icon("TOTAL thousands", 52, 68, 12, Window<Readout::kTotal, 4>),
    Icon("TOTAL ten-thousands", 43, 68, 12, Window<Readout::kTotal, 5>),
    Icon("CTR units", 79, 45, 12, Window<Readout::kCentre, 1>),
    Icon("CTR tens", 70, 45, 12, Window<Readout::kCentre, 2>),
    Icon("CTR hundreds", 61, 45, 12, Window<Readout::kCentre, 3>),
    Icon("CTR thousands", 52, 45, 12, Window<Readout::kCentre, 4>),
    Icon("CTR ten-thousands", 43, 45, 12, Window<Readout::kCentre, 5>),
    Icon("R MAIN units", 100, 25, 12, Window<Readout::kRightMain, 1>),
    Icon("R MAIN tens", 91, 25, 12, Window<Readout::kRightMain, 2>),
    Icon("R MAIN hundreds", 82, 25, 12, Window<Readout::kRightMain, 3>),
    Icon("R MAIN thousands", 73, 25, 12, Window<Readout::kRightMain, 4>),
    Icon("L MAIN units", 48, 25, 12, Window<Readout::kLeftMain, 1>),
    Icon("L MAIN tens", 39, 25, 12, Window<Readout::kLeftMain, 2>),
    Icon("L MAIN hundreds", 30, 25, 12, Window<Readout::kLeftMain, 3>),
    Icon("L MAIN thousands", 21, 25, 12, Window<Readout::kLeftMain, 4>),
    StaticImage("click areas", 3, 90),
});
constexpr uint32_t kLitLegends = 1;
constexpr uint32_t kClickAreas = 26;

// The first click only brings up the zero-fuel weight; a click while it
// shows steps the payload and keeps it up another 3 s.
int32_t PayloadKnob(void (*step)()) {
  if (GetSwitch(&g_payloadKnobDisplay) == kSwitchOn) {
    step();
    StartTickTimer(&g_payloadKnobDisplay);
  } else {
    SetSwitch(&g_payloadKnobDisplay, kSwitchOn);
  }
  PlayClick(kClickKnob);
  return 1;
}

}  // namespace

platform::ELEMENT_HEADER* FuelQuantityElements() { return g_elements.Head(); }

// The fall-back to the gross weight runs on the gauge's own pre-draw, so
// only while the gauge is drawn.
void FuelQuantityGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  UpdateTimedSwitch(&g_payloadKnobDisplay, kSwitchOn, kSwitchOff);
  ShowElement(gauge, kLitLegends, IsCplPanelLightOn() != 0);
  ShowClickAreas(gauge, kClickAreas);
}

int32_t FuelQuantityMouseTest(PixelPoint, uint32_t mouseFlags) {
  return MomentaryControl(g_fuelQuantityTestButton, mouseFlags, kClickButton1);
}
int32_t FuelQuantityMousePayloadDec100(PixelPoint, uint32_t) { return PayloadKnob(DecPayload100); }
int32_t FuelQuantityMousePayloadInc100(PixelPoint, uint32_t) { return PayloadKnob(IncPayload100); }
int32_t FuelQuantityMousePayloadDec25(PixelPoint, uint32_t) { return PayloadKnob(DecPayload25); }
int32_t FuelQuantityMousePayloadInc25(PixelPoint, uint32_t) { return PayloadKnob(IncPayload25); }

}  // namespace halcyon
