// Two data paths over the client interface. Out: the dispatch load plan's
// payload (pounds) and fuel (gallons) written into the user aircraft, with
// the engines' fuel-used counters reset. In: each AI aircraft of a traffic
// answer, checked, then added to or updated in the TCAS traffic list.
#pragma once

#include <cstdint>

namespace halcyon {

// The record of data definition 0: ten doubles, 80 bytes.
struct PayloadFuelData {
  double stationLb[7];  // passenger zones 1..4, cargo 1..3
  double centerGal;
  double leftMainGal;
  double rightMainGal;
};
static_assert(sizeof(PayloadFuelData) == 80);
extern PayloadFuelData g_payloadFuelData;

void WritePayloadAndFuel();

// 1 when the aircraft may enter the TCAS traffic list: not the own aircraft
// (its ATC id not within the own one), a position off the exact equator and
// prime meridian, an altitude of 0.1..99900 ft and 20..99900 ft above ground.
uint8_t ValidTrafficPosition(double latitudeDeg, double longitudeDeg, double altitudeFt, double heightAboveGroundFt,
                             const char* atcId);
// Longitudes east-positive, as the simulator gives them; vertical speed ft/min.
void AddTraffic(double latitudeDeg, double longitudeDeg, double altitudeFt, double heightAboveGroundFt,
                double verticalSpeedFpm, const char* atcId, const char* trafficState);

}  // namespace halcyon
