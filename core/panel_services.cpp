// Token-variable records and the panel service calls.
#include "core/panel_services.h"

#include <array>

#include "core/helpers.h"
#include "core/module_entry.h"

namespace halcyon {
namespace {

// One record per token the cockpit reads, created with its token number on
// first use, as the simulator expects each variable to have a record of its own.
std::array<platform::MODULE_VAR, kMaxTokenId>& TokenRecords() {
  static std::array<platform::MODULE_VAR, kMaxTokenId> records = [] {
    std::array<platform::MODULE_VAR, kMaxTokenId> made{};
    for (uint32_t id = 0; id < kMaxTokenId; ++id) made[id].token = id;
    return made;
  }();
  return records;
}

}  // namespace

platform::PANELS* Panels() { return ImportTable.panels.table; }

double ReadToken(Token token) {
  const uint32_t tokenId = TokenNumber(token);
  platform::PANELS* panels = Panels();
  if (panels == nullptr || tokenId >= kMaxTokenId) return 0.0;
  platform::MODULE_VAR& record = TokenRecords()[tokenId];
  panels->lookup_var(&record);
  return record.value;
}

double ReadScaledToken(Token token) { return ReadToken(token) / TokenScale(token); }
uint32_t ReadFlagWord(Token token) { return TruncateSaturated<uint32_t>(ReadToken(token)); }
double ReadRadioAltitudeFt() { return ReadToken(Token::RadioAltitudeM) * kFeetPerMetre; }
double ReadVerticalSpeedFpm() { return ReadScaledToken(Token::VerticalSpeed); }
double ReadMach() { return ReadScaledToken(Token::Mach); }


double CurrentTick18() { return ReadToken(Token::Tick18); }

void TriggerKeyEvent(uint32_t event, uint32_t value) {
  if (platform::PANELS* panels = Panels()) panels->trigger_key_event(event, value);
}

bool IsPanelWindowVisible(uint32_t ident) {
  platform::PANELS* panels = Panels();
  return panels != nullptr && panels->is_panel_window_visible_ident(ident) != 0;
}

const char* ExecuteCalculatorString(const char* expression) {
  platform::PANELS* panels = Panels();
  if (panels == nullptr) return "";
  double number = 0.0;
  int32_t integer = 0;
  const char* text = nullptr;
  panels->execute_calculator_code(expression, &number, &integer, &text);
  return text != nullptr ? text : "";
}

}  // namespace halcyon
