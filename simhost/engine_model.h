// The simulator's engines: two turbofans driven by their starters, mixtures
// (fuel levers) and throttles, each tick. The air starter spins N2 up; fuel
// above the light-off speed lights the engine after a short delay, and it
// runs up to idle (slowly at first, then faster, the EGT peaking on the way)
// and follows its throttle with a spool lag; N1, N2, fuel flow, EGT, oil pressure
// and engine-driven hydraulic output follow; the fuel flow is burnt from the
// tanks the engine's selector takes from, and the total fuel weight follows
// the tanks. A mixture cut or dry tanks stop the engine. The numbers are in
// simhost/engine_constants.h.
//
// An engine stays in the scenario's hands (its tokens as set) until its
// starter or its mixture is first non-zero; from then on the model drives it.
#pragma once

#include <cstdint>

namespace simhost {

class EngineModel {
 public:
  // One tick of both engines and the fuel tanks, after the scenario's input.
  void Step(double seconds);
  // The total fuel weight from the tanks, as the simulator keeps it.
  static void UpdateFuelWeight();
  bool IsDriving(int engine) const { return engine == 1 || engine == 2 ? driving_[engine - 1] : false; }

  // The key events of the engines the simulator carries out at once, before
  // the cockpit's next tick: the starter toggles and the mixture cut-offs.
  // False for any other event.
  static bool ApplyKeyEvent(uint32_t event, uint32_t value);

 private:
  void StepEngine(int index, double seconds);

  bool driving_[2] = {false, false};
  double egtDegC_[2] = {0.0, 0.0};
  double fuelOnS_[2] = {0.0, 0.0};     // fuel at the igniters this long, not yet lit
  double lightOffN2_[2] = {0.0, 0.0};  // N2 when it lit
};

// The simulator's raw engine values as the cockpit's indications read them
// back: the EGT token from degrees C, the oil-pressure token from psi.
double EgtTokenFromDegC(double degC);
double OilPressureTokenFromPsi(double psi);

}  // namespace simhost
