// The FMS computer as the cockpit sees it before the navigation core is in:
// built at load, no guidance, CDU keys recorded, brightness saved at shut-down.
#include <gtest/gtest.h>

#include <algorithm>

#include "fmc/fms.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

TEST(Fms, AnswersNoGuidanceRecordsKeysAndSavesItsBrightness) {
  Cockpit cockpit;
  cockpit.runTicks(2);

  EXPECT_EQ(g_fms.GetApHeading(), -1.0);
  EXPECT_EQ(g_fms.GetPathErrorAltitude(), -999999999.0);
  EXPECT_EQ(g_fms.GetVnavNext(), 0);
  EXPECT_EQ(g_fms.GetAltPreselectFlag(), 0);
  EXPECT_EQ(g_fms.HasPassedTopOfDescent(), 0);
  EXPECT_EQ(g_fms.IsDescendNow(), 0);
  EXPECT_FALSE(g_fms.TakeLegSequencedFlag());
  g_fms.SetIrsAligning(1);
  EXPECT_EQ(g_fms.IsFmsAlignDone(), 0) << "no IRS position to align with yet";

  g_fms.SetTakeoffSpeeds(135, 140, 145);
  EXPECT_EQ(g_fms.GetV1(), 135u);
  EXPECT_EQ(g_fms.GetVr(), 140);
  EXPECT_EQ(g_fms.GetV2(), 145u);

  // The latest key codes are kept, oldest first.
  for (uint32_t code = 0; code < CFms::kKeyLogSize + 3; ++code) g_fms.KeyPressed(code);
  ASSERT_EQ(g_fms.KeysPressed().size(), CFms::kKeyLogSize);
  EXPECT_EQ(g_fms.KeysPressed().front(), 3u);
  EXPECT_EQ(g_fms.KeysPressed().back(), CFms::kKeyLogSize + 2);

  cockpit.shutdown();
  EXPECT_EQ(cockpit.ini("FMS", "BrightnessControL"), "1.000000");
  const auto& notBuilt = cockpit.notBuilt();
  EXPECT_EQ(std::count(notBuilt.begin(), notBuilt.end(), "SaveFms"), 0);
  EXPECT_EQ(std::count(notBuilt.begin(), notBuilt.end(), "InitFms"), 0);
  EXPECT_EQ(std::count(notBuilt.begin(), notBuilt.end(), "UpdateFms"), 1);
}

}  // namespace
}  // namespace halcyon::test
