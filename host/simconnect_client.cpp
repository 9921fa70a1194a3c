// The client-interface connection, its registrations and the per-tick step.
#include "host/simconnect_client.h"

#include <cstdio>
#include <string>

#include "core/helpers.h"
#include "core/options.h"
#include "core/panel_services.h"
#include "core/switch.h"
#include "core/tick_scheduler.h"
#include "displays/efis/efis_mcp.h"
#include "displays/radar/radar.h"
#include "displays/tcas/tcas.h"
#include "host/keyboard_combos.h"
#include "host/payload_traffic.h"
#include "host/simconnect_messages.h"
#include "nav/great_circle.h"
#include "nav/latlon.h"
#include "systems/autobrake.h"
#include "systems/radios.h"

namespace halcyon {

platform::SimConnectHandle g_simConnect = nullptr;
uint8_t g_simConnectQuit = 0;
uint32_t g_cloudGridNd[kCloudGridSize][kCloudGridSize] = {};
uint32_t g_cloudGridRadar[kCloudGridSize][kCloudGridSize] = {};

namespace {

constexpr const char* kClientName = "HalcyonPro";
constexpr uint32_t kComboTextBytes = 100;

struct SimEvent {
  uint32_t id;
  const char* name;
};
constexpr SimEvent kWatchedSimEvents[] = {
    {kEventBrakes, "BRAKES"},
    {kEventBrakesLeft, "BRAKES_LEFT"},
    {kEventBrakesRight, "BRAKES_RIGHT"},
    {kEventElevatorTrimDown, "ELEV_TRIM_DN"},
    {kEventElevatorTrimUp, "ELEV_TRIM_UP"},
};

struct DataDefinitionField {
  uint32_t definition;
  const char* variable;
  const char* units;  // null for texts
  uint32_t type;
};
constexpr DataDefinitionField kDataDefinitionFields[] = {
    {kDefinitionPayloadFuel, "PAYLOAD STATION WEIGHT:1", "Pounds", platform::kDataTypeFloat64},
    {kDefinitionPayloadFuel, "PAYLOAD STATION WEIGHT:2", "Pounds", platform::kDataTypeFloat64},
    {kDefinitionPayloadFuel, "PAYLOAD STATION WEIGHT:3", "Pounds", platform::kDataTypeFloat64},
    {kDefinitionPayloadFuel, "PAYLOAD STATION WEIGHT:4", "Pounds", platform::kDataTypeFloat64},
    {kDefinitionPayloadFuel, "PAYLOAD STATION WEIGHT:5", "Pounds", platform::kDataTypeFloat64},
    {kDefinitionPayloadFuel, "PAYLOAD STATION WEIGHT:6", "Pounds", platform::kDataTypeFloat64},
    {kDefinitionPayloadFuel, "PAYLOAD STATION WEIGHT:7", "Pounds", platform::kDataTypeFloat64},
    {kDefinitionPayloadFuel, "FUEL TANK CENTER QUANTITY", "Gallons", platform::kDataTypeFloat64},
    {kDefinitionPayloadFuel, "FUEL TANK LEFT MAIN QUANTITY", "Gallons", platform::kDataTypeFloat64},
    {kDefinitionPayloadFuel, "FUEL TANK RIGHT MAIN QUANTITY", "Gallons", platform::kDataTypeFloat64},
    {kDefinitionAiAircraft, "ATC ID", nullptr, platform::kDataTypeString256},
    {kDefinitionAiAircraft, "AI TRAFFIC STATE", nullptr, platform::kDataTypeString256},
    {kDefinitionAiAircraft, "PLANE LATITUDE", "Radians", platform::kDataTypeFloat64},
    {kDefinitionAiAircraft, "PLANE LONGITUDE", "Radians", platform::kDataTypeFloat64},
    {kDefinitionAiAircraft, "PLANE ALTITUDE", "Feet", platform::kDataTypeFloat64},
    {kDefinitionAiAircraft, "PLANE ALT ABOVE GROUND", "Feet", platform::kDataTypeFloat64},
    {kDefinitionAiAircraft, "VELOCITY WORLD Y", "Feet per second", platform::kDataTypeFloat64},
};

// Half-width of a cloud-state box by range index: the range in NM / 60.
constexpr double kCloudBoxHalfWidthDeg[] = {1.0 / 6.0, 1.0 / 3.0, 2.0 / 3.0, 4.0 / 3.0, 8.0 / 3.0, 16.0 / 3.0};

// TCAS range knob 100..103: 5, 7, 12 and 17 NM.
constexpr uint32_t kTrafficRadiusMeters[] = {9260, 12964, 22224, 31484};
constexpr int32_t kTcasRangeFirstPosition = 100;

constexpr int32_t kRadarModeWeather = 109;
constexpr int32_t kRadarModeMap = 110;

void RegisterWatchedSimEvents() {
  for (const SimEvent& event : kWatchedSimEvents) {
    platform::SimConnect_MapClientEventToSimEvent(g_simConnect, event.id, event.name);
    platform::SimConnect_AddClientEventToNotificationGroup(g_simConnect, kSimEventGroup, event.id, 0);
  }
  platform::SimConnect_SetNotificationGroupPriority(g_simConnect, kSimEventGroup, platform::kHighestPriority);
}

// 19 commands to a group in groups 1..19; a group counts only the commands
// registered in it, so empty slots between them take no place.
void RegisterKeyboardCommands() {
  uint32_t group = kFirstKeyboardGroup;
  uint32_t count = 0;
  for (uint32_t slot = 0; slot < kKeyboardSlotCount; ++slot) {
    if (count == kCommandsPerGroup) {
      ++group;
      count = 0;
    }
    if (group >= kFirstKeyboardGroup + kKeyboardGroupCount) continue;
    const wchar_t* combo = g_keyboardCombos->GetCombo(slot);
    if (combo[0] == L'\0') continue;
    platform::SimConnect_MapClientEventToSimEvent(g_simConnect, slot, "");
    platform::SimConnect_AddClientEventToNotificationGroup(g_simConnect, group, slot, 0);
    platform::SimConnect_SetNotificationGroupPriority(g_simConnect, group, platform::kHighestPriority);
    char text[kComboTextBytes];
    std::snprintf(text, sizeof(text), "%s", WideToAnsi(combo));
    platform::SimConnect_MapInputEventToClientEvent(g_simConnect, group, text, slot, 0, platform::kNoEventId, 0, 0);
    platform::SimConnect_SetInputGroupState(g_simConnect, group, 1);
    platform::SimConnect_SetInputGroupPriority(g_simConnect, group, platform::kHighestPriority);
    ++count;
  }
}

void RegisterDataDefinitions() {
  for (const DataDefinitionField& field : kDataDefinitionFields) {
    platform::SimConnect_AddToDataDefinition(g_simConnect, field.definition, field.variable, field.units, field.type,
                                             0.0f, platform::kNoDatumId);
  }
}

// ---- Requests ----------------------------------------------------------------

void RequestCloudState(uint32_t request, const CLatLon& centre, double halfWidthDeg, double minAltFt,
                       double maxAltFt) {
  platform::SimConnect_WeatherRequestCloudState(
      g_simConnect, request, static_cast<float>(centre.GetLat() - halfWidthDeg),
      static_cast<float>(centre.GetLon() - halfWidthDeg), static_cast<float>(minAltFt),
      static_cast<float>(centre.GetLat() + halfWidthDeg), static_cast<float>(centre.GetLon() + halfWidthDeg),
      static_cast<float>(maxAltFt), 0);
}

// Both weather grids, every 2 s while the radar shows weather or map.
void RequestCloudStates() {
  if (IsTickDue(kChannel2s) != 1) return;
  const int32_t mode = GetSwitch(&g_radarModeSwitch);
  if (mode != kRadarModeWeather && mode != kRadarModeMap) return;
  const CLatLon centre(ReadScaledToken(Token::Latitude), ReadScaledToken(Token::Longitude));
  const double altRangeFt = g_radarAltRange;
  const double bandCentreFt = ReadToken(Token::AltitudeM) * kFeetPerMetre + g_radarTilt * altRangeFt;
  const double minAltFt = bandCentreFt - altRangeFt;
  const double maxAltFt = bandCentreFt + altRangeFt;
  RequestCloudState(kRequestCloudsNd, centre, CloudBoxHalfWidthDeg(GetEfisRange()), minAltFt, maxAltFt);
  RequestCloudState(kRequestCloudsRadar, centre, CloudBoxHalfWidthDeg(GetRadarRange()), minAltFt, maxAltFt);
}

// AI traffic once a second; the TCAS drops what stopped answering, then
// ages the rest, so the answers to this request mark their aircraft again.
void RequestTraffic() {
  if (IsTickDue(kChannel1HzB) != 1) return;
  platform::SimConnect_RequestDataOnSimObjectType(g_simConnect, kRequestTraffic, kDefinitionAiAircraft,
                                                  TrafficRadiusMeters(GetSwitch(&g_tcasRangeSwitch)),
                                                  platform::kObjectTypeAircraft);
  // The TCAS is gone between a shut-down and the next start-up.
  if (g_tcas == nullptr) return;
  g_tcas->PurgeUnseenTargets();
  g_tcas->AgeTargets();
}

// ---- Messages ----------------------------------------------------------------

// A keyboard command acts as one left click on its control.
void RunKeyboardCommand(uint32_t slot) {
  if (slot == kKeyboardSlotChecklistNext && GetOption(kOptionSpacebar) == 0) return;
  if (platform::MouseFunction control = KeyboardCommandControl(slot)) control({0, 0}, platform::kMouseLeftSingle);
}

void OnClientEvent(uint32_t eventId) {
  if (eventId < kKeyboardSlotCount) {
    RunKeyboardCommand(eventId);
    return;
  }
  switch (eventId) {
    case kEventBrakes:
    case kEventBrakesLeft:
    case kEventBrakesRight:
      DisarmAutobrakeOnPedal(1);
      break;
    case kEventElevatorTrimDown:
    case kEventElevatorTrimUp:
      // Trimming by hand disconnects an engaged autopilot; 65580 toggles it.
      if (ReadToken(Token::AutopilotEngaged) != 0.0) TriggerKeyEvent(kKeyEventAutopilotMaster, 0);
      break;
    default:
      break;
  }
}

void OnAiAircraft(const IncomingMessage& message) {
  if (message.requestId != kRequestTraffic || g_tcas == nullptr || g_tcas->GetTrafficList() == nullptr) return;
  const AiAircraftAnswer& aircraft = message.aircraft;
  AddTraffic(aircraft.latitudeRad * kDegreesPerRadian, aircraft.longitudeRad * kDegreesPerRadian,
             aircraft.altitudeFt, aircraft.heightAboveGroundFt, aircraft.verticalSpeedFps * 60.0, aircraft.atcId,
             aircraft.trafficState);
}

void OnCloudState(const IncomingMessage& message) {
  uint32_t(*grid)[kCloudGridSize] = message.requestId == kRequestCloudsNd      ? g_cloudGridNd
                                    : message.requestId == kRequestCloudsRadar ? g_cloudGridRadar
                                                                               : nullptr;
  if (grid == nullptr) return;
  for (uint32_t cell = 0; cell < kCloudStateBytes; ++cell) {
    grid[cell / kCloudGridSize][cell % kCloudGridSize] = message.densities[cell];
  }
}

// True when the tick's reading goes on after this message.
bool HandleMessage(const IncomingMessage& message) {
  switch (message.kind) {
    case IncomingKind::Null:
    case IncomingKind::Other:
      return false;
    case IncomingKind::Quit:
      g_simConnectQuit = 1;
      return false;
    case IncomingKind::Event:
      OnClientEvent(message.eventId);
      return true;
    case IncomingKind::AiAircraft:
      OnAiAircraft(message);
      return true;
    case IncomingKind::CloudState:
      OnCloudState(message);
      return true;
    case IncomingKind::Unusable:
      return true;
  }
  return true;
}

void ReadMessages() {
  for (uint32_t call = 0; call < kMaxMessagesPerTick && g_simConnectQuit == 0; ++call) {
    const platform::SimConnectMessageHeader* data = nullptr;
    uint32_t size = 0;
    if (platform::SimConnect_GetNextDispatch(g_simConnect, &data, &size) != platform::kSimConnectOk) continue;
    if (!HandleMessage(ReadIncomingMessage(data, size))) break;
  }
}

}  // namespace

uint32_t TrafficRadiusMeters(int32_t tcasRangePosition) {
  const int32_t index = tcasRangePosition - kTcasRangeFirstPosition;
  return index >= 0 && index < static_cast<int32_t>(std::size(kTrafficRadiusMeters)) ? kTrafficRadiusMeters[index]
                                                                                     : kTrafficRadiusMeters[3];
}

double CloudBoxHalfWidthDeg(uint32_t rangeIndex) {
  return rangeIndex < std::size(kCloudBoxHalfWidthDeg) ? kCloudBoxHalfWidthDeg[rangeIndex] : 1.0;
}

void OpenSimConnect() {
  CreateKeyboardCombos();
  if (g_simConnect != nullptr || g_keyboardCombos == nullptr) return;
  platform::SimConnectHandle handle = nullptr;
  if (platform::SimConnect_Open(&handle, kClientName, nullptr, 0, nullptr, 0) != platform::kSimConnectOk ||
      handle == nullptr) {
    return;  // tried again next tick
  }
  g_simConnect = handle;
  RegisterWatchedSimEvents();
  RegisterKeyboardCommands();
  RegisterDataDefinitions();
}

void CloseSimConnect() {
  if (g_simConnect != nullptr) platform::SimConnect_Close(g_simConnect);
  g_simConnect = nullptr;
}

void DispatchSimConnect() {
  if (g_simConnect == nullptr) OpenSimConnect();
  if (g_simConnect == nullptr) return;
  RequestCloudStates();
  RequestTraffic();
  ReadMessages();
}

}  // namespace halcyon
