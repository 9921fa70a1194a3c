// Test runner. The cockpit module keeps process-wide state (the systems load
// once per process, as in the simulator), so every test runs in a process of
// its own: under CTest one test per invocation, and when the binary is run by
// hand without a filter, one forked child per test.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> AllTestNames() {
  std::vector<std::string> names;
  const testing::UnitTest& unit = *testing::UnitTest::GetInstance();
  for (int i = 0; i < unit.total_test_suite_count(); ++i) {
    const testing::TestSuite& suite = *unit.GetTestSuite(i);
    for (int j = 0; j < suite.total_test_count(); ++j) {
      const testing::TestInfo& info = *suite.GetTestInfo(j);
      const std::string name = std::string(suite.name()) + "." + info.name();
      if (name.find("DISABLED_") == std::string::npos) names.push_back(name);
    }
  }
  return names;
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const bool oneProcess = GTEST_FLAG_GET(list_tests) || GTEST_FLAG_GET(filter) != "*";
  if (oneProcess) return RUN_ALL_TESTS();

  int passed = 0;
  int failed = 0;
  std::vector<std::string> failures;
  for (const std::string& name : AllTestNames()) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
      GTEST_FLAG_SET(filter, name);
      _exit(RUN_ALL_TESTS());
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
      ++passed;
    } else {
      ++failed;
      failures.push_back(name);
    }
  }
  for (const std::string& name : failures) std::printf("FAILED: %s\n", name.c_str());
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
