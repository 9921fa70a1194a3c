// The per-tick SimConnect step: keyboard commands as clicks, watched brake and
// trim events, cloud-state requests and answers, AI traffic into the TCAS,
// payload and fuel, and bad or floods of messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

#include "core/options.h"
#include "crewaids/checklists/checklist.h"
#include "crewaids/dispatch/dispatch_model.h"
#include "displays/efis/efis_mcp.h"
#include "displays/radar/radar.h"
#include "displays/tcas/tcas.h"
#include "gauges/cards.h"
#include "gauges/engine_display.h"
#include "host/direct_input_keyboard.h"
#include "host/keyboard_combos.h"
#include "host/payload_traffic.h"
#include "host/simconnect_client.h"
#include "platform/simconnect.h"
#include "systems/autobrake.h"
#include "systems/epr.h"
#include "systems/fuel_flow.h"
#include "systems/kept_controls.h"
#include "systems/radios.h"
#include "systems/speed_cards.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

namespace sc = platform::simconnect;
constexpr const char* kCombosFile = "SimObjects/Airplanes/QZ Halcyon Pro/KeyboardInput.ini";
constexpr double kDegToRad = 3.14159265358979323846 / 180.0;

bool HasWindowEvent(const Cockpit& cockpit, const std::string& event) {
  const std::vector<std::string> events = cockpit.windowEvents();
  return std::find(events.begin(), events.end(), event) != events.end();
}

std::vector<std::string> Intruders() {
  std::vector<std::string> ids;
  for (const CTcasTarget* record = g_tcas->GetTrafficList(); record != nullptr; record = record->GetNext()) {
    if (record->HasId()) ids.push_back(record->GetId());
  }
  return ids;
}

std::vector<uint8_t> Bytes(const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  return std::vector<uint8_t>(bytes, bytes + size);
}

std::vector<uint8_t> AircraftAnswer(const std::string& atcId, double latDeg, double lonDeg, size_t extraBytes = 0) {
  platform::SimConnectObjectDataMessage message{};
  message.header = {static_cast<uint32_t>(platform::kObjectDataOffset + 552 + extraBytes), 4,
                    platform::kMessageObjectDataByType};
  message.requestId = kRequestTraffic;
  std::vector<uint8_t> bytes = Bytes(&message, sizeof(message));
  std::vector<uint8_t> record(552 + extraBytes, 0);
  std::memcpy(record.data(), atcId.data(), std::min<size_t>(atcId.size(), 256));
  const double numbers[] = {latDeg * kDegToRad, lonDeg * kDegToRad, 5000.0, 3600.0, 10.0};
  std::memcpy(record.data() + 512, numbers, sizeof(numbers));
  bytes.insert(bytes.end(), record.begin(), record.end());
  return bytes;
}

TEST(SimConnect, CombinationsClickTheirControls) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kCombosFile,
                    "[HELP]\r\n0=x\r\n[CHECKLIST]\r\nChecklist inc=ctrl+1\r\nChecklist next=space\r\n"
                    "[ENGINE DISPLAY PANEL]\r\nEPR manual 1 inc=ctrl+e\r\n"
                    "[SPEED CARDS]\r\nWeight dec=ctrl+w\r\n"
                    "[BRAKE TEMPERATURE CONTROL]\r\nART inc=ctrl+a\r\n"
                    "[NAV]\r\nCourse dec=ctrl+d\r\n"
                    "[FMS]\r\nKeyboard input toggle=ctrl+k\r\n");
  cockpit.start().runTicks(1);
  EXPECT_EQ(KeyboardCommandControl(0), &ChecklistMouseChecklistInc);
  EXPECT_EQ(KeyboardCommandControl(1), &ChecklistMouseChecklistDec);
  EXPECT_EQ(KeyboardCommandControl(80), &EdpMouseEprManual1Dec);
  EXPECT_EQ(KeyboardCommandControl(172), nullptr);

  // Combinations are matched without regard to case; "inc" clicks the increasing half.
  SetEprBugMode(&g_eprBug1, kEprBugManual);
  const double bug1 = GetEprBug(&g_eprBug1);
  cockpit.pressCombo("CTRL+1").pressCombo("ctrl+e").pressCombo("ctrl+w").pressCombo("ctrl+a").runTicks(1);
  EXPECT_EQ(GetSwitch(&g_currentChecklistSwitch), 12) << "the checklist on from 11, not back";
  EXPECT_DOUBLE_EQ(GetEprBug(&g_eprBug1), bug1 + 0.01) << "the EPR bug's increasing half";
  EXPECT_EQ(GetTakeoffCardRow(), 3) << "the take-off card one weight down from 4";

  // A built control does what its click does: the CDU's keyboard-entry button.
  ASSERT_EQ(g_directInputKeyboard, nullptr);
  cockpit.pressCombo("ctrl+k").runTicks(1);
  EXPECT_NE(g_directInputKeyboard, nullptr);
  cockpit.pressCombo("ctrl+k").runTicks(1);
  EXPECT_EQ(g_directInputKeyboard, nullptr);

  // Slot 484 keeps its own control apart from "BRAKES", and "BRAKES" its handler.
  cockpit.clearKeyEvents().pressCombo("ctrl+d").runTicks(1);
  EXPECT_EQ(cockpit.keyEvents(65662).size() + cockpit.keyEvents(65664).size(), 1u) << "the NAV course down";
  cockpit.set(Token::OnGround, 1).set(Token::BrakeValue, 1).set(Token::IndicatedAirspeedKt, 80).runSeconds(1);
  SetSwitch(&g_autobrakeArmSwitch, kAutobrakeArmed);
  cockpit.simEvent("BRAKES").runTicks(1);
  EXPECT_EQ(GetSwitch(&g_autobrakeArmSwitch), kAutobrakeDisarmed);

  // The space bar works only with its option.
  SetOptionOff(kOptionSpacebar);
  cockpit.pressCombo("space").runTicks(1);
  EXPECT_EQ(GetChecklistItem(), 0);
  SetOptionOn(kOptionSpacebar);
  cockpit.pressCombo("space").runTicks(1);
  EXPECT_EQ(GetChecklistItem(), 1) << "the checklist's next item";
  EXPECT_FALSE(sc::PressCombination("ctrl+z")) << "not registered";

  // Trim disconnects an engaged autopilot only.
  cockpit.set(Token::AutopilotEngaged, 0).simEvent("ELEV_TRIM_UP").runTicks(1);
  EXPECT_TRUE(cockpit.keyEvents(kKeyEventAutopilotMaster).empty());
  cockpit.set(Token::AutopilotEngaged, 1).simEvent("ELEV_TRIM_DN").runTicks(1);
  ASSERT_EQ(cockpit.keyEvents(kKeyEventAutopilotMaster).size(), 1u);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAutopilotMaster)[0].value, 0u);
  EXPECT_EQ(cockpit.token(Token::AutopilotEngaged), 0.0);
  cockpit.simEvent("ELEV_TRIM_DN").runTicks(1);
  EXPECT_EQ(cockpit.keyEvents(kKeyEventAutopilotMaster).size(), 1u) << "never engages it";
}

TEST(SimConnect, CloudStateBoxesBandAndGrids) {
  Cockpit cockpit;
  cockpit.position(60.0, 5.0, 10000.0).clouds(77);
  g_efisMcp.range = 2;
  g_radarRange = 5;
  g_radarTilt = 0.0;
  g_radarAltRange = 1000.0;
  SetSwitch(&g_radarModeSwitch, 64);
  cockpit.runSeconds(5);
  EXPECT_TRUE(sc::Log().cloudRequests.empty()) << "no weather in the radar's test position";
  EXPECT_EQ(g_cloudGridNd[0][0], 0u);

  SetSwitch(&g_radarModeSwitch, 109);
  cockpit.runSeconds(2.1);
  ASSERT_EQ(sc::Log().cloudRequests.size(), 2u) << "both boxes every 2 s";
  const auto nd = sc::Log().cloudRequests[0];
  EXPECT_EQ(nd.requestId, 0u);
  EXPECT_NEAR(nd.minLat, 59.333, 1e-3);
  EXPECT_NEAR(nd.maxLat, 60.667, 1e-3);
  EXPECT_NEAR(nd.minLon, 4.333, 1e-3);
  EXPECT_NEAR(nd.maxLon, 5.667, 1e-3);
  EXPECT_NEAR(nd.minAlt, 9000.0, 0.01);
  EXPECT_NEAR(nd.maxAlt, 11000.0, 0.01);
  const auto radar = sc::Log().cloudRequests[1];
  EXPECT_EQ(radar.requestId, 1u);
  EXPECT_NEAR(radar.maxLat - radar.minLat, 2 * 16.0 / 3.0, 1e-3);
  EXPECT_EQ(g_cloudGridNd[63][63], 77u);
  EXPECT_EQ(g_cloudGridRadar[10][20], 77u);
  EXPECT_DOUBLE_EQ(CloudBoxHalfWidthDeg(9), 1.0);

  // Tilt lifts the band by one half-height a step.
  g_radarTilt = 1.0;
  SetSwitch(&g_radarModeSwitch, 110);
  cockpit.runSeconds(2);
  EXPECT_NEAR(sc::Log().cloudRequests.back().minAlt, 10000.0, 0.01);

  // Only answers of exactly 4096 bytes fill a grid, and only for requests 0 and 1.
  SetSwitch(&g_radarModeSwitch, 120);
  const size_t requestsWhileOn = sc::Log().cloudRequests.size();
  sc::QueueCloudState(0, std::vector<uint8_t>(4095, 5));
  sc::QueueCloudState(1, std::vector<uint8_t>(4097, 5));
  sc::QueueCloudState(2, std::vector<uint8_t>(4096, 5));
  platform::SimConnectCloudStateMessage lying{{20, 4, platform::kMessageCloudState}, 0, 4096};
  sc::QueueRaw(Bytes(&lying, sizeof(lying)));  // claims 4096 bytes, carries 0
  cockpit.runSeconds(3);
  EXPECT_EQ(sc::Log().cloudRequests.size(), requestsWhileOn) << "radar off: no requests";
  EXPECT_EQ(g_cloudGridNd[0][0], 77u);
  EXPECT_EQ(g_cloudGridRadar[0][0], 77u);
  std::vector<uint8_t> pattern(4096);
  for (size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<uint8_t>(i % 251);
  sc::QueueCloudState(1, pattern);
  cockpit.runTicks(1);
  EXPECT_EQ(g_cloudGridRadar[1][2], 66u);
  EXPECT_EQ(g_cloudGridRadar[63][63], 4095u % 251u);
  EXPECT_EQ(g_cloudGridNd[1][2], 77u);
}

TEST(SimConnect, TrafficJoinsTheTcasAndIsPurgedWhenItStopsAnswering) {
  platform::sim::SetAtcId("N8088Q");
  Cockpit cockpit;
  ASSERT_NE(g_tcas, nullptr);
  cockpit.position(47.46, 8.55, 1400.0);
  SetSwitch(&g_tcasRangeSwitch, 100);
  cockpit.traffic("SWR12", 47.50, 8.60, 5000.0, -800.0)  // about 3 NM away
      .traffic("DLH4", 47.46, 8.80, 9000.0)               // about 10 NM away
      .traffic("8088", 47.47, 8.56, 3000.0)               // within the own id
      .traffic("LOW1", 47.47, 8.56, 10.0);                // on the ground
  cockpit.runSeconds(1.5);
  ASSERT_FALSE(sc::Log().objectRequests.empty());
  EXPECT_EQ(sc::Log().objectRequests.back().radiusMeters, 9260u);
  EXPECT_EQ(sc::Log().objectRequests.back().definitionId, 1u);
  EXPECT_EQ(sc::Log().objectRequests.back().objectType, platform::kObjectTypeAircraft);
  EXPECT_EQ(Intruders(), std::vector<std::string>({"SWR12"}));
  const CTcasTarget* swiss = g_tcas->FindTarget("SWR12");
  EXPECT_NEAR(swiss->GetPositionObject()->GetLat(), 47.50, 1e-9);
  EXPECT_NEAR(swiss->GetVerticalSpeed(), -800.0, 1e-9);
  EXPECT_NEAR(swiss->GetAltitude(), 5000.0, 20.0) << "as answered, a second of descent at most";

  SetSwitch(&g_tcasRangeSwitch, 102);
  cockpit.runSeconds(1);
  EXPECT_EQ(sc::Log().objectRequests.back().radiusMeters, 22224u);
  EXPECT_EQ(Intruders(), std::vector<std::string>({"SWR12", "DLH4"}));
  SetSwitch(&g_tcasRangeSwitch, 120);
  cockpit.runSeconds(1);
  EXPECT_EQ(sc::Log().objectRequests.back().radiusMeters, 31484u);
  EXPECT_EQ(TrafficRadiusMeters(101), 12964u);
  EXPECT_EQ(TrafficRadiusMeters(103), 31484u);
  EXPECT_EQ(TrafficRadiusMeters(99), 31484u);
  EXPECT_LT(g_tcas->FindTarget("SWR12")->GetAltitude(), 5000.0 - 800.0 * 2.0 / 60.0) << "the aircraft descends";

  // One that stops answering leaves at the sixth request after its last answer.
  cockpit.removeTraffic("SWR12");
  cockpit.runSeconds(5);
  EXPECT_EQ(Intruders(), std::vector<std::string>({"SWR12", "DLH4"}));
  cockpit.runSeconds(1.1);
  EXPECT_EQ(Intruders(), std::vector<std::string>({"DLH4"}));

  // The same id twice in one cycle updates one record.
  sc::QueueRaw(AircraftAnswer("DLH4", 47.40, 8.70));
  sc::QueueRaw(AircraftAnswer("DLH4", 47.41, 8.71));
  cockpit.runTicks(1);
  EXPECT_EQ(Intruders(), std::vector<std::string>({"DLH4"}));
  EXPECT_NEAR(g_tcas->FindTarget("DLH4")->GetPositionObject()->GetLat(), 47.41, 1e-9) << "the later answer";

  // Without a TCAS the answers are dropped; the TCAS step makes a new one,
  // with an empty list, on its next tick.
  DestroyTcas();
  cockpit.traffic("SWR12", 47.50, 8.60, 5000.0).runTicks(1);
  ASSERT_NE(g_tcas, nullptr);
  EXPECT_EQ(Intruders(), std::vector<std::string>{});
  cockpit.runSeconds(1.1);
  EXPECT_EQ(Intruders(), std::vector<std::string>({"DLH4", "SWR12"}));
}

TEST(SimConnect, TrafficValidityThresholds) {
  platform::sim::SetAtcId("N12345");
  Cockpit cockpit;
  EXPECT_EQ(ValidTrafficPosition(47.0, 8.0, 3000.0, 20.0, "SWR1"), 1);
  EXPECT_EQ(ValidTrafficPosition(47.0, 8.0, 3000.0, 15.0, "SWR1"), 0);
  EXPECT_EQ(ValidTrafficPosition(47.0, 8.0, 3000.0, 99901.0, "SWR1"), 0);
  EXPECT_EQ(ValidTrafficPosition(0.000005, 8.0, 3000.0, 3000.0, "SWR1"), 0);
  EXPECT_EQ(ValidTrafficPosition(0.00001, 8.0, 3000.0, 3000.0, "SWR1"), 1);
  EXPECT_EQ(ValidTrafficPosition(47.0, -0.000005, 3000.0, 3000.0, "SWR1"), 0);
  EXPECT_EQ(ValidTrafficPosition(90.1, 8.0, 3000.0, 3000.0, "SWR1"), 0);
  EXPECT_EQ(ValidTrafficPosition(47.0, -180.1, 3000.0, 3000.0, "SWR1"), 0);
  EXPECT_EQ(ValidTrafficPosition(47.0, 8.0, 0.05, 3000.0, "SWR1"), 0);
  EXPECT_EQ(ValidTrafficPosition(47.0, 8.0, 99900.5, 3000.0, "SWR1"), 0);
  EXPECT_EQ(ValidTrafficPosition(47.0, 8.0, 3000.0, 3000.0, "N12345"), 0) << "the own aircraft";
  EXPECT_EQ(ValidTrafficPosition(47.0, 8.0, 3000.0, 3000.0, "2345"), 0) << "within the own id, as the cockpit does";
  EXPECT_EQ(ValidTrafficPosition(47.0, 8.0, 3000.0, 3000.0, ""), 0);
  EXPECT_EQ(ValidTrafficPosition(NAN, 8.0, 3000.0, 3000.0, "SWR1"), 0);
  EXPECT_EQ(ValidTrafficPosition(47.0, 8.0, INFINITY, 3000.0, "SWR1"), 0);
  EXPECT_EQ(ValidTrafficPosition(47.0, 8.0, 3000.0, NAN, "SWR1"), 0);
}

TEST(SimConnect, PayloadAndFuelInPoundsAndGallons) {
  Cockpit cockpit;
  FillPayload();  // holds F1, F2, A1 full: 3037, 3037, 3322 lb
  // The planned fuel taken from the simulator at one pound a gallon.
  cockpit.set(Token::FuelLeftGal, 9266.0).set(Token::FuelRightGal, 9380.0).set(Token::FuelCenterGal, 6700.0);
  cockpit.set(Token::FuelWeightLbPerGallon, 1.0);
  ReadFuelFromSimulator();

  // No fuel weight: nothing sent, the fuel-used counters are reset all the same.
  cockpit.set(Token::FuelWeightLbPerGallon, 0.0);
  SetFuelUsed(1, 1500.0, 0.0);
  SetFuelUsed(2, 1400.0, 0.0);
  WritePayloadAndFuel();
  EXPECT_TRUE(sc::Log().dataWrites.empty());
  EXPECT_EQ(GetFuelUsed(1), 0.0);
  EXPECT_EQ(GetFuelUsed(2), 0.0);

  cockpit.set(Token::FuelWeightLbPerGallon, 6.7);
  WritePayloadAndFuel();
  ASSERT_EQ(sc::Log().dataWrites.size(), 1u);
  const auto& write = sc::Log().dataWrites[0];
  EXPECT_EQ(write.definitionId, 0u);
  EXPECT_EQ(write.objectId, 0u);
  EXPECT_EQ(write.unitSize, 80u);
  ASSERT_EQ(write.bytes.size(), 80u);
  double sent[10];
  std::memcpy(sent, write.bytes.data(), sizeof(sent));
  EXPECT_EQ(sent[0] + sent[1] + sent[2] + sent[3], GetPassengerWeight()) << "the four cabin zones";
  EXPECT_EQ(sent[4], 3037.0);
  EXPECT_EQ(sent[5], 3037.0);
  EXPECT_EQ(sent[6], 3322.0);
  EXPECT_NEAR(sent[7], 1000.0, 1e-9) << "center tank";
  EXPECT_NEAR(sent[8], 9266.0 / 6.7, 1e-9) << "left main";
  EXPECT_NEAR(sent[9], 1400.0, 1e-9) << "right main";

  cockpit.set(Token::FuelWeightLbPerGallon, NAN);
  WritePayloadAndFuel();
  CloseSimConnect();
  cockpit.set(Token::FuelWeightLbPerGallon, 6.7);
  WritePayloadAndFuel();
  EXPECT_EQ(sc::Log().dataWrites.size(), 1u);
}

TEST(SimConnect, BadAndFloodingMessages) {
  Cockpit cockpit;
  cockpit.runTicks(1);  // reads the open message
  const uint64_t readBefore = sc::GetCounters().messagesRead;

  // Short, lying and oversized messages; texts without a terminator.
  sc::QueueRaw({1, 2, 3});
  platform::SimConnectMessageHeader shortEvent{12, 4, platform::kMessageEvent};
  sc::QueueRaw(Bytes(&shortEvent, sizeof(shortEvent)));
  std::vector<uint8_t> shortAnswer = AircraftAnswer("SHORT1", 47.0, 8.0);
  shortAnswer.resize(shortAnswer.size() - 1);
  sc::QueueRaw(shortAnswer);
  sc::QueueRaw(AircraftAnswer(std::string(300, 'A'), 47.0, 8.0));
  sc::QueueRaw(AircraftAnswer("BIG1", 47.1, 8.1, 5000));
  sc::QueueRaw({});
  std::vector<uint8_t> otherRequest = AircraftAnswer("OTHER1", 47.2, 8.2);
  otherRequest[offsetof(platform::SimConnectObjectDataMessage, requestId)] = kRequestCloudsRadar;
  sc::QueueRaw(otherRequest);  // aircraft data answers only request 2
  cockpit.runTicks(1);
  EXPECT_EQ(sc::GetCounters().messagesRead - readBefore, 7u);
  EXPECT_EQ(Intruders(), std::vector<std::string>({std::string(255, 'A'), "BIG1"}));
  sc::QueueRaw(AircraftAnswer(std::string(300, 'A'), 47.0, 8.0));
  cockpit.runTicks(1);
  EXPECT_EQ(Intruders().size(), 2u) << "a long id is found again under its bounded text";

  // An exception ends the tick's reading; what follows is read next tick.
  SetOptionOn(kOptionSpacebar);
  sc::QueueException(1);
  sc::QueueEvent(1, 2);
  cockpit.runTicks(1);
  EXPECT_EQ(sc::QueuedMessages(), 1u);
  EXPECT_FALSE(cockpit.isWindowVisible(10110) || HasWindowEvent(cockpit, "close 10110"));
  cockpit.runTicks(1);
  EXPECT_EQ(sc::QueuedMessages(), 0u);
  EXPECT_TRUE(HasWindowEvent(cockpit, "close 10110")) << "the checklist card's close box";

  // 10,000 messages: 500 a tick, none lost.
  for (int i = 0; i < 10000; ++i) sc::QueueEvent(1, 2);
  const uint64_t callsBefore = sc::GetCounters().dispatchCalls;
  cockpit.runTicks(1);
  EXPECT_EQ(sc::QueuedMessages(), 9500u);
  EXPECT_EQ(sc::GetCounters().dispatchCalls - callsBefore, 500u);
  cockpit.runTicks(19);
  EXPECT_EQ(sc::QueuedMessages(), 0u);

  // Quit stops the reading for good.
  sc::QueueEvent(1, 2);
  sc::QueueQuit();
  sc::QueueEvent(1, 2);
  cockpit.runTicks(1);
  EXPECT_EQ(g_simConnectQuit, 1);
  EXPECT_EQ(sc::QueuedMessages(), 1u);
  const uint64_t callsAtQuit = sc::GetCounters().dispatchCalls;
  cockpit.runSeconds(2);
  EXPECT_EQ(sc::GetCounters().dispatchCalls, callsAtQuit);
  EXPECT_EQ(sc::QueuedMessages(), 1u);
}

}  // namespace
}  // namespace halcyon::test
