// The simulator's client interface: registrations logged, requests answered
// through the host's answerers, messages queued in arrival order.
#include "platform/simconnect.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <deque>
#include <set>

namespace platform {
namespace simconnect {
namespace {

constexpr uint32_t kMessageVersion = 4;
// Mapping one client event id twice on a connection is refused this way.
constexpr uint32_t kExceptionEventIdDuplicate = 11;

// What the open connection holds; the log keeps every connection's.
struct Connection {
  std::set<uint32_t> mappedEvents;
  std::vector<ClientEventMapping> clientEvents;
  std::vector<NotificationMember> notificationMembers;
  std::vector<InputMapping> inputMappings;
  std::vector<DataField> fields;
  std::set<uint32_t> groupsOn;
};

struct State {
  uintptr_t connection = 0;  // the open connection's number, 0 when closed
  uintptr_t lastConnection = 0;
  int failOpens = 0;
  Registrations log;
  Counters counters;
  std::deque<std::vector<uint8_t>> queue;
  std::vector<uint8_t> current;  // the message handed out last
  Connection open;
  ObjectAnswerer objectAnswerer;
  CloudAnswerer cloudAnswerer;
};

State& S() {
  static State state;
  return state;
}

bool Valid(SimConnectHandle handle) {
  return S().connection != 0 && reinterpret_cast<uintptr_t>(handle) == S().connection;
}

std::string Text(const char* text) { return text != nullptr ? std::string(text) : std::string(); }

template <typename Record>
std::vector<uint8_t> Bytes(const Record& record, size_t extra = 0) {
  std::vector<uint8_t> bytes(sizeof(Record) + extra);
  std::memcpy(bytes.data(), &record, sizeof(Record));
  return bytes;
}

SimConnectMessageHeader Header(uint32_t id, size_t size) {
  return {static_cast<uint32_t>(size), kMessageVersion, id};
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// One field of an AI aircraft by the simulation variable's name.
double NumberField(const AiAircraft& aircraft, const std::string& variable) {
  if (variable == "PLANE LATITUDE") return aircraft.latitudeRad;
  if (variable == "PLANE LONGITUDE") return aircraft.longitudeRad;
  if (variable == "PLANE ALTITUDE") return aircraft.altitudeFt;
  if (variable == "PLANE ALT ABOVE GROUND") return aircraft.heightAboveGroundFt;
  if (variable == "VELOCITY WORLD Y") return aircraft.verticalSpeedFps;
  return 0.0;
}

std::string TextField(const AiAircraft& aircraft, const std::string& variable) {
  if (variable == "ATC ID") return aircraft.atcId;
  if (variable == "AI TRAFFIC STATE") return aircraft.trafficState;
  return "";
}

std::vector<uint8_t> EncodeObject(uint32_t definitionId, const AiAircraft& aircraft) {
  std::vector<uint8_t> data;
  for (const DataField& field : S().open.fields) {
    if (field.definitionId != definitionId) continue;
    if (field.dataType == kDataTypeString256) {
      const std::string text = TextField(aircraft, field.variable);
      const size_t at = data.size();
      data.resize(at + 256, 0);
      std::memcpy(data.data() + at, text.data(), std::min<size_t>(text.size(), 255));
    } else {
      const double value = NumberField(aircraft, field.variable);
      const size_t at = data.size();
      data.resize(at + sizeof(double));
      std::memcpy(data.data() + at, &value, sizeof(double));
    }
  }
  return data;
}

}  // namespace

const Registrations& Log() { return S().log; }
Counters GetCounters() { return S().counters; }
bool IsOpen() { return S().connection != 0; }
void FailNextOpens(int count) { S().failOpens = std::max(0, count); }
size_t QueuedMessages() { return S().queue.size(); }

void QueueRaw(std::vector<uint8_t> bytes) { S().queue.push_back(std::move(bytes)); }

void QueueQuit() { QueueRaw(Bytes(Header(kMessageQuit, sizeof(SimConnectMessageHeader)))); }

void QueueException(uint32_t exception, uint32_t sendId, uint32_t index) {
  SimConnectExceptionMessage message{Header(kMessageException, sizeof(SimConnectExceptionMessage)), exception,
                                     sendId, index};
  QueueRaw(Bytes(message));
}

void QueueEvent(uint32_t groupId, uint32_t eventId, uint32_t data) {
  SimConnectEventMessage message{Header(kMessageEvent, sizeof(SimConnectEventMessage)), groupId, eventId, data};
  QueueRaw(Bytes(message));
}

bool QueueSimEvent(const std::string& simEventName) {
  if (!IsOpen()) return false;
  bool queued = false;
  for (const ClientEventMapping& mapping : S().open.clientEvents) {
    if (mapping.simEventName.empty() || Lower(mapping.simEventName) != Lower(simEventName)) continue;
    uint32_t group = 0;
    for (const NotificationMember& member : S().open.notificationMembers) {
      if (member.eventId == mapping.eventId) group = member.groupId;
    }
    QueueEvent(group, mapping.eventId);
    queued = true;
  }
  return queued;
}

bool PressCombination(const std::string& text) {
  if (!IsOpen()) return false;
  bool queued = false;
  for (const InputMapping& mapping : S().open.inputMappings) {
    if (S().open.groupsOn.count(mapping.groupId) == 0 || Lower(mapping.definition) != Lower(text)) continue;
    QueueEvent(mapping.groupId, mapping.downEventId, mapping.downValue);
    queued = true;
  }
  return queued;
}

void QueueObjectAnswer(uint32_t requestId, uint32_t definitionId, const std::vector<AiAircraft>& aircraft) {
  uint32_t entry = 0;
  for (const AiAircraft& one : aircraft) {
    const std::vector<uint8_t> data = EncodeObject(definitionId, one);
    SimConnectObjectDataMessage message{};
    message.header = Header(kMessageObjectDataByType, kObjectDataOffset + data.size());
    message.requestId = requestId;
    message.objectId = 100 + entry;
    message.definitionId = definitionId;
    message.entryNumber = ++entry;
    message.outOf = static_cast<uint32_t>(aircraft.size());
    message.fieldCount = 0;
    std::vector<uint8_t> bytes = Bytes(message, data.size());
    std::memcpy(bytes.data() + kObjectDataOffset, data.data(), data.size());
    QueueRaw(std::move(bytes));
  }
}

void QueueCloudState(uint32_t requestId, const std::vector<uint8_t>& densities) {
  SimConnectCloudStateMessage message{Header(kMessageCloudState, kCloudStateOffset + densities.size()), requestId,
                                      static_cast<uint32_t>(densities.size())};
  std::vector<uint8_t> bytes = Bytes(message, densities.size());
  if (!densities.empty()) std::memcpy(bytes.data() + kCloudStateOffset, densities.data(), densities.size());
  QueueRaw(std::move(bytes));
}

void SetObjectAnswerer(ObjectAnswerer answerer) { S().objectAnswerer = std::move(answerer); }
void SetCloudAnswerer(CloudAnswerer answerer) { S().cloudAnswerer = std::move(answerer); }

void Reset() { S() = State{}; }

}  // namespace simconnect

using simconnect::S;

SimConnectResult SimConnect_Open(SimConnectHandle* handle, const char*, void*, uint32_t, void*, uint32_t) {
  simconnect::State& state = S();
  ++state.counters.openAttempts;
  if (handle == nullptr) return kSimConnectFailed;
  *handle = nullptr;
  if (state.failOpens > 0) {
    --state.failOpens;
    return kSimConnectFailed;
  }
  state.connection = ++state.lastConnection;
  state.open = {};
  ++state.counters.opens;
  *handle = reinterpret_cast<SimConnectHandle>(state.connection);
  simconnect::QueueRaw(simconnect::Bytes(simconnect::Header(kMessageOpen, sizeof(SimConnectMessageHeader))));
  return kSimConnectOk;
}

SimConnectResult SimConnect_Close(SimConnectHandle handle) {
  if (!simconnect::Valid(handle)) return kSimConnectFailed;
  simconnect::State& state = S();
  state.connection = 0;
  state.queue.clear();
  ++state.counters.closes;
  return kSimConnectOk;
}

SimConnectResult SimConnect_MapClientEventToSimEvent(SimConnectHandle handle, uint32_t eventId,
                                                     const char* simEventName) {
  if (!simconnect::Valid(handle)) return kSimConnectFailed;
  if (!S().open.mappedEvents.insert(eventId).second) {
    simconnect::QueueException(simconnect::kExceptionEventIdDuplicate);
    return kSimConnectOk;  // the simulator reports it by message, as it does
  }
  const simconnect::ClientEventMapping mapping{eventId, simconnect::Text(simEventName)};
  S().open.clientEvents.push_back(mapping);
  S().log.clientEvents.push_back(mapping);
  return kSimConnectOk;
}

SimConnectResult SimConnect_AddClientEventToNotificationGroup(SimConnectHandle handle, uint32_t groupId,
                                                              uint32_t eventId, int32_t maskable) {
  if (!simconnect::Valid(handle)) return kSimConnectFailed;
  const simconnect::NotificationMember member{groupId, eventId, maskable};
  S().open.notificationMembers.push_back(member);
  S().log.notificationMembers.push_back(member);
  return kSimConnectOk;
}

SimConnectResult SimConnect_SetNotificationGroupPriority(SimConnectHandle handle, uint32_t groupId,
                                                         uint32_t priority) {
  if (!simconnect::Valid(handle)) return kSimConnectFailed;
  S().log.notificationPriorities.emplace_back(groupId, priority);
  return kSimConnectOk;
}

SimConnectResult SimConnect_MapInputEventToClientEvent(SimConnectHandle handle, uint32_t groupId,
                                                       const char* inputDefinition, uint32_t downEventId,
                                                       uint32_t downValue, uint32_t upEventId, uint32_t upValue,
                                                       int32_t maskable) {
  if (!simconnect::Valid(handle)) return kSimConnectFailed;
  const simconnect::InputMapping mapping{
      groupId, simconnect::Text(inputDefinition), downEventId, downValue, upEventId, upValue, maskable};
  S().open.inputMappings.push_back(mapping);
  S().log.inputMappings.push_back(mapping);
  return kSimConnectOk;
}

SimConnectResult SimConnect_SetInputGroupState(SimConnectHandle handle, uint32_t groupId, uint32_t state) {
  if (!simconnect::Valid(handle)) return kSimConnectFailed;
  S().log.inputGroupStates.emplace_back(groupId, state);
  if (state != 0) {
    S().open.groupsOn.insert(groupId);
  } else {
    S().open.groupsOn.erase(groupId);
  }
  return kSimConnectOk;
}

SimConnectResult SimConnect_SetInputGroupPriority(SimConnectHandle handle, uint32_t groupId, uint32_t priority) {
  if (!simconnect::Valid(handle)) return kSimConnectFailed;
  S().log.inputGroupPriorities.emplace_back(groupId, priority);
  return kSimConnectOk;
}

SimConnectResult SimConnect_AddToDataDefinition(SimConnectHandle handle, uint32_t definitionId,
                                                const char* variableName, const char* units, uint32_t dataType,
                                                float epsilon, uint32_t datumId) {
  if (!simconnect::Valid(handle)) return kSimConnectFailed;
  simconnect::DataField field{definitionId, simconnect::Text(variableName), simconnect::Text(units), dataType,
                              epsilon, datumId};
  S().open.fields.push_back(field);
  S().log.dataFields.push_back(std::move(field));
  return kSimConnectOk;
}

SimConnectResult SimConnect_WeatherRequestCloudState(SimConnectHandle handle, uint32_t requestId, float minLat,
                                                     float minLon, float minAlt, float maxLat, float maxLon,
                                                     float maxAlt, uint32_t flags) {
  if (!simconnect::Valid(handle)) return kSimConnectFailed;
  const simconnect::CloudRequest request{requestId, minLat, minLon, minAlt, maxLat, maxLon, maxAlt, flags};
  S().log.cloudRequests.push_back(request);
  if (S().cloudAnswerer) simconnect::QueueCloudState(requestId, S().cloudAnswerer(request));
  return kSimConnectOk;
}

SimConnectResult SimConnect_RequestDataOnSimObjectType(SimConnectHandle handle, uint32_t requestId,
                                                       uint32_t definitionId, uint32_t radiusMeters,
                                                       uint32_t objectType) {
  if (!simconnect::Valid(handle)) return kSimConnectFailed;
  const simconnect::ObjectRequest request{requestId, definitionId, radiusMeters, objectType};
  S().log.objectRequests.push_back(request);
  if (S().objectAnswerer) simconnect::QueueObjectAnswer(requestId, definitionId, S().objectAnswerer(request));
  return kSimConnectOk;
}

SimConnectResult SimConnect_SetDataOnSimObject(SimConnectHandle handle, uint32_t definitionId, uint32_t objectId,
                                               uint32_t flags, uint32_t arrayCount, uint32_t unitSize,
                                               const void* data) {
  if (!simconnect::Valid(handle)) return kSimConnectFailed;
  simconnect::DataWrite write{definitionId, objectId, flags, arrayCount, unitSize, {}};
  if (data != nullptr) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    write.bytes.assign(bytes, bytes + unitSize * std::max<uint32_t>(arrayCount, 1));
  }
  S().log.dataWrites.push_back(std::move(write));
  return kSimConnectOk;
}

SimConnectResult SimConnect_GetNextDispatch(SimConnectHandle handle, const SimConnectMessageHeader** message,
                                            uint32_t* size) {
  simconnect::State& state = S();
  ++state.counters.dispatchCalls;
  if (message != nullptr) *message = nullptr;
  if (size != nullptr) *size = 0;
  if (!simconnect::Valid(handle) || state.queue.empty() || message == nullptr || size == nullptr) {
    return kSimConnectFailed;
  }
  state.current = std::move(state.queue.front());
  state.queue.pop_front();
  ++state.counters.messagesRead;
  // A message shorter than a header still comes with a readable header of
  // zeros behind it, as the real queue hands out whole records.
  const size_t received = state.current.size();
  if (state.current.size() < sizeof(SimConnectMessageHeader)) state.current.resize(sizeof(SimConnectMessageHeader));
  *message = reinterpret_cast<const SimConnectMessageHeader*>(state.current.data());
  *size = static_cast<uint32_t>(received);
  return kSimConnectOk;
}

}  // namespace platform
