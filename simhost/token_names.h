// Names for the simulator's token variables in scenario files, each with the
// factor that turns the scenario's everyday unit into the token's own unit.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace simhost {

struct TokenName {
  const char* name;
  uint32_t token;
  double scale;        // token value = scenario value x scale
  const char* unit;    // the scenario's unit, for the README and messages
};

// A token by name or by number ("60", "on_ground"); empty when neither.
std::optional<TokenName> FindToken(const std::string& nameOrNumber);
// Every token name, in token order.
std::span<const TokenName> TokenNames();

}  // namespace simhost
