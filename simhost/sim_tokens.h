// The simulator's token variables as the host's models read and write them:
// by the module's token list (core/tokens.h), either in the token's own
// value or, through the list's scale, in its everyday unit.
#pragma once

#include <string>

#include "core/tokens.h"
#include "platform/simulator.h"

namespace simhost {

using halcyon::Token;

inline double GetToken(Token token) { return platform::sim::GetToken(halcyon::TokenNumber(token)); }
inline void SetToken(Token token, double value) { platform::sim::SetToken(halcyon::TokenNumber(token), value); }
inline bool IsTokenOn(Token token) { return GetToken(token) != 0.0; }
inline void ToggleToken(Token token) { SetToken(token, IsTokenOn(token) ? 0.0 : 1.0); }

// In the everyday unit of the token's row: degrees for the position, feet a
// minute for the vertical speed, Mach, knots, psi.
inline double GetScaledToken(Token token) { return GetToken(token) / halcyon::TokenScale(token); }
inline void SetScaledToken(Token token, double value) { SetToken(token, value * halcyon::TokenScale(token)); }

// For messages: "magnetic_variation (token 82)".
inline std::string TokenLabel(Token token) {
  return std::string(halcyon::DescribeToken(token).name) + " (token " + std::to_string(halcyon::TokenNumber(token)) + ")";
}

}  // namespace simhost
