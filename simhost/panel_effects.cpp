// The simulator's side of the cockpit lights, radios and audio panel.
#include "simhost/panel_effects.h"

#include <cmath>

#include "platform/simulator.h"

namespace simhost {
namespace {

constexpr uint32_t kTokenAdfAudio = 21;
constexpr uint32_t kTokenComm1Active = 23;
constexpr uint32_t kTokenNav1Audio = 26;
constexpr uint32_t kTokenNav2Audio = 29;
constexpr uint32_t kTokenDme1Audio = 33;
constexpr uint32_t kTokenDme2Audio = 37;
constexpr uint32_t kTokenStrobeLights = 11;
constexpr uint32_t kTokenPitotHeat = 13;
constexpr uint32_t kTokenLandingLights = 14;
constexpr uint32_t kTokenNav1Course = 45;
constexpr uint32_t kTokenNav2Course = 54;
constexpr uint32_t kTokenTaxiLights = 369;
constexpr uint32_t kTokenBeaconLights = 368;
constexpr uint32_t kTokenLogoLights = 621;
constexpr uint32_t kTokenSimulatorSeconds = 557;
constexpr uint32_t kTokenNavLights = 619;
constexpr uint32_t kTokenComm2Active = 870;
constexpr uint32_t kTokenMarkerAudio = 881;
constexpr uint32_t kPanelWindowSplash = 10240;
constexpr uint32_t kTokenAltimeterMb = 75;
constexpr uint32_t kTokenAltimeterInHg = 76;
constexpr uint32_t kKeyEventBaroUp = 65883;
constexpr uint32_t kKeyEventBaroDown = 65884;
constexpr double kInHgPerMb = 0.0295300;
constexpr double kTicksPerSecond = 18.0;

enum class Effect { Toggle, SetOne, SetZero, SetValue, StepUp, StepDown };

struct PanelEffect {
  uint32_t event;
  uint32_t token;
  Effect effect;
};

constexpr PanelEffect kPanelEffects[] = {
    {65751, kTokenLandingLights, Effect::Toggle},
    {66240, kTokenTaxiLights, Effect::Toggle},
    {66379, kTokenNavLights, Effect::Toggle},
    {66239, kTokenBeaconLights, Effect::Toggle},
    {66378, kTokenLogoLights, Effect::Toggle},
    {66052, kTokenStrobeLights, Effect::SetOne},
    {66053, kTokenStrobeLights, Effect::SetZero},
    {66072, kTokenPitotHeat, Effect::SetOne},
    {66073, kTokenPitotHeat, Effect::SetZero},
    {65707, kTokenComm1Active, Effect::SetValue},  // 16-bit BCD
    {66442, kTokenComm2Active, Effect::SetValue},
    {65663, kTokenNav1Course, Effect::StepUp},
    {65662, kTokenNav1Course, Effect::StepDown},
    {65665, kTokenNav2Course, Effect::StepUp},
    {65664, kTokenNav2Course, Effect::StepDown},
    {65837, kTokenNav1Audio, Effect::SetOne},
    {65838, kTokenNav2Audio, Effect::SetOne},
    {65839, kTokenDme1Audio, Effect::SetOne},
    {65840, kTokenDme2Audio, Effect::SetOne},
    {65841, kTokenAdfAudio, Effect::SetOne},
    {65832, kTokenNav1Audio, Effect::SetZero},
    {65833, kTokenNav2Audio, Effect::SetZero},
    {65834, kTokenDme1Audio, Effect::SetZero},
    {65835, kTokenDme2Audio, Effect::SetZero},
    {65836, kTokenAdfAudio, Effect::SetZero},
    {66478, kTokenMarkerAudio, Effect::SetValue},
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

}  // namespace

bool ApplyPanelEffect(uint32_t event, uint32_t value) {
  // The barometric knob: one millibar a click, the inches following.
  if (event == kKeyEventBaroUp || event == kKeyEventBaroDown) {
    const double mb = std::round(platform::sim::GetToken(kTokenAltimeterMb)) + (event == kKeyEventBaroUp ? 1.0 : -1.0);
    platform::sim::SetToken(kTokenAltimeterMb, mb);
    platform::sim::SetToken(kTokenAltimeterInHg, mb * kInHgPerMb);
    return true;
  }
  for (const PanelEffect& entry : kPanelEffects) {
    if (entry.event != event) continue;
    platform::sim::SetToken(entry.token, Apply(entry.effect, platform::sim::GetToken(entry.token), value));
    return true;
  }
  return false;
}

void ShowWindowsAtLoad() { platform::sim::SetWindowVisible(kPanelWindowSplash, true); }

void SetSecondsClock(double simulationClockTicks) {
  platform::sim::SetToken(kTokenSimulatorSeconds, simulationClockTicks / kTicksPerSecond);
}

}  // namespace simhost
