// The cockpit as a client of the simulator's client interface: the
// connection and everything registered on it (watched brake and trim events,
// one private event per keyboard command, the payload and AI-traffic data
// definitions), and the per-tick step that asks for cloud states and AI
// traffic and reads up to 500 messages: keyboard commands click their
// controls, brakes disarm the autobrake, trim disconnects the autopilot,
// traffic answers feed the TCAS and cloud states the two weather grids.
#pragma once

#include <cstdint>

#include "platform/simconnect.h"

namespace halcyon {

// Client events of the simulator events the cockpit watches; they lie
// outside the keyboard commands' ids 0..484.
enum WatchedSimEvent : uint32_t {
  kEventBrakes = 1000,
  kEventBrakesLeft = 1001,
  kEventBrakesRight = 1002,
  kEventElevatorTrimDown = 1003,
  kEventElevatorTrimUp = 1004,
};

constexpr uint32_t kSimEventGroup = 0;
constexpr uint32_t kFirstKeyboardGroup = 1;
constexpr uint32_t kKeyboardGroupCount = 19;
constexpr uint32_t kCommandsPerGroup = 19;

enum DataDefinition : uint32_t { kDefinitionPayloadFuel = 0, kDefinitionAiAircraft = 1 };
enum SimConnectRequest : uint32_t { kRequestCloudsNd = 0, kRequestCloudsRadar = 1, kRequestTraffic = 2 };

constexpr uint32_t kMaxMessagesPerTick = 500;
constexpr uint32_t kCloudGridSize = 64;

extern platform::SimConnectHandle g_simConnect;  // null while no connection is open
extern uint8_t g_simConnectQuit;                 // set by the quit message, never cleared
// Cloud densities 0..255 of the last answer of request 0 (box of the EFIS
// range, for the navigation display) and request 1 (radar range, for the
// weather radar); cell [r][c] is byte r x 64 + c of the answer.
extern uint32_t g_cloudGridNd[kCloudGridSize][kCloudGridSize];
extern uint32_t g_cloudGridRadar[kCloudGridSize][kCloudGridSize];

// Makes sure the keyboard table exists; opens and registers when closed.
void OpenSimConnect();
void CloseSimConnect();
// Per-tick step.
void DispatchSimConnect();

// The AI-traffic radius for a TCAS range knob position, metres.
uint32_t TrafficRadiusMeters(int32_t tcasRangePosition);
// Half-width in degrees of a cloud-state box for a range index.
double CloudBoxHalfWidthDeg(uint32_t rangeIndex);

}  // namespace halcyon
