// The registry of saved controls: every control the cockpit saves can be
// moved from outside its gauge (the scenario's `control`, the test bed), and
// is known from the moment the module is loaded.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace halcyon::test
