// The pedestal's lever quadrants and gear gauges. The thrust levers and the
// speed brake are dragged: the simulator hands the drag's point relative to
// the control's rectangle, and the lever's row in it becomes the simulator's
// set event. Reads the throttle, mixture and spoiler tokens, the lever
// records, the gear-horn button and the cabin controls; sends the throttle,
// mixture, spoiler and flap events.
#include "gauges/pedestal.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/helpers.h"
#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "gauges/switch_moves.h"
#include "systems/cabin_press.h"
#include "systems/flaps.h"
#include "systems/gear.h"
#include "systems/ground_spoilers.h"
#include "systems/levers.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr uint32_t kKeyEventThrottle1Set = 65820;
constexpr uint32_t kKeyEventThrottle2Set = 65821;
constexpr uint32_t kKeyEventMixture1Rich = 65983;
constexpr uint32_t kKeyEventMixture1Lean = 65987;
constexpr uint32_t kKeyEventMixture2Rich = 65988;
constexpr uint32_t kKeyEventMixture2Lean = 65992;
constexpr uint32_t kKeyEventSpoilersSet = 65786;
constexpr uint32_t kKeyEventSpoilersArmOn = 66066;

// ---- Thrust levers ----
// The lever's value at the top row of its rectangle, and per row down it.
constexpr int32_t kThrottleTopValue = 16383;
constexpr int32_t kThrottlePerRow = 50;
constexpr int32_t kThrottleRectRows = 405;

// The picture's 48 bands: eight reverse bands, idle at 0, then 38 forward
// bands of 420; the frame is the first threshold above the lever.
struct Thresholds {
  double values[48];
};
constexpr Thresholds MakeThrustThresholds() {
  Thresholds t{};
  constexpr double kReverse[] = {-4080, -3584, -3072, -2560, -2048, -1536, -1024, -512, 0};
  int n = 0;
  for (double v : kReverse) t.values[n++] = v;
  for (int k = 1; k <= 38; ++k) t.values[n++] = 420.0 * k;
  t.values[n++] = 16385.0;
  return t;
}
constexpr Thresholds kThrustThresholds = MakeThrustThresholds();

// ---- Speed brake ----
constexpr double kSpeedBrakePerRow = 27.30666667;
constexpr double kSpeedBrakeMax = 16383.0;
constexpr double kSpeedBrakeHandleFull = 16384.0;
// The lower bounds of frames 2 to 19; below the first is frame 1 (stowed).
constexpr double kSpeedBrakeBands[] = {863,   1725,  2587,  3450,  4311,  5174,  6036,  6899,  7761,
                                       8623,  9485,  10348, 11210, 12072, 12934, 13797, 14659, 15521};
constexpr double kSpeedBrakeArmedFrame = 0.0;
constexpr double kSpeedBrakeStowedFrame = 1.0;
constexpr int32_t kSpeedBrakeHandleRaised = 19;

// ---- Levers animated by their systems ----
constexpr int32_t kLeverFirst = 1;
constexpr int32_t kLeverLast = 18;
constexpr int32_t kGearHornReleased = 43;
constexpr int32_t kGearHornPressed = 120;

// ---- Flapsbox ----
constexpr int32_t kFlapHandleLastFrame = 35;
constexpr int32_t kManualLeverFrames = 22;
constexpr int32_t kRateWheelFrames = 6;
constexpr double kCabinRateOffset = 33.333333333333336;
constexpr double kCabinRatePerFrame = 2.2222222222;
constexpr double kCabinRateFrames = 30.0;

// ---- Gear ----
constexpr double kGearDownLocked = 16383.0;

double Frame(bool on) { return on ? 1.0 : 0.0; }

// Frame = position - 1 for the positions first..last, 0 otherwise.
double PositionFrame(const CSwitch& record, int32_t first, int32_t last) {
  const int32_t position = GetSwitch(&record);
  return position >= first && position <= last ? position - 1.0 : 0.0;
}

double LeverFrame(const CSwitch& record) { return PositionFrame(record, kLeverFirst, kLeverLast); }

double GearHornButtonFrame() {
  if (GetSwitch(&g_gearHornCutoutButton) != kGearHornPressed) return 0.0;
  return GetSwitch(&g_speedBrakeHandle) == kSpeedBrakeHandleRaised ? 2.0 : 1.0;
}

// A drag's row, held inside the rectangle: the lever cannot go past its stops.
int32_t ThrottleValue(PixelPoint point) {
  const int32_t row = std::clamp(point.y, 0, kThrottleRectRows - 1);
  return kThrottleTopValue - kThrottlePerRow * row;
}

int32_t SetThrottles(PixelPoint point, bool engine1, bool engine2) {
  const auto value = static_cast<uint32_t>(ThrottleValue(point));
  if (engine1) TriggerKeyEvent(kKeyEventThrottle1Set, value);
  if (engine2) TriggerKeyEvent(kKeyEventThrottle2Set, value);
  return 1;
}

// At its stowed end the lever starts the move out, at its far end the move
// back; caught in between (a saved mid position), it snaps back to 1.
constexpr LeverEnds kPedestalLeverEnds{kLeverFirst, kLeverLast, kLeverFirst};
// The cabin manual lever's run 0 goes out from 1, its run 1 back from stowed.
constexpr LeverEnds kCabinManualLeverEnds{1, kCabinManualLeverStowed, 1};

// The fuel lever reads the mixture at the click: cut off, fuel on; any
// mixture at all, cut off.
int32_t FuelLever(Token mixture, uint32_t richEvent, uint32_t leanEvent) {
  TriggerKeyEvent(ReadToken(mixture) == 0.0 ? richEvent : leanEvent, 0);
  return 1;
}

int32_t GearHornButton(uint32_t flags) {
  if ((flags & platform::kMouseLeftSingle) != 0) {
    SetSwitch(&g_gearHornCutoutButton, kGearHornPressed);
    SilenceGearHorn();
  } else if ((flags & platform::kMouseLeftRelease) != 0) {
    SetSwitch(&g_gearHornCutoutButton, kGearHornReleased);
  }
  PlayClick(kClickButton1);
  return 1;
}

constinit ElementChain g_throttleboxElements({
    StaticImage("quadrant"),
    Icon("gear horn cut-out", 88, 505, 3, [](ELEMENT_HEADER*) { return GearHornButtonFrame(); }),
    Icon("speed brake", 0, -3, 20,
         [](ELEMENT_HEADER*) {
           return g_autoSpoilerArmed != 0 ? kSpeedBrakeArmedFrame : SpeedBrakeFrame(ReadToken(Token::SpoilerHandle));
         }),
    Icon("fuel lever 1", 120, 424, 18, [](ELEMENT_HEADER*) { return LeverFrame(g_fuelLever1); }),
    Icon("fuel lever 2", 252, 424, 18, [](ELEMENT_HEADER*) { return LeverFrame(g_fuelLever2); }),
    Icon("hydraulic lever", 85, 72, 18, [](ELEMENT_HEADER*) { return LeverFrame(g_hydraulicLever); }),
    Icon("fuel cross-feed", 289, 0, 18, [](ELEMENT_HEADER*) { return LeverFrame(g_fuelXFeedLever); }),
    BoundTo(Icon("thrust lever 1", 105, 37, 48, [](ELEMENT_HEADER* e) { return ThrustLeverFrame(e->tokenValue); }),
            Token::Engine1Throttle),
    BoundTo(Icon("thrust lever 2", 193, 37, 48, [](ELEMENT_HEADER* e) { return ThrustLeverFrame(e->tokenValue); }),
            Token::Engine2Throttle),
    StaticImage("click areas"),
});

constinit ElementChain g_flapsboxElements({
    StaticImage("quadrant"),
    Icon("cabin rate", 57, 60, 30, [](ELEMENT_HEADER*) { return CabinRateFrame(GetCabinRate()); }),
    Icon("rate wheel", 40, 257, 6,
         [](ELEMENT_HEADER*) { return PositionFrame(g_cabinRateWheel, 1, kRateWheelFrames); }),
    Icon("manual lever", 33, 392, 22,
         [](ELEMENT_HEADER*) { return PositionFrame(g_cabinManualLever, 1, kManualLeverFrames); }),
    Icon("flap handle", 83, 64, 36,
         [](ELEMENT_HEADER*) {
           const int32_t position = GetSwitch(&g_flapLever);
           return position >= 1 && position <= kFlapHandleLastFrame ? static_cast<double>(position) : 0.0;
         }),
    StaticImage("click areas"),
});

constinit ElementChain g_gearLockElements({
    StaticImage("lamp face"),
    BoundTo(Icon("lock lamp", 0, 0, 2, [](ELEMENT_HEADER* e) { return Frame(e->tokenValue == kGearDownLocked); }),
            Token::GearPosition),
});

constinit ElementChain g_alternateGearElements({
    StaticImage("handle well"),
    BoundTo(Icon("handle", 0, 0, 36,
                 [](ELEMENT_HEADER*) { return PositionFrame(g_alternateGearHandle, 2, kAlternateGearExtended); }),
            Token::FlapPosition),
    StaticImage("click areas"),
});

constinit ElementChain g_gearHornVcElements({
    StaticImage("button"),
    StaticImage("click areas"),
});

}  // namespace

double ThrustLeverFrame(double lever) {
  for (size_t k = 0; k < std::size(kThrustThresholds.values); ++k) {
    if (kThrustThresholds.values[k] > lever) return static_cast<double>(k);
  }
  return 0.0;
}

double SpeedBrakeFrame(double handle) {
  if (!(handle >= kSpeedBrakeBands[0]) || handle > kSpeedBrakeHandleFull) return kSpeedBrakeStowedFrame;
  double frame = kSpeedBrakeStowedFrame;
  for (double lower : kSpeedBrakeBands) {
    if (handle >= lower) frame += 1.0;
  }
  return frame;
}

double CabinRateFrame(double rateFtPerS) {
  const double v = (rateFtPerS + kCabinRateOffset) / kCabinRatePerFrame;
  return v >= 1.0 && v < kCabinRateFrames ? std::trunc(v) : 0.0;
}

// ---- Throttlebox ----

platform::ELEMENT_HEADER* ThrottleboxElements() { return g_throttleboxElements.Head(); }

void ThrottleboxGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, 9);
}

int32_t ThrottleboxMouseThrottle1(PixelPoint point, uint32_t) { return SetThrottles(point, true, false); }
int32_t ThrottleboxMouseThrottleBoth(PixelPoint point, uint32_t) { return SetThrottles(point, true, true); }
int32_t ThrottleboxMouseThrottle2(PixelPoint point, uint32_t) { return SetThrottles(point, false, true); }

int32_t ThrottleboxMouseHydraulic(PixelPoint, uint32_t) {
  return ClickAnimatedLever(g_hydraulicLever, HandleHydraulicLever, kPedestalLeverEnds);
}
int32_t ThrottleboxMouseFuelXFeed(PixelPoint, uint32_t) {
  return ClickAnimatedLever(g_fuelXFeedLever, HandleFuelXFeedLever, kPedestalLeverEnds);
}

int32_t ThrottleboxMouseGearHorn(PixelPoint, uint32_t flags) { return GearHornButton(flags); }

int32_t ThrottleboxMouseFuelShutoffLeft(PixelPoint, uint32_t) {
  return FuelLever(Token::Engine1Mixture, kKeyEventMixture1Rich, kKeyEventMixture1Lean);
}
int32_t ThrottleboxMouseFuelShutoffRight(PixelPoint, uint32_t) {
  return FuelLever(Token::Engine2Mixture, kKeyEventMixture2Rich, kKeyEventMixture2Lean);
}

// Dragged, the handle's row sets the spoilers (and a pending arm command is
// taken back: a handle pulled by hand is not armed); a right click is the
// pilot's arm command, which the ground-spoiler automatics answer.
int32_t ThrottleboxMouseSpeedBrake(PixelPoint point, uint32_t flags) {
  if ((flags & platform::kMouseLeftDrag) != 0) {
    const double value = std::clamp(point.y * kSpeedBrakePerRow, 0.0, kSpeedBrakeMax);
    TriggerKeyEvent(kKeyEventSpoilersSet, static_cast<uint32_t>(value));
    if (ReadToken(Token::SpoilerArm) != 0.0) TriggerKeyEvent(kKeyEventSpoilersArmToggle, 0);
  } else if ((flags & platform::kMouseRightSingle) != 0) {
    TriggerKeyEvent(kKeyEventSpoilersArmOn, 0);
  }
  return 1;
}

// ---- Flapsbox ----

platform::ELEMENT_HEADER* FlapsboxElements() { return g_flapsboxElements.Head(); }

void FlapsboxGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, 5);
}

int32_t FlapsboxMouseFlapsUp(PixelPoint, uint32_t) { return SendKeyControl(kKeyEventFlapsUp, 0); }
int32_t FlapsboxMouseFlapsDown(PixelPoint, uint32_t) { return SendKeyControl(kKeyEventFlapsDown, 0); }

int32_t FlapsboxMouseManualCabinPressure(PixelPoint, uint32_t) {
  return ClickAnimatedLever(g_cabinManualLever, HandleCabinManualLever, kCabinManualLeverEnds);
}

// The wheel's upper half slows the climb (the rate down), its lower half
// raises it; with the lever stowed the automatic controller keeps the rate
// and only the wheel turns.
int32_t FlapsboxMouseCabinPressureRateInc(PixelPoint, uint32_t) {
  if (IsCabinManualLeverStowed() == 0) DecCabinRate();
  TurnRound(g_cabinRateWheel, 1, kRateWheelFrames);
  return 1;
}
int32_t FlapsboxMouseCabinPressureRateDec(PixelPoint, uint32_t) {
  if (IsCabinManualLeverStowed() == 0) IncCabinRate();
  TurnRound(g_cabinRateWheel, -1, kRateWheelFrames);
  return 1;
}

// ---- Gear lock, alternate gear, gear horn ----

platform::ELEMENT_HEADER* GearLockIndicatorElements() { return g_gearLockElements.Head(); }
platform::ELEMENT_HEADER* AlternateGearElements() { return g_alternateGearElements.Head(); }
platform::ELEMENT_HEADER* GearHornVcElements() { return g_gearHornVcElements.Head(); }

void AlternateGearGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, 2);
}
void GearHornVcGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, 1);
}

// The upper half moves the handle a stage toward stowed, the lower half a
// stage toward the far end; caught mid-travel (a saved mid position) it
// snaps to the stage's end. A click while it runs is lost.
int32_t AlternateGearMouseHandleInc(PixelPoint, uint32_t) {
  if (IsLeverRunning(&g_alternateGearHandle)) return 1;
  const int32_t position = GetSwitch(&g_alternateGearHandle);
  if (position == kAlternateGearHalfWay) {
    HandleAlternateGear(0, kAlternateGearStowMove);
  } else if (position == kAlternateGearExtended) {
    HandleAlternateGear(0, kAlternateGearHalfBackMove);
  } else {
    SetSwitch(&g_alternateGearHandle, kAlternateGearStowed);
  }
  return 1;
}
int32_t AlternateGearMouseHandleDec(PixelPoint, uint32_t) {
  if (IsLeverRunning(&g_alternateGearHandle)) return 1;
  const int32_t position = GetSwitch(&g_alternateGearHandle);
  if (position == kAlternateGearStowed) {
    HandleAlternateGear(0, kAlternateGearPullMove);
  } else if (position == kAlternateGearHalfWay) {
    HandleAlternateGear(0, kAlternateGearExtendMove);
  } else {
    SetSwitch(&g_alternateGearHandle, kAlternateGearHalfWay);
  }
  return 1;
}

int32_t GearHornVcMouseButton(PixelPoint, uint32_t flags) { return GearHornButton(flags); }

}  // namespace halcyon
