// The "NAV" gauge. Reads the active receiver's frequency (four BCD digits
// without the leading 1) and selected course; sends that receiver's
// frequency and course key events.
#include "gauges/nav.h"

#include <cmath>

#include "core/helpers.h"
#include "core/panel_services.h"
#include "gauges/gauge_kit.h"
#include "systems/annunciator_lamps.h"
#include "systems/dfgs.h"
#include "systems/electric.h"
#include "systems/radios.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;

constexpr Token kFrequency[2] = {Token::Nav1Frequency, Token::Nav2Frequency};
constexpr Token kCourse[2] = {Token::Nav1CourseDeg, Token::Nav2CourseDeg};
// Whole MHz down, up; fraction down, up; course down, up; per receiver.
constexpr uint32_t kKeyWholeDec[2] = {65640, 65644};
constexpr uint32_t kKeyWholeInc[2] = {65641, 65645};
constexpr uint32_t kKeyFractDec[2] = {65642, 65646};
constexpr uint32_t kKeyFractInc[2] = {65643, 65647};
constexpr uint32_t kKeyCourseDec[2] = {65662, 65664};
constexpr uint32_t kKeyCourseInc[2] = {65663, 65665};

constexpr double kDark = 11.0;

constinit ElementChain g_elements({
    StaticImage("face"),
    StaticImage("panel lighting", 0, 0, kLit),
    Icon("active receiver", 14, 74, 2, NavElemActiveUnit),
    Icon("course units", 158, 16, 12, NavElemCourseUnits, kLit),
    Icon("course tens", 145, 16, 12, NavElemCourseTens, kLit),
    Icon("course hundreds", 133, 16, 12, NavElemCourseHundreds, kLit),
    Icon("decimal point", 40, 16, 2, NavElemDecimalPoint, kLit),
    Icon("frequency hundredths", 64, 16, 12, NavElemFreqDigit4, kLit),
    Icon("frequency tenths", 52, 16, 12, NavElemFreqDigit3, kLit),
    Icon("frequency units", 34, 16, 12, NavElemFreqDigit2, kLit),
    Icon("frequency tens", 22, 16, 12, NavElemFreqDigit1, kLit),
    Icon("leading 1", 10, 16, 12, NavElemFreqLead, kLit),
    StaticImage("click areas", 8, 8),
});

constexpr uint32_t kLightingElement = 1;
constexpr uint32_t kClickAreasElement = 12;

bool Dark() { return IsPanelPowered() == 0 || GetSwitch(&g_fgcpDigitalSwitch) != kSwitchOn; }
uint32_t Receiver() { return IsNavUnit1Active() == 1 ? 1 : 0; }

// A digit window: dark, 8 in the lamp test, else the digit.
double Digit(int32_t digit) {
  if (Dark()) return kDark;
  return IsLampTestOn() != 0 ? 8.0 : digit;
}

// Digit k (1 the highest) of the active receiver's 16-bit BCD frequency word.
double FrequencyDigit(int32_t k) {
  const uint32_t word = static_cast<uint32_t>(TruncateSaturated<int32_t>(ReadToken(kFrequency[Receiver()]))) & 0xFFFF;
  const int32_t nibble = static_cast<int32_t>((word >> (4 * (4 - k))) & 0xF);
  return Digit(nibble <= 9 ? nibble : static_cast<int32_t>(kDark));  // not a BCD digit: blank
}

double CourseDigit(int32_t place) {
  const int32_t course = TruncateSaturated<int32_t>(ReadToken(kCourse[Receiver()])) & 0xFFFF;
  return Digit(place == 100 ? course / 100 % 10 : course / place % 10);
}

int32_t SendForReceiver(const uint32_t (&events)[2]) {
  const uint32_t selector = IsNavUnit1Active();
  if (selector <= 1) TriggerKeyEvent(events[selector], 0);
  PlayClick(kClickKnob);
  return 1;
}

}  // namespace

platform::ELEMENT_HEADER* NavElements() { return g_elements.Head(); }

void NavGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, kLightingElement, IsFgcpLightOn() != 0);
  ShowClickAreas(gauge, kClickAreasElement);
}

double NavElemActiveUnit(ELEMENT_HEADER*) { return IsNavUnit1Active() == 1 ? 1.0 : 0.0; }
double NavElemCourseUnits(ELEMENT_HEADER*) { return CourseDigit(1); }
double NavElemCourseTens(ELEMENT_HEADER*) { return CourseDigit(10); }
double NavElemCourseHundreds(ELEMENT_HEADER*) { return CourseDigit(100); }
double NavElemDecimalPoint(ELEMENT_HEADER*) { return Dark() ? 1.0 : 0.0; }
double NavElemFreqDigit4(ELEMENT_HEADER*) { return FrequencyDigit(4); }
double NavElemFreqDigit3(ELEMENT_HEADER*) { return FrequencyDigit(3); }
double NavElemFreqDigit2(ELEMENT_HEADER*) { return FrequencyDigit(2); }
double NavElemFreqDigit1(ELEMENT_HEADER*) { return FrequencyDigit(1); }
double NavElemFreqLead(ELEMENT_HEADER*) { return Digit(1); }

int32_t NavMouseWholeDec(platform::PixelPoint, uint32_t) { return SendForReceiver(kKeyWholeDec); }
int32_t NavMouseWholeInc(platform::PixelPoint, uint32_t) { return SendForReceiver(kKeyWholeInc); }
int32_t NavMouseFractDec(platform::PixelPoint, uint32_t) { return SendForReceiver(kKeyFractDec); }
int32_t NavMouseFractInc(platform::PixelPoint, uint32_t) { return SendForReceiver(kKeyFractInc); }
int32_t NavMouseCourseDec(platform::PixelPoint, uint32_t) { return SendForReceiver(kKeyCourseDec); }
int32_t NavMouseCourseInc(platform::PixelPoint, uint32_t) { return SendForReceiver(kKeyCourseInc); }

int32_t NavMouseToggleActive(platform::PixelPoint, uint32_t) {
  ToggleActiveNavUnit();
  return 1;
}

}  // namespace halcyon
