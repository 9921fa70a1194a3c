// A simulator host for benchmarks: the module loaded into a fresh simulator
// folder under /tmp, one frame a tick, the panel installed. Exits with a
// message when the module cannot be loaded.
#pragma once

#include <span>

#include "simhost/sim_host.h"

namespace bench {

// Made once per name for the process's life.
simhost::SimHost* StartBenchHost(const char* name);
// Both IRS units aligned and in NAV: the autopilot and the displays need them.
void IrsInNav();

// A token and its value in the everyday unit of its row (degrees, knots ...).
struct TokenValue {
  halcyon::Token token;
  double value;
};
void SetTokens(simhost::SimHost& host, std::span<const TokenValue> tokens);

}  // namespace bench
