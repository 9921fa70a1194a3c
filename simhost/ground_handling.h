// The simulator's side of the landing gear, flaps, autobrake and pushback:
// the three gear legs travel to the gear handle and the flaps to the flap
// handle whenever a handle is moved; the gear-down event lowers the handle;
// the autobrake events step the simulator's setting one notch within 0..5;
// the pushback event starts and stops the tug, which moves the aircraft
// backwards at walking pace.
#pragma once

#include <cstdint>

namespace simhost {

class SimHost;

// Full travel of the gear, and of the flaps from up to fully down.
constexpr double kGearTravelSeconds = 7.0;
constexpr double kFlapTravelSeconds = 20.0;
// The tug's speed, above the cockpit's 1 m/s "moving" threshold.
constexpr double kPushbackSpeedMps = 1.03;

class GroundHandling {
 public:
  // Applies the event's effect; false when the event is not one of these.
  bool ApplyKeyEvent(SimHost& host, uint32_t event, uint32_t value);
  // A token just set by the scenario or the test bed: a handle moved starts
  // the gear or the flaps on their way.
  void TokenSet(SimHost& host, uint32_t token, double value);
  // Once a tick, after the flight model: the tug pushes.
  void Step();
  bool IsPushing() const { return pushing_; }

 private:
  bool pushing_ = false;
};

}  // namespace simhost
