// The checklist card and the speed cards. The checklist number is the
// [CHECKLIST] record; the item, its voice and the marker's place come from
// the checklist stepping (crewaids/checklists). The speed cards show and
// step the cards of systems/speed_cards.h.
#include "gauges/cards.h"

#include "core/panel_services.h"
#include "core/panel_windows.h"
#include "core/switch.h"
#include "crewaids/checklists/checklist.h"
#include "gauges/gauge_kit.h"
#include "systems/kept_controls.h"
#include "systems/speed_cards.h"
#include "systems/unit_system.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr uint32_t kChecklistWindow = 10110;
constexpr uint32_t kSpeedCardsWindow = 10160;
constexpr int32_t kFirstEmergencyChecklist = 11;  // 11..15 carry the card's mark
constexpr int32_t kChecklistOffTheCard = 11;      // where a number off the card goes
constexpr double kBlankKgLabel = 28.0;

constinit ElementChain g_checklistElements({
    StaticImage("card"),
    Icon("checklist page", 14, 88, kChecklistCount, ChecklistElemPage),
    Slider("item marker", 5, 117, nullptr, ChecklistElemMarker),  // moved down the card only
    Icon("emergency mark", 71, 45, 2, ChecklistElemEmergencyMark),
    StaticImage("click areas"),
});
constexpr uint32_t kMarkerElement = 2;
constexpr uint32_t kChecklistClickAreas = 4;

constinit ElementChain g_speedCardsElements({
    StaticImage("card frame"),
    Icon("speed card", 0, 0, 28, SpeedCardsElemCard),
    Icon("kilogram label", 20, 274, 29, SpeedCardsElemKgLabel),
    StaticImage("click areas"),
});
constexpr uint32_t kSpeedCardsClickAreas = 3;

int32_t Checklist() { return GetSwitch(&g_currentChecklistSwitch); }

// A new checklist starts at its first item, read aloud.
int32_t SelectChecklist(int32_t checklist) {
  SetSwitch(&g_currentChecklistSwitch, checklist);
  ResetChecklistItem();
  PlayChecklistItemSound();
  return 1;
}

// The marker stands at item 0 hidden, and at the last item of checklists 1
// to 10 (their last line is not an item); checklists 11 to 15 keep it there.
bool MarkerShown() {
  const int32_t item = GetChecklistItem();
  const int32_t checklist = Checklist();
  if (item == 0) return false;
  return !(checklist >= 1 && checklist <= kVoicedChecklists && item == GetChecklistLastItem(checklist));
}

// Each button takes the card's speeds from the table of the card's type.
int32_t SetBugs(int32_t takeoffKind, int32_t landingKind) {
  const int32_t type = GetSpeedCardType();
  if (type == kSpeedCardTakeoff) SetSpeedBugsFromCard(takeoffKind);
  if (type == kSpeedCardLanding) SetSpeedBugsFromCard(landingKind);
  return 1;
}

}  // namespace

platform::ELEMENT_HEADER* ChecklistElements() { return g_checklistElements.Head(); }
platform::ELEMENT_HEADER* SpeedCardsElements() { return g_speedCardsElements.Head(); }

double ChecklistElemPage(ELEMENT_HEADER*) {
  const int32_t checklist = Checklist();
  return checklist >= 1 && checklist <= kChecklistCount ? checklist - 1 : 0.0;
}

double ChecklistElemMarker(ELEMENT_HEADER*) { return GetChecklistMarkerOffset(); }

double ChecklistElemEmergencyMark(ELEMENT_HEADER*) {
  const int32_t checklist = Checklist();
  return checklist >= kFirstEmergencyChecklist && checklist <= kChecklistCount ? 1.0 : 0.0;
}

void ChecklistGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowElement(gauge, kMarkerElement, MarkerShown());
  ShowClickAreas(gauge, kChecklistClickAreas);
}

int32_t ChecklistMouseChecklistDec(PixelPoint, uint32_t) {
  const int32_t checklist = Checklist();
  if (checklist == 1) return SelectChecklist(kChecklistCount);
  if (checklist >= 2 && checklist <= kChecklistCount) return SelectChecklist(checklist - 1);
  return SelectChecklist(kChecklistOffTheCard);
}

int32_t ChecklistMouseChecklistInc(PixelPoint, uint32_t) {
  const int32_t checklist = Checklist();
  if (checklist == kChecklistCount) return SelectChecklist(1);
  if (checklist >= 1 && checklist < kChecklistCount) return SelectChecklist(checklist + 1);
  return SelectChecklist(kChecklistOffTheCard);
}

int32_t ChecklistMouseClose(PixelPoint, uint32_t) {
  return SendKeyControl(kKeyEventClosePanelWindow, kChecklistWindow);
}

int32_t ChecklistMouseNextItem(PixelPoint, uint32_t) {
  StepChecklist();
  return 1;
}

double SpeedCardsElemCard(ELEMENT_HEADER*) { return GetSpeedCardIndex(); }

double SpeedCardsElemKgLabel(ELEMENT_HEADER*) { return IsMetricUnits() != 0 ? GetSpeedCardIndex() : kBlankKgLabel; }

void SpeedCardsGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreDraw) ShowClickAreas(gauge, kSpeedCardsClickAreas);
}

int32_t SpeedCardsMouseClose(PixelPoint, uint32_t) {
  ClosePanelWindow(kSpeedCardsWindow);
  return 1;
}

int32_t SpeedCardsMouseType(PixelPoint, uint32_t) {
  ToggleSpeedCardType();
  return 1;
}

int32_t SpeedCardsMouseWeightDec(PixelPoint, uint32_t) {
  DecSpeedCardWeight();
  return 1;
}

int32_t SpeedCardsMouseWeightInc(PixelPoint, uint32_t) {
  IncSpeedCardWeight();
  return 1;
}

int32_t SpeedCardsMouseSetAsiBugs1(PixelPoint, uint32_t) {
  return SetBugs(kSpeedCardTakeoffTable1, kSpeedCardLandingBug4Vref);
}

int32_t SpeedCardsMouseSetAsiBugs2(PixelPoint, uint32_t) {
  return SetBugs(kSpeedCardTakeoffTable2, kSpeedCardLandingBug4Value5);
}

}  // namespace halcyon
