// KeyboardInput.ini: the default file written at shut-down when missing, the
// file read back at the next start, values cut to 29 characters, keys found
// without regard to case, and the registration of the combinations.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "host/keyboard_combos.h"
#include "host/simconnect_client.h"
#include "platform/paths.h"
#include "platform/simconnect.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

namespace sc = platform::simconnect;
constexpr const char* kCombosFile = "SimObjects/Airplanes/QZ Halcyon Pro/KeyboardInput.ini";

std::string Combo(uint32_t slot) { return platform::Narrow(g_keyboardCombos->GetCombo(slot)); }

struct FileLayout {
  std::vector<std::string> sections;  // in file order
  size_t keyLines = 0;
};

FileLayout Layout(const std::string& text) {
  FileLayout layout;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.size() > 2 && line.front() == '[') {
      layout.sections.push_back(line.substr(1, line.find(']') - 1));
    } else if (line.find('=') != std::string::npos) {
      ++layout.keyLines;
    }
  }
  return layout;
}

TEST(KeyboardCombos, DefaultFileWrittenAtShutDownAndReadBackAtTheNextStart) {
  Cockpit cockpit;
  ASSERT_NE(g_keyboardCombos, nullptr);
  EXPECT_EQ(g_keyboardCombos->IsEnabled(), 0);
  EXPECT_EQ(Combo(3), "space");
  for (uint32_t slot : {0u, 4u, 200u, 484u, 485u, 1000u}) EXPECT_EQ(Combo(slot), "") << slot;

  // Only the default combination is registered: client event 3 in group 1.
  ASSERT_EQ(sc::Log().inputMappings.size(), 1u);
  EXPECT_EQ(sc::Log().inputMappings[0].definition, "space");
  EXPECT_EQ(sc::Log().inputMappings[0].groupId, 1u);
  EXPECT_EQ(sc::Log().inputMappings[0].downEventId, 3u);
  EXPECT_EQ(sc::Log().inputMappings[0].upEventId, platform::kNoEventId);

  cockpit.runSeconds(1).shutdown();
  const std::string file = cockpit.readFile(kCombosFile);
  EXPECT_EQ(cockpit.ini("HELP", "0", kCombosFile), std::string(76, '*'));
  EXPECT_EQ(cockpit.ini("HELP", "2", kCombosFile), "Valid  keys: 0-9, a-z, ctrl, shift, alt, f1-f12.");
  EXPECT_EQ(cockpit.ini("HELP", "3", kCombosFile), "Exampel: ctrl+alt+1+q.");
  EXPECT_EQ(cockpit.ini("HELP", "6", kCombosFile), std::string(76, '*'));
  EXPECT_EQ(cockpit.ini("KEYBOARD COMBOS", "Enabled", kCombosFile), "0");
  EXPECT_EQ(cockpit.ini("CHECKLIST", "Checklist next", kCombosFile), "space");
  // The names users' files are keyed by, slips included.
  EXPECT_EQ(cockpit.ini("ELECTRICAL", "Exteral power avail", kCombosFile), "");
  EXPECT_EQ(cockpit.ini("ELECTRONIC OVERHEAD ANNUNCIATON PANEL", "misc", kCombosFile), "");
  EXPECT_NE(file.find("left valve=\r\n"), std::string::npos);

  // Seven help lines, Enabled and 483 keys; each section once, in the order
  // of its first key ("NAV" and "MISC" gather the keys that come back later).
  const FileLayout layout = Layout(file);
  EXPECT_EQ(layout.keyLines, 7u + 1u + 483u);
  const auto& sections = layout.sections;
  ASSERT_GE(sections.size(), 6u);
  EXPECT_EQ(sections[0], "HELP");
  EXPECT_EQ(sections[1], "KEYBOARD COMBOS");
  EXPECT_EQ(sections[2], "CHECKLIST");
  EXPECT_EQ(sections[3], "NAV");
  EXPECT_EQ(sections.back(), "LANDING LIGHTS");
  EXPECT_EQ(sections.size(), 2u + 61u);
  const size_t misc = file.find("[MISC]");
  EXPECT_LT(file.find("Recirc fan switch dec=", misc), file.find("[COCKPIT LIGHTS]"));
  EXPECT_LT(file.find("Course dec=", file.find("[NAV]")), file.find("[AIRSPEED]"));

  // The next start reads the user's edit of the file.
  std::string edited = file;
  edited.replace(edited.find("PA light="), 9, "PA light=ctrl+shift+p");
  edited.replace(edited.find("Enabled=0"), 9, "Enabled=2");
  cockpit.writeFile(kCombosFile, edited);
  cockpit.start();
  ASSERT_NE(g_keyboardCombos, nullptr);
  EXPECT_EQ(Combo(200), "ctrl+shift+p");
  EXPECT_EQ(Combo(3), "space");
  EXPECT_EQ(g_keyboardCombos->IsEnabled(), 0) << "only the integer 1 enables";

  // The new connection answers a press once, not once per connection made.
  cockpit.runTicks(1);
  size_t queued = sc::QueuedMessages();
  ASSERT_TRUE(sc::PressCombination("ctrl+shift+p"));
  EXPECT_EQ(sc::QueuedMessages() - queued, 1u);
  queued = sc::QueuedMessages();
  ASSERT_TRUE(sc::QueueSimEvent("BRAKES"));
  EXPECT_EQ(sc::QueuedMessages() - queued, 1u);
  cockpit.runTicks(1).shutdown();
  EXPECT_EQ(cockpit.readFile(kCombosFile), edited) << "an existing file is never rewritten";
}

TEST(KeyboardCombos, LongValuesCutAndKeysFoundWithoutRegardToCase) {
  Cockpit cockpit({.start = false});
  cockpit.writeFile(kCombosFile,
                    "[keyboard combos]\r\nENABLED=1\r\n"
                    "[electrical]\r\ngen 1 inc=ctrl+shift+alt+g\r\n"
                    "[MISC]\r\npa light=0123456789012345678901234567890123456789\r\n"
                    "[CHECKLIST]\r\nchecklist NEXT=\r\n");
  cockpit.start();
  EXPECT_EQ(g_keyboardCombos->IsEnabled(), 1);
  EXPECT_EQ(Combo(100), "ctrl+shift+alt+g");
  EXPECT_EQ(Combo(200), "01234567890123456789012345678");
  EXPECT_EQ(Combo(3), "") << "a key present but empty is not the default";

  // A file without [HELP] "0" counts as missing: the table is written into it.
  cockpit.runTicks(1).shutdown();
  EXPECT_EQ(cockpit.ini("HELP", "1", kCombosFile), "You can specify up to 4 keys in a single keyboard combo.");
  EXPECT_EQ(cockpit.ini("KEYBOARD COMBOS", "Enabled", kCombosFile), "1");
  EXPECT_EQ(cockpit.ini("MISC", "PA light", kCombosFile), "01234567890123456789012345678");
  EXPECT_EQ(cockpit.ini("ELECTRICAL", "GEN 1 inc", kCombosFile), "ctrl+shift+alt+g");
}

TEST(KeyboardCombos, NineteenToAGroupAtMost361AndTheWatchedEventsApart) {
  Cockpit cockpit({.start = false});
  // 400 combinations: every slot with a key up to slot 401 (293 and 294 have none).
  std::wstring file = L"[HELP]\r\n0=x\r\n";
  for (uint32_t slot = 0; slot <= 401; ++slot) {
    if (KeyboardCommandSection(slot) == nullptr) continue;
    file += L"[" + std::wstring(KeyboardCommandSection(slot)) + L"]\r\n" + KeyboardCommandKey(slot) + L"=alt+" +
            std::to_wstring(slot) + L"\r\n";
  }
  cockpit.writeFile(kCombosFile, platform::Narrow(file));
  cockpit.start();

  const auto& mappings = sc::Log().inputMappings;
  ASSERT_EQ(mappings.size(), 361u);
  for (size_t i = 0; i < mappings.size(); ++i) {
    const uint32_t slot = i < 293 ? static_cast<uint32_t>(i) : static_cast<uint32_t>(i + 2);
    EXPECT_EQ(mappings[i].groupId, 1 + i / 19) << i;
    EXPECT_EQ(mappings[i].downEventId, slot) << i;
    EXPECT_EQ(mappings[i].definition, "alt+" + std::to_string(slot));
  }
  EXPECT_EQ(mappings[19].groupId, 2u) << "the 20th combination opens group 2";
  EXPECT_EQ(mappings.back().downEventId, 362u) << "slots after the 361st are left out";

  // Client events: five watched simulator events in group 0, outside 0..484,
  // then one private event per registered command.
  const auto& events = sc::Log().clientEvents;
  ASSERT_EQ(events.size(), 5u + 361u);
  const char* names[] = {"BRAKES", "BRAKES_LEFT", "BRAKES_RIGHT", "ELEV_TRIM_DN", "ELEV_TRIM_UP"};
  for (uint32_t i = 0; i < 5; ++i) {
    EXPECT_EQ(events[i].eventId, 1000u + i);
    EXPECT_EQ(events[i].simEventName, names[i]);
    EXPECT_EQ(sc::Log().notificationMembers[i].groupId, 0u);
  }
  for (size_t i = 5; i < events.size(); ++i) EXPECT_EQ(events[i].simEventName, "");
  for (const auto& member : sc::Log().notificationMembers) EXPECT_EQ(member.maskable, 0);
  // Each command's event joins the notification group of its input group.
  ASSERT_EQ(sc::Log().notificationMembers.size(), 5u + 361u);
  for (size_t i = 0; i < mappings.size(); ++i) {
    EXPECT_EQ(sc::Log().notificationMembers[5 + i].groupId, mappings[i].groupId) << i;
    EXPECT_EQ(sc::Log().notificationMembers[5 + i].eventId, mappings[i].downEventId) << i;
  }
  for (const auto& [group, priority] : sc::Log().notificationPriorities) EXPECT_EQ(priority, 1u) << group;
  EXPECT_EQ(sc::Log().notificationPriorities.front().first, 0u);
  for (const auto& [group, state] : sc::Log().inputGroupStates) EXPECT_EQ(state, 1u) << group;
  for (const auto& [group, priority] : sc::Log().inputGroupPriorities) EXPECT_EQ(priority, 1u) << group;

  // The two data definitions, in order.
  const auto& fields = sc::Log().dataFields;
  ASSERT_EQ(fields.size(), 17u);
  EXPECT_EQ(fields[0].variable, "PAYLOAD STATION WEIGHT:1");
  EXPECT_EQ(fields[6].variable, "PAYLOAD STATION WEIGHT:7");
  EXPECT_EQ(fields[7].variable, "FUEL TANK CENTER QUANTITY");
  EXPECT_EQ(fields[9].units, "Gallons");
  EXPECT_EQ(fields[10].variable, "ATC ID");
  EXPECT_EQ(fields[10].units, "");
  EXPECT_EQ(fields[10].dataType, platform::kDataTypeString256);
  EXPECT_EQ(fields[16].variable, "VELOCITY WORLD Y");
  EXPECT_EQ(fields[16].units, "Feet per second");
  for (const auto& field : fields) {
    EXPECT_EQ(field.definitionId, &field < &fields[10] ? 0u : 1u);
    EXPECT_EQ(field.datumId, platform::kNoDatumId);
  }
}

TEST(KeyboardCombos, AFailedOpenIsRetriedEachTickWithoutReadingTheFileAgain) {
  Cockpit cockpit({.start = false});
  sc::FailNextOpens(3);
  cockpit.start();
  EXPECT_EQ(g_simConnect, nullptr);
  ASSERT_NE(g_keyboardCombos, nullptr);
  cockpit.writeFile(kCombosFile, "[HELP]\r\n0=x\r\n[CHECKLIST]\r\nChecklist next=ctrl+n\r\n");
  cockpit.runTicks(1);
  EXPECT_EQ(g_simConnect, nullptr);
  EXPECT_EQ(sc::GetCounters().openAttempts, 2u);
  cockpit.runTicks(2);
  EXPECT_NE(g_simConnect, nullptr);
  EXPECT_EQ(sc::GetCounters().openAttempts, 4u);
  ASSERT_EQ(sc::Log().inputMappings.size(), 1u);
  EXPECT_EQ(sc::Log().inputMappings[0].definition, "space") << "the table read at start-up is kept";
  cockpit.runTicks(5);
  EXPECT_EQ(sc::GetCounters().opens, 1u) << "registered once";
  EXPECT_EQ(sc::Log().clientEvents.size(), 6u);
}

}  // namespace
}  // namespace halcyon::test
