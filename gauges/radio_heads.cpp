// The pedestal's radio heads. The ADF wheels and switches, the COMM transfer
// and squelch switches and the transponder's switches are the radio systems'
// records; the COMM frequencies and the transponder code live in the
// simulator (the code is the token bound to its digit elements). Reads the
// CPL panel and digital lights, panel power and the lamp test; drives the
// records, the radios' tuning and the simulator's radio key events.
#include "gauges/radio_heads.h"

#include <algorithm>

#include "core/helpers.h"
#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "gauges/switch_moves.h"
#include "systems/annunciator_lamps.h"
#include "systems/lights.h"
#include "systems/radios.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

bool At(const CSwitch& record, int32_t position) { return GetSwitch(&record) == position; }
double Frame(bool on) { return on ? 1.0 : 0.0; }

// ---- ADF --------------------------------------------------------------------
constexpr Move kAdfTransferMoves[] = {{kAdfTransferAdf1, kAdfTransferAdf2}, {kAdfTransferAdf2, kAdfTransferAdf1}};
constexpr int32_t kAdfA1 = 78;
constexpr int32_t kAdfNorm = 43;
constexpr int32_t kAdfAdf = 76;
constexpr int32_t kAdfAnt = 77;
constexpr Move kAdfA1Moves[] = {{kAdfNorm, kAdfA1}, {kAdfA1, kAdfNorm}};
constexpr Move kAdfAntMoves[] = {{kAdfAdf, kAdfAnt}, {kAdfAnt, kAdfAdf}};

// The wheels are mechanical: they show their digit powered or not.
template <uint32_t kWheel>
double AdfWheel(ELEMENT_HEADER*) {
  return GetAdfDigit(kWheel);
}

constexpr int32_t kAdfWheelY = 20;
constexpr int32_t kAdfWheelFrames = 10;
constexpr uint32_t kAdfRelitFirst = 5;
constexpr uint32_t kAdfRelitEnd = 17;
constexpr uint32_t kAdfClickAreas = 17;

constinit ElementChain g_adfElements({
    StaticImage("head"),
    StaticImage("panel light", 4, 20),
    Icon("ANT switch", 146, 73, 2, [](ELEMENT_HEADER*) { return Frame(At(g_adfAntennaSwitch, kAdfAnt)); }),
    Icon("A1 switch", 111, 73, 2, [](ELEMENT_HEADER*) { return Frame(At(g_adfA1Switch, kAdfNorm)); }),
    Icon("TFR switch", 114, 8, 2, [](ELEMENT_HEADER*) { return Frame(At(g_adfTransferSwitch, kAdfTransferAdf2)); }),
    StaticImage(".", 207, 20, kLit),
    StaticImage(".", 77, 20, kLit),
    Icon("ADF 2 ext", 215, kAdfWheelY, kAdfWheelFrames, AdfWheel<7>, kLit),
    Icon("ADF 2 units", 194, kAdfWheelY, kAdfWheelFrames, AdfWheel<6>, kLit),
    Icon("ADF 2 tens", 179, kAdfWheelY, kAdfWheelFrames, AdfWheel<5>, kLit),
    Icon("ADF 2 hundreds", 164, kAdfWheelY, kAdfWheelFrames, AdfWheel<4>, kLit),
    Icon("ADF 1 ext", 85, kAdfWheelY, kAdfWheelFrames, AdfWheel<3>, kLit),
    Icon("ADF 1 units", 64, kAdfWheelY, kAdfWheelFrames, AdfWheel<2>, kLit),
    Icon("ADF 1 tens", 49, kAdfWheelY, kAdfWheelFrames, AdfWheel<1>, kLit),
    Icon("ADF 1 hundreds", 34, kAdfWheelY, kAdfWheelFrames, AdfWheel<0>, kLit),
    // The bar lies over the window the transfer switch does not tune.
    Icon("ADF 2 bar", 163, 29, 2, [](ELEMENT_HEADER*) { return Frame(At(g_adfTransferSwitch, kAdfTransferAdf1)); },
         kLit),
    Icon("ADF 1 bar", 34, 29, 2, [](ELEMENT_HEADER*) { return Frame(At(g_adfTransferSwitch, kAdfTransferAdf2)); },
         kLit),
    StaticImage("click areas", 33, 1),
});

int32_t AdfWheelStep(void (*step)(uint32_t), uint32_t wheel) {
  step(wheel);
  PlayClick(kClickKnob);
  return 1;
}

// ---- COMM -------------------------------------------------------------------
// The knob steps in the order of their functions.
enum CommStep : uint32_t { kMhzUp, kMhzDown, kKhzUp, kKhzDown, kCommStepCount };
constexpr uint32_t kCommWindowA = 2;
constexpr uint32_t kCommWindowB = 3;

// One of the two heads: one build, two sets of constants.
struct CommHead {
  uint32_t radio;
  CSwitch* transfer;
  CSwitch* squelch;
  int32_t p;  // left window A, right window B
  int32_t q;  // left window B, right window A
  SoundId transferSound;
  uint32_t swapEvent;
  uint32_t stepEventsB[kCommStepCount];
  void (*stepsA[kCommStepCount])();
};

constexpr CommHead kCommHeads[] = {
    {0, &g_comm1TransferSwitch, &g_comm1Squelch, 79, 80, kClickGuarded1, 66372, {65637, 65636, 65639, 65638},
     {IncComm1Mhz, DecComm1Mhz, IncComm1Khz, DecComm1Khz}},
    {1, &g_comm2TransferSwitch, &g_comm2Squelch, 81, 82, kClickGuarded2, 66444, {66437, 66436, 66440, 66438},
     {IncComm2Mhz, DecComm2Mhz, IncComm2Khz, DecComm2Khz}},
};

// Which frequency a window shows: 0 when the transfer switch stands at
// neither position.
uint32_t CommWindowOf(const CommHead& head, bool leftWindow) {
  const int32_t transfer = GetSwitch(head.transfer);
  if (transfer != head.p && transfer != head.q) return 0;
  return (transfer == head.p) == leftWindow ? kCommWindowA : kCommWindowB;
}

// A digit wheel's frame: a nibble of a BCD value the simulator holds; one
// that is no decimal digit shows 9, the wheel's last frame.
constexpr uint32_t kLastDigit = 9;
double DigitFrame(uint32_t nibble) { return std::min(nibble, kLastDigit); }

template <uint32_t kRadio, bool kLeft, uint32_t kDigit>
double CommDigit(ELEMENT_HEADER*) {
  const uint32_t window = CommWindowOf(kCommHeads[kRadio], kLeft);
  return window == 0 ? 0.0 : DigitFrame(GetCommFrequencyDigit(kRadio, window, kDigit));
}

template <uint32_t kRadio, bool kAtQ>
double CommTransferAt(ELEMENT_HEADER*) {
  const CommHead& head = kCommHeads[kRadio];
  return Frame(At(*head.transfer, kAtQ ? head.q : head.p));
}

template <uint32_t kRadio>
double CommSquelch(ELEMENT_HEADER*) {
  return Frame(At(*kCommHeads[kRadio].squelch, kSwitchOn));
}

double LeadingOne(ELEMENT_HEADER*) { return 1.0; }

constexpr int32_t kCommDigitY = 20;
constexpr int32_t kCommDigitFrames = 10;
constexpr uint32_t kCommRelitFirst = 4;
constexpr uint32_t kCommRelitEnd = 18;
constexpr uint32_t kCommClickAreas = 18;

// Where the two heads' artwork differs.
struct CommLayout {
  int32_t overlayY;
  int32_t transferY;
  int32_t leftBarX;
};

template <uint32_t kRadio>
struct CommDefinitions {
  ELEMENT_HEADER elements[19];
};

template <uint32_t kRadio>
constexpr CommDefinitions<kRadio> MakeComm(const CommLayout& layout) {
  return {{
      StaticImage("head"),
      StaticImage("panel light", 0, layout.overlayY),
      Icon("squelch switch", 130, 71, 2, CommSquelch<kRadio>),
      Icon("transfer switch", 113, layout.transferY, 2, CommTransferAt<kRadio, true>),
      StaticImage(".", 202, 20, kLit),
      StaticImage(".", 71, 20, kLit),
      Icon("right digit 4", 222, kCommDigitY, kCommDigitFrames, CommDigit<kRadio, false, 4>, kLit),
      Icon("right digit 3", 208, kCommDigitY, kCommDigitFrames, CommDigit<kRadio, false, 3>, kLit),
      Icon("right digit 2", 191, kCommDigitY, kCommDigitFrames, CommDigit<kRadio, false, 2>, kLit),
      Icon("right digit 1", 177, kCommDigitY, kCommDigitFrames, CommDigit<kRadio, false, 1>, kLit),
      Icon("right leading 1", 163, kCommDigitY, kCommDigitFrames, LeadingOne, kLit),
      Icon("left digit 4", 91, kCommDigitY, kCommDigitFrames, CommDigit<kRadio, true, 4>, kLit),
      Icon("left digit 3", 77, kCommDigitY, kCommDigitFrames, CommDigit<kRadio, true, 3>, kLit),
      Icon("left digit 2", 60, kCommDigitY, kCommDigitFrames, CommDigit<kRadio, true, 2>, kLit),
      Icon("left digit 1", 46, kCommDigitY, kCommDigitFrames, CommDigit<kRadio, true, 1>, kLit),
      Icon("left leading 1", 32, kCommDigitY, kCommDigitFrames, LeadingOne, kLit),
      // The bar is lit over the window that shows frequency B.
      Icon("right bar", 163, 30, 2, CommTransferAt<kRadio, false>, kLit),
      Icon("left bar", layout.leftBarX, 30, 2, CommTransferAt<kRadio, true>, kLit),
      StaticImage("click areas"),
  }};
}

constinit ElementChain g_comm1Elements(MakeComm<0>({0, 7, 32}).elements);
constinit ElementChain g_comm2Elements(MakeComm<1>({1, 8, 31}).elements);

// A knob acts on the frequency its window shows: its own step for A, the
// simulator's step event for B; nothing (and no click) at another position.
int32_t CommKnob(uint32_t radio, bool leftWindow, CommStep step) {
  const CommHead& head = kCommHeads[radio];
  const uint32_t window = CommWindowOf(head, leftWindow);
  if (window == 0) return 1;
  if (window == kCommWindowA) {
    head.stepsA[step]();
  } else {
    TriggerKeyEvent(head.stepEventsB[step], 0);
  }
  PlayClick(kClickKnob);
  return 1;
}

// Every click has the simulator exchange A and B, so each window keeps its
// numbers while the bars change over.
int32_t CommTransfer(uint32_t radio) {
  const CommHead& head = kCommHeads[radio];
  const Move moves[] = {{head.p, head.q}, {head.q, head.p}};
  Throw(*head.transfer, {moves, head.p}, head.transferSound);
  TriggerKeyEvent(head.swapEvent, 0);
  return 1;
}

// The ADF and COMM heads: the CPL panel light's overlay on element 1, the
// click areas, and the windows relit by the same light.
void LitHeadCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uint32_t clickAreas, const RelightRange& range) {
  if (serviceId == platform::kServicePreInitialize) ArmRelight(gauge);
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, 1, IsCplPanelLightOn() != 0);
  ShowClickAreas(gauge, clickAreas);
  Relight(gauge, range, IsCplPanelLightOn2() != 0);
}

// ---- Transponder ------------------------------------------------------------
constexpr uint32_t kKeyEventCodeDigit1Up = 65651;
constexpr uint32_t kKeyEventCodeDigit1Down = 66455;
constexpr int32_t kAtc1 = 83;
constexpr int32_t kAtc2 = 84;
constexpr int32_t kAbove = 111;
constexpr int32_t kNorm = 43;
constexpr int32_t kBelow = 112;
constexpr int32_t kRange3 = 100;
constexpr int32_t kRange5 = 101;
constexpr int32_t kRange10 = 102;
constexpr int32_t kRange15 = 103;
constexpr int32_t kModeAltOff = 87;
constexpr int32_t kModeAltOn = 88;
constexpr int32_t kModeTa = 89;
constexpr int32_t kModeTaRa = 90;

constexpr Move kTransferMoves[] = {{kAtc1, kAtc2}, {kAtc2, kAtc1}};
constexpr Move kAboveBelowUpMoves[] = {{kBelow, kNorm}, {kNorm, kAbove}};
constexpr Move kAboveBelowDownMoves[] = {{kAbove, kNorm}, {kNorm, kBelow}};
constexpr Move kRangeDownMoves[] = {{kRange15, kRange10}, {kRange10, kRange5}, {kRange5, kRange3}};
constexpr Move kRangeUpMoves[] = {{kRange3, kRange5}, {kRange5, kRange10}, {kRange10, kRange15}};
constexpr Move kModeDownMoves[] = {{kTransponderModeStandby, kTransponderModeTest},
                                   {kModeAltOff, kTransponderModeStandby},
                                   {kModeAltOn, kModeAltOff},
                                   {kModeTa, kModeAltOn},
                                   {kModeTaRa, kModeTa}};
constexpr Move kModeUpMoves[] = {{kTransponderModeTest, kTransponderModeStandby},
                                 {kTransponderModeStandby, kModeAltOff},
                                 {kModeAltOff, kModeAltOn},
                                 {kModeAltOn, kModeTa},
                                 {kModeTa, kModeTaRa}};

bool CodeDisplayLit() { return IsCplDigitalLightOn() != 0; }

// Digit 1 is the top nibble of the code's low 16 bits.
template <uint32_t kDigit>
double CodeDigit(ELEMENT_HEADER* element) {
  const int64_t code = TruncateSaturated<int64_t>(element->tokenValue);
  const uint32_t nibble = code < 0 ? 0 : static_cast<uint32_t>((code >> (4 * (4 - kDigit))) & 0xF);
  return DigitWindow(CodeDisplayLit(), static_cast<int32_t>(DigitFrame(nibble)), 10.0);
}

double XpdrLegend(ELEMENT_HEADER*) {
  if (!CodeDisplayLit()) return 3.0;
  if (IsLampTestOn() != 0) return 2.0;
  return At(g_transponderTransfer, kAtc2) ? 1.0 : 0.0;
}

double ReplyLamp(ELEMENT_HEADER*) {
  if (!CodeDisplayLit()) return 0.0;
  return Frame(IsLampTestOn() != 0 || At(g_transponderReplyLamp, kSwitchOn));
}

// A knob or switch picture: the frame of the position's place in its list, 0 for any other.
template <const int32_t* kPositions, size_t kCount>
double PositionFrame(const CSwitch& record) {
  const int32_t position = GetSwitch(&record);
  for (size_t i = 0; i < kCount; ++i) {
    if (kPositions[i] == position) return static_cast<double>(i);
  }
  return 0.0;
}
constexpr int32_t kModeFrames[] = {kTransponderModeTest, kTransponderModeStandby, kModeAltOff, kModeAltOn, kModeTa,
                                   kModeTaRa};
constexpr int32_t kRangeFrames[] = {kRange3, kRange5, kRange10, kRange15};
constexpr int32_t kAboveBelowFrames[] = {kAbove, kNorm, kBelow};

constexpr platform::ELEMENT_HEADER CodeDigitElement(const char* name, int32_t x, platform::ElementCallback callback) {
  return {.kind = platform::ElementKind::Icon, .x = x, .y = 18, .callback = callback, .name = name,
          .token = TokenNumber(Token::TransponderCode), .frameCount = 11};
}

constinit ElementChain g_transponderElements({
    StaticImage("head"),
    StaticImage("panel light", 18, 2),
    Icon("mode knob", 33, 10, 6,
         [](ELEMENT_HEADER*) { return PositionFrame<kModeFrames, std::size(kModeFrames)>(g_transponderMode); }),
    Icon("ATC FAIL lamp", 175, 16, 2, [](ELEMENT_HEADER*) { return 0.0; }),
    Icon("IDENT", 128, 74, 2, [](ELEMENT_HEADER*) { return Frame(At(g_transponderIdent, kSwitchOn)); }),
    Icon("TCAS range knob", 193, 10, 4,
         [](ELEMENT_HEADER*) { return PositionFrame<kRangeFrames, std::size(kRangeFrames)>(g_tcasRangeSwitch); }),
    Icon("ATC legend", 105, 8, 4, XpdrLegend),
    Icon("reply lamp", 151, 8, 2, ReplyLamp),
    Icon("ABOVE/BELOW", 211, 67, 3,
         [](ELEMENT_HEADER*) {
           return PositionFrame<kAboveBelowFrames, std::size(kAboveBelowFrames)>(g_transponderAboveBelow);
         }),
    Icon("transfer", 44, 67, 2, [](ELEMENT_HEADER*) { return Frame(At(g_transponderTransfer, kAtc2)); }),
    CodeDigitElement("code digit 4", 149, CodeDigit<4>),
    CodeDigitElement("code digit 3", 133, CodeDigit<3>),
    CodeDigitElement("code digit 2", 117, CodeDigit<2>),
    CodeDigitElement("code digit 1", 101, CodeDigit<1>),
    StaticImage("click areas", 25, 7),
});
constexpr uint32_t kTransponderClickAreas = 14;

int32_t CodeStep(uint32_t firstEvent, uint32_t digit) {
  return SendKeyControl(firstEvent + digit - 1, 0, kClickKnob);
}

}  // namespace

// ---- ADF ----
platform::ELEMENT_HEADER* AdfElements() { return g_adfElements.Head(); }

void AdfGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  LitHeadCallback(gauge, serviceId, kAdfClickAreas, {kAdfRelitFirst, kAdfRelitEnd});
}

int32_t AdfMouseAdf1HundredsInc(PixelPoint, uint32_t) { return AdfWheelStep(IncAdfDigit, 0); }
int32_t AdfMouseAdf1HundredsDec(PixelPoint, uint32_t) { return AdfWheelStep(DecAdfDigit, 0); }
int32_t AdfMouseAdf1TensInc(PixelPoint, uint32_t) { return AdfWheelStep(IncAdfDigit, 1); }
int32_t AdfMouseAdf1TensDec(PixelPoint, uint32_t) { return AdfWheelStep(DecAdfDigit, 1); }
int32_t AdfMouseAdf1UnitsInc(PixelPoint, uint32_t) { return AdfWheelStep(IncAdfDigit, 2); }
int32_t AdfMouseAdf1UnitsDec(PixelPoint, uint32_t) { return AdfWheelStep(DecAdfDigit, 2); }
int32_t AdfMouseAdf1ExtInc(PixelPoint, uint32_t) { return AdfWheelStep(IncAdfDigit, 3); }
int32_t AdfMouseAdf1ExtDec(PixelPoint, uint32_t) { return AdfWheelStep(DecAdfDigit, 3); }
int32_t AdfMouseAdf2HundredsInc(PixelPoint, uint32_t) { return AdfWheelStep(IncAdfDigit, 4); }
int32_t AdfMouseAdf2HundredsDec(PixelPoint, uint32_t) { return AdfWheelStep(DecAdfDigit, 4); }
int32_t AdfMouseAdf2TensInc(PixelPoint, uint32_t) { return AdfWheelStep(IncAdfDigit, 5); }
int32_t AdfMouseAdf2TensDec(PixelPoint, uint32_t) { return AdfWheelStep(DecAdfDigit, 5); }
int32_t AdfMouseAdf2UnitsInc(PixelPoint, uint32_t) { return AdfWheelStep(IncAdfDigit, 6); }
int32_t AdfMouseAdf2UnitsDec(PixelPoint, uint32_t) { return AdfWheelStep(DecAdfDigit, 6); }
int32_t AdfMouseAdf2ExtInc(PixelPoint, uint32_t) { return AdfWheelStep(IncAdfDigit, 7); }
int32_t AdfMouseAdf2ExtDec(PixelPoint, uint32_t) { return AdfWheelStep(DecAdfDigit, 7); }

// Every click tunes the window the switch then chooses.
int32_t AdfMouseTfrSwitch(PixelPoint, uint32_t) {
  Throw(g_adfTransferSwitch, {kAdfTransferMoves, kAdfTransferAdf1}, kClickGuarded1);
  SendAdfFrequency();
  return 1;
}
int32_t AdfMouseA1Switch(PixelPoint, uint32_t) { return Throw(g_adfA1Switch, {kAdfA1Moves, kAdfA1}, kClickToggle1); }
int32_t AdfMouseAntSwitch(PixelPoint, uint32_t) {
  return Throw(g_adfAntennaSwitch, {kAdfAntMoves, kAdfAdf}, kClickToggle2);
}

// ---- COMM ----
platform::ELEMENT_HEADER* Comm1Elements() { return g_comm1Elements.Head(); }
platform::ELEMENT_HEADER* Comm2Elements() { return g_comm2Elements.Head(); }
void Comm1GaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  LitHeadCallback(gauge, serviceId, kCommClickAreas, {kCommRelitFirst, kCommRelitEnd});
}
void Comm2GaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  LitHeadCallback(gauge, serviceId, kCommClickAreas, {kCommRelitFirst, kCommRelitEnd});
}

int32_t Comm1MouseFreq1MhzInc(PixelPoint, uint32_t) { return CommKnob(0, true, kMhzUp); }
int32_t Comm1MouseFreq1MhzDec(PixelPoint, uint32_t) { return CommKnob(0, true, kMhzDown); }
int32_t Comm1MouseFreq1KhzInc(PixelPoint, uint32_t) { return CommKnob(0, true, kKhzUp); }
int32_t Comm1MouseFreq1KhzDec(PixelPoint, uint32_t) { return CommKnob(0, true, kKhzDown); }
int32_t Comm1MouseFreq2MhzInc(PixelPoint, uint32_t) { return CommKnob(0, false, kMhzUp); }
int32_t Comm1MouseFreq2MhzDec(PixelPoint, uint32_t) { return CommKnob(0, false, kMhzDown); }
int32_t Comm1MouseFreq2KhzInc(PixelPoint, uint32_t) { return CommKnob(0, false, kKhzUp); }
int32_t Comm1MouseFreq2KhzDec(PixelPoint, uint32_t) { return CommKnob(0, false, kKhzDown); }
int32_t Comm1MouseTfrSwitch(PixelPoint, uint32_t) { return CommTransfer(0); }
int32_t Comm1MouseSquelchSwitch(PixelPoint, uint32_t) { return Throw(g_comm1Squelch, kOnOff, kClickToggle1); }
int32_t Comm2MouseFreq1MhzInc(PixelPoint, uint32_t) { return CommKnob(1, true, kMhzUp); }
int32_t Comm2MouseFreq1MhzDec(PixelPoint, uint32_t) { return CommKnob(1, true, kMhzDown); }
int32_t Comm2MouseFreq1KhzInc(PixelPoint, uint32_t) { return CommKnob(1, true, kKhzUp); }
int32_t Comm2MouseFreq1KhzDec(PixelPoint, uint32_t) { return CommKnob(1, true, kKhzDown); }
int32_t Comm2MouseFreq2MhzInc(PixelPoint, uint32_t) { return CommKnob(1, false, kMhzUp); }
int32_t Comm2MouseFreq2MhzDec(PixelPoint, uint32_t) { return CommKnob(1, false, kMhzDown); }
int32_t Comm2MouseFreq2KhzInc(PixelPoint, uint32_t) { return CommKnob(1, false, kKhzUp); }
int32_t Comm2MouseFreq2KhzDec(PixelPoint, uint32_t) { return CommKnob(1, false, kKhzDown); }
int32_t Comm2MouseTfrSwitch(PixelPoint, uint32_t) { return CommTransfer(1); }
int32_t Comm2MouseSquelchSwitch(PixelPoint, uint32_t) { return Throw(g_comm2Squelch, kOnOff, kClickToggle1); }

// ---- Transponder ----
platform::ELEMENT_HEADER* TransponderElements() { return g_transponderElements.Head(); }

void TransponderGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, 1, IsCplPanelLightOn() != 0);
  ShowClickAreas(gauge, kTransponderClickAreas);
}

int32_t TransponderMouseCodeDigit1Inc(PixelPoint, uint32_t) { return CodeStep(kKeyEventCodeDigit1Up, 1); }
int32_t TransponderMouseCodeDigit2Inc(PixelPoint, uint32_t) { return CodeStep(kKeyEventCodeDigit1Up, 2); }
int32_t TransponderMouseCodeDigit3Inc(PixelPoint, uint32_t) { return CodeStep(kKeyEventCodeDigit1Up, 3); }
int32_t TransponderMouseCodeDigit4Inc(PixelPoint, uint32_t) { return CodeStep(kKeyEventCodeDigit1Up, 4); }
int32_t TransponderMouseCodeDigit1Dec(PixelPoint, uint32_t) { return CodeStep(kKeyEventCodeDigit1Down, 1); }
int32_t TransponderMouseCodeDigit2Dec(PixelPoint, uint32_t) { return CodeStep(kKeyEventCodeDigit1Down, 2); }
int32_t TransponderMouseCodeDigit3Dec(PixelPoint, uint32_t) { return CodeStep(kKeyEventCodeDigit1Down, 3); }
int32_t TransponderMouseCodeDigit4Dec(PixelPoint, uint32_t) { return CodeStep(kKeyEventCodeDigit1Down, 4); }

int32_t TransponderMouseTransfer(PixelPoint, uint32_t) {
  return Throw(g_transponderTransfer, {kTransferMoves, kAtc1}, kClickToggle1);
}
int32_t TransponderMouseAboveBelowInc(PixelPoint, uint32_t) {
  return Throw(g_transponderAboveBelow, {kAboveBelowUpMoves, kAbove}, kClickToggle2);
}
int32_t TransponderMouseAboveBelowDec(PixelPoint, uint32_t) {
  return Throw(g_transponderAboveBelow, {kAboveBelowDownMoves, kBelow}, kClickToggle2);
}
int32_t TransponderMouseTcasRangeDec(PixelPoint, uint32_t) {
  return Throw(g_tcasRangeSwitch, {kRangeDownMoves, kRange3}, kClickRotary1);
}
int32_t TransponderMouseTcasRangeInc(PixelPoint, uint32_t) {
  return Throw(g_tcasRangeSwitch, {kRangeUpMoves, kRange15}, kClickRotary1);
}
// The button in the range knob: the TCAS display's absolute altitudes for a while.
int32_t TransponderMouseTcasTest(PixelPoint, uint32_t) {
  SetSwitch(&g_tcasAbsAltitudeSwitch, kSwitchOn);
  PlayClick(kClickToggle1);
  return 1;
}
int32_t TransponderMouseIdent(PixelPoint, uint32_t flags) {
  return MomentaryControl(g_transponderIdent, flags, kClickButton1);
}
// Turned to its spring-loaded test position, the knob also starts the TCAS test.
int32_t TransponderMouseModeDec(PixelPoint, uint32_t) {
  Throw(g_transponderMode, {kModeDownMoves, kTransponderModeStandby}, kClickRotary2);
  MoveTransponderMode(GetSwitch(&g_transponderMode));
  return 1;
}
int32_t TransponderMouseModeInc(PixelPoint, uint32_t) {
  return Throw(g_transponderMode, {kModeUpMoves, kModeTaRa}, kClickRotary2);
}

}  // namespace halcyon
