// The registry of saved controls: every control the cockpit saves can be
// moved from outside its gauge (the scenario's `control`, the test bed), and
// is known from the moment the module is loaded.
#include <gtest/gtest.h>
#include <strings.h>

#include <algorithm>
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

// What a scenario's `control SECTION KEY POSITION` and two seconds' run leave:
// "kept", the position read instead, or the message that refused the line
// before the flight.
std::string MoveAndReadBack(Cockpit& cockpit, const std::string& section, const std::string& key, int32_t position) {
  simhost::Scenario scenario;
  std::vector<std::string> errors;
  const std::string line = "control \"" + section + "\" \"" + key + "\" " + std::to_string(position) + "\nrun 2\n";
  if (!scenario.Parse(line, "flight.scn", &errors) || !simhost::CheckScenarioNames(cockpit.host(), scenario, &errors)) {
    return "refused: " + errors.front();
  }
  simhost::RunLog log;
  std::string error;
  if (!simhost::RunScenario(cockpit.host(), scenario, log, &error)) return "failed: " + error;
  int32_t seen = 0;
  cockpit.host().Module().ControlPosition(section, key, &seen);
  return seen == position ? "kept" : "read " + std::to_string(seen);
}

// Turned by clicks or pressed, these read what they act on, as the README
// says: the knobs the window they turn, the scroll the offset, the buttons
// (the alert display's category keys too) the light or the silence their
// system sets.
bool ReadsWhatItActsOn(const std::string& section, const std::string& key) {
  const std::pair<std::string, std::string> controls[] = {
      {"FGCP PANEL", "speed_knob"},       {"FGCP PANEL", "heading_knob"},       {"FGCP PANEL", "altitude_knob"},
      {"Warning Lights", "stick_pusher"}, {"Warning Lights", "master_warning"}, {"Warning Lights", "master_caution"},
      {"GPWS", "test"},                   {"Engine Fire", "bell_off"},          {"EOAP", "scroll"},
      {"EOAP", "elec"},                   {"EOAP", "ice"},                      {"EOAP", "eng"},
      {"EOAP", "ctrl"},                   {"EOAP", "misc"},                     {"EOAP", "hyd"},
      {"EOAP", "mon"},                    {"EOAP", "door"},
  };
  return std::ranges::find(controls, std::pair{section, key}) != std::end(controls);
}

// The positions to move a control to, the first that is not where it stands
// deciding: a lever's or a selector's own codes where on and off are none of
// them, else on and off, else the ends of the control's range.
std::vector<int32_t> PositionsToTry(const std::string& section, const std::string& key, int32_t lowest, int32_t highest) {
  const struct {
    const char* section;
    const char* key;
    int32_t position;
  } ownCodes[] = {{"FLAPS", "lever", 15}, {"IRS", "switch1", 115}, {"IRS", "switch2", 115}, {"GEAR", "alternate_gear_handle", 18}};
  for (const auto& own : ownCodes) {
    if (section == own.section && key == own.key) return {own.position};
  }
  const bool switchCodes = lowest == 0 && highest == kSwitchPositionMax;
  if (switchCodes || lowest == kAnyPosition.lowest) return {kSwitchOn, kSwitchOff};
  return {lowest, highest};
}

// Every control --list controls names, moved by a scenario to a position it
// takes and run two seconds (a lever walks a frame a tick), reads back that
// position, or the scenario is refused before the flight saying what moves
// it: none is taken and then put back by its system. A press with no
// position has nothing to read back (`expect` refuses it).
TEST(Controls, EveryControlListedKeepsAPositionItTakesOrIsRefused) {
  Cockpit cockpit;
  const simhost::LoadedModule& module = cockpit.host().Module();
  size_t kept = 0;
  size_t refused = 0;
  for (const auto& [section, key] : module.ControlNames()) {
    int32_t start = 0;
    int32_t lowest = 0;
    int32_t highest = 0;
    if (!module.ControlPosition(section, key, &start) || !module.ControlRange(section, key, &lowest, &highest)) continue;
    if (ReadsWhatItActsOn(section, key)) {
      EXPECT_FALSE(MoveAndReadBack(cockpit, section, key, kSwitchOn).starts_with("refused")) << key;
      continue;
    }
    const std::vector<int32_t> positions = PositionsToTry(section, key, lowest, highest);
    const auto position = std::ranges::find_if(positions, [start](int32_t p) { return p != start; });
    ASSERT_NE(position, positions.end()) << "[" << section << "] " << key << " stands at every position tried";
    const std::string outcome = MoveAndReadBack(cockpit, section, key, *position);
    EXPECT_TRUE(outcome == "kept" || outcome.starts_with("refused")) << "[" << section << "] " << key << " moved to "
                                                                     << *position << ": " << outcome;
    kept += outcome == "kept" ? 1 : 0;
    refused += outcome.starts_with("refused") ? 1 : 0;
  }
  EXPECT_GT(kept, 150u);
  EXPECT_EQ(refused, 5u) << "the auto-slat light, and the alert display's lights and counts";
}

}  // namespace
}  // namespace halcyon::test
