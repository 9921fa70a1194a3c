// Simulator side of the panel service table.
#include "platform/simulator.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <set>

namespace platform::sim {
namespace {

struct SimulatorState {
  std::array<double, kTokenCount> tokens{};
  std::vector<KeyEventRecord> keyEvents;
  KeyEventEffect effect;
  std::set<uint32_t> windows;
  std::string atcId = "N8088Q";
  std::string calculatorString;
  PanelCounters counters;
};

SimulatorState& State() {
  static SimulatorState state;
  return state;
}

void LookupVar(MODULE_VAR* variable) {
  if (variable == nullptr) return;
  ++State().counters.lookups;
  variable->previous = variable->value;
  variable->value = GetToken(variable->token);
}

int32_t TriggerKeyEvent(uint32_t event, uint32_t value) {
  SimulatorState& state = State();
  state.keyEvents.push_back({state.tokens[1], event, value});
  if (state.effect) state.effect(event, value);
  return 0;
}

int32_t IsPanelWindowVisibleIdent(uint32_t ident) { return IsWindowVisible(ident) ? 1 : 0; }

int32_t ExecuteCalculatorCode(const char* code, double* floatResult, int32_t* intResult,
                              const char** stringResult) {
  SimulatorState& state = State();
  ++state.counters.calculatorCalls;
  if (floatResult) *floatResult = 0.0;
  if (intResult) *intResult = 0;
  if (stringResult) *stringResult = "";
  if (code == nullptr || std::strcmp(code, "(A:ATC ID,string)") != 0) return 0;
  state.calculatorString = state.atcId;
  if (stringResult) *stringResult = state.calculatorString.c_str();
  return 1;
}

PANELS g_panels = {LookupVar, TriggerKeyEvent, IsPanelWindowVisibleIdent, ExecuteCalculatorCode};

}  // namespace

void SetToken(uint32_t token, double value) {
  if (token < kTokenCount) State().tokens[token] = value;
}

double GetToken(uint32_t token) { return token < kTokenCount ? State().tokens[token] : 0.0; }

const std::vector<KeyEventRecord>& KeyEvents() { return State().keyEvents; }
void ClearKeyEvents() { State().keyEvents.clear(); }
void SetKeyEventEffect(KeyEventEffect effect) { State().effect = std::move(effect); }

void SetWindowVisible(uint32_t ident, bool visible) {
  if (visible) {
    State().windows.insert(ident);
  } else {
    State().windows.erase(ident);
  }
}
bool IsWindowVisible(uint32_t ident) { return State().windows.count(ident) != 0; }
std::vector<uint32_t> VisibleWindows() { return {State().windows.begin(), State().windows.end()}; }

void SetAtcId(const std::string& atcId) { State().atcId = atcId; }

PanelCounters Counters() { return State().counters; }

PANELS* PanelTable() { return &g_panels; }

void ResetSimulator() { State() = SimulatorState{}; }

}  // namespace platform::sim
