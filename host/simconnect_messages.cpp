// Sizing and reading of incoming client-interface messages.
#include "host/simconnect_messages.h"

#include <cstring>

#include "platform/simconnect.h"

namespace halcyon {
namespace {

template <typename Record>
Record ReadRecord(const uint8_t* bytes) {
  Record record;
  std::memcpy(&record, bytes, sizeof(Record));
  return record;
}

// A STRING256 field: 256 bytes that need not hold a terminator.
void ReadText(const uint8_t* field, char* out) {
  size_t length = 0;
  while (length < kAnswerTextChars && field[length] != 0) ++length;
  std::memcpy(out, field, length);
  out[length] = '\0';
}

double ReadDouble(const uint8_t* field) { return ReadRecord<double>(field); }

void ReadAircraft(const uint8_t* data, AiAircraftAnswer* aircraft) {
  ReadText(data, aircraft->atcId);
  ReadText(data + 256, aircraft->trafficState);
  aircraft->latitudeRad = ReadDouble(data + 512);
  aircraft->longitudeRad = ReadDouble(data + 520);
  aircraft->altitudeFt = ReadDouble(data + 528);
  aircraft->heightAboveGroundFt = ReadDouble(data + 536);
  aircraft->verticalSpeedFps = ReadDouble(data + 544);
}

}  // namespace

IncomingMessage ReadIncomingMessage(const void* data, uint32_t size) {
  IncomingMessage message;
  if (data == nullptr || size < sizeof(platform::SimConnectMessageHeader)) return message;
  const auto* bytes = static_cast<const uint8_t*>(data);
  const auto header = ReadRecord<platform::SimConnectMessageHeader>(bytes);
  switch (header.id) {
    case platform::kMessageNull:
      message.kind = IncomingKind::Null;
      break;
    case platform::kMessageQuit:
      message.kind = IncomingKind::Quit;
      break;
    case platform::kMessageEvent:
      if (size < sizeof(platform::SimConnectEventMessage)) break;
      message.kind = IncomingKind::Event;
      message.eventId = ReadRecord<platform::SimConnectEventMessage>(bytes).eventId;
      break;
    case platform::kMessageObjectDataByType:
      if (size < platform::kObjectDataOffset + kAiAircraftRecordBytes) break;
      message.kind = IncomingKind::AiAircraft;
      message.requestId = ReadRecord<platform::SimConnectObjectDataMessage>(bytes).requestId;
      ReadAircraft(bytes + platform::kObjectDataOffset, &message.aircraft);
      break;
    case platform::kMessageCloudState: {
      if (size < platform::kCloudStateOffset) break;
      const auto cloud = ReadRecord<platform::SimConnectCloudStateMessage>(bytes);
      if (cloud.arraySize != kCloudStateBytes || size - platform::kCloudStateOffset < kCloudStateBytes) break;
      message.kind = IncomingKind::CloudState;
      message.requestId = cloud.requestId;
      message.densities = bytes + platform::kCloudStateOffset;
      break;
    }
    default:
      message.kind = IncomingKind::Other;
      break;
  }
  return message;
}

}  // namespace halcyon
