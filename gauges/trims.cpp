// The trim gauges. The stabilizer trim handles trim the simulator while the
// panel has power and the arm switch is not holding the stabilizer, animate
// the handles, and disconnect an engaged autopilot; the take-off trim
// computer's % MAC wheel and flap selector recompute the setting at once.
// Reads the simulator's trims (783, 785, 787) and the autopilot (103); sends
// the trim events.
#include "gauges/trims.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "gauges/switch_moves.h"
#include "systems/electric.h"
#include "systems/kept_controls.h"
#include "systems/lights.h"
#include "systems/longitudinal_trim.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr uint32_t kKeyEventTrimHandleClick = 65791;
constexpr uint32_t kKeyEventAileronTrimLeft = 66276;
constexpr uint32_t kKeyEventAileronTrimRight = 66277;
constexpr uint32_t kKeyEventRudderTrimLeft = 66278;
constexpr uint32_t kKeyEventRudderTrimRight = 66279;

// The stabilizer scale: the simulator's trim angle times this, against 35
// thresholds half a degree apart (radians to four decimals).
constexpr double kStabilizerScaleFactor = 1.37931;
constexpr double kStabilizerThresholds[] = {
    -0.0654, -0.0567, -0.0479, -0.0392, -0.0305, -0.0218, -0.013, -0.0043, 0.0043, 0.013,  0.0218, 0.0305,
    0.0392,  0.0479,  0.0567,  0.0654,  0.0741,  0.0829,  0.0916, 0.1003,  0.109,  0.1178, 0.1265, 0.1352,
    0.1439,  0.1527,  0.1614,  0.1701,  0.1788,  0.1876,  0.1963, 0.205,   0.2138, 0.2225, 0.2312};
static_assert(std::size(kStabilizerThresholds) == 35);

// The take-off trim pointer: a frame each half unit of setting, centred on it.
constexpr double kPointerFirst = 0.25;
constexpr double kPointerStep = 0.5;
constexpr double kPointerLastFrame = 20.0;
constexpr double kPointerEnd = 10.75;
constexpr double kTrimWindowFrames = 20.0;

// The aileron indicator runs level through plus and minus 3 degrees.
constexpr double kAileronLevelBandRad = 0.052359877;
constexpr double kAileronSlideX = 332.3;
constexpr double kAileronDropY = 40.9255;

constexpr int32_t kTrimHandleFrames = 11;
constexpr int32_t kKnobFrames = 6;

constexpr platform::NeedlePoint kRudderTrimScale[] = {{33, 33, -0.174533}, {99, 10, 0.0}, {164, 36, 0.174533}};
constexpr double kRudderTrimEndRad = 0.174533;
// No trim the simulator gives goes beyond a radian; a value that is not a
// number reads as none.
constexpr double kTrimLimitRad = 1.0;

double SaneTrim(double trimRad) { return std::isnan(trimRad) ? 0.0 : std::clamp(trimRad, -kTrimLimitRad, kTrimLimitRad); }

constexpr Move kArmUpMoves[] = {{kStabTrimNormal, kStabTrimAlternate}, {kStabTrimAlternate, kStabTrimHold}};
constexpr Move kArmDownMoves[] = {{kStabTrimHold, kStabTrimAlternate}, {kStabTrimAlternate, kStabTrimNormal}};

double TakeoffFlapsFrame() {
  const int32_t position = GetSwitch(&g_takeoffFlapSelector);
  return position >= kTakeoffFlaps1 && position <= kTakeoffFlaps4 ? position - kTakeoffFlaps1 : 0.0;
}

double ArmFrame() {
  switch (GetSwitch(&g_stabTrimArmSwitch)) {
    case kStabTrimAlternate: return 1.0;
    case kStabTrimHold: return 2.0;
    default: return 0.0;
  }
}

double KnobFrame(const CSwitch& knob) {
  const int32_t position = GetSwitch(&knob);
  return position >= 1 && position <= kKnobFrames ? position - 1.0 : 0.0;
}

// Every call trims (held, the button repeats); the press starts the handles'
// animation and the release lets it return; any use disconnects the autopilot.
int32_t TrimHandle(uint32_t flags, int32_t direction) {
  if (IsPanelPowered() != 0 && GetSwitch(&g_stabTrimArmSwitch) != kStabTrimHold) {
    TriggerKeyEvent(direction == kTrimNoseUp ? kKeyEventElevatorTrimUp : kKeyEventElevatorTrimDown, 0);
  }
  if ((flags & platform::kMouseLeftSingle) != 0) {
    HandleTrimSelector(kTrimHandlePressed, direction);
    TriggerKeyEvent(kKeyEventTrimHandleClick, 0);
  }
  if ((flags & platform::kMouseLeftRelease) != 0) HandleTrimSelector(kTrimHandleReleased, direction);
  if (ReadToken(Token::AutopilotEngaged) != 0.0) TriggerKeyEvent(kKeyEventAutopilotMaster, 0);
  return 1;
}

int32_t StepTakeoffFlaps(int32_t step, int32_t fallback) {
  const int32_t position = GetSwitch(&g_takeoffFlapSelector);
  const bool inside = position >= kTakeoffFlaps1 && position <= kTakeoffFlaps4;
  SetSwitch(&g_takeoffFlapSelector, inside ? std::clamp(position + step, +kTakeoffFlaps1, +kTakeoffFlaps4) : fallback);
  ComputeTrimSetting();
  return 1;
}

// A trim knob turns a frame a click round its six frames, and trims the
// simulator a step whatever its picture shows.
int32_t TrimKnob(CSwitch& knob, int32_t step, uint32_t event) {
  TurnRound(knob, step, kKnobFrames);
  return SendKeyControl(event, 0, kClickKnob);
}

constinit ElementChain g_longitudeTrimElements({
    StaticImage("pedestal"),
    Icon("take-off flaps", 55, 446, 4, [](ELEMENT_HEADER*) { return TakeoffFlapsFrame(); }),
    Icon("% MAC wheel", 0, 438, 36, [](ELEMENT_HEADER*) { return std::clamp(std::trunc(GetMacPercent()), 0.0, 35.0); }),
    Icon("take-off trim pointer", 15, 330, 21,
         [](ELEMENT_HEADER*) { return TakeoffTrimPointerFrame(GetTrimSetting()); }),
    Icon("take-off trim window", 66, 210, 21,
         [](ELEMENT_HEADER*) {
           const double frame = 2.0 * GetTrimSetting();
           return frame >= 0.0 && frame <= kTrimWindowFrames ? frame : 0.0;
         }),
    Icon("trim handles", 66, 3, 11,
         [](ELEMENT_HEADER*) {
           const int32_t position = GetSwitch(&g_trimHandle);
           return position >= 2 && position <= kTrimHandleFrames ? position - 1.0 : 0.0;
         }),
    BoundTo(Icon("stabilizer scale", 152, 112, 35,
                 [](ELEMENT_HEADER* e) { return StabilizerScaleFrame(e->tokenValue); }),
            Token::ElevatorTrimRad),
    StaticImage("click areas"),
});

constinit ElementChain g_stabilizerTrimElements({
    StaticImage("panel"),
    StaticImage("panel light", -9, -6),
    Icon("arm switch", 0, 0, 3, [](ELEMENT_HEADER*) { return ArmFrame(); }),
    StaticImage("click areas"),
});

constinit ElementChain g_rudderTrimElements({
    StaticImage("dial"),
    Needle("rudder trim",
           [](ELEMENT_HEADER* e) { return std::clamp(SaneTrim(e->tokenValue), -kRudderTrimEndRad, kRudderTrimEndRad); },
           99, 123, 0, kRudderTrimScale, Token::RudderTrimRad),
    Icon("trim knob", 37, 59, 6, [](ELEMENT_HEADER*) { return KnobFrame(g_rudderTrimKnob); }),
    StaticImage("click areas", 37, 49),
});

constinit ElementChain g_aileronTrimElements({
    StaticImage("dial"),
    Slider("aileron trim", 59, 1, [](ELEMENT_HEADER* e) { return SaneTrim(e->tokenValue) * kAileronSlideX; },
           [](ELEMENT_HEADER* e) { return AileronTrimSliderY(SaneTrim(e->tokenValue)); }, Token::AileronTrimRad),
    Icon("trim knob", 3, 77, 6, [](ELEMENT_HEADER*) { return KnobFrame(g_aileronTrimKnob); }),
    StaticImage("click areas", 2, 45),
});

}  // namespace

double StabilizerScaleFrame(double elevatorTrimRad) {
  const double v = elevatorTrimRad * kStabilizerScaleFactor;
  for (size_t k = 0; k < std::size(kStabilizerThresholds); ++k) {
    if (v < kStabilizerThresholds[k]) return static_cast<double>(k);
  }
  return std::isnan(v) ? 0.0 : std::size(kStabilizerThresholds) - 1.0;
}

double TakeoffTrimPointerFrame(double setting) {
  if (!(setting >= kPointerFirst) || setting >= kPointerEnd) return 0.0;
  return std::min(std::floor((setting - kPointerFirst) / kPointerStep) + 1.0, kPointerLastFrame);
}

double AileronTrimSliderY(double aileronTrimRad) {
  if (aileronTrimRad > kAileronLevelBandRad) return (aileronTrimRad - kAileronLevelBandRad) * kAileronDropY;
  if (aileronTrimRad < -kAileronLevelBandRad) return (aileronTrimRad + kAileronLevelBandRad) * -kAileronDropY;
  return 0.0;
}

// ---- Longitude Trim ----

platform::ELEMENT_HEADER* LongitudeTrimElements() { return g_longitudeTrimElements.Head(); }

// The handles' picture is stepped after each tick's work
// (UpdateTrimSelectorKnob, from UpdateGaugePictures): a frame a tick
// however often the simulator draws, and whether or not the gauge is drawn.
void LongitudeTrimGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowClickAreas(gauge, 7);
}

int32_t LongitudeTrimMouseTrimDown(PixelPoint, uint32_t flags) { return TrimHandle(flags, kTrimNoseDown); }
int32_t LongitudeTrimMouseTrimUp(PixelPoint, uint32_t flags) { return TrimHandle(flags, kTrimNoseUp); }

int32_t LongitudeTrimMouseMacInc(PixelPoint, uint32_t) {
  IncMacPercent();
  ComputeTrimSetting();
  return 1;
}
int32_t LongitudeTrimMouseMacDec(PixelPoint, uint32_t) {
  DecMacPercent();
  ComputeTrimSetting();
  return 1;
}
int32_t LongitudeTrimMouseToFlapsInc(PixelPoint, uint32_t) { return StepTakeoffFlaps(1, kTakeoffFlaps4); }
int32_t LongitudeTrimMouseToFlapsDec(PixelPoint, uint32_t) { return StepTakeoffFlaps(-1, kTakeoffFlaps1); }

int32_t LongitudeTrimMouseAutotrim(PixelPoint, uint32_t) {
  ApplyTrimSetting();
  return 1;
}

// ---- Stabilizer Trim ----

platform::ELEMENT_HEADER* StabilizerTrimElements() { return g_stabilizerTrimElements.Head(); }

void StabilizerTrimGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, 1, IsCplPanelLightOn() != 0);
  ShowClickAreas(gauge, 3);
}

int32_t StabilizerTrimMouseArmInc(PixelPoint, uint32_t) {
  return Throw(g_stabTrimArmSwitch, {kArmUpMoves, kStabTrimHold}, kClickRotary2);
}
int32_t StabilizerTrimMouseArmDec(PixelPoint, uint32_t) {
  return Throw(g_stabTrimArmSwitch, {kArmDownMoves, kStabTrimNormal}, kClickRotary2);
}

// ---- Rudder and aileron trim ----

platform::ELEMENT_HEADER* RudderTrimElements() { return g_rudderTrimElements.Head(); }
platform::ELEMENT_HEADER* AileronTrimElements() { return g_aileronTrimElements.Head(); }

void RudderTrimGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, 3);
}
void AileronTrimGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, 3);
}

int32_t RudderTrimMouseTrimDec(PixelPoint, uint32_t) { return TrimKnob(g_rudderTrimKnob, -1, kKeyEventRudderTrimLeft); }
int32_t RudderTrimMouseTrimInc(PixelPoint, uint32_t) { return TrimKnob(g_rudderTrimKnob, 1, kKeyEventRudderTrimRight); }
int32_t AileronTrimMouseTrimDec(PixelPoint, uint32_t) {
  return TrimKnob(g_aileronTrimKnob, -1, kKeyEventAileronTrimLeft);
}
int32_t AileronTrimMouseTrimInc(PixelPoint, uint32_t) {
  return TrimKnob(g_aileronTrimKnob, 1, kKeyEventAileronTrimRight);
}

}  // namespace halcyon
