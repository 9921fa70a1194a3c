// The registry of saved controls: every control the cockpit saves can be
// moved from outside its gauge (the scenario's `control`, the test bed), and
// is known from the moment the module is loaded.
#include <gtest/gtest.h>
#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/controls.h"
#include "platform/paths.h"
#include "simhost/run_log.h"
#include "simhost/scenario.h"
#include "systems/electric.h"
#include "systems/engine_start.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

TEST(Controls, EveryControlTheCockpitSavesCanBeMoved) {
  Cockpit cockpit({.start = false});
  // Known before the systems load.
  EXPECT_TRUE(HasControl(L"ELECTRIC", L"csd_disc_2"));
  EXPECT_TRUE(HasControl(L"engine starter", L"START_PUMP"));
  EXPECT_TRUE(HasControl(L"VARIOUS", L"gpws"));
  EXPECT_TRUE(HasControl(L"EFDS", L"apu_switch"));
  EXPECT_TRUE(HasControl(L"ART", L"art_switch"));
  cockpit.start().runSeconds(1);
  cockpit.control("ELECTRIC", "csd_disc_1", 120).control("ENGINE STARTER", "start_pump", 41);
  EXPECT_EQ(GetSwitch(&g_csdDisconnectGuard1), 120);
  EXPECT_EQ(GetSwitch(&g_startPumpSwitch), 41);
  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("ELECTRIC", "csd_disc_1"), "120");
  for (const auto& [section, key] : SavedControlsNotRegistered()) {
    ADD_FAILURE() << "[" << platform::Narrow(section) << "] " << platform::Narrow(key) << " is saved but cannot be moved";
  }
}

// Each control whose position the shut-down saves was known before the
// systems loaded: none is registered only by its system's load step.
TEST(Controls, EverySavedControlIsKnownFromModuleLoad) {
  Cockpit cockpit({.start = false});
  std::set<std::pair<std::string, std::string>> atLoad;
  char section[128];
  char key[128];
  for (int32_t i = 0; HalcyonControlAt(i, section, sizeof section, key, sizeof key) != 0; ++i) {
    atLoad.emplace(platform::Narrow(platform::Widen(section)), key);
  }
  cockpit.start().runSeconds(1);
  cockpit.shutdown();
  const std::string saved = cockpit.readFile(Cockpit::kAircraftIniFile);
  size_t checked = 0;
  std::string current;
  std::istringstream lines(saved);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > 2 && line.front() == '[') {
      current = line.substr(1, line.find(']') - 1);
      continue;
    }
    const std::string name = line.substr(0, line.find('='));
    if (line.find('=') == std::string::npos || !HasControl(platform::Widen(current).c_str(), platform::Widen(name).c_str())) {
      continue;
    }
    ++checked;
    bool known = false;
    for (const auto& [s, k] : atLoad) {
      known = known || (strcasecmp(s.c_str(), current.c_str()) == 0 && strcasecmp(k.c_str(), name.c_str()) == 0);
    }
    EXPECT_TRUE(known) << "[" << current << "] " << name << " is known only once its system has loaded";
  }
  EXPECT_GT(checked, 150u);
}

// What the module hands the host is cut to the host's buffer on a character
// boundary, and always ends there.
TEST(Controls, TextsForTheHostAreCutToItsBufferWhole) {
  Cockpit cockpit({.start = false});
  char text[8];
  std::memset(text, '#', sizeof text);
  ASSERT_EQ(HalcyonControlAction("Situations", "row", text, 6), 1);
  EXPECT_STREQ(text, "a coc");
  EXPECT_EQ(text[6], '#') << "nothing written past the buffer";
  RegisterControl(L"\u00dcbung", L"key", nullptr, [](int32_t) {});
  int32_t index = 0;
  char section[64];
  char key[64];
  while (HalcyonControlAt(index, section, sizeof section, key, sizeof key) != 0 && std::string(section) != "\u00dcbung") {
    ++index;
  }
  ASSERT_EQ(HalcyonControlAt(index, section, 2, key, sizeof key), 1);
  EXPECT_STREQ(section, "") << "no half of the two bytes of the U umlaut";
  ASSERT_EQ(HalcyonControlAt(index, section, 3, key, sizeof key), 1);
  EXPECT_STREQ(section, "\u00dc");
}

// A scenario line that moves the control to the position.
std::string ControlLine(const std::string& section, const std::string& key, int32_t position) {
  return "control \"" + section + "\" \"" + key + "\" " + std::to_string(position) + "\n";
}

// The message a scenario's `control SECTION KEY POSITION` is refused with
// before the flight; "" when the position is taken.
std::string Refusal(Cockpit& cockpit, const std::string& section, const std::string& key, int32_t position) {
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  if (!scenario.Parse(ControlLine(section, key, position), "flight.scn", &errors) ||
      !simhost::CheckScenarioNames(cockpit.host(), scenario, &errors)) {
    return errors.front();
  }
  return "";
}

// Flies the scenario lines and two seconds after them (a lever walks a frame
// a tick); "" or why the flight failed.
std::string FlyForTwoSeconds(Cockpit& cockpit, const std::string& lines) {
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  if (!scenario.Parse(lines + "run 2\n", "flight.scn", &errors)) return errors.front();
  simhost::RunLog log;
  std::string error;
  return simhost::RunScenario(cockpit.host(), scenario, log, &error) ? "" : error;
}

// What a scenario's `control SECTION KEY POSITION` and two seconds' run leave:
// "kept", the position read instead, or the message that refused the line
// before the flight.
std::string MoveAndReadBack(Cockpit& cockpit, const std::string& section, const std::string& key, int32_t position) {
  if (std::string refusal = Refusal(cockpit, section, key, position); !refusal.empty()) return "refused: " + refusal;
  if (std::string error = FlyForTwoSeconds(cockpit, ControlLine(section, key, position)); !error.empty()) {
    return "failed: " + error;
  }
  int32_t seen = 0;
  cockpit.host().Module().ControlPosition(section, key, &seen);
  return seen == position ? "kept" : "read " + std::to_string(seen);
}

// Turned by clicks or pressed, these read what they act on, as the README
// says: the knobs the window they turn, the scroll the offset, the buttons
// (the alert display's category keys too) the light, the silence or the test
// their system sets.
bool ReadsWhatItActsOn(const std::string& section, const std::string& key) {
  const std::pair<std::string, std::string> controls[] = {
      {"FGCP PANEL", "speed_knob"},       {"FGCP PANEL", "heading_knob"},       {"FGCP PANEL", "altitude_knob"},
      {"Warning Lights", "stick_pusher"}, {"Warning Lights", "master_warning"}, {"Warning Lights", "master_caution"},
      {"GPWS", "test"},                   {"Engine Fire", "bell_off"},          {"EOAP", "scroll"},
      {"EOAP", "elec"},                   {"EOAP", "ice"},                      {"EOAP", "eng"},
      {"EOAP", "ctrl"},                   {"EOAP", "misc"},                     {"EOAP", "hyd"},
      {"EOAP", "mon"},                    {"EOAP", "door"},                     {"Various", "stall_test"},
  };
  return std::ranges::find(controls, std::pair{section, key}) != std::end(controls);
}

// A spring-loaded position: taken, and let back by its gauge within the two
// seconds (the README says so).
struct Spring {
  const char* section;
  const char* key;
  int32_t position;
  int32_t back;
};
constexpr Spring kSprings[] = {{"TRANSPONDER", "mode", 85, 86}};

// Where a control moved to a position it takes stands two seconds later.
int32_t StandsAt(const std::string& section, const std::string& key, int32_t position) {
  for (const Spring& spring : kSprings) {
    if (section == spring.section && key == spring.key && position == spring.position) return spring.back;
  }
  return position;
}

struct ListedControl {
  std::string section;
  std::string key;
  int32_t lowest;
  int32_t highest;
  // As a message names it.
  std::string Name() const { return "[" + section + "] " + key; }
};

// The numbers a text names.
std::set<int32_t> NumbersIn(const std::string& text) {
  std::set<int32_t> numbers;
  for (size_t i = 0; i < text.size();) {
    if (std::isdigit(static_cast<unsigned char>(text[i])) == 0) {
      ++i;
      continue;
    }
    size_t digits = 0;
    numbers.insert(std::stoi(text.substr(i), &digits));
    i += digits;
  }
  return numbers;
}

// Every control --list controls names with a position, moved by a scenario
// to each code it may take and run two seconds, reads back that code (or the
// one it springs back to), or the line is refused before the flight saying
// what the control takes, naming just the codes it takes: none is taken and
// then put back by its system. The codes are a range of no more positions
// than the switch codes 0..138 (digits, tenths, modes); each code is tried on
// every control that may take it at once. A control whose range is wider
// (feet, knots) is moved to an end of it. A press with no position has
// nothing to read back (`expect` refuses it).
TEST(Controls, EveryControlListedKeepsEachCodeItTakesOrIsRefused) {
  Cockpit cockpit;
  const simhost::LoadedModule& module = cockpit.host().Module();
  std::vector<ListedControl> coded;
  size_t kept = 0;
  std::set<std::string> refusingAll;
  for (const auto& [section, key] : module.ControlNames()) {
    int32_t start = 0;
    int32_t lowest = 0;
    int32_t highest = 0;
    if (!module.ControlPosition(section, key, &start) || !module.ControlRange(section, key, &lowest, &highest)) continue;
    if (ReadsWhatItActsOn(section, key)) {
      EXPECT_FALSE(MoveAndReadBack(cockpit, section, key, kSwitchOn).starts_with("refused")) << key;
      continue;
    }
    if (int64_t{highest} - lowest <= kSwitchPositionMax) {
      coded.push_back({section, key, lowest, highest});
      continue;
    }
    const std::vector<int32_t> ends =
        lowest == kAnyPosition.lowest ? std::vector<int32_t>{kSwitchOn, kSwitchOff} : std::vector<int32_t>{lowest, highest};
    const auto position = std::ranges::find_if(ends, [start](int32_t p) { return p != start; });
    const std::string outcome = MoveAndReadBack(cockpit, section, key, *position);
    EXPECT_TRUE(outcome == "kept" || outcome.starts_with("refused")) << "[" << section << "] " << key << " moved to "
                                                                     << *position << ": " << outcome;
    kept += outcome == "kept" ? 1 : 0;
    if (outcome.starts_with("refused")) refusingAll.insert(section + " " + key);
  }
  const int32_t first = std::ranges::min(coded, {}, &ListedControl::lowest).lowest;
  const int32_t last = std::ranges::max(coded, {}, &ListedControl::highest).highest;
  std::map<std::string, std::string> refusals;  // the first of each control refused a code
  std::map<std::string, std::set<int32_t>> taken;
  for (int32_t code = first; code <= last; ++code) {
    std::string lines;
    std::vector<const ListedControl*> moved;
    for (const ListedControl& control : coded) {
      if (code < control.lowest || code > control.highest) continue;
      const std::string refusal = Refusal(cockpit, control.section, control.key, code);
      if (refusal.empty()) {
        lines += ControlLine(control.section, control.key, code);
        moved.push_back(&control);
      } else {
        refusals.emplace(control.Name(), refusal);
      }
    }
    ASSERT_EQ(FlyForTwoSeconds(cockpit, lines), "") << code;
    for (const ListedControl* control : moved) {
      int32_t seen = 0;
      module.ControlPosition(control->section, control->key, &seen);
      EXPECT_EQ(seen, StandsAt(control->section, control->key, code)) << control->Name() << " moved to " << code;
      taken[control->Name()].insert(code);
      ++kept;
    }
  }
  size_t takingOwnCodes = 0;
  for (const auto& [name, refusal] : refusals) {
    if (!taken.contains(name)) {
      refusingAll.insert(name);
      continue;
    }
    ++takingOwnCodes;
    EXPECT_EQ(NumbersIn(refusal.substr(refusal.find(name) + name.size())), taken[name]) << refusal;
  }
  EXPECT_GT(kept, 150u * 139u);
  EXPECT_EQ(refusingAll.size(), 5u) << "the auto-slat light, and the alert display's lights and counts";
  EXPECT_EQ(takingOwnCodes, 6u) << "the flap lever, the IRS selectors, AUTO THROT, the EFIS test button and the "
                                   "alternate gear handle take only their own codes";
}

}  // namespace
}  // namespace halcyon::test
