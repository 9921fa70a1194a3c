// The simulator's side of the panel service table: the token variables the
// host feeds, the key events the module sends, the popup windows that are
// open and the one calculator expression the module evaluates. The host and
// the tests drive and read it; the module reaches it only through PANELS.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/gauge.h"

namespace platform::sim {

constexpr uint32_t kTokenCount = 1024;

void SetToken(uint32_t token, double value);
double GetToken(uint32_t token);

struct KeyEventRecord {
  double tick18 = 0.0;  // TICK18 when the event was sent
  uint32_t event = 0;
  uint32_t value = 0;
};
const std::vector<KeyEventRecord>& KeyEvents();
void ClearKeyEvents();

// What the simulator does with a key event beyond logging it; the host
// installs the effects the cockpit reads back.
using KeyEventEffect = std::function<void(uint32_t event, uint32_t value)>;
void SetKeyEventEffect(KeyEventEffect effect);

void SetWindowVisible(uint32_t ident, bool visible);
bool IsWindowVisible(uint32_t ident);
std::vector<uint32_t> VisibleWindows();

// The answer to "(A:ATC ID,string)".
void SetAtcId(const std::string& atcId);

struct PanelCounters {
  uint64_t lookups = 0;
  uint64_t calculatorCalls = 0;
};
PanelCounters Counters();

PANELS* PanelTable();

// Puts the token table, logs and windows back as they were at load.
void ResetSimulator();

}  // namespace platform::sim
