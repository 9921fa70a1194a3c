// The simulator's client interface as the cockpit uses it: one connection,
// client events mapped from simulator events and from keyboard combinations,
// data definitions, weather and AI-traffic requests, data written to the
// user aircraft, and a queue of messages the module drains once per tick.
// Only the calls and message fields the cockpit uses are here, in our words.
// The simulator's side (namespace platform::simconnect) lets the host and the
// tests see every registration and request and queue any message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

using SimConnectHandle = void*;
using SimConnectResult = int32_t;
constexpr SimConnectResult kSimConnectOk = 0;
constexpr SimConnectResult kSimConnectFailed = static_cast<int32_t>(0x80004005u);

// Data types of a data definition's fields.
constexpr uint32_t kDataTypeFloat64 = 4;
constexpr uint32_t kDataTypeString256 = 9;
constexpr uint32_t kNoDatumId = 0xFFFFFFFFu;      // "no datum id" (-1)
constexpr uint32_t kNoEventId = 0xFFFFFFFFu;      // "no up event" (-1)
constexpr uint32_t kHighestPriority = 1;
constexpr uint32_t kObjectTypeAircraft = 2;
constexpr uint32_t kUserObjectId = 0;

// ---- Messages ----------------------------------------------------------------
// Every message starts with this header; `size` counts the whole message.
struct SimConnectMessageHeader {
  uint32_t size;
  uint32_t version;
  uint32_t id;
};

enum SimConnectMessageId : uint32_t {
  kMessageNull = 0,
  kMessageException = 1,
  kMessageOpen = 2,
  kMessageQuit = 3,
  kMessageEvent = 4,
  kMessageObjectDataByType = 9,
  kMessageCloudState = 11,
};

struct SimConnectExceptionMessage {
  SimConnectMessageHeader header;
  uint32_t exception;  // what went wrong
  uint32_t sendId;     // the call it answers
  uint32_t index;      // the argument at fault
};

struct SimConnectEventMessage {
  SimConnectMessageHeader header;
  uint32_t groupId;
  uint32_t eventId;  // the client event id
  uint32_t data;
};

// One object of an answer to a request by object type; the object's fields
// follow as the data definition lays them out.
struct SimConnectObjectDataMessage {
  SimConnectMessageHeader header;
  uint32_t requestId;
  uint32_t objectId;
  uint32_t definitionId;
  uint32_t flags;
  uint32_t entryNumber;  // 1-based, of outOf
  uint32_t outOf;
  uint32_t fieldCount;
  // data follows
};
constexpr size_t kObjectDataOffset = sizeof(SimConnectObjectDataMessage);

// A cloud-state answer: arraySize density bytes follow, 64 x 64 row by row.
struct SimConnectCloudStateMessage {
  SimConnectMessageHeader header;
  uint32_t requestId;
  uint32_t arraySize;
  // density bytes follow
};
constexpr size_t kCloudStateOffset = sizeof(SimConnectCloudStateMessage);

// ---- Calls -------------------------------------------------------------------
SimConnectResult SimConnect_Open(SimConnectHandle* handle, const char* clientName, void* window,
                                 uint32_t userMessage, void* eventHandle, uint32_t configIndex);
SimConnectResult SimConnect_Close(SimConnectHandle handle);
SimConnectResult SimConnect_MapClientEventToSimEvent(SimConnectHandle handle, uint32_t eventId,
                                                     const char* simEventName);
SimConnectResult SimConnect_AddClientEventToNotificationGroup(SimConnectHandle handle, uint32_t groupId,
                                                              uint32_t eventId, int32_t maskable);
SimConnectResult SimConnect_SetNotificationGroupPriority(SimConnectHandle handle, uint32_t groupId,
                                                         uint32_t priority);
SimConnectResult SimConnect_MapInputEventToClientEvent(SimConnectHandle handle, uint32_t groupId,
                                                       const char* inputDefinition, uint32_t downEventId,
                                                       uint32_t downValue, uint32_t upEventId, uint32_t upValue,
                                                       int32_t maskable);
SimConnectResult SimConnect_SetInputGroupState(SimConnectHandle handle, uint32_t groupId, uint32_t state);
SimConnectResult SimConnect_SetInputGroupPriority(SimConnectHandle handle, uint32_t groupId, uint32_t priority);
SimConnectResult SimConnect_AddToDataDefinition(SimConnectHandle handle, uint32_t definitionId,
                                                const char* variableName, const char* units, uint32_t dataType,
                                                float epsilon, uint32_t datumId);
SimConnectResult SimConnect_WeatherRequestCloudState(SimConnectHandle handle, uint32_t requestId, float minLat,
                                                     float minLon, float minAlt, float maxLat, float maxLon,
                                                     float maxAlt, uint32_t flags);
SimConnectResult SimConnect_RequestDataOnSimObjectType(SimConnectHandle handle, uint32_t requestId,
                                                       uint32_t definitionId, uint32_t radiusMeters,
                                                       uint32_t objectType);
SimConnectResult SimConnect_SetDataOnSimObject(SimConnectHandle handle, uint32_t definitionId, uint32_t objectId,
                                               uint32_t flags, uint32_t arrayCount, uint32_t unitSize,
                                               const void* data);
// The next queued message; it stays valid until the next call. An empty queue
// or a closed handle gives kSimConnectFailed.
SimConnectResult SimConnect_GetNextDispatch(SimConnectHandle handle, const SimConnectMessageHeader** message,
                                            uint32_t* size);

}  // namespace platform

// ---- The simulator's side ----------------------------------------------------
namespace platform::simconnect {

struct ClientEventMapping {
  uint32_t eventId;
  std::string simEventName;  // empty: a private event
};
struct NotificationMember {
  uint32_t groupId;
  uint32_t eventId;
  int32_t maskable;
};
struct InputMapping {
  uint32_t groupId;
  std::string definition;
  uint32_t downEventId;
  uint32_t downValue;
  uint32_t upEventId;
  uint32_t upValue;
  int32_t maskable;
};
struct DataField {
  uint32_t definitionId;
  std::string variable;
  std::string units;  // empty for none
  uint32_t dataType;
  float epsilon;
  uint32_t datumId;
};
struct CloudRequest {
  uint32_t requestId;
  float minLat, minLon, minAlt, maxLat, maxLon, maxAlt;
  uint32_t flags;
};
struct ObjectRequest {
  uint32_t requestId;
  uint32_t definitionId;
  uint32_t radiusMeters;
  uint32_t objectType;
};
struct DataWrite {
  uint32_t definitionId;
  uint32_t objectId;
  uint32_t flags;
  uint32_t arrayCount;
  uint32_t unitSize;
  std::vector<uint8_t> bytes;
};

// Everything the module registered or asked for since the last Reset,
// across connections.
struct Registrations {
  std::vector<ClientEventMapping> clientEvents;
  std::vector<NotificationMember> notificationMembers;
  std::vector<std::pair<uint32_t, uint32_t>> notificationPriorities;  // group, priority
  std::vector<InputMapping> inputMappings;
  std::vector<std::pair<uint32_t, uint32_t>> inputGroupStates;        // group, state
  std::vector<std::pair<uint32_t, uint32_t>> inputGroupPriorities;    // group, priority
  std::vector<DataField> dataFields;
  std::vector<CloudRequest> cloudRequests;
  std::vector<ObjectRequest> objectRequests;
  std::vector<DataWrite> dataWrites;
};
const Registrations& Log();

struct Counters {
  uint64_t openAttempts = 0;
  uint64_t opens = 0;            // successful
  uint64_t closes = 0;
  uint64_t dispatchCalls = 0;    // SimConnect_GetNextDispatch calls
  uint64_t messagesRead = 0;     // calls that gave a message
};
Counters GetCounters();

bool IsOpen();
// The next `count` opens fail.
void FailNextOpens(int count);

// ---- Messages the simulator sends ----
size_t QueuedMessages();
// Any bytes as one message, exactly as given (bad input for tests).
void QueueRaw(std::vector<uint8_t> bytes);
void QueueQuit();
void QueueException(uint32_t exception, uint32_t sendId = 0, uint32_t index = 0);
void QueueEvent(uint32_t groupId, uint32_t eventId, uint32_t data = 0);
// The simulator event by name (e.g. "BRAKES"), to every client event the open
// connection mapped to it; false when none is.
bool QueueSimEvent(const std::string& simEventName);
// A keyboard combination pressed: its text is matched without regard to case
// against the open connection's mappings in input groups that are on; false
// when none matches.
bool PressCombination(const std::string& text);

// An AI aircraft as the simulator knows it, in the units the answers carry.
struct AiAircraft {
  std::string atcId;
  std::string trafficState;
  double latitudeRad = 0.0;
  double longitudeRad = 0.0;
  double altitudeFt = 0.0;
  double heightAboveGroundFt = 0.0;
  double verticalSpeedFps = 0.0;
};
// Queues one answer message per aircraft, its fields laid out by the data
// definition the module registered.
void QueueObjectAnswer(uint32_t requestId, uint32_t definitionId, const std::vector<AiAircraft>& aircraft);
void QueueCloudState(uint32_t requestId, const std::vector<uint8_t>& densities);

// How the host answers requests at the moment the module makes them.
using ObjectAnswerer = std::function<std::vector<AiAircraft>(const ObjectRequest& request)>;
using CloudAnswerer = std::function<std::vector<uint8_t>(const CloudRequest& request)>;
void SetObjectAnswerer(ObjectAnswerer answerer);
void SetCloudAnswerer(CloudAnswerer answerer);

// Forgets everything: connection, log, queue, answerers.
void Reset();

}  // namespace platform::simconnect
