// The radar control head steps the radar's live settings: the knobs are
// plain additions of a tenth (so a value may end a hair off a tenth, as the
// knob's picture then shows), each click sounds, also at a limit. Reads and
// writes the radar's settings; reads the power state and the pedestal light.
#include "gauges/radar_panel.h"

#include <algorithm>
#include <iterator>

#include "core/tick_scheduler.h"
#include "displays/radar/radar.h"
#include "gauges/gauge_kit.h"
#include "systems/electric.h"
#include "systems/lights.h"

namespace halcyon {
namespace {

using platform::ELEMENT_HEADER;
using platform::PixelPoint;

constexpr double kKnobStep = 0.1;
constexpr double kBrightnessMax = 1.0;
constexpr double kTiltStep = 1.0;

// The brightness and gain knobs' eleven pictures: frame k from the k-th
// bound up (the bounds as written, so 0.3 read from the file shows frame 3).
constexpr double kBrightnessBounds[] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0};
constexpr double kGainBounds[] = {0.2, 0.4, 0.6, 0.8, 1.0, 1.2, 1.4, 1.6, 1.8, 2.0};

// The mode selector from OFF to MAP.
constexpr int32_t kModeOrder[] = {kRadarOff, kRadarTest, kRadarWeather, kRadarMap};

template <size_t N>
double KnobFrame(double value, const double (&bounds)[N]) {
  double frame = 0.0;
  for (double bound : bounds) {
    if (value >= bound) frame += 1.0;
  }
  return frame;
}

double ModeFrame() {
  const int32_t mode = GetSwitch(&g_radarModeSwitch);
  for (size_t k = 0; k < std::size(kModeOrder); ++k) {
    if (kModeOrder[k] == mode) return static_cast<double>(k);
  }
  return 0.0;
}

double TiltFrame() {
  for (int step = -3; step <= 3; ++step) {
    if (g_radarTilt == step) return step + 3.0;
  }
  return 0.0;
}

// One position along the selector's order; from a position not on it, to
// the end the click turns toward.
int32_t StepMode(int32_t step, SoundId sound) {
  const int32_t mode = GetSwitch(&g_radarModeSwitch);
  const int32_t last = static_cast<int32_t>(std::size(kModeOrder)) - 1;
  int32_t next = step > 0 ? last : 0;
  for (int32_t k = 0; k <= last; ++k) {
    if (kModeOrder[k] == mode) next = std::clamp(k + step, 0, last);
  }
  SetSwitch(&g_radarModeSwitch, kModeOrder[next]);
  PlayClick(sound);
  return 1;
}

// A knob's value one step on, then held at its limits.
int32_t Step(double& value, double step, double low, double high, SoundId sound) {
  value += step;
  if (value < low) value = low;
  if (value > high) value = high;
  PlayClick(sound);
  return 1;
}

// Gain and tilt step only while short of the limit they turn toward.
int32_t StepWithin(double& value, double step, double low, double high, SoundId sound) {
  if (step < 0.0 ? value > low : value < high) value += step;
  return Step(value, 0.0, low, high, sound);
}

constinit ElementChain g_radarElements({
    StaticImage("control head"),
    Icon("brightness", 23, 47, 11, [](ELEMENT_HEADER*) { return KnobFrame(g_radarBrightness, kBrightnessBounds); }),
    Icon("range", 48, 17, 6, [](ELEMENT_HEADER*) { return static_cast<double>(std::min(GetRadarRange(), 5u)); }),
    Icon("mode", 134, 17, 4, [](ELEMENT_HEADER*) { return ModeFrame(); }),
    Icon("gain", 100, 47, 11, [](ELEMENT_HEADER*) { return KnobFrame(g_radarGain, kGainBounds); }),
    Icon("tilt", 220, 17, 7, [](ELEMENT_HEADER*) { return TiltFrame(); }),
    Icon("stabilizer", 183, 56, 2,
         [](ELEMENT_HEADER*) { return GetSwitch(&g_radarStabilizerSwitch) == kSwitchOff ? 1.0 : 0.0; }),
    StaticImage("panel light", 0, 1),
    StaticImage("click areas"),
});

constinit ElementChain g_radarDisplay2Elements({
    StaticImage("radar picture"),
});
constinit DueTickLook g_radarRunning(kChannel1Hz, [] {
  return IsPowerState(kPowerNormal) != 0 && GetSwitch(&g_radarModeSwitch) != kRadarOff;
});

}  // namespace

platform::ELEMENT_HEADER* RadarElements() { return g_radarElements.Head(); }
platform::ELEMENT_HEADER* RadarDisplay2Elements() { return g_radarDisplay2Elements.Head(); }

void RadarGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId != platform::kServicePreDraw) return;
  ShowClickAreas(gauge, 8);
  ShowElement(gauge, 7, IsCplPanelLightOn() != 0);
}

// Hidden as the panel is installed; then, looked at once a second with the
// radar's picture, shown while the radar has normal power and is not off.
void RadarDisplay2GaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t) {
  if (serviceId == platform::kServicePreInstall) ShowElement(gauge, 0, false);
  if (serviceId == platform::kServicePreDraw) ShowElement(gauge, 0, g_radarRunning.Shown());
}

void KeepRadarDisplay2() { g_radarRunning.Take(); }

int32_t RadarMouseBrightnessDec(PixelPoint, uint32_t) {
  return Step(g_radarBrightness, -kKnobStep, 0.0, kBrightnessMax, kClickRotary1);
}
int32_t RadarMouseBrightnessInc(PixelPoint, uint32_t) {
  return Step(g_radarBrightness, kKnobStep, 0.0, kBrightnessMax, kClickRotary1);
}

int32_t RadarMouseRangeDec(PixelPoint, uint32_t) {
  DecrementRadarRange();
  PlayClick(kClickRotary1);
  return 1;
}
int32_t RadarMouseRangeInc(PixelPoint, uint32_t) {
  IncrementRadarRange();
  PlayClick(kClickRotary1);
  return 1;
}

int32_t RadarMouseModeDec(PixelPoint, uint32_t) { return StepMode(-1, kClickRotary2); }
int32_t RadarMouseModeInc(PixelPoint, uint32_t) { return StepMode(1, kClickRotary1); }

int32_t RadarMouseGainDec(PixelPoint, uint32_t) {
  return StepWithin(g_radarGain, -kKnobStep, 0.0, kRadarGainMax, kClickRotary2);
}
int32_t RadarMouseGainInc(PixelPoint, uint32_t) {
  return StepWithin(g_radarGain, kKnobStep, 0.0, kRadarGainMax, kClickRotary2);
}

int32_t RadarMouseTiltDec(PixelPoint, uint32_t) {
  return StepWithin(g_radarTilt, -kTiltStep, -kRadarTiltMaxSteps, kRadarTiltMaxSteps, kClickRotary1);
}
int32_t RadarMouseTiltInc(PixelPoint, uint32_t) {
  return StepWithin(g_radarTilt, kTiltStep, -kRadarTiltMaxSteps, kRadarTiltMaxSteps, kClickRotary1);
}

int32_t RadarMouseStabilizer(PixelPoint, uint32_t) { return ToggleControl(g_radarStabilizerSwitch, kClickToggle1); }

}  // namespace halcyon
