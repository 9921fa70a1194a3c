// The simulator's side of the cockpit lights, radios and audio panel.
#include "simhost/panel_effects.h"

#include <algorithm>
#include <cmath>

#include "platform/simulator.h"
#include "simhost/sim_tokens.h"

namespace simhost {
namespace {

constexpr uint32_t kPanelWindowSplash = 10240;
constexpr uint32_t kKeyEventBaroUp = 65883;
constexpr uint32_t kKeyEventBaroDown = 65884;
constexpr double kInHgPerMb = 0.0295300;
constexpr double kTicksPerSecond = 18.0;

enum class Effect { Toggle, SetOne, SetZero, SetValue, StepUp, StepDown };

struct PanelEffect {
  uint32_t event;
  Token token;
  Effect effect;
};

constexpr PanelEffect kPanelEffects[] = {
    {65751, Token::LandingLights, Effect::Toggle},
    {66240, Token::TaxiLights, Effect::Toggle},
    {66379, Token::NavLights, Effect::Toggle},
    {66239, Token::BeaconLights, Effect::Toggle},
    {66378, Token::LogoLights, Effect::Toggle},
    {66052, Token::StrobeLights, Effect::SetOne},
    {66053, Token::StrobeLights, Effect::SetZero},
    {66072, Token::PitotHeat, Effect::SetOne},
    {66073, Token::PitotHeat, Effect::SetZero},
    {65707, Token::Comm1Active, Effect::SetValue},  // 16-bit BCD
    {66442, Token::Comm2Active, Effect::SetValue},
    {65663, Token::Nav1CourseDeg, Effect::StepUp},
    {65662, Token::Nav1CourseDeg, Effect::StepDown},
    {65665, Token::Nav2CourseDeg, Effect::StepUp},
    {65664, Token::Nav2CourseDeg, Effect::StepDown},
    {65837, Token::Nav1Audio, Effect::SetOne},
    {65838, Token::Nav2Audio, Effect::SetOne},
    {65839, Token::Dme1Audio, Effect::SetOne},
    {65840, Token::Dme2Audio, Effect::SetOne},
    {65841, Token::AdfAudio, Effect::SetOne},
    {65832, Token::Nav1Audio, Effect::SetZero},
    {65833, Token::Nav2Audio, Effect::SetZero},
    {65834, Token::Dme1Audio, Effect::SetZero},
    {65835, Token::Dme2Audio, Effect::SetZero},
    {65836, Token::AdfAudio, Effect::SetZero},
    {66478, Token::MarkerAudio, Effect::SetValue},
};

// A course one degree on, kept to 0..359 as the simulator's course selector does.
double StepCourse(double courseDeg, double stepDeg) {
  const double stepped = std::fmod(std::floor(courseDeg) + stepDeg, 360.0);
  return stepped < 0.0 ? stepped + 360.0 : stepped;
}

double Apply(Effect effect, double now, uint32_t value) {
  switch (effect) {
    case Effect::Toggle: return now != 0.0 ? 0.0 : 1.0;
    case Effect::SetOne: return 1.0;
    case Effect::SetZero: return 0.0;
    case Effect::SetValue: return value;
    case Effect::StepUp: return StepCourse(now, 1.0);
    case Effect::StepDown: return StepCourse(now, -1.0);
  }
  return now;
}

// ---- The radios' own knobs ----
// A COMM frequency is four BCD digits "abcd" for 1ab.cd MHz: whole megahertz
// 118..136 wrapping, the fraction on the 25-kHz raster (.00 .02 .05 .07 ...)
// wrapping within its megahertz, as the simulator's radio knobs step them.
// The transponder code is four octal digits in BCD, each wrapping 7 <-> 0.
uint32_t BcdOf(double token) { return static_cast<uint32_t>(std::lround(std::max(0.0, token))) & 0xFFFF; }
uint32_t TwoDigits(uint32_t bcd) { return (bcd >> 4 & 0xF) * 10 + (bcd & 0xF); }
uint32_t ToBcd(uint32_t twoDigits) { return (twoDigits / 10 % 10) << 4 | twoDigits % 10; }

uint32_t StepMhz(uint32_t bcd, int step) {
  const int mhz = static_cast<int>(TwoDigits(bcd >> 8)) + step;
  const int wrapped = mhz > 36 ? 18 : mhz < 18 ? 36 : mhz;
  return ToBcd(static_cast<uint32_t>(wrapped)) << 8 | (bcd & 0xFF);
}

uint32_t StepKhz(uint32_t bcd, int step) {
  // The raster's channels in tens of kHz as the window shows them.
  constexpr int kChannels = 40;
  const int shown = static_cast<int>(TwoDigits(bcd & 0xFF));
  const int channel = shown / 10 * 4 + (shown % 10 >= 7 ? 3 : shown % 10 >= 5 ? 2 : shown % 10 >= 2 ? 1 : 0);
  const int next = ((channel + step) % kChannels + kChannels) % kChannels;
  constexpr int kLastDigit[] = {0, 2, 5, 7};
  return (bcd & 0xFF00) | ToBcd(static_cast<uint32_t>(next / 4 * 10 + kLastDigit[next % 4]));
}

uint32_t StepCodeDigit(uint32_t code, int digit, int step) {
  const int shift = 4 * (4 - digit);
  const int value = ((static_cast<int>(code >> shift & 0xF) + step) % 8 + 8) % 8;
  return (code & ~(0xFu << shift)) | static_cast<uint32_t>(value) << shift;
}

void SwapTokens(Token a, Token b) {
  const double first = GetToken(a);
  SetToken(a, GetToken(b));
  SetToken(b, first);
}

struct RadioKnob {
  uint32_t event;
  Token token;
  uint32_t (*step)(uint32_t bcd, int step);
  int direction;
};

constexpr RadioKnob kRadioKnobs[] = {
    {65637, Token::Comm1Standby, StepMhz, 1},  {65636, Token::Comm1Standby, StepMhz, -1},
    {65639, Token::Comm1Standby, StepKhz, 1},  {65638, Token::Comm1Standby, StepKhz, -1},
    {66437, Token::Comm2Standby, StepMhz, 1},  {66436, Token::Comm2Standby, StepMhz, -1},
    {66440, Token::Comm2Standby, StepKhz, 1},  {66438, Token::Comm2Standby, StepKhz, -1},
};

bool ApplyRadioKnob(uint32_t event) {
  if (event == 66372 || event == 66444) {
    SwapTokens(event == 66372 ? Token::Comm1Active : Token::Comm2Active,
               event == 66372 ? Token::Comm1Standby : Token::Comm2Standby);
    return true;
  }
  // Transponder digit 1..4 up (65651..65654) and down (66455..66458).
  const bool up = event >= 65651 && event <= 65654;
  const bool down = event >= 66455 && event <= 66458;
  if (up || down) {
    const int digit = static_cast<int>(event - (up ? 65651 : 66455)) + 1;
    const uint32_t code = BcdOf(GetToken(Token::TransponderCode));
    SetToken(Token::TransponderCode, StepCodeDigit(code, digit, up ? 1 : -1));
    return true;
  }
  for (const RadioKnob& knob : kRadioKnobs) {
    if (knob.event != event) continue;
    SetToken(knob.token, knob.step(BcdOf(GetToken(knob.token)), knob.direction));
    return true;
  }
  return false;
}

}  // namespace

bool ApplyPanelEffect(uint32_t event, uint32_t value) {
  if (ApplyRadioKnob(event)) return true;
  // The barometric knob: one millibar a click, the inches following.
  if (event == kKeyEventBaroUp || event == kKeyEventBaroDown) {
    const double mb = std::round(GetToken(Token::AltimeterMb)) + (event == kKeyEventBaroUp ? 1.0 : -1.0);
    SetToken(Token::AltimeterMb, mb);
    SetToken(Token::AltimeterInHg, mb * kInHgPerMb);
    return true;
  }
  for (const PanelEffect& entry : kPanelEffects) {
    if (entry.event != event) continue;
    SetToken(entry.token, Apply(entry.effect, GetToken(entry.token), value));
    return true;
  }
  return false;
}

void ShowWindowsAtLoad() { platform::sim::SetWindowVisible(kPanelWindowSplash, true); }

void SetSecondsClock(double simulationClockTicks) {
  SetToken(Token::SimulatorClockSeconds, simulationClockTicks / kTicksPerSecond);
}

}  // namespace simhost
