// The TAS/SAT indicator.
#include "systems/tas_sat.h"

#include <algorithm>
#include <cmath>

#include "core/panel_services.h"
#include "systems/unit_system.h"

namespace halcyon {
namespace {

constexpr double kRadPerDeg = 0.017453292519943295;
// The TAS computer's own ground-speed factor, m/s to knots, rounded as the
// instrument has it (the token list's exact scale differs in the 7th digit).
constexpr double kKtPerMps = 1.943844;
constexpr double kSatLimit = 99.0;

int32_t g_tasSatState = 0;
double g_staticAirTemp = 0.0;

}  // namespace

void InitTasSat() { g_tasSatState = 0; }

void SetTasSatState(int32_t state) { g_tasSatState = state; }
int32_t GetTasSatState() { return g_tasSatState; }

double GetTrueAirspeed() {
  const double windFromDeg = ReadToken(Token::WindDirectionDeg);
  const double windKt = ReadToken(Token::WindSpeedKt);
  const double groundSpeedMps = ReadToken(Token::GroundSpeedMps);
  double windAngleDeg = windFromDeg - ReadScaledToken(Token::TrueHeadingRad);
  if (windAngleDeg >= 360.0) windAngleDeg -= 360.0;
  if (windAngleDeg < 0.0) windAngleDeg += 360.0;
  return std::cos(windAngleDeg * kRadPerDeg) * windKt + groundSpeedMps * kKtPerMps;
}

double GetTotalAirTemp() { return ReadToken(Token::TotalAirTempDegC); }
double GetOutsideAirTempDegC() { return ReadScaledToken(Token::AmbientTemp); }

void UpdateStaticAirTemp() {
  const double temp = ToDisplayTemp(GetOutsideAirTempDegC());
  // NaN from the simulator would pass both limits; it reads as 0.
  g_staticAirTemp = std::isnan(temp) ? 0.0 : std::clamp(temp, -kSatLimit, kSatLimit);
}

double GetStaticAirTemp() { return g_staticAirTemp; }

}  // namespace halcyon
