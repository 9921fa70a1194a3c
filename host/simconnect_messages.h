// Messages from the simulator's client interface, checked where they enter:
// each is sized against the record of its kind before any field is read, and
// the texts of an AI-aircraft answer are cut to 255 characters and ended.
// What is not a whole message of a kind the cockpit reads comes out as
// unusable; the dispatch drops it and reads on.
#pragma once

#include <cstdint>

namespace halcyon {

// The AI-aircraft record of data definition 1 as the answer carries it.
constexpr uint32_t kAiAircraftRecordBytes = 552;
constexpr uint32_t kCloudStateBytes = 4096;  // 64 x 64 densities
constexpr uint32_t kAnswerTextChars = 255;

struct AiAircraftAnswer {
  char atcId[kAnswerTextChars + 1];
  char trafficState[kAnswerTextChars + 1];
  double latitudeRad;
  double longitudeRad;
  double altitudeFt;
  double heightAboveGroundFt;
  double verticalSpeedFps;
};

enum class IncomingKind {
  Unusable,    // too short for its kind, or of a size the cockpit does not take
  Null,        // ends the tick's reading
  Quit,        // the simulator is closing
  Event,       // a client event
  AiAircraft,  // one aircraft of a traffic answer
  CloudState,  // a 4096-byte density grid
  Other,       // a message the cockpit does not read (exception, open, ...)
};

struct IncomingMessage {
  IncomingKind kind = IncomingKind::Unusable;
  uint32_t eventId = 0;
  uint32_t requestId = 0;
  AiAircraftAnswer aircraft{};
  const uint8_t* densities = nullptr;  // kCloudStateBytes of them, inside the message
};

// Reads `size` bytes at `data` (null or 0 bytes give Unusable).
IncomingMessage ReadIncomingMessage(const void* data, uint32_t size);

}  // namespace halcyon
