// The simulator's autopilot and a point-mass flight model, as the headless
// simulator flies the aircraft.
//
// The autopilot: every autopilot, autothrottle and throttle key event of the
// cockpit changes its tokens at once (ApplyAutopilotKeyEvent). With the
// autopilot engaged (Token::AutopilotEngaged) and airborne, heading hold
// turns towards the heading bug, a magnetic heading, at the standard rate,
// altitude and vertical-speed hold move the altitude, and the autothrottle in
// airspeed or Mach hold moves the throttles; the speed then follows from
// thrust, drag and the climb (the point mass). Without it, what a scenario
// sets or ramps rules: the model only moves the altitude by the vertical
// speed set.
//
// Flown by the autopilot down onto the ground, the aircraft touches down
// (on_ground set, the vertical speed 0); on the ground the wheels hold it.
//
// Always, while the model is on: IAS, TAS and Mach are related through the
// standard atmosphere; the heading (Token::HeadingDeg) is true, the magnetic
// heading that less the variation (Token::MagneticVariationDeg, east
// positive); the ground speed is the true airspeed along the true heading
// plus the wind; the position integrates it; the radio altitude is
// the height above the ground elevation.
//
// Thrust comes only from an engine that burns fuel (engine1_running,
// engine2_running): from its N1 (n1_1, n1_2), or, while that reads 0 as
// without an engine model, from its
// throttle at once. Drag is the parasite drag of the clean aircraft, flaps
// and gear, the induced drag, and above about M 0.7 the wave drag of a wing of
// this type: Lock's fourth-power rise, cd = 20 (M - Mcr)^4 with
// Mcr = Mdd - (0.1 / 80)^(1/3), for a drag-divergence Mach Mdd of 0.80 (the
// swept wing of the MD-80 family, 24.5 degrees; its MMO is 0.84). The form
// is the one of Gur, Mason and Schetz, "Full-configuration drag estimation",
// Journal of Aircraft 47(4), 2010; it gives 20 counts at M 0.78 and 300 at
// M 0.89, so level flight at high power settles near M 0.84.
// Reads also the throttles, the flap and gear positions, the wind and the
// magnetic variation.
// Drives the altitude (in feet and metres), vertical speed, IAS, Mach, the
// headings (true, magnetic, and true in radians), the ground speed, the
// position and the radio altitude; the tokens are those of core/tokens.h.
#pragma once

#include <cstdint>

#include "simhost/radio_nav.h"

namespace simhost {

// The autopilot state that is not a token: whether the simulator's altitude
// lock flies the vertical speed set (up to the altitude set, when that lies
// ahead) or holds the altitude set. Flying the vertical speed towards the
// altitude set, the autopilot holds that altitude once it is reached or
// passed, as the simulator's does.
//
// Approach hold and NAV hold (approach_hold, nav1_lock) fly the heading set until the NAV 1
// course needle comes off its stop, then capture the course and track it:
// the aircraft steers for a point on the course line 25 seconds ahead (at
// most 30 degrees off the course, corrected for the wind's drift). With the
// glide-slope hold (glideslope_hold) and the localizer captured, the glide slope is
// captured where the aircraft meets it; the altitude lock then lets go
// and the vertical speed follows the path: the ground speed's share down the
// slope, plus the height above the path taken out over 8 seconds.
struct SimAutopilot {
  bool verticalSpeedHold = false;
  bool altitudeAhead = false;  // the last tick flew towards the altitude set
  double toGoFt = 0.0;         // and was this far from it
  bool courseCaptured = false;
  bool glideSlopeCaptured = false;
  double glideSlopeNeedle = 0.0;  // last tick's, to see the path crossed
};

// Applies a key event's effect on the autopilot, autothrottle and throttle
// tokens; other events are left alone.
void ApplyAutopilotKeyEvent(SimAutopilot& autopilot, uint32_t event, uint32_t value);

class FlightModel {
 public:
  // One tick of 1/18 s. groundElevationFt: the ground under the aircraft;
  // nav1: what the NAV 1 receiver gets, for the approach and NAV modes.
  void Step(SimAutopilot& autopilot, double groundElevationFt, const RadioNav::Reception& nav1 = {});

  // The standard atmosphere and airspeed conversions, exposed for the tests.
  struct Air {
    double temperatureK;
    double pressurePa;
    double densityKgM3;
    double speedOfSoundMps;
  };
  static Air StandardAtmosphere(double altitudeFt);
  static double MachFromCas(double casKt, double altitudeFt);
  static double CasFromMach(double mach, double altitudeFt);
  static double TasFromCas(double casKt, double altitudeFt);

 private:
  double FlyAutopilotVertical(SimAutopilot& autopilot, double altitudeFt, double verticalSpeedFpm) const;
  void FlyAutopilotHeading(SimAutopilot& autopilot, const RadioNav::Reception& nav1);
  double FlyGlideSlope(SimAutopilot& autopilot, const RadioNav::Reception& nav1, double verticalSpeedFpm) const;
  void TurnTowards(double targetTrueDeg);
  void FlyAutothrottle(double casKt, double altitudeFt, double accelerationKtPerS);
  double ThrustN(double densityKgM3) const;
  double DragN(double tasMps, const Air& air, double flightPathRad) const;

 public:
  // The drag coefficient that compressibility adds at a Mach number.
  static double WaveDragCoefficient(double mach);

 private:

  double accelerationKtPerS_ = 0.0;  // of the last step, for the autothrottle's damping
  double trackDeg_ = 0.0;            // the last step's ground track and speed
  double groundSpeedMps_ = 0.0;
};

}  // namespace simhost
