// The GPWS modes, evaluated once a second in a fixed order: the first alert
// found is the one that sounds.
#include "systems/gpws.h"

#include "core/controls.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "host/voice_queue.h"
#include "systems/flaps.h"

namespace halcyon {

CSwitch g_gpwsLight{};
CSwitch g_belowGsLight{};

namespace {

constexpr double kGearHandleDown = 16383.0;

constexpr double kFloorFt = 50.0;               // modes 1, 2, 6 to 9 work above this
constexpr double kEnvelopeTopFt = 2450.0;       // sink rate, terrain, closure rate
constexpr double kTerrainPullUpTopFt = 1650.0;
constexpr double kTakeoffMonitorTopFt = 700.0;
constexpr double kDontSinkFloorFt = 65.0;
constexpr double kDontSinkFraction = 0.9;       // of the highest radio altitude
constexpr double kTooLowTopFt = 1000.0;
constexpr double kTooLowSlowFt = 500.0;
constexpr double kTooLowGearMach = 0.35;
constexpr double kTooLowFlapsMach = 0.29;
constexpr double kTooLowMachPerFt = 0.0002;
constexpr double kGlideSlopeFloorFt = 100.0;
constexpr double kGlideSlopeTopFt = 1000.0;
constexpr double kButtonTopFt = 1000.0;

// Below the glide slope the needle stands on its fly-up side: positive
// values of the needle token (full scale in the token list). The alert wants
// it more than 40 units on that side, and a needle that is live (not parked
// at 0 or at its stops).
constexpr double kGlideSlopeFlyUpSign = 1.0;
constexpr double kGlideSlopeAlertDeviation = 40.0;
constexpr double kGlideSlopeNeedleStop = 125.0;

// Each alert's voice, by alert code.
constexpr VoiceMessageId kNoVoice = kVoiceMessageCount;
constexpr VoiceMessageId kAlertVoices[kGpwsAlertCount] = {
    kNoVoice,
    19,  // "Sinkrate"
    24,  // whoop, "Pull up"
    20,  // "Terrain"
    24,  // whoop, "Pull up"
    17,  // "Don't sink"
    22,  // "Too low gear"
    23,  // "Too low terrain"
    21,  // "Too low flaps"
    23,  // "Too low terrain"
    18,  // "Glideslope"
};

struct Gpws {
  int32_t alert;
  uint32_t buttonFlag;
  double closureRateFpm;
  double previousRadioAltitudeFt;
  uint32_t takeoffMonitor;  // from the ground up to 700 ft
  double highestRadioAltitudeFt;
};
Gpws g_gpws{};

// What one evaluation reads.
struct Flight {
  double radioAltitudeFt;
  double verticalSpeedFpm;
  double mach;
  bool onGround;
  bool gearDown;
  bool flapsInLandingPosition;
  double glideSlopeNeedle;
};


Flight ReadFlight() {
  return {
      .radioAltitudeFt = ReadRadioAltitudeFt(),
      .verticalSpeedFpm = ReadVerticalSpeedFpm(),
      .mach = ReadMach(),
      .onGround = IsSimVar60Set() != 0,
      .gearDown = ReadToken(Token::GearHandle) >= kGearHandleDown,
      .flapsInLandingPosition = ReadToken(Token::FlapPosition) >= kLandingFlapPosition,
      .glideSlopeNeedle = ReadToken(Token::GlideSlopeNeedle),
  };
}

bool IsBetween(double value, double low, double high) { return value > low && value < high; }

void TrackFlight(const Flight& flight) {
  const double h = flight.radioAltitudeFt;
  if (h < kEnvelopeTopFt) {
    g_gpws.closureRateFpm = (h - g_gpws.previousRadioAltitudeFt) * 60.0;
    g_gpws.previousRadioAltitudeFt = h;
  }
  if (g_gpws.takeoffMonitor != 0 && h > g_gpws.highestRadioAltitudeFt) g_gpws.highestRadioAltitudeFt = h;
  if (flight.onGround) {
    g_gpws.takeoffMonitor = 1;
    g_gpws.highestRadioAltitudeFt = 0.0;
  }
  if (h > kTakeoffMonitorTopFt) g_gpws.takeoffMonitor = 0;
  if (g_gpws.buttonFlag != 0 && (flight.onGround || h > kButtonTopFt)) g_gpws.buttonFlag = 0;
}

// Modes 1 and 2: excessive sink rate, the pull-up boundary steeper.
int32_t SinkRate(const Flight& flight) {
  const double h = flight.radioAltitudeFt;
  if (!IsBetween(h, kFloorFt, kEnvelopeTopFt)) return kGpwsNone;
  if (flight.verticalSpeedFpm < -1000.0 - 2.4 * h) return kGpwsSinkRatePullUp;
  if (flight.verticalSpeedFpm < -1000.0 - 1.6 * h) return kGpwsSinkRate;
  return kGpwsNone;
}

// Modes 3 and 4: terrain closure; pull up low down unless in the landing
// configuration.
int32_t TerrainClosure(const Flight& flight) {
  const double h = flight.radioAltitudeFt;
  if (!(h < kEnvelopeTopFt) || !(flight.verticalSpeedFpm > 0.0)) return kGpwsNone;
  const double closure = g_gpws.closureRateFpm;
  if (h < kTerrainPullUpTopFt && closure < -2200.0 - 1.2 * h) {
    return !flight.gearDown || !flight.flapsInLandingPosition ? kGpwsTerrainPullUp : kGpwsTerrain;
  }
  if (closure < -2000.0 - 1.2 * h) return kGpwsTerrain;
  return kGpwsNone;
}

// Mode 5: height lost after take-off.
int32_t DontSink(const Flight& flight) {
  const double h = flight.radioAltitudeFt;
  if (IsBetween(h, kDontSinkFloorFt, kTakeoffMonitorTopFt) && h < kDontSinkFraction * g_gpws.highestRadioAltitudeFt &&
      flight.verticalSpeedFpm < 0.0) {
    return kGpwsDontSink;
  }
  return kGpwsNone;
}

// Modes 6 to 9: too low with the gear up, or with the flaps short of the
// landing position; faster, the alert reaches higher up.
int32_t TooLow(const Flight& flight, double slowMach, int32_t slowAlert, int32_t fastAlert) {
  const double h = flight.radioAltitudeFt;
  if (flight.mach <= slowMach) return h < kTooLowSlowFt ? slowAlert : kGpwsNone;
  return flight.mach > (h - kTooLowSlowFt) * kTooLowMachPerFt + slowMach ? fastAlert : kGpwsNone;
}

int32_t TooLowGearOrFlaps(const Flight& flight) {
  if (!IsBetween(flight.radioAltitudeFt, kFloorFt, kTooLowTopFt)) return kGpwsNone;
  if (!flight.gearDown) return TooLow(flight, kTooLowGearMach, kGpwsTooLowGear, kGpwsTooLowGearFast);
  if (!flight.flapsInLandingPosition) return TooLow(flight, kTooLowFlapsMach, kGpwsTooLowFlaps, kGpwsTooLowFlapsFast);
  return kGpwsNone;
}

// Mode 10: below the glide slope on an approach with the gear down, unless
// the crew has inhibited it.
int32_t BelowGlideSlope(const Flight& flight) {
  const double needle = flight.glideSlopeNeedle;
  if (g_gpws.buttonFlag != 0 || !flight.gearDown ||
      !IsBetween(flight.radioAltitudeFt, kGlideSlopeFloorFt, kGlideSlopeTopFt)) {
    return kGpwsNone;
  }
  if (needle == 0.0 || !IsBetween(needle, -kGlideSlopeNeedleStop, kGlideSlopeNeedleStop)) return kGpwsNone;
  return needle * kGlideSlopeFlyUpSign > kGlideSlopeAlertDeviation ? kGpwsBelowGlideSlope : kGpwsNone;
}

int32_t FindAlert(const Flight& flight) {
  int32_t alert = kGpwsNone;
  if (g_gpws.takeoffMonitor == 0) {
    alert = SinkRate(flight);
    if (alert == kGpwsNone) alert = TerrainClosure(flight);
  } else {
    alert = DontSink(flight);
  }
  if (alert == kGpwsNone && g_gpws.takeoffMonitor == 0) alert = TooLowGearOrFlaps(flight);
  if (alert == kGpwsNone && g_gpws.takeoffMonitor == 0) alert = BelowGlideSlope(flight);
  return alert;
}

void SetLamp(CSwitch* lamp, bool lit) { SetSwitch(lamp, lit ? kSwitchOn : kSwitchOff); }

// The GPWS gauge's BELOW G/S button, pressed by name by the host and the
// tests until the gauge is drawn: it takes only below 1000 ft.
void PressBelowGlideSlopeButton(int32_t position) {
  if (position == kSwitchOn && ReadRadioAltitudeFt() < kButtonTopFt) SetGpwsButtonFlag();
}

}  // namespace

void InitGpws() {
  g_gpws = {};
  SetSwitch(&g_gpwsLight, kSwitchOff);
  SetSwitch(&g_belowGsLight, kSwitchOff);
  RegisterControl(L"GPWS", L"below_gs", nullptr, PressBelowGlideSlopeButton);
  RegisterControl(L"GPWS", L"test", &g_gpwsLight);
}

void UpdateGpws() {
  if (IsTickDue(kChannel1HzC) == 0) return;
  const Flight flight = ReadFlight();
  TrackFlight(flight);
  g_gpws.alert = FindAlert(flight);
  if (kAlertVoices[g_gpws.alert] != kNoVoice) EnqueueVoiceMessage(kAlertVoices[g_gpws.alert]);
  SetLamp(&g_gpwsLight, g_gpws.alert == kGpwsSinkRatePullUp || g_gpws.alert == kGpwsTerrainPullUp);
  SetLamp(&g_belowGsLight, g_gpws.alert == kGpwsBelowGlideSlope);
}

void SetGpwsButtonFlag() { g_gpws.buttonFlag = 1; }
void ClearGpwsButtonFlag() { g_gpws.buttonFlag = 0; }
uint32_t IsGpwsButtonFlagSet() { return g_gpws.buttonFlag; }

void SetGpwsAlertCode(int32_t code) { g_gpws.alert = code >= 0 && code < kGpwsAlertCount ? code : kGpwsNone; }
int32_t GetGpwsAlertCode() { return g_gpws.alert; }
double GetGpwsClosureRate() { return g_gpws.closureRateFpm; }

}  // namespace halcyon
