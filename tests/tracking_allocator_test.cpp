// The leak report of the tracking allocator: absent in an ordinary run,
// one line per tracked allocation still held and the total otherwise.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/tracking_allocator.h"
#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kReport = "Gauges/HalcyonMemleak.ini";
constexpr const char* kSection = "MEMORY NOT DEALLOCATED";

std::string Padded(std::string text) {
  text.resize(std::max<size_t>(text.size(), 50), ' ');
  return text;
}

TEST(LeakReport, NoFileWhenNothingWasTracked) {
  Cockpit cockpit;
  cockpit.runSeconds(2).shutdown();
  EXPECT_FALSE(std::filesystem::exists(cockpit.path(kReport)));
  EXPECT_TRUE(std::filesystem::exists(cockpit.path("Gauges"))) << "the folder is there; the report is not";
}

TEST(LeakReport, ListsWhatIsStillHeldWithItsTotal) {
  Cockpit cockpit;
  void* kept = TrackedNew(100, "systems/apu.cpp", 42);
  void* released = TrackedNew(30, "systems/electric.cpp", 7);
  const std::string longName = "displays/" + std::string(70, 'n') + ".cpp";
  void* longNamed = TrackedNew(5, longName.c_str(), 1234);
  ASSERT_NE(kept, nullptr);
  TrackedDelete(released);
  RemoveTrack(0xdead);  // no such record: nothing happens
  cockpit.runSeconds(1).shutdown();

  const std::string address = std::to_string(reinterpret_cast<uintptr_t>(kept));
  EXPECT_EQ(cockpit.ini(kSection, "1", kReport),
            Padded("systems/apu.cpp") + ":\t\tLINE 42,\t\tADDRESS " + address + "\t100 unfreed");
  EXPECT_EQ(cockpit.ini(kSection, "2", kReport),
            Padded(longName.substr(0, 63)) + ":\t\tLINE 1234,\t\tADDRESS " +
                std::to_string(reinterpret_cast<uintptr_t>(longNamed)) + "\t5 unfreed");
  EXPECT_EQ(cockpit.ini(kSection, "3", kReport), "<missing>") << "the released block is not listed";
  EXPECT_EQ(cockpit.ini(kSection, "Total Unfreed:", kReport), "105 bytes");
  const std::string file = cockpit.readFile(kReport);
  EXPECT_EQ(file.find("unfreed\n"), std::string::npos) << "no line break inside a value";
  EXPECT_NE(file.find("unfreed\r\n"), std::string::npos);

  TrackedDelete(kept);
  TrackedDelete(longNamed);
}

TEST(LeakReport, EverythingReleasedLeavesAZeroTotal) {
  Cockpit cockpit;
  TrackedDelete(TrackedNew(64, "core/lifecycle.cpp", 10));
  TrackedDelete(nullptr);
  cockpit.runSeconds(1).shutdown();
  EXPECT_EQ(cockpit.ini(kSection, "1", kReport), "<missing>");
  EXPECT_EQ(cockpit.ini(kSection, "Total Unfreed:", kReport), "0 bytes");
}

}  // namespace
}  // namespace halcyon::test
