// CDU typing from the PC keyboard: the FMS gauge's keyboard-entry button makes
// and deletes the reader; while it exists each tick sends at most one CDU key
// code, on the key's down edge, in the typing table's order.
#include <gtest/gtest.h>

#include <cstddef>

#include "fmc/fms.h"
#include "host/direct_input_keyboard.h"
#include "platform/keyboard_device.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

namespace kb = platform::keyboard;
using Codes = std::vector<uint32_t>;

// The keyboard-entry button of the "FMS" gauge.
constexpr int32_t kKeyboardButtonX = 300;
constexpr int32_t kKeyboardButtonY = 280;

// The codes the FMS computer received since the last call.
class NewKeys {
 public:
  explicit NewKeys(const Cockpit& cockpit) : cockpit_(cockpit) {}
  Codes operator()() {
    const Codes& all = cockpit_.fmsKeys();
    Codes fresh(all.begin() + static_cast<std::ptrdiff_t>(seen_), all.end());
    seen_ = all.size();
    return fresh;
  }

 private:
  const Cockpit& cockpit_;
  size_t seen_ = 0;
};

// Presses and lets up one key, a tick each.
void Stroke(Cockpit& cockpit, const std::string& key) {
  cockpit.keyDown(key).runTicks(1).keyUp(key).runTicks(1);
}

TEST(CduTyping, TypesWithRolloverOneKeyATickOnItsDownEdge) {
  Cockpit cockpit;
  NewKeys newKeys(cockpit);

  // No reader: the keyboard is not read at all.
  cockpit.typeKeys("HELLO").finishTyping();
  EXPECT_TRUE(newKeys().empty());
  EXPECT_EQ(kb::GetCounters().stateReads, 0u);
  EXPECT_EQ(kb::GetCounters().eventReads, 0u);

  cockpit.click("FMS", kKeyboardButtonX, kKeyboardButtonY);
  ASSERT_NE(g_directInputKeyboard, nullptr);
  EXPECT_TRUE(g_directInputKeyboard->HasDevice());
  EXPECT_EQ(kb::GetCounters().acquiredDevices, 1u);
  // One immediate-state read and one buffered read a tick.
  const kb::Counters before = kb::GetCounters();
  cockpit.runTicks(10);
  EXPECT_EQ(kb::GetCounters().stateReads - before.stateReads, 10u);
  EXPECT_EQ(kb::GetCounters().eventReads - before.eventReads, 10u);

  // A fast typist: each key goes down while the one before is still held.
  cockpit.typeKeys("HELLO").finishTyping();
  EXPECT_EQ(newKeys(), (Codes{46, 43, 50, 50, 53}));

  // A held digit is sent once, whatever else happens on the keyboard meanwhile.
  cockpit.keyDown("5").runTicks(1);
  cockpit.keyDown("Z").runTicks(1).keyUp("Z").runTicks(10);
  cockpit.keyUp("5").runTicks(1);
  EXPECT_EQ(newKeys(), (Codes{31, 64}));

  // Both Enter keys execute; minus and numeric-pad plus are the plus-minus key.
  for (const char* key : {"ENTER", "NUMPADENTER", "MINUS", "ADD", "BACK", "DELETE", "SLASH", "PERIOD", "SPACE",
                          "NEXT", "PRIOR", "0", "1", "9"}) {
    Stroke(cockpit, key);
  }
  EXPECT_EQ(newKeys(), (Codes{26, 26, 38, 38, 68, 66, 67, 36, 65, 20, 19, 37, 27, 35}));

  // Two keys down on one tick: only the first of the table is sent.
  cockpit.keyDown("B").keyDown("A").runTicks(3).keyUp("A").keyUp("B").runTicks(1);
  EXPECT_EQ(newKeys(), (Codes{39}));

  // A key pressed and let go between two reads is seen in the event buffer.
  cockpit.keyDown("Q").keyUp("Q").runTicks(1);
  EXPECT_EQ(newKeys(), (Codes{55}));

  // Keys outside the table send nothing (left shift, F1).
  Stroke(cockpit, "42");
  Stroke(cockpit, "0x3B");
  EXPECT_TRUE(newKeys().empty());

  // The button again: the reader and its device are gone, typing is off.
  cockpit.click("FMS", kKeyboardButtonX, kKeyboardButtonY);
  EXPECT_EQ(g_directInputKeyboard, nullptr);
  EXPECT_EQ(kb::GetCounters().liveDevices, 0u);
  EXPECT_EQ(kb::GetCounters().liveInputs, 0u);
  const uint64_t readsBefore = kb::GetCounters().stateReads;
  cockpit.typeKeys("KJFK").finishTyping();
  EXPECT_TRUE(newKeys().empty());
  EXPECT_EQ(kb::GetCounters().stateReads, readsBefore);
}

TEST(CduTyping, AReaderWhoseDeviceFailedStaysSilent) {
  Cockpit cockpit;

  // No keyboard attached: the reader exists (the button's lamp would show it)
  // but holds no device and never reads one.
  kb::SetKeyboardAttached(false);
  cockpit.click("FMS", kKeyboardButtonX, kKeyboardButtonY);
  ASSERT_NE(g_directInputKeyboard, nullptr);
  EXPECT_FALSE(g_directInputKeyboard->HasDevice());
  kb::SetKeyboardAttached(true);
  cockpit.typeKeys("ABC").finishTyping();
  EXPECT_TRUE(cockpit.fmsKeys().empty());
  EXPECT_EQ(kb::GetCounters().stateReads, 0u);
  EXPECT_EQ(kb::GetCounters().liveInputs, 0u) << "what was made is given back at once";
  cockpit.click("FMS", kKeyboardButtonX, kKeyboardButtonY);
  EXPECT_EQ(g_directInputKeyboard, nullptr);

  // No main window to own the device: the exclusive level cannot be set. The
  // half-made device is given back rather than re-acquired into life later.
  platform::SetMainWindowPresent(false);
  cockpit.click("FMS", kKeyboardButtonX, kKeyboardButtonY);
  ASSERT_NE(g_directInputKeyboard, nullptr);
  EXPECT_FALSE(g_directInputKeyboard->HasDevice());
  EXPECT_EQ(kb::GetCounters().liveDevices, 0u);
  platform::SetMainWindowPresent(true);
  cockpit.typeKeys("ABC").finishTyping();
  EXPECT_TRUE(cockpit.fmsKeys().empty());
  EXPECT_EQ(kb::GetCounters().acquires, 0u);
  DeleteDirectInputKeyboard();
}

TEST(CduTyping, LostInputIsReacquiredWithinThePollAndAHeldKeyIsNotSentAgain) {
  Cockpit cockpit;
  cockpit.click("FMS", kKeyboardButtonX, kKeyboardButtonY);
  ASSERT_NE(g_directInputKeyboard, nullptr);
  EXPECT_EQ(kb::GetCounters().acquires, 1u);

  cockpit.keyDown("K").runTicks(2);
  EXPECT_EQ(cockpit.fmsKeys(), (Codes{49}));

  // The simulator's window loses the focus; the first re-acquire is refused
  // as well, the second within the same poll takes the keyboard back.
  kb::LoseInput(1);
  EXPECT_EQ(kb::GetCounters().acquiredDevices, 0u);
  cockpit.runTicks(1);
  EXPECT_EQ(kb::GetCounters().acquires, 3u);
  EXPECT_EQ(kb::GetCounters().acquiredDevices, 1u);

  // K was held throughout: not sent again. New keys type as before.
  cockpit.runTicks(3).keyUp("K");
  cockpit.typeKeys("OK").finishTyping();
  EXPECT_EQ(cockpit.fmsKeys(), (Codes{49, 53, 49}));

  // Lost once more, taken back at the first try.
  kb::LoseInput();
  cockpit.runTicks(1);
  EXPECT_EQ(kb::GetCounters().acquires, 4u);
  cockpit.typeKeys("9").finishTyping();
  EXPECT_EQ(cockpit.fmsKeys(), (Codes{49, 53, 49, 35}));

  // Shut-down deletes the reader still there and gives the keyboard back.
  cockpit.shutdown();
  EXPECT_EQ(g_directInputKeyboard, nullptr);
  EXPECT_EQ(kb::GetCounters().liveDevices, 0u);
  EXPECT_EQ(kb::GetCounters().liveInputs, 0u);
}

// Combinations are reported on the down edge of their last key; key codes
// past the 256-byte state are never down.
TEST(CduTyping, ACombinationIsPressedOnceOnTheDownEdgeOfItsLastKey) {
  CDirectInputKeyboard keyboard(platform::FindWindowByClass(L"FS98MAIN"), kb::kExclusive | kb::kForeground);
  ASSERT_TRUE(keyboard.HasDevice());
  constexpr uint32_t kCtrl = 29, kA = 30;
  EXPECT_FALSE(keyboard.IsComboPressed(0, 0, 0, 0));

  kb::KeyDown(kCtrl);
  keyboard.Poll(nullptr);
  EXPECT_FALSE(keyboard.IsComboPressed(kCtrl, kA, 0, 0));
  EXPECT_TRUE(keyboard.IsComboPressed(kCtrl, 0, 0, 0));
  kb::KeyDown(kA);
  keyboard.Poll(nullptr);
  EXPECT_TRUE(keyboard.IsComboPressed(kCtrl, kA, 0, 0));
  EXPECT_TRUE(keyboard.IsComboPressed(0, kA, 0, kCtrl));
  keyboard.Poll(nullptr);
  EXPECT_FALSE(keyboard.IsComboPressed(kCtrl, kA, 0, 0)) << "held: reported once";
  EXPECT_FALSE(keyboard.IsComboPressed(kA + 256, 0, 0, 0));
  EXPECT_FALSE(keyboard.IsComboPressed(0xFFFFFFFFu, kA, 0, 0));
}

// The stand-in answers as the input layer does, so the reader's paths through
// failures are the real ones.
TEST(KeyboardDevice, AnswersAsTheInputLayerDoes) {
  kb::InputId input = 0;
  EXPECT_EQ(kb::CreateInput(0x0700, &input), kb::kInvalidParam);
  ASSERT_EQ(kb::CreateInput(kb::kVersion, &input), kb::kOk);
  kb::DeviceId device = 0;
  ASSERT_EQ(kb::CreateKeyboard(input, &device), kb::kOk);
  EXPECT_EQ(kb::Acquire(device), kb::kInvalidParam) << "no format yet";
  ASSERT_EQ(kb::SetKeyboardFormat(device), kb::kOk);
  const platform::WindowHandle window = platform::FindWindowByClass(L"FS98MAIN");
  EXPECT_EQ(kb::SetCooperativeLevel(device, window, kb::kExclusive | kb::kBackground), kb::kNotImplemented);
  EXPECT_EQ(kb::SetCooperativeLevel(device, window, kb::kExclusive | kb::kNonExclusive | kb::kForeground),
            kb::kInvalidParam);
  EXPECT_EQ(kb::SetCooperativeLevel(device, nullptr, kb::kExclusive | kb::kForeground), kb::kInvalidParam);
  ASSERT_EQ(kb::SetCooperativeLevel(device, window, kb::kExclusive | kb::kForeground), kb::kOk);

  uint8_t state[kb::kStateBytes] = {};
  kb::KeyEvent events[8] = {};
  uint32_t count = 8;
  EXPECT_EQ(kb::GetState(device, kb::kStateBytes, state), kb::kNotAcquired);
  EXPECT_EQ(kb::GetEvents(device, kb::kEventBytes, events, &count), kb::kNotAcquired);
  EXPECT_EQ(count, 0u);

  ASSERT_EQ(kb::Acquire(device), kb::kOk);
  EXPECT_EQ(kb::Acquire(device), kb::kNoEffect);
  EXPECT_EQ(kb::SetBufferSize(device, 5), kb::kAcquired);
  count = 8;
  EXPECT_EQ(kb::GetEvents(device, kb::kEventBytes, events, &count), kb::kNotBuffered);
  kb::Unacquire(device);
  ASSERT_EQ(kb::SetBufferSize(device, 3), kb::kOk);
  ASSERT_EQ(kb::Acquire(device), kb::kOk);

  // Four changes into a buffer of three: the newest is dropped, once reported.
  kb::KeyDown(30);
  kb::KeyDown(48);
  kb::KeyUp(30);
  kb::KeyUp(48);
  ASSERT_EQ(kb::GetState(device, kb::kStateBytes, state), kb::kOk);
  EXPECT_EQ(state[30], 0);
  count = 2;
  EXPECT_EQ(kb::GetEvents(device, 24, events, &count), kb::kInvalidParam);
  count = 2;
  EXPECT_EQ(kb::GetEvents(device, kb::kEventBytes, events, &count), kb::kBufferOverflow);
  ASSERT_EQ(count, 2u);
  EXPECT_EQ(events[0].key, 30u);
  EXPECT_EQ(events[0].data, kb::kDown);
  EXPECT_EQ(events[1].key, 48u);
  EXPECT_LT(events[0].sequence, events[1].sequence);
  count = 8;
  EXPECT_EQ(kb::GetEvents(device, kb::kEventBytes, events, &count), kb::kOk);
  ASSERT_EQ(count, 1u);
  EXPECT_EQ(events[0].key, 30u);
  EXPECT_EQ(events[0].data, 0u);

  kb::KeyDown(57);
  kb::LoseInput();
  EXPECT_EQ(kb::GetState(device, kb::kStateBytes, state), kb::kInputLost);
  count = 8;
  EXPECT_EQ(kb::GetEvents(device, kb::kEventBytes, events, &count), kb::kInputLost);
  ASSERT_EQ(kb::Acquire(device), kb::kOk);
  ASSERT_EQ(kb::GetState(device, kb::kStateBytes, state), kb::kOk);
  EXPECT_EQ(state[57], kb::kDown) << "the state is the keyboard's, the events of the lost time are gone";
  count = 8;
  EXPECT_EQ(kb::GetEvents(device, kb::kEventBytes, events, &count), kb::kOk);
  EXPECT_EQ(count, 0u);

  uint8_t key = 0;
  EXPECT_TRUE(kb::FindKey("numpadenter", &key));
  EXPECT_EQ(key, 156);
  EXPECT_TRUE(kb::FindKey("7", &key));
  EXPECT_EQ(key, 8);
  EXPECT_TRUE(kb::FindKey("28", &key));
  EXPECT_EQ(key, 28);
  EXPECT_TRUE(kb::FindKey("0xD3", &key));
  EXPECT_EQ(key, 211);
  EXPECT_FALSE(kb::FindKey("256", &key));
  EXPECT_FALSE(kb::FindKey("0x", &key));
  EXPECT_FALSE(kb::FindKey("HYPER", &key));
  EXPECT_TRUE(kb::KeyForCharacter('q', &key));
  EXPECT_EQ(key, 16);
  EXPECT_FALSE(kb::KeyForCharacter('!', &key));

  kb::ReleaseDevice(device);
  kb::ReleaseInput(input);
  EXPECT_EQ(kb::GetCounters().liveDevices, 0u);
}

TEST(CduTyping, ScenarioTypesARouteAfterTheButtonIsClicked) {
  EXPECT_NE(simhost::CheckTypable("KJFK!").find("'!' cannot be typed"), std::string::npos);
  {
    simhost::Scenario scenario;
    std::vector<std::string> errors;
    EXPECT_FALSE(scenario.Parse("type KJFK?\nkeydown HYPER\nkeyup 300\n", "flight.scn", &errors));
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_NE(errors[0].find("flight.scn:1: '?' cannot be typed"), std::string::npos);
    EXPECT_NE(errors[1].find("flight.scn:2: unknown key 'HYPER'"), std::string::npos);
    EXPECT_NE(errors[2].find("flight.scn:3: unknown key '300'"), std::string::npos);
  }
  Cockpit cockpit;
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  ASSERT_TRUE(scenario.Parse("click FMS 300 280\n"
                             "type kjfk/1.5 -\n"
                             "run 2\n"
                             "keydown NUMPADENTER\n"
                             "run 1\n"
                             "keyup NUMPADENTER\n"
                             "click FMS 300 280\n",
                             "flight.scn", &errors))
      << errors.front();
  simhost::RunLog log;
  std::string error;
  ASSERT_TRUE(simhost::RunScenario(cockpit.host(), scenario, log, &error)) << error;
  EXPECT_EQ(cockpit.fmsKeys(), (Codes{49, 48, 44, 49, 67, 27, 36, 31, 65, 38, 26}));
  EXPECT_EQ(g_directInputKeyboard, nullptr);
}

}  // namespace
}  // namespace halcyon::test
