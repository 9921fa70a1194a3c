// Payload and fuel to the simulator; AI traffic into the TCAS.
#include "host/payload_traffic.h"

#include <cmath>
#include <cstring>

#include "core/panel_services.h"
#include "crewaids/dispatch/dispatch_model.h"
#include "displays/tcas/tcas.h"
#include "host/simconnect_client.h"
#include "nav/latlon.h"
#include "platform/simconnect.h"
#include "systems/fuel_flow.h"
#include "systems/rain.h"

namespace halcyon {

PayloadFuelData g_payloadFuelData{};

namespace {

constexpr double kPositionDeadBandDeg = 0.00001;
constexpr double kMinAltitudeFt = 0.1;
constexpr double kMinHeightAboveGroundFt = 20.0;  // aircraft on the ground are not shown
constexpr double kMaxAltitudeFt = 99900.0;

bool IsOutside(double value, double limit) { return value > limit || value < -limit; }
bool IsInDeadBand(double value) { return value > -kPositionDeadBandDeg && value < kPositionDeadBandDeg; }

}  // namespace

void WritePayloadAndFuel() {
  const double lbPerGallon = ReadToken(Token::FuelWeightLbPerGallon);
  for (int32_t zone = 1; zone <= 4; ++zone) g_payloadFuelData.stationLb[zone - 1] = GetZoneWeight(zone);
  for (int32_t cargo = 0; cargo < 3; ++cargo) g_payloadFuelData.stationLb[4 + cargo] = GetDispatchWeight(cargo);
  // Without a usable fuel weight there are no gallons to send: nothing is
  // sent rather than infinite or undefined quantities.
  const bool weightUsable = std::isfinite(lbPerGallon) && lbPerGallon > 0.0;
  if (weightUsable) {
    g_payloadFuelData.leftMainGal = GetFuelQuantity(0) / lbPerGallon;
    g_payloadFuelData.rightMainGal = GetFuelQuantity(2) / lbPerGallon;
    g_payloadFuelData.centerGal = GetFuelQuantity(1) / lbPerGallon;
  }
  if (weightUsable && g_simConnect != nullptr) {
    platform::SimConnect_SetDataOnSimObject(g_simConnect, kDefinitionPayloadFuel, platform::kUserObjectId, 0, 0,
                                            sizeof(PayloadFuelData), &g_payloadFuelData);
  }
  ResetFuelUsed();
}

uint8_t ValidTrafficPosition(double latitudeDeg, double longitudeDeg, double altitudeFt, double heightAboveGroundFt,
                             const char* atcId) {
  uint8_t valid = 1;
  // An empty id is within any text, so it is refused too.
  if (atcId == nullptr || std::strstr(GetAtcId(), atcId) != nullptr) valid = 0;
  // Values that are not numbers pass no range test; they are refused here.
  if (!std::isfinite(latitudeDeg) || !std::isfinite(longitudeDeg) || !std::isfinite(altitudeFt) ||
      !std::isfinite(heightAboveGroundFt)) {
    valid = 0;
  }
  if (IsOutside(latitudeDeg, 90.0) || IsInDeadBand(latitudeDeg)) valid = 0;
  if (IsOutside(longitudeDeg, 180.0) || IsInDeadBand(longitudeDeg)) valid = 0;
  if (altitudeFt < kMinAltitudeFt || altitudeFt > kMaxAltitudeFt) valid = 0;
  if (heightAboveGroundFt < kMinHeightAboveGroundFt || heightAboveGroundFt > kMaxAltitudeFt) valid = 0;
  return valid;
}

void AddTraffic(double latitudeDeg, double longitudeDeg, double altitudeFt, double heightAboveGroundFt,
                double verticalSpeedFpm, const char* atcId, const char* trafficState) {
  if (g_tcas == nullptr ||
      ValidTrafficPosition(latitudeDeg, longitudeDeg, altitudeFt, heightAboveGroundFt, atcId) == 0) {
    return;
  }
  ReadToken(Token::Latitude);
  ReadToken(Token::Longitude);
  const double tick18 = CurrentTick18();
  const CLatLon own = *g_tcas->GetOwnPosition();
  const CLatLon position(latitudeDeg, longitudeDeg);
  CTcasTarget* known = g_tcas->FindTarget(atcId);
  if (known == nullptr) {
    g_tcas->AppendTarget(atcId, position, altitudeFt, heightAboveGroundFt, verticalSpeedFpm, tick18);
    return;
  }
  known->SetPosition(position);
  known->SetAltitude(altitudeFt);
  known->SetHeightAboveGround(heightAboveGroundFt);
  known->SetVerticalSpeed(verticalSpeedFpm);
  known->SetId(atcId);
  known->ComputeRange(own, position);
  known->ComputeBearing(own, position);
  known->SetSeen(true);
}

}  // namespace halcyon
