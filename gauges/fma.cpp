// The "FMA" gauge. Each cell shows the glyph the annunciator logic picks
// for its window, line and cell; the lamps show the autoflight alerts, the
// flight director and the selected flight guidance computer. Lit only with
// panel power and the side digital lighting.
#include "gauges/fma.h"

#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "systems/annunciator_lamps.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/fma.h"
#include "systems/lights.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;

template <int32_t W, int32_t L, int32_t C>
double Cell(ELEMENT_HEADER*) {
  return GetFmaLampState(GetFmaLegend(W, L, C));
}

// The cells of one window in element order: line 2 from its last cell to its
// first, then line 1 the same way.
#define FMA_CELL(w, l, c, x, y) Icon("window " #w " line " #l " cell " #c, x, y, 43, Cell<w, l, c>, kLit)
#define FMA_WINDOW4(w, x1, x2, x3, x4)                                                          \
  FMA_CELL(w, 2, 4, x4, 52), FMA_CELL(w, 2, 3, x3, 52), FMA_CELL(w, 2, 2, x2, 52),          \
      FMA_CELL(w, 2, 1, x1, 52), FMA_CELL(w, 1, 4, x4, 36), FMA_CELL(w, 1, 3, x3, 36),      \
      FMA_CELL(w, 1, 2, x2, 36), FMA_CELL(w, 1, 1, x1, 36)
#define FMA_WINDOW3(w, x1, x2, x3)                                                              \
  FMA_CELL(w, 2, 3, x3, 52), FMA_CELL(w, 2, 2, x2, 52), FMA_CELL(w, 2, 1, x1, 52),          \
      FMA_CELL(w, 1, 3, x3, 36), FMA_CELL(w, 1, 2, x2, 36), FMA_CELL(w, 1, 1, x1, 36)

constinit ElementChain g_elements({
    StaticImage("face"),
    FMA_WINDOW4(4, 151, 163, 175, 187),
    FMA_WINDOW3(3, 107, 119, 131),
    FMA_WINDOW3(2, 62, 74, 86),
    FMA_WINDOW4(1, 6, 18, 30, 42),
    Icon("alert lamp 0", 58, 4, 2, FmaElemAlertLamp0, kLit),
    Icon("alert lamp 1", 106, 4, 2, FmaElemAlertLamp1, kLit),
    Icon("FD lamp", 205, 25, 2, FmaElemLampToken792, kLit),
    Icon("DFGC 1 lamp", 204, 43, 2, FmaElemLampDfgc1, kLit),
    Icon("DFGC 2 lamp", 204, 57, 2, FmaElemLampDfgc2, kLit),
    Icon("alert lamp 2", 47, 20, 2, FmaElemAlertLamp2, kLit),
    Icon("alert lamp 3", 8, 28, 2, FmaElemAlertLamp3, kLit),
    Icon("alert lamp 4", 69, 20, 2, FmaElemAlertLamp4, kLit),
    Icon("alert lamp 5", 73, 28, 2, FmaElemAlertLamp5, kLit),
    Icon("alert lamp 6", 114, 20, 2, FmaElemAlertLamp6, kLit),
    Icon("alert lamp 7", 113, 28, 2, FmaElemAlertLamp7, kLit),
    StaticImage("click areas", 49, 0),
});

#undef FMA_WINDOW3
#undef FMA_WINDOW4
#undef FMA_CELL

constexpr uint32_t kClickAreasElement = 40;

// The alert lamps in their panel order: autothrottle disconnect above the
// ATS button, autopilot disconnect above the AP button, then the autoland
// NAV, ILS glideslope and autopilot trim lamps; 5 to 7 have no alert and
// light only in the lamp test.
CSwitch* const kAlertLamps[8] = {&g_fmaAutothrottleDisconnectLamp, &g_fmaAutopilotDisconnectLamp,
                                 &g_fmaAutolandNavLamp, &g_fmaIlsGlideslopeLamp, &g_fmaAutopilotTrimLamp,
                                 nullptr, nullptr, nullptr};

bool LampPower() { return IsPanelPowered() != 0 && IsSideDigitalLightOn() != 0; }
double AlertLamp(int32_t n) {
  const CSwitch* record = kAlertLamps[n];
  return Lamp(LampPower(), record != nullptr && GetSwitch(record) == kSwitchOn);
}

}  // namespace

platform::ELEMENT_HEADER* FmaElements() { return g_elements.Head(); }

void FmaGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, kClickAreasElement);
}

double FmaElemAlertLamp0(ELEMENT_HEADER*) { return AlertLamp(0); }
double FmaElemAlertLamp1(ELEMENT_HEADER*) { return AlertLamp(1); }
double FmaElemAlertLamp2(ELEMENT_HEADER*) { return AlertLamp(2); }
double FmaElemAlertLamp3(ELEMENT_HEADER*) { return AlertLamp(3); }
double FmaElemAlertLamp4(ELEMENT_HEADER*) { return AlertLamp(4); }
double FmaElemAlertLamp5(ELEMENT_HEADER*) { return AlertLamp(5); }
double FmaElemAlertLamp6(ELEMENT_HEADER*) { return AlertLamp(6); }
double FmaElemAlertLamp7(ELEMENT_HEADER*) { return AlertLamp(7); }
double FmaElemLampToken792(ELEMENT_HEADER*) { return Lamp(LampPower(), ReadToken(Token::FlightDirector) != 0.0); }
double FmaElemLampDfgc1(ELEMENT_HEADER*) { return Lamp(LampPower(), GetDfgc() == 0); }
double FmaElemLampDfgc2(ELEMENT_HEADER*) { return Lamp(LampPower(), GetDfgc() == 1); }

int32_t FmaMouseAts(platform::PixelPoint, uint32_t) {
  FmaAutothrottleButton();
  PlayClick(kClickButton1);
  return 1;
}

int32_t FmaMouseAp(platform::PixelPoint, uint32_t) {
  FmaAutopilotButton();
  PlayClick(kClickButton2);
  return 1;
}

int32_t FmaMouseReset(platform::PixelPoint, uint32_t) {
  FmaResetButton();
  PlayClick(kClickButton1);
  return 1;
}

}  // namespace halcyon
