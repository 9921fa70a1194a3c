// ADF, COMM, NAV and transponder panels.
#include "systems/radios.h"

#include <array>
#include <algorithm>

#include "core/controls.h"
#include "core/helpers.h"
#include "core/ini_values.h"
#include "core/panel_services.h"
#include "core/tick_scheduler.h"

namespace halcyon {

CSwitch g_adfTransferSwitch{};
CSwitch g_adfA1Switch{};
CSwitch g_adfAntennaSwitch{};
CSwitch g_comm1TransferSwitch{};
CSwitch g_comm1Squelch{};
CSwitch g_comm2TransferSwitch{};
CSwitch g_comm2Squelch{};
CSwitch g_transponderTransfer{};
CSwitch g_transponderAboveBelow{};
CSwitch g_transponderMode{};
CSwitch g_transponderIdent{};
CSwitch g_tcasRangeSwitch{};
CSwitch g_transponderReplyLamp{};
CSwitch g_transponderLamp{};
CSwitch g_tcasAbsAltitudeSwitch{};
CSwitch g_tcasTestSwitch{};

namespace {

// ---- ADF ----
constexpr const wchar_t* kAdfSection = L"ADF";
struct AdfWheelKey {
  const wchar_t* key;
  const wchar_t* defaultText;
};
constexpr AdfWheelKey kAdfWheelKeys[kAdfWheelCount] = {
    {L"adf1_100", L"3"}, {L"adf1_010", L"3"}, {L"adf1_001", L"6"}, {L"adf1_ext", L"0"},
    {L"adf2_100", L"3"}, {L"adf2_010", L"3"}, {L"adf2_001", L"6"}, {L"adf2_ext", L"0"},
};
constexpr SwitchKey kAdfSwitchKeys[] = {
    {&g_adfTransferSwitch, L"tfr_switch", L"74"},
    {&g_adfA1Switch, L"a1_switch", L"43"},
    {&g_adfAntennaSwitch, L"ant_switch", L"76"},
};
const SavedControls kAdfSwitchControls{kAdfSection, kAdfSwitchKeys};
// Each wheel shows one digit, 0..9. A value from the INI file or the host is
// held to them where it comes in: a hand-edited -1 would otherwise be wheel
// 4294967295, with a frequency and ext steps to match. Clicks keep the wheel
// there; the wheels are unsigned, and no step overflows.
std::array<uint32_t, kAdfWheelCount> g_adfWheels{};

bool IsAdfWheel(uint32_t k) { return k < kAdfWheelCount; }

constexpr uint32_t kAdfDigitMax = 9;
int32_t WheelDigit(int32_t value) { return std::clamp(value, 0, static_cast<int32_t>(kAdfDigitMax)); }

// The ADF wheels as saved controls, moved as their gauge's clicks set them.
template <uint32_t kWheel>
void MoveAdfWheel(int32_t digit) {
  SetAdfDigit(kWheel, WheelDigit(digit));
}
constexpr ControlMover kAdfWheelMovers[kAdfWheelCount] = {
    MoveAdfWheel<0>, MoveAdfWheel<1>, MoveAdfWheel<2>, MoveAdfWheel<3>,
    MoveAdfWheel<4>, MoveAdfWheel<5>, MoveAdfWheel<6>, MoveAdfWheel<7>,
};
template <uint32_t kWheel>
int32_t ReadAdfWheel() {
  return static_cast<int32_t>(g_adfWheels[kWheel]);
}
constexpr ControlReader kAdfWheelReaders[kAdfWheelCount] = {
    ReadAdfWheel<0>, ReadAdfWheel<1>, ReadAdfWheel<2>, ReadAdfWheel<3>,
    ReadAdfWheel<4>, ReadAdfWheel<5>, ReadAdfWheel<6>, ReadAdfWheel<7>,
};
void RegisterAdfWheels() {
  for (uint32_t k = 0; k < kAdfWheelCount; ++k) {
    RegisterControl(kAdfSection, kAdfWheelKeys[k].key, nullptr, kAdfWheelMovers[k], kAdfWheelReaders[k],
                    ControlRange{0, 9});
  }
}
const ControlsAtLoad kAdfWheelsAtLoad{RegisterAdfWheels};

void SendAdfHead(uint32_t firstWheel) {
  const auto wheel = [firstWheel](uint32_t n) { return g_adfWheels[firstWheel + n]; };
  TriggerKeyEvent(kKeyEventAdfSet, wheel(0) * 256 + wheel(1) * 16 + wheel(2));
  TriggerKeyEvent(kKeyEventAdfExtReset, 0);
  const uint32_t extSteps = std::min(g_adfWheels[firstWheel + 3], static_cast<uint32_t>(kAdfExtStepsMax));
  for (uint32_t step = 0; step < extSteps; ++step) TriggerKeyEvent(kKeyEventAdfExtStep, 0);
}

// ---- COMM ----
constexpr const wchar_t* kComm1Section = L"COMM1";
constexpr SwitchKey kComm1Keys[] = {
    {&g_comm1TransferSwitch, L"tfr_switch", L"79"},
    {&g_comm1Squelch, L"squelch", L"43"},
};
const SavedControls kComm1Controls{kComm1Section, kComm1Keys};
constexpr const wchar_t* kComm2Section = L"COMM2";
constexpr SwitchKey kComm2Keys[] = {
    {&g_comm2TransferSwitch, L"tfr_switch", L"81"},
    {&g_comm2Squelch, L"squelch", L"43"},
};
const SavedControls kComm2Controls{kComm2Section, kComm2Keys};
// The frequency tokens by radio (0, 1) and window (2 active, 3 standby).
constexpr Token kCommFrequencyTokens[2][2] = {
    {Token::Comm1Active, Token::Comm1Standby},
    {Token::Comm2Active, Token::Comm2Standby},
};
constexpr uint32_t kCommActiveWindow = 2;
constexpr uint32_t kCommStandbyWindow = 3;
constexpr int32_t kCommMhzLowest = 18;   // 118 MHz
constexpr int32_t kCommMhzHighest = 36;  // 136 MHz
constexpr int32_t kCommKhzHighest = 97;  // .975 MHz

// The four nibbles of "1ab.cd": a b for the megahertz, c d for the hundredths.
struct CommDigits {
  int32_t a, b, c, d;
};

CommDigits ToDigits(uint32_t bcd) {
  return {static_cast<int32_t>((bcd >> 12) & 0xF), static_cast<int32_t>((bcd >> 8) & 0xF),
          static_cast<int32_t>((bcd >> 4) & 0xF), static_cast<int32_t>(bcd & 0xF)};
}

uint32_t ToBcd(const CommDigits& f) {
  return static_cast<uint32_t>(f.a * 4096 + f.b * 256 + f.c * 16 + f.d);
}

void KeepMhzInBand(CommDigits& f) {
  const int32_t mhz = f.a * 10 + f.b;
  if (mhz > kCommMhzHighest) f.a = 1, f.b = 8;
  if (mhz < kCommMhzLowest) f.a = 3, f.b = 6;
}

void KeepKhzInBand(CommDigits& f) {
  if (f.c * 10 + f.d > kCommKhzHighest) f.c = 0, f.d = 0;
}

uint32_t ReadCommBcd(Token token) { return TruncateSaturated<uint32_t>(ReadToken(token)) & 0xFFFF; }

void TuneComm(Token token, uint32_t event, uint32_t (*change)(uint32_t)) {
  TriggerKeyEvent(event, change(ReadCommBcd(token)));
}

// ---- NAV ----
constexpr const wchar_t* kNavSection = L"NAV";
constexpr const wchar_t* kNavUnitKey = L"active_nav_unit";
constexpr double kCourseToRoll = 360.0;
uint32_t g_activeNavUnit = 0;

struct NavCourse {
  Token token;
  uint32_t upEvent;
  uint32_t downEvent;
};
constexpr NavCourse kNavCourses[] = {
    {Token::Nav1CourseDeg, kKeyEventNav1CourseUp, kKeyEventNav1CourseDown},
    {Token::Nav2CourseDeg, kKeyEventNav2CourseUp, kKeyEventNav2CourseDown},
};

// ---- Transponder ----
constexpr const wchar_t* kTransponderSection = L"TRANSPONDER";
constexpr SwitchKey kTransponderKeys[] = {
    {&g_transponderTransfer, L"transfer", L"83"},
    {&g_transponderAboveBelow, L"above_below", L"43"},
    {&g_transponderMode, L"mode", L"87"},
    {&g_transponderIdent, L"ident", L"120"},
    {&g_tcasRangeSwitch, L"tcas_range", L"102"},
};
const SavedControls kTransponderControls{kTransponderSection, kTransponderKeys};
// A mode no knob position gives; a hand-edited file may still hold it.
constexpr int32_t kReplyLampSteadyMode = 64;

bool IsReplyLampLit() {
  const int32_t mode = GetSwitch(&g_transponderMode);
  if (mode == kReplyLampSteadyMode) return true;
  // The reply flashes for one tick every two seconds.
  if (IsTickDue(kChannel2s) == 0) return false;
  return mode >= kTransponderModeFirstReplying && mode <= kTransponderModeLastReplying && IsSimVar60Set() == 0;
}

}  // namespace

// ---- ADF ----

void LoadAdf() {
  for (uint32_t k = 0; k < kAdfWheelCount; ++k) {
    const uint32_t digit = ReadIniIndex(kAdfSection, kAdfWheelKeys[k].key, kAdfWheelKeys[k].defaultText, kAdfDigitMax);
    SetAdfDigit(k, static_cast<int32_t>(digit));
  }
  LoadSwitches(kAdfSection, kAdfSwitchKeys);
}

void SaveAdf() {
  for (uint32_t k = 0; k < kAdfWheelCount; ++k) WriteIniInt(kAdfSection, kAdfWheelKeys[k].key, static_cast<int32_t>(g_adfWheels[k]));
  SaveSwitches(kAdfSection, kAdfSwitchKeys);
}

void IncAdfDigit(uint32_t k) {
  if (IsAdfWheel(k)) g_adfWheels[k] = g_adfWheels[k] + 1 > 9 ? 0 : g_adfWheels[k] + 1;
  SendAdfFrequency();
}

void DecAdfDigit(uint32_t k) {
  if (IsAdfWheel(k)) g_adfWheels[k] = g_adfWheels[k] == 0 ? 9 : g_adfWheels[k] - 1;
  SendAdfFrequency();
}

void SetAdfDigit(uint32_t k, int32_t value) {
  if (IsAdfWheel(k)) g_adfWheels[k] = static_cast<uint32_t>(value);
  SendAdfFrequency();
}

uint32_t GetAdfDigit(uint32_t k) { return IsAdfWheel(k) ? g_adfWheels[k] : 0; }

// Both heads tune the simulator's one ADF; the transfer switch chooses whose
// wheels it gets.
void SendAdfFrequency() {
  switch (GetSwitch(&g_adfTransferSwitch)) {
    case kAdfTransferAdf1: SendAdfHead(0); break;
    case kAdfTransferAdf2: SendAdfHead(kAdf2FirstWheel); break;
    default: break;
  }
}

// ---- COMM ----

void LoadComm() {
  LoadSwitches(kComm1Section, kComm1Keys);
  LoadSwitches(kComm2Section, kComm2Keys);
}

void SaveComm() {
  SaveSwitches(kComm1Section, kComm1Keys);
  SaveSwitches(kComm2Section, kComm2Keys);
}

uint32_t GetCommFrequencyDigit(uint32_t radio, uint32_t window, uint32_t digit) {
  if (radio > 1 || window < kCommActiveWindow || window > kCommStandbyWindow || digit < 1 || digit > 4) return 0;
  const uint32_t bcd = ReadCommBcd(kCommFrequencyTokens[radio][window - kCommActiveWindow]);
  return (bcd >> (4 * (4 - digit))) & 0xF;
}

uint32_t CommMhzUp(uint32_t bcd) {
  CommDigits f = ToDigits(bcd);
  if (f.a * 10 + f.b == kCommMhzHighest) {
    f.a = 1, f.b = 8;
  } else if (f.b == 9) {
    f.a += 1, f.b = 0;
  } else {
    f.b += 1;
  }
  KeepMhzInBand(f);
  return ToBcd(f);
}

uint32_t CommMhzDown(uint32_t bcd) {
  CommDigits f = ToDigits(bcd);
  if (f.a * 10 + f.b == kCommMhzLowest) {
    f.a = 3, f.b = 6;
  } else if (f.b == 0) {
    f.a -= 1, f.b = 9;
  } else {
    f.b -= 1;
  }
  KeepMhzInBand(f);
  return ToBcd(f);
}

// The hundredths of the 25-kHz steps are written 00, 02, 05, 07.
uint32_t CommKhzUp(uint32_t bcd) {
  CommDigits f = ToDigits(bcd);
  if (f.c * 10 + f.d == kCommKhzHighest) {
    f.c = 0, f.d = 0;
  } else if (f.d == 7) {
    f.c += 1, f.d = 0;
  } else {
    f.d = f.d == 5 ? 7 : f.d == 2 ? 5 : f.d == 0 ? 2 : 0;
  }
  KeepKhzInBand(f);
  return ToBcd(f);
}

uint32_t CommKhzDown(uint32_t bcd) {
  CommDigits f = ToDigits(bcd);
  if (f.c * 10 + f.d == 0) {
    f.c = 9, f.d = 7;
  } else if (f.d == 0) {
    f.c -= 1, f.d = 7;
  } else {
    f.d = f.d == 7 ? 5 : f.d == 5 ? 2 : 0;
  }
  KeepKhzInBand(f);
  return ToBcd(f);
}

void IncComm1Mhz() { TuneComm(Token::Comm1Active, kKeyEventComm1Set, CommMhzUp); }
void DecComm1Mhz() { TuneComm(Token::Comm1Active, kKeyEventComm1Set, CommMhzDown); }
void IncComm1Khz() { TuneComm(Token::Comm1Active, kKeyEventComm1Set, CommKhzUp); }
void DecComm1Khz() { TuneComm(Token::Comm1Active, kKeyEventComm1Set, CommKhzDown); }
void IncComm2Mhz() { TuneComm(Token::Comm2Active, kKeyEventComm2Set, CommMhzUp); }
void DecComm2Mhz() { TuneComm(Token::Comm2Active, kKeyEventComm2Set, CommMhzDown); }
void IncComm2Khz() { TuneComm(Token::Comm2Active, kKeyEventComm2Set, CommKhzUp); }
void DecComm2Khz() { TuneComm(Token::Comm2Active, kKeyEventComm2Set, CommKhzDown); }

// ---- NAV ----

void LoadNav() { SetActiveNavUnit(static_cast<uint32_t>(ReadIniInt(kNavSection, kNavUnitKey, L"0"))); }
void SaveNav() { WriteIniInt(kNavSection, kNavUnitKey, static_cast<int32_t>(IsNavUnit1Active())); }

void UpdateNav() {
  for (const NavCourse& course : kNavCourses) {
    if (ReadToken(course.token) != kCourseToRoll) continue;
    TriggerKeyEvent(course.upEvent, 0);
    TriggerKeyEvent(course.downEvent, 0);
  }
}

void SetActiveNavUnit(uint32_t n) { g_activeNavUnit = n == 1 ? 1 : 0; }
uint32_t IsNavUnit1Active() { return g_activeNavUnit == 1 ? 1 : 0; }
void ToggleActiveNavUnit() { g_activeNavUnit = g_activeNavUnit == 0 ? 1 : 0; }

// ---- Transponder ----

void LoadTransponder() {
  LoadSwitches(kTransponderSection, kTransponderKeys);
  RegisterControl(kTransponderSection, L"mode", &g_transponderMode, MoveTransponderMode);
  InitTimedSwitch(&g_transponderMode, kTransponderModeSpringTicks);
  SetSwitch(&g_transponderReplyLamp, kSwitchOff);
  SetSwitch(&g_transponderLamp, kSwitchOff);
  SetSwitch(&g_tcasAbsAltitudeSwitch, kSwitchOff);
  InitTimedSwitch(&g_tcasAbsAltitudeSwitch, kTcasAbsAltitudeTicks);
  SetSwitch(&g_tcasTestSwitch, kSwitchOff);
  InitTimedSwitch(&g_tcasTestSwitch, kTcasSelfTestTicks);
}

void SaveTransponder() { SaveSwitches(kTransponderSection, kTransponderKeys); }

void UpdateTransponder() {
  UpdateTimedSwitch(&g_tcasAbsAltitudeSwitch, kSwitchOn, kSwitchOff);
  UpdateTimedSwitch(&g_transponderMode, kTransponderModeTest, kTransponderModeStandby);
  UpdateTimedSwitch(&g_tcasTestSwitch, kSwitchOn, kSwitchOff);
  SetSwitch(&g_transponderReplyLamp, IsReplyLampLit() ? kSwitchOn : kSwitchOff);
}

void MoveTransponderMode(int32_t position) {
  SetSwitch(&g_transponderMode, position);
  if (GetSwitch(&g_transponderMode) == kTransponderModeTest) SetSwitch(&g_tcasTestSwitch, kSwitchOn);
}

}  // namespace halcyon
