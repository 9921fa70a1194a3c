// The "DFGS" gauge, the glareshield control panel. Each button tests the
// flight guidance, writes its modes and sends the key events that put the
// simulator's own autopilot into the matching hold; the per-tick step of
// the flight guidance then does the captures and transitions. Reads the
// simulator's autopilot, air data and attitude tokens; the windows show the
// selected values, the autopilot's speed and vertical speed.
#include "gauges/dfgs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/controls.h"
#include "core/helpers.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "fmc/fms.h"
#include "gauges/forward_panel.h"
#include "gauges/gauge_kit.h"
#include "systems/annunciator_lamps.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/fma.h"
#include "systems/thrust_rating.h"

namespace halcyon {

CSwitch g_dfgsHeadingKnob{};
CSwitch g_dfgsAltitudeKnob{};

namespace {

using platform::ELEMENT_HEADER;

// Key events only this panel sends.
constexpr uint32_t kKeyApMaster = 65580;
constexpr uint32_t kKeySpeedUp = 65896;
constexpr uint32_t kKeySpeedDown = 65897;
constexpr uint32_t kKeyMachUp = 65916;
constexpr uint32_t kKeyMachDown = 65917;
constexpr uint32_t kKeyNavHoldOff = 66107;
constexpr uint32_t kKeyBankUp = 66709;
constexpr uint32_t kKeyBankDown = 66710;
constexpr uint32_t kKeyVsUp = 65894;
constexpr uint32_t kKeyVsDown = 65895;
constexpr uint32_t kKeyTurbulence = 65809;
constexpr uint32_t kKeyApproachToggle = 65706;

constexpr SoundId kCalloutAutothrottleOn = 181;
constexpr int32_t kKnobIn = 1, kKnobReleased = 2, kKnobOut = 3;
constexpr int32_t kAltKnobReleased = 1, kAltKnobPushed = 2;
constexpr int32_t kVsWheelStepFpm = 600;

// Frames of the windows' pictures.
constexpr double kSmallBlank = 11.0, kSmallPoint = 10.0;
constexpr double kLargeBlank = 10.0, kLargeFiller = 11.0;
constexpr double kLegendV = 0, kLegendS = 1, kLegendM = 2, kLegendP = 3, kLegendBlank = 4, kLegendAll = 5;
constexpr double kSignBlank = 0, kSignPlus = 1, kSignMinus = 2;

double Tok(Token token) { return ReadToken(token); }
bool TokOn(Token token) { return Tok(token) != 0.0; }
int32_t Whole(double value) { return TruncateSaturated<int32_t>(value); }
uint32_t EventValue(double value) { return static_cast<uint32_t>(Whole(value)); }
void Send(uint32_t event, uint32_t value = 0) { TriggerKeyEvent(event, value); }
int32_t Clicked(SoundId sound) {
  PlayClick(sound);
  return 1;
}

bool Engaged() { return TokOn(Token::AutopilotEngaged) || TokOn(Token::FlightDirector); }
bool ModesFree() { return Engaged() && IsDfgsCaptureCondition() == 0; }
bool HighAltitude() { return Tok(Token::AltitudeFt) >= kDfgsMachAltitudeFt; }
bool InAir() { return !TokOn(Token::OnGround); }
double CurrentFpm() { return ReadVerticalSpeedFpm(); }

// Vertical-speed hold at the current rate, climbing free or descending to 0.
void HoldCurrentRate() {
  Send(kKeyEventVerticalSpeedSet, EventValue(CurrentFpm()));
  Send(kKeyEventAutopilotAltitudeSet, CurrentFpm() > 0.0 ? kDfgsClimbFreeAltitudeFt : 0);
}
void VsEntryFromThrust() {
  if (!TokOn(Token::AltitudeLock)) Send(kKeyEventAltitudeHoldEngage);
  HoldCurrentRate();
}
void VsEntryFromPitch() {
  Send(kKeyEventVerticalSpeedHold);
  HoldCurrentRate();
}
void CancelVnav() {
  if (IsDfgsVnav() != 0) SetDfgsThrustMode(kThrustTakeoffClamp);
  ClearDfgsVnav();
}
void EnterHeadingHold() {
  Send(kKeyEventHeadingBugSet, EventValue(Tok(Token::MagneticHeadingDeg)));
  Send(kKeyEventHeadingHold);
  SetDfgsRollMode(kRollHeadingHold);
}
void LeaveSpeedOnPitchForVs(void (*entry)()) {
  const int32_t pitch = GetDfgsPitchMode();
  if (pitch == kPitchIasOnPitch || pitch == kPitchMachOnPitch) {
    SetDfgsPitchMode(kPitchVerticalSpeed);
    entry();
  }
}

// ILS or AUTO LAND disarmed: the approach cancelled, the localizer modes
// (and with autoland its own roll modes) to heading hold, the glideslope
// modes (with autoland up to the rollout) to vertical speed.
void DisarmApproach(bool autoland) {
  Send(kKeyEventApproachHoldRelease);
  SetDfgsApproachMode(kApproachNone);
  SetDfgsModeE(kModeENone);
  if (autoland) SetSwitch(&g_autolandGroundArm, kSwitchOff);
  const int32_t roll = GetDfgsRollMode();
  if (roll == kRollLocalizerCapture || roll == kRollLocalizerTrack ||
      (autoland && roll >= kRollAutolandLocalizer && roll <= kRollRollout)) {
    EnterHeadingHold();
  }
  const int32_t pitch = GetDfgsPitchMode();
  if (pitch >= kPitchGlideslopeCapture && pitch <= (autoland ? kPitchRollout : kPitchGlideslopeTrack)) {
    SetDfgsPitchMode(kPitchVerticalSpeed);
    VsEntryFromThrust();
  }
}

// The FD switches and the AP lever: the first of them to come on picks the
// modes; otherwise only the simulator's own switch toggles.
int32_t EngageGuidance(uint32_t event, SoundId sound) {
  const bool first = !Engaged();
  Send(event);
  if (first) {
    if (!InAir()) {
      SetDfgsPitchMode(kPitchTakeoff);
      SetDfgsRollMode(kRollTakeoff);
      Send(kKeyEventHeadingBugSet, EventValue(Tok(Token::MagneticHeadingDeg)));
      Send(kKeyEventHeadingHold);
      SetDfgsModeE(kModeENone);
      if (GetSwitch(&g_autothrottleSwitch) == kSwitchOn) SetDfgsThrustMode(kThrustEprLimit);
      SetTrpMode(kTrpTakeoff);
    } else {
      Send(kKeyEventHeadingBugSet, EventValue(Tok(Token::MagneticHeadingDeg)));
      Send(kKeyEventHeadingHold);
      SetDfgsRollMode(kRollHeadingHold);
      Send(kKeyEventAltitudeHold);
      Send(kKeyEventAutopilotAltitudeSet, EventValue(Tok(Token::AltitudeFt)));
      SetDfgsPitchMode(kPitchAltitudeHold);
    }
  }
  return Clicked(sound);
}

int32_t SpeedStep(bool up) {
  const bool mach = GetDfgsSpeedView() != 0;
  Send(mach ? (up ? kKeyMachUp : kKeyMachDown) : (up ? kKeySpeedUp : kKeySpeedDown));
  if (GetDfgsThrustMode() == kThrustIasVmoLimit) SetDfgsThrustMode(kThrustIas);
  if (GetDfgsThrustMode() == kThrustMachMmoLimit) SetDfgsThrustMode(kThrustMach);
  if (IsDfgsFmsOverride() != 0) {
    if (mach) {
      SetDfgsMachTarget(Tok(Token::AutopilotMach));
    } else {
      SetDfgsIasTarget(Tok(Token::AutopilotAirspeedKt));
    }
  }
  return Clicked(kClickKnob);
}

int32_t SelectSpeed(bool mach, SoundId sound) {
  if (GetSwitch(&g_autothrottleSwitch) == kSwitchOn) {
    if (!TokOn(Token::AutothrottleArmed)) Send(kKeyEventAutothrottleArmToggle);
    if (mach) {
      if (!TokOn(Token::AutopilotMachHold)) Send(kKeyEventMachHold);
      SetDfgsThrustMode(kThrustMach);
      SetDfgsSpeedView(1);
    } else {
      if (!TokOn(Token::AutopilotAirspeedHold)) Send(kKeyEventAirspeedHold);
      SetDfgsThrustMode(kThrustIas);
      SetDfgsSpeedView(0);
    }
    LeaveSpeedOnPitchForVs(VsEntryFromPitch);
    CancelVnav();
  }
  return Clicked(sound);
}

// A new selected heading is flown at once in heading select.
void SelectedHeadingChanged() {
  if (GetDfgsRollMode() == kRollHeadingSelect) {
    Send(kKeyEventHeadingBugSet, EventValue(GetDfgsSelectedValue(kSelHeading)));
  }
}

int32_t HeadingStep(bool up) {
  up ? IncDfgsSelectedValue(kSelHeading) : DecDfgsSelectedValue(kSelHeading);
  SelectedHeadingChanged();
  return Clicked(kClickKnob);
}

// The HDG knob's halves: push (in) above, pull (out) below; each event flag
// of the call is handled in turn.
int32_t HeadingKnob(bool out, uint32_t flags) {
  const SoundId sound = out ? kClickButton1 : kClickButton2;
  if ((flags & platform::kMouseLeftSingle) != 0) {
    SetSwitch(&g_dfgsHeadingKnob, out ? kKnobOut : kKnobIn);
    if (ModesFree()) {
      if (out) {
        Send(kKeyEventHeadingBugSet, EventValue(GetDfgsSelectedValue(kSelHeading)));
        Send(kKeyEventHeadingHold);
        SetDfgsRollMode(kRollHeadingSelect);
      } else {
        EnterHeadingHold();
      }
    }
    PlayClick(sound);
  }
  if ((flags & platform::kMouseLeftRelease) != 0) SetSwitch(&g_dfgsHeadingKnob, kKnobReleased);
  if ((flags & platform::kMouseRightSingle) != 0) {
    Send(out ? kKeyBankDown : kKeyBankUp);
    PlayClick(sound);
  }
  if ((flags & platform::kMouseMove) != 0) SetSwitch(&g_headingKnobActivity, kSwitchOn);
  return 1;
}

// The pitch wheel and the pitch window's halves: nose down (AND) or up (ANU).
// In the wheel's own modes (none to take-off) it ends an altitude capture
// under way, so the pilot's new command is not overridden by the capture's
// target; in the approach modes and above it changes nothing.
int32_t PitchWheel(bool up) {
  if (ModesFree()) {
    if (GetDfgsPitchMode() < kPitchGlideslopeCapture && GetDfgsAltPreselectArm() == kAltArmCapturing) {
      SetDfgsAltPreselectArm(kAltArmOff);
    }
    switch (GetDfgsPitchMode()) {
      case kPitchNone:
      case kPitchAltitudeHold:
      case kPitchTakeoff:
        SetDfgsPitchMode(kPitchVerticalSpeed);
        Send(kKeyEventAutopilotAltitudeSet, up ? kDfgsClimbFreeAltitudeFt : 0);
        Send(kKeyEventVerticalSpeedSet, static_cast<uint32_t>(up ? 100 : -100));
        Send(kKeyEventVerticalSpeedHold);
        Send(up ? kKeyVsUp : kKeyVsDown);
        break;
      case kPitchVerticalSpeed:
        Send(up ? kKeyVsUp : kKeyVsDown);
        break;
      case kPitchIasOnPitch:
        up ? DecDfgsIasTarget() : IncDfgsIasTarget();  // nose up slows down
        break;
      case kPitchMachOnPitch:
        up ? DecDfgsMachTarget() : IncDfgsMachTarget();
        break;
      case kPitchTurbulence:
        up ? IncDfgsVsWheel() : DecDfgsVsWheel();
        break;
      default:
        break;
    }
    CancelVnav();
  }
  return Clicked(kClickKnob);
}

// The FMS learns of an altitude changed under VNAV.
void SelectedAltitudeChanged() {
  if (IsDfgsVnav() != 0) g_fms.SetAltPreselectFlag(1);
}

int32_t AltitudeStep(bool up) {
  up ? IncDfgsSelectedValue(kSelAltitude) : DecDfgsSelectedValue(kSelAltitude);
  PlayClick(kClickKnob);
  SelectedAltitudeChanged();
  return 1;
}

// ---- Windows ----

bool WindowsLit() {
  return IsPanelPowered() != 0 && GetSwitch(&g_fgcpDigitalSwitch) == kSwitchOn && IsDfgsTestActive() == 0;
}
bool LampTest() { return IsLampTestOn() != 0; }

// The frame of a small digit cell: blank unlit, 8 in the lamp test, else `frame`.
double Cell(double frame) {
  if (!WindowsLit()) return kSmallBlank;
  return LampTest() ? 8.0 : frame;
}
double CellOf(double value, int64_t place) { return Cell(DigitOf(value, place)); }

double SelectedAltitude() { return GetDfgsSelectedValue(kSelAltitude); }
double SelectedHeading() { return std::trunc(GetDfgsSelectedValue(kSelHeading)); }
double ApAirspeed() { return std::trunc(Tok(Token::AutopilotAirspeedKt)); }

// Large altitude cells: the filler in leading places below their value.
double LargeAltitudeCell(int64_t place) {
  if (!WindowsLit()) return kLargeBlank;
  if (LampTest()) return 8.0;
  const double a = SelectedAltitude();
  return a >= static_cast<double>(place) ? DigitOf(a, place) : kLargeFiller;
}

// The speed window: the autopilot's own airspeed or Mach value.
double SpeedCell(int32_t cell) {
  if (!WindowsLit()) return kSmallBlank;
  if (LampTest()) return cell == 1 ? kSmallPoint : 8.0;
  if (GetDfgsSpeedView() == 0) {
    const double a = ApAirspeed();
    switch (cell) {
      case 1: return kSmallBlank;
      case 2: return DigitOf(a, 100);
      case 3: return DigitOf(a, 10);
      default: return DigitOf(a, 1);
    }
  }
  const double m = Tok(Token::AutopilotMach);
  switch (cell) {
    case 1: return kSmallPoint;
    case 2: return DigitOf(m * 10.0, 1);
    case 3: return DigitOf(m * 100.0, 1);
    default: return 0.0;
  }
}

// The pitch window's content by the pitch mode.
struct PitchWindow {
  double legend;
  double sign;
  double digits[4];
};

double SignOf(double value, double threshold) {
  if (value >= threshold && value > 0.0) return kSignPlus;
  if (value <= -threshold && value < 0.0) return kSignMinus;
  return kSignBlank;
}

void RateDigits(double fpm, double (&digits)[4]) {
  const double v = std::isfinite(fpm) ? std::trunc(std::min(std::fabs(fpm), 9900.0)) : 0.0;
  digits[0] = DigitOf(v, 1000);
  digits[1] = DigitOf(v, 100);
  digits[2] = 0;
  digits[3] = 0;
}

PitchWindow ComputePitchWindow() {
  if (!WindowsLit()) return {kLegendBlank, kSignBlank, {kSmallBlank, kSmallBlank, kSmallBlank, kSmallBlank}};
  if (LampTest()) return {kLegendAll, kSignPlus, {8, 8, 8, 8}};
  PitchWindow w{kLegendBlank, kSignBlank, {kSmallBlank, kSmallBlank, kSmallBlank, kSmallBlank}};
  const double s = CurrentFpm();
  const double t = Tok(Token::AutopilotVerticalSpeedFpm);
  const bool capturing = GetDfgsAltPreselectArm() == kAltArmCapturing;
  switch (GetDfgsPitchMode()) {
    case kPitchVerticalSpeed:
      w.legend = kLegendV;
      w.sign = SignOf(t, 0.0);
      RateDigits(capturing ? s : t, w.digits);
      break;
    case kPitchAltitudeHold:
      w.sign = SignOf(s, 100.0);
      RateDigits(s, w.digits);
      break;
    case kPitchTakeoff:
      w.legend = kLegendV;
      RateDigits(s, w.digits);
      break;
    case kPitchIasOnPitch: {
      const double i = std::trunc(GetDfgsIasTarget());
      w.legend = kLegendS;
      w.digits[1] = DigitOf(i, 100);
      w.digits[2] = DigitOf(i, 10);
      w.digits[3] = DigitOf(i, 1);
      break;
    }
    case kPitchMachOnPitch: {
      const double m = GetDfgsMachTarget();
      w.legend = kLegendM;
      w.digits[0] = kSmallPoint;
      w.digits[1] = DigitOf(m * 10.0, 1);
      w.digits[2] = DigitOf(m * 100.0, 1);
      w.digits[3] = 0;
      break;
    }
    case kPitchTurbulence: {
      const int32_t wheel = std::abs(GetDfgsVsWheel());
      w.legend = kLegendP;
      w.sign = SignOf(t, 0.0);
      w.digits[2] = wheel == 10 ? 1 : kSmallBlank;
      w.digits[3] = wheel % 10;
      break;
    }
    default:
      break;
  }
  if (capturing) w.legend = kLegendBlank;
  return w;
}

// The bank-limit box: near-black text on white, one line of at most 14
// characters (UTF-8, as every narrow text of the module: the degree sign
// takes two bytes).
char g_bankBoxText[16] = "";
constexpr uint32_t kBankBoxInk = 0x050505;
constexpr uint32_t kBankBoxPaper = 0xFFFFFF;

constinit ElementChain g_elements({
    StaticImage("panel face"),
    StaticImage("backlit legends", 1, 0, kLit),
    Icon("ALT knob", 461, 50, 2, DfgsElemAltitudeKnob),
    Icon("HDG knob", 216, 53, 3, DfgsElemHeadingKnob),
    Icon("altitude units", 476, 17, 12, DfgsElemAltitudeUnits, kLit),
    Icon("altitude tens", 464, 17, 12, DfgsElemAltitudeTens, kLit),
    Icon("altitude hundreds", 452, 17, 12, DfgsElemAltitudeHundreds, kLit),
    Icon("altitude thousands", 436, 14, 12, DfgsElemAltitudeThousands, kLit),
    Icon("altitude ten-thousands", 422, 14, 12, DfgsElemAltitudeTenThousands, kLit),
    Icon("pitch fourth digit", 320, 17, 12, DfgsElemPitchDigit4, kLit),
    Icon("pitch third digit", 308, 17, 12, DfgsElemPitchDigit3, kLit),
    Icon("pitch second digit", 296, 17, 12, DfgsElemPitchDigit2, kLit),
    Icon("pitch first digit", 284, 17, 12, DfgsElemPitchDigit1, kLit),
    Icon("pitch sign", 272, 17, 3, DfgsElemPitchSign, kLit),
    Icon("pitch legend", 258, 17, 6, DfgsElemPitchLegend, kLit),
    Icon("heading units", 236, 17, 12, DfgsElemHeadingUnits, kLit),
    Icon("heading tens", 224, 17, 12, DfgsElemHeadingTens, kLit),
    Icon("heading hundreds", 212, 17, 12, DfgsElemHeadingHundreds, kLit),
    Icon("DFGS 1/2 selector", 372, 84, 2, DfgsElemDfgcSelector),
    {.kind = platform::ElementKind::Icon, .x = 397, .y = 53, .callback = DfgsElemTokenSwitch, .name = "AP ON lever",
     .token = TokenNumber(Token::AutopilotEngaged), .frameCount = 2},
    {.kind = platform::ElementKind::Icon, .x = 505, .y = 16, .callback = DfgsElemTokenSwitch,
     .name = "right FD switch", .token = TokenNumber(Token::FlightDirector), .frameCount = 2},
    {.kind = platform::ElementKind::Icon, .x = 15, .y = 10, .callback = DfgsElemTokenSwitch,
     .name = "left FD switch", .token = TokenNumber(Token::FlightDirector), .frameCount = 2},
    Icon("AUTO THROT switch", 138, 53, 2, DfgsElemAutothrottleSwitch),
    Icon("speed fourth cell", 110, 17, 12, DfgsElemSpeed4, kLit),
    Icon("speed third cell", 98, 17, 12, DfgsElemSpeed3, kLit),
    Icon("speed second cell", 86, 17, 12, DfgsElemSpeed2, kLit),
    Icon("speed first cell", 76, 17, 12, DfgsElemSpeed1, kLit),
    StaticImage("click areas", 1, 0),
    BoundTo(InColors(TextElement("bank-limit box", 201, 94, 90, 15, DfgsElemBankBox, "Lucida Console", 400),
                     kBankBoxInk, kBankBoxPaper),
            Token::BankLimitRad),
});

constexpr uint32_t kLegendsElement = 1;
constexpr uint32_t kClickAreasElement = 27;
constexpr uint32_t kBankBoxElement = 28;

}  // namespace

platform::ELEMENT_HEADER* DfgsElements() { return g_elements.Head(); }

void DfgsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, kLegendsElement, IsFgcpLightOn() != 0);
  ShowClickAreas(gauge, kClickAreasElement);
  ShowElement(gauge, kBankBoxElement, GetSwitch(&g_headingKnobActivity) == kSwitchOn);
}

// ---- Element callbacks ----

double DfgsElemAltitudeKnob(ELEMENT_HEADER*) { return GetSwitch(&g_dfgsAltitudeKnob) == kAltKnobPushed ? 1 : 0; }
double DfgsElemHeadingKnob(ELEMENT_HEADER*) {
  switch (GetSwitch(&g_dfgsHeadingKnob)) {
    case kKnobReleased: return 1;
    case kKnobOut: return 2;
    default: return 0;
  }
}
double DfgsElemAltitudeUnits(ELEMENT_HEADER*) { return Cell(0); }
double DfgsElemAltitudeTens(ELEMENT_HEADER*) { return Cell(0); }
double DfgsElemAltitudeHundreds(ELEMENT_HEADER*) { return CellOf(SelectedAltitude(), 100); }
double DfgsElemAltitudeThousands(ELEMENT_HEADER*) { return LargeAltitudeCell(1000); }
double DfgsElemAltitudeTenThousands(ELEMENT_HEADER*) { return LargeAltitudeCell(10000); }
double DfgsElemPitchDigit4(ELEMENT_HEADER*) { return ComputePitchWindow().digits[3]; }
double DfgsElemPitchDigit3(ELEMENT_HEADER*) { return ComputePitchWindow().digits[2]; }
double DfgsElemPitchDigit2(ELEMENT_HEADER*) { return ComputePitchWindow().digits[1]; }
double DfgsElemPitchDigit1(ELEMENT_HEADER*) { return ComputePitchWindow().digits[0]; }
double DfgsElemPitchSign(ELEMENT_HEADER*) { return ComputePitchWindow().sign; }
double DfgsElemPitchLegend(ELEMENT_HEADER*) { return ComputePitchWindow().legend; }
double DfgsElemHeadingUnits(ELEMENT_HEADER*) { return CellOf(SelectedHeading(), 1); }
double DfgsElemHeadingTens(ELEMENT_HEADER*) { return CellOf(SelectedHeading(), 10); }
double DfgsElemHeadingHundreds(ELEMENT_HEADER*) { return CellOf(SelectedHeading(), 100); }
double DfgsElemDfgcSelector(ELEMENT_HEADER*) { return GetDfgc() != 0 ? 1 : 0; }
// The simulator's switch as the element's token holds it; a value the
// two-frame picture cannot show reads as on.
double DfgsElemTokenSwitch(ELEMENT_HEADER* element) {
  return element != nullptr && element->tokenValue != 0.0 ? 1.0 : 0.0;
}
double DfgsElemAutothrottleSwitch(ELEMENT_HEADER*) { return GetSwitch(&g_autothrottleSwitch) == kSwitchOn ? 1 : 0; }
double DfgsElemSpeed4(ELEMENT_HEADER*) { return SpeedCell(4); }
double DfgsElemSpeed3(ELEMENT_HEADER*) { return SpeedCell(3); }
double DfgsElemSpeed2(ELEMENT_HEADER*) { return SpeedCell(2); }
double DfgsElemSpeed1(ELEMENT_HEADER*) { return SpeedCell(1); }

double DfgsElemBankBox(ELEMENT_HEADER* element) {
  const double v = element != nullptr ? element->tokenValue : 0.0;
  const int32_t degrees = TruncateSaturated<int32_t>(57.29577951308232 * v + 0.5);
  std::snprintf(g_bankBoxText, sizeof g_bankBoxText, "Max Bank: %2d\u00b0", std::clamp(degrees, -99, 99));
  if (element != nullptr) element->text = g_bankBoxText;
  return std::isfinite(v) ? v : 0.0;
}

// ---- Mouse functions ----

int32_t DfgsMouseSpeedInc(platform::PixelPoint, uint32_t) { return SpeedStep(true); }
int32_t DfgsMouseSpeedDec(platform::PixelPoint, uint32_t) { return SpeedStep(false); }

int32_t DfgsMouseSpeedView(platform::PixelPoint, uint32_t) {
  ToggleDfgsSpeedView();
  return Clicked(kClickButton1);
}

int32_t DfgsMouseAutothrottleSwitch(platform::PixelPoint, uint32_t) {
  const int32_t position = GetSwitch(&g_autothrottleSwitch);
  if (position == kSwitchOff) {
    SetSwitch(&g_autothrottleSwitch, kSwitchOn);
    ClearAutothrottleDisconnect();
    if (!TokOn(Token::AutothrottleArmed)) Send(kKeyEventAutothrottleArmToggle);
    if (InAir()) {
      if (!HighAltitude()) {
        SetDfgsThrustMode(kThrustIas);
        SetDfgsSpeedView(0);
        Send(kKeyEventAirspeedHold);
      } else {
        SetDfgsThrustMode(kThrustMach);
        SetDfgsSpeedView(1);
        Send(kKeyEventMachHold);
      }
      LeaveSpeedOnPitchForVs(VsEntryFromThrust);
    }
    if (GetOption(kOptionTurnOffFoCallouts) == 0) PlaySound(kCalloutAutothrottleOn, 0);
  } else {
    if (position != kSwitchOn) SetSwitch(&g_autothrottleSwitch, kSwitchOff);
    DisengageAutothrottle();
  }
  return Clicked(kClickGuarded1);
}

int32_t DfgsMouseFlightDirector(platform::PixelPoint, uint32_t) {
  return EngageGuidance(kKeyEventFlightDirectorToggle, kClickToggle2);
}
int32_t DfgsMouseApMaster(platform::PixelPoint, uint32_t) { return EngageGuidance(kKeyApMaster, kClickGuarded2); }

int32_t DfgsMouseDfgsSelect(platform::PixelPoint, uint32_t) {
  ToggleDfgc();
  return Clicked(kClickToggle2);
}

int32_t DfgsMouseHeadingDec(platform::PixelPoint, uint32_t) { return HeadingStep(false); }
int32_t DfgsMouseHeadingInc(platform::PixelPoint, uint32_t) { return HeadingStep(true); }
int32_t DfgsMouseHeadingSwitchIn(platform::PixelPoint, uint32_t flags) { return HeadingKnob(false, flags); }
int32_t DfgsMouseHeadingSwitchOut(platform::PixelPoint, uint32_t flags) { return HeadingKnob(true, flags); }

int32_t DfgsMouseVsDec(platform::PixelPoint, uint32_t) { return PitchWheel(false); }
int32_t DfgsMouseVsInc(platform::PixelPoint, uint32_t) { return PitchWheel(true); }

int32_t DfgsMouseAltitudePreselect(platform::PixelPoint, uint32_t flags) {
  if ((flags & platform::kMouseLeftSingle) != 0) {
    SetSwitch(&g_dfgsAltitudeKnob, kAltKnobPushed);
    const int32_t arm = GetDfgsAltPreselectArm();
    if (arm == kAltArmArmed) {
      SetDfgsAltPreselectArm(kAltArmOff);
    } else if (ModesFree()) {
      SetDfgsAltPreselectArm(kAltArmArmed);
    }
  }
  if ((flags & platform::kMouseLeftRelease) != 0) SetSwitch(&g_dfgsAltitudeKnob, kAltKnobReleased);
  return Clicked(kClickButton1);
}

int32_t DfgsMouseAltitudeDec(platform::PixelPoint, uint32_t) { return AltitudeStep(false); }
int32_t DfgsMouseAltitudeInc(platform::PixelPoint, uint32_t) { return AltitudeStep(true); }

int32_t DfgsMouseFmsOverride(platform::PixelPoint, uint32_t) {
  ToggleDfgsFmsOverride();
  return Clicked(kClickButton2);
}

int32_t DfgsMouseSpeedSelect(platform::PixelPoint, uint32_t) { return SelectSpeed(false, kClickButton1); }
int32_t DfgsMouseMachSelect(platform::PixelPoint, uint32_t) { return SelectSpeed(true, kClickButton2); }

int32_t DfgsMouseEprLim(platform::PixelPoint, uint32_t) {
  if (GetSwitch(&g_autothrottleSwitch) == kSwitchOn && GetTrpMode() != 0) {
    if (TokOn(Token::AutothrottleArmed)) Send(kKeyEventAutothrottleArmToggle);
    SetDfgsThrustMode(kThrustEprLimit);
  }
  return Clicked(kClickButton1);
}

int32_t DfgsMouseLnav(platform::PixelPoint, uint32_t) {
  if (ModesFree()) {
    if (IsDfgsRollMode3To5() != 0) {
      Send(kKeyNavHoldOff);
      SetDfgsRollMode(kRollNone);
    } else {
      Send(kKeyEventHeadingHold);
      SetDfgsRollMode(kRollLnavFar);
    }
  }
  return Clicked(kClickButton2);
}

int32_t DfgsMouseVor(platform::PixelPoint, uint32_t) {
  if (ModesFree()) {
    if (TokOn(Token::Nav1Lock)) {
      SetDfgsModeE(kModeENone);
      Send(kKeyEventNavHoldOff);
    } else {
      Send(kKeyEventNavHoldOn);
    }
  }
  return Clicked(kClickButton2);
}

int32_t DfgsMouseIls(platform::PixelPoint, uint32_t) {
  if (ModesFree()) {
    if (GetDfgsApproachMode() == kApproachIls) {
      DisarmApproach(false);
    } else {
      g_ilsAlertLatch = 0;
      Send(kKeyEventApproachKey);
      SetDfgsApproachMode(kApproachIls);
    }
  }
  return Clicked(kClickButton2);
}

int32_t DfgsMouseAutoland(platform::PixelPoint, uint32_t) {
  if (Engaged()) {
    if (GetDfgsApproachMode() == kApproachAutoland || GetSwitch(&g_autolandGroundArm) == kAutolandGroundArmShown) {
      DisarmApproach(true);
    } else {
      if (!InAir()) SetSwitch(&g_autolandGroundArm, kAutolandGroundArmShown);
      g_autolandAlertLatch = 0;
      if (IsNavPairMatched() != 0 && InAir()) {
        Send(kKeyEventApproachKey);
        SetDfgsApproachMode(kApproachAutoland);
      }
    }
  }
  return Clicked(kClickButton2);
}

int32_t DfgsMouseVs(platform::PixelPoint, uint32_t) {
  if (ModesFree()) {
    if (GetDfgsPitchMode() == kPitchVerticalSpeed) {
      SetDfgsPitchMode(kPitchNone);
    } else {
      if (GetDfgsAltPreselectArm() == kAltArmCapturing) SetDfgsAltPreselectArm(kAltArmOff);
      SetDfgsPitchMode(kPitchVerticalSpeed);
      VsEntryFromPitch();
      CancelVnav();
    }
  }
  return Clicked(kClickButton1);
}

namespace {

void TargetForPitchMode(int32_t mode) {
  if (mode == kPitchMachOnPitch) {
    SetDfgsMachTarget(ReadMach());
  } else {
    SetDfgsIasTarget(Tok(Token::IndicatedAirspeedKt));
  }
}

}  // namespace

int32_t DfgsMouseIasMach(platform::PixelPoint, uint32_t) {
  if (ModesFree()) {
    const int32_t pitch = GetDfgsPitchMode();
    if (pitch == kPitchIasOnPitch || pitch == kPitchMachOnPitch) {
      const int32_t next = pitch == kPitchIasOnPitch ? kPitchMachOnPitch : kPitchIasOnPitch;
      SetDfgsPitchMode(next);
      TargetForPitchMode(next);
    } else {
      const int32_t next = HighAltitude() ? kPitchMachOnPitch : kPitchIasOnPitch;
      SetDfgsPitchMode(next);
      Send(kKeyEventBeforeSpeedCapture);
      Send(kKeyEventAirspeedHoldOff);
      Send(kKeyEventVerticalSpeedHold);
      Send(kKeyEventAutopilotAltitudeSet, 0);
      Send(kKeyEventVerticalSpeedSet, EventValue(CurrentFpm()));
      TargetForPitchMode(next);
      const int32_t thrust = GetDfgsThrustMode();
      if (TokOn(Token::AutothrottleArmed) && (thrust == kThrustIas || thrust == kThrustMach)) {
        Send(kKeyEventAutothrottleArmToggle);
        SetDfgsThrustMode(kThrustIasMachButton);
      }
      if (TokOn(Token::AutopilotEngaged)) Send(kKeyApproachToggle);
    }
    CancelVnav();
  }
  return Clicked(kClickButton1);
}

int32_t DfgsMouseVnav(platform::PixelPoint, uint32_t) {
  if (Engaged()) {
    UpdateDfgsVnav();
    if (TokOn(Token::AutopilotEngaged)) Send(kKeyApproachToggle);
  }
  g_fms.SetAltPreselectFlag(0);
  return Clicked(kClickButton2);
}

int32_t DfgsMouseAltitudeHold(platform::PixelPoint, uint32_t) {
  if (ModesFree()) {
    SetDfgsPitchMode(kPitchAltitudeHold);
    Send(kKeyEventAltitudeHold);
    Send(kKeyEventAutopilotAltitudeSet, EventValue(Tok(Token::AltitudeFt)));
    // The autothrottle holds the speed whatever mode it was in; the
    // simulator's hold is asked for only when it is not on already.
    if (TokOn(Token::AutothrottleArmed)) {
      const bool mach = HighAltitude();
      SetDfgsThrustMode(mach ? kThrustMach : kThrustIas);
      const Token hold = mach ? Token::AutopilotMachHold : Token::AutopilotAirspeedHold;
      if (!TokOn(hold)) Send(mach ? kKeyEventMachHold : kKeyEventAirspeedHold);
    }
    SetDfgsAltPreselectArm(kAltArmOff);
    CancelVnav();
  }
  return Clicked(kClickButton1);
}

int32_t DfgsMouseTurbulence(platform::PixelPoint, uint32_t) {
  if (ModesFree()) {
    SetDfgsRollMode(kRollTurbulence);
    Send(kKeyTurbulence);
    SetDfgsPitchMode(kPitchTurbulence);
    VsEntryFromThrust();
    SetDfgsVsWheel(std::clamp(Whole(CurrentFpm() / kVsWheelStepFpm), -10, 10));
    DisengageAutothrottle();
    SetDfgsAltPreselectArm(kAltArmOff);
    SetDfgsModeE(kModeENone);
    CancelVnav();
  }
  return Clicked(kClickButton2);
}

// ---- The panel's controls by name ----
// The host's "control" command and the tests move the panel's controls by
// name through the mouse functions above, so a control moved by name sends
// what a click on it sends: the knobs and the pitch wheel take a signed
// number of clicks (+ up, nose up), the "_value" keys turn a knob to a value
// (feet, degrees; knots, or Mach x 1000 in the Mach view), the HDG knob takes
// 1 pulled and 0 pushed, the buttons any value. The HDG and ALT knobs are
// pushed and let go, as a mouse click does. The values (and the knobs that
// turn them) read back as the "_value" keys take them; the buttons and the
// spring-loaded HDG knob are actions with no position.

namespace {

using MouseFunction = int32_t (*)(platform::PixelPoint, uint32_t);

void Press(MouseFunction mouse) { mouse({0, 0}, platform::kMouseLeftSingle); }
void PressAndLetGo(MouseFunction mouse) {
  mouse({0, 0}, platform::kMouseLeftSingle);
  mouse({0, 0}, platform::kMouseLeftRelease);
}
// No knob is turned further than this at once, whatever it is asked.
constexpr int64_t kMostClicks = 999;
void Turn(int64_t clicks, MouseFunction up, MouseFunction down) {
  for (int64_t i = 0; i < std::min(std::abs(clicks), kMostClicks); ++i) Press(clicks > 0 ? up : down);
}

bool MachView() { return GetDfgsSpeedView() != 0; }
// The speed window: the simulator's autopilot speed, or its Mach x 1000.
int32_t SpeedWindowValue() {
  return static_cast<int32_t>(std::lround(MachView() ? Tok(Token::AutopilotMach) * 1000.0 : Tok(Token::AutopilotAirspeedKt)));
}
// The knob steps the simulator's speed a knot, or its Mach 0.01, a click.
void TurnSpeedTo(int32_t value) {
  const double toGo = static_cast<double>(value) - SpeedWindowValue();
  Turn(std::llround(std::clamp(MachView() ? toGo / 10.0 : toGo, -1e6, 1e6)), DfgsMouseSpeedInc, DfgsMouseSpeedDec);
}
int32_t HeadingValue() { return static_cast<int32_t>(SelectedHeading()); }
int32_t AltitudeValue() { return static_cast<int32_t>(std::lround(SelectedAltitude())); }
void TurnHeadingTo(int32_t degrees) {
  SetDfgsSelectedValue(kSelHeading, degrees);
  SelectedHeadingChanged();
}
void TurnAltitudeTo(int32_t feet) {
  SetDfgsSelectedValue(kSelAltitude, feet);
  SelectedAltitudeChanged();
}
// The AUTO THROT switch flipped when it is not where it is asked to be: 41
// on, 120 off (a scenario is refused any other code). From a position
// neither on nor off the first flip puts it off.
void MoveAutothrottleSwitch(int32_t position) {
  const int32_t now = GetSwitch(&g_autothrottleSwitch);
  if (position == kSwitchOn) {
    if (now != kSwitchOn && now != kSwitchOff) Press(DfgsMouseAutothrottleSwitch);
    if (now != kSwitchOn) Press(DfgsMouseAutothrottleSwitch);
  } else if (now != kSwitchOff) {
    Press(DfgsMouseAutothrottleSwitch);
  }
}

template <MouseFunction kMouse>
void PressButton(int32_t) {
  Press(kMouse);
}
template <MouseFunction kUp, MouseFunction kDown>
void TurnKnob(int32_t clicks) {
  Turn(clicks, kUp, kDown);
}

struct PanelControl {
  const wchar_t* key;
  ControlMover mover;
  ControlReader reader;
  ControlRange range;
  const char* action = kButtonPress;  // what a move is, without a reader
};
constexpr ControlRange kSpeedValues{0, 3200};  // knots, or Mach x 1000 to 3.2
constexpr ControlRange kHeadings{0, 359};
constexpr ControlRange kAltitudes{0, 50000};
constexpr PanelControl kPanelControls[] = {
    {L"speed_knob", TurnKnob<DfgsMouseSpeedInc, DfgsMouseSpeedDec>, SpeedWindowValue, {-999, 999}},
    {L"speed_value", TurnSpeedTo, SpeedWindowValue, kSpeedValues},
    {L"heading_value", TurnHeadingTo, HeadingValue, kHeadings},
    {L"altitude_value", TurnAltitudeTo, AltitudeValue, kAltitudes},
    {L"speed_view", PressButton<DfgsMouseSpeedView>, nullptr, kAnyPosition},
    {L"flight_director", PressButton<DfgsMouseFlightDirector>, nullptr, kAnyPosition},
    {L"autopilot", PressButton<DfgsMouseApMaster>, nullptr, kAnyPosition},
    {L"dfgc", PressButton<DfgsMouseDfgsSelect>, nullptr, kAnyPosition},
    {L"heading_knob", TurnKnob<DfgsMouseHeadingInc, DfgsMouseHeadingDec>, HeadingValue, {-360, 360}},
    {L"heading_switch",
     [](int32_t pulled) { PressAndLetGo(pulled != 0 ? DfgsMouseHeadingSwitchOut : DfgsMouseHeadingSwitchIn); },
     nullptr, {0, 1}, "a knob's push or pull"},
    {L"vs_wheel", TurnKnob<DfgsMouseVsInc, DfgsMouseVsDec>, nullptr, {-99, 99}, "the pitch wheel's turn"},
    {L"altitude_knob", TurnKnob<DfgsMouseAltitudeInc, DfgsMouseAltitudeDec>, AltitudeValue, {-500, 500}},
    {L"altitude_preselect", [](int32_t) { PressAndLetGo(DfgsMouseAltitudePreselect); }, nullptr, kAnyPosition,
     "a knob's push"},
    {L"fms_override", PressButton<DfgsMouseFmsOverride>, nullptr, kAnyPosition},
    {L"speed_select", PressButton<DfgsMouseSpeedSelect>, nullptr, kAnyPosition},
    {L"mach_select", PressButton<DfgsMouseMachSelect>, nullptr, kAnyPosition},
    {L"epr_limit", PressButton<DfgsMouseEprLim>, nullptr, kAnyPosition},
    {L"lnav", PressButton<DfgsMouseLnav>, nullptr, kAnyPosition},
    {L"vor", PressButton<DfgsMouseVor>, nullptr, kAnyPosition},
    {L"ils", PressButton<DfgsMouseIls>, nullptr, kAnyPosition},
    {L"autoland", PressButton<DfgsMouseAutoland>, nullptr, kAnyPosition},
    {L"vertical_speed", PressButton<DfgsMouseVs>, nullptr, kAnyPosition},
    {L"ias_mach", PressButton<DfgsMouseIasMach>, nullptr, kAnyPosition},
    {L"vnav", PressButton<DfgsMouseVnav>, nullptr, kAnyPosition},
    {L"altitude_hold", PressButton<DfgsMouseAltitudeHold>, nullptr, kAnyPosition},
    {L"turbulence", PressButton<DfgsMouseTurbulence>, nullptr, kAnyPosition},
    // Not on this panel: the TOGA buttons on the thrust levers.
    {L"toga", PressButton<TogaButtonMousePress>, nullptr, kAnyPosition},
};

void RegisterPanelControls() {
  for (const PanelControl& control : kPanelControls) {
    RegisterControl(L"FGCP PANEL", control.key, nullptr, control.mover, control.reader, control.range);
    DescribeControlAction(L"FGCP PANEL", control.key, control.action);
  }
  // The saved values of [DFGS] are moved and read as the panel's.
  constexpr const wchar_t* kSection = L"DFGS";
  RegisterControl(kSection, L"dfgc", nullptr,
                  [](int32_t dfgc) {
                    if ((dfgc != 0) != (GetDfgc() != 0)) Press(DfgsMouseDfgsSelect);
                  },
                  GetDfgc, ControlRange{0, 1});
  RegisterControl(kSection, L"dfgs.ap_altitude_preselect", nullptr, TurnAltitudeTo, AltitudeValue, kAltitudes);
  RegisterControl(kSection, L"dfgs.ap_heading_select", nullptr, TurnHeadingTo, HeadingValue, kHeadings);
  RegisterControl(kSection, L"dfgs.at_switch", &g_autothrottleSwitch, MoveAutothrottleSwitch);
  RefuseControlPositions(kSection, L"dfgs.at_switch", [](int32_t position) -> const char* {
    return position == kSwitchOn || position == kSwitchOff ? nullptr : "takes only the codes 41 on and 120 off";
  });
}
const ControlsAtLoad kPanelControlsAtLoad{RegisterPanelControls};

}  // namespace

}  // namespace halcyon
