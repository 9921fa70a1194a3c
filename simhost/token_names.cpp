// The scenario's token names.
#include "simhost/token_names.h"

#include <array>
#include <cstdlib>
#include <strings.h>

#include "core/tokens.h"

namespace simhost {
namespace {

constexpr std::array<TokenName, std::size(halcyon::kTokenTable)> MakeTokenNames() {
  std::array<TokenName, std::size(halcyon::kTokenTable)> names{};
  for (size_t i = 0; i < names.size(); ++i) {
    const halcyon::TokenInfo& row = halcyon::kTokenTable[i];
    names[i] = {row.name, halcyon::TokenNumber(row.token), row.scale, row.unit};
  }
  return names;
}

constexpr auto kTokenNames = MakeTokenNames();

}  // namespace

std::span<const TokenName> TokenNames() { return kTokenNames; }

std::optional<TokenName> FindToken(const std::string& nameOrNumber) {
  for (const TokenName& entry : kTokenNames) {
    if (strcasecmp(entry.name, nameOrNumber.c_str()) == 0) return entry;
  }
  char* end = nullptr;
  const long number = std::strtol(nameOrNumber.c_str(), &end, 10);
  if (nameOrNumber.empty() || *end != '\0' || number < 0 || number >= static_cast<long>(halcyon::kMaxTokenId)) return std::nullopt;
  for (const TokenName& entry : kTokenNames) {
    if (entry.token == static_cast<uint32_t>(number)) return TokenName{entry.name, entry.token, 1.0, "raw"};
  }
  return TokenName{"", static_cast<uint32_t>(number), 1.0, "raw"};
}

}  // namespace simhost
