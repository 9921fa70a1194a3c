// The EFIS MCP, EFIS MCP2, TCAS and MagTrue gauges. Read the EFIS control
// panel state, the TCAS object, the TCAS range record, the heading
// reference, panel power, the lamp test and the side panel light; drive the
// same state through its owners' steppers and toggles.
#include "gauges/efis_controls.h"

#include "displays/efis/efis_mcp.h"
#include "displays/tcas/tcas.h"
#include "gauges/gauge_kit.h"
#include "systems/electric.h"
#include "systems/lights.h"
#include "systems/mag_true.h"
#include "systems/radios.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;

constexpr uint32_t kLightingElement = 1;
constexpr uint32_t kMcpClickAreasElement = 9;
constexpr uint32_t kTcasClickAreasElement = 1;
constexpr uint32_t kMagTrueClickAreasElement = 3;

// The TCAS range knob's positions, read by the traffic displays as ranges 0..3.
constexpr int32_t kTcasRangeFirst = 100;
constexpr int32_t kTcasRangeLast = 103;

// One artwork of the control panel: its positions of the lamps and selectors.
struct McpArtwork {
  int32_t wptX, wptY, dataX, dataY, arptX, arptY, naidX, naidY;
  int32_t rangeX, rangeY, adfX, adfY, modeX, modeY;
};
constexpr McpArtwork kMcp{152, 88, 114, 102, 77, 115, 39, 128, 156, 13, 84, 35, 19, 59};
constexpr McpArtwork kMcp2{197, 126, 138, 126, 80, 126, 21, 126, 232, 24, 120, 24, 21, 24};

constexpr ElementChain<10> McpElements(const McpArtwork& a) {
  return ElementChain<10>({
      StaticImage("panel face"),
      StaticImage("panel lighting"),
      Icon("WPT lamp", a.wptX, a.wptY, 2, EfisMcpElemLampWpt),
      Icon("DATA lamp", a.dataX, a.dataY, 2, EfisMcpElemLampData),
      Icon("ARPT lamp", a.arptX, a.arptY, 2, EfisMcpElemLampArpt),
      Icon("NAID lamp", a.naidX, a.naidY, 2, EfisMcpElemLampNaid),
      Icon("range selector", a.rangeX, a.rangeY, 6, EfisMcpElemRange),
      Icon("ADF 1 switch", a.adfX, a.adfY, 4, EfisMcpElemAdf1),
      Icon("mode selector", a.modeX, a.modeY, 4, EfisMcpElemMode),
      StaticImage("click areas"),
  });
}

constinit ElementChain<10> g_mcpElements = McpElements(kMcp);
constinit ElementChain<10> g_mcp2Elements = McpElements(kMcp2);
constinit ElementChain g_tcasElements({
    StaticImage("face"),
    StaticImage("click areas", 0, 28),
});
constinit ElementChain g_magTrueElements({
    StaticImage("face"),
    Icon("TRUE lamp", 0, 11, 2, MagTrueElemLampTrue),
    Icon("MAG lamp", 0, 0, 2, MagTrueElemLampMag),
    StaticImage("click areas"),
});

bool Powered() { return IsPanelPowered() != 0; }

void McpPreDraw(platform::GAUGEHDR* gauge, uint32_t serviceId) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, kLightingElement, IsSidePanelLightOn() != 0);
  ShowClickAreas(gauge, kMcpClickAreasElement);
}

int32_t Step(void (*step)(), SoundId sound) {
  step();
  PlayClick(sound);
  return 1;
}

// The clicks of the NAID, ARPT, DATA and WPT buttons: the two artworks
// have their push-button sounds the other way round.
enum McpPanel : uint32_t { kMcp1 = 0, kMcp2Panel = 1 };
constexpr SoundId kDeclutterClicks[2][kEfisDisplayControlCount] = {
    {kClickButton1, kClickButton2, kClickButton1, kClickButton2},
    {kClickButton2, kClickButton1, kClickButton2, kClickButton1},
};

int32_t Declutter(McpPanel panel, EfisDisplayControl n) {
  ToggleEfisDisplayControl(n);
  PlayClick(kDeclutterClicks[panel][n]);
  return 1;
}

int32_t StepTcasRange(int32_t step) {
  const int32_t position = GetSwitch(&g_tcasRangeSwitch);
  const bool known = position >= kTcasRangeFirst && position <= kTcasRangeLast;
  int32_t next = position + step;
  // An unexpected position goes straight to the end the knob turns toward.
  if (!known) next = step < 0 ? kTcasRangeFirst : kTcasRangeLast;
  if (next < kTcasRangeFirst) next = kTcasRangeFirst;
  if (next > kTcasRangeLast) next = kTcasRangeLast;
  SetSwitch(&g_tcasRangeSwitch, next);
  return 1;
}

}  // namespace

platform::ELEMENT_HEADER* EfisMcpElements() { return g_mcpElements.Head(); }
platform::ELEMENT_HEADER* EfisMcp2Elements() { return g_mcp2Elements.Head(); }
platform::ELEMENT_HEADER* TcasElements() { return g_tcasElements.Head(); }
platform::ELEMENT_HEADER* MagTrueElements() { return g_magTrueElements.Head(); }

void EfisMcpGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) { McpPreDraw(gauge, serviceId); }
void EfisMcp2GaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) { McpPreDraw(gauge, serviceId); }

double EfisMcpElemMode(ELEMENT_HEADER*) { return GetEfisMode(); }
double EfisMcpElemAdf1(ELEMENT_HEADER*) { return GetEfisAdf1(); }
double EfisMcpElemRange(ELEMENT_HEADER*) { return GetEfisRange(); }
double EfisMcpElemLampNaid(ELEMENT_HEADER*) { return Lamp(Powered(), GetEfisDisplayControl(kDcNavaids) != 0); }
double EfisMcpElemLampArpt(ELEMENT_HEADER*) { return Lamp(Powered(), GetEfisDisplayControl(kDcAirports) != 0); }
double EfisMcpElemLampData(ELEMENT_HEADER*) { return Lamp(Powered(), GetEfisDisplayControl(kDcData) != 0); }
double EfisMcpElemLampWpt(ELEMENT_HEADER*) { return Lamp(Powered(), GetEfisDisplayControl(kDcWaypoints) != 0); }

int32_t EfisMcpMouseModeDec(platform::PixelPoint, uint32_t) { return Step(DecrementEfisMode, kClickRotary2); }
int32_t EfisMcpMouseModeInc(platform::PixelPoint, uint32_t) { return Step(IncrementEfisMode, kClickRotary2); }
int32_t EfisMcpMouseAdf1(platform::PixelPoint, uint32_t) { return Step(ToggleEfisAdf1, kClickRotary1); }
int32_t EfisMcpMouseRangeDec(platform::PixelPoint, uint32_t) { return Step(DecrementEfisRange, kClickRotary1); }
int32_t EfisMcpMouseRangeInc(platform::PixelPoint, uint32_t) { return Step(IncrementEfisRange, kClickRotary1); }
int32_t EfisMcpMouseDeclutterNaid(platform::PixelPoint, uint32_t) { return Declutter(kMcp1, kDcNavaids); }
int32_t EfisMcpMouseDeclutterArpt(platform::PixelPoint, uint32_t) { return Declutter(kMcp1, kDcAirports); }
int32_t EfisMcpMouseDeclutterData(platform::PixelPoint, uint32_t) { return Declutter(kMcp1, kDcData); }
int32_t EfisMcpMouseDeclutterWpt(platform::PixelPoint, uint32_t) { return Declutter(kMcp1, kDcWaypoints); }

// The larger artwork's selectors click as the smaller one's.
int32_t EfisMcp2MouseModeDec(platform::PixelPoint p, uint32_t f) { return EfisMcpMouseModeDec(p, f); }
int32_t EfisMcp2MouseModeInc(platform::PixelPoint p, uint32_t f) { return EfisMcpMouseModeInc(p, f); }
int32_t EfisMcp2MouseAdf1(platform::PixelPoint p, uint32_t f) { return EfisMcpMouseAdf1(p, f); }
int32_t EfisMcp2MouseRangeDec(platform::PixelPoint p, uint32_t f) { return EfisMcpMouseRangeDec(p, f); }
int32_t EfisMcp2MouseRangeInc(platform::PixelPoint p, uint32_t f) { return EfisMcpMouseRangeInc(p, f); }
int32_t EfisMcp2MouseDeclutterNaid(platform::PixelPoint, uint32_t) { return Declutter(kMcp2Panel, kDcNavaids); }
int32_t EfisMcp2MouseDeclutterArpt(platform::PixelPoint, uint32_t) { return Declutter(kMcp2Panel, kDcAirports); }
int32_t EfisMcp2MouseDeclutterData(platform::PixelPoint, uint32_t) { return Declutter(kMcp2Panel, kDcData); }
int32_t EfisMcp2MouseDeclutterWpt(platform::PixelPoint, uint32_t) { return Declutter(kMcp2Panel, kDcWaypoints); }

void TcasGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, kTcasClickAreasElement);
}

int32_t TcasMouseButton(platform::PixelPoint, uint32_t) {
  if (g_tcas != nullptr) g_tcas->ToggleNoTcas();
  PlayClick(kClickButton1);
  return 1;
}

int32_t TcasMouseDimmerDec(platform::PixelPoint, uint32_t) {
  if (g_tcas != nullptr) g_tcas->DimmerDown();
  return 1;
}

int32_t TcasMouseDimmerInc(platform::PixelPoint, uint32_t) {
  if (g_tcas != nullptr) g_tcas->DimmerUp();
  return 1;
}

int32_t TcasMouseRangeDec(platform::PixelPoint, uint32_t) { return StepTcasRange(-1); }
int32_t TcasMouseRangeInc(platform::PixelPoint, uint32_t) { return StepTcasRange(+1); }

void MagTrueGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, kMagTrueClickAreasElement);
}

double MagTrueElemLampMag(ELEMENT_HEADER*) { return Lamp(Powered(), GetMagTrueMode() == kHeadingMagnetic); }
double MagTrueElemLampTrue(ELEMENT_HEADER*) { return Lamp(Powered(), GetMagTrueMode() == kHeadingTrue); }

int32_t MagTrueMouseToggle(platform::PixelPoint, uint32_t) { return Step(ToggleMagTrueMode, kClickButton2); }

}  // namespace halcyon
