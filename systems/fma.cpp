// The flight mode annunciator's cells and the autoflight alert lamps.
#include "systems/fma.h"

#include <array>

#include "core/controls.h"
#include "core/helpers.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"
#include "host/voice_queue.h"
#include "systems/annunciator_lamps.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/lights.h"
#include "systems/thrust_rating.h"

namespace halcyon {

CSwitch g_autopilotAlertSwitch{};
CSwitch g_fmaAutopilotDisconnectLamp{};
CSwitch g_fmaAutothrottleDisconnectLamp{};
CSwitch g_fmaAutopilotTrimLamp{};
uint32_t g_autolandAlertLatch = 1;
uint32_t g_ilsAlertLatch = 1;
uint32_t g_autopilotTrimLatch = 0;

namespace {

constexpr double kTrimLampThresholdRad = 0.33;
// Below 0.9 of the minimum speed with the autopilot or flight director on: SPD LOW.
constexpr double kSpeedLowFraction = 0.9;
// In a VNAV descent at idle, a throttle above this shows SPD rather than IDL.
constexpr double kDescentThrottleAboveIdle = 2000.0;
// A readout digit is taken a hair above its value, so that 0.29 reads 29 hundredths and not 28.
constexpr double kDigitTolerance = 1e-6;

using FmaLine = std::array<int32_t, kFmaMaxCells>;

constexpr int32_t CodeOf(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  switch (c) {
    case '/': return kFmaSlash;
    case ' ': return kFmaBlank;
    case '+': return kFmaPlus;
    case '-': return kFmaMinus;
    case '.': return kFmaPoint;
    default: return kFmaAllSegments;
  }
}

// A line from its text, one character a cell; cells past the text are blank.
constexpr FmaLine Text(const char* text) {
  FmaLine line{kFmaBlank, kFmaBlank, kFmaBlank, kFmaBlank};
  for (int32_t i = 0; i < kFmaMaxCells && text[i] != '\0'; ++i) line[i] = CodeOf(text[i]);
  return line;
}

constexpr FmaLine kBlank = Text("");
constexpr FmaLine kInvalid{kFmaAllSegments, kFmaAllSegments, kFmaAllSegments, kFmaAllSegments};

// One mode's two lines; a null text is "invalid".
struct ModeRow {
  const char* upper;
  const char* lower;
};

FmaLine RowLine(const ModeRow& row, int32_t line) {
  const char* text = line == 1 ? row.upper : row.lower;
  return text == nullptr ? kInvalid : Text(text);
}

template <size_t N>
FmaLine TableLine(const ModeRow (&table)[N], int32_t mode, int32_t line) {
  if (mode < 0 || mode >= static_cast<int32_t>(N)) return kInvalid;
  return RowLine(table[mode], line);
}

constexpr ModeRow kRollModes[] = {
    {"", ""},       {"HDG", "HLD"}, {"HDG", "SEL"}, {"NAV", "CAP"}, {"NAV", "TRK"}, {"NAV", "HLD"},
    {"WNG", "LVL"}, {"TAK", "OFF"}, {"LOC", "CAP"}, {"LOC", "TRK"}, {"VOR", "CAP"}, {"VOR", "TRK"},
    {"VOR", "CRS"}, {"AUT", "LND"}, {"ALN", ""},    {"ROL", "OUT"}, {"GO ", "RND"},
};

constexpr ModeRow kPitchModes[] = {
    {"", ""},           {"VERT", "SPD "},   {"IAS ", ""},       {"MACH", ""},       {"ALT ", "HLD "},
    {"TURB", ""},       {"TAK ", "OFF "},   {"G/S ", "CAP "},   {"G/S ", "TRK "},   {"NO  ", "FLR "},
    {"", ""},           {"AUT ", "LND "},   {"FLAR", ""},       {"ROL ", "OUT "},   {"GO  ", "RND "},
    {nullptr, nullptr}, {"VNAV", "CLB "},   {"VNAV", "LVL "},   {"VNAV", "DES "},   {"VNAV", "CAP "},
};

// Window 2, upper line, by the lateral arm and autoland status.
constexpr const char* kArmedModes[] = {"", "LOC", "VOR", "ILS", "LND", "AUT", "F/D", "MAN"};

// Window 1, lower line under " EPR", by the thrust rating; the flexible
// take-off rating (2) shows the assumed temperature instead.
constexpr const char* kRatingTexts[] = {"", " T/O", nullptr, " G/A", " MCT", " CL ", " CR "};

// Window 1 without VNAV: what the thrust mode's lower line shows.
enum class Lower { Text, Speed, Mach, TemperatureInFlex, Rating, Invalid };
struct ThrustRow {
  const char* upper;
  Lower lower;
  const char* lowerText;
};
constexpr ThrustRow kThrustModes[] = {
    {"", Lower::TemperatureInFlex, nullptr},  // 0
    {" SPD", Lower::Speed, nullptr},          // 1
    {" VMO", Lower::Text, " LIM"},            // 2
    {"MACH", Lower::Mach, nullptr},           // 3
    {" MMO", Lower::Text, " LIM"},            // 4
    {" EPR", Lower::Rating, nullptr},         // 5
    {nullptr, Lower::Invalid, nullptr},       // 6
    {"CLMP", Lower::Text, ""},                // 7
    {"CLMP", Lower::Text, ""},                // 8
    {"RETD", Lower::Text, ""},                // 9
    {"FLAP", Lower::Text, "LIM "},            // 10
    {nullptr, Lower::Invalid, nullptr},       // 11
    {" LOW", Lower::Text, " LIM"},            // 12
};

bool IsAutopilotOrDirectorOn() {
  return ReadToken(Token::AutopilotEngaged) != 0.0 || ReadToken(Token::FlightDirector) != 0.0;
}

int32_t Digit(double value) { return TruncateSaturated<int32_t>(value + kDigitTolerance); }

// " ddd": the hundreds are not reduced to one digit.
FmaLine SpeedReadout() {
  const int32_t knots = TruncateSaturated<int32_t>(ReadToken(Token::AutopilotAirspeedKt));
  return {kFmaBlank, knots / 100, (knots / 10) % 10, knots % 10};
}

// ".dd0"
FmaLine MachReadout() {
  const double mach = ReadToken(Token::AutopilotMach);
  return {kFmaPoint, Digit(mach * 10.0) % 10, Digit(mach * 100.0) % 10, 0};
}

FmaLine AssumedTemperatureReadout() {
  const int32_t temp = GetTrpAssumedTemp();
  return {kFmaBlank, temp >= 100 ? (temp / 100) % 10 : kFmaBlank, temp >= 10 ? (temp / 10) % 10 : kFmaBlank,
          temp % 10};
}

FmaLine FlightLevelReadout() {
  const int32_t feet = TruncateSaturated<int32_t>(GetDfgsSelectedValue(kSelAltitude));
  return {feet >= 10000 ? feet / 10000 : kFmaSuppressedDigit, feet >= 1000 ? (feet / 1000) % 10 : kFmaSuppressedDigit,
          (feet / 100) % 10, kFmaBlank};
}

FmaLine ThrustLowerLine(const ThrustRow& row) {
  switch (row.lower) {
    case Lower::Text: return Text(row.lowerText);
    case Lower::Speed: return SpeedReadout();
    case Lower::Mach: return MachReadout();
    case Lower::TemperatureInFlex:
      return GetTrpMode() == kTrpFlexTakeoff && IsAutopilotOrDirectorOn() ? AssumedTemperatureReadout() : kBlank;
    case Lower::Rating: {
      const int32_t rating = GetTrpMode();
      if (rating == kTrpFlexTakeoff) return AssumedTemperatureReadout();
      if (rating < 0 || rating >= static_cast<int32_t>(std::size(kRatingTexts))) return kInvalid;
      return Text(kRatingTexts[rating]);
    }
    case Lower::Invalid: break;
  }
  return kInvalid;
}

FmaLine VnavThrustLowerLine(int32_t thrustMode) {
  if (IsDfgsFmsOverride() != 0) return GetDfgsPitchMode() == kPitchMachOnPitch ? MachReadout() : SpeedReadout();
  switch (thrustMode) {
    case 1: case 2: case 3: case 4: case 6: case 8: case 9: case 10: case 11: case 13:
      return Text(" SPD");
    case 5: case 7:
      return Text(" EPR");
    case kThrustPathDescent: {
      const bool aboveIdle = ReadToken(Token::Engine1Throttle) > kDescentThrottleAboveIdle ||
                             ReadToken(Token::Engine2Throttle) > kDescentThrottleAboveIdle;
      return GetDfgsVnavPhase() == kVnavDescent && aboveIdle ? Text(" SPD") : Text(" IDL");
    }
    default:
      return kInvalid;
  }
}

FmaLine ThrustWindow(int32_t line) {
  const int32_t mode = GetDfgsThrustMode();
  if (IsDfgsVnav() != 0 && mode != kThrustOff) {
    if (line == 1) return IsDfgsFmsOverride() != 0 ? Text("OVRD") : Text(" FMS");
    return VnavThrustLowerLine(mode);
  }
  if (mode < 0 || mode >= static_cast<int32_t>(std::size(kThrustModes))) return kInvalid;
  const ThrustRow& row = kThrustModes[mode];
  if (row.upper == nullptr) return kInvalid;
  return line == 1 ? Text(row.upper) : ThrustLowerLine(row);
}

FmaLine ArmedWindow(int32_t line) {
  const int32_t modeE = GetDfgsModeE();
  if (line == 1) {
    if (modeE < 0 || modeE >= static_cast<int32_t>(std::size(kArmedModes))) return kInvalid;
    return Text(kArmedModes[modeE]);
  }
  switch (GetDfgsAltPreselectArm()) {
    case kAltArmOff:
      return modeE >= kModeEAutolandAutopilot && modeE <= kModeEAutolandNeither ? Text("G/A") : kBlank;
    case kAltArmArmed:
    case kAltArmCapturing:
      return GetOption(kOptionFmaFl) != 0 ? FlightLevelReadout() : Text("ALT");
    default:
      return kInvalid;
  }
}

FmaLine VnavPitchLowerLine() {
  const bool capturing = GetDfgsAltPreselectArm() == kAltArmCapturing;
  switch (GetDfgsVnavPhase()) {
    case kVnavNone: return kBlank;
    case kVnavClimb: return Text(capturing ? "CAP " : "CLB ");
    case kVnavCruise: return Text("CRZ ");
    case kVnavDescent: return Text(capturing ? "CAP " : "DES ");
    case kVnavLevel: return Text("LVL ");
    default: return kInvalid;
  }
}

FmaLine PitchWindow(int32_t line) {
  if (IsDfgsVnav() != 0) return line == 1 ? Text("VNAV") : VnavPitchLowerLine();
  const int32_t arm = GetDfgsAltPreselectArm();
  if (arm == kAltArmCapturing) return line == 1 ? Text("ALT ") : Text("CAP ");
  if (arm != kAltArmOff && arm != kAltArmArmed) return kInvalid;
  return TableLine(kPitchModes, GetDfgsPitchMode(), line);
}

int32_t CellCount(int32_t window) { return window == 1 || window == 4 ? 4 : 3; }

bool IsValidCell(int32_t window, int32_t line, int32_t cell) {
  if (window < 1 || window > kFmaWindowCount || line < 1 || line > kFmaLineCount) return false;
  return cell >= 1 && cell <= CellCount(window);
}

int32_t Cell(const FmaLine& line, int32_t cell) { return line[cell - 1]; }

FmaLine ModeLine(int32_t window, int32_t line) {
  switch (window) {
    case 1: return ThrustWindow(line);
    case 2: return ArmedWindow(line);
    case 3: return TableLine(kRollModes, GetDfgsRollMode(), line);
    default: return PitchWindow(line);
  }
}

constexpr ModeRow kPowerUpTest[kFmaWindowCount] = {{" PWR", ""}, {"UP ", ""}, {"TST", ""}, {"BOX1", ""}};
constexpr ModeRow kAutolandTest[kFmaWindowCount] = {{"AUTO", " LND"}, {"PRE", ""}, {"FLT", ""}, {"TEST", ""}};

// ALFA SPD: the autothrottle holds a speed below the minimum speed.
bool IsAlphaSpeed() {
  const int32_t mode = GetDfgsThrustMode();
  const bool speedMode = mode == kThrustIas || mode == kThrustMach || mode == kThrustRetard;
  return ReadToken(Token::AutothrottleArmed) != 0.0 && GetDfgsMinimumSpeed() > ReadToken(Token::AutopilotAirspeedKt) &&
         speedMode;
}

// SPD LOW: airborne and slower than 0.9 of the minimum speed on the autopilot or director.
bool IsSpeedLow() {
  return IsAutopilotOrDirectorOn() && IsSimVar60Set() == 0 &&
         kSpeedLowFraction * GetDfgsMinimumSpeed() > ReadToken(Token::IndicatedAirspeedKt);
}

// ATS OFF: the autothrottle switched off while VNAV is coupled.
bool IsAutothrottleOffInVnav() { return GetSwitch(&g_autothrottleSwitch) == kSwitchOff && IsDfgsVnav() != 0; }

FmaLine AutothrottleOffLine(int32_t line) {
  switch (GetDfgsThrustMode()) {
    case kThrustOff: return kBlank;
    case kThrustVnavNoAutothrottle: return line == 1 ? Text(" ATS") : Text(" OFF");
    default: return kInvalid;
  }
}

void Flash(CSwitch* lamp) { SetSwitch(lamp, GetSwitch(lamp) == kSwitchOn ? kSwitchOff : kSwitchOn); }

void FlashWhile(CSwitch* lamp, bool condition) {
  if (condition) {
    Flash(lamp);
  } else {
    SetSwitch(lamp, kSwitchOff);
  }
}

// An approach lamp: lit while its receivers disagree and the crew has not
// acknowledged; acknowledged again once they agree outside its approach.
void UpdateApproachLamp(CSwitch* lamp, uint32_t* latch, bool receiversOk, int32_t approach) {
  if (!receiversOk && *latch == 0) {
    SetSwitch(lamp, kSwitchOn);
  } else if (receiversOk && *latch == 0 && GetDfgsApproachMode() != approach) {
    *latch = 1;
  } else {
    SetSwitch(lamp, kSwitchOff);
  }
}

void UpdateAutopilotState() {
  if (ReadToken(Token::AutopilotEngaged) != 0.0) {
    SetSwitch(&g_autopilotAlertSwitch, kSwitchOn);
  } else if (GetSwitch(&g_autopilotAlertSwitch) == kSwitchOn) {
    SetSwitch(&g_autopilotAlertSwitch, kFmaAutopilotDisconnected);
    EnqueueVoiceMessage(kVoiceAutopilotDisconnect);
  }
}

void UpdateAutopilotTrimLamp() {
  const double trimRad = ReadToken(Token::ElevatorTrimRad);
  if (ReadToken(Token::AutopilotEngaged) == 0.0 || (trimRad >= -kTrimLampThresholdRad && trimRad <= kTrimLampThresholdRad)) {
    SetSwitch(&g_fmaAutopilotTrimLamp, kSwitchOff);
    g_autopilotTrimLatch = 0;
    return;
  }
  SetSwitch(&g_fmaAutopilotTrimLamp, g_autopilotTrimLatch == 0 ? kSwitchOn : kSwitchOff);
}

// The annunciator's three buttons, which the host and the tests press by name
// until the gauge is drawn.
void RegisterButtons() {
  RegisterControl(L"FMA", L"ats", nullptr, [](int32_t) { FmaAutothrottleButton(); });
  RegisterControl(L"FMA", L"ap", nullptr, [](int32_t) { FmaAutopilotButton(); });
  RegisterControl(L"FMA", L"reset", nullptr, [](int32_t) { FmaResetButton(); });
}

char CharOf(int32_t code) {
  if (code >= 0 && code <= 9) return static_cast<char>('0' + code);
  if (code >= 10 && code <= 35) return static_cast<char>('A' + code - 10);
  switch (code) {
    case kFmaSlash: return '/';
    case kFmaAllSegments: return '*';
    case kFmaBlank: return ' ';
    case kFmaPlus: return '+';
    case kFmaMinus: return '-';
    case kFmaPoint: return '.';
    case kFmaSuppressedDigit: return ' ';
    default: return '?';
  }
}

}  // namespace

double GetFmaLampState(int32_t code) {
  if (IsPanelPowered() == 0 || IsSideDigitalLightOn() == 0) return kFmaFrameBlank;
  if (IsLampTestOn() != 0) return kFmaFrameAllSegments;
  switch (code) {
    case kFmaAllSegments: return kFmaFrameAllSegments;
    case kFmaBlank: return kFmaFrameBlank;
    case kFmaPlus: return kFmaMinus;
    case kFmaMinus: return kFmaPlus;
    default: break;
  }
  if (code < 0 || code > kFmaSuppressedDigit) return kFmaFrameAllSegments;
  return code;
}

int32_t GetFmaTestLegend(int32_t window, int32_t line, int32_t cell) {
  if (!IsValidCell(window, line, cell)) return kFmaAllSegments;
  return Cell(RowLine(kPowerUpTest[window - 1], line), cell);
}

int32_t GetFmaAutolandTestLegend(int32_t window, int32_t line, int32_t cell) {
  if (!IsValidCell(window, line, cell)) return kFmaAllSegments;
  return Cell(RowLine(kAutolandTest[window - 1], line), cell);
}

int32_t ComputeFmaModes(int32_t window, int32_t line, int32_t cell) {
  if (!IsValidCell(window, line, cell)) return kFmaAllSegments;
  return Cell(ModeLine(window, line), cell);
}

int32_t GetFmaLegend(int32_t window, int32_t line, int32_t cell) {
  if (!IsValidCell(window, line, cell)) return kFmaAllSegments;
  if (IsLampTestOn() != 0) return kFmaAllSegments;
  if (IsDfgsTestActive() != 0) return GetFmaTestLegend(window, line, cell);
  if (GetSwitch(&g_autolandGroundArm) == kAutolandGroundArmShown) return GetFmaAutolandTestLegend(window, line, cell);
  if (window == 1 && IsAlphaSpeed()) return Cell(line == 1 ? Text("ALFA") : Text(" SPD"), cell);
  if (window == 4 && IsSpeedLow()) return Cell(line == 1 ? Text("SPD ") : Text("LOW "), cell);
  if (window == 1 && IsAutothrottleOffInVnav()) return Cell(AutothrottleOffLine(line), cell);
  return ComputeFmaModes(window, line, cell);
}

void FormatFmaLine(int32_t window, int32_t line, char* text, uint32_t size) {
  if (size == 0) return;
  uint32_t length = 0;
  if (window >= 1 && window <= kFmaWindowCount) {
    for (int32_t cell = 1; cell <= CellCount(window) && length + 1 < size; ++cell) {
      text[length++] = CharOf(GetFmaLegend(window, line, cell));
    }
  }
  text[length] = '\0';
}

void InitAutoflightAlerts() {
  RegisterButtons();
  SetSwitch(&g_autopilotAlertSwitch, kSwitchOff);
  for (CSwitch* lamp : {&g_fmaAutopilotDisconnectLamp, &g_fmaAutothrottleDisconnectLamp, &g_fmaAutopilotTrimLamp,
                        &g_fmaAutolandNavLamp, &g_fmaIlsGlideslopeLamp}) {
    SetSwitch(lamp, kSwitchOff);
  }
  g_autolandAlertLatch = 1;
  g_ilsAlertLatch = 1;
  g_autopilotTrimLatch = 0;
}

void UpdateAutoflightAlerts() {
  if (IsTickDue(kChannel3Hz) == 0) return;
  UpdateAutopilotState();
  FlashWhile(&g_fmaAutothrottleDisconnectLamp, IsAutothrottleDisconnect() != 0 &&
                                                   ReadToken(Token::Engine1Throttle) > 0.0 &&
                                                   ReadToken(Token::Engine2Throttle) > 0.0);
  FlashWhile(&g_fmaAutopilotDisconnectLamp, GetSwitch(&g_autopilotAlertSwitch) == kFmaAutopilotDisconnected);
  if (GetSwitch(&g_autolandGroundArm) == kAutolandGroundArmShown) {
    Flash(&g_fmaAutolandNavLamp);
  } else {
    UpdateApproachLamp(&g_fmaAutolandNavLamp, &g_autolandAlertLatch, IsNavPairMatched() != 0, kApproachAutoland);
  }
  UpdateApproachLamp(&g_fmaIlsGlideslopeLamp, &g_ilsAlertLatch, IsGlideslopeAvailable() != 0, kApproachIls);
  UpdateAutopilotTrimLamp();
}

void FmaAutothrottleButton() { ClearAutothrottleDisconnect(); }

void FmaAutopilotButton() { SetSwitch(&g_autopilotAlertSwitch, kSwitchOff); }

void FmaResetButton() {
  g_autolandAlertLatch = 1;
  g_ilsAlertLatch = 1;
  g_autopilotTrimLatch = 1;
  SetSwitch(&g_autopilotAlertSwitch, kSwitchOff);
  ClearAutothrottleDisconnect();
}

void ClearAutolandAlertLatch() { g_autolandAlertLatch = 0; }
void ClearIlsAlertLatch() { g_ilsAlertLatch = 0; }

}  // namespace halcyon

extern "C" int32_t HalcyonFmaText(char* text, int32_t size) {
  using halcyon::FormatFmaLine;
  constexpr int32_t kNeeded = 2 * (4 + 3 + 3 + 4 + 3) + 2;
  if (text == nullptr || size < kNeeded) return 0;
  int32_t length = 0;
  for (int32_t line = 1; line <= halcyon::kFmaLineCount; ++line) {
    for (int32_t window = 1; window <= halcyon::kFmaWindowCount; ++window) {
      FormatFmaLine(window, line, text + length, static_cast<uint32_t>(size - length));
      while (text[length] != '\0') ++length;
      text[length++] = window < halcyon::kFmaWindowCount ? '|' : (line == 1 ? '/' : '\0');
    }
  }
  return 1;
}
