// The aural warnings of the flight envelope and the stabilizer: stall,
// overspeed, slat overspeed, stabilizer trim and stabilizer motion, posted on
// and taken off the voice queue. Reads airspeed, the barber-pole speed, the
// stall warning, on-ground, the stabilizer angle and the flap handle.
#pragma once

namespace halcyon {

void InitAuralWarnings();
// Once a tick, before the voice queue plays.
void UpdateAuralWarnings();

// The stabilizer angle (degrees) of the last trim warning; the longitudinal
// trim sets it at start-up to the angle the aircraft loads with.
void SetStabilizerTrimReference(double angleDeg);

}  // namespace halcyon
