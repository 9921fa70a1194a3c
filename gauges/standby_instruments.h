// The standby and radio navigation instruments of the centre panel:
// "Standby Attitude" (sphere, bank pointer, power flag), "Standby Combi"
// (standby altimeter with its drums, baro windows and pointer, and the
// airspeed tape), "RDI" (compass card and two bearing pointers, each a VOR or
// the ADF by its selector) and "DME" (the two DME distances).
#pragma once

#include <cstdint>

#include "platform/gauge.h"

namespace halcyon {

// ---- Standby Attitude ----
void StandbyAttitudeGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* StandbyAttitudeElements();
// The sphere's pitch shift and its rotation, and the bank pointer: the
// attitude above 10 m/s ground speed, else level.
double StandbyAttitudeElemSpherePitch(platform::ELEMENT_HEADER* element);
double StandbyAttitudeElemSphereBank(platform::ELEMENT_HEADER* element);
double StandbyAttitudeElemBankPointer(platform::ELEMENT_HEADER* element);
double StandbyAttitudeElemPowerFlag(platform::ELEMENT_HEADER* element);

// ---- Standby Combi ----
void StandbyCombiGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* StandbyCombiElements();
// The tape's position 0..1366 for an airspeed in knots.
double StandbyAirspeedTape(double knots);
// The drums' positions for an altitude in feet (99999 and 9999 at zero).
double StandbyTenThousandsDrum(double altitudeFt);
double StandbyThousandsDrum(double altitudeFt);
double StandbyCombiElemAirspeedTape(platform::ELEMENT_HEADER* element);
double StandbyCombiElemInHg1(platform::ELEMENT_HEADER* element);  // hundredths
double StandbyCombiElemInHg2(platform::ELEMENT_HEADER* element);
double StandbyCombiElemInHg3(platform::ELEMENT_HEADER* element);
double StandbyCombiElemInHg4(platform::ELEMENT_HEADER* element);  // tens
double StandbyCombiElemMb1(platform::ELEMENT_HEADER* element);    // units
double StandbyCombiElemMb2(platform::ELEMENT_HEADER* element);
double StandbyCombiElemMb3(platform::ELEMENT_HEADER* element);
double StandbyCombiElemMb4(platform::ELEMENT_HEADER* element);    // thousands
double StandbyCombiElemTenThousands(platform::ELEMENT_HEADER* element);
double StandbyCombiElemThousands(platform::ELEMENT_HEADER* element);
double StandbyCombiElemPointer(platform::ELEMENT_HEADER* element);
// The baro knob: the simulator's own setting down (65884) and up (65883).
int32_t StandbyCombiMouseBaroDec(platform::PixelPoint point, uint32_t mouseFlags);
int32_t StandbyCombiMouseBaroInc(platform::PixelPoint point, uint32_t mouseFlags);

// ---- RDI ----
void RdiGaugeCallback(platform::GAUGEHDR* gauge, uint32_t serviceId, uintptr_t extra);
platform::ELEMENT_HEADER* RdiElements();
double RdiElemCompassCard(platform::ELEMENT_HEADER* element);
double RdiElemDoublePointer(platform::ELEMENT_HEADER* element);
double RdiElemSinglePointer(platform::ELEMENT_HEADER* element);
double RdiElemOffFlag(platform::ELEMENT_HEADER* element);
double RdiElemRightKnob(platform::ELEMENT_HEADER* element);
double RdiElemLeftKnob(platform::ELEMENT_HEADER* element);
// The selectors: VOR (1) <-> ADF (2); anything else back to VOR silently.
int32_t RdiMouseSelectLeft(platform::PixelPoint point, uint32_t mouseFlags);
int32_t RdiMouseSelectRight(platform::PixelPoint point, uint32_t mouseFlags);

// ---- DME (no callback, no controls) ----
platform::ELEMENT_HEADER* DmeElements();
// A window of the distance in its element's bound token (31 DME 1, 35 DME 2).
double DmeElemTenths(platform::ELEMENT_HEADER* element);
double DmeElemUnits(platform::ELEMENT_HEADER* element);
double DmeElemTens(platform::ELEMENT_HEADER* element);
double DmeElemHundreds(platform::ELEMENT_HEADER* element);
double DmeElemDecimalPoint(platform::ELEMENT_HEADER* element);

}  // namespace halcyon
