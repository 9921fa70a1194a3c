// The test runner as a person runs it by hand: a filter that selects several
// tests runs each in a process of its own (the module loads its systems once
// a process), and a failing test among them is named and fails the run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "tests/cockpit.h"

namespace halcyon::test {
namespace {

constexpr const char* kFailVariable = "HALCYON_TEST_RUNNER_FAIL";

// This test program run with a filter.
ProgramRun RunThisProgram(const std::string& filter) {
  char self[4096];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0) return {};
  return RunProgram("'" + std::string(self, static_cast<size_t>(length)) + "'", "'--gtest_filter=" + filter + "'");
}

bool Says(const ProgramRun& run, const std::string& line) { return run.output.find("\n" + line + "\n") != std::string::npos; }

// The failing test of a selection: it fails only when the runner's test asks.
TEST(TestRunner, FailsWhenAsked) {
  if (std::getenv(kFailVariable) != nullptr) FAIL() << "asked to fail";
}

// Two tests that each load the module from an INI file of their own: in one
// process the second would find the systems loaded by the first.
TEST(TestRunner, ASelectionRunsEachTestInAFreshProcess) {
  const ProgramRun both =
      RunThisProgram("Radios.AdfWheelsTuneTheHeadTheTransferSwitchChooses:Radios.AdfWheelsAreHeldToTheirDigitsOnLoad");
  EXPECT_EQ(both.status, 0) << both.output;
  EXPECT_TRUE(Says(both, "2 passed, 0 failed")) << both.output;

  // Wildcards, and patterns left out after '-'.
  const ProgramRun wildcards = RunThisProgram("Radios.AdfWheels*On?oad:Radios.AdfWheels*-*Wrap*");
  EXPECT_EQ(wildcards.status, 0) << wildcards.output;
  EXPECT_TRUE(Says(wildcards, "2 passed, 0 failed")) << wildcards.output;

  setenv(kFailVariable, "1", 1);
  const ProgramRun failing = RunThisProgram("TestRunner.FailsWhenAsked:Radios.AdfWheelsAreHeldToTheirDigitsOnLoad");
  unsetenv(kFailVariable);
  EXPECT_NE(failing.status, 0) << failing.output;
  EXPECT_TRUE(Says(failing, "FAILED: TestRunner.FailsWhenAsked")) << failing.output;
  EXPECT_TRUE(Says(failing, "1 passed, 1 failed")) << failing.output;
}

}  // namespace
}  // namespace halcyon::test
