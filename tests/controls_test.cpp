// The registry of saved controls: every control the cockpit saves can be
// moved from outside its gauge (the scenario's `control`, the test bed), and
// is known from the moment the module is loaded.
#include <gtest/gtest.h>
#include <strings.h>

#include <set>
#include <sstream>
#include <string>

#include "core/controls.h"
#include "platform/paths.h"
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

}  // namespace
}  // namespace halcyon::test
