// The IRS and FDC overhead panels. The IRS selectors move through the IRS
// system's HandleIrsSwitch, whose step runs each unit through self-test,
// alignment and NAV; the lamps show the unit states, and the ALIGN lamp
// blinks while a unit waits for its position or has faulted. The FDC
// selectors are the records of section "FDC", read by the flight guidance.
// Read panel power, the lamp test, the power source and the overhead light.
#include "gauges/irs_fdc.h"

#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "gauges/gauge_kit.h"
#include "gauges/switch_moves.h"
#include "systems/annunciator_lamps.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/irs.h"
#include "systems/lights.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr uint32_t kBlinkChannel = 10;
constexpr double kBlinkTicks = 18.0;        // the channel's period: a missed tick is made up
constexpr int32_t kFdcCentre = 43;

// The selector from left to right: OFF, ALIGN, NAV, ATT.
constexpr int32_t kSelectorOrder[] = {kIrsOff, kIrsAlign, kIrsNav, kIrsAtt};

// The ALIGN lamps' blink, advanced by the ticks of its channel whatever the
// frame rate: one change a second, a period of two.
struct Blink {
  bool on = false;
  double lastChangeTick = -1.0e9;
};
Blink g_blink;

bool Powered() { return IsPanelPowered() != 0; }

bool Waiting(int32_t state) { return state == kIrsAligned || state == kIrsFault; }

// Stepped after each tick's work, whether or not the panel is drawn. A tick
// the channel is held off (the clock stopped) passes no change: one more
// than a period late is made on the next tick.
void UpdateBlink() {
  const double tick = CurrentTick18();
  if (!Waiting(GetIrsStatusPosition(1)) && !Waiting(GetIrsStatusPosition(2))) {
    g_blink.lastChangeTick = tick;
    return;
  }
  if (tick == g_blink.lastChangeTick) return;
  if (IsTickDue(kBlinkChannel) == 0 && tick - g_blink.lastChangeTick <= kBlinkTicks) return;
  g_blink.on = !g_blink.on;
  g_blink.lastChangeTick = tick;
}

double SelectorFrame(const CSwitch& selector) {
  const int32_t position = GetSwitch(&selector);
  for (int32_t frame = 1; frame < 4; ++frame) {
    if (kSelectorOrder[frame] == position) return frame;
  }
  return 0.0;
}

// The ALIGN lamp: steady while aligning, blinking while waiting or faulted.
double AlignLamp(int32_t unit) {
  const int32_t state = GetIrsStatusPosition(unit);
  return Lamp(Powered(), state == kIrsAlign || (Waiting(state) && g_blink.on));
}

// The ON BAT lamp: in the self-test, and in NAV or ATT while the aircraft's
// power comes from the battery (side 0 for both units).
double OnBatteryLamp(int32_t unit) {
  const int32_t state = GetIrsStatusPosition(unit);
  const bool following = state != kIrsOff && state != kIrsSelfTest && state != kIrsAlign && state != kIrsAligned;
  return Lamp(Powered(), state == kIrsSelfTest ||
                             (following && GetPowerSourceIndication(0) == kSourceBattery));
}

double TestOnlyLamp(ELEMENT_HEADER*) { return Lamp(Powered(), false); }

constinit ElementChain g_irsElements({
    StaticImage("panel"),
    StaticImage("panel light", -14, -17),
    Icon("IRS 2 selector", 142, 1, 4, [](ELEMENT_HEADER*) { return SelectorFrame(g_irs2Selector); }),
    Icon("IRS 2 selector lit", 142, 1, 4, [](ELEMENT_HEADER*) { return SelectorFrame(g_irs2Selector); }),
    Icon("IRS 1 selector", 0, 1, 4, [](ELEMENT_HEADER*) { return SelectorFrame(g_irs1Selector); }),
    Icon("IRS 1 selector lit", 0, 1, 4, [](ELEMENT_HEADER*) { return SelectorFrame(g_irs1Selector); }),
    Icon("IRS 1 ALIGN", 61, 0, 2, [](ELEMENT_HEADER*) { return AlignLamp(1); }),
    Icon("IRS 1 ON BAT", 58, 15, 2, [](ELEMENT_HEADER*) { return OnBatteryLamp(1); }),
    Icon("IRS 1 lamp 3", 57, 30, 2, TestOnlyLamp),
    Icon("IRS 1 lamp 4", 62, 45, 2, TestOnlyLamp),
    Icon("IRS 2 ALIGN", 96, 0, 2, [](ELEMENT_HEADER*) { return AlignLamp(2); }),
    Icon("IRS 2 ON BAT", 94, 15, 2, [](ELEMENT_HEADER*) { return OnBatteryLamp(2); }),
    Icon("IRS 2 lamp 3", 92, 30, 2, TestOnlyLamp),
    Icon("IRS 2 lamp 4", 97, 45, 2, TestOnlyLamp),
    StaticImage("front"),
});

// One step of a selector. A click past either end (right of ATT, left of
// OFF) or from a stray position turns the unit off, silently.
int32_t StepSelector(int32_t unit, const CSwitch& selector, int step, SoundId sound) {
  const int32_t position = GetSwitch(&selector);
  for (int i = 0; i < 4; ++i) {
    const int next = i + step;
    if (kSelectorOrder[i] != position || next < 0 || next >= 4) continue;
    HandleIrsSwitch(unit, kSelectorOrder[next]);
    PlayClick(sound);
    return 1;
  }
  HandleIrsSwitch(unit, kIrsOff);
  return 1;
}

// The FDC selectors: each side steps out of the centre and back, never across.
constexpr Move kCadcLeftMoves[] = {{kFdcCentre, 53}, {54, kFdcCentre}};
constexpr Move kCadcRightMoves[] = {{kFdcCentre, 54}, {53, kFdcCentre}};
constexpr Switching kCadcLeft{kCadcLeftMoves, 53};
constexpr Switching kCadcRight{kCadcRightMoves, 54};
constexpr Move kGyroLeftMoves[] = {{kFdcCentre, 55}, {56, kFdcCentre}};
constexpr Move kGyroRightMoves[] = {{kFdcCentre, 56}, {55, kFdcCentre}};
constexpr Switching kGyroLeft{kGyroLeftMoves, 55};
constexpr Switching kGyroRight{kGyroRightMoves, 56};

double FdcFrame(const CSwitch& record, int32_t right) {
  const int32_t position = GetSwitch(&record);
  return position == right ? 2.0 : position == kFdcCentre ? 1.0 : 0.0;
}

constinit ElementChain g_fdcElements({
    StaticImage("panel"),
    StaticImage("panel light"),
    Icon("vertical gyro", 164, 35, 3, [](ELEMENT_HEADER*) { return FdcFrame(g_verticalGyroSwitch, 56); }),
    Icon("FD CMD", 98, 17, 3, [](ELEMENT_HEADER*) { return FdcFrame(g_fdCommandSwitch, 54); }),
    Icon("CADC", 25, 50, 3, [](ELEMENT_HEADER*) { return FdcFrame(g_cadcSwitch, 54); }),
    StaticImage("click areas", 20, 9),
});

}  // namespace

platform::ELEMENT_HEADER* IrsElements() { return g_irsElements.Head(); }
platform::ELEMENT_HEADER* FdcElements() { return g_fdcElements.Head(); }

void KeepAlignLampBlink() { UpdateBlink(); }

// The lit selector pictures lie over the plain ones while the light is on.
void IrsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  const bool lit = IsOclPanelLightOn() != 0;
  for (uint32_t n : {1u, 3u, 5u}) ShowElement(gauge, n, lit);
}

void FdcGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  OverheadPanelOverlays(gauge, serviceId, 5);
}

int32_t IrsMouseSwitch1Dec(PixelPoint, uint32_t) { return StepSelector(kIrsUnit1, g_irs1Selector, -1, kClickRotary1); }
int32_t IrsMouseSwitch1Inc(PixelPoint, uint32_t) { return StepSelector(kIrsUnit1, g_irs1Selector, 1, kClickRotary1); }
int32_t IrsMouseSwitch2Dec(PixelPoint, uint32_t) { return StepSelector(kIrsUnit2, g_irs2Selector, -1, kClickRotary2); }
int32_t IrsMouseSwitch2Inc(PixelPoint, uint32_t) { return StepSelector(kIrsUnit2, g_irs2Selector, 1, kClickRotary2); }

int32_t FdcMouseCadcInc(PixelPoint, uint32_t) { return Throw(g_cadcSwitch, kCadcLeft, kClickRotary2); }
int32_t FdcMouseCadcDec(PixelPoint, uint32_t) { return Throw(g_cadcSwitch, kCadcRight, kClickRotary2); }
int32_t FdcMouseFdCmdInc(PixelPoint, uint32_t) { return Throw(g_fdCommandSwitch, kCadcLeft, kClickRotary1); }
int32_t FdcMouseFdCmdDec(PixelPoint, uint32_t) { return Throw(g_fdCommandSwitch, kCadcRight, kClickRotary1); }
int32_t FdcMouseVertGyroInc(PixelPoint, uint32_t) { return Throw(g_verticalGyroSwitch, kGyroLeft, kClickRotary1); }
int32_t FdcMouseVertGyroDec(PixelPoint, uint32_t) { return Throw(g_verticalGyroSwitch, kGyroRight, kClickRotary1); }

}  // namespace halcyon
